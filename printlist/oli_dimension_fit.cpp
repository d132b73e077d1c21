/*
** Legible dimension chains of a graphic block: while a block is being fitted every line and area
** it draws is noted (paper cm), the chains draw their lines and marks at once and keep their
** labels back; at the end of the block each label takes the first place where it crosses no
** line and overlaps no other text: between its marks, beyond the end of its chain, lifted over
** the extension lines on either side, or further out with a leader. Runs of equal spacings too
** short for their labels become one dimension labelled "n × a".
** Lengths of the queue and the notes are paper cm with y upwards; labels use the print font
** (DejaVu Sans), whose widths are estimated here from its advances.
*/
#include "printlist/oli_dimension.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "foundation/ptrarr.h"
#include "printlist/oli_graphic.h"
#include "printlist/oli_internal.h"
#include "printlist/oli_text.h"
#include "printlist/plot_file.h"

#define G Oli_Graphic

namespace {

struct Box {
    double x0, y0, x1, y1;
};

struct Segment {
    double x1, y1, x2, y2;
};

/* One label kept back: its dimension (paper), its texts and sizes. */
struct Label {
    double ax, ay, bx, by; /* the dimension's points */
    double ux, uy;         /* along the text, unit */
    double vx, vy;         /* the label side (left of the direction), unit */
    double h;              /* size unit of the chain, paper cm */
    double angle;          /* text angle, radians */
    std::string text, raised;
    double w_main, w_raised; /* widths, paper cm */
    bool at_start, at_end;   /* first or last dimension of its chain */
    bool deep;               /* a character reaches below the base line (a comma) */
};

struct Fit_State {
    bool on = false;
    Box window{0, 0, 0, 0};     /* the block's window, paper cm */
    std::vector<Segment> lines; /* every line drawn, and the leaders */
    std::vector<Segment> leaders;
    std::vector<Box> areas; /* filled areas and marks */
    std::vector<Box> inks;  /* placed labels: what the glyphs cover */
    std::vector<Box> fonts; /* placed labels: the font's full height */
    std::vector<Label> queue;
    int side_memory = 0; /* side of the last label that did not fit: +1 or -1 */
};

Fit_State F;

/* Advance of a character of the print font in em (DejaVu Sans); unknown ones count wide. */
double advance_em(unsigned char c)
{
    if (c >= '0' && c <= '9') return 0.637;
    switch (c) {
    case ' ':
    case '.':
    case ',': return 0.318;
    case '-': return 0.361;
    case 'x': return 0.592;
    case 0x9E: return 0.838; /* × in code page 850 */
    default: return 0.75;
    }
}

/* Width in paper cm of a text whose capitals are cap cm high. */
double text_width(const std::string &text, double cap)
{
    double em = 0;
    for (unsigned char c : text) em += advance_em(c);
    return em * cap / 0.73;
}

/* The font's cap height is 0.73 of its size; above the base line it reaches 0.93 em, below it
** 0.24 em: the box that text extraction gives a word. */
const double CAP = 0.73, ASCENT = 0.93, DESCENT = 0.24;

/* Clearance of a label's glyphs from a line: half the drawing's line width (0.4 mm) and air. */
const double LINE_GAP = 0.025;

/* Height of a label's middle over its dimension line, in size units: its glyphs stay clear of
** the end marks (dots 0.75 mm across, outlined; ticks reaching 0.6 h to either side) and below
** the extension lines' ends (4 h). */
const double LEVEL = 2.0;

/* Room that a label moved away from its marks keeps from every other label along its line, in
** label heights: numbers closer than that read as one ("150 11²"). */
const double NUMBER_GAP = 1.0;

/* Places beyond the nearest free one that a leader's label may take to cross fewer lines. */
const size_t LEADER_CHOICES = 80;

/* Least distance (paper cm) of a leader from another: closer, two leaders read as one crossing. */
const double LEADER_GAP = 0.1;

/* Reach of a leader from its dimension line, in size units, within which it may cross the
** extension lines and marks of its own chain; beyond it the leader crosses no line. */
const double LEADER_FREE = 4.0;

bool boxes_meet(const Box &a, const Box &b)
{
    return a.x0 < b.x1 && b.x0 < a.x1 && a.y0 < b.y1 && b.y0 < a.y1;
}

/* Does the segment cross or touch the box? (Liang-Barsky clipping) */
bool segment_meets(const Segment &s, const Box &b)
{
    double t0 = 0, t1 = 1, dx = s.x2 - s.x1, dy = s.y2 - s.y1;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {s.x1 - b.x0, b.x1 - s.x1, s.y1 - b.y0, b.y1 - s.y1};
    for (int i = 0; i < 4; i++) {
        if (p[i] == 0) {
            if (q[i] < 0) return false;
            continue;
        }
        double r = q[i] / p[i];
        if (p[i] < 0) t0 = std::max(t0, r);
        else t1 = std::min(t1, r);
        if (t0 > t1) return false;
    }
    return true;
}

/* Do two segments cross or touch? */
bool segments_meet(const Segment &a, const Segment &b)
{
    auto side = [](double ax, double ay, double bx, double by, double px, double py) {
        const double c = (bx - ax) * (py - ay) - (by - ay) * (px - ax);
        return c > 1e-12 ? 1 : c < -1e-12 ? -1 : 0;
    };
    const int d1 = side(a.x1, a.y1, a.x2, a.y2, b.x1, b.y1);
    const int d2 = side(a.x1, a.y1, a.x2, a.y2, b.x2, b.y2);
    const int d3 = side(b.x1, b.y1, b.x2, b.y2, a.x1, a.y1);
    const int d4 = side(b.x1, b.y1, b.x2, b.y2, a.x2, a.y2);
    if (d1 * d2 < 0 && d3 * d4 < 0) return true;
    /* touching or collinear: the boxes of both meet and an end lies on the other */
    const Box ba{std::min(a.x1, a.x2), std::min(a.y1, a.y2), std::max(a.x1, a.x2),
                 std::max(a.y1, a.y2)};
    const Box bb{std::min(b.x1, b.x2), std::min(b.y1, b.y2), std::max(b.x1, b.x2),
                 std::max(b.y1, b.y2)};
    const bool near = ba.x0 <= bb.x1 && bb.x0 <= ba.x1 && ba.y0 <= bb.y1 && bb.y0 <= ba.y1;
    return near && (d1 == 0 || d2 == 0 || d3 == 0 || d4 == 0);
}

/* Distance between two segments that do not cross: the least of their ends' distances to the
** other segment. */
double point_segment_distance(double px, double py, const Segment &s)
{
    const double dx = s.x2 - s.x1, dy = s.y2 - s.y1, q = dx * dx + dy * dy;
    double t = q > 0 ? ((px - s.x1) * dx + (py - s.y1) * dy) / q : 0.0;
    t = std::clamp(t, 0.0, 1.0);
    return std::hypot(px - s.x1 - t * dx, py - s.y1 - t * dy);
}

double segment_distance(const Segment &a, const Segment &b)
{
    return std::min({point_segment_distance(a.x1, a.y1, b), point_segment_distance(a.x2, a.y2, b),
                     point_segment_distance(b.x1, b.y1, a), point_segment_distance(b.x2, b.y2, a)});
}

/* The axis-parallel box of a rectangle: along u from a0 to a1, along v from b0 to b1, about
** the point (cx, cy). */
Box frame(double cx, double cy, double ux, double uy, double vx, double vy, double a0, double a1,
          double b0, double b1)
{
    Box r{1e300, 1e300, -1e300, -1e300};
    const double as[2] = {a0, a1}, bs[2] = {b0, b1};
    for (double a : as)
        for (double b : bs) {
            double x = cx + a * ux + b * vx, y = cy + a * uy + b * vy;
            r.x0 = std::min(r.x0, x);
            r.x1 = std::max(r.x1, x);
            r.y0 = std::min(r.y0, y);
            r.y1 = std::max(r.y1, y);
        }
    return r;
}

Box grown(Box b, double d) { return Box{b.x0 - d, b.y0 - d, b.x1 + d, b.y1 + d}; }

/* A place for a label: its centre and, for a leader, where the leader starts. */
struct Place {
    double cx, cy;
    bool leader;
    double lx, ly;
};

double cap_of(const Label &l) { return 2.1 * l.h; }
double width_of(const Label &l) { return l.w_main + l.w_raised; }

/* How far the glyphs reach below the base line. */
double depth_of(const Label &l) { return l.deep ? DESCENT * cap_of(l) / CAP : 0.0; }

Box ink_box(const Label &l, double cx, double cy)
{
    const double t = cap_of(l), W = width_of(l);
    return frame(/*cx=*/cx, /*cy=*/cy, /*ux=*/l.ux, /*uy=*/l.uy, /*vx=*/l.vx, /*vy=*/l.vy,
                 /*a0=*/-W / 2, /*a1=*/W / 2, /*b0=*/-t / 2 - depth_of(l), /*b1=*/t / 2);
}

/* The place between the marks, its glyphs as high over the dimension line as a label's without
** descenders. */
Place between(const Label &l)
{
    const double up = LEVEL * l.h + depth_of(l);
    return Place{(l.ax + l.bx) / 2 + up * l.vx, (l.ay + l.by) / 2 + up * l.vy, false, 0, 0};
}

/* The box text extraction gives the label (main and raised text together). */
Box font_box(const Label &l, double cx, double cy)
{
    const double t = cap_of(l), em = t / CAP, W = width_of(l);
    return frame(/*cx=*/cx, /*cy=*/cy, /*ux=*/l.ux, /*uy=*/l.uy, /*vx=*/l.vx, /*vy=*/l.vy,
                 /*a0=*/-W / 2, /*a1=*/W / 2, /*b0=*/-t / 2 - DESCENT * em,
                 /*b1=*/-t / 2 + ASCENT * em);
}

/* The leader of a place as it is drawn: from the middle of the dimension line to the nearest
** point of the label's frame, stopping short of the glyphs by the clearance of any line. */
Segment leader_of(const Label &l, const Place &p)
{
    const double t = cap_of(l), W = width_of(l), stop = 2 * LINE_GAP;
    const double dx = p.lx - p.cx, dy = p.ly - p.cy;
    const double a = dx * l.ux + dy * l.uy, b = dx * l.vx + dy * l.vy;
    const double ca = std::clamp(a, -W / 2 - stop, W / 2 + stop),
                 cb = std::clamp(b, -t / 2 - stop, t / 2 + stop);
    return Segment{p.lx, p.ly, p.cx + ca * l.ux + cb * l.vx, p.cy + ca * l.uy + cb * l.vy};
}

/* Is the place free: inside the window, clear of every line, area and placed label? A label
** moved away from its marks also keeps NUMBER_GAP from the other labels, and its leader crosses
** no other leader nor label and, with far_free, no line beyond the marks of its own chain. The
** leader is checked as it is drawn (leader_of), not towards the label's middle: a leader that
** ends at the label's near side may pass another label that a line to the middle misses. */
bool is_free(const Label &l, const Place &p, bool moved, double leader_gap = LEADER_GAP,
             bool far_free = true)
{
    const Box ink = grown(ink_box(l, p.cx, p.cy), LINE_GAP), font = font_box(l, p.cx, p.cy);
    /* the viewer draws up to 0.3 cm beside the window, where the page is blank; above and below
  ** it the texts of the report begin */
    const Box glyphs = ink_box(l, p.cx, p.cy);
    if (glyphs.x0 < F.window.x0 - 0.25 || glyphs.x1 > F.window.x1 + 0.25 || font.y0 < F.window.y0
        || font.y1 > F.window.y1)
        return false;
    for (const Segment &s : F.lines)
        if (segment_meets(s, ink)) return false;
    for (const Box &a : F.areas)
        if (boxes_meet(a, ink)) return false;
    for (const Box &b : F.inks)
        if (boxes_meet(grown(b, LINE_GAP), ink)) return false;
    for (const Box &b : F.fonts)
        if (boxes_meet(b, font)) return false;
    if (moved) {
        /* along the label's line a label height between the fonts' boxes; across it half of
        ** one between the glyphs, so that the labels of two chains may stand over one another */
        const double along = NUMBER_GAP * cap_of(l), across = 0.5 * NUMBER_GAP * cap_of(l);
        const double gx = std::fabs(l.ux) * along, gy = std::fabs(l.uy) * along;
        for (const Box &b : F.fonts)
            if (boxes_meet(Box{b.x0 - gx, b.y0 - gy, b.x1 + gx, b.y1 + gy}, font)) return false;
        const double cx = std::fabs(l.vx) * across, cy = std::fabs(l.vy) * across;
        const Box glyph_box = ink_box(l, p.cx, p.cy);
        for (const Box &b : F.inks)
            if (boxes_meet(Box{b.x0 - cx, b.y0 - cy, b.x1 + cx, b.y1 + cy}, glyph_box))
                return false;
    }
    if (p.leader) {
        /* the leader runs from its dimension line to the label: it may cross lines, never a text
    ** or an area of the drawing */
        const Segment whole = leader_of(l, p);
        const double ex = whole.x2, ey = whole.y2;
        const Segment lead{p.lx + (ex - p.lx) * 0.02, p.ly + (ey - p.ly) * 0.02, ex, ey};
        for (const Segment &o : F.leaders)
            if (segments_meet(whole, o) || segment_distance(whole, o) < leader_gap) return false;
        /* beyond the extension lines beside its own mark it crosses no line: a leader drawn
        ** through another dimension's lines points at that one as well */
        const double len = std::hypot(ex - p.lx, ey - p.ly);
        if (far_free && len > LEADER_FREE * l.h) {
            const double k = LEADER_FREE * l.h / len;
            const Segment far{p.lx + (ex - p.lx) * k, p.ly + (ey - p.ly) * k, ex, ey};
            for (const Segment &s : F.lines)
                if (segments_meet(far, s) || segment_distance(far, s) < 2 * LINE_GAP) return false;
        }
        for (const Box &b : F.inks)
            if (segment_meets(lead, grown(b, LINE_GAP))) return false;
        for (const Box &a : F.areas) {
            const bool own_mark =
                lead.x1 >= a.x0 && lead.x1 <= a.x1 && lead.y1 >= a.y0 && lead.y1 <= a.y1;
            if (!own_mark && segment_meets(lead, a)) return false;
        }
    }
    return true;
}

/* The places of a label, best first. side: +1 first try the label side when lifted, -1 the
** other one. */
std::vector<Place> places_of(const Label &l, int side)
{
    const double t = cap_of(l), h = l.h, W = width_of(l), gap = 0.04;
    const double mx = (l.ax + l.bx) / 2, my = (l.ay + l.by) / 2;
    auto at = [&](double along, double up) {
        return Place{mx + along * l.ux + up * l.vx, my + along * l.uy + up * l.vy, false, 0, 0};
    };
    std::vector<Place> out;
    /* beyond the end of the chain, level with the labels that fit */
    const double L = std::hypot(l.bx - l.ax, l.by - l.ay);
    const double beyond = L / 2 + h + gap + W / 2;
    const double level = LEVEL * h + depth_of(l);
    if (l.at_start) out.push_back(at(-beyond, level));
    if (l.at_end) out.push_back(at(beyond, level));
    /* over the extension lines: 4 h on the label side, 2 h on the other */
    const double lift = 4 * h + gap + t / 2 + depth_of(l), drop = -(2 * h + gap + t / 2);
    if (side >= 0) {
        out.push_back(at(0, lift));
        out.push_back(at(0, drop));
    } else {
        out.push_back(at(0, drop));
        out.push_back(at(0, lift));
    }
    /* anywhere near, with a leader from the middle of the dimension line: the places of a grid
  ** of half a text height around it, the nearest first */
    const double g = t / 2, R = 3.0;
    std::vector<std::pair<double, Place>> far;
    for (double dy = -R; dy <= R + 1e-9; dy += g)
        for (double dx = -R; dx <= R + 1e-9; dx += g) {
            /* the distance from the middle to the nearest point of the label; a label right beside
      ** its dimension line needs no leader */
            const double a = dx * l.ux + dy * l.uy, b = dx * l.vx + dy * l.vy;
            const double near = std::hypot(std::max(0.0, std::fabs(a) - W / 2 - L / 2),
                                           std::max(0.0, std::fabs(b) - t / 2));
            Place p{mx + dx, my + dy, near > 0.12, mx, my};
            /* a leader leaves its dimension line sideways: along the chain it would hide in it */
            if (p.leader && std::fabs(b) < 0.5 * std::hypot(a, b)) continue;
            const double da = std::max(0.0, std::fabs(a) - W / 2),
                         db = std::max(0.0, std::fabs(b) - t / 2);
            far.push_back({std::hypot(da, db) + 1e-6 * (std::fabs(dx) + std::fabs(dy)), p});
        }
    std::stable_sort(far.begin(), far.end(),
                     [](const std::pair<double, Place> &a, const std::pair<double, Place> &b) {
                         return a.first < b.first;
                     });
    for (const auto &f : far) out.push_back(f.second);
    return out;
}

/* How many lines of the drawing the leader of a place crosses. */
int leader_crossings(const Label &l, const Place &p)
{
    const Segment drawn = leader_of(l, p);
    const Segment lead{p.lx + (drawn.x2 - p.lx) * 0.02, p.ly + (drawn.y2 - p.ly) * 0.02, drawn.x2,
                       drawn.y2};
    int n = 0;
    for (const Segment &s : F.lines)
        if (segments_meet(lead, s)) n++;
    return n;
}

/* Write a label at its place (paper cm), and its leader. */
void emit(const Label &l, const Place &p)
{
    const double t = cap_of(l), W = width_of(l);
    if (p.leader) {
        const Segment lead = leader_of(l, p);
        Oli_Graphic_Line(lead.x1 / G.sx, lead.y1 / G.sy, lead.x2 / G.sx, lead.y2 / G.sy);
        F.lines.push_back(lead);
        F.leaders.push_back(lead);
    }
    G.text_angle = l.angle;
    Oli_File_Printf(G.file, " 13 %lf\n", t);
    Oli_File_Printf(G.file, " 8 %d\n", 6);
    /* the main text centred on its part of the label, the raised text right behind it */
    const double mc = -W / 2 + l.w_main / 2;
    Oli_Graphic_Text_Centred((p.cx + mc * l.ux) / G.sx, (p.cy + mc * l.uy) / G.sy, l.text.c_str());
    if (!l.raised.empty()) {
        Oli_File_Printf(G.file, " 13 %lf\n", 0.75 * t);
        const double ra = -W / 2 + l.w_main + 0.04 * t, rb = -t / 4;
        Oli_Graphic_Text((p.cx + ra * l.ux + rb * l.vx) / G.sx,
                         (p.cy + ra * l.uy + rb * l.vy) / G.sy, l.raised.c_str());
    }
    F.inks.push_back(ink_box(l, p.cx, p.cy));
    F.fonts.push_back(font_box(l, p.cx, p.cy));
}

} // namespace

/* ---- notes of the drawing ---- */

void Oli_Fit_Note_Line(double x1, double y1, double x2, double y2)
{
    if (F.on) F.lines.push_back(Segment{x1, y1, x2, y2});
}

void Oli_Fit_Note_Area(double x0, double y0, double x1, double y1)
{
    if (F.on)
        F.areas.push_back(
            Box{std::min(x0, x1), std::min(y0, y1), std::max(x0, x1), std::max(y0, y1)});
}

int Oli_Fit_Active(void) { return F.on ? 1 : 0; }

/* ---- the block ---- */

void Oli_Graphic_Fit_Begin(double x0, double y0, double x1, double y1)
{
    F = Fit_State();
    F.on = true;
    double ax = x0 * G.sx, bx = x1 * G.sx, ay = y0 * G.sy, by = y1 * G.sy;
    F.window = Box{std::min(ax, bx), std::min(ay, by), std::max(ax, bx), std::max(ay, by)};
}

int Oli_Graphic_Fit_End(void)
{
    if (!F.on) return 0;
    int unplaced = 0;
    std::vector<Label> queue = F.queue;
    std::vector<bool> done(queue.size(), false);
    Oli_Graphic_Push();
    const double rotation = G.rotation;
    G.rotation = 0.0; /* the queue holds turned points */
    Oli_Graphic_Rgb_50(0, 0, 0);
    Oli_File_Printf(G.file, " 4 %d\n", 1);
    Oli_File_Printf(G.file, " 38 %d %s %d\n", 0, " ", 0);
    if (Plot_Is_Open()) {
        Plot_Set_Pen(1);
        Plot_Set_Linetype(0);
        Plot_Set_Font(2);
    }
    /* first every label that fits between its marks, then the others, each where it is free */
    for (size_t i = 0; i < queue.size(); i++) {
        const Label &l = queue[i];
        const Place p = between(l);
        if (is_free(l, p, false)) {
            emit(l, p);
            done[i] = true;
        }
    }
    /* then the labels at the ends of their chains that can stand beyond them */
    for (size_t i = 0; i < queue.size(); i++) {
        const Label &l = queue[i];
        if (done[i] || !(l.at_start || l.at_end)) continue;
        const std::vector<Place> places = places_of(l, 1);
        for (size_t k = 0; k < (size_t)((l.at_start ? 1 : 0) + (l.at_end ? 1 : 0)); k++)
            if (is_free(l, places[k], true)) {
                emit(l, places[k]);
                done[i] = true;
                break;
            }
    }
    /* the widest first: a narrow label finds a place beside a wide one's more easily than the
    ** other way round (the plates' thickness beside the timber between two of them); of labels
    ** as wide, the one of the longer dimension first (4.8 of the timber before 0.8 of a plate) */
    std::vector<size_t> order;
    for (size_t i = 0; i < queue.size(); i++)
        if (!done[i]) order.push_back(i);
    auto length_of = [](const Label &l) { return std::hypot(l.bx - l.ax, l.by - l.ay); };
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) {
        const double wa = width_of(queue[a]), wb = width_of(queue[b]);
        if (std::fabs(wa - wb) > 1e-9) return wa > wb;
        return length_of(queue[a]) > length_of(queue[b]) + 1e-9;
    });
    for (size_t i : order) {
        const Label &l = queue[i];
        std::vector<Place> places = places_of(l, F.side_memory >= 0 ? 1 : -1);
        const Place *chosen = nullptr;
        size_t first = 0;
        /* leaders apart from the others; where none is, at least not crossing them; where no
        ** leader finds its way past the lines beyond its marks, one that crosses them (fewest
        ** below) rather than a label standing on them */
        double gap = LEADER_GAP;
        bool far_free = true;
        for (int pass = 0; pass < 3 && chosen == nullptr; pass++) {
            gap = pass == 0 ? LEADER_GAP : 0.0;
            far_free = pass < 2;
            for (first = 0; first < places.size(); first++)
                if (is_free(l, places[first], true, gap, far_free)) {
                    chosen = &places[first];
                    break;
                }
        }
        if (chosen != nullptr && chosen->leader) {
            /* of the free places a little farther, the one whose leader crosses fewest lines */
            int best = leader_crossings(l, *chosen);
            for (size_t k = first + 1; k < places.size() && k <= first + LEADER_CHOICES; k++) {
                if (!places[k].leader || !is_free(l, places[k], true, gap, far_free)) continue;
                const int n = leader_crossings(l, places[k]);
                if (n < best) {
                    best = n;
                    chosen = &places[k];
                }
            }
        }
        if (chosen == nullptr) {
            unplaced++;
            chosen = &places[(l.at_start ? 1 : 0) + (l.at_end ? 1 : 0)]; /* lifted */
        }
        /* the next label that does not fit starts on the other side */
        const double up =
            (chosen->cx - (l.ax + l.bx) / 2) * l.vx + (chosen->cy - (l.ay + l.by) / 2) * l.vy;
        F.side_memory = up > 2.0 * l.h ? -1 : 1;
        emit(l, *chosen);
    }
    G.rotation = rotation;
    Oli_Graphic_Pop();
    F = Fit_State();
    return unplaced;
}

/* ---- chains ---- */

/* Keep the label of the dimension from (x1, y1) to (x2, y2) (world units) for the end of the
** block. */
static void queue_label(double x1, double y1, double x2, double y2, double h,
                        const std::string &text, const std::string &raised, bool at_start,
                        bool at_end)
{
    if (text.empty()) return;
    Oli_To_Local(&x1, &y1, G.rotation);
    Oli_To_Local(&x2, &y2, G.rotation);
    Label l;
    l.ax = x1 * G.sx;
    l.ay = y1 * G.sy;
    l.bx = x2 * G.sx;
    l.by = y2 * G.sy;
    const double a = std::atan2(l.by - l.ay, l.bx - l.ax);
    l.ux = std::cos(a);
    l.uy = std::sin(a);
    l.vx = -l.uy;
    l.vy = l.ux;
    double t = (Oli_Line_Angle(x1, y1, x2, y2) + (G.y_reversed ? M_PI : 0.0)) * G.angle_sign;
    while (t > 2 * M_PI) t -= 2 * M_PI;
    l.angle = t;
    l.h = h;
    l.text = text;
    l.raised = raised;
    const double cap = 2.1 * h;
    l.w_main = text_width(text, cap);
    l.w_raised = raised.empty() ? 0.0 : text_width(raised, 0.75 * cap) + 0.04 * cap;
    l.at_start = at_start;
    l.at_end = at_end;
    l.deep = text.find_first_of(",;()gjpqy") != std::string::npos;
    if (F.on) {
        F.queue.push_back(l);
        return;
    }
    /* outside a fitted block the label stands between its marks at once */
    Oli_Graphic_Push();
    const double rotation = G.rotation;
    G.rotation = 0.0;
    emit(l, between(l));
    G.rotation = rotation;
    Oli_Graphic_Pop();
    F.inks.clear();
    F.fonts.clear();
}

/* ---- a chain's parts add up to its whole ---- */

/* Tenths (n = 1) or hundredths (n = 2) of a length, rounded as the millimetre form rounds. */
static long Units_Of(double length, int n)
{
    return std::lround(Oli_Round(Oli_Round(length, 6), n) * (n == 1 ? 10.0 : 100.0));
}

/*
** When the millimetres of a chain's parts (0.1 cm, as the millimetre form prints them) do not add
** up to those of the whole, answer 1 and the parts in hundredths of a cm: each part's own when
** they add up to the whole as printed (4 x 3.95 between edges of 2.1 over 20.0, not 4 x 4), else
** the differences of the points' hundredths, which always do. Answer 0 when the millimetres do.
*/
static int Chain_Hundredths(const double *at, int n, std::vector<long> *out)
{
    out->clear();
    if (n < 2) return 0;
    const long total = Units_Of(at[n - 1] - at[0], 1);
    long tenths = 0;
    for (int k = 0; k + 1 < n; k++) tenths += Units_Of(at[k + 1] - at[k], 1);
    if (tenths == total) return 0; /* the millimetres add up */
    /* the hundredths of every part, when they add up to the whole as it is printed */
    long sum = 0;
    for (int k = 0; k + 1 < n; k++) {
        out->push_back(Units_Of(at[k + 1] - at[k], 2));
        sum += out->back();
    }
    if ((sum + 5) / 10 == total) return 1;
    /* else the hundredths of the points from the first: the parts add up by construction */
    out->clear();
    for (int k = 0; k + 1 < n; k++)
        out->push_back(Units_Of(at[k + 1] - at[0], 2) - Units_Of(at[k] - at[0], 2));
    return 1;
}

/* Label and raised text of a length in hundredths of a cm: whole cm, the decimals raised. */
static void Hundredths_Texts(long hundredths, char *label, char *raised)
{
    const long whole = hundredths / 100, rest = hundredths % 100;
    snprintf(label, 32, "%ld", whole);
    if (rest == 0) snprintf(raised, 32, " ");
    else if (rest % 10 == 0) snprintf(raised, 32, "%ld", rest / 10);
    else snprintf(raised, 32, "%02ld", rest);
}

/* The number form of a chain: label and raised text of a length in world units. */
static void form_texts(int32_t form, double length, char *label, char *raised)
{
    /* equal spacings computed along different paths differ in the last bits: 3.95 must not come
  ** out once as 3.9 and once as 4.0 */
    length = Oli_Round(length, 6);
    if (form == OLI_FIT_CM) {
        double number;
        Oli_Dimension_Cm_Texts(length, 1.0, G.dimension_flags, label, raised, &number);
    } else {
        Oli_Dimension_Mm_Texts(length, label, raised);
    }
}

double Oli_Graphic_Dimension_Chain_Fitted(Ptr_Array *list, int32_t mode, double coord, double h,
                                          int32_t form)
{
    if (list == nullptr || Ptr_Array_Count(list) < 2) return 0.0;
    if (mode != 2 && mode != 3) return 0.0;
    Ptr_Array_Sort(list, mode == 2 ? Oli_Cmp_X_Asc : Oli_Cmp_Y_Asc);
    const bool along_x = mode == 2;
    /* the chain's points on its line, without repeats */
    std::vector<double> at;
    for (int k = 0; k < Ptr_Array_Count(list); k++) {
        const double *p = (const double *)Ptr_Array_Get(list, k);
        const double v = along_x ? p[0] : p[1];
        if (at.empty() || std::fabs(v - at.back()) >= 0.00001) at.push_back(v);
    }
    for (int i = 0; i < Ptr_Array_Count(list); i++) free(Ptr_Array_Get(list, i));
    Ptr_Array_Clear(list);
    if (at.size() < 2) return 0.0;

    const double s = along_x ? G.sx : G.sy; /* paper per world along the chain */
    const double cap = 2.1 * h;
    struct Piece {
        double a, b;
        std::string text, raised;
        double w_main, w_raised;
    };
    auto piece = [&](double a, double b, const char *label, const char *raised) {
        Piece p{a, b, label, raised, text_width(label, cap), text_width(raised, 0.75 * cap)};
        if (!p.raised.empty()) p.w_raised += 0.04 * cap;
        return p;
    };
    auto fits = [&](const Piece &p) {
        return p.w_main + p.w_raised + 2 * LINE_GAP <= (p.b - p.a) * s;
    };
    std::vector<Piece> pieces;
    std::vector<long> hundredths;
    if (form == OLI_FIT_MM && Chain_Hundredths(at.data(), (int)at.size(), &hundredths)) {
        for (size_t k = 0; k + 1 < at.size(); k++) {
            char label[32], raised[32];
            Hundredths_Texts(hundredths[k], label, raised);
            pieces.push_back(piece(at[k], at[k + 1], label, raised));
        }
    } else {
        for (size_t k = 0; k + 1 < at.size(); k++) {
            char label[32], raised[32];
            form_texts(form, at[k + 1] - at[k], label, raised);
            pieces.push_back(piece(at[k], at[k + 1], label, raised));
        }
    }

    /* runs of equal spacings that do not fit: one dimension "n × a" */
    std::vector<Piece> merged;
    for (size_t k = 0; k < pieces.size();) {
        size_t e = k + 1;
        while (e < pieces.size() && pieces[e].text == pieces[k].text
               && pieces[e].raised == pieces[k].raised)
            e++;
        const size_t n = e - k;
        if (n >= 2 && !fits(pieces[k])) {
            Piece m = pieces[k];
            m.b = pieces[e - 1].b;
            char label[48];
            snprintf(label, sizeof label, "%d \x9E %s", (int)n, pieces[k].text.c_str());
            m.text = label;
            m.w_main = text_width(m.text, cap);
            if (!fits(m)) {
                /* without its blanks "n×a" may still stand between the marks */
                snprintf(label, sizeof label, "%d\x9E%s", (int)n, pieces[k].text.c_str());
                Piece c = m;
                c.text = label;
                c.w_main = text_width(c.text, cap);
                if (fits(c)) m = c;
            }
            merged.push_back(m);
        } else {
            for (size_t j = k; j < e; j++) merged.push_back(pieces[j]);
        }
        k = e;
    }

    for (size_t k = 0; k < merged.size(); k++) {
        const Piece &p = merged[k];
        double x1 = along_x ? p.a : coord, y1 = along_x ? coord : p.a;
        double x2 = along_x ? p.b : coord, y2 = along_x ? coord : p.b;
        /* lines and marks now, the label at the end of the block */
        Oli_Graphic_Dimension_Marks(x1, y1, x2, y2, h);
        queue_label(x1, y1, x2, y2, h, p.text, p.raised, k == 0, k + 1 == merged.size());
    }
    return (double)merged.size();
}

void Oli_Graphic_Dimension_Fitted(double x1, double y1, double x2, double y2, double h,
                                  const char *text, const char *raised)
{
    if (Oli_Round(std::hypot(x2 - x1, y2 - y1), 2) < 0.01) return;
    Oli_Graphic_Dimension_Marks(x1, y1, x2, y2, h);
    queue_label(x1, y1, x2, y2, h, text ? text : "", raised ? raised : "", true, true);
}
