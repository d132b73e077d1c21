/*
** Stress check of one timber cross-section under N, Vy, Vz, T, My, Mz: edge stresses, design
** strengths with size, crack and shape factors, the combined checks of bending and axial
** force (EN 1995-1-1 6.2.3, 6.2.4, 6.3.2, 6.3.3; DIN 1052), shear with torsion (6.1.7, 6.1.8),
** and the residual section and strengths of fire design (EN 1995-1-2 4.2; DIN 4102-22).
** Lengths in cm, forces in kN, moments in kNm, stresses in N/mm2.
*/
#include <cmath>
#include <cstring>

#include "catalogue/section.h"

const Section_Check_Input Section_Check_Template = {
    0u,   0,    -1,  1,   0,   1.0, 1.0, 1.0, 1.0, 1.0,     1.0, 1.0, 1.0, 1.0, 16.0, 16.0,
    10.0, 17.0, 2.7, 0.0, 0.0, 1.0, 1.0, 1.0, 1.0, nullptr, 0,   0u,  0.0, 0.0, 0.0,  0.0};

/* ---- residual section */

int32_t Calc_Restquerschnitt(int32_t kind, int32_t notch, double e, int32_t exposure,
                             int32_t method, double t, double to, double tl, double tu, double tr,
                             double *db_out, double *dd_out, double *ey_out, double *ez_out,
                             int32_t *mask_out)
{
    double db = 0.0, dd = 0.0, ey = 0.0, ez = 0.0;
    int32_t mask = 0, changed = 0;
    if (kind == SECTION_RECHTECK) {
        if (e > 0.0) {
            switch (notch) {
            case 1:
                dd = -e;
                ez = -e / 2.0;
                changed = 1;
                break;
            case 2:
                db = -e;
                ey = e / 2.0;
                changed = 1;
                break;
            case 3:
                dd = -e;
                ez = e / 2.0;
                changed = 1;
                break;
            case 4:
                db = -e;
                ey = -e / 2.0;
                changed = 1;
                break;
            default: break;
            }
        }
        if (method == 2) { /* reduced cross-section: d_ef = d_char + k0 d0 with d0 = 7 mm */
            if (t > 0.0) t += 0.7;
            if (to > 0.0) to += 0.7;
            if (tl > 0.0) tl += 0.7;
            if (tu > 0.0) tu += 0.7;
            if (tr > 0.0) tr += 0.7;
        }
        if (exposure >= 0 && exposure <= 4 && t > 0.0) {
            changed = 1;
            switch (exposure) {
            case 0:
                db -= 2 * t;
                dd -= 2 * t;
                mask = 15;
                break;
            case 1:
                db -= 2 * t;
                dd -= t;
                ez += t / 2.0;
                mask = 14;
                break;
            case 2:
                db -= t;
                dd -= 2 * t;
                ey -= t / 2.0;
                mask = 13;
                break;
            case 3:
                db -= 2 * t;
                dd -= t;
                ez -= t / 2.0;
                mask = 11;
                break;
            case 4:
                db -= t;
                dd -= 2 * t;
                ey += t / 2.0;
                mask = 7;
                break;
            default: break;
            }
        } else if (exposure == 1000) {
            if (to > 0.0) {
                dd -= to;
                ez -= to / 2.0;
                mask |= 1;
                changed = 1;
            }
            if (tl > 0.0) {
                db -= tl;
                ey += tl / 2.0;
                mask |= 2;
                changed = 1;
            }
            if (tu > 0.0) {
                dd -= tu;
                ez += tu / 2.0;
                mask |= 4;
                changed = 1;
            }
            if (tr > 0.0) {
                db -= tr;
                ey -= tr / 2.0;
                mask |= 8;
                changed = 1;
            }
        }
    }
    if (db_out) *db_out = db;
    if (dd_out) *dd_out = dd;
    if (ey_out) *ey_out = ey;
    if (ez_out) *ez_out = ez;
    if (mask_out) *mask_out = mask;
    return changed;
}

/* ---- fire strengths */

static int32_t Fire_Strengths(int ec, int32_t method, int32_t group, int32_t exposure, int32_t mask,
                              double d, double b, double fm, double fc, double ft, double *fm_fi,
                              double *fc_fi, double *ft_fi)
{
    static const double kfi_ec[5] = {1.25, 1.25, 1.15, 1.0, 1.1}; /* EN 1995-1-2 Table 2.1 */
    if (!fm_fi || !fc_fi || !ft_fi) return 1;
    double kfi;
    if (ec) kfi = (group >= 0 && group <= 4) ? kfi_ec[group] : 1.0;
    else kfi = (group == 0 || group == 1) ? 1.25 : group == 2 ? 1.15 : 1.0;
    double m = 1.0, c = 1.0, t = 1.0;
    if (method == 1) {
        double p = 0.0;
        switch (exposure) {
        case 0: p = 2 * b + 2 * d; break;
        case 1:
        case 3: p = 2 * d + b; break;
        case 2:
        case 4: p = 2 * b + d; break;
        case 1000:
            if (mask & 1) p += b;
            if (mask & 2) p += d;
            if (mask & 4) p += b;
            if (mask & 8) p += d;
            break;
        default: break;
        }
        double r =
            (b <= 0.0 || d <= 0.0) ? 9999.0 : p / (b * d); /* heated perimeter / area, 1/cm */
        if (r > 9999.0) r = 9999.0;
        if (ec) { /* EN 1995-1-2 (4.2)-(4.4): 1/200, 1/125, 1/330 per m */
            m = 1.0 - 0.5 * r;
            c = 1.0 - 0.8 * r;
            t = 1.0 - r * 0.30303030303030304;
        } else { /* DIN 4102-22: 1/225, 1/125, 1/333 per m */
            m = 1.0 - (4.0 / 9.0) * r;
            c = 1.0 - 0.8 * r;
            t = 1.0 - r * 0.3003003003003003;
        }
    }
    *fm_fi = kfi * fm * m;
    *fc_fi = kfi * fc * c;
    *ft_fi = kfi * ft * t;
    if (*fm_fi <= 0.0 || *fc_fi <= 0.0 || *ft_fi <= 0.0) {
        *fm_fi = 0.0001 * fm;
        *fc_fi = 0.0001 * fc;
        *ft_fi = 0.0001 * ft;
        return 2;
    }
    return 0;
}

int32_t Calc_Brand_Festigkeiten_DIN(int32_t fire_method, int32_t mat_group, int32_t fire_exposure,
                                    int32_t sides_mask, double d, double b, double f_m, double f_c,
                                    double f_t, double *f_m_fi, double *f_c_fi, double *f_t_fi)
{
    return Fire_Strengths(/*ec=*/0, /*method=*/fire_method, /*group=*/mat_group,
                          /*exposure=*/fire_exposure, /*mask=*/sides_mask, /*d=*/d, /*b=*/b,
                          /*fm=*/f_m, /*fc=*/f_c, /*ft=*/f_t, /*fm_fi=*/f_m_fi, /*fc_fi=*/f_c_fi,
                          /*ft_fi=*/f_t_fi);
}

int32_t Calc_Brand_Festigkeiten_EC(int32_t fire_method, int32_t mat_group, int32_t fire_exposure,
                                   int32_t sides_mask, double d, double b, double f_m, double f_c,
                                   double f_t, double *f_m_fi, double *f_c_fi, double *f_t_fi)
{
    return Fire_Strengths(/*ec=*/1, /*method=*/fire_method, /*group=*/mat_group,
                          /*exposure=*/fire_exposure, /*mask=*/sides_mask, /*d=*/d, /*b=*/b,
                          /*fm=*/f_m, /*fc=*/f_c, /*ft=*/f_t, /*fm_fi=*/f_m_fi, /*fc_fi=*/f_c_fi,
                          /*ft_fi=*/f_t_fi);
}

/* ---- the section check */

/* v * |v|: a term squared with its sign kept. */
static double Signed_Square(double v) { return v * fabs(v); }

/* k / value, or 1e6 for a section value 0. */
static double Stress_Factor(double k, double value) { return value == 0.0 ? 1.0e6 : k / value; }

/* Running utilisation of one slot. */
typedef struct Check_Slot {
    double U;
    uint32_t code;
    int have;
} Check_Slot;

static void Offer(Check_Slot *s, double u, uint32_t code)
{
    if (!s->have || u > s->U) {
        s->U = u;
        s->code = code;
        s->have = 1;
    }
}

/* The residual section after notches and charring (without precomputed values) or the
** precomputed section: its eccentricities e_y, e_z (m), the mask of its charred sides, and the
** dimensions and kind it is checked with. The precomputed buckling factors go into m. */
static void Checked_Section(Section_Check_Input *m, const Section_Precomputed *pre, int32_t *kind,
                            Section_Dims *dims, double *e_y_out, double *e_z_out, int32_t *mask_out)
{
    double e_y = 0.0, e_z = 0.0;
    int32_t mask = 0;
    if (!pre) {
        double db = 0.0, dd = 0.0;
        if (Calc_Restquerschnitt(
                /*kind=*/*kind, /*notch_position=*/m->notch_position, /*e=*/m->notch_e,
                /*fire_exposure=*/m->fire_exposure, /*fire_method=*/m->fire_method, /*t=*/m->char_t,
                /*t_o=*/m->char_to, /*t_l=*/m->char_tl, /*t_u=*/m->char_tu, /*t_r=*/m->char_tr,
                /*db=*/&db, /*dd=*/&dd, /*e_y=*/&e_y, /*e_z=*/&e_z, /*sides_mask=*/&mask)) {
            dims->v[0] = static_cast<float>(dims->v[0] + db);
            dims->v[1] = static_cast<float>(dims->v[1] + dd);
        } else {
            e_y = e_z = 0.0;
            mask = 0;
        }
    } else {
        e_y = pre->e_y;
        e_z = pre->e_z;
        mask = pre->sides_mask;
        *kind = pre->section_kind;
        for (int i = 0; i < 6; i++) dims->v[i] = static_cast<float>(pre->dims[i]);
        m->k_c_y = pre->k_c_y;
        m->k_c_z = pre->k_c_z;
        m->k_crit_y = pre->k_crit_y;
        m->k_crit_z = pre->k_crit_z;
    }
    *e_y_out = e_y * 0.01; /* cm -> m */
    *e_z_out = e_z * 0.01;
    *mask_out = mask;
}

/* The design strengths of the check (N/mm2) into r: kmod / gamma_M times the characteristic
** values, in fire the reduced or precomputed values, by EN 1995-1-1 with the size and shape
** factors. */
static void Design_Strengths(const Section_Check_Input &m, const Section_Precomputed *pre, int ec,
                             int32_t mask, const Section_Dims &dims, Section_Check_Result *r)
{
    const uint32_t fl = m.flags;
    const double kd = m.gamma_m > 0.0 ? m.kmod / m.gamma_m : m.kmod;
    double fmy = kd * m.f_m_y_k, fmz = kd * m.f_m_z_k, ft0 = kd * m.f_t_0_k, fc0 = kd * m.f_c_0_k;
    double fv = kd * m.f_v_k, ftor = fv;
    if ((fl & SCI_FIRE) && !pre) {
        double fm_fi, fc_fi, ft_fi;
        const int32_t rc =
            ec ? Calc_Brand_Festigkeiten_EC(
                /*fire_method=*/m.fire_method, /*mat_group=*/m.mat_group,
                /*fire_exposure=*/m.fire_exposure, /*sides_mask=*/mask, /*d=*/dims.v[1],
                /*b=*/dims.v[0], /*f_m=*/m.f_m_z_k, /*f_c=*/m.f_c_0_k, /*f_t=*/m.f_t_0_k,
                /*f_m_fi=*/&fm_fi, /*f_c_fi=*/&fc_fi, /*f_t_fi=*/&ft_fi)
               : Calc_Brand_Festigkeiten_DIN(
                   /*fire_method=*/m.fire_method, /*mat_group=*/m.mat_group,
                   /*fire_exposure=*/m.fire_exposure, /*sides_mask=*/mask, /*d=*/dims.v[1],
                   /*b=*/dims.v[0], /*f_m=*/m.f_m_z_k, /*f_c=*/m.f_c_0_k, /*f_t=*/m.f_t_0_k,
                   /*f_m_fi=*/&fm_fi, /*f_c_fi=*/&fc_fi, /*f_t_fi=*/&ft_fi);
        if (rc == 0) {
            fmy = fmz = fm_fi;
            ft0 = ft_fi;
            fc0 = fc_fi;
        }
    } else if ((fl & SCI_FIRE) && pre) {
        fmy = pre->f_m_y_d;
        fmz = pre->f_m_z_d;
        fc0 = pre->f_c_0_d;
        ft0 = pre->f_t_0_d;
        fv = ftor = pre->f_v_d;
    }
    if (ec && !pre) { /* EN 1995-1-1 3.2, 3.3 and (6.15) */
        fmy *= m.k_h_y;
        fmz *= m.k_h_z;
        ft0 *= m.k_h_t;
        ftor = fv * m.k_shape;
    }
    r->f_m_y_d = fmy;
    r->f_m_z_d = fmz;
    r->f_t_0_d = ft0;
    r->f_c_0_d = fc0;
    r->f_v_d = fv;
    r->f_tor_d = ftor;
}

/* The combined checks of axial force and bending (a second pass for lateral torsional buckling
** by EN 1995-1-1) on the design strengths in r: the largest utilisation with its code. */
static Check_Slot Combined_Checks(const Section_Check_Input &m, int ec, int tension, double sN,
                                  double s_top, double s_bot, double s_py, double s_my,
                                  const Section_Check_Result *r)
{
    const uint32_t fl = m.flags;
    const double fmy = r->f_m_y_d, fmz = r->f_m_z_d, ft0 = r->f_t_0_d, fc0 = r->f_c_0_d;
    const int passes = (ec && (fl & SCI_KIPPEN)) ? 2 : 1;
    Check_Slot slot = {};
    double c1 = 0.0, c2 = 0.0, c3 = 0.0, c4 = 0.0, a_y = 0.0, a_z = 0.0;
    for (int pass = 0; pass < passes; pass++) {
        uint32_t pass_bits = tension ? SCR_PASS_TENSION : SCR_PASS_COMPRESSION;
        int squared_axial = 0;
        if (tension) {
            if (ft0 != 0.0) c1 = c2 = c3 = c4 = 1.0 / ft0;
            if ((fl & SCI_AXIAL_BENDING) && fmy != 0.0) {
                c1 = 1.0 / fmy;
                if (fmz != 0.0) c2 = 1.0 / fmz;
            }
        } else {
            if (fc0 != 0.0 && m.k_c_y != 0.0) c1 = c3 = 1.0 / (m.k_c_y * fc0);
            if (fc0 != 0.0 && m.k_c_z != 0.0) c2 = c4 = 1.0 / (m.k_c_z * fc0);
            if ((fl & SCI_AXIAL_BENDING) && fmy != 0.0) {
                if (m.k_c_y != 0.0) c1 = 1.0 / (m.k_c_y * fmy);
                if (m.k_c_z != 0.0) c2 = 1.0 / (m.k_c_z * fmy);
            }
            /* EN 1995-1-1 (6.19): (sigma_c/f_c)^2 with bending, when no stability check applies */
            squared_axial =
                !(fl & (SCI_BUCKLING_Y | SCI_BUCKLING_Z | SCI_KIPPEN | SCI_AXIAL_BENDING));
        }
        if (m.k_crit_y != 0.0 && fmy != 0.0) a_y = 1.0 / (m.k_crit_y * fmy);
        if (m.k_crit_z != 0.0 && fmz != 0.0) a_z = 1.0 / (m.k_crit_z * fmz);
        const double b_y = m.k_m * a_y, b_z = m.k_m * a_z;
        double x1 = c1 * sN, x2 = c2 * sN;
        if (squared_axial) {
            x1 = Signed_Square(x1);
            x2 = Signed_Square(x2);
        }
        double w_py = b_z * s_py, w_top = b_y * s_top, w_my = b_z * s_my, w_bot = b_y * s_bot;
        if (ec && pass == 1) { /* EN 1995-1-1 (6.35): lateral torsional buckling */
            const int y_acts = fabs(s_top) >= 0.001 * fmy || fabs(s_bot) >= 0.001 * fmy;
            const int z_acts = fabs(s_py) >= 0.001 * fmz || fabs(s_my) >= 0.001 * fmz;
            if (y_acts && z_acts) {
                w_py = Signed_Square(w_py);
                w_top = Signed_Square(w_top);
                w_my = Signed_Square(w_my);
                w_bot = Signed_Square(w_bot);
                pass_bits |= SCR_KIPPEN;
            }
        } else if (!ec && (fl & SCI_KIPPEN)) {
            pass_bits |= SCR_KIPPEN;
        }
        uint32_t form1 = 1u, form2 = 2u;
        if (!tension) {
            if (fl & SCI_BUCKLING_Y) form1 = 0x2001u;
            if (fl & SCI_BUCKLING_Z) form2 = 0x2002u;
        }
        Offer(&slot, fabs(x1 + a_y * s_top + w_py), pass_bits | 0x500u | form1);
        Offer(&slot, fabs(a_z * s_py + w_top + x2), pass_bits | 0x500u | form2);
        Offer(&slot, fabs(x1 + a_y * s_top + w_my), pass_bits | 0x900u | form1);
        Offer(&slot, fabs(w_top + x2 + a_z * s_my), pass_bits | 0x900u | form2);
        Offer(&slot, fabs(w_py + x1 + a_y * s_bot), pass_bits | 0x600u | form1);
        Offer(&slot, fabs(a_z * s_py + x2 + w_bot), pass_bits | 0x600u | form2);
        Offer(&slot, fabs(x1 + a_y * s_bot + w_my), pass_bits | 0xa00u | form1);
        Offer(&slot, fabs(x2 + w_bot + a_z * s_my), pass_bits | 0xa00u | form2);
        /* The axial checks alone: with the axial-bending flag, and in the compression pass whose
    ** combined checks square the axial term, so that a member under compression reports its
    ** linear ratio sigma_c,0,d / (k_c f_c,0,d), EN 1995-1-1 (6.2) and (6.23). */
        if ((fl & SCI_AXIAL_BENDING) || squared_axial) {
            Offer(&slot, fabs(c3 * sN), pass_bits | 0x1001u);
            Offer(&slot, fabs(c4 * sN), pass_bits | 0x1002u);
        }
    }
    return slot;
}

int32_t Nachweis_Holz_Querschnitt(const Section_Forces *forces,
                                  const Section_Check_Input *member_in,
                                  const Section_Precomputed *pre, int32_t kind,
                                  const Section_Dims *dims_in, Section_Check_Result *r)
{
    if (!r) return 0;
    memset(r, 0, sizeof *r);
    static const Section_Forces no_forces = {};
    const Section_Forces F = forces ? *forces : no_forces;
    Section_Check_Input m = member_in ? *member_in : Section_Check_Template;
    Section_Dims dims = {};
    if (dims_in) dims = *dims_in;
    const uint32_t fl = m.flags;
    const int ec = (fl & SCI_EUROCODE) != 0;

    double e_y = 0.0, e_z = 0.0;
    int32_t mask = 0;
    Checked_Section(&m, pre, &kind, &dims, &e_y, &e_z, &mask);

    double sv[10];
    Calc_Querschnittswerte(kind, &dims, sv, 10);
    sv[SV_A_QY] = sv[SV_A_QZ] = 2.0 / 3.0 * sv[SV_A];
    if (m.overrides && m.n_overrides > 0 && m.override_mask != 0)
        for (int i = 0; i < 10 && i < m.n_overrides; i++)
            if (m.override_mask & (1u << i)) sv[i] = m.overrides[i];

    /* stress factors: kN/cm2 and kNm/cm3 to N/mm2 */
    const double kA = Stress_Factor(10.0, sv[SV_A]);
    const double kT = Stress_Factor(1000.0, sv[SV_W_T]);
    const double ku = Stress_Factor(1000.0, sv[SV_W_U]);
    const double ko = Stress_Factor(1000.0, sv[SV_W_O_NEG]);
    const double kzp = Stress_Factor(-1000.0, sv[SV_W_ZP]);
    const double kzm = Stress_Factor(-1000.0, sv[SV_W_ZM_NEG]);
    double kQy = Stress_Factor(10.0, sv[SV_A_QY]);
    double kQz = Stress_Factor(10.0, sv[SV_A_QZ]);
    if (ec) { /* EN 1995-1-1 (6.13a): b_ef = k_cr b */
        if (m.k_cr_y > 0.0) kQy /= m.k_cr_y;
        if (m.k_cr_z > 0.0) kQz /= m.k_cr_z;
    }

    /* stresses */
    const double My = F.My + F.N * e_z, Mz = F.Mz - F.N * e_y;
    const double sN = kA * F.N;
    const double s_top = ko * My, s_bot = ku * My, s_py = kzp * Mz, s_my = kzm * Mz;
    r->sigma_N = sN;
    r->sigma_m_y_top = s_top;
    r->sigma_m_y_bottom = s_bot;
    r->sigma_m_z_pos = s_py;
    r->sigma_m_z_neg = s_my;
    r->tau_tor = fabs(F.T) * kT;
    r->tau_v = sqrt(pow(kQz * F.Vz, 2) + pow(kQy * F.Vy, 2));
    const double corners[4] = {sN + s_top + s_py, sN + s_top + s_my, sN + s_bot + s_py,
                               sN + s_bot + s_my};
    r->sigma_min = r->sigma_max = corners[0];
    for (int i = 1; i < 4; i++) {
        r->sigma_min = fmin(r->sigma_min, corners[i]);
        r->sigma_max = fmax(r->sigma_max, corners[i]);
    }

    /* design strengths */
    Design_Strengths(m, pre, ec, mask, dims, r);
    const double fv = r->f_v_d, ftor = r->f_tor_d;

    /* combined checks */
    const int tension = F.N >= 0.0;
    const Check_Slot slot = Combined_Checks(m, ec, tension, sN, s_top, s_bot, s_py, s_my, r);
    if (tension) r->U_t = slot.U;
    else r->U_c = slot.U;
    uint32_t code = slot.code;

    /* shear and torsion, EN 1995-1-1 (6.13), (6.14): tau_tor/f_tor + (tau_v/f_v)^2 = U */
    if (fv != 0.0) {
        code |= SCR_SHEAR;
        const double tt = r->tau_tor, tv = r->tau_v;
        if (ftor == 0.0) {
            r->U_v = (tt + sqrt(tt * tt + 4.0 * tv * tv)) / 2.0 / fv;
        } else {
            const double a = tt / ftor, q = tv / fv;
            r->U_v = (a + sqrt(a * a + 4.0 * q * q)) / 2.0;
        }
    }
    r->code = code;
    r->U_max = fmax(0.0, fmax(slot.U, r->U_v));
    return 1;
}

int32_t Calc_Holz_Querschnitt(const Section_Forces *forces, const Section_Check_Input *member,
                              int32_t kind, const Section_Dims *dims, Section_Check_Result *result)
{
    return Nachweis_Holz_Querschnitt(forces, member, nullptr, kind, dims, result);
}
