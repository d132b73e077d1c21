/*
** Net section values of the members and of one plate at the joint, the test whether the
** block-shear check applies, and the short texts the print sections insert (load types,
** labels and clauses of the lateral and axial capacities). Sections in cm, cm², cm³, cm⁴.
*/
#include "results/splice_calc.h"

#include <cmath>

#include "catalogue/catalogue.h"
#include "foundation/codepage.h"

/* Take the band y1..y2 (cm) of a hole row with the area loss a (cm²) off A and I; a band of
** no width (a hole whose width is unknown) still takes its area, at y1. */
static void Take_Off_Band(double *I, double *A, double y1, double y2, double a)
{
    if (!(y2 >= y1)) return;
    *A -= a;
    /* A band of uniform width: I = a (y1² + y1 y2 + y2²) / 3 about the member axis. */
    *I -= a * (y1 * y1 + y1 * y2 + y2 * y2) / 3.0;
}

static int Catalogue_Row(void)
{
    const Splice_Input_Record *si = &Splice_Input;
    return Is_Vbm_Connector(si->vbm_type) ? si->connector_index : si->vbm_row;
}

/* Rows deducted from a net section: the row count, m / 2 + 1 for a staggered layout. */
static int Deducted_Rows(void)
{
    const Splice_Input_Record *si = &Splice_Input;
    int m = (int)Splice_N_Row(si);
    const int t = si->vbm_type;
    if (t >= VBM_TYPE_FIRST && t <= VBM_TYPE_LAST
        && si->layout[VBM_TYPE_SLOT(t)] == LAYOUT_STAGGERED)
        m = m / 2 + 1;
    if (m > Fastener_Pattern.count) m = Fastener_Pattern.count;
    return m < 0 ? 0 : m;
}

/*
** The hole one fastener leaves in a plate of thickness t_mm: its area (mm²), and its width (mm)
** through w_mm. Every fastener passes a plate in its hole d0 (Get_Plate_Hole, as the layout and
** the bearing check take it), a staple in one for each leg, which the plate's net section loses
** (EN 1993-1-1, 6.2.2.2), however thin the fastener: the timber's rule that leaves thin nails
** driven without pre-drilling out (EN 1995-1-1, 5.2(3)) is no rule for a plate.
*/
static double Plate_Hole_Area(double t_mm, double *w_mm)
{
    const Splice_Input_Record *si = &Splice_Input;
    *w_mm = Get_Plate_Hole(si).d0;
    return (si->vbm_type == VBM_KLAMMER ? 2.0 : 1.0) * *w_mm * t_mm;
}

static void Deduct_Rows(double *I, double *A, double w, double loss)
{
    const int m = Deducted_Rows();
    for (int i = 0; i < m; i++) {
        const double y = Fastener_Pattern.recs[i].y;
        Take_Off_Band(I, A, y - w / 2.0, y + w / 2.0, loss);
    }
}

void Calc_Net_Section_Values(double *A_mid, double *A_side, double *I_mid, double *I_side,
                             double *W_mid, double *W_side)
{
    const Splice_Input_Record *si = &Splice_Input;
    const int type = si->vbm_type;
    const int row = Catalogue_Row();
    double w = (si->d + ((si->fitted_bolt && type != VBM_STABDUEBEL) ? 0.0 : 1.0)) / 10.0;
    double b_mid = si->b, t_side = 0.0, loss_mid = 0.0, loss_side = 0.0, w_side = 0.0;
    bool side = false;
    auto loss = [&](double t_mm) {
        return Calc_Vbm_Net_Section_Loss(type, si->d, row, si->bolt_index, si->predrilled,
                                         si->fitted_bolt, t_mm)
               / 100.0;
    };
    switch (si->connection_kind) {
    case CONN_SIDE_TIMBERS:
        loss_mid = 2.0 * loss(si->b * 10.0 / 2.0);
        t_side = si->t_s;
        loss_side = loss(si->t_s * 10.0);
        w_side = w;
        side = true;
        break;
    case CONN_INNER_PLATES:
        b_mid = si->b - (int)si->plate_count * si->t_p;
        loss_mid = loss(b_mid * 10.0);
        break;
    case CONN_OUTER_PLATES: {
        loss_mid = 2.0 * loss(si->b * 10.0 / 2.0);
        t_side = si->t_p;
        double w_mm = 0.0;
        loss_side = Plate_Hole_Area(si->t_p * 10.0, &w_mm) / 100.0;
        w_side = w_mm / 10.0;
        /* the timber's holes are as wide as the plates' (a shear plate's groove keeps its own) */
        if (type != VBM_SCHEIBENDUEBEL_B1) w = w_mm / 10.0;
        side = true;
        break;
    }
    default:
        b_mid = si->b / 2.0;
        loss_mid = loss(b_mid * 10.0);
        break;
    }
    double Im = si->h * si->h * si->h * b_mid / 12.0, Am = b_mid * si->h;
    double Is = si->h_s * si->h_s * si->h_s * t_side / 12.0, As = t_side * si->h_s;
    Deduct_Rows(&Im, &Am, w, loss_mid);
    if (side) Deduct_Rows(&Is, &As, w_side, loss_side);
    if (A_mid) *A_mid = Am;
    if (I_mid) *I_mid = Im;
    if (W_mid) *W_mid = si->h > 0.0 ? 2.0 * Im / si->h : 0.0;
    if (side) {
        if (A_side) *A_side = As;
        if (I_side) *I_side = Is;
        if (W_side) *W_side = si->h_s > 0.0 ? 2.0 * Is / si->h_s : 0.0;
    }
}

void Calc_Plate_Net_Section_Values(double *A, double *I, double *W)
{
    const Splice_Input_Record *si = &Splice_Input;
    double w_mm = 0.0;
    const double a = Plate_Hole_Area(si->t_p * 10.0, &w_mm);
    double Ip = si->h_p * si->h_p * si->h_p * si->t_p / 12.0, Ap = si->t_p * si->h_p;
    Deduct_Rows(&Ip, &Ap, w_mm / 10.0, a / 100.0);
    if (A) *A = Ap;
    if (I) *I = Ip;
    if (W) *W = si->h_p > 0.0 ? 2.0 * Ip / si->h_p : 0.0;
}

int Is_Block_Shear_Check_On(void)
{
    const Splice_Input_Record *si = &Splice_Input;
    if (si->calc_method != 1) return 0;
    if (si->connection_kind != CONN_INNER_PLATES && si->connection_kind != CONN_OUTER_PLATES)
        return 0;
    return (int)Splice_N_Row(si) >= 2 ? 1 : 0;
}

/* ---------------------------------------------------------------- texts */

const char *Get_Load_Type_Name(int i)
{
    static const char *const names[7] = {
        "Eigengewicht", "ständige Lasten"_cp850, "Nutzlasten", "Schnee", "Wind",
        "Erdbeben",     "Schnee NN>1000m"};
    return (i >= 0 && i < 7) ? names[i] : "";
}

const char *Get_Fv_Rk_Label(void) { return Nad_Params != nullptr ? "F\xCE\\v,R" : "R\xCE\\"; }

const char *Get_Fax_Rk_Label(void) { return Nad_Params != nullptr ? "F\xCE\\ax,R" : "R\xCE\\ax,"; }

const char *Get_Fv_Rk_Standard_Ref(void)
{
    if (Nad_Params == nullptr) return "DIN 1052, Anhang G.2";
    const int k = Splice_Input.connection_kind;
    return (k == CONN_INNER_PLATES || k == CONN_OUTER_PLATES) ? "DIN EN 1995-1-1, 8.2.3"
                                                              : "DIN EN 1995-1-1, 8.2.2";
}
