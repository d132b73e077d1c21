/*
** Tests of the file tools: the path prefix, temporary files, search and replace, number readers
** and copies.
*/
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "foundation/foundation.h"
#include "platform/runtime.h"
#include "scratch_dir.h"

namespace {

TEST(Files, PrintfToNoFile)
{
    EXPECT_EQ(File_Printf(nullptr, "%d", 42), 0);
    Scratch_Dir dir;
    FILE *f = fopen(dir.File("p.txt").c_str(), "w");
    EXPECT_EQ(File_Printf(f, "%s=%d", "n", 42), 4);
    fclose(f);
    EXPECT_EQ(Read_File(dir.File("p.txt")), "n=42");
}

TEST(Files, BasePathCompositions)
{
    Base_Path_Set(nullptr);
    EXPECT_STREQ(Base_Path_Get(), "");
    char buf[16];
    EXPECT_EQ(Base_Path_Make(buf, "abcde", 6), buf);
    EXPECT_STREQ(buf, "abcde");
    EXPECT_EQ(Base_Path_Make(buf, "abcde", 5), nullptr);
    EXPECT_STREQ(buf, "abcd");
    EXPECT_EQ(Base_Path_Make(buf, nullptr, 5), buf);
    EXPECT_STREQ(buf, "");

    Base_Path_Set("/data/run/pre_");
    EXPECT_STREQ(Base_Path_Get(), "/data/run/pre_");
    EXPECT_STREQ(Base_Dir_Get(), "/data/run");
    char path[64];
    EXPECT_STREQ(Base_Path_Make(path, "x.dat", sizeof path), "/data/run/pre_x.dat");
    EXPECT_STREQ(Base_Path_Make_Static("y"), "/data/run/pre_y");
    Base_Path_Set("C:name");
    EXPECT_STREQ(Base_Dir_Get(), "C:");
    Base_Path_Set("plain");
    char cwd[RT_PATH_MAX];
    Rt_Get_Cwd(cwd, sizeof cwd);
    EXPECT_STREQ(Base_Dir_Get(), cwd);
    Base_Path_Set(nullptr);
    const std::string n260(260, 'n'), n261(261, 'n');
    EXPECT_NE(Base_Path_Make_Static(n260.c_str()), nullptr);
    EXPECT_EQ(Base_Path_Make_Static(n261.c_str()), nullptr);
}

TEST(Files, OpenExistsRemoveRename)
{
    Scratch_Dir dir;
    Base_Path_Set((dir.path + "/").c_str());
    FILE *f = Base_Path_Fopen("a.txt", "w");
    ASSERT_NE(f, nullptr);
    fputs("Holz", f);
    fclose(f);
    EXPECT_EQ(Base_Path_Exists("a.txt"), 1);
    EXPECT_EQ(Base_Path_Rename("a.txt", "b.txt"), 1);
    EXPECT_EQ(Base_Path_Exists("a.txt"), 0);
    EXPECT_EQ(Base_Path_Rename("a.txt", "c.txt"), 0);
    EXPECT_EQ(Base_Path_Copy_Text("c.txt", "b.txt"), 0);
    EXPECT_EQ(Read_File(dir.File("c.txt")), "Holz");
    EXPECT_EQ(Base_Path_Copy_File("b.txt", "d.txt", 0), 1);
    EXPECT_EQ(Read_File(dir.File("d.txt")), "Holz");
    EXPECT_EQ(Base_Path_Copy_File("b.txt", "d.txt", 1), 0); /* the flag keeps an existing target */
    EXPECT_EQ(Base_Path_Remove("b.txt"), 0);
    EXPECT_EQ(Base_Path_Remove("b.txt"), 1);
    Write_File(dir.File("x1.tmp"), "1");
    Write_File(dir.File("x2.tmp"), "2");
    Write_File(dir.File("y.txt"), "3");
    EXPECT_EQ(Base_Path_Remove_Matching("x*.tmp"), 2);
    EXPECT_EQ(Base_Path_Exists("y.txt"), 1);
    EXPECT_EQ(Base_Path_Remove_Matching("none*"), 0);
    Base_Path_Set(nullptr);
}

TEST(Files, OverlongPathIsNeverOpened)
{
    /* A folder of 200 characters holds files whose full names are 260 and 261 characters long. */
    const std::string folder(200, 'd');
    ASSERT_EQ(Rt_Make_Dirs(folder.c_str()), 1);
    const std::string ok = folder + "/" + std::string(59, 'y'),
                      too_long = folder + "/" + std::string(60, 'y');
    ASSERT_EQ(ok.size(), 260u);
    FILE *f = Base_Path_Fopen(ok.c_str(), "w");
    EXPECT_NE(f, nullptr);
    if (f) fclose(f);
    EXPECT_EQ(Base_Path_Fopen(too_long.c_str(), "w"), nullptr);
    EXPECT_EQ(File_Exists(too_long.c_str()), 0); /* fopen was not called */
    EXPECT_EQ(Base_Path_Exists(too_long.c_str()), 0);
    std::error_code ec;
    std::filesystem::remove_all(folder, ec);
}

TEST(Files, TemporaryFilesBelowTemp)
{
    Scratch_Dir dir;
    setenv("TEMP", dir.path.c_str(), 1);
    char name[FILES_PATH_MAX];
    ASSERT_EQ(Make_Temp_File_Name(name), name);
    EXPECT_EQ(std::string(name).rfind(dir.path + "/VEL", 0), 0u) << name;
    EXPECT_EQ(File_Exists(name), 0); /* the empty file of the name is deleted */
    EXPECT_EQ(Make_Temp_File_Name(nullptr), nullptr);
    FILE *open[TEMP_FILE_SLOTS];
    for (FILE *&f : open) {
        f = Temp_File_Open("w+");
        ASSERT_NE(f, nullptr);
    }
    EXPECT_EQ(Temp_File_Open("w+"), nullptr); /* a sixth while five are open */
    for (FILE *f : open) EXPECT_EQ(Temp_File_Close(f), 1);
    Rt_Find_Data data;
    const std::string pattern = dir.path + "/*";
    EXPECT_EQ(Rt_Find_First(pattern.c_str(), 0, &data), nullptr); /* every file removed */
    EXPECT_EQ(Temp_File_Close(stdout), 0);
    /* Without TEMP the runtime's folder serves. */
    unsetenv("TEMP");
    ASSERT_EQ(Make_Temp_File_Name(name), name);
    EXPECT_NE(strstr(name, "VEL_"), nullptr);
}

TEST(Files, ReplaceInFile)
{
    Scratch_Dir dir;
    const std::string p = dir.File("t.txt");
    Write_File(p, "kein Treffer\nhier\n");
    EXPECT_EQ(Replace_In_File(p.c_str(), "Holz", "Stahl"), 0);
    EXPECT_EQ(Read_File(p), "kein Treffer\nhier\n");
    EXPECT_EQ(File_Exists(Rt_Safe_Temp_Name_Of(p.c_str())), 0);
    Write_File(p, "Holz und Holz\nHolzHolz\n");
    EXPECT_EQ(Replace_In_File(p.c_str(), "Holz", "BSH"), 4);
    EXPECT_EQ(Read_File(p), "BSH und BSH\nBSHBSH\n");
    /* An occurrence across the 1023-byte pieces of a long line. */
    std::string line(3000, '.');
    line.replace(1020, 6, "NEEDLE");
    Write_File(p, line + "\n");
    EXPECT_EQ(Replace_In_File(p.c_str(), "NEEDLE", "x"), 1);
    std::string expect = line;
    expect.replace(1020, 6, "x");
    EXPECT_EQ(Read_File(p), expect + "\n");
    /* A result far longer than its piece. */
    Write_File(p, std::string(2000, 'a'));
    EXPECT_EQ(Replace_In_File(p.c_str(), "a", "bbbbb"), 2000);
    EXPECT_EQ(Read_File(p), std::string(10000, 'b'));
    EXPECT_EQ(Replace_In_File(dir.File("missing").c_str(), "a", "b"), -1);
    EXPECT_EQ(Replace_In_File(p.c_str(), "", "b"), -1);
}

TEST(Files, NumberLines)
{
    Scratch_Dir dir;
    const std::string p = dir.File("n.txt");
    Write_File(p, "3 4 x 5\n1.5 2.5\n" + std::string(250, '7') + " 9\n10 11\n");
    FILE *f = fopen(p.c_str(), "r");
    int iv[4] = {-1, -1, -1, -1};
    EXPECT_EQ(Read_Int_Line(f, iv, 4), 1);
    EXPECT_EQ(iv[0], 3);
    EXPECT_EQ(iv[1], 4);
    EXPECT_EQ(iv[2], 0);
    EXPECT_EQ(iv[3], 0);
    double dv[3] = {-1, -1, -1};
    EXPECT_EQ(Read_Double_Line(f, dv, 3), 1);
    EXPECT_EQ(dv[0], 1.5);
    EXPECT_EQ(dv[1], 2.5);
    EXPECT_EQ(dv[2], 0.0);
    Read_Int_Line(f, iv, 1); /* an over-long line: its rest is not the next line */
    EXPECT_EQ(Read_Int_Line(f, iv, 2), 1);
    EXPECT_EQ(iv[0], 10);
    EXPECT_EQ(iv[1], 11);
    EXPECT_EQ(Read_Int_Line(f, iv, 4), 0);
    EXPECT_EQ(iv[0], 0);
    EXPECT_EQ(Read_Int_Line(nullptr, iv, 2), 0);
    fclose(f);
    Write_File(p, "1 2\n3\n 4.5");
    f = fopen(p.c_str(), "r");
    double all[6];
    EXPECT_EQ(Read_Doubles(f, all, 6), 4);
    EXPECT_EQ(all[2], 3.0);
    EXPECT_EQ(all[3], 4.5);
    EXPECT_EQ(all[5], 0.0);
    rewind(f);
    int ints[2];
    EXPECT_EQ(Read_Ints(f, ints, 2), 2);
    EXPECT_EQ(ints[1], 2);
    EXPECT_EQ(Read_Ints(f, ints, 0), 0);
    fclose(f);
}

TEST(Files, CopyExistsAndTimes)
{
    Scratch_Dir dir;
    const std::string a = dir.File("a"), b = dir.File("b");
    Write_File(a, std::string("\x00\xFF"
                              "bytes",
                              7));
    EXPECT_EQ(Copy_File(b.c_str(), a.c_str()), 0);
    EXPECT_EQ(Read_File(b), std::string("\x00\xFF"
                                        "bytes",
                                        7));
    EXPECT_EQ(Copy_File(b.c_str(), dir.File("none").c_str()), 1);
    EXPECT_EQ(File_Exists(a.c_str()), 1);
    EXPECT_EQ(File_Exists(dir.File("none").c_str()), 0);
    EXPECT_GT(File_Mtime(a.c_str()), 1500000000LL);
    EXPECT_EQ(File_Mtime(dir.File("none").c_str()), -1);
    EXPECT_EQ(File_Stat_Ok(a.c_str()), 1);
    EXPECT_EQ(File_Stat_Ok(dir.File("none").c_str()), 0);
}

} // namespace
