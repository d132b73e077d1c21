/*
** EN 1992 block of the national annex (EN 1992-1-1, EN 1992-1-2, EN 1992-2): defaults, the
** alternative sets, the "#EC2" section writer and the reader of older block versions,
** normalisation, compare and copy. Clause numbers are those of EN 1992-1-1 unless marked.
*/
#include "nad/nad.h"
#include "nad/nad_internal.h"
#include "foundation/foundation.h"

#include <cmath>
#include <cstddef>
#include <cstdlib>
#include <cstring>

#include "foundation/codepage.h"

/* ---------------------------------------------------------------- defaults */

static const char *const Ec2_Exposure[12] = {"---", "X0",  "XC1", "XC2", "XC3", "XC4",
                                             "XD1", "XD2", "XD3", "XS1", "XS2", "XS3"};
static const char *const Ec2_Roughness[4] = {"verzahnt", "rau", "glatt", "sehr glatt"};

/* Default switch of every rule switch: 2, except [12] = 1, [13] = 0, [14] (class of
** high-strength concrete) = 1, [19] = 0. */
static int Ec2_Switch_Default(int i)
{
    switch (i) {
    case 12: return 1;
    case 13: return 0;
    case NAD_EC2_HSC_CLASS: return 1;
    case 19: return 0;
    default: return 2;
    }
}

/*
** Recommended values of EN 1992-1-1, EN 1992-1-2 and EN 1992-2. Nothing for a null block.
*/
void Init_NAD_EC2_Defaults(NAD_EC2_Params *b)
{
    static const double cmin_dur[12] = {0, 1.0, 1.5, 2.5, 2.5, 3.0, 3.5, 4.0, 4.5, 3.5, 4.0, 4.5};
    static const double gc[4] = {1.5, 1.5, 1.5, 1.2}, gs[4] = {1.15, 1.15, 1.15, 1.0};
    static const double kred[6] = {0.44, 1.25, 0.54, 1.25, 0.7, 0.8};
    static const double rc[4] = {0.5, 0.4, 0.2, 0.05}, rmu[4] = {0.9, 0.7, 0.6, 0.5};
    static const double kslend[5] = {1.0, 1.3, 1.5, 1.2, 0.4};
    static const double kstress[5] = {0.6, 0.45, 0.8, 1.0, 0.65};
    if (!b) return;
    memset(b, 0, sizeof *b);
    b->variant = 0;
    b->version = 20;
    for (int i = 0; i < 12; i++)
        snprintf(b->exposure_names[i], sizeof b->exposure_names[i], "%s", Ec2_Exposure[i]);
    for (int i = 0; i < 4; i++)
        snprintf(b->roughness_names[i], sizeof b->roughness_names[i], "%s", Ec2_Roughness[i]);
    snprintf(b->situation_names[0], sizeof b->situation_names[0], "%s",
             "ständig/veränderlich"_cp850);
    snprintf(b->situation_names[1], sizeof b->situation_names[1], "%s", "Ermüdung"_cp850);
    snprintf(b->situation_names[2], sizeof b->situation_names[2], "%s", "Erdbeben");
    snprintf(b->situation_names[3], sizeof b->situation_names[3], "%s", "außergewöhnlich"_cp850);
    memcpy(b->exposure_cmin_dur, cmin_dur, sizeof cmin_dur);
    memcpy(b->gamma_c, gc, sizeof gc);
    memcpy(b->gamma_s, gs, sizeof gs);
    b->gamma_c_sls = 1.0;
    b->gamma_s_sls = 1.0;
    b->dc_dev = 1.0;
    b->alpha_cc = 1.0;
    b->alpha_ct = 1.0;
    b->alpha_cc_pl = 0.8;
    b->alpha_ct_pl = 0.8;
    b->alpha_lcc = 0.85;
    b->alpha_lct = 0.85;
    b->gamma_ce = 1.2;
    b->as_min_factor = 0.26;
    b->as_min_column = 0.1;
    b->as_vmin_wall = 0.002;
    b->as_min_floor = 0.0013;
    b->as_min_column_floor = 0.002;
    memcpy(b->k_redistribution, kred, sizeof kred);
    b->coef_extra = 0.7;
    b->c_rd_c = 0.18;
    b->v_min = 0.0525;
    b->k1_shear = 0.15;
    b->nu_shear = 0.6;
    b->nu_torsion = 0.6;
    b->c_lrd_c = 0.15;
    b->v_l_min = 0.042;
    b->k_l1 = 0.15;
    b->nu_l = 0.5;
    b->nu_l_b = 0.5;
    b->cot_theta_min = 1.0;
    b->cot_theta_max = 2.5;
    b->nu1 = 0.6;
    b->nu1_l = 0.5;
    b->alpha_cw = 1.0;
    b->k_flange = 0.4;
    memcpy(b->rough_c, rc, sizeof rc);
    memcpy(b->rough_mu, rmu, sizeof rmu);
    for (int i = 0; i < 4; i++) b->rough_nu[i] = 0.6;
    b->rho_w_min = 0.08;
    b->cot_theta_f_tension = 1.0;
    b->cot_theta_f_compression = 1.2;
    b->k_p = 1.5;
    b->k3_crack = 3.4;
    b->k4_crack = 0.425;
    b->k1_fatigue = 0.85;
    b->gamma_f_fat = 1.0;
    memcpy(b->k_slenderness, kslend, sizeof kslend);
    b->k1_bar_spacing = 1.0;
    b->beta1_support = 0.15;
    b->beta2_anchorage = 0.25;
    b->theta0_inv = 200;
    b->gamma_m_fi = 1.0;
    b->alpha_ec = 0.5;
    b->k_hsc_section = 1.1;
    b->km_hsc = 0.95;
    b->lambda_lim = 10.78;
    memcpy(b->gamma_c_brg, gc, sizeof gc);
    memcpy(b->gamma_s_brg, gs, sizeof gs);
    b->alpha_cc_brg = 0.85;
    b->alpha_ct_brg = 1.0;
    b->c_rd_c_brg = 0.18;
    b->v_min_brg = 0.0525;
    b->k1_shear_brg = 0.15;
    b->cot_theta_min_brg = 1.0;
    b->cot_theta_max_brg = 2.5;
    b->alpha_cw_brg = 1.0;
    b->nu1_brg = 0.6;
    b->k1_fatigue_brg = 0.85;
    memcpy(b->k_stress, kstress, sizeof kstress);
    b->as_min_column_brg = 0.1;
    b->as_min_column_floor_brg = 0.002;
    b->r_sup_pre = 1.05;
    b->r_sup_post = 1.1;
    b->r_inf_pre = 0.9;
    for (int i = 0; i < 20; i++) b->switches[i] = Ec2_Switch_Default(i);
    b->extra_a = 0;
    b->extra_b = 0;
    b->flag_last = 0;
}

/*
** The defaults with the partial factors of a code: codes 4 and 21 take the factors of
** DIN EN 1992-1-1/NA, Table 2.1DE (accidental situation gamma_c 1.3, gamma_s 1.0); with the
** German citation mode alpha_cc and alpha_lcc are those of the German annex (3.1.6(1)P: 0.85,
** 11.3.5(1)P: 0.75).
*/
void Init_NAD_EC2_Values_For_Code(int code, NAD_EC2_Params *b)
{
    if (!b) return;
    Init_NAD_EC2_Defaults(b);
    if (code == 4 || code == 21) {
        b->gamma_c[3] = 1.3;
        b->gamma_s[3] = 1.0;
        b->gamma_c_brg[3] = 1.3;
        b->gamma_s_brg[3] = 1.0;
    }
    if (Get_NAD_Citation_Mode() == 1) {
        b->alpha_cc = 0.85;
        b->alpha_lcc = 0.75;
    }
}

/*
** The EN 1992 block of the built-in annex "Deutschland": read once from its file and kept.
*/
void Init_NAD_EC2_German_Values(NAD_EC2_Params *b)
{
    static NAD_Record *german = nullptr;
    if (!b) return;
    if (!german) {
        german = static_cast<NAD_Record *>(calloc(1, sizeof *german));
        if (!german) return;
        Init_NAD_EC2_Defaults(&german->ec2);
        Read_NAD_File(0, NAD_NAME_GERMANY, german);
    }
    Copy_NAD_EC2_Params(b, &german->ec2);
}

void Set_NAD_EC2_Variant(NAD_EC2_Params *b, int variant)
{
    if (b) b->variant = variant;
}

/* ---------------------------------------------------------------- writer */

/*
** Write the lines of the "#EC2" section (block version 20). Nothing for a null stream or block.
*/
void Write_NAD_EC2_Section(FILE *f, const NAD_EC2_Params *b)
{
    if (!f || !b) return;
    const int32_t *s = b->switches;
    fprintf(f, " %d %d", s[3], s[4]);
    fprintf(f, " %d %d", s[0], s[5]);
    fprintf(f, " %d %d", s[6], s[7]);
    fprintf(f, " %d %d", s[8], s[9]);
    fprintf(f, " %d %lf", s[11], b->dc_dev);
    fprintf(f, " %lf %lf", b->dc_dur_st, b->dc_dur_add);
    fprintf(f, " %lf %lf\n", b->gamma_f_fat, b->alpha_ct);
    fprintf(f, " %lf %lf", b->as_min_factor, b->rho_w_min);
    fprintf(f, " %lf %lf", b->cot_theta_f_tension, b->cot_theta_f_compression);
    fprintf(f, " %lf %lf", b->k_redistribution[0], b->k_redistribution[1]);
    fprintf(f, " %lf %lf\n", b->k_redistribution[2], b->k_redistribution[3]);
    fprintf(f, " %lf %lf", b->k_redistribution[4], b->k_redistribution[5]);
    fprintf(f, " %lf %lf", b->nu_torsion, b->c_rd_c);
    fprintf(f, " %lf %lf", b->v_min, b->k1_shear);
    fprintf(f, " %lf %lf", b->nu_shear, b->c_lrd_c);
    fprintf(f, " %lf %lf\n", b->v_l_min, b->k_l1);
    fprintf(f, " %lf %lf", b->nu_l, b->cot_theta_min);
    fprintf(f, " %lf %lf", b->cot_theta_max, b->extra_b);
    fprintf(f, " %lf %lf", b->nu1, b->alpha_cw);
    fprintf(f, " %lf %lf", b->k_flange, b->k1_fatigue);
    fprintf(f, " %lf %lf\n", b->k3_crack, b->k4_crack);
    for (int k = 0; k < 4; k++) fprintf(f, " %lf %lf", b->rough_c[k], b->rough_mu[k]);
    fprintf(f, "\n");
    for (int k = 0; k < 12; k++) fprintf(f, " %lf", b->exposure_cmin_dur[k]);
    fprintf(f, "\n");
    for (int k = 0; k < 12; k++) fprintf(f, " %lf", b->exposure_dc_dur_gamma[k]);
    fprintf(f, "\n");
    fprintf(f, " %d\n", 20);
    fprintf(f, " %d %lf %lf\n", s[10], b->nu1_l, b->extra_a);
    fprintf(f, " %d %lf %d %lf\n", s[1], b->as_min_column, s[2], b->as_vmin_wall);
    fprintf(f, " %d %lf %d\n", s[12], b->alpha_ec, s[13]);
    for (int k = 0; k < 5; k++) fprintf(f, " %lf", b->k_slenderness[k]);
    fprintf(f, "\n");
    fprintf(f, " %lf %lf %lf\n", b->alpha_cc, b->alpha_cc_pl, b->alpha_ct_pl);
    fprintf(f, " %lf\n", b->k_p);
    const double l14[8] = {b->beta1_support,       b->nu_l_b,      b->k1_bar_spacing,
                           b->beta2_anchorage,     b->gamma_c_sls, b->gamma_s_sls,
                           b->as_min_column_floor, b->as_min_floor};
    for (double d : l14) fprintf(f, " %lf", d);
    fprintf(f, "\n");
    for (int k = 0; k < 4; k++) fprintf(f, " %lf %lf", b->gamma_c[k], b->gamma_s[k]);
    fprintf(f, "\n");
    fprintf(f, " %d %d\n", b->flag_last, b->variant);
    for (int k = 0; k < 4; k++) fprintf(f, " %lf", b->rough_nu[k]);
    fprintf(f, "\n");
    fprintf(f, " %lf %lf\n", b->alpha_lcc, b->alpha_lct);
    fprintf(f, " %d %lf\n", s[NAD_EC2_HSC_CLASS], b->k_hsc_section);
    fprintf(f, " %lf\n", b->gamma_ce);
    fprintf(f, " %lf\n", b->km_hsc);
    fprintf(f, " %d %lf\n", s[15], b->lambda_lim);
    fprintf(f, " %lf\n", b->coef_extra);
    const double l23[12] = {b->alpha_cc_brg,      b->alpha_ct_brg,      b->c_rd_c_brg,
                            b->v_min_brg,         b->k1_shear_brg,      b->cot_theta_min_brg,
                            b->cot_theta_max_brg, b->alpha_cw_brg,      b->nu1_brg,
                            b->k1_fatigue_brg,    b->as_min_column_brg, b->as_min_column_floor_brg};
    for (double d : l23) fprintf(f, " %lf", d);
    fprintf(f, "\n");
    fprintf(f, " %d %d %d\n", s[16], s[17], s[18]);
    fprintf(f, " %lf  %lf  %lf  %lf %lf\n", b->k_stress[0], b->k_stress[1], b->k_stress[2],
            b->k_stress[3], b->k_stress[4]);
    for (int k = 0; k < 4; k++) fprintf(f, " %lf %lf", b->gamma_c_brg[k], b->gamma_s_brg[k]);
    fprintf(f, "\n");
    fprintf(f, " %lf %lf", b->r_sup_pre, b->r_inf_pre);
    fprintf(f, " %lf %lf", b->r_sup_post, b->r_inf_post);
    fprintf(f, "\n");
    fprintf(f, " %lf", b->theta0_inv);
    fprintf(f, " %lf\n", b->gamma_m_fi);
}

/* ---------------------------------------------------------------- reader */

/* A rule switch (0, 1 or 2), or the range given: the class of high-strength concrete, the variant
** and the further switch (NAD_R_HSC_CLASS, NAD_R_VARIANT, NAD_R_SWITCH). */
static int I(FILE *f, int32_t *v, int range = NAD_R_SWITCH_3)
{
    return Nad_Scan_Int_In(f, v, range);
}

/* A coefficient, or the range given: the partial factors (NAD_R_GAMMA_M), the factors alpha of
** the strengths (NAD_R_REDUCTION) and the covers (NAD_R_COVER). */
static int D(FILE *f, double *v, int range = NAD_R_COEF) { return Nad_Scan_Dbl_In(f, v, range); }

static int Dn(FILE *f, double *v, int n, int range = NAD_R_COEF)
{
    for (int i = 0; i < n; i++)
        if (!D(f, &v[i], range)) return 0;
    return 1;
}

/* The values behind the version line, each group only when the stored version v holds it:
** lines 8-9 came with version 13, 10-11 with 14, 12-14 with 15, 15-16 with 16, 17-22 with 17,
** 23-25 with 18, 26 with 19 and 27-28 with 20. Answer 0 when a conversion failed. */
static int Read_EC2_After_Version(FILE *f, NAD_EC2_Params *b, int v)
{
    int32_t *s = b->switches;
    if (v < 13) return 1;
    if (!I(f, &s[10]) || !D(f, &b->nu1_l) || !D(f, &b->extra_a)) return 0;
    if (!I(f, &s[1]) || !D(f, &b->as_min_column) || !I(f, &s[2]) || !D(f, &b->as_vmin_wall))
        return 0;
    if (v < 14) return 1;
    if (!I(f, &s[12]) || !D(f, &b->alpha_ec) || !I(f, &s[13])) return 0;
    if (!Dn(f, b->k_slenderness, 5)) return 0;
    if (v < 15) return 1;
    if (!D(f, &b->alpha_cc, NAD_R_REDUCTION) || !D(f, &b->alpha_cc_pl, NAD_R_REDUCTION)
        || !D(f, &b->alpha_ct_pl, NAD_R_REDUCTION))
        return 0;
    if (!D(f, &b->k_p)) return 0;
    double *l14[8] = {&b->beta1_support,       &b->nu_l_b,      &b->k1_bar_spacing,
                      &b->beta2_anchorage,     &b->gamma_c_sls, &b->gamma_s_sls,
                      &b->as_min_column_floor, &b->as_min_floor};
    for (double *p : l14)
        if (!D(f, p, p == &b->gamma_c_sls || p == &b->gamma_s_sls ? NAD_R_GAMMA_M : NAD_R_COEF))
            return 0;
    if (v < 16) return 1;
    for (int k = 0; k < 4; k++)
        if (!D(f, &b->gamma_c[k], NAD_R_GAMMA_M) || !D(f, &b->gamma_s[k], NAD_R_GAMMA_M)) return 0;
    if (!I(f, &b->flag_last, NAD_R_SWITCH) || !I(f, &b->variant, NAD_R_VARIANT)) return 0;
    if (!Dn(f, b->rough_nu, 4)) return 0;
    if (v < 17) return 1;
    if (!D(f, &b->alpha_lcc, NAD_R_REDUCTION) || !D(f, &b->alpha_lct, NAD_R_REDUCTION)) return 0;
    if (!I(f, &s[NAD_EC2_HSC_CLASS], NAD_R_HSC_CLASS) || !D(f, &b->k_hsc_section)) return 0;
    if (!D(f, &b->gamma_ce, NAD_R_GAMMA_M) || !D(f, &b->km_hsc)) return 0;
    if (!I(f, &s[15]) || !D(f, &b->lambda_lim)) return 0;
    if (!D(f, &b->coef_extra)) return 0;
    if (v < 18) return 1;
    double *l23[12] = {&b->alpha_cc_brg,      &b->alpha_ct_brg,      &b->c_rd_c_brg,
                       &b->v_min_brg,         &b->k1_shear_brg,      &b->cot_theta_min_brg,
                       &b->cot_theta_max_brg, &b->alpha_cw_brg,      &b->nu1_brg,
                       &b->k1_fatigue_brg,    &b->as_min_column_brg, &b->as_min_column_floor_brg};
    for (double *p : l23)
        if (!D(f, p, p == &b->alpha_cc_brg || p == &b->alpha_ct_brg ? NAD_R_REDUCTION : NAD_R_COEF))
            return 0;
    if (!I(f, &s[16]) || !I(f, &s[17]) || !I(f, &s[18])) return 0;
    if (!Dn(f, b->k_stress, 5)) return 0;
    if (v < 19) return 1;
    for (int k = 0; k < 4; k++)
        if (!D(f, &b->gamma_c_brg[k], NAD_R_GAMMA_M) || !D(f, &b->gamma_s_brg[k], NAD_R_GAMMA_M))
            return 0;
    if (v < 20) return 1;
    if (!D(f, &b->r_sup_pre) || !D(f, &b->r_inf_pre) || !D(f, &b->r_sup_post)
        || !D(f, &b->r_inf_post))
        return 0;
    if (!D(f, &b->theta0_inv) || !D(f, &b->gamma_m_fi, NAD_R_GAMMA_M)) return 0;
    return 1;
}

/*
** Read an "#EC2" section of any stored version (a file's section, or the lines behind an
** entry of the older store). Fields the stored version lacks keep their defaults; a failed
** conversion ends the reading with the values read so far.
*/
void Read_NAD_EC2_Section(FILE *f, NAD_EC2_Params *b)
{
    if (!b) return;
    Init_NAD_EC2_Defaults(b);
    if (!f) return;
    int32_t *s = b->switches;
    const int pairs[5][2] = {{3, 4}, {0, 5}, {6, 7}, {8, 9}, {11, -1}};
    for (auto &p : pairs) {
        if (!I(f, &s[p[0]])) return;
        if (p[1] >= 0 ? !I(f, &s[p[1]]) : !D(f, &b->dc_dev, NAD_R_COVER)) return;
    }
    if (!D(f, &b->dc_dur_st, NAD_R_COVER) || !D(f, &b->dc_dur_add, NAD_R_COVER)
        || !D(f, &b->gamma_f_fat, NAD_R_GAMMA_M) || !D(f, &b->alpha_ct, NAD_R_REDUCTION))
        return;
    if (!D(f, &b->as_min_factor) || !D(f, &b->rho_w_min) || !D(f, &b->cot_theta_f_tension)
        || !D(f, &b->cot_theta_f_compression) || !Dn(f, b->k_redistribution, 6))
        return;
    if (!D(f, &b->nu_torsion) || !D(f, &b->c_rd_c) || !D(f, &b->v_min) || !D(f, &b->k1_shear)
        || !D(f, &b->nu_shear) || !D(f, &b->c_lrd_c) || !D(f, &b->v_l_min) || !D(f, &b->k_l1))
        return;
    if (!D(f, &b->nu_l) || !D(f, &b->cot_theta_min) || !D(f, &b->cot_theta_max)) return;
    /* Files of version 12 hold a text here; the value is taken only from the other versions. */
    char token[64];
    if (!Nad_Scan_Word(f, token, sizeof token)) return;
    const long token_end = ftell(f);
    if (!D(f, &b->nu1) || !D(f, &b->alpha_cw) || !D(f, &b->k_flange) || !D(f, &b->k1_fatigue)
        || !D(f, &b->k3_crack) || !D(f, &b->k4_crack))
        return;
    for (int k = 0; k < 4; k++)
        if (!D(f, &b->rough_c[k]) || !D(f, &b->rough_mu[k])) return;
    if (!Dn(f, b->exposure_cmin_dur, 12, NAD_R_COVER)
        || !Dn(f, b->exposure_dc_dur_gamma, 12, NAD_R_COVER))
        return;
    int32_t v;
    if (!Nad_Scan_Block_Version(f, &v, 20)) return;
    b->version = v;
    if (v != 12) {
        /* checked as every other number: whole, finite, no word or decimal comma */
        if (!Plain_Decimal_Number(token, strlen(token), 0, nullptr)) {
            Nad_Scan_Fail_At(token_end);
            return;
        }
        const double x = strtod(token, nullptr);
        if (!Nad_In_Range(x, NAD_R_COEF)) {
            Nad_Scan_Fail_At(token_end, NAD_R_COEF);
            return;
        }
        b->extra_b = x;
    } else {
        /* Version 12 carries one further token behind its version. */
        if (!Nad_Scan_Word(f, token, sizeof token)) return;
    }
    if (!Read_EC2_After_Version(f, b, v)) return;
    Normalize_NAD_EC2_Params(b);
}

/*
** Make a block read from a file consistent: gamma_M,fi is 1.0 (EN 1992-1-2, 2.3(2)); the German
** rules take no extra factors for high-strength sections (k = km = 1.0); rule switches outside
** 0..2 and a class of high-strength concrete outside 1..2 return to their defaults.
*/
void Normalize_NAD_EC2_Params(NAD_EC2_Params *b)
{
    if (!b) return;
    b->gamma_m_fi = 1.0;
    if (b->variant != 0) {
        b->k_hsc_section = 1.0;
        b->km_hsc = 1.0;
    }
    for (int i = 0; i < 20; i++) {
        if (i == NAD_EC2_HSC_CLASS) continue;
        if (b->switches[i] < 0 || b->switches[i] > 2) b->switches[i] = Ec2_Switch_Default(i);
    }
    if (b->switches[NAD_EC2_HSC_CLASS] < 1 || b->switches[NAD_EC2_HSC_CLASS] > 2)
        b->switches[NAD_EC2_HSC_CLASS] = Ec2_Switch_Default(NAD_EC2_HSC_CLASS);
}

/* ---------------------------------------------------------------- compare and copy */

/*
** Answer 1 when the blocks differ (a double by more than 0.0001, an int or a name at all).
*/
int Compare_NAD_EC2_Params(const NAD_EC2_Params *a, const NAD_EC2_Params *b)
{
    if (!a || !b) return a != b;
    if (a->variant != b->variant || a->flag_last != b->flag_last) return 1;
    if (memcmp(a->switches, b->switches, sizeof a->switches) != 0) return 1;
    if (memcmp(a->exposure_names, b->exposure_names, sizeof a->exposure_names) != 0
        || memcmp(a->roughness_names, b->roughness_names, sizeof a->roughness_names) != 0
        || memcmp(a->situation_names, b->situation_names, sizeof a->situation_names) != 0)
        return 1;
    const size_t n =
        (offsetof(NAD_EC2_Params, r_inf_post) - offsetof(NAD_EC2_Params, exposure_cmin_dur))
            / sizeof(double)
        + 1;
    const double *x = a->exposure_cmin_dur, *y = b->exposure_cmin_dur;
    for (size_t i = 0; i < n; i++)
        if (fabs(x[i] - y[i]) > 0.0001) return 1;
    if (fabs(a->extra_a - b->extra_a) > 0.0001 || fabs(a->extra_b - b->extra_b) > 0.0001) return 1;
    return 0;
}

void Copy_NAD_EC2_Params(NAD_EC2_Params *dst, const NAD_EC2_Params *src)
{
    if (dst && src) *dst = *src;
}

void Copy_NAD_EC2_Params_Twin(NAD_EC2_Params *dst, const NAD_EC2_Params *src)
{
    Copy_NAD_EC2_Params(dst, src);
}
