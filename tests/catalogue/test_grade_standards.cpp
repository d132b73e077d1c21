/*
** Every timber, glulam, steel and bolt grade the splice offers, against the values of the
** standards typed here from their tables (EN 338:2016 Tables 1 and 7, EN 14080:2013 Tables 4
** and 5, EN 1993-1-1 Table 3.1, EN 1993-1-8 Table 3.1), and the limits of the grade counts.
*/
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "cat_test_util.h"
#include "catalogue/mc_grades.h"

namespace {

/* E0,mean, E90,mean, G_mean (N/mm2), rho_k (kg/m3), f_m, f_t,0, f_t,90, f_c,0, f_c,90, f_v (N/mm2) */
struct Standard_Grade {
    const char *name;
    double E0, E90, G, rho_k, fm, ft0, ft90, fc0, fc90, fv;
};

/* EN 338:2016, Table 1: softwood C14 .. C50. */
const Standard_Grade EN338_Softwood[12] = {
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

/* EN 338:2016, Table 7: the hardwood grades the splice offers. */
const Standard_Grade EN338_Hardwood[8] = {
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

/* EN 14080:2013, Table 5 (homogeneous: f_c,0,g,k = f_m,g,k) and Table 4 (combined). */
const Standard_Grade EN14080_Glulam[14] = {
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

template <typename Row>
void Expect_Grade(const Row *g, const Standard_Grade &s)
{
    ASSERT_NE(g, nullptr) << s.name;
    EXPECT_STREQ(g->name, s.name);
    EXPECT_DOUBLE_EQ(g->E0_mean, s.E0) << s.name;
    EXPECT_DOUBLE_EQ(g->E90_mean, s.E90) << s.name;
    EXPECT_DOUBLE_EQ(g->G_mean, s.G) << s.name;
    EXPECT_DOUBLE_EQ(g->rho_k, s.rho_k) << s.name;
    EXPECT_DOUBLE_EQ(g->f_m_k, s.fm) << s.name;
    EXPECT_DOUBLE_EQ(g->f_t0_k, s.ft0) << s.name;
    EXPECT_DOUBLE_EQ(g->f_t90_k, s.ft90) << s.name;
    EXPECT_DOUBLE_EQ(g->f_c0_k, s.fc0) << s.name;
    EXPECT_DOUBLE_EQ(g->f_c90_k, s.fc90) << s.name;
    EXPECT_DOUBLE_EQ(g->f_v_k, s.fv) << s.name;
}

} // namespace

TEST(GradeStandards, TimberAndGlulamOfTheEurocodeValueSet)
{
    Nad_Scope en(true);
    ASSERT_EQ(Get_Timber_Grade_Count(0), 12);
    for (int i = 0; i < 12; i++) Expect_Grade(Get_Timber_Grade(0, i), EN338_Softwood[i]);
    ASSERT_EQ(Get_Timber_Grade_Count(1), 8);
    for (int i = 0; i < 8; i++) Expect_Grade(Get_Timber_Grade(1, i), EN338_Hardwood[i]);
    ASSERT_EQ(Get_Timber_Grade_Count(2), 14);
    for (int i = 0; i < 14; i++) Expect_Grade(Get_Timber_Grade(2, i), EN14080_Glulam[i]);
}

/* The member check keeps its own EN 14080 table (codes 7000 ..). */
TEST(GradeStandards, GlulamOfTheMemberCheck)
{
    for (int i = 0; i < 14; i++) {
        const Holzguete_Record *r = Get_Holzguete_Record(7000 + i);
        ASSERT_NE(r, nullptr) << i;
        const Standard_Grade &s = EN14080_Glulam[i];
        EXPECT_STREQ(r->name, s.name);
        EXPECT_DOUBLE_EQ(r->f_m_k, s.fm) << s.name;
        EXPECT_DOUBLE_EQ(r->f_t_0_k, s.ft0) << s.name;
        EXPECT_DOUBLE_EQ(r->f_c_0_k, s.fc0) << s.name;
        EXPECT_DOUBLE_EQ(r->f_c_90_k, s.fc90) << s.name;
        EXPECT_DOUBLE_EQ(r->f_v_k, s.fv) << s.name;
        EXPECT_DOUBLE_EQ(r->E_0_mean, s.E0) << s.name;
        EXPECT_DOUBLE_EQ(r->rho_k, s.rho_k) << s.name;
    }
}

TEST(GradeStandards, GradeCountLimits)
{
    struct Limit {
        int group, en, din;
    };
    const Limit limits[] = {{0, 12, 12}, {13, 12, 12}, {1, 8, 6}, {2, 14, 14},
                            {3, 8, 8},   {17, 2, 2},   {5, 0, 0}};
    for (int annex = 0; annex <= 1; annex++) {
        Nad_Scope scope(annex != 0);
        for (const Limit &l : limits) {
            const int n = annex ? l.en : l.din;
            EXPECT_EQ(Get_Timber_Grade_Count(l.group), n) << l.group << " " << annex;
            if (n > 0) { EXPECT_NE(Get_Timber_Grade(l.group, n - 1), nullptr) << l.group; }
            EXPECT_EQ(Get_Timber_Grade(l.group, n), nullptr) << l.group;
            EXPECT_EQ(Get_Timber_Grade(l.group, -1), nullptr) << l.group;
        }
    }
    /* 44 steel grades: the last one is a grade of its own, the next the unknown fallback */
    EXPECT_STREQ(Get_Stahlguete_Name(43 | STAHL_EC_TABLE), "S550GD");
    EXPECT_STREQ(Get_Stahlguete_Name(44 | STAHL_EC_TABLE), "?????");
    EXPECT_EQ(Get_Stahlguete(44 | STAHL_EC_TABLE), Get_Stahlguete_Fallback(1));
}

/* EN 1993-1-1, Table 3.1: f_y and f_u for t <= 40 mm and for 40 mm < t <= 80 mm. The table holds
** one f_u per grade: it never lies above the value for t <= 40 mm (plates of a splice are that
** thin) nor below the one for 40 mm < t <= 80 mm. */
TEST(GradeStandards, StructuralSteelOfTheEurocodeTable)
{
    struct Steel {
        uint32_t code;
        const char *name;
        double fy_40, fu_40, fy_80, fu_80;
    };
    const Steel table[] = {
        // clang-format off
      {5, "S235", 235, 360, 215, 360},           {6, "S275", 275, 430, 255, 410},
      {7, "S355", 355, 510, 335, 470},           {32, "S450", 440, 550, 410, 550},
      {8, "S275 N/NL", 275, 390, 255, 370},      {10, "S355 N/NL", 355, 490, 335, 470},
      {33, "S420 N/NL", 420, 520, 390, 520},     {12, "S460 N/NL", 460, 540, 430, 540},
      {9, "S275 M/ML", 275, 370, 255, 360},      {11, "S355 M/ML", 355, 470, 335, 450},
      {34, "S420 M/ML", 420, 520, 390, 500},     {13, "S460 M/ML", 460, 540, 430, 530},
        // clang-format on
    };
    for (const Steel &s : table) {
        const uint32_t code = s.code | STAHL_EC_TABLE;
        EXPECT_STREQ(Get_Stahlguete_Name(code), s.name);
        EXPECT_DOUBLE_EQ(Get_Stahlguete_Fy(code, 40.0), s.fy_40) << s.name;
        EXPECT_DOUBLE_EQ(Get_Stahlguete_Fy(code, 40.5), s.fy_80) << s.name;
        const double fu = Get_Stahlguete(code)->fu;
        EXPECT_LE(fu, s.fu_40) << s.name;
        EXPECT_GE(fu, s.fu_80) << s.name;
    }
    /* the three grades the splice offers for plates, dowels and bolts, as the catalogue README
  ** states them: S275 and S355 carry a value below the one for t <= 40 mm */
    EXPECT_DOUBLE_EQ(Get_Stahlguete(5 | STAHL_EC_TABLE)->fu, 360.0);
    EXPECT_DOUBLE_EQ(Get_Stahlguete(6 | STAHL_EC_TABLE)->fu, 410.0);
    EXPECT_DOUBLE_EQ(Get_Stahlguete(7 | STAHL_EC_TABLE)->fu, 490.0);
}

/* EN 1993-1-8, Table 3.1: f_yb and f_ub of the bolt classes the splice offers. */
TEST(GradeStandards, BoltClasses)
{
    struct Bolt {
        uint32_t code;
        const char *name;
        double fyb, fub;
    };
    const Bolt table[] = {{23, "FK 4.6", 240, 400}, {24, "FK 4.8", 320, 400},
                          {25, "FK 5.6", 300, 500}, {26, "FK 5.8", 400, 500},
                          {27, "FK 8.8", 640, 800}, {28, "FK 10.9", 900, 1000}};
    for (int ec = 0; ec <= 1; ec++)
        for (const Bolt &b : table) {
            const uint32_t code = b.code | (ec ? STAHL_EC_TABLE : 0u);
            EXPECT_STREQ(Get_Stahlguete_Name(code), b.name);
            EXPECT_DOUBLE_EQ(Get_Stahlguete_Fy(code, 10.0), b.fyb) << b.name;
            EXPECT_DOUBLE_EQ(Get_Stahlguete_Fy(code, 60.0), b.fyb) << b.name;
            EXPECT_DOUBLE_EQ(Get_Stahlguete(code)->fu, b.fub) << b.name;
        }
}
