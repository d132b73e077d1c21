/*
** Records of the fastener connection design: the connection input and result of one design run,
** the single-fastener rule input and result, the user-defined screw lines and the message lists.
**
** Units throughout the design: per fastener in N and mm; strengths in N/mm², densities in kg/m³,
** yield moments in Nmm, areas in mm². Angles in records are in degrees unless a field says otherwise.
*/
#pragma once

#include <cstdint>

#include "catalogue/catalogue.h"
#include "design/error_codes.h"

/* ---------------------------------------------------------------- codes */

/* Error, rule and note code of the design (texts by Get_Error_Text / Get_Hint_Text):
** 0 none, 1..170 errors and rule violations, 1000..1023 notes on applied rules. */
typedef int32_t Design_Error_Code;

/* Failure-mode codes of the lateral resistance. */
enum {
    MODE_TIMBER_SINGLE_FIRST = 1, /* 1..6 timber to timber, single shear */
    MODE_TIMBER_DOUBLE_FIRST = 7, /* 7..10 timber to timber, double shear */
    MODE_OUTER_SINGLE_FIRST = 11, /* 11..15 outer steel plate, single shear */
    MODE_INNER_FIRST = 16,        /* 16..18 timber beside an inner plate */
    MODE_OUTER_DOUBLE_FIRST = 19, /* 19..22 outer plates, double shear */
    MODE_INTERMEDIATE_FIRST = 23, /* 23..29 intermediate plate thickness */
    MODE_ALU_BEARING = 30         /* bearing of an aluminium plate */
};

/* ---------------------------------------------------------------- message lists */

#define MSG_LIST_SIZE 500

/* Two lists of message codes of the penetration rule, followed by their counters. Entries
** 0..499 are list 1 (Msg_Count), 500..999 list 2 (Msg_Count2). Nothing reads them back. The
** block is part of the run record of the design (design_state.h): Msg_Codes, Msg_Count and
** Msg_Count2 name those of the record current in the calling thread. */
typedef struct Msg_Code_Block {
    int32_t codes[2 * MSG_LIST_SIZE];
    int32_t count;  /* Msg_Count: entries used in list 1 */
    int32_t count2; /* Msg_Count2: entries used in list 2 */
} Msg_Code_Block;

typedef struct Design_Run_Rec Design_Run_Rec;

/* The run record a caller made current in this thread (null while none is), and the thread's
** own record, which serves then (design_state.cpp). */
extern thread_local constinit Design_Run_Rec *Design_Run_Made_Current;
extern thread_local constinit Design_Run_Rec Design_Run_Thread_Own;

/* The run record of the calling thread (inline: every step of a design asks for it). */
inline Design_Run_Rec *Design_Run_Current(void)
{
    Design_Run_Rec *run = Design_Run_Made_Current;
    return run != nullptr ? run : &Design_Run_Thread_Own;
}

/* Its message lists, the first field of the record (design_state.h). */
inline Msg_Code_Block *Design_Run_Messages(void)
{
    return reinterpret_cast<Msg_Code_Block *>(Design_Run_Current());
}

#define Msg_Codes  (*Design_Run_Messages())
#define Msg_Count  (Msg_Codes.count)
#define Msg_Count2 (Msg_Codes.count2)

/* ---------------------------------------------------------------- input pieces */

/* Embedment coefficients of a user-defined material: fh = c0 d^c1 t^c2 rho^c3 when active. */
typedef struct Vbm_User_Embedment {
    double c0, c1, c2, c3;
    int32_t active;
} Vbm_User_Embedment;

/* Data of a user-defined screw line (types 43 and 44). */
typedef struct Vbm_Screw_Line {
    int32_t stainless;     /* stainless steel screw */
    int32_t washer;        /* with washer */
    double d;              /* mm, nominal diameter */
    double d_k;            /* mm, head diameter */
    double d_2;            /* mm, core diameter */
    double length;         /* mm */
    double l_thread;       /* mm, threaded length */
    double washer_d;       /* mm, washer diameter */
    double axis_angle;     /* degrees, axis to grain */
    int32_t head_form;     /* head-form code */
    int32_t thread_layout; /* thread-layout code 0, 1 or 2 */
    double l_thread_2;     /* mm, second threaded length */
} Vbm_Screw_Line;

/* Spacing data of a type-44 screw (its approval's own spacing rule). */
typedef struct Eta12_Spacing_Block {
    double d;                   /* mm */
    int32_t eta12_spacing_kind; /* 1 or 2 selects the approval's spacing rule */
} Eta12_Spacing_Block;

/* ---------------------------------------------------------------- connection input */

/* One fastener connection of one design combination; passed by value to Design_Connection. */
typedef struct Connection_Input {
    int32_t vbm_type;                        /* Vbm_Type_Code of the fastener */
    int32_t vbm_row;                         /* row of the fastener's or connector's catalogue */
    int32_t predrilled;                      /* holes pre-drilled */
    int32_t fitted_bolt;                     /* fitted bolt */
    int32_t threaded_rod;                    /* threaded rod instead of a bolt */
    int32_t douglas;                         /* Douglas fir */
    int32_t split_rule;                      /* 0 splitting rule with 14 d, else with 7 d */
    int32_t resin_coated;                    /* resin-coated nails */
    int32_t stainless;                       /* stainless steel fastener */
    int32_t species_sfp;                     /* member of spruce, fir or pine only */
    int32_t predrill_core;                   /* pre-drilled with the core diameter */
    int32_t fibre_saturated;                 /* timber at fibre saturation */
    int32_t n_axial;                         /* number of axially loaded screws */
    int32_t n_ef_switch;                     /* apply the group factor n^0.9 / n */
    int32_t din_bolt_switch;                 /* DIN 1052 bolt rule switch */
    int32_t steel_grade;                     /* steel grade code; negative: fu applies */
    int32_t service_class_1;                 /* service class of member 1 */
    int32_t service_class_2;                 /* service class of member 2 */
    int32_t load_duration;                   /* load-duration class of the combination */
    int32_t bolt_clearance;                  /* bolts (30) always get clearance holes in plates */
    double d;                                /* mm, diameter (connectors: dc) */
    double d_2;                              /* mm, second diameter (core diameter of a screw) */
    double d_3;                              /* mm, third diameter */
    double d_k;                              /* mm, head or core diameter (staples: back width) */
    double d_bolt;                           /* mm, bolt diameter of a connector unit */
    double length;                           /* mm, fastener length */
    double l_thread;                         /* mm, threaded length */
    int32_t shear_planes;                    /* 1 single shear, 2 double shear */
    int32_t lamellas_between_plates;         /* connectors beside inner steel plates (member 2):
                                                1 where lamellas of member 1's thickness also lie
                                                between two plates, with connectors in both
                                                faces (k1, EN 1995-1-1, 8.9, 8.10) */
    int32_t proof_method;                    /* 0 simplified, 1 exact, 2 design-value method */
    int32_t rope_effect;                     /* 1: axial value and rope-effect share wanted */
    int32_t accidental;                      /* 1: accidental design situation */
    int32_t mat_1, mat_2;                    /* Mat_Group_Code of member 1 and member 2 */
    int32_t grade_1, grade_2;                /* grade of member 1 and member 2 */
    double t1, t2;                           /* mm, thicknesses of member 1 and member 2 */
    double alpha_1, alpha_2;                 /* degrees, force to grain per member */
    double staple_angle_1;                   /* degrees, staple crown to grain in member 1 */
    double staple_angle_2;                   /* degrees, the same in member 2 */
    double axis_angle;                       /* degrees, fastener axis to grain */
    double plate_hole_clearance;             /* mm, d0 - d of the holes in a metal member */
    double moisture;                         /* %, moisture content at installation */
    double gamma_m_1;                        /* partial factor of member 1 (connectors) */
    double gamma_m_2;                        /* partial factor of member 2 (toothed plates) */
    double gamma_steel;                      /* partial factor of the fastener steel */
    double washer_d;                         /* mm, washer diameter, -1 when none */
    double fu;                               /* N/mm², tensile strength of the fastener */
    double kmod_given;                       /* modification factor of the combination */
    int32_t kmod_by_member;                  /* look kmod up per member */
    int32_t result_in_kN;                    /* forces of the result in kN */
    Vbm_Screw_Line user_line_43;             /* user-defined screw line, type 43 */
    Vbm_Screw_Line user_line_44;             /* user-defined screw line, type 44 */
    Eta12_Spacing_Block eta12_spacing_block; /* spacing block of a type-44 screw */
    User_Material user_material;             /* user-defined material (group 14) */
    Vbm_User_Embedment user_embedment;       /* embedment coefficients of member 1 */
} Connection_Input;

/* ---------------------------------------------------------------- connection result */

#define CONN_COMPRESSION_VALUES 19

/* What one design run fills; forces in N (kN where result_in_kN marks them). */
typedef struct Connection_Result {
    double rk_lateral;        /* force, characteristic lateral resistance */
    double rk_connector;      /* force, characteristic connector resistance */
    double rd_connector;      /* force, design value of rk_connector */
    double rd_lateral;        /* force, design lateral resistance */
    double gamma_lateral;     /* partial factor of the dowel-type part */
    double gamma_connector;   /* partial factor of the connector part */
    double k_red;             /* reduction factor t / t_req, at most 1 */
    double fu_used;           /* N/mm², fu of the yield moment */
    double beta;              /* fh2 / fh1 */
    double l_ef;              /* mm, effective point-side penetration */
    double rk_total;          /* force, rk_lateral + rk_connector */
    double rd_total;          /* force, rd_lateral + rd_connector */
    double f_head;            /* N/mm², head pull-through parameter used */
    double f_ax_thread_1;     /* force, thread withdrawal in member 1 */
    double f_ax_point;        /* force, point-side withdrawal */
    double f_ax_head;         /* force, head-side capacity */
    double l_thread_1;        /* mm, threaded length in member 1 */
    double l_thread_2;        /* mm, effective threaded length in member 2 */
    double r_ax_copy;         /* force, same as r_ax */
    double r_ax;              /* force, characteristic axial capacity */
    double r_ax_d;            /* force, design axial capacity */
    double f_ax_param;        /* N/mm², withdrawal parameter of the nail formula */
    double f_head_param;      /* N/mm², head parameter f_2 or f_head */
    double rope_share;        /* force, rope-effect share */
    double k_d;               /* min(d / 8, 1) for DIN 571 screws under EN 1995 */
    double f_ax_k;            /* N/mm², withdrawal parameter */
    double f_ax_k_2;          /* N/mm², the same once more */
    double f_ax_unit;         /* 1.0 */
    double panel_factor;      /* factor of the panel member, simplified proof */
    double k_p;               /* plate factor, steel plate as member 1 */
    double rho_1, rho_2;      /* kg/m³, characteristic densities as used */
    double k_n;               /* group factor n^0.9 / n, or 1.0 */
    double k_alpha;           /* angle factor of a ring connector */
    double k_3;               /* k3 of the connector rules */
    double k_1;               /* k1 of the connector rules */
    double k_2;               /* k2 of toothed plates (EN 1995) */
    double a3t_min;           /* mm, least end distance of toothed plates */
    double k_90;              /* k90 of the steel-plate simplified rule */
    double fh0_k;             /* N/mm², fh,0,k of that rule */
    double my_rk;             /* Nmm, characteristic yield moment */
    double fh1_k, fh2_k;      /* N/mm², characteristic embedment strengths */
    double my_d;              /* Nmm, design yield moment */
    double fh1_d, fh2_d;      /* N/mm², design embedment strengths */
    double t_req_1, t_req_2;  /* mm, required thicknesses (largest kept) */
    int32_t t_just_below_req; /* 1 when t1 or t2 lies less than 0.001 mm below its t_req */
    double c_p;               /* thin/thick plate interpolation factor */
    double kmod_1, kmod_2;    /* modification factors of member 1 and 2 */
    int32_t rule_design;      /* governing mode of rd_lateral */
    int32_t rule_char;        /* governing mode of rk_lateral */
    int32_t rule_thin;        /* of an intermediate plate: the thin-plate mode interpolated
                              ** with rule_char (11, 12, 19 or 20), else 0 */
    int32_t spacing_rule_1;   /* rule index of the spacings of member 1 */
    int32_t spacing_rule_2;   /* rule index of the spacings of member 2 */
    int32_t point_member;     /* member in which the point anchors (0, 1, 2) */
    int32_t steel_governs;    /* screw tension limits the point withdrawal */
    double spacing_1[6];      /* mm, a1, a2, a3t, a3c, a4t, a4c of member 1 */
    double spacing_2[6];      /* mm, the same for member 2 */
    double k_ser;             /* N/mm, slip modulus per shear plane */
    double compression[CONN_COMPRESSION_VALUES]; /* screw compression check values */
    double t_ef;                                 /* mm, effective timber thickness of the mode */
    int32_t buckling_char;                       /* buckling governs the characteristic value */
    int32_t buckling_design;                     /* buckling governs the design value */
    int32_t plate_class;                         /* 0 thin, 1 intermediate, 2 thick plate */
    double alu_fu;                               /* N/mm², fu of an aluminium plate */
    double alu_gamma;                            /* partial factor of aluminium-plate bearing */
    double alu_k1, alu_alpha_b;                  /* bearing factors k1 and alpha_b */
    double alu_fb_rk;                            /* force, bearing resistance of the plate */
    double alu_fb_rd;                            /* force, alu_fb_rk / alu_gamma */
    int32_t msg_code;                            /* hint code of the embedment and axial rules */
    double rope_rk; /* force, the rope-effect share that rk_lateral holds, 0 none */
    double my_f_rk; /* Nmm, DIN 571 screws beside a steel plate: yield moment of the shank */
    double t_s;     /* mm, DIN 571 screws beside a steel plate: smooth shank in the timber */
    double fu_rk;   /* N/mm², fu of my_rk where the exact proof's characteristic rules set it (the
                    ** design-value twins leave fu_used at 400 for DIN 571 screws), else 0 */
    double f_ax_tension; /* force, a screw's or bolt's tensile capacity, which caps the
                         ** withdrawal of its point or the washer's bearing (EN 1995-1-1, 8.7.2,
                         ** 8.5.2(2)); 0 where the axial design takes none */
    double rk_plate_thin, rk_plate_thick; /* force, an intermediate outer plate in the exact
                                          ** proof: the values of the thin and of the thick plate
                                          ** that rk_lateral interpolates with c_p, else 0 */
    /* the washer of a bolt's (or a toothed plate's bolt's) axial value under EN 1995-1-1, 8.5.2(2):
    ** 3 washer_fc90 pi/4 (washer_outer² - washer_hole²); a steel plate bearing as a washer gives
    ** its min(12 t, 4 d) and its hole; all 0 where the axial design takes no washer */
    double washer_fc90;   /* N/mm², f_c,90,k of the timber under the washer */
    double washer_outer;  /* mm, the outer diameter D of the area taken */
    double washer_hole;   /* mm, its hole */
    int32_t washer_plate; /* 1: a steel plate bears as the washer */
} Connection_Result;

/* Indices of the compression values. */
enum {
    COMP_KAPPA_C,
    COMP_LAMBDA_K,
    COMP_K,
    COMP_N_KI_K,
    COMP_N_PL_K,
    COMP_N_PL_D,
    COMP_F_Y_K,
    COMP_C_H,
    COMP_E,
    COMP_I,
    COMP_GAMMA_M1,
    COMP_KAPPA_N_PL_K,
    COMP_F_AX_K,
    COMP_KAPPA_N_PL_D,
    COMP_F_AX_D,
    COMP_FAX_K_PARAM,
    COMP_FAX_D_PARAM,
    COMP_F_C_K,
    COMP_F_C_D
};

/* ---------------------------------------------------------------- rule functions */

#define VBM_MAX_LAYERS 16

/* A member described as a stack of layers lying end to end from 0. */
typedef struct Vbm_Layer {
    int32_t mat; /* Mat_Group_Code of the layer */
    int32_t grade;
    double thickness; /* mm */
} Vbm_Layer;

typedef struct Vbm_Layered_Member {
    int32_t kind;
    int32_t layer_count;
    double thickness; /* mm, total */
    Vbm_Layer layers[VBM_MAX_LAYERS];
} Vbm_Layered_Member;

/* One fastener in one connection for the single-value rule functions. Lengths in mm, strengths
** in N/mm², angles in degrees unless said. */
typedef struct Vbm_Rule_Input {
    Vbm_Layered_Member *layers1; /* layered member 1, or null */
    Vbm_Layered_Member *layers2; /* layered member 2, or null */
    int32_t mat1;                /* Mat_Group_Code of member 1 (head side) */
    int32_t grade1;
    int32_t mat2; /* Mat_Group_Code of member 2 (point side) */
    int32_t grade2;
    int32_t vbm_type;    /* Vbm_Type_Code */
    int32_t steel_grade; /* steel grade index */
    int32_t resin_coated;
    double d;            /* mm */
    double d2;           /* mm, second diameter of the catalogue row */
    double length;       /* mm */
    double l_ef;         /* mm, thread or effective length */
    double preset_angle; /* degrees, 90 */
    double staple_angle; /* degrees, staple crown to grain */
    double preset_value;
    double x_layers[4]; /* mm, positions along the fastener */
    int32_t predrilled;
    int32_t stainless;
    int32_t fitted_bolt;
    int32_t threaded_rod;
    int32_t fibre_saturated;
    int32_t predrill_core;
    double alpha1;      /* degrees, force to grain in member 1 */
    double alpha2;      /* degrees, the same in member 2 */
    double fu;          /* N/mm² */
    double angles[4];   /* radians, layer angles */
    double washer_d;    /* mm, -1 when none */
    double d_k;         /* mm, head diameter */
    double screw_angle; /* degrees, axis to grain */
    int32_t species_sfp;
    int32_t douglas;
    int32_t service_class;
    int32_t split_rule;
    int32_t head_form;
    int32_t preset_switch_1;
    double t1_eff;               /* mm */
    double t2_eff;               /* mm */
    double plate_hole_clearance; /* mm, d0 - d of the holes in a metal member */
    double t1;                   /* mm */
    double t2;                   /* mm */
    int32_t preset_switch_2;
    int32_t preset_switch_3;
    Vbm_Screw_Line user_line_43;
    Vbm_Screw_Line user_line_44;
    /* Fields the lateral rules and the limit check read besides the above. */
    double f_ax_rope;                           /* N, axial value for the rope effect */
    double t1_a;                                /* mm, thickness of member 1 for the embedment */
    double t2_a;                                /* mm, thickness of member 2 for the embedment */
    double rho_k1;                              /* kg/m³, density of member 1 when given */
    double rho_k2;                              /* kg/m³, density of member 2 when given */
    const User_Material *user_material_1;       /* user-defined material of member 1, or null */
    const User_Material *user_material_2;       /* user-defined material of member 2, or null */
    const Vbm_User_Embedment *user_embedment_1; /* embedment record of member 1, or null */
    const Vbm_User_Embedment *user_embedment_2; /* embedment record of member 2, or null */
} Vbm_Rule_Input;

/* The block-shear values of a steel-to-timber splice (kept in the splice input). */
typedef struct Block_Shear_Values {
    int32_t plate_class; /* 0 thin, 1 intermediate, 2 thick plate */
    double My;           /* Nmm, yield moment */
    double fh;           /* N/mm², embedment strength of the timber */
    double t;            /* mm, timber thickness */
    double t_ef_a;       /* mm, 0.4 t */
    double t_ef_b;       /* mm, 1.4 sqrt(My / (fh d)) */
    double t_ef_e;       /* mm, 2 sqrt(My / (fh d)) */
    double t_ef_d;       /* mm, t (sqrt(2 + 4 My / (fh d t²)) - 1) */
} Block_Shear_Values;

/* One shear plane of a timber member between two steel plates, the central member of a
** steel-timber-steel connection: thin plates (EN 1995-1-1, (8.12)), thick plates ((8.13)) or
** between them interpolated (8.2.3(1)). Forces in N, or kN where the connection's result is in
** kN. */
typedef struct Between_Plates_Result {
    double t2;           /* mm, thickness of the member */
    double d;            /* mm, fastener diameter of the equations */
    double fh;           /* N/mm², characteristic embedment strength */
    double my;           /* Nmm, characteristic yield moment */
    double plate_t;      /* mm, thickness of the plates */
    double clearance;    /* mm, d0 - d of the plates' holes */
    int32_t plate_class; /* 0 thin, 1 intermediate, 2 thick plates */
    double k;            /* interpolation factor 2 t / d - 1 of intermediate plates */
    double r_l;          /* modes j and l: 0.5 fh t2 d */
    double r_k;          /* mode k: 1.15 sqrt(2 My fh d) and the rope effect */
    double rope_k;       /* the rope-effect share of r_k */
    double r_m;          /* mode m: 2.3 sqrt(My fh d) and the rope effect */
    double rope;         /* the rope-effect share of r_m */
    int32_t mode_thin;   /* governing mode of thin plates: 19 (j) or 20 (k); 0 when not used */
    int32_t mode_thick;  /* governing mode of thick plates: 21 (l) or 22 (m); 0 when not used */
    int32_t mode;        /* governing code (19 to 22, 23 or 24 when interpolated); 0 when not
                        ** determinable */
    double gamma;        /* factor of the governing mode */
    double rk;           /* characteristic resistance of the governing mode */
    double rd;           /* design resistance */
} Between_Plates_Result;

/* What the single-value lateral rules fill. */
typedef struct Vbm_Rule_Result {
    int32_t fh1_status;              /* status of the embedment of member 1 */
    int32_t fh2_status;              /* status of the embedment of member 2 */
    double fh1;                      /* N/mm², 0 for a metal plate */
    double fh2;                      /* N/mm² */
    double My;                       /* Nmm, yield moment used */
    double alu_fu;                   /* N/mm² */
    double alu_bearing;              /* N, bearing resistance of an aluminium plate */
    double alu_factor1, alu_factor2; /* k1 and alpha_b of the bearing rule */
    double Fv_Rk;                    /* N, lateral capacity per shear plane */
    double fu_used;                  /* N/mm² */
    int32_t mode;                    /* governing mode code */
    int32_t plate_class;             /* 0 thin, 1 intermediate, 2 thick */
    double rope;                     /* N, the rope-effect share that Fv_Rk holds */
} Vbm_Rule_Result;

/* ---------------------------------------------------------------- fastener families */

/* True for every screw of the catalogue: DIN 571 wood screws, the approved screws of both
** approvals and family C. */
bool Design_Is_Screw(int type);
/* True for the approved screws: both approvals and family C. */
bool Design_Is_Approved_Screw(int type);
