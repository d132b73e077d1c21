/*
** A window that ends without its user: the executable runs in an SDL window on a virtual display
** of its own (Xvfb), a field is changed, and the display ends under it (idle on the main sheet,
** or during a long print), or the process gets SIGTERM. It ends within 10 s (of its own: what a
** busy machine keeps it waiting for a processor is not counted), gives the component free, and
** keeps what it had not saved in a copy, which the next start names and takes over.
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
#include <sys/resource.h>
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
#include "results/calc_cache.h"
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

/* A log with the lines that a box wrapped joined again: a wrapped line keeps its blank at its end
** ("die | Eingabedatei" in the log as "die  | Eingabedatei") or ends with a folder's '/' of a
** path, while a line of its own ends without either. Where a box wraps depends on the length of
** the scratch folder's name in the paths it names, so a box's text is looked for as it reads. */
std::string Unwrapped(std::string log)
{
    for (const char *joint : {"  | ", "/ | "}) {
        for (size_t at = log.find(joint); at != std::string::npos; at = log.find(joint, at + 1))
            log.replace(at, 4, joint[0] == '/' ? "/" : " ");
    }
    return log;
}

/* The executable started in the current folder on the component Stoss, file 1, with the
** environment's variables and those of extra; its output goes to out. A limit of the size of the
** files it writes (bytes, 0 for none) stands for a full disk; a user other than 0 runs it (one
** whom a folder's mode refuses, where root passes every mode). */
pid_t Start_Splice(const std::vector<std::string> &extra, const std::string &out,
                   long long file_size_limit = 0, uid_t user = 0)
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
    if (file_size_limit > 0 || user != 0) {
        const pid_t child = fork();
        if (child == 0) {
            const int fd = open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            if (fd >= 0) {
                dup2(fd, STDOUT_FILENO);
                dup2(fd, STDERR_FILENO);
            }
            const struct rlimit limit = {(rlim_t)file_size_limit, (rlim_t)file_size_limit};
            if (file_size_limit > 0) setrlimit(RLIMIT_FSIZE, &limit);
            if (user != 0 && (setgid(user) != 0 || setuid(user) != 0)) _exit(126);
            execve(SPLICE_EXECUTABLE, const_cast<char **>(argv), envp.data());
            _exit(127);
        }
        return child;
    }
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

/* The seconds the process pid (its main thread) has waited for a processor since it started,
** from the scheduler's account in /proc; 0 where the system keeps none. */
double Seconds_Queued(pid_t pid)
{
    unsigned long long on_cpu = 0, queued = 0;
    FILE *f = fopen(("/proc/" + std::to_string(pid) + "/schedstat").c_str(), "r");
    const bool read = f != nullptr && fscanf(f, "%llu %llu", &on_cpu, &queued) == 2;
    if (f != nullptr) fclose(f);
    return read ? 1e-9 * (double)queued : 0.0;
}

/* How long a process took to end: the seconds from the start of the wait to its end (-1 where
** it still ran at the limit), and of them the seconds it stood ready while others had the
** processors. A busy machine stretches these alone: what the process did or waited for itself
** is the rest. */
struct End_Time {
    double wall = -1, queued = 0;
};

/* Wait until the process pid ended, at most limit seconds (it is then killed), and reap it (its
** status into *status); queued0 is Seconds_Queued(pid) at the start of the wait. */
End_Time Time_To_End(pid_t pid, int *status, double limit, double queued0)
{
    const auto t0 = std::chrono::steady_clock::now();
    End_Time e;
    /* ended, but not yet reaped: its account still stands */
    const bool ended = Within(limit, [&] {
        siginfo_t info{};
        return waitid(P_PID, (id_t)pid, &info, WEXITED | WNOHANG | WNOWAIT) == 0
               && info.si_pid == pid;
    });
    if (!ended) {
        kill(pid, SIGKILL);
        waitpid(pid, status, 0);
        return e;
    }
    e.wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    e.queued = Seconds_Queued(pid) - queued0;
    waitpid(pid, status, 0);
    return e;
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

/* On the page "System": the field of b (row 9) and of h below it; a click into one, the text
** typed, with Enter where it is to be left. */
const int B_Y = 80 + 28 + 26 * 9;
std::string Type_Into(int y, const char *text, bool enter)
{
    return At("click", 370, y - 4) + "type " + text + "\n" + (enter ? "key Enter\n" : "")
           + (enter ? At("click", 1230, 940) : "");
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

/* The input file at path read into a record of its own (its defaults first): its value of b, h
** and the service class, or -1 each where it cannot be read. */
struct Read_Back {
    double b = -1, h = -1;
    int service_class = -1;
};
Read_Back Read_Input(const std::string &path)
{
    Read_Back r;
    Splice_Input_Record *si =
        static_cast<Splice_Input_Record *>(calloc(1, sizeof(Splice_Input_Record)));
    Set_Splice_Input_Defaults(si);
    if (Read_Splice_Input_File(path.c_str(), si, 0) == 1) {
        r.b = si->b;
        r.h = si->h;
        r.service_class = si->service_class;
    }
    free(si->Vorbemerkungen_Text);
    free(si);
    return r;
}

/* Xvfb's whole path where a virtual display starts, else "" with the reason into *why (the
** tests of a real window then skip). */
std::string Usable_Xvfb(std::string *why)
{
    const std::string xvfb = Find_Program("Xvfb");
    if (xvfb.empty()) {
        *why = "Xvfb is not installed (Debian package xvfb)";
        return "";
    }
    Virtual_Display vd;
    if (!Start_Xvfb(xvfb, &vd)) {
        *why = "Xvfb did not start";
        return "";
    }
    Stop_Xvfb(&vd);
    return xvfb;
}

/* Whether the log <name>.log holds a snapshot: the window waits where the script ended. */
auto Snapshot_In(const std::string &name)
{
    return [name] { return Slurp(name + ".log").find("SNAPSHOT ") != std::string::npos; };
}

/* A window of the executable on a virtual display of its own, and how it ended. */
struct Window_Run {
    pid_t server = -1, window = -1;
    int status = 0;
};

/* Start the executable in an SDL window on a new virtual display, driven by the script
** <name>.scr of the current folder (its log <name>.log, its output <name>.out), until ready()
** (asked every 20 ms, at most 120 s). true when the window runs and is ready; false where no
** display started, or the window ended or was not ready (it is then ended). A server that ends as
** soon as it started gives no window: the window is started once more on a new one, three times
** at most. */
template <typename F>
bool Open_Window(const std::string &xvfb, const std::string &dir, const std::string &name, F ready,
                 Window_Run *run, long long file_size_limit = 0, uid_t user = 0)
{
    bool ok = false;
    for (int attempt = 0; attempt < 3 && !ok; attempt++) {
        if (run->server > 0) {
            kill(run->server, SIGTERM);
            waitpid(run->server, nullptr, 0);
        }
        run->server = -1;
        Virtual_Display vd;
        if (!Start_Xvfb(xvfb, &vd)) break;
        run->server = vd.pid;
        unlink((name + ".log").c_str());
        run->window =
            Start_Splice({"SPLICE_GUI_SCRIPT=" + dir + "/" + name + ".scr",
                          "SPLICE_GUI_LOG=" + dir + "/" + name + ".log", "SPLICE_GUI_WINDOW=1",
                          "SPLICE_SCREEN=1280x960", "DISPLAY=" + vd.name, "SDL_VIDEODRIVER=x11"},
                         name + ".out", file_size_limit, user);
        if (run->window <= 0) break;
        bool gone = false;
        ok = Within(120,
                    [&] {
                        gone = waitpid(run->window, &run->status, WNOHANG) == run->window;
                        return gone || ready();
                    })
             && !gone;
    }
    if (!ok && run->window > 0) {
        kill(run->window, SIGKILL);
        waitpid(run->window, nullptr, 0);
    }
    if (!ok && run->server > 0) {
        kill(run->server, SIGTERM);
        waitpid(run->server, nullptr, 0);
    }
    return ok;
}

/* End the window by the signal sig, or by its display (sig 0: the server killed); how long it
** took to end (wall -1 where it still ran 60 s later), its status in run->status; the server
** ends. */
End_Time End_Window(Window_Run *run, int sig)
{
    const double queued0 = Seconds_Queued(run->window);
    kill(sig != 0 ? run->window : run->server, sig != 0 ? sig : SIGKILL);
    const End_Time took = Time_To_End(run->window, &run->status, 60, queued0);
    kill(run->server, SIGTERM);
    waitpid(run->server, nullptr, 0);
    return took;
}

/* Whether the window ended without its user: its exit code, within 10 s of its own time (those
** it stood ready for a processor, which a busy machine adds, not counted). */
::testing::AssertionResult Ended_Without_User(const Window_Run &run, const End_Time &took)
{
    if (took.wall < 0) return ::testing::AssertionFailure() << "the window still ran 60 s later";
    if (took.wall - took.queued > 10)
        return ::testing::AssertionFailure() << "the window took " << took.wall << " s, "
                                             << took.queued << " s of them waiting for a processor";
    if (!WIFEXITED(run.status) || WEXITSTATUS(run.status) != VEL_END_EXIT_CODE)
        return ::testing::AssertionFailure() << "status " << run.status;
    return ::testing::AssertionSuccess();
}

/* The next start, headless, with the script; its log (the exit code 1 of a normal end asked). */
std::string Next_Start(const std::string &dir, const std::string &name, const std::string &script)
{
    std::ofstream(name + ".scr", std::ios::binary) << script;
    const pid_t next = Start_Splice({"SPLICE_GUI_SCRIPT=" + dir + "/" + name + ".scr",
                                     "SPLICE_GUI_LOG=" + dir + "/" + name + ".log",
                                     "SPLICE_GUI_HEADLESS=1", "SPLICE_SCREEN=1280x960"},
                                    name + ".out");
    int status = 0;
    EXPECT_GT(next, 0);
    EXPECT_GE(Time_To_End(next, &status, 120, 0.0).wall, 0.0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1) << Slurp(name + ".out");
    return Unwrapped(Slurp(name + ".log"));
}

/* Count of the occurrences of needle in text. */
int Count_Of(const std::string &text, const std::string &needle)
{
    int n = 0;
    for (size_t at = text.find(needle); at != std::string::npos; at = text.find(needle, at + 1))
        n++;
    return n;
}

/* When the file at path was last changed, as the boxes name a time (their no-break blanks in
** UTF-8): "am 09.12.2026 um 23:47". */
std::string When(const std::string &path)
{
    struct stat st;
    struct tm t;
    char text[64] = "";
    if (stat(path.c_str(), &st) == 0 && localtime_r(&st.st_mtime, &t))
        strftime(text, sizeof text, "am\xC2\xA0%d.%m.%Y\xC2\xA0um\xC2\xA0%H:%M", &t);
    return text;
}

/* A folder of its own for one row, the current folder, with the example host and TEMP there. */
std::string Row_Folder(const char *prefix)
{
    const std::string dir = Make_Temp_Folder(prefix);
    if (dir.empty() || chdir(dir.c_str()) != 0) return "";
    Use_Example_Host();
    setenv("TEMP", dir.c_str(), 1);
    return dir;
}

} // namespace

/* Where the display of a window goes away (Xvfb killed), idle or during a print, or where the
** window gets SIGTERM or SIGINT (Ctrl+C in the terminal that started it), the process ends within
** 10 s with the exit code of an end without the user (no finish question that nobody could
** answer, no spinning in the dead connection); the lock file is gone, what the print had at work
** is removed, and the service class changed from 1 to 2 and not saved is in
** Stoss_01.inp.ungespeichert. The next start opens the component writable (no box of another
** window, no lock taken over), names the copy in its question, takes it over ("answer yes") and
** saves it into the input file; the copy then goes. */
TEST(WindowEnd, AWindowWhoseDisplayEndsEndsAndKeepsWhatItHadNotSaved)
{
    std::string why;
    const std::string xvfb = Usable_Xvfb(&why);
    if (xvfb.empty()) GTEST_SKIP() << why;
    enum { IDLE_LOST, PRINT_LOST, IDLE_TERM, IDLE_INT };
    ZW_Test_Reset();
    char old_cwd[1024];
    ASSERT_NE(getcwd(old_cwd, sizeof old_cwd), nullptr);
    for (const int row : {IDLE_LOST, PRINT_LOST, IDLE_TERM, IDLE_INT}) {
        SCOPED_TRACE(row);
        const std::string dir = Row_Folder("windowend_");
        ASSERT_FALSE(dir.empty());
        Write_Long_Print_Splice();
        /* service class 2 (the radio button of the system page), for the print "Drucken" */
        std::ofstream("window.scr", std::ios::binary)
            << At("click", 118, 233) << (row == PRINT_LOST ? Menu(MENU_PRINT) : "") << "snapshot "
            << dir << "/window.png\n";
        Window_Run run;
        /* the change made (and the print at work) */
        ASSERT_TRUE(Open_Window(
            xvfb, dir, "window",
            [&] {
                return row == PRINT_LOST
                           ? Print_At_Work()
                           : Slurp("window.log").find("SNAPSHOT ") != std::string::npos;
            },
            &run))
            << Slurp("window.out");
        if (row == PRINT_LOST) {
            EXPECT_EQ(Slurp("window.log").find("MESSAGE [Drucken]"), std::string::npos);
        }
        const int sig = row == IDLE_TERM ? SIGTERM : row == IDLE_INT ? SIGINT : 0;
        const End_Time took = End_Window(&run, sig);
        EXPECT_TRUE(Ended_Without_User(run, took)) << Slurp("window.out");
        EXPECT_NE(
            Slurp("window.log")
                .find(sig != 0 ? "ENDED signal " + std::to_string(sig) : "ENDED display lost"),
            std::string::npos);
        struct stat st;
        EXPECT_NE(lstat("Stoss.lck", &st), 0);
        EXPECT_EQ(Rt_Lock_Held_By_Other("Stoss.lck"), 0);
        EXPECT_FALSE(Print_At_Work()); /* the print's work files went with the window */
        const std::string copy = Slurp("Stoss_01.inp.ungespeichert");
        EXPECT_NE(copy.find("\nSYSTEM "), std::string::npos);
        EXPECT_NE(copy, Slurp("Stoss_01.inp"));

        /* the next start: writable, the copy named and taken over, and saved */
        const std::string log = Next_Start(dir, "next", "answer yes\n" + Menu(MENU_SAVE));
        EXPECT_NE(log.find("QUESTION [Ungespeicherte Eingaben] Das Fenster des Bauteils Stoss, das "
                           "diese Kopie hinterlie\xC3\x9F, endete am\xC2\xA0"),
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
        EXPECT_EQ(Read_Input("Stoss_01.inp").service_class, 2);
        ASSERT_EQ(chdir(old_cwd), 0);
        if (!HasFailure()) { ASSERT_EQ(system(("rm -rf '" + dir + "'").c_str()), 0); }
    }
}

/* A field still open when the window ends (b typed, no Enter): its text is taken as leaving the
** field would take it. b = 15 goes into the copy (the display lost); "1x5", which the field
** refuses, is named in the copy's box with the value that stays (SIGTERM). */
TEST(WindowEnd, AFieldStillOpenKeepsWhatItHolds)
{
    std::string why;
    const std::string xvfb = Usable_Xvfb(&why);
    if (xvfb.empty()) GTEST_SKIP() << why;
    char old_cwd[1024];
    ASSERT_NE(getcwd(old_cwd, sizeof old_cwd), nullptr);
    for (const bool valid : {true, false}) {
        SCOPED_TRACE(valid);
        const std::string dir = Row_Folder("openfield_");
        ASSERT_FALSE(dir.empty());
        Write_Long_Print_Splice();
        std::ofstream("window.scr", std::ios::binary)
            << Type_Into(B_Y, valid ? "15" : "1x5", false) << "snapshot " << dir << "/w.png\n";
        Window_Run run;
        ASSERT_TRUE(Open_Window(xvfb, dir, "window", Snapshot_In("window"), &run))
            << Slurp("window.out");
        /* the editor still open: nothing left it */
        EXPECT_EQ(Slurp("window.log").find("EDITFLOAT"), std::string::npos);
        EXPECT_TRUE(Ended_Without_User(run, End_Window(&run, valid ? 0 : SIGTERM)));
        EXPECT_EQ(Read_Input("Stoss_01.inp.ungespeichert").b, valid ? 15.0 : 14.0);
        const std::string log = Next_Start(dir, "next", "answer yes\n" + Menu(MENU_SAVE));
        const char *named = "Aus einem offenen Feld nicht \xC3\xBC"
                            "bernommen: b: \"1x5\" ist keine Zahl; es gilt weiter 14.0.";
        EXPECT_EQ(log.find(named) != std::string::npos, !valid) << log;
        EXPECT_EQ(Read_Input("Stoss_01.inp").b, valid ? 15.0 : 14.0);
        ASSERT_EQ(chdir(old_cwd), 0);
        if (!HasFailure()) { ASSERT_EQ(system(("rm -rf '" + dir + "'").c_str()), 0); }
    }
}

/* A copy waits ("Später") and the next window ends as well: neither copy is written over. Window
** 1 changes b to 15 and gets SIGTERM; window 2 is answered "Später", says in its title and above
** its pages that the copy waits, changes h to 28 and gets SIGTERM. The third start offers both in
** one list, the newest first, each with when its window ended; both stay after "Später". The
** next start removes the older one chosen in the list and takes the newer one over. */
TEST(WindowEnd, NoCopyIsWrittenOverAfterLater)
{
    std::string why;
    const std::string xvfb = Usable_Xvfb(&why);
    if (xvfb.empty()) GTEST_SKIP() << why;
    char old_cwd[1024];
    ASSERT_NE(getcwd(old_cwd, sizeof old_cwd), nullptr);
    const std::string dir = Row_Folder("later_");
    ASSERT_FALSE(dir.empty());
    Write_Long_Print_Splice();
    for (int window = 1; window <= 2; window++) {
        SCOPED_TRACE(window);
        const std::string name = "window" + std::to_string(window);
        std::ofstream(name + ".scr", std::ios::binary)
            << (window == 2 ? "answer cancel\n" : "")
            << Type_Into(window == 1 ? B_Y : B_Y + 26, window == 1 ? "15" : "28", true)
            << "snapshot " << dir << "/" << name << ".png\n";
        Window_Run run;
        ASSERT_TRUE(Open_Window(xvfb, dir, name, Snapshot_In(name), &run)) << Slurp(name + ".out");
        EXPECT_TRUE(Ended_Without_User(run, End_Window(&run, SIGTERM)));
    }
    const std::string log2 = Slurp("window2.log");
    EXPECT_NE(log2.find("TITLE Biegestoss, 2 x 1000 Kombinationen (ungespeicherte Eingaben "
                        "warten)"),
              std::string::npos)
        << log2;
    EXPECT_NE(log2.find("Ungespeicherte Eingaben warten in Stoss_01.inp.ungespeichert (beim "
                        "n\xC3\xA4"
                        "chsten Start \xC3\xBC"
                        "bernehmen oder verwerfen)."),
              std::string::npos);
    EXPECT_EQ(Read_Input("Stoss_01.inp.ungespeichert").b, 15.0);
    EXPECT_EQ(Read_Input("Stoss_01.inp.ungespeichert").h, 24.0);
    EXPECT_EQ(Read_Input("Stoss_01.inp.ungespeichert2").b, 14.0);
    EXPECT_EQ(Read_Input("Stoss_01.inp.ungespeichert2").h, 28.0);
    /* one list, no box a copy: each copy's row its time and its name, the second window's first */
    const std::string log = Next_Start(dir, "next", "key Esc\n");
    EXPECT_EQ(Count_Of(log, "QUESTION [Ungespeicherte Eingaben]"), 0) << log;
    const size_t newest = log.find(When("Stoss_01.inp.ungespeichert2") + "\nTEXT ");
    const size_t older = log.find(When("Stoss_01.inp.ungespeichert") + "\nTEXT ", newest + 1);
    ASSERT_NE(newest, std::string::npos) << log;
    ASSERT_NE(older, std::string::npos) << log;
    EXPECT_EQ(log.find(" Stoss_01.inp.ungespeichert", newest),
              log.find(" Stoss_01.inp.ungespeichert2\n", newest));
    EXPECT_EQ(log.find(" Stoss_01.inp.ungespeichert", older),
              log.find(" Stoss_01.inp.ungespeichert\n", older));
    EXPECT_EQ(Read_Input("Stoss_01.inp.ungespeichert").b, 15.0);
    EXPECT_EQ(Read_Input("Stoss_01.inp.ungespeichert2").h, 28.0);
    /* the older (b = 15) chosen and removed, the newer (h = 28) taken over and saved */
    Next_Start(dir, "take", "key Down\nkey Del\nkey Enter\n" + Menu(MENU_SAVE));
    EXPECT_EQ(Read_Input("Stoss_01.inp").b, 14.0);
    EXPECT_EQ(Read_Input("Stoss_01.inp").h, 28.0);
    for (const char *gone : {"Stoss_01.inp.ungespeichert", "Stoss_01.inp.ungespeichert2"})
        EXPECT_NE(access(gone, F_OK), 0) << gone;
    ASSERT_EQ(chdir(old_cwd), 0);
    if (!HasFailure()) { ASSERT_EQ(system(("rm -rf '" + dir + "'").c_str()), 0); }
}

/* A copy that cannot be written: the size of a file limited below the input's, as a full disk
** takes no more, or the component's folder turned read-only while the window ran (its note then
** stands in TEMP, and the lock file stays, though no window holds it). The window still ends
** without its user and gives the component free; the next start says that a window ended
** without saving and that its copy could not be kept, and why, once. */
TEST(WindowEnd, ACopyThatCannotBeWrittenIsNamedByTheNextStart)
{
    std::string why;
    const std::string xvfb = Usable_Xvfb(&why);
    if (xvfb.empty()) GTEST_SKIP() << why;
    char old_cwd[1024];
    ASSERT_NE(getcwd(old_cwd, sizeof old_cwd), nullptr);
    for (const bool read_only : {false, true}) {
        SCOPED_TRACE(read_only);
        const std::string dir = Row_Folder("nocopy_");
        ASSERT_FALSE(dir.empty());
        Write_Long_Print_Splice();
        struct stat input;
        ASSERT_EQ(stat("Stoss_01.inp", &input), 0);
        /* the folder's mode refuses the window: its user, nobody where the test is root's */
        const uid_t user = read_only && geteuid() == 0 ? 65534 : 0;
        if (read_only) {
            const std::string temp = dir + "/temp";
            ASSERT_EQ(mkdir(temp.c_str(), 0777), 0);
            for (const std::string &d : {temp, dir}) ASSERT_EQ(chmod(d.c_str(), 0777), 0);
            ASSERT_EQ(chmod(Temp_Folder().c_str(), 0711), 0);
            setenv("TEMP", temp.c_str(), 1);
        }
        std::ofstream("window.scr", std::ios::binary)
            << At("click", 118, 233) << "snapshot " << dir << "/window.png\n";
        Window_Run run;
        ASSERT_TRUE(Open_Window(xvfb, dir, "window", Snapshot_In("window"), &run,
                                read_only ? 0 : input.st_size / 2, user))
            << Slurp("window.out");
        if (read_only) { ASSERT_EQ(chmod(dir.c_str(), 0555), 0); }
        EXPECT_TRUE(Ended_Without_User(run, End_Window(&run, SIGTERM))) << Slurp("window.out");
        if (read_only) { ASSERT_EQ(chmod(dir.c_str(), 0755), 0); }
        EXPECT_NE(access("Stoss_01.inp.ungespeichert", F_OK), 0);
        EXPECT_EQ(access("Stoss.lck", F_OK) == 0, read_only);
        EXPECT_EQ(Rt_Lock_Held_By_Other("Stoss.lck"), 0);
        const std::string log = Next_Start(dir, "next", "");
        EXPECT_NE(log.find("MESSAGE [Ungespeicherte Eingaben] Ein Fenster des Bauteils Stoss "
                           "endete am\xC2\xA0"),
                  std::string::npos)
            << log;
        EXPECT_NE(log.find("Seine Eingaben konnten nicht in eine Kopie geschrieben werden: "
                           + (read_only ? "Der Ordner " + dir
                                              + " nahm keine Datei an (keine Schreibrechte)."
                                        : std::string("Die Datei wird zu gro\xC3\x9F."))),
                  std::string::npos);
        /* said once */
        EXPECT_EQ(Next_Start(dir, "again", "").find("Ungespeicherte Eingaben"), std::string::npos);
        EXPECT_EQ(Read_Input("Stoss_01.inp").service_class, 1);
        ASSERT_EQ(chdir(old_cwd), 0);
        if (!HasFailure()) { ASSERT_EQ(system(("rm -rf '" + dir + "'").c_str()), 0); }
    }
}

/* A signal while a box of the start is open ends the window without its user, as it does later:
** SIGTERM at the offer of a waiting copy (the copy stays for the next start), SIGHUP at the hint
** that the lock of a window that ended is taken over. Within 10 s, and no lock file is left. */
TEST(WindowEnd, ASignalAtAStartBoxEndsTheWindow)
{
    std::string why;
    const std::string xvfb = Usable_Xvfb(&why);
    if (xvfb.empty()) GTEST_SKIP() << why;
    char old_cwd[1024];
    ASSERT_NE(getcwd(old_cwd, sizeof old_cwd), nullptr);
    for (const int sig : {SIGTERM, SIGHUP}) {
        SCOPED_TRACE(sig);
        const std::string dir = Row_Folder("startbox_");
        ASSERT_FALSE(dir.empty());
        Write_Long_Print_Splice();
        const char *box = "";
        if (sig == SIGTERM) {
            /* a copy of b = 15 waits */
            Splice_Input.b = 15.0;
            std::ofstream("Stoss_01.inp.ungespeichert", std::ios::binary) << Input_File_Bytes();
            box = "QUESTION [Ungespeicherte Eingaben]";
        } else {
            /* the lock of a window of this machine that no longer runs */
            const pid_t ended = fork();
            if (ended == 0) _exit(0);
            waitpid(ended, nullptr, 0);
            char host[256] = "";
            gethostname(host, sizeof host - 1);
            std::ofstream("Stoss.lck", std::ios::binary) << ended << " " << host << "\n";
            box = "MESSAGE [Hinweis] Das Bauteil Stoss war noch als ge\xC3\xB6"
                  "ffnet vermerkt";
        }
        std::ofstream("window.scr", std::ios::binary) << "snapshot " << dir << "/window.png\n";
        Window_Run run;
        ASSERT_TRUE(Open_Window(xvfb, dir, "window", Snapshot_In("window"), &run))
            << Slurp("window.out");
        EXPECT_NE(Unwrapped(Slurp("window.log")).find(box), std::string::npos)
            << Slurp("window.log");
        EXPECT_TRUE(Ended_Without_User(run, End_Window(&run, sig))) << Slurp("window.out");
        struct stat st;
        EXPECT_NE(lstat("Stoss.lck", &st), 0);
        EXPECT_EQ(Rt_Lock_Held_By_Other("Stoss.lck"), 0);
        if (sig == SIGTERM) { EXPECT_EQ(Read_Input("Stoss_01.inp.ungespeichert").b, 15.0); }
        ASSERT_EQ(chdir(old_cwd), 0);
        if (!HasFailure()) { ASSERT_EQ(system(("rm -rf '" + dir + "'").c_str()), 0); }
    }
}

/* What the next start finds of earlier copies, as it stands, through the whole start (its lock,
** its clean-up of the input's work files, its offer): a whole copy that a kill at its rename left
** under its work file's name, the first copy's or the second's (the first waits then), is offered
** and taken over byte for byte (a cut one goes with the other work files); the first copy, left
** waiting, is older than the input file then saved, and says when the input file was saved and
** that it is newer. */
TEST(WindowEnd, TheNextStartOffersEveryCopyAsItStands)
{
    char old_cwd[1024];
    ASSERT_NE(getcwd(old_cwd, sizeof old_cwd), nullptr);
    for (const int k : {1, 2}) {
        SCOPED_TRACE(k);
        const std::string dir = Row_Folder("copies_");
        ASSERT_FALSE(dir.empty());
        Write_Long_Print_Splice();
        ASSERT_EQ(Form_Component_File_Names("Stoss", 1), 1);
        snprintf(Bauteilkennung, BAUTEILKENNUNG_MAX, "Stoss");
        ASSERT_EQ(Open_Input_As_Program(Inp_File_Name), 1);
        ZW_Test_Reset();
        Offer_Unsaved_Copy();
        /* the second row: a copy of h = 28 waits, an hour old */
        const std::string first = "Stoss_01.inp.ungespeichert";
        if (k == 2) {
            Splice_Input.h = 28.0;
            ASSERT_EQ(Keep_Unsaved_Input(), 1);
            struct timespec an_hour_ago[2];
            clock_gettime(CLOCK_REALTIME, &an_hour_ago[0]);
            an_hour_ago[0].tv_sec -= 3600;
            an_hour_ago[1] = an_hour_ago[0];
            ASSERT_EQ(utimensat(AT_FDCWD, first.c_str(), an_hour_ago, 0), 0);
        }
        /* the copy of b = 15 as a killed window leaves it: whole under its work file's name, and
        ** another one cut short */
        const pid_t ended = fork();
        if (ended == 0) _exit(0);
        waitpid(ended, nullptr, 0);
        Splice_Input.b = 15.0;
        ASSERT_EQ(Keep_Unsaved_Input(), 1);
        const std::string copy = first + (k == 2 ? "2" : "");
        const std::string whole = copy + "." + std::to_string(ended) + ".tmp";
        const std::string cut = first + "7." + std::to_string(ended) + ".tmp";
        ASSERT_EQ(rename(copy.c_str(), whole.c_str()), 0);
        const std::string bytes = Slurp(whole);
        std::ofstream(cut, std::ios::binary) << bytes.substr(0, bytes.size() / 2);
        const std::string log = Next_Start(dir, "next", "key Enter\n" + Menu(MENU_SAVE));
        /* named in the box of one copy, in a row of the list of two */
        EXPECT_NE(log.find(k == 1 ? "Datei " + dir + "/" + copy + ";" : " " + copy + "\n"),
                  std::string::npos)
            << log;
        for (const std::string &gone : {whole, cut, copy})
            EXPECT_NE(access(gone.c_str(), F_OK), 0) << gone;
        if (k == 2) {
            EXPECT_EQ(Read_Input(first).h, 28.0);
            const std::string again = Next_Start(dir, "again", "key Esc\n");
            EXPECT_NE(again.find("die Eingabedatei Stoss_01.inp wurde danach gespeichert, "
                                 + When("Stoss_01.inp") + ", und ist neuer als die Kopie."),
                      std::string::npos)
                << again;
        }
        /* the bytes of a direct save of the copy's input (behind its own line) */
        const std::string taken = Slurp("Stoss_01.inp");
        std::ofstream("Stoss_01.inp", std::ios::binary) << bytes.substr(bytes.find('\n') + 1);
        Next_Start(dir, "direct", (k == 2 ? "key Esc\n" : "") + Menu(MENU_SAVE));
        EXPECT_TRUE(taken == Slurp("Stoss_01.inp"));
        EXPECT_EQ(Read_Input("Stoss_01.inp").b, 15.0);
        ASSERT_EQ(chdir(old_cwd), 0);
        if (!HasFailure()) { ASSERT_EQ(system(("rm -rf '" + dir + "'").c_str()), 0); }
    }
}

/* An input the user did not change leaves no copy at the window's end, whether the window stood
** idle at its first page, showed every page twice (their computations fill in the length,
** thickness, spacings, partial factors and shear planes) or printed (whose design run fills them
** in too and generates the combinations): what the program fills in is its own. A change of the
** user's afterwards is kept. Every example of examples/, in a window started on it (headless).
** None of it formats the input: a page compares the record with the input file's. */
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
            const uint32_t formats = Input_Formats, compares = Input_Compares,
                           runs = Splice_Calc_Serial;
            ASSERT_EQ(Splice_Main(5, const_cast<char **>(argv)), 1);
            /* a format of the input costs a hundred times a visit at 10 x 1000 combinations;
            ** each drawing of a page compares the record twice, before the page and after it:
            ** the first page, the ten visits, the print and the page after it */
            EXPECT_EQ(Input_Formats, formats);
            EXPECT_EQ(Input_Compares - compares, row == 0 ? 2u : row == 1 ? 22u : 6u);
            /* the start prepares at most once (its first page shows a length or thickness left
            ** to the program as the pattern sets it) */
            if (row == 0) { EXPECT_LE(Splice_Calc_Serial - runs, 1u); }
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
