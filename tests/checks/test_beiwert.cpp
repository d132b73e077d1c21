/*
** Tests of the coefficient rows of actions: the lookup by key for every code family, the
** entry with its zero rules, the completion of a key, and the copy of the annex's EN 1990
** factors into the Eurocode rows. The built-in rows are checked against the values of the
** standards typed here from their tables (DIN 1055-100:2001-03 Table A.2, EN 1990 Tables A1.1,
** A1.2(B), A1.3 and A1.4).
*/
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "checks/checks.h"
#include "nad/nad.h"

namespace {

struct Four {
    int r;
    double v[4];
};

Four Look(Einw_Beiwert_Key k)
{
    Four f;
    for (double &x : f.v) x = 99.0; /* every output must be written */
    f.r = Lookup_Einwirkung_Beiwerte(&k, &f.v[0], &f.v[1], &f.v[2], &f.v[3]);
    return f;
}

Einw_Beiwert_Key Ec(int32_t kind, int32_t cat, int32_t psi, int32_t type = 0, int32_t ls = 1)
{
    return Einw_Beiwert_Key{type, ls, 2, 2, kind, cat, psi, -1, 0, nullptr};
}

void Expect(const Four &f, int r, double a, double b, double c, double d)
{
    EXPECT_EQ(f.r, r);
    EXPECT_DOUBLE_EQ(f.v[0], a);
    EXPECT_DOUBLE_EQ(f.v[1], b);
    EXPECT_DOUBLE_EQ(f.v[2], c);
    EXPECT_DOUBLE_EQ(f.v[3], d);
}

/* psi_0, psi_1, psi_2 of one action of buildings, by the psi index of the rows (1..11). */
struct Standard_Psi {
    const char *action;
    double psi0, psi1, psi2;
};

/* DIN 1055-100:2001-03, Table A.2 (the combination factors of DIN 1045-1 designs). */
const Standard_Psi Din1055_Table_A2[11] = {
    // clang-format off
    {"A Wohn- und Aufenthaltsraeume, B Bueros",      0.7, 0.5, 0.3},
    {"C Versammlungsraeume, D Verkaufsraeume",       0.7, 0.7, 0.6},
    {"E Lagerraeume",                                1.0, 0.9, 0.8},
    {"F Fahrzeuglast <= 30 kN",                      0.7, 0.7, 0.6},
    {"G 30 kN < Fahrzeuglast <= 160 kN",             0.7, 0.5, 0.3},
    {"H Daecher",                                    0.0, 0.0, 0.0},
    {"Schnee- und Eislasten, Orte bis NN + 1000 m",  0.5, 0.2, 0.0},
    {"Windlasten",                                   0.6, 0.5, 0.0},
    {"Temperatureinwirkungen (nicht Brand)",         0.6, 0.5, 0.0},
    {"Baugrundsetzungen",                            1.0, 1.0, 1.0},
    {"sonstige Einwirkungen",                        0.8, 0.7, 0.5},
    // clang-format on
};
/* The same table, snow and ice at sites above NN + 1000 m (the snow rows, psi index 7). */
const Standard_Psi Din1055_Snow_Above_1000 = {"Orte ueber NN + 1000 m", 0.7, 0.5, 0.2};

/* EN 1990:2002, Table A1.1 (recommended values); indices 10 and 11 are not in it: settlements
** and other actions as DIN 1055-100 Table A.2 and the German annex's Table NA.A.1.1 give them. */
const Standard_Psi En1990_Table_A1_1[11] = {
    // clang-format off
    {"A domestic, residential; B office areas",     0.7, 0.5, 0.3},
    {"C congregation areas; D shopping areas",      0.7, 0.7, 0.6},
    {"E storage areas",                             1.0, 0.9, 0.8},
    {"F traffic area, vehicle weight <= 30 kN",     0.7, 0.7, 0.6},
    {"G traffic area, 30 kN < weight <= 160 kN",    0.7, 0.5, 0.3},
    {"H roofs",                                     0.0, 0.0, 0.0},
    {"snow, sites at altitude H <= 1000 m a.s.l.",  0.5, 0.2, 0.0},
    {"wind loads on buildings",                     0.6, 0.2, 0.0},
    {"temperature (non-fire) in buildings",         0.6, 0.5, 0.0},
    {"settlements",                                 1.0, 1.0, 1.0},
    {"other actions",                               0.8, 0.7, 0.5},
    // clang-format on
};

class Beiwert : public ::testing::Test {
  protected:
    void SetUp() override
    {
        Reset_Beiwert_Tables();
        Reset_Nchw_Settings();
        NAD_EC1_Tables *t = Get_NAD_EC1_Tables();
        saved_a = t->data_a;
        saved_b = t->data_b;
        t->data_a = 0;
        t->data_b = 0;
    }
    void TearDown() override
    {
        NAD_EC1_Tables *t = Get_NAD_EC1_Tables();
        t->data_a = saved_a;
        t->data_b = saved_b;
        Einw_Beiwert_Hook = nullptr;
        Reset_Beiwert_Tables();
        Reset_Nchw_Settings();
    }
    int32_t saved_a = 0, saved_b = 0;
};

} // namespace

TEST_F(Beiwert, DefaultKeyIsDin1045FundamentalVariableAction)
{
    /* Family 1, variant 2: gamma pair linear_nor1 (1.5 / 0 for category 2), psi_0[1] = 0.7. */
    Expect(Look(Default_Einw_Beiwert_Key), 1, 1.0, 0.7, 1.5, 0.0);
    double v[4] = {5, 5, 5, 5};
    EXPECT_EQ(Lookup_Einwirkung_Beiwerte(nullptr, &v[0], &v[1], &v[2], &v[3]), 1);
    EXPECT_DOUBLE_EQ(v[1], 0.7);
    EXPECT_DOUBLE_EQ(v[2], 1.5);
    /* Null outputs are allowed. */
    EXPECT_EQ(Lookup_Einwirkung_Beiwerte(nullptr, nullptr, &v[1], nullptr, nullptr), 1);
    EXPECT_EQ(Get_Einwirkung_Beiwerte(nullptr, nullptr, nullptr, nullptr, nullptr), 1);
}

TEST_F(Beiwert, EurocodeFundamentalCombination)
{
    Expect(Look(Ec(1, 1, 1)), 1, 1.0, 1.0, 1.35, 1.0);
    Expect(Look(Ec(1, 1, 0)), 1, 1.0, 1.0, 1.35, 1.0); /* psi index not looked at */
    Expect(Look(Ec(1, 2, 8)), 1, 1.0, 0.6, 1.5, 0.0);  /* wind */
    Expect(Look(Ec(1, 2, 6)), 1, 1.0, 0.0, 1.5, 0.0);  /* roofs: psi0 = 0 */
    Expect(Look(Ec(1, 5, 1)), 1, 1.0, 1.0, 1.0, 1.0);  /* prestress */
    Expect(Look(Ec(1, 2, 0)), 0, 0, 0, 0, 0);
    Expect(Look(Ec(1, 2, 12)), 0, 0, 0, 0, 0);
    Expect(Look(Ec(1, 4, 12)), 0, 0, 0, 0, 0);
    Expect(Look(Ec(1, 0, 1)), 0, 0, 0, 0, 0);
    Expect(Look(Ec(1, 6, 1)), 0, 0, 0, 0, 0);  /* gammas 0 / 0 */
    Expect(Look(Ec(32, 1, 1)), 0, 0, 0, 0, 0); /* unknown kind */
}

TEST_F(Beiwert, EurocodeAccidentalAndSeismicCombinations)
{
    Expect(Look(Ec(2, 2, 1)), 1, 0.5, 0.3, 1.0, 0.0);   /* psi_1, psi_2 */
    Expect(Look(Ec(2, 6, 1)), 1, 1.0, 1.0, 1.0, 1.0);   /* accidental action */
    Expect(Look(Ec(2, 7, 1)), 0, 0, 0, 0, 0);           /* refused by the guard */
    Expect(Look(Ec(4, 6, 1)), 0, 0, 0, 0, 0);           /* refused by the guard */
    Expect(Look(Ec(4, 100, 1)), 1, 1.0, 1.0, 1.0, 1.0); /* earthquake kind counts as 6 */
    Expect(Look(Ec(4, 2, 7)), 1, 0.5, 0.5, 1.0, 0.0);   /* psi_2E of snow */
    Expect(Look(Ec(4, 2, 6)), 0, 0, 0, 0, 0);           /* psi_2E of roofs 0 / 0 */
    Expect(Look(Ec(1, 7, 1)), 0, 0, 0, 0, 0);           /* category 6 of the norm rows is 0 */
    Expect(Look(Ec(8, 1, 1)), 0, 0, 0, 0, 0);           /* zero rows */
    Expect(Look(Ec(16, 2, 2)), 1, 0.7, 0.6, 1.0, 0.0);
}

TEST_F(Beiwert, EurocodeServiceabilityByVariant)
{
    Einw_Beiwert_Key k = Ec(1, 2, 3, 0, 2);
    k.variant = 1;
    Expect(Look(k), 1, 1.0, 1.0, 1.0, 0.0);
    k.variant = 2;
    Expect(Look(k), 1, 0.9, 0.8, 1.0, 0.0);
    k.variant = 4;
    Expect(Look(k), 1, 0.8, 0.8, 1.0, 0.0);
    k.variant = 8;
    Expect(Look(k), 0, 0, 0, 0, 0);
    k.variant = 1;
    k.kind = 2;
    Expect(Look(k), 0, 0, 0, 0, 0);
}

/* Rare combination (variant 1): psi_X = 1 leading, psi_0 accompanying; frequent (variant 2):
** psi_1 / psi_2; every psi index against EN 1990, Table A1.1. A pair of zeros fails the lookup
** and answers zeros, which are then the expected values too. */
TEST_F(Beiwert, EurocodePsiRowsAreThoseOfEn1990TableA1_1)
{
    for (int32_t p = 1; p <= 11; p++) {
        const Standard_Psi &row = En1990_Table_A1_1[p - 1];
        SCOPED_TRACE(row.action);
        Einw_Beiwert_Key k = Ec(1, 2, p, 0, 2);
        k.variant = 1;
        Four f = Look(k);
        EXPECT_DOUBLE_EQ(f.v[0], 1.0);
        EXPECT_DOUBLE_EQ(f.v[1], row.psi0);
        k.variant = 2;
        f = Look(k);
        EXPECT_DOUBLE_EQ(f.v[0], row.psi1);
        EXPECT_DOUBLE_EQ(f.v[1], row.psi2);
        /* and the accidental combination (EN 1990, eq. (6.11b)): psi_1 / psi_2 */
        f = Look(Ec(2, 2, p));
        EXPECT_DOUBLE_EQ(f.v[0], row.psi1);
        EXPECT_DOUBLE_EQ(f.v[1], row.psi2);
    }
}

/* EN 1990, Table A1.2(B): gamma_G,sup 1.35, gamma_G,inf 1.00, gamma_Q 1.50 (0 favourable);
** Table A1.3: 1.0 for G and Q and the accidental or seismic action in the accidental and the
** seismic combination; Table A1.4: 1.0 in the serviceability combinations. Categories 1
** (permanent) and 2 (variable) of the four situations. */
TEST_F(Beiwert, EurocodeGammaRowsAreThoseOfEn1990TablesA1_2ToA1_4)
{
    const struct {
        const char *situation;
        Einw_Beiwert_Key key; /* category 1 */
        double G_sup, G_inf, Q_sup, Q_inf;
    } rows[] = {
        // clang-format off
        {"A1.2(B) persistent",   Ec(1, 1, 1),       1.35, 1.0, 1.5, 0.0},
        {"A1.3 accidental",      Ec(2, 1, 1),       1.0,  1.0, 1.0, 0.0},
        {"A1.3 seismic",         Ec(4, 1, 1),       1.0,  1.0, 1.0, 0.0},
        {"A1.4 serviceability",  Ec(1, 1, 1, 0, 2), 1.0,  1.0, 1.0, 0.0},
        // clang-format on
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.situation);
        Einw_Beiwert_Key k = row.key;
        if (k.limit_state == 2) k.variant = 1;
        Expect(Look(k), 1, 1.0, 1.0, row.G_sup, row.G_inf);
        k.category = 2;
        k.psi_index = 3; /* storage: no zero psi in any combination */
        Four f = Look(k);
        EXPECT_EQ(f.r, 1);
        EXPECT_DOUBLE_EQ(f.v[2], row.Q_sup);
        EXPECT_DOUBLE_EQ(f.v[3], row.Q_inf);
    }
    /* the accidental action A_d and the seismic action A_Ed: 1.0 */
    Expect(Look(Ec(2, 6, 1)), 1, 1.0, 1.0, 1.0, 1.0);
    Expect(Look(Ec(4, 100, 1)), 1, 1.0, 1.0, 1.0, 1.0);
}

TEST_F(Beiwert, EurocodeSpecialTypes)
{
    /* 43: serviceability gammas; psi_X, or psi_1 / psi_2 with flag bit 16. */
    Einw_Beiwert_Key k = Ec(1, 2, 2, 43);
    Expect(Look(k), 1, 1.0, 1.0, 1.0, 0.0);
    k.flags = 0x10000;
    Expect(Look(k), 1, 0.7, 0.6, 1.0, 0.0);
    /* 81, 82, 224: accidental rows with psi_1 / psi_2; 214 and 215 the ordinary rows. */
    for (int32_t t : {81, 82, 224}) Expect(Look(Ec(1, 2, 1, t)), 1, 0.5, 0.3, 1.0, 0.0);
    for (int32_t t : {214, 215}) Expect(Look(Ec(1, 2, 1, t)), 1, 1.0, 0.7, 1.5, 0.0);
}

TEST_F(Beiwert, En1991SwitchesLetTheLeadingActionTakePsiSub)
{
    NAD_EC1_Tables *t = Get_NAD_EC1_Tables();
    t->data_a = 2; /* every index but wind */
    Expect(Look(Ec(1, 2, 1, 224)), 1, 0.3, 0.3, 1.0, 0.0);
    Expect(Look(Ec(1, 2, 8, 224)), 1, 0.2, 0.0, 1.0, 0.0); /* wind: third integer */
    Expect(Look(Ec(1, 2, 1, 214)), 1, 1.0, 0.7, 1.5, 0.0); /* 214 is not among the types */
    t->data_a = 0;
    t->data_b = 2;
    Expect(Look(Ec(1, 2, 8, 81)), 0, 0, 0, 0, 0); /* psi_sub of wind is 0 */
    Expect(Look(Ec(1, 2, 9, 81)), 1, 0.5, 0.0, 1.0, 0.0);
    Expect(Look(Ec(1, 2, 1, 0)), 1, 1.0, 0.7, 1.5, 0.0); /* other types never */
}

TEST_F(Beiwert, Din1045Rows)
{
    Einw_Beiwert_Key k = {0, 1, 1, 4, 1, 1, 1, -1, 0, nullptr};
    Expect(Look(k), 1, 1.0, 1.0, 1.05, 0.95); /* variant 4: nor2 */
    k.variant = 1;
    Expect(Look(k), 1, 1.0, 1.0, 1.35, 1.0);
    k.type_id = 33;
    k.category = 4;
    Expect(Look(k), 1, 1.0, 1.0, 1.0, 1.0); /* mued: psi 1, gammas 1 / 1 */
    k.type_id = 71;
    k.category = 2;
    k.psi_index = 7;
    Expect(Look(k), 1, 0.2, 0.0, 1.0, 0.0); /* psi_1, psi_2 of snow */
    k.flags = 1;                            /* snow rows */
    Expect(Look(k), 1, 0.5, 0.2, 1.0, 0.0);
    k.type_id = 0;
    k.kind = 4;
    Expect(Look(k), 1, 0.2, 0.2, 1.0, 0.0);
    k.kind = 3;
    Expect(Look(k), 0, 0, 0, 0, 0);
    k = {0, 2, 1, 1, 1, 2, 1, -1, 0, nullptr};
    Expect(Look(k), 1, 1.0, 0.7, 1.0, 0.0);
    k.kind = 2;
    Expect(Look(k), 0, 0, 0, 0, 0);
    k = {0, 3, 1, 1, 1, 2, 1, -1, 0, nullptr};
    Expect(Look(k), 0, 0, 0, 0, 0);

    /* Every psi index of the rows against DIN 1055-100, Table A.2: the rare serviceability
    ** combination (variant 1) answers psi_X = 1 and psi_0, the frequent one (variant 2) psi_1
    ** and psi_2, the fundamental combination psi_0 beside a leading 1; the snow rows differ
    ** only in the snow of sites above NN + 1000 m. */
    for (int32_t snow = 0; snow <= 1; snow++) {
        for (int32_t p = 1; p <= 11; p++) {
            const Standard_Psi &row =
                snow && p == 7 ? Din1055_Snow_Above_1000 : Din1055_Table_A2[p - 1];
            SCOPED_TRACE(std::string(row.action) + (snow ? ", snow rows" : ""));
            Einw_Beiwert_Key s = {0, 2, 1, 1, 1, 2, p, -1, snow, nullptr};
            Four f = Look(s);
            EXPECT_DOUBLE_EQ(f.v[0], 1.0);
            EXPECT_DOUBLE_EQ(f.v[1], row.psi0);
            s.variant = 2;
            f = Look(s);
            EXPECT_DOUBLE_EQ(f.v[0], row.psi1);
            EXPECT_DOUBLE_EQ(f.v[1], row.psi2);
            Einw_Beiwert_Key u = {0, 1, 1, 1, 1, 2, p, -1, snow, nullptr};
            f = Look(u);
            EXPECT_DOUBLE_EQ(f.v[0], 1.0);
            EXPECT_DOUBLE_EQ(f.v[1], row.psi0);
        }
    }
}

TEST_F(Beiwert, Din18800AndOldCodeRows)
{
    Einw_Beiwert_Key k = {0, 1, 4, 0, 1, 2, 3, -1, 0, nullptr};
    Expect(Look(k), 1, 1.0, 0.9, 1.5, 0.0);
    k.kind = 2;
    Expect(Look(k), 1, 0.9, 0.9, 1.0, 0.0);
    k.limit_state = 2;
    Expect(Look(k), 0, 0, 0, 0, 0);
    k = {1, 2, 8, 0, 77, 4, 1, -1, 0, nullptr}; /* kind and limit state play no part */
    Expect(Look(k), 1, 1.0, 1.0, 0.5714, 0.0);
    k.type_id = 2;
    k.category = 2;
    Expect(Look(k), 1, 1.0, 1.0, 0.8, 0.0);
    k.type_id = 3;
    k.category = 1;
    Expect(Look(k), 1, 1.0, 1.0, 1.0, 1.0);
    k.family = 64;
    Expect(Look(k), 0, 0, 0, 0, 0);

    /* Every category of the three old-code rows: they name no standard, only the check types
    ** 1 and 2 whose global safety factor they scale (restraint of type 1 with 1/1.75 = 0.5714,
    ** kept with four decimals; the variable, liquid and accidental actions of type 2 with 0.8);
    ** any other type 1.0. Favourable: the permanent action alone, with 1.0. */
    const struct {
        int32_t type;
        double sup[6];
    } old_rows[] = {
        {1, {1.0, 1.0, 1.0, 0.5714, 1.0, 1.0}},
        {2, {1.0, 0.8, 0.8, 1.0, 1.0, 0.8}},
        {3, {1.0, 1.0, 1.0, 1.0, 1.0, 1.0}},
    };
    const double inf[6] = {1.0, 0.0, 0.0, 0.0, 0.0, 0.0};
    for (const auto &row : old_rows) {
        for (int32_t q = 1; q <= 6; q++) {
            SCOPED_TRACE(100 * row.type + q);
            Einw_Beiwert_Key o = {row.type, 1, 8, 0, 1, q, 1, -1, 0, nullptr};
            Expect(Look(o), 1, 1.0, 1.0, row.sup[q - 1], inf[q - 1]);
        }
    }
}

TEST_F(Beiwert, BridgeFamiliesNeedALoadGroup)
{
    Einw_Beiwert_Key k = {50, 1, 16, 0, 1, 2, 1, 100, 0, nullptr};
    Expect(Look(k), 0, 0, 0, 0, 0);
    k.load_group = 101;
    Expect(Look(k), 1, 1.0, 1.0, 1.0, 0.0); /* every other type: plain */
    k.family = 32;
    k.type_id = 301;
    k.load_group = 107;
    Expect(Look(k), 1, 1.0, 1.0, 0.4, 0.0);
    k.load_group = 109; /* (1, 1, 0, 0): gammas both 0 */
    Expect(Look(k), 0, 0, 0, 0, 0);
}

static int Hook_Psi_Zero(const Einw_Beiwert_Key *, double *a, double *b, double *c, double *d)
{
    *a = 0;
    *b = 0;
    *c = 1.35;
    *d = 1.0;
    return 1;
}

static int Hook_Gamma_Zero(const Einw_Beiwert_Key *, double *a, double *b, double *c, double *d)
{
    *a = 1;
    *b = 0.7;
    *c = 0;
    *d = 0;
    return 1;
}

TEST_F(Beiwert, EntryTurnsZeroPairsIntoFailure)
{
    double v[4];
    Einw_Beiwert_Hook = Hook_Psi_Zero;
    EXPECT_EQ(Get_Einwirkung_Beiwerte(nullptr, &v[0], &v[1], &v[2], &v[3]), 0);
    EXPECT_DOUBLE_EQ(v[2], 0.0);
    EXPECT_DOUBLE_EQ(v[3], 0.0);
    Einw_Beiwert_Hook = Hook_Gamma_Zero;
    EXPECT_EQ(Get_Einwirkung_Beiwerte(nullptr, &v[0], &v[1], &v[2], &v[3]), 0);
    EXPECT_DOUBLE_EQ(v[0], 0.0);
    EXPECT_DOUBLE_EQ(v[1], 0.0);
    Einw_Beiwert_Hook = nullptr;
    Einw_Beiwert_Key k = Ec(1, 2, 1);
    EXPECT_EQ(Get_Einwirkung_Beiwerte(&k, &v[0], &v[1], &v[2], &v[3]), 1);
    EXPECT_DOUBLE_EQ(v[1], 0.7);
}

TEST_F(Beiwert, CompleteKeyFromSettings)
{
    EXPECT_EQ(Complete_Beiwert_Key(nullptr, nullptr), 0);
    Einw_Beiwert_Key k = {0, 1, 1, 8 + 2, 1, 2, 1, -1, 0x10001, nullptr};
    EXPECT_EQ(Complete_Beiwert_Key(&k, nullptr), 1);
    EXPECT_EQ(k.variant, 8 + 1); /* code 1 -> 1 */
    EXPECT_EQ(k.flags, 0x10000); /* snow switch 0 */
    Nchw_Global_Settings.din1055_gamma_g = 3;
    Nchw_Global_Settings.altitude_switch = 1;
    EXPECT_EQ(Complete_Beiwert_Key(&k, nullptr), 1);
    EXPECT_EQ(k.variant, 8 + 4);
    EXPECT_EQ(k.flags, 0x10001);
    k.limit_state = 2;
    k.variant = 2;
    Complete_Beiwert_Key(&k, nullptr);
    EXPECT_EQ(k.variant, 2); /* only the ultimate limit state */
}

/* ------------------------------------------------------------------ copy of the annex */

TEST_F(Beiwert, CopyWithoutBlockSetsOnlyTheSnowIndex)
{
    Beiwert_Tables.Eurocode_psi_0[6] = 9;
    Beiwert_Tables.Eurocode_psi_1[6] = 9;
    Beiwert_Tables.Eurocode_psi_2[6] = 9;
    Beiwert_Tables.Eurocode_psi_2E[6] = 9;
    Apply_EC0_Block_To_Beiwert_Tables(nullptr);
    EXPECT_EQ(memcmp(&Beiwert_Tables, &Beiwert_Tables_Builtin, sizeof Beiwert_Tables), 0);

    Nchw_Global_Settings.altitude_switch = 1;
    Apply_EC0_Block_To_Beiwert_Tables(nullptr);
    Beiwert_Tables_Rec expect = Beiwert_Tables_Builtin;
    expect.Eurocode_psi_0[6] = 0.7;
    expect.Eurocode_psi_1[6] = 0.5;
    expect.Eurocode_psi_2[6] = 0.2;
    EXPECT_EQ(memcmp(&Beiwert_Tables, &expect, sizeof expect), 0);
}

/* A block whose every value differs from the built-in rows: v = 2 + situation/10 + type/100
** + k/1000 for the gammas, 3 + category/100 + column/10 for the psi values. */
static NAD_EC0_Params Odd_Block()
{
    NAD_EC0_Params e;
    memset(&e, 0, sizeof e);
    for (int s = 0; s < 4; s++)
        for (int a = 0; a < 7; a++)
            for (int k = 0; k < 2; k++)
                e.gamma_bld[s][a][k] = 2 + s / 10.0 + a / 100.0 + k / 1000.0;
    for (int c = 0; c < 12; c++)
        for (int r = 0; r < 4; r++) e.psi_bld[c][r] = 3 + c / 100.0 + r / 10.0;
    return e;
}

TEST_F(Beiwert, CopyOfABlockChangesExactlyTheEurocodeRows)
{
    NAD_EC0_Params e = Odd_Block();
    Apply_EC0_Block_To_Beiwert_Tables(&e);
    const Beiwert_Tables_Rec &B = Beiwert_Tables;

    /* Persistent situation: permanent sup 2.0, inf 2.001; restraint sup 2.03; category 6 zero. */
    EXPECT_DOUBLE_EQ(B.Eurocode_gamma_sup1_norm[0], 2.0);
    EXPECT_DOUBLE_EQ(B.Eurocode_gamma_inf1_norm[0], 2.001);
    EXPECT_DOUBLE_EQ(B.Eurocode_gamma_sup1_norm[3], 2.03);
    EXPECT_DOUBLE_EQ(B.Eurocode_gamma_inf1_norm[4], 2.041);
    EXPECT_DOUBLE_EQ(B.Eurocode_gamma_sup1_norm[5], 0.0);
    EXPECT_DOUBLE_EQ(B.Eurocode_gamma_inf1_norm[5], 0.0);
    /* Accidental: category 6 both rows = sup of "außergewöhnliche Einwirkungen" 2.15. */
    EXPECT_DOUBLE_EQ(B.Eurocode_gamma_sup1_spec[1], 2.11);
    EXPECT_DOUBLE_EQ(B.Eurocode_gamma_inf1_spec[1], 2.111);
    EXPECT_DOUBLE_EQ(B.Eurocode_gamma_sup1_spec[5], 2.15);
    EXPECT_DOUBLE_EQ(B.Eurocode_gamma_inf1_spec[5], 2.15);
    /* Seismic: category 6 = sup of "Erdbeben" 2.26. */
    EXPECT_DOUBLE_EQ(B.Eurocode_gamma_sup1_erdbeben[2], 2.22);
    EXPECT_DOUBLE_EQ(B.Eurocode_gamma_sup1_erdbeben[5], 2.26);
    EXPECT_DOUBLE_EQ(B.Eurocode_gamma_inf1_erdbeben[5], 2.26);
    /* Serviceability. */
    EXPECT_DOUBLE_EQ(B.Eurocode_gamma_inf_gebrauch[4], 2.341);
    EXPECT_DOUBLE_EQ(B.Eurocode_gamma_sup_gebrauch[5], 0.0);
    /* Psi: index 1 = category 1, index 7 = snow up to 1000 m (category 7), index 8 = wind
    ** (category 9), index 11 = other actions (category 12). */
    EXPECT_DOUBLE_EQ(B.Eurocode_psi_0[0], 3.0);
    EXPECT_DOUBLE_EQ(B.Eurocode_psi_1[5], 3.15);
    EXPECT_DOUBLE_EQ(B.Eurocode_psi_2[6], 3.26);
    EXPECT_DOUBLE_EQ(B.Eurocode_psi_0[7], 3.08);
    EXPECT_DOUBLE_EQ(B.Eurocode_psi_2E[10], 3.41);

    /* Everything else as built in. */
    Beiwert_Tables_Rec rest = Beiwert_Tables;
    const Beiwert_Tables_Rec &I = Beiwert_Tables_Builtin;
#define KEEP(row) memcpy(rest.row, I.row, sizeof rest.row)
    KEEP(Eurocode_gamma_sup1_norm);
    KEEP(Eurocode_gamma_inf1_norm);
    KEEP(Eurocode_gamma_sup1_spec);
    KEEP(Eurocode_gamma_inf1_spec);
    KEEP(Eurocode_gamma_sup1_erdbeben);
    KEEP(Eurocode_gamma_inf1_erdbeben);
    KEEP(Eurocode_gamma_sup_gebrauch);
    KEEP(Eurocode_gamma_inf_gebrauch);
    KEEP(Eurocode_psi_0);
    KEEP(Eurocode_psi_1);
    KEEP(Eurocode_psi_2);
    KEEP(Eurocode_psi_2E);
#undef KEEP
    EXPECT_EQ(memcmp(&rest, &I, sizeof rest), 0);

    /* Above 1000 m the snow index takes category 8. */
    Nchw_Global_Settings.altitude_switch = 1;
    Apply_EC0_Block_To_Beiwert_Tables(&e);
    EXPECT_DOUBLE_EQ(B.Eurocode_psi_2[6], 3.27);
    EXPECT_DOUBLE_EQ(B.Eurocode_psi_0[7], 3.08);
}

TEST_F(Beiwert, CopyOfTheActiveAnnexRedrawsTheCurrentRule)
{
    static int calls;
    calls = 0;
    Xtr_Rule_Rec rule;
    memset(&rule, 0, sizeof rule);
    Nchw_Current_Xtr_Rule = &rule;
    Xtr_Rule_Page_Hook = [](Xtr_Rule_Rec *) { calls++; };
    Apply_NAD_EC0_Factors_To_Lkom_Tables();
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(Edit_Current_Xtr_Rule(), &rule);
    Nchw_Current_Xtr_Rule = nullptr;
    Xtr_Rule_Page_Hook = nullptr;
    EXPECT_EQ(Edit_Current_Xtr_Rule(), nullptr);

    /* The rows now hold the active annex's persistent partial factors. */
    const NAD_EC0_Params *e = Get_NAD_EC0_Params();
    EXPECT_DOUBLE_EQ(Beiwert_Tables.Eurocode_gamma_sup1_norm[0], e->gamma_bld[0][0][0]);
    EXPECT_DOUBLE_EQ(Beiwert_Tables.Eurocode_psi_0[7], e->psi_bld[8][0]);
}
