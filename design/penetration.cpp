/*
** Penetration of nails and screws into the point-side member, the two message lists in which it
** leaves its notes for the print list, the check of nails driven from both sides into a middle
** member, and the minimum thicknesses 3 d and 5 d. Lengths in mm, angles in degrees.
*/
#include "design/design_embedment.h"

#include <cmath>

#include "design/design_lateral.h"
#include "nad/nad.h"

/* ---------------------------------------------------------------- message lists */

/* Append a code to list 1 or 2; codes beyond the 500th of a list are dropped. */
void Msg_Codes_Append(int list, int32_t code)
{
    int32_t *count = list == 2 ? &Msg_Codes.count2 : &Msg_Codes.count;
    const int base = list == 2 ? MSG_LIST_SIZE : 0;
    if (*count < 0 || *count >= MSG_LIST_SIZE) return;
    Msg_Codes.codes[base + *count] = code;
    (*count)++;
}

void Msg_Codes_Clear(void) { Msg_Codes = Msg_Code_Block{}; }

/* Minimum point length: 4 d, or d under EN 1995 with an annex without rules of its own. */
static double Min_Point_Length(double d)
{
    if (Nad_Params != nullptr && Nad_Params->variant == 0) return d;
    return 4.0 * d;
}

/* ---------------------------------------------------------------- penetration */

int Calc_Vbm_Penetration(int kind, double d, double length, double angle, double t1, double t2,
                         double *out_penetration, int *out_member)
{
    const double m = Min_Point_Length(d);
    const double L = length * std::sin(angle * DESIGN_PI / 180.0);
    double pen = 0.0;
    int member = 0; /* set on every path */
    int cs = 0;
    if (L <= t1) {
        Msg_Codes_Append(2, 89);
        pen = L;
        member = 0;
        cs = 0;
    } else {
        double p = L - t1;
        if (p <= t2) {
            if (L > t2 - p) {
                cs = kind == 1 ? 1 : 2;
                Msg_Codes_Append(1, 91);
                if (p < 4.0 * d) Msg_Codes_Append(1, 8);
            } else {
                cs = t2 - p > 0.0 ? 2 : 1;
                Msg_Codes_Append(1, 90);
            }
            if (p >= m) {
                if (p < 4.0 * d) Msg_Codes_Append(1, 8);
                member = 1;
            }
            pen = p;
        } else {
            p = L - t1 - t2;
            if (kind == 1) {
                for (int pass = 0; pass < 2; pass++) {
                    if (t2 >= m) {
                        member = 1;
                        if (t2 < 4.0 * d) Msg_Codes_Append(1, 8);
                    }
                }
                pen = t2;
                cs = 4;
            } else if (kind == 2) {
                if (t1 >= p) {
                    cs = 3;
                    Msg_Codes_Append(1, 92);
                    if (p < 4.0 * d) Msg_Codes_Append(1, 8);
                    member = p >= m ? 2 : 1;
                    pen = p;
                } else {
                    cs = 4;
                    Msg_Codes_Append(2, 93);
                    if (t1 >= m) {
                        member = 2;
                        if (t1 < 4.0 * d) Msg_Codes_Append(1, 8);
                    } else {
                        member = 1;
                    }
                    pen = t1;
                }
            } else {
                cs = 0;
                member = 0;
                pen = p;
            }
        }
    }
    if (Nad_Params != nullptr && pen < 8.0 * d) Msg_Codes_Append(1, 145);
    if (out_penetration != nullptr) *out_penetration = pen;
    if (out_member != nullptr) *out_member = member;
    return cs;
}

/* ---------------------------------------------------------------- overlapping nails */

namespace {

struct Overlap_Side {
    double p;  /* mm, length beyond the side member */
    int count; /* anchorages with the minimum point length */
};

Overlap_Side Overlap_Side_Of(double l, double t_side, double t_mid, double m)
{
    Overlap_Side s;
    s.p = l - t_side;
    s.count = s.p >= m ? 1 : 0;
    if (s.p <= 0.0) {
        s.p = l;
    } else {
        s.p -= t_mid;
        if (s.p >= m) s.count++;
        if (s.p <= 0.0) s.p = t_mid;
    }
    return s;
}

} // namespace

int Check_Nail_Overlap(double t1, double t_mid, double t3, int staggered, double l1, double d1,
                       double angle1, double *out_pen1, int *out_count1, int *out_state1, double l2,
                       double d2, double angle2, double *out_pen2, int *out_count2, int *out_state2)
{
    const double m1 = Min_Point_Length(d1), m2 = Min_Point_Length(d2);
    const Overlap_Side s1 = Overlap_Side_Of(l1, t1, t_mid, m1);
    const Overlap_Side s2 = Overlap_Side_Of(l2, t3, t_mid, m2);
    int state1 = t1 < l1 * std::sin(angle1 * DESIGN_PI / 180.0) ? 1 : 0;
    int state2 = 1;
    if (t3 < l2 * std::sin(angle2 * DESIGN_PI / 180.0)) {
        if (s1.count == 1 && s2.count == 2) {
            state2 = 4;
        } else if (s1.count == 2 && s2.count == 1) {
            state1 = 4;
        } else if (s1.count == 2 && s2.count == 2) {
            state1 = state2 = 4;
        } else if (s1.count == 1 && s2.count == 1) {
            bool apart;
            if (staggered) apart = t_mid + 1.0 <= s1.p + s2.p;
            else apart = t_mid - s1.p + 1.0 <= m1 || t_mid - s2.p + 1.0 <= m2;
            state1 = state2 = apart ? 4 : 2;
        }
    } else {
        state2 = 0;
    }
    const int ok = state1 == 2 && state2 == 2 ? 1 : 0;
    if (s1.count == 2 && t3 < s1.p + 1.0) state1 = 4;
    if (s1.count == 2 && t1 < s2.p + 1.0) state2 = 4;
    if (out_count1 != nullptr) *out_count1 = s1.count;
    if (out_pen1 != nullptr) *out_pen1 = s1.p;
    if (out_state1 != nullptr) *out_state1 = state1;
    if (out_state2 != nullptr) *out_state2 = state2;
    if (out_count2 != nullptr) *out_count2 = s2.count;
    if (out_pen2 != nullptr) *out_pen2 = s2.p;
    return ok;
}

void Check_Nail_Overlap_Same(double t1, double t_mid, double t3, int staggered, double l, double d)
{
    Check_Nail_Overlap(/*t1=*/t1, /*t_mid=*/t_mid, /*t3=*/t3, /*staggered=*/staggered, /*l1=*/l,
                       /*d1=*/d, /*angle1=*/90.0, /*out_pen1=*/nullptr, /*out_count1=*/nullptr,
                       /*out_state1=*/nullptr, /*l2=*/l, /*d2=*/d, /*angle2=*/90.0,
                       /*out_pen2=*/nullptr, /*out_count2=*/nullptr, /*out_state2=*/nullptr);
}

/* ---------------------------------------------------------------- minimum thicknesses */

double Calc_T_Min_3d(double d) { return 3.0 * d > 24.0 ? 3.0 * d : 24.0; }

double Calc_T_Min_5d(double d) { return 5.0 * d > 24.0 ? 5.0 * d : 24.0; }
