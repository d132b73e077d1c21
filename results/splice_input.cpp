/*
** The global splice input record and the component identifier, with the defaults of a new
** splice. Lengths in cm, fastener dimensions in mm (see results/splice_input.h).
*/
#include "results/splice_input.h"

#include <cstdlib>
#include <cstring>

#include "catalogue/cat_types.h"

Splice_Input_Record Splice_Input;
char Bauteilkennung[BAUTEILKENNUNG_MAX];

/* Clear the record and set the defaults of a new splice. */
void Set_Splice_Input_Defaults(Splice_Input_Record *si)
{
    if (si == nullptr) return;
    free(si->Vorbemerkungen_Text);
    memset(si, 0, sizeof *si);

    si->connection_kind = CONN_SIDE_TIMBERS;
    si->splice_kind = SPLICE_BENDING;
    si->service_class = 1;
    si->mat_mid = 0; /* softwood C24 */
    si->grade_mid = 5;
    si->mat_side = 0;
    si->grade_side = 5;
    si->b = 12.0;
    si->h = 24.0;
    si->t_s = 8.0;
    si->h_s = 24.0;
    si->L = 100.0;
    si->t_s_user = 1; /* automatic modes off: the user's values */
    si->L_user = 1;
    si->plate_count = 2.0;
    si->t_p = 1.0;
    si->h_p = 20.0;
    si->plate_steel = 5; /* S235 */

    si->vbm_type = 29; /* dowel 12 mm */
    si->vbm_row = 3;   /* 12 mm in the dowel list */
    si->fu_k = 360.0;
    si->d = 12.0;
    si->l = 280.0;
    si->d_bolt = 12.0;
    si->bolt_index = 3; /* M12 of the list of bolt sizes, the bolt d_bolt names */
    si->washer_d = 44.0;
    si->d_k = 0.0;
    si->l_ef = 0.0;
    si->vbm_steel = 5;
    si->bolt_steel = 5;
    si->vbm_values[0] = 20.0;
    si->two_sided = 1;
    si->species_sfp = 1;
    si->eurocode_wording = 1;
    si->washer_kind = 1;
    si->calc_method = 1;

    for (int slot = 0; slot < VBM_TYPE_SLOTS; slot++) {
        si->n_col[slot] = 4.0;
        si->n_row[slot] = 3.0;
        si->layout[slot] = LAYOUT_REGULAR;
        si->grouped[slot] = 0;
    }

    si->shear_planes = 2;
    si->gamma_m_side = 1.3;
    si->gamma_m_mid = 1.3;
    si->gamma_m0 = 1.1;
    si->gamma_m2 = 1.25;
    si->gamma_s = 1.1;
    si->gamma_m_t90 = 1.3;
    si->governing_vbm = 0;

    for (int i = 0; i < CHAR_ACTION_COUNT; i++)
        si->Char_Actions[i].kled = Char_Action_Start_Kled(i);

    for (int g = 0; g < LKOM_GROUPS; g++) {
        Lkom_Group *grp = &si->lkom.groups[g];
        grp->kled = g < 5 ? g : 2;
        grp->kmod = 0.9;
        grp->kmod_source = 1;
        for (int e = 0; e < LKOM_ENTRIES; e++) {
            for (int k = 0; k < LKOM_ACTION_SLOTS; k++) grp->entries[e].actions[k] = -1;
        }
    }

    si->print.fasteners = 0;
    si->print.combinations = 0;
    si->print.sections = PRINT_SEC_COORDINATES | PRINT_SEC_PLOT_VIEW | PRINT_SEC_PLOT_LONG
                         | PRINT_SEC_PLOT_CROSS | PRINT_SEC_SKETCHES;
    si->print.view_w = 10.0;
    si->print.view_h = 8.0;
    si->print.long_w = 10.0;
    si->print.long_h = 8.0;
    si->print.cross_w = 10.0;
    si->print.cross_h = 8.0;
}

int32_t Char_Action_Start_Kled(int i)
{
    switch (i) {
    case CHAR_ACTION_WIND: return KLED_KURZ;
    case CHAR_ACTION_QUAKE: return KLED_SEHR_KURZ;
    default: return KLED_STAENDIG;
    }
}

Lkom_Entry *Get_Lkom_Entry(int g, int e)
{
    if (g < 0 || g >= LKOM_GROUPS || e < 0 || e >= LKOM_ENTRIES) return nullptr;
    return &Splice_Input.lkom.groups[g].entries[e];
}

int Is_Lkom_Seismic(const Lkom_Entry *c)
{
    if (c == nullptr || !c->accidental) return 0;
    for (int k = 0; k < LKOM_ACTION_SLOTS && c->actions[k] != -1; k++)
        if (c->actions[k] == CHAR_ACTION_QUAKE) return 1;
    return 0;
}

int Lkom_Accidental_Factors(const Lkom_Entry *c)
{
    return c != nullptr && c->accidental && !Is_Lkom_Seismic(c) ? 1 : 0;
}

static int Type_Slot(const Splice_Input_Record *si)
{
    int t = si->vbm_type;
    if (t < VBM_TYPE_FIRST || t > VBM_TYPE_LAST) return -1;
    return VBM_TYPE_SLOT(t);
}

double Splice_N_Col(const Splice_Input_Record *si)
{
    int s = Type_Slot(si);
    return s < 0 ? 0.0 : si->n_col[s];
}

double Splice_N_Row(const Splice_Input_Record *si)
{
    int s = Type_Slot(si);
    return s < 0 ? 0.0 : si->n_row[s];
}
