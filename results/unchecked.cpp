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
        /* and which splice checks them: the one of the other sign, or the bending splice where
        ** that would leave a moment out or where N_d = 0, which neither takes */
        const char *other = u->other_bending > 0 ? "Biegestoß"_cp850
                            : tension            ? "Druckstoß"_cp850
                                                 : "Zugstoß"_cp850;
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
