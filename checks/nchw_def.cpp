/*
** Reader of the type file "Nachweis.def": the help file name, one entry per check type (type
** line, texts, colour, option entries, object selectors, value), the "#COLORS" chapter and the
** "#STRUCTURE" chapter. Numbers are whitespace-separated tokens; texts are «guillemet» strings.
*/
#include "checks/nchw_def.h"
#include "checks/beiwert.h"
#include "checks/nchw_settings.h"
#include "foundation/codepage.h"
#include "foundation/guillemet.h"
#include "foundation/screen_tools.h"
#include "foundation/ttool.h"
#include "platform/runtime.h"
#include "platform/zelkwin.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>

Nchw_Type_Rec *Nchw_Type_Head = nullptr;
Nchw_Type_Rec *Nchw_Type_Tail = nullptr;
int32_t Nchw_Type_Count = 0;
Nchw_Struct_Node *Nchw_Struct_Root = nullptr;
int32_t Nchw_Struct_Valid = 0;
int32_t Nchw_Def_Read = 0;
int32_t Nchw_Colour_Table[NCHW_COLOUR_COUNT];
char Nchw_Help_File[256] = "";
int32_t Nchw_Compute_Mode_Index = 0;

/* ------------------------------------------------------------------ texts of the type info */

const char *Nchw_Material_Text(int32_t v)
{
    switch (v) {
    case 1: return "Stahlbeton";
    case 2: return "Stahl";
    case 3: return "Stahlbeton und Stahl";
    case 4: return "Holz";
    case 5: return "Stahlbeton und Holz";
    case 6: return "Stahl und Holz";
    case 7: return "Stahlbeton, Stahl und Holz";
    case 8: return "benutzerdefinierte Materialien";
    case 16:
        return "Stahlbeton (Br\x81"
               "ckenbau)";
    case 32: return "Aluminium";
    default: return "alle Materialien";
    }
}

const char *Nchw_Check_Kind_Text(int32_t v)
{
    switch (v) {
    case 1: return "Tragf\x84higkeitsnachweis";
    case 2: return "Gebrauchstauglichkeitsnachweis";
    case 3: return "frei w\x84hlbar";
    default: return "irrelevant";
    }
}

const char *Nchw_Combination_Text(int32_t v)
{
    switch (v) {
    case 1: return "selten";
    case 2: return "h\x84ufig";
    case 3: return "selten oder h\x84ufig";
    case 4: return "quasist\x84ndig";
    case 5: return "selten oder quasist\x84ndig";
    case 6: return "h\x84ufig oder quasist\x84ndig";
    case 8: return "nicht-h\x84ufig";
    default: return "frei w\x84hlbar";
    }
}

const char *Nchw_Comb_Rule_Text(int32_t v)
{
    switch (v) {
    case 1: return "DIN1055-100";
    case 2: return "Eurocode";
    case 4: return "DIN 18800";
    case 8: return "charakteristisch";
    case 16: return "DIN 1072";
    case 32:
        return "Br\x81"
               "ckenbau";
    default: return "einstellbar";
    }
}

/* ------------------------------------------------------------------ release */

static void Free_Struct_Tree(Nchw_Struct_Node *n)
{
    while (n) {
        Nchw_Struct_Node *next = n->next;
        Free_Struct_Tree(n->child);
        free(n);
        n = next;
    }
}

void Free_Nchw_Types(void)
{
    Nchw_Type_Rec *t = Nchw_Type_Head;
    while (t) {
        Nchw_Type_Rec *next = t->next;
        free(t);
        t = next;
    }
    Nchw_Type_Head = Nchw_Type_Tail = nullptr;
    Nchw_Type_Count = 0;
    Free_Struct_Tree(Nchw_Struct_Root);
    Nchw_Struct_Root = nullptr;
    Nchw_Struct_Valid = 0;
    Nchw_Help_File[0] = '\0';
    Nchw_Def_Read = 0;
}

Nchw_Type_Rec *Find_Nchw_Type(int32_t type_id)
{
    for (Nchw_Type_Rec *t = Nchw_Type_Head; t; t = t->next)
        if (Nchw_Type_Id(t) == type_id) return t;
    return nullptr;
}

/* ------------------------------------------------------------------ one type */

/* Copy at most max characters of src into dst. */
static void Copy_Cut(char *dst, const char *src, size_t max)
{
    size_t n = strlen(src);
    if (n > max) n = max;
    memcpy(dst, src, n);
    dst[n] = '\0';
}

/* The dependency group behind "L" or "A": "#", or "(" dep second ")", else nothing. */
static void Read_Dependency(FILE *f, Nchw_Option_Entry *e)
{
    e->depends_on = e->depends_value = 0;
    int c = Next_Nonblank_Char(f);
    if (c != '(') return;
    int a, b;
    if (fscanf(f, "%d%d", &a, &b) == 2) {
        e->depends_on = a;
        e->depends_value = b;
    }
    Next_Nonblank_Char(f);
}

/*
** Read one option entry whose id has been read; 1 when read, 0 at the end of the file. The
** entry starts over with id and letter after a "Y" gap.
*/
static int Read_Option_Entry(FILE *f, Nchw_Option_Entry *e, int32_t id)
{
    memset(e, 0, sizeof *e);
    e->id = id;
    for (;;) {
        int c = Next_Nonblank_Char(f);
        if (c == EOF) return 0;
        int a = 0, b = 0, v = 0;
        switch (c) {
        case 'L':
            e->kind = 1;
            if (fscanf(f, "%d", &a) == 1) e->dflt = a;
            Read_Dependency(f, e);
            break;
        case 'A':
            e->kind = 2;
            if (fscanf(f, "%d%d%d", &a, &b, &v) == 3) {
                e->dflt = a;
                e->group = b;
                e->value = v;
            }
            Read_Dependency(f, e);
            break;
        case 'T':
            e->kind = 3;
            if (fscanf(f, "%d%d", &a, &b) == 2) {
                e->gap = a;
                e->value = b;
            }
            break;
        case 'Y':
            if (fscanf(f, "%d", &a) == 1) e->gap = a;
            if (fscanf(f, "%d", &a) != 1) return 0;
            e->id = a;
            continue;
        default: e->kind = 0; break;
        }
        break;
    }
    int x = 0;
    if (fscanf(f, "%d", &x) == 1) e->x_indent = x;
    char buf[256];
    if (Read_Guillemet_String(f, buf) < 0) buf[0] = '\0';
    Copy_Cut(e->text, buf, 63);
    return 1;
}

/* Pixel size of the option dialog of a type with options. */
static void Size_Option_Dialog(Nchw_Type_Rec *t)
{
    int32_t h = 90, w = 170;
    for (int32_t i = 0; i < t->option_count; i++) {
        const Nchw_Option_Entry *e = &t->options[i];
        h += 19;
        if (e->kind >= 1 && e->kind <= 3) {
            h += e->gap;
            int32_t lw = Text_Width_In_Font(Trim_Blanks(e->text), 4096);
            int32_t need = e->x_indent + (e->kind == 3 ? 30 : 50) + lw + 20;
            if (need > w) w = need;
        }
    }
    t->dialog_height = h;
    t->dialog_width = w;
}

/*
** Read the rest of a type whose line has been read: texts, colour, options, selectors, value.
** Return 1 when the closing value was read (the type is complete), else 0.
*/
static int Read_Type_Body(FILE *f, Nchw_Type_Rec *t)
{
    char buf[256];
    if (Read_Guillemet_String(f, buf) < 0) buf[0] = '\0';
    snprintf(t->name, sizeof t->name, "%-50.50s", buf);
    if (Read_Guillemet_String(f, buf) < 0) buf[0] = '\0';
    Copy_Cut(t->description, buf, 70);
    if (Read_Guillemet_String(f, buf) < 0) buf[0] = '\0';
    Copy_Cut(t->help_topic, buf, 29);
    int r, g, b;
    if (fscanf(f, "%d%d%d", &r, &g, &b) == 3) {
        t->colour[0] = r;
        t->colour[1] = g;
        t->colour[2] = b;
    }
    for (;;) {
        int id;
        if (fscanf(f, "%d", &id) != 1 || id < 0) break;
        Nchw_Option_Entry e;
        if (!Read_Option_Entry(f, &e, id)) break;
        if (t->option_count >= NCHW_MAX_OPTIONS) {
            fputs("maximale Anzahl von <IndivNachweisPropsButtons> erreicht!!\n", stdout);
            continue;
        }
        t->options[t->option_count++] = e;
    }
    int n = 0;
    if (fscanf(f, "%d", &n) != 1 || n < 0) n = 0;
    for (int i = 0; i < n; i++) {
        int type = 0, value = 0;
        if (fscanf(f, "%d%d", &type, &value) != 2) break;
        if (Read_Guillemet_String(f, buf) < 0) buf[0] = '\0';
        if (i >= 3) continue; /* room for three; further selectors are read past */
        t->selector_types[i] = type;
        t->selector_values[i] = value;
        Copy_Cut(t->selector_names[i], buf, 39);
        t->selector_count = i + 1;
    }
    if (t->option_count > 0) Size_Option_Dialog(t);
    double v;
    if (fscanf(f, "%lf", &v) != 1) return 0;
    t->value = v;
    return 1;
}

/* ------------------------------------------------------------------ the structure */

static Nchw_Struct_Node *New_Struct_Node(void)
{
    Nchw_Struct_Node *n = (Nchw_Struct_Node *)calloc(1, sizeof(Nchw_Struct_Node));
    if (!n) return nullptr;
    n->font = 0;
    n->text_colour = BLACK_CI;
    n->marker_colour = BLACK_CI;
    n->background = WHITE_CI;
    n->selected_background = BLACK_CI;
    return n;
}

/* One colour of the group: an index 0..32 picks the colour table, any other keeps *slot. */
static void Pick_Colour(int32_t *slot, int index)
{
    if (index >= 0 && index < NCHW_COLOUR_COUNT) *slot = Nchw_Colour_Table[index];
}

/*
** Read one "#STRUCTURE" entry after its "+" (mode 2, a type) or "*" (mode 1, a heading); the
** new node, or null on a format error (reported on the standard output) or without memory.
*/
Nchw_Struct_Node *Read_Nchw_Struct_Node(FILE *f, int mode)
{
    int32_t id = 0;
    char text[256] = "";
    if (mode == 2) {
        int v;
        if (fscanf(f, "%d", &v) != 1 || v < 1) {
            fputs("Formatfehler in Nachweis.def (Kap. STRUCTURE); Nachweis-Id?\n", stdout);
            return nullptr;
        }
        id = v;
        const Nchw_Type_Rec *t = Find_Nchw_Type(id);
        snprintf(text, sizeof text, "%s", t ? t->name : "????????");
    } else {
        if (Read_Guillemet_String(f, text) < 0) text[0] = '\0';
    }
    Nchw_Struct_Node *n = New_Struct_Node();
    if (!n) return nullptr;
    n->type_id = id;
    Copy_Cut(n->text, text, 50);
    Next_Nonblank_Char(f); /* the "(" */
    int bold, c1, c2, c3, c4;
    if (fscanf(f, "%d%d%d%d%d", &bold, &c1, &c2, &c3, &c4) != 5) {
        getc(f);
        return n;
    }
    n->font = bold ? 0x11000 : 4096;
    Pick_Colour(&n->text_colour, c1);
    Pick_Colour(&n->marker_colour, c2);
    Pick_Colour(&n->background, c3);
    Pick_Colour(&n->selected_background, c4);
    Next_Nonblank_Char(f); /* the ")" */
    return n;
}

/* The "#COLORS" lines: index red green blue, to the first line that is not one. */
static void Read_Colour_Chapter(FILE *f)
{
    char line[256];
    for (;;) {
        if (feof(f)) return;
        Read_Line_Bounded(f, line, sizeof line);
        int i, r, g, b;
        if (sscanf(line, "%d%d%d%d", &i, &r, &g, &b) != 4 || i < 0) return;
        if (i >= NCHW_COLOUR_COUNT) continue;
        Nchw_Colour_Table[i] = Nearest_RGB_Color(r, g, b);
    }
}

int Read_Nachweis_Def_Struktur(FILE *f)
{
    if (!f) return 0;
    if (!Seek_Keyword_Prefix_Line("#COLORS", f, nullptr)) return 0;
    Read_Colour_Chapter(f);
    if (!Seek_Keyword_Prefix_Line("#STRUCTURE", f, nullptr)) return 0;

    Free_Struct_Tree(Nchw_Struct_Root);
    Nchw_Struct_Root = New_Struct_Node();
    if (!Nchw_Struct_Root) return 0;
    Nchw_Struct_Root->expanded = 1;
    snprintf(Nchw_Struct_Root->text, sizeof Nchw_Struct_Root->text, "ROOT");

    Nchw_Struct_Node *last = nullptr; /* the last entry; null: none yet */
    int open_child = 0;               /* "{" seen: the next entry is the first child of last */
    for (;;) {
        int c = Next_Nonblank_Char(f);
        if (c == '#') return 1;
        if (c == '{') {
            if (last) open_child = 1;
            continue;
        }
        if (c == '}') {
            open_child = 0;
            if (last && last->parent && last->parent != Nchw_Struct_Root) last = last->parent;
            continue;
        }
        if (c != '+' && c != '*') {
            fputs("Formatfehler in Nachweis.def (Kap. STRUCTURE); erwarte * + { }\n", stdout);
            return 0;
        }
        Nchw_Struct_Node *n = Read_Nchw_Struct_Node(f, c == '+' ? 2 : 1);
        if (!n) return 0;
        if (!last) {
            n->parent = Nchw_Struct_Root;
            Nchw_Struct_Root->child = n;
        } else if (open_child) {
            /* A second "{" on the same entry adds its entries after the children it has. */
            n->parent = last;
            if (!last->child) {
                last->child = n;
            } else {
                Nchw_Struct_Node *k = last->child;
                while (k->next) k = k->next;
                k->next = n;
            }
        } else {
            n->parent = last->parent;
            last->next = n;
        }
        open_child = 0;
        last = n;
    }
}

/* ------------------------------------------------------------------ the file */

int Read_Nachweis_Def_File(const char *path)
{
    FILE *f = path ? Rt_Fopen_Read(path) : nullptr;
    if (!f) {
        const int err = path ? errno : ENOENT;
        Init_Message();
        Fill_Message("Dateieröffungsfehler:"_cp850);
        Fill_Message(path ? path : "");
        if (err != ENOENT) Fill_Message(Rt_Error_Text(err));
        Draw_Message();
        return 0;
    }
    Free_Nchw_Types();
    for (int i = 0; i < NCHW_COLOUR_COUNT; i++) Nchw_Colour_Table[i] = BLACK_CI;
    char buf[256];
    if (Read_Guillemet_String(f, buf) < 0) buf[0] = '\0';
    snprintf(Nchw_Help_File, sizeof Nchw_Help_File, "%s", buf);
    if (Nchw_Help_File[0]) {
        char help[1024];
        const char *dir = CurOb_Privat_Datapath();
        if (snprintf(help, sizeof help, "%s/%s", dir ? dir : ".", Nchw_Help_File)
            < (int)sizeof help)
            Add_Helpfile(help);
    }
    for (;;) {
        int32_t v[11];
        if (fscanf(f, "%d%i%i%i%i%i%i%i%i%i%i", &v[0], &v[1], &v[2], &v[3], &v[4], &v[5], &v[6],
                   &v[7], &v[8], &v[9], &v[10])
            != 11)
            break;
        Nchw_Type_Rec *t = (Nchw_Type_Rec *)calloc(1, sizeof(Nchw_Type_Rec));
        if (!t) break;
        for (int i = 0; i < 4; i++) t->ints0_3[i] = v[i];
        for (int i = 0; i < 7; i++) t->ints4_10[i] = v[i + 4];
        t->prev = Nchw_Type_Tail;
        if (Nchw_Type_Tail) Nchw_Type_Tail->next = t;
        else Nchw_Type_Head = t;
        Nchw_Type_Tail = t;
        if (!Read_Type_Body(f, t)) break;
        Nchw_Type_Count++;
    }
    Nchw_Struct_Valid = Read_Nachweis_Def_Struktur(f);
    fclose(f);
    Nchw_Def_Read = 1;
    return 1;
}

/*
** Read the type file of the component's private data path once per run, then the coefficient
** file. Return 1 when read (now or before), 0 when the file cannot be opened.
*/
int Read_Nachweis_Def(void)
{
    if (Nchw_Def_Read) return 1;
    char path[1024];
    const char *dir = CurOb_Privat_Datapath();
    if (snprintf(path, sizeof path, "%s/%s", dir ? dir : ".", Nachweis_Def_Name)
        >= (int)sizeof path)
        return 0;
    if (!Read_Nachweis_Def_File(path)) return 0;
    Read_Nachweis_Val();
    return 1;
}
