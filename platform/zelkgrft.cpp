/*
** Our stand-in for the tree-view and print-list table library: MT_String_Length, the small
** tree-view images, the tree view inside a property sheet, and the sheet that shows a
** "#SHOWTABLE" block of a print list.
*/
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "platform/zelkgrft.h"
#include "platform/zelkwin_sheet.h"

/* ---------------------------------------------------------------- texts */

int MT_String_Length(const char *text)
{
    if (!text) return 0;
    int n = 0;
    for (const unsigned char *p = (const unsigned char *)text; *p;) {
        if (*p != 0xCE) {
            n++;
            p++;
            continue;
        }
        if (!p[1]) break;
        if (p[1] == '{') { /* a drawing group: nothing of it is text */
            const unsigned char *e = (const unsigned char *)strchr((const char *)p + 2, '}');
            if (!e) break;
            p = e + 1;
            continue;
        }
        p += 2;
    }
    return n;
}

/* ---------------------------------------------------------------- images */

void Draw_TreeViewImage(int image, int cx, int cy)
{
    using namespace zw;
    Ensure_Init();
    int x = cx - 6, y = cy - 6;
    int old = pxQFgc();
    switch (image) {
    case TVI_BOX_EMPTY:
    case TVI_BOX_TICKED:
    case TVI_BOX_GREY:
    case TVI_CHECK:
        Fill_Rect_Rgb(x, y, x + 12, y + 12, image == TVI_BOX_GREY ? 0xD4D0C8 : 0xFFFFFF);
        Frame_Rect(x, y, x + 12, y + 12, SHADOW_CI);
        if (image != TVI_BOX_EMPTY) {
            pxFgc(image == TVI_BOX_GREY ? DISABLED_CI : Nearest_RGB_Color(16, 120, 16));
            pxTkLn(x + 3, y + 6, x + 5, y + 9, 2);
            pxTkLn(x + 5, y + 9, x + 9, y + 3, 2);
        }
        break;
    case TVI_FOLDER_CLOSED:
    case TVI_FOLDER_OPEN:
        Fill_Rect_Rgb(x, y + 2, x + 5, y + 3, 0xC8A040);
        Fill_Rect_Rgb(x, y + 3, x + 12, y + 11, image == TVI_FOLDER_OPEN ? 0xF0D070 : 0xE0B850);
        Frame_Rect(x, y + 3, x + 12, y + 11, BROWN_CI);
        break;
    case TVI_DOCUMENT:
        Fill_Rect_Rgb(x + 2, y, x + 10, y + 12, 0xFFFFFF);
        Frame_Rect(x + 2, y, x + 10, y + 12, SHADOW_CI);
        pxFgc(SHADOW_CI);
        for (int k = 3; k <= 9; k += 3) pxLine(x + 4, y + k, x + 8, y + k);
        break;
    case TVI_OPTION_OFF:
    case TVI_OPTION_ON: {
        int xs[8], ys[8];
        static const int ox[8] = {4, 8, 12, 12, 8, 4, 0, 0}, oy[8] = {0, 0, 4, 8, 12, 12, 8, 4};
        for (int i = 0; i < 8; i++) {
            xs[i] = x + ox[i];
            ys[i] = y + oy[i];
        }
        pxFgc(WHITE_CI);
        pxFill(8, xs, ys);
        pxFgc(SHADOW_CI);
        for (int i = 0; i < 8; i++) pxLine(xs[i], ys[i], xs[(i + 1) % 8], ys[(i + 1) % 8]);
        if (image == TVI_OPTION_ON) {
            pxFgc(BLACK_CI);
            pxRect(x + 4, y + 4, x + 8, y + 8);
        }
        break;
    }
    case TVI_PLUS:
    case TVI_MINUS:
        Fill_Rect_Rgb(x + 2, y + 2, x + 10, y + 10, 0xFFFFFF);
        Frame_Rect(x + 2, y + 2, x + 10, y + 10, SHADOW_CI);
        Fill_Rect_Rgb(x + 4, y + 6, x + 8, y + 6, 0);
        if (image == TVI_PLUS) Fill_Rect_Rgb(x + 6, y + 4, x + 6, y + 8, 0);
        break;
    case TVI_CROSS:
        pxFgc(Nearest_RGB_Color(192, 16, 16));
        pxTkLn(x + 2, y + 2, x + 10, y + 10, 2);
        pxTkLn(x + 2, y + 10, x + 10, y + 2, 2);
        break;
    default: break;
    }
    pxFgc(old);
}

/* ---------------------------------------------------------------- tree view */

struct TreeViewItem {
    std::string text;
    int image = 0;
    void *data = nullptr;
    TreeViewItem *parent = nullptr;
    std::vector<TreeViewItem *> kids;
    bool open = true;
};

struct TreeView {
    int x1, y1, x2, y2;
    TreeView_Event_Fct event;
    int code;
    std::vector<TreeViewItem *> roots;
    TreeViewItem *selection = nullptr;
    int top = 0;
};

static std::set<TreeView *> &Live_Trees()
{
    static std::set<TreeView *> s;
    return s;
}

static const int Row_H = 18;

static void Flatten(std::vector<TreeViewItem *> &items, std::vector<TreeViewItem *> &out)
{
    for (auto *it : items) {
        out.push_back(it);
        if (it->open) Flatten(it->kids, out);
    }
}

static void Free_Items(std::vector<TreeViewItem *> &items)
{
    for (auto *it : items) {
        Free_Items(it->kids);
        delete it;
    }
    items.clear();
}

static bool Contains(TreeViewItem *root, TreeViewItem *x)
{
    for (; x; x = x->parent)
        if (x == root) return true;
    return false;
}

TreeView *newTreeView(int x1, int y1, int x2, int y2, TreeView_Event_Fct event, int code)
{
    zw::Ensure_Init();
    TreeView *t = new TreeView{std::min(x1, x2),
                               std::min(y1, y2),
                               std::max(x1, x2),
                               std::max(y1, y2),
                               event,
                               code,
                               {},
                               nullptr,
                               0};
    Live_Trees().insert(t);
    zw::Add_Tree_Control(t, t->x1, t->y1, t->x2, t->y2, code);
    return t;
}

void deleteTreeView(TreeView *tree)
{
    if (!tree || !Live_Trees().count(tree)) return;
    zw::Remove_Tree_Control(tree);
    Free_Items(tree->roots);
    Live_Trees().erase(tree);
    delete tree;
}

void zw::Trees_Reset()
{
    for (TreeView *t : std::vector<TreeView *>(Live_Trees().begin(), Live_Trees().end()))
        deleteTreeView(t);
}

TreeViewItem *addTreeViewItem(TreeView *tree, TreeViewItem *parent, const char *text, int image,
                              void *data)
{
    if (!tree) return nullptr;
    TreeViewItem *it = new TreeViewItem;
    it->text = text ? text : "";
    it->image = image;
    it->data = data;
    it->parent = parent;
    (parent ? parent->kids : tree->roots).push_back(it);
    return it;
}

void removeTreeViewElement(TreeView *tree, TreeViewItem *item)
{
    if (!tree || !item) return;
    auto &list = item->parent ? item->parent->kids : tree->roots;
    for (size_t i = 0; i < list.size(); i++)
        if (list[i] == item) {
            if (tree->selection && Contains(item, tree->selection)) tree->selection = nullptr;
            list.erase(list.begin() + (long)i);
            std::vector<TreeViewItem *> one{item};
            Free_Items(one);
            return;
        }
}

void setTreeViewSelection(TreeView *tree, TreeViewItem *item)
{
    if (tree) tree->selection = item;
}

TreeViewItem *getTreeViewSelection(TreeView *tree) { return tree ? tree->selection : nullptr; }

void clearTreeViewSelection(TreeView *tree)
{
    if (tree) tree->selection = nullptr;
}

void redrawTreeView(TreeView *tree)
{
    if (!tree) return;
    zw::Tree_Draw(tree, 1);
    zw::Present();
}

void showTreeViewElement(TreeView *tree, TreeViewItem *item, int select)
{
    if (!tree || !item) return;
    for (TreeViewItem *p = item->parent; p; p = p->parent) p->open = true;
    std::vector<TreeViewItem *> rows;
    Flatten(tree->roots, rows);
    int rows_seen = (tree->y2 - tree->y1 - 3) / Row_H;
    for (int i = 0; i < (int)rows.size(); i++)
        if (rows[(size_t)i] == item) {
            if (i < tree->top) tree->top = i;
            if (i >= tree->top + rows_seen) tree->top = i - rows_seen + 1;
        }
    if (select) tree->selection = item;
}

void *getTreeViewItemData(TreeViewItem *item) { return item ? item->data : nullptr; }

int getTreeViewItemLevel(TreeViewItem *item)
{
    int n = -1;
    for (; item; item = item->parent) n++;
    return n < 0 ? 0 : n;
}

void setTreeViewItemText(TreeViewItem *item, const char *text)
{
    if (item) item->text = text ? text : "";
}

void setTreeViewItemImage(TreeViewItem *item, int image)
{
    if (item) item->image = image;
}

void expandTreeViewItem(TreeViewItem *item, int open)
{
    if (item) item->open = open != 0;
}

int Default_TreeView_Check_Event_Fct(TreeView *tree, TreeViewItem *item, int event, int extra)
{
    if (!tree || !item) return 0;
    if (event & 8) item->open = !item->open;
    if (event & 3) {
        tree->selection = item;
        if (extra == 1 && (item->image == TVI_BOX_EMPTY || item->image == TVI_BOX_TICKED))
            item->image = item->image == TVI_BOX_EMPTY ? TVI_BOX_TICKED : TVI_BOX_EMPTY;
    }
    return 0;
}

void zw::Tree_Draw(TreeView *tree, int state)
{
    if (!tree || state < 0 || !Live_Trees().count(tree)) return;
    Fill_Rect_Rgb(tree->x1, tree->y1, tree->x2, tree->y2, 0xFFFFFF);
    Bevel(tree->x1, tree->y1, tree->x2, tree->y2, false);
    int ov[4];
    pxQVwp(&ov[0], &ov[1], &ov[2], &ov[3]);
    pxView(tree->x1 + 2, tree->y1 + 2, tree->x2 - 2, tree->y2 - 2);
    std::vector<TreeViewItem *> rows;
    Flatten(tree->roots, rows);
    for (int i = tree->top; i < (int)rows.size(); i++) {
        int y = tree->y1 + 2 + (i - tree->top) * Row_H;
        if (y > tree->y2) break;
        TreeViewItem *it = rows[(size_t)i];
        int x = tree->x1 + 4 + getTreeViewItemLevel(it) * 16;
        if (!it->kids.empty()) Draw_TreeViewImage(it->open ? TVI_MINUS : TVI_PLUS, x + 6, y + 9);
        int tx = x + 14;
        if (it->image) {
            Draw_TreeViewImage(it->image, tx + 6, y + 9);
            tx += 17;
        }
        if (it == tree->selection)
            Fill_Rect_Rgb(tx - 2, y + 1, tx + Text_Width(it->text.c_str(), 0x1000) + 2,
                          y + Row_H - 2, 0x99B4D1);
        Text_Rgb(tx, y + 13, it->text.c_str(), state > 0 ? 0x000000 : 0xA0A0A0, 0x1000);
    }
    pxView(ov[0], ov[1], ov[2], ov[3]);
}

void zw::Tree_Rect(TreeView *tree, int *x1, int *y1, int *x2, int *y2)
{
    *x1 = tree ? tree->x1 : 0;
    *y1 = tree ? tree->y1 : 0;
    *x2 = tree ? tree->x2 : -1;
    *y2 = tree ? tree->y2 : -1;
}

int zw::Tree_Click(TreeView *tree, int x, int y, int button, int dbl)
{
    if (!tree || !Live_Trees().count(tree)) return 0;
    std::vector<TreeViewItem *> rows;
    Flatten(tree->roots, rows);
    int i = tree->top + (y - tree->y1 - 2) / Row_H;
    if (i < 0 || i >= (int)rows.size()) return 0;
    TreeViewItem *it = rows[(size_t)i];
    int lx = tree->x1 + 4 + getTreeViewItemLevel(it) * 16;
    int event, extra = 0;
    if (!it->kids.empty() && x >= lx && x < lx + 13) {
        event = 8;
    } else {
        event = button == 2 ? 4 : dbl ? 2 : 1;
        if (it->image && x >= lx + 14 && x < lx + 27) extra = 1;
    }
    int r = tree->event ? tree->event(tree, it, event, extra)
                        : Default_TreeView_Check_Event_Fct(tree, it, event, extra);
    if (Live_Trees().count(tree)) redrawTreeView(tree);
    return r;
}

void zw::Tree_Move(TreeView *tree, int dx, int dy)
{
    if (!tree || !Live_Trees().count(tree)) return;
    tree->x1 += dx;
    tree->x2 += dx;
    tree->y1 += dy;
    tree->y2 += dy;
}

void zw::Tree_Wheel(TreeView *tree, int steps)
{
    if (!tree) return;
    std::vector<TreeViewItem *> rows;
    Flatten(tree->roots, rows);
    tree->top = std::max(0, std::min((int)rows.size() - 1, tree->top - steps));
    redrawTreeView(tree);
}

/* ---------------------------------------------------------------- print-list table sheet */

struct OLITable {
    std::vector<std::vector<std::string>> rows; /* header rows first */
    int header_rows = 0;
    std::vector<double> separators;
};

static int table_bg = -1, table_alt = -1, table_head = -1;

void getOLITableColours(int *background, int *alternate, int *header)
{
    if (table_bg < 0) {
        table_bg = WHITE_CI;
        table_alt = Nearest_RGB_Color(240, 240, 240);
        table_head = BUTTON_CI;
    }
    if (background) *background = table_bg;
    if (alternate) *alternate = table_alt;
    if (header) *header = table_head;
}

void setOLITableColours(int background, int alternate, int header)
{
    table_bg = background;
    table_alt = alternate;
    table_head = header;
}

/* The visible bytes of a print-list text: escapes and drawing groups dropped. */
static std::string Plain(const std::string &s)
{
    std::string out;
    for (size_t i = 0; i < s.size(); i++) {
        unsigned char c = (unsigned char)s[i];
        if (c != 0xCE) {
            out += (char)c;
            continue;
        }
        if (i + 1 < s.size() && s[i + 1] == '{') {
            size_t e = s.find('}', i + 2);
            i = e == std::string::npos ? s.size() : e;
            continue;
        }
        i++;
    }
    return out;
}

static std::vector<std::string> Split_Cells(const std::string &line,
                                            const std::vector<double> &seps)
{
    std::string plain = Plain(line);
    std::vector<std::string> cells;
    size_t start = 0;
    for (double sp : seps) {
        size_t end = sp < 0 ? 0 : (size_t)lround(sp);
        if (end > plain.size()) end = plain.size();
        if (end < start) end = start;
        cells.push_back(plain.substr(start, end - start));
        start = end;
    }
    cells.push_back(start < plain.size() ? plain.substr(start) : "");
    for (auto &c : cells) {
        size_t a = c.find_first_not_of(' '), b = c.find_last_not_of(' ');
        c = a == std::string::npos ? "" : c.substr(a, b - a + 1);
    }
    return cells;
}

OLITable *readOLITableFromFILE(FILE *file)
{
    if (!file) return nullptr;
    char buf[4096];
    bool found = false;
    while (fgets(buf, sizeof buf, file))
        if (!strncmp(buf, "#SHOWTABLE", 10)) {
            found = true;
            break;
        }
    if (!found) return nullptr;
    OLITable *t = new OLITable;
    int a = 0, b = 0, c = 0;
    if (!fgets(buf, sizeof buf, file) || sscanf(buf, "%d %d %d", &a, &b, &c) != 3 || a < 0 || b < 0
        || c < 0 || a + b + c > 1000) {
        delete t;
        return nullptr;
    }
    for (int i = 0; i < a + b + c; i++) /* title lines */
        if (!fgets(buf, sizeof buf, file)) break;
    int h = 0, unit = 0, x1 = 0, x2 = 0, seps = 0;
    if (!fgets(buf, sizeof buf, file)) {
        delete t;
        return nullptr;
    }
    int n = sscanf(buf, "%d %d %d %d %d", &h, &unit, &x1, &x2, &seps);
    if (n < 4 || h < 0 || h > 10) {
        delete t;
        return nullptr;
    }
    if (n < 5 || seps < 0 || seps > 200) seps = 0;
    t->header_rows = h + (unit ? 1 : 0);
    if (seps > 0 && fgets(buf, sizeof buf, file)) {
        char *p = buf;
        for (int i = 0; i < seps; i++) {
            char *end;
            double v = strtod(p, &end);
            if (end == p) break;
            t->separators.push_back(v);
            p = end;
        }
    }
    int line_no = 0;
    while (fgets(buf, sizeof buf, file)) {
        if (!strncmp(buf, "#END_OF_TEXT", 12)) break;
        std::string line(buf, strcspn(buf, "\r\n"));
        std::string plain = Plain(line);
        if (plain.find_first_not_of(' ') == std::string::npos
            && line.find("\xCE{") != std::string::npos)
            continue; /* a line holding only a rule */
        t->rows.push_back(Split_Cells(line, t->separators));
        if (++line_no > 100000) break;
    }
    return t;
}

int OLITable_Rows(const OLITable *table) { return table ? (int)table->rows.size() : 0; }

const char *OLITable_Cell(const OLITable *table, int row, int column)
{
    if (!table || row < 0 || row >= (int)table->rows.size()) return nullptr;
    const auto &r = table->rows[(size_t)row];
    if (column < 0 || column >= (int)r.size()) return nullptr;
    return r[(size_t)column].c_str();
}

void deleteOLITable(OLITable *table) { delete table; }

static void Table_Draw(int first, int sx, int sy, int x1, int y1, int x2, int y2, void *user)
{
    (void)first;
    (void)sx;
    const OLITable *t = (const OLITable *)user;
    int bg, alt, head;
    getOLITableColours(&bg, &alt, &head);
    zw::Fill_Rect_Rgb(x1, y1, x2, y2, zw::Colour_Rgb(bg));
    int cols = (int)t->separators.size() + 1;
    std::vector<int> colx((size_t)cols + 1, 0);
    double cw = 7.0;
    for (int c = 0; c < cols; c++)
        colx[(size_t)c] = c == 0 ? 0 : (int)lround(t->separators[(size_t)c - 1] * cw);
    for (size_t r = 0; r < t->rows.size(); r++) {
        int y = y1 + (int)r * 18 - sy;
        if (y + 18 < y1 || y > y2) continue;
        int fill = (int)r < t->header_rows ? head : (r % 2 ? alt : bg);
        zw::Fill_Rect_Rgb(x1, y, x2, y + 17, zw::Colour_Rgb(fill));
        for (int c = 0; c < cols && c < (int)t->rows[r].size(); c++)
            zw::Text_Rgb(x1 + 6 + colx[(size_t)c] - sx, y + 13, t->rows[r][(size_t)c].c_str(),
                         0x000000, (int)r < t->header_rows ? 0x11000 : 0x1000);
    }
}

int OLITablePropSheet(OLITable *table, const char *title, int x1, int y1, int x2, int y2)
{
    zw::Ensure_Init();
    if (!table) return 0;
    Check_Prop_Sheet_Frames(&x1, &y1, &x2, &y2);
    if (!Define_Prop_Sheet(x1, y1, x2, y2, 1, 0, title ? title : "", 40, 1)) return 0;
    int area = Add_Scrollable_Area_to_PS(PS_Scrollable_Area{.x1 = x1 + 12,
                                                            .y1 = y1 + 38,
                                                            .x2 = x2 - 26,
                                                            .y2 = y2 - 44,
                                                            .frame = 1,
                                                            .code = 0,
                                                            .step_x = 10,
                                                            .step_y = 18,
                                                            .draw = Table_Draw,
                                                            .user = table,
                                                            .active = 1});
    Add_VSlider_to_Scrollable_Area(area, 5, 10, -1, 0);
    Resize_Origin_of_Scrollable_Area_PS(area, x2 - x1, (int)table->rows.size() * 18);
    Add_Single_Button_to_PS(x2 - 50, y2 - 32, SYMBOLIC_OK_RASTER, nullptr, 1);
    Set_Windows_Break_Button(1);
    Activate_Prop_Sheet();
    while (Edit_Prop_Sheet() != 1) {}
    Undefine_Prop_Sheet();
    return 1;
}
