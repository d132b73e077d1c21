/*
** Checks of one design combination of a splice (timber members, steel plates and plate holes,
** fasteners, block shear) and the design run over all combinations with the governing
** combination and the utilisation list. Every check computes and, given a print-list file,
** writes its section; a null file computes only. The timber, plate and bearing checks compute
** into a record (Calc_*) that their printer (Print_*) writes; Oli_*_Nachweis does both.
**
** Units: forces in kN, moments in kNm, stresses in N/mm², member dimensions in cm.
*/
#pragma once

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "results/splice_calc.h"
#include "design/design_types.h"
#include "catalogue/catalogue.h"

/* A partial check counts as satisfied up to this utilisation. */
#define UTIL_LIMIT 1.005

/* The utilisation that stands for a check that cannot be made (no resistance, a design error,
** no partial factor): it reads as failed on the page and in the print list and governs every
** maximum. Checks report such a state explicitly; this value is only what is shown of it. It is
** infinite, as a force over no resistance is, so that no computed utilisation (10 = 1000 % among
** them) is ever taken for it. */
#define UTIL_NO_CHECK HUGE_VAL

/* The utilisation shown of a check: u, or UTIL_NO_CHECK when the check has no capacity. */
static inline double Shown_Util(int no_capacity, double u)
{
    return no_capacity ? UTIL_NO_CHECK : u;
}

/* What the stand-in UTIL_NO_CHECK of a check stands for: nothing (a number), a check without a
** capacity (no resistance or strength, no partial factor, a design error), or a case that a
** rule of the standard forbids outright. */
enum { STAND_IN_NONE = 0, STAND_IN_NO_CAPACITY = 1, STAND_IN_NOT_ALLOWED = 2 };
/* The words the page and the print list show in place of the stand-in, which is no number. */
#define UTIL_NO_CHECK_TEXT    "nicht nachweisbar"
#define UTIL_NOT_ALLOWED_TEXT "unzul\x84ssig"

/*
** A utilisation u as the print list writes it: its name and u with `decimals` decimals ("u =
** 0.45" of name "u = "), or UTIL_NO_CHECK_TEXT for the stand-in UTIL_NO_CHECK. Util_Of(u, name,
** decimals).t lives to the end of the full expression.
*/
typedef struct Util_Text {
    char t[112];
} Util_Text;
Util_Text Util_Of(double u, const char *name, int decimals);

/* Symbols of the print list's font. */
#define SYM_ALPHA    "\xBA"
#define SYM_RATIO    "\xBB"
#define SYM_GAMMA    "\xC0"
#define SYM_RHO      "\xCB"
#define SYM_SIGMA    "\xCC"
#define SYM_TAU      "\xD6"
#define SYM_ARROW    "=>"
#define SYM_LE       "\xF3"
#define SYM_GE       "\xF2"
#define SYM_DEGREE   "\xF8"
#define SYM_DIAMETER "\x8C"
#define SYM_SUM      "\xB2"
#define SYM_EPSILON  "\xBE"

/* ---------------------------------------------------------------- timber members */

/*
** Fill the section-check record, the section (net width, height in cm) and the 10 geometry
** values geo (net area, moduli, shear area and second moment, cm units) of the middle member
** (Init_Middle_Timber_Check) or of both side timbers together (Init_Side_Timber_Check) for the
** modification factor kmod, with the characteristic strengths of the catalogue; the record
** points at geo. *code_a and *code_b (when given) get the codes the section check expects.
** Return 1, or 0 with nothing written when rec or dims is null.
*/
int Init_Middle_Timber_Check(Section_Check_Input *rec, double kmod, Section_Dims *dims, double *geo,
                             int *code_a, int *code_b);
int Init_Side_Timber_Check(Section_Check_Input *rec, double kmod, Section_Dims *dims, double *geo,
                           int *code_a, int *code_b);

/* Set k_cr (EN 1995-1-1, 6.1.7(2)) of a member of material group mat in both directions of
** the record, by the annex's rule: 1 its fixed values, any other value the rules of the German
** annex from the record's f_v,k; and mark the record as a Eurocode check. Without an annex the
** record stays as it is. */
void Set_Kcr_Factor(Section_Check_Input *rec, int mat);

/* Return the stress kind under which the catalogue gives a member's strengths in the splice
** (tension, bending, compression and shear alike): a panel is a splice plate, stressed and bent
** in its plane, whose in-plane values the plywood and OSB tables give under kind 2 (the other
** panels, like the timbers along the grain, under kind 8). */
int32_t Member_Strength_Kind(int mat);
/* Said after each printed strength of a panel: the checks took its values in its plane. */
extern const char Panel_In_Plane_Note[];

/* Return the partial factor gamma_M of a member's strength perpendicular to the grain: the
** middle member's (side 0) as the run set it (gamma_m_t90 of the splice), the side members'
** (side 1) from their own material (EN 1995-1-1, 2.4.1, Table 2.3): each member by its own. */
double Get_Gamma_M_T90(int side);
/* Return the design tensile strength perpendicular to the grain (N/mm²) of the middle member
** (Get_Ft90d_Middle) or of the side members (Get_Ft90d_Side) with the kmod of combination
** group `group` and the member's own partial factor (Get_Gamma_M_T90), when accidental is set
** the accidental one of the annex; a missing partial factor gives 0. */
double Get_Ft90d_Middle(int group, int accidental);
double Get_Ft90d_Side(int group, int accidental);

/* One member's stresses in the net section at the joint. */
typedef struct Timber_Member_Check {
    double sigma_0;   /* N/mm², axial stress */
    double sigma_m;   /* N/mm², bending stress of the governing edge */
    double tau;       /* N/mm², shear stress */
    double V;         /* kN, shear the member takes */
    double k_cr;      /* crack factor of its shear check (printed with an annex) */
    double u;         /* utilisation, tension perpendicular to the grain included */
    double u_section; /* of its stresses alone (EN 1995-1-1, 6.1 and 6.2), as its line prints it */
    double u_n;       /* of the axial force with bending alone (EN 1995-1-1, 6.2) */
    double u_v;       /* of the shear alone (EN 1995-1-1, 6.1.7) */
    int32_t panel;    /* 1: a wood-based or gypsum panel, checked with its in-plane values */
    double f_m_k, f_c_0_k, f_v_k; /* N/mm², characteristic strengths the check took */
    double kmod, gamma_m;         /* factors of its design strengths */
    double f_m_d, f_c_0_d, f_v_d; /* N/mm², its design strengths */
    double N, M;                  /* kN, kNm: the axial force and moment the member takes */
    double A_n, W_n;              /* cm², cm³: the net section checked */
} Timber_Member_Check;

/* ---------------------------------------------------------------- loads inside the joint */

/*
** The shear that the timber and the plates take at the joint, from the equilibrium of the sections
** between the columns of one splice half. Every column passes its fasteners' forces across the
** grain (F_y of all shear planes) between the timber and the plates (or the side timbers); the
** forces of all columns of a half sum to V_d. The middle member of a half ends free at the joint:
** a section behind column k carries the sum of columns 1..k (the joint's side), beyond the last
** column V_d. The plates (side timbers) end free beyond the last column and carry V_d at the
** joint: a section behind column k carries the sum of the other columns (the member's side). A lap
** has no free member end at the joint: both take the larger side. Neither is ever less than the
** estimate max(|V_d|; |V_d| / 2 + k_xr |M_v,d| / 2) that the checks took before.
*/
typedef struct Joint_Shear {
    int32_t done;                  /* 1: the sections were evaluated (a moment acts) */
    int32_t lap;                   /* 1: a lap, whose columns are ordered by x, not from a joint */
    int32_t side_timbers;          /* 1: side timbers take the plates' shear */
    double V_d;                    /* kN, shear of the combination */
    double M;                      /* kNm, moment for distribution M_v,d */
    double k_xr;                   /* 1/cm, pattern factor sum |x_i| / sum r_i² */
    double V_estimate;             /* kN, max(|V_d|; |V_d| / 2 + k_xr |M| / 2), V_d itself where
                                   ** its magnitude governs */
    int32_t columns;               /* columns of one half, numbered from the joint */
    double F[PATTERN_COLUMNS_MAX]; /* kN, the columns' forces across the grain (the first
                                   ** PATTERN_COLUMNS_MAX columns) */
    int32_t section;               /* the timber's governing section lies behind this column,
                                   ** 0: none */
    double V_joint_side;           /* kN, |sum of the columns 1..section| */
    double V_member_side;          /* kN, |sum of the other columns| */
    double V_sections;             /* kN, the timber's: V_joint_side (a lap: the larger side) */
    double V;                      /* kN, the shear the timber takes: V_sections where it exceeds
                                   ** |V_estimate|, else V_estimate */
    int32_t plate_section;         /* the plates' governing section lies behind this column */
    double V_plate_sections;       /* kN, |sum of the columns plate_section + 1..columns| (a lap:
                                   ** V_sections) */
    double V_plate;                /* kN, the shear the plates or side timbers take, as V */
} Joint_Shear;

/* Compute the joint shear of combination (group, entry) of the prepared pattern into *out; 0 when
** there is no such combination. Without a moment (no bending splice, M_v,d = 0) the sections are
** not evaluated and V is V_estimate. */
int Calc_Joint_Shear(int group, int entry, Joint_Shear *out);
/* Write the lines of a computed joint shear that was evaluated (nothing otherwise). */
void Print_Joint_Shear(FILE *file, const Joint_Shear *js);
/* The name of the shear the print gives the timber (plates 0) or the plates or side timbers
** (plates 1): V_d where no moment acts, V of a lap, else V_Holz, V_Blech or V_Seitenholz. */
const char *Joint_Shear_Symbol(const Joint_Shear *js, int plates);

/* Distance (cm) of the fastener column farthest from the joint, |x| largest of the pattern: the
** member's net section there carries the moment |M_d| + |V_d| x_max. */
double Joint_Outermost_Column_X(void);

/* Tension perpendicular to the grain of one member under EN 1995-1-1, 8.1.4, for one connection:
** a run of adjacent columns of one splice half, or the weakest column of them. */
typedef struct Split_Case {
    double F;            /* kN, F_v,Ed */
    double h_e;          /* mm, from the loaded edge to the farthest fastener */
    double a_r;          /* mm, from the first to the last fastener along the grain */
    int32_t n;           /* rows of fasteners */
    double h_1;          /* mm, the row nearest the unloaded edge from it */
    double sum_r;        /* sum (h_1 / h_i)² over the rows */
    double k_s, k_r;     /* factors of the annex's rule */
    double F_Rk;         /* kN, eq. (8.4) */
    double F_Rd;         /* kN, with k_g */
    double l_g;          /* mm, a run within one group of columns: the clear distance to the
                         ** nearest other group, 0.5 h <= l_g < 2 h (annex's rule); 0 without */
    double k_g;          /* l_g / (4 h) + 0.5 with such a group beside it, else 1 */
    int32_t across;      /* 1: a run over groups 0.5 h <= l_g < 2 h apart, without k_g */
    int32_t short_only;  /* annex's rule: h_e / h < 0.2 under a load that is not short-term */
    double u;            /* F / F_Rd; UTIL_NO_CHECK without a capacity or where not allowed */
    int32_t first, last; /* a run of columns: its first and last column, from the joint (1..) */
    double sum_F;        /* kN, a run: its columns' forces towards the loaded edge on all planes */
} Split_Case;

/* Members of the splitting check (Split_Check.piece). */
enum {
    SPLIT_MIDDLE = 0,        /* the middle member beside side timbers or outer plates */
    SPLIT_SIDE = 1,          /* one side timber */
    SPLIT_LAMELLA_OUTER = 2, /* a lamella beside one inner plate */
    SPLIT_LAMELLA_INNER = 3, /* a lamella between two inner plates */
    SPLIT_LAP = 4            /* one half of a lap */
};
/* The rule of the splitting check (Timber_Check.split_rule). */
enum { SPLIT_RULE_NONE = 0, SPLIT_RULE_EC5 = 1, SPLIT_RULE_NA = 2 };

typedef struct Split_Check {
    int32_t done;
    int32_t panel;        /* 1: a panel without grain, which the rule does not reach (u 0) */
    int32_t piece;        /* SPLIT_* */
    int32_t kled;         /* load-duration class of the combination's group, -1 accidental */
    double planes;        /* shear planes of a fastener that load the member (one side
                             ** timber: half of them) */
    int32_t shear_planes; /* shear planes of a fastener */
    double b, h;          /* mm, thickness and height of the member */
    double d;             /* mm, diameter of the effective depth */
    double t;             /* mm, depth that a nail, screw or staple reaches into the member */
    double t_ef_factor;   /* 6 or 12: t_ef = min(b; t; factor d) */
    double t_ef;          /* mm, effective depth (annex's rule) */
    double kmod, gamma;   /* factors of F_90,Rd by eq. (8.4) */
    double f_t90_k;       /* N/mm², characteristic value behind f_t90_d */
    double f_t90_d;       /* N/mm², annex's rule: f_t90_k kmod / gamma */
    Split_Case group;     /* the governing run of adjacent columns against the member's share
                             ** of their forces towards the loaded edge */
    Split_Case column;    /* the weakest column against the largest column force */
    int32_t groups;       /* annex's rule: gaps between adjacent columns of 0.5 h <= l_g < 2 h */
    double V90;           /* kN, the largest column force across the grain per shear plane */
    double v_share;       /* kN, a side timber: V_d's share of each fastener, all planes */
    int32_t n_fasteners;  /* fasteners of one half */
    int32_t mirrored;     /* columns of the other splice half before the first one (a side
                             ** timber runs through the joint), 0 for a member of one half */
    double u;             /* the larger of both */
} Split_Check;

/* The timber check of one combination as Calc_Timber_Check computes it and Print_Timber_Check
** writes it. */
/*
** The halves of a lap under compression (EN 1995-1-1, 6.2.4 and 6.3.2): each carries N_d with
** the moment of its eccentricity M = |N_d| t / 2 across its thickness t, on its net section.
*/
typedef struct Lap_Compression_Check {
    int32_t done;               /* 1: a lap under compression was checked */
    double t, h;                /* mm, thickness of a half (b / 2) and its height */
    double M_z;                 /* kNm, |N_d| t / 2 */
    double A_n, W_z;            /* cm², cm³: net area of a half and its modulus A_n t / 6 */
    double sigma_c;             /* N/mm², |N_d| / A_n */
    double M_y, W_y;            /* kNm, cm³: the member's moment (M_sec) and net modulus W_n */
    double sigma_m_y;           /* N/mm², the bending stress of M_y on W_y (the member check's) */
    double sigma_m_z;           /* N/mm², M_z / W_z */
    double f_c_0_d, f_m_d, k_m; /* N/mm², N/mm², -: k_m of EN 1995-1-1, 6.1.6(2) */
    double u_619, u_620;        /* eq. (6.19) and (6.20) */
    double l_ef;                /* mm, buckling length of a half: the length of the lap */
    double lambda_rel_y, lambda_rel_z, k_c_y, k_c_z; /* eq. (6.21), (6.22), (6.25), (6.26) */
    double u_623, u_624;                             /* eq. (6.23) and (6.24) */
    double u;                                        /* the largest of the four */
} Lap_Compression_Check;

/*
** The halves of a lap under tension where their tensile strength takes no reduction for members
** loaded from one side (EN 1995-1-1, 6.2.3): each carries N_d with the moment of its eccentricity
** M = N_d t / 2 across its thickness t, on its net section.
*/
typedef struct Lap_Tension_Check {
    int32_t done;               /* 1: a lap under tension was checked in bending */
    double t;                   /* mm, thickness of a half (b / 2) */
    double M_z;                 /* kNm, |N_d| t / 2 */
    double A_n, W_z;            /* cm², cm³: net area of a half and its modulus A_n t / 6 */
    double sigma_t;             /* N/mm², N_d / A_n */
    double M_y, W_y;            /* kNm, cm³: the member's moment (M_sec) and net modulus W_n */
    double sigma_m_y;           /* N/mm², the bending stress of M_y on W_y (the member check's) */
    double sigma_m_z;           /* N/mm², M_z / W_z */
    double f_t_0_k, f_m_k;      /* N/mm², characteristic strengths of the halves */
    double k_h_t, k_h_m;        /* -, size factors their design values carry */
    double kmod, gamma_m;       /* -, factors of the design values */
    double f_t_0_d, f_m_d, k_m; /* N/mm², N/mm², -: k_m of EN 1995-1-1, 6.1.6(2) */
    double u_617, u_618;        /* eq. (6.17) and (6.18) */
    double u;                   /* the larger of both */
} Lap_Tension_Check;

enum { TIMBER_CHECK_DONE = 0, TIMBER_CHECK_NO_GAMMA = 1 };
typedef struct Timber_Check {
    int32_t state;                           /* TIMBER_CHECK_DONE, or no partial factor gamma_M */
    int32_t annex;                           /* 1: EN 1995-1-1 with the German annex, 0: DIN 1052 */
    int32_t kind;                            /* connection kind (CONN_*) */
    int32_t bending;                         /* 1 for the bending splice */
    int32_t joint_moment;                    /* 1: the shear at the joint takes a moment */
    double N;                                /* kN, axial force, tension positive */
    double V_d;                              /* kN, shear of the combination */
    double M;                                /* kNm, moment for distribution (no M_d but in a
                                             ** bending splice) */
    double k_xr;                             /* 1/cm, pattern factor sum |x_i| / sum r_i² */
    double V;                                /* kN, shear at the joint */
    Joint_Shear shear;                       /* where V comes from */
    double M_d;                              /* kNm, moment of the combination */
    double M_left_out;                       /* kNm, M_d that the splice does not check, 0 none */
    double e_x;                              /* cm, the fasteners' centroid from the joint */
    double x_max;                            /* cm, outermost column from the joint */
    double M_sec;                            /* kNm, moment on the net section of the middle
                                             ** member there: |V_d| x_max, and |M_d| in a
                                             ** bending splice */
    int32_t lamellas;                        /* lamellas where two or more inner plates split
                                             ** the member (each checked with its share), else 0 */
    int32_t planes;                          /* shear planes of a fastener, 2 per inner plate */
    Timber_Member_Check mid;                 /* middle member, all lamellas together beside one
                                             ** inner plate, or a lamella between two plates */
    Timber_Member_Check lam_outer;           /* an outer lamella beside one of several plates */
    Timber_Member_Check side;                /* both side timbers together (side-timber splices) */
    int32_t t90;                             /* 1: tension perpendicular to the grain was checked */
    double V90;                              /* kN, largest column force across the grain */
    double sigma_90_mid, f_t90_mid, u90_mid; /* N/mm², N/mm², - of the middle member */
    double sigma_90_side, f_t90_side, u90_side; /* the same of the side timbers */
    int32_t split_rule;        /* SPLIT_RULE_*: EN 1995-1-1, 8.1.4 instead of t90 */
    Split_Check split_mid;     /* the middle member, a lamella or a half of a lap */
    Split_Check split_side;    /* one side timber */
    int32_t one_sided_tension; /* 1: the tensile strength of the members loaded from one side
                                  (the side timbers, or the halves of a lap) is written */
    double k_red;              /* reduction of one-sidedly loaded members, 1 without */
    double k_h;                /* size factor their strength carries */
    double f_t_0_k;            /* N/mm², of those members, without k_red and k_h */
    double kmod_t, gamma_m_t;  /* factors of their design tensile strength */
    double f_t_0_d;            /* N/mm², their design tensile strength */
    int32_t withdrawal_hint;   /* 1: a pure tension splice of connectors needs fasteners that
                                  resist withdrawal */
    Lap_Compression_Check lap; /* the halves of a lap under compression */
    Lap_Tension_Check lap_t;   /* the halves of a lap under tension without the reduction */
    int32_t lap_end_done;      /* 1: a lap half's gross section at the end of the lap was checked */
    double x_end;              /* cm, the end of the lap from the joint, L / 2 */
    double M_end;              /* kNm, the moment there: |V_d| x_end, and |M_d| in a bending
                                  splice */
    Timber_Member_Check lap_end; /* one lap half there, on its gross section b / 2 x h */
    double u;                    /* max(mid.u, side.u, lap.u, lap_t.u, lap_end.u), valid when state
                                  is TIMBER_CHECK_DONE */
} Timber_Check;

/* The rule that reduces the tensile strength of members loaded from one side: the German annex
** (NCI NA.8.1.6) under EN 1995-1-1 (annex 1), DIN 1052, 11.1.2 without an annex (0). */
const char *Tension_Reduction_Rule(int annex);
/*
** Tension perpendicular to the grain under EN 1995-1-1, 8.1.4 (with an annex, where the fasteners
** carry a force across the grain: V_d or a column force): set r->split_rule, compute split_mid and
** split_side of combination c of group `group` from r->V90 and the columns' forces (each run of
** adjacent columns that push together is one connection), and raise r->mid.u and r->side.u by
** their utilisations. The rule is eq. (8.4), or NCI NA.8.1.4 where the annex has the
** German national rules. Without an annex or a force across the grain nothing is set.
*/
void Calc_Splitting_Check(int group, const Lkom_Entry *c, Timber_Check *r);
/* Write the lines of the splitting check of a computed timber check (nothing without one). */
void Print_Splitting_Check(FILE *file, const Timber_Check *r);
/*
** Return 1 when the splitting check applies to a member of material group mat, which it does to
** timber loaded at an angle to its grain, and 0 for a panel, which has no grain (wood-based
** panels, gypsum boards); *why (may be null) then gets the kind of member, as the page and the
** print list name it ("Holzwerkstoff").
*/
int Splitting_Applies(int mat, const char **why);
/*
** The rows of the members that the splitting check does not reach under an annex, with why: a
** panel has no grain. For the middle member (member 0) or the side timbers (member 1) return 1
** with the row's name in name (UTIL_NAME_MAX bytes, "Querzug an den Verbindungsmitteln der
** Seitenhölzer") and the kind of member in *why (Splitting_Applies); 0 where the check applies.
*/
int Splitting_Not_Applicable(int member, char *name, const char **why);
/* Write with the checks of the timber "...: entfällt (Holzwerkstoff)" of each member that the
** splitting check does not reach, where its own lines do not say so (no force across the grain). */
void Print_Splitting_Not_Applicable(FILE *file, const Timber_Check *r);
/*
** Return what the stand-in utilisation of a member's splitting check stands for (STAND_IN_*):
** where the annex allows h_e / h < 0.2 under short-term loads only, why (may be null, size
** bytes) gets the rule with its numbers in code page 850 for the page ("h_e / h = 30.0 / 200 =
** 0.150 < 0.2 nur für kurze Lasteinwirkungen zulässig (...)"), else "".
*/
int Splitting_Stand_In(const Split_Check *p, char *why, size_t size);
/* The depth (mm) a plain nail reaches into the middle member, at most its thickness. */
double Mid_Nail_Penetration(void);

/* Compute the timber check of combination (group, entry) into *out; 0 when there is no such
** combination (then *out is untouched). Writes nothing. */
int Calc_Timber_Check(int group, int entry, Timber_Check *out);
/* Write the section "Hölzer" of a computed check; nothing without a file. */
void Print_Timber_Check(FILE *file, const Timber_Check *check);
/*
** Check the timber of combination (group, entry); write the section "Hölzer" when a file is
** given. Return max(u_middle, u_side); the out-pointers (optional) get both values.
*/
double Oli_Holz_Nachweis(FILE *file, int group, int entry, double *u_middle, double *u_side);
/* As Oli_Holz_Nachweis; governs_middle and governs_side (optional, size bytes each) get the
** checks that give both values (Timber_Governing_Check), with the rule that forbids a case where
** one does, and stand_in (optional, two ints) what the stand-in of each member stands for. */
double Oli_Holz_Nachweis_Governing(FILE *file, int group, int entry, double *u_middle,
                                   double *u_side, char *governs_middle, char *governs_side,
                                   size_t size, int *stand_in);
/*
** Name the check of a computed timber check that gives the utilisation of the middle member (or
** the timber beside inner plates, or a lap; side 0) or of the side timbers (side 1), in code page
** 850, as the utilisation page says it: "Zug und Biegung", "Schub der inneren Lamelle",
** "Querzug an den Verbindungsmitteln", "Knicken der Blatthälften"; "" where nothing was checked.
** A check whose utilisation is the stand-in UTIL_NO_CHECK governs before any number. Return what
** the stand-in of the named check stands for (STAND_IN_*).
*/
int Timber_Governing_Check(const Timber_Check *r, int side, char *out, size_t size);

/* ---------------------------------------------------------------- steel plates */

/*
** Stresses of all plates together for N (kN), V (kN) and M (kNm): sigma = N / A + |M| / W at the
** edge where both act the same way (minus |M| / W for a compression N),
** tau = 1.5 V / A, sigma_v = sqrt(sigma² + 3 tau²) (N/mm²), each written when its pointer is
** given (sigma_v only with sigma and tau). Return 1, or 0 when the net area is below 1e-5 cm²
** (the stresses are then not defined and not written).
*/
int Calc_Plate_Stresses(double N, double V, double M, double *sigma, double *tau, double *sigma_v);

/* Return the design shear strength f_y,d / sqrt(3) of the plates (N/mm²), f_y,d of the
** accidental situation when accidental is set. */
double Get_Plate_Shear_Strength(int accidental);

/*
** Buckling of a compressed plate between its fasteners (EN 1993-1-8, Table 3.3, note 2): the
** buckling length 0.6 p1 over the largest distance p1 along the force between adjacent columns
** of fasteners, the joint included, with curve c (EN 1993-1-1, 6.3.1.2; without an annex
** DIN 18800-2, (4)). Not needed below p1 / t = 9 eps (EN) or at a slenderness up to 0.2 (DIN).
*/
enum {
    PLATE_BUCKLING_NONE = 0,    /* the plates are not in compression */
    PLATE_BUCKLING_SKIPPED = 1, /* in compression, but stocky enough: no check needed */
    PLATE_BUCKLING_DONE = 2
};
/* The largest spacing of the plates of a bending or compression splice, compression members in
** every combination (EN 1993-1-8, Table 3.3, note 1: min(14 t; 200 mm), against local buckling
** and corrosion): checked for outer plates; inner plates, held on both faces in their slots and
** not exposed, are exempt. */
enum { PLATE_SPACING_NONE = 0, PLATE_SPACING_LIMITED = 1, PLATE_SPACING_HELD = 2 };
typedef struct Plate_Buckling {
    int32_t state;     /* PLATE_BUCKLING_* */
    int32_t spacing;   /* PLATE_SPACING_* (with an annex, in a bending or compression splice) */
    double p1_max;     /* mm, min(14 t; 200 mm) with PLATE_SPACING_LIMITED, also that of p2 */
    double p2;         /* cm, largest distance across the force between adjacent rows, 0: one */
    double u_p1, u_p2; /* 10 p1 / p1_max and 10 p2 / p1_max with PLATE_SPACING_LIMITED */
    double u_spacing;  /* the larger of u_p1 and u_p2 with PLATE_SPACING_LIMITED, else 0 */
    double sigma_c;  /* N/mm², compressive stress at the more compressed edge of the net section */
    double p1;       /* cm, largest distance along the force between adjacent columns */
    int32_t across;  /* 1 when p1 is the distance across the joint */
    double t;        /* mm, plate thickness */
    double f_y;      /* N/mm², characteristic yield strength */
    double eps;      /* sqrt(235 / f_y) (EN), sqrt(240 / f_y,k) (DIN) */
    double L_cr;     /* mm, 0.6 p1 */
    double i;        /* mm, radius of gyration t / sqrt(12) */
    double lambda_1; /* pi sqrt(E / f_y) */
    double lambda;   /* relative slenderness L_cr / (i lambda_1) */
    double Phi, chi; /* curve c: Phi (k of DIN 18800-2) and chi (kappa) */
    double gamma_m1; /* gamma_M1 (EN) or gamma_M (DIN); 1.0 in an accidental combination */
    int32_t accidental; /* 1: gamma_m1 is that of an accidental combination */
    double f_b;         /* N/mm², chi f_y / gamma_M1 */
    double u;           /* sigma_c / f_b when DONE, UTIL_NO_CHECK without a strength, else 0 */
} Plate_Buckling;

/* The largest spacing p1,max = min(14 t; 200 mm) (mm) that the outer plates of a splice of kind
** `kind` (SPLICE_*) keep as compression members in the plate check (bending and compression
** splices with an annex), or 0 where that splice sets none: between adjacent columns, across the
** joint (2 a3) and between adjacent rows alike. */
double Plate_Spacing_Limit(int kind);

/* Largest distance (cm) along the force between adjacent columns of fasteners in the plates,
** that across the joint included (*across, optional, set when it governs); 0 without a
** pattern. */
double Plate_Buckling_Span(int *across);

/* Largest distance (cm) across the force between adjacent rows of fasteners in the plates; 0 for
** a single row. */
double Plate_Row_Span(void);

/* The plate check of one combination as Calc_Plate_Check computes it and Print_Plate_Check
** writes it. */
enum { PLATE_CHECK_DONE = 0, PLATE_CHECK_NO_SECTION = 1, PLATE_CHECK_NO_FYD = 2 };
typedef struct Plate_Check {
    int32_t state;              /* PLATE_CHECK_DONE or why the check cannot be made */
    int32_t bending;            /* 1 for the bending splice */
    int32_t joint_moment;       /* 1: the shear at the joint takes a moment */
    double V;                   /* kN, the plates' shear at the joint (shear.V_plate) */
    Joint_Shear shear;          /* where V comes from */
    double N, M;                /* kN, kNm: N_d and the moment M_v,d the plates take */
    double A_n, W_n;            /* cm², cm³: the net section of all plates */
    double sigma, tau, sigma_v; /* N/mm², stresses of the net section */
    double f_yd;                /* N/mm², design yield strength of the plate */
    double f_vd;                /* N/mm², its design shear strength f_y,d / sqrt(3) */
    int32_t net_tension;        /* 1: the net section has a pulled edge, which bears at most
                                   0.9 f_u / gamma_M2 (EN 1993-1-1, 6.2.3) or, without an
                                   annex, f_u,k / (1.25 gamma_M) (DIN 18800-1): in a bending
                                   splice always, else where sigma is a tension */
    double sigma_t;             /* N/mm², the edge N_d / A_n + M / W_n that M pulls (sigma
                                   where N_d >= 0; at most 0 where nothing pulls) */
    double f_u, gamma_m2, f_ud; /* N/mm², -, N/mm²: that strength and what it comes from
                                   (gamma_m2: gamma_M2, or gamma_M of DIN 18800-1) */
    double u_net;               /* max(sigma_t, 0) / min(f_y,d; f_ud) where net_tension, else 0 */
    double u;                   /* utilisation, valid when state is PLATE_CHECK_DONE */
    Plate_Buckling buckling;    /* between the fasteners; made only when state is DONE */
    double M_left_out;          /* kNm, M_d that the splice does not check, 0 none */
} Plate_Check;

/* Compute the plate check of combination (group, entry) into *out; 0 when there is no such
** combination (then *out is untouched). Writes nothing. */
int Calc_Plate_Check(int group, int entry, Plate_Check *out);
/* Write the plate section of a computed check; nothing without a file. */
void Print_Plate_Check(FILE *file, const Plate_Check *check);
/* Return the plate utilisation of combination (group, entry), 10 when the check cannot be
** made and 0 without such a combination; write the plate section when given a file. */
double Oli_Blech_Nachweis(FILE *file, int group, int entry);
/* As Oli_Blech_Nachweis; *u_buckling gets the utilisation of the plates' buckling between the
** fasteners, 0 when that check is not made, and *u_spacing that of the largest spacing of the
** outer plates of a bending or compression splice (Plate_Buckling.u_spacing), 0 where it is not
** limited; both optional. */
double Oli_Blech_Nachweis_Knicken(FILE *file, int group, int entry, double *u_buckling,
                                  double *u_spacing);

/* Row spacing p2 of the plate holes (cm) that the bearing check takes: the plate height when
** the fasteners stand in one row, else the spacing of the pattern. */
double Plate_Row_Spacing(const Splice_Input_Record *si);

/* One fastener's row of the bearing table: its forces per shear plane and its hole. */
typedef struct Bearing_Row {
    double F_M, F_MH, F_MV;       /* kN, share of the moment and its two components */
    double F_totH, F_totV, F_tot; /* kN, resultant along and across the grain, total */
    double alpha;                 /* degrees, direction of F_tot */
    double R;                     /* kN, DIN: bearing resistance of the hole; EN: that of the
                                     component that governs u */
    double R_H, R_V;              /* kN, EN: resistance to F_totH and to F_totV */
    double u;                     /* DIN: F_tot / R; EN: the larger of F_totH / R_H, F_totV / R_V */
    int32_t end_column;           /* EN: 1 in the column at the plate's end (k1 across by e1) */
    int32_t edge_row;             /* EN: 1 in an outer row (k1 along by e2) */
    int32_t single_row;           /* EN: 1 when the holes stand in one row (an edge either side) */
    int32_t H_end, V_end;         /* EN: 1 where alpha_b of an end (edge) hole applies to F_totH,
                                     to F_totV */
} Bearing_Row;

/* The bearing check of one combination as Calc_Bearing_Check computes it and
** Print_Bearing_Check writes it. EN 1993-1-8 checks the force components along and across the
** plate's edges, each with the factors of its own direction (Table 3.4, note 3); DIN 18800-1
** the resultant. */
typedef struct Bearing_Check {
    int32_t annex;              /* 1: EN 1993-1-8, 0: DIN 18800-1 */
    double d0;                  /* mm, hole: d0 (EN), d_L (DIN) */
    double d;                   /* mm, diameter that bears: d (EN), the shank d_Sch (DIN) */
    int32_t hole_rule;          /* PLATE_HOLE_*: what bears and where the hole comes from */
    double t;                   /* mm, plate thickness */
    double e, e3;               /* cm, DIN: hole spacing and row spacing */
    double p1, p2;              /* cm, EN: hole spacing in a row and of the rows (F_totH) */
    double p1_v, p2_v;          /* cm, EN: hole spacing in a column and of the columns (F_totV) */
    int32_t staggered;          /* EN: 1 for staggered holes, whose spacings differ by direction */
    double e1, e2;              /* cm, end and edge distance of the holes */
    double e_rand;              /* cm, DIN: end distance of the end fasteners */
    double alpha_in, alpha_end; /* DIN: alpha_l of inner and end holes */
    double R_in, R_end;         /* kN, DIN: resistance of an inner and of an end hole */
    double f_yd;                /* N/mm², DIN: design yield strength of the plate */
    double f_yk, gamma_m;       /* N/mm², -, DIN: f_y,d = f_y,k / gamma_M */
    Din_Alpha_Terms in, end;    /* DIN: the terms of alpha_in and alpha_end (Table 8) */
    double f_u, f_ub;           /* N/mm², EN: tensile strength of the plate and of the fastener */
    double gamma_m2;            /* EN: partial factor of the bearing */
    Bearing_Factors H, V;       /* EN: factors along the plate's edges (the grain) and across */
    int32_t first;              /* index of the first fastener in the table */
    int32_t n;                  /* rows: all fasteners, or the governing one */
    Bearing_Row *rows;          /* n rows (null when n is 0), released by Free_Bearing_Check */
    double u_max;               /* largest utilisation of the rows, 0 without rows */
    double M_left_out;          /* kNm, M_d that the splice does not check, 0 none */
} Bearing_Check;

/* Compute the bearing check of combination (group, entry) into *out; 0 when there is no such
** combination (then *out is untouched). Writes nothing; *out owns its rows. */
int Calc_Bearing_Check(int group, int entry, Bearing_Check *out);
/* Write the bearing section with the force table of a computed check; nothing without a file. */
void Print_Bearing_Check(FILE *file, const Bearing_Check *check);
/* Release the rows of a computed check (safe twice). */
void Free_Bearing_Check(Bearing_Check *check);
/* Return the largest bearing utilisation of combination (group, entry); write the bearing
** section with the force table when given a file. */
double Oli_Lochleibung_Nachweis(FILE *file, int group, int entry);

/* ---------------------------------------------------------------- fasteners */

/*
** Return the effective number n_ef of a row of the pattern's fasteners in combination (group,
** entry): Get_Nail_Row_N_Ef of nails (EN 1995-1-1, 8.3.1.1(8)) and Get_Bolt_Row_N_Ef of bolts
** or dowels (8.5.1.1(4)) with the spacing a1_mm (mm), Get_Connector_Row_N_Ef of connectors
** (8.9(2); the number itself below three). *n gets the fasteners in a row, *alpha_min the
** smallest force-to-grain angle of the combination (degrees, at most 90), each when given.
*/
double Get_Nail_Row_N_Ef(int group, int entry, double a1_mm, int *n, double *alpha_min);
double Get_Bolt_Row_N_Ef(int group, int entry, double a1_mm, int *n, double *alpha_min);
double Get_Connector_Row_N_Ef(int group, int entry, int *n, double *alpha_min);

/* The families of a screw's axial capacity in the fastener section. */
enum { VBM_AXIAL_NONE = 0, VBM_AXIAL_DIN571 = 1, VBM_AXIAL_ETA = 2, VBM_AXIAL_RULES = 3 };

/*
** A screw's axial capacity F_ax,Rk, whose quarter its rope effect adds (EN 1995-1-1, 8.2.2(2)),
** with the parts the design took: the withdrawal of the point side (EN 1995-1-1, 8.7.2 for DIN
** 571 screws, the approval's rule for the others) capped by the screw's tensile capacity, and the
** head side. N, mm, N/mm², kg/m³; the axis stands at 90 degrees to the grain.
*/
typedef struct Vbm_Screw_Axial {
    int32_t kind;       /* VBM_AXIAL_*; NONE: no parts to show */
    double d;           /* mm, the screw's diameter */
    double l_ef;        /* mm, its thread in the point-side member */
    double f_ax;        /* N/mm², the withdrawal parameter of the point side */
    double k_d;         /* DIN 571: min(d / 8, 1) (EN 1995-1-1, (8.40)) */
    double rho;         /* kg/m³, density of the point-side member as the rule takes it */
    double rho_ref;     /* kg/m³, the approval's reference density; 0 for DIN 571 */
    double F_point;     /* N, withdrawal of the point side after the tensile cap */
    double F_t;         /* N, the screw's tensile capacity (0: not taken) */
    double d_core;      /* mm, DIN 571: the core whose steel gives F_t */
    double fu;          /* N/mm², DIN 571: the steel of F_t */
    int32_t head_taken; /* 0: a steel plate holds the head, the point side alone counts */
    double F_head;      /* N, the head side as taken: DIN 571 pull-through or washer, else the
                        ** larger of the thread in member 1 (F_thread) and the head (F_pull) */
    double F_thread;    /* N, approved screws: the thread in the head-side member */
    double F_pull;      /* N, the head's pull-through (or washer bearing) */
    double f_head; /* N/mm², DIN 571: the head parameter of the pull-through, 0 for a washer */
    int32_t head_class; /* DIN 571: the head class, 0 A, 1 B, 2 C */
    double c_head;      /* DIN 571: f_head = c_head min(rho_head, 500)² by the head class */
    double rho_head;    /* kg/m³, DIN 571: density of the head-side member */
    double d_k;         /* mm, DIN 571: the head diameter of the pull-through */
    double k_n;         /* n^0.9 / n where the axial design takes it, else 1 */
    int32_t n;          /* the screws n of k_n */
} Vbm_Screw_Axial;

/* Where the washer of a bolt's axial capacity comes from. */
enum { VBM_WASHER_CHOSEN = 1, VBM_WASHER_LEAST = 2, VBM_WASHER_PLATE = 3 };

/*
** A bolt's axial capacity F_ax,Rk, whose quarter its rope effect adds, at most 25 % of the mode
** without it (EN 1995-1-1, 8.2.2(2)): the bearing of its washer 3 f_c,90,k pi/4 (D² - d_h²)
** (8.5.2(2)) unless the bolt's steel holds less. N, mm, N/mm².
*/
typedef struct Vbm_Bolt_Axial {
    int32_t source; /* VBM_WASHER_*; 0: no washer taken, nothing to show */
    double d;       /* mm, the bolt's diameter */
    double t_plate; /* mm, VBM_WASHER_PLATE: the plate's thickness */
    double D, d_h;  /* mm, outer diameter and hole of the area taken */
    double f_c90;   /* N/mm², f_c,90,k of the timber under it */
    double F_w;     /* N, the bearing 3 f_c,90,k pi/4 (D² - d_h²) */
    double F_t;     /* N, the bolt's tensile capacity 0.9 f_ub A_s / gamma (EN 1993-1-8) */
    double f_ub;    /* N/mm², its steel */
    double A_s;     /* mm², its tensile stress area */
    double gamma;   /* gamma_M2 of F_t, 1 where a given f_u stands without one */
} Vbm_Bolt_Axial;

/* One fastener of the fastener check: forces per shear plane (kN), force-to-grain angle
** (degrees), embedment strength (N/mm²), reduction factor and resistances of the fastener (kN). */
typedef struct Vbm_Row {
    double F_M, F_MH, F_MV, F_totH, F_totV, F_tot, alpha_deg;
    double fh, f_red, R_k, R_d;
    double u;            /* F n / n_ef / R_d; 0 when no_capacity */
    int32_t mode;        /* equation code of the governing failure mode */
    int32_t mode_thin;   /* of an intermediate plate the thin-plate mode interpolated, else 0 */
    int32_t no_capacity; /* 1: no design resistance or no effective number */
    /* where the planes of lamellas between plates are not summed and an inner lamella's is the
    ** smaller, every plane takes its value: that lamella's mode and its thin-plate mode; else 0 */
    int32_t lamella_mode, lamella_mode_thin;
    /* what the design took: fu (N/mm²), yield moment (Nmm), embedment strengths of both members
    ** (N/mm², 0 for a steel plate), required thicknesses (mm), kmod and gamma_M of the
    ** lateral resistance, its design value per fastener before n_ef / n (kN) */
    double fu, my_rk, fh1, fh2, t_req_1, t_req_2, kmod, gamma, rd_single;
    double r_ax;    /* kN, axial value whose share the rope-effect modes add; 0: they add none */
    double rope_rk; /* kN, the rope-effect share that R_k holds beside outer plates, else 0 */
    double my_f;    /* Nmm, DIN 571 screws beside a steel plate: yield moment of the shank */
    double t_s;     /* mm, DIN 571 screws beside a steel plate: smooth shank in the timber */
    double rd_connector; /* kN, of rd_single the connector's part (the rest is its bolt's) */
    double rk_connector; /* kN, of R_k the connector's part */
    /* an intermediate outer plate: the factor k of the interpolation and the values of the thin
    ** and the thick plate that R_k interpolates (kN); 0 where the plate is not interpolated */
    double c_p, rk_thin, rk_thick;
    double gamma_connector;    /* gamma_M of the connector's part */
    Vbm_Screw_Axial axial;     /* a screw's F_ax,Rk and its parts */
    Vbm_Bolt_Axial bolt_axial; /* a bolt's F_ax,Rk and its parts */
} Vbm_Row;

/* A line of the effective number of fasteners in a row: the rule it comes from. */
enum { VBM_NEF_BOLT = 1, VBM_NEF_CONNECTOR = 2, VBM_NEF_NAIL = 3 };
/*
** The rule of the effective number in a row of the current fastener: VBM_NEF_BOLT (EN 1995-1-1,
** 8.5.1.1(4)) for dowels and bolts and, with an annex, screws and staples above 6 mm;
** VBM_NEF_CONNECTOR (8.9(2)); VBM_NEF_NAIL (8.3.1.1(8)) for nails and, with an annex, screws and
** staples up to 6 mm (DIN 1052: screws and staples above 6 mm); 0 for none.
*/
int Vbm_N_Ef_Rule(void);
/* n_ef of a row of the current fastener by that rule at the force-to-grain angle alpha_deg (n
** itself without a rule); *n receives the fasteners in the row. */
double Vbm_Row_N_Ef(double alpha_deg, int *n);

/* The spacing (cm) of the fasteners in a row along the grain, a1 of the pattern laid out: the
** preparation keeps p1 twice it in a staggered layout, whose columns stand half of it apart. */
double Vbm_Row_Spacing(void);
typedef struct Vbm_N_Ef_Line {
    int32_t rule;     /* VBM_NEF_* */
    int32_t bolt;     /* 1: the line of the bolts of toothed-plate connectors */
    int32_t with_a1;  /* 1: the line names the spacing (more than one per row) */
    int32_t n;        /* fasteners in a row */
    double alpha_min; /* degrees, smallest force-to-grain angle */
    double a1;        /* mm, spacing in the row */
    double n_ef;
} Vbm_N_Ef_Line;

/* Where a nail, screw or staple ends, as the check reports it (NONE for other fasteners). */
enum {
    VBM_PEN_NONE = 0,
    VBM_PEN_ENDS_IN_SIDE,
    VBM_PEN_TOO_SHORT,
    VBM_PEN_TOO_LONG,
    VBM_PEN_ALTERNATE,
    VBM_PEN_TWO_SIDED,
    VBM_PEN_LAP,
    VBM_PEN_UNDEFINED,
    VBM_PEN_FAR_MEMBER /* through the middle member, held in the far side member: double shear */
};

/* Where the current nail, screw or staple ends (VBM_PEN_*) and its penetration *t (mm) into the
** member of its point, as its design takes it. */
int32_t Get_Vbm_Penetration(double *t);

/* Tension check of the bolts of toothed-plate connectors. */
typedef struct Vbm_Bolt_Check {
    int32_t done;        /* 1 when the check applies */
    int32_t na_rule;     /* 1: made after the annex's rule, 0 after DIN 1052 */
    int32_t en_bolt;     /* 1: the bolt by EN 1993-1-8 (with an annex), 0 by the DIN rule */
    double A_b;          /* mm², bolt area: the tensile stress area A_s when en_bolt, else the
                            shank's A_Sch */
    double A_sp;         /* mm², DIN: the tensile stress area A_Sp */
    double f_ub;         /* N/mm², tensile strength of the bolt steel */
    double f_yb;         /* N/mm², DIN: yield strength of the bolt steel */
    double gamma_m2;     /* partial factor of the bolt: gamma_M2 when en_bolt, else gamma_M */
    double sigma_Rd;     /* N/mm², design tensile stress of the bolt on A_b: 0.9 f_ub / gamma_M2,
                            DIN f_y,b,k / (1.1 gamma_M) */
    double sigma_sp_Rd;  /* N/mm², DIN: f_u,b,k / (1.25 gamma_M) on A_sp */
    double N_b;          /* kN, tensile resistance of the bolt: sigma_Rd A_b, DIN the smaller of
                            that and sigma_sp_Rd A_sp (DIN 18800-1) */
    double N_Rd;         /* kN, the smaller of bolt and washer bearing; the bolt's alone where
                            the washer bears on steel */
    double d_washer;     /* mm */
    double d_b;          /* mm, bolt diameter */
    double f_c90_k;      /* N/mm², of the timber under the washer */
    double kmod_w;       /* kmod of the washer's bearing on that timber */
    double gamma_w;      /* gamma_M of the washer's bearing on that timber */
    double N_w;          /* kN, the washer's bearing resistance on the timber */
    int32_t conn;        /* connection kind that gives the lever and the washer's member */
    int32_t on_steel;    /* 1: the washer bears on an outer steel plate, no timber under it */
    double t;            /* cm, thickness of the outer member whose eccentricity loads the bolt:
                            t_s, t_p, the outer timber part t_red, a lap's half b / 2 */
    int32_t shares;      /* equal shares of N_d, one of which the outer member carries: 2 (two
                            outer members), 2 n_p beside n_p inner plates (one of its shear
                            planes), 1 a lap's half */
    double N_d;          /* kN, the combination's normal force */
    int32_t n;           /* units on one side of the joint */
    double p1;           /* cm, their spacing along the grain within a row */
    int32_t staggered;   /* 1: a staggered layout, its columns p1 / 2 apart */
    double F_td;         /* kN, tension of one bolt: t |N_d| / (shares n p1) */
    double u;            /* F_td / N_Rd; 0 when no_capacity */
    int32_t no_capacity; /* 1: N_Rd is not positive */
} Vbm_Bolt_Check;

/* The tension check of the bolts of toothed-plate connectors in combination c of group group,
** n units on one side of the joint (DIN EN 1995-1-1/NA, NCI NA.8.1.6; DIN 1052, 11.1.2 (3)),
** and its lines in the print list. */
void Calc_Connector_Bolt_Check(int group, const Lkom_Entry *c, int n, Vbm_Bolt_Check *out);
/* Return 1 where the fastener check makes that check of the connectors' bolts in every
** combination with a normal force: toothed plates, whose bolt holds the outer member (side
** timber, outer lamella beside a plate, outer plate, lap half) against its eccentricity. */
int Connector_Bolts_Checked_In_Tension(void);
void Print_Vbm_Bolt_Check(FILE *file, const Vbm_Bolt_Check *check);

/* The shear planes of a connection with two or more inner plates (EN 1995-1-1, 8.1.3), at the
** force-to-grain angle of the governing fastener: the outer lamellas stand beside one plate
** ((8.11), one plane each), the lamellas between two plates are central members ((8.12), (8.13),
** two planes each); the fastener's resistance per plane is the mean of its planes, or the
** smallest plane's where their modes may not be combined (8.1.3(2)). kN. */
typedef struct Vbm_Lamella_Planes {
    int32_t done;                /* 1 when the connection has lamellas between two plates */
    int32_t planes;              /* shear planes of one fastener */
    int32_t inner_lamellas;      /* lamellas between two plates */
    double t;                    /* mm, thickness of every lamella */
    double alpha_deg;            /* force-to-grain angle of the governing fastener */
    double rk_outer;             /* kN per plane of an outer lamella, governing mode */
    int32_t mode_outer;          /* its equation code */
    Between_Plates_Result inner; /* a plane of an inner lamella (kN) */
    int32_t incompatible;        /* 1: modes that may not be summed (EN 1995-1-1, 8.1.3(2)) */
    double rk_mean;              /* kN, characteristic resistance per plane of the fastener: the
                                 ** mean of the planes, or the smallest where incompatible */
} Vbm_Lamella_Planes;

/* The fastener check of one combination as Calc_Vbm_Check computes it and Print_Vbm_Check
** writes it. */
typedef struct Vbm_Check {
    int32_t done;                  /* 0: no such combination or no fastener (nothing to write) */
    int32_t bending;               /* 1 for the bending splice */
    double N_d, V_d, M_d, M_distr; /* kN, kNm: the combination */
    double M_left_out;             /* kNm, M_d that the splice does not check, 0 none */
    double e_x;                    /* cm, eccentricity of the fastener group */
    double kmod;                   /* kmod of the connection */
    double kmod_1, kmod_2;         /* kmod of member 1 (side timbers) and member 2 (middle) */
    int32_t shear_planes, n_f;     /* shear planes per fastener, fasteners per half */
    int32_t share_planes, share_n; /* the planes and fasteners that share N_d and V_d */
    int32_t side_governs;          /* 1: the side with fewer alternately driven nails governs */
    int32_t sides;                 /* 1: each side's fasteners carry their own share */
    Side_Share side[2];            /* what they carry, near side and far side */
    double F_H, F_V;               /* kN, share of N_d and V_d of one fastener and shear plane */
    Vbm_N_Ef_Line n_ef_lines[2];   /* the lines of the effective number, in order */
    int32_t n_ef_line_count;
    int32_t n_row;             /* fasteners in a row that the rows' u take */
    double n_ef;               /* their effective number */
    double n_ef_bolt;          /* that of the bolts of toothed-plate connectors, 0 for others */
    int32_t penetration;       /* VBM_PEN_* */
    double t_penetration;      /* mm */
    double d_ef, d_1;          /* mm, effective diameter of a wood screw to DIN 571 and its core
                                  ** (EN 1995-1-1, 8.7.1); 0 where the design takes d */
    int32_t first;             /* pattern index of the first row */
    std::vector<Vbm_Row> rows; /* the designed fasteners: the governing one, or from 0 */
    double u_max;              /* largest shown utilisation of the rows, 0 at least */
    int32_t governing;         /* pattern index of the governing fastener, -1 when no row
                                    ** has a positive utilisation */
    int32_t error;             /* code of a design error of the combination, 0 when none */
    Vbm_Bolt_Check bolts;
    Vbm_Lamella_Planes lamellas;
    double u; /* u_max and the bolts' shown utilisation */
} Vbm_Check;

/* Compute the fastener check of combination (group, entry) into *out: 0 (and out->done 0) when
** there is no such combination or no fastener. Writes nothing, neither a file nor the input. */
int Calc_Vbm_Check(int group, int entry, Vbm_Check *out);
/* The equation code of the failure mode (EN 1995-1-1, 8.2) in which the fastener of combination
** (group, entry) fails at the force-to-grain angle alpha_deg, as the fastener check designs it:
** with lamellas between plates that of such a lamella, or with outer_lamella that of an outer
** lamella beside one plate, the member the design joins (modes f, g, h); *thin gets the
** thin-plate mode that an intermediate plate interpolates with, else 0. 0 where it cannot be
** designed. The input is left as it was. */
int32_t Vbm_Failure_Mode(int group, int entry, double alpha_deg, int outer_lamella, int32_t *thin);
/* The tensile strength f_u,k (N/mm²) of the yield moment with which the fastener check designs
** the fastener of combination (group, entry) at alpha_deg, and the diameter (mm) its failure
** modes take: of a wood screw to DIN 571 its d_ef (EN 1995-1-1, 8.7.1), else d. Return 0 (both
** left as they were) where it cannot be designed. The input is left as it was. */
int Vbm_Design_Fu_And_D(int group, int entry, double alpha_deg, double *fu, double *d);
/* Write the section "Verbindungsmittel" of a computed check; nothing without a file. */
void Print_Vbm_Check(FILE *file, const Vbm_Check *check);
/*
** Design every fastener of combination (group, entry); write the section "Verbindungsmittel"
** when given a file. Return the largest utilisation; *error gets the code of a design error
** (0 when none).
*/
double Oli_Vbm_Nachweis(FILE *file, int group, int entry, int *error);

/* ---------------------------------------------------------------- governing combination */

typedef struct Governing_Lkom_Rec {
    int32_t group; /* -1 when no combination governs */
    int32_t entry;
} Governing_Lkom_Rec;

extern Governing_Lkom_Rec Governing_Lkom;

/* ---------------------------------------------------------------- block shear */

/* The block-shear check of one combination as Calc_Block_Shear_Check computes it and
** Print_Block_Shear_Check writes it. */
enum {
    BLOCK_SHEAR_NOT_APPLIED = 0, /* no plate connection in tension with two rows, or switched off */
    BLOCK_SHEAR_DONE = 1,
    BLOCK_SHEAR_NO_GAMMA = 2,    /* no partial factor of the middle member */
    BLOCK_SHEAR_NO_CAPACITY = 3, /* F_bs,Rd is not positive */
    BLOCK_SHEAR_NOT_MADE = 4     /* switched on for a plate connection, but the calculation
                                    method or a single row of fasteners does not make it */
};
/*
** The blocks that the fasteners of one half may tear out of the member (EN 1995-1-1, Annex A)
** and out of the plates (EN 1993-1-8, 3.10.2) are one fixed set for every combination, whatever
** its actions, so that a result never jumps when an action changes by a hair: every block of
** two or more adjacent rows (a pattern of one row: that row), and for the plates also every
** block from a row to the plates' upper or lower edge. Each block is loaded with what its own
** fasteners pull towards the end: the components along the grain that point to the member's
** end at the joint and to the plates' end (F_x > 0); a fastener that pushes counts zero.
** Where nails, screws or staples are driven alternately (Vbm_Driven_Alternately), each side's
** plate and the timber beside it hold only that side's fasteners: every block is then loaded
** twice, once with each side's own fasteners (Tearing_Rows_Of_Side).
*/
typedef struct Tearing_Rows {
    int32_t rows;                  /* rows of the pattern (at most PATTERN_COLUMNS_MAX) */
    double y[PATTERN_COLUMNS_MAX]; /* cm, each row's y, from the top (largest y) down */
    double F[PATTERN_COLUMNS_MAX]; /* kN per shear plane, what the row's fasteners pull (of side
                                   ** `side` alone where it is set) */
    int32_t sides;                 /* 2: driven alternately, F_side holds each side's; else 1 */
    double F_side[2][PATTERN_COLUMNS_MAX]; /* kN, what the row's fasteners of side 0 and 1 pull */
    int32_t side; /* the side (Vbm_Driven_Side) whose forces F holds, -1 both */
} Tearing_Rows;

/* Where a block of the set ends across the grain. */
enum {
    BLOCK_BETWEEN_ROWS = 0,  /* between its outer rows, sheared along both */
    BLOCK_TO_UPPER_EDGE = 1, /* from its lowest row up to the plates' upper edge, sheared along
                              ** that row */
    BLOCK_TO_LOWER_EDGE = -1 /* from its highest row down to the plates' lower edge */
};
typedef struct Tearing_Block {
    int32_t first, last; /* its rows first..last, counted from the top from 0 */
    int32_t edge;        /* BLOCK_* */
} Tearing_Block;

/* The rows of combination (group, entry) with what each pulls; return 0 (no rows) without a
** combination or fasteners. */
int Calc_Tearing_Rows(int group, int entry, Tearing_Rows *out);

/* Make rows hold the forces of side k (0 or 1) of alternately driven fasteners alone. */
void Tearing_Rows_Of_Side(Tearing_Rows *rows, int k);

/* Visit every block of the set of a pattern of `rows` rows in a fixed order: the blocks between
** rows by size and from the top, then (plates) those to the upper and to the lower edge. */
template <class Visit>
void For_Each_Tearing_Block(int rows, int plates, Visit visit)
{
    const int n = rows < PATTERN_COLUMNS_MAX ? rows : PATTERN_COLUMNS_MAX;
    if (n == 1) visit(Tearing_Block{0, 0, BLOCK_BETWEEN_ROWS});
    for (int k = 2; k <= n; k++)
        for (int first = 0; first + k <= n; first++)
            visit(Tearing_Block{first, first + k - 1, BLOCK_BETWEEN_ROWS});
    if (!plates) return;
    for (int last = 0; last < n; last++) visit(Tearing_Block{0, last, BLOCK_TO_UPPER_EDGE});
    for (int first = n - 1; first >= 0; first--)
        visit(Tearing_Block{first, n - 1, BLOCK_TO_LOWER_EDGE});
}

/*
** The check's record with the block of the set that is used most: every block of the set (or
** `only` where given) evaluated on a copy of rec (which holds the rows and the shear planes)
** whose block and force F_Ed of all planes are set, where the sides hold their own fasteners
** once with each side's (rows.side set); of equal ones the first governs. The result's `blocks`
** counts the blocks tried.
*/
template <class Rec, class Evaluate>
Rec Governing_Tearing_Block(const Rec &rec, const Tearing_Block *only, int plates,
                            Evaluate evaluate);

/*
** The force of block b per shear plane (kN): the sum of its rows' pull. *k_e (when given) gets
** how far off the middle between the block's outer rows their resultant acts, as a share of half
** their distance (0 centric, 1 on an outer row; 0 for one row or no force).
*/
double Tearing_Block_Force(const Tearing_Rows *rows, const Tearing_Block *b, double *k_e);

/* The part of the segment [a, b] (mm) that holes of width w (mm) centred at the positions pos
** cover, in hole widths: a hole at an end of the segment counts half. */
double Tearing_Holes_On(double a, double b, const std::vector<double> &pos, double w);

template <class Rec, class Evaluate>
Rec Governing_Tearing_Block(const Rec &rec, const Tearing_Block *only, int plates,
                            Evaluate evaluate)
{
    Rec best = rec;
    int tried = 0;
    bool first = true;
    auto one = [&](const Tearing_Block &b) {
        const bool sides = rec.rows.sides == 2;
        for (int k = sides ? 0 : -1; k < (sides ? 2 : 0); k++) {
            Rec t = rec;
            t.block = b;
            if (k >= 0) Tearing_Rows_Of_Side(&t.rows, k);
            t.F_Ed = Tearing_Block_Force(&t.rows, &b, nullptr) * rec.planes;
            evaluate(&t);
            if (first || t.u > best.u) best = t;
            first = false;
        }
        tried++;
    };
    if (only != nullptr) one(*only);
    else For_Each_Tearing_Block(rec.rows.rows, plates, one);
    best.blocks = tried;
    return best;
}

/* "Untersuchte Blöcke: ...", "Maßgebend ...": which blocks of rows were tried (each side's where
** the sides hold their own fasteners) and which governs. */
void Write_Tearing_Set(FILE *file, const Tearing_Rows *rows, int plates,
                       const Tearing_Block *governing);

/* "Kraft ...: F_Ed = (a + b + ...) x s = sum x s = F kN (N_d = ... kN)": the force of block b
** along the grain towards `towards`, row by row per shear plane, and of all s planes. */
void Write_Tearing_Force(FILE *file, const Tearing_Rows *rows, const Tearing_Block *b, int planes,
                         double F_Ed, double N_d, const char *towards);

/* The block of an outer lamella beside one plate where its holes are narrower than those of a
** lamella between two plates (a connector in its one face against one in both): its own lengths,
** areas and resistances, as the record's fields of the same names. */
typedef struct Block_Shear_Outer {
    double d0;               /* mm, the outer lamella's hole width; 0: it takes the record's d0 */
    double holes_t, holes_v; /* hole widths d0 that the net lengths leave out */
    double L_t, L_v;         /* mm */
    double A_t, A_v;         /* mm² */
    double t_ef;             /* mm */
    char mode, mode_thin;
    int32_t own_mode;
    int32_t fastener_mode;      /* equation code of the fastener's mode in the outer lamella */
    int32_t fastener_mode_thin; /* its thin-plate mode of an interpolation, else 0 */
    double F_Rk, F_Rd;          /* kN */
} Block_Shear_Outer;

typedef struct Block_Shear_Check {
    int32_t state;               /* BLOCK_SHEAR_* */
    double f_t0_k, f_v_k;        /* N/mm², tensile and shear strength of the middle member */
    Block_Shear_Values values;   /* plate class, M_y,k and effective thicknesses of the design */
    double alpha_deg;            /* force-to-grain angle of the embedment strength values.fh */
    double d_ef;                 /* mm, the diameter of the modes where not d (DIN 571), else 0 */
    double d_modes;              /* mm, the diameter the modes take (d, or d_ef) */
    int32_t calc_method;         /* calculation method of the splice (BLOCK_SHEAR_NOT_MADE) */
    double t1;                   /* mm, timber thickness of the failure areas */
    double d0;                   /* mm, width of a hole in the timber */
    double L_t_gross, L_v_gross; /* mm, lengths between the hole centres (shear: from the end) */
    double holes_t, holes_v;     /* hole widths d0 that the net lengths leave out */
    double L_t, L_v;             /* mm, net lengths across and along the grain (A.4), (A.5) */
    double A_t, A_v;             /* mm², net areas; A_v of the governing failure mode */
    double t_ef;                 /* mm, effective thickness of the governing failure mode */
    char mode;                   /* governing failure mode, '-' for the full areas */
    char mode_thin;              /* of an interpolation between thin and thick plates the thin
                                  ** plates' mode that mode is the thick plates' of, else 0 */
    int32_t own_mode;            /* 1: mode is the fastener's own (the tension term governs) */
    int32_t fastener_mode;       /* equation code of the fastener's failure mode, 0 unknown */
    int32_t fastener_mode_thin;  /* its thin-plate mode of an interpolation, else 0 */
    double F_Rk;                 /* kN, F_bs,Rk */
    double kmod;
    double gamma_M; /* the connections' partial factor the resistance is divided by */
    double F_Rd;    /* kN, F_bs,Rd (not with BLOCK_SHEAR_NO_GAMMA) */
    /* The block that governs, of the fixed set, and the force along the grain that its
    ** fasteners pull towards the member end (EN 1995-1-1, Annex A). */
    double N_d;          /* kN, normal force of the combination */
    Tearing_Rows rows;   /* the pattern's rows and what each pulls */
    Tearing_Block block; /* the block that governs (the one used most) */
    int32_t blocks;      /* blocks of the set that were tried */
    double F_Ed;         /* kN, that block's force of all shear planes */
    int32_t planes;      /* shear planes of a fastener */
    double parts;        /* F_Ed / parts is one timber part's share (not with
                                           ** lamellas) */
    int32_t lamellas;    /* lamellas of two or more inner plates, else 0: the
                                           ** inner ones take 2 / planes of F_Ed, the outer 1 */
    double N;            /* kN, the share of the governing timber part */
    double N_outer;      /* kN, with lamellas: the share of an outer lamella */
    double u;            /* N / F_bs,Rd (the larger of both kinds of lamella), valid with
                         ** BLOCK_SHEAR_DONE */
    /* with lamellas, where an outer lamella's holes are narrower than those of one between two
    ** plates: its own block (the fields above are then the inner lamella's) */
    Block_Shear_Outer outer;
} Block_Shear_Check;

/* Compute the block-shear check of combination (group, entry) into *out, with the block of the
** set that is used most: 0 (state NOT_APPLIED, or NOT_MADE when switched on but not made) when
** it does not apply. Writes nothing, neither a file nor the input. */
int Calc_Block_Shear_Check(int group, int entry, Block_Shear_Check *out);
/* The same for block b of the set alone. */
int Calc_Block_Shear_Of_Block(int group, int entry, const Tearing_Block *b, Block_Shear_Check *out);
/* Write the block-shear section of a computed check, or that it was not made; nothing without a
** file or when the check does not apply. */
void Print_Block_Shear_Check(FILE *file, const Block_Shear_Check *check);
/* The utilisation shown of a block-shear check: 0 when it does not apply, UTIL_NO_CHECK when it
** cannot be made. */
double Block_Shear_Shown_Util(const Block_Shear_Check *check);
/*
** Return the block-shear utilisation of combination (group, entry) of a plate connection in
** tension (EN 1995-1-1, Annex A) as Block_Shear_Shown_Util gives it (0 when the check does not
** apply); write its section when given a file. *error gets 0 when the check applies.
*/
double Oli_Blockscher_Nachweis(FILE *file, int group, int entry, int *error);

/* ---------------------------------------------------------------- block tearing of the plates */

/* The block tearing of the plates at their ends in one combination (EN 1993-1-8, 3.10.2). */
enum {
    PLATE_BLOCK_NOT_APPLIED = 0, /* no fastener pulls a plate towards its end, or switched off */
    PLATE_BLOCK_DONE = 1,
    PLATE_BLOCK_NO_CAPACITY = 2 /* V_eff,Rd is not positive */
};
typedef struct Plate_Block_Check {
    int32_t state;               /* PLATE_BLOCK_* */
    double d0, t;                /* mm, plate hole and thickness */
    Tearing_Rows rows;           /* the pattern's rows and what each pulls */
    Tearing_Block block;         /* the block that governs (the one used most) */
    int32_t blocks;              /* blocks of the set that were tried */
    double k_e;                  /* eccentricity of the block's load (Tearing_Block_Force) */
    double e_half;               /* mm, half the distance of its outer rows (k_e = e / e_half) */
    int32_t planes;              /* shear planes of a fastener */
    double N_d;                  /* kN, normal force of the combination */
    double F_Ed;                 /* kN, the block's force towards the plates' end, all planes */
    double L_t_gross, L_v_gross; /* mm, across at the column nearest the joint, between the
                                    ** block's outer rows or to the plates' edge; along its
                                    ** sheared rows from that column to the plate's end */
    double holes_t, holes_v;     /* hole widths d0 on them */
    double L_t, L_v;             /* mm, net lengths */
    double A_nt, A_nv;           /* mm², net areas in tension and in shear */
    double f_u, f_y;             /* N/mm², of the plates' steel */
    double gamma_m2, gamma_m0;   /* partial factors (gamma_M0 1.0 in an accidental combination) */
    double V_Rd;                 /* kN, V_eff,Rd of one plate */
    double plates;               /* plates that share F_Ed */
    double N;                    /* kN, the share of F_Ed of one plate */
    double u;                    /* N / V_Rd, valid with PLATE_BLOCK_DONE */
    double M_left_out;           /* kNm, M_d that the splice does not check, 0 none */
} Plate_Block_Check;

/* Compute the block tearing of the plates in combination (group, entry) into *out, with the
** block of the set that is used most: 0 when it does not apply (state NOT_APPLIED). Writes
** nothing. */
int Calc_Plate_Block_Check(int group, int entry, Plate_Block_Check *out);
/* The same for block b of the set alone. */
int Calc_Plate_Block_Of_Block(int group, int entry, const Tearing_Block *b, Plate_Block_Check *out);
/* Write its section; nothing without a file or where it does not apply. */
void Print_Plate_Block_Check(FILE *file, const Plate_Block_Check *check);
/* The utilisation shown: 0 where it does not apply, UTIL_NO_CHECK without a resistance. */
double Plate_Block_Shown_Util(const Plate_Block_Check *check);
/* The plates' block-tearing utilisation of combination (group, entry) as Plate_Block_Shown_Util
** gives it; its section when given a file. *error gets 0 when the check applies. */
double Oli_Blech_Blockversagen_Nachweis(FILE *file, int group, int entry, int *error);
/* Whether the block tearing of the plates is asked: the block-shear switch and a plate
** connection (a single row tears a block to the plates' edges as well). */
int Is_Plate_Block_Check_On(void);

/* ---------------------------------------------------------------- design run */

/*
** Run the checks of all valid combinations (group and entry -1) or of one group or entry.
** Without a file fill the utilisation list; with a file write every treated combination and
** the summary. Return the largest utilisation of all checks.
*/
double Run_Nachweise_Lkom(FILE *file, int group, int entry);

/*
** Run the checks: all combinations, or (governing_only) a silent run followed by a printing run
** of the governing combination. A null file computes only. Return the largest utilisation; the
** design errors of both runs are left in order for the caller (Run_Error_Codes).
*/
double Run_Nachweise(FILE *file, int governing_only);
/* The error codes of the fastener design that the last run (Run_Nachweise_Lkom, or both runs of
** Run_Nachweise) found, in order. The run shows no box: its caller shows them afterwards with
** Show_Run_Errors. Run_Error_Count codes stand at Run_Error_Codes (valid until the next run);
** Set_Run_Errors puts back the n codes of a kept run. */
int Run_Error_Count(void);
const int *Run_Error_Codes(void);
void Set_Run_Errors(const int *codes, int n);
/* Show the error box of each code of the last run on the utilisation page, in order. */
void Show_Run_Errors(void);

/* Write the summary of the checks with the largest utilisation u_max of all checks (satisfied
** up to UTIL_LIMIT; a splice that leaves loads out reads as incomplete and names them) and,
** when the print settings ask for them, the annex's tables; nothing without a file. */
void Write_Nachweis_Summary(FILE *file, double u_max);
/* The block checks that the splice needs but that are not made, with why (switched off, or the
** timber's by the calculation method or a single row), as the verdicts of the page and the
** summary name them: "Blockscherversagen und Blockversagen Bleche nicht nachgewiesen
** (abgewählt)"; return their count (0 with an empty text). */
int Unmade_Checks_Text(char *buf, size_t size);

/* ---------------------------------------------------------------- loads left out */

/* A design value counts as present above this magnitude (kN, kNm). */
#define LOAD_TOLERANCE 1e-5

/* What the checks of a tension or compression splice leave out of its used combinations. */
typedef struct Unchecked_Loads {
    int32_t moment_count;  /* checked combinations with |M_d| > LOAD_TOLERANCE */
    double moment_max;     /* kNm, their largest |M_d| */
    int32_t other_count;   /* combinations not checked for the sign of N_d (or none) */
    double other_N_max;    /* kN, their largest |N_d| */
    double other_M_max;    /* kNm, their largest |M_d| */
    double other_V_max;    /* kN, their largest |V_d| */
    int32_t other_bending; /* of them, those with M_d or with N_d = 0, which the splice of the
                           ** other sign does not check in full either: the bending splice does */
} Unchecked_Loads;

enum { UNCHECKED_MOMENT = 0, UNCHECKED_OTHER_SIGN = 1 };

/* Fill *u for the current splice (all zero for a bending splice); return 1 when it leaves
** anything out. */
int Get_Unchecked_Loads(Unchecked_Loads *u);
/* The note on what is left out (UNCHECKED_MOMENT or UNCHECKED_OTHER_SIGN) as the utilisation
** page (print 0) or the print list (print 1) shows it, with the splice kind that checks what is
** left out; return 0 with an empty text when there is nothing to say. */
int Unchecked_Load_Line(const Unchecked_Loads *u, int which, int print, char *buf, size_t size);
/* A distance of this splice that the splice of the other sign asks otherwise: less than that
** splice asks, or more than its plates allow, and whether any value serves both. */
typedef struct Other_Sign_Short {
    const char *name, *rule; /* "a3" and the own name of that splice's least value ("a3,t") */
    double have, need;       /* cm: this splice's value, that splice's least one (over: largest) */
    int32_t over;            /* 1: more than the plates of that splice allow */
    double factor;           /* the plates' spacing per cm of the distance: 2 for a3 (across the
                             ** joint), 1 for a1 and a2, 0.5 in a staggered layout, 0 for a4 */
    double least;            /* cm, the larger of both kinds' least values ... */
    const char *least_rule;  /* ... its own name ... */
    int32_t least_kind;      /* ... and the kind that asks it (SPLICE_*) */
    double cap;              /* cm, the smaller of both kinds' largest values (HUGE_VAL: none) */
    int32_t cap_kind;        /* ... the kind whose plates set it (SPLICE_*) ... */
    double p_max;            /* ... with their largest spacing min(14 t; 200 mm) (mm) */
    int32_t conflict;        /* 1: least above cap, no value serves both kinds */
} Other_Sign_Short;

/* The splice kind that the note on the sign of N_d sends the combinations left out to, and the
** geometry of this splice that it is to be given so that it checks the splice that is built. */
typedef struct Other_Sign_Route {
    int32_t kind;               /* SPLICE_* that checks them */
    int32_t a1_named, a4_named; /* 1: a1 (two columns or more), a4 (two rows or more) named */
    double a1, a3, a4, L;       /* cm, as that splice's fields take them (a4 from the timber's
                                ** edge) */
    int32_t short_count;        /* distances below, those this splice has less of than that one
                                ** asks at the force-to-grain angles of its own combinations, or
                                ** more than its plates allow */
    Other_Sign_Short shorts[4]; /* a1, a2, a3, a4 in this order */
    int32_t conflicts;          /* how many of them no value serves for both kinds */
    double L_follow;            /* cm, the length that follows where both are given the values
                                ** the route names (L where they change neither a1 nor a3) */
    double t;                   /* mm, the plates' thickness */
} Other_Sign_Route;

/*
** The route of the combinations that a tension or compression splice leaves out for the sign of
** N_d (u: Get_Unchecked_Loads) over the pattern laid out: the splice kind that checks them, the
** spacings a1, a3, a4 and the length L that it is to keep, what of it falls short of the least
** spacings that splice asks (EN 1995-1-1, 8.3 to 8.5, 8.9, 8.10: a3,t for a tension splice where
** a compression splice keeps a3,c) or exceeds what its outer plates allow as compression members
** (EN 1993-1-8, Table 3.3, note 1: 2 a3, a1 and a2 within min(14 t; 200 mm) in a bending or
** compression splice), and where no value serves both kinds. Return 0 where none is left out or
** no pattern is laid.
*/
int Get_Other_Sign_Route(const Unchecked_Loads *u, Other_Sign_Route *r);
/* The lines of the route as the utilisation page (print 0) or the print list (print 1) shows
** them: which 0 the values to give, 1 what falls short or is too much, with the values both
** kinds are to be given and the length that follows; where a distance has no value that serves
** both, which 0 those distances with both values, 1 the plates' limit with its numbers, 2 what
** falls short or is too much, 3 what would serve then (thicker plates, or another splice), and
** no values to give; return 0 with an empty text when there is nothing to say. */
enum { OTHER_SIGN_ROUTE_LINES = 5 };
int Other_Sign_Route_Line(const Other_Sign_Route *r, int which, int print, char *buf, size_t size);

/* Line part (0, 1, ...) of the list of the combinations left out for the sign of N_d, by their
** numbers in the report's table ("Nicht nachgewiesen: Nr. 15 bis 18"), each line at most 200
** bytes; return 0 with an empty text beyond the last line or when none is left out. */
int Left_Out_Rows_Line(int part, char *buf, size_t size);
/* Write both notes of *u that apply into the print list, and the list of the combinations left
** out. */
void Write_Unchecked_Load_Lines(FILE *file, const Unchecked_Loads *u);
/* Write the note that the moment M_d (kNm) of a checked combination of a tension or compression
** splice is not checked; nothing for a bending splice or without a moment. */
void Write_Unchecked_Moment(FILE *file, double M_d);

/* What sticks out of the members, which the design does not change: plates higher than the
** member (inner or outer plates), dowels longer than the joint they pass through. */
enum { PROTRUDING_PLATES = 0, PROTRUDING_DOWELS = 1 };

/* The hint on what sticks out (PROTRUDING_*) and by how much, with its numbers, as the
** utilisation page (print 0) or the print list (print 1) shows it; return 0 with an empty text
** when nothing does. */
int Protrusion_Line(int which, int print, char *buf, size_t size);
/* Write that hint into the print list; nothing when nothing sticks out or without a file. */
void Write_Protrusion_Line(FILE *file, int which);

/* A group of combinations whose preset kmod lies above the value of EN 1995-1-1, Table 3.1 for
** its load-duration class and the service class of a member: the preset stays (imported
** combinations bring one), but the page and the report name both values, and the result is not
** a plain "Nachweis erfüllt". */
typedef struct Kmod_Above_Table {
    int32_t group;         /* index of the group, 0..9 */
    int32_t kled;          /* its load-duration class */
    int32_t service_class; /* of the splice's members */
    double kmod;           /* the preset the members take */
    double table_mid;      /* the table's value of the middle member, 0 where not exceeded */
    double table_side;     /* that of the side timbers, 0 where not exceeded */
} Kmod_Above_Table;

/* Fill out[0..LKOM_GROUPS) with the groups of checked combinations whose preset kmod exceeds
** the table for a member; return their count. */
int Get_Kmod_Above_Table(Kmod_Above_Table *out);
/* The "Wichtig!" line of one such group as the utilisation page (print 0) or the print list
** (print 1) shows it. */
void Kmod_Above_Table_Line(const Kmod_Above_Table *k, int print, char *buf, size_t size);
/* Write the lines of every such group into the print list; return their count. */
int Write_Kmod_Above_Table_Lines(FILE *file);

/* The moment M_d (kNm) of a combination that a tension or compression splice leaves out of its
** checks, or 0 (a bending splice, or no moment). */
double Moment_Left_Out(double M_d);
/* The verdict of a satisfied partial check, bold print-list text: "Nachweis erfüllt", or where the
** combination's moment M_left_out (Moment_Left_Out) is left out, that the check holds without it
** and that M_d is not checked. A static buffer that the next call overwrites. */
const char *Satisfied_Verdict(double M_left_out);

/* Show the text of a design error code in the middle of the rectangle x0..x1, y0..y1 of view
** area `area` (area < 0: the rectangle the utilisation page last drew, nothing when none was
** drawn); nothing for code 0. */
void Show_Error_Code(int area, int x0, int y0, int x1, int y1, int code);

/* The text of a refused splice: the error text of the code, followed by the numbers that refuse
** it where the input gives them (a dowel's or bolt's length against the joint's thickness, the
** distance of the layout that the preparation found not kept against its least value, the
** combinations of the other sign where a tension or compression splice has none to check). A static
** buffer that the next call overwrites. */
const char *Get_Refusal_Text(int code);
/* The text of one distance, thickness or length r that a refused splice does not keep: the text
** of its code with the value, how it arises and what the rules ask of it. */
std::string Refusal_Distance_Text(const Spacing_Refusal *r);
/* The error text `why` of design code `code` as the splice shows it (why not null): the least
** thicknesses by faces of connectors (2.25 h_e, 3.75 h_e) cite in the catalogue's words 8.9 (2),
** the clause of ring and shear-plate connectors; of toothed plates the clause is 8.10 (3) of EN
** 1995-1-1. */
std::string Splice_Error_Text(const char *why, int code);
/* The text of Get_Refusal_Text in parts of one distance each, where a refused layout names
** several (the "; " between them left out), else the one text. */
std::vector<std::string> Get_Refusal_Parts(int code);

/* The lines of a text no wider than width pixels as measure(text, font) takes them: broken after
** the last ": " that leaves a line that fits (the reason before its numbers), else after a blank;
** a word wider than width stands alone. */
std::vector<std::string> Wrapped_Lines(const char *text, int width,
                                       int (*measure)(const char *text, int font), int font);

/* The lines of a refusal's text no wider than width pixels in font (Wrapped_Lines). */
std::vector<std::string> Refusal_Lines(const char *text, int font, int width);

/* Add the text (a fallback text for null) centred at (x, y) to view area `area` in the box of a
** refusal: a red frame round a pale red face, the text in red, in lines where it is wider than
** the area. */
void Show_Error_Box_At(int area, int x, int y, const char *text);

/* The view area and rectangle that the utilisation page last drew (for Show_Error_Code). */
void Set_Utilisation_Page_Area(int area, int x0, int y0, int x1, int y1);
