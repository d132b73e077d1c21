/*
** Tests of the host runtime stand-in: paths, environment, temporary names, listing, copies,
** processes and the clock.
*/
#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <set>
#include <string>

#include "foundation/files.h"
#include "platform/runtime.h"
#include "scratch_dir.h"

namespace {

TEST(Runtime, PathsAndEnvironment)
{
    char p[] = "a\\b\\c.dat";
    EXPECT_STREQ(Rt_Path_Slashes(p), "a/b/c.dat");
    char out[16];
    EXPECT_EQ(Rt_Path_Join(out, sizeof out, "dir", "x"), 1);
    EXPECT_STREQ(out, "dir/x");
    EXPECT_EQ(Rt_Path_Join(out, sizeof out, "dir/", "/x"), 1);
    EXPECT_STREQ(out, "dir/x");
    EXPECT_EQ(Rt_Path_Join(out, 6, "dir", "long"), 0);
    EXPECT_STREQ(out, "dir/l");
    EXPECT_EQ(Rt_Setenv("SPLICE_RT_TEST", "42"), 1);
    EXPECT_STREQ(Rt_Getenv("SPLICE_RT_TEST"), "42");
    EXPECT_EQ(Rt_Setenv("SPLICE_RT_TEST", nullptr), 1);
    EXPECT_EQ(Rt_Getenv("SPLICE_RT_TEST"), nullptr);
    char cwd[RT_PATH_MAX];
    EXPECT_EQ(Rt_Get_Cwd(cwd, sizeof cwd), 1);
    EXPECT_EQ(cwd[0], '/');
}

TEST(Runtime, TemporaryNames)
{
    Scratch_Dir dir;
    char a[RT_PATH_MAX], b[RT_PATH_MAX];
    const unsigned ua = Rt_Get_Temp_File_Name(dir.path.c_str(), "VELX", 0, a);
    const unsigned ub = Rt_Get_Temp_File_Name(dir.path.c_str(), "VELX", 0, b);
    ASSERT_NE(ua, 0u);
    ASSERT_NE(ub, 0u);
    EXPECT_STRNE(a, b);
    EXPECT_EQ(std::string(a).rfind(dir.path + "/VEL", 0), 0u);
    EXPECT_EQ(std::string(a).substr(std::string(a).size() - 4), ".TMP");
    EXPECT_EQ(Rt_File_Exists(a), 1); /* created empty, as the Windows call does */
    EXPECT_EQ(Rt_File_Size(a), 0);
    EXPECT_EQ(Rt_Delete_File(a), 1);
    EXPECT_EQ(Rt_Delete_File(a), 0);
    char c[RT_PATH_MAX];
    EXPECT_EQ(Rt_Get_Temp_File_Name(dir.path.c_str(), "ABC", 0x1F, c), 0x1Fu);
    EXPECT_EQ(std::string(c), dir.path + "/ABC001F.TMP");
    EXPECT_EQ(Rt_File_Exists(c), 0); /* a given number only forms the name */
    EXPECT_EQ(Rt_Get_Temp_File_Name(dir.File("none").c_str(), "VEL", 0, c), 0u);
    char *t = Rt_Tempnam(dir.path.c_str(), "VEL_");
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(std::string(t).rfind(dir.path + "/VEL_", 0), 0u);
    EXPECT_EQ(Rt_File_Exists(t), 0);
    free(t);
}

TEST(Runtime, ListingAndCopies)
{
    Scratch_Dir dir;
    Write_File(dir.File("ec5_nagel.dat"), "n");
    Write_File(dir.File("ec5_bolzen.dat"), "bb");
    Write_File(dir.File("other.txt"), "o");
    Rt_Make_Dirs(dir.File("ec5_dir").c_str());
    EXPECT_EQ(Rt_Wildcard_Match("ec5_*.dat", "ec5_nagel.dat"), 1);
    EXPECT_EQ(Rt_Wildcard_Match("ec5_?agel.dat", "ec5_nagel.dat"), 1);
    EXPECT_EQ(Rt_Wildcard_Match("*.dat", "x.txt"), 0);
    EXPECT_EQ(Rt_Wildcard_Match("*", ""), 1);
    Rt_Find_Data d;
    const std::string pattern = dir.File("ec5_*");
    Rt_Find *f = Rt_Find_First(pattern.c_str(), 0, &d);
    ASSERT_NE(f, nullptr);
    EXPECT_STREQ(d.name, "ec5_bolzen.dat"); /* sorted by name, folders left out */
    EXPECT_EQ(d.size, 2);
    EXPECT_EQ(std::string(d.path), dir.File("ec5_bolzen.dat"));
    EXPECT_EQ(Rt_Find_Next(f, &d), 1);
    EXPECT_STREQ(d.name, "ec5_nagel.dat");
    EXPECT_EQ(Rt_Find_Next(f, &d), 0);
    Rt_Find_Close(f);
    f = Rt_Find_First(pattern.c_str(), 1, &d);
    ASSERT_NE(f, nullptr);
    EXPECT_STREQ(d.name, "ec5_dir");
    EXPECT_EQ(d.is_dir, 1);
    Rt_Find_Close(f);
    EXPECT_EQ(Rt_Find_First(dir.File("*.none").c_str(), 0, &d), nullptr);
    EXPECT_EQ(Rt_Copy_File(dir.File("ec5_bolzen.dat").c_str(), dir.File("copy").c_str(), 0), 1);
    EXPECT_EQ(Read_File(dir.File("copy")), "bb");
    EXPECT_EQ(Rt_Copy_File(dir.File("other.txt").c_str(), dir.File("copy").c_str(), 1), 0);
    EXPECT_EQ(Read_File(dir.File("copy")), "bb");
    EXPECT_EQ(Rt_Copy_File(dir.File("missing").c_str(), dir.File("copy2").c_str(), 0), 0);
    EXPECT_EQ(Rt_File_Exists(dir.File("copy2").c_str()), 0);
    EXPECT_EQ(Rt_Is_Directory(dir.File("ec5_dir").c_str()), 1);
    EXPECT_EQ(Rt_Is_Executable(dir.File("copy").c_str()), 0);
    EXPECT_GT(Rt_File_Mtime(dir.File("copy").c_str()), 0);
}

/* A file replaced whole: the new bytes appear only with the commit, a failed write or an
** abandoned file leaves the old bytes and no temporary file, the permissions stay. */
TEST(Runtime, SafeFilesReplaceWholeOrNotAtAll)
{
    Scratch_Dir dir;
    const std::string path = dir.File("liste.oli");
    Write_File(path, "alt\n");
    chmod(path.c_str(), 0640);

    Rt_Safe_File *sf = Rt_Safe_Open(path.c_str());
    ASSERT_NE(sf, nullptr);
    EXPECT_STREQ(Rt_Safe_Path(sf), path.c_str());
    EXPECT_EQ(std::string(Rt_Safe_Temp_Path(sf)), Rt_Safe_Temp_Name_Of(path.c_str()));
    fputs("neu\n", Rt_Safe_Stream(sf));
    EXPECT_EQ(Read_File(path), "alt\n"); /* nothing in place before the commit */
    EXPECT_EQ(Rt_Safe_Commit(sf), 1);
    EXPECT_EQ(Rt_Safe_Error(sf), 0);
    EXPECT_EQ(Rt_Safe_Stream(sf), nullptr);
    Rt_Safe_Close(sf);
    EXPECT_EQ(Read_File(path), "neu\n");
    struct stat st;
    ASSERT_EQ(stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    EXPECT_NE(access(Rt_Safe_Temp_Name_Of(path.c_str()), F_OK), 0);

    /* abandoned: the temporary file goes, the file stays */
    sf = Rt_Safe_Open(path.c_str());
    fputs("verworfen\n", Rt_Safe_Stream(sf));
    Rt_Safe_Close(sf);
    EXPECT_EQ(Read_File(path), "neu\n");
    EXPECT_NE(access(Rt_Safe_Temp_Name_Of(path.c_str()), F_OK), 0);

    /* a disk with room for 10 bytes: the eleventh fails the commit with ENOSPC, also when
    ** the bytes came in many small writes through the stream's buffer */
    for (long long room : {0LL, 10LL, 9999LL}) {
        SCOPED_TRACE(room);
        sf = Rt_Safe_Open(path.c_str());
        ASSERT_NE(sf, nullptr);
        Rt_Set_Write_Budget(room);
        for (int i = 0; i < 1000; i++) fputs("0123456789", Rt_Safe_Stream(sf));
        EXPECT_EQ(Rt_Safe_Commit(sf), 0);
        Rt_Set_Write_Budget(-1);
        EXPECT_EQ(Rt_Safe_Error(sf), ENOSPC);
        Rt_Safe_Close(sf);
        EXPECT_EQ(Read_File(path), "neu\n");
        EXPECT_NE(access(Rt_Safe_Temp_Name_Of(path.c_str()), F_OK), 0);
    }
    /* exactly room enough */
    sf = Rt_Safe_Open(path.c_str());
    Rt_Set_Write_Budget(4);
    fputs("voll", Rt_Safe_Stream(sf));
    EXPECT_EQ(Rt_Safe_Commit(sf), 1);
    Rt_Set_Write_Budget(-1);
    Rt_Safe_Close(sf);
    EXPECT_EQ(Read_File(path), "voll");

    /* the two halves: finished but not installed leaves the old file */
    sf = Rt_Safe_Open(path.c_str());
    fputs("halb", Rt_Safe_Stream(sf));
    EXPECT_EQ(Rt_Safe_Install(sf), 0); /* not finished yet */
    EXPECT_EQ(Rt_Safe_Finish(sf), 1);
    EXPECT_EQ(Rt_Safe_Finish(sf), 1); /* a second finish answers the same */
    EXPECT_EQ(Read_File(path), "voll");
    EXPECT_EQ(Read_File(Rt_Safe_Temp_Path(sf)), "halb");
    EXPECT_EQ(Rt_Safe_Install(sf), 1);
    EXPECT_EQ(Rt_Safe_Install(sf), 1); /* and a second install */
    Rt_Safe_Close(sf);
    EXPECT_EQ(Read_File(path), "halb");

    /* a second writer of the file in another process (a second window) while this one writes
    ** never takes this writer's temporary file: each puts its own bytes in place */
    sf = Rt_Safe_Open(path.c_str());
    fputs("erster", Rt_Safe_Stream(sf));
    const pid_t other = fork();
    if (other == 0) {
        Rt_Safe_File *second = Rt_Safe_Open(path.c_str());
        fputs("zweiter", Rt_Safe_Stream(second));
        _exit(Rt_Safe_Commit(second) ? 0 : 1);
    }
    int status = -1;
    ASSERT_EQ(waitpid(other, &status, 0), other);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(Read_File(path), "zweiter");
    EXPECT_EQ(Rt_Safe_Commit(sf), 1);
    Rt_Safe_Close(sf);
    EXPECT_EQ(Read_File(path), "erster");

    /* a disk that cannot keep the bytes: the file's sync fails, the old file stays; a sync of
    ** the folder that fails after the rename is reported although the new file is in place */
    Write_File(path, "alt\n");
    sf = Rt_Safe_Open(path.c_str());
    fputs("neu\n", Rt_Safe_Stream(sf));
    Rt_Set_Sync_Error(EIO);
    EXPECT_EQ(Rt_Safe_Finish(sf), 0);
    EXPECT_EQ(Rt_Safe_Finish(sf), 0); /* a failed finish stays failed */
    EXPECT_EQ(Rt_Safe_Install(sf), 0);
    Rt_Set_Sync_Error(0);
    EXPECT_EQ(Rt_Safe_Error(sf), EIO);
    Rt_Safe_Close(sf);
    EXPECT_EQ(Read_File(path), "alt\n");
    EXPECT_NE(access(Rt_Safe_Temp_Name_Of(path.c_str()), F_OK), 0);
    sf = Rt_Safe_Open(path.c_str());
    fputs("neu\n", Rt_Safe_Stream(sf));
    ASSERT_EQ(Rt_Safe_Finish(sf), 1);
    Rt_Set_Sync_Error(EIO);
    EXPECT_EQ(Rt_Safe_Install(sf), 0);
    Rt_Set_Sync_Error(0);
    EXPECT_EQ(Rt_Safe_Error(sf), EIO);
    Rt_Safe_Close(sf);
    EXPECT_EQ(Read_File(path), "neu\n");
    /* a file system without sync (EINVAL) has nothing to wait for */
    sf = Rt_Safe_Open(path.c_str());
    fputs("ohne\n", Rt_Safe_Stream(sf));
    Rt_Set_Sync_Error(EINVAL);
    EXPECT_EQ(Rt_Safe_Commit(sf), 1);
    Rt_Set_Sync_Error(0);
    Rt_Safe_Close(sf);
    EXPECT_EQ(Read_File(path), "ohne\n");
    /* the safe files close their own descriptors and nothing else: standard input stays open */
    EXPECT_NE(fcntl(0, F_GETFD), -1);

    /* cannot be created: null with errno */
    errno = 0;
    EXPECT_EQ(Rt_Safe_Open(dir.File("kein/ordner.oli").c_str()), nullptr);
    EXPECT_EQ(errno, ENOENT);
    EXPECT_EQ(Rt_Safe_Open(""), nullptr);
    Rt_Safe_Close(nullptr);
}

/* What was planted beside a file written whole, or in its place, by someone who may write into
** the folder but must not reach the file outside it ("opfer.txt", one folder up). */
enum Plant {
    TEMP_LINK,        /* "<file>.tmp" a link to the victim */
    TEMP_DANGLING,    /* "<file>.tmp" a link to a file not yet there */
    TEMP_HARD_LINK,   /* "<file>.tmp" a second name of the victim */
    TEMP_LEFT_OPEN,   /* "<file>.tmp" a file of anyone's, still open for writing */
    TARGET_LINK,      /* the file itself a link to the victim */
    TARGET_HARD_LINK, /* the file itself a second name of the victim */
    TARGET_LEFT_OPEN, /* the file itself still open for writing by someone */
};

/* Every writer that replaces a file whole, and one that writes a file anew in place: the new bytes
** land in a regular file of the file's own name, the victim keeps its bytes and its mode, nothing
** is created where a link points, and no temporary file is left. A file open before the write
** cannot change the file afterwards. */
TEST(Runtime, WritersNeverWriteThroughAPlantedLink)
{
    const char *const writers[] = {"Rt_Safe", "Rt_Copy_File", "Copy_File", "Replace_In_File",
                                   "Base_Path_Fopen"};
    const Plant plants[] = {TEMP_LINK,   TEMP_DANGLING,    TEMP_HARD_LINK,  TEMP_LEFT_OPEN,
                            TARGET_LINK, TARGET_HARD_LINK, TARGET_LEFT_OPEN};
    for (const char *writer : writers)
        for (Plant plant : plants) {
            const std::string w = writer;
            /* replacing text in a file reads the file first: a link in its place is read */
            if (w == "Replace_In_File" && (plant == TARGET_LINK || plant == TARGET_HARD_LINK))
                continue;
            /* a file written anew in place has no temporary file */
            if (w == "Base_Path_Fopen" && plant < TARGET_LINK) continue;
            SCOPED_TRACE(w + " plant " + std::to_string(plant));
            Scratch_Dir dir;
            ASSERT_EQ(mkdir(dir.File("ordner").c_str(), 0755), 0);
            const std::string victim = dir.File("opfer.txt");
            const std::string path = dir.File("ordner/liste.oli"),
                              temp = Rt_Safe_Temp_Name_Of(path.c_str());
            Write_File(victim, "opfer\n");
            chmod(victim.c_str(), 0600);
            Write_File(path, "alt\n");
            int open_fd = -1;
            switch (plant) {
            case TEMP_LINK: ASSERT_EQ(symlink("../opfer.txt", temp.c_str()), 0); break;
            case TEMP_DANGLING: ASSERT_EQ(symlink("../neu.txt", temp.c_str()), 0); break;
            case TEMP_HARD_LINK: ASSERT_EQ(link(victim.c_str(), temp.c_str()), 0); break;
            case TEMP_LEFT_OPEN:
                open_fd = open(temp.c_str(), O_WRONLY | O_CREAT, 0666);
                ASSERT_GE(open_fd, 0);
                fchmod(open_fd, 0666);
                break;
            case TARGET_LINK:
                unlink(path.c_str());
                ASSERT_EQ(symlink("../opfer.txt", path.c_str()), 0);
                break;
            case TARGET_HARD_LINK:
                unlink(path.c_str());
                ASSERT_EQ(link(victim.c_str(), path.c_str()), 0);
                break;
            case TARGET_LEFT_OPEN:
                open_fd = open(path.c_str(), O_WRONLY);
                ASSERT_GE(open_fd, 0);
                break;
            }
            const std::string source = dir.File("quelle.txt");
            Write_File(source, "neu\n");
            int ok = 0;
            if (w == "Rt_Safe") {
                Rt_Safe_File *sf = Rt_Safe_Open(path.c_str());
                ASSERT_NE(sf, nullptr);
                fputs("neu\n", Rt_Safe_Stream(sf));
                ok = Rt_Safe_Commit(sf);
                Rt_Safe_Close(sf);
            } else if (w == "Rt_Copy_File") {
                ok = Rt_Copy_File(source.c_str(), path.c_str(), 0);
            } else if (w == "Copy_File") {
                ok = Copy_File(path.c_str(), source.c_str()) == 0;
            } else if (w == "Base_Path_Fopen") {
                Base_Path_Set((dir.path + "/ordner/").c_str());
                FILE *f = Base_Path_Fopen("liste.oli", "w");
                Base_Path_Set(nullptr);
                ok = f != nullptr && fputs("neu\n", f) >= 0;
                if (f) ok = fclose(f) == 0 && ok;
            } else {
                ok = Replace_In_File(path.c_str(), "alt", "neu") == 1;
            }
            EXPECT_EQ(ok, 1);
            if (open_fd >= 0) {
                /* whoever held the planted file open writes into it after the commit */
                EXPECT_EQ(pwrite(open_fd, "boese\n", 6, 0), 6);
                close(open_fd);
            }
            struct stat st;
            ASSERT_EQ(lstat(path.c_str(), &st), 0);
            EXPECT_TRUE(S_ISREG(st.st_mode));
            EXPECT_EQ(st.st_nlink, 1u);
            EXPECT_EQ(Read_File(path), "neu\n");
            EXPECT_EQ(Read_File(victim), "opfer\n");
            ASSERT_EQ(stat(victim.c_str(), &st), 0);
            EXPECT_EQ(st.st_mode & 0777, 0600u);
            EXPECT_NE(lstat(dir.File("neu.txt").c_str(), &st), 0);
            EXPECT_NE(lstat(temp.c_str(), &st), 0);
        }
}

TEST(Runtime, ErrorTextsAreGermanInCodePage850)
{
    EXPECT_STREQ(Rt_Error_Text(ENOSPC), "Der Datentr\x84ger ist voll.");
    EXPECT_STREQ(Rt_Error_Text(EACCES), "Keine Berechtigung f\x81r diese Datei.");
    EXPECT_STREQ(Rt_Error_Text(EISDIR), "Der Name bezeichnet einen Ordner.");
    EXPECT_STREQ(Rt_Error_Text(ENOENT), "Die Datei oder ihr Ordner existiert nicht.");
    /* a temporary file's name planted again and again while the file is being created */
    EXPECT_STREQ(Rt_Error_Text(EEXIST), "Der Name ist bereits vergeben.");
    EXPECT_STREQ(Rt_Error_Text(12345), "Systemfehler 12345.");
}

TEST(Runtime, SpawnAndClock)
{
    int code = -5;
    char *argv_true[] = {const_cast<char *>("true"), nullptr};
    EXPECT_EQ(Rt_Spawn("/bin/true", argv_true, 1, &code), 0);
    EXPECT_EQ(code, 0);
    char *argv_false[] = {const_cast<char *>("false"), nullptr};
    EXPECT_EQ(Rt_Spawn("/bin/false", argv_false, 1, &code), 0);
    EXPECT_EQ(code, 1);
    EXPECT_EQ(Rt_Spawn("/no/such/program", argv_true, 1, &code), -1);
    const uint64_t t0 = Rt_Clock_Ms();
    Rt_Sleep_Ms(20);
    const uint64_t t1 = Rt_Clock_Ms();
    EXPECT_GE(t1 - t0, 20u);
    EXPECT_LT(t1 - t0, 2000u);
}

} // namespace
