/*
** Stiffness and strength values of every material group (timber tables, EN 12369-1 panels,
** LVL and laminated beech products) and the size factors of EN 1995-1-1 3.2-3.4 and DIN 1052.
** Results in kN/m2 (N/mm2 times 1000); lengths and thicknesses in mm.
*/
#include <cmath>

#include "catalogue/mat_internal.h"
#include "catalogue/mat_values.h"
#include "nad/nad.h"

/* Stress-kind classes as bit masks of the kind 0..9. */
#define KIND(k)      (1u << (k))
#define MASK_PLATTE  0x213u /* panels out of plane: 0, 1, 4, 9 */
#define MASK_SCHEIBE 0x120u /* panels in plane: 5, 8 */
#define MASK_OSB_M0  0x101u /* OSB bending parallel: 0, 8 */
#define MASK_OSB_M90 0x212u /* OSB bending perpendicular: 1, 4, 9 */
#define MASK_OSB_S0  0x004u /* OSB in plane parallel: 2 */
#define MASK_OSB_S90 0x028u /* OSB in plane perpendicular: 3, 5 */
#define MASK_LVL_A   0x125u /* LVL edgewise / parallel: 0, 2, 5, 8 */
#define MASK_LVL_B   0x21au /* LVL flatwise / perpendicular: 1, 3, 4, 9 */

/* The values a getter has found; written to the caller's pointers at the end. */
typedef struct Mat_Out {
    double v[6];   /* fm, ft, fc, fv, fc90, kh or E0mean, Gmean, E005, G05 */
    unsigned have; /* bit i: v[i] found */
} Mat_Out;

static void Put(Mat_Out *o, int i, double value)
{
    o->v[i] = value;
    o->have |= 1u << i;
}

static void Put4(Mat_Out *o, double a, double b, double c, double d)
{
    Put(o, 0, a);
    Put(o, 1, b);
    Put(o, 2, c);
    Put(o, 3, d);
}

static void Write_Out(const Mat_Out *o, double *const *ptr, int n)
{
    for (int i = 0; i < n; i++)
        if ((o->have & (1u << i)) && ptr[i]) *ptr[i] = o->v[i];
}

/* Band 0..5 of a particle-board thickness (EN 12369-1 Table 3), -1 outside 6..50 mm. */
static int Spanplatte_Band(double t)
{
    static const double upper[6] = {13, 20, 25, 32, 40, 50};
    if (t <= 6.0) return -1;
    for (int i = 0; i < 6; i++)
        if (t <= upper[i]) return i;
    return -1;
}

/* ---- size factors */

double Calc_Kh(double h) { return h <= 1.0 ? 1.0 : fmin(pow(600.0 / h, 0.1), 1.2); }
double Calc_Kh_013(double h) { return h <= 1.0 ? 1.0 : fmin(pow(600.0 / h, 0.13), 1.2); }

double Calc_Kh_Max(double b, double h)
{
    if (h <= 1.0) return 1.0;
    return fmin(pow(600.0 / fmax(b, h), 0.1), 1.2);
}

double Calc_Kl_006(double l) { return fmin(pow(3000.0 / l, 0.06), 1.1); }

double Calc_Kvol_Lin(int32_t mode, double x)
{
    const double v = 0.892 + 0.0009 * x;
    double k = v >= 1.18 ? 1.0 : fmin(v, 1.0);
    return mode == 1 ? k * 1.2 : k;
}

double Get_Mat_Ft90(Mat_Group_Code group, int32_t grade)
{
    switch (group) {
    case -11:
    case 19: return grade == 0 ? 3.6 : 4.0;
    case 0: return 0.4;
    case 1: return Nad_Params ? 0.6 : 0.5;
    case 2:
    case 3: return 0.5;
    case 17: return grade == 0 ? 0.6 : 1.5;
    default: return 0.0;
    }
}

/* ---- stiffness */

/* Particle board moduli of EN 12369-1 (N/mm2) by grade P4..P7 and band. */
static const double Spanplatte_Em[4][6] = {{3200, 2900, 2700, 2400, 2100, 1800},
                                           {3500, 3300, 3000, 2600, 2400, 2100},
                                           {4400, 4100, 3500, 3300, 3100, 2800},
                                           {4600, 4200, 4000, 3900, 3500, 3200}};
static const double Spanplatte_Et[4][6] = {{1800, 1700, 1600, 1400, 1200, 1100},
                                           {2000, 1900, 1800, 1500, 1400, 1300},
                                           {2500, 2400, 2100, 1900, 1800, 1700},
                                           {2600, 2500, 2400, 2300, 2100, 2000}};
static const double Spanplatte_Gv[4][6] = {{860, 830, 770, 680, 600, 550},
                                           {960, 930, 860, 750, 690, 660},
                                           {1200, 1150, 1050, 950, 900, 880},
                                           {1250, 1200, 1150, 1100, 1050, 1000}};

/* Plywood (E0,mean, Gmean, E0,05) by stress kind row 0, 1, {2,5}, 3 and grade. */
static const double Plywood_Stiff[4][6][3] = {
    // clang-format off
  {{4000, 35, 3200}, {3000, 35, 2400}, {5500, 25, 4400}, {6000, 150, 4800}, {7000, 150, 5600}, {9000, 200, 7200}},
  {{2000, 25, 1600}, {2500, 25, 2000}, {1500, 25, 1200}, {4000, 150, 3200}, {2500, 200, 2000}, {1000, 200, 800}},
  {{4000, 350, 3200}, {4000, 350, 3200}, {4500, 500, 3600}, {4400, 600, 3520}, {5500, 600, 4400}, {5500, 700, 4400}},
  {{3000, 350, 2400}, {3000, 350, 2400}, {2500, 500, 2000}, {4700, 600, 3760}, {3650, 700, 2920}, {3700, 700, 2960}},
    // clang-format on
};

int32_t Get_Mat_Stiffness(Mat_Group_Code group, int32_t grade, int32_t kind, double t,
                          double *e0_mean, double *g_mean, double *e0_05, double *g_05)
{
    Mat_Out o = {};
    const unsigned bit = (kind >= 0 && kind <= 9) ? KIND(kind) : 0u;
    switch (group) {
    case 0:
    case 13:
    case 1:
    case 2:
    case 3:
    case 17: {
        const Timber_Grade *g = Get_Timber_Grade(group, grade);
        if (!g) return 0;
        const double E = g->E0_mean * 1000.0, G = g->G_mean * 1000.0;
        const double fe = (group == 0 || group == 13) ? 2.0 / 3.0 : 5.0 / 6.0;
        const double fg = (group == 2 || group == 3) ? 5.0 / 6.0 : 2.0 / 3.0;
        Put4(&o, E, G, fe * E, fg * G);
        break;
    }
    case 4: { /* OSB, EN 12369-1 Table 1 */
        if (grade < 0 || grade > 2) return 0;
        const int b4 = grade == 2;
        double E = 0, G = 0;
        switch (kind) {
        case 0:
            E = b4 ? 6780 : 4930;
            G = b4 ? 60 : 50;
            break;
        case 1:
            E = b4 ? 2680 : 1980;
            G = b4 ? 60 : 50;
            break;
        case 2:
        case 5:
            E = b4 ? 4300 : 3800;
            G = b4 ? 1090 : 1080;
            break;
        case 3:
            E = b4 ? 3200 : 3000;
            G = b4 ? 1090 : 1080;
            break;
        default: break;
        }
        if (E > 0) {
            Put(&o, 0, E * 1000);
            Put(&o, 1, G * 1000);
            Put(&o, 2, 0.85 * E * 1000);
        }
        break;
    }
    case -11: /* Steico GLVL (values in kN/m2) */
        if (grade != 0) return 0;
        if (bit & (KIND(0) | KIND(2) | KIND(5) | KIND(8)))
            Put4(&o, 14000000, 600000, 12000000, 400000);
        else if (bit & (KIND(1) | KIND(3) | KIND(7) | KIND(9)))
            Put4(&o, 430000, 600000, 12000000, 400000);
        else if (bit & (KIND(4) | KIND(6)))
            Put4(&o, 14000000, 560000, 12000000, 560000 * 2.0 / 3.0);
        break;
    case 5: { /* plasterboard */
        if (grade < 0 || grade > 2) return 0;
        double E = 0;
        switch (kind) {
        case 0: E = 2800; break;
        case 1: E = 2200; break;
        case 2: E = 1200; break;
        case 3:
        case 5: E = 1000; break;
        default: break;
        }
        if (E > 0) {
            Put(&o, 0, E * 1000);
            Put(&o, 1, 700000);
            Put(&o, 2, 0.9 * E * 1000);
        }
        break;
    }
    case 6: { /* plywood */
        if (grade < 0 || grade > 5) return 0;
        int row = -1;
        switch (kind) {
        case 0: row = 0; break;
        case 1: row = 1; break;
        case 2:
        case 5: row = 2; break;
        case 3: row = 3; break;
        default: break;
        }
        if (row >= 0) {
            const double *v = Plywood_Stiff[row][grade];
            Put(&o, 0, v[0] * 1000);
            Put(&o, 1, v[1] * 1000);
            Put(&o, 2, v[2] * 1000);
        }
        break;
    }
    case 7: { /* particle board, EN 12369-1 Table 3 */
        if (grade < 0 || grade > 3) return 0;
        const int band = Spanplatte_Band(t);
        if (band < 0) break;
        if (kind == 4) {
            const double E = Spanplatte_Em[grade][band];
            Put(&o, 0, E * 1000);
            Put(&o, 1, band < 3 ? 200000 : 100000);
            Put(&o, 2, 0.8 * E * 1000);
        } else if (kind == 5) {
            Put(&o, 0, Spanplatte_Et[grade][band] * 1000);
            Put(&o, 1, Spanplatte_Gv[grade][band] * 1000);
        }
        break;
    }
    case 8: { /* fibreboard, EN 12369-1 Table 5 */
        if (grade < 0 || grade > 1) return 0;
        if (kind != 4 && kind != 5) break;
        double E, G;
        if (grade == 0) {
            E = (t > 3.5 && t <= 5.5) ? 4800 : 4600;
            G = 200;
        } else {
            E = t <= 10.0 ? 3100 : 2900;
            G = 100;
        }
        Put(&o, 0, E * 1000);
        Put(&o, 1, G * 1000);
        Put(&o, 2, 0.8 * E * 1000);
        break;
    }
    case 9: /* gypsum fibre board */
        if (grade < 0 || grade > 4) return 0;
        if (kind == 4 || kind == 5) {
            Put(&o, 0, 3800000);
            Put(&o, 1, 1600000);
            Put(&o, 2, 0.0);
        }
        break;
    case 10: /* Kerto-S */
        if (grade != 0) return 0;
        if (bit & MASK_LVL_A) Put4(&o, 13800000, 600000, 11600000, 400000);
        else if (bit & MASK_LVL_B) Put4(&o, 13800000, 380000, 11600000, 380000 * 2.0 / 3.0);
        break;
    case 11: { /* Kerto-Q */
        if (grade < 0 || grade > 1) return 0;
        const double E = grade == 0 ? 10000000 : 10500000, E05 = grade == 0 ? 8300000 : 8800000;
        if (bit & MASK_LVL_A) Put4(&o, E, 600000, E05, 400000);
        else if (bit & MASK_LVL_B) Put4(&o, E, 380000, E05, 380000 * 2.0 / 3.0);
        break;
    }
    case 18: { /* beech panel: S edgewise G 760, flatwise 850; Q cross-banded */
        if (grade < 0 || grade > 2) return 0;
        double E, G;
        const int a = (bit & (MASK_LVL_A | KIND(6))) != 0;
        if (!(bit & (MASK_LVL_A | MASK_LVL_B | KIND(6) | KIND(7)))) break;
        if (grade < 2) {
            E = 16800;
            G = a ? 760 : 850;
        } else {
            E = a ? 12800 : 10900;
            G = a ? 820 : 430;
        }
        Put4(&o, E * 1000, G * 1000, E * 1000 * 5.0 / 6.0, G * 1000 * 2.0 / 3.0);
        break;
    }
    case 19: { /* Steico LVL R and X */
        if (grade < 0 || grade > 2) return 0;
        if (!(bit & (MASK_LVL_A | MASK_LVL_B | KIND(6) | KIND(7)))) break;
        const int a = (bit & (MASK_LVL_A | KIND(6))) != 0;
        const double E = grade == 0 ? 14000 : 10500, E05 = grade == 0 ? 12000 : 8800;
        const double G = a ? 600 : 430;
        Put4(&o, E * 1000, G * 1000, E05 * 1000, G * 1000 * 2.0 / 3.0);
        break;
    }
    case 20: /* spruce LVL S */
        if (grade != 0) return 0;
        if (bit & MASK_LVL_B) Put4(&o, 14000000, 570000, 12000000, 380000);
        else if (bit & MASK_LVL_A) {
            Put(&o, 0, 14000000);
            Put(&o, 1, 590000);
            Put(&o, 2, 12000000);
        }
        break;
    case 21: return grade == 0 || grade == 1;
    default: return 0;
    }
    double *const ptr[4] = {e0_mean, g_mean, e0_05, g_05};
    Write_Out(&o, ptr, 4);
    return 1;
}

/* ---- strengths */

/* Particle board strengths of EN 12369-1 Table 3 (N/mm2) by grade P4..P7 and band. */
static const double Sp_fm[4][6] = {{14.2, 12.5, 10.8, 9.2, 7.5, 5.8},
                                   {15.0, 13.3, 11.7, 10.0, 8.3, 7.5},
                                   {16.5, 15.0, 13.3, 12.5, 11.7, 10.0},
                                   {18.3, 16.7, 15.4, 14.2, 13.3, 12.5}};
static const double Sp_ft[4][6] = {{8.9, 7.9, 6.9, 6.1, 5.0, 4.4},
                                   {9.4, 8.5, 7.4, 6.6, 5.6, 5.6},
                                   {10.5, 9.5, 8.5, 8.3, 7.8, 7.5},
                                   {11.5, 10.6, 9.8, 9.4, 9.0, 8.0}};
static const double Sp_fc[4][6] = {{12.0, 11.1, 9.6, 9.0, 7.6, 6.1},
                                   {12.7, 11.8, 10.3, 9.8, 8.5, 7.8},
                                   {14.1, 13.3, 12.8, 12.2, 11.9, 10.4},
                                   {15.5, 14.7, 13.7, 13.5, 13.2, 13.0}};
static const double Sp_fv[4][6] = {/* panel shear */
                                   {6.6, 6.1, 5.5, 4.8, 4.4, 4.2},
                                   {7.0, 6.5, 5.9, 5.2, 4.8, 4.4},
                                   {7.8, 7.3, 6.8, 6.5, 6.0, 5.5},
                                   {8.6, 8.1, 7.9, 7.4, 7.2, 7.0}};
static const double Sp_fr[4][6] = {/* planar shear */
                                   {1.8, 1.6, 1.2, 1.0, 1.0, 0.8},
                                   {1.9, 1.7, 1.5, 1.3, 1.2, 1.0},
                                   {1.9, 1.7, 1.7, 1.7, 1.7, 1.7},
                                   {2.4, 2.2, 2.0, 1.9, 1.9, 1.8}};

int32_t Get_Spanplatte_Values(int32_t grade, int32_t kind, double *f_m, double t, double *f_t,
                              double *f_c, double *f_v, double *f_c90)
{
    if (grade < 0 || grade > 3) return 0;
    /* compression perpendicular to the plane: 10, 8, 6 N/mm2 for thin, middle, thick boards */
    const double fc90 = t <= 20.0 ? 10000.0 : t <= 32.0 ? 8000.0 : 6000.0;
    if (f_c90) *f_c90 = fc90;
    const int band = Spanplatte_Band(t);
    if (band < 0 || kind < 0 || kind > 9) return 1;
    const unsigned bit = KIND(kind);
    if (bit & MASK_PLATTE) {
        if (f_m) *f_m = Sp_fm[grade][band] * 1000;
        if (f_t) *f_t = Sp_ft[grade][band] * 1000;
        if (f_c) *f_c = Sp_fc[grade][band] * 1000;
        if (f_v) *f_v = Sp_fr[grade][band] * 1000;
    } else if (bit & MASK_SCHEIBE) {
        if (f_m) *f_m = Sp_ft[grade][band] * 1000;
        if (f_t) *f_t = Sp_ft[grade][band] * 1000;
        if (f_c) *f_c = Sp_fc[grade][band] * 1000;
        if (f_v) *f_v = Sp_fv[grade][band] * 1000;
    }
    return 1;
}

/* OSB strengths of EN 12369-1 Table 2 (N/mm2), OSB/2-3 and OSB/4, bands >6-10, >10-18, >18-25. */
static const double Osb_fm0[2][3] = {{18.0, 16.4, 14.8}, {24.5, 23.0, 21.0}};
static const double Osb_fm90[2][3] = {{9.0, 8.2, 7.4}, {13.0, 12.2, 11.4}};
static const double Osb_ft0[2][3] = {{9.9, 9.4, 9.0}, {11.9, 11.4, 10.9}};
static const double Osb_ft90[2][3] = {{7.2, 7.0, 6.8}, {8.5, 8.2, 8.0}};
static const double Osb_fc0[2][3] = {{15.9, 15.4, 14.8}, {18.1, 17.6, 17.0}};
static const double Osb_fc90[2][3] = {{12.9, 12.7, 12.4}, {14.3, 14.0, 13.7}};

/* Plywood (fm, ft, fc, fc90, fv) by kind class and grade, N/mm2. */
static const double Plywood_Str[4][6][5] = {
    // clang-format off
  {{20, 15, 9, 4, 0.9}, {20, 13, 8, 4, 1.0}, {25, 18, 18, 6.5, 1.1}, {40, 29, 21, 9, 2.2}, {50, 36, 36, 9, 2.2}, {60, 36, 36, 10, 2.5}},
  {{10, 7, 10, 4, 0.6}, {15, 7, 13, 4, 0.7}, {10, 9, 9, 6.5, 0.65}, {30, 31, 22, 9, 2.2}, {25, 24, 17, 10, 2.5}, {10, 24, 18, 10, 2.5}},
  {{9, 9, 15, 4, 3.5}, {8, 8, 13, 4, 4.0}, {22, 18, 18, 4, 8.0}, {29, 29, 21, 9, 9.5}, {36, 36, 36, 9, 9.5}, {36, 36, 26, 10, 11.0}},
  {{7, 7, 10, 4, 3.5}, {7, 7, 13, 4, 4.0}, {14, 9, 9, 4, 8.0}, {31, 31, 22, 9, 9.5}, {24, 24, 17, 4, 11.0}, {24, 24, 18, 10, 11.0}},
    // clang-format on
};

/* Plasterboard (DIN 18180 boards, DIN 1052 values) by kind class and band 12.5, 15, 18 mm:
** fm, ft, fc, fv in N/mm2. */
static const double Gk_Str[4][3][4] = {
    // clang-format off
  {{6.5, 1.7, 5.5, 1.0}, {5.4, 1.4, 4.8, 1.0}, {4.2, 1.1, 4.2, 1.0}},  /* 0, 9: plate, parallel */
  {{2.0, 0.7, 5.5, 1.0}, {1.8, 0.6, 4.8, 1.0}, {1.6, 0.5, 4.2, 1.0}},  /* 1, 4: plate, perpendicular */
  {{1.7, 1.7, 5.5, 1.0}, {1.4, 1.4, 4.8, 1.0}, {1.1, 1.1, 4.2, 1.0}},  /* 2, 8: in plane, parallel */
  {{0.7, 0.7, 5.5, 1.0}, {0.6, 0.6, 4.8, 1.0}, {0.5, 0.5, 4.2, 1.0}},  /* 3, 5: in plane, perpendicular */
    // clang-format on
};

/* LVL -11 and 19 (fm, ft, fc, fc90, fv) by grade, N/mm2. */
static const double Lvl_A[3][5] = {
    {44, 36, 40, 7.5, 4.6}, {30, 21, 26, 9, 4.6}, {32, 21, 30, 9, 4.6}};
static const double Lvl_B[3][5] = {
    {50, 36, 40, 3.6, 2.6}, {32, 21, 26, 4.0, 1.1}, {36, 21, 30, 4.0, 1.1}};

/* Order of the value slots. */
enum { S_FM = 0, S_FT = 1, S_FC = 2, S_FV = 3, S_FC90 = 4, S_KH = 5 };

static void Put_Str(Mat_Out *o, double fm, double ft, double fc, double fc90, double fv)
{
    Put(o, S_FM, fm * 1000);
    Put(o, S_FT, ft * 1000);
    Put(o, S_FC, fc * 1000);
    Put(o, S_FC90, fc90 * 1000);
    Put(o, S_FV, fv * 1000);
}

/* Solid timber and glulam (groups 0, 1, 2, 3, 13). */
static int32_t Timber_Strengths(Mat_Out *o, Mat_Group_Code group, int32_t grade, int32_t kind,
                                double width, double depth, int want_kh)
{
    const Timber_Grade *g = Get_Timber_Grade(group, grade);
    if (!g) return 0;
    Put(o, S_FM, g->f_m_k * 1000);
    Put(o, S_FV, (group == 2 || group == 3 ? Glulam_Fv_K(group, grade) : g->f_v_k) * 1000);
    Put(o, S_FC90, g->f_c90_k * 1000);
    if (kind == 6 || kind == 8) {
        Put(o, S_FT, g->f_t0_k * 1000);
        Put(o, S_FC, g->f_c0_k * 1000);
    }
    if (kind == 7 || kind == 9) {
        Put(o, S_FT, g->f_t90_k * 1000);
        Put(o, S_FC, g->f_c90_k * 1000);
    }
    if (!want_kh) return 1;
    const double h = fmax(width, depth);
    double kh = 0.0;
    if (group == 2 || group == 3) {
        /* EN 1995-1-1 (3.2); DIN 1052 takes the exponent 0.14 */
        if (h > 0.0 && h < 600.0) kh = fmin(pow(600.0 / h, Nad_Params ? 0.1 : 0.14), 1.1);
    } else if (Nad_Params && h > 0.0 && h <= 150.0) {
        kh = fmin(pow(150.0 / h, 0.2), 1.3); /* EN 1995-1-1 (3.1) */
    }
    if (kh > 0.0) {
        Put(o, S_KH, kh);
        o->v[S_FM] *= kh;
        if (o->have & (1u << S_FT)) o->v[S_FT] *= kh;
    }
    return 1;
}

int32_t Get_Mat_Strengths(Mat_Group_Code group, int32_t grade, int32_t use, int32_t kind,
                          double width, double depth, double *f_m_k, double *f_t_k, double *f_c_k,
                          double *f_v_k, double *f_c90_k, double *k_h)
{
    Mat_Out o = {};
    const unsigned bit = (kind >= 0 && kind <= 9) ? KIND(kind) : 0u;
    const double t = depth;
    switch (group) {
    case 0:
    case 1:
    case 2:
    case 3:
    case 13:
        if (!Timber_Strengths(&o, group, grade, kind, width, depth, k_h != nullptr)) return 0;
        break;
    case 4: {
        if (grade < 0 || grade > 2) return 0;
        const int b = grade == 2, band = (t > 6 && t <= 10)    ? 0
                                         : (t > 10 && t <= 18) ? 1
                                         : (t > 18 && t <= 25) ? 2
                                                               : -1;
        if (band < 0 || !bit) break;
        const double fv_panel = b ? 6.9 : 6.8, fv_planar = b ? 1.1 : 1.0;
        if (bit & MASK_OSB_M0)
            Put_Str(&o, Osb_fm0[b][band], Osb_ft0[b][band], Osb_fc0[b][band], 10, fv_planar);
        else if (bit & MASK_OSB_M90)
            Put_Str(&o, Osb_fm90[b][band], Osb_ft90[b][band], Osb_fc90[b][band], 10, fv_planar);
        else if (bit & MASK_OSB_S0)
            Put_Str(&o, Osb_ft0[b][band], Osb_ft0[b][band], Osb_fc0[b][band], 10, fv_panel);
        else if (bit & MASK_OSB_S90)
            Put_Str(&o, Osb_ft90[b][band], Osb_ft90[b][band], Osb_fc90[b][band], 10, fv_panel);
        break;
    }
    case 5: {
        if (grade < 0 || grade > 2) return 0;
        const int band = (t >= 12 && t <= 13)      ? 0
                         : (t > 14.5 && t <= 15.5) ? 1
                         : (t > 17.5 && t <= 18.5) ? 2
                                                   : -1;
        if (band < 0 || !bit) break;
        const int row = (bit & (KIND(0) | KIND(9)))   ? 0
                        : (bit & (KIND(1) | KIND(4))) ? 1
                        : (bit & (KIND(2) | KIND(8))) ? 2
                        : (bit & (KIND(3) | KIND(5))) ? 3
                                                      : -1;
        if (row < 0) break;
        const double *v = Gk_Str[row][band];
        Put_Str(&o, v[0], v[1], v[2], grade == 0 ? 3.5 : 5.5, v[3]);
        break;
    }
    case 6: {
        if (grade < 0 || grade > 5) return 0;
        const int row = (bit & MASK_OSB_M0)    ? 0
                        : (bit & MASK_OSB_M90) ? 1
                        : (bit & MASK_OSB_S0)  ? 2
                        : (bit & MASK_OSB_S90) ? 3
                                               : -1;
        if (row < 0) break;
        const double *v = Plywood_Str[row][grade];
        Put_Str(&o, v[0], v[1], v[2], v[3], v[4]);
        break;
    }
    case 7: {
        if (grade < 0 || grade > 3) return 0;
        double fm, ft, fc, fv, fc90;
        const int band = Spanplatte_Band(t);
        Get_Spanplatte_Values(grade, kind, &fm, t, &ft, &fc, &fv, &fc90);
        if (band < 0 || !(bit & (MASK_PLATTE | MASK_SCHEIBE))) break;
        Put(&o, S_FM, fm);
        Put(&o, S_FT, ft);
        Put(&o, S_FC, fc);
        Put(&o, S_FV, fv);
        Put(&o, S_FC90, fc90);
        break;
    }
    case 8: {
        if (grade < 0 || grade > 1) return 0;
        if (grade == 0) {
            const int thin = t > 3.5 && t <= 5.5;
            if (bit & MASK_PLATTE)
                Put_Str(&o, thin ? 35 : 32, thin ? 26 : 23, thin ? 27 : 24, 12, thin ? 3.0 : 2.5);
            else if (bit & MASK_SCHEIBE)
                Put_Str(&o, thin ? 26 : 23, thin ? 26 : 23, thin ? 27 : 24, 12, thin ? 18 : 16);
        } else {
            const int thin = t <= 10.0;
            if (bit & MASK_PLATTE)
                Put_Str(&o, thin ? 17 : 15, thin ? 9 : 8, thin ? 9 : 8, 8, thin ? 0.3 : 3.25);
            else if (bit & MASK_SCHEIBE)
                Put_Str(&o, thin ? 9 : 8, thin ? 9 : 8, thin ? 9 : 8, 8, thin ? 5.5 : 4.5);
        }
        break;
    }
    case 9: {
        static const double fm_p[5] = {4.6, 4.3, 4.0, 3.6, 3.0},
                            fv_p[5] = {1.9, 1.8, 1.7, 1.6, 1.4};
        static const double s[5][4] = {{4.3, 2.5, 8.5, 3.7},
                                       {4.2, 2.4, 8.5, 3.6},
                                       {4.1, 2.4, 8.5, 3.5},
                                       {4.0, 2.3, 8.5, 3.4},
                                       {3.8, 2.1, 8.5, 3.2}};
        if (grade < 0 || grade > 4) return 0;
        if (bit & MASK_PLATTE) Put4(&o, fm_p[grade] * 1000, 0.0, 0.0, fv_p[grade] * 1000);
        else if (bit & MASK_SCHEIBE)
            Put4(&o, s[grade][0] * 1000, s[grade][1] * 1000, s[grade][2] * 1000,
                 s[grade][3] * 1000);
        break;
    }
    case 10:
        if (grade != 0) return 0;
        Put(&o, S_FC90, 6000);
        if (bit & MASK_LVL_B) Put_Str(&o, 50, 35, 35, 2.2, 2.3);
        else if (bit & MASK_LVL_A) Put_Str(&o, 44, 35, 35, 6.0, 4.2);
        break;
    case 11: {
        if (grade < 0 || grade > 1) return 0;
        const double ftc = grade == 0 ? 19 : 26;
        Put(&o, S_FC90, 9000);
        if (bit & MASK_LVL_B) Put_Str(&o, grade == 0 ? 32 : 36, ftc, ftc, 2.2, 1.3);
        else if (bit & MASK_LVL_A) Put_Str(&o, grade == 0 ? 28 : 32, ftc, ftc, 9.0, 4.5);
        break;
    }
    case -11:
    case 19:
        if (grade < 0 || grade > 2) return 0;
        if (bit & MASK_LVL_A)
            Put_Str(&o, Lvl_A[grade][0], Lvl_A[grade][1], Lvl_A[grade][2], Lvl_A[grade][3],
                    Lvl_A[grade][4]);
        else if (bit & MASK_LVL_B)
            Put_Str(&o, Lvl_B[grade][0], Lvl_B[grade][1], Lvl_B[grade][2], Lvl_B[grade][3],
                    Lvl_B[grade][4]);
        else if (kind == 6)
            Put_Str(&o, Lvl_A[grade][0], grade == 2 ? 22 : Lvl_A[grade][1], Lvl_A[grade][2],
                    Lvl_A[grade][3], Lvl_A[grade][4]);
        break;
    case 20:
        if (grade != 0) return 0;
        Put(&o, S_FC90, 6000);
        if (bit & MASK_LVL_B) Put_Str(&o, 50, 31, 40, 7.3, 2.6);
        else if (bit & MASK_LVL_A) Put_Str(&o, 44, 31, 40, 7.3, 4.6);
        break;
    case 17: {
        const Timber_Grade *g = Get_Timber_Grade(17, grade);
        if (!g) return 0;
        const double fc0 = use == 1 ? 59400.0 : 49500.0;
        Put(&o, S_FM, g->f_m_k * 1000);
        Put(&o, S_FV, g->f_v_k * 1000);
        Put(&o, S_FC90, use == 1 ? 14800.0 : 12300.0);
        if (kind == 6 || kind == 8) {
            Put(&o, S_FT, g->f_t0_k * 1000);
            Put(&o, S_FC, fc0);
        }
        if (kind == 7 || kind == 9) {
            Put(&o, S_FT, g->f_t90_k * 1000);
            Put(&o, S_FC, fmin(0.892 + 0.0009 * fmax(width, depth), 1.18) * fc0);
        }
        if (k_h) {
            const double h = depth;
            if (h > 1.0) {
                const double kh = fmin(pow(600.0 / h, 0.1), 1.2);
                if (o.have & (1u << S_FT)) o.v[S_FT] *= Calc_Kh_Max(width, depth);
                o.v[S_FV] *= fmin(pow(600.0 / h, 0.13), 1.2);
                o.v[S_FM] *= kh;
                Put(&o, S_KH, kh);
            } else {
                Put(&o, S_KH, 1.0);
            }
        }
        break;
    }
    case 18: {
        /* BauBuche panels: S edgewise/flatwise, Q cross-banded; use 1 raises the compression
      ** values by 1.2 as for the laminated beech 17. */
        if (grade < 0 || grade > 2) return 0;
        if (!(bit & (MASK_LVL_A | MASK_LVL_B | KIND(6) | KIND(7)))) break;
        const int a = (bit & (MASK_LVL_A | KIND(6))) != 0;
        const double f = use == 1 ? 1.2 : 1.0;
        if (grade < 2) Put_Str(&o, a ? 70 : 75, 60, 49.5 * f, 14.0 * f, a ? 8.0 : 3.8);
        else Put_Str(&o, a ? 45 : 50, 46, 40.0 * f, 40.0 * f, a ? 7.8 : 1.9);
        break;
    }
    default: return 0;
    }
    if (!bit) return 1; /* a stress kind outside 0..9: defined material, no values */
    double *const ptr[6] = {f_m_k, f_t_k, f_c_k, f_v_k, f_c90_k, k_h};
    Write_Out(&o, ptr, 6);
    return 1;
}

double Get_Mat_Value(Mat_Group_Code group, int32_t grade, int32_t use, int32_t direction)
{
    switch (group) {
    case 0:
    case 1:
    case 2:
    case 3:
    case 13: {
        const Timber_Grade *g = Get_Timber_Grade(group, grade);
        return g ? g->f_c90_k * 1000.0 : 0.0;
    }
    case 4: return (grade >= 0 && grade <= 2) ? 10000.0 : 0.0;
    case 6:
        if (grade < 0 || grade > 5) return 0.0;
        if (grade <= 2) return 4000.0;
        if (grade == 3 || (grade == 4 && direction == 0)) return 9000.0;
        return 10000.0;
    case 7: {
        double fc90 = 0.0;
        Get_Spanplatte_Values(grade, 0, nullptr, 0.0, nullptr, nullptr, nullptr, &fc90);
        return fc90;
    }
    case 8: return grade == 0 ? 12000.0 : grade == 1 ? 8000.0 : 0.0;
    case 9: {
        double fc = 0.0;
        Get_Mat_Strengths(/*group=*/9, /*grade=*/grade, /*use=*/use, /*stress_kind=*/4,
                          /*width_mm=*/0.0, /*depth_mm=*/0.0, /*f_m_k=*/nullptr, /*f_t_k=*/nullptr,
                          /*f_c_k=*/&fc, /*f_v_k=*/nullptr, /*f_c90_k=*/nullptr, /*k_h=*/nullptr);
        return fc;
    }
    case 10: return grade == 0 ? 6000.0 : 0.0;
    case 11: return (grade == 0 || grade == 1) ? 9000.0 : 0.0;
    case 17: return (grade == 0 || grade == 1) ? (use == 1 ? 14800.0 : 12300.0) : 0.0;
    case 18:
        if (grade == 2) return use == 1 ? 48000.0 : 40000.0;
        if (grade == 0 || grade == 1) return use == 1 ? 16800.0 : 14000.0;
        return 0.0;
    case 20: return grade == 0 ? 7300.0 : 0.0;
    case -11:
    case 19: {
        static const double fc0[3] = {40000, 26000, 30000}, fc90[3] = {7500, 9000, 9000};
        if (grade < 0 || grade > 2 || (group == -11 && grade != 0)) return 0.0;
        return direction == 1 ? fc0[grade] : fc90[grade];
    }
    default: return 0.0;
    }
}

int32_t Get_Lvl_Strengths(int32_t grade, int32_t kind, double h, double l, double a, double *f_m,
                          double *f_t, double *f_c, double *f_v, double *f_c90)
{
    if (grade != 0 || kind < 0 || kind > 9) return 0;
    const unsigned bit = KIND(kind);
    if (h <= 0.0) h = 300.0;
    if (l <= 0.0) l = 3000.0;
    const double ft = 36.0 * pow(3000.0 / fmax(l, 840.0), 0.075); /* tension, length effect */
    double fm = 44.0 * pow(300.0 / h, 0.15), fv = 4.6, fc90 = 7.5;
    if (bit & MASK_LVL_B) {
        const double hh = fmax(h, 300.0);
        const double m2 = 50.0 * pow(300.0 / hh, 0.15);
        const double r = 1.0 - a / hh;
        fm = r > 0.0 ? fmin(36.0 * pow(3000.0 / fmax(l, 840.0), 0.075) / r, m2) : m2;
        fv = fmin(2.45 * pow(300.0 / hh, 0.25), 2.6);
        fc90 = 3.6;
    }
    if (f_m) *f_m = fm * 1000.0;
    if (f_t) *f_t = ft * 1000.0;
    if (f_c) *f_c = 40000.0;
    if (f_v) *f_v = fv * 1000.0;
    if (f_c90) *f_c90 = fc90 * 1000.0;
    return 1;
}

double Get_Kcr(Mat_Group_Code group, int32_t grade, double width, double depth)
{
    if (!Nad_Params) return 1.0;
    if (Nad_Params->k_cr_rule == 1) { /* the fixed values of the annex block */
        return (group >= 0 && group <= 3) ? Nad_Params->k_cr_solid : Nad_Params->k_cr_other;
    }
    /* EN 1995-1-1 6.1.7 with the German annex: k_cr = 2.0/fv,k (softwood), 2.5/fv,k (glulam) */
    double fv = 0.0;
    switch (group) {
    case 1: return Nad_Params->k_cr_solid;
    case 0:
    case 2:
    case 3:
        Get_Mat_Strengths(/*group=*/group, /*grade=*/grade, /*use=*/2, /*stress_kind=*/6,
                          /*width_mm=*/width, /*depth_mm=*/depth, /*f_m_k=*/nullptr,
                          /*f_t_k=*/nullptr, /*f_c_k=*/nullptr, /*f_v_k=*/&fv, /*f_c90_k=*/nullptr,
                          /*k_h=*/nullptr);
        if (fv <= 0.0) return Nad_Params->k_cr_solid;
        return (group == 0 ? 2.0 : 2.5) / (fv / 1000.0);
    default: return Nad_Params->k_cr_other;
    }
}
