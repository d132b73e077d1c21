/*
** Limit check of one fastener arrangement of the rule functions: minimum member thicknesses,
** admissible materials, pre-drilling and species, service class, penetration and axis angle by
** DIN 1052, EN 1995-1-1 and the approvals ETA-12/0114, ETA-11/0190 and ETA-19/0553. At most one
** message (the arrangement is not admissible) and one hint. Thicknesses in mm, angles in degrees.
*/
#include "design/design_rules.h"

#include <cmath>

#include "catalogue/catalogue.h"
#include "design/design_plates.h"
#include "nad/nad.h"

namespace {

bool Timber(int mat) { return mat >= MAT_NADELHOLZ && mat <= MAT_BSH_DIN; }

/* Write the densities of both members into the rule input. */
void Member_Densities(Vbm_Rule_Input *in)
{
    for (int m = 1; m <= 2; m++) {
        const int mat = m == 1 ? in->mat1 : in->mat2;
        const int grade = m == 1 ? in->grade1 : in->grade2;
        const double t = m == 1 ? in->t1_a : in->t2_a;
        const Vbm_Layered_Member *layers = m == 1 ? in->layers1 : in->layers2;
        const User_Material *um = m == 1 ? in->user_material_1 : in->user_material_2;
        double *rho = m == 1 ? &in->rho_k1 : &in->rho_k2;
        if (Is_Mat_Metal_Plate(mat)) continue;
        if (layers != nullptr && mat == MAT_C24_DENSITY) {
            *rho = Calc_Rho_K_Layered(layers, 0.0, -1.0);
        } else {
            double r = 0.0;
            Get_Rho_K(mat, grade, t, &r, um);
            *rho = r;
        }
    }
}

bool Near(double d, double n) { return d >= n - 0.01 && d <= n + 0.01; }

/* ---------------------------------------------------------------- the steps of one check */

/* What the steps of one limit check share: the input, values read from it once, and where the
** message and the hint go. mm, degrees. */
struct Limit_Check {
    Vbm_Rule_Input *in;
    int shear_planes;
    int *message;
    int *hint;      /* the caller's hint, or a local one when none is asked */
    bool with_hint; /* the caller asks for the hint */
    int type;
    bool din;    /* DIN 1052, no national annex */
    int variant; /* of the national annex; 0 under DIN 1052 */
    double d, t1, t2, len, axis;
    int m1, m2;
    bool plate1, plate2, panel1, panel2, board1, board2;
    bool pre; /* pre-drilled */
};

Limit_Check Limit_Start(int shear_planes, Vbm_Rule_Input *in, int *message, int *hint,
                        bool with_hint)
{
    Limit_Check c;
    c.in = in;
    c.shear_planes = shear_planes;
    c.message = message;
    c.hint = hint;
    c.with_hint = with_hint;
    c.type = in->vbm_type;
    c.din = Nad_Params == nullptr;
    c.variant = c.din ? 0 : Nad_Params->variant;
    c.d = in->d;
    c.t1 = in->t1_a;
    c.t2 = in->t2_a;
    c.len = in->length;
    c.axis = in->screw_angle;
    c.m1 = in->mat1;
    c.m2 = in->mat2;
    c.plate1 = Is_Mat_Metal_Plate(c.m1);
    c.plate2 = Is_Mat_Metal_Plate(c.m2);
    c.panel1 = Is_Mat_Panel(c.m1);
    c.panel2 = Is_Mat_Panel(c.m2);
    c.board1 = Is_Mat_Board(c.m1);
    c.board2 = Is_Mat_Board(c.m2);
    c.pre = in->predrilled != 0;
    return c;
}

/* The limits of every type that end the check at once: true when one is violated. */
bool Limits_First(const Limit_Check &c)
{
    const int type = c.type;
    if (c.in->fu < 10.0
        && (Is_Vbm_Din571_Screw(type) || type == VBM_KLAMMER || Is_Vbm_Special_Nail(type))) {
        *c.message = DERR_FUK_ZERO;
        return true;
    }
    if (c.din && Timber(c.m1) && c.t1 < 24.0) {
        *c.message = DERR_SIDE_MIN_24MM;
        return true;
    }
    if (c.plate1 && c.plate2) {
        *c.message = DERR_STEEL_STEEL;
        return true;
    }
    return false;
}

/* Screws of approval ETA-12/0114: true when a limit is violated. */
bool Limits_Screw_Eta12(const Limit_Check &c)
{
    const Vbm_Rule_Input *in = c.in;
    int *message = c.message, *hint = c.hint;
    const double d = c.d, t1 = c.t1, t2 = c.t2, len = c.len;
    const int m1 = c.m1, m2 = c.m2;
    const bool plate1 = c.plate1, plate2 = c.plate2, panel1 = c.panel1, panel2 = c.panel2;
    const bool pre = c.pre;
    if (c.with_hint) {
        if ((m1 == MAT_SPERRHOLZ && t1 < 6.0) || (m2 == MAT_SPERRHOLZ && t2 < 6.0))
            *hint = DERR_SPAX_PLYWOOD_6MM;
        else if ((panel1 && t1 < 8.0) || (panel2 && t2 < 8.0)) *hint = DERR_SPAX_PANEL_8MM;
        if (!plate1 && t1 < 1.2 * d) *hint = DERR_ASSY_HEAD_MEMBER_1_2D;
        if (t2 < 1.2 * d) *hint = DERR_ASSY_POINT_MEMBER_1_2D;
    }
    if (c.axis < 15.0 && (Timber(m1) || Timber(m2))) *hint = DNOTE_SPAX_ANGLE_15;
    else if (c.axis < 30.0) *message = DNOTE_SPAX_ANGLE_30;
    if (len - t1 < 4.0 * d && !panel2) *message = DERR_PENETRATION_BELOW_4D;
    if (c.board2) *message = DERR_SPAX_PANEL_HEAD_SIDE_ONLY;
    if (c.board1 && t1 < 1.2 * d) *message = DERR_SPAX_MIN_THICKNESS;
    if (((m1 == MAT_SPERRHOLZ || m1 == MAT_FASERPLATTE || m1 == MAT_FERMACELL) && t1 < 6.0)
        || ((m1 == MAT_OSB || m1 == MAT_SPANPLATTE) && t1 < 8.0))
        *message = DERR_SPAX_MIN_THICKNESS;
    if (!plate1 && !panel1 && t1 < 12.0) *message = DERR_SPAX_MIN_THICKNESS;
    if (m1 == MAT_GIPSKARTON || m2 == MAT_GIPSKARTON) *message = DERR_SPAX_GYPSUM;
    if (m1 == MAT_FERMACELL || m2 == MAT_FERMACELL) *message = DERR_SPAX_FERMACELL;
    /* the washer head on a steel plate, as the cylinder head of ETA-11/0190 */
    if (c.type == VBM_SPAX_TELLERKOPF_TG && plate1) *message = DERR_FLAT_HEAD_ON_STEEL;
    if (panel1 && d > 11.9 && in->washer_d < in->d_k) *message = DERR_SPAX_PANEL_WASHER_12MM;
    if ((panel1 && t1 < 1.2 * d) || (panel2 && t2 < 1.2 * d)) *message = DERR_SPAX_PANEL_1_2D;
    if (c.type == VBM_SPAX_SENKKOPF_VG && !pre) {
        if (!plate1 && !panel1 && t1 < 30.0) *message = DERR_SPAX_SIDE_30MM_UNDRILLED;
        if (!plate2 && !panel1 && t2 < 30.0) *message = DERR_SPAX_MIDDLE_30MM_UNDRILLED;
        if (!plate1 && d >= 12.0 && t1 < 80.0) *message = DERR_SPAX_SIDE_80MM_UNDRILLED;
        else if (!panel1 && !plate1 && d >= 10.0 && t1 < 40.0)
            *message = DERR_SPAX_SIDE_40MM_UNDRILLED;
        if (!plate2 && d >= 12.0 && t2 < 80.0) *message = DERR_SPAX_MIDDLE_80MM_UNDRILLED;
        else if (!panel1 && !plate2 && d >= 10.0 && t2 < 40.0)
            *message = DERR_SPAX_MIDDLE_40MM_UNDRILLED;
    }
    if (!pre) {
        if (m1 == MAT_LAUBHOLZ || m2 == MAT_LAUBHOLZ) *message = DERR_SPAX_HARDWOOD_UNDRILLED;
        if (d >= 8.0 && (Timber(m1) || Timber(m2)) && in->species_sfp == 0)
            *message = DERR_SPAX_SPECIES_8MM;
    }
    if (d < 3.0) {
        *message = len < 10.0 ? DERR_LENGTH_TOO_SMALL : DERR_DIAMETER_NOT_POSITIVE;
        return true;
    }
    if (len < 10.0) {
        *message = DERR_LENGTH_TOO_SMALL;
        return true;
    }
    return *message != 0;
}

/* Screws of approval ETA-11/0190: true when a limit is violated. */
bool Limits_Screw_Eta11(const Limit_Check &c)
{
    const Vbm_Rule_Input *in = c.in;
    int *message = c.message, *hint = c.hint;
    const double d = c.d, t1 = c.t1, t2 = c.t2;
    const int m1 = c.m1, m2 = c.m2;
    const bool plate1 = c.plate1, plate2 = c.plate2, panel1 = c.panel1, panel2 = c.panel2;
    if (m1 == MAT_GIPSKARTON || m2 == MAT_GIPSKARTON) *message = DERR_ASSY_GYPSUM;
    if (m1 == MAT_FERMACELL || m2 == MAT_FERMACELL) *message = DERR_ASSY_FERMACELL;
    if (c.type == VBM_ASSY_ZYLINDERKOPF_VG && plate1) *message = DERR_FLAT_HEAD_ON_STEEL;
    if (panel1 && t1 < 1.2 * d) *message = DERR_ASSY_PANEL_1_2D;
    if (((m1 == MAT_OSB && (in->grade1 == 1 || in->grade1 == 2))
         || (m2 == MAT_OSB && (in->grade2 == 1 || in->grade2 == 2)))
        && t1 < 12.0)
        *message = DERR_ASSY_OSB_12MM;
    if (!plate1 && !c.board1) {
        if (d >= 12.0 && t1 < 80.0) *message = DERR_ASSY_SIDE_80MM;
        else if (d >= 10.0 && t1 < 40.0) *message = DERR_ASSY_SIDE_40MM;
        else if (d > 7.99 && t1 < 30.0) *message = DERR_ASSY_SIDE_30MM;
        else if (t1 < 24.0) *message = DERR_ASSY_SIDE_24MM;
    }
    if (!plate2 && !c.board2) {
        if (d >= 12.0 && t2 < 80.0) *message = DERR_ASSY_MIDDLE_80MM;
        else if (d >= 10.0 && t2 < 40.0) *message = DERR_ASSY_MIDDLE_40MM;
        else if (d > 7.9 && t2 < 30.0) *message = DERR_ASSY_MIDDLE_30MM;
        else if (t2 < 24.0) *message = DERR_ASSY_MIDDLE_24MM;
    }
    if (d >= 8.0 && !c.pre && (Timber(m1) || Timber(m2)) && in->species_sfp == 0)
        *message = DERR_ASSY_SPECIES_8MM_UNDRILLED;
    if (!c.din && c.board2) *message = DERR_ASSY_PANEL_HEAD_SIDE_ONLY;
    if (!in->stainless) {
        if (in->service_class == 3 && d > 4.0) *message = DERR_ASSY_SERVICE_CLASS_1_2;
        if (d < 4.001 && in->service_class != 1) *message = DERR_ASSY_SERVICE_CLASS_1;
    }
    if (d < 3.0) *message = DERR_DIAMETER_NOT_POSITIVE;
    if (c.len < 20.0) *message = DERR_LENGTH_TOO_SMALL;
    if (c.with_hint) {
        if ((m1 == MAT_SPERRHOLZ && t1 < 6.0) || (m2 == MAT_SPERRHOLZ && t2 < 6.0))
            *hint = DERR_ASSY_PLYWOOD_6MM;
        else if ((panel1 && t1 < 8.0) || (panel2 && t2 < 8.0)) *hint = DERR_ASSY_PANEL_8MM;
        if (!plate1 && t1 < 1.2 * d) *hint = DERR_ASSY_HEAD_MEMBER_1_2D;
        if (t2 < 1.2 * d) *hint = DERR_ASSY_POINT_MEMBER_1_2D;
        if (c.axis < 30.0) *hint = DNOTE_ASSY_ANGLE_30;
    }
    return *message != 0;
}

/*
** Hints of the thin members of the screws of approval ETA-19/0553. Return true when the members
** exempt the screw from the penetration rules, which holds whether the caller asks for the hint
** or not (without a pointer the hint goes to a local one).
*/
bool Family_C_Thin_Members(const Limit_Check &c)
{
    int *hint = c.hint;
    bool skip_penetration = false;
    const auto panel_hint = [&](int mat, double t) {
        if ((mat == MAT_SPERRHOLZ || mat == MAT_FASERPLATTE) && t < 6.0) *hint = DERR_ETA19_MIN_6MM;
        else if ((mat == MAT_OSB || mat == MAT_SPANPLATTE) && t < 8.0) {
            *hint = DERR_ETA19_MIN_8MM;
            skip_penetration = true;
        }
    };
    panel_hint(c.m1, c.t1);
    if (c.shear_planes == 1) panel_hint(c.m2, c.t2);
    const int mat = c.shear_planes == 1 ? c.m2 : c.m1;
    const double t = c.shear_planes == 1 ? c.t2 : c.t1;
    if (!Is_Mat_Metal_Plate(mat) && t < 12.0) {
        *hint = DERR_ETA19_MIN_12MM;
        skip_penetration = true;
    }
    return skip_penetration;
}

/* Penetration of an undrilled carbon-steel screw of approval ETA-19/0553 into hardwood, by the
** approval's tables 4 and 5. */
void Family_C_Hardwood_Penetration(const Limit_Check &c)
{
    int *message = c.message;
    const double d = c.d, t1 = c.t1, t2 = c.t2, len = c.len;
    const int m1 = c.m1, m2 = c.m2;
    const auto hard = [](int mat) {
        return mat == MAT_BAUBUCHE_GL75 || mat == MAT_BAUBUCHE_PLATTE || mat == MAT_LAUBHOLZ;
    };
    if (hard(m2) && !hard(m1)) {
        const bool ok = (Near(d, 6.0) && len <= 150.01) || (Near(d, 8.0) && len <= 160.01)
                        || (Near(d, 10.0) && len <= 200.01);
        if (!ok || t2 > 40.01) *message = DERR_ETA19_PENETRATION_TAB5;
    } else if (hard(m1) && hard(m2)) {
        const float ft1 = static_cast<float>(t1);
        if ((Near(d, 5.0) && ft1 > 50.0f) || (Near(d, 6.0) && ft1 > 60.0f)
            || (Near(d, 8.0) && ft1 > 80.0f) || (Near(d, 10.0) && ft1 > 70.0f))
            *message = DERR_ETA19_PENETRATION_TAB4;
    } else if (hard(m1) && !hard(m2) && d > 5.99) {
        bool ok = false;
        if (Near(d, 6.0)) ok = len <= 150.01 && t1 <= 40.01;
        else if (Near(d, 8.0)) ok = len <= 160.01 && t1 <= 60.01;
        else if (Near(d, 10.0)) ok = len <= 200.01 && t1 <= 70.0;
        if (!ok) *message = DERR_ETA19_PENETRATION_TAB5;
    }
}

/* Screws of approval ETA-19/0553: true when a limit is violated. */
bool Limits_Screw_Family_C(const Limit_Check &c)
{
    const Vbm_Rule_Input *in = c.in;
    int *message = c.message;
    const double d = c.d, t1 = c.t1, t2 = c.t2;
    const int m1 = c.m1, m2 = c.m2;
    const bool pre = c.pre;
    const int shear_planes = c.shear_planes;
    const bool skip_penetration = Family_C_Thin_Members(c);
    if (!skip_penetration && !in->stainless && !pre) Family_C_Hardwood_Penetration(c);
    if ((Timber(m1) && m1 != MAT_LAUBHOLZ) && in->species_sfp == 0 && !pre && d > 8.01)
        *message = DERR_ETA19_SPECIES_8MM;
    if (!pre && (m1 == MAT_STEICO_LVL || (m2 == MAT_STEICO_LVL && shear_planes == 1))) {
        const double t = m1 == MAT_STEICO_LVL ? t1 : t2;
        if ((t > 400.0 && Near(d, 10.0)) || (t > 600.0 && Near(d, 8.0)))
            *message = DERR_ETA19_PENETRATION_LVL;
    }
    if (shear_planes == 1 && t2 < 4.0 * d && !c.panel2) *message = DERR_PENETRATION_BELOW_4D;
    if (d < 6.01) {
        if (Timber(m1) && in->t1 < 24.0) *message = DERR_SIDE_MIN_24MM;
        else if (Timber(m2) && in->t2 < 24.0) *message = DERR_MIDDLE_MIN_24MM;
    }
    if (d < 8.01) {
        if (Timber(m1) && in->t1 < 30.0) *message = DERR_SIDE_MIN_30MM_ETA19;
        else if (Timber(m2) && in->t2 < 30.0) *message = DERR_MIDDLE_MIN_30MM_ETA19;
    }
    if (d < 10.01) {
        if (Timber(m1) && in->t1 < 40.0) {
            *message = DERR_SIDE_MIN_40MM_ETA19;
            return true;
        }
        if (Timber(m2) && in->t2 < 40.0) {
            *message = DERR_MIDDLE_MIN_40MM_ETA19;
            return true;
        }
    }
    return *message != 0;
}

/* Nails and staples: the annex that profiled nails need, their hints, and the member thickness
** against splitting of undrilled timber. True when a limit is violated. */
bool Limits_Nails(const Limit_Check &c)
{
    const Vbm_Rule_Input *in = c.in;
    int *message = c.message, *hint = c.hint;
    const int type = c.type;
    const bool din = c.din, pre = c.pre;
    const double d = c.d;
    if (Is_Vbm_Special_Nail(type) && !din && c.variant == 0) {
        *message = DERR_SPECIAL_NAIL_NEEDS_ANNEX;
        return true;
    }
    if (c.with_hint) {
        if (Is_Vbm_Special_Nail(type) && c.len - c.t1 < 6.0 * d)
            *hint = DERR_PROFILED_NAIL_PENETRATION;
        if (type == VBM_NAGEL && pre && !din && c.variant != 0) *hint = DERR_SMOOTH_NAIL_PREDRILLED;
    }
    if ((Is_Vbm_Nail(type) || type == VBM_KLAMMER) && !pre) {
        const auto t_min = [&](double rho) {
            return in->split_rule == 0 ? Calc_T_Min_Splitting(d, rho)
                                       : Calc_T_Min_Splitting_Alt(d, rho);
        };
        if (Timber(c.m2) && in->t2 < t_min(in->rho_k2)) {
            *message = in->split_rule == 0 ? DERR_SPLIT_SIDE2_818 : DERR_SPLIT_SIDE2_819;
            return true;
        }
        if (Timber(c.m1) && in->t1 < t_min(in->rho_k1)) {
            *message = in->split_rule == 0 ? DERR_SPLIT_SIDE_818 : DERR_SPLIT_SIDE_819;
            return true;
        }
    }
    return *message != 0;
}

/* The last limits of every type: penetration hints of wood screws and staples, 24 mm under
** DIN 1052, and the dimensions that must be given. Return 1 when a limit is violated, else 0. */
int Limits_Last(const Limit_Check &c)
{
    int *message = c.message, *hint = c.hint;
    const int type = c.type;
    const bool din = c.din, with_hint = c.with_hint;
    const double d = c.d, t1 = c.t1, t2 = c.t2, len = c.len;
    const int m1 = c.m1, m2 = c.m2;
    if (with_hint && Is_Vbm_Din571_Screw(type) && t2 < 6.0 * d) *hint = DERR_SCREW_PENETRATION_6D;
    if (type == VBM_KLAMMER && !din && c.variant != 0) {
        if (with_hint) {
            if (len - t1 < 12.0 * d) *hint = DERR_STAPLE_PENETRATION;
            if (((m1 == MAT_SPERRHOLZ || m1 == MAT_FASERPLATTE || m1 == MAT_KERTO_S
                  || m1 == MAT_KERTO_Q || m1 == MAT_POLLM_LVL_S)
                 && t1 < 6.0)
                || (m1 == MAT_OSB && t1 < 8.0))
                *hint = DERR_OBSERVE_NA16;
        }
    } else if (din) {
        if (Timber(m1) && t1 < 24.0) *message = DERR_SIDE_MIN_24MM;
        else if (Timber(m2) && t2 < 24.0) *message = DERR_MIDDLE_MIN_24MM;
    }
    if (Is_Vbm_Din571_Screw(type) || type == VBM_KLAMMER || Is_Vbm_Nail(type)) {
        if (d < 0.1) *message = DERR_DIAMETER_NOT_POSITIVE;
        if (len < 0.1) {
            *message = DERR_LENGTH_TOO_SMALL;
            return 1;
        }
    }
    return *message != 0 ? 1 : 0;
}

} // namespace

int Check_Vbm_Limits(int shear_planes, Vbm_Rule_Input *in, int *message, int *hint_out)
{
    int hint_local = 0;
    int *hint = hint_out != nullptr ? hint_out : &hint_local;
    if (message == nullptr || in == nullptr) return 0;
    *message = 0;
    *hint = 0;
    const int type = in->vbm_type;
    if (type == VBM_OHNE_VERBUND || type == VBM_KLEBEVERBINDUNG) return 0;
    Member_Densities(in);
    const Limit_Check c = Limit_Start(shear_planes, in, message, hint, hint_out != nullptr);
    if (Limits_First(c)) return 1;
    if (Is_Vbm_Screw_Eta12(type) && Limits_Screw_Eta12(c)) return 1;
    if (Is_Vbm_Screw_Eta11(type) && Limits_Screw_Eta11(c)) return 1;
    if (Is_Vbm_Screw_Family_C(type) && Limits_Screw_Family_C(c)) return 1;
    if (Limits_Nails(c)) return 1;
    return Limits_Last(c);
}
