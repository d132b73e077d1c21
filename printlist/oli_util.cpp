/*
** Print-list utilities: wrapped texts and the user-comment block, the error list shown in a
** table sheet, copying a text stream into the list, names in guillemets, the error message
** boxes, position print lists and the title bitmap of a page.
*/
#include "printlist/oli_util.h"

#include <cstring>
#include <string>

#include "foundation/codepage.h"
#include "foundation/files.h"
#include "platform/oliview.h"
#include "platform/zelkgrft.h"
#include "platform/zelkgrft_oli.h"
#include "platform/zelkwin.h"
#include "printlist/oli_internal.h"
#include "printlist/oli_para.h"
#include "printlist/oli_writer.h"

static int32_t wrap_width = 600; /* pixels of the measuring font */

/* The comment block's text stands right of its logo. */
static const float comment_left_cm = 1.4f;

void Oli_Set_Wrap_Width(int32_t pixels) { wrap_width = pixels; }
int32_t Oli_Get_Wrap_Width(void) { return wrap_width; }

/* ---- wrapped texts ---- */

/* The piece as it is written: each 0xCE doubled, so that the user's own text prints as itself. */
static std::string written_piece(const char *text, int len)
{
    std::string piece;
    for (int i = 0; i < len; i++) piece.append(text[i] == '\xCE' ? 2 : 1, text[i]);
    return piece;
}

/* A piece fits when it is no wider than the wrap width in the measuring font and, printed in the
** paragraph's style, no wider than the room (cm) between the margins, so that the print never
** breaks it again. */
static int piece_fits(const char *text, int len, double room)
{
    int left = 0, right = 0;
    pxQTxX(text, len, &left, &right, nullptr, nullptr);
    if (right - left > wrap_width) return 0;
    return Oli_Para_Line_Width_Cm(written_piece(text, len), Oli_Para_Get_Mode()) <= room;
}

/* Write one line of text (no line feed inside) broken to the wrap width and the room. */
static void wrap_line(FILE *file, const char *line, int len, double room)
{
    if (len == 0) {
        Oli_Printf(file, " \n");
        return;
    }
    while (len > 0) {
        int k = 1;
        while (k < len && piece_fits(line, k + 1, room)) k++;
        int cut = k;
        if (k < len && line[k] != ' ' && line[k - 1] != ' ') {
            int j = k - 1;
            while (j > 0 && line[j] != ' ') j--;
            if (j > 0) cut = j + 1; /* after the last blank; without one hard at the limit */
        }
        /* a break that falls on a blank takes its place: the next line starts with its word */
        const int blank = cut < len && line[cut] == ' ' && line[cut - 1] != ' ';
        Oli_Printf(file, "%s\n", written_piece(line, cut).c_str());
        line += cut + blank;
        len -= cut + blank;
    }
}

/* The text broken into lines of at most room cm on the page. The measuring font is the print
** font (4096), whatever font the caller has selected. */
static void wrap_text(FILE *file, const char *text, double room)
{
    if (file == nullptr || text == nullptr) return;
    Pop_RFont(4096);
    const char *p = text;
    while (*p) {
        const char *lf = strchr(p, '\n');
        int len = lf ? (int)(lf - p) : (int)strlen(p);
        wrap_line(file, p, len, room);
        if (lf == nullptr) break;
        p = lf + 1;
    }
    Push_RFont();
}

/* The room (cm) between the writer's margins. */
static double writer_room(void)
{
    return OLI_TEXT_WIDTH - Oli_Get_Left_Margin() - Oli_Get_Right_Margin();
}

void Print_Wrapped_Text(FILE *file, const char *text) { wrap_text(file, text, writer_room()); }

/* A comment worth printing: not empty, not a single blank or line feed. */
static int comment_present(const char *text)
{
    return text && text[0] && strcmp(text, " ") && strcmp(text, "\n");
}

static void comment_text(FILE *file, const char *text, int32_t width, double room)
{
    int32_t keep = wrap_width;
    wrap_width = width;
    Oli_Para_Reset();
    wrap_text(file, text, room);
    Oli_Para_Set_Flag13();
    Oli_End_Text(file);
    wrap_width = keep;
}

void Print_User_Comment(FILE *file, const char *text)
{
    if (file == nullptr || !comment_present(text)) return;
    OLI_setFlags(file, 0x1000000);
    OLI_setFlags(file, 0x8000000);
    OLI_setFlags(file, 512);
    OLI_storeYPosition(file, 1);
    fprintf(
        file,
        "#SHOWGRAFIC\n0 0 0\n0 0 0\n-1\n0.0 1.2 1.2 0.0\n27 0.0 0.0 %%FONT%%\\UserCommentLogo.ocm\n-1\n");
    OLI_pushMargins(file);
    OLI_setMarginsCM(file, 1, comment_left_cm, 0.0f);
    OLI_restoreYPosition(file, 1);
    comment_text(file, text, 600, OLI_TEXT_WIDTH - comment_left_cm);
    OLI_popMargins(file, 0x100000);
    OLI_setYPositionCM(file, 4, 0);
    OLI_setFlags(file, 0x2000000);
}

void Print_User_Comment_Plain(FILE *file, const char *text)
{
    if (file == nullptr || !comment_present(text)) return;
    OLI_setFlags(file, 0x1000000);
    OLI_setFlags(file, 0x8000000);
    OLI_setFlags(file, 512);
    comment_text(file, text, 675, writer_room());
    OLI_setYPositionCM(file, 4, 0);
    OLI_setFlags(file, 0x2000000);
}

/* ---- error list ---- */

FILE *Oli_Error_List_Open(const char *name)
{
    if (name == nullptr) return nullptr;
    FILE *f = Base_Path_Fopen(name, "w+");
    if (f) fputs("#SHOWTABLE\n0 0 0\n0 0 -1 -1\n", f);
    return f;
}

int Oli_Error_List_Add(FILE *file, int result, const char *text)
{
    if (file) fprintf(file, " %s\n", text ? text : "");
    return result;
}

void Show_Oli_Table_File(FILE *file)
{
    static int colours_set = 0;
    if (file == nullptr) return;
    fputs("#END_OF_TEXT\n", file);
    rewind(file);
    OLITable *table = readOLITableFromFILE(file);
    if (table == nullptr) return;
    if (!colours_set) {
        int bg, alt, head;
        getOLITableColours(&bg, &alt, &head);
        int grey = Nearest_RGB_Color(240, 240, 240);
        setOLITableColours(grey, grey, BUTTON_CI);
        colours_set = 1;
    }
    OLITablePropSheet(table, "Fehlermeldungen", 6, 6, NPIXEL_X - 6, NPIXEL_Y - 6);
    deleteOLITable(table);
}

/* ---- streams and names ---- */

int Oli_Copy_Stream_Text(FILE *list, FILE *stream)
{
    if (list == nullptr || stream == nullptr) return 1;
    rewind(stream);
    char piece[200];
    while (fgets(piece, sizeof piece, stream)) fputs(piece, list);
    fputs("#END_OF_TEXT\n", list);
    return 0;
}

int Oli_Write_Check_Impossible(FILE *list, FILE *stream)
{
    if (list == nullptr) return 1;
    fprintf(list, " \xCE"
                  "bDer Nachweis kann nicht geführt werden ==>\xCEr\n#END_OF_TEXT\n"_cp850);
    if (stream) Oli_Copy_Stream_Text(list, stream);
    return 0;
}

int Oli_Read_Name(FILE *file, char *name)
{
    if (file == nullptr || name == nullptr) return 1;
    return fscanf(file, " \xAE%100[^\xAF]\xAF", name) == 1 ? 0 : 1;
}

int Oli_Write_Name(FILE *file, const char *name)
{
    if (file == nullptr) return 1;
    return fprintf(file, "\xAE%s\xAF\n", name ? name : "") < 0 ? 1 : 0;
}

static int message_box(const char *text, int result)
{
    Init_Message();
    Fill_Message(text);
    Draw_Message();
    return result;
}

int Oli_Read_Error(void) { return message_box("Lesefehler !!!", 101); }
int Oli_Write_Error(void) { return message_box("Schreibfehler !!!", 102); }
int Oli_Data_Error(void) { return message_box("Datenfehler !!!", 103); }

void Oli_Show_Message(const char *text)
{
    if (text) message_box(text, 0);
}

/* ---- position print lists ---- */

static char list_name[FILES_PATH_MAX] = "";

void Oli_Set_Print_List_Name(const char *name) { Oli_Copy(list_name, name, sizeof list_name); }
const char *Oli_Get_Print_List_Name(void) { return list_name; }

FILE *Oli_Open_Pos_Print_List(const char *position, const char *title, int no_new_page)
{
    if (list_name[0] == 0) return nullptr;
    FILE *f = Base_Path_Fopen(list_name, "w");
    if (f == nullptr) return nullptr;
    if (!no_new_page) fputs("#NEWPAGE\n", f);
    OLI_setFlags(f, 896);
    OLI_setLayout(f, 4115);
    fprintf(f, "#CONTENTS\n POS. %s: %s\n", position ? position : "", title ? title : "");
    return f;
}

/* ---- title bitmap of a page ---- */

void Draw_Page_Title(const char *name, int32_t x, int32_t y)
{
    if (name == nullptr) return;
    char file[FILES_PATH_MAX];
    int w = 0, h = 0;
    snprintf(file, sizeof file, "%s.BMP", name);
    int have = Query_DIB_Size(file, &w, &h);
    if (!have) w = h = 0;
    pxFgc(Nearest_RGB_Color(235, 245, 225));
    pxRect(x, y, x + (w > 0 ? w : 200) - 1, y + (h > 0 ? h : 60) - 1);
    if (have) {
        pxDrawTransparentDIB(/*file=*/file, /*x1=*/x, /*y1=*/y, /*x2=*/x + w - 1, /*y2=*/y + h - 1,
                             /*mode=*/201, /*flag=*/0, /*r=*/-1, /*g=*/0, /*b=*/0);
    } else {
        snprintf(file, sizeof file, "%s.RPC", name);
        Draw_RPC_File(file, x, y);
    }
    pxFgc(Nearest_RGB_Color(170, 170, 170));
    int left = 0, right = 0;
    pxQTxX(name, -1, &left, &right, nullptr, nullptr);
    pxText(x + (w > 0 ? w : 200) - (right - left) - 4, y + (h > 0 ? h : 60) - 4, name, -1);
}
