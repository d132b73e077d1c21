/*
** Column headers with legend, and the program-hints page: texts centred on a width, a button
** that switches every hint on again, and an explaining box.
*/
#include "dialogs/columns_hints.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "dialogs/sva.h"
#include "dialogs/widgets.h"
#include "foundation/foundation.h"
#include "platform/zelkwin.h"

int Wdg_Columns_Active = 1;
int Wdg_Hints_Reactivate = 0;

/* ------------------------------------------------------------------ column lists */

static void New_List(Wdg_Column_List *list, int capacity)
{
    *list = Wdg_Column_List{};
    list->shown = 1;
    list->active = 1;
    list->selected = -1;
    list->capacity = std::max(capacity, 0);
    list->rows = capacity > 0
                     ? (Wdg_Column *)Mem_Realloc(nullptr, sizeof(Wdg_Column) * (size_t)capacity, 1)
                     : nullptr;
    for (int k = 0; k < list->capacity; k++) {
        Wdg_Column &c = list->rows[k];
        snprintf(c.caption, sizeof c.caption, "Welcher Faktor ?");
        snprintf(c.symbol, sizeof c.symbol, "???");
        c.index[0] = 0;
        snprintf(c.unit, sizeof c.unit, "???");
        c.x = 68 * k;
        c.field_width = 6;
        c.column_width = 63;
        c.gap = 5;
    }
}

void Wdg_Columns_Init(Wdg_Column_List *list, int capacity, Wdg_Column **rows)
{
    if (list == nullptr) return;
    New_List(list, capacity);
    if (rows) *rows = list->rows;
}

void Wdg_Columns_Init_2(Wdg_Column_List *list, int capacity)
{
    Wdg_Columns_Init(list, capacity, nullptr);
}

void Wdg_Columns_Free(Wdg_Column_List *list)
{
    if (list == nullptr) return;
    list->count = 0;
    list->capacity = 0;
    Mem_Free(&list->rows);
}

int Wdg_Columns_End_X(const Wdg_Column_List *list)
{
    if (list == nullptr) return 0;
    int x = list->left_x + 8;
    for (int k = 0; k < list->count; k++) x += list->rows[k].column_width + list->rows[k].gap;
    return x;
}

void Wdg_Columns_Add(Wdg_Column_List *list, const char *caption, const char *symbol,
                     const char *index, const char *unit, int field_width, int column_width,
                     int gap)
{
    if (list == nullptr || list->rows == nullptr || list->count >= list->capacity) return;
    Wdg_Column &c = list->rows[list->count];
    Str_Copy_Bounded(c.caption, caption ? caption : "", sizeof c.caption);
    Str_Copy_Bounded(c.symbol, symbol ? symbol : "", sizeof c.symbol);
    Str_Copy_Bounded(c.index, index ? index : "", sizeof c.index);
    Str_Copy_Bounded(c.unit, unit ? unit : "", sizeof c.unit);
    c.x = Wdg_Columns_End_X(list);
    c.field_width = field_width;
    c.column_width = column_width;
    c.gap = gap;
    list->count++;
}

static int Middle(int x, const Wdg_Column &c)
{
    return x + c.x + (int)lround(c.column_width / 2.0);
}

static void Draw_Header(int x, int y, int count, const Wdg_Column *rows, bool plain_centre)
{
    if (rows == nullptr || count < 1) return;
    const int *act = Wdg_Columns_Active ? &Wdg_State.editable_cell : &Wdg_State.readonly_cell;
    Wdg_Set_Font(0x11000);
    Wdg_Set_Fg_Colour(BLACK_CI);
    for (int k = 0; k < count; k++) {
        const Wdg_Column &c = rows[k];
        int mid = Middle(x, c);
        if (c.symbol[0]) Wdg_Draw_Symbol_Aligned(mid, y - 31, c.symbol, c.index, 2, 4, act);
        else if (plain_centre) Wdg_Draw_Text_Centred(mid, y - 31, c.caption, act);
        else Wdg_Draw_Text_Aligned(mid, y - 31, c.caption, act, 2, 4);
    }
    Wdg_Set_Font(4096);
    Wdg_Set_Fg_Colour(Nearest_RGB_Color(160, 160, 164));
    for (int k = 0; k < count; k++)
        Wdg_Draw_Text_Centred(Middle(x, rows[k]), y - 15, rows[k].unit, act);
    Wdg_Set_Line_Switch(1);
    Wdg_Set_Fg_Colour(BLACK_CI);
    const Wdg_Column &last = rows[count - 1];
    Wdg_Draw_Line_World(x, y - 9, x + last.x + last.column_width + last.gap, y - 9);
    Wdg_Set_Font(4096);
}

void Wdg_Columns_Draw(int x, int y, int count, const Wdg_Column *rows)
{
    Draw_Header(x, y, count, rows, false);
}

void Wdg_Columns_Draw_2(int x, int y, int count, const Wdg_Column *rows)
{
    Draw_Header(x, y, count, rows, true);
}

void Wdg_Columns_Legend(int x, int y, int count, const Wdg_Column *rows)
{
    if (rows == nullptr || count < 1) return;
    Wdg_Set_Font(4096);
    Wdg_Set_Fg_Colour(Nearest_RGB_Color(128, 128, 128));
    int w = 50;
    for (int k = 0; k < count; k++)
        if (rows[k].caption[0])
            w = std::max(w, 8 * (int)strlen(rows[k].symbol) + 6 * (int)strlen(rows[k].index) + 5);
    for (int k = 0; k < count; k++) {
        const Wdg_Column &c = rows[k];
        if (!c.caption[0]) continue;
        if (c.index[0]) Wdg_Draw_Symbol(x, y, c.symbol, c.index, nullptr);
        else Wdg_Draw_Text(x, y, c.symbol, nullptr);
        Wdg_Draw_Text(x + w, y, c.caption, nullptr);
        y += 18;
    }
}

/* ------------------------------------------------------------------ hints page */

void Wdg_Hints_Page(int area, int *switches, int width)
{
    Wdg_Select_Area(area);
    if (switches == nullptr) return;
    if (Wdg_Hints_Reactivate == 1)
        for (int i = 0; i < 4; i++) switches[i] = 1;
    Wdg_Hints_Reactivate = 0;
    Wdg_Set_Font(0x1000);
    Wdg_Set_Fg_Colour(BLACK_CI);
    int n = 0;
    for (int i = 0; i < 4; i++) n += switches[i] == 0;
    int cx = width / 2;
    char line[200];
    snprintf(line, sizeof line, "Von insgesamt %s m\x94glichen Programmhinweisen %s",
             Get_Count_Word(4), n < 2 ? "ist" : "sind");
    Wdg_Draw_Text_Centred(cx, 50, line, nullptr);
    int green = Nearest_Color_Index(0, 95, 0);
    Wdg_Set_Fg_Colour(green);
    Wdg_Set_Font(0x1000 | 0x20000);
    Wdg_Draw_Text_Centred(cx, 75, Get_Count_Word(n), nullptr);
    Wdg_Set_Font(0x1000);
    Wdg_Set_Fg_Colour(BLACK_CI);
    Wdg_Draw_Text_Centred(cx, 100, "deaktiviert.", nullptr);
    static int button_active;
    button_active = n > 0 ? 1 : 0;
    SVA_Add_Bitmap_Button(/*area=*/area, /*x=*/cx - 106, /*y=*/130, /*width=*/212, /*height=*/21,
                          /*file=*/"but_hinweise_reaktivieren.bmp", /*row_offset=*/0,
                          /*transparent=*/Nearest_RGB_Color(255, 251, 240), /*cursor=*/18,
                          /*tooltip=*/nullptr, /*value=*/1, /*variable=*/&Wdg_Hints_Reactivate,
                          /*active=*/&button_active);
    snprintf(line, sizeof line, "%d %s wieder aktivieren", n, n < 2 ? "Hinweis" : "Hinweise");
    Wdg_Draw_Text_Centred(cx, 145, line, &button_active);
    int left = cx - 365 / 2, right = left + 365;
    SVA_Add_Filled_Rect(area, left, 202, right, 262, Nearest_RGB_Color(240, 240, 240));
    SVA_Add_Line(area, left, 202, right, 202, green);
    SVA_Add_Line(area, right, 202, right, 262, green);
    SVA_Add_Line(area, right, 262, left, 262, green);
    SVA_Add_Line(area, left, 262, left, 202, green);
    const char *heading = "Programmhinweise";
    int hw = Wdg_Text_Width_In_Font(heading, 0x1000 | 0x20000);
    SVA_Add_Filled_Rect(area, cx - hw / 2 - 4, 195, cx + hw / 2 + 4, 209,
                        Nearest_RGB_Color(255, 251, 240));
    Wdg_Set_Font(0x1000 | 0x20000);
    Wdg_Set_Fg_Colour(green);
    Wdg_Draw_Text_Centred(cx, 205, heading, nullptr);
    Wdg_Set_Font(0x1000);
    Wdg_Set_Fg_Colour(BLACK_CI);
    static const char *const Lines[4] = {
        "Programmhinweise machen den Anwender darauf aufmerksam, dass die",
        "aktuellen Einstellungen entweder den Anwendungsvoraussetzungen nicht",
        "entsprechen oder zu ung\x81ltigen bzw. au\xE1"
        "ergew\x94hnlichen Ergebnissen",
        "f\x81hren."};
    for (int i = 0; i < 4; i++) Wdg_Draw_Small_Text(left + 8, 221 + 10 * i, Lines[i], nullptr);
}

void Wdg_Nothing(void) {}
