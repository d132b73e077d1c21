/*
** Timber member check, computations: admissible stresses of the old grades (DIN 1052 (1988),
** tables 5 and 6), the shear-torsion interaction, the deflection check, corner stresses of a
** rectangle, the residual section without per-side charring and the fire precomputation.
*/
#include "catalogue/member_check.h"

#include <cmath>
#include <cstring>

/* ---------------------------------------------------------------- admissible stresses */

/* sigma_D, sigma_Z, sigma_B, tau_Q, tau_T, m by grade code 0..14 (MN/m2). */
static const Zul_Spannungen Zul_Base[15] = {
    // clang-format off
  {6, 0.001, 7, 0.9, 0.001, 2},     /* S7 */
  {8.5, 7, 10, 0.9, 1.0, 2},        /* S10 */
  {11, 9, 13, 0.9, 1.0, 2},         /* S13 */
  {6, 4, 7, 0.9, 0.001, 2},         /* MS7 */
  {8.5, 7, 10, 0.9, 1.0, 2},        /* MS10 */
  {11, 10, 15, 1.0, 1.0, 2},        /* MS13 */
  {12, 12, 17, 1.0, 1.0, 2},        /* MS17 */
  {8.5, 8.5, 11, 1.2, 1.6, 2},      /* BS11 */
  {11, 10.5, 14, 1.2, 1.6, 2},      /* BS14 */
  {11.5, 11, 16, 1.3, 1.6, 2},      /* B16 */
  {13, 13, 18, 1.3, 1.6, 2},        /* BS18 */
  {10, 10, 11, 1.0, 1.6, 1},        /* LH A */
  {13, 10, 17, 1.4, 1.6, 1},        /* LH B */
  {20, 15, 25, 2.0, 2.0, 1},        /* LH C */
  {20, 15, 25, 2.0, 2.0, 1},        /* Kerto */
    // clang-format on
};

static const Zul_Spannungen Zul_Unknown = {0.001, 0.001, 0.001, 0.001, 0.001, 1};

int32_t Get_Zul_Spannungen(int32_t code, int32_t set, Zul_Spannungen *out)
{
    const int known = code >= 0 && code <= 14;
    Zul_Spannungen z = known ? Zul_Base[code] : Zul_Unknown;
    if (code != 13) {
        double f = 1.0;
        if (set == 1) f = 1.0 / 1.2;
        else if (set == 2) f = 2.0 / 3.0;
        z.sigma_D *= f;
        z.sigma_Z *= f;
        z.sigma_B *= f;
        z.tau_Q *= f;
        z.tau_T *= f;
    }
    if (out) *out = z;
    return known ? 1 : 0;
}

/* ---------------------------------------------------------------- shear and torsion */

double Zul_Interaction(double a, double q, double m)
{
    if (a < 0.0001 || q < 0.0001 || m < 1.0001) return a + q;
    if (std::fabs(m - 2.0) < 0.0001) return (a + std::sqrt(a * a + 4.0 * q * q)) / 2.0;
    /* Newton's method on g(U) = (U - a) U^(m-1) - q^m */
    const double qm = std::pow(q, m);
    double U = a > q ? a : q;
    double fallback = a + q;
    if (a + qm <= 1.0) fallback = 1.0;
    for (int step = 0; step < 50; step++) {
        if (U > 0.0 && a / U + std::pow(q / U, m) <= 1.0 && U < fallback) fallback = U;
        const double g = (U - a) * std::pow(U, m - 1.0) - qm;
        const double dg = (m * U + (1.0 - m) * a) * std::pow(U, m - 2.0);
        if (std::fabs(g) < 0.0001 * std::fabs(dg)) return U;
        if (dg == 0.0 || !std::isfinite(dg)) break;
        U -= g / dg;
    }
    return fallback;
}

/* ---------------------------------------------------------------- deflections */

uint32_t Nachweis_Durchbiegung(const Durchbiegung_Werte *w, const Durchbiegung_Input *in,
                               Durchbiegung_Result *r)
{
    if (!r) return 0;
    memset(r, 0, sizeof *r);
    if (!w || !in) return 0;
    uint32_t mode;
    double div1, div2, w01 = 0.0, w02 = 0.0;
    if (in->flags & DB_RARE) {
        mode = DB_RARE;
        div1 = in->div_rare1 > 0.0 ? in->div_rare1 : 300.0;
        div2 = in->div_rare2 > 0.0 ? in->div_rare2 : 300.0;
    } else if (in->flags & DB_QUASI) {
        mode = DB_QUASI;
        div1 = in->div_quasi1 > 0.0 ? in->div_quasi1 : 200.0;
        div2 = in->div_quasi2 > 0.0 ? in->div_quasi2 : 200.0;
    } else if (in->flags & DB_PRECAMBER) {
        mode = DB_PRECAMBER;
        div1 = in->div_precamber1 > 0.0 ? in->div_precamber1 : 200.0;
        div2 = in->div_precamber2 > 0.0 ? in->div_precamber2 : 200.0;
        w01 = 10.0 * in->w_0_1;
        w02 = 10.0 * in->w_0_2;
    } else {
        return 0;
    }
    const int only_second = (in->flags & DB_ONLY_SECOND) != 0;
    r->w_0_1 = w01;
    r->w_0_2 = w02;
    r->w_1 = w->w_1;
    r->w_2 = w->w_2;
    r->w_req1 = 1000.0 * in->L_v1 / div1;
    r->w_req2 = 1000.0 * in->L_v2 / div2;
    /* a span of 0 gives no limit to compare with: no utilisation rather than a division by 0 */
    if (!only_second && r->w_req1 > 0.0) r->U_1 = std::fabs(w->w_1 - w01) / r->w_req1;
    if (r->w_req2 > 0.0) r->U_2 = std::fabs(w->w_2 - w02) / r->w_req2;
    r->U_max = r->U_1 > r->U_2 ? r->U_1 : r->U_2;
    if (only_second) {
        r->code1 = 0x3000000u | mode;
        r->code2 = (mode >> 12) * 0x1000u + 2u;
    } else {
        r->code1 = 0x1000000u | mode;
        r->code2 = (mode >> 12) * 0x1000u + 3u;
    }
    return mode == DB_RARE ? 0x400u : mode == DB_QUASI ? 0x800u : 0x2000u;
}

/* ---------------------------------------------------------------- corner stresses */

/* |1e6 / w|, or 0 for a zero section value. */
static double Inv(double w) { return w == 0.0 ? 0.0 : std::fabs(1.0e6 / w); }

int32_t Calc_Eckspannungen(const Member_Record *m, const Section_Dims *dims, double N, double My,
                           double Mz, double out[4])
{
    if (!out) return 0;
    out[0] = out[1] = out[2] = out[3] = 0.0;
    if (!m || m->section_kind != SECTION_RECHTECK) return 0;
    double v[10];
    Calc_Querschnittswerte(SECTION_RECHTECK, dims ? dims : &m->dims, v, 10);
    const double sN = v[SV_A] == 0.0 ? 0.0 : 10.0 * N / v[SV_A];
    const double su = Inv(v[SV_W_U]) * My, so = Inv(v[SV_W_O_NEG]) * My;
    const double sr = Inv(v[SV_W_ZP]) * Mz, sl = Inv(v[SV_W_ZM_NEG]) * Mz;
    out[0] = sN + 0.001 * (su - sr);
    out[1] = sN + 0.001 * (su + sl);
    out[2] = sN + 0.001 * (sl - so);
    out[3] = sN + 0.001 * (-so - sr);
    return 1;
}

/* ---------------------------------------------------------------- residual section and fire */

int32_t Calc_Restquerschnitt_Einfach(int32_t kind, int32_t notch_position, double e,
                                     int32_t fire_exposure, int32_t fire_method, double t,
                                     double *db, double *dd, double *e_y, double *e_z)
{
    return Calc_Restquerschnitt(/*kind=*/kind, /*notch_position=*/notch_position, /*e=*/e,
                                /*fire_exposure=*/fire_exposure, /*fire_method=*/fire_method,
                                /*t=*/t, /*t_o=*/0.0, /*t_l=*/0.0, /*t_u=*/0.0, /*t_r=*/0.0,
                                /*db=*/db, /*dd=*/dd, /*e_y=*/e_y, /*e_z=*/e_z,
                                /*sides_mask=*/nullptr);
}

int32_t Prepare_Brand_Vorwerte(const Section_Check_Input *member, int32_t kind,
                               const Section_Dims *dims, Section_Precomputed *pre)
{
    if (!pre) return 0;
    memset(pre, 0, sizeof *pre);
    if (!member || !dims || kind != SECTION_RECHTECK) return 0;
    pre->f_m_y_d = pre->f_m_z_d = 16.0;
    pre->f_c_0_d = 10.0;
    pre->f_t_0_d = 17.0;
    pre->k_c_y = pre->k_c_z = pre->k_crit_y = pre->k_crit_z = 1.0;
    pre->section_kind = 1;
    double db = 0.0, dd = 0.0, ey = 0.0, ez = 0.0;
    int32_t mask = 0;
    Calc_Restquerschnitt(/*kind=*/kind, /*notch_position=*/member->notch_position,
                         /*e=*/member->notch_e, /*fire_exposure=*/member->fire_exposure,
                         /*fire_method=*/member->fire_method, /*t=*/member->char_t,
                         /*t_o=*/member->char_to, /*t_l=*/member->char_tl, /*t_u=*/member->char_tu,
                         /*t_r=*/member->char_tr, /*db=*/&db, /*dd=*/&dd, /*e_y=*/&ey, /*e_z=*/&ez,
                         /*sides_mask=*/&mask);
    const double b = dims->v[0] + db, d = dims->v[1] + dd;
    double fm = 0.0, fc = 0.0, ft = 0.0;
    const int32_t rc =
        (member->flags & SCI_EUROCODE)
            ? Calc_Brand_Festigkeiten_EC(
                /*fire_method=*/member->fire_method, /*mat_group=*/member->mat_group,
                /*fire_exposure=*/member->fire_exposure, /*sides_mask=*/mask, /*d=*/d, /*b=*/b,
                /*f_m=*/member->f_m_z_k, /*f_c=*/member->f_c_0_k, /*f_t=*/member->f_t_0_k,
                /*f_m_fi=*/&fm, /*f_c_fi=*/&fc, /*f_t_fi=*/&ft)
            : Calc_Brand_Festigkeiten_DIN(
                /*fire_method=*/member->fire_method, /*mat_group=*/member->mat_group,
                /*fire_exposure=*/member->fire_exposure, /*sides_mask=*/mask, /*d=*/d, /*b=*/b,
                /*f_m=*/member->f_m_z_k, /*f_c=*/member->f_c_0_k, /*f_t=*/member->f_t_0_k,
                /*f_m_fi=*/&fm, /*f_c_fi=*/&fc, /*f_t_fi=*/&ft);
    if (rc != 0) return 0;
    pre->e_y = ey;
    pre->e_z = ez;
    pre->f_m_y_d = pre->f_m_z_d = fm;
    pre->f_c_0_d = fc;
    pre->f_t_0_d = ft;
    pre->k_c_y = member->k_c_y;
    pre->k_c_z = member->k_c_z;
    pre->k_crit_y = member->k_crit_y;
    pre->k_crit_z = member->k_crit_z;
    pre->sides_mask = mask;
    pre->dims[0] = b;
    pre->dims[1] = d;
    return 1;
}
