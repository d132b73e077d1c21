/*
** Factor rows of user-defined load collectives: the row builder over the active load cases,
** the choice of coefficient rows by combination rule, limit state and design situation, the
** bridge rows, and the situation messages.
*/
#include "checks/dlg_lkom_rows.h"

#include <cstdio>
#include <cstdlib>

#include "checks/beiwert.h"
#include "checks/bridge_coeff.h"
#include "checks/dlg_common.h"
#include "checks/nchw_settings.h"
#include "checks/nchw_tables.h"
#include "checks/xtr_tables.h"
#include "nad/nad.h"

int32_t Lkom_Rows_Imp_Mode = 0;
const int32_t *Lkom_Bridge_Variant_Rec = nullptr;

/* ------------------------------------------------------------------ row builders */

static int32_t Count_Candidates(void)
{
    int32_t n = 0;
    for (int32_t i = 0; Nchw_Lf_Table.rows && i < Nchw_Lf_Table.count; i++)
        n += Nchw_Lf_Table.rows[i].active ? 1 : 0;
    if (Lkom_Rows_Imp_Mode)
        for (int32_t i = 0; Nchw_Imp_Table.rows && i < Nchw_Imp_Table.count; i++)
            n += Nchw_Imp_Table.rows[i].active ? 1 : 0;
    return n;
}

static int32_t Append_Imperfections(Lkom_Row *rows, int32_t m)
{
    if (!Lkom_Rows_Imp_Mode) return m;
    for (int32_t i = 0; Nchw_Imp_Table.rows && i < Nchw_Imp_Table.count; i++) {
        const Nchw_Imp_Row *p = &Nchw_Imp_Table.rows[i];
        if (p->active) rows[m++] = Lkom_Row{-p->number, 1, 1.0, 1.0, 1.0};
    }
    return m;
}

/* Unfavourable gamma of a category, the favourable one for a favourable permanent load case. */
static void Gamma_Of(const Nchw_Lf_Row *l, const double *GI, const double *GS, Lkom_Row *r)
{
    const int32_t k = l->action->kind;
    r->unfavourable = 1;
    if (k >= 99) {
        r->gamma = GS[5];
    } else if (k == 1 && l->state != 1) {
        r->gamma = GI[0];
        r->unfavourable = 0;
    } else {
        r->gamma = GS[k - 1];
    }
}

Lkom_Row *Build_Lkom_Factor_Rows(int32_t family, int32_t leading, const double *GI,
                                 const double *GS, const double *PD, const double *PS,
                                 int32_t *count, double global_factor)
{
    int32_t dummy = 0;
    if (!count) count = &dummy;
    *count = 0;
    const int32_t n = Count_Candidates();
    if (n <= 0 || !GI || !GS || !PD || !PS) return nullptr;
    Lkom_Row *rows = (Lkom_Row *)std::calloc((size_t)n, sizeof(Lkom_Row));
    if (!rows) {
        Nchw_Dlg_Alloc_Failed();
        return nullptr;
    }
    int32_t m = 0;
    for (int32_t i = 0; Nchw_Lf_Table.rows && i < Nchw_Lf_Table.count; i++) {
        const Nchw_Lf_Row *l = &Nchw_Lf_Table.rows[i];
        if (!l->active || !l->action) continue;
        const Nchw_Einw_Row *a = l->action;
        const int32_t k = a->kind, pi = a->psi_index;
        if (pi < 0 || pi > 10) continue;
        if (!((k >= 1 && k <= 6) || k >= 99)) continue;
        Lkom_Row r = {l->number, 1, 1.0, 0.0, 0.0};
        Gamma_Of(l, GI, GS, &r);
        if (family == LKOM_FAM_DIN1055 || family == LKOM_FAM_EUROCODE) {
            if (k == 2 || k == 4) r.psi = a->index == leading ? PD[pi] : PS[pi];
        } else if (family == LKOM_FAM_DIN18800) {
            if ((k >= 2 && k <= 6) || k == 100) r.psi = leading == 1 ? PD[pi] : PS[pi];
        }
        r.gamma *= global_factor;
        r.factor = r.psi * r.gamma;
        rows[m++] = r;
    }
    m = Append_Imperfections(rows, m);
    if (m == 0) {
        std::free(rows);
        return nullptr;
    }
    *count = m;
    return rows;
}

Lkom_Row *Build_Lkom_Factor_Rows_Bridge(const Nchw_Type_Rec *type, int32_t *count, int32_t leading)
{
    int32_t dummy = 0;
    if (!count) count = &dummy;
    *count = 0;
    const int32_t n = Count_Candidates();
    if (n <= 0) return nullptr;
    Lkom_Row *rows = (Lkom_Row *)std::calloc((size_t)n, sizeof(Lkom_Row));
    if (!rows) {
        Nchw_Dlg_Alloc_Failed();
        return nullptr;
    }
    const int32_t type_id = type ? Nchw_Type_Id(type) : 0;
    int32_t m = 0;
    for (int32_t i = 0; Nchw_Lf_Table.rows && i < Nchw_Lf_Table.count; i++) {
        const Nchw_Lf_Row *l = &Nchw_Lf_Table.rows[i];
        if (!l->active) continue;
        Lkom_Row r = {l->number, 1, 0.0, 0.0, 0.0};
        const int32_t code = l->folder ? l->folder->kind : 0;
        if (code >= 101) {
            double pd = 0, ps = 0, gs = 0, gi = 0;
            Get_Nchwtyp_Beiwerte(type_id, code, Lkom_Bridge_Variant_Rec, &pd, &ps, &gs, &gi);
            r.gamma = gs;
            if (l->action && l->action->kind == 1 && l->state != 1) {
                r.unfavourable = 0;
                r.gamma = gi;
            }
            r.psi = (l->action && l->action->index == leading) ? pd : ps;
            r.factor = r.gamma * r.psi;
        }
        rows[m++] = r;
    }
    m = Append_Imperfections(rows, m);
    *count = m;
    return rows;
}

Lkom_Row *Build_Lkom_Factor_Rows_Bridge_If_Set(const Nchw_Type_Rec *type, int32_t *count,
                                               int32_t leading)
{
    if (!Lkom_Bridge_Variant_Rec) {
        if (count) *count = 0;
        return nullptr;
    }
    return Build_Lkom_Factor_Rows_Bridge(type, count, leading);
}

/* ------------------------------------------------------------------ row choice */

typedef struct Rows_Choice {
    const double *PD, *PS, *GS, *GI;
} Rows_Choice;

static bool Snow(void) { return Nchw_Global_Settings.altitude_switch == 1; }

static void Set(Rows_Choice *c, const double *pd, const double *ps, const double *gs,
                const double *gi)
{
    c->PD = pd;
    c->PS = ps;
    c->GS = gs;
    c->GI = gi;
}

/* DIN 1055-100 accidental pairs by the gamma(G) variant. */
static void Din_Spec(Rows_Choice *c, int32_t G)
{
    const Beiwert_Tables_Rec &B = Beiwert_Tables;
    if (G == 1) {
        c->GS = B.DIN1045_gamma_sup1_linear_spe1;
        c->GI = B.DIN1045_gamma_inf1_linear_spe1;
    } else if (G == 2) {
        c->GS = B.DIN1045_gamma_sup1_linear_spe2;
        c->GI = B.DIN1045_gamma_inf1_linear_spe2;
    } else {
        c->GS = B.DIN1045_gamma_sup1_linear_spec;
        c->GI = B.DIN1045_gamma_inf1_linear_spec;
    }
}

static bool Choose_Din1055(Rows_Choice *c, int32_t T, int32_t L, int32_t Z, int32_t G, bool acc,
                           bool eq, bool nonlinear)
{
    const Beiwert_Tables_Rec &B = Beiwert_Tables;
    const double *p0 = Snow() ? B.DIN1045_psi_0snow : B.DIN1045_psi_0;
    const double *p1 = Snow() ? B.DIN1045_psi_1snow : B.DIN1045_psi_1;
    const double *p2 = Snow() ? B.DIN1045_psi_2snow : B.DIN1045_psi_2;
    if (L == 2) {
        const double *gs = B.gamma_sup_gebrauch_allways, *gi = B.gamma_inf_gebrauch_allways;
        if (Z == 1) Set(c, B.DIN1045_psi_X, p0, gs, gi);
        else if (Z == 2) Set(c, p1, p2, gs, gi);
        else Set(c, p2, p2, gs, gi);
        return true;
    }
    if (acc) {
        Set(c, p1, p2, nullptr, nullptr);
        Din_Spec(c, G);
    } else if (eq) {
        Set(c, p2, p2, nullptr, nullptr);
        Din_Spec(c, G);
    } else if (T == 33) {
        Set(c, B.DIN1045_psi_mued, B.DIN1045_psi_mued, B.DIN1045_gamma_sup1_linear_mued,
            B.DIN1045_gamma_inf1_linear_mued);
    } else if (T == 71 || T == 72 || T == 124) {
        Set(c, p1, p2, B.DIN1045_gamma_sup1_linear_spec, B.DIN1045_gamma_inf1_linear_spec);
    } else if (T == 81 || T == 82) {
        Set(c, p2, p2, B.DIN1045_gamma_sup1_linear_spec, B.DIN1045_gamma_inf1_linear_spec);
    } else if (G == 1) {
        Set(c, B.DIN1045_psi_X, p0,
            nonlinear ? B.DIN1045_gamma_sup1_nonlin_nor1 : B.DIN1045_gamma_sup1_linear_nor1,
            B.DIN1045_gamma_inf1_linear_nor1);
    } else if (G == 2) {
        Set(c, B.DIN1045_psi_X, p0,
            nonlinear ? B.DIN1045_gamma_sup1_nonlin_nor2 : B.DIN1045_gamma_sup1_linear_nor2,
            B.DIN1045_gamma_inf1_linear_nor2);
    } else {
        Set(c, B.DIN1045_psi_X, p0,
            nonlinear ? B.DIN1045_gamma_sup1_nonlin_norm : B.DIN1045_gamma_sup1_linear_norm,
            B.DIN1045_gamma_inf1_linear_norm);
    }
    return true;
}

static void Choose_Eurocode(Rows_Choice *c, int32_t T, int32_t L, int32_t Z, bool acc, bool eq)
{
    const Beiwert_Tables_Rec &B = Beiwert_Tables;
    const double *gs = B.Eurocode_gamma_sup_gebrauch, *gi = B.Eurocode_gamma_inf_gebrauch;
    if (L == 2) {
        if (Z == 1) Set(c, B.Eurocode_psi_X, B.Eurocode_psi_0, gs, gi);
        else if (Z == 2) Set(c, B.Eurocode_psi_1, B.Eurocode_psi_2, gs, gi);
        else Set(c, B.Eurocode_psi_2, B.Eurocode_psi_2, gs, gi);
    } else if (T == 43) {
        Set(c, B.Eurocode_psi_1, B.Eurocode_psi_2, gs, gi);
    } else if (acc || T == 214 || T == 224 || T == 81 || T == 82) {
        Set(c, B.Eurocode_psi_1, B.Eurocode_psi_2, B.Eurocode_gamma_sup1_spec,
            B.Eurocode_gamma_inf1_spec);
    } else if (eq) {
        Set(c, B.Eurocode_psi_2E, B.Eurocode_psi_2E, B.Eurocode_gamma_sup1_erdbeben,
            B.Eurocode_gamma_inf1_erdbeben);
    } else {
        Set(c, B.Eurocode_psi_X, B.Eurocode_psi_0, B.Eurocode_gamma_sup1_norm,
            B.Eurocode_gamma_inf1_norm);
    }
}

/* ------------------------------------------------------------------ messages */

static void Quiet_Message(const char *title, const char *const *lines)
{
    if (Xtr_Message_Switch) return;
    Nchw_Dlg_Message(title, lines);
}

static void Situation_Messages(int32_t T, int32_t F, int32_t L, bool acc, bool eq, bool several)
{
    if (T == 43 && F == LKOM_FAM_EUROCODE && (acc || eq)) {
        static const char *const w[] = {"Sonder- und Erdbebenlasten werden",
                                        "beim Erm\x81"
                                        "dungsnachweis",
                                        "i.d.R. nicht angesetzt!", nullptr};
        Quiet_Message("Warnung", w);
        return;
    }
    if (L == 2) {
        if (acc) {
            static const char *const w[] = {"Sonderlasten werden beim",
                                            "Gebrauchstauglichkeitsnachweis",
                                            "i.d.R. nicht angesetzt!", nullptr};
            Quiet_Message("Warnung", w);
        }
        return;
    }
    if (acc && (F == LKOM_FAM_DIN1055 || F == LKOM_FAM_EUROCODE || F == LKOM_FAM_DIN18800)) {
        const char *lines[12];
        int n = 0;
        lines[n++] = "Einwirkungen vom Typ \"Sonderlast\" bewirken";
        lines[n++] = F == LKOM_FAM_DIN18800 ? "eine \"au\xE1"
                                              "ergew\x94hnliche Kombination\"!"
                                            : "eine \"au\xE1"
                                              "ergew\x94hnliche Bemessungssituation\"!";
        if (several) {
            lines[n++] = " ";
            lines[n++] = "------- WARNUNG: -------";
            lines[n++] = "Es sind mehr als eine";
            lines[n++] = "Sonderlasteinwirkung";
            lines[n++] = "ausgew\x84hlt !?!";
            lines[n++] = "-----------------------------";
        }
        lines[n] = nullptr;
        Quiet_Message(nullptr, lines);
    } else if (eq) {
        static const char *const m[] = {"Einwirkungen vom Typ \"Erdbeben\" bewirken",
                                        "eine \"Erdbeben-Bemessungssituation\"!", nullptr};
        Quiet_Message(nullptr, m);
    }
}

/* ------------------------------------------------------------------ user-defined rows */

Lkom_Row *Build_Udef_Lkom_Factors(const Nchw_Type_Rec *type, int32_t *count, int32_t F,
                                  int32_t leading, int32_t L, int32_t Z, int32_t G)
{
    int32_t dummy = 0;
    if (!count) count = &dummy;
    *count = 0;
    if (!type || !(Nchw_Type_Int(type, NCHW_TI_RULES_USED) & F)) return nullptr;
    if ((L != 1 && L != 2) || (Z != 1 && Z != 2 && Z != 4) || G < 0 || G > 2) return nullptr;
    const int32_t T = Nchw_Type_Id(type);
    Lkom_Rows_Imp_Mode = Nchw_Type_Int(type, 10) == 2 ? 1 : 0;

    /* the design situation that the active load cases bring about */
    bool acc = false, eq = false, several = false;
    const Nchw_Einw_Row *first_acc = nullptr;
    for (int32_t i = 0; Nchw_Lf_Table.rows && i < Nchw_Lf_Table.count; i++) {
        const Nchw_Lf_Row *l = &Nchw_Lf_Table.rows[i];
        if (!l->active || !l->action) continue;
        if (l->action->kind == 99) {
            if (first_acc && first_acc != l->action) several = true;
            if (!first_acc) first_acc = l->action;
            acc = true;
        } else if (l->action->kind == 100) {
            eq = true;
        }
    }

    Rows_Choice c = {};
    double global = 1.0;
    const Beiwert_Tables_Rec &B = Beiwert_Tables;
    switch (F) {
    case LKOM_FAM_DIN1055:
        Choose_Din1055(&c, T, L, Z, G, acc, eq, Nchw_Type_Int(type, 10) == 2);
        break;
    case LKOM_FAM_EUROCODE: Choose_Eurocode(&c, T, L, Z, acc, eq); break;
    case LKOM_FAM_DIN18800:
        if (acc)
            Set(&c, B.DIN18800_psi_H, B.DIN18800_psi_H, B.DIN18800_gamma_sup1_spec,
                B.DIN18800_gamma_inf1_spec);
        else
            Set(&c, B.DIN18800_psi_N, B.DIN18800_psi_H, B.DIN18800_gamma_sup1_norm,
                B.DIN18800_gamma_inf1_norm);
        break;
    case LKOM_FAM_CHAR:
        Set(&c, B.DIN1045_psi_X, B.DIN1045_psi_X,
            T == 2               ? B.gamma_altenorm_NCHW002_sup
            : (T == 1 || T == 9) ? B.gamma_altenorm_NCHW001_sup
                                 : B.gamma_altenorm_allways_sup,
            B.gamma_altenorm_allways_inf);
        global = type->value > 0.0 ? type->value : 1.0;
        break;
    case LKOM_FAM_DIN1072:
    case LKOM_FAM_BRIDGE: break;
    default: return nullptr;
    }
    Situation_Messages(T, F, L, acc, eq, several);

    Lkom_Row *rows = nullptr;
    if (F == LKOM_FAM_DIN1072 || F == LKOM_FAM_BRIDGE) {
        rows = Build_Lkom_Factor_Rows_Bridge_If_Set(type, count, leading);
    } else {
        rows = Build_Lkom_Factor_Rows(F, leading, c.GI, c.GS, c.PD, c.PS, count, global);
    }
    if (!rows) return nullptr;

    if (F == LKOM_FAM_EUROCODE && L == 1 && T == 43) {
        /* an action that always acts in full keeps its whole gamma */
        for (int32_t r = 0; r < *count; r++) {
            const Nchw_Lf_Row *l =
                rows[r].number > 0 ? Nchw_Lf_Table_Find(rows[r].number) : nullptr;
            if (l && l->action && l->action->setting_a != 0) {
                rows[r].psi = 1.0;
                rows[r].factor = rows[r].gamma;
            }
        }
    }
    if (c.PS && (T == 214 || T == 224 || T == 81 || T == 82)) {
        const NAD_EC1_Tables *t = Get_NAD_EC1_Tables();
        for (int32_t r = 0; t && r < *count; r++) {
            const Nchw_Lf_Row *l =
                rows[r].number > 0 ? Nchw_Lf_Table_Find(rows[r].number) : nullptr;
            if (!l || !l->action || l->action->index != leading) continue;
            const Nchw_Einw_Row *a = l->action;
            if ((a->kind != 2 && a->kind != 4) || a->psi_index < 0 || a->psi_index > 10) continue;
            if (a->psi_index == 7 && t->data_b == 2) rows[r].psi = c.PS[7];
            else if (a->psi_index != 7 && t->data_a == 2) rows[r].psi = c.PS[a->psi_index];
            rows[r].factor = rows[r].psi * rows[r].gamma;
        }
    }
    for (int32_t r = 0; r < *count; r++) {
        if (rows[r].factor == 0.0) {
            static const char *const z[] = {"Gem\x84\xE1 Anwendung der aktuellen Norm",
                                            "ergeben sich einige Faktoren zu 0!", " ",
                                            "Bitte \x81"
                                            "berpr\x81"
                                            "fen Sie die entsprechenden Zeilen.",
                                            nullptr};
            Quiet_Message(nullptr, z);
            break;
        }
    }
    return rows;
}

char *Lkom_Format_Factor_5_2(double value, char *out)
{
    snprintf(out, 32, "%5.2f", value);
    return out;
}

char *Lkom_Format_Factor_2(double value, char *out)
{
    snprintf(out, 32, "%.2f", value);
    return out;
}
