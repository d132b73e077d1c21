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
int Check_Connection_Input(Connection_Input input);
int Check_Eta12_Screw_Input(Connection_Input input);
int Check_Eta11_Screw_Input(Connection_Input input);

/* ---------------------------------------------------------------- axial designs */

double Calc_Axial_Din1052(Connection_Input input, double l_ef, double f_c90,
                          Connection_Result *result);
double Calc_Screw_Thread_Length(Connection_Input input);
double Calc_Axial_Ec5(Connection_Input input, double l_ef, double f_c90,
                      Connection_Result *result);
int Calc_Screw_Buckling_Eta11(Connection_Input input, double l_ef, Connection_Result *result);
int Calc_Screw_Buckling_Eta12(Connection_Input input, double l_ef, Connection_Result *result);
double Calc_Rope_Effect_Share(Connection_Input input, double f_ref, double l_ef, double f_c90,
                              Connection_Result *result);

/* ---------------------------------------------------------------- design run */

double Get_Connection_Gamma_M(Connection_Input input, int rule);
int Design_Connection(Connection_Input input, Connection_Result *result);
int Design_Connection_Old(Connection_Input input, Connection_Result *result);
int Design_Connection_Short(Connection_Input input, Connection_Result *result);

/* ---------------------------------------------------------------- rule input record */

void Init_Vbm_Layout_Defaults(Vbm_Rule_Input *input);
const Vbm_Catalogue *Get_Vbm_Catalogue_Alt(int type);
