/*
** Finish dialog, stdio hand-over and text box. The stdio table's four functions with variable
** arguments are forwarders to the runtime's argument-list functions; the other fourteen are the
** runtime's own.
*/
#include "dialogs/finish.h"

#include <cstdarg>
#include <cstdio>

#include "dialogs/message.h"
#include "foundation/format.h"
#include "platform/zelkwin.h"

/* ------------------------------------------------------------------ stdio hand-over */

static int Fwd_Fscanf(FILE *f, const char *format, ...)
{
    va_list ap;
    va_start(ap, format);
    int r = vfscanf(f, format, ap);
    va_end(ap);
    return r;
}

static int Fwd_Fprintf(FILE *f, const char *format, ...)
{
    va_list ap;
    va_start(ap, format);
    int r = Format_To_File(f, format, ap);
    va_end(ap);
    return r;
}

static int Fwd_Sscanf(const char *s, const char *format, ...)
{
    va_list ap;
    va_start(ap, format);
    int r = vsscanf(s, format, ap);
    va_end(ap);
    return r;
}

/* The library's slot has no size: the callers size their buffers for the texts they format. */
static int Fwd_Sprintf(char *s, const char *format, ...)
{
    va_list ap;
    va_start(ap, format);
    int r = vsprintf(s, format, ap);
    va_end(ap);
    return r;
}

const VEL_Stdio_Fct_Table Stdio_Fct_Table = {
    18,      fopen,   fclose, fread, fwrite, ferror, Fwd_Fscanf, Fwd_Fprintf, fseek,       ftell,
    fsetpos, fgetpos, fgets,  fgetc, fputs,  fputc,  ungetc,     Fwd_Sscanf,  Fwd_Sprintf,
};

void Install_Stdio_Table(void) { VELSetStdioFctPtr(&Stdio_Fct_Table); }

void Init_VEL_Stdio_And_Mousewheel(void)
{
    Msg_Install_Foundation_Hook();
    Install_Stdio_Table();
    Set_MouseWheel_Activity(1);
}

void Init_VEL_Stdio_And_Mousewheel_2(void) { Init_VEL_Stdio_And_Mousewheel(); }

/* ------------------------------------------------------------------ finish dialog */

static int Save_Flag = 1;

int Ask_Finish_Editing(void)
{
    Save_Flag = 1;
    int cx = NPIXEL_X / 2, cy = NPIXEL_Y / 2;
    Define_Prop_Sheet(cx - 115, cy - 57, cx + 114, cy + 57, 1, 1, "BEARBEITUNG BEENDEN", 4, 1);
    Draw_Funny_Text_to_PS(cx - 82, cy - 7, "Bearbeitungszustand", 0, 2);
    Draw_Funny_Text_to_PS(cx - 25, cy + 9, "speichern", 0, 2);
    Add_Logical_Button_to_PS(cx + 53, cy, SYMBOLIC_YES_RASTER, SYMBOLIC_NO_RASTER, &Save_Flag, 0);
    Add_Single_Button_to_PS(cx + 70, cy + 29, SYMBOLIC_OK_RASTER, "", 1);
    Add_Single_Button_to_PS(cx - 94, cy + 29, SYMBOLIC_BREAK_RASTER, "", 3);
    Add_Help_to_PS(cx - 11, cy + 30, "FINISH_BTN_000");
    msStCu(cx + 78, cy + 37);
    Activate_Prop_Sheet();
    int result;
    for (;;) {
        int code = Edit_Prop_Sheet();
        if (code == 1) {
            result = Save_Flag;
            break;
        }
        if (code == 3 || getkeymask() == 1) { /* a closed window cancels too */
            result = -1;
            break;
        }
    }
    Undefine_Prop_Sheet();
    return result;
}

/* ------------------------------------------------------------------ text box */

int Draw_PS_Text_Box(int left, int top, int right, int bottom, const char *text, int alignment,
                     int frame_style, int font, int text_colour, int fill_colour)
{
    int fg = pxQFgc();
    int vx1, vy1, vx2, vy2;
    pxQVwp(&vx1, &vy1, &vx2, &vy2);
    pxView(left, top, right, bottom);
    int inset = 0;
    if (frame_style > 0) {
        Draw_Funny_Area_to_PS(frame_style, left, top, right, bottom, 0);
        inset = frame_style <= 2 ? 1 : 2;
        pxView(left + inset, top + inset, right - inset, bottom - inset);
    }
    if (fill_colour != -10000) {
        pxFgc(fill_colour);
        pxRect(left + inset, top + inset, right - inset, bottom - inset);
    }
    if (text && text_colour != -10000) {
        if (font >= 0) Pop_RFont(font);
        pxFgc(text_colour);
        if (frame_style > 0)
            pxBTxt(left + inset + 3, top + inset, right - inset - 1, bottom - inset, text, -1,
                   alignment);
        else pxBTxt(left, top, right, bottom, text, -1, alignment);
        if (font >= 0) Push_RFont();
    }
    pxFgc(fg);
    pxView(vx1, vy1, vx2, vy2);
    pxFlsh();
    return 1;
}
