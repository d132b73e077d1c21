/*
** Tests of reading the component's input file: a round trip of every input field, texts of
** other code pages, records in any order, missing records, damaged and truncated files.
*/
#include "input_file_test_util.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "foundation/codepage.h"
#include "nad/nad.h"
#include "splice/splice_app.h"

namespace {

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
    /* A combination's line without a comment, read over one that had a comment, has none. */
    Spit("again.inp", "SPLICE 200\nENTRY 1 4 1 0 2.5 -30 4 0 0 0 0 -1 -1 -1 -1 -1 -1 -1 0 0 0 0 0 "
                      "0 0 0 0 0 0 0\nEND\n");
    ASSERT_EQ(Read_Splice_Input_File("again.inp", r.p, 0), 1);
    EXPECT_STREQ(e->comment, "");
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
    std::string nul("SPLICE 201\n"
                    "ENTRY 0 0 1 0 2 4\0"
                    "5 3 0 0 0 0 -1 -1 -1 -1 -1 -1 -1 0 0 0 0 0 0 0 0 0 0 0 0 Schnee\n"
                    "REMARKS 1 Vor\0bemerkung\n"
                    "END\n",
                    121);
    /* an escape byte far into a long line (the 77th of its 80 bytes, in a comment) */
    nul.insert(nul.find("REMARKS"),
               "ENTRY 0 1 1 0 2 4 3 0 0 0 0 -1 -1 -1 -1 -1 -1 -1 0 0 0 0 0 0 0 0 "
               "0 0 0 0 Sch\x1B"
               "nee\n");
    Spit("nul_01.inp", nul);
    Rec n;
    ASSERT_EQ(Read_Splice_Input_File("nul_01.inp", n.p, 0), 1);
    EXPECT_EQ(n->lkom.groups[0].entries[0].used, 0);
    EXPECT_EQ(n->lkom.groups[0].entries[1].used, 0);
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
