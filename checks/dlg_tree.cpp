/*
** The tree of the design checks on the management sheet: building and clearing it from the
** list of checks, the click handler that shows the property pages, the hint page, and the
** colour sets of the item images and of the check-list legend.
*/
#include <cstdio>
#include <memory>
#include <vector>

#include "checks/dlg_sheet.h"
#include "checks/nchw_def.h"
#include "checks/nchw_settings.h"
#include "foundation/ttool.h"
#include "platform/zelkgrft.h"
#include "platform/zelkwin.h"

Nchw_Sheet_Rec Nchw_Sheet = {};
int32_t Nchw_Tree_Sel[4] = {-1, -1, -1, -1};
int (*Nchw_Tree_Filter)(int32_t type_id) = nullptr;
TreeView *Nchw_Tree = nullptr;

int Nchw_Auto_Xtr_Exist(void) { return Auto_Xtr_Situations != 0; }

static TreeViewItem *Root = nullptr;

/* What an item of the tree stands for: a record of a level, or the root (no record). */
typedef struct Item_Data {
    int level; /* 0 check, 1 extremal rule, 2 collective, 3 generation rule */
    void *rec;
    TreeViewItem *item;
} Item_Data;

static std::vector<std::unique_ptr<Item_Data>> Items;
static Item_Data Root_Data = {-1, nullptr, nullptr};

/* ------------------------------------------------------------------ colours */

static int Image_Sets[4][7];
static int Image_Sets_Made = 0;
static int Legend_Sets[4][3] = {{-1, -1, -1}, {-1, -1, -1}, {-1, -1, -1}, {-1, -1, -1}};

static void Make_Image_Sets(void)
{
    if (Image_Sets_Made) return;
    static const int rgb[4][7][3] = {// clang-format off
        {{0, 0, 0}, {192, 192, 192}, {128, 128, 128}, {0, 0, 192}, {-1, -1, -1}, {255, 255, 255}, {-2, 0, 0}},
        {{0, 0, 0}, {192, 192, 192}, {128, 128, 128}, {255, 0, 0}, {-1, -1, -1}, {255, 255, 255}, {-2, 0, 0}},
        {{0, 0, 0}, {128, 128, 0}, {128, 128, 128}, {255, 0, 0}, {-1, -1, -1}, {255, 255, 0}, {255, 255, 255}},
                                     // clang-format on
                                     {{0, 0, 0},
                                      {128, 128, 128},
                                      {128, 224, 128},
                                      {-1, -1, -1},
                                      {255, 255, 255},
                                      {-2, 0, 0},
                                      {-2, 0, 0}}};
    for (int s = 0; s < 4; s++)
        for (int i = 0; i < 7; i++)
            Image_Sets[s][i] = rgb[s][i][0] < 0
                                   ? -1
                                   : Nearest_Color_Index(rgb[s][i][0], rgb[s][i][1], rgb[s][i][2]);
    Image_Sets_Made = 1;
}

void Nchw_Legend_Colors_1(void)
{
    if (Legend_Sets[0][0] < 0) {
        Legend_Sets[0][0] = Nearest_Color_Index(0, 0, 0);
        Legend_Sets[0][1] = Nearest_Color_Index(255, 255, 0);
    }
}
void Nchw_Legend_Colors_2(void)
{
    if (Legend_Sets[1][0] < 0) Legend_Sets[1][0] = Nearest_Color_Index(192, 192, 192);
}
void Nchw_Legend_Colors_3(void)
{
    if (Legend_Sets[2][0] < 0) {
        Legend_Sets[2][0] = Nearest_Color_Index(0, 0, 0);
        Legend_Sets[2][1] = Nearest_Color_Index(0, 0, 255);
        Legend_Sets[2][2] = Nearest_Color_Index(255, 255, 255);
    }
}
void Nchw_Legend_Colors_4(void)
{
    if (Legend_Sets[3][0] < 0) {
        Legend_Sets[3][0] = Nearest_Color_Index(255, 0, 0);
        Legend_Sets[3][1] = Nearest_Color_Index(255, 255, 255);
    }
}

/* ------------------------------------------------------------------ helpers of the pages */

void Nchw_Act(int handle, int state)
{
    if (handle > 0 && Nchw_Sheet.open) Change_Activity_PS(handle, state);
}

void Nchw_Clear_Page_Area(void)
{
    const int x = Nchw_Sheet.x, y = Nchw_Sheet.y;
    pxFgc(BACKGROUND_CI);
    pxRect(x + NCHW_PAGE_X1, y + NCHW_PAGE_Y1, x + NCHW_PAGE_X2, y + NCHW_PAGE_Y2);
    pxFgc(SHADOW_CI);
    pxLine(x + NCHW_PAGE_X1, y + NCHW_PAGE_Y1, x + NCHW_PAGE_X2, y + NCHW_PAGE_Y1);
    pxLine(x + NCHW_PAGE_X1, y + NCHW_PAGE_Y1, x + NCHW_PAGE_X1, y + NCHW_PAGE_Y2);
    pxFgc(WHITE_CI);
    pxLine(x + NCHW_PAGE_X1, y + NCHW_PAGE_Y2, x + NCHW_PAGE_X2, y + NCHW_PAGE_Y2);
    pxLine(x + NCHW_PAGE_X2, y + NCHW_PAGE_Y1, x + NCHW_PAGE_X2, y + NCHW_PAGE_Y2);
}

/* ------------------------------------------------------------------ building and clearing */

static TreeViewItem *Add_Item(TreeViewItem *parent, int level, void *rec, int32_t number,
                              const char *name, int image)
{
    char label[80];
    char trimmed[40];
    snprintf(trimmed, sizeof trimmed, "%s", Trim_Blanks(name));
    snprintf(label, sizeof label, "%d: %s", (int)number, trimmed);
    Items.push_back(std::make_unique<Item_Data>(Item_Data{level, rec, nullptr}));
    Item_Data *d = Items.back().get();
    d->item = addTreeViewItem(Nchw_Tree, parent, Trim_Blanks(label), image, d);
    return d->item;
}

TreeViewItem *Nchw_Tree_Item_Of(int level, const void *rec)
{
    for (auto &d : Items)
        if (d->level == level && d->rec == rec) return d->item;
    return nullptr;
}

void Build_Nchw_TreeView(int recreate)
{
    if (!Nchw_Sheet.open) return;
    int32_t keep[4];
    for (int i = 0; i < 4; i++) {
        keep[i] = Nchw_Tree_Sel[i];
        Nchw_Tree_Sel[i] = -1;
    }
    if (recreate && Nchw_Tree) {
        deleteTreeView(Nchw_Tree);
        Nchw_Tree = nullptr;
        Root = nullptr;
        Items.clear();
    }
    if (!Nchw_Tree) {
        Nchw_Tree = newTreeView(Nchw_Sheet.x + 8, Nchw_Sheet.y + NCHW_PAGE_Y1, Nchw_Sheet.x + 255,
                                Nchw_Sheet.y + NCHW_PAGE_Y2, Nchw_Tree_Event, 51);
        Root = nullptr;
    }
    if (Nchw_Tree && !Root)
        Root = addTreeViewItem(Nchw_Tree, nullptr, "Nachweise", TVI_FOLDER_OPEN, &Root_Data);
    if (!Nchw_Tree || !Root) {
        fputs("Can't create NCHWTREEROOT\n", stdout);
        Nchw_Tree = nullptr;
        Root = nullptr;
        return;
    }
    Root_Data.item = Root;
    TreeViewItem *show = nullptr;
    for (Nchw_Rec *c = Nchw_List_Head; c; c = c->next) {
        if (Nchw_Tree_Filter && !Nchw_Tree_Filter(c->type ? Nchw_Type_Id(c->type) : 0)) continue;
        TreeViewItem *ci = Add_Item(Root, 0, c, c->number, c->name, TVI_DOCUMENT);
        c->tree_item = (intptr_t)ci;
        if (ci) expandTreeViewItem(ci, c->tree_state == 2);
        const bool remembered = c->number == keep[0];
        if (remembered) {
            show = ci;
            Nchw_Tree_Sel[0] = keep[0];
        }
        for (Xtr_Rule_Rec *x = c->xtr_head; x; x = x->next) {
            TreeViewItem *it = Add_Item(ci, 1, x, x->number, x->name, TVI_BOX_GREY);
            x->tree_item = (intptr_t)it;
            if (remembered && x->number == keep[1]) {
                show = it;
                Nchw_Tree_Sel[1] = keep[1];
            }
        }
        for (Lkom_Rec *l = c->lkom_head; l; l = l->next) {
            TreeViewItem *it = Add_Item(ci, 2, l, l->number, l->name, TVI_FOLDER_CLOSED);
            l->tree_item = (intptr_t)it;
            if (remembered && l->number == keep[2]) {
                show = it;
                Nchw_Tree_Sel[2] = keep[2];
            }
        }
        for (GenRule_Rec *g = c->genrule_head; g; g = g->next) {
            TreeViewItem *it = Add_Item(ci, 3, g, g->number, g->name, TVI_PLUS);
            g->tree_item = (intptr_t)it;
            if (remembered && g->number == keep[3]) {
                show = it;
                Nchw_Tree_Sel[3] = keep[3];
            }
        }
    }
    Make_Image_Sets();
    if (show) showTreeViewElement(Nchw_Tree, show, 1);
}

void Clear_Nchw_TreeView(int redraw)
{
    for (Nchw_Rec *c = Nchw_List_Head; c; c = c->next) {
        for (Xtr_Rule_Rec *x = c->xtr_head; x; x = x->next) {
            if (Nchw_Tree && x->tree_item)
                removeTreeViewElement(Nchw_Tree, (TreeViewItem *)x->tree_item);
            x->tree_item = 0;
        }
        for (Lkom_Rec *l = c->lkom_head; l; l = l->next) {
            if (Nchw_Tree && l->tree_item)
                removeTreeViewElement(Nchw_Tree, (TreeViewItem *)l->tree_item);
            l->tree_item = 0;
        }
        for (GenRule_Rec *g = c->genrule_head; g; g = g->next) g->tree_item = 0;
        if (Nchw_Tree && c->tree_item)
            removeTreeViewElement(Nchw_Tree, (TreeViewItem *)c->tree_item);
        c->tree_item = 0;
    }
    Items.clear();
    if (!Nchw_Tree) return;
    clearTreeViewSelection(Nchw_Tree);
    if (redraw && Nchw_Sheet.open) redrawTreeView(Nchw_Tree);
}

/* ------------------------------------------------------------------ events and the hint page */

int Nchw_Tree_Event(TreeView *tree, TreeViewItem *item, int event, int extra)
{
    Item_Data *d = item ? (Item_Data *)getTreeViewItemData(item) : nullptr;
    if (!(event & 3) || !d) return Default_TreeView_Check_Event_Fct(tree, item, event, extra);
    setTreeViewSelection(tree, item);
    const bool twice = (event & 2) != 0;
    if (!d->rec) {
        Show_Nchw_Hint_Page();
    } else if (d->level == 0) {
        Nchw_Rec *c = (Nchw_Rec *)d->rec;
        Show_Nchw_Properties(c);
        if (twice) {
            c->tree_state = c->tree_state == 2 ? 0 : 2;
            return Default_TreeView_Check_Event_Fct(tree, item, event, extra);
        }
        return 0;
    } else if (d->level == 1) {
        Show_Xtr_Properties((Xtr_Rule_Rec *)d->rec);
    } else if (d->level == 2) {
        Show_Lkom_Properties((Lkom_Rec *)d->rec);
    } else {
        Show_GenRule_Properties((GenRule_Rec *)d->rec);
    }
    return twice ? Default_TreeView_Check_Event_Fct(tree, item, event, extra) : 0;
}

void Show_Nchw_Hint_Page(void)
{
    Hide_Nchw_Properties();
    Hide_Xtr_Properties();
    Hide_Lkom_Properties();
    Hide_GenRule_Properties();
    Nchw_Sheet.page_flag = 1;
    Nchw_Clear_Page_Area();
    const int x = Nchw_Sheet.x, y = Nchw_Sheet.y;
    Pop_RFont(4096);
    pxFgc(BLACK_CI);
    pxText(x + 340, y + 145, "Klicken Sie auf den nebenstehend", -1);
    pxText(x + 340, y + 160, "dargestellten Button, um einen", -1);
    pxText(x + 340, y + 175, "neuen Nachweis zu erzeugen.", -1);
    Draw_TreeViewImage(TVI_DOCUMENT, x + 320, y + 145);
    pxLine(x + 301, y + 136, x + 308, y + 136);
    pxLine(x + 301, y + 137, x + 308, y + 137);
    pxLine(x + 304, y + 133, x + 304, y + 140);
    pxLine(x + 305, y + 133, x + 305, y + 140);
    if (Nchw_List_Head) {
        pxText(x + 340, y + 220, "Klicken Sie im Baumfenster auf einen", -1);
        pxText(x + 340, y + 235, "der bereits eingerichteten Nachweise,", -1);
        pxText(x + 340, y + 250, "um dessen Eigenschaften zu bearbeiten.", -1);
        pxLine(x + 270, y + 217, x + 330, y + 217);
        pxLine(x + 270, y + 217, x + 278, y + 212);
        pxLine(x + 270, y + 217, x + 278, y + 222);
    }
    static const char *const hint[] = {"Da den einzelnen Nachweisen Extremierungen",
                                       "und Lastkollektive zugeordnet werden m\x81ssen,",
                                       "die auf bestehende Einwirkungen und Lastf\x84lle",
                                       "Bezug nehmen, ist es unbedingt sinnvoll,",
                                       "zun\x84"
                                       "chst Einwirkungen und Lastf\x84lle komplett",
                                       "zu beschreiben.",
                                       "Weitere Informationen zu diesem Themenbereich:",
                                       "siehe Online-Hilfe"};
    pxDrawTransparentDIB(/*file=*/"infospot.bmp", /*x1=*/x + 275, /*y1=*/y + 280, /*x2=*/x + 307,
                         /*y2=*/y + 312, /*mode=*/201, /*flag=*/0, /*r=*/192, /*g=*/192, /*b=*/192);
    for (int i = 0; i < 8; i++) pxText(x + 275, y + 318 + 13 * i, hint[i], -1);
    Push_RFont();
    Nchw_Tree_Sel[0] = Nchw_Tree_Sel[1] = Nchw_Tree_Sel[2] = -1;
}
