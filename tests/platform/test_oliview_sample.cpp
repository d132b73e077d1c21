/*
** Print lists for the viewer tests, written through the program's own writers: a splice report
** in three variants (side timbers, inner steel plates, a lap), with contents, headings, texts,
** tables, check lines, drawings with dimension chains, and the national-annex tables.
*/
#include <cmath>
#include <cstdio>
#include <cstring>

#include "foundation/codepage.h"
#include "foundation/foundation.h"
#include "nad/nad.h"
#include "platform/zelkgrft.h"
#include "printlist/printlist.h"

/* Title of variant k (0..2) of the sample splice. */
const char *Viewer_Sample_Title(int variant)
{
    static const char *titles[3] = {"Biegesto\xE1 Pfette Achse 3 (Seitenh\x94lzer)",
                                    "Zugsto\xE1 Untergurt Binder B2 (Bleche innen)",
                                    "Drucksto\xE1 St\x81tze S4 (Blatt)"};
    return titles[variant < 0 ? 0 : variant % 3];
}

/* The view of the splice at 1:25 (or 1:20): member, side parts, fasteners, dimension chains. */
static void sample_drawing(FILE *f, int variant)
{
    double L = 60.0 + 20.0 * variant, h = 24.0, hs = variant == 1 ? 20.0 : 18.0;
    double s = variant == 1 ? 1.0 / 15.0 : 1.0 / 10.0;
    double a = 1.05 * L / 2;
    double x0 = -a - 2 * 0.6 / s, x1 = a, y0 = -1.02 * h / 2 - 3 * 0.6 / s,
           y1 = 1.02 * h / 2 + 0.6 / s;
    Oli_Reserve_Lines(f, 1.0 + (y1 - y0) * s / 0.38);
    Oli_Write_Text(f,
                   "\xCE"
                   "bAnsicht Ma\xE1stab 1:%2.0lf\xCEr, L\x84ngeneinheit in [cm]",
                   1.0 / s);
    Oli_Graphic_Set_Colour_Mode(1);
    Oli_Graphic_Begin(f, x0, y0, x1, y1, s, 0.0, nullptr);
    fprintf(f, " 6 %lf\n", 0.04);
    Oli_Set_Dimension_Flags(8);
    double mx[4] = {-a, -a, a, a}, my[4] = {-h / 2, h / 2, h / 2, -h / 2};
    Oli_Graphic_Rgb_51(248, 195, 62);
    Oli_Graphic_Rgb_50(150, 112, 65);
    Oli_Graphic_Set_Fill(43);
    Oli_Graphic_Filled_Polygon(4, mx, my);
    Oli_Graphic_Line(-a, -h / 2, a, -h / 2);
    Oli_Graphic_Line(-a, h / 2, a, h / 2);
    Oli_Graphic_Rgb_50(0, 0, 0);
    Oli_Graphic_Push();
    fprintf(f, " 6 %lf\n", 0.03);
    fprintf(f, " 38 %d %s %d\n", 2, "0.10 0.10", 0);
    Oli_Graphic_Line(-a, -1.02 * h / 2, -a, 1.02 * h / 2);
    Oli_Graphic_Line(a, -1.02 * h / 2, a, 1.02 * h / 2);
    Oli_Graphic_Pop();
    if (variant == 1) Oli_Graphic_Rgb_51(20, 180, 240);
    else Oli_Graphic_Rgb_51(235, 163, 93);
    Oli_Graphic_Set_Fill(variant == 1 ? 0 : 32);
    double px[4] = {-L / 2, -L / 2, L / 2, L / 2}, py[4] = {-hs / 2, hs / 2, hs / 2, -hs / 2};
    if (variant == 2) px[0] = px[1] = 0.0;
    Oli_Graphic_Filled_Polygon(4, px, py);
    Oli_Graphic_Polyline(4, px, py);
    Oli_Graphic_Rgb_51(0, 0, 0);
    /* fasteners: two rows of dowels */
    Ptr_Array *chain = Ptr_Array_New(10);
    Ptr_Array *vchain = Ptr_Array_New(10);
    Dim_Chain_Add_Point(chain, px[0], py[0]);
    Dim_Chain_Add_Point(chain, px[2], py[0]);
    Dim_Chain_Add_Point(vchain, -a, -h / 2);
    Dim_Chain_Add_Point(vchain, -a, h / 2);
    fprintf(f, " 6 %lf\n", 0.02);
    Oli_Graphic_Set_Fill(55);
    double r = 1.2 / 2;
    for (int i = 0; i < 3; i++) {
        double x = 6.0 + 8.0 * i;
        for (int j = -1; j <= 1; j += 2) {
            double y = j * 5.0;
            for (int side = -1; side <= 1; side += 2) {
                if (variant == 2 && side < 0) continue;
                Oli_Graphic_Line(side * x - r, y, side * x + r, y);
                Oli_Graphic_Line(side * x, y - r, side * x, y + r);
                Oli_Graphic_Arc(side * x, y, 2 * r, 0, 360);
            }
            if (j < 0) {
                Dim_Chain_Add_Point(chain, x, y);
                if (variant != 2) Dim_Chain_Add_Point(chain, -x, y);
            }
        }
    }
    Dim_Chain_Add_Point(vchain, -a, -5.0);
    Dim_Chain_Add_Point(vchain, -a, 5.0);
    Oli_Graphic_Dimension_Chain(chain, "mm", 2, -h / 2 - 0.9 / s, 0.1, -1.0, 0);
    Oli_Graphic_Dimension_Chain(vchain, "mm", 3, -a - 0.3 / s, 0.1, -1.0, 0);
    for (int i = 0; i < Ptr_Array_Count(chain); i++) free(Ptr_Array_Get(chain, i));
    for (int i = 0; i < Ptr_Array_Count(vchain); i++) free(Ptr_Array_Get(vchain, i));
    Ptr_Array_Delete(chain);
    Ptr_Array_Delete(vchain);
    Oli_Graphic_Text(-a + 1.0, h / 2 + 1.0, "Mittelholz");
    Oli_Graphic_Text_Centred(0.0, 0.0,
                             "\xCE"
                             "bSto\xE1\xCEr");
    fprintf(f, " -1\n");
}

/* The combinations table: n rows of M, N, V and kmod. */
static void sample_combinations(FILE *f, int nrows)
{
    static double M[64], N[64], V[64], kmod[64];
    static char comment[64][24];
    if (nrows > 64) nrows = 64;
    for (int i = 0; i < nrows; i++) {
        M[i] = 12.5 * std::sin(0.7 * i + 0.3);
        N[i] = -40.0 + 7.25 * i;
        V[i] = 3.0 + 0.5 * (i % 5);
        kmod[i] = i % 3 == 0 ? 0.6 : 0.9;
        snprintf(comment[i], sizeof comment[i], i % 2 ? "Schnee" : "Wind");
    }
    Oli_Table_Column *cols = nullptr;
    Oli_Alloc_Table_Columns(6, &cols);
    strcpy(cols[0].title, "Nr");
    strcpy(cols[0].unit, "ZZ");
    cols[0].width = 3;
    cols[0].decimals = 1;
    strcpy(cols[1].group_title, "Schnittgr\x94\xE1"
                                "en");
    strcpy(cols[1].title, "M\xCE\\"
                          "d");
    strcpy(cols[1].unit, "kNm");
    cols[1].width = 8;
    cols[1].decimals = 2;
    cols[1].values = M;
    cols[1].underline_mark = 2;
    strcpy(cols[2].group_title, "=");
    strcpy(cols[2].title, "N\xCE\\"
                          "d");
    strcpy(cols[2].unit, "kN");
    cols[2].width = 8;
    cols[2].decimals = 2;
    cols[2].values = N;
    cols[2].sum = 1;
    strcpy(cols[3].group_title, "=");
    strcpy(cols[3].title, "V\xCE\\"
                          "d");
    strcpy(cols[3].unit, "kN");
    cols[3].width = 7;
    cols[3].decimals = 2;
    cols[3].values = V;
    cols[3].bold_mark = 1;
    strcpy(cols[4].title, "k\xCE\\"
                          "mod");
    strcpy(cols[4].unit, "-");
    cols[4].width = 5;
    cols[4].decimals = 2;
    cols[4].values = kmod;
    strcpy(cols[5].title, "-Bemerkung");
    strcpy(cols[5].unit, "TXT");
    cols[5].width = 24;
    cols[5].decimals = 14;
    cols[5].values = comment;
    cols[5].separator = 0;
    int32_t rules[64] = {};
    rules[2] = 1;
    OliTabelle(/*file=*/f, /*ncols=*/6, /*nrows=*/nrows, /*columns=*/cols, /*row_mask=*/nullptr,
               /*row_rules=*/rules, /*highlight=*/0, /*flags=*/nrows >= 40 ? 0x40 : 0,
               /*title_counts=*/nullptr, /*title_texts=*/nullptr, /*extra_count=*/0,
               /*extra_texts=*/nullptr);
    free(cols);
}

/* Write the sample print list of variant 0..2 to path; rows = number of combinations.
** Answers 1, or 0 when the file cannot be written. */
int Viewer_Write_Sample_List(const char *path, int variant, int rows)
{
    FILE *f = fopen(path, "w");
    if (f == nullptr) return 0;
    OLI_setFlags(f, 896);
    OLI_setLayout(f, 4115);
    Oli_Init_Writer(3, 2, 1);
    Oli_Free_All_Positions();
    Oli_Write_Contents(f, Viewer_Sample_Title(variant));
    Oli_Write_Title(f, "%s", Viewer_Sample_Title(variant));
    Oli_Write_Heading(f, 1, "Vorbemerkungen");
    Oli_Write_Text(f, "Nachweis eines Holzsto\xE1"
                      "es nach DIN EN 1995-1-1 mit nationalem Anhang. "
                      "Querschnitt b/h = 12/24 cm, Festigkeitsklasse C24, Nutzungsklasse 1.");
    Oli_Write_Heading(f, 1, "Eingabedaten");
    Oli_Write_Heading(f, 2, "System und Querschnitte");
    Oli_Columns_3(0.0, 5.0, 10.0);
    Oli_Column_Cell(f, "Mittelholz");
    Oli_Column_Cell(f, "b = 12.00 cm");
    Oli_Column_Cell(f, "h = 24.00 cm");
    Oli_Column_Cell(f, "Seitenholz");
    Oli_Column_Cell(f, "t\xCE\\"
                       "s\xCEr = 6.00 cm");
    Oli_Column_Cell(f, "h\xCE\\"
                       "s\xCEr = 18.00 cm");
    Oli_Columns_End(f);
    Oli_Write_Text(f, "Stabd\x81"
                      "bel \x8C 12 mm, S235, f\xCE\\u,k\xCEr = 360 N/mm\xFD, "
                      "\xCE"
                      "bRandabstand\xCEr a\xCE\\"
                      "4,t\xCEr \xF2 3 d, \xC0\xCE\\M\xCEr = 1.30");
    sample_drawing(f, variant);
    Oli_Write_Heading(f, 2,
                      "Bemessungsschnittgr\x94\xE1"
                      "en");
    sample_combinations(f, rows);
    Oli_Write_Small(f, "\xCE/1)\xCEr Schnittgr\x94\xE1"
                       "en aus der Stabberechnung");
    Oli_Write_Heading(f, 1, "Nachweise nach DIN EN 1995-1-1");
    Oli_Write_Heading(f, 2, "Tragf\x84higkeit der Verbindungsmittel");
    Oli_Check_Line(f, "Abscheren:", 0.82, "<=", 1.0, 2, "", "erf\x81llt", "nicht erf\x81llt");
    Oli_Check_Line(f, "Lochleibung:", 1.07, "<=", 1.0, 2, "", "erf\x81llt", "nicht erf\x81llt");
    Oli_Write_Text(f, "%s",
                   Oli_Check_Text(12.5, 14.25, 2, 0.0, 0,
                                  "F\xCE\\"
                                  "v,Ed\xCEr",
                                  "kN"));
    Oli_Write_Heading(f, 2, "Nationaler Anhang");
    Print_NAD_EC5_Tables(f);
    Oli_Close_Bookmarks(f);
    return fclose(f) == 0 ? 1 : 0;
}
