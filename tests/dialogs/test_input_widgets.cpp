/*
** Tests of the input widgets: limits with their hints, display factors and their commit,
** integer shadows, option groups, choice fields, the import button's activity.
*/
#include "dialogs_fixture.h"
#include "exchange/exchange.h"
#include "tests/temp_folder.h"

#include <cstdlib>
#include <cstring>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

class Fields : public DialogsTest {
  protected:
    int area = -1;
    int editable = 1;
    void SetUp() override
    {
        DialogsTest::SetUp();
        area = SVA_Create(10, 40, 610, 440, 0, 0);
        Wdg_Select_Area(area);
    }
    void TearDown() override
    {
        Wdg_Release_Level(0);
        DialogsTest::TearDown();
    }
};

TEST_F(Fields, LimitedFloatFieldHintsAndClamps)
{
    double v = 10.004;
    Wdg_Limited_Float_Field(/*x=*/10, /*y=*/20, /*var=*/&v, /*factor=*/1.0, /*width=*/8,
                            /*decimals=*/2, /*lower=*/0.0, /*upper=*/10.0, /*name=*/"L\x84nge",
                            /*state=*/&editable);
    EXPECT_EQ(Log_Count("PRINT"), 0);
    EXPECT_DOUBLE_EQ(v, 10.0);
    v = 10.006;
    Wdg_Limited_Float_Field(/*x=*/10, /*y=*/20, /*var=*/&v, /*factor=*/1.0, /*width=*/8,
                            /*decimals=*/2, /*lower=*/0.0, /*upper=*/10.0, /*name=*/"L\x84nge",
                            /*state=*/&editable);
    EXPECT_EQ(Log_Count("PRINT HINWEIS: Länge darf den Wert 10.00 nicht überschreiten: statt "
                        "10.006 enthält das Feld jetzt 10.00."),
              1)
        << Log_All();
    EXPECT_DOUBLE_EQ(v, 10.0);
    v = -1;
    Wdg_Limited_Float_Field(/*x=*/10, /*y=*/20, /*var=*/&v, /*factor=*/1.0, /*width=*/8,
                            /*decimals=*/1, /*lower=*/0.5, /*upper=*/10.0, /*name=*/"Anteil in %",
                            /*state=*/&editable);
    EXPECT_EQ(Log_Count("PRINT HINWEIS: Anteil in % darf den Wert 0.5 nicht unterschreiten: "
                        "statt -1 enthält das Feld jetzt 0.5."),
              1)
        << Log_All();
    EXPECT_DOUBLE_EQ(v, 0.5);
    /* without an area the value is still held in its limits */
    Wdg_Select_Area(-1);
    v = 99;
    EXPECT_EQ(Wdg_Limited_Float_Field(/*x=*/10, /*y=*/20, /*var=*/&v, /*factor=*/1.0, /*width=*/8,
                                      /*decimals=*/2, /*lower=*/0.0, /*upper=*/10.0,
                                      /*name=*/nullptr, /*state=*/&editable),
              0);
    EXPECT_DOUBLE_EQ(v, 10.0);
}

/* A number field shows the decimals its value holds beyond its own, so that what it shows, typed,
** is the value: 1.2 x 21 = 25.2 mm plus 2 x (40 + 2.52 + 8) cm reads 101.04 in a field of one
** decimal, not 101.0; 47.4 / 7 = 6.7714286 six decimals (5e-7 off); 101.0 and a whole 5 their
** own; 14.4427022472 (a2 spread over a height) six in two characters more than the field's 8:
** 14.442702. A value whose decimals its room of 10 characters cuts is rounded there, a least one
** up: 1234.5678904 reads 1234.56789, as a least value 1234.56790. */
TEST_F(Fields, FloatFieldShowsTheDecimalsItsValueHolds)
{
    const struct {
        double v;
        int decimals, least;
        const char *shown;
    } rows[] = {{2.0 * (4 * 10.0 + 1.2 * 2.1 + 8.0), 1, 0, "  101.04"},
                {47.4 / 7.0, 1, 0, "6.771429"},
                {101.0, 1, 0, "   101.0"},
                {5.0, 0, 0, "       5"},
                {14.4427022472, 1, 0, "14.442702"},
                {1234.5678904, 1, 0, "1234.56789"},
                {1234.5678904, 1, 1, "1234.56790"}};
    for (const auto &row : rows) {
        double v = row.v;
        SVA_Clear(area);
        Wdg_Float_Field(10, 20, &v, 8, row.decimals, &editable);
        if (row.least) Wdg_Set_Last_Field_Least();
        char text[64];
        SVA_Float_Text(SVA_Get(area)->last, text, sizeof text);
        EXPECT_STREQ(text, row.shown) << row.v;
    }
}

TEST_F(Fields, ScaledFieldIsMultipliedOnceAndRestoredByTheCommit)
{
    double v = 2.5;
    EXPECT_EQ(Wdg_Scaled_Float_Field(10, 20, &v, 100.0, 8, 1, &editable), 8 * 8 + 15);
    EXPECT_DOUBLE_EQ(v, 250.0);
    SVA_Clear(area);
    Wdg_Scaled_Float_Field(10, 20, &v, 100.0, 8, 1, &editable);
    EXPECT_DOUBLE_EQ(v, 250.0);
    v = 300.0; /* the user's edit in the displayed unit */
    EXPECT_EQ(Wdg_Commit_Fields(0), 0);
    EXPECT_DOUBLE_EQ(v, 3.0);
    EXPECT_EQ(Wdg_Factor_Count, 0);
    /* a factor of 1 registers nothing */
    Wdg_Scaled_Float_Field(10, 20, &v, 1.0, 8, 1, &editable);
    EXPECT_EQ(Wdg_Factor_Count, 0);
}

TEST_F(Fields, RegistrationTablesAreBounded)
{
    static double vals[120];
    for (int i = 0; i < 120; i++) {
        vals[i] = 1.0;
        Wdg_Scaled_Float_Field(10, 20, &vals[i], 2.0, 4, 1, &editable);
    }
    EXPECT_EQ(Wdg_Factor_Count, WDG_REG_ROWS);
    EXPECT_DOUBLE_EQ(vals[98], 2.0);
    EXPECT_DOUBLE_EQ(vals[99], 1.0); /* not registered: shown in its own unit */
    Wdg_Commit_Fields(0);
    for (int i = 0; i < 120; i++) EXPECT_DOUBLE_EQ(vals[i], 1.0) << i;
}

TEST_F(Fields, IntegerShadows)
{
    int n = 7, m = 3;
    EXPECT_EQ(Wdg_Get_Int_Field(&n), -99999999);
    Wdg_Int_Field(10, 20, &n, 4, &editable);
    EXPECT_EQ(Wdg_Get_Int_Field(&n), 7);
    SVA_Item *it = SVA_Areas[area].last;
    ASSERT_EQ(it->kind, SVA_FLOAT_FIELD);
    EXPECT_STREQ(it->text, "%4.0f");
    EXPECT_EQ(it->whole, 1); /* a fraction typed into it is refused, never rounded unseen */
    *it->value = 8.6;        /* set past the field */
    Wdg_Int_Field(10, 20, &n, 4, &editable);
    EXPECT_EQ(n, 9);
    Wdg_Set_Int_Field(&n, 12);
    EXPECT_EQ(n, 12);
    EXPECT_DOUBLE_EQ(*SVA_Areas[area].last->value, 12.0);
    Wdg_Set_Int_Field(&m, 5); /* not shown: nothing */
    EXPECT_EQ(m, 3);
    Wdg_Limited_Int_Field(10, 40, &m, 3, 4, 6, &editable);
    EXPECT_EQ(m, 4);
    Wdg_Commit_Fields(0);
    EXPECT_EQ(Wdg_Get_Int_Field(&n), -99999999);
}

TEST_F(Fields, CheckBoxWidthsAndStates)
{
    int flag = 1, ro = -1, off = 0;
    EXPECT_EQ(Wdg_Draw_Check_Box(10, 20, "", &flag, &editable), 13);
    int W = Text_Width_In_Font("Nachweis", 4096);
    /* the flag is set: bold label, style surcharge 2 */
    EXPECT_EQ(Wdg_Draw_Check_Box(10, 40, "Nachweis", &flag, &editable), W + 25);
    EXPECT_EQ(SVA_Areas[area].last->x2, 1);
    EXPECT_EQ(SVA_Areas[area].last->activity, &Wdg_State.editable_cell);
    flag = 0;
    EXPECT_EQ(Wdg_Draw_Check_Box(10, 60, "Nachweis", &flag, &off), W + 23);
    EXPECT_EQ(SVA_Areas[area].last->activity, &Wdg_State.readonly_cell);
    EXPECT_EQ(SVA_Areas[area].last->colour, Nearest_RGB_Color(198, 195, 198));
    int before = Item_Count(area);
    Wdg_Draw_Check_Box(10, 80, "Nachweis", &flag, &ro);
    EXPECT_EQ(Item_Count(area), before + 2); /* read-only: the label once more as text */
}

TEST_F(Fields, OptionButtonsOfAGroupExcludeEachOther)
{
    int var = 1, active = 1;
    Wdg_Option_Button(20, 30, "eins", 1, &var, &active);
    Wdg_Option_Button(20, 60, "zwei", 2, &var, &active);
    /* the second button's mark at content (40, 60): screen (50, 100) */
    ZW_Test_Set_Script("click 35 96\n");
    for (int i = 0; i < 5 && !M_LEFT; i++) Get_Mouse_Event();
    EXPECT_EQ(SVA_Handle_Input(area), 1);
    EXPECT_EQ(var, 2);
    SVA_Clear(area);
    Wdg_Option_Button(20, 30, "eins", 1, &var, &active);
    EXPECT_EQ(SVA_Areas[area].last->x2, 0); /* no longer shown as chosen */
    Wdg_Option_Button(20, 60, "zwei", 2, &var, &active);
    EXPECT_EQ(SVA_Areas[area].last->x2, 1);
}

TEST_F(Fields, ChoiceFields)
{
    char texts[3][12] = {"S235", "S355", "S460"};
    int index = 1;
    EXPECT_EQ(Wdg_Choice_Field(10, 20, &texts[0][0], nullptr, 1, 3, &index, &editable), 0);
    EXPECT_EQ(Wdg_Choice_Field(10, 20, &texts[0][0], nullptr, 12, 0, &index, &editable), 0);
    int m = std::max({Text_Width_In_Font("S235", 4096), Text_Width_In_Font("S355", 4096),
                      Text_Width_In_Font("S460", 4096)});
    EXPECT_EQ(Wdg_Choice_Field(10, 20, &texts[0][0], nullptr, 12, 3, &index, &editable),
              8 * (m / 8) + 33);
    SVA_Item *it = SVA_Areas[area].last;
    ASSERT_EQ(it->kind, SVA_CHOICE);
    const SVA_Choice_Entry *table = (const SVA_Choice_Entry *)it->aux3;
    EXPECT_STREQ(table[2].text, "S460");
    EXPECT_EQ(it->colour, m / 8);
    int32_t flags[4] = {0, 0x1000, 0x1000, 0};
    char grades[4][8] = {"C20", "C25", "C30", "C35"};
    Wdg_Grade_List list = {4, 8, &grades[0][0], nullptr, flags};
    index = 2;
    Wdg_Grade_Choice_Field(10, 50, &list, &index, &editable);
    EXPECT_EQ(index, 0);
    index = 3;
    Wdg_Grade_Choice_Field(10, 50, &list, &index, &editable);
    EXPECT_EQ(index, 3);
}

TEST_F(Fields, DensityFieldClampsItsEdits)
{
    double rho = 450;
    int active = 1;
    EXPECT_EQ(Wdg_Density_Field(10, 20, &rho, &active), 79);
    SVA_Item *it = SVA_Areas[area].last;
    ASSERT_NE(it->change, nullptr);
    it->change(0, &rho);
    EXPECT_DOUBLE_EQ(rho, 500.0);
    rho = 3000;
    it->change(0, &rho);
    EXPECT_DOUBLE_EQ(rho, 2200.0);
}

TEST_F(Fields, ImportButtonNeedsTheSelectionTool)
{
    const std::string exec = Make_Temp_Folder("exec");
    ASSERT_FALSE(exec.empty());
    const char *dir = exec.c_str();
    const char *old = getenv("EXEC");
    std::string saved = old ? old : "";
    unsetenv("EXEC");
    EXPECT_EQ(Morvelab_Available(), 0);
    setenv("EXEC", dir, 1);
    EXPECT_EQ(Morvelab_Available(), 0);
    std::string tool = std::string(dir) + "/Morvelab.exe";
    FILE *f = fopen(tool.c_str(), "w");
    fputs("#!/bin/sh\n", f);
    fclose(f);
    chmod(tool.c_str(), 0644);
    EXPECT_EQ(Morvelab_Available(), 0);
    int v = 0, active = 1;
    Wdg_Component_Import_Button(10, 40, nullptr, 5, &v, &active);
    EXPECT_EQ(SVA_Areas[area].last->kind, SVA_BITMAP_BUTTON);
    EXPECT_EQ(*SVA_Areas[area].last->activity, 0);
    chmod(tool.c_str(), 0755);
    EXPECT_EQ(Morvelab_Available(), 1);
    SVA_Clear(area);
    Wdg_Component_Import_Button(10, 40, nullptr, 5, &v, &active);
    EXPECT_EQ(*SVA_Areas[area].last->activity, 1);
    active = 0;
    SVA_Clear(area);
    Wdg_Component_Import_Button(10, 40, nullptr, 5, &v, &active);
    EXPECT_EQ(*SVA_Areas[area].last->activity, 0);
    unlink(tool.c_str());
    rmdir(dir);
    if (old) setenv("EXEC", saved.c_str(), 1);
    else unsetenv("EXEC");
}

TEST_F(Fields, TextFieldsPadAndCut)
{
    char buf[16] = "Brettschicht";
    int ro = -1;
    Wdg_Padded_Text_Field(10, 20, buf, 5, &ro);
    EXPECT_STREQ(buf, "Brett");
    char buf2[16] = "ab";
    EXPECT_EQ(Wdg_Text_Field_Visible(10, 40, buf2, 4, 6, &editable), 8 * 6 + 19);
    EXPECT_STREQ(buf2, "ab    ");
    EXPECT_EQ(SVA_Areas[area].last->y2, 6);
}

TEST_F(Fields, ConcreteAndSteelGradeChoices)
{
    char grades[3][8] = {"C20/25", "C25/30", "frei"};
    int32_t flags[3] = {0, 0x1000, 0};
    Wdg_Grade_List list = {3, 8, &grades[0][0], nullptr, flags};
    int index = 1;
    EXPECT_EQ(Wdg_Concrete_Grade_Choice(0, 20, 30, 0, &list, &index), 0);
    EXPECT_EQ(index, 0);
    SVA_Item *label = SVA_Areas[area].first;
    ASSERT_EQ(label->kind, SVA_TEXT);
    EXPECT_STREQ(label->text, "Betong\x81te");
    EXPECT_EQ(label->x2, 2); /* style 0x20000 */
    SVA_Item *choice = SVA_Areas[area].last;
    ASSERT_EQ(choice->kind, SVA_CHOICE);
    EXPECT_EQ(choice->x1, 20 + 75 + 7);
    EXPECT_EQ(choice->activity, &Wdg_State.editable_cell);
    Wdg_Block_Activity.steel_choice = 0;
    Wdg_Steel_Grade_Choice(0, 20, 60, 0, &list, &index);
    EXPECT_EQ(SVA_Areas[area].last->activity, &Wdg_State.readonly_cell);
    Wdg_Block_Activity.steel_choice = 1;
    EXPECT_EQ(Wdg_Get_Fg_Colour(), BLACK_CI);
}

TEST_F(Fields, LabelledAndSymbolFieldsPlaceLabelFieldAndUnit)
{
    double v = 1.5;
    int W = Text_Width_In_Font("Breite", 4096), U = Text_Width_In_Font("cm", 4096);
    /* label W + 3 (layer rule) + 3, field 8 * 6 + 15, unit 3 after the field: U + 3 */
    int w = Wdg_Labelled_Float_Field(10, 20, "Breite", &v, 6, 1, "cm", &editable);
    EXPECT_EQ(w, (W + 6) + 63 + 3 + (U + 3));
    SVA_Item *field = SVA_Areas[area].first->next;
    ASSERT_EQ(field->kind, SVA_FLOAT_FIELD);
    EXPECT_EQ(field->x1, 10 + W + 6 + 7);
    EXPECT_STREQ(SVA_Areas[area].last->text, "cm");
    int off = 0;
    SVA_Clear(area);
    Wdg_Labelled_Float_Field(10, 20, "Breite", &v, 6, 1, "cm", &off);
    EXPECT_EQ(SVA_Areas[area].first->colour, Nearest_RGB_Color(198, 195, 198));
    /* a symbol field scales its value */
    double f = 2.0;
    SVA_Clear(area);
    Wdg_Symbol_Float_Field(/*x=*/10, /*y=*/50, /*symbol=*/"f", /*index=*/"ck", /*var=*/&f,
                           /*factor=*/0.001, /*width=*/8, /*decimals=*/2, /*unit=*/"MN/m\xFD",
                           /*state=*/&editable);
    EXPECT_DOUBLE_EQ(f, 0.002);
    Wdg_Commit_Fields(0);
    EXPECT_DOUBLE_EQ(f, 2.0);
}
