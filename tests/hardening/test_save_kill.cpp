/*
** The input file survives a killed save: a child process saves a new version over an old one
** and is killed (SIGKILL) at a random moment of the save, at least 200 times; the file afterwards is
** always byte for byte the old or the new version. A print killed between the steps that put its
** files in place leaves a print list and a PDF of one print, or the print list without a PDF.
*/
#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "dialogs/iconmenu.h"
#include "nad/nad_store.h"
#include "platform/runtime.h"
#include "platform/zelkwin.h"
#include "platform/zelkwin_test.h"
#include "splice/splice_app.h"
#include "tests/splice/example_host.h"
#include "tests/temp_folder.h"

namespace {

std::string Slurp(const std::string &path)
{
    std::ifstream f(path, std::ios::binary);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
}

void Spit(const std::string &path, const std::string &bytes)
{
    std::ofstream f(path, std::ios::binary | std::ios::trunc);
    f << bytes;
}

struct Rec {
    Splice_Input_Record *p;
    Rec() : p(static_cast<Splice_Input_Record *>(calloc(1, sizeof(Splice_Input_Record))))
    {
        Set_Splice_Input_Defaults(p);
    }
    ~Rec()
    {
        free(p->Vorbemerkungen_Text);
        free(p);
    }
};

/* A record with ten groups of a thousand combinations, so that a save takes long enough for a
** kill to land inside it. */
void Fill_Large(Splice_Input_Record *si, const std::string &dir)
{
    std::string lines;
    char line[160];
    for (int g = 0; g < LKOM_GROUPS; g++)
        for (int e = 0; e < LKOM_ENTRIES; e++) {
            snprintf(line, sizeof line, "%.2f 0 %.3f %.3f %.3f Kombination %d/%d\n", 0.5 + 0.05 * g,
                     e * 0.013 - 4.0, 100.0 - e * 0.21, e % 17 * 1.5, g + 1, e + 1);
            lines += line;
        }
    const std::string path = dir + "/lkom.txt";
    Spit(path, lines);
    Ascii_Import_Report r;
    ASSERT_EQ(Import_Lkom_Ascii(path.c_str(), &si->lkom, &r), LKOM_GROUPS * LKOM_ENTRIES);
    si->b = 18.0;
    si->h = 36.0;
}

TEST(SaveKill, TheFileIsAlwaysTheOldOrTheNewVersion)
{
    ZW_Test_Reset();
    const std::string dir = Make_Temp_Folder("savekill_");
    ASSERT_FALSE(dir.empty());
    const std::string path = dir + "/bauteil.inp";

    /* the two versions, as a save writes them */
    Rec old_rec, new_rec;
    old_rec.p->b = 12.0;
    Fill_Large(new_rec.p, dir);
    ASSERT_EQ(Write_Splice_Input_File(path.c_str(), new_rec.p), 1);
    const std::string new_bytes = Slurp(path);
    ASSERT_EQ(Write_Splice_Input_File(path.c_str(), old_rec.p), 1);
    const std::string old_bytes = Slurp(path);
    ASSERT_NE(old_bytes, new_bytes);
    ASSERT_GT(new_bytes.size(), 200000u);

    /* how long one save takes here */
    const auto t0 = std::chrono::steady_clock::now();
    ASSERT_EQ(Write_Splice_Input_File(path.c_str(), new_rec.p), 1);
    const double save_us =
        std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - t0).count();

    std::mt19937 rng(20261207);
    int saw_old = 0, saw_new = 0, runs = 0;
    /* The kills reach from the start of the save to a little after its usual end. A busy machine
    ** can make the child's save much slower than the one measured above, or wake this process
    ** late from its sleep: while no kill has yet come after a finished save the range doubles,
    ** and while none has come before it the range halves, every 20 runs. At least 200 runs, and
    ** more (up to 2000) until kills have landed on both sides of the replacement. */
    double limit_us = save_us * 1.2 + 1.0;
    for (; runs < 2000 && (runs < 200 || saw_old == 0 || saw_new == 0); runs++) {
        if (runs > 0 && runs % 20 == 0) {
            if (saw_new == 0) limit_us *= 2.0;
            else if (saw_old == 0) limit_us /= 2.0;
        }
        Spit(path, old_bytes);
        /* the window read what it saves over */
        Rec seen;
        Read_Splice_Input_File(path.c_str(), seen.p, 0);
        int ready[2];
        ASSERT_EQ(pipe(ready), 0);
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            close(ready[0]);
            const char go = 1;
            if (write(ready[1], &go, 1) != 1) _exit(2);
            Write_Splice_Input_File(path.c_str(), new_rec.p);
            _exit(0);
        }
        close(ready[1]);
        char go = 0;
        ASSERT_EQ(read(ready[0], &go, 1), 1);
        close(ready[0]);
        std::uniform_int_distribution<int> delay(0, static_cast<int>(limit_us));
        usleep(static_cast<useconds_t>(delay(rng)));
        kill(child, SIGKILL);
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);

        const std::string now = Slurp(path);
        if (now == old_bytes) saw_old++;
        else if (now == new_bytes) saw_new++;
        else FAIL() << "run " << runs << ": the input file is damaged (" << now.size() << " bytes)";
    }
    /* the kills landed both before and after the file was replaced */
    EXPECT_GT(saw_old, 0);
    EXPECT_GT(saw_new, 0);
    EXPECT_EQ(saw_old + saw_new, runs);

    /* a leftover temporary file is replaced by the next save, which then succeeds */
    Rec seen;
    Read_Splice_Input_File(path.c_str(), seen.p, 0);
    ASSERT_EQ(Write_Splice_Input_File(path.c_str(), old_rec.p), 1);
    EXPECT_EQ(Slurp(path), old_bytes);
    Rt_Remove_Stale_Temp(path.c_str());
    remove(path.c_str());
    remove((dir + "/lkom.txt").c_str());
    rmdir(dir.c_str());
}

/* The click on entry `entry` of the main sheet's icon menu and on the register tab `page`. */
std::string Click(int x, int y)
{
    return "move " + std::to_string(x) + " " + std::to_string(y) + "\nclick " + std::to_string(x)
           + " " + std::to_string(y) + "\n";
}
std::string Menu(int entry)
{
    return Click(NPIXEL_X - 346 + Main_Icon_Menu.entries[entry - 1].x + 19, Main_Icon_Menu.y + 24);
}
std::string Tab(int page) { return Click(85 + 150 * page, 62); }

/* The print killed at the k-th step that puts a file in place or takes one out of it. */
int Kill_At_Step = -1;
int Steps_Done = 0;
void Kill_At(const char *)
{
    if (Steps_Done++ == Kill_At_Step) raise(SIGKILL);
}

/* Which of the two prints a file belongs to: 'A', 'B', '-' none (no file), '?' neither. */
char Print_Of(const std::string &path)
{
    if (access(path.c_str(), F_OK) != 0) return '-';
    const std::string bytes = Slurp(path);
    const bool a = bytes.find("Lauf A") != std::string::npos;
    const bool b = bytes.find("Lauf B") != std::string::npos;
    return a == b ? '?' : a ? 'A' : 'B';
}

/* Which print a plot file belongs to by its bytes: 'A', 'B', '-' none, '?' neither. */
char Plot_Of(const std::string &path, const std::string &a, const std::string &b)
{
    if (access(path.c_str(), F_OK) != 0) return '-';
    const std::string bytes = Slurp(path);
    return bytes == a ? 'A' : bytes == b ? 'B' : '?';
}

/* A scratch folder (named from prefix) with the example zugstoss_nagel, made the working folder
** with the example host; old_cwd the folder before. Run or window A takes the example's input,
** B the same splice 20 cm longer whose print draws no cross section. */
struct Two_Runs {
    char old_cwd[1024];
    std::string dir, input_a, input_b;
};

void Make_Two_Runs(const char *prefix, Two_Runs *r)
{
    ZW_Test_Reset();
    ASSERT_NE(getcwd(r->old_cwd, sizeof r->old_cwd), nullptr);
    r->dir = Make_Temp_Folder(prefix);
    ASSERT_FALSE(r->dir.empty());
    const std::string src = std::string(SPLICE_SOURCE_DIR) + "/examples/zugstoss_nagel";
    ASSERT_EQ(system(("cp '" + src + "'/* '" + r->dir + "'").c_str()), 0);
    ASSERT_EQ(chdir(r->dir.c_str()), 0);
    Use_Example_Host();
    setenv("TEMP", r->dir.c_str(), 1);
    unsetenv("SPLICE_GUI_SCRIPT");
    r->input_a = Slurp("zugstoss_nagel_01.inp");
    r->input_b = r->input_a;
    const size_t system_at = r->input_b.find("SYSTEM 0 1 1 0 5 0 5 0 0 10 20 6 20 120 1 1");
    ASSERT_NE(system_at, std::string::npos);
    r->input_b.replace(system_at + 36, 3, "140");
    r->input_b.insert(r->input_b.find("\nEND\n") + 1, "PRINT 0 0 45 10 8 10 8 10 8\n");
}

/* Print A is in place; a run B of the print, the preview or the plans is killed before each of
** its steps in turn (and at last runs to its end). Run B is of a longer splice and draws no cross
** section. The print list, the plots and the PDF beside it always come from one run: the print
** list with its own plots (run B's print list without the cross section of A), and the PDF of
** that run or none (the preview and the plans print the PDF anew with their print list). Where a
** kill leaves print A without its PDF or no print list, the next start puts print A back whole,
** its PDF too; where it leaves print B without its PDF, the next start names the PDF missing,
** also after a preview whose PDF could not be printed (a folder under its temporary name), killed
** while it drops the files kept aside; run to its end, that preview says so itself. */
TEST(SaveKill, AKilledPrintNeverLeavesAPdfBesideAnotherPrintList)
{
    Two_Runs two;
    Make_Two_Runs("printkill_", &two);
    if (HasFatalFailure()) return;
    char *const old_cwd = two.old_cwd;
    const std::string &dir = two.dir, &input_a = two.input_a, &input_b = two.input_b;
    const std::string list = "zugstoss_nagel_01.oli", pdf = list + ".pdf";
    const std::string plots[3] = {"zugstoss_nagel01.SPF", "zugstoss_nagel02.SPF",
                                  "zugstoss_nagel03.SPF"};
    const char *argv[] = {"splice", "zugstoss_nagel", "1", "1", "1", nullptr};
    /* run `name` with its input; entry -1 only starts the program and ends it; with no_pdf a
    ** folder under the PDF's temporary name keeps the PDF from being printed */
    auto run = [&](char name, int entry, int kill_at, bool no_pdf = false) {
        Spit("zugstoss_nagel_01.txt", std::string("Zugstoss mit Naegeln, Lauf ") + name + "\n");
        Spit("zugstoss_nagel_01.inp", name == 'B' ? input_b : input_a);
        const pid_t child = fork();
        if (child == 0) {
            if (no_pdf) mkdir(Rt_Safe_Temp_Name_Of(pdf.c_str()), 0755);
            Clear_NAD_State();
            ZW_Test_Reset();
            ZW_Test_Set_Script(entry < 0 ? std::string() : Tab(4) + Menu(entry));
            Kill_At_Step = kill_at;
            Steps_Done = 0;
            Rt_Set_Install_Hook(Kill_At);
            Splice_Main(5, (char **)argv);
            std::string log;
            for (const std::string &l : ZW_Test_Log_Lines()) log += l + "\n";
            Spit("run.log", log);
            _exit(Steps_Done);
        }
        int status = 0;
        EXPECT_EQ(waitpid(child, &status, 0), child);
        if (no_pdf) rmdir((pdf + "." + std::to_string(child) + ".tmp").c_str());
        return status;
    };
    /* the plots of the two prints, whole */
    std::string plot_a[3], plot_b[3];
    ASSERT_TRUE(WIFEXITED(run('B', MENU_PRINT, -1)));
    for (int i = 0; i < 3; i++) plot_b[i] = Slurp(plots[i]);
    ASSERT_TRUE(WIFEXITED(run('A', MENU_PRINT, -1)));
    for (int i = 0; i < 3; i++) plot_a[i] = Slurp(plots[i]);
    EXPECT_EQ(access(plots[2].c_str(), F_OK), 0);
    for (int i = 0; i < 2; i++) ASSERT_NE(plot_a[i], plot_b[i]) << plots[i];
    /* print list, PDF and plots: "A|A|AAA" */
    auto state = [&]() {
        std::string s = {Print_Of(list), '|', Print_Of(pdf), '|'};
        for (int i = 0; i < 3; i++) s += Plot_Of(plots[i], plot_a[i], plot_b[i]);
        return s;
    };
    for (const int variant : {(int)MENU_PRINT, (int)MENU_PREVIEW, (int)MENU_PLANS, 0}) {
        SCOPED_TRACE(variant);
        const bool no_pdf = variant == 0; /* the preview that cannot print its PDF */
        const int entry = no_pdf ? MENU_PREVIEW : variant;
        /* run B whole over print A, to count its steps */
        ASSERT_TRUE(WIFEXITED(run('A', MENU_PRINT, -1)));
        int status = run('B', entry, -1, no_pdf);
        ASSERT_TRUE(WIFEXITED(status));
        const int steps = WEXITSTATUS(status);
        if (no_pdf) {
            EXPECT_NE(Slurp("run.log").find("Die neue PDF-Datei kann nicht geschrieben werden:"),
                      std::string::npos);
        }
        ASSERT_GE(steps, 2); /* at least the old PDF and the print list */
        std::string seen;
        for (int k = 0; k <= steps; k++) {
            SCOPED_TRACE(k);
            /* print A, whole */
            status = run('A', MENU_PRINT, -1);
            ASSERT_TRUE(WIFEXITED(status));
            ASSERT_EQ(state(), "A|A|AAA");
            status = run('B', entry, k, no_pdf);
            EXPECT_EQ(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL, k < steps);
            const std::string now = state();
            seen += now + " ";
            const char l = now[0], p = now[2];
            if (l == '-') {
                /* no print list: recognisably not whole, print A kept aside for the next start */
                EXPECT_EQ(access((list + ".old").c_str(), F_OK), 0) << now;
            } else {
                EXPECT_TRUE(l == 'A' || l == 'B') << now;
                EXPECT_TRUE(p == l || p == '-') << now;
                EXPECT_EQ(now.substr(4), l == 'A' ? "AAA" : "BB-") << now;
            }
            if (p != '-') continue;
            ASSERT_TRUE(WIFEXITED(run('A', -1, -1)));
            const std::string back = state();
            const bool named = Slurp("run.log").find(" fehlt: der letzte Druck wurde abgebrochen")
                               != std::string::npos;
            if (l == 'B') {
                EXPECT_EQ(back, "B|-|BB-") << now;
                EXPECT_EQ(named, k < steps) << now; /* run to its end, run B said it */
            } else {
                EXPECT_EQ(back, "A|A|AAA") << now;
                EXPECT_FALSE(named) << now;
            }
        }
        /* the kills landed before run B was in place, while neither print list stood, and after */
        EXPECT_NE(seen.find("A|A|AAA"), std::string::npos) << seen;
        EXPECT_NE(seen.find("-|"), std::string::npos) << seen;
        if (!no_pdf) { EXPECT_NE(seen.find("B|B|BB-"), std::string::npos) << seen; }
        EXPECT_NE(seen.find("B|-|BB-"), std::string::npos) << seen;
    }
    ASSERT_EQ(chdir(old_cwd), 0);
    ASSERT_EQ(system(("rm -rf '" + dir + "'").c_str()), 0);
}

/* A window held inside its install or its save: it stops at the k-th step that puts a file in
** place, says so through `at` and goes on when `go` brings a byte. */
int Hold_At_Step = -1;
int Hold_At_Fd = -1, Hold_Go_Fd = -1;
void Hold_At(const char *)
{
    if (Steps_Done++ != Hold_At_Step) return;
    char byte = 1;
    if (write(Hold_At_Fd, &byte, 1) != 1 || read(Hold_Go_Fd, &byte, 1) != 1) _exit(3);
}

/* The lock file of window A is removed by hand while A is inside its print, between any two of
** the steps that put its files in place, or inside its save; window B opens the component then.
** A holds the component on its folder whatever became of its lock file: B opens it read-only
** (the box says that another window has it open), prints nothing and saves only under the next
** free file number, and A's print goes in whole, with its box, or A's save replaces the input file
** without a question. So the print set is always print A's (print list, PDF and plots), never
** plots of B beside A's print list, and B's save is kept in a file of its own. */
TEST(SaveKill, AWindowWhoseLockFileIsRemovedStillHoldsItsComponent)
{
    Two_Runs two;
    Make_Two_Runs("lockgone_", &two);
    if (HasFatalFailure()) return;
    char *const old_cwd = two.old_cwd;
    const std::string &dir = two.dir, &input_a = two.input_a, &input_b = two.input_b;
    const std::string list = "zugstoss_nagel_01.oli", pdf = list + ".pdf";
    const std::string plots[3] = {"zugstoss_nagel01.SPF", "zugstoss_nagel02.SPF",
                                  "zugstoss_nagel03.SPF"};
    const char *argv[] = {"splice", "zugstoss_nagel", "1", "1", "1", nullptr};
    /* start window `name` with its input and title, the script, held at step hold (-1 never) */
    int at[2] = {-1, -1}, go[2] = {-1, -1};
    auto start = [&](char name, const std::string &script, int hold, bool input = true) {
        if (input) {
            Spit("zugstoss_nagel_01.txt", std::string("Zugstoss mit Naegeln, Lauf ") + name + "\n");
            Spit("zugstoss_nagel_01.inp", name == 'B' ? input_b : input_a);
        }
        const pid_t child = fork();
        if (child == 0) {
            Clear_NAD_State();
            ZW_Test_Reset();
            ZW_Test_Set_Script(script);
            Hold_At_Step = hold;
            Hold_At_Fd = at[1];
            Hold_Go_Fd = go[0];
            Steps_Done = 0;
            Rt_Set_Install_Hook(Hold_At);
            Splice_Main(5, (char **)argv);
            std::string log;
            for (const std::string &l : ZW_Test_Log_Lines()) log += l + "\n";
            Spit(std::string("run_") + name + ".log", log);
            _exit(Steps_Done);
        }
        return child;
    };
    auto finish = [&](pid_t child) {
        int status = 0;
        EXPECT_EQ(waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFEXITED(status));
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    };
    const std::string print = Tab(4) + Menu(MENU_PRINT);
    std::string plot_a[3], plot_b[3];
    finish(start('A', print, -1));
    for (int i = 0; i < 3; i++) plot_a[i] = Slurp(plots[i]);
    finish(start('B', print, -1));
    for (int i = 0; i < 3; i++) plot_b[i] = Slurp(plots[i]);
    auto state = [&]() {
        std::string s = {Print_Of(list), '|', Print_Of(pdf), '|'};
        for (int i = 0; i < 3; i++) s += Plot_Of(plots[i], plot_a[i], plot_b[i]);
        return s;
    };
    ASSERT_EQ(state(), "B|B|BB-");
    /* print A over print B, to count its steps */
    const int steps = finish(start('A', print, -1));
    ASSERT_EQ(state(), "A|A|AAA");
    ASSERT_GE(steps, 4);
    ASSERT_EQ(pipe(at) | pipe(go), 0);
    const char *opened = "MESSAGE [Bauteil ge\xC3\xB6"
                         "ffnet] Das Bauteil zugstoss_nagel ist bereits in einem anderen Fenster "
                         "ge\xC3\xB6"
                         "ffnet";
    /* on the page System, b and the row below it, h */
    const int b_y = 80 + 28 + 26 * 9;
    auto type = [&](int y, const char *value) {
        return "move 370 " + std::to_string(y - 4) + "\nclick 370 " + std::to_string(y - 4)
               + "\ntype " + value + "\nkey Enter\n";
    };
    for (int k = 0; k <= steps; k++) {
        SCOPED_TRACE(k);
        finish(start('B', print, -1));
        ASSERT_EQ(state(), "B|B|BB-");
        /* A inside its print (k == steps: inside its save of b = 15), its lock file removed by
        ** hand */
        const bool save = k == steps;
        const pid_t a = start('A', save ? type(b_y, "15") + Menu(MENU_SAVE) : print, save ? 0 : k);
        char byte = 0;
        ASSERT_EQ(read(at[0], &byte, 1), 1);
        ASSERT_EQ(unlink("zugstoss_nagel.lck"), 0);
        /* window B opens, prints, and saves h = 28 (under another name, where it is read-only);
        ** beside A's save it reads the input file as A did */
        unlink("zugstoss_nagel_02.inp");
        unlink("zugstoss_nagel_02.txt");
        finish(
            start('B', type(b_y + 26, "28") + print + Menu(MENU_SAVE) + "answer yes\n", -1, !save));
        ASSERT_EQ(write(go[1], &byte, 1), 1);
        finish(a);
        const std::string log_a = Slurp("run_A.log"), log_b = Slurp("run_B.log");
        EXPECT_NE(log_b.find(opened), std::string::npos) << log_b;
        EXPECT_NE(log_b.find("MESSAGE [Drucken] Das Bauteil zugstoss_nagel ist in einem anderen "
                             "Fenster ge\xC3\xB6"
                             "ffnet"),
                  std::string::npos)
            << log_b;
        EXPECT_EQ(log_a.find("QUESTION"), std::string::npos) << log_a;
        /* B's values kept under the next number, A's in the input file */
        Rec mine, other;
        EXPECT_EQ(Read_Splice_Input_File("zugstoss_nagel_02.inp", other.p, 0), 1);
        EXPECT_EQ(other.p->h, 28.0);
        EXPECT_EQ(Read_Splice_Input_File("zugstoss_nagel_01.inp", mine.p, 0), 1);
        if (!save) {
            EXPECT_EQ(state(), "A|A|AAA");
            EXPECT_NE(log_a.find("MESSAGE [Drucken] Die Druckliste wurde gedruckt nach"),
                      std::string::npos)
                << log_a;
            EXPECT_EQ(mine.p->L, 140.0); /* B's input as it was written, before B started */
        } else {
            EXPECT_EQ(state(), "B|B|BB-");
            EXPECT_EQ(mine.p->b, 15.0);
            EXPECT_EQ(mine.p->h, 20.0);
        }
    }
    for (int fd : {at[0], at[1], go[0], go[1]}) close(fd);
    ASSERT_EQ(chdir(old_cwd), 0);
    ASSERT_EQ(system(("rm -rf '" + dir + "'").c_str()), 0);
}


/* Window A's lock file is removed and taken by a window that A's hold on the folder does not reach
** (of another machine: a lock file of its own under the name, held by its flock). A's print is
** refused then (PrintList), and so is its save: the question says that the window no longer holds
** the component and keeps A's input under the next free file number, as a read-only window does;
** the input file stays as it was. With the lock file A's again, A saves into the input file. */
TEST(SaveKill, AWindowWhoseLockAnotherMachineTookSavesUnderAnotherName)
{
    char old_cwd[1024];
    ASSERT_NE(getcwd(old_cwd, sizeof old_cwd), nullptr);
    const std::string dir = Make_Temp_Folder("locktaken_");
    ASSERT_FALSE(dir.empty());
    const std::string from = std::string(SPLICE_SOURCE_DIR) + "/examples/zugstoss_nagel";
    ASSERT_EQ(system(("cp '" + from + "'/* '" + dir + "'/").c_str()), 0);
    ASSERT_EQ(chdir(dir.c_str()), 0);
    Use_Example_Host();
    setenv("TEMP", dir.c_str(), 1);
    ZW_Test_Reset();
    snprintf(Bauteilkennung, BAUTEILKENNUNG_MAX, "zugstoss_nagel");
    ASSERT_EQ(Form_Component_File_Names(Bauteilkennung, 1), 1);
    Rt_Lock *lock = Take_Component_Lock();
    ASSERT_NE(lock, nullptr);
    ASSERT_EQ(Open_Input_As_Program(Inp_File_Name), 1);
    const std::string before = Slurp(Inp_File_Name);
    Splice_Input.b = 15.0;
    ASSERT_EQ(unlink("zugstoss_nagel.lck"), 0);
    const int other = open("zugstoss_nagel.lck", O_RDWR | O_CREAT | O_EXCL, 0666);
    ASSERT_GE(other, 0);
    ASSERT_EQ(flock(other, LOCK_EX | LOCK_NB), 0);
    ZW_Test_Set_Script("answer yes\n"); /* "Anderer Name" */
    EXPECT_EQ(Main_Menu_Action(MENU_SAVE), 0);
    std::string log;
    for (const std::string &l : ZW_Test_Log_Lines()) log += l + "\n";
    EXPECT_NE(log.find("QUESTION [Speichern] Dieses Fenster h\xC3\xA4lt das Bauteil nicht mehr: | "
                       "Die Sperrdatei des Bauteils wurde entfernt oder ersetzt; ein anderes "
                       "Fenster kann es ge\xC3\xB6"
                       "ffnet haben. | Es speichert nur unter einem anderen Namen; die "
                       "Eingabedatei bleibt unver\xC3\xA4ndert.\n"),
              std::string::npos)
        << log;
    EXPECT_EQ(Slurp(Inp_File_Name), before);
    Rec other_name;
    EXPECT_EQ(Read_Splice_Input_File("zugstoss_nagel_02.inp", other_name.p, 0), 1);
    EXPECT_EQ(other_name.p->b, 15.0);
    /* the other window gone and its lock file with it: the hold on the folder makes it A's anew */
    close(other);
    ASSERT_EQ(unlink("zugstoss_nagel.lck"), 0);
    ZW_Test_Reset();
    Splice_Input.b = 16.0;
    EXPECT_EQ(Main_Menu_Action(MENU_SAVE), 0);
    Rec mine;
    EXPECT_EQ(Read_Splice_Input_File(Inp_File_Name, mine.p, 0), 1);
    EXPECT_EQ(mine.p->b, 16.0);
    Drop_Component_Lock(lock);
    ASSERT_EQ(chdir(old_cwd), 0);
    if (!HasFailure()) { ASSERT_EQ(system(("rm -rf '" + dir + "'").c_str()), 0); }
}

} // namespace
