/*
** Tests of the error box of a design error in a view area: frame, box and text at the centre
** of the given rectangle or of the utilisation page's rectangle.
*/
#include "results_test_util.h"

#include <string>
#include <vector>

#include "dialogs/dialogs.h"
#include "foundation/foundation.h"
#include "platform/zelkwin.h"
#include "platform/zelkwin_test.h"

class ErrorBox : public ::testing::Test {
  protected:
    void SetUp() override
    {
        ZW_Test_Reset();
        Define_Prop_Sheet(0, 0, 900, 700, 1, 0, "Test", 40, 1);
        Activate_Prop_Sheet();
        Set_Utilisation_Page_Area(-1, 0, 0, 0, 0);
    }
    void TearDown() override
    {
        SVA_Delete_All();
        Set_Utilisation_Page_Area(-1, 0, 0, 0, 0);
        while (Prop_Sheet_Level() > 0) Undefine_Prop_Sheet();
    }
};

static int Count_Items(int area)
{
    int n = 0;
    for (SVA_Item *it = SVA_Areas[area].first; it != nullptr; it = it->next) n++;
    return n;
}

TEST_F(ErrorBox, FrameBoxAndTextAroundTheCentre)
{
    const int a = SVA_Create(10, 10, 600, 400, 0, 0);
    ASSERT_GE(a, 0);
    const char *text = "Seitenholz zu kurz";
    const int w = Text_Width_In_Font(text, 0x11000);
    ASSERT_GT(w, 0);
    Show_Error_Box_At(a, 300, 200, text);
    ASSERT_EQ(Count_Items(a), 3);
    const SVA_Item *frame = SVA_Areas[a].first;
    const SVA_Item *box = frame->next;
    const SVA_Item *t = box->next;
    const int left = 300 - w / 2;
    EXPECT_EQ(frame->kind, SVA_FILLED_RECT);
    EXPECT_EQ(frame->x1, left - 15);
    EXPECT_EQ(frame->y1, 200 - 19);
    EXPECT_EQ(frame->x2, left + w + 15);
    EXPECT_EQ(frame->y2, 200 + 11);
    /* the red of a refusal on the pages, round a pale red face */
    EXPECT_EQ(frame->colour, RED_CI);
    EXPECT_EQ(box->x1, left - 10);
    EXPECT_EQ(box->y1, 200 - 14);
    EXPECT_EQ(box->x2, left + w + 10);
    EXPECT_EQ(box->y2, 200 + 6);
    EXPECT_EQ(box->colour, Nearest_RGB_Color(255, 232, 232));
    EXPECT_EQ(t->kind, SVA_TEXT);
    EXPECT_EQ(t->colour, RED_CI);
    EXPECT_STREQ(t->text, text);
    EXPECT_EQ(t->x1, left);
    EXPECT_EQ(t->y1, 200);
}

/* A refusal wider than its area goes on in lines 20 pixels apart, broken after its colon, each
** within the area's 590 pixels less the frame's margins, none of it left out */
TEST_F(ErrorBox, ARefusalWiderThanItsAreaGoesOnInLines)
{
    const int a = SVA_Create(10, 10, 600, 400, 0, 0);
    const std::string head = "Mindestabstand a4,tc unterschritten, Holz nicht hoch genug";
    const std::string numbers =
        "a4 im Mittelholz = (10.00 - 4 x 2.10) / 2 = 0.80 cm < erforderlich "
        "a4,c = 2.10 cm";
    ASSERT_GT(Text_Width_In_Font((head + ": " + numbers).c_str(), 0x11000), 530);
    Show_Error_Box_At(a, 300, 200, (head + ": " + numbers).c_str());
    std::vector<std::string> lines;
    for (const SVA_Item *it = SVA_Areas[a].first->next->next; it != nullptr; it = it->next) {
        EXPECT_EQ(it->y1, 200 + 20 * (int)lines.size());
        EXPECT_LE(Text_Width_In_Font(it->text, 0x11000), 530) << it->text;
        lines.push_back(it->text);
    }
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[0], head + ":");
    std::string rest;
    for (size_t k = 1; k < lines.size(); k++) rest += (k > 1 ? " " : "") + lines[k];
    EXPECT_EQ(rest, numbers);
    EXPECT_EQ(SVA_Areas[a].first->y2, 200 + 20 * ((int)lines.size() - 1) + 11);
}

TEST_F(ErrorBox, CodeOfTheDesignInTheUtilisationPage)
{
    const int a = SVA_Create(10, 10, 600, 400, 0, 0);
    Show_Error_Code(a, 0, 0, 100, 100, 0); /* no error: nothing */
    EXPECT_EQ(Count_Items(a), 0);
    Show_Error_Code(-1, -1, -1, -1, -1, 95); /* no page drawn yet: nothing */
    EXPECT_EQ(Count_Items(a), 0);
    Set_Utilisation_Page_Area(a, 100, 50, 500, 350);
    Show_Error_Code(-1, -1, -1, -1, -1, 95);
    ASSERT_EQ(Count_Items(a), 3);
    const SVA_Item *t = SVA_Areas[a].first->next->next;
    EXPECT_STREQ(t->text, Get_Error_Text(95));
    EXPECT_EQ(t->y1, 200); /* (50 + 350) / 2 */
    Show_Error_Box_At(a, 300, 100, nullptr);
    EXPECT_STREQ(SVA_Areas[a].last->text, "unbekannter Fehler");
}
