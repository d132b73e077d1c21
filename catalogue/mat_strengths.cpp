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

/* ---- what a getter is asked */

/* One question to the value getters of a material group. */
typedef struct Mat_Query {
    Mat_Group_Code group;
    int32_t grade;
    int32_t use;  /* laminated beech: 1 raises the compression values */
    int32_t kind; /* stress kind 0..9 */
    unsigned bit; /* KIND(kind), 0 for a kind outside 0..9 */
    double width; /* mm */
    double depth; /* mm; the thickness of a panel */
    int want_kh;  /* the depth factor k_h is asked for */
} Mat_Query;

/* A getter of one group: puts the values it knows into o. Return 0 for a grade the group does
** not have, else 1. */
typedef int Mat_Getter(Mat_Out *o, const Mat_Query *q);

/* Row of the panel tables by stress kind: 0 bending parallel, 1 bending perpendicular, 2 in
** plane parallel (kinds 2 and 5), 3 in plane perpendicular; -1 for the other kinds. */
static int Panel_Stiffness_Row(int32_t kind)
{
    switch (kind) {
    case 0: return 0;
    case 1: return 1;
    case 2:
    case 5: return 2;
    case 3: return 3;
    default: return -1;
    }
}

/* ---- stiffness */

/* Solid timber, glulam, LVL of the timber tables and laminated beech: E0,mean and Gmean of the
** grade; E0,05 = 2/3 E0,mean for softwood and LVL, else 5/6; G05 = 5/6 Gmean for glulam, else
** 2/3. */
static int Timber_Stiffness(Mat_Out *o, const Mat_Query *q)
{
    const Timber_Grade *g = Get_Timber_Grade(q->group, q->grade);
    if (!g) return 0;
    const double E = g->E0_mean * 1000.0, G = g->G_mean * 1000.0;
    const bool softwood = q->group == MAT_NADELHOLZ || q->group == MAT_FURNIERSCHICHTHOLZ;
    const bool glulam = q->group == MAT_BSH_EC || q->group == MAT_BSH_DIN;
    const double fe = softwood ? 2.0 / 3.0 : 5.0 / 6.0;
    const double fg = glulam ? 5.0 / 6.0 : 2.0 / 3.0;
    Put4(o, E, G, fe * E, fg * G);
    return 1;
}

/* OSB moduli of EN 12369-1 Table 1 (N/mm2), {E, G} of OSB/2-3 and of OSB/4 by panel row. */
static const double Osb_Stiff[4][2][2] = {
    // clang-format off
    /*              OSB/2, OSB/3    OSB/4 */
    /* 0 */ {{4930,   50}, {6780,   60}},
    /* 1 */ {{1980,   50}, {2680,   60}},
    /* 2 */ {{3800, 1080}, {4300, 1090}},
    /* 3 */ {{3000, 1080}, {3200, 1090}},
    // clang-format on
};

/* OSB (grades OSB/2, OSB/3, OSB/4): E0,05 = 0.85 E0,mean. */
static int Osb_Stiffness(Mat_Out *o, const Mat_Query *q)
{
    if (q->grade < 0 || q->grade > 2) return 0;
    const int row = Panel_Stiffness_Row(q->kind);
    if (row < 0) return 1;
    const double *v = Osb_Stiff[row][q->grade == 2];
    Put(o, 0, v[0] * 1000);
    Put(o, 1, v[1] * 1000);
    Put(o, 2, 0.85 * v[0] * 1000);
    return 1;
}

/* Steico GLVL (values in kN/m2): edgewise, flatwise, and the two kinds across the panel. */
static int Steico_Glvl_Stiffness(Mat_Out *o, const Mat_Query *q)
{
    if (q->grade != 0) return 0;
    if (q->bit & (KIND(0) | KIND(2) | KIND(5) | KIND(8)))
        Put4(o, 14000000, 600000, 12000000, 400000);
    else if (q->bit & (KIND(1) | KIND(3) | KIND(7) | KIND(9)))
        Put4(o, 430000, 600000, 12000000, 400000);
    else if (q->bit & (KIND(4) | KIND(6))) Put4(o, 14000000, 560000, 12000000, 560000 * 2.0 / 3.0);
    return 1;
}

/* Plasterboard: E0,mean (N/mm2) by stress kind 0..3, kind 5 as 3; G 700; E0,05 = 0.9 E0,mean. */
static int Plasterboard_Stiffness(Mat_Out *o, const Mat_Query *q)
{
    static const double E_by_kind[6] = {2800, 2200, 1200, 1000, 0, 1000};
    if (q->grade < 0 || q->grade > 2) return 0;
    const double E = (q->kind >= 0 && q->kind <= 5) ? E_by_kind[q->kind] : 0.0;
    if (E > 0) {
        Put(o, 0, E * 1000);
        Put(o, 1, 700000);
        Put(o, 2, 0.9 * E * 1000);
    }
    return 1;
}

/* Plywood (E0,mean, Gmean, E0,05) by panel row and grade. */
static const double Plywood_Stiff[4][6][3] = {
    // clang-format off
  {{4000, 35, 3200}, {3000, 35, 2400}, {5500, 25, 4400}, {6000, 150, 4800}, {7000, 150, 5600}, {9000, 200, 7200}},
  {{2000, 25, 1600}, {2500, 25, 2000}, {1500, 25, 1200}, {4000, 150, 3200}, {2500, 200, 2000}, {1000, 200, 800}},
  {{4000, 350, 3200}, {4000, 350, 3200}, {4500, 500, 3600}, {4400, 600, 3520}, {5500, 600, 4400}, {5500, 700, 4400}},
  {{3000, 350, 2400}, {3000, 350, 2400}, {2500, 500, 2000}, {4700, 600, 3760}, {3650, 700, 2920}, {3700, 700, 2960}},
    // clang-format on
};

static int Plywood_Stiffness(Mat_Out *o, const Mat_Query *q)
{
    if (q->grade < 0 || q->grade > 5) return 0;
    const int row = Panel_Stiffness_Row(q->kind);
    if (row < 0) return 1;
    const double *v = Plywood_Stiff[row][q->grade];
    Put(o, 0, v[0] * 1000);
    Put(o, 1, v[1] * 1000);
    Put(o, 2, v[2] * 1000);
    return 1;
}

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

/* Particle board, EN 12369-1 Table 3: out of plane (kind 4) E_m, G 200 up to 25 mm, else 100,
** E0,05 = 0.8 E_m; in plane (kind 5) E_t and G_v. */
static int Particle_Board_Stiffness(Mat_Out *o, const Mat_Query *q)
{
    if (q->grade < 0 || q->grade > 3) return 0;
    const int band = Spanplatte_Band(q->depth);
    if (band < 0) return 1;
    if (q->kind == 4) {
        const double E = Spanplatte_Em[q->grade][band];
        Put(o, 0, E * 1000);
        Put(o, 1, band < 3 ? 200000 : 100000);
        Put(o, 2, 0.8 * E * 1000);
    } else if (q->kind == 5) {
        Put(o, 0, Spanplatte_Et[q->grade][band] * 1000);
        Put(o, 1, Spanplatte_Gv[q->grade][band] * 1000);
    }
    return 1;
}

/* 1 for the thinner band of a fibreboard: hard board (grade 0) over 3.5 up to 5.5 mm, medium
** board (grade 1) up to 10 mm. */
static int Fibreboard_Thin(int32_t grade, double t)
{
    return grade == 0 ? (t > 3.5 && t <= 5.5) : t <= 10.0;
}

/* Fibreboard, EN 12369-1 Table 5, kinds 4 and 5: E0,05 = 0.8 E0,mean. */
static int Fibreboard_Stiffness(Mat_Out *o, const Mat_Query *q)
{
    if (q->grade < 0 || q->grade > 1) return 0;
    if (q->kind != 4 && q->kind != 5) return 1;
    const int thin = Fibreboard_Thin(q->grade, q->depth);
    const double E = q->grade == 0 ? (thin ? 4800 : 4600) : (thin ? 3100 : 2900);
    const double G = q->grade == 0 ? 200 : 100;
    Put(o, 0, E * 1000);
    Put(o, 1, G * 1000);
    Put(o, 2, 0.8 * E * 1000);
    return 1;
}

/* Gypsum fibre board, kinds 4 and 5; no E0,05. */
static int Gypsum_Fibre_Stiffness(Mat_Out *o, const Mat_Query *q)
{
    if (q->grade < 0 || q->grade > 4) return 0;
    if (q->kind == 4 || q->kind == 5) {
        Put(o, 0, 3800000);
        Put(o, 1, 1600000);
        Put(o, 2, 0.0);
    }
    return 1;
}

/* Kerto-S: edgewise G 600, flatwise 380 (kN/m2 times 1000); G05 = 2/3 G flatwise. */
static int Kerto_S_Stiffness(Mat_Out *o, const Mat_Query *q)
{
    if (q->grade != 0) return 0;
    if (q->bit & MASK_LVL_A) Put4(o, 13800000, 600000, 11600000, 400000);
    else if (q->bit & MASK_LVL_B) Put4(o, 13800000, 380000, 11600000, 380000 * 2.0 / 3.0);
    return 1;
}

/* Kerto-Q, two grades. */
static int Kerto_Q_Stiffness(Mat_Out *o, const Mat_Query *q)
{
    if (q->grade < 0 || q->grade > 1) return 0;
    const double E = q->grade == 0 ? 10000000 : 10500000;
    const double E05 = q->grade == 0 ? 8300000 : 8800000;
    if (q->bit & MASK_LVL_A) Put4(o, E, 600000, E05, 400000);
    else if (q->bit & MASK_LVL_B) Put4(o, E, 380000, E05, 380000 * 2.0 / 3.0);
    return 1;
}

/* 1 when the stress kind is an LVL kind; *edgewise is set for the edgewise ones (and kind 6). */
static int Lvl_Kind(const Mat_Query *q, int *edgewise)
{
    *edgewise = (q->bit & (MASK_LVL_A | KIND(6))) != 0;
    return (q->bit & (MASK_LVL_A | MASK_LVL_B | KIND(6) | KIND(7))) != 0;
}

/* Beech panel: S edgewise G 760, flatwise 850; Q cross-banded (grade 2). E0,05 = 5/6 E0,mean,
** G05 = 2/3 Gmean. */
static int Beech_Panel_Stiffness(Mat_Out *o, const Mat_Query *q)
{
    if (q->grade < 0 || q->grade > 2) return 0;
    int a = 0;
    if (!Lvl_Kind(q, &a)) return 1;
    double E, G;
    if (q->grade < 2) {
        E = 16800;
        G = a ? 760 : 850;
    } else {
        E = a ? 12800 : 10900;
        G = a ? 820 : 430;
    }
    Put4(o, E * 1000, G * 1000, E * 1000 * 5.0 / 6.0, G * 1000 * 2.0 / 3.0);
    return 1;
}

/* Steico LVL R (grade 0) and X: G05 = 2/3 Gmean. */
static int Steico_Lvl_Stiffness(Mat_Out *o, const Mat_Query *q)
{
    if (q->grade < 0 || q->grade > 2) return 0;
    int a = 0;
    if (!Lvl_Kind(q, &a)) return 1;
    const double E = q->grade == 0 ? 14000 : 10500, E05 = q->grade == 0 ? 12000 : 8800;
    const double G = a ? 600 : 430;
    Put4(o, E * 1000, G * 1000, E05 * 1000, G * 1000 * 2.0 / 3.0);
    return 1;
}

/* Spruce LVL S: flatwise all four values, edgewise no G05. */
static int Spruce_Lvl_S_Stiffness(Mat_Out *o, const Mat_Query *q)
{
    if (q->grade != 0) return 0;
    if (q->bit & MASK_LVL_B) Put4(o, 14000000, 570000, 12000000, 380000);
    else if (q->bit & MASK_LVL_A) {
        Put(o, 0, 14000000);
        Put(o, 1, 590000);
        Put(o, 2, 12000000);
    }
    return 1;
}

/* Glued LVL of beech: two grades, no values here. */
static int Beech_Glvl_Stiffness(Mat_Out *, const Mat_Query *q)
{
    return q->grade == 0 || q->grade == 1;
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

/* The five strengths of a table row {fm, ft, fc, fc90, fv} in N/mm2. */
static void Put_Str_Row(Mat_Out *o, const double *v) { Put_Str(o, v[0], v[1], v[2], v[3], v[4]); }

/* Solid timber and glulam (groups 0, 1, 2, 3, 13): the grade's values; tension and compression
** along the grain for kinds 6 and 8, across it for 7 and 9; bending and tension times k_h when
** it is asked for. */
static int Timber_Strengths(Mat_Out *o, const Mat_Query *q)
{
    const Mat_Group_Code group = q->group;
    const Timber_Grade *g = Get_Timber_Grade(group, q->grade);
    if (!g) return 0;
    const bool glulam = group == MAT_BSH_EC || group == MAT_BSH_DIN;
    Put(o, S_FM, g->f_m_k * 1000);
    Put(o, S_FV, (glulam ? Glulam_Fv_K(group, q->grade) : g->f_v_k) * 1000);
    Put(o, S_FC90, g->f_c90_k * 1000);
    if (q->kind == 6 || q->kind == 8) {
        Put(o, S_FT, g->f_t0_k * 1000);
        Put(o, S_FC, g->f_c0_k * 1000);
    }
    if (q->kind == 7 || q->kind == 9) {
        Put(o, S_FT, g->f_t90_k * 1000);
        Put(o, S_FC, g->f_c90_k * 1000);
    }
    if (!q->want_kh) return 1;
    const double h = fmax(q->width, q->depth);
    double kh = 0.0;
    if (glulam) {
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

/* OSB strengths of EN 12369-1 Table 2 (N/mm2), OSB/2-3 and OSB/4, bands >6-10, >10-18, >18-25. */
static const double Osb_fm0[2][3] = {{18.0, 16.4, 14.8}, {24.5, 23.0, 21.0}};
static const double Osb_fm90[2][3] = {{9.0, 8.2, 7.4}, {13.0, 12.2, 11.4}};
static const double Osb_ft0[2][3] = {{9.9, 9.4, 9.0}, {11.9, 11.4, 10.9}};
static const double Osb_ft90[2][3] = {{7.2, 7.0, 6.8}, {8.5, 8.2, 8.0}};
static const double Osb_fc0[2][3] = {{15.9, 15.4, 14.8}, {18.1, 17.6, 17.0}};
static const double Osb_fc90[2][3] = {{12.9, 12.7, 12.4}, {14.3, 14.0, 13.7}};

/* OSB: out of plane with the planar shear strength, in plane (bending as tension) with the panel
** shear strength; f_c,90 10 N/mm2. */
static int Osb_Strengths(Mat_Out *o, const Mat_Query *q)
{
    if (q->grade < 0 || q->grade > 2) return 0;
    const double t = q->depth;
    const int b = q->grade == 2, band = (t > 6 && t <= 10)    ? 0
                                        : (t > 10 && t <= 18) ? 1
                                        : (t > 18 && t <= 25) ? 2
                                                              : -1;
    if (band < 0 || !q->bit) return 1;
    const double fv_panel = b ? 6.9 : 6.8, fv_planar = b ? 1.1 : 1.0;
    if (q->bit & MASK_OSB_M0)
        Put_Str(o, Osb_fm0[b][band], Osb_ft0[b][band], Osb_fc0[b][band], 10, fv_planar);
    else if (q->bit & MASK_OSB_M90)
        Put_Str(o, Osb_fm90[b][band], Osb_ft90[b][band], Osb_fc90[b][band], 10, fv_planar);
    else if (q->bit & MASK_OSB_S0)
        Put_Str(o, Osb_ft0[b][band], Osb_ft0[b][band], Osb_fc0[b][band], 10, fv_panel);
    else if (q->bit & MASK_OSB_S90)
        Put_Str(o, Osb_ft90[b][band], Osb_ft90[b][band], Osb_fc90[b][band], 10, fv_panel);
    return 1;
}

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

/* Plasterboard: f_c,90 3.5 N/mm2 for grade 0, else 5.5. */
static int Plasterboard_Strengths(Mat_Out *o, const Mat_Query *q)
{
    if (q->grade < 0 || q->grade > 2) return 0;
    const double t = q->depth;
    const int band = (t >= 12 && t <= 13)      ? 0
                     : (t > 14.5 && t <= 15.5) ? 1
                     : (t > 17.5 && t <= 18.5) ? 2
                                               : -1;
    if (band < 0 || !q->bit) return 1;
    const unsigned bit = q->bit;
    const int row = (bit & (KIND(0) | KIND(9)))   ? 0
                    : (bit & (KIND(1) | KIND(4))) ? 1
                    : (bit & (KIND(2) | KIND(8))) ? 2
                    : (bit & (KIND(3) | KIND(5))) ? 3
                                                  : -1;
    if (row < 0) return 1;
    const double *v = Gk_Str[row][band];
    Put_Str(o, v[0], v[1], v[2], q->grade == 0 ? 3.5 : 5.5, v[3]);
    return 1;
}

/* Plywood (fm, ft, fc, fc90, fv) by kind class and grade, N/mm2. */
static const double Plywood_Str[4][6][5] = {
    // clang-format off
  {{20, 15, 9, 4, 0.9}, {20, 13, 8, 4, 1.0}, {25, 18, 18, 6.5, 1.1}, {40, 29, 21, 9, 2.2}, {50, 36, 36, 9, 2.2}, {60, 36, 36, 10, 2.5}},
  {{10, 7, 10, 4, 0.6}, {15, 7, 13, 4, 0.7}, {10, 9, 9, 6.5, 0.65}, {30, 31, 22, 9, 2.2}, {25, 24, 17, 10, 2.5}, {10, 24, 18, 10, 2.5}},
  {{9, 9, 15, 4, 3.5}, {8, 8, 13, 4, 4.0}, {22, 18, 18, 4, 8.0}, {29, 29, 21, 9, 9.5}, {36, 36, 36, 9, 9.5}, {36, 36, 26, 10, 11.0}},
  {{7, 7, 10, 4, 3.5}, {7, 7, 13, 4, 4.0}, {14, 9, 9, 4, 8.0}, {31, 31, 22, 9, 9.5}, {24, 24, 17, 4, 11.0}, {24, 24, 18, 10, 11.0}},
    // clang-format on
};

/* Plywood: rows as OSB's kind classes. */
static int Plywood_Strengths(Mat_Out *o, const Mat_Query *q)
{
    if (q->grade < 0 || q->grade > 5) return 0;
    const unsigned bit = q->bit;
    const int row = (bit & MASK_OSB_M0)    ? 0
                    : (bit & MASK_OSB_M90) ? 1
                    : (bit & MASK_OSB_S0)  ? 2
                    : (bit & MASK_OSB_S90) ? 3
                                           : -1;
    if (row >= 0) Put_Str_Row(o, Plywood_Str[row][q->grade]);
    return 1;
}

/* Particle board: the values of Get_Spanplatte_Values for the panel kinds. */
static int Particle_Board_Strengths(Mat_Out *o, const Mat_Query *q)
{
    if (q->grade < 0 || q->grade > 3) return 0;
    /* a kind outside the panel kinds leaves values unset: they read as zero strength */
    double fm = 0.0, ft = 0.0, fc = 0.0, fv = 0.0, fc90 = 0.0;
    const double t = q->depth;
    const int band = Spanplatte_Band(t);
    Get_Spanplatte_Values(q->grade, q->kind, &fm, t, &ft, &fc, &fv, &fc90);
    if (band < 0 || !(q->bit & (MASK_PLATTE | MASK_SCHEIBE))) return 1;
    Put(o, S_FM, fm);
    Put(o, S_FT, ft);
    Put(o, S_FC, fc);
    Put(o, S_FV, fv);
    Put(o, S_FC90, fc90);
    return 1;
}

/* Fibreboard, EN 12369-1 Table 5 (fm, ft, fc, fc90, fv in N/mm2) by grade (hard board, medium
** board), thin or thick band (Fibreboard_Thin) and panel (out of plane) or in plane. */
static const double Fibre_Str[2][2][2][5] = {
    // clang-format off
    /* hard board      out of plane            in plane */
    /*   thin  */ {{{35, 26, 27, 12,  3.0}, {26, 26, 27, 12, 18}},
    /*   thick */  {{32, 23, 24, 12,  2.5}, {23, 23, 24, 12, 16}}},
    /* medium board */
    /*   thin  */ {{{17,  9,  9,  8,  0.3}, { 9,  9,  9,  8,  5.5}},
    /*   thick */  {{15,  8,  8,  8,  0.25}, { 8,  8,  8,  8,  4.5}}},
    // clang-format on
};

static int Fibreboard_Strengths(Mat_Out *o, const Mat_Query *q)
{
    if (q->grade < 0 || q->grade > 1) return 0;
    const int thick = !Fibreboard_Thin(q->grade, q->depth);
    if (q->bit & MASK_PLATTE) Put_Str_Row(o, Fibre_Str[q->grade][thick][0]);
    else if (q->bit & MASK_SCHEIBE) Put_Str_Row(o, Fibre_Str[q->grade][thick][1]);
    return 1;
}

/* Gypsum fibre board (fm, ft, fc, fv in N/mm2) by grade: out of plane bending and shear only. */
static const double Gypsum_Fibre_Plate[5][2] = {
    {4.6, 1.9}, {4.3, 1.8}, {4.0, 1.7}, {3.6, 1.6}, {3.0, 1.4}};
static const double Gypsum_Fibre_Plane[5][4] = {{4.3, 2.5, 8.5, 3.7},
                                                {4.2, 2.4, 8.5, 3.6},
                                                {4.1, 2.4, 8.5, 3.5},
                                                {4.0, 2.3, 8.5, 3.4},
                                                {3.8, 2.1, 8.5, 3.2}};

static int Gypsum_Fibre_Strengths(Mat_Out *o, const Mat_Query *q)
{
    if (q->grade < 0 || q->grade > 4) return 0;
    if (q->bit & MASK_PLATTE) {
        const double *v = Gypsum_Fibre_Plate[q->grade];
        Put4(o, v[0] * 1000, 0.0, 0.0, v[1] * 1000);
    } else if (q->bit & MASK_SCHEIBE) {
        const double *v = Gypsum_Fibre_Plane[q->grade];
        Put4(o, v[0] * 1000, v[1] * 1000, v[2] * 1000, v[3] * 1000);
    }
    return 1;
}

/* Kerto-S: f_c,90 6 N/mm2 unless the kind gives its own. */
static int Kerto_S_Strengths(Mat_Out *o, const Mat_Query *q)
{
    if (q->grade != 0) return 0;
    Put(o, S_FC90, 6000);
    if (q->bit & MASK_LVL_B) Put_Str(o, 50, 35, 35, 2.2, 2.3);
    else if (q->bit & MASK_LVL_A) Put_Str(o, 44, 35, 35, 6.0, 4.2);
    return 1;
}

/* Kerto-Q: f_c,90 9 N/mm2 unless the kind gives its own. */
static int Kerto_Q_Strengths(Mat_Out *o, const Mat_Query *q)
{
    if (q->grade < 0 || q->grade > 1) return 0;
    const int g = q->grade;
    const double ftc = g == 0 ? 19 : 26;
    Put(o, S_FC90, 9000);
    if (q->bit & MASK_LVL_B) Put_Str(o, g == 0 ? 32 : 36, ftc, ftc, 2.2, 1.3);
    else if (q->bit & MASK_LVL_A) Put_Str(o, g == 0 ? 28 : 32, ftc, ftc, 9.0, 4.5);
    return 1;
}

/* LVL -11 and 19 (fm, ft, fc, fc90, fv) by grade, N/mm2. */
static const double Lvl_A[3][5] = {
    {44, 36, 40, 7.5, 4.6}, {30, 21, 26, 9, 4.6}, {32, 21, 30, 9, 4.6}};
static const double Lvl_B[3][5] = {
    {50, 36, 40, 3.6, 2.6}, {32, 21, 26, 4.0, 1.1}, {36, 21, 30, 4.0, 1.1}};

/* Steico LVL and GLVL: edgewise, flatwise; kind 6 as edgewise with f_t 22 for grade 2. */
static int Steico_Lvl_Strengths(Mat_Out *o, const Mat_Query *q)
{
    const int g = q->grade;
    if (g < 0 || g > 2) return 0;
    if (q->bit & MASK_LVL_A) Put_Str_Row(o, Lvl_A[g]);
    else if (q->bit & MASK_LVL_B) Put_Str_Row(o, Lvl_B[g]);
    else if (q->kind == 6)
        Put_Str(o, Lvl_A[g][0], g == 2 ? 22 : Lvl_A[g][1], Lvl_A[g][2], Lvl_A[g][3], Lvl_A[g][4]);
    return 1;
}

/* Spruce LVL S: f_c,90 6 N/mm2 unless the kind gives its own. */
static int Spruce_Lvl_S_Strengths(Mat_Out *o, const Mat_Query *q)
{
    if (q->grade != 0) return 0;
    Put(o, S_FC90, 6000);
    if (q->bit & MASK_LVL_B) Put_Str(o, 50, 31, 40, 7.3, 2.6);
    else if (q->bit & MASK_LVL_A) Put_Str(o, 44, 31, 40, 7.3, 4.6);
    return 1;
}

/* Laminated beech: f_c,0 49.5 N/mm2 and f_c,90 12.3 (use 1: 59.4 and 14.8); across the grain
** f_c,0 times the volume factor of the larger section side; with k_h asked for, tension times
** k_h of the larger side, shear times (600 / h)^0.13 and bending times (600 / h)^0.1. */
static int Beech_Glulam_Strengths(Mat_Out *o, const Mat_Query *q)
{
    const Timber_Grade *g = Get_Timber_Grade(MAT_BAUBUCHE_GL75, q->grade);
    if (!g) return 0;
    const double fc0 = q->use == 1 ? 59400.0 : 49500.0;
    Put(o, S_FM, g->f_m_k * 1000);
    Put(o, S_FV, g->f_v_k * 1000);
    Put(o, S_FC90, q->use == 1 ? 14800.0 : 12300.0);
    if (q->kind == 6 || q->kind == 8) {
        Put(o, S_FT, g->f_t0_k * 1000);
        Put(o, S_FC, fc0);
    }
    if (q->kind == 7 || q->kind == 9) {
        Put(o, S_FT, g->f_t90_k * 1000);
        Put(o, S_FC, fmin(0.892 + 0.0009 * fmax(q->width, q->depth), 1.18) * fc0);
    }
    if (!q->want_kh) return 1;
    const double h = q->depth;
    if (h > 1.0) {
        const double kh = fmin(pow(600.0 / h, 0.1), 1.2);
        if (o->have & (1u << S_FT)) o->v[S_FT] *= Calc_Kh_Max(q->width, q->depth);
        o->v[S_FV] *= fmin(pow(600.0 / h, 0.13), 1.2);
        o->v[S_FM] *= kh;
        Put(o, S_KH, kh);
    } else {
        Put(o, S_KH, 1.0);
    }
    return 1;
}

/* BauBuche panels: S edgewise/flatwise, Q cross-banded; use 1 raises the compression values by
** 1.2 as for the laminated beech. */
static int Beech_Panel_Strengths(Mat_Out *o, const Mat_Query *q)
{
    if (q->grade < 0 || q->grade > 2) return 0;
    int a = 0;
    if (!Lvl_Kind(q, &a)) return 1;
    const double f = q->use == 1 ? 1.2 : 1.0;
    if (q->grade < 2) Put_Str(o, a ? 70 : 75, 60, 49.5 * f, 14.0 * f, a ? 8.0 : 3.8);
    else Put_Str(o, a ? 45 : 50, 46, 40.0 * f, 40.0 * f, a ? 7.8 : 1.9);
    return 1;
}

/* ---- the getters by group */

/* The stiffness and the strength getter of each group (null: the group has no such values). */
static const struct {
    Mat_Group_Code group;
    Mat_Getter *stiffness;
    Mat_Getter *strengths;
} Mat_Getters[] = {
    // clang-format off
    {MAT_NADELHOLZ,          Timber_Stiffness,         Timber_Strengths},
    {MAT_LAUBHOLZ,           Timber_Stiffness,         Timber_Strengths},
    {MAT_BSH_EC,             Timber_Stiffness,         Timber_Strengths},
    {MAT_BSH_DIN,            Timber_Stiffness,         Timber_Strengths},
    {MAT_FURNIERSCHICHTHOLZ, Timber_Stiffness,         Timber_Strengths},
    {MAT_BAUBUCHE_GL75,      Timber_Stiffness,         Beech_Glulam_Strengths},
    {MAT_OSB,                Osb_Stiffness,            Osb_Strengths},
    {MAT_GIPSKARTON,         Plasterboard_Stiffness,   Plasterboard_Strengths},
    {MAT_SPERRHOLZ,          Plywood_Stiffness,        Plywood_Strengths},
    {MAT_SPANPLATTE,         Particle_Board_Stiffness, Particle_Board_Strengths},
    {MAT_FASERPLATTE,        Fibreboard_Stiffness,     Fibreboard_Strengths},
    {MAT_FERMACELL,          Gypsum_Fibre_Stiffness,   Gypsum_Fibre_Strengths},
    {MAT_KERTO_S,            Kerto_S_Stiffness,        Kerto_S_Strengths},
    {MAT_KERTO_Q,            Kerto_Q_Stiffness,        Kerto_Q_Strengths},
    {MAT_BAUBUCHE_PLATTE,    Beech_Panel_Stiffness,    Beech_Panel_Strengths},
    {MAT_STEICO_LVL,         Steico_Lvl_Stiffness,     Steico_Lvl_Strengths},
    {MAT_STEICO_GLVL,        Steico_Glvl_Stiffness,    Steico_Lvl_Strengths},
    {MAT_POLLM_LVL_S,        Spruce_Lvl_S_Stiffness,   Spruce_Lvl_S_Strengths},
    {MAT_POLLM_GLVL,         Beech_Glvl_Stiffness,     nullptr},
    // clang-format on
};

/* Run the getter of the group (strengths or stiffness) for q into o; 0 when the group has none
** or does not know the grade. */
static int Run_Getter(const Mat_Query *q, bool strengths, Mat_Out *o)
{
    for (const auto &m : Mat_Getters) {
        if (m.group != q->group) continue;
        Mat_Getter *fn = strengths ? m.strengths : m.stiffness;
        return fn ? fn(o, q) : 0;
    }
    return 0;
}

static Mat_Query Make_Query(Mat_Group_Code group, int32_t grade, int32_t use, int32_t kind,
                            double width, double depth, int want_kh)
{
    Mat_Query q;
    q.group = group;
    q.grade = grade;
    q.use = use;
    q.kind = kind;
    q.bit = (kind >= 0 && kind <= 9) ? KIND(kind) : 0u;
    q.width = width;
    q.depth = depth;
    q.want_kh = want_kh;
    return q;
}

int32_t Get_Mat_Stiffness(Mat_Group_Code group, int32_t grade, int32_t kind, double t,
                          double *e0_mean, double *g_mean, double *e0_05, double *g_05)
{
    const Mat_Query q = Make_Query(group, grade, /*use=*/0, kind, /*width=*/0.0, t, 0);
    Mat_Out o = {};
    if (!Run_Getter(&q, false, &o)) return 0;
    double *const ptr[4] = {e0_mean, g_mean, e0_05, g_05};
    Write_Out(&o, ptr, 4);
    return 1;
}

int32_t Get_Mat_Strengths(Mat_Group_Code group, int32_t grade, int32_t use, int32_t kind,
                          double width, double depth, double *f_m_k, double *f_t_k, double *f_c_k,
                          double *f_v_k, double *f_c90_k, double *k_h)
{
    const Mat_Query q = Make_Query(group, grade, use, kind, width, depth, k_h != nullptr);
    Mat_Out o = {};
    if (!Run_Getter(&q, true, &o)) return 0;
    if (!q.bit) return 1; /* a stress kind outside 0..9: defined material, no values */
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
