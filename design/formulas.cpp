/*
** Small numeric functions of timber engineering kept with the design module: buckling and
** stability factors, bearing perpendicular to the grain (EN 1995-1-1, 6.1.5), charring and the
** residual section (EN 1995-1-2), notched beams (6.5.2), effective numbers by fastener type, and
** plain formulas. Pure functions of their arguments (and of Nad_Params where said).
*/
#include "design/design_numeric.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "catalogue/catalogue.h"
#include "design/design_plates.h"
#include "nad/nad.h"

namespace {
constexpr double Pi = 3.14159265359;
}

/* ---------------------------------------------------------------- buckling and stability */

double Get_Beta_C(int material)
{
    return (material == MAT_NADELHOLZ || material == MAT_LAUBHOLZ) ? 0.2 : 0.1;
}

double Calc_Lambda_Rel(double lambda, double f_c0k, double e_005)
{
    return lambda / Pi * std::sqrt(f_c0k / e_005);
}

double Calc_Buckling_K(double beta_c, double lambda_rel)
{
    return 0.5 * (1.0 + beta_c * (lambda_rel - 0.3) + lambda_rel * lambda_rel);
}

double Calc_Buckling_Kc(double k, double lambda_rel)
{
    return std::min(1.0, 1.0 / (k + std::sqrt(k * k - lambda_rel * lambda_rel)));
}

double Calc_Radius_Of_Gyration(double x1, double x2)
{
    if (!(std::fabs(x2) > 1e-17)) return 0.0;
    return std::sqrt(x1 / x2);
}

double Calc_Mcr_Base(double x1, double x2, double x3)
{
    return Pi / (2.0 * x1 * x1) * std::sqrt(x2 / x3);
}

double Calc_Mcr(double x1, double x2, double x3, double x4, double x5)
{
    return Calc_Mcr_Base(x1, x3, x5)
           * std::sqrt(std::pow(x1, 4.0) / std::pow(x2, 4.0) * x4 / x3 + 1.0);
}

double Calc_Sqrt_One_Plus_Inv4(double x1) { return std::sqrt(1.0 + 1.0 / std::pow(x1, 4.0)); }

double Calc_Ratio_Root4(double x1, double x2, double x3, double x4)
{
    const double root = x4 < 1e-6 ? 5.623413251903491 : std::pow(x3 / x4, 0.25);
    return x1 / x2 * root;
}

double Calc_Interaction_Root(double x1, double x2, double x3, double x4)
{
    const double a = x1 * x4 / 0.75 / x2, b = x1 * x4 * x4 / x3;
    return std::min(1.0, 1.0 / std::sqrt(a * a + 1.0 + b * b));
}

double Calc_Interaction_Root_B(double x1, double x2, double x3, double x4)
{
    const double a = x1 * x4 / 1.5 / x2, b = x1 * x4 * x4 / x3;
    return 1.0 / std::sqrt(a * a + 1.0 + b * b);
}

double Calc_Strength_At_Angle(double angle, double x2, double x3, double x4)
{
    if (!(x2 > 0.0) || !(x3 > 0.0) || !(x4 > 0.0)) return 0.0;
    const double s = std::sin(angle), c = std::cos(angle);
    const double a = x2 * s * s / (2.0 * x3), b = x2 * s * c / (2.0 * x4);
    return x2 / std::sqrt(c * c * c * c + a * a + b * b);
}

double Calc_Angle_Factor(double x1, double x2, double x3, double angle)
{
    if (std::fabs(x2) < 1e-8 || std::fabs(x3) < 1e-8) return 1e-7;
    const double s = std::sin(angle), c = std::cos(angle);
    return 1.0 / (x1 / x2 * s * s + x1 / x3 * s * c + c * c);
}

/* ---------------------------------------------------------------- bearing perpendicular to grain */

double Calc_Kc90(int material, double l1, double h, int flag)
{
    switch (material) {
    case MAT_NADELHOLZ: return l1 >= 2.0 * h ? 1.25 : 1.0;
    case MAT_BSH_EC:
    case MAT_BSH_DIN: return l1 >= 2.0 * h ? 1.5 : 1.0;
    case MAT_STEICO_LVL: return (l1 >= 2.0 * h && h < 80.0) ? 1.25 : 1.0;
    case MAT_KERTO_S:
    case MAT_KERTO_Q: return flag ? 1.0 : (h < 45.0 ? 1.4 : 1.0);
    default: return 1.0;
    }
}

double Calc_Kc90_B(int material, double l1, double h, int flag)
{
    return Calc_Kc90(material, l1, h, flag);
}

void Calc_Contact_Lengths(double a1, double a2, double l, double l2, double b, double *out1,
                          double *out2, double *out3)
{
    if (out1 != nullptr) *out1 = (std::min(a1, 30.0) + l + 30.0) * b;
    if (out2 != nullptr) *out2 = (std::min(a2, 30.0) + l + 30.0) * b;
    if (out3 != nullptr) *out3 = (l2 + 60.0) * b;
}

double Calc_Fc90_Capacity(int material, double f_c90, double l1, double h, double x4, double x5,
                          double x6, double b, int n)
{
    double c1 = 0.0, c2 = 0.0, c3 = 0.0;
    Calc_Contact_Lengths(x4, x5, x6, 0.0, b, &c1, &c2, &c3);
    double L = c1 + c2;
    if (n > 2) L += (n - 2) * c3;
    return Calc_Kc90(material, l1, h, 0) * f_c90 * L;
}

double Calc_Fc90_Share(int material, double x1, double x2, double x3, double x4, double x5,
                       double x6, int n, double x7, double x8, double x9, double x10, double *out)
{
    const double R = Calc_Fc90_Capacity(material, x10, x1, x2, x3, x4, x5, x6, n);
    const double o = x7 * x9 / (x8 * x9 + R);
    if (out != nullptr) *out = o;
    return o / x9;
}

double Calc_Fc90_Ratio(int material, double x1, double x2, double x3, double x4, double x5,
                       double x6, int n, double x7, double x8, double x9)
{
    if (Nad_Params != nullptr) return 1.0;
    const double R = Calc_Fc90_Capacity(material, x9, x1, x2, x3, x4, x5, x6, n);
    return R / (x7 * x8 + R);
}

double Calc_Fc90_Factor_Din(double x1, double x2, int flag)
{
    if (Nad_Params != nullptr) return 1.0;
    if (x1 > 0.5 * x2) return flag ? 0.67 : 0.75;
    return 1.0;
}

double Calc_Kc90_By_Ratio(int mode, double x1, double x2)
{
    if (mode != 0) return 1.2;
    const double a = std::max(x1, x2), b = std::min(x1, x2);
    return std::min(2.0, 1.0 + 0.15 * a / b);
}

/* ---------------------------------------------------------------- fire (EN 1995-1-2) */

double Calc_Fire_K0(int protected_, double t, double t_ch)
{
    double k0 = t < 20.0 ? t / 20.0 : 1.0;
    if (protected_ && t_ch >= 20.0) k0 = t_ch > t ? t / t_ch : 1.0;
    return k0;
}

double Calc_Fire_Ta(int mode, double x1, double x2, double x3, double x4, double x5, double x6)
{
    if (mode != 0) return std::min(2.0 * x1, x1 + x3 / (x6 * x4));
    return (x3 - (x1 - x2) * x5 * x4) / x6 / x4 + x1;
}

double Calc_Fire_Def_Unprotected(double beta, double t)
{
    return 7.0 * Calc_Fire_K0(0, t, 0.0) + t * beta;
}

double Calc_Fire_Def_Protected_A(double beta, double t, double t_ch)
{
    const double k0 = Calc_Fire_K0(1, t, t_ch);
    const double ta = Calc_Fire_Ta(0, t_ch, t_ch, 25.0, beta, 1.0, 2.0);
    return 7.0 * k0 + (ta - t_ch) * 2.0 * beta;
}

double Calc_Fire_Def_Protected_B(double beta, double t, double t_f, double t_ch, double x5,
                                 double x6)
{
    const double k0 = Calc_Fire_K0(1, t, t_ch);
    const double ta = Calc_Fire_Ta(0, t_f, t_ch, 25.0, beta, x5, x6);
    return 7.0 * k0 + (t_f - t_ch) * beta + (ta - t_f) * beta;
}

double Calc_Fire_Def(double x1, double x2, double x3, double x4, double x5, double x6)
{
    if (x4 > 0.01) {
        if (x4 < x3 - 0.001) return Calc_Fire_Def_Protected_B(x1, x2, x3, x4, x5, x6);
        return Calc_Fire_Def_Protected_A(x1, x2, x4);
    }
    return Calc_Fire_Def_Unprotected(x1, x2);
}

double Calc_Fire_Kmod_Residual(int exposure, double d_ef, double b, double h)
{
    double p = 0.0;
    if (exposure == 0) {
        b -= 2.0 * d_ef;
        h -= 2.0 * d_ef;
        p = 2.0 * (b + h);
    } else if (exposure == 1 || exposure == 3) {
        h -= d_ef;
        b -= 2.0 * d_ef;
        p = 2.0 * h + b;
    } else if (exposure == 2 || exposure == 4) {
        h -= 2.0 * d_ef;
        b -= d_ef;
        p = 2.0 * b + h;
    }
    const double A = b * h;
    return A > 0.0 ? 1.0 - p / (225.0 * A) : 0.001;
}

/* ---------------------------------------------------------------- effective numbers, fasteners */

double Calc_N_Ef_By_Type(int type, double d, int predrilled, int n, double a1, double alpha)
{
    const int t = Map_Screw_To_Rule_Type(type, d);
    if ((Is_Vbm_Nail_Screw_Or_Staple(t)) && n > 1) return Calc_Vbm_N_Ef(d, predrilled, n, a1);
    if (Is_Vbm_Dowel_Or_Bolt(t)) return Calc_Bolt_N_Ef(d, n, a1, alpha);
    if (Is_Vbm_Connector(t)) return Calc_Connector_N_Ef(n, alpha);
    return n;
}

double Calc_Bolt_N_Ef_B(double x1, int n, double x2, double x3, double alpha)
{
    if (n < 2) return n;
    const double n0 = std::pow(n, 0.9) * std::pow(x2 * x3 / (50.0 * x1 * x1), 0.25);
    return (90.0 - alpha) * std::min(n0, static_cast<double>(n)) / 90.0 + n * alpha / 90.0;
}

double Calc_N_Pow_09(int n) { return n < 2 ? n : std::pow(n, 0.9); }

int Is_Vbm_Nail_Or_Staple_Type(int type)
{
    return (Is_Vbm_Nail_Screw_Or_Staple(type) || Is_Vbm_Special_Nail(type)) ? 1 : 0;
}

double Calc_Bolt_Hole_Diameter(double d)
{
    if (d < 15.99) return d + 1.0;
    if (d < 24.001) return d + 2.0;
    return d + 3.0;
}

int Check_Edge_4d(double x1, double x2, double x3, double x4)
{
    return 4.0 * x1 <= x4 - (x2 - x3) ? 1 : 0;
}

int Check_Distance_4d(double x1, double x2, double x3) { return x1 - x3 >= 4.0 * x2 ? 1 : 0; }

int Calc_Screw_Line_Spacings_B(const Eta12_Spacing_Block *block, int predrilled_flag, int material,
                               double alpha, double *a1, double *a2, double *a3t, double *a3c,
                               double *a4t, double *a4c)
{
    if (block == nullptr || predrilled_flag != 0 || !Is_Mat_Timber_B(material)) return 0;
    if (block->eta12_spacing_kind != 2 && block->eta12_spacing_kind != 3) return 0;
    const double d = block->d;
    if (a1 != nullptr) *a1 = 5.0 * d;
    if (a2 != nullptr) *a2 = 2.5 * d;
    if (a3t != nullptr) *a3t = 12.0 * d;
    if (a3c != nullptr) *a3c = 5.0 * d;
    if (a4t != nullptr)
        *a4t = (d < 4.01 ? 3.0 + 2.0 * std::sin(alpha) : 3.0 + 4.0 * std::sin(alpha)) * d;
    if (a4c != nullptr) *a4c = 3.0 * d;
    return 1;
}

void Apply_User_Screw_Line(const Vbm_Screw_Line &line, const User_Screw_Target &to)
{
    *to.stainless = line.stainless;
    *to.washer_d = line.washer ? line.washer_d : -1.0;
    *to.d = line.d;
    *to.d_k = line.d_k;
    *to.d_2 = line.d_2;
    *to.length = line.length;
    if (to.axis_angle != nullptr) *to.axis_angle = line.axis_angle;
    *to.l_thread = line.l_thread;
}

int Init_User_Screw_Record(int type, User_Screw_Record *r)
{
    if (r == nullptr || !Is_Vbm_User_Screw(type)) return 0;
    memset(r->name, ' ', 26);
    r->name[26] = '\0';
    const char *name = type == VBM_ASSY_BENUTZER ? "Assy" : "Spax";
    memcpy(r->name, name, strlen(name));
    const bool spax = type == VBM_SPAX_BENUTZER;
    const int32_t ints[8] = {1, spax ? 1 : 6, 2, 0, 0, 0, spax ? 3 : 1, 0};
    for (int i = 0; i < 7; i++) r->ints[i] = ints[i];
    /* r->ints[7] stays as it was */
    r->ints[8] = 1;
    const double dbl[8] = {8.0, 10.0, 5.0, 100.0, 20.0, 20.0, 28.0, 90.0};
    for (int i = 0; i < 8; i++) r->doubles[i] = dbl[i];
    return 1;
}

/* ---------------------------------------------------------------- tables */

double Get_Load_Coeff_A(int n)
{
    switch (n) {
    case 1: return 0.5;
    case 2: return 0.375;
    case 4: return 0.3929;
    case 5: return 0.3947;
    default: return 0.4;
    }
}

double Get_Load_Coeff_B(int n)
{
    switch (n) {
    case 1: return 0.0;
    case 2: return 1.25;
    case 3: return 1.099;
    case 5: return 1.132;
    default: return 1.141;
    }
}

double Get_Load_Coeff_C(int n)
{
    switch (n) {
    case 1: return n * 0.3333333333333333;
    case 2: return n * 0.177083;
    case 3: return n * 0.1221;
    case 4: return n * 0.09338;
    case 5: return n * 0.07553;
    case 6: return n * 0.06353;
    default: return 0.4;
    }
}

double Get_Load_Coeff_D(int n)
{
    switch (n) {
    case 1: return 0.0;
    case 2: return n * 0.3125;
    case 3: return n * 0.2664;
    case 4: return n * 0.221;
    case 5: return n * 0.1868;
    case 6: return n * 0.1615;
    default: return 1.0;
    }
}

namespace {

void Lo_Dx(double x8, double x9, double *lo, double *dx)
{
    if (std::fabs(x8 - x9) < 1e-5) {
        *lo = x8;
        *dx = 0.0;
    } else {
        *lo = std::min(x8, x9);
        *dx = std::fabs(x8 - x9);
    }
}

} // namespace

double Calc_Load_Sum_A(double x1, double x2, double x3, double x4, double x5, double x6, double x7,
                       double x8, double x9)
{
    const double m = std::trunc(x2) / x3;
    double lo, dx;
    Lo_Dx(x8, x9, &lo, &dx);
    const int im = static_cast<int>(std::trunc(m));
    return std::fabs(x6) * x1 / x2 * x4 + x7 + x5 * lo * x3 / 1000.0 * Get_Load_Coeff_A(im)
           + x5 * dx * x3 / 1000.0 * Get_Load_Coeff_C(im);
}

double Calc_Load_Sum_B(double x1, double x2, double x3, double x4, double x5, double x6, double x7,
                       double x8, double x9)
{
    const double m = std::trunc(x2) / x3;
    double lo, dx;
    Lo_Dx(x8, x9, &lo, &dx);
    const int im = static_cast<int>(std::trunc(m));
    return std::fabs(x6 * x1) / x2 * x4 + x7 + x5 * lo * x3 / 1000.0 * Get_Load_Coeff_B(im)
           + x5 * dx * x3 / 1000.0 * Get_Load_Coeff_D(im);
}

double Calc_Deflection_A(double x1, double x2, double x3, double x4, double x5, double x6,
                         double x7)
{
    return (2.0 * x1 + x3 * x1 + 2.0 * x2 + x4 * x2) * x5 / x6 / (x1 * x1) * x7;
}

double Calc_Deflection_B(double x1, double x2, double x3, double x4, double x5)
{
    return x5 / x3 / x4 * x2 / x1;
}

double Calc_Deflection_C(double x1, double x2, double x3, double x4, double x5)
{
    return (2.0 / 3.0) * x5 / x3 / x4 * (x2 * x2 * x2 / (x1 * x1) + x1);
}

double Calc_Deflection_D(double x1, double x2, double x3, double x4, double x5, double x6,
                         double x7)
{
    return 2.0 * x3 * x2 / x1 * x4 / 1.2 / x5 / x6 / x7;
}

double Calc_Ratio(double x1, double x2) { return x1 / x2; }

double Calc_Percent_Ratio(double x1, double x2, double x3, double *out)
{
    const double p = std::fabs(x1) / x2 * 100.0;
    if (out != nullptr) *out = p;
    return p / x3;
}

namespace {

double Min3(double r1, double r2, double r3, int *code, double *o1, double *o2, double *o3)
{
    int c = r2 <= r1 ? 1 : 0;
    double m = c == 1 ? r2 : r1;
    if (r3 < m) {
        c = 2;
        m = r3;
    }
    if (code != nullptr) *code = c;
    if (o1 != nullptr) *o1 = r1;
    if (o2 != nullptr) *o2 = r2;
    if (o3 != nullptr) *o3 = r3;
    return m;
}

} // namespace

double Calc_Min3_A(double x1, double x2, double x3, double x4, double x5, double x6, double x7,
                   double x8, double x9, double x10, int *code, double *r1, double *r2, double *r3)
{
    double k = 1.0;
    if (Nad_Params != nullptr && x10 / 2.0 > x9) k = x9 / (x10 / 2.0);
    const double R1 = x5 * k * x1 / x7;
    const double R2 = x5 * x6 * std::min(x2, x3) * x4;
    const double R3 = x5 * x6 * x2 * 35.0 * x4 * x4 / x8;
    return Min3(R1, R2, R3, code, r1, r2, r3);
}

double Calc_Min3_B(double x1, double x2, double x3, double x4, double x5, double x6, int *code,
                   double *r1, double *r2, double *r3)
{
    return Min3(x1 / x5, x4 * x2 * x3, x4 * x2 * 20.0 * x3 * x3 / x6, code, r1, r2, r3);
}

double Calc_Limit_By_Ratio(double x1)
{
    if (x1 >= 0.499 && x1 < 1.0) return 150.0 - (x1 - 0.5) * 60.0;
    if (x1 >= 0.999 && x1 < 2.0) return 120.0 - (x1 - 1.0) * 40.0;
    if (x1 >= 1.999 && x1 < 4.001) return 80.0 - (x1 - 2.0) * 15.0;
    return -1.0;
}

double Calc_Poly5(double x1, double x2)
{
    const double r = x1 / x2;
    return 1.55743 - 1.763639 * r + 5.954181 * r * r - 11.35562 * r * r * r
           + 10.29283 * std::pow(r, 4.0) - 3.685897 * std::pow(r, 5.0);
}

double Calc_Table_Interp(double x1)
{
    static const double xs[] = {0.0, 0.1, 0.2, 0.3, 0.4, 0.5, 0.6, 0.7, 0.8, 0.9};
    static const double ys[] = {0.912, 0.918, 0.927, 0.934, 0.951, 0.969, 1.0, 1.05, 1.15, 1.4};
    if (x1 >= 0.9) return 2.0;
    if (x1 <= 0.0) return ys[0];
    for (int i = 1; i < 10; i++)
        if (x1 < xs[i])
            return ys[i - 1] + (x1 - xs[i - 1]) / (xs[i] - xs[i - 1]) * (ys[i] - ys[i - 1]);
    return 2.0;
}

double Calc_Kv_Notch(double kn, double i, double h, double alpha, double x)
{
    const double sh = std::sqrt(h);
    return std::min(1.0, kn * (1.0 + 1.1 * std::pow(i, 1.5) / sh)
                             / (sh
                                * (std::sqrt(alpha * (1.0 - alpha))
                                   + 0.8 * x / h * std::sqrt(1.0 / alpha - alpha * alpha))));
}

double Calc_Reduction_Ratio(double x1, double x2, double x3)
{
    if (x2 <= x3) return 1.0;
    return x1 / x2 * (1.0 - (x1 - x2) * x3 / (x1 * x2));
}

double Calc_Cubic_Shape(double x1, double x2, double x3, double *out1, double *out2)
{
    const double s = x1 - x3, u = (x1 - x2 - x3) / s;
    if (out1 != nullptr) *out1 = s / x1;
    if (out2 != nullptr) *out2 = u;
    return (2.0 * (1.0 - u) * (1.0 - u) + 1.0) * u * (2.0 - s / x1);
}

double Calc_Cubic_A(double x1, double x2, double x3, double *out)
{
    const double r = x2 / x1;
    if (out != nullptr) *out = r;
    return (1.0 - 3.0 * r * r + 2.0 * r * r * r) * x3;
}

double Calc_Cubic_B(double x1, double x2, double x3, double *out)
{
    const double r = x2 / x1, s = 1.0 - r;
    if (out != nullptr) *out = r;
    return 1.3 * x3 * (3.0 * s * s - 2.0 * s * s * s);
}

double Calc_Linear_Cap_1000(double x1)
{
    x1 = std::min(x1, 1000.0);
    if (x1 <= 250.0) return 4.0;
    if (x1 <= 500.0) return 5.25 - 0.005 * x1;
    return 3.5 - 0.0015 * x1;
}

double Calc_Mean_Or_Weighted(int mode, double x1, double x2)
{
    if (mode == 0) return (x1 + x2) / 2.0;
    if (mode == 1) return 0.353 * x1 + 0.5 * x2;
    return -1.0;
}

double Calc_Min_Plus(int mode, double x1, double x2, double x3)
{
    if (mode == 0) return std::min(x2, x1);
    if (mode == 1) return std::min(x2, x1) + 0.15 * x3;
    return -1.0;
}

double Calc_Root_450(double x1)
{
    if (!(x1 > 0.001)) return -1.0;
    return std::min(1.0, std::sqrt(450.0 / x1));
}

double Calc_Cubic_Moment(double x1, double x2, double x3)
{
    if (!(x3 > 0.001)) return -1.0;
    return x1 * x2 / (4.0 * x3) * (3.0 - x2 * x2 / (x3 * x3));
}

double Calc_Ratio_0008(double x1, double x2)
{
    if (!(x2 > 0.001)) return -1.0;
    return 0.008 * x1 / x2;
}

double Calc_Half_Product4(double x1, double x2, double x3, double x4)
{
    if (!(x1 > 0.001) || !(x2 > 0.001) || !(x3 > 0.001) || !(x4 > 0.001)) return -1.0;
    return 0.5 * x1 * x2 * x3 * x4;
}

double Calc_Factor_184(double x1, double x2, double x3)
{
    if (!(x2 > 0.001)) return 1.0;
    return 1.84 * (x1 / x2 + 1.0) * std::pow(x3 / x2, 0.2);
}

double Calc_Area_Product(int kind, double x1, double x2)
{
    if (kind == 0) return 25.0 * x1 * x2;
    if (kind == 1) return 30.0 * x1 * x2;
    return 0.0;
}

int Get_Material_Class(int material, double x1)
{
    if (material == MAT_STEICO_GLVL || (material >= MAT_SPANPLATTE && material <= MAT_KERTO_Q)
        || (material >= MAT_BAUBUCHE_PLATTE && material <= MAT_POLLM_LVL_S))
        return 5; /* bare-code: a material class of the strengths tables, not a code */
    if ((material >= MAT_NADELHOLZ && material <= MAT_BSH_DIN) || material == MAT_BAUBUCHE_GL75)
        return std::fabs(x1) < 1.0 ? 6 : 7;
    if (material >= MAT_OSB && material <= MAT_SPERRHOLZ) return std::fabs(x1) < 1.0 ? 2 : 3;
    return -1;
}

double Get_Material_Factor(int material)
{
    if ((material >= MAT_STEICO_JOIST && material <= MAT_STEICO_GLVL)
        || (material >= MAT_BAUBUCHE_GL75 && material <= MAT_STEICO_LVL))
        return 1.1;
    if (material == MAT_NADELHOLZ || material == MAT_LAUBHOLZ) return 1.25;
    if ((material >= MAT_BSH_EC && material <= MAT_KERTO_Q) || material == MAT_POLLM_LVL_S)
        return 1.15;
    return 1.0;
}

double Get_Member_Design_Value_D_Scaled(int type, int predrilled, int material, int grade,
                                        int selector, double x1, double x2, double x3, double x4)
{
    return Get_Member_Design_Value_D(type, predrilled, material, grade, selector, x1, x2, nullptr)
           * x3 / x4;
}

double Calc_Kh_Disabled(int material, double h) { return 1.0; }

double Calc_Kcr(int material, double f_vk)
{
    if (Nad_Params == nullptr) return 1.0;
    if (Nad_Params->k_cr_rule == 1)
        return (material >= MAT_NADELHOLZ && material <= MAT_BSH_DIN) ? Nad_Params->k_cr_solid
                                                                      : Nad_Params->k_cr_other;
    if (material == MAT_BSH_EC || material == MAT_BSH_DIN) return 2.5 / f_vk;
    if (material == MAT_NADELHOLZ) return 2.0 / f_vk;
    if (material == MAT_LAUBHOLZ) return 0.67;
    return 1.0;
}
