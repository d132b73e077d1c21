/*
** Per-fastener values beside the resistances: the slip modulus, the washer diameter of a bolt,
** the design strengths of the members, the hole geometry and bearing of a steel plate, and the
** minimum spacings of the user-defined screw line. mm, kg/m³, N/mm², N.
*/
#include "design/design_plates.h"

#include <algorithm>
#include <cmath>

#include <cstring>

#include "catalogue/catalogue.h"
#include "design/design_state.h"
#include "nad/nad.h"

/* ---------------------------------------------------------------- slip modulus */

/* rho^1.5 of the slip modulus: a design asks for the value of the same density again and again,
** so the last one is kept in the run record with the density it came from. */
static double Rho_Pow_15(double rho)
{
    auto &last = Design_Run_Current()->kser;
    if (!last.valid || std::memcmp(&rho, &last.rho, sizeof rho) != 0) {
        last.rho_15 = std::pow(rho, 1.5);
        last.rho = rho;
        last.valid = true;
    }
    return last.rho_15;
}

double Calc_Vbm_Kser(int type, int predrilled, double d, int mat1, int grade1, double x1, int mat2,
                     int grade2, double x2, const User_Material *user)
{
    double rho1 = 0.0, rho2 = 0.0;
    Get_Rho_K(mat1, grade1, x1, &rho1, user);
    Get_Rho_K(mat2, grade2, x2, &rho2, user);
    return Calc_Vbm_Kser_Rho(type, predrilled, d, mat1, rho1, mat2, rho2);
}

double Calc_Vbm_Kser_Rho(int type, int predrilled, double d, int mat1, double rho1, int mat2,
                         double rho2)
{
    const bool ec5 = Nad_Params != nullptr;
    const bool plate1 = Is_Mat_Metal_Plate(mat1), plate2 = Is_Mat_Metal_Plate(mat2);
    /* the timber's density beside a metal plate, else the mean of both */
    double rho = 0.0;
    if (plate1) rho = rho2;
    else if (plate2) rho = rho1;
    else rho = std::sqrt(rho1 * rho2);
    if (ec5) rho *= 1.2;

    const bool screw = Is_Vbm_Din571_Screw(type) || Is_Vbm_Screw_Eta12(type)
                       || Is_Vbm_Screw_Eta11(type) || Is_Vbm_Screw_Family_C(type);
    double k = 0.0;
    if (Is_Vbm_Dowel_Or_Bolt(type) || screw || (Is_Vbm_Nail(type) && predrilled))
        k = Rho_Pow_15(rho) * d / (ec5 ? 23.0 : 20.0);
    else if (Is_Vbm_Nail(type)) k = Rho_Pow_15(rho) * std::pow(d, 0.8) / (ec5 ? 30.0 : 25.0);
    else if (type == VBM_KLAMMER)
        k = 2.0 * Rho_Pow_15(rho) * std::pow(d, 0.8) / (ec5 ? 80.0 : 60.0);
    else if (type == VBM_RINGDUEBEL_A1 || type == VBM_SCHEIBENDUEBEL_B1)
        k = (ec5 ? 0.5 : 0.6) * rho * d;
    else if (type == VBM_SCHEIBENDUEBEL_C1 || type == VBM_SCHEIBENDUEBEL_C5
             || type == VBM_SCHEIBENDUEBEL_C2)
        k = (ec5 ? 0.375 : 0.3) * rho * d;
    else if (type == VBM_SCHEIBENDUEBEL_C10 || type == VBM_SCHEIBENDUEBEL_C11)
        k = (ec5 ? 0.5 : 0.45) * rho * d;
    if (plate1 || plate2) k *= 2.0;
    return k;
}

/* ---------------------------------------------------------------- washers */

namespace {

struct Washer_Band {
    double lo, hi;
    bool closed; /* [lo, hi] instead of [lo, hi) */
    double diameter;
};

const Washer_Band Washers_0[] = {{0.1, 4.5, false, 20}, {5, 7, false, 22},   {7, 9, false, 28},
                                 {9, 11, false, 34},    {11, 13, true, 44},  {13, 15, true, 50},
                                 {15, 17, true, 56},    {19, 21, false, 72}, {23, 25, true, 85},
                                 {29, 31, true, 105}};
const Washer_Band Washers_1[] = {
    {5, 7, false, 22}, {7, 9, false, 28}, {9, 11, false, 33}, {11, 13, true, 42}};
const Washer_Band Washers_2[] = {{5, 7, false, 22}, {7, 9, false, 25}, {9, 11, false, 30}};
const Washer_Band Washers_3[] = {
    {5, 7, false, 18}, {7, 9, false, 25}, {9, 11, false, 32}, {11, 13, true, 40}};

template <size_t N>
double Washer_Lookup(const Washer_Band (&bands)[N], double d)
{
    for (const Washer_Band &b : bands)
        if (d >= b.lo && (b.closed ? d <= b.hi : d < b.hi)) return b.diameter;
    return -1.0;
}

} // namespace

double Get_Washer_Diameter(double d, int kind)
{
    switch (kind) {
    case 0: return Washer_Lookup(Washers_0, d);
    case 1: return Washer_Lookup(Washers_1, d);
    case 2: return Washer_Lookup(Washers_2, d);
    case 3: return Washer_Lookup(Washers_3, d);
    default: return -1.0;
    }
}

/* ---------------------------------------------------------------- member design strengths */

namespace {

/* The four strengths fm,k, ft,k, fc,k, fv,k in kN/m² of Get_Mat_Strengths for (use, kind). */
void Member_Strengths(int material, int grade, int use, int kind, double x1, double x2, double v[4])
{
    double fc90 = 0.0, kh = 0.0;
    v[0] = v[1] = v[2] = v[3] = 0.0;
    Get_Mat_Strengths(/*group=*/material, /*grade=*/grade, /*use=*/use, /*kind=*/kind, /*width=*/x1,
                      /*depth=*/x2, /*f_m_k=*/&v[0], /*f_t_k=*/&v[1], /*f_c_k=*/&v[2],
                      /*f_v_k=*/&v[3], /*f_c90_k=*/&fc90, /*k_h=*/&kh);
}

} // namespace

double Get_Member_Design_Value_A(int material, int grade, int selector, double x1, double x2,
                                 double kmod, double gamma_m, const User_Material *user)
{
    double v[4];
    Member_Strengths(material, grade, 2, selector, x1, x2, v);
    return v[0] * kmod / 1000.0 / gamma_m;
}

double Get_Member_Design_Value_C(int material, int grade, int selector, double x1, double x2,
                                 double kmod, double gamma_m, const User_Material *user)
{
    double v[4];
    Member_Strengths(material, grade, 2, selector, x1, x2, v);
    return v[1] * kmod / 1000.0 / gamma_m;
}

double Get_Member_Design_Value_E(int material, int grade, int selector, double x, double kmod,
                                 double gamma_m)
{
    double v[4];
    Member_Strengths(material, grade, selector, 6, x, x, v);
    return v[2] * kmod / 1000.0 / gamma_m;
}

double Get_Member_Shear_Strength(int material, int grade, int selector, double x, double kmod,
                                 double gamma_m)
{
    double v[4];
    Member_Strengths(material, grade, 2, selector, x, x, v);
    double fv = v[3];
    if (Nad_Params != nullptr) {
        if (Nad_Params->variant != 0) {
            if (material == MAT_NADELHOLZ) fv = 4000.0;
            else if (material == MAT_BSH_EC || material == MAT_BSH_DIN) fv = 3500.0;
        } else if (material == MAT_NADELHOLZ || material == MAT_BSH_EC || material == MAT_BSH_DIN) {
            fv *= 0.67;
        }
    }
    return fv * kmod / 1000.0 / gamma_m;
}

double Get_Member_Tension_Factor(int type, int predrilled)
{
    if (Nad_Params != nullptr && Nad_Params->na816_tension_reduction == 0) return 1.0;
    const bool screw = Is_Vbm_Din571_Screw(type) || Is_Vbm_Screw_Eta12(type)
                       || Is_Vbm_Screw_Eta11(type) || Is_Vbm_Screw_Family_C(type);
    if (type == VBM_KLAMMER || type == VBM_STABDUEBEL
        || (Is_Vbm_Nail_Or_Screw(type) && predrilled && !screw))
        return 0.4;
    return 1.0 / 1.5;
}

double Reduce_Member_Tension(double f_t, int type, int predrilled)
{
    const double k = Get_Member_Tension_Factor(type, predrilled);
    if (k == 0.4) return f_t * 0.4;
    if (k != 1.0) return f_t / 1.5; /* divided, not times 0.667: the value stays bit for bit */
    return f_t;
}

double Get_Member_Design_Value_D(int type, int predrilled, int material, int grade, int selector,
                                 double x1, double x2, const User_Material *user)
{
    double v[4];
    Member_Strengths(material, grade, 2, selector, x1, x2, v);
    return Reduce_Member_Tension(v[1], type, predrilled) / 1000.0;
}

/* ---------------------------------------------------------------- steel plates */

void Calc_Plate_Hole_Geometry(double d, int fitted, double *p1, double *e1, double *e2, double *p2)
{
    const double d0 = fitted ? d : d + 1.0;
    if (p1 != nullptr) *p1 = 2.2 * d0;
    if (e1 != nullptr) *e1 = 1.2 * d0;
    if (e2 != nullptr) *e2 = 1.2 * d0;
    if (p2 != nullptr) *p2 = 2.4 * d0;
}

/* ---------------------------------------------------------------- splitting */

double Calc_F90_Rk(double b, double w, double h_e, double h)
{
    if (!(b > 0.0 && h_e > 0.0 && h_e < h)) return 0.0;
    return 14.0 * b * w * std::sqrt(h_e / (1.0 - h_e / h));
}

double Calc_F90_Rd_Na(double h_e, double h, double t_ef, double a_r, const double *h_i, int n,
                      double f_t90_d, double *k_s, double *k_r)
{
    if (k_s) *k_s = 0.0;
    if (k_r) *k_r = 0.0;
    if (n <= 0 || h_i == nullptr || !(h > 0.0 && t_ef > 0.0)) return 0.0;
    double h_1 = h_i[0];
    for (int i = 1; i < n; i++) h_1 = std::min(h_1, h_i[i]);
    if (!(h_1 > 0.0)) return 0.0;
    double sum = 0.0;
    for (int i = 0; i < n; i++) sum += (h_1 / h_i[i]) * (h_1 / h_i[i]);
    const double ks = std::max(1.0, 0.7 + 1.4 * a_r / h);
    const double kr = n / sum;
    if (k_s) *k_s = ks;
    if (k_r) *k_r = kr;
    const double r = h_e / h;
    return ks * kr * (6.5 + 18.0 * r * r) * std::pow(t_ef * h, 0.8) * f_t90_d;
}

/* ---------------------------------------------------------------- steel plates */

double Calc_Plate_Bearing_Resistance(double d, double t, int fitted, double fu, double *k1,
                                     double *alpha_b)
{
    const double d0 = fitted ? d : d + 1.0;
    double p1, e1, e2, p2;
    Calc_Plate_Hole_Geometry(d, fitted, &p1, &e1, &e2, &p2);
    const double ab1 = e1 / (3.0 * d0), ab2 = p1 / (3.0 * d0) - 0.25;
    const double ab = ab1 < ab2 ? ab1 : ab2;
    const double ka = 2.8 * e2 / d0 - 1.7, kb = 1.4 * p2 / d0 - 1.7;
    const double k = std::min(ka < kb ? ka : kb, 2.5);
    if (k1 != nullptr) *k1 = k;
    if (alpha_b != nullptr) *alpha_b = ab;
    return k * ab * fu * d * t;
}

int Calc_Screw_Line_Spacings(const Eta12_Spacing_Block *block, int predrilled_flag, int material,
                             double alpha, double *a1, double *a2, double *a3t, double *a3c,
                             double *a4t, double *a4c)
{
    if (block == nullptr || predrilled_flag != 0 || !Is_Mat_Timber_B(material)) return 0;
    if (block->eta12_spacing_kind != 1 && block->eta12_spacing_kind != 2) return 0;
    const double d = block->d;
    if (a1 != nullptr) *a1 = 5.0 * d;
    if (a2 != nullptr) *a2 = (3.0 + std::fabs(std::sin(alpha))) * d;
    if (a3t != nullptr) *a3t = 12.0 * d;
    if (a3c != nullptr) *a3c = 12.0 * d;
    if (a4t != nullptr)
        *a4t = (d < 4.01 ? 3.0 + 2.0 * std::sin(alpha) : 3.0 + 4.0 * std::sin(alpha)) * d;
    if (a4c != nullptr) *a4c = 3.0 * d;
    return 1;
}
