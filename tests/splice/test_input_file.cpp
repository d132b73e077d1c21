/*
** Tests of the component's input file: a round trip of every input field, records in any
** order, missing records, damaged and truncated files, and the atomic save.
*/
#include <gtest/gtest.h>

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "foundation/codepage.h"
#include "nad/nad.h"
#include "platform/zelkwin.h"
#include "platform/runtime.h"
#include "splice/splice_app.h"

namespace {

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

std::string Slurp(const char *path)
{
    std::ifstream f(path, std::ios::binary);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
}

void Spit(const char *path, const std::string &text)
{
    std::ofstream f(path, std::ios::binary);
    f << text;
}

/* Message boxes and questions shown (log lines "MESSAGE ...", "QUESTION ...") that contain
** needle. */
int Count_Log(const char *needle)
{
    int n = 0;
    for (const std::string &l : ZW_Test_Log_Lines())
        if ((l.rfind("MESSAGE", 0) == 0 || l.rfind("QUESTION", 0) == 0)
            && l.find(needle) != std::string::npos)
            n++;
    return n;
}

/* Every input field set away from its default, with values that have no short decimal form. */
void Fill(Splice_Input_Record *s)
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

void Expect_Same_Input(Splice_Input_Record *a, Splice_Input_Record *b)
{
#define SAME(f) EXPECT_EQ(a->f, b->f) << #f
    SAME(connection_kind);
    SAME(splice_kind);
    SAME(service_class);
    SAME(mat_mid);
    SAME(grade_mid);
    SAME(mat_side);
    SAME(grade_side);
    SAME(edgewise_mid);
    SAME(edgewise_side);
    SAME(b);
    SAME(h);
    SAME(t_s);
    SAME(h_s);
    SAME(L);
    SAME(t_s_user);
    SAME(L_user);
    SAME(plate_count);
    SAME(t_p);
    SAME(h_p);
    SAME(plate_steel);
    SAME(strength_override_on);
    SAME(strength_override);
    SAME(vbm_type);
    SAME(vbm_row);
    SAME(fu_k);
    SAME(d);
    SAME(d_2);
    SAME(l);
    SAME(staple_angle);
    SAME(staple_angle_copy);
    SAME(d_bolt);
    SAME(washer_d);
    SAME(d_k);
    SAME(l_ef);
    SAME(connector_index);
    SAME(bolt_index);
    SAME(vbm_steel);
    SAME(bolt_steel);
    for (int i = 0; i < 12; i++) SAME(vbm_values[i]);
    SAME(predrilled);
    SAME(two_sided);
    SAME(fitted_bolt);
    SAME(failure_mode_switch);
    SAME(stainless);
    SAME(threaded_rod);
    SAME(douglas);
    SAME(offset_1d);
    SAME(washer);
    SAME(resin_coated);
    SAME(green_timber);
    SAME(species_sfp);
    SAME(capacity_increase);
    SAME(panel_edges);
    SAME(eurocode_wording);
    SAME(predrill_core);
    SAME(steel_hole);
    SAME(washer_kind);
    SAME(split_rule);
    SAME(calc_method);
    SAME(block_shear);
    SAME(shear_planes);
    for (int s = 0; s < VBM_TYPE_SLOTS; s++) {
        SAME(n_col[s]);
        SAME(n_row[s]);
        SAME(layout[s]);
        SAME(grouped[s]);
        SAME(sizes[s].kept);
        SAME(sizes[s].row);
        SAME(sizes[s].d);
        SAME(sizes[s].d_2);
        SAME(sizes[s].l);
        SAME(sizes[s].l_ef);
        SAME(sizes[s].d_k);
    }
    SAME(a1);
    SAME(a2);
    SAME(a3);
    SAME(a4);
    SAME(a1_user);
    SAME(a2_user);
    SAME(a3_user);
    SAME(a4_user);
    SAME(e1);
    SAME(e1_user);
    SAME(e1_copy);
    SAME(e2);
    SAME(p1);
    SAME(p2);
    SAME(e_rand_ec);
    SAME(e_rand_din);
    SAME(e_x);
    SAME(k_xr);
    SAME(gamma_m_side);
    SAME(gamma_m_mid);
    SAME(gamma_m0);
    SAME(gamma_m2);
    SAME(gamma_s);
    SAME(gamma_m_t90);
    SAME(lkom_generated);
    SAME(snow_above_1000);
    SAME(imposed_category);
    for (int g = 0; g < LKOM_GROUPS; g++) {
        SAME(lkom.groups[g].used);
        SAME(lkom.groups[g].kled);
        SAME(lkom.groups[g].source);
        SAME(lkom.groups[g].kmod_source);
        SAME(lkom.groups[g].kmod);
        for (int e = 0; e < LKOM_ENTRIES; e++) {
            const Lkom_Entry *x = &a->lkom.groups[g].entries[e], *y = &b->lkom.groups[g].entries[e];
            ASSERT_EQ(x->used, y->used) << g << " " << e;
            if (!x->used) continue;
            EXPECT_EQ(x->accidental, y->accidental);
            EXPECT_EQ(x->M_d, y->M_d);
            EXPECT_EQ(x->N_d, y->N_d);
            EXPECT_EQ(x->V_d, y->V_d);
            EXPECT_EQ(x->max_Fy, y->max_Fy);
            EXPECT_EQ(x->sum_My_pos, y->sum_My_pos);
            EXPECT_EQ(x->max_col_Fy, y->max_col_Fy);
            EXPECT_EQ(x->M_distr, y->M_distr);
            EXPECT_EQ(x->kled, y->kled);
            EXPECT_STREQ(x->comment, y->comment);
            for (int k = 0; k < LKOM_ACTION_SLOTS; k++) {
                EXPECT_EQ(x->actions[k], y->actions[k]);
                EXPECT_EQ(x->factors[k][0], y->factors[k][0]);
                EXPECT_EQ(x->factors[k][1], y->factors[k][1]);
            }
        }
    }
    for (int i = 0; i < CHAR_ACTION_COUNT; i++) {
        SAME(Char_Actions[i].used);
        SAME(Char_Actions[i].kled);
        SAME(Char_Actions[i].M_k);
        SAME(Char_Actions[i].N_k);
        SAME(Char_Actions[i].V_k);
        SAME(Char_Actions[i].category);
        SAME(Char_Actions[i].psi_dom);
        SAME(Char_Actions[i].psi_sub);
        SAME(Char_Actions[i].gamma_sup);
        SAME(Char_Actions[i].gamma_inf);
        EXPECT_STREQ(a->Char_Actions[i].remark, b->Char_Actions[i].remark);
    }
    SAME(print.fasteners);
    SAME(print.combinations);
    SAME(print.sections);
    SAME(print.view_w);
    SAME(print.view_h);
    SAME(print.long_w);
    SAME(print.long_h);
    SAME(print.cross_w);
    SAME(print.cross_h);
    ASSERT_EQ(a->Vorbemerkungen_Text == nullptr, b->Vorbemerkungen_Text == nullptr);
    if (a->Vorbemerkungen_Text) { EXPECT_STREQ(a->Vorbemerkungen_Text, b->Vorbemerkungen_Text); }
#undef SAME
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

} // namespace

TEST_F(InputFile, TextWordsEncodeBlanksAndEscapesAndDecodeBack)
{
    char out[128], back[128];
    Inp_Encode_Text("a b~c%d\n", out);
    EXPECT_STREQ(out, "a~b%7Ec%25d%0A");
    ASSERT_EQ(Inp_Decode_Text(out, back, sizeof back), 1);
    EXPECT_STREQ(back, "a b~c%d\n");
    Inp_Encode_Text("", out);
    EXPECT_STREQ(out, "");
    EXPECT_EQ(Inp_Decode_Text("bad%4", back, sizeof back), 0);  /* cut escape */
    EXPECT_EQ(Inp_Decode_Text("nul%00", back, sizeof back), 0); /* no zero bytes inside */
    EXPECT_EQ(Inp_Decode_Text("toolong", back, 4), 0);
}

TEST_F(InputFile, RoundTripKeepsEveryInputFieldExactly)
{
    Rec a, b;
    Fill(a.p);
    ASSERT_EQ(Write_Splice_Input_File("rt_01.inp", a.p), 1);
    ASSERT_EQ(Read_Splice_Input_File("rt_01.inp", b.p, 0), 1);
    Expect_Same_Input(a.p, b.p);
    EXPECT_EQ(Count_Log("MESSAGE"), 0);
    /* Writing what was read gives the same bytes. */
    ASSERT_EQ(Write_Splice_Input_File("rt_02.inp", b.p), 1);
    EXPECT_EQ(Slurp("rt_01.inp"), Slurp("rt_02.inp"));
    /* The annex section closes the file. */
    std::string text = Slurp("rt_01.inp");
    EXPECT_EQ(text.rfind("SPLICE 202\nSYSTEM 2 2 3 2 4 1 3 1 1 ", 0), 0u);
    /* the sizes the other types were left with: SIZE t, row, d, d_2, l, l_ef, d_k */
    EXPECT_NE(text.find("\nSIZE -1 1 5.2000000000001005 0.10000000000000001 101 51 9.5\n"),
              std::string::npos)
        << text;
    EXPECT_EQ(text.find("\nSIZE 0 "), std::string::npos);
    EXPECT_NE(text.find("\nCOMBINATIONS 1 1\nIMPOSED 3\n"), std::string::npos);
    EXPECT_NE(text.find("END\n\n\nACTIV_NADNAME\n\xae"
                        "Deutschland\xaf\n"),
              std::string::npos);
    EXPECT_NE(text.find("REMARKS 1 Erste~Zeile%0Azweite~%7E~Zeile%0D%0A%09Ende~50%25\n"),
              std::string::npos);
}

/* A file that another program saved in code page 1252 or UTF-8: its comments, remarks and
** preliminary remarks are read by the code-page rule and written back in that code page, and so
** is the annex name. */
TEST_F(InputFile, TextsOfAnotherCodePageAreReadAndWrittenBackInIt)
{
    Rec a;
    a->lkom.groups[0].used = 1;
    a->lkom.groups[0].entries[0].used = 1;
    snprintf(a->lkom.groups[0].entries[0].comment, sizeof a->lkom.groups[0].entries[0].comment,
             "%s", "Ä links"_cp850);
    snprintf(a->Char_Actions[0].remark, sizeof a->Char_Actions[0].remark, "%s", "Maß"_cp850);
    a->Vorbemerkungen_Text = strdup("Größe"_cp850);
    ASSERT_EQ(Write_Splice_Input_File("cp_850.inp", a.p), 1);
    const std::string cp850 = Slurp("cp_850.inp");
    /* Ä ö ß and the annex name's marks « » in code page 850, 1252 and UTF-8: the whole file in
    ** one code page */
    const struct {
        const char *name;
        std::string ae, oe, sz, open, close;
    } pages[] = {{"1252", "\xC4", "\xF6", "\xDF", "\xAB", "\xBB"},
                 {"utf8", "\xC3\x84", "\xC3\xB6", "\xC3\x9F", "\xC2\xAB", "\xC2\xBB"}};
    for (const auto &page : pages) {
        SCOPED_TRACE(page.name);
        std::string foreign = cp850;
        for (auto [from, to] : {std::pair<std::string, std::string>{"\x8E", page.ae},
                                {"\x94", page.oe},
                                {"\xE1", page.sz},
                                {"\xAE", page.open},
                                {"\xAF", page.close}}) {
            size_t at = 0;
            int found = 0;
            for (; (at = foreign.find(from, at)) != std::string::npos; at += to.size(), found++)
                foreign.replace(at, from.size(), to);
            ASSERT_GE(found, 1);
        }
        const std::string in = std::string("cp_") + page.name + ".inp";
        Spit(in.c_str(), foreign);
        Rec b;
        ASSERT_EQ(Read_Splice_Input_File(in.c_str(), b.p, 0), 1);
        EXPECT_STREQ(b->lkom.groups[0].entries[0].comment, "Ä links"_cp850);
        EXPECT_STREQ(b->Char_Actions[0].remark, "Maß"_cp850);
        ASSERT_NE(b->Vorbemerkungen_Text, nullptr);
        EXPECT_STREQ(b->Vorbemerkungen_Text, "Größe"_cp850);
        const std::string out = std::string("cp_") + page.name + "_saved.inp";
        ASSERT_EQ(Write_Splice_Input_File(out.c_str(), b.p), 1);
        EXPECT_EQ(Slurp(out.c_str()), foreign);
    }
    /* the program's own file stays in code page 850 */
    Rec c;
    ASSERT_EQ(Read_Splice_Input_File("cp_850.inp", c.p, 0), 1);
    ASSERT_EQ(Write_Splice_Input_File("cp_850_saved.inp", c.p), 1);
    EXPECT_EQ(Slurp("cp_850_saved.inp"), cp850);
}

TEST_F(InputFile, RecordsInAnyOrderAndMissingRecordsKeepDefaults)
{
    Rec r, defaults;
    Spit("order.inp",
         "SPLICE 200\n"
         "# a comment line\n"
         "ENTRY 1 4 1 0 2.5 -30 4 0 0 0 0 -1 -1 -1 -1 -1 -1 -1 0 0 0 0 0 0 0 0 0 0 0 0 Zug~links\n"
         "GROUP 1 1 2 0 0 0.8\n"
         "PLATES 1 1.2 20 5 0 0\n"
         "END\n");
    ASSERT_EQ(Read_Splice_Input_File("order.inp", r.p, 0), 1);
    EXPECT_EQ(Count_Log("MESSAGE"), 0);
    EXPECT_EQ(r->plate_count, 1.0);
    EXPECT_EQ(r->t_p, 1.2);
    EXPECT_EQ(r->lkom.groups[1].used, 1);
    EXPECT_EQ(r->lkom.groups[1].kmod, 0.8);
    const Lkom_Entry *e = &r->lkom.groups[1].entries[4];
    EXPECT_EQ(e->used, 1);
    EXPECT_EQ(e->M_d, 2.5);
    EXPECT_EQ(e->N_d, -30.0);
    EXPECT_EQ(e->V_d, 4.0);
    EXPECT_STREQ(e->comment, "Zug links");
    /* The records not in the file keep the defaults. */
    EXPECT_EQ(r->b, defaults->b);
    EXPECT_EQ(r->vbm_type, defaults->vbm_type);
    EXPECT_EQ(r->n_col[VBM_TYPE_SLOT(29)], defaults->n_col[VBM_TYPE_SLOT(29)]);
    EXPECT_EQ(r->print.sections, defaults->print.sections);
    /* A file of version 200 has no category of the imposed load: A, B; nor a size kept for
    ** any other type. */
    EXPECT_EQ(r->imposed_category, IMPOSED_CAT_AB);
    for (int slot = 0; slot < VBM_TYPE_SLOTS; slot++) EXPECT_EQ(r->sizes[slot].kept, 0) << slot;
    /* A missing file changes nothing. */
    EXPECT_EQ(Read_Splice_Input_File("no_such_file.inp", r.p, 0), 0);
}

TEST_F(InputFile, DamagedLinesKeepTheirRecordsDefaultsAndNameTheLine)
{
    Rec r, defaults;
    Spit("damaged.inp",
         "SPLICE 200\n"
         "SYSTEM 1 1 2 0 5 0 5 0 0 abc 24 8 24 100 1 1\n" /* a text where b belongs */
         "PLATES 3 0.8 18 5 0 0\n"
         "ENTRY 0 0 1 0 1 2 3 0 0 0 0 -1 -1 -1 -1 -1 -1 -1 0 0 0 0 0 0 0 0 0 0 0 0 text 17\n"
         "LAYOUT 99 1 1 0 0\n" /* no such fastener type */
         "\x01\x02\xff garbage\n"
         "IMPOSED 6\n"             /* no such category of the imposed load */
         "PLATES 4 0.8 18 5 0 0\n" /* a second copy: the first holds */
         "ENTRY 0 1 1 0 7 2 3 0 0 0 0 -1 -1 -1 -1 -1 -1 -1 0 0 0 0 0 0 0 0 0 0 0 0\n"
         "ENTRY 0 2 1 0 8 2 3 0 0 0 0 -1 -1 -1 -1 -1 -1 -1 0 0 0 0 0 0 0 0 0 0 0 0\n"
         "ENTRY 0 1 1 0 9 2 3 0 0 0 0 -1 -1 -1 -1 -1 -1 -1 0 0 0 0 0 0 0 0 0 0 0 0\n"
         "END\n");
    ASSERT_EQ(Read_Splice_Input_File("damaged.inp", r.p, 0), 1);
    EXPECT_EQ(r->connection_kind, defaults->connection_kind);
    EXPECT_EQ(r->b, defaults->b);
    EXPECT_EQ(r->plate_count, 3.0);                   /* the good record is taken */
    EXPECT_EQ(r->lkom.groups[0].entries[0].used, 0);  /* a number after the comment */
    EXPECT_EQ(r->lkom.groups[0].entries[1].M_d, 7.0); /* combinations of other numbers */
    EXPECT_EQ(r->lkom.groups[0].entries[2].M_d, 8.0);
    EXPECT_EQ(r->imposed_category, IMPOSED_CAT_AB);
    ASSERT_EQ(Count_Log("MESSAGE"), 1);
    EXPECT_EQ(Count_Log("damaged.inp"), 1);
    EXPECT_EQ(Count_Log("Zeile 2"), 1);

    FILE *f = fopen("damaged.inp", "rb");
    Inp_Read_Report rep;
    Rec s;
    EXPECT_EQ(Read_Splice_Input_Stream(f, s.p, &rep), 0);
    fclose(f);
    EXPECT_EQ(rep.version, 200);
    EXPECT_EQ(rep.damaged, 7);
    EXPECT_EQ(rep.records, 3);
    EXPECT_EQ(rep.first_bad_line, 2);
    EXPECT_EQ(rep.complete, 1);

    /* a record twice: 9 columns of the second copy would be designed without a word */
    ZW_Test_Clear_Log();
    Spit("twice_01.inp", "SPLICE 201\nLAYOUT 0 8 5 0 0\nLAYOUT 0 9 5 0 0\nEND\n");
    Rec t;
    ASSERT_EQ(Read_Splice_Input_File("twice_01.inp", t.p, 0), 1);
    EXPECT_EQ(Count_Log("MESSAGE"), 1);
    EXPECT_EQ(Count_Log("(Zeile 3: der Datensatz steht schon in Zeile 2)."), 1);
    EXPECT_EQ(t->n_col[VBM_TYPE_SLOT(0)], 8.0);
    EXPECT_EQ(t->n_row[VBM_TYPE_SLOT(0)], 5.0);

    /* a NUL byte, which a crash leaves in runs: N_d "4<NUL>5" was read as 4 kN and a remark was
    ** cut there; such a line is damage, and the file is kept beside a save of what was read */
    ZW_Test_Clear_Log();
    const std::string nul("SPLICE 201\n"
                          "ENTRY 0 0 1 0 2 4\0"
                          "5 3 0 0 0 0 -1 -1 -1 -1 -1 -1 -1 0 0 0 0 0 0 0 0 0 0 0 0 Schnee\n"
                          "REMARKS 1 Vor\0bemerkung\n"
                          "END\n",
                          121);
    Spit("nul_01.inp", nul);
    Rec n;
    ASSERT_EQ(Read_Splice_Input_File("nul_01.inp", n.p, 0), 1);
    EXPECT_EQ(n->lkom.groups[0].entries[0].used, 0);
    EXPECT_EQ(n->Vorbemerkungen_Text == nullptr, defaults->Vorbemerkungen_Text == nullptr);
    EXPECT_EQ(
        Count_Log("MESSAGE [Fehler] Die Eingabedatei nul_01.inp ist besch\xC3\xA4"
                  "digt | (Zeile 2: die Zeile enth\xC3\xA4lt ein Nullbyte). | F\xC3\xBCr "
                  "nicht lesbare Angaben gelten die Vorgaben. | Sie bleibt unver\xC3\xA4ndert "
                  "als nul_01.inp.bak erhalten."),
        1);
    EXPECT_EQ(Slurp("nul_01.inp.bak"), nul);
}

TEST_F(InputFile, TruncatedAndForeignFilesGiveAMessageAndTheDefaults)
{
    Rec a;
    Fill(a.p);
    ASSERT_EQ(Write_Splice_Input_File("whole.inp", a.p), 1);
    std::string whole = Slurp("whole.inp");
    /* Cut in the middle of a line of the combinations. */
    size_t cut = whole.find("ENTRY 3 7");
    ASSERT_NE(cut, std::string::npos);
    Spit("cut.inp", whole.substr(0, cut + 20));
    Rec r, defaults;
    ASSERT_EQ(Read_Splice_Input_File("cut.inp", r.p, 0), 1);
    EXPECT_EQ(Count_Log("MESSAGE"), 1);
    EXPECT_EQ(Count_Log("cut.inp"), 1);
    EXPECT_EQ(r->b, a->b); /* the records before the cut are read */
    EXPECT_EQ(r->lkom.groups[3].entries[7].used, 0);
    EXPECT_EQ(r->print.sections, defaults->print.sections); /* the lost records keep the defaults */

    ZW_Test_Clear_Log();
    const std::string foreign = "Dies ist keine Eingabedatei\nSYSTEM 0 0 1\n";
    Spit("foreign.inp", foreign);
    Rec f;
    ASSERT_EQ(Read_Splice_Input_File("foreign.inp", f.p, 0), 1);
    EXPECT_EQ(Count_Log("MESSAGE"), 1);
    EXPECT_EQ(Count_Log("Zeile 1"), 1);
    EXPECT_EQ(f->service_class, defaults->service_class);
    /* nothing of it was read: a save of the defaults leaves the user's file beside it */
    EXPECT_EQ(Count_Log("Sie bleibt unver\xC3\xA4ndert als foreign.inp.bak erhalten."), 1);
    ASSERT_EQ(Write_Splice_Input_File("foreign.inp", f.p), 1);
    EXPECT_EQ(Slurp("foreign.inp.bak"), foreign);
    /* another file that cannot be read under the same name: the older copy stays, the file goes
    ** to the first free numbered name, and the box says both; the same bytes again make no copy */
    const std::string other = "Auch keine Eingabedatei\n";
    for (const char *next : {"foreign.inp.bak2", "foreign.inp.bak3"}) {
        SCOPED_TRACE(next);
        ZW_Test_Clear_Log();
        Spit("foreign.inp", other + next);
        Rec g;
        ASSERT_EQ(Read_Splice_Input_File("foreign.inp", g.p, 0), 1);
        EXPECT_EQ(Count_Log((std::string("Sie bleibt unver\xC3\xA4ndert als ") + next
                             + " erhalten; | die \xC3\xA4ltere Sicherung foreign.inp.bak bleibt "
                               "bestehen.")
                                .c_str()),
                  1);
        EXPECT_EQ(Slurp("foreign.inp.bak"), foreign);
        EXPECT_EQ(Slurp(next), other + next);
    }
    ZW_Test_Clear_Log();
    Rec same;
    ASSERT_EQ(Read_Splice_Input_File("foreign.inp", same.p, 0), 1);
    EXPECT_EQ(Count_Log("Sie bleibt unver\xC3\xA4ndert als foreign.inp.bak3 erhalten."), 1);
    EXPECT_NE(access("foreign.inp.bak4", F_OK), 0);

    /* saved in UTF-8 with its byte-order mark by an editor: read as any other file */
    ZW_Test_Clear_Log();
    Spit("mark_01.inp", "\xEF\xBB\xBFSPLICE 201\nPLATES 3 0.8 18 5 0 0\nEND\n");
    Rec m;
    ASSERT_EQ(Read_Splice_Input_File("mark_01.inp", m.p, 0), 1);
    EXPECT_EQ(Count_Log("MESSAGE"), 0);
    EXPECT_EQ(m->plate_count, 3.0);
    EXPECT_EQ(m->text_code_page, CODE_PAGE_UTF8);

    /* saved as "Unicode" by an editor: the encoding is named, not a damaged first line */
    ZW_Test_Clear_Log();
    Spit("wide.inp", std::string("\xFF\xFES\0P\0L\0I\0C\0E\0 \0"
                                 "2\0"
                                 "0\0"
                                 "1\0\n\0",
                                 24));
    Rec u;
    ASSERT_EQ(Read_Splice_Input_File("wide.inp", u.p, 1), 1);
    EXPECT_EQ(Count_Log("MESSAGE"), 1);
    EXPECT_EQ(Count_Log("(Zeile 1: die Datei ist in UTF-16 LE gespeichert; diese Kodierung wird "
                        "nicht gelesen)."),
              1);
    EXPECT_EQ(u->service_class, defaults->service_class);
    EXPECT_EQ(Slurp("wide.inp.bak"), Slurp("wide.inp"));

    /* without a mark, told by the first bytes, whatever line comes first */
    auto wide = [](const std::string &ascii, bool little) {
        std::string out;
        for (char c : ascii) out += little ? std::string{c, '\0'} : std::string{'\0', c};
        return out;
    };
    const struct {
        const char *text;
        bool little;
        const char *box;
    } heads[] = {
        {"# Stoss\r\nSPLICE 201\r\nEND\r\n", true,
         "(Zeile 1: die Datei ist in UTF-16 LE gespeichert; diese Kodierung wird nicht gelesen)."},
        {"\r\nSPLICE 201\r\nEND\r\n", true,
         "(Zeile 1: die Datei ist in UTF-16 LE gespeichert; diese Kodierung wird nicht gelesen)."},
        {"\nSPLICE 201\nEND\n", true,
         "(Zeile 1: die Datei ist in UTF-16 LE gespeichert; diese Kodierung wird nicht gelesen)."},
        {"\r\nSPLICE 201\r\nEND\r\n", false,
         "(Zeile 1: die Datei ist in UTF-16 BE gespeichert; diese Kodierung wird nicht gelesen)."},
        {"\nSPLICE 201\nEND\n", false,
         "(Zeile 1: die Datei ist in UTF-16 BE gespeichert; diese Kodierung wird nicht gelesen)."},
        {"# Stoss\nSPLICE 201\nEND\n", false,
         "(Zeile 1: die Datei ist in UTF-16 BE gespeichert; diese Kodierung wird nicht gelesen)."},
    };
    for (const auto &h : heads) {
        ZW_Test_Clear_Log();
        Spit("wide_01.inp", wide(h.text, h.little));
        Rec w;
        ASSERT_EQ(Read_Splice_Input_File("wide_01.inp", w.p, 1), 1);
        EXPECT_EQ(Count_Log("MESSAGE"), 1) << h.text;
        EXPECT_EQ(Count_Log(h.box), 1) << h.text;
    }

    ZW_Test_Clear_Log();
    Spit("empty.inp", "");
    Rec e;
    ASSERT_EQ(Read_Splice_Input_File("empty.inp", e.p, 0), 1);
    EXPECT_EQ(Count_Log("MESSAGE"), 1);
    EXPECT_EQ(access("empty.inp.bak", F_OK), -1); /* nothing to keep */
}

/* An input file that is a folder says so (not that the file were empty); one that cannot be
** opened says why; neither changes the defaults, and a missing file says nothing. */
TEST_F(InputFile, AFolderOrAClosedFileIsNamedAsSuch)
{
    Rec defaults, r;
    ASSERT_EQ(mkdir("ordner_01.inp", 0755), 0);
    EXPECT_EQ(Read_Splice_Input_File("ordner_01.inp", r.p, 1), 0);
    EXPECT_EQ(Count_Log("MESSAGE"), 1);
    EXPECT_EQ(Count_Log("Die Eingabedatei ordner_01.inp | ist ein Ordner und keine Datei."), 1);
    EXPECT_EQ(Count_Log("leer"), 0);
    EXPECT_EQ(r->b, defaults->b);

    ZW_Test_Clear_Log();
    Spit("zu_01.inp", "SPLICE 200\nEND\n");
    ASSERT_EQ(chmod("zu_01.inp", 0), 0);
    if (access("zu_01.inp", R_OK) != 0) { /* the superuser reads it anyway */
        EXPECT_EQ(Read_Splice_Input_File("zu_01.inp", r.p, 0), 0);
        EXPECT_EQ(Count_Log("kann nicht gelesen werden:"), 1);
    }
    chmod("zu_01.inp", 0644);

    ZW_Test_Clear_Log();
    EXPECT_EQ(Read_Splice_Input_File("fehlt_01.inp", r.p, 0), 0);
    EXPECT_EQ(Count_Log("MESSAGE"), 0);

    /* a pipe or a device under the name is no file: it is named and the splice starts with the
    ** defaults, as without a file; the read never waits for a writer nor reads for ever */
    ASSERT_EQ(mkfifo("pipe_01.inp", 0644), 0);
    ASSERT_EQ(symlink("/dev/zero", "zero_01.inp"), 0);
    ASSERT_EQ(symlink("/dev/urandom", "random_01.inp"), 0);
    const struct {
        const char *name, *reason;
    } special[] = {{"pipe_01.inp", "Der Name bezeichnet eine Pipe und keine Datei."},
                   {"zero_01.inp", "Der Name bezeichnet ein Ger\xC3\xA4t und keine Datei."},
                   {"random_01.inp", "Der Name bezeichnet ein Ger\xC3\xA4t und keine Datei."}};
    for (const auto &c : special) {
        SCOPED_TRACE(c.name);
        /* in a child first, which a reader that waits or reads for ever could not leave */
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            alarm(20);
            Rec scratch;
            _exit(Read_Splice_Input_File(c.name, scratch.p, 1) == 0 ? 0 : 3);
        }
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0)
            << "the read did not end (signal " << (WIFSIGNALED(status) ? WTERMSIG(status) : 0)
            << ")";
        ZW_Test_Clear_Log();
        Rec s;
        EXPECT_EQ(Read_Splice_Input_File(c.name, s.p, 1), 0);
        EXPECT_EQ(Count_Log("MESSAGE"), 1);
        EXPECT_EQ(Count_Log((std::string("Die Eingabedatei ") + c.name
                             + " | kann nicht gelesen werden: | " + c.reason
                             + " | Es gelten die Vorgaben.")
                                .c_str()),
                  1);
        EXPECT_EQ(s->b, defaults->b);
        EXPECT_STREQ(Get_Active_NAD_Name(), "Deutschland");
    }
}

TEST_F(InputFile, AFailedSaveIsReportedAndKeepsTheOldFile)
{
    Rec a;
    ASSERT_EQ(Write_Splice_Input_File("keep.inp", a.p), 1);
    std::string before = Slurp("keep.inp");
    /* The temporary file cannot be created: its name is taken by a folder. */
    const std::string temp = Rt_Safe_Temp_Name_Of("keep.inp");
    mkdir(temp.c_str(), 0755);
    a->b = 99.0;
    EXPECT_EQ(Write_Splice_Input_File("keep.inp", a.p), 0);
    EXPECT_EQ(Count_Log("MESSAGE"), 1);
    /* the box names the folder in the way, not the file that stays */
    EXPECT_EQ(Count_Log(("Die Datei " + temp
                         + " | kann nicht gespeichert werden. | Der Name bezeichnet einen Ordner.")
                            .c_str()),
              1);
    EXPECT_EQ(Slurp("keep.inp"), before);
    rmdir(temp.c_str());
    /* the file itself a folder: the rename fails, and the box names the file */
    ZW_Test_Clear_Log();
    ASSERT_EQ(mkdir("ordner.inp", 0755), 0);
    ASSERT_EQ(mkdir("ordner.inp/drin", 0755), 0); /* a folder with something in it */
    EXPECT_EQ(Write_Splice_Input_File("ordner.inp", a.p), 0);
    EXPECT_EQ(Count_Log("Die Datei ordner.inp | kann nicht gespeichert werden. | "
                        "Der Name bezeichnet einen Ordner. Die alte Datei bleibt erhalten."),
              1);
    EXPECT_NE(access("ordner.inp.tmp", F_OK), 0);
    rmdir("ordner.inp/drin");
    rmdir("ordner.inp");
    /* A folder that does not exist. */
    ZW_Test_Clear_Log();
    EXPECT_EQ(Write_Splice_Input_File("no_folder/x_01.inp", a.p), 0);
    EXPECT_EQ(Count_Log("MESSAGE"), 1);
    /* Afterwards the save works again and leaves no temporary file. */
    EXPECT_EQ(Write_Splice_Input_File("keep.inp", a.p), 1);
    struct stat st;
    EXPECT_NE(stat(temp.c_str(), &st), 0);
    Rec b;
    ASSERT_EQ(Read_Splice_Input_File("keep.inp", b.p, 0), 1);
    EXPECT_EQ(b->b, 99.0);
}

/* A save never writes through a link under the input file's name: a link to another file, or a
** second name of one, is replaced by a file of its own, and a box says so and where the file
** behind it is, which keeps its bytes. */
TEST_F(InputFile, ASaveInPlaceOfALinkSaysSoAndLeavesItsTarget)
{
    char cwd[1024];
    ASSERT_NE(getcwd(cwd, sizeof cwd), nullptr);
    const std::string here = cwd;
    Rec a;
    ASSERT_EQ(Write_Splice_Input_File("ziel.inp", a.p), 1);
    const std::string target = Slurp("ziel.inp");
    const struct {
        bool hard;
        const char *box, *name;
    } links[] = {
        {false, "war eine Verkn\xC3\xBCpfung auf ", "link_01.inp"},
        {true, "war ein zweiter Name der Datei ", "link_02.inp"},
    };
    for (const auto &l : links) {
        SCOPED_TRACE(l.box);
        ASSERT_EQ(l.hard ? link("ziel.inp", l.name) : symlink("ziel.inp", l.name), 0);
        /* read through the link: nothing changed since, nothing asked */
        Rec read;
        ASSERT_EQ(Read_Splice_Input_File(l.name, read.p, 0), 1);
        ZW_Test_Clear_Log();
        a->b = 99.0;
        ASSERT_EQ(Write_Splice_Input_File(l.name, a.p), 1);
        EXPECT_EQ(Count_Log("QUESTION"), 0);
        struct stat st;
        ASSERT_EQ(lstat(l.name, &st), 0);
        EXPECT_TRUE(S_ISREG(st.st_mode));
        EXPECT_EQ(st.st_nlink, 1u);
        EXPECT_EQ(Slurp("ziel.inp"), target);
        EXPECT_EQ(Count_Log(("MESSAGE [Speichern] Die Eingabedatei " + here + "/" + l.name + " | "
                             + l.box + here
                             + "/ziel.inp. | Gespeichert wurde in eine eigene Datei an ihrer "
                               "Stelle; | die Datei "
                             + here + "/ziel.inp bleibt unver\xC3\xA4ndert.")
                                .c_str()),
                  1);
        /* the next save replaces its own file without a word */
        ZW_Test_Clear_Log();
        ASSERT_EQ(Write_Splice_Input_File(l.name, a.p), 1);
        EXPECT_EQ(Count_Log("MESSAGE"), 0);
    }
    /* a link that points elsewhere since it was read is asked about, named as the link it is */
    ASSERT_EQ(symlink("ziel.inp", "link_03.inp"), 0);
    Rec read;
    ASSERT_EQ(Read_Splice_Input_File("link_03.inp", read.p, 0), 1);
    ASSERT_EQ(unlink("link_03.inp") || symlink("link_01.inp", "link_03.inp"), 0);
    ZW_Test_Reset();
    ZW_Test_Set_Script("answer cancel\n");
    EXPECT_EQ(Write_Splice_Input_File("link_03.inp", a.p), 0);
    EXPECT_EQ(Count_Log(("QUESTION [Speichern] Die Eingabedatei " + here
                         + "/link_03.inp | (eine Verkn\xC3\xBCpfung auf " + here
                         + "/link_01.inp) | wurde seit dem Lesen")
                            .c_str()),
              1);
}

/* The bytes another writer puts under Other_Path while a save runs (before its rename). */
static std::string Other_Path, Other_Bytes;
static void Write_Other_Now(const char *)
{
    Rt_Set_Install_Hook(nullptr);
    Spit("anderes.inp", Other_Bytes);
    rename("anderes.inp", Other_Path.c_str());
}

/* Another writer of the input file since this window read it: another window's save (a new file
** in its place), a program that writes the same number of bytes into it in place (its time alone
** differs; the file's clock counts in steps of a few milliseconds, so the test waits one), one
** that also sets the file's time back (its change time tells it), one that saves while this save
** runs, and a file write-protected for everyone (0444). The save asks first and loses no change
** without a word: cancelled, the file keeps the other's bytes; "Anderer Name" saves this window's
** values under the next free file number, with its title file, in a hint that says how to open
** it, and passes on to the next number where another window takes that one at the same moment;
** "Überschreiben" replaces it. */
TEST_F(InputFile, ASaveAsksBeforeItOverwritesAnotherWritersChange)
{
    enum { WINDOW, IN_PLACE, OLD_TIME, DURING, READ_ONLY, RACE };
    const struct {
        int how;
        const char *answer, *asked, *other;
    } rows[] = {
        {WINDOW, "cancel", "wurde seit dem Lesen von einem anderen Programm oder Fenster", ""},
        {IN_PLACE, "cancel", "wurde seit dem Lesen von einem anderen Programm oder Fenster", ""},
        {OLD_TIME, "cancel", "wurde seit dem Lesen von einem anderen Programm oder Fenster", ""},
        {DURING, "no", "wurde w\xC3\xA4hrend des Speicherns von einem anderen Programm oder",
         "stoss_02"},
        {READ_ONLY, "cancel",
         "ist schreibgesch\xC3\xBCtzt. \xC3\x9C"
         "berschreiben ersetzt sie",
         ""},
        {RACE, "no", "wurde seit dem Lesen von einem anderen Programm oder Fenster", "stoss_03"},
    };
    char cwd[1024];
    ASSERT_NE(getcwd(cwd, sizeof cwd), nullptr);
    for (const auto &row : rows) {
        SCOPED_TRACE(row.how);
        for (const char *f :
             {"stoss_01.inp", "stoss_02.inp", "stoss_03.inp", "stoss_02.txt", "stoss_03.txt"})
            unlink(f);
        Other_Path = "stoss_01.inp";
        Rec a, seen;
        a->b = 10.0;
        a->h = 20.0;
        ASSERT_EQ(Write_Splice_Input_File("stoss_01.inp", a.p), 1);
        const std::string mine = Slurp("stoss_01.inp");
        ASSERT_EQ(Read_Splice_Input_File("stoss_01.inp", seen.p, 0), 1);
        Other_Bytes = mine;
        if (row.how != READ_ONLY) Other_Bytes.replace(Other_Bytes.find(" 10 20 "), 7, " 10 33 ");
        if (row.how == WINDOW || row.how == RACE) Write_Other_Now(nullptr);
        if (row.how == IN_PLACE || row.how == OLD_TIME) {
            struct stat st;
            ASSERT_EQ(stat("stoss_01.inp", &st), 0);
            usleep(20000);
            FILE *f = fopen("stoss_01.inp", "r+b");
            ASSERT_NE(f, nullptr);
            fwrite(Other_Bytes.data(), 1, Other_Bytes.size(), f);
            fclose(f);
            const struct timespec times[2] = {st.st_atim, st.st_mtim};
            if (row.how == OLD_TIME) {
                ASSERT_EQ(utimensat(AT_FDCWD, "stoss_01.inp", times, 0), 0);
            }
        }
        if (row.how == DURING) Rt_Set_Install_Hook(Write_Other_Now);
        if (row.how == READ_ONLY) chmod("stoss_01.inp", 0444);
        if (row.how == RACE) { /* a second window saves stoss_02.inp while this one does */
            Other_Path = "stoss_02.inp";
            Rt_Set_Install_Hook(Write_Other_Now);
        }
        ZW_Test_Reset();
        /* the answer, the box that says where it saved, the answer to the next save */
        ZW_Test_Set_Script(std::string("answer ") + row.answer
                           + (row.answer[0] == 'n' ? "\nkey Enter\n" : "\n") + "answer yes\n");
        const int saved = Write_Splice_Input_File("stoss_01.inp", a.p);
        Rt_Set_Install_Hook(nullptr);
        bool asked = false;
        for (const std::string &l : ZW_Test_Log_Lines())
            asked |= l.rfind("QUESTION [Speichern] Die Eingabedatei ", 0) == 0
                     && l.find(row.asked) != std::string::npos;
        EXPECT_TRUE(asked);
        EXPECT_EQ(saved, row.answer[0] == 'n' ? 2 : 0);
        EXPECT_EQ(Slurp("stoss_01.inp"), Other_Bytes);
        if (row.how == RACE) { EXPECT_EQ(Slurp("stoss_02.inp"), Other_Bytes); }
        if (row.other[0]) {
            const std::string other = row.other;
            EXPECT_EQ(Slurp((other + ".inp").c_str()), mine);
            EXPECT_EQ(Slurp((other + ".txt").c_str()), "stoss\n");
            EXPECT_EQ(Count_Log(("MESSAGE [Speichern] Die Eingaben wurden unter " + std::string(cwd)
                                 + "/" + other
                                 + ".inp gespeichert; | die Datei stoss_01.inp bleibt "
                                   "unver\xC3\xA4ndert. | Zum Bearbeiten im Bauteil stoss die "
                                   "Datei Nr. "
                                 + other.substr(7)
                                 + " \xC3\xB6"
                                   "ffnen.")
                                    .c_str()),
                      1);
        } else {
            EXPECT_NE(access("stoss_02.inp", F_OK), 0);
        }
        /* asked again, and overwritten */
        EXPECT_EQ(Write_Splice_Input_File("stoss_01.inp", a.p), 1);
        EXPECT_EQ(Slurp("stoss_01.inp"), mine);
    }
}

TEST_F(InputFile, StoredAssyHeaderOfAnotherFormLooksTheRowUpAgain)
{
    Rec r;
    Spit("assy.inp", "SPLICE 200\nCATALOGUES 1 1 1 1 1 1 1 -7 1 1 1 1 1 1 1 1\nEND\n");
    ASSERT_EQ(Read_Splice_Input_File("assy.inp", r.p, 0), 1);
    EXPECT_EQ(Stored_Catalogue_Headers[0], 1);
    EXPECT_EQ(Stored_Catalogue_Headers[CAT_HEADER_ASSY_S], -7);
    /* Not an ASSY-plus fastener: nothing to adjust. */
    r->vbm_type = 29;
    EXPECT_EQ(Adjust_Old_Input_Values(r.p), 0);
    EXPECT_EQ(r->vbm_type, 29);
}

TEST_F(InputFile, AnAssyRowIsLookedUpByItsDiameterWhenTheCatalogueChangedItsForm)
{
    std::string priv = std::string(SPLICE_SOURCE_DIR) + "/environment/exec/splice";
    setenv("SPLICE_PRIVATE_DATA", priv.c_str(), 1);
    Load_Start_Up_Catalogues();
    int32_t loaded[CAT_HEADER_COUNT];
    Get_Loaded_Catalogue_Headers(loaded);
    ASSERT_EQ(loaded[CAT_HEADER_ASSY_S], 2); /* the file holds lengths and effective lengths */
    Rec r;
    r->vbm_type = 15;
    r->vbm_row = 0;
    r->d = 10.0; /* the third row of the catalogue */
    Stored_Catalogue_Headers[CAT_HEADER_ASSY_S] = 2;
    EXPECT_EQ(Adjust_Old_Input_Values(r.p), 0); /* same form: the stored row stands */
    EXPECT_EQ(r->vbm_row, 0);
    Stored_Catalogue_Headers[CAT_HEADER_ASSY_S] = 1;
    EXPECT_EQ(Adjust_Old_Input_Values(r.p), 1);
    EXPECT_EQ(r->vbm_row, 2);
    r->d = 7.0; /* no such diameter: nothing changes */
    r->vbm_row = 1;
    EXPECT_EQ(Adjust_Old_Input_Values(r.p), 0);
    EXPECT_EQ(r->vbm_row, 1);
    unsetenv("SPLICE_PRIVATE_DATA");
}

/* Mutated files (changed bytes, cut lines, repeated lines) never crash the reader, and what it
** takes stays inside the limits of every field. */
TEST_F(InputFile, MutatedFilesKeepEveryFieldInsideItsLimits)
{
    Rec a;
    Fill(a.p);
    ASSERT_EQ(Write_Splice_Input_File("base.inp", a.p), 1);
    const std::string base = Slurp("base.inp");
    uint32_t seed = 12345u;
    auto next = [&seed]() {
        seed = seed * 1103515245u + 12345u;
        return (seed >> 8) & 0xFFFFFFu;
    };
    for (int round = 0; round < 300; round++) {
        std::string t = base;
        int kind = round % 3;
        if (kind == 0) {
            for (int k = 0; k < 8; k++) t[next() % t.size()] = (char)(next() & 0xFF);
        } else if (kind == 1) {
            t.resize(next() % t.size());
        } else {
            size_t from = next() % t.size(), len = next() % 200;
            t.insert(next() % t.size(), t.substr(from, len));
        }
        FILE *f = tmpfile();
        ASSERT_NE(f, nullptr);
        fwrite(t.data(), 1, t.size(), f);
        rewind(f);
        Rec r;
        Inp_Read_Report rep;
        Read_Splice_Input_Stream(f, r.p, &rep);
        fclose(f);
        EXPECT_GE(r->connection_kind, 0);
        EXPECT_LE(r->connection_kind, 3);
        EXPECT_GE(r->service_class, 1);
        EXPECT_LE(r->service_class, 3);
        EXPECT_GE(r->vbm_type, VBM_TYPE_FIRST);
        EXPECT_LE(r->vbm_type, VBM_TYPE_LAST);
        EXPECT_GE(r->calc_method, 0);
        EXPECT_LE(r->calc_method, 2);
        for (int g = 0; g < LKOM_GROUPS; g++)
            for (int e = 0; e < LKOM_ENTRIES; e++) {
                const Lkom_Entry *en = &r->lkom.groups[g].entries[e];
                if (!en->used) continue;
                EXPECT_LE(strlen(en->comment), (size_t)LKOM_COMMENT_MAX);
                for (int k = 0; k < LKOM_ACTION_SLOTS; k++) {
                    EXPECT_GE(en->actions[k], -1);
                    EXPECT_LT(en->actions[k], CHAR_ACTION_COUNT);
                }
            }
        for (int i = 0; i < CHAR_ACTION_COUNT; i++)
            EXPECT_LE(strlen(r->Char_Actions[i].remark), 32u);
        if (rep.damaged == 0 && rep.complete) { EXPECT_EQ(rep.first_bad_line, 0); }
    }
}

/* ---------------------------------------------------------------- numbers and the annex line */

/* The combination line of group 0, entry e with M_d, kled and the first action given as words. */
static std::string Entry_Line(int e, const std::string &M_d, const std::string &kled = "-1",
                              const std::string &action = "-1")
{
    return "ENTRY 0 " + std::to_string(e) + " 1 0 " + M_d + " 2 3 0 0 0 0 " + kled + " " + action
           + " -1 -1 -1 -1 -1 0 0 0 0 0 0 0 0 0 0 0 0\n";
}

/* Every word is read as strtod and strtoll read it, whichever way the reader takes: words of
** digits alone, decimal numbers, and what only the C library reads (a plus sign). A word the C
** library does not read whole is refused, and so are hexadecimal (the program writes decimal
** numbers only) and a value beyond a double's range (1e-400 is not 0). */
TEST_F(InputFile, NumbersAreReadAsTheCLibraryReadsThem)
{
    std::vector<std::string> words = {"0",
                                      "-0",
                                      "7",
                                      "-12",
                                      "000123",
                                      "999999999",
                                      "1000000001",
                                      "123456789012345",
                                      "1234567890123456",
                                      "0.1",
                                      "-2.5e-3",
                                      "10.382870965732065",
                                      "1.1000000000000001",
                                      ".5",
                                      "5.",
                                      "1e5",
                                      "1E+5",
                                      "+5",
                                      "0x10",
                                      "-0x1p-2",
                                      "1e-400",
                                      "1e400",
                                      "inf",
                                      "nan",
                                      "12abc",
                                      "1e",
                                      "-",
                                      "+",
                                      "0.000000000000000000001",
                                      "2.2250738585072011e-308",
                                      "4.9406564584124654e-324",
                                      "9007199254740993",
                                      "0.30000000000000004441"};
    /* decimal words of random digits, points and exponents */
    uint32_t seed = 77u;
    auto next = [&seed]() {
        seed = seed * 1103515245u + 12345u;
        return (seed >> 8) & 0xFFFFu;
    };
    for (int k = 0; k < 400; k++) {
        std::string w = next() % 3 == 0 ? "-" : "";
        const int digits = 1 + (int)(next() % 22);
        const int point = (int)(next() % (digits + 2));
        for (int i = 0; i < digits; i++) {
            if (i == point) w += '.';
            w += (char)('0' + next() % 10);
        }
        if (next() % 4 == 0) w += "e" + std::to_string((int)(next() % 40) - 20);
        words.push_back(w);
    }
    for (const std::string &w : words) {
        Rec r;
        Spit("number.inp", "SPLICE 200\n" + Entry_Line(5, w) + "END\n");
        Read_Splice_Input_File("number.inp", r.p, 0);
        char *end = nullptr;
        errno = 0;
        const double x = strtod(w.c_str(), &end);
        const bool taken = *end == '\0' && std::isfinite(x) && std::fabs(x) <= 1e9
                           && w.find('x') == std::string::npos && !(errno == ERANGE && x == 0.0);
        const Lkom_Entry *en = &r->lkom.groups[0].entries[5];
        ASSERT_EQ(en->used, taken ? 1 : 0) << w;
        if (taken) {
            EXPECT_EQ(memcmp(&en->M_d, &x, sizeof x), 0) << w; /* bit for bit, -0 included */
            EXPECT_EQ(en->V_d, 3.0);
        }
    }
    /* whole numbers: strtoll's reading, the field's limits */
    const struct {
        const char *kled, *action;
        int taken, kled_value, action_value;
    } ints[] = {
        // clang-format off
        {"3", "5", 1, 3, 5},    {"+3", "005", 1, 3, 5}, {"-1", "-0", 1, -1, 0},
        {"8", "0", 0, 0, 0},    {"3", "6", 0, 0, 0},    {"3.0", "1", 0, 0, 0},
        {"0x3", "1", 0, 0, 0},  {"99999999999999999999", "1", 0, 0, 0}, {"-2", "1", 0, 0, 0},
        // clang-format on
    };
    for (const auto &c : ints) {
        Rec r;
        Spit("whole.inp", "SPLICE 200\n" + Entry_Line(2, "1", c.kled, c.action) + "END\n");
        Read_Splice_Input_File("whole.inp", r.p, 0);
        const Lkom_Entry *en = &r->lkom.groups[0].entries[2];
        ASSERT_EQ(en->used, c.taken) << c.kled << " " << c.action;
        if (c.taken) {
            EXPECT_EQ(en->kled, c.kled_value);
            EXPECT_EQ(en->actions[0], c.action_value);
        }
    }
}

/* The kinds of the words of each record as docs/input-file.md gives them, after the key and its
** numbers: 'i' a whole number (an integer or a count), 'd' a real number, 't' a text. */
static std::string Record_Kinds(const std::string &key)
{
    const std::string d7(7, 'd'), d8(8, 'd'), d10(10, 'd'), d12(12, 'd');
    if (key == "SYSTEM") return "iiiiiiiiidddddii";
    if (key == "PLATES") return "iddiid";
    if (key == "FASTENER") return "ii" + d10 + "iiii" + d12;
    if (key == "OPTIONS") return std::string(22, 'i');
    if (key == "SPACINGS") return "ddddiiiidi" + d8;
    if (key == "GAMMAS") return "dddddd";
    if (key == "LAYOUT") return "iiiii"; /* the type, columns, rows, arrangement, grouping */
    if (key == "SIZE") return "ii" + std::string(5, 'd'); /* the type, row, d .. d_k */
    if (key == "CATALOGUES") return std::string(16, 'i');
    if (key == "COMBINATIONS") return "ii";
    if (key == "IMPOSED") return "i";
    if (key == "GROUP") return "iiiiid"; /* the group's number first */
    if (key == "ENTRY") return "iiii" + d7 + "iiiiiii" + d12 + "t";
    if (key == "ACTION") return "iiidddiddddt";
    if (key == "PRINT") return "iii" + std::string(6, 'd');
    if (key == "REMARKS") return "it";
    return "";
}

/* A whole number with a fraction is damage on its line, in every record: a count too (7.9
** columns were designed as 7 without a word). The line's record keeps its values. */
TEST_F(InputFile, EveryWholeNumberWithAFractionIsDamageOnItsLine)
{
    Rec a;
    Fill(a.p);
    char *buf = nullptr;
    size_t size = 0;
    FILE *out = open_memstream(&buf, &size);
    ASSERT_EQ(Write_Splice_Input_Stream(out, a.p), 1);
    fclose(out);
    const std::string text(buf, size);
    free(buf);
    std::vector<std::string> lines;
    for (size_t at = 0, nl; (nl = text.find('\n', at)) != std::string::npos; at = nl + 1)
        lines.push_back(text.substr(at, nl - at));
    int mutated = 0, counts = 0;
    for (size_t l = 1; l < lines.size(); l++) {
        std::vector<std::string> w;
        std::istringstream in(lines[l]);
        for (std::string x; in >> x;) w.push_back(x);
        const std::string kinds = Record_Kinds(w[0]);
        if (w[0] == "END") continue;
        ASSERT_FALSE(kinds.empty()) << lines[l];
        ASSERT_GE(kinds.size() + 1, w.size()) << lines[l];
        for (size_t k = 1; k < w.size(); k++) {
            if (kinds[k - 1] != 'i') continue;
            std::string line = w[0];
            for (size_t j = 1; j < w.size(); j++) line += " " + w[j] + (j == k ? ".5" : "");
            std::vector<std::string> copy = lines;
            copy[l] = line;
            std::string damaged;
            for (const std::string &c : copy) damaged += c + "\n";
            FILE *f = fmemopen(&damaged[0], damaged.size(), "rb");
            Rec r;
            Inp_Read_Report rep;
            EXPECT_EQ(Read_Splice_Input_Stream(f, r.p, &rep), 0) << line;
            fclose(f);
            EXPECT_EQ(rep.damaged, 1) << line;
            EXPECT_EQ(rep.first_bad_line, (int)l + 1) << line;
            mutated++;
            if (w[0] == "LAYOUT" && (k == 2 || k == 3)) {
                /* the record keeps the defaults of the new splice */
                const int slot = VBM_TYPE_SLOT(atoi(w[1].c_str()));
                Rec defaults;
                EXPECT_EQ(r->n_col[slot], defaults->n_col[slot]) << line;
                EXPECT_EQ(r->n_row[slot], defaults->n_row[slot]) << line;
                EXPECT_STREQ(rep.reason, "eine Anzahl ist keine ganze Zahl");
                counts++;
            }
        }
    }
    EXPECT_GT(mutated, 400);
    EXPECT_EQ(counts, 2 * (VBM_TYPE_LAST - VBM_TYPE_FIRST + 1));

    /* what the engineer sees; a whole count written otherwise is taken */
    const struct {
        const char *layout, *plates;
        const char *box; /* the damaged line of the box, null for none */
        double n_col, n_row, plate_count;
    } cases[] = {
        {"LAYOUT 0 7.9 5 0 0", "PLATES 2 0.8 18 5 0 0",
         "(Zeile 2: eine Anzahl ist keine ganze Zahl).", 4.0, 3.0, 2.0},
        {"LAYOUT 0 8 4.5 0 0", "PLATES 2 0.8 18 5 0 0",
         "(Zeile 2: eine Anzahl ist keine ganze Zahl).", 4.0, 3.0, 2.0},
        {"LAYOUT 0 8 5 0 0", "PLATES 2.5 0.8 18 5 0 0",
         "(Zeile 3: eine Anzahl ist keine ganze Zahl).", 8.0, 5.0, 2.0},
        {"LAYOUT 0 8.0 5e0 0 0", "PLATES 3 0.8 18 5 0 0", nullptr, 8.0, 5.0, 3.0},
        /* digits beyond a double's precision: the word reads as 9, 6 and 3, the text is not whole */
        {"LAYOUT 0 8.9999999999999999999 5 0 0", "PLATES 2 0.8 18 5 0 0",
         "(Zeile 2: eine Anzahl ist keine ganze Zahl).", 4.0, 3.0, 2.0},
        {"LAYOUT 0 8 5.9999999999999999999 0 0", "PLATES 2 0.8 18 5 0 0",
         "(Zeile 2: eine Anzahl ist keine ganze Zahl).", 4.0, 3.0, 2.0},
        {"LAYOUT 0 8 5 0 0", "PLATES 2.9999999999999999999 0.8 18 5 0 0",
         "(Zeile 3: eine Anzahl ist keine ganze Zahl).", 8.0, 5.0, 2.0},
        {"LAYOUT 0 8 5 0 0", "PLATES 3.0000000000000000001 0.8 18 5 0 0",
         "(Zeile 3: eine Anzahl ist keine ganze Zahl).", 8.0, 5.0, 2.0},
        /* hexadecimal is no number of this file; a plus sign is harmless */
        {"LAYOUT 0 0x8 5 0 0", "PLATES 3 0.8 18 5 0 0",
         "(Zeile 2: ein Wert ist keine Zahl oder liegt au\xC3\x9F"
         "erhalb seiner Grenzen).",
         4.0, 3.0, 3.0},
        {"LAYOUT 0 +8 5.000 0 0", "PLATES +3 0.8 18 5 0 0", nullptr, 8.0, 5.0, 3.0},
    };
    for (const auto &c : cases) {
        ZW_Test_Clear_Log();
        Spit("count_01.inp", std::string("SPLICE 201\n") + c.layout + "\n" + c.plates + "\nEND\n");
        Rec r;
        ASSERT_EQ(Read_Splice_Input_File("count_01.inp", r.p, 0), 1);
        EXPECT_EQ(Count_Log("MESSAGE"), c.box ? 1 : 0) << c.layout;
        if (c.box) { EXPECT_EQ(Count_Log(c.box), 1) << c.layout; }
        EXPECT_EQ(r->n_col[VBM_TYPE_SLOT(0)], c.n_col) << c.layout;
        EXPECT_EQ(r->n_row[VBM_TYPE_SLOT(0)], c.n_row) << c.layout;
        EXPECT_EQ(r->plate_count, c.plate_count) << c.layout;
    }
}

/* The annex section is the line after the first line that begins with "ACTIV_NADNAME", wherever
** it stands: behind the end record (as written), before it (the records stop there), or after
** a line that only begins so; a stream read by the records stands just after the last line read. */
TEST_F(InputFile, TheAnnexLineIsTheFirstLineThatBeginsWithItsKeyword)
{
    const std::string standard = "\xAE"
                                 "EC-Standardparameter\xAF\n",
                      germany = "\xAE"
                                "Deutschland\xAF\n";
    struct Case {
        std::string text;
        const char *annex;
        double t_p;
        const char *hint; /* the box of a file that names no annex, else null */
    };
    const Case cases[] = {
        // clang-format off
        {"SPLICE 200\nPLATES 3 0.8 18 5 0 0\nEND\n\n\nACTIV_NADNAME\n" + standard, "EC-Standardparameter", 0.8},
        /* the file ends after END: the design takes "Deutschland", which the file did not name */
        {"SPLICE 200\nPLATES 3 0.8 18 5 0 0\nEND\n", "Deutschland", 0.8,
         "MESSAGE [Hinweis] Die Eingabedatei annex_01.inp nennt kein Anwendungsdokument | (hinter "
         "END fehlt der Abschnitt ACTIV_NADNAME). | Bemessen wird mit \"Deutschland\"; Speichern "
         "schreibt diesen Namen in die Datei."},
        {"SPLICE 200\nACTIV_NADNAME\n" + standard + "PLATES 3 0.8 18 5 0 0\nEND\n", "EC-Standardparameter", -1.0},
        {"SPLICE 200\nPLATES 3 0.8 18 5 0 0\nEND\n\n\nACTIV_NADNAME\n" + germany, "Deutschland", 0.8},
        /* an empty name names no annex either */
        {"SPLICE 200\nPLATES 3 0.8 18 5 0 0\nEND\n\n\nACTIV_NADNAME\n\xAE\xAF\n", "Deutschland", 0.8,
         "nennt kein Anwendungsdokument | (hinter ACTIV_NADNAME steht der leere Name \xC2\xAB\xC2\xBB). | "
         "Bemessen wird mit \"Deutschland\""},
        // clang-format on
        {"SPLICE 200\nACTIV_NADNAMES\n" + standard + "PLATES 3 0.8 18 5 0 0\nEND\n\nACTIV_NADNAME\n"
             + germany,
         "EC-Standardparameter", 0.8},
        {"SPLICE 200\nPLATES 3 0.8 18 5 0 0\nEND\nACTIV_NADNAME\r\n" + standard,
         "EC-Standardparameter", 0.8},
        /* a file of which nothing is read, its keyword line doubled: the marked name behind it */
        {"Keine Eingabedatei, sondern eine Notiz, deren erste Zeile mehr als 64 Zeichen "
         "lang ist\nACTIV_NADNAME\nACTIV_NADNAME\n"
             + standard,
         "EC-Standardparameter", -1.0},
    };
    Rec defaults;
    for (const Case &c : cases) {
        Rec r;
        Spit("annex_01.inp", c.text);
        ZW_Test_Clear_Log();
        ASSERT_EQ(Read_Splice_Input_File("annex_01.inp", r.p, 1), 1);
        EXPECT_STREQ(Get_Active_NAD_Name(), c.annex) << c.text;
        EXPECT_EQ(Count_Log("nennt kein"), c.hint ? 1 : 0) << c.text;
        if (c.hint) { EXPECT_EQ(Count_Log(c.hint), 1) << c.text; }
        EXPECT_EQ(r->t_p, c.t_p < 0.0 ? defaults->t_p : c.t_p) << c.text;
    }
    /* the stream after the records: the line after the end record, in a file of many blocks */
    std::string text = "SPLICE 200\n";
    for (int e = 0; e < 900; e++) text += Entry_Line(e, std::to_string(e) + ".25");
    text += "END\nnext line\n";
    Spit("long.inp", text);
    FILE *f = fopen("long.inp", "rb");
    ASSERT_NE(f, nullptr);
    Rec r;
    Inp_Read_Report rep;
    EXPECT_EQ(Read_Splice_Input_Stream(f, r.p, &rep), 1);
    char line[32] = "";
    ASSERT_NE(fgets(line, sizeof line, f), nullptr);
    fclose(f);
    EXPECT_STREQ(line, "next line\n");
    EXPECT_EQ(rep.records, 900);
    EXPECT_EQ(r->lkom.groups[0].entries[899].M_d, 899.25);
}

/* A damaged annex section is reported in the box of the damaged lines, with its line; a name
** that can be read is kept (the keyword changed or gone, a mark lost on a whole line), and a name
** that is lost (the file ends behind the keyword or inside the name, a name no annex can carry)
** is never replaced by "Deutschland" in a save until the user chooses. */
TEST_F(InputFile, ADamagedAnnexSectionIsReportedAndItsNameKept)
{
    /* «Österreich» as a user annex below DRAM (code page 850: Ö 0x99) */
    const std::string austria = "\xAE\x99sterreich\xAF";
    mkdir("dram", 0755);
    mkdir("dram/NADS", 0755);
    /* whole: the sections of the German annex file, under its own name */
    std::string annex =
        Slurp((std::string(SPLICE_SOURCE_DIR) + "/environment/data/NAD/Deutschland.NAD").c_str());
    annex.replace(annex.find(" 18 \xAE"
                             "Deutschland\xAF"),
                  17, " 20 " + austria);
    Spit("dram/NADS/1.NAD", annex);
    char cwd[4096];
    ASSERT_NE(getcwd(cwd, sizeof cwd), nullptr);
    setenv("DRAM", (std::string(cwd) + "/dram").c_str(), 1);
    Clear_NAD_State();
    const std::string head = "SPLICE 201\nPLATES 3 0.8 18 5 0 0\nEND\n\n\n"; /* lines 1..5 */
    struct Case {
        std::string tail;
        const char *annex; /* active after the read */
        const char *box;   /* the damaged line of the box, null for none */
        const char *more;  /* what the box says of the annex */
        const char *saved; /* the section a save writes behind the keyword's line */
    };
    const Case cases[] = {
        {"ACTIV_NADNAME\n" + austria + "\n", "\xC3\x96sterreich", nullptr, nullptr,
         "\xAE\x99sterreich\xAF\n"},
        /* one byte of the keyword changed: the name of the next line is kept */
        {"ACTIV_NADNAMF\n" + austria + "\n", "\xC3\x96sterreich",
         "(Zeile 6: das Kennwort ACTIV_NADNAME ist besch\xC3\xA4"
         "digt).",
         "Es gilt das Anwendungsdokument \"\xC3\x96sterreich\" aus Zeile 7.",
         "\xAE\x99sterreich\xAF\n"},
        {"ACTIV_NXDNAME\r\n\r\n" + austria + "\r\n", "\xC3\x96sterreich",
         "(Zeile 6: das Kennwort ACTIV_NADNAME ist besch\xC3\xA4"
         "digt).",
         "aus Zeile 8.", "\xAE\x99sterreich\xAF\n"},
        /* the keyword's line gone */
        {austria + "\n", "\xC3\x96sterreich", "(Zeile 6: das Kennwort ACTIV_NADNAME fehlt).",
         "aus Zeile 6.", "\xAE\x99sterreich\xAF\n"},
        /* the file ends behind the keyword: the name is lost, and so stays in a save */
        {"ACTIV_NADNAME\n", "Deutschland", "(Zeile 7: der Name des Anwendungsdokuments fehlt).",
         "Bemessen wird mit \"Deutschland\"; gespeichert wird ohne Namen,", ""},
        {"ACTIV_NADNAME", "Deutschland", "(Zeile 7: der Name des Anwendungsdokuments fehlt).",
         "bis ein Anwendungsdokument gew\xC3\xA4hlt ist", ""},
        {"ACTIV_NADNAMF\n\n", "Deutschland",
         "(Zeile 6: das Kennwort ACTIV_NADNAME ist besch\xC3\xA4"
         "digt).",
         "(Men\xC3\xBC \"nationaler Anhang zum EC\").", ""},
        /* the file cut inside the keyword's line, or inside the name: the name is lost */
        {"A", "Deutschland",
         "(Zeile 6: das Kennwort ACTIV_NADNAME ist besch\xC3\xA4"
         "digt).",
         "Bemessen wird mit \"Deutschland\"; gespeichert wird ohne Namen,", ""},
        {"ACTIV_NAD", "Deutschland",
         "(Zeile 6: das Kennwort ACTIV_NADNAME ist besch\xC3\xA4"
         "digt).",
         "Bemessen wird mit \"Deutschland\"; gespeichert wird ohne Namen,", ""},
        {"ACTIV_NADNAME\n\xAE", "Deutschland",
         "(Zeile 7: der Name des Anwendungsdokuments ist abgeschnitten).",
         "Bemessen wird mit \"Deutschland\"; gespeichert wird ohne Namen,", ""},
        {"ACTIV_NADNAME\n\xAE\x99sterr", "Deutschland",
         "(Zeile 7: der Name des Anwendungsdokuments ist abgeschnitten).",
         "Bemessen wird mit \"Deutschland\"; gespeichert wird ohne Namen,", ""},
        /* a name that cannot be an annex's: a control byte in it, longer than 99 characters */
        {"ACTIV_NADNAME\n\xAE\x99ster" + std::string(1, '\0') + "reich\xAF\n", "Deutschland",
         "(Zeile 7: der Name des Anwendungsdokuments enth\xC3\xA4lt ein Steuerzeichen).",
         "Bemessen wird mit \"Deutschland\"; gespeichert wird ohne Namen,", ""},
        {"ACTIV_NADNAME\n\xAE" + std::string(5000, 'x') + "\xAF\n", "Deutschland",
         "(Zeile 7: der Name des Anwendungsdokuments ist l\xC3\xA4nger als 99 Zeichen).",
         "Bemessen wird mit \"Deutschland\"; gespeichert wird ohne Namen,", ""},
        /* a mark lost on a whole line, the name without marks or on the keyword's line: kept */
        {"ACTIV_NADNAME\n\xAE\x99sterreich\n", "\xC3\x96sterreich",
         "(Zeile 7: hinter dem Namen fehlt \xC2\xBB).",
         "Es gilt das Anwendungsdokument \"\xC3\x96sterreich\" aus Zeile 7.",
         "\xAE\x99sterreich\xAF\n"},
        {"ACTIV_NADNAME\n\xC2\xAB\xC3\x96sterreich \r\n", "\xC3\x96sterreich",
         "(Zeile 7: hinter dem Namen fehlt \xC2\xBB).", "aus Zeile 7.", "\xAE\x99sterreich\xAF\n"},
        {"ACTIV_NADNAME\n\x99sterreich\xAF", "\xC3\x96sterreich",
         "(Zeile 7: vor dem Namen fehlt \xC2\xAB).", "aus Zeile 7.", "\xAE\x99sterreich\xAF\n"},
        {"ACTIV_NADNAME\n\x99sterreich\n", "\xC3\x96sterreich",
         "(Zeile 7: der Name steht nicht zwischen \xC2\xAB und \xC2\xBB).", "aus Zeile 7.",
         "\xAE\x99sterreich\xAF\n"},
        {"ACTIV_NADNAME " + austria, "\xC3\x96sterreich",
         "(Zeile 6: der Name steht in der Zeile des Kennworts).", "aus Zeile 6.",
         "\xAE\x99sterreich\xAF\n"},
        /* the keyword doubled: the marked name behind it is kept, not the keyword's line */
        {"ACTIV_NADNAME\nACTIV_NADNAME\n" + austria + "\n", "\xC3\x96sterreich",
         "(Zeile 7: das Kennwort ACTIV_NADNAME steht zweimal).",
         "Es gilt das Anwendungsdokument \"\xC3\x96sterreich\" aus Zeile 8.",
         "\xAE\x99sterreich\xAF\n"},
        {"ACTIV_NADNAME\r\n\r\nACTIV_NADNAME\r\n" + austria + "\r\n", "\xC3\x96sterreich",
         "(Zeile 8: das Kennwort ACTIV_NADNAME steht zweimal).", "aus Zeile 9.",
         "\xAE\x99sterreich\xAF\n"},
        /* more behind the name: told, the first name kept; blank lines and comments may stand */
        {"ACTIV_NADNAME\n" + austria + "xyz\n", "\xC3\x96sterreich",
         "(Zeile 7: hinter dem Namen steht noch etwas).", "aus Zeile 7.",
         "\xAE\x99sterreich\xAF\n"},
        {"ACTIV_NADNAME\n" + austria + "\xAE" + "Deutschland\xAF\n", "\xC3\x96sterreich",
         "(Zeile 7: hinter dem Namen steht noch etwas).", "aus Zeile 7.",
         "\xAE\x99sterreich\xAF\n"},
        {"ACTIV_NADNAME\n" + austria + "\nGARBAGE\n", "\xC3\x96sterreich",
         "(Zeile 8: unbekannte Zeile hinter END).", "aus Zeile 7.", "\xAE\x99sterreich\xAF\n"},
        {"ACTIV_NADNAME\n" + austria + "\n\n\nACTIV_NADNAME\n\xAE" + "Deutschland\xAF\n",
         "\xC3\x96sterreich", "(Zeile 10: unbekannte Zeile hinter END).", "aus Zeile 7.",
         "\xAE\x99sterreich\xAF\n"},
        {"ACTIV_NADNAME\n" + austria + "\n\n# Kommentar\n", "\xC3\x96sterreich", nullptr, nullptr,
         "\xAE\x99sterreich\xAF\n"},
        /* a line that is no part of the section; no section: "Deutschland" stands */
        {"etwas anderes\n", "Deutschland", "(Zeile 6: unbekannte Zeile hinter END).", nullptr,
         "\xAE"
         "Deutschland\xAF\n"},
        {"# Kommentar\n", "Deutschland", nullptr,
         "MESSAGE [Hinweis] Die Eingabedatei annex_01.inp nennt kein Anwendungsdokument",
         "\xAE"
         "Deutschland\xAF\n"},
    };
    for (const Case &c : cases) {
        ZW_Test_Clear_Log();
        Spit("annex_01.inp", head + c.tail);
        Rec r;
        ASSERT_EQ(Read_Splice_Input_File("annex_01.inp", r.p, 1), 1);
        EXPECT_EQ(Cp850_To_Utf8(Get_Active_NAD_Name()), c.annex) << c.tail;
        EXPECT_EQ(Count_Log("MESSAGE"), c.box || c.more ? 1 : 0) << c.tail;
        if (c.box) {
            EXPECT_EQ(Count_Log("Die Eingabedatei annex_01.inp ist besch\xC3\xA4"
                                "digt"),
                      1);
            EXPECT_EQ(Count_Log(c.box), 1) << c.tail;
            /* only a damaged record leaves values at their defaults */
            EXPECT_EQ(Count_Log("Vorgaben"), 0) << c.tail;
        }
        if (c.more) { EXPECT_EQ(Count_Log(c.more), 1) << c.tail; }
        EXPECT_EQ(r->plate_count, 3.0);
        ASSERT_EQ(Write_Splice_Input_File("saved_01.inp", r.p), 1);
        const std::string saved = Slurp("saved_01.inp");
        const size_t at = saved.rfind("\nACTIV_NADNAME\n");
        ASSERT_NE(at, std::string::npos);
        EXPECT_EQ(saved.substr(at + 15), c.saved) << c.tail;
    }
    /* the file cut before or inside its end record: the section behind it is lost with it, so
    ** the name is lost and never saved as "Deutschland" */
    const struct {
        const char *text, *box;
    } cuts[] = {
        {"SPLICE 201\nPLATES 3 0.8 18 5 0 0\n", "(Zeile 3: die Datei ist unvollst\xC3\xA4ndig)."},
        {"SPLICE 201\nPLATES 3 0.8 18 5 0 0\nEN", "(Zeile 3: unbekannter Datensatz)."},
        {"SPLICE 201\nPLATES 3 0.8 18 5 0 0\nE\n", "(Zeile 3: unbekannter Datensatz)."},
    };
    for (const auto &c : cuts) {
        SCOPED_TRACE(c.text);
        ZW_Test_Clear_Log();
        Spit("annex_01.inp", c.text);
        Rec r;
        ASSERT_EQ(Read_Splice_Input_File("annex_01.inp", r.p, 1), 1);
        EXPECT_STREQ(Get_Active_NAD_Name(), "Deutschland");
        EXPECT_EQ(Count_Log("MESSAGE"), 1);
        EXPECT_EQ(Count_Log((std::string(c.box)
                             + " | F\xC3\xBCr nicht lesbare Angaben gelten die Vorgaben. | Mit "
                               "dem Ende der Datei fehlt auch der Name des Anwendungsdokuments. "
                               "| Bemessen wird mit \"Deutschland\"; gespeichert wird ohne "
                               "Namen, | bis ein Anwendungsdokument gew\xC3\xA4hlt ist")
                                .c_str()),
                  1);
        EXPECT_EQ(r->plate_count, 3.0);
        ASSERT_EQ(Write_Splice_Input_File("saved_01.inp", r.p), 1);
        const std::string saved = Slurp("saved_01.inp");
        ASSERT_GE(saved.size(), 15u);
        EXPECT_EQ(saved.substr(saved.size() - 15), "\nACTIV_NADNAME\n");
    }
    /* the lost name is said again at the next opening; a choice of the user is then saved */
    Spit("annex_01.inp", head + "ACTIV_NADNAME\n");
    Rec lost, again;
    ASSERT_EQ(Read_Splice_Input_File("annex_01.inp", lost.p, 1), 1);
    ASSERT_EQ(Write_Splice_Input_File("lost_01.inp", lost.p), 1);
    ZW_Test_Clear_Log();
    ASSERT_EQ(Read_Splice_Input_File("lost_01.inp", again.p, 1), 1);
    EXPECT_EQ(Count_Log("der Name des Anwendungsdokuments fehlt"), 1);
    EXPECT_STREQ(Nad_Kept_Name(), "");
    Nad_Forget_Kept_Name(); /* what the selection sheet's OK does */
    ASSERT_EQ(Write_Splice_Input_File("lost_01.inp", again.p), 1);
    EXPECT_NE(Slurp("lost_01.inp")
                  .find("ACTIV_NADNAME\n\xAE"
                        "Deutschland\xAF\n"),
              std::string::npos);
    /* a damaged record and a damaged section: the first line, and what the section keeps */
    ZW_Test_Clear_Log();
    Spit("annex_01.inp", "SPLICE 201\nPLATES 3 x 18 5 0 0\nEND\nACTIV_NADMAME\n" + austria + "\n");
    Rec both;
    ASSERT_EQ(Read_Splice_Input_File("annex_01.inp", both.p, 1), 1);
    EXPECT_EQ(
        Count_Log("(Zeile 2: ein Wert ist keine Zahl oder liegt au\xC3\x9F"
                  "erhalb seiner "
                  "Grenzen). | F\xC3\xBCr nicht lesbare Angaben gelten die Vorgaben. | Es gilt "
                  "das Anwendungsdokument \"\xC3\x96sterreich\" aus Zeile 5."),
        1);
    EXPECT_EQ(Cp850_To_Utf8(Get_Active_NAD_Name()), "\xC3\x96sterreich");
    unsetenv("DRAM");
    Clear_NAD_State();
}
