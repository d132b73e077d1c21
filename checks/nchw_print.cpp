/*
** Print-list tables of extremal rules and load collectives. Every table is a "#SHOWTABLE"
** block closed by "#END_OF_TEXT"; the symbols are the print font's psi (0xB8) and gamma (0xC0).
*/
#include "checks/nchw_print.h"
#include "checks/lkom_data_lines.h"
#include "checks/lkom_gen.h"
#include "checks/nchw_settings.h"
#include "checks/nchw_tables.h"
#include "checks/xtr_tables.h"
#include "foundation/codepage.h"
#include "nad/nad.h"

#include <vector>

static const char *const End_Of_Text = "#END_OF_TEXT\n\n";

/* ------------------------------------------------------------------ common pieces */

static void Rule_Title(FILE *f, const Xtr_Rule_Rec *r)
{
    fprintf(f, " ╬H%d: %s╬r\n"_cp850, r->number, r->name);
}

static void First_Column(FILE *f, const Xtr_Rule_Rec *r)
{
    fputs(r->basis[0] != 0 ? "  LF  " : " Einw.", f);
}

static void Four_Columns(FILE *f, const Xtr_Rule_Rec *r)
{
    fputs("1 0 -1 -1 2\n6.0 18.5\n", f);
    First_Column(f, r);
    fputs("  ©╬Tdom╬r  ©╬Tsub╬r   └╬Tsup╬r  └╬Tinf╬r\n"_cp850, f);
}

static void Row4(FILE *f, int32_t n, double a, double b, double c, double d)
{
    fprintf(f, "%4d   %5.2f %5.2f  %5.2f %5.2f\n", n, a, b, c, d);
}

static void Row5(FILE *f, int32_t n, double a, double b, double c, double d, double e)
{
    fprintf(f, "%4d   %5.2f %5.2f  %5.2f %5.2f  %5.2f\n", n, a, b, c, d, e);
}

static const Nchw_Einw_Row *Row_Action(const Xtr_Rule_Rec *r, int32_t i)
{
    if (r->basis[0] != 0) {
        const Nchw_Lf_Row *l = Nchw_Lf_Table_Find(r->rows[i].number);
        return l ? l->action : nullptr;
    }
    return Nchw_Einw_Table_Find(r->rows[i].number);
}

static int32_t Rows_Of(const Xtr_Rule_Rec *r) { return r && r->rows ? r->row_count : 0; }

/* ------------------------------------------------------------------ kmod groups */

static void Kmod_Groups(FILE *f, const Xtr_Rule_Rec *r, int nad)
{
    const int32_t n = Rows_Of(r);
    if (n > 0) {
        std::vector<int> group((size_t)n);
        double kmod[6];
        const int cases = Xtr_Kmod_Groups(r, nad, group.data(), kmod);
        for (int g = 1; g <= cases; g++) {
            fprintf(f, " ╬{╬R0xf00} ╬bGruppe %d: kmod = %.2f╬r\n"_cp850, g, kmod[g - 1]);
            for (int32_t i = 0; i < n; i++)
                if (group[i] >= 1 && group[i] <= g) {
                    const Xtr_Row &x = r->rows[i];
                    Row4(f, x.number, x.psi_dom, x.psi_sub, x.gamma_sup, x.gamma_inf);
                }
        }
    }
    fputs(End_Of_Text, f);
}

void Print_Xtr_Kmod_Groups(FILE *f, const Xtr_Rule_Rec *r)
{
    if (f) Kmod_Groups(f, r, 0);
}
void Print_Xtr_Kmod_Groups3(FILE *f, const Xtr_Rule_Rec *r)
{
    if (f) Kmod_Groups(f, r, 1);
}

/* ------------------------------------------------------------------ creep factor */

void Print_Xtr_Rule(FILE *f, const Xtr_Rule_Rec *r, int32_t number)
{
    if (!f || !r) return;
    const double kdef = Nchw_Global_Settings.kdef;
    fputs("#SHOWTABLE\n0 1 4\n", f);
    Rule_Title(f, r);
    fputs(" \n", f);
    fprintf(
        f,
        " Extremalbildungsvorschrift zum Nachweis %d: w╬Tfin╬r ¾ w╬Tzul╬r mit w╬Tfin╬r = Durchbiegung unter Berücksichtigung des Kriecheinflusses.\n"_cp850,
        number);
    fputs(
        " Die zeitabhängigen Verformungen (Kriecheinfluss) werden durch Multiplikation der Teilsicherheitsfaktoren mit (1 + k╬Tdef╬r)\n"_cp850,
        f);
    fprintf(f, " berücksichtigt. (k╬Tdef╬r = %.2f)\n"_cp850, kdef);
    Four_Columns(f, r);
    for (int32_t i = 0; i < Rows_Of(r); i++) {
        const Xtr_Row &x = r->rows[i];
        Row4(f, x.number, x.psi_dom, x.psi_sub, x.gamma_sup * (1 + kdef), x.gamma_inf * (1 + kdef));
    }
    fputs(End_Of_Text, f);
}

/* ------------------------------------------------------------------ deflection parts */

void Print_Xtr_Rule_Defl_AB(FILE *f, const Xtr_Rule_Rec *r, int32_t number)
{
    if (!f || !r) return;
    const double kdef = Nchw_Global_Settings.kdef;
    fputs("#SHOWTABLE\n0 1 3\n", f);
    Rule_Title(f, r);
    fputs(" \n", f);
    fprintf(
        f,
        " ╬HA:╬r Extremalbildungsvorschrift zum Nachweis %d, ╬HTeilnachweis A:╬r  w╬TQ,inst╬r ¾ w╬TA,zul╬r\n"_cp850,
        number);
    fputs(
        " mit w╬TQ,inst╬r = Durchbiegungen aus ╬_veränderlichen╬r Einwirkungen ╬_ohne╬r Kriecheinfluss\n"_cp850,
        f);
    Four_Columns(f, r);
    for (int32_t i = 0; i < Rows_Of(r); i++) {
        const Xtr_Row &x = r->rows[i];
        const Nchw_Einw_Row *a = Row_Action(r, i);
        if (a && a->kind == 1) Row4(f, x.number, 0, 0, 0, 0);
        else Row4(f, x.number, x.psi_dom, x.psi_sub, x.gamma_sup, x.gamma_inf);
    }
    fputs(End_Of_Text, f);

    fputs("#SHOWTABLE\n0 0 4\n", f);
    fprintf(
        f,
        " ╬HB:╬r Extremalbildungsvorschrift zum Nachweis %d, ╬HTeilnachweis B:╬r  w╬Tfin╬r - w╬TG,inst╬r ¾ w╬TB,zul╬r\n"_cp850,
        number);
    fprintf(
        f,
        " Erläuterung: Die zeitabhängigen Verformungen (Kriecheinfluss) in w╬Tfin╬r werden mit dem Verformungsbeiwert k╬Tdef╬r = %.2f berücksichtigt.\n"_cp850,
        kdef);
    fputs(
        " Unter Anwendung der DIN 1052:2004-08 Abs. 8.3 Gleichungen (6), (7) und (8) ergeben sich hierdurch modifizierte Kombinationsbeiwerte:\n",
        f);
    fputs(
        " für ständige Einwirkungen: ©╬Tdom╬r = ©╬Tsub╬r = k╬Tdef╬r;   für veränderlich Einwirkungen: ©╬Tdom╬r = 1 + ©╬T2╬r k╬Tdef╬r  und  ©╬Tsub╬r = ©╬T0╬r + ©╬T2╬r k╬Tdef╬r\n"_cp850,
        f);
    fputs("1 0 -1 -1 3\n6.0 18.5 31.5\n", f);
    First_Column(f, r);
    fputs("  ©╬Tdom╬r  ©╬Tsub╬r   └╬Tsup╬r  └╬Tinf╬r    ©╬T2╬r\n"_cp850, f);
    for (int32_t i = 0; i < Rows_Of(r); i++) {
        const Xtr_Row &x = r->rows[i];
        const Nchw_Einw_Row *a = Row_Action(r, i);
        const double psi2 = a ? Get_Psi2_DIN1045(a) : 1.0;
        if (a && a->kind == 1)
            fprintf(f, "%4d   %5.2f %5.2f  %5.2f %5.2f    -\n", x.number, psi2 * kdef, psi2 * kdef,
                    x.gamma_sup, x.gamma_inf);
        else
            Row5(f, x.number, x.psi_dom + psi2 * kdef, x.psi_sub + psi2 * kdef, x.gamma_sup,
                 x.gamma_inf, psi2);
    }
    fputs(End_Of_Text, f);
}

void Print_Xtr_Rule_Defl_ABC(FILE *f, const Xtr_Rule_Rec *r, int32_t number, int on_a, int on_b,
                             int on_c)
{
    if (!f || !r) return;
    static const char *const ordinal[3] = {"(erste Teilkombination)", "(zweite Teilkombination)",
                                           "(dritte Teilkombination)"};
    const NAD_EC5_Params *p = Get_NAD_EC5_Params();
    const bool net_as_b = p && p->net_deflection_rule == 1;
    const double kdef = Nchw_Ec5_Kdef();
    const int on[3] = {on_a, on_b, on_c};
    int written = 0;
    for (int k = 0; k < 3; k++) {
        if (!on[k]) continue;
        fputs("#SHOWTABLE\n0 1 2\n", f);
        fprintf(f, " ╬H%d: %s╬r %s\n"_cp850, r->number, r->name, ordinal[written++]);
        fputs(" \n", f);
        const bool five = k == 1 || (k == 2 && net_as_b);
        if (k == 0) {
            fprintf(f,
                    " Extremalbildungsvorschrift zum Nachweis %d, ╬HTeilnachweis: w╬Tinst╬r"_cp850,
                    number);
            fputs(" (Durchbiegungen auf charakteristischem Niveau ohne Kriecheinfluss)\n", f);
        } else if (k == 1) {
            fprintf(
                f,
                " Extremalbildungsvorschrift zum Nachweis %d, ╬HTeilnachweis: w╬Tfin╬r (= w╬Tinst╬r + w╬Tcreep╬r = w╬Tinst╬r mit Kriecheinfluss); k╬Tdef╬r = %.2f\n"_cp850,
                number, kdef);
        } else if (net_as_b) {
            fprintf(
                f,
                " Extremalbildungsvorschrift zum Nachweis %d, ╬HTeilnachweis: w╬Tnet,fin╬r (charakteristische Netto-Enddurchbiegung); k╬Tdef╬r = %.2f\n"_cp850,
                number, kdef);
        } else {
            fprintf(
                f,
                " Extremalbildungsvorschrift zum Nachweis %d, ╬HTeilnachweis: w╬Tnet,fin╬r (quasiständige Netto-Enddurchbiegung); k╬Tdef╬r = %.2f\n"_cp850,
                number, kdef);
        }
        if (five) {
            fputs("1 0 -1 -1 3\n6.0 18.5 31.0\n", f);
            First_Column(f, r);
            fputs("  ©╬Tdom╬r  ©╬Tsub╬r   └╬Tsup╬r  └╬Tinf╬r   (©╬T2╬r)\n"_cp850, f);
        } else {
            Four_Columns(f, r);
        }
        for (int32_t i = 0; i < Rows_Of(r); i++) {
            const Xtr_Row &x = r->rows[i];
            const Nchw_Einw_Row *a = Row_Action(r, i);
            const double psi2 = Get_Psi2_Eurocode(a);
            const bool permanent = a && a->kind == 1;
            if (k == 0) {
                Row4(f, x.number, x.psi_dom, x.psi_sub, x.gamma_sup, x.gamma_inf);
            } else if (five) {
                if (permanent)
                    Row5(f, x.number, 1 + kdef, 1 + kdef, x.gamma_sup, x.gamma_inf, psi2);
                else
                    Row5(f, x.number, 1 + kdef * psi2, x.psi_sub + kdef * psi2, x.gamma_sup,
                         x.gamma_inf, psi2);
            } else {
                Row4(f, x.number, psi2, psi2, (1 + kdef) * x.gamma_sup, (1 + kdef) * x.gamma_inf);
            }
        }
        fputs(End_Of_Text, f);
    }
}

/* ------------------------------------------------------------------ load collectives */

const char *Lkom_Situation_Code(const Lkom_Rec *l)
{
    if (Lkom_Has_Sonderlast(l)) return "A ";
    if (Lkom_Has_Erdbeben(l)) return "E ";
    return "SV";
}

/* The product of the row with that number, or false when the collective lacks it. */
static bool Factor_Of(const Lkom_Rec *l, int32_t number, double *factor)
{
    for (int32_t i = 0; l->rows && i < l->row_count; i++)
        if (l->rows[i].number == number) {
            *factor = l->rows[i].factor;
            return true;
        }
    return false;
}

static void Cell(FILE *f, const Lkom_Rec *l, int32_t number, const char *format)
{
    double v;
    if (Factor_Of(l, number, &v)) fprintf(f, format, v);
    else fputs("  -  ", f);
}

static void Lkom_Head(FILE *f, const Nchw_Rec *c, const GenRule_Rec *rule, bool situation)
{
    fputs("#SHOWTABLE\n", f);
    fprintf(f, "0 1 %d\n", situation ? 2 : 1);
    if (rule)
        fprintf(f, " ╬HLastkollektive der Generierungsvorschrift %d zum Nachweis %d╬r\n"_cp850,
                rule->number, c->number);
    else fprintf(f, " ╬HLastkollektive zum Nachweis %d╬r\n"_cp850, c->number);
    fputs(
        " Faktorisierung der Lastfälle. Negative Lastfallnummern beziehen sich auf Imperfektionen\n"_cp850,
        f);
    if (situation)
        fputs(
            " BS=Bemessungssituation, SV=ständig und vorübergehend, A=außergewöhnlich, E=Erdbeben\n"_cp850,
            f);
}

int Print_Lkoms_Of_Nchw(const Nchw_Rec *c, const GenRule_Rec *rule, FILE *f)
{
    if (!c || !f) return 1;
    const int32_t mode = c->type ? Nchw_Type_Id(c->type) : 0;
    const bool situation =
        mode == 31 || mode == 39 || mode == 121 || mode == 125 || mode == 221 || mode == 225;
    const bool timber = mode == 121 || mode == 125 || mode == 221 || mode == 225;
    const bool nad = mode == 221 || mode == 225;
    const int32_t nlf = Nchw_Lf_Table.rows ? Nchw_Lf_Table.count : 0;
    const int32_t nimp = Nchw_Imp_Table.rows ? Nchw_Imp_Table.count : 0;
    const bool imps = c->type && Nchw_Type_Int(c->type, 10) == 2 && nimp > 0;
    const int32_t columns = nlf + (imps ? nimp : 0);
    const bool below = (mode == 31 || mode == 39) ? columns >= 25
                       : timber                   ? columns > 22
                                                  : columns > 25;
    const Nchw_Global_Settings_Rec &G = Nchw_Global_Settings;

    auto kmod_of = [&](const Lkom_Rec *l) {
        return nad ? Max_Kmod_Of_Lf_List_NAD(l->row_count, l->rows)
                   : Max_Kmod_Of_Lf_List(l->row_count, l->rows);
    };
    if (below) {
        Lkom_Head(f, c, rule, situation);
        fputs("1 0 -1 -1 3\n0.0 4.0 10.0\n  LF  Fakt.\n", f);
        for (const Lkom_Rec *l = c->lkom_head; l; l = l->next) {
            fputs(" ╬{╬R0xf00} ╬b"_cp850, f);
            fprintf(f, "LK %d:", l->number);
            if (situation) fprintf(f, " (%s)", Lkom_Situation_Code(l));
            fputs("╬r\n"_cp850, f);
            if (mode == 121 || nad) fprintf(f, " ╬{╬R0xf00} kmod=%.2f╬r\n"_cp850, kmod_of(l));
            for (int32_t i = 0; l->rows && i < l->row_count; i++)
                fprintf(f, " %3d %5.2f\n", l->rows[i].number, l->rows[i].factor);
        }
        fputs(End_Of_Text, f);
        return 1;
    }
    Lkom_Head(f, c, rule, situation);
    if (!c->lkom_head) {
        fputs(End_Of_Text, f);
        return 1;
    }
    const bool layout3 = imps && situation;
    fprintf(f, "1 0 -1 -1 %d", layout3 ? 3 : 2);
    if (columns > 17) fputs(" 0 0 0 0 0 0 0 2", f);
    fputc('\n', f);
    fprintf(f, "6.0 %.1f", 5.0 * nlf + 6.7);
    if (layout3) fprintf(f, " %.1f", 5.0 * columns + 8);
    fputc('\n', f);
    fputs("  LK  ", f);
    for (int32_t i = 0; i < nlf; i++) fprintf(f, "%4d ", Nchw_Lf_Table.rows[i].number);
    if (imps) {
        fputc(' ', f);
        for (int32_t i = 0; i < nimp; i++) fprintf(f, "%4d ", -Nchw_Imp_Table.rows[i].number);
    }
    if (mode == 31 || mode == 39) fputs("   BS", f);
    else if (timber) fputs("   BS  k╬\\mod╬r  └╬\\M╬r"_cp850, f);
    fputc('\n', f);
    for (const Lkom_Rec *l = c->lkom_head; l; l = l->next) {
        fprintf(f, "%5d  ", l->number);
        for (int32_t i = 0; i < nlf; i++) Cell(f, l, Nchw_Lf_Table.rows[i].number, "%5.2f");
        if (imps) {
            fputc(' ', f);
            for (int32_t i = 0; i < nimp; i++) Cell(f, l, -Nchw_Imp_Table.rows[i].number, "%5.2f");
        }
        const char *code = Lkom_Situation_Code(l);
        if (situation) fprintf(f, "  %s", code);
        if (mode == 121 || mode == 125) {
            const double gm = code[0] == 'A'   ? G.gamma_m_acc
                              : code[0] == 'E' ? G.gamma_m_quake
                                               : G.gamma_m_fund;
            fprintf(f, "  %.2f", Max_Kmod_Of_Lf_List(l->row_count, l->rows));
            fprintf(f, " %.2f", gm);
        } else if (nad) {
            fprintf(f, "  %.2f", Max_Kmod_Of_Lf_List_NAD(l->row_count, l->rows));
            fprintf(f, " %.2f", code[0] == 'A' ? Nchw_Ec5_Gamma(18) : Nchw_Ec5_Gamma(16));
        }
        fputc('\n', f);
    }
    fputs(End_Of_Text, f);
    return 1;
}

void Print_Generated_Lkoms(FILE *f)
{
    if (!f) return;
    const int32_t nlf = Nchw_Lf_Table.rows ? Nchw_Lf_Table.count : 0;
    const int32_t nimp = Nchw_Imp_Table.rows ? Nchw_Imp_Table.count : 0;
    const int w = nlf < 5 ? 24 : 5 * nlf + 1;
    fputs("#SHOWTABLE\n0 1 0\n generierte Lastkollektive (zeilenweise)\n", f);
    if (!Auto_GenRule.lkom_head) {
        fputs(End_Of_Text, f);
        return;
    }
    fputs("2 0 -1 -1 2\n", f);
    fprintf(f, "6.0 %f\n", (double)w + 6);
    fputs(" Last-  Faktoren der Lastfälle  "_cp850, f);
    if (nimp > 0) {
        if (nlf >= 5) fprintf(f, "%*s", 5 * nlf - 24, "");
        fputs("Imperfekt.\n", f);
    } else {
        fputc('\n', f);
    }
    fputs(" koll.", f);
    for (int32_t i = 0; i < nlf; i++) fprintf(f, "%5d", Nchw_Lf_Table.rows[i].number);
    if (w > 5 * nlf) fprintf(f, "%*s", w - 5 * nlf, "");
    for (int32_t i = 0; i < nimp; i++) fprintf(f, "%5d", Nchw_Imp_Table.rows[i].number);
    fputc('\n', f);
    int32_t n = 0;
    for (const Lkom_Rec *l = Auto_GenRule.lkom_head; l; l = l->next) {
        fprintf(f, "%5d  ", ++n);
        for (int32_t i = 0; i < nlf; i++) Cell(f, l, Nchw_Lf_Table.rows[i].number, " %.2f");
        if (w > 5 * nlf) fprintf(f, "%*s", w - 5 * nlf, "");
        for (int32_t i = 0; i < nimp; i++) Cell(f, l, -Nchw_Imp_Table.rows[i].number, " %.2f");
        fputc('\n', f);
    }
    fputs(End_Of_Text, f);
}
