/*
** Tests of the steel-plate failure modes that the other Johansen tests leave out: the partial
** factor of each mode under DIN 1052, the design-value proof of EN 1995-1-1 with its extra
** factor, the two-hinge modes where they govern, and the yield moment by thread and steel.
** A dowel-type fastener of 12 mm in C24 (rho_k 350): f_h,0,k = 0.082 (1 - 0.01 * 12) 350
** = 25.256 N/mm² (EN 1995-1-1, eq. (8.32)); f_u 360: M_y,Rk = 0.3 * 360 * 12^2.6 = 69070.88 Nmm
** (eq. (8.30)); sqrt(2 M_y f_h d) = sqrt(2 * 69070.88 * 25.256 * 12) = 6470.46 N.
*/
#include <gtest/gtest.h>

#include "design_test_util.h"

namespace {

/* A fitted bolt 12 mm (embedment with d) beside steel plates of t_plate mm, timber t2 mm. */
Connection_Input Plate_Bolt(double t_plate, double t2, int planes, int proof_method)
{
    Connection_Input in{};
    in.vbm_type = 30;
    in.fitted_bolt = 1;
    in.steel_grade = -1;
    in.d = in.d_3 = 12.0;
    in.length = 200.0;
    in.shear_planes = planes;
    in.proof_method = proof_method;
    in.mat_1 = 12;
    in.mat_2 = 0;
    in.t1 = t_plate;
    in.t2 = t2;
    in.fu = 360.0;
    in.gamma_m_2 = 1.3;
    in.gamma_steel = 1.1;
    return in;
}

Connection_Result Outer_Rk(const Connection_Input &in)
{
    Connection_Result r{};
    r.rho_2 = 350.0;
    Calc_Rk_Outer_Plate(in, &r);
    return r;
}

Connection_Result Inner_Rk(int vbm_type, double d, int stainless, int threaded, double t)
{
    Connection_Result r{};
    Calc_Rk_Inner_Plate(/*proof_method=*/1, /*d=*/d, /*vbm_type=*/vbm_type, /*predrilled=*/0,
                        /*stainless=*/stainless, /*threaded_rod=*/threaded, /*fitted_bolt=*/1,
                        /*alpha_1=*/0.0, /*t1=*/t, /*rho_1=*/350.0, /*mat_1=*/0, /*grade_1=*/0,
                        /*fu=*/360.0, /*result=*/&r);
    return r;
}

} // namespace

/* DIN 1052 divides each mode by its own factor: 1.3 for embedment (11, 13, 16, 21), 1.2 for
** one hinge (14, 17), 1.1 for two hinges (12, 15, 18, 22); the smallest quotient governs and
** R_k is that quotient times its factor. */
TEST(JohansenModes, DinFactorsChooseTheOuterPlateMode)
{
    Standard_Scope din(false);
    /* thin plate 5 mm, 60 mm timber: R11 = (sqrt 2 - 1) 25.256 * 60 * 12 = 7532.19 / 1.3
    ** = 5794.00; R12 = 1.15 * 6470.46 = 7441.03 / 1.1 = 6764.58: mode 11 */
    Connection_Result r = Outer_Rk(Plate_Bolt(5.0, 60.0, 1, 1));
    EXPECT_EQ(r.rule_char, 11);
    EXPECT_NEAR(r.rd_lateral, 5794.00, 0.01);
    EXPECT_NEAR(r.rk_lateral, 7532.19, 0.01);
    EXPECT_DOUBLE_EQ(r.gamma_lateral, 1.3);
    /* thick plate 12 mm in double shear, 120 mm timber: R21 = 0.5 * 25.256 * 120 * 12
    ** = 18184.32 / 1.3 = 13987.94; R22 = 1.15 sqrt 2 * 6470.46 = 10523.21 / 1.1 = 9566.55:
    ** mode 22 */
    r = Outer_Rk(Plate_Bolt(12.0, 120.0, 2, 1));
    EXPECT_EQ(r.rule_char, 22);
    EXPECT_NEAR(r.rd_lateral, 9566.55, 0.01);
    EXPECT_NEAR(r.rk_lateral, 10523.21, 0.01);
    EXPECT_DOUBLE_EQ(r.gamma_lateral, 1.1);
}

TEST(JohansenModes, DinFactorsChooseTheInnerPlateMode)
{
    Standard_Scope din(false);
    /* 60 mm: R16 = 18184.32 / 1.3 = 13987.94; R17 = 18184.32 (sqrt(2 + 4 * 69070.88 /
    ** (25.256 * 12 * 3600)) - 1) = 9111.70 / 1.2 = 7593.08; R18 = 10523.21 / 1.1 = 9566.55:
    ** mode 17 */
    Connection_Result r = Inner_Rk(30, 12.0, 0, 0, 60.0);
    EXPECT_EQ(r.rule_char, 17);
    EXPECT_NEAR(r.rd_lateral, 7593.08, 0.01);
    EXPECT_NEAR(r.rk_lateral, 9111.70, 0.01);
    /* 200 mm: R16 = 60614.40 / 1.3, R17 = 25594.33 / 1.2 = 21328.61, R18 = 9566.55: mode 18
    ** with t_ef = 2 sqrt(M_y / (f_h d)) = 2 sqrt(69070.88 / 303.072) = 30.1929 mm */
    r = Inner_Rk(30, 12.0, 0, 0, 200.0);
    EXPECT_EQ(r.rule_char, 18);
    EXPECT_NEAR(r.rd_lateral, 9566.55, 0.01);
    EXPECT_NEAR(r.rk_lateral, 10523.21, 0.01);
    EXPECT_NEAR(r.t_ef, 30.1929, 1e-4);
}

/* The two-hinge mode of a thick outer plate in single shear governs in a thick timber:
** 200 mm gives R13 = 25.256 * 200 * 12 = 60614.40, R14 = 60614.40 (sqrt(2 + 4 * 69070.88 /
** (303.072 * 40000)) - 1) = 25594.33, R15 = 1.15 sqrt 2 * 6470.46 = 10523.21 (EN 1995-1-1,
** eq. (8.10)). */
TEST(JohansenModes, TwoHingesGovernBesideAThickOuterPlate)
{
    Standard_Scope en(true);
    const Connection_Result r = Outer_Rk(Plate_Bolt(12.0, 200.0, 1, 1));
    EXPECT_EQ(r.rule_char, 15);
    EXPECT_NEAR(r.rk_lateral, 10523.21, 0.01);
    /* outer plates of 8 mm on dowels of 8 mm in holes of 9 mm, GL24h (rho_k 385), double shear:
    ** the clearance 1 mm is not below 0.1 d = 0.8 mm, so the plates are thin (EN 1995-1-1,
    ** 8.2.3(1)): f_h = 0.082 (1 - 0.08) 385 = 29.0444, M_y = 0.3 * 360 * 8^2.6 = 24068.98,
    ** (8.12) k: 1.15 sqrt(2 * 24068.98 * 29.0444 * 8) = 3846.08 N, not (8.13) m: 2.3 sqrt(24068.98
    ** * 29.0444 * 8) = 5439.17 N of thick plates */
    Connection_Input in = Plate_Bolt(8.0, 100.0, 2, 1);
    in.vbm_type = 29;
    in.d = in.d_3 = 8.0;
    in.plate_hole_clearance = 1.0;
    Connection_Result thin{};
    thin.rho_2 = 385.0;
    Calc_Rk_Outer_Plate(in, &thin);
    EXPECT_EQ(thin.rule_char, 20);
    EXPECT_NEAR(thin.rk_lateral, 3846.08, 0.01);
}

/* The design-value proof under EN 1995-1-1 takes the modes with 1.0 and divides the two-hinge
** modes by 1.15 once more: thin plate 5 mm in double shear, 60 mm timber:
** R19 = 0.5 * 25.256 * 60 * 12 = 9092.16, R20 = 1.15 * 6470.46 / 1.15 = 6470.46: mode 20;
** in single shear R11 = 7532.19, R12 = 6470.46: mode 12. */
TEST(JohansenModes, DesignValueProofDividesTheHingeModes)
{
    Standard_Scope en(true);
    Connection_Result r = Outer_Rk(Plate_Bolt(5.0, 60.0, 2, 2));
    EXPECT_EQ(r.rule_char, 20);
    EXPECT_NEAR(r.rk_lateral, 6470.46, 0.01);
    r = Outer_Rk(Plate_Bolt(5.0, 60.0, 1, 2));
    EXPECT_EQ(r.rule_char, 12);
    EXPECT_NEAR(r.rk_lateral, 6470.46, 0.01);
}

/* A timber between two steel plates is the central member of a steel-timber-steel connection
** (EN 1995-1-1, (8.13)): per plane l 0.5 f_h t2 d and m 2.3 sqrt(M_y f_h d) = 1.15 sqrt 2 *
** 6470.46 = 10523.21 N with the rope effect, the same modes as thick outer plates in double shear
** (21, 22); the fitted bolt 12 mm at alpha 0, kmod 0.9, plates 12 mm (t >= d: thick). Plates
** t <= 0.5 d are thin ((8.12), j 0.5 f_h t2 d and k 1.15 sqrt(2 M_y f_h d), 19 and 20), and
** between them the two are interpolated (8.2.3(1)). */
TEST(JohansenModes, ATimberBetweenTwoPlatesIsTheCentralMember)
{
    auto between = [](int proof_method, double t2, double r_ax, double plate_t = 12.0) {
        Between_Plates_Result b{};
        Calc_Rk_Rd_Between_Plates(/*proof_method=*/proof_method, /*gamma_m=*/1.3,
                                  /*gamma_steel=*/1.1, /*kmod=*/0.9, /*d=*/12.0, /*vbm_type=*/30,
                                  /*predrilled=*/0, /*stainless=*/0, /*threaded_rod=*/0,
                                  /*fitted_bolt=*/1, /*alpha=*/0.0, /*t2=*/t2,
                                  /*plate_t=*/plate_t, /*plate_mat=*/12, /*clearance=*/0.0,
                                  /*rho=*/350.0,
                                  /*mat=*/0, /*grade=*/0, /*fu=*/360.0, /*r_ax=*/r_ax,
                                  /*out=*/&b);
        return b;
    };
    {
        Standard_Scope en(true);
        /* 60 mm: l = 0.5 * 25.256 * 60 * 12 = 9092.16 below m = 10523.21 (both / 1.3);
        ** R_d = 9092.16 / 1.3 * 0.9 = 6294.57 */
        Between_Plates_Result b = between(1, 60.0, 0.0);
        EXPECT_NEAR(b.fh, 25.256, 1e-9);
        EXPECT_NEAR(b.r_l, 9092.16, 0.01);
        EXPECT_NEAR(b.r_m, 10523.21, 0.01);
        EXPECT_EQ(b.mode, 21);
        EXPECT_DOUBLE_EQ(b.gamma, 1.3);
        EXPECT_NEAR(b.rk, 9092.16, 0.01);
        EXPECT_NEAR(b.rd, 6294.57, 0.01);
        /* 120 mm and an axial value of 8000 N: the bolt's rope effect min(0.25 * 10523.21,
        ** 8000 / 4) = 2000 N; m = 12523.21 governs */
        b = between(1, 120.0, 8000.0);
        EXPECT_NEAR(b.rope, 2000.0, 1e-9);
        EXPECT_EQ(b.mode, 22);
        EXPECT_NEAR(b.rk, 12523.21, 0.01);
        /* the design-value method: l = 9092.16 against m = 10523.21 / 1.15 = 9150.62 (l);
        ** R_d from f_h,d = 25.256 * 0.9 / 1.3 = 17.4849 and M_y,d = 69070.88 / 1.1 = 62791.71:
        ** min(0.5 * 17.4849 * 60 * 12, sqrt 2 sqrt(2 * 62791.71 * 17.4849 * 12)) =
        ** min(6294.57, 7259.45) */
        b = between(2, 60.0, 0.0);
        EXPECT_EQ(b.mode, 21);
        EXPECT_NEAR(b.rk, 9092.16, 0.01);
        EXPECT_NEAR(b.rd, 6294.57, 0.01);
        /* thin plates 6 mm (6 <= 0.5 * 12): j = 9092.16 against k = 1.15 sqrt(2 * 69070.88 *
        ** 25.256 * 12) = 1.15 * 6470.46 = 7441.03 (both / 1.3): k, R_d = 7441.03 / 1.3 * 0.9 =
        ** 5151.48 */
        b = between(1, 60.0, 0.0, 6.0);
        EXPECT_EQ(b.plate_class, 0);
        EXPECT_NEAR(b.r_k, 7441.03, 0.01);
        EXPECT_EQ(b.mode, 20);
        EXPECT_EQ(b.mode_thin, 20);
        EXPECT_NEAR(b.rk, 7441.03, 0.01);
        EXPECT_NEAR(b.rd, 5151.48, 0.01);
        /* plates 9 mm: k = 2 * 9 / 12 - 1 = 0.5 between thin k 7441.03 and thick l 9092.16:
        ** 0.5 * 7441.03 + 0.5 * 9092.16 = 8266.60, R_d = 8266.60 / 1.3 * 0.9 = 5723.03 */
        b = between(1, 60.0, 0.0, 9.0);
        EXPECT_EQ(b.plate_class, 1);
        EXPECT_DOUBLE_EQ(b.k, 0.5);
        EXPECT_EQ(b.mode_thin, 20);
        EXPECT_EQ(b.mode_thick, 21);
        EXPECT_NEAR(b.rk, 8266.60, 0.01);
        EXPECT_NEAR(b.rd, 5723.03, 0.01);
        /* no timber: nothing determinable */
        b = between(1, 0.0, 0.0);
        EXPECT_EQ(b.mode, 0);
        EXPECT_EQ(b.rk, 0.0);
    }
    {
        /* DIN 1052: R21 = 18184.32 / 1.3 = 13987.94 against R22 = 10523.21 / 1.1 = 9566.55 at
        ** 120 mm: mode 22, R_k = 10523.21, R_d = 9566.55 * 0.9 = 8609.90 */
        Standard_Scope din(false);
        const Between_Plates_Result b = between(1, 120.0, 0.0);
        EXPECT_EQ(b.mode, 22);
        EXPECT_DOUBLE_EQ(b.gamma, 1.1);
        EXPECT_NEAR(b.rk, 10523.21, 0.01);
        EXPECT_NEAR(b.rd, 8609.90, 0.01);
    }
}

/* The yield moment by thread and steel: a threaded rod of 12 mm takes the thread's effective
** diameter 10.9 mm, 0.3 * 360 * 10.9^2.6 = 53793.85 Nmm, right after the plain bolt of the same
** size (69070.88 Nmm); approved screws of the second family 8 mm: 23000 Nmm in carbon steel,
** 11000 Nmm in stainless steel (the approval's tables). */
TEST(JohansenModes, YieldMomentByThreadAndSteel)
{
    Standard_Scope en(true);
    EXPECT_NEAR(Inner_Rk(30, 12.0, 0, 0, 60.0).my_rk, 69070.88, 0.01);
    EXPECT_NEAR(Inner_Rk(30, 12.0, 0, 1, 60.0).my_rk, 53793.85, 0.01);
    EXPECT_NEAR(Inner_Rk(30, 12.0, 0, 0, 60.0).my_rk, 69070.88, 0.01);
    EXPECT_DOUBLE_EQ(Inner_Rk(14, 8.0, 0, 0, 60.0).my_rk, 23000.0);
    EXPECT_DOUBLE_EQ(Inner_Rk(14, 8.0, 1, 0, 60.0).my_rk, 11000.0);
}
