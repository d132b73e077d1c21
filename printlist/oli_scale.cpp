/*
** Choice of the drawing scale of a print-list graphic from a list of scale denominators, with
** the message when even the smallest scale is too large for the space.
*/
#include "foundation/codepage.h"
#include "foundation/report.h"
#include "printlist/oli_graphic.h"

int32_t Oli_Graphic_Choose_Scale(double w, double h, double avail_w, double avail_h, int32_t n,
                                 const double *denominators)
{
    double rh = h / avail_h, rw = w / avail_w;
    double ratio = rh < rw ? rh : rw;
    for (int32_t i = 0; denominators && i < n; i++)
        if (ratio > 1.0 / denominators[i]) return i;
    /* the toolkit's message output, switched to message boxes for good */
    Foundation_Report(FOUNDATION_MSG_SET_MODE, 0,
                      "Benötigter Maßstab für Darstellung in der Druckliste zu klein!\n"
                      "  -> Geometriedaten überprüfen und korrigieren."_cp850);
    return -1;
}
