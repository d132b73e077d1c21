/*
** The design run of one fastener connection: admissibility checks of the input, the axial designs
** to DIN 1052 and EN 1995-1-1 with the screw compression check and the rope-effect share, and
** Design_Connection, which fills a Connection_Result. Forces in N (kN where asked), lengths in mm.
*/
#pragma once

#include "design/design_types.h"

/* ---------------------------------------------------------------- admissibility */

void Apply_Screw43_Data(Connection_Input *input);
void Apply_Screw44_Data(Connection_Input *input);
int Check_Connection_Input(const Connection_Input &input);
int Check_Eta12_Screw_Input(const Connection_Input &input);
int Check_Eta11_Screw_Input(const Connection_Input &input);

/* ---------------------------------------------------------------- axial designs */

double Calc_Axial_Din1052(const Connection_Input &input, double l_ef, double f_c90,
                          Connection_Result *result);
double Calc_Screw_Thread_Length(const Connection_Input &input);
double Calc_Axial_Ec5(const Connection_Input &input, double l_ef, double f_c90,
                      Connection_Result *result);
int Calc_Screw_Buckling_Eta11(const Connection_Input &input, double l_ef, Connection_Result *result);
int Calc_Screw_Buckling_Eta12(const Connection_Input &input, double l_ef, Connection_Result *result);
double Calc_Rope_Effect_Share(const Connection_Input &input, double f_ref, double l_ef, double f_c90,
                              Connection_Result *result);

/* ---------------------------------------------------------------- design run */

#define BASE_MSG_MAX 16             /* message codes per list a base keeps */

/* The part of a design that does not depend on the force-to-grain angles, for many designs of
** one connection at changing angles (Design_Connection_Base, Design_Connection_At). Valid while
** the catalogues and the annex are unchanged. */
typedef struct Connection_Base {
    Connection_Input input;         /* the input as given */
    Connection_Input in;            /* the input of the lateral rules */
    double spacing_axis_angle;      /* degrees, the axis angle the spacing rules read */
    Connection_Result r;            /* what the steps before the lateral resistance filled */
    double rho_spacing_1;           /* kg/m³, densities of the spacing rules */
    double rho_spacing_2;
    int32_t pair_ok;                /* the material pair allows the rope effect */
    int32_t legacy;                 /* the older run */
    int32_t code;                   /* code of the input check; 0 when the base is usable */
    int32_t repeatable;             /* the messages of the base are kept */
    int32_t msg_count, msg_count2;  /* message codes of the base in list 1 and 2 */
    int32_t msg[2][BASE_MSG_MAX];
} Connection_Base;


double Get_Connection_Gamma_M(const Connection_Input &input, int rule);
int Design_Connection(const Connection_Input &input, Connection_Result *result);
int Design_Connection_Old(const Connection_Input &input, Connection_Result *result);
int Design_Connection_Short(Connection_Input input, Connection_Result *result);
int Design_Connection_Base(const Connection_Input *input, Connection_Base *base);
int Design_Connection_At(Connection_Base *base, double alpha_1, double alpha_2,
                         int spacings, Connection_Result *result);

/* ---------------------------------------------------------------- rule input record */

void Init_Vbm_Layout_Defaults(Vbm_Rule_Input *input);
const Vbm_Catalogue *Get_Vbm_Catalogue_Alt(int type);
