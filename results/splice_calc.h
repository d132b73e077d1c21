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

#include <cstddef>
#include <cstdint>

#include "results/splice_input.h"
#include "design/design.h"

/* ---------------------------------------------------------------- fastener pattern */

#define PATTERN_MAX         4096 /* records of the fastener table (one half, mirrored) */
#define PATTERN_COLUMNS_MAX 100  /* distinct column positions of the column sums */
#define REFUSAL_ALSO_MAX    3    /* distances a refusal names beside its first */

typedef struct Fastener_Rec {
    double x;           /* cm, along the member from the joint */
    double y;           /* cm, across the member from its axis */
    double r;           /* cm, distance from the centroid */
    double angle_max;   /* rad, largest force-to-grain angle */
    double angle_min;   /* rad, smallest force-to-grain angle */
    double force_max;   /* kN, largest resultant per shear plane */
    double weight;      /* 1.0 */
    double polar_angle; /* rad, atan2(y_c - y, x_c - x) */
    int32_t group_of_angle_max;
    int32_t group_of_angle_min;
    int32_t group_of_force_max;
    int32_t entry_of_angle_max;
    int32_t entry_of_angle_min;
    int32_t entry_of_force_max;
} Fastener_Rec;

/* A length in mm as a refusal writes every number of its sum: whole millimetres where it lies
** within 0.05 mm of one, else one decimal ("54.7 + 8 = 62.7 mm"). Mm_Of(v).t lives to the end
** of the expression that calls it. */
typedef struct Mm_Text {
    char t[32];
} Mm_Text;
Mm_Text Mm_Of(double mm);
/* A number with at most `decimals` decimals, fewer where they would only add zeros (within
** 1e-6): "54.6667", "1379.2", "144". */
Mm_Text Mm_Digits(double v, int decimals);
/* A least value in mm as a page shows it: rounded up to a tenth (within 1e-6 of one it is that
** tenth), the decimal only where it has one: "25.2" for 25.2, "99.7" for 99.69, "80" for 80. */
Mm_Text Mm_Least(double mm);

/* The spacings a refusal may compute with, as the layout page names them: the bit of spacing k
** is 1 << k. */
enum { REFUSAL_A1 = 0, REFUSAL_A2, REFUSAL_A3, REFUSAL_A4, REFUSAL_E1, REFUSAL_SPACINGS };

/* The distance, thickness or length a refused splice does not keep, named by Prepare_Splice_Calc
** for the text of the refusal (Get_Refusal_Text). */
typedef struct Spacing_Refusal {
    int32_t code;    /* the refusal these values explain (DERR_*), 0 none */
    char name[8];    /* as the pages name it: "a1".."a4", "L", "b", "t_s", "b / 2", "l" */
    char rule[8];    /* the least value's own name ("a4,t", "a3,c"), or the same as name */
    double value;    /* cm (mm: see mm), what the splice has */
    double required; /* cm (mm), the least value (the largest where most) */
    char where[48];  /* the member of an edge distance beside the rows ("im Mittelholz"), or of a
                     ** distance that the members ask different ones of, or "" */
    int32_t rows;    /* an edge distance left beside the rows: their count n_r, else 0 */
    double height;   /* cm, the height the rows and both edge distances share */
    double pitch;    /* cm, the rows' least pitch */
    char a2_of[40];  /* the member whose own a2 the pitch is ("der Seitenhölzer") where the
                     ** members ask different ones, else "" */
    int32_t mm;      /* 1: value and required in mm (a member's thickness, a fastener's length) */
    int32_t beyond;  /* 1: the value must exceed the least value, not only reach it */
    int32_t most;    /* 1: required is the largest value, which the value exceeds */
    char how[128];   /* the rule of the least value with its operands, "" where it has none */
    char of[128];    /* how the splice's value arises from the input, with its operands ("" for
                     ** an input itself) */
    char part[48];   /* the timber part whose thickness it is where the text of the code names
                     ** another member ("innere Lamelle zwischen zwei Blechen"), else "" */
    int32_t odd;     /* 1: value is a count that must be odd (rows of a staggered layout) */
    int32_t used;    /* the spacings the refusal computed with, bits REFUSAL_A1.. (Refusal_Used) */
    double spacing[REFUSAL_SPACINGS]; /* cm, a1, a2, a3, a4, e1 as it computed with them */
    int32_t laid_out; /* 1: refused after every pass laid out its pattern: the distances the
                      ** pattern has are those the refusal judged, except what `used` names */
    double a2_given;  /* cm, the user's a2 that set the rows (of an edge distance, or too wide
                      ** for nails), 0 for none */
    int32_t a4_given; /* 1: that edge distance's least value is the user's a4 */
    char remedy[160]; /* what the user may change instead, "" where the text names nothing */
} Spacing_Refusal;

typedef struct Fastener_Pattern_Rec {
    int32_t count;               /* records in use */
    double x_c, y_c;             /* cm, centroid */
    double I_p;                  /* cm², sum of r² */
    double a1_actual, a2_actual; /* cm, spacings the pattern really has */
    int32_t index_of_angle_min;
    int32_t index_of_angle_max;
    double alpha_min, alpha_max;   /* rad, extreme force-to-grain angles of all combinations */
    double max_My;                 /* kN, largest |moment part across the grain| */
    double max_sum_My_pos;         /* kN, largest sum of positive moment parts of one combination */
    double k_xr;                   /* 1/cm, sum |x_c - x| / sum r² */
    int32_t passes;                /* passes of the angle loop of the last preparation run */
    double layout_height;          /* cm, height over which the rows were laid out */
    double clamp_x[2], clamp_y[2]; /* cm, Clamp_Bolt_Points of large connectors */
    /* rad, the force-to-grain angles of the least spacings the validation took: a1 and a3,t at
    ** the first, a2 and a4 at the second, a3,c at the one where it is larger */
    double min_alpha_1, min_alpha_2;
    Spacing_Refusal refusal; /* the distance of a refused layout, code 0 when none */
    /* the further distances the same layout does not keep, named with the first (refusal) so
    ** that the user meets every one at once: the user's spacings a4, a2, a3, a1 */
    Spacing_Refusal refusal_also[REFUSAL_ALSO_MAX];
    int32_t refusal_also_count;
    Fastener_Rec recs[PATTERN_MAX];
} Fastener_Pattern_Rec;

extern Fastener_Pattern_Rec Fastener_Pattern;

/* The spacings (cm) that the refusal of the last preparation and the distances beside it
** computed with, into v at REFUSAL_A1..REFUSAL_E1; return their bits (1 << REFUSAL_A1 ..). */
int Refusal_Used(double v[REFUSAL_SPACINGS]);

/*
** Return 1 when combination (group, entry) takes part in the design: it is used, one of its
** three design values is not zero, and its normal force suits the splice kind.
*/
int Is_Lkom_Valid(int group, int entry);
/* The same for a combination of any table (null: 0). */
int Is_Lkom_Entry_Valid(const Lkom_Entry *c);
/* The same for a splice of kind `kind` (SPLICE_*), whatever the splice is. */
int Is_Lkom_Entry_Valid_For(int kind, const Lkom_Entry *c);
/* Return 1 when combination c (of any table; null: 0) is a row of the report's table of the
** design combinations: it is used and one of its three design values is not zero. The table
** lists those that a tension or compression splice leaves out for the sign of N_d as well,
** marked, so that each combination the user entered keeps one number whatever the splice. */
int Is_Lkom_Entry_Listed(const Lkom_Entry *c);

/* The number of combination (group, entry) in the report's table of the design combinations,
** which counts the listed combinations of the used groups in order (Is_Lkom_Entry_Listed); 0
** when it is not listed. */
int Lkom_Row_Number(int group, int entry);

/* The numbers of the entries of a group in the report's table, as Lkom_Row_Number gives each
** (0 where an entry is not listed), at once for a page that shows the whole group. */
void Lkom_Group_Numbers(int group, int32_t numbers[LKOM_ENTRIES]);

/* Find the combination that bears number in the report's table. Return 1 and set group and
** entry, or return 0 when no combination bears it. */
int Lkom_Of_Row_Number(int number, int *group, int *entry);

/* The number a used group bears on the pages: its place among the used groups, so that the
** groups shown read 1, 2, 3 whichever slots of the table they take. */
int Lkom_Shown_Group(int group);

/*
** Write the name of combination (group, entry) into out, the same on the pages and in the
** report: its number in the report's table and its place on the page of the internal forces,
** "Nr. 6 (Gruppe 3, Kombination 2)"; without a number in the table only the place.
*/
void Lkom_Name(int group, int entry, char *out, size_t size);

/* The name of the combination that bears number in the report's table, as Lkom_Name writes
** it; "Nr. n" alone when none bears it. */
void Lkom_Row_Name(int number, char *out, size_t size);

/* A timber member whose own least spacings the fasteners keep: its material and grade, the
** rules it keeps them by, the density they take (a wood-based panel nailed to timber: the
** timber's), its thickness and the other member's (mm), its height (cm) and its names in texts. */
typedef struct Spacing_Member {
    int mat, grade;     /* its own material and grade */
    int rules;          /* the material whose spacing rules it keeps: mat, or MAT_STAHLBLECH
                        ** beside outer plates (a steel-to-timber joint) */
    double rho;         /* kg/m³, the density its spacings take */
    const char *rho_of; /* "des Mittelholzes" where that density is the other member's, else "" */
    double t1;          /* mm, its own thickness */
    double t2;          /* mm, the other member's */
    double height;      /* cm */
    const char *where;  /* "in den Seitenhölzern" */
    const char *whose;  /* "der Seitenhölzer" */
    const char *name;   /* "Seitenhölzer" */
    const char *by;     /* " als Stahlblech-Holz-Verbindung" where one timber keeps two sets of
                        ** rules, else "" */
} Spacing_Member;

/*
** The timber members whose least spacings the pattern keeps, into m: beside side timbers the
** middle member (m[0]) and the side timbers (m[1]), each with its own material and density
** (EN 1995-1-1, 8.3.1.2 and Table 8.2); else the one timber the fasteners pass through, beside
** outer plates by the rules of a steel-to-timber joint (8.3.1.4) and, where it is LVL with a
** table of its own, by that table as a second one (m[1]). Return their count, 1 or 2.
*/
int Spacing_Members(Spacing_Member m[2]);

/* The one of the n members of Spacing_Members that is a wood-based panel nailed to timber, whose
** spacings both members keep (EN 1995-1-1, 8.3.1.3(1)), or -1. */
int Panel_Spacing_Member(int n, const Spacing_Member m[2]);

/*
** The least spacings (cm) of the current fastener in each member of Spacing_Members, at alpha_1
** (a1, a3,t) and alpha_2 (a2, a4), a3,c the larger of its values at both, into v[k]: a1, a2,
** a3t, a3c, a4t, a4c. Beside a wood-based panel the timber takes the panel's a1 and a2
** (EN 1995-1-1, 8.3.1.3(1)). Return the members' count.
*/
int Calc_Member_Spacings(double alpha_1, double alpha_2, Spacing_Member m[2], double v[2][6]);

/* The length L (cm) that n_c columns ask at the spacing a1, the end distance a3 and (plates) the
** plates' end distance e1: 2 ((n_c - 1) a1 + e1 + a3) of plates, 2 ((n_c - 1) a1 + 2 a3) of side
** timbers (both their ends), (n_c - 1) a1 + 2 a3 of a lap; the automatic length. */
double Splice_Length_For(double a1, double a3, double e1);

/* The program's own least spacings of a splice of another kind over the pattern laid out (cm):
** a1, a2, a3 and a4 as the layout lays them (a4 from the edge the rows are laid from, beside
** plates lower than the member the plates'), with the own names of a3 and a4 by that kind's
** rules ("a3,t"). */
typedef struct Kind_Spacings {
    double a1, a2, a3, a4;
    const char *a3_rule, *a4_rule;
} Kind_Spacings;

/*
** The least spacings into *k that a splice of kind `kind` (SPLICE_*) asks of the fastener in the
** members of this one at the force-to-grain angles alpha_1 (a1, a3,t) and alpha_2 (a2, a4; a3,c
** the larger of both), the user's spacings left aside, as the validation of that splice takes
** them. The splice itself stays as it is. Return 1, or 0 where they cannot be taken.
*/
int Kind_Least_Spacings(int kind, double alpha_1, double alpha_2, Kind_Spacings *k);

/* Return 1 where the n members' least spacings v (Calc_Member_Spacings) are not all the same. */
int Member_Spacings_Differ(int n, const double v[2][6]);

/*
** The least spacings (cm) of the current fastener as the validation takes them, at alpha_1 (a1,
** a3,t) and alpha_2 (a2, a4), a3,c the larger of its values at both (Least_A3c_Angle), into v:
** a1, a2, a3t, a3c, a4t, a4c, the larger of the members' own where one pattern serves two
** (Calc_Member_Spacings). In the timber the fasteners pass through (outside plates: the rules of
** a steel-to-timber joint, and an LVL member's own table); with plates a1 and a2 at least 2.4 d0 and a4 measured from the plate edge, at
** least 1.2 d0 (EN 1993-1-8, table 3.3). The user's own spacings are not in them. raw (may be
** null) gets the values of the timber's rules before the plates' edge and limits.
*/
void Calc_Least_Spacings(double alpha_1, double alpha_2, double v[6], double raw[6]);
/* The diameter (mm) of the bolt whose spacings a connector keeps as well: its bolt's, a shear
** plate B1 its hub's d3. */
double Spacing_Bolt_Diameter(void);

/* The angle (rad) whose a3,c the least spacings take: alpha_2 where a3,c is larger there than at
** alpha_1, else alpha_1. */
double Least_A3c_Angle(double alpha_1, double alpha_2);

/* Thickness (cm) of each timber part between the n inner plates: (b - n t_p) / (n + 1). */
double Calc_Timber_Part_Thickness(void);

/* Return 1 for two or more ring or disc connectors of at least 130 mm in a row, else 0. */
int Is_Big_Connector_Multi(void);

/*
** Lay out `columns` columns of the current type's row count, column i at x0 + i step_x, row j
** at y0 + j step_y. Return 1, or 0 (nothing written) when the table would overflow.
*/
int Build_Regular_Pattern(double x0, double y0, double step_x, double step_y, int columns);

/*
** Staggered layout: a column every a1 / 2 from x0 up to x_end; even columns start at y0, odd
** ones at y0 + a2, each with a fastener every 2 a2 up to y_end. Return 1, or 0 on overflow
** (the records written so far stay, count is not changed).
*/
int Build_Staggered_Pattern(double x0, double y0, double x_end, double y_end, double a1, double a2);

/* Append the mirror image about x = x_m of every record; 0 (nothing done) on overflow. */
int Mirror_Pattern(double x_m);

/*
** Centroid and polar moment of the first n records. Return 0 and change nothing when the
** weights add up to (almost) zero, else write r and polar_angle of every record and return 1.
*/
int Calc_Pattern_Centroid(double *x_c, double *y_c, double *I_p, int n, Fastener_Rec *table);

/* 1 when nails driven without pre-drilling may split a member of group mat: timber, glulam
** and LVL; 0 for boards (plywood, OSB, particle, fibre and gypsum boards) and plates. */
int Member_May_Split(int mat);

/* Minimum thickness (cm) of the middle member; the message code goes to *code when given. A
** board has no least thickness against splitting (0 under an annex). */
double Min_Mid_Timber_Thickness(int *code, int split_rule);

/* Minimum thickness (cm) of the side members, or of the halves of a lap (their own material);
** the message code goes to *code when given. A board has no least thickness against splitting
** (0 under an annex; without one DIN 1052's 2.4 cm). */
double Min_Side_Timber_Thickness(int *code, int split_rule);

/* The same for the middle member (side 0) or the outer member (side 1: a side timber, a half of a
** lap, a lamella beside inner plates), with the rule of the least thickness and its operands in mm
** into how ("max(14 x 4.2; (13 x 4.2 - 30) x 350 / 200)", "" where the least value is a fixed
** one). A connector asks 3.75 h_e of a member that holds one in both faces (the middle member, a
** lamella between two inner plates), 2.25 h_e of one that holds one in one face. */
double Min_Timber_Thickness_Rule(int side, int split_rule, int *code, char *how, size_t size);

/* Thickness against splitting of an unpredrilled nail: max(k d, (13 d - 30) rho_k / q), mm
** (EN 1995-1-1, eq. (8.19), or with k = 7, q = 400 eq. (8.18) where split_rule is set); its
** operands into how (when given). */
double Nail_Split_Thickness(double d, double rho_k, int split_rule, char *how, size_t size);

/*
** Return 1 when nails, screws or staples driven from both sides keep their points within the
** near half of the middle member (or barely reach it), so that the geometry lets them stand in
** pairs; else 0, and why (may be null) gets the reason with the length against t_s + b / 2 (t_p
** beside outer plates), mm: they are then driven alternately. The two-sided switch is the user's
** choice and stays as it is.
*/
int Check_Nail_Sides(char *why, size_t size);

/*
** Return 1 when the nails, screws or staples of side timbers or outer plates stand in pairs, one
** driven from each side at every position of the pattern (the two-sided switch, where the
** geometry lets them: Check_Nail_Sides), else 0: one stands at each position, driven alternately
** from either side, or the fastener is another.
*/
int Vbm_Driven_From_Both_Sides(void);

/* Return 1 when the user chose nails, screws or staples of side timbers or outer plates driven
** from both sides and the geometry has them driven alternately instead; why (may be null) gets
** the reason as the fastener page and the report say it ("wechselseitig, weil ..."). */
int Vbm_Alternate_Instead(char *why, size_t size);

/*
** The side from which fastener i of the pattern is driven where one stands at each position:
** 0 the near side (the view's, the right one of the cross section, the upper one of the
** longitudinal section), 1 the far side. Neighbours in a column and in a row alternate.
*/
int Vbm_Driven_Side(int i);
/* The name of side 0 or 1 of Vbm_Driven_Side as the cross section shows it, "rechte Seite" or
** "linke Seite", capitalised where it begins a line. */
const char *Vbm_Side_Name(int side, int capital);
/* The same in the genitive with its article, "der rechten Seite" or "der linken Seite". */
const char *Vbm_Side_Name_Of(int side);

/* 1 when the first n fasteners of the pattern are nails, screws or staples of side timbers or
** outer plates driven alternately in single shear, so that each side's plane and member holds
** only the fasteners driven from that side (Vbm_Driven_Side), else 0. */
int Vbm_Driven_Alternately(int n);

/*
** The fasteners and shear planes that share N_d and V_d, one fastener's share being N_d / (count
** x planes): the n fasteners of the pattern with their shear planes; but nails, screws and
** staples of side timbers or outer plates driven alternately in single shear carry half of the
** load in each side's plane, so that the side with fewer of them (Vbm_Driven_Side) governs: 2
** planes of min(near, far). Return 1 when that side governs, 0 when the sides hold as many.
*/
int Vbm_Load_Sharing(int n, int *count, int *planes);

/* The fasteners driven from one side and their own pattern. */
typedef struct Vbm_Side {
    int32_t n;       /* fasteners driven from the side */
    double x_c, y_c; /* cm, their centroid */
    double I_p;      /* cm², the sum of their r² about it */
} Vbm_Side;

/*
** Where the n fasteners of the pattern are nails, screws or staples driven alternately in single
** shear, each side's plane carries half of N_d, V_d and the moment with its own fasteners about
** their own centroid (EN 1995-1-1, 8.2.2 for each shear plane): sides[0] of the near side, sides[1]
** of the far side (Vbm_Driven_Side). Return 1 when the sides' patterns differ from the whole
** pattern's halves (counts, centroids or polar moments), else 0 (nothing written): then the
** whole pattern gives the same forces.
*/
int Vbm_Side_Patterns(int n, Vbm_Side sides[2]);

/* What one side's fasteners carry of a combination where each side carries its own share. */
typedef struct Side_Share {
    Vbm_Side pattern;      /* the side's fasteners */
    double N_part, V_part; /* kN, shares of N_d and V_d of one of them */
    double M;              /* kNm, half the moment about their centroid: M_d of a bending splice
                           ** and V_d at x_c from the joint */
} Side_Share;

/* The shares of both sides (0 near, 1 far) of combination (group, entry) on the first n fasteners
** where each side carries its own (Vbm_Side_Patterns): return 1, else 0 (nothing written). */
int Get_Side_Shares(int group, int entry, int n, Side_Share out[2]);

/* Shear planes of one nail, screw or staple of the splice: 2 where its point holds in the member
** beyond the middle one, else 1 (always 1 in a lap, which has no such member). */
int Vbm_Own_Shear_Planes(void);

/*
** The member thicknesses (mm) that ring, shear-plate and toothed-plate connectors need under
** EN 1995-1-1, those of k1 in 8.9(2) and 8.10(2): t1,req = 3 h_e and t2,req = 5 h_e, at least
** 24 mm as the design takes them (Calc_Connector_K1_Thicknesses), single-sided connectors as
** two-sided ones. Return 1, or 0 (nothing written) under DIN 1052 or for other fasteners, whose
** required thicknesses are those of Calc_T1_Req and Calc_T2_Req.
*/
int Connector_Required_Thicknesses(double *t1_req, double *t2_req);

/*
** Side-member thickness (cm) chosen for a required thickness t_req_mm: the next whole cm above,
** at least 6 cm, and even.
*/
double Calc_Auto_Side_Thickness(double t_req_mm);

/* Hole diameter d0 (cm) of the plates for the current fastener (Get_Plate_Hole). */
double Get_Plate_Hole_D0_Cm(void);

/*
** Validate the splice and build the pattern of one half. Return 0 or an error code whose
** text Get_Error_Text gives; on an error the values written so far stay written.
*/
int Prepare_Splice_Calc(void);

/* ---------------------------------------------------------------- refusals of the fastener */

/* A fastener that the connection kind cannot take: staples through steel plates, a shear plate
** B1 between two timbers, a ring A1 or a two-sided toothed plate C5 against a steel plate. Return
** 0 or the refusal's code. */
int Check_Fastener_Kind(void);

/* Alternately driven nails whose one side has its fasteners in one point (a polar moment of 0)
** while a combination gives that side a moment (M_d of a bending splice, or V_d): return
** DERR_SIDE_WITHOUT_POLAR_MOMENT, else 0. */
int Check_Side_Polar_Moments(void);

/* Vbm_Side_Patterns of the whole pattern into sides, where the sides' own shares change a force:
** they hold different counts, or a valid combination gives the fasteners a moment. Return 1 then,
** else 0. */
int Vbm_Sides_Matter(Vbm_Side sides[2]);

/* 1 when the two-sided toothed plate C1 or C10 bears against a steel plate, where its design takes
** the rule of its single-sided counterpart C2 or C11, else 0. */
int Vbm_Single_Sided_Counterpart(void);

/* The fastener the page asks to fit, which every check takes, and its catalogue row (a
** connector's row, else vbm_row): the one chosen, but beside steel plates for C1 or C10 the
** single-sided C2 or C11 of the same d_c (Vbm_Single_Sided_Counterpart) with its own depth, height
** and hub. Return 1, or 0 where the catalogue holds no such counterpart (Check_Fastener_Kind
** refuses the splice; *type and *row are the chosen ones then). */
int Splice_Fitted_Vbm(const Splice_Input_Record *si, int *type, int *row);
/* Its type and row for the splice input, and a value of its connector row (Get_Connector_Value). */
int Fitted_Vbm_Type(void);
int Fitted_Vbm_Row(void);
double Fitted_Connector_Value(const char *key);

/* The name the print gives the fastener type: "Scheibendübel C1/C2" and "C10/C11" where the design
** takes the single-sided counterpart, else the type's full name. A static buffer of the type. */
const char *Splice_Vbm_Name(void);

/* What the design of Vbm_Single_Sided_Counterpart assumes of the builder, for the page and the
** print: that the single-sided counterpart is fitted at every plate ("" where it does not apply).
** A static buffer. */
const char *Splice_Vbm_Steel_Text(void);

/* 1 when the single-sided toothed plates C2 or C11 join two timbers (side timbers or a lap),
** where they go in back-to-back pairs, one pair per shear plane and bolt, else 0. */
int Vbm_Back_To_Back_Pairs(void);

/* What the print and the pages say of such pairs: "je Scherfuge 2 Scheibendübel C2 Rücken an
** Rücken" (code page 850), or "" for any other fastener. A static buffer. */
const char *Splice_Vbm_Pair_Text(void);

/* The count of the connectors at n bolts, "4 Bolzen x 2 Scherfugen = 8 Scheibendübel C1", with
** " x 2" for back-to-back pairs (code page 850), or "" for any other fastener. A static buffer. */
const char *Splice_Vbm_Count_Text(int n);

/* A connector whose catalogue row names its bolts: 1 with the diameter of the bolt chosen from the
** bolt list *d_bolt and the row's smallest and largest bolt *db_min, *db_max (mm), else 0.
** Check_Connector_Bolt returns 0 or DERR_CONNECTOR_BOLT_OUTSIDE_ROW (EN 912). */
int Connector_Bolt_Range(double *d_bolt, double *db_min, double *db_max);
int Check_Connector_Bolt(void);

/* The washer of a bolt (and of a connector's bolt) with the switch set: 1 with the bolt's diameter
** *d_bolt and the least washer diameter *least = 3 d (mm), else 0. Check_Bolt_Washer returns 0 or
** DERR_WASHER_BELOW_3D (EN 1995-1-1, 10.4.3). */
int Bolt_Washer_Least(double *d_bolt, double *least);
int Check_Bolt_Washer(void);

/* The washer diameter (mm) that the checks of a bolt or of a connector's bolt bear on: the one
** chosen, else under an annex the least one that the print asks the builder for, 3 d (EN 1995-1-1,
** 10.4.3); 0 for any other fastener, and without an annex where none is chosen. *d_bolt, when
** not null, gets the bolt's diameter (mm) of a bolt or connector. */
double Bolt_Washer_Borne(double *d_bolt);

/* What the rope effect of a bolt or of a toothed plate's bolt bears on (EN 1995-1-1, 8.5.2(2)) as
** the design takes it: "mit Unterlegscheibe d = 58 mm", the least one where none is chosen, or
** beside outer plates the plate as a washer of min(12 t, 4 d); without an annex the value of the
** washer field. Code page 850, a static buffer. */
const char *Splice_Rope_Washer_Text(void);

/* Staples under an annex whose points end in a timber: 1 with their point-side penetration *t2
** and the least one *least (mm; EN 1995-1-1, 8.4(3): 14 d, the German annex 12 d), else 0.
** Check_Staple_Penetration returns 0 or DERR_STAPLE_PENETRATION_LEAST. */
int Staple_Least_Penetration(double *t2, double *least);
int Check_Staple_Penetration(void);

/* The fastener design of the first checked combination on the laid-out pattern: 0, the code of
** a rule of the design that refuses it, or DERR_NO_LATERAL_RESISTANCE for a fastener whose design
** gives no lateral resistance. */
int Check_First_Design(void);

/* Thickness of the whole joint across the grain (cm) that a dowel or bolt passes through: the
** side timbers or outer plates with the middle member between them; inner plates and a lap lie
** within the member's width. */
double Splice_Joint_Thickness(void);

/* ---------------------------------------------------------------- forces and plate bearing */

/*
** Force on fastener i of n for combination (group, entry), per shear plane (kN). N_part and
** V_part are always written (when given); the other values only for 0 <= i < n. The moment
** for distribution is the one the preparation run stored; angle is the acute angle between
** the force and the grain (rad).
*/
void Get_Fastener_Force(int group, int entry, int i, int n, double *N_part, double *V_part,
                        double *M_part, double *M_x, double *M_y, double *F_x, double *F_y,
                        double *F, double *angle);

/*
** Forces of all n fasteners of one combination at once (the preparation run and the checks):
** the arrays (each optional, n values) get M_y, F_x, F_y, F and the angle as Get_Fastener_Force
** gives them.
*/
void Get_Fastener_Forces_All(int group, int entry, int n, double *M_y, double *F_x, double *F_y,
                             double *F, double *angle);

/*
** The force-to-grain angles (rad) of the fasteners of the pattern under combination c (of any
** table) with the moment M_distr (kNm) about their centroid in place of the one the preparation
** stored: *lo is lowered to the smallest, *hi raised to the largest, a fastener with a force
** below 1e-5 kN left out as the preparation leaves it out. Return 0 when no fastener has a force.
*/
int Combination_Angle_Range(const Lkom_Entry *c, double M_distr, double *lo, double *hi);

/* Lever arms of the first n fasteners of the pattern from its centroid (cm): dx[i] = x_i - x_c,
** dy[i] = y_i - y_c; where each side's fasteners carry their own share (Vbm_Side_Patterns), from
** the centroid of the fastener's own side, whose number side[i] (may be null) gets (else 0). */
void Get_Fastener_Arms(int n, double *dx, double *dy, int *side);

/* The shares of N_d and V_d (bending splices) of one fastener per shear plane (kN): those the
** fastener of the governing side takes, and those of a fastener of side 0 and of side 1 (both
** the same unless each side carries its own share). */
typedef struct Force_Shares {
    double N_part, V_part;
    double N_side[2], V_side[2];
} Force_Shares;

/*
** The parts of the force of combination c on n fasteners, per shear plane: the shares that all
** take (the answer), and the moment parts at the lever arms (Get_Fastener_Arms): M_y[k] across
** the grain at dx[k] (k < n_x) and M_x[k] along it at dy[k] (k < n_y), of the side side_x[k] and
** side_y[k] (null: side 0), 0 without a polar moment. F_x = N_side + M_x and F_y = V_side + M_y
** of the fastener's side give bit for bit what Get_Fastener_Forces_All gives, and F = sqrt(F_x² +
** F_y²).
*/
Force_Shares Calc_Force_Parts(const Lkom_Entry *c, int n, int n_x, const double *dx,
                              const int *side_x, int n_y, const double *dy, const int *side_y,
                              double *M_y, double *M_x);

/* The acute angle between the force (F_x, F_y) and the grain, 0 .. pi/2 (rad), as the functions
** above give it. */
double Fastener_Force_Angle(double fx, double fy);

/*
** Set the partial factors of a combination in Splice_Input: gamma_M of the side and of the
** middle member, gamma_M0 and gamma_M2 of the plates; clear the design's message lists.
*/
void Set_Design_Gammas(int accidental);

/*
** Return the annex's partial factor of steel for an accidental combination (EN 1993-1-1, 6.1
** with the national annex): which 0 gamma_M0, 1 gamma_M1, 2 gamma_M2 (fracture in tension); the
** persistent factor where the annex leaves the accidental one out; 1.0 without an annex or
** without its steel block.
*/
double Get_Steel_Gamma_M_Accidental(int which);

/*
** Return gamma_M2 of the joints' steel, the plates' bearing and block tearing and the bolts in
** tension (EN 1993-1-8, 2.2, Table 2.1): the annex's EN 1993-1-8 block, without it (or without
** an annex) the value of Splice_Input. The annex gives it for persistent and transient situations
** only, and an accidental combination keeps it unless the annex's accidental gamma_M2
** (Get_Steel_Gamma_M_Accidental) is larger, so that the value taken is never below the
** accidental one. The net section keeps gamma_M2 of EN 1993-1-1.
*/
double Get_Steel_Gamma_M2_Joints(int accidental);

/* Design yield strength f_y,k / gamma_M0 of the plates (N/mm²), with the accidental gamma_M0 of
** Get_Steel_Gamma_M_Accidental when accidental. */
double Get_Plate_Fyd(int accidental);

/* Tensile strength f_u of the plate steel (N/mm²) in the plates' thickness range. */
double Get_Plate_Fu(void);

/* Characteristic yield strength f_y of the plate steel (N/mm²) in the plates' thickness range. */
double Get_Plate_Fy(void);

/* Return 1 when the plates are thicker than the first thickness range of their steel (t1 in mm
** to *t1_mm) and take f_y and f_u of the second (EN 1993-1-1, Table 3.1), else 0. */
int Plate_Second_Thickness_Range(double *t1_mm);

/*
** Factors of the bearing resistance, EN 1993-1-8, Table 3.4, for the hole diameter d0 and the
** distances e1, e2, p1, p2 in one unit and the strengths f_ub of the bolt and f_u of the plate:
** alpha_b of an end hole (Calc_Alpha_B_End) min(e1 / (3 d0), 1, f_ub / f_u) and of an inner
** hole (Calc_Alpha_B_Inner) min(p1 / (3 d0) - 1/4, 1, f_ub / f_u), 0 for a negative d0 or f_u;
** k1 of an edge hole (Calc_K1_Edge) min(2.8 e2 / d0 - 1.7, 1.4 p2 / d0 - 1.7, 2.5) and of an
** inner hole (Calc_K1_Inner) min(1.4 p2 / d0 - 1.7, 2.5), 0 for a negative d0.
*/
double Calc_Alpha_B_End(double d0, double e1, double f_ub, double f_u);
double Calc_Alpha_B_Inner(double d0, double p1, double f_ub, double f_u);
double Calc_K1_Edge(double d0, double e2, double p2);
double Calc_K1_Inner(double d0, double p2);

/*
** Bearing resistance F_b,Rd = k1 alpha_b f_u d t / gamma_M2 (EN 1993-1-8, Table 3.4) of an
** edge and of an inner hole, kN. A single column of holes (p1 <= 0.1) takes the end factor
** for both. Always 0.
*/
int Calc_Plate_Bearing_Ec(double d0, double d, double t, double e1, double e2, double p1, double p2,
                          double f_ub, double f_u, double *F_b_edge, double *F_b_inner,
                          double *alpha_b_end, double *alpha_b_inner, double *k1_edge,
                          double *k1_inner);

/* The factors of EN 1993-1-8, Table 3.4, of the holes of a plate for a force in one direction. */
typedef struct Bearing_Factors {
    double alpha_end; /* alpha_b of a hole whose force points to an end or edge of the plate */
    double alpha_in;  /* alpha_b of a hole whose force points to the next hole */
    double k1_edge;   /* k1 of a hole beside an end or edge parallel to the force */
    double k1_in;     /* k1 of the holes between */
} Bearing_Factors;

/*
** The factors of the holes of a plate for a force in one direction (EN 1993-1-8, Table 3.4;
** note 3: each force component with the factors of its own direction). e_end and p_along are
** the end distance and the spacing in the direction of the force, e_edge and p_across the edge
** distance and the spacing across it (mm). A spacing of at most 0.1 mm is a single line of holes
** in that direction: alpha_b of a hole without a neighbour ahead is that of an end hole, and k1
** of a line without a neighbour beside it takes the edge distance alone. Zero factors when
** d0 or f_u is negative.
*/
Bearing_Factors Calc_Plate_Bearing_Factors(double d0, double e_end, double p_along, double e_edge,
                                           double p_across, double f_ub, double f_u);

/* Where a plate hole's diameter comes from. */
enum {
    PLATE_HOLE_CLEARANCE = 0,  /* d0 = d + 1 mm */
    PLATE_HOLE_FITTED,         /* d0 = d, fitted */
    PLATE_HOLE_BOLT_CLEARANCE, /* d0 = d + 1 mm for a fitted bolt whose plate holes keep it */
    PLATE_HOLE_HUB_CLEARANCE,  /* d0 = d3 + 1 mm, d = d3, the hub of a shear plate B1 */
    PLATE_HOLE_HUB,            /* d0 = d = d1, the hub of a C11 (of C10 against a plate) */
    PLATE_HOLE_ON_BOLT         /* d0 = d_bolt + 0.4 mm, d = d_bolt: C2 (C1 against a plate) */
};

/* The plate hole of the splice's fastener and the diameter that bears on it, mm. */
typedef struct Plate_Hole {
    double d0;    /* hole diameter: EN 1993-1-8, Table 3.4; d_L of DIN 18800-1, Table 8 */
    double d;     /* diameter that bears on the plate (DIN 18800-1: d_Sch, eq. (47)) */
    int32_t rule; /* PLATE_HOLE_* */
} Plate_Hole;

/*
** 1 when the plate holes of the splice fit their fastener without clearance: the fitted-bolt
** switch, counted off for a bolt whose plate holes are asked to keep their clearance.
*/
int Plate_Hole_Fitted(const Splice_Input_Record *si);

/*
** The plate hole of the splice's fastener: the one answer for the layout's least distances, the
** bearing (EN 1993-1-8 and DIN 18800-1), the plates' net section and every print, alike for
** inner and outer plates. A dowel-type fastener of diameter d passes a hole d0 = d + 1 mm
** unless the holes are fitted (EN 1995-1-1, 10.4.3, allows up to 2 mm), and d bears. A
** connector bears on the plate by what passes it (EN 1995-1-1, 8.9 and 8.10): a shear plate B1
** by its hub "d3" in a hole d3 + 1 mm (the catalogue's hub through the plate, not the plate's
** diameter "dc", which lies in the timber), a connector C11 by its hub "d1", which fills its
** hole, a connector C2 by its bolt d_bolt in a hole d0 = d_bolt + 0.4 mm.
*/
Plate_Hole Get_Plate_Hole(const Splice_Input_Record *si);

/* The clearance d0 - d (mm) of the plates' holes (Get_Plate_Hole), which decides whether a plate
** may count as thick (EN 1995-1-1, 8.2.3(1)); 0 where no hole is known (d = 0). */
double Get_Plate_Hole_Clearance(const Splice_Input_Record *si);

/*
** Bearing factor alpha_l of DIN 18800-1 (Table 8) for hole distances e, e1, e2, e3 and the
** bearing diameter d_L (all mm): the smaller of the end and the inner factor, at most 3.0.
** Return 0 or DERR_PLATE_EDGE_E2_E3 (edge distance or spacing too small); the factor is
** written in any case.
*/
int Calc_Alpha_L_Din(double *alpha_l, double d_L, double e, double e1, double e2, double e3);

/* Which line of DIN 18800-1, Table 8 gave alpha_l. */
enum {
    DIN_ALPHA_NONE = 0,        /* e2 below 1.2 d_L, or e3 below 2.4 d_L with several rows */
    DIN_ALPHA_UPPER = 1,       /* e2 >= 1.5 d_L and e3 >= 3.0 d_L */
    DIN_ALPHA_LOWER = 2,       /* e2 = 1.2 d_L (e3 >= 2.4 d_L, or one row) */
    DIN_ALPHA_INTERPOLATED = 3 /* between the two lines by e2 / d_L */
};

/* The terms of alpha_l of one hole (DIN 18800-1, Table 8), so that it recomputes from the
** print: alpha = a x ratio - b on each line, the lines weighted by q = min(e2 / d_L, 1.5). */
typedef struct Din_Alpha_Terms {
    int32_t end_hole;        /* 1: end hole by its end distance, 0: inner hole by e */
    int32_t line;            /* DIN_ALPHA_... */
    int32_t one_row;         /* 1: the pattern has one row of holes */
    double d_L, distance;    /* mm, hole diameter and the distance (e_Rand or e) */
    double e2, e3;           /* mm, edge distance and row spacing */
    double ratio, ratio_max; /* min(distance / d_L, ratio_max); ratio_max 3.0 or 3.5 */
    double e2r, e3r, q;      /* e2 / d_L, e3 / d_L, min(e2 / d_L, 1.5) */
    double a_up, b_up;       /* line e2 >= 1.5 d_L: 1.1, 0.3 (end) or 1.08, 0.77 (inner) */
    double a_lo, b_lo;       /* line e2 = 1.2 d_L: 0.73, 0.2 (end) or 0.72, 0.51 (inner) */
    double upper, lower;     /* alpha_l on either line */
    double alpha_raw;        /* alpha_l before the limit of 3.0 */
    double alpha;            /* alpha_l taken, at most 3.0 */
} Din_Alpha_Terms;

/*
** Bearing factor alpha_l of one hole of DIN 18800-1 (Table 8), at most 3.0: an end hole
** (end_hole set) from its end distance e1 in the direction of the force, 1.1 e1 / d_L - 0.3 with
** e1 counted up to 3 d_L; an inner hole from the hole spacing e, 1.08 e / d_L - 0.77 with e
** counted up to 3.5 d_L. Both at e2 > 1.5 d_L and e3 > 3 d_L, else interpolated down to
** e2 = 1.2 d_L where e3 >= 2.4 d_L or the pattern has one row. distance is e1 or e (mm).
** Return 0 or DERR_PLATE_EDGE_E2_E3 (edge distance or row spacing too small); the factor is
** written in any case, and its terms when terms is not null.
*/
int Calc_Alpha_L_Din_Hole(double *alpha_l, double d_L, int end_hole, double distance, double e2,
                          double e3, Din_Alpha_Terms *terms);

/*
** Design bearing resistance V_l,R,d = t d_Sch alpha_l f_y,d of a hole with both the end distance
** e1 and the spacing e (DIN 18800-1, eq. (47)), kN, alpha_l over the hole diameter d_L. Return 0, DERR_PLATE_MIN_3MM (plate thinner
** than 3 mm) or DERR_PLATE_EDGE_E2_E3 (distances too small).
*/
int Calc_Plate_Bearing_Din(double *V_lRd, double *alpha_l, double e, double e1, double e2,
                           double e3, int accidental);

/*
** The same for one kind of hole: an end hole (end_hole set) by its end distance, an inner hole by
** the hole spacing (distance in mm); the terms of alpha_l when terms is not null.
*/
int Calc_Plate_Bearing_Din_Hole(double *V_lRd, double *alpha_l, int end_hole, double distance,
                                double e2, double e3, int accidental, Din_Alpha_Terms *terms);

/* ---------------------------------------------------------------- connection input */

/* Diameter (mm) of the bolt of a connector, by the bolt index of the list of bolt sizes; 0
** outside the list. The design takes it; so do the checks and the prints of that bolt. */
double Get_Connector_Bolt_Diameter(void);

/* The bolt of the list of bolt sizes that row `row` of connector `type` takes in place of the bolt
** `index`: index itself where its diameter lies within the row's bolts (db_min..db_max, EN 912),
** else the one within them nearest to it (the smaller of two as near); index where the row names
** no bolts or the list holds none of them. */
int Connector_Row_Bolt_Index(int type, int row, int index);

/*
** Fill the connection input of one combination (cleared first): load-duration class, the
** force-to-grain angles of both members (degrees), the number of fasteners, the mode, the
** accidental flag, the kmod source and the preset kmod. Sets the partial factors first. 1.
*/
int Fill_Vbm_Design_Input(Connection_Input *input, int kled, double angle_1, double angle_2,
                          int n_fasteners, int mode, int accidental, int kmod_source, double kmod);

/* Fill the rule input of the single-fastener rules for the angles of both members. 0. */
int Fill_Joint_Members(Vbm_Rule_Input *rule, double angle_1, double angle_2);

/* Fill the rule input of the block-shear check (cleared first). 1. */
int Fill_Vbm_Rule_Input_Plate(Vbm_Rule_Input *rule);

/* kmod of member 1 and member 2 into the result: the preset value, or the table value of each
** timber member; a metal plate takes the other member's value. */
void Get_Member_Kmod(const Connection_Input *input, Connection_Result *result);
/* f_u,k of the fastener (N/mm²): a dowel's or bolt's from its steel grade, a connector's from
** its bolt's, a plain nail's 600, else the input's. Plate_Bearing_Fu_B: f_ub of the plate
** bearing (N/mm²), 500 for the approved screws, else Get_Fastener_Fu_K. */
double Get_Fastener_Fu_K(void);
double Plate_Bearing_Fu_B(void);
/* kmod of group g for the middle member, the side members and the joint (each optional). */
void Get_Group_Kmod(int group, double *kmod_mid, double *kmod_side, double *kmod_joint);
/* The load-duration class (KLED_STAENDIG .. KLED_SEHR_KURZ) in which a preset kmod gives each
** member of the splice its value of EN 1995-1-1, Table 3.1 (within tolerance), -1 for none. */
int Kled_Of_Preset_Kmod(double kmod, double tolerance);
/* The shortest load-duration class in which no member of the splice has a value of EN 1995-1-1,
** Table 3.1 above a preset kmod (within tolerance), -1 where every class has one above it. */
int Kled_Below_Preset_Kmod(double kmod, double tolerance);

/* Copy the results of the single-fastener rules into the result record (forces in kN when
** in_kN is set); kmod of both members and any required thicknesses must be in the result
** already. The design values of the lateral capacity, the yield moment and the bearing of an
** aluminium plate are sqrt(kmod_1 kmod_2) / gamma with the larger gamma of both members. */
void Copy_Vbm_Results(Connection_Result *result, const Vbm_Rule_Result *rule, int in_kN);

/* Length of the fastener field along the member, mm: twice the largest x of the pattern,
** doubled again for the lap. */
double Get_Pattern_Length_Mm(void);

/* Members of the connection by connection kind (member 1 first); thicknesses in mm. */
typedef struct Joint_Members {
    int32_t mat_1, grade_1, mat_2, grade_2;
    double t1, t2; /* mm */
    double gamma_1, gamma_2;
} Joint_Members;

/* Members of the connection by connection kind, member 1 first; thicknesses in mm. */
void Get_Joint_Members(Joint_Members *m);

/* ---------------------------------------------------------------- section values, labels */

/* The holes that one cross-section of the timber loses (indices into the pattern). */
enum { TIMBER_SECTION_HOLES_MAX = 256 };
typedef struct Timber_Section_Holes {
    int32_t count;                           /* holes in the section, one of each row */
    int32_t index[TIMBER_SECTION_HOLES_MAX]; /* their fasteners in the pattern */
    int32_t staggered;                       /* 1: a staggered layout, the fields below set */
    int32_t column;                          /* the fastener whose column the section passes */
    int32_t own;                             /* holes of that column */
    double half_a1;       /* cm, half the least spacing a1 along the grain (alpha = 0) */
    double next_distance; /* cm, along the grain to the nearest hole of another column, -1: none */
} Timber_Section_Holes;

/*
** The holes of one cross-section of the timber into *h: the rows of the first column; in a
** staggered layout the section through the column that takes the most holes within half the least
** spacing a1 along the grain (Calc_Least_Spacings at alpha = 0, whatever the actions), one of each
** row (EN 1995-1-1, 5.2(4)), distances compared as the print states them (two decimals, cm).
** Return 1 for a staggered layout, else 0.
*/
int Calc_Timber_Section_Holes(Timber_Section_Holes *h);

/* 1 where the timber's net sections lose the holes of the current fastener, else 0. */
int Timber_Net_Section_Has_Holes(void);

/* What a member of the connection loses at one bolt of a connector: the connectors' faces in it
** and its thickness (mm), with the connector's embedded depth h_e, diameter d_c and bolt hole d_L
** (mm), and the area dA (mm²) that EN 1995-1-1, 5.2(3) deducts from its net section. */
typedef struct Connector_Section_Loss {
    int32_t faces;     /* faces of the member that hold a connector at each bolt */
    double t;          /* mm, the member's thickness (of all timber parts between inner plates) */
    double he, dc, dL; /* mm */
    double dA;         /* mm², faces h_e d_c + (t - faces h_e) d_L */
} Connector_Section_Loss;

/*
** The loss of the middle member (side 0: the middle member, the timber parts between inner
** plates, one lap half) or of one side timber (side 1) at one bolt of the current connector into
** *r. Return 0 (r cleared) where the fastener is no connector or the member holds none.
*/
int Calc_Connector_Section_Loss(int side, Connector_Section_Loss *r);

/* 1 where two or more inner plates split the timber into lamellas, some of them between two
** plates, else 0. */
int Lamellas_Between_Plates(void);

/*
** The loss of one lamella at one bolt of the current connector where two or more inner plates split
** the timber (Lamellas_Between_Plates): inner 1 a lamella between two plates, with a connector in
** both faces, inner 0 an outer lamella beside one plate, with one. Return 0 (r cleared) otherwise.
*/
int Calc_Lamella_Connector_Loss(int inner, Connector_Section_Loss *r);

/*
** Net area (cm²), moment of inertia (cm⁴) and section modulus (cm³) of one lamella at the joint
** where two or more inner plates split the timber: inner 1 a lamella between two plates, 0 an outer
** one; each loses the holes that lie in it (a connector by the faces it holds). Each pointer
** optional. Return 1, or 0 (nothing written) without such lamellas.
*/
int Calc_Lamella_Net_Section_Values(int inner, double *A, double *I, double *W);

/*
** Net area, moment of inertia and section modulus of the middle member and of one side
** member at the joint (each pointer optional). Side values only for side timbers and outer
** plates.
*/
void Calc_Net_Section_Values(double *A_mid, double *A_side, double *I_mid, double *I_side,
                             double *W_mid, double *W_side);

/*
** Net area, moment of inertia and section modulus of one plate (each pointer optional). Staggered
** holes take the fracture line of least net area (Calc_Plate_Net_Lines); I takes the holes of
** that line without the gain of its diagonals.
*/
void Calc_Plate_Net_Section_Values(double *A, double *I, double *W);

/* A fracture line across one plate with staggered holes (EN 1993-1-1, 6.2.2.2(4)). */
typedef struct Plate_Net_Line {
    int32_t holes;     /* holes the line passes; 0: no such line */
    int32_t diagonals; /* its diagonals between holes apart along the member */
    double s, p;       /* cm, the diagonals' s and p when all are alike, else 0 */
    double gain;       /* cm, sum of s² / (4 p) over its diagonals */
    double A_n;        /* cm², net area of one plate on the line */
} Plate_Net_Line;

/*
** Return 1 for plates with staggered holes in at least two rows, with the straight line across
** (the most holes at one place along the member), the zig-zag line of least net area (holes = 0
** when there is none) and the governing line of the two; 0 otherwise. The holes are those of the
** first two columns, one in each row; a line passes them in the order of the rows and deducts
** each hole (legs times d0 times t), adding s² t / (4 p) for each diagonal.
*/
int Calc_Plate_Net_Lines(Plate_Net_Line *straight, Plate_Net_Line *zigzag,
                         Plate_Net_Line *governing, double *gross, double *hole_width);

/* 1 when the block-shear check applies: exact method, plates and at least two rows. */
int Is_Block_Shear_Check_On(void);

/* Name of load type 0..6; an empty text for other indices. */
const char *Get_Load_Type_Name(int i);

/* Print label of the lateral capacity; without an annex the subscript stays open. */
const char *Get_Fv_Rk_Label(void);

/* Print label of the axial capacity; without an annex the subscript stays open. */
const char *Get_Fax_Rk_Label(void);

/* Clause of the lateral-capacity equations. */
const char *Get_Fv_Rk_Standard_Ref(void);
