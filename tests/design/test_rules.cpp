/*
** Tests of the single-value rule functions that read a Vbm_Rule_Input: defaults, lateral capacity
** per shear plane, block-shear thicknesses, the limit check and the axial rule functions. Values
** worked by hand from EN 1995-1-1, 8.2 and 8.3 (full-precision pi in this rule set).
*/
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "design_test_util.h"

namespace {

Vbm_Rule_Input Rule_Input(int type, double d)
{
    Vbm_Rule_Input in{};
    Init_Vbm_Layout_Defaults(&in);
    in.vbm_type = type;
    in.d = d;
    in.steel_grade = -1;
    in.fu = 360.0;
    in.fitted_bolt = 1;
    in.grade1 = in.grade2 = Grade_Index(0, "C24");
    in.t1_a = in.t1 = 60.0;
    in.t2_a = in.t2 = 60.0;
    in.length = 120.0;
    in.screw_angle = 90.0;
    in.staple_angle = 90.0;
    in.washer_d = -1.0;
    in.service_class = 1;
    return in;
}

} // namespace

TEST(RuleInput, Defaults)
{
    Vbm_Rule_Input in{};
    in.washer_d = 33.0;
    in.d_k = 11.0;
    in.screw_angle = 45.0;
    in.t1 = 7.0;
    in.t2 = 8.0;
    /* fields whose default is 0 or null start otherwise */
    Vbm_Layered_Member layers{};
    in.layers1 = in.layers2 = &layers;
    in.mat1 = in.mat2 = 7;
    in.vbm_type = 9;
    in.resin_coated = in.predrilled = in.stainless = in.fitted_bolt = in.threaded_rod = 1;
    in.preset_value = 3.0;
    in.alpha1 = in.alpha2 = 0.5;
    in.preset_switch_1 = in.preset_switch_2 = in.preset_switch_3 = 1;
    Init_Vbm_Layout_Defaults(&in);
    EXPECT_EQ(in.layers1, nullptr);
    EXPECT_EQ(in.layers2, nullptr);
    EXPECT_EQ(in.mat1, 0);
    EXPECT_EQ(in.mat2, 0);
    EXPECT_EQ(in.vbm_type, 0);
    EXPECT_EQ(in.resin_coated + in.predrilled + in.stainless + in.fitted_bolt + in.threaded_rod, 0);
    EXPECT_EQ(in.preset_value, 0.0);
    EXPECT_EQ(in.alpha1, 0.0);
    EXPECT_EQ(in.alpha2, 0.0);
    EXPECT_EQ(in.preset_switch_1 + in.preset_switch_2 + in.preset_switch_3, 0);
    EXPECT_EQ(in.d, 6.0);
    EXPECT_EQ(in.length, 200.0);
    EXPECT_EQ(in.l_ef, 180.0);
    EXPECT_EQ(in.fu, 600.0);
    EXPECT_EQ(in.head_form, 2);
    EXPECT_EQ(in.grade1, 5);
    EXPECT_EQ(in.grade2, 5);
    EXPECT_EQ(in.steel_grade, 23);
    EXPECT_EQ(in.t1_eff, 60.0);
    EXPECT_EQ(in.t2_eff, 200.0);
    EXPECT_EQ(in.preset_angle, 90.0);
    for (double a : in.angles) EXPECT_DOUBLE_EQ(a, std::numbers::pi / 4.0);
    /* untouched */
    EXPECT_EQ(in.washer_d, 33.0);
    EXPECT_EQ(in.d_k, 11.0);
    EXPECT_EQ(in.screw_angle, 45.0);
    EXPECT_EQ(in.t1, 7.0);
    EXPECT_EQ(in.t2, 8.0);
    EXPECT_EQ(Get_Vbm_Catalogue_Alt(61), nullptr);
    EXPECT_EQ(Get_Vbm_Catalogue_Alt(46), Get_Simpson_Catalogue(1));
    EXPECT_EQ(Get_Vbm_Catalogue_Alt(45), Get_Simpson_Catalogue(0));
    EXPECT_EQ(Get_Vbm_Catalogue_Alt(0), Get_Vbm_Catalogue(0));
}

TEST(RuleLateral, DowelSingleAndDoubleShear)
{
    Standard_Scope en(true);
    Vbm_Rule_Input in = Rule_Input(29, 12.0);
    Vbm_Rule_Result r{};
    /* as the design run's modes without factors: R6 = 7441.03 governs */
    ASSERT_EQ(Calc_Fv_Rk(&in, 1, &r), 0);
    EXPECT_NEAR(r.Fv_Rk, 7441.03, 0.05);
    EXPECT_EQ(r.mode, 6);
    EXPECT_NEAR(r.fh1, 25.256, 1e-9);
    EXPECT_NEAR(r.My, 69070.9, 0.1);
    /* double shear with d 12.5: embedment with 12 mm (25.256), the modes with 12.5:
    ** My = 0.3 * 360 * 12.5^2.6 = 76805.1; R7 = 18942, R8 = 9471.0,
    ** R9 = 1.05 * 25.256 * 60 * 12.5 / 3 * (sqrt(4 + 12 * 76805.1 / (25.256 * 12.5 * 3600)) - 1)
    **    = 7911.80, R10 = 1.15 * sqrt(2 * 76805.1 * 25.256 * 12.5) = 8008.39 -> mode 9 */
    Vbm_Rule_Input dd = Rule_Input(29, 12.5);
    Vbm_Rule_Result q{};
    Calc_Fv_Rk(&dd, 2, &q);
    EXPECT_NEAR(q.fh1, 25.256, 1e-9);
    EXPECT_EQ(q.mode, 9);
    EXPECT_NEAR(q.Fv_Rk, 7911.80, 0.05);
    /* connectors and other shear-plane counts give nothing */
    Vbm_Rule_Input c = Rule_Input(25, 65.0);
    Vbm_Rule_Result z{};
    Calc_Fv_Rk(&c, 1, &z);
    EXPECT_EQ(z.Fv_Rk, 0.0);
    z.Fv_Rk = -3.0;
    Calc_Fv_Rk(&in, 3, &z);
    EXPECT_EQ(z.Fv_Rk, -3.0);
}

TEST(RuleLateral, StapleInGypsumFibreBoard)
{
    Standard_Scope en(true);
    Vbm_Rule_Input in = Rule_Input(1, 2.0);
    in.mat1 = 9;
    in.grade1 = 0;
    in.t1_a = 12.5;
    in.t2_a = 40.0;
    in.staple_angle = 20.0;
    in.fu = 600.0;
    Vbm_Rule_Result r{};
    /* fh1 = 7 * 2^-0.7 * 12.5^0.9 = 41.840; fh2 = 0.082 * 350 * 2^-0.3 = 23.312; My = 240 *
    ** 2^2.6 = 1455.09 (EN 1995-1-1, eq. (8.29)); single leg: mode 4 = 421.826; two legs, 1.5 / 2
    ** in gypsum fibre board, 0.7 for the crown: 2 * 0.75 * 0.7 * 421.826 = 442.917 */
    Calc_Fv_Rk(&in, 1, &r);
    EXPECT_EQ(in.fu, 800.0);
    EXPECT_EQ(r.mode, 4);
    EXPECT_NEAR(r.Fv_Rk, 442.917, 0.001);
}

TEST(RuleLateral, AluminiumPlateBearingCaps)
{
    Standard_Scope en(true);
    Vbm_Rule_Input in = Rule_Input(30, 12.0);
    in.mat1 = 16;
    in.grade1 = 999; /* unknown grade: fu 220 */
    in.t1_a = 3.0;
    Vbm_Rule_Result r{};
    /* thin plate, mode 11 = 0.4 * 18184.32 = 7273.73 (EN 1995-1-1, eq. (8.9a)); bearing
    ** 1.66 * 0.4 * 220 * 12 * 3 = 5258.88 governs */
    Calc_Fv_Rk(&in, 1, &r);
    EXPECT_NEAR(r.alu_bearing, 5258.88, 1e-6);
    EXPECT_NEAR(r.Fv_Rk, 5258.88, 1e-6);
    EXPECT_EQ(r.mode, 11);
}

TEST(RuleLateral, BlockShearThicknesses)
{
    Standard_Scope en(true);
    Vbm_Rule_Input in = Rule_Input(30, 12.0);
    in.mat1 = 12;
    in.t1 = in.t1_a = 10.0;
    Block_Shear_Values b{};
    /* t = 60, fh = 25.256, My = 69070.9: 0.4 t = 24; 1.4 sqrt(My / (fh d)) = 21.135;
    ** 2 sqrt(...) = 30.193; t (sqrt(2 + 4 * 0.063306) - 1) = 30.064; 10 mm plate: intermediate */
    Calc_Fh_Members(&in, &b);
    EXPECT_EQ(b.plate_class, 1);
    EXPECT_NEAR(b.t, 60.0, 1e-12);
    EXPECT_NEAR(b.fh, 25.256, 1e-9);
    EXPECT_NEAR(b.t_ef_a, 24.0, 1e-9);
    EXPECT_NEAR(b.t_ef_b, 21.135, 0.001);
    EXPECT_NEAR(b.t_ef_e, 30.193, 0.001);
    EXPECT_NEAR(b.t_ef_d, 30.064, 0.001);
    /* a plate as member 2: the timber is member 1 (60 mm at 90 degrees to the grain:
    ** 25.256 / (1.35 + 0.015 * 12) = 16.507) */
    Vbm_Rule_Input two = Rule_Input(30, 12.0);
    two.mat2 = 12;
    two.t2 = two.t2_a = 10.0;
    two.alpha1 = 90.0;
    Block_Shear_Values c{};
    Calc_Fh_Members(&two, &c);
    EXPECT_NEAR(c.fh, 25.256 / 1.53, 1e-9);
    EXPECT_NEAR(c.t, 60.0, 1e-12);
    /* and a plate as member 1 reads member 2 (along the grain), not member 1's angle */
    in.alpha1 = 90.0;
    Calc_Fh_Members(&in, &c);
    EXPECT_NEAR(c.fh, 25.256, 1e-9);
}

TEST(RuleLimits, Messages)
{
    {
        Standard_Scope en(true);
        Vbm_Rule_Input in = Rule_Input(11, 6.0);
        in.t1_a = 40.0;
        in.species_sfp = 1;
        int msg = -1, hint = -1;
        in.screw_angle = 20.0;
        EXPECT_EQ(Check_Vbm_Limits(1, &in, &msg, &hint), 1);
        EXPECT_EQ(msg, 1013);
        in.screw_angle = 10.0;
        EXPECT_EQ(Check_Vbm_Limits(1, &in, &msg, &hint), 0);
        EXPECT_EQ(msg, 0);
        EXPECT_EQ(hint, 1014);
        EXPECT_NEAR(in.rho_k1, 350.0, 1e-9);
        /* without a hint pointer the message rules answer the same */
        EXPECT_EQ(Check_Vbm_Limits(1, &in, &msg, nullptr), 0);
        Vbm_Rule_Input staple = Rule_Input(1, 1.8);
        staple.fu = 5.0;
        EXPECT_EQ(Check_Vbm_Limits(1, &staple, &msg, &hint), 1);
        EXPECT_EQ(msg, 87);
        Vbm_Rule_Input plates = Rule_Input(29, 12.0);
        plates.mat1 = plates.mat2 = 12;
        EXPECT_EQ(Check_Vbm_Limits(1, &plates, &msg, &hint), 1);
        EXPECT_EQ(msg, 12);
        /* each member reads its own grade: C24 rho_k 350, C30 rho_k 380 */
        Vbm_Rule_Input two = Rule_Input(29, 12.0);
        two.grade2 = Grade_Index(0, "C30");
        EXPECT_EQ(Check_Vbm_Limits(1, &two, &msg, &hint), 0);
        EXPECT_NEAR(two.rho_k1, 350.0, 1e-9);
        EXPECT_NEAR(two.rho_k2, 380.0, 1e-9);
        two.grade1 = two.grade2;
        two.grade2 = Grade_Index(0, "C24");
        EXPECT_EQ(Check_Vbm_Limits(1, &two, &msg, &hint), 0);
        EXPECT_NEAR(two.rho_k1, 380.0, 1e-9);
        EXPECT_NEAR(two.rho_k2, 350.0, 1e-9);
        Vbm_Rule_Input glued = Rule_Input(-1, 12.0);
        glued.rho_k1 = -7.0;
        EXPECT_EQ(Check_Vbm_Limits(1, &glued, &msg, &hint), 0);
        EXPECT_EQ(glued.rho_k1, -7.0);
    }
    Standard_Scope din(false);
    Vbm_Rule_Input in = Rule_Input(29, 12.0);
    in.t1_a = 20.0;
    int msg = 0;
    EXPECT_EQ(Check_Vbm_Limits(1, &in, &msg, nullptr), 1);
    EXPECT_EQ(msg, 21);
    /* DIN 1052: timber members of 24 mm at least, member 1 (21) before member 2 (26) */
    in.t1_a = in.t1 = 24.0;
    in.t2_a = in.t2 = 24.0;
    EXPECT_EQ(Check_Vbm_Limits(1, &in, &msg, nullptr), 0);
    EXPECT_EQ(msg, 0);
    in.t2_a = in.t2 = 23.9;
    EXPECT_EQ(Check_Vbm_Limits(1, &in, &msg, nullptr), 1);
    EXPECT_EQ(msg, 26);
}

TEST(RuleLimits, ApprovedScrewThicknessAndPenetration)
{
    Standard_Scope en(true);
    int msg = -1, hint = -1;
    /* ETA-12/0114 screw d 6 through 60 mm: the point needs 4 d = 24 mm beyond member 1 */
    Vbm_Rule_Input a = Rule_Input(11, 6.0);
    a.length = 83.0; /* 23 mm */
    EXPECT_EQ(Check_Vbm_Limits(1, &a, &msg, &hint), 1);
    EXPECT_EQ(msg, 146);
    a.length = 84.0; /* 24 mm */
    EXPECT_EQ(Check_Vbm_Limits(1, &a, &msg, &hint), 0);
    EXPECT_EQ(msg, 0);
    /* type 13 not pre-drilled, d 10: member 1 needs 40 mm (30 mm for every d) */
    Vbm_Rule_Input b = Rule_Input(13, 10.0);
    b.species_sfp = 1;
    b.t1_a = 39.9;
    EXPECT_EQ(Check_Vbm_Limits(1, &b, &msg, &hint), 1);
    EXPECT_EQ(msg, 41);
    b.t1_a = 40.0;
    EXPECT_EQ(Check_Vbm_Limits(1, &b, &msg, &hint), 0);
    b.t1_a = 29.9;
    EXPECT_EQ(Check_Vbm_Limits(1, &b, &msg, &hint), 1);
    EXPECT_EQ(msg, 41); /* 40 first, then the 40 mm rule */
    b.predrilled = 1;
    EXPECT_EQ(Check_Vbm_Limits(1, &b, &msg, &hint), 0);
    /* ETA-11/0190 screw: above 7.99 mm member 1 needs 30 mm, else 24 mm */
    Vbm_Rule_Input c = Rule_Input(14, 8.0);
    c.species_sfp = 1;
    c.t1_a = 29.9;
    EXPECT_EQ(Check_Vbm_Limits(1, &c, &msg, &hint), 1);
    EXPECT_EQ(msg, 53);
    c.t1_a = 30.0;
    EXPECT_EQ(Check_Vbm_Limits(1, &c, &msg, &hint), 0);
    c.d = 7.99;
    c.t1_a = 25.0;
    EXPECT_EQ(Check_Vbm_Limits(1, &c, &msg, &hint), 0);
    c.t1_a = 23.9;
    EXPECT_EQ(Check_Vbm_Limits(1, &c, &msg, &hint), 1);
    EXPECT_EQ(msg, 51);
}

TEST(RuleLimits, ThirdScrewFamilyInHardwoodAndLvl)
{
    Standard_Scope en(true);
    const int hard = 0; /* first hardwood grade */
    int msg = -1, hint = -1;
    /* softwood member 1 into hardwood member 2, d 8: the screw at most 160 mm, t2 at most 40 */
    Vbm_Rule_Input in = Rule_Input(50, 8.0);
    in.mat2 = 1;
    in.grade2 = hard;
    in.t2_a = in.t2 = 40.0;
    in.length = 150.0;
    EXPECT_EQ(Check_Vbm_Limits(1, &in, &msg, &hint), 0);
    in.length = 160.02;
    EXPECT_EQ(Check_Vbm_Limits(1, &in, &msg, &hint), 1);
    EXPECT_EQ(msg, 139);
    in.length = 150.0;
    in.t2_a = 40.02;
    EXPECT_EQ(Check_Vbm_Limits(1, &in, &msg, &hint), 1);
    EXPECT_EQ(msg, 139);
    in.t2_a = 40.0;
    in.d = 7.0; /* no approved length for 7 mm */
    EXPECT_EQ(Check_Vbm_Limits(1, &in, &msg, &hint), 1);
    EXPECT_EQ(msg, 139);
    /* hardwood on both sides, d 6: member 1 at most 60 mm */
    Vbm_Rule_Input both = Rule_Input(50, 6.0);
    both.mat1 = both.mat2 = 1;
    both.grade1 = both.grade2 = hard;
    both.t1_a = 60.0;
    EXPECT_EQ(Check_Vbm_Limits(1, &both, &msg, &hint), 0);
    both.t1_a = 60.01;
    EXPECT_EQ(Check_Vbm_Limits(1, &both, &msg, &hint), 1);
    EXPECT_EQ(msg, 138);
    both.d = 10.0; /* 70 mm for d 10 */
    both.t1_a = 70.0;
    EXPECT_EQ(Check_Vbm_Limits(1, &both, &msg, &hint), 0);
    both.t1_a = 70.01;
    EXPECT_EQ(Check_Vbm_Limits(1, &both, &msg, &hint), 1);
    EXPECT_EQ(msg, 138);
    /* hardwood member 1, softwood member 2, d 10: t1 at most 70 mm, length at most 200 */
    Vbm_Rule_Input head = Rule_Input(50, 10.0);
    head.mat1 = 1;
    head.grade1 = hard;
    head.t1_a = 70.0;
    head.length = 200.0;
    EXPECT_EQ(Check_Vbm_Limits(1, &head, &msg, &hint), 0);
    head.t1_a = 70.005;
    EXPECT_EQ(Check_Vbm_Limits(1, &head, &msg, &hint), 1);
    EXPECT_EQ(msg, 139);
    /* d 6 into softwood: t1 at most 40 mm, length at most 150 */
    Vbm_Rule_Input six = Rule_Input(50, 6.0);
    six.mat1 = 1;
    six.grade1 = hard;
    six.t1_a = 40.0;
    six.length = 150.0;
    EXPECT_EQ(Check_Vbm_Limits(1, &six, &msg, &hint), 0);
    six.t1_a = 45.0;
    EXPECT_EQ(Check_Vbm_Limits(1, &six, &msg, &hint), 1);
    EXPECT_EQ(msg, 139);
    /* the approved lengths end at 200.01 mm inclusive */
    head.t1_a = 70.0;
    head.length = 200.01;
    EXPECT_EQ(Check_Vbm_Limits(1, &head, &msg, &hint), 0);
    head.length = 200.02;
    EXPECT_EQ(Check_Vbm_Limits(1, &head, &msg, &hint), 1);
    head.length = 200.0;
    /* into hardwood the same window: 10 mm screws up to 200.01 */
    Vbm_Rule_Input into = Rule_Input(50, 10.0);
    into.mat2 = 1;
    into.grade2 = hard;
    into.t2_a = into.t2 = 40.0;
    into.length = 200.01;
    into.species_sfp = 1;
    EXPECT_EQ(Check_Vbm_Limits(1, &into, &msg, &hint), 0);
    into.species_sfp = 0; /* above 8 mm only spruce, fir, pine */
    EXPECT_EQ(Check_Vbm_Limits(1, &into, &msg, &hint), 1);
    EXPECT_EQ(msg, 63);
    /* LVL member 2 (material 17, no panel) thinner than 4 d in single shear: 32 mm for d 8 */
    Vbm_Rule_Input lvl = Rule_Input(50, 8.0);
    lvl.mat2 = 17;
    lvl.grade2 = 0;
    lvl.t2_a = 31.9;
    EXPECT_EQ(Check_Vbm_Limits(1, &lvl, &msg, &hint), 1);
    EXPECT_EQ(msg, 146);
    lvl.t2_a = 32.0;
    EXPECT_EQ(Check_Vbm_Limits(1, &lvl, &msg, &hint), 0);
    EXPECT_EQ(Check_Vbm_Limits(2, &lvl, &msg, &hint), 0);
    lvl.t2_a = 31.9;
    EXPECT_EQ(Check_Vbm_Limits(2, &lvl, &msg, &hint), 0); /* double shear: no such rule */
    /* a thin OSB member 1 (7 mm < 8) exempts from the penetration rules, with or without a
    ** hint pointer: the too long screw into hardwood gets no message 139 */
    Vbm_Rule_Input osb = Rule_Input(50, 8.0);
    osb.mat1 = 4;
    osb.grade1 = 1;
    osb.t1_a = osb.t1 = 7.0;
    osb.mat2 = 1;
    osb.grade2 = hard;
    osb.t2_a = osb.t2 = 40.0;
    osb.length = 180.0;
    EXPECT_EQ(Check_Vbm_Limits(1, &osb, &msg, &hint), 0);
    EXPECT_EQ(msg, 0);
    EXPECT_EQ(hint, 155);
    msg = -1;
    EXPECT_EQ(Check_Vbm_Limits(1, &osb, &msg, nullptr), 0);
    EXPECT_EQ(msg, 0);
}

TEST(RuleLimits, PanelHintsOfTheThirdScrewFamily)
{
    Standard_Scope en(true);
    int msg = -1, hint = -1;
    /* plywood (6) or material 8 under 6 mm: 154; OSB (4, 7) under 8 mm: 155; timber of 5 mm
    ** member 1 gives none (member 2 is 60 mm) */
    const struct {
        int mat;
        double t1;
        int hint;
    } cases[] = {{6, 5.0, 154}, {8, 5.0, 154}, {6, 6.0, 0}, {4, 7.0, 155}, {0, 5.0, 0}};
    for (const auto &c : cases) {
        Vbm_Rule_Input in = Rule_Input(50, 6.0);
        in.mat1 = c.mat;
        in.grade1 = c.mat == 0 ? Grade_Index(0, "C24") : 0;
        in.t1_a = in.t1 = c.t1;
        Check_Vbm_Limits(1, &in, &msg, &hint);
        EXPECT_EQ(hint, c.hint) << c.mat << " " << c.t1;
    }
}

TEST(RuleLimits, ThirdScrewFamilyInThickBeechLvl)
{
    Standard_Scope en(true);
    int msg = -1, hint = -1;
    /* not pre-drilled into beech LVL (material 19) of more than 400 mm with d 10 or more than
    ** 600 mm with d 8: 140; member 2 counts in single shear only */
    const struct {
        int mat1, mat2, planes;
        double d, t1, t2;
        int code;
    } cases[] = {{0, 19, 1, 10.0, 60.0, 450.0, 140}, {0, 19, 1, 10.0, 60.0, 400.0, 0},
                 {0, 19, 2, 10.0, 60.0, 450.0, 0},   {0, 0, 1, 10.0, 60.0, 450.0, 0},
                 {19, 0, 1, 8.0, 650.0, 60.0, 140},  {19, 0, 1, 8.0, 600.0, 60.0, 0}};
    for (const auto &c : cases) {
        Vbm_Rule_Input in = Rule_Input(50, c.d);
        in.species_sfp = 1;
        in.mat1 = c.mat1;
        in.mat2 = c.mat2;
        if (c.mat1 == 19) in.grade1 = 0;
        if (c.mat2 == 19) in.grade2 = 0;
        in.t1_a = in.t1 = c.t1;
        in.t2_a = in.t2 = c.t2;
        in.length = 200.0;
        Check_Vbm_Limits(c.planes, &in, &msg, &hint);
        EXPECT_EQ(msg, c.code) << c.mat1 << " " << c.mat2 << " " << c.planes << " " << c.t2;
    }
}

TEST(RuleLimits, HintsOfTheSecondScrewFamily)
{
    Standard_Scope en(true);
    int msg = -1, hint = -1;
    /* ETA-11/0190 screw d 4 (1.2 d = 4.8): a panel of material 6 thinner than 6 mm gives 150,
    ** a panel thinner than 8 mm 151, none from 8 mm; the hints come with the thickness
    ** message 51 of member 1 (below 24 mm) */
    const struct {
        int mat;
        double t1;
        int hint;
    } cases[] = {{6, 5.0, 150}, {6, 7.9, 151}, {6, 8.0, 0}, {10, 7.9, 151}, {0, 4.7, 157}};
    for (const auto &c : cases) {
        Vbm_Rule_Input in = Rule_Input(14, 4.0);
        in.mat1 = c.mat;
        in.grade1 = 0;
        in.t1_a = in.t1 = c.t1;
        EXPECT_EQ(Check_Vbm_Limits(1, &in, &msg, &hint), 1) << c.mat << " " << c.t1;
        EXPECT_EQ(msg, 51) << c.mat << " " << c.t1;
        EXPECT_EQ(hint, c.hint) << c.mat << " " << c.t1;
    }
    /* member 2 thinner than 1.2 d: 158; a flat axis (25 < 30 degrees): 1015 */
    Vbm_Rule_Input m2 = Rule_Input(14, 4.0);
    m2.t2_a = m2.t2 = 4.7;
    Check_Vbm_Limits(1, &m2, &msg, &hint);
    EXPECT_EQ(hint, 158);
    Vbm_Rule_Input flat = Rule_Input(14, 4.0);
    flat.screw_angle = 25.0;
    Check_Vbm_Limits(1, &flat, &msg, &hint);
    EXPECT_EQ(hint, 1015);
    flat.screw_angle = 30.0;
    EXPECT_EQ(Check_Vbm_Limits(1, &flat, &msg, &hint), 0);
    EXPECT_EQ(hint, 0);
}

namespace {

/* One change of the screw input of the limit check: type, d, length, materials and
** thicknesses, pre-drilling, species, stainless steel, service class; the expected message. */
struct Limit_Row {
    int type;
    double d, length;
    int mat1, grade1;
    double t1;
    int mat2, grade2;
    double t2;
    int pre, species, stainless, service_class, message;
};

void Check_Limit_Rows(const Limit_Row *rows, int n)
{
    for (int k = 0; k < n; k++) {
        const Limit_Row &c = rows[k];
        Vbm_Rule_Input in = Rule_Input(c.type, c.d);
        in.length = c.length;
        in.mat1 = c.mat1;
        if (c.grade1 >= 0) in.grade1 = c.grade1;
        in.t1_a = in.t1 = c.t1;
        in.mat2 = c.mat2;
        if (c.grade2 >= 0) in.grade2 = c.grade2;
        in.t2_a = in.t2 = c.t2;
        in.predrilled = c.pre;
        in.species_sfp = c.species;
        in.stainless = c.stainless;
        in.service_class = c.service_class;
        in.d_k = 20.0;
        int msg = -1;
        EXPECT_EQ(Check_Vbm_Limits(1, &in, &msg, nullptr), c.message != 0 ? 1 : 0) << "row " << k;
        EXPECT_EQ(msg, c.message) << "row " << k;
    }
}

} // namespace

TEST(RuleLimits, SecondScrewFamilyRowByRow)
{
    /* ETA-11/0190 screw of type 14 (15 beside a steel plate), stainless, spruce, 120 mm long
    ** through two 60 mm C24 members; each row breaks one rule */
    Standard_Scope en(true);
    const Limit_Row rows[] = {
        // clang-format off
        {14, 6.0, 120.0, 0, -1, 60.0, 0, -1, 60.0, 0, 1, 1, 1, 0},
        {14, 6.0, 120.0, 5, 0, 60.0, 0, -1, 60.0, 0, 1, 1, 1, 33},   /* plasterboard */
        {14, 6.0, 120.0, 9, 0, 60.0, 0, -1, 60.0, 0, 1, 1, 1, 35},   /* gypsum fibreboard */
        {14, 6.0, 120.0, 12, 0, 10.0, 0, -1, 60.0, 0, 1, 1, 1, 36},  /* type 14 on a plate */
        {15, 6.0, 120.0, 12, 0, 10.0, 0, -1, 60.0, 0, 1, 1, 1, 0},
        {14, 6.0, 120.0, 4, 0, 7.0, 0, -1, 60.0, 0, 1, 1, 1, 39},    /* OSB below 1.2 d */
        {14, 6.0, 120.0, 4, 1, 11.0, 0, -1, 60.0, 0, 1, 1, 1, 66},   /* OSB 3 below 12 mm */
        {14, 6.0, 120.0, 4, 1, 12.0, 0, -1, 60.0, 0, 1, 1, 1, 0},
        {14, 12.0, 300.0, 0, -1, 79.9, 0, -1, 100.0, 0, 1, 1, 1, 55},
        {14, 12.0, 300.0, 0, -1, 100.0, 0, -1, 79.9, 0, 1, 1, 1, 59},
        {14, 10.0, 300.0, 0, -1, 39.9, 0, -1, 100.0, 0, 1, 1, 1, 54},
        {14, 10.0, 300.0, 0, -1, 100.0, 0, -1, 39.9, 0, 1, 1, 1, 58},
        {14, 8.0, 300.0, 0, -1, 29.9, 0, -1, 100.0, 0, 1, 1, 1, 53},
        {14, 8.0, 300.0, 0, -1, 100.0, 0, -1, 29.9, 0, 1, 1, 1, 57},
        {14, 6.0, 120.0, 0, -1, 23.9, 0, -1, 60.0, 0, 1, 1, 1, 51},
        {14, 6.0, 120.0, 0, -1, 60.0, 0, -1, 23.9, 0, 1, 1, 1, 52},
        {14, 8.0, 300.0, 0, -1, 100.0, 0, -1, 100.0, 0, 0, 1, 1, 61}, /* another species */
        {14, 8.0, 300.0, 0, -1, 100.0, 0, -1, 100.0, 1, 0, 1, 1, 0},
        {14, 6.0, 120.0, 0, -1, 60.0, 4, 0, 60.0, 0, 1, 1, 1, 34},   /* a board as member 2 */
        {14, 6.0, 120.0, 0, -1, 60.0, 0, -1, 60.0, 0, 1, 0, 3, 64},  /* carbon steel, class 3 */
        {14, 6.0, 120.0, 0, -1, 60.0, 0, -1, 60.0, 0, 1, 0, 2, 0},
        {14, 4.0, 120.0, 0, -1, 60.0, 0, -1, 60.0, 0, 1, 0, 2, 65},  /* 4 mm beyond class 1 */
        {14, 4.0, 120.0, 0, -1, 60.0, 0, -1, 60.0, 0, 1, 0, 1, 0},
        {14, 2.9, 120.0, 0, -1, 60.0, 0, -1, 60.0, 0, 1, 1, 1, 4},
        {14, 6.0, 19.0, 0, -1, 60.0, 0, -1, 60.0, 0, 1, 1, 1, 5},
        // clang-format on
    };
    Check_Limit_Rows(rows, sizeof rows / sizeof rows[0]);
}

TEST(RuleLimits, FirstScrewFamilyRowByRow)
{
    /* ETA-12/0114 screw of type 11 (13 for its own thickness rules), spruce, not pre-drilled,
    ** 120 mm long through two 60 mm C24 members; each row breaks one rule */
    Standard_Scope en(true);
    const Limit_Row rows[] = {
        // clang-format off
        {11, 6.0, 120.0, 0, -1, 60.0, 0, -1, 60.0, 0, 1, 0, 1, 0},
        {11, 6.0, 120.0, 0, -1, 60.0, 4, 0, 60.0, 0, 1, 0, 1, 69},   /* a board as member 2 */
        {11, 6.0, 120.0, 4, 0, 7.5, 0, -1, 60.0, 0, 1, 0, 1, 70},    /* OSB below 8 mm */
        {11, 6.0, 120.0, 4, 0, 8.0, 0, -1, 60.0, 0, 1, 0, 1, 0},
        {11, 4.0, 120.0, 6, 0, 5.5, 0, -1, 60.0, 0, 1, 0, 1, 70},    /* plywood below 6 mm */
        {11, 6.0, 120.0, 0, -1, 11.9, 0, -1, 60.0, 0, 1, 0, 1, 70},  /* timber below 12 mm */
        {11, 6.0, 120.0, 0, -1, 12.0, 0, -1, 60.0, 0, 1, 0, 1, 0},
        {11, 6.0, 120.0, 5, 0, 60.0, 0, -1, 60.0, 0, 1, 0, 1, 31},   /* plasterboard */
        {11, 6.0, 120.0, 9, 0, 60.0, 0, -1, 60.0, 0, 1, 0, 1, 32},   /* gypsum fibreboard */
        {11, 12.0, 120.0, 6, 0, 60.0, 0, -1, 60.0, 0, 1, 0, 1, 38},  /* head 20 without washer */
        {11, 12.0, 120.0, 0, -1, 60.0, 6, 0, 14.0, 0, 1, 0, 1, 37},  /* panel below 1.2 d */
        {13, 6.0, 120.0, 0, -1, 29.9, 0, -1, 60.0, 0, 1, 0, 1, 40},
        {13, 6.0, 120.0, 0, -1, 60.0, 0, -1, 29.9, 0, 1, 0, 1, 43},
        {13, 12.0, 300.0, 0, -1, 79.9, 0, -1, 100.0, 0, 1, 0, 1, 42},
        {13, 12.0, 300.0, 0, -1, 100.0, 0, -1, 79.9, 0, 1, 0, 1, 45},
        {13, 10.0, 300.0, 0, -1, 39.9, 0, -1, 100.0, 0, 1, 0, 1, 41},
        {13, 10.0, 300.0, 0, -1, 100.0, 0, -1, 39.9, 0, 1, 0, 1, 44},
        {13, 12.0, 300.0, 0, -1, 100.0, 0, -1, 100.0, 0, 1, 0, 1, 0},
        {11, 6.0, 120.0, 1, 0, 60.0, 0, -1, 60.0, 0, 1, 0, 1, 68},   /* hardwood */
        {11, 6.0, 120.0, 1, 0, 60.0, 0, -1, 60.0, 1, 1, 0, 1, 0},
        {11, 8.0, 120.0, 0, -1, 60.0, 0, -1, 60.0, 0, 0, 0, 1, 62},  /* another species */
        {11, 2.9, 120.0, 0, -1, 60.0, 0, -1, 60.0, 0, 1, 0, 1, 4},
        {11, 2.9, 9.0, 0, -1, 0.0, 0, -1, 60.0, 0, 1, 0, 1, 5},
        {11, 6.0, 9.0, 12, 0, 5.0, 0, -1, 60.0, 0, 1, 0, 1, 5},
        {12, 6.0, 120.0, 12, 0, 10.0, 0, -1, 60.0, 0, 1, 0, 1, 36},  /* washer head on a plate */
        {11, 6.0, 120.0, 12, 0, 10.0, 0, -1, 60.0, 0, 1, 0, 1, 0},   /* countersunk head */
        {12, 6.0, 120.0, 0, -1, 60.0, 0, -1, 60.0, 0, 1, 0, 1, 0},
        // clang-format on
    };
    Check_Limit_Rows(rows, sizeof rows / sizeof rows[0]);
    /* a washer as wide as the head of 20 mm admits the 12 mm screw in the panel */
    Vbm_Rule_Input w = Rule_Input(11, 12.0);
    w.mat1 = 6;
    w.grade1 = 0;
    w.species_sfp = 1;
    w.d_k = 20.0;
    w.washer_d = 20.0;
    int msg = -1;
    EXPECT_EQ(Check_Vbm_Limits(1, &w, &msg, nullptr), 0);
    EXPECT_EQ(msg, 0);
    w.washer_d = 19.9;
    EXPECT_EQ(Check_Vbm_Limits(1, &w, &msg, nullptr), 1);
    EXPECT_EQ(msg, 38);
}

TEST(RuleLimits, NailsStaplesAndScrewsOfEveryStandard)
{
    int msg = -1, hint = -1;
    {
        /* EN 1995-1-1 with the annex variant: nail d 4 in C24 needs 14 d = 56 mm against
        ** splitting (eq. (8.19)), 7 d = 28 mm by the rule for less sensitive species
        ** (eq. (8.18)); member 2 first (15, 19), then member 1 (14, 18); not when pre-drilled */
        Standard_Scope en(true, 1);
        const struct {
            double t1, t2;
            int split, pre, message;
        } rows[] = {
            {60, 60, 0, 0, 0},  {60, 50, 0, 0, 15}, {50, 60, 0, 0, 14}, {60, 27, 1, 0, 19},
            {27, 60, 1, 0, 18}, {28, 28, 1, 0, 0},  {50, 50, 0, 1, 0},
        };
        for (const auto &c : rows) {
            Vbm_Rule_Input in = Rule_Input(0, 4.0);
            in.t1_a = in.t1 = c.t1;
            in.t2_a = in.t2 = c.t2;
            in.split_rule = c.split;
            in.predrilled = c.pre;
            EXPECT_EQ(Check_Vbm_Limits(1, &in, &msg, &hint), c.message ? 1 : 0)
                << c.t1 << " " << c.t2;
            EXPECT_EQ(msg, c.message) << c.t1 << " " << c.t2;
        }
        /* hints: a special nail with less than 6 d = 24 of point (161), a pre-drilled nail (159),
        ** a wood screw whose member 2 is thinner than 6 d (163), a staple with less than
        ** 12 d = 18 of point (162) and through thin panels (147) */
        Vbm_Rule_Input sp = Rule_Input(16, 4.0);
        sp.length = 83.0;
        EXPECT_EQ(Check_Vbm_Limits(1, &sp, &msg, &hint), 0);
        EXPECT_EQ(hint, 161);
        sp.length = 84.0;
        Check_Vbm_Limits(1, &sp, &msg, &hint);
        EXPECT_EQ(hint, 0);
        Vbm_Rule_Input pre = Rule_Input(0, 4.0);
        pre.predrilled = 1;
        Check_Vbm_Limits(1, &pre, &msg, &hint);
        EXPECT_EQ(hint, 159);
        Vbm_Rule_Input ws = Rule_Input(2, 6.0);
        ws.t2_a = ws.t2 = 35.0;
        Check_Vbm_Limits(1, &ws, &msg, &hint);
        EXPECT_EQ(hint, 163);
        Vbm_Rule_Input st = Rule_Input(1, 1.5);
        st.length = 77.0;
        EXPECT_EQ(Check_Vbm_Limits(1, &st, &msg, &hint), 0);
        EXPECT_EQ(hint, 162);
        st.length = 100.0;
        st.mat1 = 6;
        st.grade1 = 0;
        st.t1_a = st.t1 = 5.0;
        Check_Vbm_Limits(1, &st, &msg, &hint);
        EXPECT_EQ(hint, 147);
        st.mat1 = 4;
        st.t1_a = st.t1 = 7.0;
        Check_Vbm_Limits(1, &st, &msg, &hint);
        EXPECT_EQ(hint, 147);
        st.t1_a = st.t1 = 8.0;
        Check_Vbm_Limits(1, &st, &msg, &hint);
        EXPECT_EQ(hint, 0);
        /* no diameter (4) or no length (5) */
        Vbm_Rule_Input none = Rule_Input(0, 0.05);
        none.split_rule = 1;
        EXPECT_EQ(Check_Vbm_Limits(1, &none, &msg, &hint), 1);
        EXPECT_EQ(msg, 4);
        none.length = 0.05;
        EXPECT_EQ(Check_Vbm_Limits(1, &none, &msg, &hint), 1);
        EXPECT_EQ(msg, 5);
    }
    /* without the annex variant special nails are not admitted (94) */
    Standard_Scope en(true, 0);
    Vbm_Rule_Input sp = Rule_Input(16, 4.0);
    EXPECT_EQ(Check_Vbm_Limits(1, &sp, &msg, &hint), 1);
    EXPECT_EQ(msg, 94);
}

TEST(RuleAxial, WithdrawalAndThreadInsideTheMember)
{
    Standard_Scope en(true);
    const int c24 = Grade_Index(0, "C24");
    double f = -1.0, l = -1.0;
    int code = -1;
    /* nothing of the fastener inside the member */
    EXPECT_EQ(Calc_Vbm_Axial_Value(/*type=*/0, /*unused=*/0, /*layered=*/nullptr, /*mat=*/0,
                                   /*grade=*/c24, /*fibre_saturated=*/0, /*resin_coated=*/0,
                                   /*staple_angle=*/90.0, /*unused_d=*/0.0, /*predrilled=*/0,
                                   /*predrill_core=*/0, /*d=*/4.0, /*d1=*/0.0, /*t=*/60.0,
                                   /*l_g=*/100.0, /*x_a=*/10.0, /*x_e=*/10.05, /*alpha=*/90.0,
                                   /*table=*/0, /*out_f_ax=*/&f, /*out_l=*/&l,
                                   /*out_code=*/&code),
              0.0);
    EXPECT_EQ(f, 0.0);
    EXPECT_EQ(l, 0.0);
    EXPECT_EQ(code, 0);
    /* the tip passes the 60 mm member: l = 60; 20e-6 * 350² = 2.45; 4 * 2.45 * 60 = 588 */
    EXPECT_NEAR(Calc_Vbm_Axial_Value(/*type=*/0, /*unused=*/0, /*layered=*/nullptr, /*mat=*/0,
                                     /*grade=*/c24, /*fibre_saturated=*/0, /*resin_coated=*/0,
                                     /*staple_angle=*/90.0, /*unused_d=*/0.0, /*predrilled=*/0,
                                     /*predrill_core=*/0, /*d=*/4.0, /*d1=*/0.0, /*t=*/60.0,
                                     /*l_g=*/100.0, /*x_a=*/0.0, /*x_e=*/70.0, /*alpha=*/90.0,
                                     /*table=*/0, /*out_f_ax=*/&f, /*out_l=*/&l,
                                     /*out_code=*/&code),
                588.0, 1e-9);
    EXPECT_NEAR(l, 60.0, 1e-12);
    EXPECT_NEAR(f, 2.45, 1e-12);
    /* tip at 50, thread 100 long: only the 50 mm inside count: 4 * 2.45 * 50 = 490 */
    EXPECT_NEAR(Calc_Vbm_Axial_Value(/*type=*/0, /*unused=*/0, /*layered=*/nullptr, /*mat=*/0,
                                     /*grade=*/c24, /*fibre_saturated=*/0, /*resin_coated=*/0,
                                     /*staple_angle=*/90.0, /*unused_d=*/0.0, /*predrilled=*/0,
                                     /*predrill_core=*/0, /*d=*/4.0, /*d1=*/0.0, /*t=*/60.0,
                                     /*l_g=*/100.0, /*x_a=*/0.0, /*x_e=*/50.0, /*alpha=*/90.0,
                                     /*table=*/0, /*out_f_ax=*/&f, /*out_l=*/&l,
                                     /*out_code=*/&code),
                490.0, 1e-9);
}

TEST(RuleAxial, TensileCompressionAndHead)
{
    Standard_Scope en(true);
    /* a staple carries with both legs */
    EXPECT_NEAR(Get_Vbm_Ftens_Rk(1, 0, 1.8, 0, -1, 800.0),
                2.0 * Get_Vbm_Ftens_Rk(0, 0, 1.8, 0, -1, 800.0), 1e-9);
    /* pi 1.8² / 4 * 800 / 1.25 = 1628.6 */
    EXPECT_NEAR(Get_Vbm_Ftens_Rk(0, 0, 1.8, 0, -1, 800.0), 1628.60, 0.01);
    EXPECT_EQ(Get_Vbm_Ftens_Rk(45, 0, 3.1, 0, -1, 0.0), 4500.0);
    /* third family, 8 mm, t = 400: f_y,k 800 -> N_pl = 800 pi 5.4² / 4 = 18321.8 */
    double out[10];
    Calc_Screw_Buckling(/*mat=*/0, /*grade=*/Grade_Index(0, "C24"), /*type=*/50, /*stainless=*/0,
                        /*d=*/8.0, /*d1=*/5.4, /*t=*/400.0, /*l=*/100.0, /*alpha=*/90.0,
                        /*predrilled=*/0, /*out=*/out);
    EXPECT_NEAR(out[7], 18321.77, 0.01);
    Calc_Screw_Buckling(/*mat=*/0, /*grade=*/Grade_Index(0, "C24"), /*type=*/29, /*stainless=*/0,
                        /*d=*/8.0, /*d1=*/5.4, /*t=*/400.0, /*l=*/100.0, /*alpha=*/90.0,
                        /*predrilled=*/0, /*out=*/out);
    EXPECT_EQ(out[8], 0.0);
    /* a plain nail in a layered user material sets 1023 */
    int code = 0;
    double fh = -1.0;
    Calc_Fax_Rk(/*type=*/0, /*mat=*/-10, /*grade=*/0, /*t=*/20.0, /*head_form=*/0, /*d=*/4.0,
                /*D=*/10.0, /*d1=*/0.0, /*washer=*/0, /*fibre_saturated=*/0, /*unused=*/0,
                /*staple_angle=*/90.0, /*out_f_head=*/&fh, /*out_code=*/&code);
    EXPECT_EQ(code, 1023);
    /* washer bearing: 3 * 2.5 * pi/4 (44² - 13²) = 3 * 2.5 * 1387.81 = 10408.5 */
    EXPECT_NEAR(Calc_Vbm_Washer_Bearing(0, 2.5, 60.0, 12.0, 44.0), 10408.5, 0.1);
}

TEST(RuleAxial, CopyAndMemberRecords)
{
    Standard_Scope en(true);
    Vbm_Rule_Result rule{};
    rule.fh1 = 26.0;
    rule.fh2 = 13.0;
    rule.My = 69070.9;
    rule.Fv_Rk = 7441.0;
    rule.mode = 6;
    Connection_Result r{};
    r.kmod_1 = 0.8;
    r.kmod_2 = 0.9;
    /* fh1,d = 26 * 0.8 / 1.3 = 16; fh2,d = 13 * 0.9 / 1.3 = 9; rd = 7441 sqrt(0.72) / 1.3 */
    Copy_Vbm_Rule_Result(&r, &rule, 1.3, 1.3);
    EXPECT_NEAR(r.fh1_d, 16.0, 1e-12);
    EXPECT_NEAR(r.fh2_d, 9.0, 1e-12);
    EXPECT_NEAR(r.rd_lateral, 7441.0 * std::sqrt(0.72) / 1.3, 1e-9);
    EXPECT_EQ(r.rule_char, 6);
    EXPECT_EQ(r.rk_lateral, 7441.0);
    /* a member record of steel: plate rule D = min(12 t, 4 d) = min(120, 48): pi/4 (48² - 13²)
    ** = 1676.83; times 3 f_c90 with f_c90 of the record's material (0 for steel) */
    Vbm_Member_Record plate{12, 0, 10.0};
    EXPECT_EQ(Calc_Vbm_Washer_Bearing_Member(&plate, 0, 1, 12.0, 44.0), 0.0);
    EXPECT_EQ(Calc_Vbm_Washer_Bearing_Member(nullptr, 0, 1, 12.0, 44.0), 0.0);
    EXPECT_EQ(Calc_Screw_Compression_Layered(nullptr, 14, 0, 8.0, 5.4, 100.0, 90.0), 0.0);
    EXPECT_EQ(Calc_Vbm_Withdrawal_Layered(nullptr, 16, 0, 0, 4.0, 60.0, 90.0), 0.0);
}

TEST(RuleLateral, EveryModeOfTheTimberPairs)
{
    Standard_Scope en(true);
    /* dowel d 12 (fu 360, My 69070.9): member 1 along the grain fh1 = 25.256, member 2 across it
    ** fh2 = 25.256 / 1.53 = 16.5072, beta = 0.65359. Single shear by t1 / t2 (EN 1995-1-1,
    ** eq. (8.6), worked for each pair):
    **   10 / 60: (a) 25.256 * 10 * 12 = 3030.72          60 / 10: (b) 1980.86
    **   30 / 60: (c) 4526.75                              25 / 100: (d) 4534.09
    **   60 / 60: (e) 5677.50                              200 / 200: (f) 6615.89 */
    const struct {
        double t1, t2;
        int mode;
        double v;
    } single[] = {{10, 60, 1, 3030.72},    {60, 10, 2, 1980.8627}, {30, 60, 3, 4526.7527},
                  {25, 100, 4, 4534.0934}, {60, 60, 5, 5677.4990}, {200, 200, 6, 6615.8855}};
    for (const auto &c : single) {
        Vbm_Rule_Input in = Rule_Input(29, 12.0);
        in.alpha2 = 90.0;
        in.t1_a = c.t1;
        in.t2_a = c.t2;
        Vbm_Rule_Result r{};
        Calc_Fv_Rk(&in, 1, &r);
        EXPECT_EQ(r.mode, c.mode) << c.t1 << " " << c.t2;
        EXPECT_NEAR(r.Fv_Rk, c.v, 1e-3) << c.t1 << " " << c.t2;
        EXPECT_NEAR(r.fh2, 16.50719, 1e-5);
    }
    /* a fitted bolt with an axial value of 4000: the rope effect min(0.25 part, 1000) on the
    ** modes (c) to (f): 25 / 100: 4534.09 + 1000; 30 / 60: 4526.75 + 1000; 60 / 60: 5677.50 + 1000;
    ** 200 / 200: 6615.89 + 1000 */
    const struct {
        double t1, t2;
        int mode;
        double v;
    } roped[] = {{25, 100, 4, 5534.0934},
                 {30, 60, 3, 5526.7527},
                 {60, 60, 5, 6677.4990},
                 {200, 200, 6, 7615.8855}};
    for (const auto &c : roped) {
        Vbm_Rule_Input in = Rule_Input(30, 12.0);
        in.alpha2 = 90.0;
        in.t1_a = c.t1;
        in.t2_a = c.t2;
        in.f_ax_rope = 4000.0;
        Vbm_Rule_Result r{};
        Calc_Fv_Rk(&in, 1, &r);
        EXPECT_EQ(r.mode, c.mode) << c.t1 << " " << c.t2;
        EXPECT_NEAR(r.Fv_Rk, c.v, 1e-3) << c.t1 << " " << c.t2;
    }
    /* double shear (eq. (8.7)): 10 / 60 (g) 3030.72; 60 / 10 (h) 0.5 * 25.256 * 10 * 12 * 0.65359
    ** = 990.43; 30 / 60 (j) 4770.08; 200 / 200 (k) 6615.89 */
    const struct {
        double t1, t2;
        int mode;
        double v;
    } dbl[] = {{10, 60, 7, 3030.72},
               {60, 10, 8, 990.4314},
               {30, 60, 9, 4770.0753},
               {200, 200, 10, 6615.8855}};
    for (const auto &c : dbl) {
        Vbm_Rule_Input in = Rule_Input(29, 12.0);
        in.alpha2 = 90.0;
        in.t1_a = c.t1;
        in.t2_a = c.t2;
        Vbm_Rule_Result r{};
        Calc_Fv_Rk(&in, 2, &r);
        EXPECT_EQ(r.mode, c.mode) << c.t1 << " " << c.t2;
        EXPECT_NEAR(r.Fv_Rk, c.v, 1e-3) << c.t1 << " " << c.t2;
    }
    /* no embedment strength (a member without rule): 0 and the status */
    Vbm_Rule_Input none = Rule_Input(29, 12.0);
    none.mat2 = 15;
    Vbm_Rule_Result z{};
    Calc_Fv_Rk(&none, 1, &z);
    EXPECT_EQ(z.Fv_Rk, 0.0);
    EXPECT_EQ(z.fh2_status, 169);
    Calc_Fv_Rk(&none, 2, &z);
    EXPECT_EQ(z.Fv_Rk, 0.0);
}

TEST(RuleLateral, WoodScrewThroughAThickOuterPlate)
{
    Standard_Scope en(true);
    /* DIN 571 screw d 6, fu 400, under a 6 mm plate (thick: t >= d) into 60 mm of C24:
    ** fh = 0.082 * 350 * 6^-0.3 = 16.76627, My = 0.15 * 400 * 6^2.6 = 6329.14, My_f = 12658.27;
    ** ra = sqrt 2 sqrt(2 My_f fh d) = 2256.89, rb = sqrt 2 sqrt((My_f + My) fh d) = 1954.53,
    ** rb / (d fh) = 19.43; (14) with My_f = 2793.45, (13) = 6035.86.
    ** t_s = 100 - 6 - 89 = 5: rc = sqrt 2 sqrt(2 My fh d) + 5 fh d = 2098.85, rb is kept:
    **   (15) = 1.15 * 1954.53 = 2247.71;
    ** t_s = 100 - 6 - 69 = 25 > 19.43: rb is replaced by ra, rc = 4110.80: 1.15 * 2256.89 =
    **   2595.43 */
    const struct {
        double l_ef, v;
    } cases[] = {{89.0, 2247.7065}, {69.0, 2595.4279}};
    for (const auto &c : cases) {
        Vbm_Rule_Input in = Rule_Input(2, 6.0);
        in.fitted_bolt = 0;
        in.fu = 400.0;
        in.mat1 = 12;
        in.grade1 = 0;
        in.t1_a = 6.0;
        in.length = 100.0;
        in.l_ef = c.l_ef;
        Vbm_Rule_Result r{};
        Calc_Fv_Rk(&in, 1, &r);
        EXPECT_EQ(r.plate_class, 2) << c.l_ef;
        EXPECT_EQ(r.mode, 15) << c.l_ef;
        EXPECT_NEAR(r.fh2, 16.76627, 1e-5);
        EXPECT_NEAR(r.Fv_Rk, c.v, 1e-3) << c.l_ef;
    }
}

TEST(RuleLateral, EveryModeOfTheSteelPlates)
{
    Standard_Scope en(true);
    /* outer plate (member 1), timber 60 mm along the grain, fitted bolt d 12 (fu 360):
    ** (11) 0.4 * 18184.32 = 7273.73 (EN 1995-1-1, eq. (8.9a)), (12) 1.15 sqrt(2 My fh d) =
    ** 7441.03, (13) 18184.32, (14) 9111.70, (15) 2.3 sqrt(My fh d) = 10523.21:
    ** thin (5 mm <= 0.5 d) 11; thick (12 mm) 14; 9 mm: k = 0.5, 0.5 * 9111.70 + 0.5 * 7273.73 =
    ** 8192.71, code 28 */
    const struct {
        double t;
        int cls, mode;
        double v;
    } single[] = {{5.0, 0, 11, 7273.728}, {12.0, 2, 14, 9111.7015}, {9.0, 1, 28, 8192.7148}};
    for (const auto &c : single) {
        Vbm_Rule_Input in = Rule_Input(30, 12.0);
        in.mat1 = 12;
        in.grade1 = 0;
        in.t1_a = c.t;
        Vbm_Rule_Result r{};
        Calc_Fv_Rk(&in, 1, &r);
        EXPECT_EQ(r.plate_class, c.cls) << c.t;
        EXPECT_EQ(r.mode, c.mode) << c.t;
        EXPECT_NEAR(r.Fv_Rk, c.v, 1e-3) << c.t;
        EXPECT_EQ(r.fh1, 0.0);
        EXPECT_NEAR(r.fh2, 25.256, 1e-9);
    }
    /* a thin timber (20 mm) under a thick plate: (13) 6061.44 below (14) and (15) */
    Vbm_Rule_Input th = Rule_Input(30, 12.0);
    th.mat1 = 12;
    th.grade1 = 0;
    th.t1_a = 12.0;
    th.t2_a = 20.0;
    Vbm_Rule_Result r13{};
    Calc_Fv_Rk(&th, 1, &r13);
    EXPECT_EQ(r13.mode, 13);
    EXPECT_NEAR(r13.Fv_Rk, 6061.44, 1e-6);
    /* a thin plate over 20 mm: (11) by EN 1995-1-1, eq. (8.9a) 0.4 * 6061.44 = 2424.576;
    ** DIN 1052 keeps 0.414214 * 6061.44 = 2510.73 */
    th.t1_a = 5.0;
    Calc_Fv_Rk(&th, 1, &r13);
    EXPECT_EQ(r13.mode, 11);
    EXPECT_NEAR(r13.Fv_Rk, 2424.576, 1e-3);
    {
        Standard_Scope din(false);
        Calc_Fv_Rk(&th, 1, &r13);
        EXPECT_EQ(r13.mode, 11);
        EXPECT_NEAR(r13.Fv_Rk, 2510.7307, 1e-3);
    }
    /* double shear with an inner plate (member 2): min(fh t1 d = 18184.32, 9111.70, 10523.21);
    ** with 200 mm of timber the third, 10523.21 */
    Vbm_Rule_Input inner = Rule_Input(30, 12.0);
    inner.mat2 = 12;
    inner.grade2 = 0;
    inner.t2_a = 10.0;
    Vbm_Rule_Result ri{};
    Calc_Fv_Rk(&inner, 2, &ri);
    EXPECT_NEAR(ri.Fv_Rk, 9111.7015, 1e-3);
    inner.t1_a = 200.0;
    Calc_Fv_Rk(&inner, 2, &ri);
    EXPECT_NEAR(ri.Fv_Rk, 10523.2101, 1e-3);
    /* a steel plate as member 2 in single shear carries nothing here */
    inner.t1_a = 60.0;
    Calc_Fv_Rk(&inner, 1, &ri);
    EXPECT_EQ(ri.Fv_Rk, 0.0);
    /* outer plates, double shear, t2 = 60: (19)/(21) 9092.16, (20) 7441.03, (22) 10523.21:
    ** thin 20, thick 21, intermediate 0.5 * 9092.16 + 0.5 * 7441.03 = 8266.60 code 23; with
    ** t2 = 200: thick 22 10523.21, intermediate 0.5 * 10523.21 + 0.5 * 7441.03 = 8982.12 code 24 */
    const struct {
        double t1, t2;
        int cls, mode;
        double v;
    } dbl[] = {{5.0, 60.0, 0, 20, 7441.0332},  {12.0, 60.0, 2, 21, 9092.16},
               {9.0, 60.0, 1, 23, 8266.5966},  {12.0, 200.0, 2, 22, 10523.2101},
               {9.0, 200.0, 1, 24, 8982.1217}, {5.0, 20.0, 0, 19, 3030.72}};
    for (const auto &c : dbl) {
        Vbm_Rule_Input in = Rule_Input(30, 12.0);
        in.mat1 = 12;
        in.grade1 = 0;
        in.t1_a = c.t1;
        in.t2_a = c.t2;
        Vbm_Rule_Result r{};
        Calc_Fv_Rk(&in, 2, &r);
        EXPECT_EQ(r.plate_class, c.cls) << c.t1 << " " << c.t2;
        EXPECT_EQ(r.mode, c.mode) << c.t1 << " " << c.t2;
        EXPECT_NEAR(r.Fv_Rk, c.v, 1e-3) << c.t1 << " " << c.t2;
    }
    /* a dowel with a steel grade takes the grade's fu (S235: 360) in the plate branches, a
    ** bolt without a grade the given fu */
    Vbm_Rule_Input g = Rule_Input(29, 12.0);
    g.mat1 = 12;
    g.grade1 = 0;
    g.t1_a = 5.0;
    g.steel_grade = 0;
    g.fu = 500.0;
    Vbm_Rule_Result rg{};
    Calc_Fv_Rk(&g, 1, &rg);
    EXPECT_DOUBLE_EQ(rg.fu_used, Get_Stahlguete(0)->fu);
    g.steel_grade = -1;
    Calc_Fv_Rk(&g, 1, &rg);
    EXPECT_DOUBLE_EQ(rg.fu_used, 500.0);
}
