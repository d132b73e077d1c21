/*
** A whole print list as the splice writes it: contents record, chapters with headings, texts, a
** table, a drawing with dimensions and a framed message list; kept as a golden file for the
** print-list viewer.
*/
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "capture.h"
#include "foundation/codepage.h"
#include "foundation/ptrarr.h"
#include "platform/zelkgrft_oli.h"

static std::string file_text(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

TEST(OliSampleList, SpliceLikePrintList)
{
    Reset_Writers();
    Oli_Table_Clear_Notes();
    FILE *f = fopen("sample_01.oli", "wb");
    ASSERT_NE(f, nullptr);
    OLI_setFlags(f, 896);
    OLI_setLayout(f, 4115);
    Oli_Init_Writer(3, 2, 1);
    Oli_Write_Contents(f, "Biegestoß im Hauptträger"_cp850);
    Oli_Write_Heading(f, 1, "%s", "Vorbemerkungen");
    Oli_Write_Text(f, "Nachweis nach DIN EN 1995-1-1 mit A = 120 cm\xFD.");
    Oli_Write_Heading(f, 2, "%s", "Eingabedaten");
    Oli_Table_Column *t = nullptr;
    Oli_Alloc_Table_Columns(3, &t);
    double m[3] = {12.5, -8.25, 3.0}, n[3] = {40.0, 2e100, -15.125};
    strcpy(t[1].title, "M");
    strcpy(t[1].unit, "kNm");
    t[1].decimals = 2;
    t[1].values = m;
    strcpy(t[2].title, "N");
    strcpy(t[2].unit, "kN");
    t[2].decimals = 2;
    t[2].values = n;
    t[2].sum = 1;
    OliTabelle(/*file=*/f, /*ncols=*/3, /*nrows=*/3, /*columns=*/t, /*row_mask=*/nullptr,
               /*row_rules=*/nullptr, /*highlight=*/4, /*flags=*/0, /*title_counts=*/nullptr,
               /*title_texts=*/nullptr, /*extra_count=*/0, /*extra_texts=*/nullptr);
    free(t);
    Oli_Write_Heading(f, 2, "%s", "Skizze");
    Oli_Graphic_Begin(f, 0, 0, 30, 12, 0.5, 0, nullptr);
    Oli_Set_Dimension_Flags(8);
    fputs(" 6 0.040000\n", f);
    Oli_Graphic_Rect(0, 4, 30, 10);
    Ptr_Array chain = {nullptr, 0, 0};
    Dim_Chain_Add_Point(&chain, 0, 4);
    Dim_Chain_Add_Point(&chain, 12.5, 4);
    Dim_Chain_Add_Point(&chain, 30, 4);
    Oli_Graphic_Dimension_Chain(&chain, "mm", 2, 2, 0.1, -1.0, 0);
    Oli_Graphic_Dimension_Cm(0, 11, 30, 11, 0.1, 1.0, 0);
    fputs(" -1\n", f);
    Oli_Set_Dimension_Flags(0);
    Oli_Write_Heading(f, 1, "%s", "Nachweise");
    Oli_Write_Text_Flagged(f,
                           Oli_Check_Text(1.04, 1.0, 2, 0, 0,
                                          "\xCE"
                                          "beta",
                                          nullptr),
                           0);
    Msg_List_Open(0);
    Msg_List_Add(0, "%s", "Mindestabstände eingehalten"_cp850);
    Msg_List_Add(0, "%s", "+(Tabelle 8.2)");
    Msg_List_Write_Framed(f, 0, 12.0);
    Oli_Close_Bookmarks(f);
    fclose(f);
    EXPECT_EQ(file_text("sample_01.oli"), file_text(SPLICE_GOLDEN_DIR "/printlist/sample_01.oli"));
}
