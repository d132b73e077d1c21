/*
** Admissibility of a connection before its design: the data of the user-defined screw lines are
** brought into the common fields, then the rules of DIN 1052, EN 1995-1-1 and the approvals
** ETA-12/0114 and ETA-11/0190 decide whether the connection may be designed (first failing rule
** wins, its Design_Error_Code is returned). Thicknesses and diameters in mm.
*/
#include "design/design_run.h"

#include "catalogue/catalogue.h"
#include "design/design_numeric.h"
#include "design/design_plates.h"
#include "nad/nad.h"

/* ---------------------------------------------------------------- user screw lines */

/* The fields of the connection input that a user screw line fills. */
static User_Screw_Target Screw_Target(Connection_Input *in)
{
    return {&in->stainless, &in->washer_d, &in->d,        &in->d_k,
            &in->d_2,       &in->length,   &in->l_thread, &in->axis_angle};
}

void Apply_Screw43_Data(Connection_Input *input)
{
    if (input != nullptr && input->vbm_type == VBM_ASSY_BENUTZER)
        Apply_User_Screw_Line(input->user_line_43, Screw_Target(input));
}

void Apply_Screw44_Data(Connection_Input *input)
{
    if (input != nullptr && input->vbm_type == VBM_SPAX_BENUTZER)
        Apply_User_Screw_Line(input->user_line_44, Screw_Target(input));
}

/* ---------------------------------------------------------------- approved screws */

int Check_Eta12_Screw_Input(const Connection_Input &in)
{
    if (!Is_Vbm_Screw_Eta12(in.vbm_type)) return 0;
    const bool plate1 = Is_Mat_Metal_Plate(in.mat_1), plate2 = Is_Mat_Metal_Plate(in.mat_2);
    const bool panel1 = Is_Mat_Panel(in.mat_1), panel2 = Is_Mat_Panel(in.mat_2);
    const bool t13 = in.vbm_type == VBM_SPAX_SENKKOPF_VG, pre = in.predrilled != 0;
    if (Is_Mat_Board(in.mat_2)) return DERR_SPAX_PANEL_HEAD_SIDE_ONLY;
    if (Is_Mat_Board(in.mat_1) && in.t1 < 1.2 * in.d) return DERR_SPAX_MIN_THICKNESS;
    if ((in.mat_1 == MAT_SPERRHOLZ || in.mat_1 == MAT_FASERPLATTE || in.mat_1 == MAT_FERMACELL)
        && in.t1 < 6.0)
        return DERR_SPAX_MIN_THICKNESS;
    if ((in.mat_1 == MAT_OSB || in.mat_1 == MAT_SPANPLATTE) && in.t1 < 8.0)
        return DERR_SPAX_MIN_THICKNESS;
    if (!plate1 && !panel1 && in.t1 < 12.0) return DERR_SPAX_MIN_THICKNESS;
    if (in.mat_1 == MAT_GIPSKARTON || in.mat_2 == MAT_GIPSKARTON) return DERR_SPAX_GYPSUM;
    if (in.mat_1 == MAT_FERMACELL || in.mat_2 == MAT_FERMACELL) return DERR_SPAX_FERMACELL;
    /* a washer head bears on the plate's face, not in its hole: no force-fit joint to the steel,
    ** as with the cylinder head of the second line */
    if (in.vbm_type == VBM_SPAX_TELLERKOPF_TG && plate1) return DERR_FLAT_HEAD_ON_STEEL;
    if (panel1 && in.d > 11.9 && in.d_k > in.washer_d) return DERR_SPAX_PANEL_WASHER_12MM;
    if (panel1 && in.t1 < 1.2 * in.d) return DERR_SPAX_PANEL_1_2D;
    if (panel2 && in.t2 < 1.2 * in.d) return DERR_SPAX_PANEL_1_2D;
    /* The thickness rules of member 2 mirror those of member 1: member 2 must not be a panel. */
    if (t13 && !plate1 && !panel1 && in.t1 < 30.0 && !pre) return DERR_SPAX_SIDE_30MM_UNDRILLED;
    if (t13 && !plate2 && !panel2 && in.t2 < 30.0 && !pre) return DERR_SPAX_MIDDLE_30MM_UNDRILLED;
    if (t13 && !plate1 && in.d >= 12.0 && in.t1 < 80.0 && !pre)
        return DERR_SPAX_SIDE_80MM_UNDRILLED;
    if (t13 && !panel1 && !plate1 && in.d >= 10.0 && in.t1 < 40.0 && !pre)
        return DERR_SPAX_SIDE_40MM_UNDRILLED;
    if (t13 && !plate2 && in.d >= 12.0 && in.t2 < 80.0 && !pre)
        return DERR_SPAX_MIDDLE_80MM_UNDRILLED;
    if (t13 && !panel2 && !plate2 && in.d >= 10.0 && in.t2 < 40.0 && !pre)
        return DERR_SPAX_MIDDLE_40MM_UNDRILLED;
    if (!pre && (in.mat_1 == MAT_LAUBHOLZ || in.mat_2 == MAT_LAUBHOLZ))
        return DERR_SPAX_HARDWOOD_UNDRILLED;
    if (in.d >= 8.0 && !pre && (Is_Mat_Timber_B(in.mat_1) || Is_Mat_Timber_B(in.mat_2))
        && in.species_sfp == 0)
        return DERR_SPAX_SPECIES_8MM;
    if (plate1 && in.shear_planes == 2) return DERR_PLATE_SINGLE_SHEAR_ONLY;
    if (in.d < 3.0) return DERR_DIAMETER_NOT_POSITIVE;
    if (in.length < 10.0) return DERR_LENGTH_TOO_SMALL;
    return 0;
}

int Check_Eta11_Screw_Input(const Connection_Input &in)
{
    if (!Is_Vbm_Screw_Eta11(in.vbm_type)) return 0;
    const bool plate1 = Is_Mat_Metal_Plate(in.mat_1), plate2 = Is_Mat_Metal_Plate(in.mat_2);
    const bool free1 = !plate1 && !Is_Mat_Board(in.mat_1),
               free2 = !plate2 && !Is_Mat_Board(in.mat_2);
    const bool din = Nad_Params == nullptr, pre = in.predrilled != 0;
    if (in.mat_1 == MAT_GIPSKARTON || in.mat_2 == MAT_GIPSKARTON) return DERR_ASSY_GYPSUM;
    if (in.mat_1 == MAT_FERMACELL || in.mat_2 == MAT_FERMACELL) return DERR_ASSY_FERMACELL;
    if (in.vbm_type == VBM_ASSY_ZYLINDERKOPF_VG && plate1) return DERR_FLAT_HEAD_ON_STEEL;
    if (Is_Mat_Panel(in.mat_1) && in.t1 < 1.2 * in.d) return DERR_ASSY_PANEL_1_2D;
    if (free1 && in.d >= 12.0 && in.t1 < 80.0) return DERR_ASSY_SIDE_80MM;
    if (free1 && in.d >= 10.0 && in.t1 < 40.0) return DERR_ASSY_SIDE_40MM;
    if (free1 && in.d > 7.99 && in.t1 < 30.0) return DERR_ASSY_SIDE_30MM;
    if (free1 && in.t1 < 24.0) return DERR_ASSY_SIDE_24MM;
    if (free2 && in.d >= 12.0 && in.t2 < 80.0) return DERR_ASSY_MIDDLE_80MM;
    if (free2 && in.d >= 10.0 && in.t2 < 40.0) return DERR_ASSY_MIDDLE_40MM;
    if (free2 && in.d > 7.9 && in.t2 < 30.0) return DERR_ASSY_MIDDLE_30MM;
    if (free2 && in.t2 < 24.0) return DERR_ASSY_MIDDLE_24MM;
    if (din && in.d >= 8.0 && !pre && in.species_sfp == 0
        && (Is_Mat_Timber(in.mat_1) || Is_Mat_Timber(in.mat_2) || in.mat_1 == MAT_BSH_DIN
            || in.mat_2 == MAT_BSH_DIN))
        return DERR_ASSY_SPECIES_8MM_UNDRILLED;
    if (!din && in.d >= 8.0 && (Is_Mat_Timber_B(in.mat_1) || Is_Mat_Timber_B(in.mat_2))
        && in.species_sfp == 0 && !pre)
        return DERR_ASSY_SPECIES_8MM_UNDRILLED;
    if (!din
        && (in.mat_2 == MAT_GIPSKARTON || in.mat_2 == MAT_FASERPLATTE || in.mat_2 == MAT_FERMACELL))
        return DERR_ASSY_PANEL_HEAD_SIDE_ONLY;
    const bool sc3 = in.service_class_1 == 3 || in.service_class_2 == 3;
    const bool sc_not1 = in.service_class_1 != 1 || in.service_class_2 != 1;
    if (in.stainless == 0 && in.d > 4.0 && sc3) return DERR_ASSY_SERVICE_CLASS_1_2;
    if (in.stainless == 0 && in.d < 4.001 && sc_not1) return DERR_ASSY_SERVICE_CLASS_1;
    if (plate1 && in.shear_planes == 2) return DERR_PLATE_SINGLE_SHEAR_ONLY;
    if (in.d < 3.0) return DERR_DIAMETER_NOT_POSITIVE;
    if (in.length < 20.0) return DERR_LENGTH_TOO_SMALL;
    return 0;
}

/* ---------------------------------------------------------------- the connection */

int Check_Connection_Input(const Connection_Input &in)
{
    double rho_1 = 0.0, rho_2 = 0.0;
    Get_Rho_K(in.mat_1, in.grade_1, in.t1, &rho_1, &in.user_material);
    Get_Rho_K(in.mat_2, in.grade_2, in.t2, &rho_2, &in.user_material);
    return Check_Connection_Input_Rho(in, rho_1, rho_2);
}

int Check_Connection_Input_Rho(const Connection_Input &in, double rho_1, double rho_2)
{
    const bool din = Nad_Params == nullptr;
    const int type = in.vbm_type;
    const bool plate1 = Is_Mat_Metal_Plate(in.mat_1), plate2 = Is_Mat_Metal_Plate(in.mat_2);

    if (type == VBM_KLEBEVERBINDUNG || type == VBM_OHNE_VERBUND) return 0;
    if (in.fu < 10.0
        && (Is_Vbm_Din571_Screw(type) || type == VBM_KLAMMER || Is_Vbm_Special_Nail(type)))
        return DERR_FUK_ZERO;
    if (din && Is_Mat_Timber(in.mat_1) && in.t1 < 24.0) return DERR_SIDE_MIN_24MM;
    if (plate1 && plate2) return DERR_STEEL_STEEL;
    if (int c = Check_Eta12_Screw_Input(in)) return c;
    if (int c = Check_Eta11_Screw_Input(in)) return c;

    if (Is_Vbm_Connector(type)) {
        if (din && (in.mat_1 == MAT_LAUBHOLZ || in.mat_2 == MAT_LAUBHOLZ)
            && (type == VBM_SCHEIBENDUEBEL_C1 || type == VBM_SCHEIBENDUEBEL_C5
                || type == VBM_SCHEIBENDUEBEL_C10))
            return DERR_PRESSED_C1_HARDWOOD;
        /* A metal plate is no timber: its density (78500 for steel) says nothing about the
        ** connector, on either side. */
        if (din && rho_2 >= 500.0 && !plate2) return DERR_CONNECTOR_DENSITY_500;
        if (din && rho_1 >= 500.0 && !plate1) return DERR_CONNECTOR_DENSITY_500;
        if (din && !Is_Mat_Timber(in.mat_1) && !Is_Mat_Timber(in.mat_2))
            return DERR_CONNECTOR_TIMBER_ONLY;
        const bool sc3 = in.service_class_1 == 3 || in.service_class_2 == 3;
        if ((type == VBM_RINGDUEBEL_A1 || type == VBM_SCHEIBENDUEBEL_B1) && sc3
            && (din || Nad_Params->variant != 0))
            return DERR_ALU_CONNECTOR_SERVICE_CLASS;
        if (Is_Vbm_Toothed_Plate(type)) {
            /* EN 1995-1-1, 8.9(2) by 8.10: an outer member, with a plate in one face, at least
            ** 2.25 h_e, an inner member, with one in both faces, 3.75 h_e; 3 h_e is where k1 of
            ** the side member reaches 1 ((8.73)), no least thickness (the DIN 1052 rules keep
            ** their test of it). Beside a steel plate that is member 2 the timber is an outer
            ** member (a lamella between two inner plates is the splice's to test). */
            const double he = Get_Connector_Value(type, in.vbm_row, "he");
            if (!plate1 && !plate2) {
                if (in.shear_planes == 1 && (in.t1 < 2.25 * he || in.t2 < 2.25 * he))
                    return DERR_CONNECTOR_SIDE_2_25HE;
                if (in.t1 < (din ? 3.0 : 2.25) * he) return DERR_CONNECTOR_SIDE_2_25HE;
                if (in.shear_planes == 2 && in.t2 < 3.75 * he) return DERR_CONNECTOR_MIDDLE_3_75HE;
            } else {
                const double t = plate2 ? in.t1 : in.t2;
                const bool inner = in.shear_planes == 2 && (din || plate1);
                const bool outer = in.shear_planes == 1 || (in.shear_planes == 2 && !inner);
                if (outer && t < 2.25 * he) return DERR_CONNECTOR_SIDE_2_25HE;
                if (inner && t < 3.75 * he) return DERR_CONNECTOR_MIDDLE_3_75HE;
            }
        }
    }
    if (Is_Vbm_Special_Nail(type) && !din && Nad_Params->variant == 0)
        return DERR_SPECIAL_NAIL_NEEDS_ANNEX;

    int code = 0;
    if (Is_Vbm_Nail(type) || type == VBM_KLAMMER) {
        const bool t1_timber = Is_Mat_Timber(in.mat_1), t2_timber = Is_Mat_Timber(in.mat_2);
        const bool pre = in.predrilled != 0;
        if (t2_timber && !in.split_rule && !pre && in.t2 < Calc_T_Min_Splitting(in.d, rho_2))
            code = in.shear_planes == 1 ? DERR_SPLIT_SIDE2_818 : DERR_SPLIT_MIDDLE_818;
        else if (t1_timber && !in.split_rule && !pre && in.t1 < Calc_T_Min_Splitting(in.d, rho_1))
            code = DERR_SPLIT_SIDE_818;
        else if (t2_timber && in.split_rule && !pre
                 && in.t2 < Calc_T_Min_Splitting_Alt(in.d, rho_2))
            code = in.shear_planes == 1 ? DERR_SPLIT_SIDE2_819 : DERR_SPLIT_MIDDLE_819;
        else if (t1_timber && in.split_rule && !pre
                 && in.t1 < Calc_T_Min_Splitting_Alt(in.d, rho_1))
            code = DERR_SPLIT_SIDE_819;
    }
    if (din && Is_Mat_Timber(in.mat_1) && in.t1 < 24.0) return DERR_SIDE_MIN_24MM;
    if (din && Is_Mat_Timber(in.mat_2) && in.t2 < 24.0) return DERR_MIDDLE_MIN_24MM;
    return code;
}
