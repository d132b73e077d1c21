/*
** Projected hole of one fastener in a steel plate or member: width and area of nails, shear
** plates and one-sided toothed plates from catalogues of the test's own.
*/
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/stat.h>

#include "catalogue/catalogue.h"
#include "design/design.h"

namespace {

void Write_File(const std::string &path, const char *text)
{
    FILE *f = fopen(path.c_str(), "w");
    ASSERT_NE(f, nullptr);
    fputs(text, f);
    fclose(f);
}

/* Nails of 5, 7 and 8 mm; a shear plate B1 65 (d3 20.5); toothed plates C2 50 and C11 65. */
void Load_Hole_Catalogues()
{
    const std::string dir = "hole_width_data";
    mkdir(dir.c_str(), 0755);
    Write_File(dir + "/ec5_nagel.dat", "# d dk lengths\n1\n3\n5 10 100\n7 14 160\n8 16 200\n");
    Write_File(dir + "/ec5_schduebel_B1.dat",
               "# dc he hc t t1 d1 d2 d3 d4 r h1 a1 a2 db_min db_max F\n2\n1\n"
               "65 15 30 5 3 13 55 20.5 75 32.5 5 130 97.5 12 16 975\n");
    Write_File(
        dir + "/ec5_schduebel_c2.dat",
        "# dc hc he t d2 h3 teeth 0 db_min db_max F\n1\n1\n50 6.6 5.6 1 17 2.5 12 0 10 14 280\n");
    Write_File(dir + "/ec5_schduebel_c11.dat",
               "# dc hc he t d1 d2 d3 d4 d5 r h1 teeth db_min db_max F\n1\n1\n"
               "65 15 12 3 20.5 40 34 13 26 25 6 12 12 16 270\n");
    setenv("SPLICE_PRIVATE_DATA", dir.c_str(), 1);
    Reset_Vbm_Catalogues();
    ASSERT_NE(Load_Ec5_Nagel(), 0);
    ASSERT_NE(Load_Ec5_Schduebel_B1(), 0);
    ASSERT_NE(Load_Ec5_Schduebel_C2(), 0);
    ASSERT_NE(Load_Ec5_Schduebel_C11(), 0);
    Init_Dowel_Bolt_Diameters();
}

} // namespace

TEST(HoleWidth, NailsCountAboveSixMillimetresOfHoleOrWhenPreDrilled)
{
    Load_Hole_Catalogues();
    double w = 0.0;
    /* the hole of a nail is d - 1 wide; it counts with 0.9 t (d - 1) when pre-drilled or wider
    ** than 6 mm: 8 mm in 80 mm: 0.9 * 80 * 7 = 504; 7 mm (hole 6) not pre-drilled: nothing;
    ** 5 mm pre-drilled: 0.9 * 80 * 4 = 288 */
    EXPECT_NEAR(Calc_Vbm_Hole_Width(VBM_NAGEL, 2, 0, 0, 0, 80.0, &w), 504.0, 1e-9);
    EXPECT_DOUBLE_EQ(w, 7.0);
    EXPECT_EQ(Calc_Vbm_Hole_Width(VBM_NAGEL, 1, 0, 0, 0, 80.0, &w), 0.0);
    EXPECT_DOUBLE_EQ(w, 6.0);
    EXPECT_NEAR(Calc_Vbm_Hole_Width(VBM_NAGEL, 0, 0, 1, 0, 80.0, &w), 288.0, 1e-9);
    EXPECT_DOUBLE_EQ(w, 4.0);
}

TEST(HoleWidth, ShearPlateTakesTheHubDiameter)
{
    Load_Hole_Catalogues();
    /* B1 65: the hub d3 = 20.5 mm passes the plate: 20.5 * 10 = 205 */
    double w = 0.0;
    EXPECT_NEAR(Calc_Vbm_Hole_Width(VBM_SCHEIBENDUEBEL_B1, 0, 3, 0, 0, 10.0, &w), 205.0, 1e-9);
    EXPECT_DOUBLE_EQ(w, 20.5);
}

TEST(HoleWidth, OneSidedToothedPlatesTakeTheBoltHoleAndAMeanWidth)
{
    Load_Hole_Catalogues();
    double w = 0.0;
    /* C2 50 on a bolt of 12 mm (index 3, hole b = 13): width (13 + 50) / 2 = 31.5, area
    ** b t = 13 * 80 = 1040; a fitted bolt changes nothing */
    EXPECT_NEAR(Calc_Vbm_Hole_Width(VBM_SCHEIBENDUEBEL_C2, 0, 3, 0, 0, 80.0, &w), 1040.0, 1e-9);
    EXPECT_DOUBLE_EQ(w, 31.5);
    EXPECT_NEAR(Calc_Vbm_Hole_Width(VBM_SCHEIBENDUEBEL_C2, 0, 3, 0, 1, 80.0, &w), 1040.0, 1e-9);
    EXPECT_DOUBLE_EQ(w, 31.5);
    /* C11 65 on a bolt of 16 mm (index 4, b = 17): width (17 + 65) / 2 = 41, area 17 * 80 = 1360 */
    EXPECT_NEAR(Calc_Vbm_Hole_Width(VBM_SCHEIBENDUEBEL_C11, 0, 4, 0, 0, 80.0, &w), 1360.0, 1e-9);
    EXPECT_DOUBLE_EQ(w, 41.0);
}
