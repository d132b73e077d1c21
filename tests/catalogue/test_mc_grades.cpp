/*
** Member-check grade tables: groups by code range, names and values of telling rows, the
** selection-list filler and the material hook; and the list fillers of the steel and aluminium
** grade choosers.
*/
#include <gtest/gtest.h>

#include <string>

#include "catalogue/catalogue.h"
#include "platform/zelkwin.h"
#include "platform/zelkwin_test.h"
#include "tests/platform/gui_log.h"

TEST(McGrades, GroupsByCodeRange)
{
    EXPECT_EQ(Get_Holzgruppe(1000), 0);
    EXPECT_EQ(Get_Holzgruppe(1011), 0);
    EXPECT_STREQ(Get_Holzguete_Name(1011), "C50");
    EXPECT_EQ(Get_Holzgruppe(1012), -1);
    EXPECT_STREQ(Get_Holzguete_Name(1012), "C14");
    EXPECT_EQ(Get_Holzgruppe(2007), 1);
    EXPECT_STREQ(Get_Holzguete_Name(2007), "D24");
    EXPECT_EQ(Get_Holzgruppe(2008), -1);
    EXPECT_EQ(Get_Holzgruppe(3007), 2);
    EXPECT_EQ(Get_Holzgruppe(0), 3);
    EXPECT_EQ(Get_Holzgruppe(14), 3);
    EXPECT_EQ(Get_Holzgruppe(15), -1);
    EXPECT_EQ(Get_Holzgruppe(-1), -1);
    EXPECT_EQ(Get_Holzgruppe(4011), 4);
    EXPECT_EQ(Get_Holzgruppe(5007), 5);
    EXPECT_EQ(Get_Holzgruppe(6007), 6);
    EXPECT_EQ(Get_Holzgruppe(7013), 7);
    EXPECT_STREQ(Get_Holzguete_Name(7013), "GL32c");
    EXPECT_STREQ(Get_Holzguete_Name(7006), "GL32h");
    EXPECT_EQ(Get_Holzgruppe(7014), -1);
    EXPECT_EQ(Get_Holzgruppe(8006), 8);
    EXPECT_EQ(Get_Holzgruppe(8007), -1);
    EXPECT_EQ(Get_Holzgruppe(9005), 9);
    EXPECT_STREQ(Get_Holzguete_Name(9005), "Q 27-75 (s)");
    EXPECT_EQ(Get_Holzgruppe(9006), -1);
    EXPECT_STREQ(Get_Holzguete_Name(9006), "C14");
    EXPECT_EQ(Get_Holzguete_Record(9006)->code, 1000);

    EXPECT_EQ(Make_Holzguete_Code(0, 5), 1005);
    EXPECT_EQ(Make_Holzguete_Code(2, 0), 3000);
    EXPECT_EQ(Make_Holzguete_Code(3, 5), 5);
    EXPECT_EQ(Make_Holzguete_Code(9, 0), 9000);
    EXPECT_EQ(Make_Holzguete_Code(10, 0), -1);
    EXPECT_EQ(Make_Holzguete_Code(-1, 0), -1);
    /* every grade of every group answers its own code and group */
    for (int32_t g = 0; g < HOLZ_GROUPS; g++)
        for (int32_t i = 0; i < Get_Holzgruppe_Count(g); i++) {
            const int32_t code = Make_Holzguete_Code(g, i);
            EXPECT_EQ(Get_Holzgruppe(code), g) << code;
            EXPECT_EQ(Get_Holzguete_Record(code)->code, code);
        }
}

TEST(McGrades, NamesAndTellingRows)
{
    EXPECT_STREQ(Get_Holzgruppe_Name(0), "Nadelholz");
    EXPECT_STREQ(Get_Holzgruppe_Name(1), "Laubholz");
    EXPECT_STREQ(Get_Holzgruppe_Name(2), "Brettschichtholz");
    EXPECT_STREQ(Get_Holzgruppe_Name(3), "");
    EXPECT_STREQ(Get_Holzgruppe_Name(7), "Brettschichtholz");
    EXPECT_STREQ(Get_Holzgruppe_Name(8), "Furnier");
    EXPECT_STREQ(Get_Holzgruppe_Name(9), "Kerto");
    EXPECT_STREQ(Get_Holzgruppe_Name(10), "nicht definiertes Material");

    const Holzguete_Record *r = Get_Holzguete_Record(1005);
    EXPECT_STREQ(r->name, "C24 (S10)");
    const double c24[10] = {11000, 370, 690, 350, 24, 14, 0.4, 21, 2.5, 2};
    const double *v = &r->E_0_mean;
    for (int i = 0; i < 10; i++) EXPECT_DOUBLE_EQ(v[i], c24[i]) << i;
    r = Get_Holzguete_Record(4005);
    EXPECT_STREQ(r->name, "C24 (S10)");
    EXPECT_DOUBLE_EQ(r->f_t_0_k, 14.0);
    EXPECT_DOUBLE_EQ(r->f_v_k, 4.0);
    EXPECT_DOUBLE_EQ(Get_Holzguete_Record(4000)->f_t_0_k, 8.0); /* C14 */
    EXPECT_DOUBLE_EQ(Get_Holzguete_Record(4000)->f_v_k, 3.0);
    EXPECT_STREQ(Get_Holzguete_Name(1001), "C16 (S7)");
    EXPECT_STREQ(Get_Holzguete_Name(1007), "C30 (S13)");

    r = Get_Holzguete_Record(3000);
    EXPECT_STREQ(r->name, "GL24h (BS11)");
    const double gl24h[10] = {11600, 390, 720, 380, 24, 16.5, 0.5, 24, 2.7, 2.5};
    v = &r->E_0_mean;
    for (int i = 0; i < 10; i++) EXPECT_DOUBLE_EQ(v[i], gl24h[i]) << i;
    r = Get_Holzguete_Record(6000);
    EXPECT_DOUBLE_EQ(r->f_t_90_k, 0.4);
    EXPECT_DOUBLE_EQ(r->f_v_k, 2.7);
    EXPECT_DOUBLE_EQ(r->f_m_k, 24.0);

    r = Get_Holzguete_Record(8000);
    EXPECT_STREQ(r->name, "Tr\x84ger GL70");
    const double gl70[10] = {16700, 470, 850, 680, 70, 55, 0.6, 49.5, 8.5, 4};
    v = &r->E_0_mean;
    for (int i = 0; i < 10; i++) EXPECT_DOUBLE_EQ(v[i], gl70[i]) << i;
    r = Get_Holzguete_Record(9002);
    EXPECT_STREQ(r->name, "Q 21-24 (w)");
    const double q21[10] = {10000, 1200, 60, 480, 32, 19, 0.01, 19, 2.2, 1.3};
    v = &r->E_0_mean;
    for (int i = 0; i < 10; i++) EXPECT_DOUBLE_EQ(v[i], q21[i]) << i;

    r = Get_Holzguete_Record(14);
    EXPECT_STREQ(r->name, "Kerto");
    v = &r->E_0_mean;
    for (int i = 0; i < 10; i++) EXPECT_DOUBLE_EQ(v[i], 0.0) << i;
    EXPECT_STREQ(Get_Holzguete_Name(12), "LH B");
}

TEST(McGrades, CodeAtPosition)
{
    const int32_t codes[3] = {1005, 3002, 9};
    EXPECT_EQ(Get_Holzguete_Code_At(1, codes, 3), 3002);
    EXPECT_EQ(Get_Holzguete_Code_At(-1, codes, 3), 1001);
    EXPECT_EQ(Get_Holzguete_Code_At(3, codes, 3), 1001);
    EXPECT_EQ(Get_Holzguete_Code_At(0, nullptr, 3), 1001);
}

static int32_t Hook(int32_t a, int32_t b, int32_t c, int32_t d) { return a + b * c - d; }

TEST(McGrades, MaterialHook)
{
    EXPECT_EQ(Call_Material_Hook(1, 2, 3, 4), 0);
    Install_Material_Hook(Hook);
    EXPECT_EQ(Call_Material_Hook(1, 2, 3, 4), 3);
    Clear_Material_Hooks();
    EXPECT_EQ(Call_Material_Hook(1, 2, 3, 4), 0);
    EXPECT_EQ(Holzguete_Stub(), 0);
}

/* A sheet with one string list; answers the list's handle. */
static int List_Sheet(void)
{
    ZW_Test_Reset();
    Define_Prop_Sheet(0, 0, 600, 400, 1, 0, "Liste", 40, 1);
    static int selection;
    selection = 0;
    int list = Add_Stringlist_to_PS(10, 10, 300, 300, &selection, 7);
    Activate_Prop_Sheet();
    return list;
}

static void End_Sheet(void)
{
    while (Prop_Sheet_Level() > 0) Undefine_Prop_Sheet();
}

static std::string Log_Text(void)
{
    std::string s;
    for (const std::string &l : ZW_Test_Log_Lines()) s += l + "\n";
    return s;
}

TEST(McGrades, FillList)
{
    const int list = List_Sheet();
    const int32_t codes[4] = {1005, 3002, 1005, 8000};
    EXPECT_EQ(Fill_Holzguete_List(list, codes, 4, 1005), 2);  /* the last equal entry */
    EXPECT_EQ(Fill_Stringlist_of_PS(list, "x", BLACK_CI), 4); /* four entries were added */
    EXPECT_TRUE(Log_Has("GL28h (BS14)")) << Log_Text();
    EXPECT_TRUE(Log_Has("Träger GL70")) << Log_Text(); /* the log is UTF-8 */
    EXPECT_EQ(Fill_Holzguete_List(list, codes, 4, 7000), 0);
    EXPECT_EQ(Fill_Holzguete_List(list, nullptr, 4, 1005), 0);
    EXPECT_EQ(Fill_Holzguete_List(list, codes, 0, 1005), 0);
    EXPECT_EQ(Fill_Stringlist_of_PS(list, "x", BLACK_CI), 9); /* only the second call added */
    End_Sheet();
}

TEST(UserLists, SteelAndAluminium)
{
    const int list = List_Sheet();
    const uint32_t st[3] = {0, 1, 0};
    EXPECT_EQ(Fill_Stahlguete_Stringlist(list, st, 3, 0), 2);
    EXPECT_EQ(Fill_Stahlguete_Stringlist(list, st, 3, 1), 1);
    EXPECT_EQ(Fill_Stahlguete_Stringlist(list, st, 3, 5), 0);
    EXPECT_EQ(Fill_Stahlguete_Stringlist(list, nullptr, 3, 0), 0);
    EXPECT_EQ(Fill_Stahlguete_Stringlist(list, st, 0, 0), 0);
    EXPECT_EQ(Fill_Stringlist_of_PS(list, "x", BLACK_CI), 9);
    EXPECT_TRUE(Log_Has(Get_Stahlguete_Name(1))) << Log_Text();

    const int list2 = List_Sheet();
    const int32_t al[3] = {0, 97, 0};
    EXPECT_EQ(Fill_Alu_Stringlist(list2, al, 3, 97), 1);
    EXPECT_EQ(Fill_Alu_Stringlist(list2, al, 3, 0), 2);
    EXPECT_EQ(Fill_Alu_Stringlist(list2, al, 3, 5), 0);
    EXPECT_EQ(Fill_Alu_Stringlist(list2, al, -1, 0), 0);
    EXPECT_EQ(Fill_Stringlist_of_PS(list2, "x", BLACK_CI), 9);
    EXPECT_TRUE(Log_Has("3004 H14")) << Log_Text();
    EXPECT_TRUE(Log_Has("?????")) << Log_Text();
    End_Sheet();
}
