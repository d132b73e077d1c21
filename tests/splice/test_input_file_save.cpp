/*
** Tests of saving the component's input file: a failed save keeps the old file, a save in place
** of a link leaves its target, and a save asks before it overwrites another writer's change.
*/
#include "input_file_test_util.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/runtime.h"
#include "splice/splice_app.h"

TEST_F(InputFile, AFailedSaveIsReportedAndKeepsTheOldFile)
{
    Rec a;
    ASSERT_EQ(Write_Splice_Input_File("keep.inp", a.p), 1);
    std::string before = Slurp("keep.inp");
    /* The temporary file cannot be created: its name is taken by a folder. */
    const std::string temp = Rt_Safe_Temp_Name_Of("keep.inp");
    mkdir(temp.c_str(), 0755);
    a->b = 99.0;
    EXPECT_EQ(Write_Splice_Input_File("keep.inp", a.p), 0);
    EXPECT_EQ(Count_Log("MESSAGE"), 1);
    /* the box names the folder in the way, not the file that stays */
    EXPECT_EQ(Count_Log(("Die Datei " + temp
                         + " | kann nicht gespeichert werden. | Der Name bezeichnet einen Ordner.")
                            .c_str()),
              1);
    EXPECT_EQ(Slurp("keep.inp"), before);
    rmdir(temp.c_str());
    /* the file itself a folder: the rename fails, and the box names the file */
    ZW_Test_Clear_Log();
    ASSERT_EQ(mkdir("ordner.inp", 0755), 0);
    ASSERT_EQ(mkdir("ordner.inp/drin", 0755), 0); /* a folder with something in it */
    EXPECT_EQ(Write_Splice_Input_File("ordner.inp", a.p), 0);
    EXPECT_EQ(Count_Log("Die Datei ordner.inp | kann nicht gespeichert werden. | "
                        "Der Name bezeichnet einen Ordner. Die alte Datei bleibt erhalten."),
              1);
    EXPECT_NE(access("ordner.inp.tmp", F_OK), 0);
    rmdir("ordner.inp/drin");
    rmdir("ordner.inp");
    /* A folder that does not exist. */
    ZW_Test_Clear_Log();
    EXPECT_EQ(Write_Splice_Input_File("no_folder/x_01.inp", a.p), 0);
    EXPECT_EQ(Count_Log("MESSAGE"), 1);
    /* Afterwards the save works again and leaves no temporary file. */
    EXPECT_EQ(Write_Splice_Input_File("keep.inp", a.p), 1);
    struct stat st;
    EXPECT_NE(stat(temp.c_str(), &st), 0);
    Rec b;
    ASSERT_EQ(Read_Splice_Input_File("keep.inp", b.p, 0), 1);
    EXPECT_EQ(b->b, 99.0);
}

/* A save never writes through a link under the input file's name: a link to another file, or a
** second name of one, is replaced by a file of its own, and a box says so and where the file
** behind it is, which keeps its bytes. */
TEST_F(InputFile, ASaveInPlaceOfALinkSaysSoAndLeavesItsTarget)
{
    char cwd[1024];
    ASSERT_NE(getcwd(cwd, sizeof cwd), nullptr);
    const std::string here = cwd;
    Rec a;
    ASSERT_EQ(Write_Splice_Input_File("ziel.inp", a.p), 1);
    const std::string target = Slurp("ziel.inp");
    const struct {
        bool hard;
        const char *box, *name;
    } links[] = {
        {false, "war eine Verkn\xC3\xBCpfung auf ", "link_01.inp"},
        {true, "war ein zweiter Name der Datei ", "link_02.inp"},
    };
    for (const auto &l : links) {
        SCOPED_TRACE(l.box);
        ASSERT_EQ(l.hard ? link("ziel.inp", l.name) : symlink("ziel.inp", l.name), 0);
        /* read through the link: nothing changed since, nothing asked */
        Rec read;
        ASSERT_EQ(Read_Splice_Input_File(l.name, read.p, 0), 1);
        ZW_Test_Clear_Log();
        a->b = 99.0;
        ASSERT_EQ(Write_Splice_Input_File(l.name, a.p), 1);
        EXPECT_EQ(Count_Log("QUESTION"), 0);
        struct stat st;
        ASSERT_EQ(lstat(l.name, &st), 0);
        EXPECT_TRUE(S_ISREG(st.st_mode));
        EXPECT_EQ(st.st_nlink, 1u);
        EXPECT_EQ(Slurp("ziel.inp"), target);
        EXPECT_EQ(Count_Log(("MESSAGE [Speichern] Die Eingabedatei " + here + "/" + l.name + " | "
                             + l.box + here
                             + "/ziel.inp. | Gespeichert wurde in eine eigene Datei an ihrer "
                               "Stelle; | die Datei "
                             + here + "/ziel.inp bleibt unver\xC3\xA4ndert.")
                                .c_str()),
                  1);
        /* the next save replaces its own file without a word */
        ZW_Test_Clear_Log();
        ASSERT_EQ(Write_Splice_Input_File(l.name, a.p), 1);
        EXPECT_EQ(Count_Log("MESSAGE"), 0);
    }
    /* a link that points elsewhere since it was read is asked about, named as the link it is */
    ASSERT_EQ(symlink("ziel.inp", "link_03.inp"), 0);
    Rec read;
    ASSERT_EQ(Read_Splice_Input_File("link_03.inp", read.p, 0), 1);
    ASSERT_EQ(unlink("link_03.inp") || symlink("link_01.inp", "link_03.inp"), 0);
    ZW_Test_Reset();
    ZW_Test_Set_Script("answer cancel\n");
    EXPECT_EQ(Write_Splice_Input_File("link_03.inp", a.p), 0);
    EXPECT_EQ(Count_Log(("QUESTION [Speichern] Die Eingabedatei " + here
                         + "/link_03.inp | (eine Verkn\xC3\xBCpfung auf " + here
                         + "/link_01.inp) | wurde seit dem Lesen")
                            .c_str()),
              1);
}

/* The bytes another writer puts under Other_Path while a save runs (before its rename). */
static std::string Other_Path, Other_Bytes;
static void Write_Other_Now(const char *)
{
    Rt_Set_Install_Hook(nullptr);
    Spit("anderes.inp", Other_Bytes);
    rename("anderes.inp", Other_Path.c_str());
}

/* Another writer of the input file since this window read it: another window's save (a new file
** in its place), a program that writes the same number of bytes into it in place (its time alone
** differs; the file's clock counts in steps of a few milliseconds, so the test waits one), one
** that also sets the file's time back (its change time tells it), one that saves while this save
** runs, and a file write-protected for everyone (0444). The save asks first and loses no change
** without a word: cancelled, the file keeps the other's bytes; "Anderer Name" saves this window's
** values under the next free file number, with its title file, in a hint that says how to open
** it, and passes on to the next number where another window takes that one at the same moment;
** "Überschreiben" replaces it. */
TEST_F(InputFile, ASaveAsksBeforeItOverwritesAnotherWritersChange)
{
    enum { WINDOW, IN_PLACE, OLD_TIME, DURING, READ_ONLY, RACE };
    const struct {
        int how;
        const char *answer, *asked, *other;
    } rows[] = {
        {WINDOW, "cancel", "wurde seit dem Lesen von einem anderen Programm oder Fenster", ""},
        {IN_PLACE, "cancel", "wurde seit dem Lesen von einem anderen Programm oder Fenster", ""},
        {OLD_TIME, "cancel", "wurde seit dem Lesen von einem anderen Programm oder Fenster", ""},
        {DURING, "no", "wurde w\xC3\xA4hrend des Speicherns von einem anderen Programm oder",
         "stoss_02"},
        {READ_ONLY, "cancel",
         "ist schreibgesch\xC3\xBCtzt. \xC3\x9C"
         "berschreiben ersetzt sie",
         ""},
        {RACE, "no", "wurde seit dem Lesen von einem anderen Programm oder Fenster", "stoss_03"},
    };
    char cwd[1024];
    ASSERT_NE(getcwd(cwd, sizeof cwd), nullptr);
    for (const auto &row : rows) {
        SCOPED_TRACE(row.how);
        for (const char *f :
             {"stoss_01.inp", "stoss_02.inp", "stoss_03.inp", "stoss_02.txt", "stoss_03.txt"})
            unlink(f);
        Other_Path = "stoss_01.inp";
        Rec a, seen;
        a->b = 10.0;
        a->h = 20.0;
        ASSERT_EQ(Write_Splice_Input_File("stoss_01.inp", a.p), 1);
        const std::string mine = Slurp("stoss_01.inp");
        ASSERT_EQ(Read_Splice_Input_File("stoss_01.inp", seen.p, 0), 1);
        Other_Bytes = mine;
        if (row.how != READ_ONLY) Other_Bytes.replace(Other_Bytes.find(" 10 20 "), 7, " 10 33 ");
        if (row.how == WINDOW || row.how == RACE) Write_Other_Now(nullptr);
        if (row.how == IN_PLACE || row.how == OLD_TIME) {
            struct stat st;
            ASSERT_EQ(stat("stoss_01.inp", &st), 0);
            usleep(20000);
            FILE *f = fopen("stoss_01.inp", "r+b");
            ASSERT_NE(f, nullptr);
            fwrite(Other_Bytes.data(), 1, Other_Bytes.size(), f);
            fclose(f);
            const struct timespec times[2] = {st.st_atim, st.st_mtim};
            if (row.how == OLD_TIME) {
                ASSERT_EQ(utimensat(AT_FDCWD, "stoss_01.inp", times, 0), 0);
            }
        }
        if (row.how == DURING) Rt_Set_Install_Hook(Write_Other_Now);
        if (row.how == READ_ONLY) chmod("stoss_01.inp", 0444);
        if (row.how == RACE) { /* a second window saves stoss_02.inp while this one does */
            Other_Path = "stoss_02.inp";
            Rt_Set_Install_Hook(Write_Other_Now);
        }
        ZW_Test_Reset();
        /* the answer, the box that says where it saved, the answer to the next save */
        ZW_Test_Set_Script(std::string("answer ") + row.answer
                           + (row.answer[0] == 'n' ? "\nkey Enter\n" : "\n") + "answer yes\n");
        const int saved = Write_Splice_Input_File("stoss_01.inp", a.p);
        Rt_Set_Install_Hook(nullptr);
        bool asked = false;
        for (const std::string &l : ZW_Test_Log_Lines())
            asked |= l.rfind("QUESTION [Speichern] Die Eingabedatei ", 0) == 0
                     && l.find(row.asked) != std::string::npos;
        EXPECT_TRUE(asked);
        EXPECT_EQ(saved, row.answer[0] == 'n' ? 2 : 0);
        EXPECT_EQ(Slurp("stoss_01.inp"), Other_Bytes);
        if (row.how == RACE) { EXPECT_EQ(Slurp("stoss_02.inp"), Other_Bytes); }
        if (row.other[0]) {
            const std::string other = row.other;
            EXPECT_EQ(Slurp((other + ".inp").c_str()), mine);
            EXPECT_EQ(Slurp((other + ".txt").c_str()), "stoss\n");
            EXPECT_EQ(Count_Log(("MESSAGE [Speichern] Die Eingaben wurden unter " + std::string(cwd)
                                 + "/" + other
                                 + ".inp gespeichert; | die Datei stoss_01.inp bleibt "
                                   "unver\xC3\xA4ndert. | Zum Bearbeiten im Bauteil stoss die "
                                   "Datei Nr. "
                                 + other.substr(7)
                                 + " \xC3\xB6"
                                   "ffnen.")
                                    .c_str()),
                      1);
        } else {
            EXPECT_NE(access("stoss_02.inp", F_OK), 0);
        }
        /* asked again, and overwritten */
        EXPECT_EQ(Write_Splice_Input_File("stoss_01.inp", a.p), 1);
        EXPECT_EQ(Slurp("stoss_01.inp"), mine);
    }
}
