/*
** Bridge coefficients from the national annex: partial factors of bridges per design situation
** and the psi factors of road, foot and railway bridges (EN 1990 Annex A2, Tables A2.1 to
** A2.4), with the prestress factors r_sup and r_inf of EN 1992-1-1, 5.10.9.
*/
#include "checks/bridge_coeff.h"
#include "checks/bridge_coeff_internal.h"
#include "nad/nad.h"

/* Design situations of the bridge partial factors, as the members use them. */
enum { SIT_FUND = 0, SIT_FREQ = 1, SIT_QUASI = 2, SIT_CHAR = 3 };

/* Bridge action types (rows of gamma_brg, 1-based as in the annex tables). */
enum {
    BRG_PERMANENT = 1,
    BRG_PRESTRESS = 2,
    BRG_SETTLEMENT = 5,
    BRG_ROAD = 7,
    BRG_FOOT = 8,
    BRG_RAIL = 9,
    BRG_VARIABLE = 11,
    BRG_TEMPERATURE = 13,
    BRG_ACCIDENTAL = 14,
    BRG_QUAKE = 15
};

/* Rows of the bridge psi tables used here. */
enum {
    ROAD_TANDEM = 0,
    ROAD_UDL = 1,
    ROAD_FOOTWAY = 2,
    ROAD_WIND = 8,
    ROAD_THERMAL = 11,
    FOOT_GR1 = 0,
    FOOT_WIND = 3,
    FOOT_THERMAL = 4,
    RAIL_LM71 = 0,
    RAIL_WALKWAY = 6,
    RAIL_WIND = 26,
    RAIL_THERMAL = 28
};

static const double *Gam(const NAD_EC0_Params *e, int sit, int type)
{
    return e->gamma_brg[sit][type - 1];
}

/*
** The (psi0, psi1, psi2) row of a code: temperature, wind and footway by the selection, lanes
** and tandem of road bridges, the rail positions of railway bridges. Null when the code has
** none in that selection; with strict set, lanes and tandem need selection 0 and the rail
** codes selection 2.
*/
static const double *Psi_Row(const NAD_EC0_Params *e, int32_t code, int sel, bool strict)
{
    switch (code) {
    case 110:
    case 111:
        return sel == 0   ? e->psi_road[ROAD_THERMAL]
               : sel == 1 ? e->psi_foot[FOOT_THERMAL]
               : sel == 2 ? e->psi_rail[RAIL_THERMAL]
                          : nullptr;
    case 112:
        return sel == 0   ? e->psi_road[ROAD_WIND]
               : sel == 1 ? e->psi_foot[FOOT_WIND]
               : sel == 2 ? e->psi_rail[RAIL_WIND]
                          : nullptr;
    case 113:
    case 115:
    case 116:
    case 117: return (!strict || sel == 0) ? e->psi_road[ROAD_UDL] : nullptr;
    case 114:
        return sel == 0   ? e->psi_road[ROAD_FOOTWAY]
               : sel == 1 ? e->psi_foot[FOOT_GR1]
               : sel == 2 ? e->psi_rail[RAIL_WALKWAY]
                          : nullptr;
    case 118: return (!strict || sel == 0) ? e->psi_road[ROAD_TANDEM] : nullptr;
    case 123:
    case 124:
    case 125: return (!strict || sel == 2) ? e->psi_rail[RAIL_LM71 + code - 123] : nullptr;
    default: return nullptr;
    }
}

/* Partial factor row of a variable code: road, foot or rail traffic, wind, temperature. */
static const double *Traffic_Gamma(const NAD_EC0_Params *e, int sit, int32_t code, int sel)
{
    switch (code) {
    case 110:
    case 111: return Gam(e, sit, BRG_TEMPERATURE);
    case 112: return Gam(e, sit, BRG_VARIABLE);
    case 114: return sel == 2 ? Gam(e, sit, BRG_VARIABLE) : Gam(e, sit, BRG_FOOT);
    case 123:
    case 124:
    case 125: return Gam(e, sit, BRG_RAIL);
    default: return Gam(e, sit, BRG_ROAD);
    }
}

/* ------------------------------------------------------------------ combination members */

/*
** The frame of the fundamental, frequent, quasi-permanent and characteristic members: psi_dom
** from position pd of the code's row (-1: 1.0), psi_sub from position ps, gammas of design
** situation sit. factors: settlement and temperature with 0.4 and 0.6 (EN 1990 A2.3.1);
** set >= 0: prestress times the factors of that set.
*/
static Bridge_Coeffs Nad_Combination(int32_t code, int sit, int pd, int ps, bool factors, int set,
                                     Bridge_Coeffs c119, Bridge_Coeffs c120, Bridge_Coeffs other)
{
    const Bridge_Coeff_State &st = Bridge_State;
    const NAD_EC0_Params *e = st.ec0;
    if (!e) return BC_NONE;
    const int sel = st.selection;
    const double fs = factors ? Bridge_Coeff.settlement_factor : 1.0;
    const double ft = factors ? Bridge_Coeff.temperature_factor : 1.0;
    const double *g;
    switch (code) {
    case 101:
    case 102:
    case 103: g = Gam(e, sit, BRG_PERMANENT); return BC(1, 1, g[0], g[1]);
    case 104: g = Gam(e, sit, BRG_VARIABLE); return BC(1, 1, g[0], g[1]);
    case 105:
    case 106:
    case 126:
    case 127:
        g = Gam(e, sit, BRG_PRESTRESS);
        if (set < 0 || code == 127) return BC(1, 1, g[0], g[1]);
        {
            const double *r = st.pre[set];
            return code == 106 ? BC(1, 1, g[0] * r[1], g[1] * r[3])
                               : BC(1, 1, g[0] * r[0], g[1] * r[2]);
        }
    case 107:
        if (st.settlement_count > 0) return BC_NONE;
        g = Gam(e, sit, BRG_SETTLEMENT);
        return BC(1, 1, fs * g[0], fs * g[1]);
    case 108: g = Gam(e, sit, BRG_SETTLEMENT); return BC(1, 1, fs * g[0], fs * g[1]);
    case 109:
    case 121:
    case 122: return BC_NONE;
    case 119: return c119;
    case 120: return c120;
    default: break;
    }
    if (code < 110 || code > 125) return other;
    const double *p = Psi_Row(e, code, sel, true);
    if (!p) return BC_NONE;
    g = Traffic_Gamma(e, sit, code, sel);
    double k = (code == 110 || code == 111) ? ft : 1.0;
    return BC(pd < 0 ? 1.0 : p[pd], p[ps], k * g[0], k * g[1]);
}

Bridge_Coeffs Bridge_Coeff_Nad_Fundamental(int32_t code)
{
    Select_Bridge_Coeff_Rows_Nad();
    const NAD_EC0_Params *e = Bridge_State.ec0;
    if (!e) return BC_NONE;
    const double *q = Gam(e, SIT_FUND, BRG_QUAKE), *a = Gam(e, SIT_FUND, BRG_ACCIDENTAL);
    return Nad_Combination(code, SIT_FUND, -1, 0, true, -1, BC(0, 0, q[0], q[1]),
                           BC(0, 0, a[0], a[1]), BC(0, 0, 1.5, 1.0));
}

Bridge_Coeffs Bridge_Coeff_Nad_Frequent(int32_t code)
{
    Select_Bridge_Coeff_Rows_Nad();
    const NAD_EC0_Params *e = Bridge_State.ec0;
    if (!e) return BC_NONE;
    const double *q = Gam(e, SIT_FREQ, BRG_QUAKE), *a = Gam(e, SIT_FREQ, BRG_ACCIDENTAL);
    return Nad_Combination(code, SIT_FREQ, 1, 2, true, -1, BC(1, 1, q[0], q[1]),
                           BC(1, 1, a[0], a[1]), BC(0, 0, 1.5, 1.0));
}

Bridge_Coeffs Bridge_Coeff_Nad_Quasi_Permanent(int32_t code)
{
    Select_Bridge_Coeff_Rows_Nad();
    const NAD_EC0_Params *e = Bridge_State.ec0;
    if (!e) return BC_NONE;
    const double *q = Gam(e, SIT_QUASI, BRG_QUAKE), *a = Gam(e, SIT_QUASI, BRG_ACCIDENTAL);
    return Nad_Combination(code, SIT_QUASI, 2, 2, true, -1, BC(1, 1, q[0], q[1]),
                           BC(0, 0, a[0], a[1]), BC(1, 1, 1.5, 1.0));
}

/* Characteristic combination: gammas of the fourth situation, settlement and temperature in
** full, prestress times the factors of the set. */
Bridge_Coeffs Bridge_Coeff_Nad_Char(int32_t code, int set)
{
    Select_Bridge_Coeff_Rows_Nad();
    const NAD_EC0_Params *e = Bridge_State.ec0;
    if (!e) return BC_NONE;
    const double *q = Gam(e, SIT_CHAR, BRG_QUAKE), *a = Gam(e, SIT_CHAR, BRG_ACCIDENTAL);
    return Nad_Combination(code, SIT_CHAR, -1, 0, false, set ? 1 : 0, BC(0, 0, q[0], q[1]),
                           BC(0, 0, a[0], a[1]), BC(0, 0, 1.5, 1.0));
}

/* ------------------------------------------------------------------ characteristic-situation members */

/*
** Base values of the members on the fourth situation: permanent, earth pressure, prestress
** times set k, settlement, and the variable codes with psi at positions pd / ps of their rows
** (the rows of lanes 113 and of the rail codes without a selection condition for 113).
** Returns false when the code has no base value (the caller's fallback applies).
*/
static bool Nad_Base(int32_t code, int set, int pd, int ps, Bridge_Coeffs *out)
{
    const Bridge_Coeff_State &st = Bridge_State;
    const NAD_EC0_Params *e = st.ec0;
    const int sel = st.selection;
    const double *r = st.pre[set ? 1 : 0];
    const double *g;
    switch (code) {
    case 101:
    case 102:
    case 103:
        g = Gam(e, SIT_CHAR, BRG_PERMANENT);
        *out = BC(1, 1, g[0], g[1]);
        return true;
    case 104:
        g = Gam(e, SIT_CHAR, BRG_VARIABLE);
        *out = BC(1, 1, g[0], g[1]);
        return true;
    case 105:
    case 126:
        g = Gam(e, SIT_CHAR, BRG_PRESTRESS);
        *out = BC(1, 1, g[0] * r[0], g[1] * r[2]);
        return true;
    case 106:
        g = Gam(e, SIT_CHAR, BRG_PRESTRESS);
        *out = BC(1, 1, g[0] * r[1], g[1] * r[3]);
        return true;
    case 127:
        g = Gam(e, SIT_CHAR, BRG_PRESTRESS);
        *out = BC(1, 1, g[0], g[1]);
        return true;
    case 107:
        g = Gam(e, SIT_CHAR, BRG_SETTLEMENT);
        *out = BC(1, 1, g[0], g[1]);
        return true;
    case 108:
    case 109:
    case 119:
    case 120:
    case 121:
    case 122: *out = BC_NONE; return true;
    default: break;
    }
    if (code < 110 || code > 125) return false;
    const double *p = (code == 113) ? e->psi_road[ROAD_UDL] : Psi_Row(e, code, sel, true);
    if (!p) {
        *out = BC_NONE;
        return true;
    }
    if (code == 114 && sel != 2) g = Gam(e, SIT_CHAR, BRG_FOOT);
    else g = Traffic_Gamma(e, SIT_CHAR, code, sel);
    *out = BC(p[pd], p[ps], g[0], g[1]);
    return true;
}

/*
** Quasi-permanent psi2 twice, changed by the variant: 1 drops self-weight and traffic,
** 2 takes psi 0.3 for road traffic (0.2 for rail) and drops settlement and temperature
** outside rail bridges, 3 takes psi 0.5 for road traffic outside rail bridges.
*/
Bridge_Coeffs Bridge_Coeff_Nad_Variant(int32_t code, int set, int variant)
{
    Select_Bridge_Coeff_Rows_Nad();
    const Bridge_Coeff_State &st = Bridge_State;
    if (!st.ec0) return BC_NONE;
    const int sel = st.selection;
    Bridge_Coeffs b;
    if (!Nad_Base(code, set, 2, 2, &b)) return BC_FULL;
    const bool road = code >= 113 && code <= 118;
    const bool rail = code >= 123 && code <= 125;
    auto psi = [&](double v) { return BC(v, v, b.v[2], b.v[3]); };
    switch (variant) {
    case 1:
        if (code <= 103 || road || rail) return BC_NONE;
        return b;
    case 2:
        if ((code == 107 || code == 110 || code == 111) && sel != 2) return BC_NONE;
        if (road) return psi(0.3);
        if (rail) return psi(0.2);
        return b;
    case 3:
        if (road) {
            if (code == 114) return sel == 2 ? b : psi(0.5);
            return sel == 2 ? b : psi(0.5);
        }
        return b;
    default: return b;
    }
}

/* Quasi-permanent combination of the EN 1992-2 checks on the annex: psi2 twice, set 1. */
Bridge_Coeffs Bridge_Coeff_Nad_B(int32_t code)
{
    Select_Bridge_Coeff_Rows_Nad();
    const Bridge_Coeff_State &st = Bridge_State;
    const NAD_EC0_Params *e = st.ec0;
    if (!e) return BC_NONE;
    const double *g = Gam(e, SIT_CHAR, BRG_PRESTRESS);
    switch (code) {
    case 101: return BC_NONE;
    case 105: return BC(1, 1, g[0], g[0]);
    case 126: return BC(1, 1, g[0], g[1]);
    case 106: return BC_PSI;
    default: break;
    }
    Bridge_Coeffs b;
    if (!Nad_Base(code, 1, 2, 2, &b)) return BC_FULL;
    return b;
}

/*
** Frequent combination with prestress (EN 1992-2, 7.3.1): psi1 leading, psi2 accompanying,
** rail traffic leading with the factor of the number of loaded tracks; with the flag the
** self-weight and the traffic codes drop out and subsequent bond takes 1.05 / 0.95.
*/
Bridge_Coeffs Bridge_Coeff_Nad_Prestress(int32_t code, int flag)
{
    Select_Bridge_Coeff_Rows_Nad();
    const Bridge_Coeff_State &st = Bridge_State;
    const NAD_EC0_Params *e = st.ec0;
    if (!e) return BC_NONE;
    if (flag) {
        if (code >= 101 && code <= 103) return BC_NONE;
        if ((code >= 113 && code <= 118) || (code >= 122 && code <= 125)) return BC_NONE;
        if (code == 106) return BC(1, 1, 1.05, 0.95);
    }
    Bridge_Coeffs b;
    if (!Nad_Base(code, 0, 1, 2, &b)) return BC_FULL;
    if (code >= 123 && code <= 125 && (b.v[0] != 0 || b.v[1] != 0 || b.v[2] != 0 || b.v[3] != 0)) {
        int t = st.tracks == 1 ? 0 : st.tracks == 2 ? 1 : 2;
        b.v[0] = e->track_factors[t];
    }
    return b;
}

/* Frequent combination of the EN 1992-2 crack checks on the annex: psi1 / psi2, gammas 1 / 0
** but for the traffic rules of the annex (reduced gamma of the lanes unless the EN 1992 block
** says otherwise), prestress of set 0. */
Bridge_Coeffs Bridge_Coeff_Nad_Ec2(int32_t code)
{
    Select_Bridge_Coeff_Rows_Nad();
    const Bridge_Coeff_State &st = Bridge_State;
    const NAD_EC0_Params *e = st.ec0;
    if (!e) return BC_NONE;
    const int sel = st.selection;
    if (code < 105 || code > 126) return BC_FULL;
    const double *r = st.pre[0];
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
    default: break;
    }
    const double *p = Psi_Row(e, code, sel, true);
    if (!p) return BC_NONE;
    if (code == 110 || code == 111) return BC(p[1], p[1], 1, 1);
    const bool full = st.ec2 && st.ec2->variant != 0;
    double gs = 1.0;
    if (code == 114 && sel == 0) gs = 0.5;
    else if (code == 113) gs = full ? 1.0 : 0.15;
    else if (code >= 115 && code <= 117) gs = full ? 1.0 : 0.7;
    else if (code == 114) gs = full ? 1.0 : 0.3;
    return BC(p[1], p[2], gs, 0);
}

/* Dynamic check on the annex, as on the block with the annex's temperature psi1. */
Bridge_Coeffs Bridge_Coeff_Nad_Dynamic(int32_t code, int32_t type_id, const int32_t *variant_rec)
{
    Select_Bridge_Coeff_Rows_Nad();
    const Bridge_Coeff_State &st = Bridge_State;
    const NAD_EC0_Params *e = st.ec0;
    if (!e || st.selection == 1) return BC_NONE;
    const double psi1 =
        st.selection == 2 ? e->psi_rail[RAIL_THERMAL][1] : e->psi_road[ROAD_THERMAL][1];
    return Bridge_Dynamic_Rule(code, psi1, type_id, variant_rec);
}
