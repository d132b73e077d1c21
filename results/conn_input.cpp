/*
** Connection input of the fastener design from the splice: the Connection_Input of one
** combination, the rule input of the single-fastener rules, kmod of both members and the copy
** of the rule results. Lengths in mm, angles in degrees, forces in kN where asked.
*/
#include "results/splice_calc.h"

#include <cmath>
#include <cstring>

#include "catalogue/catalogue.h"


void Get_Joint_Members(Joint_Members *m)
{
    const Splice_Input_Record *si = &Splice_Input;
    *m = Joint_Members{};
    m->gamma_2 = si->gamma_m_mid;
    switch (si->connection_kind) {
    case CONN_INNER_PLATES:
        m->mat_1 = si->mat_mid;
        m->grade_1 = si->grade_mid;
        m->mat_2 = 12;
        m->grade_2 = si->grade_mid;
        m->t1 = 10.0 * Calc_Timber_Part_Thickness();
        m->t2 = 10.0 * si->t_p;
        m->gamma_1 = si->gamma_m_mid;
        break;
    case CONN_OUTER_PLATES:
        m->mat_1 = 12;
        m->grade_1 = si->grade_side;
        m->mat_2 = si->mat_mid;
        m->grade_2 = si->grade_mid;
        m->t1 = 10.0 * si->t_p;
        m->t2 = 10.0 * si->b;
        m->gamma_1 = si->gamma_m_side;
        break;
    case CONN_LAP:
        m->mat_1 = m->mat_2 = si->mat_mid;
        m->grade_1 = m->grade_2 = si->grade_mid;
        m->t1 = m->t2 = 10.0 * si->b / 2.0;
        m->gamma_1 = si->gamma_m_mid;
        break;
    default:
        m->mat_1 = si->mat_side;
        m->grade_1 = si->grade_side;
        m->mat_2 = si->mat_mid;
        m->grade_2 = si->grade_mid;
        m->t1 = 10.0 * si->t_s;
        m->t2 = 10.0 * si->b;
        m->gamma_1 = si->gamma_m_side;
        break;
    }
}

int Vbm_Own_Shear_Planes(void)
{
    const Splice_Input_Record *si = &Splice_Input;
    /* a lap has two members and one shear plane: a point that leaves its second half holds in
    ** nothing beyond it */
    if (si->connection_kind == CONN_LAP) return 1;
    Joint_Members m;
    Get_Joint_Members(&m);
    int member = 0;
    double pen = 0.0;
    Calc_Vbm_Penetration(2, si->d, si->l, 90.0, m.t1, m.t2, &pen, &member);
    return member == 2 ? 2 : 1;
}

/* Steel grade of the fastener design: a connector's is the steel of its bolt, a dowel's or bolt's
** its own. Nails, staples and screws have none (the page asks their f_u,k, and a plain nail's is
** the 600 N/mm² of its wire): -1, so that the yield moment beside a steel plate takes the
** fastener's f_u (EN 1995-1-1, 8.3.1.1(3)), not the grade a dowel left behind. */
static int32_t Design_Steel_Grade(void)
{
    const Splice_Input_Record *si = &Splice_Input;
    if (Is_Vbm_Connector(si->vbm_type)) return si->bolt_steel;
    return Is_Vbm_Dowel_Or_Bolt(si->vbm_type) ? si->vbm_steel : -1;
}

/* Tensile strength handed to the design: the user's f_u for DIN 571 screws, staples and
** special nails, else 600 N/mm². */
static double Design_Fu(void)
{
    const int t = Splice_Input.vbm_type;
    if (Is_Vbm_Din571_Screw(t) || t == VBM_KLAMMER || Is_Vbm_Special_Nail(t))
        return Splice_Input.fu_k;
    return 600.0;
}

/*
** Tensile strength f_u,k of the fastener, N/mm², the one every check takes: a dowel's or bolt's is
** that of its steel grade, the one its yield moment takes (EN 1995-1-1, 8.5.1.1); a connector's
** that of the steel of its bolt; a plain nail's the 600 of its yield moment (EN 1995-1-1,
** 8.3.1.1(3), the least wire strength of nails to EN 14592); other fasteners have the value of
** Splice_Input.
*/
double Get_Fastener_Fu_K(void)
{
    const Splice_Input_Record *si = &Splice_Input;
    const int t = si->vbm_type;
    if (Is_Vbm_Dowel_Or_Bolt(t) && si->vbm_steel >= 0)
        return Get_Stahlguete((uint32_t)si->vbm_steel)->fu;
    if (Is_Vbm_Connector(t) && si->bolt_steel >= 0)
        return Get_Stahlguete((uint32_t)si->bolt_steel)->fu;
    if (t == VBM_NAGEL) return Design_Fu();
    return si->fu_k;
}

/* f_ub of the fastener in the bearing of a steel plate (EN 1993-1-8, Table 3.4): 500 N/mm² for
** approved screws, else the fastener's f_u,k. */
double Plate_Bearing_Fu_B(void)
{
    const int t = Splice_Input.vbm_type;
    if (Is_Vbm_Screw_Eta12(t) || Is_Vbm_Screw_Eta11(t)) return 500.0;
    return Get_Fastener_Fu_K();
}

double Get_Connector_Bolt_Diameter(void)
{
    const int i = Splice_Input.bolt_index;
    const Diameter_List *l = &Dowel_Bolt_Diameters.bolt;
    return (i >= 0 && i < l->count) ? l->d[i] : 0.0;
}

int Connector_Row_Bolt_Index(int type, int row, int index)
{
    const Diameter_List *l = &Dowel_Bolt_Diameters.bolt;
    const double lo = Get_Connector_Value(type, row, "db_min");
    const double hi = Get_Connector_Value(type, row, "db_max");
    if (!(lo > 0.0) || !(hi >= lo) || l->count <= 0) return index;
    const double d = index >= 0 && index < l->count ? l->d[index] : 0.0;
    if (d >= lo - 1e-9 && d <= hi + 1e-9) return index;
    int best = index;
    for (int i = 0; i < l->count; i++)
        if (l->d[i] >= lo - 1e-9 && l->d[i] <= hi + 1e-9
            && (best == index || std::fabs(l->d[i] - d) < std::fabs(l->d[best] - d)))
            best = i;
    return best;
}

int Fill_Vbm_Design_Input(Connection_Input *input, int kled, double angle_1, double angle_2,
                          int n_fasteners, int mode, int accidental, int kmod_source, double kmod)
{
    Splice_Input_Record *si = &Splice_Input;
    Set_Design_Gammas(accidental);
    memset(input, 0, sizeof *input);
    /* the fastener fitted: a C1 or C10 beside steel is designed wholly as its single-sided
    ** counterpart, as the page asks to build it */
    int type = 0, row = 0;
    Splice_Fitted_Vbm(si, &type, &row);
    input->vbm_type = type;
    input->vbm_row = row;
    input->predrilled = si->predrilled;
    input->fitted_bolt = si->fitted_bolt;
    input->threaded_rod = si->threaded_rod;
    input->n_axial = n_fasteners;
    input->species_sfp = si->species_sfp;
    input->douglas = si->douglas;
    input->split_rule = si->split_rule;
    input->steel_grade = Design_Steel_Grade();
    input->n_ef_switch = 1;
    input->service_class_1 = si->service_class;
    input->service_class_2 = si->service_class;
    input->load_duration = kled;
    input->predrill_core = si->predrill_core;
    input->bolt_clearance = si->steel_hole;
    input->plate_hole_clearance = Get_Plate_Hole_Clearance(si);
    input->d = si->d;
    input->d_2 = si->d_2;
    input->d_bolt = Get_Connector_Bolt_Diameter();
    if (type == VBM_SCHEIBENDUEBEL_B1)
        input->d_3 = Get_Connector_Value(VBM_SCHEIBENDUEBEL_B1, si->connector_index, "d3");
    else if (Is_Vbm_Connector(type)) input->d_3 = input->d_bolt;
    input->d_k = si->d_k;
    input->length = si->l;
    input->l_thread = si->l_ef;
    input->proof_method = si->calc_method;
    input->rope_effect = si->capacity_increase;
    input->accidental = accidental;

    Joint_Members m;
    Get_Joint_Members(&m);
    input->mat_1 = m.mat_1;
    input->mat_2 = m.mat_2;
    input->grade_1 = m.grade_1;
    input->grade_2 = m.grade_2;
    input->t1 = m.t1;
    input->t2 = m.t2;
    input->resin_coated = si->resin_coated;
    input->fibre_saturated = si->green_timber;
    input->stainless = si->stainless;

    /* Penetration case: dowel-type fasteners other than nails, screws and staples pass into
    ** member 2; the others when their point anchors there. A lap joins its two halves in one
    ** shear plane: its dowels, bolts and connectors are designed in single shear (EN 1995-1-1,
    ** eq. (8.6)), not with the modes of a middle member between two side members. */
    int penetration_case = si->connection_kind == CONN_LAP ? 1 : 2;
    if (Is_Vbm_Nail_Screw_Or_Staple(type)) penetration_case = Vbm_Own_Shear_Planes();
    input->shear_planes = penetration_case;
    /* k1 of a connector beside two or more inner plates takes the lamella between two plates, which
    ** holds connectors in both faces, as well as the outer one of the same thickness */
    input->lamellas_between_plates = Lamellas_Between_Plates();

    input->alpha_1 = angle_1;
    input->alpha_2 = angle_2;
    si->staple_angle_copy = si->staple_angle;
    input->staple_angle_1 = si->staple_angle;
    input->staple_angle_2 = si->staple_angle;
    input->axis_angle = 90.0;
    input->moisture = si->vbm_values[0];
    input->gamma_m_1 = m.gamma_1;
    input->gamma_m_2 = m.gamma_2;
    input->gamma_steel = si->gamma_m0;
    input->washer_d = si->washer ? si->washer_d : -1.0;
    /* the rope effect of bolts and of toothed plates' bolts bears on the washer of the print
    ** (EN 1995-1-1, 8.5.2(2)): without one chosen, the least one it asks for */
    if (type == VBM_BOLZEN || Is_Vbm_Connector(type)) {
        const double borne = Bolt_Washer_Borne(nullptr);
        input->washer_d = borne > 0.0 ? borne : -1.0;
    }
    input->fu = Design_Fu();
    input->kmod_given = kmod;
    input->result_in_kN = mode;
    input->kmod_by_member = kmod_source;
    return 1;
}

/* Common fields of the rule input; w1, w2 are the working thicknesses (mm). */
static void Fill_Rule_Common(Vbm_Rule_Input *rule, double w1, double w2)
{
    const Splice_Input_Record *si = &Splice_Input;
    const int type = si->vbm_type;
    rule->vbm_type = type;
    rule->stainless = si->stainless;
    rule->resin_coated = si->resin_coated;
    rule->d = si->d;
    rule->d2 = si->d_2;
    rule->d_k = si->d_k;
    rule->length = si->l;
    rule->l_ef = std::fmin(si->l_ef, si->l);
    rule->predrilled = si->predrilled;
    rule->fitted_bolt = si->fitted_bolt;
    rule->plate_hole_clearance = Get_Plate_Hole_Clearance(si);
    rule->threaded_rod = si->threaded_rod;
    rule->staple_angle = si->staple_angle;
    rule->species_sfp = si->species_sfp;
    rule->fu = Design_Fu();
    /* the yield moment of a dowel or bolt follows its steel grade, as in the fastener design */
    if (Is_Vbm_Dowel_Or_Bolt(type)) rule->steel_grade = si->vbm_steel;
    rule->washer_d = si->washer ? si->washer_d : -1.0;
    if (Is_Vbm_Nail_Screw_Or_Staple(type)) {
        w2 = std::fmin(si->l - w1, w2);
        rule->x_layers[0] = 0.0;
        rule->x_layers[1] = w1;
        rule->x_layers[2] = w1;
        rule->x_layers[3] = si->l;
    } else {
        rule->x_layers[0] = 0.0;
        rule->x_layers[1] = w1;
        rule->x_layers[2] = w1;
        rule->x_layers[3] = w2;
    }
    rule->t1_eff = w1;
    rule->t2_eff = w2;
}

int Fill_Joint_Members(Vbm_Rule_Input *rule, double angle_1, double angle_2)
{
    const Splice_Input_Record *si = &Splice_Input;
    Init_Vbm_Layout_Defaults(rule);
    const double w1 = 10.0 * si->t_s, w2 = 10.0 * si->b;
    Joint_Members m;
    Get_Joint_Members(&m);
    rule->mat1 = m.mat_1;
    rule->grade1 = m.grade_1;
    rule->mat2 = m.mat_2;
    rule->grade2 = m.grade_2;
    Fill_Rule_Common(rule, w1, w2);
    rule->t1 = m.t1;
    rule->t2 = m.t2;
    rule->t1_a = m.t1;
    rule->t2_a = m.t2;
    rule->screw_angle = 90.0;
    rule->alpha1 = angle_1;
    rule->alpha2 = angle_2;
    if (Is_Vbm_Screw_Family_C(si->vbm_type) && rule->washer_d > 32.0) rule->washer_d = 32.0;
    rule->service_class = si->service_class;
    rule->split_rule = si->split_rule;
    if (si->vbm_type == VBM_KOMBI_SECHSKANT_VG || si->vbm_type == VBM_KOMBI_SECHSKANT_TG)
        rule->preset_switch_1 = 2;
    return 0;
}

int Fill_Vbm_Rule_Input_Plate(Vbm_Rule_Input *rule)
{
    const Splice_Input_Record *si = &Splice_Input;
    memset(rule, 0, sizeof *rule);
    Init_Vbm_Layout_Defaults(rule);
    Joint_Members m;
    Get_Joint_Members(&m);
    rule->mat1 = m.mat_1;
    rule->grade1 = m.grade_1;
    rule->mat2 = m.mat_2;
    rule->grade2 = m.grade_2;
    const bool plates_or_lap = si->connection_kind != CONN_SIDE_TIMBERS;
    Fill_Rule_Common(rule, m.t1, m.t2);
    if (plates_or_lap) {
        rule->t1 = rule->t1_a = m.t1;
        rule->t2 = rule->t2_a = m.t2;
    }
    rule->screw_angle = 90.0;
    const double a = si->splice_kind == SPLICE_BENDING ? 90.0 : 0.0;
    rule->alpha1 = a;
    rule->alpha2 = a;
    rule->fu = Get_Fastener_Fu_K();
    return 1;
}

void Get_Member_Kmod(const Connection_Input *input, Connection_Result *result)
{
    double k1 = 0.0, k2 = 0.0;
    Calc_Member_Kmods(*input, nullptr, &k1, &k2);
    result->kmod_1 = k1;
    result->kmod_2 = k2;
}

/* kmod of member 1 and member 2 of the splice for a load-duration class and a preset kmod:
** the preset where kmod_by_member is 0, else each member's own (EN 1995-1-1, Table 3.1). */
static void Member_Kmods(int kled, double preset, int kmod_by_member, double *k1, double *k2)
{
    const Splice_Input_Record *si = &Splice_Input;
    Joint_Members m;
    Get_Joint_Members(&m);
    Connection_Input in;
    memset(&in, 0, sizeof in);
    in.mat_1 = m.mat_1;
    in.grade_1 = m.grade_1;
    in.mat_2 = m.mat_2;
    in.grade_2 = m.grade_2;
    in.service_class_1 = si->service_class;
    in.service_class_2 = si->service_class;
    in.load_duration = kled;
    in.kmod_given = preset;
    in.kmod_by_member = kmod_by_member;
    Connection_Result res;
    memset(&res, 0, sizeof res);
    Get_Member_Kmod(&in, &res);
    *k1 = res.kmod_1;
    *k2 = res.kmod_2;
}

/*
** kmod of the combinations of group g (0..9): with the group's kmod source 0 and a preset
** kmod of at least 1e-7 that value for every member, a panel's own where that is lower; else
** each member's own from its material,
** the service class of the splice and the group's load-duration class (EN 1995-1-1, Table
** 3.1), the values the fastener design takes. *kmod_mid gets the middle member's, *kmod_side
** the side members' (the middle member's where the splice has none) and *kmod_joint that of
** the connection, sqrt(kmod,1 kmod,2) of its two members (EN 1995-1-1, eq. (2.6)). Each
** out-pointer may be null; a group outside 0..9 gives 0.
*/
void Get_Group_Kmod(int group, double *kmod_mid, double *kmod_side, double *kmod_joint)
{
    double mid = 0.0, side = 0.0, joint = 0.0;
    if (group >= 0 && group < LKOM_GROUPS) {
        const Splice_Input_Record *si = &Splice_Input;
        const Lkom_Group *grp = &si->lkom.groups[group];
        double k1 = 0.0, k2 = 0.0;
        Member_Kmods(grp->kled, grp->kmod, grp->kmod_source, &k1, &k2);
        /* The middle member is member 2 beside side timbers and outer plates; beside inner
        ** plates it is member 1 and the plate, member 2, has taken its kmod; a lap's members
        ** are both the middle member. Member 1 is a side timber only with side timbers. */
        mid = k2;
        side = si->connection_kind == CONN_SIDE_TIMBERS ? k1 : mid;
        joint = std::sqrt(k1 * k2);
    }
    if (kmod_mid) *kmod_mid = mid;
    if (kmod_side) *kmod_side = side;
    if (kmod_joint) *kmod_joint = joint;
}

/*
** The load-duration class of a preset kmod, for a group that takes it from an import. The design
** takes a preset for every member, a panel its own where that is lower, and for the connection
** sqrt(kmod,1 kmod,2) of the two (EN 1995-1-1, eq. (2.6)). So the class fits where, for the
** splice's members and service class, the preset gives each member the value of EN 1995-1-1,
** Table 3.1 for that class, and is itself the value of one of them (of the timber beside a panel,
** whose own lies lower): the group then designs as a group of that class does. Solid timber and
** glulam in service class 1 take 0.9 as "kurz"; C24 beside OSB/3 takes 0.8 as "mittel", where the
** panel has 0.7 by both ways. Values within tolerance count as equal. Return the class
** (KLED_STAENDIG .. KLED_SEHR_KURZ), the first where two give the same values, or -1 when none
** fits.
*/
int Kled_Of_Preset_Kmod(double kmod, double tolerance)
{
    for (int kled = KLED_STAENDIG; kled <= KLED_SEHR_KURZ; kled++) {
        double p1 = 0.0, p2 = 0.0, t1 = 0.0, t2 = 0.0;
        Member_Kmods(kled, kmod, 0, &p1, &p2);
        Member_Kmods(kled, kmod, 1, &t1, &t2);
        const bool each = std::fabs(p1 - t1) < tolerance && std::fabs(p2 - t2) < tolerance;
        const bool one = std::fabs(kmod - t1) < tolerance || std::fabs(kmod - t2) < tolerance;
        if (each && one) return kled;
    }
    return -1;
}

/*
** The class for a preset kmod that no class has (Kled_Of_Preset_Kmod gives none): the shortest
** in which the preset lies at or above each member's value of EN 1995-1-1, Table 3.1, so that the
** load counts as lasting no shorter than the kmod says (0.85 of solid timber in service class 1:
** "mittel", 0.80, not "kurz", 0.90), whatever slot the group takes. -1 where every class gives
** some member more.
*/
int Kled_Below_Preset_Kmod(double kmod, double tolerance)
{
    for (int kled = KLED_SEHR_KURZ; kled >= KLED_STAENDIG; kled--) {
        double t1 = 0.0, t2 = 0.0;
        Member_Kmods(kled, kmod, 1, &t1, &t2);
        if (t1 <= kmod + tolerance && t2 <= kmod + tolerance) return kled;
    }
    return -1;
}

/* Design value sqrt(kmod_1 kmod_2) x / gamma of a characteristic value; 0 without a gamma. */
static double Design_Value(const Connection_Result *result, double x, double gamma)
{
    return gamma > 0.0 ? Calc_Geometric_Mean_Ratio(x, result->kmod_1, result->kmod_2, gamma) : 0.0;
}

/* 1 when the thickness t (mm) lies less than 0.001 mm below the required t_req. */
static int32_t Just_Below(double t, double t_req)
{
    const double short_by = t_req - t;
    return short_by > 0.0 && short_by < 0.001 ? 1 : 0;
}

void Copy_Vbm_Results(Connection_Result *result, const Vbm_Rule_Result *rule, int in_kN)
{
    Joint_Members m;
    Get_Joint_Members(&m);
    const double f = in_kN ? 1000.0 : 1.0;
    const double gamma = std::fmax(m.gamma_1, m.gamma_2);
    result->rk_lateral = rule->Fv_Rk / f;
    result->rope_rk = rule->rope / f;
    result->gamma_lateral = gamma;
    result->rd_lateral = Design_Value(result, result->rk_lateral, gamma);
    result->t_just_below_req =
        Just_Below(m.t1, result->t_req_1) || Just_Below(m.t2, result->t_req_2);
    result->rk_total = result->rk_lateral + result->rk_connector;
    result->rd_total = result->rd_lateral + result->rd_connector;
    result->fh1_k = rule->fh1;
    result->fh2_k = rule->fh2;
    result->fh1_d = m.gamma_1 > 0.0 ? rule->fh1 / m.gamma_1 * result->kmod_1 : 0.0;
    result->fh2_d = m.gamma_2 > 0.0 ? rule->fh2 / m.gamma_2 * result->kmod_2 : 0.0;
    result->my_rk = rule->My;
    result->my_d = Design_Value(result, rule->My, gamma);
    result->fu_used = rule->fu_used;
    result->rule_char = rule->mode;
    result->rule_design = rule->mode;
    result->plate_class = rule->plate_class;
    result->alu_fu = rule->alu_fu;
    result->alu_fb_rk = rule->alu_bearing / f;
    result->alu_fb_rd = Design_Value(result, result->alu_fb_rk, gamma);
    result->alu_k1 = rule->alu_factor1;
    result->alu_alpha_b = rule->alu_factor2;
    result->msg_code = 0;
}

double Get_Pattern_Length_Mm(void)
{
    double x_max = 0.0;
    for (int i = 0; i < Fastener_Pattern.count; i++)
        x_max = std::fmax(x_max, Fastener_Pattern.recs[i].x);
    double len = 2.0 * 10.0 * x_max;
    if (Splice_Input.connection_kind == CONN_LAP) len *= 2.0;
    return len;
}
