/*
** Tests of the combination table: the ASCII import and the generation of the combinations from
** the characteristic actions, with values worked by hand.
*/
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "catalogue/catalogue.h"
#include "nad/nad.h"
#include "platform/zelkwin.h"
#include "splice/splice_app.h"

namespace {

struct Table {
    Lkom_Table *t;
    Table() : t((Lkom_Table *)calloc(1, sizeof(Lkom_Table))) { Lkom_Clear_Table(t); }
    ~Table() { free(t); }
};

void Spit(const char *path, const std::string &text)
{
    std::ofstream f(path, std::ios::binary);
    f << text;
}

/* The entry of group g whose N_d equals n (within 1e-9), or null. */
const Lkom_Entry *Find_N(const Lkom_Table *t, int g, double n, int accidental = 0)
{
    for (int e = 0; e < LKOM_ENTRIES; e++) {
        const Lkom_Entry *en = &t->groups[g].entries[e];
        if (en->used && en->accidental == accidental && fabs(en->N_d - n) < 1e-9) return en;
    }
    return nullptr;
}

void Set_Action(Char_Action_Rec *a, int kled, double M, double N, double V, double g_sup,
                double g_inf, double psi_dom, double psi_sub)
{
    memset(a, 0, sizeof *a);
    a->used = 1;
    a->kled = kled;
    a->M_k = M;
    a->N_k = N;
    a->V_k = V;
    a->gamma_sup = g_sup;
    a->gamma_inf = g_inf;
    a->psi_dom = psi_dom;
    a->psi_sub = psi_sub;
}

} // namespace

TEST(AsciiImport, ThreeGoodLinesAndOneBadLineImportThreeAndNameLineFour)
{
    ZW_Test_Reset();
    Table tab;
    /* Something already entered stays. */
    tab.t->groups[0].used = 1;
    tab.t->groups[0].kmod_source = 0;
    tab.t->groups[0].kmod = 0.9;
    tab.t->groups[0].entries[0].used = 1;
    tab.t->groups[0].entries[0].N_d = 77.0;

    Spit("import.txt", "0.9 0 12.5 -40 8 Wind von links\n"
                       "0.6 1 1 2 3\n"
                       "0.9005 0 -3 4.5 0 Schnee\n"
                       "0.9 0 abc 1 2 kaputt\n");
    Ascii_Import_Report r;
    EXPECT_EQ(Import_Lkom_Ascii("import.txt", tab.t, &r), 3);
    EXPECT_EQ(r.imported, 3);
    ASSERT_EQ(r.bad, 1);
    EXPECT_EQ(r.bad_lines[0], 4);
    EXPECT_EQ(r.bad_kinds[0], 1);

    /* kmod 0.9 and 0.9005 are one group (within 0.001), after the entry that was there. */
    EXPECT_EQ(Lkom_Count_Entries(tab.t, 0), 3);
    EXPECT_EQ(tab.t->groups[0].entries[0].N_d, 77.0);
    const Lkom_Entry *e1 = &tab.t->groups[0].entries[1];
    EXPECT_EQ(e1->M_d, 12.5);
    EXPECT_EQ(e1->N_d, -40.0);
    EXPECT_EQ(e1->V_d, 8.0);
    EXPECT_EQ(e1->accidental, 0);
    EXPECT_STREQ(e1->comment, "Wind von links");
    EXPECT_STREQ(tab.t->groups[0].entries[2].comment, "Schnee");
    /* kmod 0.6 opens the next group, with the kmod given and an accidental entry. */
    EXPECT_EQ(tab.t->groups[1].used, 1);
    EXPECT_EQ(tab.t->groups[1].kmod_source, 0);
    EXPECT_EQ(tab.t->groups[1].kmod, 0.6);
    EXPECT_EQ(tab.t->groups[1].entries[0].accidental, 1);
    EXPECT_STREQ(tab.t->groups[1].entries[0].comment, "");

    /* The message names the count and the line. */
    Table t2;
    EXPECT_EQ(Import_Lkom_Ascii_With_Message("import.txt", t2.t), 3);
    bool count = false, line = false;
    for (const std::string &l : ZW_Test_Log_Lines()) {
        if (l.find("MESSAGE") == std::string::npos) continue;
        count |= l.find("3 Lastkombinationen importiert.") != std::string::npos;
        line |= l.find("Zeile 4") != std::string::npos;
    }
    EXPECT_TRUE(count);
    EXPECT_TRUE(line);
    EXPECT_EQ(Import_Lkom_Ascii("no_such.txt", t2.t, &r), -1);

    /* A comment of 75 characters keeps the 70 the page holds, one with a euro sign (UTF-8), which
    ** code page 850 lacks, holds '?' for it, and the box names their lines. */
    Table t3;
    ZW_Test_Reset();
    Spit("lang.txt", "0.9 0 1 2 3 kurz\n0.9 0 1 2 3 " + std::string(70, 'k')
                         + "abcde\n0.9 0 1 2 3 5 \xE2\x82\xAC netto\n");
    EXPECT_EQ(Import_Lkom_Ascii_With_Message("lang.txt", t3.t), 3);
    EXPECT_EQ(std::string(t3.t->groups[0].entries[1].comment), std::string(70, 'k'));
    EXPECT_STREQ(t3.t->groups[0].entries[2].comment, "5 ? netto");
    int cut = 0;
    for (const std::string &l : ZW_Test_Log_Lines())
        cut += l.find("| Kommentar nach 70 Zeichen gek\xC3\xBCrzt: Zeile 2 | Zeichen, die die "
                      "Codepage 850 nicht enth\xC3\xA4lt, als \"?\" \xC3\xBC"
                      "bernommen: Zeile 3 |")
               != std::string::npos;
    EXPECT_EQ(cut, 1);
}

/* The same file written by three programs: code page 850, code page 1252 and UTF-8 (with a
** byte-order mark); the comments arrive in code page 850 every time. */
TEST(AsciiImport, FilesInEachOfTheThreeCodePagesGiveTheSameComments)
{
    const std::string want[2] = {"au\xE1"
                                 "ergew\x94hnlich",
                                 "Schnee \x94stlich"};
    const std::string files[3] = {
        "0.9 1 1 2 3 au\xE1"
        "ergew\x94hnlich\n1.1 0 1 2 3 Schnee \x94stlich\n",
        "0.9 1 1 2 3 au\xDF"
        "ergew\xF6hnlich\r\n1.1 0 1 2 3 Schnee \xF6stlich\r\n",
        "\xEF\xBB\xBF"
        "0.9 1 1 2 3 au\xC3\x9F"
        "ergew\xC3\xB6hnlich\n1.1 0 1 2 3 Schnee \xC3\xB6stlich\n",
    };
    for (const std::string &text : files) {
        SCOPED_TRACE(text);
        Table tab;
        Spit("kodiert.txt", text);
        Ascii_Import_Report r;
        ASSERT_EQ(Import_Lkom_Ascii("kodiert.txt", tab.t, &r), 2);
        EXPECT_EQ(r.bad, 0);
        EXPECT_EQ(std::string(tab.t->groups[0].entries[0].comment), want[0]);
        EXPECT_EQ(std::string(tab.t->groups[1].entries[0].comment), want[1]);
    }
}

/* The same file saved as "Unicode" (UTF-16) or UTF-32, with a byte-order mark or without: none
** of its lines is read, and the box names the encoding instead of a first line "damaged". */
TEST(AsciiImport, AFileInUtf16OrUtf32IsNamedByItsEncodingAndNothingIsImported)
{
    const std::u32string text = U"0.9 1 1 2 3 Schnee \u00f6stlich\r\n1.1 0 1 2 3 Wind\r\n";
    auto encode = [&](int width, bool big, bool mark) {
        std::string out;
        std::u32string all = (mark ? std::u32string(1, U'\uFEFF') : std::u32string()) + text;
        for (char32_t c : all)
            for (int k = 0; k < width; k++)
                out += (char)((c >> (8 * (big ? width - 1 - k : k))) & 0xFF);
        return out;
    };
    const struct {
        int width;
        bool big, mark;
        const char *name;
    } cases[] = {
        {2, false, true, "UTF-16 LE"},  {2, true, true, "UTF-16 BE"},
        {2, false, false, "UTF-16 LE"}, {2, true, false, "UTF-16 BE"},
        {4, false, true, "UTF-32 LE"},  {4, true, true, "UTF-32 BE"},
        {4, false, false, "UTF-32 LE"}, {4, true, false, "UTF-32 BE"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        ZW_Test_Reset();
        Table tab;
        Spit("unicode.txt", encode(c.width, c.big, c.mark));
        Ascii_Import_Report r;
        EXPECT_EQ(Import_Lkom_Ascii("unicode.txt", tab.t, &r), 0);
        ASSERT_NE(r.encoding, nullptr);
        EXPECT_STREQ(r.encoding, c.name);
        EXPECT_EQ(r.bad, 0);
        for (int g = 0; g < LKOM_GROUPS; g++) EXPECT_EQ(Lkom_Count_Entries(tab.t, g), 0);
        EXPECT_EQ(Import_Lkom_Ascii_With_Message("unicode.txt", tab.t), 0);
        char cwd[1024];
        ASSERT_NE(getcwd(cwd, sizeof cwd), nullptr);
        const std::string box = "MESSAGE [ASCII-Import] Die Datei " + std::string(cwd)
                                + "/unicode.txt | ist in " + std::string(c.name)
                                + " gespeichert; diese Kodierung wird nicht gelesen. | Es wurde "
                                  "nichts importiert. Bitte die Datei als ANSI oder UTF-8 "
                                  "speichern.";
        int shown = 0;
        for (const std::string &l : ZW_Test_Log_Lines()) shown += l == box;
        EXPECT_EQ(shown, 1);
    }
    /* the byte code pages are read as before */
    Table tab;
    Ascii_Import_Report r;
    Spit("unicode.txt", "0.9 1 1 2 3 Schnee\n");
    EXPECT_EQ(Import_Lkom_Ascii("unicode.txt", tab.t, &r), 1);
    EXPECT_EQ(r.encoding, nullptr);
}

/* A pipe or a device chosen as the file to import is no file: it is named with the reason and
** nothing is imported; the import never waits for a writer nor reads for ever. A file that is not
** there is named by its whole path with the reason: the file, or its folder, is missing. */
TEST(AsciiImport, APipeOrADeviceIsNamedAndNothingIsImported)
{
    unlink("pipe.txt");
    unlink("zero.txt");
    ASSERT_EQ(mkfifo("pipe.txt", 0644), 0);
    ASSERT_EQ(symlink("/dev/zero", "zero.txt"), 0);
    char cwd[1024];
    ASSERT_NE(getcwd(cwd, sizeof cwd), nullptr);
    const std::string folder_missing =
        "Der Ordner " + std::string(cwd) + "/kein_ordner existiert nicht.";
    const struct {
        const char *name, *reason;
    } cases[] = {{"pipe.txt", "Der Name bezeichnet eine Pipe und keine Datei."},
                 {"zero.txt", "Der Name bezeichnet ein Ger\xC3\xA4t und keine Datei."},
                 {"fehlt.txt", "Die Datei existiert nicht."},
                 {"kein_ordner/fehlt.txt", folder_missing.c_str()}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            alarm(20);
            Table scratch;
            Ascii_Import_Report r;
            _exit(Import_Lkom_Ascii(c.name, scratch.t, &r) == -1 ? 0 : 3);
        }
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the import did not end";
        ZW_Test_Reset();
        Table tab;
        EXPECT_EQ(Import_Lkom_Ascii_With_Message(c.name, tab.t), -1);
        for (int g = 0; g < LKOM_GROUPS; g++) EXPECT_EQ(Lkom_Count_Entries(tab.t, g), 0);
        const std::string box = std::string("MESSAGE [ASCII-Import] Die Datei ") + cwd + "/"
                                + c.name + " | kann nicht gelesen werden: | " + c.reason
                                + " | Es wurde nichts importiert.";
        int shown = 0;
        for (const std::string &l : ZW_Test_Log_Lines()) shown += l == box;
        EXPECT_EQ(shown, 1) << box;
    }
    unlink("pipe.txt");
    unlink("zero.txt");
}

TEST(AsciiImport, AnEleventhKmodAndBadNumbersAreSkippedWithTheirLines)
{
    Table tab;
    std::string text = "# kmod acc M N V\n\n";
    for (int i = 0; i < 11; i++) text += std::to_string(0.5 + 0.05 * i) + " 0 1 2 3\n";
    text += "0.5 2 1 2 3\n";  /* accidental must be 0 or 1 */
    text += "0 0 1 2 3\n";    /* kmod 0 is nonsense */
    text += "0.5 0 1 2\n";    /* a force missing */
    text += "0.5 0 1 2 3x\n"; /* a number with a tail */
    Spit("eleven.txt", text);
    Ascii_Import_Report r;
    EXPECT_EQ(Import_Lkom_Ascii("eleven.txt", tab.t, &r), 10);
    ASSERT_EQ(r.bad, 5);
    EXPECT_EQ(r.bad_lines[0], 13); /* two lines of comment and blank before the eleven */
    EXPECT_EQ(r.bad_kinds[0], 2);
    EXPECT_EQ(r.bad_lines[1], 14);
    EXPECT_EQ(r.bad_lines[2], 15);
    EXPECT_EQ(r.bad_lines[3], 16);
    EXPECT_EQ(r.bad_lines[4], 17);
    EXPECT_EQ(r.bad_kinds[4], 1);
    for (int g = 0; g < LKOM_GROUPS; g++) EXPECT_EQ(Lkom_Count_Entries(tab.t, g), 1);

    /* every line a plain decimal number per field, a comma taken where digits stand on both sides
    ** of it (the fields are parted by blanks); each skipped line names its field and what it held,
    ** a NUL byte (V_d "1<NUL>2" was 1 kN, the comment lost) and hexadecimal (0x2D was 45) too */
    ZW_Test_Reset();
    Spit("felder.txt", std::string("0.9 0 0 45 1\0"
                                   "2 Schnee\n"
                                   "0.9 0 0 0x2D 12 hex\n"
                                   "0,9 0 -3,5 20,5 12 Komma\n"
                                   "0.9 0 1e3 1 2\n"
                                   "0.9 0 1 2,\n"
                                   "2.5 0 1 2 3\n"
                                   "0.9 2 1 2 3\n"
                                   "0.9 0 1 2\n"
                                   "0.9 0 1.000,5 2 3\n",
                                   144)
                           /* over the limit of 4096 bytes by 9: V_d 12345 kN was cut to 123
                           ** kN; at the limit, its CR behind it, a line is read whole */
                           + "0.9 0 0 45" + std::string(4083, ' ') + "12345 Schnee\n" + "0.9 0 0 45"
                           + std::string(4076, ' ') + "12345 Rand\r\n");
    Table fields;
    EXPECT_EQ(Import_Lkom_Ascii_With_Message("felder.txt", fields.t), 2);
    EXPECT_EQ(fields.t->groups[0].entries[1].V_d, 12345.0);
    const Lkom_Entry *comma = &fields.t->groups[0].entries[0];
    EXPECT_EQ(comma->M_d, -3.5);
    EXPECT_EQ(comma->N_d, 20.5);
    EXPECT_STREQ(comma->comment, "Komma");
    EXPECT_EQ(fields.t->groups[0].kmod, 0.9);
    const std::string box = "MESSAGE [ASCII-Import] 2 Lastkombinationen importiert. | "
                            "Zeile 1 \xC3\xBC"
                            "bersprungen: die Zeile enth\xC3\xA4lt ein Nullbyte | "
                            "Zeile 2 \xC3\xBC"
                            "bersprungen: N_d \"0x2D\" ist keine Dezimalzahl | "
                            "Zeile 4 \xC3\xBC"
                            "bersprungen: M_d \"1e3\" ist keine Dezimalzahl | "
                            "Zeile 5 \xC3\xBC"
                            "bersprungen: N_d \"2,\" ist keine Dezimalzahl | "
                            "Zeile 6 \xC3\xBC"
                            "bersprungen: kmod \"2.5\" liegt nicht im Bereich \xC3\xBC"
                            "ber 0 bis 2 | "
                            "Zeile 7 \xC3\xBC"
                            "bersprungen: au\xC3\x9F"
                            "ergew. \"2\" ist weder 0 noch 1 | "
                            "Zeile 8 \xC3\xBC"
                            "bersprungen: V_d fehlt | "
                            "Zeile 9 \xC3\xBC"
                            "bersprungen: M_d \"1.000,5\" ist keine Dezimalzahl | "
                            "Zeile 10 \xC3\xBC"
                            "bersprungen: Zeile zu lang (mehr als 4096 Bytes)";
    int shown = 0; /* the group the file opened follows */
    for (const std::string &l : ZW_Test_Log_Lines())
        shown += l.rfind(box + " | Neue Gruppe 1: ", 0) == 0;
    EXPECT_EQ(shown, 1) << box;
}

/* 3000 lines of one kmod fill its group with the first 1000; the box names the limit, the full
** group and the 2000 lines skipped in one line, says how to go on, and names a bad line after
** them by its own reason (it listed 20 lines "die Gruppe ist voll" and "... und 1981 weitere"). */
TEST(AsciiImport, AGroupOverItsLimitNamesTheLimitAndHowToGoOn)
{
    ZW_Test_Reset();
    Table tab;
    std::string text;
    for (int i = 1; i <= 3000; i++) text += "0.9 0 0 " + std::to_string(i) + " 0\n";
    Spit("voll.txt", text + "0.9 0 abc 1 2\n");
    EXPECT_EQ(Import_Lkom_Ascii_With_Message("voll.txt", tab.t), 1000);
    EXPECT_EQ(Lkom_Count_Entries(tab.t, 0), 1000);
    EXPECT_EQ(tab.t->groups[0].entries[999].N_d, 1000.0);
    const std::string box = "MESSAGE [ASCII-Import] 1000 Lastkombinationen importiert. | "
                            "Zeile 3001 \xC3\xBC"
                            "bersprungen: M_d \"abc\" ist keine Dezimalzahl | "
                            "Eine Gruppe fasst h\xC3\xB6"
                            "chstens 1000 Lastkombinationen: Gruppe 1 (k_mod = 0.90) ist voll. | "
                            "2000 Zeilen \xC3\xBC"
                            "bersprungen, weil ihre Gruppe voll ist: Zeile 1001, 1002, 1003, "
                            "1004, 1005, 1006, 1007, 1008, 1009, 1010 und 1990 weitere | "
                            "Weiter: die Datei auf die ma\xC3\x9F"
                            "gebenden Lastkombinationen k\xC3\xBCrzen, oder die \xC3\xBC"
                            "bersprungenen Zeilen in eine eigene Datei schreiben und in einer "
                            "Kopie des Bauteils importieren. | Neue Gruppe 1: ";
    int shown = 0;
    for (const std::string &l : ZW_Test_Log_Lines()) shown += l.rfind(box, 0) == 0;
    EXPECT_EQ(shown, 1) << box;
    Ascii_Import_Report r;
    Table again;
    EXPECT_EQ(Import_Lkom_Ascii("voll.txt", again.t, &r), 1000);
    EXPECT_EQ(r.bad, 2001);
    EXPECT_EQ(r.full, 2000);
    EXPECT_EQ(r.bad_lines[0], 3001);
}

/* A group that the import opens takes the load-duration class in which its kmod is what EN
** 1995-1-1, Table 3.1 gives the members in service class 1: C24 0.60 ständig, 0.80 mittel, 0.90
** kurz. Beside side members of OSB/3 (0.70 mittel, 0.90 kurz), which take their own value where
** it lies below a preset, 0.80 is the timber's "mittel" as well. 0.85 lies between mittel and kurz:
** no class has it, the kmod stays preset, and the group takes mittel, the shortest class whose
** 0.80 does not exceed it, whatever its slot (here slot 1, whose own class is lang); the box says
** so. The group opens in slot 1, before the group of slot 2, whose rows Nr. 2 and 3 become Nr. 3
** and 4 of Gruppe 3. */
TEST(AsciiImport, AGroupTheImportOpensTakesTheClassOfItsKmodAndTheBoxSaysWhatMoved)
{
    const struct {
        int mat_side, grade_side;
        const char *line;
        int kled;
        const char *group;
    } cases[] = {
        {MAT_NADELHOLZ, 5, "0.9 0 0 20 0 Wind\n", KLED_KURZ,
         "k_mod = 0.90, Klasse der Lasteinwirkungsdauer kurz (DIN EN 1995-1-1, Tab. 3.1, "
         "Nutzungsklasse 1)"},
        {MAT_NADELHOLZ, 5, "0.6 0 0 20 0 G\n", KLED_STAENDIG,
         "k_mod = 0.60, Klasse der Lasteinwirkungsdauer st\xC3\xA4ndig (DIN EN 1995-1-1, Tab. "
         "3.1, Nutzungsklasse 1)"},
        {MAT_OSB, 1, "0.8 0 0 20 0 Q\n", KLED_MITTEL,
         "k_mod = 0.80, Klasse der Lasteinwirkungsdauer mittel (DIN EN 1995-1-1, Tab. 3.1, "
         "Nutzungsklasse 1)"},
        {MAT_NADELHOLZ, 5, "0.85 0 0 20 0 ?\n", KLED_MITTEL,
         "k_mod = 0.85 bleibt vorgegeben, Klasse mittel, die k\xC3\xBCrzeste mit k_mod "
         "h\xC3\xB6"
         "chstens 0.85 (keine hat 0.85; DIN EN 1995-1-1, Tab. 3.1, Nutzungsklasse 1)"},
    };
    Reset_NAD_Record(&Nad_Record);
    Nad_Params = &Nad_Record.ec5;
    for (const auto &c : cases) {
        SCOPED_TRACE(c.line);
        Set_Splice_Input_Defaults(&Splice_Input);
        Splice_Input.mat_side = c.mat_side;
        Splice_Input.grade_side = c.grade_side;
        Table tab;
        for (int g : {0, 2}) {
            tab.t->groups[g].used = 1;
            for (int e = 0; e < (g == 0 ? 1 : 2); e++) {
                tab.t->groups[g].entries[e].used = 1;
                tab.t->groups[g].entries[e].N_d = 10.0;
            }
        }
        Spit("klasse.txt", c.line);
        ZW_Test_Reset();
        EXPECT_EQ(Import_Lkom_Ascii_With_Message("klasse.txt", tab.t), 1);
        EXPECT_EQ(tab.t->groups[1].kmod_source, 0);
        EXPECT_EQ(tab.t->groups[1].kled, c.kled);
        const std::string box = std::string("MESSAGE [ASCII-Import] 1 Lastkombinationen "
                                            "importiert. | Neue Gruppe 2: ")
                                + c.group
                                + " | Neue Nummern der Lastkombinationen, die schon da waren: | "
                                  "Gruppe 2 -> Gruppe 3: Nr. 2 bis 3 -> Nr. 3 bis 4";
        int shown = 0;
        for (const std::string &l : ZW_Test_Log_Lines()) shown += l == box;
        EXPECT_EQ(shown, 1) << box;
    }
}

TEST(LkomRows, DeleteClosesTheGapAndEmptiesTheGroup)
{
    Table tab;
    Lkom_Group *g = &tab.t->groups[2];
    g->used = 1;
    for (int e = 0; e < 3; e++) {
        g->entries[e].used = 1;
        g->entries[e].M_d = e + 1.0;
    }
    Lkom_Delete_Entry(tab.t, 2, 0);
    EXPECT_EQ(Lkom_Count_Entries(tab.t, 2), 2);
    EXPECT_EQ(g->entries[0].M_d, 2.0);
    EXPECT_EQ(g->entries[1].M_d, 3.0);
    EXPECT_EQ(g->entries[2].used, 0);
    EXPECT_EQ(Lkom_Free_Entry(tab.t, 2), 2);
    Lkom_Delete_Entry(tab.t, 2, 0);
    Lkom_Delete_Entry(tab.t, 2, 0);
    EXPECT_EQ(g->used, 0);
    Lkom_Delete_Entry(tab.t, 11, 0); /* out of range: nothing */
}

/*
** Two permanent and two variable actions, worked by hand:
**   G1 Eigengewicht    KLED 0  N_k 10            gamma 1.35 / 1.00
**   G2 ständige Lasten KLED 0  N_k 5, M_k 2      gamma 1.35 / 1.00
**   Q1 Nutzlasten      KLED 2  N_k 8             gamma 1.50, psi_0 0.7
**   Q2 Schnee          KLED 3  N_k 4, V_k 2      gamma 1.50, psi_0 0.5
** Variable patterns (Q1, Q2): -, L-, -L, LA, AL; permanent patterns UU, FU, UF, FF: 20 in all.
** Groups by the shortest class: (-,-) KLED 0 (4), (L,-) KLED 2 (4), the rest KLED 3 (12).
*/
TEST(LkomGeneration, TwoPermanentAndTwoVariableActionsGiveTheHandWorkedCombinations)
{
    Char_Action_Rec act[CHAR_ACTION_COUNT];
    memset(act, 0, sizeof act);
    Set_Action(&act[0], 0, 0, 10, 0, 1.35, 1.0, 1, 1);
    Set_Action(&act[1], 0, 2, 5, 0, 1.35, 1.0, 1, 1);
    Set_Action(&act[2], 2, 0, 8, 0, 1.5, 0.0, 1.0, 0.7);
    Set_Action(&act[3], 3, 0, 4, 2, 1.5, 0.0, 1.0, 0.5);
    Table tab;
    Lkom_Generation_Report r;
    EXPECT_EQ(Do_Generate_Lkoms(act, tab.t, &r), 20);
    EXPECT_EQ(r.duplicates, 0);
    EXPECT_EQ(r.cut, 0);
    EXPECT_EQ(Lkom_Count_Entries(tab.t, 0), 4);
    EXPECT_EQ(Lkom_Count_Entries(tab.t, 2), 4);
    EXPECT_EQ(Lkom_Count_Entries(tab.t, 3), 12);
    EXPECT_EQ(tab.t->groups[3].kled, 3);
    EXPECT_EQ(tab.t->groups[3].source, 1);
    EXPECT_EQ(tab.t->groups[3].kmod_source, 1);
    EXPECT_EQ(tab.t->groups[1].used, 0);

    /* Permanent only: UU 1.35*10 + 1.35*5 = 20.25, M 2.7; FF 15, M 2. */
    const Lkom_Entry *e = Find_N(tab.t, 0, 20.25);
    ASSERT_NE(e, nullptr);
    EXPECT_NEAR(e->M_d, 2.7, 1e-12);
    EXPECT_EQ(e->V_d, 0.0);
    EXPECT_EQ(e->actions[0], 0);
    EXPECT_EQ(e->actions[1], 1);
    EXPECT_EQ(e->actions[2], -1);
    EXPECT_EQ(e->factors[0][0], 1.35);
    EXPECT_EQ(e->factors[0][1], 1.0);
    EXPECT_EQ(e->kled, 0);
    EXPECT_NE(Find_N(tab.t, 0, 15.0), nullptr);
    /* UF: 13.5 + 5 = 18.5 (M 2.0); FU: 10 + 6.75 = 16.75 (M 2.7). */
    e = Find_N(tab.t, 0, 18.5);
    ASSERT_NE(e, nullptr);
    EXPECT_NEAR(e->M_d, 2.0, 1e-12);
    e = Find_N(tab.t, 0, 16.75);
    ASSERT_NE(e, nullptr);
    EXPECT_NEAR(e->M_d, 2.7, 1e-12);

    /* UU + Q1 leading: 20.25 + 12 = 32.25, KLED 2. */
    e = Find_N(tab.t, 2, 32.25);
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->actions[2], 2);
    EXPECT_EQ(e->factors[2][0], 1.5);
    EXPECT_EQ(e->factors[2][1], 1.0);
    /* UU + Q2 leading: 20.25 + 6 = 26.25, V 3.0, KLED 3. */
    e = Find_N(tab.t, 3, 26.25);
    ASSERT_NE(e, nullptr);
    EXPECT_NEAR(e->V_d, 3.0, 1e-12);
    /* UU + Q1 leading + Q2 accompanying: 20.25 + 12 + 1.5*0.5*4 = 35.25, V 1.5. */
    e = Find_N(tab.t, 3, 35.25);
    ASSERT_NE(e, nullptr);
    EXPECT_NEAR(e->V_d, 1.5, 1e-12);
    EXPECT_EQ(e->actions[3], 3);
    EXPECT_EQ(e->factors[3][1], 0.5);
    EXPECT_EQ(e->kled, 3);
    /* UU + Q1 accompanying + Q2 leading: 20.25 + 1.5*0.7*8 + 6 = 34.65, V 3. */
    e = Find_N(tab.t, 3, 34.65);
    ASSERT_NE(e, nullptr);
    EXPECT_NEAR(e->V_d, 3.0, 1e-12);
    /* FF + Q1 accompanying + Q2 leading: 15 + 8.4 + 6 = 29.4. */
    EXPECT_NE(Find_N(tab.t, 3, 29.4), nullptr);
    /* No accidental combination without the earthquake. */
    for (int g = 0; g < LKOM_GROUPS; g++)
        for (int k = 0; k < LKOM_ENTRIES; k++) EXPECT_EQ(tab.t->groups[g].entries[k].accidental, 0);
}

TEST(LkomGeneration, DuplicatesAreDroppedAndTheEarthquakeIsAccidental)
{
    Char_Action_Rec act[CHAR_ACTION_COUNT];
    memset(act, 0, sizeof act);
    Set_Action(&act[0], 0, 0, 10, 0, 1.35, 1.0, 1, 1);
    /* A permanent action of equal factors: favourable and unfavourable give equal combinations. */
    Set_Action(&act[1], 0, 0, 5, 0, 1.0, 1.0, 1, 1);
    Set_Action(&act[5], 4, 0, 0, 20, 1.0, 0.0, 1.0, 1.0);
    Table tab;
    Lkom_Generation_Report r;
    /* Fundamental: G1 U/F x G2 U/F = 4, of which 2 repeat; seismic: +A_Ed and -A_Ed. */
    EXPECT_EQ(Do_Generate_Lkoms(act, tab.t, &r), 4);
    EXPECT_EQ(r.duplicates, 2);
    EXPECT_EQ(Lkom_Count_Entries(tab.t, 0), 2);
    EXPECT_NE(Find_N(tab.t, 0, 13.5 + 5.0), nullptr);
    EXPECT_NE(Find_N(tab.t, 0, 10.0 + 5.0), nullptr);
    /* G1 + G2 +/- A_Ed with factor 1: N 15, V 20 and -20, in the group of the earthquake's
    ** class 4. */
    ASSERT_EQ(Lkom_Count_Entries(tab.t, 4), 2);
    const Lkom_Entry *e = Find_N(tab.t, 4, 15.0, 1);
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->V_d, 20.0);
    EXPECT_EQ(e->actions[2], 5);
    EXPECT_EQ(tab.t->groups[4].entries[1].V_d, -20.0);

    /* Nothing used: no combinations, the old ones are gone. */
    memset(act, 0, sizeof act);
    EXPECT_EQ(Do_Generate_Lkoms(act, tab.t, &r), 0);
    for (int g = 0; g < LKOM_GROUPS; g++) EXPECT_EQ(tab.t->groups[g].used, 0);
}

/*
** An action switched on with M_k, N_k and V_k all zero takes no part (worked by hand):
**   G  Eigengewicht  KLED 0  N_k 10  gamma 1.35 / 1.00
**   Q  Nutzlasten    KLED 2  N_k 8   gamma 1.50, psi_0 0.7
**   W  Wind          KLED 3  all zero, gamma 1.50, psi_0 0.6 (switched on)
**   E  Erdbeben      KLED 4  all zero (switched on)
** G alone: 1.35*10 = 13.5 and 10 (group 0); Q leading: 13.5 + 12 = 25.5 and 22 (group 2): 4 in
** all. With W and E taken part, W leading with Q accompanying would add 13.5 + 1.5*0.7*8 = 21.9
** and 10 + 8.4 = 18.4 to group 3 (kmod of "kurz" on the loads of G and Q), and E the accidental
** combinations G + 0 (+ psi_2,E Q) to group 4.
*/
TEST(LkomGeneration, AnActionSwitchedOnWithoutLoadsAddsNoCombination)
{
    Char_Action_Rec act[CHAR_ACTION_COUNT];
    memset(act, 0, sizeof act);
    Set_Action(&act[CHAR_ACTION_DEAD], 0, 0, 10, 0, 1.35, 1.0, 1, 1);
    Set_Action(&act[CHAR_ACTION_IMPOSED], 2, 0, 8, 0, 1.5, 0.0, 1.0, 0.7);
    Set_Action(&act[CHAR_ACTION_WIND], 3, 0, 0, 0, 1.5, 0.0, 1.0, 0.6);
    Set_Action(&act[CHAR_ACTION_QUAKE], 4, 0, 0, 0, 1.0, 1.0, 1.0, 1.0);
    act[CHAR_ACTION_IMPOSED].psi_2E = 0.3;
    Table tab;
    Lkom_Generation_Report r;
    EXPECT_EQ(Do_Generate_Lkoms(act, tab.t, &r), 4);
    EXPECT_EQ(Lkom_Count_Entries(tab.t, 0), 2);
    EXPECT_EQ(Lkom_Count_Entries(tab.t, 2), 2);
    EXPECT_NE(Find_N(tab.t, 0, 13.5), nullptr);
    EXPECT_NE(Find_N(tab.t, 0, 10.0), nullptr);
    EXPECT_NE(Find_N(tab.t, 2, 25.5), nullptr);
    EXPECT_NE(Find_N(tab.t, 2, 22.0), nullptr);
    EXPECT_EQ(tab.t->groups[3].used, 0);
    EXPECT_EQ(tab.t->groups[4].used, 0);

    /* a load on the wind brings its combinations: W leading 13.5 + 1.5*2 = 16.5 in group 3 */
    act[CHAR_ACTION_WIND].N_k = 2.0;
    Do_Generate_Lkoms(act, tab.t, &r);
    EXPECT_NE(Find_N(tab.t, 3, 16.5), nullptr);
}

/* A new splice's action rows start with the class the German annex gives each action: wind
** short-term, the earthquake (accidental) instantaneous, the rest permanent. */
TEST(LkomGeneration, NewActionRowsStartWithTheClassOfTheAnnex)
{
    Splice_Input_Record *s = (Splice_Input_Record *)calloc(1, sizeof(Splice_Input_Record));
    Set_Splice_Input_Defaults(s);
    const int32_t want[CHAR_ACTION_COUNT] = {0, 0, 0, 0, 3, 4}; /* ständig .. kurz, sehr kurz */
    for (int i = 0; i < CHAR_ACTION_COUNT; i++) {
        EXPECT_EQ(s->Char_Actions[i].kled, want[i]) << i;
        EXPECT_EQ(s->Char_Actions[i].used, 0) << i;
    }
    Set_Splice_Input_Defaults(s); /* releases the remarks */
    free(s);
}

/*
** The factors of the annex "Deutschland" (DIN EN 1990/NA), worked by hand:
**   G  Eigengewicht  KLED 0  N_k 20   gamma 1.35
**   Q  Nutzlasten    KLED 2  N_k 15   gamma 1.5; psi_0 0.7 (A, B) or 1.0 (E); psi_2,E 0.3 or 0.8
**   S  Schnee        KLED 3  N_k 10   gamma 1.5; psi_0 0.5; psi_2,E 0.5 (psi_2 only 0)
**   E  Erdbeben      KLED 4  N_k 5    A_Ed = 1.0 * 5
** Fundamental, S leading, Q accompanying (EN 1990 eq. (6.10)), group 3:
**   A, B: 1.35*20 + 1.5*10 + 1.5*0.7*15 = 27 + 15 + 15.75 = 57.75
**   E:    27 + 15 + 1.5*1.0*15 = 64.5
** Seismic (EN 1990 eq. (6.12b)), G + A_Ed + psi_2,E Q + psi_2,E S, group 4:
**   A, B: 25, 25 + 0.3*15 = 29.5, 25 + 0.5*10 = 30.0, 25 + 4.5 + 5 = 34.5
**   E:    25, 25 + 0.8*15 = 37.0, 30.0, 25 + 12 + 5 = 42.0
** and the same with -A_Ed, the seismic action effect having both signs (EN 1998-1, 4.3.3.5):
**   A, B: 20 - 5 = 15, 15 + 4.5 = 19.5, 15 + 5 = 20.0, 15 + 4.5 + 5 = 24.5
**   E:    15, 15 + 12 = 27.0, 20.0, 15 + 12 + 5 = 32.0
*/
TEST(LkomGeneration, TheSeismicCombinationTakesPsi2OfTheSeismicSituationAndTheImposedCategory)
{
    Set_Active_NAD(NAD_NAME_GERMANY);
    ASSERT_STREQ(Get_Active_NAD_Name(), NAD_NAME_GERMANY);
    const struct {
        int32_t category;
        double fundamental;
        double seismic[8];
    } rows[] = {
        {IMPOSED_CAT_AB, 57.75, {25.0, 29.5, 30.0, 34.5, 15.0, 19.5, 20.0, 24.5}},
        {IMPOSED_CAT_E, 64.5, {25.0, 37.0, 30.0, 42.0, 15.0, 27.0, 20.0, 32.0}},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.category);
        Char_Action_Rec act[CHAR_ACTION_COUNT];
        memset(act, 0, sizeof act);
        const int kled[CHAR_ACTION_COUNT] = {0, 0, 2, 3, 0, 4};
        const double N[CHAR_ACTION_COUNT] = {20, 0, 15, 10, 0, 5};
        for (int i : {0, 2, 3, 5}) {
            act[i].used = 1;
            act[i].kled = kled[i];
            act[i].N_k = N[i];
        }
        ASSERT_EQ(Init_Char_Actions(act, 0, row.category), 1);
        Table tab;
        Lkom_Generation_Report r;
        Do_Generate_Lkoms(act, tab.t, &r);
        EXPECT_NE(Find_N(tab.t, 3, row.fundamental), nullptr);
        ASSERT_EQ(Lkom_Count_Entries(tab.t, 4), 8);
        for (double n : row.seismic) EXPECT_NE(Find_N(tab.t, 4, n, 1), nullptr) << n;
        const Lkom_Entry *e = Find_N(tab.t, 4, row.seismic[3], 1);
        ASSERT_NE(e, nullptr);
        EXPECT_EQ(e->factors[3][0], 1.0);
        EXPECT_EQ(e->factors[3][1], 0.5); /* snow's psi_2,E */
        const Lkom_Entry *minus = Find_N(tab.t, 4, row.seismic[7], 1);
        ASSERT_NE(minus, nullptr);
        EXPECT_EQ(minus->factors[1][1], -1.0); /* -A_Ed */
        EXPECT_EQ(std::string(minus->comment).rfind("1.00*LF1 - 1.00*LF6 + ", 0), 0u)
            << minus->comment;
    }
}

TEST(LkomGeneration, ActionNamesFollowTheSnowFlag)
{
    EXPECT_STREQ(Char_Action_Name(0, 0), "Eigengewicht");
    EXPECT_STREQ(Char_Action_Name(3, 0), "Schnee");
    EXPECT_STREQ(Char_Action_Name(3, 1), "Schnee NN>1000m");
    EXPECT_STREQ(Char_Action_Name(5, 1), "Erdbeben");
    EXPECT_STREQ(Char_Action_Name(6, 0), "");
}
