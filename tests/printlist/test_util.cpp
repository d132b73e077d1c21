/*
** Print-list utilities: comment blocks, stream copies, names, picture elements, the picture
** information record and its tool, position print lists.
*/
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <set>
#include <string>

#include "capture.h"
#include "platform/oliview.h"
#include "platform/zelkwin.h"

TEST(OliUtil, BlankCommentPrintsNothing)
{
    Reset_Writers();
    Capture c;
    Print_User_Comment(c.f, " ");
    Print_User_Comment(c.f, "\n");
    Print_User_Comment(c.f, "");
    Print_User_Comment(c.f, nullptr);
    Print_User_Comment_Plain(c.f, " ");
    EXPECT_EQ(c.text(), "");
}

TEST(OliUtil, UserCommentBlock)
{
    Reset_Writers();
    Capture c;
    Print_User_Comment(c.f, "kurz");
    EXPECT_EQ(
        c.text(),
        "#OLI_SETFLAGS 0x1000000\n#OLI_SETFLAGS 0x8000000\n#OLI_SETFLAGS 0x200\n#OLI_STOREY 1\n"
        "#SHOWGRAFIC\n0 0 0\n0 0 0\n-1\n0.0 1.2 1.2 0.0\n27 0.0 0.0 %FONT%\\UserCommentLogo.ocm\n-1\n"
        "#OLI_PUSHMARGINS\n#OLI_MARGINS 1 1.4 0\n#OLI_RESTOREY 1\n"
        "\n#SHOWPARA\n0x0\n4\n-1\n kurz\n#END_OF_TEXT\n0x2000\n-1\n"
        "#OLI_POPMARGINS 0x100000\n#OLI_YPOSITION 4 0\n#OLI_SETFLAGS 0x2000000\n");
}

TEST(OliUtil, WrappedTextBreaksAtBlanksOrHard)
{
    Reset_Writers();
    Capture c;
    Pop_RFont(4096);
    int l = 0, r = 0;
    pxQTxX("abcdefghij", 10, &l, &r, nullptr, nullptr);
    int ten = r - l;
    ASSERT_GT(ten, 0);
    Oli_Set_Wrap_Width(ten);
    Print_Wrapped_Text(c.f, "abcdefghijklmno\n\nab cdefghijk\nabcdefghij klm");
    Oli_End_Text(c.f);
    Push_RFont();
    Oli_Set_Wrap_Width(600);
    std::string t = c.text();
    /* the long word is cut hard after ten characters; the empty line is written as " "; the third
  ** line breaks after its blank; the fourth's first ten characters fit and its blank gives way to
  ** the break, so that "klm" starts its line (" klm", not "  klm") */
    EXPECT_NE(t.find(" abcdefghij\n klmno\n  \n ab \n cdefghijk\n abcdefghij\n klm\n#END_OF_TEXT"),
              std::string::npos)
        << t;
}

/* Each line the writer wraps stays one line of the print: the layout breaks none of them again.
** The remark is 17.05 cm wide up to "Scheibendübel" in the print's 10 pt body font, wider than the
** 17.0 cm of the page, though within 600 pixels of the 12 pixel measuring font; the small font a
** caller leaves selected would take all but "x 2 je Stoßhälfte." (21.6 cm). The comment block
** has 17.0 - 1.4 = 15.6 cm right of its logo. */
TEST(OliUtil, WrappedLinesFitThePrintedPage)
{
    const char *remark =
        "Zugsto\xE1 C24 14/24 mit zwei innenliegenden Stahlblechen 10 mm (h_p = 20 "
        "cm), Scheibend\x81"
        "bel C2 62 mit Bolzen M12, 2 x 2 je Sto\xE1h\x84lfte.";
    for (int comment = 0; comment < 2; comment++) {
        Reset_Writers();
        Capture c;
        Pop_RFont(4098);
        if (comment) Print_User_Comment(c.f, remark);
        else Print_Wrapped_Text(c.f, remark);
        Oli_End_Text(c.f);
        Push_RFont();
        const std::string t = c.text();
        Oli_Document doc;
        ASSERT_EQ(Oli_Read_Text(t.data(), t.size(), &doc), 1);
        size_t written = 0;
        for (const Oli_Block &b : doc.blocks)
            for (const Oli_Para_Section &s : b.sections) written += s.lines.size();
        Oli_Layout layout;
        Oli_Layout_Document(&doc, &layout);
        std::set<double> rows;
        for (const Oli_Item &it : layout.pages.at(0).items)
            if (it.kind == OLI_IT_TEXT) rows.insert(it.y);
        EXPECT_EQ(rows.size(), written) << comment << "\n" << t;
    }
}

TEST(OliUtil, StreamCopyAndImpossibleCheck)
{
    Capture list, stream;
    EXPECT_EQ(Oli_Copy_Stream_Text(list.f, nullptr), 1);
    EXPECT_EQ(Oli_Copy_Stream_Text(nullptr, stream.f), 1);
    EXPECT_EQ(list.text(), "");
    fputs(" Zeile 1\n Zeile 2\n", stream.f);
    EXPECT_EQ(Oli_Write_Check_Impossible(list.f, stream.f), 0);
    EXPECT_EQ(list.text(), " \xCE"
                           "bDer Nachweis kann nicht gef\x81hrt werden ==>\xCEr\n#END_OF_TEXT\n"
                           " Zeile 1\n Zeile 2\n#END_OF_TEXT\n");
    EXPECT_EQ(Oli_Write_Check_Impossible(nullptr, stream.f), 1);
}

TEST(OliUtil, NamesInGuillemets)
{
    Capture c;
    EXPECT_EQ(Oli_Write_Name(c.f, "Stoss 1"), 0);
    std::string longname(150, 'x');
    Oli_Write_Name(c.f, longname.c_str());
    EXPECT_EQ(c.text().substr(0, 10), "\xAEStoss 1\xAF\n");
    rewind(c.f);
    char name[101];
    EXPECT_EQ(Oli_Read_Name(c.f, name), 0);
    EXPECT_STREQ(name, "Stoss 1");
    EXPECT_EQ(Oli_Read_Name(c.f, name), 0); /* more than 100 characters: the first 100 */
    EXPECT_EQ(strlen(name), 100u);
    EXPECT_EQ(Oli_Read_Name(c.f, name), 1);
    EXPECT_EQ(Oli_Read_Name(nullptr, name), 1);
}

TEST(OliUtil, PictureElementEmbedsFile)
{
    const char *path = "pic3.bin";
    FILE *f = fopen(path, "wb");
    ASSERT_NE(f, nullptr);
    fwrite("\x01\xAB\xFF", 1, 3, f);
    fclose(f);
    Capture c;
    Oli_Picture_Element e;
    Oli_Picture_Element_Defaults(&e);
    e.flags = 0x1000 | 0x1;
    EXPECT_EQ(Oli_Graphic_Picture(c.f, 1.5, 2, path, &e), 0);
    EXPECT_EQ(c.text(), "75 4097 1.5 2 1 1 \xAE.bin\xAF\n{\n01abff\n}\n");
    c.clear();
    e.flags = 0x30 | 0x2;
    Oli_Graphic_Picture(c.f, 0, 0, "logo.bmp", &e);
    EXPECT_EQ(c.text(), "75 50 0 0 300 10 10 \xAElogo.bmp\xAF\n");
    e.flags = 0x1000;
    EXPECT_EQ(Oli_Graphic_Picture(c.f, 0, 0, "missing.bin", &e), -1);
    remove(path);
    c.clear();
    Oli_Picture_Block b;
    Oli_Picture_Block_Defaults(&b);
    b.type = 3;
    Oli_Picture_Begin(c.f, &b);
    Oli_Picture_End(c.f);
    EXPECT_EQ(c.text(), "\n\n#SHOWGRAFIC\n0 0 0\n0 0 0\n3\n0 10 0 5\n50\n0\n\n");
}

TEST(OliUtil, PictureInfoRoundTrip)
{
    Capture c;
    OLI_GRAPHIC_Picture_Info a = {"PNG", 640, 480, 24, 72.0, 96.5}, b;
    EXPECT_EQ(Write_Picture_Info(c.f, &a), 1);
    EXPECT_EQ(c.text(), "OLI_GRAPHIC_Picture_Info\n\xAEPNG\xAF\n640 480\n24\n72.0000 96.5000\n");
    rewind(c.f);
    EXPECT_EQ(Read_Picture_Info(c.f, &b), 1);
    EXPECT_STREQ(b.name, "PNG");
    EXPECT_EQ(b.width, 640);
    EXPECT_EQ(b.height, 480);
    EXPECT_EQ(b.depth, 24);
    EXPECT_EQ(b.res_y, 96.5);
    Capture bad;
    fputs("OLI_GRAPHIC_Picture_Info\n\xAEX\xAF\n7\n", bad.f);
    rewind(bad.f);
    EXPECT_EQ(Read_Picture_Info(bad.f, &b), 0);
    EXPECT_EQ(b.width, 0);
}

TEST(OliUtil, PelquistToolReportsBitmapHead)
{
    /* a 2 x 3 BMP head with 24 bits and 3780 pixels per metre (96.012 dpi) */
    unsigned char bmp[54] = {'B', 'M'};
    bmp[14] = 40;
    bmp[18] = 2;
    bmp[22] = 3;
    bmp[26] = 1;
    bmp[28] = 24;
    bmp[38] = 0xC4;
    bmp[39] = 0x0E;
    bmp[42] = 0xC4;
    bmp[43] = 0x0E;
    FILE *f = fopen("head.bmp", "wb");
    ASSERT_NE(f, nullptr);
    fwrite(bmp, 1, sizeof bmp, f);
    fclose(f);
    setenv("EXEC", PELQUIST_DIR, 1);
    if (getenv("TEMP") == nullptr) setenv("TEMP", ".", 1);
    OLI_GRAPHIC_Picture_Info info;
    ASSERT_EQ(Run_Pelquist_Picture_Info("head.bmp", &info), 1);
    EXPECT_STREQ(info.name, "BMP");
    EXPECT_EQ(info.width, 2);
    EXPECT_EQ(info.height, 3);
    EXPECT_EQ(info.depth, 24);
    EXPECT_NEAR(info.res_x, 96.012, 1e-9);
    EXPECT_EQ(Run_Pelquist_Picture_Info("nothing.png", &info), 0);
    unsetenv("EXEC");
    EXPECT_EQ(Run_Pelquist_Picture_Info("head.bmp", &info), 0);
    EXPECT_EQ(info.width, 0);
    remove("head.bmp");
}

TEST(OliUtil, PositionPrintList)
{
    Reset_Writers();
    Oli_Set_Print_List_Name("pos_01.oli");
    FILE *f = Oli_Open_Pos_Print_List("12", "Stoss", 0);
    ASSERT_NE(f, nullptr);
    fclose(f);
    std::ifstream in("pos_01.oli");
    std::string t((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(t,
              "#NEWPAGE\n#OLI_SETFLAGS 0x380\n#OLI_SETLAYOUT 4115\n#CONTENTS\n POS. 12: Stoss\n");
    remove("pos_01.oli");
}
