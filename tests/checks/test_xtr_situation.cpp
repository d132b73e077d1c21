/*
** Tests of the situation table of the extremal rules: which coefficient rows each combination
** rule, check kind, combination and gamma_G choice takes, with and without accidental and
** earthquake actions, in the North German Plain, by actions and by load cases, with the messages
** it shows and the EN 1991 rule of the special types; the standard table of a check's own type,
** the row builder's standard variant and the bridge table over load groups.
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
            // clang-format off
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
            // clang-format on
        };
        for (const Signature &s : sig) s.row[s.at] = s.value;
        type.ints0_3[0] = 500;
        type.ints4_10[3] = 2; /* integer 7 (1 would ask for the special DIN rows) */
        type.ints4_10[5] = 2; /* integer 9 */
        type.ints4_10[6] = 1;
        check = New_Nachweis();
        check->type = &type;
        Nchw_Einw_Table_Init(5);
        Nchw_Einw_Table_Add(2, "Q", 2, 0, 0, 2, 0);    /* row 0 */
        Nchw_Einw_Table_Add(4, "A1", 99, 0, 0, 4, 0);  /* row 1 */
        Nchw_Einw_Table_Add(5, "A2", 99, 0, 0, 4, 0);  /* row 2 */
        Nchw_Einw_Table_Add(6, "E1", 100, 0, 0, 4, 0); /* row 3 */
        Nchw_Einw_Table_Add(7, "E2", 100, 0, 0, 4, 0); /* row 4 */
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
        for (int i = 0; i < 5; i++)
            Nchw_Einw_Table.rows[i].active = Nchw_Lf_Table.rows[i].active = on[i];
    }
    /* The four factors of Q's row (action 2, load case 12), or -1 when there is no table. */
    std::vector<double> Q_Row(int R, int M, int K, int Z, int G)
    {
        int32_t n = 0;
        Xtr_Row *t = Build_Situation_Xtr_Table(check, &n, R, M, K, Z, G);
        if (!t) return {-1};
        std::vector<double> q;
        for (int32_t i = 0; i < n; i++)
            if (t[i].number == (M == 0 ? 2 : 12))
                q = {t[i].psi_dom, t[i].psi_sub, t[i].gamma_sup, t[i].gamma_inf};
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
        EXPECT_EQ(Q_Row(1, M, 1, 1, 0), (V{0.11, 0.12, 1.01, 0.01})); /* psi_X / psi_0, norm */
        EXPECT_EQ(Q_Row(1, M, 1, 1, 1), (V{0.11, 0.12, 1.02, 0.02})); /* nor1 */
        EXPECT_EQ(Q_Row(1, M, 1, 1, 2), (V{0.11, 0.12, 1.03, 0.03})); /* nor2 */
        EXPECT_EQ(Q_Row(1, M, 1, 1, 3), None);
        Nchw_Global_Settings.altitude_switch = 1;
        EXPECT_EQ(Q_Row(1, M, 1, 1, 0), (V{0.11, 0.15, 1.01, 0.01})); /* psi_0 of snow */
        Nchw_Global_Settings.altitude_switch = 0;
        type.ints4_10[3] = 1;
        EXPECT_EQ(Q_Row(1, M, 1, 1, 0), (V{0.18, 0.18, 1.07, 0.07})); /* mued rows */
        type.ints4_10[3] = 2;
        type.ints0_3[0] = 72;
        EXPECT_EQ(Q_Row(1, M, 1, 1, 2), (V{0.13, 0.14, 1.04, 0.04})); /* psi_1 / psi_2 */
        type.ints0_3[0] = 82;
        EXPECT_EQ(Q_Row(1, M, 1, 1, 2), (V{0.14, 0.14, 1.04, 0.04})); /* psi_2 twice */
        type.ints0_3[0] = 500;
        Taking_Part(1, 1); /* accidental before earthquake */
        EXPECT_EQ(Q_Row(1, M, 1, 1, 0), (V{0.13, 0.14, 1.04, 0.04}));
        EXPECT_EQ(Q_Row(1, M, 1, 1, 1), (V{0.13, 0.14, 1.05, 0.05}));
        EXPECT_EQ(Q_Row(1, M, 1, 1, 2), (V{0.13, 0.14, 1.06, 0.06}));
        EXPECT_EQ(Q_Row(1, M, 1, 1, 3), None);
        Taking_Part(0, 1);
        EXPECT_EQ(Q_Row(1, M, 1, 1, 0), (V{0.14, 0.14, 1.04, 0.04}));
        EXPECT_EQ(Q_Row(1, M, 1, 1, 1), (V{0.14, 0.14, 1.05, 0.05}));
        EXPECT_EQ(Q_Row(1, M, 1, 1, 3), None);
        Nchw_Global_Settings.altitude_switch = 1;
        EXPECT_EQ(Q_Row(1, M, 1, 1, 0), (V{0.17, 0.17, 1.04, 0.04})); /* psi_2 of snow */
        Nchw_Global_Settings.altitude_switch = 0;
    }
}

/* Serviceability of both codes by combination; other check kinds and rules give no table. */
TEST_F(Situation, ServiceabilityAndUnknownSettings)
{
    Taking_Part(1, 1); /* accidental and earthquake actions change nothing */
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
        EXPECT_EQ(Q_Row(2, M, 1, 1, 0), (V{0.23, 0.24, 1.12, 0.12})); /* the accidental rows */
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
    type.ints0_3[0] = 43; /* fatigue: serviceability gammas, psi_1 / psi_2 */
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
    const std::string acc_b =
        "MESSAGE [] Einwirkungen vom Typ \"Sonderlast\" bewirken | eine \"außergewöhnliche "
        "Bemessungssituation\"!";
    const std::string acc_k =
        "MESSAGE [] Einwirkungen vom Typ \"Sonderlast\" bewirken | eine \"außergewöhnliche "
        "Kombination\"!";
    const std::string eq =
        "MESSAGE [] Einwirkungen vom Typ \"Erdbeben\" bewirken | eine \"Erdbeben-Bemessungssituation\"!";
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
    Q_Row(1, 0, 2, 1, 0); /* DIN serviceability warns of accidental actions only */
    Q_Row(2, 0, 2, 1, 0);
    EXPECT_EQ(
        Messages("MESSAGE [Warnung] Sonderlasten werden beim | Gebrauchstauglichkeitsnachweis | "
                 "i.d.R. nicht angesetzt!"),
        0);
    EXPECT_EQ(Messages("MESSAGE [Warnung] Sonder- und Erdbebenlasten werden | beim "
                       "Gebrauchstauglichkeitsnachweis | i.d.R. nicht angesetzt!"),
              1);
    type.ints0_3[0] = 43;
    Q_Row(2, 0, 1, 1, 0);
    EXPECT_EQ(
        Messages("MESSAGE [Warnung] Sonder- und Erdbebenlasten werden | beim Ermüdungsnachweis | "
                 "i.d.R. nicht angesetzt!"),
        1);
    type.ints0_3[0] = 500;
    ZW_Test_Clear_Log();
    Taking_Part(1, 0);
    Q_Row(1, 0, 2, 1, 0);
    EXPECT_EQ(
        Messages("MESSAGE [Warnung] Sonderlasten werden beim | Gebrauchstauglichkeitsnachweis | "
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

namespace {

/* The standard table of the check's own type: rule from integer 9, check kind from integer 5,
** combination from integer 7. */
class StandardTable : public Situation {
  protected:
    int32_t rows = 0;
    V Q_Std(int R, int K, int Z)
    {
        type.ints0_3[2] = 1; /* extremal rules in compute mode 0 */
        type.ints4_10[5] = R;
        type.ints4_10[1] = K;
        type.ints4_10[3] = Z;
        int32_t r = -1, m = -1, k = -1, z = -1;
        rows = -1;
        Xtr_Row *t = Build_Standard_Xtr_Table(check, &rows, &r, &m, &k, &z);
        if (!t) return None;
        EXPECT_EQ(r, R);
        EXPECT_EQ(m, 0);
        EXPECT_EQ(k, K);
        EXPECT_EQ(z, Z);
        V q;
        for (int32_t i = 0; i < rows; i++)
            if (t[i].number == 2) q = {t[i].psi_dom, t[i].psi_sub, t[i].gamma_sup, t[i].gamma_inf};
        free(t);
        return q;
    }
};

} // namespace

/* DIN 1055-100: ultimate rows by type and by the gamma_G choice of the general settings,
** serviceability rows by combination; the accidental and earthquake actions take no part. */
TEST_F(StandardTable, Din1055)
{
    Taking_Part(0, 0);
    for (int32_t g : {0, 1}) {
        Nchw_Global_Settings.din1055_gamma_g = g;
        EXPECT_EQ(Q_Std(1, 1, 2), (V{0.11, 0.12, 1.01, 0.01})) << g; /* linear_norm */
    }
    EXPECT_EQ(rows, 1);
    EXPECT_EQ(Nchw_Einw_Table.rows[0].active, 1);
    for (int i = 1; i < 5; i++) EXPECT_EQ(Nchw_Einw_Table.rows[i].active, 0) << i;
    Nchw_Global_Settings.din1055_gamma_g = 2;
    EXPECT_EQ(Q_Std(1, 1, 2), (V{0.11, 0.12, 1.02, 0.02})); /* linear_nor1 */
    Nchw_Global_Settings.din1055_gamma_g = 3;
    EXPECT_EQ(Q_Std(1, 1, 2), (V{0.11, 0.12, 1.03, 0.03})); /* linear_nor2 */
    Nchw_Global_Settings.din1055_gamma_g = 1;
    type.ints0_3[0] = 33;
    EXPECT_EQ(Q_Std(1, 1, 2), (V{0.18, 0.18, 1.07, 0.07})); /* mued rows */
    for (int32_t T : {71, 72, 124}) {
        type.ints0_3[0] = T;
        EXPECT_EQ(Q_Std(1, 1, 2), (V{0.13, 0.14, 1.04, 0.04})) << T; /* psi_1 / psi_2 */
    }
    Nchw_Global_Settings.altitude_switch = 1;
    EXPECT_EQ(Q_Std(1, 1, 2), (V{0.16, 0.17, 1.04, 0.04})); /* snow rows */
    Nchw_Global_Settings.altitude_switch = 0;
    for (int32_t T : {81, 82}) {
        type.ints0_3[0] = T;
        EXPECT_EQ(Q_Std(1, 1, 2), (V{0.14, 0.14, 1.04, 0.04})) << T; /* psi_2 twice */
    }
    type.ints0_3[0] = 500;
    EXPECT_EQ(Q_Std(1, 2, 1), (V{0.11, 0.12, 1.41, 0.41}));
    EXPECT_EQ(Q_Std(1, 2, 2), (V{0.13, 0.14, 1.41, 0.41}));
    EXPECT_EQ(Q_Std(1, 2, 4), (V{0.14, 0.14, 1.41, 0.41}));
    EXPECT_EQ(Q_Std(1, 2, 3), None);
    EXPECT_EQ(Q_Std(1, 3, 1), None);
}

/* Eurocode, DIN 18800 and the old code; the old code alone keeps the accidental and earthquake
** actions, with the gammas of their category (position 6). */
TEST_F(StandardTable, EurocodeDin18800AndOldCode)
{
    Taking_Part(0, 0);
    EXPECT_EQ(Q_Std(2, 1, 2), (V{0.21, 0.22, 1.11, 0.11}));
    type.ints0_3[0] = 71; /* not one of the special types of this table */
    EXPECT_EQ(Q_Std(2, 1, 2), (V{0.21, 0.22, 1.11, 0.11}));
    type.ints0_3[0] = 214;
    NAD_EC1_Tables *ec1 = Get_NAD_EC1_Tables();
    ASSERT_NE(ec1, nullptr);
    ec1->data_a = ec1->data_b = 0; /* the leading value stays psi_1 */
    EXPECT_EQ(Q_Std(2, 1, 2), (V{0.23, 0.24, 1.12, 0.12}));
    ec1->data_a = 2; /* the annex's EN 1991 rule: psi_2 */
    EXPECT_EQ(Q_Std(2, 1, 2), (V{0.24, 0.24, 1.12, 0.12}));
    type.ints0_3[0] = 500;
    EXPECT_EQ(Q_Std(2, 2, 1), (V{0.21, 0.22, 1.14, 0.14}));
    EXPECT_EQ(Q_Std(2, 2, 2), (V{0.23, 0.24, 1.14, 0.14}));
    EXPECT_EQ(Q_Std(2, 2, 4), (V{0.24, 0.24, 1.14, 0.14}));
    EXPECT_EQ(Q_Std(2, 2, 8), None);
    EXPECT_EQ(Q_Std(2, 3, 1), None);
    EXPECT_EQ(Q_Std(4, 1, 2), (V{0.31, 0.32, 1.21, 0.21}));
    EXPECT_EQ(rows, 1);
    Beiwert_Tables.gamma_altenorm_allways_sup[5] = 1.36;
    Beiwert_Tables.gamma_altenorm_allways_inf[5] = 0.36;
    EXPECT_EQ(Q_Std(8, 1, 2), (V{0.11, 0.11, 1.31, 0.31}));
    EXPECT_EQ(rows, 5);
    int32_t n = 0;
    Xtr_Row *t = Build_Standard_Xtr_Table(check, &n, nullptr, nullptr, nullptr, nullptr);
    ASSERT_EQ(n, 5);
    for (int32_t i = 1; i < 5; i++) { /* A1, A2, E1, E2: psi 1.0, gammas of position 6 */
        EXPECT_EQ(t[i].number, i + 3);
        EXPECT_EQ((V{t[i].psi_dom, t[i].psi_sub, t[i].gamma_sup, t[i].gamma_inf}),
                  (V{1.0, 1.0, 1.36, 0.36}));
    }
    free(t);
    type.ints0_3[0] = 1;
    EXPECT_EQ(Q_Std(8, 1, 2), (V{0.11, 0.11, 1.32, 0.31}));
    type.ints0_3[0] = 2;
    EXPECT_EQ(Q_Std(8, 1, 2), (V{0.11, 0.11, 1.33, 0.31}));
    EXPECT_EQ(Q_Std(0, 1, 2), None);
    EXPECT_EQ(Q_Std(64, 1, 2), None);
}

/* The row builder's standard variant over load cases drops a row whose two gammas are both 0 or
** less, and keeps one with gamma_inf alone (over actions gamma_sup must be above 0). */
TEST_F(Situation, StandardRowsOverLoadCasesKeepEitherGamma)
{
    Taking_Part(1, 0); /* Q and A1: load cases 12 and 13 */
    double GS[BW_GAMMA_N] = {1, 0, 1, 1, 1, 0}, GI[BW_GAMMA_N] = {1, 0.5, 1, 1, 1, 0};
    double P[BW_PSI_N] = {0.7, 0.7, 0.7, 0.7, 0.7, 0.7, 0.7, 0.7, 0.7, 0.7, 0.7};
    int32_t n = -1;
    Xtr_Row *t = Build_Xtr_Rows(1, GI, GS, P, P, &n, 0);
    ASSERT_EQ(n, 1); /* A1 with 0 / 0 is dropped */
    EXPECT_EQ(t[0].number, 12);
    EXPECT_DOUBLE_EQ(t[0].gamma_inf, 0.5);
    free(t);
    t = Build_Xtr_Rows(0, GI, GS, P, P, &n, 0);
    EXPECT_EQ(n, 0); /* over actions Q goes too */
    free(t);
    t = Build_Xtr_Rows(1, GI, GS, P, P, &n, 1);
    EXPECT_EQ(n, 2); /* the situation variant keeps both */
    free(t);
}

namespace {

/* Load cases in bridge load groups: 31 in a traffic group (110), 32 in the earthquake group
** (119), 33 in the accidental group (120), 34 in an ordinary folder, 35 in the traffic group
** but not selected. Type 343 gives 0.6 / 0.6 / 1.0 / 1.0 for the traffic group. */
class BridgeTable : public Situation {
  protected:
    void SetUp() override
    {
        Situation::SetUp();
        type.ints0_3[0] = 343;
        Bridge_Coeff = Bridge_Coeff_Builtin;
        Nchw_Lf_Table_Init(0);
        Nchw_Group_Table_Init(4);
        Nchw_Group_Table_Add("Verkehr", 0, -1, 110, 200);
        Nchw_Group_Table_Add("Erdbeben", 0, -1, 119, 201);
        Nchw_Group_Table_Add("Anprall", 0, -1, 120, 202);
        Nchw_Group_Table_Add("normal", 0, -1, 5, 203);
        Nchw_Lf_Table_Init(5);
        Nchw_Lf_Table_Add(31, "v", 0, -201);
        Nchw_Lf_Table_Add(32, "e", 0, -202);
        Nchw_Lf_Table_Add(33, "a", 0, -203);
        Nchw_Lf_Table_Add(34, "n", 0, -204);
        Nchw_Lf_Table_Add(35, "w", 0, -201);
        for (int i = 0; i < 4; i++) Nchw_Lf_Table.rows[i].active = 1;
        setenv("SPLICE_APPLICATION_NUMBER", "114", 1);
        Bridge_Application_Mode = -1;
        Xtr_Message_Switch = 0;
        ZW_Test_Clear_Log();
    }
    void TearDown() override
    {
        unsetenv("SPLICE_APPLICATION_NUMBER");
        Bridge_Application_Mode = -1;
        Bridge_Coeff = Bridge_Coeff_Builtin;
        Situation::TearDown();
    }
    std::vector<int32_t> Numbers(int32_t variant)
    {
        int32_t n = -1;
        Xtr_Row *t = Build_Bridge_Xtr_Table(check, &n, variant);
        std::vector<int32_t> v;
        for (int32_t i = 0; t && i < n; i++) v.push_back(t[i].number);
        if (t && n > 0) last = t[0];
        free(t);
        return v;
    }
    Xtr_Row last{};
};

const char Both[] =
    "MESSAGE [Warnung] Die aktuelle Auswahl enthält sowohl Sonderlasten als | auch Lasten "
    "vom Typ \"Erdbeben\". Diese Kombination | ist von der Norm nicht abgedeckt. Sie wird hier als "
    "| außergewöhnliche Bemessungssituation behandelt!";
const char Acc[] =
    "MESSAGE [] Die aktuelle Auswahl bewirkt eine  | außergewöhnliche Bemessungssituation.";
const char Eq[] =
    "MESSAGE [] Die aktuelle Auswahl bewirkt eine  | Bemessungssituation vom Typ \"Erdbeben\".";

} // namespace

/* The situation variant keeps every selected load case, the ordinary one with zero factors, and
** announces accidental and earthquake groups together as an accidental situation. */
TEST_F(BridgeTable, SituationVariantKeepsEverySelectedLoadCase)
{
    EXPECT_EQ(Numbers(1), (std::vector<int32_t>{31, 32, 33, 34}));
    EXPECT_EQ((V{last.psi_dom, last.psi_sub, last.gamma_sup, last.gamma_inf}),
              (V{0.6, 0.6, 1.0, 1.0}));
    EXPECT_EQ(Messages(Both), 1);
    EXPECT_EQ(Bridge_Application_Mode, 1);
    Nchw_Lf_Table.rows[1].active = 0; /* accidental group only */
    EXPECT_EQ(Numbers(1), (std::vector<int32_t>{31, 33, 34}));
    EXPECT_EQ(Messages(Acc), 1);
    EXPECT_EQ(Bridge_Application_Mode, 1);
    Nchw_Lf_Table.rows[1].active = 1; /* earthquake group only */
    Nchw_Lf_Table.rows[2].active = 0;
    EXPECT_EQ(Numbers(1), (std::vector<int32_t>{31, 32, 34}));
    EXPECT_EQ(Messages(Eq), 1);
    EXPECT_EQ(Bridge_Application_Mode, 2);
}

/* The standard variant deselects the accidental and earthquake groups' load cases, keeps only
** bridge groups with factors, and is an ordinary situation. */
TEST_F(BridgeTable, StandardVariantLeavesOutAccidentalAndEarthquakeGroups)
{
    EXPECT_EQ(Numbers(0), (std::vector<int32_t>{31}));
    EXPECT_EQ(Nchw_Lf_Table.rows[1].active, 0);
    EXPECT_EQ(Nchw_Lf_Table.rows[2].active, 0);
    EXPECT_EQ(Nchw_Lf_Table.rows[3].active, 1);
    EXPECT_EQ(Bridge_Application_Mode, 0);
    for (const std::string &l : ZW_Test_Log_Lines()) EXPECT_NE(l.rfind("MESSAGE", 0), 0u) << l;
    for (int i = 0; i < 5; i++) Nchw_Lf_Table.rows[i].active = 0;
    int32_t n = -1;
    EXPECT_EQ(Build_Bridge_Xtr_Table(check, &n, 1), nullptr);
    Nchw_Lf_Table_Init(0);
    EXPECT_EQ(Build_Bridge_Xtr_Table(check, &n, 1), nullptr);
    EXPECT_EQ(n, 0);
}
