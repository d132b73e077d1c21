/*
** Lateral capacity per shear plane of the single-value rule functions (EN 1995-1-1, 8.2.2 and
** 8.2.3): the failure-mode equations without mode factors, with the embedment strengths computed
** from the rule input, staples counted with both legs, aluminium plates capped by their bearing;
** the block-shear thicknesses of a steel-to-timber splice and the layered members.
** N, mm, N/mm²; angles in degrees at the record, the full double value of pi.
*/
#include "design/design_rules.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "catalogue/catalogue.h"
#include "design/design_embedment.h"
#include "design/design_lateral.h"
#include "design/design_plates.h"

namespace {

constexpr double Pi = std::numbers::pi;

double Rad(double deg) { return deg * Pi / 180.0; }

/* Embedment strength of member m with its status. whole_mm truncates d to whole millimetres;
** beech takes the laminated-beech function for material 18. */
double Member_Fh(const Vbm_Rule_Input *in, int m, bool whole_mm, bool beech, int *status)
{
    const int mat = m == 1 ? in->mat1 : in->mat2;
    const int grade = m == 1 ? in->grade1 : in->grade2;
    const double t = m == 1 ? in->t1_a : in->t2_a;
    const double alpha = Rad(m == 1 ? in->alpha1 : in->alpha2);
    const Vbm_Layered_Member *layers = m == 1 ? in->layers1 : in->layers2;
    const Vbm_User_Embedment *user = m == 1 ? in->user_embedment_1 : in->user_embedment_2;
    const User_Material *um = m == 1 ? in->user_material_1 : in->user_material_2;
    double d = whole_mm ? std::floor(in->d) : in->d;
    if (in->vbm_type == VBM_BOLZEN && !in->fitted_bolt) d += 1.0;
    *status = 0;
    if (layers != nullptr && mat == MAT_C24_DENSITY) {
        const double x0 = m == 1 ? in->x_layers[0] : in->x_layers[2];
        const double x1 = m == 1 ? in->x_layers[1] : in->x_layers[3];
        return Calc_Fh_Layered(layers, in->vbm_type, d, x0, x1, in->predrilled, alpha,
                               Rad(in->screw_angle), 0);
    }
    if (Is_Mat_Metal_Plate(mat)) return 0.0;
    double rho = 0.0;
    Get_Rho_K(mat, grade, t, &rho, um);
    double fh = 0.0;
    if (beech && mat == MAT_BAUBUCHE_PLATTE) {
        fh = Calc_Fh_Beech_Lvl(/*type=*/in->vbm_type, /*mat=*/mat, /*grade=*/grade, /*rho_k=*/rho,
                               /*d=*/d, /*predrilled=*/in->predrilled, /*alpha=*/alpha,
                               /*beta=*/Pi / 4.0, /*eps=*/Pi / 4.0, /*out_k=*/nullptr,
                               /*out_k90=*/nullptr);
    } else {
        *status = Calc_Fh(/*out_fh=*/&fh, /*d=*/d, /*type=*/in->vbm_type,
                          /*predrilled=*/in->predrilled, /*alpha=*/alpha, /*t=*/t, /*rho_k=*/rho,
                          /*mat=*/mat, /*grade=*/grade, /*user=*/user);
    }
    return fh;
}

/* fu of the plate branches: the steel grade's for a dowel, and for a bolt with a grade. */
double Plate_Fu(const Vbm_Rule_Input *in)
{
    /* A negative steel-grade code means the given fu applies, for dowels as for bolts. */
    if (Is_Vbm_Dowel_Or_Bolt(in->vbm_type) && in->steel_grade >= 0)
        return Get_Stahlguete(static_cast<uint32_t>(in->steel_grade))->fu;
    return in->fu;
}

/* Yield moment by family (as the design run's equations), with the given fu. */
double Rule_My(const Vbm_Rule_Input *in, double fu)
{
    const int type = in->vbm_type;
    const double d = in->d;
    if (type == VBM_BOLZEN && in->threaded_rod)
        return Calc_Vbm_Yield_Moment(Get_Thread_Effective_Diameter(d), fu);
    if (Is_Vbm_Screw_Eta12(type))
        return in->stainless == 1 ? Get_Eta12_Screw_My_Alt(d) : Get_Eta12_Screw_My(d);
    if (Is_Vbm_Screw_Eta11(type))
        return in->stainless == 1 ? Get_Eta11_Screw_My_Alt(d) : Get_Eta11_Screw_My(d);
    if (Is_Vbm_Screw_Family_C(type))
        return in->stainless == 1 ? Get_Screw_C_My_By_Type(type, d) : Get_Screw_C_My(d);
    if (Is_Vbm_Din571_Screw(type)) return 0.15 * fu * std::pow(d, 2.6);
    if (type == VBM_SIMPSON_CSA) return Get_Nail46_Yield_Moment(d, 1);
    if (type == VBM_KLAMMER) return Get_Staple_Yield_Moment(d, Calc_Vbm_Yield_Moment_Cubic(d));
    return Calc_Vbm_Yield_Moment(d, fu);
}

bool Covered_Type(int type)
{
    return Is_Vbm_Nail_Or_Screw(type) || type == VBM_KLAMMER || Is_Vbm_Dowel_Or_Bolt(type);
}

/* Applied to the value of the governing failure mode: a staple counts as its two legs (EN 1995-1-1,
** 8.4(2)), in gypsum fibreboard as legs of at most 1.5 mm (factor 1.5 / d), and with its crown
** at less than 30 degrees to the grain at 0.7 of that (EN 1995-1-1, 8.4(3)). */
double Staple_Factors(const Vbm_Rule_Input *in, double v)
{
    if (in->vbm_type != VBM_KLAMMER) return v;
    v *= 2.0;
    if ((in->mat1 == MAT_FERMACELL || in->mat2 == MAT_FERMACELL) && in->d > 1.5) v *= 1.5 / in->d;
    if (in->staple_angle < 30.0) v *= 0.7;
    return v;
}

/* Applied last, after the staple factors: the value never exceeds the bearing resistance of
** member m (1 or 2) when that member is an aluminium plate. */
double Alu_Cap(const Vbm_Rule_Input *in, int m, double v, Vbm_Rule_Result *res)
{
    const int mat = m == 1 ? in->mat1 : in->mat2;
    if (mat != MAT_ALUBLECH) return v;
    const int grade = m == 1 ? in->grade1 : in->grade2;
    const double t = m == 1 ? in->t1_a : in->t2_a;
    double k1 = 0.0, ab = 0.0;
    const double fu = Get_Alu_Fu(grade);
    const double b = Calc_Plate_Bearing_Resistance(in->d, t, in->fitted_bolt, fu, &k1, &ab);
    if (res != nullptr) {
        res->alu_fu = fu;
        res->alu_bearing = b;
        res->alu_factor1 = k1;
        res->alu_factor2 = ab;
    }
    return std::min(v, b);
}

/*
** The last steps of both forms on the value v of the governing mode, whose rope-effect share is
** share: the staple factors, which scale the share alike, and the caps of aluminium plates (the
** members from 1 to last), under which no share is left; the share into res. Return the value.
*/
double Keep_Rope_Share(const Vbm_Rule_Input *in, double v, int last, Vbm_Rule_Result *res,
                       double share)
{
    const double v0 = v;
    v = Staple_Factors(in, v);
    share = v0 > 0.0 ? share * v / v0 : 0.0;
    const double v1 = v;
    for (int m = last; m >= 1; m--) v = Alu_Cap(in, m, v, res);
    if (v < v1) share = 0.0;
    if (res != nullptr) res->rope = share;
    return v;
}

double Hinge14(double fh, double t, double d, double my)
{
    return fh * t * d * (std::sqrt(2.0 + 4.0 * my / (fh * d * t * t)) - 1.0);
}

void Report(Vbm_Rule_Result *res, int s1, int s2, double fh1, double fh2, double my, int mode,
            int cls, double fu)
{
    if (res == nullptr) return;
    res->fh1_status = s1;
    res->fh2_status = s2;
    res->fh1 = fh1;
    res->fh2 = fh2;
    res->My = my;
    res->mode = mode;
    res->plate_class = cls;
    res->fu_used = fu;
}

} // namespace

/* ---------------------------------------------------------------- single and double shear */

double Calc_Fv_Rk_Single_Shear(Vbm_Rule_Input *in, Vbm_Rule_Result *res)
{
    const int type = in->vbm_type;
    const double d = in->d;
    if (!Covered_Type(type) || d <= 0.0) return 0.0;
    int s1 = 0, s2 = 0;
    const double fh1 = Member_Fh(in, 1, false, false, &s1);
    const double fh2 = Member_Fh(in, 2, false, false, &s2);
    const bool plate1 = Is_Mat_Metal_Plate(in->mat1);
    const double fax = type == VBM_KLAMMER ? in->f_ax_rope / 2.0 : in->f_ax_rope;
    double sh[16] = {}; /* the rope-effect share of each mode */
    int at = 0;         /* the mode whose share the next call keeps */
    const auto rope = [&](double part) { return sh[at] = Calc_Rope_Effect(type, part, fax); };
    double v = 0.0, my = 0.0, fu = in->fu, share = 0.0;
    int mode = 0, cls = 0;
    if (!plate1) {
        my = Rule_My(in, fu);
        if (fh1 >= 1e-6 && fh2 >= 1e-6 && in->t1_a > 0.0 && in->t2_a > 0.0) {
            const double t1 = in->t1_a, t2 = in->t2_a, b = fh2 / fh1, q = t2 / t1, fh = fh1;
            double r[7];
            r[1] = fh * t1 * d;
            r[2] = fh * t2 * d * b;
            double p = fh * t1 * d / (1.0 + b)
                       * (std::sqrt(b + 2.0 * b * b * (1.0 + q + q * q) + b * b * b * q * q)
                          - b * (1.0 + q));
            at = 3;
            r[3] = p + rope(p);
            p = 1.05 * fh * t1 * d / (2.0 + b)
                * (std::sqrt(2.0 * b * (1.0 + b) + 4.0 * b * (2.0 + b) * my / (fh * d * t1 * t1))
                   - b);
            at = 4;
            r[4] = p + rope(p);
            p = 1.05 * fh * t2 * d / (1.0 + 2.0 * b)
                * (std::sqrt(2.0 * b * b * (1.0 + b)
                             + 4.0 * b * (1.0 + 2.0 * b) * my / (fh * d * t2 * t2))
                   - b);
            at = 5;
            r[5] = p + rope(p);
            p = 1.15 * std::sqrt(2.0 * b / (1.0 + b)) * std::sqrt(2.0 * my * fh * d);
            at = 6;
            r[6] = p + rope(p);
            mode = 1;
            for (int m = 2; m <= 6; m++)
                if (r[m] < r[mode]) mode = m;
            v = r[mode];
            share = sh[mode];
        }
    } else {
        fu = Plate_Fu(in);
        my = Rule_My(in, fu);
        double k = 0.0;
        cls = Classify_Plate_Thickness(type, in->mat1, d, in->t1_a, in->plate_hole_clearance, &k);
        const double t = in->t2_a, fh = fh2;
        if (fh >= 1e-6 && t > 0.0) {
            const bool din571 = Is_Vbm_Din571_Screw(type);
            const double my_f = din571 ? 0.3 * fu * std::pow(d, 2.6) : my;
            double r[16];
            r[11] = Thin_Plate_Factor() * fh * t * d;
            double p = 1.15 * std::sqrt(2.0 * my * fh * d);
            at = 12;
            r[12] = p + rope(p);
            r[13] = fh * t * d;
            p = Hinge14(fh, t, d, my_f);
            at = 14;
            r[14] = p + rope(p);
            if (din571) {
                const double t_s = in->length - in->t1_a - in->l_ef;
                const double ra = std::sqrt(2.0) * std::sqrt(2.0 * my_f * fh * d);
                double rb = std::sqrt(2.0) * std::sqrt((my_f + my) * fh * d);
                if (rb / (d * fh) < t_s) rb = ra;
                const double rc = std::sqrt(2.0) * std::sqrt(2.0 * my * fh * d) + t_s * fh * d;
                p = 1.15 * std::min({ra, rb, rc});
            } else {
                p = 2.3 * std::sqrt(my * fh * d);
            }
            at = 15;
            r[15] = p + rope(p);
            const int thin = r[12] <= r[11] ? 12 : 11;
            int thick = r[14] <= r[13] ? 14 : 13;
            if (r[15] < r[thick]) thick = 15;
            if (cls == 0) {
                mode = thin;
                v = r[thin];
                share = sh[thin];
            } else if (cls == 2) {
                mode = thick;
                v = r[thick];
                share = sh[thick];
            } else if (cls == 1) {
                v = k * r[thick] + (1.0 - k) * std::min(r[11], r[12]);
                share = k * sh[thick] + (1.0 - k) * (r[12] < r[11] ? sh[12] : 0.0);
                mode = r[13] < r[14] ? 27 : 28;
                if (r[15] < std::min(r[13], r[14])) mode = 29;
            } else {
                mode = 11;
                v = 0.0;
            }
        }
    }
    v = Keep_Rope_Share(in, v, 1, res, share);
    Report(res, s1, s2, fh1, fh2, my, mode, cls, fu);
    return v;
}

double Calc_Fv_Rk_Double_Shear(Vbm_Rule_Input *in, Vbm_Rule_Result *res)
{
    const int type = in->vbm_type;
    const double d = in->d;
    if (!Covered_Type(type) || d <= 0.0) return 0.0;
    int s1 = 0, s2 = 0;
    const double fh1 = Member_Fh(in, 1, true, true, &s1);
    const double fh2 = Member_Fh(in, 2, true, true, &s2);
    const bool plate1 = Is_Mat_Metal_Plate(in->mat1), plate2 = Is_Mat_Metal_Plate(in->mat2);
    const double fax = type == VBM_KLAMMER ? in->f_ax_rope / 2.0 : in->f_ax_rope;
    double sh[23] = {}; /* the rope-effect share of each mode */
    int at = 0;         /* the mode whose share the next call keeps */
    const auto rope = [&](double part) { return sh[at] = Calc_Rope_Effect(type, part, fax); };
    const double fu = (plate1 || plate2) ? Plate_Fu(in) : in->fu;
    const double my = Rule_My(in, fu);
    const double t1 = in->t1_a, t2 = in->t2_a;
    double v = 0.0, k = 0.0, share = 0.0;
    int mode = 0, cls = 0;
    if (!plate1 && !plate2) {
        if (fh1 >= 1e-6 && fh2 >= 1e-6 && t1 > 0.0 && t2 > 0.0) {
            const double b = fh2 / fh1, fh = fh1;
            double r[11];
            r[7] = fh * t1 * d;
            r[8] = 0.5 * fh * t2 * d * b;
            double p =
                1.05 * fh * t1 * d / (2.0 + b)
                * (std::sqrt(2.0 * b * (1.0 + b) + 4.0 * b * (2.0 + b) * my / (fh * d * t1 * t1))
                   - b);
            at = 9;
            r[9] = p + rope(p);
            p = 1.15 * std::sqrt(2.0 * b / (1.0 + b)) * std::sqrt(2.0 * my * fh * d);
            at = 10;
            r[10] = p + rope(p);
            mode = 7;
            for (int m = 8; m <= 10; m++)
                if (r[m] < r[mode]) mode = m;
            v = r[mode];
            share = sh[mode];
        }
    } else if (plate2 && !plate1) {
        if (fh1 >= 1e-6 && t1 > 0.0) {
            const double a = fh1 * t1 * d;
            double p = Hinge14(fh1, t1, d, my);
            at = 17;
            const double b = p + rope(p);
            p = 2.3 * std::sqrt(my * fh1 * d);
            at = 18;
            const double c = p + rope(p);
            v = std::min({a, b, c});
            share = v == a ? 0.0 : v == b ? sh[17] : sh[18];
        }
    } else if (plate1 && !plate2) {
        cls = Classify_Plate_Thickness(type, in->mat1, d, t1, in->plate_hole_clearance, &k);
        if (fh2 >= 1e-6 && t2 > 0.0) {
            double r[23];
            r[19] = r[21] = 0.5 * fh2 * t2 * d;
            double p = 1.15 * std::sqrt(2.0 * my * fh2 * d);
            at = 20;
            r[20] = p + rope(p);
            p = 2.3 * std::sqrt(my * fh2 * d);
            at = 22;
            r[22] = p + rope(p);
            if (cls == 0) {
                mode = r[20] <= r[19] ? 20 : 19;
                v = r[mode];
                share = sh[mode];
            } else if (cls == 2) {
                mode = r[22] <= r[21] ? 22 : 21;
                v = r[mode];
                share = sh[mode];
            } else if (cls == 1) {
                v = k * std::min(r[21], r[22]) + (1.0 - k) * std::min(r[19], r[20]);
                share =
                    k * (r[22] < r[21] ? sh[22] : 0.0) + (1.0 - k) * (r[20] < r[19] ? sh[20] : 0.0);
                mode = r[21] < r[22] ? 23 : 24;
            } else {
                mode = 19;
                v = 0.0;
            }
        }
    }
    v = Keep_Rope_Share(in, v, 2, res, share);
    Report(res, s1, s2, fh1, fh2, my, mode, cls, fu);
    return v;
}

int Calc_Fv_Rk(Vbm_Rule_Input *input, int shear_planes, Vbm_Rule_Result *result)
{
    if (input == nullptr) return 0;
    if (input->vbm_type == VBM_KLAMMER && input->fu < 800.0) input->fu = 800.0;
    double v;
    if (shear_planes == 1) v = Calc_Fv_Rk_Single_Shear(input, result);
    else if (shear_planes == 2) v = Calc_Fv_Rk_Double_Shear(input, result);
    else return 0;
    if (result != nullptr) result->Fv_Rk = v;
    return 0;
}

/* ---------------------------------------------------------------- block shear */

void Calc_Fh_Members(Vbm_Rule_Input *in, Block_Shear_Values *bsv)
{
    if (in == nullptr || bsv == nullptr) return;
    const bool plate1 = Is_Mat_Metal_Plate(in->mat1), plate2 = Is_Mat_Metal_Plate(in->mat2);
    if (!plate1 && !plate2) return;
    const int timber = plate1 ? 2 : 1;
    int status = 0;
    const double fh = Member_Fh(in, timber, false, true, &status);
    double t = plate1 ? in->t2 : in->t1;
    const int type = in->vbm_type;
    if (Is_Vbm_Nail_Screw_Or_Staple(type)) t = std::min(0.5 * t, in->length - in->t1);
    const double d = in->d;
    const double my = Rule_My(in, Plate_Fu(in));
    bsv->plate_class =
        Classify_Plate_Thickness(type, in->mat1, d, in->t1, in->plate_hole_clearance, nullptr);
    bsv->My = my;
    bsv->fh = fh;
    bsv->t = t;
    const double root = fh * d > 0.0 ? std::sqrt(my / (fh * d)) : 0.0;
    bsv->t_ef_a = std::min(0.4 * t, t);
    bsv->t_ef_b = std::min(1.4 * root, t);
    bsv->t_ef_d = (fh * d > 0.0 && t > 0.0) ? std::min(Hinge14(fh, t, d, my) / (fh * d), t) : 0.0;
    bsv->t_ef_e = std::min(2.0 * root, t);
}

/* ---------------------------------------------------------------- layered members */

double Calc_Rho_K_Layered(const Vbm_Layered_Member *member, double from, double to)
{
    if (member == nullptr) return 0.0;
    const int n = std::min(std::max(member->layer_count, 0), VBM_MAX_LAYERS);
    double total = 0.0;
    for (int i = 0; i < n; i++) total += member->layers[i].thickness;
    if (to < 0.0 || to < from) {
        from = 0.0;
        to = total;
    }
    double pos = 0.0, sum = 0.0, weight = 0.0;
    for (int i = 0; i < n; i++) {
        const Vbm_Layer &l = member->layers[i];
        const double lo = pos, hi = pos + l.thickness;
        pos = hi;
        const double overlap = std::min(hi, to) - std::max(lo, from);
        if (overlap <= 0.0) continue;
        double rho = 0.0;
        Get_Rho_K(l.mat, l.grade, l.thickness, &rho, nullptr);
        sum += rho * overlap;
        weight += overlap;
    }
    return weight > 0.0 ? sum / weight : 0.0;
}

double Calc_Fh_Layered(const Vbm_Layered_Member *member, int type, double d, double from, double to,
                       int predrilled, double alpha, double axis_angle, int flag)
{
    if (member == nullptr) return 0.0;
    if (Design_Is_Screw(type)) return d < 4.0 ? 0.0 : 20.0 * std::pow(d, -0.5);
    const double rho = Calc_Rho_K_Layered(member, from, to);
    if (Is_Vbm_Dowel_Or_Bolt(type)) {
        const double k90 = Calc_K90(d, -10);
        const double s = std::sin(alpha), c = std::cos(alpha);
        return Calc_Fh0_Bolt(d, rho) / (k90 * s * s + c * c);
    }
    if (Is_Vbm_Nail(type) || type == VBM_KLAMMER) return Calc_Fh_Nail(d, rho, predrilled);
    return 0.0;
}
