/*
** The component's input file "%s_%02d.inp": one text record per field group of the splice input,
** in any order, read against the defaults and written atomically (temporary file, then rename).
** The format is described in docs/input-file.md; the annex section at the end belongs to nad/.
*/
#include "splice/splice_app.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

#include "catalogue/catalogue.h"
#include "foundation/foundation.h"
#include "nad/nad.h"
#include "platform/runtime.h"
#include "platform/zelkwin.h"

int32_t Stored_Catalogue_Headers[CAT_HEADER_COUNT] = {-1, -1, -1, -1, -1, -1, -1, -1,
                                                       -1, -1, -1, -1, -1, -1, -1, -1};

/* ---------------------------------------------------------------- field descriptions */

enum { F_INT = 0, F_DBL = 1, F_BITS = 2 };

typedef struct Fld {
    int kind;
    void *p;
    double lo, hi;   /* accepted range */
} Fld;

static const double BIG = 1.0e9;

static void I(std::vector<Fld> &v, int32_t *p, double lo = -2147483648.0, double hi = 2147483647.0)
{
    v.push_back({F_INT, p, lo, hi});
}
static void D(std::vector<Fld> &v, double *p, double lo = -BIG, double hi = BIG)
{
    v.push_back({F_DBL, p, lo, hi});
}
static void U(std::vector<Fld> &v, uint32_t *p) { v.push_back({F_BITS, p, 0.0, 4294967295.0}); }
static void Flag(std::vector<Fld> &v, int32_t *p) { I(v, p, 0, 1); }

static void System_Fields(Splice_Input_Record *s, std::vector<Fld> &v)
{
    I(v, &s->connection_kind, 0, 3);
    I(v, &s->splice_kind, 0, 2);
    I(v, &s->service_class, 1, 3);
    I(v, &s->mat_mid, -1, 99);
    I(v, &s->grade_mid, -1, 999);
    I(v, &s->mat_side, -1, 99);
    I(v, &s->grade_side, -1, 999);
    Flag(v, &s->edgewise_mid);
    Flag(v, &s->edgewise_side);
    D(v, &s->b, 0, 1000);
    D(v, &s->h, 0, 1000);
    D(v, &s->t_s, 0, 1000);
    D(v, &s->h_s, 0, 1000);
    D(v, &s->L, 0, 10000);
    Flag(v, &s->t_s_user);
    Flag(v, &s->L_user);
}

static void Plate_Fields(Splice_Input_Record *s, std::vector<Fld> &v)
{
    D(v, &s->plate_count, 0, 20);
    D(v, &s->t_p, 0, 100);
    D(v, &s->h_p, 0, 1000);
    I(v, &s->plate_steel);
    Flag(v, &s->strength_override_on);
    D(v, &s->strength_override, 0, 100000);
}

static void Fastener_Fields(Splice_Input_Record *s, std::vector<Fld> &v)
{
    I(v, &s->vbm_type, VBM_TYPE_FIRST, VBM_TYPE_LAST);
    I(v, &s->vbm_row, -1, 999);
    D(v, &s->fu_k);
    D(v, &s->d);
    D(v, &s->d_2);
    D(v, &s->l);
    D(v, &s->staple_angle);
    D(v, &s->staple_angle_copy);
    D(v, &s->d_bolt);
    D(v, &s->washer_d);
    D(v, &s->d_k);
    D(v, &s->l_ef);
    I(v, &s->connector_index);
    I(v, &s->bolt_index);
    I(v, &s->vbm_steel);
    I(v, &s->bolt_steel);
    for (int i = 0; i < 12; i++) D(v, &s->vbm_values[i]);
}

static void Option_Fields(Splice_Input_Record *s, std::vector<Fld> &v)
{
    int32_t *flags[] = {&s->predrilled, &s->two_sided, &s->fitted_bolt, &s->failure_mode_switch,
                        &s->stainless, &s->threaded_rod, &s->douglas, &s->offset_1d, &s->washer,
                        &s->resin_coated, &s->green_timber, &s->species_sfp,
                        &s->capacity_increase, &s->panel_edges, &s->eurocode_wording,
                        &s->predrill_core, &s->steel_hole, &s->washer_kind, &s->split_rule};
    for (int32_t *f : flags) I(v, f);
    I(v, &s->calc_method, 0, 2);
    Flag(v, &s->block_shear);
    I(v, &s->shear_planes, 0, 100);
}

static void Spacing_Fields(Splice_Input_Record *s, std::vector<Fld> &v)
{
    D(v, &s->a1); D(v, &s->a2); D(v, &s->a3); D(v, &s->a4);
    Flag(v, &s->a1_user); Flag(v, &s->a2_user); Flag(v, &s->a3_user); Flag(v, &s->a4_user);
    D(v, &s->e1); Flag(v, &s->e1_user); D(v, &s->e1_copy); D(v, &s->e2);
    D(v, &s->p1); D(v, &s->p2); D(v, &s->e_rand_ec); D(v, &s->e_rand_din);
    D(v, &s->e_x); D(v, &s->k_xr);
}

static void Gamma_Fields(Splice_Input_Record *s, std::vector<Fld> &v)
{
    D(v, &s->gamma_m_side); D(v, &s->gamma_m_mid); D(v, &s->gamma_m0);
    D(v, &s->gamma_m2); D(v, &s->gamma_s); D(v, &s->gamma_m_t90);
}

static void Layout_Fields(Splice_Input_Record *s, int slot, std::vector<Fld> &v)
{
    D(v, &s->n_col[slot], 0, 10000);
    D(v, &s->n_row[slot], 0, 10000);
    I(v, &s->layout[slot], 0, 1);
    Flag(v, &s->grouped[slot]);
}

static void Lkom_Flag_Fields(Splice_Input_Record *s, std::vector<Fld> &v)
{
    Flag(v, &s->lkom_generated);
    Flag(v, &s->snow_above_1000);
}

static void Group_Fields(Lkom_Group *g, std::vector<Fld> &v)
{
    Flag(v, &g->used);
    I(v, &g->kled, 0, 7);
    I(v, &g->source);
    I(v, &g->kmod_source);
    D(v, &g->kmod, 0, 10);
}

static void Entry_Fields(Lkom_Entry *e, std::vector<Fld> &v)
{
    Flag(v, &e->used);
    Flag(v, &e->accidental);
    D(v, &e->M_d); D(v, &e->N_d); D(v, &e->V_d);
    D(v, &e->max_Fy); D(v, &e->sum_My_pos); D(v, &e->max_col_Fy); D(v, &e->M_distr);
    I(v, &e->kled, -1, 7);
    for (int k = 0; k < LKOM_ACTION_SLOTS; k++) I(v, &e->actions[k], -1, CHAR_ACTION_COUNT - 1);
    for (int k = 0; k < LKOM_ACTION_SLOTS; k++) {
        D(v, &e->factors[k][0]);
        D(v, &e->factors[k][1]);
    }
}

static void Action_Fields(Char_Action_Rec *a, std::vector<Fld> &v)
{
    Flag(v, &a->used);
    I(v, &a->kled, 0, 4);
    D(v, &a->M_k); D(v, &a->N_k); D(v, &a->V_k);
    I(v, &a->category);
    D(v, &a->psi_dom); D(v, &a->psi_sub); D(v, &a->gamma_sup); D(v, &a->gamma_inf);
}

static void Print_Fields(Splice_Input_Record *s, std::vector<Fld> &v)
{
    I(v, &s->print.fasteners, 0, 1);
    I(v, &s->print.combinations, 0, 1);
    U(v, &s->print.sections);
    D(v, &s->print.view_w, 0, 1000); D(v, &s->print.view_h, 0, 1000);
    D(v, &s->print.long_w, 0, 1000); D(v, &s->print.long_h, 0, 1000);
    D(v, &s->print.cross_w, 0, 1000); D(v, &s->print.cross_h, 0, 1000);
}

/* ---------------------------------------------------------------- texts */

void Inp_Encode_Text(const char *text, char *out)
{
    static const char hex[] = "0123456789ABCDEF";
    size_t o = 0;
    for (const unsigned char *p = (const unsigned char *)(text ? text : ""); *p; p++) {
        unsigned c = *p;
        if (c == ' ') {
            out[o++] = '~';
        } else if (c < 0x21 || c == '~' || c == '%' || c == 0x7F) {
            out[o++] = '%';
            out[o++] = hex[c >> 4];
            out[o++] = hex[c & 15];
        } else {
            out[o++] = (char)c;
        }
    }
    out[o] = '\0';
}

static int Hex_Digit(int c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

int Inp_Decode_Text(const char *word, char *out, int size)
{
    if (!word || !out || size < 1) return 0;
    int o = 0;
    for (const char *p = word; *p; p++) {
        int c = (unsigned char)*p;
        if (c == '~') {
            c = ' ';
        } else if (c == '%') {
            int h = Hex_Digit(p[1]);
            int l = h < 0 ? -1 : Hex_Digit(p[2]);
            if (l < 0 || (h == 0 && l == 0)) { out[0] = '\0'; return 0; }
            c = h * 16 + l;
            p += 2;
        }
        if (o >= size - 1) { out[o] = '\0'; return 0; }
        out[o++] = (char)c;
    }
    out[o] = '\0';
    return 1;
}

/* ---------------------------------------------------------------- writing */

static int Put_Fields(FILE *f, const std::vector<Fld> &v)
{
    int ok = 1;
    for (const Fld &fd : v) {
        if (fd.kind == F_INT) {
            ok &= fprintf(f, " %d", (int)*(const int32_t *)fd.p) > 0;
        } else if (fd.kind == F_BITS) {
            ok &= fprintf(f, " %u", (unsigned)*(const uint32_t *)fd.p) > 0;
        } else {
            double x = *(const double *)fd.p;
            if (!std::isfinite(x)) x = 0.0;
            ok &= fprintf(f, " %.17g", x) > 0;
        }
    }
    return ok;
}

static int Put_Record(FILE *f, const char *key, const std::vector<Fld> &v)
{
    int ok = fputs(key, f) >= 0;
    ok &= Put_Fields(f, v);
    ok &= fputc('\n', f) != EOF;
    return ok;
}

static int Put_Text_Tail(FILE *f, const char *text)
{
    std::string buf(3 * strlen(text ? text : "") + 1, '\0');
    Inp_Encode_Text(text, &buf[0]);
    return fprintf(f, " %s", buf.c_str()) >= 0;
}

int Write_Splice_Input_Stream(FILE *f, const Splice_Input_Record *si)
{
    if (!f || !si) return 0;
    Splice_Input_Record *s = const_cast<Splice_Input_Record *>(si); /* fields are only read */
    std::vector<Fld> v;
    int ok = fprintf(f, "SPLICE %d\n", SPLICE_INPUT_VERSION) > 0;

    v.clear(); System_Fields(s, v); ok &= Put_Record(f, "SYSTEM", v);
    v.clear(); Plate_Fields(s, v); ok &= Put_Record(f, "PLATES", v);
    v.clear(); Fastener_Fields(s, v); ok &= Put_Record(f, "FASTENER", v);
    v.clear(); Option_Fields(s, v); ok &= Put_Record(f, "OPTIONS", v);
    v.clear(); Spacing_Fields(s, v); ok &= Put_Record(f, "SPACINGS", v);
    v.clear(); Gamma_Fields(s, v); ok &= Put_Record(f, "GAMMAS", v);
    for (int t = VBM_TYPE_FIRST; t <= VBM_TYPE_LAST; t++) {
        v.clear();
        Layout_Fields(s, VBM_TYPE_SLOT(t), v);
        ok &= fprintf(f, "LAYOUT %d", t) > 0;
        ok &= Put_Fields(f, v);
        ok &= fputc('\n', f) != EOF;
    }
    int32_t loaded[CAT_HEADER_COUNT];
    Get_Loaded_Catalogue_Headers(loaded);
    ok &= fputs("CATALOGUES", f) >= 0;
    for (int i = 0; i < CAT_HEADER_COUNT; i++) ok &= fprintf(f, " %d", (int)loaded[i]) > 0;
    ok &= fputc('\n', f) != EOF;

    v.clear(); Lkom_Flag_Fields(s, v); ok &= Put_Record(f, "COMBINATIONS", v);
    for (int g = 0; g < LKOM_GROUPS; g++) {
        Lkom_Group *grp = &s->lkom.groups[g];
        v.clear(); Group_Fields(grp, v);
        ok &= fprintf(f, "GROUP %d", g) > 0;
        ok &= Put_Fields(f, v);
        ok &= fputc('\n', f) != EOF;
        for (int e = 0; e < LKOM_ENTRIES; e++) {
            Lkom_Entry *en = &grp->entries[e];
            if (!en->used) continue;
            v.clear(); Entry_Fields(en, v);
            ok &= fprintf(f, "ENTRY %d %d", g, e) > 0;
            ok &= Put_Fields(f, v);
            ok &= Put_Text_Tail(f, en->comment);
            ok &= fputc('\n', f) != EOF;
        }
    }
    for (int i = 0; i < CHAR_ACTION_COUNT; i++) {
        v.clear(); Action_Fields(&s->Char_Actions[i], v);
        ok &= fprintf(f, "ACTION %d", i) > 0;
        ok &= Put_Fields(f, v);
        ok &= Put_Text_Tail(f, s->Char_Actions[i].remark);
        ok &= fputc('\n', f) != EOF;
    }
    v.clear(); Print_Fields(s, v); ok &= Put_Record(f, "PRINT", v);
    if (s->Vorbemerkungen_Text) {
        ok &= fputs("REMARKS 1", f) >= 0;
        ok &= Put_Text_Tail(f, s->Vorbemerkungen_Text);
        ok &= fputc('\n', f) != EOF;
    } else {
        ok &= fputs("REMARKS 0\n", f) >= 0;
    }
    ok &= fputs("END\n", f) >= 0;
    ok &= !ferror(f);
    return ok ? 1 : 0;
}

static void Show_File_Message(const char *title, const char *l1, const char *l2, const char *l3)
{
    Init_Message();
    Set_Message_Symbol(3, 0, 0, 0);
    Set_Message_Title(title);
    if (l1) Fill_Message(l1);
    if (l2) Fill_Message(l2);
    if (l3) Fill_Message(l3);
    Draw_Message();
}

int Write_Splice_Input_File(const char *path, const Splice_Input_Record *si)
{
    if (!path || !si) return 0;
    char line1[SPLICE_PATH_MAX + 64];
    snprintf(line1, sizeof line1, "Die Datei %s", path);
    /* written beside the old file, synced and renamed over it: a failed save, a kill or a
    ** power loss leaves the old file or the new one */
    Rt_Safe_File *sf = Rt_Safe_Open(path);
    if (!sf) {
        Show_File_Message("Fehler", line1, "kann nicht gespeichert werden.", Rt_Error_Text(errno));
        return 0;
    }
    FILE *f = Rt_Safe_Stream(sf);
    int ok = Write_Splice_Input_Stream(f, si);
    if (ok) Write_Active_NAD_Name(f);
    if (ok) ok = Rt_Safe_Commit(sf);
    const int err = ok ? 0 : Rt_Safe_Error(sf);
    Rt_Safe_Close(sf);
    if (!ok) {
        char why[200];
        snprintf(why, sizeof why, "%s Die alte Datei bleibt erhalten.", Rt_Error_Text(err ? err : EIO));
        Show_File_Message("Fehler", line1, "kann nicht gespeichert werden.", why);
        return 0;
    }
    return 1;
}

/* ---------------------------------------------------------------- reading */

static const size_t LINE_MAX_BYTES = 1 << 20;

/* One line without its end; 0 at the end of the file. *too_long when it was cut. The file is
** read by this thread alone: its bytes are taken without locking the stream for each one. */
static int Get_Line(FILE *f, std::string &line, int *too_long)
{
    line.clear();
    *too_long = 0;
    int c;
    int any = 0;
    while ((c = getc_unlocked(f)) != EOF) {
        any = 1;
        if (c == '\n') break;
        if (line.size() < LINE_MAX_BYTES) line.push_back((char)c);
        else *too_long = 1;
    }
    if (!any) return 0;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return 1;
}

static void Split(const std::string &line, std::vector<std::string> &w)
{
    w.clear();
    size_t i = 0, n = line.size();
    while (i < n) {
        while (i < n && (line[i] == ' ' || line[i] == '\t')) i++;
        if (i >= n) break;
        size_t j = i;
        while (j < n && line[j] != ' ' && line[j] != '\t') j++;
        w.push_back(line.substr(i, j - i));
        i = j;
    }
}

static int Parse_Int(const std::string &s, double lo, double hi, int64_t *out)
{
    if (s.empty()) return 0;
    char *end = nullptr;
    errno = 0;
    long long x = strtoll(s.c_str(), &end, 10);
    if (errno || *end != '\0' || end == s.c_str()) return 0;
    if ((double)x < lo || (double)x > hi) return 0;
    *out = x;
    return 1;
}

static int Parse_Double(const std::string &s, double lo, double hi, double *out)
{
    if (s.empty()) return 0;
    char *end = nullptr;
    errno = 0;
    double x = strtod(s.c_str(), &end);
    if (*end != '\0' || end == s.c_str() || !std::isfinite(x)) return 0;
    if (x < lo || x > hi) return 0;
    *out = x;
    return 1;
}

/* Parse words[first..] into the fields (all or nothing); 1 when every field was taken. */
static int Take_Fields(const std::vector<std::string> &w, size_t first, const std::vector<Fld> &v,
                       const char **why)
{
    if (w.size() < first + v.size()) { *why = "zu wenige Werte"; return 0; }
    std::vector<double> dv(v.size());
    std::vector<int64_t> iv(v.size());
    for (size_t k = 0; k < v.size(); k++) {
        const Fld &fd = v[k];
        int ok = fd.kind == F_DBL ? Parse_Double(w[first + k], fd.lo, fd.hi, &dv[k])
                                  : Parse_Int(w[first + k], fd.lo, fd.hi, &iv[k]);
        if (!ok) { *why = "ein Wert ist keine Zahl oder liegt außerhalb seiner Grenzen"; return 0; }
    }
    for (size_t k = 0; k < v.size(); k++) {
        const Fld &fd = v[k];
        if (fd.kind == F_DBL) *(double *)fd.p = dv[k];
        else if (fd.kind == F_BITS) *(uint32_t *)fd.p = (uint32_t)iv[k];
        else *(int32_t *)fd.p = (int32_t)iv[k];
    }
    return 1;
}

/* A record whose fields stand in a scratch copy first (texts at the end). */
template <typename T, typename Fn>
static int Take_Into(const std::vector<std::string> &w, size_t first, T *target, Fn fields,
                     const char **why)
{
    T scratch = *target;
    std::vector<Fld> v;
    fields(&scratch, v);
    if (!Take_Fields(w, first, v, why)) return 0;
    *target = scratch;
    return 1;
}

static int Take_Text(const std::vector<std::string> &w, size_t index, char *out, int size,
                     const char **why)
{
    if (w.size() <= index) { out[0] = '\0'; return 1; }   /* empty text */
    if (w.size() > index + 1) { *why = "zu viele Werte"; return 0; }
    std::vector<char> buf(w[index].size() + 1);
    if (!Inp_Decode_Text(w[index].c_str(), buf.data(), (int)buf.size())) {
        *why = "ein Text ist nicht lesbar";
        return 0;
    }
    snprintf(out, size, "%s", buf.data());
    return 1;
}

static int Take_Record(const std::vector<std::string> &w, Splice_Input_Record *si,
                       Inp_Read_Report *r, const char **why)
{
    const std::string &key = w[0];
    std::vector<Fld> v;
    int64_t a = 0, b = 0;

    if (key == "SYSTEM") { System_Fields(si, v); }
    else if (key == "PLATES") { Plate_Fields(si, v); }
    else if (key == "FASTENER") { Fastener_Fields(si, v); }
    else if (key == "OPTIONS") { Option_Fields(si, v); }
    else if (key == "SPACINGS") { Spacing_Fields(si, v); }
    else if (key == "GAMMAS") { Gamma_Fields(si, v); }
    else if (key == "COMBINATIONS") { Lkom_Flag_Fields(si, v); }
    else if (key == "PRINT") { Print_Fields(si, v); }
    else if (key == "LAYOUT") {
        if (w.size() < 2 || !Parse_Int(w[1], VBM_TYPE_FIRST, VBM_TYPE_LAST, &a)) {
            *why = "unbekannter Verbindungsmitteltyp";
            return 0;
        }
        Layout_Fields(si, VBM_TYPE_SLOT((int)a), v);
        if (w.size() != 2 + v.size()) { *why = "falsche Anzahl Werte"; return 0; }
        return Take_Fields(w, 2, v, why);
    } else if (key == "CATALOGUES") {
        int32_t h[CAT_HEADER_COUNT];
        if (w.size() != 1 + CAT_HEADER_COUNT) { *why = "falsche Anzahl Werte"; return 0; }
        for (int i = 0; i < CAT_HEADER_COUNT; i++) {
            if (!Parse_Int(w[1 + i], -2147483648.0, 2147483647.0, &a)) { *why = "keine Zahl"; return 0; }
            h[i] = (int32_t)a;
        }
        memcpy(Stored_Catalogue_Headers, h, sizeof h);
        return 1;
    } else if (key == "GROUP") {
        if (w.size() < 2 || !Parse_Int(w[1], 0, LKOM_GROUPS - 1, &a)) { *why = "falsche Gruppe"; return 0; }
        Lkom_Group *g = &si->lkom.groups[a];
        Group_Fields(g, v);
        if (w.size() != 2 + v.size()) { *why = "falsche Anzahl Werte"; return 0; }
        return Take_Fields(w, 2, v, why);
    } else if (key == "ENTRY") {
        if (w.size() < 3 || !Parse_Int(w[1], 0, LKOM_GROUPS - 1, &a)
            || !Parse_Int(w[2], 0, LKOM_ENTRIES - 1, &b)) {
            *why = "falsche Gruppe oder Nummer";
            return 0;
        }
        Lkom_Entry *e = &si->lkom.groups[a].entries[b];
        Lkom_Entry scratch = *e;
        Entry_Fields(&scratch, v);
        if (w.size() > 3 + v.size() + 1) { *why = "zu viele Werte"; return 0; }
        if (!Take_Fields(w, 3, v, why)) return 0;
        if (!Take_Text(w, 3 + v.size(), scratch.comment, sizeof scratch.comment, why)) return 0;
        *e = scratch;
        return 1;
    } else if (key == "ACTION") {
        if (w.size() < 2 || !Parse_Int(w[1], 0, CHAR_ACTION_COUNT - 1, &a)) { *why = "falsche Einwirkung"; return 0; }
        Char_Action_Rec scratch = si->Char_Actions[a];
        Action_Fields(&scratch, v);
        if (w.size() > 2 + v.size() + 1) { *why = "zu viele Werte"; return 0; }
        if (!Take_Fields(w, 2, v, why)) return 0;
        if (!Take_Text(w, 2 + v.size(), scratch.remark, sizeof scratch.remark, why)) return 0;
        si->Char_Actions[a] = scratch;
        return 1;
    } else if (key == "REMARKS") {
        if (w.size() < 2 || !Parse_Int(w[1], 0, 1, &a)) { *why = "falsche Kennung"; return 0; }
        if (a == 0) {
            if (w.size() != 2) { *why = "zu viele Werte"; return 0; }
            free(si->Vorbemerkungen_Text);
            si->Vorbemerkungen_Text = nullptr;
            return 1;
        }
        if (w.size() > 3) { *why = "zu viele Werte"; return 0; }
        std::string word = w.size() == 3 ? w[2] : std::string();
        char *text = (char *)malloc(word.size() + 1);
        Check_Alloc_Or_Exit(text);
        if (!Inp_Decode_Text(word.c_str(), text, (int)word.size() + 1)) {
            free(text);
            *why = "der Text ist nicht lesbar";
            return 0;
        }
        free(si->Vorbemerkungen_Text);
        si->Vorbemerkungen_Text = text;
        return 1;
    } else {
        (void)r;
        *why = "unbekannter Datensatz";
        return 0;
    }
    if (w.size() != 1 + v.size()) { *why = "falsche Anzahl Werte"; return 0; }
    /* Whole-record groups are parsed first and then assigned, so a bad value changes nothing. */
    return Take_Fields(w, 1, v, why);
}

int Read_Splice_Input_Stream(FILE *f, Splice_Input_Record *si, Inp_Read_Report *report)
{
    Inp_Read_Report local;
    Inp_Read_Report *r = report ? report : &local;
    memset(r, 0, sizeof *r);
    if (!f || !si) return 0;

    std::string line;
    std::vector<std::string> w;
    int too_long = 0, line_no = 0, seen_head = 0;
    auto bad = [&](const char *why) {
        r->damaged++;
        if (!r->first_bad_line) {
            r->first_bad_line = line_no;
            snprintf(r->reason, sizeof r->reason, "%s", why);
        }
    };
    while (Get_Line(f, line, &too_long)) {
        line_no++;
        if (too_long) { bad("Zeile zu lang"); continue; }
        Split(line, w);
        if (w.empty() || w[0][0] == '#') continue;
        if (!seen_head) {
            int64_t ver = 0;
            if (w[0] != "SPLICE" || w.size() != 2 || !Parse_Int(w[1], 1, 1e6, &ver)) {
                bad("keine Eingabedatei eines Stoßes");
                return 0;
            }
            r->version = (int32_t)ver;
            seen_head = 1;
            continue;
        }
        if (w[0] == "END") { r->complete = 1; break; }
        if (w[0] == "ACTIV_NADNAME") break;
        const char *why = "unlesbar";
        if (Take_Record(w, si, r, &why)) r->records++;
        else bad(why);
    }
    if (!seen_head && !r->first_bad_line) {
        r->first_bad_line = line_no > 0 ? line_no : 1;
        snprintf(r->reason, sizeof r->reason, "%s", "die Datei ist leer");
        r->damaged++;
    }
    if (seen_head && !r->complete && !r->first_bad_line) {
        r->first_bad_line = line_no + 1;
        snprintf(r->reason, sizeof r->reason, "%s", "die Datei ist unvollständig");
    }
    return (seen_head && r->complete && r->damaged == 0) ? 1 : 0;
}

int Read_Splice_Input_File(const char *path, Splice_Input_Record *si, int activate_nad)
{
    if (!path || !si) return 0;
    char l1[SPLICE_PATH_MAX + 64];
    snprintf(l1, sizeof l1, "Die Eingabedatei %s", path);
    struct stat st;
    if (stat(path, &st) == 0 && S_ISDIR(st.st_mode)) {
        Show_File_Message("Fehler", l1, "ist ein Ordner und keine Datei.", "Es gelten die Vorgaben.");
        return 0;
    }
    FILE *f = fopen(path, "rb");
    if (!f) {
        /* a file that is not there is a new splice; one that is there but closed is said */
        if (errno != ENOENT)
            Show_File_Message("Fehler", l1, "kann nicht gelesen werden:", Rt_Error_Text(errno));
        return 0;
    }
    Inp_Read_Report r;
    int whole = Read_Splice_Input_Stream(f, si, &r);
    if (!whole) {
        char l1[SPLICE_PATH_MAX + 64], l2[200], l3[200];
        snprintf(l1, sizeof l1, "Die Eingabedatei %s ist beschädigt"_cp850, path);
        snprintf(l2, sizeof l2, "(Zeile %d: %s).", (int)r.first_bad_line, r.reason);
        snprintf(l3, sizeof l3, "%s", "Für nicht lesbare Angaben gelten die Vorgaben."_cp850);
        /* The reasons are written in UTF-8 here; the box takes code page 850. */
        std::string reason = Utf8_To_Cp850(l2);
        Show_File_Message("Fehler", l1, reason.c_str(), l3);
    }
    if (activate_nad) Read_Active_NAD_Name(f);
    fclose(f);
    return 1;
}

/* ---------------------------------------------------------------- old files */

void Get_Loaded_Catalogue_Headers(int32_t h[CAT_HEADER_COUNT])
{
    static const Vbm_Type_Code screw_types[] = {0, 1, 2, 13, 11, 12, 14, 15, 16};
    static const Vbm_Type_Code connector_types[] = {25, 26, 27, 28, 31, 32, 33};
    int i = 0;
    for (Vbm_Type_Code t : screw_types) {
        const Vbm_Catalogue *c = Get_Vbm_Catalogue(t);
        h[i++] = c ? c->header : 0;
    }
    for (Vbm_Type_Code t : connector_types) {
        const Connector_Catalogue *c = Get_Connector_Catalogue(t);
        h[i++] = c ? c->header : 0;
    }
}

int Adjust_Old_Input_Values(Splice_Input_Record *si)
{
    if (!si) return 0;
    int32_t loaded[CAT_HEADER_COUNT];
    Get_Loaded_Catalogue_Headers(loaded);
    int32_t stored = Stored_Catalogue_Headers[CAT_HEADER_ASSY_S];
    if (stored < 0 || stored == loaded[CAT_HEADER_ASSY_S]) return 0;
    if (si->vbm_type != 14 && si->vbm_type != 15) return 0;
    const Vbm_Catalogue *c = Get_Vbm_Catalogue((Vbm_Type_Code)si->vbm_type);
    if (!c) return 0;
    int32_t row = -1;
    for (int32_t i = 0; i < c->n_rows && i < VBM_CAT_MAX_ROWS; i++)
        if (fabs(c->rows[i].d - si->d) < 0.001) { row = i; break; }
    if (row < 0 || row == si->vbm_row) return 0;
    si->vbm_row = row;
    return 1;
}
