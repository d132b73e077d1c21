/*
** Characteristic parameters of the axial design of nails, staples and screws (EN 1995-1-1, 8.3.2
** and 8.7.2; DIN 1052, 12.8): withdrawal and head pull-through parameters, the tabulated values of
** the approved screw lines, washer bearing areas, k_ef of the effective number and the test of the
** member pairing. mm, kg/m³, N/mm², mm². pi is the design run's constant.
*/
#include "design/design_axial.h"

#include <algorithm>
#include <cmath>

#include "catalogue/catalogue.h"
#include "design/design_lateral.h"
#include "nad/nad.h"

namespace {

bool En1995(void) { return Nad_Params != nullptr; }
bool Annex_Variant(void) { return Nad_Params != nullptr && Nad_Params->variant != 0; }
/* Table NA.15 of the German annex: f_ax and f_head of profiled (special) nails (8.3.2). */
bool Table_Na15(void) { return Nad_Params != nullptr && Nad_Params->use_table_na15 != 0; }

/* Withdrawal class 1..3 of a special nail of the types 16..24 and 34..42, else 0. */
int Special_Nail_Withdrawal_Class(int type)
{
    if (type >= VBM_SONDERNAGEL_1A && type <= VBM_SONDERNAGEL_3C)
        return (type - VBM_SONDERNAGEL_1A) / 3 + 1;
    if (Is_Vbm_Special_Nail_Def(type)) return (type - VBM_SONDERNAGEL_1D) / 3 + 1;
    return 0;
}

/* Head class 0 (A), 1 (B), 2 (C) of a special nail, or -1. */
int Special_Nail_Head_Class(int type)
{
    if (type >= VBM_SONDERNAGEL_1A && type <= VBM_SONDERNAGEL_3C)
        return (type - VBM_SONDERNAGEL_1A) % 3;
    if (Is_Vbm_Special_Nail_Def(type)) return (type - VBM_SONDERNAGEL_1D) % 3;
    return -1;
}

bool Near(double d, double n) { return d >= n - 0.1 && d <= n + 0.1; }

} // namespace

/* ---------------------------------------------------------------- withdrawal parameters */

double Calc_Fax_Nail_Param(int type, double moisture, int predrilled, int predrill_core,
                           double rho_k)
{
    const double rho = std::min(rho_k, 500.0);
    const double c = En1995() ? 20e-6 : 18e-6;
    double f = 0.0;
    const int cls = Special_Nail_Withdrawal_Class(type);
    if (type == VBM_NAGEL) {
        f = c * rho * rho;
    } else if (type == VBM_KLAMMER) {
        f = c * rho * rho;
        if (moisture > 20.0) f *= En1995() ? 0.6666666666666666 : 0.3333333;
    } else if (cls == 1 || cls == 2) {
        f = (cls == 1 ? 30e-6 : 40e-6) * rho * rho;
        if (En1995() && predrilled) f = 0.0;
    } else if (cls == 3) {
        f = 50e-6 * rho * rho;
        if (En1995() && !Table_Na15()) f = 0.0;
    }
    if (predrill_core && Is_Vbm_Special_Nail(type)) f *= 0.7;
    return f;
}

double Calc_Fax_Simpson_Nail(int type, double d, double l, double rho_k)
{
    if (type == VBM_SIMPSON_CNA) {
        const double v1 = rho_k * (1.0 + 1.5 * d / l) * 6.125 / 350.0;
        const double v2 = rho_k * (rho_k * (10.92 - 0.0158 * d - 0.0968 * l) / 320.0) / 320.0;
        return std::min(v1, v2);
    }
    return d >= 4.1 ? 15.0 : 13.8;
}

double Get_Simpson_Nail_Ftens(int type, double d)
{
    if (type == VBM_SIMPSON_CNA)
        return d < 3.2 ? 4500.0 : d < 3.8 ? 6500.0 : d < 4.1 ? 7500.0 : 17000.0;
    return d < 4.1 ? 3500.0 : 4900.0;
}

double Calc_Fax_Screw_Class(int type, int predrilled, int unused, double rho_k, double d)
{
    if (En1995() && !Annex_Variant()) return 0.0;
    const double rho = std::min(rho_k, 500.0);
    switch (type) {
    case VBM_DIN571_1A:
    case VBM_DIN571_1B:
    case VBM_DIN571_1C: return 60e-6 * rho * rho;
    case VBM_DIN571_2A:
    case VBM_DIN571_2B:
    case VBM_DIN571_2C: return 70e-6 * rho * rho;
    case VBM_DIN571_3A:
    case VBM_DIN571_3B:
    case VBM_DIN571_3C: return 80e-6 * rho * rho;
    case VBM_SPAX_SENKKOPF_TG:
    case VBM_SPAX_TELLERKOPF_TG:
    case VBM_SPAX_SENKKOPF_VG:
    case VBM_SPAX_BENUTZER: return Get_Fax_Table_B(d);
    case VBM_ASSY_ZYLINDERKOPF_VG:
    case VBM_ASSY_SENKFRAESKOPF_VG:
    case VBM_ASSY_BENUTZER: return En1995() ? Get_Fax_Table_A(d) : 80e-6 * rho * rho;
    default: return 0.0;
    }
}

double Get_Fax_Table_A(double d)
{
    if (d >= 2.9 && d <= 5.1) return 12.0;
    if (d >= 5.9 && d <= 7.1) return 11.5;
    if (d >= 7.9 && d <= 8.1) return 11.0;
    return 10.0;
}

double Get_Fax_Table_B(double d)
{
    if (d < 6.0) return 14.0;
    if (d <= 8.1) return 12.0;
    if (d <= 10.1) return 11.5;
    if (d <= 12.1) return 11.0;
    return 10.0;
}

namespace {

/* Withdrawal parameters of the third screw family by diameter band: timber A, B; beech
** pre-drilled A, B; beech not pre-drilled A, B (0 where the band has no beech value). */
struct Fax_C_Row {
    double d;
    double timber[2], beech_pre[2], beech[2];
};

const Fax_C_Row Fax_C_Rows[] = {
    // clang-format off
    {3.5, {15.1, 17.2}, {0, 0}, {0, 0}},
    {4.0, {13.8, 15.8}, {0, 0}, {0, 0}},
    {4.5, {13.7, 15.7}, {0, 0}, {0, 0}},
    {5.0, {12.7, 14.5}, {34.4, 41.3}, {38.2, 45.9}},
    {6.0, {12.0, 13.7}, {36.4, 43.7}, {38.7, 46.4}},
    {7.0, {14.0, 15.6}, {35.3, 42.4}, {38.7, 46.4}},
    {8.0, {12.3, 14.0}, {35.3, 42.4}, {39.2, 47.0}},
    {10.0, {11.6, 13.3}, {29.3, 35.1}, {32.8, 39.3}},
    {12.0, {11.3, 12.7}, {19.5, 21.9}, {20.0, 24.0}},
    // clang-format on
};

double Fax_Family_C(double d, int mat, int predrilled, int column)
{
    if (mat == MAT_BAUBUCHE_GL75 || mat == MAT_BAUBUCHE_PLATTE) {
        for (const Fax_C_Row &r : Fax_C_Rows) {
            const double v = predrilled ? r.beech_pre[column] : r.beech[column];
            if (v > 0.0 && Near(d, r.d)) return v;
        }
        return 10.0;
    }
    if (mat == MAT_OSB) {
        double rho = 0.0;
        Get_Rho_K(4, 0, 20.0, &rho, nullptr);
        return (rho >= 549.9 && rho <= 700.1 && d >= 3.99 && d <= 6.01) ? 10.0 : 0.0;
    }
    if (Is_Mat_Timber(mat) || Is_Mat_Lvl(mat)) {
        for (const Fax_C_Row &r : Fax_C_Rows) {
            const bool in = r.d == 4.5 ? (d >= 4.4 && d < 4.6) : Near(d, r.d);
            if (in) return r.timber[column];
        }
        return 8.0;
    }
    return 0.0;
}

} // namespace

double Get_Fax_Family_C_A(double d, int mat, int predrilled)
{
    return Fax_Family_C(d, mat, predrilled, 0);
}

double Get_Fax_Family_C_B(double d, int mat, int predrilled)
{
    return Fax_Family_C(d, mat, predrilled, 1);
}

/* ---------------------------------------------------------------- head pull-through */

double Calc_Fhead_Nail_Param(int type, int fibre_saturated, double rho_k)
{
    const double rho = std::min(rho_k, 500.0);
    double f = 0.0;
    const int head = Special_Nail_Head_Class(type);
    if (type == VBM_NAGEL || type == VBM_KLAMMER) {
        f = (En1995() ? 70e-6 : 60e-6) * rho * rho;
    } else if (head >= 0) {
        static const double low[3] = {60e-6, 80e-6, 100e-6};
        static const double high[3] = {120e-6, 140e-6, 160e-6};
        f = (type <= VBM_SONDERNAGEL_3C ? low[head] : high[head]) * rho * rho;
        if (En1995() && !Table_Na15()) f = 0.0;
    }
    if (En1995() && fibre_saturated) f *= 0.6666666666666666;
    return f;
}

namespace {

/* Panel rules 1 and 2 of the head pull-through: a head in a panel of member 1. Returns the value;
** *stop is set when the panel gives 0 at once. */
double Panel_Head_Rules(double f, double t, int m, double d_head, bool *stop)
{
    *stop = false;
    if (!Is_Mat_Panel(m)) return f;
    if (t >= 11.999 && t <= 20.001) f = 8.0;
    if (t < 12.0) {
        switch (m) {
        case MAT_STEICO_GLVL:
        case MAT_C24_DENSITY:
        case MAT_OSB:
        case MAT_SPANPLATTE:
        case MAT_KERTO_S:
        case MAT_KERTO_Q:
        case MAT_STEICO_LVL:
        case MAT_POLLM_LVL_S:
            if (t < 8.0) f = 0.0;
            break;
        case MAT_SPERRHOLZ:
        case MAT_FASERPLATTE:
            if (t < 6.0) f = 0.0;
            break;
        case MAT_GIPSKARTON:
        case MAT_FERMACELL: f = 0.0; break;
        default: *stop = true; return 0.0;
        }
        if (t < 1.2 * d_head) f = 0.0;
    }
    return f;
}

/* Panel rules 1 to 3. */
double Head_Rules(double f, double t, int m, double d_head, double d1)
{
    bool stop = false;
    f = Panel_Head_Rules(f, t, m, d_head, &stop);
    if (stop) return 0.0;
    if (d_head < 1.8 * d1) f = 0.0;
    return f;
}

/* The two head formulas of the ETA-12/0114 screws. */
double Eta12_Head_Form(bool form1, double D)
{
    if (form1) {
        if (D <= 16.001) return 27.0 - D;
        if (D <= 32.001) return 11.0 - 0.2 * (D - 16.0);
        return 0.0;
    }
    if (D <= 16.001) return 29.0 - D;
    if (D <= 22.001) return 13.0;
    if (D <= 32.001) return 16.0 - 0.5 * (D - 16.0);
    return 0.0;
}

bool Eta12_Form1(int type, int head_form, bool washer)
{
    if (washer) return false;
    return type == VBM_SPAX_SENKKOPF_TG || type == VBM_SPAX_SENKKOPF_VG
           || (type == VBM_SPAX_BENUTZER && (head_form == 1 || head_form == 2 || head_form == 4));
}

} // namespace

double Calc_Fhead_Screw_Param(int type, int mat1, double rho_k, double t1, double d_head,
                              int washer)
{
    if (En1995() && !Annex_Variant()) return 0.0;
    if (Is_Vbm_Din571_Screw(type)) {
        static const double c[3] = {60e-6, 80e-6, 100e-6};
        const double rho = std::min(rho_k, 500.0);
        return c[(type - VBM_DIN571_1A) % 3] * rho * rho;
    }
    if (type < VBM_DIN571_1A || type > VBM_SPAX_SENKKOPF_VG) return 0.0;
    const double D = std::min(d_head, 32.0);
    double f;
    if (Is_Mat_Panel(mat1) && t1 <= 20.0) {
        const double rho = std::min(rho_k, 380.0);
        f = 80e-6 * rho * rho;
    } else if ((type == VBM_SPAX_SENKKOPF_TG || type == VBM_SPAX_SENKKOPF_VG) && !washer) {
        f = D <= 16.1 ? 27.0 - D : 11.0 - 0.2 * (D - 16.0);
    } else {
        f = D <= 16.1 ? 29.0 - D : (D <= 22.1 ? 13.0 : 16.0 - 0.5 * (D - 16.0));
    }
    bool stop = false;
    f = Panel_Head_Rules(f, t1, mat1, D, &stop);
    return stop ? 0.0 : f;
}

double Calc_Fhead_Screw_Eta12(int type, int head_form, double d_head, double d1, double washer_d,
                              double t1, int mat1)
{
    const bool washer = !(washer_d <= 1.0);
    const double D = std::min(d_head, 32.0);
    const double f = Eta12_Head_Form(Eta12_Form1(type, head_form, washer), D);
    return Head_Rules(f, t1, mat1, D, d1);
}

double Calc_Fhead_Screw_B(int type, int head_form, double d_head, double d1, int washer, double t1,
                          int mat1)
{
    const double D = std::min(d_head, 32.0);
    const double f = Eta12_Head_Form(Eta12_Form1(type, head_form, washer != 0), D);
    return Head_Rules(f, t1, mat1, D, d1);
}

double Calc_Fhead_Screw_Eta11(double d_head_eff, double washer_d, double d1, double t1, int mat1)
{
    washer_d = std::min(washer_d, 32.0);
    double f;
    if (d_head_eff > 19.0) f = 10.0;
    else f = washer_d > 0.0 ? 10.0 : 13.0;
    return Head_Rules(f, t1, mat1, d_head_eff, d1);
}

double Calc_Fhead_Screw_A(double d_head, double d1, double t1, int mat1)
{
    const double D = std::min(d_head, 32.0);
    return Head_Rules(D > 19.0 ? 10.0 : 13.0, t1, mat1, D, d1);
}

double Calc_Fhead_Screw_C(int type, int head_form, double d_head, double d1, int washer, double t1,
                          int mat1)
{
    const double D = std::min(d_head, 35.0);
    const int m = mat1;
    double f = 0.0;
    if (t1 > 20.0) {
        switch (m) {
        case MAT_NADELHOLZ:
        case MAT_BSH_EC:
        case MAT_BSH_DIN:
        case MAT_OSB:
        case MAT_SPERRHOLZ:
        case MAT_SPANPLATTE:
        case MAT_FASERPLATTE:
        case MAT_KERTO_S:
        case MAT_KERTO_Q:
        case MAT_STEICO_LVL:
        case MAT_POLLM_LVL_S:
        case MAT_STEICO_GLVL:
        case MAT_C24_DENSITY:
            if (D < 23.01) f = 14.0;
            else if (D < 35.01) f = 9.4;
            break;
        case MAT_LAUBHOLZ: f = (D > 20.01 || washer) ? 15.0 : 20.0; break;
        default: break;
        }
    }
    if (t1 <= 20.0 && (Is_Mat_Board(m) || m == MAT_SPERRHOLZ) && t1 > 11.5) f = 8.0;
    if (t1 > 39.9 && (m == MAT_BAUBUCHE_GL75 || m == MAT_BAUBUCHE_PLATTE)) {
        if (D < 18.01) f = 32.0;
        else if (D < 22.01) f = 22.0;
    }
    if (D < 1.8 * d1) f = 0.0;
    if (t1 < 1.2 * D) f = 0.0;
    return f;
}

/* ---------------------------------------------------------------- washers */

double Calc_Washer_Area(double d, double outer_d)
{
    return DESIGN_PI / 4.0 * (outer_d * outer_d - (d + 1.0) * (d + 1.0));
}

double Bolt_Washer_Hole(double d) { return d + 2.0; }

double Calc_Bolt_Washer_Area(double d, double outer_d)
{
    const double d_h = Bolt_Washer_Hole(d);
    return DESIGN_PI / 4.0 * (outer_d * outer_d - d_h * d_h);
}

double Calc_Washer_Area_Alt(double d, double washer_d, double t)
{
    return Calc_Washer_Area(d, std::min(12.0 * t, 4.0 * d));
}

double Calc_Thread_Area(double d, double washer_d)
{
    const double D = washer_d;
    if (En1995()) return 3.0 * Calc_Bolt_Washer_Area(d, D);
    static const struct {
        double lo, hi, area;
    } table[] = {{21, 23, 390},  {27, 29, 664},  {33, 35, 1020}, {43, 45, 1550},
                 {55, 57, 2670}, {71, 73, 4270}, {84, 86, 6080}, {104, 106, 9430}};
    for (const auto &r : table)
        if (D >= r.lo && D <= r.hi) return r.area;
    return DESIGN_PI * D * D / 4.0 + D * std::min(4.0 * d - D, 60.0)
           - DESIGN_PI * (d + 2.0) * (d + 2.0) / 4.0;
}

/* Outside M6..M48 the areas pi (0.85 d)² / 4 and pi (0.9 d)² / 4 stay close to the standard's
** pi (d - 0.9382 P)² / 4. */
double Calc_Bolt_Stress_Area(double d)
{
    static const struct {
        double d, area;
    } sizes[] = {{6, 20.1},   {8, 36.6},   {10, 58.0},  {12, 84.3},   {14, 115.0},  {16, 157.0},
                 {18, 192.0}, {20, 245.0}, {22, 303.0}, {24, 353.0},  {27, 459.0},  {30, 561.0},
                 {33, 694.0}, {36, 817.0}, {39, 976.0}, {42, 1120.0}, {45, 1310.0}, {48, 1470.0}};
    if (d < 6.0 - 1e-6) return DESIGN_PI * 0.85 * d * 0.85 * d / 4.0;
    if (d > 48.0 + 1e-6) return DESIGN_PI * 0.9 * d * 0.9 * d / 4.0;
    double area = sizes[0].area;
    for (const auto &s : sizes)
        if (s.d <= d + 1e-6) area = s.area;
    return area;
}

/* ---------------------------------------------------------------- effective number */

double Calc_Vbm_K_Ef(double d, double a1, int predrilled)
{
    if (a1 > 14.0 * d) return 1.0;
    if (a1 + 0.1 >= 10.0 * d) return 0.85 + 0.15 * (a1 - 10.0 * d) / (4.0 * d);
    if (a1 + 0.1 >= 7.0 * d) return 0.7 + 0.15 * (a1 - 7.0 * d) / (3.0 * d);
    if (a1 + 0.1 >= 4.0 * d)
        return predrilled ? 0.5 + 0.2 * (a1 - 4.0 * d) / (3.0 * d) : 0.7 * a1 / (7.0 * d);
    return predrilled ? 0.5 * a1 / (4.0 * d) : 0.7 * a1 / (7.0 * d);
}

/* ---------------------------------------------------------------- member pairing */

int Check_Vbm_Material_Pair(int type, int resin_coated, int predrilled, int unused1, int mat1,
                            int mat2, int unused2, int unused3)
{
    const auto lvl_panel = [](int m) {
        return m == MAT_KERTO_S || m == MAT_KERTO_Q || m == MAT_POLLM_LVL_S;
    };
    if ((lvl_panel(mat1) && mat2 == MAT_STAHLBLECH) || (lvl_panel(mat2) && mat1 == MAT_STAHLBLECH))
        return 0;
    if (mat1 == MAT_GIPSKARTON) return 0;
    if (type == VBM_KLAMMER) return resin_coated ? 1 : 0;
    if (Is_Vbm_Nail(type) && predrilled) return 0;
    int answer = 0;
    if (En1995() && Is_Vbm_Nail(type)) {
        if (Annex_Variant() && !Is_Mat_Timber_B(mat1) && !Is_Mat_Panel(mat1)
            && !Is_Mat_Metal_Plate(mat1))
            return 0;
        answer = 1;
    }
    const bool panel_or_plate = Is_Mat_Panel(mat1) || Is_Mat_Metal_Plate(mat1);
    if (Is_Vbm_Din571_Screw(type) || Is_Vbm_Screw_Eta12(type) || Is_Vbm_Screw_Eta11(type)
        || Is_Vbm_Screw_Family_C(type) || type == VBM_BOLZEN || Is_Vbm_Toothed_Plate(type)
        || ((type >= VBM_SONDERNAGEL_3A && type <= VBM_SONDERNAGEL_3C) && panel_or_plate)
        || (Is_Vbm_Nail(type) && mat1 == MAT_FERMACELL))
        answer = 1;
    return answer;
}
