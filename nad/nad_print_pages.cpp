/*
** Print-list pages of the national-annex parameters of EN 1990, EN 1992, EN 1993, EN 1996 and
** EN 1999: each block of the active annex as print-list table blocks, in the manner of the
** EN 1995 tables. Texts are code page 850; 0xCE is the formatting escape, 0xC0 gamma, 0xB8 psi.
*/
#include "nad/nad.h"
#include "foundation/codepage.h"
#include "platform/zelkgrft.h"

#include <cstring>

static void Put(FILE *f, const char *s) { fputs(s, f); }

/* Heading block of a page: the title, the annex's name and the standard. */
static void Put_Heading(FILE *f, const char *standard)
{
    OLI_setFlags(f, 0x380);
    OLI_setMarginsCM(f, 1, 0, 0);
    OLI_reserveSpaceCM(f, 6.0);
    Put(f, "#SHOWTABLE\n1 3 0\n");
    Put(f, " Ausgewählte Nachweisparameter des nationalen Anhangs\n"_cp850);
    fprintf(f, " %s\n", Get_Active_NAD_Name());
    Put(f, " \n");
    fprintf(f, " %s\n", standard);
    Put(f, "0 0 0 0 0\n");
    OLI_setYPositionCM(f, 1, -0.5);
}

/* ---------------------------------------------------------------- EN 1990 */

static const char *const Ec0_Actions[7] = {"ständige Lasten"_cp850,
                                           "veränderliche Lasten"_cp850,
                                           "Flüssigkeitsdruck/Maschinenlasten"_cp850,
                                           "Zwang",
                                           "Vorspannung",
                                           "außergewöhnliche Einwirkungen"_cp850,
                                           "Erdbeben"};

static const char *const Ec0_Situations[4] = {"ständig/vorübergehend"_cp850,
                                              "außergewöhnlich"_cp850, "Erdbeben",
                                              "Gebrauchstauglichkeit/Ermüdung"_cp850};

static const char *const Ec0_Categories[12] = {"Wohn-, Büroräume"_cp850,
                                               "Versammlungs-, Verkaufsräume"_cp850,
                                               "Lagerräume"_cp850,
                                               "Fahrzeuge bis 30 kN",
                                               "Fahrzeuge bis 160 kN",
                                               "Dächer"_cp850,
                                               "Schnee/Eis bis 1000 m ü.NN"_cp850,
                                               "Schnee/Eis über 1000 m ü.NN"_cp850,
                                               "Wind",
                                               "Temperatur",
                                               "Baugrundsetzungen",
                                               "sonstige Einwirkungen"};

/* Action types of bridges that the page names (types 12, 14 and 15 are not printed). */
static const struct {
    int type; /* 1..15 */
    const char *name;
} Ec0_Bridge_Actions[12] = {
    // clang-format off
    {1, "ständige Lasten"_cp850},
    {2, "Vorspannung linear"},
    {3, "Vorspannung nichtlinear"},
    {4, "Vorspannung lokal"},
    {5, "Setzung linear"},
    {6, "Setzung nichtlinear"},
    {7, "Straßenverkehr"_cp850},
    {8, "Fußgängerverkehr"_cp850},
    {9, "Schienenverkehr Lastgruppe 11 bis 31"},
    {10, "Schienenverkehr Lastgr. 16, 17, SW/2"},
    {11, "veränderliche Lasten"_cp850},
    {13, "Temperatur"},
    // clang-format on
};

/*
** The EN 1990 page: partial factors of actions and combination factors of buildings, and the
** partial factors of bridges in the persistent and transient situation.
*/
void Print_NAD_EC0_Page(FILE *f)
{
    if (!f) return;
    const NAD_EC0_Params *b = Get_NAD_EC0_Params();
    Put_Heading(f, "DIN EN 1990 (EC0)");
    for (int s = 0; s < 4; s++) {
        Put(f, "#SHOWTABLE\n0 1 0\n");
        fprintf(f, " %s %s\n", "Teilsicherheitsbeiwerte für Einwirkungen, Hochbau:"_cp850,
                Ec0_Situations[s]);
        Put(f, "1 0 -1 -1 2\n 36 46\n");
        Put(f, " Einwirkung                          \xC0\xCE\\sup\xCEr     \xC0\xCE\\inf\xCEr\n");
        for (int t = 0; t < 7; t++)
            fprintf(f, " %-35s %5.2f     %5.2f\n", Ec0_Actions[t], b->gamma_bld[s][t][0],
                    b->gamma_bld[s][t][1]);
        Put(f, "#END_OF_TEXT\n");
    }
    Put(f, "#SHOWTABLE\n0 1 0\n");
    Put(f, " Kombinationsbeiwerte, Hochbau\n");
    Put(f, "1 0 -1 -1 4\n 30 37 44 51\n");
    Put(f,
        " Einwirkung                     \xB8\xCE\\0\xCEr     \xB8\xCE\\1\xCEr     \xB8\xCE\\2\xCEr     \xB8\xCE\\2,E\xCEr\n");
    for (int r = 0; r < 12; r++)
        fprintf(f, " %-30s %5.2f  %5.2f  %5.2f  %5.2f\n", Ec0_Categories[r], b->psi_bld[r][0],
                b->psi_bld[r][1], b->psi_bld[r][2], b->psi_bld[r][3]);
    Put(f, "#END_OF_TEXT\n");
    Put(f, "#SHOWTABLE\n0 1 0\n");
    fprintf(f, " %s\n",
            "Teilsicherheitsbeiwerte für Einwirkungen, Brückenbau: ständig/vorübergehend"_cp850);
    Put(f, "1 0 -1 -1 2\n 38 48\n");
    Put(f, " Einwirkung                            \xC0\xCE\\sup\xCEr     \xC0\xCE\\inf\xCEr\n");
    for (const auto &a : Ec0_Bridge_Actions)
        fprintf(f, " %-37s %5.2f     %5.2f\n", a.name, b->gamma_brg[0][a.type - 1][0],
                b->gamma_brg[0][a.type - 1][1]);
    Put(f, "#END_OF_TEXT\n");
}

/* ---------------------------------------------------------------- EN 1992 */

/*
** The EN 1992 pages: partial factors per design situation and the coefficients the concrete
** grades take from the annex.
*/
void Print_NAD_EC2_Pages(FILE *f)
{
    if (!f) return;
    const NAD_EC2_Params *b = Get_NAD_EC2_Params();
    Put_Heading(f, "DIN EN 1992-1-1 und DIN EN 1992-2 (EC2)");
    Put(f, "#SHOWTABLE\n0 1 0\n");
    Put(f, " Teilsicherheitsbeiwerte für Beton und Betonstahl\n"_cp850);
    Put(f, "1 0 -1 -1 2\n 24 34\n");
    Put(f, " Bemessungssituation     \xC0\xCE\\c\xCEr       \xC0\xCE\\s\xCEr\n");
    for (int s = 0; s < 4; s++)
        fprintf(f, " %-23s %5.2f     %5.2f\n", b->situation_names[s], b->gamma_c[s], b->gamma_s[s]);
    Put(f, "#END_OF_TEXT\n");
    Put(f, "#SHOWTABLE\n0 1 0\n");
    Put(f, " Beiwerte\n");
    Put(f, "1 0 -1 -1 1\n 30\n");
    Put(f, " Beiwert                       Wert\n");
    fprintf(f, " \xBA\xCE\\cc\xCEr (3.1.6(1)P)           %6.3f\n", b->alpha_cc);
    fprintf(f, " \xBA\xCE\\ct\xCEr (3.1.6(2)P)           %6.3f\n", b->alpha_ct);
    fprintf(f, " \xBA\xCE\\lcc\xCEr (11.3.5(1)P)         %6.3f\n", b->alpha_lcc);
    fprintf(f, " \xBA\xCE\\lct\xCEr (11.3.5(2)P)         %6.3f\n", b->alpha_lct);
    fprintf(f, " C\xCE\\Rd,c\xCEr (6.2.2(1))          %6.3f\n", b->c_rd_c);
    fprintf(f, " cot theta min/max (6.2.3(2))  %4.2f / %4.2f\n", b->cot_theta_min,
            b->cot_theta_max);
    Put(f, "#END_OF_TEXT\n");
}

/* ---------------------------------------------------------------- EN 1993 */

/*
** The EN 1993 pages: partial factors of EN 1993-1-1 and of joints (EN 1993-1-8, 2.2(2)).
*/
void Print_NAD_EC3_Pages(FILE *f)
{
    if (!f) return;
    const NAD_EC3_Params *b = Get_NAD_EC3_Params();
    Put_Heading(f, "DIN EN 1993-1-1 und DIN EN 1993-1-8 (EC3)");
    Put(f, "#SHOWTABLE\n0 1 0\n");
    Put(f, " Teilsicherheitsbeiwerte DIN EN 1993-1-1\n");
    Put(f, "1 0 -1 -1 2\n 24 34\n");
    Put(f, " Beiwert                 ständig   außergew.\n"_cp850);
    fprintf(f, " \xC0\xCE\\M0\xCEr                   %5.2f     %5.2f\n", b->ec3_1.gamma_m0,
            b->ec3_1.gamma_m0_acc);
    fprintf(f, " \xC0\xCE\\M1\xCEr                   %5.2f     %5.2f\n", b->ec3_1.gamma_m1,
            b->ec3_1.gamma_m1_acc);
    fprintf(f, " \xC0\xCE\\M2\xCEr                   %5.2f     %5.2f\n", b->ec3_1.gamma_m2,
            b->ec3_1.gamma_m2_acc);
    Put(f, "#END_OF_TEXT\n");
    Put(f, "#SHOWTABLE\n0 1 0\n");
    Put(f, " Teilsicherheitsbeiwerte für Anschlüsse DIN EN 1993-1-8\n"_cp850);
    Put(f, "1 0 -1 -1 2\n 24 32\n");
    Put(f, " Beiwert                 Wert    Anwendung\n");
    /* EN 1993-1-8, Table 2.1: the six joint factors in the order of the block */
    static const char *const joint[6] = {"M2", "M4", "M5", "M6,ser", "M7", "M3,ser"};
    static const char *const what[6] = {
        "Schrauben, Schweißnähte, Lochleibung"_cp850, "Injektionsschrauben",
        "Knoten in Fachwerken aus Hohlprofilen",      "Bolzen, Gebrauchstauglichkeit",
        "Vorspannung hochfester Schrauben",           "Gleitfestigkeit, Gebrauchstauglichkeit"};
    for (int i = 0; i < 6; i++)
        fprintf(f, " \xC0\xCE\\%s\xCEr%*s%5.2f   %s\n", joint[i], (int)(17 - strlen(joint[i])), "",
                b->ec3_8.factors_a[i], what[i]);
    Put(f, "#END_OF_TEXT\n");
}

/* ---------------------------------------------------------------- EN 1996, EN 1999 */

void Print_NAD_EC6_Page(FILE *f)
{
    if (!f) return;
    const NAD_EC6_Params *b = Get_NAD_EC6_Params();
    Put_Heading(f, "DIN EN 1996-1-1 (EC6)");
    Put(f, "#SHOWTABLE\n0 1 0\n");
    Put(f, " Teilsicherheitsbeiwerte für Mauerwerk\n"_cp850);
    Put(f, "1 0 -1 -1 1\n 34\n");
    Put(f, " Bemessungssituation               \xC0\xCE\\M\xCEr\n");
    fprintf(f, "%s%5.2f\n", " ständig und vorübergehend         "_cp850, b->gamma_m_masonry[0]);
    fprintf(f, "%s%5.2f\n", " außergewöhnlich                   "_cp850, b->gamma_m_masonry[1]);
    fprintf(f, " Gebrauchstauglichkeit             %5.2f\n", b->gamma_m_masonry[3]);
    Put(f, "#END_OF_TEXT\n");
}

void Print_NAD_EC9_Page(FILE *f)
{
    if (!f) return;
    const NAD_EC9_Params *b = Get_NAD_EC9_Params();
    Put_Heading(f, "DIN EN 1999-1-1 (EC9)");
    Put(f, "#SHOWTABLE\n0 1 0\n");
    Put(f, " Teilsicherheitsbeiwerte für Aluminiumtragwerke\n"_cp850);
    Put(f, "1 0 -1 -1 1\n 40\n");
    Put(f, " Beiwert                                 Wert\n");
    fprintf(f, " \xC0\xCE\\M1\xCEr Querschnittswiderstand          %5.2f / %5.2f\n", b->gamma_m1,
            b->gamma_m1b);
    fprintf(f, " \xC0\xCE\\M2\xCEr Zugbruch                        %5.2f\n", b->gamma_m2);
    fprintf(f, " \xC0\xCE\\Mb\xCEr Schraubenverbindungen           %5.2f\n", b->gamma_m_bolts);
    fprintf(f, " \xC0\xCE\\Mw\xCEr %s %5.2f\n", "Schweißverbindungen            "_cp850,
            b->gamma_m_welds);
    fprintf(f, " \xC0\xCE\\Ms,ser\xCEr Gleitfestigkeit GZG         %5.2f\n", b->gamma_m_slip_sls);
    fprintf(f, " \xC0\xCE\\Ms,ult\xCEr Gleitfestigkeit GZT         %5.2f\n", b->gamma_m_slip_uls);
    fprintf(f, " \xC0\xCE\\Ma\xCEr Klebeverbindungen               %5.2f\n", b->gamma_m_adhesive);
    fprintf(f, " \xC0\xCE\\Mp,ser\xCEr Bolzen GZG                  %5.2f\n", b->gamma_m_pins_sls);
    Put(f, "#END_OF_TEXT\n");
}
