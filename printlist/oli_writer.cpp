/*
** Print-list file and headings: heading counters and numbers, bookmark folders of the
** contents, margins, text width, body style and the ten stored vertical positions. Headings go
** through the paragraph writer (format version 335 on) or, for older viewers, as a graphic.
*/
#include "printlist/oli_writer.h"

#include <cerrno>
#include <cstdarg>
#include <cstring>
#include <string>

#include "foundation/format.h"
#include "platform/zelkgrft_oli.h"
#include "printlist/oli_graphic.h"
#include "printlist/oli_internal.h"
#include "printlist/oli_para.h"

static int32_t heading_counter[OLI_MAX_HEADING_LEVEL + 1];
static int32_t heading_depth = 3;
static int32_t last_bookmark_level = -1;
static int32_t bookmark_depth = 2;
static int32_t bookmark_levels = 3;
static int32_t level_mode[OLI_MAX_HEADING_LEVEL] = {1, 1, 1, 1, 1, 1};
static double number_width[OLI_MAX_HEADING_LEVEL] = {0.28, 0.28, 0.28, 0.28, 0.28, 0.28};
static int unnumbered = 0;
static int no_indent = 0;
static int via_paragraphs = 1;
static char current_number[101] = "???";
static double base_margin = 0.0;
static float left_margin = 0.0f, right_margin = 0.0f;
static double text_width = 17.0;
static int32_t body_mode = 7;
static int position_used[OLI_POSITION_SLOTS];

static const int32_t chars_per_style[11] = {106, 106, 165, 125, 96, 73, 106, 106, 132, 132, 165};

static int32_t clamp_level(int32_t level)
{
    return level < 1 ? 1 : level > OLI_MAX_HEADING_LEVEL ? OLI_MAX_HEADING_LEVEL : level;
}

/* ---- set-up and state ---- */

void Oli_Init_Writer(int32_t depth, int32_t spacing_mode, int32_t flags)
{
    for (int i = 1; i <= OLI_MAX_HEADING_LEVEL; i++) heading_counter[i] = 0;
    heading_depth = depth > OLI_MAX_HEADING_LEVEL ? OLI_MAX_HEADING_LEVEL : depth;
    if (heading_depth < 1) heading_depth = 1;
    for (int i = 0; i < OLI_MAX_HEADING_LEVEL; i++) {
        level_mode[i] = spacing_mode;
        number_width[i] = spacing_mode == 1 ? 0.28 : 0.48;
    }
    no_indent = flags & 1;
    unnumbered = (flags >> 1) & 1;
    last_bookmark_level = -1;
    /* A new print list starts at the page's own margins, whatever the previous one left. */
    base_margin = 0.0;
    left_margin = right_margin = 0.0f;
    Oli_Forget_Write_Errors(nullptr);
}

void Oli_Set_Level_Spacing(const int32_t *modes)
{
    if (modes == nullptr) return;
    for (int i = 0; i < heading_depth; i++) {
        level_mode[i] = modes[i];
        number_width[i] = modes[i] == 1 ? 0.28 : 0.48;
    }
}

void Oli_Set_Unnumbered(void) { unnumbered = 1; }
void Oli_Set_Numbered(void) { unnumbered = 0; }
void Oli_Set_Bookmark_Depth(int32_t n) { bookmark_depth = n; }
void Oli_Set_Bookmark_Levels(int32_t n) { bookmark_levels = n; }
int32_t Oli_Get_Heading_Counter(int32_t level) { return heading_counter[clamp_level(level)]; }
void Oli_Set_Heading_Counter(int32_t level, int32_t value)
{
    heading_counter[clamp_level(level)] = value;
}
void Oli_Increment_Heading_Counter(int32_t level) { heading_counter[clamp_level(level)]++; }
const char *Oli_Get_Heading_Number(void) { return unnumbered ? nullptr : current_number; }
double Oli_Get_Text_Width(void) { return text_width; }
void Oli_Set_Text_Width(double cm) { text_width = cm; }
void Oli_Set_Body_Mode(int32_t mode) { body_mode = mode; }
int32_t Oli_Get_Body_Mode(void) { return body_mode; }
void Oli_Set_Base_Margin(double cm) { base_margin = cm; }
double Oli_Get_Base_Margin(void) { return base_margin; }
int32_t Oli_Get_Last_Bookmark_Level(void) { return last_bookmark_level; }

int32_t Oli_Chars_Per_Line(int32_t style)
{
    int32_t n = style >= 0 && style <= 10 ? chars_per_style[style] : 96;
    if (text_width == 0.0) return n;
    return (int32_t)Oli_Round_Half_Away(n * (text_width - left_margin) / text_width);
}

int32_t Oli_Body_Chars_Per_Line(void) { return Oli_Chars_Per_Line(body_mode); }

/* ---- margins and positions ---- */

void Oli_Set_Left_Margin(FILE *file, double cm)
{
    if (file == nullptr) return;
    left_margin = (float)cm;
    OLI_setMarginsCM(file, 1, left_margin, right_margin);
}

void Oli_Set_Right_Margin(FILE *file, double cm)
{
    if (file == nullptr) return;
    right_margin = (float)cm;
    OLI_setMarginsCM(file, 1, left_margin, right_margin);
}

double Oli_Get_Left_Margin(void) { return left_margin; }
double Oli_Get_Right_Margin(void) { return right_margin; }

void Oli_Move_Lines(FILE *file, double n)
{
    if (file) OLI_setYPositionCM(file, 1, n * 0.38);
}

void Oli_Move_Cm(FILE *file, double cm)
{
    if (file) OLI_setYPositionCM(file, 1, cm);
}

void Oli_Reserve_Lines(FILE *file, double n)
{
    if (file) OLI_reserveSpaceCM(file, n * 0.38);
}

void Oli_Reserve_Small_Lines(FILE *file, double n)
{
    if (file) OLI_reserveSpaceCM(file, n * 0.286);
}

void Oli_Position_Mode_4(FILE *file)
{
    if (file) OLI_setYPositionCM(file, 4, 0);
}

/* Take the first free slot and store the vertical position in it; -1 when none is free. */
int32_t Oli_Store_Position(FILE *file)
{
    if (file == nullptr) return -1;
    for (int32_t i = 0; i < OLI_POSITION_SLOTS; i++) {
        if (!position_used[i]) {
            position_used[i] = 1;
            OLI_storeYPosition(file, i);
            return i;
        }
    }
    Oli_Debug("Fehler in 'ioliwrt': Kein Positionierungsindex mehr frei!\n");
    return -1;
}

void Oli_Restore_Position(FILE *file, int32_t slot)
{
    if (file == nullptr || slot < 0 || slot >= OLI_POSITION_SLOTS || !position_used[slot]) return;
    OLI_restoreYPosition(file, slot);
    position_used[slot] = 0;
}

void Oli_Restore_Position_Keep(FILE *file, int32_t slot)
{
    if (file == nullptr || slot < 0 || slot >= OLI_POSITION_SLOTS || !position_used[slot]) return;
    OLI_restoreYPosition(file, slot);
}

void Oli_Free_Position(int32_t slot)
{
    if (slot >= 0 && slot < OLI_POSITION_SLOTS) position_used[slot] = 0;
}

void Oli_Free_All_Positions(void)
{
    for (int i = 0; i < OLI_POSITION_SLOTS; i++) position_used[i] = 0;
}

void Oli_Write_Contents(FILE *file, const char *title)
{
    /* the title is plain text: its escape bytes are doubled, so that each prints as itself */
    std::string plain;
    for (const char *p = title ? title : ""; *p; p++) {
        plain += *p;
        if (*p == '\xCE') plain += '\xCE';
    }
    Oli_File_Printf(file, "#CONTENTS\n %s\n \n", plain.c_str());
}

int Oli_End_List(FILE *file)
{
    if (file == nullptr) return EINVAL;
    errno = 0;
    if (fflush(file) != 0 || ferror(file)) Oli_Note_Write_Error(file, errno);
    int err = Oli_List_Error(file);
    Oli_Forget_Write_Errors(file);
    return err;
}

/* ---- headings ---- */

/* Width of the number column by heading depth. */
static double number_column_width(void)
{
    static const double extra[7] = {0.35, 0.35, 0.35, 0.3, 0.2, 0.35, 0.35};
    double w = 0.0;
    for (int i = 0; i < heading_depth && i < OLI_MAX_HEADING_LEVEL; i++) w += number_width[i];
    return w + extra[heading_depth];
}

/* The heading of format versions up to 334: a small graphic with the number and text. */
static void heading_old_form(FILE *file, int32_t level, const char *number, const char *text,
                             int bookmark, int32_t kind, const char *mark_text)
{
    OLI_setMarginsCM(file, 1, (float)base_margin, right_margin);
    OLI_reserveSpaceCM(file, 3.0);
    Oli_File_Printf(file, "#SHOWGRAFIC\n 0 0 0\n 0 0 0\n-1\n %lf %lf %lf %lf\n 7 %d\n", 0.0, 17.0,
                    0.0, level == 1 ? 0.8 : 0.7, level == 1 ? 5 : 4);
    int copies = level == 2 || level == 3 ? 4 : 1;
    double y = level == 1 ? 0.2 : 0.1;
    const char *parts[2] = {number, text};
    double x = 0.0;
    for (int p = 0; p < 2; p++) {
        if (parts[p] == nullptr || parts[p][0] == 0) continue;
        for (int c = 0; c < copies; c++)
            Oli_File_Printf(file, " 2 %lf %lf \xAE%s\xAF\n", x + (c & 1 ? 0.01 : 0.0),
                            y + (c & 2 ? 0.01 : 0.0), parts[p]);
        x = no_indent ? x + 0.2 * (double)strlen(parts[p]) : number_column_width();
    }
    Oli_File_Printf(file, " -1\n");
    if (bookmark) {
        OLI_setBookmark(file, kind, mark_text);
        OLI_setBookmark(file, 15, "");
    }
    OLI_setYPositionCM(file, 1, -0.6);
    left_margin = (!no_indent && base_margin == 0.0) ? (float)number_column_width() : 0.0f;
}

/* "\xCE@" and the three texts one after the other into out (size bytes, cut there). */
static void join_texts(char *out, size_t size, const char *a, const char *b, const char *c)
{
    size_t n = 0;
    const char *parts[4] = {"\xCE@", a, b, c};
    for (const char *part : parts) {
        size_t k = strlen(part);
        if (n + k >= size) k = size - 1 - n;
        memcpy(out + n, part, k);
        n += k;
    }
    out[n] = 0;
}

/* Numbered heading: counters, number, bookmark and the printed paragraph. */
static void numbered_heading(FILE *file, int32_t level, const char *text, int bookmark,
                             int32_t kind)
{
    int32_t lv = level > OLI_MAX_HEADING_LEVEL ? OLI_MAX_HEADING_LEVEL : level;
    if (heading_depth < lv) heading_depth = lv;
    heading_counter[lv]++;
    for (int i = lv + 1; i <= OLI_MAX_HEADING_LEVEL; i++) heading_counter[i] = 0;
    if (lv == 1) base_margin = 0.0;
    int32_t mode = lv == 1 ? 5 : 4;

    char number[101] = "";
    if (!unnumbered) {
        size_t used = 0; /* at most six levels of "%d.": far below the room */
        for (int i = 1; i <= lv; i++) {
            used += (size_t)Format_Int(number + used, heading_counter[i]);
            number[used++] = '.';
        }
        number[used] = 0;
        Oli_Copy(current_number, number, sizeof current_number);
    }
    char printed[OLI_TEXT_SIZE + 110], mark[OLI_TEXT_SIZE + 110];
    if (unnumbered) {
        Oli_Copy(printed, text, sizeof printed);
        Oli_Copy(mark, text, sizeof mark);
    } else {
        join_texts(printed, sizeof printed, number, no_indent ? " " : "\xCEt", text);
        join_texts(mark, sizeof mark, number, " ", text);
    }

    if (Oli_Get_Format_Version() < 335) {
        heading_old_form(file, lv, unnumbered ? "" : number, text, bookmark && lv <= bookmark_depth,
                         kind, mark);
        return;
    }
    if (via_paragraphs) {
        if (!no_indent) Oli_Set_Left_Margin(file, base_margin);
        OLI_setYPositionCM(file, 1, 0.254);
        OLI_reserveSpaceCM(file, 3.0);
    }
    if (bookmark && lv <= bookmark_depth) OLI_setBookmark(file, kind, mark);
    if (via_paragraphs) {
        Oli_Para_Set_Mode(mode);
        if (!unnumbered && !no_indent) {
            double w = number_column_width();
            Oli_Para_Set_Tabs(17, nullptr, &w, 1);
        }
        if (lv == 1) {
            Oli_Para_Print_Text(file, printed, 1); /* Oli_Printf(file, "%s\n", printed) */
            Oli_Para_Add_Offset(0.1);
            Oli_End_Text(file);
            OLI_setYPositionCM(file, 1, 0.1);
        } else {
            char face[OLI_TEXT_SIZE + 120]; /* Oli_Printf(file, "\xCEH%s\xCEr\n", printed) */
            size_t n = strlen(printed);
            memcpy(face, "\xCEH", 2);
            memcpy(face + 2, printed, n);
            memcpy(face + 2 + n, "\xCEr\n", 4);
            Oli_Para_Print_Text(file, face, 0);
            Oli_End_Text(file);
        }
    }
    if (!no_indent) Oli_Set_Left_Margin(file, base_margin + number_column_width());
}

/* Level 0: an unnumbered heading in heading face. */
static void level_zero_heading(FILE *file, const char *text)
{
    OLI_setYPositionCM(file, 1, 0.114);
    Oli_Para_Set_Mode(4);
    Oli_Printf(file, "\xCEH%s\xCEr\n", text);
    Oli_End_Text(file);
}

/* Close bookmark folders for a heading of this level; answers the bookmark kind. */
static int32_t folder_handling(FILE *file, int32_t level)
{
    int32_t folder_level =
        bookmark_depth - 1 < bookmark_levels ? bookmark_depth - 1 : bookmark_levels;
    if (level >= 1 && level <= folder_level) {
        if (last_bookmark_level == level) {
            OLI_setBookmark(file, 17, nullptr);
        } else if (level < last_bookmark_level) {
            for (int32_t i = 0; i < last_bookmark_level - level + 1; i++)
                OLI_setBookmark(file, 17, nullptr);
        }
        last_bookmark_level = level;
        return 16;
    }
    return 0;
}

/* A heading of level 0 as its own line, any other numbered (with a bookmark of the kind when
** mark is not 0). */
static void plain_or_numbered(FILE *file, int32_t level, const char *text, int mark, int32_t kind)
{
    if (level == 0) level_zero_heading(file, text);
    else numbered_heading(file, level, text, mark, kind);
}

void Oli_Write_Heading(FILE *file, int32_t level, const char *format, ...)
{
    if (file == nullptr || level < 0 || format == nullptr) return;
    char text[OLI_TEXT_SIZE + 1];
    OLI_FORMAT_ARGS(text, format);
    if (level == 0) {
        level_zero_heading(file, text);
        return;
    }
    int32_t kind = folder_handling(file, level);
    numbered_heading(file, level, text, 1, kind);
    if (level == 1) OLI_setYPositionCM(file, 1, -0.19);
}

void Oli_Write_Heading_Plain(FILE *file, int32_t level, const char *format, ...)
{
    if (file == nullptr || level < 0 || format == nullptr) return;
    char text[OLI_TEXT_SIZE + 1];
    OLI_FORMAT_ARGS(text, format);
    plain_or_numbered(file, level, text, 0, 0);
}

void Oli_Write_Heading_Marked(FILE *file, int32_t level, int32_t bookmark_kind, const char *format,
                              ...)
{
    if (file == nullptr || level < 0 || format == nullptr) return;
    char text[OLI_TEXT_SIZE + 1];
    OLI_FORMAT_ARGS(text, format);
    plain_or_numbered(file, level, text, 1, bookmark_kind);
}

void Oli_Write_Heading_Silent(FILE *file, int32_t level, const char *format, ...)
{
    if (file == nullptr || level <= 0 || format == nullptr) return;
    char text[OLI_TEXT_SIZE + 1];
    OLI_FORMAT_ARGS(text, format);
    int32_t kind = folder_handling(file, level);
    int keep = via_paragraphs;
    via_paragraphs = 0;
    numbered_heading(file, level, text, 1, kind);
    via_paragraphs = keep;
}

void Oli_Close_Bookmarks(FILE *file)
{
    if (file == nullptr) return;
    for (int32_t i = 0; i < last_bookmark_level; i++) OLI_setBookmark(file, 17, nullptr);
    /* The folders are closed now: a second call must not close them again. */
    last_bookmark_level = -1;
}
