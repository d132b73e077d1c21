/*
** The type selection of a new design check: the tree of headings and types of the type file
** drawn with its markers and boxed plus/minus patterns, the info panel of a type, and the
** dialog around them.
*/
#include "checks/dlg_typesel.h"

#include <cstdio>
#include <vector>

#include "checks/dlg_common.h"
#include "checks/dlg_sheet.h"
#include "checks/xtr_tables.h"
#include "foundation/ttool.h"
#include "platform/zelkwin.h"

Nchw_Struct_Node *Nchwtyp_Current = nullptr;

static Nchw_Dlg_Centre Centre = {-1, -1};
static int Origin_X = 0, Origin_Y = 0; /* screen position of the tree's (0, 0) */

typedef struct Hot_Spot {
    int x1, y1, x2, y2;
    Nchw_Struct_Node *node;
} Hot_Spot;
static std::vector<Hot_Spot> Spots;

/* Patterns: rows of 16 bits, most significant bit left. */
static const uint16_t Marker[9] = {0x1c00, 0x7f00, 0x7f00, 0xff80, 0xff80,
                                   0xff80, 0x7f00, 0x7f00, 0x1c00};
static const uint16_t Expanded[10] = {0xffc0, 0x8040, 0x8040, 0x8040, 0xbf40,
                                      0xbf40, 0x8040, 0x8040, 0x8040, 0xffc0};
static const uint16_t Collapsed[10] = {0xffc0, 0x8040, 0x8c40, 0x8c40, 0xbf40,
                                       0xbf40, 0x8c40, 0x8c40, 0x8040, 0xffc0};

static void Pattern(int x, int y, const uint16_t *rows, int w, int h)
{
    unsigned char bits[2 * 16];
    for (int i = 0; i < h; i++) {
        bits[2 * i] = (unsigned char)(rows[i] >> 8);
        bits[2 * i + 1] = (unsigned char)(rows[i] & 0xff);
    }
    pxMask(x, y, x + w - 1, y + h - 1, bits, 2);
}

/* ------------------------------------------------------------------ tree */

void Draw_Nchwtyp_Subtree(int area, int x, int *y, Nchw_Struct_Node *first)
{
    for (Nchw_Struct_Node *n = first; n; n = n->next) {
        const bool sel = n == Nchwtyp_Current && n->type_id != 0;
        const int X = Origin_X + x, Y = Origin_Y + *y;
        pxFgc(sel ? n->selected_background : n->background);
        pxRect(Origin_X, Y - 10, Origin_X + 295, Y + 3);
        Pop_RFont(n->font ? n->font : 4096);
        pxFgc(sel ? WHITE_CI : n->text_colour);
        pxText(X, Y, n->text, -1);
        Push_RFont();
        pxFgc(sel ? WHITE_CI : n->marker_colour);
        Pattern(X - 13, Y - 8, Marker, 9, 9);
        if (n->type_id == 0) {
            pxFgc(WHITE_CI);
            pxRect(X - 28, Y - 8, X - 19, Y);
            pxFgc(BLACK_CI);
            Pattern(X - 28, Y - 8, n->expanded ? Expanded : Collapsed, 10, 10);
        }
        Spots.push_back(Hot_Spot{Origin_X, Y - 10, Origin_X + 295, Y + 3, n});
        *y += 14;
        if (n->expanded && n->child) Draw_Nchwtyp_Subtree(area, x + 14, y, n->child);
    }
}

void Draw_Nchwtyp_Tree(int area)
{
    (void)area;
    Spots.clear();
    Pop_RFont(4096);
    pxFgc(BLACK_CI);
    pxText(Origin_X + 6, Origin_Y + 20, "Auswahl der Nachweistypen", -1);
    pxLine(Origin_X + 6, Origin_Y + 24, Origin_X + 170, Origin_Y + 24);
    Push_RFont();
    int y = 43;
    if (Nchw_Struct_Root) Draw_Nchwtyp_Subtree(area, 20 + 14, &y, Nchw_Struct_Root->child);
}

Nchw_Struct_Node *Nchwtyp_Row_At(int x, int y)
{
    for (const Hot_Spot &h : Spots)
        if (x >= h.x1 && x <= h.x2 && y >= h.y1 && y <= h.y2) return h.node;
    return nullptr;
}

static void Tree_Area_Draw(int area, int sx, int sy, int x1, int y1, int x2, int y2, void *user)
{
    (void)user;
    pxFgc(WHITE_CI);
    pxRect(x1, y1, x2, y2);
    Origin_X = x1 - sx;
    Origin_Y = y1 - sy;
    Draw_Nchwtyp_Tree(area);
}

/* ------------------------------------------------------------------ info */

static const char *Material(Nchw_Type_Rec *t)
{
    const char *m = Nchw_Material_Text(t->ints0_3[1]);
    if (m == Nchw_Material_Text(-12345)) t->ints0_3[1] = 63;
    return m;
}

static const char *Kind(Nchw_Type_Rec *t)
{
    switch (t->ints4_10[0]) {
    case 1: return "Tragf\x84higkeitsnachweis";
    case 2: return "Gebrauchstauglichkeitsnachweis";
    case 3: return "frei w\x84hlbar";
    default: t->ints4_10[0] = 0; return "irelevant";
    }
}

static const char *Combination(Nchw_Type_Rec *t)
{
    if (t->ints4_10[2] > 8) t->ints4_10[2] = 7;
    return Nchw_Combination_Text(t->ints4_10[2]);
}

static const char *Xtr_Line(const Nchw_Type_Rec *t)
{
    const int n = Nchw_Compute_Mode_Index;
    if (!((Nchw_Type_Int(t, 2) >> n) & 1)) return "Extremierungen nicht m\x94glich";
    return ((Nchw_Type_Int(t, 3) >> n) & 1) ? "Extremierungen erlaubt"
                                            : "Extremierungen erforderlich";
}

static const char *Lkom_Line(const Nchw_Type_Rec *t)
{
    const int n = Nchw_Compute_Mode_Index;
    if (!((Nchw_Type_Int(t, 3) >> n) & 1)) return "Lastkollektive nicht m\x94glich";
    return ((Nchw_Type_Int(t, 2) >> n) & 1) ? "Lastkollektive erlaubt"
                                            : "Lastkollektive erforderlich";
}

static const char *Mode(const Nchw_Type_Rec *t)
{
    const int32_t m = Nchw_Type_Int(t, 10);
    return m == 1   ? "lineare Schnittgr\x94\xE1"
                      "enberechnung"
           : m == 2 ? "nichtlineare Schnittgr\x94\xE1"
                      "enberechnung"
                    : "keine Angaben";
}

static int Put(int x, int y, int font, const char *text)
{
    Pop_RFont(font);
    pxFgc(BLACK_CI);
    pxText(x, y, text, -1);
    Push_RFont();
    return y;
}

static int Head(int x1, int x2, int y, const char *text)
{
    Put(x1, y, 4098, text);
    pxFgc(SHADOW_CI);
    pxLine(x1, y + 3, x2 - 6, y + 3);
    return y + 16;
}

void Draw_Nchwtyp_Info(Nchw_Type_Rec *t, int x1, int y1, int x2, int y2)
{
    int v[4];
    pxQVwp(&v[0], &v[1], &v[2], &v[3]);
    pxView(x1, y1, x2, y2);
    char text[64];
    int y = y1 + 16;
    const int x = x1 + 6;
    y = Head(x, x2, y, "BEZEICHNUNG:");
    Put(x + 10, y, 4096, Trim_Blanks(t->name));
    Put(x + 10, y += 14, 4098, Trim_Blanks(t->description));
    snprintf(text, sizeof text, "interne Nummer = %d", (int)t->ints0_3[0]);
    Put(x + 10, y += 14, 4098, text);
    y = Head(x, x2, y + 20, "MATERIAL:");
    Put(x + 10, y, 4096, Material(t));
    y = Head(x, x2, y + 20, "KOMBINATIONSTYPEN:");
    Put(x + 10, y, 4096, Xtr_Line(t));
    Put(x + 10, y += 14, 4096, Lkom_Line(t));
    y = Head(x, x2, y + 20, "NACHWEISTYP:");
    Put(x + 10, y, 4096, Kind(t));
    if (t->ints4_10[0] == 2) {
        y = Head(x, x2, y + 20, "KOMBINATION:");
        Put(x + 10, y, 4096, Combination(t));
    }
    y = Head(x, x2, y + 20, "KOMBINATIONSREGEL:");
    Put(x + 10, y, 4096, Nchw_Comb_Rule_Text(Nchw_Type_Int(t, 8)));
    y = Head(x, x2, y + 20, "OPTIONEN:");
    Put(x + 10, y, 4096, t->option_count > 0 ? "einstellbar" : "keine");
    y = Head(x, x2, y + 20, "RECHENMODUS:");
    Put(x + 10, y, 4096, Mode(t));
    pxView(v[0], v[1], v[2], v[3]);
}

void Draw_Nchwtyp_Info_Box(int x1, int y1, int x2, int y2, int index)
{
    Nchw_Type_Rec *t = nullptr, *first = nullptr;
    int k = 0;
    for (Nchw_Type_Rec *p = Nchw_Type_Head; p; p = p->next) {
        if (Nchw_Tree_Filter && !Nchw_Tree_Filter(Nchw_Type_Id(p))) continue;
        if (!first) first = p;
        if (k++ == index) t = p;
    }
    if (!t) t = first;
    pxFgc(BACKGROUND_CI);
    pxRect(x1, y1, x2, y2);
    if (!t) return;
    int v[4];
    pxQVwp(&v[0], &v[1], &v[2], &v[3]);
    pxView(x1, y1, x2, y2);
    char text[64];
    const int vx = x1 + 75;
    Put(x1, y1 + 15, 4098, "BEZEICHNUNG:");
    Put(vx, y1 + 15, 4096, Trim_Blanks(t->name));
    Put(vx, y1 + 27, 4098, Trim_Blanks(t->description));
    snprintf(text, sizeof text, "interne Nummer = %d", (int)t->ints0_3[0]);
    Put(vx, y1 + 39, 4098, text);
    Put(x1, y1 + 57, 4098, "MATERIAL:");
    Put(vx, y1 + 57, 4096, Material(t));
    Put(x1, y1 + 75, 4098, "KOMBI-TYPEN:");
    Put(vx, y1 + 75, 4096, Xtr_Line(t));
    Put(vx, y1 + 89, 4096, Lkom_Line(t));
    Put(x1, y1 + 107, 4098, "NACHWEISTYP:");
    Put(vx, y1 + 107, 4096, Kind(t));
    int y = y1 + 107;
    if (t->ints4_10[0] == 2) {
        Put(x1, y += 14, 4098, "KOMBINATION:");
        Put(vx, y, 4096, Combination(t));
    }
    Put(x1, y += 18, 4098, "KOMBI-REGEL:");
    Put(vx, y, 4096, Nchw_Comb_Rule_Text(Nchw_Type_Int(t, 8)));
    Put(x1, y += 18, 4098, "OPTIONEN:");
    Put(vx, y, 4096, t->option_count > 0 ? "einstellbar" : "keine");
    Put(x1, y += 18, 4098, "RECHENMODUS:");
    Put(vx, y, 4096, Mode(t));
    pxView(v[0], v[1], v[2], v[3]);
}

/* ------------------------------------------------------------------ dialog */

Nchw_Type_Rec *Select_Nchw_Type(void)
{
    int x, y, x2, y2;
    Nchw_Dlg_Place(&Centre, 295, 294, 193, 192, &x, &y, &x2, &y2);
    Define_Prop_Sheet(x, y, x2, y2, 1, 1, "einen neuen Nachweis hinzuf\x81gen", 0, 1);
    Add_Single_Button_to_PS(x + 8, y + 357, SYMBOLIC_BREAK_RASTER, "", 2);
    const int ok = Add_Single_Button_to_PS(x + 552, y + 357, SYMBOLIC_OK_RASTER, "", 1);
    Add_Help_to_PS(x + 280, y + 357, "XNCHW_GLOBAL");
    Add_Escape_Area_to_PS(x + 8, y + 39, x + 302, y + 344, 3);
    const int area = Add_Scrollable_Area_to_PS(PS_Scrollable_Area{.x1 = x + 8,
                                                                  .y1 = y + 39,
                                                                  .x2 = x + 322,
                                                                  .y2 = y + 344,
                                                                  .frame = 1,
                                                                  .code = 0,
                                                                  .step_x = 14,
                                                                  .step_y = 14,
                                                                  .draw = Tree_Area_Draw,
                                                                  .user = nullptr,
                                                                  .active = 0});
    Add_VSlider_to_Scrollable_Area(area, 1, 16, -1, 0);
    Resize_Origin_of_Scrollable_Area_PS(area, 296, 2000);
    Set_Windows_Break_Button(2);
    Activate_Prop_Sheet();
    pxFgc(BACKGROUND_CI);
    pxRect(x + 330, y + 40, x + 584, y + 350);
    if (Nchwtyp_Current && Nchwtyp_Current->type_id)
        if (Nchw_Type_Rec *t = Find_Nchw_Type(Nchwtyp_Current->type_id))
            Draw_Nchwtyp_Info(t, x + 330, y + 40, x + 584, y + 350);
    for (;;) {
        Change_Activity_PS(area, 1);
        Change_Activity_PS(ok, Nchwtyp_Current && Nchwtyp_Current->type_id ? 1 : 0);
        int code;
        Nchw_Struct_Node *hit = nullptr;
        for (;;) {
            code = Edit_Prop_Sheet();
            if (code != 3) break;
            hit = Nchwtyp_Row_At(M_XPOS, M_YPOS);
            if (hit) break;
        }
        if (code == 3) {
            Nchwtyp_Current = hit;
            pxFgc(BACKGROUND_CI);
            pxRect(x + 330, y + 40, x + 584, y + 350);
            if (hit->type_id) {
                if (Nchw_Type_Rec *t = Find_Nchw_Type(hit->type_id))
                    Draw_Nchwtyp_Info(t, x + 330, y + 40, x + 584, y + 350);
            } else {
                hit->expanded = !hit->expanded;
            }
            continue;
        }
        Nchw_Dlg_Keep_Displacement(&Centre);
        Undefine_Prop_Sheet();
        if (code != 1 || !Nchwtyp_Current || Nchwtyp_Current->type_id == 0) return nullptr;
        return Find_Nchw_Type(Nchwtyp_Current->type_id);
    }
}
