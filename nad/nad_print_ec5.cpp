/*
** EN 1995 national-annex tables of the print list: partial factors, kmod, kdef, deflection
** limits, crack factor, torsion and buckling factors and the national rules, as print-list
** table blocks written straight into the stream. Which blocks appear follows the application
** registry. Texts are code page 850; 0xCE is the print list's formatting escape, 0xC0 gamma.
*/
#include "nad/nad.h"
#include "nad/nad_internal.h"
#include "foundation/codepage.h"
#include "platform/zelkgrft.h"

int EC5_Page_Flags[9] = {1, 1, 1, 1, 1, 1, 1, 1, 1};

/* Meaning of Table NA.15: f_ax and f_head of profiled nails. */
static char Ec5_Na15_Meaning[64];

/* The mark of a switch that no rule of this program reads. */
#define EC5_UNUSED "(in diesem Programm ohne Wirkung)"

/* Index of the section switches. */
enum {
    EC5P_LAYOUT = 0,
    EC5P_GAMMA = 1,
    EC5P_KMOD = 2,
    EC5P_KDEF = 3,
    EC5P_LIMITS = 4,
    EC5P_KCR = 5,
    EC5P_NET = 6,
    EC5P_RULES = 7,
    EC5P_SHAPE = 8
};

/*
** Set the nine section switches from the application registry.
*/
void Set_NAD_EC5_Page_Flags(void)
{
    for (int i = 0; i < 9; i++) EC5_Page_Flags[i] = 1;
    if (NAD_Rules_Filtered() == 1) {
        for (int i = 0; i < 9; i++) EC5_Page_Flags[i] = NAD_Rule_Relevant(5, i) ? 1 : 0;
        return;
    }
    const int app = Find_Application_NAD_Entry();
    if (App_NAD_Registry.show_all) return;
    if (app == 220 || app == 242) {
        for (int i = 0; i <= 6; i++) EC5_Page_Flags[i] = 1;
        EC5_Page_Flags[EC5P_RULES] = 0;
        EC5_Page_Flags[EC5P_SHAPE] = app == 242 ? 1 : 0;
    } else if (app >= 73 && app <= 76) {
        for (int i = 0; i <= 6; i++) EC5_Page_Flags[i] = 0;
        EC5_Page_Flags[EC5P_RULES] = 1;
        EC5_Page_Flags[EC5P_SHAPE] = 0;
    }
}

/* ---------------------------------------------------------------- blocks */

static void Put(FILE *f, const char *s) { fputs(s, f); }

/* The rows of the crack factor: with the fixed rule the values the design uses, else the
** rules of the annex (2.0/fv,k softwood, 0.67 hardwood, 2.5/fv,k glulam, 1.0 otherwise). */
static void Put_Kcr_Rows(FILE *f, const NAD_EC5_Params *b, const char *lead)
{
    if (b->k_cr_rule == 1) {
        fprintf(f, "%sk\xCE\\cr\xCEr = %.2f   %s\n", lead, b->k_cr_solid,
                "für Voll- und Brettschichtholz"_cp850);
        fprintf(f, "%sk\xCE\\cr\xCEr = %.2f   sonst                         \n", lead,
                b->k_cr_other);
    } else {
        Put(f, " k\xCE\\cr\xCEr = 2.0/fv,k   ");
        Put(f, "für Nadelholz\n"_cp850);
        Put(f, " k\xCE\\cr\xCEr = 0.67       ");
        Put(f, "für Laubholz\n"_cp850);
        Put(f, " k\xCE\\cr\xCEr = 2.5/fv,k   ");
        Put(f, "für Brettschichtholz\n"_cp850);
        Put(f, " k\xCE\\cr\xCEr = 1.0        sonst\n");
    }
}

static void Put_Kcr_Block(FILE *f, const NAD_EC5_Params *b, const char *lead)
{
    Put(f, "#SHOWTABLE\n0 1 2\n");
    Put(f, " Rissfaktor\n");
    Put(f, " Rissfaktor k\xCE\\cr\xCEr zur Festlegung der effektiven Querschnittsbreite\n");
    Put(f, " bei der Ermittlung der Schubspannungen aus Querkraft\n");
    Put(f, "0 0 -1 -1 0\n");
    Put_Kcr_Rows(f, b, lead);
    Put(f, "#END_OF_TEXT\n");
}

static void Put_Kmod_Head(FILE *f, const char *title)
{
    Put(f, "#SHOWTABLE\n0 1 0\n");
    Put(f, title);
    Put(f, "2 0 -1 -1 1\n 10\n");
    Put(f, "            Nutzungsklasse\n");
    Put(f, " KLED        1     2     3\n");
}

static void Put_Gamma_Row(FILE *f, int first, double value, const char *material)
{
    Put(f, first ? " Tab. 2.3     " : "              ");
    fprintf(f, "\xC0\xCE\\M\xCEr = %.2lf                     %s\n", value, material);
}

/* A row of a switch; read 0 marks the switch that no rule of this program reads. */
static void Put_Switch_Row(FILE *f, const char *clause, int on, const char *yes, const char *no,
                           const char *meaning, int read)
{
    fprintf(f, " %s %s %s%s\n", clause, on ? yes : no, meaning, read ? "" : " " EC5_UNUSED);
}

/* The second line of a rule of 9.2.4.2, 6.1 or 8.6: its paragraph of the annex, and the mark of
** a switch that no rule of this program reads in the column of the meaning. */
static void Put_Paragraph_Row(FILE *f, const char *paragraph, int read)
{
    if (read) fprintf(f, " %s  \n", paragraph);
    else fprintf(f, " %-43s%s\n", paragraph, EC5_UNUSED);
}

/* The table of national rules by clause (section switch 7). */
static void Put_Rules_Table(FILE *f, const NAD_EC5_Params *b)
{
    snprintf(Ec5_Na15_Meaning, sizeof Ec5_Na15_Meaning, "f\xCE\\ax\xCEr, f\xCE\\head\xCEr %s",
             "für profilierte Nägel"_cp850);
    Put(f, "#SHOWTABLE\n0 0 0\n");
    Put(f, "1 0 -1 -1 2\n 12 42\n");
    Put(f, " Kapitel      Wert                          Bedeutung\n");
    fprintf(f,
            " 2.3.1.2(2)P  %s Zuordnung von Einwirkungen zu Klassen der Lasteinwirkungsdauer "
            "%s\n",
            b->use_table_na1 ? "Tabelle NA.1 anwenden        " : "Tabelle NA.1 nicht anwenden  ",
            EC5_UNUSED);
    Put(f, "\n");
    Put(f, " 2.4.1                                      Teilsicherheitsbeiwerte\n");
    Put_Gamma_Row(f, 1, b->gamma_m_solid, "Vollholz");
    Put_Gamma_Row(f, 0, b->gamma_m_glulam, "Brettschichtholz");
    Put_Gamma_Row(f, 0, b->gamma_m_clt, "Brettsperrholz");
    Put_Gamma_Row(f, 0, b->gamma_m_lvl, "LVL, Sperrholz, OSB");
    Put_Gamma_Row(f, 0, b->gamma_m_particleboard, "Spanplatten");
    Put_Gamma_Row(f, 0, b->gamma_m_hardboard, "Harte Faserplatten");
    Put_Gamma_Row(f, 0, b->gamma_m_mediumboard, "Mittelharte Faserplatten");
    Put_Gamma_Row(f, 0, b->gamma_m_mdf, "MDF-Faserplatten");
    Put_Gamma_Row(f, 0, b->gamma_m_softboard, "Weiche Faserplatten");
    Put_Gamma_Row(f, 0, b->gamma_m_connections, "Verbindungen");
    Put_Gamma_Row(f, 0, b->gamma_m_nailplates, "Nagelplatten");
    if (b->variant != 0) {
        Put_Gamma_Row(f, 0, b->gamma_m_steel, "Stahl in Verbindungen");
        Put_Gamma_Row(f, 0, b->gamma_m_gypsum, "Gipskarton, etc.");
        Put(f, "\n");
        Put_Switch_Row(f, "3.1.3       ", b->use_table_na4, "Tabelle NA.4 anwenden        ",
                       "Tabelle NA.4 nicht anwenden  ", "Modifikationsbeiwerte", 0);
        Put(f, "\n");
        Put_Switch_Row(f, "8.3.2       ", b->use_table_na15, "Tabelle NA.15 anwenden       ",
                       "Tabelle NA.15 nicht anwenden ", Ec5_Na15_Meaning, 1);
        Put(f, "\n");
        Put_Switch_Row(f, "8.3.1.2     ", b->use_na11, "NA.11 anwenden               ",
                       "NA.11 nicht anwenden         ", "Einschlagtiefen > 4 d", 0);
        Put(f, "\n");
        Put_Switch_Row(f, "8.5.3 (2)   ", b->threaded_rods_na, "Gewindestangen nach NAD      ",
                       "keine Gewindestangen         ", "Gewindestangen zulassen", 0);
        Put(f, "\n");
        Put_Switch_Row(f, "6.3.3 (7)   ", b->ltb_na, "Biegedrillknicken nach NAD   ",
                       "Biegedrillknicken nach EC 5  ", "Biegedrillknicknachweis", 0);
        Put(f, "\n");
        Put_Switch_Row(f, "8.2.4 (1)   ", b->simplified_fasteners_na,
                       "vereinfachtes Verf. nach NAD ", "Verfahren nach EC 5          ",
                       "Verbindungsmittel", 0);
        Put(f, "\n");
        fprintf(f, " 9.2.4.2      %s\n",
                b->na20_reduction
                    ? "Abminderung der Tragf.        bei hor. Stoß und kurzen Tafeln"_cp850
                    : "Keine Abminderung der Tragf.");
        Put_Paragraph_Row(f, "(NA.20)", 0);
        fprintf(f, " 9.2.4.2      %s\n",
                b->na21_sill_increase
                    ? "Erhöhung der char. Tragf.     bei Schwellenpressung um 20%"_cp850
                    : "Keine Erhöhung der char. Tragf."_cp850);
        Put_Paragraph_Row(f, "(NA.21)", 0);
        fprintf(
            f, " 6.1          %s\n",
            b->na816_tension_reduction
                ? "Abm. der Zugfestigkeit        bei sym. ausgeführten Zugverbindungen."_cp850
                : "keine Abm. der Zugfestigkeit      bei sym. ausgeführten Zugverbindungen."_cp850);
        Put_Paragraph_Row(f, "(NA.8.1.6)", 1);
        fprintf(f, " 8.6          %s\n",
                b->na7_hole_plus_1mm
                    ? "Bohrlochdurchmesser bei       Stahlteilen um 1mm erhöhen"_cp850
                    : "keine Erhöhung des Bohrlochdurchmessers bei Stahlteilen"_cp850);
        Put_Paragraph_Row(f, "(NA.7)", 0);
        Put(f, "\n");
        Put(f, "#END_OF_TEXT\n");
        if (!EC5_Page_Flags[EC5P_KCR]) Put_Kcr_Block(f, b, " ");
    } else {
        Put(f, "\n");
        Put(f, "\n");
        Put(f, "#END_OF_TEXT\n");
        Put_Kcr_Block(f, b, " ");
    }
    Put(f, "\n");
    Put(f, "#END_OF_TEXT\n");
}

/*
** Write the EN 1995 parameter tables of the active national annex into the print-list stream.
*/
void Print_NAD_EC5_Tables(FILE *f)
{
    if (!f) return;
    const NAD_EC5_Params *b = Get_NAD_EC5_Params();
    const int *sw = EC5_Page_Flags;
    Set_NAD_EC5_Page_Flags();
    OLI_setFlags(f, 0x380);
    OLI_setMarginsCM(f, 1, 0, 0);
    OLI_reserveSpaceCM(f, 6.0);

    int any = 0;
    for (int i = 0; i <= 7; i++) any |= sw[i];
    if (any) {
        Put(f, "#SHOWTABLE\n1 3 0\n");
        Put(f, " Ausgewählte Nachweisparameter des nationalen Anhangs\n"_cp850);
        fprintf(f, " %s\n", Get_Active_NAD_Name());
        Put(f, " \n");
        Put(f, " DIN EN 1995-1-1 und DIN EN 1995-1-2 (EC5)\n");
        Put(f, "0 0 0 0 0\n");
        OLI_setYPositionCM(f, 1, -0.5);
        if (sw[EC5P_LAYOUT]) OLI_storeYPosition(f, 4);
    }
    if (sw[EC5P_GAMMA]) {
        Put(f, "#SHOWTABLE\n0 1 0\n");
        Put(f, " Materialsicherheitsbeiwerte\n");
        Put(f, "1 0 -1 -1 2\n 27 45\n");
        Put(f, " Bemessungssituation         Holzart            Wert\n");
        fprintf(f, "%s%.2f\n", " ständig und vorübergehend   Vollholz           "_cp850,
                b->gamma_m_solid);
        fprintf(f, "                             Brettschichtholz   %.2f\n", b->gamma_m_glulam);
        fprintf(f, "%s%.2f\n", " außergewöhnlich             alle Arten         "_cp850,
                b->gamma_m_accidental);
        fprintf(f, " Brandschutz                 alle Arten         %.2f\n", b->gamma_m_fire);
        Put(f, "#END_OF_TEXT\n");
        if (sw[EC5P_LAYOUT]) {
            OLI_restoreYPosition(f, 4);
            OLI_setMarginsCM(f, 1, 11.0, 0);
        }
    }
    if (sw[EC5P_KMOD]) {
        const char *const kled[5] = {" ständig   "_cp850, " lange     ", " mittel    ",
                                     " kurz      ", " sehr kurz "};
        Put_Kmod_Head(f, " Modifikationsbeiwerte\n");
        for (int k = 0; k < 5; k++) {
            Put(f, kled[k]);
            fprintf(f, " %.2f  %.2f  %.2f\n", b->kmod[NAD_KMOD_INDEX(k, 0)],
                    b->kmod[NAD_KMOD_INDEX(k, 1)], b->kmod[NAD_KMOD_INDEX(k, 2)]);
        }
        Put(f, "#END_OF_TEXT\n");
    }
    if (sw[EC5P_KDEF]) {
        Put_Kmod_Head(f, " Verformungsbeiwerte\n");
        fprintf(f, " k\xCE\\def\xCEr =     %.2f  %.2f  %.2f\n", b->kdef[0], b->kdef[1], b->kdef[2]);
        Put(f, "#END_OF_TEXT\n");
    }
    if (sw[EC5P_LIMITS]) {
        Put(f, "#SHOWTABLE\n0 1 1\n");
        Put(f, " Verformungsgrenzwerte\n");
        Put(f, " gemäß DIN EN 1995-1-1 Abschnitt 7.2 Tab. 7.2\n"_cp850);
        Put(f, "1 0 -1 -1 1\n 10\n");
        Put(f, " Nachweis     normal    Kragarm\n");
        fprintf(f, " w\xCE\\inst\xCEr         l/%3.0f    l/%3.0f\n", b->w_inst_limit,
                b->w_inst_limit_cantilever);
        fprintf(f, " w\xCE\\fin\xCEr          l/%3.0f    l/%3.0f\n", b->w_fin_limit,
                b->w_fin_limit_cantilever);
        fprintf(f, " w\xCE\\net,fin\xCEr      l/%3.0f    l/%3.0f\n", b->w_net_fin_limit,
                b->w_net_fin_limit_cantilever);
        Put(f, "#END_OF_TEXT\n");
        if (sw[EC5P_LAYOUT]) {
            OLI_setMarginsCM(f, 1, 0, 0);
            OLI_setYPositionCM(f, 1, -6.2);
        }
    }
    if (sw[EC5P_KCR]) Put_Kcr_Block(f, b, "");
    if (sw[EC5P_SHAPE]) {
        Put(f, "#SHOWTABLE\n0 3 0\n");
        Put(f, " Abminderungsfaktor zum Nachweis der Torsionsspannungen:\n");
        fprintf(f, " k\xCE\\shape\xCEr = 1 + %.2f h/b, jedoch maximal %.2f\n", b->k_shape_factor,
                b->k_shape_max);
        Put(f, " " EC5_UNUSED "\n");
        Put(f, "0 0 0 0 0\n");
    }
    if (sw[EC5P_NET]) {
        Put(f, "#SHOWTABLE\n0 3 1\n");
        Put(f, " Ermittlung der Netto-Enddurchbiegung nach EC5 (7.2): \n");
        Put(f,
            " w\xCE\\net,fin\xCEr = w\xCE\\inst\xCEr + w\xCE\\creep\xCEr - w\xCE\\c\xCEr   mit w\xCE\\inst\xCEr aus\n");
        if (b->net_deflection_rule == 1) {
            Put(f, " charakteristischer Kombination\n");
            Put(f, " gemäß EC5 (7.2) (2.2)...(2.5)\n"_cp850);
        } else {
            Put(f, " quasiständiger Kombination\n"_cp850);
            Put(f, " gemäß NAD Deutschland Änderung A1, (NA.A1)\n"_cp850);
        }
        Put(f, "0 0 0 0 0\n");
    }
    if (sw[EC5P_LAYOUT]) {
        Put(f, "#SHOWTABLE\n0 2 0\n");
        Put(f,
            " Ermittlung der bezogenen Kippschlankheit beim Biegedrillknicknachweis (nur für Brettschichtholz):\n"_cp850);
        fprintf(f, "%s%.2f\n", " Faktor gemäß NCI Zu 6.3.3(2) = "_cp850, b->ltb_slenderness_factor);
        Put(f, "0 0 0 0 0\n");
    }
    if (sw[EC5P_RULES]) Put_Rules_Table(f, b);
}
