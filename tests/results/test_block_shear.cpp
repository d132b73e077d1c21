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

static std::string Printed(const Plate_Block_Check *r)
{
    FILE *f = tmpfile();
    Print_Plate_Block_Check(f, r);
    const std::string s = Slurp_Print(f);
    fclose(f);
    return s;
}

TEST(BlockShear, RecordWorkedByHand)
{
    /* The block of all three rows: rows 8.4 cm apart, columns up to x = 20.4 cm from the member
    ** end (3 columns), timber beside the plate t = (140 - 10) / 2 = 65 mm, dowel holes d0 = d =
    ** 12 mm. (A.5): L_net,t = 2 x 84 - 2 x 12 = 144 mm (two clear spans between the holes of the
    ** last column); (A.4): L_net,v = 2 x (204 - 2.5 x 12) = 408 - 5 x 12 = 348 mm (both outer
    ** rows from the end to the last hole, less two holes and a half each).
    ** A_net,t = 65 * 144 = 9360 mm², A_net,v = 65 * 348 = 22620 mm².
    ** (A.1): max(1.5 * 9360 * 19.2, 0.7 * 22620 * 3.5) = max(269568, 55419) N = 269.568 kN;
    ** no failure mode lowers it. The tension term governs, so the shear area is that of the mode
    ** the dowel fails in (A.3): (8.11) with f_h,0,k = 27.7816 N/mm², M_y,Rk = 69070.9 Nmm, t =
    ** 65 mm: (f) 21669.6, (g) 10443.5, (h) 11036.8 N: (g), t_ef = 65 (sqrt(2 + 4 * 69070.9 /
    ** (27.7816 * 12 * 65²)) - 1) = 31.3262 mm, A_net,v = 348 / 2 (144 + 2 * 31.3262) = 35957.5
    ** mm², 0.7 * 35957.5 * 3.5 = 88096 N: the tension term still governs.
    ** F_bs,Rd = 0.9 * 269.568 / 1.3 = 186.624 kN; one inner plate: N = 180 / 2 = 90 kN,
    ** u = 90 / 186.624 = 0.482253 (with N_d = 150 kN: 75 / 186.624 = 0.402; the gross length
    ** 168 mm gave 314.496 kN and 0.344). */
    Prepared_Splice();
    Block_Shear_Check r;
    const Tearing_Block all_rows{0, 2, BLOCK_BETWEEN_ROWS};
    ASSERT_EQ(Calc_Block_Shear_Of_Block(0, 0, &all_rows, &r), 1);
    EXPECT_EQ(r.state, BLOCK_SHEAR_DONE);
    EXPECT_NEAR(r.f_t0_k, 19.2, 1e-9);
    EXPECT_NEAR(r.f_v_k, 3.5, 1e-9);
    EXPECT_NEAR(r.t1, 65.0, 1e-9);
    EXPECT_NEAR(r.d0, 12.0, 1e-9);
    EXPECT_NEAR(r.L_t_gross, 168.0, 1e-9);
    EXPECT_NEAR(r.holes_t, 2.0, 1e-9);
    EXPECT_NEAR(r.L_t, 144.0, 1e-9);
    EXPECT_NEAR(r.L_v_gross, 408.0, 1e-9);
    EXPECT_NEAR(r.holes_v, 5.0, 1e-9);
    EXPECT_NEAR(r.L_v, 348.0, 1e-9);
    EXPECT_NEAR(r.A_t, 9360.0, 1e-6);
    EXPECT_NEAR(r.A_v, 35957.5, 0.05);
    EXPECT_EQ(r.mode, 'g');
    EXPECT_NEAR(r.t_ef, 31.3262, 1e-4);
    EXPECT_NEAR(r.F_Rk, 269.568, 1e-9);
    EXPECT_NEAR(r.kmod, 0.9, 1e-12);
    EXPECT_NEAR(r.F_Rd, 186.624, 1e-9);
    EXPECT_NEAR(r.N, 90.0, 1e-12);
    EXPECT_NEAR(r.u, 0.482253, 5e-7);
    EXPECT_DOUBLE_EQ(Block_Shear_Shown_Util(&r), r.u);
    const std::string s = Printed(&r);
    EXPECT_NE(s.find("d\xCE\\0\xCEr = 12.0 mm: L\xCE\\net,t\xCEr = 168 - 2 x 12.0 = 144 mm, "
                     "t\xCE\\"
                     "1\xCEr = 65 mm => A\xCE\\net,t\xCEr = 9360 mm"),
              std::string::npos)
        << s;
    /* t_ef of mode (g) with its formula and the numbers above, on a line of its own */
    EXPECT_NE(s.find("t\xCE\\ef\xCEr = t\xCE\\1\xCEr ((2 + 4 M\xCE\\y,k\xCEr / (f\xCE\\h,0,k\xCEr "
                     "d t\xCE\\1\xCEr\xCE/2\xCEr))\xCE/0.5\xCEr - 1) = 65.0 x ((2 + 4 x 69070.9 / "
                     "(27.78 x 12.00 x 65.0\xCE/2\xCEr))\xCE/0.5\xCEr - 1) = 31.3262 mm\n"),
              std::string::npos)
        << s;
    /* the reduced area with its formula and with t_ef to the digits that give 35958 again:
    ** 174 x (144 + 2 x 31.326) = 35957.4 would not */
    EXPECT_NE(s.find("L\xCE\\net,v\xCEr = 408 - 5 x 12.0 = 348 mm, t\xCE\\"
                     "ef\xCEr = 31.3262 mm => A\xCE\\net,v\xCEr = L\xCE\\net,v\xCEr / 2 "
                     "(L\xCE\\net,t\xCEr + 2 t\xCE\\ef\xCEr) = 348 / 2 x (144 + 2 x 31.3262) = "
                     "35958 mm\xCE/2\xCEr (Versagensmechanismus g)"),
              std::string::npos)
        << s;
    EXPECT_NE(
        s.find("F\xCE\\"
               "bs,Rk\xCEr = 269.57 kN, k\xCE\\mod\xCEr = 0.90, \xC0\xCE\\M\xCEr = 1.30 => F\xCE\\"
               "bs,Rd"
               "\xCEr = 186.62 kN, Anteil je Holzteil F\xCE\\"
               "Ed\xCEr / 2 = 90.00 kN => u\xCE\\"
               "bs\xCEr = 0.482"),
        std::string::npos)
        << s;
    /* block shear is a resistance of the connection (EN 1995-1-1, Table 2.3, Annex A): with
    ** glulam's 1.25 and connections' 1.3 of "EC-Standardparameter" it takes 1.3, 186.624 kN as
    ** above, not 0.9 x 269.568 / 1.25 = 194.089 kN */
    const double glulam = Nad_Record.ec5.gamma_m_glulam;
    Nad_Record.ec5.gamma_m_glulam = 1.25;
    Nad_Record.ec5.gamma_m_connections = 1.3;
    Set_Design_Gammas(0);
    ASSERT_EQ(Calc_Block_Shear_Of_Block(0, 0, &all_rows, &r), 1);
    EXPECT_NEAR(r.F_Rd, 186.624, 1e-9);
    Nad_Record.ec5.gamma_m_glulam = glulam;
    Set_Design_Gammas(0);

    /* The set tries every block of two or more adjacent rows, each with its own fasteners'
    ** force: two adjacent rows tear at L_net,t = 84 - 12 = 72 mm, A_net,t = 65 x 72 = 4680 mm²,
    ** F_bs,Rk = max(1.5 x 4680 x 19.2, 0.7 x 22620 x 3.5) = 134.784 kN, F_bs,Rd = 0.9 x
    ** 134.784 / 1.3 = 93.312 kN for 2 / 3 of 180 kN on two lamellas, 60 kN: u = 0.643004 governs
    ** (the upper pair, the first of two equal ones). */
    ASSERT_EQ(Calc_Block_Shear_Check(0, 0, &r), 1);
    EXPECT_EQ(r.blocks, 3);
    EXPECT_EQ(r.block.first, 0);
    EXPECT_EQ(r.block.last, 1);
    EXPECT_NEAR(r.L_t, 72.0, 1e-9);
    EXPECT_NEAR(r.N, 60.0, 1e-9);
    EXPECT_NEAR(r.u, 0.643004, 1e-6);
    EXPECT_NE(Printed(&r).find("Untersuchte Bl\x94"
                               "cke (Reihen von oben gez\x84hlt): alle Bl\x94"
                               "cke aus 2 bis 3 benachbarten Reihen (3 Bl\x94"
                               "cke), jeder mit der Kraft seiner Verbindungsmittel\n"),
              std::string::npos);
    /* the wrapper gives the same and clears the error */
    int err = -1;
    EXPECT_DOUBLE_EQ(Oli_Blockscher_Nachweis(nullptr, 0, 0, &err), r.u);
    EXPECT_EQ(err, 0);

    /* bolts in holes of d + 1 = 13 mm: L_net,t = 168 - 2 x 13 = 142 mm,
    ** F_bs,Rk = 1.5 * 65 * 142 * 19.2 = 265.824 kN */
    Splice_Input.vbm_type = VBM_BOLZEN;
    ASSERT_EQ(Calc_Block_Shear_Of_Block(0, 0, &all_rows, &r), 1);
    EXPECT_NEAR(r.d0, 13.0, 1e-9);
    EXPECT_NEAR(r.L_t, 142.0, 1e-9);
    EXPECT_NEAR(r.L_v, 408.0 - 5.0 * 13.0, 1e-9);
    EXPECT_NEAR(r.F_Rk, 265.824, 1e-9);
}

/* Put the 3 x 3 fasteners of the prepared splice on the grid x = x0 + i step_x (columns i),
** y = y0 + j step_y (rows j), cm. */
static void Place_Grid(double x0, double step_x, double y0, double step_y)
{
    for (int i = 0; i < 3; i++)
        for (int j = 0; j < 3; j++) {
            Fastener_Pattern.recs[j + 3 * i].x = x0 + i * step_x;
            Fastener_Pattern.recs[j + 3 * i].y = y0 + j * step_y;
        }
}

TEST(BlockShear, AFailureModeLowersTheShearArea)
{
    /* Rows 3.6 cm apart: L_net,t = 72 - 2 x 12 = 48 mm, A_net,t = 65 * 48 = 3120 mm²; the
    ** columns at x = 20, 40, 60 cm: L_net,v = 2 x 600 - 5 x 12 = 1140 mm,
    ** A_net,v = 65 * 1140 = 74100 mm².
    ** (A.1): max(1.5 * 3120 * 19.2, 0.7 * 74100 * 3.5) = max(89856, 181545) N: shear.
    ** The design classes the plate by the 65 mm timber part beside it as thick (class 2), so
    ** only the modes of thick plates are offered (A.3), with f_h,0,k = 0.082 * 0.88 * 385 =
    ** 27.7816 N/mm², M_y,Rk = 0.3 * 360 * 12^2.6 = 69070.9 Nmm, sqrt(M_y / (f_h d)) = 14.3939:
    **   h: 2 * 14.3939 = 28.788 mm -> A_v = 1140 / 2 (48 + 57.576) = 60178.1 -> 147.436 kN
    **   g: 65 (sqrt(2 + 4 * 69070.9 / (27.7816 * 12 * 65²)) - 1) = 31.326 -> 63071.9
    **      -> 154.526 kN
    ** Mode h governs: F_bs,Rk = 147.436 kN, F_bs,Rd = 0.9 * 147.436 / 1.3 = 102.071 kN,
    ** u = 90 / 102.071 = 0.88174. */
    Prepared_Splice();
    Place_Grid(20.0, 20.0, -3.6, 3.6);
    Block_Shear_Check r;
    const Tearing_Block all_rows{0, 2, BLOCK_BETWEEN_ROWS};
    ASSERT_EQ(Calc_Block_Shear_Of_Block(0, 0, &all_rows, &r), 1);
    EXPECT_EQ(r.values.plate_class, 2);
    EXPECT_NEAR(r.values.t_ef_e, 28.7878, 1e-3);
    EXPECT_NEAR(r.values.t_ef_d, 31.3262, 1e-3);
    EXPECT_NEAR(r.L_t, 48.0, 1e-9);
    EXPECT_NEAR(r.L_v, 1140.0, 1e-9);
    EXPECT_EQ(r.mode, 'h');
    EXPECT_NEAR(r.t_ef, 28.7878, 1e-3);
    EXPECT_NEAR(r.A_v, 60178.1, 0.5);
    EXPECT_NEAR(r.F_Rk, 147.436, 1e-3);
    EXPECT_NEAR(r.F_Rd, 102.071, 1e-3);
    EXPECT_NEAR(r.u, 0.88174, 1e-5);
    EXPECT_NE(Printed(&r).find("(Versagensmechanismus h)"), std::string::npos);

    /* staggered: the middle row's holes stand between the columns (x = 30 and 50 cm), so the
    ** last column holds only the outer rows' holes: L_net,t = 72 - 1 x 12 = 60 mm, and the
    ** outer rows lose 2.5 holes each as before */
    Place_Grid(20.0, 20.0, -3.6, 3.6);
    Fastener_Pattern.recs[1].x = 30.0;
    Fastener_Pattern.recs[4].x = 50.0;
    Fastener_Pattern.recs[7].x = 10.0;
    ASSERT_EQ(Calc_Block_Shear_Of_Block(0, 0, &all_rows, &r), 1);
    EXPECT_NEAR(r.holes_t, 1.0, 1e-9);
    EXPECT_NEAR(r.L_t, 60.0, 1e-9);
    EXPECT_NEAR(r.L_v, 1140.0, 1e-9);
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
    /* one row, or a calculation method other than the exact proof: switched on but not made,
    ** which the print list says */
    Set_Layout(3, 1);
    EXPECT_EQ(Calc_Block_Shear_Check(0, 0, &r), 0);
    EXPECT_EQ(r.state, BLOCK_SHEAR_NOT_MADE);
    EXPECT_EQ(Block_Shear_Shown_Util(&r), 0.0);
    EXPECT_NE(Printed(&r).find("Blockscherversagen \xCE"
                               "bnicht nachgewiesen\xCEr: nur eine Reihe von Verbindungsmitteln"),
              std::string::npos);
    Set_Layout(3, 3);
    for (int method : {0, 2}) {
        Splice_Input.calc_method = method;
        EXPECT_EQ(Calc_Block_Shear_Check(0, 0, &r), 0);
        EXPECT_EQ(r.state, BLOCK_SHEAR_NOT_MADE);
        EXPECT_NE(Printed(&r).find(method == 0 ? "nur im genauen Nachweis gef\x81hrt "
                                                 "(Berechnungsverfahren: Vereinfachter Nachweis)"
                                               : "(Berechnungsverfahren: "
                                                 "Bemessungswerte-Verfahren)"),
                  std::string::npos)
            << method;
        err = -1;
        EXPECT_EQ(Oli_Blockscher_Nachweis(nullptr, 0, 0, &err), 0.0);
        EXPECT_EQ(err, -1);
    }
    Splice_Input.calc_method = 1;
    EXPECT_EQ(Calc_Block_Shear_Check(-1, 0, &r), 0);
    /* no partial factor of connections: the check cannot be made, shown as failed */
    const double connections = Nad_Record.ec5.gamma_m_connections;
    Nad_Record.ec5.gamma_m_connections = 0.0;
    ASSERT_EQ(Calc_Block_Shear_Check(0, 0, &r), 1);
    EXPECT_EQ(r.state, BLOCK_SHEAR_NO_GAMMA);
    EXPECT_EQ(Block_Shear_Shown_Util(&r), UTIL_NO_CHECK);
    std::string s = Printed(&r);
    EXPECT_NE(s.find("\xC0\xCE\\M\xCEr nicht bestimmbar"), std::string::npos) << s;
    EXPECT_EQ(s.find("F\xCE\\"
                     "bs,Rk"),
              std::string::npos)
        << s;
    /* no resistance (no timber beside the plate): no capacity, which is printed as such and
    ** never as the number that stands for it */
    Nad_Record.ec5.gamma_m_connections = connections;
    Splice_Input.b = Splice_Input.t_p;
    ASSERT_EQ(Calc_Block_Shear_Check(0, 0, &r), 1);
    EXPECT_EQ(r.state, BLOCK_SHEAR_NO_CAPACITY);
    EXPECT_EQ(Block_Shear_Shown_Util(&r), UTIL_NO_CHECK);
    s = Printed(&r);
    EXPECT_NE(s.find("kN => nicht nachweisbar"), std::string::npos) << s;
    EXPECT_EQ(s.find("inf"), std::string::npos) << s;
}

TEST(BlockShear, ShareOfTheNormalForce)
{
    /* The normal force on one timber part: one inner plate splits the member into two lamellas
    ** of one plane each (180 / 2 = 90 kN); between two plates every shear plane of a dowel takes
    ** the same force, 180 / 4 = 45 kN: the lamella between the plates two planes, 90 kN, each
    ** outer lamella one, 45 kN (not 180 / 3 = 60 kN each); beside outer plates the member takes
    ** all of it from dowels and bolts, and half from the nails and screws of each side. */
    Prepared_Splice();
    Block_Shear_Check r;
    const Tearing_Block all_rows{0, 2, BLOCK_BETWEEN_ROWS};
    ASSERT_EQ(Calc_Block_Shear_Of_Block(0, 0, &all_rows, &r), 1);
    EXPECT_DOUBLE_EQ(r.N, 90.0);
    EXPECT_EQ(r.lamellas, 0);
    Splice_Input.plate_count = 2.0;
    ASSERT_EQ(Calc_Block_Shear_Of_Block(0, 0, &all_rows, &r), 1);
    EXPECT_EQ(r.lamellas, 3);
    EXPECT_DOUBLE_EQ(r.N, 90.0);
    EXPECT_DOUBLE_EQ(r.N_outer, 45.0);
    EXPECT_DOUBLE_EQ(r.u, 90.0 / r.F_Rd);
    /* three plates: 6 planes of 30 kN, inner lamellas 60 kN, outer 30 kN */
    Splice_Input.plate_count = 3.0;
    ASSERT_EQ(Calc_Block_Shear_Of_Block(0, 0, &all_rows, &r), 1);
    EXPECT_EQ(r.lamellas, 4);
    EXPECT_DOUBLE_EQ(r.N, 60.0);
    EXPECT_DOUBLE_EQ(r.N_outer, 30.0);
    Splice_Input.plate_count = 2.0;
    Splice_Input.connection_kind = CONN_OUTER_PLATES;
    ASSERT_EQ(Calc_Block_Shear_Of_Block(0, 0, &all_rows, &r), 1);
    EXPECT_DOUBLE_EQ(r.N, 180.0);
    Splice_Input.vbm_type = VBM_NAGEL;
    ASSERT_EQ(Calc_Block_Shear_Of_Block(0, 0, &all_rows, &r), 1);
    EXPECT_DOUBLE_EQ(r.N, 90.0);
}

TEST(BlockShear, EachLamellaOnItsOwnThicknessWithItsOwnShare)
{
    /* GL24h 16/24 cm, two inner plates 10 mm (h_p 20 cm): three lamellas t1 = (160 - 20) / 3 =
    ** 46.667 mm; dowels 12 x 160 mm, 3 x 3 per half, N_d = 120 kN, kmod 0.8. The block as in
    ** RecordWorkedByHand: L_net,t = 144 mm, L_net,v = 348 mm; A_net,t = 46.667 x 144 = 6720 mm²,
    ** A_net,v = 46.667 x 348 = 16240 mm². (A.1): max(1.5 x 6720 x 19.2, 0.7 x 16240 x 3.5) =
    ** max(193536, 39788) N = 193.536 kN; F_bs,Rd = 193.536 x 0.8 / 1.3 = 119.0991 kN per lamella;
    ** the dowel fails in the lamella between the plates in (j)/(l) (8.12), (8.13), whose shear
    ** area is the whole one (A.3).
    ** 4 shear planes of 30 kN: the lamella between the plates 60 kN, u = 60 / 119.0991 = 0.503782
    ** (all lamellas alike took 120 / 3 = 40 kN, 0.335855); an outer lamella 30 kN, 0.251891.
    ** Two adjacent rows of the set tear at L_net,t = 84 - 12 = 72 mm, A_net,t = 3360 mm²,
    ** F_bs,Rk = max(1.5 x 3360 x 19.2, 39788) = 96.768 kN, F_bs,Rd = 59.5495 kN, under 2 / 3 of
    ** the force: the lamella between the plates 40 kN, u = 0.671709 governs. With one plate of
    ** 10 mm and N_d = 60 kN the lamellas are 75 mm thick: A_net,t = 5400 mm², F_bs,Rk =
    ** 1.5 x 5400 x 19.2 = 155.52 kN, F_bs,Rd = 95.7046 kN for 2 / 3 of 30 kN: u = 0.208976 (the
    ** whole group's block 311.04 kN gave 0.157); the dowel fails in (h), 11036.8 N below (g)
    ** 11636.0 and (f) 25003.4: A_net,v = 348 / 2 (72 + 2 x 28.7878) = 22546.1 mm² (A.3). */
    Glulam_Inner_Plate_Splice();
    Tension_Splice(120.0);
    Splice_Input.lkom.groups[0].kmod = 0.8;
    Splice_Input.b = 16.0;
    Splice_Input.plate_count = 2.0;
    Splice_Input.l = 160.0;
    ASSERT_EQ(Prepare_Splice_Calc(), 0);
    Block_Shear_Check r;
    const Tearing_Block all_rows{0, 2, BLOCK_BETWEEN_ROWS};
    ASSERT_EQ(Calc_Block_Shear_Of_Block(0, 0, &all_rows, &r), 1);
    EXPECT_EQ(r.state, BLOCK_SHEAR_DONE);
    EXPECT_NEAR(r.t1, 140.0 / 3.0, 1e-9);
    EXPECT_NEAR(r.A_t, 6720.0, 1e-6);
    EXPECT_NEAR(r.A_v, 16240.0, 1e-6);
    EXPECT_EQ(r.mode_thin, 'j');
    EXPECT_EQ(r.mode, 'l');
    EXPECT_NEAR(r.F_Rk, 193.536, 1e-9);
    EXPECT_NEAR(r.F_Rd, 119.0991, 1e-4);
    EXPECT_NEAR(r.N, 60.0, 1e-9);
    EXPECT_NEAR(r.N_outer, 30.0, 1e-9);
    EXPECT_NEAR(r.u, 0.503782, 1e-6);
    EXPECT_NEAR(Oli_Blockscher_Nachweis(nullptr, 0, 0, nullptr), 0.671709, 1e-6);
    const std::string s = Printed(&r);
    /* (j)/(l) shear the whole thickness t1 = 46.667 mm (A.3): 348 x 46.667 = 16240.1 mm² (46.67
    ** would give 16241) */
    EXPECT_NE(s.find("L\xCE\\net,v\xCEr = 408 - 5 x 12.0 = 348 mm, t\xCE\\1\xCEr = 46.667 mm => "
                     "A\xCE\\net,v\xCEr = 16240 mm\xCE/2\xCEr (Versagensmechanismus j/l, innere "
                     "Lamelle)"),
              std::string::npos)
        << s;
    EXPECT_NE(s.find("F\xCE\\"
                     "bs,Rd\xCEr = 119.10 kN je Lamelle (3 Lamellen, 4 Scherfugen je "
                     "Verbindungsmittel mit gleicher Kraft)"),
              std::string::npos)
        << s;
    EXPECT_NE(s.find("innere Lamelle (zwischen zwei Blechen): F\xCE\\"
                     "Ed\xCEr x 2 / 4 = 60.00 kN => u\xCE\\"
                     "bs\xCEr = 0.504"),
              std::string::npos)
        << s;
    EXPECT_NE(s.find("ere Lamelle (neben einem Blech): F\xCE\\"
                     "Ed\xCEr x 1 / 4 = 30.00 kN => u\xCE\\"
                     "bs\xCEr = 0.252"),
              std::string::npos)
        << s;
    /* one plate, N_d = 60 kN: two adjacent rows govern */
    Splice_Input.plate_count = 1.0;
    Get_Lkom_Entry(0, 0)->N_d = 60.0;
    ASSERT_EQ(Prepare_Splice_Calc(), 0);
    ASSERT_EQ(Calc_Block_Shear_Check(0, 0, &r), 1);
    EXPECT_NEAR(r.t1, 75.0, 1e-9);
    EXPECT_NEAR(r.A_t, 5400.0, 1e-6);
    EXPECT_NEAR(r.A_v, 22546.1, 0.05);
    EXPECT_EQ(r.mode, 'h');
    EXPECT_NEAR(r.N, 20.0, 1e-9);
    EXPECT_NEAR(r.u, 0.208976, 1e-6);
    /* its plate (EN 1993-1-8, 3.10.2): the edge row to the plate's edge, e2 = 16 mm, A_nt =
    ** 10 (16 - 6.5) = 95 mm², A_nv = 10 (135.6 - 2.5 x 13) = 1031 mm²: V_eff,1,Rd = 360 x 95 /
    ** 1.25 + 235 x 1031 / sqrt(3) = 27.36 + 139.883 = 167.243 kN for one row's 20 kN, u =
    ** 0.119586 (two rows 484.247 kN for 40 kN, 0.083; the whole group 688.727 kN for 60 kN,
    ** 0.087) */
    Plate_Block_Check p;
    ASSERT_EQ(Calc_Plate_Block_Check(0, 0, &p), 1);
    EXPECT_EQ(p.block.first, p.block.last);
    EXPECT_NE(p.block.edge, BLOCK_BETWEEN_ROWS);
    EXPECT_NEAR(p.A_nt, 95.0, 1e-9);
    EXPECT_NEAR(p.A_nv, 1031.0, 1e-9);
    EXPECT_NEAR(p.u, 0.119586, 1e-6);
}

TEST(BlockShear, ABendingSpliceTakesTheForceOfItsTensionZone)
{
    /* Bending splice: two outer plates 5 mm, dowels 12 mm in GL24h 14/32, 3 x 4 per half,
    ** M_d 3 kNm, N_d 20 kN, V_d 8 kN, kmod 0.9. The layout puts the columns at x = 8.4,
    ** 14.384328, 20.368657 cm and the rows at y = +-3.737294, +-11.211882 cm (the end and edge
    ** distances of the largest angle its own forces reach): x_c = 14.384328 cm, I_p = 4 x 2 x
    ** 5.984328² + 3 x 2 (11.211882² + 3.737294²) = 1124.5395 cm², M_v,d = 3 + 8 x 0.14384328 =
    ** 4.1507463 kNm. Along the grain per shear plane (2 planes, 12 dowels): 20 / 24 + 415.07463 y
    ** / 1124.5395 / 2 = 2.902522, 1.523063, 0.143604 and -1.235855 kN in the rows from the top.
    ** The block takes the components that point to the member end, 3 per row: 8.707565 +
    ** 4.569188 + 0.430812 = 13.707565 kN per plane, F_Ed = 27.415129 kN
    ** (the bottom row pushes away and does not relieve it), not N_d = 20 kN.
    ** The six blocks of two to four adjacent rows each take their own rows' force (the whole
    ** group's across all four rows, 758.975 kN, u = 0.052175); t1 = 140 mm.
    ** The three rows: L_net,t = 2 x 74.74588 - 2 x 12 = 125.49177 mm, A_net,t = 17568.847 mm²,
    ** F_bs,Rk = 1.5 x 17568.849 x 19.2 = 505.983 kN (shear along the top and the third row
    ** 0.7 x 48632 x 3.5 = 119.1 kN below), F_bs,Rd = 505.983 x 0.9 / 1.3 = 350.296 kN:
    ** u = 27.415138 / 350.296 = 0.078263. The two top rows, whose third row pulls little but
    ** doubles the block: F_Ed = (8.707565 + 4.569188) x 2 = 26.553506 kN, L_net,t = 74.74588 - 12
    ** = 62.74588 mm, F_bs,Rk = 1.5 x 140 x 62.74588 x 19.2 = 252.991 kN, F_bs,Rd = 175.148 kN:
    ** u = 26.553506 / 175.148 = 0.151606 governs (the second and third rows, 10 kN, 0.057).
    ** Pure bending (N_d = 0): per plane 415.07463 y / 1124.5395 / 2 = 2.069188 + 0.689729 kN in the
    ** top rows, F_Ed = 3 x 2.758918 x 2 = 16.553506 kN; their block L_net,t = 74.74588 - 12 =
    ** 62.74588 mm, F_bs,Rk = 1.5 x 140 x 62.74588 x 19.2 = 252.991 kN, F_bs,Rd = 175.148 kN:
    ** u = 16.553506 / 175.148 = 0.094512. */
    Glulam_Inner_Plate_Splice();
    Splice_Input.connection_kind = CONN_OUTER_PLATES;
    Splice_Input.splice_kind = SPLICE_BENDING;
    Splice_Input.b = 14.0;
    Splice_Input.h = 32.0;
    Splice_Input.t_p = 0.5;
    Splice_Input.h_p = 32.0;
    Set_Layout(3, 4);
    Splice_Input.lkom.groups[0].kmod_source = 0;
    Splice_Input.lkom.groups[0].kmod = 0.9;
    Set_Lkom(0, 0, 3.0, 20.0, 8.0);
    ASSERT_EQ(Prepare_Splice_Calc(), 0);
    Block_Shear_Check r;
    ASSERT_EQ(Calc_Block_Shear_Check(0, 0, &r), 1);
    EXPECT_EQ(r.state, BLOCK_SHEAR_DONE);
    ASSERT_EQ(r.rows.rows, 4);
    EXPECT_NEAR(r.rows.F[0], 8.707565, 1e-5);
    EXPECT_NEAR(r.rows.F[1], 4.569188, 1e-5);
    EXPECT_NEAR(r.rows.F[2], 0.430812, 1e-5);
    EXPECT_EQ(r.rows.F[3], 0.0);
    EXPECT_EQ(r.blocks, 6);
    EXPECT_EQ(r.block.first, 0);
    EXPECT_EQ(r.block.last, 1);
    EXPECT_NEAR(r.F_Ed, 26.553506, 1e-5);
    EXPECT_NEAR(r.N, 26.553506, 1e-5);
    EXPECT_NEAR(r.L_t, 62.74588, 1e-4);
    EXPECT_NEAR(r.F_Rk, 252.991, 1e-3);
    EXPECT_NEAR(r.u, 0.151606, 1e-6);
    const std::string s = Printed(&r);
    EXPECT_NE(s.find("F\xCE\\Ed\xCEr = (8.71 + 4.57) x 2 = 13.28 x 2 = 26.55 kN "
                     "(N\xCE\\d\xCEr = 20.00 kN)"),
              std::string::npos)
        << s;
    EXPECT_NE(s.find("F\xCE\\Ed\xCEr = 26.55 kN => u\xCE\\"
                     "bs\xCEr = 0.152"),
              std::string::npos)
        << s;
    /* pure bending, on the same pattern (M_v,d does not take N_d) */
    Get_Lkom_Entry(0, 0)->N_d = 0.0;
    ASSERT_EQ(Calc_Block_Shear_Check(0, 0, &r), 1);
    EXPECT_EQ(r.state, BLOCK_SHEAR_DONE);
    EXPECT_NEAR(r.F_Ed, 16.553506, 1e-5);
    EXPECT_NEAR(r.L_t, 62.74588, 1e-4);
    EXPECT_NEAR(r.u, 0.094512, 1e-6);
    /* V_d turned round: the tension lies at the bottom, its block the same */
    Get_Lkom_Entry(0, 0)->V_d = -8.0;
    ASSERT_EQ(Calc_Block_Shear_Check(0, 0, &r), 1);
    EXPECT_EQ(r.block.first, 2);
    EXPECT_EQ(r.block.last, 3);
    EXPECT_NEAR(r.L_t, 62.74588, 1e-4);
    EXPECT_NEAR(r.u, 0.094512, 1e-6);
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

/* ---------------------------------------------------------------- block tearing of the plates */

/* Two outer plates 6 x 240 mm of S235 on GL24h 16/24, approved screws 6 mm in holes of 7 mm,
** 4 columns 5.04 cm apart (the one nearest the joint at x = 9 cm) and 3 rows 9 cm apart, the
** plate's end 0.84 cm beyond the last column (L / 2 = 24.96 cm), N_d = 26 kN, block shear on;
** the built-in annex (gamma_M0 1.0, gamma_M2 1.25). */
static void Screwed_Outer_Plates(void)
{
    Fresh_Splice(true);
    Splice_Input.connection_kind = CONN_OUTER_PLATES;
    Splice_Input.splice_kind = SPLICE_TENSION;
    Splice_Input.mat_mid = 2;
    Splice_Input.grade_mid = 2; /* GL24h */
    Splice_Input.b = 16.0;
    Splice_Input.h = Splice_Input.h_p = 24.0;
    Splice_Input.t_p = 0.6;
    Splice_Input.plate_steel = 5; /* S235: f_y 235, f_u 360 */
    Splice_Input.vbm_type = VBM_SPAX_SENKKOPF_TG;
    Splice_Input.d = 6.0;
    Splice_Input.calc_method = 1;
    Splice_Input.block_shear = 1;
    Splice_Input.L = 49.92;
    Set_Layout(4, 3);
    Fastener_Pattern.count = 12;
    for (int i = 0; i < 4; i++)
        for (int j = 0; j < 3; j++) {
            Fastener_Rec *f = &Fastener_Pattern.recs[j + 3 * i];
            *f = Fastener_Rec{};
            f->x = 9.0 + 5.04 * i;
            f->y = -9.0 + 9.0 * j;
            f->weight = 1.0;
        }
    Set_Lkom(0, 0, 0.0, 26.0, 0.0);
    Set_Design_Gammas(0);
}

TEST(BlockShear, PlatesTearAtTheirEnds)
{
    /* EN 1993-1-8, 3.10.2, (3.9): the block between the outer rows tears across at the column
    ** nearest the joint, A_nt = 6 (180 - 2 x 7) = 996 mm², and shears along both outer rows to
    ** the plate's end, 2 (249.6 - 90) = 319.2 mm less 2 x 3.5 holes: A_nv = 6 (319.2 - 49) =
    ** 1621.2 mm²; V_eff,1,Rd = 360 x 996 / 1.25 + 235 x 1621.2 / (sqrt(3) x 1.0) = 286848 +
    ** 219960.1 N = 506.808 kN per plate; N_d / 2 = 13 kN: u = 0.025651. */
    Screwed_Outer_Plates();
    Plate_Block_Check r;
    const Tearing_Block all_rows{0, 2, BLOCK_BETWEEN_ROWS};
    ASSERT_EQ(Calc_Plate_Block_Of_Block(0, 0, &all_rows, &r), 1);
    EXPECT_EQ(r.state, PLATE_BLOCK_DONE);
    EXPECT_DOUBLE_EQ(r.d0, 7.0);
    EXPECT_NEAR(r.holes_t, 2.0, 1e-9);
    EXPECT_NEAR(r.holes_v, 7.0, 1e-9);
    EXPECT_NEAR(r.A_nt, 996.0, 1e-9);
    EXPECT_NEAR(r.A_nv, 1621.2, 1e-9);
    EXPECT_NEAR(r.V_Rd, 506.808, 5e-4);
    EXPECT_NEAR(r.u, 0.025651, 1e-6);
    /* The set adds the blocks from the rows to the plates' edges (EN 1993-1-8, Figure 3.8),
    ** e2 = 120 - 90 = 30 mm: all three rows down from the top row to the lower edge tear across
    ** 6 (210 - 2.5 x 7) = 1155 mm² and shear along the top row alone, 6 (159.6 - 3.5 x 7) =
    ** 810.6 mm²: V_eff,1,Rd = 360 x 1155 / 1.25 + 235 x 810.6 / sqrt(3) = 332.640 + 109.980 =
    ** 442.620 kN for 13 kN, u = 0.029371 governs (the edge row alone: 45.792 + 109.980 =
    ** 155.772 kN for 4.333 kN, 0.027818). */
    ASSERT_EQ(Calc_Plate_Block_Check(0, 0, &r), 1);
    EXPECT_EQ(r.blocks, 9);
    EXPECT_EQ(r.block.first, 0);
    EXPECT_EQ(r.block.last, 2);
    EXPECT_EQ(r.block.edge, BLOCK_TO_UPPER_EDGE);
    EXPECT_NEAR(r.A_nt, 1155.0, 1e-9);
    EXPECT_NEAR(r.A_nv, 810.6, 1e-9);
    EXPECT_NEAR(r.V_Rd, 442.620, 5e-4);
    EXPECT_NEAR(r.u, 0.029371, 1e-6);
    const std::string s = Printed(&r);
    EXPECT_NE(s.find("A\xCE\\nt\xCEr = t (210.00 - 2.5 x 7.0) = 6.0 x 192.50 = 1155.0 mm"),
              std::string::npos)
        << s;
    EXPECT_NE(s.find("A\xCE\\nv\xCEr = t (159.60 - 3.5 x 7.0) = 6.0 x 135.10 = 810.6 mm"),
              std::string::npos)
        << s;
    EXPECT_NE(s.find("= 442.62 kN"), std::string::npos) << s;
    EXPECT_NE(s.find("(9 Bl\x94"
                     "cke), jeder mit der Kraft seiner Verbindungsmittel\n"),
              std::string::npos)
        << s;
    EXPECT_NE(s.find("Ma\xE1gebend (gr\x94\xE1te Ausnutzung): Reihen 1 bis 3 bis zum oberen "
                     "Blechrand\n"),
              std::string::npos)
        << s;
    EXPECT_NE(s.find("F\xCE\\"
                     "Ed\xCEr / 2 = 13.00 kN je Blech => u = 0.029 \xF3 1"),
              std::string::npos)
        << s;
    /* the run lists it beside the timber's block shear */
    Run_Nachweise(nullptr, 0);
    bool listed = false;
    for (int i = 0; i < Splice_Input.utilisation.count; i++)
        if (strcmp(Splice_Input.utilisation.name[i], "Blockversagen Bleche") == 0) {
            listed = true;
            EXPECT_NEAR(Splice_Input.utilisation.value[i], 0.029371, 1e-6);
        }
    EXPECT_TRUE(listed);

    /* two inner plates share N_d alike: 13 kN each of the same block */
    Screwed_Outer_Plates();
    Splice_Input.connection_kind = CONN_INNER_PLATES;
    Splice_Input.plate_count = 2.0;
    ASSERT_EQ(Calc_Plate_Block_Of_Block(0, 0, &all_rows, &r), 1);
    EXPECT_NEAR(r.N, 13.0, 1e-9);
    /* A bending splice (M_d 2 kNm, N_d 10 kN, V_d 0): its tension zone pulls the plates towards
    ** their end. x_c = 16.56 cm, I_p = 6 (7.56² + 2.52²) + 8 x 9² = 1029.024 cm², the moment
    ** about the centroid -200 kNcm (drawn as for a positive V_d); along the grain per plane
    ** 10 / 24 + 200 y / 1029.024 / 2 = 1.291282, 0.416667 and -0.457949 kN in the rows from the
    ** top, 5.165127 and 1.666667 kN per plate of the two upper rows (4 screws, 2 planes, 2 plates).
    ** Their block between them (A_nt = 6 (90 - 7) = 498 mm², A_nv = 1621.2 mm²) is loaded off its
    ** middle: e = (5.165127 - 1.666667) / 6.831794 x 45 = 23.04 mm, k_e = 23.04 / 45 = 0.512085,
    ** V_eff,Rd = (1 - 0.256043) x 143.424 + 219.960 = 326.661 kN, u = 6.831794 / 326.661 =
    ** 0.020914 (with (3.10) in full, 291.672 kN, 0.023423). The top row to the upper edge
    ** governs: 155.772 kN for 5.165127 kN, u = 0.033158. */
    Screwed_Outer_Plates();
    Splice_Input.splice_kind = SPLICE_BENDING;
    Splice_Input.shear_planes = 2;
    Calc_Pattern_Centroid(&Fastener_Pattern.x_c, &Fastener_Pattern.y_c, &Fastener_Pattern.I_p, 12,
                          Fastener_Pattern.recs);
    Lkom_Entry *bending = Set_Lkom(0, 0, 2.0, 10.0, 0.0);
    bending->M_distr = 2.0;
    const Tearing_Block upper_pair{0, 1, BLOCK_BETWEEN_ROWS};
    ASSERT_EQ(Calc_Plate_Block_Of_Block(0, 0, &upper_pair, &r), 1);
    EXPECT_NEAR(r.F_Ed, 13.663588, 1e-6);
    EXPECT_NEAR(r.N, 6.831794, 1e-6);
    EXPECT_NEAR(r.A_nt, 498.0, 1e-9);
    EXPECT_NEAR(r.k_e, 0.512085, 1e-6);
    EXPECT_NEAR(r.u, 0.020914, 1e-6);
    const std::string off = Printed(&r);
    EXPECT_NE(off.find("e = 23.0 mm neben der Mitte der \x84u\xE1"
                       "eren Reihen des Blocks, k\xCE\\"
                       "e\xCEr = e / 45.0 mm (halber Abstand dieser Reihen) = 0.512"),
              std::string::npos)
        << off;
    EXPECT_NE(off.find("Annahme des Programms (keine Regel der Norm)"), std::string::npos);
    ASSERT_EQ(Calc_Plate_Block_Check(0, 0, &r), 1);
    EXPECT_EQ(r.block.edge, BLOCK_TO_UPPER_EDGE);
    EXPECT_EQ(r.block.last, 0);
    EXPECT_NEAR(r.u, 0.033158, 1e-6);
    /* compression, or the switch off: no check */
    Screwed_Outer_Plates();
    Get_Lkom_Entry(0, 0)->N_d = -26.0;
    EXPECT_EQ(Calc_Plate_Block_Check(0, 0, &r), 0);
    EXPECT_EQ(r.state, PLATE_BLOCK_NOT_APPLIED);
    Screwed_Outer_Plates();
    Splice_Input.block_shear = 0;
    EXPECT_EQ(Calc_Plate_Block_Check(0, 0, &r), 0);
    EXPECT_EQ(r.state, PLATE_BLOCK_NOT_APPLIED);
    /* A single row (y = 0) tears a block as well: the row itself sheared on both sides, 2 x
    ** 810.6 = 1621.2 mm², 219.960 kN for 13 kN, u = 0.059102 (to an edge 6 (120 - 3.5) = 699
    ** mm² and 810.6 mm²: 311.292 kN, 0.041761). */
    Screwed_Outer_Plates();
    Set_Layout(4, 1);
    Fastener_Pattern.count = 4;
    for (int i = 0; i < 4; i++) {
        Fastener_Pattern.recs[i].x = 9.0 + 5.04 * i;
        Fastener_Pattern.recs[i].y = 0.0;
    }
    ASSERT_EQ(Calc_Plate_Block_Check(0, 0, &r), 1);
    EXPECT_EQ(r.blocks, 3);
    EXPECT_EQ(r.block.edge, BLOCK_BETWEEN_ROWS);
    EXPECT_NEAR(r.A_nt, 0.0, 1e-9);
    EXPECT_NEAR(r.A_nv, 1621.2, 1e-9);
    EXPECT_NEAR(r.u, 0.059102, 1e-6);
}

TEST(BlockShear, EachSideOfAlternateScrewsTakesItsOwn)
{
    /* DIN 571 screws 8 x 120 mm pre-drilled, driven alternately through outer plates 8 x 240 mm
    ** (S235) into GL24h 16/24, 3 x 3 per half: columns x = 8, 12, 16 cm, rows y = 9.6, 0, -9.6
    ** cm; N_d = 40 kN, kmod 0.8. The left side holds 4 screws (the middle of the outer rows and
    ** the ends of the middle row), 40 / (2 x 4) = 5.0 kN each; the right side 5, 40 / (2 x 5) =
    ** 4.0 kN each.
    ** Timber, rows 1 and 2 (EN 1995-1-1, Annex A): t1 = 80 mm, L_net,t = 96 - 8 = 88 mm,
    ** L_net,v = 2 x 160 - 5 x 8 = 280 mm; F_bs,Rk = max(1.5 x 7040 x 19.2, 0.7 x 22400 x 3.5) =
    ** 202.752 kN, F_bs,Rd = 202.752 x 0.8 / 1.3 = 124.7705 kN; the left side's screws in them,
    ** 5.0 + 2 x 5.0 = 15.0 kN: u = 0.120221 (half of both sides', 27 / 2 = 13.5 kN, 0.108199).
    ** Plates, row 1 to the upper edge (EN 1993-1-8, 3.10.2): A_nt = 8 (24 - 0.5 x 9) = 156 mm²,
    ** A_nv = 8 (90.8 - 2.5 x 9) = 546.4 mm², V_eff,1,Rd = 360 x 156 / 1.25 + 235 x 546.4 /
    ** sqrt(3) = 119.0621 kN; the right side's two screws of row 1, 2 x 4.0 = 8.0 kN: u = 0.067192
    ** (13 / 2 = 6.5 kN, 0.054593). */
    Alternate_Din571_Splice(8.0, 120.0, 0.8);
    Splice_Input.block_shear = 1;
    Splice_Input.lkom.groups[0].kmod = 0.8;
    ASSERT_EQ(Prepare_Splice_Calc(), 0);
    ASSERT_NEAR(Fastener_Pattern.recs[5].x, 12.0, 1e-9);
    ASSERT_NEAR(Fastener_Pattern.recs[5].y, 9.6, 1e-9);
    Block_Shear_Check r;
    const Tearing_Block upper_pair{0, 1, BLOCK_BETWEEN_ROWS};
    ASSERT_EQ(Calc_Block_Shear_Of_Block(0, 0, &upper_pair, &r), 1);
    EXPECT_NEAR(r.F_Rd, 124.7705, 1e-4);
    EXPECT_NEAR(r.N, 15.0, 1e-9);
    EXPECT_NEAR(r.u, 0.120221, 1e-6);
    EXPECT_NE(Printed(&r).find("Holz neben dem Blech der linken Seite F\xCE\\"
                               "Ed\xCEr = 15.00 kN => u\xCE\\"
                               "bs\xCEr = 0.120"),
              std::string::npos);
    /* L_net,v = 320 - 5 x 8 leaves out the holes of both sides (the left side's own are 2.5 of
    ** them): the page says so */
    EXPECT_NE(Printed(&r).find("die Nettol\x84ngen ohne die L\x94"
                               "cher beider Seiten (auf der sicheren Seite)"),
              std::string::npos);
    Plate_Block_Check p;
    const Tearing_Block top_row{0, 0, BLOCK_TO_UPPER_EDGE};
    ASSERT_EQ(Calc_Plate_Block_Of_Block(0, 0, &top_row, &p), 1);
    EXPECT_NEAR(p.V_Rd, 119.0621, 1e-4);
    EXPECT_NEAR(p.N, 8.0, 1e-9);
    EXPECT_NEAR(p.u, 0.067192, 1e-6);
    /* With a thread of 90 mm the smooth shank holds 120 - 8 - 90 = 22 mm < 4 d in the timber:
    ** the modes take d_ef = 1.1 x 0.7 x 8 = 6.16 mm (EN 1995-1-1, 8.7.1) and, as the fastener
    ** check does beside steel, the f_u,k = 400 N/mm² entered for the screw, not the 360 of a
    ** steel grade the page does not show for screws:
    ** M_y,k = 0.15 x 400 x 6.16^2.6 = 6777.4 Nmm, f_h,0,k = 0.082 (1 - 0.01 x 6.16) 385 =
    ** 29.63 N/mm² (8.32) give t_ef = 1.4 (6777.4 / (29.63 x 6.16))^0.5 of the page. */
    Alternate_Din571_Splice(8.0, 120.0, 0.8);
    Splice_Input.block_shear = 1;
    Splice_Input.l_ef = 90.0;
    Splice_Input.fu_k = 400.0;
    ASSERT_EQ(Prepare_Splice_Calc(), 0);
    ASSERT_EQ(Calc_Block_Shear_Of_Block(0, 0, &upper_pair, &r), 1);
    EXPECT_NE(Printed(&r).find("M\xCE\\y,k\xCEr = 6777.4 Nmm, f\xCE\\h,0,k\xCEr = 29.63 "
                               "N/mm\xCE/2\xCEr, d\xCE\\ef\xCEr = 6.16 mm"),
              std::string::npos)
        << Printed(&r);
}

TEST(BlockShear, AConnectorsBlockPrintsWhatItTakes)
{
    /* Shear plates B1 of d_c = 65 mm (h_e 15 mm, M12 in holes of 13 mm) through outer plates
    ** 10 mm into GL24h 16/30, 2 x 2 per half, N_d = 60 kN. A shear plate sits in either face of
    ** the member of t1 = 160 mm: each bolt takes out (160 - 2 x 15) x 13 + 2 x 15 x 65 = 3640 mm², a hole of d0 = 3640 / 160 = 22.75 mm (one plate's 2860 mm² before):
    ** L_net,t = 177 - 22.75 = 154.25 mm, A_net,t = 160 x 154.25 = 24680 mm²,
    ** F_bs,Rk = 1.5 x 24680 x 19.2 = 710.784 kN. No dowel's mode lowers its area: the block takes
    ** neither M_y,k nor a mode, and names neither. */
    const Host_Catalogues catalogues;
    Fresh_Splice(true);
    Splice_Input.connection_kind = CONN_OUTER_PLATES;
    Splice_Input.mat_mid = 2;
    Splice_Input.grade_mid = 2; /* GL24h */
    Splice_Input.b = 16.0;
    Splice_Input.h = Splice_Input.h_p = 30.0;
    Splice_Input.t_p = 1.0;
    Splice_Input.plate_steel = 5;
    Splice_Input.vbm_type = VBM_SCHEIBENDUEBEL_B1;
    Splice_Input.connector_index = 0;
    Splice_Input.d = 65.0;
    Splice_Input.d_bolt = 12.0;
    Splice_Input.bolt_index = 3;
    Splice_Input.block_shear = 1;
    Set_Layout(2, 2);
    Tension_Splice(60.0);
    ASSERT_EQ(Prepare_Splice_Calc(), 0);
    Block_Shear_Check r;
    ASSERT_EQ(Calc_Block_Shear_Check(0, 0, &r), 1);
    EXPECT_NEAR(r.d0, 22.75, 1e-9);
    EXPECT_NEAR(r.F_Rk, 710.784, 1e-6);
    const std::string s = Printed(&r);
    EXPECT_NE(s.find("d\xCE\\0\xCEr = 22.75 mm: L\xCE\\net,t\xCEr = 177 - 1 x 22.75 = 154.25 mm, "
                     "t\xCE\\"
                     "1\xCEr = 160 mm => A\xCE\\net,t\xCEr = 24680 mm\xCE/2\xCEr\n"),
              std::string::npos)
        << s;
    EXPECT_NE(s.find(" mm\xCE/2\xCEr (ganze Dicke)\n"), std::string::npos) << s;
    /* the page gives d0 again from the bolt hole, h_e and d_c */
    EXPECT_NE(s.find("d\xCE\\0\xCEr = ((t\xCE\\1\xCEr - 2 h\xCE\\e\xCEr) d\xCE\\L\xCEr + "
                     "2 h\xCE\\e\xCEr d\xCE\\c\xCEr) / t\xCE\\1\xCEr = ((160 - 2 x 15) x 13 + "
                     "2 x 15 x 65) / 160 = 22.75 mm\n"),
              std::string::npos)
        << s;
    /* what its letters stand for on a line of its own (the two were one text of 308 bytes, which
    ** the writer broke after 255 in the middle of a clause) */
    EXPECT_NE(s.find("\n mit dem Bohrloch des Bolzens d\xCE\\L\xCEr = d + 1 mm \x81"
                     "ber die Dicke ohne die Einlasstiefe h\xCE\\e\xCEr und dem Teil "
                     "h\xCE\\e\xCEr d\xCE\\c\xCEr des D\x81"
                     "bels im Holz (je ein D\x81"
                     "bel an beiden Seiten des Holzes), auf die Dicke t\xCE\\1\xCEr verteilt\n"),
              std::string::npos)
        << s;
}

TEST(BlockShear, EachLamellaTakesTheHolesOfItsOwnFaces)
{
    /* Connectors on M12 (holes d_L = 13 mm) beside two inner plates 10 mm in C24 (f_t,0,k 14.5,
    ** f_v,k 4.0 N/mm²), h 24 cm, 2 x 2 per half, N_d 40 kN, kmod 0.8: F_bs,Rd = F_bs,Rk x 0.8 /
    ** 1.3. The lamella between the plates holds a connector in both faces, an outer lamella in
    ** one, and each takes its own hole width over t1 (its net section, EN 1995-1-1, 5.2(3)):
    ** toothed plates C2 62 (h_e 7.5), lamellas (140 - 20) / 3 = 40 mm, rows 165.6 mm apart:
    **   inner d0 = ((40 - 2 x 7.5) x 13 + 2 x 7.5 x 62) / 40 = (325 + 930) / 40 = 31.375 mm,
    **   A_net,t = 40 x (165.6 - 31.375) = 5369 mm², F_bs,Rk = 1.5 x 5369 x 14.5 = 116.77575 kN,
    **   F_bs,Rd = 71.862 kN, 20 kN: u = 0.278311 (0.260482 on the outer lamella's 22.1875 mm);
    **   outer d0 = ((40 - 7.5) x 13 + 7.5 x 62) / 40 = 887.5 / 40 = 22.1875 mm, A_net,t = 40 x
    **   143.4125 = 5736.5 mm², F_bs,Rk = 124.768875 kN, F_bs,Rd = 76.780846 kN, 10 kN: 0.130241;
    **   its shear area is that of its own bolt's mode, beside one plate ((8.11): (g), F_v,Rk
    **   7.2520 kN; not (j/l) of the inner lamella, whose area is L_net,v t1): M12 of f_u,k 360,
    **   M_y,Rk = 0.3 x 360 x 12^2.6 = 69070.9 Nmm, f_h,0,k = 0.082 (1 - 0.01 x 13) x 350 =
    **   24.969 N/mm² (in its hole of 13 mm, as the design takes it), t_ef = 40 ((2 + 4 x 69070.9
    **   / (24.969 x 12 x 40²))^0.5 - 1) = 24.2035 mm (A.4), L_net,v = 2 x 186 - 3 x 22.1875 =
    **   305.4375 mm, A_net,v = 305.4375 / 2 x (143.4125 + 2 x 24.2035) = 29294.4 mm² (12218 =
    **   L_net,v t1 before); 0.7 x 29294.4 x 4.0 = 82.02 kN stays below the tension term;
    ** shear plates B1 65 (h_e 15), lamellas (200 - 20) / 3 = 60 mm (at least 3.75 h_e = 56.25
    ** mm between the plates), rows 117 mm apart:
    **   inner d0 = ((60 - 30) x 13 + 30 x 65) / 60 = 2340 / 60 = 39 mm, A_net,t = 60 x 78 = 4680
    **   mm², F_bs,Rk = 1.5 x 4680 x 14.5 = 101.79 kN (0.7 x 60 x (547 - 3 x 39) x 4.0 = 72.24 kN
    **   below), F_bs,Rd = 62.64 kN, u = 0.319285;
    **   outer d0 = ((60 - 15) x 13 + 15 x 65) / 60 = 1560 / 60 = 26 mm, A_net,t = 60 x 91 = 5460
    **   mm², F_bs,Rk = 118.755 kN, F_bs,Rd = 73.08 kN, u = 0.136836; a shear plate has no
    **   dowel's mode: A_net,v = (547 - 3 x 26) x 60 = 28140 mm² of the whole thickness. */
    const Host_Catalogues catalogues;
    const struct {
        int type, row;
        double dc, b, d0, d0_outer, F_Rk, F_Rk_outer, u, u_outer, A_v_outer;
        const char *inner_hole, *outer_hole, *outer_area;
    } rows[] = {
        {VBM_SCHEIBENDUEBEL_C2, 1, 62.0, 14.0, 31.375, 22.1875, 116.77575, 124.768875, 0.278311,
         0.130241, 29294.4, "((40 - 2 x 7.5) x 13 + 2 x 7.5 x 62) / 40 = 31.375 mm\n",
         "((40 - 7.5) x 13 + 7.5 x 62) / 40 = 22.188 mm\n",
         " = 29294 mm\xCE/2\xCEr (Versagensmechanismus g, \x84u\xE1"
         "ere Lamelle)\n"},
        /* C1 62 chosen, built as the C2 62 (h_e 7.5): 31.13 and 22.065 mm with its 7.4 before */
        {VBM_SCHEIBENDUEBEL_C1, 1, 62.0, 14.0, 31.375, 22.1875, 116.77575, 124.768875, 0.278311,
         0.130241, 29294.4, "((40 - 2 x 7.5) x 13 + 2 x 7.5 x 62) / 40 = 31.375 mm\n",
         "((40 - 7.5) x 13 + 7.5 x 62) / 40 = 22.188 mm\n",
         " = 29294 mm\xCE/2\xCEr (Versagensmechanismus g, \x84u\xE1"
         "ere Lamelle)\n"},
        {VBM_SCHEIBENDUEBEL_B1, 0, 65.0, 20.0, 39.0, 26.0, 101.79, 118.755, 0.319285, 0.136836,
         28140.0, "((60 - 2 x 15) x 13 + 2 x 15 x 65) / 60 = 39.0 mm\n",
         "((60 - 15) x 13 + 15 x 65) / 60 = 26.0 mm\n", " = 28140 mm\xCE/2\xCEr (ganze Dicke)\n"},
    };
    for (const auto &c : rows) {
        SCOPED_TRACE(c.dc);
        Inner_Plate_Connector_Splice(c.type, c.row, c.dc, c.b);
        ASSERT_EQ(Prepare_Splice_Calc(), 0);
        Block_Shear_Check r;
        ASSERT_EQ(Calc_Block_Shear_Check(0, 0, &r), 1);
        EXPECT_NEAR(r.d0, c.d0, 1e-9);
        EXPECT_NEAR(r.F_Rk, c.F_Rk, 1e-6);
        EXPECT_NEAR(r.outer.d0, c.d0_outer, 1e-9);
        EXPECT_NEAR(r.outer.F_Rk, c.F_Rk_outer, 1e-6);
        EXPECT_NEAR(r.outer.A_v, c.A_v_outer, 0.05);
        EXPECT_NEAR(r.u, c.u, 1e-6);
        const std::string s = Printed(&r);
        /* the outer lamella's shear area after its hole line, with its own mode */
        const size_t outer = s.find("ere Lamelle (neben einem Blech): d");
        ASSERT_NE(outer, std::string::npos) << s;
        EXPECT_NE(s.find(c.outer_area, outer), std::string::npos) << s;
        EXPECT_NE(s.find(std::string("innere Lamelle (zwischen zwei Blechen): d\xCE\\0\xCEr = ((t"
                                     "\xCE\\1\xCEr - 2 h\xCE\\e\xCEr) d\xCE\\L\xCEr + 2 h\xCE\\e"
                                     "\xCEr d\xCE\\c\xCEr) / t\xCE\\1\xCEr = ")
                         + c.inner_hole),
                  std::string::npos)
            << s;
        EXPECT_NE(s.find(std::string("\x84u\xE1"
                                     "ere Lamelle (neben einem Blech): d\xCE\\0\xCEr = ((t\xCE\\1"
                                     "\xCEr - h\xCE\\e\xCEr) d\xCE\\L\xCEr + h\xCE\\e\xCEr "
                                     "d\xCE\\c\xCEr) / t\xCE\\1\xCEr = ")
                         + c.outer_hole),
                  std::string::npos)
            << s;
        char line[160];
        snprintf(line, sizeof line,
                 "ere Lamelle (neben einem Blech): F\xCE\\Ed\xCEr x 1 / 4 = "
                 "10.00 kN => u\xCE\\"
                 "bs\xCEr = %.3f\n",
                 c.u_outer);
        EXPECT_NE(s.find(line), std::string::npos) << s;
    }
}
