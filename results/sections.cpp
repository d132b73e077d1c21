/*
** Net section values of the members and of one plate at the joint, the test whether the
** block-shear check applies, and the short texts the print sections insert (load types,
** labels and clauses of the lateral and axial capacities). Sections in cm, cm², cm³, cm⁴.
*/
#include "results/splice_calc.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "catalogue/catalogue.h"
#include "foundation/codepage.h"
#include "foundation/format.h"

/* Take the band y1..y2 (cm) of a hole row with the area loss a (cm²) off A and I; a band of
** no width (a hole whose width is unknown) still takes its area, at y1. */
static void Take_Off_Band(double *I, double *A, double y1, double y2, double a)
{
    if (!(y2 >= y1)) return;
    *A -= a;
    /* A band of uniform width: I = a (y1² + y1 y2 + y2²) / 3 about the member axis. */
    *I -= a * (y1 * y1 + y1 * y2 + y2 * y2) / 3.0;
}


static bool Layout_Staggered(void)
{
    const Splice_Input_Record *si = &Splice_Input;
    const int t = si->vbm_type;
    return t >= VBM_TYPE_FIRST && t <= VBM_TYPE_LAST
           && si->layout[VBM_TYPE_SLOT(t)] == LAYOUT_STAGGERED;
}

/* x (cm) as the print states it, two decimals: the holes that share a section are decided on
** the distances the page shows, so that it never states "3.00 > 3.00". */
static double Printed_Cm(double x)
{
    char text[64];
    Format_N(text, sizeof text, "%.2lf", x);
    return strtod(text, nullptr);
}

int Calc_Timber_Section_Holes(Timber_Section_Holes *h)
{
    *h = Timber_Section_Holes{};
    const Fastener_Pattern_Rec *fp = &Fastener_Pattern;
    const int n = fp->count;
    int m = (int)Splice_N_Row(&Splice_Input);
    if (m > n) m = n;
    if (m < 0) m = 0;
    if (!Layout_Staggered() || m <= 0) {
        /* the rows of the first column, which the pattern holds first */
        h->count = m;
        for (int i = 0; i < m && i < TIMBER_SECTION_HOLES_MAX; i++) h->index[i] = i;
        return 0;
    }
    /* the section through a column takes every hole within half the least spacing a1 along the
    ** grain, one hole of each row (EN 1995-1-1, 5.2(4)): the column with the most of them. Which
    ** holes share a section is a matter of geometry: a1 is taken at alpha = 0, the largest of
    ** every fastener's table (Tables 8.2 to 8.5, 8.7 to 8.9 grow with |cos alpha|), whatever
    ** angle the actions turn the forces to. */
    double v[6];
    Calc_Least_Spacings(0.0, fp->min_alpha_2, v, nullptr);
    h->half_a1 = v[0] / 2.0;
    const double tol = 1e-6; /* cm, the layout's tolerance */
    const double half_a1 = Printed_Cm(h->half_a1);
    std::vector<int> best, take;
    for (int c = 0; c < n; c++) {
        const double xs = fp->recs[c].x;
        take.clear();
        for (int i = 0; i < n; i++) {
            if (Printed_Cm(std::fabs(fp->recs[i].x - xs)) > half_a1) continue;
            bool row_taken = false;
            for (int k : take)
                row_taken = row_taken || std::fabs(fp->recs[k].y - fp->recs[i].y) < tol;
            if (!row_taken) take.push_back(i);
        }
        if (take.size() > best.size()) {
            best = take;
            h->column = c;
        }
    }
    h->count = (int32_t)std::min(best.size(), (size_t)TIMBER_SECTION_HOLES_MAX);
    for (int i = 0; i < h->count; i++) h->index[i] = best[(size_t)i];
    /* the holes of the section's own column and the nearest of the others along the grain */
    const double xs = fp->recs[h->column].x;
    h->own = 0;
    h->next_distance = -1.0;
    for (int i = 0; i < n; i++) {
        const double dx = std::fabs(fp->recs[i].x - xs);
        if (dx < tol) {
            h->own++;
        } else if (h->next_distance < 0.0 || dx < h->next_distance) {
            h->next_distance = dx;
        }
    }
    h->staggered = 1;
    return 1;
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
    Timber_Section_Holes h;
    Calc_Timber_Section_Holes(&h);
    for (int i = 0; i < h.count; i++) {
        const double y = Fastener_Pattern.recs[h.index[i]].y;
        Take_Off_Band(I, A, y - w / 2.0, y + w / 2.0, loss);
    }
}

int Timber_Net_Section_Has_Holes(void)
{
    const Splice_Input_Record *si = &Splice_Input;
    /* thin nails and screws driven without pre-drilling leave none (Calc_Vbm_Net_Section_Loss) */
    return Calc_Vbm_Net_Section_Loss(Fitted_Vbm_Type(), si->d, Fitted_Vbm_Row(), si->bolt_index,
                                     si->predrilled, si->fitted_bolt, 10.0)
                   > 0.0
               ? 1
               : 0;
}

/* What a member of t_mm loses at one bolt of the current connector where `faces` of its faces hold
** one: each face what Calc_Vbm_Net_Section_Loss gives for its share of t. 0 (r cleared) without a
** face. */
static int Fill_Connector_Loss(int faces, double t_mm, Connector_Section_Loss *r)
{
    const Splice_Input_Record *si = &Splice_Input;
    *r = Connector_Section_Loss{};
    if (faces <= 0) return 0;
    /* the connector fitted, a C1 or C10 beside steel as its single-sided counterpart */
    const int type = Fitted_Vbm_Type(), row = Fitted_Vbm_Row();
    r->faces = faces;
    r->t = t_mm;
    r->he = Get_Connector_Value(type, row, "he");
    r->dc = Get_Connector_Value(type, row, "dc");
    r->dL = Connector_Bolt_Hole(si->bolt_index, si->fitted_bolt);
    r->dA = r->faces
            * Calc_Vbm_Net_Section_Loss(type, si->d, row, si->bolt_index, si->predrilled,
                                        si->fitted_bolt, r->t / r->faces);
    return 1;
}

int Calc_Connector_Section_Loss(int side, Connector_Section_Loss *r)
{
    const Splice_Input_Record *si = &Splice_Input;
    *r = Connector_Section_Loss{};
    if (!Is_Vbm_Connector(si->vbm_type)) return 0;
    /* a connector at each bolt in every face that meets another member: the side timber's inner
    ** face, both faces of the middle member, every face of the timber parts against an inner
    ** plate, the one face of a lap half */
    switch (si->connection_kind) {
    case CONN_SIDE_TIMBERS:
        return Fill_Connector_Loss(side ? 1 : 2, (side ? si->t_s : si->b) * 10.0, r);
    case CONN_OUTER_PLATES: return side ? 0 : Fill_Connector_Loss(2, si->b * 10.0, r);
    case CONN_INNER_PLATES:
        return side ? 0
                    : Fill_Connector_Loss(2 * (int32_t)si->plate_count,
                                          (si->b - (int)si->plate_count * si->t_p) * 10.0, r);
    default: return side ? 0 : Fill_Connector_Loss(1, si->b / 2.0 * 10.0, r);
    }
}

int Lamellas_Between_Plates(void)
{
    const Splice_Input_Record *si = &Splice_Input;
    return si->connection_kind == CONN_INNER_PLATES && (int)si->plate_count >= 2 ? 1 : 0;
}

int Calc_Lamella_Connector_Loss(int inner, Connector_Section_Loss *r)
{
    *r = Connector_Section_Loss{};
    if (!Is_Vbm_Connector(Splice_Input.vbm_type) || !Lamellas_Between_Plates()) return 0;
    /* the lamella between two plates holds a connector in both faces, one beside a single plate
    ** in the face towards it */
    return Fill_Connector_Loss(inner ? 2 : 1, Calc_Timber_Part_Thickness() * 10.0, r);
}

/* Width (cm) of the band a hole row takes off the timber's I: the fastener's d, with the
** clearance of a bolt that is not fitted (and of a dowel's hole, as the sections take it). A
** connector's whole loss lies within its diameter d_c across the height: its recess of h_e d_c
** there, its bolt's hole of d_L inside it (EN 1995-1-1, 5.2(3)); the loss is spread over d_c,
** the bolt's part too, which gives a slightly smaller I than its own d_L would, on the safe side. */
static double Timber_Band_Width(void)
{
    const Splice_Input_Record *si = &Splice_Input;
    if (Is_Vbm_Connector(si->vbm_type)) return Fitted_Connector_Value("dc") / 10.0;
    return (si->d + ((si->fitted_bolt && si->vbm_type != VBM_STABDUEBEL) ? 0.0 : 1.0)) / 10.0;
}

int Calc_Lamella_Net_Section_Values(int inner, double *A, double *I, double *W)
{
    const Splice_Input_Record *si = &Splice_Input;
    if (!Lamellas_Between_Plates()) return 0;
    const double t = Calc_Timber_Part_Thickness(); /* cm */
    double loss =
        Calc_Vbm_Net_Section_Loss(Fitted_Vbm_Type(), si->d, Fitted_Vbm_Row(), si->bolt_index,
                                  si->predrilled, si->fitted_bolt, t * 10.0)
        / 100.0;
    /* a connector takes out of each lamella what lies in it, by the faces it holds */
    Connector_Section_Loss c;
    if (Calc_Lamella_Connector_Loss(inner, &c)) loss = c.dA / 100.0;
    double Il = si->h * si->h * si->h * t / 12.0, Al = t * si->h;
    Deduct_Rows(&Il, &Al, Timber_Band_Width(), loss);
    if (A) *A = Al;
    if (I) *I = Il;
    if (W) *W = si->h > 0.0 ? 2.0 * Il / si->h : 0.0;
    return 1;
}

void Calc_Net_Section_Values(double *A_mid, double *A_side, double *I_mid, double *I_side,
                             double *W_mid, double *W_side)
{
    const Splice_Input_Record *si = &Splice_Input;
    const int type = Fitted_Vbm_Type();
    const int row = Fitted_Vbm_Row();
    double w = Timber_Band_Width();
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
        /* the timber's holes are as wide as the plates' (a connector's recess keeps its own) */
        if (!Is_Vbm_Connector(type)) w = w_mm / 10.0;
        side = true;
        break;
    }
    default:
        b_mid = si->b / 2.0;
        loss_mid = loss(b_mid * 10.0);
        break;
    }
    /* a connector's members lose what lies in them, a connector in every face that holds one */
    Connector_Section_Loss c;
    if (Calc_Connector_Section_Loss(0, &c)) loss_mid = c.dA / 100.0;
    if (side && Calc_Connector_Section_Loss(1, &c)) loss_side = c.dA / 100.0;
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

/* ---------------------------------------------------------------- staggered holes in plates */

static bool Plates_Staggered(void)
{
    const Splice_Input_Record *si = &Splice_Input;
    const int t = si->vbm_type;
    return t >= VBM_TYPE_FIRST && t <= VBM_TYPE_LAST
           && si->layout[VBM_TYPE_SLOT(t)] == LAYOUT_STAGGERED && Splice_N_Row(si) >= 2.0;
}

/* The holes of the first two columns (one in each row) in the order of the rows: indices into
** the pattern. */
static std::vector<int> Staggered_Holes(void)
{
    int n = (int)Splice_N_Row(&Splice_Input);
    if (n > Fastener_Pattern.count) n = Fastener_Pattern.count;
    std::vector<int> k;
    for (int i = 0; i < n; i++) k.push_back(i);
    std::stable_sort(k.begin(), k.end(), [](int a, int b) {
        return Fastener_Pattern.recs[a].y < Fastener_Pattern.recs[b].y;
    });
    return k;
}

/* The best line over the holes h (EN 1993-1-1, 6.2.2.2(4)): the largest loss w (n - sum s² /
** (4 p w)) in widths w of a hole, of lines with a diagonal (diag) or without; the holes of the
** line to *path. */
static Plate_Net_Line Best_Line(const std::vector<int> &h, double w, bool diag,
                                std::vector<int> *path)
{
    const Fastener_Rec *r = Fastener_Pattern.recs;
    const size_t n = h.size();
    /* state of a line ending in hole j: [0] without a diagonal yet, [1] with one */
    std::vector<double> loss[2] = {std::vector<double>(n, -1.0), std::vector<double>(n, -1.0)};
    std::vector<int> from[2] = {std::vector<int>(n, -1), std::vector<int>(n, -1)};
    for (size_t j = 0; j < n; j++) {
        loss[0][j] = w;
        for (size_t i = 0; i < j; i++) {
            const double p = r[h[j]].y - r[h[i]].y, s = std::fabs(r[h[j]].x - r[h[i]].x);
            if (!(p > 1e-9)) continue;
            const bool is_diag = s > 1e-9;
            const double step = w - s * s / (4.0 * p);
            for (int a = 0; a < 2; a++) {
                if (loss[a][i] < 0.0) continue;
                const int b = (a == 1 || is_diag) ? 1 : 0;
                if (loss[a][i] + step > loss[b][j]) {
                    loss[b][j] = loss[a][i] + step;
                    from[b][j] = (int)(a * n + i);
                }
            }
        }
    }
    const int state = diag ? 1 : 0;
    int end = -1;
    for (size_t j = 0; j < n; j++)
        if (loss[state][j] >= 0.0 && (end < 0 || loss[state][j] > loss[state][(size_t)end] + 1e-12))
            end = (int)j;
    Plate_Net_Line line{};
    path->clear();
    if (end < 0) return line;
    for (int at = state * (int)n + end; at >= 0;) {
        const int a = at / (int)n, j = at % (int)n;
        path->insert(path->begin(), h[(size_t)j]);
        at = from[a][(size_t)j];
    }
    line.holes = (int32_t)path->size();
    bool alike = true;
    for (size_t i = 1; i < path->size(); i++) {
        const Fastener_Rec &u = r[(*path)[i - 1]], &v = r[(*path)[i]];
        const double s = std::fabs(v.x - u.x), p = v.y - u.y;
        if (!(s > 1e-9)) continue;
        line.gain += s * s / (4.0 * p);
        if (line.diagonals > 0 && (std::fabs(s - line.s) > 1e-9 || std::fabs(p - line.p) > 1e-9))
            alike = false;
        line.diagonals++;
        line.s = s;
        line.p = p;
    }
    if (!alike) line.s = line.p = 0.0;
    return line;
}

int Calc_Plate_Net_Lines(Plate_Net_Line *straight, Plate_Net_Line *zigzag,
                         Plate_Net_Line *governing, double *gross, double *hole_width)
{
    if (!Plates_Staggered()) return 0;
    const Splice_Input_Record *si = &Splice_Input;
    double w_mm = 0.0;
    const double a = Plate_Hole_Area(si->t_p * 10.0, &w_mm) / 100.0; /* cm² */
    const double t = si->t_p, w = t > 0.0 ? a / t : 0.0;             /* cm, legs times d0 */
    const std::vector<int> h = Staggered_Holes();
    std::vector<int> path;
    Plate_Net_Line l[2];
    for (int k = 0; k < 2; k++) {
        l[k] = Best_Line(h, w, k == 1, &path);
        l[k].A_n = t * (si->h_p - l[k].holes * w + l[k].gain);
    }
    if (straight) *straight = l[0];
    if (zigzag) *zigzag = l[1];
    if (governing) *governing = (l[1].holes > 0 && l[1].A_n < l[0].A_n) ? l[1] : l[0];
    if (gross) *gross = si->h_p;
    if (hole_width) *hole_width = w;
    return 1;
}

void Calc_Plate_Net_Section_Values(double *A, double *I, double *W)
{
    const Splice_Input_Record *si = &Splice_Input;
    double w_mm = 0.0;
    const double a = Plate_Hole_Area(si->t_p * 10.0, &w_mm);
    double Ip = si->h_p * si->h_p * si->h_p * si->t_p / 12.0, Ap = si->t_p * si->h_p;
    if (Plates_Staggered() && si->t_p > 0.0) {
        /* EN 1993-1-1, 6.2.2.2(4): the line of least net area; I loses the holes of that line */
        Plate_Net_Line line{};
        Calc_Plate_Net_Lines(nullptr, nullptr, &line, nullptr, nullptr);
        const double w = a / 100.0 / si->t_p;
        std::vector<int> path;
        Best_Line(Staggered_Holes(), w, line.diagonals > 0, &path);
        for (int i : path) {
            const double y = Fastener_Pattern.recs[i].y;
            Take_Off_Band(&Ip, &Ap, y - w_mm / 20.0, y + w_mm / 20.0, a / 100.0);
        }
        Ap = line.A_n;
    } else {
        Deduct_Rows(&Ip, &Ap, w_mm / 10.0, a / 100.0);
    }
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
