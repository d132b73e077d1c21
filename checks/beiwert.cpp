/*
** Coefficient rows of actions and their lookup: which rows a key selects (by code family, limit
** state and combination kind), the four factors of one action, and the copy of the active
** national annex's EN 1990 partial factors and combination factors into the Eurocode rows.
*/
#include "checks/beiwert.h"
#include "checks/bridge_coeff.h"
#include "checks/nchw_rec.h"
#include "checks/nchw_settings.h"
#include "nad/nad.h"

#include <cstring>

/* ------------------------------------------------------------------ built-in rows */

const Beiwert_Tables_Rec Beiwert_Tables_Builtin = {
    /* DIN1045_psi_X */ {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1},
    /* DIN1045_psi_0 */ {0.7, 0.7, 1.0, 0.7, 0.7, 0, 0.5, 0.6, 0.6, 1.0, 0.8},
    /* DIN1045_psi_1 */ {0.5, 0.7, 0.9, 0.7, 0.5, 0, 0.2, 0.5, 0.5, 1.0, 0.7},
    /* DIN1045_psi_2 */ {0.3, 0.6, 0.8, 0.6, 0.3, 0, 0, 0, 0, 1.0, 0.5},
    /* DIN1045_psi_0snow */ {0.7, 0.7, 1.0, 0.7, 0.7, 0, 0.7, 0.6, 0.6, 1.0, 0.8},
    /* DIN1045_psi_1snow */ {0.5, 0.7, 0.9, 0.7, 0.5, 0, 0.5, 0.5, 0.5, 1.0, 0.7},
    /* DIN1045_psi_2snow */ {0.3, 0.6, 0.8, 0.6, 0.3, 0, 0.2, 0, 0, 1.0, 0.5},
    /* DIN1045_psi_mued */ {1, 1, 1, 1, 1, 0, 0, 0, 0.5, 1, 0},
    /* Eurocode_psi_X */ {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1},
    /* Eurocode_psi_0 */ {0.7, 0.7, 1.0, 0.7, 0.7, 0, 0.5, 0.6, 0.6, 1.0, 0.8},
    /* Eurocode_psi_1 */ {0.5, 0.7, 0.9, 0.7, 0.5, 0, 0.2, 0.2, 0.5, 1.0, 0.7},
    /* Eurocode_psi_2 */ {0.3, 0.6, 0.8, 0.6, 0.3, 0, 0, 0, 0, 1.0, 0.5},
    /* Eurocode_psi_2E */ {0.3, 0.6, 0.8, 0.6, 0.3, 0, 0.5, 0, 0, 1.0, 0.5},
    /* DIN18800_psi_N */ {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1},
    /* DIN18800_psi_H */ {0.9, 0.9, 0.9, 0.9, 0.9, 0.9, 0.9, 0.9, 0.9, 0.9, 0.9},

    /* DIN1045_gamma_sup1_linear_norm */ {1.35, 1.5, 1.35, 1.0, 1.0, 0},
    /* DIN1045_gamma_inf1_linear_norm */ {1.0, 0, 0, 0, 1.0, 0},
    /* DIN1045_gamma_sup1_nonlin_norm */ {1.35, 1.5, 1.35, 1.5, 1.0, 0},
    /* DIN1045_gamma_sup1_linear_nor1 */ {1.1, 1.5, 1.35, 1.0, 1.0, 0},
    /* DIN1045_gamma_inf1_linear_nor1 */ {0.9, 0, 0, 0, 1.0, 0},
    /* DIN1045_gamma_sup1_nonlin_nor1 */ {1.1, 1.5, 1.35, 1.5, 1.0, 0},
    /* DIN1045_gamma_sup1_linear_nor2 */ {1.05, 1.5, 1.35, 1.0, 1.0, 0},
    /* DIN1045_gamma_inf1_linear_nor2 */ {0.95, 0, 0, 0, 1.0, 0},
    /* DIN1045_gamma_sup1_nonlin_nor2 */ {1.05, 1.5, 1.35, 1.5, 1.0, 0},
    /* DIN1045_gamma_sup1_linear_spec */ {1, 1, 1, 1, 1, 1},
    /* DIN1045_gamma_inf1_linear_spec */ {1, 0, 1, 0, 1, 1},
    /* DIN1045_gamma_sup1_linear_spe1 */ {1, 1, 1, 1, 1, 1},
    /* DIN1045_gamma_inf1_linear_spe1 */ {1, 0, 1, 0, 1, 1},
    /* DIN1045_gamma_sup1_linear_spe2 */ {1, 1, 1, 1, 1, 1},
    /* DIN1045_gamma_inf1_linear_spe2 */ {1, 0, 0, 0, 1, 1},
    /* DIN1045_gamma_sup1_linear_mued */ {1, 1, 0, 1, 1, 0},
    /* DIN1045_gamma_inf1_linear_mued */ {1, 0, 0, 1, 1, 0},
    /* Eurocode_gamma_sup1_norm */ {1.35, 1.5, 1.35, 1.0, 1.0, 0},
    /* Eurocode_gamma_inf1_norm */ {1.0, 0, 0, 0, 1.0, 0},
    /* Eurocode_gamma_sup1_spec */ {1, 1, 1, 1, 1, 1},
    /* Eurocode_gamma_inf1_spec */ {1, 0, 1, 0, 1, 1},
    /* Eurocode_gamma_sup1_erdbeben */ {1, 1, 1, 1, 1, 1},
    /* Eurocode_gamma_inf1_erdbeben */ {1, 0, 1, 0, 1, 1},
    /* Eurocode_gamma_sup_gebrauch */ {1, 1, 1, 1, 1, 0},
    /* Eurocode_gamma_inf_gebrauch */ {1, 0, 1, 0, 1, 0},
    /* DIN18800_gamma_sup1_norm */ {1.35, 1.5, 1.5, 1.5, 1.2, 0},
    /* DIN18800_gamma_inf1_norm */ {1.0, 0, 0, 0, 1.0, 0},
    /* DIN18800_gamma_sup1_spec */ {1, 1, 1, 1, 1, 1},
    /* DIN18800_gamma_inf1_spec */ {1, 0, 0, 0, 1, 0},
    /* gamma_altenorm_allways_sup */ {1, 1, 1, 1, 1, 1},
    /* gamma_altenorm_allways_inf */ {1, 0, 0, 0, 0, 0},
    /* gamma_altenorm_NCHW001_sup */ {1, 1, 1, 0.5714, 1, 1},
    /* gamma_altenorm_NCHW002_sup */ {1, 0.8, 0.8, 1, 1, 0.8},
    /* gamma_sup_gebrauch_allways */ {1, 1, 1, 1, 1, 0},
    /* gamma_inf_gebrauch_allways */ {1, 0, 0, 0, 1, 0},
};

Beiwert_Tables_Rec Beiwert_Tables = Beiwert_Tables_Builtin;

const Einw_Beiwert_Key Default_Einw_Beiwert_Key = {0, 1, 1, 2, 1, 2, 1, -1, 0, nullptr};

Einw_Beiwert_Fn Einw_Beiwert_Hook = nullptr;

static const double Zero_Row[BW_PSI_N] = {0};

void Reset_Beiwert_Tables(void) { Beiwert_Tables = Beiwert_Tables_Builtin; }

/* ------------------------------------------------------------------ lookup */

/* Type ids whose fundamental combination takes the accidental rows with psi_1 / psi_2 and may
** take the accompanying psi for the leading action (fatigue and similar checks). The lookup of
** one action's factors knows 81, 82 and 224 only: type 214 gets the special rows where its rules
** and collectives are built over whole tables (the extremal-rule and collective builders), and
** the ordinary factors here, 1.0 / 0.7 and 1.5 for a variable action. */
static bool Is_Special_Ec_Type(int32_t t) { return t == 81 || t == 82 || t == 224; }

/* The national annex's EN 1991 switches may let the leading action take its accompanying
** factor: the third integer for wind (psi index 8), the second for every other index. */
static bool Ec1_Takes_Psi_Sub(int32_t psi_index)
{
    const NAD_EC1_Tables *t = Get_NAD_EC1_Tables();
    if (!t) return false;
    if (psi_index == 8) return t->data_b == 2;
    return t->data_a == 2;
}

/*
** The rows of one action's key: psi of the leading (PD) and accompanying (PS) action and the
** unfavourable (GS) and favourable (GI) partial factors, by family F, limit state L, kind K,
** variant V and check type T. Return false for a key without rows (which are then not read).
*/
static bool Select_Beiwert_Rows(const Einw_Beiwert_Key &k, const double **pd, const double **ps,
                                const double **gs, const double **gi)
{
    const Beiwert_Tables_Rec &B = Beiwert_Tables;
    const int32_t T = k.type_id, L = k.limit_state, F = k.family, V = k.variant, K = k.kind;
    const bool snow = (k.flags & 1) != 0;
    const double *PD = *pd, *PS = *ps, *GS = *gs, *GI = *gi;
    bool ok = true;
    const double *psi0 = snow ? B.DIN1045_psi_0snow : B.DIN1045_psi_0;
    const double *psi1 = snow ? B.DIN1045_psi_1snow : B.DIN1045_psi_1;
    const double *psi2 = snow ? B.DIN1045_psi_2snow : B.DIN1045_psi_2;
    auto din_pair = [&](const double *s, const double *i) {
        GS = s;
        GI = i;
    };
    auto din_spec = [&]() {
        if (V == 2) din_pair(B.DIN1045_gamma_sup1_linear_spe1, B.DIN1045_gamma_inf1_linear_spe1);
        else if (V == 4)
            din_pair(B.DIN1045_gamma_sup1_linear_spe2, B.DIN1045_gamma_inf1_linear_spe2);
        else din_pair(B.DIN1045_gamma_sup1_linear_spec, B.DIN1045_gamma_inf1_linear_spec);
    };
    auto zero_rows = [&]() { PD = PS = GS = GI = Zero_Row; };

    if (F == 1 && L == 1) {
        if (K == 1 || K == 16) {
            if (T == 33) {
                PD = PS = B.DIN1045_psi_mued;
                din_pair(B.DIN1045_gamma_sup1_linear_mued, B.DIN1045_gamma_inf1_linear_mued);
            } else if (T == 71 || T == 72 || T == 124) {
                din_pair(B.DIN1045_gamma_sup1_linear_spec, B.DIN1045_gamma_inf1_linear_spec);
                PD = psi1;
                PS = psi2;
            } else {
                if (V == 2)
                    din_pair(B.DIN1045_gamma_sup1_linear_nor1, B.DIN1045_gamma_inf1_linear_nor1);
                else if (V == 4)
                    din_pair(B.DIN1045_gamma_sup1_linear_nor2, B.DIN1045_gamma_inf1_linear_nor2);
                else din_pair(B.DIN1045_gamma_sup1_linear_norm, B.DIN1045_gamma_inf1_linear_norm);
                PS = psi0;
            }
        } else if (K == 2) {
            din_spec();
            PD = psi1;
            PS = psi2;
        } else if (K == 4) {
            din_spec();
            PD = PS = psi2;
        } else if (K == 8) {
            zero_rows();
        } else {
            ok = false;
        }
    } else if (F == 1 && L == 2 && K == 1) {
        din_pair(B.gamma_sup_gebrauch_allways, B.gamma_inf_gebrauch_allways);
        if (V == 1) {
            PS = psi0;
            PD = B.DIN1045_psi_X;
        } else if (V == 2) {
            PD = psi1;
            PS = psi2;
        } else if (V == 4) {
            PD = PS = psi2;
        } else {
            PD = PS = Zero_Row;
        }
    } else if (F == 1) {
        ok = false;
    } else if (F == 2 && L == 1) {
        if (K == 1) {
            if (Is_Special_Ec_Type(T)) {
                PD = B.Eurocode_psi_1;
                PS = B.Eurocode_psi_2;
                din_pair(B.Eurocode_gamma_sup1_spec, B.Eurocode_gamma_inf1_spec);
            } else if (T == 43) {
                din_pair(B.Eurocode_gamma_sup_gebrauch, B.Eurocode_gamma_inf_gebrauch);
                if (k.flags & 0x10000) {
                    PD = B.Eurocode_psi_1;
                    PS = B.Eurocode_psi_2;
                } else {
                    PD = PS = B.Eurocode_psi_X;
                }
            } else {
                PD = B.Eurocode_psi_X;
                PS = B.Eurocode_psi_0;
                din_pair(B.Eurocode_gamma_sup1_norm, B.Eurocode_gamma_inf1_norm);
            }
        } else if (K == 2 || K == 16) {
            PD = B.Eurocode_psi_1;
            PS = B.Eurocode_psi_2;
            din_pair(B.Eurocode_gamma_sup1_spec, B.Eurocode_gamma_inf1_spec);
        } else if (K == 4) {
            PD = PS = B.Eurocode_psi_2E;
            din_pair(B.Eurocode_gamma_sup1_erdbeben, B.Eurocode_gamma_inf1_erdbeben);
        } else if (K == 8) {
            zero_rows();
        } else {
            ok = false;
        }
    } else if (F == 2 && L == 2 && K == 1) {
        din_pair(B.Eurocode_gamma_sup_gebrauch, B.Eurocode_gamma_inf_gebrauch);
        if (V == 1) {
            PD = B.Eurocode_psi_X;
            PS = B.Eurocode_psi_0;
        } else if (V == 2) {
            PD = B.Eurocode_psi_1;
            PS = B.Eurocode_psi_2;
        } else if (V == 4) {
            PD = PS = B.Eurocode_psi_2;
        } else {
            PD = PS = Zero_Row;
        }
    } else if (F == 2) {
        ok = false;
    } else if (F == 4) {
        if (K == 1) {
            PD = B.DIN18800_psi_N;
            PS = B.DIN18800_psi_H;
            din_pair(B.DIN18800_gamma_sup1_norm, B.DIN18800_gamma_inf1_norm);
        } else if (K == 2 && L == 1) {
            PD = PS = B.DIN18800_psi_H;
            din_pair(B.DIN18800_gamma_sup1_spec, B.DIN18800_gamma_inf1_spec);
        } else if (K == 4 || K == 8) {
            zero_rows();
        } else {
            ok = false;
        }
    } else if (F == 8) {
        PD = PS = B.DIN1045_psi_X;
        GI = B.gamma_altenorm_allways_inf;
        if (T == 1) GS = B.gamma_altenorm_NCHW001_sup;
        else if (T == 2) GS = B.gamma_altenorm_NCHW002_sup;
        else GS = B.gamma_altenorm_allways_sup;
    } else {
        ok = false;
    }
    *pd = PD;
    *ps = PS;
    *gs = GS;
    *gi = GI;
    return ok;
}

/*
** Answer the four factors of one action. A null key means the default key; every out pointer
** may be null. Return 1 when factors were found, else 0 with every given output 0.0.
*/
int Lookup_Einwirkung_Beiwerte(const Einw_Beiwert_Key *key, double *psi_dom, double *psi_sub,
                               double *gamma_sup, double *gamma_inf)
{
    const Einw_Beiwert_Key k = key ? *key : Default_Einw_Beiwert_Key;
    const Beiwert_Tables_Rec &B = Beiwert_Tables;
    const int32_t T = k.type_id, F = k.family, K = k.kind;
    int32_t Q = k.category;
    const int32_t P = k.psi_index;
    const double *PD = B.DIN1045_psi_X, *PS = nullptr;
    const double *GS = B.gamma_sup_gebrauch_allways, *GI = nullptr;
    double v[4] = {0, 0, 0, 0};
    bool ok = true;

    if (F == 16 || F == 32) {
        if (k.load_group < 101) {
            ok = false;
        } else {
            static const int32_t empty_rec[8] = {0};
            Get_Nchwtyp_Beiwerte(T, k.load_group, k.variant_rec ? k.variant_rec : empty_rec, &v[0],
                                 &v[1], &v[2], &v[3]);
        }
        goto tests;
    }

    /* Category guard. */
    if ((K == 2 && Q == 7) || (K == 4 && Q == 6)) {
        ok = false;
        goto tests;
    }
    if (Q == 7 || Q >= 99) Q = 6;

    if (!Select_Beiwert_Rows(k, &PD, &PS, &GS, &GI)) {
        ok = false;
        goto tests;
    }

    /* Values. */
    if ((uint32_t)(Q - 1) > 5u) {
        ok = false;
        goto tests;
    }
    if (Q == 1 || Q == 3 || Q == 5 || Q == 6) {
        v[0] = v[1] = 1.0;
        v[2] = GS[Q - 1];
        v[3] = GI[Q - 1];
    } else {
        if (P < 1 || P > 11) {
            ok = false;
            goto tests;
        }
        v[0] = PD[P - 1];
        v[1] = PS[P - 1];
        v[2] = GS[Q - 1];
        v[3] = GI[Q - 1];
        if (Is_Special_Ec_Type(T) && Ec1_Takes_Psi_Sub(P)) v[0] = v[1];
    }

tests:
    if (ok && v[0] == 0.0 && v[1] == 0.0) ok = false;
    if (ok && v[2] == 0.0 && v[3] == 0.0) ok = false;
    if (!ok) v[0] = v[1] = v[2] = v[3] = 0.0;
    if (psi_dom) *psi_dom = v[0];
    if (psi_sub) *psi_sub = v[1];
    if (gamma_sup) *gamma_sup = v[2];
    if (gamma_inf) *gamma_inf = v[3];
    return ok ? 1 : 0;
}

/*
** The entry callers use: the installed hook or the lookup above. A success whose psi values
** are both 0 (or whose gammas are both 0) is turned into a failure with the other pair cleared.
*/
int Get_Einwirkung_Beiwerte(const Einw_Beiwert_Key *key, double *psi_dom, double *psi_sub,
                            double *gamma_sup, double *gamma_inf)
{
    double v[4] = {0, 0, 0, 0};
    int r = Einw_Beiwert_Hook ? Einw_Beiwert_Hook(key, &v[0], &v[1], &v[2], &v[3])
                              : Lookup_Einwirkung_Beiwerte(key, &v[0], &v[1], &v[2], &v[3]);
    if (r) {
        if (v[0] == 0.0 && v[1] == 0.0) {
            v[2] = v[3] = 0.0;
            r = 0;
        } else if (v[2] == 0.0 && v[3] == 0.0) {
            v[0] = v[1] = 0.0;
            r = 0;
        }
    }
    if (psi_dom) *psi_dom = v[0];
    if (psi_sub) *psi_sub = v[1];
    if (gamma_sup) *gamma_sup = v[2];
    if (gamma_inf) *gamma_inf = v[3];
    return r;
}

/*
** Fill the snow switch and the gamma_G variant of a key from the general settings, or from the
** check's settings when a check with settings is given (its option values: first the snow
** switch, third the code). Return 0 without a key, else 1.
*/
int Complete_Beiwert_Key(Einw_Beiwert_Key *key, const Nchw_Rec *check)
{
    if (!key) return 0;
    int32_t snow = Nchw_Global_Settings.altitude_switch;
    int32_t code = Nchw_Global_Settings.din1055_gamma_g;
    if (check && check->type && check->type->option_count > 0) {
        snow = check->option_values[0];
        code = check->option_values[2];
    }
    if (key->limit_state == 1) {
        int32_t low = (code == 2) ? 2 : (code == 3) ? 4 : 1;
        key->variant = (key->variant & ~7) | low;
    }
    key->flags = (key->flags & ~1) | (snow ? 1 : 0);
    return 1;
}

/* ------------------------------------------------------------------ copy of the national annex */

static void Copy_Gamma_Rows(double *sup, double *inf, const double (*pairs)[2])
{
    for (int c = 0; c < 5; c++) {
        sup[c] = pairs[c][0];
        inf[c] = pairs[c][1];
    }
}

/*
** Copy the EN 1990 factors of a block into the Eurocode rows (EN 1990 A1.2.2 and A1.3.1):
** the partial factors of the four design situations and psi0, psi1, psi2, psi2,E of the
** building categories, snow and ice by the altitude switch. Without a block only psi index 7
** is set, to the recommended snow factors (EN 1990 Table A1.1).
*/
void Apply_EC0_Block_To_Beiwert_Tables(const NAD_EC0_Params *e)
{
    Beiwert_Tables_Rec &B = Beiwert_Tables;
    const bool high = Nchw_Global_Settings.altitude_switch != 0;
    if (!e) {
        B.Eurocode_psi_0[6] = high ? 0.7 : 0.5;
        B.Eurocode_psi_1[6] = high ? 0.5 : 0.2;
        B.Eurocode_psi_2[6] = high ? 0.2 : 0.0;
        B.Eurocode_psi_2E[6] = 0.5;
        return;
    }
    Copy_Gamma_Rows(B.Eurocode_gamma_sup1_norm, B.Eurocode_gamma_inf1_norm,
                    e->gamma_bld[NAD_SIT_PERSISTENT]);
    B.Eurocode_gamma_sup1_norm[5] = B.Eurocode_gamma_inf1_norm[5] = 0.0;

    Copy_Gamma_Rows(B.Eurocode_gamma_sup1_spec, B.Eurocode_gamma_inf1_spec,
                    e->gamma_bld[NAD_SIT_ACCIDENTAL]);
    B.Eurocode_gamma_sup1_spec[5] = B.Eurocode_gamma_inf1_spec[5] =
        e->gamma_bld[NAD_SIT_ACCIDENTAL][NAD_ACT_ACCIDENTAL][0];

    Copy_Gamma_Rows(B.Eurocode_gamma_sup1_erdbeben, B.Eurocode_gamma_inf1_erdbeben,
                    e->gamma_bld[NAD_SIT_SEISMIC]);
    B.Eurocode_gamma_sup1_erdbeben[5] = B.Eurocode_gamma_inf1_erdbeben[5] =
        e->gamma_bld[NAD_SIT_SEISMIC][NAD_ACT_SEISMIC][0];

    Copy_Gamma_Rows(B.Eurocode_gamma_sup_gebrauch, B.Eurocode_gamma_inf_gebrauch,
                    e->gamma_bld[NAD_SIT_SERVICE]);
    B.Eurocode_gamma_sup_gebrauch[5] = B.Eurocode_gamma_inf_gebrauch[5] = 0.0;

    double *rows[4] = {B.Eurocode_psi_0, B.Eurocode_psi_1, B.Eurocode_psi_2, B.Eurocode_psi_2E};
    for (int r = 0; r < 4; r++) {
        for (int i = 0; i < 6; i++) rows[r][i] = e->psi_bld[i][r];
        rows[r][6] = e->psi_bld[high ? NAD_PSI_SNOW_HIGH : NAD_PSI_SNOW_LOW][r];
        for (int i = 7; i < 11; i++) rows[r][i] = e->psi_bld[i + 1][r];
    }
}

/*
** Copy the active national annex's EN 1990 factors into the Eurocode rows, then bring the
** design checks up to date and redraw the current extremal rule.
*/
void Apply_NAD_EC0_Factors_To_Lkom_Tables(void)
{
    Apply_EC0_Block_To_Beiwert_Tables(Get_NAD_EC0_Params());
    Refresh_Nachweise();
    Edit_Current_Xtr_Rule();
}
