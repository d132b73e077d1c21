/*
** Shared set-up of the input-file tests: a fresh input record with its defaults, every input
** field set away from its default, whole files read and written, and the messages counted.
*/
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>

#include "nad/nad.h"
#include "platform/zelkwin.h"
#include "splice/splice_app.h"

struct Rec {
    Splice_Input_Record *p;
    Rec() : p((Splice_Input_Record *)calloc(1, sizeof(Splice_Input_Record)))
    {
        Set_Splice_Input_Defaults(p);
    }
    ~Rec()
    {
        free(p->Vorbemerkungen_Text);
        free(p);
    }
    Splice_Input_Record *operator->() { return p; }
};

inline std::string Slurp(const char *path)
{
    std::ifstream f(path, std::ios::binary);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
}

inline void Spit(const char *path, const std::string &text)
{
    std::ofstream f(path, std::ios::binary);
    f << text;
}

/* Message boxes and questions shown (log lines "MESSAGE ...", "QUESTION ...") that contain
** needle. */
inline int Count_Log(const char *needle)
{
    int n = 0;
    for (const std::string &l : ZW_Test_Log_Lines())
        if ((l.rfind("MESSAGE", 0) == 0 || l.rfind("QUESTION", 0) == 0)
            && l.find(needle) != std::string::npos)
            n++;
    return n;
}

/* Every input field set away from its default, with values that have no short decimal form. */
inline void Fill(Splice_Input_Record *s)
{
    s->connection_kind = CONN_OUTER_PLATES;
    s->splice_kind = SPLICE_COMPRESSION;
    s->service_class = 3;
    s->mat_mid = 2;
    s->grade_mid = 4;
    s->mat_side = 1;
    s->grade_side = 3;
    s->edgewise_mid = 1;
    s->edgewise_side = 1;
    s->b = 14.0 / 3.0;
    s->h = 28.1;
    s->t_s = 6.7;
    s->h_s = 27.9;
    s->L = 123.456789012345;
    s->t_s_user = 0;
    s->L_user = 0;
    s->plate_count = 2.0;
    s->t_p = 0.8;
    s->h_p = 21.5;
    s->plate_steel = 7;
    s->strength_override_on = 1;
    s->strength_override = 235.5;
    s->vbm_type = 30;
    s->vbm_row = 4;
    s->fu_k = 800.0;
    s->d = 16.0;
    s->d_2 = 13.5;
    s->l = 180.0;
    s->staple_angle = 33.3;
    s->staple_angle_copy = 44.4;
    s->d_bolt = 16.0;
    s->washer_d = 58.0;
    s->d_k = 24.0;
    s->l_ef = 120.0;
    s->connector_index = 2;
    s->bolt_index = 5;
    s->vbm_steel = 9;
    s->bolt_steel = 11;
    for (int i = 0; i < 12; i++) s->vbm_values[i] = 0.1 * (i + 1) + 1e-13;
    int32_t *flags[] = {
        &s->predrilled,    &s->fitted_bolt,  &s->failure_mode_switch, &s->stainless,
        &s->threaded_rod,  &s->douglas,      &s->offset_1d,           &s->washer,
        &s->resin_coated,  &s->green_timber, &s->capacity_increase,   &s->panel_edges,
        &s->predrill_core, &s->steel_hole,   &s->split_rule};
    for (int32_t *f : flags) *f = 1;
    s->two_sided = 0;
    s->species_sfp = 0;
    s->eurocode_wording = 0;
    s->washer_kind = 2;
    s->calc_method = 2;
    s->block_shear = 1;
    s->shear_planes = 4;
    for (int slot = 0; slot < VBM_TYPE_SLOTS; slot++) {
        s->n_col[slot] = 1.0 + slot;
        s->n_row[slot] = 2.0 + (slot % 5);
        s->layout[slot] = slot % 2;
        s->grouped[slot] = (slot % 3) == 0;
        /* a size kept for every fourth type, not for the current one (its size is the
        ** fastener's own) */
        if (slot % 4 == 1 && slot != VBM_TYPE_SLOT(s->vbm_type)) {
            Vbm_Size_Rec *k = &s->sizes[slot];
            k->kept = 1;
            k->row = slot % 7;
            k->d = 4.2 + slot + 1e-13;
            k->d_2 = 0.1 * slot;
            k->l = 100.0 + slot;
            k->l_ef = 50.0 + slot;
            k->d_k = 9.0 + 0.5 * slot;
        }
    }
    s->a1 = 6.1;
    s->a2 = 4.2;
    s->a3 = 8.3;
    s->a4 = 3.4;
    s->a1_user = 1;
    s->a2_user = 1;
    s->a3_user = 1;
    s->a4_user = 1;
    s->e1 = 5.5;
    s->e1_user = 1;
    s->e1_copy = 5.25;
    s->e2 = 3.75;
    s->p1 = 6.6;
    s->p2 = 4.4;
    s->e_rand_ec = 2.2;
    s->e_rand_din = 2.3;
    s->e_x = -1.5;
    s->k_xr = 0.0123456789;
    s->gamma_m_side = 1.31;
    s->gamma_m_mid = 1.32;
    s->gamma_m0 = 1.01;
    s->gamma_m2 = 1.26;
    s->gamma_s = 1.11;
    s->gamma_m_t90 = 1.33;
    s->lkom_generated = 1;
    s->snow_above_1000 = 1;
    s->imposed_category = IMPOSED_CAT_F;
    for (int g = 0; g < LKOM_GROUPS; g += 3) {
        Lkom_Group *grp = &s->lkom.groups[g];
        grp->used = 1;
        grp->kled = g % 5;
        grp->source = 1;
        grp->kmod_source = 0;
        grp->kmod = 0.7 + g / 100.0;
        for (int e = 0; e < 3; e++) {
            Lkom_Entry *en = &grp->entries[e * 7];
            en->used = 1;
            en->accidental = e == 1;
            en->M_d = -12.345 * (e + 1);
            en->N_d = 1.0 / 7.0;
            en->V_d = 1e-5;
            en->max_Fy = 2.5;
            en->sum_My_pos = 3.5;
            en->max_col_Fy = 4.5;
            en->M_distr = 5.5;
            en->kled = 3;
            for (int k = 0; k < LKOM_ACTION_SLOTS; k++) {
                en->actions[k] = k < 3 ? k : -1;
                en->factors[k][0] = 1.35 + k;
                en->factors[k][1] = 0.7 - k / 10.0;
            }
            snprintf(en->comment, sizeof en->comment, "LF %d~100%% \xe1 wind  x", e);
        }
    }
    for (int i = 0; i < CHAR_ACTION_COUNT; i++) {
        Char_Action_Rec *a = &s->Char_Actions[i];
        a->used = i % 2;
        a->kled = i % 5;
        a->M_k = i * 1.1;
        a->N_k = -i * 2.2;
        a->V_k = i * 0.3;
        a->category = i + 1;
        a->psi_dom = 0.9;
        a->psi_sub = 0.6;
        a->gamma_sup = 1.5;
        a->gamma_inf = 0.1 * i;
        snprintf(a->remark, sizeof a->remark, "Bem %d", i);
    }
    s->Char_Actions[5].remark[0] = '\0';
    s->print.fasteners = 1;
    s->print.combinations = 1;
    s->print.sections = 0xA5u;
    s->print.view_w = 12.5;
    s->print.view_h = 7.5;
    s->print.long_w = 11.0;
    s->print.long_h = 6.0;
    s->print.cross_w = 9.0;
    s->print.cross_h = 5.0;
    s->Vorbemerkungen_Text = strdup("Erste Zeile\nzweite ~ Zeile\r\n\tEnde 50%");
}

class InputFile : public ::testing::Test {
  protected:
    void SetUp() override
    {
        ZW_Test_Reset();
        /* the annex of a new start, whichever an earlier test activated */
        Clear_NAD_State();
        unsetenv("DRAM");
        /* the annex files of the repository's host folder, as the host gives them */
        setenv("DATA", SPLICE_SOURCE_DIR "/environment/data", 1);
    }
    void TearDown() override { unsetenv("DATA"); }
};
