/*
** EN 1990, EN 1992, EN 1993, EN 1996 and EN 1999 blocks: defaults, section lines, readers of
** older versions, compare and copy.
*/
#include <gtest/gtest.h>

#include <cstring>

#include "nad/nad.h"
#include "foundation/codepage.h"
#include "dialogs/dialogs.h"
#include "foundation/foundation.h"
#include "nad_test_util.h"

using nadtest::Text_Stream;
using nadtest::Written;

/* ---------------------------------------------------------------- EN 1990 */

TEST(NadEc0, DefaultsOfBuildingsAndBridges)
{
    NAD_EC0_Params b;
    Init_NAD_EC0_Defaults(&b);
    EXPECT_DOUBLE_EQ(b.gamma_bld[NAD_SIT_PERSISTENT][NAD_ACT_PERMANENT][0], 1.35);
    EXPECT_DOUBLE_EQ(b.gamma_bld[NAD_SIT_PERSISTENT][NAD_ACT_VARIABLE][0], 1.5);
    EXPECT_DOUBLE_EQ(b.gamma_bld[NAD_SIT_PERSISTENT][NAD_ACT_VARIABLE][1], 0.0);
    EXPECT_DOUBLE_EQ(b.gamma_bld[NAD_SIT_ACCIDENTAL][NAD_ACT_ACCIDENTAL][1], 1.0);
    EXPECT_DOUBLE_EQ(b.gamma_bld[NAD_SIT_SEISMIC][NAD_ACT_SEISMIC][0], 1.0);
    EXPECT_DOUBLE_EQ(b.gamma_bld[NAD_SIT_SERVICE][NAD_ACT_SEISMIC][0], 0.0);
    EXPECT_DOUBLE_EQ(b.psi_bld[NAD_PSI_STORAGE][1], 0.9);
    EXPECT_DOUBLE_EQ(b.psi_bld[NAD_PSI_SNOW_LOW][3], 0.5);
    EXPECT_DOUBLE_EQ(b.psi_bld[NAD_PSI_SNOW_HIGH][2], 0.2);
    EXPECT_DOUBLE_EQ(b.gamma_brg[0][8][0], 1.45);
    EXPECT_DOUBLE_EQ(b.gamma_brg[2][3][1], 1.0);
    EXPECT_DOUBLE_EQ(b.gamma_brg[2][4][1], 0.0);
    EXPECT_DOUBLE_EQ(b.gamma_brg[3][13][0], 0.0);
    EXPECT_DOUBLE_EQ(b.psi_road[11][2], 0.5);
    EXPECT_DOUBLE_EQ(b.psi_foot[3][0], 0.3);
    /* railway: LM 71 psi1 -0.1, earth pressure -0.2, gr31 0.6, Fwk psi0 0.75, Qc psi2 1.0 */
    EXPECT_DOUBLE_EQ(b.psi_rail[0][1], -0.1);
    EXPECT_DOUBLE_EQ(b.psi_rail[8][1], -0.2);
    EXPECT_DOUBLE_EQ(b.psi_rail[23][1], 0.6);
    EXPECT_DOUBLE_EQ(b.psi_rail[26][0], 0.75);
    EXPECT_DOUBLE_EQ(b.psi_rail[30][2], 1.0);
    EXPECT_DOUBLE_EQ(b.psi_rail[28][2], 0.5);
    EXPECT_DOUBLE_EQ(b.track_factors[2], 0.6);
    EXPECT_EQ(b.version, 0);
}

TEST(NadEc0, RoundTripToTwoDecimalsAndLineCount)
{
    NAD_EC0_Params b;
    Init_NAD_EC0_Defaults(&b);
    b.gamma_bld[1][2][0] = 1.123;
    b.psi_bld[4][3] = 0.456;
    b.psi_rail[12][1] = 0.777;
    const std::string text = Written([&](FILE *o) { Write_NAD_EC0_Section(o, &b); });
    /* 28 + 12 + 1 + 60 + 52 + 1 lines and the fourth values without a line feed */
    size_t lines = 0;
    for (char c : text) lines += c == '\n';
    EXPECT_EQ(lines, 154u);
    EXPECT_EQ(text.substr(text.size() - 60),
              " 0.30 0.60 0.80 0.60 0.46 0.00 0.50 0.50 0.00 0.00 1.00 0.50");
    FILE *f = Text_Stream(text + "\n"); /* in a file, a line feed follows */
    NAD_EC0_Params r;
    memset(&r, 0, sizeof r);
    Read_NAD_EC0_Section(f, &r, 1);
    fclose(f);
    EXPECT_EQ(r.version, 5);
    EXPECT_DOUBLE_EQ(r.gamma_bld[1][2][0], 1.12);
    EXPECT_DOUBLE_EQ(r.psi_bld[4][3], 0.46);
    EXPECT_DOUBLE_EQ(r.psi_rail[12][1], 0.78);
    b.gamma_bld[1][2][0] = 1.12, b.psi_bld[4][3] = 0.46, b.psi_rail[12][1] = 0.78;
    EXPECT_EQ(Compare_NAD_EC0_Params(&b, &r), 0);
    r.track_factors[0] = 0.8002;
    EXPECT_EQ(Compare_NAD_EC0_Params(&b, &r), 1);
}

TEST(NadEc0, OlderVersions)
{
    NAD_EC0_Params b;
    Init_NAD_EC0_Defaults(&b);
    for (int s = 0; s < 4; s++)
        for (int t = 0; t < 15; t++)
            b.gamma_brg[s][t][0] = 2 + 0.01 * t, b.gamma_brg[s][t][1] = 0.5;
    std::string text = Written([&](FILE *o) { Write_NAD_EC0_Section(o, &b); });
    /* version 3: 14 bridge types per situation, type 8 copied from type 7 */
    std::string v3 = text;
    size_t p = v3.find("\n 5\n");
    ASSERT_NE(p, std::string::npos);
    v3.replace(p, 4, "\n 3\n");
    std::string bridge;
    for (int s = 0; s < 4; s++)
        for (int t = 0; t < 15; t++)
            if (t != 7) bridge += " 3.0" + std::to_string(t) + " 0.25\n";
    const size_t start = p + 4;
    size_t end = start;
    for (int i = 0; i < 60; i++) end = v3.find('\n', end) + 1;
    v3.replace(start, end - start, bridge);
    NAD_EC0_Params r;
    Init_NAD_EC0_Defaults(&r);
    FILE *f = Text_Stream(v3);
    Read_NAD_EC0_Section(f, &r, 1);
    fclose(f);
    EXPECT_EQ(r.version, 3);
    for (int s = 0; s < 4; s++) {
        EXPECT_DOUBLE_EQ(r.gamma_brg[s][6][0], 3.06);
        EXPECT_DOUBLE_EQ(r.gamma_brg[s][7][0], 3.06);
        EXPECT_DOUBLE_EQ(r.gamma_brg[s][8][0], 3.08);
        EXPECT_DOUBLE_EQ(r.gamma_brg[s][14][1], 0.25);
    }
    /* the fourth psi values of version 3 are not read: the earlier values stay */
    EXPECT_DOUBLE_EQ(r.psi_bld[6][3], 0.5);

    /* version 4: the fourth values stay what they were before the read */
    std::string v4 = text;
    v4.replace(v4.find("\n 5\n"), 4, "\n 4\n");
    Init_NAD_EC0_Defaults(&r);
    r.psi_bld[0][3] = 0.99;
    f = Text_Stream(v4);
    Read_NAD_EC0_Section(f, &r, 1);
    fclose(f);
    EXPECT_DOUBLE_EQ(r.psi_bld[0][3], 0.99);
    EXPECT_DOUBLE_EQ(r.gamma_brg[1][14][0], 2.14);
}

TEST(NadEc0, OldStoreEntryWithVersionZeroReadsOnlySituationOne)
{
    NAD_EC0_Params r;
    Init_NAD_EC0_Defaults(&r);
    std::string text = "#NAD\n Lastfaktoren 0\n";
    for (int t = 0; t < 7; t++) text += " 1.11 0.22\n";
    for (int i = 0; i < 12; i++) text += " 0.10 0.20 0.30\n";
    FILE *f = Text_Stream(text);
    char line[32];
    ASSERT_NE(fgets(line, sizeof line, f), nullptr);
    Read_NAD_EC0_Section(f, &r, 0);
    fclose(f);
    EXPECT_DOUBLE_EQ(r.gamma_bld[0][6][0], 1.11);
    EXPECT_DOUBLE_EQ(r.gamma_bld[1][0][0], 1.0); /* situations 2 to 4 keep their values */
    EXPECT_DOUBLE_EQ(r.psi_bld[11][2], 0.30);
    EXPECT_EQ(r.version, 2); /* no version number after the psi lines */
}

/* ---------------------------------------------------------------- EN 1992 */

TEST(NadEc2, DefaultsAndRoundTrip)
{
    NAD_EC2_Params b;
    Init_NAD_EC2_Defaults(&b);
    EXPECT_EQ(b.version, 20);
    EXPECT_STREQ(b.exposure_names[2], "XC1");
    EXPECT_STREQ(b.roughness_names[3], "sehr glatt");
    EXPECT_STREQ(b.situation_names[0], "ständig/veränderlich"_cp850);
    EXPECT_DOUBLE_EQ(b.gamma_c[3], 1.2);
    EXPECT_DOUBLE_EQ(b.gamma_s_brg[1], 1.15);
    EXPECT_DOUBLE_EQ(b.lambda_lim, 10.78);
    EXPECT_DOUBLE_EQ(b.r_inf_post, 0.0);
    EXPECT_EQ(b.switches[0], 2);
    EXPECT_EQ(b.switches[12], 1);
    EXPECT_EQ(b.switches[13], 0);
    EXPECT_EQ(b.switches[NAD_EC2_HSC_CLASS], 1);
    EXPECT_EQ(b.switches[19], 0);

    /* values of their own in every written field */
    NAD_EC2_Params s = b;
    double *first = s.exposure_cmin_dur;
    const size_t n =
        (offsetof(NAD_EC2_Params, r_inf_post) - offsetof(NAD_EC2_Params, exposure_cmin_dur))
            / sizeof(double)
        + 1;
    for (size_t i = 0; i < n; i++) first[i] = 0.125 + 0.5 * (double)i;
    /* within what each field may hold: partial factors from 1.0, the factors alpha of the
    ** strengths up to 1.0, covers up to 10 cm */
    double *gammas[] = {&s.gamma_c[0],     &s.gamma_c[1],     &s.gamma_c[2],     &s.gamma_c[3],
                        &s.gamma_s[0],     &s.gamma_s[1],     &s.gamma_s[2],     &s.gamma_s[3],
                        &s.gamma_c_brg[0], &s.gamma_c_brg[1], &s.gamma_c_brg[2], &s.gamma_c_brg[3],
                        &s.gamma_s_brg[0], &s.gamma_s_brg[1], &s.gamma_s_brg[2], &s.gamma_s_brg[3],
                        &s.gamma_c_sls,    &s.gamma_s_sls,    &s.gamma_ce,       &s.gamma_f_fat};
    for (size_t i = 0; i < sizeof gammas / sizeof gammas[0]; i++) *gammas[i] = 1.05 + 0.05 * i;
    double *alphas[] = {&s.alpha_cc,  &s.alpha_ct,  &s.alpha_cc_pl,  &s.alpha_ct_pl,
                        &s.alpha_lcc, &s.alpha_lct, &s.alpha_cc_brg, &s.alpha_ct_brg};
    for (size_t i = 0; i < sizeof alphas / sizeof alphas[0]; i++) *alphas[i] = 0.55 + 0.05 * i;
    for (int i = 0; i < 12; i++) s.exposure_dc_dur_gamma[i] = 0.125 + 0.25 * i;
    s.dc_dev = 1.25, s.dc_dur_st = 0.5, s.dc_dur_add = 0.75;
    s.gamma_m_fi = 1.0; /* normalised on reading */
    s.extra_a = 3.5, s.extra_b = 4.25, s.flag_last = 1, s.variant = 0;
    for (int i = 0; i < 19; i++) s.switches[i] = i % 3;
    s.switches[NAD_EC2_HSC_CLASS] = 2;
    FILE *f = Text_Stream(Written([&](FILE *o) { Write_NAD_EC2_Section(o, &s); }));
    NAD_EC2_Params r;
    Read_NAD_EC2_Section(f, &r);
    fclose(f);
    s.switches[19] = 0; /* not stored: stays at its default */
    EXPECT_EQ(Compare_NAD_EC2_Params(&s, &r), 0);
    EXPECT_DOUBLE_EQ(r.extra_b, 4.25);
    EXPECT_DOUBLE_EQ(r.r_inf_post, s.r_inf_post);
    r.k_stress[4] += 0.001;
    EXPECT_EQ(Compare_NAD_EC2_Params(&s, &r), 1);
    NAD_EC2_Params c;
    Copy_NAD_EC2_Params_Twin(&c, &r);
    EXPECT_EQ(Compare_NAD_EC2_Params(&c, &r), 0);
}

TEST(NadEc2, OlderVersionKeepsDefaultsAndNormalises)
{
    NAD_EC2_Params s;
    Init_NAD_EC2_Defaults(&s);
    s.alpha_cc = 0.85;     /* line 12, stored from version 15 on */
    s.nu1_l = 0.45;        /* line 8, version 13 */
    s.k_hsc_section = 1.3; /* line 18, version 17 */
    s.variant = 1;
    std::string text = Written([&](FILE *o) { Write_NAD_EC2_Section(o, &s); });
    text.replace(text.find("\n 20\n"), 5, "\n 14\n");
    FILE *f = Text_Stream(text);
    NAD_EC2_Params r;
    Read_NAD_EC2_Section(f, &r);
    fclose(f);
    EXPECT_EQ(r.version, 14);
    EXPECT_DOUBLE_EQ(r.nu1_l, 0.45);
    EXPECT_DOUBLE_EQ(r.alpha_cc, 1.0);
    EXPECT_DOUBLE_EQ(r.k_hsc_section, 1.1); /* variant 0 (line 16 not stored): kept */
    /* normalisation: the German variant takes 1.0 for the high-strength factors */
    NAD_EC2_Params n = s;
    n.gamma_m_fi = 1.7;
    n.switches[3] = 9;
    Normalize_NAD_EC2_Params(&n);
    EXPECT_DOUBLE_EQ(n.gamma_m_fi, 1.0);
    EXPECT_DOUBLE_EQ(n.k_hsc_section, 1.0);
    EXPECT_DOUBLE_EQ(n.km_hsc, 1.0);
    EXPECT_EQ(n.switches[3], 2);
}

TEST(NadEc2, ValuesForCode)
{
    NAD_EC2_Params b;
    Init_NAD_EC2_Values_For_Code(4, &b);
    EXPECT_DOUBLE_EQ(b.gamma_c[3], 1.3);
    EXPECT_DOUBLE_EQ(b.gamma_s[3], 1.0);
    EXPECT_DOUBLE_EQ(b.alpha_cc, Get_NAD_Citation_Mode() == 1 ? 0.85 : 1.0);
    Init_NAD_EC2_Values_For_Code(7, &b);
    EXPECT_DOUBLE_EQ(b.gamma_c[3], 1.2);
}

/* ---------------------------------------------------------------- EN 1993 */

TEST(NadEc3, SectionLinesAndRoundTrip)
{
    NAD_EC3_Params b;
    Init_NAD_EC3_German_Values(&b);
    EXPECT_EQ(b.variant, 1);
    EXPECT_DOUBLE_EQ(b.ec3_1.gamma_m1, 1.1);
    EXPECT_DOUBLE_EQ(b.ec3_1.e0_plastic[0], 600);
    const std::string text = Written([&](FILE *o) { Write_NAD_EC3_Section(o, &b); });
    EXPECT_EQ(
        text,
        " EC3-1 Parameter\n"
        " 5 1.000000 1.100000 1.250000 1.000000 1.000000 1.150000 1 1.000000\n"
        " 0.400000 0.750000 0 1.000000 1 1.000000\n"
        " 600.000000 550.000000 350.000000 250.000000 150.000000 600.000000 550.000000 350.000000"
        " 250.000000 150.000000\n"
        " EC3-8 Parameter\n"
        " 5 1.250000 1.000000 1.000000 1.000000 1.100000 1.100000\n"
        " 3 1.200000\n"
        " 1.000000 1.150000 1.150000 1.350000\n"
        " 1.000000 1.100000\n");
    FILE *f = Text_Stream(text);
    NAD_EC3_Params r;
    Read_NAD_EC3_Section(f, &r, 1);
    fclose(f);
    EXPECT_EQ(r.variant, 0); /* not stored in the section */
    r.variant = 1;
    EXPECT_EQ(Compare_NAD_EC3_Params(&b, &r), 0);
    EXPECT_EQ(r.ec3_8.version, 5);
}

TEST(NadEc3, MissingJointsAndOldSubBlocks)
{
    FILE *f =
        Text_Stream(" EC3-1 Parameter\n 5 1.0 1.1 1.25 1.0 1.0 1.15 1 1.0\n 0.4 0.75 0 1.0 1 1.0\n"
                    " 600 550 350 250 150 600 550 350 250 150\n");
    NAD_EC3_Params r;
    Read_NAD_EC3_Section(f, &r, 1);
    fclose(f);
    EXPECT_EQ(r.ec3_8.version, 0);
    EXPECT_DOUBLE_EQ(r.ec3_8.factors_a[0], 1.25);
    EXPECT_DOUBLE_EQ(r.ec3_1.gamma_m1, 1.1);

    /* version 3: the buckling line and the imperfections keep their defaults */
    f = Text_Stream(
        " EC3-1 Parameter\n 3 1.05 1.1 1.25 1.0 1.0 1.15 1 1.2\n 0.2 0.5 1 0.9 0 0.8\n");
    Read_NAD_EC3_Section(f, &r, 1);
    fclose(f);
    EXPECT_EQ(r.ec3_1.version, 3);
    EXPECT_DOUBLE_EQ(r.ec3_1.gamma_m0, 1.05);
    EXPECT_DOUBLE_EQ(r.ec3_1.gamma_m_fi, 1.2);
    EXPECT_DOUBLE_EQ(r.ec3_1.lambda_lt0, 0.4);
    EXPECT_DOUBLE_EQ(r.ec3_1.e0_elastic[0], 350);

    /* sub-blocks of version 1 compare as equal */
    NAD_EC3_1_Params a, b;
    Init_NAD_EC3_1_Defaults(&a);
    Init_NAD_EC3_1_DE_Values(&b);
    EXPECT_EQ(Compare_NAD_EC3_1_Params(&a, &b), 1);
    a.version = 1;
    EXPECT_EQ(Compare_NAD_EC3_1_Params(&a, &b), 0);
    EXPECT_EQ(Compare_NAD_EC3_8_Params(nullptr, &r.ec3_8), 1);

    /* the older store: " EC3 Parameter" with the variant */
    f = Text_Stream(
        "#NAD\n EC3 Parameter\n 1\n EC3-1 Parameter\n 1 1.0 1.15 1.3 1.0 1.0 1.2\n EC3-8 Parameter\n"
        " 1 1.3 1.0 1.0 1.0 1.2 1.2\n");
    char line[32];
    ASSERT_NE(fgets(line, sizeof line, f), nullptr);
    Read_NAD_EC3_Section(f, &r, 0);
    fclose(f);
    EXPECT_EQ(r.variant, 1);
    EXPECT_DOUBLE_EQ(r.ec3_1.gamma_m2_acc, 1.2);
    EXPECT_DOUBLE_EQ(r.ec3_8.factors_a[5], 1.2);
    EXPECT_EQ(r.ec3_8.count_b, 3);
}

/* ---------------------------------------------------------------- EN 1996, EN 1999 */

TEST(NadEc6, SectionAndVersionZero)
{
    NAD_EC6_Params b;
    Init_NAD_EC6_German_Values(&b);
    EXPECT_EQ(Written([&](FILE *o) { Write_NAD_EC6_Section(o, &b); }),
              " 1\n 1\n 1.500000 1.300000 1.200000 1.000000\n");
    NAD_EC6_Params r;
    FILE *f = Text_Stream(" 1\n 1\n 1.500000 1.300000 1.200000 1.000000\n");
    Read_NAD_EC6_Section(f, &r);
    fclose(f);
    EXPECT_EQ(Equal_NAD_EC6_Params(&b, &r), 1);
    /* version 0 carries no factors: the defaults stand, never a factor of 0 */
    f = Text_Stream(" 0\n 1\n");
    Read_NAD_EC6_Section(f, &r);
    fclose(f);
    EXPECT_EQ(r.variant, 1);
    EXPECT_DOUBLE_EQ(r.gamma_m_masonry[0], 1.5);
    EXPECT_DOUBLE_EQ(r.gamma_m_masonry[1], 1.5);
    EXPECT_DOUBLE_EQ(r.gamma_m_masonry[3], 1.0);
    /* a section cut after two factors keeps the defaults of the others */
    f = Text_Stream(" 1\n 0\n 1.7 1.6\n");
    Read_NAD_EC6_Section(f, &r);
    fclose(f);
    EXPECT_DOUBLE_EQ(r.gamma_m_masonry[1], 1.6);
    EXPECT_DOUBLE_EQ(r.gamma_m_masonry[2], 1.5);
    EXPECT_EQ(Equal_NAD_EC6_Params(&r, nullptr), 0);
}

TEST(NadEc9, VersionsFourAndThree)
{
    NAD_EC9_Params b;
    Init_NAD_EC9_Defaults(&b);
    b.gamma_m1b = 1.15;
    const std::string text = Written([&](FILE *o) { Write_NAD_EC9_Section(o, &b); });
    EXPECT_EQ(
        text,
        " 5\n 0\n 1.100000 1.250000 1.250000 1.250000 1.100000 1.250000 3.000000 1.000000 1.200000"
        " 1.150000\n");
    NAD_EC9_Params r;
    FILE *f = Text_Stream(text);
    Read_NAD_EC9_Section(f, &r);
    fclose(f);
    EXPECT_EQ(Equal_NAD_EC9_Params(&b, &r), 1);
    /* version 4 holds gamma_m1b second */
    f = Text_Stream(" 4\n 1\n 1.2 1.05 1.3 1.35 1.26 1.11 1.27 3.1 1.01 1.21\n");
    Read_NAD_EC9_Section(f, &r);
    fclose(f);
    EXPECT_DOUBLE_EQ(r.gamma_m1, 1.2);
    EXPECT_DOUBLE_EQ(r.gamma_m1b, 1.05);
    EXPECT_DOUBLE_EQ(r.gamma_m2, 1.3);
    EXPECT_DOUBLE_EQ(r.yield_constant, 1.21);
    EXPECT_EQ(r.variant, 1);
    /* version 3 keeps the default 1.1 */
    f = Text_Stream(" 3\n 0\n 1.2 1.3 1.35 1.26 1.11 1.27 3.1 1.01 1.21\n");
    Read_NAD_EC9_Section(f, &r);
    fclose(f);
    EXPECT_DOUBLE_EQ(r.gamma_m1b, 1.1);
    EXPECT_DOUBLE_EQ(r.yield_constant, 1.21);
}
