/*
** Tests of the situation table of the extremal rules: which coefficient rows each combination
** rule, check kind, combination and gamma_G choice takes, with and without accidental and
** earthquake actions, in the North German Plain, by actions and by load cases, with the messages
** it shows and the EN 1991 rule of the special types.
*/
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "checks/checks.h"
#include "nad/nad.h"
#include "platform/zelkwin_test.h"

namespace {

/* Every coefficient row gets a value of its own at the positions a variable action of psi index 0
** reads (psi position 0, gamma position 1 of the category "veränderliche Lasten"): the row of the
** variable action Q then names the rows the table chose. */
struct Signature {
    double *row;
    double value;
    int at;
};

class Situation : public ::testing::Test {
protected:
    Nchw_Type_Rec type{};
    Nchw_Rec *check = nullptr;
    void SetUp() override
    {
        Clear();
        ZW_Test_Reset();
        Reset_Beiwert_Tables();
        Reset_Nchw_Settings();
        Xtr_Message_Switch = 1;
        Xtr_North_German_Plain = 0;
        Beiwert_Tables_Rec &B = Beiwert_Tables;
        const Signature sig[] = {
            {B.DIN1045_psi_X, 0.11, 0}, {B.DIN1045_psi_0, 0.12, 0}, {B.DIN1045_psi_1, 0.13, 0},
            {B.DIN1045_psi_2, 0.14, 0}, {B.DIN1045_psi_0snow, 0.15, 0}, {B.DIN1045_psi_1snow, 0.16, 0},
            {B.DIN1045_psi_2snow, 0.17, 0}, {B.DIN1045_psi_mued, 0.18, 0}, {B.Eurocode_psi_X, 0.21, 0},
            {B.Eurocode_psi_0, 0.22, 0}, {B.Eurocode_psi_1, 0.23, 0}, {B.Eurocode_psi_2, 0.24, 0},
            {B.Eurocode_psi_2E, 0.25, 0}, {B.DIN18800_psi_N, 0.31, 0}, {B.DIN18800_psi_H, 0.32, 0},
            {B.DIN1045_gamma_sup1_linear_norm, 1.01, 1}, {B.DIN1045_gamma_inf1_linear_norm, 0.01, 1},
            {B.DIN1045_gamma_sup1_linear_nor1, 1.02, 1}, {B.DIN1045_gamma_inf1_linear_nor1, 0.02, 1},
            {B.DIN1045_gamma_sup1_linear_nor2, 1.03, 1}, {B.DIN1045_gamma_inf1_linear_nor2, 0.03, 1},
            {B.DIN1045_gamma_sup1_linear_spec, 1.04, 1}, {B.DIN1045_gamma_inf1_linear_spec, 0.04, 1},
            {B.DIN1045_gamma_sup1_linear_spe1, 1.05, 1}, {B.DIN1045_gamma_inf1_linear_spe1, 0.05, 1},
            {B.DIN1045_gamma_sup1_linear_spe2, 1.06, 1}, {B.DIN1045_gamma_inf1_linear_spe2, 0.06, 1},
            {B.DIN1045_gamma_sup1_linear_mued, 1.07, 1}, {B.DIN1045_gamma_inf1_linear_mued, 0.07, 1},
            {B.Eurocode_gamma_sup1_norm, 1.11, 1}, {B.Eurocode_gamma_inf1_norm, 0.11, 1},
            {B.Eurocode_gamma_sup1_spec, 1.12, 1}, {B.Eurocode_gamma_inf1_spec, 0.12, 1},
            {B.Eurocode_gamma_sup1_erdbeben, 1.13, 1}, {B.Eurocode_gamma_inf1_erdbeben, 0.13, 1},
            {B.Eurocode_gamma_sup_gebrauch, 1.14, 1}, {B.Eurocode_gamma_inf_gebrauch, 0.14, 1},
            {B.DIN18800_gamma_sup1_norm, 1.21, 1}, {B.DIN18800_gamma_inf1_norm, 0.21, 1},
            {B.DIN18800_gamma_sup1_spec, 1.22, 1}, {B.DIN18800_gamma_inf1_spec, 0.22, 1},
            {B.gamma_altenorm_allways_sup, 1.31, 1}, {B.gamma_altenorm_allways_inf, 0.31, 1},
            {B.gamma_altenorm_NCHW001_sup, 1.32, 1}, {B.gamma_altenorm_NCHW002_sup, 1.33, 1},
            {B.gamma_sup_gebrauch_allways, 1.41, 1}, {B.gamma_inf_gebrauch_allways, 0.41, 1},
        };
        for (const Signature &s : sig) s.row[s.at] = s.value;
        type.ints0_3[0] = 500;
        type.ints4_10[3] = 2;           /* integer 7 (1 would ask for the special DIN rows) */
        type.ints4_10[5] = 2;           /* integer 9 */
        type.ints4_10[6] = 1;
        check = New_Nachweis();
        check->type = &type;
        Nchw_Einw_Table_Init(5);
        Nchw_Einw_Table_Add(2, "Q", 2, 0, 0, 2, 0);      /* row 0 */
        Nchw_Einw_Table_Add(4, "A1", 99, 0, 0, 4, 0);    /* row 1 */
        Nchw_Einw_Table_Add(5, "A2", 99, 0, 0, 4, 0);    /* row 2 */
        Nchw_Einw_Table_Add(6, "E1", 100, 0, 0, 4, 0);   /* row 3 */
        Nchw_Einw_Table_Add(7, "E2", 100, 0, 0, 4, 0);   /* row 4 */
        Nchw_Lf_Table_Init(5);
        for (int i = 0; i < 5; i++) Nchw_Lf_Table_Add(12 + i, "lf", i, 0);
    }
    void TearDown() override
    {
        Clear();
        Xtr_Message_Switch = 0;
        Xtr_North_German_Plain = 0;
        Reset_Nchw_Settings();
        NAD_EC1_Tables *t = Get_NAD_EC1_Tables();
        if (t) t->data_a = t->data_b = 0;
    }
    static void Clear()
    {
        Nchw_Imp_Table_Init(0);
        Nchw_Lf_Table_Init(0);
        Nchw_Group_Table_Init(0);
        Nchw_Einw_Table_Init(0);
        Free_All_Nachweise();
    }
    /* nA accidental and nE earthquake actions take part besides Q (by actions and by load cases). */
    static void Taking_Part(int nA, int nE)
    {
        const int on[5] = {1, nA >= 1, nA >= 2, nE >= 1, nE >= 2};
        for (int i = 0; i < 5; i++) Nchw_Einw_Table.rows[i].active = Nchw_Lf_Table.rows[i].active = on[i];
    }
    /* The four factors of Q's row (action 2, load case 12), or -1 when there is no table. */
    std::vector<double> Q_Row(int R, int M, int K, int Z, int G)
    {
        int32_t n = 0;
        Xtr_Row *t = Build_Situation_Xtr_Table(check, &n, R, M, K, Z, G);
        if (!t) return {-1};
        std::vector<double> q;
        for (int32_t i = 0; i < n; i++)
            if (t[i].number == (M == 0 ? 2 : 12)) q = {t[i].psi_dom, t[i].psi_sub, t[i].gamma_sup, t[i].gamma_inf};
        free(t);
        return q;
    }
    static int Messages(const std::string &text)
    {
        int n = 0;
        for (const std::string &l : ZW_Test_Log_Lines()) n += l == text;
        return n;
    }
};

typedef std::vector<double> V;
const V None = {-1};

} // namespace

/* DIN 1055-100, ultimate: the fundamental rows by the gamma_G choice, the special types, the
** accidental and the earthquake situation. */
TEST_F(Situation, Din1055Ultimate)
{
    for (int M = 0; M <= 1; M++) {
        SCOPED_TRACE(M);
        Taking_Part(0, 0);
        EXPECT_EQ(Q_Row(1, M, 1, 1, 0), (V{0.11, 0.12, 1.01, 0.01}));      /* psi_X / psi_0, norm */
        EXPECT_EQ(Q_Row(1, M, 1, 1, 1), (V{0.11, 0.12, 1.02, 0.02}));      /* nor1 */
        EXPECT_EQ(Q_Row(1, M, 1, 1, 2), (V{0.11, 0.12, 1.03, 0.03}));      /* nor2 */
        EXPECT_EQ(Q_Row(1, M, 1, 1, 3), None);
        Nchw_Global_Settings.altitude_switch = 1;
        EXPECT_EQ(Q_Row(1, M, 1, 1, 0), (V{0.11, 0.15, 1.01, 0.01}));      /* psi_0 of snow */
        Nchw_Global_Settings.altitude_switch = 0;
        type.ints4_10[3] = 1;
        EXPECT_EQ(Q_Row(1, M, 1, 1, 0), (V{0.18, 0.18, 1.07, 0.07}));      /* mued rows */
        type.ints4_10[3] = 2;
        type.ints0_3[0] = 72;
        EXPECT_EQ(Q_Row(1, M, 1, 1, 2), (V{0.13, 0.14, 1.04, 0.04}));      /* psi_1 / psi_2, spec */
        type.ints0_3[0] = 82;
        EXPECT_EQ(Q_Row(1, M, 1, 1, 2), (V{0.14, 0.14, 1.04, 0.04}));      /* psi_2 twice, spec */
        type.ints0_3[0] = 500;
        Taking_Part(1, 1);                  /* accidental before earthquake */
        EXPECT_EQ(Q_Row(1, M, 1, 1, 0), (V{0.13, 0.14, 1.04, 0.04}));
        EXPECT_EQ(Q_Row(1, M, 1, 1, 1), (V{0.13, 0.14, 1.05, 0.05}));
        EXPECT_EQ(Q_Row(1, M, 1, 1, 2), (V{0.13, 0.14, 1.06, 0.06}));
        EXPECT_EQ(Q_Row(1, M, 1, 1, 3), None);
        Taking_Part(0, 1);
        EXPECT_EQ(Q_Row(1, M, 1, 1, 0), (V{0.14, 0.14, 1.04, 0.04}));
        EXPECT_EQ(Q_Row(1, M, 1, 1, 1), (V{0.14, 0.14, 1.05, 0.05}));
        EXPECT_EQ(Q_Row(1, M, 1, 1, 3), None);
        Nchw_Global_Settings.altitude_switch = 1;
        EXPECT_EQ(Q_Row(1, M, 1, 1, 0), (V{0.17, 0.17, 1.04, 0.04}));      /* psi_2 of snow */
        Nchw_Global_Settings.altitude_switch = 0;
    }
}

/* Serviceability of both codes by combination; other check kinds and rules give no table. */
TEST_F(Situation, ServiceabilityAndUnknownSettings)
{
    Taking_Part(1, 1);                      /* accidental and earthquake actions change nothing */
    EXPECT_EQ(Q_Row(1, 0, 2, 1, 0), (V{0.11, 0.12, 1.41, 0.41}));
    EXPECT_EQ(Q_Row(1, 0, 2, 2, 0), (V{0.13, 0.14, 1.41, 0.41}));
    EXPECT_EQ(Q_Row(1, 0, 2, 4, 0), (V{0.14, 0.14, 1.41, 0.41}));
    EXPECT_EQ(Q_Row(1, 0, 2, 3, 0), None);
    EXPECT_EQ(Q_Row(2, 0, 2, 1, 0), (V{0.21, 0.22, 1.14, 0.14}));
    EXPECT_EQ(Q_Row(2, 0, 2, 2, 0), (V{0.23, 0.24, 1.14, 0.14}));
    EXPECT_EQ(Q_Row(2, 0, 2, 4, 0), (V{0.24, 0.24, 1.14, 0.14}));
    EXPECT_EQ(Q_Row(2, 0, 2, 8, 0), None);
    EXPECT_EQ(Q_Row(1, 0, 3, 1, 0), None);
    EXPECT_EQ(Q_Row(2, 0, 4, 1, 0), None);
    EXPECT_EQ(Q_Row(64, 0, 1, 1, 0), None);
}

/* Eurocode ultimate, DIN 18800 and the old code. */
TEST_F(Situation, EurocodeDin18800AndOldCode)
{
    for (int M = 0; M <= 1; M++) {
        SCOPED_TRACE(M);
        Taking_Part(0, 0);
        EXPECT_EQ(Q_Row(2, M, 1, 1, 0), (V{0.21, 0.22, 1.11, 0.11}));
        type.ints0_3[0] = 124;
        EXPECT_EQ(Q_Row(2, M, 1, 1, 0), (V{0.23, 0.24, 1.12, 0.12}));      /* the accidental rows */
        type.ints0_3[0] = 500;
        EXPECT_EQ(Q_Row(4, M, 1, 1, 0), (V{0.31, 0.32, 1.21, 0.21}));
        EXPECT_EQ(Q_Row(8, M, 1, 1, 0), (V{0.11, 0.11, 1.31, 0.31}));
        type.ints0_3[0] = 1;
        EXPECT_EQ(Q_Row(8, M, 1, 1, 0), (V{0.11, 0.11, 1.32, 0.31}));
        type.ints0_3[0] = 2;
        EXPECT_EQ(Q_Row(8, M, 1, 1, 0), (V{0.11, 0.11, 1.33, 0.31}));
        type.ints0_3[0] = 500;
        Taking_Part(1, 1);
        EXPECT_EQ(Q_Row(2, M, 1, 1, 0), (V{0.23, 0.24, 1.12, 0.12}));
        EXPECT_EQ(Q_Row(4, M, 1, 1, 0), (V{0.32, 0.32, 1.22, 0.22}));
        Taking_Part(0, 1);
        EXPECT_EQ(Q_Row(2, M, 1, 1, 0), (V{0.25, 0.25, 1.13, 0.13}));
        EXPECT_EQ(Q_Row(4, M, 1, 1, 0), (V{0.31, 0.32, 1.21, 0.21}));
    }
}

/* The North German Plain takes the accidental situation whatever takes part (by actions). */
TEST_F(Situation, NorthGermanPlain)
{
    Taking_Part(0, 0);
    Xtr_North_German_Plain = 1;
    EXPECT_EQ(Q_Row(1, 0, 1, 1, 1), (V{0.13, 0.14, 1.05, 0.05}));
    EXPECT_EQ(Q_Row(1, 0, 2, 2, 0), (V{0.13, 0.14, 1.41, 0.41}));
    EXPECT_EQ(Q_Row(2, 0, 1, 1, 0), (V{0.23, 0.24, 1.12, 0.12}));
    EXPECT_EQ(Q_Row(2, 0, 2, 4, 0), (V{0.24, 0.24, 1.14, 0.14}));
    EXPECT_EQ(Q_Row(4, 0, 1, 1, 0), (V{0.32, 0.32, 1.22, 0.22}));
    EXPECT_EQ(Q_Row(8, 0, 1, 1, 0), (V{0.11, 0.11, 1.31, 0.31}));
    EXPECT_EQ(Q_Row(1, 0, 3, 1, 0), None);
    type.ints0_3[0] = 43;                   /* fatigue: serviceability gammas, psi_1 / psi_2 */
    EXPECT_EQ(Q_Row(2, 0, 1, 1, 0), (V{0.23, 0.24, 1.14, 0.14}));
    /* by load cases the plain situation rows stand */
    type.ints0_3[0] = 500;
    EXPECT_EQ(Q_Row(1, 1, 1, 1, 1), (V{0.11, 0.12, 1.02, 0.02}));
}

/* The EN 1991 rule of the annex for the types 81, 82, 214 and 224: the leading value becomes the
** accompanying one (second integer for every psi index but wind). */
TEST_F(Situation, En1991RuleOfTheSpecialTypes)
{
    NAD_EC1_Tables *t = Get_NAD_EC1_Tables();
    ASSERT_NE(t, nullptr);
    Taking_Part(0, 0);
    for (int32_t T : {81, 82, 214, 224}) {
        type.ints0_3[0] = T;
        t->data_a = 2;
        EXPECT_EQ(Q_Row(2, 0, 1, 1, 0), (V{0.24, 0.24, 1.12, 0.12})) << T;
        EXPECT_EQ(Q_Row(2, 1, 1, 1, 0), (V{0.24, 0.24, 1.12, 0.12})) << T;
        t->data_a = 0;
        EXPECT_EQ(Q_Row(2, 0, 1, 1, 0), (V{0.23, 0.24, 1.12, 0.12})) << T;
    }
    type.ints0_3[0] = 500;
    t->data_a = 2;
    EXPECT_EQ(Q_Row(2, 0, 1, 1, 0), (V{0.21, 0.22, 1.11, 0.11}));
}

/* The messages: one box each, the block when more than one such action takes part, none in the
** North German Plain's block. */
TEST_F(Situation, MessagesOfAccidentalAndEarthquakeActions)
{
    Xtr_Message_Switch = 0;
    const std::string acc_b = "MESSAGE [] Einwirkungen vom Typ \"Sonderlast\" bewirken | eine \"außergewöhnliche "
                              "Bemessungssituation\"!";
    const std::string acc_k = "MESSAGE [] Einwirkungen vom Typ \"Sonderlast\" bewirken | eine \"außergewöhnliche "
                              "Kombination\"!";
    const std::string eq = "MESSAGE [] Einwirkungen vom Typ \"Erdbeben\" bewirken | eine \"Erdbeben-Bemessungssituation\"!";
    const std::string block = " |   | ------- WARNUNG: ------- | ";
    const std::string tail = " | ausgewählt !?! | -----------------------------";
    Taking_Part(1, 0);
    Q_Row(1, 0, 1, 1, 0);
    Q_Row(2, 0, 1, 1, 0);
    Q_Row(4, 0, 1, 1, 0);
    EXPECT_EQ(Messages(acc_b), 2);
    EXPECT_EQ(Messages(acc_k), 1);
    ZW_Test_Clear_Log();
    Taking_Part(2, 2);
    Q_Row(1, 0, 1, 1, 0);
    Q_Row(2, 0, 1, 1, 0);
    Q_Row(4, 0, 1, 1, 0);
    EXPECT_EQ(Messages(acc_b + block + "Es sind mehrere | Sonderlastfälle" + tail), 1);
    EXPECT_EQ(Messages(acc_b + block + "Es sind mehr als eine | Sonderlasteinwirkung" + tail), 1);
    EXPECT_EQ(Messages(acc_k + block + "Es sind mehrere | Sonderlastfälle" + tail), 1);
    ZW_Test_Clear_Log();
    Taking_Part(0, 2);
    Q_Row(1, 0, 1, 1, 0);
    Q_Row(2, 0, 1, 1, 0);
    EXPECT_EQ(Messages(eq + block + "Es sind mehrere | Erdbebenlastfälle" + tail), 2);
    ZW_Test_Clear_Log();
    Taking_Part(0, 1);
    Q_Row(1, 0, 2, 1, 0);                   /* DIN serviceability warns of accidental actions only */
    Q_Row(2, 0, 2, 1, 0);
    EXPECT_EQ(Messages("MESSAGE [Warnung] Sonderlasten werden beim | Gebrauchstauglichkeitsnachweis | "
                       "i.d.R. nicht angesetzt!"),
              0);
    EXPECT_EQ(Messages("MESSAGE [Warnung] Sonder- und Erdbebenlasten werden | beim "
                       "Gebrauchstauglichkeitsnachweis | i.d.R. nicht angesetzt!"),
              1);
    type.ints0_3[0] = 43;
    Q_Row(2, 0, 1, 1, 0);
    EXPECT_EQ(Messages("MESSAGE [Warnung] Sonder- und Erdbebenlasten werden | beim Ermüdungsnachweis | "
                       "i.d.R. nicht angesetzt!"),
              1);
    type.ints0_3[0] = 500;
    ZW_Test_Clear_Log();
    Taking_Part(1, 0);
    Q_Row(1, 0, 2, 1, 0);
    EXPECT_EQ(Messages("MESSAGE [Warnung] Sonderlasten werden beim | Gebrauchstauglichkeitsnachweis | "
                       "i.d.R. nicht angesetzt!"),
              1);
    ZW_Test_Clear_Log();
    Taking_Part(2, 0);
    Xtr_North_German_Plain = 1;
    Q_Row(1, 0, 1, 1, 0);
    Q_Row(4, 0, 1, 1, 0);
    EXPECT_EQ(Messages(acc_b), 1);
    EXPECT_EQ(Messages(acc_k), 1);
    Xtr_North_German_Plain = 0;
}
