/*
** The print list of a splice ("%s_%02d.oli") and its three plot files ("%s01.SPF".."%s03.SPF"):
** the driver, the input sections (fastener, load tables, system), the spacing sketches, the
** drawings of the view, the longitudinal and the cross section, the print-settings sheet and
** the on-screen pixel drawings of fasteners.
**
** Units: member dimensions and drawing coordinates in cm, fastener dimensions in mm, plot sizes
** in paper cm, pixel drawings in screen pixels.
*/
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "results/splice_calc.h"

/* ---------------------------------------------------------------- driver */

/* Write_Print_List answers this when the print list or a plot file could not be written. */
#define WRITE_PRINT_LIST_NO_FILE (-1)

/*
** Hand over the print-list path and the component's title line (both copied; null clears).
** The start-up forms them from the component identifier and the file number.
*/
void Set_Print_List_Names(const char *oli_path, const char *title_line);
/* Get_Print_List_Path and Get_Print_List_Title: the print-list path and the title line as last
** handed over (empty before the first and after clearing); valid until the next
** Set_Print_List_Names. */
const char *Get_Print_List_Path(void);
const char *Get_Print_List_Title(void);
/* The PDF of the print list ("<print list>.pdf"); valid until the next call. */
const char *Get_Print_Pdf_Path(void);
/* Remove what a killed print of this component left: the temporary files of the print list, its
** PDF and its three plot files (links go, never what they point to; nothing of another name); a
** print killed while neither print list stood gets its old print list, plots and PDF back from
** where they were kept aside ("<name>.old"), an old print list in place its old PDF, and what was
** kept aside goes; a new print list left without its PDF is said in a box that names the PDF. */
void Print_Remove_Stale_Files(void);
/* The component's lock of the window that prints (null: none, as outside the program's window):
** while it is set, a print puts its files in place, and clears what a killed print left, only
** while the lock is still its own (Rt_Lock_Is_Own); else its box says so and nothing changes. */
typedef struct Rt_Lock Rt_Lock;
void Print_Set_Lock(const Rt_Lock *lock);

/*
** Validate the splice and, when write is non-zero, write the whole print list with the plot
** files chosen. Return 0 for a valid splice (every file written), the validation code (> 0)
** when the splice is invalid (error box shown, no file touched), or WRITE_PRINT_LIST_NO_FILE
** when a file could not be written (message box naming the file and the reason; the print
** list and the plot files of the last print stay as they were).
**
** The files of a print are written beside the old ones and put in place together only when
** every one of them is complete and on the disk: the print list and the plots that stand are
** all of the new print or all of the old one (a plot the new print does not draw goes with the
** old print), or, while a kill interrupts the change, there is no print list.
*/
int Write_Print_List(int write);

/*
** The rules and values the design takes, as the report's heading of the checks names them
** ("Nachweise nach ..."): "DIN EN 1995, Deutschland" with the active annex, "... (benutzerdefiniert)"
** for a user's annex, "DIN EN 1995, eingebaute Vorgabewerte EC-Standard" where the annex's file
** could not be read, "..., teils eingebaute Vorgabewerte" where parts of it could not, and
** "DIN 1052:2008" without an annex. Written into out (size bytes, code page 850); answers out.
*/
const char *Design_Rules_Name(char *out, size_t size);

/*
** With hold non-zero, the files of the following prints are written and synced but not put in
** place: Print_Put_In_Place then puts them there (install 1; 1 on success, 0 after a message
** box) or drops them (install 0). The printer holds them until its PDF is written, so that a
** PDF that cannot be written leaves the whole last print as it was.
*/
void Print_Hold_Files(int hold);
const char *Print_Held_List_Path(void); /* the print list being held, "" when none */
/* 1 while every held file still stands under its work file's name (no other window or program
** removed or replaced one); else Print_Put_In_Place(1) puts nothing in place and its box says so. */
int Print_Held_Files_Stand(void);
int Print_Put_In_Place(int install);
/* The same with the PDF printed from the held print list (finished, not in place; null: none),
** which is put in place, or dropped, with them: the old PDF is removed before the first file goes
** in place and the new one goes in last, so that whenever the program ends the print list and
** the PDF beside it come from one print, or there is no PDF. Without a new PDF, the old one stays
** where the held print list holds the bytes of the one in place. pdf is closed in any case. */
int Print_Put_In_Place_With_Pdf(int install, struct Rt_Safe_File *pdf);

/*
** The PDF beside the print list when a held print goes in place without a new PDF (the preview,
** the plans), answered before it goes in: PRINT_PDF_NONE no PDF stands; PRINT_PDF_KEPT the held
** print list holds the bytes of the one in place, from which the PDF was printed, and the PDF
** stays; PRINT_PDF_REPRINT it differs, and the PDF is printed anew from it (as one set with it,
** whatever its length). Held files that no longer stand (Print_Held_Files_Stand) need none.
*/
enum { PRINT_PDF_NONE = 0, PRINT_PDF_KEPT = 1, PRINT_PDF_REPRINT = 2 };
int Print_Held_Pdf_Need(void);

/* A plot file of the drawing being written: the running print puts it in place together with
** the print list, or drops it when any file of the print failed; outside a print it is put in
** place at once. */
void Print_Add_File(struct Rt_Safe_File *plot);
/* A file of the running print that could not be created (err: its errno). */
void Print_Note_Failure(const char *path, int err);
/* Fill a line into the message box that may be wider than the widest box (a whole path): broken
** into lines that fit, after a '/' where one is, so that the box shows all of it. */
void Fill_Message_Wrapped(const char *text);
/* The lines of text broken so, each at most room pixels wide in the normal font. */
std::vector<std::string> Wrapped_Lines(const char *text, int room);

/* The preliminary remarks block; nothing without a file or remarks. */
void Oli_Vorbemerkungen(FILE *file);

/* ---------------------------------------------------------------- input sections */

/* The name of a steel grade as the print list names it: under an annex by its Eurocode name
** (EN 10025, "S235"), else by the name of DIN 18800 ("S235 (St37)"). */
const char *Get_Steel_Print_Name(int32_t code);

/* The fastener section: heading, the block of the type, increases, method and count. */
void Oli_Verbindungsmittel(FILE *file);
/* Where the user's two-sided nails are driven alternately (Vbm_Alternate_Instead), the line
** that says so and why, "... (zweiseitig gewählt)"; nothing else, nor without a file. */
void Write_Alternate_Instead_Line(FILE *file);

/* The table of the design combinations that the splice kind lets through. */
void Oli_Lkom_Table(FILE *file);

/* The table of the used characteristic actions, with the class of the imposed load. */
void Oli_Char_Actions(FILE *file);

/* Word of a load-duration class 0..8, "undefiniert" otherwise; static buffer of this module. */
const char *Get_Kled_Name(int kled);

/*
** Formula of a generated combination: the factored actions joined by " + ", then " / " and the
** class word (or "Erdbeben" for an accidental combination). Cut to max_len - 1 characters.
*/
const char *Lkom_Formula_Text(int group, int entry, int max_len);

/* The system section and the chosen drawings. Returns 0. */
int Oli_Systemdarstellung(FILE *file);

/* ---------------------------------------------------------------- spacing sketches, arrows */

/* The sketch with the distance names of DIN 1052. */
void Oli_Draw_Spacing_Sketch_A1_A2(FILE *file, int grid, double text_height);

/* The sketch with the distance names of EN 1995-1-1, figure 8.7. */
void Oli_Draw_Spacing_Sketch_A3_A4(FILE *file, int grid, double text_height);

/* Arrow of the sketch with its tail at (x, 180), pointing away from it at angle + 180 degrees. */
void Oli_Draw_Arrow(double x, double angle);

/* An arrow of the given length, head length and head width with its tail at (x, y), pointing
** away from it at the angle (radians) plus a half turn, drawn in the style. */
void Oli_Draw_Arrow_Styled(double x, double y, double angle, double length, double head_length,
                           double head_width, int style);

/*
** The arrow with its middle on the graphic's origin (tip at length/2), turned by the angle.
** The position is not applied: nothing calls this variant with one.
*/
void Oli_Draw_Arrow_Centred(double x, double y, double angle, double length, double head_length,
                            double head_width, int style);

/* ---------------------------------------------------------------- drawings */

/* Standard scale denominators of the drawings. */
#define PLOT_SCALE_COUNT 28
extern const double Plot_Scale_Denominators[PLOT_SCALE_COUNT];

/* A window of a drawing in model cm: (x0, y0) lower left, (x1, y1) upper right. */
typedef struct Plot_Window {
    double x0, y0, x1, y1;
} Plot_Window;

/* The margins round a drawing, counted in 0.6 paper cm. */
typedef struct Plot_Margins {
    double left, right, bottom, top;
} Plot_Margins;

/*
** Fit a scale (paper cm per model cm) for the base window on a plot of w x h paper cm with the
** margins; write the base window widened by the margins at that scale to *widened (unless null).
** Return s.
*/
double Plot_Fit_Scale(const Plot_Window &base, double w, double h, const Plot_Margins &margins,
                      Plot_Window *widened);

/* Copy a window to those of x0, y0, x1, y1 that are not null. */
inline void Plot_Window_Out(const Plot_Window &win, double *x0, double *y0, double *x1, double *y1)
{
    if (x0) *x0 = win.x0;
    if (y0) *y0 = win.y0;
    if (x1) *x1 = win.x1;
    if (y1) *y1 = win.y1;
}

/*
** Plot_Fit_Scale for the window of one drawing of the splice on its paper size of the print
** settings: Plot_Scale_Ansicht the view (1.05 L by 1.02 h), Plot_Scale_Laengsschnitt the
** longitudinal section (1.05 L by 1.02 times the thickness with the outer parts),
** Plot_Scale_Querschnitt the cross section (the thickness with the outer parts, 5 % wider, by
** 1.02 h). Return the scale; the widened window goes to x0..y1 (model cm).
*/
double Plot_Scale_Ansicht(double *x0, double *y0, double *x1, double *y1, double m_left,
                          double m_right, double m_bottom, double m_top);
double Plot_Scale_Laengsschnitt(double *x0, double *y0, double *x1, double *y1, double m_left,
                                double m_right, double m_bottom, double m_top);
double Plot_Scale_Querschnitt(double *x0, double *y0, double *x1, double *y1, double m_left,
                              double m_right, double m_bottom, double m_top);

/* Draw the view (Plot_Ansicht_01, plot file 1), the longitudinal section (Plot_Laengsschnitt_02,
** 2) or the cross section (Plot_Querschnitt_03, 3) of the splice with its dimensions into the
** print list `file`; nothing without a file. */
void Plot_Ansicht_01(FILE *file);
void Plot_Laengsschnitt_02(FILE *file);
void Plot_Querschnitt_03(FILE *file);

/* One fastener symbol of the view at (x, y) for fastener index i of the pattern; nails, screws
** and staples with both_sides set stand in pairs, one from each side, else they alternate
** (Vbm_Driven_Side). */
void Oli_Draw_Vbm_Symbol(double x, double y, int both_sides, int index);
/* Heads of nails and screws in the sections: across the grain (longitudinal section, depth
** sign by the surface) and along it (cross section). */
void Oli_Fill_Head_Across(double x, double surface, double r);

/* The same in the cross section: 1.5r deep along x from the surface, 8r high. */
void Oli_Fill_Head_Along(double surface, double y, double r);

/* The legs of a staple in the cross section: two bars from the surface inward by depth (the
** sign of depth points outward), at y - offset and y + offset, half_h high. */
void Oli_Fill_Bar_Pair(double surface, double depth, double y, double offset, double half_h);

/* ---------------------------------------------------------------- print-settings sheet */

/* Run the sheet until the user confirms or cancels. Returns 0 in both cases. */
int Run_Print_Settings_Sheet(void);

/* Clear the view area and fill it with the page's items. */
void Define_Print_Settings_Page(int area);

/*
** Run the remarks editor when it has been requested and return 1, else return 0. Either way
** the lines of the working copy are counted again.
*/
int Edit_Vorbemerkungen(void);

/* ---------------------------------------------------------------- pixel drawings */

typedef struct Sprite_Entry {
    int32_t left, top, right, bottom; /* picture on the sheet, pixels */
    int32_t anchor_x, anchor_y;       /* sheet point placed on the target */
} Sprite_Entry;

/*
** Return the sprite index of a fastener of d pixels on its sheet: Nail_Sprite_Index d - 2 for
** d within 2..19; Ks_Screw_Sprite_Index by even sizes 6..60; M_Screw_Sprite_Index by even sizes
** 8..56, then by steps of 4 up to 88; Washer_Sprite_Index by tens. Sizes outside take the
** nearest end.
*/
int Nail_Sprite_Index(int d);
int Ks_Screw_Sprite_Index(int d);
int M_Screw_Sprite_Index(int d);
int Washer_Sprite_Index(int d);
const Sprite_Entry *Get_Sprite_Entry(int sheet, int view, int index); /* sheet 0..3, null outside */

/* Return the size class 1..5 of a value: below 55.1, 70.1, 85.1, 100.1, and above. */
int Size_Class(double value);

/* Draw_Nail_Pixel, Draw_Ks_Screw_Pixel, Draw_M_Screw_Pixel (in the view `view`) and
** Draw_Washer_Pixel: the sprite of a fastener of d pixels anchored at the pixel (x, y); screws
** and washers too small for their sheet (below 5, M screws below 7) are drawn as nails. */
void Draw_Nail_Pixel(int x, int y, int d);
void Draw_Ks_Screw_Pixel(int x, int y, int d);
void Draw_M_Screw_Pixel(int x, int y, int d, int view);
void Draw_Washer_Pixel(int x, int y, int d);

/* Fill the polygon, shade it along scan lines at the angle, light and shade its edges, outline. */
void Fill_Shaded_Polygon_Pixel(int n, const int *xs, const int *ys, double angle);

/* The head symbol: outline filled light and outlined, the kind's part dark, a line through. */
void Draw_Fastener_Head_Pixel(int x, int y, int d, int circle, int kind, double angle);

/* Draw_Nail_World, Draw_Ks_Screw_World, Draw_M_Screw_World, Draw_Washer_World,
** Fill_Shaded_Polygon_World and Draw_Fastener_Head_World: the pixel drawings at world points
** and sizes, rounded to pixels through the screen's world transformation (a polygon of at most
** 500 points; fewer than 3 or null coordinates draw nothing). */
void Draw_Nail_World(double x, double y, double d);
void Draw_Ks_Screw_World(double x, double y, double d);
void Draw_M_Screw_World(double x, double y, double d, int view);
void Draw_Washer_World(double x, double y, double d);
void Fill_Shaded_Polygon_World(int n, const double *xs, const double *ys, double angle);
void Draw_Fastener_Head_World(double x, double y, double d, int circle, int kind, double angle);
