/*
** Tests of the coefficient override file: whole rows replaced by keyword, format errors
** reported byte for byte on the standard output, the keyword compared with its colon.
*/
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "checks/checks.h"

namespace {

class NachweisVal : public ::testing::Test {
  protected:
    void SetUp() override
    {
        Reset_Beiwert_Tables();
        Reset_Nchw_Settings();
    }
    void TearDown() override
    {
        Reset_Beiwert_Tables();
        Reset_Nchw_Settings();
        unsetenv("SPLICE_PRIVATE_DATA");
    }
    /* Write the text to a file, read it, return what went to the standard output. */
    std::string Read(const char *text, const char *path = nullptr)
    {
        /* Test processes run side by side in one folder: each reads its own file. */
        const std::string own = "nachweis_test_" + std::to_string((long)getpid()) + ".val";
        if (path == nullptr) path = own.c_str();
        FILE *f = fopen(path, "w");
        fputs(text, f);
        fclose(f);
        ::testing::internal::CaptureStdout();
        Read_Nachweis_Val_File(path);
        std::string out = ::testing::internal::GetCapturedStdout();
        if (path == own.c_str()) remove(path);
        return out;
    }
};

bool Same(const double *a, const double *b, int n)
{
    return memcmp(a, b, (size_t)n * sizeof(double)) == 0;
}

} // namespace

TEST_F(NachweisVal, KeywordLinesReplaceWholeRows)
{
    std::string out = Read("Kommentarzeile\n"
                           "Eurocode_gamma_sup1_norm: 1.4 1.6 1.4 1.1 1.1 0.5\n"
                           "DIN1045_psi_0snow: 0.1 0.2 0.3 0.4 0.5 0.6 0.7 0.8 0.9 1.0 1.1\n"
                           "DIN18800_psi_H:\t0.8 0.8 0.8 0.8 0.8 0.8 0.8 0.8 0.8 0.8\n0.8\n");
    EXPECT_EQ(out, "Formatfehler in NACHWEIS.VAL bei Steuerwort DIN18800_psi_H:\n");
    const double sup[6] = {1.4, 1.6, 1.4, 1.1, 1.1, 0.5};
    const double snow[11] = {0.1, 0.2, 0.3, 0.4, 0.5, 0.6, 0.7, 0.8, 0.9, 1.0, 1.1};
    EXPECT_TRUE(Same(Beiwert_Tables.Eurocode_gamma_sup1_norm, sup, 6));
    EXPECT_TRUE(Same(Beiwert_Tables.DIN1045_psi_0snow, snow, 11));

    /* Nothing else changed: the plain psi_0 row is not touched by the snow keyword. */
    Beiwert_Tables_Rec rest = Beiwert_Tables;
    memcpy(rest.Eurocode_gamma_sup1_norm, Beiwert_Tables_Builtin.Eurocode_gamma_sup1_norm,
           sizeof sup);
    memcpy(rest.DIN1045_psi_0snow, Beiwert_Tables_Builtin.DIN1045_psi_0snow, sizeof snow);
    EXPECT_EQ(memcmp(&rest, &Beiwert_Tables_Builtin, sizeof rest), 0);

    /* The lookup answers from the new row. */
    Einw_Beiwert_Key k = {0, 1, 2, 2, 1, 2, 1, -1, 0, nullptr};
    double g = 0;
    EXPECT_EQ(Lookup_Einwirkung_Beiwerte(&k, nullptr, nullptr, &g, nullptr), 1);
    EXPECT_DOUBLE_EQ(g, 1.6);
}

TEST_F(NachweisVal, TenNumbersForAPsiRowAreAFormatError)
{
    std::string out = Read("Eurocode_psi_0: 0.1 0.2 0.3 0.4 0.5 0.6 0.7 0.8 0.9 1.0\n");
    EXPECT_EQ(out, "Formatfehler in NACHWEIS.VAL bei Steuerwort Eurocode_psi_0:\n");
    EXPECT_EQ(memcmp(&Beiwert_Tables, &Beiwert_Tables_Builtin, sizeof Beiwert_Tables), 0);
}

TEST_F(NachweisVal, IgnoredLinesLaterLinesAndDecimalCommas)
{
    std::string out = Read(" Eurocode_psi_1: 9 9 9 9 9 9 9 9 9 9 9\n" /* leading blank */
                           "Eurocode_psi_1 9 9 9 9 9 9 9 9 9 9 9\n"   /* no colon */
                           "DIN18800_gamma_sup1_norm: 1 2 3 4 5 6\n"
                           "DIN18800_gamma_sup1_norm: 6 5 4 3 2 1 0 -1\n"  /* later wins */
                           "gamma_altenorm_allways_inf: 1,0 0 0 0 0 0\n"); /* decimal comma */
    EXPECT_EQ(out, "Formatfehler in NACHWEIS.VAL bei Steuerwort gamma_altenorm_allways_inf:\n");
    const double later[6] = {6, 5, 4, 3, 2, 1};
    EXPECT_TRUE(Same(Beiwert_Tables.DIN18800_gamma_sup1_norm, later, 6));
    EXPECT_TRUE(Same(Beiwert_Tables.Eurocode_psi_1, Beiwert_Tables_Builtin.Eurocode_psi_1, 11));
    EXPECT_TRUE(Same(Beiwert_Tables.gamma_altenorm_allways_inf,
                     Beiwert_Tables_Builtin.gamma_altenorm_allways_inf, 6));
}

TEST_F(NachweisVal, ParsersAnswerWhetherTheLineWasTheirs)
{
    double row[11] = {0};
    ::testing::internal::CaptureStdout();
    EXPECT_EQ(Parse_Val_Gamma_Line("X: 1 2 3 4 5 6", "Y:", row), 0);
    EXPECT_EQ(Parse_Val_Gamma_Line("Y: 1 2 3 4 5 6", "Y:", row), 1);
    EXPECT_EQ(Parse_Val_Psi_Line("Y: 1 2 3 4 5 6 7", "Y:", row, 7), 1); /* bad count */
    EXPECT_EQ(Parse_Val_Gamma_Line("Y: 1 2", "Y:", row), 1);
    EXPECT_EQ(::testing::internal::GetCapturedStdout(),
              "Formatfehler in NACHWEIS.VAL bei Steuerwort Y:\n"
              "Formatfehler in NACHWEIS.VAL bei Steuerwort Y:\n");
    EXPECT_DOUBLE_EQ(row[5], 6.0);
    EXPECT_DOUBLE_EQ(row[6], 0.0);
}

TEST_F(NachweisVal, FileFromThePrivateDataPath)
{
    Read("Eurocode_psi_2: 1 1 1 1 1 1 1 1 1 1 1\n", "nachweis.val");
    Reset_Beiwert_Tables();
    setenv("SPLICE_PRIVATE_DATA", ".", 1);
    Read_Nachweis_Val();
    EXPECT_DOUBLE_EQ(Beiwert_Tables.Eurocode_psi_2[0], 1.0);
    Reset_Beiwert_Tables();
    Set_Nachweis_Val_Name("fehlt.val"); /* missing file: nothing changes */
    Read_Nachweis_Val();
    EXPECT_EQ(memcmp(&Beiwert_Tables, &Beiwert_Tables_Builtin, sizeof Beiwert_Tables), 0);
}
