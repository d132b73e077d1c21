/*
** The common frame of the splice drawings and the view: scale fit over the standard scales,
** plot file "%s0N.SPF", caption and graphic block, raw line-width and dash records, colours,
** dimension chains; the view (Plot_Ansicht_01) with its fastener symbols.
** Coordinates in model cm, scale in paper cm per model cm.
*/
#include "results/print_list.h"
#include "results/plot_internal.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "catalogue/catalogue.h"
#include "design/design.h"
#include "foundation/foundation.h"
#include "platform/runtime.h"
#include "platform/zelkgrft.h"
#include "printlist/printlist.h"

const double Plot_Scale_Denominators[PLOT_SCALE_COUNT] = {
    1,  2,   5,   10,  15,  20,  25,  30,  40,  50,   60,   70,   75,   80,
    90, 100, 125, 150, 175, 200, 250, 500, 750, 1000, 2000, 2500, 5000, 10000};

/* ---------------------------------------------------------------- scale */

/* The base window widened by the margins at scale s. */
static Plot_Window Widen(const Plot_Window &base, double s, const Plot_Margins &m)
{
    Plot_Window win;
    win.x0 = base.x0 - m.left * 0.6 / s;
    win.x1 = base.x1 + m.right * 0.6 / s;
    win.y0 = base.y0 - m.bottom * 0.6 / s;
    win.y1 = base.y1 + m.top * 0.6 / s;
    return win;
}

/*
** Fit the scale: iterate s = min(W / width, H / height) of the window widened by the margins,
** then take the first standard denominator k with 1/k <= s (10000 when none fits).
*/
double Plot_Fit_Scale(const Plot_Window &base, double w, double h, const Plot_Margins &margins,
                      Plot_Window *widened)
{
    double s = 1.0, prev = 0.1;
    for (int round = 0; std::fabs(s / prev - 1.0) > 0.0001 && round < 999; round++) {
        prev = s;
        const Plot_Window win = Widen(base, s, margins);
        double sx = w / (win.x1 - win.x0), sy = h / (win.y1 - win.y0);
        s = sx < sy ? sx : sy;
        if (!(s > 0.0)) break;
    }
    double k = 10000.0;
    for (int i = 0; i < PLOT_SCALE_COUNT; i++) {
        if (1.0 / Plot_Scale_Denominators[i] <= s) {
            k = Plot_Scale_Denominators[i];
            break;
        }
    }
    s = 1.0 / k;
    if (widened != nullptr) *widened = Widen(base, s, margins);
    return s;
}

double Plot_Scale_Ansicht(double *x0, double *y0, double *x1, double *y1, double ml, double mr,
                          double mb, double mt)
{
    const Splice_Input_Record *si = &Splice_Input;
    const double a = 1.05 * si->L / 2.0, b = 1.02 * si->h / 2.0;
    Plot_Window win;
    const double s =
        Plot_Fit_Scale({.x0 = -a, .y0 = -b, .x1 = a, .y1 = b}, si->print.view_w, si->print.view_h,
                       {.left = ml, .right = mr, .bottom = mb, .top = mt}, &win);
    Plot_Window_Out(win, x0, y0, x1, y1);
    return s;
}

/* ---------------------------------------------------------------- frame */

static const char *const Plot_Titles[3] = {"Ansicht M 1:%2.0lf", "Schnitt längs M 1:%2.0lf"_cp850,
                                           "Schnitt quer II M 1:%2.0lf"};
static const char *const Plot_Captions[3] = {
    "\xCE"
    "bAnsicht Maßstab 1:%.0lf\xCEr, Längeneinheit in [cm]"_cp850,
    "\xCE"
    "bSchnitt längs Maßstab 1:%.0lf\xCEr, Längeneinheit in [cm]"_cp850,
    "\xCE"
    "bSchnitt quer Maßstab 1:%.0lf\xCEr, Längeneinheit in [cm]"_cp850};

void Plot_Frame_Begin(Plot_Frame *f, FILE *oli, int number, double s, double x0, double y0,
                      double x1, double y1)
{
    memset(f, 0, sizeof *f);
    f->oli = oli;
    f->s = s;
    f->x0 = x0;
    f->y0 = y0;
    f->x1 = x1;
    f->y1 = y1;
    for (int k = 0; k < 4; k++) {
        f->chain[k] = Ptr_Array_New(10);
        Check_Alloc_Or_Exit(f->chain[k]);
    }
    char name[BAUTEILKENNUNG_MAX + 16];
    snprintf(name, sizeof name, "%s%02d.SPF", Bauteilkennung, number);
    f->safe = Rt_Safe_Open(name);
    if (f->safe == nullptr) {
        const int err = errno;
        Print_Note_Failure(Rt_Safe_Open_Failed_Path(name, err), err);
    }
    f->plot = Rt_Safe_Stream(f->safe);
    const char *title = Plot_Titles[number - 1];
    const char *caption = Plot_Captions[number - 1];
    if (f->plot != nullptr) {
        Plot_Begin(f->plot, x0, y1, x1, y0, s, 0.0, title, 1.0 / s);
        Plot_Set_Font(2);
        Plot_Set_Linetype(0);
        Plot_Set_Pen(1);
        Plot_Set_Filling(5);
        Plot_Set_Layer(0);
    }
    OLI_reserveSpaceCM(oli, 1.0 + (y1 - y0) * s);
    /* where single-sided toothed plates go in back-to-back pairs the caption says so */
    char head[160];
    snprintf(head, sizeof head, caption, 1.0 / s);
    const char *pairs = Splice_Vbm_Pair_Text();
    Oli_Write_Text(oli, "%s%s%s", head, pairs[0] ? "; " : "", pairs);
    Oli_Graphic_Begin(oli, x0, y0, x1, y1, s, 0.0, nullptr);
    /* the labels of the chains find their places when the whole drawing is known */
    Oli_Graphic_Fit_Begin(x0, y0, x1, y1);
    Plot_Line_Width(0.04);
    /* the dots of the drawings' dimensions must not reach the sketches of the next print */
    f->dimension_flags = Oli_Graphic.dimension_flags;
    Oli_Set_Dimension_Flags(8);
}

void Plot_Frame_End(Plot_Frame *f)
{
    Oli_Graphic_Fit_End();
    File_Printf(Oli_Graphic.file, " -1\n");
    if (f->plot != nullptr) Plot_Finish();
    f->plot = nullptr;
    Print_Add_File(f->safe);
    f->safe = nullptr;
    Oli_Set_Dimension_Flags(f->dimension_flags);
    for (int k = 0; k < 4; k++) {
        if (f->chain[k] == nullptr) continue;
        for (int i = 0; i < Ptr_Array_Count(f->chain[k]); i++) free(Ptr_Array_Get(f->chain[k], i));
        Ptr_Array_Delete(f->chain[k]);
        f->chain[k] = nullptr;
    }
}

/* ---------------------------------------------------------------- records and helpers */

void Plot_Line_Width(double w) { File_Printf(Oli_Graphic.file, " 6 %lf\n", w); }

void Plot_Dash(const char *pattern)
{
    File_Printf(Oli_Graphic.file, " 38 %d %s %d\n", 2, pattern, 0);
}

void Plot_Dashed_Line(const char *pattern, double x1, double y1, double x2, double y2)
{
    Oli_Graphic_Push();
    Plot_Line_Width(0.03);
    Plot_Dash(pattern);
    Oli_Graphic_Line(x1, y1, x2, y2);
    Oli_Graphic_Pop();
}

void Plot_Member_Colours(void)
{
    Oli_Graphic_Set_Fill(43);
    Oli_Graphic_Rgb_51(248, 195, 62);
    Oli_Graphic_Rgb_50(150, 112, 65);
}

void Plot_Black_Lines(void) { Oli_Graphic_Rgb_50(0, 0, 0); }

void Plot_Bar(double x0, double y0, double x1, double y1)
{
    double x[4] = {x0, x0, x1, x1}, y[4] = {y0, y1, y1, y0};
    Oli_Graphic_Filled_Polygon(4, x, y);
}

void Plot_Box(double x0, double y0, double x1, double y1)
{
    double x[4] = {x0, x0, x1, x1}, y[4] = {y0, y1, y1, y0};
    Oli_Graphic_Filled_Polygon(4, x, y);
    Oli_Graphic_Polyline(4, x, y);
}

void Plot_Chain_Add(Ptr_Array *list, double x, double y) { Dim_Chain_Add_Point(list, x, y); }

/* Draw a chain in black (mode 2 horizontal at y, 3 vertical at x) and release its points: whole
** centimetres with the millimetres raised; the labels go where they can be read. */
void Plot_Chain_Draw(Ptr_Array *list, int mode, double position)
{
    Plot_Black_Lines();
    Oli_Graphic_Dimension_Chain_Fitted(list, mode, position, 0.1, OLI_FIT_MM);
    /* a chain of fewer than two points draws nothing and keeps them */
    for (int i = 0; i < Ptr_Array_Count(list); i++) free(Ptr_Array_Get(list, i));
    Ptr_Array_Clear(list);
}

/* One vertical dimension at x from y0 to y1 in whole centimetres (a raised 5 for halves). */
void Plot_Dimension_Cm_Vertical(double x, double y0, double y1)
{
    Plot_Black_Lines();
    Ptr_Array *list = Ptr_Array_New(2);
    Check_Alloc_Or_Exit(list);
    Plot_Chain_Add(list, x, y0);
    Plot_Chain_Add(list, x, y1);
    Oli_Graphic_Dimension_Chain_Fitted(list, 3, x, 0.1, OLI_FIT_CM);
    for (int i = 0; i < Ptr_Array_Count(list); i++) free(Ptr_Array_Get(list, i));
    Ptr_Array_Delete(list);
}

static int Rows_Of_Type(void)
{
    int m = (int)Splice_N_Row(&Splice_Input);
    return m < 1 ? 1 : m;
}

static int Layout_Of_Type(void)
{
    const int t = Splice_Input.vbm_type;
    if (t < VBM_TYPE_FIRST || t > VBM_TYPE_LAST) return LAYOUT_REGULAR;
    return Splice_Input.layout[VBM_TYPE_SLOT(t)];
}

int Plot_Is_Column_Drawn(int i)
{
    const int m = Rows_Of_Type();
    if (i % m == 0) return 1;
    return Layout_Of_Type() == LAYOUT_STAGGERED && i % m == m - 1;
}

/* ---------------------------------------------------------------- fasteners on paper */

void Plot_Fastener_Colours(void)
{
    Oli_Graphic_Set_Fill(55);
    Oli_Graphic_Rgb_51(170, 0, 0);
    Oli_Graphic_Rgb_50(110, 0, 0);
}

double Plot_Visible_Size(double size, double s, double least, double room)
{
    double d = s > 0.0 ? std::max(size, least / s) : size;
    if (room > 0.0) d = std::min(d, PLOT_ROOM_SHARE * room);
    return std::max(d, size);
}

double Plot_Least_Distance(const double *x, const double *y, int n)
{
    if (n < 2) return 0.0;
    std::vector<int> order((size_t)n);
    for (int i = 0; i < n; i++) order[(size_t)i] = i;
    std::sort(order.begin(), order.end(), [&](int a, int b) { return x[a] < x[b]; });
    double best = HUGE_VAL;
    for (size_t i = 0; i < order.size(); i++)
        for (size_t j = i + 1; j < order.size(); j++) {
            const double dx = x[order[j]] - x[order[i]];
            if (dx >= best) break; /* sorted by x: every further point is farther */
            best = std::min(best, std::hypot(dx, y[order[j]] - y[order[i]]));
        }
    return best;
}

/* ---------------------------------------------------------------- fastener symbols */

/* Least distance (model cm) between two fasteners of the view being drawn; 0 outside a view. */
static double Symbol_Room = 0.0;

static void Cross(double x, double y, double half)
{
    Oli_Graphic_Line(x - half, y, x + half, y);
    Oli_Graphic_Line(x, y - half, x, y + half);
}

/* The size a symbol part of the real size `size` (cm) is drawn with in the current block. */
static double Symbol_Size(double size)
{
    return Plot_Visible_Size(size, Oli_Graphic.sx, PLOT_LEAST_SYMBOL, Symbol_Room);
}

/*
** One fastener of the view at (x, y), in the fastener colours (the caller sets them). The
** symbol of the standard's drawings, grown to a size that can be seen: a staple's back, a
** connector's ring with its sectors, a dowel or bolt as a disc with a cross, a nail or screw by
** its head, filled when driven from this side and a ring when driven from the other.
*/
void Oli_Draw_Vbm_Symbol(double x, double y, int both_sides, int i)
{
    const Splice_Input_Record *si = &Splice_Input;
    const int t = si->vbm_type;
    const double r = si->d / 20.0;
    /* the side of a fastener driven alternately: its own, whatever was drawn before */
    const int far = Vbm_Driven_Side(i);

    if (t == VBM_KLAMMER) {
        const double br = Symbol_Size(si->d_k / 10.0), a = si->staple_angle * M_PI / 180.0;
        const double dx = std::cos(a) * br / 2.0, dy = std::sin(a) * br / 2.0;
        if (both_sides || far) {
            Plot_Line_Width(PLOT_STAPLE_LINE);
            Oli_Graphic_Line(x - dx, y - dy, x + dx, y + dy);
        } else {
            Plot_Line_Width(PLOT_STAPLE_LINE_THIN);
            Oli_Graphic_Line(x - dx, y - dy, x + dx, y + dy);
        }
        Plot_Line_Width(0.02);
        return;
    }
    if (Is_Vbm_Connector(t) && t != VBM_SCHEIBENDUEBEL_C5) {
        const double D = si->d / 10.0, Dd = Symbol_Size(D);
        if (D <= 5.5) {
            Oli_Graphic_Filled_Sector(x, y, Dd, 0.0, 90.0);
        } else if (D <= 7.0) {
            Oli_Graphic_Filled_Sector(x, y, Dd, -90.0, -180.0);
        } else if (D <= 8.5) {
            Oli_Graphic_Filled_Sector(x, y, Dd, 0.0, 90.0);
            Oli_Graphic_Filled_Sector(x, y, Dd, -180.0, 90.0);
        } else if (D <= 10.0) {
            Oli_Graphic_Filled_Sector(x, y, Dd, -180.0, 90.0);
            Oli_Graphic_Filled_Sector(x, y, Dd, -90.0, -180.0);
        }
        Oli_Graphic_Arc(x, y, Dd, 0.0, 360.0);
        Cross(x, y, 1.15 * Dd / 2.0);
        return;
    }
    if (t == VBM_SCHEIBENDUEBEL_C5) {
        const double rd = Symbol_Size(2.0 * r) / 2.0;
        double px[4] = {x - rd, x - rd, x + rd, x + rd}, py[4] = {y - rd, y + rd, y + rd, y - rd};
        Oli_Graphic_Polyline(4, px, py);
        Cross(x, y, 1.15 * rd);
        return;
    }
    if (Is_Vbm_Dowel_Or_Bolt(t)) {
        const double D = Symbol_Size(2.0 * r);
        Oli_Graphic_Disc(x, y, D);
        Oli_Graphic_Arc(x, y, D, 0.0, 360.0);
        Cross(x, y, D / 2.0);
        return;
    }
    if (Is_Vbm_Nail_Or_Screw(t)) {
        const double dk = Symbol_Size(si->d_k / 10.0);
        Cross(x, y, r);
        /* a head on the near side is a disc, one on the far side a ring */
        if (both_sides || !far) Oli_Graphic_Disc(x, y, dk);
        else Oli_Graphic_Annulus(x, y, dk, dk / 2.0);
        Oli_Graphic_Arc(x, y, dk, 0.0, 360.0);
    }
}

/* ---------------------------------------------------------------- the view */

void Plot_Ansicht_01(FILE *file)
{
    if (file == nullptr) return;
    const Splice_Input_Record *si = &Splice_Input;
    const Fastener_Pattern_Rec *fp = &Fastener_Pattern;
    const int kind = si->connection_kind;
    const double L = si->L, h = si->h, a = 1.05 * L / 2.0;
    /* the height of the parts beside or inside the member: the plates', or the side timbers' */
    const double hs = kind == CONN_OUTER_PLATES || kind == CONN_INNER_PLATES ? si->h_p : si->h_s;

    Plot_Frame f;
    double x0, y0, x1, y1;
    const double s = Plot_Scale_Ansicht(&x0, &y0, &x1, &y1, 2, 0, 3, 1);
    Plot_Frame_Begin(&f, file, 1, s, x0, y0, x1, y1);

    /* 1. the member */
    Plot_Member_Colours();
    {
        double px[4] = {-a, -a, a, a}, py[4] = {-h / 2, h / 2, h / 2, -h / 2};
        Oli_Graphic_Filled_Polygon(4, px, py);
    }
    Oli_Graphic_Line(-a, -h / 2, a, -h / 2);
    Oli_Graphic_Line(-a, h / 2, a, h / 2);
    Plot_Black_Lines();

    /* 2. vertical chains */
    Ptr_Array *va = f.chain[0], *vb = f.chain[1], *ha = f.chain[2], *hb = f.chain[3];
    Plot_Chain_Add(va, -a - 0.9 / s, -h / 2);
    Plot_Chain_Add(va, -a - 0.9 / s, h / 2);
    Plot_Chain_Draw(va, 3, -a - 0.9 / s);
    Plot_Chain_Add(vb, -a - 0.3 / s, -h / 2);
    Plot_Chain_Add(vb, -a - 0.3 / s, h / 2);
    for (int i = 0; i < fp->count; i++) Plot_Chain_Add(vb, fp->recs[i].x, fp->recs[i].y);
    if (kind == CONN_OUTER_PLATES || kind == CONN_SIDE_TIMBERS) {
        Plot_Chain_Add(vb, -a - 0.3 / s, -hs / 2);
        Plot_Chain_Add(vb, -a - 0.3 / s, hs / 2);
    }
    Plot_Chain_Draw(vb, 3, -a - 0.3 / s);

    /* 3. cut ends */
    Oli_Graphic_Rgb_51(248, 195, 62);
    if (kind != CONN_LAP) {
        Plot_Dashed_Line("0.10 0.10", -a, -1.02 * h / 2, -a, 1.02 * h / 2);
        Plot_Dashed_Line("0.10 0.10", a, -1.02 * h / 2, a, 1.02 * h / 2);
    }

    /* 4. side parts */
    if (kind == CONN_OUTER_PLATES) {
        Oli_Graphic_Rgb_51(20, 180, 240);
        Oli_Graphic_Set_Fill(0);
    } else {
        Oli_Graphic_Rgb_51(235, 163, 93);
        Oli_Graphic_Set_Fill(32);
    }
    if (kind == CONN_SIDE_TIMBERS || kind == CONN_OUTER_PLATES) {
        Plot_Box(-L / 2, -hs / 2, L / 2, hs / 2);
        Plot_Dashed_Line("0.08 0.08", 0.0, -hs / 2, 0.0, hs / 2);
        Oli_Graphic_Line(0.0, -hs / 2, 0.0, -h / 2);
        Oli_Graphic_Line(0.0, hs / 2, 0.0, h / 2);
    } else if (kind == CONN_LAP) {
        Oli_Graphic_Line(-L / 2, -1.02 * h / 2, -L / 2, 1.02 * h / 2);
        Plot_Dashed_Line("0.08 0.08", L / 2, h / 2, L / 2, -h / 2);
    } else {
        Oli_Graphic_Line(0.0, -hs / 2, 0.0, hs / 2);
        Plot_Dashed_Line("0.08 0.08", -L / 2, -hs / 2, -L / 2, hs / 2);
        Plot_Dashed_Line("0.08 0.08", L / 2, -hs / 2, L / 2, hs / 2);
    }

    /* 5. chain of the fasteners along the member */
    const double yc = -h / 2 - 0.9 / s;
    Plot_Chain_Add(ha, -L / 2, -hs / 2);
    Plot_Chain_Add(ha, -L / 2, hs / 2);
    Plot_Chain_Add(ha, L / 2, -hs / 2);
    Plot_Chain_Add(ha, L / 2, hs / 2);
    for (int i = 0; i < fp->count; i++) Plot_Chain_Add(ha, fp->recs[i].x, fp->recs[i].y);
    if (kind != CONN_LAP) Plot_Chain_Add(ha, 0.0, 0.0);
    if (Is_Big_Connector_Multi()) {
        const double half = std::round(si->d) / 100.0;
        for (int k = 0; k < 2; k++) {
            Plot_Chain_Add(ha, fp->clamp_x[k], fp->clamp_y[k]);
            Cross(fp->clamp_x[k], fp->clamp_y[k], half);
            Cross(-fp->clamp_x[k], fp->clamp_y[k], half);
        }
    }
    Plot_Chain_Draw(ha, 2, yc);
    /* 6. length of the side parts */
    Plot_Chain_Add(hb, -L / 2, -hs / 2);
    Plot_Chain_Add(hb, L / 2, -hs / 2);
    Plot_Chain_Draw(hb, 2, -h / 2 - 1.5 / s);

    /* 7. the fasteners, no larger than the room between them */
    {
        std::vector<double> px, py;
        for (int i = 0; i < fp->count; i++) {
            px.push_back(fp->recs[i].x);
            py.push_back(fp->recs[i].y);
            if (kind == CONN_LAP) continue;
            px.push_back(-fp->recs[i].x);
            py.push_back(fp->recs[i].y);
        }
        Symbol_Room = Plot_Least_Distance(px.data(), py.data(), (int)px.size());
    }
    Plot_Line_Width(0.02);
    Plot_Fastener_Colours();
    /* the mirrored half is nailed as its mirror image */
    const int both = Vbm_Driven_From_Both_Sides();
    for (int i = 0; i < fp->count; i++) Oli_Draw_Vbm_Symbol(fp->recs[i].x, fp->recs[i].y, both, i);
    if (kind != CONN_LAP)
        for (int i = 0; i < fp->count; i++)
            Oli_Draw_Vbm_Symbol(-fp->recs[i].x, fp->recs[i].y, both, i);
    Symbol_Room = 0.0;
    Plot_Black_Lines();

    Plot_Frame_End(&f);
}
