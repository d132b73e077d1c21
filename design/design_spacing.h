/*
** Minimum spacings and edge distances of dowel-type fasteners and connectors: all six values of one
** member for the design run, and the single-distance rule functions of the fastener page and the
** print list. Lengths in mm; the design run's angle in radians, the rule functions' in degrees.
*/
#pragma once

/* ---------------------------------------------------------------- design run */

int Calc_Min_Spacings(int vbm_type, int predrilled, int fitted_bolt, int douglas, int split_rule,
                      int mat, double rho_k, double d, double d_bolt, double alpha,
                      double staple_angle, double t1, double t2, double *a1, double *a2,
                      double *a3t, double *a3c, double *a4t, double *a4c);

/* ---------------------------------------------------------------- basic single distances */

double Calc_Vbm_Min_A1(int mat, double rho_k, double t, int type, double d, double theta,
                       int predrilled, int fitted, int douglas, double alpha);
double Calc_Vbm_Min_A2(int mat, double rho_k, double t, int type, double d, double theta,
                       int predrilled, int fitted, double alpha);
double Calc_Vbm_Min_A3c(int mat, double rho_k, double t, int type, double d, int predrilled,
                        int fitted, double alpha);
double Calc_Vbm_Min_A3t(int mat, double rho_k, double t, int type, double d, int predrilled,
                        int fitted, double alpha);
double Calc_Vbm_Min_A4c(int mat, double rho_k, double t, int type, double d, double theta,
                        int predrilled, int fitted, double alpha);
double Calc_Vbm_Min_A4t(int mat, double rho_k, double t, int type, double d, int predrilled,
                        int fitted, double alpha);

/* ---------------------------------------------------------------- material-aware distances */

double Calc_Vbm_Min_A1_Mat(int mat, int grade, double t, int type, double d, double theta,
                           int predrilled, int fitted, int douglas, int screw_predrilled,
                           double alpha);
double Calc_Vbm_Min_A2_Mat(int mat, int grade, double t, int type, double d, double theta,
                           int predrilled, int fitted, int screw_predrilled, double alpha);
double Calc_Vbm_Min_A3c_Mat(int mat, int grade, double t, int type, double d, int predrilled,
                            int fitted, int douglas, int screw_predrilled, double alpha);
double Calc_Vbm_Min_A3t_Mat(int mat, int grade, double t, int type, double d, int predrilled,
                            int fitted, int douglas, int screw_predrilled, double alpha);
double Calc_Vbm_Min_A4c_Mat(int mat, int grade, double t, int type, double d, double theta,
                            int predrilled, int fitted, int split_rule, int screw_predrilled,
                            double alpha);
double Calc_Vbm_Min_A4t_Mat(int mat, int grade, double t, int type, double d, int predrilled,
                            int fitted, int split_rule, int screw_predrilled, double alpha);

/* out[12]: a1, a2, a3c, a3t, a4t, a4c at 0 degrees, then the same at 90 degrees. */
void Calc_Vbm_Spacings(int mat, int grade, double t, int type, double d, double theta,
                       int predrilled, int fitted, int douglas, int split_rule,
                       int screw_predrilled, double *out);
/* out[6]: a1, a2, a3c, a3t, a4t, a4c at the angle alpha (degrees). */
void Calc_Vbm_Spacings_Rec(int mat, int grade, double t, int type, double d, double theta,
                           int predrilled, int fitted, int douglas, int split_rule,
                           int screw_predrilled, double alpha, double *out);

/* ---------------------------------------------------------------- simple rules */

double Calc_Vbm_A1_Simple(int mat, int type, double d, int fitted, double alpha);
double Calc_Vbm_A3t_Simple(int mat, int type, double d, int fitted, double alpha);
double Calc_Vbm_A3c_Simple(int mat, int type, double d, int fitted, double alpha);
double Calc_Vbm_A2_Simple(int mat, int type, double d, int fitted);
double Calc_Vbm_A4t_Simple(int mat, int type, double d, int fitted, double alpha);
double Calc_Vbm_A4c_Simple(int mat, int type, double d);
void Calc_Vbm_Spacings_Simple(int mat, int type, double d, int fitted, double *out);
double Get_Screw_Factor_10(int mat, int type, double d);
double Get_Screw_Factor_4(int mat, int type, double d);
double Get_Screw_Factor_12(int mat, int type, double d);
double Get_Screw_Factor_7(int mat, int type, double d);
double Get_Screw_Factor_6(int mat, int type, double d);
double Get_Screw_Factor_3(int mat, int type, double d);

/* Layers lying end to end from 0 along a fastener, each belonging to member 1, 2, ... */
#define SEGMENT_MAX_LAYERS 16
typedef struct Vbm_Member_Layers {
    int count;
    int member[SEGMENT_MAX_LAYERS];
    double thickness[SEGMENT_MAX_LAYERS];   /* mm */
} Vbm_Member_Layers;

double Calc_Member_Segment_Length(const Vbm_Member_Layers *layers, double x0, double x1,
                                  int member);
