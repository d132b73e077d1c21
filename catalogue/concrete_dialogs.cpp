/*
** The dialogs "Freie Definition des Betons" and "Freie Definition des Stahls": one page with
** the parameter block of the user-defined grade, run by the single-page dialog runner; a
** cancelled dialog leaves the record as it was.
*/
#include <cstdio>

#include "catalogue/concrete_input.h"
#include "dialogs/dlg.h"

static Concrete_Grade *Concrete_Record = nullptr; /* the record of the running dialog */
static Rebar_Grade *Rebar_Record = nullptr;

Concrete_Grade *Concrete_Dialog_Record(void) { return Concrete_Record; }
Rebar_Grade *Rebar_Dialog_Record(void) { return Rebar_Record; }

static void Draw_Concrete(int area, int, void *) { Wdg_Concrete_Page(area); }
static void Draw_Steel(int area, int, void *) { Wdg_Steel_Page(area); }

/* Descriptor and page of one dialog, with the defaults set once. */
typedef struct Free_Dialog {
    int ready;
    Dlg_Desc desc;
    Dlg_Page page;
} Free_Dialog;

static void Prepare(Free_Dialog *f, const char *title, const char *words, int height, int width,
                    Dlg_Page_Draw_Fn draw)
{
    if (!f->ready) {
        Dlg_Init_Descriptor(&f->desc);
        f->desc.type = 0;
        f->desc.sheet_value = 40;
        Dlg_Init_Pages(1, &f->page);
        f->ready = 1;
    }
    snprintf(f->desc.title, sizeof f->desc.title, "%s", title);
    snprintf(f->page.label, sizeof f->page.label, "%s", words);
    f->desc.max_height = height;
    f->desc.max_width = width;
    f->page.draw = draw;
}

int32_t Edit_Concrete_Free(Concrete_Grade *c)
{
    static Free_Dialog dialog;
    if (!c || Concrete_Record) return 0;
    /* a record without a grade starts as C25/30; an earlier free definition is kept */
    if (c->fck <= 0.0) Set_Concrete_Grade(c, 3, 0, 2200.0);
    Concrete_Grade saved = *c;
    Prepare(&dialog, "Freie Definition des Betons", "Betonparameter", 220, 440, Draw_Concrete);
    Concrete_Record = c;
    int r = Dlg_Run_Single(&dialog.desc, &dialog.page);
    Concrete_Record = nullptr;
    if (r != 1) *c = saved;
    return r == 1 ? 1 : 0;
}

int32_t Edit_Rebar_Free(Rebar_Grade *rb)
{
    static Free_Dialog dialog;
    if (!rb || Rebar_Record) return 0;
    if (rb->fyk <= 0.0) Set_Rebar_Grade(rb, 0);
    Rebar_Grade saved = *rb;
    Prepare(&dialog, "Freie Definition des Stahls", "Stahlparameter", 170, 470, Draw_Steel);
    Rebar_Record = rb;
    int r = Dlg_Run_Single(&dialog.desc, &dialog.page);
    Rebar_Record = nullptr;
    if (r != 1) *rb = saved;
    return r == 1 ? 1 : 0;
}
