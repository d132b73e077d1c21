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
static double K_W(double w)
{
  return w == 0.0 ? 0.0 : std::fabs(1000.0 / w);
}

static double Max2(double a, double b) { return a > b ? a : b; }
static double Min2(double a, double b) { return a < b ? a : b; }

/* ---------------------------------------------------------------- admissible stresses */

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

  /* stresses (MN/m2) from forces in kN, moments in kNm and section values in cm */
  double v[10];
  Calc_Querschnittswerte(m->section_kind, &m->dims, v, 10);
  const double N = f->N * n_factor;
  const double Vy = spatial ? f->Vy : 0.0, Vz = f->Vz;
  const double T = spatial ? f->T : 0.0, My = f->My, Mz = spatial ? f->Mz : 0.0;
  double sN = v[SV_A] == 0.0 ? 0.0 : 10.0 * N / v[SV_A];
  if (f->N <= 0.0 && (m->switches & MEMBER_OMEGA) && !(flags & ZUL_NO_OMEGA))
    sN *= Max2(m->omega, 1.0);
  double so, su, sr = 0.0, sl = 0.0;
  if (m->section_kind == SECTION_KREIS) {
    const double M = std::sqrt(My * My + Mz * Mz);
    so = 0.0 - K_W(v[SV_W_O_NEG]) * M;   /* no negative zero in the print */
    su = K_W(v[SV_W_U]) * M;
  } else {
    so = 0.0 - K_W(v[SV_W_O_NEG]) * My;
    su = K_W(v[SV_W_U]) * My;
    sr = 0.0 - K_W(v[SV_W_ZP]) * Mz;
    sl = K_W(v[SV_W_ZM_NEG]) * Mz;
  }
  const double bmax = Max2(so, su) + Max2(sr, sl), bmin = Min2(so, su) + Min2(sr, sl);
  const double Q = std::sqrt(Vy * Vy + Vz * Vz);
  const double tQ = v[SV_A] == 0.0 ? 0.0 : 1.5 * 10.0 * Q / v[SV_A];
  const double tT = K_W(v[SV_W_T]) * std::fabs(T);

  Zul_Spannungen z;
  Get_Zul_Spannungen(m->old_kind ? m->old_grade : m->grade_code, m->load_case_set, &z);
  z.sigma_D *= factor;
  z.sigma_Z *= factor;
  z.sigma_B *= factor;
  z.tau_Q *= factor;
  z.tau_T *= factor;

  /* DIN 1052 (1988): sigma_Z/zul sigma_Z + sigma_B/zul sigma_B <= 1, at the tension edge, and
  ** likewise with compression at the compression edge */
  const double t = sN + bmax * z.sigma_Z / z.sigma_B;
  const double c = sN + bmin * z.sigma_D / z.sigma_B;
  res[0] = sN + bmax;
  res[1] = sN + bmin;
  res[2] = tQ;
  res[3] = c < 0.0 ? std::fabs(c) : 0.0;
  res[4] = t > 0.0 ? t : 0.0;
  res[5] = tT;
  double U = 0.0;
  uint32_t code = 0;
  if (normal) {
    code |= 0x100000u;
    U = Max2(res[4] / z.sigma_Z, res[3] / z.sigma_D);
  }
  const double a = torsion ? tT / z.tau_T : 0.0, q = shear ? tQ / z.tau_Q : 0.0;
  if (shear) code |= 0x200000u;
  if (torsion) code |= 0x400000u;
  double Uv = 0.0;
  if (shear && torsion) Uv = Zul_Interaction(a, q, z.m);
  else Uv = shear ? q : a;
  res[6] = Max2(U, Uv);
  if (results) memcpy(results, res, sizeof res);

  /* the print */
  FILE *o = MC_Second;
  if (!o) return code;
  const char *in = MC_Ind2;
  if (!spatial) {
    File_Printf(o, "%sSchnittgr" OE SZ "en:  N = %.2f kN,  Q = %.2f kN,  M = %.2f kNm", in, f->N, Vz, My);
  } else {
    File_Printf(o, "%sSchnittkr" AE "fte:  N = %.2f kN,  Q" SUB "%s" NRM " = %.2f kN,  Q" SUB "%s" NRM " = %.2f kN",
                in, f->N, AY, Vy, AZ, Vz);
  }
  if (n_factor != 1.0 && n_factor_name) File_Printf(o, ",  N * %s = %.2f kN", n_factor_name, N);
  File_Printf(o, "\n");
  if (spatial)
    File_Printf(o, "%sMomente:  T = %.2f kNm,  M" SUB "%s" NRM " = %.2f kNm,  M" SUB "%s" NRM " = %.2f kNm\n",
                in, T, AY, My, AZ, Mz);
  if (normal && sN != 0.0)
    File_Printf(o, "%sSpannung aus Normalkraft:  %s" SUB "N" NRM " = %.2f" MNM2 "\n", in, SIGMA, sN);
  if (!spatial) {
    if (normal) {
      File_Printf(o, "%sSpannungen:  %s" SUB "o" NRM " = %.2f" MNM2 ",  %s" SUB "u" NRM " = %.2f" MNM2,
                  in, SIGMA, so, SIGMA, su);
      if (shear) File_Printf(o, ",  %s" SUB "Q" NRM " = %.2f" MNM2, TAU, tQ);
      File_Printf(o, "\n");
    } else if (shear) {
      File_Printf(o, "%sSchubspannung:  %s" SUB "Q" NRM " = %.2f" MNM2 "\n", in, TAU, tQ);
    }
  } else {
    if (normal)
      File_Printf(o, "%sNormalspannungen:  %s" SUB "max" NRM " = %.2f" MNM2 ",  %s" SUB "min" NRM " = %.2f" MNM2 "\n",
                  in, SIGMA, res[0], SIGMA, res[1]);
    if (shear && torsion)
      File_Printf(o, "%sSchubspannungen:  %s" SUB "Q" NRM " = %.2f" MNM2 ",  %s" SUB "T" NRM " = %.2f" MNM2 "\n",
                  in, TAU, tQ, TAU, tT);
    else if (shear)
      File_Printf(o, "%sSchubspannung:  %s" SUB "Q" NRM " = %.2f" MNM2 "\n", in, TAU, tQ);
    else if (torsion)
      File_Printf(o, "%sSchubspannung:  %s" SUB "T" NRM " = %.2f" MNM2 "\n", in, TAU, tT);
  }
  if (normal) {
    if (t > 0.0)
      File_Printf(o, "%s%s" SUB "Z" NRM "/zul %s" SUB "Z" NRM " = %.2f/%.2f = %.3f\n", in, SIGMA, SIGMA,
                  res[4], z.sigma_Z, res[4] / z.sigma_Z);
    if (c < 0.0) {
      if (bmin != 0.0 || bmax != 0.0)
        File_Printf(o, "%s%s" SUB "D" NRM "/zul %s" SUB "D" NRM " = %.2f/%.2f = %.3f\n", in, SIGMA, SIGMA,
                    res[3], z.sigma_D, res[3] / z.sigma_D);
      else
        File_Printf(o, "%s%s" SUB "N" NRM "/zul %s" SUB "D" NRM " = %.2f/%.2f = %.3f\n", in, SIGMA, SIGMA,
                    res[3], z.sigma_D, res[3] / z.sigma_D);
    }
  }
  if (shear && torsion) {
    File_Printf(o, "%s", in);
    File_Printf(o, "%s" SUB "T" NRM "/zul %s" SUB "T" NRM " = %.2f/%.2f = %.3f%s%s" SUB "Q" NRM "/zul %s" SUB "Q" NRM
                " = %.2f/%.2f = %.3f\n", TAU, TAU, tT, z.tau_T, a, ",  ", TAU, TAU, tQ, z.tau_Q, q);
    File_Printf(o, "%s", in);
    File_Printf(o, "(%s" SUB "T" NRM "/U" SUB "%s" NRM ")/zul %s" SUB "T" NRM " + ((%s" SUB "Q" NRM "/U" SUB "%s" NRM
                ")/zul %s" SUB "Q" NRM ")" SUP "m" NRM " = 1  %s  U" SUB "%s" NRM " = %.3f\n",
                TAU, "v", TAU, TAU, "v", TAU, ARROW, "v", Uv);
  } else if (torsion) {
    File_Printf(o, "%s%s" SUB "T" NRM "/zul %s" SUB "T" NRM " = %.2f/%.2f = %.3f\n", in, TAU, TAU, tT, z.tau_T, a);
  } else if (shear) {
    File_Printf(o, "%s%s" SUB "Q" NRM "/zul %s" SUB "Q" NRM " = %.2f/%.2f = %.3f\n", in, TAU, TAU, tQ, z.tau_Q, q);
  }
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
  const double *src[] = {&ds->k_m, &ds->k_h_y, &ds->k_h_z, &ds->k_h_t, &ds->k_cr_y, &ds->k_cr_z,
                         &ds->k_shape, &ds->k_c_y, &ds->k_c_z, &ds->k_crit_y, &ds->k_crit_z};
  double *dst[] = {&in->k_m, &in->k_h_y, &in->k_h_z, &in->k_h_t, &in->k_cr_y, &in->k_cr_z,
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
    File_Printf(o, "%sSchnittgr" OE SZ "en:  N = %.2f kN,  V = %.2f kN,  M = %.2f kNm\n", i2, f->N, f->Vz, f->My);
  } else {
    File_Printf(o, "%sSchnittkr" AE "fte in kN:  N = %.2f,  V" SUB "%s" NRM " = %.2f,  V" SUB "%s" NRM " = %.2f\n",
                i2, f->N, AY, f->Vy, AZ, f->Vz);
    File_Printf(o, "%sMomente in kNm:  T = %.2f,  M" SUB "%s" NRM " = %.2f,  M" SUB "%s" NRM " = %.2f\n",
                i2, f->T, AY, f->My, AZ, f->Mz);
  }
  File_Printf(o, "%sMaterialsicherheits-, Modifikationsbeiwert:  %s" SUB "M" NRM " = %.2f,  k" SUB "mod" NRM " = %.2f\n",
              i2, GAMMA, in.gamma_m, in.kmod);
  File_Printf(o, "%sFestigkeitskennwerte (Biegung) in MN/m" SUP "2" NRM ":  ", i2);
  if (r->f_m_y_d == r->f_m_z_d)
    File_Printf(o, "f" SUB "m,%s,d" NRM " = f" SUB "m,%s,d" NRM " = %.2f", AY, AZ, r->f_m_y_d);
  else
    File_Printf(o, "f" SUB "m,%s,d" NRM " = %.2f, f" SUB "m,%s,d" NRM " = %.2f", AY, r->f_m_y_d, AZ, r->f_m_z_d);
  File_Printf(o, ", f" SUB "t,0,d" NRM " = %.2f", r->f_t_0_d);
  File_Printf(o, ", f" SUB "c,0,d" NRM " = %.2f\n", r->f_c_0_d);
  File_Printf(o, "%sNormalspannungen in MN/m" SUP "2" NRM ":  %s" SUB "0,d" NRM " = %.2f", i2, SIGMA, r->sigma_N);
  File_Printf(o, ",  %.2f %s %s" SUB "m,%s,d" NRM " %s %.2f", Min2(r->sigma_m_y_top, r->sigma_m_y_bottom), LEQ,
              SIGMA, AY, LEQ, Max2(r->sigma_m_y_top, r->sigma_m_y_bottom));
  File_Printf(o, ",  %.2f %s %s" SUB "m,%s,d" NRM " %s %.2f\n", Min2(r->sigma_m_z_pos, r->sigma_m_z_neg), LEQ,
              SIGMA, AZ, LEQ, Max2(r->sigma_m_z_pos, r->sigma_m_z_neg));
  File_Printf(o, "%sExtr. Normalspannungen in MN/m" SUP "2" NRM ":  %.2f %s %s" SUB "d" NRM " %s %.2f\n", i2,
              r->sigma_min, LEQ, SIGMA, LEQ, r->sigma_max);
  const int compression = (r->code & SCR_PASS_COMPRESSION) != 0;
  File_Printf(o, "%sBiegung und %s (", i2, compression ? "Druck" : "Zug");
  Print_Edges(o, r->code);
  File_Printf(o, "):  U" SUB "%s" NRM " = %.3f\n", "m", compression ? r->U_c : r->U_t);
  if (r->code & SCR_SHEAR) {
    File_Printf(o, "%sFestigkeitskennwerte (Schub) in MN/m" SUP "2" NRM ":  ", i2);
    if (r->f_v_d == r->f_tor_d) File_Printf(o, "f" SUB "v,d" NRM " = f" SUB "tor,d" NRM " = %.2f\n", r->f_v_d);
    else File_Printf(o, "f" SUB "v,d" NRM " = %.2f, f" SUB "tor,d" NRM " = %.2f\n", r->f_v_d, r->f_tor_d);
    File_Printf(o, "%sMax. Schubspannungen in MN/m" SUP "2" NRM ":  %s" SUB "d" NRM " = %.2f,  %s" SUB "tor,d" NRM
                " = %.2f\n", i2, TAU, r->tau_v, TAU, r->tau_tor);
    File_Printf(o, "%sQuerkraft und Torsion:  (%s" SUB "tor,d" NRM "/U" SUB "%s" NRM ")/f" SUB "tor,d" NRM " + ((%s" SUB
                "d" NRM "/U" SUB "%s" NRM ")/f" SUB "v,d" NRM ")" SUP "2" NRM " = 1  %s  U" SUB "%s" NRM " = %.3f\n",
                i2, TAU, "v", TAU, "v", ARROW, "v", r->U_v);
  }
  return 1;
}
