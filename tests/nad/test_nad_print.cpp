/*
** The application registry and the EN 1995 print tables: section switches, the golden print of
** the built-in default record, and the blocks for registered applications and annex variants.
*/
#include <gtest/gtest.h>

#include <sys/stat.h>

#include "nad/nad.h"
#include "dialogs/dialogs.h"
#include "foundation/foundation.h"
#include "nad_test_util.h"

using namespace nadtest;

/* An application folder below EXEC with one APP file. */
static void App_File(const Host &host, const std::string &dir, const std::string &file,
                     const std::string &text)
{
    mkdir((host.exec + "/" + dir).c_str(), 0755);
    Write_File(host.exec + "/" + dir + "/" + file, text);
}

static std::string Print(void)
{
    return Written([](FILE *f) { Print_NAD_EC5_Tables(f); });
}

/* ---------------------------------------------------------------- registry */

TEST(NadRegistry, NotRegisteredMeansEveryRule)
{
    Host host(true, true, true);
    App_File(host, "other", "APP0300.DEF", "#NADS -1\n 1 1 1 1 1 000 1 1 1 1\n");
    setenv("SPLICE_APPLICATION_NUMBER", "301", 1);
    Load_Application_NAD_Registry();
    EXPECT_EQ(App_NAD_Registry.count, 1);
    EXPECT_EQ(Find_Application_NAD_Entry(), 0);
    EXPECT_EQ(App_NAD_Registry.group_bits, 623);
    EXPECT_EQ(App_NAD_Registry.show_all, 1);
    EXPECT_EQ(NAD_Rules_Filtered(), 1);
    EXPECT_EQ(NAD_Rule_Relevant(5, 2), 1);
}

TEST(NadRegistry, MasksNamesAndServices)
{
    Host host(true, true, true);
    App_File(host, "holz", "APP0242.DEF",
             "#NAME\n \xAEholzbau\xAF\n#NADS -1\n 1 x 1 1 1 110 1 1 1 0101\n#SERVICE\n \xAE"
             "Dienst\xAF\n"
             "#GROUP rest of line\n \xAEGruppe\xAF\n");
    App_File(host, "holz2", "APP0242.DEF", "#NADS 1\n");
    App_File(host, "stahl", "APP0073.DEF", "#NADS 1\n");
    App_File(host, "leer", "APP0074.DEF", "#NADS 0\n");
    App_File(host, "bad", "APPX.DEF", "#NADS 1\n");
    setenv("SPLICE_APPLICATION_NUMBER", "242", 1);
    Load_Application_NAD_Registry();
    EXPECT_EQ(App_NAD_Registry.count, 3); /* "#NADS 0" and a name without number are skipped */
    EXPECT_EQ(Find_Application_NAD_Entry(), 242);
    const App_NAD_Row &row = App_NAD_Registry.rows[App_NAD_Registry.row_index];
    EXPECT_STREQ(row.app_name, "HOLZBAU");
    EXPECT_STREQ(row.service, "Gruppe");
    EXPECT_EQ(row.has_masks, 1);
    EXPECT_EQ(row.rule_masks[1], nullptr); /* "x": no mask */
    EXPECT_STREQ(row.rule_masks[0], "1");
    EXPECT_EQ(row.mask_groups & (1 << 1), 0);
    EXPECT_NE(row.mask_groups & (1 << 5), 0);
    /* the first file found for 242 wins ("holz" before "holz2") */
    EXPECT_EQ(NAD_Rules_Filtered(), 1);
    /* mask "110": rules 0 and 1 relevant, 2 not, 3 and beyond not */
    EXPECT_EQ(NAD_Rule_Relevant(5, 0), 1);
    EXPECT_EQ(NAD_Rule_Relevant(5, 1), 1);
    EXPECT_EQ(NAD_Rule_Relevant(5, 2), 0);
    EXPECT_EQ(NAD_Rule_Relevant(5, 3), 0);
    EXPECT_EQ(NAD_Rule_Relevant(9, 1), 1); /* mask "0101" */
    EXPECT_EQ(NAD_Rule_Relevant(9, 2), 0);
    EXPECT_EQ(NAD_Rule_Relevant(1, 7), 1); /* group without mask */
    EXPECT_EQ(NAD_Rule_Relevant(12, 0), 1);
    Set_NAD_EC5_Page_Flags();
    const int expect[9] = {1, 1, 0, 0, 0, 0, 0, 0, 0};
    for (int i = 0; i < 9; i++) EXPECT_EQ(EC5_Page_Flags[i], expect[i]) << i;
}

TEST(NadRegistry, RegisteredWithoutMasks)
{
    Host host(true, true, true);
    App_File(host, "stahl", "APP0073.DEF", "#NADS 1\n");
    setenv("SPLICE_APPLICATION_NUMBER", "73", 1);
    EXPECT_EQ(NAD_Rules_Filtered(), 1); /* not loaded yet: counts as not registered */
    Load_Application_NAD_Registry();
    EXPECT_EQ(App_NAD_Registry.rows[0].has_masks, 0);
    EXPECT_STREQ(App_NAD_Registry.rows[0].app_name, "STAHL");
    EXPECT_STREQ(App_NAD_Registry.rows[0].service, "Bauteil");
    EXPECT_EQ(NAD_Rules_Filtered(), 0);
    Set_NAD_EC5_Page_Flags();
    const int expect[9] = {0, 0, 0, 0, 0, 0, 0, 1, 0};
    for (int i = 0; i < 9; i++) EXPECT_EQ(EC5_Page_Flags[i], expect[i]) << i;
}

TEST(NadRegistry, AtMost300Rows)
{
    Host host(true, true, true);
    Msg_Set_Mode(MSG_CONSOLE);
    mkdir((host.exec + "/many").c_str(), 0755);
    for (int n = 1; n <= 302; n++) {
        char name[32];
        snprintf(name, sizeof name, "APP%04d.DEF", n);
        Write_File(host.exec + "/many/" + name, "#NADS 1\n");
    }
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    Load_Application_NAD_Registry();
    const std::string said =
        testing::internal::GetCapturedStdout() + testing::internal::GetCapturedStderr();
    EXPECT_EQ(App_NAD_Registry.count, 300);
    EXPECT_EQ(App_NAD_Registry.rows[299].app_number, 300);
    EXPECT_NE(said.find("300"), std::string::npos);
}

/* ---------------------------------------------------------------- print tables */

TEST(NadPrint, DefaultRecordMatchesGolden)
{
    Host host(false, false, false);
    const std::string golden =
        Read_File(std::string(SPLICE_GOLDEN_DIR) + "/nad/ec5_tables_default.oli");
    ASSERT_FALSE(golden.empty());
    EXPECT_EQ(Print(), golden);
}

TEST(NadPrint, RegisteredApplication242LeavesOutTheRules)
{
    Host host(false, false, true);
    App_File(host, "holz", "APP0242.DEF", "#NADS 1\n");
    setenv("SPLICE_APPLICATION_NUMBER", "242", 1);
    const std::string text = Print();
    EXPECT_NE(text.find(" Materialsicherheitsbeiwerte\n"), std::string::npos);
    EXPECT_NE(text.find("k\xCE\\shape\xCEr"), std::string::npos);
    EXPECT_EQ(text.find(" Kapitel "), std::string::npos);
    App_NAD_Registry.show_all = 1; /* "alle Regeln darstellen" */
    EXPECT_NE(Print().find(" Kapitel "), std::string::npos);
}

TEST(NadPrint, SwitchesOffAndTorsionAlone)
{
    Host host(false, false, true);
    /* a mask of nine '0' for group 5: nothing but the layout calls */
    App_File(host, "a", "APP0010.DEF", "#NADS -1\n 1 1 1 1 1 000000000 1 1 1 1\n");
    setenv("SPLICE_APPLICATION_NUMBER", "10", 1);
    EXPECT_EQ(Print(), "#OLI_SETFLAGS 0x380\n#OLI_MARGINS 1 0 0\n#OLI_RESERVE 6\n");
    Clear_Application_NAD_Registry();
    App_File(host, "a", "APP0010.DEF", "#NADS -1\n 1 1 1 1 1 000000001 1 1 1 1\n");
    EXPECT_EQ(Print(),
              "#OLI_SETFLAGS 0x380\n#OLI_MARGINS 1 0 0\n#OLI_RESERVE 6\n"
              "#SHOWTABLE\n0 3 0\n Abminderungsfaktor zum Nachweis der Torsionsspannungen:\n"
              " k\xCE\\shape\xCEr = 1 + 0.15 h/b, jedoch maximal 2.00\n"
              " (in diesem Programm ohne Wirkung)\n0 0 0 0 0\n");
}

/* Each section switch alone (a mask with one '1' for group 5) prints its own block and no other:
** 0 the lateral-torsional buckling factor, 1 the material partial factors, 2 kmod, 3 kdef, 4 the
** deflection limits, 5 the crack factor, 6 the net final deflection, 7 the national rules (of
** a variant-0 annex, followed by the short crack-factor block), 8 the torsion shape factor. The
** heading stands above every block but the torsion block. */
TEST(NadPrint, EachSwitchPrintsItsOwnBlock)
{
    const char *titles[9] = {" Ermittlung der bezogenen Kippschlankheit",
                             " Materialsicherheitsbeiwerte\n",
                             " Modifikationsbeiwerte\n",
                             " Verformungsbeiwerte\n",
                             " Verformungsgrenzwerte\n",
                             " Rissfaktor\n",
                             " Ermittlung der Netto-Enddurchbiegung",
                             " Kapitel ",
                             " Abminderungsfaktor zum Nachweis der Torsionsspannungen:\n"};
    for (int i = 0; i < 9; i++) {
        Host host(false, false, true);
        std::string mask(9, '0');
        mask[(size_t)i] = '1';
        App_File(host, "a", "APP0010.DEF", "#NADS -1\n 1 1 1 1 1 " + mask + " 1 1 1 1\n");
        setenv("SPLICE_APPLICATION_NUMBER", "10", 1);
        const std::string text = Print();
        for (int k = 0; k < 9; k++) {
            const bool shown = text.find(titles[k]) != std::string::npos;
            EXPECT_EQ(shown, k == i || (i == 7 && k == 5)) << "switch " << i << ", block " << k;
        }
        EXPECT_EQ(text.find(" Ausgew\x84hlte Nachweisparameter des nationalen Anhangs\n")
                      != std::string::npos,
                  i != 8)
            << i;
        Clear_Application_NAD_Registry();
    }
}

TEST(NadPrint, GermanAnnexPrintsTheRuleRows)
{
    Host host(true, false, false);
    host.Install_Repository_Data();
    Set_Active_NAD("Deutschland");
    const std::string text = Print();
    EXPECT_NE(text.find(" Deutschland\n"), std::string::npos);
    /* the switches that no rule of the program reads are marked; Table NA.15 (f_ax and f_head
    ** of special nails) and NA.8.1.6 (the tension of symmetric joints) are read */
    const std::string unused = "(in diesem Programm ohne Wirkung)\n";
    EXPECT_NE(
        text.find(" 3.1.3        Tabelle NA.4 anwenden         Modifikationsbeiwerte " + unused),
        std::string::npos);
    EXPECT_NE(text.find(" Tabelle NA.15 anwenden        f\xCE\\ax\xCEr, f\xCE\\head\xCEr f\x81r "
                        "profilierte N\x84gel\n"),
              std::string::npos);
    EXPECT_NE(text.find(" 9.2.4.2      Erh\x94hung der char. Tragf.     bei Schwellenpressung um "
                        "20%\n (NA.21)"
                        + std::string(36, ' ') + unused),
              std::string::npos);
    EXPECT_NE(text.find(" (NA.8.1.6)  \n"), std::string::npos);
    EXPECT_NE(
        text.find(
            "              \xC0\xCE\\M\xCEr = 1.30                     Stahl in Verbindungen\n"),
        std::string::npos);
    /* the annex rules of k_cr (rule 0) */
    EXPECT_NE(text.find(" k\xCE\\cr\xCEr = 2.0/fv,k   f\x81r Nadelholz\n"), std::string::npos);
    EXPECT_NE(text.find(" quasist\x84ndiger Kombination\n"), std::string::npos);
    EXPECT_NE(text.find(" k\xCE\\shape\xCEr = 1 + 0.05 h/b, jedoch maximal 1.30\n"),
              std::string::npos);
    /* the table ends with the crack-factor block only when its own switch is off */
    const std::string tail =
        " (NA.7)" + std::string(37, ' ') + unused + "\n#END_OF_TEXT\n\n#END_OF_TEXT\n";
    EXPECT_EQ(text.substr(text.size() - tail.size()), tail);
}

TEST(NadPrint, CrackFactorRowsShowTheValuesTheDesignUses)
{
    Host host(false, false, false);
    NAD_EC5_Params *b = Get_NAD_EC5_Params();
    b->k_cr_solid = 0.5;
    b->k_cr_other = 0.8;
    std::string text = Print();
    EXPECT_NE(text.find("\nk\xCE\\cr\xCEr = 0.50   f\x81r Voll- und Brettschichtholz\n"),
              std::string::npos);
    EXPECT_NE(text.find("\n k\xCE\\cr\xCEr = 0.80   sonst"),
              std::string::npos); /* variant-0 branch */
    EXPECT_EQ(text.find("0.67"), std::string::npos);
    /* any rule but 1 prints the annex rules in both places */
    b->k_cr_rule = 2;
    text = Print();
    size_t first = text.find("2.5/fv,k");
    ASSERT_NE(first, std::string::npos);
    EXPECT_NE(text.find("2.5/fv,k", first + 1), std::string::npos);
}

TEST(NadPrint, RegistryFileOfTheExampleHost)
{
    Host host(false, false, false);
    setenv("EXEC", (std::string(SPLICE_SOURCE_DIR) + "/environment/exec").c_str(), 1);
    setenv("SPLICE_APPLICATION_NUMBER", "242", 1);
    Load_Application_NAD_Registry();
    EXPECT_EQ(Find_Application_NAD_Entry(), 242);
    EXPECT_STREQ(App_NAD_Registry.rows[App_NAD_Registry.row_index].app_name, "SPLICE");
    EXPECT_EQ(App_NAD_Registry.group_bits, 1 << 5);
    EXPECT_EQ(NAD_Rules_Filtered(), 1);
    /* every EN 1995 block is registered: the same print as without registry */
    EXPECT_EQ(Print(), Read_File(std::string(SPLICE_GOLDEN_DIR) + "/nad/ec5_tables_default.oli"));
}
