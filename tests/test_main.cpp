/*
** The main of every test program: each test runs in a scratch folder of its own below the
** system's temporary folder (TMPDIR, else /tmp), made before its fixture and removed after it,
** so that no two tests share a file whatever their order and whether they run in one process or
** side by side, and a test run leaves nothing in the folder it was started in (the checkout,
** where the binary runs as the README shows), even when it is killed half-way.
*/
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

namespace {

class Scratch_Per_Test : public ::testing::EmptyTestEventListener {
  public:
    /* base: the temporary folder; home: the working folder, where each test returns; tmpdir:
    ** TMPDIR as the program was given it (unset when null) */
    Scratch_Per_Test(std::string base, std::string home, const char *tmpdir)
        : base_(std::move(base)), home_(std::move(home)), had_tmpdir_(tmpdir != nullptr),
          tmpdir_(tmpdir ? tmpdir : "")
    {}

  private:
    std::string base_, home_, dir_;
    bool had_tmpdir_;
    std::string tmpdir_;

    void OnTestStart(const ::testing::TestInfo &test) override
    {
        /* the name tells which test left a folder behind; '/' of parameterised names is none */
        std::string name = std::string(test.test_suite_name()) + "." + test.name();
        for (char &c : name)
            if (c == '/' || c == ' ') c = '_';
        if (name.size() > 120) name.resize(120);
        std::string pattern = base_ + "/" + name + ".XXXXXX";
        std::vector<char> buf(pattern.begin(), pattern.end());
        buf.push_back('\0');
        if (mkdtemp(buf.data()) == nullptr || chdir(buf.data()) != 0) {
            ADD_FAILURE() << "no scratch folder below " << base_ << ": " << strerror(errno);
            dir_.clear();
            return;
        }
        dir_ = buf.data();
        setenv("TMPDIR", dir_.c_str(), 1);
    }

    void OnTestEnd(const ::testing::TestInfo &test) override
    {
        if (chdir(home_.c_str()) != 0) ADD_FAILURE() << "cannot return to " << home_;
        if (had_tmpdir_) setenv("TMPDIR", tmpdir_.c_str(), 1);
        else unsetenv("TMPDIR");
        /* a failed test keeps its files for a look, in the temporary folder, and names it */
        if (!dir_.empty() && test.result()->Passed()) {
            std::error_code ec;
            std::filesystem::remove_all(dir_, ec);
        } else if (!dir_.empty()) {
            printf("[ scratch  ] %s\n", dir_.c_str());
        }
        dir_.clear();
    }
};

} // namespace

int main(int argc, char **argv)
{
    bool death_test_child = false;
    for (int i = 1; i < argc; i++)
        if (strncmp(argv[i], "--gtest_internal_run_death_test", 31) == 0) death_test_child = true;
    ::testing::InitGoogleTest(&argc, argv);
    /* the child of a death test runs in the folder its parent gave the test */
    if (!death_test_child) {
        char cwd[4096];
        if (getcwd(cwd, sizeof cwd) == nullptr) return 2;
        const char *tmpdir = getenv("TMPDIR");
        const std::string base = tmpdir != nullptr && tmpdir[0] == '/' ? tmpdir : "/tmp";
        ::testing::UnitTest::GetInstance()->listeners().Append(
            new Scratch_Per_Test(base, cwd, tmpdir));
    }
    return RUN_ALL_TESTS();
}
