/*
** Design runs of ring and toothed-plate connectors with catalogue rows of the test's own
** (EN 912 sizes), checked against hand calculations of EN 1995-1-1, 8.9 and 8.10.
*/
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/stat.h>

#include "design_test_util.h"

namespace {

Connection_Input Connector_Input(int type, double dc)
{
    Connection_Input in{};
    in.vbm_type = type;
    in.vbm_row = 0;
    in.steel_grade = -1;
    in.d = dc;
    in.d_bolt = 12.0;
    in.length = 140.0;
    in.shear_planes = 1;
    in.proof_method = 1;
    in.mat_1 = in.mat_2 = 0;
    in.grade_1 = in.grade_2 = Grade_Index(0, "C24");
    in.t1 = 40.0;
    in.t2 = 80.0;
    in.fu = 360.0;
    in.kmod_given = 0.8;
    in.gamma_m_1 = in.gamma_m_2 = 1.3;
    in.gamma_steel = 1.1;
    in.washer_d = -1.0;
    in.service_class_1 = in.service_class_2 = 1;
    return in;
}

} // namespace

TEST(ConnectorRuns, RingConnectorA1)
{
    Standard_Scope en(true);
    Load_Test_Connectors("connector_data_ring");
    ASSERT_EQ(Get_Connector_Value(25, 0, "he"), 15.0);
    Connection_Result r{};
    ASSERT_EQ(Design_Connection(Connector_Input(25, 65.0), &r), 0);
    /* t1,min = 45 > 40: k1 = 40/45; min(31.5 * 65 * 15, 35 * 65^1.5) * 40/45 = 16303.68;
    ** rd = 16303.68 * 0.8 / 1.3 = 10033.03; no dowel-type part */
    EXPECT_NEAR(r.rk_connector, 16303.68, 0.01);
    EXPECT_NEAR(r.rd_connector, 10033.03, 0.01);
    EXPECT_EQ(r.rk_lateral, 0.0);
    EXPECT_NEAR(r.rk_total, 16303.68, 0.01);
    EXPECT_NEAR(r.rd_total, 10033.03, 0.01);
    EXPECT_DOUBLE_EQ(r.gamma_connector, 1.3);
    /* slip modulus 0.5 * 420 * 65 = 13650; a3,t = max(2 * 65, 7 * 12 = 84, 80) = 130 */
    EXPECT_NEAR(r.k_ser, 13650.0, 1e-9);
    EXPECT_NEAR(r.spacing_1[2], 130.0, 1e-9);
    EXPECT_EQ(r.spacing_rule_1, 7);
}

TEST(ConnectorRuns, ToothedPlateC1WithItsBolt)
{
    Standard_Scope en(true);
    Load_Test_Connectors("connector_data_toothed");
    Connection_Result r{};
    ASSERT_EQ(Design_Connection(Connector_Input(26, 50.0), &r), 0);
    /* connector: 18 * 50^1.5 = 6363.96 (k1 = k3 = 1); rd = 6363.96 * 0.8 / 1.3 = 3916.28.
    ** its bolt (12 mm, hole 13: fh = 24.969), 40 and 80 mm: R4 = 5845.51 governs;
    ** rd = 5845.51 * 0.8 / 1.3 = 3597.24 */
    EXPECT_NEAR(r.rk_connector, 6363.96, 0.01);
    EXPECT_NEAR(r.rd_connector, 3916.28, 0.01);
    EXPECT_EQ(r.rule_char, 4);
    EXPECT_NEAR(r.rk_lateral, 5845.51, 0.01);
    EXPECT_NEAR(r.rd_lateral, 3597.24, 0.01);
    EXPECT_NEAR(r.rk_total, 6363.96 + 5845.51, 0.02);
    EXPECT_NEAR(r.rd_total, 3916.28 + 3597.24, 0.02);
}

TEST(ConnectorRuns, ZeroPartialFactorIsNotDeterminable)
{
    /* Under DIN 1052 the connector takes the members' partial factor (under EN 1995 the
    ** annex's of connections). */
    Standard_Scope din(false);
    Load_Test_Connectors("connector_data_gamma");
    Connection_Input in = Connector_Input(25, 65.0);
    in.gamma_m_1 = 0.0;
    Connection_Result r{};
    ASSERT_EQ(Design_Connection(in, &r), 0);
    /* the characteristic value stands, its design value cannot be formed: 0 and code 168 */
    EXPECT_NEAR(r.rk_connector, 16303.68, 0.01);
    EXPECT_EQ(r.rd_connector, 0.0);
    EXPECT_EQ(r.rd_total, 0.0);
    EXPECT_EQ(r.msg_code, 168);
}

TEST(ConnectorRuns, ShearPlateAgainstASteelPlateTakesItsHubHole)
{
    Standard_Scope en(true);
    const std::string dir = "connector_data_b1";
    mkdir(dir.c_str(), 0755);
    FILE *f = fopen((dir + "/ec5_schduebel_B1.dat").c_str(), "w");
    ASSERT_NE(f, nullptr);
    fputs("# dc he hc t t1 d1 d2 d3 d4 r h1 a1 a2 db_min db_max F\n2\n1\n"
          "67 15 30 4 12 21 67 20 21 33.5 10 5 5 16 20 1000\n",
          f);
    fclose(f);
    setenv("SPLICE_PRIVATE_DATA", dir.c_str(), 1);
    Reset_Vbm_Catalogues();
    Load_Ec5_Schduebel_B1();
    ASSERT_DOUBLE_EQ(Get_Connector_Value(31, 0, "d3"), 20.0);
    /* the plate's spacings follow the hole of the hub, d3 = 20 (not the bolt's 16): a bolt hole
    ** of d0 = 21 gives p2 = 2.4 d0 = 50.4 and e1 = 1.2 d0 = 25.2 */
    Connection_Input in = Connector_Input(31, 67.0);
    in.d_bolt = 16.0;
    in.mat_1 = 12;
    in.grade_1 = 0;
    in.t1 = 10.0;
    Connection_Result r{};
    Design_Connection(in, &r);
    EXPECT_NEAR(r.spacing_1[0], 50.4, 1e-9);
    EXPECT_NEAR(r.spacing_1[1], 50.4, 1e-9);
    EXPECT_NEAR(r.spacing_1[2], 25.2, 1e-9);
    EXPECT_NEAR(r.spacing_1[5], 25.2, 1e-9);
}

TEST(ConnectorRuns, RingConnectorTakesTheWeakerAngleAndDensity)
{
    Standard_Scope en(true);
    Load_Test_Connectors("connector_data_ring_angle");
    /* the angle whose k_alpha is the smaller governs, from either member: at 90 degrees
    ** k_alpha = 1 / (1.3 + 0.001 * 65) = 0.732601, Rk = 16303.68 * 0.732601 = 11944.09 */
    for (int k = 0; k < 2; k++) {
        Connection_Input in = Connector_Input(25, 65.0);
        in.alpha_1 = k == 0 ? 0.0 : 90.0;
        in.alpha_2 = k == 0 ? 90.0 : 0.0;
        Connection_Result r{};
        ASSERT_EQ(Design_Connection(in, &r), 0);
        EXPECT_NEAR(r.k_alpha, 0.732601, 1e-6) << k;
        EXPECT_NEAR(r.rk_connector, 11944.09, 0.01) << k;
    }
    /* C24 beside C30 (rho_k 350 and 380): the smaller density, k3 = 1; the connector's partial
    ** factor is the annex's of connections, not that of a member */
    Connection_Input in = Connector_Input(25, 65.0);
    in.grade_2 = Grade_Index(0, "C30");
    in.gamma_m_2 = 1.4;
    Connection_Result r{};
    ASSERT_EQ(Design_Connection(in, &r), 0);
    EXPECT_DOUBLE_EQ(r.k_3, 1.0);
    EXPECT_NEAR(r.rk_connector, 16303.68, 0.01);
    EXPECT_DOUBLE_EQ(r.gamma_connector, 1.3);
    /* C30 on both sides: k3 = 380 / 350, 16303.68 * 1.085714 = 17701.14 */
    in.grade_1 = in.grade_2;
    Connection_Result s{};
    ASSERT_EQ(Design_Connection(in, &s), 0);
    EXPECT_NEAR(s.rk_connector, 17701.14, 0.01);
}

/*
** The partial factor of a connector (EN 1995-1-1, Table 2.3): under EN 1995 the annex's factor of
** connections, as the dowel-type part takes it, whatever the members' are (an annex with 1.25
** for glulam and 1.3 for connections gives a ring connector in glulam 1.3, not 1.25); under
** DIN 1052 the members' factor, for toothed plates the larger of both. Ring connector dc 65,
** he 15, C24 40/80 mm: Rk = 16303.68 (above); toothed plate C1 dc 50 beside C30: k3 =
** min(350, 380) / 350 = 1, Rk = 18 * 50^1.5 = 6363.96; Rd = Rk * 0.8 / gamma.
*/
TEST(ConnectorRuns, ConnectorsTakeThePartialFactorOfConnections)
{
    Load_Test_Connectors("connector_data_toothed_gamma");
    struct Case {
        int type;
        bool en;
        double gamma_1, gamma_2; /* the members' factors */
        double connections;      /* the annex's factor of connections */
        double gamma, rk, rd;    /* worked by hand */
    };
    const Case cases[] = {
        {25, true, 1.25, 1.25, 1.3, 1.3, 16303.68, 16303.68 * 0.8 / 1.3},  /* 10033.03 */
        {25, true, 1.3, 1.3, 1.25, 1.25, 16303.68, 16303.68 * 0.8 / 1.25}, /* 10434.36 */
        {25, false, 1.4, 1.3, 1.3, 1.4, 16303.68, 16303.68 * 0.8 / 1.4},   /* 9316.39 */
        {26, true, 1.3, 1.4, 1.3, 1.3, 6363.96, 6363.96 * 0.8 / 1.3},      /* 3916.28 */
        {26, true, 1.4, 1.3, 1.25, 1.25, 6363.96, 6363.96 * 0.8 / 1.25},   /* 4073.09 */
        {26, false, 1.3, 1.4, 1.3, 1.4, 6363.96, 6363.96 * 0.8 / 1.4},     /* 3636.55 */
        {26, false, 1.4, 1.3, 1.3, 1.4, 6363.96, 6363.96 * 0.8 / 1.4},     /* 3636.55 */
    };
    for (const Case &c : cases) {
        Standard_Scope scope(c.en);
        scope.Block().gamma_m_connections = c.connections;
        Connection_Input in = Connector_Input(c.type, c.type == 25 ? 65.0 : 50.0);
        if (c.type == 26) in.grade_2 = Grade_Index(0, "C30");
        in.gamma_m_1 = c.gamma_1;
        in.gamma_m_2 = c.gamma_2;
        Connection_Result r{};
        ASSERT_EQ(Design_Connection(in, &r), 0) << c.type << c.en;
        EXPECT_NEAR(r.rk_connector, c.rk, 0.01) << c.type << c.en;
        EXPECT_DOUBLE_EQ(r.gamma_connector, c.gamma) << c.type << c.en << c.gamma_1;
        EXPECT_NEAR(r.rd_connector, c.rd, 0.01) << c.type << c.en << c.gamma_1;
    }
    Standard_Scope din(false);
    EXPECT_DOUBLE_EQ(Get_Connector_Gamma_M(1.4, 0), 1.4);
}
