/*
** Tests of the message catalogue, the equation labels, the partial factors and the proof-method
** names. The expected texts are the golden tables tests/golden/design/messages*.golden (code
** page 850, resp. 1252), compared byte for byte.
*/
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "design_test_util.h"
#include "foundation/codepage.h"

namespace {

struct Golden_Row {
    std::string catalogue, standard;
    int code;
    std::string text;
};

std::vector<Golden_Row> Read_Golden(const char *name)
{
    std::vector<Golden_Row> rows;
    std::ifstream f(std::string(SPLICE_GOLDEN_DIR) + "/design/" + name, std::ios::binary);
    std::string line;
    while (std::getline(f, line)) {
        const size_t tab = line.find('\t');
        if (tab == std::string::npos) continue;
        std::istringstream head(line.substr(0, tab));
        Golden_Row r;
        head >> r.catalogue >> r.standard >> r.code;
        r.text = line.substr(tab + 1);
        rows.push_back(r);
    }
    return rows;
}

/* The text of a golden row under its standard. */
std::string Text_Of(const Golden_Row &r)
{
    Standard_Scope scope(r.standard != "DIN", r.standard == "EN1" ? 1 : 0);
    /* a call with a text first, so that an empty answer cannot be a left-over buffer */
    Get_Error_Text(1);
    Get_Hint_Text(6);
    Get_Hint_Text_Cp1252(6);
    const char *t = r.catalogue == "E"   ? Get_Error_Text(r.code)
                    : r.catalogue == "H" ? Get_Hint_Text(r.code)
                                         : Get_Hint_Text_Cp1252(r.code);
    return t != nullptr ? std::string(t) : std::string("(null)");
}

} // namespace

TEST(Messages, GoldenTableCp850)
{
    const std::vector<Golden_Row> rows = Read_Golden("messages.golden");
    ASSERT_EQ(rows.size(), 45u);
    for (const Golden_Row &r : rows)
        EXPECT_EQ(Text_Of(r), r.text) << r.catalogue << " " << r.standard << " " << r.code;
}

TEST(Messages, GoldenTableCp1252)
{
    const std::vector<Golden_Row> rows = Read_Golden("messages_cp1252.golden");
    ASSERT_EQ(rows.size(), 4u);
    for (const Golden_Row &r : rows) EXPECT_EQ(Text_Of(r), r.text) << r.standard << " " << r.code;
}

TEST(Messages, EveryCodeOfEveryCatalogue)
{
    /* Every code 1 to 199 and 1000 to 1023 of the three catalogues under DIN 1052 and under
    ** EN 1995 with both annex variants, one row each; a code without text reads empty.
    ** SPLICE_UPDATE_GOLDEN=1 writes the table anew. */
    const char *const standards[3] = {"DIN", "EN0", "EN1"};
    const char *const catalogues[3] = {"E", "H", "W"};
    std::string table;
    for (const char *c : catalogues)
        for (const char *st : standards)
            for (int code = 1; code <= 1023; code++) {
                if (code > 199 && code < 1000) continue;
                Golden_Row r{c, st, code, ""};
                std::string t = Text_Of(r);
                /* the probe call before gives "" for a code without text */
                table += std::string(c) + " " + st + " " + std::to_string(code) + "\t" + t + "\n";
            }
    const std::string path = std::string(SPLICE_GOLDEN_DIR) + "/design/messages_all.golden";
    if (getenv("SPLICE_UPDATE_GOLDEN") != nullptr) {
        std::ofstream(path, std::ios::binary) << table;
    }
    std::ifstream f(path, std::ios::binary);
    std::stringstream want;
    want << f.rdbuf();
    EXPECT_EQ(table, want.str());
}

TEST(Messages, CodeZeroIsNull)
{
    EXPECT_EQ(Get_Error_Text(0), nullptr);
    EXPECT_EQ(Get_Hint_Text(0), nullptr);
    EXPECT_EQ(Get_Hint_Text_Cp1252(0), nullptr);
}

TEST(Messages, CodeWithoutTextDoesNotRepeatThePreviousText)
{
    Standard_Scope din(false);
    ASSERT_STRNE(Get_Error_Text(14), "");
    EXPECT_STREQ(Get_Error_Text(13), "");
    ASSERT_STRNE(Get_Hint_Text(6), "");
    EXPECT_STREQ(Get_Hint_Text(99999), "");
    EXPECT_STREQ(Get_Error_Text(-4), "");
}

TEST(Messages, PanelOutsideItsServiceClasses)
{
    /* A panel refused in a service class without kmod (EN 1995-1-1, Table 3.1) is named with the
    ** classes it has: particle board P4 and P6 and medium board only in class 1, OSB/3 in 1 and
    ** 2, OSB/2 in 1; DIN 1052, Table F.1 alike. Steico LVL (kmod 0 in class 3) in 1 and 2 by its
    ** approval, as Table 3.1 gives LVL a kmod in every class. */
    Standard_Scope en(true);
    EXPECT_EQ(Board_Service_Class_Code(7, 0, 2), 3702);
    EXPECT_STREQ(Get_Error_Text(Board_Service_Class_Code(7, 0, 2)),
                 "Spanplatte Typ P4 ist nach DIN EN 1995-1-1, Tabelle 3.1 nur in Nutzungsklasse 1 "
                 "zulässig, nicht in Nutzungsklasse 2"_cp850);
    EXPECT_STREQ(Get_Error_Text(Board_Service_Class_Code(8, 1, 2)),
                 "Faserplatte Mittelhart (MBH.LA) ist nach DIN EN 1995-1-1, Tabelle 3.1 nur in "
                 "Nutzungsklasse 1 zulässig, nicht in Nutzungsklasse 2"_cp850);
    EXPECT_STREQ(Get_Error_Text(Board_Service_Class_Code(4, 1, 3)),
                 "OSB 3 ist nach DIN EN 1995-1-1, Tabelle 3.1 nur in Nutzungsklasse 1 und 2 "
                 "zulässig, nicht in Nutzungsklasse 3"_cp850);
    EXPECT_STREQ(Get_Error_Text(Board_Service_Class_Code(19, 0, 3)),
                 "Steico LVL R ist laut Zulassung nur in Nutzungsklasse 1 und 2 zulässig, nicht in "
                 "Nutzungsklasse 3"_cp850);
    {
        Standard_Scope din(false);
        EXPECT_STREQ(Get_Error_Text(Board_Service_Class_Code(7, 2, 2)),
                     "Spanplatte Typ P6 ist nach DIN 1052, Tabelle F.1 nur in Nutzungsklasse 1 "
                     "zulässig, nicht in Nutzungsklasse 2"_cp850);
    }
    /* no code outside the panels and LVL, their grades and the classes */
    EXPECT_EQ(Board_Service_Class_Code(0, 5, 2), 0);
    EXPECT_EQ(Board_Service_Class_Code(7, 10, 2), 0);
    EXPECT_EQ(Board_Service_Class_Code(7, 0, 4), 0);
}

TEST(Messages, SymbolsAndPercent)
{
    Standard_Scope en(true);
    const std::string t = Get_Error_Text(61);
    EXPECT_NE(t.find("Schrauben \x8C \xF2 8 mm"), std::string::npos);
    const std::string p = Get_Hint_Text(1010);
    EXPECT_NE(p.find("70% "), std::string::npos);
    EXPECT_EQ(p.find("%%"), std::string::npos);
}

TEST(Labels, EquationLabels)
{
    {
        Standard_Scope en(true);
        EXPECT_STREQ(Get_Equation_Label(1), "Gl.(a)");
        EXPECT_STREQ(Get_Equation_Label(8), "Gl.(h)");
        EXPECT_STREQ(Get_Equation_Label(9), "Gl.(j)");
        EXPECT_STREQ(Get_Equation_Label(10), "Gl.(k)");
        EXPECT_STREQ(Get_Equation_Label(11), "Gl.(a)");
        EXPECT_STREQ(Get_Equation_Label(18), "Gl.(h)");
        EXPECT_STREQ(Get_Equation_Label(19), "Gl.(j)");
        /* EN 1995-1-1 (8.10): one hinge (c), two hinges (d), embedment fh t1 d (e); (8.12) thin
        ** outer plates j, k; (8.13) thick outer plates l, m */
        EXPECT_STREQ(Get_Equation_Label(13), "Gl.(e)");
        EXPECT_STREQ(Get_Equation_Label(14), "Gl.(c)");
        EXPECT_STREQ(Get_Equation_Label(15), "Gl.(d)");
        EXPECT_STREQ(Get_Equation_Label(20), "Gl.(k)");
        EXPECT_STREQ(Get_Equation_Label(21), "Gl.(l)");
        EXPECT_STREQ(Get_Equation_Label(22), "Gl.(m)");
        /* an intermediate plate names the thin and the thick mode interpolated (8.2.3(1)) */
        EXPECT_STREQ(Get_Mode_Pair_Label(23, 20), "Gl.(k)/(l)");
        EXPECT_STREQ(Get_Mode_Pair_Label(24, 0), "Gl.(k)/(m)");
        EXPECT_STREQ(Get_Mode_Pair_Label(28, 12), "Gl.(b)/(c)");
        EXPECT_STREQ(Get_Mode_Pair_Label(17, 0), "Gl.(g)");
        EXPECT_EQ(Get_Mode_Letter(13), 'e');
        EXPECT_EQ(Get_Mode_Letter(24), 'm');
        EXPECT_STREQ(Get_Equation_Label(0), "Gl.(`)");
        EXPECT_STREQ(Get_Equation_Label(30), "Alu-Lochleibungsspannung");
        EXPECT_EQ(Map_Rule_Index_Ec5(13), 3);
        EXPECT_EQ(Map_Rule_Index_Ec5(8), 5);
        EXPECT_EQ(Map_Rule_Index_Ec5(12), 12);
        EXPECT_EQ(Map_Rule_Index_Ec5(22), 22);
    }
    Standard_Scope din(false);
    EXPECT_STREQ(Get_Equation_Label(9), "Gl.(9)");
    EXPECT_STREQ(Get_Equation_Label(30), "Alu-Lochleibungsspannung");
    EXPECT_STREQ(Get_Mode_Pair_Label(23, 0), "G19/21");
    EXPECT_STREQ(Get_Mode_Pair_Label(23, 20), "G20/21");
    EXPECT_STREQ(Get_Mode_Pair_Label(24, 20), "G20/22");
    EXPECT_STREQ(Get_Mode_Pair_Label(27, 11), "Gl.(27)");
    EXPECT_EQ(Map_Rule_Index_Ec5(13), 13);
    EXPECT_EQ(Map_Rule_Index(17), 17);
}

TEST(Labels, PartialFactorsAndProofMethods)
{
    {
        Standard_Scope en(true);
        en.Block().gamma_m_solid = 1.31;
        en.Block().gamma_m_glulam = 1.25;
        en.Block().gamma_m_steel = 1.1;
        en.Block().gamma_m_accidental = 1.05;
        EXPECT_DOUBLE_EQ(Get_Gamma_M(0, 0, 0), 1.31);
        EXPECT_DOUBLE_EQ(Get_Gamma_M(2, 0, 0), 1.25);
        EXPECT_DOUBLE_EQ(Get_Gamma_M(-12, 0, 0), 1.25);
        EXPECT_DOUBLE_EQ(Get_Gamma_M(12, 0, 0), 1.1);
        EXPECT_DOUBLE_EQ(Get_Gamma_M(13, 0, 0), 0.0);
        EXPECT_DOUBLE_EQ(Get_Gamma_M(22, 0, 0), 1.3);
        EXPECT_DOUBLE_EQ(Get_Gamma_M(6, 0, 1), 1.05);
    }
    Standard_Scope din(false);
    EXPECT_DOUBLE_EQ(Get_Gamma_M(13, 0, 0), 1.3);
    EXPECT_DOUBLE_EQ(Get_Gamma_M(0, 0, 1), 1.0);
    EXPECT_STREQ(Get_Proof_Method_Text(0, 0), "Vereinfachter Nachweis");
    EXPECT_STREQ(Get_Proof_Method_Text(1, 1), "Genauer Nachweis nach DIN EN 1995, 8.2.2");
    EXPECT_STREQ(Get_Proof_Method_Text(2, 1), "Bemessungswerte-Verfahren");
    EXPECT_STREQ(Get_Proof_Method_Text(3, 0), "");
}

TEST(Labels, EveryLetterEveryMaterialEveryFastener)
{
    {
        Standard_Scope en(true);
        /* EN 1995-1-1, 8.2.2 (a) to (k) without (i) for modes 1 to 10, 8.2.3 (a) to (m) for 11
        ** to 22: (8.9) a, b; (8.10) embedment 13 (e), one hinge 14 (c), two hinges 15 (d);
        ** (8.11) f, g, h; (8.12) j, k; (8.13) l, m */
        const char *const letters[23] = {"",  "a", "b", "c", "d", "e", "f", "g", "h", "j", "k", "a",
                                         "b", "e", "c", "d", "f", "g", "h", "j", "k", "l", "m"};
        for (int m = 1; m <= 22; m++)
            EXPECT_EQ(std::string(Get_Equation_Label(m)), std::string("Gl.(") + letters[m] + ")")
                << m;
        /* an intermediate plate's code by its thick-plate mode: 27 is 13 + 14 */
        EXPECT_STREQ(Get_Equation_Label(27), "Gl.(e)");
        const int din_index[7] = {8, 9, 10, 13, 18, 20, 21}, en_index[7] = {5, 4, 2, 3, 7, 8, 9};
        for (int i = 0; i < 7; i++) EXPECT_EQ(Map_Rule_Index_Ec5(din_index[i]), en_index[i]);
        EXPECT_EQ(Map_Rule_Index_Ec5(11), 11);

        /* every material group takes its own factor of the annex: laminated veneer lumber
        ** (Kerto, Baubuche, Steico and Pollmeier LVL) the row of LVL, plywood and OSB of Table
        ** 2.3, the I-joists the glulam row */
        NAD_EC5_Params &b = en.Block();
        b.gamma_m_solid = 1.31;
        b.gamma_m_glulam = 1.32;
        b.gamma_m_lvl = 1.33;
        b.gamma_m_gypsum = 1.34;
        b.gamma_m_particleboard = 1.35;
        b.gamma_m_hardboard = 1.36;
        b.gamma_m_mediumboard = 1.37;
        b.gamma_m_softboard = 1.38;
        b.gamma_m_steel = 1.39;
        b.gamma_m_accidental = 1.05;
        const struct {
            int mat, sub;
            double g;
        } rows[] = {// clang-format off
            {0, 0, 1.31}, {1, 0, 1.31}, {2, 0, 1.32}, {3, 0, 1.32}, {10, 0, 1.33}, {11, 0, 1.33},
            {17, 0, 1.33}, {18, 0, 1.33}, {19, 0, 1.33}, {20, 0, 1.33}, {-13, 0, 1.32},
            {-11, 0, 1.33}, {4, 0, 1.33}, {6, 0, 1.33}, {5, 0, 1.34}, {9, 0, 1.34}, {7, 0, 1.35},
            {8, 0, 1.36}, {8, 1, 1.37}, {8, 2, 1.38}, {12, 0, 1.39}, {16, 0, 1.1}, {22, 0, 1.3},
                    // clang-format on
                    {14, 0, 0.0},
                    {-1, 0, 0.0}};
        for (const auto &r : rows)
            EXPECT_DOUBLE_EQ(Get_Gamma_M(r.mat, r.sub, 0), r.g) << r.mat << " " << r.sub;
        EXPECT_DOUBLE_EQ(Get_Gamma_M(12, 0, 1), 1.05);
        EXPECT_DOUBLE_EQ(Get_Alu_Gamma_M(), 1.1);
        EXPECT_STREQ(Get_Proof_Method_Text(0, 1), "Vereinfachter Nachweis nach NAD 8.2.1");
        EXPECT_STREQ(Get_Proof_Method_Text(1, 0), "Genauer Nachweis");
        EXPECT_STREQ(Get_Proof_Method_Text(2, 0), "Bemessungswerte-Verfahren");
        EXPECT_STREQ(Get_Proof_Method_Text(-1, 1), "");

        /* EN 1995-1-1, 5.2(3): a staple above 6 mm removes both legs, 2 * 6.5 * 10 = 130; a nail
        ** of 6 mm nothing unless pre-drilled (6 * 40 = 240); type 61 beyond the rules nothing */
        EXPECT_NEAR(Calc_Vbm_Net_Section_Loss(1, 6.5, 0, 0, 0, 0, 10.0), 130.0, 1e-9);
        EXPECT_EQ(Calc_Vbm_Net_Section_Loss(1, 6.0, 0, 0, 0, 0, 10.0), 0.0);
        EXPECT_NEAR(Calc_Vbm_Net_Section_Loss(0, 6.0, 0, 0, 1, 0, 40.0), 240.0, 1e-9);
        EXPECT_EQ(Calc_Vbm_Net_Section_Loss(61, 8.0, 0, 0, 1, 0, 40.0), 0.0);
    }
    Standard_Scope din(false);
    for (int m : {1, 6, 18, 24})
        EXPECT_EQ(std::string(Get_Equation_Label(m)), "Gl.(" + std::to_string(m) + ")");
    for (int i : {8, 9, 10, 13, 18, 20, 21}) EXPECT_EQ(Map_Rule_Index_Ec5(i), i);
    EXPECT_DOUBLE_EQ(Get_Gamma_M(12, 0, 0), 1.3);
    /* DIN 1052: nail holes count with 0.9 d: pre-drilled 5 mm in 40 mm: 0.9 * 5 * 40 = 180 */
    EXPECT_NEAR(Calc_Vbm_Net_Section_Loss(0, 5.0, 0, 0, 1, 0, 40.0), 180.0, 1e-9);
    EXPECT_EQ(Calc_Vbm_Net_Section_Loss(1, 6.0, 0, 0, 1, 0, 10.0), 0.0);

    /* the projected hole of the catalogue's fasteners: dowel row 3 (12 mm) 12 * 80 = 960;
    ** bolt row 4 (16 mm) with clearance 17 * 80 = 1360, fitted 16 * 80 = 1280 */
    Init_Dowel_Bolt_Diameters();
    double w = 0.0;
    EXPECT_NEAR(Calc_Vbm_Hole_Width(29, 3, 0, 0, 0, 80.0, &w), 960.0, 1e-9);
    EXPECT_DOUBLE_EQ(w, 12.0);
    EXPECT_NEAR(Calc_Vbm_Hole_Width(30, 4, 0, 0, 0, 80.0, &w), 1360.0, 1e-9);
    EXPECT_DOUBLE_EQ(w, 17.0);
    EXPECT_NEAR(Calc_Vbm_Hole_Width(30, 4, 0, 0, 1, 80.0, nullptr), 1280.0, 1e-9);
}

TEST(Labels, NetSectionOfConnectors)
{
    Load_Test_Connectors("connector_data_net_section");
    Init_Dowel_Bolt_Diameters();
    Standard_Scope en(true);
    /* a connector in one face of a member of 100 mm loses there the part of it that lies in the
    ** member, h_e d_c, and its bolt hole over the rest (EN 1995-1-1, 5.2(3)): ring connector A1
    ** 65 (he 15) with bolt row 3 (12 mm, hole 13): 15 x 65 + (100 - 15) 13 = 2080, fitted
    ** 15 x 65 + (100 - 15) 12 = 1995; the two-sided toothed plate C1 50 (he 6) the half of it
    ** in this member, not its whole area F = 600, and no bolt hole within h_e:
    ** 6 x 50 + (100 - 6) 13 = 1522 */
    EXPECT_NEAR(Calc_Vbm_Net_Section_Loss(25, 65.0, 0, 3, 0, 0, 100.0), 2080.0, 1e-9);
    EXPECT_NEAR(Calc_Vbm_Net_Section_Loss(25, 65.0, 0, 3, 0, 1, 100.0), 1995.0, 1e-9);
    EXPECT_NEAR(Calc_Vbm_Net_Section_Loss(26, 50.0, 0, 3, 0, 0, 100.0), 1522.0, 1e-9);
    /* a toothed plate removes no projected hole of its own: width dc 50, area 0 */
    double w = 0.0;
    EXPECT_EQ(Calc_Vbm_Hole_Width(26, 0, 3, 0, 0, 100.0, &w), 0.0);
    EXPECT_DOUBLE_EQ(w, 50.0);
}

TEST(PartialFactors, AluminiumBearingOfTheEc9Block)
{
    /* the second factor of the EN 1999 block, 1.1 when the block holds none */
    NAD_EC9_Params *ec9 = Get_NAD_EC9_Params();
    ASSERT_NE(ec9, nullptr);
    const double kept = ec9->gamma_m1b;
    ec9->gamma_m1b = 1.25;
    EXPECT_DOUBLE_EQ(Get_Alu_Gamma_M(), 1.25);
    ec9->gamma_m1b = 0.0;
    EXPECT_DOUBLE_EQ(Get_Alu_Gamma_M(), 1.1);
    ec9->gamma_m1b = kept;
}
