/*
** Tests of the memory layers: counted blocks, matrices, copies, and the exit on failure.
*/
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>

#include "foundation/foundation.h"

namespace {

struct MemoryTest : ::testing::Test {
    void SetUp() override
    {
        Alloc_Extra_Set(0);
        Alloc_Count_Reset();
        Dbg_Set_Fail_Countdown(0);
    }
    void TearDown() override
    {
        Dbg_Set_Fail_Countdown(0);
        Alloc_Extra_Set(0);
    }
};

TEST_F(MemoryTest, ZeroSizeGivesNullAndReleasesTheOldBlock)
{
    EXPECT_EQ(Mem_Realloc(nullptr, 0, 1), nullptr);
    EXPECT_EQ(Alloc_Count_Get(), 0);
    void *p = Mem_Realloc(nullptr, 32, 0);
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(Alloc_Count_Get(), 1);
    /* Asking for nothing hands the old block back to the heap (the leak checker sees no leak). */
    EXPECT_EQ(Mem_Realloc(p, 0, 0), nullptr);
    EXPECT_EQ(Alloc_Count_Get(), 0);
}

TEST_F(MemoryTest, CallocZeroesAndFreeClearsThePointer)
{
    auto *p = static_cast<unsigned char *>(Mem_Calloc(64));
    ASSERT_NE(p, nullptr);
    for (int i = 0; i < 64; i++) EXPECT_EQ(p[i], 0);
    EXPECT_EQ(Alloc_Count_Get(), 1);
    p = static_cast<unsigned char *>(Mem_Realloc(p, 128, 1));
    for (int i = 0; i < 128; i++) ASSERT_EQ(p[i], 0);
    EXPECT_EQ(Alloc_Count_Get(), 1); /* growing is no new block */
    Mem_Free(&p);
    EXPECT_EQ(p, nullptr);
    EXPECT_EQ(Alloc_Count_Get(), 0);
    Mem_Free(&p); /* already null: nothing happens */
    EXPECT_EQ(Alloc_Count_Get(), 0);
}

TEST_F(MemoryTest, ExtraBytesAreClampedAndAdded)
{
    EXPECT_EQ(Alloc_Extra_Set(-5), 0);
    EXPECT_EQ(Alloc_Extra, 0);
    EXPECT_EQ(Alloc_Extra_Set(8), 8);
    auto *p = static_cast<unsigned char *>(Mem_Realloc(nullptr, 0, 1)); /* 0 + 8 bytes */
    ASSERT_NE(p, nullptr);
    for (int i = 0; i < 8; i++) EXPECT_EQ(p[i], 0);
    Mem_Free(&p);
}

TEST_F(MemoryTest, MatrixRowsFollowEachOther)
{
    EXPECT_EQ(Mem_Alloc_Matrix(nullptr, 3, 0), nullptr);
    EXPECT_EQ(Mem_Alloc_Matrix(nullptr, 0, 3), nullptr);
    double **m = Mem_Alloc_Matrix(nullptr, 2, 3);
    ASSERT_NE(m, nullptr);
    EXPECT_EQ(m[1], m[0] + 3);
    for (int i = 0; i < 2; i++)
        for (int j = 0; j < 3; j++) m[i][j] = 10 * i + j;
    EXPECT_EQ(m[1][2], 12.0);
    m = Mem_Alloc_Matrix(m, 4, 5);
    EXPECT_EQ(m[3], m[0] + 15);
    m[3][4] = 1.0;
    EXPECT_EQ(Alloc_Count_Get(), 1);
    Mem_Free(&m);
    EXPECT_EQ(Alloc_Count_Get(), 0);
}

TEST_F(MemoryTest, CopyDoublesAndEmptyCopyReleases)
{
    const double src[3] = {1.5, -2.0, 3.25};
    double *p = nullptr;
    Mem_Copy_Doubles(3, &p, src);
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(p[0], 1.5);
    EXPECT_EQ(p[2], 3.25);
    EXPECT_EQ(Alloc_Count_Get(), 1);
    Mem_Copy_Doubles(0, &p, src);
    EXPECT_EQ(p, nullptr);
    EXPECT_EQ(Alloc_Count_Get(), 0); /* the old block was released, not dropped */
}

TEST_F(MemoryTest, StrdupCountsAndAnswersNullOnFailure)
{
    char *s = Mem_Strdup("Holz");
    ASSERT_NE(s, nullptr);
    EXPECT_STREQ(s, "Holz");
    EXPECT_EQ(Alloc_Count_Get(), 1);
    Mem_Free(&s);
    EXPECT_EQ(Mem_Strdup(nullptr), nullptr);
    Dbg_Set_Fail_Countdown(1);
    EXPECT_EQ(Mem_Strdup("Holz"), nullptr);
    EXPECT_EQ(Alloc_Count_Get(), 0);
}

TEST_F(MemoryTest, DebugLayerPlainHeap)
{
    EXPECT_EQ(Dbg_Check("test", 1, "null"), 1);
    auto *z = static_cast<int *>(Dbg_Calloc("test", 2, "null", 4, sizeof(int)));
    ASSERT_NE(z, nullptr);
    EXPECT_EQ(z[3], 0);
    z = static_cast<int *>(Dbg_Realloc("test", 3, "null", z, 8 * sizeof(int)));
    ASSERT_NE(z, nullptr);
    EXPECT_EQ(z[3], 0);
    Dbg_Free("test", 4, "null", z);
    char *s = Dbg_Strdup("test", 5, "null", "abc");
    EXPECT_STREQ(s, "abc");
    Dbg_Free("test", 6, "null", s);
    Dbg_Set_Fail_Countdown(2);
    void *a = Dbg_Malloc("test", 7, "null", 8);
    EXPECT_NE(a, nullptr);
    EXPECT_EQ(Dbg_Malloc("test", 8, "null", 8), nullptr); /* the second request fails */
    void *b = Dbg_Malloc("test", 9, "null", 8);           /* and the countdown is off again */
    EXPECT_NE(b, nullptr);
    Dbg_Free("test", 10, "null", a);
    Dbg_Free("test", 11, "null", b);
    EXPECT_EQ(Dbg_Count_Blocks(), 0);
}

/* ---------------------------------------------------------------- the exit on failure */

void Marking_Hook(int kind, int mode, const char *text)
{
    fprintf(stderr, "[kind %d mode %d] %s\n", kind, mode, text);
}

/* A hook that allocates again while reporting: the second failure must not recurse. */
void Greedy_Hook(int kind, int mode, const char *text)
{
    fprintf(stderr, "[greedy] %s\n", text);
    Dbg_Set_Fail_Countdown(1);
    void *p = Mem_Calloc(501);
    Mem_Free(&p);
}

/* Without a hook the text goes to stderr. */
void Copy_Without_Hook()
{
    Foundation_Set_Msg_Hook(nullptr);
    Dbg_Set_Fail_Countdown(1);
    double *p = nullptr;
    const double v[2] = {1, 2};
    Mem_Copy_Doubles(2, &p, v);
}

using MemoryDeathTest = MemoryTest;

TEST_F(MemoryDeathTest, FailedAllocationReportsAndExitsWithZero)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            Foundation_Set_Msg_Hook(Marking_Hook);
            Dbg_Set_Fail_Countdown(1);
            Mem_Calloc(10);
        },
        ::testing::ExitedWithCode(0), "\\[kind 2 mode -1\\] Speicher nicht ausreichend!");
    EXPECT_EXIT(Copy_Without_Hook(), ::testing::ExitedWithCode(0), "Speicher nicht ausreichend!");
    EXPECT_EXIT(
        {
            Foundation_Set_Msg_Hook(Greedy_Hook);
            Dbg_Set_Fail_Countdown(1);
            Mem_Alloc_Matrix(nullptr, 3, 3);
        },
        ::testing::ExitedWithCode(0), "^\\[greedy\\] Speicher nicht ausreichend!\n$");
}

TEST_F(MemoryDeathTest, CheckAllocOrExit)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    int x = 0;
    Check_Alloc_Or_Exit(&x); /* returns */
    EXPECT_EXIT(
        {
            Foundation_Set_Msg_Hook(Marking_Hook);
            Check_Alloc_Or_Exit(nullptr);
        },
        ::testing::ExitedWithCode(0), "\\[kind 2 mode -1\\] Speicher nicht ausreichend!");
}

} // namespace
