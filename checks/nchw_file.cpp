/*
** Writers and readers of the design-check file blocks. Texts are guillemet strings (0xAE ..
** 0xAF); numbers are blank-separated. The readers check every count they allocate by.
*/
#include "checks/nchw_file.h"
#include "checks/beiwert.h"
#include "checks/genrule.h"
#include "checks/lkom_data_lines.h"
#include "checks/lkom_gen_settings.h"
#include "checks/nchw_def.h"
#include "checks/nchw_settings.h"
#include "checks/xtr_tables.h"
#include "dialogs/textblock.h"
#include "foundation/guillemet.h"
#include "platform/zelkwin.h"

#include <cstdlib>
#include <cstring>

const Nchw_Args_Rec Nchw_Args_Default = {{0, -1, -1, -1, -1, -1, -1, -1, -1, 0}};

/* Counts beyond this are a damaged file: no table of a structure holds that many rows. */
#define NCHW_MAX_COUNT 10000000

template <typename T>
static int32_t List_Length(const T *head)
{
    int32_t n = 0;
    for (; head; head = head->next) n++;
    return n;
}

/* ------------------------------------------------------------------ NACHWEISE-2003, writing */

static void Write_Object_List(FILE *f, const int32_t *list)
{
    if (!list || list[0] <= 0) {
        fputs("     0\n", f);
        return;
    }
    fprintf(f, "%6d", list[0]);
    for (int32_t i = 0; i < list[0]; i++) {
        fprintf(f, " %d", list[1 + i]);
        if ((i + 1) % 30 == 0 && i + 1 < list[0]) fputs("\n      ", f);
    }
    fputc('\n', f);
}

static void Write_Check(FILE *f, const Nchw_Rec *c)
{
    const int32_t nx = List_Length(c->xtr_head), nl = List_Length(c->lkom_head);
    const int32_t ng = List_Length(c->genrule_head);
    fprintf(f, " %d %d %d %d %d %d %d %d %d \xAE%s\xAF\n", c->number,
            c->type ? Nchw_Type_Id(c->type) : 0, c->flags, nx, nl, ng, c->selector_modes[0],
            c->selector_modes[1], c->selector_modes[2], c->name);
    for (int s = 0; s < 3; s++) Write_Object_List(f, c->selected[s]);
    const int32_t no = c->type ? c->type->option_count : 0;
    fprintf(f, "%6d", no);
    for (int32_t i = 0; i < no && i < 20; i++) fprintf(f, " %d", c->option_values[i]);
    fputc('\n', f);
    for (const Xtr_Rule_Rec *x = c->xtr_head; x; x = x->next) {
        fprintf(f, "     %d %d %d %d %d %d %d %d %d %d %d %d %d \xAE%s\xAF\n", x->number,
                x->row_count, x->mode, x->comb_rule[0], x->comb_rule[1], x->basis[0], x->basis[1],
                x->check_kind[0], x->check_kind[1], x->combination[0], x->combination[1],
                x->gamma_g_variant[0], x->gamma_g_variant[1], x->name);
        for (int32_t i = 0; x->rows && i < x->row_count; i++)
            fprintf(f, "          %d %f %f %f %f\n", x->rows[i].number, x->rows[i].psi_dom,
                    x->rows[i].psi_sub, x->rows[i].gamma_sup, x->rows[i].gamma_inf);
    }
    for (const Lkom_Rec *l = c->lkom_head; l; l = l->next) {
        fprintf(f, "     %d %d %d %d %d %d %d %d %d %d %d %d \xAE%s\xAF\n", l->number, l->row_count,
                l->comb_rule, l->default_comb_rules, l->leading_action[0], l->leading_action[1],
                l->check_kind, l->default_check_kinds, l->combination, l->default_combinations,
                l->gamma_g_variant[0], l->gamma_g_variant[1], l->name);
        for (int32_t i = 0; l->rows && i < l->row_count; i++)
            fprintf(f, "          %d %d %f %f\n", l->rows[i].number, l->rows[i].unfavourable,
                    l->rows[i].psi, l->rows[i].gamma);
    }
    for (const GenRule_Rec *g = c->genrule_head; g; g = g->next) {
        const int32_t *s = g->gen_settings;
        fprintf(f, "     %d %d %d %d %d %d %d %d %d %d %d \xAE%s\xAF\n", g->number,
                g->generated_count, g->entry_count, s[0], s[1], s[2], s[3], s[4], s[6], s[7], s[5],
                g->name);
        for (int32_t i = 0; g->entries && i < g->entry_count; i++)
            fprintf(f, "          %d %d %d %d\n", g->entries[4 * i], g->entries[4 * i + 1],
                    g->entries[4 * i + 2], g->entries[4 * i + 3]);
        Write_GenRule_Factors(f, g);
    }
    Write_Text_Block(f, c->comment);
}

void Write_Nachweise_Block(FILE *f)
{
    if (!f) return;
    Apply_NAD_EC0_Factors_To_Lkom_Tables();
    fprintf(f, "\nNACHWEISE-2003 %d\n", Count_Nachweise());
    fprintf(f, "%d\n", NCHW_BLOCK_VERSION);
    for (const Nchw_Rec *c = Nchw_List_Head; c; c = c->next) Write_Check(f, c);
    const Nchw_Global_Settings_Rec &G = Nchw_Global_Settings;
    fprintf(f, "Snow: %d\n", G.altitude_switch);
    fprintf(f, "Para: %d %d %.2f %.2f %.2f %.2f %.2f %.2f %.2f %.2f\n", G.din18800_comb_code,
            G.din1055_gamma_g, G.gamma_c_fund, G.gamma_s_fund, G.gamma_c_acc, G.gamma_s_acc,
            G.gamma_c_fatigue, G.gamma_s_fatigue, G.gamma_c_quake, G.gamma_s_quake);
    fprintf(f, "Holz: %d %d %d %d %.2f %.2f %.2f %.2f", G.service_class, G.gamma_m_standard,
            G.kmod_standard, G.timber_int4, G.gamma_m_fund, G.gamma_m_quake, G.gamma_m_acc, G.kdef);
    for (int i = 0; i < 5; i++) fprintf(f, " %.2f", G.kmod[i]);
    fputc('\n', f);
    fprintf(f, "more: %d %.0f %.0f %.0f %.0f %.0f %.0f\n", G.recommended_limits,
            G.deflection_divisors[0], G.deflection_divisors[1], G.deflection_divisors[2],
            G.deflection_divisors[3], G.deflection_divisors[4], G.deflection_divisors[5]);
    fprintf(f, "rest: %d 0\n", Auto_Xtr_Situations);
}

/* ------------------------------------------------------------------ NACHWEISE-2003, reading */

static void Unlink_Check(Nchw_Rec *c)
{
    if (c->prev) c->prev->next = c->next;
    else Nchw_List_Head = c->next;
    if (c->next) c->next->prev = c->prev;
    else Nchw_List_Tail = c->prev;
    c->prev = c->next = nullptr;
}

/* Free one check with its children (it is unlinked first). */
static void Free_One_Check(Nchw_Rec *c)
{
    Unlink_Check(c);
    while (c->xtr_head) {
        c->xtr_head->owner = c;
        Free_Xtr_Rule(c->xtr_head);
    }
    while (c->lkom_head) {
        c->lkom_head->owner = c;
        Free_Lkom(c->lkom_head);
    }
    while (c->genrule_head) {
        c->genrule_head->owner = c;
        Free_GenRule(c->genrule_head);
    }
    for (int32_t *&s : c->selected) {
        free(s);
        s = nullptr;
    }
    free(c->comment);
    if (Nchw_Current == c) Nchw_Current = nullptr;
    free(c);
}

/* A negative setting takes the type's value when the type is known. */
static void Default_From_Type(int32_t *v, const Nchw_Type_Rec *t, int n)
{
    if (*v < 0 && t) *v = Nchw_Type_Int(t, n);
}

static int Read_Name(FILE *f, char *dst, size_t size, int width)
{
    char buf[256];
    if (Read_Guillemet_String(f, buf) < 0) return 0;
    snprintf(dst, size, "%-*.*s", width, width, buf);
    return 1;
}

/* The three selection lists and the option values of a check; 0 when the reader must end. */
static int Read_Selections(FILE *f, Nchw_Rec *c)
{
    for (int s = 0; s < 3; s++) {
        int n;
        if (fscanf(f, "%d", &n) != 1) return 0;
        if (n <= 0) continue;
        if (n > NCHW_MAX_COUNT) return 0;
        int32_t *list = (int32_t *)malloc(((size_t)n + 1) * sizeof(int32_t));
        if (!list) return 0;
        list[0] = n;
        for (int i = 0; i < n; i++) {
            int v;
            if (fscanf(f, "%d", &v) != 1) {
                free(list);
                return 0;
            }
            list[1 + i] = v;
        }
        c->selected[s] = list;
    }
    int no;
    if (fscanf(f, "%d", &no) != 1) return 0;
    for (int i = 0; i < no; i++) {
        int v;
        if (fscanf(f, "%d", &v) != 1) return 0;
        if (i < 20) c->option_values[i] = v;
    }
    return 1;
}

/* The nx extremal rules of a check, missing fields taken from its type; a rule that cannot be
** read ends the rules, 0 when the reader must end. */
static int Read_Xtr_Rules(FILE *f, Nchw_Rec *c, const Nchw_Type_Rec *t, int32_t nx)
{
    for (int32_t r = 0; r < nx; r++) {
        int v[13];
        if (fscanf(f, "%d%d%d%d%d%d%d%d%d%d%d%d%d", &v[0], &v[1], &v[2], &v[3], &v[4], &v[5], &v[6],
                   &v[7], &v[8], &v[9], &v[10], &v[11], &v[12])
            != 13)
            return 1;
        char name[32];
        if (!Read_Name(f, name, sizeof name, 30)) return 1;
        Xtr_Rule_Rec *x = New_Xtr_Rule(c);
        if (!x) return 0;
        c->xtr_count++;
        snprintf(x->name, sizeof x->name, "%s", name);
        x->number = v[0];
        x->mode = v[2];
        x->auto_kind = 0;
        int32_t s[10];
        for (int i = 0; i < 10; i++) s[i] = v[3 + i];
        Default_From_Type(&s[0], t, 8);
        Default_From_Type(&s[1], t, 9);
        Default_From_Type(&s[4], t, 4);
        Default_From_Type(&s[5], t, 4);
        Default_From_Type(&s[6], t, 6);
        Default_From_Type(&s[7], t, 7);
        x->comb_rule[0] = s[0];
        x->comb_rule[1] = s[1];
        x->basis[0] = s[2];
        x->basis[1] = s[3];
        x->check_kind[0] = s[4];
        x->check_kind[1] = s[5];
        x->combination[0] = s[6];
        x->combination[1] = s[7];
        x->gamma_g_variant[0] = s[8];
        x->gamma_g_variant[1] = s[9];
        if (v[1] <= 0) continue;
        if (v[1] > NCHW_MAX_COUNT) return 0;
        x->rows = (Xtr_Row *)calloc((size_t)v[1], sizeof(Xtr_Row));
        if (!x->rows) return 0;
        x->row_count = v[1];
        for (int32_t i = 0; i < v[1]; i++) {
            Xtr_Row &w = x->rows[i];
            if (fscanf(f, "%d%lf%lf%lf%lf", &w.number, &w.psi_dom, &w.psi_sub, &w.gamma_sup,
                       &w.gamma_inf)
                != 5) {
                free(x->rows);
                x->rows = nullptr;
                x->row_count = 0;
                return 0;
            }
        }
    }
    return 1;
}

/* The nl load collectives of a check, as the extremal rules. */
static int Read_Lkoms(FILE *f, Nchw_Rec *c, const Nchw_Type_Rec *t, int32_t nl)
{
    for (int32_t r = 0; r < nl; r++) {
        int v[12];
        if (fscanf(f, "%d%d%d%d%d%d%d%d%d%d%d%d", &v[0], &v[1], &v[2], &v[3], &v[4], &v[5], &v[6],
                   &v[7], &v[8], &v[9], &v[10], &v[11])
            != 12)
            return 1;
        char name[32];
        if (!Read_Name(f, name, sizeof name, 30)) return 1;
        Lkom_Rec *l = New_Lkom(c);
        if (!l) return 0;
        c->lkom_count++;
        l->owner = c;
        snprintf(l->name, sizeof l->name, "%s", name);
        l->number = v[0];
        int32_t s[10];
        for (int i = 0; i < 10; i++) s[i] = v[2 + i];
        Default_From_Type(&s[0], t, 8);
        Default_From_Type(&s[1], t, 9);
        Default_From_Type(&s[4], t, 4);
        Default_From_Type(&s[5], t, 4);
        Default_From_Type(&s[6], t, 6);
        Default_From_Type(&s[7], t, 7);
        l->comb_rule = s[0];
        l->default_comb_rules = s[1];
        l->leading_action[0] = s[2];
        l->leading_action[1] = s[3];
        l->check_kind = s[4];
        l->default_check_kinds = s[5];
        l->combination = s[6];
        l->default_combinations = s[7];
        l->gamma_g_variant[0] = s[8];
        l->gamma_g_variant[1] = s[9];
        if (v[1] <= 0) continue;
        if (v[1] > NCHW_MAX_COUNT) return 0;
        l->rows = (Lkom_Row *)calloc((size_t)v[1], sizeof(Lkom_Row));
        if (!l->rows) return 0;
        l->row_count = v[1];
        for (int32_t i = 0; i < v[1]; i++) {
            Lkom_Row &w = l->rows[i];
            if (fscanf(f, "%d%d%lf%lf", &w.number, &w.unfavourable, &w.psi, &w.gamma) != 4) {
                free(l->rows);
                l->rows = nullptr;
                l->row_count = 0;
                return 0;
            }
            w.factor = w.psi * w.gamma;
        }
    }
    return 1;
}

/* The ng generation rules of a check (the sixth setting from version 4, the factors from
** version 3), as the extremal rules. */
static int Read_GenRules(FILE *f, Nchw_Rec *c, int version, int32_t ng)
{
    for (int32_t r = 0; r < ng; r++) {
        int v[11];
        if (fscanf(f, "%d%d%d%d%d%d%d%d%d%d", &v[0], &v[1], &v[2], &v[3], &v[4], &v[5], &v[6],
                   &v[7], &v[8], &v[9])
            != 10)
            return 1;
        v[10] = 0;
        if (version >= 4 && fscanf(f, "%d", &v[10]) != 1) return 1;
        char name[32];
        if (!Read_Name(f, name, sizeof name, 30)) return 1;
        GenRule_Rec *g = New_GenRule(c);
        if (!g) return 0;
        c->genrule_count++;
        g->owner = c;
        snprintf(g->name, sizeof g->name, "%s", name);
        g->number = v[0];
        g->generated_count = v[1];
        int32_t *s = g->gen_settings;
        s[0] = v[3];
        s[1] = v[4];
        s[2] = v[5];
        s[3] = v[6];
        s[4] = v[7];
        s[6] = v[8];
        s[7] = v[9];
        s[5] = v[10];
        if (v[2] > 0) {
            if (v[2] > NCHW_MAX_COUNT) return 0;
            g->entries = (int32_t *)calloc((size_t)v[2] * 4, sizeof(int32_t));
            if (!g->entries) return 0;
            g->entry_count = v[2];
            for (int32_t i = 0; i < v[2]; i++) {
                int32_t *e = &g->entries[4 * i];
                if (fscanf(f, "%d%d%d%d", &e[0], &e[1], &e[2], &e[3]) != 4) {
                    free(g->entries);
                    g->entries = nullptr;
                    g->entry_count = 0;
                    return 0;
                }
            }
        }
        if (version >= 3) Read_GenRule_Factors(f, g);
    }
    return 1;
}

/* Read the rest of one check after its header; 0 when the reader must end. */
static int Read_Check_Body(FILE *f, Nchw_Rec *c, int version, int32_t nx, int32_t nl, int32_t ng)
{
    const Nchw_Type_Rec *t = c->type;
    if (!Read_Selections(f, c) || !Read_Xtr_Rules(f, c, t, nx) || !Read_Lkoms(f, c, t, nl)
        || !Read_GenRules(f, c, version, ng))
        return 0;
    if (version >= 5) c->comment = Read_Text_Block(f);
    return 1;
}

static void Read_Tail(FILE *f)
{
    Nchw_Global_Settings_Rec &G = Nchw_Global_Settings;
    int v;
    if (fscanf(f, "\nSnow: %d", &v) != 1 || v < 0) v = 0;
    G.altitude_switch = v;
    int a, b;
    double d[8];
    if (fscanf(f, "\nPara: %d %d %lf %lf %lf %lf %lf %lf", &a, &b, &d[0], &d[1], &d[2], &d[3],
               &d[4], &d[5])
        == 8) {
        G.din18800_comb_code = a;
        G.din1055_gamma_g = b;
        G.gamma_c_fund = d[0];
        G.gamma_s_fund = d[1];
        G.gamma_c_acc = d[2];
        G.gamma_s_acc = d[3];
        G.gamma_c_fatigue = d[4];
        G.gamma_s_fatigue = d[5];
    }
    if (fscanf(f, "%lf%lf", &d[6], &d[7]) == 2) {
        G.gamma_c_quake = d[6];
        G.gamma_s_quake = d[7];
    } else {
        G.gamma_c_quake = 1.5;
        G.gamma_s_quake = 1.15;
    }
    int h[4];
    if (fscanf(f, "\nHolz: %d %d %d %d", &h[0], &h[1], &h[2], &h[3]) == 4) {
        G.service_class = h[0];
        G.gamma_m_standard = h[1];
        G.kmod_standard = h[2];
        G.timber_int4 = h[3];
        double g[4], k[5];
        if (fscanf(f, "%lf %lf %lf %lf", &g[0], &g[1], &g[2], &g[3]) == 4) {
            G.gamma_m_fund = g[0];
            G.gamma_m_quake = g[1];
            G.gamma_m_acc = g[2];
            G.kdef = g[3];
            if (fscanf(f, "%lf%lf%lf%lf%lf", &k[0], &k[1], &k[2], &k[3], &k[4]) == 5)
                for (int i = 0; i < 5; i++) G.kmod[i] = k[i];
        }
    }
    if (fscanf(f, "\nmore: %d", &v) == 1) {
        G.recommended_limits = v;
        double q[6];
        if (fscanf(f, "%lf%lf%lf%lf%lf%lf", &q[0], &q[1], &q[2], &q[3], &q[4], &q[5]) == 6)
            for (int i = 0; i < 6; i++) G.deflection_divisors[i] = q[i];
    }
    if (fscanf(f, "\nrest: %d", &v) == 1) {
        Auto_Xtr_Situations = v;
        int dropped;
        if (fscanf(f, "%d", &dropped) != 1) {}
    } else {
        Auto_Xtr_Situations = 0;
    }
}

void Read_Nachweise_Block(FILE *f)
{
    if (!f || !Read_Nachweis_Def()) return;
    Free_All_Nachweise();
    /* A block of 2003 without its count or version line counts as missing: the older block of
    ** 2001 is looked for then. */
    int count = 0, version = 0;
    if (!(Seek_Keyword_Prefix_Line("NACHWEISE-2003", f, &count)
          && fscanf(f, "%d", &version) == 1)) {
        count = 0;
        if (!Seek_Keyword_Prefix_Line("NACHWEISE-2001", f, &count)) return;
        version = 1;
    }
    if (version > NCHW_BLOCK_VERSION) {
        Init_Message();
        Set_Message_Title("Warnung");
        Fill_Message("Die das System beschreibende Datei wurde mit");
        Fill_Message("einer j\x81ngeren Version des Eingabemoduls erzeugt.");
        Fill_Message("Der Versuch, die Struktur der definierten");
        Fill_Message("Nachweise einzulesen, kann hierbei fehlschlagen!");
        Draw_Message();
    }
    for (int k = 0; k < count; k++) {
        int h[9] = {0};
        if (version == 1) {
            if (fscanf(f, "%d%d%d%d%d%d%d%d", &h[0], &h[1], &h[2], &h[3], &h[4], &h[6], &h[7],
                       &h[8])
                != 8)
                return;
            h[5] = 0;
        } else if (fscanf(f, "%d%d%d%d%d%d%d%d%d", &h[0], &h[1], &h[2], &h[3], &h[4], &h[5], &h[6],
                          &h[7], &h[8])
                   != 9) {
            return;
        }
        char name[52];
        if (!Read_Name(f, name, sizeof name, 50)) break;
        Nchw_Rec *c = New_Nachweis();
        if (!c) return;
        c->number = h[0];
        c->flags = h[2];
        c->selector_modes[0] = h[6];
        c->selector_modes[1] = h[7];
        c->selector_modes[2] = h[8];
        c->type = Find_Nchw_Type(h[1]);
        snprintf(c->name, sizeof c->name, "%s", name);
        c->tree_state = 2;
        for (int32_t i = 0; c->type && i < c->type->option_count && i < 20; i++)
            c->option_values[i] = c->type->options[i].dflt;
        const int ok = Read_Check_Body(f, c, version, h[3], h[4], h[5]);
        if (!c->type) Free_One_Check(c);
        if (!ok) return;
    }
    Read_Tail(f);
}

/* ------------------------------------------------------------------ #NACHWEISE */

void Write_Nchw_Option_Line(const Nchw_Rec *c, FILE *f)
{
    if (!c || !f) return;
    int32_t slot[100] = {0};
    bool radio[100] = {false};
    int highest = 0;
    for (int32_t i = 0; c->type && i < c->type->option_count && i < 20; i++) {
        const Nchw_Option_Entry &e = c->type->options[i];
        const int k = e.id;
        if (k < 1 || k > 99) continue;
        if (e.kind == 1) {
            slot[k] = c->option_values[i];
        } else if (e.kind == 2) {
            if (radio[k]) continue;
            radio[k] = true;
            slot[k] = c->option_values[i];
        } else {
            continue;
        }
        if (k > highest) highest = k;
    }
    for (int k = 1; k <= highest; k++) fprintf(f, " %d", slot[k]);
    fputs(" /\n", f);
}

static int Std_Xtr(FILE *f, const Nchw_Rec *c, const Xtr_Rule_Rec *r, int32_t flags)
{
    return Write_Xtr_Rule_Lines(f, c, r, flags);
}
static int Std_Lkom(FILE *f, const Nchw_Rec *c, const Lkom_Rec *l, int32_t flags)
{
    return Write_Lkom_Lines(f, c, l, flags);
}
static int Std_GenRule(FILE *f, const Nchw_Rec *c, const GenRule_Rec *g, int32_t flags)
{
    return Write_GenRule_Lines(f, c, g, flags);
}

const Nchw_Item_Writers Nchw_Std_Item_Writers = {Std_Xtr, Std_Lkom, Std_GenRule,
                                                 &Nchw_Args_Default};

void Write_Nchw_Solver_Block(FILE *f, int linear, int nonlinear, const Nchw_Item_Writers *w)
{
    if (!f) return;
    if (!w) w = &Nchw_Std_Item_Writers;
    Apply_NAD_EC0_Factors_To_Lkom_Tables();
    fputs("\n#NACHWEISE\n", f);
    for (const Nchw_Rec *c = Nchw_List_Head; c; c = c->next) {
        if (!(c->flags & 1)) continue;
        const Nchw_Type_Rec *t = c->type;
        const int32_t mode = Nchw_Type_Int(t, 10);
        if ((mode == 1 && !linear) || (mode == 2 && !nonlinear)) continue;
        const int32_t x = Nchw_Write_Xtr_Switch ? c->xtr_count : 0;
        const int32_t nsel = t ? (t->selector_count < 3 ? t->selector_count : 3) : 0;
        int32_t objects = 0;
        if (!(Nchw_Write_Xtr_Switch && x > 0 && nsel == 0)) {
            if (c->lkom_count == 0 && c->genrule_count == 0
                && !(Nchw_Write_Xtr_Switch && x > 0 && nsel > 0))
                continue;
            for (int s = 0; s < nsel; s++) {
                if (c->selector_modes[s] == 0)
                    objects += Nchw_Objects_Of_Type(t->selector_types[s]);
                else if (c->selector_modes[s] == 2 && c->selected[s]) objects += c->selected[s][0];
            }
        }
        fprintf(f, " %d %d %d %d %d '%s' %d /\n /\n", c->number, t ? Nchw_Type_Id(t) : 0, x,
                c->lkom_count, objects, c->name, c->genrule_count);
        Write_Nchw_Option_Line(c, f);
        if (x != 0 && w->xtr) {
            for (const Xtr_Rule_Rec *r = c->xtr_head; r; r = r->next) {
                int32_t flags = r->basis[0] == 0 ? 1 : 0;
                if (r->comb_rule[0] == 4) flags += 16;
                if (Xtr_Rule_Find_Sonderlast(r)) flags += 256;
                if (Xtr_Rule_Find_Erdbeben(r)) flags += 512;
                w->xtr(f, c, r, flags);
            }
        }
        for (const Lkom_Rec *l = c->lkom_head; l && w->lkom; l = l->next)
            w->lkom(f, c, l, (Lkom_Has_Sonderlast(l) ? 256 : 0) + (Lkom_Has_Erdbeben(l) ? 512 : 0));
        for (const GenRule_Rec *g = c->genrule_head; g && w->genrule; g = g->next)
            w->genrule(f, c, g, 0);
        for (int s = 0; s < nsel; s++) {
            const int32_t type = t->selector_types[s];
            if (c->selector_modes[s] == 2 && c->selected[s]) {
                for (int32_t i = 0; i < c->selected[s][0]; i++)
                    fprintf(f, "    %d %d /\n", c->selected[s][1 + i], type);
            } else if (c->selector_modes[s] == 0) {
                const int32_t n = Nchw_Objects_Of_Type(type);
                for (int32_t i = 0; i < n; i++)
                    fprintf(f, "    %d %d /\n", Nchw_Object_Number(type, i), type);
            }
        }
    }
    fputs(" 0 /\n", f);
}

void Write_Nchw_Solver_Block_Std(FILE *f, int linear, int nonlinear)
{
    Write_Nchw_Solver_Block(f, linear, nonlinear, nullptr);
}

/* ------------------------------------------------------------------ NACHWEISE-STATE */

int Write_Nchw_State(FILE *f, const Nchw_State_Rec *s)
{
    if (!f || !s) return 0;
    fprintf(f, "\nNACHWEISE-STATE %d\n", 0);
    fprintf(f, "%d\n", s->norm_mask);
    fprintf(f, "%d %d %d %d\n", s->limits[0], s->limits[1], s->limits[2], s->limits[3]);
    fprintf(f, "%d\n", s->module_value);
    fprintf(f, "%d %d %d %d %d\n", s->gen_flags[0], s->gen_flags[1], s->gen_flags[2],
            s->gen_flags[3], s->gen_flags[4]);
    fprintf(f, "%d\n", s->new_check_rule);
    fprintf(f, "\xAE%s\xAF\n", s->type_file);
    fprintf(f, "\xAE%s\xAF\n", s->coeff_file);
    fprintf(f, "%d\n", s->xtr_switch);
    fprintf(f, "\xAE%s\xAF\n", s->help_key);
    fprintf(f, "%d\n", s->lkom_limit);
    fprintf(f, "\xAE%s\xAF\n", s->program);
    return ferror(f) ? 0 : 1;
}

static void Copy_Guillemet(FILE *f, char *dst, size_t size)
{
    char buf[256];
    if (Read_Guillemet_String(f, buf) < 0) buf[0] = '\0';
    snprintf(dst, size, "%s", buf);
}

int Read_Nchw_State(FILE *f, Nchw_State_Rec *s)
{
    if (!f || !s) return 0;
    if (!Seek_Keyword_Prefix_Line("NACHWEISE-STATE", f, nullptr)) return 0;
    if (fscanf(f, " %d", &s->norm_mask) != 1) return 0;
    if (fscanf(f, " %d%d%d%d", &s->limits[0], &s->limits[1], &s->limits[2], &s->limits[3]) != 4)
        return 0;
    if (fscanf(f, " %d", &s->module_value) != 1) return 0;
    if (fscanf(f, " %d%d%d%d%d", &s->gen_flags[0], &s->gen_flags[1], &s->gen_flags[2],
               &s->gen_flags[3], &s->gen_flags[4])
        != 5)
        return 0;
    if (fscanf(f, " %d", &s->new_check_rule) != 1) return 0;
    Copy_Guillemet(f, s->type_file, sizeof s->type_file);
    Copy_Guillemet(f, s->coeff_file, sizeof s->coeff_file);
    if (fscanf(f, " %d", &s->xtr_switch) != 1) return 0;
    Copy_Guillemet(f, s->help_key, sizeof s->help_key);
    if (fscanf(f, " %d", &s->lkom_limit) != 1) return 0;
    Copy_Guillemet(f, s->program, sizeof s->program);
    return 1;
}

int Get_Nchw_State(Nchw_State_Rec *s)
{
    if (!s) return 0;
    memset(s, 0, sizeof *s);
    s->norm_mask = Nchw_Norm_Mask;
    for (int i = 0; i < 4; i++) s->limits[i] = Lkom_Limits[i];
    s->module_value = Nchw_Module_Value;
    for (int i = 0; i < 5; i++) s->gen_flags[i] = Lkom_Gen_Flag_Defaults[i];
    s->new_check_rule = Nchw_New_Check_GenRule ? 1 : 0;
    snprintf(s->type_file, sizeof s->type_file, "%.259s", Nachweis_Def_Name);
    snprintf(s->coeff_file, sizeof s->coeff_file, "%.259s", Nachweis_Val_Name);
    s->xtr_switch = Nchw_Write_Xtr_Switch;
    snprintf(s->help_key, sizeof s->help_key, "%.49s", Nchw_Help_Key);
    s->lkom_limit = Lkom_Count_Limit;
    snprintf(s->program, sizeof s->program, "%.49s", Lkom_Limit_Program);
    return 1;
}

int Set_Nchw_State(const Nchw_State_Rec *s)
{
    if (!s) return 0;
    Nchw_Norm_Mask = s->norm_mask;
    Set_Lkom_Limits(s->limits[3], s->limits[2], s->limits[1], s->limits[0]);
    Nchw_Module_Value = s->module_value;
    for (int i = 0; i < 5; i++) Lkom_Gen_Flag_Defaults[i] = s->gen_flags[i];
    /* a stored reference cannot bring back a rule of an earlier run: only "none" is taken */
    if (s->new_check_rule == 0) Nchw_New_Check_GenRule = nullptr;
    char name[33];
    snprintf(name, sizeof name, "%.32s", s->type_file);
    Set_Nachweis_Def_Name(name);
    snprintf(name, sizeof name, "%.32s", s->coeff_file);
    Set_Nachweis_Val_Name(name);
    Nchw_Write_Xtr_Switch = s->xtr_switch;
    Set_Nchw_Help_Key(s->help_key);
    char program[44];
    snprintf(program, sizeof program, "%.43s", s->program);
    Set_Lkom_Count_Limit(s->lkom_limit, program);
    return 1;
}

/* ------------------------------------------------------------------ NACHWEISE-ARGS */

int Write_Nchw_Args(FILE *f, const Nchw_Args_Rec *a)
{
    if (!f) return 0;
    if (!a) a = &Nchw_Args_Default;
    const int32_t *v = a->values;
    fprintf(f, "\nNACHWEISE-ARGS %d\n", 0);
    fprintf(f, "%d\n", v[0]);
    fprintf(f, "%d %d %d %d\n", v[1], v[2], v[3], v[4]);
    fprintf(f, "%d %d %d %d\n", v[5], v[6], v[7], v[8]);
    return ferror(f) ? 0 : 1;
}

Nchw_Args_Rec *Read_Nchw_Args(FILE *f)
{
    if (!f || !Seek_Keyword_Prefix_Line("NACHWEISE-ARGS", f, nullptr)) return nullptr;
    Nchw_Args_Rec *a = (Nchw_Args_Rec *)malloc(sizeof(Nchw_Args_Rec));
    if (!a) return nullptr;
    *a = Nchw_Args_Default;
    int32_t *v = a->values;
    if (fscanf(f, " %d", &v[0]) != 1 || fscanf(f, " %d%d%d%d", &v[1], &v[2], &v[3], &v[4]) != 4
        || fscanf(f, " %d%d%d%d", &v[5], &v[6], &v[7], &v[8]) != 4) {
        free(a);
        return nullptr;
    }
    return a;
}
