/*
** The active national annex: the list of annexes, activation by name with its fallback and
** warning, the input-file section, the title, the lazy accessors and the EN 1991 tables.
*/
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <vector>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "nad/nad.h"
#include "nad/nad_internal.h"
#include "dialogs/dialogs.h"
#include "platform/zelkwin.h"
#include "nad_test_util.h"
#include "tests/platform/gui_log.h"

using namespace nadtest;

static FILE *Input_File(const std::string &tail)
{
    return Text_Stream("SPLICE_INPUT\n 1 2 3\n" + tail);
}

TEST(NadRecord, NoSectionOrLocalDefinitionsActivateGermanyWithoutSheet)
{
    Host host;
    host.Install_Repository_Data();
    ZW_Test_Reset();
    FILE *f = Input_File("");
    Read_Active_NAD_Name(f);
    fclose(f);
    EXPECT_STREQ(Get_Active_NAD_Name(), "Deutschland");
    EXPECT_EQ(Get_Active_NAD_Flag(), 18);
    EXPECT_EQ(Nad_Record.flag_index, 18);
    EXPECT_EQ(Nad_Record.variant, 1);
    EXPECT_FALSE(Log_Has("Warnung"));

    Clear_NAD_State();
    f = Input_File("ACTIV_NADNAME\n\xAElokale Definitionen\xAF\n");
    Read_Active_NAD_Name(f);
    fclose(f);
    EXPECT_STREQ(Get_Active_NAD_Name(), "Deutschland");
    EXPECT_FALSE(Log_Has("Warnung"));
    /* the German annex file was read: its EN 1995 values */
    const NAD_EC5_Params *b = Get_NAD_EC5_Params();
    EXPECT_EQ(b->variant, 1);
    EXPECT_EQ(b->k_cr_rule, 0);
    EXPECT_EQ(b->net_deflection_rule, 0);
    EXPECT_DOUBLE_EQ(b->gamma_m_lvl, 1.3);
    EXPECT_DOUBLE_EQ(b->k_shape_factor, 0.05);
    EXPECT_EQ(Get_NAD_EC3_Params()->variant, 1);
    EXPECT_DOUBLE_EQ(Get_NAD_EC3_Params()->ec3_1.gamma_m1, 1.1);
    EXPECT_DOUBLE_EQ(Get_NAD_EC2_Params()->alpha_cc, 0.85);
    EXPECT_DOUBLE_EQ(Get_NAD_EC6_Params()->gamma_m_masonry[1], 1.3);
}

TEST(NadRecord, UnknownNameWarnsWithBothNamesAndFallsBack)
{
    Host host;
    host.Install_Repository_Data();
    ZW_Test_Reset();
    FILE *f = Input_File("ACTIV_NADNAME\n\xAE"
                         "Atlantis\xAF\n");
    Read_Active_NAD_Name(f);
    fclose(f);
    EXPECT_STREQ(Get_Active_NAD_Name(), "Deutschland");
    EXPECT_TRUE(Log_Has("Warnung"));
    EXPECT_TRUE(Log_Has("Atlantis"));
    EXPECT_TRUE(Log_Has("Deutschland"));
    EXPECT_TRUE(Log_Has("kann nicht gefunden werden."));
    EXPECT_EQ(Nad_Record.variant, 1);
    EXPECT_EQ(Get_Active_NAD_Flag(), 18); /* the flag of "Deutschland" */
}

/* The annex name as another program may have saved the input file: the marks and the name in
** code page 1252 or UTF-8 are read like our own code page 850. */
TEST(NadRecord, AnnexNameInAnyOfTheThreeCodePagesIsRead)
{
    Host host;
    host.Install_Repository_Data();
    mkdir((host.dram + "/NADS").c_str(), 0755);
    Write_File(host.dram + "/NADS/1.NAD",
               User_Annex(7, "\x99sterreich", 0)); /* Ö in code page 850 */
    const char *sections[] = {
        "ACTIV_NADNAME\n\xAE\x99sterreich\xAF\n",                         /* code page 850 */
        "ACTIV_NADNAME\n\xAB\xD6sterreich\xBB\n",                         /* code page 1252 */
        "ACTIV_NADNAME\n\xC2\xAB\xC3\x96sterreich\xC2\xBB\n",             /* UTF-8 */
        "ACTIV_NADNAME\n\xEF\xBB\xBF\xC2\xAB\xC3\x96sterreich\xC2\xBB\n", /* a byte-order mark first */
        "ACTIV_NADNAME\n  \x99sterreich  \n",                             /* no marks at all */
    };
    for (const char *section : sections) {
        SCOPED_TRACE(section);
        Clear_NAD_State();
        ZW_Test_Reset();
        FILE *f = Input_File(section);
        Read_Active_NAD_Name(f);
        fclose(f);
        EXPECT_STREQ(Get_Active_NAD_Name(), "\x99sterreich");
        EXPECT_EQ(Get_Active_NAD_Flag(), 7);
        EXPECT_FALSE(Log_Has("Warnung"));
        /* a save writes it back in our own code page */
        EXPECT_EQ(Written([](FILE *o) { Write_Active_NAD_Name(o); }),
                  "\n\nACTIV_NADNAME\n\xAE\x99sterreich\xAF\n");
    }
}

/* A name that no annex carries: the warning names it, the design uses "Deutschland", and a save
** keeps the file's name until the user chooses an annex. */
TEST(NadRecord, UnknownNameSurvivesASaveUntilTheUserChooses)
{
    Host host;
    host.Install_Repository_Data();
    ZW_Test_Reset();
    FILE *f = Input_File("ACTIV_NADNAME\n\xC2\xAB"
                         "Atlantis\xC2\xBB\n"); /* UTF-8 marks */
    Read_Active_NAD_Name(f);
    fclose(f);
    EXPECT_STREQ(Get_Active_NAD_Name(), "Deutschland");
    EXPECT_TRUE(Log_Has("Atlantis"));
    EXPECT_TRUE(Log_Has("kann nicht gefunden werden."));
    ASSERT_NE(Nad_Kept_Name(), nullptr);
    const std::string kept = "\n\nACTIV_NADNAME\n\xAE"
                             "Atlantis\xAF\n";
    EXPECT_EQ(Written([](FILE *o) { Write_Active_NAD_Name(o); }), kept);
    EXPECT_EQ(Written([](FILE *o) { Write_Active_NAD_Name(o); }), kept); /* every save */
    /* reading the saved file again warns again and keeps it again */
    ZW_Test_Reset();
    f = Input_File(kept);
    Read_Active_NAD_Name(f);
    fclose(f);
    EXPECT_TRUE(Log_Has("Atlantis"));
    EXPECT_EQ(Written([](FILE *o) { Write_Active_NAD_Name(o); }), kept);
    /* behind a byte-order mark the marks are text of the line: an empty pair is no name, a
    ** mark without its partner stays part of the name */
    ZW_Test_Reset();
    f = Input_File("ACTIV_NADNAME\n\xEF\xBB\xBF\xC2\xAB\xC2\xBB\n");
    Read_Active_NAD_Name(f);
    fclose(f);
    EXPECT_FALSE(Log_Has("Warnung"));
    EXPECT_EQ(Nad_Kept_Name(), nullptr);
    f = Input_File("ACTIV_NADNAME\n\xEF\xBB\xBF\xC2\xAB"
                   "Atlantis\n");
    Read_Active_NAD_Name(f);
    fclose(f);
    ASSERT_NE(Nad_Kept_Name(), nullptr);
    EXPECT_STREQ(Nad_Kept_Name(), "\xAE"
                                  "Atlantis");
    /* a file without a name, or with a name that is found, keeps nothing */
    f = Input_File("");
    Read_Active_NAD_Name(f);
    fclose(f);
    EXPECT_EQ(Nad_Kept_Name(), nullptr);
    EXPECT_EQ(Written([](FILE *o) { Write_Active_NAD_Name(o); }), "\n\nACTIV_NADNAME\n\xAE"
                                                                  "Deutschland\xAF\n");
    Set_Active_NAD("Atlantis");
    ASSERT_NE(Nad_Kept_Name(), nullptr);
    Set_Active_NAD("EC-Standardparameter");
    EXPECT_EQ(Nad_Kept_Name(), nullptr);
    EXPECT_EQ(Written([](FILE *o) { Write_Active_NAD_Name(o); }), "\n\nACTIV_NADNAME\n\xAE"
                                                                  "EC-Standardparameter\xAF\n");
}

TEST(NadRecord, ListStopsAtTheFirstMissingNumber)
{
    Host host;
    mkdir((host.dram + "/NADS").c_str(), 0755);
    Write_File(host.dram + "/NADS/1.NAD", User_Annex(3, "Eigenes", 0));
    Write_File(host.dram + "/NADS/3.NAD", User_Annex(4, "Drittes", 0));
    Build_NAD_List();
    ASSERT_EQ(NAD_List.count, 3);
    EXPECT_STREQ(NAD_List.names[0], "EC-Standardparameter");
    EXPECT_EQ(NAD_List.flags[0], 19);
    EXPECT_STREQ(NAD_List.names[1], "Deutschland");
    EXPECT_EQ(NAD_List.flags[1], 18);
    EXPECT_STREQ(NAD_List.names[2], "Eigenes");
    EXPECT_EQ(NAD_List.flags[2], 3);
    EXPECT_EQ(NAD_List.file_numbers[2], 1);
    /* rebuilding drops the user entries first */
    Build_NAD_List();
    EXPECT_EQ(NAD_List.count, 3);
}

TEST(NadRecord, UserAnnexTitleAndDuplicateNames)
{
    Host host;
    host.Install_Repository_Data();
    mkdir((host.dram + "/NADS").c_str(), 0755);
    std::string one = User_Annex(5, "Meins", 0);
    one.replace(one.find("#EC5\n 17\n 0\n 0\n"), 16, "#EC5\n 17\n 0\n 1\n"); /* Table NA.1 */
    Write_File(host.dram + "/NADS/1.NAD", one);
    Write_File(host.dram + "/NADS/2.NAD", User_Annex(6, "Meins", 1));
    ZW_Test_Reset();
    Set_Active_NAD("Meins");
    EXPECT_FALSE(Log_Has("Warnung"));
    EXPECT_STREQ(Get_Active_NAD_Name(), "Meins");
    EXPECT_STREQ(Get_Active_NAD_Title(), "Meins (benutzerdefiniert)");
    EXPECT_EQ(Get_Active_NAD_Flag(), 5); /* the lower file number wins */
    EXPECT_EQ(Nad_Record.user_defined, 1);
    EXPECT_EQ(Get_NAD_EC5_Params()->use_table_na1, 1);
    Set_Active_NAD("Deutschland");
    EXPECT_STREQ(Get_Active_NAD_Title(), "Deutschland");
    Set_Active_NAD("EC-Standardparameter");
    EXPECT_STREQ(Get_Active_NAD_Title(), "EC-Standardparameter");
    /* the built-in file "Standard" was read */
    EXPECT_STREQ(Nad_Record.name, "EC-Standardparameter");
    EXPECT_EQ(Nad_Record.flag_index, 19);
    EXPECT_DOUBLE_EQ(Get_NAD_EC5_Params()->gamma_m_glulam, 1.25);
    EXPECT_EQ(Get_NAD_Variant(), 0);
}

TEST(NadRecord, ActivatingTheActiveNameAgain)
{
    Host host;
    host.Install_Repository_Data();
    ZW_Test_Reset();
    Set_Active_NAD("EC-Standardparameter");
    Set_Active_NAD(Get_Active_NAD_Name()); /* the text handed over is the active name itself */
    EXPECT_STREQ(Get_Active_NAD_Name(), "EC-Standardparameter");
    EXPECT_FALSE(Log_Has("Warnung"));
    Set_Active_NAD(nullptr);
    EXPECT_STREQ(Get_Active_NAD_Name(), "Deutschland");
}

/* How many log lines of the GUI stand-in contain the text. */
static int Logged_Count(const std::string &text)
{
    const std::vector<std::string> lines = ZW_Test_Log_Lines();
    return (int)std::count_if(lines.begin(), lines.end(), [&](const std::string &l) {
        return l.find(text) != std::string::npos;
    });
}

TEST(NadRecord, MissingBuiltInFileKeepsDefaultsAndSaysSo)
{
    Host host; /* DATA has no annex files */
    ZW_Test_Reset();
    Set_Active_NAD("EC-Standardparameter");
    EXPECT_STREQ(Get_Active_NAD_Name(), "EC-Standardparameter");
    EXPECT_STREQ(Nad_Record.name, "EC-Standard");
    EXPECT_EQ(Nad_Record.flag_index, 19);
    EXPECT_DOUBLE_EQ(Get_NAD_EC5_Params()->gamma_m_glulam, 1.3);
    EXPECT_TRUE(Log_Has("\"EC-Standardparameter\" kann nicht gelesen werden."));
    EXPECT_TRUE(Log_Has(host.data + "/NAD/Standard.NAD:"));
    EXPECT_TRUE(Log_Has("Die Datei existiert nicht."));

    /* without DATA the file cannot even be named in full */
    Host bare(false);
    ZW_Test_Reset();
    Set_Active_NAD("Deutschland");
    EXPECT_TRUE(Log_Has("\"Deutschland\" kann nicht gelesen werden. | Datei NAD/Deutschland.NAD: | "
                        "Die Umgebungsvariable DATA ist nicht gesetzt."));
}

/* The file of the active annex cannot be read: the design runs on the built-in defaults, the user
** is told which annex and file and which values stand, and a save keeps the annex's name. */
TEST(NadRecord, UnreadableAnnexFileIsSaidAndItsNameSurvivesASave)
{
    Host host;
    host.Install_Repository_Data();
    remove((host.data + "/NAD/Deutschland.NAD").c_str());
    ZW_Test_Reset();
    FILE *f = Input_File("ACTIV_NADNAME\n\xAE"
                         "Deutschland\xAF\n");
    Read_Active_NAD_Name(f);
    fclose(f);
    EXPECT_STREQ(Get_Active_NAD_Name(), "Deutschland");
    /* the built-in defaults stand: the recommended crack factor, not the German annex rules */
    EXPECT_EQ(Get_NAD_EC5_Params()->k_cr_rule, 1);
    EXPECT_DOUBLE_EQ(Get_NAD_EC5_Params()->k_cr_solid, 0.67);
    EXPECT_EQ(Get_NAD_EC5_Params()->variant, 0);
    const std::string said =
        "MESSAGE [Warnung] Das Anwendungsdokument \"Deutschland\" kann nicht gelesen werden.";
    EXPECT_EQ(Logged_Count(said), 1);
    EXPECT_TRUE(Log_Has(host.data + "/NAD/Deutschland.NAD:"));
    EXPECT_TRUE(Log_Has("Die Datei existiert nicht."));
    EXPECT_TRUE(Log_Has("Vorgabewerten \"EC-Standard\""));
    EXPECT_TRUE(Log_Has("nicht mit den Werten von \"Deutschland\"."));
    EXPECT_FALSE(
        Log_Has("kann nicht gefunden werden.")); /* the annex is known: no fallback sheet */
    const std::string kept = "\n\nACTIV_NADNAME\n\xAE"
                             "Deutschland\xAF\n";
    EXPECT_EQ(Written([](FILE *o) { Write_Active_NAD_Name(o); }), kept);
    /* told once, not again by every activation of the same annex */
    Set_Active_NAD("Deutschland");
    EXPECT_EQ(Logged_Count(said), 1);

    /* once the file is read again, a later failure is told again */
    host.Install_Repository_Data();
    Set_Active_NAD("Deutschland");
    EXPECT_EQ(Get_NAD_EC5_Params()->variant, 1);
    EXPECT_EQ(Logged_Count(said), 1);
    Write_File(host.data + "/NAD/Deutschland.NAD", "kein Anwendungsdokument\n");
    Set_Active_NAD("Deutschland");
    EXPECT_EQ(Logged_Count(said), 2);
    EXPECT_TRUE(Log_Has("Sie beginnt nicht mit \"NAD/Version\"."));
    EXPECT_DOUBLE_EQ(Get_NAD_EC5_Params()->k_cr_solid, 0.67);

    /* a user annex whose file is listed but cannot be read keeps its name as well */
    mkdir((host.dram + "/NADS").c_str(), 0755);
    Write_File(host.dram + "/NADS/1.NAD", "NAD/Vers. 1\n 5 \xAEMeins\xAF 0\n");
    Set_Active_NAD("Meins");
    EXPECT_STREQ(Get_Active_NAD_Name(), "Meins");
    EXPECT_TRUE(Log_Has("\"Meins\" kann nicht gelesen werden."));
    EXPECT_TRUE(Log_Has(host.dram + "/NADS/1.NAD:"));
    EXPECT_EQ(Written([](FILE *o) { Write_Active_NAD_Name(o); }),
              "\n\nACTIV_NADNAME\n\xAEMeins\xAF\n");

    /* a file saved in UTF-16 or UTF-32 is named by its encoding, not by a header it seems to lack:
    ** the built-in "Deutschland" in UTF-32 BE without a mark ... */
    host.Install_Repository_Data();
    Set_Active_NAD("Deutschland");
    std::string wide;
    for (char c : std::string("NAD/Version 1\n")) wide += std::string(3, '\0') + c;
    Write_File(host.data + "/NAD/Deutschland.NAD", wide);
    Set_Active_NAD("Deutschland");
    EXPECT_EQ(Logged_Count(said), 3);
    EXPECT_TRUE(Log_Has("Sie ist in UTF-32 BE gespeichert; diese Kodierung wird nicht gelesen."));
    /* ... and a user annex turned into UTF-16 LE after the list named it (so it is chosen) */
    host.Install_Repository_Data();
    Set_Active_NAD("Deutschland");
    wide = "\xFF\xFE";
    for (char c : std::string("NAD/Version 1\r\n")) wide += std::string(1, c) + '\0';
    Write_File(host.dram + "/NADS/1.NAD", wide);
    Nad_Set_Active_Name("Meins");
    EXPECT_EQ(Activate_NAD(), 0);
    EXPECT_TRUE(Log_Has(host.dram + "/NADS/1.NAD:"));
    EXPECT_TRUE(Log_Has("Sie ist in UTF-16 LE gespeichert; diese Kodierung wird nicht gelesen."));
    /* the frame's version number is not tested: a file of version 99 is read as ours */
    Write_File(host.dram + "/NADS/1.NAD", "NAD/Version 99\n\n 3 \xAEMeins\xAF 1\n");
    Set_Active_NAD("Deutschland");
    Set_Active_NAD("Meins");
    EXPECT_EQ(Is_Active_NAD_File_Read(), 1);
    EXPECT_FALSE(Log_Has("des Dateiformats"));
    /* a file past any annex's few kilobytes is not read: a gigabyte was read six times over
    ** before the window opened, and a file that keeps growing was read for ever */
    Write_File(host.dram + "/NADS/1.NAD", User_Annex(3, "Meins", 1) + std::string(1 << 20, ' '));
    Set_Active_NAD("Deutschland");
    Set_Active_NAD("Meins");
    EXPECT_EQ(Is_Active_NAD_File_Read(), 0);
    EXPECT_EQ(Get_NAD_EC5_Params()->variant, 0);
    EXPECT_EQ(Logged_Count("MESSAGE [Warnung] Das Anwendungsdokument \"Meins\" kann nicht gelesen "
                           "werden. | Datei "
                           + host.dram
                           + "/NADS/1.NAD: | Sie ist größer als 1 MB; die Datei eines "
                             "Anwendungsdokuments hat wenige Kilobyte. | Bemessen wird mit den "
                             "eingebauten Vorgabewerten \"EC-Standard\","),
              1);
    /* the two boxes of the files above, none of the wide ones */
    EXPECT_EQ(Logged_Count("| Sie beginnt nicht mit \"NAD/Version\". |"), 2);

    /* a user file whose head cannot be read gives the list no name: when a name is not found,
    ** the box names that file and why, before the sheet of a name not found */
    std::string utf16 = "\xFF\xFE";
    for (char c : std::string("NAD/Version 1\r\n\r\n 3 \xAEMeins\xAF 1\r\n"))
        utf16 += std::string(1, c) + '\0';
    const std::string headless[][2] = {
        {"NAD/Version 1\n\n x3 \xAEMeins\xAF 1\n",
         "Ihr Kopf (Flagge, Name, Variante) ist unvollständig oder beschädigt."},
        {"NAD/Version 1\n\n 3 \xAEMe",
         "Ihr Kopf (Flagge, Name, Variante) ist unvollständig oder beschädigt."},
        {"", "Sie ist leer."},
        {"NAD/Vers", "Sie beginnt nicht mit \"NAD/Version\"."},
        {utf16, "Sie ist in UTF-16 LE gespeichert; diese Kodierung wird nicht gelesen."},
    };
    for (const auto &h : headless) {
        SCOPED_TRACE(h[1]);
        Write_File(host.dram + "/NADS/1.NAD", h[0]);
        const std::string box =
            "MESSAGE [Warnung] Das Anwendungsdokument \"Meins\" steht in keiner "
            "lesbaren Datei. | Datei "
            + host.dram + "/NADS/1.NAD: | " + h[1] + " | Bitte die Datei prüfen.";
        const int before = Logged_Count(box);
        Set_Active_NAD("Meins");
        EXPECT_EQ(Logged_Count(box), before + 1);
    }

    /* a pipe or a device under the name is no file: the list is built without waiting or
    ** reading for ever, the file is named once, and it keeps its number as a file without a
    ** name, so that the annexes behind it stay in the list */
    Write_File(host.dram + "/NADS/2.NAD", User_Annex(3, "Zweites", 1));
    const std::string pipe = "Der Name bezeichnet eine Pipe und keine Datei.",
                      device = "Der Name bezeichnet ein Gerät und keine Datei.";
    for (const std::string &target : {std::string(), std::string("/dev/zero")}) {
        SCOPED_TRACE(target);
        const std::string path = host.dram + "/NADS/1.NAD";
        unlink(path.c_str());
        if (target.empty()) {
            ASSERT_EQ(mkfifo(path.c_str(), 0644), 0);
        } else {
            ASSERT_EQ(symlink(target.c_str(), path.c_str()), 0);
        }
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            alarm(20);
            Set_Active_NAD("Meins");
            _exit(0);
        }
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the list did not end";
        ZW_Test_Reset();
        Set_Active_NAD("Zweites");
        EXPECT_STREQ(Get_Active_NAD_Name(), "Zweites");
        EXPECT_EQ(Is_Active_NAD_File_Read(), 1);
        const std::string why = target.empty() ? pipe : device;
        EXPECT_EQ(Logged_Count("MESSAGE [Warnung] Die Datei " + path
                               + " | kann nicht gelesen werden: | " + why
                               + " | Das Anwendungsdokument darin steht nicht zur Wahl."),
                  1);
        Set_Active_NAD("Meins");
        EXPECT_EQ(Logged_Count("MESSAGE [Warnung] Das Anwendungsdokument \"Meins\" steht in "
                               "keiner lesbaren Datei. | Datei "
                               + path + ": | " + why),
                  1);
        EXPECT_EQ(Logged_Count("| Das Anwendungsdokument darin steht nicht zur Wahl."), 1);
    }
    unlink((host.dram + "/NADS/1.NAD").c_str());
}

/* A user annex whose file is cut inside "#EC5" is read, but the box names the file, the block
** and the line where the file ends, the missing blocks and the values that stand; the cut block
** holds the built-in defaults whole, not the gamma_M read before the cut. Told once until the
** file is read whole. */
TEST(NadRecord, DamagedUserAnnexIsSaidWithItsFileBlockAndLine)
{
    Host host;
    host.Install_Repository_Data();
    mkdir((host.dram + "/NADS").c_str(), 0755);
    std::string whole = User_Annex(3, "\x99sterreich", 1); /* Ö in code page 850 */
    const size_t ec5 = whole.find("#EC5\n");
    /* gamma_M of steel in connections 1.5: the first value of the block's line " %lf %lf" */
    whole.replace(whole.find("\n 1.300000 1.300000\n", ec5) + 2, 8, "1.500000");
    const std::string cut = whole.substr(0, whole.find(" 0.60 0.80 2.00", ec5));
    const int last_line = (int)std::count(cut.begin(), cut.end(), '\n');
    Write_File(host.dram + "/NADS/1.NAD", cut);
    ZW_Test_Reset();
    Set_Active_NAD("\x99sterreich");
    const std::string said =
        "MESSAGE [Warnung] Das Anwendungsdokument \"Österreich\" ist beschädigt. | Datei "
        + host.dram + "/NADS/1.NAD: | Block #EC5: Die Datei endet vorzeitig in Zeile "
        + std::to_string(last_line)
        + ". | Es fehlen die Blöcke #EC6 und #EC9. | Bemessen wird dort mit den eingebauten "
          "Vorgabewerten \"EC-Standard\", | sonst mit den Werten von \"Österreich\". | Bitte die "
          "Datei prüfen oder ein anderes Anwendungsdokument wählen.";
    EXPECT_EQ(Logged_Count(said), 1);
    EXPECT_EQ(Is_Active_NAD_File_Read(), 1);
    EXPECT_STREQ(Get_Active_NAD_Title(), "\x99sterreich (benutzerdefiniert)");
    ASSERT_EQ(Get_Active_NAD_Damage()->count, 3);
    EXPECT_DOUBLE_EQ(Get_NAD_EC5_Params()->gamma_m_steel, 1.3);
    EXPECT_EQ(Get_NAD_EC5_Params()->variant, 1); /* the header's variant, read whole */
    /* told once for the same damage */
    Set_Active_NAD("\x99sterreich");
    EXPECT_EQ(Logged_Count(said), 1);
    /* the whole file: its values, no box, nothing damaged */
    Write_File(host.dram + "/NADS/1.NAD", whole);
    Set_Active_NAD("\x99sterreich");
    EXPECT_EQ(Get_Active_NAD_Damage()->count, 0);
    EXPECT_DOUBLE_EQ(Get_NAD_EC5_Params()->gamma_m_steel, 1.5);
    EXPECT_EQ(Logged_Count(said), 1);
    /* damaged again: told again */
    Write_File(host.dram + "/NADS/1.NAD", cut);
    Set_Active_NAD("\x99sterreich");
    EXPECT_EQ(Logged_Count(said), 2);

    /* "#EC5" twice (the same block with gamma_M 1.5 once more in front): which copy holds is
    ** not known, so the block takes the built-in defaults and the box says both lines */
    const std::string section = whole.substr(ec5, whole.find("#EC6\n") - ec5);
    const int first = 1 + (int)std::count(whole.begin(), whole.begin() + (long)ec5, '\n');
    const int second = first + (int)std::count(section.begin(), section.end(), '\n');
    Write_File(host.dram + "/NADS/1.NAD", std::string(whole).insert(ec5, section));
    Set_Active_NAD("\x99sterreich");
    EXPECT_EQ(Logged_Count("MESSAGE [Warnung] Das Anwendungsdokument \"Österreich\" ist besch"
                           "ädigt. | Datei "
                           + host.dram
                           + "/NADS/1.NAD: | Block #EC5 steht zweimal in der Datei, in "
                             "Zeile "
                           + std::to_string(first) + " und " + std::to_string(second)
                           + ". | Bemessen wird dort mit den eingebauten Vorgabewerten "
                             "\"EC-Standard\", | sonst mit den Werten von \"Österreich\". | "
                             "Bitte die Datei prüfen oder ein anderes Anwendungsdokument wählen."),
              1);
    EXPECT_DOUBLE_EQ(Get_NAD_EC5_Params()->gamma_m_steel, 1.3);

    /* cut inside "#EC0": no block comes from the file, and the box says so */
    const std::string ec0_cut = whole.substr(0, whole.find("\n", whole.find("#EC0\n") + 5) + 1);
    Write_File(host.dram + "/NADS/1.NAD", ec0_cut);
    Set_Active_NAD("\x99sterreich");
    EXPECT_EQ(Logged_Count("| Block #EC0: Die Datei endet vorzeitig in Zeile "
                           + std::to_string(std::count(ec0_cut.begin(), ec0_cut.end(), '\n'))
                           + ". | Es fehlen die Blöcke #EC2, #EC3, #EC5, #EC6 und #EC9. | Bemessen "
                             "wird mit den eingebauten Vorgabewerten \"EC-Standard\", | nicht mit "
                             "den Werten von \"Österreich\". | Bitte"),
              1);

    /* gamma_M of steel 0.5, below what a partial factor of a resistance may be: the block holds
    ** the built-in values and the box names the block, the line and the range */
    const size_t steel = whole.find("\n 1.500000 1.300000\n", ec5) + 2;
    const int steel_line = 1 + (int)std::count(whole.begin(), whole.begin() + (long)steel, '\n');
    Write_File(host.dram + "/NADS/1.NAD", std::string(whole).replace(steel, 8, "0.5"));
    Set_Active_NAD("\x99sterreich");
    EXPECT_EQ(Logged_Count("MESSAGE [Warnung] Das Anwendungsdokument \"Österreich\" ist besch"
                           "ädigt. | Datei "
                           + host.dram + "/NADS/1.NAD: | Block #EC5, Zeile "
                           + std::to_string(steel_line)
                           + ": ein Wert außerhalb seines Bereichs (Teilsicherheitsbeiwert γM, "
                             "zulässig von 1,0 bis 5,0). | Bemessen wird dort mit den eingebauten "
                             "Vorgabewerten \"EC-Standard\", | sonst mit den Werten von "
                             "\"Österreich\". | Bitte die Datei prüfen oder ein anderes "
                             "Anwendungsdokument wählen."),
              1);
    EXPECT_DOUBLE_EQ(Get_NAD_EC5_Params()->gamma_m_steel, 1.3);

    /* a block version too large for its field is quoted as the file writes it */
    const size_t version = ec5 + 5, version_end = whole.find('\n', version);
    Write_File(host.dram + "/NADS/1.NAD",
               std::string(whole).replace(version, version_end - version, " 99999999999999999999"));
    Set_Active_NAD("\x99sterreich");
    EXPECT_EQ(Logged_Count("| Block #EC5, Zeile " + std::to_string(first + 1)
                           + ": unbekannte Version 99999999999999999999. | Bemessen"),
              1);
}

TEST(NadRecord, AccessorBeforeAnyActivation)
{
    Host host;
    host.Install_Repository_Data();
    NAD_EC5_Params *b = Get_NAD_EC5_Params();
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(b, &Nad_Record.ec5);
    EXPECT_STREQ(Get_Active_NAD_Name(), "Deutschland");
    EXPECT_EQ(b->variant, 1);
    ASSERT_NE(Get_NAD_EC0_Params(), nullptr);
    ASSERT_NE(Get_NAD_EC1_Tables(), nullptr);
    ASSERT_NE(Get_NAD_EC9_Params(), nullptr);
}

TEST(NadRecord, InputFileSectionIsWrittenAndReadBack)
{
    Host host;
    host.Install_Repository_Data();
    Set_Active_NAD("EC-Standardparameter");
    const std::string text = Written([](FILE *f) { Write_Active_NAD_Name(f); });
    EXPECT_EQ(text, "\n\nACTIV_NADNAME\n\xAE"
                    "EC-Standardparameter\xAF\n");
    Clear_NAD_State();
    FILE *f = Input_File(text);
    Read_Active_NAD_Name(f);
    fclose(f);
    EXPECT_STREQ(Get_Active_NAD_Name(), "EC-Standardparameter");
}

TEST(NadRecord, ListHoldsAtMost300Entries)
{
    Host host;
    Msg_Set_Mode(MSG_CONSOLE);
    mkdir((host.dram + "/NADS").c_str(), 0755);
    for (int n = 1; n <= 305; n++)
        Write_File(host.dram + "/NADS/" + std::to_string(n) + ".NAD",
                   User_Annex(1, "A" + std::to_string(n), 0));
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    Build_NAD_List();
    const std::string said =
        testing::internal::GetCapturedStdout() + testing::internal::GetCapturedStderr();
    EXPECT_EQ(NAD_List.count, 300);
    EXPECT_STREQ(NAD_List.names[299], "A298");
    EXPECT_NE(said.find("300"), std::string::npos);
}

TEST(NadRecord, RecordFileOfTheActiveAnnex)
{
    Host host;
    host.Install_Repository_Data();
    Set_Active_NAD("Deutschland");
    ASSERT_EQ(Write_NAD_Record_File("nadrec"), 1);
    const std::string text = Read_File("nadrec_EC2.NAD");
    const std::string head = "NAD/Version 1\n\n 18 \xAE"
                             "Deutschland\xAF 1\n";
    EXPECT_EQ(text.substr(0, head.size()), head);
    EXPECT_EQ(text, Read_File(host.data + "/NAD/Deutschland.NAD"));
    remove("nadrec_EC2.NAD");
}

/* ---------------------------------------------------------------- EN 1991 tables */

TEST(NadEc1, DefinitionsAndValuesOfTheGermanAnnex)
{
    Host host;
    host.Install_Repository_Data();
    Set_Active_NAD("Deutschland");
    const NAD_EC1_Tables *t = Get_NAD_EC1_Tables();
    ASSERT_NE(t->tables[0], nullptr);
    EXPECT_EQ(t->tables[0]->cols, 3);
    EXPECT_EQ(t->tables[0]->rows, 5);
    EXPECT_STREQ(t->tables[0]->unit, "kN/m2");
    EXPECT_EQ(t->tables[0]->cell[0], 10); /* 20 - frame 10 */
    EXPECT_EQ(t->tables[0]->cell[1], 30); /* 40 - 10 */
    EXPECT_EQ(t->tables[0]->loaded, 1);
    /* zone 2: s_k = 0.25 + 1.91 ((A + 140)/760)^2 >= 0.85 */
    EXPECT_DOUBLE_EQ(t->tables[0]->values[2 * 3 + 0], 0.25);
    EXPECT_DOUBLE_EQ(t->tables[0]->values[2 * 3 + 1], 1.91);
    EXPECT_DOUBLE_EQ(t->tables[0]->values[2 * 3 + 2], 0.85);
    /* wind zone 4: q_b,0 = 0.56 kN/m2 */
    EXPECT_DOUBLE_EQ(t->tables[1]->values[3 * 2 + 1], 0.56);
    EXPECT_EQ(t->table_set, 2);
    /* variant 1: table 9 dropped, table 8 keeps the file's value */
    EXPECT_EQ(t->tables[8]->loaded, 0);
    EXPECT_EQ(t->tables[8]->caption, nullptr);
    EXPECT_EQ(t->tables[7]->loaded, 1);
    EXPECT_DOUBLE_EQ(t->tables[7]->values[0], 2.3);
    EXPECT_EQ(t->tab99_values[0], 5);
    EXPECT_EQ(t->data_a, 2);
    /* the standard set: table 9 of its own, table 8 dropped, no German zones */
    Set_Active_NAD("EC-Standardparameter");
    EXPECT_EQ(t->table_set, 1);
    EXPECT_EQ(t->tables[7]->loaded, 0);
    EXPECT_EQ(t->tables[8]->loaded, 1);
    EXPECT_DOUBLE_EQ(t->tables[8]->values[0], 2.0);
    EXPECT_EQ(t->tables[0]->loaded, 0);
}

TEST(NadEc1, NamesMatchExactlyAndEveryEntryIsExamined)
{
    Host host;
    Write_File(host.data + "/NAD/WUSL-Tabs.def",
               "#TAB2\nT1\nT2\n0 0 0 0\n0 0 0 0\n2 1 x\n#TAB11\nZ\nZ\n0 0 0 0\n0 0 0 0\n1 1 y\n");
    Write_File(host.data + "/NAD/WUSL-Tabs.val",
               "#NAD\nNordland\n1\n~TAB2\nc\n 1 2\n"
               "#NAD\nNord\n3\n~TAB2\nc\n 3 4\n"
               "#NAD\nNord\n4\n~TAB99\n 12 0 1 2 3 4 5 6 7 8 9 10 11 12\n");
    NAD_EC1_Tables t;
    memset(&t, 0, sizeof t);
    EXPECT_EQ(Load_EC1_Table_Definitions(&t), 1); /* "#TAB11" defines nothing */
    EXPECT_EQ(t.tables[0], nullptr);
    ASSERT_NE(t.tables[1], nullptr);
    Load_EC1_Table_Values(0, "Nord", &t);
    /* "Nordland" is another annex; both "Nord" entries are read, the later one last */
    EXPECT_DOUBLE_EQ(t.tables[1]->values[0], 3);
    EXPECT_DOUBLE_EQ(t.tables[1]->values[1], 4);
    EXPECT_EQ(t.table_set, 4);
    EXPECT_EQ(t.tab99_values[0], 1);
    EXPECT_EQ(t.tab99_values[9], 10); /* a count of 12 reads 10 numbers */
    /* the user values file: written and read again */
    ASSERT_EQ(Store_EC1_User_Values(0, "Mein Land", &t), 1);
    EXPECT_EQ(
        Read_File(host.dram + "/WUSL-NADs.def"),
        "#NAD\nMein Land\n4\n\n~DATA\n1 0 0\n\n~TAB2\nc\n  3.000  4.000\n\n~TAB99\n 10 0 1 2 3 4 5 6 7 8 9 10\n\n");
    NAD_EC1_Tables u;
    memset(&u, 0, sizeof u);
    Copy_NAD_EC1_Tables(&u, &t);
    EXPECT_EQ(Compare_NAD_EC1_Tables(&u, &t), 0);
    u.tables[1]->values[1] = 4.5;
    EXPECT_EQ(Compare_NAD_EC1_Tables(&u, &t), 1);
    Load_EC1_Table_Values(1, "Mein Land", &u);
    EXPECT_EQ(Compare_NAD_EC1_Tables(&u, &t), 0);
    /* appended to in its place, never through a link planted under its name: the append fails */
    const std::string def = host.dram + "/WUSL-NADs.def", victim = host.dram + "/../opfer.txt";
    const std::string before = Read_File(def);
    ASSERT_EQ(Store_EC1_User_Values(1, "Zweites Land", &t), 1);
    EXPECT_EQ(Read_File(def).rfind(before + "#NAD\nZweites Land\n", 0), 0u);
    Write_File(victim, "opfer\n");
    ASSERT_EQ(unlink(def.c_str()), 0);
    ASSERT_EQ(symlink(victim.c_str(), def.c_str()), 0);
    EXPECT_EQ(Store_EC1_User_Values(1, "Drittes Land", &t), 0);
    EXPECT_EQ(Read_File(victim), "opfer\n");
    unlink(victim.c_str());
    Free_NAD_EC1_Tables(&t);
    Free_NAD_EC1_Tables(&u);
}

TEST(NadEc2, GermanValuesComeFromTheGermanAnnexFile)
{
    Host host;
    host.Install_Repository_Data();
    NAD_EC2_Params b;
    Init_NAD_EC2_Defaults(&b);
    Init_NAD_EC2_German_Values(&b);
    EXPECT_EQ(b.variant, 1);
    EXPECT_DOUBLE_EQ(b.alpha_cc, 0.85);
    EXPECT_DOUBLE_EQ(b.gamma_c[3], 1.3);
    EXPECT_DOUBLE_EQ(b.cot_theta_min, 0.58);
    /* kept: the file is read once */
    Init_NAD_EC2_Defaults(&b);
    Init_NAD_EC2_German_Values(&b);
    EXPECT_DOUBLE_EQ(b.k1_shear, 0.12);
}
