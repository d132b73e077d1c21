/*
** The main of every test program: each test runs in a scratch folder of its own below the
** working folder, made before its fixture and removed after it passed, so that no two tests
** share a file whatever their order and whether they run in one process or side by side.
*/
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

namespace {

class Scratch_Per_Test : public ::testing::EmptyTestEventListener {
  public:
    explicit Scratch_Per_Test(std::string base) : base_(std::move(base)) {}

  private:
    std::string base_, dir_;

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
        if (chdir(base_.c_str()) != 0) ADD_FAILURE() << "cannot return to " << base_;
        setenv("TMPDIR", base_.c_str(), 1);
        /* a failed test keeps its files for a look */
        if (!dir_.empty() && test.result()->Passed()) {
            std::error_code ec;
            std::filesystem::remove_all(dir_, ec);
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
        ::testing::UnitTest::GetInstance()->listeners().Append(new Scratch_Per_Test(cwd));
    }
    return RUN_ALL_TESTS();
}
