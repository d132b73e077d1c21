/*
** Decorated view-area items (double lines, underlined texts, picture and flat buttons) and the
** reinforcing-bar routines: areas, counts, spacings and diameters of bars, and the calculator
** dialog "Bew.fläche Stabstahl". Areas are rounded to 6 decimals where a result is shown.
*/
#include "dialogs/area_rebar.h"

#include <algorithm>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "dialogs/screen.h"
#include "dialogs/sva.h"
#include "foundation/foundation.h"
#include "platform/zelkwin.h"

const double Rebar_Diameters[REBAR_DIAMETERS] = {0.006, 0.008, 0.010, 0.012, 0.014,
                                                 0.016, 0.020, 0.025, 0.028, 0.032};
double Rebar_Counts[REBAR_ROWS];

/* ------------------------------------------------------------------ texts and buttons */

int Get_Text_Width_In_Font(const char *text, int font)
{
    return Text_Width_In_Font(text ? text : "", font & ~65536) + 3;
}

void Area_Add_Double_Line(int area, int x, int y, int length, int colour)
{
    SVA_Add_Line(area, x, y, x + length, y, colour);
    SVA_Add_Line(area, x, y + 1, x + length, y + 1, colour);
}

void Area_Add_Underlined_Text(int area, int x, int y, int font, int colour, int style,
                              const char *format, ...)
{
    if (format == nullptr) return;
    char text[256];
    va_list ap;
    va_start(ap, format);
    vsnprintf(text, sizeof text, format, ap);
    va_end(ap);
    SVA_Add_Text(area, x, y, text, font, colour, 0);
    int w = Get_Text_Width_In_Font(text, font);
    if (style == 1 || style == 2) SVA_Add_Line(area, x, y + 5, x + w + 3, y + 5, colour);
    if (style == 2) SVA_Add_Line(area, x, y + 6, x + w + 3, y + 6, colour);
}

/* x of a label centred on a button of a width. */
static int Label_X(int x, int width, const char *label, int font)
{
    return x + (width - Get_Text_Width_In_Font(label, font)) / 2 - 1;
}

void Area_Add_Picture_Button(int area, int x, int y, int width, const char *label, int font,
                             int colour, int active, int value, int *variable)
{
    if (active) {
        SVA_Add_Hotspot(area, x, y - 13, x + width, y + 6, value, variable);
        SVA_Set_Last_Hotspot_Value(area, 18);
    }
    SVA_Add_Bitmap(area, active ? "Button300.bmp" : "Button300i.bmp", x, y - 13, x + width, y + 6,
                   WHITE_CI);
    if (width < 300) {
        SVA_Add_Line(area, x + width, y - 13, x + width, y + 5,
                     active ? Nearest_RGB_Color(176, 176, 176) : Nearest_RGB_Color(206, 206, 206));
        if (active)
            SVA_Add_Line(area, x + width, y + 5, x + width, y + 5,
                         Nearest_RGB_Color(240, 247, 240));
    }
    if (label)
        SVA_Add_Text(area, Label_X(x, width, label, font), y, label, font,
                     active ? colour : Nearest_RGB_Color(170, 170, 170), 0);
}

void Area_Add_Flat_Button(int area, int x, int y, int width, int fill, int inactive_fill,
                          const char *label, int font, int frame, int active, int value,
                          int *variable)
{
    int face, edge, text;
    if (active) {
        SVA_Add_Hotspot(area, x, y - 13, x + width, y + 6, value, variable);
        SVA_Set_Last_Hotspot_Value(area, 18);
        face = fill < 0 ? Nearest_RGB_Color(212, 210, 204) : fill;
        edge = frame;
        text = frame;
    } else {
        face = inactive_fill < 0 ? Nearest_RGB_Color(230, 228, 222) : inactive_fill;
        edge = Nearest_RGB_Color(188, 186, 180);
        text = Nearest_RGB_Color(170, 170, 170);
    }
    int x2 = x + width, y1 = y - 13, y2 = y + 6;
    SVA_Add_Filled_Rect(area, x, y1, x2, y2, face);
    SVA_Add_Line(area, x, y1, x2, y1, edge);
    SVA_Add_Line(area, x2, y1, x2, y2, edge);
    SVA_Add_Line(area, x2, y2, x, y2, edge);
    SVA_Add_Line(area, x, y2, x, y1, edge);
    int white = Nearest_RGB_Color(255, 255, 255);
    SVA_Add_Line(area, x + 1, y - 12, x2 - 1, y - 12, white);
    SVA_Add_Line(area, x2 - 1, y - 12, x2 - 1, y + 5, white);
    SVA_Add_Line(area, x2 - 1, y + 5, x + 1, y + 5, white);
    SVA_Add_Line(area, x + 1, y + 5, x + 1, y - 12, white);
    if (label) SVA_Add_Text(area, Label_X(x, width, label, font), y, label, font, text, 0);
}

/* ------------------------------------------------------------------ bars */

static double Round6(double v) { return Round_To_Decimals(v, 6); }

double Rebar_Diameter_Below(double d)
{
    if (d <= 0.006) return -1.0;
    if (d > 0.032) return 0.032;
    double below = -1.0;
    for (double t : Rebar_Diameters)
        if (t < d) below = t;
    return below;
}

double Rebar_Axis_Distance(double a, double b, int layers, double d)
{
    return layers < 2 ? b + a + d / 2 : b + a + d;
}

int Rebar_Count_For_Area(double area, double d)
{
    if (d <= 0) return 0;
    return (int)ceil(4 * area / (M_PI * d * d));
}

int Rebar_Count_For_Area_Layers(double area, double d, int n, double area0)
{
    if (n == 0 || d <= 0) return 0;
    return (int)ceil((area - area0) * 4 / M_PI / (abs(n) * d * d));
}

double Rebar_Area(double n, double d) { return Round6(n * M_PI / 4 * d * d); }

double Rebar_Bundle_Area(double n, double m, double d)
{
    if (m < 0) return 0;
    double e = sqrt(m) * d;
    return std::max(0.0, n * M_PI / 4 * e * e);
}

double Rebar_Area_Per_Spacing(double s, double d)
{
    if (fabs(s) < 1e-8) return 0;
    return Round6(d * d * M_PI / 4 / s);
}

double Rebar_Area_Per_Spacing_Rounded(double s, double d)
{
    if (fabs(s) < 1e-8) return 0;
    double v = d * d * M_PI / 4 / s * 100;
    double f = floor(v);
    return v - f > 0.4999 ? (f + 0.5) * 0.01 : f * 0.01;
}

int Rebar_Diameter_Index_For_Area(double area, double n, double k)
{
    for (int i = 0; i < REBAR_DIAMETERS; i++) {
        double d = Rebar_Diameters[i];
        if (Round6(Round6(d * d * n * M_PI / 4) * k - area) >= 0) return i;
    }
    return -1;
}

int Rebar_Search(double area, int first_count, int first_index, int last_index, double k,
                 int *count, int *index)
{
    first_index = std::max(first_index, 0);
    last_index = std::min(last_index, REBAR_DIAMETERS - 1);
    if (k <= 0 || first_index > last_index) return 0; /* no pair exists */
    for (int n = std::max(first_count, 1); n < 1000000; n++) {
        for (int i = first_index; i <= last_index; i++) {
            double d = Rebar_Diameters[i];
            if (Round6(d * d * n * M_PI / 4) * k >= area) {
                if (count) *count = n;
                if (index) *index = i;
                return n;
            }
        }
    }
    return 0;
}

int Rebar_Count_From_Spacing(double length, double s)
{
    if (fabs(s) < 1e-12) return 2; /* no spacing: the two end bars */
    double n = length / s + 1;
    if (!(n < 1e9)) return 2;
    return std::max((int)n, 2);
}

int Rebar_Count_In_Width(double b, double cover, double s, double d)
{
    double w = b - d - 2 * cover, p = d + s;
    if (p > w || p <= 0) return 0;
    return (int)(w / p);
}

double Rebar_Circle_Spacing(int n, double r)
{
    if (n < 1) return 1e100;
    return 2 * r * sin(M_PI / n);
}

double Rebar_Spacing(int n, double length)
{
    if (n < 2) return 1e100;
    return length / (n - 1);
}

int Rebar_Circle_Count(double s, double r)
{
    if (r <= 0) return 0;
    double q = s / (2 * r);
    if (q <= 0 || q > 1) return 0; /* the spacing does not fit on the circle */
    /* an exact fit (pi / asin(0.5) = 6) must not lose a bar to rounding */
    return (int)(M_PI / atan2(q, sqrt(1 - q * q)) + 1e-9);
}

void Rebar_Format_Area(char *buffer, double area)
{
    if (buffer == nullptr) return;
    snprintf(buffer, 32, "%6.2f cm\xFD", area);
}

/* ------------------------------------------------------------------ the calculator */

static int Calc_Cx = -1, Calc_Cy = -1;

double Rebar_Area_Dialog(void)
{
    static const char *const Labels[REBAR_ROWS] = {
        "  6 =", "  8 =", " 10 =", " 12 =", " 14 =", " 16 =", " 20 =", " 25 =", " 28 ="};
    if (Calc_Cx < 0) {
        Calc_Cx = NPIXEL_X / 2;
        Calc_Cy = NPIXEL_Y / 2;
    }
    int x1 = Calc_Cx - 109, y1 = Calc_Cy - 165, x2 = Calc_Cx + 108, y2 = Calc_Cy + 164;
    Check_Prop_Sheet_Frames(&x1, &y1, &x2, &y2);
    Calc_Cx = (x1 + x2) / 2;
    Calc_Cy = (y1 + y2) / 2;
    int old = pxBuff(-1);
    Define_Prop_Sheet(x1, y1, x2, y2, 1, 1,
                      "Bew.fl\x84"
                      "che Stabstahl",
                      40, 1);
    for (int i = 0; i < REBAR_ROWS; i++) {
        int f = Add_Edit_Float_to_PS(x1 + 13, y1 + 42 + 25 * i, 2, "%2.0f", &Rebar_Counts[i], 0);
        Add_SingleStep_to_Float(f, 1.0);
        char label[16];
        snprintf(label, sizeof label, "\x8C%s", Labels[i]);
        Draw_Funny_Text_to_PS(x1 + 68, y1 + 54 + 25 * i, label, 0, 0);
    }
    Draw_Funny_Line_to_PS(4, x1 + 80, y1 + 264, x1 + 203, y1 + 264);
    Draw_Funny_Text_to_PS(x1 + 91, y1 + 283, "\xB2 =", 0, 0);
    int cancel = Add_Single_Button_to_PS(x1 + 12, y1 + 301, SYMBOLIC_BREAK_RASTER, "", 1);
    Set_Comment_to_Button_PS(cancel, "abbrechen");
    int ok = Add_Single_Button_to_PS(x1 + 179, y1 + 302, SYMBOLIC_OK_RASTER, "", 2);
    Set_Comment_to_Button_PS(ok, "\x81"
                                 "bernehmen");
    Set_Prop_Sheet_Edit_Float_Auto_Mode(1);
    Move_Mouse_Cursor_to_Button_of_PS(cancel);
    Activate_Prop_Sheet();
    pxBuff(old);
    double result = -1.0;
    for (;;) {
        int dx = 0, dy = 0;
        Prop_Sheet_Displacement(&dx, &dy);
        double sum = 0;
        char text[32];
        int fg = pxQFgc();
        for (int i = 0; i < REBAR_ROWS; i++) {
            double d = Rebar_Diameters[i];
            double a = Round6(d * d * (int)Rebar_Counts[i] * M_PI / 4);
            sum += a;
            int ty = y1 + dy + 54 + 25 * i;
            Screen_Draw_Bar(x1 + dx + 123, ty, 11.0);
            Rebar_Format_Area(text, a * 10000);
            Screen_Draw_Text_Colour(x1 + dx + 123, ty, text, 0x1000, BLACK_CI);
        }
        Screen_Draw_Bar(x1 + dx + 123, y1 + dy + 283, 11.0);
        Rebar_Format_Area(text, sum * 10000);
        Screen_Draw_Text_Colour(x1 + dx + 123, y1 + dy + 283, text, 0x1000, BLACK_CI);
        pxFgc(fg);
        pxFlsh();
        int code = Edit_Prop_Sheet();
        if (code == 1 || getkeymask() == 1) break;
        if (code == 2) {
            result = sum;
            break;
        }
    }
    Set_Prop_Sheet_Edit_Float_Auto_Mode(0);
    int dx = 0, dy = 0;
    Prop_Sheet_Displacement(&dx, &dy);
    Calc_Cx += dx;
    Calc_Cy += dy;
    Undefine_Prop_Sheet();
    return result;
}
