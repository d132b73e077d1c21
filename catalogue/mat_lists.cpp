/*
** Material names and selection lists: group names, grade texts, service classes, panel
** loading directions, I-joist sections, steel and aluminium plates, the fastener type list and
** the item lists of the two user-defined screw lines. Built once; texts in code page 850.
*/
#include "catalogue/mat_lists.h"

#include <cmath>
#include <cstdio>
#include <cstring>

#include "catalogue/alguete.h"
#include "catalogue/ijoist.h"
#include "catalogue/mat_values.h"
#include "catalogue/stguete.h"
#include "catalogue/vbm_types.h"
#include "foundation/codepage.h"
#include "nad/nad.h"
#include "platform/zelkwin.h"

/* ---- constant texts */

static const char *const Group_Names[22] = {"Nadelholz",
                                            "Laubholz",
                                            "Brettschicht EC",
                                            "Brettschicht DIN",
                                            "OSB",
                                            "Gipskarton",
                                            "Sperrholz",
                                            "Spanplatte",
                                            "Faserplatte",
                                            "Fermacell",
                                            "Kerto-S",
                                            "Kerto-Q",
                                            "Stahlblech",
                                            "Furnierschichtholz",
                                            "Frei",
                                            "Ohne",
                                            "Aluminiumblech",
                                            "Baubuche GL75",
                                            "Baubuche Platte",
                                            "Steico LVL",
                                            "Pollm. Fichte LVL S",
                                            "Pollm. Fichte GLVL"};

/* Words of Get_Material_Name for groups 0..21 (null: composed otherwise). */
static const char *const Name_Words[22] = {"Nadelvollholz",
                                           "Laubholz",
                                           "Brettschichtholz EC",
                                           "Brettschichtholz DIN",
                                           nullptr,
                                           "Gipskarton",
                                           "Sperrholz",
                                           "Spanplatte",
                                           "Faserplatte",
                                           "Fermacell",
                                           "Kerto-S",
                                           "Kerto-Q",
                                           nullptr,
                                           nullptr,
                                           nullptr,
                                           nullptr,
                                           nullptr,
                                           "Baubuche GL75",
                                           "Baubuche",
                                           "Steico LVL",
                                           "Pollm. Fichte LVL S",
                                           nullptr};

static const char *const Service_Class_Texts[3] = {" 1", " 2", " 3"};
static const char *const Panel_Loading_Texts[4] = {"Platte parallel", "Platte senkrecht",
                                                   "Scheibe parallel", "Scheibe senkrecht"};
static const char *const Osb_Texts[3] = {"OSB 2", "OSB 3", "OSB 4"};
static const char *const Gk_Texts[3] = {"GKB", "GKF", "GKBi"};
static const char *const Plywood_Texts[6] = {"F20/10", "F20/15", "F25/10",
                                             "F40/30", "F50/25", "F60/10"};
static const char *const Spanplatte_Texts[4] = {"Typ P4", "Typ P5", "Typ P6", "Typ P7"};
static const char *const Faser_Texts[2] = {"Hart", "Mittelhart"};
static const char *const Fermacell_Texts[5] = {"10 mm", "12,5 mm", "15 mm", "18 mm", "25 mm"};
static const char *const Kerto_S_Texts[1] = {"21-75 mm"};
static const char *const Kerto_Q_Texts[2] = {"21-24 mm", "27-69 mm"};
static const char *const Beech_Panel_Texts[3] = {"S 40 mm", "S 60 mm", "Q 40 mm"};
static const char *const Glvl_Texts[1] = {"R"};
/* t <= 24 and t >= 27 mm with the display font's signs 0xF3 and 0xF2 */
static const char *const Steico_Lvl_Texts[3] = {"R",
                                                "X t\xF3"
                                                "24",
                                                "X t\xF2"
                                                "27"};
static const char *const Lvl_S_Texts[1] = {"21-81 mm"};
/* The spruce GLVL product has two grades without values in any getter. */
static const char *const Glvl_S_Texts[2] = {"GLVL R", "GLVL C"};
static const char Placeholder_Text[] = "-----";

/* Screw line A and B item texts. */
static const char *const Screw_A_Heads[11] = {"Senkkopf",
                                              "Senkfrästaschenkopf"_cp850,
                                              "Senkfräsrippenkopf"_cp850,
                                              "Linsenkopf",
                                              "Scheibenkopf",
                                              "Scheibenkopf II",
                                              "Zylinderkopf",
                                              "Panhead Kopf",
                                              "Kombi-/Sechskantkopf",
                                              "Balkenschuhschraubenkopf",
                                              "Top Head Kopf"};
static const char *const Screw_A_Threads[4] = {"Teilgewinde", "Unterkopfgewinde", "Vollgewinde",
                                               "Doppelgewinde"};
static const char *const Screw_A_Tips[4] = {"Spitzengewinde", "Ring- / Gegengewinde",
                                            "Plus Bohrspitze Pyramidenform",
                                            "Plus Bohrspitze Spitzenform"};
static const char *const Screw_A_Diameters[10] = {"3.0", "3.5", "4.0", "4.5",  "5.0",
                                                  "6.0", "7.0", "8.0", "10.0", "12.0"};
static const char *const Screw_B_Heads[7] = {"Tellerkopf",   "Zylinderkopf", "Senkkopf",
                                             "Halbrundkopf", "Linsenkopf",   "Rückwandkopf"_cp850,
                                             "Zierkopf"};
static const char *const Screw_B_Threads[3] = {"Teilgewinde", "Doppelgewinde", "Vollgewinde"};
static const char *const Screw_B_Tips[3] = {"Normalspitze", "CUT-Spitze", "4CUT-Spitze"};
static const char *const Screw_B_Diameters[12] = {"2.0", "2.5", "3.0", "3.5", "4.0",  "4.5",
                                                  "5.0", "6.0", "7.0", "8.0", "10.0", "12.0"};

/* ---- list storage */

/* One list: its items, count and item width. */
typedef struct Mat_List {
    Mat_List_Item items[100];
    int32_t count;
    int32_t width;
} Mat_List;

enum {
    L_GROUPS,
    L_GROUPS_GREY,
    L_SERVICE,
    L_LOADING,
    L_SOFT_EN,
    L_SOFT_DIN,
    L_HARD_EN,
    L_HARD_DIN,
    L_GLULAM,
    L_GLULAM_BS,
    L_OSB,
    L_GK,
    L_PLYWOOD,
    L_SPAN,
    L_FASER,
    L_FERMACELL,
    L_KERTO_S,
    L_KERTO_Q,
    L_STEEL,
    L_PLACEHOLDER,
    L_ALU,
    L_BEECH,
    L_BEECH_PANEL,
    L_STEICO_LVL,
    L_LVL_S,
    L_GLVL_S,
    L_GLVL,
    L_IJOIST_W,
    L_IJOIST_J,
    L_COUNT
};

static Mat_List Lists[L_COUNT];
static int Lists_Built = 0;

/* The two screw lines. */
typedef struct Screw_Line {
    Mat_List_Item heads[12], threads[4], tips[4], diameters[12];
    int32_t n_heads, n_threads, n_tips, n_diameters;
    int built;
} Screw_Line;

static Screw_Line Line_A, Line_B;

static void Fill_List(Mat_List *l, const char *const *texts, int32_t n, int32_t width)
{
    for (int32_t i = 0; i < n && i < 100; i++) {
        l->items[i].colour = BLACK_CI;
        l->items[i].text = texts[i];
    }
    l->count = n;
    l->width = width;
}

static void Fill_Items(Mat_List_Item *items, int32_t *count, const char *const *texts, int32_t n)
{
    for (int32_t i = 0; i < n; i++) {
        items[i].colour = BLACK_CI;
        items[i].text = texts[i];
    }
    *count = n;
}

static void Build_Screw_Line_A(void)
{
    if (Line_A.built) return;
    Fill_Items(Line_A.heads, &Line_A.n_heads, Screw_A_Heads, 11);
    Fill_Items(Line_A.threads, &Line_A.n_threads, Screw_A_Threads, 4);
    Fill_Items(Line_A.tips, &Line_A.n_tips, Screw_A_Tips, 4);
    Fill_Items(Line_A.diameters, &Line_A.n_diameters, Screw_A_Diameters, 10);
    Line_A.built = 1;
}

static void Build_Screw_Line_B(void)
{
    if (Line_B.built) return;
    Fill_Items(Line_B.heads, &Line_B.n_heads, Screw_B_Heads, 7);
    Fill_Items(Line_B.threads, &Line_B.n_threads, Screw_B_Threads, 3);
    Fill_Items(Line_B.tips, &Line_B.n_tips, Screw_B_Tips, 3);
    Fill_Items(Line_B.diameters, &Line_B.n_diameters, Screw_B_Diameters, 12);
    Line_B.built = 1;
}

/* Names of a timber table in the given value set, read without touching Nad_Params' choice. */
static void Fill_Grade_List(Mat_List *l, const char *const *names, int32_t n, int32_t width)
{
    Fill_List(l, names, n, width);
}

int32_t Init_Material_Lists(void)
{
    static const char *soft[12] = {"C14", "C16", "C18", "C20", "C22", "C24",
                                   "C27", "C30", "C35", "C40", "C45", "C50"};
    static const char *hard_en[8] = {"D18", "D24", "D30", "D35", "D40", "D50", "D60", "D70"};
    static const char *hard_din[6] = {"D30", "D35", "D40", "D50", "D60", "D70"};
    static const char *glulam[14], *glulam_bs[8], *beech[2], *steel[2];
    static const char *alu[ALU_GRADE_COUNT];
    static const char *ij_w[8], *ij_j[23];
    if (Lists_Built) return 1;
    Fill_List(&Lists[L_SERVICE], Service_Class_Texts, 3, 2);
    Fill_List(&Lists[L_GROUPS], Group_Names, 22, 14);
    Fill_List(&Lists[L_GROUPS_GREY], Group_Names, 4, 14);
    Fill_List(&Lists[L_LOADING], Panel_Loading_Texts, 4, 14);
    Fill_Grade_List(&Lists[L_SOFT_EN], soft, 12, 7);
    Fill_Grade_List(&Lists[L_SOFT_DIN], soft, 12, 7);
    Fill_Grade_List(&Lists[L_HARD_EN], hard_en, 8, 3);
    Fill_Grade_List(&Lists[L_HARD_DIN], hard_din, 6, 3);
    for (int i = 0; i < 14; i++) glulam[i] = Get_Timber_Grade(2, i)->name;
    for (int i = 0; i < 8; i++) glulam_bs[i] = Get_Timber_Grade(3, i)->name;
    for (int i = 0; i < 2; i++) beech[i] = Get_Timber_Grade(17, i)->name;
    Fill_List(&Lists[L_GLULAM], glulam, 14, 10);
    Fill_List(&Lists[L_GLULAM_BS], glulam_bs, 8, 10);
    Fill_List(&Lists[L_BEECH], beech, 2, 8);
    Fill_List(&Lists[L_OSB], Osb_Texts, 3, 6);
    Fill_List(&Lists[L_GK], Gk_Texts, 3, 6);
    Fill_List(&Lists[L_PLYWOOD], Plywood_Texts, 6, 6);
    Fill_List(&Lists[L_SPAN], Spanplatte_Texts, 4, 7);
    Fill_List(&Lists[L_FASER], Faser_Texts, 2, 7);
    Fill_List(&Lists[L_FERMACELL], Fermacell_Texts, 5, 5);
    Fill_List(&Lists[L_KERTO_S], Kerto_S_Texts, 1, 7);
    Fill_List(&Lists[L_KERTO_Q], Kerto_Q_Texts, 2, 7);
    Fill_List(&Lists[L_BEECH_PANEL], Beech_Panel_Texts, 3, 11);
    Fill_List(&Lists[L_GLVL], Glvl_Texts, 1, 7);
    Fill_List(&Lists[L_STEICO_LVL], Steico_Lvl_Texts, 3, 7);
    const Ijoist_Line *w = Ijoist_Table_W_Ensure(1000), *j = Ijoist_Table_J_Ensure(1000);
    for (int i = 0; i < 8; i++) ij_w[i] = w->sections[i].name;
    for (int i = 0; i < 23; i++) ij_j[i] = j->sections[i].name;
    Fill_List(&Lists[L_IJOIST_W], ij_w, 8, 16);
    Fill_List(&Lists[L_IJOIST_J], ij_j, 23, 17);
    Fill_List(&Lists[L_LVL_S], Lvl_S_Texts, 1, 7);
    Fill_List(&Lists[L_GLVL_S], Glvl_S_Texts, 2, 8);
    steel[0] = Get_Stahlguete_Name(5);
    steel[1] = Get_Stahlguete_Name(7);
    Fill_List(&Lists[L_STEEL], steel, 2, 9);
    for (int i = 0; i < ALU_GRADE_COUNT; i++) alu[i] = Get_Alu_Grade_Name(i);
    Fill_List(&Lists[L_ALU], alu, ALU_GRADE_COUNT, 15);
    static const char *placeholder[1] = {Placeholder_Text};
    Fill_List(&Lists[L_PLACEHOLDER], placeholder, 1, 4);
    Lists_Built = 1;
    return 1;
}

int32_t Ensure_Material_Lists(void)
{
    Build_Screw_Line_A();
    Build_Screw_Line_B();
    Ijoist_Table_W_Ensure(1000);
    Ijoist_Table_J_Ensure(1000);
    if (!Lists_Built) Init_Material_Lists();
    return Lists_Built;
}

/* ---- lists */

/* The list of a list code, or null. */
static Mat_List *List_Of_Code(int32_t code, int32_t *count)
{
    int id = -1, n = -1;
    switch (code) {
    case -13: id = L_IJOIST_J; break;
    case -12: id = L_IJOIST_W; break;
    case -11: id = L_GLVL; break;
    case -5: id = L_GROUPS_GREY; break;
    case -4: id = L_LOADING; break;
    case -3:
        id = L_GROUPS;
        n = 9;
        break;
    case -2: id = L_SERVICE; break;
    case -1:
        id = L_GROUPS;
        n = 4;
        break;
    case 0: id = Nad_Params ? L_SOFT_EN : L_SOFT_DIN; break;
    case 1: id = Nad_Params ? L_HARD_EN : L_HARD_DIN; break;
    case 2: id = L_GLULAM; break;
    case 3: id = L_GLULAM_BS; break;
    case 4: id = L_OSB; break;
    case 5: id = L_GK; break;
    case 6: id = L_PLYWOOD; break;
    case 7: id = L_SPAN; break;
    case 8: id = L_FASER; break;
    case 9: id = L_FERMACELL; break;
    case 10: id = L_KERTO_S; break;
    case 11: id = L_KERTO_Q; break;
    case 12: id = L_STEEL; break;
    case 14:
    case 15: id = L_PLACEHOLDER; break;
    case 16: id = L_ALU; break;
    case 17: id = L_BEECH; break;
    case 18: id = L_BEECH_PANEL; break;
    case 19: id = L_STEICO_LVL; break;
    case 20: id = L_LVL_S; break;
    case 21: id = L_GLVL_S; break;
    default: return nullptr;
    }
    *count = n >= 0 ? n : Lists[id].count;
    return &Lists[id];
}

Mat_List_Item *Get_Material_List(int32_t code, int32_t *width, int32_t *count, int32_t colour)
{
    Ensure_Material_Lists();
    for (int i = 0; i < L_COUNT; i++)
        for (int32_t k = 0; k < Lists[i].count; k++) Lists[i].items[k].colour = colour;
    if (code == -999) {
        if (width) *width = 4;
        if (count) *count = 1;
        return nullptr;
    }
    int32_t n = 0;
    Mat_List *l = List_Of_Code(code, &n);
    if (!l) return nullptr;
    if (code == -5) l->items[2].colour = Nearest_RGB_Color(190, 190, 190);
    if (width) *width = l->width;
    if (count) *count = n;
    return l->items;
}

/* Grade text of a group, or null out of range. */
static const char *Grade_Text(Mat_Group_Code group, int32_t grade)
{
    int32_t n = 0;
    if (group == 13 || group == 14 || group == 15 || group == 16) return nullptr;
    Mat_List *l = List_Of_Code(group, &n);
    if (!l || grade < 0 || grade >= n) return nullptr;
    return l->items[grade].text;
}

const char *Get_Material_Name(Mat_Group_Code group, int32_t grade)
{
    static char buf[128];
    Ensure_Material_Lists();
    const char *words = nullptr, *text = nullptr;
    if (group >= 0 && group <= 21) words = Name_Words[group];
    switch (group) {
    case 4:
        text = Grade_Text(4, grade);
        snprintf(buf, sizeof buf, "%s", text ? text : "OSB");
        return buf;
    case 12: {
        const uint32_t code = grade == 0                   ? 5u
                              : (grade >= 1 && grade <= 3) ? 7u
                                                           : static_cast<uint32_t>(grade);
        snprintf(buf, sizeof buf, "Stahlblech %s", Get_Stahlguete_Name(code));
        return buf;
    }
    case 14: return "frei ";
    case 15: return "ohne";
    case 16: snprintf(buf, sizeof buf, "Aluminiumblech %s", Get_Alu_Grade_Name(grade)); return buf;
    case -11:
        words = "Steico GLVL";
        text = Grade_Text(19, grade);
        break;
    case -12:
        words = "Steico Wall";
        text = Grade_Text(-12, grade);
        break;
    case -13:
        words = "Steico Joist";
        text = Grade_Text(-13, grade);
        break;
    default:
        if (!words) return "nicht definiertes Material";
        text = Grade_Text(group, grade);
        break;
    }
    if (text) snprintf(buf, sizeof buf, "%s %s", words, text);
    else snprintf(buf, sizeof buf, "%s", words);
    return buf;
}

const char *Get_Grade_Name(Mat_Group_Code group, int32_t grade)
{
    static char buf[64];
    Ensure_Material_Lists();
    if (group == 12) return Get_Stahlguete_Name(static_cast<uint32_t>(grade));
    if (group == 14) return "frei ";
    if (group == 15) return "--- ";
    if ((group < 0 || group > 20) && group != -11) return "nicht definiertes Material";
    const char *text = Grade_Text(group, grade);
    if (!text) return "nicht definiertes Material";
    snprintf(buf, sizeof buf, "%s", text);
    return buf;
}

/* ---- coded lists (never called by the splice program) */

static Mat_Coded_Item *Coded_List(Mat_Coded_Item *items, const int32_t *groups, int32_t n,
                                  int32_t colour, int32_t *width, int32_t *count)
{
    for (int32_t i = 0; i < n; i++) {
        items[i].colour = colour;
        items[i].text = Group_Names[groups[i]];
        items[i].code = groups[i];
    }
    if (width) *width = 11;
    if (count) *count = n;
    return items;
}

Mat_Coded_Item *Get_Panel_Group_List(int32_t colour, int32_t *width, int32_t *count)
{
    static const int32_t groups[7] = {4, 5, 6, 7, 8, 9, 21};
    static Mat_Coded_Item items[7];
    return Coded_List(items, groups, 7, colour, width, count);
}

Mat_Coded_Item *Get_Plate_Group_List(int32_t colour, int32_t *width, int32_t *count)
{
    static const int32_t groups[10] = {4, 5, 6, 7, 8, 9, 10, 11, 16, 17};
    static Mat_Coded_Item items[10];
    return Coded_List(items, groups, 10, colour, width, count);
}

Mat_List_Item *Get_Vbm_Type_List(uint32_t mask, int32_t colour, int32_t *count, int32_t *codes)
{
    static char texts[20][50];
    static Mat_List_Item items[20];
    static const int32_t bit0[9] = {0, 1, 2, 11, 12, 13, 14, 15, 16};
    int32_t list[20], n = 0;
    if (mask & 0x20u) list[n++] = -2;
    if (mask & 0x10u) list[n++] = -1;
    if (mask & 0x01u)
        for (int i = 0; i < 9; i++) list[n++] = bit0[i];
    if (mask & 0x02u) {
        list[n++] = 29;
        list[n++] = 30;
    }
    if (mask & 0x04u)
        for (int32_t c = 25; c <= 28; c++) list[n++] = c;
    if (mask & 0x08u)
        for (int32_t c = 31; c <= 33; c++) list[n++] = c;
    for (int32_t i = 0; i < n; i++) {
        const int32_t c = list[i];
        const int32_t flag = (c >= -2 && c <= 1) ? 0 : 1;
        snprintf(texts[i], sizeof texts[i], "%s", Get_Vbm_Type_Name(c, flag));
        items[i].colour = colour;
        items[i].text = texts[i];
        if (codes) codes[i] = c;
    }
    if (count) *count = n;
    return items;
}

/* ---- screw lines */

#define SCREW_GETTER(fn, line, build, member, n) \
    Mat_List_Item *fn(int32_t *count)            \
    {                                            \
        build();                                 \
        if (count) *count = line.n;              \
        return line.member;                      \
    }

SCREW_GETTER(Get_Screw_Line_A_Heads, Line_A, Build_Screw_Line_A, heads, n_heads)
SCREW_GETTER(Get_Screw_Line_A_Threads, Line_A, Build_Screw_Line_A, threads, n_threads)
SCREW_GETTER(Get_Screw_Line_A_Tips, Line_A, Build_Screw_Line_A, tips, n_tips)
SCREW_GETTER(Get_Screw_Line_A_Diameters, Line_A, Build_Screw_Line_A, diameters, n_diameters)
SCREW_GETTER(Get_Screw_Line_B_Heads, Line_B, Build_Screw_Line_B, heads, n_heads)
SCREW_GETTER(Get_Screw_Line_B_Threads, Line_B, Build_Screw_Line_B, threads, n_threads)
SCREW_GETTER(Get_Screw_Line_B_Tips, Line_B, Build_Screw_Line_B, tips, n_tips)
SCREW_GETTER(Get_Screw_Line_B_Diameters, Line_B, Build_Screw_Line_B, diameters, n_diameters)

static const char *Item_Text(const Mat_List_Item *items, int32_t n, int32_t index)
{
    return (index >= 0 && index < n) ? items[index].text : "";
}

const char *Get_Screw_Head_Name_A(int32_t i)
{
    Build_Screw_Line_A();
    return Item_Text(Line_A.heads, Line_A.n_heads, i);
}
const char *Get_Screw_Head_Name_B(int32_t i)
{
    Build_Screw_Line_B();
    return Item_Text(Line_B.heads, Line_B.n_heads, i);
}
const char *Get_Screw_Thread_Name_A(int32_t i)
{
    Build_Screw_Line_A();
    return Item_Text(Line_A.threads, Line_A.n_threads, i);
}
const char *Get_Screw_Thread_Name_B(int32_t i)
{
    Build_Screw_Line_B();
    return Item_Text(Line_B.threads, Line_B.n_threads, i);
}
const char *Get_Screw_Tip_Name_A(int32_t i)
{
    Build_Screw_Line_A();
    return Item_Text(Line_A.tips, Line_A.n_tips, i);
}
const char *Get_Screw_Tip_Name_B(int32_t i)
{
    Build_Screw_Line_B();
    return Item_Text(Line_B.tips, Line_B.n_tips, i);
}

/* ---- list tools of the fastener input */

int32_t Popup_Coded_List(const Mat_Coded_Item *items, int32_t count, int32_t start, int32_t x,
                         int32_t y)
{
    Menue_Entry entries[100];
    if (!items || count < 1 || count >= 100 || start < 0 || start >= count) return -1;
    for (int32_t i = 0; i < count; i++) {
        entries[i].text = items[i].text;
        entries[i].help_key = nullptr;
        entries[i].active = 1;
    }
    const int chosen = Menue_Manager(x, y, entries, count);
    return (chosen >= 0 && chosen < count) ? items[chosen].code : -1;
}

int32_t Draw_Vbm_Bitmap(Vbm_Type_Code code, int32_t x, int32_t y)
{
    const char *file = nullptr;
    if (code == 0) file = "Nagel.bmp";
    else if (code >= 2 && code <= 10) file = "Schraube.bmp";
    else if (code == 11) file = "SPAX_Teil_Senk.bmp";
    else if (code == 12) file = "SPAX_Teil_Teller.bmp";
    else if (code == 13) file = "SPAX_Voll.bmp";
    else if (Is_Vbm_Special_Nail(code)) file = "SonderNagel.bmp";
    else if (code == 25) file = "Ringduebel_A1.bmp";
    else if (code == 26) file = "Scheibenduebel_C1.bmp";
    else if (code == 27) file = "Scheibenduebel_C5.bmp";
    else if (code == 28) file = "Scheibenduebel_C10.bmp";
    else if (code == 29) file = "Stabduebel_G10.bmp";
    else if (code == 30) file = "Bolzen.bmp";
    else if (code == 31) file = "Scheibenduebel_B1.bmp";
    else if (code == 32) file = "Scheibenduebel_C2.bmp";
    else if (code == 33) file = "Scheibenduebel_C11.bmp";
    if (!file) return 0;
    return pxDrawTransparentDIB(/*file=*/file, /*x1=*/x, /*y1=*/y, /*x2=*/x + 153, /*y2=*/y + 100,
                                /*mode=*/201, /*flag=*/0, /*r=*/-1, /*g=*/0, /*b=*/0)
               ? 1
               : 0;
}

Vbm_Type_Code Map_List_To_Vbm_Type(int32_t pos, int32_t c, int32_t v)
{
    if (pos == 0) return -2;
    if (pos == 1) return -1;
    if (pos == 2 || pos == 3) return pos - 2;
    if (pos == 4) return (c >= 0 && c <= 2 && v >= 0 && v <= 2) ? 2 + 3 * c + v : -999;
    if (pos >= 5 && pos <= 9) return pos + 6;
    if (pos == 10) {
        if (c >= 0 && c <= 2 && v >= 0 && v <= 2) return 16 + 3 * c + v;
        if (c >= 1 && c <= 3 && v >= 3 && v <= 5) return 34 + 3 * (c - 1) + (v - 3);
        return -999;
    }
    if (pos >= 11 && pos <= 19) return pos + 14;
    return -999;
}

int32_t Map_Vbm_Type_To_List(Vbm_Type_Code code, int32_t *c, int32_t *v)
{
    int32_t cc = 0, vv = 0, pos;
    if (code == -2) pos = 0;
    else if (code == -1) pos = 1;
    else if (code == 0 || code == 1) pos = code + 2;
    else if (code >= 2 && code <= 10) {
        pos = 4;
        cc = (code - 2) / 3;
        vv = (code - 2) % 3;
    } else if (code >= 11 && code <= 15) pos = code - 6;
    else if (code >= 16 && code <= 24) {
        pos = 10;
        cc = (code - 16) / 3;
        vv = (code - 16) % 3;
    } else if (code >= 34 && code <= 42) {
        pos = 10;
        cc = (code - 34) / 3 + 1;
        vv = (code - 34) % 3 + 3;
    } else if (code >= 25 && code <= 33) pos = code - 14;
    else return -1;
    if (c) *c = cc;
    if (v) *v = vv;
    return pos;
}

double Get_Fermacell_Thickness(int32_t grade)
{
    static const double t[5] = {10, 12.5, 15, 18, 25};
    return (grade >= 0 && grade <= 4) ? t[grade] : 0.0;
}

Vbm_Type_Code Get_Connector_Mirror(Vbm_Type_Code code)
{
    switch (code) {
    case 25: return 31;
    case 26: return 32;
    case 28: return 33;
    default: return code;
    }
}

Vbm_Type_Code Get_Connector_Base(Vbm_Type_Code code)
{
    switch (code) {
    case 31: return 25;
    case 32: return 26;
    case 33: return 28;
    default: return code;
    }
}

double Get_Panel_Angle_Limit(int32_t mode)
{
    return mode == 1 ? 60.0 : (mode == 0 || mode == 2) ? 40.0 : 0.0;
}

double Get_Screw_Head_Factor(int32_t index, double diameter)
{
    static const double f[11] = {5.9, 5.9, 5.9, 4.9, 7.8, -1, -1, 5.8, -1, -1, 5.25};
    if (fabs(diameter - 3.0) > 0.1 && fabs(diameter - 3.5) > 0.1) return -20.0;
    if (index < 0 || index > 10) return -10.0;
    return f[index];
}
