/*
** Legacy annex list of old input files, the rule-use tests over the design checks, the pages of
** the used rules, and the flag icons.
*/
#include <gtest/gtest.h>

#include <cstring>

#include "nad/nad.h"
#include "checks/checks.h"
#include "platform/zelkwin.h"
#include "foundation/codepage.h"
#include "nad_test_util.h"

using namespace nadtest;

/* An old annex (EN 1992, EN 1993 and EN 1995 blocks and load factors) as the older files hold it. */
static std::string Old_Annex(double gamma_conn, double psi0_wind)
{
    NAD_EC2_Params e2;
    Init_NAD_EC2_Defaults(&e2);
    NAD_EC5_Params e5;
    Init_NAD_EC5_Defaults(&e5);
    e5.gamma_m_connections = gamma_conn;
    std::string s = Written([&](FILE *f) { Write_NAD_EC2_Section(f, &e2); });
    s +=
        " EC3 Parameter\n 0\n EC3-1 Parameter\n 5 1.0 1.0 1.25 1.0 1.0 1.25 0 1.0\n 0.4 0.75 0 1.0 1 1.0\n"
        " 350 300 250 200 150 300 250 200 150 100\n EC3-8 Parameter\n 5 1.25 1.0 1.0 1.0 1.1 1.1\n 3 1.2\n"
        " 1.0 1.15 1.15 1.35\n 1.0 1.1\n";
    s += " EC5 Parameter\n" + Written([&](FILE *f) { Write_NAD_EC5_Section(f, &e5); });
    NAD_EC0_Params e0;
    Init_NAD_EC0_Defaults(&e0);
    s += "\n Lastfaktoren 1\n";
    for (int t = 0; t < 28; t++) {
        char l[40];
        snprintf(l, sizeof l, " %.2f %.2f\n", e0.gamma_bld[t / 7][t % 7][0],
                 e0.gamma_bld[t / 7][t % 7][1]);
        s += l;
    }
    for (int r = 0; r < 12; r++) {
        char l[40];
        snprintf(l, sizeof l, " %.2f %.2f %.2f\n", r == 8 ? psi0_wind : e0.psi_bld[r][0],
                 e0.psi_bld[r][1], e0.psi_bld[r][2]);
        s += l;
    }
    return s;
}

TEST(NadLegacy, OldInputFileTakesAnEqualListEntry)
{
    Host host;
    Clear_Legacy_NAD_List();
    EXPECT_STREQ(Get_Legacy_NAD_Name(), "*** unbekannt ***");
    Write_File(host.dram + "/NADs-EC2.DEF", "#NAD\n 7 \xAE"
                                            "Altes Land mit sehr langem Namen\xAF\n"
                                                + Old_Annex(1.25, 0.6));
    Build_Legacy_NAD_List();
    EXPECT_EQ(Get_Legacy_NAD_Count(), 2);
    /* an input file with the same annex: the list entry becomes current, nothing is added */
    FILE *f = Text_Stream("SPLICE\nACTIV_NAD_EC2\n 7 \xAE"
                          "Kopie\xAF\n"
                          + Old_Annex(1.25, 0.6));
    EXPECT_EQ(Read_Legacy_Active_NAD(f), 1);
    fclose(f);
    EXPECT_EQ(Get_Legacy_NAD_Count(), 2);
    EXPECT_STREQ(Get_Legacy_NAD_Name(), "Altes Land mit sehr lange"); /* 25 characters kept */
    EXPECT_EQ(Get_Legacy_NAD_Current()->flag, 7);
    EXPECT_DOUBLE_EQ(Get_Legacy_NAD_Current()->ec5.gamma_m_connections, 1.25);
    /* another psi0 of wind: a new entry */
    f = Text_Stream("SPLICE\nACTIV_NAD_EC2\n 8 \xAE"
                    "Anders\xAF\n"
                    + Old_Annex(1.25, 0.7));
    EXPECT_EQ(Read_Legacy_Active_NAD_Twin(f), 1);
    fclose(f);
    EXPECT_EQ(Get_Legacy_NAD_Count(), 3);
    EXPECT_STREQ(Get_Legacy_NAD_Name(), "Anders");
    EXPECT_DOUBLE_EQ(Get_Legacy_NAD_Current()->load_factors[56 + 3 * 8], 0.7);
    /* no keyword */
    f = Text_Stream("SPLICE\n");
    EXPECT_EQ(Read_Legacy_Active_NAD(f), 0);
    fclose(f);
    Clear_Legacy_NAD_List();
}

TEST(NadLegacy, RuleUseCountsActivatedChecksOfTheGroupsTypes)
{
    Host host;
    host.Install_Repository_Data();
    EXPECT_EQ(NAD_EC5_Rules_Used(), 0);
    EXPECT_EQ(Written([](FILE *f) { Print_NAD_Pages_Of_Used_Rules(f); }), "");
    EXPECT_EQ(Written([](FILE *f) { Print_NAD_EC0_Page_If_Used(f); }), "");

    static Nchw_Type_Rec timber, masonry_like, concrete;
    memset(&timber, 0, sizeof timber);
    memset(&masonry_like, 0, sizeof masonry_like);
    memset(&concrete, 0, sizeof concrete);
    timber.ints0_3[0] = 224;
    masonry_like.ints0_3[0] = 230;
    concrete.ints0_3[0] = 41;
    Nchw_Rec *a = New_Nachweis();
    a->type = &timber;
    a->flags = 1;
    Nchw_Rec *b = New_Nachweis();
    b->type = &timber;
    b->flags = 0; /* switched off */
    Nchw_Rec *c = New_Nachweis();
    c->type = &masonry_like;
    c->flags = 1;
    EXPECT_EQ(NAD_EC5_Rules_Used(), 1);
    EXPECT_EQ(NAD_EC2_Rules_Used(), 0);
    EXPECT_EQ(NAD_EC6_Rules_Used(), 0);
    b->flags = 1;
    EXPECT_EQ(NAD_EC5_Rules_Used(), 2);
    const std::string used = Written([](FILE *f) { Print_NAD_Pages_Of_Used_Rules(f); });
    EXPECT_NE(used.find(" DIN EN 1995-1-1 und DIN EN 1995-1-2 (EC5)\n"), std::string::npos);
    EXPECT_EQ(used.find("(EC2)"), std::string::npos);
    Nchw_Rec *d = New_Nachweis();
    d->type = &concrete;
    d->flags = 1;
    EXPECT_EQ(NAD_EC2_Rules_Used(), 1);
    const std::string ec0 = Written([](FILE *f) { Print_NAD_EC0_Page_If_Used(f); });
    EXPECT_NE(ec0.find(" DIN EN 1990 (EC0)\n"), std::string::npos);
    /* psi of wind in the German annex: 0.60 0.20 0.00 0.00 */
    EXPECT_NE(ec0.find(" Wind                            0.60   0.20   0.00   0.00\n"),
              std::string::npos);
    Free_All_Nachweise();
    EXPECT_EQ(NAD_EC5_Rules_Used(), 0);
}

TEST(NadPages, MasonryAndSteelPages)
{
    Host host;
    host.Install_Repository_Data();
    Set_Active_NAD("Deutschland");
    const std::string ec6 = Written([](FILE *f) { Print_NAD_EC6_Page(f); });
    EXPECT_NE(ec6.find(" st\x84ndig und vor\x81"
                       "bergehend          1.50\n"),
              std::string::npos)
        << ec6;
    EXPECT_NE(ec6.find(" au\xE1"
                       "ergew\x94hnlich                    1.30\n"),
              std::string::npos);
    EXPECT_NE(ec6.find(" Gebrauchstauglichkeit              1.00\n#END_OF_TEXT\n"),
              std::string::npos);
    const std::string ec3 = Written([](FILE *f) { Print_NAD_EC3_Pages(f); });
    EXPECT_NE(ec3.find(" \xC0\xCE\\M1\xCEr                    1.10      1.00\n"), std::string::npos)
        << ec3;
    EXPECT_NE(ec3.find(" \xC0\xCE\\M2\xCEr                    1.25      1.15\n"),
              std::string::npos);
    EXPECT_NE(
        ec3.find(
            " \xC0\xCE\\M5\xCEr                1.00   Knoten in Fachwerken aus Hohlprofilen\n"),
        std::string::npos);
    const std::string ec0 = Written([](FILE *f) { Print_NAD_EC0_Page(f); });
    /* road traffic on bridges: 1.50 / 0 (type 7), settlement linear 1.20 / 0 (type 5) */
    EXPECT_NE(ec0.find(" Stra\xE1"
                       "enverkehr                         1.50      0.00\n"),
              std::string::npos)
        << ec0;
    EXPECT_NE(ec0.find(" Setzung linear                         1.20      0.00\n"),
              std::string::npos);
    /* type 13 is printed as "Temperatur", types 12, 14 and 15 are not */
    EXPECT_NE(ec0.find(" Temperatur                             1.50      0.00\n#END_OF_TEXT\n"),
              std::string::npos);
    const std::string ec2 = Written([](FILE *f) { Print_NAD_EC2_Pages(f); });
    EXPECT_NE(ec2.find(" au\xE1"
                       "ergew\x94hnlich          1.30      1.00\n"),
              std::string::npos)
        << ec2;
    const std::string ec9 = Written([](FILE *f) { Print_NAD_EC9_Page(f); });
    EXPECT_NE(ec9.find("Klebeverbindungen                3.00\n"), std::string::npos) << ec9;
    EXPECT_EQ(Written([](FILE *f) { Print_NAD_EC9_Page(nullptr); }), "");
}

TEST(NadFlags, FlagIconsComeFromTheStrip)
{
    Host host;
    host.Install_Repository_Data();
    ZW_Test_Reset();
    Draw_NAD_Flag_Icon(100, 100, 123, 117, 18);
    /* the German flag: black, red and gold stripes of six rows */
    EXPECT_EQ(ZW_Test_Pixel(110, 102), 0x000000u);
    EXPECT_EQ(ZW_Test_Pixel(110, 108), 0xDD0000u);
    EXPECT_EQ(ZW_Test_Pixel(110, 114), 0xFFCE00u);
    /* without DATA nothing is drawn */
    unsetenv("DATA");
    const uint32_t before = ZW_Test_Pixel(210, 108);
    Draw_NAD_Flag_Icon(200, 100, 223, 117, 18);
    EXPECT_EQ(ZW_Test_Pixel(210, 108), before);
}
