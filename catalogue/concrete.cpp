/*
** Concrete and reinforcing-steel grade records: the tables of DIN 1045-1 / EN 1992-1-1 and
** DIN 1045 (7.88), the grade setters, and the formulas of the elastic modulus, tensile strength,
** strength development and partial factors. Strengths and moduli in kN/m2.
*/
#include "catalogue/concrete.h"

#include <cmath>
#include <cstdio>
#include <cstring>

#include "dialogs/message.h"
#include "foundation/codepage.h"
#include "foundation/ttool.h"
#include "nad/nad.h"

/* ---- tables (DIN 1045-1 table 9, EN 1992-1-1 table 3.1, lightweight concrete table 11.3.1) */

static const char *const Concrete_Names[CONCRETE_GRADES] = {
    "C12/15", "C16/20", "C20/25", "C25/30", "C30/37", "C35/45",  "C40/50",  "C45/55",
    "C50/60", "C55/67", "C60/75", "C70/85", "C80/95", "C90/105", "C100/115"};
static const char *const Lc_Names[CONCRETE_GRADES] = {
    "LC12/13", "LC16/18", "LC20/22", "LC25/28", "LC30/33", "LC35/38", "LC40/44", "LC45/50",
    "LC50/55", "LC55/60", "LC60/66", "",        "",        "",        ""};
static const double Tab_Fck[CONCRETE_GRADES] = {12000, 16000, 20000, 25000, 30000,
                                                35000, 40000, 45000, 50000, 55000,
                                                60000, 70000, 80000, 90000, 100000};
static const double Tab_Eps_C1[CONCRETE_GRADES] = {-0.0018, -0.0019, -0.0021,  -0.0022,  -0.0023,
                                                   -0.0024, -0.0025, -0.00255, -0.0026,  -0.00265,
                                                   -0.0027, -0.0028, -0.0029,  -0.00295, -0.003};
static const double Tab_Eps_C1u[CONCRETE_GRADES] = {-0.0035, -0.0035, -0.0035, -0.0035, -0.0035,
                                                    -0.0035, -0.0035, -0.0035, -0.0035, -0.0034,
                                                    -0.0033, -0.0032, -0.0031, -0.003,  -0.003};
static const double Tab_Eps_C2[CONCRETE_GRADES] = {-0.002,   -0.002,  -0.002,   -0.002,   -0.002,
                                                   -0.002,   -0.002,  -0.002,   -0.002,   -0.00203,
                                                   -0.00206, -0.0021, -0.00214, -0.00217, -0.0022};
static const double Tab_Eps_C2u[CONCRETE_GRADES] = {-0.0035, -0.0035, -0.0035, -0.0035, -0.0035,
                                                    -0.0035, -0.0035, -0.0035, -0.0035, -0.0031,
                                                    -0.0027, -0.0025, -0.0024, -0.0023, -0.0022};
static const double Tab_N[CONCRETE_GRADES] = {2.0, 2.0, 2.0, 2.0, 2.0, 2.0, 2.0, 2.0,
                                              2.0, 2.0, 1.9, 1.8, 1.7, 1.6, 1.55};

/* DIN 1045 (7.88): nominal and rated strength, shear stress limits of table 13, modulus. */
static const Old_Concrete_Grade Old_Concrete[OLD_CONCRETE_GRADES] = {
    // clang-format off
  {"B15", 15000, 10500, 250, 350, 1200, 1400, 700, 26000000},
  {"B25", 25000, 17500, 350, 500, 1800, 1800, 900, 30000000},
  {"B35", 35000, 23000, 400, 600, 2400, 2200, 1100, 34000000},
  {"B45", 45000, 27000, 500, 700, 2700, 2600, 1300, 37000000},
  {"B55", 55000, 30000, 550, 800, 3000, 3000, 1500, 39000000},
    // clang-format on
};

/* DIN 1045-1 table 11 / EN 1992-1-1 table C.1: ductility classes A and B. */
static const char *const Rebar_Names[REBAR_GRADES] = {"BSt 500 (A)", "BSt 500 (B)"};
static const char *const Rebar_Names_Ec[REBAR_GRADES] = {"B500A", "B500B"};
static const double Rebar_Ratio[REBAR_GRADES] = {1.05, 1.08};
static const double Rebar_Eps_Uk[REBAR_GRADES] = {0.025, 0.05};

static const Old_Rebar_Grade Old_Rebar[OLD_REBAR_GRADES] = {
    // clang-format off
  {"BSt 220/340", 220000, 340000, 0.005, 340.0 / 220.0, 2.1e8},
  {"BSt 420 S", 420000, 420000, 0.005, 1.0, 2.1e8},
  {"BSt 500 S", 500000, 500000, 0.005, 1.0, 2.1e8},
    // clang-format on
};

/* Cement classes S, N, R (EN 1992-1-1, 3.1.2(6)). */
static const double Cement_S[3] = {0.38, 0.25, 0.2};

/* ---- moduli */

/* alpha_i of DIN 1045-1 eq. (64) for fck in N/mm2. */
static double Alpha_I(double fck_n) { return fck_n < 80.0 ? 0.8 + (fck_n + 8.0) / 440.0 : 1.0; }

double Calc_Concrete_E_Modulus(double fck) { return 9.5e6 * std::cbrt(0.001 * fck + 8.0); }

double Calc_Lc_Concrete_E_Modulus(double fck)
{
    return Calc_Concrete_E_Modulus(fck) * Alpha_I(0.001 * fck);
}

double Calc_Concrete_Ecm_Ec(double fck) { return 2.2e7 * std::pow((0.001 * fck + 8.0) * 0.1, 0.3); }

/* eps_c1 = eps_c1u of lightweight concrete: -1.2 fcm / E (fck in N/mm2). */
static double Lc_Eps_C1(double fck_n)
{
    return -1.2 * (fck_n + 8.0) / (9500.0 * std::cbrt(fck_n + 8.0));
}

/* ---- grade setters */

const char *Get_Concrete_Grade_Name(int32_t index, int32_t lightweight)
{
    if (index < 0 || index >= CONCRETE_GRADES) return "";
    return lightweight ? Lc_Names[index] : Concrete_Names[index];
}

/* The common part of both setters; 0 for an index outside the table. */
static int Set_From_Table(Concrete_Grade *c, int32_t index, int32_t lightweight, double density)
{
    c->lightweight = lightweight;
    c->density = density;
    if (index < 0 || index >= CONCRETE_GRADES) return 0;
    Str_Copy_Bounded(c->name, Get_Concrete_Grade_Name(index, lightweight), CONCRETE_NAME_SIZE);
    c->alpha = lightweight ? 0.8 : 0.85;
    c->fck = Tab_Fck[index];
    c->eps_c2 = Tab_Eps_C2[index];
    c->eps_c2u = Tab_Eps_C2u[index];
    c->n = Tab_N[index];
    if (lightweight) {
        c->eps_c1 = c->eps_c1u = Lc_Eps_C1(0.001 * c->fck);
    } else {
        c->eps_c1 = Tab_Eps_C1[index];
        c->eps_c1u = Tab_Eps_C1u[index];
        c->density = 2200.0;
    }
    c->auto_modulus = 1;
    return 1;
}

void Set_Concrete_Grade(Concrete_Grade *c, int32_t index, int32_t lightweight, double density)
{
    if (!c || !Set_From_Table(c, index, lightweight, density)) return;
    c->E = Calc_Lc_Concrete_E_Modulus(c->fck); /* DIN 1045-1, eq. (64) */
    if (lightweight) c->E *= (c->density / 2200.0) * (c->density / 2200.0);
}

void Set_Concrete_Grade_Ec(Concrete_Grade *c, int32_t index, int32_t lightweight, double density)
{
    if (!c || !Set_From_Table(c, index, lightweight, density)) return;
    c->E = Calc_Concrete_Ecm_Ec(c->fck); /* EN 1992-1-1, table 3.1 */
    if (lightweight) c->E *= (c->density / 2200.0) * (c->density / 2200.0); /* eq. (11.2) */
}

void Name_Not_Standard(char *record_name, const char *name)
{
    if (!record_name) return;
    snprintf(record_name, CONCRETE_NAME_SIZE, "%s (nicht mehr genormt!)", name ? name : "");
}

void Set_Old_Concrete_Grade(Concrete_Grade *c, int32_t index)
{
    if (!c || index < 0 || index >= OLD_CONCRETE_GRADES) return;
    Name_Not_Standard(c->name, Old_Concrete[index].name);
    c->fck = 0.78125 * Old_Concrete[index].beta_wn;
    c->alpha = 0.85;
    Interpolate_Concrete_Strains(c->fck, &c->eps_c1, &c->eps_c1u);
    c->eps_c2 = -0.002;
    c->eps_c2u = -0.0035;
    c->n = 2.0;
    c->lightweight = 0;
    c->density = 2200.0;
    c->auto_modulus = 1;
    c->E = Old_Concrete[index].E;
}

void Interpolate_Concrete_Strains(double fck, double *eps_c1, double *eps_c1u)
{
    double e1, e1u;
    if (fck <= Tab_Fck[0]) {
        e1 = Tab_Eps_C1[0];
        e1u = Tab_Eps_C1u[0];
    } else if (fck > Tab_Fck[CONCRETE_GRADES - 1]) {
        e1 = e1u = -0.003;
    } else {
        int i = 1;
        while (i < CONCRETE_GRADES - 1 && Tab_Fck[i] < fck) i++;
        const double t = (fck - Tab_Fck[i - 1]) / (Tab_Fck[i] - Tab_Fck[i - 1]);
        e1 = Tab_Eps_C1[i - 1] + t * (Tab_Eps_C1[i] - Tab_Eps_C1[i - 1]);
        e1u = Tab_Eps_C1u[i - 1] + t * (Tab_Eps_C1u[i] - Tab_Eps_C1u[i - 1]);
    }
    if (eps_c1) *eps_c1 = e1;
    if (eps_c1u) *eps_c1u = e1u;
}

void Copy_Concrete_Grade(Concrete_Grade *dst, const Concrete_Grade *src)
{
    if (!dst || !src || dst == src) return;
    Str_Copy_Bounded(dst->name, src->name, CONCRETE_NAME_SIZE);
    dst->fck = src->fck;
    dst->alpha = src->alpha;
    dst->eps_c1 = src->eps_c1;
    dst->eps_c1u = src->eps_c1u;
    dst->eps_c2 = src->eps_c2;
    dst->eps_c2u = src->eps_c2u;
    dst->n = src->n;
    dst->lightweight = src->lightweight;
    dst->density = src->density;
    dst->auto_modulus = src->auto_modulus;
    dst->E = src->E;
}

static void Set_Rebar(Rebar_Grade *r, int32_t index, const char *const *names)
{
    if (!r || index < 0 || index >= REBAR_GRADES) return;
    Str_Copy_Bounded(r->name, names[index], CONCRETE_NAME_SIZE);
    r->fyk = 500000.0;
    r->ftk = r->fyk * Rebar_Ratio[index];
    r->eps_uk = Rebar_Eps_Uk[index];
    r->Es = 2e8;
}

void Set_Rebar_Grade(Rebar_Grade *r, int32_t index) { Set_Rebar(r, index, Rebar_Names); }
void Set_Rebar_Grade_Ec(Rebar_Grade *r, int32_t index) { Set_Rebar(r, index, Rebar_Names_Ec); }

void Set_Old_Rebar_Grade(Rebar_Grade *r, int32_t index)
{
    if (!r || index < 0 || index >= OLD_REBAR_GRADES) return;
    Name_Not_Standard(r->name, Old_Rebar[index].name);
    r->fyk = Old_Rebar[index].beta_s;
    r->ftk = Old_Rebar[index].beta_z;
    r->eps_uk = Old_Rebar[index].eps;
    r->Es = Old_Rebar[index].Es;
}

int32_t Set_Old_Concrete_Grade_Alt(Old_Concrete_Grade *c, int32_t index)
{
    if (index < 0) index = 0;
    if (index > OLD_CONCRETE_GRADES - 1) index = OLD_CONCRETE_GRADES - 1;
    if (c) *c = Old_Concrete[index];
    return index + 5;
}

void Set_Old_Rebar_Grade_Alt(Old_Rebar_Grade *r, int32_t index)
{
    if (index < 0) index = 0;
    if (index > OLD_REBAR_GRADES - 1) index = OLD_REBAR_GRADES - 1;
    if (r) *r = Old_Rebar[index];
}

int32_t Always_One(void) { return 1; }

int32_t Set_Default_Concrete(Old_Concrete_Grade *c)
{
    Msg_Printf("Freie Betondef. für %s nicht möglich!\nInitialisierung mit %s."_cp850,
               "DIN 1045 (7.88)", "B25");
    if (c) *c = Old_Concrete[1];
    return 1;
}

int32_t Set_Default_Rebar(Old_Rebar_Grade *r)
{
    Msg_Printf("Freie Stahldef. für %s nicht möglich!\nInitialisierung mit %s."_cp850,
               "DIN 1045 (7.88)", "BSt 500 S");
    if (r) {
        *r = Old_Rebar[2];
        r->ratio = 1.4;
    }
    return 1;
}

/* ---- strength formulas */

double Calc_Eta1(double density)
{
    return 0.4 + 0.00027272727272727274 * density; /* EN 1992-1-1, eq. (11.1) */
}

/* fctm in N/mm2 (EN 1992-1-1, table 3.1), fck in kN/m2. */
static double Fctm(double fck)
{
    const double f = 0.001 * fck;
    if (f < 55.0) return 0.3 * std::pow(f, 2.0 / 3.0);
    return 2.12 * std::log(1.0 + (f + 8.0) / 10.0);
}

double Calc_Flctm(double fck, double density) { return Fctm(fck) * Calc_Eta1(density) * 1000.0; }

double Calc_Flctk005(double fck, double density) { return Fctm(fck) * Calc_Eta1(density) * 700.0; }

double Calc_Beta_Cc(double t, int32_t cement_class)
{
    double s = 0.25;
    if (cement_class == 0) s = 0.21;
    else if (cement_class >= 1 && cement_class <= 3) s = Cement_S[cement_class - 1];
    if (t >= 28.0) return 1.0;
    if (t <= 0.0) return 0.0;
    return std::exp(s * (1.0 - std::sqrt(28.0 / t))); /* EN 1992-1-1, eq. (3.2) */
}

double Calc_Gamma_C(double fck, int32_t situation)
{
    const double base = situation == 1 ? 1.3 : situation == 4 ? 1.0 : 1.5;
    const double den = 1.1 - 0.001 * fck / 500.0; /* DIN 1045-1, 5.3.3(9) */
    double f = den > 0.0 ? 1.0 / den : 1.0;
    if (f < 1.0) f = 1.0;
    return base * f;
}

double Get_Gamma_S(int32_t situation) { return situation == 1 ? 1.0 : 1.15; }

double Neg_Product_Ratio(double x, double y, double z)
{
    if (std::fabs(z) < 1e-5) return 0.0;
    return -(x * y) / z;
}

/* ---- partial factors of the national annex */

static Concrete_Factors Factors;

void Load_Concrete_Factors(void)
{
    if (Factors.loaded) return;
    const NAD_EC2_Params *b = Get_NAD_EC2_Params();
    NAD_EC2_Params defaults;
    if (!b) {
        Init_NAD_EC2_Defaults(&defaults);
        b = &defaults;
    }
    for (int i = 0; i < 4; i++) {
        Factors.gamma_c[i] = b->gamma_c[i];
        Factors.gamma_s[i] = b->gamma_s[i];
    }
    Factors.alpha_cc = b->alpha_cc;
    Factors.alpha_lct = b->alpha_lct;
    Factors.loaded = 1;
}

void Reset_Concrete_Factors(void) { Factors.loaded = 0; }

double Get_Concrete_Factor_A(int32_t i)
{
    Load_Concrete_Factors();
    return i >= 0 && i < 4 ? Factors.gamma_c[i] : 0.0;
}

double Get_Concrete_Factor_B(int32_t i)
{
    Load_Concrete_Factors();
    return i >= 0 && i < 4 ? Factors.gamma_s[i] : 0.0;
}

const Concrete_Factors *Get_Concrete_Factors(void)
{
    Load_Concrete_Factors();
    return &Factors;
}

const Concrete_Factors *Get_Concrete_Factor_Head(void) { return Get_Concrete_Factors(); }

double Apply_Concrete_Factor(double value, int32_t i)
{
    const double g = Get_Concrete_Factor_A(i);
    if (g == 0.0) return 0.0;
    return value * Factors.alpha_cc / g;
}
