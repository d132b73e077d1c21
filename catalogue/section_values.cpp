/*
** Section values of timber cross-sections: rectangle, T-beam, I-beam, circle or tube and a
** section given by its values, with the torsion constant of a solid rectangle from the
** series of Saint-Venant torsion. Dimensions in cm, values in cm2, cm3, cm4, cm.
*/
#include <cmath>

#include "catalogue/section.h"

static const double Pi = 3.14159265358979323846;

/* a / b, or 0 when b is 0 (a degenerate section has no modulus). */
static double Div(double a, double b) { return b == 0.0 ? 0.0 : a / b; }

double Calc_Torsion_Rechteck(double s1, double s2, double *I_T)
{
    if (s1 <= 0.0 || s2 <= 0.0) {
        if (I_T) *I_T = 0.0;
        return 0.0;
    }
    const double h = s1 >= s2 ? s1 : s2, t = s1 >= s2 ? s2 : s1;
    const double lambda = Pi / 2.0 * h / t;
    double S1 = 0.0, S2 = 0.0;
    for (int n = 1; n <= 29; n += 2) {
        const double n5 = pow(n, 5.0);
        const double a = tanh(n * lambda) / n5;
        const double b = 1.0 / (n * n * cosh(n * lambda));
        S1 += a;
        S2 += b;
        if (fabs(a) < 1e-5 && b < 1e-5) break;
    }
    const double it = h * t * t * t / 3.0 * (1.0 - 192.0 / pow(Pi, 5.0) * (t / h) * S1);
    if (I_T) *I_T = it;
    return (it / t) / (1.0 - 8.0 / (Pi * Pi) * S2);
}

/* The 17 values of the section kinds 1 to 4 and 99; 0 for other kinds (filled by caller). */
static void Values_Of_Kind(int32_t kind, const float *f, double *v)
{
    for (int i = 0; i < SV_COUNT; i++) v[i] = 0.0;
    switch (kind) {
    case SECTION_RECHTECK: {
        const double b = f[0], d = f[1];
        v[SV_A] = b * d;
        v[SV_I_Y] = b * d * d * d / 12.0;
        v[SV_I_Z] = d * b * b * b / 12.0;
        v[SV_W_T] = Calc_Torsion_Rechteck(b, d, &v[SV_I_T]);
        v[SV_W_U] = Div(v[SV_I_Y], d / 2.0);
        v[SV_W_O_NEG] = Div(v[SV_I_Y], -d / 2.0);
        v[SV_W_ZP] = Div(v[SV_I_Z], b / 2.0);
        v[SV_W_ZM_NEG] = Div(v[SV_I_Z], -b / 2.0);
        v[SV_A_QY] = v[SV_A_QZ] = 2.0 / 3.0 * v[SV_A];
        v[SV_Z_S] = d / 2.0;
        v[SV_Y_MIN] = -b / 2.0;
        v[SV_Y_MAX] = b / 2.0;
        v[SV_DEPTH] = d;
        break;
    }
    case SECTION_PLATTENBALKEN: {
        const double bo = f[0], hw = f[1], b = f[2], d_o = f[3], d = d_o + hw;
        const double Af = bo * d_o, Aw = b * hw, A = Af + Aw;
        const double zs = Div(Aw * (d_o + hw / 2.0) + Af * d_o / 2.0, A);
        const double Iy = Aw * (pow(zs - d_o - hw / 2.0, 2) + hw * hw / 12.0)
                          + Af * (pow(zs - d_o / 2.0, 2) + d_o * d_o / 12.0);
        const double Iz = (Af * bo * bo + Aw * b * b) / 12.0;
        const double half = (bo > b ? bo : b) / 2.0;
        v[SV_A] = A;
        v[SV_I_Y] = Iy;
        v[SV_I_Z] = Iz;
        v[SV_W_U] = Div(Iy, d - zs);
        v[SV_W_O_NEG] = Div(Iy, -zs);
        v[SV_W_ZP] = Div(Iz, half);
        v[SV_W_ZM_NEG] = Div(Iz, -half);
        v[SV_W_T] = Calc_Torsion_Rechteck(d, bo, &v[SV_I_T]);
        const double zw = Div(hw * Aw + (2.0 * hw + d_o) * Af, 2.0 * A);
        v[SV_A_QY] = Div(2.0 * Iy, zw * zw);
        v[SV_A_QZ] = 2.0 / 3.0 * A;
        v[SV_Z_S] = zs;
        v[SV_Y_MIN] = -half;
        v[SV_Y_MAX] = half;
        v[SV_DEPTH] = d;
        break;
    }
    case SECTION_DOPPEL_T: {
        const double d_o = f[0], bo = f[1], hw = f[2], b = f[3], du = f[4], bu = f[5];
        const double d = d_o + hw + du;
        const double Ao = bo * d_o, Aw = b * hw, Au = bu * du, A = Ao + Aw + Au;
        const double zo = du + hw + d_o / 2.0, zwc = du + hw / 2.0, zu = du / 2.0;
        const double zs = Div(Ao * zo + Aw * zwc + Au * zu, A);
        const double Iy = Ao * (pow(zs - zo, 2) + d_o * d_o / 12.0)
                          + Aw * (pow(zs - zwc, 2) + hw * hw / 12.0)
                          + Au * (pow(zs - zu, 2) + du * du / 12.0);
        const double Iz = (Ao * bo * bo + Aw * b * b + Au * bu * bu) / 12.0;
        double wmax = bo > b ? bo : b;
        if (bu > wmax) wmax = bu;
        const double half = wmax / 2.0;
        v[SV_A] = A;
        v[SV_I_Y] = Iy;
        v[SV_I_Z] = Iz;
        v[SV_W_U] = Div(Iy, zs);
        v[SV_W_O_NEG] = Div(Iy, zs - d);
        v[SV_W_ZP] = Div(Iz, half);
        v[SV_W_ZM_NEG] = Div(Iz, -half);
        v[SV_W_T] = Calc_Torsion_Rechteck(b, d, &v[SV_I_T]);
        const double zw = Div(hw * Aw - du * Au + (2.0 * hw + d_o) * Ao, 2.0 * A);
        v[SV_A_QY] = Div(2.0 * Iy, zw * zw + Div(Au, Aw) * hw * (2.0 * zw + du));
        v[SV_A_QZ] = 2.0 / 3.0 * A;
        v[SV_Z_S] = zs;
        v[SV_Y_MIN] = -half;
        v[SV_Y_MAX] = half;
        v[SV_DEPTH] = d;
        break;
    }
    case SECTION_KREIS: {
        const double D = f[0], r = D / 2.0, ri = f[1] / 2.0;
        const double I = Pi / 4.0 * (pow(r, 4) - pow(ri, 4));
        v[SV_A] = Pi * (r * r - ri * ri);
        v[SV_I_Y] = v[SV_I_Z] = I;
        v[SV_I_T] = 2.0 * I;
        v[SV_W_T] = Div(v[SV_I_T], r);
        v[SV_W_U] = v[SV_W_ZP] = Div(I, r);
        v[SV_W_O_NEG] = v[SV_W_ZM_NEG] = -Div(I, r);
        v[SV_A_QY] = v[SV_A_QZ] = (f[1] <= 0.0f ? 0.75 : 0.5) * v[SV_A];
        v[SV_Z_S] = r;
        v[SV_Y_MIN] = -D / 2.0;
        v[SV_Y_MAX] = D / 2.0;
        v[SV_DEPTH] = D;
        break;
    }
    case SECTION_USER: {
        const double A = 1.0e4 * f[0], Iy = 1.0e8 * f[1], Iz = 1.0e8 * f[2], It = 1.0e8 * f[3];
        const double B = 100.0 * f[4], H = 100.0 * f[5];
        const double Wu = f[9], Wo = f[10], Wzp = f[11], Wzm = f[12];
        const double e_u = Wu != 0.0 ? fabs(Iy * 1e-6 / Wu) : H / 2.0;
        const double e_o = Wo != 0.0 ? fabs(Iy * 1e-6 / Wo) : H / 2.0;
        const double e_p = Wzp != 0.0 ? fabs(Iz * 1e-6 / Wzp) : B / 2.0;
        const double e_m = Wzm != 0.0 ? fabs(Iz * 1e-6 / Wzm) : B / 2.0;
        v[SV_A] = A;
        v[SV_I_Y] = Iy;
        v[SV_I_Z] = Iz;
        v[SV_I_T] = It;
        v[SV_W_T] = 0.0;
        v[SV_W_U] = Div(Iy, e_u);
        v[SV_W_O_NEG] = -Div(Iy, e_o);
        v[SV_W_ZP] = Div(Iz, e_p);
        v[SV_W_ZM_NEG] = -Div(Iz, e_m);
        v[SV_A_QY] = v[SV_A_QZ] = 2.0 / 3.0 * A;
        v[SV_Z_S] = H / 2.0;
        v[SV_Y_MIN] = -B / 2.0;
        v[SV_Y_MAX] = B / 2.0;
        v[SV_DEPTH] = H;
        break;
    }
    default: break;
    }
}

int32_t Calc_Querschnittswerte(int32_t kind, const Section_Dims *dims, double *values, int32_t n)
{
    if (!values || n < 1) return 0;
    static const Section_Dims none = {};
    const float *f = dims ? dims->v : none.v;
    double v[SV_COUNT];
    int32_t have = SV_COUNT;
    if (kind == SECTION_RECHTECK || kind == SECTION_PLATTENBALKEN || kind == SECTION_DOPPEL_T
        || kind == SECTION_KREIS || kind == SECTION_USER) {
        Values_Of_Kind(kind, f, v);
    } else {
        /* values given directly: A (m2), unread, two moduli (m3) */
        v[0] = 1.0e4 * f[0];
        v[1] = 0.0;
        v[2] = 1.0e6 * f[3];
        v[3] = 1.0e6 * f[2];
        have = 4;
    }
    for (int32_t i = 0; i < n; i++) values[i] = i < have ? v[i] : 0.0;
    return 0;
}
