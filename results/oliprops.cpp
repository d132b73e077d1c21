/*
** The print-settings sheet ("Druckeinstellungen"): what the splice's print list contains
** (preliminary remarks, coordinate table, spacing sketches, the three drawings with their sizes,
** governing or all combinations and fasteners, the annex tables). The sheet edits working
** copies and writes them back to Print_Settings and the remarks only on confirmation.
** Pixel coordinates of the page are relative to its view area; plot sizes in paper cm.
*/
#include "results/print_list.h"

#include <cstdlib>
#include <cstring>

#include "dialogs/dialogs.h"
#include "foundation/foundation.h"
#include "platform/zelkwin.h"
#include "printlist/printlist.h"

#define PS_FONT      0x1000  /* texts of the page */
#define PS_HEAD_FONT 0x11000 /* headings of the page */
#define PS_CONFIRM   8
#define PS_CANCEL    9

/* Bits of the section switches that the sheet shows (bit 1 is carried unchanged). */
static const int Sheet_Bits[7] = {0, 1, 2, 3, 4, 5, 7};

/* Sheet centre in screen pixels, kept for the whole run; negative before the first opening. */
static int Sheet_Cx = -1, Sheet_Cy = -1;

/* Working state while the sheet is open. */
static int Bit_Work[8]; /* one integer per bit of the section switches */
static int32_t Fasteners_Work, Combinations_Work;
static double Size_Work[6]; /* cm: view, longitudinal, cross section (w, h) */
static char *Remarks_Work;  /* working copy of the remarks, or null */
static int Remarks_Lines;   /* lines of the working copy */
static int Remarks_Request; /* the remarks editor has been asked for */
static int Remarks_Click;   /* set by the hot spot; turned into the request */
static int Always_Active = 1;

/* 1 when the text holds a character that is not blank. */
static int Has_Nonblank(const char *text)
{
    for (const char *p = text; p && *p; p++)
        if (*p != ' ' && *p != '\t' && *p != '\n' && *p != '\r') return 1;
    return 0;
}

static char *Copy_Or_Abort(const char *text)
{
    size_t n = strlen(text);
    char *copy = (char *)malloc(n + 1);
    if (copy == nullptr) Abort_Out_Of_Memory();
    memcpy(copy, text, n + 1);
    return copy;
}

/* The lines the remarks have: one more than their line feeds, a closing line feed opening no
** line of its own; none for no text. */
static void Count_Lines(void)
{
    Remarks_Lines = 0;
    const char *p = Remarks_Work;
    if (p == nullptr || *p == 0) return;
    for (; *p; p++)
        if (*p == '\n' && p[1] != 0) Remarks_Lines++;
    Remarks_Lines++;
}

int Edit_Vorbemerkungen(void)
{
    int ran = 0;
    if (Remarks_Request) {
        char *text = Remarks_Work != nullptr ? Copy_Or_Abort(Remarks_Work) : nullptr;
        free(Remarks_Work);
        Remarks_Work = nullptr;
        char *back = Edit_User_Comment(text, "Vorbemerkungen");
        /* every remark with something to read is kept, however short */
        if (back != nullptr && Has_Nonblank(back)) Remarks_Work = Copy_Or_Abort(back);
        free(back);
        Remarks_Request = 0;
        Remarks_Lines = 0;
        ran = 1;
    }
    Count_Lines();
    return ran;
}

/* ---------------------------------------------------------------- the page */

/* One row of a plot's sizes: each label, its field and the unit side by side, measured, so that
** no field's frame (7 pixels left of its text) covers a label's colon. */
static void Size_Row(int area, int y, int bit, double *w, double *h, int grey)
{
    int *active = &Bit_Work[bit];
    const int colour = *active ? BLACK_CI : grey;
    const char *labels[2] = {"Breite:", "Höhe:"_cp850};
    double *values[2] = {w, h};
    int x = 45;
    for (int k = 0; k < 2; k++) {
        SVA_Add_Text(area, x, y, labels[k], PS_FONT, colour, 2);
        x += SVA_Text_Width_In_Font(labels[k], PS_FONT) + 12;
        SVA_Add_Float_Field(area, x, y, values[k], "%5.1f", PS_FONT, colour, active);
        x += SVA_Text_Width_In_Font(" 000.0", PS_FONT) + 12;
        SVA_Add_Text(area, x, y, "cm", PS_FONT, colour, 2);
        x += SVA_Text_Width_In_Font("cm", PS_FONT) + 25;
    }
}

void Define_Print_Settings_Page(int area)
{
    if (Remarks_Click) {
        Remarks_Request = 1;
        Remarks_Click = 0;
    }
    const int band = Nearest_RGB_Color(203, 248, 235);
    const int grey = Nearest_RGB_Color(200, 200, 200);
    SVA_Clear(area);

    SVA_Add_Filled_Rect(area, 0, 0, 360, 20, band);
    SVA_Add_Text(area, 25, 15, "Systemdaten", PS_HEAD_FONT, BLACK_CI, 2);
    SVA_Add_Text(area, 45, 45, "Vorbemerkungen", PS_FONT, BLACK_CI, 0);
    SVA_Add_Bitmap(area, "act_but.bmp", 25, 36, 38, 49, WHITE_CI);
    SVA_Add_Hotspot(area, 25, 36, 122, 49, 1, &Remarks_Click);
    SVA_Set_Last_Hotspot_Value(area, 18);
    SVA_Set_Last_Hotspot_Text(area, "Vorbemerkungen", PS_FONT, BLACK_CI, 0);
    char lines[32];
    snprintf(lines, sizeof lines, "(%d %s)", Remarks_Lines,
             Remarks_Lines == 1 ? "Zeile" : "Zeilen");
    SVA_Add_Text(area, 45 + SVA_Text_Width_In_Font("Vorbemerkungen", PS_FONT) + 8, 45, lines,
                 PS_FONT, BLACK_CI, 0);

    SVA_Add_Check_Box(area, 45, 65, "Koordinatentabelle der Verbindungsmittel", PS_FONT, BLACK_CI,
                      &Bit_Work[0], &Always_Active);
    SVA_Add_Check_Box(area, 45, 85, "Skizzen mit Bezeichnung der Randabstände"_cp850, PS_FONT,
                      BLACK_CI, &Bit_Work[5], &Always_Active);
    SVA_Add_Check_Box(area, 45, 105, "Plot Ansicht", PS_FONT, BLACK_CI, &Bit_Work[2],
                      &Always_Active);
    Size_Row(area, 125, 2, &Size_Work[0], &Size_Work[1], grey);
    SVA_Add_Check_Box(area, 45, 150, "Plot Längsschnitt"_cp850, PS_FONT, BLACK_CI, &Bit_Work[3],
                      &Always_Active);
    Size_Row(area, 170, 3, &Size_Work[2], &Size_Work[3], grey);
    SVA_Add_Check_Box(area, 45, 195, "Plot Querschnitt", PS_FONT, BLACK_CI, &Bit_Work[4],
                      &Always_Active);
    Size_Row(area, 215, 4, &Size_Work[4], &Size_Work[5], grey);

    SVA_Add_Filled_Rect(area, 0, 240, 360, 260, band);
    SVA_Add_Text(area, 25, 255, "Nachweisergebnisse", PS_HEAD_FONT, BLACK_CI, 2);
    SVA_Add_Option_Button(area, 45, 285, "Maßgebende Schnittgrößenkombination"_cp850, PS_FONT,
                          BLACK_CI, 0, &Combinations_Work, &Always_Active);
    SVA_Add_Option_Button(area, 45, 305, "Alle Schnittgrößenkombinationen"_cp850, PS_FONT, BLACK_CI,
                          1, &Combinations_Work, &Always_Active);
    SVA_Add_Option_Button(area, 45, 330, "Maßgebendes Verbindungsmittel"_cp850, PS_FONT, BLACK_CI,
                          0, &Fasteners_Work, &Always_Active);
    SVA_Add_Option_Button(area, 45, 350, "Alle Verbindungsmittel", PS_FONT, BLACK_CI, 1,
                          &Fasteners_Work, &Always_Active);

    SVA_Add_Filled_Rect(area, 0, 375, 360, 395, band);
    SVA_Add_Text(area, 25, 390, "Nachweise", PS_HEAD_FONT, BLACK_CI, 2);
    SVA_Add_Check_Box(area, 45, 420, "Parameter des nationalen Anhangs", PS_FONT, BLACK_CI,
                      &Bit_Work[7], &Always_Active);
    SVA_Update(area);
}

/* ---------------------------------------------------------------- the sheet */

static void Take_Working_Copies(void)
{
    const Print_Settings *ps = &Splice_Input.print;
    Fasteners_Work = ps->fasteners;
    Combinations_Work = ps->combinations;
    memset(Bit_Work, 0, sizeof Bit_Work);
    for (int k = 0; k < 7; k++) Bit_Work[Sheet_Bits[k]] = Bit_Is_Set(ps->sections, Sheet_Bits[k]);
    Size_Work[0] = ps->view_w;
    Size_Work[1] = ps->view_h;
    Size_Work[2] = ps->long_w;
    Size_Work[3] = ps->long_h;
    Size_Work[4] = ps->cross_w;
    Size_Work[5] = ps->cross_h;
    free(Remarks_Work);
    Remarks_Work = nullptr;
    const char *text = Splice_Input.Vorbemerkungen_Text;
    if (text != nullptr && text[0] != '\0') Remarks_Work = Copy_Or_Abort(text);
    Remarks_Request = 0;
    Remarks_Click = 0;
}

static void Write_Back(void)
{
    Print_Settings *ps = &Splice_Input.print;
    ps->fasteners = Fasteners_Work;
    ps->combinations = Combinations_Work;
    for (int k = 0; k < 7; k++)
        Bit_Set_Or_Clear(Bit_Work[Sheet_Bits[k]], &ps->sections, Sheet_Bits[k]);
    ps->view_w = Size_Work[0];
    ps->view_h = Size_Work[1];
    ps->long_w = Size_Work[2];
    ps->long_h = Size_Work[3];
    ps->cross_w = Size_Work[4];
    ps->cross_h = Size_Work[5];
    free(Splice_Input.Vorbemerkungen_Text);
    Splice_Input.Vorbemerkungen_Text = nullptr;
    if (Remarks_Work != nullptr && Remarks_Work[0] != '\0')
        Splice_Input.Vorbemerkungen_Text = Copy_Or_Abort(Remarks_Work);
}

int Run_Print_Settings_Sheet(void)
{
    if (Sheet_Cx < 0) {
        Sheet_Cx = NPIXEL_X / 2;
        Sheet_Cy = NPIXEL_Y / 2;
    }
    int left = Sheet_Cx - 185, right = Sheet_Cx + 184, top = Sheet_Cy - 270,
        bottom = Sheet_Cy + 269;
    Check_Prop_Sheet_Frames(&left, &top, &right, &bottom);
    Sheet_Cx = left + 185;
    Sheet_Cy = top + 270;

    Define_Prop_Sheet(left, top, right, bottom, 1, 1, "Druckeinstellungen", 50, 1);
    const int reg = Add_Register_to_PS(left + 10, top + 27, 14);
    Add_Member_to_Register(reg, "Haupt", 60, 100);
    Add_Single_Button_to_PS(left + 14, bottom - 29, SYMBOLIC_BREAK_RASTER, nullptr, PS_CANCEL);
    const int help = Add_Help_to_PS((left + right) / 2 - 10, bottom - 29, "Druckeinstellungen");
    Add_Single_Button_to_PS(right - 40, bottom - 29, SYMBOLIC_OK_RASTER, nullptr, PS_CONFIRM);
    Set_Windows_Break_Button(PS_CANCEL);
    Set_Windows_OK_Button(PS_CONFIRM);
    const int esc = Add_Escape_Area_to_PS(left + 10, top + 42, right - 30, bottom - 45, 1);
    Set_Escape_Area_to_MouseMoveEvent(esc, 1);
    const int area = SVA_Create(left + 10, top + 42, right - 10, bottom - 45, 0, 1);

    Move_Mouse_Cursor_to_Button_of_PS(help);
    Activate_Prop_Sheet();
    Take_Working_Copies();
    Edit_Vorbemerkungen();

    int confirmed = 0;
    int rebuild = 1;
    for (;;) {
        if (rebuild) {
            Define_Print_Settings_Page(area);
            if (Edit_Vorbemerkungen()) Define_Print_Settings_Page(area);
        }
        rebuild = 1;
        const int code = Edit_Prop_Sheet();
        if (code == PS_CONFIRM) {
            confirmed = 1;
            break;
        }
        if (code == PS_CANCEL || getkeymask()) break;
        if (code == 1) {
            SVA_Handle_Input(area);
            Define_Print_Settings_Page(area);
            if (Edit_Vorbemerkungen()) Define_Print_Settings_Page(area);
            rebuild = 0;
        }
    }
    int dx = 0, dy = 0;
    Prop_Sheet_Displacement(&dx, &dy);
    Sheet_Cx += dx;
    Sheet_Cy += dy;
    SVA_Delete(area);
    Undefine_Prop_Sheet();
    if (confirmed) Write_Back();
    free(Remarks_Work);
    Remarks_Work = nullptr;
    return 0;
}
