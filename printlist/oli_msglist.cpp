/*
** Message lists: eleven slots of up to 100 lines of 300 characters that collect messages and
** later write them into the print list as a plain, bulleted, numbered, warning, small-type or
** column block, optionally inside a drawn frame.
*/
#include "printlist/oli_msglist.h"

#include <cstdarg>
#include <cstdlib>
#include <cstring>

#include "platform/zelkgrft_oli.h"
#include "printlist/oli_graphic.h"
#include "printlist/oli_internal.h"
#include "printlist/oli_para.h"
#include "printlist/oli_text.h"
#include "printlist/oli_writer.h"

struct Msg_List_Slot {
    char lines[MSG_LIST_LINES][MSG_LIST_LINE_SIZE];
    int open;
    int32_t mode;        /* 1, 2 or 3 columns */
    int32_t line_count;  /* lines holding more than blanks */
    int32_t blank_count; /* empty or blank lines */
    int32_t widest;      /* characters, escapes not counted */
};

/* The store of all lists; created on first use. */
struct Msg_List_Store {
    Msg_List_Slot slot[MSG_LIST_SLOTS];
};

static Msg_List_Store *msg_store = nullptr;
static Msg_List_Slot *msg_slots = nullptr;
/* Column set-up shared by all slots */
static double column_first = 0.0, column_second = 50.0, column_third = -1.0;

static int slot_ok(int32_t n) { return n >= 0 && n < MSG_LIST_SLOTS; }

static int slots_create(void)
{
    if (msg_slots) return 1;
    msg_store = (Msg_List_Store *)calloc(1, sizeof(Msg_List_Store));
    if (msg_store == nullptr) return 0;
    msg_slots = msg_store->slot;
    for (int i = 0; i < MSG_LIST_SLOTS; i++) msg_slots[i].mode = 1;
    return 1;
}

/* Blank: the first min(length, 99) characters are all blanks. */
static int is_blank(const char *line)
{
    size_t n = strlen(line);
    if (n > 99) n = 99;
    for (size_t i = 0; i < n; i++)
        if (line[i] != ' ') return 0;
    return 1;
}

void Msg_List_Open(int32_t n)
{
    if (!slot_ok(n) || !slots_create()) return;
    Msg_List_Slot *s = &msg_slots[n];
    s->open = 1;
    s->line_count = s->blank_count = s->widest = 0;
}

void Msg_List_Open_Columns(int32_t n, double first, double second)
{
    if (!slot_ok(n)) return;
    Msg_List_Open(n);
    if (msg_slots == nullptr) return;
    msg_slots[n].mode = 2;
    column_first = first;
    column_second = second;
}

void Msg_List_Open_Three_Columns(int32_t n, double first, double second, double third)
{
    if (!slot_ok(n)) return;
    Msg_List_Open(n);
    if (msg_slots == nullptr) return;
    msg_slots[n].mode = 3;
    column_first = first;
    column_second = second;
    column_third = third;
}

int Msg_List_Is_Open(int32_t n) { return slot_ok(n) && msg_slots != nullptr && msg_slots[n].open; }

int32_t Msg_List_Count(int32_t n)
{
    if (!slot_ok(n) || msg_slots == nullptr) return 0;
    return msg_slots[n].line_count + msg_slots[n].blank_count;
}

void Msg_List_Add(int32_t n, const char *format, ...)
{
    if (!Msg_List_Is_Open(n) || format == nullptr) return;
    Msg_List_Slot *s = &msg_slots[n];
    int32_t at = s->line_count + s->blank_count;
    if (at >= MSG_LIST_LINES) return;
    char *line = s->lines[at];
    va_list ap;
    va_start(ap, format);
    int rc = Oli_Vformat(line, MSG_LIST_LINE_SIZE, format, ap);
    va_end(ap);
    if (rc < 0) line[0] = 0;
    if (is_blank(line)) {
        s->blank_count++;
        return;
    }
    s->line_count++;
    int32_t len = Oli_Visible_Length(line), w = -1;
    if (s->mode == 2 && s->line_count % 2 == 0) w = (int32_t)(len + column_second);
    else if (s->mode == 3 && s->line_count % 3 == 0) w = (int32_t)(len + column_third);
    else if (s->mode != 2 && s->mode != 3) w = len;
    if (w > s->widest) s->widest = w;
}

const char *Msg_List_Line(int32_t n, int32_t i)
{
    if (!Msg_List_Is_Open(n) || i < 0 || i >= Msg_List_Count(n)) return "?????";
    return msg_slots[n].lines[i];
}

void Msg_List_Drop_Lines(int32_t n, int32_t k)
{
    if (!slot_ok(n) || msg_slots == nullptr || k <= 0) return;
    Msg_List_Slot *s = &msg_slots[n];
    s->line_count = s->line_count > k ? s->line_count - k : 0;
}

int32_t Msg_List_Widest(int32_t n) { return slot_ok(n) && msg_slots ? msg_slots[n].widest : 0; }

int32_t Msg_List_Mode(int32_t n) { return slot_ok(n) && msg_slots ? msg_slots[n].mode : 1; }

/* ---- writing ---- */

static void write_columns(Msg_List_Slot *s, FILE *file)
{
    double pos[3] = {column_first, column_second, column_third};
    Oli_Columns(s->mode, pos);
    int32_t total = s->line_count + s->blank_count;
    for (int32_t i = 0; i < total; i++) {
        if (is_blank(s->lines[i])) Oli_Column_Space(file, 0.5); /* 0.19 cm: half a line */
        else Oli_Column_Cell(file, "%s", s->lines[i]);
    }
    Oli_Columns_End(file);
    s->mode = 1;
}

static void write_one_column(Msg_List_Slot *s, int32_t style, FILE *file)
{
    int32_t total = s->line_count + s->blank_count;
    if (style < 4) {
        Oli_File_Printf(file, "#SHOWTABLE\n 0 0 0\n 0 0 -1 -1\n");
        if (total == 0) {
            Oli_File_Printf(file, "#END_OF_TEXT\n");
            return;
        }
    }
    for (int32_t i = 0; i < total; i++) {
        const char *line = s->lines[i];
        int cont = line[0] == '+';
        if (is_blank(line)) {
            if (style == 4) Oli_Write_Small(file, " ");
            else Oli_File_Printf(file, " \n");
            continue;
        }
        switch (style) {
        case 1:
            if (cont) Oli_File_Printf(file, "   %s\n", line + 1);
            else Oli_File_Printf(file, " \xCE/o\xCEr %s\n", line);
            break;
        case 2:
            if (cont) Oli_File_Printf(file, "    %s\n", line + 1);
            else Oli_File_Printf(file, " %2d %s\n", (int)i, line);
            break;
        case 3:
            if (cont) Oli_File_Printf(file, "     %s !\n", line + 1);
            else Oli_File_Printf(file, " >>> %s !\n", line);
            break;
        case 4:
            /* A continuation line belongs to its item: it is printed too, without the "+". */
            Oli_Write_Small(file, "%s", cont ? line + 1 : line);
            break;
        default: Oli_File_Printf(file, " %s\n", line); break;
        }
    }
    if (style < 4) Oli_File_Printf(file, "#END_OF_TEXT\n");
}

void Msg_List_Write(int32_t n, int32_t style, FILE *file)
{
    if (!Msg_List_Is_Open(n)) return;
    Msg_List_Slot *s = &msg_slots[n];
    if (file != nullptr) {
        if (s->mode == 2 || s->mode == 3) write_columns(s, file);
        else write_one_column(s, style, file);
    }
    s->open = 0;
}

static void write_framed(FILE *file, int32_t n, double width, int small)
{
    if (!Msg_List_Is_Open(n)) return;
    if (file == nullptr) {
        msg_slots[n].open = 0;
        return;
    }
    Msg_List_Slot *s = &msg_slots[n];
    double h = small ? 0.286 : 0.38;
    int32_t k = s->line_count, b = s->blank_count;
    double height;
    if (s->mode == 2) height = (k / 2 + 0.8) * h + b * 0.19;
    else if (s->mode == 3) height = (k / 3 + 0.8) * h + b * 0.19;
    else height = (k + 0.8) * h + b * 0.38;
    if (width < 0) width = s->widest * 0.18;
    OLI_reserveSpaceCM(file, height + 0.5);
    int32_t slot = Oli_Store_Position(file);
    Oli_Graphic_Begin(file, 0, 0, width, height, 1, 0, nullptr);
    Oli_Graphic_Rect(0, 0, width, height);
    Oli_File_Printf(file, " -1\n");
    if (slot >= 0) Oli_Restore_Position(file, slot);
    OLI_setYPositionCM(file, 1, 0.19);
    double keep = Oli_Get_Left_Margin();
    Oli_Set_Left_Margin(file, keep + 0.3);
    Msg_List_Write(n, small ? 4 : 0, file);
    Oli_Set_Left_Margin(file, keep);
}

void Msg_List_Write_Framed(FILE *file, int32_t n, double width) { write_framed(file, n, width, 0); }
void Msg_List_Write_Framed_Small(FILE *file, int32_t n, double width)
{
    write_framed(file, n, width, 1);
}
