/*
** EN 1995 block of the national annex (EN 1995-1-1, EN 1995-1-2): defaults, the "#EC5" section
** writer, the reader of every stored block version (files and the older store), compare, copy.
*/
#include "nad/nad.h"
#include "nad/nad_internal.h"

#include <cstring>

/* Recommended values of EN 1995-1-1, Table 3.1 (kmod, solid timber and glulam). Row: load-duration
** class, column: service class. */
static const double Ec5_Kmod_Default[5][3] = {
    {0.6, 0.6, 0.5}, {0.7, 0.7, 0.55}, {0.8, 0.8, 0.65}, {0.9, 0.9, 0.7}, {1.1, 1.1, 0.9},
};

/*
** Set every field of the block to its default. Nothing for a null block.
*/
void Init_NAD_EC5_Defaults(NAD_EC5_Params *b)
{
    if (!b) return;
    memset(b, 0, sizeof *b);
    b->variant = 0;
    b->version = 17;
    b->gamma_m_lvl = 1.2;
    b->gamma_m_particleboard = 1.3;
    b->gamma_m_hardboard = 1.3;
    b->gamma_m_mediumboard = 1.3;
    b->gamma_m_mdf = 1.3;
    b->gamma_m_softboard = 1.3;
    b->gamma_m_connections = 1.3;
    b->gamma_m_nailplates = 1.25;
    b->gamma_m_steel = 1.3;
    b->gamma_m_gypsum = 1.3;
    b->aux_switch = 1;
    b->gamma_m_solid = 1.3;
    b->gamma_m_glulam = 1.3;
    b->gamma_m_accidental = 1.0;
    b->gamma_m_fire = 1.0;
    for (int k = 0; k < 5; k++)
        for (int s = 0; s < 3; s++) b->kmod[NAD_KMOD_INDEX(k, s)] = Ec5_Kmod_Default[k][s];
    b->kdef[0] = 0.6;
    b->kdef[1] = 0.8;
    b->kdef[2] = 2.0;
    b->w_inst_limit = 300;
    b->w_inst_limit_cantilever = 150;
    b->w_fin_limit = 200;
    b->w_fin_limit_cantilever = 100;
    b->w_net_fin_limit = 300;
    b->w_net_fin_limit_cantilever = 150;
    b->k_cr_rule = 1;
    b->net_deflection_rule = 1;
    b->k_cr_solid = 0.67;
    b->k_cr_other = 1.0;
    b->k_shape_factor = 0.15;
    b->k_shape_max = 2.0;
    b->ltb_slenderness_factor = 1.0;
    b->gamma_m_clt = 1.3;
}

void Set_NAD_EC5_Variant(NAD_EC5_Params *b, int variant)
{
    if (b) b->variant = variant;
}

void Copy_NAD_EC5_Params(NAD_EC5_Params *dst, const NAD_EC5_Params *src)
{
    if (!dst || !src) return;
    memcpy(dst, src, sizeof *dst);
}

/* ---------------------------------------------------------------- writer */

/*
** Write the lines of the "#EC5" section (always block version 17). Writing stops at the first
** line that fails; nothing for a null stream or block.
*/
void Write_NAD_EC5_Section(FILE *f, const NAD_EC5_Params *b)
{
    if (!f || !b) return;
    /* The old crack-factor line: 1 when the annex rules for k_cr apply. Never read back. */
    const int old_kcr = b->k_cr_rule != 1 ? 1 : 0;
    if (fprintf(f, " %d\n", 17) < 0) return;
    if (fprintf(f, " %d\n", b->variant) < 0) return;
    if (fprintf(f, " %d\n", b->use_table_na1) < 0) return;
    if (fprintf(f, " %d %lf %lf %lf\n", old_kcr, b->k_cr_solid, b->k_cr_solid, b->k_cr_other) < 0)
        return;
    if (fprintf(f, " %d\n", b->use_na11) < 0) return;
    if (fprintf(f, " %lf %lf %lf %lf %lf %lf\n", b->gamma_m_solid, b->gamma_m_glulam,
                b->gamma_m_lvl, b->gamma_m_particleboard, b->gamma_m_hardboard,
                b->gamma_m_mediumboard)
        < 0)
        return;
    if (fprintf(f, " %lf %lf %lf %lf %lf\n", b->gamma_m_mdf, b->gamma_m_softboard,
                b->gamma_m_connections, b->gamma_m_nailplates, b->gamma_m_accidental)
        < 0)
        return;
    if (fprintf(f, " %lf %lf\n", b->gamma_m_steel, b->gamma_m_gypsum) < 0) return;
    if (fprintf(f, " %d\n", b->use_table_na4) < 0) return;
    if (fprintf(f, " %d\n", b->use_table_na15) < 0) return;
    if (fprintf(f, " %d\n", b->threaded_rods_na) < 0) return;
    if (fprintf(f, " %d %d\n", b->ltb_na, b->simplified_fasteners_na) < 0) return;
    if (fprintf(f, " %d %.2f %.2f %.2f\n", b->kmod_mean_rule, b->gamma_m_solid, b->gamma_m_glulam,
                b->gamma_m_accidental)
        < 0)
        return;
    for (int s = 0; s < 3; s++) {
        if (fprintf(f, " %.2f %.2f %.2f %.2f %.2f\n", b->kmod[NAD_KMOD_INDEX(0, s)],
                    b->kmod[NAD_KMOD_INDEX(1, s)], b->kmod[NAD_KMOD_INDEX(2, s)],
                    b->kmod[NAD_KMOD_INDEX(3, s)], b->kmod[NAD_KMOD_INDEX(4, s)])
            < 0)
            return;
    }
    if (fprintf(f, " %.2f %.2f %.2f\n", b->kdef[0], b->kdef[1], b->kdef[2]) < 0) return;
    if (fprintf(f, " %.0f %.0f %.0f", b->w_inst_limit, b->w_fin_limit, b->w_net_fin_limit) < 0)
        return;
    if (fprintf(f, " %.0f %.0f %.0f", b->w_inst_limit_cantilever, b->w_fin_limit_cantilever,
                b->w_net_fin_limit_cantilever)
        < 0)
        return;
    if (fprintf(f, " %d %.2f %.2f", b->k_cr_rule, b->k_cr_solid, b->k_cr_other) < 0) return;
    if (fprintf(f, " %d", b->net_deflection_rule) < 0) return;
    if (fprintf(f, " %d %.2f\n", b->aux_switch, b->gamma_m_fire) < 0) return;
    if (fprintf(f, " %d  \n", b->na21_sill_increase) < 0) return;
    if (fprintf(f, " %d  \n", b->na20_reduction) < 0) return;
    if (fprintf(f, " %d  \n", b->na816_tension_reduction) < 0) return;
    if (fprintf(f, " %d  \n", b->na7_hole_plus_1mm) < 0) return;
    if (fprintf(f, " %f %f %f\n", b->k_shape_factor, b->k_shape_max, b->ltb_slenderness_factor) < 0)
        return;
    fprintf(f, " %lf \n", b->gamma_m_clt);
}

/* ---------------------------------------------------------------- reader */

/* A switch of the block: 0 or 1. */
static int Switch(FILE *f, int32_t *v) { return Nad_Scan_Int_In(f, v, NAD_R_SWITCH); }

/* Read the values of a block stored with version v. Answer 1 when the reading reached the end
** of what version v holds, 0 when a conversion failed. */
static int Read_EC5_Values(FILE *f, NAD_EC5_Params *b, int v)
{
    int32_t iscratch;
    double d[6];
    if (v == 0) return Nad_Scan_Dbl(f, &d[0]);
    if (!Switch(f, &b->use_table_na1)) return 0;
    /* The old crack-factor line carries nothing that is kept: k_cr comes from the limits line. */
    if (!Switch(f, &iscratch) || !Nad_Scan_Dbl(f, &d[0]) || !Nad_Scan_Dbl(f, &d[1])
        || !Nad_Scan_Dbl(f, &d[2]))
        return 0;
    if (v < 2) return 1;
    if (!Switch(f, &b->use_na11)) return 0;
    if (v < 3) return 1;
    /* gamma_M of solid timber and glulam are taken from the two-decimal line further down. */
    if (!Nad_Scan_Dbl(f, &d[0]) || !Nad_Scan_Dbl(f, &d[1])) return 0;
    if (!Nad_Scan_Dbl_In(f, &b->gamma_m_lvl, NAD_R_GAMMA_M)
        || !Nad_Scan_Dbl_In(f, &b->gamma_m_particleboard, NAD_R_GAMMA_M)
        || !Nad_Scan_Dbl_In(f, &b->gamma_m_hardboard, NAD_R_GAMMA_M)
        || !Nad_Scan_Dbl_In(f, &b->gamma_m_mediumboard, NAD_R_GAMMA_M))
        return 0;
    if (!Nad_Scan_Dbl_In(f, &b->gamma_m_mdf, NAD_R_GAMMA_M)
        || !Nad_Scan_Dbl_In(f, &b->gamma_m_softboard, NAD_R_GAMMA_M)
        || !Nad_Scan_Dbl_In(f, &b->gamma_m_connections, NAD_R_GAMMA_M)
        || !Nad_Scan_Dbl_In(f, &b->gamma_m_nailplates, NAD_R_GAMMA_M) || !Nad_Scan_Dbl(f, &d[0]))
        return 0;
    if (!Nad_Scan_Dbl_In(f, &b->gamma_m_steel, NAD_R_GAMMA_M)
        || !Nad_Scan_Dbl_In(f, &b->gamma_m_gypsum, NAD_R_GAMMA_M))
        return 0;
    if (!Switch(f, &b->use_table_na4)) return 0;
    if (v < 4) return 1;
    if (!Switch(f, &b->use_table_na15)) return 0;
    if (v < 5) return 1;
    if (!Switch(f, &b->threaded_rods_na)) return 0;
    if (v < 6) return 1;
    if (!Switch(f, &b->ltb_na) || !Switch(f, &b->simplified_fasteners_na)) return 0;
    if (v < 7) return 1;
    if (!Switch(f, &b->kmod_mean_rule) || !Nad_Scan_Dbl_In(f, &b->gamma_m_solid, NAD_R_GAMMA_M)
        || !Nad_Scan_Dbl_In(f, &b->gamma_m_glulam, NAD_R_GAMMA_M)
        || !Nad_Scan_Dbl_In(f, &b->gamma_m_accidental, NAD_R_GAMMA_M))
        return 0;
    for (int s = 0; s < 3; s++)
        for (int k = 0; k < 5; k++)
            if (!Nad_Scan_Dbl_In(f, &b->kmod[NAD_KMOD_INDEX(k, s)], NAD_R_KMOD)) return 0;
    for (int s = 0; s < 3; s++)
        if (!Nad_Scan_Dbl_In(f, &b->kdef[s], NAD_R_KDEF)) return 0;
    if (!Nad_Scan_Dbl_In(f, &b->w_inst_limit, NAD_R_SPAN)
        || !Nad_Scan_Dbl_In(f, &b->w_fin_limit, NAD_R_SPAN)
        || !Nad_Scan_Dbl_In(f, &b->w_net_fin_limit, NAD_R_SPAN))
        return 0;
    if (!Nad_Scan_Dbl_In(f, &b->w_inst_limit_cantilever, NAD_R_SPAN)
        || !Nad_Scan_Dbl_In(f, &b->w_fin_limit_cantilever, NAD_R_SPAN)
        || !Nad_Scan_Dbl_In(f, &b->w_net_fin_limit_cantilever, NAD_R_SPAN))
        return 0;
    if (v < 8) return 1;
    if (!Switch(f, &b->k_cr_rule) || !Nad_Scan_Dbl_In(f, &b->k_cr_solid, NAD_R_REDUCTION)
        || !Nad_Scan_Dbl_In(f, &b->k_cr_other, NAD_R_REDUCTION))
        return 0;
    if (v < 9) return 1;
    if (!Switch(f, &b->net_deflection_rule)) return 0;
    if (v < 10) return 1;
    if (!Switch(f, &b->aux_switch) || !Nad_Scan_Dbl_In(f, &b->gamma_m_fire, NAD_R_GAMMA_M))
        return 0;
    if (v < 11) return 1;
    if (!Switch(f, &b->na21_sill_increase)) return 0;
    if (v < 12) return 1;
    if (!Switch(f, &b->na20_reduction)) return 0;
    if (v < 13) return 1;
    if (!Switch(f, &b->na816_tension_reduction)) return 0;
    if (v < 14) return 1;
    if (!Switch(f, &b->na7_hole_plus_1mm)) return 0;
    if (v < 15) return 1;
    if (!Nad_Scan_Dbl_In(f, &b->k_shape_factor, NAD_R_SHARE)
        || !Nad_Scan_Dbl_In(f, &b->k_shape_max, NAD_R_SHAPE_MAX))
        return 0;
    if (v < 16) return 1;
    if (!Nad_Scan_Dbl_In(f, &b->ltb_slenderness_factor, NAD_R_SLENDER)) return 0;
    if (v < 17) return 1;
    /* Nothing is read behind the value: a following header line (" Lastfaktoren" in the older
    ** store) keeps its leading blank. */
    if (!Nad_Scan_Dbl_In(f, &b->gamma_m_clt, NAD_R_GAMMA_M)) return 0;
    return 1;
}

/*
** Read an "#EC5" section. Mode 1: the stream stands behind the "#EC5" line of a file; mode 0:
** an entry of the older store, found by its header " EC5 Parameter". Fields that the stored
** version lacks are set from the defaults, the national switches and the torsion shape factor
** of old blocks from the variant (German rules when nonzero).
*/
void Read_NAD_EC5_Section(FILE *f, NAD_EC5_Params *b, int mode)
{
    if (!b) return;
    b->version = 0;
    if (!f) return;
    Init_NAD_EC5_Defaults(b);
    if (mode == 0 && Spool_To_Section_Header(f, " EC5 Parameter", "#NAD", nullptr) != 1) return;
    int32_t v, variant;
    if (!Nad_Scan_Block_Version(f, &v, 17) || !Nad_Scan_Int_In(f, &variant, NAD_R_VARIANT)) return;
    b->variant = variant;
    b->version = v;
    if (!Read_EC5_Values(f, b, v)) return;

    const int g = b->variant != 0 ? 1 : 0;
    if (v <= 10) b->na21_sill_increase = g;
    if (v <= 11) b->na20_reduction = g;
    if (v <= 12) b->na816_tension_reduction = g;
    if (v <= 13) b->na7_hole_plus_1mm = g;
    if (v <= 14) {
        b->k_shape_factor = g ? 0.05 : 0.15;
        b->k_shape_max = g ? 1.3 : 2.0;
    }
}

/* ---------------------------------------------------------------- compare */

/*
** Answer 1 when the blocks differ in a field that the user can set, else 0. Blocks of version 9
** or less always compare as equal. Doubles compare exactly.
*/
int Compare_NAD_EC5_Params(const NAD_EC5_Params *a, const NAD_EC5_Params *b)
{
    if (!a || !b) return a != b;
    if (a->version <= 9 || b->version <= 9) return 0;
    if (a->variant != b->variant || a->use_table_na1 != b->use_table_na1
        || a->use_na11 != b->use_na11)
        return 1;
    const double ga[10] = {a->gamma_m_lvl,         a->gamma_m_particleboard, a->gamma_m_hardboard,
                           a->gamma_m_mediumboard, a->gamma_m_mdf,           a->gamma_m_softboard,
                           a->gamma_m_connections, a->gamma_m_nailplates,    a->gamma_m_steel,
                           a->gamma_m_gypsum};
    const double gb[10] = {b->gamma_m_lvl,         b->gamma_m_particleboard, b->gamma_m_hardboard,
                           b->gamma_m_mediumboard, b->gamma_m_mdf,           b->gamma_m_softboard,
                           b->gamma_m_connections, b->gamma_m_nailplates,    b->gamma_m_steel,
                           b->gamma_m_gypsum};
    for (int i = 0; i < 10; i++)
        if (ga[i] != gb[i]) return 1;
    if (a->use_table_na4 != b->use_table_na4 || a->use_table_na15 != b->use_table_na15
        || a->threaded_rods_na != b->threaded_rods_na || a->ltb_na != b->ltb_na
        || a->simplified_fasteners_na != b->simplified_fasteners_na
        || a->kmod_mean_rule != b->kmod_mean_rule)
        return 1;
    if (a->gamma_m_solid != b->gamma_m_solid || a->gamma_m_glulam != b->gamma_m_glulam
        || a->gamma_m_accidental != b->gamma_m_accidental)
        return 1;
    for (int i = 0; i < 15; i++)
        if (a->kmod[i] != b->kmod[i]) return 1;
    for (int i = 0; i < 3; i++)
        if (a->kdef[i] != b->kdef[i]) return 1;
    if (a->w_inst_limit != b->w_inst_limit
        || a->w_inst_limit_cantilever != b->w_inst_limit_cantilever
        || a->w_fin_limit != b->w_fin_limit
        || a->w_fin_limit_cantilever != b->w_fin_limit_cantilever
        || a->w_net_fin_limit != b->w_net_fin_limit
        || a->w_net_fin_limit_cantilever != b->w_net_fin_limit_cantilever)
        return 1;
    if (a->k_cr_rule != b->k_cr_rule || a->k_cr_solid != b->k_cr_solid
        || a->k_cr_other != b->k_cr_other)
        return 1;
    if (a->net_deflection_rule != b->net_deflection_rule) return 1;
    if (a->na20_reduction != b->na20_reduction || a->na21_sill_increase != b->na21_sill_increase
        || a->na816_tension_reduction != b->na816_tension_reduction
        || a->na7_hole_plus_1mm != b->na7_hole_plus_1mm)
        return 1;
    if (a->k_shape_factor != b->k_shape_factor || a->k_shape_max != b->k_shape_max
        || a->ltb_slenderness_factor != b->ltb_slenderness_factor
        || a->gamma_m_clt != b->gamma_m_clt)
        return 1;
    return 0;
}
