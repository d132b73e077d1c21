/*
** Checked writes of the print-list writers: a stream that fails in the middle of a list, only
** when the list is ended, or on a descriptor closed under it, and a text that cannot be
** formatted; the first failure is kept per file until the list is ended.
*/
#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "capture.h"
#include "platform/zelkgrft_oli.h"

namespace {

/* /dev/full: every write that reaches the device fails with ENOSPC. buffer 0: unbuffered, so
** that each write of the writers reaches it at once. */
FILE *Full_Disk(size_t buffer)
{
    FILE *f = fopen("/dev/full", "w");
    if (f != nullptr) setvbuf(f, nullptr, buffer == 0 ? _IONBF : _IOFBF, buffer);
    return f;
}

/* A one-row table of one numeric column. */
int32_t One_Row_Table(FILE *f)
{
    static double values[1] = {1.5};
    Oli_Table_Column *cols = nullptr;
    Oli_Alloc_Table_Columns(1, &cols);
    snprintf(cols[0].title, sizeof cols[0].title, "N");
    snprintf(cols[0].unit, sizeof cols[0].unit, "kN");
    cols[0].decimals = 2;
    cols[0].values = values;
    int32_t rc =
        OliTabelle(/*file=*/f, /*ncols=*/1, /*nrows=*/1, /*columns=*/cols, /*row_mask=*/nullptr,
                   /*row_rules=*/nullptr, /*highlight=*/0, /*flags=*/0, /*title_counts=*/nullptr,
                   /*title_texts=*/nullptr, /*extra_count=*/0, /*extra_texts=*/nullptr);
    free(cols);
    return rc;
}

} // namespace

/* A write in the middle of the list fails: the paragraph writer answers -1 at once and the
** failure stays (later writes, a table, the stream's error flag cleared) until the list is
** ended, which answers it; then it is forgotten. */
TEST(OliWriteErrors, AFailureInTheMiddleIsKeptUntilTheListEnds)
{
    Reset_Writers();
    FILE *f = Full_Disk(0);
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(Oli_List_Error(f), 0);
    EXPECT_EQ(Oli_Printf(f, "Zeile %d\n", 1), -1);
    EXPECT_EQ(Oli_List_Error(f), ENOSPC);
    clearerr(f);
    Oli_Write_Heading(f, 1, "Kapitel");
    EXPECT_EQ(One_Row_Table(f), OLI_TAB_OK);
    EXPECT_EQ(Oli_List_Error(f), ENOSPC);
    EXPECT_EQ(Oli_End_List(f), ENOSPC);
    EXPECT_EQ(Oli_List_Error(f), 0);
    fclose(f);
}

/* Each kind of writer notes its own failed write: body text, headings, tables, the contents
** record, a paragraph's end; another file keeps its own state. */
TEST(OliWriteErrors, EveryWriterChecksItsWrites)
{
    Capture good;
    const std::vector<std::pair<const char *, void (*)(FILE *)>> writers = {
        // clang-format off
      {"text", [](FILE *f) { Oli_Write_Text(f, "Text %d", 2); }},
      {"heading", [](FILE *f) { Oli_Write_Heading(f, 2, "Abschnitt"); }},
      {"table", [](FILE *f) { One_Row_Table(f); }},
      {"contents", [](FILE *f) { Oli_Write_Contents(f, "Titel"); }},
        // clang-format on
        {"paragraph end",
         [](FILE *f) {
             /* the paragraph opened in a good file is ended in the failing one */
             FILE *scratch = tmpfile();
             Oli_Printf(scratch, "offen");
             fclose(scratch);
             EXPECT_EQ(Oli_End_Text(f), -1);
         }},
    };
    for (const auto &[name, write] : writers) {
        SCOPED_TRACE(name);
        Reset_Writers();
        FILE *f = Full_Disk(0);
        ASSERT_NE(f, nullptr);
        Oli_Write_Text(good.f, "gut");
        write(f);
        EXPECT_EQ(Oli_List_Error(f), ENOSPC);
        EXPECT_EQ(Oli_List_Error(good.f), 0);
        EXPECT_EQ(Oli_End_List(good.f), 0);
        fclose(f);
    }
}

/* Writes that all fit into the stream's buffer succeed; the failure comes when the list is
** ended and the buffer goes to the device. */
TEST(OliWriteErrors, AFailureAtTheEndIsAnsweredByTheEndOfTheList)
{
    Reset_Writers();
    FILE *f = Full_Disk(1 << 16);
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(Oli_Printf(f, "Zeile\n"), 0);
    EXPECT_EQ(Oli_End_Text(f), 0);
    EXPECT_EQ(One_Row_Table(f), OLI_TAB_OK);
    EXPECT_EQ(Oli_List_Error(f), 0);
    EXPECT_EQ(Oli_End_List(f), ENOSPC);
    fclose(f);
}

/* A descriptor closed under the stream: the list's end answers the failure (EBADF). */
TEST(OliWriteErrors, AClosedDescriptorFailsTheList)
{
    Reset_Writers();
    Capture scratch;
    FILE *f = fdopen(dup(fileno(scratch.f)), "w");
    ASSERT_NE(f, nullptr);
    Oli_Write_Text(f, "Zeile");
    close(fileno(f));
    EXPECT_EQ(Oli_End_List(f), EBADF);
    fclose(f);
}

/* A text that cannot be formatted (a wide character without a byte in the "C" locale) is a
** lost text: the list fails although the stream took every byte it was given. */
TEST(OliWriteErrors, ATextThatCannotBeFormattedFailsTheList)
{
    Reset_Writers();
    Capture c;
    EXPECT_EQ(Oli_Printf(c.f, "%ls", L"\u00e9"), -1);
    EXPECT_EQ(Oli_List_Error(c.f), EILSEQ);
    EXPECT_EQ(Oli_End_List(c.f), EILSEQ);
    EXPECT_EQ(Oli_End_List(c.f), 0);
}

/* More failing files than the writer keeps apart: the first ones keep their failure, and the
** latest failure takes the last place. */
TEST(OliWriteErrors, ManyFailingFilesKeepTheirFailures)
{
    Reset_Writers();
    std::vector<FILE *> files;
    for (int i = 0; i < 9; i++) {
        files.push_back(Full_Disk(0));
        ASSERT_NE(files.back(), nullptr);
        Oli_Write_Contents(files.back(), "Titel");
    }
    for (int i = 0; i < 7; i++) EXPECT_EQ(Oli_List_Error(files[(size_t)i]), ENOSPC) << i;
    EXPECT_EQ(Oli_List_Error(files[8]), ENOSPC);
    for (FILE *f : files) {
        Oli_End_List(f);
        fclose(f);
    }
}
