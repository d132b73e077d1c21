/*
** Paged dialog runner: a property sheet built from a dialog descriptor and page descriptors
** (title, tabs, one view area and table per page, a button row by type), run until the user
** confirms (200) or cancels (100). Dialogs nest on a stack of at most 10 levels; the stack is
** shared with the single-page runner and the field registration of the input widgets.
*/
#include "dialogs/dlg.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

#include "dialogs/dlg_level.h"
#include "dialogs/finish.h"
#include "dialogs/sva.h"
#include "dialogs/table.h"
#include "dialogs/widgets.h"
#include "dialogs/widgets_input.h"
#include "platform/zelkwin.h"

int Dlg_Level = 0;
Dlg_Level_Entry Dlg_Levels[DLG_MAX_LEVELS + 1];

static int Paged_Cx = -1, Paged_Cy = -1; /* remembered centre of the paged runner */
static int Cursor_Switch = 1;

/* ------------------------------------------------------------------ descriptors */

void Dlg_Init_Descriptor(Dlg_Desc *d)
{
    if (d == nullptr) return;
    *d = Dlg_Desc{};
    d->type = 0;
    d->sheet_value = 40;
    d->max_height = 150;
    d->max_width = 200;
    d->margin_top = d->margin_bottom = d->margin_left = d->margin_right = 8;
    d->current_page = -1;
    d->preset_event = -1;
}

void Dlg_Init_Pages(int count, Dlg_Page *pages)
{
    if (pages == nullptr) return;
    for (int i = 0; i < count; i++) {
        Dlg_Page &p = pages[i];
        p = Dlg_Page{};
        p.state = 1;
        p.tab_colour = -9;
        p.tab_colour_disabled = -6;
        p.x = p.y = p.w = p.h = -1;
        p.scroll_x = p.scroll_y = -1;
        p.table_width = -1;
        p.table_left = 30;
        p.table_top = 10;
    }
}

/* ------------------------------------------------------------------ level stack */

Dlg_Level_Entry *Dlg_Push_Level(Dlg_Desc *d, int count, Dlg_Page *pages)
{
    if (Dlg_Level >= DLG_MAX_LEVELS) return nullptr; /* the stack holds 10 dialogs */
    Dlg_Level++;
    Dlg_Level_Entry &e = Dlg_Levels[Dlg_Level];
    e = Dlg_Level_Entry{};
    e.desc = d;
    e.pages = pages;
    e.count = count;
    e.areas.assign(count, -1);
    e.tables.assign(count, -1);
    e.escapes.assign(count, 0);
    e.members.assign(count, 0);
    e.table_view.assign(count, 1);
    e.hover.assign(count, 0);
    return &e;
}

void Dlg_Pop_Level(void)
{
    if (Dlg_Level <= 0) return;
    Dlg_Levels[Dlg_Level] = Dlg_Level_Entry{};
    Dlg_Level--;
}

static Dlg_Level_Entry *Top(void) { return Dlg_Level > 0 ? &Dlg_Levels[Dlg_Level] : nullptr; }

int Dlg_Level_Pages(int level, Dlg_Page **pages, int *count, const int **tables)
{
    if (level < 1 || level > Dlg_Level) return 0;
    Dlg_Level_Entry &e = Dlg_Levels[level];
    if (pages) *pages = e.pages;
    if (count) *count = e.count;
    if (tables) *tables = e.tables.data();
    return 1;
}

/* Page checks of one level; the first non-zero result. */
static int Check_Pages(int level)
{
    Dlg_Page *pages;
    int count;
    const int *tables;
    if (!Dlg_Level_Pages(level, &pages, &count, &tables)) return 0;
    for (int i = 0; i < count; i++)
        if (pages[i].check) {
            int r = pages[i].check(tables[i]);
            if (r) return r;
        }
    return 0;
}

int Dlg_Commit_All(void)
{
    if (Dlg_Level < 1) return 0;
    Wdg_Drop_Switch = 0;
    int r = Wdg_Commit_Fields(Dlg_Level);
    for (int level = Dlg_Level - 1; r == 0 && level >= 1; level--) r = Check_Pages(level);
    Wdg_Drop_Switch = 1;
    return r;
}

/* ------------------------------------------------------------------ callbacks' services */

void Dlg_Set_Page_State(int page, int state)
{
    Dlg_Level_Entry *e = Top();
    if (e && page >= 0 && page < e->count) e->pages[page].state = state;
}

int Dlg_Get_Page_State(int page)
{
    Dlg_Level_Entry *e = Top();
    return e && page >= 0 && page < e->count ? e->pages[page].state : -2;
}

static bool Selectable(const Dlg_Level_Entry *e, int page)
{
    return page >= 0 && page < e->count && e->pages[page].state != 0 && e->pages[page].state != -2;
}

/* The page-change check runs at the start of the next pass (Dlg_Follow_Page). */
void Dlg_Select_Page(int page)
{
    Dlg_Level_Entry *e = Top();
    if (e == nullptr || !Selectable(e, page) || page == e->current) return;
    e->current = page;
    if (e->register_handle) Select_Member_of_Register(e->register_handle, page);
}

int Dlg_Current_Page(void)
{
    Dlg_Level_Entry *e = Top();
    return e ? e->current : -1;
}

void Dlg_Set_Table_View(int page, int flag)
{
    Dlg_Level_Entry *e = Top();
    if (e && page >= 0 && page < e->count) e->table_view[page] = flag;
}

void Dlg_Get_Position(int *x, int *y)
{
    Dlg_Level_Entry *e = Top();
    if (x) *x = e ? e->sheet_x : 0;
    if (y) *y = e ? e->sheet_y : 0;
}

void Dlg_Request_Cancel(void)
{
    if (Dlg_Level_Entry *e = Top()) e->cancel_request = 1;
}
void Dlg_Request_Close(void)
{
    if (Dlg_Level_Entry *e = Top()) e->close_request = 1;
}
void Dlg_Request_Redraw(void)
{
    if (Dlg_Level_Entry *e = Top()) e->redraw_request = 1;
}
void Dlg_Set_Cursor_Switch(int flag) { Cursor_Switch = flag; }
void Dlg_Cursor_Switch_On(void) { Cursor_Switch = 1; }
void Dlg_Cursor_Switch_Off(void) { Cursor_Switch = 0; }
int Dlg_Cursor_Switch(void) { return Cursor_Switch; }

void Dlg_Whole_Screen_Sheet(int type, int *x1, int *y1, int *x2, int *y2)
{
    Init_Mouse_Move_Restriction();
    Set_Prop_Sheet_Screen_Base(2, 2, NPIXEL_X - 10, NPIXEL_Y - 10);
    Set_NoFrameFlag_to_Next_PropSheet();
    if (type == 8) {
        VELSetMinMaxSize(NPIXEL_X, NPIXEL_Y, NPIXEL_X, NPIXEL_Y);
        pxFgc(MENUE_CI);
        pxRect(0, 0, NPIXEL_X - 1, NPIXEL_Y - 1);
    }
    *x1 = 0;
    *y1 = 0;
    *x2 = NPIXEL_X - 1;
    *y2 = NPIXEL_Y - 1;
}

int Dlg_Add_Buttons(int type, const Dlg_Button_Places *at, const char *help_key, int *cancel,
                    int *confirm, int *help_x)
{
    int def = 0;
    *cancel = *confirm = *help_x = 0;
    auto help = [&]() {
        if (!help_key[0]) return;
        int h = Add_Help_to_PS(at->help_x, at->y, help_key);
        Set_Comment_to_Button_PS(h, "Hilfe");
        *help_x = at->help_x;
    };
    auto ok = [&]() {
        *confirm = Add_Single_Button_to_PS(at->ok_x, at->y, SYMBOLIC_OK_RASTER, "", DLG_CONFIRM);
        Set_Comment_to_Button_PS(*confirm, "best\x84tigen");
    };
    switch (type) {
    case 1:
    case 3:
        def = Add_Single_Button_to_PS(at->next_x, at->y, 0, "Weiter      ",
                                      type == 1 ? DLG_CANCEL : DLG_CONFIRM);
        break;
    case 8:
        def = Add_Single_Button_to_PS(at->next_x, at->next_y_type8, 0, "Weiter      ", DLG_CONFIRM);
        break;
    case 2:
    case 4: break;
    case 6:
        ok();
        def = *confirm;
        break;
    case 9:
        help();
        ok();
        def = *confirm;
        break;
    default:
        *cancel =
            Add_Single_Button_to_PS(at->cancel_x, at->y, SYMBOLIC_BREAK_RASTER, "", DLG_CANCEL);
        Set_Comment_to_Button_PS(*cancel, "abbrechen");
        help();
        if (type != 7) ok();
        def = type == 5 ? *confirm : *cancel;
        break;
    }
    return def;
}

/* ------------------------------------------------------------------ pages */

void Dlg_Create_Page_Area(Dlg_Level_Entry *e, int i, int x1, int y1, int x2, int y2, bool hover)
{
    Dlg_Page &p = e->pages[i];
    if (p.x >= 0 && p.y >= 0 && p.w > 0 && p.h > 0) {
        x1 += p.x;
        y1 += p.y;
        x2 = x1 + p.w;
        y2 = y1 + p.h;
    }
    e->escapes[i] = Add_Escape_Area_to_PS(x1, y1, x2 - (p.vslider ? 17 : 0),
                                          y2 - (p.hslider ? 17 : 0), DLG_AREA_CODE + i);
    Set_Escape_Area_to_MouseMoveEvent(e->escapes[i], 1);
    e->areas[i] = SVA_Create(x1, y1, x2, y2, p.hslider, p.vslider);
    if (e->areas[i] < 0) return;
    if (hover && Wdg_Hover_Area_Count < WDG_HOVER_AREAS) {
        Wdg_Hover_Push_Area(SVA_Areas[e->areas[i]].handle, e->areas[i], x1 - e->sheet_x,
                            y1 - e->sheet_y, x2 - e->sheet_x, y2 - e->sheet_y, &e->sheet_x,
                            &e->sheet_y);
        e->hover[i] = 1;
    }
    int right = p.table_width >= 0 ? p.table_left + p.table_width : (x2 - x1) - 10;
    e->tables[i] = Tbl_Create(e->areas[i], p.table_top, p.table_left, right, 20, p.table_row_size,
                              p.table_row);
}

void Dlg_Draw_Page(Dlg_Level_Entry *e, int i)
{
    int area = e->areas[i];
    if (area < 0) return;
    Dlg_Page &p = e->pages[i];
    for (int pass = 0; pass < 2; pass++) {
        e->redraw_request = 0;
        SVA_Clear(area);
        Wdg_Select_Area(area);
        if (p.draw) p.draw(area, e->tables[i], p.user);
        if (e->table_view[i] && e->tables[i] >= 0) Tbl_Build_View(e->tables[i]);
        if (p.scroll_x > 0 || p.scroll_y > 0) {
            SVA_Scroll_To_Fraction(area, p.scroll_x, p.scroll_y);
            p.scroll_x = p.scroll_y = -1;
        }
        SVA_Set_Active(area, 1);
        SVA_Update(area);
        if (e->escapes[i]) Change_Activity_PS(e->escapes[i], 1);
        if (!e->redraw_request) break;
    }
}

/* Input in page i's area: the table first, then the view area. */
void Dlg_Page_Input(Dlg_Level_Entry *e, int i)
{
    if (i < 0 || i >= e->count || e->areas[i] < 0) return;
    if (Tbl_Edit(e->tables[i]) == 0) SVA_Handle_Input(e->areas[i]);
}

/* Save each page's scroll place as fractions, free its table and area. */
void Dlg_Release_Pages(Dlg_Level_Entry *e)
{
    for (int i = 0; i < e->count; i++) {
        int area = e->areas[i];
        if (area < 0) continue;
        SVA_Refresh_Scroll(area);
        double fx = 0, fy = 0;
        SVA_Get_Scroll_Fraction(area, &fx, &fy);
        e->pages[i].scroll_x = fx;
        e->pages[i].scroll_y = fy;
        Tbl_Free(area);
        SVA_Delete(area);
        if (e->hover[i]) Wdg_Hover_Pop_Area();
        e->areas[i] = -1;
    }
}

/* ------------------------------------------------------------------ tabs and passes */

static int Present_Pages(const Dlg_Page *pages, int count)
{
    int n = 0;
    for (int i = 0; i < count; i++) n += pages[i].state != -2;
    return n;
}

static int First_Selectable(const Dlg_Level_Entry *e)
{
    for (int i = 0; i < e->count; i++)
        if (Selectable(e, i)) return i;
    return -1;
}

void Dlg_Build_Tabs(Dlg_Level_Entry *e, int left, int top, int width, int tab_h, int tab_w,
                    const char *bitmap)
{
    e->tab_left = left;
    e->tab_top = top;
    e->tab_height = tab_h;
    e->tab_width = tab_w;
    e->tab_bitmap = bitmap && bitmap[0];
    pxFgc(GetVELColor(-1));
    pxRect(left, top, left + width, top + tab_h);
    if (e->tab_bitmap)
        pxDrawTransparentDIB(/*file=*/bitmap, /*x1=*/left, /*y1=*/top, /*x2=*/left + width,
                             /*y2=*/top + tab_h, /*mode=*/201, /*flag=*/-1, /*r=*/192, /*g=*/192,
                             /*b=*/192);
    e->register_handle = Add_Register_to_PS(left, top, tab_h);
    int k = 0;
    for (int i = 0; i < e->count; i++) {
        Dlg_Page &p = e->pages[i];
        if (p.state == -2) {
            e->members[i] = Add_Member_to_Register(e->register_handle, "", 0, DLG_TAB_CODE + i);
            continue;
        }
        /* a bitmap stands for the labels: the register draws no faces over it */
        e->members[i] = Add_Member_to_Register(e->register_handle, e->tab_bitmap ? "" : p.label,
                                               tab_w, DLG_TAB_CODE + i);
        if (!e->tab_bitmap && p.upper_label[0])
            Draw_Funny_Text_to_PS(left + 8 + (tab_w + 1) * k, top + tab_h - 18, p.upper_label, 1,
                                  0);
        k++;
    }
}

/* The labels of the disabled tabs that are not current, written again over a cleared face in
** their disabled colour: the register draws every label in the normal colour whenever it
** changes its selection. */
static void Grey_Disabled_Tabs(const Dlg_Level_Entry *e)
{
    if (!e->register_handle || e->tab_bitmap) return;
    int x1 = e->tab_left, top = e->tab_top, w = e->tab_width, h = e->tab_height;
    int old_font = Pop_RFont(4096);
    int k = 0;
    for (int i = 0; i < e->count; i++) {
        const Dlg_Page &p = e->pages[i];
        if (p.state == -2) continue;
        int x = x1 + (w + 1) * k++;
        if (p.state != 0 || i == e->current) continue;
        pxFgc(BUTTON_CI);
        pxRect(x + 2, top + 4, x + w - 3, top + h - 2);
        pxFgc(GetVELColor(p.tab_colour_disabled));
        if (p.upper_label[0]) {
            Set_RFont(4098);
            pxText(x + 8, top + h - 18, p.upper_label, -1);
            Set_RFont(4096);
        }
        pxBTxt(x, top, x + w - 1, top + h - 1, p.label, -1, 2 | 0x10);
    }
    Set_RFont(old_font);
}

void Dlg_Start_Page(Dlg_Level_Entry *e, int initial)
{
    initial = std::clamp(initial, 0, e->count - 1);
    if (!Selectable(e, initial)) initial = std::max(First_Selectable(e), 0);
    e->current = initial;
    e->drawn = -1;
    if (e->register_handle) Select_Member_of_Register(e->register_handle, initial);
}

void Dlg_Follow_Page(Dlg_Level_Entry *e)
{
    if (e->drawn == e->current) return;
    int old = e->drawn;
    if (old >= 0 && e->areas[old] >= 0) SVA_Set_Active(e->areas[old], 0);
    if (old >= 0 && e->desc && e->desc->page_change && e->desc->page_change(old, e->current) != 0)
        e->current = old;
    if (!Selectable(e, e->current)) e->current = old >= 0 ? old : std::max(First_Selectable(e), 0);
    if (e->register_handle) Select_Member_of_Register(e->register_handle, e->current);
    Grey_Disabled_Tabs(e);
    e->drawn = e->current;
}

int Dlg_Tab_Event(Dlg_Level_Entry *e, int code)
{
    if (!e->register_handle || code < DLG_TAB_CODE || code >= DLG_TAB_CODE + e->count) return 0;
    int page = code - DLG_TAB_CODE;
    if (Selectable(e, page)) {
        e->current = page;
    } else { /* a disabled tab: the current page's tab is selected again */
        Select_Member_of_Register(e->register_handle, e->current);
        Grey_Disabled_Tabs(e);
    }
    return 1;
}

void Dlg_Draw_Status(Dlg_Status_Fn status, int left, int right, int bottom)
{
    char text[200] = {0};
    status(text);
    text[199] = 0;
    Draw_PS_Text_Box(/*left=*/left, /*top=*/bottom - 26, /*right=*/right, /*bottom=*/bottom - 9,
                     /*text=*/text, /*alignment=*/209, /*frame_style=*/1, /*font=*/4096,
                     /*text_colour=*/BLACK_CI, /*fill_colour=*/BUTTON_CI);
}

/* ------------------------------------------------------------------ the runner */

int Dlg_Run_Paged(Dlg_Desc *d, int count, Dlg_Page *pages)
{
    if (d == nullptr || pages == nullptr || count < 1) return 0;
    if (Dlg_Level >= DLG_MAX_LEVELS) return 0;
    int old_buff = pxBuff(-1);
    const int m = 10;
    int present = std::max(Present_Pages(pages, count), 1);
    bool several = count > 1;
    int tab_h = several ? (d->tab_height > 0 ? d->tab_height : 30) : 0;
    int tab_strip = several ? tab_h + 10 : 0;
    int type = d->type;
    bool whole = type == 4 || type == 8;
    int title_h = whole ? 0 : 33;
    int button_row = (type == 2 || type == 4 || type == 8) ? 0 : 27;
    int ml = d->margin_left, mr = d->margin_right, mt = d->margin_top, mb = d->margin_bottom;
    int inner_w = std::min(d->max_width, NPIXEL_X - 2 * m - ml - mr - 15) + 2 * m;
    int tab_w = d->tab_width > 0 ? d->tab_width : (inner_w - (present - 1)) / present;
    int x1, y1, x2, y2, inner_h;
    if (Paged_Cx < 0) {
        Paged_Cx = NPIXEL_X / 2;
        Paged_Cy = NPIXEL_Y / 2;
    }
    if (whole) {
        Dlg_Whole_Screen_Sheet(type, &x1, &y1, &x2, &y2);
        inner_w = x2 - x1 - ml - mr;
        inner_h = y2 - y1 - tab_strip - m - mt - mb - button_row;
    } else {
        inner_h =
            std::min(d->max_height, NPIXEL_Y - 2 * m - tab_h - 33 - mt - mb - button_row - 30);
        int w = ml + inner_w + mr;
        int h = inner_h + tab_strip + m + 33 + mt + mb + button_row;
        x1 = Paged_Cx - w / 2;
        y1 = Paged_Cy - h / 2;
        x2 = x1 + w;
        y2 = y1 + h;
        Check_Prop_Sheet_Frames(&x1, &y1, &x2, &y2);
    }
    Define_Prop_Sheet(x1, y1, x2, y2, whole ? 0 : 1, 1, whole ? "" : d->title,
                      count * 5 + d->sheet_value + 100, 1);
    Dlg_Level_Entry *e = Dlg_Push_Level(d, count, pages);
    e->sheet_x = x1;
    e->sheet_y = y1;
    /* tabs */
    int strip_left = x1 + ml, strip_top = y1 + title_h + mt;
    if (several) Dlg_Build_Tabs(e, strip_left, strip_top, inner_w, tab_h, tab_w, d->tab_bitmap);
    Dlg_Start_Page(e, d->current_page < 0 ? 0 : d->current_page);
    /* page areas */
    int page_top = strip_top + tab_strip, page_left = x1 + ml;
    for (int i = 0; i < count; i++) {
        if (pages[i].state == -2 || pages[i].draw == nullptr) continue;
        Dlg_Create_Page_Area(e, i, page_left, page_top, page_left + inner_w, page_top + inner_h,
                             type != 1 && type != 3);
    }
    /* buttons */
    int by = y2 - 29, centre = (x1 + x2) / 2;
    int cancel = 0, confirm = 0, help_x = 0;
    Dlg_Button_Places at{by,           x1 + ml - 3, d->status ? x1 + ml + 32 : centre - 23,
                         x2 - mr - 35, centre - 50, y2 - 37};
    int def = Dlg_Add_Buttons(type, &at, d->help_key, &cancel, &confirm, &help_x);
    e->default_button = def;
    if (d->decoration) d->decoration(x1, y1, x2, y2);
    for (int i = 0; i < count; i++)
        if (pages[i].init) pages[i].init(e->tables[i]);
    if (Cursor_Switch && def) Move_Mouse_Cursor_to_Button_of_PS(def);
    Activate_Prop_Sheet();
    pxBuff(old_buff);
    int dx = 0, dy = 0;
    Prop_Sheet_Displacement(&dx, &dy);
    /* loop */
    int result = 0;
    for (;;) {
        Prop_Sheet_Displacement(&dx, &dy);
        e->sheet_x = x1 + dx;
        e->sheet_y = y1 + dy;
        if (d->status) {
            int left = (help_x ? help_x : x1 + ml) + 30,
                right = (confirm ? x2 - mr - 35 : x2 - mr) - 20;
            Dlg_Draw_Status(d->status, left + dx, right + dx, y2 + dy);
        }
        if (def) Change_Activity_PS(def, 1);
        int ob = pxBuff(-1);
        if (d->pass) d->pass(e->current);
        Dlg_Follow_Page(e);
        Dlg_Draw_Page(e, e->current);
        pxBuff(ob);
        int code;
        if (d->preset_event >= 0) {
            code = d->preset_event;
            d->preset_event = -1;
        } else {
            code = Edit_Prop_Sheet();
        }
        if (e->cancel_request) code = DLG_CANCEL;
        bool closed = getkeymask() == 1;
        if (code == DLG_CANCEL) {
            e->cancel_request = 0;
            if (!closed && d->cancel_check && d->cancel_check() != 0) continue;
            result = 0;
            break;
        }
        if (code == DLG_CONFIRM || e->close_request) {
            e->close_request = 0;
            if (Wdg_Commit_Fields(Dlg_Level) != 0
                || (d->confirm_check && d->confirm_check() != 0)) {
                if (closed) break;
                continue;
            }
            result = 1;
            break;
        }
        if (closed) break; /* the window is gone: nothing more can end the dialog */
        if (d->event) {
            Wdg_Hover_Activate(0);
            int handled = d->event(code);
            Wdg_Hover_Activate(1);
            if (handled) continue;
        }
        if (Dlg_Tab_Event(e, code)) continue;
        if (code >= DLG_AREA_CODE && code < DLG_AREA_CODE + count)
            Dlg_Page_Input(e, code - DLG_AREA_CODE);
    }
    /* end */
    Prop_Sheet_Displacement(&dx, &dy);
    Paged_Cx += dx;
    Paged_Cy += dy;
    Wdg_Release_Level(Dlg_Level);
    Dlg_Release_Pages(e);
    if (d->end) d->end();
    d->current_page = e->current;
    Undefine_Prop_Sheet();
    Dlg_Pop_Level();
    return result;
}
