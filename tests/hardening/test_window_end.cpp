/*
** A window that ends without its user: the executable runs in an SDL window on a virtual display
** of its own (Xvfb), a field is changed, and the display ends under it (idle on the main sheet,
** or during a long print), or the process gets SIGTERM. It ends within 10 s, gives the component
** free, and keeps what it had not saved in a copy, which the next start names and takes over.
*/
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <fstream>
#include <spawn.h>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

#include "catalogue/catalogue.h"
#include "dialogs/iconmenu.h"
#include "nad/nad.h"
#include "platform/runtime.h"
#include "platform/zelkwin.h"
#include "platform/zelkwin_test.h"
#include "results/print_list.h"
#include "splice/splice_app.h"
#include "tests/splice/example_host.h"
#include "tests/temp_folder.h"
#include "tests/virtual_display.h"

extern char **environ;

namespace {

std::string Slurp(const std::string &path)
{
    std::ifstream f(path, std::ios::binary);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
}

/* The executable started in the current folder on the component Stoss, file 1, with the
** environment's variables and those of extra; its output goes to out. */
pid_t Start_Splice(const std::vector<std::string> &extra, const std::string &out)
{
    std::vector<std::string> vars;
    for (char **e = environ; *e; e++) {
        const std::string v = *e;
        bool replaced = v.rfind("SPLICE_GUI_", 0) == 0 || v.rfind("SDL_", 0) == 0;
        for (const std::string &x : extra)
            replaced |= v.compare(0, x.find('=') + 1, x, 0, x.find('=') + 1) == 0;
        if (!replaced) vars.push_back(v);
    }
    vars.insert(vars.end(), extra.begin(), extra.end());
    std::vector<char *> envp;
    for (std::string &v : vars) envp.push_back(v.data());
    envp.push_back(nullptr);
    const char *argv[] = {"splice", "Stoss", "17", "1", "4", nullptr};
    posix_spawn_file_actions_t files;
    posix_spawn_file_actions_init(&files);
    posix_spawn_file_actions_addopen(&files, STDOUT_FILENO, out.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_adddup2(&files, STDOUT_FILENO, STDERR_FILENO);
    pid_t pid = -1;
    if (posix_spawn(&pid, SPLICE_EXECUTABLE, &files, nullptr, const_cast<char **>(argv),
                    envp.data())
        != 0)
        pid = -1;
    posix_spawn_file_actions_destroy(&files);
    return pid;
}

/* Whether done() came true within seconds, asked every 20 ms. */
template <typename F>
bool Within(double seconds, F done)
{
    const auto until = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    while (!done()) {
        if (std::chrono::steady_clock::now() > until) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return true;
}

/* The seconds until the process pid ended (its status into *status), or -1 where it still ran
** after limit seconds (it is then killed). */
double Seconds_To_End(pid_t pid, int *status, double limit)
{
    const auto t0 = std::chrono::steady_clock::now();
    const bool ended = Within(limit, [&] { return waitpid(pid, status, WNOHANG) == pid; });
    if (!ended) {
        kill(pid, SIGKILL);
        waitpid(pid, status, 0);
        return -1;
    }
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
}

/* The splice of the window print's benchmark, whose print takes long: side timbers, 3 x 2 bolts
** M16 a half, groups 1 and 2 of 1,000 combinations each, every combination and every fastener
** printed; its input file Stoss_01.inp and title file. */
void Write_Long_Print_Splice(void)
{
    Set_Active_NAD(NAD_NAME_GERMANY);
    Fill_Long_Print_Splice(&Splice_Input);
    Splice_Input_Record *si = &Splice_Input;
    si->service_class = 1;
    ASSERT_EQ(Write_Splice_Input_File("Stoss_01.inp", si), 1);
    std::ofstream("Stoss_01.txt", std::ios::binary) << "Biegestoss, 2 x 1000 Kombinationen\n";
}

std::string At(const char *what, int x, int y)
{
    return std::string(what) + " " + std::to_string(x) + " " + std::to_string(y) + "\n";
}

/* The click on entry `entry` of the main sheet's icon menu (a screen of 1280 x 960). */
std::string Menu(int entry)
{
    const int x = 1280 - 346 + Main_Icon_Menu.entries[entry - 1].x + 19;
    const int y = Main_Icon_Menu.y + 6 + 18;
    return At("move", x, y) + At("click", x, y);
}

/* A file of the print at work: the print list's temporary file of a process. */
bool Print_At_Work(void)
{
    DIR *d = opendir(".");
    bool found = false;
    for (struct dirent *e; d && !found && (e = readdir(d)) != nullptr;) {
        const std::string n = e->d_name;
        found = n.rfind("Stoss_01.oli.", 0) == 0 && n.size() > 17
                && n.compare(n.size() - 4, 4, ".tmp") == 0;
    }
    if (d) closedir(d);
    return found;
}

} // namespace

/* Where the display of a window goes away (Xvfb killed), idle or during a print, or where the
** window gets SIGTERM, the process ends within 10 s with the exit code of an end without the user
** (no finish question that nobody could answer, no spinning in the dead connection); the lock file
** is gone, and the service class changed from 1 to 2 and not saved is in Stoss_01.inp.ungespeichert.
** The next start opens the component writable (no box of another window, no lock taken over),
** names the copy in its question, takes it over ("answer yes") and saves it into the input file;
** the copy then goes. */
TEST(WindowEnd, AWindowWhoseDisplayEndsEndsAndKeepsWhatItHadNotSaved)
{
    const std::string xvfb = Find_Program("Xvfb");
    if (xvfb.empty()) GTEST_SKIP() << "Xvfb is not installed (Debian package xvfb)";
    enum { IDLE_LOST, PRINT_LOST, IDLE_TERM };
    ZW_Test_Reset();
    char old_cwd[1024];
    ASSERT_NE(getcwd(old_cwd, sizeof old_cwd), nullptr);
    for (const int row : {IDLE_LOST, PRINT_LOST, IDLE_TERM}) {
        SCOPED_TRACE(row);
        const std::string dir = Make_Temp_Folder("windowend_");
        ASSERT_FALSE(dir.empty());
        ASSERT_EQ(chdir(dir.c_str()), 0);
        Use_Example_Host();
        setenv("TEMP", dir.c_str(), 1);
        Write_Long_Print_Splice();
        /* service class 2 (the radio button of the system page), for the print "Drucken" */
        std::ofstream("window.scr", std::ios::binary)
            << At("click", 118, 233) << (row == PRINT_LOST ? Menu(MENU_PRINT) : "") << "snapshot "
            << dir << "/window.png\n";
        std::string display;
        pid_t server = -1, window = -1;
        int status = 0;
        bool ready = false;
        for (int attempt = 0; attempt < 3 && !ready; attempt++) {
            /* a server that ends as soon as it started gives no window (the program ends at
            ** once, "no window on the display"): once more on a new one */
            if (server > 0) {
                kill(server, SIGTERM);
                waitpid(server, nullptr, 0);
            }
            server = -1;
            Virtual_Display vd;
            if (!Start_Xvfb(xvfb, &vd)) break;
            server = vd.pid;
            display = vd.name;
            unlink("window.log");
            window = Start_Splice({"SPLICE_GUI_SCRIPT=" + dir + "/window.scr",
                                   "SPLICE_GUI_LOG=" + dir + "/window.log", "SPLICE_GUI_WINDOW=1",
                                   "SPLICE_SCREEN=1280x960", "DISPLAY=" + display,
                                   "SDL_VIDEODRIVER=x11"},
                                  "window.out");
            ASSERT_GT(window, 0);
            /* the change made (and the print at work), or the window gone */
            bool gone = false;
            ready = Within(120,
                           [&] {
                               gone = waitpid(window, &status, WNOHANG) == window;
                               return gone
                                      || (row == PRINT_LOST ? Print_At_Work()
                                                            : Slurp("window.log").find("SNAPSHOT ")
                                                                  != std::string::npos);
                           })
                    && !gone;
        }
        if (server < 0) {
            ASSERT_EQ(chdir(old_cwd), 0);
            GTEST_SKIP() << "Xvfb did not start";
        }
        if (!ready) {
            kill(window, SIGKILL);
            kill(server, SIGTERM);
            waitpid(window, nullptr, 0);
            waitpid(server, nullptr, 0);
        }
        ASSERT_TRUE(ready) << Slurp("window.out");
        if (row == PRINT_LOST) {
            EXPECT_EQ(Slurp("window.log").find("MESSAGE [Drucken]"), std::string::npos);
        }
        if (row == IDLE_TERM) kill(window, SIGTERM);
        else kill(server, SIGKILL);
        const double took = Seconds_To_End(window, &status, 30);
        kill(server, SIGTERM);
        waitpid(server, nullptr, 0);
        EXPECT_GE(took, 0.0) << "the window still ran 30 s later";
        EXPECT_LE(took, 10.0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == VEL_END_EXIT_CODE)
            << status << "\n"
            << Slurp("window.out");
        EXPECT_NE(
            Slurp("window.log").find(row == IDLE_TERM ? "ENDED signal 15" : "ENDED display lost"),
            std::string::npos);
        struct stat st;
        EXPECT_NE(lstat("Stoss.lck", &st), 0);
        EXPECT_EQ(Rt_Lock_Held_By_Other("Stoss.lck"), 0);
        const std::string copy = Slurp("Stoss_01.inp.ungespeichert");
        EXPECT_NE(copy.find("\nSYSTEM "), std::string::npos);
        EXPECT_NE(copy, Slurp("Stoss_01.inp"));

        /* the next start: writable, the copy named and taken over, and saved */
        std::ofstream("next.scr", std::ios::binary) << "answer yes\n" << Menu(MENU_SAVE);
        const pid_t next = Start_Splice({"SPLICE_GUI_SCRIPT=" + dir + "/next.scr",
                                         "SPLICE_GUI_LOG=" + dir + "/next.log",
                                         "SPLICE_GUI_HEADLESS=1", "SPLICE_SCREEN=1280x960"},
                                        "next.out");
        ASSERT_GT(next, 0);
        ASSERT_GE(Seconds_To_End(next, &status, 120), 0.0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1) << Slurp("next.out");
        const std::string log = Slurp("next.log");
        EXPECT_NE(log.find("QUESTION [Ungespeicherte Eingaben] Das letzte Fenster des Bauteils "
                           "Stoss endete am "),
                  std::string::npos)
            << log;
        EXPECT_NE(log.find("Stoss_01.inp.ungespeichert; die Eingabedatei Stoss_01.inp blieb, wie "
                           "sie zuletzt gespeichert wurde. | \xC3\x9C"
                           "bernehmen zeigt die Eingaben der Kopie"),
                  std::string::npos);
        EXPECT_EQ(log.find("ffnet vermerkt"), std::string::npos); /* no lock taken over */
        EXPECT_EQ(log.find("[Bauteil ge"), std::string::npos);    /* nor held */
        EXPECT_EQ(log.find("schreibgesch"), std::string::npos);
        EXPECT_NE(access("Stoss_01.inp.ungespeichert", F_OK), 0);
        Splice_Input_Record *saved =
            static_cast<Splice_Input_Record *>(calloc(1, sizeof(Splice_Input_Record)));
        Set_Splice_Input_Defaults(saved);
        EXPECT_EQ(Read_Splice_Input_File("Stoss_01.inp", saved, 0), 1);
        EXPECT_EQ(saved->service_class, 2);
        free(saved->Vorbemerkungen_Text);
        free(saved);
        EXPECT_FALSE(Print_At_Work()); /* what the print at work left is cleared */
        ASSERT_EQ(chdir(old_cwd), 0);
        if (!HasFailure()) { ASSERT_EQ(system(("rm -rf '" + dir + "'").c_str()), 0); }
    }
}

/* An input the user did not change leaves no copy at the window's end, whether the window stood
** idle at its first page, showed every page twice (their computations fill in the length,
** thickness, spacings, partial factors and shear planes) or printed (whose design run fills them
** in too and generates the combinations): what the program fills in is its own. A change of the
** user's afterwards is kept. Every example of examples/, in a window started on it (headless). */
TEST(WindowEnd, AnInputWithoutAChangeLeavesNoCopy)
{
    char old_cwd[1024];
    ASSERT_NE(getcwd(old_cwd, sizeof old_cwd), nullptr);
    std::string pages;
    for (int round = 0; round < 2; round++)
        for (int page = 1; page <= PAGE_COUNT; page++)
            pages += At("click", 85 + 150 * (page % PAGE_COUNT), 62);
    const struct {
        const char *what, *script;
    } rows[] = {{"idle", ""}, {"paged", pages.c_str()}};
    const std::string printed = Menu(MENU_PRINT);
    for (const char *ex : {"zugstoss_nagel", "biegestoss_stabduebel", "druckstoss_bolzen"})
        for (int row = 0; row < 3; row++) {
            const char *what = row < 2 ? rows[row].what : "printed";
            SCOPED_TRACE(std::string(ex) + ", " + what);
            const std::string dir = Make_Temp_Folder("nochange_");
            ASSERT_FALSE(dir.empty());
            const std::string from = std::string(SPLICE_SOURCE_DIR) + "/examples/" + ex;
            ASSERT_EQ(system(("cp '" + from + "'/* '" + dir + "'/").c_str()), 0);
            ASSERT_EQ(chdir(dir.c_str()), 0);
            Use_Example_Host();
            setenv("TEMP", dir.c_str(), 1);
            Reset_Vbm_Catalogues();
            Clear_NAD_State();
            Current_Page = PAGE_SYSTEM;
            ZW_Test_Reset();
            ZW_Test_Set_Script(row < 2 ? rows[row].script : printed.c_str());
            const char *argv[] = {"splice", ex, "17", "1", "4", nullptr};
            ASSERT_EQ(Splice_Main(5, const_cast<char **>(argv)), 1);
            if (row == 2) { ASSERT_EQ(access((std::string(ex) + "_01.oli").c_str(), F_OK), 0); }
            EXPECT_EQ(Keep_Unsaved_Input(), 0);
            EXPECT_NE(access(Unsaved_Copy_Path().c_str(), F_OK), 0);
            Splice_Input.service_class = Splice_Input.service_class == 1 ? 2 : 1;
            EXPECT_EQ(Keep_Unsaved_Input(), 1);
            EXPECT_EQ(access(Unsaved_Copy_Path().c_str(), F_OK), 0);
            ASSERT_EQ(chdir(old_cwd), 0);
            if (!HasFailure()) { ASSERT_EQ(system(("rm -rf '" + dir + "'").c_str()), 0); }
        }
}
