/*
** The longitudinal section (Plot_Laengsschnitt_02, "%s02.SPF") and the cross section
** (Plot_Querschnitt_03, "%s03.SPF") of the splice, drawn in the common frame of the view.
** Coordinates in model cm: along the member and across the thickness (longitudinal), across
** the thickness and over the height (cross section).
*/
#include "results/print_list.h"
#include "results/plot_internal.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "catalogue/catalogue.h"
#include "foundation/foundation.h"
#include "printlist/printlist.h"

/* ---------------------------------------------------------------- shared sizes */

typedef struct Section_Sizes {
    double r;         /* cm, half the diameter (connectors: of the bolt) */
    double r_b;       /* cm, half the connector bolt diameter */
    double rv;        /* cm, half the width a shank is drawn with (r grown to be seen) */
    double rh;        /* cm, the r of the heads and washers drawn (no wider than their room) */
    double lp;        /* cm, fastener length */
    double D;         /* cm, connector diameter */
    double hc;        /* cm, connector depth */
    int connector;    /* 25..28, 31..33 */
    int ring_on_face; /* 26, 31, 32: the ring lies inside the member at a face */
    int pair;         /* single-sided toothed plates back to back: one in each face, hc deep */
} Section_Sizes;

static Section_Sizes Sizes(void)
{
    const Splice_Input_Record *si = &Splice_Input;
    const int t = si->vbm_type;
    Section_Sizes z;
    z.connector = Is_Vbm_Connector(t);
    z.r_b = si->d_bolt / 20.0;
    z.r = z.connector ? z.r_b : si->d / 20.0;
    z.lp = si->l / 10.0;
    z.D = si->d / 10.0;
    /* the height of the connector fitted, a C1 or C10 beside steel its single-sided one's */
    z.hc = z.connector ? Fitted_Connector_Value("hc") / 10.0 : 0.0;
    z.pair = Vbm_Back_To_Back_Pairs();
    z.ring_on_face =
        !z.pair
        && (t == VBM_SCHEIBENDUEBEL_C1 || t == VBM_SCHEIBENDUEBEL_B1 || t == VBM_SCHEIBENDUEBEL_C2);
    z.rv = z.r;
    z.rh = z.r;
    return z;
}

/*
** Grow the shanks of z to be seen at the scale s (PLOT_LEAST_SHANK), no wider than their share of
** the least distance `room` (cm) between two drawn fasteners; heads and washers, 8 and 4 shank
** radii wide, keep within that room too.
*/
static void Visible_Sizes(Section_Sizes *z, double s, double room)
{
    z->rv = Plot_Visible_Size(2.0 * z->r, s, PLOT_LEAST_SHANK, room) / 2.0;
    z->rh = z->rv;
    if (room > 0.0 && 8.0 * z->rh > 0.9 * room) z->rh = std::max(z->r, 0.9 * room / 8.0);
}

/* Least distance (cm) between the values v: the room of the fasteners drawn side by side. */
static double Least_Gap(std::vector<double> v)
{
    std::vector<double> zero(v.size(), 0.0);
    return Plot_Least_Distance(v.data(), zero.data(), (int)v.size());
}

/*
** Thickness of the outer parts that the fasteners pass through: the side timbers, or for
** outside plates the plates themselves (a bolt ends at the plate, not at a side timber that
** such a splice does not have).
*/
static double Outer_Part_Thickness(void)
{
    const Splice_Input_Record *si = &Splice_Input;
    return si->connection_kind == CONN_OUTER_PLATES ? si->t_p : si->t_s;
}

static int Rows(void)
{
    int m = (int)Splice_N_Row(&Splice_Input);
    return m < 1 ? 1 : m;
}

/* Heads of nails and screws: 8r wide across x, 1.5r deep from the surface (sign of r inward),
** filled and outlined in the current colours. */
void Oli_Fill_Head_Across(double x, double surface, double r)
{
    const double w = 4.0 * std::fabs(r);
    Plot_Box(x - w, surface, x + w, surface + 1.5 * r);
}

void Oli_Fill_Head_Along(double surface, double y, double r)
{
    const double w = 4.0 * std::fabs(r);
    Plot_Box(surface, y - w, surface + 1.5 * r, y + w);
}

/* The two legs of a staple from the surface `depth` inward, at y +- offset, half_h high. */
void Oli_Fill_Bar_Pair(double surface, double depth, double y, double offset, double half_h)
{
    const double inner = surface - depth;
    Plot_Box(inner, y - offset - half_h, surface, y - offset + half_h);
    Plot_Box(inner, y + offset - half_h, surface, y + offset + half_h);
}

/* ---------------------------------------------------------------- longitudinal section */

double Plot_Scale_Laengsschnitt(double *x0, double *y0, double *x1, double *y1, double ml,
                                double mr, double mb, double mt)
{
    const Splice_Input_Record *si = &Splice_Input;
    const int k = si->connection_kind;
    const double a = 1.05 * si->L / 2.0;
    const double b = (k == CONN_SIDE_TIMBERS || k == CONN_OUTER_PLATES)
                         ? (si->b / 2.0 + Outer_Part_Thickness()) * 1.02
                         : (si->b / 2.0) * 1.02;
    Plot_Window win;
    const double s =
        Plot_Fit_Scale({.x0 = -a, .y0 = -b, .x1 = a, .y1 = b}, si->print.long_w, si->print.long_h,
                       {.left = ml, .right = mr, .bottom = mb, .top = mt}, &win);
    Plot_Window_Out(win, x0, y0, x1, y1);
    return s;
}

/* Shank of a nail or screw at X from the surface Y (inward sign dir) with its head. */
static void Long_Nail(double X, double Y, int dir, const Section_Sizes *z)
{
    Plot_Box(X - z->rv, Y, X + z->rv, Y + dir * z->lp);
    Oli_Fill_Head_Across(X, Y, dir * z->rh);
}

/* A staple at X from the surface Y (inward sign dir); c half the projected back width. */
static void Long_Staple(double X, double Y, int dir, double c, const Section_Sizes *z)
{
    /* the two legs stay apart */
    const double r = c > 0.0 ? std::max(z->r, std::min(z->rv, 0.4 * c)) : z->rv;
    Plot_Box(X - c - r, Y, X - c + r, Y + dir * z->lp);
    Plot_Box(X + c - r, Y, X + c + r, Y + dir * z->lp);
    /* the back: below the bottom surface, just inside the top surface */
    Plot_Box(X - c - r, Y - r, X + c + r, Y);
}

/* Bolts, dowels and connectors through the whole splice between Y0 and Y1. */
static void Long_Through(double X, double Y0, double Y1, double b, const Section_Sizes *z, int type,
                         int washers)
{
    if (z->connector) {
        Oli_Graphic_Set_Fill(50);
        if (z->pair) {
            Plot_Bar(X - z->D / 2, -b / 2 - z->hc, X + z->D / 2, -b / 2 + z->hc);
            Plot_Bar(X - z->D / 2, b / 2 - z->hc, X + z->D / 2, b / 2 + z->hc);
        } else if (z->ring_on_face) {
            Plot_Bar(X - z->D / 2, -b / 2, X + z->D / 2, -b / 2 + z->hc / 2);
            Plot_Bar(X - z->D / 2, b / 2 - z->hc / 2, X + z->D / 2, b / 2);
        } else {
            Plot_Bar(X - z->D / 2, -b / 2 - z->hc / 2, X + z->D / 2, -b / 2 + z->hc / 2);
            Plot_Bar(X - z->D / 2, b / 2 - z->hc / 2, X + z->D / 2, b / 2 + z->hc / 2);
        }
    }
    Oli_Graphic_Set_Fill(55);
    if (washers && (z->connector || type == VBM_BOLZEN)) {
        const double w = std::max(z->rh, z->rv);
        Plot_Box(X - 2 * w, Y0 - 1.4 * w, X + 2 * w, Y0);
        Plot_Box(X - 2 * w, Y1, X + 2 * w, Y1 + 1.4 * w);
    }
    Plot_Box(X - z->rv, Y0, X + z->rv, Y1);
}

/* What the parts of one longitudinal section share. */
typedef struct Long_View {
    const Splice_Input_Record *si;
    const Fastener_Pattern_Rec *fp;
    int kind, type;
    double L, b; /* cm, length of the splice and thickness of the member */
    double s;    /* scale of the plot */
    Section_Sizes z;
    Ptr_Array *C, *V, *H, *V2; /* dimension chains: along, across, overall length, lap */
    int both;                  /* nails or staples driven in pairs from both faces */
    double c;                  /* cm, half the projected back width of a staple */
    int big_multi;             /* large connectors with clamp bolts */
} Long_View;

/* The middle member between its cut lines, with the joint of the halves. */
static void Long_Middle_Member(double a, double b, int kind)
{
    Plot_Member_Colours();
    Plot_Bar(-a, -b / 2, a, b / 2);
    Oli_Graphic_Line(-a, -b / 2, a, -b / 2);
    Oli_Graphic_Line(-a, b / 2, a, b / 2);
    Plot_Black_Lines();
    Plot_Dashed_Line("0.10 0.10", -a, -1.02 * b / 2, -a, 1.02 * b / 2);
    Plot_Dashed_Line("0.10 0.10", a, -1.02 * b / 2, a, 1.02 * b / 2);
    if (kind != CONN_LAP) Oli_Graphic_Line(0.0, -b / 2, 0.0, b / 2);
}

/* Nail or screw (or staple) i of the pattern at X from the faces Y0 and Y1: driven from both
** faces one from each, else a single one from the face of its side (Vbm_Driven_Side: 0 the upper
** face Y1). */
static void Long_Driven(const Long_View *v, int i, double X, double Y0, double Y1, int staple)
{
    const auto one = [&](double Y, int dir) {
        if (staple) Long_Staple(X, Y, dir, v->c, &v->z);
        else Long_Nail(X, Y, dir, &v->z);
    };
    if (v->both) {
        one(Y0, 1);
        one(Y1, -1);
    } else if (Vbm_Driven_Side(i)) {
        one(Y0, 1);
    } else {
        one(Y1, -1);
    }
}

/* Side timbers or outside plates with their dimensions and the fasteners through them; return
** the height of chain C below them. */
static double Long_Outer_Parts(Long_View *v)
{
    const Splice_Input_Record *si = v->si;
    const Fastener_Pattern_Rec *fp = v->fp;
    const int kind = v->kind, type = v->type;
    const double L = v->L, b = v->b, s = v->s;
    const Section_Sizes &z = v->z;
    const double t = kind == CONN_SIDE_TIMBERS ? si->t_s - 0.005 : si->t_p;
    const double xv = -1.05 * L / 2 - 0.3 / s;
    Plot_Chain_Add(v->V, xv, -b / 2 - t);
    Plot_Chain_Add(v->V, xv, -b / 2);
    Plot_Chain_Add(v->V, xv, b / 2);
    Plot_Chain_Add(v->V, xv, b / 2 + t);
    Plot_Chain_Draw(v->V, 3, xv);
    Plot_Chain_Add(v->H, -L / 2, 0.0);
    Plot_Chain_Add(v->H, L / 2, 0.0);
    Plot_Chain_Draw(v->H, 2, -b / 2 - t - 1.5 / s);
    Oli_Graphic_Set_Fill(32);
    if (kind == CONN_OUTER_PLATES) Oli_Graphic_Rgb_51(20, 180, 240);
    else Oli_Graphic_Rgb_51(235, 163, 93);
    Plot_Box(-L / 2, -b / 2 - t, L / 2, -b / 2);
    Plot_Box(-L / 2, b / 2, L / 2, b / 2 + t);

    Plot_Fastener_Colours();
    const double Y0 = -b / 2 - Outer_Part_Thickness(), Y1 = b / 2 + Outer_Part_Thickness();
    for (int i = 0; i < fp->count; i++) {
        if (!Plot_Is_Column_Drawn(i)) continue;
        for (int side = -1; side <= 1; side += 2) {
            const double X = side * fp->recs[i].x;
            if (type == VBM_KLAMMER) Long_Driven(v, i, X, Y0, Y1, 1);
            else if (z.connector || Is_Vbm_Dowel_Or_Bolt(type))
                Long_Through(X, Y0, Y1, b, &z, type, 1);
            else if (Is_Vbm_Nail_Or_Screw(type)) Long_Driven(v, i, X, Y0, Y1, 0);
        }
    }
    if (v->big_multi) {
        Oli_Graphic_Set_Fill(55);
        for (int side = -1; side <= 1; side += 2)
            Plot_Box(side * fp->clamp_x[0] - z.rv, Y0, side * fp->clamp_x[0] + z.rv, Y1);
        Plot_Chain_Add(v->C, fp->clamp_x[1], 0.0);
    }
    Plot_Black_Lines();
    return -b / 2 - Outer_Part_Thickness() - 0.9 / s;
}

/* Are the plates or the timber parts between them too thin at scale s for their labels (a label
** such as 5.47 with its raised decimals takes about 0.5 cm of paper)? Their labels then stand
** outside the marks, in a column between the thickness chain and the overall one. */
static bool Inner_Plates_Crowded(double s)
{
    return std::min(Calc_Timber_Part_Thickness(), Splice_Input.t_p) * s < 0.6;
}

/* Inner plates with their dimensions and the fasteners through the member; return the height of
** chain C below them. */
static double Long_Inner_Plates(Long_View *v)
{
    const Splice_Input_Record *si = v->si;
    const Fastener_Pattern_Rec *fp = v->fp;
    const double L = v->L, b = v->b, s = v->s;
    const double tp = Calc_Timber_Part_Thickness(), t = si->t_p;
    /* the chains as far below the member as in the view, so that a label too long for its
    ** dimension finds room over it */
    Plot_Chain_Add(v->H, -L / 2, 0.0);
    Plot_Chain_Add(v->H, L / 2, 0.0);
    Plot_Chain_Draw(v->H, 2, -b / 2 - 1.5 / s);
    Plot_Fastener_Colours();
    for (int i = 0; i < fp->count; i++) {
        if (!Plot_Is_Column_Drawn(i)) continue;
        for (int side = -1; side <= 1; side += 2)
            Plot_Box(side * fp->recs[i].x - v->z.rv, -b / 2, side * fp->recs[i].x + v->z.rv, b / 2);
    }
    Plot_Black_Lines();
    Oli_Graphic_Set_Fill(55);
    Oli_Graphic_Rgb_51(20, 180, 240); /* steel plates */
    const double xv = -1.05 * L / 2 - 0.3 / s;
    Plot_Chain_Add(v->V, xv, -b / 2);
    Plot_Chain_Add(v->V, xv, b / 2);
    for (int j = 0; j < (int)si->plate_count; j++) {
        const double ya = -b / 2 + (j + 1) * tp + j * t, yb = -b / 2 + (j + 1) * (tp + t);
        Plot_Bar(-L / 2, ya, L / 2, yb);
        Plot_Chain_Add(v->V, xv, ya);
        Plot_Chain_Add(v->V, xv, yb);
    }
    Plot_Chain_Draw(v->V, 3, xv);
    /* where the labels of the plates and the timber between them stand outside their marks, a
    ** column between the two chains takes them, reached by leaders crossing no other chain */
    const double overall = Inner_Plates_Crowded(s) ? 1.5 : 0.9;
    Plot_Dimension_Cm_Vertical(-1.05 * L / 2 - overall / s, -b / 2, b / 2);
    return -b / 2 - 0.9 / s;
}

/* The fasteners of a lap, whose outer surfaces are the member's faces: heads sit there too. */
static void Long_Lap_Fasteners(Long_View *v)
{
    const Fastener_Pattern_Rec *fp = v->fp;
    const int type = v->type;
    const double b = v->b;
    const Section_Sizes &z = v->z;
    const double Y0 = -b / 2, Y1 = b / 2;
    Plot_Fastener_Colours();
    for (int i = 0; i < fp->count; i++) {
        if (!Plot_Is_Column_Drawn(i)) continue;
        const double X = fp->recs[i].x;
        if (z.connector) {
            Oli_Graphic_Set_Fill(50);
            const double c = z.pair ? z.hc : z.hc / 2; /* a pair: one in each half */
            Plot_Bar(X - z.D / 2, -c, X + z.D / 2, c);
            Oli_Graphic_Set_Fill(55);
            const double w = std::max(z.rh, z.rv);
            Plot_Box(X - 2 * w, Y0 - 1.4 * w, X + 2 * w, Y0);
            Plot_Box(X - 2 * w, Y1, X + 2 * w, Y1 + 1.4 * w);
            Plot_Box(X - z.rv, Y0, X + z.rv, Y1);
        } else if (Is_Vbm_Dowel_Or_Bolt(type)) {
            Oli_Graphic_Set_Fill(55);
            Long_Through(X, Y0, Y1, b, &z, type, 1);
        } else if (type == VBM_KLAMMER || Is_Vbm_Nail_Or_Screw(type)) {
            Oli_Graphic_Set_Fill(55);
            Long_Driven(v, i, X, Y0, Y1, type == VBM_KLAMMER);
        }
    }
    if (v->big_multi) {
        Oli_Graphic_Set_Fill(55);
        for (int k = 0; k < 2; k++) {
            Plot_Box(fp->clamp_x[k] - z.rv, Y0, fp->clamp_x[k] + z.rv, Y1);
            Plot_Chain_Add(v->C, fp->clamp_x[k], 0.0);
        }
    }
    Plot_Black_Lines();
}

/* The lap's step with its dimensions and fasteners. */
static void Long_Lap(Long_View *v)
{
    const double L = v->L, b = v->b, s = v->s;
    Oli_Graphic_Line(L / 2, 0.0, L / 2, b / 2);
    Oli_Graphic_Line(-L / 2, 0.0, -L / 2, -b / 2);
    Oli_Graphic_Line(-L / 2, 0.0, L / 2, 0.0);
    Plot_Chain_Add(v->H, -L / 2, 0.0);
    Plot_Chain_Add(v->H, L / 2, 0.0);
    Plot_Chain_Draw(v->H, 2, -b / 2 - 1.5 / s);
    Plot_Chain_Add(v->V, -L / 2 - 1.2 / s, -b / 2);
    Plot_Chain_Add(v->V, -L / 2 - 1.2 / s, b / 2);
    Plot_Chain_Draw(v->V, 3, -L / 2 - 1.2 / s);
    Plot_Chain_Add(v->V2, -L / 2 - 0.6 / s, -b / 2);
    Plot_Chain_Add(v->V2, -L / 2 - 0.6 / s, 0.0);
    Plot_Chain_Add(v->V2, -L / 2 - 0.6 / s, b / 2);
    Plot_Chain_Draw(v->V2, 3, -L / 2 - 0.6 / s);
    Long_Lap_Fasteners(v);
}

void Plot_Laengsschnitt_02(FILE *file)
{
    if (file == nullptr) return;
    Long_View v;
    v.si = &Splice_Input;
    v.fp = &Fastener_Pattern;
    v.kind = v.si->connection_kind;
    v.type = v.si->vbm_type;
    v.L = v.si->L;
    v.b = v.si->b;
    v.z = Sizes();
    const double L = v.L, b = v.b, a = 1.05 * L / 2.0;

    Plot_Frame f;
    double x0, y0, x1, y1;
    v.s = Plot_Scale_Laengsschnitt(&x0, &y0, &x1, &y1, 2, 0, 3, 1);
    if (v.kind == CONN_INNER_PLATES && Inner_Plates_Crowded(v.s))
        v.s = Plot_Scale_Laengsschnitt(&x0, &y0, &x1, &y1, 3, 0, 3, 1); /* room for the column */
    {
        /* the columns drawn, of both halves but in a lap */
        std::vector<double> X;
        for (int i = 0; i < v.fp->count; i++) {
            if (!Plot_Is_Column_Drawn(i)) continue;
            X.push_back(v.fp->recs[i].x);
            if (v.kind != CONN_LAP) X.push_back(-v.fp->recs[i].x);
        }
        Visible_Sizes(&v.z, v.s, Least_Gap(X));
    }
    Plot_Frame_Begin(&f, file, 2, v.s, x0, y0, x1, y1);
    v.C = f.chain[0];
    v.V = f.chain[1];
    v.H = f.chain[2];
    v.V2 = f.chain[3];

    Long_Middle_Member(a, b, v.kind);

    /* chain C: the ends, every fastener and the joint */
    Plot_Chain_Add(v.C, -L / 2, -b / 2);
    Plot_Chain_Add(v.C, L / 2, -b / 2);
    for (int i = 0; i < v.fp->count; i++) Plot_Chain_Add(v.C, v.fp->recs[i].x, v.fp->recs[i].y);
    if (v.kind != CONN_LAP) Plot_Chain_Add(v.C, 0.0, 0.0);

    v.both = Vbm_Driven_From_Both_Sides();
    v.c = std::cos(v.si->staple_angle * M_PI / 180.0) * (v.si->d_k / 10.0) / 2.0;
    v.big_multi = Is_Big_Connector_Multi();
    double chain_c_y = -b / 2 - 0.9 / v.s;

    if (v.kind == CONN_SIDE_TIMBERS || v.kind == CONN_OUTER_PLATES)
        chain_c_y = Long_Outer_Parts(&v);
    else if (v.kind == CONN_INNER_PLATES) chain_c_y = Long_Inner_Plates(&v);
    else if (v.kind == CONN_LAP) Long_Lap(&v);

    Plot_Chain_Draw(v.C, 2, chain_c_y);
    Plot_Frame_End(&f);
}

/* ---------------------------------------------------------------- cross section */

double Plot_Scale_Querschnitt(double *x0, double *y0, double *x1, double *y1, double ml, double mr,
                              double mb, double mt)
{
    const Splice_Input_Record *si = &Splice_Input;
    const int k = si->connection_kind;
    double a = 1.05 * si->b / 2.0;
    if (k == CONN_SIDE_TIMBERS || k == CONN_OUTER_PLATES) a += 1.05 * Outer_Part_Thickness();
    const double h = 1.02 * si->h / 2.0;
    Plot_Window win;
    const double s =
        Plot_Fit_Scale({.x0 = -a, .y0 = -h, .x1 = a, .y1 = h}, si->print.cross_w, si->print.cross_h,
                       {.left = ml, .right = mr, .bottom = mb, .top = mt}, &win);
    Plot_Window_Out(win, x0, y0, x1, y1);
    return s;
}

/* Shank of a nail or screw at height y from the surface X (inward sign dir) with its head. */
static void Cross_Nail(double X, double y, int dir, const Section_Sizes *z)
{
    Plot_Box(X, y - z->rv, X + dir * z->lp, y + z->rv);
    Oli_Fill_Head_Along(X, y, dir * z->rh);
}

/* Connector, bolt or dowel across the section between X0 and X1. */
static void Cross_Through(double X0, double X1, double y, double b, const Section_Sizes *z,
                          int type, int washers, int lap)
{
    Oli_Graphic_Set_Fill(55);
    if (washers) {
        const double w = std::max(z->rh, z->rv);
        Plot_Box(X1, y - 1.5 * w, X1 + 1.2 * w, y + 1.5 * w);
        Plot_Box(X0 - 1.2 * w, y - 1.5 * w, X0, y + 1.5 * w);
    }
    Plot_Box(X0, y - z->rv, X1, y + z->rv);
    if (!z->connector) return;
    Oli_Graphic_Set_Fill(50);
    const double D2 = z->D / 2;
    if (lap) {
        const double c = z->pair ? z->hc : z->hc / 2;
        Plot_Bar(-c, y - D2, c, y + D2);
    } else if (z->pair) {
        Plot_Bar(b / 2 - z->hc, y - D2, b / 2 + z->hc, y + D2);
        Plot_Bar(-b / 2 - z->hc, y - D2, -b / 2 + z->hc, y + D2);
    } else if (z->ring_on_face) {
        Plot_Bar(b / 2 - z->hc / 2, y - D2, b / 2, y + D2);
        Plot_Bar(-b / 2, y - D2, -b / 2 + z->hc / 2, y + D2);
    } else {
        Plot_Bar(b / 2 - z->hc / 2, y - D2, b / 2 + z->hc / 2, y + D2);
        Plot_Bar(-b / 2 - z->hc / 2, y - D2, -b / 2 + z->hc / 2, y + D2);
    }
    Oli_Graphic_Set_Fill(55);
}

void Plot_Querschnitt_03(FILE *file)
{
    if (file == nullptr) return;
    const Splice_Input_Record *si = &Splice_Input;
    const Fastener_Pattern_Rec *fp = &Fastener_Pattern;
    const int kind = si->connection_kind, type = si->vbm_type;
    const double b = si->b, h = si->h;
    Section_Sizes z = Sizes();
    const int m = Rows();

    Plot_Frame f;
    double x0, y0, x1, y1;
    const double s = Plot_Scale_Querschnitt(&x0, &y0, &x1, &y1, 3, 2, 3, 1);
    {
        std::vector<double> Y;
        for (int i = 0; i < fp->count && i < m; i++) Y.push_back(fp->recs[i].y);
        Visible_Sizes(&z, s, Least_Gap(Y));
    }
    Plot_Frame_Begin(&f, file, 3, s, x0, y0, x1, y1);
    Ptr_Array *F = f.chain[0], *V = f.chain[1], *H = f.chain[2];

    /* 1. the middle member */
    Plot_Member_Colours();
    Plot_Box(-b / 2, -h / 2, b / 2, h / 2);
    Plot_Black_Lines();
    {
        double px[4] = {-b / 2, -b / 2, b / 2, b / 2}, py[4] = {-h / 2, h / 2, h / 2, -h / 2};
        Oli_Graphic_Polyline(4, px, py);
    }

    /* 2. penetration case */
    /* nails, screws and staples as the design takes them: in pairs from both faces, or each
    ** from the face of its side (the same as in the view and the longitudinal section) */
    const int both = Vbm_Driven_From_Both_Sides();
    const double A = std::sin(si->staple_angle * M_PI / 180.0) * (si->d_k / 10.0) / 2.0;
    /* half the height of a staple's leg: grown, but the two legs stay apart */
    const double leg = A > 0.0 ? std::max(z.r, std::min(z.rv, 0.4 * A)) : z.rv;
    const int n = fp->count < m ? fp->count : m;
    double xv = -b / 2 - 0.9 / s;

    Plot_Chain_Add(V, 0.0, -h / 2);
    Plot_Chain_Add(V, 0.0, h / 2);
    if (kind == CONN_SIDE_TIMBERS || kind == CONN_OUTER_PLATES) {
        /* 3. side timbers or outside plates */
        const double w = kind == CONN_SIDE_TIMBERS ? si->t_s : si->t_p;
        const double hh = kind == CONN_SIDE_TIMBERS ? si->h_s : si->h_p;
        Plot_Chain_Add(H, -b / 2 - w, 0.0);
        Plot_Chain_Add(H, b / 2 + w, 0.0);
        Plot_Chain_Draw(H, 2, -h / 2 - 1.5 / s);
        Plot_Chain_Add(F, -b / 2 - w, 0.0);
        Plot_Chain_Add(F, -b / 2, 0.0);
        Plot_Chain_Add(F, b / 2, 0.0);
        Plot_Chain_Add(F, b / 2 + w, 0.0);
        Oli_Graphic_Set_Fill(43);
        if (kind == CONN_OUTER_PLATES) Oli_Graphic_Rgb_51(20, 180, 240);
        else Oli_Graphic_Rgb_51(235, 163, 93);
        Plot_Box(-b / 2 - w, -hh / 2, -b / 2, hh / 2);
        Plot_Box(b / 2, -hh / 2, b / 2 + w, hh / 2);
        Plot_Chain_Add(V, 0.0, -hh / 2);
        Plot_Chain_Add(V, 0.0, hh / 2);

        Plot_Fastener_Colours();
        const double X0 = -(b / 2 + Outer_Part_Thickness()), X1 = b / 2 + Outer_Part_Thickness();
        for (int i = 0; i < n; i++) {
            const double y = fp->recs[i].y;
            Plot_Chain_Add(V, 0.0, y);
            if (type == VBM_KLAMMER) {
                if (both || Vbm_Driven_Side(i) == 0) Oli_Fill_Bar_Pair(X1, z.lp, y, A, leg);
                if (both || Vbm_Driven_Side(i) == 1) Oli_Fill_Bar_Pair(X0, -z.lp, y, A, leg);
            } else if (z.connector) {
                Cross_Through(X0, X1, y, b, &z, type, kind == CONN_OUTER_PLATES, 0);
            } else if (Is_Vbm_Dowel_Or_Bolt(type)) {
                Cross_Through(X0, X1, y, b, &z, type, type == VBM_BOLZEN, 0);
            } else if (Is_Vbm_Nail_Or_Screw(type)) {
                if (both || Vbm_Driven_Side(i) == 0) Cross_Nail(X1, y, -1, &z);
                if (both || Vbm_Driven_Side(i) == 1) Cross_Nail(X0, y, 1, &z);
            }
        }
        Plot_Black_Lines();
        xv = -b / 2 - Outer_Part_Thickness() - 0.9 / s;
    } else if (kind == CONN_INNER_PLATES) {
        /* 4. inner plates over the fasteners */
        const double tp = Calc_Timber_Part_Thickness(), t = si->t_p;
        Plot_Chain_Add(H, -b / 2, 0.0);
        Plot_Chain_Add(H, b / 2, 0.0);
        Plot_Chain_Draw(H, 2, -h / 2 - 1.2 / s);
        Plot_Chain_Add(F, -b / 2, 0.0);
        Plot_Chain_Add(F, b / 2, 0.0);
        Plot_Fastener_Colours();
        for (int i = 0; i < n; i++) {
            const double y = fp->recs[i].y;
            Plot_Box(-b / 2, y - z.rv, b / 2, y + z.rv);
            Plot_Chain_Add(V, 0.0, y);
        }
        Plot_Black_Lines();
        Oli_Graphic_Set_Fill(55);
        Oli_Graphic_Rgb_51(20, 180, 240); /* steel plates */
        /* the plates as high as they are, centred in the member */
        const double hp = si->h_p;
        for (int j = 0; j < (int)si->plate_count; j++) {
            const double xa = -b / 2 + (j + 1) * tp + j * t, xb = -b / 2 + (j + 1) * (tp + t);
            Plot_Bar(xa, -hp / 2, xb, hp / 2);
            Plot_Chain_Add(F, xa, 0.0);
            Plot_Chain_Add(F, xb, 0.0);
        }
        if (hp < h) {
            Plot_Chain_Add(V, 0.0, -hp / 2);
            Plot_Chain_Add(V, 0.0, hp / 2);
        }
    } else if (kind == CONN_LAP) {
        /* 5. the lap: the outer surfaces are the member's faces */
        Plot_Chain_Add(H, -b / 2, 0.0);
        Plot_Chain_Add(H, b / 2, 0.0);
        Plot_Chain_Draw(H, 2, -h / 2 - 1.5 / s);
        Oli_Graphic_Rgb_50(235, 163, 93);
        Oli_Graphic_Line(0.0, -h / 2, 0.0, h / 2);
        Plot_Black_Lines();
        Plot_Chain_Add(F, -b / 2, 0.0);
        Plot_Chain_Add(F, 0.0, 0.0);
        Plot_Chain_Add(F, b / 2, 0.0);
        Plot_Fastener_Colours();
        const double X0 = -b / 2, X1 = b / 2;
        for (int i = 0; i < n; i++) {
            const double y = fp->recs[i].y;
            Plot_Chain_Add(V, 0.0, y);
            if (type == VBM_KLAMMER) {
                if (both || Vbm_Driven_Side(i) == 0) Oli_Fill_Bar_Pair(X1, z.lp, y, A, leg);
                if (both || Vbm_Driven_Side(i) == 1) Oli_Fill_Bar_Pair(X0, -z.lp, y, A, leg);
            } else if (z.connector) {
                Cross_Through(X0, X1, y, b, &z, type, 0, 1);
            } else if (Is_Vbm_Dowel_Or_Bolt(type)) {
                Cross_Through(X0, X1, y, b, &z, type, type == VBM_BOLZEN, 1);
            } else if (Is_Vbm_Nail_Or_Screw(type)) {
                if (both || Vbm_Driven_Side(i) == 0) Cross_Nail(X1, y, -1, &z);
                if (both || Vbm_Driven_Side(i) == 1) Cross_Nail(X0, y, 1, &z);
            }
        }
        Plot_Black_Lines();
    }

    /* 6. face chain and vertical chain */
    Plot_Chain_Draw(F, 2, -h / 2 - 0.9 / s);
    Plot_Chain_Draw(V, 3, xv);
    Plot_Frame_End(&f);
}
