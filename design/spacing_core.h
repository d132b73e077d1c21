/*
** Internal rule tables shared by the minimum spacings of the design run and the material-aware
** spacing rule functions (not part of the folder's public interface).
*/
#pragma once

/* The fastener and member data of one spacing evaluation. */
struct Spacing_Case {
    int type;      /* Vbm_Type_Code after the caller's mapping */
    int mat;       /* Mat_Group_Code of the member */
    double rho_k;  /* kg/m³ */
    double d;      /* mm (connectors: dc) */
    double d_bolt; /* mm, bolt of a connector unit */
    double alpha;  /* radians, unreduced */
    double theta;  /* degrees, staple crown to grain */
    int predrilled, fitted, douglas, split_rule;
    double t1, t2;        /* mm */
    double pi;            /* value of pi for the degree conversions */
    bool rule_functions;  /* the differences of the single-distance rule functions */
    int screw_predrilled; /* rule functions: ETA-11/0190 screws take the pre-drilled rules */
};

/*
** Angle of the unloaded end (degrees): the force-to-grain angle of the design points to the loaded
** end, for an angle below 90 degrees the unloaded end sees the force turned by 180 degrees.
*/
inline double Unloaded_End_Angle(double alpha_deg)
{
    return alpha_deg < 90.0 ? alpha_deg + 180.0 : alpha_deg;
}

/* The bands 90 <= a < 150 and 210 <= a < 270 of the unloaded end in which a3,c of dowels and
** bolts grows with |sin a| (EN 1995-1-1, Tables 8.4 and 8.5). */
inline bool Unloaded_End_Band(double alpha_deg)
{
    const double a = Unloaded_End_Angle(alpha_deg);
    return (a >= 90.0 && a < 150.0) || (a >= 210.0 && a < 270.0);
}

/*
** The spacings of staples of diameter d (mm) under EN 1995-1-1, Table 8.3, into v in the order
** a1, a2, a3t, a3c, a4t, a4c (mm): theta is the angle of the crown to the grain (degrees, compared
** with 30), abs_cos and abs_sin are |cos| and |sin| of the force-to-grain angle.
*/
void Staple_Spacings_Ec5(double d, double theta, double abs_cos, double abs_sin, double v[6]);

/* Values in the order a1, a2, a3t, a3c, a4t, a4c. Return the DIN rule index (0: no rule). */
int Spacing_Rules_Lvl(const Spacing_Case &c, double v[6]);

/*
** Spacings in every other material: staples, connectors, bolts, dowels and fitted bolts, nails and
** screws. Return the DIN rule index (8, 9, 10, 13, 18, 20, 21) or 0 for a type without a rule.
*/
int Spacing_Rules_General(const Spacing_Case &c, double v[6]);
