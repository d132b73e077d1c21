/*
** Bridge coefficients on the built-in block: the block and its working state, the members of
** the fundamental, frequent, quasi-permanent, infrequent and prestress combinations, and the
** dispatch of Get_Nchwtyp_Beiwerte by design-check type id (inline rules or a member).
*/
#include "checks/bridge_coeff.h"
#include "checks/bridge_coeff_internal.h"
#include "checks/load_model.h"
#include "nad/nad.h"
#include "platform/zelkwin.h"

#include <algorithm>
#include <cstring>

/* ------------------------------------------------------------------ the built-in block */

const Bridge_Coeff_Block Bridge_Coeff_Builtin = {
    0,
    {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1.5, 1.3, 1.5, 1.5, 1.15, 1.0, 1.15, 1.15},
    {
        // clang-format off
        {{1.35, 1.0, 1.5, 1.0, 1.0, 1.0, 1.5, 0, 1.35, 0, 1.5, 0},
         {1.0, 1.0, 0, 0, 1.0, 0, 1.0, 0, 1.0, 0, 1.0, 0}},
        {{1.35, 1.0, 1.5, 1.0, 1.0, 1.0, 1.5, 0, 1.35, 0, 1.5, 0},
         {1.0, 1.0, 0, 0, 1.0, 0, 1.0, 0, 1.0, 0, 1.0, 0}},
        {{1.35, 1.0, 1.5, 1.0, 1.0, 1.5, 1.45, 0, 1.5, 0, 0, 0},
         {1.0, 1.0, 0, 0, 1.0, 0, 1.0, 0, 1.0, 0, 1.0, 0}},
        // clang-format on
    },
    {
        // clang-format off
        {{0.75, 0.4, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0.3, 0.8},
         {0.75, 0.4, 0.75, 0, 0, 0, 0, 0, 0, 0, 0, 0.5, 0.6},
         {0.2, 0.2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0.5},
         {0.8, 0.8, 0.8, 0, 0.8, 0, 0, 0, 0, 0, 0, 0.6, 0.8}},
        {{0.4, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
         {0.4, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0.5, 0.6},
         {0.2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0.5},
         {0.8, 0, 1.0, 0, 0.8, 0, 0, 0, 0, 0, 0, 0.6, 0.8}},
        {{0.8, 0.8, 0, 1.0, 1.0, 0.8, 0.8, 0.8, 0.8, 0.8, 0.8, 0.6, 0.8},
         {0.8, 0.8, 0.8, 0, 0.8, 0.5, 0.8, 0.5, 0.8, 0.7, 0.6, 0.5, 0.6},
         {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0.5},
         {1.0, 1.0, 1.0, 0, 1.0, 0.8, 1.0, 1.0, 1.0, 1.0, 1.0, 0.6, 0.8}},
        // clang-format on
    },
    // clang-format off
    {0.8, 0.8, 0.8},
    {0, 0, 0},
    {0, 0.8, 0.7, 0.6},
    // clang-format on
    1.05,
    1.1,
    0.95,
    0.9,
    4,
    0.4,
    0.6,
    1.0,
    2,
    1,
    10.0,
};

Bridge_Coeff_Block Bridge_Coeff = Bridge_Coeff_Builtin;
Bridge_Coeff_State Bridge_State;
int32_t Bridge_Application_Mode = -1;

void Set_Bridge_Coeff_Block(Bridge_Coeff_Block block) { Bridge_Coeff = block; }

/* Store the application mode; only the bridge applications 114 and 115 have one. */
void Set_Application_Flag(int32_t value)
{
    int app = CurOb_Application_Number();
    if (app == 114 || app == 115) Bridge_Application_Mode = value;
}

int Is_Lastgruppe_Alternativ(int32_t code)
{
    switch (code) {
    case 110:
    case 111:
    case 115:
    case 118:
    case 119:
    case 120:
    case 121: return 1;
    default: return 0;
    }
}

int Get_Lastgruppe_Variant(int32_t code) { return code == 119 ? 2 : code == 120 ? 1 : 0; }

/* ------------------------------------------------------------------ selection steps */

/*
** Fill the working state from the block: the rows of the current selection and the two
** prestress factor sets. With rail loads (selection 2) psi1 of positions 0 and 6 takes the
** value of the number of loaded tracks (EN 1991-2, 6.8.2). The block itself keeps its values,
** so an answer never depends on earlier calls.
*/
void Select_Bridge_Coeff_Rows(void)
{
    Bridge_Coeff_State &st = Bridge_State;
    const Bridge_Coeff_Block &b = Bridge_Coeff;
    int sel = b.selection;
    if (sel < 0 || sel > 2) sel = 0;
    st.selection = b.selection;
    st.tracks = Count_Lastfaelle_Of_Ordner_Kind(122);
    memcpy(st.U, b.gamma[sel][0], sizeof st.U);
    memcpy(st.S, b.gamma[sel][1], sizeof st.S);
    memcpy(st.psi, b.psi[sel], sizeof st.psi);
    st.pre[0][0] = b.r_sup_pre;
    st.pre[0][1] = b.r_sup_post;
    st.pre[0][2] = b.r_inf_pre;
    st.pre[0][3] = b.r_inf_post;
    for (double &r : st.pre[1]) r = 1.0;
    if (st.tracks >= 1 && b.selection == 2) {
        double v = b.psi1_tracks[std::min(st.tracks, 3)];
        st.psi[1][0] = v;
        st.psi[1][6] = v;
    }
}

/* The same, with the annex's EN 1990 and EN 1992 blocks and the EN 1992 prestress factors. */
void Select_Bridge_Coeff_Rows_Nad(void)
{
    Select_Bridge_Coeff_Rows();
    Bridge_Coeff_State &st = Bridge_State;
    st.ec0 = Get_NAD_EC0_Params();
    st.ec2 = Get_NAD_EC2_Params();
    if (st.ec2) {
        st.pre[0][0] = st.ec2->r_sup_pre;
        st.pre[0][1] = st.ec2->r_sup_post;
        st.pre[0][2] = st.ec2->r_inf_pre;
        st.pre[0][3] = st.ec2->r_inf_post;
    }
    for (double &r : st.pre[1]) r = 1.0;
}

/* ------------------------------------------------------------------ block members */

enum { PSI0 = 0, PSI1 = 1, PSI2 = 2, PSI1N = 3 };

/* The frame of the three combination members: gamma row, psi rows of leading and
** accompanying traffic, and the values of codes 119, 120 and of codes without a rule. */
static Bridge_Coeffs Block_Combination(int32_t code, const double *G, int pd, int ps,
                                       bool fundamental, Bridge_Coeffs c119, Bridge_Coeffs c120,
                                       Bridge_Coeffs other)
{
    const Bridge_Coeff_State &st = Bridge_State;
    const Bridge_Coeff_Block &b = Bridge_Coeff;
    const int sel = st.selection;
    /* Leading factor: 1 in the fundamental combination, else the psi row of position i. */
    auto dom = [&](int i) { return fundamental ? 1.0 : st.psi[pd][i]; };
    auto sub = [&](int i) { return st.psi[ps][i]; };
    switch (code) {
    case 101:
    case 102:
    case 103: return BC(1, 1, G[0], G[1]);
    case 104: return BC(1, 1, G[2], G[3]);
    case 105:
    case 106:
    case 126:
    case 127: return BC(1, 1, G[4], G[4]);
    case 107:
        if (st.settlement_count > 0) return BC_NONE;
        return BC(1, 1, b.settlement_factor * G[5], 0);
    case 108: return BC(1, 1, b.settlement_factor * G[5], 0);
    case 109:
    case 121:
    case 122: return BC_NONE;
    case 110:
    case 111: {
        int s = sel >= 0 && sel <= 2 ? sel : 0;
        double t_sub = fundamental ? b.psi_temp_fund[s] : sub(12);
        return BC(dom(12), t_sub, b.temperature_factor * G[8], b.temperature_factor * G[9]);
    }
    case 112: return BC(dom(11), sub(11), G[10], G[11]);
    case 113:
    case 115:
    case 116:
    case 117:
        if (sel == 0) return BC(dom(1), sub(1), G[6], G[7]);
        return BC_NONE;
    case 114:
        if (sel == 0) return BC(dom(1), sub(1), 0.5 * G[6], 0.5 * G[7]);
        if (sel == 1) return BC(dom(0), sub(0), G[6], G[7]);
        if (sel == 2) return BC(dom(5), sub(5), G[6], G[7]);
        return BC_NONE;
    case 118:
        if (sel == 0) return BC(dom(0), sub(0), G[6], G[7]);
        return BC_NONE;
    case 119: return c119;
    case 120: return c120;
    case 123:
    case 124:
    case 125:
        if (sel == 2) return BC(dom(code - 123), sub(code - 123), G[6], G[7]);
        return BC_NONE;
    default: return other;
    }
}

/* Fundamental combination (EN 1990 A2, eq. 6.10): gammas of row U, psi0 accompanying. */
Bridge_Coeffs Bridge_Coeff_Fundamental(int32_t code)
{
    Select_Bridge_Coeff_Rows();
    const double *U = Bridge_State.U;
    return Block_Combination(code, U, PSI0, PSI0, true, BC(0, 0, U[6], U[7]),
                             BC(0, 0, U[10], U[10]), BC(0, 0, 1.5, 1.0));
}

/* Frequent combination (EN 1990 eq. 6.15b): psi1 leading, psi2 accompanying, row S. */
Bridge_Coeffs Bridge_Coeff_Frequent(int32_t code)
{
    Select_Bridge_Coeff_Rows();
    const double *S = Bridge_State.S;
    return Block_Combination(code, S, PSI1, PSI2, false, BC(0, 0, S[10], S[10]),
                             BC(1, 1, S[10], S[10]), BC(0, 0, 1.5, 1.0));
}

/* Quasi-permanent combination (EN 1990 eq. 6.16b): psi2 throughout, row S. */
Bridge_Coeffs Bridge_Coeff_Quasi_Permanent(int32_t code)
{
    Select_Bridge_Coeff_Rows();
    const double *S = Bridge_State.S;
    return Block_Combination(code, S, PSI2, PSI2, false, BC(1, 1, S[10], S[10]),
                             BC(0, 0, S[10], S[10]), BC(1, 1, 1.5, 1.0));
}

/* The frame of the prestress members: gammas 1 / 0, prestress factors of set k; with the flag
** the self-weight G2, G3 and the lane, footway and rail codes drop out. */
static Bridge_Coeffs Block_Prestress(int32_t code, int set, int flag, int pd, int ps, bool c119_psi)
{
    Select_Bridge_Coeff_Rows();
    const Bridge_Coeff_State &st = Bridge_State;
    const int sel = st.selection;
    const double *r = st.pre[set ? 1 : 0];
    auto dom = [&](int i) { return st.psi[pd][i]; };
    auto sub = [&](int i) { return st.psi[ps][i]; };
    switch (code) {
    case 102:
    case 103: return flag ? BC_NONE : BC_FULL;
    case 104: return BC_FULL;
    case 105:
    case 126: return BC(1, 1, r[0], r[2]);
    case 106: return flag ? BC(1, 1, 1.1, 0.95) : BC(1, 1, r[1], r[3]);
    case 107: return BC(1, 1, 1, 0);
    case 108:
    case 109:
    case 120:
    case 121:
    case 122: return BC_NONE;
    case 110:
    case 111: return BC(dom(12), sub(12), 1, 0);
    case 112: return BC(dom(11), sub(11), 1, 0);
    case 119: return c119_psi ? BC_PSI : BC_NONE;
    default: break;
    }
    if ((code >= 113 && code <= 118) || (code >= 123 && code <= 125)) {
        if (flag) return BC_NONE;
        switch (code) {
        case 113:
        case 115:
        case 116:
        case 117: return sel == 0 ? BC(dom(1), sub(1), 1, 0) : BC_NONE;
        case 114:
            if (sel == 0) return BC(dom(1), sub(1), 0.5, 0);
            if (sel == 1) return BC(dom(0), sub(0), 1, 0);
            if (sel == 2) return BC(dom(5), sub(5), 1, 0);
            return BC_NONE;
        case 118: return sel == 0 ? BC(dom(0), sub(0), 1, 0) : BC_NONE;
        default: return sel == 2 ? BC(dom(code - 123), sub(code - 123), 1, 0) : BC_NONE;
        }
    }
    return BC_FULL; /* 101, 127 and codes outside 101..127 */
}

Bridge_Coeffs Bridge_Coeff_Quasi_Prestress(int32_t code, int set, int flag)
{
    return Block_Prestress(code, set, flag, PSI2, PSI2, false);
}

Bridge_Coeffs Bridge_Coeff_Frequent_Prestress(int32_t code, int set, int flag)
{
    return Block_Prestress(code, set, flag, PSI1, PSI2, true);
}

Bridge_Coeffs Bridge_Coeff_Infrequent_Prestress(int32_t code, int set, int flag)
{
    return Block_Prestress(code, set, flag, PSI1N, PSI1, true);
}

/* Infrequent combination (EN 1992-2 annex): psi1' leading, psi1 accompanying, positions fixed
** by the code whatever the selection. */
Bridge_Coeffs Bridge_Coeff_Infrequent(int32_t code)
{
    Select_Bridge_Coeff_Rows();
    const Bridge_Coeff_State &st = Bridge_State;
    auto pair = [&](int i, double gs, double gi) {
        return BC(st.psi[PSI1N][i], st.psi[PSI1][i], gs, gi);
    };
    switch (code) {
    case 101:
    case 104:
    case 127: return BC_FULL;
    case 105:
    case 106:
    case 126: {
        const double *r = st.pre[1];
        return code == 106 ? BC(1, 1, r[1], r[3]) : BC(1, 1, r[0], r[2]);
    }
    case 107: return BC_PLAIN;
    case 110:
    case 111: return pair(12, 0, 0);
    case 112: return pair(11, 1, 0);
    case 113:
    case 114:
    case 115:
    case 116:
    case 117: return pair(1, 0, 0);
    case 118: return pair(0, 0, 0);
    case 119: return BC_PSI;
    case 102:
    case 103:
    case 108:
    case 109:
    case 120:
    case 121:
    case 122:
    case 123:
    case 124:
    case 125: return BC_NONE;
    default: return BC_FULL;
    }
}

double Bridge_Dynamic_Factor(int32_t type_id, const int32_t *variant_rec)
{
    if (type_id == 63 || type_id == 93) return 1.0;
    int32_t choice = variant_rec ? variant_rec[3] : 0;
    return choice == 1 ? 1.4 : choice == 2 ? 1.75 : 1.0;
}

Bridge_Coeffs Bridge_Dynamic_Rule(int32_t code, double psi1_thermal, int32_t type_id,
                                  const int32_t *variant_rec)
{
    const double *r = Bridge_State.pre[0];
    switch (code) {
    case 101:
    case 102:
    case 103:
    case 104:
    case 107:
    case 127: return BC_FULL;
    case 105: return BC(1, 1, r[0], r[0]);
    case 106: return BC(1, 1, r[1], r[1]);
    case 126: return BC(1, 1, r[0], r[2]);
    case 110:
    case 111: return BC(psi1_thermal, psi1_thermal, 1, 1);
    case 121: return BC(1, 1, Bridge_Dynamic_Factor(type_id, variant_rec), 0);
    case 123: return BC_PLAIN;
    default: return BC_NONE;
    }
}

/* Dynamic check on the block: its temperature psi1. */
Bridge_Coeffs Bridge_Coeff_Dynamic(int32_t code, int32_t type_id, const int32_t *variant_rec)
{
    Select_Bridge_Coeff_Rows();
    const Bridge_Coeff_State &st = Bridge_State;
    if (st.selection == 1) return BC_NONE;
    return Bridge_Dynamic_Rule(code, st.psi[PSI1][12], type_id, variant_rec);
}

/* Traffic psi pair of the B members at the position of the code, or NONE when the code's
** traffic is not admitted by the selection. Returns false for NONE. */
static bool Traffic_Position(int32_t code, int sel, int *pos)
{
    switch (code) {
    case 112: *pos = 11; return true;
    case 113:
    case 115:
    case 116:
    case 117: *pos = 1; return sel == 0;
    case 114: *pos = sel == 0 ? 1 : sel == 1 ? 0 : 5; return sel >= 0 && sel <= 2;
    case 118: *pos = 0; return sel == 0;
    case 123:
    case 124:
    case 125: *pos = code - 123; return sel == 2;
    default: return false;
    }
}

/* Frequent combination of the EN 1992-2 crack checks: gammas 1 / 0, prestress set 0. */
Bridge_Coeffs Bridge_Coeff_Frequent_B(int32_t code)
{
    Select_Bridge_Coeff_Rows();
    const Bridge_Coeff_State &st = Bridge_State;
    const int sel = st.selection;
    if (sel == 1) return BC_NONE;
    if (code < 105 || code > 126) return BC_FULL;
    const double *r = st.pre[0];
    int pos;
    switch (code) {
    case 105: return BC(1, 1, r[0], r[0]);
    case 106: return BC(1, 1, r[1], r[1]);
    case 126: return BC(1, 1, r[0], r[2]);
    case 107: return BC_PLAIN;
    case 108:
    case 109:
    case 119:
    case 120:
    case 121:
    case 122: return BC_NONE;
    case 110:
    case 111: return BC(st.psi[PSI1][12], st.psi[PSI1][12], 1, 1);
    default: break;
    }
    if (!Traffic_Position(code, sel, &pos)) return BC_NONE;
    double gs = (code == 114 && sel == 0) ? 0.5 : 1.0;
    return BC(st.psi[PSI1][pos], st.psi[PSI2][pos], gs, 0);
}

/* Quasi-permanent combination of the EN 1992-2 checks: psi2 twice, prestress set 1. */
Bridge_Coeffs Bridge_Coeff_Quasi_B(int32_t code)
{
    Select_Bridge_Coeff_Rows();
    const Bridge_Coeff_State &st = Bridge_State;
    const int sel = st.selection;
    if (code < 101 || code > 126) return BC_FULL;
    const double *r1 = st.pre[1], *r0 = st.pre[0];
    int pos;
    switch (code) {
    case 101:
    case 108:
    case 109:
    case 119:
    case 120:
    case 121:
    case 122: return BC_NONE;
    case 102:
    case 103:
    case 104: return BC_FULL;
    case 105:
    case 126: return BC(1, 1, r1[0], r1[2]);
    case 106: return BC(1, 1, r0[1], r0[3]);
    case 107: return BC_PLAIN;
    case 110:
    case 111: return BC(st.psi[PSI2][12], st.psi[PSI2][12], 1, 0);
    default: break;
    }
    if (!Traffic_Position(code, sel, &pos)) return BC_NONE;
    return BC(st.psi[PSI2][pos], st.psi[PSI2][pos], 1, 0);
}

/* Characteristic combination of the EN 1992-2 checks: psi0 accompanying, prestress set 0. */
Bridge_Coeffs Bridge_Coeff_Char_B(int32_t code)
{
    Select_Bridge_Coeff_Rows();
    const Bridge_Coeff_State &st = Bridge_State;
    const Bridge_Coeff_Block &b = Bridge_Coeff;
    const int sel = st.selection;
    if (code < 105 || code > 126) return BC_FULL;
    const double *r = st.pre[0];
    int pos;
    switch (code) {
    case 105:
    case 126: return BC(1, 1, r[0], r[2]);
    case 106: return BC(1, 1, r[1], r[3]);
    case 107: return BC_PLAIN;
    case 109:
    case 119: return BC_PSI;
    case 108:
    case 120:
    case 121:
    case 122: return BC_NONE;
    case 110:
    case 111: {
        int s = sel >= 0 && sel <= 2 ? sel : 0;
        return BC(1, b.psi_default[s], 1, 0);
    }
    default: break;
    }
    if (!Traffic_Position(code, sel, &pos)) return BC_NONE;
    double gs = (code == 114 && sel == 0) ? 0.5 : 1.0;
    return BC(1, st.psi[PSI0][pos], gs, 0);
}

/* ------------------------------------------------------------------ inline rules */

/* Columns of the inline rules: 301/317, 311 and 1..3, 312, 316, 321, 322, 323, 324, 999. */
static int Inline_Column(int32_t type_id)
{
    switch (type_id) {
    case 301:
    case 317: return 0;
    case 311:
    case 1:
    case 2:
    case 3: return 1;
    case 312: return 2;
    case 316: return 3;
    case 321: return 4;
    case 322: return 5;
    case 323: return 6;
    case 324: return 7;
    case 999: return 8;
    default: return -1;
    }
}

static Bridge_Coeffs Inline_Rule(int col, int32_t code)
{
    const Bridge_Coeff_State &st = Bridge_State;
    const int sel = st.selection;
    const Bridge_Coeffs F = BC_FULL, L = BC_PLAIN, P = BC_PSI, N = BC_NONE;
    if (sel == 1 && (code == 113 || (code >= 115 && code <= 118))) return N;
    if (code < 101 || code > 127) return N;
    switch (code) {
    case 101:
    case 102:
    case 103: {
        const Bridge_Coeffs row[9] = {BC(1, 1, 1.75, 1), F, P, F, code == 101 ? F : P, F, F, F, F};
        return row[col];
    }
    case 104: {
        const Bridge_Coeffs row[9] = {BC(1, 1, 1.75, 1), F, P, F, P, P, P, F, F};
        return row[col];
    }
    case 105:
    case 106:
    case 126:
    case 127:
        if (col == 1 && code != 127) return BC(1, 1, 0.9, 0.9);
        return F;
    case 107: {
        Bridge_Coeffs c0 = st.settlement_count > 0 ? N : BC(1, 1, 0.4, 0);
        const Bridge_Coeffs row[9] = {c0, F, L, L, N, N, BC(1, 0, 1, 0), L, L};
        return row[col];
    }
    case 108: {
        const Bridge_Coeffs row[9] = {BC(1, 1, 0.4, 0), BC(1, 1, 0.4, 0), P, P, N, N,
                                      BC(1, 0, 0.4, 0), BC(1, 1, 0.4, 0), P};
        return row[col];
    }
    case 109: {
        const Bridge_Coeffs row[9] = {P, P, P, P, N, N, N, N, P};
        return row[col];
    }
    case 110:
    case 111: {
        const Bridge_Coeffs row[9] = {BC(1, 1, 0.6, 0), N, N, N, P, P, N, code == 110 ? P : L, L};
        return row[col];
    }
    case 112: {
        const Bridge_Coeffs row[9] = {BC(1, 1, 1.75, 0), L, P, P, P, P, P, L, L};
        return row[col];
    }
    case 113:
    case 114: {
        const Bridge_Coeffs row[9] = {BC(1, 1, 1.75, 0), L, P, L, P, P, BC(1, 1, 0.5, 0), L, L};
        return row[col];
    }
    case 115:
    case 116:
    case 117:
    case 118: {
        Bridge_Coeffs c4 = code >= 117 ? P : N;
        const Bridge_Coeffs row[9] = {BC(1, 1, 1.75, 0), L, N, L, c4, N, BC(1, 0, 0.5, 0), L, L};
        if (col == 2 || col == 4 || col == 5) return row[col];
        return sel == 0 ? row[col] : N;
    }
    case 119: {
        const Bridge_Coeffs row[9] = {L, P, N, N, P, BC(0, 1, 0, 0), N, N, N};
        return row[col];
    }
    case 120: {
        const Bridge_Coeffs row[9] = {BC(1, 1, 1.75, 0), L, N, P, P, P, L, L, P};
        return row[col];
    }
    case 121: return N;
    default: { /* 122..125 */
        const Bridge_Coeffs row[9] = {BC(1, 1, 1.75, 0), L, N, L, N, N, BC(1, 0, 0.5, 0), L, L};
        if (col == 2 || col == 4 || col == 5) return row[col];
        return sel == 2 ? row[col] : N;
    }
    }
}

/* ------------------------------------------------------------------ dispatch */

/*
** Answer the coefficients of a load case of bridge load group code for the check type. Works
** in local values and writes only when a rule answers, and only through given pointers, so a
** type without an answer (571, 572 with an unknown variant) leaves the caller's values.
*/
void Get_Nchwtyp_Beiwerte(int32_t type_id, int32_t code, const int32_t *variant_rec,
                          double *psi_dom, double *psi_sub, double *gamma_sup, double *gamma_inf)
{
    static const int32_t empty_rec[4] = {0, 0, 0, 0};
    const int32_t *vr = variant_rec ? variant_rec : empty_rec;
    const int32_t variant = vr[0];

    Select_Bridge_Coeff_Rows();
    Bridge_State.settlement_count = Count_Lastfaelle_Of_Ordner_Kind(108);
    const int sel = Bridge_State.selection;

    Bridge_Coeffs r = BC_PLAIN;
    bool written = true;
    int col = Inline_Column(type_id);
    if (col >= 0) {
        r = Inline_Rule(col, code);
    } else {
        switch (type_id) {
        case 331:
        case 336: r = Bridge_Coeff_Fundamental(code); break;
        case 332:
        case 337: r = Bridge_Coeff_Frequent(code); break;
        case 333:
        case 338: r = Bridge_Coeff_Quasi_Permanent(code); break;
        case 341:
        case 361:
        case 363:
        case 541:
        case 64: r = Bridge_Coeff_Infrequent_Prestress(code, 1, 0); break;
        case 342: r = Bridge_Coeff_Frequent_B(code); break;
        case 343:
        case 543:
        case 63: r = Bridge_Coeff_Dynamic(code, type_id, vr); break;
        case 350:
        case 351: r = Bridge_Coeff_Char_B(code); break;
        case 352: r = Bridge_Coeff_Infrequent_Prestress(code, 0, 0); break;
        case 353:
        case 62: r = Bridge_Coeff_Frequent_Prestress(code, 0, 0); break;
        case 355: r = Bridge_Coeff_Quasi_Prestress(code, 0, 0); break;
        case 360: r = Bridge_Coeff_Infrequent(code); break;
        case 362: r = Bridge_Coeff_Quasi_Prestress(code, 1, 0); break;
        case 364: r = Bridge_Coeff_Quasi_B(code); break;
        case 371: r = Bridge_Coeff_Infrequent_Prestress(code, 0, variant == 2); break;
        case 372: r = Bridge_Coeff_Frequent_Prestress(code, 0, variant == 2); break;
        case 373: r = Bridge_Coeff_Quasi_Prestress(code, 0, variant == 2); break;
        case 380: r = Bridge_Coeff_Frequent_Prestress(code, 1, 0); break;
        case 531:
        case 536: r = Bridge_Coeff_Nad_Fundamental(code); break;
        case 532:
        case 537: r = Bridge_Coeff_Nad_Frequent(code); break;
        case 533:
        case 538: r = Bridge_Coeff_Nad_Quasi_Permanent(code); break;
        case 542: r = Bridge_Coeff_Nad_Ec2(code); break;
        case 550:
        case 94: r = Bridge_Coeff_Nad_Char(code, 0); break;
        case 551:
        case 92: r = Bridge_Coeff_Nad_Prestress(code, 0); break;
        case 561: r = Bridge_Coeff_Nad_Char(code, 1); break;
        case 562: r = Bridge_Coeff_Nad_Variant(code, 1, 0); break;
        case 564: r = Bridge_Coeff_Nad_B(code); break;
        case 571:
            if (variant == 1) r = Bridge_Coeff_Nad_Variant(code, 0, 2);
            else if (variant == 2) r = Bridge_Coeff_Nad_Variant(code, 0, 1);
            else if (variant == 3) r = Bridge_Coeff_Nad_Char(code, 0);
            else if (variant == 4)
                r = sel == 2 ? Bridge_Coeff_Nad_Variant(code, 0, 2)
                             : Bridge_Coeff_Nad_Char(code, 0);
            else written = false;
            break;
        case 572:
            if (sel == 2) {
                if (variant == 1 || variant == 2) r = Bridge_Coeff_Nad_Prestress(code, 0);
                else if (variant == 3) r = Bridge_Coeff_Nad_Prestress(code, 1);
                else if (variant == 4) r = Bridge_Coeff_Nad_Char(code, 0);
                else if (variant == 5) r = Bridge_Coeff_Nad_Variant(code, 0, 2);
                else written = false;
            } else {
                if (variant == 1) r = Bridge_Coeff_Nad_Variant(code, 0, 0);
                else if (variant == 2 || variant == 5) r = Bridge_Coeff_Nad_Variant(code, 0, 3);
                else if (variant == 3) r = Bridge_Coeff_Nad_Variant(code, 0, 1);
                else if (variant == 4) r = Bridge_Coeff_Nad_Char(code, 0);
                else written = false;
            }
            break;
        case 61:
            if (Bridge_Application_Mode == 1) r = Bridge_Coeff_Frequent(code);
            else if (Bridge_Application_Mode == 2) r = Bridge_Coeff_Quasi_Permanent(code);
            else r = Bridge_Coeff_Fundamental(code);
            break;
        case 91:
            if (Bridge_Application_Mode == 1) r = Bridge_Coeff_Nad_Frequent(code);
            else if (Bridge_Application_Mode == 2) r = Bridge_Coeff_Nad_Quasi_Permanent(code);
            else r = Bridge_Coeff_Nad_Fundamental(code);
            break;
        case 93: r = Bridge_Coeff_Nad_Dynamic(code, type_id, vr); break;
        default: r = BC_PLAIN; break;
        }
    }
    if (!written) return;
    if (psi_dom) *psi_dom = r.v[0];
    if (psi_sub) *psi_sub = r.v[1];
    if (gamma_sup) *gamma_sup = r.v[2];
    if (gamma_inf) *gamma_inf = r.v[3];
}
