/*
** Timber grade tables (EN 338, EN 14080, DIN 1052 and laminated beech), the value set chosen
** by Nad_Params at every read, and the getters of kmod, rho_k, E90, kdef and the weight and
** thickness constants of the material groups.
*/
#include "catalogue/mat_values.h"

#include "catalogue/ijoist.h"
#include "catalogue/mat_internal.h"
#include "nad/nad.h"

/* ---- grade tables (N/mm2, kg/m3) */

/* Softwood, EN 338 value set. */
static const Timber_Grade Softwood_EN[12] = {
    // clang-format off
  {"C14", 7000, 230, 440, 290, 14, 7.2, 0.4, 16, 2.0, 3.0},
  {"C16", 8000, 270, 500, 310, 16, 8.5, 0.4, 17, 2.2, 3.2},
  {"C18", 9000, 300, 560, 320, 18, 10, 0.4, 18, 2.2, 3.4},
  {"C20", 9500, 320, 590, 330, 20, 11.5, 0.4, 19, 2.3, 3.6},
  {"C22", 10000, 330, 630, 340, 22, 13, 0.4, 20, 2.4, 3.8},
  {"C24", 11000, 370, 690, 350, 24, 14.5, 0.4, 21, 2.5, 4.0},
  {"C27", 11500, 380, 720, 360, 27, 16.5, 0.4, 22, 2.5, 4.0},
  {"C30", 12000, 400, 750, 380, 30, 19, 0.4, 24, 2.7, 4.0},
  {"C35", 13000, 430, 810, 390, 35, 22.5, 0.4, 25, 2.7, 4.0},
  {"C40", 14000, 470, 880, 400, 40, 26, 0.4, 27, 2.8, 4.0},
  {"C45", 15000, 500, 940, 410, 45, 30, 0.4, 29, 2.9, 4.0},
  {"C50", 16000, 530, 1000, 430, 50, 33.5, 0.4, 30, 3.0, 4.0},
    // clang-format on
};

/* Softwood, DIN 1052 value set. */
static const Timber_Grade Softwood_DIN[12] = {
    // clang-format off
  {"C14", 7000, 230, 440, 290, 14, 8, 0.4, 16, 2.0, 2.0},
  {"C16", 8000, 270, 500, 310, 16, 10, 0.4, 17, 2.2, 2.0},
  {"C18", 9000, 300, 560, 320, 18, 11, 0.4, 18, 2.2, 2.0},
  {"C20", 9500, 320, 590, 330, 20, 12, 0.4, 19, 2.3, 2.0},
  {"C22", 10000, 330, 630, 340, 22, 13, 0.4, 20, 2.4, 2.0},
  {"C24", 11000, 370, 690, 350, 24, 14, 0.4, 21, 2.5, 2.0},
  {"C27", 11500, 380, 720, 370, 27, 16, 0.4, 22, 2.6, 2.0},
  {"C30", 12000, 400, 750, 380, 30, 18, 0.4, 23, 2.7, 2.0},
  {"C35", 13000, 430, 810, 400, 35, 21, 0.4, 25, 2.8, 2.0},
  {"C40", 14000, 470, 880, 420, 40, 24, 0.4, 26, 2.9, 2.0},
  {"C45", 15000, 500, 940, 440, 45, 27, 0.4, 27, 3.1, 2.0},
  {"C50", 16000, 530, 1000, 460, 50, 30, 0.4, 29, 3.2, 2.0},
    // clang-format on
};

static const Timber_Grade Hardwood_EN[8] = {
    // clang-format off
  {"D18", 9500, 630, 590, 475, 18, 11, 0.6, 18, 4.8, 3.5},
  {"D24", 10000, 670, 620, 485, 24, 14, 0.6, 21, 4.9, 3.7},
  {"D30", 11000, 730, 690, 530, 30, 18, 0.6, 24, 5.3, 3.9},
  {"D35", 12000, 800, 750, 540, 35, 21, 0.6, 25, 5.4, 4.1},
  {"D40", 13000, 860, 810, 550, 40, 24, 0.6, 27, 5.5, 4.2},
  {"D50", 14000, 930, 880, 620, 50, 30, 0.6, 30, 6.2, 4.5},
  {"D60", 17000, 1130, 1060, 700, 60, 36, 0.6, 33, 10.5, 4.8},
  {"D70", 20000, 1330, 1250, 800, 70, 42, 0.6, 36, 12.0, 5.0},
    // clang-format on
};

static const Timber_Grade Hardwood_DIN[6] = {
    // clang-format off
  {"D30", 10000, 640, 600, 530, 30, 18, 0.5, 23, 8.0, 3.0},
  {"D35", 10000, 690, 650, 560, 35, 21, 0.5, 25, 8.4, 3.4},
  {"D40", 11000, 750, 700, 590, 40, 24, 0.5, 26, 8.8, 3.8},
  {"D50", 14000, 930, 880, 650, 50, 30, 0.5, 29, 9.7, 4.6},
  {"D60", 17000, 1130, 1060, 700, 60, 36, 0.5, 32, 10.5, 5.3},
  {"D70", 20000, 1330, 1250, 900, 70, 42, 0.5, 34, 13.5, 6.0},
    // clang-format on
};

/* Glulam of EN 14080, one set for both value sets. */
static const Timber_Grade Glulam_EC[14] = {
    // clang-format off
  {"GL20h", 8400, 300, 650, 340, 20, 16, 0.5, 20, 2.5, 3.5},
  {"GL22h", 10500, 300, 650, 370, 22, 17.6, 0.5, 22, 2.5, 3.5},
  {"GL24h", 11500, 300, 650, 385, 24, 19.2, 0.5, 24, 2.5, 3.5},
  {"GL26h", 12100, 300, 650, 405, 26, 20.8, 0.5, 26, 2.5, 3.5},
  {"GL28h", 12600, 300, 650, 425, 28, 22.3, 0.5, 28, 2.5, 3.5},
  {"GL30h", 13600, 300, 650, 430, 30, 24, 0.5, 30, 2.5, 3.5},
  {"GL32h", 14200, 300, 650, 440, 32, 25.6, 0.5, 32, 2.5, 3.5},
  {"GL20c", 10400, 300, 650, 355, 20, 15, 0.5, 18.5, 2.5, 3.5},
  {"GL22c", 10400, 300, 650, 355, 22, 16, 0.5, 20, 2.5, 3.5},
  {"GL24c", 11000, 300, 650, 365, 24, 17, 0.5, 21.5, 2.5, 3.5},
  {"GL26c", 12000, 300, 650, 385, 26, 19, 0.5, 23.5, 2.5, 3.5},
  {"GL28c", 12500, 300, 650, 390, 28, 19.5, 0.5, 24, 2.5, 3.5},
  {"GL30c", 13000, 300, 650, 390, 30, 19.5, 0.5, 24.5, 2.5, 3.5},
  {"GL32c", 13500, 300, 650, 400, 32, 19.5, 0.5, 24.5, 2.5, 3.5},
    // clang-format on
};

/* Glulam of DIN 1052 (BS classes). */
static const Timber_Grade Glulam_DIN[8] = {
    // clang-format off
  {"GL24h (BS11)", 11600, 390, 720, 380, 24, 16.5, 0.5, 24, 2.7, 2.5},
  {"GL24c (BS11)", 11600, 320, 590, 350, 24, 14, 0.5, 21, 2.4, 2.5},
  {"GL28h (BS14)", 12600, 420, 780, 410, 28, 19.5, 0.5, 26.5, 3.0, 2.5},
  {"GL28c (BS14)", 12600, 390, 720, 380, 28, 16.5, 0.5, 24, 2.7, 2.5},
  {"GL32h (BS16)", 13700, 460, 850, 430, 32, 22.5, 0.5, 29, 3.3, 2.5},
  {"GL32c (BS16)", 13700, 420, 780, 410, 32, 19.5, 0.5, 26.5, 3.0, 2.5},
  {"GL36h (BS18)", 14700, 490, 910, 450, 36, 26, 0.5, 31, 3.6, 2.5},
  {"GL36c (BS18)", 14700, 460, 850, 430, 36, 22.5, 0.5, 29, 3.3, 2.5},
    // clang-format on
};

/* fv,k of the BS classes under EN 1995-1-1 (EN 1194 values), row order as above. */
static const double Glulam_DIN_Fv_EN[8] = {2.7, 2.2, 3.2, 2.7, 3.8, 3.2, 4.3, 3.8};

/* Laminated beech (group 17). */
static const Timber_Grade Beech_GL75[2] = {
    {"GL75 flachkant", 16800, 470, 850, 730, 75, 60, 0.6, 49.5, 12.3, 4.5},
    {"GL75 hochkant", 16800, 470, 760, 730, 75, 60, 1.5, 49.5, 11.7, 4.5},
};

const Timber_Grade *Get_Timber_Grade(Mat_Group_Code group, int32_t grade)
{
    const int en = Nad_Params != nullptr;
    if (group == -10) return en ? &Softwood_EN[5] : &Softwood_DIN[5];
    const int32_t n = Get_Timber_Grade_Count(group);
    if (grade < 0 || grade >= n) return nullptr;
    switch (group) {
    case 0:
    case 13: return en ? &Softwood_EN[grade] : &Softwood_DIN[grade];
    case 1: return en ? &Hardwood_EN[grade] : &Hardwood_DIN[grade];
    case 2: return &Glulam_EC[grade];
    case 3: return &Glulam_DIN[grade];
    case 17: return &Beech_GL75[grade];
    default: return nullptr;
    }
}

int32_t Get_Timber_Grade_Count(Mat_Group_Code group)
{
    switch (group) {
    case 0:
    case 13: return 12;
    case 1: return Nad_Params ? 8 : 6;
    case 2: return 14;
    case 3: return 8;
    case 17: return 2;
    default: return 0;
    }
}

/* fv,k in N/mm2 of a glulam grade of the active set, with the national rule of k_cr
** (EN 1995-1-1 NA: fv,k = 3.5 N/mm2 where k_cr = 2.5/fv,k applies). */
double Glulam_Fv_K(Mat_Group_Code group, int32_t grade)
{
    const Timber_Grade *g = Get_Timber_Grade(group, grade);
    if (!g) return 0.0;
    if (!Nad_Params) return g->f_v_k;
    if (Nad_Params->k_cr_rule != 1) return 3.5;
    return group == 3 ? Glulam_DIN_Fv_EN[grade] : g->f_v_k;
}

int32_t Get_Mat_E90_Mean(Mat_Group_Code group, int32_t grade, double *e90_mean)
{
    if (group == 21) return grade == 0 || grade == 1;
    if (group != 0 && group != 13 && group != 1 && group != 2 && group != 3 && group != 17)
        return 0;
    const Timber_Grade *g = Get_Timber_Grade(group, grade);
    if (!g) return 0;
    if (e90_mean) *e90_mean = g->E90_mean * 1000.0;
    return 1;
}

/* ---- kmod */

typedef double Kmod_Row[8]; /* KLED 0..7 */

static const Kmod_Row Kmod_Timber_12 = {0.6, 0.7, 0.8, 0.9, 1.1, 1.0, 1.1, 1.1};
static const Kmod_Row Kmod_Timber_3 = {0.5, 0.55, 0.65, 0.7, 0.9, 0.8, 0.9, 0.9};
static const Kmod_Row Kmod_Board_A1 = {0.3, 0.45, 0.65, 0.85, 1.1, 0.975, 1.1, 1.1};
static const Kmod_Row Kmod_Board_A2 = {0.2, 0.3, 0.45, 0.6, 0.8, 0.7, 0.8, 0.8};
static const Kmod_Row Kmod_Board_B1 = {0.4, 0.5, 0.7, 0.9, 1.1, 1.0, 1.1, 1.1};
static const Kmod_Row Kmod_Board_B2 = {0.3, 0.4, 0.55, 0.7, 0.9, 0.8, 0.9, 0.9};
static const Kmod_Row Kmod_Gypsum_1 = {0.2, 0.4, 0.6, 0.8, 1.1, 0.95, 1.1, 1.1};
static const Kmod_Row Kmod_Gypsum_2 = {0.15, 0.3, 0.45, 0.6, 0.8, 0.7, 0.8, 0.8};

double Get_Ijoist_Kmod(int32_t service_class, KLED kled)
{
    static const Kmod_Row sc1 = {0.3, 0.45, 0.65, 0.85, 1.1, 0.975, 1.1, 1.1};
    static const Kmod_Row sc2 = {0.2, 0.3, 0.45, 0.6, 0.9, 0.75, 1.1, 1.1};
    if (kled < 0 || kled > 7) return 0.0;
    if (service_class == 1) return sc1[kled];
    if (service_class == 2) return sc2[kled];
    return 0.0;
}

/* The row of solid timber, glulam, LVL and plywood (EN 1995-1-1, Table 3.1) as the national
** annex gives it for service class sc (1..3) into row: KLED 0..4 from the annex, 5 the mean of
** short-term and instantaneous, 6 and 7 instantaneous. The annex has no rows of the boards. */
static const double *Annex_Timber_Row(int sc, Kmod_Row row)
{
    for (int k = 0; k < 5; k++) row[k] = Nad_Params->kmod[NAD_KMOD_INDEX(k, sc - 1)];
    row[5] = (row[3] + row[4]) * 0.5;
    row[6] = row[7] = row[4];
    return row;
}

/* Grade in range for the groups whose grade lists are fixed; 1 for the others. */
static int Grade_In_Range(Mat_Group_Code group, int32_t grade)
{
    static const int32_t counts[22] = {12, 0, 14, 8, 3, 3, 6, 4, 2, 5, 1,
                                       2,  0, 12, 0, 0, 0, 2, 3, 3, 1, 2};
    if (group == 1) return grade >= 0 && grade < Get_Timber_Grade_Count(1);
    if (group == -11) return grade == 0;
    if (group == -12) return grade >= 0 && grade < 8;
    if (group == -13) return grade >= 0 && grade < 23;
    if (group < 0 || group > 21 || counts[group] == 0) return 1;
    return grade >= 0 && grade < counts[group];
}

int32_t Get_Kmod(Mat_Group_Code group, int32_t grade, int32_t service_class, KLED kled,
                 double *kmod, const User_Material *user)
{
    int mean = 0;
    if (kled == 5 && Nad_Params) {
        if (Nad_Params->kmod_mean_rule == 0) kled = 3;
        else mean = 1;
    }
    double value = 0.0;
    if (group == -999 || group == 14 || grade == -999 || grade == 14) {
        if (!user) {
            value = 0.2;
        } else if (service_class == 0) {
            value = 1.0;
        } else if (service_class < 1 || service_class > 3 || kled < 0 || kled > 7) {
            return 0; /* the record has no row for it */
        } else {
            const double *k = user->kmod[service_class - 1];
            /* The record holds KLED 0..4: KLED 5 is the mean of short-term and instantaneous
      ** (the averaging rule of the annex, and the mean the tables give), 6 and 7 take 4. */
            if (mean || kled == 5) value = (k[3] + k[4]) * 0.5;
            else value = k[kled > 4 ? 4 : kled];
        }
        if (kmod) *kmod = value;
        return 1;
    }
    if (group == -12 || group == -13) {
        if (kmod) *kmod = Get_Ijoist_Kmod(service_class, kled);
        return 1;
    }
    if (service_class == 0) {
        if (kmod) *kmod = 1.0;
        return 1;
    }
    if (kled < 0 || kled > 7 || !Grade_In_Range(group, grade)) return 0;
    const double *row = nullptr;
    const int en = Nad_Params != nullptr;
    const int sc = service_class;
    Kmod_Row annex;
    switch (group) {
    case 0:
    case 1:
    case 2:
    case 3:
    case 6:
    case 10:
    case 11:
        if (en && sc >= 1 && sc <= 3) row = Annex_Timber_Row(sc, annex);
        else row = (sc == 1 || sc == 2) ? Kmod_Timber_12 : sc == 3 ? Kmod_Timber_3 : nullptr;
        break;
    case 4:
        if (grade == 0) row = sc == 1 ? Kmod_Board_A1 : nullptr;
        else row = sc == 1 ? Kmod_Board_B1 : sc == 2 ? Kmod_Board_B2 : nullptr;
        break;
    case 7:
        if (en && grade >= 2) row = sc == 1 ? Kmod_Board_B1 : sc == 2 ? Kmod_Board_B2 : nullptr;
        else row = sc == 1 ? Kmod_Board_A1 : sc == 2 ? Kmod_Board_A2 : nullptr;
        /* P4 and P6 are boards for dry conditions (EN 312): service class 1 only (EN 1995-1-1,
        ** Table 3.1) */
        if (sc == 2 && (grade == 0 || grade == 2)) row = nullptr;
        /* DIN 1052 gives no accidental value for particle board in service class 2 */
        if (!en && sc == 2 && kled >= 6) row = nullptr;
        break;
    case 8:
        /* grade 1 "Mittelhart" stands for medium board of either kind, so it takes the rows of the
        ** weaker one, MBH.LA: service class 1 only, as plasterboard (EN 1995-1-1, Table 3.1) */
        if (grade == 1) row = sc == 1 ? Kmod_Gypsum_1 : nullptr;
        else {
            row = sc == 1 ? Kmod_Board_A1 : sc == 2 ? Kmod_Board_A2 : nullptr;
            if (!en && sc == 2 && kled >= 6) row = nullptr;
        }
        break;
    case 5:
    case 9: row = sc == 1 ? Kmod_Gypsum_1 : sc == 2 ? Kmod_Gypsum_2 : nullptr; break;
    case 17:
    case 18:
    case 19:
    case 20:
    case 21:
    case -11:
        if (sc == 3) {
            if (kmod) *kmod = 0.0;
            return 0;
        }
        if (en && (sc == 1 || sc == 2)) row = Annex_Timber_Row(sc, annex);
        else row = (sc == 1 || sc == 2) ? Kmod_Timber_12 : nullptr;
        break;
    default: return 0;
    }
    if (!row || row[kled] < 0.0) return 0;
    if (kmod) *kmod = row[kled];
    return 1;
}

/* ---- density */

int32_t Get_Rho_K(Mat_Group_Code group, int32_t grade, double t, double *rho_k,
                  const User_Material *user)
{
    double v;
    if (group == -999 || group == 14 || grade == -999) {
        if (!user) return 0;
        if (rho_k) *rho_k = user->rho_k;
        return 1;
    }
    switch (group) {
    case 0:
    case 1:
    case 2:
    case 3:
    case 17:
    case -10: {
        const Timber_Grade *g = Get_Timber_Grade(group, grade);
        if (!g) return 0;
        v = g->rho_k;
        break;
    }
    case 12: v = 78500.0; break;
    case 16: v = 27000.0; break;
    default:
        if (!Grade_In_Range(group, grade)) return 0;
        switch (group) {
        case 4: v = 550.0; break;
        case 5: v = grade == 0 ? 680.0 : 800.0; break;
        case 6: v = grade <= 1 ? 350.0 : grade == 2 ? 400.0 : 600.0; break;
        case 7:
            if (t > 6.0 && t <= 13.0) v = 650.0;
            else if (t > 13.0 && t <= 20.0) v = 600.0;
            else if (t > 20.0 && t <= 32.0) v = 550.0;
            else if (t > 32.0 && t <= 50.0) v = 500.0;
            else v = 0.0;
            break;
        case 8:
            if (grade == 1) v = t <= 10.0 ? 650.0 : 600.0;
            else v = (t > 3.5 && t <= 5.5) ? 850.0 : 800.0;
            break;
        case 9: v = 1150.0; break;
        case 10:
        case 11:
        case 19:
        case 20:
        case -11:
        case -12:
        case -13: v = 480.0; break;
        case 18: v = 730.0; break;
        default: return 0;
        }
    }
    if (rho_k) *rho_k = v;
    return 1;
}

/* ---- further constants */

double Get_Mat_Weight_Density(Mat_Group_Code group, int32_t grade)
{
    static const double glulam_ec[14] = {3.7, 4.1, 4.2, 4.45, 4.6, 4.8, 4.9,
                                         3.9, 3.9, 4.0, 4.2,  4.2, 4.3, 4.4};
    static const double glulam_din[8] = {3.7, 3.5, 4.0, 3.7, 4.2, 4.0, 4.4, 4.2};
    switch (group) {
    case 0:
        if (grade < 0 || grade > 11) return 0.0;
        return grade <= 5 ? 4.2 : grade <= 7 ? 4.6 : grade == 8 ? 4.8 : 5.5;
    case 1:
        if (grade < 0 || grade >= Get_Timber_Grade_Count(1)) return 0.0;
        return grade <= 2 ? 6.4 : grade <= 4 ? 6.7 : grade == 5 ? 7.0 : 8.4;
    case 2: return (grade >= 0 && grade < 14) ? glulam_ec[grade] : 0.0;
    case 3: return (grade >= 0 && grade < 8) ? glulam_din[grade] : 0.0;
    case -11: return grade == 0 ? 5.3 : 0.0;
    case 5: return (grade >= 0 && grade <= 2) ? 7.0 : 0.0;
    case 6: return (grade >= 0 && grade <= 5) ? 7.0 : 0.0;
    case 8: return (grade >= 0 && grade <= 1) ? 10.0 : 0.0;
    case 10: return grade == 0 ? 5.1 : 0.0;
    case 11: return (grade >= 0 && grade <= 1) ? 5.1 : 0.0;
    case 19: return (grade >= 0 && grade <= 2) ? 5.3 : 0.0;
    case 20: return grade == 0 ? 5.4 : 0.0;
    case 4:
    case 7:
    case 9:
    case 13:
    case 17:
    case 18:
    case 21: return Grade_In_Range(group, grade) ? 8.0 : 0.0;
    case -12:
    case -13: {
        const Ijoist_Line *line =
            group == -12 ? Ijoist_Table_W_Ensure(1000) : Ijoist_Table_J_Ensure(1000);
        if (grade < 0 || grade >= line->count) return 0.0;
        const Ijoist_Section *s = &line->sections[grade];
        return (5.0 * 2.0 * s->hf * s->b + 9.0 * s->hw * line->web_thickness) / 1.0e6;
    }
    default: return 0.0;
    }
}

double Get_Panel_Min_Thickness(Mat_Group_Code group)
{
    switch (group) {
    case 4: return 6.0;
    case 5: return 12.0;
    case 6: return 3.0;
    case 7: return 6.0;
    case 8: return 3.5;
    default: return 3.0;
    }
}

double Get_Panel_Max_Thickness(Mat_Group_Code group)
{
    switch (group) {
    case 4: return 25.0;
    case 5: return 18.5;
    case 6: return 999.0;
    case 7: return 50.0;
    default: return 999.0;
    }
}

double Get_Mat_Factor_Density(Mat_Group_Code group, int32_t grade)
{
    double rho = 0.0;
    switch (group) {
    case 1:
        if (!Get_Rho_K(group, grade, 0.0, &rho, nullptr)) return 0.8;
        return rho >= 450.0 ? 0.55 : rho >= 290.0 ? 0.7 : 0.8;
    case 2:
    case 3:
        if (!Get_Rho_K(group, grade, 0.0, &rho, nullptr)) return 0.8;
        return rho >= 290.0 ? 0.7 : 0.8;
    case 17:
    case 18:
    case 20: return 0.7;
    default: return 0.8;
    }
}

int32_t Get_Kdef(Mat_Group_Code group, int32_t grade, int32_t service_class, double *kdef)
{
    double v = 0.0;
    const int sc = service_class;
    if ((group >= -13 && group <= -11) || (group >= 0 && group <= 3) || group == 10 || group == 11
        || (group >= 17 && group <= 21)) {
        v = sc == 1 ? 0.6 : sc == 2 ? 0.8 : sc == 3 ? 2.0 : 0.0;
    } else if (group == 6) {
        v = sc == 1 ? 0.8 : sc == 2 ? 1.0 : sc == 3 ? 2.5 : 0.0;
    } else if (group == 4 || (group == 7 && Nad_Params && (grade == 2 || grade == 3))) {
        v = sc == 1 ? 1.5 : sc == 2 ? 2.25 : 0.0;
    } else if (group == 5 || (group == 8 && grade == 1)) {
        v = sc == 1 ? 3.0 : sc == 2 ? 4.0 : 0.0;
    } else if (group == 7 || (group == 8 && grade == 0)) {
        v = sc == 1 ? 2.25 : sc == 2 ? 3.0 : 0.0;
    }
    if (kdef) *kdef = v;
    return 1;
}

int32_t Is_Mat_Lvl_Product(Mat_Group_Code group)
{
    return group == 10 || group == 11 || group == 18 || group == 19 || group == 20 || group == -11;
}
