/*
** Tests of the numbers of the component's input file (read as the C library reads them, whole
** numbers with a fraction as damage) and of its annex line and annex section.
*/
#include "input_file_test_util.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>
#include <sys/stat.h>
#include <unistd.h>

#include "foundation/codepage.h"
#include "nad/nad.h"
#include "splice/splice_app.h"

/* The combination line of group 0, entry e with M_d, kled and the first action given as words. */
static std::string Entry_Line(int e, const std::string &M_d, const std::string &kled = "-1",
                              const std::string &action = "-1")
{
    return "ENTRY 0 " + std::to_string(e) + " 1 0 " + M_d + " 2 3 0 0 0 0 " + kled + " " + action
           + " -1 -1 -1 -1 -1 0 0 0 0 0 0 0 0 0 0 0 0\n";
}

/* Every word is read as strtod and strtoll read it, whichever way the reader takes: words of
** digits alone, decimal numbers, and what only the C library reads (a plus sign). A word the C
** library does not read whole is refused, and so are hexadecimal (the program writes decimal
** numbers only) and a value beyond a double's range (1e-400 is not 0). */
TEST_F(InputFile, NumbersAreReadAsTheCLibraryReadsThem)
{
    std::vector<std::string> words = {"0",
                                      "-0",
                                      "7",
                                      "-12",
                                      "000123",
                                      "999999999",
                                      "1000000001",
                                      "123456789012345",
                                      "1234567890123456",
                                      "0.1",
                                      "-2.5e-3",
                                      "10.382870965732065",
                                      "1.1000000000000001",
                                      ".5",
                                      "5.",
                                      "1e5",
                                      "1E+5",
                                      "+5",
                                      "0x10",
                                      "-0x1p-2",
                                      "1e-400",
                                      "1e400",
                                      "inf",
                                      "nan",
                                      "12abc",
                                      "1e",
                                      "-",
                                      "+",
                                      "0.000000000000000000001",
                                      "2.2250738585072011e-308",
                                      "4.9406564584124654e-324",
                                      "9007199254740993",
                                      "0.30000000000000004441"};
    /* decimal words of random digits, points and exponents */
    uint32_t seed = 77u;
    auto next = [&seed]() {
        seed = seed * 1103515245u + 12345u;
        return (seed >> 8) & 0xFFFFu;
    };
    for (int k = 0; k < 400; k++) {
        std::string w = next() % 3 == 0 ? "-" : "";
        const int digits = 1 + (int)(next() % 22);
        const int point = (int)(next() % (digits + 2));
        for (int i = 0; i < digits; i++) {
            if (i == point) w += '.';
            w += (char)('0' + next() % 10);
        }
        if (next() % 4 == 0) w += "e" + std::to_string((int)(next() % 40) - 20);
        words.push_back(w);
    }
    for (const std::string &w : words) {
        Rec r;
        Spit("number.inp", "SPLICE 200\n" + Entry_Line(5, w) + "END\n");
        Read_Splice_Input_File("number.inp", r.p, 0);
        char *end = nullptr;
        errno = 0;
        const double x = strtod(w.c_str(), &end);
        const bool taken = *end == '\0' && std::isfinite(x) && std::fabs(x) <= 1e9
                           && w.find('x') == std::string::npos && !(errno == ERANGE && x == 0.0);
        const Lkom_Entry *en = &r->lkom.groups[0].entries[5];
        ASSERT_EQ(en->used, taken ? 1 : 0) << w;
        if (taken) {
            EXPECT_EQ(memcmp(&en->M_d, &x, sizeof x), 0) << w; /* bit for bit, -0 included */
            EXPECT_EQ(en->V_d, 3.0);
        }
    }
    /* whole numbers: strtoll's reading, the field's limits */
    const struct {
        const char *kled, *action;
        int taken, kled_value, action_value;
    } ints[] = {
        // clang-format off
        {"3", "5", 1, 3, 5},    {"+3", "005", 1, 3, 5}, {"-1", "-0", 1, -1, 0},
        {"8", "0", 0, 0, 0},    {"3", "6", 0, 0, 0},    {"3.0", "1", 0, 0, 0},
        {"0x3", "1", 0, 0, 0},  {"99999999999999999999", "1", 0, 0, 0}, {"-2", "1", 0, 0, 0},
        // clang-format on
    };
    for (const auto &c : ints) {
        Rec r;
        Spit("whole.inp", "SPLICE 200\n" + Entry_Line(2, "1", c.kled, c.action) + "END\n");
        Read_Splice_Input_File("whole.inp", r.p, 0);
        const Lkom_Entry *en = &r->lkom.groups[0].entries[2];
        ASSERT_EQ(en->used, c.taken) << c.kled << " " << c.action;
        if (c.taken) {
            EXPECT_EQ(en->kled, c.kled_value);
            EXPECT_EQ(en->actions[0], c.action_value);
        }
    }
}

/* The kinds of the words of each record as docs/input-file.md gives them, after the key and its
** numbers: 'i' a whole number (an integer or a count), 'd' a real number, 't' a text. */
static std::string Record_Kinds(const std::string &key)
{
    const std::string d7(7, 'd'), d8(8, 'd'), d10(10, 'd'), d12(12, 'd');
    if (key == "SYSTEM") return "iiiiiiiiidddddii";
    if (key == "PLATES") return "iddiid";
    if (key == "FASTENER") return "ii" + d10 + "iiii" + d12;
    if (key == "OPTIONS") return std::string(22, 'i');
    if (key == "SPACINGS") return "ddddiiiidi" + d8;
    if (key == "GAMMAS") return "dddddd";
    if (key == "LAYOUT") return "iiiii"; /* the type, columns, rows, arrangement, grouping */
    if (key == "SIZE") return "ii" + std::string(5, 'd'); /* the type, row, d .. d_k */
    if (key == "CATALOGUES") return std::string(16, 'i');
    if (key == "COMBINATIONS") return "ii";
    if (key == "IMPOSED") return "i";
    if (key == "GROUP") return "iiiiid"; /* the group's number first */
    if (key == "ENTRY") return "iiii" + d7 + "iiiiiii" + d12 + "t";
    if (key == "ACTION") return "iiidddiddddt";
    if (key == "PRINT") return "iii" + std::string(6, 'd');
    if (key == "REMARKS") return "it";
    return "";
}

/* A whole number with a fraction is damage on its line, in every record: a count too (7.9
** columns were designed as 7 without a word). The line's record keeps its values. */
TEST_F(InputFile, EveryWholeNumberWithAFractionIsDamageOnItsLine)
{
    Rec a;
    Fill(a.p);
    char *buf = nullptr;
    size_t size = 0;
    FILE *out = open_memstream(&buf, &size);
    ASSERT_EQ(Write_Splice_Input_Stream(out, a.p), 1);
    fclose(out);
    const std::string text(buf, size);
    free(buf);
    std::vector<std::string> lines;
    for (size_t at = 0, nl; (nl = text.find('\n', at)) != std::string::npos; at = nl + 1)
        lines.push_back(text.substr(at, nl - at));
    int mutated = 0, counts = 0;
    for (size_t l = 1; l < lines.size(); l++) {
        std::vector<std::string> w;
        std::istringstream in(lines[l]);
        for (std::string x; in >> x;) w.push_back(x);
        const std::string kinds = Record_Kinds(w[0]);
        if (w[0] == "END") continue;
        ASSERT_FALSE(kinds.empty()) << lines[l];
        ASSERT_GE(kinds.size() + 1, w.size()) << lines[l];
        for (size_t k = 1; k < w.size(); k++) {
            if (kinds[k - 1] != 'i') continue;
            std::string line = w[0];
            for (size_t j = 1; j < w.size(); j++) line += " " + w[j] + (j == k ? ".5" : "");
            std::vector<std::string> copy = lines;
            copy[l] = line;
            std::string damaged;
            for (const std::string &c : copy) damaged += c + "\n";
            FILE *f = fmemopen(&damaged[0], damaged.size(), "rb");
            Rec r;
            Inp_Read_Report rep;
            EXPECT_EQ(Read_Splice_Input_Stream(f, r.p, &rep), 0) << line;
            fclose(f);
            EXPECT_EQ(rep.damaged, 1) << line;
            EXPECT_EQ(rep.first_bad_line, (int)l + 1) << line;
            mutated++;
            if (w[0] == "LAYOUT" && (k == 2 || k == 3)) {
                /* the record keeps the defaults of the new splice */
                const int slot = VBM_TYPE_SLOT(atoi(w[1].c_str()));
                Rec defaults;
                EXPECT_EQ(r->n_col[slot], defaults->n_col[slot]) << line;
                EXPECT_EQ(r->n_row[slot], defaults->n_row[slot]) << line;
                EXPECT_STREQ(rep.reason, "eine Anzahl ist keine ganze Zahl");
                counts++;
            }
        }
    }
    EXPECT_GT(mutated, 400);
    EXPECT_EQ(counts, 2 * (VBM_TYPE_LAST - VBM_TYPE_FIRST + 1));

    /* what the engineer sees; a whole count written otherwise is taken */
    const struct {
        const char *layout, *plates;
        const char *box; /* the damaged line of the box, null for none */
        double n_col, n_row, plate_count;
    } cases[] = {
        {"LAYOUT 0 7.9 5 0 0", "PLATES 2 0.8 18 5 0 0",
         "(Zeile 2: eine Anzahl ist keine ganze Zahl).", 4.0, 3.0, 2.0},
        {"LAYOUT 0 8 4.5 0 0", "PLATES 2 0.8 18 5 0 0",
         "(Zeile 2: eine Anzahl ist keine ganze Zahl).", 4.0, 3.0, 2.0},
        {"LAYOUT 0 8 5 0 0", "PLATES 2.5 0.8 18 5 0 0",
         "(Zeile 3: eine Anzahl ist keine ganze Zahl).", 8.0, 5.0, 2.0},
        {"LAYOUT 0 8.0 5e0 0 0", "PLATES 3 0.8 18 5 0 0", nullptr, 8.0, 5.0, 3.0},
        /* digits beyond a double's precision: the word reads as 9, 6 and 3, the text is not whole */
        {"LAYOUT 0 8.9999999999999999999 5 0 0", "PLATES 2 0.8 18 5 0 0",
         "(Zeile 2: eine Anzahl ist keine ganze Zahl).", 4.0, 3.0, 2.0},
        {"LAYOUT 0 8 5.9999999999999999999 0 0", "PLATES 2 0.8 18 5 0 0",
         "(Zeile 2: eine Anzahl ist keine ganze Zahl).", 4.0, 3.0, 2.0},
        {"LAYOUT 0 8 5 0 0", "PLATES 2.9999999999999999999 0.8 18 5 0 0",
         "(Zeile 3: eine Anzahl ist keine ganze Zahl).", 8.0, 5.0, 2.0},
        {"LAYOUT 0 8 5 0 0", "PLATES 3.0000000000000000001 0.8 18 5 0 0",
         "(Zeile 3: eine Anzahl ist keine ganze Zahl).", 8.0, 5.0, 2.0},
        /* hexadecimal is no number of this file; a plus sign is harmless */
        {"LAYOUT 0 0x8 5 0 0", "PLATES 3 0.8 18 5 0 0",
         "(Zeile 2: ein Wert ist keine Zahl oder liegt au\xC3\x9F"
         "erhalb seiner Grenzen).",
         4.0, 3.0, 3.0},
        {"LAYOUT 0 +8 5.000 0 0", "PLATES +3 0.8 18 5 0 0", nullptr, 8.0, 5.0, 3.0},
    };
    for (const auto &c : cases) {
        ZW_Test_Clear_Log();
        Spit("count_01.inp", std::string("SPLICE 201\n") + c.layout + "\n" + c.plates + "\nEND\n");
        Rec r;
        ASSERT_EQ(Read_Splice_Input_File("count_01.inp", r.p, 0), 1);
        EXPECT_EQ(Count_Log("MESSAGE"), c.box ? 1 : 0) << c.layout;
        if (c.box) { EXPECT_EQ(Count_Log(c.box), 1) << c.layout; }
        EXPECT_EQ(r->n_col[VBM_TYPE_SLOT(0)], c.n_col) << c.layout;
        EXPECT_EQ(r->n_row[VBM_TYPE_SLOT(0)], c.n_row) << c.layout;
        EXPECT_EQ(r->plate_count, c.plate_count) << c.layout;
    }
}

/* The annex section is the line after the first line that begins with "ACTIV_NADNAME", wherever
** it stands: behind the end record (as written), before it (the records stop there), or after
** a line that only begins so; a stream read by the records stands just after the last line read. */
TEST_F(InputFile, TheAnnexLineIsTheFirstLineThatBeginsWithItsKeyword)
{
    const std::string standard = "\xAE"
                                 "EC-Standardparameter\xAF\n",
                      germany = "\xAE"
                                "Deutschland\xAF\n";
    struct Case {
        std::string text;
        const char *annex;
        double t_p;
        const char *hint; /* the box of a file that names no annex, else null */
    };
    const Case cases[] = {
        // clang-format off
        {"SPLICE 200\nPLATES 3 0.8 18 5 0 0\nEND\n\n\nACTIV_NADNAME\n" + standard, "EC-Standardparameter", 0.8},
        /* the file ends after END: the design takes "Deutschland", which the file did not name */
        {"SPLICE 200\nPLATES 3 0.8 18 5 0 0\nEND\n", "Deutschland", 0.8,
         "MESSAGE [Hinweis] Die Eingabedatei annex_01.inp nennt kein Anwendungsdokument | (hinter "
         "END fehlt der Abschnitt ACTIV_NADNAME). | Bemessen wird mit \"Deutschland\"; Speichern "
         "schreibt diesen Namen in die Datei."},
        {"SPLICE 200\nACTIV_NADNAME\n" + standard + "PLATES 3 0.8 18 5 0 0\nEND\n", "EC-Standardparameter", -1.0},
        {"SPLICE 200\nPLATES 3 0.8 18 5 0 0\nEND\n\n\nACTIV_NADNAME\n" + germany, "Deutschland", 0.8},
        /* an empty name names no annex either */
        {"SPLICE 200\nPLATES 3 0.8 18 5 0 0\nEND\n\n\nACTIV_NADNAME\n\xAE\xAF\n", "Deutschland", 0.8,
         "nennt kein Anwendungsdokument | (hinter ACTIV_NADNAME steht der leere Name \xC2\xAB\xC2\xBB). | "
         "Bemessen wird mit \"Deutschland\""},
        // clang-format on
        {"SPLICE 200\nACTIV_NADNAMES\n" + standard + "PLATES 3 0.8 18 5 0 0\nEND\n\nACTIV_NADNAME\n"
             + germany,
         "EC-Standardparameter", 0.8},
        {"SPLICE 200\nPLATES 3 0.8 18 5 0 0\nEND\nACTIV_NADNAME\r\n" + standard,
         "EC-Standardparameter", 0.8},
        /* a file of which nothing is read, its keyword line doubled: the marked name behind it */
        {"Keine Eingabedatei, sondern eine Notiz, deren erste Zeile mehr als 64 Zeichen "
         "lang ist\nACTIV_NADNAME\nACTIV_NADNAME\n"
             + standard,
         "EC-Standardparameter", -1.0},
    };
    Rec defaults;
    for (const Case &c : cases) {
        Rec r;
        Spit("annex_01.inp", c.text);
        ZW_Test_Clear_Log();
        ASSERT_EQ(Read_Splice_Input_File("annex_01.inp", r.p, 1), 1);
        EXPECT_STREQ(Get_Active_NAD_Name(), c.annex) << c.text;
        EXPECT_EQ(Count_Log("nennt kein"), c.hint ? 1 : 0) << c.text;
        if (c.hint) { EXPECT_EQ(Count_Log(c.hint), 1) << c.text; }
        EXPECT_EQ(r->t_p, c.t_p < 0.0 ? defaults->t_p : c.t_p) << c.text;
    }
    /* the stream after the records: the line after the end record, in a file of many blocks */
    std::string text = "SPLICE 200\n";
    for (int e = 0; e < 900; e++) text += Entry_Line(e, std::to_string(e) + ".25");
    text += "END\nnext line\n";
    Spit("long.inp", text);
    FILE *f = fopen("long.inp", "rb");
    ASSERT_NE(f, nullptr);
    Rec r;
    Inp_Read_Report rep;
    EXPECT_EQ(Read_Splice_Input_Stream(f, r.p, &rep), 1);
    char line[32] = "";
    ASSERT_NE(fgets(line, sizeof line, f), nullptr);
    fclose(f);
    EXPECT_STREQ(line, "next line\n");
    EXPECT_EQ(rep.records, 900);
    EXPECT_EQ(r->lkom.groups[0].entries[899].M_d, 899.25);
}

/* A damaged annex section is reported in the box of the damaged lines, with its line; a name
** that can be read is kept (the keyword changed or gone, a mark lost on a whole line), and a name
** that is lost (the file ends behind the keyword or inside the name, a name no annex can carry)
** is never replaced by "Deutschland" in a save until the user chooses. */
TEST_F(InputFile, ADamagedAnnexSectionIsReportedAndItsNameKept)
{
    /* «Österreich» as a user annex below DRAM (code page 850: Ö 0x99) */
    const std::string austria = "\xAE\x99sterreich\xAF";
    mkdir("dram", 0755);
    mkdir("dram/NADS", 0755);
    /* whole: the sections of the German annex file, under its own name */
    std::string annex =
        Slurp((std::string(SPLICE_SOURCE_DIR) + "/environment/data/NAD/Deutschland.NAD").c_str());
    annex.replace(annex.find(" 18 \xAE"
                             "Deutschland\xAF"),
                  17, " 20 " + austria);
    Spit("dram/NADS/1.NAD", annex);
    char cwd[4096];
    ASSERT_NE(getcwd(cwd, sizeof cwd), nullptr);
    setenv("DRAM", (std::string(cwd) + "/dram").c_str(), 1);
    Clear_NAD_State();
    const std::string head = "SPLICE 201\nPLATES 3 0.8 18 5 0 0\nEND\n\n\n"; /* lines 1..5 */
    struct Case {
        std::string tail;
        const char *annex; /* active after the read */
        const char *box;   /* the damaged line of the box, null for none */
        const char *more;  /* what the box says of the annex */
        const char *saved; /* the section a save writes behind the keyword's line */
    };
    const Case cases[] = {
        {"ACTIV_NADNAME\n" + austria + "\n", "\xC3\x96sterreich", nullptr, nullptr,
         "\xAE\x99sterreich\xAF\n"},
        /* one byte of the keyword changed: the name of the next line is kept */
        {"ACTIV_NADNAMF\n" + austria + "\n", "\xC3\x96sterreich",
         "(Zeile 6: das Kennwort ACTIV_NADNAME ist besch\xC3\xA4"
         "digt).",
         "Es gilt das Anwendungsdokument \"\xC3\x96sterreich\" aus Zeile 7.",
         "\xAE\x99sterreich\xAF\n"},
        {"ACTIV_NXDNAME\r\n\r\n" + austria + "\r\n", "\xC3\x96sterreich",
         "(Zeile 6: das Kennwort ACTIV_NADNAME ist besch\xC3\xA4"
         "digt).",
         "aus Zeile 8.", "\xAE\x99sterreich\xAF\n"},
        /* the keyword's line gone */
        {austria + "\n", "\xC3\x96sterreich", "(Zeile 6: das Kennwort ACTIV_NADNAME fehlt).",
         "aus Zeile 6.", "\xAE\x99sterreich\xAF\n"},
        /* the file ends behind the keyword: the name is lost, and so stays in a save */
        {"ACTIV_NADNAME\n", "Deutschland", "(Zeile 7: der Name des Anwendungsdokuments fehlt).",
         "Bemessen wird mit \"Deutschland\"; gespeichert wird ohne Namen,", ""},
        {"ACTIV_NADNAME", "Deutschland", "(Zeile 7: der Name des Anwendungsdokuments fehlt).",
         "bis ein Anwendungsdokument gew\xC3\xA4hlt ist", ""},
        {"ACTIV_NADNAMF\n\n", "Deutschland",
         "(Zeile 6: das Kennwort ACTIV_NADNAME ist besch\xC3\xA4"
         "digt).",
         "(Men\xC3\xBC \"nationaler Anhang zum EC\").", ""},
        /* the file cut inside the keyword's line, or inside the name: the name is lost */
        {"A", "Deutschland",
         "(Zeile 6: das Kennwort ACTIV_NADNAME ist besch\xC3\xA4"
         "digt).",
         "Bemessen wird mit \"Deutschland\"; gespeichert wird ohne Namen,", ""},
        {"ACTIV_NAD", "Deutschland",
         "(Zeile 6: das Kennwort ACTIV_NADNAME ist besch\xC3\xA4"
         "digt).",
         "Bemessen wird mit \"Deutschland\"; gespeichert wird ohne Namen,", ""},
        {"ACTIV_NADNAME\n\xAE", "Deutschland",
         "(Zeile 7: der Name des Anwendungsdokuments ist abgeschnitten).",
         "Bemessen wird mit \"Deutschland\"; gespeichert wird ohne Namen,", ""},
        {"ACTIV_NADNAME\n\xAE\x99sterr", "Deutschland",
         "(Zeile 7: der Name des Anwendungsdokuments ist abgeschnitten).",
         "Bemessen wird mit \"Deutschland\"; gespeichert wird ohne Namen,", ""},
        /* a name that cannot be an annex's: a control byte in it, longer than 99 characters */
        {"ACTIV_NADNAME\n\xAE\x99ster" + std::string(1, '\0') + "reich\xAF\n", "Deutschland",
         "(Zeile 7: der Name des Anwendungsdokuments enth\xC3\xA4lt ein Steuerzeichen).",
         "Bemessen wird mit \"Deutschland\"; gespeichert wird ohne Namen,", ""},
        {"ACTIV_NADNAME\n\xAE" + std::string(5000, 'x') + "\xAF\n", "Deutschland",
         "(Zeile 7: der Name des Anwendungsdokuments ist l\xC3\xA4nger als 99 Zeichen).",
         "Bemessen wird mit \"Deutschland\"; gespeichert wird ohne Namen,", ""},
        /* a mark lost on a whole line, the name without marks or on the keyword's line: kept */
        {"ACTIV_NADNAME\n\xAE\x99sterreich\n", "\xC3\x96sterreich",
         "(Zeile 7: hinter dem Namen fehlt \xC2\xBB).",
         "Es gilt das Anwendungsdokument \"\xC3\x96sterreich\" aus Zeile 7.",
         "\xAE\x99sterreich\xAF\n"},
        {"ACTIV_NADNAME\n\xC2\xAB\xC3\x96sterreich \r\n", "\xC3\x96sterreich",
         "(Zeile 7: hinter dem Namen fehlt \xC2\xBB).", "aus Zeile 7.", "\xAE\x99sterreich\xAF\n"},
        {"ACTIV_NADNAME\n\x99sterreich\xAF", "\xC3\x96sterreich",
         "(Zeile 7: vor dem Namen fehlt \xC2\xAB).", "aus Zeile 7.", "\xAE\x99sterreich\xAF\n"},
        {"ACTIV_NADNAME\n\x99sterreich\n", "\xC3\x96sterreich",
         "(Zeile 7: der Name steht nicht zwischen \xC2\xAB und \xC2\xBB).", "aus Zeile 7.",
         "\xAE\x99sterreich\xAF\n"},
        {"ACTIV_NADNAME " + austria, "\xC3\x96sterreich",
         "(Zeile 6: der Name steht in der Zeile des Kennworts).", "aus Zeile 6.",
         "\xAE\x99sterreich\xAF\n"},
        /* the keyword doubled: the marked name behind it is kept, not the keyword's line */
        {"ACTIV_NADNAME\nACTIV_NADNAME\n" + austria + "\n", "\xC3\x96sterreich",
         "(Zeile 7: das Kennwort ACTIV_NADNAME steht zweimal).",
         "Es gilt das Anwendungsdokument \"\xC3\x96sterreich\" aus Zeile 8.",
         "\xAE\x99sterreich\xAF\n"},
        {"ACTIV_NADNAME\r\n\r\nACTIV_NADNAME\r\n" + austria + "\r\n", "\xC3\x96sterreich",
         "(Zeile 8: das Kennwort ACTIV_NADNAME steht zweimal).", "aus Zeile 9.",
         "\xAE\x99sterreich\xAF\n"},
        /* more behind the name: told, the first name kept; blank lines and comments may stand */
        {"ACTIV_NADNAME\n" + austria + "xyz\n", "\xC3\x96sterreich",
         "(Zeile 7: hinter dem Namen steht noch etwas).", "aus Zeile 7.",
         "\xAE\x99sterreich\xAF\n"},
        {"ACTIV_NADNAME\n" + austria + "\xAE" + "Deutschland\xAF\n", "\xC3\x96sterreich",
         "(Zeile 7: hinter dem Namen steht noch etwas).", "aus Zeile 7.",
         "\xAE\x99sterreich\xAF\n"},
        {"ACTIV_NADNAME\n" + austria + "\nGARBAGE\n", "\xC3\x96sterreich",
         "(Zeile 8: unbekannte Zeile hinter END).", "aus Zeile 7.", "\xAE\x99sterreich\xAF\n"},
        {"ACTIV_NADNAME\n" + austria + "\n\n\nACTIV_NADNAME\n\xAE" + "Deutschland\xAF\n",
         "\xC3\x96sterreich", "(Zeile 10: unbekannte Zeile hinter END).", "aus Zeile 7.",
         "\xAE\x99sterreich\xAF\n"},
        {"ACTIV_NADNAME\n" + austria + "\n\n# Kommentar\n", "\xC3\x96sterreich", nullptr, nullptr,
         "\xAE\x99sterreich\xAF\n"},
        /* a line that is no part of the section; no section: "Deutschland" stands */
        {"etwas anderes\n", "Deutschland", "(Zeile 6: unbekannte Zeile hinter END).", nullptr,
         "\xAE"
         "Deutschland\xAF\n"},
        {"# Kommentar\n", "Deutschland", nullptr,
         "MESSAGE [Hinweis] Die Eingabedatei annex_01.inp nennt kein Anwendungsdokument",
         "\xAE"
         "Deutschland\xAF\n"},
    };
    for (const Case &c : cases) {
        ZW_Test_Clear_Log();
        Spit("annex_01.inp", head + c.tail);
        Rec r;
        ASSERT_EQ(Read_Splice_Input_File("annex_01.inp", r.p, 1), 1);
        EXPECT_EQ(Cp850_To_Utf8(Get_Active_NAD_Name()), c.annex) << c.tail;
        EXPECT_EQ(Count_Log("MESSAGE"), c.box || c.more ? 1 : 0) << c.tail;
        if (c.box) {
            EXPECT_EQ(Count_Log("Die Eingabedatei annex_01.inp ist besch\xC3\xA4"
                                "digt"),
                      1);
            EXPECT_EQ(Count_Log(c.box), 1) << c.tail;
            /* only a damaged record leaves values at their defaults */
            EXPECT_EQ(Count_Log("Vorgaben"), 0) << c.tail;
        }
        if (c.more) { EXPECT_EQ(Count_Log(c.more), 1) << c.tail; }
        EXPECT_EQ(r->plate_count, 3.0);
        ASSERT_EQ(Write_Splice_Input_File("saved_01.inp", r.p), 1);
        const std::string saved = Slurp("saved_01.inp");
        const size_t at = saved.rfind("\nACTIV_NADNAME\n");
        ASSERT_NE(at, std::string::npos);
        EXPECT_EQ(saved.substr(at + 15), c.saved) << c.tail;
    }
    /* the file cut before or inside its end record: the section behind it is lost with it, so
    ** the name is lost and never saved as "Deutschland" */
    const struct {
        const char *text, *box;
    } cuts[] = {
        {"SPLICE 201\nPLATES 3 0.8 18 5 0 0\n", "(Zeile 3: die Datei ist unvollst\xC3\xA4ndig)."},
        {"SPLICE 201\nPLATES 3 0.8 18 5 0 0\nEN", "(Zeile 3: unbekannter Datensatz)."},
        {"SPLICE 201\nPLATES 3 0.8 18 5 0 0\nE\n", "(Zeile 3: unbekannter Datensatz)."},
    };
    for (const auto &c : cuts) {
        SCOPED_TRACE(c.text);
        ZW_Test_Clear_Log();
        Spit("annex_01.inp", c.text);
        Rec r;
        ASSERT_EQ(Read_Splice_Input_File("annex_01.inp", r.p, 1), 1);
        EXPECT_STREQ(Get_Active_NAD_Name(), "Deutschland");
        EXPECT_EQ(Count_Log("MESSAGE"), 1);
        EXPECT_EQ(Count_Log((std::string(c.box)
                             + " | F\xC3\xBCr nicht lesbare Angaben gelten die Vorgaben. | Mit "
                               "dem Ende der Datei fehlt auch der Name des Anwendungsdokuments. "
                               "| Bemessen wird mit \"Deutschland\"; gespeichert wird ohne "
                               "Namen, | bis ein Anwendungsdokument gew\xC3\xA4hlt ist")
                                .c_str()),
                  1);
        EXPECT_EQ(r->plate_count, 3.0);
        ASSERT_EQ(Write_Splice_Input_File("saved_01.inp", r.p), 1);
        const std::string saved = Slurp("saved_01.inp");
        ASSERT_GE(saved.size(), 15u);
        EXPECT_EQ(saved.substr(saved.size() - 15), "\nACTIV_NADNAME\n");
    }
    /* the lost name is said again at the next opening; a choice of the user is then saved */
    Spit("annex_01.inp", head + "ACTIV_NADNAME\n");
    Rec lost, again;
    ASSERT_EQ(Read_Splice_Input_File("annex_01.inp", lost.p, 1), 1);
    ASSERT_EQ(Write_Splice_Input_File("lost_01.inp", lost.p), 1);
    ZW_Test_Clear_Log();
    ASSERT_EQ(Read_Splice_Input_File("lost_01.inp", again.p, 1), 1);
    EXPECT_EQ(Count_Log("der Name des Anwendungsdokuments fehlt"), 1);
    EXPECT_STREQ(Nad_Kept_Name(), "");
    Nad_Forget_Kept_Name(); /* what the selection sheet's OK does */
    ASSERT_EQ(Write_Splice_Input_File("lost_01.inp", again.p), 1);
    EXPECT_NE(Slurp("lost_01.inp")
                  .find("ACTIV_NADNAME\n\xAE"
                        "Deutschland\xAF\n"),
              std::string::npos);
    /* a damaged record and a damaged section: the first line, and what the section keeps */
    ZW_Test_Clear_Log();
    Spit("annex_01.inp", "SPLICE 201\nPLATES 3 x 18 5 0 0\nEND\nACTIV_NADMAME\n" + austria + "\n");
    Rec both;
    ASSERT_EQ(Read_Splice_Input_File("annex_01.inp", both.p, 1), 1);
    EXPECT_EQ(
        Count_Log("(Zeile 2: ein Wert ist keine Zahl oder liegt au\xC3\x9F"
                  "erhalb seiner "
                  "Grenzen). | F\xC3\xBCr nicht lesbare Angaben gelten die Vorgaben. | Es gilt "
                  "das Anwendungsdokument \"\xC3\x96sterreich\" aus Zeile 5."),
        1);
    EXPECT_EQ(Cp850_To_Utf8(Get_Active_NAD_Name()), "\xC3\x96sterreich");
    unsetenv("DRAM");
    Clear_NAD_State();
}
