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

bool Timber(int mat) { return mat >= 0 && mat <= 3; }

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
        if (layers != nullptr && mat == -10) {
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
    if (type == -2 || type == -1) return 0;
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

    if (in->fu < 10.0 && (Is_Vbm_Din571_Screw(type) || type == 1 || Is_Vbm_Special_Nail(type))) {
        *message = 87;
        return 1;
    }
    if (din && Timber(m1) && t1 < 24.0) {
        *message = 21;
        return 1;
    }
    if (plate1 && plate2) {
        *message = 12;
        return 1;
    }

    if (Is_Vbm_Screw_Eta12(type)) {
        if (with_hint) {
            if ((m1 == 6 && t1 < 6.0) || (m2 == 6 && t2 < 6.0)) *hint = 152;
            else if ((panel1 && t1 < 8.0) || (panel2 && t2 < 8.0)) *hint = 153;
            if (!plate1 && t1 < 1.2 * d) *hint = 157;
            if (t2 < 1.2 * d) *hint = 158;
        }
        if (axis < 15.0 && (Timber(m1) || Timber(m2))) *hint = 1014;
        else if (axis < 30.0) *message = 1013;
        if (len - t1 < 4.0 * d && !panel2) *message = 146;
        if (board2) *message = 69;
        if (board1 && t1 < 1.2 * d) *message = 70;
        if (((m1 == 6 || m1 == 8 || m1 == 9) && t1 < 6.0) || ((m1 == 4 || m1 == 7) && t1 < 8.0))
            *message = 70;
        if (!plate1 && !panel1 && t1 < 12.0) *message = 70;
        if (m1 == 5 || m2 == 5) *message = 31;
        if (m1 == 9 || m2 == 9) *message = 32;
        if (panel1 && d > 11.9 && in->washer_d < in->d_k) *message = 38;
        if ((panel1 && t1 < 1.2 * d) || (panel2 && t2 < 1.2 * d)) *message = 37;
        if (type == 13 && !pre) {
            if (!plate1 && !panel1 && t1 < 30.0) *message = 40;
            if (!plate2 && !panel1 && t2 < 30.0) *message = 43;
            if (!plate1 && d >= 12.0 && t1 < 80.0) *message = 42;
            else if (!panel1 && !plate1 && d >= 10.0 && t1 < 40.0) *message = 41;
            if (!plate2 && d >= 12.0 && t2 < 80.0) *message = 45;
            else if (!panel1 && !plate2 && d >= 10.0 && t2 < 40.0) *message = 44;
        }
        if (!pre) {
            if (m1 == 1 || m2 == 1) *message = 68;
            if (d >= 8.0 && (Timber(m1) || Timber(m2)) && in->species_sfp == 0) *message = 62;
        }
        if (d < 3.0) {
            *message = len < 10.0 ? 5 : 4;
            return 1;
        }
        if (len < 10.0) {
            *message = 5;
            return 1;
        }
        if (*message != 0) return 1;
    }

    if (Is_Vbm_Screw_Eta11(type)) {
        if (m1 == 5 || m2 == 5) *message = 33;
        if (m1 == 9 || m2 == 9) *message = 35;
        if (type == 14 && plate1) *message = 36;
        if (panel1 && t1 < 1.2 * d) *message = 39;
        if (((m1 == 4 && (in->grade1 == 1 || in->grade1 == 2))
             || (m2 == 4 && (in->grade2 == 1 || in->grade2 == 2))) && t1 < 12.0)
            *message = 66;
        if (!plate1 && !board1) {
            if (d >= 12.0 && t1 < 80.0) *message = 55;
            else if (d >= 10.0 && t1 < 40.0) *message = 54;
            else if (d > 7.99 && t1 < 30.0) *message = 53;
            else if (t1 < 24.0) *message = 51;
        }
        if (!plate2 && !board2) {
            if (d >= 12.0 && t2 < 80.0) *message = 59;
            else if (d >= 10.0 && t2 < 40.0) *message = 58;
            else if (d > 7.9 && t2 < 30.0) *message = 57;
            else if (t2 < 24.0) *message = 52;
        }
        if (d >= 8.0 && !pre && (Timber(m1) || Timber(m2)) && in->species_sfp == 0) *message = 61;
        if (!din && board2) *message = 34;
        if (!in->stainless) {
            if (in->service_class == 3 && d > 4.0) *message = 64;
            if (d < 4.001 && in->service_class != 1) *message = 65;
        }
        if (d < 3.0) *message = 4;
        if (len < 20.0) *message = 5;
        if (with_hint) {
            if ((m1 == 6 && t1 < 6.0) || (m2 == 6 && t2 < 6.0)) *hint = 150;
            else if ((panel1 && t1 < 8.0) || (panel2 && t2 < 8.0)) *hint = 151;
            if (!plate1 && t1 < 1.2 * d) *hint = 157;
            if (t2 < 1.2 * d) *hint = 158;
            if (axis < 30.0) *hint = 1015;
        }
        if (*message != 0) return 1;
    }

    if (Is_Vbm_Screw_Family_C(type)) {
        /* The thin members that give a hint also exempt from the penetration rules, whether the
        ** caller asks for the hint or not (without a pointer it goes to hint_local). */
        bool skip_penetration = false;
        const auto panel_hint = [&](int mat, double t) {
            if ((mat == 6 || mat == 8) && t < 6.0) *hint = 154;
            else if ((mat == 4 || mat == 7) && t < 8.0) {
                *hint = 155;
                skip_penetration = true;
            }
        };
        panel_hint(m1, t1);
        if (shear_planes == 1) panel_hint(m2, t2);
        const int mat = shear_planes == 1 ? m2 : m1;
        const double t = shear_planes == 1 ? t2 : t1;
        if (!Is_Mat_Metal_Plate(mat) && t < 12.0) {
            *hint = 156;
            skip_penetration = true;
        }
        const auto hard = [](int mat) { return mat == 17 || mat == 18 || mat == 1; };
        if (!skip_penetration && !in->stainless && !pre) {
            if (hard(m2) && !hard(m1)) {
                const bool ok = (Near(d, 6.0) && len <= 150.01) || (Near(d, 8.0) && len <= 160.01)
                             || (Near(d, 10.0) && len <= 200.01);
                if (!ok || t2 > 40.01) *message = 139;
            } else if (hard(m1) && hard(m2)) {
                const float ft1 = static_cast<float>(t1);
                if ((Near(d, 5.0) && ft1 > 50.0f) || (Near(d, 6.0) && ft1 > 60.0f)
                    || (Near(d, 8.0) && ft1 > 80.0f) || (Near(d, 10.0) && ft1 > 70.0f))
                    *message = 138;
            } else if (hard(m1) && !hard(m2) && d > 5.99) {
                bool ok = false;
                if (Near(d, 6.0)) ok = len <= 150.01 && t1 <= 40.01;
                else if (Near(d, 8.0)) ok = len <= 160.01 && t1 <= 60.01;
                else if (Near(d, 10.0)) ok = len <= 200.01 && t1 <= 70.0;
                if (!ok) *message = 139;
            }
        }
        if ((Timber(m1) && m1 != 1) && in->species_sfp == 0 && !pre && d > 8.01) *message = 63;
        if (!pre && (m1 == 19 || (m2 == 19 && shear_planes == 1))) {
            const double t = m1 == 19 ? t1 : t2;
            if ((t > 400.0 && Near(d, 10.0)) || (t > 600.0 && Near(d, 8.0))) *message = 140;
        }
        if (shear_planes == 1 && t2 < 4.0 * d && !panel2) *message = 146;
        if (d < 6.01) {
            if (Timber(m1) && in->t1 < 24.0) *message = 21;
            else if (Timber(m2) && in->t2 < 24.0) *message = 26;
        }
        if (d < 8.01) {
            if (Timber(m1) && in->t1 < 30.0) *message = 22;
            else if (Timber(m2) && in->t2 < 30.0) *message = 27;
        }
        if (d < 10.01) {
            if (Timber(m1) && in->t1 < 40.0) {
                *message = 23;
                return 1;
            }
            if (Timber(m2) && in->t2 < 40.0) {
                *message = 28;
                return 1;
            }
        }
        if (*message != 0) return 1;
    }

    /* all types */
    if (Is_Vbm_Special_Nail(type) && !din && variant == 0) {
        *message = 94;
        return 1;
    }
    if (with_hint) {
        if (Is_Vbm_Special_Nail(type) && len - t1 < 6.0 * d) *hint = 161;
        if (type == 0 && pre && !din && variant != 0) *hint = 159;
    }
    if ((Is_Vbm_Nail(type) || type == 1) && !pre) {
        const auto t_min = [&](double rho) {
            return in->split_rule == 0 ? Calc_T_Min_Splitting(d, rho) : Calc_T_Min_Splitting_Alt(d, rho);
        };
        if (Timber(m2) && in->t2 < t_min(in->rho_k2)) {
            *message = in->split_rule == 0 ? 15 : 19;
            return 1;
        }
        if (Timber(m1) && in->t1 < t_min(in->rho_k1)) {
            *message = in->split_rule == 0 ? 14 : 18;
            return 1;
        }
    }
    if (*message != 0) return 1;
    if (with_hint && Is_Vbm_Din571_Screw(type) && t2 < 6.0 * d) *hint = 163;
    if (type == 1 && !din && variant != 0) {
        if (with_hint) {
            if (len - t1 < 12.0 * d) *hint = 162;
            if (((m1 == 6 || m1 == 8 || m1 == 10 || m1 == 11 || m1 == 20) && t1 < 6.0)
                || (m1 == 4 && t1 < 8.0))
                *hint = 147;
        }
    } else if (din) {
        if (Timber(m1) && t1 < 24.0) *message = 21;
        else if (Timber(m2) && t2 < 24.0) *message = 26;
    }
    if (Is_Vbm_Din571_Screw(type) || type == 1 || Is_Vbm_Nail(type)) {
        if (d < 0.1) *message = 4;
        if (len < 0.1) {
            *message = 5;
            return 1;
        }
    }
    return *message != 0 ? 1 : 0;
}
