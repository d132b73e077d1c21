/*
** Text measurement and decorated items of view areas (double lines, underlined texts, picture
** and flat buttons), and the reinforcing-bar routines with the calculator dialog
** "Bew.fläche Stabstahl". Lengths and diameters in m, areas in m².
*/
#pragma once

enum { REBAR_DIAMETERS = 10, REBAR_ROWS = 9 };

/* Bar diameters, m, ascending. */
extern const double Rebar_Diameters[REBAR_DIAMETERS];
/* The calculator's bar counts per diameter 6..28 mm, kept for the run. */
extern double Rebar_Counts[REBAR_ROWS];

int Get_Text_Width_In_Font(const char *text, int font);
void Area_Add_Double_Line(int area, int x, int y, int length, int colour);
void Area_Add_Underlined_Text(int area, int x, int y, int font, int colour, int style,
                              const char *format, ...);
void Area_Add_Picture_Button(int area, int x, int y, int width, const char *label, int font,
                             int colour, int active, int value, int *variable);
void Area_Add_Flat_Button(int area, int x, int y, int width, int fill, int inactive_fill,
                          const char *label, int font, int frame, int active, int value,
                          int *variable);

double Rebar_Diameter_Below(double d);
double Rebar_Axis_Distance(double a, double b, int layers, double d);
int Rebar_Count_For_Area(double area, double d);
int Rebar_Count_For_Area_Layers(double area, double d, int n, double area0);
double Rebar_Area(double n, double d);
double Rebar_Bundle_Area(double n, double m, double d);
double Rebar_Area_Per_Spacing(double s, double d);
double Rebar_Area_Per_Spacing_Rounded(double s, double d);
int Rebar_Diameter_Index_For_Area(double area, double n, double k);
/* The first (count, index) from first_count upward whose area times k reaches the area; the
** count, or 0 when the arguments allow none. */
int Rebar_Search(double area, int first_count, int first_index, int last_index, double k,
                 int *count, int *index);
int Rebar_Count_From_Spacing(double length, double s);
int Rebar_Count_In_Width(double b, double cover, double s, double d);
double Rebar_Circle_Spacing(int n, double r);
double Rebar_Spacing(int n, double length);
int Rebar_Circle_Count(double s, double r);
/* "%6.2f cm²" of a value given in cm² into a buffer of at least 32 bytes. */
void Rebar_Format_Area(char *buffer, double area);
/* The calculator: the total area in m² when confirmed, -1.0 when cancelled. */
double Rebar_Area_Dialog(void);
