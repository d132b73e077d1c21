/*
** Design of one fastener connection: spacings of both members, slip modulus, modification factors,
** axial capacity, the lateral resistance of one dowel-type fastener by family, member layout and
** proof method, the resistance of one connector, the design values and the totals.
** EN 1995-1-1, section 8, with the national annex (Nad_Params set), or DIN 1052 (null).
** Forces in N (kN where result_in_kN asks for it), lengths in mm, angles in degrees at the input.
*/
#include "design/design_run.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "catalogue/catalogue.h"
#include "design/design_axial.h"
#include "design/design_embedment.h"
#include "design/design_lateral.h"
#include "design/design_plates.h"
#include "design/design_spacing.h"
#include "design/design_state.h"
#include "design/design_texts.h"
#include "nad/nad.h"

/* Code of a design value that cannot be determined ("Fv,Rk nicht ermittelbar"). */
#define CODE_NOT_DETERMINABLE 168

/* An accidental combination under the annex, whose one factor of connections every mode takes
** (DIN 1052 keeps its factors by mode). */
static bool Accidental_Annex(const Connection_Input &input)
{
    return input.accidental != 0 && Nad_Params != nullptr;
}

/*
** Return the partial factor of the dowel-type part: the aluminium factor when the bearing of an
** aluminium plate governs (rule 30); under EN 1995 in an accidental combination the annex's
** accidental factor; else 1.1 in the simplified proof, the annex's factor of connections under
** EN 1995, 1.3 under DIN 1052.
*/
double Get_Connection_Gamma_M(const Connection_Input &input, int rule)
{
    if (rule == MODE_ALU_BEARING) return Get_Alu_Gamma_M();
    if (Accidental_Annex(input)) return Get_Gamma_M_Connections(1);
    if (input.proof_method == 0) return 1.1;
    if (Nad_Params != nullptr) return Nad_Params->gamma_m_connections;
    return 1.3;
}

double Get_Connector_Gamma_M(double member_gamma, int accidental)
{
    if (Nad_Params != nullptr) return Get_Gamma_M_Connections(accidental);
    return member_gamma;
}

double Get_Axial_Gamma_M(const Connection_Input &input)
{
    if (!(std::max(input.gamma_m_1, input.gamma_m_2) > 0.0)) return 0.0;
    return Get_Gamma_M_Connections(input.accidental);
}

/* ---------------------------------------------------------------- modification factors */

void Calc_Member_Kmods(const Connection_Input &in, const User_Material *user, double *kmod_1,
                       double *kmod_2)
{
    const bool plate1 = Is_Mat_Metal_Plate(in.mat_1), plate2 = Is_Mat_Metal_Plate(in.mat_2);
    if (in.kmod_by_member || in.kmod_given < 1e-7) {
        if (!plate2)
            Get_Kmod(in.mat_2, in.grade_2, in.service_class_2, in.load_duration, kmod_2, user);
        if (!plate1)
            Get_Kmod(in.mat_1, in.grade_1, in.service_class_1, in.load_duration, kmod_1, user);
        if (plate1) *kmod_1 = *kmod_2;
        if (plate2) *kmod_2 = *kmod_1;
        return;
    }
    /* The preset is the timber's value; a panel's own may be lower (EN 1995-1-1, Table 3.1). A
    ** user-defined material (grade 14) keeps the preset. */
    const double preset = in.kmod_given;
    const auto member = [&](int mat, int grade, int sc) {
        double own = 0.0;
        if (Is_Mat_Wood_Panel(mat) && grade != 14 && grade != -999
            && Get_Kmod(mat, grade, sc, in.load_duration, &own, user) && own < preset)
            return own;
        return preset;
    };
    *kmod_1 = member(in.mat_1, in.grade_1, in.service_class_1);
    *kmod_2 = member(in.mat_2, in.grade_2, in.service_class_2);
    if (plate1) *kmod_1 = *kmod_2;
    if (plate2) *kmod_2 = *kmod_1;
}

namespace {

double Rad(double deg) { return deg * DESIGN_PI / 180.0; }

bool Is_Toothed(int type) { return Is_Vbm_Toothed_Plate(type); }

bool User_Defined(int mat, int grade)
{
    return mat == MAT_UNDEFINED || mat == MAT_FREI || grade == -999;
}

/* Tensile strength of the fastener for the yield moment: the steel grade's, or the given one. */
double Fastener_Fu(const Connection_Input &in)
{
    if (in.steel_grade >= 0) return Get_Stahlguete(static_cast<uint32_t>(in.steel_grade))->fu;
    return in.fu;
}

/*
** Clear every byte of a result, or copy one into another. A result is a plain record of some
** 870 bytes: sixteen-byte moves, unrolled, take a fraction of the time of the string store or
** move (rep stos, rep movs) that memset and memcpy of that size become.
*/
constexpr size_t RESULT_WIDE = sizeof(Connection_Result) / 16 * 16; /* bytes moved 16 at a time */

void Clear_Result(Connection_Result *r)
{
    char *p = reinterpret_cast<char *>(r);
#if defined(__SSE2__)
    const __m128i zero = _mm_setzero_si128();
#pragma GCC unroll 48
    for (size_t i = 0; i < RESULT_WIDE; i += 16)
        _mm_storeu_si128(reinterpret_cast<__m128i *>(p + i), zero);
    std::memset(p + RESULT_WIDE, 0, sizeof *r - RESULT_WIDE);
#else
    std::memset(p, 0, sizeof *r);
#endif
}

void Copy_Result(Connection_Result *to, const Connection_Result *from)
{
    char *p = reinterpret_cast<char *>(to);
    const char *q = reinterpret_cast<const char *>(from);
#if defined(__SSE2__)
#pragma GCC unroll 48
    for (size_t i = 0; i < RESULT_WIDE; i += 16)
        _mm_storeu_si128(reinterpret_cast<__m128i *>(p + i),
                         _mm_loadu_si128(reinterpret_cast<const __m128i *>(q + i)));
    std::memcpy(p + RESULT_WIDE, q + RESULT_WIDE, sizeof *to - RESULT_WIDE);
#else
    std::memcpy(p, q, sizeof *to);
#endif
}

/* Spacings of a metal-plate member: a1 and a2 2.4 d0, the distances 1.2 d0 (EN 1993-1-8). */
void Plate_Spacings(double dia, int fitted, double s[6])
{
    double e1 = 0.0, p2 = 0.0;
    Calc_Plate_Hole_Geometry(dia, fitted, nullptr, &e1, nullptr, &p2);
    s[0] = s[1] = p2;
    s[2] = s[3] = s[4] = s[5] = e1;
}

/* Step 6 and 7: the minimum spacings of both members. */
void Member_Spacings(const Connection_Input &in, Connection_Result *r)
{
    const int type = in.vbm_type;
    const bool plate1 = Is_Mat_Metal_Plate(in.mat_1);
    for (int m = 1; m <= 2; m++) {
        const int mat = m == 1 ? in.mat_1 : in.mat_2;
        const double rho = m == 1 ? r->rho_1 : r->rho_2;
        const double alpha = Rad(m == 1 ? in.alpha_1 : in.alpha_2);
        const double staple = m == 1 ? in.staple_angle_1 : in.staple_angle_2;
        double *s = m == 1 ? r->spacing_1 : r->spacing_2;
        int32_t *rule = m == 1 ? &r->spacing_rule_1 : &r->spacing_rule_2;
        const int spacing_mat = (m == 2 && plate1) ? MAT_STAHLBLECH : mat;
        if (Is_Vbm_Connector(type)) {
            if (Is_Mat_Metal_Plate(mat)) {
                double dia = in.d_bolt;
                if (type == VBM_SCHEIBENDUEBEL_B1)
                    dia = Get_Connector_Value(VBM_SCHEIBENDUEBEL_B1, in.vbm_row, "d3");
                Plate_Spacings(dia, in.fitted_bolt, s);
            } else {
                *rule = Calc_Min_Spacings(/*vbm_type=*/type, /*predrilled=*/in.predrilled,
                                          /*fitted_bolt=*/in.fitted_bolt, /*douglas=*/in.douglas,
                                          /*split_rule=*/in.split_rule, /*mat=*/spacing_mat,
                                          /*rho_k=*/rho, /*d=*/in.d, /*d_bolt=*/in.d_bolt,
                                          /*alpha=*/alpha, /*staple_angle=*/staple, /*t1=*/in.t1,
                                          /*t2=*/in.t2, /*a1=*/&s[0], /*a2=*/&s[1], /*a3t=*/&s[2],
                                          /*a3c=*/&s[3], /*a4t=*/&s[4], /*a4c=*/&s[5]);
            }
            continue;
        }
        if (Is_Mat_Metal_Plate(mat)) {
            const int fitted = (type == VBM_BOLZEN && in.bolt_clearance) ? 0 : in.fitted_bolt;
            Plate_Spacings(in.d, fitted, s);
        } else if (type == VBM_SPAX_BENUTZER && !in.predrilled && Is_Mat_Timber_B(mat)
                   && (in.eta12_spacing_block.eta12_spacing_kind == 1
                       || in.eta12_spacing_block.eta12_spacing_kind == 2)) {
            Calc_Screw_Line_Spacings(/*block=*/&in.eta12_spacing_block,
                                     /*predrilled_flag=*/in.predrilled, /*material=*/mat,
                                     /*alpha=*/alpha, /*a1=*/&s[0], /*a2=*/&s[1], /*a3t=*/&s[2],
                                     /*a3c=*/&s[3], /*a4t=*/&s[4], /*a4c=*/&s[5]);
        } else {
            *rule = Calc_Min_Spacings(/*vbm_type=*/type, /*predrilled=*/in.predrilled,
                                      /*fitted_bolt=*/in.fitted_bolt, /*douglas=*/in.douglas,
                                      /*split_rule=*/in.split_rule, /*mat=*/spacing_mat,
                                      /*rho_k=*/rho, /*d=*/in.d, /*d_bolt=*/in.d, /*alpha=*/alpha,
                                      /*staple_angle=*/staple, /*t1=*/in.t1, /*t2=*/in.t2,
                                      /*a1=*/&s[0], /*a2=*/&s[1], /*a3t=*/&s[2], /*a3c=*/&s[3],
                                      /*a4t=*/&s[4], /*a4c=*/&s[5]);
        }
    }
}

/* Step 10: modification factors of both members. */
void Modification_Factors(const Connection_Input &in, Connection_Result *r)
{
    Calc_Member_Kmods(in, &in.user_material, &r->kmod_1, &r->kmod_2);
}

/*
** Step 12: compressive strength perpendicular to the grain under the washer or head, N/mm².
** plate_value_2: member 2's value is looked up also when it is a metal plate (the older run).
*/
double Washer_Fc90(const Connection_Input &in, bool plate_value_2 = false)
{
    const bool plate1 = Is_Mat_Metal_Plate(in.mat_1), plate2 = Is_Mat_Metal_Plate(in.mat_2);
    const auto value = [&](int mat, int grade, int sc) {
        if (User_Defined(mat, grade)) return in.user_material.f_c90_k * 1000.0;
        return Get_Mat_Value(mat, grade, sc, 1);
    };
    const double f1 = plate1 ? 0.0 : value(in.mat_1, in.grade_1, in.service_class_1);
    const double f2 =
        plate2 && !plate_value_2 ? 0.0 : value(in.mat_2, in.grade_2, in.service_class_2);
    double f;
    if (in.shear_planes == 1 && in.vbm_type == VBM_BOLZEN) {
        if (!plate1 && !plate2) f = std::min(f1, f2);
        else if (plate2) f = f1;
        else f = f2;
    } else {
        f = plate1 ? f2 : f1;
    }
    return f / 1000.0;
}

bool Penetrating_Type(int type)
{
    return Is_Vbm_Din571_Screw(type) || Is_Vbm_Screw_Eta12(type) || Is_Vbm_Screw_Eta11(type)
           || Is_Vbm_Nail(type) || type == VBM_KLAMMER;
}

/* Step 13: the effective penetration length of the axial design. */
double Axial_Penetration(const Connection_Input &in, const Connection_Result *r)
{
    if (!Penetrating_Type(in.vbm_type)) return in.t2;
    double p = 0.0;
    Calc_T_Req_Reduction(/*type=*/in.vbm_type, /*fu=*/in.fu, /*kind=*/in.shear_planes, /*d=*/in.d,
                         /*length=*/in.length, /*axis_angle=*/in.axis_angle,
                         /*predrilled=*/in.predrilled, /*variant=*/in.stainless,
                         /*fitted=*/in.fitted_bolt, /*t1=*/in.t1, /*t2=*/in.t2, /*rho1=*/r->rho_1,
                         /*rho2=*/r->rho_2, /*mat1=*/in.mat_1, /*mat2=*/in.mat_2, /*g1=*/in.grade_1,
                         /*g2=*/in.grade_2, /*user1=*/&in.user_embedment, /*user2=*/nullptr,
                         /*out_penetration=*/&p, /*out_member=*/nullptr, /*out_k=*/nullptr,
                         /*out_t1_req=*/nullptr, /*out_t2_req=*/nullptr);
    return p;
}

/* Step 22: the bearing of an aluminium plate (member m) caps the lateral resistance. */
void Alu_Cap(const Connection_Input &in, int m, Connection_Result *r)
{
    const int mat = m == 1 ? in.mat_1 : in.mat_2;
    if (mat != MAT_ALUBLECH) return;
    const int grade = m == 1 ? in.grade_1 : in.grade_2;
    const double t = m == 1 ? in.t1 : in.t2;
    r->alu_gamma = Get_Alu_Gamma_M();
    r->alu_fu = Get_Alu_Fu(grade);
    r->alu_fb_rk = Calc_Plate_Bearing_Resistance(in.d, t, in.fitted_bolt, r->alu_fu, &r->alu_k1,
                                                 &r->alu_alpha_b);
    r->alu_fb_rd = r->alu_fb_rk / r->alu_gamma;
    if (r->alu_fb_rk < r->rk_lateral) {
        r->rk_lateral = r->alu_fb_rk;
        r->rope_rk = r->rk_plate_thin = r->rk_plate_thick = 0.0;
        r->rule_char = MODE_ALU_BEARING;
        r->gamma_lateral = r->alu_gamma;
    }
    if (r->alu_fb_rd < r->rd_lateral) {
        r->rd_lateral = r->alu_fb_rd;
        r->rule_design = MODE_ALU_BEARING;
    }
}

/* Step 18: dowels and bolts (also the bolt of a toothed-plate unit, given as a bolt copy).
** The rules that take the whole input read the diameter d_3 as d; they get a copy. */
void Dowel_Bolt_Lateral(const Connection_Input &in, Connection_Result *r, bool legacy)
{
    const bool plate1 = Is_Mat_Metal_Plate(in.mat_1), plate2 = Is_Mat_Metal_Plate(in.mat_2);
    const double fu = Fastener_Fu(in);
    const double a1 = Rad(in.alpha_1), a2 = Rad(in.alpha_2);
    if (in.proof_method == 1 || in.proof_method == 2) {
        if (!plate1 && !plate2) {
            Calc_Rk_Timber_Timber(/*proof_method=*/in.proof_method,
                                  /*shear_planes=*/in.shear_planes, /*d=*/in.d,
                                  /*length=*/in.length, /*axis_angle=*/in.axis_angle,
                                  /*predrilled=*/in.predrilled, /*stainless=*/in.stainless,
                                  /*fitted_bolt=*/in.fitted_bolt, /*threaded_rod=*/in.threaded_rod,
                                  /*vbm_type=*/in.vbm_type, /*alpha_1=*/a1, /*alpha_2=*/a2,
                                  /*t1=*/in.t1, /*t2=*/in.t2, /*rho_1=*/r->rho_1,
                                  /*rho_2=*/r->rho_2, /*mat_1=*/in.mat_1, /*mat_2=*/in.mat_2,
                                  /*grade_1=*/in.grade_1, /*grade_2=*/in.grade_2, /*fu=*/fu,
                                  /*user=*/&in.user_embedment, /*result=*/r);
            Calc_Rd_Timber_Timber(/*gamma_m_1=*/in.gamma_m_1, /*gamma_m_2=*/in.gamma_m_2,
                                  /*gamma_steel=*/in.gamma_steel, /*kmod_1=*/r->kmod_1,
                                  /*kmod_2=*/r->kmod_2, /*shear_planes=*/in.shear_planes,
                                  /*d=*/in.d, /*length=*/in.length, /*axis_angle=*/in.axis_angle,
                                  /*predrilled=*/in.predrilled, /*stainless=*/in.stainless,
                                  /*fitted_bolt=*/in.fitted_bolt, /*threaded_rod=*/in.threaded_rod,
                                  /*vbm_type=*/in.vbm_type, /*alpha_1=*/a1, /*alpha_2=*/a2,
                                  /*t1=*/in.t1, /*t2=*/in.t2, /*rho_1=*/r->rho_1,
                                  /*rho_2=*/r->rho_2, /*mat_1=*/in.mat_1, /*mat_2=*/in.mat_2,
                                  /*grade_1=*/in.grade_1, /*grade_2=*/in.grade_2, /*fu=*/fu,
                                  /*user=*/&in.user_embedment, /*result=*/r);
        } else if (plate2) {
            Calc_Rk_Rd_Inner_Plate(/*proof_method=*/in.proof_method, /*gamma_m_1=*/in.gamma_m_1,
                                   /*gamma_m_2=*/in.gamma_m_2, /*gamma_steel=*/in.gamma_steel,
                                   /*kmod_1=*/r->kmod_1, /*d=*/in.d, /*vbm_type=*/in.vbm_type,
                                   /*predrilled=*/in.predrilled, /*stainless=*/in.stainless,
                                   /*threaded_rod=*/in.threaded_rod, /*fitted_bolt=*/in.fitted_bolt,
                                   /*alpha_1=*/a1, /*t1=*/in.t1, /*rho_1=*/r->rho_1,
                                   /*mat_1=*/in.mat_1, /*grade_1=*/in.grade_1, /*fu=*/fu,
                                   /*result=*/r);
            Alu_Cap(in, 2, r);
        } else {
            Connection_Input work = in;
            work.d_3 = work.d;
            Calc_Rk_Outer_Plate(work, r);
            Calc_Rd_Outer_Plate(work, r);
            Alu_Cap(work, 1, r);
        }
        return;
    }
    if (!plate1 && !plate2) {
        /* dowels fit their holes */
        const int fitted = (in.vbm_type == VBM_STABDUEBEL && !legacy) ? 1 : in.fitted_bolt;
        r->rk_lateral = Calc_Rk_Dowel_Bolt(/*type=*/in.vbm_type, /*d=*/in.d, /*length=*/in.length,
                                           /*fu=*/fu, /*predrilled=*/in.predrilled,
                                           /*stainless=*/in.stainless, /*fitted_bolt=*/fitted,
                                           /*threaded_rod=*/in.threaded_rod,
                                           /*shear_planes=*/in.shear_planes,
                                           /*axis_angle=*/in.axis_angle, /*t1=*/in.t1, /*t2=*/in.t2,
                                           /*rho_1=*/r->rho_1, /*rho_2=*/r->rho_2, /*alpha_1=*/a1,
                                           /*alpha_2=*/a2, /*mat_1=*/in.mat_1, /*mat_2=*/in.mat_2,
                                           /*grade_1=*/in.grade_1, /*grade_2=*/in.grade_2,
                                           /*user=*/&in.user_embedment, /*result=*/r);
    } else if (plate2) {
        r->rk_lateral = Calc_Rk_Thick_Plate(/*type=*/in.vbm_type, /*d=*/in.d, /*t=*/in.t1,
                                            /*predrilled=*/in.predrilled, /*fitted=*/in.fitted_bolt,
                                            /*grade=*/in.grade_1, /*variant=*/in.stainless,
                                            /*threaded_rod=*/in.threaded_rod, /*alpha=*/a1,
                                            /*fu=*/fu, /*mat=*/in.mat_1, /*rho_k=*/r->rho_1,
                                            /*result=*/r);
        Alu_Cap(in, 2, r);
    } else {
        r->rk_lateral = Calc_Rk_Plate_Interpolated(/*type=*/in.vbm_type, /*d=*/in.d, /*t=*/in.t2,
                                                   /*predrilled=*/in.predrilled,
                                                   /*fitted=*/in.fitted_bolt, /*grade=*/in.grade_2,
                                                   /*variant=*/in.stainless,
                                                   /*threaded_rod=*/in.threaded_rod, /*alpha=*/a2,
                                                   /*fu=*/fu, /*mat=*/in.mat_2, /*rho_k=*/r->rho_2,
                                                   /*plate_material=*/in.mat_1, /*plate_t=*/in.t1,
                                                   /*clearance=*/in.plate_hole_clearance,
                                                   /*result=*/r);
        Alu_Cap(in, 1, r);
    }
    r->gamma_lateral = Get_Connection_Gamma_M(in, r->rule_char);
}

/*
** Steps 20.3 to 20.5: d_k at least d; the working thicknesses *t1, *t2 (given as the members'
** thicknesses) of a nail, staple or screw whose point length is l_ef, and its length and threaded
** length shortened to what lies in the members.
*/
void Working_Lengths(Connection_Input &in, double l_ef, double *t1, double *t2)
{
    if (in.d_k < in.d) in.d_k = in.d;
    const int sp = in.shear_planes;
    if (sp == 1 && l_ef < *t2) *t2 = l_ef;
    if (Is_Vbm_Special_Nail(in.vbm_type) && *t2 > in.length) {
        *t2 = in.length;
    } else {
        const double s = std::sin(Rad(in.axis_angle));
        if (s > 0.0) {
            if (sp == 1 && *t1 + *t2 < in.length * s) {
                in.length = (*t1 + *t2) / s;
            } else if (sp == 2 && l_ef < *t1 / s) {
                in.length -= *t1 / s - l_ef;
                *t1 = l_ef;
            }
        }
    }
    in.l_thread = std::min(in.l_thread, in.length);
}

/* Step 20: nails, staples and screws. Returns 0 or the code 6, 7 or 8. */
int Nail_Screw_Lateral(Connection_Input &in, Connection_Result *r)
{
    const int type = in.vbm_type;
    /* beside steel plates the yield moment takes the steel grade's f_u, but never more than the
    ** fastener's own (a DIN 571 screw entered at 300 N/mm² keeps its 300) */
    const double fu_steel = in.fu > 0.0 ? std::fmin(Fastener_Fu(in), in.fu) : Fastener_Fu(in);
    if (type == VBM_KLAMMER && in.fu <= 800.0) in.fu = 800.0;
    if (!(in.d > 0.0 && in.length > 0.0)) return 0;
    const double d = in.d;
    const int cs = Calc_T_Req_Reduction(/*type=*/type, /*fu=*/in.fu, /*kind=*/in.shear_planes,
                                        /*d=*/d, /*length=*/in.length, /*axis_angle=*/in.axis_angle,
                                        /*predrilled=*/in.predrilled, /*variant=*/in.stainless,
                                        /*fitted=*/in.fitted_bolt, /*t1=*/in.t1, /*t2=*/in.t2,
                                        /*rho1=*/r->rho_1, /*rho2=*/r->rho_2, /*mat1=*/in.mat_1,
                                        /*mat2=*/in.mat_2, /*g1=*/in.grade_1, /*g2=*/in.grade_2,
                                        /*user1=*/&in.user_embedment, /*user2=*/nullptr,
                                        /*out_penetration=*/&r->l_ef,
                                        /*out_member=*/&r->point_member, /*out_k=*/nullptr,
                                        /*out_t1_req=*/&r->t_req_1, /*out_t2_req=*/&r->t_req_2);
    in.d_3 = d;
    const int sp = in.shear_planes;
    if (sp == 1 && r->point_member == 0 && r->l_ef < 4.0 * d) return DERR_NAIL_PENETRATION_4D;
    if (sp == 2 && r->point_member == 1 && r->l_ef < 4.0 * d) return DERR_NAIL_PENETRATION_4D;
    if (sp == 2 && r->point_member < 2) return DERR_TOO_SHORT_DOUBLE_SHEAR;
    if (cs == 0) return DERR_FASTENER_TOO_SHORT;

    /* the failure modes of a wood screw to DIN 571 take its effective diameter (EN 1995-1-1,
    ** 8.7.1), the plate is classified and the point measured by its d */
    const double d_ef = Calc_Din571_Effective_Diameter(in);
    double t1 = in.t1, t2 = in.t2;
    Working_Lengths(in, r->l_ef, &t1, &t2);

    const bool plate1 = Is_Mat_Metal_Plate(in.mat_1), plate2 = Is_Mat_Metal_Plate(in.mat_2);
    const double a1 = Rad(in.alpha_1), a2 = Rad(in.alpha_2);
    if (in.proof_method == 1 || in.proof_method == 2) {
        if (type == VBM_KLAMMER || (!plate1 && !plate2)) {
            Calc_Rk_Timber_Timber(/*proof_method=*/in.proof_method, /*shear_planes=*/sp, /*d=*/d_ef,
                                  /*length=*/in.length, /*axis_angle=*/in.axis_angle,
                                  /*predrilled=*/in.predrilled, /*stainless=*/in.stainless,
                                  /*fitted_bolt=*/in.fitted_bolt, /*threaded_rod=*/in.threaded_rod,
                                  /*vbm_type=*/type, /*alpha_1=*/a1, /*alpha_2=*/a2, /*t1=*/t1,
                                  /*t2=*/t2, /*rho_1=*/r->rho_1, /*rho_2=*/r->rho_2,
                                  /*mat_1=*/in.mat_1, /*mat_2=*/in.mat_2, /*grade_1=*/in.grade_1,
                                  /*grade_2=*/in.grade_2, /*fu=*/in.fu, /*user=*/&in.user_embedment,
                                  /*result=*/r);
            Calc_Rd_Timber_Timber(/*gamma_m_1=*/in.gamma_m_1, /*gamma_m_2=*/in.gamma_m_2,
                                  /*gamma_steel=*/in.gamma_steel, /*kmod_1=*/r->kmod_1,
                                  /*kmod_2=*/r->kmod_2, /*shear_planes=*/sp, /*d=*/d_ef,
                                  /*length=*/in.length, /*axis_angle=*/in.axis_angle,
                                  /*predrilled=*/in.predrilled, /*stainless=*/in.stainless,
                                  /*fitted_bolt=*/in.fitted_bolt, /*threaded_rod=*/in.threaded_rod,
                                  /*vbm_type=*/type, /*alpha_1=*/a1, /*alpha_2=*/a2, /*t1=*/t1,
                                  /*t2=*/t2, /*rho_1=*/r->rho_1, /*rho_2=*/r->rho_2,
                                  /*mat_1=*/in.mat_1, /*mat_2=*/in.mat_2, /*grade_1=*/in.grade_1,
                                  /*grade_2=*/in.grade_2, /*fu=*/in.fu, /*user=*/&in.user_embedment,
                                  /*result=*/r);
            if (type == VBM_KLAMMER) { /* two legs */
                r->rk_lateral *= 2.0;
                r->rd_lateral *= 2.0;
            }
        } else if (plate1) {
            Connection_Input work = in;
            work.d = d_ef;
            work.t1 = t1;
            work.t2 = t2;
            work.fu = fu_steel;
            Calc_Rk_Outer_Plate(work, r);
            Calc_Rd_Outer_Plate(work, r);
        } else {
            Calc_Rk_Rd_Inner_Plate(/*proof_method=*/in.proof_method, /*gamma_m_1=*/in.gamma_m_1,
                                   /*gamma_m_2=*/in.gamma_m_2, /*gamma_steel=*/in.gamma_steel,
                                   /*kmod_1=*/r->kmod_1, /*d=*/d_ef, /*vbm_type=*/type,
                                   /*predrilled=*/in.predrilled, /*stainless=*/in.stainless,
                                   /*threaded_rod=*/in.threaded_rod, /*fitted_bolt=*/in.fitted_bolt,
                                   /*alpha_1=*/a1, /*t1=*/t1, /*rho_1=*/r->rho_1,
                                   /*mat_1=*/in.mat_1, /*grade_1=*/in.grade_1, /*fu=*/fu_steel,
                                   /*result=*/r);
            Alu_Cap(in, 2, r);
        }
        Alu_Cap(in, 1, r);
        return 0;
    }

    double rk = 0.0;
    const auto args_rule = [&](double (*rule)(SIMPLIFIED_RULE_ARGS)) {
        return rule(/*type=*/type, /*d=*/d, /*length=*/in.length, /*fu=*/in.fu,
                    /*predrilled=*/in.predrilled, /*stainless=*/in.stainless,
                    /*fitted_bolt=*/in.fitted_bolt, /*threaded_rod=*/in.threaded_rod,
                    /*shear_planes=*/sp, /*axis_angle=*/in.axis_angle, /*t1=*/t1, /*t2=*/t2,
                    /*rho_1=*/r->rho_1, /*rho_2=*/r->rho_2, /*alpha_1=*/a1, /*alpha_2=*/a2,
                    /*mat_1=*/in.mat_1, /*mat_2=*/in.mat_2, /*grade_1=*/in.grade_1,
                    /*grade_2=*/in.grade_2, /*user=*/&in.user_embedment, /*result=*/r);
    };
    /* a wood screw to DIN 571 takes its effective diameter in the simplified proof too (EN
    ** 1995-1-1, 8.7.1), for My, fh and the resistance; the plate's class, the required
    ** thicknesses and the point's 4 d keep d */
    if (in.mat_1 == MAT_FERMACELL) {
        rk = args_rule(type == VBM_KLAMMER ? Calc_Rk_Staple_Gypsum_Fibre
                                           : Calc_Rk_Nail_Gypsum_Fibre);
    } else if (!plate1 && !plate2) {
        if (type == VBM_KLAMMER) rk = args_rule(Calc_Rk_Staple);
        else if (Is_Vbm_Din571_Screw(type))
            rk = Calc_Rk_Screw_Din571_Ef(
                /*type=*/type, /*d=*/d, /*length=*/in.length, /*fu=*/in.fu,
                /*predrilled=*/in.predrilled, /*stainless=*/in.stainless,
                /*fitted_bolt=*/in.fitted_bolt, /*threaded_rod=*/in.threaded_rod,
                /*shear_planes=*/sp, /*axis_angle=*/in.axis_angle, /*t1=*/t1, /*t2=*/t2,
                /*rho_1=*/r->rho_1, /*rho_2=*/r->rho_2, /*alpha_1=*/a1, /*alpha_2=*/a2,
                /*mat_1=*/in.mat_1, /*mat_2=*/in.mat_2, /*grade_1=*/in.grade_1,
                /*grade_2=*/in.grade_2, /*user=*/&in.user_embedment, /*result=*/r, /*d_ef=*/d_ef);
        else if (Is_Vbm_Screw_Eta12(type) || Is_Vbm_Screw_Eta11(type))
            rk = args_rule(Calc_Rk_Screw_Approved);
        else if (Is_Mat_Panel(in.mat_1) != Is_Mat_Panel(in.mat_2))
            rk = args_rule(Calc_Rk_Nail_Panel);
        else
            rk = Calc_Nail_Simplified_Rk(/*kind=*/sp, /*d=*/d, /*length=*/in.length, /*fu=*/in.fu,
                                         /*predrilled=*/in.predrilled, /*variant=*/in.stainless,
                                         /*t1=*/t1, /*t2=*/t2, /*rho1=*/r->rho_1,
                                         /*rho2=*/r->rho_2, /*alpha1=*/a1, /*alpha2=*/a2,
                                         /*mat1=*/in.mat_1, /*mat2=*/in.mat_2, /*g1=*/in.grade_1,
                                         /*g2=*/in.grade_2, /*user1=*/&in.user_embedment,
                                         /*user2=*/nullptr, /*result=*/r);
        r->rk_lateral = rk;
    } else if (plate2) {
        r->rk_lateral = Calc_Rk_Thick_Plate_Ef(/*type=*/type, /*d=*/d, /*d_ef=*/d_ef, /*t=*/t1,
                                               /*predrilled=*/in.predrilled,
                                               /*fitted=*/in.fitted_bolt, /*grade=*/in.grade_1,
                                               /*variant=*/in.stainless,
                                               /*threaded_rod=*/in.threaded_rod, /*alpha=*/a1,
                                               /*fu=*/fu_steel, /*mat=*/in.mat_1,
                                               /*rho_k=*/r->rho_1, /*result=*/r);
        Alu_Cap(in, 2, r);
    } else {
        r->rk_lateral =
            Calc_Rk_Outer_Plate_Simplified_Ef(/*type=*/type, /*d=*/d, /*d_ef=*/d_ef,
                                              /*length=*/in.length,
                                              /*shear_planes=*/sp,
                                              /*predrilled=*/in.predrilled,
                                              /*fitted=*/in.fitted_bolt,
                                              /*variant=*/in.stainless,
                                              /*threaded_rod=*/in.threaded_rod,
                                              /*alpha_2=*/a2, /*fu=*/fu_steel,
                                              /*plate_material=*/in.mat_1, /*plate_t=*/t1,
                                              /*clearance=*/in.plate_hole_clearance,
                                              /*mat_2=*/in.mat_2, /*grade_2=*/in.grade_2,
                                              /*t2=*/t2, /*rho_2=*/r->rho_2,
                                              /*user=*/&in.user_embedment, /*result=*/r);
        Alu_Cap(in, 1, r);
    }
    if (in.mat_1 == MAT_FERMACELL || (!plate1 && !plate2)) r->rk_lateral = rk;
    r->gamma_lateral = Get_Connection_Gamma_M(in, r->rule_char);
    return 0;
}

/* Keep the message codes the steps before the lateral resistance left, to set them again
** before every angle (at most BASE_MSG_MAX per list; more make the base not repeatable). */
void Save_Base_Messages(Connection_Base *b)
{
    const Msg_Code_Block &m = Msg_Codes;
    const int n = m.count, n2 = m.count2;
    b->msg_count = n;
    b->msg_count2 = n2;
    b->repeatable = n >= 0 && n <= BASE_MSG_MAX && n2 >= 0 && n2 <= BASE_MSG_MAX;
    if (!b->repeatable) return;
    for (int k = 0; k < n; k++) b->msg[0][k] = m.codes[k];
    for (int k = 0; k < n2; k++) b->msg[1][k] = m.codes[MSG_LIST_SIZE + k];
}

void Restore_Base_Messages(const Connection_Base *b)
{
    Msg_Code_Block &m = Msg_Codes;
    for (int k = 0; k < b->msg_count; k++) m.codes[k] = b->msg[0][k];
    for (int k = 0; k < b->msg_count2; k++) m.codes[MSG_LIST_SIZE + k] = b->msg[1][k];
    m.count = b->msg_count;
    m.count2 = b->msg_count2;
}

/*
** Does the run leave the input as it is up to the angle steps? The user screw lines, the
** approved screw types 45 and 46 and an axis angle that a fastener other than a screw turns to
** 90 degrees change it; a single design of any other input reads the caller's record itself.
*/
bool Input_Kept_As_Given(const Connection_Input &in)
{
    const int type = in.vbm_type;
    if (Is_Vbm_User_Screw(type) || Is_Vbm_Simpson_Nail(type)) return false;
    const bool screw =
        Is_Vbm_Din571_Screw(type) || Is_Vbm_Screw_Eta12(type) || Is_Vbm_Screw_Eta11(type);
    return screw || in.axis_angle == 90.0;
}

/*
** Is the axial value only needed for the rope effect? For dowels, bolts and connectors the axial
** rules leave no message (given a partial factor) and no density of their own, so that without
** the rope effect the run drops their value unread; their detail fields then stay 0.
*/
bool Axial_Only_For_Rope(const Connection_Input &in)
{
    const int type = in.vbm_type;
    return (Is_Vbm_Dowel_Or_Bolt(type) || Is_Vbm_Connector(type))
           && std::max(in.gamma_m_1, in.gamma_m_2) > 0.0;
}

/*
** The steps of the run that do not read the force-to-grain angles: admissibility, densities,
** slip modulus, modification factors and the axial value, into *r (the base's own result, or
** for a single design the caller's, so that nothing is copied). *use gets the input the angle
** steps read: the base's copy, or for a single design that keeps its input the caller's record.
** Return the code of Check_Connection_Input (the base is then not usable, *r not touched) or 0.
*/
int Run_Base(const Connection_Input &input, Connection_Base *b, bool legacy, Connection_Result *r,
             const Connection_Input **use)
{
    const bool single = r != &b->r;
    if (!single) b->input = input; /* a base for designs at many angles */
    b->code = -1;                  /* bare-code: not run yet, below every code */
    b->repeatable = 0;
    b->legacy = legacy;
    const bool own_copy = !single || !Input_Kept_As_Given(input);
    if (own_copy) {
        b->in = input;
        Apply_Screw43_Data(&b->in);
        Apply_Screw44_Data(&b->in);
    }
    *use = own_copy ? &b->in : &input;
    /* what follows changes the input only through `work`, which is the base's own copy */
    Connection_Input *work = own_copy ? &b->in : nullptr;
    const Connection_Input &in = **use;
    /* the densities of the admissibility checks are those of the design */
    double rho_1 = 0.0, rho_2 = 0.0;
    Get_Rho_K(in.mat_1, in.grade_1, in.t1, &rho_1, &in.user_material);
    Get_Rho_K(in.mat_2, in.grade_2, in.t2, &rho_2, &in.user_material);
    if (const int code = Check_Connection_Input_Rho(in, rho_1, rho_2)) {
        b->code = code;
        return code;
    }

    /* every field 0 */
    Clear_Result(r);
    Msg_Code_Block &messages = Msg_Codes;
    messages.count = 0;
    messages.count2 = 0;
    r->msg_code = 0;
    r->rho_1 = rho_1;
    r->rho_2 = rho_2;
    if (work != nullptr && Is_Vbm_Simpson_Nail(in.vbm_type)) {
        work->proof_method = 1;
        work->fu = 600.0;
    }
    /* The spacings (steps 6 and 7) read the input and the densities as they are here (only the
    ** axis angle changes after this point); they write only the spacing fields, which no later
    ** step reads, and follow with the angles. */
    b->spacing_axis_angle = in.axis_angle;
    b->rho_spacing_1 = r->rho_1;
    b->rho_spacing_2 = r->rho_2;

    /* the densities are those just looked up with the same arguments */
    r->k_ser =
        Calc_Vbm_Kser_Rho(in.vbm_type, in.predrilled, in.d, in.mat_1, r->rho_1, in.mat_2, r->rho_2);
    r->gamma_lateral = r->gamma_connector = 1.0;
    Modification_Factors(in, r);
    const int type = in.vbm_type;
    if (work != nullptr && !Is_Vbm_Din571_Screw(type) && !Is_Vbm_Screw_Eta12(type)
        && !Is_Vbm_Screw_Eta11(type))
        work->axis_angle = 90.0;

    const bool pair_ok =
        Check_Vbm_Material_Pair(type, in.resin_coated, in.predrilled, in.fitted_bolt, in.mat_1,
                                in.mat_2, in.shear_planes, r->rule_char)
        != 0;
    if (!legacy && in.rope_effect != 1 && Axial_Only_For_Rope(in)) {
        r->r_ax = 0.0;
        r->rope_share = 0.0;
    } else {
        /* axial value */
        const double f_c90 = Washer_Fc90(in);
        const double l_ef = Axial_Penetration(in, r);
        r->r_ax = Nad_Params == nullptr ? Calc_Axial_Din1052(in, l_ef, f_c90, r)
                                        : Calc_Axial_Ec5(in, l_ef, f_c90, r);
        if (in.rope_effect == 1 && pair_ok) {
            if (legacy) r->rope_share = r->r_ax;
            else r->rope_share = Calc_Rope_Effect_Share(in, r->r_ax, l_ef, f_c90, r);
        } else {
            if (!legacy) r->r_ax = 0.0;
            r->rope_share = 0.0;
        }
    }
    b->pair_ok = pair_ok;
    b->code = 0;
    Save_Base_Messages(b);
    return 0;
}

/*
** The lateral resistance by family (steps 15 to 20). Nails and screws change their input on
** the way: they work on *work, and *used then points to it. Return 0 or the code 6, 7 or 8.
*/
int Lateral_By_Family(const Connection_Input &in, Connection_Result *r, bool legacy,
                      Connection_Input *work, const Connection_Input **used)
{
    const int type = in.vbm_type;
    const bool plate1 = Is_Mat_Metal_Plate(in.mat_1), plate2 = Is_Mat_Metal_Plate(in.mat_2);
    const int point_connector = in.shear_planes == 2 ? 2 : 1;
    if (type == VBM_RINGDUEBEL_A1) {
        const double he = Get_Connector_Value(VBM_RINGDUEBEL_A1, in.vbm_row, "he");
        const double angle = Calc_K_Alpha(in.d, in.alpha_2) > Calc_K_Alpha(in.d, in.alpha_1)
                                 ? in.alpha_1
                                 : in.alpha_2;
        r->rk_connector =
            Calc_Ring_Connector_Rk(in.d, he, angle, in.t1, in.t2, Connector_Member_Faces(&in, 2),
                                   std::min(r->rho_1, r->rho_2), r);
        r->point_member = point_connector;
        r->gamma_connector = Get_Connector_Gamma_M(in.gamma_m_1, in.accidental);
    } else if (type == VBM_SCHEIBENDUEBEL_B1) {
        const double he = Get_Connector_Value(VBM_SCHEIBENDUEBEL_B1, in.vbm_row, "he");
        /* the angle, thickness and density are those of the timber member */
        if (plate1)
            r->rk_connector = Calc_Ring_Connector_Plate_Rk(
                in.d, he, in.alpha_2, in.t2, Connector_Member_Faces(&in, 2), r->rho_2, r);
        else if (plate2)
            r->rk_connector = Calc_Ring_Connector_Plate_Rk(
                in.d, he, in.alpha_1, in.t1, Connector_Member_Faces(&in, 1), r->rho_1, r);
        r->point_member = point_connector;
        r->gamma_connector = Get_Connector_Gamma_M(in.gamma_m_1, in.accidental);
    } else if (Is_Vbm_Dowel_Or_Bolt(type)) {
        Dowel_Bolt_Lateral(in, r, legacy);
        r->point_member = point_connector;
    } else if (Is_Toothed(type)) {
        const double he = Get_Connector_Value(type, in.vbm_row, "he");
        /* the unit's bolt, as a bolt of diameter d_bolt (also against an outer steel plate,
        ** whose class follows from the bolt, not from the connector) */
        Connection_Input bolt = in;
        bolt.vbm_type = VBM_BOLZEN;
        bolt.d = in.d_bolt;
        Dowel_Bolt_Lateral(bolt, r, legacy);
        r->point_member = point_connector;
        const double dc = Get_Vbm_Diameter(type, in.vbm_row);
        if (!plate1 && !plate2)
            r->rk_connector = Calc_Toothed_Plate_Rk(type, dc, in.d_bolt, he, in.t1, in.t2,
                                                    Connector_Member_Faces(&in, 2),
                                                    std::min(r->rho_1, r->rho_2), r);
        else if (plate1)
            r->rk_connector = Calc_Toothed_Plate_Plate_Rk(
                type, dc, in.d_bolt, he, in.t2, Connector_Member_Faces(&in, 2), r->rho_2, r);
        else
            r->rk_connector = Calc_Toothed_Plate_Plate_Rk(
                type, dc, in.d_bolt, he, in.t1, Connector_Member_Faces(&in, 1), r->rho_1, r);
        r->gamma_connector =
            Get_Connector_Gamma_M(std::max(in.gamma_m_1, in.gamma_m_2), in.accidental);
    } else if (Is_Vbm_Nail(type) || type == VBM_KLAMMER || Is_Vbm_Din571_Screw(type)
               || Is_Vbm_Screw_Eta12(type) || Is_Vbm_Screw_Eta11(type)) {
        *work = in;
        *used = work;
        if (const int code = Nail_Screw_Lateral(*work, r)) return code;
    }
    return 0;
}

/*
** The steps that follow the angles (those of `input`, the input Run_Base gave): the spacings
** (when wanted), the lateral resistance by family and the totals, from the base's result (in *r
** already when base_in_r). Return 0 or the code 6, 7 or 8 of the penetration (r then holds what
** was written so far).
*/
int Run_Angle(Connection_Base *b, const Connection_Input &input, bool spacings,
              Connection_Result *r, bool base_in_r = false)
{
    const bool legacy = b->legacy != 0;
    /* The nails and screws change their input on the way: they work on a copy. */
    const Connection_Input *cur = &input;
    Connection_Input work;
    /* a single design has its base's result in *r already */
    if (!base_in_r) Copy_Result(r, &b->r);
    if (spacings) {
        /* the spacing rules read the input as it stood before the axis angle was set and the
        ** densities as they were then */
        const double rho_1 = r->rho_1, rho_2 = r->rho_2;
        r->rho_1 = b->rho_spacing_1;
        r->rho_2 = b->rho_spacing_2;
        if (std::memcmp(&input.axis_angle, &b->spacing_axis_angle, sizeof(double)) == 0) {
            Member_Spacings(input, r);
        } else {
            /* only the base's own copy has its axis angle turned */
            Connection_Input &sp = b->in;
            const double axis_angle = sp.axis_angle;
            sp.axis_angle = b->spacing_axis_angle;
            Member_Spacings(sp, r);
            sp.axis_angle = axis_angle;
        }
        r->rho_1 = rho_1;
        r->rho_2 = rho_2;
    }
    const bool pair_ok = b->pair_ok != 0;
    const int type = cur->vbm_type;
    if (const int code = Lateral_By_Family(input, r, legacy, &work, &cur)) return code;
    const Connection_Input &in = *cur;
    r->rk_total = r->rk_lateral;

    /* totals */
    if (type == VBM_KLAMMER && std::min(in.staple_angle_1, in.staple_angle_2) < 30.0) {
        r->rk_lateral *= 0.7; /* EN 1995-1-1, 8.4(4) */
        r->rd_lateral *= 0.7;
        r->rope_rk *= 0.7;
    }
    if (legacy) {
        /* the older run designs the axial value again, with f_c90 and l_ef of the input as the
        ** lateral step left it (a nail's shortened length), and adds its rope-effect share */
        const double f_c90_again = Washer_Fc90(in, true);
        const double l_ef_again = Axial_Penetration(in, r);
        r->r_ax = Nad_Params == nullptr ? Calc_Axial_Din1052(in, l_ef_again, f_c90_again, r)
                                        : Calc_Axial_Ec5(in, l_ef_again, f_c90_again, r);
        r->rope_share = (in.rope_effect == 1 && pair_ok)
                            ? Calc_Rope_Effect_Share(in, r->r_ax, l_ef_again, f_c90_again, r)
                            : 0.0;
        if (type == VBM_KLAMMER && std::min(in.staple_angle_1, in.staple_angle_2) < 30.0)
            r->rope_share *= 0.7;
        r->rk_lateral += r->rope_share;
    } else {
        r->rope_share = 0.0;
    }
    r->rk_total = r->rk_lateral + r->rk_connector;
    const double km = std::sqrt(r->kmod_1 * r->kmod_2);
    if (in.proof_method == 0 || in.proof_method == 1) {
        /* the annex's one factor of connections divides every mode, so that the governing mode
        ** stays; in the accidental situation that factor is the accidental one (Table 2.3) */
        if (Accidental_Annex(in) && r->gamma_lateral > 0.0)
            r->gamma_lateral = Get_Connection_Gamma_M(in, r->rule_char);
        if (r->gamma_lateral > 0.0)
            r->rd_lateral =
                Calc_Geometric_Mean_Ratio(r->rk_lateral, r->kmod_1, r->kmod_2, r->gamma_lateral);
        else r->rd_lateral = r->rd_lateral * km;
    }
    if (r->gamma_connector > 0.0) {
        r->rd_connector = r->rk_connector * km / r->gamma_connector;
    } else {
        r->rd_connector = 0.0;
        if (r->rk_connector != 0.0) r->msg_code = CODE_NOT_DETERMINABLE;
    }
    r->rd_total = r->rd_lateral + r->rd_connector;
    if (in.result_in_kN) {
        double *f[] = {&r->rk_connector, &r->rd_connector, &r->rk_lateral,    &r->rd_lateral,
                       &r->rk_total,     &r->rd_total,     &r->r_ax,          &r->r_ax_d,
                       &r->rope_share,   &r->rope_rk,      &r->rk_plate_thin, &r->rk_plate_thick};
        for (double *p : f) *p /= 1000.0;
    }
    return 0;
}

/* The run; legacy selects the uncalled variant that adds the rope effect to rk_lateral. */
int Run(const Connection_Input &input, Connection_Result *result, bool legacy)
{
    /* the base's steps write the caller's result itself; the angle's steps continue in it */
    Connection_Base base;
    Connection_Result local;
    Connection_Result *r = result != nullptr ? result : &local;
    const Connection_Input *use = nullptr;
    if (const int code = Run_Base(input, &base, legacy, r, &use)) return code;
    return Run_Angle(&base, *use, true, r, true);
}

} // namespace

/*
** Design one fastener connection and fill the caller's result. Return 0 after a complete run, or
** the first code that stopped it: a code of Check_Connection_Input (the result is then not
** touched), or 6, 7 or 8 of the penetration (the result holds what was written so far).
*/
int Design_Connection(const Connection_Input &input, Connection_Result *result)
{
    return Run(input, result, false);
}

/*
** The older run: the axial value stays in the result and the rope-effect share (the whole axial
** value) is added to rk_lateral; dowels are not treated as fitted.
*/
int Design_Connection_Old(const Connection_Input &input, Connection_Result *result)
{
    return Run(input, result, true);
}

/*
** Prepare designs of one connection at changing force-to-grain angles: run the steps of
** Design_Connection that do not read alpha_1 and alpha_2 once. Return 0, or the code of
** Check_Connection_Input (every design of the base then returns it).
*/
int Design_Connection_Base(const Connection_Input *input, Connection_Base *base)
{
    const Connection_Input *use = nullptr;
    return Run_Base(*input, base, false, &base->r, &use);
}

/*
** Design the connection of a base at the angles alpha_1 and alpha_2 (degrees): the same
** result and return value as Design_Connection with those angles in the base's input, except
** that without `spacings` the spacing fields of the result stay 0. The message lists end as
** after Design_Connection. The base keeps the angles of the last design.
*/
int Design_Connection_At(Connection_Base *base, double alpha_1, double alpha_2, int spacings,
                         Connection_Result *result)
{
    if (base->code != 0) return base->code;
    Connection_Result local;
    Connection_Result *r = result != nullptr ? result : &local;
    if (!base->repeatable) {
        /* Too many messages to set again: the whole run (the base keeps its input). */
        Connection_Input in = base->input;
        in.alpha_1 = alpha_1;
        in.alpha_2 = alpha_2;
        Connection_Base again;
        const Connection_Input *use = nullptr;
        if (const int code = Run_Base(in, &again, base->legacy != 0, &again.r, &use)) return code;
        again.in.alpha_1 = alpha_1;
        again.in.alpha_2 = alpha_2;
        return Run_Angle(&again, again.in, spacings != 0, r);
    }
    Restore_Base_Messages(base);
    base->in.alpha_1 = alpha_1;
    base->in.alpha_2 = alpha_2;
    return Run_Angle(base, base->in, spacings != 0, r);
}

/*
** Design the base at 90 degrees and tell whether its design resistance rd_total can only fall (or
** stay) as the force-to-grain angle grows from 0 to 90 degrees. It does for a dowel or bolt in a
** timber member beside an inner steel plate in the exact proof whose embedment strength follows
** EN 1995-1-1, eq. (8.31), with k90 >= 1: fh falls with the angle, and each failure mode of
** EN 1995-1-1, eq. (8.11), with its rope-effect share, grows with fh, and so does the smallest
** of them. A design at any angle from 0 to 90 degrees then gives at least the value at 90 degrees,
** short of the rounding of its arithmetic (far below a relative 1e-12). Return 1 and write that
** value (> 0, in the unit of the result) to *rd_90 when this holds, else 0. The base keeps the
** angles 90 degrees.
*/
int Design_Connection_Falling(Connection_Base *base, double *rd_90)
{
    if (base->code != 0 || !base->repeatable || base->legacy) return 0;
    const Connection_Input &in = base->in;
    if (!Is_Vbm_Dowel_Or_Bolt(in.vbm_type) || in.proof_method != 1) return 0;
    if (Is_Mat_Metal_Plate(in.mat_1) || !Is_Mat_Metal_Plate(in.mat_2) || in.mat_2 == MAT_ALUBLECH)
        return 0;
    for (int mode = 16; mode <= 18; mode++)
        if (!(Get_Mode_Gamma(mode, 1) > 0.0)) return 0;
    Connection_Result r;
    if (Design_Connection_At(base, 90.0, 90.0, 0, &r) != 0) return 0;
    /* the embedment rule the design took for member 1 (the only one it asked for) */
    const Design_Fh_Plan &plan = Design_Run_Current()->fh_plan;
    if (!plan.valid || plan.metal || plan.mat != in.mat_1 || !(plan.k90 >= 1.0)) return 0;
    /* a yield moment and an embedment strength well above the limit (1e-5) below which no
    ** resistance is determined, and a resistance from the failure modes */
    if (!(r.my_rk > 0.0) || !(r.fh1_k > 1e-4) || !(r.gamma_lateral > 0.0)) return 0;
    if (!(r.rd_total > 0.0) || !std::isfinite(r.rd_total)) return 0;
    *rd_90 = r.rd_total;
    return 1;
}

int Design_Between_Plates(const Connection_Input *input, double t2, const Connection_Result *res,
                          Between_Plates_Result *out)
{
    const Connection_Input &in = *input;
    const int type = in.vbm_type;
    if (!(in.proof_method == 1 || in.proof_method == 2)) return 0;
    if (Is_Mat_Metal_Plate(in.mat_1) || !Is_Mat_Metal_Plate(in.mat_2)) return 0;
    if (!Is_Vbm_Dowel_Or_Bolt(type) && !Is_Toothed(type)) return 0;
    /* the unit's bolt, as the lateral step designs it */
    Connection_Input bolt = in;
    if (Is_Toothed(type)) {
        bolt.vbm_type = VBM_BOLZEN;
        bolt.d = in.d_bolt;
    }
    const double k = in.result_in_kN ? 1000.0 : 1.0;
    /* the exact proof turns rk into rd with the kmod of both members, as the run does */
    const double kmod = in.proof_method == 2 ? res->kmod_1 : std::sqrt(res->kmod_1 * res->kmod_2);
    Calc_Rk_Rd_Between_Plates(/*proof_method=*/in.proof_method, /*gamma_m=*/in.gamma_m_1,
                              /*gamma_steel=*/in.gamma_steel, /*kmod=*/kmod, /*d=*/bolt.d,
                              /*vbm_type=*/bolt.vbm_type, /*predrilled=*/in.predrilled,
                              /*stainless=*/in.stainless, /*threaded_rod=*/in.threaded_rod,
                              /*fitted_bolt=*/in.fitted_bolt, /*alpha=*/Rad(in.alpha_1), /*t2=*/t2,
                              /*plate_t=*/in.t2, /*plate_mat=*/in.mat_2,
                              /*clearance=*/in.plate_hole_clearance, /*rho=*/res->rho_1,
                              /*mat=*/in.mat_1, /*grade=*/in.grade_1,
                              /*fu=*/Fastener_Fu(bolt), /*r_ax=*/res->r_ax * k, /*out=*/out);
    /* the exact proof's modes all take the annex's factor of connections: the accidental one in
    ** an accidental combination */
    if (in.proof_method == 1 && Accidental_Annex(in) && out->gamma > 0.0) {
        out->gamma = Get_Gamma_M_Connections(1);
        out->rd = out->rk * kmod / out->gamma;
    }
    for (double *p :
         {&out->r_l, &out->r_k, &out->rope_k, &out->r_m, &out->rope, &out->rk, &out->rd})
        *p /= k;
    return 1;
}

/*
** Compute only the axial value of a connection: densities, partial factors, modification factors,
** the working lengths of nails and screws, f_c90 and the axial design. Returns 0.
*/
int Design_Connection_Short(Connection_Input in, Connection_Result *result)
{
    Connection_Result local{};
    Connection_Result *r = result != nullptr ? result : &local;
    *r = Connection_Result{};
    Msg_Count = 0;
    Msg_Count2 = 0;
    Get_Rho_K(in.mat_1, in.grade_1, in.t1, &r->rho_1, &in.user_material);
    Get_Rho_K(in.mat_2, in.grade_2, in.t2, &r->rho_2, &in.user_material);
    r->gamma_lateral = r->gamma_connector = 1.0;
    Modification_Factors(in, r);
    const int type = in.vbm_type;
    if (!Is_Vbm_Din571_Screw(type) && !Is_Vbm_Screw_Eta12(type) && !Is_Vbm_Screw_Eta11(type))
        in.axis_angle = 90.0;
    if (Penetrating_Type(type) && in.d > 0.0 && in.length > 0.0) {
        double p = 0.0;
        Calc_T_Req_Reduction(/*type=*/type, /*fu=*/in.fu, /*kind=*/in.shear_planes, /*d=*/in.d,
                             /*length=*/in.length, /*axis_angle=*/in.axis_angle,
                             /*predrilled=*/in.predrilled, /*variant=*/in.stainless,
                             /*fitted=*/in.fitted_bolt, /*t1=*/in.t1, /*t2=*/in.t2,
                             /*rho1=*/r->rho_1, /*rho2=*/r->rho_2, /*mat1=*/in.mat_1,
                             /*mat2=*/in.mat_2, /*g1=*/in.grade_1, /*g2=*/in.grade_2,
                             /*user1=*/&in.user_embedment, /*user2=*/nullptr,
                             /*out_penetration=*/&p, /*out_member=*/nullptr, /*out_k=*/nullptr,
                             /*out_t1_req=*/nullptr, /*out_t2_req=*/nullptr);
        in.d_3 = in.d;
        double t1 = in.t1, t2 = in.t2; /* the working thicknesses serve the lateral rules */
        Working_Lengths(in, p, &t1, &t2);
    }
    /* f_c90 by the value sets of the strengths getter (DIN 1052 selector per material) */
    const auto set_of = [](int mat) {
        switch (mat) {
        case MAT_OSB:
        case MAT_GIPSKARTON:
        case MAT_SPERRHOLZ:
        case MAT_KERTO_S:
        case MAT_KERTO_Q:
        case MAT_BAUBUCHE_PLATTE:
        case MAT_STEICO_LVL:
        case MAT_POLLM_LVL_S:
        case MAT_STEICO_GLVL: return 1;
        case MAT_NADELHOLZ:
        case MAT_LAUBHOLZ:
        case MAT_BSH_EC:
        case MAT_BSH_DIN:
        case MAT_BAUBUCHE_GL75:
            return 7; /* bare-code: value sets of the strengths getter, not codes */
        case MAT_SPANPLATTE:
        case MAT_FASERPLATTE:
        case MAT_FERMACELL: return 4; /* bare-code: as above */
        default: return 1;
        }
    };
    const auto fc90_of = [&](int mat, int grade) {
        if (User_Defined(mat, grade)) return in.user_material.f_c90_k * 1000.0;
        double fm = 0, ft = 0, fc = 0, fv = 0, fc90 = 0, kh = 0;
        Get_Mat_Strengths(/*group=*/mat, /*grade=*/grade, /*use=*/2, /*kind=*/set_of(mat),
                          /*width=*/0.0, /*depth=*/0.0, /*f_m_k=*/&fm, /*f_t_k=*/&ft, /*f_c_k=*/&fc,
                          /*f_v_k=*/&fv, /*f_c90_k=*/&fc90, /*k_h=*/&kh);
        return fc90;
    };
    const bool plate1 = Is_Mat_Metal_Plate(in.mat_1);
    const double f1 = plate1 ? 0.0 : fc90_of(in.mat_1, in.grade_1);
    double f2 = f1;
    if ((in.shear_planes == 1 || plate1) && !Is_Mat_Metal_Plate(in.mat_2))
        f2 = fc90_of(in.mat_2, in.grade_2);
    const double f_c90 = (plate1 ? f2 : std::min(f1, f2)) / 1000.0;
    const double l_ef = Axial_Penetration(in, r);
    r->r_ax = Nad_Params == nullptr ? Calc_Axial_Din1052(in, l_ef, f_c90, r)
                                    : Calc_Axial_Ec5(in, l_ef, f_c90, r);
    if (in.result_in_kN) {
        r->r_ax /= 1000.0;
        r->r_ax_d /= 1000.0;
    }
    return 0;
}
