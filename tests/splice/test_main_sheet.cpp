/*
** Tests of the whole program through the headless GUI: the command line and its exit codes, a
** new splice entered on the five pages and saved, read back by a second start, and the window's
** close asking the finish question.
*/
#include <algorithm>
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "catalogue/catalogue.h"
#include "dialogs/dialogs.h"
#include "nad/nad.h"
#include "platform/runtime.h"
#include "platform/zelkwin.h"
#include "splice/splice_app.h"
#include "tests/splice/example_host.h"

namespace {

std::string Slurp(const char *path)
{
    std::ifstream f(path, std::ios::binary);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
}

std::string At(const char *what, int x, int y)
{
    return std::string(what) + " " + std::to_string(x) + " " + std::to_string(y) + "\n";
}

/* Screen base line of row k of a page (view area at y 80, first row 28 below it). */
int Row_Y(int k) { return 80 + 28 + 26 * k; }
/* A click into the float field of the row at screen x and the typed value with Enter; the
** editor moves on to the next field, which a click on an empty spot of the page leaves. */
std::string Enter_Value(int x, int k, const char *value)
{
    return At("click", x, Row_Y(k) - 4) + "type " + value + "\nkey Enter\n"
           + At("click", 1230, 940);
}
std::string Tab(int page) { return At("click", 85 + 150 * page, 62); }
std::string Menu(int entry)
{
    int x = NPIXEL_X - 346 + Main_Icon_Menu.entries[entry - 1].x + 19; /* the sheet's bar */
    int y = Main_Icon_Menu.y + 6 + 18;
    return At("move", x, y) + At("click", x, y);
}

bool Log_Has(const char *prefix, const char *needle)
{
    for (const std::string &l : ZW_Test_Log_Lines())
        if (l.rfind(prefix, 0) == 0 && l.find(needle) != std::string::npos) return true;
    return false;
}

class Program : public ::testing::Test {
  protected:
    char old_cwd[1024];
    std::string dir;

    void SetUp() override
    {
        ASSERT_NE(getcwd(old_cwd, sizeof old_cwd), nullptr);
        const char *name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
        dir = std::string(old_cwd) + "/comp_" + name;
        std::string rm = "rm -rf '" + dir + "'";
        ASSERT_EQ(system(rm.c_str()), 0);
        ASSERT_EQ(mkdir(dir.c_str(), 0755), 0);
        ASSERT_EQ(chdir(dir.c_str()), 0);
        Use_Example_Host();
        setenv("TEMP", dir.c_str(), 1);
        unsetenv("SPLICE_GUI_SCRIPT");
        /* a cold start, as of a new process: what an earlier start read is read again */
        Reset_Vbm_Catalogues();
        Clear_NAD_State();
        Clear_Application_NAD_Registry();
        Clear_Legacy_NAD_List();
        SVA_Forget_Settings();
        Current_Page = PAGE_SYSTEM;
        ZW_Test_Reset();
    }
    void TearDown() override { ASSERT_EQ(chdir(old_cwd), 0); }

    int Run(const std::string &script)
    {
        ZW_Test_Reset();
        ZW_Test_Set_Script(script);
        const char *argv[] = {"splice", "Stoss", "17", "1", "4", nullptr};
        return Splice_Main(5, (char **)argv);
    }
};

} // namespace

TEST_F(Program, FewerThanFourArgumentsPrintTheUsageAndAnswer0)
{
    const char *argv[] = {"splice", "Stoss", "17", "1", nullptr};
    testing::internal::CaptureStdout();
    int rc = Splice_Main(4, (char **)argv);
    std::string out = testing::internal::GetCapturedStdout();
    EXPECT_EQ(rc, 0);
    EXPECT_EQ(out, "usage: splice Bauteilkennung Icon-Id File-Id Pos-Id\n");
    EXPECT_TRUE(ZW_Test_Log_Lines().empty());
}

TEST_F(Program, WithoutExecTheProgramAnswers1BeforeAnyWindow)
{
    unsetenv("EXEC");
    EXPECT_EQ(Run(""), 1);
    EXPECT_FALSE(Log_Has("SHEET", ""));
    EXPECT_FALSE(Log_Has("TITLE", ""));
    EXPECT_STREQ(Inp_File_Name, "Stoss_01.inp");
    EXPECT_STREQ(Oli_File_Name, "Stoss_01.oli");
}

TEST_F(Program, ANewSpliceEnteredOnTheFivePagesIsSavedAndReadBack)
{
    std::ofstream("Stoss_01.txt") << "Zugsto\xe1 Achse 4\nzweite Zeile\n";
    std::string s;
    /* System: tension splice, b = 14 cm, h = 28 cm, side timbers 7 cm (the dowel of 280 mm
    ** passes 7 + 14 + 7 cm). */
    s += At("click", 214, Row_Y(1) - 4);
    s += Enter_Value(360, 9, "14");
    s += Enter_Value(360, 10, "28");
    s += Enter_Value(360, 16, "7");
    /* Fastener page: the default dowel of 12 mm, drawn with its design. */
    s += Tab(1);
    /* Layout: 3 dowels in a row, 2 rows. */
    s += Tab(2);
    s += Enter_Value(360, 1, "3");
    s += Enter_Value(360, 2, "2");
    /* Internal forces: a group with one combination N_d = 40 kN, V_d = 1.5 kN. */
    s += Tab(3);
    s += At("click", 40, Row_Y(2) - 4);
    s += Enter_Value(250, 4, "40");
    s += Enter_Value(360, 4, "1.5");
    s += Tab(4);
    s += "snapshot util.png\n";
    s += Menu(6);
    s += Menu(8);
    s += At("click", NPIXEL_X / 2 + 78, NPIXEL_Y / 2 + 37); /* "ok" with saving */
    EXPECT_EQ(Run(s), 1);

    EXPECT_TRUE(Log_Has("TITLE", "Zugstoß Achse 4"));
    EXPECT_TRUE(Log_Has("TEXT", "Ausnutzungen"));
    EXPECT_TRUE(Log_Has("TEXT", "maximale Ausnutzung"));
    EXPECT_TRUE(Log_Has("TEXT", "maßgebend: Nr. 1 (Gruppe 1, Kombination 1)"));
    EXPECT_FALSE(Log_Has("MESSAGE", ""));
    std::string saved = Slurp("Stoss_01.inp");
    ASSERT_FALSE(saved.empty());
    EXPECT_EQ(saved.rfind("SPLICE 202\nSYSTEM 0 1 1 ", 0), 0u);

    EXPECT_EQ(Splice_Input.splice_kind, SPLICE_TENSION);
    EXPECT_EQ(Splice_Input.b, 14.0);
    EXPECT_EQ(Splice_Input.h, 28.0);
    EXPECT_EQ(Splice_Input.t_s, 7.0);
    int slot = VBM_TYPE_SLOT(Splice_Input.vbm_type);
    EXPECT_EQ(Splice_Input.n_col[slot], 3.0);
    EXPECT_EQ(Splice_Input.n_row[slot], 2.0);
    EXPECT_EQ(Splice_Input.lkom.groups[0].used, 1);
    EXPECT_EQ(Splice_Input.lkom.groups[0].entries[0].N_d, 40.0);
    EXPECT_EQ(Splice_Input.lkom.groups[0].entries[0].V_d, 1.5);

    /* A second start reads the same values; a script that ends without an answer ends
    ** without saving. */
    Set_Splice_Input_Defaults(&Splice_Input);
    EXPECT_EQ(Run(Tab(4)), 1);
    EXPECT_EQ(Splice_Input.splice_kind, SPLICE_TENSION);
    EXPECT_EQ(Splice_Input.b, 14.0);
    EXPECT_EQ(Splice_Input.h, 28.0);
    EXPECT_EQ(Splice_Input.n_col[slot], 3.0);
    EXPECT_EQ(Splice_Input.n_row[slot], 2.0);
    EXPECT_EQ(Splice_Input.lkom.groups[0].entries[0].N_d, 40.0);
    EXPECT_EQ(Splice_Input.lkom.groups[0].entries[0].V_d, 1.5);
    EXPECT_TRUE(Log_Has("TEXT", "maximale Ausnutzung"));
    EXPECT_EQ(Slurp("Stoss_01.inp"), saved);
}

/* A title file saved by another program, in UTF-8 or code page 1252, shows its title right. */
TEST_F(Program, ATitleOfAnotherCodePageIsReadByTheCodePageRule)
{
    for (const char *title : {"Zugsto\xC3\x9F \xC3\x84nderung\n", "Zugsto\xDF \xC4nderung\n"}) {
        std::ofstream("Stoss_01.txt", std::ios::binary) << title;
        EXPECT_EQ(Run(""), 1);
        EXPECT_TRUE(Log_Has("TITLE", "TITLE Zugstoß Änderung")) << title;
    }
}

TEST_F(Program, ClosingTheWindowAsksTheFinishQuestion)
{
    /* The close is answered with "abbrechen": the program stays; then the script ends. */
    std::string s = "close\n" + At("click", NPIXEL_X / 2 - 84, NPIXEL_Y / 2 + 37);
    s += Enter_Value(360, 9, "15");
    EXPECT_EQ(Run(s), 1);
    EXPECT_TRUE(Log_Has("CLOSE", ""));
    EXPECT_TRUE(Log_Has("SHEET 2", ""));
    EXPECT_EQ(Splice_Input.b, 15.0); /* the editing went on after the question */
    struct stat st;
    EXPECT_NE(stat("Stoss_01.inp", &st), 0); /* nothing saved without an answer */

    /* Closed again and answered with "ok": saved. */
    s = Enter_Value(360, 9, "16") + "close\n" + At("click", NPIXEL_X / 2 + 78, NPIXEL_Y / 2 + 37);
    EXPECT_EQ(Run(s), 1);
    Set_Splice_Input_Defaults(&Splice_Input);
    ASSERT_EQ(Read_Splice_Input_File("Stoss_01.inp", &Splice_Input, 0), 1);
    EXPECT_EQ(Splice_Input.b, 16.0);
}

TEST_F(Program, ADamagedInputFileStartsWithAMessageAndTheDefaults)
{
    std::ofstream("Stoss_01.inp") << "SPLICE 200\nSYSTEM 0 1 1 0 5\n\x01\x02 garbage";
    EXPECT_EQ(Run(""), 1);
    EXPECT_TRUE(Log_Has("MESSAGE", "Stoss_01.inp"));
    EXPECT_EQ(Splice_Input.splice_kind, SPLICE_BENDING);
    EXPECT_EQ(Splice_Input.b, 12.0);
}

/* Each example computes, prints its print list with the three plots into a PDF and is valid:
** designs an office would build, none of them failing (the compression splice's plates of 12 mm
** keep the largest spacing 160 mm <= 14 t = 168 mm). The compression splice with the imposed
** load's M_k = 2 kNm as well: its combinations with a moment say that it is not checked and that
** the bending splice designs N_d together with M_d, the governing line marks its M_d (1.5 * 0.7
** * 2 = 2.10 kNm where the snow leads), and its result is "incomplete". The compression splice
** with an earthquake of N_k = -150 kN, V_k = 5 kN as well: the seismic combinations take it with
** both signs (EN 1998-1, 4.3.3.5), and G - A_Ed pulls, -80 + 150 = 70 kN, with psi_2,E Q (0.3 x
** -60) 52 kN, with psi_2,E S (0.5 x -40) 50 kN, with both 32 kN, V_d -5 and -5 + 0.3 x 3 = -4.1
** kN: the last four of the 18 combinations (the four of +A_Ed before them), which the page and
** the report name as Nr. 15 to 18 of the table and say to check with the tension splice; the
** report's table lists them marked. */
TEST_F(Program, TheExamplesComputeAndPrint)
{
    const struct {
        const char *name;
        bool moment;
        bool quake;
    } cases[] = {{"zugstoss_nagel", false, false},
                 {"biegestoss_stabduebel", false, false},
                 {"druckstoss_bolzen", false, false},
                 {"druckstoss_bolzen", true, false},
                 {"druckstoss_bolzen", false, true}};
    for (const auto &c : cases) {
        const char *name = c.name;
        const bool moment = c.moment, quake = c.quake;
        SCOPED_TRACE(moment ? "mit M_k" : quake ? "mit Erdbeben" : "");
        std::string src = std::string(SPLICE_SOURCE_DIR) + "/examples/" + name;
        std::string cp = "cp '" + src + "'/* .";
        ASSERT_EQ(system(cp.c_str()), 0) << name;
        std::string base = name;
        const std::string with_moment =
            "sed -i 's/^ACTION 2 1 2 0 -60 /ACTION 2 1 2 2 -60 /' " + base + "_01.inp";
        if (moment) { ASSERT_EQ(system(with_moment.c_str()), 0); }
        const std::string with_quake = "sed -i 's/^REMARKS /ACTION 5 1 4 0 -150 5 1 1 1 1 1 "
                                       "Erdbeben\\nREMARKS /' "
                                       + base + "_01.inp";
        if (quake) { ASSERT_EQ(system(with_quake.c_str()), 0); }
        const std::string input = Slurp((base + "_01.inp").c_str());
        ZW_Test_Reset();
        ZW_Test_Set_Script(Tab(4) + Menu(4));
        const char *argv[] = {"splice", name, "1", "1", "1", nullptr};
        ASSERT_EQ(Splice_Main(5, (char **)argv), 1) << name;
        EXPECT_EQ(Log_Has("TEXT", "Nachweis erfüllt"), !moment && !quake) << name;
        EXPECT_EQ(Log_Has("TEXT", "Nachweis unvollständig (siehe Wichtig!)"), moment || quake)
            << name;
        EXPECT_EQ(Log_Has("TEXT", "Wichtig! 4 Lastkombinationen mit N_d ≥ 0 werden beim Druckstoß "
                                  "nicht nachgewiesen, max |N_d| = 70.00 kN, max |V_d| = 5.00 kN. "
                                  "Diese Kombinationen mit der Stoßart Zugstoß nachweisen"),
                  quake)
            << name;
        EXPECT_EQ(Log_Has("TEXT", "Nicht nachgewiesen: Nr. 15 bis 18"), quake) << name;
        /* and why the tension splice cannot check this geometry (bolts M20, a3,c = 4 d = 8 cm):
        ** its a3,t = max(7 d; 80 mm) = 14 cm is more than the outer plates of 12 mm allow the
        ** compression splice, 2 a3 <= 168 mm (EN 1993-1-8, Table 3.3, note 1): said first, with
        ** no geometry to give (a3 = 8.00 cm, which the tension splice would refuse) */
        EXPECT_EQ(Log_Has("TEXT", "Kein a3 genügt beiden Stoßarten: der Zugstoß verlangt a3,t = "
                                  "14.00 cm, die gedrückten Bleche des Druckstoßes erlauben "
                                  "höchstens a3 = 8.40 cm"),
                  quake)
            << name;
        EXPECT_EQ(Log_Has("TEXT", "Für den Zugstoß zu klein: a3 = 8.00 cm < a3,t = 14.00 cm"),
                  quake)
            << name;
        EXPECT_FALSE(Log_Has("TEXT", "sonst legt der Zugstoß sie neu fest")) << name;
        if (quake) {
            const std::string print = Slurp((base + "_01.oli").c_str());
            for (const char *row : {"\n  15   70.00   -5.00  1.10   E   nicht nachgewiesen ",
                                    "\n  18   32.00   -4.10  1.10   E   nicht nachgewiesen ",
                                    "\n Nicht nachgewiesen: Nr. 15 bis 18\n"})
                EXPECT_NE(print.find(row), std::string::npos) << row << print;
        }
        EXPECT_EQ(Log_Has("TEXT", "Wichtig! M_d wird beim Druckstoß nicht nachgewiesen: 6 "
                                  "Lastkombinationen mit M_d, max |M_d| = 3.00 kNm; N_d zusammen "
                                  "mit M_d weist der Biegestoß nach"),
                  moment)
            << name;
        EXPECT_EQ(
            Log_Has(
                "TEXT",
                "Nr. 6 (Gruppe 3, Kombination 2), M_d = 2.10 kNm nicht berücksichtigt, N_d = -231.00 kN"),
            moment)
            << name;
        EXPECT_FALSE(Log_Has("TEXT", "NICHT")) << name;
        EXPECT_TRUE(Log_Has("MESSAGE", "gedruckt")) << name;
        struct stat st;
        for (const std::string &f : {base + "_01.oli", base + "01.SPF", base + "02.SPF",
                                     base + "03.SPF", base + "_01.oli.pdf"})
            EXPECT_EQ(stat(f.c_str(), &st), 0) << f;
        /* Ending without an answer leaves the example's input as it was. */
        EXPECT_EQ(Slurp((base + "_01.inp").c_str()), input);
    }
}

/*
** A print whose files cannot all be written: whether the disk fills up in the print list or
** only in the PDF, the files of the last print stay byte for byte, a box names the file and
** the reason, and the success message does not appear.
*/
TEST_F(Program, APrintOntoAFullDiskKeepsTheLastReport)
{
    const std::string name = "zugstoss_nagel";
    const std::string src = std::string(SPLICE_SOURCE_DIR) + "/examples/" + name;
    ASSERT_EQ(system(("cp '" + src + "'/* .").c_str()), 0);
    const char *argv[] = {"splice", "zugstoss_nagel", "1", "1", "1", nullptr};
    ZW_Test_Set_Script(Tab(4) + Menu(4));
    ASSERT_EQ(Splice_Main(5, (char **)argv), 1);
    const std::vector<std::string> files = {name + "_01.oli", name + "01.SPF", name + "02.SPF",
                                            name + "03.SPF", name + "_01.oli.pdf"};
    std::vector<std::string> before;
    long long report = 0; /* bytes of the print list and the plots */
    for (size_t i = 0; i < files.size(); i++) {
        before.push_back(Slurp(files[i].c_str()));
        ASSERT_FALSE(before.back().empty()) << files[i];
        if (i < 4) report += (long long)before.back().size();
    }
    /* the next print has another title of the same length, so that every file would change */
    {
        std::ofstream title(name + "_01.txt", std::ios::binary);
        title << "Zugstoss mit Naegeln, Variante 2\n";
    }
    const std::string full_at[] = {"list", "pdf"};
    for (const std::string &where : full_at) {
        SCOPED_TRACE(where);
        ZW_Test_Reset();
        ZW_Test_Set_Script(Tab(4) + Menu(4));
        Rt_Set_Write_Budget(where == "list" ? 100 : report + (long long)before[4].size() / 2);
        const int rc = Splice_Main(5, (char **)argv);
        Rt_Set_Write_Budget(-1);
        ASSERT_EQ(rc, 1);
        for (size_t i = 0; i < files.size(); i++) {
            EXPECT_TRUE(Slurp(files[i].c_str()) == before[i]) << files[i];
            struct stat st;
            EXPECT_NE(stat(Rt_Safe_Temp_Name_Of(files[i].c_str()), &st), 0) << files[i];
        }
        EXPECT_FALSE(Log_Has("MESSAGE", "gedruckt"));
        EXPECT_TRUE(Log_Has("MESSAGE", "kann nicht geschrieben werden"));
        EXPECT_TRUE(Log_Has("MESSAGE", "Der Datenträger ist voll."));
        if (where == "pdf") {
            EXPECT_TRUE(Log_Has("MESSAGE", "Die Datei zugstoss_nagel_01.oli.pdf |"));
        } else {
            bool named = false;
            for (size_t i = 0; i < 4; i++)
                named = named || Log_Has("MESSAGE", ("Die Datei " + files[i] + " |").c_str());
            EXPECT_TRUE(named);
        }
    }
    /* a limit of the file size (ulimit -f) fails the print's first write with EFBIG as a full
    ** disk does, in a box, instead of ending the program by SIGXFSZ without a word */
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const struct rlimit limit = {100, 100};
        if (setrlimit(RLIMIT_FSIZE, &limit) != 0) _exit(4);
        ZW_Test_Reset();
        ZW_Test_Set_Script(Tab(4) + Menu(4));
        const int rc = Splice_Main(5, (char **)argv);
        const bool said = Log_Has("MESSAGE", "kann nicht geschrieben werden: | Die Datei wird zu "
                                             "gro\xC3\x9F.");
        _exit(rc == 1 && said && Slurp(files[0].c_str()) == before[0] ? 0 : 3);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0)
        << "signal " << (WIFSIGNALED(status) ? WTERMSIG(status) : 0);
    /* with room on the disk the new print replaces all of the old one */
    ZW_Test_Reset();
    ZW_Test_Set_Script(Tab(4) + Menu(4));
    ASSERT_EQ(Splice_Main(5, (char **)argv), 1);
    EXPECT_TRUE(Log_Has("MESSAGE", "gedruckt"));
    EXPECT_NE(Slurp(files[0].c_str()).find("Variante 2"), std::string::npos);
    EXPECT_FALSE(Slurp(files[4].c_str()) == before[4]);
}

/* Links and files planted beside the print's files and the input file by someone who may write
** into the component's folder: the print and the save write only new regular files of their own
** names, never through a link or into a file that was there before, and a file outside the folder
** keeps its bytes; the print reports success because every file really was written. */
TEST_F(Program, PlantedLinksNeverLetAPrintOrASaveWriteOutsideTheFolder)
{
    const std::string name = "zugstoss_nagel";
    const std::string src = std::string(SPLICE_SOURCE_DIR) + "/examples/" + name;
    ASSERT_EQ(system(("cp '" + src + "'/* .").c_str()), 0);
    const std::string victim = dir + "_opfer.txt"; /* beside the folder, not in it */
    const std::string victim_name =
        "../comp_PlantedLinksNeverLetAPrintOrASaveWriteOutsideTheFolder_opfer.txt";
    std::ofstream(victim, std::ios::binary) << "opfer\n";
    const std::string list = name + "_01.oli";
    ASSERT_EQ(symlink(victim_name.c_str(), Rt_Safe_Temp_Name_Of(list.c_str())), 0);
    ASSERT_EQ(link(victim.c_str(), Rt_Safe_Temp_Name_Of((name + "01.SPF").c_str())), 0);
    std::ofstream(Rt_Safe_Temp_Name_Of((name + "02.SPF").c_str()), std::ios::binary) << "alt\n";
    ASSERT_EQ(symlink(victim_name.c_str(), (name + "03.SPF").c_str()), 0);
    ASSERT_EQ(symlink(victim_name.c_str(), Rt_Safe_Temp_Name_Of((list + ".pdf").c_str())), 0);
    ASSERT_EQ(symlink(victim_name.c_str(), Rt_Safe_Temp_Name_Of((name + "_01.inp").c_str())), 0);
    const char *argv[] = {"splice", "zugstoss_nagel", "1", "1", "1", nullptr};
    ZW_Test_Set_Script(Tab(4) + Menu(4) + Menu(6));
    ASSERT_EQ(Splice_Main(5, (char **)argv), 1);
    EXPECT_TRUE(Log_Has("MESSAGE", "gedruckt"));
    EXPECT_EQ(Slurp(victim.c_str()), "opfer\n");
    const std::vector<std::string> files = {
        list, name + "01.SPF", name + "02.SPF", name + "03.SPF", list + ".pdf", name + "_01.inp"};
    for (const std::string &f : files) {
        struct stat st;
        ASSERT_EQ(lstat(f.c_str(), &st), 0) << f;
        EXPECT_TRUE(S_ISREG(st.st_mode)) << f;
        EXPECT_EQ(st.st_nlink, 1u) << f;
        EXPECT_NE(lstat(Rt_Safe_Temp_Name_Of(f.c_str()), &st), 0) << f;
    }
    EXPECT_NE(Slurp(list.c_str()).find("\xCE"), std::string::npos);
    EXPECT_EQ(Slurp((name + "02.SPF").c_str()).find("alt\n"), std::string::npos);
    EXPECT_EQ(Slurp((list + ".pdf").c_str()).rfind("%PDF-", 0), 0u);
    EXPECT_NE(Slurp((name + "_01.inp").c_str()).find("LAYOUT 0 8 5 "), std::string::npos);
    unlink(victim.c_str());
}

/* The number of a process that has ended. */
static pid_t Ended_Pid(void)
{
    const pid_t child = fork();
    if (child == 0) _exit(0);
    waitpid(child, nullptr, 0);
    return child;
}

/* What a killed print or save left behind (its temporary files, up to tens of megabytes) is
** removed when the program starts: only the files of this component and file number (and of
** every number, the input and title files that a save under another name writes), also those of a
** killed put-back of a file kept aside, each only where its process no longer runs (the number of
** this process stands for one that ran before it), a link and not what it points to, and never a
** folder, a file of another name or one of a process that still runs. */
TEST_F(Program, AStartRemovesTheTemporaryFilesOfAKilledPrint)
{
    const std::string victim = dir + "_opfer.txt";
    std::ofstream(victim, std::ios::binary) << "opfer\n";
    const std::string ended = std::to_string(Ended_Pid()), own = std::to_string(getpid());
    const std::vector<std::string> stale = {"Stoss_01.oli.tmp",
                                            "Stoss01.SPF.tmp",
                                            "Stoss02.SPF.tmp",
                                            "Stoss03.SPF.tmp",
                                            "Stoss_01.oli.pdf.tmp",
                                            "Stoss_01.inp.tmp",
                                            "Stoss_01.oli." + ended + ".tmp",
                                            "Stoss01.SPF.old." + ended + ".tmp",
                                            "Stoss_03.inp." + ended + ".tmp",
                                            "Stoss_03.txt." + own + ".tmp"};
    for (const std::string &f : stale)
        if (f != "Stoss02.SPF.tmp") std::ofstream(f, std::ios::binary) << std::string(100000, 'x');
    ASSERT_EQ(symlink(("../comp_AStartRemovesTheTemporaryFilesOfAKilledPrint_opfer.txt"),
                      "Stoss02.SPF.tmp"),
              0);
    const std::vector<std::string> others = {"Stoss_02.oli.tmp",
                                             "Andere_01.oli.tmp",
                                             "Stoss_01.oli.tmp2",
                                             "notiz.tmp",
                                             "Stoss04.SPF.tmp",
                                             "Stoss_01.oli",
                                             "Stoss_01.oli." + std::to_string(getppid()) + ".tmp"};
    for (const std::string &f : others) std::ofstream(f, std::ios::binary) << "bleibt\n";
    /* the lock of the killed window, which no process holds, is taken over with a hint */
    std::ofstream("Stoss.lck") << "4711 rechner\n";
    EXPECT_EQ(Run(""), 1);
    struct stat st;
    for (const std::string &f : stale) EXPECT_NE(lstat(f.c_str(), &st), 0) << f;
    for (const std::string &f : others) EXPECT_EQ(Slurp(f.c_str()), "bleibt\n") << f;
    EXPECT_EQ(Slurp(victim.c_str()), "opfer\n");
    EXPECT_TRUE(Log_Has("MESSAGE [Hinweis] Das Bauteil Stoss war noch als ge\xC3\xB6"
                        "ffnet vermerkt",
                        "(Prozess 4711 auf dem Rechner rechner), der nicht mehr l\xC3\xA4uft."));
    EXPECT_NE(lstat("Stoss.lck", &st), 0); /* gone with the window */
    unlink(victim.c_str());
}

/* The window that holds the lock of the row below (another user's, which may not write the lock
** file), and the end of it that the save of the second window brings about. */
static pid_t Holder = 0;
static int Holder_Ends = -1;
static void End_Holder(const char *)
{
    Rt_Set_Install_Hook(nullptr);
    if (Holder <= 0) return;
    close(Holder_Ends);
    waitpid(Holder, nullptr, 0);
    Holder = 0;
}

/* A second window of a component that another window has open (its lock held, also by a window of
** another user that may only read the lock file, or whose lock file was removed by hand) is told
** so and opens it read-only, as where no lock can be taken (a folder, a link or a pipe under the
** lock file's name, a full disk or a limit of the file size that cuts the lock file's line: the box
** says why and how to go on): its title says so as long as it runs; it leaves the other window's
** work files, prints nothing (the refusal names the print, the preview or the plans) and saves
** only under another name, the next free file number, with its title file and a hint how to open
** it; above the pages the read-only line stays, with where the copy went below it. Once the other
** window has ended, its boxes no longer name it as open. */
TEST_F(Program, ASecondWindowOpensTheComponentReadOnly)
{
    enum { HELD, REMOVED, OTHER_USER, FOLDER, LINK, PIPE };
    bool other_user_left_out = false; /* the row OTHER_USER, which a skip names at the end */
    const struct {
        int how;
        const char *opened, *print;
    } rows[] = {
        {HELD,
         "MESSAGE [Bauteil ge\xC3\xB6"
         "ffnet] Das Bauteil Stoss ist bereits in einem anderen Fenster ge\xC3\xB6"
         "ffnet | (Prozess ",
         "ist in einem anderen Fenster ge\xC3\xB6"
         "ffnet (Prozess "},
        /* its lock file removed by hand: the other window still holds the component */
        {REMOVED,
         "MESSAGE [Bauteil ge\xC3\xB6"
         "ffnet] Das Bauteil Stoss ist bereits in einem anderen Fenster ge\xC3\xB6"
         "ffnet. | Dieses Fenster",
         "ist in einem anderen Fenster ge\xC3\xB6"
         "ffnet. | Nur dort wird gedruckt"},
        {OTHER_USER,
         "MESSAGE [Bauteil ge\xC3\xB6"
         "ffnet] Das Bauteil Stoss ist bereits in einem anderen Fenster ge\xC3\xB6"
         "ffnet. | Dieses Fenster",
         "war beim Start dieses Fensters in einem anderen Fenster ge\xC3\xB6"
         "ffnet; jenes Fenster ist inzwischen beendet. | Dieses Fenster ist "
         "schreibgesch\xC3\xBCtzt und druckt nicht. | Zum Bearbeiten das Bauteil neu "
         "\xC3\xB6"
         "ffnen."},
        {FOLDER,
         "MESSAGE [Bauteil schreibgesch\xC3\xBCtzt] Das Bauteil Stoss kann nicht f\xC3\xBCr "
         "dieses Fenster gesperrt werden. | Unter dem Namen Stoss.lck steht ein Ordner.",
         "Zum Bearbeiten den Ordner Stoss.lck entfernen und das Bauteil neu \xC3\xB6"
         "ffnen."},
        {LINK,
         "MESSAGE [Bauteil schreibgesch\xC3\xBCtzt] Das Bauteil Stoss kann nicht f\xC3\xBCr "
         "dieses Fenster gesperrt werden. | Unter dem Namen Stoss.lck steht eine "
         "Verkn\xC3\xBCpfung auf /nirgends/Stoss.lck.",
         "Zum Bearbeiten die Verkn\xC3\xBCpfung Stoss.lck l\xC3\xB6schen und das Bauteil "
         "neu \xC3\xB6"
         "ffnen."},
        {PIPE,
         "MESSAGE [Bauteil schreibgesch\xC3\xBCtzt] Das Bauteil Stoss kann nicht f\xC3\xBCr "
         "dieses Fenster gesperrt werden. | Unter dem Namen Stoss.lck steht eine Pipe (FIFO) und "
         "keine Datei.",
         "Zum Bearbeiten die Pipe Stoss.lck l\xC3\xB6schen und das Bauteil neu \xC3\xB6"
         "ffnen."},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.how);
        ASSERT_EQ(system("rm -rf Stoss*"), 0);
        Rt_Lock *first = nullptr;
        if (row.how == HELD || row.how == REMOVED)
            first = Rt_Lock_Take("Stoss.lck", nullptr, nullptr, 0);
        if (row.how == REMOVED) { ASSERT_EQ(unlink("Stoss.lck"), 0); }
        const int made = row.how == FOLDER ? mkdir("Stoss.lck", 0755)
                         : row.how == LINK ? symlink("/nirgends/Stoss.lck", "Stoss.lck")
                         : row.how == PIPE ? mkfifo("Stoss.lck", 0644)
                                           : 0;
        ASSERT_EQ(made, 0);
        if (row.how == OTHER_USER) {
            /* a lock file that the holder's user may not write: root takes another user's */
            ASSERT_EQ(close(open("Stoss.lck", O_CREAT | O_WRONLY, 0444)), 0);
            int ready[2], ends[2];
            ASSERT_EQ(pipe(ready) | pipe(ends), 0);
            Holder = fork();
            if (Holder == 0) {
                close(ready[0]);
                close(ends[1]);
                const bool other_user =
                    geteuid() != 0
                    || (setresgid(65534, 65534, 65534) == 0 && setresuid(65534, 65534, 65534) == 0);
                const char taken =
                    !other_user ? 2 : Rt_Lock_Take("Stoss.lck", nullptr, nullptr, 0) != nullptr;
                char end;
                if (write(ready[1], &taken, 1) != 1 || read(ends[0], &end, 1) < 0) _exit(4);
                _exit(0);
            }
            close(ready[1]);
            close(ends[0]);
            Holder_Ends = ends[1];
            char taken = 0;
            ASSERT_EQ(read(ready[0], &taken, 1), 1);
            close(ready[0]);
            if (taken == 2) { /* root that may not become another user: no such holder here */
                End_Holder(nullptr);
                other_user_left_out = true;
                continue;
            }
            EXPECT_EQ(taken, 1);
        }
        std::ofstream("Stoss_01.oli.4711.tmp") << "druckt gerade\n";
        std::ofstream("Stoss_01.inp.tmp") << "speichert gerade\n";
        const std::string script = Tab(4) + Menu(MENU_SAVE) + "answer yes\n" + Menu(MENU_PRINT)
                                   + Menu(MENU_PREVIEW) + Menu(MENU_PLANS);
        Rt_Set_Install_Hook(End_Holder);
        EXPECT_EQ(Run(script), 1);
        Rt_Set_Install_Hook(nullptr);
        End_Holder(nullptr);
        Rt_Lock_Release(first);
        /* and how to go on where that window has ended without freeing the mark */
        EXPECT_TRUE(Log_Has(row.opened, row.how > OTHER_USER
                                            ? ""
                                            : "kein Fenster mehr | (nach einem Absturz), zuvor "
                                              "die Sperrdatei Stoss.lck l\xC3\xB6schen."));
        EXPECT_TRUE(Log_Has("TITLE Stoss (schreibgesch\xC3\xBCtzt)", ""));
        EXPECT_EQ(Slurp("Stoss_01.oli.4711.tmp"), "druckt gerade\n");
        EXPECT_EQ(Slurp("Stoss_01.inp.tmp"), "speichert gerade\n");
        struct stat st;
        EXPECT_NE(stat("Stoss_01.oli", &st), 0);
        EXPECT_TRUE(Log_Has("MESSAGE [Drucken] Das Bauteil Stoss", row.print));
        EXPECT_TRUE(Log_Has("MESSAGE [Vorschau] Das Bauteil Stoss", row.print));
        EXPECT_TRUE(Log_Has("MESSAGE [Pl\xC3\xA4ne] Das Bauteil Stoss", row.print));
        /* the copy does not make this window the copy's: the read-only line stays */
        EXPECT_TRUE(Log_Has("TEXT 14 24 Schreibgesch\xC3\xBCtzt: dieses Fenster speichert nur "
                            "unter einem anderen Namen und druckt nicht.",
                            ""));
        /* the folder's whole path, cut in front to the band where it is too long */
        EXPECT_TRUE(Log_Has("TEXT 14 41 Kopie gespeichert: ", "/Stoss_02.inp"));
        EXPECT_FALSE(Log_Has("TEXT 14 32 gespeichert:", ""));
        EXPECT_TRUE(Log_Has("QUESTION [Speichern] Das Bauteil Stoss", "nur unter einem"));
        EXPECT_NE(stat("Stoss_01.inp", &st), 0);
        EXPECT_NE(Slurp("Stoss_02.inp").find("SPLICE "), std::string::npos);
        EXPECT_EQ(Slurp("Stoss_02.txt"), "Stoss\n");
        EXPECT_TRUE(Log_Has("MESSAGE [Speichern] Die Eingaben wurden unter ",
                            "Zum Bearbeiten im Bauteil Stoss die Datei Nr. 2 \xC3\xB6"
                            "ffnen."));
    }
    /* a disk that fills up after 4 bytes of the lock file's line: its own words and advice,
    ** where the box advised asking for write permission */
    ASSERT_EQ(system("rm -rf Stoss*"), 0);
    Rt_Set_Write_Budget(4);
    EXPECT_EQ(Run(""), 1);
    Rt_Set_Write_Budget(-1);
    EXPECT_TRUE(Log_Has("MESSAGE [Bauteil schreibgesch\xC3\xBCtzt] Das Bauteil Stoss kann nicht "
                        "f\xC3\xBCr dieses Fenster gesperrt werden. | Die Sperrdatei Stoss.lck "
                        "kann nicht geschrieben werden: Der Datentr\xC3\xA4ger ist voll.",
                        "Zum Bearbeiten Platz auf dem Datentr\xC3\xA4ger schaffen und das Bauteil "
                        "neu \xC3\xB6"
                        "ffnen."));
    /* "<pid> <host>\n" past a limit of the file size of 4 bytes (ulimit -f): the first write
    ** takes 4 bytes, the rest answers EFBIG, where the short write alone left the box with "Kein
    ** Fehler" or a stale cause and the advice to ask for write permission. Run in a child, whose
    ** limit ends with it. */
    ASSERT_EQ(system("rm -rf Stoss*"), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const struct rlimit limit = {4, 4};
        if (setrlimit(RLIMIT_FSIZE, &limit) != 0) _exit(4);
        const int rc = Run("");
        const bool said =
            Log_Has("MESSAGE [Bauteil schreibgesch\xC3\xBCtzt] Das Bauteil Stoss kann nicht "
                    "f\xC3\xBCr dieses Fenster gesperrt werden. | Die Sperrdatei Stoss.lck kann "
                    "nicht geschrieben werden: Sie \xC3\xBC"
                    "berschreitet die Grenze der Dateigr\xC3\xB6\xC3\x9F"
                    "e (ulimit -f).",
                    "Zum Bearbeiten die Grenze der Dateigr\xC3\xB6\xC3\x9F"
                    "e (ulimit -f) heben lassen und das Bauteil neu \xC3\xB6"
                    "ffnen.");
        _exit(rc == 1 && said ? 0 : 3);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0)
        << "signal " << (WIFSIGNALED(status) ? WTERMSIG(status) : 0) << " exit "
        << (WIFEXITED(status) ? WEXITSTATUS(status) : -1);
    if (other_user_left_out)
        GTEST_SKIP() << "root here may not become another user (setresuid to 65534 refused): "
                        "the row of a lock held by another user was left out";
}

/* A pipe (FIFO) or a link to a device standing under a name the program reads at its start (the
** input file, the title file, an annex file below DRAM, a catalogue file, the help file, the user
** settings, a bitmap, the EN 1991 tables, an application's annex list) never keeps it from
** starting: each is named in a box as a file that cannot be read, and the program goes on as
** without that file. */
TEST_F(Program, APipeOrADeviceUnderAFileNameNeverHangsTheStart)
{
    const std::string src = std::string(SPLICE_SOURCE_DIR) + "/environment";
    ASSERT_EQ(system(("cp -r '" + src + "' env && mkdir -p env/dram/NADS").c_str()), 0);
    setenv("EXEC", (dir + "/env/exec").c_str(), 1);
    setenv("DATA", (dir + "/env/data").c_str(), 1);
    setenv("DRAM", (dir + "/env/dram").c_str(), 1);
    setenv("SPLICE_PRIVATE_DATA", (dir + "/env/exec/splice").c_str(), 1);
    const std::string pipe = "Der Name bezeichnet eine Pipe und keine Datei.",
                      device = "Der Name bezeichnet ein Ger\xC3\xA4t und keine Datei.";
    const struct {
        std::string path, target, box;
    } planted[] = {
        {"Stoss_01.inp", "",
         "Die Eingabedatei Stoss_01.inp | kann nicht gelesen werden: | " + pipe},
        {"Stoss_01.txt", "/dev/zero",
         "Die Titeldatei Stoss_01.txt | kann nicht gelesen werden: | " + device},
        {dir + "/env/dram/NADS/1.NAD", "",
         "/env/dram/NADS/1.NAD | kann nicht gelesen werden: | " + pipe},
        {dir + "/env/exec/splice/ec5_nagel.dat", "/dev/urandom",
         "/env/exec/splice/ec5_nagel.dat kann nicht gelesen werden: " + device},
        {dir + "/env/exec/splice/splice.hlp", "",
         "/env/exec/splice/splice.hlp | kann nicht gelesen werden: | " + pipe},
        {dir + "/env/exec/splice/user.ini", "/dev/zero",
         "/env/exec/splice/user.ini | kann nicht gelesen werden: | " + device},
        {dir + "/env/exec/splice/bitmaps/Buttons.bmp", "",
         "/env/exec/splice/bitmaps/Buttons.bmp | kann nicht gelesen werden: | " + pipe},
        {dir + "/env/data/NAD/WUSL-Tabs.def", "/dev/zero",
         "/env/data/NAD/WUSL-Tabs.def | kann nicht gelesen werden: | " + device},
        {dir + "/env/exec/splice/APP0242.DEF", "",
         "/env/exec/splice/APP0242.DEF | kann nicht gelesen werden: | " + pipe},
    };
    for (const auto &p : planted) {
        unlink(p.path.c_str());
        if (p.target.empty()) {
            ASSERT_EQ(mkfifo(p.path.c_str(), 0644), 0) << p.path;
        } else {
            ASSERT_EQ(symlink(p.target.c_str(), p.path.c_str()), 0) << p.path;
        }
    }
    /* in a child first, which a reader that waits or reads for ever could not leave */
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        alarm(60);
        _exit(Run("") == 1 ? 0 : 3);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0)
        << "the start did not end (signal " << (WIFSIGNALED(status) ? WTERMSIG(status) : 0) << ")";
    EXPECT_EQ(Run(""), 1);
    /* the catalogue reader says it in the box of its own messages */
    for (const auto &p : planted)
        EXPECT_TRUE(
            Log_Has(p.path.find(".dat") != std::string::npos ? "PRINT" : "MESSAGE", p.box.c_str()))
            << p.box;
    /* as without the files: the component's name is the title, a new splice */
    EXPECT_TRUE(Log_Has("TITLE", "Stoss"));
    struct stat st;
    EXPECT_EQ(lstat("Stoss_01.inp", &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode));
}

/* A print of a splice that fails its validation (one nail per half) writes nothing: the print
** list, the plots and the PDF of the last good print stay byte for byte, and no success message.
** Nor does a print, preview or plans stopped from its progress dialog: Esc or its button
** "Abbrechen" (the script's sleep is the time the action takes, after which the dialog is open);
** the preview of the same print list stops while it lays the pages out, the print and the plans
** of a new title while they print the PDF; a box says that the last print stands. */
TEST_F(Program, ARefusedOrStoppedPrintKeepsTheLastReport)
{
    const std::string name = "zugstoss_nagel";
    const std::string src = std::string(SPLICE_SOURCE_DIR) + "/examples/" + name;
    ASSERT_EQ(system(("cp '" + src + "'/* .").c_str()), 0);
    const char *argv[] = {"splice", "zugstoss_nagel", "1", "1", "1", nullptr};
    ZW_Test_Set_Script(Tab(4) + Menu(4));
    ASSERT_EQ(Splice_Main(5, (char **)argv), 1);
    ASSERT_TRUE(Log_Has("MESSAGE", "gedruckt"));
    const std::vector<std::string> files = {name + "_01.oli", name + "01.SPF", name + "02.SPF",
                                            name + "03.SPF", name + "_01.oli.pdf"};
    std::vector<std::string> before;
    for (const std::string &f : files) {
        before.push_back(Slurp(f.c_str()));
        ASSERT_FALSE(before.back().empty()) << f;
    }
    auto kept = [&](const char *what) {
        for (size_t i = 0; i < files.size(); i++) {
            EXPECT_TRUE(Slurp(files[i].c_str()) == before[i]) << what << " " << files[i];
            struct stat st;
            EXPECT_NE(stat(Rt_Safe_Temp_Name_Of(files[i].c_str()), &st), 0) << what << files[i];
        }
    };
    /* the button "Abbrechen" of the dialog 434 x 155 pixels centred on the screen: 110 x 24
    ** pixels centred 14 + 34 / 2 pixels above the sheet's bottom at 480 + 77 */
    const std::string stop_button = At("click", 640, 527);
    const struct {
        int menu;
        std::string stop;
        const char *dialog;
    } stops[] = {{MENU_PREVIEW, "key Esc\n", "Vorschau: Seiten werden aufbereitet"},
                 {MENU_PRINT, stop_button, "Drucken: PDF-Datei wird geschrieben"},
                 {MENU_PLANS, stop_button, "Pläne: PDF-Datei wird geschrieben"}};
    for (const auto &row : stops) {
        ZW_Test_Reset();
        ZW_Test_Set_Script(Menu(row.menu) + "sleep 300\n" + row.stop);
        ASSERT_EQ(Splice_Main(5, (char **)argv), 1);
        kept(row.dialog);
        EXPECT_TRUE(Log_Has("SHEET", row.dialog)) << row.dialog;
        EXPECT_TRUE(Log_Has("MESSAGE", "wurde abgebrochen. | Die bisherige Druckliste, ihre "
                                       "Plotdateien und ihre PDF-Datei bleiben unverändert."))
            << row.dialog;
        EXPECT_FALSE(Log_Has("OLI-VIEW PAGE", ""));
        EXPECT_FALSE(Log_Has("MESSAGE", "Planeditor"));
        /* the preview stopped the same list; print and plans stop a new one */
        std::ofstream(name + "_01.txt", std::ios::binary) << "Zugstoss, neuer Titel\n";
    }
    /* the window's close stops a print too, and then asks the finish question as a close does;
    ** cancelled there (its button "abbrechen" at 640 - 94, 480 + 29), the box says that the
    ** print was stopped and the old report stands, after the question: before it, the close
    ** itself took the box away unread */
    ZW_Test_Reset();
    ZW_Test_Set_Script(Menu(MENU_PRINT) + "sleep 300\nclose\n" + At("click", 556, 517));
    ASSERT_EQ(Splice_Main(5, (char **)argv), 1);
    kept("close");
    size_t asked = 0, said = 0, line = 0;
    for (const std::string &l : ZW_Test_Log_Lines()) {
        line++;
        if (l.rfind("SHEET", 0) == 0 && l.find("BEARBEITUNG BEENDEN") != std::string::npos)
            asked = line;
        if (l.rfind("MESSAGE [Drucken] \"Drucken\" wurde abgebrochen. | Die bisherige "
                    "Druckliste, ihre Plotdateien und ihre PDF-Datei bleiben unver\xC3\xA4ndert.",
                    0)
            == 0)
            said = line;
    }
    EXPECT_GT(asked, 0u);
    EXPECT_GT(said, asked);
    /* one column and one row of nails */
    std::string input = Slurp((name + "_01.inp").c_str());
    const size_t at = input.find("LAYOUT 0 8 5 ");
    ASSERT_NE(at, std::string::npos);
    input.replace(at, 13, "LAYOUT 0 1 1 ");
    {
        std::ofstream out(name + "_01.inp", std::ios::binary);
        out << input;
    }
    ZW_Test_Reset();
    ZW_Test_Set_Script(Tab(4) + Menu(4));
    ASSERT_EQ(Splice_Main(5, (char **)argv), 1);
    kept("refused");
    EXPECT_FALSE(Log_Has("MESSAGE", "gedruckt"));
    EXPECT_TRUE(Log_Has("TEXT", "mindestens 2 Verbindungsmittel pro"));
}

/* Every wrong entry is refused alike: a value outside its limits, letters and a fraction in a
** count leave the field as it was, and the hint shows what was typed, why it is refused and what
** the field still holds (a value out of the limits was set to the limit). The new splice holds
** b = 12.0 cm, h = 24.0 cm and 4 x 3 fasteners. */
TEST_F(Program, NonsenseIsRefusedWithAHint)
{
    EXPECT_EQ(Run(Enter_Value(360, 9, "500") + Enter_Value(360, 10, "-3")), 1);
    EXPECT_EQ(Splice_Input.b, 12.0);
    EXPECT_EQ(Splice_Input.h, 24.0);
    EXPECT_TRUE(Log_Has("PRINT", "HINWEIS: b: \"500\" liegt über dem größten Wert 100.0: das "
                                 "Feld enthält weiter 12.0."));
    EXPECT_TRUE(Log_Has("PRINT", "HINWEIS: h: \"-3\" liegt unter dem kleinsten Wert 4.0: das "
                                 "Feld enthält weiter 24.0."));

    /* b -5; on the layout page n_r 0, n_c 150, letters in n_r and a fraction in n_c */
    std::string s = Enter_Value(360, 9, "-5") + Tab(2) + Enter_Value(360, 2, "0")
                    + Enter_Value(360, 1, "150") + Enter_Value(360, 2, "zhnabc")
                    + Enter_Value(360, 1, "2,5");
    EXPECT_EQ(Run(s), 1);
    const int slot = VBM_TYPE_SLOT(Splice_Input.vbm_type);
    EXPECT_EQ(Splice_Input.b, 12.0);
    EXPECT_EQ(Splice_Input.n_row[slot], 3.0);
    EXPECT_EQ(Splice_Input.n_col[slot], 4.0);
    EXPECT_TRUE(Log_Has("PRINT", "HINWEIS: b: \"-5\" liegt unter dem kleinsten Wert 2.0: das "
                                 "Feld enthält weiter 12.0."));
    EXPECT_TRUE(Log_Has("PRINT", "HINWEIS: n_r: \"0\" liegt unter dem kleinsten Wert 1: das Feld "
                                 "enthält weiter 3."));
    EXPECT_TRUE(Log_Has("PRINT", "HINWEIS: n_c: \"150\" liegt über dem größten Wert 50: das "
                                 "Feld enthält weiter 4."));
    EXPECT_TRUE(Log_Has("PRINT", "HINWEIS: n_r: \"zhnabc\" ist keine Zahl: das Feld enthält "
                                 "weiter 3."));
    EXPECT_TRUE(Log_Has("PRINT", "HINWEIS: n_c: \"2,5\" ist keine ganze Zahl: das Feld enthält "
                                 "weiter 4."));
    /* the letters stood in the field while they were typed */
    EXPECT_TRUE(Log_Has("TEXT", " zhnabc"));
}

/* Preview shows the print list, plans without the plan tool say so, help shows the page's topic,
** the annex selection sets the annex pointers. */
TEST_F(Program, PreviewPlansHelpAndAnnexEntries)
{
    std::string src = std::string(SPLICE_SOURCE_DIR) + "/examples/zugstoss_nagel";
    ASSERT_EQ(system(("cp '" + src + "'/* .").c_str()), 0);
    ZW_Test_Reset();
    ZW_Test_Set_Script(Menu(3) + "key Esc\n" + Menu(5) + Tab(2) + Menu(7));
    const char *argv[] = {"splice", "zugstoss_nagel", "1", "1", "1", nullptr};
    ASSERT_EQ(Splice_Main(5, (char **)argv), 1);
    EXPECT_TRUE(Log_Has("OLI-View", "zugstoss_nagel_01.oli"));
    EXPECT_TRUE(Log_Has("MESSAGE", ("Der Planeditor ist nicht installiert. | Die Plotdateien "
                                    "liegen im Bauteilordner | "
                                    + dir + ".")
                                       .c_str()));
    EXPECT_TRUE(Log_Has("HELP", "SPLICE_PAGE_ANORDNUNG"));
    EXPECT_NE(Nad_Params, nullptr);
    EXPECT_NE(Nad_EC3_Params_Ptr, nullptr);
}

/* The PDF of a print stays beside the print list it was printed from: the preview and the plans
** keep it where their print list is the same and print it anew with a print list that changed (a
** new title), also one larger than 2 MB (700 combinations, every one printed), whose progress the
** progress dialog shows meanwhile: the script's sleep is the quarter second after which it opens,
** and it is drawn then (opened, with its first values) and at the end, not for each of the pages,
** while no more time passes. */
TEST_F(Program, ThePreviewAndThePlansKeepThePrintedPdfOrPrintItAnew)
{
    const std::string src = std::string(SPLICE_SOURCE_DIR) + "/examples/zugstoss_nagel";
    ASSERT_EQ(system(("cp '" + src + "'/* .").c_str()), 0);
    const char *argv[] = {"splice", "zugstoss_nagel", "1", "1", "1", nullptr};
    auto run = [&](const std::string &script) {
        ZW_Test_Reset();
        ZW_Test_Set_Script(script);
        return Splice_Main(5, (char **)argv);
    };
    const std::string pdf = "zugstoss_nagel_01.oli.pdf";
    ASSERT_EQ(run(Tab(4) + Menu(4)), 1);
    const std::string printed = Slurp(pdf.c_str());
    ASSERT_FALSE(printed.empty());
    ASSERT_EQ(run(Menu(3) + "key Esc\n" + Menu(5)), 1);
    EXPECT_TRUE(Slurp(pdf.c_str()) == printed);

    std::ofstream("zugstoss_nagel_01.txt", std::ios::binary) << "Zugstoss, Variante 2\n";
    ASSERT_EQ(run(Menu(3) + "key Esc\n"), 1);
    EXPECT_FALSE(Log_Has("MESSAGE", "PDF"));
    FILE *text = popen(("pdftotext " + pdf + " -").c_str(), "r");
    ASSERT_NE(text, nullptr);
    char buf[4096];
    std::string words;
    for (size_t n; (n = fread(buf, 1, sizeof buf, text)) > 0;) words.append(buf, n);
    pclose(text);
    EXPECT_NE(words.find("Zugstoss, Variante 2"), std::string::npos);

    std::string input = Slurp("zugstoss_nagel_01.inp");
    std::string entries = "PRINT 0 1 0 10 8 10 8 10 8\n";
    for (int e = 0; e < 700; e++)
        entries += "ENTRY 0 " + std::to_string(e) + " 1 0 0 " + std::to_string(20 + e % 50)
                   + " 0 0 0 0 0 -1 -1 -1 -1 -1 -1 -1 0 0 0 0 0 0 0 0 0 0 0 0\n";
    input.replace(input.find("ENTRY 0 0"), input.find("REMARKS") - input.find("ENTRY 0 0"),
                  entries);
    std::ofstream("zugstoss_nagel_01.inp", std::ios::binary) << input;
    ASSERT_EQ(run(Menu(5) + "sleep 300\n"), 1);
    ASSERT_GT(Rt_File_Size("zugstoss_nagel_01.oli"), 2 << 20);
    EXPECT_TRUE(Log_Has("SHEET", "Pläne: PDF-Datei wird geschrieben"));
    int drawn = 0;
    for (const std::string &l : ZW_Test_Log_Lines())
        drawn += l.find("Druckliste gelesen") != l.npos;
    EXPECT_EQ(drawn, 3);
    EXPECT_FALSE(Log_Has("MESSAGE", "PDF"));
    words.clear();
    text = popen(("pdftotext " + pdf + " -").c_str(), "r");
    ASSERT_NE(text, nullptr);
    for (size_t n; (n = fread(buf, 1, sizeof buf, text)) > 0;) words.append(buf, n);
    pclose(text);
    EXPECT_NE(words.find("Lastkombination Nr. 700"), std::string::npos);
}

/* The annex whose values design the splice is named where the results are read: in the heading
** of the utilisation page and beside the first heading of the system page, as the report's
** heading of the checks names it; another annex chosen in the file is named instead. */
TEST_F(Program, TheActiveAnnexIsNamedOnTheSystemAndTheUtilisationPage)
{
    const std::string input =
        Slurp((std::string(SPLICE_SOURCE_DIR) + "/examples/zugstoss_nagel/zugstoss_nagel_01.inp")
                  .c_str());
    std::ofstream("Stoss_01.inp", std::ios::binary) << input;
    EXPECT_EQ(Run("snapshot system.png\n" + Tab(4) + "snapshot util.png\n"), 1);
    EXPECT_TRUE(Log_Has("TEXT", "Nachweise nach DIN EN 1995, Deutschland"));
    EXPECT_TRUE(Log_Has("TEXT", "Ausnutzungen nach DIN EN 1995, Deutschland"));
    EXPECT_TRUE(Log_Has("TEXT", "maximale Ausnutzung"));

    std::string other = input;
    other.replace(other.find("\xAE"
                             "Deutschland\xAF"),
                  13,
                  "\xAE"
                  "EC-Standardparameter\xAF");
    std::ofstream("Stoss_01.inp", std::ios::binary) << other;
    Clear_NAD_State();
    EXPECT_EQ(Run(Tab(4)), 1);
    EXPECT_STREQ(Get_Active_NAD_Name(), "EC-Standardparameter");
    EXPECT_TRUE(Log_Has("TEXT", "Ausnutzungen nach DIN EN 1995, EC-Standardparameter"));
    EXPECT_FALSE(Log_Has("TEXT", "Deutschland"));
}

/* An annex name that no file provides: the warning comes during start-up, before the main
** sheet, and "Deutschland" is active. */
TEST_F(Program, AnUnknownAnnexWarnsBeforeTheMainSheet)
{
    std::ofstream("Stoss_01.inp", std::ios::binary) << "SPLICE 200\nEND\n\n\nACTIV_NADNAME\n\xae"
                                                       "Atlantis\xaf\n";
    EXPECT_EQ(Run(""), 1);
    int warning = -1, main_sheet = -1, i = 0;
    for (const std::string &l : ZW_Test_Log_Lines()) {
        if (l.rfind("SHEET", 0) == 0 && l.find("Warnung") != std::string::npos && warning < 0)
            warning = i;
        if (l.rfind("SHEET 1 0 0 ", 0) == 0 && main_sheet < 0) main_sheet = i;
        i++;
    }
    ASSERT_GE(warning, 0);
    ASSERT_GE(main_sheet, 0);
    EXPECT_LT(warning, main_sheet);
    EXPECT_STREQ(Get_Active_NAD_Name(), "Deutschland");
}

/* A user annex "Österreich" whose "#EC5" holds a word where gamma_M of connections stands: the
** box names the file, the block and the line, and the utilisation page says that the block holds
** the built-in values; the same annex read whole shows no such line. */
TEST_F(Program, ADamagedUserAnnexIsSaidAndTheUtilisationPageNamesItsBlock)
{
    std::string annex =
        Slurp((std::string(SPLICE_SOURCE_DIR) + "/environment/data/NAD/Deutschland.NAD").c_str());
    annex.replace(annex.find("\xAE"
                             "Deutschland\xAF"),
                  13, "\xAE\x99sterreich\xAF");
    const size_t conn = annex.find("\n 1.300000 1.300000\n", annex.find("#EC5\n")) + 2;
    const int line = 1 + (int)std::count(annex.begin(), annex.begin() + (long)conn, '\n');
    const std::string dram = dir + "/dram";
    ASSERT_EQ(mkdir(dram.c_str(), 0755), 0);
    ASSERT_EQ(mkdir((dram + "/NADS").c_str(), 0755), 0);
    setenv("DRAM", dram.c_str(), 1);
    std::ofstream((dram + "/NADS/1.NAD").c_str(), std::ios::binary)
        << annex.substr(0, conn) + "anderthalb" + annex.substr(conn + 8);
    std::string input =
        Slurp((std::string(SPLICE_SOURCE_DIR) + "/examples/zugstoss_nagel/zugstoss_nagel_01.inp")
                  .c_str());
    input.replace(input.find("\xAE"
                             "Deutschland\xAF"),
                  13, "\xAE\x99sterreich\xAF");
    std::ofstream("Stoss_01.inp", std::ios::binary) << input;
    EXPECT_EQ(Run(Tab(4)), 1);
    EXPECT_TRUE(Log_Has("MESSAGE [Warnung] Das Anwendungsdokument \"Österreich\" ist beschädigt.",
                        ("| Block #EC5, Zeile " + std::to_string(line)
                         + ": kein gültiger Zahlenwert. | Bemessen wird dort mit den eingebauten "
                           "Vorgabewerten \"EC-Standard\", | sonst mit den Werten von "
                           "\"Österreich\". |")
                            .c_str()));
    EXPECT_TRUE(Log_Has("TEXT", "Anwendungsdokument \"Österreich (benutzerdefiniert)\" nicht ganz "
                                "gelesen. Die eingebauten Vorgabewerte \"EC-Standard\" gelten "
                                "für:"));
    EXPECT_TRUE(Log_Has("TEXT", " #EC5 (EN 1995)"));
    EXPECT_TRUE(Log_Has("TEXT", "Ausnutzungen nach DIN EN 1995, Österreich (benutzerdefiniert), "
                                "teils eingebaute Vorgabewerte"));

    std::ofstream((dram + "/NADS/1.NAD").c_str(), std::ios::binary) << annex;
    Clear_NAD_State();
    EXPECT_EQ(Run(Tab(4)), 1);
    EXPECT_FALSE(Log_Has("MESSAGE", "beschädigt"));
    EXPECT_FALSE(Log_Has("TEXT", "Vorgabewerte"));
    EXPECT_TRUE(Log_Has("TEXT", "maximale Ausnutzung"));
    EXPECT_TRUE(Log_Has("TEXT", "Ausnutzungen nach DIN EN 1995, Österreich (benutzerdefiniert)"));
}

/* An input file that another program saved in UTF-8: its annex name is read (or, unknown here,
** warned about), and a save from the menu writes the file's name back. */
TEST_F(Program, AMisencodedAnnexNameIsReadAndSurvivesASave)
{
    std::ofstream("Stoss_01.inp", std::ios::binary)
        << "SPLICE 200\nEND\n\n\nACTIV_NADNAME\n\xC2\xAB"
           "EC-Standardparameter\xC2\xBB\n";
    EXPECT_EQ(Run(Menu(6)), 1);
    EXPECT_STREQ(Get_Active_NAD_Name(), "EC-Standardparameter");
    EXPECT_NE(Slurp("Stoss_01.inp")
                  .find("ACTIV_NADNAME\n\xAE"
                        "EC-Standardparameter\xAF\n"),
              std::string::npos);

    std::ofstream("Stoss_01.inp", std::ios::binary) << "SPLICE 200\nEND\n\n\nACTIV_NADNAME\n\xAB"
                                                       "Atlantis\xBB\n";
    EXPECT_EQ(Run("close\n" + Menu(6)), 1); /* the warning closed first, then the save */
    EXPECT_TRUE(Log_Has("TEXT", "Atlantis"));
    EXPECT_STREQ(Get_Active_NAD_Name(), "Deutschland");
    EXPECT_NE(Slurp("Stoss_01.inp")
                  .find("ACTIV_NADNAME\n\xAE"
                        "Atlantis\xAF\n"),
              std::string::npos);
}
