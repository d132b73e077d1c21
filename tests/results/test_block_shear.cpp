/*
** Tests of the block-shear check of one combination: the record worked by hand from
** EN 1995-1-1, Annex A, the failure modes that lower the shear area, the states of a check
** that does not apply or cannot be made, and that computing leaves the input alone.
*/
#include "results_test_util.h"

#include <string>
#include <vector>

/* The glulam splice with one inner plate, kmod 0.9 preset, N_d = 180 kN, prepared. */
static void Prepared_Splice(void)
{
    Glulam_Inner_Plate_Splice();
    Tension_Splice(180.0);
    ASSERT_EQ(Prepare_Splice_Calc(), 0);
}

static std::string Printed(const Block_Shear_Check *r)
{
    FILE *f = tmpfile();
    Print_Block_Shear_Check(f, r);
    const std::string s = Slurp_Print(f);
    fclose(f);
    return s;
}

TEST(BlockShear, RecordWorkedByHand)
{
    /* Rows 8.4 cm apart (3 rows), x up to 20.4 cm, timber beside the plate t = (140 - 10) / 2
    ** = 65 mm: L_net,t = 84 * 2 = 168 mm, L_net,v = 2 * 204 = 408 mm;
    ** A_net,t = 65 * 168 = 10920 mm², A_net,v = 65 * 408 = 26520 mm².
    ** (A.1): max(1.5 * 10920 * 19.2, 0.7 * 26520 * 3.5) = max(314496, 64974) N = 314.496 kN;
    ** the failure modes only lower the shear area: the full areas govern (mode '-').
    ** F_bs,Rd = 0.9 * 314.496 / 1.3 = 217.728 kN; one inner plate: N = 180 / 2 = 90 kN,
    ** u = 90 / 217.728 = 0.41336. */
    Prepared_Splice();
    Block_Shear_Check r;
    ASSERT_EQ(Calc_Block_Shear_Check(0, 0, &r), 1);
    EXPECT_EQ(r.state, BLOCK_SHEAR_DONE);
    EXPECT_NEAR(r.f_t0_k, 19.2, 1e-9);
    EXPECT_NEAR(r.f_v_k, 3.5, 1e-9);
    EXPECT_NEAR(r.t1, 65.0, 1e-9);
    EXPECT_NEAR(r.L_t, 168.0, 1e-9);
    EXPECT_NEAR(r.L_v, 408.0, 1e-9);
    EXPECT_NEAR(r.A_t, 10920.0, 1e-6);
    EXPECT_NEAR(r.A_v, 26520.0, 1e-6);
    EXPECT_EQ(r.mode, '-');
    EXPECT_NEAR(r.t_ef, 65.0, 1e-9);
    EXPECT_NEAR(r.F_Rk, 314.496, 1e-9);
    EXPECT_NEAR(r.kmod, 0.9, 1e-12);
    EXPECT_NEAR(r.F_Rd, 217.728, 1e-9);
    EXPECT_NEAR(r.N, 90.0, 1e-12);
    EXPECT_NEAR(r.u, 0.41336, 5e-6);
    EXPECT_DOUBLE_EQ(Block_Shear_Shown_Util(&r), r.u);
    const std::string s = Printed(&r);
    EXPECT_NE(s.find("L\xCE\\net,t\xCEr = 168 mm, t\xCE\\"
                     "1\xCEr = 65 mm \x88 A\xCE\\net,t\xCEr = 10920 mm"),
              std::string::npos)
        << s;
    EXPECT_NE(s.find("(Versagensmechanismus c,f,j/l,k,m)"), std::string::npos) << s;
    EXPECT_NE(s.find("F\xCE\\"
                     "bs,Rk\xCEr = 314.50 kN, k\xCE\\mod\xCEr = 0.90 \x88 F\xCE\\"
                     "bs,Rd"
                     "\xCEr = 217.73 kN, N\xCE\\"
                     "d\xCEr = 90.00 kN \x88 u\xCE\\"
                     "bs\xCEr = 0.413"),
              std::string::npos)
        << s;
    /* the wrapper gives the same and clears the error */
    int err = -1;
    EXPECT_DOUBLE_EQ(Oli_Blockscher_Nachweis(nullptr, 0, 0, &err), r.u);
    EXPECT_EQ(err, 0);
}

TEST(BlockShear, AFailureModeLowersTheShearArea)
{
    /* Rows 3.6 cm apart: L_net,t = 36 * 2 = 72 mm, A_net,t = 65 * 72 = 4680 mm²; the pattern
    ** stretched to x = 60 cm: L_net,v = 1200 mm, A_net,v = 65 * 1200 = 78000 mm².
    ** (A.1): max(1.5 * 4680 * 19.2, 0.7 * 78000 * 3.5) = max(134784, 191100) N: shear.
    ** The design classes the plate by the 65 mm timber part beside it as thick (class 2), so
    ** only the modes of thick plates are offered (A.2), with f_h,0,k = 0.082 * 0.88 * 385 =
    ** 27.7816 N/mm², M_y,Rk = 0.3 * 360 * 12^2.6 = 69070.9 Nmm, sqrt(M_y / (f_h d)) = 14.3939:
    **   h: 2 * 14.3939 = 28.788 mm -> A_v = 1200 / 2 (72 + 57.576) = 77745.3 -> 190.476 kN
    **   g: 65 (sqrt(2 + 4 * 69070.9 / (27.7816 * 12 * 65²)) - 1) = 31.326 -> 80791 -> 197.94 kN
    ** (the thin modes would give less: b, 1.4 * 14.3939 = 20.151 mm -> 165.085 kN).
    ** Mode h governs: F_bs,Rk = 190.476 kN, F_bs,Rd = 0.9 * 190.476 / 1.3 = 131.868 kN,
    ** u = 90 / 131.868 = 0.68250. */
    Prepared_Splice();
    Splice_Input.a2 = 3.6;
    Fastener_Pattern.recs[0].x = 60.0;
    Block_Shear_Check r;
    ASSERT_EQ(Calc_Block_Shear_Check(0, 0, &r), 1);
    EXPECT_EQ(r.values.plate_class, 2);
    EXPECT_NEAR(r.values.t_ef_e, 28.7878, 1e-3);
    EXPECT_NEAR(r.values.t_ef_d, 31.3262, 1e-3);
    EXPECT_EQ(r.mode, 'h');
    EXPECT_NEAR(r.t_ef, 28.7878, 1e-3);
    EXPECT_NEAR(r.A_v, 77745.3, 0.5);
    EXPECT_NEAR(r.F_Rk, 190.476, 1e-3);
    EXPECT_NEAR(r.F_Rd, 131.868, 1e-3);
    EXPECT_NEAR(r.u, 0.68250, 1e-5);
    EXPECT_NE(Printed(&r).find("(Versagensmechanismus h)"), std::string::npos);
}

TEST(BlockShear, StatesOfACheckThatDoesNotApplyOrCannotBeMade)
{
    Prepared_Splice();
    Block_Shear_Check r;
    /* switched off, one row, compression, side timbers: the check does not apply */
    Splice_Input.block_shear = 0;
    EXPECT_EQ(Calc_Block_Shear_Check(0, 0, &r), 0);
    EXPECT_EQ(r.state, BLOCK_SHEAR_NOT_APPLIED);
    EXPECT_EQ(Block_Shear_Shown_Util(&r), 0.0);
    EXPECT_EQ(Printed(&r), "");
    int err = -1;
    EXPECT_EQ(Oli_Blockscher_Nachweis(nullptr, 0, 0, &err), 0.0);
    EXPECT_EQ(err, -1); /* untouched when the check does not apply */
    Splice_Input.block_shear = 1;
    Get_Lkom_Entry(0, 0)->N_d = -180.0;
    EXPECT_EQ(Calc_Block_Shear_Check(0, 0, &r), 0);
    Get_Lkom_Entry(0, 0)->N_d = 180.0;
    Set_Layout(3, 1);
    EXPECT_EQ(Calc_Block_Shear_Check(0, 0, &r), 0);
    Set_Layout(3, 3);
    EXPECT_EQ(Calc_Block_Shear_Check(-1, 0, &r), 0);
    /* no partial factor: the check cannot be made, shown as failed */
    Splice_Input.gamma_m_mid = 0.0;
    ASSERT_EQ(Calc_Block_Shear_Check(0, 0, &r), 1);
    EXPECT_EQ(r.state, BLOCK_SHEAR_NO_GAMMA);
    EXPECT_EQ(Block_Shear_Shown_Util(&r), UTIL_NO_CHECK);
    std::string s = Printed(&r);
    EXPECT_NE(s.find("\xC0\xCE\\M\xCEr nicht bestimmbar"), std::string::npos) << s;
    EXPECT_EQ(s.find("F\xCE\\"
                     "bs,Rk"),
              std::string::npos)
        << s;
    /* no resistance (no timber beside the plate): no capacity, u printed as 10 */
    Splice_Input.gamma_m_mid = 1.3;
    Splice_Input.b = Splice_Input.t_p;
    ASSERT_EQ(Calc_Block_Shear_Check(0, 0, &r), 1);
    EXPECT_EQ(r.state, BLOCK_SHEAR_NO_CAPACITY);
    EXPECT_EQ(Block_Shear_Shown_Util(&r), UTIL_NO_CHECK);
    s = Printed(&r);
    EXPECT_NE(s.find("u\xCE\\"
                     "bs\xCEr = 10.000"),
              std::string::npos)
        << s;
}

TEST(BlockShear, ShareOfTheNormalForce)
{
    /* The normal force on one timber part: inner plates split the member into plate_count + 1
    ** parts (180 / 2 = 90 kN, two plates 180 / 3 = 60 kN); beside outer plates the member takes
    ** all of it from dowels and bolts, and half from the nails and screws of each side. */
    Prepared_Splice();
    Block_Shear_Check r;
    ASSERT_EQ(Calc_Block_Shear_Check(0, 0, &r), 1);
    EXPECT_DOUBLE_EQ(r.N, 90.0);
    Splice_Input.plate_count = 2.0;
    ASSERT_EQ(Calc_Block_Shear_Check(0, 0, &r), 1);
    EXPECT_DOUBLE_EQ(r.N, 60.0);
    Splice_Input.connection_kind = CONN_OUTER_PLATES;
    ASSERT_EQ(Calc_Block_Shear_Check(0, 0, &r), 1);
    EXPECT_DOUBLE_EQ(r.N, 180.0);
    Splice_Input.vbm_type = VBM_NAGEL;
    ASSERT_EQ(Calc_Block_Shear_Check(0, 0, &r), 1);
    EXPECT_DOUBLE_EQ(r.N, 90.0);
}

TEST(BlockShear, ComputingLeavesTheInputAlone)
{
    Prepared_Splice();
    std::vector<unsigned char> before((unsigned char *)&Splice_Input,
                                      (unsigned char *)&Splice_Input + sizeof Splice_Input);
    Block_Shear_Check r;
    ASSERT_EQ(Calc_Block_Shear_Check(0, 0, &r), 1);
    std::vector<unsigned char> after((unsigned char *)&Splice_Input,
                                     (unsigned char *)&Splice_Input + sizeof Splice_Input);
    EXPECT_TRUE(before == after);
    Vbm_Check v;
    ASSERT_EQ(Calc_Vbm_Check(0, 0, &v), 1);
    after.assign((unsigned char *)&Splice_Input,
                 (unsigned char *)&Splice_Input + sizeof Splice_Input);
    EXPECT_TRUE(before == after);
}
