/*
** Admissibility of a connection before its design: the data of the user-defined screw lines are
** brought into the common fields, then the rules of DIN 1052, EN 1995-1-1 and the approvals
** ETA-12/0114 and ETA-11/0190 decide whether the connection may be designed (first failing rule
** wins, its Design_Error_Code is returned). Thicknesses and diameters in mm.
*/
#include "design/design_run.h"

#include "catalogue/catalogue.h"
#include "design/design_plates.h"
#include "nad/nad.h"

/* ---------------------------------------------------------------- user screw lines */

static void Apply_Screw_Line(Connection_Input *input, const Vbm_Screw_Line &line)
{
    input->stainless = line.stainless;
    input->washer_d = line.washer ? line.washer_d : -1.0;
    input->d = line.d;
    input->d_k = line.d_k;
    input->d_2 = line.d_2;
    input->length = line.length;
    input->axis_angle = line.axis_angle;
    input->l_thread = line.l_thread;
}

/* Bring the data of the user-defined screw line of type 43 into the common fields. */
void Apply_Screw43_Data(Connection_Input *input)
{
    if (input != nullptr && input->vbm_type == 43) Apply_Screw_Line(input, input->user_line_43);
}

/* Bring the data of the user-defined screw line of type 44 into the common fields. */
void Apply_Screw44_Data(Connection_Input *input)
{
    if (input != nullptr && input->vbm_type == 44) Apply_Screw_Line(input, input->user_line_44);
}

/* ---------------------------------------------------------------- approved screws */

/* Return 0 or the first code of the rules of approval ETA-12/0114 (types 11, 12, 13, 44). */
int Check_Eta12_Screw_Input(const Connection_Input &in)
{
    if (!Is_Vbm_Screw_Eta12(in.vbm_type)) return 0;
    const bool plate1 = Is_Mat_Metal_Plate(in.mat_1), plate2 = Is_Mat_Metal_Plate(in.mat_2);
    const bool panel1 = Is_Mat_Panel(in.mat_1), panel2 = Is_Mat_Panel(in.mat_2);
    const bool t13 = in.vbm_type == 13, pre = in.predrilled != 0;
    if (Is_Mat_Board(in.mat_2)) return 69;
    if (Is_Mat_Board(in.mat_1) && in.t1 < 1.2 * in.d) return 70;
    if ((in.mat_1 == 6 || in.mat_1 == 8 || in.mat_1 == 9) && in.t1 < 6.0) return 70;
    if ((in.mat_1 == 4 || in.mat_1 == 7) && in.t1 < 8.0) return 70;
    if (!plate1 && !panel1 && in.t1 < 12.0) return 70;
    if (in.mat_1 == 5 || in.mat_2 == 5) return 31;
    if (in.mat_1 == 9 || in.mat_2 == 9) return 32;
    if (panel1 && in.d > 11.9 && in.d_k > in.washer_d) return 38;
    if (panel1 && in.t1 < 1.2 * in.d) return 37;
    if (panel2 && in.t2 < 1.2 * in.d) return 37;
    /* The thickness rules of member 2 mirror those of member 1: member 2 must not be a panel. */
    if (t13 && !plate1 && !panel1 && in.t1 < 30.0 && !pre) return 40;
    if (t13 && !plate2 && !panel2 && in.t2 < 30.0 && !pre) return 43;
    if (t13 && !plate1 && in.d >= 12.0 && in.t1 < 80.0 && !pre) return 42;
    if (t13 && !panel1 && !plate1 && in.d >= 10.0 && in.t1 < 40.0 && !pre) return 41;
    if (t13 && !plate2 && in.d >= 12.0 && in.t2 < 80.0 && !pre) return 45;
    if (t13 && !panel2 && !plate2 && in.d >= 10.0 && in.t2 < 40.0 && !pre) return 44;
    if (!pre && (in.mat_1 == 1 || in.mat_2 == 1)) return 68;
    if (in.d >= 8.0 && !pre && (Is_Mat_Timber_B(in.mat_1) || Is_Mat_Timber_B(in.mat_2))
        && in.species_sfp == 0)
        return 62;
    if (plate1 && in.shear_planes == 2) return 10;
    if (in.d < 3.0) return 4;
    if (in.length < 10.0) return 5;
    return 0;
}

/* Return 0 or the first code of the rules of approval ETA-11/0190 (types 14, 15, 43). */
int Check_Eta11_Screw_Input(const Connection_Input &in)
{
    if (!Is_Vbm_Screw_Eta11(in.vbm_type)) return 0;
    const bool plate1 = Is_Mat_Metal_Plate(in.mat_1), plate2 = Is_Mat_Metal_Plate(in.mat_2);
    const bool free1 = !plate1 && !Is_Mat_Board(in.mat_1), free2 = !plate2 && !Is_Mat_Board(in.mat_2);
    const bool din = Nad_Params == nullptr, pre = in.predrilled != 0;
    if (in.mat_1 == 5 || in.mat_2 == 5) return 33;
    if (in.mat_1 == 9 || in.mat_2 == 9) return 35;
    if (in.vbm_type == 14 && plate1) return 36;
    if (Is_Mat_Panel(in.mat_1) && in.t1 < 1.2 * in.d) return 39;
    if (free1 && in.d >= 12.0 && in.t1 < 80.0) return 55;
    if (free1 && in.d >= 10.0 && in.t1 < 40.0) return 54;
    if (free1 && in.d > 7.99 && in.t1 < 30.0) return 53;
    if (free1 && in.t1 < 24.0) return 51;
    if (free2 && in.d >= 12.0 && in.t2 < 80.0) return 59;
    if (free2 && in.d >= 10.0 && in.t2 < 40.0) return 58;
    if (free2 && in.d > 7.9 && in.t2 < 30.0) return 57;
    if (free2 && in.t2 < 24.0) return 52;
    if (din && in.d >= 8.0 && !pre && in.species_sfp == 0
        && (Is_Mat_Timber(in.mat_1) || Is_Mat_Timber(in.mat_2) || in.mat_1 == 3 || in.mat_2 == 3))
        return 61;
    if (!din && in.d >= 8.0 && (Is_Mat_Timber_B(in.mat_1) || Is_Mat_Timber_B(in.mat_2))
        && in.species_sfp == 0 && !pre)
        return 61;
    if (!din && (in.mat_2 == 5 || in.mat_2 == 8 || in.mat_2 == 9)) return 34;
    const bool sc3 = in.service_class_1 == 3 || in.service_class_2 == 3;
    const bool sc_not1 = in.service_class_1 != 1 || in.service_class_2 != 1;
    if (in.stainless == 0 && in.d > 4.0 && sc3) return 64;
    if (in.stainless == 0 && in.d < 4.001 && sc_not1) return 65;
    if (plate1 && in.shear_planes == 2) return 10;
    if (in.d < 3.0) return 4;
    if (in.length < 20.0) return 5;
    return 0;
}

/* ---------------------------------------------------------------- the connection */

/*
** Return 0 when the connection may be designed, else the code of the first rule that fails
** (DIN 1052, 7.2.3 and 12.5.2; EN 1995-1-1, 8.3.1.2(7) and 8.9 to 8.10; the screw approvals).
*/
int Check_Connection_Input(const Connection_Input &in)
{
    double rho_1 = 0.0, rho_2 = 0.0;
    Get_Rho_K(in.mat_1, in.grade_1, in.t1, &rho_1, &in.user_material);
    Get_Rho_K(in.mat_2, in.grade_2, in.t2, &rho_2, &in.user_material);
    const bool din = Nad_Params == nullptr;
    const int type = in.vbm_type;
    const bool plate1 = Is_Mat_Metal_Plate(in.mat_1), plate2 = Is_Mat_Metal_Plate(in.mat_2);

    if (type == -1 || type == -2) return 0;
    if (in.fu < 10.0 && (Is_Vbm_Din571_Screw(type) || type == 1 || Is_Vbm_Special_Nail(type)))
        return 87;
    if (din && Is_Mat_Timber(in.mat_1) && in.t1 < 24.0) return 21;
    if (plate1 && plate2) return 12;
    if (int c = Check_Eta12_Screw_Input(in)) return c;
    if (int c = Check_Eta11_Screw_Input(in)) return c;

    if (Is_Vbm_Connector(type)) {
        if (din && (in.mat_1 == 1 || in.mat_2 == 1) && (type == 26 || type == 27 || type == 28))
            return 102;
        /* A metal plate is no timber: its density (78500 for steel) says nothing about the
        ** connector, on either side. */
        if (din && rho_2 >= 500.0 && !plate2) return 48;
        if (din && rho_1 >= 500.0 && !plate1) return 48;
        if (din && !Is_Mat_Timber(in.mat_1) && !Is_Mat_Timber(in.mat_2)) return 49;
        const bool sc3 = in.service_class_1 == 3 || in.service_class_2 == 3;
        if ((type == 25 || type == 31) && sc3 && (din || Nad_Params->variant != 0)) return 86;
        if (type == 26 || type == 27 || type == 28 || type == 32 || type == 33) {
            const double he = Get_Connector_Value(type, in.vbm_row, "he");
            if (!plate1 && !plate2) {
                if (in.shear_planes == 1 && (in.t1 < 2.25 * he || in.t2 < 2.25 * he)) return 29;
                if (in.t1 < 3.0 * he) return 29;
                if (in.shear_planes == 2 && in.t2 < 3.75 * he) return 30;
            } else {
                const double t = plate2 ? in.t1 : in.t2;
                if (in.shear_planes == 1 && t < 2.25 * he) return 29;
                if (in.shear_planes == 2 && t < 3.75 * he) return 30;
            }
        }
    }
    if (Is_Vbm_Special_Nail(type) && !din && Nad_Params->variant == 0) return 94;

    int code = 0;
    if (Is_Vbm_Nail(type) || type == 1) {
        const bool t1_timber = Is_Mat_Timber(in.mat_1), t2_timber = Is_Mat_Timber(in.mat_2);
        const bool pre = in.predrilled != 0;
        if (t2_timber && !in.split_rule && !pre && in.t2 < Calc_T_Min_Splitting(in.d, rho_2))
            code = in.shear_planes == 1 ? 15 : 16;
        else if (t1_timber && !in.split_rule && !pre && in.t1 < Calc_T_Min_Splitting(in.d, rho_1))
            code = 14;
        else if (t2_timber && in.split_rule && !pre && in.t2 < Calc_T_Min_Splitting_Alt(in.d, rho_2))
            code = in.shear_planes == 1 ? 19 : 20;
        else if (t1_timber && in.split_rule && !pre && in.t1 < Calc_T_Min_Splitting_Alt(in.d, rho_1))
            code = 18;
    }
    if (din && Is_Mat_Timber(in.mat_1) && in.t1 < 24.0) return 21;
    if (din && Is_Mat_Timber(in.mat_2) && in.t2 < 24.0) return 26;
    return code;
}
