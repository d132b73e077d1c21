/*
** Size factors (EN 1995-1-1, 3.3 and 3.4), the torsion constant of a rectangle, the factors k_crit
** (6.3.3) and k_c (6.3.2), the inertia of a fastener group built row by row, and the second
** diameter of nominal screw diameters. Lengths in mm, strengths in N/mm².
*/
#include "design/design_numeric.h"

#include <algorithm>
#include <cmath>

#include "catalogue/catalogue.h"
#include "nad/nad.h"

/* ---------------------------------------------------------------- size factors */

double Calc_Kh_Glulam(double h)
{
    if (h <= 1.0 || h > 600.0) return 1.0;
    return std::min(std::pow(600.0 / h, 0.14), 1.1);
}

double Calc_Kh_Lvl(double h, double s)
{
    if (h <= 1.0) return 1.0;
    return std::min(std::pow(300.0 / h, s), 1.2);
}

double Calc_Kh_Of_Material(int mat, int grade, double h)
{
    double rho = 0.0;
    Get_Rho_K(mat, grade, h, &rho, nullptr);
    if (Is_Mat_Timber(mat) && rho <= 700.0 && h > 1.0 && h <= 150.0)
        return std::min(std::pow(150.0 / h, 0.2), 1.3);
    if (Is_Mat_Glulam(mat) && h > 1.0 && h <= 600.0) return Calc_Kh_Glulam(h);
    if (Is_Mat_Lvl(mat)) {
        if (mat == MAT_KERTO_S || mat == MAT_KERTO_Q) return Calc_Kh_Lvl(h, 0.12);
        if (mat == MAT_STEICO_LVL || mat == MAT_STEICO_GLVL || mat == MAT_POLLM_LVL_S)
            return Calc_Kh_Lvl(h, 0.15);
        if (mat == MAT_BAUBUCHE_GL75) return Calc_Kh(h);
        if (mat == MAT_BAUBUCHE_PLATTE)
            return (h > 299.9 && h < 1000.0) ? std::min(std::pow(300.0 / h, 0.12), 1.2) : 1.0;
    }
    return 1.0;
}

/* ---------------------------------------------------------------- stability */

double Calc_Torsion_Constant(double a, double b)
{
    static const double r_pts[] = {1.0, 1.25, 1.5, 2.0, 3.0, 4.0, 6.0, 10.0, 1000.0};
    static const double e_pts[] = {0.14, 0.171, 0.196, 0.229, 0.263, 0.281, 0.299, 0.313, 0.333};
    const double hs = std::max(a, b), bs = std::min(a, b);
    if (bs <= 0.0) return 0.0;
    const double r = std::min(hs / bs, 1000.0);
    double eta = 0.333;
    for (int i = 1; i < 9; i++) {
        if (r_pts[i] > r) {
            const double f = (r - r_pts[i - 1]) / (r_pts[i] - r_pts[i - 1]);
            eta = e_pts[i - 1] + f * (e_pts[i] - e_pts[i - 1]);
            break;
        }
    }
    return eta * bs * bs * bs * hs;
}

double Calc_K_Crit(int use_annex, double a, double b, double l_ef, double f_mk, double e_005,
                   double g_005)
{
    a *= 0.01;
    b *= 0.01;
    const double hs = std::max(a, b), bs = std::min(a, b);
    if (bs <= 0.0) return 0.0;
    const double Iz = bs * bs * bs * hs / 12.0;
    const double W = hs * hs * bs / 6.0;
    const double It = Calc_Torsion_Constant(bs, hs);
    double c = 1.0;
    if (use_annex && Nad_Params != nullptr) c = Nad_Params->ltb_slenderness_factor;
    const double sigma = std::sqrt(e_005 * Iz * g_005 * It * c) * 3.141592653589 / (l_ef * W);
    const double lr = std::sqrt(f_mk / sigma);
    if (lr <= 0.75) return 1.0;
    if (lr <= 1.4) return 1.56 - 0.75 * lr;
    return 1.0 / (lr * lr);
}

double Calc_K_C(double e_005, double f_c0k, double beta_c, double l_ef, double h, double *i,
                double *lambda, double *lambda_rel, double *k)
{
    const double ri = 0.289 * h;
    const double lam = l_ef / ri;
    const double lr = lam / 3.14159265359 * std::sqrt(f_c0k / e_005);
    const double kk = 0.5 * (1.0 + beta_c * (lr - 0.3) + lr * lr);
    const double kc = std::min(1.0 / (kk + std::sqrt(kk * kk - lr * lr)), 1.0);
    if (i != nullptr) *i = ri;
    if (lambda != nullptr) *lambda = lam;
    if (lambda_rel != nullptr) *lambda_rel = lr;
    if (k != nullptr) *k = kk;
    return kc;
}

double Calc_K_C_Of_Material(int mat, int grade, double l_ef, double h, double t, double *i,
                            double *lambda, double *lambda_rel, double *k)
{
    int set_e = 0, set_f = 0;
    double beta = 1.0;
    switch (mat) {
    case MAT_NADELHOLZ:
    case MAT_LAUBHOLZ:
        set_e = set_f = 6;
        beta = 0.2;
        break;
    case MAT_BSH_EC:
    case MAT_BSH_DIN:
    case MAT_BAUBUCHE_GL75:
        set_e = set_f = 6;
        beta = 0.1;
        break;
    case MAT_GIPSKARTON:
    case MAT_SPANPLATTE:
    case MAT_FASERPLATTE:
        set_e = set_f = 5;
        beta = 0.1;
        break;
    case MAT_OSB:
    case MAT_SPERRHOLZ:
    case MAT_BAUBUCHE_PLATTE:
    case MAT_STEICO_LVL:
    case MAT_STEICO_GLVL:
        set_e = 2;
        set_f = 5;
        beta = 0.1;
        break;
    default: break;
    }
    double e005 = 0.0, fc0 = 0.0;
    if (set_e != 0) {
        double e0 = 0, g = 0, e05 = 0, g05 = 0;
        Get_Mat_Stiffness(mat, grade, set_e, t, &e0, &g, &e05, &g05);
        e005 = e05 / 1000.0;
        double fm = 0, ft = 0, fc = 0, fv = 0, fc90 = 0, kh = 0;
        Get_Mat_Strengths(/*group=*/mat, /*grade=*/grade, /*use=*/2, /*kind=*/set_f, /*width=*/t,
                          /*depth=*/t, /*f_m_k=*/&fm, /*f_t_k=*/&ft, /*f_c_k=*/&fc, /*f_v_k=*/&fv,
                          /*f_c90_k=*/&fc90, /*k_h=*/&kh);
        fc0 = fc / 1000.0;
    }
    return Calc_K_C(e005, fc0, beta, l_ef, h, i, lambda, lambda_rel, k);
}

/* ---------------------------------------------------------------- fastener group */

void Calc_Vbm_Group_Inertia(double *i_io, double *s_io, double *sx_io, double *n_io, double b,
                            double a, double w, double n)
{
    const double I0 = i_io != nullptr ? *i_io : 0.0;
    const double s0 = s_io != nullptr ? *s_io : 0.0;
    const double S0 = sx_io != nullptr ? *sx_io : 0.0;
    const double N0 = n_io != nullptr ? *n_io : 0.0;
    const double m = n - 1.0;
    const double I = m / 3.0 * w * (b * b + b * a + a * a) + s0 * s0 * N0 + I0;
    const double S = m / 2.0 * w * (b + a) + S0;
    const double N = m * w + N0;
    const double s = N != 0.0 ? S / N : 0.0;
    if (i_io != nullptr) *i_io = I - s * s * N;
    if (s_io != nullptr) *s_io = s;
    if (sx_io != nullptr) *sx_io = S;
    if (n_io != nullptr) *n_io = N;
}

double Map_Screw_Nominal_Diameter(int kind, double d)
{
    static const double nominal[] = {4.0, 4.5, 5.0, 6.0, 7.0, 8.0, 10.0, 12.0, 14.0};
    static const double k1[] = {3.0, 3.5, 3.5, 4.0, 5.0, 6.0, 7.0, 8.0, 9.0};
    static const double other[] = {2.5, 2.5, 3.0, 4.0, 4.0, 5.0, 6.0, 7.0, 8.0};
    for (int i = 0; i < 9; i++)
        if (std::fabs(d - nominal[i]) <= 0.1) return kind == 1 ? k1[i] : other[i];
    return -1.0;
}
