/*
** Timber member check of one set of forces: the admissible-stress check of the old grades
** (DIN 1052 (1988)) and the limit-state check of DIN 1052-2008 / DIN EN 1995 through the
** section check, each with its print text in the second output stream.
*/
#include <cmath>
#include <cstring>

#include "catalogue/mc_grades.h"
#include "catalogue/member_check_internal.h"
#include "foundation/files.h"

/* |1000 / w|: the stress factor of a section modulus in cm3 for a moment in kNm; 0 for w = 0. */
static double K_W(double w) { return w == 0.0 ? 0.0 : std::fabs(1000.0 / w); }

static double Max2(double a, double b) { return a > b ? a : b; }
static double Min2(double a, double b) { return a < b ? a : b; }

/* ---------------------------------------------------------------- admissible stresses */

/* The stresses and ratios of one admissible-stress check, kept for its print. */
typedef struct Zul_Work {
    double N, Vy, Vz, T, My, Mz;   /* forces used (N times the normal-force factor) */
    double sN, so, su, bmin, bmax; /* normal and bending stresses, MN/m2 */
    double tQ, tT;                 /* shear stresses from Q and T */
    double t, c;                   /* tension and compression edge interaction stresses */
    double a, q, Uv;               /* torsion and shear ratios, their interaction */
    Zul_Spannungen z;              /* admissible stresses times the factor */
} Zul_Work;

/* The stresses of the section under the forces, in MN/m2 from kN, kNm and cm. */
static void Zul_Stresses(const Member_Record *m, const Section_Forces *f, double n_factor,
                         uint32_t spatial, uint32_t flags, Zul_Work *w)
{
    double v[10];
    Calc_Querschnittswerte(m->section_kind, &m->dims, v, 10);
    w->N = f->N * n_factor;
    w->Vy = spatial ? f->Vy : 0.0;
    w->Vz = f->Vz;
    w->T = spatial ? f->T : 0.0;
    w->My = f->My;
    w->Mz = spatial ? f->Mz : 0.0;
    w->sN = v[SV_A] == 0.0 ? 0.0 : 10.0 * w->N / v[SV_A];
    if (f->N <= 0.0 && (m->switches & MEMBER_OMEGA) && !(flags & ZUL_NO_OMEGA))
        w->sN *= Max2(m->omega, 1.0);
    double sr = 0.0, sl = 0.0;
    if (m->section_kind == SECTION_KREIS) {
        const double M = std::sqrt(w->My * w->My + w->Mz * w->Mz);
        w->so = 0.0 - K_W(v[SV_W_O_NEG]) * M; /* no negative zero in the print */
        w->su = K_W(v[SV_W_U]) * M;
    } else {
        w->so = 0.0 - K_W(v[SV_W_O_NEG]) * w->My;
        w->su = K_W(v[SV_W_U]) * w->My;
        sr = 0.0 - K_W(v[SV_W_ZP]) * w->Mz;
        sl = K_W(v[SV_W_ZM_NEG]) * w->Mz;
    }
    w->bmax = Max2(w->so, w->su) + Max2(sr, sl);
    w->bmin = Min2(w->so, w->su) + Min2(sr, sl);
    const double Q = std::sqrt(w->Vy * w->Vy + w->Vz * w->Vz);
    w->tQ = v[SV_A] == 0.0 ? 0.0 : 1.5 * 10.0 * Q / v[SV_A];
    w->tT = K_W(v[SV_W_T]) * std::fabs(w->T);
}

/* The forces and stresses lines of the print. */
static void Print_Zul_Stresses(FILE *o, const char *in, const Section_Forces *f, double n_factor,
                               const char *n_factor_name, uint32_t spatial, int normal, int shear,
                               int torsion, const Zul_Work *w, const double res[7])
{
    if (!spatial) {
        File_Printf(o, "%sSchnittgr" OE SZ "en:  N = %.2f kN,  Q = %.2f kN,  M = %.2f kNm", in,
                    f->N, w->Vz, w->My);
    } else {
        File_Printf(o,
                    "%sSchnittkr" AE "fte:  N = %.2f kN,  Q" SUB "%s" NRM " = %.2f kN,  Q" SUB
                    "%s" NRM " = %.2f kN",
                    in, f->N, AY, w->Vy, AZ, w->Vz);
    }
    if (n_factor != 1.0 && n_factor_name)
        File_Printf(o, ",  N * %s = %.2f kN", n_factor_name, w->N);
    File_Printf(o, "\n");
    if (spatial)
        File_Printf(o,
                    "%sMomente:  T = %.2f kNm,  M" SUB "%s" NRM " = %.2f kNm,  M" SUB "%s" NRM
                    " = %.2f kNm\n",
                    in, w->T, AY, w->My, AZ, w->Mz);
    if (normal && w->sN != 0.0)
        File_Printf(o, "%sSpannung aus Normalkraft:  %s" SUB "N" NRM " = %.2f" MNM2 "\n", in, SIGMA,
                    w->sN);
    if (!spatial) {
        if (normal) {
            File_Printf(o,
                        "%sSpannungen:  %s" SUB "o" NRM " = %.2f" MNM2 ",  %s" SUB "u" NRM
                        " = %.2f" MNM2,
                        in, SIGMA, w->so, SIGMA, w->su);
            if (shear) File_Printf(o, ",  %s" SUB "Q" NRM " = %.2f" MNM2, TAU, w->tQ);
            File_Printf(o, "\n");
        } else if (shear) {
            File_Printf(o, "%sSchubspannung:  %s" SUB "Q" NRM " = %.2f" MNM2 "\n", in, TAU, w->tQ);
        }
    } else {
        if (normal)
            File_Printf(o,
                        "%sNormalspannungen:  %s" SUB "max" NRM " = %.2f" MNM2 ",  %s" SUB "min" NRM
                        " = %.2f" MNM2 "\n",
                        in, SIGMA, res[0], SIGMA, res[1]);
        if (shear && torsion)
            File_Printf(o,
                        "%sSchubspannungen:  %s" SUB "Q" NRM " = %.2f" MNM2 ",  %s" SUB "T" NRM
                        " = %.2f" MNM2 "\n",
                        in, TAU, w->tQ, TAU, w->tT);
        else if (shear)
            File_Printf(o, "%sSchubspannung:  %s" SUB "Q" NRM " = %.2f" MNM2 "\n", in, TAU, w->tQ);
        else if (torsion)
            File_Printf(o, "%sSchubspannung:  %s" SUB "T" NRM " = %.2f" MNM2 "\n", in, TAU, w->tT);
    }
}

/* The ratio lines of the print: stress over admissible stress. */
static void Print_Zul_Ratios(FILE *o, const char *in, int normal, int shear, int torsion,
                             const Zul_Work *w, const double res[7])
{
    const Zul_Spannungen &z = w->z;
    if (normal) {
        if (w->t > 0.0)
            File_Printf(o, "%s%s" SUB "Z" NRM "/zul %s" SUB "Z" NRM " = %.2f/%.2f = %.3f\n", in,
                        SIGMA, SIGMA, res[4], z.sigma_Z, res[4] / z.sigma_Z);
        if (w->c < 0.0) {
            if (w->bmin != 0.0 || w->bmax != 0.0)
                File_Printf(o, "%s%s" SUB "D" NRM "/zul %s" SUB "D" NRM " = %.2f/%.2f = %.3f\n", in,
                            SIGMA, SIGMA, res[3], z.sigma_D, res[3] / z.sigma_D);
            else
                File_Printf(o, "%s%s" SUB "N" NRM "/zul %s" SUB "D" NRM " = %.2f/%.2f = %.3f\n", in,
                            SIGMA, SIGMA, res[3], z.sigma_D, res[3] / z.sigma_D);
        }
    }
    if (shear && torsion) {
        File_Printf(o, "%s", in);
        File_Printf(o,
                    "%s" SUB "T" NRM "/zul %s" SUB "T" NRM " = %.2f/%.2f = %.3f%s%s" SUB "Q" NRM
                    "/zul %s" SUB "Q" NRM " = %.2f/%.2f = %.3f\n",
                    TAU, TAU, w->tT, z.tau_T, w->a, ",  ", TAU, TAU, w->tQ, z.tau_Q, w->q);
        File_Printf(o, "%s", in);
        File_Printf(o,
                    "(%s" SUB "T" NRM "/U" SUB "%s" NRM ")/zul %s" SUB "T" NRM " + ((%s" SUB "Q" NRM
                    "/U" SUB "%s" NRM ")/zul %s" SUB "Q" NRM ")" SUP "m" NRM " = 1  %s  U" SUB
                    "%s" NRM " = %.3f\n",
                    TAU, "v", TAU, TAU, "v", TAU, ARROW, "v", w->Uv);
    } else if (torsion) {
        File_Printf(o, "%s%s" SUB "T" NRM "/zul %s" SUB "T" NRM " = %.2f/%.2f = %.3f\n", in, TAU,
                    TAU, w->tT, z.tau_T, w->a);
    } else if (shear) {
        File_Printf(o, "%s%s" SUB "Q" NRM "/zul %s" SUB "Q" NRM " = %.2f/%.2f = %.3f\n", in, TAU,
                    TAU, w->tQ, z.tau_Q, w->q);
    }
}

/* results: 0 sigma_N + largest bending edge stress, 1 sigma_N + smallest, 2 tau_Q,
** 3 compression-combined stress, 4 tension-combined stress, 5 tau_T, 6 utilisation U. */
uint32_t Print_Nachweis_Zul(const Member_Record *m, const Section_Forces *f, double factor,
                            double n_factor, const char *n_factor_name, uint32_t spatial,
                            uint32_t flags, double results[7])
{
    double res[7] = {0, 0, 0, 0, 0, 0, 0};
    if (results) memcpy(results, res, sizeof res);
    if (!m || !f) return 0;
    const int normal = !(flags & ZUL_NO_NORMAL), shear = !(flags & ZUL_NO_SHEAR);
    const int torsion = spatial && !(flags & ZUL_NO_TORSION);
    if (factor <= 0.0) factor = 1.0;
    if (n_factor <= 0.0) n_factor = 1.0;

    Zul_Work w;
    Zul_Stresses(m, f, n_factor, spatial, flags, &w);
    Zul_Spannungen &z = w.z;
    Get_Zul_Spannungen(m->old_kind ? m->old_grade : m->grade_code, m->load_case_set, &z);
    z.sigma_D *= factor;
    z.sigma_Z *= factor;
    z.sigma_B *= factor;
    z.tau_Q *= factor;
    z.tau_T *= factor;

    /* DIN 1052 (1988): sigma_Z/zul sigma_Z + sigma_B/zul sigma_B <= 1, at the tension edge, and
  ** likewise with compression at the compression edge */
    w.t = w.sN + w.bmax * z.sigma_Z / z.sigma_B;
    w.c = w.sN + w.bmin * z.sigma_D / z.sigma_B;
    res[0] = w.sN + w.bmax;
    res[1] = w.sN + w.bmin;
    res[2] = w.tQ;
    res[3] = w.c < 0.0 ? std::fabs(w.c) : 0.0;
    res[4] = w.t > 0.0 ? w.t : 0.0;
    res[5] = w.tT;
    double U = 0.0;
    uint32_t code = 0;
    if (normal) {
        code |= 0x100000u;
        U = Max2(res[4] / z.sigma_Z, res[3] / z.sigma_D);
    }
    w.a = torsion ? w.tT / z.tau_T : 0.0;
    w.q = shear ? w.tQ / z.tau_Q : 0.0;
    if (shear) code |= 0x200000u;
    if (torsion) code |= 0x400000u;
    if (shear && torsion) w.Uv = Zul_Interaction(w.a, w.q, z.m);
    else w.Uv = shear ? w.q : w.a;
    res[6] = Max2(U, w.Uv);
    if (results) memcpy(results, res, sizeof res);

    FILE *o = MC_Second;
    if (!o) return code;
    Print_Zul_Stresses(/*o=*/o, /*in=*/MC_Ind2, /*f=*/f, /*n_factor=*/n_factor,
                       /*n_factor_name=*/n_factor_name, /*spatial=*/spatial, /*normal=*/normal,
                       /*shear=*/shear, /*torsion=*/torsion, /*w=*/&w, /*res=*/res);
    Print_Zul_Ratios(o, MC_Ind2, normal, shear, torsion, &w, res);
    return code;
}

/* ---------------------------------------------------------------- limit-state check */

void Fill_Member_Check_Input(const Member_Record *m, uint32_t flags, Section_Check_Input *in)
{
    if (!in) return;
    *in = Section_Check_Template;
    if (!m) return;
    const int eu = (flags & MC_EUROCODE) != 0;
    const Member_Design_Values *ds = &m->ds[eu ? 1 : 0];
    const int32_t grade = eu ? m->grade_code_ec : m->grade_code;
    const Holzguete_Record *g = Get_Holzguete_Record(grade);
    if ((m->switches & MEMBER_KNICK_Y) && !(flags & MC_NO_KNICK_Y)) in->flags |= SCI_BUCKLING_Y;
    if ((m->switches & MEMBER_KNICK_Z) && !(flags & MC_NO_KNICK_Z)) in->flags |= SCI_BUCKLING_Z;
    if ((m->switches & MEMBER_KIPPEN) && !(flags & MC_NO_KIPPEN)) in->flags |= SCI_KIPPEN;
    if (flags & MC_AXIAL_BENDING) in->flags |= SCI_AXIAL_BENDING;
    if (eu) in->flags |= SCI_EUROCODE;
    if ((flags & MC_FIRE) && m->fire_exposure >= 0 && m->fire_exposure <= 4 && m->char_t > 0.0) {
        in->flags |= SCI_FIRE;
        in->fire_exposure = m->fire_exposure;
        in->char_t = m->char_t;
        in->fire_method = (flags & MC_FIRE_METHOD_2) ? 2 : 1;
    }
    if (m->notch_position >= 1 && m->notch_position <= 4) {
        in->notch_position = m->notch_position;
        in->notch_e = m->notch_e;
    }
    in->mat_group = MC_Mat_Group(grade);
    in->gamma_m = ds->gamma_m > 0.0 ? ds->gamma_m : 1.0;
    in->kmod = ds->kmod > 0.0 ? ds->kmod : 1.0;
    /* factors not given keep the template's 1.0 */
    const double *src[] = {&ds->k_m,    &ds->k_h_y,    &ds->k_h_z,   &ds->k_h_t,
                           &ds->k_cr_y, &ds->k_cr_z,   &ds->k_shape, &ds->k_c_y,
                           &ds->k_c_z,  &ds->k_crit_y, &ds->k_crit_z};
    double *dst[] = {&in->k_m,     &in->k_h_y, &in->k_h_z, &in->k_h_t,    &in->k_cr_y,  &in->k_cr_z,
                     &in->k_shape, &in->k_c_y, &in->k_c_z, &in->k_crit_y, &in->k_crit_z};
    for (size_t i = 0; i < sizeof src / sizeof src[0]; i++)
        if (*src[i] > 0.0) *dst[i] = *src[i];
    in->f_m_y_k = in->f_m_z_k = g->f_m_k;
    in->f_t_0_k = g->f_t_0_k;
    in->f_c_0_k = g->f_c_0_k;
    in->f_v_k = g->f_v_k;
}

/* The edges of the governing combined check, e.g. "oben/+y". */
static void Print_Edges(FILE *o, uint32_t code)
{
    const char *y = (code & 0x100u) ? "oben" : (code & 0x200u) ? "unten" : "";
    const char *zs = (code & 0x400u) ? "+" : (code & 0x800u) ? "-" : "";
    File_Printf(o, "Rand %s%s%s%s", y, zs[0] ? "/" : "", zs, zs[0] ? AY : "");
}

int32_t Print_Nachweis_EC(const Member_Record *m, const Section_Forces *f, uint32_t flags,
                          Section_Check_Result *r)
{
    if (!m || !f || !r) return 0;
    Section_Check_Input in;
    Fill_Member_Check_Input(m, flags, &in);
    Section_Precomputed pre;
    const Section_Precomputed *pp = nullptr;
    Section_Dims dims = m->dims;
    const int kind = m->section_kind;
    if ((in.flags & SCI_FIRE) && (kind == SECTION_RECHTECK || kind == SECTION_KREIS)) {
        const Member_Fire_Values *fv = &m->fire[in.fire_method - 1];
        if (fv->valid) {
            memset(&pre, 0, sizeof pre);
            pre.e_y = fv->e_y;
            pre.e_z = fv->e_z;
            pre.f_m_y_d = fv->f_m_y_d;
            pre.f_m_z_d = fv->f_m_z_d;
            pre.f_t_0_d = fv->f_t_0_d;
            pre.f_c_0_d = fv->f_c_0_d;
            pre.k_c_y = fv->k_c_y > 0.0 ? fv->k_c_y : 1.0;
            pre.k_c_z = fv->k_c_z > 0.0 ? fv->k_c_z : 1.0;
            pre.k_crit_y = fv->k_crit_y > 0.0 ? fv->k_crit_y : 1.0;
            pre.k_crit_z = fv->k_crit_z > 0.0 ? fv->k_crit_z : 1.0;
            pre.section_kind = kind;
            if (kind == SECTION_RECHTECK) {
                pre.dims[0] = fv->b;
                pre.dims[1] = fv->d;
            } else {
                pre.dims[0] = fv->d;
            }
            for (int i = 0; i < 6; i++) dims.v[i] = (float)pre.dims[i];
            pp = &pre;
        }
    }
    Nachweis_Holz_Querschnitt(f, &in, pp, kind, &dims, r);

    FILE *o = MC_Second;
    if (!o) return 1;
    const char *i2 = MC_Ind2;
    if (!(flags & MC_SPATIAL)) {
        File_Printf(o, "%sSchnittgr" OE SZ "en:  N = %.2f kN,  V = %.2f kN,  M = %.2f kNm\n", i2,
                    f->N, f->Vz, f->My);
    } else {
        File_Printf(o,
                    "%sSchnittkr" AE "fte in kN:  N = %.2f,  V" SUB "%s" NRM " = %.2f,  V" SUB
                    "%s" NRM " = %.2f\n",
                    i2, f->N, AY, f->Vy, AZ, f->Vz);
        File_Printf(o,
                    "%sMomente in kNm:  T = %.2f,  M" SUB "%s" NRM " = %.2f,  M" SUB "%s" NRM
                    " = %.2f\n",
                    i2, f->T, AY, f->My, AZ, f->Mz);
    }
    File_Printf(o,
                "%sMaterialsicherheits-, Modifikationsbeiwert:  %s" SUB "M" NRM " = %.2f,  k" SUB
                "mod" NRM " = %.2f\n",
                i2, GAMMA, in.gamma_m, in.kmod);
    File_Printf(o, "%sFestigkeitskennwerte (Biegung) in MN/m" SUP "2" NRM ":  ", i2);
    if (r->f_m_y_d == r->f_m_z_d)
        File_Printf(o, "f" SUB "m,%s,d" NRM " = f" SUB "m,%s,d" NRM " = %.2f", AY, AZ, r->f_m_y_d);
    else
        File_Printf(o, "f" SUB "m,%s,d" NRM " = %.2f, f" SUB "m,%s,d" NRM " = %.2f", AY, r->f_m_y_d,
                    AZ, r->f_m_z_d);
    File_Printf(o, ", f" SUB "t,0,d" NRM " = %.2f", r->f_t_0_d);
    File_Printf(o, ", f" SUB "c,0,d" NRM " = %.2f\n", r->f_c_0_d);
    File_Printf(o, "%sNormalspannungen in MN/m" SUP "2" NRM ":  %s" SUB "0,d" NRM " = %.2f", i2,
                SIGMA, r->sigma_N);
    File_Printf(o, ",  %.2f %s %s" SUB "m,%s,d" NRM " %s %.2f",
                Min2(r->sigma_m_y_top, r->sigma_m_y_bottom), LEQ, SIGMA, AY, LEQ,
                Max2(r->sigma_m_y_top, r->sigma_m_y_bottom));
    File_Printf(o, ",  %.2f %s %s" SUB "m,%s,d" NRM " %s %.2f\n",
                Min2(r->sigma_m_z_pos, r->sigma_m_z_neg), LEQ, SIGMA, AZ, LEQ,
                Max2(r->sigma_m_z_pos, r->sigma_m_z_neg));
    File_Printf(
        o, "%sExtr. Normalspannungen in MN/m" SUP "2" NRM ":  %.2f %s %s" SUB "d" NRM " %s %.2f\n",
        i2, r->sigma_min, LEQ, SIGMA, LEQ, r->sigma_max);
    const int compression = (r->code & SCR_PASS_COMPRESSION) != 0;
    File_Printf(o, "%sBiegung und %s (", i2, compression ? "Druck" : "Zug");
    Print_Edges(o, r->code);
    File_Printf(o, "):  U" SUB "%s" NRM " = %.3f\n", "m", compression ? r->U_c : r->U_t);
    if (r->code & SCR_SHEAR) {
        File_Printf(o, "%sFestigkeitskennwerte (Schub) in MN/m" SUP "2" NRM ":  ", i2);
        if (r->f_v_d == r->f_tor_d)
            File_Printf(o, "f" SUB "v,d" NRM " = f" SUB "tor,d" NRM " = %.2f\n", r->f_v_d);
        else
            File_Printf(o, "f" SUB "v,d" NRM " = %.2f, f" SUB "tor,d" NRM " = %.2f\n", r->f_v_d,
                        r->f_tor_d);
        File_Printf(o,
                    "%sMax. Schubspannungen in MN/m" SUP "2" NRM ":  %s" SUB "d" NRM
                    " = %.2f,  %s" SUB "tor,d" NRM " = %.2f\n",
                    i2, TAU, r->tau_v, TAU, r->tau_tor);
        File_Printf(o,
                    "%sQuerkraft und Torsion:  (%s" SUB "tor,d" NRM "/U" SUB "%s" NRM ")/f" SUB
                    "tor,d" NRM " + ((%s" SUB "d" NRM "/U" SUB "%s" NRM ")/f" SUB "v,d" NRM ")" SUP
                    "2" NRM " = 1  %s  U" SUB "%s" NRM " = %.3f\n",
                    i2, TAU, "v", TAU, "v", ARROW, "v", r->U_v);
    }
    return 1;
}
