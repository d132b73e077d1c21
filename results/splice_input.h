/*
** The splice input record: system, members, plates, fastener and its options, layouts per
** fastener type, design combinations, characteristic actions, print settings and remarks.
** One global record (Splice_Input) lives for the whole run: the pages of the main sheet edit it,
** the input file reads and writes it, and the computation of this folder reads it.
**
** Units: member dimensions in cm, fastener dimensions in mm, forces in kN, moments in kNm,
** strengths in N/mm², angles in degrees unless a field says otherwise.
*/
#pragma once

#include <cstdint>

#include "nad/nad_store.h"       /* Nad_Params, Nad_EC3_Params_Ptr */
#include "checks/char_actions.h" /* Char_Actions, Init_Char_Actions */

/* ---------------------------------------------------------------- sizes and codes */

#define LKOM_GROUPS       10   /* groups of design combinations (kmod or class) */
#define LKOM_ENTRIES      1000 /* combinations per group */
#define LKOM_COMMENT_MAX  70   /* characters of a combination's comment */
#define LKOM_ACTION_SLOTS 6    /* action slots of a generated combination */

#define VBM_TYPE_FIRST      (-2) /* smallest Vbm_Type_Code */
#define VBM_TYPE_LAST       60   /* largest Vbm_Type_Code */
#define VBM_TYPE_SLOTS      (VBM_TYPE_LAST - VBM_TYPE_FIRST + 1)
#define VBM_TYPE_SLOT(type) ((type)-VBM_TYPE_FIRST)

#define UTIL_LIST_MAX    10  /* rows of the utilisation list */
#define UTIL_NAME_MAX    70  /* bytes of a row's name */
#define UTIL_GOVERNS_MAX 256 /* bytes of the name of the check that governs a row */

#define BAUTEILKENNUNG_MAX 64 /* bytes of the component identifier */

/* Connection_Kind */
enum { CONN_SIDE_TIMBERS = 0, CONN_INNER_PLATES = 1, CONN_OUTER_PLATES = 2, CONN_LAP = 3 };
/* Splice_Kind */
enum { SPLICE_BENDING = 0, SPLICE_TENSION = 1, SPLICE_COMPRESSION = 2 };
/* Arrangement (layout code) of a fastener type */
enum { LAYOUT_REGULAR = 0, LAYOUT_STAGGERED = 1 };

/* Bits of Print_Settings.sections. */
#define PRINT_SEC_COORDINATES 0x01u /* coordinate table of the fasteners */
#define PRINT_SEC_BIT1        0x02u /* carried unchanged */
#define PRINT_SEC_PLOT_VIEW   0x04u /* plot of the view */
#define PRINT_SEC_PLOT_LONG   0x08u /* plot of the longitudinal section */
#define PRINT_SEC_PLOT_CROSS  0x10u /* plot of the cross section */
#define PRINT_SEC_SKETCHES    0x20u /* spacing sketches with labelled edge distances */
#define PRINT_SEC_NAD_TABLES  0x80u /* parameter tables of the national annex */

/* ---------------------------------------------------------------- design combinations */

/* One design combination (Splice_Combination). The last four values are written by the
** preparation run. */
typedef struct Lkom_Entry {
    int32_t used;                       /* 1 when the entry holds a combination */
    int32_t accidental;                 /* 1 for an accidental combination */
    double M_d;                         /* kNm */
    double N_d;                         /* kN, tension positive */
    double V_d;                         /* kN */
    double max_Fy;                      /* kN, largest |F_y| of one fastener */
    double sum_My_pos;                  /* kN, sum of the positive moment parts across the grain */
    double max_col_Fy;                  /* kN, largest |sum of F_y| of one column (max V_90,d) */
    double M_distr;                     /* kNm, moment for distribution (M_v,d) */
    char comment[LKOM_COMMENT_MAX + 1]; /* code page 850 */
    int32_t actions[LKOM_ACTION_SLOTS]; /* generated: action numbers 0..5, -1 terminated */
    double factors[LKOM_ACTION_SLOTS][2]; /* generated: first and second factor per action */
    int32_t kled;                         /* generated: load-duration class of the entry */
} Lkom_Entry;

/* One group of combinations with a common kmod or load-duration class. */
typedef struct Lkom_Group {
    int32_t used;        /* 1 when the group holds combinations */
    int32_t kled;        /* load-duration class 0..4 */
    int32_t source;      /* source flag: 1 generated from the characteristic actions */
    int32_t kmod_source; /* 0 use the preset kmod, else look it up per member */
    double kmod;         /* preset kmod */
    Lkom_Entry entries[LKOM_ENTRIES];
} Lkom_Group;

typedef struct Lkom_Table {
    Lkom_Group groups[LKOM_GROUPS];
} Lkom_Table;

/* ---------------------------------------------------------------- print settings, lists */

typedef struct Print_Settings {
    int32_t fasteners;       /* 0 governing fastener, 1 all fasteners */
    int32_t combinations;    /* 0 governing combination, 1 all combinations */
    uint32_t sections;       /* PRINT_SEC_* bits */
    double view_w, view_h;   /* cm, plot of the view */
    double long_w, long_h;   /* cm, plot of the longitudinal section */
    double cross_w, cross_h; /* cm, plot of the cross section */
} Print_Settings;

/* The value of a row whose check was switched on but not made: shown as "nicht nachgewiesen". */
#define UTIL_NOT_CHECKED (-1.0)
/* The value of a row whose check does not apply to any combination (no fastener pulls towards the
** member's or the plates' end, a panel has no grain): shown as "entfällt" with that reason, never
** as 0 %. */
#define UTIL_NOT_APPLICABLE (-2.0)
/* The value of a row with a check that cannot be made (no resistance or strength, no partial
** factor, a design error): shown as "nicht nachweisbar" with the check, never as a number. */
#define UTIL_NOT_VERIFIABLE (-3.0)
/* The value of a row with a case that a rule of the standard forbids outright: shown as
** "unzulässig" with the rule and its numbers. */
#define UTIL_NOT_ALLOWED (-4.0)

/* The named partial checks with their utilisation that the utilisation page shows. */
typedef struct Utilisation_List {
    int32_t count;                           /* rows in use, 0..10 */
    char name[UTIL_LIST_MAX][UTIL_NAME_MAX]; /* code page 850 */
    double value[UTIL_LIST_MAX];             /* utilisation ratio, 1.0 = 100 %, or one of
                                 ** UTIL_NOT_CHECKED, UTIL_NOT_APPLICABLE, UTIL_NOT_VERIFIABLE,
                                 ** UTIL_NOT_ALLOWED */
    /* where a row gathers several checks, the one that gives its value ("Schub der inneren
    ** Lamelle"), code page 850, else "" */
    char governs[UTIL_LIST_MAX][UTIL_GOVERNS_MAX];
    int32_t lkom_row[UTIL_LIST_MAX]; /* number of the combination that gives the value in the
                                     ** table of the design combinations, 0 none */
} Utilisation_List;

/* Characteristic actions are the records of checks/; the alias keeps the field name free. */
typedef Char_Actions Char_Action_Rec;

/* The size a fastener type had when another type was chosen: choosing it again gives it back. */
typedef struct Vbm_Size_Rec {
    int32_t kept;  /* 1 when the type was left with this size */
    int32_t row;   /* catalogue row */
    double d, d_2; /* mm, diameter and second dimension (core diameter) */
    double l;      /* mm, length */
    double l_ef;   /* mm, effective (threaded) length */
    double d_k;    /* mm, head diameter, staples: back width */
} Vbm_Size_Rec;

/* ---------------------------------------------------------------- the splice input */

typedef struct Splice_Input_Record {
    /* system */
    int32_t connection_kind;      /* Connection_Kind */
    int32_t splice_kind;          /* Splice_Kind */
    int32_t service_class;        /* 1..3 */
    int32_t mat_mid, grade_mid;   /* Mat_Group_Code and grade of the middle member */
    int32_t mat_side, grade_side; /* the same of the side members */
    int32_t edgewise_mid;         /* raise f_m,k of a glulam middle member by 20 % */
    int32_t edgewise_side;        /* the same for the side members */
    double b;                     /* cm, thickness of the middle member */
    double h;                     /* cm, height of the member */
    double t_s;                   /* cm, thickness of a side member */
    double h_s;                   /* cm, height of the side members */
    double L;                     /* cm, length of the side members or plates */
    int32_t t_s_user;             /* 1 user's t_s, 0 automatic */
    int32_t L_user;               /* 1 user's L, 0 automatic */
    double plate_count;           /* number of plates n_p */
    double t_p;                   /* cm, plate thickness */
    double h_p;                   /* cm, plate height */
    int32_t plate_steel;          /* steel grade code of the plates */
    int32_t strength_override_on; /* hand the override to the strength lookups */
    double strength_override;     /* N/mm², strength override */

    /* fastener */
    int32_t vbm_type;         /* Vbm_Type_Code */
    int32_t vbm_row;          /* catalogue row of the fastener */
    double fu_k;              /* N/mm², tensile strength of the fastener */
    double d;                 /* mm, diameter */
    double d_2;               /* mm, second dimension of the fastener (core diameter) */
    double l;                 /* mm, length */
    double staple_angle;      /* degrees, staple crown to grain */
    double staple_angle_copy; /* degrees, copy kept by the connection input */
    double d_bolt;            /* mm, connector bolt diameter */
    double washer_d;          /* mm, washer diameter */
    double d_k;               /* mm, head diameter, staples: back width */
    double l_ef;              /* mm, effective (threaded) length */
    int32_t connector_index;  /* row of the connector catalogue */
    int32_t bolt_index;       /* index of the bolt list */
    int32_t vbm_steel;        /* steel grade code of the fastener */
    int32_t bolt_steel;       /* steel grade code of the bolts */
    double vbm_values[12];    /* further fastener values, the first default 20.0 */
    int32_t predrilled;
    int32_t two_sided; /* 1 driven from both sides, 0 alternately */
    int32_t fitted_bolt;
    int32_t failure_mode_switch; /* print the governing failure mode instead of f_red */
    int32_t stainless;
    int32_t threaded_rod;
    int32_t douglas;
    int32_t offset_1d; /* nails offset by 1 d along the grain */
    int32_t washer;    /* with washer */
    int32_t resin_coated;
    int32_t green_timber;      /* timber at fibre saturation */
    int32_t species_sfp;       /* spruce, fir or pine only */
    int32_t capacity_increase; /* increase of the lateral capacity */
    int32_t panel_edges;       /* panel-edge condition */
    int32_t eurocode_wording;
    int32_t predrill_core; /* pre-drilled with the core diameter */
    int32_t steel_hole;    /* hole in steel d + 1 mm also for fitted bolts */
    int32_t washer_kind;   /* 1 pressed washer */
    int32_t split_rule;    /* splitting-thickness rule with 7 d (further option) */
    int32_t calc_method;   /* resistance method 0, 1 or 2 */

    /* layout per fastener type, indexed by VBM_TYPE_SLOT(type) */
    double n_col[VBM_TYPE_SLOTS];       /* fasteners in a row along the grain (one half) */
    double n_row[VBM_TYPE_SLOTS];       /* rows */
    int32_t layout[VBM_TYPE_SLOTS];     /* LAYOUT_REGULAR or LAYOUT_STAGGERED */
    int32_t grouped[VBM_TYPE_SLOTS];    /* columns laid out in two groups */
    Vbm_Size_Rec sizes[VBM_TYPE_SLOTS]; /* the size of each type left for another */

    /* spacings: the user's values with their switches, and what the preparation run stores */
    double a1, a2, a3, a4;                      /* cm */
    int32_t a1_user, a2_user, a3_user, a4_user; /* 1: the user's value is used */
    double e1;                                  /* cm, plate end distance */
    int32_t e1_user;                            /* 1: the user's e1 is used */
    double e1_copy;                             /* cm, second copy of e1 */
    double e2;                                  /* cm, plate edge distance */
    double p1, p2;        /* cm, spacing in a row and of the rows in the plate (staggered:
                          ** p1 twice a1, p2 twice the rows' pitch, which their readers halve) */
    double e_rand_ec;     /* cm, edge distance of the end fastener, EN 1993-1-8 */
    double e_rand_din;    /* cm, the same for DIN 18800 */
    double e_x;           /* cm, eccentricity of the fastener group (x_c) */
    double k_xr;          /* 1/cm, sum |x - x_c| / sum r² of one group */
    int32_t shear_planes; /* shear planes per fastener */
    int32_t block_shear;  /* block-shear check switch */

    /* partial factors (set per combination) */
    double gamma_m_side;
    double gamma_m_mid;
    double gamma_m0;    /* steel plates, cross-section */
    double gamma_m2;    /* steel plates, bearing */
    double gamma_s;     /* steel factor of the connection */
    double gamma_m_t90; /* timber, tension perpendicular to the grain */

    /* results kept with the input */
    int32_t governing_vbm; /* index of the governing fastener */
    Utilisation_List utilisation;

    /* combinations, actions, print */
    int32_t lkom_generated;   /* combinations generated from the characteristic actions */
    int32_t snow_above_1000;  /* snow above 1000 m */
    int32_t imposed_category; /* category of the imposed load "Nutzlasten", IMPOSED_CAT_* */
    Lkom_Table lkom;
    Char_Action_Rec Char_Actions[CHAR_ACTION_COUNT];
    Print_Settings print;
    char *Vorbemerkungen_Text; /* preliminary remarks, code page 850, or null */
    int32_t text_code_page;    /* of the input file's texts: 1252 or 65001 (UTF-8), else 850 */
} Splice_Input_Record;

/* ---------------------------------------------------------------- globals */

extern Splice_Input_Record Splice_Input;
extern char Bauteilkennung[BAUTEILKENNUNG_MAX];

/*
** Clear the record (the remarks text is released) and set the defaults of a sensible splice:
** a bending splice with side timbers of C24, 3 rows of 4 dowels of 12 mm per half.
*/
void Set_Splice_Input_Defaults(Splice_Input_Record *si);

/*
** The load-duration class (KLED_*) that the row of action index i starts with, as the German
** annex assigns it (DIN EN 1995-1-1/NA, Table NA.1, with EN 1995-1-1, 2.3.1.2 and Table 2.2):
** wind short-term, an earthquake as an accidental action instantaneous; the other rows start
** permanent, the least kmod, until the user picks their class.
*/
int32_t Char_Action_Start_Kled(int i);

/* Pointer to the combination of group g, entry e; null outside the table. */
Lkom_Entry *Get_Lkom_Entry(int g, int e);

/*
** Return 1 when combination c is seismic (EN 1990, (6.12b)): an accidental combination whose
** actions, which the generation stores with it, hold the earthquake "Erdbeben"; else 0. An
** accidental combination entered by hand or imported is accidental (EN 1990, (6.11b)).
*/
int Is_Lkom_Seismic(const Lkom_Entry *c);

/*
** Return 1 when combination c takes the partial factors of the accidental design situation, 0
** when it takes those of the persistent one. A seismic combination keeps the persistent ones:
** the splice is designed as part of a low-dissipative structure (DCL, EN 1998-1, 8.6(2)), whose
** dissipative detailing (EN 1998-1, 8.3 and 8.5) is not checked here.
*/
int Lkom_Accidental_Factors(const Lkom_Entry *c);

/* Splice_N_Col and Splice_N_Row: column and row count of the current fastener type; 0 for a
** type without a slot. */
double Splice_N_Col(const Splice_Input_Record *si);
double Splice_N_Row(const Splice_Input_Record *si);
