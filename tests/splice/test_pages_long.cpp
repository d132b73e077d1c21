/*
** The pages with the largest table (10 groups of 1000 combinations): "Schnittgrößen" lays out
** and draws the rows in view only, shows far rows when scrolled there and edits the combination
** of the row clicked; the pages compute once per change of the input, and a visit of
** "Ausnutzungen" without a change runs nothing.
*/
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "catalogue/catalogue.h"
#include "dialogs/dialogs.h"
#include "nad/nad.h"
#include "platform/zelkwin.h"
#include "platform/zelkwin_test.h"
#include "results/results.h"
#include "splice/pages_internal.h"
#include "splice/splice_app.h"

namespace {

/* Lines of the log that end in a text. */
int Log_Ending(const std::string &end)
{
    int n = 0;
    for (const auto &l : ZW_Test_Log_Lines())
        if (l.size() >= end.size() && l.compare(l.size() - end.size(), end.size(), end) == 0) n++;
    return n;
}

/* The main sheet's view area as the program lays it out, with a splice of 6 x 6 dowels on inner
** plates and 10 groups of 1000 combinations (M_d of group g, entry e: 1000 g + e kNm). */
class LongPages : public ::testing::Test {
  protected:
    int area = -1;
    void SetUp() override
    {
        ZW_Test_Reset();
        Reset_NAD_Record(&Nad_Record);
        Nad_Params = &Nad_Record.ec5;
        Nad_EC3_Params_Ptr = &Nad_Record.ec3;
        Init_Dowel_Bolt_Diameters();
        Splice_Calc_Forget();
        Set_Splice_Input_Defaults(&Splice_Input);
        Splice_Input_Record *si = &Splice_Input;
        si->connection_kind = CONN_INNER_PLATES;
        si->b = 20.0;
        si->h = 60.0;
        si->h_p = 56.0;
        si->plate_count = 2.0;
        si->t_p = 1.0;
        si->vbm_type = 29;
        si->vbm_row = 3;
        si->d = 12.0;
        si->n_col[VBM_TYPE_SLOT(29)] = 6;
        si->n_row[VBM_TYPE_SLOT(29)] = 6;
        for (int g = 0; g < LKOM_GROUPS; g++) {
            Lkom_Group *grp = &si->lkom.groups[g];
            grp->used = 1;
            grp->kmod_source = 0;
            grp->kmod = 0.8;
            for (int e = 0; e < LKOM_ENTRIES; e++) {
                grp->entries[e].used = 1;
                grp->entries[e].M_d = 1000.0 * g + e;
                grp->entries[e].N_d = 10.0;
                grp->entries[e].V_d = 5.0;
            }
        }
        Define_Prop_Sheet(0, 0, NPIXEL_X - 1, NPIXEL_Y - 1, 0, 0, "Test", 0, 1);
        area = SVA_Create(10, 80, NPIXEL_X - 11, NPIXEL_Y - 11, 0, 1);
        Activate_Prop_Sheet();
    }
    void TearDown() override
    {
        SVA_Delete_All();
        Undefine_Prop_Sheet();
        Splice_Calc_Forget();
    }
    void Draw(int page)
    {
        SVA_Clear(area);
        Page_Choice_Reset();
        Wdg_Select_Area(area);
        Wdg_Set_Font(4096);
        switch (page) {
        case PAGE_SYSTEM: Page_System(area); break;
        case PAGE_ANORDNUNG: Page_Anordnung(area); break;
        case PAGE_SCHNITTGROESSEN: Page_Schnittgroessen(area); break;
        default: Page_Ausnutzungen(area, 0, 0, 500, 400); break;
        }
        SVA_Set_Active(area, 1);
        SVA_Update(area);
    }
    int Items(void)
    {
        int n = 0;
        for (SVA_Item *it = SVA_Get(area)->first; it; it = it->next) n++;
        return n;
    }
};

} // namespace

TEST_F(LongPages, TheCombinationTableShowsTheRowsInViewAndEditsAFarRow)
{
    Draw(PAGE_SCHNITTGROESSEN);
    /* group 1, row 1 shows; row 500 and group 10 do not, and the page holds a few rows only */
    EXPECT_EQ(Log_Ending(" 0.00"), 1) << "M_d of group 1, combination 1";
    EXPECT_EQ(Log_Ending(" 499.00"), 0);
    EXPECT_EQ(Log_Ending(" 9000.00"), 0);
    EXPECT_LT(Items(), 600);
    int w = 0, h = 0;
    SVA_Get_Content_Size(area, &w, &h);
    EXPECT_GT(h, 10 * 1000 * PAGE_ROW);

    /* scroll to combination 500 of group 3: the page's check box and heading (rows 0, 1), each
    ** group before it with its group row, column row, 1000 rows and add row, then its own group
    ** and column rows */
    const int row = 2 + 2 * (1 + 1 + 1000 + 1) + 2 + 499;
    const int top = Page_Row_Y(row) - 20;
    ZW_Test_Clear_Log();
    Set_Scrollable_Area_PS(SVA_Get(area)->handle, 0, top);
    EXPECT_EQ(Log_Ending(" 2499.00"), 1); /* group 3, combination 500 */
    EXPECT_EQ(Log_Ending(" 500"), 1);     /* its number column */
    EXPECT_LT(Items(), 600);

    /* click into its M_d field (screen: area top 80 + row's base line - scroll), type, Enter,
    ** Esc on the next field */
    const int y = 80 + Page_Row_Y(row) - top - 4;
    ZW_Test_Set_Script("click 130 " + std::to_string(y) + "\nmove 130 " + std::to_string(y)
                       + "\ntype 42\nkey Enter\nkey Esc\n");
    for (int i = 0; i < 10 && !M_LEFT; i++) Get_Mouse_Event();
    ASSERT_EQ(M_LEFT, 1);
    EXPECT_EQ(SVA_Handle_Input(area), 1);
    EXPECT_DOUBLE_EQ(Splice_Input.lkom.groups[2].entries[499].M_d, 42.0);
    EXPECT_DOUBLE_EQ(Splice_Input.lkom.groups[2].entries[498].M_d, 2498.0);
    EXPECT_DOUBLE_EQ(Splice_Input.lkom.groups[2].entries[500].M_d, 2500.0);
}

TEST_F(LongPages, ThePagesComputeOncePerChange)
{
    Draw(PAGE_AUSNUTZUNGEN);
    const std::vector<std::string> first = ZW_Test_Log_Lines();
    uint32_t serial = Splice_Calc_Serial;
    ZW_Test_Clear_Log();
    Draw(PAGE_AUSNUTZUNGEN);
    EXPECT_EQ(Splice_Calc_Serial, serial) << "a visit without a change runs nothing";
    /* the same texts at the same places */
    std::vector<std::string> texts_1, texts_2;
    for (const std::string &l : first)
        if (l.rfind("TEXT", 0) == 0) texts_1.push_back(l);
    for (const std::string &l : ZW_Test_Log_Lines())
        if (l.rfind("TEXT", 0) == 0) texts_2.push_back(l);
    EXPECT_EQ(texts_1, texts_2);

    /* the first page and the layout page prepare once, then not again */
    Draw(PAGE_ANORDNUNG);
    serial = Splice_Calc_Serial;
    Draw(PAGE_ANORDNUNG);
    Draw(PAGE_SYSTEM);
    EXPECT_EQ(Splice_Calc_Serial, serial);
    /* the combination table draws without computing; back on the utilisation page nothing runs */
    Draw(PAGE_SCHNITTGROESSEN);
    Draw(PAGE_AUSNUTZUNGEN);
    EXPECT_EQ(Splice_Calc_Serial, serial);

    /* a change: the next visit computes */
    Splice_Input.lkom.groups[9].entries[999].M_d = 120.0;
    Draw(PAGE_AUSNUTZUNGEN);
    EXPECT_EQ(Splice_Calc_Serial, serial + 2);
}

/* The number fields of a row are named by the number the row shows, for the hints about a wrong
** entry: "Kombination 1, M_d"; a row that the design leaves out (its forces all zero) shows no
** number and is named by its group and its place in it: row 5 of group 4, "Gruppe 4, Kombination
** 5, N_d". */
TEST_F(LongPages, TheFieldsOfARowAreNamedByTheNumberItShows)
{
    Lkom_Entry *out = &Splice_Input.lkom.groups[3].entries[4];
    out->M_d = out->N_d = out->V_d = 0.0;
    Draw(PAGE_SCHNITTGROESSEN);
    auto name_of = [&](const double *var) -> std::string {
        for (SVA_Item *it = SVA_Get(area)->first; it; it = it->next)
            if (it->kind == SVA_FLOAT_FIELD && it->value == var) return it->name ? it->name : "";
        return "(none)";
    };
    EXPECT_EQ(name_of(&Splice_Input.lkom.groups[0].entries[0].M_d), "Kombination 1, M_d");
    EXPECT_EQ(name_of(&Splice_Input.lkom.groups[0].entries[1].V_d), "Kombination 2, V_d");
    /* group 4's rows: the three groups before it with their group, column, 1000 and add rows */
    const int row = 2 + 3 * (1 + 1 + 1000 + 1) + 2 + 4;
    Set_Scrollable_Area_PS(SVA_Get(area)->handle, 0, Page_Row_Y(row) - 40);
    EXPECT_EQ(name_of(&out->N_d), "Gruppe 4, Kombination 5, N_d");
    /* the row after it: group 4's 1000 rows follow 3 x 1000, less the one left out */
    EXPECT_EQ(name_of(&Splice_Input.lkom.groups[3].entries[5].M_d), "Kombination 3005, M_d");
}
