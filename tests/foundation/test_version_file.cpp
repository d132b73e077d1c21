/*
** Tests of the version-file reader, the program version number and the citation switch.
*/
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "foundation/foundation.h"
#include "platform/runtime.h"
#include "scratch_dir.h"

namespace {

struct VersionFileTest : ::testing::Test {
    Scratch_Dir dir;
    std::string saved;
    bool had = false;
    void SetUp() override
    {
        const char *e = getenv("EXEC");
        had = e != nullptr;
        if (had) saved = e;
        Rt_Make_Dirs(dir.File("Splice").c_str());
    }
    void TearDown() override
    {
        if (had) setenv("EXEC", saved.c_str(), 1);
        else unsetenv("EXEC");
    }
};

TEST_F(VersionFileTest, WithAndWithoutExec)
{
    Write_File(dir.File("Splice/VERSION"), "Splice 3.12.ab\nHinweise <cd und mehr\n");
    unsetenv("EXEC");
    EXPECT_EQ(Read_Program_Version_File("Splice"), nullptr);
    setenv("EXEC", dir.path.c_str(), 1);
    const char *line = Read_Program_Version_File("Splice");
    ASSERT_NE(line, nullptr);
    EXPECT_STREQ(line, "Splice 3.12.cd"); /* "<cd" patches the last two characters */
    EXPECT_EQ(Read_Program_Version_File("Missing"), nullptr);
    EXPECT_EQ(Get_Program_Version_Second("Splice"), 12);
    EXPECT_EQ(Program_Version_Second, 12);

    Write_File(dir.File("Splice/VERSION"),
               "Splice 4.7.xx\r\n<<y1\n"); /* two patches: "<y", then "y1" */
    EXPECT_STREQ(Read_Program_Version_File("Splice"), "Splice 4.7.y1");
    Write_File(dir.File("Splice/VERSION"), "Splice 2.9.q"); /* no line end: nothing is cut */
    EXPECT_STREQ(Read_Program_Version_File("Splice"), "Splice 2.9.q");
    EXPECT_EQ(Get_Program_Version_Second("Splice"), 9);
    Write_File(dir.File("Splice/VERSION"), std::string(300, 'v') + "\n<zz\n");
    line = Read_Program_Version_File("Splice");
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(std::string(line), std::string(253, 'v') + "zz");
    unsetenv("EXEC");
    EXPECT_EQ(Get_Program_Version_Second("Splice"), 9); /* the last good number stays */
}

TEST(CitationMode, OneUnlessChanged) { EXPECT_EQ(Get_NAD_Citation_Mode(), 1); }

} // namespace
