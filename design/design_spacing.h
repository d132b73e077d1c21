/*
** Minimum spacings and edge distances of dowel-type fasteners and connectors: all six values of one
** member for the design run, and the single-distance rule functions of the fastener page and the
** print list. Lengths in mm; the design run's angle in radians, the rule functions' in degrees.
*/
#pragma once

/* ---------------------------------------------------------------- design run */

/*
** Write the minimum spacings a1, a2, a3,t, a3,c, a4,t, a4,c (mm) of one member through the
** non-null pointers and return the rule index (mapped to EN 1995 numbering), or 0 without
** writing for a fastener type without a rule. alpha in radians, staple_angle in degrees.
*/
int Calc_Min_Spacings(int vbm_type, int predrilled, int fitted_bolt, int douglas, int split_rule,
                      int mat, double rho_k, double d, double d_bolt, double alpha,
                      double staple_angle, double t1, double t2, double *a1, double *a2,
                      double *a3t, double *a3c, double *a4t, double *a4c);

/*
** The two parts of a connector's least spacings a1, a2, a3,t, a3,c, a4,t, a4,c (mm) at the
** force-to-grain angle alpha (radians): the connector's own of diameter dc into own, those of
** its bolt of diameter d_bolt into bolt; Calc_Min_Spacings keeps the larger of each pair. Return
** the rule index as Calc_Min_Spacings does, or 0 without writing for a type that is no connector.
*/
int Calc_Connector_Spacing_Parts(int vbm_type, double dc, double d_bolt, double alpha,
                                 double own[6], double bolt[6]);

/*
** Return the factor on a1 and a2 that the spacing rules take for a member of material mat: 0.85
** for nails and screws in a panel under EN 1995-1-1 (8.3.1.3(1), nailed panel-to-timber joints;
** laminated veneer lumber by its own tables), else 1 (staples keep Table 8.3), for fastener
** vbm_type of diameter d (mm): a wood screw to DIN 571 above 6 mm keeps the rules of bolts, as in
** Calc_Min_Spacings.
*/
double Calc_Panel_Spacing_Factor(int vbm_type, double d, int mat);

/* ---------------------------------------------------------------- basic single distances */

/* The basic table of material 20; its staples take under an annex EN 1995-1-1, Table 8.3, as
** Calc_Min_Spacings does. */

/* Return the minimum spacing a1 of the basic table (mm). */
double Calc_Vbm_Min_A1(int mat, double rho_k, double t, int type, double d, double theta,
                       int predrilled, int fitted, int douglas, double alpha);

/* Return the minimum spacing a2 of the basic table (mm). */
double Calc_Vbm_Min_A2(int mat, double rho_k, double t, int type, double d, double theta,
                       int predrilled, int fitted, double alpha);

/* Return the minimum distance a3,c of the basic table (mm). */
double Calc_Vbm_Min_A3c(int mat, double rho_k, double t, int type, double d, int predrilled,
                        int fitted, double alpha);

/* Return the minimum distance a3,t of the basic table (mm). */
double Calc_Vbm_Min_A3t(int mat, double rho_k, double t, int type, double d, int predrilled,
                        int fitted, double alpha);

/* Return the minimum distance a4,c of the basic table (mm). */
double Calc_Vbm_Min_A4c(int mat, double rho_k, double t, int type, double d, double theta,
                        int predrilled, int fitted, double alpha);

/* Return the minimum distance a4,t of the basic table (mm). */
double Calc_Vbm_Min_A4t(int mat, double rho_k, double t, int type, double d, int predrilled,
                        int fitted, double alpha);

/* ---------------------------------------------------------------- material-aware distances */

/* Return the minimum spacing a1 of a member of material mat and grade (mm). */
double Calc_Vbm_Min_A1_Mat(int mat, int grade, double t, int type, double d, double theta,
                           int predrilled, int fitted, int douglas, int screw_predrilled,
                           double alpha);

/* Return the minimum spacing a2 (mm). */
double Calc_Vbm_Min_A2_Mat(int mat, int grade, double t, int type, double d, double theta,
                           int predrilled, int fitted, int screw_predrilled, double alpha);

/* Return the minimum distance a3,c (mm). */
double Calc_Vbm_Min_A3c_Mat(int mat, int grade, double t, int type, double d, int predrilled,
                            int fitted, int douglas, int screw_predrilled, double alpha);

/* Return the minimum distance a3,t (mm). */
double Calc_Vbm_Min_A3t_Mat(int mat, int grade, double t, int type, double d, int predrilled,
                            int fitted, int douglas, int screw_predrilled, double alpha);

/* Return the minimum distance a4,c (mm). */
double Calc_Vbm_Min_A4c_Mat(int mat, int grade, double t, int type, double d, double theta,
                            int predrilled, int fitted, int split_rule, int screw_predrilled,
                            double alpha);

/* Return the minimum distance a4,t (mm). */
double Calc_Vbm_Min_A4t_Mat(int mat, int grade, double t, int type, double d, int predrilled,
                            int fitted, int split_rule, int screw_predrilled, double alpha);

/* out[12]: a1, a2, a3c, a3t, a4t, a4c at 0 degrees, then the same at 90 degrees. */
void Calc_Vbm_Spacings(int mat, int grade, double t, int type, double d, double theta,
                       int predrilled, int fitted, int douglas, int split_rule,
                       int screw_predrilled, double *out);
/* Write a1, a2, a3,c, a3,t, a4,t, a4,c of one member at the angle alpha (degrees) into out[6]. */
void Calc_Vbm_Spacings_Rec(int mat, int grade, double t, int type, double d, double theta,
                           int predrilled, int fitted, int douglas, int split_rule,
                           int screw_predrilled, double alpha, double *out);

/* ---------------------------------------------------------------- simple rules */

/*
** The simple spacing rules of a fastener type with diameter d (mm) at the force-to-grain angle
** alpha (degrees), in mm; mat is not read. Screws, nails and staples, dowels and fitted bolts,
** bolts and the rest (connectors):
**   Calc_Vbm_A1_Simple   a1    4 d, (3 + 3 cos) d, (3 + 2 cos) d, min((3 + 2 cos) d, 4 d), 6 d;
**   Calc_Vbm_A3t_Simple  a3,t  6 d, (7 + 3 cos) d, 5 d (dowels and every bolt), 10 d;
**   Calc_Vbm_A3c_Simple  a3,c  4 d sin for dowels and bolts, else 6 d;
**   Calc_Vbm_A2_Simple   a2    2.5 d for screws, 3 d for nails, staples, dowels and fitted bolts,
**                              else 4 d;
**   Calc_Vbm_A4t_Simple  a4,t  6 d, (3 + 4 sin) d, 3 d (dowels and every bolt), 7 d;
**   Calc_Vbm_A4c_Simple  a4,c  2.5 d for screws, else 3 d.
*/
double Calc_Vbm_A1_Simple(int mat, int type, double d, int fitted, double alpha);
double Calc_Vbm_A3t_Simple(int mat, int type, double d, int fitted, double alpha);
double Calc_Vbm_A3c_Simple(int mat, int type, double d, int fitted, double alpha);
double Calc_Vbm_A2_Simple(int mat, int type, double d, int fitted);
double Calc_Vbm_A4t_Simple(int mat, int type, double d, int fitted, double alpha);
double Calc_Vbm_A4c_Simple(int mat, int type, double d);

/* Write the twelve distances of Calc_Vbm_Spacings from the simple rules: a1, a2, a3,c, a3,t,
** a4,t, a4,c at 0 degrees, then at 90 degrees (mm); nothing for a null out. */
void Calc_Vbm_Spacings_Simple(int mat, int type, double d, int fitted, double *out);

/* Return the multiple of d (mm) in the name: Get_Screw_Factor_10 10 d, Get_Screw_Factor_4 4 d,
** Get_Screw_Factor_12 12 d, Get_Screw_Factor_7 7 d, Get_Screw_Factor_6 6 d, Get_Screw_Factor_3
** 3 d, for every material and type. */
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
    double thickness[SEGMENT_MAX_LAYERS]; /* mm */
} Vbm_Member_Layers;

/*
** Return the part of the interval x0..x1 along a fastener that lies in layers of the given member;
** 0 when x0 lies beyond the last layer.
*/
double Calc_Member_Segment_Length(const Vbm_Member_Layers *layers, double x0, double x1,
                                  int member);
