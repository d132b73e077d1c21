/*
** Texts of the print-list graphics: plain and anchored texts, rotated with the block or not,
** mirrored into the plot file as "-text" entities; framed and circled labels and the sheet of
** filling samples.
*/
#include <cstdarg>
#include <cstring>

#include "foundation/codepage.h"
#include "platform/zelkwin.h"
#include "printlist/oli_graphic.h"
#include "printlist/oli_internal.h"
#include "printlist/oli_text.h"
#include "printlist/oli_writer.h"
#include "printlist/plot_file.h"

#define G Oli_Graphic
#define P Plot_Writer

static const double RAD_TO_DEG = 57.29577951308232;

static double plot_y(double y) { return G.mirror_mode == 2 ? G.mirror_sum - y : y; }

/* The "-text" entity; angle_text is the angle as written ("0." or "%lf"). */
static void plot_text(double x, double y, int32_t placement, const char *angle, const char *text)
{
    if (P.file == nullptr) return;
    fprintf(P.file, "-text / 1 %d %d 2 1 %d %lf %lf %s 1.2 0. 0.\n    \xAE%s\xAF\n",
            (int)strlen(text) + 1, (int)P.font, (int)placement, x, plot_y(y), angle, text);
    P.entity++;
}

static void plot_text_angle(double x, double y, int32_t placement, double degrees, const char *text)
{
    char a[64];
    snprintf(a, sizeof a, "%lf", degrees);
    plot_text(x, y, placement, a, text);
}

/* Print-list word and plot placement of the aligned forms. */
static int32_t placement_word(int32_t v, int32_t h)
{
    int32_t word = 192 + (v == 0 ? 8 : v == 4 ? 16 : 32);
    return word + (h == 1 ? 4 : h == 4 ? 2 : 1);
}

static int32_t plot_placement(int32_t v, int32_t h)
{
    int32_t col = h == 3 ? 0 : h == 4 ? 1 : h == 1 ? 2 : -1;
    if (col < 0) return 5;
    if (v == 2) return 7 + col;
    if (v == 4) return 4 + col;
    if (v == 0) return 1 + col;
    return 5;
}

/* ---- rotated texts ---- */

static void rotated_text(double x, double y, int32_t word, int32_t placement, const char *text)
{
    Oli_To_Local(&x, &y, G.rotation);
    Oli_File_Printf(G.file, " 14 %lf 0\n", (G.text_angle - G.rotation) * RAD_TO_DEG);
    if (word < 0) Oli_File_Printf(G.file, " 3 %lf %lf \xAE%s\xAF\n", x * G.sx, y * G.sy, text);
    else
        Oli_File_Printf(G.file, " 10 %lf %lf %lf %lf %d \xAE%s\xAF\n", x * G.sx, y * G.sy, x * G.sx,
                        y * G.sy, (int)word, text);
    plot_text_angle(x, y, placement, (G.rotation + G.text_angle) * RAD_TO_DEG, text);
}

void Oli_Graphic_Text(double x, double y, const char *text)
{
    rotated_text(x, y, -1, 7, text ? text : "");
}

void Oli_Graphic_Text_Centred(double x, double y, const char *text)
{
    rotated_text(x, y, 210, 5, text ? text : "");
}

void Oli_Graphic_Text_Aligned(double x, double y, int32_t v, int32_t h, const char *format, ...)
{
    char text[OLI_TEXT_SIZE + 1];
    OLI_FORMAT_ARGS(text, format);
    rotated_text(x, y, placement_word(v, h), plot_placement(v, h), text);
}

/* ---- unrotated texts ---- */

static void plain_anchored(double x, double y, int32_t word, int32_t placement, const char *angle,
                           const char *text)
{
    if (text == nullptr) text = "";
    Oli_File_Printf(G.file, " 9 %lf %lf %lf %lf %d \xAE%s\xAF\n", x * G.sx, y * G.sy, x * G.sx,
                    y * G.sy, (int)word, text);
    plot_text(x, y, placement, angle, text);
}

void Oli_Graphic_Text_Plain(double x, double y, const char *text)
{
    if (text == nullptr) text = "";
    Oli_File_Printf(G.file, " 2 %lf %lf \xAE%s\xAF\n", x * G.sx, y * G.sy, text);
    plot_text(x, y, 7, "0.", text);
}

void Oli_Graphic_Text_Right(double x, double y, const char *text)
{
    plain_anchored(x, y, 212, 6, "0.", text);
}
void Oli_Graphic_Text_Centre_Plain(double x, double y, const char *text)
{
    plain_anchored(x, y, 210, 5, "0.", text);
}
void Oli_Graphic_Text_Vertical(double x, double y, const char *text)
{
    plain_anchored(x, y, 466, 5, "90.", text);
}
void Oli_Graphic_Text_Top(double x, double y, const char *text)
{
    plain_anchored(x, y, 226, 8, "0.", text);
}
void Oli_Graphic_Text_Bottom(double x, double y, const char *text)
{
    plain_anchored(x, y, 202, 2, "0.", text);
}

void Oli_Graphic_Text_Aligned_Plain(double x, double y, int32_t v, int32_t h, const char *format,
                                    ...)
{
    char text[OLI_TEXT_SIZE + 1];
    OLI_FORMAT_ARGS(text, format);
    char a[64];
    snprintf(a, sizeof a, "%lf", (G.rotation + G.text_angle) * RAD_TO_DEG);
    plain_anchored(x, y, placement_word(v, h), plot_placement(v, h), a, text);
}

/* ---- labelled symbols ---- */

void Oli_Graphic_Framed_Text(const char *text, double x, double y, double h, double s)
{
    if (text == nullptr) text = "";
    Oli_Graphic_Push();
    double hh = 0.8 * h / s;
    size_t n = strlen(text);
    double hw = n < 2 ? n * hh : 0.8 * n * hh;
    Oli_File_Printf(G.file, " 20  0\n");
    Oli_Graphic_Filled_Rect(x - hw, y - hh, x + hw, y + hh);
    Oli_Graphic_Line(x - hw, y - hh, x - hw, y + hh);
    Oli_Graphic_Line(x - hw, y + hh, x + hw, y + hh);
    Oli_Graphic_Line(x + hw, y + hh, x + hw, y - hh);
    Oli_Graphic_Line(x + hw, y - hh, x - hw, y - hh);
    Oli_Graphic_Text_Centred(x, y, text);
    Oli_Graphic_Pop();
}

void Oli_Graphic_Framed_Text_Mode2(double x, double y, double h, double s, const char *text)
{
    Oli_File_Printf(G.file, " 4 %d\n", 2);
    Oli_Graphic_Framed_Text(text, x, y, h, s);
}

void Oli_Graphic_Framed_Text_Height(double x, double y, double h, const char *text)
{
    Oli_File_Printf(G.file, " 13 %lf\n", h);
    Oli_Graphic_Framed_Text(text, x, y, h, G.sy);
}

void Oli_Graphic_Framed_Text_Printf(double x, double y, double h, double s, const char *format, ...)
{
    char text[OLI_TEXT_SIZE + 1];
    OLI_FORMAT_ARGS(text, format);
    Oli_File_Printf(G.file, " 4 %d\n", 2);
    Oli_Graphic_Framed_Text(text, x, y, h, s);
}

void Oli_Graphic_Framed_Number(double x, double y, double h, int32_t number)
{
    char text[16];
    snprintf(text, sizeof text, "%d", (int)number);
    Oli_File_Printf(G.file, " 13 %lf\n", h);
    Oli_Graphic_Framed_Text(text, x, y, h, G.sy);
}

void Oli_Graphic_Circled_Text(double x, double y, double h, double s, const char *text)
{
    if (text == nullptr) text = "";
    Oli_Graphic_Push();
    Oli_File_Printf(G.file, " 38 %d %s %d\n", 0, " ", 0);
    Oli_File_Printf(G.file, " 20  0\n");
    Oli_File_Printf(G.file, " 4 %d\n", 2);
    size_t n = strlen(text);
    double d = n * 1.52 * h / s;
    if (n <= 1) d *= 1.5;
    Oli_Graphic_Disc(x, y, d);
    Oli_Graphic_Arc(x, y, d, 0, 360);
    Oli_Graphic_Text_Centred(x, y, text);
    Oli_Graphic_Pop();
}

void Oli_Graphic_Circled_Text_Printf(double x, double y, double h, double s, const char *format,
                                     ...)
{
    char text[OLI_TEXT_SIZE + 1];
    OLI_FORMAT_ARGS(text, format);
    Oli_Graphic_Circled_Text(x, y, h, s, text);
}

void Oli_Graphic_Circled_Number(double x, double y, double h, double s, int32_t number)
{
    char text[16];
    snprintf(text, sizeof text, "%d", (int)number);
    Oli_Graphic_Circled_Text(x, y, h, s, text);
}

/* ---- filling samples ---- */

void Oli_Graphic_Fill_Samples(FILE *file)
{
    if (file == nullptr) return;
    Oli_Write_Text(file, "%s",
                   "\xCE"
                   "bAuswahl an Füllmustern zur Schichtdarstellung im Ausdruck:"_cp850);
    Oli_Graphic_Begin_Xy(file, 0, 26, 15, 0, 1, 1, 0, nullptr);
    double x = 0, y = 0;
    for (int i = 0; i <= 64; i++) {
        Oli_Graphic_Set_Fill(i);
        Oli_Graphic_Filled_Rect(x, y, x + 2.5, y + 2.0);
        Oli_Graphic_Line(x, y, x, y + 2.0);
        Oli_Graphic_Line(x, y + 2.0, x + 2.5, y + 2.0);
        Oli_Graphic_Line(x + 2.5, y + 2.0, x + 2.5, y);
        Oli_Graphic_Line(x + 2.5, y, x, y);
        char label[8];
        snprintf(label, sizeof label, "%d", i);
        Oli_File_Printf(G.file, " 20  0\n");
        Oli_Graphic_Filled_Rect(x + 1.0, y + 0.75, x + 1.5, y + 1.25);
        Oli_Graphic_Text_Centre_Plain(x + 1.25, y + 1.0, label);
        if (x >= 12.5) {
            x = 0;
            y += 2.0;
        } else {
            x += 2.5;
        }
    }
    Oli_File_Printf(G.file, " -1\n");
}
