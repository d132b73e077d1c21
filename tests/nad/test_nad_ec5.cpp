/*
** EN 1995 block: defaults, the "#EC5" lines, reading every stored version, compare.
*/
#include <gtest/gtest.h>

#include <cstring>

#include "nad/nad.h"
#include "nad_test_util.h"

using nadtest::Text_Stream;
using nadtest::Written;

/* A block with a value in every field that differs from the defaults. */
static NAD_EC5_Params Odd_Block(void)
{
    NAD_EC5_Params b;
    Init_NAD_EC5_Defaults(&b);
    b.variant = 1;
    b.use_table_na1 = 1;
    b.use_na11 = 1;
    b.gamma_m_lvl = 1.21;
    b.gamma_m_particleboard = 1.31;
    b.gamma_m_hardboard = 1.32;
    b.gamma_m_mediumboard = 1.33;
    b.gamma_m_mdf = 1.34;
    b.gamma_m_softboard = 1.35;
    b.gamma_m_connections = 1.36;
    b.gamma_m_nailplates = 1.37;
    b.gamma_m_steel = 1.1;
    b.gamma_m_gypsum = 1.38;
    b.use_table_na4 = 1;
    b.use_table_na15 = 1;
    b.threaded_rods_na = 1;
    b.ltb_na = 1;
    b.simplified_fasteners_na = 1;
    b.kmod_mean_rule = 1;
    b.aux_switch = 0;
    b.gamma_m_solid = 1.4;
    b.gamma_m_glulam = 1.25;
    b.gamma_m_accidental = 1.05;
    b.gamma_m_fire = 1.1;
    static const double kmod[15] = {0.51, 0.52, 0.53, 0.54, 0.55, 0.56, 0.57, 0.58,
                                    0.59, 0.61, 0.62, 0.63, 0.64, 0.66, 0.68};
    memcpy(b.kmod, kmod, sizeof kmod);
    b.kdef[0] = 0.7, b.kdef[1] = 0.9, b.kdef[2] = 2.1;
    b.w_inst_limit = 350, b.w_inst_limit_cantilever = 175;
    b.w_fin_limit = 250, b.w_fin_limit_cantilever = 125;
    b.w_net_fin_limit = 400, b.w_net_fin_limit_cantilever = 200;
    b.k_cr_rule = 0;
    b.net_deflection_rule = 0;
    b.k_cr_solid = 0.5;
    b.k_cr_other = 0.9;
    b.na20_reduction = 1;
    b.na21_sill_increase = 1;
    b.na816_tension_reduction = 1;
    b.na7_hole_plus_1mm = 1;
    b.k_shape_factor = 0.05;
    b.k_shape_max = 1.3;
    b.ltb_slenderness_factor = 1.12;
    b.gamma_m_clt = 1.27;
    return b;
}

TEST(NadEc5, DefaultsAreTheRecommendedValues)
{
    NAD_EC5_Params b;
    memset(&b, 0x55, sizeof b);
    Init_NAD_EC5_Defaults(&b);
    EXPECT_EQ(b.variant, 0);
    EXPECT_EQ(b.version, 17);
    EXPECT_DOUBLE_EQ(b.gamma_m_lvl, 1.2);
    EXPECT_DOUBLE_EQ(b.gamma_m_nailplates, 1.25);
    EXPECT_DOUBLE_EQ(b.gamma_m_connections, 1.3);
    EXPECT_DOUBLE_EQ(b.gamma_m_accidental, 1.0);
    EXPECT_EQ(b.aux_switch, 1);
    /* kmod[3k + s]: KLED "mittel" (k = 2), service class 3 (s = 2) is 0.65 */
    EXPECT_DOUBLE_EQ(b.kmod[8], 0.65);
    EXPECT_DOUBLE_EQ(b.kmod[NAD_KMOD_INDEX(4, 0)], 1.1);
    EXPECT_DOUBLE_EQ(b.kmod[NAD_KMOD_INDEX(1, 2)], 0.55);
    EXPECT_DOUBLE_EQ(b.kdef[2], 2.0);
    EXPECT_DOUBLE_EQ(b.w_fin_limit_cantilever, 100);
    EXPECT_EQ(b.k_cr_rule, 1);
    EXPECT_EQ(b.net_deflection_rule, 1);
    EXPECT_DOUBLE_EQ(b.k_cr_solid, 0.67);
    EXPECT_DOUBLE_EQ(b.k_shape_factor, 0.15);
    EXPECT_DOUBLE_EQ(b.k_shape_max, 2.0);
    EXPECT_DOUBLE_EQ(b.ltb_slenderness_factor, 1.0);
    EXPECT_DOUBLE_EQ(b.gamma_m_clt, 1.3);
    EXPECT_EQ(b.na20_reduction + b.na21_sill_increase + b.na816_tension_reduction
                  + b.na7_hole_plus_1mm,
              0);
}

TEST(NadEc5, SectionLinesOfTheDefaults)
{
    NAD_EC5_Params b;
    Init_NAD_EC5_Defaults(&b);
    const std::string expect =
        " 17\n 0\n 0\n 0 0.670000 0.670000 1.000000\n 0\n"
        " 1.300000 1.300000 1.200000 1.300000 1.300000 1.300000\n"
        " 1.300000 1.300000 1.300000 1.250000 1.000000\n"
        " 1.300000 1.300000\n 0\n 0\n 0\n 0 0\n 0 1.30 1.30 1.00\n"
        " 0.60 0.70 0.80 0.90 1.10\n 0.60 0.70 0.80 0.90 1.10\n 0.50 0.55 0.65 0.70 0.90\n"
        " 0.60 0.80 2.00\n"
        " 300 200 300 150 100 150 1 0.67 1.00 1 1 1.00\n"
        " 0  \n 0  \n 0  \n 0  \n"
        " 0.150000 2.000000 1.000000\n 1.300000 \n";
    EXPECT_EQ(Written([&](FILE *f) { Write_NAD_EC5_Section(f, &b); }), expect);
    /* the old crack-factor flag says "annex rules" for any rule but 1 */
    b.k_cr_rule = 2;
    EXPECT_NE(Written([&](FILE *f) {
                  Write_NAD_EC5_Section(f, &b);
              }).find("\n 1 0.670000 0.670000 1.000000\n"),
              std::string::npos);
}

TEST(NadEc5, RoundTripRoundsTheTwoDecimalFields)
{
    NAD_EC5_Params b = Odd_Block();
    b.kmod[3] = 0.567;       /* written with two decimals: 0.57 */
    b.gamma_m_solid = 1.404; /* six decimals in line 6, two in line 13: 1.40 */
    b.k_cr_solid = 0.555;    /* k_cr comes from line 18 only: 0.56 (or 0.55 by the binary value) */
    FILE *f = Text_Stream(Written([&](FILE *o) { Write_NAD_EC5_Section(o, &b); }));
    NAD_EC5_Params r;
    memset(&r, 0, sizeof r);
    Read_NAD_EC5_Section(f, &r, 1);
    fclose(f);
    EXPECT_EQ(r.version, 17);
    EXPECT_EQ(r.variant, 1);
    EXPECT_DOUBLE_EQ(r.kmod[3], 0.57);
    EXPECT_DOUBLE_EQ(r.gamma_m_solid, 1.40);
    char two[16];
    snprintf(two, sizeof two, "%.2f", 0.555);
    EXPECT_DOUBLE_EQ(r.k_cr_solid, atof(two));
    /* every other field comes back exactly */
    NAD_EC5_Params e = b;
    e.kmod[3] = 0.57;
    e.gamma_m_solid = 1.40;
    e.k_cr_solid = atof(two);
    EXPECT_EQ(Compare_NAD_EC5_Params(&e, &r), 0);
    EXPECT_EQ(r.aux_switch, 0);
    EXPECT_DOUBLE_EQ(r.gamma_m_fire, 1.10);
    EXPECT_DOUBLE_EQ(r.gamma_m_clt, 1.27);
    EXPECT_DOUBLE_EQ(r.ltb_slenderness_factor, 1.12);
    EXPECT_DOUBLE_EQ(r.w_net_fin_limit_cantilever, 200);
}

/* A version-10 section with the given variant. */
static std::string Version10(int variant)
{
    return " 10\n " + std::to_string(variant)
           + "\n 1\n 1 0.5 0.5 0.9\n 1\n 1.3 1.3 1.2 1.3 1.3 1.3\n 1.3 1.3 1.3 1.25 1.0\n 1.3 1.3\n 1\n 1\n 1\n 1 1\n"
             " 1 1.30 1.30 1.00\n 0.6 0.7 0.8 0.9 1.1\n 0.6 0.7 0.8 0.9 1.1\n 0.5 0.55 0.65 0.7 0.9\n 0.6 0.8 2.0\n"
             " 300 200 300 150 100 150 0 0.67 1.00 0 1 1.00\n";
}

TEST(NadEc5, OlderVersionsTakeTheNationalSwitchesFromTheVariant)
{
    NAD_EC5_Params b;
    FILE *f = Text_Stream(Version10(1));
    Read_NAD_EC5_Section(f, &b, 1);
    fclose(f);
    EXPECT_EQ(b.version, 10);
    EXPECT_EQ(b.na21_sill_increase, 1);
    EXPECT_EQ(b.na20_reduction, 1);
    EXPECT_EQ(b.na816_tension_reduction, 1);
    EXPECT_EQ(b.na7_hole_plus_1mm, 1);
    EXPECT_DOUBLE_EQ(b.k_shape_factor, 0.05);
    EXPECT_DOUBLE_EQ(b.k_shape_max, 1.3);
    EXPECT_EQ(b.k_cr_rule, 0);
    EXPECT_EQ(b.net_deflection_rule, 0);

    f = Text_Stream(Version10(0));
    Read_NAD_EC5_Section(f, &b, 1);
    fclose(f);
    EXPECT_EQ(b.na21_sill_increase + b.na20_reduction + b.na816_tension_reduction
                  + b.na7_hole_plus_1mm,
              0);
    EXPECT_DOUBLE_EQ(b.k_shape_factor, 0.15);
    EXPECT_DOUBLE_EQ(b.k_shape_max, 2.0);

    /* version 12: NA.21 and NA.20 stored, the other two from the variant */
    std::string v12 = Version10(1);
    v12.replace(0, 3, " 12");
    v12 += " 0  \n 0  \n";
    f = Text_Stream(v12);
    Read_NAD_EC5_Section(f, &b, 1);
    fclose(f);
    EXPECT_EQ(b.na21_sill_increase, 0);
    EXPECT_EQ(b.na20_reduction, 0);
    EXPECT_EQ(b.na816_tension_reduction, 1);
    EXPECT_EQ(b.na7_hole_plus_1mm, 1);
}

/* Version 11 stores NA.21 only: the other three switches come from the variant; version 13
** lacks only the hole rule. Stored values opposite to the variant show which field was read. */
TEST(NadEc5, Versions11And13FillTheSwitchesTheyLack)
{
    NAD_EC5_Params b;
    std::string v11 = Version10(1);
    v11.replace(0, 3, " 11");
    v11 += " 0  \n";
    FILE *f = Text_Stream(v11);
    Read_NAD_EC5_Section(f, &b, 1);
    fclose(f);
    EXPECT_EQ(b.version, 11);
    EXPECT_EQ(b.na21_sill_increase, 0);
    EXPECT_EQ(b.na20_reduction, 1);
    EXPECT_EQ(b.na816_tension_reduction, 1);
    EXPECT_EQ(b.na7_hole_plus_1mm, 1);
    EXPECT_DOUBLE_EQ(b.k_shape_factor, 0.05);
    EXPECT_DOUBLE_EQ(b.k_shape_max, 1.3);

    v11 = Version10(0);
    v11.replace(0, 3, " 11");
    v11 += " 1  \n";
    f = Text_Stream(v11);
    Read_NAD_EC5_Section(f, &b, 1);
    fclose(f);
    EXPECT_EQ(b.na21_sill_increase, 1);
    EXPECT_EQ(b.na20_reduction + b.na816_tension_reduction + b.na7_hole_plus_1mm, 0);
    EXPECT_DOUBLE_EQ(b.k_shape_factor, 0.15);

    std::string v13 = Version10(1);
    v13.replace(0, 3, " 13");
    v13 += " 0  \n 0  \n 0  \n";
    f = Text_Stream(v13);
    Read_NAD_EC5_Section(f, &b, 1);
    fclose(f);
    EXPECT_EQ(b.na21_sill_increase + b.na20_reduction + b.na816_tension_reduction, 0);
    EXPECT_EQ(b.na7_hole_plus_1mm, 1);
}

TEST(NadEc5, Version15KeepsTheDefaultsOfLaterFields)
{
    NAD_EC5_Params src = Odd_Block();
    std::string text = Written([&](FILE *o) { Write_NAD_EC5_Section(o, &src); });
    text.replace(0, 3, " 15");
    FILE *f = Text_Stream(text);
    NAD_EC5_Params b;
    Read_NAD_EC5_Section(f, &b, 1);
    fclose(f);
    EXPECT_EQ(b.version, 15);
    EXPECT_DOUBLE_EQ(b.k_shape_factor, 0.05);
    EXPECT_DOUBLE_EQ(b.ltb_slenderness_factor, 1.0);
    EXPECT_DOUBLE_EQ(b.gamma_m_clt, 1.3);
}

TEST(NadEc5, CutSectionKeepsDefaultsAndRunsNoFillIn)
{
    NAD_EC5_Params src = Odd_Block();
    std::string text = Written([&](FILE *o) { Write_NAD_EC5_Section(o, &src); });
    /* keep lines 1 to 12 */
    size_t pos = 0;
    for (int i = 0; i < 12; i++) pos = text.find('\n', pos) + 1;
    FILE *f = Text_Stream(text.substr(0, pos));
    NAD_EC5_Params b;
    Read_NAD_EC5_Section(f, &b, 1);
    fclose(f);
    EXPECT_EQ(b.version, 17);
    EXPECT_EQ(b.simplified_fasteners_na, 1); /* line 12 */
    EXPECT_EQ(b.kmod_mean_rule, 0);          /* line 13 missing: defaults from here */
    EXPECT_DOUBLE_EQ(b.kmod[0], 0.6);
    EXPECT_DOUBLE_EQ(b.gamma_m_solid, 1.3);
    EXPECT_EQ(b.na21_sill_increase, 0); /* no fill-in from the variant */
    EXPECT_DOUBLE_EQ(b.k_shape_factor, 0.15);
}

TEST(NadEc5, CrackFactorComesFromTheLimitsLineOnly)
{
    NAD_EC5_Params src;
    Init_NAD_EC5_Defaults(&src);
    std::string text = Written([&](FILE *o) { Write_NAD_EC5_Section(o, &src); });
    /* line 4 claims other values; they never reach the block */
    const size_t l4 = text.find(" 0 0.670000 0.670000 1.000000\n");
    ASSERT_NE(l4, std::string::npos);
    text.replace(l4, 30, " 1 0.100000 0.200000 0.300000\n");
    FILE *f = Text_Stream(text);
    NAD_EC5_Params b;
    Read_NAD_EC5_Section(f, &b, 1);
    fclose(f);
    EXPECT_EQ(b.k_cr_rule, 1);
    EXPECT_DOUBLE_EQ(b.k_cr_solid, 0.67);
    EXPECT_DOUBLE_EQ(b.k_cr_other, 1.0);
}

TEST(NadEc5, NullStreamAndOldStore)
{
    NAD_EC5_Params b = Odd_Block();
    Read_NAD_EC5_Section(nullptr, &b, 1);
    EXPECT_EQ(b.version, 0);
    EXPECT_EQ(b.variant, 1); /* nothing else touched */
    /* mode 0: the header " EC5 Parameter" is searched first; a "#NAD" line ends the search */
    FILE *f = Text_Stream("#NAD\n 3 \xAEX\xAF\n EC5 Parameter\n" + Version10(1));
    char line[64];
    ASSERT_NE(fgets(line, sizeof line, f), nullptr);
    ASSERT_NE(fgets(line, sizeof line, f), nullptr);
    Read_NAD_EC5_Section(f, &b, 0);
    EXPECT_EQ(b.version, 10);
    fclose(f);
    f = Text_Stream(" 1 2\n#NAD\n EC5 Parameter\n" + Version10(1));
    b = Odd_Block();
    Read_NAD_EC5_Section(f, &b, 0);
    EXPECT_EQ(b.version, 17); /* defaults: the next entry's header is not taken */
    EXPECT_EQ(b.variant, 0);
    EXPECT_EQ(ftell(f), 0);
    fclose(f);
}

TEST(NadEc5, CompareIgnoresOldBlocksAndTheFireFields)
{
    NAD_EC5_Params a = Odd_Block(), b = Odd_Block();
    EXPECT_EQ(Compare_NAD_EC5_Params(&a, &b), 0);
    b.gamma_m_fire = 2.0;
    b.aux_switch = 7;
    b.version = 12;
    EXPECT_EQ(Compare_NAD_EC5_Params(&a, &b), 0);
    b.kdef[1] = 0.91;
    EXPECT_EQ(Compare_NAD_EC5_Params(&a, &b), 1);
    b = a;
    b.na7_hole_plus_1mm = 0;
    EXPECT_EQ(Compare_NAD_EC5_Params(&a, &b), 1);
    b = a;
    b.gamma_m_gypsum = 1.0;
    EXPECT_EQ(Compare_NAD_EC5_Params(&a, &b), 1);
    /* two blocks of version 9 compare as equal whatever they hold */
    NAD_EC5_Params c;
    Init_NAD_EC5_Defaults(&c);
    a.version = 9;
    c.version = 9;
    EXPECT_EQ(Compare_NAD_EC5_Params(&a, &c), 0);
    NAD_EC5_Params d;
    Copy_NAD_EC5_Params(&d, &b);
    EXPECT_EQ(memcmp(&d, &b, sizeof d), 0);
}
