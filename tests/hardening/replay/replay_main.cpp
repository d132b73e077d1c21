/*
** Replay of a fuzz target's corpus as a test: every file of the corpus folder (seed files and
** the inputs of fixed findings) is fed to the target's entry point once, in name order.
*/
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <dirent.h>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size);

namespace {

std::vector<std::string> Corpus_Files(const std::string &dir)
{
    std::vector<std::string> files;
    DIR *d = opendir(dir.c_str());
    if (!d) return files;
    while (struct dirent *e = readdir(d))
        if (e->d_name[0] != '.') files.push_back(dir + "/" + e->d_name);
    closedir(d);
    std::sort(files.begin(), files.end());
    return files;
}

TEST(CorpusReplay, EveryFileOfTheCorpus)
{
    const std::vector<std::string> files = Corpus_Files(REPLAY_CORPUS_DIR);
    ASSERT_GE(files.size(), 2u) << "corpus of " REPLAY_NAME " missing or nearly empty";
    for (const std::string &path : files) {
        std::ifstream f(path, std::ios::binary);
        ASSERT_TRUE(f.good()) << path;
        std::stringstream s;
        s << f.rdbuf();
        const std::string bytes = s.str();
        SCOPED_TRACE(path);
        /* a copy of exactly the file's size, so that a read past the end is caught */
        std::vector<uint8_t> data(bytes.begin(), bytes.end());
        static const uint8_t none = 0;
        EXPECT_EQ(LLVMFuzzerTestOneInput(data.empty() ? &none : data.data(), data.size()), 0);
    }
}

} // namespace
