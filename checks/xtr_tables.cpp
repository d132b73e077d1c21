/*
** Builders of the standard extremal-rule tables. Gamma rows are indexed by action category
** 1..6 (element k-1), psi rows by the 0-based psi index of the flat action table. A snow row of
** DIN 1045 replaces its plain row when the general settings put the structure above 1000 m.
*/
#include "checks/xtr_tables.h"
#include "checks/beiwert.h"
#include "checks/bridge_coeff.h"
#include "checks/nchw_def.h"
#include "checks/nchw_settings.h"
#include "foundation/codepage.h"
#include "nad/nad.h"
#include "platform/zelkwin.h"

#include <cstdlib>
#include <cstring>

Nchw_Einw_Row *Xtr_Found_Action = nullptr;
double Xtr_Kmod_Accidental = 0.01;
double Xtr_Kmod_Earthquake = 0.01;
int32_t Xtr_North_German_Plain = 0;
int32_t Xtr_Message_Switch = 0;

int32_t Nchw_Type_Int(const Nchw_Type_Rec *type, int n)
{
    if (!type || n < 0 || n > 10) return 0;
    return n < 4 ? type->ints0_3[n] : type->ints4_10[n - 4];
}

/* ------------------------------------------------------------------ row builder */

Xtr_Row *Build_Xtr_Rows(int32_t mode, const double *GI, const double *GS, const double *PD,
                        const double *PS, int32_t *count, int32_t variant)
{
    const int32_t n = mode == 0 ? (Nchw_Einw_Table.rows ? Nchw_Einw_Table.count : 0)
                                : (Nchw_Lf_Table.rows ? Nchw_Lf_Table.count : 0);
    int32_t taking = 0;
    for (int32_t i = 0; i < n; i++)
        if (mode == 0 ? Nchw_Einw_Table.rows[i].active : Nchw_Lf_Table.rows[i].active) taking++;
    if (taking == 0 || !GI || !GS || !PD || !PS) return nullptr;
    Xtr_Row *rows = (Xtr_Row *)calloc((size_t)taking, sizeof(Xtr_Row));
    if (!rows) {
        if (count) *count = 0;
        return nullptr;
    }
    int32_t m = 0;
    for (int32_t i = 0; i < n; i++) {
        const Nchw_Einw_Row *a;
        int32_t number;
        if (mode == 0) {
            a = &Nchw_Einw_Table.rows[i];
            if (!a->active) continue;
            number = a->number;
        } else {
            const Nchw_Lf_Row *lf = &Nchw_Lf_Table.rows[i];
            if (!lf->active) continue;
            a = lf->action;
            number = lf->number;
            if (!a) continue;
        }
        const int32_t k = a->kind, pi = a->psi_index;
        if (pi < 0 || pi > 10) continue; /* an action without a valid psi index takes no part */
        Xtr_Row r = {number, 1.0, 1.0, 0.0, 0.0};
        if (k >= 99) {
            r.gamma_sup = GS[5];
            r.gamma_inf = GI[5];
        } else if (k >= 1 && k <= 6) {
            r.gamma_sup = GS[k - 1];
            r.gamma_inf = GI[k - 1];
            if (k == 2 || k == 4) {
                r.psi_dom = PD[pi];
                r.psi_sub = PS[pi];
            }
        } else {
            continue;
        }
        if (variant == 0) {
            if ((k == 2 || k == 4) && r.psi_dom <= 0.0 && r.psi_sub <= 0.0) continue;
            if (mode == 0 && r.gamma_sup <= 0.0) continue;
            if (mode == 1 && r.gamma_sup <= 0.0 && r.gamma_inf <= 0.0) continue;
        }
        rows[m++] = r;
    }
    if (count) *count = m;
    return rows;
}

/* ------------------------------------------------------------------ row choices */

typedef struct Row_Choice {
    const double *PD, *PS, *GS, *GI;
} Row_Choice;

static bool Snow(void) { return Nchw_Global_Settings.altitude_switch == 1; }
static const double *Din_Psi0(void)
{
    return Snow() ? Beiwert_Tables.DIN1045_psi_0snow : Beiwert_Tables.DIN1045_psi_0;
}
static const double *Din_Psi1(void)
{
    return Snow() ? Beiwert_Tables.DIN1045_psi_1snow : Beiwert_Tables.DIN1045_psi_1;
}
static const double *Din_Psi2(void)
{
    return Snow() ? Beiwert_Tables.DIN1045_psi_2snow : Beiwert_Tables.DIN1045_psi_2;
}

static void Pair(Row_Choice *c, const double *gs, const double *gi)
{
    c->GS = gs;
    c->GI = gi;
}
static void Psi(Row_Choice *c, const double *pd, const double *ps)
{
    c->PD = pd;
    c->PS = ps;
}

/* The linear_spec, linear_spe1, linear_spe2 pair for G = 0, 1, 2; false above. */
static bool Din_Spec_Pair(Row_Choice *c, int32_t G)
{
    const Beiwert_Tables_Rec &B = Beiwert_Tables;
    if (G == 0) Pair(c, B.DIN1045_gamma_sup1_linear_spec, B.DIN1045_gamma_inf1_linear_spec);
    else if (G == 1) Pair(c, B.DIN1045_gamma_sup1_linear_spe1, B.DIN1045_gamma_inf1_linear_spe1);
    else if (G == 2) Pair(c, B.DIN1045_gamma_sup1_linear_spe2, B.DIN1045_gamma_inf1_linear_spe2);
    else return false;
    return true;
}

/* The linear_norm, linear_nor1, linear_nor2 pair for G = 0, 1, 2; false above. */
static bool Din_Norm_Pair(Row_Choice *c, int32_t G)
{
    const Beiwert_Tables_Rec &B = Beiwert_Tables;
    if (G == 0) Pair(c, B.DIN1045_gamma_sup1_linear_norm, B.DIN1045_gamma_inf1_linear_norm);
    else if (G == 1) Pair(c, B.DIN1045_gamma_sup1_linear_nor1, B.DIN1045_gamma_inf1_linear_nor1);
    else if (G == 2) Pair(c, B.DIN1045_gamma_sup1_linear_nor2, B.DIN1045_gamma_inf1_linear_nor2);
    else return false;
    return true;
}

/* Serviceability rows of DIN 1055-100 by combination Z; false for another Z. */
static bool Din_Sls(Row_Choice *c, int32_t Z)
{
    const Beiwert_Tables_Rec &B = Beiwert_Tables;
    Pair(c, B.gamma_sup_gebrauch_allways, B.gamma_inf_gebrauch_allways);
    if (Z == 1) Psi(c, B.DIN1045_psi_X, Din_Psi0());
    else if (Z == 2) Psi(c, Din_Psi1(), Din_Psi2());
    else if (Z == 4) Psi(c, Din_Psi2(), Din_Psi2());
    else return false;
    return true;
}

/* Serviceability rows of the Eurocode by combination Z; false for another Z. */
static bool Ec_Sls(Row_Choice *c, int32_t Z)
{
    const Beiwert_Tables_Rec &B = Beiwert_Tables;
    Pair(c, B.Eurocode_gamma_sup_gebrauch, B.Eurocode_gamma_inf_gebrauch);
    if (Z == 1) Psi(c, B.Eurocode_psi_X, B.Eurocode_psi_0);
    else if (Z == 2) Psi(c, B.Eurocode_psi_1, B.Eurocode_psi_2);
    else if (Z == 4) Psi(c, B.Eurocode_psi_2, B.Eurocode_psi_2);
    else return false;
    return true;
}

static void Ec_Acc(Row_Choice *c)
{
    const Beiwert_Tables_Rec &B = Beiwert_Tables;
    Psi(c, B.Eurocode_psi_1, B.Eurocode_psi_2);
    Pair(c, B.Eurocode_gamma_sup1_spec, B.Eurocode_gamma_inf1_spec);
}

static bool Is_Special_Ec1_Type(int32_t T) { return T == 81 || T == 82 || T == 214 || T == 224; }

/* Old code: psi_X both ways, gamma_sup by the type id. */
static void Old_Code(Row_Choice *c, int32_t T)
{
    const Beiwert_Tables_Rec &B = Beiwert_Tables;
    Psi(c, B.DIN1045_psi_X, B.DIN1045_psi_X);
    c->GI = B.gamma_altenorm_allways_inf;
    c->GS = T == 1   ? B.gamma_altenorm_NCHW001_sup
            : T == 2 ? B.gamma_altenorm_NCHW002_sup
                     : B.gamma_altenorm_allways_sup;
}

/*
** The rows of type 43 (fatigue) over the actions (mode 0) or load cases (mode 1) taking part:
** serviceability gammas, psi_1 / psi_2, all rows kept; an action with setting A set takes both
** psi 1.0.
*/
static Xtr_Row *Build_Ec43(int32_t mode, int32_t *count)
{
    const Beiwert_Tables_Rec &B = Beiwert_Tables;
    Xtr_Row *t = Build_Xtr_Rows(mode, B.Eurocode_gamma_inf_gebrauch, B.Eurocode_gamma_sup_gebrauch,
                                B.Eurocode_psi_1, B.Eurocode_psi_2, count, 1);
    if (!t) return nullptr;
    for (int32_t r = 0; r < *count; r++) {
        const Nchw_Lf_Row *lf = mode == 1 ? Nchw_Lf_Table_Find(t[r].number) : nullptr;
        const Nchw_Einw_Row *a = mode == 0 ? Nchw_Einw_Table_Find(t[r].number)
                                 : lf      ? lf->action
                                           : nullptr;
        if (a && a->setting_a != 0) t[r].psi_dom = t[r].psi_sub = 1.0;
    }
    return t;
}

/* ------------------------------------------------------------------ standard table */

Xtr_Row *Build_Standard_Xtr_Table(const Nchw_Rec *check, int32_t *count, int32_t *rule,
                                  int32_t *table_mode, int32_t *check_kind, int32_t *combination)
{
    int32_t dummy = 0;
    if (!count) count = &dummy;
    *count = 0;
    if (!check || !check->type) return nullptr;
    const Nchw_Type_Rec *type = check->type;
    if (Nchw_Compute_Mode_Index < 0 || Nchw_Compute_Mode_Index > 30
        || !(Nchw_Type_Int(type, 2) & (1 << Nchw_Compute_Mode_Index)))
        return nullptr;
    const int32_t T = Nchw_Type_Int(type, 0), R = Nchw_Type_Int(type, 9);
    const int32_t K = Nchw_Type_Int(type, 5), Z = Nchw_Type_Int(type, 7);
    const Beiwert_Tables_Rec &B = Beiwert_Tables;
    auto report = [&](int32_t mode) {
        if (rule) *rule = R;
        if (table_mode) *table_mode = mode;
        if (check_kind) *check_kind = K;
        if (combination) *combination = Z;
    };
    Row_Choice c = {};
    switch (R) {
    case 1:
        if (K == 1) {
            if (T == 33) {
                Psi(&c, B.DIN1045_psi_mued, B.DIN1045_psi_mued);
                Pair(&c, B.DIN1045_gamma_sup1_linear_mued, B.DIN1045_gamma_inf1_linear_mued);
            } else if (T == 71 || T == 72 || T == 124) {
                Psi(&c, Din_Psi1(), Din_Psi2());
                Din_Spec_Pair(&c, 0);
            } else if (T == 81 || T == 82) {
                Psi(&c, Din_Psi2(), Din_Psi2());
                Din_Spec_Pair(&c, 0);
            } else {
                Psi(&c, B.DIN1045_psi_X, Din_Psi0());
                const int32_t g = Nchw_Global_Settings.din1055_gamma_g;
                Din_Norm_Pair(&c, g == 2 ? 1 : g == 3 ? 2 : 0);
            }
        } else if (K == 2) {
            if (!Din_Sls(&c, Z)) return nullptr;
        } else {
            return nullptr;
        }
        break;
    case 2:
        if (T == 43) { /* the standard fatigue table: every action below kind 99 */
            for (int32_t i = 0; Nchw_Einw_Table.rows && i < Nchw_Einw_Table.count; i++)
                Nchw_Einw_Table.rows[i].active = Nchw_Einw_Table.rows[i].kind < 99 ? 1 : 0;
            Xtr_Row *t = Build_Ec43(0, count);
            report(0);
            return t;
        }
        if (K == 1) {
            if (Is_Special_Ec1_Type(T)) {
                Ec_Acc(&c);
            } else {
                Psi(&c, B.Eurocode_psi_X, B.Eurocode_psi_0);
                Pair(&c, B.Eurocode_gamma_sup1_norm, B.Eurocode_gamma_inf1_norm);
            }
        } else if (K == 2) {
            if (!Ec_Sls(&c, Z)) return nullptr;
        } else {
            return nullptr;
        }
        break;
    case 4:
        Psi(&c, B.DIN18800_psi_N, B.DIN18800_psi_H);
        Pair(&c, B.DIN18800_gamma_sup1_norm, B.DIN18800_gamma_inf1_norm);
        break;
    case 8: Old_Code(&c, T); break;
    case 16:
    case 32: {
        for (int32_t i = 0; Nchw_Lf_Table.rows && i < Nchw_Lf_Table.count; i++)
            Nchw_Lf_Table.rows[i].active = 1;
        Xtr_Row *t = Build_Bridge_Xtr_Table(check, count, 0);
        report(1);
        return t;
    }
    default: return nullptr;
    }
    for (int32_t i = 0; Nchw_Einw_Table.rows && i < Nchw_Einw_Table.count; i++)
        Nchw_Einw_Table.rows[i].active = (Nchw_Einw_Table.rows[i].kind >= 99 && R != 8) ? 0 : 1;
    Xtr_Row *t = Build_Xtr_Rows(0, c.GI, c.GS, c.PD, c.PS, count, 0);
    if (t && Is_Special_Ec1_Type(T)) Apply_EC1_Psi_Rule(0, t, *count);
    report(0);
    return t;
}

/* ------------------------------------------------------------------ messages */

static void Show_Lines(const char *title, const char *const *lines, int n)
{
    if (Xtr_Message_Switch) return;
    Init_Message();
    if (title) Set_Message_Title(title);
    for (int i = 0; i < n; i++) Fill_Message(lines[i]);
    Draw_Message();
}

static const char *const Msg_Acc_B[] = {"Einwirkungen vom Typ \"Sonderlast\" bewirken",
                                        "eine \"au\xE1"
                                        "ergew\x94hnliche Bemessungssituation\"!"};
static const char *const Msg_Acc_K[] = {"Einwirkungen vom Typ \"Sonderlast\" bewirken",
                                        "eine \"au\xE1"
                                        "ergew\x94hnliche Kombination\"!"};
static const char *const Msg_EQ[] = {"Einwirkungen vom Typ \"Erdbeben\" bewirken",
                                     "eine \"Erdbeben-Bemessungssituation\"!"};
static const char *const Msg_W_S[] = {"Sonderlasten werden beim", "Gebrauchstauglichkeitsnachweis",
                                      "i.d.R. nicht angesetzt!"};
static const char *const Msg_W_SE[] = {"Sonder- und Erdbebenlasten werden",
                                       "beim Gebrauchstauglichkeitsnachweis",
                                       "i.d.R. nicht angesetzt!"};
static const char *const Msg_W_F[] = {"Sonder- und Erdbebenlasten werden",
                                      "beim Erm\x81"
                                      "dungsnachweis",
                                      "i.d.R. nicht angesetzt!"};

static const char Block_Sonderlastfaelle[] = "Sonderlastf\x84lle";
static const char Block_Erdbebenlastfaelle[] = "Erdbebenlastf\x84lle";
static const char Block_Sonderlasteinwirkung[] = "Sonderlasteinwirkung";

static void Msg(const char *const *lines, int n, const char *block = nullptr)
{
    if (Xtr_Message_Switch) return;
    Init_Message();
    for (int i = 0; i < n; i++) Fill_Message(lines[i]);
    if (block) {
        Fill_Message(" ");
        Fill_Message("------- WARNUNG: -------");
        Fill_Message(block == Block_Sonderlasteinwirkung ? "Es sind mehr als eine"
                                                         : "Es sind mehrere");
        Fill_Message(block);
        Fill_Message("ausgew\x84hlt !?!");
        Fill_Message("-----------------------------");
    }
    Draw_Message();
}

static void Warn(const char *const *lines, int n) { Show_Lines("Warnung", lines, n); }

void Msg_Nchw_Nicht_Erlaubt(const char *name)
{
    Init_Message();
    Fill_Message("Rot dargestellte Listenelemente");
    Fill_Message("sind im aktuellen Nachweis");
    Fill_Message(name ? name : "");
    Fill_Message("nicht erlaubt!");
    Draw_Message();
}

/* ------------------------------------------------------------------ situation table */

Xtr_Row *Build_Situation_Xtr_Table(const Nchw_Rec *check, int32_t *count, int32_t R, int32_t M,
                                   int32_t K, int32_t Z, int32_t G)
{
    int32_t dummy = 0;
    if (!count) count = &dummy;
    *count = 0;
    if (!check || !check->type) return nullptr;
    const Nchw_Type_Rec *type = check->type;
    const int32_t T = Nchw_Type_Int(type, 0);
    const int32_t R9 = Nchw_Type_Int(type, 9);
    if (R9 == 16 || R9 == 32) return Build_Bridge_Xtr_Table(check, count, 1);
    const Beiwert_Tables_Rec &B = Beiwert_Tables;

    int32_t nA = 0, nE = 0;
    if (M == 0) {
        for (int32_t i = 0; Nchw_Einw_Table.rows && i < Nchw_Einw_Table.count; i++) {
            const Nchw_Einw_Row *a = &Nchw_Einw_Table.rows[i];
            if (!a->active) continue;
            if (a->kind == 99) nA++;
            if (a->kind == 100) nE++;
        }
    } else {
        for (int32_t i = 0; Nchw_Lf_Table.rows && i < Nchw_Lf_Table.count; i++) {
            const Nchw_Lf_Row *l = &Nchw_Lf_Table.rows[i];
            if (!l->active || !l->action) continue;
            if (l->action->kind == 99) nA++;
            if (l->action->kind == 100) nE++;
        }
    }
    const bool no_lf = !Nchw_Lf_Table.rows || Nchw_Lf_Table.count == 0;

    /* the row sets of the table */
    Row_Choice c = {};
    auto din_fund = [&]() -> bool {
        if (Nchw_Type_Int(type, 7) == 1) {
            Psi(&c, B.DIN1045_psi_mued, B.DIN1045_psi_mued);
            Pair(&c, B.DIN1045_gamma_sup1_linear_mued, B.DIN1045_gamma_inf1_linear_mued);
            return true;
        }
        if (T == 71 || T == 72 || T == 124) {
            Psi(&c, Din_Psi1(), Din_Psi2());
            return Din_Spec_Pair(&c, 0);
        }
        if (T == 81 || T == 82) {
            Psi(&c, Din_Psi2(), Din_Psi2());
            return Din_Spec_Pair(&c, 0);
        }
        Psi(&c, B.DIN1045_psi_X, Din_Psi0());
        return Din_Norm_Pair(&c, G);
    };
    auto din_acc = [&]() -> bool {
        Psi(&c, Din_Psi1(), Din_Psi2());
        return Din_Spec_Pair(&c, G);
    };
    auto ec_fund = [&]() {
        if (T == 71 || T == 72 || T == 124 || Is_Special_Ec1_Type(T)) {
            Ec_Acc(&c);
        } else {
            Psi(&c, B.Eurocode_psi_X, B.Eurocode_psi_0);
            Pair(&c, B.Eurocode_gamma_sup1_norm, B.Eurocode_gamma_inf1_norm);
        }
    };
    auto din18800_norm = [&]() {
        Psi(&c, B.DIN18800_psi_N, B.DIN18800_psi_H);
        Pair(&c, B.DIN18800_gamma_sup1_norm, B.DIN18800_gamma_inf1_norm);
    };
    auto din18800_acc = [&]() {
        Psi(&c, B.DIN18800_psi_H, B.DIN18800_psi_H);
        Pair(&c, B.DIN18800_gamma_sup1_spec, B.DIN18800_gamma_inf1_spec);
    };
    bool ec43 = false, ok = true;

    if (M == 0 && Xtr_North_German_Plain) {
        if (R == 1 && K == 1) {
            Msg(Msg_Acc_B, 2);
            ok = din_acc();
        } else if (R == 1 && K == 2) {
            Warn(Msg_W_S, 3);
            ok = Din_Sls(&c, Z);
        } else if (R == 2 && K == 1) {
            if (T == 43) {
                Warn(Msg_W_F, 3);
                ec43 = true;
            } else {
                Msg(Msg_Acc_B, 2);
                Ec_Acc(&c);
            }
        } else if (R == 2 && K == 2) {
            Warn(Msg_W_SE, 3);
            ok = Ec_Sls(&c, Z);
        } else if (R == 4) {
            Msg(Msg_Acc_K, 2);
            din18800_acc();
        } else if (R == 8) {
            Old_Code(&c, T);
        } else ok = false;
    } else if (M == 1 && no_lf) {
        if (R == 1 && K == 1) ok = din_fund();
        else if (R == 1 && K == 2) ok = Din_Sls(&c, Z);
        else if (R == 2 && K == 1) {
            if (T == 43) ec43 = true;
            else ec_fund();
        } else if (R == 2 && K == 2) ok = Ec_Sls(&c, Z);
        else if (R == 4) din18800_norm();
        else if (R == 8) Old_Code(&c, T);
        else ok = false;
    } else if (R == 1 && K == 1) {
        if (nA > 0) {
            Msg(Msg_Acc_B, 2, nA > 1 ? Block_Sonderlastfaelle : nullptr);
            ok = din_acc();
        } else if (nE > 0) {
            Msg(Msg_EQ, 2, nE > 1 ? Block_Erdbebenlastfaelle : nullptr);
            Psi(&c, Din_Psi2(), Din_Psi2());
            ok = Din_Spec_Pair(&c, G);
        } else ok = din_fund();
    } else if (R == 1 && K == 2) {
        if (nA > 0) Warn(Msg_W_S, 3);
        ok = Din_Sls(&c, Z);
    } else if (R == 2 && K == 1) {
        if (T == 43) {
            if (nA > 0 || nE > 0) Warn(Msg_W_F, 3);
            ec43 = true;
        } else if (nA > 0) {
            Msg(Msg_Acc_B, 2, nA > 1 ? Block_Sonderlasteinwirkung : nullptr);
            Ec_Acc(&c);
        } else if (nE > 0) {
            Msg(Msg_EQ, 2, nE > 1 ? Block_Erdbebenlastfaelle : nullptr);
            Psi(&c, B.Eurocode_psi_2E, B.Eurocode_psi_2E);
            Pair(&c, B.Eurocode_gamma_sup1_erdbeben, B.Eurocode_gamma_inf1_erdbeben);
        } else ec_fund();
    } else if (R == 2 && K == 2) {
        if (nA > 0 || nE > 0) Warn(Msg_W_SE, 3);
        ok = Ec_Sls(&c, Z);
    } else if (R == 4) {
        if (nA > 0) {
            Msg(Msg_Acc_K, 2, nA > 1 ? Block_Sonderlastfaelle : nullptr);
            din18800_acc();
        } else din18800_norm();
    } else if (R == 8) {
        Old_Code(&c, T);
    } else {
        ok = false;
    }
    if (!ok) return nullptr;
    if (ec43) return Build_Ec43(M, count); /* the user's selection stands */
    Xtr_Row *t = Build_Xtr_Rows(M, c.GI, c.GS, c.PD, c.PS, count, 1);
    if (t && Is_Special_Ec1_Type(T)) Apply_EC1_Psi_Rule(M, t, *count);
    return t;
}

/* ------------------------------------------------------------------ bridge table */

Xtr_Row *Build_Bridge_Xtr_Table(const Nchw_Rec *check, int32_t *count, int32_t variant)
{
    int32_t dummy = 0;
    if (!count) count = &dummy;
    *count = 0;
    if (!Nchw_Lf_Table.rows || Nchw_Lf_Table.count == 0) return nullptr;
    int32_t n = 0, nA = 0, nE = 0;
    for (int32_t i = 0; i < Nchw_Lf_Table.count; i++) {
        Nchw_Lf_Row *l = &Nchw_Lf_Table.rows[i];
        if (!l->active) continue;
        int cls = 0;
        if (l->folder && l->folder->kind > 100) cls = Get_Lastgruppe_Variant(l->folder->kind);
        if (cls > 0 && !(variant & 1)) {
            l->active = 0;
            continue;
        }
        n++;
        if (cls == 1) nA++;
        if (cls == 2) nE++;
    }
    if (n == 0) return nullptr;
    int32_t situation = 0;
    if (nA > 0 && nE == 0) {
        static const char *const l[] = {"Die aktuelle Auswahl bewirkt eine ",
                                        "au\xE1"
                                        "ergew\x94hnliche Bemessungssituation."};
        Msg(l, 2);
        situation = 1;
    } else if (nE > 0 && nA == 0) {
        static const char *const l[] = {"Die aktuelle Auswahl bewirkt eine ",
                                        "Bemessungssituation vom Typ \"Erdbeben\"."};
        Msg(l, 2);
        situation = 2;
    } else if (nA > 0 && nE > 0) {
        static const char *const l[] = {"Die aktuelle Auswahl enth\x84lt sowohl Sonderlasten als",
                                        "auch Lasten vom Typ \"Erdbeben\". Diese Kombination",
                                        "ist von der Norm nicht abgedeckt. Sie wird hier als",
                                        "au\xE1"
                                        "ergew\x94hnliche Bemessungssituation behandelt!"};
        Warn(l, 4);
        situation = 1;
    }
    Set_Application_Flag(situation);
    Xtr_Row *rows = (Xtr_Row *)calloc((size_t)n, sizeof(Xtr_Row));
    if (!rows) return nullptr;
    const int32_t T = check && check->type ? Nchw_Type_Int(check->type, 0) : 0;
    const int32_t *vrec = check ? check->option_values : nullptr;
    int32_t m = 0;
    for (int32_t i = 0; i < Nchw_Lf_Table.count && m < n; i++) {
        const Nchw_Lf_Row *l = &Nchw_Lf_Table.rows[i];
        if (!l->active) continue;
        const bool bridge = l->folder && l->folder->kind > 100;
        Xtr_Row r = {l->number, 0, 0, 0, 0};
        if (bridge)
            Get_Nchwtyp_Beiwerte(T, l->folder->kind, vrec, &r.psi_dom, &r.psi_sub, &r.gamma_sup,
                                 &r.gamma_inf);
        if (variant != 0) {
            rows[m++] = r;
        } else if (bridge) {
            const bool psi_none = r.psi_dom <= 0.0 && r.psi_sub <= 0.0;
            const bool gamma_none = r.gamma_sup <= 0.0 && r.gamma_inf <= 0.0;
            if (!psi_none && !gamma_none) rows[m++] = r;
        }
    }
    *count = m;
    return rows;
}

/* ------------------------------------------------------------------ comparison and EN 1991 */

int Cmp_Xtr_Tables(const Xtr_Row *a, int32_t count_a, const Xtr_Row *b, int32_t count_b)
{
    if (count_a != count_b) return 1;
    for (int32_t i = 0; i < count_a; i++) {
        if (a[i].number != b[i].number || a[i].psi_dom != b[i].psi_dom
            || a[i].psi_sub != b[i].psi_sub || a[i].gamma_sup != b[i].gamma_sup
            || a[i].gamma_inf != b[i].gamma_inf)
            return 1;
    }
    return 0;
}

/*
** EN 1991 rule of the national annex: for a variable or restraint action the leading action
** takes its accompanying factor where the annex says so (third integer for wind, second for
** every other psi index).
*/
void Apply_EC1_Psi_Rule(int32_t mode, Xtr_Row *table, int32_t count)
{
    const NAD_EC1_Tables *t = Get_NAD_EC1_Tables();
    if (!t || !table) return;
    for (int32_t i = 0; i < count; i++) {
        const Nchw_Einw_Row *a = nullptr;
        if (mode == 0) {
            a = Nchw_Einw_Table_Find(table[i].number);
        } else {
            const Nchw_Lf_Row *l = Nchw_Lf_Table_Find(table[i].number);
            a = l ? l->action : nullptr;
        }
        if (!a || (a->kind != 2 && a->kind != 4)) continue;
        const int32_t sw = a->psi_index == 7 ? t->data_b : t->data_a;
        if (sw == 2) table[i].psi_dom = table[i].psi_sub;
    }
}

/* ------------------------------------------------------------------ finders and psi values */

static int Find_Kind(const Xtr_Rule_Rec *rule, int32_t kind, double *kmod)
{
    if (!rule || !rule->rows || rule->row_count <= 0) return 0;
    for (int32_t r = 0; r < rule->row_count; r++) {
        const Nchw_Einw_Row *a = nullptr;
        if (rule->basis[0] == 0) {
            for (int32_t i = 0; Nchw_Einw_Table.rows && i < Nchw_Einw_Table.count; i++) {
                const Nchw_Einw_Row *e = &Nchw_Einw_Table.rows[i];
                if (e->number == rule->rows[r].number && e->kind == kind) {
                    a = e;
                    break;
                }
            }
        } else {
            for (int32_t i = 0; Nchw_Lf_Table.rows && i < Nchw_Lf_Table.count; i++) {
                const Nchw_Lf_Row *l = &Nchw_Lf_Table.rows[i];
                if (l->number == rule->rows[r].number && l->action && l->action->kind == kind) {
                    a = l->action;
                    break;
                }
            }
        }
        if (a) {
            Xtr_Found_Action = (Nchw_Einw_Row *)a;
            *kmod = Kmod_Of_Kled(a->kled);
            return 1;
        }
    }
    return 0;
}

int Xtr_Rule_Find_Sonderlast(const Xtr_Rule_Rec *rule)
{
    return Find_Kind(rule, 99, &Xtr_Kmod_Accidental);
}
int Xtr_Rule_Find_Erdbeben(const Xtr_Rule_Rec *rule)
{
    return Find_Kind(rule, 100, &Xtr_Kmod_Earthquake);
}

/* The psi index that counts for a single psi value, -1 when the action takes 1.0. */
static int32_t Psi_Value_Index(const Nchw_Einw_Row *a)
{
    if (!a) return -1;
    if (a->kind == 2) return a->psi_index;
    if (a->kind == 4 && a->psi_index >= 8) return a->psi_index;
    return -1;
}

static double Psi_At(const double *row, const Nchw_Einw_Row *a)
{
    const int32_t i = Psi_Value_Index(a);
    return (i >= 0 && i <= 10) ? row[i] : 1.0;
}

double Get_Psi2_DIN1045(const Nchw_Einw_Row *a) { return Psi_At(Din_Psi2(), a); }
double Get_Psi2_Eurocode(const Nchw_Einw_Row *a)
{
    return Psi_At(Beiwert_Tables.Eurocode_psi_2, a);
}
double Get_Psi1_Eurocode(const Nchw_Einw_Row *a)
{
    return Psi_At(Beiwert_Tables.Eurocode_psi_1, a);
}
