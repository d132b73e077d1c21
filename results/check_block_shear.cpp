/*
** Block-shear check of one combination of a plate connection in tension (EN 1995-1-1, Annex A):
** the failure load of the net areas of the fastener pattern in the middle member, reduced by the
** effective thicknesses of the failure modes. Forces in kN, lengths and areas in mm, mm².
*/
#include "results/splice_checks.h"

#include <cmath>

#include "design/design.h"
#include "foundation/foundation.h"
#include "printlist/printlist.h"

/* Failure load of one area pair (kN): EN 1995-1-1, (A.1). */
static double Block_Shear_F(double A_t, double A_v, double f_t, double f_v)
{
    const double t = 1.5 * A_t * f_t, v = 0.7 * A_v * f_v;
    return (t > v ? t : v) / 1000.0;
}

/*
** The failure load F_bs,Rk of the record's areas (EN 1995-1-1, (A.1)); the failure modes of the
** plate class (thin: a, b; thick: d/g, e/h; intermediate: all four) may lower it with their
** effective thickness (A.2): A_net,v = L_net,v / 2 (L_net,t + 2 t_ef).
*/
static void Calc_Block_Shear_Load(int inner, Block_Shear_Check *r)
{
    const Block_Shear_Values *bs = &r->values;
    r->F_Rk = Block_Shear_F(r->A_t, r->A_v, r->f_t0_k, r->f_v_k);
    r->mode = '-';
    r->t_ef = r->t1;
    auto offer = [&](char m, double t_ef) {
        const double Av = r->L_v / 2.0 * (r->L_t + 2.0 * t_ef);
        const double Fm = Block_Shear_F(r->A_t, Av, r->f_t0_k, r->f_v_k);
        if (Fm < r->F_Rk) {
            r->F_Rk = Fm;
            r->mode = m;
            r->A_v = Av;
            r->t_ef = t_ef;
        }
    };
    if (bs->plate_class == 0 || bs->plate_class == 1) {
        offer('a', bs->t_ef_a);
        offer('b', bs->t_ef_b);
    }
    if (bs->plate_class == 2 || bs->plate_class == 1) {
        offer(inner ? 'h' : 'e', bs->t_ef_e);
        offer(inner ? 'g' : 'd', bs->t_ef_d);
    }
}

int Calc_Block_Shear_Check(int group, int entry, Block_Shear_Check *out)
{
    const Splice_Input_Record *si = &Splice_Input;
    Block_Shear_Check &r = *out;
    r = Block_Shear_Check{};
    r.state = BLOCK_SHEAR_NOT_APPLIED;
    const Lkom_Entry *c = Get_Lkom_Entry(group, entry);
    const int kind = si->connection_kind;
    if (c == nullptr || (kind != CONN_INNER_PLATES && kind != CONN_OUTER_PLATES)) return 0;
    const int n_r = (int)Splice_N_Row(si);
    if (n_r < 2 || !(c->N_d > 0.0) || !Is_Block_Shear_Check_On() || !si->block_shear) return 0;

    double fm = 0, ft = 0, fc = 0, fv = 0, fc90 = 0;
    Get_Mat_Strengths(/*group=*/si->mat_mid, /*grade=*/si->grade_mid, /*use=*/1, /*kind=*/8,
                      /*width=*/si->h * 10.0, /*depth=*/si->b * 10.0, /*f_m_k=*/&fm, /*f_t_k=*/&ft,
                      /*f_c_k=*/&fc, /*f_v_k=*/&fv, /*f_c90_k=*/&fc90, /*k_h=*/nullptr);
    r.f_t0_k = ft / 1000.0;
    r.f_v_k = fv / 1000.0;
    Vbm_Rule_Input rule;
    Fill_Vbm_Rule_Input_Plate(&rule);
    Calc_Fh_Members(&rule, &r.values);

    r.t1 = r.values.t;
    r.L_t = si->a2 * (n_r - 1) * 10.0;
    r.L_v = Get_Pattern_Length_Mm();
    r.A_t = r.t1 * r.L_t;
    r.A_v = r.t1 * r.L_v;
    const bool inner = kind == CONN_INNER_PLATES;
    Calc_Block_Shear_Load(inner, &r);
    Get_Group_Kmod(group, &r.kmod, nullptr, nullptr);
    const double gamma = si->gamma_m_mid;
    r.N = c->N_d;
    if (inner && si->plate_count + 1.0 > 0.0) r.N = c->N_d / (si->plate_count + 1.0);
    else if (Is_Vbm_Nail_Screw_Or_Staple(si->vbm_type)) r.N = c->N_d * 0.5;
    if (!(gamma > 0.0)) {
        r.state = BLOCK_SHEAR_NO_GAMMA;
        return 1;
    }
    r.F_Rd = r.F_Rk * r.kmod / gamma;
    if (r.F_Rd > 0.0) {
        r.state = BLOCK_SHEAR_DONE;
        r.u = r.N / r.F_Rd;
    } else {
        r.state = BLOCK_SHEAR_NO_CAPACITY;
    }
    return 1;
}

void Print_Block_Shear_Check(FILE *file, const Block_Shear_Check *r)
{
    if (file == nullptr || r->state == BLOCK_SHEAR_NOT_APPLIED) return;
    Oli_Write_Heading(file, 3, "%s",
                      "Nachweis Blockscherversagen gemäß DIN EN 1995-1-1, Anhang A"_cp850);
    if (r->state == BLOCK_SHEAR_NO_GAMMA) {
        Oli_Write_Text_Flagged(file,
                               SYM_GAMMA "\xCE\\M\xCEr nicht bestimmbar => \xCE"
                                         "bNachweis "
                                         "kann nicht gef\x81hrt werden!\xCEr",
                               0);
        return;
    }
    Oli_Write_Text(file,
                   "L\xCE\\net,t\xCEr = %.0lf mm, t\xCE\\"
                   "1\xCEr = %.0lf mm " SYM_ARROW " A\xCE\\net,t"
                   "\xCEr = %.0lf mm\xFD, M\xCE\\y,k\xCEr = %.1lf Nmm",
                   r->L_t, r->t1, r->A_t, r->values.My);
    if (r->mode == '-')
        Oli_Write_Text(file,
                       "L\xCE\\net,v\xCEr = %.0lf mm, t\xCE\\"
                       "ef\xCEr = %.0lf mm " SYM_ARROW
                       " A\xCE\\net,v\xCEr = %.0lf mm\xFD (Versagensmechanismus c,f,j/l,k,m)",
                       r->L_v, r->t_ef, r->A_v);
    else
        Oli_Write_Text(file,
                       "L\xCE\\net,v\xCEr = %.0lf mm, t\xCE\\"
                       "ef\xCEr = %.0lf mm " SYM_ARROW
                       " A\xCE\\net,v\xCEr = %.0lf mm\xFD (Versagensmechanismus %c)",
                       r->L_v, r->t_ef, r->A_v, r->mode);
    Oli_Write_Text(file,
                   "F\xCE\\"
                   "bs,Rk\xCEr = %.2lf kN, k\xCE\\mod\xCEr = %.2lf " SYM_ARROW " F\xCE\\"
                   "bs,Rd\xCEr = %.2lf kN, N\xCE\\"
                   "d\xCEr = %.2lf kN " SYM_ARROW " u\xCE\\"
                   "bs\xCEr = "
                   "%.3lf",
                   r->F_Rk, r->kmod, r->F_Rd, r->N, Block_Shear_Shown_Util(r));
}

double Block_Shear_Shown_Util(const Block_Shear_Check *r)
{
    if (r->state == BLOCK_SHEAR_NOT_APPLIED) return 0.0;
    return Shown_Util(r->state != BLOCK_SHEAR_DONE, r->u);
}

/*
** Block-shear utilisation of combination (group, entry) of a plate connection in tension
** (EN 1995-1-1, Annex A); 0 when the check does not apply. *error gets 0 when it applies.
*/
double Oli_Blockscher_Nachweis(FILE *file, int group, int entry, int *error)
{
    Block_Shear_Check r;
    Calc_Block_Shear_Check(group, entry, &r);
    if (r.state != BLOCK_SHEAR_NOT_APPLIED && error) *error = 0;
    Print_Block_Shear_Check(file, &r);
    return Block_Shear_Shown_Util(&r);
}
