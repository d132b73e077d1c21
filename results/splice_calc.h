/*
** Computation of a splice: the fastener pattern of one splice half with the preparation run
** that validates the input, the forces on one fastener with the partial factors of a
** combination and the bearing of the plate holes, the connection input of the fastener design
** and the net section values of the members and plates.
**
** Units: pattern positions and member dimensions in cm, forces in kN per shear plane, moments
** in kNm (kNcm inside the distribution), angles in radians (degrees in Connection_Input),
** fastener dimensions and plate-bearing distances in mm, strengths in N/mm².
*/
#pragma once

#include <cstdint>

#include "results/splice_input.h"
#include "design/design.h"

/* ---------------------------------------------------------------- fastener pattern */

#define PATTERN_MAX 4096            /* records of the fastener table (one half, mirrored) */
#define PATTERN_COLUMNS_MAX 100     /* distinct column positions of the column sums */

typedef struct Fastener_Rec {
    double x;                       /* cm, along the member from the joint */
    double y;                       /* cm, across the member from its axis */
    double r;                       /* cm, distance from the centroid */
    double angle_max;               /* rad, largest force-to-grain angle */
    double angle_min;               /* rad, smallest force-to-grain angle */
    double force_max;               /* kN, largest resultant per shear plane */
    double weight;                  /* 1.0 */
    double polar_angle;             /* rad, atan2(y_c - y, x_c - x) */
    int32_t group_of_angle_max;
    int32_t group_of_angle_min;
    int32_t group_of_force_max;
    int32_t entry_of_angle_max;
    int32_t entry_of_angle_min;
    int32_t entry_of_force_max;
} Fastener_Rec;

typedef struct Fastener_Pattern_Rec {
    int32_t count;                  /* records in use */
    double x_c, y_c;                /* cm, centroid */
    double I_p;                     /* cm², sum of r² */
    double a1_actual, a2_actual;    /* cm, spacings the pattern really has */
    int32_t index_of_angle_min;
    int32_t index_of_angle_max;
    double alpha_min, alpha_max;    /* rad, extreme force-to-grain angles of all combinations */
    double max_My;                  /* kN, largest |moment part across the grain| */
    double max_sum_My_pos;          /* kN, largest sum of positive moment parts of one combination */
    double k_xr;                    /* 1/cm, sum |x_c - x| / sum r² */
    int32_t passes;                 /* passes of the angle loop of the last preparation run */
    double layout_height;           /* cm, height over which the rows were laid out */
    double clamp_x[2], clamp_y[2];  /* cm, Clamp_Bolt_Points of large connectors */
    Fastener_Rec recs[PATTERN_MAX];
} Fastener_Pattern_Rec;

extern Fastener_Pattern_Rec Fastener_Pattern;

int Is_Lkom_Valid(int group, int entry);
double Calc_Timber_Part_Thickness(void);
int Is_Big_Connector_Multi(void);
int Build_Regular_Pattern(double x0, double y0, double step_x, double step_y, int columns);
int Build_Staggered_Pattern(double x0, double y0, double x_end, double y_end, double a1,
                            double a2);
int Mirror_Pattern(double x_m);
int Calc_Pattern_Centroid(double *x_c, double *y_c, double *I_p, int n, Fastener_Rec *table);
double Min_Mid_Timber_Thickness(int *code, int split_rule);
double Min_Side_Timber_Thickness(int *code, int split_rule);
void Check_Nail_Sides(void);
double Calc_Auto_Side_Thickness(double t_req_mm);
double Get_Plate_Hole_D0_Cm(void);
int Prepare_Splice_Calc(void);

/* ---------------------------------------------------------------- forces and plate bearing */

void Get_Fastener_Force(int group, int entry, int i, int n, double *N_part, double *V_part,
                        double *M_part, double *M_x, double *M_y, double *F_x, double *F_y,
                        double *F, double *angle);
void Get_Fastener_Forces_All(int group, int entry, int n, double *M_y, double *F_x, double *F_y,
                             double *F, double *angle);
void Set_Design_Gammas(int accidental);
double Get_Plate_Fyd(int accidental);
double Get_Plate_Fu(void);
double Calc_Alpha_B_End(double d0, double e1, double f_ub, double f_u);
double Calc_Alpha_B_Inner(double d0, double p1, double f_ub, double f_u);
double Calc_K1_Edge(double d0, double e2, double p2);
double Calc_K1_Inner(double d0, double p2);
int Calc_Plate_Bearing_Ec(double d0, double d, double t, double e1, double e2, double p1,
                          double p2, double f_ub, double f_u, double *F_b_edge,
                          double *F_b_inner, double *alpha_b_end, double *alpha_b_inner,
                          double *k1_edge, double *k1_inner);
int Calc_Alpha_L_Din(double *alpha_l, double d_L, double e, double e1, double e2, double e3);
int Calc_Alpha_L_Din_Hole(double *alpha_l, double d_L, int end_hole, double distance, double e2,
                          double e3);
int Calc_Plate_Bearing_Din(double *V_lRd, double *alpha_l, double e, double e1, double e2,
                           double e3, int accidental);
int Calc_Plate_Bearing_Din_Hole(double *V_lRd, double *alpha_l, int end_hole, double distance,
                                double e2, double e3, int accidental);

/* ---------------------------------------------------------------- connection input */

int Fill_Vbm_Design_Input(Connection_Input *input, int kled, double angle_1, double angle_2,
                          int n_fasteners, int mode, int accidental, int kmod_source,
                          double kmod);
int Fill_Joint_Members(Vbm_Rule_Input *rule, double angle_1, double angle_2);
int Fill_Vbm_Rule_Input_Plate(Vbm_Rule_Input *rule);
void Get_Member_Kmod(const Connection_Input *input, Connection_Result *result);
/* f_u,k of the fastener (N/mm²): a dowel's or bolt's from its steel grade, else the input's. */
double Get_Fastener_Fu_K(void);
/* kmod of group g for the middle member, the side members and the joint (each optional). */
void Get_Group_Kmod(int group, double *kmod_mid, double *kmod_side, double *kmod_joint);
void Copy_Vbm_Results(Connection_Result *result, const Vbm_Rule_Result *rule, int in_kN);
double Get_Pattern_Length_Mm(void);

/* Members of the connection by connection kind (member 1 first); thicknesses in mm. */
typedef struct Joint_Members {
    int32_t mat_1, grade_1, mat_2, grade_2;
    double t1, t2;                  /* mm */
    double gamma_1, gamma_2;
} Joint_Members;
void Get_Joint_Members(Joint_Members *m);

/* ---------------------------------------------------------------- section values, labels */

void Calc_Net_Section_Values(double *A_mid, double *A_side, double *I_mid, double *I_side,
                             double *W_mid, double *W_side);
void Calc_Plate_Net_Section_Values(double *A, double *I, double *W);
int Is_Block_Shear_Check_On(void);
const char *Get_Load_Type_Name(int i);
const char *Get_Fv_Rk_Label(void);
const char *Get_Fax_Rk_Label(void);
const char *Get_Fv_Rk_Standard_Ref(void);
