/*
** Selection lists of the concrete and reinforcing-steel grade choosers: entries with a code,
** a colour and a flag word (0x1000 separator, 0x2 the entry asks for a density), and the
** switch that makes the grade choices open a parameter dialog for a user-defined grade.
*/
#include "catalogue/concrete_input.h"
#include "foundation/memory.h"
#include "foundation/ttool.h"
#include "platform/zelkwin.h"

#define SEPARATOR_CODE (-999)

static int32_t Dialog_Switch = 0;

static int32_t Orange(void) { return Nearest_Color_Index(255, 128, 0); }

/* Append one entry; the list is sized for every entry the builders add. */
static void Add(Grade_Choice_List *l, const char *text, int32_t code, int32_t colour, int32_t flags)
{
    if (l->view.count >= GRADE_LIST_MAX) return;
    const int32_t i = l->view.count++;
    Str_Copy_Bounded(l->texts[i], text, GRADE_TEXT_SIZE);
    l->codes[i] = code;
    l->colours[i] = colour;
    l->flags[i] = flags;
}

static void Add_Separator(Grade_Choice_List *l)
{
    Add(l, "-------", SEPARATOR_CODE, Orange(), GRADE_FLAG_NO_CHOICE);
}

static Grade_Choice_List *New_List(int32_t width)
{
    /* the counted layer ends the program with its message when memory runs out */
    Grade_Choice_List *l = static_cast<Grade_Choice_List *>(Mem_Calloc(sizeof(Grade_Choice_List)));
    if (!l) return nullptr;
    l->width = width;
    l->view.stride = GRADE_TEXT_SIZE;
    l->view.texts = &l->texts[0][0];
    l->view.colours = l->colours;
    l->view.flags = l->flags;
    return l;
}

Grade_Choice_List *Build_Concrete_Grade_List(int32_t with_separators, int32_t mask)
{
    Grade_Choice_List *l = New_List(9);
    if (!l) return nullptr;
    static const char *const Old[OLD_CONCRETE_GRADES] = {"B15", "B25", "B35", "B45", "B55"};
    const int with_old = (mask & 1) != 0;
    if (with_old) {
        for (int i = 0; i < OLD_CONCRETE_GRADES; i++) Add(l, Old[i], i, GREEN_CI, 0);
        if (with_separators) Add_Separator(l);
    }
    for (int i = 0; i < CONCRETE_GRADES; i++)
        Add(l, Get_Concrete_Grade_Name(i, 0), with_old ? i + 5 : i - 1, BLACK_CI, 0);
    if (mask & 2) {
        Add_Separator(l);
        for (int i = 0; i < CONCRETE_GRADES && Get_Concrete_Grade_Name(i, 1)[0]; i++)
            Add(l, Get_Concrete_Grade_Name(i, 1), -11 + i, BROWN_CI, GRADE_FLAG_DENSITY);
    }
    if (mask & 4) {
        Add_Separator(l);
        Add(l, "frei", 20, BLUE_CI, 0);
    }
    l->show_alpha = (mask & 8) != 0;
    return l;
}

Grade_Choice_List *Build_Rebar_Grade_List(int32_t mode)
{
    Grade_Choice_List *l = New_List(13);
    if (!l) return nullptr;
    Add(l, "BSt 220/340", 0, GREEN_CI, 0);
    Add(l, "BSt 420 S", 1, GREEN_CI, 0);
    Add(l, "BSt 500 S", 2, GREEN_CI, 0);
    if (mode != 0) {
        Add_Separator(l);
        Add(l, mode == 2 ? "B500A" : "BSt 500 (A)", 3, BLACK_CI, 0);
        Add(l, mode == 2 ? "B500B" : "BSt 500 (B)", 4, BLACK_CI, 0);
        Add_Separator(l);
        Add(l, "frei", 5, BLUE_CI, 0);
    }
    return l;
}

int32_t Find_Grade_List_Index(const Grade_Choice_List *list, int32_t code, int32_t mask)
{
    if (!list) return 0;
    for (int32_t i = 0; i < list->view.count; i++)
        if (list->codes[i] == code && (mask == 0 || (list->flags[i] & mask) != 0)) return i;
    return 0;
}

int32_t Get_Grade_List_Item(const Grade_Choice_List *list, int32_t index, int32_t *code,
                            int32_t *colour)
{
    if (!list || index < 0 || index >= list->view.count) return 0;
    if (code) *code = list->codes[index];
    if (colour) *colour = list->colours[index];
    return 1;
}

void Free_Grade_List(Grade_Choice_List *list) { Mem_Free(&list); }

void Set_Grade_Dialog_Switch(int32_t value) { Dialog_Switch = value; }

int32_t Get_Grade_Dialog_Switch(void) { return Dialog_Switch; }
