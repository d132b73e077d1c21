/*
** What the checks of a tension or compression splice leave out of its combinations: the moment
** M_d, which only a bending splice distributes to its fasteners and takes in its members, and the
** combinations whose normal force does not suit the splice, which it does not check at all. The
** utilisation page and the print list name both, so that such a result never reads as a plain
** "Nachweis erfüllt", and the verdict of each check section says when it holds without M_d.
** Moments in kNm, forces in kN; texts in code page 850.
*/
#include "results/splice_checks.h"
#include "results/print_list.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "catalogue/catalogue.h"
#include "foundation/codepage.h"
#include "foundation/format.h"
#include "foundation/foundation.h"
#include "printlist/printlist.h"

/* Combination (g, e) of a tension or compression splice is a row of the report's table but left
** out for the sign of its N_d (its actions not all zero, which is no combination at all). */
static bool Left_Out_For_Its_Sign(int g, int e)
{
    if (g < 0 || g >= LKOM_GROUPS || !Splice_Input.lkom.groups[g].used) return false;
    return Is_Lkom_Entry_Listed(Get_Lkom_Entry(g, e)) && !Is_Lkom_Valid(g, e);
}

/* The splice kind that checks the combinations left out for the sign of N_d: the one of the
** other sign, or the bending splice where that would leave a moment out or where N_d = 0, which
** neither takes. */
static int Other_Kind(const Unchecked_Loads *u)
{
    if (u->other_bending > 0) return SPLICE_BENDING;
    return Splice_Input.splice_kind == SPLICE_TENSION ? SPLICE_COMPRESSION : SPLICE_TENSION;
}

static const char *Splice_Kind_Name(int kind)
{
    return kind == SPLICE_BENDING   ? "Biegestoß"_cp850
           : kind == SPLICE_TENSION ? "Zugstoß"_cp850
                                    : "Druckstoß"_cp850;
}

int Get_Unchecked_Loads(Unchecked_Loads *u)
{
    *u = Unchecked_Loads{};
    const int kind = Splice_Input.splice_kind;
    if (kind != SPLICE_TENSION && kind != SPLICE_COMPRESSION) return 0;
    for (int g = 0; g < LKOM_GROUPS; g++) {
        for (int e = 0; e < LKOM_ENTRIES; e++) {
            const Lkom_Entry *c = Get_Lkom_Entry(g, e);
            if (c == nullptr || !c->used) continue;
            if (Is_Lkom_Valid(g, e)) {
                if (std::fabs(c->M_d) > LOAD_TOLERANCE) {
                    u->moment_count++;
                    u->moment_max = std::fmax(u->moment_max, std::fabs(c->M_d));
                }
            } else if (Left_Out_For_Its_Sign(g, e)) {
                u->other_count++;
                /* the splice of the other sign takes N_d != 0 and leaves M_d out as this one */
                if (std::fabs(c->M_d) > LOAD_TOLERANCE || c->N_d == 0.0) u->other_bending++;
                u->other_N_max = std::fmax(u->other_N_max, std::fabs(c->N_d));
                u->other_M_max = std::fmax(u->other_M_max, std::fabs(c->M_d));
                u->other_V_max = std::fmax(u->other_V_max, std::fabs(c->V_d));
            }
        }
    }
    return u->moment_count > 0 || u->other_count > 0;
}

int Unchecked_Load_Line(const Unchecked_Loads *u, int which, int print, char *buf, size_t size)
{
    if (size > 0) buf[0] = '\0';
    const bool tension = Splice_Input.splice_kind == SPLICE_TENSION;
    const char *splice = tension ? "Zugstoß"_cp850 : "Druckstoß"_cp850;
    const char *wichtig = print ? "\xCE"
                                  "bWichtig!\xCEr"
                                : "Wichtig!";
    const char *M = print ? "M\xCE\\"
                            "d\xCEr"
                          : "M_d";
    const char *N = print ? "N\xCE\\"
                            "d\xCEr"
                          : "N_d";
    if (which == UNCHECKED_MOMENT && u->moment_count > 0) {
        const int n = u->moment_count;
        /* what to do: the bending splice distributes M_d to its fasteners with N_d */
        snprintf(buf, size,
                 "%s %s wird beim %s nicht nachgewiesen: %d Lastkombination%s mit %s, "
                 "max |%s| = %.2lf kNm; %s zusammen mit %s weist der Biegesto\xE1 nach",
                 wichtig, M, splice, n, n == 1 ? "" : "en", M, M, u->moment_max, N, M);
        return 1;
    }
    if (which == UNCHECKED_OTHER_SIGN && u->other_count > 0) {
        const int n = u->other_count;
        /* a tension splice checks N_d > 0 only, a compression splice N_d < 0; every action
        ** that such a combination carries goes unchecked with it */
        const char *V = print ? "V\xCE\\"
                                "d\xCEr"
                              : "V_d";
        char M_part[64] = "", V_part[64] = "";
        if (u->other_M_max > LOAD_TOLERANCE)
            snprintf(M_part, sizeof M_part, ", max |%s| = %.2lf kNm", M, u->other_M_max);
        if (u->other_V_max > LOAD_TOLERANCE)
            snprintf(V_part, sizeof V_part, ", max |%s| = %.2lf kN", V, u->other_V_max);
        /* and which splice checks them */
        const char *other = Splice_Kind_Name(Other_Kind(u));
        snprintf(buf, size,
                 "%s %d Lastkombination%s mit %s %s 0 %s beim %s nicht nachgewiesen, "
                 "max |%s| = %.2lf kN%s%s. Diese Kombination%s mit der Sto\xE1"
                 "art %s nachweisen",
                 wichtig, n, n == 1 ? "" : "en", N, tension ? SYM_LE : SYM_GE,
                 n == 1 ? "wird" : "werden", splice, N, u->other_N_max, M_part, V_part,
                 n == 1 ? "" : "en", other);
        return 1;
    }
    return 0;
}

/* ---------------------------------------------------------------- the route of those left out */

/* The end distance a3 (cm) of the pattern laid out, from the joint and from the ends of the side
** timbers, plates or lap, the smallest; the edge distance a4 (cm) of its outer rows from the
** edge of the height they are laid out in (layout) and from the timber's edge (timber). */
static void Laid_Distances(double *a3, double *a4_layout, double *a4_timber)
{
    const Splice_Input_Record *si = &Splice_Input;
    const Fastener_Pattern_Rec *fp = &Fastener_Pattern;
    double min_x = fp->recs[0].x, max_x = fp->recs[0].x, max_ax = 0.0, max_y = 0.0;
    for (int i = 0; i < fp->count; i++) {
        min_x = std::fmin(min_x, fp->recs[i].x);
        max_x = std::fmax(max_x, fp->recs[i].x);
        max_ax = std::fmax(max_ax, std::fabs(fp->recs[i].x));
        max_y = std::fmax(max_y, std::fabs(fp->recs[i].y));
    }
    *a4_layout = fp->layout_height / 2.0 - max_y;
    switch (si->connection_kind) {
    case CONN_LAP:
        *a3 = si->L / 2.0 - max_ax;
        *a4_timber = si->h / 2.0 - max_y;
        break;
    case CONN_INNER_PLATES:
    case CONN_OUTER_PLATES:
        *a3 = min_x; /* the plates' end keeps e1 */
        *a4_timber = si->h / 2.0 - max_y;
        break;
    default:
        *a3 = std::fmin(min_x, si->L / 2.0 - max_x);
        *a4_timber = std::fmin(si->h, si->h_s) / 2.0 - max_y;
        break;
    }
}

/* The force-to-grain angles of the combinations that a splice of kind `kind` checks over this
** pattern, into [*lo, *hi] (rad): the moment about the fasteners' centroid as that splice takes
** it (M_d a bending splice's only). Return 0 where no fastener of any has a force. */
static int Kind_Angle_Range(int kind, double *lo, double *hi)
{
    const Splice_Input_Record *si = &Splice_Input;
    const Fastener_Pattern_Rec *fp = &Fastener_Pattern;
    *lo = M_PI / 2.0;
    *hi = 0.0;
    int forces = 0;
    for (int g = 0; g < LKOM_GROUPS; g++) {
        if (!si->lkom.groups[g].used) continue;
        for (int e = 0; e < LKOM_ENTRIES; e++) {
            const Lkom_Entry *c = Get_Lkom_Entry(g, e);
            if (!Is_Lkom_Entry_Valid_For(kind, c)) continue;
            const double M = (kind == SPLICE_BENDING ? std::fabs(c->M_d) : 0.0)
                             + std::fabs(fp->x_c * c->V_d / 100.0);
            forces += Combination_Angle_Range(c, M, lo, hi);
        }
    }
    return forces > 0;
}

/* The largest value (cm) of a distance whose plates' spacing is `factor` times it, where the
** plates keep p_max (mm, 0: none) as compression members; HUGE_VAL where nothing limits it. */
static double Plate_Cap(double p_max, double factor)
{
    return p_max > 0.0 && factor > 0.0 ? p_max / 10.0 / factor : HUGE_VAL;
}

/* A value (cm) as the route names it, to two decimals: a least one rounded up, a largest one
** down, so that the value typed meets it. */
static double Least_Shown(double v) { return std::ceil(v * 100.0 - 1e-6) / 100.0; }
static double Most_Shown(double v) { return std::floor(v * 100.0 + 1e-6) / 100.0; }

int Get_Other_Sign_Route(const Unchecked_Loads *u, Other_Sign_Route *r)
{
    *r = Other_Sign_Route{};
    const Splice_Input_Record *si = &Splice_Input;
    const Fastener_Pattern_Rec *fp = &Fastener_Pattern;
    if (u->other_count <= 0 || fp->count < 1 || fp->refusal.code != 0) return 0;
    r->kind = Other_Kind(u);
    /* what that splice is to be given: the user's own values where given, else what the
    ** layout laid out; with them it lays out this pattern, fastener by fastener */
    double a3 = 0.0, a4_layout = 0.0, a4_timber = 0.0;
    Laid_Distances(&a3, &a4_layout, &a4_timber);
    r->a1_named = Splice_N_Col(si) >= 2.0;
    r->a4_named = Splice_N_Row(si) >= 2.0;
    /* a1 the spacing within a row, the user's or the layout's own (a staggered layout's
    ** columns stand half of it apart), as the page shows it and takes it typed */
    r->a1 = si->a1;
    r->a3 = si->a3_user ? si->a3 : a3;
    r->a4 = si->a4_user ? si->a4 : a4_timber;
    r->L = si->L;
    r->L_follow = si->L;
    /* the least spacings of that splice at the angles of its own combinations over this pattern,
    ** and those of this one at its own */
    double lo = 0.0, hi = 0.0;
    Kind_Spacings need{}, own{};
    if (!Kind_Angle_Range(r->kind, &lo, &hi) || !Kind_Least_Spacings(r->kind, lo, hi, &need))
        return 1;
    if (!Kind_Angle_Range(si->splice_kind, &lo, &hi)
        || !Kind_Least_Spacings(si->splice_kind, lo, hi, &own))
        own = Kind_Spacings{0.0, 0.0, 0.0, 0.0, "a3", "a4"};
    /* the largest spacing of outer plates as compression members, where either splice kind
    ** checks it (EN 1993-1-8, Table 3.3, note 1): between adjacent columns (a1; a staggered
    ** layout's columns half of it apart), across the joint (2 a3) and between rows (a2; half) */
    r->t = si->t_p * 10.0;
    const double p_this = Plate_Spacing_Limit(si->splice_kind);
    const double p_other = Plate_Spacing_Limit(r->kind);
    const int slot = VBM_TYPE_SLOT(si->vbm_type);
    const bool staggered = si->vbm_type >= VBM_TYPE_FIRST && si->vbm_type <= VBM_TYPE_LAST
                           && si->layout[slot] == LAYOUT_STAGGERED;
    const double step = staggered ? 0.5 : 1.0;
    /* the edge distance as the fields take it, from the timber's edge: beside plates lower than
    ** the member the layout's is the plates' */
    const double to_timber = a4_timber - a4_layout;
    const struct {
        int32_t named;
        const char *name, *rule, *own_rule;
        double have, need, own, factor;
    } rows[4] = {
        {r->a1_named, "a1", "a1", "a1", r->a1, need.a1, own.a1, step},
        {r->a4_named, "a2", "a2", "a2", si->a2, need.a2, own.a2, step},
        {1, "a3", need.a3_rule, own.a3_rule, r->a3, need.a3, own.a3, 2.0},
        {r->a4_named, "a4", need.a4_rule, own.a4_rule, r->a4, need.a4 + to_timber,
         own.a4 + to_timber, 0.0},
    };
    double a1_to = r->a1, a3_to = r->a3;
    for (const auto &row : rows) {
        const double cap_this = Plate_Cap(p_this, row.factor);
        const double cap_other = Plate_Cap(p_other, row.factor);
        /* less than that splice asks, or more than its plates allow */
        const bool is_short = row.need > row.have + 1e-6;
        const bool over = !is_short && row.have > cap_other + 1e-6;
        if (!row.named || (!is_short && !over)) continue;
        Other_Sign_Short sh{};
        sh.name = row.name;
        sh.rule = row.rule;
        sh.have = row.have;
        sh.need = is_short ? row.need : cap_other;
        sh.over = over ? 1 : 0;
        sh.factor = row.factor;
        /* no value serves both where the larger of both kinds' least values lies above the
        ** smaller of their largest */
        const bool theirs = row.need >= row.own;
        sh.least = theirs ? row.need : row.own;
        sh.least_rule = theirs ? row.rule : row.own_rule;
        sh.least_kind = theirs ? r->kind : si->splice_kind;
        sh.cap = std::fmin(cap_this, cap_other);
        sh.cap_kind = cap_this <= cap_other ? si->splice_kind : r->kind;
        sh.p_max = cap_this <= cap_other ? p_this : p_other;
        sh.conflict = sh.least > sh.cap + 1e-6 ? 1 : 0;
        r->conflicts += sh.conflict;
        /* what both are to be given otherwise, as the line names it */
        const double to = is_short ? Least_Shown(sh.need) : Most_Shown(sh.need);
        if (row.name[1] == '1') a1_to = to;
        if (row.name[1] == '3') a3_to = to;
        r->shorts[r->short_count++] = sh;
    }
    /* the length that follows from them: the columns' length grows (or shrinks) by what a1 and
    ** a3 change, the user's length keeping what it has beyond the columns' */
    if (r->conflicts == 0 && (a1_to != r->a1 || a3_to != r->a3))
        r->L_follow = r->L + Splice_Length_For(a1_to, a3_to, si->e1)
                      - Splice_Length_For(r->a1, r->a3, si->e1);
    return 1;
}

/* A distance's name as the page writes it ("a3,t") or the print list, with its index set
** lower. */
static std::string Distance_Name(const char *name, int print)
{
    if (!print || name[0] == '\0') return name;
    return std::string(1, name[0]) + "\xCE\\" + (name + 1) + "\xCEr";
}

/* The genitive of a splice kind that limits its plates' spacing ("des Druckstoßes"). */
static const char *Kind_Genitive(int kind)
{
    return kind == SPLICE_BENDING ? "des Biegesto\xE1"
                                    "es"
                                  : "des Drucksto\xE1"
                                    "es";
}

/* The plates' spacing a distance gives (factor times it) as the route writes it: the name of the
** spacing (p1 across the grain's joint and between columns, p2 between rows) and the sum of the
** distance ("2 a3", "a1 / 2"). */
static std::string Plate_Span(const Other_Sign_Short &s, const char *of, int print)
{
    const std::string name = Distance_Name(of, print);
    if (s.factor == 2.0) return "2 " + name;
    if (s.factor == 0.5) return name + " / 2";
    return name;
}

/* A value (cm) beside the limit it falls short of (over: exceeds), as `limit` reads: to two
** decimals where they read below (above) it, else with the decimals that do, up to six (the
** layout's tolerance is 1e-6 cm); never cut to fit the word: "9.9998 cm < 10.00 cm", not
** "9.99 cm". */
static std::string Beside_Limit(double v, double limit, bool over)
{
    char text[32] = "";
    for (int decimals = 2; decimals <= 6; decimals++) {
        snprintf(text, sizeof text, "%.*lf", decimals, v);
        const double read = strtod(text, nullptr);
        if (over ? read > limit : read < limit) break;
    }
    return text;
}

/* One distance that falls short of that splice ("a3 = 8.00 cm < a3,t = 14.00 cm") or that its
** plates do not allow ("a3 = 14.00 cm > p1,max / 2 = 8.40 cm"). */
static std::string Short_Item(const Other_Sign_Short &s, int print)
{
    char part[160];
    const std::string name = Distance_Name(s.name, print);
    if (!s.over) {
        const double need = Least_Shown(s.need);
        snprintf(part, sizeof part, "%s = %s cm < %s = %.2lf cm", name.c_str(),
                 Beside_Limit(s.have, need, false).c_str(), Distance_Name(s.rule, print).c_str(),
                 need);
        return part;
    }
    const std::string max = Distance_Name(s.name[1] == '2' ? "p2,max" : "p1,max", print);
    const char *of = s.factor == 2.0 ? " / 2" : s.factor == 0.5 ? " x 2" : "";
    const double cap = Most_Shown(s.need);
    snprintf(part, sizeof part, "%s = %s cm > %s%s = %.2lf cm", name.c_str(),
             Beside_Limit(s.have, cap, true).c_str(), max.c_str(), of, cap);
    return part;
}

/* The line of what falls short or is too much, with what both are to be given where a value
** serves both. */
static std::string Short_Line(const Other_Sign_Route *r, int print)
{
    const char *other = Splice_Kind_Name(r->kind);
    std::string text, given;
    for (int over = 0; over < 2; over++) {
        std::string items;
        for (int k = 0; k < r->short_count; k++) {
            const Other_Sign_Short &s = r->shorts[k];
            if (s.over != over) continue;
            items += (items.empty() ? "" : ", ") + Short_Item(s, print);
            char part[64];
            snprintf(part, sizeof part, "%s = %.2lf cm", Distance_Name(s.name, print).c_str(),
                     over ? Most_Shown(s.need) : Least_Shown(s.need));
            given += (given.empty() ? "" : ", ") + std::string(part);
        }
        if (items.empty()) continue;
        text += text.empty() ? std::string("F\x81r den ") + other : std::string(";");
        text += over ? " zu gro\xE1: " : " zu klein: ";
        text += items;
    }
    if (r->conflicts > 0) return text;
    /* what both are to be given, and the length that follows from it */
    char length[64] = "";
    if (std::fabs(r->L_follow - r->L) > 1e-9)
        snprintf(length, sizeof length, " und der daraus folgenden L\x84nge L = %.2lf cm",
                 Least_Shown(r->L_follow));
    return text + " (beide Sto\xE1" + "arten mit " + given + length + " vorgeben)";
}

/* The lines of the distances no value of which serves both kinds: the least one asks more than
** the plates of a bending or compression splice allow (EN 1993-1-8, Table 3.3, note 1); which 0
** says which and both values, which 1 the plates' limit with its numbers, each a line of its
** own that the print writes whole. */
static std::string Conflict_Line(const Other_Sign_Route *r, int which, int print)
{
    std::string text;
    for (int k = 0; k < r->short_count; k++) {
        const Other_Sign_Short &s = r->shorts[k];
        if (!s.conflict) continue;
        const std::string name = Distance_Name(s.name, print);
        char part[320];
        if (which == 0) {
            snprintf(part, sizeof part,
                     "%sKein %s gen\x81gt beiden Sto\xE1"
                     "arten: der %s verlangt %s = %.2lf cm, die gedr\x81"
                     "ckten Bleche %s erlauben h\x94"
                     "chstens %s = %.2lf cm",
                     text.empty() ? "" : "; ", name.c_str(), Splice_Kind_Name(s.least_kind),
                     Distance_Name(s.least_rule, print).c_str(), Least_Shown(s.least),
                     Kind_Genitive(s.cap_kind), name.c_str(), Most_Shown(s.cap));
        } else {
            const bool rows = s.name[1] == '2';
            const char *where = s.factor == 2.0 ? "\x81"
                                                  "ber den Sto\xE1"
                                : rows          ? "zwischen den Reihen"
                                                : "zwischen den Spalten";
            snprintf(part, sizeof part,
                     "%s%s = %s %s h\x94"
                     "chstens min(14 t; 200 mm) = min(14 x %.1lf; 200) = %.1lf mm",
                     text.empty() ? "Gr\x94\xE1ter Abstand gedr\x81"
                                    "ckter Bleche (DIN EN 1993-1-8, Tab. 3.3, Anm. 1): "
                                  : "; ",
                     Distance_Name(rows ? "p2" : "p1", print).c_str(),
                     Plate_Span(s, s.name, print).c_str(), where, r->t, s.p_max);
        }
        text += part;
    }
    return text;
}

/* The line of what would serve where no value does: plates thick enough for the spacing the
** least value asks (t >= p / 14, within 200 mm), or another splice. */
static std::string Remedy_Line(const Other_Sign_Route *r, int print)
{
    const Other_Sign_Short *worst = nullptr;
    for (int k = 0; k < r->short_count; k++) {
        const Other_Sign_Short &s = r->shorts[k];
        if (s.conflict && (worst == nullptr || s.least * s.factor > worst->least * worst->factor))
            worst = &s;
    }
    if (worst == nullptr) return "";
    /* the spacing of the plates that the least value asks, as its sum and its numbers */
    const double least = Least_Shown(worst->least) * 10.0, p = least * worst->factor;
    char numbers[48];
    if (worst->factor == 2.0) snprintf(numbers, sizeof numbers, "2 x %.1lf", least);
    else if (worst->factor == 0.5) snprintf(numbers, sizeof numbers, "%.1lf / 2", least);
    else snprintf(numbers, sizeof numbers, "%.1lf", least);
    const std::string span = Plate_Span(*worst, worst->least_rule, print);
    const char *other = "ein anderer Sto\xE1 (innenliegende Bleche begrenzen den Abstand nicht)";
    char part[320];
    if (p <= 200.0 + 1e-9)
        snprintf(part, sizeof part,
                 "Abhilfe: Bleche von mindestens t = %s / 14 = %s / 14 = %.1lf mm, oder %s",
                 span.c_str(), numbers, std::ceil(p / 14.0 * 10.0 - 1e-6) / 10.0, other);
    else
        snprintf(part, sizeof part,
                 "Abhilfe: %s; dickere Bleche gen\x81gen nicht, %s = %s = %.1lf mm > 200 mm", other,
                 span.c_str(), numbers, p);
    return part;
}

int Other_Sign_Route_Line(const Other_Sign_Route *r, int which, int print, char *buf, size_t size)
{
    if (size > 0) buf[0] = '\0';
    const char *other = Splice_Kind_Name(r->kind);
    std::string text;
    char part[96];
    if (r->conflicts > 0) {
        /* where no value serves both kinds that comes first, then the plates' limit, what falls
        ** short and what would serve; no values to give, which that splice would refuse */
        if (which == 0 || which == 1) text = Conflict_Line(r, which, print);
        else if (which == 2) text = Short_Line(r, print);
        else if (which == 3) text = Remedy_Line(r, print);
        else return 0;
    } else if (which == 0) {
        /* the values that make the other splice lay out this one's pattern */
        text = std::string("Dabei L\x84nge und Abst\x84nde dieses Sto\xE1")
               + "es vorgeben, sonst legt " + "der " + other + " sie neu fest: ";
        if (r->a1_named) {
            snprintf(part, sizeof part, "%s = %.2lf cm, ", Distance_Name("a1", print).c_str(),
                     r->a1);
            text += part;
        }
        snprintf(part, sizeof part, "%s = %.2lf cm, ", Distance_Name("a3", print).c_str(), r->a3);
        text += part;
        if (r->a4_named) {
            snprintf(part, sizeof part, "%s = %.2lf cm, ", Distance_Name("a4", print).c_str(),
                     r->a4);
            text += part;
        }
        snprintf(part, sizeof part, "L = %.2lf cm", r->L);
        text += part;
    } else if (which == 1 && r->short_count > 0) {
        text = Short_Line(r, print);
    } else {
        return 0;
    }
    snprintf(buf, size, "%s", text.c_str());
    return 1;
}

/* A line of the list of combinations left out holds this many bytes; a longer list goes on on
** lines of their own, each under the print writer's line of 255 bytes. */
#define LEFT_OUT_LINE 200

/*
** The lines of the list of combinations left out for the sign of N_d, by their numbers in the
** report's table, which lists them marked among the others ("Nicht nachgewiesen: Nr. 2, 3, 7
** bis 9"): the same numbers that the page of the internal forces shows beside each row.
*/
static std::vector<std::string> Left_Out_Rows_Lines(void)
{
    std::vector<int> numbers;
    for (int g = 0; g < LKOM_GROUPS; g++) {
        if (!Splice_Input.lkom.groups[g].used) continue;
        int32_t row[LKOM_ENTRIES];
        Lkom_Group_Numbers(g, row);
        for (int e = 0; e < LKOM_ENTRIES; e++)
            if (row[e] > 0 && Left_Out_For_Its_Sign(g, e)) numbers.push_back(row[e]);
    }
    std::vector<std::string> lines;
    if (numbers.empty()) return lines;
    std::string line = "Nicht nachgewiesen: Nr. ";
    const size_t n = numbers.size();
    for (size_t i = 0; i < n; i++) {
        size_t last = i; /* a run of three or more as "a bis b" */
        while (last + 1 < n && numbers[last + 1] == numbers[last] + 1) last++;
        char run[40];
        if (last - i >= 2) snprintf(run, sizeof run, "%d bis %d", numbers[i], numbers[last]);
        else {
            snprintf(run, sizeof run, "%d", numbers[i]);
            last = i;
        }
        /* the comma stays at the end of a line (room kept for it), the next begins with a
        ** number */
        if (i > 0 && line.size() + 2 + strlen(run) + 1 > LEFT_OUT_LINE) {
            lines.push_back(line + ",");
            line = "  ";
        } else if (i > 0) line += ", ";
        line += run;
        i = last;
    }
    lines.push_back(line);
    return lines;
}

int Left_Out_Rows_Line(int part, char *buf, size_t size)
{
    if (size > 0) buf[0] = '\0';
    const int kind = Splice_Input.splice_kind;
    if (kind != SPLICE_TENSION && kind != SPLICE_COMPRESSION) return 0;
    const std::vector<std::string> lines = Left_Out_Rows_Lines();
    if (part < 0 || part >= (int)lines.size()) return 0;
    snprintf(buf, size, "%s", lines[(size_t)part].c_str());
    return 1;
}

void Write_Unchecked_Load_Lines(FILE *file, const Unchecked_Loads *u)
{
    if (file == nullptr) return;
    char line[512];
    for (int which = UNCHECKED_MOMENT; which <= UNCHECKED_OTHER_SIGN; which++)
        if (Unchecked_Load_Line(u, which, 1, line, sizeof line)) Oli_Write_Text(file, "%s", line);
    Other_Sign_Route route;
    if (Get_Other_Sign_Route(u, &route))
        for (int which = 0; which < OTHER_SIGN_ROUTE_LINES; which++)
            if (Other_Sign_Route_Line(&route, which, 1, line, sizeof line))
                Oli_Write_Text(file, "%s", line);
    if (u->other_count > 0)
        for (const std::string &rows : Left_Out_Rows_Lines())
            Oli_Write_Text(file, "%s", rows.c_str());
}

void Write_Unchecked_Moment(FILE *file, double M_d)
{
    const int kind = Splice_Input.splice_kind;
    if (file == nullptr || (kind != SPLICE_TENSION && kind != SPLICE_COMPRESSION)) return;
    if (!(std::fabs(M_d) > LOAD_TOLERANCE)) return;
    Oli_Write_Text(file,
                   "\xCE"
                   "bWichtig!\xCEr M\xCE\\"
                   "d\xCEr = %.2lf kNm wird beim %s nicht nachgewiesen",
                   M_d, kind == SPLICE_TENSION ? "Zugstoß"_cp850 : "Druckstoß"_cp850);
}

/* ---------------------------------------------------------------- preset kmod above the table */

int Get_Kmod_Above_Table(Kmod_Above_Table *out)
{
    const Splice_Input_Record *si = &Splice_Input;
    int n = 0;
    for (int g = 0; g < LKOM_GROUPS; g++) {
        const Lkom_Group *grp = &si->lkom.groups[g];
        if (!grp->used || grp->kmod_source != 0 || !(grp->kmod >= 1e-7)) continue;
        bool checked = false;
        for (int e = 0; e < LKOM_ENTRIES && !checked; e++) checked = Is_Lkom_Valid(g, e) != 0;
        if (!checked) continue;
        /* what the members take (a panel its own value where that is lower) against the table */
        double used_mid = 0.0, used_side = 0.0, t_mid = 0.0, t_side = 0.0;
        Get_Group_Kmod(g, &used_mid, &used_side, nullptr);
        Kmod_Above_Table k{};
        k.group = g;
        k.kled = grp->kled;
        k.service_class = si->service_class;
        k.kmod = grp->kmod;
        if (Get_Kmod(si->mat_mid, si->grade_mid, si->service_class, grp->kled, &t_mid, nullptr)
            && t_mid > 0.0 && used_mid > t_mid + 1e-9)
            k.table_mid = t_mid;
        if (si->connection_kind == CONN_SIDE_TIMBERS
            && Get_Kmod(si->mat_side, si->grade_side, si->service_class, grp->kled, &t_side,
                        nullptr)
            && t_side > 0.0 && used_side > t_side + 1e-9)
            k.table_side = t_side;
        if (k.table_mid > 0.0 || k.table_side > 0.0) out[n++] = k;
    }
    return n;
}

void Kmod_Above_Table_Line(const Kmod_Above_Table *k, int print, char *buf, size_t size)
{
    const int kind = Splice_Input.connection_kind;
    const char *mid =
        (kind == CONN_SIDE_TIMBERS || kind == CONN_OUTER_PLATES) ? "Mittelholz" : "Holz";
    char values[96] = "";
    if (k->table_mid > 0.0) snprintf(values, sizeof values, "%s %.2lf", mid, k->table_mid);
    if (k->table_side > 0.0)
        snprintf(values + strlen(values), sizeof values - strlen(values), "%s%s %.2lf",
                 values[0] ? ", " : "", "Seitenhölzer"_cp850, k->table_side);
    snprintf(buf, size,
             "%s Gruppe %d: vorgegebenes %s = %.2lf über %s für %s, Nutzungsklasse %d: %s"_cp850,
             print ? "\xCE"
                     "bWichtig!\xCEr"
                   : "Wichtig!",
             Lkom_Shown_Group(k->group), print ? "k\xCE\\mod\xCEr" : "k_mod", k->kmod,
             Nad_Params != nullptr ? "DIN EN 1995-1-1, Tab. 3.1" : "DIN 1052, Tab. F.1",
             Get_Kled_Name(k->kled), k->service_class, values);
}

int Write_Kmod_Above_Table_Lines(FILE *file)
{
    Kmod_Above_Table k[LKOM_GROUPS];
    const int n = Get_Kmod_Above_Table(k);
    for (int i = 0; i < n && file != nullptr; i++) {
        char line[256];
        Kmod_Above_Table_Line(&k[i], 1, line, sizeof line);
        Oli_Write_Text(file, "%s", line);
    }
    return n;
}

/* ---------------------------------------------------------------- verdicts of the sections */

double Moment_Left_Out(double M_d)
{
    const int kind = Splice_Input.splice_kind;
    if (kind != SPLICE_TENSION && kind != SPLICE_COMPRESSION) return 0.0;
    return std::fabs(M_d) > LOAD_TOLERANCE ? M_d : 0.0;
}

Util_Text Util_Of(double u, const char *name, int decimals)
{
    Util_Text t;
    if (u == UTIL_NO_CHECK) snprintf(t.t, sizeof t.t, "%s", UTIL_NO_CHECK_TEXT);
    else Format_N(t.t, sizeof t.t, "%s%.*lf", name, decimals, u);
    return t;
}

const char *Satisfied_Verdict(double M_left_out)
{
    static char text[160];
    if (M_left_out == 0.0)
        snprintf(text, sizeof text, "%s",
                 "\xCE"
                 "bNachweis erf\x81llt\xCEr");
    else
        snprintf(text, sizeof text,
                 "\xCE"
                 "bNachweis ohne M\xCE\\"
                 "d\xCEr\xCE"
                 "b erf\x81llt\xCEr (M\xCE\\"
                 "d\xCEr = %.2lf kNm nicht nachgewiesen)",
                 M_left_out);
    return text;
}
