/*
** Table editor: the 55 table slots, row and column lists, the view with its buttons (built-in
** tree-view pictures with hot spots), input on the table, the column menu, the exchange sort and
** the fill dialog.
*/
#include "dialogs/table.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "dialogs/sva.h"
#include "foundation/foundation.h"
#include "platform/zelkgrft.h"
#include "platform/zelkwin.h"

Tbl_Record Tbl_Records[TBL_SLOTS];

static Tbl_Record *Table(int t)
{
    if (t < 0 || t >= TBL_SLOTS || !Tbl_Records[t].in_use) return nullptr;
    return &Tbl_Records[t];
}

static Tbl_Row *New_Row(const Tbl_Record *r, const void *data)
{
    Tbl_Row *row = (Tbl_Row *)calloc(1, sizeof(Tbl_Row));
    if (row == nullptr) return nullptr;
    row->data = calloc(1, (size_t)std::max(r->row_size, 1));
    if (row->data == nullptr) {
        free(row);
        return nullptr;
    }
    if (data) memcpy(row->data, data, (size_t)r->row_size);
    return row;
}

static void Free_Row(Tbl_Row *row)
{
    if (row == nullptr) return;
    free(row->data);
    free(row);
}

/* Link a row after another (null: at the front). */
static void Link_After(Tbl_Record *r, Tbl_Row *after, Tbl_Row *row)
{
    row->prev = after;
    row->next = after ? after->next : r->first;
    if (row->next) row->next->prev = row;
    else r->last = row;
    if (after) after->next = row;
    else r->first = row;
    r->row_count++;
}

static void Unlink(Tbl_Record *r, Tbl_Row *row)
{
    if (row->prev) row->prev->next = row->next;
    else r->first = row->next;
    if (row->next) row->next->prev = row->prev;
    else r->last = row->prev;
    if (r->cursor == row) r->cursor = nullptr;
    r->row_count--;
    Free_Row(row);
}

static Tbl_Row *Row_At(const Tbl_Record *r, int index1)
{
    int i = 1;
    for (Tbl_Row *row = r->first; row; row = row->next, i++)
        if (i == index1) return row;
    return nullptr;
}

static Tbl_Column *Column_At(const Tbl_Record *r, int index0)
{
    int i = 0;
    for (Tbl_Column *c = r->first_column; c; c = c->next, i++)
        if (i == index0) return c;
    return nullptr;
}

/* ------------------------------------------------------------------ slots */

int Tbl_Create(int area, int top, int left, int right, int row_height, int row_size, Tbl_Row_Fn fn)
{
    for (int t = 0; t < TBL_SLOTS; t++) {
        Tbl_Record *r = &Tbl_Records[t];
        if (r->in_use) continue;
        *r = Tbl_Record{};
        r->in_use = 1;
        r->area = area;
        r->top = top;
        r->left = left;
        r->right = right;
        r->row_height = row_height;
        r->row_size = row_size;
        r->row_fn = fn;
        return t;
    }
    return -1;
}

void Tbl_Set_Button(int table, int kind, int dx, int dy)
{
    Tbl_Record *r = Table(table);
    if (r == nullptr) return;
    Tbl_Button *b = kind == TBL_DELETE       ? &r->del
                    : kind == TBL_DUPLICATE  ? &r->dup
                    : kind == TBL_APPEND     ? &r->app
                    : kind == TBL_ROW_NUMBER ? &r->num
                                             : nullptr;
    if (b) *b = {1, dx, dy};
}

void Tbl_Set_Max_Rows(int table, int maximum)
{
    if (Tbl_Record *r = Table(table)) r->max_rows = maximum;
}

void Tbl_Add_Column(int table, int x, int y, int value, int flags, const char *format, int offset)
{
    Tbl_Record *r = Table(table);
    if (r == nullptr) return;
    Tbl_Column *c = (Tbl_Column *)calloc(1, sizeof(Tbl_Column));
    if (c == nullptr) return;
    snprintf(c->format, sizeof c->format, "%s", format ? format : "%14.3f");
    c->x = x;
    c->y = y;
    c->value = value;
    c->offset = offset;
    c->sortable = (flags & TBL_SORTABLE) != 0;
    c->fillable = (flags & TBL_FILLABLE) != 0;
    if (r->last_column) r->last_column->next = c;
    else r->first_column = c;
    r->last_column = c;
}

void Tbl_Set_Template(int table, const void *data)
{
    Tbl_Record *r = Table(table);
    if (r == nullptr) return;
    Tbl_Row *row = New_Row(r, data);
    if (row == nullptr) return; /* the table stays as it was */
    Free_Row(r->template_row);
    r->template_row = row;
}

void Tbl_Append_Row(int table, const void *data)
{
    Tbl_Record *r = Table(table);
    if (r == nullptr) return;
    Tbl_Row *row = New_Row(r, data);
    if (row) Link_After(r, r->last, row);
}

void Tbl_Clear_Rows(int table)
{
    Tbl_Record *r = Table(table);
    if (r == nullptr) return;
    while (r->first) Unlink(r, r->first);
    r->cursor = nullptr;
}

void Tbl_Move(int table, int top, int left)
{
    Tbl_Record *r = Table(table);
    if (r == nullptr) return;
    int dx = left - r->left, dy = top - r->top;
    r->left = left;
    r->top = top;
    r->right += dx;
    for (Tbl_Column *c = r->first_column; c; c = c->next) {
        c->x += dx;
        c->y += dy;
    }
}

int Tbl_Row_Count(int table)
{
    Tbl_Record *r = Table(table);
    return r ? r->row_count : 0;
}

void *Tbl_First_Row_Data(int table)
{
    Tbl_Record *r = Table(table);
    if (r == nullptr) return nullptr;
    r->cursor = r->first;
    return r->cursor ? r->cursor->data : nullptr;
}

void *Tbl_Next_Row_Data(int table)
{
    Tbl_Record *r = Table(table);
    if (r == nullptr || r->cursor == nullptr) return nullptr;
    r->cursor = r->cursor->next;
    return r->cursor ? r->cursor->data : nullptr;
}

int Tbl_Row_Index(int table, const void *data)
{
    Tbl_Record *r = Table(table);
    if (r == nullptr) return 0;
    int i = 1;
    for (Tbl_Row *row = r->first; row; row = row->next, i++)
        if (row->data == data) return i;
    return 0;
}

void Tbl_Delete(int table)
{
    Tbl_Record *r = Table(table);
    if (r == nullptr) return;
    Tbl_Clear_Rows(table);
    Free_Row(r->template_row);
    for (Tbl_Column *c = r->first_column; c;) {
        Tbl_Column *n = c->next;
        free(c);
        c = n;
    }
    *r = Tbl_Record{};
}

void Tbl_Free(int area)
{
    for (int t = 0; t < TBL_SLOTS; t++)
        if (Tbl_Records[t].in_use && Tbl_Records[t].area == area) Tbl_Delete(t);
}

int Tbl_Can_Grow(int table)
{
    Tbl_Record *r = Table(table);
    return r && (r->max_rows == 0 || r->max_rows > r->row_count) ? 1 : 0;
}

/* ------------------------------------------------------------------ view */

static void Button(int area, int image, int x, int y, int w, int h, int value, int *var,
                   const char *hint)
{
    SVA_Add_Tree_Image(area, image, x, y, x + w, y + h, BLACK_CI);
    if (var == nullptr) return;
    SVA_Add_Hotspot(area, x, y, x + w, y + h, value, var);
    SVA_Set_Last_Hotspot_Value(area, 18);
    if (hint) SVA_Set_Last_Hotspot_Text(area, hint, 266246, BLACK_CI, 0);
}

void Tbl_Build_View(int table)
{
    Tbl_Record *r = Table(table);
    if (r == nullptr) return;
    int light = Nearest_RGB_Color(232, 232, 232), grey = Nearest_RGB_Color(130, 130, 130);
    bool grow = Tbl_Can_Grow(table);
    int y = r->top, index = 1;
    for (Tbl_Row *row = r->first; row; row = row->next, index++) {
        SVA_Add_Filled_Rect(r->area, r->left, index == 1 ? y - 6 : y, r->right, y + r->row_height,
                            light);
        if (r->row_fn) r->row_fn(1, r->area, r->left, y, row->data);
        if (r->del.shown)
            Button(r->area, TVI_CROSS, r->left + r->del.dx, y + r->del.dy, 14, 16, index,
                   &r->mark_delete, "Zeile l\x94schen");
        if (r->dup.shown) {
            if (grow)
                Button(r->area, TVI_PLUS, r->left + r->dup.dx, y + r->dup.dy, 18, 16, index,
                       &r->mark_duplicate, "Zeile duplizieren");
            else
                Button(r->area, TVI_BOX_GREY, r->left + r->dup.dx, y + r->dup.dy, 18, 16, 0,
                       nullptr, nullptr);
        }
        if (r->num.shown) {
            char buf[16];
            snprintf(buf, sizeof buf, "%d:", index);
            SVA_Add_Text(r->area, r->left + r->num.dx, y + r->num.dy, buf, 4096, grey, 1);
        }
        y += r->row_height;
    }
    if (r->app.shown && grow) {
        SVA_Add_Filled_Rect(r->area, r->left, y, r->right, y + r->row_height - 5, light);
        Button(r->area, TVI_DOCUMENT, r->left + r->app.dx, y + r->app.dy, 35, 16, 1,
               &r->append_request, "neue Zeile anf\x81gen");
    }
    int ci = 1;
    for (Tbl_Column *c = r->first_column; c; c = c->next, ci++)
        Button(r->area, TVI_MINUS, c->x - 14, c->y - 8, 28, 16, ci, &r->mark_column, nullptr);
}

/* ------------------------------------------------------------------ sorting and filling */

static double *Cell(const Tbl_Record *r, Tbl_Row *row, const Tbl_Column *c)
{
    if (c->offset < 0 || c->offset + (int)sizeof(double) > r->row_size) return nullptr;
    return (double *)((char *)row->data + c->offset);
}

void Tbl_Sort_Column(int table, int column, int descending)
{
    Tbl_Record *r = Table(table);
    if (r == nullptr) return;
    Tbl_Column *c = Column_At(r, column);
    if (c == nullptr) return;
    for (Tbl_Row *a = r->first; a; a = a->next) {
        for (Tbl_Row *b = a->next; b; b = b->next) {
            double *va = Cell(r, a, c), *vb = Cell(r, b, c);
            if (va == nullptr || vb == nullptr) return;
            bool swap = descending ? *vb > *va : *va > *vb;
            if (swap) std::swap(a->data, b->data);
        }
    }
}

void Tbl_Fill_Column(int table, int column, int mode, int first, int last, double start,
                     double step)
{
    Tbl_Record *r = Table(table);
    if (r == nullptr) return;
    Tbl_Column *c = Column_At(r, column);
    if (c == nullptr) return;
    int index = 1, k = 0;
    for (Tbl_Row *row = r->first; row; row = row->next, index++) {
        if (mode == 2 && (index < first || index > last)) continue;
        double *v = Cell(r, row, c);
        if (v == nullptr) return;
        *v = start + k * step;
        k++;
    }
}

static int Fill_Cx = -1, Fill_Cy = -1;

int Tbl_Fill_Dialog(int table, int column)
{
    Tbl_Record *r = Table(table);
    if (r == nullptr) return 0;
    Tbl_Column *c = Column_At(r, column);
    if (c == nullptr) return 0;
    if (Fill_Cx < 0) {
        Fill_Cx = NPIXEL_X / 2;
        Fill_Cy = NPIXEL_Y / 2;
    }
    int x1 = Fill_Cx - 163, y1 = Fill_Cy - 119, x2 = Fill_Cx + 163, y2 = Fill_Cy + 119;
    Check_Prop_Sheet_Frames(&x1, &y1, &x2, &y2);
    int old = pxBuff(-1);
    Define_Prop_Sheet(x1, y1, x2, y2, 1, 1, "Tabellenspalte belegen", 40, 1);
    Draw_Funny_Text_to_PS(x1 + 21, y1 + 60, "anwenden auf", 0, 0);
    Draw_Funny_Text_to_PS(x1 + 21, y1 + 104, "erste Zeile", 0, 0);
    Draw_Funny_Text_to_PS(x1 + 168, y1 + 104, "letzte Zeile", 0, 0);
    Draw_Funny_Text_to_PS(x1 + 21, y1 + 141, "Startwert", 0, 0);
    Draw_Funny_Text_to_PS(x1 + 22, y1 + 153, "(f\x81r erste Zeile)", 1, 0);
    Draw_Funny_Text_to_PS(x1 + 21, y1 + 173, "Inkrement", 0, 0);
    Draw_Funny_Text_to_PS(x1 + 22, y1 + 185, "(Zuwachs f\x81r jede weitere Zeile)", 1, 0);
    static int mode = 1;
    double first = 1, last = 1000, start = 1.0, step = 0.0;
    int o1 = Add_Option_Button_to_PS(x1 + 110, y1 + 50, &mode, 1, 3);
    Add_Aligned_Connected_Text_to_Button_of_PS(o1, "gesamte Spalte", 0);
    int o2 = Add_Option_Button_to_PS(x1 + 110, y1 + 67, &mode, 2, 3);
    Add_Aligned_Connected_Text_to_Button_of_PS(o2, "Zeilenausschnitt", 0);
    int f1 = Add_Edit_Float_to_PS(x1 + 90, y1 + 91, 5, "%5.0f", &first, 4);
    int f2 = Add_Edit_Float_to_PS(x1 + 237, y1 + 91, 5, "%5.0f", &last, 5);
    char probe[64];
    snprintf(probe, sizeof probe, c->format, 1.0);
    int width = (int)strlen(probe);
    Add_Edit_Float_to_PS(x1 + 197, y1 + 133, width, c->format, &start, 0);
    Add_Edit_Float_to_PS(x1 + 197, y1 + 165, width, c->format, &step, 0);
    Add_Single_Button_to_PS(x1 + 19, y1 + 210, SYMBOLIC_BREAK_RASTER, "", 2);
    Add_Help_to_PS(x1 + 152, y1 + 210, "");
    Add_Single_Button_to_PS(x1 + 285, y1 + 210, SYMBOLIC_OK_RASTER, "", 1);
    Set_Prop_Sheet_Edit_Float_Auto_Mode(1);
    Change_Activity_PS(f1, mode == 2 ? 1 : 0);
    Change_Activity_PS(f2, mode == 2 ? 1 : 0);
    msStCu(x1 + 27, y1 + 218);
    Activate_Prop_Sheet();
    pxBuff(old);
    int code;
    for (;;) {
        code = Edit_Prop_Sheet();
        if (code == 3) {
            Change_Activity_PS(f1, mode == 2 ? 1 : 0);
            Change_Activity_PS(f2, mode == 2 ? 1 : 0);
        }
        if ((code == 3 || code == 4) && first > last) last = first;
        if (code == 5 && first > last) first = last;
        if (code == 1 || code == 2 || getkeymask() == 1) break;
    }
    Set_Prop_Sheet_Edit_Float_Auto_Mode(0);
    int dx = 0, dy = 0;
    Prop_Sheet_Displacement(&dx, &dy);
    Fill_Cx += dx;
    Fill_Cy += dy;
    Undefine_Prop_Sheet();
    if (code != 1) return 0;
    Tbl_Fill_Column(table, column, mode, (int)first, (int)last, start, step);
    return 1;
}

/* ------------------------------------------------------------------ input */

/* The column menu: two levels of the menu manager; its functions work on the column whose
** button was pressed. */
static int Menu_Table = -1, Menu_Column = -1;
static void Sort_Ascending(void) { Tbl_Sort_Column(Menu_Table, Menu_Column, 0); }
static void Sort_Descending(void) { Tbl_Sort_Column(Menu_Table, Menu_Column, 1); }
static void Fill_Menu_Column(void) { Tbl_Fill_Dialog(Menu_Table, Menu_Column); }

static const Menue_Item Order_Items[2] = {{"aufsteigend", 1, nullptr, " ", Sort_Ascending},
                                          {"absteigend", 1, nullptr, " ", Sort_Descending}};
static const Menue_Level Order_Menu = {2, 11, Order_Items};
static Menue_Item Column_Items[2] = {{"Spalte sortieren", 0, &Order_Menu, " ", nullptr},
                                     {"Spalte belegen", 0, nullptr, " ", Fill_Menu_Column}};
static const Menue_Level Column_Menu = {2, 16, Column_Items};

static void Run_Column_Menu(Tbl_Record *r, int table, int column)
{
    Tbl_Column *c = Column_At(r, column);
    if (c == nullptr) return;
    Menu_Table = table;
    Menu_Column = column;
    Column_Items[0].active = c->sortable;
    Column_Items[1].active = c->fillable;
    Menue_Manager(M_XPOS, M_YPOS, &Column_Menu);
}

int Tbl_Edit(int table)
{
    Tbl_Record *r = Table(table);
    if (r == nullptr) return 0;
    if (!M_LEFT) SVA_Track_Mouse(r->area);
    if (!M_LEFT) return 0;
    for (;;) {
        int ox = 0, oy = 0, sx = 0, sy = 0;
        SVA_Get_Screen_Origin(r->area, &ox, &oy);
        SVA_Inquire_Scroll(r->area, &sx, &sy);
        int x1 = ox + r->left - sx, x2 = ox + r->right - sx;
        int y1 = oy - sy + r->top - (r->first_column ? 25 : 0);
        int y2 = oy - sy + r->top + (r->row_count + (r->app.shown ? 1 : 0)) * r->row_height;
        if (M_XPOS < x1 || M_XPOS > x2 || M_YPOS < y1 || M_YPOS > y2) return 0;
        r->mark_delete = r->mark_duplicate = r->append_request = r->mark_column = 0;
        LAST_SHEET_EDIT_KEY = 0;
        int hit = SVA_Handle_Input(r->area);
        if (!hit) {
            while (M_LEFT && !getkeymask()) Get_Mouse_Event();
            return 1;
        }
        if (r->mark_delete && r->del.shown) {
            Tbl_Row *row = Row_At(r, r->mark_delete);
            r->mark_delete = 0;
            if (row) Unlink(r, row);
            return 2;
        }
        if (r->mark_duplicate && r->dup.shown) {
            Tbl_Row *row = Row_At(r, r->mark_duplicate);
            r->mark_duplicate = 0;
            if (row && Tbl_Can_Grow(table)) {
                Tbl_Row *copy = New_Row(r, row->data);
                if (copy) Link_After(r, row, copy);
            }
            return 2;
        }
        if (r->append_request && r->app.shown) {
            r->append_request = 0;
            if (Tbl_Can_Grow(table)) {
                Tbl_Row *copy = New_Row(r, r->template_row ? r->template_row->data : nullptr);
                if (copy) Link_After(r, r->last, copy);
            }
            return 2;
        }
        if (r->mark_column && r->first_column) {
            int column = r->mark_column - 1;
            r->mark_column = 0;
            Run_Column_Menu(r, table, column);
            SVA_Update(r->area);
            return 1;
        }
        /* An edit left with cursor down or up goes on in the same column of the next or the
    ** previous row: the mouse moves by one row and counts as pressed. */
        const Scrollable_View_Area *a = SVA_Get(r->area);
        const int visible_h = a != nullptr ? a->y2 - a->y1 : 0;
        if (LAST_SHEET_EDIT_KEY == 336) {
            M_YPOS += r->row_height;
            if (M_YPOS > oy + visible_h - r->row_height + 10) {
                int dx = 0, dy = a != nullptr && a->vslider ? r->row_height : 0;
                SVA_Scroll_By(r->area, &dx, &dy);
                M_YPOS -= dy;
            }
        } else if (LAST_SHEET_EDIT_KEY == 328) {
            M_YPOS -= r->row_height;
            if (M_YPOS < oy + 10 && sy > 0) {
                int dx = 0, dy = a != nullptr && a->vslider ? -r->row_height : 0;
                SVA_Scroll_By(r->area, &dx, &dy);
                M_YPOS -= dy;
            }
        } else {
            return 1;
        }
        M_LEFT = 1;
        SVA_Update(r->area);
    }
}
