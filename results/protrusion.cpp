/*
** What of the splice sticks out of its members, which the design neither needs nor changes:
** plates higher than the member, dowels longer than the joint they pass through. The utilisation
** page and the summary of the print list say it as a hint beside the check it concerns, so that
** a splice that cannot be built as entered never reads as a plain result. Lengths of the
** splice in cm, of the fastener in mm; texts in code page 850.
*/
#include "results/splice_checks.h"

#include <cstdio>
#include <string>

#include "catalogue/catalogue.h"
#include "foundation/codepage.h"
#include "printlist/printlist.h"
#include "results/splice_calc.h"

/* What sticks out by less than this is taken as flush (mm). */
#define PROTRUSION_TOL 1e-6

/* Subscripts of the print list for the names of the page: "h_p" becomes h with index p. */
static std::string Print_Form(std::string s)
{
    for (const char *name : {"h_p", "t_s", "t_p"})
        for (size_t at = s.find(name); at != std::string::npos; at = s.find(name, at))
            s.replace(at, 3, std::string(1, name[0]) + "\xCE\\" + name[2] + "\xCEr");
    return s;
}

/* The plates' line: they stand (h_p - h) / 2 above and below the member. */
static bool Plates_Line(std::string *line)
{
    const Splice_Input_Record *si = &Splice_Input;
    const int kind = si->connection_kind;
    if (kind != CONN_INNER_PLATES && kind != CONN_OUTER_PLATES) return false;
    if (!(10.0 * (si->h_p - si->h) > PROTRUSION_TOL)) return false;
    const bool one = kind == CONN_INNER_PLATES && (int)si->plate_count == 1;
    char buf[240];
    snprintf(buf, sizeof buf,
             "%s oben und unten je %.2f cm aus dem Holz: (h_p - h) / 2 = (%.2f - %.2f) / 2 = "
             "%.2f cm",
             one ? "Das Blech ragt" : "Die Bleche ragen", (si->h_p - si->h) / 2.0, si->h_p, si->h,
             (si->h_p - si->h) / 2.0);
    *line = buf;
    return true;
}

/* The dowels' line: they stand (l - joint) / 2 out on either side of the joint they pass. */
static bool Dowels_Line(std::string *line)
{
    const Splice_Input_Record *si = &Splice_Input;
    const int kind = si->connection_kind;
    if (si->vbm_type != VBM_STABDUEBEL) return false;
    const double joint = 10.0 * Splice_Joint_Thickness();
    if (!(si->l - joint > PROTRUSION_TOL)) return false;
    const double each = (si->l - joint) / 2.0;
    const std::string l = Mm_Of(si->l).t, b = Mm_Of(10.0 * si->b).t;
    std::string how;
    if (kind == CONN_SIDE_TIMBERS || kind == CONN_OUTER_PLATES) {
        const char *t = kind == CONN_SIDE_TIMBERS ? "t_s" : "t_p";
        const double t_o = 10.0 * (kind == CONN_SIDE_TIMBERS ? si->t_s : si->t_p);
        how = std::string("(l - b - 2 ") + t + ") / 2 = (" + l + " - " + b + " - 2 x "
              + Mm_Of(t_o).t + ") / 2";
    } else {
        how = "(l - b) / 2 = (" + l + " - " + b + ") / 2";
    }
    char buf[240];
    snprintf(buf, sizeof buf, "Die Stabdübel ragen beidseitig je %s mm %s: %s = %s mm"_cp850,
             Mm_Of(each).t,
             kind == CONN_OUTER_PLATES ? "über die Bleche hinaus"_cp850 : "aus dem Holz",
             how.c_str(), Mm_Of(each).t);
    *line = buf;
    return true;
}

int Protrusion_Line(int which, int print, char *buf, size_t size)
{
    if (size > 0) buf[0] = '\0';
    std::string line;
    const bool any = which == PROTRUDING_PLATES ? Plates_Line(&line) : Dowels_Line(&line);
    if (!any) return 0;
    snprintf(buf, size, "%s", (print ? Print_Form(line) : line).c_str());
    return 1;
}

void Write_Protrusion_Line(FILE *file, int which)
{
    char line[320];
    if (file != nullptr && Protrusion_Line(which, 1, line, sizeof line))
        Oli_Write_Text(file, "%s", line);
}
