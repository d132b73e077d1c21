/*
** Tension check of the bolts of toothed-plate connectors: the bolt's share of the eccentricity
** of the outer member against its own tensile resistance and its washer's bearing on the timber
** under it, and the lines of the section "Verbindungsmittel" that report it; and the rope effect
** of bolts with the axial capacity it comes from, the bearing of the same washer. Forces in kN
** on the page, N in the axial record; stresses in N/mm², bolts and washers in mm, members in cm.
*/
#include "results/splice_checks.h"

#include "results/check_vbm_print.h"

#include <algorithm>
#include <cmath>

#include "design/design.h"
#include "foundation/format.h"
#include "foundation/foundation.h"
#include "printlist/printlist.h"

/* ---------------------------------------------------------------- computing the check */

/*
** Partial factor of the washer's bearing on the timber of material mat, grade: that of
** connections (EN 1995-1-1, Table 2.3, from the annex), 1.3 under DIN 1052; the accidental one in
** an accidental combination.
*/
static double Washer_Gamma_M(int accidental, int mat, int grade)
{
    if (accidental) return Get_Gamma_M(mat, grade, 1);
    return Nad_Params != nullptr ? Nad_Params->gamma_m_connections : 1.3;
}

/*
** The outer member whose eccentricity loads a connector's bolt and what its washer bears on, by
** the connection kind: side timbers t_s, the washer on them; outer plates t_p, the washer on the
** steel; inner plates the outer timber part t_red beside a plate, the washer on it; a lap the
** half b / 2, the washer on it. The member carries the share of N_d its own section check takes:
** two outer members share it, beside n_p inner plates the outer lamella carries one of the 2 n_p
** equal shear planes' shares (one inner plate: a half), a lap's half carries it alone.
*/
static void Bolt_Lever_Member(Vbm_Bolt_Check *r, int *mat, int *grade, int *mid)
{
    const Splice_Input_Record *si = &Splice_Input;
    r->conn = si->connection_kind;
    r->shares = 2;
    *mid = 1;
    *mat = si->mat_mid;
    *grade = si->grade_mid;
    switch (si->connection_kind) {
    case CONN_OUTER_PLATES:
        r->t = si->t_p;
        r->on_steel = 1;
        break;
    case CONN_INNER_PLATES:
        r->t = Calc_Timber_Part_Thickness();
        r->shares = 2 * std::max(1, (int)si->plate_count);
        break;
    case CONN_LAP:
        r->t = si->b / 2.0;
        r->shares = 1;
        break;
    default:
        r->t = si->t_s;
        *mid = 0;
        *mat = si->mat_side;
        *grade = si->grade_side;
        break;
    }
}

/*
** Tension check of the bolts of toothed-plate connectors (DIN EN 1995-1-1/NA, NCI NA.8.1.6;
** DIN 1052, 11.1.2 (3)). With an annex the bolt carries F_t,Rd = 0.9 f_ub A_s / gamma_M2 on its
** tensile stress area A_s (EN 1993-1-8, Table 3.4), without one the smaller of
** A_Sch f_y,b,k / (1.1 gamma_M) on its shank and A_Sp f_u,b,k / (1.25 gamma_M) on its tensile
** stress area (DIN 18800-1). The washer (the one chosen, else under an annex the least of 3 d
** that the page asks for) bears on the timber of the outer member (Bolt_Lever_Member) with
** 3.0 f_c,90,k on its contact area (EN 1995-1-1, 8.5.2(2); the factor is in the area of
** Calc_Thread_Area), or the effective area of the DIN 1052 washer table; being a resistance in a
** design check, the bearing takes that member's kmod of the group and gamma_M. On an outer steel
** plate the bolt alone resists. The bolt's tension is t (|N_d| / s) / n / p1 with t the
** thickness of the outer member and |N_d| / s its own force (Bolt_Lever_Member): s = 2, beside
** n_p inner plates 2 n_p, a lap's half 1.
*/
void Calc_Connector_Bolt_Check(int group, const Lkom_Entry *c, int n, Vbm_Bolt_Check *out)
{
    const Splice_Input_Record *si = &Splice_Input;
    Vbm_Bolt_Check &r = *out;
    r = Vbm_Bolt_Check{};
    r.done = 1;
    r.na_rule = Nad_Params != nullptr && Nad_Params->na816_tension_reduction != 0;
    const double db = si->d_bolt;
    r.en_bolt = Nad_Params != nullptr;
    const Stahlguete *steel =
        Get_Stahlguete(((uint32_t)si->bolt_steel & 0xFFFFu) | (r.en_bolt ? STAHL_EC_TABLE : 0u));
    r.f_ub = steel->fu;
    if (r.en_bolt) {
        r.A_b = Calc_Bolt_Stress_Area(db);
        r.gamma_m2 = Get_Steel_Gamma_M2_Joints(Lkom_Accidental_Factors(c));
        r.sigma_Rd = r.gamma_m2 > 0.0 ? 0.9 * r.f_ub / r.gamma_m2 : 0.0;
        r.N_b = r.sigma_Rd * r.A_b / 1000.0;
    } else {
        r.f_yb = steel->fy1;
        r.A_b = M_PI * db * db / 4.0;
        r.A_sp = Calc_Bolt_Stress_Area(db);
        r.gamma_m2 = si->gamma_s;
        r.sigma_Rd = r.gamma_m2 > 0.0 ? r.f_yb / (1.1 * r.gamma_m2) : 0.0;
        r.sigma_sp_Rd = r.gamma_m2 > 0.0 ? r.f_ub / (1.25 * r.gamma_m2) : 0.0;
        r.N_b = std::fmin(r.sigma_Rd * r.A_b, r.sigma_sp_Rd * r.A_sp) / 1000.0;
    }
    int mat = 0, grade = 0, mid = 0;
    Bolt_Lever_Member(&r, &mat, &grade, &mid);
    double fc90 = 0.0, fm = 0, ft = 0, fc = 0, fv = 0;
    Get_Mat_Strengths(/*group=*/mat, /*grade=*/grade, /*use=*/1, /*kind=*/8,
                      /*width=*/si->h * 10.0, /*depth=*/si->b * 10.0, /*f_m_k=*/&fm, /*f_t_k=*/&ft,
                      /*f_c_k=*/&fc, /*f_v_k=*/&fv, /*f_c90_k=*/&fc90, /*k_h=*/nullptr);
    const double f = fc90 / 1000.0;
    /* the washer chosen (at least 3 d, EN 1995-1-1, 10.4.3, Check_Bolt_Washer); without one
    ** the least washer that the page asks the builder for under an annex, 3 d, so that the
    ** check holds for any washer fitted (the table's 44 mm of M12 would leave it to chance);
    ** under DIN 1052 the one of its washer table */
    r.d_washer = Bolt_Washer_Borne(nullptr);
    if (!(r.d_washer > 0.0)) r.d_washer = Get_Washer_Diameter(db, 0);
    double a_w = std::fmin(r.d_washer + 60.0 - db, 4.0 * db);
    double A_w = Calc_Thread_Area(db, r.d_washer);
    if (!(A_w > 0.0)) A_w = a_w * r.d_washer;
    double kmod_mid = 0.0, kmod_side = 0.0;
    Get_Group_Kmod(group, &kmod_mid, &kmod_side, nullptr);
    const double kmod = mid ? kmod_mid : kmod_side;
    const double gamma = Washer_Gamma_M(Lkom_Accidental_Factors(c), mat, grade);
    const double N_w = gamma > 0.0 ? f * A_w / 1000.0 * kmod / gamma : 0.0;
    r.d_b = db;
    r.f_c90_k = f;
    r.kmod_w = kmod;
    r.gamma_w = gamma;
    r.N_w = N_w;
    r.N_Rd = r.on_steel ? r.N_b : std::fmin(N_w, r.N_b);
    r.N_d = c->N_d;
    r.n = n;
    /* p1 the spacing of the bolts within a row, also of a staggered layout (a1, not the p1 the
    ** preparation keeps twice it there): the share of one connector is held by its bolt p1 / 2
    ** from the contact */
    r.p1 = Vbm_Row_Spacing();
    r.staggered = si->layout[VBM_TYPE_SLOT(si->vbm_type)] == LAYOUT_STAGGERED;
    r.F_td = (n > 0 && r.p1 > 0.0) ? r.t * std::fabs(c->N_d) / r.shares / n / r.p1 : 0.0;
    r.no_capacity = !(r.N_Rd > 0.0);
    r.u = r.no_capacity ? 0.0 : std::fabs(r.F_td / r.N_Rd);
}

/* ---------------------------------------------------------------- printing the check */

/*
** The bolt's tension worked out with the thickness of the outer member by name: side timbers t_s,
** outer plates t_p, inner plates the outer timber part t_red, a lap's half b / 2. The force in
** the formula is the one outer member's own, |N_d| / s of its s equal shares (a lap's half carries
** it alone), so that the words and the numbers name the same force: its shear at each connector,
** |N_d| / s / n, acts t / 2 off the member's axis, and the bolt holds that moment against the
** contact p1 / 2 away, F_t,d = (|N_d| / s / n) (t / 2) / (p1 / 2).
*/
static void Print_Bolt_Lever(FILE *file, const Vbm_Bolt_Check *b)
{
    const char *name = b->conn == CONN_OUTER_PLATES   ? "t\xCE\\p\xCEr"
                       : b->conn == CONN_INNER_PLATES ? "t\xCE\\red\xCEr"
                       : b->conn == CONN_SIDE_TIMBERS ? "t\xCE\\s\xCEr"
                                                      : "(b/2)";
    char force[64], value[64];
    if (b->shares != 1) {
        Format_N(force, sizeof force, "(|N\xCE\\d\xCEr| / %d)", b->shares);
        Format_N(value, sizeof value, "(%.2lf kN / %d)", std::fabs(b->N_d), b->shares);
    } else {
        Format_N(force, sizeof force, "|N\xCE\\d\xCEr|");
        Format_N(value, sizeof value, "%.2lf kN", std::fabs(b->N_d));
    }
    Oli_Write_Text(file,
                   "F\xCE\\t,d\xCEr = %s %s / (n p\xCE\\1\xCEr) = %.2lf cm x %s / (%d x %.2lf cm) "
                   "= %.2lf kN%s",
                   name, force, b->t, value, b->n, b->p1, b->F_td,
                   b->shares == 1 ? " (die Blatth\x84lfte tr\x84gt N\xCE\\d\xCEr allein)" : "");
    /* what each letter stands for: the force is the one outer member's, n counts the bolts of
    ** one side of the joint, not those of one member; beside two or more inner plates the outer
    ** lamella's, one of the 2 n_p shear planes of equal force, as its section check takes it */
    const bool lamella = b->conn == CONN_INNER_PLATES && b->shares > 2;
    const char *member = b->conn == CONN_OUTER_PLATES   ? "eines Blechs"
                         : lamella                      ? "der \x84u\xE1"
                                                          "eren Lamelle neben einem Blech"
                         : b->conn == CONN_INNER_PLATES ? "des \x84u\xE1"
                                                          "eren Holzteils neben einem Blech"
                         : b->conn == CONN_SIDE_TIMBERS ? "eines Seitenholzes"
                                                        : "einer Blatth\x84lfte";
    const char *each = b->conn == CONN_OUTER_PLATES   ? "je Blech"
                       : b->conn == CONN_INNER_PLATES ? "je \x84u\xE1"
                                                        "erem Holzteil"
                                                      : "je Seitenholz";
    char share[160];
    if (lamella)
        Format_N(share, sizeof share,
                 "|N\xCE\\d\xCEr| / %d = Kraft der \x84u\xE1"
                 "eren Lamelle (eine von 2 n\xCE\\p\xCEr = %d Scherfugen gleicher Kraft, "
                 "N\xCE\\d\xCEr = Normalkraft im Sto\xE1)",
                 b->shares, b->shares);
    else if (b->shares != 1)
        Format_N(share, sizeof share,
                 "|N\xCE\\d\xCEr| / %d = Kraft %s (N\xCE\\d\xCEr = Normalkraft im Sto\xE1)",
                 b->shares, each);
    else Format_N(share, sizeof share, "N\xCE\\d\xCEr = Normalkraft im Sto\xE1");
    Oli_Write_Text(
        file,
        "mit %s = Dicke %s, %s, n = %d Bolzen %s, p\xCE\\1\xCEr = Abstand der Bolzen in "
        "Faserrichtung%s",
        name, member, share, b->n, b->conn == CONN_LAP ? "im Blatt" : "je Sto\xE1h\x84lfte",
        b->staggered ? " in einer Reihe (versetzt: a\xCE\\1\xCEr, die Spalten im Abstand "
                       "a\xCE\\1\xCEr / 2)"
                     : "");
}

void Print_Vbm_Bolt_Check(FILE *file, const Vbm_Bolt_Check *b)
{
    if (b->na_rule)
        Oli_Write_Text(file, "\n\xCE"
                             "bNachweis der Bolzen auf Zug gem\x84\xE1 DIN EN 1995-1-1/NA, NCI "
                             "NA.8.1.6\xCEr");
    else
        Oli_Write_Text(file, "\n\xCE"
                             "bNachweis der Bolzen auf Zug gem\x84\xE1 DIN 1052, 11.1.2 (3)\xCEr");
    const double u = Shown_Util(b->no_capacity, b->u);
    /* with an annex the bolt's area is A_s and its stress 0.9 f_ub / gamma_M2, written out;
    ** without one both areas and stresses on a line of their own, and the smaller force */
    char bolt[120];
    if (b->en_bolt) {
        Format_N(bolt, sizeof bolt,
                 "A\xCE\\s\xCEr = %.2lf mm\xCE/2\xCEr, %s\xCE\\R,d\xCEr = 0.9 x %.0lf / %.2lf = "
                 "%.2lf N/mm\xCE/2\xCEr, ",
                 b->A_b, SYM_SIGMA, b->f_ub, b->gamma_m2, b->sigma_Rd);
    } else {
        Oli_Write_Text(
            file,
            "A\xCE\\Sch\xCEr = %.2lf mm\xCE/2\xCEr, f\xCE\\y,b,k\xCEr / (1.1 %s\xCE\\M\xCEr) = "
            "%.0lf / (1.1 x %.2lf) = %.2lf N/mm\xCE/2\xCEr; A\xCE\\Sp\xCEr = %.2lf "
            "mm\xCE/2\xCEr, f\xCE\\u,b,k\xCEr / (1.25 %s\xCE\\M\xCEr) = %.0lf / (1.25 x %.2lf) = "
            "%.2lf N/mm\xCE/2\xCEr (DIN 18800-1)",
            b->A_b, SYM_GAMMA, b->f_yb, b->gamma_m2, b->sigma_Rd, b->A_sp, SYM_GAMMA, b->f_ub,
            b->gamma_m2, b->sigma_sp_Rd);
        Format_N(bolt, sizeof bolt,
                 "N\xCE\\"
                 "b,R,d\xCEr = min(%.2lf; %.2lf) = %.2lf kN, ",
                 b->sigma_Rd * b->A_b / 1000.0, b->sigma_sp_Rd * b->A_sp / 1000.0, b->N_b);
    }
    /* F_t,d worked out with the outer member by name */
    Print_Bolt_Lever(file, b);
    /* with an annex the washer's bearing on the timber, 3 f_c,90,d on its area less the hole
    ** d + 2 mm (Bolt_Washer_Hole; EN 1995-1-1, 8.5.2(2)), worked out: N_R,d is the smaller of it
    ** and the bolt */
    if (b->en_bolt && !b->on_steel) {
        const double f_d = b->gamma_w > 0.0 ? b->f_c90_k * b->kmod_w / b->gamma_w : 0.0;
        Oli_Write_Text(file,
                       "Unterlegscheibe auf dem Holz: f\xCE\\c,90,d\xCEr = f\xCE\\c,90,k\xCEr "
                       "k\xCE\\mod\xCEr / %s\xCE\\M\xCEr = %.2lf x %.2lf / %.2lf = %.3lf "
                       "N/mm\xCE/2\xCEr, Loch d\xCE\\h\xCEr = d + 2 mm = %s mm",
                       SYM_GAMMA, b->f_c90_k, b->kmod_w, b->gamma_w, f_d,
                       Mm_Digits(Bolt_Washer_Hole(b->d_b), 2).t);
        Oli_Write_Text(file,
                       "N\xCE\\w,R,d\xCEr = 3 f\xCE\\c,90,d\xCEr pi/4 (D\xCE/2\xCEr - "
                       "d\xCE\\h\xCEr\xCE/2\xCEr) = 3 x %.3lf x pi/4 x (%s\xCE/2\xCEr - "
                       "%s\xCE/2\xCEr) / 1000 = %.2lf kN, N\xCE\\R,d\xCEr = min(A\xCE\\s\xCEr "
                       "%s\xCE\\R,d\xCEr; N\xCE\\w,R,d\xCEr)",
                       f_d, Mm_Digits(b->d_washer, 2).t, Mm_Digits(Bolt_Washer_Hole(b->d_b), 2).t,
                       b->N_w, SYM_SIGMA);
    }
    char washer[120];
    if (b->on_steel)
        Format_N(washer, sizeof washer,
                 "Unterlegscheibe auf Stahlblech: N\xCE\\R,d\xCEr = N\xCE\\"
                 "b,R,d\xCEr = %s%.2lf kN",
                 b->en_bolt ? "A\xCE\\s\xCEr " SYM_SIGMA "\xCE\\R,d\xCEr = " : "", b->N_Rd);
    else
        Format_N(washer, sizeof washer,
                 "N\xCE\\R,d\xCEr = %.2lf kN (%s\xCE\\ Unterleg\xCEr = %.0lf mm%s)", b->N_Rd,
                 SYM_DIAMETER, b->d_washer, b->conn == CONN_SIDE_TIMBERS ? "" : " auf dem Holz");
    char line[300];
    Format_N(line, sizeof line,
             "%s%s, F\xCE\\t,d\xCEr = %.2lf kN\n %s%s => \xCE"
             "bNachweis %s\xCEr",
             bolt, washer, b->F_td, Util_Of(u, "u\xCE\\F\xCEr = ", 2).t,
             u == UTIL_NO_CHECK ? ""
             : u <= UTIL_LIMIT  ? " " SYM_LE " 1"
                                : " > 1",
             u <= UTIL_LIMIT ? "erf\x81llt" : "nicht erf\x81llt");
    Oli_Write_Text_Flagged(file, line, u <= UTIL_LIMIT ? 1 : 0);
}

/* ---------------------------------------------------------------- the rope effect of bolts */

static bool Alike(double a, double b) { return std::fabs(a - b) <= 1e-9 * std::fmax(1.0, b); }

void Fill_Vbm_Bolt_Axial(Vbm_Bolt_Axial *a, const Connection_Input *in,
                         const Connection_Result *res)
{
    *a = Vbm_Bolt_Axial{};
    const double r_ax = res->r_ax * (in->result_in_kN ? 1000.0 : 1.0);
    if (Nad_Params == nullptr || in->vbm_type != VBM_BOLZEN || !(r_ax > 0.0)
        || !(res->washer_outer > 0.0))
        return;
    const Splice_Input_Record *si = &Splice_Input;
    a->d = in->d;
    a->D = res->washer_outer;
    a->d_h = res->washer_hole;
    a->f_c90 = res->washer_fc90;
    if (res->washer_plate) {
        a->source = VBM_WASHER_PLATE;
        a->t_plate = Is_Mat_Metal_Plate(in->mat_1) ? in->t1 : in->t2;
    } else {
        a->source = si->washer && si->washer_d > 1.0 ? VBM_WASHER_CHOSEN : VBM_WASHER_LEAST;
    }
    a->F_w = 3.0 * a->f_c90 * M_PI / 4.0 * (a->D * a->D - a->d_h * a->d_h);
    /* the bolt's steel as the design takes it: f_ub of its grade over gamma_M2 = 1.25, a given
    ** f_u as it stands (EN 1993-1-8, Table 3.4) */
    a->A_s = Calc_Bolt_Stress_Area(in->d);
    a->gamma = in->steel_grade >= 0 ? 1.25 : 1.0;
    a->f_ub = in->steel_grade >= 0 ? Get_Stahlguete((uint32_t)in->steel_grade)->fu : in->fu;
    a->F_t = res->f_ax_tension;
}

/* The washer's area and where its diameter and hole come from. */
static void Print_Bolt_Washer(FILE *file, const Vbm_Bolt_Axial *a)
{
    char D[160];
    if (a->source == VBM_WASHER_PLATE)
        Format_N(D, sizeof D,
                 "D = min(12 t; 4 d) = min(12 x %s; 4 x %s) = %s mm: das Stahlblech als "
                 "Unterlegscheibe (DIN EN 1995-1-1, 8.5.2(2))",
                 Mm_Of(a->t_plate).t, Mm_Of(a->d).t, Mm_Of(a->D).t);
    else if (a->source == VBM_WASHER_LEAST)
        Format_N(D, sizeof D,
                 "D = 3 d = 3 x %s = %s mm: die kleinste Unterlegscheibe (keine gew\x84hlt, DIN "
                 "EN 1995-1-1, 10.4.3)",
                 Mm_Of(a->d).t, Mm_Of(a->D).t);
    else Format_N(D, sizeof D, "D = %s mm: die gew\x84hlte Unterlegscheibe", Mm_Of(a->D).t);
    const bool plate = a->source == VBM_WASHER_PLATE;
    Oli_Write_Text(file,
                   "%s; d\xCE\\h\xCEr = d + %d mm = %s mm (%s, Annahme des Programms); A = "
                   "pi/4 (D\xCE/2\xCEr - d\xCE\\h\xCEr\xCE/2\xCEr) = pi/4 x (%s\xCE/2\xCEr - "
                   "%s\xCE/2\xCEr) = %.1lf mm\xCE/2\xCEr",
                   D, plate ? 1 : 2, Mm_Of(a->d_h).t, plate ? "Loch im Blech" : "Loch der Scheibe",
                   Mm_Of(a->D).t, Mm_Of(a->d_h).t, M_PI / 4.0 * (a->D * a->D - a->d_h * a->d_h));
}

/* F_ax,Rk of a bolt: its washer's bearing, or its steel where that holds less; r_ax in kN. */
static void Print_Bolt_Axial(FILE *file, const Vbm_Bolt_Axial *a, double r_ax)
{
    const bool steel = a->F_t > 0.0 && a->F_t < a->F_w;
    if (!Alike((steel ? a->F_t : a->F_w) / 1000.0, r_ax)) return;
    if (steel) {
        Oli_Write_Text(
            file,
            "F\xCE\\ax,Rk\xCEr = min(3 f\xCE\\c,90,k\xCEr A; F\xCE\\t,Rk\xCEr) = min(3 x "
            "%.2lf x %.1lf; %.4lf) = min(%.4lf; %.4lf) = %.4lf kN (Pressung unter der "
            "Unterlegscheibe, DIN EN 1995-1-1, 8.5.2(2), h\x94"
            "chstens die Zugtragf\x84higkeit des Bolzens)",
            a->f_c90, a->F_w / (3.0 * a->f_c90), a->F_t / 1000.0, a->F_w / 1000.0, a->F_t / 1000.0,
            r_ax);
        Oli_Write_Text(file,
                       "F\xCE\\t,Rk\xCEr = 0.9 f\xCE\\ub\xCEr A\xCE\\s\xCEr / %s\xCE\\M2\xCEr = "
                       "0.9 x %.0lf x %.1lf / %.2lf = %.4lf kN (Zugtragf\x84higkeit des Bolzens, "
                       "DIN EN 1993-1-8, Tab. 3.4)",
                       SYM_GAMMA, a->f_ub, a->A_s, a->gamma, a->F_t / 1000.0);
    } else {
        Oli_Write_Text(file,
                       "F\xCE\\ax,Rk\xCEr = 3 f\xCE\\c,90,k\xCEr A = 3 x %.2lf x %.1lf = %.4lf kN "
                       "(Pressung unter der Unterlegscheibe, DIN EN 1995-1-1, 8.5.2(2))",
                       a->f_c90, a->F_w / (3.0 * a->f_c90), r_ax);
    }
    Print_Bolt_Washer(file, a);
}

void Print_Vbm_Bolt_Rope(FILE *file, const Vbm_Row *w)
{
    if (w->rope_rk > 0.0 && w->mode_thin > 0) {
        Oli_Write_Text(file,
                       "Seilwirkung: %sF\xCE\\v,Rk\xCEr = %.4lf kN aus den interpolierten "
                       "Versagensf\x84llen, je " SYM_LE " min(F\xCE\\ax,Rk\xCEr / 4; 0.25 x Anteil "
                       "ohne Seilwirkung), F\xCE\\ax,Rk\xCEr / 4 = %.4lf / 4 = %.4lf kN (Bolzen, "
                       "DIN EN 1995-1-1, 8.2.2(2))",
                       Sym_Delta, w->rope_rk, w->r_ax, w->r_ax / 4.0);
    } else if (w->rope_rk > 0.0) {
        /* a bolt's share: a quarter of F_ax,Rk, at most 25 % of the mode without the rope effect */
        const double part = w->R_k - w->rope_rk;
        if (Alike(std::fmin(w->r_ax / 4.0, 0.25 * part), w->rope_rk))
            Oli_Write_Text(file,
                           "Seilwirkung: %sF\xCE\\v,Rk\xCEr = min(F\xCE\\ax,Rk\xCEr / 4; 0.25 x "
                           "Anteil ohne Seilwirkung) = min(%.4lf / 4; 0.25 x %.4lf) = min(%.4lf; "
                           "%.4lf) = %.4lf kN (Bolzen, DIN EN 1995-1-1, 8.2.2(2)) => "
                           "F\xCE\\v,Rk\xCEr = %.4lf + %.4lf = %.4lf kN",
                           Sym_Delta, w->r_ax, part, w->r_ax / 4.0, 0.25 * part, w->rope_rk, part,
                           w->rope_rk, w->R_k);
        else
            Oli_Write_Text(file,
                           "Seilwirkung: %sF\xCE\\v,Rk\xCEr = %.4lf kN " SYM_LE
                           " F\xCE\\ax,Rk\xCEr / 4 = %.4lf / 4 = %.4lf kN (DIN EN 1995-1-1, "
                           "8.2.2(2))",
                           Sym_Delta, w->rope_rk, w->r_ax, w->r_ax / 4.0);
    } else if (w->r_ax > 0.0) {
        Oli_Write_Text(file,
                       "Seilwirkung: kein Anteil, der Versagensfall nimmt keinen auf "
                       "(F\xCE\\ax,Rk\xCEr = %.4lf kN)",
                       w->r_ax);
    } else {
        Oli_Write_Text(file, "Seilwirkung: kein Anteil, kein F\xCE\\ax,Rk\xCEr");
        return;
    }
    if (w->bolt_axial.source != 0) Print_Bolt_Axial(file, &w->bolt_axial, w->r_ax);
}
