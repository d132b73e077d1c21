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
    r->a1 = si->a1_user ? si->a1 : si->p1;
    r->a3 = si->a3_user ? si->a3 : a3;
    r->a4 = si->a4_user ? si->a4 : a4_timber;
    r->L = si->L;
    /* the force-to-grain angles of that splice's own combinations over this pattern: the
    ** moment about the fasteners' centroid as that splice takes it (M_d a bending splice's
    ** only) */
    double lo = M_PI / 2.0, hi = 0.0;
    int forces = 0;
    for (int g = 0; g < LKOM_GROUPS; g++) {
        if (!si->lkom.groups[g].used) continue;
        for (int e = 0; e < LKOM_ENTRIES; e++) {
            const Lkom_Entry *c = Get_Lkom_Entry(g, e);
            if (!Is_Lkom_Entry_Valid_For(r->kind, c)) continue;
            const double M = (r->kind == SPLICE_BENDING ? std::fabs(c->M_d) : 0.0)
                             + std::fabs(fp->x_c * c->V_d / 100.0);
            forces += Combination_Angle_Range(c, M, &lo, &hi);
        }
    }
    Kind_Spacings need{};
    if (forces == 0 || !Kind_Least_Spacings(r->kind, lo, hi, &need)) return 1;
    /* the edge distance as the fields take it, from the timber's edge: beside plates lower than
    ** the member the layout's is the plates' */
    const double to_timber = a4_timber - a4_layout;
    const struct {
        int32_t named;
        const char *name, *rule;
        double have, need;
    } rows[4] = {{r->a1_named, "a1", "a1", r->a1, need.a1},
                 {r->a4_named, "a2", "a2", si->a2, need.a2},
                 {1, "a3", need.a3_rule, r->a3, need.a3},
                 {r->a4_named, "a4", need.a4_rule, r->a4, need.a4 + to_timber}};
    for (const auto &row : rows)
        if (row.named && row.need > row.have + 1e-6)
            r->shorts[r->short_count++] = Other_Sign_Short{row.name, row.rule, row.have, row.need};
    return 1;
}

/* A distance's name as the page writes it ("a3,t") or the print list, with its index set
** lower. */
static std::string Distance_Name(const char *name, int print)
{
    if (!print || name[0] == '\0') return name;
    return std::string(1, name[0]) + "\xCE\\" + (name + 1) + "\xCEr";
}

int Other_Sign_Route_Line(const Other_Sign_Route *r, int which, int print, char *buf, size_t size)
{
    if (size > 0) buf[0] = '\0';
    const char *other = Splice_Kind_Name(r->kind);
    std::string text;
    char part[96];
    if (which == 0) {
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
        /* what this splice has (no more than shown) against what the other asks (no less) */
        text = std::string("F\x81r den ") + other + " zu klein: ";
        for (int k = 0; k < r->short_count; k++) {
            const Other_Sign_Short &s = r->shorts[k];
            snprintf(
                part, sizeof part, "%s%s = %.2lf cm < %s = %.2lf cm", k > 0 ? ", " : "",
                Distance_Name(s.name, print).c_str(), std::floor(s.have * 100.0 + 1e-6) / 100.0,
                Distance_Name(s.rule, print).c_str(), std::ceil(s.need * 100.0 - 1e-6) / 100.0);
            text += part;
        }
        text += r->short_count == 1 ? " (beide Sto\xE1"
                                      "arten mit dem gr\x94\xE1"
                                      "eren Wert vorgeben)"
                                    : " (beide Sto\xE1"
                                      "arten mit den gr\x94\xE1"
                                      "eren Werten vorgeben)";
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
    char line[320];
    for (int which = UNCHECKED_MOMENT; which <= UNCHECKED_OTHER_SIGN; which++)
        if (Unchecked_Load_Line(u, which, 1, line, sizeof line)) Oli_Write_Text(file, "%s", line);
    Other_Sign_Route route;
    if (Get_Other_Sign_Route(u, &route))
        for (int which = 0; which < 2; which++)
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
