/*
** Tests of the message catalogue, the equation labels, the partial factors and the proof-method
** names. The expected texts are the golden tables tests/golden/design/messages*.golden (code
** page 850, resp. 1252), compared byte for byte.
*/
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "design_test_util.h"

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
    const char *t = r.catalogue == "E" ? Get_Error_Text(r.code)
                  : r.catalogue == "H" ? Get_Hint_Text(r.code)
                                       : Get_Hint_Text_Cp1252(r.code);
    return t != nullptr ? std::string(t) : std::string("(null)");
}

} // namespace

TEST(Messages, GoldenTableCp850)
{
    const std::vector<Golden_Row> rows = Read_Golden("messages.golden");
    ASSERT_EQ(rows.size(), 37u);
    for (const Golden_Row &r : rows)
        EXPECT_EQ(Text_Of(r), r.text) << r.catalogue << " " << r.standard << " " << r.code;
}

TEST(Messages, GoldenTableCp1252)
{
    const std::vector<Golden_Row> rows = Read_Golden("messages_cp1252.golden");
    ASSERT_EQ(rows.size(), 4u);
    for (const Golden_Row &r : rows)
        EXPECT_EQ(Text_Of(r), r.text) << r.standard << " " << r.code;
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
