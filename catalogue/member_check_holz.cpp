/*
** Timber member check, the whole limit-state print (load-bearing capacity with fire, and the
** deformation limits of DIN 1052-2008 and DIN EN 1995) and the deflection print.
*/
#include <cmath>

#include "catalogue/mc_grades.h"
#include "catalogue/member_check_internal.h"
#include "foundation/files.h"

/* The stability flags of a member as the caller's flags allow them. */
static uint32_t Stability_Flags(const Member_Record *m, uint32_t flags, int kippen_only)
{
    uint32_t s = 0;
    if (!kippen_only && (m->switches & MEMBER_KNICK_Y) && !(flags & MC_NO_KNICK_Y))
        s |= SCI_BUCKLING_Y;
    if (!kippen_only && (m->switches & MEMBER_KNICK_Z) && !(flags & MC_NO_KNICK_Z))
        s |= SCI_BUCKLING_Z;
    if ((m->switches & MEMBER_KIPPEN) && !(flags & MC_NO_KIPPEN)) s |= SCI_KIPPEN;
    return s;
}

static int Has_Fire(const Member_Record *m)
{
    return m->fire_exposure >= 0 && m->fire_exposure <= 4 && m->char_t > 0.0;
}

/* ---------------------------------------------------------------- load-bearing capacity */

static void Print_Tragfaehigkeit(const Member_Record *m, uint32_t flags, int eu, int kippen_only)
{
    FILE *f = MC_First;
    const Member_Design_Values *ds = &m->ds[eu ? 1 : 0];
    const int fire = (flags & MC_FIRE) && Has_Fire(m);
    File_Printf(f, " %sNachweis der Tragf" AE "higkeit%s", MC_Ind1, fire ? " (Brandschutz)" : "");
    if (m->switches & MEMBER_NO_CHECK) {
        File_Printf(f, " wird nicht gef" UE "hrt\n");
        return;
    }
    const uint32_t stab = Stability_Flags(m, flags, kippen_only);
    const uint32_t knick = stab & (SCI_BUCKLING_Y | SCI_BUCKLING_Z);
    if (knick)
        File_Printf(f, " mit Knicken um %s%s%s", (knick & SCI_BUCKLING_Y) ? AY : "",
                    knick == (SCI_BUCKLING_Y | SCI_BUCKLING_Z) ? " und " : "",
                    (knick & SCI_BUCKLING_Z) ? AZ : "");
    if (stab & SCI_KIPPEN) File_Printf(f, "%s Kippen", knick ? " und" : " mit");
    File_Printf(f, "\n");
    if (stab) {
        char lead[64];
        snprintf(lead, sizeof lead, " %sBeiwerte f" UE "r Stabilit" AE "t: ", MC_Ind1);
        MC_Print_Stability(lead, stab, ds->k_c_y, ds->k_c_z, ds->k_crit_y, ds->k_crit_z);
    }
    if (eu) {
        MC_Print_Reduction(ds);
        File_Printf(f, "\n %sReduktionsfaktoren f" UE "r Schubspannungsnachweis:  ", MC_Ind1);
        if (ds->k_cr_y == ds->k_cr_z) File_Printf(f, "k" SUB "cr" NRM " = %.3f", ds->k_cr_y);
        else
            File_Printf(f, "k" SUB "cr,%s" NRM " = %.3f, k" SUB "cr,%s" NRM " = %.3f", AY,
                        ds->k_cr_y, AZ, ds->k_cr_z);
        File_Printf(f, ",  k" SUB "shape" NRM " = %.3f\n", ds->k_shape);
    } else {
        File_Printf(
            f, " %sReduktionsfaktor f" UE "r Normalspannungsnachweis:  k" SUB "red" NRM " = %.3f\n",
            MC_Ind1, ds->k_red);
    }
    const Holzguete_Record *g = Get_Holzguete_Record(eu ? m->grade_code_ec : m->grade_code);
    File_Printf(f, " %sFestigkeitskennwerte in MN/m" SUP "2" NRM ":", MC_Ind1);
    File_Printf(f, "  f" SUB "m,%s,k" NRM " = f" SUB "m,%s,k" NRM " = %.2f", AY, AZ, g->f_m_k);
    File_Printf(f, ", f" SUB "t,0,k" NRM " = %.2f", g->f_t_0_k);
    File_Printf(f, ", f" SUB "c,0,k" NRM " = %.2f", g->f_c_0_k);
    File_Printf(f, ", f" SUB "v,k" NRM " = %.2f\n", g->f_v_k);
    if (!fire) return;
    const int method = (flags & MC_FIRE_METHOD_2) ? 2 : 1;
    File_Printf(f, " %sBrandschutznachweis:  Methode mit %s\n", MC_Ind1,
                method == 2 ? "reduziertem Querschnitt" : "reduzierten Eigenschaften");
    if (m->fire[method - 1].valid) Print_Brand_Werte(m, m->section_kind, method, stab);
    else Print_Querschnitt(m, method);
}

/* ---------------------------------------------------------------- deformations */

/* One limit: w_req = 1000 L_v / divisor, 0 for a divisor of 0. */
static double W_Req(double L, double div) { return div > 0.0 ? 1000.0 * L / div : 0.0; }

/* The deflections that a limit bounds. */
enum { W_Q_INST, W_FIN_G_INST, W_FIN_0, W_INST, W_FIN, W_NET_FIN };

/* The deflection term of a limit line in direction a. */
static void Print_What(FILE *f, int what, const char *a)
{
    switch (what) {
    case W_Q_INST: File_Printf(f, "w" SUB "Q,inst,%s" NRM, a); break;
    case W_FIN_G_INST: File_Printf(f, "w" SUB "fin,%s" NRM "-w" SUB "G,inst,%s" NRM, a, a); break;
    case W_FIN_0: File_Printf(f, "w" SUB "fin,%s" NRM "-w" SUB "0,%s" NRM, a, a); break;
    case W_INST: File_Printf(f, "w" SUB "inst,%s" NRM, a); break;
    case W_FIN: File_Printf(f, "w" SUB "fin,%s" NRM, a); break;
    default: File_Printf(f, "w" SUB "net,fin,%s" NRM, a); break;
    }
}

/* " Grenzwert <part> in <dir>-Richtung:" and its formula line. */
static void Limit_Line(const char *part, int dir, int what, const char *req, double div,
                       const Member_Deform_Values *d)
{
    FILE *f = MC_First;
    const char *a = dir == 0 ? AM : AN;
    File_Printf(f, " %sGrenzwert %sin %s-Richtung:", MC_Ind1, part, a);
    if (d->L_v[dir] <= 0.0) {
        File_Printf(f, "  wird nicht gef" UE "hrt\n");
        return;
    }
    const double d0 = div > 0.0 ? div : 0.0;
    File_Printf(f, "  u" SUB "%s" NRM "/%s" SUB "M,EMod" NRM " = ", a, GAMMA);
    Print_What(f, what, a);
    File_Printf(f, " %s w" SUB "%s%s,req" NRM " = L" SUB "v,%s" NRM "/%.0f = %.1f mm\n", LEQ, req,
                a, a, d0, W_Req(d->L_v[dir], d0));
}

static void Print_Verformungen(const Member_Record *m, int kind)
{
    FILE *f = MC_First;
    const Member_Deform_Values *d = &m->deform;
    const char *title = kind == 122   ? " (seltene BS)"
                        : kind == 123 ? " (quasist" AE "ndige BS)"
                                      : "";
    File_Printf(f, " %sNachweis der Verformungen%s:", MC_Ind1, title);
    if (m->switches & MEMBER_NO_DEFORM) {
        File_Printf(f, " wird nicht gef" UE "hrt\n");
        return;
    }
    File_Printf(f, "  %s" SUB "M,EMod" NRM " = %.2f\n", GAMMA, d->gamma_m_emod);
    File_Printf(f, " %sVergleichsl" AE "ngen:", MC_Ind1);
    if (d->L_v[0] == d->L_v[1])
        File_Printf(f, "  L" SUB "v,%s" NRM " = L" SUB "v,%s" NRM " = %.3f m\n", AM, AN, d->L_v[0]);
    else
        File_Printf(f, "  L" SUB "v,%s" NRM " = %.3f m,  L" SUB "v,%s" NRM " = %.3f m\n", AM,
                    d->L_v[0], AN, d->L_v[1]);
    for (int dir = 0; dir < 2; dir++) {
        if (kind == 122) {
            Limit_Line("Teil A ", dir, W_Q_INST, "A,", d->div_A[dir], d);
            Limit_Line("Teil B ", dir, W_FIN_G_INST, "B,", d->div_B[dir], d);
        } else if (kind == 123) {
            Limit_Line("", dir, W_FIN_0, "", d->div_A[dir], d);
        } else {
            Limit_Line("Teil A ", dir, W_INST, "A,", d->div_A[dir], d);
            Limit_Line("Teil B ", dir, W_FIN, "B,", d->div_B[dir], d);
            Limit_Line("Teil C ", dir, W_NET_FIN, "C,", d->div_C[dir], d);
        }
    }
    if (kind == 122 || d->precamber == 0.0) return;
    /* the precamber by its position: 1 and 3 in the n direction, 2 and 4 in the m direction */
    double w0m = 0.0, w0n = 0.0;
    switch (d->precamber_position) {
    case 1: w0n = -10.0 * d->precamber; break;
    case 3: w0n = 10.0 * d->precamber; break;
    case 2: w0m = -10.0 * d->precamber; break;
    case 4: w0m = 10.0 * d->precamber; break;
    default: break;
    }
    if (kind == 123)
        File_Printf(f,
                    " %s" UE_CAP "berh" OE "hungen:  w" SUB "0,%s" NRM " = %.2f mm,  w" SUB
                    "0,%s" NRM " = %.2f mm\n",
                    MC_Ind1, AM, w0m, AN, w0n);
    else
        File_Printf(f,
                    " %s" UE_CAP "berh" OE "hungen:  w" SUB "%s,0" NRM " = %.2f mm,  w" SUB
                    "%s,0" NRM " = %.2f mm\n",
                    MC_Ind1, AM, w0m, AN, w0n);
}

void Print_Nachweis_Holz(const Member_Record *m, const Member_Check *check)
{
    if (!m || !check) return;
    const int eu = (check->flags & MC_EUROCODE) != 0;
    if (!eu) {
        switch (check->kind) {
        case 122:
        case 123: Print_Verformungen(m, check->kind); break;
        case 124: Print_Tragfaehigkeit(m, check->flags, 0, 0); break;
        case 125: Print_Tragfaehigkeit(m, check->flags & ~(uint32_t)MC_FIRE, 0, 1); break;
        default: break;
        }
    } else {
        switch (check->kind) {
        case 222: Print_Verformungen(m, 222); break;
        case 224: Print_Tragfaehigkeit(m, check->flags, 1, 0); break;
        default: break;
        }
    }
}

/* ---------------------------------------------------------------- deflection print */

void Print_Durchbiegung(const Durchbiegung_Werte *w, const Durchbiegung_Input *in,
                        const Durchbiegung_Result *r)
{
    if (!w || !in || !r) return;
    FILE *f = MC_Second;
    const int only2 = (in->flags & DB_ONLY_SECOND) != 0;
    const double net1 = r->w_1 - r->w_0_1, net2 = r->w_2 - r->w_0_2;
    if (only2)
        File_Printf(
            f, "%sDurchbiegung:  u" SUB "%s" NRM " = %.2f mm  %s  w" SUB "%s" NRM " = %.2f mm\n",
            MC_Ind2, AN, r->w_2, ARROW, AN, net2);
    else
        File_Printf(f,
                    "%sDurchbiegungen in mm:  u" SUB "%s" NRM " = %.2f,  u" SUB "%s" NRM
                    " = %.2f  %s  w" SUB "%s" NRM " = %.2f,  w" SUB "%s" NRM " = %.2f\n",
                    MC_Ind2, AM, r->w_1, AN, r->w_2, ARROW, AM, net1, AN, net2);
    File_Printf(f, "%s", MC_Ind2);
    for (int dir = only2 ? 1 : 0; dir < 2; dir++) {
        const char *a = dir == 0 ? AM : AN;
        const double wv = dir == 0 ? r->w_1 : r->w_2, w0 = dir == 0 ? r->w_0_1 : r->w_0_2;
        const double req = dir == 0 ? r->w_req1 : r->w_req2, U = dir == 0 ? r->U_1 : r->U_2;
        if (w0 != 0.0) {
            File_Printf(f, "|w" SUB "%s" NRM "-w" SUB "0,%s" NRM "|/w" SUB "%s,req" NRM " = ", a, a,
                        a);
            File_Printf(f, "|%.2f-%.2f|/%.2f = %.2f", wv, w0, req, U);
        } else {
            File_Printf(f, "|w" SUB "%s" NRM "|/w" SUB "%s,req" NRM " = |%.2f|/%.2f = %.2f", a, a,
                        wv, req, U);
        }
        if (dir == 0) File_Printf(f, ",  ");
    }
    File_Printf(f, "\n");
}
