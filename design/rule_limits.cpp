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

} // namespace

/*
** Check one fastener arrangement. Return 1 with *message set when a limit is violated, else 0;
** *hint (when given) receives a warning that does not stop the design. The densities of both
** members are written into the rule input.
*/
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
    const bool din = Nad_Params == nullptr;
    const int variant = din ? 0 : Nad_Params->variant;
    const double d = in->d, t1 = in->t1_a, t2 = in->t2_a, len = in->length;
    const double axis = in->screw_angle;
    const int m1 = in->mat1, m2 = in->mat2;
    const bool plate1 = Is_Mat_Metal_Plate(m1), plate2 = Is_Mat_Metal_Plate(m2);
    const bool panel1 = Is_Mat_Panel(m1), panel2 = Is_Mat_Panel(m2);
    const bool board1 = Is_Mat_Board(m1), board2 = Is_Mat_Board(m2);
    const bool pre = in->predrilled != 0;
    const bool with_hint = hint_out != nullptr;

    if (in->fu < 10.0 && (Is_Vbm_Din571_Screw(type) || type == VBM_KLAMMER || Is_Vbm_Special_Nail(type))) {
        *message = DERR_FUK_ZERO;
        return 1;
    }
    if (din && Timber(m1) && t1 < 24.0) {
        *message = DERR_SIDE_MIN_24MM;
        return 1;
    }
    if (plate1 && plate2) {
        *message = DERR_STEEL_STEEL;
        return 1;
    }

    if (Is_Vbm_Screw_Eta12(type)) {
        if (with_hint) {
            if ((m1 == MAT_SPERRHOLZ && t1 < 6.0) || (m2 == MAT_SPERRHOLZ && t2 < 6.0))
                *hint = DERR_SPAX_PLYWOOD_6MM;
            else if ((panel1 && t1 < 8.0) || (panel2 && t2 < 8.0)) *hint = DERR_SPAX_PANEL_8MM;
            if (!plate1 && t1 < 1.2 * d) *hint = DERR_ASSY_HEAD_MEMBER_1_2D;
            if (t2 < 1.2 * d) *hint = DERR_ASSY_POINT_MEMBER_1_2D;
        }
        if (axis < 15.0 && (Timber(m1) || Timber(m2))) *hint = DNOTE_SPAX_ANGLE_15;
        else if (axis < 30.0) *message = DNOTE_SPAX_ANGLE_30;
        if (len - t1 < 4.0 * d && !panel2) *message = DERR_PENETRATION_BELOW_4D;
        if (board2) *message = DERR_SPAX_PANEL_HEAD_SIDE_ONLY;
        if (board1 && t1 < 1.2 * d) *message = DERR_SPAX_MIN_THICKNESS;
        if (((m1 == MAT_SPERRHOLZ || m1 == MAT_FASERPLATTE || m1 == MAT_FERMACELL) && t1 < 6.0)
            || ((m1 == MAT_OSB || m1 == MAT_SPANPLATTE) && t1 < 8.0))
            *message = DERR_SPAX_MIN_THICKNESS;
        if (!plate1 && !panel1 && t1 < 12.0) *message = DERR_SPAX_MIN_THICKNESS;
        if (m1 == MAT_GIPSKARTON || m2 == MAT_GIPSKARTON) *message = DERR_SPAX_GYPSUM;
        if (m1 == MAT_FERMACELL || m2 == MAT_FERMACELL) *message = DERR_SPAX_FERMACELL;
        if (panel1 && d > 11.9 && in->washer_d < in->d_k) *message = DERR_SPAX_PANEL_WASHER_12MM;
        if ((panel1 && t1 < 1.2 * d) || (panel2 && t2 < 1.2 * d)) *message = DERR_SPAX_PANEL_1_2D;
        if (type == VBM_SPAX_SENKKOPF_VG && !pre) {
            if (!plate1 && !panel1 && t1 < 30.0) *message = DERR_SPAX_SIDE_30MM_UNDRILLED;
            if (!plate2 && !panel1 && t2 < 30.0) *message = DERR_SPAX_MIDDLE_30MM_UNDRILLED;
            if (!plate1 && d >= 12.0 && t1 < 80.0) *message = DERR_SPAX_SIDE_80MM_UNDRILLED;
            else if (!panel1 && !plate1 && d >= 10.0 && t1 < 40.0) *message = DERR_SPAX_SIDE_40MM_UNDRILLED;
            if (!plate2 && d >= 12.0 && t2 < 80.0) *message = DERR_SPAX_MIDDLE_80MM_UNDRILLED;
            else if (!panel1 && !plate2 && d >= 10.0 && t2 < 40.0) *message = DERR_SPAX_MIDDLE_40MM_UNDRILLED;
        }
        if (!pre) {
            if (m1 == MAT_LAUBHOLZ || m2 == MAT_LAUBHOLZ) *message = DERR_SPAX_HARDWOOD_UNDRILLED;
            if (d >= 8.0 && (Timber(m1) || Timber(m2)) && in->species_sfp == 0)
                *message = DERR_SPAX_SPECIES_8MM;
        }
        if (d < 3.0) {
            *message = len < 10.0 ? DERR_LENGTH_TOO_SMALL : DERR_DIAMETER_NOT_POSITIVE;
            return 1;
        }
        if (len < 10.0) {
            *message = DERR_LENGTH_TOO_SMALL;
            return 1;
        }
        if (*message != 0) return 1;
    }

    if (Is_Vbm_Screw_Eta11(type)) {
        if (m1 == MAT_GIPSKARTON || m2 == MAT_GIPSKARTON) *message = DERR_ASSY_GYPSUM;
        if (m1 == MAT_FERMACELL || m2 == MAT_FERMACELL) *message = DERR_ASSY_FERMACELL;
        if (type == VBM_ASSY_ZYLINDERKOPF_VG && plate1) *message = DERR_FLAT_HEAD_ON_STEEL;
        if (panel1 && t1 < 1.2 * d) *message = DERR_ASSY_PANEL_1_2D;
        if (((m1 == MAT_OSB && (in->grade1 == 1 || in->grade1 == 2))
             || (m2 == MAT_OSB && (in->grade2 == 1 || in->grade2 == 2))) && t1 < 12.0)
            *message = DERR_ASSY_OSB_12MM;
        if (!plate1 && !board1) {
            if (d >= 12.0 && t1 < 80.0) *message = DERR_ASSY_SIDE_80MM;
            else if (d >= 10.0 && t1 < 40.0) *message = DERR_ASSY_SIDE_40MM;
            else if (d > 7.99 && t1 < 30.0) *message = DERR_ASSY_SIDE_30MM;
            else if (t1 < 24.0) *message = DERR_ASSY_SIDE_24MM;
        }
        if (!plate2 && !board2) {
            if (d >= 12.0 && t2 < 80.0) *message = DERR_ASSY_MIDDLE_80MM;
            else if (d >= 10.0 && t2 < 40.0) *message = DERR_ASSY_MIDDLE_40MM;
            else if (d > 7.9 && t2 < 30.0) *message = DERR_ASSY_MIDDLE_30MM;
            else if (t2 < 24.0) *message = DERR_ASSY_MIDDLE_24MM;
        }
        if (d >= 8.0 && !pre && (Timber(m1) || Timber(m2)) && in->species_sfp == 0)
            *message = DERR_ASSY_SPECIES_8MM_UNDRILLED;
        if (!din && board2) *message = DERR_ASSY_PANEL_HEAD_SIDE_ONLY;
        if (!in->stainless) {
            if (in->service_class == 3 && d > 4.0) *message = DERR_ASSY_SERVICE_CLASS_1_2;
            if (d < 4.001 && in->service_class != 1) *message = DERR_ASSY_SERVICE_CLASS_1;
        }
        if (d < 3.0) *message = DERR_DIAMETER_NOT_POSITIVE;
        if (len < 20.0) *message = DERR_LENGTH_TOO_SMALL;
        if (with_hint) {
            if ((m1 == MAT_SPERRHOLZ && t1 < 6.0) || (m2 == MAT_SPERRHOLZ && t2 < 6.0))
                *hint = DERR_ASSY_PLYWOOD_6MM;
            else if ((panel1 && t1 < 8.0) || (panel2 && t2 < 8.0)) *hint = DERR_ASSY_PANEL_8MM;
            if (!plate1 && t1 < 1.2 * d) *hint = DERR_ASSY_HEAD_MEMBER_1_2D;
            if (t2 < 1.2 * d) *hint = DERR_ASSY_POINT_MEMBER_1_2D;
            if (axis < 30.0) *hint = DNOTE_ASSY_ANGLE_30;
        }
        if (*message != 0) return 1;
    }

    if (Is_Vbm_Screw_Family_C(type)) {
        /* The thin members that give a hint also exempt from the penetration rules, whether the
        ** caller asks for the hint or not (without a pointer it goes to hint_local). */
        bool skip_penetration = false;
        const auto panel_hint = [&](int mat, double t) {
            if ((mat == MAT_SPERRHOLZ || mat == MAT_FASERPLATTE) && t < 6.0) *hint = DERR_ETA19_MIN_6MM;
            else if ((mat == MAT_OSB || mat == MAT_SPANPLATTE) && t < 8.0) {
                *hint = DERR_ETA19_MIN_8MM;
                skip_penetration = true;
            }
        };
        panel_hint(m1, t1);
        if (shear_planes == 1) panel_hint(m2, t2);
        const int mat = shear_planes == 1 ? m2 : m1;
        const double t = shear_planes == 1 ? t2 : t1;
        if (!Is_Mat_Metal_Plate(mat) && t < 12.0) {
            *hint = DERR_ETA19_MIN_12MM;
            skip_penetration = true;
        }
        const auto hard = [](int mat) {
            return mat == MAT_BAUBUCHE_GL75 || mat == MAT_BAUBUCHE_PLATTE || mat == MAT_LAUBHOLZ;
        };
        if (!skip_penetration && !in->stainless && !pre) {
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
        if ((Timber(m1) && m1 != MAT_LAUBHOLZ) && in->species_sfp == 0 && !pre && d > 8.01)
            *message = DERR_ETA19_SPECIES_8MM;
        if (!pre && (m1 == MAT_STEICO_LVL || (m2 == MAT_STEICO_LVL && shear_planes == 1))) {
            const double t = m1 == MAT_STEICO_LVL ? t1 : t2;
            if ((t > 400.0 && Near(d, 10.0)) || (t > 600.0 && Near(d, 8.0)))
                *message = DERR_ETA19_PENETRATION_LVL;
        }
        if (shear_planes == 1 && t2 < 4.0 * d && !panel2) *message = DERR_PENETRATION_BELOW_4D;
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
                return 1;
            }
            if (Timber(m2) && in->t2 < 40.0) {
                *message = DERR_MIDDLE_MIN_40MM_ETA19;
                return 1;
            }
        }
        if (*message != 0) return 1;
    }

    /* all types */
    if (Is_Vbm_Special_Nail(type) && !din && variant == 0) {
        *message = DERR_SPECIAL_NAIL_NEEDS_ANNEX;
        return 1;
    }
    if (with_hint) {
        if (Is_Vbm_Special_Nail(type) && len - t1 < 6.0 * d) *hint = DERR_PROFILED_NAIL_PENETRATION;
        if (type == VBM_NAGEL && pre && !din && variant != 0) *hint = DERR_SMOOTH_NAIL_PREDRILLED;
    }
    if ((Is_Vbm_Nail(type) || type == VBM_KLAMMER) && !pre) {
        const auto t_min = [&](double rho) {
            return in->split_rule == 0 ? Calc_T_Min_Splitting(d, rho) : Calc_T_Min_Splitting_Alt(d, rho);
        };
        if (Timber(m2) && in->t2 < t_min(in->rho_k2)) {
            *message = in->split_rule == 0 ? DERR_SPLIT_SIDE2_818 : DERR_SPLIT_SIDE2_819;
            return 1;
        }
        if (Timber(m1) && in->t1 < t_min(in->rho_k1)) {
            *message = in->split_rule == 0 ? DERR_SPLIT_SIDE_818 : DERR_SPLIT_SIDE_819;
            return 1;
        }
    }
    if (*message != 0) return 1;
    if (with_hint && Is_Vbm_Din571_Screw(type) && t2 < 6.0 * d) *hint = DERR_SCREW_PENETRATION_6D;
    if (type == VBM_KLAMMER && !din && variant != 0) {
        if (with_hint) {
            if (len - t1 < 12.0 * d) *hint = DERR_STAPLE_PENETRATION;
            if (((m1 == MAT_SPERRHOLZ || m1 == MAT_FASERPLATTE || m1 == MAT_KERTO_S || m1 == MAT_KERTO_Q
                || m1 == MAT_POLLM_LVL_S) && t1 < 6.0)
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
