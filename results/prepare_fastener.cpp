/*
** Refusals of the preparation run that concern the fastener itself, before anything of the
** splice is shown or printed: a fastener that the connection kind cannot take (staples through
** steel, shear plates without steel, a two-sided connector against steel), a connector's bolt
** outside the bolts of its catalogue row, a bolt's washer below 3 d, staples short of their least penetration, and the design of the first checked combination
** (a rule of the design that refuses the input, or a fastener without lateral resistance), so
** that no check shows a fastener without capacity. Also the name the print gives the fastener.
** Fastener dimensions in mm.
*/
#include "results/splice_calc.h"
#include "results/splice_checks.h"

#include <cmath>
#include <cstdio>

#include "catalogue/catalogue.h"

/* ---------------------------------------------------------------- kinds of connection */

static bool Plate_Connection(void)
{
    const int kind = Splice_Input.connection_kind;
    return kind == CONN_INNER_PLATES || kind == CONN_OUTER_PLATES;
}

int Vbm_Single_Sided_Counterpart(void)
{
    const int type = Splice_Input.vbm_type;
    return Plate_Connection() && (type == VBM_SCHEIBENDUEBEL_C1 || type == VBM_SCHEIBENDUEBEL_C10);
}

int Splice_Fitted_Vbm(const Splice_Input_Record *si, int *type, int *row)
{
    const int chosen = si->vbm_type;
    *type = chosen;
    *row = Is_Vbm_Connector(chosen) ? si->connector_index : si->vbm_row;
    const bool plates =
        si->connection_kind == CONN_INNER_PLATES || si->connection_kind == CONN_OUTER_PLATES;
    if (!plates || (chosen != VBM_SCHEIBENDUEBEL_C1 && chosen != VBM_SCHEIBENDUEBEL_C10)) return 1;
    /* the single-sided one of the same d_c, with its own depth, height and hub */
    const int one =
        chosen == VBM_SCHEIBENDUEBEL_C10 ? VBM_SCHEIBENDUEBEL_C11 : VBM_SCHEIBENDUEBEL_C2;
    const int32_t r = Find_Connector_Row_By_Diameter(
        (Vbm_Type_Code)one, Get_Connector_Value(chosen, si->connector_index, "dc"));
    if (r < 0) return 0;
    *type = one;
    *row = r;
    return 1;
}

int Fitted_Vbm_Type(void)
{
    int type = 0, row = 0;
    Splice_Fitted_Vbm(&Splice_Input, &type, &row);
    return type;
}

int Fitted_Vbm_Row(void)
{
    int type = 0, row = 0;
    Splice_Fitted_Vbm(&Splice_Input, &type, &row);
    return row;
}

double Fitted_Connector_Value(const char *key)
{
    int type = 0, row = 0;
    Splice_Fitted_Vbm(&Splice_Input, &type, &row);
    return Get_Connector_Value(type, row, key);
}

const char *Splice_Vbm_Name(void)
{
    /* the selection list's family name, "Scheibendübel C1/C2" or "C10/C11", says it */
    return Get_Vbm_Type_Name(Splice_Input.vbm_type, Vbm_Single_Sided_Counterpart() ? 1 : 0);
}

const char *Splice_Vbm_Steel_Text(void)
{
    /* a two-sided plate presses teeth into both faces and cannot bear against steel: the plate
    ** takes a single-sided one, teeth in the timber and its back in the plate's hole, which the
    ** design takes (EN 1995-1-1, 8.10: the same R_c,k of C1 and C2, of C10 and C11) */
    static char text[200];
    if (!Vbm_Single_Sided_Counterpart()) return "";
    const bool c10 = Splice_Input.vbm_type == VBM_SCHEIBENDUEBEL_C10;
    snprintf(text, sizeof text,
             "Am Stahlblech einseitige Scheibend\x81"
             "bel %s einbauen, so bemessen: ein zweiseitiger passt nur zwischen zwei H\x94lzer",
             c10 ? "C11" : "C2");
    return text;
}

int Vbm_Back_To_Back_Pairs(void)
{
    /* a single-sided toothed plate bears with its teeth in one timber and its flat back against
    ** the other face: between two timbers it takes a second one back to back, one in each face,
    ** and the pair bears with its bolt as one connector does (EN 1995-1-1, 8.10(1)) */
    const int type = Splice_Input.vbm_type;
    return !Plate_Connection() && (type == VBM_SCHEIBENDUEBEL_C2 || type == VBM_SCHEIBENDUEBEL_C11);
}

const char *Splice_Vbm_Pair_Text(void)
{
    static char text[96];
    if (!Vbm_Back_To_Back_Pairs()) return "";
    snprintf(text, sizeof text,
             "je Scherfuge 2 %s R\x81"
             "cken an R\x81"
             "cken",
             Splice_Vbm_Name());
    return text;
}

const char *Splice_Vbm_Count_Text(int n)
{
    static char text[160];
    const Splice_Input_Record *si = &Splice_Input;
    if (!Is_Vbm_Connector(si->vbm_type)) return "";
    /* one connector at each bolt in every shear plane, a back-to-back pair in each plane where
    ** the single-sided ones join two timbers */
    const int planes = si->shear_planes > 0 ? si->shear_planes : 1;
    const int pair = Vbm_Back_To_Back_Pairs() ? 2 : 1;
    const char *bolts = !si->threaded_rod ? "Bolzen" : n == 1 ? "Gewindestange" : "Gewindestangen";
    snprintf(text, sizeof text, "%d %s x %d Scherfuge%s%s = %d %s", n, bolts, planes,
             planes == 1 ? "" : "n", pair == 2 ? " x 2" : "", n * planes * pair, Splice_Vbm_Name());
    return text;
}

int Check_Fastener_Kind(void)
{
    const int type = Splice_Input.vbm_type;
    const bool plates = Plate_Connection();
    /* a staple's legs cannot be driven through steel: its design would give F_v,Rk = 0 */
    if (type == VBM_KLAMMER && plates) return DERR_STAPLE_THROUGH_STEEL;
    /* a shear plate sits in one member only (EN 912, type B) and bears with its back on a steel
    ** plate; between two timbers it takes a second one back to back (EN 1995-1-1, 8.9 with k4 =
    ** 1.0), a pair that this design does not model (the toothed plates' pairs it does:
    ** Vbm_Back_To_Back_Pairs) */
    if (type == VBM_SCHEIBENDUEBEL_B1 && !plates) return DERR_SHEAR_PLATE_WITHOUT_STEEL;
    /* Against steel a connector must be single-sided (EN 1995-1-1, 8.9, 8.10). The toothed
    ** plates C1 and C10 are built there as their single-sided counterparts C2 and C11 of the
    ** same d_c, designed wholly as those and named so (Splice_Fitted_Vbm, Splice_Vbm_Name),
    ** which the catalogue must hold; a split ring and the square C5 have none that the design
    ** takes. */
    if (plates && type == VBM_RINGDUEBEL_A1) return DERR_RING_AGAINST_STEEL;
    if (plates && type == VBM_SCHEIBENDUEBEL_C5) return DERR_TWO_SIDED_C5_AGAINST_STEEL;
    int fitted = 0, row = 0;
    if (!Splice_Fitted_Vbm(&Splice_Input, &fitted, &row)) return DERR_NO_SINGLE_SIDED_COUNTERPART;
    return 0;
}

/* ---------------------------------------------------------------- a connector's bolt */

int Connector_Bolt_Range(double *d_bolt, double *db_min, double *db_max)
{
    if (!Is_Vbm_Connector(Splice_Input.vbm_type)) return 0;
    /* the bolts of the connector fitted */
    const double lo = Fitted_Connector_Value("db_min");
    const double hi = Fitted_Connector_Value("db_max");
    if (!(lo > 0.0) || !(hi >= lo)) return 0; /* a row without its bolts */
    if (d_bolt != nullptr) *d_bolt = Get_Connector_Bolt_Diameter();
    if (db_min != nullptr) *db_min = lo;
    if (db_max != nullptr) *db_max = hi;
    return 1;
}

int Check_Connector_Bolt(void)
{
    /* EN 912 gives each connector size its bolts, and the rules of EN 1995-1-1, 8.9 and 8.10
    ** (the bolt's share of a toothed plate, the spacings, the washers) hold for those alone */
    double d = 0.0, lo = 0.0, hi = 0.0;
    if (!Connector_Bolt_Range(&d, &lo, &hi)) return 0;
    return d < lo - 1e-9 || d > hi + 1e-9 ? DERR_CONNECTOR_BOLT_OUTSIDE_ROW : 0;
}

/* ---------------------------------------------------------------- washer */

int Bolt_Washer_Least(double *d_bolt, double *least)
{
    const Splice_Input_Record *si = &Splice_Input;
    const int type = si->vbm_type;
    if (!si->washer) return 0;
    double d = 0.0;
    if (type == VBM_BOLZEN) d = si->d;
    else if (Is_Vbm_Connector(type)) d = si->d_bolt;
    else return 0;
    if (d_bolt != nullptr) *d_bolt = d;
    if (least != nullptr) *least = 3.0 * d;
    return 1;
}

double Bolt_Washer_Borne(double *d_bolt)
{
    const Splice_Input_Record *si = &Splice_Input;
    const int type = si->vbm_type;
    double d = 0.0;
    if (type == VBM_BOLZEN) d = si->d;
    else if (Is_Vbm_Connector(type)) d = si->d_bolt;
    else return 0.0;
    if (d_bolt != nullptr) *d_bolt = d;
    if (si->washer && si->washer_d > 1.0) return si->washer_d;
    /* the check holds for any washer the builder fits, however small the rules let it be */
    return Nad_Params != nullptr ? 3.0 * d : 0.0;
}

const char *Splice_Rope_Washer_Text(void)
{
    static char text[256];
    const Splice_Input_Record *si = &Splice_Input;
    double d = 0.0;
    const double borne = Bolt_Washer_Borne(&d);
    if (Nad_Params == nullptr || !(borne > 0.0)) {
        snprintf(text, sizeof text, "mit Unterlegscheibe d = %.0lf mm", si->washer_d);
    } else if (si->vbm_type == VBM_BOLZEN && si->connection_kind == CONN_OUTER_PLATES) {
        /* the nut on an outer plate: the plate bears as a washer (Ec5 bolts of the design) */
        const double t = si->t_p * 10.0;
        snprintf(text, sizeof text,
                 "mit dem Stahlblech als Unterlegscheibe, D = min(12 t, 4 d) = min(12 x %s, 4 x "
                 "%s) = %s mm (DIN EN 1995-1-1, 8.5.2(2))",
                 Mm_Of(t).t, Mm_Of(d).t, Mm_Of(std::fmin(12.0 * t, 4.0 * d)).t);
    } else if (si->washer && si->washer_d > 1.0) {
        snprintf(text, sizeof text, "mit Unterlegscheibe d = %.0lf mm", si->washer_d);
    } else {
        snprintf(text, sizeof text,
                 "mit der kleinsten Unterlegscheibe d = 3 d = %s mm (keine gew\x84hlt, DIN EN "
                 "1995-1-1, 10.4.3)",
                 Mm_Of(borne).t);
    }
    return text;
}

int Check_Bolt_Washer(void)
{
    /* washers under the head and nut of a bolt at least 3 d across (EN 1995-1-1, 10.4.3): the
    ** rope effect and the bolts' tension checks take their bearing area */
    double d = 0.0, least = 0.0;
    if (!Bolt_Washer_Least(&d, &least)) return 0;
    return Splice_Input.washer_d < least - 1e-9 ? DERR_WASHER_BELOW_3D : 0;
}

/* ---------------------------------------------------------------- staples */

int Staple_Least_Penetration(double *t2, double *least)
{
    const Splice_Input_Record *si = &Splice_Input;
    if (si->vbm_type != VBM_KLAMMER || Nad_Params == nullptr) return 0;
    double t = 0.0;
    switch (Get_Vbm_Penetration(&t)) {
    case VBM_PEN_ALTERNATE:
    case VBM_PEN_TWO_SIDED:
    case VBM_PEN_LAP:
    case VBM_PEN_FAR_MEMBER: break;
    default: return 0; /* too short or too long: refused by the thickness rule */
    }
    /* EN 1995-1-1, 8.4(3): t2 at least 14 d; the German annex asks 12 d (NA.16) */
    const double factor = Nad_Params->variant != 0 ? 12.0 : 14.0;
    if (t2 != nullptr) *t2 = t;
    if (least != nullptr) *least = factor * si->d;
    return 1;
}

int Check_Staple_Penetration(void)
{
    double t2 = 0.0, least = 0.0;
    if (!Staple_Least_Penetration(&t2, &least)) return 0;
    return t2 < least - 1e-9 ? DERR_STAPLE_PENETRATION_LEAST : 0;
}

/* ---------------------------------------------------------------- the first design */

int Check_First_Design(void)
{
    for (int g = 0; g < LKOM_GROUPS; g++)
        for (int e = 0; e < LKOM_ENTRIES; e++) {
            if (!Is_Lkom_Valid(g, e)) continue;
            /* the rules of the fastener's design do not depend on the combination: what one
            ** combination's design refuses, each refuses */
            Vbm_Check r;
            if (!Calc_Vbm_Check(g, e, &r)) return 0;
            if (r.error != 0) return r.error;
            for (const Vbm_Row &row : r.rows)
                if (!(row.R_k > 0.0)) return DERR_NO_LATERAL_RESISTANCE;
            return 0;
        }
    return 0;
}

/* ---------------------------------------------------------------- alternately driven nails */

/* 1 when a valid combination gives the fasteners a moment: M_d of a bending splice, or V_d,
** which has a lever about every centroid of fasteners away from the joint. */
static bool Any_Moment_Combination(void)
{
    const bool bending = Splice_Input.splice_kind == SPLICE_BENDING;
    for (int g = 0; g < LKOM_GROUPS; g++)
        for (int e = 0; e < LKOM_ENTRIES; e++) {
            if (!Is_Lkom_Valid(g, e)) continue;
            const Lkom_Entry *c = Get_Lkom_Entry(g, e);
            if ((bending && std::fabs(c->M_d) > 1e-5) || std::fabs(c->V_d) > 1e-5) return true;
        }
    return false;
}

int Vbm_Sides_Matter(Vbm_Side sides[2])
{
    if (!Vbm_Side_Patterns(Fastener_Pattern.count, sides)) return 0;
    return sides[0].n != sides[1].n || Any_Moment_Combination();
}

int Check_Side_Polar_Moments(void)
{
    Vbm_Side sp[2];
    if (!Vbm_Side_Patterns(Fastener_Pattern.count, sp)) return 0;
    if (sp[0].I_p > 1e-9 && sp[1].I_p > 1e-9) return 0;
    return Any_Moment_Combination() ? DERR_SIDE_WITHOUT_POLAR_MOMENT : 0;
}
