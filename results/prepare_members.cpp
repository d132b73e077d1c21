/*
** The members of a splice in its preparation run: the input that leaves no fastener, plate or
** combination, the side timbers' thickness where the program chooses it, and every least
** thickness, length and pre-drilling the fastener asks of the members, with the refusals that
** name the member and both values. Thicknesses in cm, the refusals' sizes in mm.
*/
#include "results/prepare_internal.h"

#include <cmath>
#include <cstring>
#include <string>

#include "catalogue/catalogue.h"
#include "foundation/codepage.h"
#include "results/splice_checks.h"

/* ---------------------------------------------------------------- the members and the input */

/* Thickness of the whole joint across the grain, cm: the side timbers or outer plates with the
** middle member between them; inner plates and a lap lie within the member's width. */
double Splice_Joint_Thickness(void)
{
    const Splice_Input_Record *si = &Splice_Input;
    switch (si->connection_kind) {
    case CONN_SIDE_TIMBERS: return si->b + 2.0 * si->t_s;
    case CONN_OUTER_PLATES: return si->b + 2.0 * si->t_p;
    default: return si->b;
    }
}

/*
** A panel or LVL member (side members only beside side timbers) without kmod, none or 0, in the
** splice's service class for the load-duration class of a group that holds valid combinations
** (EN 1995-1-1, Table 3.1; DIN 1052, Table F.1; for LVL its approval): its error code, which
** names grade and class, else 0.
*/
static int Check_Panel_Service_Class(void)
{
    const Splice_Input_Record *si = &Splice_Input;
    struct Member {
        int mat, grade;
    };
    Member m[2];
    int n = 0;
    if (si->connection_kind == CONN_SIDE_TIMBERS) m[n++] = Member{si->mat_side, si->grade_side};
    m[n++] = Member{si->mat_mid, si->grade_mid};
    int panels = 0;
    for (int i = 0; i < n; i++)
        if ((Is_Mat_Wood_Panel(m[i].mat) || Is_Mat_Lvl(m[i].mat) || m[i].mat == MAT_POLLM_GLVL)
            && m[i].grade != 14 && m[i].grade != -999)
            m[panels++] = m[i];
    for (int g = 0; panels > 0 && g < LKOM_GROUPS; g++) {
        bool used = false;
        for (int e = 0; e < LKOM_ENTRIES && !used; e++) used = Is_Lkom_Valid(g, e) != 0;
        if (!used) continue;
        for (int i = 0; i < panels; i++) {
            double k = 0.0;
            if (!Get_Kmod(m[i].mat, m[i].grade, si->service_class, si->lkom.groups[g].kled, &k,
                          nullptr)
                || !(k > 0.0))
                return Board_Service_Class_Code(m[i].mat, m[i].grade, si->service_class);
        }
    }
    return 0;
}

/*
** Refuse input that leaves no fastener, no plate or no valid combination, and derive the side
** timbers' thickness where the program chooses it. Return 0 or an error code.
*/
int Prepare_Members(void)
{
    Splice_Input_Record *si = &Splice_Input;
    const int type = si->vbm_type;
    const int kind = si->connection_kind;
    const bool plates = kind == CONN_INNER_PLATES || kind == CONN_OUTER_PLATES;

    /* Input that leaves no fastener or no plate is refused before anything is derived. */
    if (!(si->d > 0.0)) return DERR_DIAMETER_NOT_POSITIVE;
    if (plates && (!(si->t_p > 0.0) || (kind == CONN_INNER_PLATES && (int)si->plate_count < 1)))
        return DERR_PLATE_MIN_3MM;
    /* a fastener that the connection cannot take, a connector's bolt that its size does not
    ** take, and a bolt's washer too small */
    int rc = Check_Fastener_Kind();
    if (rc == 0) rc = Check_Connector_Bolt();
    if (rc == 0) rc = Check_Bolt_Washer();
    if (rc != 0) return rc;
    const double rho_side = Rho_K_Of(si->mat_side, si->grade_side, si->t_s);
    const double rho_mid = Rho_K_Of(si->mat_mid, si->grade_mid, si->b);

    int valid = 0;
    for (int g = 0; g < LKOM_GROUPS; g++)
        for (int e = 0; e < LKOM_ENTRIES; e++) valid += Is_Lkom_Valid(g, e);
    if (valid == 0) return DERR_NO_VALID_COMBINATION;
    rc = Check_Panel_Service_Class();
    if (rc != 0) return rc;

    /* automatic side-member thickness */
    if (kind == CONN_SIDE_TIMBERS && si->t_s_user == 0) {
        const double t = Calc_T1_Req(/*d=*/si->d, /*type=*/type, /*predrilled=*/si->predrilled,
                                     /*variant=*/si->stainless, /*fitted=*/si->fitted_bolt,
                                     /*threaded=*/si->threaded_rod, /*alpha1=*/M_PI / 2.0,
                                     /*alpha2=*/M_PI / 2.0, /*dc=*/si->d,
                                     /*fu=*/Get_Fastener_Fu_K(), /*t1=*/si->t_s * 10.0,
                                     /*t2=*/si->b * 10.0, /*rho1=*/rho_side, /*rho2=*/rho_mid,
                                     /*mat1=*/si->mat_side, /*mat2=*/si->mat_mid,
                                     /*g1=*/si->grade_side, /*g2=*/si->grade_mid, /*user1=*/nullptr,
                                     /*user2=*/nullptr);
        double t_connector = 0.0;
        si->t_s = Calc_Auto_Side_Thickness(
            Connector_Required_Thicknesses(&t_connector, nullptr) ? t_connector : t);
    }

    /* A dowel or bolt passes through every member and plate of the joint. */
    if (Is_Vbm_Dowel_Or_Bolt(type) && si->l < 10.0 * Splice_Joint_Thickness() - LENGTH_TOL)
        return DERR_LENGTH_TOO_SMALL;
    return 0;
}

/*
** Nails driven from both sides into the middle member may overlap there only where each point ends
** more than 4 d before the far face, t - t2 > 4 d (EN 1995-1-1, 8.3.1.1(7)); a nail anchored
** beyond the middle member passes it (double shear). Screws of d <= 6 mm follow the rules of the
** nails (8.7.1), this one among them. Return DERR_NAIL_OVERLAP for nails and DERR_SCREW_OVERLAP
** for such screws whose points overlap closer to the far face, else 0.
*/
static int Check_Overlapping_Nails(void)
{
    const Splice_Input_Record *si = &Splice_Input;
    const int kind = si->connection_kind;
    const int type = si->vbm_type;
    const bool nail_screw = Is_Vbm_Screw(type) && Map_Screw_To_Rule_Type(type, si->d) == VBM_NAGEL;
    if (!(Is_Vbm_Nail(type) || nail_screw)
        || (kind != CONN_SIDE_TIMBERS && kind != CONN_OUTER_PLATES))
        return 0;
    const double t_o = 10.0 * (kind == CONN_OUTER_PLATES ? si->t_p : si->t_s);
    const double t = 10.0 * si->b, d = si->d, l = si->l;
    const int staggered = si->layout[VBM_TYPE_SLOT(si->vbm_type)] == LAYOUT_STAGGERED;
    int anchorages = 0;
    Check_Nail_Overlap(/*t1=*/t_o, /*t_mid=*/t, /*t3=*/t_o, /*staggered=*/staggered, /*l1=*/l,
                       /*d1=*/d, /*angle1=*/90.0, /*out_pen1=*/nullptr,
                       /*out_count1=*/&anchorages, /*out_state1=*/nullptr, /*l2=*/l, /*d2=*/d,
                       /*angle2=*/90.0, /*out_pen2=*/nullptr, /*out_count2=*/nullptr,
                       /*out_state2=*/nullptr);
    /* none: the point stays in the side member or just beyond; two: a nail through */
    if (anchorages != 1) return 0;
    const double t2 = std::fmin(l - t_o, t); /* point-side penetration into the middle member */
    if (2.0 * t2 <= t) return 0;             /* the points of both sides do not meet */
    if (t - t2 > 4.0 * d) return 0;
    char how[48];
    snprintf(how, sizeof how, "4 d = 4 x %s", Mm_Of(d).t);
    const int code = Refuse_Size(nail_screw ? DERR_SCREW_OVERLAP : DERR_NAIL_OVERLAP, "t - t2",
                                 t - t2, 4.0 * d, how, 1);
    Spacing_Refusal &r = Fastener_Pattern.refusal;
    const char *t1 = kind == CONN_OUTER_PLATES ? "t_p" : "t_s";
    const std::string b = Mm_Of(t).t, pen = std::string(Mm_Of(l).t) + " - " + Mm_Of(t_o).t;
    const std::string of =
        l - t_o <= t
            ? "b - (l - " + std::string(t1) + ") = " + b + " - (" + pen + ")"
            : "b - min(l - " + std::string(t1) + "; b) = " + b + " - min(" + pen + "; " + b + ")";
    snprintf(r.of, sizeof r.of, "%s", of.c_str());
    return code;
}

/* ---------------------------------------------------------------- refusals of the members */

/* The members whose thickness the fastener's rules test, each with its name on the pages. */
enum { MEMBER_MIDDLE = 0, MEMBER_SIDE = 1, MEMBER_LAP_HALF = 2, MEMBER_LAMELLA = 3 };

/* Note that the layout keeps distance `name` at value (cm) where the rules ask `required`, under
** its own name `rule`, and return the refusal's code. */
int Refuse(int code, const char *name, const char *rule, double value, double required)
{
    Spacing_Refusal &r = Fastener_Pattern.refusal;
    r = Spacing_Refusal{};
    Fastener_Pattern.refusal_also_count = 0;
    r.code = code;
    snprintf(r.name, sizeof r.name, "%s", name);
    snprintf(r.rule, sizeof r.rule, "%s", rule);
    r.value = value;
    r.required = required;
    return code;
}

/* Note that member `name` is value_mm thick (or long) where the rule `how` asks required_mm,
** and return the refusal's code. beyond: the value must exceed the least value. */
int Refuse_Size(int code, const char *name, double value_mm, double required_mm, const char *how,
                int beyond)
{
    Refuse(code, name, name, value_mm, required_mm);
    Spacing_Refusal &r = Fastener_Pattern.refusal;
    r.mm = 1;
    r.beyond = beyond;
    snprintf(r.how, sizeof r.how, "%s", how ? how : "");
    return code;
}

/* The code that names the member of a refused least thickness: 97 (splitting of plain nails)
** and 113 (the thickness rule of nails, screws and staples) name the side timbers; the middle
** member, the halves of a lap and the lamellas beside inner plates have codes of their own, as
** has a half of a lap below 24 mm. A lamella too thin for its connectors is refused in the words
** of the connectors' rule, an inner member's between two plates, else an outer member's. */
static int Thin_Member_Code(int code, int member)
{
    if (member == MEMBER_LAMELLA && code == DERR_SPLIT_SIDE_OR_NAIL_THICK)
        return DERR_SPLIT_LAMELLA_OR_NAIL_THICK;
    if (member == MEMBER_LAMELLA && code == DERR_CONNECTOR_TOO_HIGH)
        return Lamellas_Between_Plates() ? DERR_CONNECTOR_MIDDLE_3_75HE
                                         : DERR_CONNECTOR_SIDE_2_25HE;
    if (member == MEMBER_MIDDLE) {
        if (code == DERR_SPLIT_SIDE_OR_NAIL_THICK) return DERR_SPLIT_MIDDLE_OR_NAIL_THICK;
        if (code == DERR_SIDE_THIN_OR_NAIL_THICK) return DERR_MIDDLE_THIN_OR_NAIL_THICK;
    } else if (member == MEMBER_LAP_HALF) {
        if (code == DERR_SPLIT_SIDE_OR_NAIL_THICK) return DERR_SPLIT_LAP_OR_NAIL_THICK;
        if (code == DERR_SIDE_THIN_OR_NAIL_THICK) return DERR_LAP_THIN_OR_NAIL_THICK;
        if (code == DERR_SIDE_MIN_24MM_MEMBER) return DERR_LAP_MIN_24MM;
    }
    return code;
}

/* Say in the refusal how the lamellas beside inner plates come from the member and the plates,
** in mm: t_1 = (b - n_p t_p) / (n_p + 1). The connectors' least thicknesses, whose texts speak
** of the middle member (3.75 h_e) and of the side timber (2.25 h_e), name the lamella they hold
** it of: the one between two plates, or one beside a single plate. */
void Lamella_Of(Spacing_Refusal *r)
{
    const Splice_Input_Record *si = &Splice_Input;
    const int n = (int)si->plate_count;
    snprintf(r->of, sizeof r->of, "(b - n_p t_p) / (n_p + 1) = (%s - %d x %s) / %d",
             Mm_Of(10.0 * si->b).t, n, Mm_Of(10.0 * si->t_p).t, n + 1);
    const char *part = "";
    if (r->code == DERR_CONNECTOR_MIDDLE_3_75HE) part = "innere Lamelle zwischen zwei Blechen";
    else if (r->code == DERR_CONNECTOR_SIDE_2_25HE)
        part = n >= 2 ? "äußere Lamelle neben einem Blech"_cp850 : "Lamelle neben dem Blech";
    snprintf(r->part, sizeof r->part, "%s", part);
}

/* The thickness of a member (cm) and its name on the pages. */
static double Member_Thickness(int member, const char **name)
{
    const Splice_Input_Record *si = &Splice_Input;
    switch (member) {
    case MEMBER_MIDDLE: *name = "b"; return si->b;
    case MEMBER_LAP_HALF: *name = "b / 2"; return si->b / 2.0;
    case MEMBER_LAMELLA: *name = "t_1"; return Calc_Timber_Part_Thickness();
    default: *name = "t_s"; return si->t_s;
    }
}

/*
** The least thickness of a member against what it has: 0, or the refusal that names the member
** with both thicknesses (Refuse_Size). split: the splitting rule of plain nails (code 97), else
** the least thickness's own code. The side timbers, a half of a lap and a lamella beside inner
** plates are the outer member that the design joins.
*/
static int Check_Member_Thickness(int member, bool split)
{
    const Splice_Input_Record *si = &Splice_Input;
    char how[96];
    int code = 0;
    const double t_min =
        Min_Timber_Thickness_Rule(member != MEMBER_MIDDLE, si->split_rule, &code, how, sizeof how);
    const char *name = "";
    const double t = Member_Thickness(member, &name);
    if (!(t_min > t)) return 0;
    if (split) code = DERR_SPLIT_SIDE_OR_NAIL_THICK;
    const int rc =
        Refuse_Size(Thin_Member_Code(code, member), name, 10.0 * t, 10.0 * t_min, how, 0);
    if (member == MEMBER_LAMELLA) Lamella_Of(&Fastener_Pattern.refusal);
    return rc;
}

/*
** The design refuses a timber too thin against splitting by unpredrilled nails or staples
** (EN 1995-1-1, 8.3.1.2(6), (7)) in its own words, "Seitenholz" for its first member and
** "Seitenholz 2" or "Mittenholz" for its second: name the member of the splice that it is, the
** side timbers, the middle member, a half of a lap or the lamellas beside inner plates, with
** both thicknesses. Any other code is answered as it is.
*/
int Name_Split_Member(int code)
{
    const Splice_Input_Record *si = &Splice_Input;
    int first;
    switch (code) {
    case DERR_SPLIT_SIDE_818:
    case DERR_SPLIT_SIDE_819: first = 1; break;
    case DERR_SPLIT_SIDE2_818:
    case DERR_SPLIT_SIDE2_819:
    case DERR_SPLIT_MIDDLE_818:
    case DERR_SPLIT_MIDDLE_819: first = 0; break;
    default: return code;
    }
    int member = -1;
    switch (si->connection_kind) {
    case CONN_LAP: member = MEMBER_LAP_HALF; break;
    case CONN_INNER_PLATES: member = first ? MEMBER_LAMELLA : -1; break; /* then a plate */
    case CONN_OUTER_PLATES: member = first ? -1 : MEMBER_MIDDLE; break;
    default: member = first ? MEMBER_SIDE : MEMBER_MIDDLE; break;
    }
    if (member < 0) return code;
    const int mat = member == MEMBER_SIDE ? si->mat_side : si->mat_mid;
    const int grade = member == MEMBER_SIDE ? si->grade_side : si->grade_mid;
    const char *name = "";
    const double t = Member_Thickness(member, &name);
    char how[96];
    const double t_min =
        Nail_Split_Thickness(si->d, Rho_K_Of(mat, grade, t), si->split_rule, how, sizeof how);
    if (!(t_min > 10.0 * t)) return code;
    const int rc = Refuse_Size(Thin_Member_Code(DERR_SPLIT_SIDE_OR_NAIL_THICK, member), name,
                               10.0 * t, t_min, how, 0);
    if (member == MEMBER_LAMELLA) Lamella_Of(&Fastener_Pattern.refusal);
    return rc;
}

/* The name on the pages of the connection's member 1 (the head side) or 2 (Get_Joint_Members). */
static const char *Joint_Member_Name(int member)
{
    const int kind = Splice_Input.connection_kind;
    if (member == 1)
        return kind == CONN_INNER_PLATES   ? "t_1"
               : kind == CONN_OUTER_PLATES ? "t_p"
               : kind == CONN_LAP          ? "b / 2"
                                           : "t_s";
    return kind == CONN_INNER_PLATES ? "t_p" : kind == CONN_LAP ? "b / 2" : "b";
}

/*
** The design refuses a member thinner than the approval of its screws (ETA-12/0114,
** ETA-11/0190) or the rules of toothed-plate connectors ask, in its own words: "Seitenholz" for
** its member 1, "Mittenholz" for its member 2. Add the member of the splice that it is with both
** thicknesses (mm). Toothed plates in the design's order (EN 1995-1-1, 8.9(2) by 8.10): an outer
** member, with a plate in one face, at least 2.25 h_e, member 1 and in single shear (a lap)
** member 2 as well (without an annex member 1 of two timbers at least 3 h_e); the middle member
** in double shear at least 3.75 h_e. Any other code, or a member that keeps the value found, is
** answered as it is.
*/
int Name_Thin_Design_Member(int code)
{
    static const struct {
        int32_t code, member;
        double mm;
    } least[] = {
        {DERR_SPAX_SIDE_30MM_UNDRILLED, 1, 30.0},
        {DERR_SPAX_SIDE_40MM_UNDRILLED, 1, 40.0},
        {DERR_SPAX_SIDE_80MM_UNDRILLED, 1, 80.0},
        {DERR_SPAX_MIDDLE_30MM_UNDRILLED, 2, 30.0},
        {DERR_SPAX_MIDDLE_40MM_UNDRILLED, 2, 40.0},
        {DERR_SPAX_MIDDLE_80MM_UNDRILLED, 2, 80.0},
        {DERR_ASSY_SIDE_24MM, 1, 24.0},
        {DERR_ASSY_SIDE_30MM, 1, 30.0},
        {DERR_ASSY_SIDE_40MM, 1, 40.0},
        {DERR_ASSY_SIDE_80MM, 1, 80.0},
        {DERR_ASSY_MIDDLE_24MM, 2, 24.0},
        {DERR_ASSY_MIDDLE_30MM, 2, 30.0},
        {DERR_ASSY_MIDDLE_40MM, 2, 40.0},
        {DERR_ASSY_MIDDLE_80MM, 2, 80.0},
        {DERR_SIDE_MIN_30MM_ETA19, 1, 30.0},
        {DERR_SIDE_MIN_40MM_ETA19, 1, 40.0},
        {DERR_MIDDLE_MIN_30MM_ETA19, 2, 30.0},
        {DERR_MIDDLE_MIN_40MM_ETA19, 2, 40.0},
    };
    const Splice_Input_Record *si = &Splice_Input;
    Joint_Members m;
    Get_Joint_Members(&m);
    int member = 0;
    double t_min = 0.0;
    char how[96] = "";
    for (const auto &k : least)
        if (k.code == code) {
            member = k.member;
            t_min = k.mm;
        }
    /* a least thickness of k d */
    const auto times_d = [&](double k) {
        snprintf(how, sizeof how, "%g d = %g x %s", k, k, Mm_Of(si->d).t);
        return k * si->d;
    };
    const bool panel1 = Is_Mat_Panel(m.mat_1), panel2 = Is_Mat_Panel(m.mat_2);
    if (code == DERR_SPAX_PANEL_1_2D || code == DERR_ASSY_PANEL_1_2D) {
        /* a panel at least 1.2 d thick (ETA-12/0114, 4.2; ETA-11/0190, A.1.3.2): member 1,
        ** under ETA-12/0114 member 2 as well */
        t_min = times_d(1.2);
        if (panel1 && m.t1 < t_min) member = 1;
        else if (code == DERR_SPAX_PANEL_1_2D && panel2 && m.t2 < t_min) member = 2;
    } else if (code == DERR_SPAX_MIN_THICKNESS) {
        /* member 1 under ETA-12/0114, 4.2.2, in the design's order: a board 1.2 d, plywood,
        ** fibre board and gypsum fibre board 6 mm, OSB and particle board 8 mm, timber 12 mm */
        const int mat = m.mat_1;
        member = 1;
        if (Is_Mat_Board(mat) && m.t1 < 1.2 * si->d) t_min = times_d(1.2);
        else if ((mat == MAT_SPERRHOLZ || mat == MAT_FASERPLATTE || mat == MAT_FERMACELL)
                 && m.t1 < 6.0)
            t_min = 6.0;
        else if ((mat == MAT_OSB || mat == MAT_SPANPLATTE) && m.t1 < 8.0) t_min = 8.0;
        else if (!Is_Mat_Metal_Plate(mat) && !panel1) t_min = 12.0;
    } else if (code == DERR_PENETRATION_BELOW_4D && Is_Vbm_Screw_Family_C(si->vbm_type)) {
        /* ETA-19/0553 in single shear: member 2, the screw's penetration, at least 4 d */
        member = 2;
        t_min = times_d(4.0);
    }
    if (Is_Vbm_Toothed_Plate(si->vbm_type)
        && (code == DERR_CONNECTOR_SIDE_2_25HE || code == DERR_CONNECTOR_MIDDLE_3_75HE)) {
        const double he = Fitted_Connector_Value("he");
        const int kind = si->connection_kind;
        struct {
            int member;
            double factor;
        } rule[3];
        int last = 0;
        if (code == DERR_CONNECTOR_MIDDLE_3_75HE) {
            rule[last++] = {kind == CONN_INNER_PLATES ? 1 : 2, 3.75};
        } else {
            rule[last++] = {1, 2.25};
            if (kind == CONN_LAP) rule[last++] = {2, 2.25};
            /* the rules without an annex keep their own test of member 1 between timbers */
            if (Nad_Params == nullptr && (kind == CONN_SIDE_TIMBERS || kind == CONN_LAP))
                rule[last++] = {1, 3.0};
        }
        for (int i = 0; i < last && member == 0; i++)
            if (rule[i].factor * he > (rule[i].member == 1 ? m.t1 : m.t2)) {
                member = rule[i].member;
                t_min = rule[i].factor * he;
                snprintf(how, sizeof how, "%g h_e = %g x %g", rule[i].factor, rule[i].factor, he);
            }
    }
    const double t = member == 1 ? m.t1 : m.t2;
    if (member == 0 || !(t_min > t)) return code;
    const char *name = Joint_Member_Name(member);
    Spacing_Refusal &r = Fastener_Pattern.refusal;
    if (code == DERR_PENETRATION_BELOW_4D) {
        /* the penetration, which is the member's thickness */
        Refuse_Size(code, "t_pen", t, t_min, how, 0);
        snprintf(r.of, sizeof r.of, "%s", name);
        return code;
    }
    Refuse_Size(code, name, t, t_min, how, 0);
    if (strcmp(name, "t_1") == 0) Lamella_Of(&r);
    return code;
}

/*
** The design refuses a nail, screw or staple whose point holds less than 4 d in the member beyond
** the head-side one (code 8): name its penetration as the design takes it, with the least one.
** In single shear that is the length beyond member 1, at most member 2's thickness where the
** point passes through it (a point that ends in member 2 short of 4 d the length rule refuses
** first, Refuse_Too_Short). A screw is refused in the words of screws (code 9). Any other code
** is answered as it is.
*/
int Name_Short_Point(int code)
{
    if (code != DERR_NAIL_PENETRATION_4D) return code;
    const Splice_Input_Record *si = &Splice_Input;
    if (Is_Vbm_Screw(si->vbm_type)) code = DERR_SCREW_PENETRATION_4D;
    /* the penetration the design took, the same in every combination */
    double t_pen = 0.0;
    Get_Vbm_Penetration(&t_pen);
    char how[48];
    snprintf(how, sizeof how, "4 d = 4 x %s", Mm_Of(si->d).t);
    Refuse_Size(code, "t_pen", t_pen, 4.0 * si->d, how, 0);
    Joint_Members m;
    Get_Joint_Members(&m);
    if (Vbm_Own_Shear_Planes() == 1 && si->l > m.t1) {
        const std::string of = std::string("min(l - ") + Joint_Member_Name(1) + "; "
                               + Joint_Member_Name(2) + ") = min(" + Mm_Of(si->l).t + " - "
                               + Mm_Of(m.t1).t + "; " + Mm_Of(m.t2).t + ")";
        snprintf(Fastener_Pattern.refusal.of, sizeof Fastener_Pattern.refusal.of, "%s", of.c_str());
    }
    return code;
}

/*
** A nail, screw or staple too short for the members it joins (Calc_T_Req_Reduction leaves no
** resistance): its point must reach 4 d into the member beyond the head-side one (EN 1995-1-1,
** 8.3.1.1(7)), or, where that member is thinner than 4 d (a plate), pass through it. The refusal
** names the head-side member (the code) with the length and the least one.
*/
static int Refuse_Too_Short(const Joint_Members *m)
{
    const Splice_Input_Record *si = &Splice_Input;
    const int kind = si->connection_kind;
    const int code = kind == CONN_INNER_PLATES   ? DERR_SHORT_OR_LAMELLA_THICK
                     : kind == CONN_OUTER_PLATES ? DERR_SHORT_OR_PLATE_THICK
                     : kind == CONN_LAP          ? DERR_SHORT_OR_LAP_THICK
                                                 : DERR_SHORT_OR_SIDE_THICK;
    const char *t1 = Joint_Member_Name(1);
    const char *t2 = Joint_Member_Name(2);
    const double d = si->d;
    char how[96];
    if (4.0 * d <= m->t2) {
        snprintf(how, sizeof how, "%s + 4 d = %s + 4 x %s", t1, Mm_Of(m->t1).t, Mm_Of(d).t);
        return Refuse_Size(code, "l", si->l, m->t1 + 4.0 * d, how, 0);
    }
    snprintf(how, sizeof how, "%s + %s = %s + %s", t1, t2, Mm_Of(m->t1).t, Mm_Of(m->t2).t);
    return Refuse_Size(code, "l", si->l, m->t1 + m->t2, how, 1);
}

/*
** Nails not pre-drilled: timber of a characteristic density above 500 kg/m³ is pre-drilled, and
** so is every timber for nails of d > 6 mm (EN 1995-1-1, 8.3.1.2(2)). Each timber member the nails
** are driven into is held to it by its own density; panels follow their own rules (8.3.1.3).
** Return 0, or the refusal that names the member with its density, or the nails' diameter.
*/
static int Check_Nail_Predrilling(void)
{
    const Splice_Input_Record *si = &Splice_Input;
    if (!Is_Vbm_Nail(si->vbm_type) || si->predrilled) return 0;
    const int code = DERR_NAIL_NEEDS_PREDRILLING;
    if (si->d > 6.0) {
        Refuse(code, "d", "d", si->d, 6.0);
        snprintf(Fastener_Pattern.refusal.how, sizeof Fastener_Pattern.refusal.how, "d = %s mm",
                 Mm_Of(si->d).t);
        return code;
    }
    struct Nailed {
        int mat, grade;
        double t_cm;
        const char *name;
    } m[2];
    int n = 0;
    const bool side = si->connection_kind == CONN_SIDE_TIMBERS;
    if (side) m[n++] = Nailed{si->mat_side, si->grade_side, si->t_s, "Seitenhölzer"_cp850};
    m[n++] = Nailed{si->mat_mid, si->grade_mid, si->b, side ? "Mittelholz" : "Holz"};
    for (int k = 0; k < n; k++) {
        if (!Member_May_Split(m[k].mat)) continue;
        const double rho = Rho_K_Of(m[k].mat, m[k].grade, m[k].t_cm);
        if (!(rho > 500.0)) continue;
        Refuse(code, "rho_k", "rho_k", rho, 500.0);
        snprintf(Fastener_Pattern.refusal.how, sizeof Fastener_Pattern.refusal.how,
                 "%s aus %s mit rho_k = %.0f kg/m3", m[k].name,
                 Get_Material_Name(m[k].mat, m[k].grade), rho);
        return code;
    }
    return 0;
}

/*
** Wood screws to DIN 571 not pre-drilled: every screw in hardwood, beech LVL (Baubuche)
** included, and in softwood every screw of a smooth shank d > 6 mm is pre-drilled (EN 1995-1-1,
** 10.4.5). Return 0, or the refusal that names the screws' diameter or the hardwood member.
*/
static int Check_Screw_Predrilling(void)
{
    const Splice_Input_Record *si = &Splice_Input;
    if (!Is_Vbm_Din571_Screw(si->vbm_type) || si->predrilled) return 0;
    const int code = DERR_SCREW_NEEDS_PREDRILLING;
    char *how = Fastener_Pattern.refusal.how;
    const size_t size = sizeof Fastener_Pattern.refusal.how;
    if (si->d > 6.0) {
        Refuse(code, "d", "d", si->d, 6.0);
        snprintf(how, size, "d = %s mm", Mm_Of(si->d).t);
        return code;
    }
    const auto hardwood = [](int mat) {
        return mat == MAT_LAUBHOLZ || mat == MAT_BAUBUCHE_GL75 || mat == MAT_BAUBUCHE_PLATTE;
    };
    const bool side = si->connection_kind == CONN_SIDE_TIMBERS;
    const char *name = nullptr;
    int mat = 0, grade = 0;
    if (side && hardwood(si->mat_side)) {
        name = "Seitenhölzer"_cp850;
        mat = si->mat_side;
        grade = si->grade_side;
    } else if (hardwood(si->mat_mid)) {
        name = side ? "Mittelholz" : "Holz";
        mat = si->mat_mid;
        grade = si->grade_mid;
    }
    if (name == nullptr) return 0;
    Refuse(code, "mat", "mat", (double)mat, 0.0);
    snprintf(how, size, "%s aus %s", name, Get_Material_Name(mat, grade));
    return code;
}

/* The member thicknesses the fastener needs: against splitting by plain nails, the thickness
** rule of nails, screws and staples, the minimum thicknesses and overlapping nails. Return 0 or
** an error code; a refused thickness names its member with both values. A lap's halves are its
** thinnest timber: they are tested first. */
int Prepare_Thicknesses(void)
{
    const Splice_Input_Record *si = &Splice_Input;
    const int type = si->vbm_type;
    const int kind = si->connection_kind;
    const bool lap = kind == CONN_LAP;
    int rc = Check_Nail_Predrilling();
    if (rc != 0) return rc;
    if ((rc = Check_Screw_Predrilling()) != 0) return rc;

    /* plain nails against splitting; boards do not split */
    if (type == VBM_NAGEL && !si->predrilled) {
        if (lap && (rc = Check_Member_Thickness(MEMBER_LAP_HALF, true)) != 0) return rc;
        if (kind == CONN_INNER_PLATES && (rc = Check_Member_Thickness(MEMBER_LAMELLA, true)) != 0)
            return rc;
        if ((rc = Check_Member_Thickness(MEMBER_MIDDLE, true)) != 0) return rc;
        if (kind == CONN_SIDE_TIMBERS && Member_May_Split(si->mat_side)
            && (rc = Check_Member_Thickness(MEMBER_SIDE, true)) != 0)
            return rc;
    }

    /* thickness rule of nails, screws and staples */
    if (Is_Vbm_Nail_Screw_Or_Staple(type)) {
        Joint_Members m;
        Get_Joint_Members(&m);
        const double rho1 =
            Is_Mat_Metal_Plate(m.mat_1) ? 0.0 : Rho_K_Of(m.mat_1, m.grade_1, m.t1 / 10.0);
        const double rho2 = Rho_K_Of(m.mat_2, m.grade_2, m.t2 / 10.0);
        double k = 1.0;
        Calc_T_Req_Reduction(/*type=*/type, /*fu=*/Get_Fastener_Fu_K(), /*kind=*/2, /*d=*/si->d,
                             /*length=*/si->l, /*axis_angle=*/90.0, /*predrilled=*/si->predrilled,
                             /*variant=*/si->stainless, /*fitted=*/si->fitted_bolt, /*t1=*/m.t1,
                             /*t2=*/m.t2,
                             /*rho1=*/rho1, /*rho2=*/rho2, /*mat1=*/m.mat_1, /*mat2=*/m.mat_2,
                             /*g1=*/m.grade_1, /*g2=*/m.grade_2, /*user1=*/nullptr,
                             /*user2=*/nullptr, /*out_penetration=*/nullptr, /*out_member=*/nullptr,
                             /*out_k=*/&k, /*out_t1_req=*/nullptr, /*out_t2_req=*/nullptr);
        if (k <= 0.0) return Refuse_Too_Short(&m);
    }

    /* minimum thicknesses; the lamellas beside inner plates by the faces that hold a connector */
    if (lap && (rc = Check_Member_Thickness(MEMBER_LAP_HALF, false)) != 0) return rc;
    if (kind == CONN_INNER_PLATES && Is_Vbm_Connector(type)
        && (rc = Check_Member_Thickness(MEMBER_LAMELLA, false)) != 0)
        return rc;
    if ((rc = Check_Member_Thickness(MEMBER_MIDDLE, false)) != 0) return rc;
    if (kind == CONN_SIDE_TIMBERS && (rc = Check_Member_Thickness(MEMBER_SIDE, false)) != 0)
        return rc;
    if ((rc = Check_Overlapping_Nails()) != 0) return rc;
    return Check_Staple_Penetration();
}
