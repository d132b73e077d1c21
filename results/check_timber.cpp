/*
** Timber member checks of one combination: stresses of the middle timber (or the lamellas
** between inner plates) and of the two side timbers in the net section at the joint, and
** tension perpendicular to the grain near the fasteners. Writes the section "Hölzer".
** Sections in cm, forces in kN, stresses in N/mm².
*/
#include "results/splice_checks.h"

#include <cmath>
#include <cstring>

#include "design/design.h"
#include "foundation/codepage.h"
#include "foundation/format.h"
#include "printlist/printlist.h"

/* Section-check material class of a material group. */
static int32_t Section_Mat_Class(int mat)
{
    if (mat == MAT_NADELHOLZ) return SECTION_MAT_SOFTWOOD;
    if (mat == MAT_LAUBHOLZ) return SECTION_MAT_HARDWOOD;
    if (Is_Mat_Glulam(mat)) return SECTION_MAT_GLULAM;
    if (mat == MAT_KERTO_S || mat == MAT_KERTO_Q || mat == MAT_FURNIERSCHICHTHOLZ
        || (mat >= MAT_BAUBUCHE_GL75 && mat <= MAT_POLLM_GLVL))
        return SECTION_MAT_VENEER;
    return SECTION_MAT_OTHER;
}

/* k_cr of EN 1995-1-1, 6.1.7(2), by the annex's rule: 1 its fixed values, any other value the
** rules of the German annex. Without an annex k_cr stays 1.0. */
void Set_Kcr_Factor(Section_Check_Input *rec, int mat)
{
    if (Nad_Params == nullptr) return;
    double k = Nad_Params->k_cr_other;
    if (Nad_Params->k_cr_rule == 1) {
        if (Is_Mat_Timber(mat) || Is_Mat_Glulam(mat)) k = Nad_Params->k_cr_solid;
    } else if (rec->f_v_k > 0.0) {
        if (mat == MAT_LAUBHOLZ) k = 0.67;
        else if (Is_Mat_Glulam(mat)) k = 2.5 / rec->f_v_k;
        else if (Is_Mat_Timber(mat)) k = 2.0 / rec->f_v_k;
        else if (mat == MAT_BAUBUCHE_GL75) k = 1.0;
    }
    rec->k_cr_y = rec->k_cr_z = k;
    rec->flags |= SCI_EUROCODE;
}

/* Factor on f_m,k: 1.2 for an edgewise-bent glulam member when the annex allows it. */
static double Bending_Factor(int mat, int edgewise)
{
    if (Nad_Params != nullptr && Nad_Params->variant != 0 && Is_Mat_Glulam(mat) && edgewise)
        return 1.2;
    return 1.0;
}

const char *Tension_Reduction_Rule(int annex)
{
    return annex ? "DIN EN 1995-1-1/NA, NCI NA.8.1.6" : "DIN 1052, 11.1.2";
}

/* A panel used as a splice plate is stressed and bent in its plane ("Scheibe"), not across it:
** plywood and OSB give their in-plane values under kind 2 (parallel to the face grain or the
** strands), the other panels under kind 8 (EN 12369-1, Tables 2, 3 and 5, EN 12369-2; where a
** table gives no bending in the plane, the panel's tensile strength stands for it). */
int32_t Member_Strength_Kind(int mat) { return (mat == MAT_SPERRHOLZ || mat == MAT_OSB) ? 2 : 8; }

/* The section values (10 doubles) the section check takes of a member: area A (cm²), modulus W
** (cm³) of both edges and moment of inertia I (cm⁴). */
static void Set_Section_Geometry(double *geo, double A, double W, double I)
{
    for (int i = 0; i < SV_COUNT && i < 10; i++) geo[i] = 0.0;
    geo[SV_A] = A;
    geo[SV_W_U] = W;
    /* The top edge's modulus is negative in the section check: passing -W keeps the
    ** compressed edge of a member under axial compression in the check. */
    geo[SV_W_O_NEG] = -W;
    /* Shear area of a rectangle, tau = 1.5 V / A (EN 1995-1-1, 6.1.7). */
    geo[SV_A_QZ] = 2.0 / 3.0 * A;
    geo[SV_I_Y] = I;
}

/* Fill one member's record from its strengths and net section. */
static int Init_Member(Section_Check_Input *rec, double kmod, Section_Dims *dims, double *geo,
                       int *code_a, int *code_b, bool side)
{
    if (rec == nullptr || dims == nullptr) return 0;
    const Splice_Input_Record *si = &Splice_Input;
    const int mat = side ? si->mat_side : si->mat_mid;
    const int grade = side ? si->grade_side : si->grade_mid;
    const double b = side ? si->t_s : si->b;
    const double h = side ? si->h_s : si->h;
    *rec = Section_Check_Template;
    rec->kmod = kmod;
    const int32_t kind = Member_Strength_Kind(mat);
    double fm = 0, ft = 0, fc = 0, fv = 0, fc90 = 0;
    Get_Mat_Strengths(/*group=*/mat, /*grade=*/grade, /*use=*/1, /*kind=*/kind,
                      /*width=*/h * 10.0, /*depth=*/b * 10.0, /*f_m_k=*/&fm, /*f_t_k=*/&ft,
                      /*f_c_k=*/&fc, /*f_v_k=*/&fv, /*f_c90_k=*/&fc90, /*k_h=*/nullptr);
    rec->f_m_y_k = fm * Bending_Factor(mat, side ? si->edgewise_side : si->edgewise_mid) / 1000.0;
    rec->f_m_z_k = rec->f_m_y_k;
    rec->f_t_0_k = ft / 1000.0;
    if (side)
        rec->f_t_0_k = Get_Member_Design_Value_D(si->vbm_type, si->predrilled, mat, grade, kind,
                                                 h * 10.0, b * 10.0, nullptr);
    /* The two halves of a lap are loaded from one side, as side timbers are: their tension
    ** takes the same reduction for the moment of the eccentricity. */
    else if (si->connection_kind == CONN_LAP)
        rec->f_t_0_k = Reduce_Member_Tension(ft / 1000.0, si->vbm_type, si->predrilled);
    rec->f_c_0_k = fc / 1000.0;
    rec->f_v_k = fv / 1000.0;
    rec->gamma_m = side ? si->gamma_m_side : si->gamma_m_mid;
    rec->notch_position = 0;
    rec->mat_group = Section_Mat_Class(mat);
    rec->k_h_y = rec->k_h_z = rec->k_h_t = 1.0;
    Set_Kcr_Factor(rec, mat);

    double A = 0, I = 0, W = 0;
    if (side) Calc_Net_Section_Values(nullptr, &A, nullptr, &I, nullptr, &W);
    else Calc_Net_Section_Values(&A, nullptr, &I, nullptr, &W, nullptr);
    const double ratio = (h * b) > 0.0 ? A / (h * b) : 0.0;
    const double f = side ? 2.0 : 1.0; /* both side timbers together */
    dims->v[0] = (float)(f * b * ratio);
    dims->v[1] = (float)h;
    Set_Section_Geometry(geo, f * A, f * W, f * I);
    rec->overrides = geo;
    rec->n_overrides = 10;
    rec->override_mask =
        (1u << SV_A) | (1u << SV_W_U) | (1u << SV_W_O_NEG) | (1u << SV_A_QZ) | (1u << SV_I_Y);
    if (code_a) *code_a = 5;
    if (code_b) *code_b = 397;
    return 1;
}

/* Record, section and geometry (10 doubles) of the middle member. 1, or 0 without records. */
int Init_Middle_Timber_Check(Section_Check_Input *rec, double kmod, Section_Dims *dims, double *geo,
                             int *code_a, int *code_b)
{
    return Init_Member(rec, kmod, dims, geo, code_a, code_b, false);
}

/* Record, section and geometry of both side timbers together. 1, or 0 without records. */
int Init_Side_Timber_Check(Section_Check_Input *rec, double kmod, Section_Dims *dims, double *geo,
                           int *code_a, int *code_b)
{
    return Init_Member(rec, kmod, dims, geo, code_a, code_b, true);
}

double Get_Gamma_M_T90(int side)
{
    const Splice_Input_Record *si = &Splice_Input;
    return side ? Get_Gamma_M(si->mat_side, si->grade_side, 0) : si->gamma_m_t90;
}

/* f_t,90,d of a member with its kmod (0 outside the groups) and its partial factor gamma, in an
** accidental combination the accidental one of the annex (EN 1995-1-1, 2.4.1, Table 2.3; 1.0
** under DIN 1052). */
static double Ft90d(int mat, int grade, double kmod, double gamma, int accidental)
{
    if (accidental) gamma = Get_Gamma_M(mat, grade, 1);
    const double f = Get_Mat_Ft90(mat, grade) * kmod;
    return gamma > 0.0 ? f / gamma : 0.0;
}

/* Design tensile strength perpendicular to the grain of the middle member, N/mm². */
double Get_Ft90d_Middle(int group, int accidental)
{
    double kmod = 0.0;
    Get_Group_Kmod(group, &kmod, nullptr, nullptr);
    return Ft90d(Splice_Input.mat_mid, Splice_Input.grade_mid, kmod, Get_Gamma_M_T90(0),
                 accidental);
}

/* The same of the side members. */
double Get_Ft90d_Side(int group, int accidental)
{
    double kmod = 0.0;
    Get_Group_Kmod(group, nullptr, &kmod, nullptr);
    return Ft90d(Splice_Input.mat_side, Splice_Input.grade_side, kmod, Get_Gamma_M_T90(1),
                 accidental);
}

typedef struct Member_Stresses {
    double s0, sm, tau, u;
    double u_n, u_v;              /* axial force with bending, and shear (U_t or U_c, U_v) */
    double f_t_0_d;               /* design tensile strength the check used, N/mm² */
    double f_m_d, f_c_0_d, f_v_d; /* its design strengths in bending, compression, shear */
} Member_Stresses;

static Member_Stresses Run_Section(const Section_Check_Input *rec, const Section_Dims *dims,
                                   double N, double V, double M)
{
    Section_Forces F = {N, 0.0, V, 0.0, M, 0.0};
    Section_Check_Result r{};
    Calc_Holz_Querschnitt(&F, rec, SECTION_RECHTECK, dims, &r);
    Member_Stresses s;
    s.s0 = r.sigma_N;
    s.sm = std::fabs(r.sigma_m_y_top) > std::fabs(r.sigma_m_y_bottom) ? r.sigma_m_y_top
                                                                      : r.sigma_m_y_bottom;
    s.tau = r.tau_v;
    s.u = std::fmax(std::fmax(r.U_c, r.U_t), r.U_v);
    s.u = std::fmax(s.u, r.U_max);
    s.u_n = std::fmax(r.U_c, r.U_t);
    s.u_v = r.U_v;
    s.f_t_0_d = r.f_t_0_d;
    s.f_m_d = r.f_m_y_d;
    s.f_c_0_d = r.f_c_0_d;
    s.f_v_d = r.f_v_d;
    return s;
}

/* Stresses, utilisation and strengths of one member of material group mat from its section
** check. */
static Timber_Member_Check Member_Result(const Section_Check_Input *rec, const Member_Stresses *s,
                                         double V, int mat)
{
    Timber_Member_Check m{};
    if (rec->overrides != nullptr) {
        m.A_n = rec->overrides[SV_A];
        m.W_n = rec->overrides[SV_W_U];
    }
    m.panel = Is_Mat_Wood_Panel(mat);
    m.f_m_k = rec->f_m_y_k;
    m.f_c_0_k = rec->f_c_0_k;
    m.f_v_k = rec->f_v_k;
    m.kmod = rec->kmod;
    m.gamma_m = rec->gamma_m;
    m.f_m_d = s->f_m_d;
    m.f_c_0_d = s->f_c_0_d;
    m.f_v_d = s->f_v_d;
    m.sigma_0 = s->s0;
    m.sigma_m = s->sm;
    m.tau = s->tau;
    m.V = V;
    m.k_cr = rec->k_cr_y;
    m.u = s->u;
    m.u_section = s->u;
    m.u_n = s->u_n;
    m.u_v = s->u_v;
    return m;
}

double Mid_Nail_Penetration(void)
{
    const Splice_Input_Record *si = &Splice_Input;
    const int kind = si->connection_kind;
    const double t_m = si->b * 10.0, t_s = si->t_s * 10.0;
    double rho_s = 0.0, rho_m = 0.0, pen = t_m;
    Get_Rho_K(si->mat_side, si->grade_side, t_s, &rho_s, nullptr);
    Get_Rho_K(si->mat_mid, si->grade_mid, t_m, &rho_m, nullptr);
    const bool outer = kind == CONN_OUTER_PLATES;
    Calc_T_Req_Reduction(/*type=*/VBM_NAGEL, /*fu=*/Get_Fastener_Fu_K(), /*kind=*/2, /*d=*/si->d,
                         /*length=*/si->l, /*axis_angle=*/90.0, /*predrilled=*/si->predrilled,
                         /*variant=*/0, /*fitted=*/si->fitted_bolt,
                         /*t1=*/outer ? si->t_p * 10.0 : t_s, /*t2=*/t_m, /*rho1=*/rho_s,
                         /*rho2=*/rho_m, /*mat1=*/outer ? MAT_STAHLBLECH : si->mat_side,
                         /*mat2=*/si->mat_mid, /*g1=*/outer ? si->plate_steel : si->grade_side,
                         /*g2=*/si->grade_mid, /*user1=*/nullptr, /*user2=*/nullptr,
                         /*out_penetration=*/&pen, /*out_member=*/nullptr, /*out_k=*/nullptr,
                         /*out_t1_req=*/nullptr, /*out_t2_req=*/nullptr);
    return std::fmin(t_m, pen);
}

/* Tension perpendicular to the grain near the fasteners under DIN 1052 (nails, screws and
** staples): the largest column force across the grain spread over 24 d_ef t, per member. */
static void Calc_T90(int group, const Lkom_Entry *c, Timber_Check *r)
{
    const Splice_Input_Record *si = &Splice_Input;
    const int type = si->vbm_type;
    const double V90 = r->V90;
    double t_m = si->b * 10.0;
    const double t_s = si->t_s * 10.0;
    if (type == VBM_NAGEL) t_m = Mid_Nail_Penetration();
    const double d_ef = si->d + (si->fitted_bolt ? 0.0 : 1.0);
    r->t90 = 1;
    r->sigma_90_side = (d_ef > 0 && t_s > 0) ? V90 * 1000.0 / 24.0 / d_ef / t_s : 0.0;
    r->sigma_90_mid = (d_ef > 0 && t_m > 0) ? V90 * 1000.0 / 24.0 / d_ef / t_m : 0.0;
    const int acc = Lkom_Accidental_Factors(c);
    r->f_t90_mid = Get_Ft90d_Middle(group, acc);
    r->f_t90_side = Get_Ft90d_Side(group, acc);
    r->u90_mid = r->f_t90_mid > 0.0 ? r->sigma_90_mid / r->f_t90_mid : UTIL_NO_CHECK;
    r->u90_side = r->f_t90_side > 0.0 ? r->sigma_90_side / r->f_t90_side : UTIL_NO_CHECK;
}

/* The design tensile strength of the members loaded from one side with its factors: the
** reduction for their eccentricity, and the size factor k_h that the side timbers' value carries
** (a lap's halves, checked as the middle member, carry none). */
static void Calc_One_Sided_Tension(const Section_Check_Input *rec, double f_t_0_d, bool side,
                                   Timber_Check *r)
{
    const Splice_Input_Record *si = &Splice_Input;
    const double k = Get_Member_Tension_Factor(si->vbm_type, si->predrilled);
    double kh = 0.0;
    if (side) {
        double fm = 0, ft = 0, fc = 0, fv = 0, fc90 = 0;
        Get_Mat_Strengths(/*group=*/si->mat_side, /*grade=*/si->grade_side, /*use=*/2, /*kind=*/8,
                          /*width=*/si->h_s * 10.0, /*depth=*/si->t_s * 10.0, /*f_m_k=*/&fm,
                          /*f_t_k=*/&ft, /*f_c_k=*/&fc, /*f_v_k=*/&fv, /*f_c90_k=*/&fc90,
                          /*k_h=*/&kh);
    }
    if (!(kh > 0.0)) kh = 1.0;
    r->one_sided_tension = 1;
    r->k_red = k;
    r->k_h = kh;
    r->f_t_0_k = rec->f_t_0_k / k / kh;
    r->kmod_t = rec->kmod;
    r->gamma_m_t = rec->gamma_m;
    r->f_t_0_d = f_t_0_d;
}

/* The record (its overrides geo) and section of one lamella between inner plates, inner 1 one
** between two plates, 0 an outer one, each on its own net section (Calc_Lamella_Net_Section_Values)
** from the record of all of them together (Init_Member). */
static void Lamella_Section(int inner, Section_Check_Input *rec, Section_Dims *dims, double *geo)
{
    double A = 0.0, I = 0.0, W = 0.0;
    Calc_Lamella_Net_Section_Values(inner, &A, &I, &W);
    const double h = Splice_Input.h;
    dims->v[0] = (float)(h > 0.0 ? A / h : 0.0);
    Set_Section_Geometry(geo, A, W, I);
    rec->overrides = geo;
}

/* Check a member's section for its axial force N, shear V and moment M (kN, kNm). */
static Timber_Member_Check Check_Member_Section(const Section_Check_Input *rec,
                                                const Section_Dims *dims, double N, double V,
                                                double M, int mat, Member_Stresses *stresses)
{
    const Member_Stresses st = Run_Section(rec, dims, N, V, M);
    Timber_Member_Check m = Member_Result(rec, &st, V, mat);
    m.N = N;
    m.M = M;
    if (stresses) *stresses = st;
    return m;
}

/* k_m of EN 1995-1-1, 6.1.6(2) for the halves of a lap: 0.7 for rectangular sections of solid
** timber, glulam and LVL, else 1.0. */
static double Lap_K_M(int mat)
{
    const bool rect = Is_Mat_Timber(mat) || Is_Mat_Glulam(mat) || mat == MAT_KERTO_S
                      || mat == MAT_KERTO_Q || mat == MAT_FURNIERSCHICHTHOLZ;
    return rect ? 0.7 : 1.0;
}

/*
** The halves of a lap under compression N (kN): besides N each carries the moment of its
** eccentricity, M = |N| t / 2 across its thickness t = b / 2 (the halves meet in the lap's
** middle plane), on its net section (the holes pass the whole thickness: W_z = A_n t / 6), and the
** member's moment M_sec about its height (sigma_m of the member check). EN 1995-1-1, eq. (6.19)
** and (6.20); and, the half being slender over the lap, (6.23) and (6.24) with k_c over the
** lap's length l (6.3.2), taken wherever lambda_rel is (k_c = 1 up to 0.3).
*/
static void Calc_Lap_Compression(const Timber_Member_Check *mid, double N, Lap_Compression_Check *l)
{
    const Splice_Input_Record *si = &Splice_Input;
    *l = Lap_Compression_Check{};
    l->done = 1;
    l->t = si->b / 2.0 * 10.0;
    l->h = si->h * 10.0;
    l->M_z = std::fabs(N) * l->t / 2.0 / 1000.0;
    l->A_n = mid->A_n;
    l->W_z = l->A_n * (l->t / 10.0) / 6.0;
    l->sigma_c = std::fabs(mid->sigma_0);
    l->sigma_m_y = std::fabs(mid->sigma_m);
    l->sigma_m_z = l->W_z > 0.0 ? l->M_z * 1000.0 / l->W_z : 0.0;
    l->f_c_0_d = mid->f_c_0_d;
    l->f_m_d = mid->f_m_d;
    const int mat = si->mat_mid;
    l->k_m = Lap_K_M(mat);
    if (!(l->f_c_0_d > 0.0 && l->f_m_d > 0.0)) {
        l->u = UTIL_NO_CHECK;
        return;
    }
    const double c = l->sigma_c / l->f_c_0_d, my = l->sigma_m_y / l->f_m_d,
                 mz = l->sigma_m_z / l->f_m_d;
    l->u_619 = c * c + my + l->k_m * mz;
    l->u_620 = c * c + l->k_m * my + mz;
    l->l_ef = si->L * 10.0;
    l->k_c_y = Calc_K_C_Of_Material(mat, si->grade_mid, l->l_ef, l->h, l->t, nullptr, nullptr,
                                    &l->lambda_rel_y, nullptr);
    l->k_c_z = Calc_K_C_Of_Material(mat, si->grade_mid, l->l_ef, l->t, l->t, nullptr, nullptr,
                                    &l->lambda_rel_z, nullptr);
    l->u_623 = l->k_c_y > 0.0 ? c / l->k_c_y + my + l->k_m * mz : UTIL_NO_CHECK;
    l->u_624 = l->k_c_z > 0.0 ? c / l->k_c_z + l->k_m * my + mz : UTIL_NO_CHECK;
    l->u = std::fmax(std::fmax(l->u_619, l->u_620), std::fmax(l->u_623, l->u_624));
}

/*
** The halves of a lap under tension N (kN) whose tensile strength takes no reduction for members
** loaded from one side: nothing else covers the moment of the eccentricity, M = N t / 2 across
** the thickness t = b / 2, so each half is checked in tension with bending on its net section
** (W_z = A_n t / 6, as under compression) together with the member's moment M_sec (kNm) about
** its height, the bending splice's M_d among it, on the member check's net modulus W_n.
** EN 1995-1-1, eq. (6.17) and (6.18), with the strengths of the member check (rec, f_t_0_d of
** its section check).
*/
static void Calc_Lap_Tension(const Section_Check_Input *rec, const Timber_Member_Check *mid,
                             double f_t_0_d, double N, double M_sec, Lap_Tension_Check *l)
{
    const Splice_Input_Record *si = &Splice_Input;
    *l = Lap_Tension_Check{};
    l->done = 1;
    l->t = si->b / 2.0 * 10.0;
    l->M_z = std::fabs(N) * l->t / 2.0 / 1000.0;
    l->A_n = mid->A_n;
    l->W_z = l->A_n * (l->t / 10.0) / 6.0;
    l->M_y = std::fabs(M_sec);
    l->W_y = mid->W_n;
    l->sigma_t = std::fabs(mid->sigma_0);
    l->sigma_m_y = std::fabs(mid->sigma_m);
    l->sigma_m_z = l->W_z > 0.0 ? l->M_z * 1000.0 / l->W_z : 0.0;
    l->f_t_0_k = rec->f_t_0_k;
    l->f_m_k = rec->f_m_y_k;
    /* the section check applies its size factors under EN 1995-1-1 only */
    l->k_h_t = Nad_Params != nullptr ? rec->k_h_t : 1.0;
    l->k_h_m = Nad_Params != nullptr ? rec->k_h_y : 1.0;
    l->kmod = rec->kmod;
    l->gamma_m = rec->gamma_m;
    l->f_t_0_d = f_t_0_d;
    l->f_m_d = mid->f_m_d;
    l->k_m = Lap_K_M(si->mat_mid);
    if (!(l->f_t_0_d > 0.0 && l->f_m_d > 0.0)) {
        l->u = UTIL_NO_CHECK;
        return;
    }
    const double t = l->sigma_t / l->f_t_0_d, my = l->sigma_m_y / l->f_m_d,
                 mz = l->sigma_m_z / l->f_m_d;
    l->u_617 = t + my + l->k_m * mz;
    l->u_618 = t + l->k_m * my + mz;
    l->u = std::fmax(l->u_617, l->u_618);
}

/* The utilisation of the halves of a lap in bending under their eccentricity, 0 where none was
** checked. */
static double Lap_Halves_U(const Timber_Check *r)
{
    return std::fmax(std::fmax(r->lap.u, r->lap_t.u), r->lap_end_done ? r->lap_end.u : 0.0);
}

/*
** A lap half alone carries the member's moment from the joint to the end of the lap, where the
** member's full section begins; beyond its outermost column the moment still grows, by V_d, up
** to that end: there its gross section b / 2 x h takes N_d, V_d and |M_d| + |V_d| L / 2.
*/
static void Calc_Lap_End(const Section_Check_Input *rec, const Section_Dims *dims_net, bool bending,
                         const Lkom_Entry *c, Timber_Check *r)
{
    const Splice_Input_Record *si = &Splice_Input;
    const double t = si->b / 2.0, h = si->h;
    if (!(si->L > 0.0 && t > 0.0 && h > 0.0)) return;
    r->x_end = si->L / 2.0;
    r->M_end = (bending ? std::fabs(c->M_d) : 0.0) + std::fabs(c->V_d) * r->x_end / 100.0;
    Section_Dims dims = *dims_net;
    dims.v[0] = (float)t;
    double geo[10];
    Set_Section_Geometry(geo, t * h, t * h * h / 6.0, t * h * h * h / 12.0);
    Section_Check_Input gross = *rec;
    gross.overrides = geo;
    r->lap_end = Check_Member_Section(&gross, &dims, c->N_d, std::fabs(c->V_d), r->M_end,
                                      si->mat_mid, nullptr);
    r->lap_end_done = 1;
}

int Calc_Timber_Check(int group, int entry, Timber_Check *out)
{
    const Splice_Input_Record *si = &Splice_Input;
    const Lkom_Entry *c = Get_Lkom_Entry(group, entry);
    if (c == nullptr) return 0;
    Timber_Check r{};
    double kmod_mid = 0.0, kmod_side = 0.0;
    Get_Group_Kmod(group, &kmod_mid, &kmod_side, nullptr);
    const bool bending = si->splice_kind == SPLICE_BENDING;
    const int kind = si->connection_kind;
    r.annex = Nad_Params != nullptr;
    r.kind = kind;
    r.bending = bending;
    r.N = c->N_d;
    r.V_d = c->V_d;
    r.M_d = c->M_d;
    r.M_left_out = Moment_Left_Out(c->M_d);
    /* Every splice takes the moment for distribution and the forces across the grain of its
    ** fasteners: M_v,d of a bending splice, the moment of V_d about the fasteners of another. */
    r.M = c->M_distr;
    r.joint_moment = bending || r.M != 0.0;
    r.k_xr = si->k_xr;
    r.V90 = std::fabs(c->max_col_Fy);
    /* The member's net section through the column farthest from the joint carries the member's
    ** moment there: M_d of a bending splice and the moment of V_d over x_max. The side timbers
    ** keep M_v,d: between the joint and their first column they carry M_d + V_d x below it. */
    r.e_x = si->e_x;
    r.x_max = Joint_Outermost_Column_X();
    r.M_sec = (bending ? std::fabs(c->M_d) : 0.0) + std::fabs(c->V_d) * r.x_max / 100.0;
    const double N = r.N, M = r.M;

    /* Without a partial factor the stresses cannot be compared with a strength. */
    if (si->gamma_m_mid <= 0.0 || (kind == CONN_SIDE_TIMBERS && si->gamma_m_side <= 0.0)) {
        r.state = TIMBER_CHECK_NO_GAMMA;
        *out = r;
        return 1;
    }

    Calc_Joint_Shear(group, entry, &r.shear);
    const double V = r.shear.V;
    r.V = V;
    Section_Check_Input rec_s{}, rec_m{};
    Section_Dims dim_s{}, dim_m{};
    double geo_s[10], geo_m[10];
    if (kind == CONN_SIDE_TIMBERS) {
        Init_Side_Timber_Check(&rec_s, kmod_side, &dim_s, geo_s, nullptr, nullptr);
        Member_Stresses ss;
        /* the side timbers end free beyond the last column, as plates: their own shear */
        r.side = Check_Member_Section(&rec_s, &dim_s, N, r.shear.V_plate, M, si->mat_side, &ss);
        /* the reduced tensile strength is the side timbers' under a pull: without one (a
        ** bending splice with N_d = 0) no tension is checked and its line would name a rule that
        ** does not apply */
        if (N > 0.0) Calc_One_Sided_Tension(&rec_s, ss.f_t_0_d, true, &r);
    }
    Init_Middle_Timber_Check(&rec_m, kmod_mid, &dim_m, geo_m, nullptr, nullptr);
    Member_Stresses sm;
    const int n_p = (int)si->plate_count;
    if (kind == CONN_INNER_PLATES && n_p >= 2) {
        /* Every shear plane of a fastener takes the same force: a lamella between two plates
        ** carries two planes' share of N, M and V, an outer lamella one, each on its own net
        ** section (the lamellas are of one thickness; a connector takes out of each what lies in
        ** it, in both faces of a lamella between two plates). */
        r.lamellas = n_p + 1;
        r.planes = 2 * n_p; /* both faces of every plate */
        Section_Check_Input rec_o = rec_m;
        Section_Dims dim_o = dim_m;
        double geo_o[10];
        Lamella_Section(1, &rec_m, &dim_m, geo_m);
        Lamella_Section(0, &rec_o, &dim_o, geo_o);
        const double s_in = 2.0 / r.planes, s_out = 1.0 / r.planes;
        r.mid = Check_Member_Section(&rec_m, &dim_m, N * s_in, V * s_in, r.M_sec * s_in,
                                     si->mat_mid, &sm);
        r.lam_outer = Check_Member_Section(&rec_o, &dim_o, N * s_out, V * s_out, r.M_sec * s_out,
                                           si->mat_mid, nullptr);
    } else {
        r.mid = Check_Member_Section(&rec_m, &dim_m, N, V, r.M_sec, si->mat_mid, &sm);
    }
    if (kind == CONN_LAP) Calc_Lap_End(&rec_m, &dim_m, bending, c, &r);
    /* the halves of a lap under compression bend under the moment of their eccentricity */
    if (kind == CONN_LAP && N < 0.0) Calc_Lap_Compression(&r.mid, N, &r.lap);
    /* the halves' strength line where the reduction applies, and a pull that it reduces */
    if (kind == CONN_LAP && N >= 0.0
        && Get_Member_Tension_Factor(si->vbm_type, si->predrilled) != 1.0) {
        if (N > 0.0) Calc_One_Sided_Tension(&rec_m, sm.f_t_0_d, false, &r);
    }
    /* without it, the halves of a lap under tension are checked in bending under their
    ** eccentricity: in a tension splice, and in a bending splice wherever N_d does not press
    ** (under compression above), so that the halves are checked whatever the sign of N_d */
    else if (kind == CONN_LAP && N >= 0.0 && (si->splice_kind == SPLICE_TENSION || bending))
        Calc_Lap_Tension(&rec_m, &r.mid, sm.f_t_0_d, N, r.M_sec, &r.lap_t);

    const int type = si->vbm_type;
    if (r.annex) {
        Calc_Splitting_Check(group, c, &r);
    } else if ((r.V90 != 0.0 && Is_Vbm_Nail_Or_Screw(type)) || type == VBM_KLAMMER) {
        Calc_T90(group, c, &r);
        r.mid.u = std::fmax(r.mid.u, r.u90_mid);
        if (kind == CONN_SIDE_TIMBERS) r.side.u = std::fmax(r.side.u, r.u90_side);
    }
    /* the hint is the tension splice's, whatever V_d bends it (a bending splice holds its
    ** members together by its moment's own fasteners); where the fastener check proves the
    ** connectors' own bolts for the pull of the side timbers' eccentricity (the same rule), those
    ** bolts are the fasteners it asks for, and the hint would only send the reader to that check */
    r.withdrawal_hint = si->splice_kind == SPLICE_TENSION && N > 0.0 && kind == CONN_SIDE_TIMBERS
                        && Is_Vbm_Connector(type) && !Connector_Bolts_Checked_In_Tension();
    r.u = std::fmax(std::fmax(std::fmax(r.mid.u, r.lam_outer.u), r.side.u), Lap_Halves_U(&r));
    *out = r;
    return 1;
}

/* ---------------------------------------------------------------- the section "Hölzer" */

/* k_cr is a number: the rule k_cr = 2.0 / f_v,k of the German annex takes f_v,k in N/mm². */
static void Write_Kcr_Line(FILE *file, const Timber_Check *r, const Timber_Member_Check *m)
{
    if (!r->annex) return;
    Oli_Write_Text(file, "mit k\xCE\\cr\xCEr = %.3lf", m->k_cr);
}

/* The moment on the middle member's net section at the outermost column, where the member's
** own moment acts: |M_d| (bending splice) + |V_d| x_max. */
static void Write_Section_Moment_Line(FILE *file, const Timber_Check *r)
{
    if (r->bending)
        Oli_Write_Text(file,
                       "Nettoquerschnitt an der \x84u\xE1"
                       "ersten Spalte: M = |M\xCE\\d\xCEr| + "
                       "|V\xCE\\d\xCEr| x\xCE\\max\xCEr = |%.2lf| + |%.2lf| x %.4lf m = %.2lf kNm",
                       r->M_d, r->V_d, r->x_max / 100.0, r->M_sec);
    else
        Oli_Write_Text(file,
                       "Nettoquerschnitt an der \x84u\xE1"
                       "ersten Spalte: M = |V\xCE\\d\xCEr| "
                       "x\xCE\\max\xCEr = |%.2lf| x %.4lf m = %.2lf kNm",
                       r->V_d, r->x_max / 100.0, r->M_sec);
}

/*
** The moment of both side timbers together, M_v,d of the fasteners (|M_d| of a bending splice
** and the moment of V_d about their centroid at e_x), worked out where it is that: between the
** joint and their first column they carry |M_d| + |V_d| x, less than that. Its bending stress on
** their net sections where the check took that alone.
*/
static void Write_Side_Moment_Line(FILE *file, const Timber_Check *r)
{
    const Timber_Member_Check *m = &r->side;
    const double M = std::fabs(m->M), e = r->e_x / 100.0;
    const double M_v = (r->bending ? std::fabs(r->M_d) : 0.0) + std::fabs(e * r->V_d);
    char how[128] = "";
    if (std::fabs(M_v - M) <= 1e-9 * std::fmax(1.0, M)) {
        if (r->bending)
            Format_N(how, sizeof how,
                     " = |M\xCE\\d\xCEr| + |e\xCE\\x\xCEr V\xCE\\d\xCEr| = |%.2lf| + |%.4lf x "
                     "%.2lf|",
                     r->M_d, e, r->V_d);
        else
            Format_N(how, sizeof how, " = |e\xCE\\x\xCEr V\xCE\\d\xCEr| = |%.4lf x %.2lf|", e,
                     r->V_d);
    }
    Oli_Write_Text(file,
                   "Seitenh\x94lzer: M = M\xCE\\v,d\xCEr%s = %.2lf kNm (zwischen Sto\xE1 und "
                   "erster Spalte %s|V\xCE\\d\xCEr| x %s M\xCE\\v,d\xCEr)",
                   how, M, r->bending ? "|M\xCE\\d\xCEr| + " : "", SYM_LE);
    const double s_m = m->W_n > 0.0 ? M * 1000.0 / m->W_n : 0.0;
    if (m->W_n > 0.0 && std::fabs(s_m - std::fabs(m->sigma_m)) <= 1e-9 * std::fmax(1.0, s_m))
        Oli_Write_Text(file,
                       "%s\xCE\\m,d\xCEr = M / W\xCE\\n\xCEr = %.2lf x 1000 / "
                       "(2 x %.2lf) = %.2lf N/mm\xCE/2\xCEr (W\xCE\\n\xCEr beider "
                       "Seitenh\x94lzer)",
                       SYM_SIGMA, M, m->W_n / 2.0, s_m);
}

/* The shares of the lamellas between two or more inner plates: each shear plane of a fastener
** takes the same force, a lamella between two plates two planes, an outer lamella one. */
/* "u = 0.45" of a line of the middle member (side 0) or of the side timbers (side 1), or where
** one of its checks cannot be made what that stands for, with the check: "unzulässig (Querzug
** an den Verbindungsmitteln)". */
static Util_Text Member_Util(const Timber_Check *r, int side, double u)
{
    char what[UTIL_GOVERNS_MAX];
    const int kind = Timber_Governing_Check(r, side, what, sizeof what);
    if (u != UTIL_NO_CHECK && kind == STAND_IN_NONE) return Util_Of(u, "u = ", 2);
    Util_Text t;
    Format_N(t.t, sizeof t.t, "%s%s%s%s",
             kind == STAND_IN_NOT_ALLOWED ? UTIL_NOT_ALLOWED_TEXT : UTIL_NO_CHECK_TEXT,
             what[0] ? " (" : "", what, what[0] ? ")" : "");
    return t;
}

static const char *Axial_Check_Name(void);

/* "u = 0.45" of the stresses of a member's line, their own utilisation whatever its other checks
** (tension perpendicular to the grain, splitting) give the member; where a stress cannot be
** compared with a strength, what stands in its place with the check: "nicht nachweisbar
** (Schub)". */
static Util_Text Section_Util(const Timber_Member_Check *m)
{
    if (m->u_section != UTIL_NO_CHECK) return Util_Of(m->u_section, "u = ", 2);
    Util_Text t;
    Format_N(t.t, sizeof t.t, UTIL_NO_CHECK_TEXT " (%s)",
             m->u_n == UTIL_NO_CHECK ? Axial_Check_Name() : "Schub");
    return t;
}

/*
** Of a member under compression, the utilisation u of its line with the checks it is the largest
** of: the compression alone, EN 1995-1-1, 6.1.4 (6.2), with bending 6.2.4 (6.19), and the shear
** 6.1.7 (6.13). Nothing where a stress cannot be compared with a strength.
*/
static void Write_Compression_Line(FILE *file, const char *name, const Timber_Member_Check *m)
{
    if (!(m->sigma_0 < 0.0) || !(m->f_c_0_d > 0.0) || !(m->f_m_d > 0.0) || !(m->f_v_d > 0.0))
        return;
    const double c = std::fabs(m->sigma_0) / m->f_c_0_d;
    const double cm = c * c + std::fabs(m->sigma_m) / m->f_m_d, v = std::fabs(m->tau) / m->f_v_d;
    if (std::fabs(std::fmax(std::fmax(c, cm), v) - m->u_section) > 1e-9) return;
    Oli_Write_Text(file,
                   "%s: u = max(|%s\xCE\\c,d\xCEr| / f\xCE\\c,0,d\xCEr; (%s\xCE\\c,d\xCEr / "
                   "f\xCE\\c,0,d\xCEr)\xCE/2\xCEr + |%s\xCE\\m,d\xCEr| / f\xCE\\m,d\xCEr; "
                   "%s\xCE\\d\xCEr / f\xCE\\v,d\xCEr) nach DIN EN 1995-1-1, Gl. (6.2), (6.19), "
                   "(6.13)",
                   name, SYM_SIGMA, SYM_SIGMA, SYM_SIGMA, SYM_TAU);
    Oli_Write_Text(file,
                   "  = max(%.2lf / %.2lf; (%.2lf / %.2lf)\xCE/2\xCEr + %.2lf / %.2lf; %.2lf / "
                   "%.2lf) = max(%.3lf; %.3lf; %.3lf) = %.2lf",
                   std::fabs(m->sigma_0), m->f_c_0_d, std::fabs(m->sigma_0), m->f_c_0_d,
                   std::fabs(m->sigma_m), m->f_m_d, std::fabs(m->tau), m->f_v_d, c, cm, v,
                   m->u_section);
}

/* A member's stresses with the shear force they take (its symbol), its u, and the compression
** check's formula where it governs. */
static void Write_Member_Lines(FILE *file, const char *name, const char *axial, const char *shear,
                               const Timber_Member_Check *m)
{
    Oli_Write_Text(file,
                   "%s: %s\xCE\\%s\xCEr = %.2lf N/mm\xCE/2\xCEr, %s\xCE\\m,d\xCEr = %.2lf "
                   "N/mm\xCE/2\xCEr, %s\xCE\\"
                   "d\xCEr = %.2lf N/mm\xCE/2\xCEr (mit %s = %.2lf kN) " SYM_ARROW " %s",
                   name, SYM_SIGMA, axial, m->sigma_0, SYM_SIGMA, m->sigma_m, SYM_TAU, m->tau,
                   shear, m->V, Section_Util(m).t);
    Write_Compression_Line(file, name, m);
}

/* A lap half at the end of the lap: where, its gross section, the moment and the stresses. */
static void Print_Lap_End(FILE *file, const Timber_Check *r, const char *axial)
{
    const Splice_Input_Record *si = &Splice_Input;
    const Timber_Member_Check *m = &r->lap_end;
    Oli_Write_Text(file,
                   "Blattende: L / 2 = %.2lf / 2 = %.2lf cm vom Sto\xE1, Bruttoquerschnitt einer "
                   "Blatth\x84lfte t = b / 2 = %.1lf cm, h = %.1lf cm",
                   si->L, r->x_end, si->b / 2.0, si->h);
    if (r->bending)
        Oli_Write_Text(
            file,
            "M = |M\xCE\\d\xCEr| + |V\xCE\\d\xCEr| L / 2 = |%.2lf| + |%.2lf| x %.4lf m = "
            "%.2lf kNm",
            r->M_d, r->V_d, r->x_end / 100.0, r->M_end);
    else
        Oli_Write_Text(file, "M = |V\xCE\\d\xCEr| L / 2 = |%.2lf| x %.4lf m = %.2lf kNm", r->V_d,
                       r->x_end / 100.0, r->M_end);
    Write_Member_Lines(file, "Blatth\x84lfte am Blattende", axial, "V\xCE\\d\xCEr", m);
}


static void Write_Lamella_Share_Line(FILE *file, const Timber_Check *r)
{
    Oli_Write_Text(file,
                   "Holzlamellen: %d Lamellen, %d Scherfugen je Verbindungsmittel mit gleicher "
                   "Kraft: innere Lamelle (zwischen zwei Blechen) 2/%d, \x84u\xE1"
                   "ere Lamelle "
                   "(neben einem Blech) 1/%d von N, M und V",
                   r->lamellas, r->planes, r->planes, r->planes);
}

/* One lamella's forces, net section and stresses. */
static void Write_Lamella_Lines(FILE *file, const Timber_Member_Check *m, bool inner,
                                const char *axial, const char *shear)
{
    const char *name = inner ? "innere Lamelle"
                             : "\x84u\xE1"
                               "ere Lamelle";
    Oli_Write_Text(file,
                   "%s: N = %.2lf kN, M = %.2lf kNm, V = %.2lf kN, A\xCE\\n\xCEr = %.2lf "
                   "cm\xCE/2\xCEr, W\xCE\\n\xCEr = %.2lf cm\xCE/3\xCEr",
                   name, m->N, m->M, m->V, m->A_n, m->W_n);
    /* V is the lamella's share of the member's shear, tau_d = 1.5 V / (k_cr A_n) */
    Oli_Write_Text(file,
                   "%s: %s\xCE\\%s\xCEr = %.2lf N/mm\xCE/2\xCEr, %s\xCE\\m,d\xCEr = %.2lf "
                   "N/mm\xCE/2\xCEr, %s\xCE\\"
                   "d\xCEr = 1.5 V / (k\xCE\\cr\xCEr A\xCE\\n\xCEr) = %.2lf N/mm\xCE/2\xCEr "
                   "(V = %.2lf kN, Anteil an %s) %s %s",
                   name, SYM_SIGMA, axial, m->sigma_0, SYM_SIGMA, m->sigma_m, SYM_TAU, m->tau, m->V,
                   shear, SYM_ARROW, Section_Util(m).t);
    Write_Compression_Line(file, name, m);
}

const char Panel_In_Plane_Note[] = " (Scheibenbeanspruchung)";

/* The design tensile strength of the side timbers, or of the halves of a lap, with the factors
** it carries. */
static void Write_One_Sided_Tension_Line(FILE *file, const Timber_Check *r)
{
    const double k = r->k_red, kh = r->k_h;
    char names[128] = "", values[128] = "";
    if (k != 1.0) {
        Format_N(names, sizeof names, "k\xCE\\red\xCEr x ");
        Format_N(values, sizeof values, "%.3lf x ", k);
    }
    if (kh != 1.0) {
        Format_N(names + strlen(names), sizeof names - strlen(names), "k\xCE\\h\xCEr x ");
        Format_N(values + strlen(values), sizeof values - strlen(values), "%.3lf x ", kh);
    }
    const bool lap = r->kind == CONN_LAP;
    const bool panel = lap ? r->mid.panel : r->side.panel;
    Oli_Write_Text(file,
                   "%s: f\xCE\\t,0,d\xCEr = %sf\xCE\\t,0,k\xCEr x k\xCE\\mod\xCEr / "
                   "%s\xCE\\M\xCEr = %s%.2lf x %.2lf / %.2lf = %.2lf N/mm\xCE/2\xCEr%s",
                   lap ? "Holzlamellen" : "Seitenh\x94lzer", names, SYM_GAMMA, values, r->f_t_0_k,
                   r->kmod_t, r->gamma_m_t, r->f_t_0_d, panel ? Panel_In_Plane_Note : "");
    if (k != 1.0)
        Oli_Write_Text(file, "mit k\xCE\\red\xCEr = %s nach %s (%s)", k == 0.4 ? "0.4" : "1/1.5",
                       Tension_Reduction_Rule(r->annex),
                       lap ? "einseitig beanspruchte Blatthälften"_cp850
                           : "symmetrische Zugverbindung");
}

/* The other design strengths of a panel member that its check used, each from the panel's value
** in its plane: compression under an axial pressure, bending where a moment acts and shear where
** a shear acts (its tension has the line above). */
static void Write_Panel_Strength_Lines(FILE *file, const Timber_Check *r, const char *name,
                                       const Timber_Member_Check *m)
{
    if (!m->panel) return;
    const struct {
        bool used;
        const char *sub;
        double f_k, f_d;
    } rows[] = {
        {r->N < 0.0, "c,0", m->f_c_0_k, m->f_c_0_d},
        {m->sigma_m != 0.0, "m", m->f_m_k, m->f_m_d},
        {m->tau != 0.0, "v", m->f_v_k, m->f_v_d},
    };
    for (const auto &row : rows) {
        if (!row.used) continue;
        Oli_Write_Text(file,
                       "%s: f\xCE\\%s,d\xCEr = f\xCE\\%s,k\xCEr x k\xCE\\mod\xCEr / "
                       "%s\xCE\\M\xCEr = %.2lf x %.2lf / %.2lf = %.2lf N/mm\xCE/2\xCEr%s",
                       name, row.sub, row.sub, SYM_GAMMA, row.f_k, m->kmod, m->gamma_m, row.f_d,
                       Panel_In_Plane_Note);
    }
}

/* The lines of tension perpendicular to the grain; V_90 is a force in kN. */
static void Write_T90_Lines(FILE *file, const Timber_Check *r)
{
    Oli_Write_Text(file,
                   "Mittelholz  : max V\xCE\\"
                   "90,d\xCEr = %.2lf kN, %s\xCE\\"
                   "90,d\xCEr"
                   " = %.2lf N/mm\xCE/2\xCEr, f\xCE\\t90,d\xCEr = %.2lf N/mm\xCE/2\xCEr %s %s",
                   r->V90, SYM_SIGMA, r->sigma_90_mid, r->f_t90_mid, SYM_ARROW,
                   Util_Of(r->u90_mid, "u = ", 2).t);
    if (r->kind == CONN_SIDE_TIMBERS)
        Oli_Write_Text(file,
                       "%s: max V\xCE\\"
                       "90,d\xCEr = %.2lf kN, %s\xCE\\"
                       "90,d\xCEr = "
                       "%.2lf N/mm\xCE/2\xCEr, f\xCE\\t90,d\xCEr = %.2lf N/mm\xCE/2\xCEr %s %s",
                       "Seitenhölzer"_cp850, r->V90, SYM_SIGMA, r->sigma_90_side, r->f_t90_side,
                       SYM_ARROW, Util_Of(r->u90_side, "u = ", 2).t);
}

/* The moment of a lap half's eccentricity t/2 under an axial force N (kN): t in mm, M_z in kNm;
** under "Druck" or "Zug", with the clause that checks it. */
static void Write_Lap_Moment_Line(FILE *file, const char *under, const char *clause, double t,
                                  double N, double M_z)
{
    Oli_Write_Text(file,
                   "Blatth\x84lften unter %s mit dem Moment der Ausmitte e = t/2 = %.1lf mm%s: "
                   "M = |N| x t/2 = %.2lf x %.4lf m = %.3lf kNm",
                   under, t / 2.0, clause, std::fabs(N), t / 2000.0, M_z);
}

/*
** The halves of a lap under compression: the moment of the eccentricity on the net section, the
** interactions (6.19), (6.20) and, with k_c over the lap's length, (6.23), (6.24) (DIN 1052 has
** the same forms), each with its operands.
*/
static void Print_Lap_Compression(FILE *file, const Timber_Check *r)
{
    const Lap_Compression_Check *l = &r->lap;
    const bool ec = r->annex != 0;
    Write_Lap_Moment_Line(file, "Druck", ec ? " (DIN EN 1995-1-1, 6.2.4)" : "", l->t, r->N, l->M_z);
    Oli_Write_Text(file,
                   "W\xCE\\z,n\xCEr = A\xCE\\n\xCEr t / 6 = %.2lf x %.1lf / 6 = %.2lf "
                   "cm\xCE/3\xCEr, %s\xCE\\m,z,d\xCEr = %.3lf N/mm\xCE/2\xCEr, "
                   "%s\xCE\\m,y,d\xCEr = %.3lf N/mm\xCE/2\xCEr, %s\xCE\\c,0,d\xCEr = %.3lf "
                   "N/mm\xCE/2\xCEr, f\xCE\\c,0,d\xCEr = %.2lf N/mm\xCE/2\xCEr, "
                   "f\xCE\\m,d\xCEr = %.2lf N/mm\xCE/2\xCEr, k\xCE\\m\xCEr = %.1lf",
                   l->A_n, l->t / 10.0, l->W_z, SYM_SIGMA, l->sigma_m_z, SYM_SIGMA, l->sigma_m_y,
                   SYM_SIGMA, l->sigma_c, l->f_c_0_d, l->f_m_d, l->k_m);
    if (l->u >= UTIL_NO_CHECK && !(l->f_c_0_d > 0.0 && l->f_m_d > 0.0)) return;
    const double c = l->sigma_c / l->f_c_0_d, my = l->sigma_m_y / l->f_m_d,
                 mz = l->sigma_m_z / l->f_m_d;
    Oli_Write_Text(file,
                   "%s: (%.4lf)\xCE/2\xCEr + %.4lf + %.1lf x %.4lf = %.3lf; %s: (%.4lf)\xCE/2\xCEr "
                   "+ %.1lf x %.4lf + %.4lf = %.3lf",
                   ec ? "(6.19)" : "Druck und Biegung y", c, my, l->k_m, mz, l->u_619,
                   ec ? "(6.20)" : "z", c, l->k_m, my, mz, l->u_620);
    Oli_Write_Text(file,
                   "Knicken der Blatth\x84lfte \x81"
                   "ber die Blattl\x84nge l\xCE\\ef\xCEr = %.1lf mm%s: %s\xCE\\rel,y\xCEr = "
                   "%.3lf, k\xCE\\c,y\xCEr = %.3lf (h = %.0lf mm); %s\xCE\\rel,z\xCEr = %.3lf, "
                   "k\xCE\\c,z\xCEr = %.3lf (t = %.0lf mm)",
                   l->l_ef, ec ? " (DIN EN 1995-1-1, 6.3.2)" : "", "lambda", l->lambda_rel_y,
                   l->k_c_y, l->h, "lambda", l->lambda_rel_z, l->k_c_z, l->t);
    Oli_Write_Text(file,
                   "%s: %.4lf / %.3lf + %.4lf + %.1lf x %.4lf = %s; %s: %.4lf / %.3lf + %.1lf x "
                   "%.4lf + %.4lf = %s %s %s",
                   ec ? "(6.23)" : "Knicken y", c, l->k_c_y, my, l->k_m, mz,
                   Util_Of(l->u_623, "", 3).t, ec ? "(6.24)" : "z", c, l->k_c_z, l->k_m, my, mz,
                   Util_Of(l->u_624, "", 3).t, SYM_ARROW, Util_Of(l->u, "u = ", 2).t);
}

/*
** The halves of a lap under tension without the reduction of their tensile strength: the moment
** of the eccentricity on the net section, the design strengths with their factors and the
** interactions (6.17), (6.18) (DIN 1052 has the same forms), each with its operands.
*/
static void Print_Lap_Tension(FILE *file, const Timber_Check *r)
{
    const Lap_Tension_Check *l = &r->lap_t;
    const bool ec = r->annex != 0;
    Write_Lap_Moment_Line(file, "Zug", ec ? " (DIN EN 1995-1-1, 6.2.3)" : "", l->t, r->N, l->M_z);
    /* the member's moment about the height on its net modulus, where one acts */
    char my_ops[96] = "";
    if (l->M_y != 0.0)
        Format_N(my_ops, sizeof my_ops,
                 "M\xCE\\y,d\xCEr / W\xCE\\n\xCEr = %.2lf kNm / %.2lf cm\xCE/3\xCEr = ", l->M_y,
                 l->W_y);
    Oli_Write_Text(file,
                   "W\xCE\\z,n\xCEr = A\xCE\\n\xCEr t / 6 = %.2lf x %.1lf / 6 = %.2lf "
                   "cm\xCE/3\xCEr, %s\xCE\\m,z,d\xCEr = M / W\xCE\\z,n\xCEr = %.3lf "
                   "N/mm\xCE/2\xCEr, %s\xCE\\m,y,d\xCEr = %s%.3lf N/mm\xCE/2\xCEr, "
                   "%s\xCE\\t,0,d\xCEr = N / A\xCE\\n\xCEr = %.3lf N/mm\xCE/2\xCEr, "
                   "k\xCE\\m\xCEr = %.1lf",
                   l->A_n, l->t / 10.0, l->W_z, SYM_SIGMA, l->sigma_m_z, SYM_SIGMA, my_ops,
                   l->sigma_m_y, SYM_SIGMA, l->sigma_t, l->k_m);
    Oli_Write_Text(file,
                   "f\xCE\\t,0,d\xCEr = k\xCE\\h\xCEr x f\xCE\\t,0,k\xCEr x "
                   "k\xCE\\mod\xCEr / %s\xCE\\M\xCEr = %.2lf x %.2lf x %.2lf / %.2lf = %.2lf "
                   "N/mm\xCE/2\xCEr, f\xCE\\m,d\xCEr = k\xCE\\h\xCEr x f\xCE\\m,k\xCEr x "
                   "k\xCE\\mod\xCEr / %s\xCE\\M\xCEr = %.2lf x %.2lf x %.2lf / %.2lf = %.2lf "
                   "N/mm\xCE/2\xCEr",
                   SYM_GAMMA, l->k_h_t, l->f_t_0_k, l->kmod, l->gamma_m, l->f_t_0_d, SYM_GAMMA,
                   l->k_h_m, l->f_m_k, l->kmod, l->gamma_m, l->f_m_d);
    if (!(l->f_t_0_d > 0.0 && l->f_m_d > 0.0)) return;
    const double t = l->sigma_t / l->f_t_0_d, my = l->sigma_m_y / l->f_m_d,
                 mz = l->sigma_m_z / l->f_m_d;
    Oli_Write_Text(file,
                   "%s: %.4lf + %.4lf + %.1lf x %.4lf = %.3lf; %s: %.4lf + %.1lf x %.4lf + %.4lf "
                   "= %.3lf %s u = %.2lf",
                   ec ? "(6.17)" : "Zug und Biegung y", t, my, l->k_m, mz, l->u_617,
                   ec ? "(6.18)" : "z", t, l->k_m, my, mz, l->u_618, SYM_ARROW, l->u);
}

/*
** The closing line: the largest utilisation and the member it belongs to (both side-timber
** members where they print alike); where both fail, the other one's too. A member with a check
** that cannot be made, or a case that a rule forbids, says so and which check it is, in place of a
** number.
*/
static void Write_Timber_Result_Line(FILE *file, const Timber_Check *r)
{
    const int kind = r->kind;
    const double um = std::fmax(std::fmax(r->mid.u, r->lam_outer.u), Lap_Halves_U(r)),
                 us = r->side.u, u = r->u;
    const char *mid = kind == CONN_SIDE_TIMBERS   ? "des Mittelholzes"
                      : kind == CONN_INNER_PLATES ? "der Holzlamellen"
                                                  : "des Holzes";
    const char *sides = "der Seitenh\x94lzer";
    char line[320];
    char what[UTIL_GOVERNS_MAX];
    const int side = kind == CONN_SIDE_TIMBERS && Timber_Governing_Check(r, 1, what, sizeof what)
                         ? 1
                     : Timber_Governing_Check(r, 0, what, sizeof what) ? 0
                                                                       : -1;
    if (side >= 0) {
        Format_N(line, sizeof line,
                 "Maximale Ausnutzung %s: %s %s "
                 "\xCE"
                 "bNachweis nicht erf\x81llt\xCEr",
                 side ? sides : mid, Member_Util(r, side, UTIL_NO_CHECK).t, SYM_ARROW);
        Oli_Write_Text_Flagged(file, line, 0);
        return;
    }
    const char *who = mid;
    char other[96] = "";
    if (kind == CONN_SIDE_TIMBERS) {
        char pm[32], ps[32];
        Format_N(pm, sizeof pm, "%.2lf", um);
        Format_N(ps, sizeof ps, "%.2lf", us);
        if (strcmp(pm, ps) == 0) who = "des Mittelholzes und der Seitenh\x94lzer";
        else if (us > um) who = sides;
        /* the other member fails as well: its own utilisation */
        if (strcmp(pm, ps) != 0 && std::fmin(um, us) > UTIL_LIMIT)
            Format_N(other, sizeof other, ", %s u = %.2lf > 1", us > um ? mid : sides,
                     std::fmin(um, us));
    }
    if (u <= UTIL_LIMIT)
        Format_N(line, sizeof line, "Maximale Ausnutzung %s u\xCE\\max\xCEr = %.2lf %s 1 %s %s",
                 who, u, SYM_LE, SYM_ARROW, Satisfied_Verdict(r->M_left_out));
    else
        Format_N(line, sizeof line,
                 "Maximale Ausnutzung %s u\xCE\\max\xCEr = %.2lf > 1%s %s "
                 "\xCE"
                 "bNachweis nicht erf\x81llt\xCEr",
                 who, u, other, SYM_ARROW);
    Oli_Write_Text_Flagged(file, line, u <= UTIL_LIMIT && r->M_left_out == 0.0 ? 1 : 0);
}

void Print_Timber_Check(FILE *file, const Timber_Check *r)
{
    if (file == nullptr) return;
    Oli_Write_Heading(file, 3, "%s", "Hölzer"_cp850);
    if (r->state == TIMBER_CHECK_NO_GAMMA) {
        char line[256];
        Format_N(line, sizeof line,
                 "%s\xCE\\M\xCEr nicht bestimmbar => \xCE"
                 "bNachweis kann "
                 "nicht gef\x81hrt werden!\xCEr",
                 SYM_GAMMA);
        Oli_Write_Text_Flagged(file, line, 0);
        return;
    }
    const int kind = r->kind;
    if (r->t90) Write_T90_Lines(file, r);
    Print_Splitting_Check(file, r);
    Print_Splitting_Not_Applicable(file, r);
    const char *name =
        (kind == CONN_SIDE_TIMBERS || kind == CONN_OUTER_PLATES) ? "Mittelholz" : "Holzlamellen";
    const char *axial = r->N >= 0.0 ? "t,d" : "c,d";
    /* Where a moment acts (a bending splice, or V_d's moment about the fasteners) the shear at
    ** the joint is not V_d: its own line says how it arises, and the member lines call it V. */
    if (r->joint_moment) Print_Joint_Shear(file, &r->shear);
    if (r->M_sec != 0.0) Write_Section_Moment_Line(file, r);
    const char *shear = Joint_Shear_Symbol(&r->shear, 0);
    if (r->lamellas > 0) {
        Write_Lamella_Share_Line(file, r);
        Write_Lamella_Lines(file, &r->mid, true, axial, shear);
        Write_Lamella_Lines(file, &r->lam_outer, false, axial, shear);
    } else {
        Write_Member_Lines(file, name, axial, shear, &r->mid);
    }
    Write_Kcr_Line(file, r, &r->mid);
    Write_Panel_Strength_Lines(file, r, name, &r->mid);
    if (r->lap_end_done) Print_Lap_End(file, r, axial);
    if (r->lap.done) Print_Lap_Compression(file, r);
    if (r->lap_t.done) Print_Lap_Tension(file, r);
    if (kind == CONN_SIDE_TIMBERS) {
        if (r->side.M != 0.0) Write_Side_Moment_Line(file, r);
        Write_Member_Lines(file, "Seitenh\x94lzer", axial, Joint_Shear_Symbol(&r->shear, 1),
                           &r->side);
        Write_Kcr_Line(file, r, &r->side);
        if (r->one_sided_tension) Write_One_Sided_Tension_Line(file, r);
        Write_Panel_Strength_Lines(file, r, "Seitenhölzer"_cp850, &r->side);
    }
    if (kind == CONN_LAP && r->one_sided_tension) Write_One_Sided_Tension_Line(file, r);
    /* the rule of the standard in force: DIN 1052, 11.1.2 (4), with an annex its NCI NA.8.1.6 */
    if (r->withdrawal_hint)
        Oli_Write_Text(file,
                       "Bei reinen Zugstößen gemäß %s zusätzliche ausziehfeste "
                       "Verbindungsmittel anordnen!"_cp850,
                       r->annex ? "DIN EN 1995-1-1/NA, NCI NA.8.1.6" : "DIN 1052, 11.1.2 (4)");
    Write_Timber_Result_Line(file, r);
}

/* ---------------------------------------------------------------- the governing check */

/* What the members' section check with the axial force and the moment is, by the splice:
** tension with bending in a tension splice (EN 1995-1-1, 6.2.3), compression with bending in a
** compression splice (6.2.4), in a bending splice bending with the axial force, whose sign picks
** the one or the other. The moment is part of the check where it is 0 too. */
static const char *Axial_Check_Name(void)
{
    switch (Splice_Input.splice_kind) {
    case SPLICE_TENSION: return "Zug und Biegung";
    case SPLICE_COMPRESSION: return "Druck und Biegung";
    default: return "Biegung und Normalkraft";
    }
}

int Timber_Governing_Check(const Timber_Check *r, int side, char *out, size_t size)
{
    if (size == 0) return STAND_IN_NONE;
    out[0] = 0;
    if (r->state != TIMBER_CHECK_DONE) {
        snprintf(out, size, "%s", "Teilsicherheitsbeiwert nicht bestimmbar");
        return STAND_IN_NO_CAPACITY;
    }
    struct Part {
        double u;
        const char *what, *whose;
        int stand_in; /* STAND_IN_*: what u stands for where it is UTIL_NO_CHECK */
    } parts[10];
    int n = 0;
    auto add = [&](double u, const char *what, const char *whose) {
        parts[n++] = Part{u, what, whose, u == UTIL_NO_CHECK ? STAND_IN_NO_CAPACITY : 0};
    };
    auto add_split = [&](const Split_Check *p, const char *whose) {
        if (!p->done || p->panel) return;
        add(p->u, "Querzug an den Verbindungsmitteln", whose);
        parts[n - 1].stand_in = Splitting_Stand_In(p, nullptr, 0);
    };
    if (side) {
        add(r->side.u_n, Axial_Check_Name(), "");
        add(r->side.u_v, "Schub", "");
        if (r->t90) add(r->u90_side, "Querzug", "");
        add_split(&r->split_side, "");
    } else {
        /* a lamella between two inner plates and one beside a single plate, each on its own */
        const char *inner = r->lamellas > 0 ? " der inneren Lamelle" : "";
        add(r->mid.u_n, Axial_Check_Name(), inner);
        add(r->mid.u_v, "Schub", inner);
        if (r->t90) add(r->u90_mid, "Querzug", inner);
        add_split(&r->split_mid, inner);
        if (r->lamellas > 0) {
            static const char Outer[] = " der \x84u\xE1"
                                        "eren Lamelle";
            add(r->lam_outer.u_n, Axial_Check_Name(), Outer);
            add(r->lam_outer.u_v, "Schub", Outer);
        }
        static const char Halves[] = " der Blatth\x84lften";
        /* in a bending splice the halves' check under compression (with their buckling) and
        ** that under tension are one, whose form the sign of N_d picks */
        if (r->lap.done) {
            const bool buckling = std::fmax(r->lap.u_623, r->lap.u_624) >= r->lap.u;
            const char *what = buckling ? "Knicken" : "Druck und Biegung";
            add(r->lap.u, r->bending ? Axial_Check_Name() : what, Halves);
        }
        if (r->lap_t.done) add(r->lap_t.u, Axial_Check_Name(), Halves);
    }
    /* a check that cannot be made governs before any number: a forbidden case first */
    const Part *best = nullptr;
    for (int i = 0; i < n; i++) {
        const Part *p = &parts[i];
        const bool better = best == nullptr                 ? p->u > 0.0 || p->stand_in
                            : p->stand_in != best->stand_in ? p->stand_in > best->stand_in
                                                            : p->u > best->u;
        if (better) best = p;
    }
    if (best == nullptr) return STAND_IN_NONE;
    snprintf(out, size, "%s%s", best->what, best->whose);
    return best->stand_in;
}

/*
** Check the timber of combination (group, entry); write the section "Hölzer" when a file is
** given. Return max(u_middle, u_side); the out-pointers (optional) get both values.
*/
double Oli_Holz_Nachweis(FILE *file, int group, int entry, double *u_middle, double *u_side)
{
    return Oli_Holz_Nachweis_Governing(file, group, entry, u_middle, u_side, nullptr, nullptr, 0,
                                       nullptr);
}

/* The check that gives a member's utilisation into out (size bytes), and where the annex forbids
** its case the rule with its numbers; return what its stand-in stands for. */
static int Member_Governs(const Timber_Check *r, int side, char *out, size_t size)
{
    const int kind = Timber_Governing_Check(r, side, out, size);
    const Split_Check *p = side ? &r->split_side : &r->split_mid;
    char why[200];
    if (kind == STAND_IN_NOT_ALLOWED && Splitting_Stand_In(p, why, sizeof why)) {
        const size_t n = strlen(out);
        snprintf(out + n, size - n, ": %s", why);
    }
    return kind;
}

double Oli_Holz_Nachweis_Governing(FILE *file, int group, int entry, double *u_middle,
                                   double *u_side, char *governs_middle, char *governs_side,
                                   size_t size, int *stand_in)
{
    if (governs_middle && size > 0) governs_middle[0] = 0;
    if (governs_side && size > 0) governs_side[0] = 0;
    if (stand_in) stand_in[0] = stand_in[1] = STAND_IN_NONE;
    Timber_Check r;
    if (!Calc_Timber_Check(group, entry, &r)) return 0.0;
    for (int side = 0; side < 2; side++) {
        char what[UTIL_GOVERNS_MAX];
        char *out = side ? governs_side : governs_middle;
        const int kind = out != nullptr ? Member_Governs(&r, side, out, size)
                                        : Member_Governs(&r, side, what, sizeof what);
        if (stand_in) stand_in[side] = side && r.kind != CONN_SIDE_TIMBERS ? STAND_IN_NONE : kind;
    }
    Print_Timber_Check(file, &r);
    if (r.state != TIMBER_CHECK_DONE) {
        if (u_middle) *u_middle = UTIL_NO_CHECK;
        if (u_side) *u_side = r.kind == CONN_SIDE_TIMBERS ? UTIL_NO_CHECK : 0.0;
        return UTIL_NO_CHECK;
    }
    if (u_middle) *u_middle = std::fmax(std::fmax(r.mid.u, r.lam_outer.u), Lap_Halves_U(&r));
    if (u_side) *u_side = r.side.u;
    return r.u;
}
