/*
** Tests of the viewer's page layout: drawings to scale in both window orientations, anchored
** texts, page breaks asked for by reserved space, stored positions and margins, no overlap
** after moves upwards, tab stops, faces, tables with numbers aligned and their head repeated
** on the next page, bookmarks and page breaks.
*/
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>

#include "platform/oliview.h"
#include "platform/zelkgrft.h"
#include "printlist/printlist.h"

namespace {

Oli_Layout lay_text(const std::string &text)
{
    Oli_Document doc;
    EXPECT_EQ(Oli_Read_Text(text.data(), text.size(), &doc), 1);
    Oli_Layout layout;
    Oli_Layout_Document(&doc, &layout);
    return layout;
}

template <class F>
Oli_Layout lay_written(F write)
{
    FILE *f = tmpfile();
    Oli_Para_Reset();
    write(f);
    fflush(f);
    std::string out;
    rewind(f);
    int c;
    while ((c = fgetc(f)) != EOF) out.push_back((char)c);
    fclose(f);
    return lay_text(out);
}

/* The first text item with this text: page index and item; null when none. */
const Oli_Item *find_text(const Oli_Layout &l, const std::string &text, int *page = nullptr,
                          int from = 0)
{
    for (size_t p = from; p < l.pages.size(); p++)
        for (const Oli_Item &it : l.pages[p].items)
            if (it.kind == OLI_IT_TEXT && it.text == text) {
                if (page) *page = (int)p;
                return &it;
            }
    return nullptr;
}

std::vector<const Oli_Item *> items_of(const Oli_Layout &l, int kind, int page = 0)
{
    std::vector<const Oli_Item *> out;
    for (const Oli_Item &it : l.pages[page].items)
        if (it.kind == kind) out.push_back(&it);
    return out;
}

} /* namespace */

TEST(OliviewLayout, DrawingsKeepTheirScaleOnPaper)
{
    /* a drawing at 1:25 of a member 250 cm long and 100 cm high: 10 cm by 4 cm on paper */
    Oli_Layout l = lay_written([](FILE *f) {
        Oli_Graphic_Begin(f, 0, 0, 250, 100, 1.0 / 25.0, 0.0, nullptr);
        Oli_Graphic_Line(0, 0, 250, 0);
        Oli_Graphic_Line(0, 0, 0, 100);
        fprintf(f, " -1\n");
    });
    std::vector<const Oli_Item *> lines = items_of(l, OLI_IT_LINE);
    ASSERT_EQ(lines.size(), 2u);
    const Oli_Item &a = *lines[0], &b = *lines[1];
    EXPECT_NEAR(std::hypot(a.x2 - a.x, a.y2 - a.y), 10.0, 1e-9);
    EXPECT_NEAR(std::hypot(b.x2 - b.x, b.y2 - b.y), 4.0, 1e-9);
    /* the window starts at the text area's left edge; y of the world runs upwards */
    EXPECT_NEAR(a.x, OLI_TEXT_LEFT, 1e-9);
    EXPECT_NEAR(a.y, b.y, 1e-9);
    EXPECT_NEAR(b.y - b.y2, 4.0, 1e-9);
    EXPECT_NEAR(b.y2, OLI_BODY_TOP, 1e-9);
}

TEST(OliviewLayout, WindowsWhoseYRunsDownwards)
{
    /* a window 15 wide and 20 high whose y = 0 is its top */
    Oli_Layout l =
        lay_text("#SHOWGRAFIC\n 0 0 0\n 0 0 0\n-1\n0.000000 15.000000 20.000000 0.000000\n"
                 " 1  0 0 15 0\n 1  0 20 15 20\n -1\n");
    std::vector<const Oli_Item *> lines = items_of(l, OLI_IT_LINE);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_NEAR(lines[0]->y, OLI_BODY_TOP, 1e-9);
    EXPECT_NEAR(lines[1]->y - lines[0]->y, 20.0, 1e-9);
    EXPECT_NEAR(lines[0]->x2 - lines[0]->x, 15.0, 1e-9);
}

TEST(OliviewLayout, AnchoredTextsSitAroundTheirAnchor)
{
    Oli_Layout l = lay_text("#SHOWGRAFIC\n 0 0 0\n 0 0 0\n-1\n0 10 0 4\n 13 0.3\n"
                            " 9 5 2 5 2 210 \xAEMitte\xAF\n 9 5 2 5 2 204 \xAERechts\xAF\n"
                            " 2 1 1 \xAELinks\xAF\n 9 5 2 5 2 466 \xAEQuer\xAF\n -1\n");
    double top = OLI_BODY_TOP, size = 0.3 / 0.73 * 72 / 2.54;
    const Oli_Item *m = find_text(l, "Mitte");
    ASSERT_NE(m, nullptr);
    double w = Oli_Text_Width_Cm("Mitte", size, 0);
    EXPECT_NEAR(m->size, size, 1e-9);
    EXPECT_NEAR(m->x, OLI_TEXT_LEFT + 5 - w / 2, 1e-9); /* centre */
    EXPECT_NEAR(m->y, top + (4 - 2) + 0.3 / 2, 1e-9);   /* middle: half the cap height below */
    const Oli_Item *r = find_text(l, "Rechts");
    EXPECT_NEAR(r->x + Oli_Text_Width_Cm("Rechts", size, 0), OLI_TEXT_LEFT + 5, 1e-9);
    EXPECT_NEAR(r->y, top + 2, 1e-9); /* bottom: the base line on the anchor */
    const Oli_Item *left = find_text(l, "Links");
    EXPECT_NEAR(left->x, OLI_TEXT_LEFT + 1, 1e-9);
    EXPECT_NEAR(left->y, top + 3, 1e-9);
    const Oli_Item *q = find_text(l, "Quer"); /* turned by 90 degrees, centred */
    EXPECT_DOUBLE_EQ(q->angle, 90.0);
    double wq = Oli_Text_Width_Cm("Quer", size, 0);
    EXPECT_NEAR(q->x, OLI_TEXT_LEFT + 5 + 0.15, 1e-9);
    EXPECT_NEAR(q->y, top + 2 + wq / 2, 1e-9);
}

TEST(OliviewLayout, ReservedSpaceBreaksThePage)
{
    const char *para = "\n#SHOWPARA\n0x0\n7\n-1\n %s\n#END_OF_TEXT\n0x0\n-1\n";
    char a[200], b[200], c[200];
    snprintf(a, sizeof a, para, "erste");
    snprintf(b, sizeof b, para, "zweite");
    snprintf(c, sizeof c, para, "dritte");
    Oli_Layout l = lay_text(std::string(a) + "#OLI_YPOSITION 1 20\n#OLI_RESERVE 2\n" + b
                            + "#OLI_RESERVE 6\n" + c + "#NEWPAGE\n#NEWPAGE\n" + a);
    int pa = -1, pb = -1, pc = -1, pd = -1;
    const Oli_Item *ia = find_text(l, "erste", &pa);
    const Oli_Item *ib = find_text(l, "zweite", &pb);
    const Oli_Item *ic = find_text(l, "dritte", &pc);
    const Oli_Item *id = find_text(l, "erste", &pd, 1);
    ASSERT_TRUE(ia && ib && ic && id);
    EXPECT_EQ(pa, 0);
    EXPECT_EQ(pb, 0);
    EXPECT_NEAR(ib->y - ia->y, 0.38 + 20, 1e-9);
    EXPECT_EQ(pc, 1);
    EXPECT_NEAR(ic->y, ia->y, 1e-9); /* at the top of the new page */
    EXPECT_EQ(pd, 2);                /* two page breaks make one */
    EXPECT_EQ(l.pages.size(), 3u);
}

TEST(OliviewLayout, StoredPositionsMarginsAndNoOverlap)
{
    const char *para = "\n#SHOWPARA\n0x0\n7\n-1\n %s\n#END_OF_TEXT\n0x0\n-1\n";
    auto p = [&](const char *t) {
        char buf[200];
        snprintf(buf, sizeof buf, para, t);
        return std::string(buf);
    };
    Oli_Layout l = lay_text(
        "#OLI_STOREY 1\n" + p("links") + p("links2") + "#OLI_RESTOREY 1\n#OLI_MARGINS 1 9 0\n"
        + p("rechts") + "#OLI_MARGINS 1 0 0\n#OLI_YPOSITION 4 0\n" + p("darunter")
        + "#OLI_YPOSITION 1 -2\n" + p("nicht hoeher") + "#OLI_PUSHMARGINS\n#OLI_MARGINS 1 3 0\n"
        + p("eingerueckt") + p("zweimal")
        + "#OLI_STOREY 2\n#OLI_RESTOREY 2\n#OLI_YPOSITION 1 -0.76\n" + "#OLI_POPMARGINS 0x100000\n"
        + p("zurueck"));
    const Oli_Item *l1 = find_text(l, "links"), *l2 = find_text(l, "links2"),
                   *r = find_text(l, "rechts");
    const Oli_Item *d = find_text(l, "darunter"), *n = find_text(l, "nicht"),
                   *e = find_text(l, "eingerueckt");
    const Oli_Item *z = find_text(l, "zweimal"), *back = find_text(l, "zurueck");
    ASSERT_TRUE(l1 && l2 && r && d && n && e && z && back);
    EXPECT_NEAR(r->y, l1->y, 1e-9); /* beside, at the stored height */
    EXPECT_NEAR(r->x, OLI_TEXT_LEFT + 9, 1e-9);
    EXPECT_NEAR(d->y, l2->y + 0.38, 1e-9); /* below the lowest point since stored */
    EXPECT_NEAR(n->y, d->y + 0.38, 1e-9);  /* a move upwards does not overwrite */
    EXPECT_NEAR(e->x, OLI_TEXT_LEFT + 3, 1e-9);
    EXPECT_NEAR(back->x, OLI_TEXT_LEFT, 1e-9); /* margins restored */
    EXPECT_NEAR(back->y, z->y + 0.38, 1e-9);   /* below what was written since saved */
}

TEST(OliviewLayout, FailedCheckMarkStandsBesideItsLine)
{
    Oli_Layout l =
        lay_written([](FILE *f) { Oli_Write_Text_Flagged(f, "Nachweis nicht erf\x81llt", 0); });
    const Oli_Item *t = find_text(l, "Nachweis");
    const Oli_Item *mark = find_text(l, "!!");
    ASSERT_TRUE(t && mark);
    EXPECT_NEAR(mark->y, t->y, 1e-9);
    EXPECT_NEAR(mark->x, OLI_TEXT_LEFT + OLI_TEXT_WIDTH, 1e-9);
    EXPECT_EQ(mark->face & OLI_FACE_BOLD, OLI_FACE_BOLD);
}

TEST(OliviewLayout, TabStopsFacesAndWrapping)
{
    Oli_Layout l = lay_written([](FILE *f) {
        Oli_Columns_3(0.0, 5.0, 10.0);
        Oli_Column_Cell(f, "a");
        Oli_Column_Cell(f, "b");
        Oli_Column_Cell(f, "c");
        Oli_Columns_End(f);
        Oli_Write_Text(f, "A\xCE\\n\xCEr \xCE"
                          "bfett\xCEr x\xCE/2\xCEr");
        std::string longtext;
        for (int i = 0; i < 25; i++) longtext += "Wort ";
        Oli_Write_Text(f, "%s", longtext.c_str());
    });
    const Oli_Item *a = find_text(l, "a"), *b = find_text(l, "b"), *c = find_text(l, "c");
    ASSERT_TRUE(a && b && c);
    EXPECT_NEAR(a->x, OLI_TEXT_LEFT, 1e-9);
    EXPECT_NEAR(b->x, OLI_TEXT_LEFT + 5, 1e-9);
    EXPECT_NEAR(c->x, OLI_TEXT_LEFT + 10, 1e-9);
    const Oli_Item *A = find_text(l, "A"), *sub = find_text(l, "n"), *bold = find_text(l, "fett");
    const Oli_Item *sup = find_text(l, "2");
    ASSERT_TRUE(A && sub && bold && sup);
    double size_cm = 9.0 * 2.54 / 72;
    EXPECT_EQ(sub->face, OLI_FACE_SUB);
    EXPECT_NEAR(sub->y - A->y, 0.15 * size_cm, 1e-9);
    EXPECT_NEAR(sub->x, A->x + Oli_Text_Width_Cm("A", 9.0, 0), 1e-9);
    EXPECT_EQ(bold->face, OLI_FACE_BOLD);
    EXPECT_EQ(sup->face, OLI_FACE_SUP);
    EXPECT_NEAR(A->y - sup->y, 0.33 * size_cm, 1e-9);
    /* 25 words of 9 pt do not fit into 17 cm: the paragraph wraps, no line runs past the edge */
    double ww = Oli_Text_Width_Cm("Wort", 9.0, 0), sw = Oli_Text_Width_Cm(" ", 9.0, 0);
    int per_line = (int)std::floor((OLI_TEXT_WIDTH + sw) / (ww + sw));
    double last_y = -1;
    int lines = 0;
    for (const Oli_Item &it : l.pages[0].items)
        if (it.kind == OLI_IT_TEXT && it.text == "Wort") {
            EXPECT_LE(it.x + Oli_Text_Width_Cm("Wort", 9.0, 0),
                      OLI_TEXT_LEFT + OLI_TEXT_WIDTH + 1e-9);
            if (it.y != last_y) lines++;
            last_y = it.y;
        }
    EXPECT_EQ(lines, (25 + per_line - 1) / per_line);
    EXPECT_GE(lines, 2);
}

/* A value and its unit stay on one line, and a word never breaks between its pieces (a
** subscript); any other blank may break. Each text fills the first line so that its last word
** just does not fit. */
TEST(OliviewLayout, AValueKeepsItsUnitAndAWordItsSubscript)
{
    /* narrow filling words, so that the filling can end within any last word */
    double ww = Oli_Text_Width_Cm("i", 9.0, 0), sw = Oli_Text_Width_Cm(" ", 9.0, 0);
    struct Case {
        const char *tail; /* what follows the filling words */
        const char *last; /* its last word: it overflows the first line */
        const char *kept; /* the word that goes to the second line with it, or null */
    } cases[] = {
        // clang-format off
      {"39.17 kN", "kN", "39.17"},
      {"39.17 N/mm\xCE/2\xCEr,", "N/mm", "39.17"},
      {"0.00 \xF8,", "\xC2\xB0,", "0.00"},
      {"F\xCE\\b,Rd,Rand\xCEr", "b,Rd,Rand", "F"},
      {"5 Wort", "Wort", nullptr},
      {"|N\xCE\\d\xCEr| = 220.00", "220.00", "="},
        // clang-format on
    };
    for (const Case &c : cases) {
        std::string tail = c.tail;
        Oli_Layout probe = lay_written([&](FILE *f) { Oli_Write_Text(f, "%s", tail.c_str()); });
        /* the width of the tail up to its last word, and of the last word, as laid out */
        const Oli_Item *lw = find_text(probe, c.last);
        ASSERT_NE(lw, nullptr) << c.tail;
        double before = lw->x - OLI_TEXT_LEFT;
        double last_w = Oli_Text_Width_Cm(c.last, lw->size, lw->face);
        int n = (int)std::floor((OLI_TEXT_WIDTH - before - last_w) / (ww + sw)) + 1;
        /* n filling words: the tail's last word no longer fits, everything before it does */
        ASSERT_GT(n * (ww + sw) + before + last_w, OLI_TEXT_WIDTH) << c.tail;
        ASSERT_LE(n * (ww + sw) + before - sw, OLI_TEXT_WIDTH) << c.tail;
        std::string text;
        for (int i = 0; i < n; i++) text += "i ";
        text += tail;
        Oli_Layout l = lay_written([&](FILE *f) { Oli_Write_Text(f, "%s", text.c_str()); });
        const Oli_Item *first = find_text(l, "i"), *last = find_text(l, c.last);
        ASSERT_TRUE(first && last) << c.tail;
        EXPECT_GT(last->y, first->y + 0.1) << c.tail << ": the last word moves to the next line";
        if (c.kept) {
            const Oli_Item *kept = find_text(l, c.kept);
            ASSERT_NE(kept, nullptr);
            const double sub =
                last->face & OLI_FACE_SUB ? 0.15 * 9.0 * 2.54 / 72 : 0.0; /* its drop */
            EXPECT_NEAR(kept->y, last->y - sub, 1e-9)
                << c.tail << ": " << c.kept << " goes with it";
        } else {
            const Oli_Item *five = find_text(l, "5");
            ASSERT_NE(five, nullptr);
            EXPECT_NEAR(five->y, first->y, 1e-9)
                << "a number before an ordinary word may stay behind";
        }
    }
}

/* A paragraph's first line does not stand alone at the foot of a page, nor its last alone at the
** top of the next, and a text that ends with a colon does not stay behind without the first line
** of what it introduces. Each row starts its paragraph `room` lines above the foot of the page. */
TEST(OliviewLayout, NoLineStandsAloneAtTheEdgeOfAPage)
{
    struct Case {
        int lines;     /* lines of the paragraph (0: a line "Ausnutzungen:", then "Inhalt") */
        double room;   /* lines that fit below its start */
        int left_back; /* lines that stay on the first page */
    } cases[] = {
        {2, 1.5, 0}, /* one line would stand alone below, the other above */
        {3, 2.5, 1}, /* the last would stand alone: the second goes with it */
        {3, 1.5, 0}, /* the first would: all three go */
        {3, 3.5, 3}, /* it fits */
        {0, 1.5, 0}, /* the colon's text goes with "Inhalt" */
        {0, 2.5, 2}, /* both fit */
    };
    /* words W1, W2, ... of a paragraph of n lines, and the lines' first words, laid out at the top */
    auto paragraph = [](int n, std::vector<std::string> *firsts, double *lh) {
        for (int k = 1;; k++) {
            std::string text;
            for (int i = 1; i <= k; i++) text += "W" + std::to_string(i) + " ";
            EXPECT_LT(text.size(), 255u) << "one line of the print list";
            Oli_Layout l = lay_written([&](FILE *f) { Oli_Write_Text(f, "%s", text.c_str()); });
            firsts->clear();
            double y = -1;
            for (const Oli_Item &it : l.pages[0].items)
                if (it.kind == OLI_IT_TEXT && it.y > y + 0.01) {
                    if (y >= 0) *lh = it.y - y;
                    firsts->push_back(it.text);
                    y = it.y;
                }
            if ((int)firsts->size() == n) return text;
        }
    };
    std::vector<std::string> one;
    double lh = 0;
    paragraph(2, &one, &lh);
    ASSERT_GT(lh, 0.1);
    for (const Case &c : cases) {
        std::vector<std::string> firsts = {"Ausnutzungen:", "Inhalt"};
        double unused = 0;
        std::string text = c.lines ? paragraph(c.lines, &firsts, &unused) : "";
        Oli_Layout l = lay_written([&](FILE *f) {
            Oli_Move_Cm(f, OLI_BODY_BOTTOM - OLI_BODY_TOP - c.room * lh);
            if (c.lines) {
                Oli_Write_Text(f, "%s", text.c_str());
            } else {
                Oli_Write_Text(f, "Ausnutzungen:");
                Oli_Write_Text(f, "Inhalt");
            }
        });
        int back = 0;
        for (const std::string &w : firsts) {
            int page = -1;
            ASSERT_NE(find_text(l, w, &page), nullptr) << w;
            if (page == 0) back++;
        }
        EXPECT_EQ(back, c.left_back) << c.lines << " lines, room for " << c.room;
    }
}

TEST(OliviewLayout, TablesAlignNumbersAndRepeatTheirHead)
{
    static double v[150];
    for (int i = 0; i < 150; i++) v[i] = (i % 2 ? -1 : 1) * 1.25 * (i + 1) * (i % 7 + 1);
    Oli_Layout l = lay_written([](FILE *f) {
        Oli_Table_Column *cols = nullptr;
        Oli_Alloc_Table_Columns(2, &cols);
        strcpy(cols[0].unit, "ZZ");
        cols[0].width = 3;
        cols[0].decimals = 1;
        strcpy(cols[1].title, "Wert");
        strcpy(cols[1].unit, "kN");
        cols[1].width = 9;
        cols[1].decimals = 2;
        cols[1].values = v;
        OliTabelle(/*file=*/f, /*ncols=*/2, /*nrows=*/150, /*columns=*/cols, /*row_mask=*/nullptr,
                   /*row_rules=*/nullptr, /*highlight=*/0, /*flags=*/0, /*title_counts=*/nullptr,
                   /*title_texts=*/nullptr, /*extra_count=*/0, /*extra_texts=*/nullptr);
        free(cols);
    });
    ASSERT_GE(l.pages.size(), 3u);
    /* every page shows the head; the numbers of the value column end at one edge */
    for (size_t p = 0; p < l.pages.size(); p++) {
        bool head = false;
        double right = -1;
        for (const Oli_Item &it : l.pages[p].items) {
            if (it.kind != OLI_IT_TEXT) continue;
            if (it.text == "Wert") head = true;
            if (it.text.find('.') != std::string::npos) {
                double r = it.x + Oli_Text_Width_Cm(it.text, it.size, it.face);
                if (right < 0) right = r;
                EXPECT_NEAR(r, right, 1e-9) << it.text;
            }
        }
        EXPECT_TRUE(head) << "page " << p + 1;
    }
    /* rows keep their order over the pages */
    int p1 = -1, p2 = -1;
    EXPECT_NE(find_text(l, "1", &p1), nullptr);
    EXPECT_NE(find_text(l, "150", &p2), nullptr);
    EXPECT_EQ(p1, 0);
    EXPECT_EQ(p2, (int)l.pages.size() - 1);
}

TEST(OliviewLayout, BookmarksFollowTheHeadings)
{
    Oli_Layout l = lay_written([](FILE *f) {
        Oli_Init_Writer(3, 2, 1);
        Oli_Write_Heading(f, 1, "Eingabe");
        Oli_Write_Heading(f, 2, "System");
        fprintf(f, "#NEWPAGE\n");
        Oli_Write_Heading(f, 1, "Nachweise");
        Oli_Close_Bookmarks(f);
    });
    ASSERT_EQ(l.bookmarks.size(), 5u);
    EXPECT_EQ(l.bookmarks[0].kind, 16);
    EXPECT_EQ(l.bookmarks[0].text, "1. Eingabe");
    EXPECT_EQ(l.bookmarks[1].kind, 0);
    EXPECT_EQ(l.bookmarks[1].text, "1.1. System");
    EXPECT_EQ(l.bookmarks[2].kind, 17);
    EXPECT_EQ(l.bookmarks[3].kind, 16);
    EXPECT_EQ(l.bookmarks[3].page, 1);
    EXPECT_EQ(l.bookmarks[4].kind, 17);
    int page = -1;
    const Oli_Item *h = find_text(l, "2.", &page);
    ASSERT_NE(h, nullptr);
    EXPECT_EQ(page, 1);
    EXPECT_LE(l.bookmarks[3].y, h->y);
}

TEST(OliviewLayout, ColouredLinesAndBlocksKeptOnOnePage)
{
    /* a group line of a table coloured 0xf00: the whole line in a light red */
    Oli_Layout l = lay_text("#SHOWTABLE\n 0 0 0\n1 0 -1 -1 1\n 6\n  LF  Fakt.\n"
                            " \xCE{\xCER0xf00} \xCE"
                            "bGruppe 1\xCEr\n   1  1.35\n#END_OF_TEXT\n");
    const Oli_Item *band = nullptr;
    for (const Oli_Item &it : l.pages[0].items)
        if (it.kind == OLI_IT_RECT && it.fill_rgb != 0xECECEC) band = &it;
    ASSERT_NE(band, nullptr);
    /* 255 stays, 0 becomes 0 + 255 x 0.82 = 209.1 -> 209 */
    EXPECT_EQ(band->fill_rgb, 0xFFD1D1u);
    EXPECT_NEAR(band->y2, 0.36, 1e-9);
    const Oli_Item *g = find_text(l, "Gruppe 1");
    ASSERT_NE(g, nullptr);
    EXPECT_EQ(g->face, OLI_FACE_BOLD);
    EXPECT_TRUE(l.warnings.empty());
    /* ten lines at the foot of a page: normally split, with flags 512 moved as a whole */
    std::string para = "\n#SHOWPARA\n0x0\n7\n-1\n";
    for (int i = 0; i < 10; i++) para += " Zeile" + std::to_string(i) + "\n";
    para += "#END_OF_TEXT\n0x0\n-1\n";
    Oli_Layout split = lay_text("#OLI_YPOSITION 1 23\n" + para);
    Oli_Layout kept = lay_text("#OLI_YPOSITION 1 23\n#OLI_SETFLAGS 0x200\n" + para);
    int p0 = -1, p9 = -1, k0 = -1, k9 = -1;
    find_text(split, "Zeile0", &p0);
    find_text(split, "Zeile9", &p9);
    find_text(kept, "Zeile0", &k0);
    find_text(kept, "Zeile9", &k9);
    EXPECT_EQ(p0, 0);
    EXPECT_EQ(p9, 1);
    EXPECT_EQ(k0, 1);
    EXPECT_EQ(k9, 1);
}

TEST(OliviewLayout, HeadingGoesWithTheRoomReservedAfterIt)
{
    /* a heading 4 cm above the foot, followed by a block that reserves 6 cm: both on the next
  ** page; with 2 cm reserved the heading stays */
    auto list = [](double reserve) {
        return lay_written([reserve](FILE *f) {
            Oli_Init_Writer(3, 2, 1);
            Oli_Move_Cm(f, OLI_BODY_BOTTOM - OLI_BODY_TOP - 4.0);
            Oli_Write_Heading(f, 2, "Anhang");
            OLI_reserveSpaceCM(f, reserve);
            Oli_Write_Text(f, "Inhalt");
        });
    };
    int page = -1;
    Oli_Layout moved = list(6.0);
    ASSERT_NE(find_text(moved, "Anhang", &page), nullptr);
    EXPECT_EQ(page, 1);
    Oli_Layout kept = list(2.0);
    ASSERT_NE(find_text(kept, "Anhang", &page), nullptr);
    EXPECT_EQ(page, 0);
}

TEST(OliviewLayout, WideTablesAreSetSmallerToFit)
{
    /* 159 characters: 1.5 times what 17 cm hold at the table pitch of 17/106 cm */
    std::string row = " ";
    for (int i = 0; i < 15; i++) row += "   123.456";
    ASSERT_EQ(row.size(), 151u);
    row += "   end.ok";
    Oli_Layout l =
        lay_text("#SHOWTABLE\n 0 0 0\n1 0 -1 -1 1\n 80\n Kopf\n" + row + "\n#END_OF_TEXT\n");
    double shrink = 106.0 / 160.0; /* separator at 80 makes no difference; the row is 160 wide */
    const Oli_Item *last = nullptr, *head = nullptr;
    for (const Oli_Item &it : l.pages[0].items) {
        if (it.kind == OLI_IT_TEXT && it.text == "end.ok") last = &it;
        if (it.kind == OLI_IT_TEXT && it.text == "Kopf") head = &it;
    }
    ASSERT_TRUE(last && head);
    EXPECT_NEAR(last->size, 8.0 * shrink, 1e-9);
    /* a head cell is centred over its column, here the 80 characters before the separator */
    double pitch = OLI_TEXT_WIDTH / 106.0 * shrink;
    EXPECT_NEAR(head->x + Oli_Text_Width_Cm("Kopf", head->size, 0) / 2, OLI_TEXT_LEFT + 40 * pitch,
                1e-9);
    EXPECT_NEAR(last->x, OLI_TEXT_LEFT + 154 * OLI_TEXT_WIDTH / 160.0, 1e-9);
}
