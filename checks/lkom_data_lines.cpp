/*
** Solver data lines ("Lkom_Data_Lines"). A block is a head line, optionally a part count and
** parts with factor lines, the end mark " / #EOF", then the stored rows. kmod and gamma_M come
** from the general settings or, for the Eurocode writers, from the EN 1995 annex block.
*/
#include "checks/lkom_data_lines.h"
#include "checks/genrule.h"
#include "checks/lkom_factors.h"
#include "checks/lkom_gen.h"
#include "checks/lkom_gen_settings.h"
#include "checks/nchw_settings.h"
#include "checks/xtr_tables.h"
#include "nad/nad.h"

#include <cmath>
#include <cstdlib>
#include <vector>

void Get_Nchw_Settings_Ptrs(Nchw_Settings_Ptrs *out)
{
    if (!out) return;
    Nchw_Global_Settings_Rec &G = Nchw_Global_Settings;
    out->service_class = &G.service_class;
    out->gamma_m_standard = &G.gamma_m_standard;
    out->kmod_standard = &G.kmod_standard;
    out->timber_int4 = &G.timber_int4;
    out->gamma_m_fund = &G.gamma_m_fund;
    out->gamma_m_quake = &G.gamma_m_quake;
    out->gamma_m_acc = &G.gamma_m_acc;
    out->kmod = G.kmod;
    out->kdef = &G.kdef;
    out->deflection_divisors = G.deflection_divisors;
}

/* ------------------------------------------------------------------ values of the EN 1995 annex */

static int32_t Service_Class(void)
{
    const int32_t s = Nchw_Global_Settings.service_class;
    return s >= 0 && s <= 2 ? s : 0;
}

/* gamma_M of the annex: 16 first fundamental, 17 second fundamental, 18 accidental. */
static double Ec5_Gamma(int which)
{
    const NAD_EC5_Params *p = Get_NAD_EC5_Params();
    if (!p)
        return which == 18 ? Nchw_Global_Settings.gamma_m_acc : Nchw_Global_Settings.gamma_m_fund;
    return which == 16 ? p->gamma_m_solid : which == 17 ? p->gamma_m_glulam : p->gamma_m_accidental;
}

/* The national factor of the annex (1.0 without an EN 1995 block). */
static double Ec5_National_Factor(void)
{
    const NAD_EC5_Params *p = Get_NAD_EC5_Params();
    return p ? p->gamma_m_fire : 1.0;
}

static double Ec5_Kdef(void)
{
    const NAD_EC5_Params *p = Get_NAD_EC5_Params();
    return p ? p->kdef[Service_Class()] : Nchw_Global_Settings.kdef;
}

double Nchw_Ec5_Kdef(void) { return Ec5_Kdef(); }
double Nchw_Ec5_Gamma(int which) { return Ec5_Gamma(which); }

/*
** kmod of an action from the annex's table by load-duration class and service class; an
** action marked for averaging (setting B) that is wind (kind 2, psi index 7) takes the mean of
** the short-term and instantaneous values when the annex says so. 0 without an action or for a
** class above 4.
*/
double Kmod_Of_Einw_NAD(const Nchw_Einw_Row *a)
{
    if (!a || a->kled < 0 || a->kled > 4) return 0.0;
    const NAD_EC5_Params *p = Get_NAD_EC5_Params();
    if (!p) return Kmod_Of_Kled(a->kled);
    const int32_t s = Service_Class();
    if (a->setting_b && p->kmod_mean_rule && a->kind == 2 && a->psi_index == 7)
        return (p->kmod[NAD_KMOD_INDEX(3, s)] + p->kmod[NAD_KMOD_INDEX(4, s)]) / 2.0;
    return p->kmod[NAD_KMOD_INDEX(a->kled, s)];
}

static const Nchw_Einw_Row *Action_Of_Lf(int32_t number)
{
    const Nchw_Lf_Row *l = Nchw_Lf_Table_Find(number);
    return l ? l->action : nullptr;
}

static double Max_Kmod(int32_t count, const Lkom_Row *e, bool nad)
{
    double m = 0.0;
    for (int32_t i = 0; e && i < count; i++) {
        const Nchw_Einw_Row *a = Action_Of_Lf(e[i].number);
        if (!a) continue;
        const double k = nad ? Kmod_Of_Einw_NAD(a) : Kmod_Of_Kled(a->kled);
        if (k > m) m = k;
    }
    return m;
}

double Max_Kmod_Of_Lf_List(int32_t count, const Lkom_Row *entries)
{
    return Max_Kmod(count, entries, false);
}
double Max_Kmod_Of_Lf_List_NAD(int32_t count, const Lkom_Row *entries)
{
    return Max_Kmod(count, entries, true);
}

static int Lkom_Has_Kind(const Lkom_Rec *l, int32_t kind)
{
    if (!l || !l->rows || l->row_count <= 0 || Nchw_Lf_Table_Count() == 0) return 0;
    for (int32_t i = 0; i < l->row_count; i++) {
        const Nchw_Einw_Row *a = Action_Of_Lf(l->rows[i].number);
        if (a && a->kind == kind) return 1;
    }
    return 0;
}

int Lkom_Has_Sonderlast(const Lkom_Rec *l) { return Lkom_Has_Kind(l, 99); }
int Lkom_Has_Erdbeben(const Lkom_Rec *l) { return Lkom_Has_Kind(l, 100); }

/* ------------------------------------------------------------------ lines */

static void Head(FILE *f, int32_t number, int32_t owner, int32_t rows, const char *name, int parts)
{
    if (parts) fprintf(f, "    %d %d %d '%s' %d /\n", number, owner, rows, name, parts);
    else fprintf(f, "    %d %d %d '%s' /\n", number, owner, rows, name);
}

static void End_Mark(FILE *f) { fputs(" / #EOF\n", f); }

static void Rule_Rows(FILE *f, const Xtr_Rule_Rec *r)
{
    for (int32_t i = 0; r->rows && i < r->row_count; i++) {
        const Xtr_Row &x = r->rows[i];
        fprintf(f, "        %d %f %f %f %f /\n", x.number, x.psi_dom, x.psi_sub, x.gamma_sup,
                x.gamma_inf);
    }
}

static void Lkom_Rows(FILE *f, const Lkom_Rec *l)
{
    for (int32_t i = 0; l->rows && i < l->row_count; i++)
        fprintf(f, "        %d %f %f /\n", l->rows[i].number, l->rows[i].psi, l->rows[i].gamma);
}

static void Part_Row(FILE *f, int32_t number, double pd, double ps, double gs, double gi)
{
    fprintf(f, "%4d   %5.2f %5.2f  %5.2f %5.2f\n", number, pd, ps, gs, gi);
}

/* The action of a rule row: the row names a load case when the rule's basis is set. */
static const Nchw_Einw_Row *Row_Action(const Xtr_Rule_Rec *r, int32_t i)
{
    const int32_t number = r->rows[i].number;
    if (r->basis[0] != 0) return Action_Of_Lf(number);
    return Nchw_Einw_Table_Find(number);
}

static double Row_Kmod(const Xtr_Rule_Rec *r, int32_t i, bool nad)
{
    const Nchw_Einw_Row *a = Row_Action(r, i);
    if (!a) return 0.01;
    return nad ? Kmod_Of_Einw_NAD(a) : Kmod_Of_Kled(a->kled);
}

/* ------------------------------------------------------------------ kmod cases */

/*
** Group the rows of a rule by kmod, at most six groups in increasing kmod: rows within 0.0001
** of a group's kmod get its number (1..6), rows beyond the sixth group 0. Return the number of
** groups; case_kmod[g-1] is the kmod of group g.
*/
int Xtr_Kmod_Groups(const Xtr_Rule_Rec *r, int nad, int *group, double *case_kmod)
{
    const int32_t n = r && r->rows ? r->row_count : 0;
    if (n <= 0 || !group || !case_kmod) return 0;
    std::vector<double> k((size_t)n);
    for (int32_t i = 0; i < n; i++) {
        k[i] = Row_Kmod(r, i, nad != 0);
        group[i] = 0;
    }
    int cases = 0;
    double t = 0.0;
    while (cases < 6) {
        int32_t best = -1;
        for (int32_t i = 0; i < n; i++)
            if (k[i] > t && (best < 0 || k[i] < k[best])) best = i;
        if (best < 0) break;
        const double kb = k[best];
        case_kmod[cases++] = kb;
        for (int32_t i = 0; i < n; i++)
            if (std::fabs(k[i] - kb) < 0.0001) group[i] = cases;
        t = kb + 0.0001;
    }
    return cases;
}

static void Kmod_Cases(FILE *f, const Xtr_Rule_Rec *r, int32_t owner, bool three)
{
    if (!f || !r) return;
    const Nchw_Global_Settings_Rec &G = Nchw_Global_Settings;
    int acc = Xtr_Rule_Find_Sonderlast(r);
    int eq = acc ? 0 : Xtr_Rule_Find_Erdbeben(r);
    if (acc || eq) {
        const double kmod = three ? Kmod_Of_Einw_NAD(Xtr_Found_Action)
                                  : (acc ? Xtr_Kmod_Accidental : Xtr_Kmod_Earthquake);
        Head(f, r->number, owner, r->row_count, r->name, 1);
        if (three) {
            if (acc) fprintf(f, "    0 3 0 %f %f %f\n", Ec5_Gamma(18), kmod, Ec5_Gamma(18));
            else fprintf(f, "    0 3 0 %f %f %f\n", Ec5_Gamma(16), kmod, Ec5_Gamma(17));
        } else {
            fprintf(f, "    0 2 0 %f %f \n", acc ? G.gamma_m_acc : G.gamma_m_quake, kmod);
        }
        End_Mark(f);
        Rule_Rows(f, r);
        return;
    }
    const int32_t n = r->rows ? r->row_count : 0;
    std::vector<int> group((size_t)(n > 0 ? n : 0), 0);
    double case_kmod[6];
    const int cases = Xtr_Kmod_Groups(r, three, group.data(), case_kmod);
    Head(f, r->number, owner, r->row_count, r->name, 2);
    fprintf(f, "    %d / \n", cases);
    for (int g = 1; g <= cases; g++) {
        int32_t rows = 0;
        for (int32_t i = 0; i < n; i++)
            if (group[i] >= 1 && group[i] <= g) rows++;
        const double kmod = case_kmod[g - 1];
        fprintf(f, "    %d %d %d 'Fall %d (kmod=%.2f)' 1 /\n", g, owner, rows, g, kmod);
        if (!three) fprintf(f, "    0 2 0 %f %f \n", G.gamma_m_fund, kmod);
        else if (r->comb_rule[0] == 4)
            fprintf(f, "    0 3 0 %f %f %f \n", Ec5_Gamma(18), kmod, Ec5_Gamma(18));
        else fprintf(f, "    0 3 0 %f %f %f \n", Ec5_Gamma(16), kmod, Ec5_Gamma(17));
        for (int32_t i = 0; i < n; i++) {
            if (group[i] < 1 || group[i] > g) continue;
            const Xtr_Row &x = r->rows[i];
            Part_Row(f, x.number, x.psi_dom, x.psi_sub, x.gamma_sup, x.gamma_inf);
        }
    }
    End_Mark(f);
    Rule_Rows(f, r);
}

void Write_Xtr_Rule_Kmod_Cases(FILE *f, const void *, const Xtr_Rule_Rec *r, int32_t owner)
{
    Kmod_Cases(f, r, owner, false);
}

void Write_Xtr_Rule_Kmod_Cases3(FILE *f, const void *, const Xtr_Rule_Rec *r, int32_t owner)
{
    Kmod_Cases(f, r, owner, true);
}

/* ------------------------------------------------------------------ deflection */

void Write_Xtr_Rule_Defl_AB(FILE *f, const void *, const Xtr_Rule_Rec *r, int32_t owner)
{
    if (!f || !r) return;
    const double kdef = Nchw_Global_Settings.kdef;
    const int32_t n = r->rows ? r->row_count : 0;
    Head(f, r->number, owner, r->row_count, r->name, 2);
    fputs("    2 / \n", f);
    fprintf(f, "    1 %d %d 'Teil A: wQ,inst < wA,req' 1 /\n", owner, r->row_count);
    fputs("    1 0 0   1 \n", f);
    for (int32_t i = 0; i < n; i++) {
        const Xtr_Row &x = r->rows[i];
        const Nchw_Einw_Row *a = Row_Action(r, i);
        if (a && a->kind == 1) Part_Row(f, x.number, 0, 0, 0, 0);
        else Part_Row(f, x.number, x.psi_dom, x.psi_sub, x.gamma_sup, x.gamma_inf);
    }
    fprintf(f, "    2 %d %d 'Teil B: wfin - wG,inst < wB,req' 1 /\n", owner, r->row_count);
    fputs("    1 0 0   2 \n", f);
    for (int32_t i = 0; i < n; i++) {
        const Xtr_Row &x = r->rows[i];
        const Nchw_Einw_Row *a = Row_Action(r, i);
        const double psi2 = a ? Get_Psi2_DIN1045(a) : 1.0;
        if (a && a->kind == 1)
            Part_Row(f, x.number, psi2 * kdef, psi2 * kdef, x.gamma_sup, x.gamma_inf);
        else
            Part_Row(f, x.number, x.psi_dom + psi2 * kdef, x.psi_sub + psi2 * kdef, x.gamma_sup,
                     x.gamma_inf);
    }
    End_Mark(f);
    Rule_Rows(f, r);
}

void Write_Xtr_Rule_Defl_ABC(FILE *f, const void *caller, const Xtr_Rule_Rec *r, int32_t owner)
{
    if (!f || !r) return;
    static const Defl_Parts all = {{1, 1, 1}};
    const Defl_Parts *parts = caller ? (const Defl_Parts *)caller : &all;
    const NAD_EC5_Params *p = Get_NAD_EC5_Params();
    const double kdef = Ec5_Kdef();
    const int net_as_b = p && p->net_deflection_rule == 1;
    const int32_t n = r->rows ? r->row_count : 0;
    int count = 0;
    for (int k = 0; k < 3; k++)
        if (parts->on[k]) count++;
    Head(f, r->number, owner, r->row_count, r->name, 2);
    fprintf(f, "    %d / \n", count);
    static const char *const heads[3] = {"Teil A: winst", "Teil B: wfin", "Teil C: wnet,fin"};
    int number = 0;
    for (int k = 0; k < 3; k++) {
        if (!parts->on[k]) continue;
        fprintf(f, "    %d %d %d '%s' 1 /\n", ++number, owner, r->row_count, heads[k]);
        fprintf(f, "    1 0 0   %d \n", k + 1);
        for (int32_t i = 0; i < n; i++) {
            const Xtr_Row &x = r->rows[i];
            const Nchw_Einw_Row *a = Row_Action(r, i);
            /* a row without its action counts as quasi-permanent in full (psi2 = 1) */
            const double psi2 = Get_Psi2_Eurocode(a);
            const bool permanent = a && a->kind == 1;
            if (k == 0) {
                Part_Row(f, x.number, x.psi_dom, x.psi_sub, x.gamma_sup, x.gamma_inf);
            } else if (k == 1 || net_as_b) {
                if (permanent) Part_Row(f, x.number, 1 + kdef, 1 + kdef, x.gamma_sup, x.gamma_inf);
                else
                    Part_Row(f, x.number, 1 + kdef * psi2, x.psi_sub + kdef * psi2, x.gamma_sup,
                             x.gamma_inf);
            } else {
                Part_Row(f, x.number, psi2, psi2, x.gamma_sup * (1 + kdef),
                         x.gamma_inf * (1 + kdef));
            }
        }
    }
    End_Mark(f);
    Rule_Rows(f, r);
}

void Write_Xtr_Rule_Kdef(FILE *f, const void *, const Xtr_Rule_Rec *r, int32_t owner)
{
    if (!f || !r) return;
    const double k = 1 + Nchw_Global_Settings.kdef;
    Head(f, r->number, owner, r->row_count, r->name, 0);
    for (int32_t i = 0; r->rows && i < r->row_count; i++) {
        const Xtr_Row &x = r->rows[i];
        fprintf(f, "        %d %f %f %f %f /\n", x.number, x.psi_dom, x.psi_sub, x.gamma_sup * k,
                x.gamma_inf * k);
    }
}

void Write_Xtr_Rule_NadFactor(FILE *f, const void *, const Xtr_Rule_Rec *r, int32_t owner)
{
    if (!f || !r) return;
    const double nf = Ec5_National_Factor();
    Head(f, r->number, owner, r->row_count, r->name, 1);
    fprintf(f, "    0 3 0 %.2f 1.00 %.2f \n", nf, nf);
    End_Mark(f);
    Rule_Rows(f, r);
}

/* ------------------------------------------------------------------ collectives */

void Write_Lkom(FILE *f, const void *, const Lkom_Rec *l, int32_t owner)
{
    if (!f || !l) return;
    const Nchw_Global_Settings_Rec &G = Nchw_Global_Settings;
    const double kmod = Max_Kmod_Of_Lf_List(l->row_count, l->rows);
    const double gm = Lkom_Has_Sonderlast(l) ? G.gamma_m_acc
                      : Lkom_Has_Erdbeben(l) ? G.gamma_m_quake
                                             : G.gamma_m_fund;
    Head(f, l->number, owner, l->row_count, l->name, 1);
    fprintf(f, "    0 2 0 %f %f \n", gm, kmod);
    End_Mark(f);
    Lkom_Rows(f, l);
}

void Write_Lkom3(FILE *f, const void *, const Lkom_Rec *l, int32_t owner)
{
    if (!f || !l) return;
    const double kmod = Max_Kmod_Of_Lf_List_NAD(l->row_count, l->rows);
    Head(f, l->number, owner, l->row_count, l->name, 1);
    if (Lkom_Has_Sonderlast(l))
        fprintf(f, "    0 3 0 %f %f %f \n", Ec5_Gamma(18), kmod, Ec5_Gamma(18));
    else fprintf(f, "    0 3 0 %f %f %f \n", Ec5_Gamma(16), kmod, Ec5_Gamma(17));
    End_Mark(f);
    Lkom_Rows(f, l);
}

void Write_Lkom_NadFactor(FILE *f, const void *, const Lkom_Rec *l, int32_t owner)
{
    if (!f || !l) return;
    const double nf = Ec5_National_Factor();
    Head(f, l->number, owner, l->row_count, l->name, 1);
    fprintf(f, "    0 3 0 %.2f 1.00 %.2f \n", nf, nf);
    End_Mark(f);
    Lkom_Rows(f, l);
}

/* ------------------------------------------------------------------ by type id */

static int32_t Type_Id(const Nchw_Rec *c) { return c && c->type ? Nchw_Type_Id(c->type) : 0; }

int Write_Xtr_Rule_Lines(FILE *f, const Nchw_Rec *check, const Xtr_Rule_Rec *r, int32_t owner)
{
    if (!f || !r) return 1;
    switch (Type_Id(check)) {
    case 121: Write_Xtr_Rule_Kmod_Cases(f, check, r, owner); break;
    case 122: Write_Xtr_Rule_Defl_AB(f, check, r, owner); break;
    case 123: Write_Xtr_Rule_Kdef(f, check, r, owner); break;
    case 221: Write_Xtr_Rule_Kmod_Cases3(f, check, r, owner); break;
    case 222: {
        /* the check's first three option values switch the parts A, B and C */
        Defl_Parts parts = {
            {check->option_values[0], check->option_values[1], check->option_values[2]}};
        Write_Xtr_Rule_Defl_ABC(f, &parts, r, owner);
        break;
    }
    case 224: Write_Xtr_Rule_NadFactor(f, check, r, owner); break;
    default:
        Head(f, r->number, owner, r->row_count, r->name, 0);
        Rule_Rows(f, r);
        break;
    }
    return 1;
}

/* A collective by type id; the plain head carries head_value (owner or flags). */
static void Lkom_By_Type(FILE *f, const Nchw_Rec *check, const Lkom_Rec *l, int32_t head_value)
{
    switch (Type_Id(check)) {
    case 121:
    case 125: Write_Lkom(f, check, l, head_value); break;
    case 221:
    case 225: Write_Lkom3(f, check, l, head_value); break;
    case 224: Write_Lkom_NadFactor(f, check, l, head_value); break;
    default:
        Head(f, l->number, head_value, l->row_count, l->name, 0);
        Lkom_Rows(f, l);
        break;
    }
}

int Write_Lkom_Lines(FILE *f, const Nchw_Rec *check, const Lkom_Rec *l, int32_t owner)
{
    if (f && l) Lkom_By_Type(f, check, l, owner);
    return 1;
}

int32_t Write_Generated_Lkoms(const Nchw_Rec *check, GenRule_Rec *rule, FILE *f)
{
    if (!check || !rule || !f) return 0;
    Apply_GenRule_To_Tables(rule);
    Build_Lf_Factor_Tables();
    Load_GenRule_Factors(rule);
    Do_Generate_Lkoms();
    rule->generated_count = N_GENERATED_LKOMS_EXIST > Lkom_Limits[2] ? -N_GENERATED_LKOMS_EXIST
                                                                     : N_GENERATED_LKOMS_EXIST;
    const int32_t n = Auto_GenRule.lkom_count;
    if (n < 1) {
        Init_Or_Clear_Auto_Lkoms();
        return 0;
    }
    fprintf(f, " %d /\n", n);
    for (const Lkom_Rec *l = Auto_GenRule.lkom_head; l; l = l->next) {
        const int32_t flags = (Lkom_Has_Sonderlast(l) ? 256 : 0) + (Lkom_Has_Erdbeben(l) ? 512 : 0);
        Lkom_By_Type(f, check, l, flags);
    }
    Init_Or_Clear_Auto_Lkoms();
    return n;
}

int Write_GenRule_Lines(FILE *f, const Nchw_Rec *check, const GenRule_Rec *rule, int32_t owner)
{
    if (!f || !rule) return 1;
    Head(f, rule->number, owner, 0, rule->name, 0);
    Write_Generated_Lkoms(check, (GenRule_Rec *)rule, f);
    return 1;
}
