/*
** The dialog in which the user writes a comment for the print list: a property sheet with a
** picture, three lines of explanation, the buttons "abbrechen", "Hilfe" and "bestätigen" and a
** multi-line editor. The sheet's centre is remembered from one call to the next. The writers
** print the comment (printlist/oli_util.h); the dialog is the toolkit's.
*/
#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "dialogs/comment.h"
#include "dialogs/sva.h"
#include "foundation/codepage.h"
#include "foundation/ttool.h"
#include "platform/zelkwin.h"

enum { COMMENT_CANCEL = 1, COMMENT_HELP = 2, COMMENT_CONFIRM = 3, COMMENT_AREA = 2000 };

static int comment_cx = -1, comment_cy = -1; /* remembered centre of the sheet */

/* Build the view area's items. */
static void comment_items(int area, char *buffer, int capacity, int *result, int *active, int w,
                          int h)
{
    int paper = Nearest_RGB_Color(255, 251, 240);
    SVA_Add_Filled_Rect(area, 0, 0, w, 110, paper);
    SVA_Add_Bitmap(area, "UComment.bmp", 8, 8, 72, 72, paper);
    SVA_Add_Text(area, 90, 24, "Geben Sie hier Ihre Anmerkungen ein.", 4096, BLACK_CI, 0);
    SVA_Add_Text(area, 90, 42, "Diese werden an geeigneter Stelle", 4096, BLACK_CI, 0);
    SVA_Add_Text(area, 90, 60, "in der Druckliste ausgegeben.", 4096, BLACK_CI, 0);
    static const char *labels[3] = {"abbrechen", "Hilfe", "bestätigen"_cp850};
    for (int i = 0; i < 3; i++)
        SVA_Add_Bitmap_Button(/*area=*/area, /*x=*/w - 3 * 40 + i * 40, /*y=*/70, /*width=*/36,
                              /*height=*/36, /*file=*/"Glory3.bmp", /*row_offset=*/36 * i,
                              /*transparent=*/1, /*cursor=*/0, /*tooltip=*/labels[i],
                              /*value=*/i + 1, /*variable=*/result, /*active=*/active);
    SVA_Add_Text_Editor(/*area=*/area, /*x1=*/4, /*y1=*/116, /*x2=*/w - 4, /*y2=*/h - 4,
                        /*text=*/buffer, /*max_len=*/capacity, /*colour=*/BLACK_CI,
                        /*bg_colour=*/WHITE_CI, /*frame=*/1, /*active=*/active);
}

char *Edit_User_Comment(char *text, const char *title)
{
    int len = text ? (int)strlen(text) : 0;
    int capacity = std::max(5000, 4 * len);
    char *buffer = Str_Dup_N(text ? text : "", capacity);
    if (buffer == nullptr) return text;

    if (comment_cx < 0) {
        comment_cx = NPIXEL_X / 2;
        comment_cy = NPIXEL_Y / 2;
    }
    int w = std::min(600, NPIXEL_X - 50), h = std::min(400, NPIXEL_Y - 50);
    int x1 = comment_cx - w / 2, y1 = comment_cy - h / 2, x2 = x1 + w, y2 = y1 + h;
    Check_Prop_Sheet_Frames(&x1, &y1, &x2, &y2);
    comment_cx = (x1 + x2) / 2;
    comment_cy = (y1 + y2) / 2;

    Define_Prop_Sheet(x1, y1, x2, y2, 1, 1, title ? title : "", 100, 1);
    Set_Windows_Break_Button(COMMENT_CANCEL);
    int ax1 = x1 + 4, ay1 = y1 + 33 + 4, ax2 = x2 - 4, ay2 = y2 - 4;
    int escape = Add_Escape_Area_to_PS(ax1, ay1, ax2, ay2, COMMENT_AREA);
    Set_Escape_Area_to_MouseMoveEvent(escape, 1);
    int area = SVA_Create(ax1, ay1, ax2, ay2, 0, 0);
    int result = 0, active = 1;
    comment_items(area, buffer, capacity, &result, &active, ax2 - ax1, ay2 - ay1);
    Activate_Prop_Sheet();
    /* the editor has the keyboard from the start: the user writes at once */
    SVA_Update(area);
    SVA_Focus_Editor(area);
    while (result != COMMENT_CANCEL && result != COMMENT_CONFIRM) {
        SVA_Update(area);
        int code = Edit_Prop_Sheet();
        if (code == COMMENT_CANCEL) result = COMMENT_CANCEL;
        else if (code == COMMENT_AREA) SVA_Handle_Input(area);
        if (result == COMMENT_HELP) {
            Helpview("USER_COMMENT");
            result = 0;
        }
    }
    SVA_Clear(area);
    SVA_Delete(area);
    Undefine_Prop_Sheet();

    if (result != COMMENT_CONFIRM) {
        free(buffer);
        return text;
    }
    char *fresh = (char *)malloc(strlen(buffer) + 1);
    if (fresh == nullptr) {
        free(buffer);
        return text;
    }
    strcpy(fresh, buffer);
    free(buffer);
    free(text);
    return fresh;
}
