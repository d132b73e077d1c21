/*
** Tests of the outside tools: the run of the section-force selection tool (its command line, the
** result file it is given, what counts as a choice) and the start of the plan editor. The tools
** are small shell scripts in an EXEC folder of the test's own scratch folder.
*/
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include "exchange/exchange.h"

namespace {

/* EXEC set to a fresh folder below the scratch folder for the test's lifetime. */
class Tools : public ::testing::Test {
  protected:
    std::string exec, saved;
    bool had = false;
    void SetUp() override
    {
        char cwd[1024];
        ASSERT_NE(getcwd(cwd, sizeof cwd), nullptr);
        exec = std::string(cwd) + "/exec";
        mkdir(exec.c_str(), 0755);
        const char *old = getenv("EXEC");
        had = old != nullptr;
        saved = old ? old : "";
        setenv("EXEC", exec.c_str(), 1);
    }
    void TearDown() override
    {
        if (had) setenv("EXEC", saved.c_str(), 1);
        else unsetenv("EXEC");
    }
    void Tool(const char *name, const std::string &script)
    {
        const std::string path = exec + "/" + name;
        std::ofstream(path) << "#!/bin/sh\n" << script;
        chmod(path.c_str(), 0755);
    }
    static std::string Read(const char *path)
    {
        std::ifstream f(path);
        std::stringstream s;
        s << f.rdbuf();
        return s.str();
    }
};

TEST_F(Tools, SelectionToolGetsTheComponentAndItsResultFile)
{
    Tool("Morvelab.exe", "echo \"$1 $2\" > args.txt\necho '0.9 0 1.5 -20 4' > \"$2\"\n");
    char result[64] = "";
    EXPECT_EQ(Exchange_Run_Selection_Tool("Pos3", 7, result, sizeof result), 1);
    EXPECT_STREQ(result, "Pos3_07.mvl");
    EXPECT_EQ(Read("args.txt"), "Pos3 Pos3_07.mvl\n");
    EXPECT_EQ(Read("Pos3_07.mvl"), "0.9 0 1.5 -20 4\n");
}

TEST_F(Tools, SelectionToolWithoutChoiceOrWithErrorImportsNothing)
{
    char result[64];
    /* An old result file is removed before the tool runs: a tool that writes nothing chose nothing. */
    std::ofstream("Pos3_02.mvl") << "0.9 0 1 1 1\n";
    Tool("Morvelab.exe", "exit 0\n");
    EXPECT_EQ(Exchange_Run_Selection_Tool("Pos3", 2, result, sizeof result), 0);
    EXPECT_NE(access("Pos3_02.mvl", F_OK), 0);
    /* A tool that ends with an error does not count, even when it wrote its file. */
    Tool("Morvelab.exe", "echo '0.9 0 1 1 1' > \"$2\"\nexit 1\n");
    EXPECT_EQ(Exchange_Run_Selection_Tool("Pos3", 2, result, sizeof result), 0);
    /* Without the tool nothing runs. */
    unlink((exec + "/Morvelab.exe").c_str());
    EXPECT_EQ(Morvelab_Available(), 0);
    EXPECT_EQ(Exchange_Run_Selection_Tool("Pos3", 2, result, sizeof result), 0);
}

TEST_F(Tools, PlanEditorStartsOnlyWhenInstalled)
{
    EXPECT_EQ(Exchange_Start_Plan_Editor("Pos3", "Pos3_01.oli"), 0);
    Tool("Planeditor", "echo \"$1 $2\" > plan_args.txt\n");
    EXPECT_EQ(Exchange_Start_Plan_Editor("Pos3", "Pos3_01.oli"), 1);
    EXPECT_EQ(Read("plan_args.txt"), "Pos3 Pos3_01.oli\n");
}

} // namespace
