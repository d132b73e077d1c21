/*
** The lines of the fastener section that let the governing fastener's resistance be recomputed
** where it is more than one failure mode: the form of mode (d) of wood screws to DIN 571 beside a
** steel plate and their yield moment, a staple's yield moment and its two legs, the interpolation
** between thin and thick plates, and a screw's rope-effect share with the axial capacity F_ax,Rk
** it comes from (EN 1995-1-1, 8.2.2(2), 8.7.2). Forces in kN on the page, N in the records;
** mm, N/mm², kg/m³.
*/
#include "results/check_vbm_print.h"

#include <cmath>
#include <cstring>

#include "design/design.h"
#include "foundation/format.h"
#include "foundation/foundation.h"
#include "printlist/printlist.h"

/* ---------------------------------------------------------------- DIN 571 screws, plates */

/*
** A wood screw to DIN 571 beside a steel plate: the form of mode (d) that its value takes, with
** its three candidates (the rope-effect share follows: Print_Vbm_Screw_Rope). d_ef: the effective
** diameter the modes take where the smooth shank holds less than 4 d in the timber (EN 1995-1-1,
** 8.7.1), else 0.
*/
void Print_Din571_Plate_Mode(FILE *file, const Vbm_Row *w, double d_ef)
{
    const Splice_Input_Record *si = &Splice_Input;
    const bool mode_d = Plate_Thick_Mode(w->mode) == 15;
    if (mode_d) {
        const double d = d_ef > 0.0 ? d_ef : si->d, fh = w->fh2;
        /* the diameter as the design takes it, named and with the digits of its own line */
        const char *dn = d_ef > 0.0 ? "d\xCE\\ef\xCEr" : "d";
        char dv[32];
        Format_N(dv, sizeof dv, d_ef > 0.0 ? "%.2lf" : "%.1lf", d);
        Din571_Mode15_Parts p;
        Calc_Din571_Mode15(fh, d, w->my_rk, w->my_f, w->t_s, 0, &p);
        Oli_Write_Text(file,
                       "Gl.(d) f\x81r Holzschrauben DIN 571 (Flie\xE1gelenke im glatten Schaft mit "
                       "M\xCE\\y,f\xCEr = %.0lf Nmm oder im Gewinde mit M\xCE\\y,Rk\xCEr; ohne "
                       "1.15 und ohne Seilwirkung): min(r\xCE\\a\xCEr; r\xCE\\b\xCEr; "
                       "r\xCE\\c\xCEr) mit t\xCE\\s\xCEr = %.1lf mm glattem Schaft im Holz",
                       w->my_f, w->t_s);
        char rb[192];
        if (p.rb_is_ra)
            Format_N(rb, sizeof rb,
                     "r\xCE\\b\xCEr = r\xCE\\a\xCEr (2\xCE/0.5\xCEr (f\xCE\\h\xCEr %s "
                     "(M\xCE\\y,f\xCEr + M\xCE\\y,Rk\xCEr))\xCE/0.5\xCEr / (%s "
                     "f\xCE\\h\xCEr) = %.1lf mm < t\xCE\\s\xCEr)",
                     dn, dn, p.rb_reach);
        else
            Format_N(rb, sizeof rb,
                     "r\xCE\\b\xCEr = 2\xCE/0.5\xCEr (f\xCE\\h\xCEr %s (M\xCE\\y,f\xCEr + "
                     "M\xCE\\y,Rk\xCEr))\xCE/0.5\xCEr = %.4lf kN",
                     dn, p.rb / 1000.0);
        Oli_Write_Text(file,
                       "r\xCE\\a\xCEr = 2\xCE/0.5\xCEr (2 M\xCE\\y,f\xCEr f\xCE\\h\xCEr "
                       "%s)\xCE/0.5\xCEr = 1.414 x (2 x %.0lf x %.2lf x %s)\xCE/0.5\xCEr = %.4lf "
                       "kN, %s",
                       dn, w->my_f, fh, dv, p.ra / 1000.0, rb);
        Oli_Write_Text(file,
                       "r\xCE\\c\xCEr = 2\xCE/0.5\xCEr (2 M\xCE\\y,Rk\xCEr f\xCE\\h\xCEr "
                       "%s)\xCE/0.5\xCEr + f\xCE\\h\xCEr %s t\xCE\\s\xCEr = %.4lf kN => "
                       "min = %.4lf kN",
                       dn, dn, p.rc / 1000.0, p.r / 1000.0);
    }
}

/* ---------------------------------------------------------------- plates between thin and thick */

/*
** A plate between thin and thick: the resistance interpolated between the governing modes of
** the thin and of the thick plate with the factor k (EN 1995-1-1, 8.2.3(1)), where the row's R_k
** is that value.
*/
void Print_Interpolated_Plate(FILE *file, const Vbm_Row *w)
{
    if (!(w->mode_thin > 0 && w->c_p > 0.0 && w->rk_thin > 0.0 && w->rk_thick > 0.0)) return;
    const double k = w->c_p, rk = (1.0 - k) * w->rk_thin + k * w->rk_thick;
    if (!(std::fabs(rk - w->R_k) <= 1e-9 * std::fmax(1.0, w->R_k))) return;
    char fv[32];
    Format_N(fv, sizeof fv, "%s", Get_Fv_Rk_Label());
    Oli_Write_Text(file,
                   "%sk\xCEr = (1 - k) %sk,d\x81nn\xCEr + k %sk,dick\xCEr = (1 - %.3lf) x %.4lf "
                   "(Gl.(%c)) + %.3lf x %.4lf (Gl.(%c)) = %.4lf kN (DIN EN 1995-1-1, 8.2.3(1))",
                   fv, fv, fv, k, w->rk_thin, Get_Mode_Letter(w->mode_thin), k, w->rk_thick,
                   Get_Mode_Letter(Plate_Thick_Mode(w->mode)), rk);
}

/* ---------------------------------------------------------------- DIN 571 yield moment */

/*
** The yield moment of a wood screw to DIN 571 as the design takes it: that of EN 1995-1-1, (8.14)
** or (8.30) of its diameter (d_ef where not 0, 8.7.1), in the thread halved, an assumption of
** this program for the core of the thread; the full one is that of the smooth shank. Nothing
** where the row's value is not that one.
*/
void Print_Din571_Yield_Moment(FILE *file, const Vbm_Row *w, double d_ef)
{
    const double d = d_ef > 0.0 ? d_ef : Splice_Input.d;
    const double my = 0.15 * w->fu * std::pow(d, 2.6);
    if (!(std::fabs(my - w->my_rk) <= 1e-9 * std::fmax(1.0, my))) return;
    const char *dn = d_ef > 0.0 ? "d\xCE\\ef\xCEr" : "d";
    char dv[32];
    Format_N(dv, sizeof dv, d_ef > 0.0 ? "%.2lf" : "%.1lf", d);
    Oli_Write_Text(
        file,
        "M\xCE\\y,Rk\xCEr = 0.5 x 0.3 f\xCE\\u,k\xCEr %s\xCE/2.6\xCEr = 0.15 x %.0lf "
        "x %s\xCE/2.6\xCEr = %.0lf Nmm: im Gewindeteil die H\x84lfte des Flie\xE1moments "
        "0.3 f\xCE\\u,k\xCEr %s\xCE/2.6\xCEr des glatten Schafts (DIN EN 1995-1-1, %s), "
        "Annahme des Programms (keine Regel der Norm)",
        dn, w->fu, dv, my, dn, d > 6.0 ? "(8.30)" : "(8.14)");
}

/* ---------------------------------------------------------------- staples */

void Print_Staple_Yield_Moment(FILE *file, const Vbm_Row *w)
{
    const double d = Splice_Input.d;
    const double my = 240.0 * std::pow(d, 2.6);
    if (Nad_Params == nullptr || !(std::fabs(my - w->my_rk) <= 1e-9 * std::fmax(1.0, my))) return;
    Oli_Write_Text(
        file,
        "M\xCE\\y,Rk\xCEr = 240 d\xCE/2.6\xCEr = 240 x %.2lf\xCE/2.6\xCEr = %.0lf Nmm je "
        "Schenkel (DIN EN 1995-1-1, 8.4(6), Gl. (8.29): Draht mit f\xCE\\u,k\xCEr " SYM_GE
        " 800 N/mm\xCE/2\xCEr)",
        d, my);
}

void Print_Staple_Legs(FILE *file, const Vbm_Row *w)
{
    const Splice_Input_Record *si = &Splice_Input;
    /* the factors the design applies to the two legs: 1.5 / d in gypsum fibreboard, 0.7 for a
    ** crown at less than 30 degrees to the grain */
    double f = 2.0;
    char factors[64] = "";
    if (si->staple_angle < 30.0) {
        f *= 0.7;
        snprintf(factors, sizeof factors, "0.7 x ");
    }
    Joint_Members m;
    Get_Joint_Members(&m);
    if (m.mat_1 == MAT_FERMACELL && si->d > 1.5) {
        f *= 1.5 / si->d;
        const size_t n = strlen(factors);
        snprintf(factors + n, sizeof factors - n, "1.5 / %.2lf x ", si->d);
    }
    char fv[32];
    Format_N(fv, sizeof fv, "%s", Get_Fv_Rk_Label());
    Oli_Write_Text(file,
                   "%sk\xCEr = %s2 x %.4lf = %.4lf kN: die Klammer tr\x84gt je Scherfuge wie zwei "
                   "N\x84gel ihres Durchmessers (DIN EN 1995-1-1, 8.4(5))",
                   fv, factors, w->R_k / f, w->R_k);
}

/* ---------------------------------------------------------------- approved screws */

int Approved_Screw_My_Text(const Vbm_Row *w, char *buf, size_t size)
{
    const Splice_Input_Record *si = &Splice_Input;
    const int type = si->vbm_type;
    if (!(Is_Vbm_Screw_Eta12(type) || Is_Vbm_Screw_Eta11(type) || Is_Vbm_Screw_Family_C(type)))
        return 0;
    const char *approval = Get_Vbm_Approval_Text(type);
    /* the approval's name without the separator the method line puts before it */
    if (approval != nullptr && strncmp(approval, ", ", 2) == 0) approval += 2;
    char source[64];
    Format_N(source, sizeof source, "Zulassung%s%s", approval && approval[0] ? " " : "",
             approval ? approval : "");
    /* the first line gives it under the annex as a formula of d, 60 d^2.6 stainless */
    const double k = si->stainless == 1 ? 60.0 : 90.0, d = si->d;
    const double my = k * std::pow(d, 2.6);
    if (Is_Vbm_Screw_Eta12(type) && Nad_Params != nullptr
        && std::fabs(my - w->my_rk) <= 1e-9 * std::fmax(1.0, my))
        Format_N(buf, size,
                 "M\xCE\\y,Rk\xCEr = %.0lf d\xCE/2.6\xCEr = %.0lf x %.1lf\xCE/2.6\xCEr = %.0lf Nmm "
                 "(%s)",
                 k, k, d, my, source);
    else
        Format_N(buf, size, "M\xCE\\y,Rk\xCEr = %.0lf Nmm (%s, Tabellenwert f\x81r d = %.1lf mm)",
                 w->my_rk, source, d);
    return 1;
}

/* ---------------------------------------------------------------- a screw's axial capacity */

void Fill_Vbm_Screw_Axial(Vbm_Screw_Axial *a, const Connection_Input *in,
                          const Connection_Result *res)
{
    *a = Vbm_Screw_Axial{};
    const int type = in->vbm_type;
    const double r_ax = res->r_ax * (in->result_in_kN ? 1000.0 : 1.0);
    if (Nad_Params == nullptr || !(r_ax > 0.0)) return;
    const bool din571 = Is_Vbm_Din571_Screw(type);
    if (!din571 && !Is_Vbm_Screw_Eta12(type) && !Is_Vbm_Screw_Eta11(type)) return;
    a->kind = din571 ? VBM_AXIAL_DIN571 : VBM_AXIAL_ETA;
    a->d = in->d;
    a->l_ef = res->l_thread_2;
    a->f_ax = res->f_ax_k;
    a->k_d = res->k_d;
    a->rho = res->rho_2;
    a->rho_ref = din571 ? 0.0 : 350.0;
    a->F_point = res->f_ax_point;
    a->F_t = res->f_ax_tension;
    a->head_taken = Is_Mat_Metal_Plate(in->mat_1) ? 0 : 1;
    a->F_pull = res->f_ax_head;
    a->F_thread = din571 ? 0.0 : res->f_ax_thread_1;
    a->F_head = din571 ? a->F_pull : std::fmax(a->F_thread, a->F_pull);
    if (din571) {
        a->d_core = Din571_Core_Diameter(in->d, in->d_2);
        a->fu = in->fu;
        /* a washer wider than the head bears instead of the head (EN 1995-1-1, 8.5.2) */
        a->f_head = in->washer_d <= in->d_k ? res->f_head : 0.0;
        a->d_k = in->d_k;
        /* the head classes A, B, C of wood screws: 60, 80, 100 x 10^-6 rho_k² */
        static const double c[3] = {60e-6, 80e-6, 100e-6};
        a->head_class = (type - VBM_DIN571_1A) % 3;
        a->c_head = c[a->head_class];
        a->rho_head = res->rho_1;
    }
    a->k_n = res->k_n > 0.0 ? res->k_n : 1.0;
    a->n = in->n_axial;
}

/* The withdrawal of the point side by the rule of the record's family, before the cap (N). */
static double Point_Withdrawal(const Vbm_Screw_Axial *a)
{
    if (a->kind == VBM_AXIAL_DIN571) return a->k_d * a->f_ax * a->d * a->l_ef;
    return a->d * a->f_ax * a->l_ef * std::pow(a->rho / a->rho_ref, 0.8);
}

static bool Alike(double a, double b) { return std::fabs(a - b) <= 1e-9 * std::fmax(1.0, b); }

/* The head parameter f_head,k of a DIN 571 screw by its head class, where the record's value is
** that: c rho_k² with rho_k of the head-side member counted up to 500 kg/m³. */
static void Print_Din571_Head_Parameter(FILE *file, const Vbm_Screw_Axial *a)
{
    const double rho = std::fmin(a->rho_head, 500.0);
    if (!Alike(a->c_head * rho * rho, a->f_head)) return;
    Oli_Write_Text(file,
                   "f\xCE\\head,k\xCEr = %.0lf x 10\xCE/-6\xCEr %s%s\xCE\\k\xCEr%s\xCE/2\xCEr = "
                   "%.0lf x 10\xCE/-6\xCEr x %.0lf\xCE/2\xCEr = %.2lf N/mm\xCE/2\xCEr "
                   "(Kopfdurchziehparameter der Tragf\x84higkeitsklasse %c, %s\xCE\\k\xCEr des "
                   "Holzes am Kopf%s)",
                   a->c_head * 1e6, a->rho_head > 500.0 ? "min(" : "", SYM_RHO,
                   a->rho_head > 500.0 ? "; 500)" : "", a->c_head * 1e6, rho, a->f_head,
                   (char)('A' + a->head_class), SYM_RHO,
                   a->rho_head > 500.0 ? ", h\x94"
                                         "chstens 500 kg/m\xCE/3\xCEr"
                                       : "");
}

/*
** F_ax,Rk of a screw and its parts, where the record's values give the design's r_ax (kN): the
** smaller of the point side and the head side (a steel plate holds the head), the point's
** withdrawal by its rule capped by the screw's tensile capacity.
*/
static void Print_Screw_Axial(FILE *file, const Vbm_Screw_Axial *a, double r_ax)
{
    const double W = Point_Withdrawal(a);
    const double point = a->F_t > 0.0 ? std::fmin(W, a->F_t) : W;
    const double F = (a->head_taken ? std::fmin(a->F_point, a->F_head) : a->F_point) * a->k_n;
    if (!Alike(point, a->F_point) || !Alike(F / 1000.0, r_ax)) return;
    /* a group of n screws takes n^0.9 of them (EN 1995-1-1, 8.7.2) */
    const bool group = a->k_n != 1.0;
    char kn[32] = "", kn_value[32] = "", kn_rule[96] = "";
    if (group) {
        Format_N(kn, sizeof kn, " x k\xCE\\n\xCEr");
        Format_N(kn_value, sizeof kn_value, " x %.3lf", a->k_n);
        Format_N(kn_rule, sizeof kn_rule,
                 ", k\xCE\\n\xCEr = n\xCE/0.9\xCEr / n = %d\xCE/0.9\xCEr / %d (Gruppe)", a->n,
                 a->n);
    }
    if (a->head_taken)
        Oli_Write_Text(
            file,
            "F\xCE\\ax,Rk\xCEr = min(F\xCE\\ax,Spitze\xCEr; F\xCE\\ax,Kopfseite\xCEr)%s = "
            "min(%.4lf; %.4lf)%s = %.4lf kN%s",
            kn, a->F_point / 1000.0, a->F_head / 1000.0, kn_value, F / 1000.0, kn_rule);
    else
        Oli_Write_Text(file,
                       "F\xCE\\ax,Rk\xCEr = F\xCE\\ax,Spitze\xCEr%s = %.4lf%s = %.4lf kN (den Kopf "
                       "h\x84lt das Stahlblech)%s",
                       kn, a->F_point / 1000.0, kn_value, F / 1000.0, kn_rule);
    char cap[96] = "", cap_value[48] = "";
    if (a->F_t > 0.0) {
        Format_N(cap, sizeof cap, "; F\xCE\\t,Rk\xCEr");
        Format_N(cap_value, sizeof cap_value, "; %.4lf", a->F_t / 1000.0);
    }
    if (a->kind == VBM_AXIAL_DIN571) {
        Oli_Write_Text(
            file,
            "F\xCE\\ax,Spitze\xCEr = min(k\xCE\\d\xCEr f\xCE\\ax,k\xCEr d "
            "l\xCE\\ef\xCEr%s) = min(%.2lf x %.3lf x %.1lf x %.1lf%s) = %.4lf kN (DIN EN "
            "1995-1-1, Gl. (8.38), Achse rechtwinklig zur Faser)",
            cap, a->k_d, a->f_ax, a->d, a->l_ef, cap_value, point / 1000.0);
        Oli_Write_Text(file,
                       "f\xCE\\ax,k\xCEr = 0.52 d\xCE/-0.5\xCEr l\xCE\\ef\xCEr\xCE/-0.1\xCEr "
                       "%s\xCE\\k\xCEr\xCE/0.8\xCEr = 0.52 x %.1lf\xCE/-0.5\xCEr x %.1lf\xCE/-0.1"
                       "\xCEr x %.0lf\xCE/0.8\xCEr = %.3lf N/mm\xCE/2\xCEr (Gl. (8.39)), "
                       "k\xCE\\d\xCEr = min(d / 8; 1) = %.2lf (Gl. (8.40))",
                       SYM_RHO, a->d, a->l_ef, a->rho, a->f_ax, a->k_d);
        if (a->F_t > 0.0)
            Oli_Write_Text(file,
                           "F\xCE\\t,Rk\xCEr = f\xCE\\u,k\xCEr 3.1416 d\xCE\\1\xCEr\xCE/2\xCEr / 4 "
                           "= %.0lf x 3.1416 x %.2lf\xCE/2\xCEr / 4 = %.4lf kN (Stahl des Kerns, "
                           "DIN EN 1995-1-1, 8.7.2)",
                           a->fu, a->d_core, a->F_t / 1000.0);
        if (a->head_taken && a->f_head > 0.0 && Alike(a->f_head * a->d_k * a->d_k, a->F_head)) {
            Oli_Write_Text(file,
                           "F\xCE\\ax,Kopfseite\xCEr = f\xCE\\head,k\xCEr d\xCE\\k\xCEr\xCE/2\xCEr "
                           "= %.2lf x %.1lf\xCE/2\xCEr = %.4lf kN (Kopfdurchzug, DIN EN 1995-1-1, "
                           "8.7.2)",
                           a->f_head, a->d_k, a->F_head / 1000.0);
            Print_Din571_Head_Parameter(file, a);
        } else if (a->head_taken)
            Oli_Write_Text(file,
                           "F\xCE\\ax,Kopfseite\xCEr = %.4lf kN (Pressung unter der "
                           "Unterlegscheibe)",
                           a->F_head / 1000.0);
        return;
    }
    Oli_Write_Text(
        file,
        "F\xCE\\ax,Spitze\xCEr = min(d f\xCE\\ax,k\xCEr l\xCE\\ef\xCEr "
        "(%s\xCE\\k\xCEr / %.0lf)\xCE/0.8\xCEr%s) = min(%.1lf x %.3lf x %.1lf x (%.0lf / "
        "%.0lf)\xCE/0.8\xCEr%s) = %.4lf kN (Zulassung, Achse rechtwinklig zur Faser)",
        SYM_RHO, a->rho_ref, cap, a->d, a->f_ax, a->l_ef, a->rho, a->rho_ref, cap_value,
        point / 1000.0);
    if (a->head_taken)
        Oli_Write_Text(file,
                       "F\xCE\\ax,Kopfseite\xCEr = max(Gewinde im Kopfholz; Kopfdurchzug) = "
                       "max(%.4lf; %.4lf) = %.4lf kN (Zulassung)",
                       a->F_thread / 1000.0, a->F_pull / 1000.0, a->F_head / 1000.0);
}

void Print_Vbm_Screw_Rope(FILE *file, const Vbm_Row *w, bool mode_d)
{
    if (w->rope_rk > 0.0 && w->mode_thin > 0) {
        Oli_Write_Text(file,
                       "Seilwirkung: %sF\xCE\\v,Rk\xCEr = %.4lf kN aus den interpolierten "
                       "Versagensf\x84llen, je " SYM_LE " F\xCE\\ax,Rk\xCEr / 4 = %.4lf / 4 = "
                       "%.4lf kN (DIN EN 1995-1-1, 8.2.2(2))",
                       Sym_Delta, w->rope_rk, w->r_ax, w->r_ax / 4.0);
    } else if (w->rope_rk > 0.0) {
        /* a screw's share: a quarter of F_ax,Rk, at most the share without the rope effect */
        const double part = w->R_k - w->rk_connector - w->rope_rk;
        if (Alike(std::fmin(w->r_ax / 4.0, part), w->rope_rk))
            Oli_Write_Text(
                file,
                "Seilwirkung: %sF\xCE\\v,Rk\xCEr = min(F\xCE\\ax,Rk\xCEr / 4; Anteil ohne "
                "Seilwirkung) = min(%.4lf / 4; %.4lf) = %.4lf kN (Schrauben, DIN EN "
                "1995-1-1, 8.2.2(2))",
                Sym_Delta, w->r_ax, part, w->rope_rk);
        else
            Oli_Write_Text(file,
                           "Seilwirkung: %sF\xCE\\v,Rk\xCEr = %.4lf kN " SYM_LE
                           " F\xCE\\ax,Rk\xCEr / 4 = %.4lf / 4 = %.4lf kN (DIN EN 1995-1-1, "
                           "8.2.2(2))",
                           Sym_Delta, w->rope_rk, w->r_ax, w->r_ax / 4.0);
    } else if (w->r_ax > 0.0) {
        Oli_Write_Text(file, "Seilwirkung: kein Anteil, %s (F\xCE\\ax,Rk\xCEr = %.4lf kN)",
                       mode_d ? "Gl.(d) f\x81r Holzschrauben DIN 571 nimmt keinen auf"
                              : "der Versagensfall nimmt keinen auf",
                       w->r_ax);
    } else {
        Oli_Write_Text(file, "Seilwirkung: kein Anteil, kein F\xCE\\ax,Rk\xCEr");
        return;
    }
    if (w->axial.kind != VBM_AXIAL_NONE) Print_Screw_Axial(file, &w->axial, w->r_ax);
}
