/*
** The print-list reader of the viewer against numbers out of range: flag words and counts that
** no 32-bit integer holds are read without undefined conversions, flag words up to 0xFFFFFFFF
** keep every bit.
*/
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "platform/oliview.h"

namespace {

Oli_Document Read_List(const std::string &text)
{
    Oli_Document doc;
    EXPECT_EQ(Oli_Read_Text(text.data(), text.size(), &doc), 1);
    return doc;
}

bool Warned(const Oli_Document &doc, const char *needle)
{
    for (const std::string &w : doc.warnings)
        if (w.find(needle) != std::string::npos) return true;
    return false;
}

} /* namespace */

TEST(OliviewRobust, FlagWordsBeyondTheIntegerRange)
{
    /* -1 and 1e30 carry the bits of additional output: the paragraph is refused with a warning */
    Oli_Document a = Read_List("#SHOWPARA\n-1\n7\n-1\n Text\n#END_OF_TEXT\n");
    EXPECT_TRUE(Warned(a, "Zusatzausgaben"));
    Oli_Document b = Read_List("#SHOWPARA\n1e30\n7\n-1\n Text\n#END_OF_TEXT\n");
    EXPECT_TRUE(Warned(b, "Zusatzausgaben"));
    /* the high bit of a hexadecimal flag word stays set; the mode is held to the int32 range */
    Oli_Document c = Read_List("#SHOWPARA\n0x80000000\n-5e20\n-1\n Text\n#END_OF_TEXT\n");
    ASSERT_FALSE(c.blocks.empty());
    ASSERT_FALSE(c.blocks[0].sections.empty());
    EXPECT_EQ(c.blocks[0].sections[0].flags, 0x80000000u);
    EXPECT_EQ(c.blocks[0].sections[0].mode, INT32_MIN);
}

TEST(OliviewRobust, LengthUnitsAndCountsBeyondTheIntegerRange)
{
    /* offset with a unit code of 1e300, tab count of -1e300: read, laid out, nothing undefined */
    Oli_Document d =
        Read_List("#SHOWPARA\n0x30\n7\n1e300 2\n-1e300 1 9e99 2\n-1\n Text\n#END_OF_TEXT\n"
                  "#SHOWTABLE\n 1e12 -1e12 0 0 3e9\n#END_OF_TEXT\n");
    Oli_Layout layout;
    Oli_Layout_Document(&d, &layout);
    EXPECT_FALSE(layout.pages.empty());
}

TEST(OliviewRobust, SeparatorsLeftOfTheFirstCharacter)
{
    /* a table whose separators stand at -5 and -0.7 characters: drawn, the text kept whole */
    Oli_Document d =
        Read_List("#SHOWTABLE\n 0 0 0\n 1 0 -1 -1 3\n -5 -0.7 4\nKopf  Zeile\n 1.00  2.00\n"
                  "#END_OF_TEXT\n");
    ASSERT_FALSE(d.blocks.empty());
    ASSERT_EQ(d.blocks[0].seps.size(), 3u);
    Oli_Layout layout;
    Oli_Layout_Document(&d, &layout);
    ASSERT_FALSE(layout.pages.empty());
    int texts = 0;
    for (const Oli_Item &it : layout.pages[0].items)
        texts += it.kind == OLI_IT_TEXT && it.text == "Kopf";
    EXPECT_EQ(texts, 1);
}
