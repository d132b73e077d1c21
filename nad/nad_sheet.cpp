/*
** The selection sheet "Nationale Anwendungsdokumente" (every annex of the list with its flag;
** a button starts the environment's annex editor) and the sheet "Warnung" shown when the annex
** named in the input file is not available.
*/
#include "nad/nad.h"
#include "nad/nad_internal.h"
#include "dialogs/dialogs.h"
#include "foundation/foundation.h"
#include "platform/runtime.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

#define NAD_FONT 4096

static int Sel_Cx = -1, Sel_Cy = -1;   /* remembered centre of the selection sheet */
static int Warn_Cx = -1, Warn_Cy = -1; /* ... of the warning sheet */
static int Pending_Entry = -1;         /* list entry clicked, taken at the next drawing */
static int Editor_Request = 0;         /* 1: start the annex editor */
static int Buttons_Active = 1;         /* activity of the bitmap buttons (always active) */

/* ---------------------------------------------------------------- flags */

/*
** Draw flag number `flag` of the strip "NAD/EuroFlags.bmp" below DATA at (x, y) into a cell of
** 24 x 18 pixels. Nothing without DATA.
*/
void Draw_NAD_Flag_Icon(int x, int y, int x2, int y2, int flag)
{
    (void)x2, (void)y2;
    const char *data = Nad_Env("DATA");
    char path[RT_PATH_MAX];
    if (!data || flag < 0
        || snprintf(path, sizeof path, "%s/NAD/EuroFlags.bmp", data) >= (int)sizeof path)
        return;
    pxDrawPartialTransparentDIB(/*file=*/path, /*sx1=*/0, /*sy1=*/19 * flag, /*sx2=*/25,
                                /*sy2=*/19 * flag + 18, /*x1=*/x, /*y1=*/y, /*x2=*/x + 23,
                                /*y2=*/y + 17, /*mode=*/201, /*flag=*/0, /*r=*/255, /*g=*/251,
                                /*b=*/240);
}

static void Flag_Callback(int x1, int y1, int x2, int y2, void *user)
{
    Draw_NAD_Flag_Icon(x1, y1, x2, y2, (int)(intptr_t)user);
}

/* ---------------------------------------------------------------- list */

/* Cut a name from its end and append "..." until it is at most `room` pixels wide. */
static void Fit_Name(const char *name, char *out, size_t size, int room)
{
    snprintf(out, size, "%s", name);
    Pop_RFont(NAD_FONT);
    if (Text_Width(out) > room) {
        size_t n = strlen(out);
        char buf[128];
        do {
            if (n > 0) n--;
            snprintf(buf, sizeof buf, "%.*s...", (int)n, name);
        } while (n > 0 && Text_Width(buf) > room);
        snprintf(out, size, "%s", buf);
    }
    Push_RFont();
}

/*
** Fill the list area: one row of 25 pixels per annex with its flag and name, the active one
** framed on white; a click on a row makes that annex active at the next drawing.
*/
void Draw_NAD_List(int area)
{
    if (Pending_Entry >= 0 && Pending_Entry < NAD_List.count)
        Nad_Set_Active_Name(NAD_List.names[Pending_Entry]);
    Pending_Entry = -1;
    SVA_Clear(area);
    const char *active = Nad_Active_Name();
    int selected = -1;
    for (int i = 0; i < NAD_List.count; i++) {
        const int y = 5 + 25 * i;
        if (active && strcmp(NAD_List.names[i], active) == 0) {
            SVA_Add_Filled_Rect(area, 2, y - 1, 240, y + 23, WHITE_CI);
            SVA_Add_Line(area, 2, y - 1, 240, y - 1, BLACK_CI);
            SVA_Add_Line(area, 240, y - 1, 240, y + 23, BLACK_CI);
            SVA_Add_Line(area, 240, y + 23, 2, y + 23, BLACK_CI);
            SVA_Add_Line(area, 2, y + 23, 2, y - 1, BLACK_CI);
            selected = i;
        }
        SVA_Add_Draw_Callback(area, 5, y + 2, 220, y + 27, (void *)(intptr_t)NAD_List.flags[i],
                              Flag_Callback);
        char shown[128];
        Fit_Name(NAD_List.names[i], shown, sizeof shown, 180);
        const int colour = i < 2 ? Nearest_RGB_Color(0, 100, 150) : BLACK_CI;
        SVA_Add_Text(area, 37, y + 14, shown, NAD_FONT, colour, 0);
        SVA_Add_Hotspot(area, 2, y - 1, 220, y + 23, i, &Pending_Entry);
    }
    SVA_Update(area);
    if (selected >= 0) {
        const int y = 5 + 25 * selected;
        SVA_Scroll_Into_View(area, 0, y - 1 - 35, 240, y + 23 + 35);
    }
}

/* ---------------------------------------------------------------- selection sheet */

/* Start the environment's annex editor "$EXEC/Quandrel" with the active name; where it is not
** installed, a box says so (as the plans entry does for the plan editor). */
static void Start_Annex_Editor(void)
{
    const char *exec = VELGetEnv("EXEC");
    char path[RT_PATH_MAX];
    const int named = exec && Rt_Path_Join(path, sizeof path, exec, "Quandrel");
    if (!named || !Rt_Is_Executable(path)) {
        Init_Message();
        Set_Message_Symbol(1, 0, 0, 0);
        Set_Message_Title("Anwendungsdokumente");
        Fill_Message("Der Editor der Anwendungsdokumente ist nicht installiert.");
        if (named) {
            char line[RT_PATH_MAX + 32];
            snprintf(line, sizeof line, "Er wird erwartet als %s", path);
            Fill_Message(line);
        }
        Draw_Message();
        return;
    }
    const char *active = Nad_Active_Name();
    const char *argv[3] = {path, active ? active : "", nullptr};
    VELSpawnv(path, argv);
}

/*
** Run the selection sheet. OK keeps the annex chosen in the list, cancel (or closing the
** window) restores the annex active when the sheet opened. Answer what the final activation
** answers (1 file read, 0 defaults).
*/
int Edit_NAD_Selection_Sheet(void)
{
    Build_NAD_List();
    char before[NAD_LIST_NAME_MAX + 1];
    snprintf(before, sizeof before, "%s", Nad_Active_Name() ? Nad_Active_Name() : NAD_NAME_GERMANY);
    Pending_Entry = -1;
    Editor_Request = 0;

    if (Sel_Cx < 0) Sel_Cx = NPIXEL_X / 2, Sel_Cy = NPIXEL_Y / 2;
    int x1 = Sel_Cx - 145, y1 = Sel_Cy - 145, x2 = Sel_Cx + 145, y2 = Sel_Cy + 144;
    Check_Prop_Sheet_Frames(&x1, &y1, &x2, &y2);
    Sel_Cx = x1 + 145;
    Sel_Cy = y1 + 145;
    Define_Prop_Sheet(x1, y1, x2, y2, 1, 1, "Nationale Anwendungsdokumente", 100, 1);
    const int cancel =
        Add_Single_Button_to_PS(x1 + 16, y1 + 261, SYMBOLIC_BREAK_RASTER, nullptr, 3);
    Add_Help_to_PS(x1 + 133, y1 + 261, "NAD_SELECTION_SHEET");
    Add_Single_Button_to_PS(x1 + 250, y1 + 261, SYMBOLIC_OK_RASTER, nullptr, 2);
    Add_Single_Button_to_PS(x1 + 237, y1 + 113, SYMBOLIC_MORE_RASTER, nullptr, 4);
    Set_Windows_Break_Button(3);

    /* Each view area lies under its escape area, which takes the clicks first. */
    const int list = SVA_Create(x1 + 12, y1 + 60, x1 + 275, y2 - 37, 0, 1);
    Add_Escape_Area_to_PS(x1 + 12, y1 + 60, x1 + 260, y2 - 37, 1);

    const int head = SVA_Create(x1 + 12, y1 + 35, x1 + 275, y1 + 50, 0, 0);
    const int head_esc = Add_Escape_Area_to_PS(x1 + 12, y1 + 35, x1 + 275, y1 + 50, 4);
    Set_Escape_Area_to_MouseMoveEvent(head_esc, 1);
    SVA_Set_Frame(head, 0);
    SVA_Set_Bg_Colour(head, GetVELColor(-1));
    SVA_Add_Text(head, 3, 13, "Auswahl:", NAD_FONT, BLACK_CI, 0);
    /* The editor is started by its pen, by the line beside it and by the words before them,
    ** each with the same tooltip: the pen alone is too small to be found. */
    static const char Editor_Tip[] = "Anwendungs-\ndokumente\nbearbeiten";
    static const char Editor_Label[] = "bearbeiten";
    Pop_RFont(NAD_FONT);
    const int label_w = Text_Width(Editor_Label);
    Push_RFont();
    const int label_x = 200 - label_w;
    const int blue = Nearest_RGB_Color(0, 0, 200);
    SVA_Add_Text(head, label_x, 13, Editor_Label, NAD_FONT, blue, 0);
    SVA_Add_Hotspot(head, label_x, 1, 200, 15, 1, &Editor_Request);
    SVA_Set_Last_Hotspot_Value(head, 18);
    SVA_Set_Last_Hotspot_Text(head, Editor_Tip, NAD_FONT, BLACK_CI, 0);
    char bmp[RT_PATH_MAX];
    const int grey = Nearest_RGB_Color(212, 208, 200);
    SVA_Add_Bitmap_Button(/*area=*/head, /*x=*/206, /*y=*/6, /*width=*/42, /*height=*/8,
                          /*file=*/Nad_Data_Bitmap("Buttons.bmp", bmp, sizeof bmp),
                          /*row_offset=*/0, /*transparent=*/grey, /*cursor=*/18,
                          /*tooltip=*/Editor_Tip, /*value=*/1, /*variable=*/&Editor_Request,
                          /*active=*/&Buttons_Active);
    SVA_Add_Bitmap_Button(/*area=*/head, /*x=*/251, /*y=*/7, /*width=*/9, /*height=*/7,
                          /*file=*/Nad_Data_Bitmap("Buttons.bmp", bmp, sizeof bmp),
                          /*row_offset=*/8, /*transparent=*/grey, /*cursor=*/18,
                          /*tooltip=*/Editor_Tip, /*value=*/1,
                          /*variable=*/&Editor_Request, /*active=*/&Buttons_Active);
    SVA_Update(head);

    Draw_NAD_List(list);
    Move_Mouse_Cursor_to_Button_of_PS(cancel);
    Activate_Prop_Sheet();

    for (;;) {
        const int code = Edit_Prop_Sheet();
        if (code == 1) {
            if (SVA_Handle_Input(list)) Draw_NAD_List(list);
        } else if (code == 4) {
            if (SVA_Handle_Input(head) && Editor_Request == 1) {
                Start_Annex_Editor();
                Build_NAD_List();
                Draw_NAD_List(list);
                Editor_Request = 0;
            }
        } else if (code == 3) {
            Nad_Set_Active_Name(before);
            break;
        } else if (code == 2) {
            Nad_Forget_Kept_Name(); /* the user chose: that choice is saved */
            break;
        } else if (getkeymask()) {
            Nad_Set_Active_Name(before);
            break;
        }
    }
    int dx = 0, dy = 0;
    Prop_Sheet_Displacement(&dx, &dy);
    Sel_Cx += dx;
    Sel_Cy += dy;
    SVA_Delete(list);
    SVA_Delete(head);
    Undefine_Prop_Sheet();
    return Activate_NAD();
}

/* ---------------------------------------------------------------- warning sheet */

/*
** Tell the user that the annex `requested` is not available and `active` is used instead. The
** sheet is wide enough for its longest line; OK (or Enter, or closing the sheet) takes the
** fallback, the button beside the last lines leads to the selection sheet. Answer 1 when the
** user asked to choose another annex.
*/
int Run_NAD_Warning_Sheet(const char *requested, const char *active)
{
    if (Warn_Cx < 0) Warn_Cx = NPIXEL_X / 2, Warn_Cy = NPIXEL_Y / 2;
    int x1 = Warn_Cx - 160, y1 = Warn_Cy - 130, x2 = Warn_Cx + 160, y2 = Warn_Cy + 130;
    Check_Prop_Sheet_Frames(&x1, &y1, &x2, &y2);
    Warn_Cx = x1 + 160;
    Warn_Cy = y1 + 130;
    Define_Prop_Sheet(x1, y1, x2, y2, 1, 1, "Warnung", 100, 1);
    const int area = SVA_Create(x1 + 10, y1 + 40, x2 - 10, y2 - 46, 0, 0);
    const int esc = Add_Escape_Area_to_PS(x1 + 10, y1 + 40, x2 - 10, y2 - 46, 1);
    Set_Escape_Area_to_MouseMoveEvent(esc, 1);
    const int yellow = Nearest_RGB_Color(232, 232, 0);
    SVA_Add_Text(area, 10, 20, "Das mit dem Programm verknüpfte NAD"_cp850, NAD_FONT, BLACK_CI, 0);
    SVA_Add_Filled_Rect(area, 10, 27, 230, 42, yellow);
    SVA_Add_Text(area, 14, 38, requested ? requested : "", NAD_FONT, BLACK_CI, 0);
    SVA_Add_Text(area, 10, 56, "kann nicht gefunden werden.", NAD_FONT, BLACK_CI, 0);
    SVA_Add_Text(area, 10, 79, "Um die Stabilität des Programms zu"_cp850, NAD_FONT, BLACK_CI, 0);
    SVA_Add_Text(area, 10, 95, "gewährleisten, wird auf das NAD"_cp850, NAD_FONT, BLACK_CI, 0);
    SVA_Add_Filled_Rect(area, 10, 102, 230, 117, yellow);
    SVA_Add_Text(area, 14, 113, active ? active : "", NAD_FONT, BLACK_CI, 0);
    SVA_Add_Text(area, 10, 131, "umgeschaltet. Wenn Sie dies", NAD_FONT, BLACK_CI, 0);
    SVA_Add_Text(area, 10, 147, "nicht wünschen, wählen Sie"_cp850, NAD_FONT, BLACK_CI, 0);
    SVA_Add_Text(area, 10, 163, "bitte ein anderes NAD aus.", NAD_FONT, BLACK_CI, 0);
    int pressed = 0;
    char bmp[RT_PATH_MAX];
    SVA_Add_Bitmap_Button(/*area=*/area, /*x=*/240, /*y=*/124, /*width=*/40, /*height=*/41,
                          /*file=*/Nad_Data_Bitmap("Buttons.bmp", bmp, sizeof bmp),
                          /*row_offset=*/15, /*transparent=*/SVA_Get_Bg_Colour(area), /*cursor=*/18,
                          /*tooltip=*/"Anwendungs-\ndokument\nauswählen"_cp850, /*value=*/1,
                          /*variable=*/&pressed, /*active=*/&Buttons_Active);
    SVA_Update(area);
    const int ok = Add_Single_Button_to_PS(x2 - 50, y2 - 34, SYMBOLIC_OK_RASTER, nullptr, 2);
    Set_Windows_OK_Button(2);
    Set_Windows_Break_Button(2);
    Move_Mouse_Cursor_to_Button_of_PS(ok);
    Activate_Prop_Sheet();
    for (;;) {
        const int code = Edit_Prop_Sheet();
        if (code == 1) {
            SVA_Handle_Input(area);
            if (pressed) break;
        } else if (code == 2 || getkeymask()) {
            break;
        }
    }
    int dx = 0, dy = 0;
    Prop_Sheet_Displacement(&dx, &dy);
    Warn_Cx += dx;
    Warn_Cy += dy;
    SVA_Delete(area);
    Undefine_Prop_Sheet();
    return pressed;
}
