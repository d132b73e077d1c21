/*
** Tests of the smaller parts of start-up and the main sheet: the component's file names and
** title, the page help topics, the failure-mode switch of the first page, the regeneration of
** the combinations, the page actions of the combination table and the utilisation page's row of
** a check that was switched on but not made.
*/
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>
#include <sys/stat.h>
#include <unistd.h>

#include "catalogue/catalogue.h"
#include "dialogs/dialogs.h"
#include "exchange/exchange.h"
#include "nad/nad.h"
#include "platform/zelkwin.h"
#include "platform/zelkwin_test.h"
#include "results/results.h"
#include "splice/pages_internal.h"
#include "splice/splice_app.h"

TEST(SheetParts, FileNamesCarryTheComponentAndTwoDigitsOfTheFileNumber)
{
    ASSERT_EQ(Form_Component_File_Names("Pos12", 7), 1);
    EXPECT_STREQ(Inp_File_Name, "Pos12_07.inp");
    EXPECT_STREQ(Oli_File_Name, "Pos12_07.oli");
    EXPECT_STREQ(Txt_File_Name, "Pos12_07.txt");
    ASSERT_EQ(Form_Component_File_Names("B", 123), 1);
    EXPECT_STREQ(Inp_File_Name, "B_123.inp");
    std::string long_name(600, 'x');
    EXPECT_EQ(Form_Component_File_Names(long_name.c_str(), 1), 0);
}

TEST(SheetParts, TheTitleIsTheFirstLineOfTheTitleFile)
{
    std::ofstream("title_01.txt", std::ios::binary) << "Sto\xe1 Achse 7\r\nzweite Zeile\n";
    EXPECT_EQ(Read_Title_Line("title_01.txt"), 1);
    EXPECT_STREQ(Splice_Title_Line, "Sto\xe1 Achse 7");
    /* a NUL cut the title, a control byte printed as a blank: each stands in caret notation
    ** (the byte plus 0x40: ^@ NUL, ^[ ESC 0x1B), and a hint names the file and the bytes */
    ZW_Test_Reset();
    std::ofstream("nul_01.txt", std::ios::binary)
        << std::string("Sto\xe1\0Achse\x1b 7 \xCE\r\n", 16);
    EXPECT_EQ(Read_Title_Line("nul_01.txt"), 1);
    EXPECT_STREQ(Splice_Title_Line, "Sto\xe1^@Achse^[ 7 \xCE");
    const std::vector<std::string> log = ZW_Test_Log_Lines();
    EXPECT_EQ(std::count(
                  log.begin(), log.end(),
                  "MESSAGE [Hinweis] Die Titeldatei nul_01.txt ist besch\xC3\xA4"
                  "digt | (Zeile 1: die Zeile enth\xC3\xA4lt ein Nullbyte). | Der ganze Titel wird "
                  "gezeigt und gedruckt, mit | ^@ f\xC3\xBCr das Nullbyte, ^[ f\xC3\xBCr das "
                  "Steuerzeichen 0x1B."),
              1);
    /* a longer line is not cut without a word; a line of exactly the length with its CR is whole */
    ZW_Test_Reset();
    std::ofstream("long_01.txt", std::ios::binary) << std::string(300, 'A') << "\r\n";
    std::ofstream("full_01.txt", std::ios::binary) << std::string(255, 'B') << "\r\nZwei\n";
    EXPECT_EQ(Read_Title_Line("long_01.txt"), 1);
    EXPECT_EQ(strlen(Splice_Title_Line), 255u);
    EXPECT_EQ(Read_Title_Line("full_01.txt"), 1);
    EXPECT_EQ(strlen(Splice_Title_Line), 255u);
    int boxes = 0, cut = 0;
    for (const std::string &l : ZW_Test_Log_Lines()) {
        boxes += l.find("MESSAGE [Hinweis]") == 0;
        cut += l
               == "MESSAGE [Hinweis] Die erste Zeile der Titeldatei long_01.txt | hat 300 "
                  "Zeichen; gezeigt und gedruckt werden die ersten 255.";
    }
    EXPECT_EQ(boxes, 1);
    EXPECT_EQ(cut, 1);
    /* UTF-8 whose byte 255 lies inside the "ü" of character 253: the title keeps 255 whole
    ** characters in code page 850 ("Größe ", 246 A, "übe"), and the hint counts the line's 256
    ** characters (6 + 246 + 4), not its 259 bytes (8 + 246 + 5) */
    ZW_Test_Reset();
    const std::string a246(246, 'A');
    std::ofstream("utf8_01.txt", std::ios::binary)
        << "Gr\xC3\xB6\xC3\x9F\x65 " << a246 << "\xC3\xBC\x62\x65r\n";
    EXPECT_EQ(Read_Title_Line("utf8_01.txt"), 1);
    EXPECT_EQ(Splice_Title_Line, "Gr\x94\xE1\x65 " + a246 + "\x81\x62\x65");
    EXPECT_EQ(ZW_Test_Log_Lines()[0],
              "MESSAGE [Hinweis] Die erste Zeile der Titeldatei utf8_01.txt "
              "| hat 256 Zeichen; gezeigt und gedruckt werden die ersten 255.");
    /* longer than the 4 x 255 bytes read: "A" and 700 "ü" are cut at byte 1020, inside the
    ** 510th "ü", which goes whole, so that the line still reads as UTF-8: "A" and 254 "ü" */
    ZW_Test_Reset();
    std::string u700;
    for (int k = 0; k < 700; k++) u700 += "\xC3\xBC";
    std::ofstream("utf8_02.txt", std::ios::binary) << "A" << u700 << "\n";
    EXPECT_EQ(Read_Title_Line("utf8_02.txt"), 1);
    EXPECT_EQ(Splice_Title_Line, "A" + std::string(254, '\x81'));
    EXPECT_EQ(ZW_Test_Log_Lines()[0],
              "MESSAGE [Hinweis] Die erste Zeile der Titeldatei utf8_02.txt "
              "| hat 701 Zeichen; gezeigt und gedruckt werden die ersten 255.");
    /* the euro sign, which code page 850 lacks, stands as "?", and a hint says so */
    ZW_Test_Reset();
    std::ofstream("euro_01.txt", std::ios::binary) << "Preis 5 \xE2\x82\xAC netto\n";
    EXPECT_EQ(Read_Title_Line("euro_01.txt"), 1);
    EXPECT_STREQ(Splice_Title_Line, "Preis 5 ? netto");
    const std::vector<std::string> euro = ZW_Test_Log_Lines();
    EXPECT_EQ(std::count(euro.begin(), euro.end(),
                         "MESSAGE [Hinweis] Die erste Zeile der Titeldatei euro_01.txt | hat 1 "
                         "Zeichen, das die Codepage 850 nicht enth\xC3\xA4lt: gezeigt und "
                         "gedruckt wird es als \"?\"."),
              1);
    EXPECT_EQ(Read_Title_Line("missing_01.txt"), 0);
    EXPECT_STREQ(Splice_Title_Line, "");
    /* saved as "Unicode": not read as a title of stray bytes; the warning names the encoding */
    ZW_Test_Reset();
    std::ofstream("wide_01.txt", std::ios::binary)
        << std::string("\xFF\xFES\0t\0o\0\xDF\0 \0A\0\r\0\n\0", 18);
    EXPECT_EQ(Read_Title_Line("wide_01.txt"), 1);
    EXPECT_STREQ(Splice_Title_Line, "");
    int told = 0;
    for (const std::string &l : ZW_Test_Log_Lines())
        told += l
                == "MESSAGE [Warnung] Die Titeldatei wide_01.txt | ist in UTF-16 LE gespeichert; "
                   "diese Kodierung wird nicht gelesen. | Als Titel gilt die Bauteilkennung. "
                   "Bitte als ANSI oder UTF-8 speichern.";
    EXPECT_EQ(told, 1);
}

TEST(SheetParts, EveryPageHasItsLabelAndHelpTopic)
{
    ZW_Test_Reset();
    std::string path = std::string(SPLICE_SOURCE_DIR) + "/environment/exec/splice/splice.hlp";
    ASSERT_EQ(Add_Helpfile(path.c_str()), 1);
    for (int p = 0; p < PAGE_COUNT; p++) EXPECT_EQ(Helpview(Page_Help_Key(p)), 1) << p;
    EXPECT_STREQ(Page_Label(PAGE_SCHNITTGROESSEN), "Schnittgr\x94\xe1"
                                                   "en");
    EXPECT_STREQ(Page_Label(PAGE_AUSNUTZUNGEN), "Ausnutzungen");
    EXPECT_STREQ(Page_Label(7), "");
}

/* The help of the box that ends the program names what the box shows: the switch "Ja" / "Nein"
** beside "Bearbeitungszustand speichern", the button with the green tick and the one with the
** red cross; no button "Abbrechen", which the box does not have. */
TEST(SheetParts, TheHelpOfTheExitBoxNamesTheButtonsItShows)
{
    ZW_Test_Reset();
    std::string path = std::string(SPLICE_SOURCE_DIR) + "/environment/exec/splice/splice.hlp";
    ASSERT_EQ(Add_Helpfile(path.c_str()), 1);
    ZW_Test_Set_Script("key Enter\n");
    ASSERT_EQ(Helpview("FINISH_BTN_000"), 1);
    std::string shown;
    for (const std::string &l : ZW_Test_Log_Lines()) shown += l + "\n";
    for (const char *named : {"Schalter neben \"Bearbeitungszustand speichern\" zeigt \"Ja\" oder "
                              "\"Nein\"",
                              "Knopf mit dem gr\xc3\xbcnen Haken", "Knopf mit dem roten Kreuz"})
        EXPECT_NE(shown.find(named), std::string::npos) << named;
    EXPECT_EQ(shown.find("Abbrechen"), std::string::npos);
}

TEST(SheetParts, TheFirstPageClearsTheFailureModeSwitchUnlessOnePlate)
{
    Set_Splice_Input_Defaults(&Splice_Input);
    Splice_Input.failure_mode_switch = 1;
    Splice_Input.plate_count = 1.0;
    Page_After_Input(PAGE_SYSTEM);
    EXPECT_EQ(Splice_Input.failure_mode_switch, 1);
    Splice_Input.plate_count = 2.0;
    Page_After_Input(PAGE_SYSTEM);
    EXPECT_EQ(Splice_Input.failure_mode_switch, 0);
}

TEST(SheetParts, GeneratedCombinationsAreMadeAgainFromTheActions)
{
    ZW_Test_Reset();
    Set_Splice_Input_Defaults(&Splice_Input);
    /* A hand entry that the generation replaces. */
    Splice_Input.lkom.groups[6].used = 1;
    Splice_Input.lkom.groups[6].entries[0].used = 1;
    Splice_Input.Char_Actions[0].used = 1;
    Splice_Input.Char_Actions[0].kled = 0;
    Splice_Input.Char_Actions[0].N_k = 10.0;
    Regenerate_Lkoms_If_Generated(); /* switch off: nothing changes */
    EXPECT_EQ(Splice_Input.lkom.groups[6].used, 1);

    Splice_Input.lkom_generated = 1;
    Regenerate_Lkoms_If_Generated();
    EXPECT_EQ(Splice_Input.lkom.groups[6].used, 0);
    /* Eigengewicht alone: unfavourable and favourable with the factors of the annex. */
    ASSERT_EQ(Lkom_Count_Entries(&Splice_Input.lkom, 0), 2);
    const Char_Action_Rec *a = &Splice_Input.Char_Actions[0];
    EXPECT_GT(a->gamma_sup, a->gamma_inf);
    EXPECT_DOUBLE_EQ(Splice_Input.lkom.groups[0].entries[0].N_d, 10.0 * a->gamma_sup);
    EXPECT_DOUBLE_EQ(Splice_Input.lkom.groups[0].entries[1].N_d, 10.0 * a->gamma_inf);
}

TEST(SheetParts, PageActionsAddAndDeleteRowsAndGroups)
{
    ZW_Test_Reset();
    Set_Splice_Input_Defaults(&Splice_Input);
    Page_Shadow.action = ACT_ADD_GROUP;
    Page_After_Input(PAGE_SCHNITTGROESSEN);
    ASSERT_EQ(Splice_Input.lkom.groups[0].used, 1);
    EXPECT_EQ(Lkom_Count_Entries(&Splice_Input.lkom, 0), 1);
    EXPECT_EQ(Page_Shadow.action, ACT_NONE);

    Page_Shadow.action = ACT_ADD_ROW + 0;
    Page_After_Input(PAGE_SCHNITTGROESSEN);
    EXPECT_EQ(Lkom_Count_Entries(&Splice_Input.lkom, 0), 2);
    Splice_Input.lkom.groups[0].entries[1].N_d = 5.0;

    Page_Shadow.action = ACT_DELETE_ROW + 0 * 1000 + 0;
    Page_After_Input(PAGE_SCHNITTGROESSEN);
    EXPECT_EQ(Lkom_Count_Entries(&Splice_Input.lkom, 0), 1);
    EXPECT_EQ(Splice_Input.lkom.groups[0].entries[0].N_d, 5.0);

    /* The padded comments lose their blanks before the input is saved. */
    snprintf(Splice_Input.lkom.groups[0].entries[0].comment, LKOM_COMMENT_MAX + 1, "%-70s", "Wind");
    Trim_Page_Texts();
    EXPECT_STREQ(Splice_Input.lkom.groups[0].entries[0].comment, "Wind");

    /* "alle löschen" asks first: no keeps the rows. */
    ZW_Test_Set_Script("answer no\n");
    Page_Shadow.action = ACT_DELETE_ALL;
    Page_After_Input(PAGE_SCHNITTGROESSEN);
    EXPECT_EQ(Lkom_Count_Entries(&Splice_Input.lkom, 0), 1);
    ZW_Test_Set_Script("answer yes\n");
    Page_Shadow.action = ACT_DELETE_ALL;
    Page_After_Input(PAGE_SCHNITTGROESSEN);
    EXPECT_EQ(Lkom_Count_Entries(&Splice_Input.lkom, 0), 0);
    EXPECT_EQ(Splice_Input.lkom.groups[0].used, 0);
}

/* The import from another component: the selection tool below EXEC writes its choice in the
** ASCII import format into the result file named on its command line. */
TEST(SheetParts, ComponentImportReadsTheToolsResultFile)
{
    ZW_Test_Reset();
    char cwd[1024];
    ASSERT_NE(getcwd(cwd, sizeof cwd), nullptr);
    std::string exec = std::string(cwd) + "/fake_exec";
    mkdir(exec.c_str(), 0755);
    std::string tool = exec + "/Morvelab.exe";
    {
        std::ofstream f(tool);
        f << "#!/bin/sh\n[ \"$1\" = \"Pos3\" ] || exit 3\nprintf '0.9 0 1.5 -20 4 aus Pos3\\n0.6 1 0 10 0\\n' > \"$2\"\n";
    }
    chmod(tool.c_str(), 0755);
    const char *old = getenv("EXEC");
    std::string saved = old ? old : "";
    setenv("EXEC", exec.c_str(), 1);
    ASSERT_EQ(Morvelab_Available(), 1);

    Set_Splice_Input_Defaults(&Splice_Input);
    snprintf(Bauteilkennung, sizeof Bauteilkennung, "%s", "Pos3");
    Splice_File_Number = 2;
    Page_Shadow.action = ACT_COMPONENT_IMPORT;
    Page_After_Input(PAGE_SCHNITTGROESSEN);
    EXPECT_EQ(Lkom_Count_Entries(&Splice_Input.lkom, 0), 1);
    EXPECT_EQ(Splice_Input.lkom.groups[0].entries[0].N_d, -20.0);
    EXPECT_STREQ(Splice_Input.lkom.groups[0].entries[0].comment, "aus Pos3");
    EXPECT_EQ(Splice_Input.lkom.groups[1].kmod, 0.6);
    EXPECT_EQ(Splice_Input.lkom.groups[1].entries[0].accidental, 1);

    /* A tool that ends with an error imports nothing. */
    snprintf(Bauteilkennung, sizeof Bauteilkennung, "%s", "Other");
    Page_Shadow.action = ACT_COMPONENT_IMPORT;
    Page_After_Input(PAGE_SCHNITTGROESSEN);
    EXPECT_EQ(Lkom_Count_Entries(&Splice_Input.lkom, 0), 1);
    if (old) setenv("EXEC", saved.c_str(), 1);
    else unsetenv("EXEC");
}

TEST(SheetParts, TheUtilisationPageSaysWhichCheckItDidNotMake)
{
    /* Inner plates with the block-shear switch on, designed by the design-value method, which
    ** does not make the check: the row reads "nicht nachgewiesen", never 0.0 %. */
    ZW_Test_Reset();
    Reset_NAD_Record(&Nad_Record);
    Nad_Params = &Nad_Record.ec5;
    Nad_EC3_Params_Ptr = &Nad_Record.ec3;
    Init_Dowel_Bolt_Diameters();
    Splice_Calc_Forget();
    Set_Splice_Input_Defaults(&Splice_Input);
    Splice_Input_Record *si = &Splice_Input;
    si->connection_kind = CONN_INNER_PLATES;
    si->b = 16.0;
    si->h = 24.0;
    si->h_p = 20.0;
    si->block_shear = 1;
    si->n_col[VBM_TYPE_SLOT(si->vbm_type)] = 2;
    si->n_row[VBM_TYPE_SLOT(si->vbm_type)] = 3;
    si->lkom.groups[0].used = 1;
    si->lkom.groups[0].kmod_source = 0;
    si->lkom.groups[0].kmod = 0.9;
    si->lkom.groups[0].entries[0].used = 1;
    si->lkom.groups[0].entries[0].N_d = 50.0;
    auto row_of = [](const char *name) {
        for (const auto &l : ZW_Test_Log_Lines())
            if (l.find(name) != std::string::npos) return true;
        return false;
    };
    /* the exact proof, the design-value method, and the switch off (which a plate splice in
    ** tension needs: named in the row and in the verdict) */
    for (int method : {1, 2, 0}) {
        si->calc_method = method == 0 ? 1 : method;
        si->block_shear = method != 0;
        Splice_Calc_Forget();
        ZW_Test_Clear_Log();
        Define_Prop_Sheet(0, 0, NPIXEL_X - 1, NPIXEL_Y - 1, 0, 0, "Test", 0, 1);
        const int area = SVA_Create(10, 80, NPIXEL_X - 11, NPIXEL_Y - 11, 0, 1);
        Activate_Prop_Sheet();
        Wdg_Select_Area(area);
        Wdg_Set_Font(4096);
        Page_Ausnutzungen(area, 0, 0, 500, 400);
        SVA_Set_Active(area, 1);
        SVA_Update(area);
        EXPECT_TRUE(row_of("Blockscherversagen")) << method;
        EXPECT_EQ(row_of("nicht nachgewiesen (nur im genauen Nachweis geführt)"), method == 2)
            << method;
        EXPECT_EQ(row_of(": maximale Ausnutzung"), true) << method;
        EXPECT_EQ(row_of("Blockscherversagen und Blockversagen Bleche nicht nachgewiesen "
                         "(abgewählt): maximale Ausnutzung"),
                  method == 0)
            << method;
        ASSERT_EQ(si->utilisation.count, 6); /* with the plates' block tearing */
        if (method == 1) EXPECT_GT(si->utilisation.value[4], 0.0);
        else EXPECT_EQ(si->utilisation.value[4], UTIL_NOT_CHECKED);
        SVA_Delete_All();
        Undefine_Prop_Sheet();
    }
    Splice_Calc_Forget();
}
