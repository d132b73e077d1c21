/*
** Internal rule tables shared by the minimum spacings of the design run and the material-aware
** spacing rule functions (not part of the folder's public interface).
*/
#pragma once

/* The fastener and member data of one spacing evaluation. */
struct Spacing_Case {
    int type;               /* Vbm_Type_Code after the caller's mapping */
    int mat;                /* Mat_Group_Code of the member */
    double rho_k;           /* kg/m³ */
    double d;               /* mm (connectors: dc) */
    double d_bolt;          /* mm, bolt of a connector unit */
    double alpha;           /* radians, unreduced */
    double theta;           /* degrees, staple crown to grain */
    int predrilled, fitted, douglas, split_rule;
    double t1, t2;          /* mm */
    double pi;              /* value of pi for the degree conversions */
    bool rule_functions;    /* the differences of the single-distance rule functions */
    int screw_predrilled;   /* rule functions: ETA-11/0190 screws take the pre-drilled rules */
};

/* Values in the order a1, a2, a3t, a3c, a4t, a4c. Return the DIN rule index (0: no rule). */
int Spacing_Rules_Lvl(const Spacing_Case &c, double v[6]);
int Spacing_Rules_General(const Spacing_Case &c, double v[6]);
