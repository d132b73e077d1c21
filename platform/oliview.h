/*
** Print-list viewer and printer: reads a print list (<id>_<nn>.oli), lays it out on A4 pages
** (17.0 cm text width, the component's title and the page number on every page) and renders
** the pages with cairo into the window of the GUI stand-in, into PNG files, or into a PDF file
** whose outline is built from the headings' bookmarks. Lengths are cm on the paper unless said.
*/
#pragma once

#include <cstdint>
#include <string>
#include <vector>

/* ---- entries ---- */

/* Show the print list in the window: pages scroll with the wheel, Up/Down, PgUp/PgDn,
** Home/End; '+' and '-' zoom; Esc, 'q' or closing the window ends. A page starts at the paper's
** size, where the text is as high as the program's own (narrower where the screen is not as
** wide as the page, whole where the screen holds it larger); the bar says the zoom against the
** paper size at 96 pixels per inch (a page of 29.7 cm on 714 pixels reads "Zoom 64 %"). Answers
** 1 when the list was shown, 0 when it cannot be read. */
int Oli_View_File(const char *path);
/* The same in two steps. Oli_View_Open lays the list out into the preview's temporary file,
** telling the progress hook of every page: null when it cannot be read or kept (after a box
** naming the list by name, or path when name is null) or when the hook stopped it (without a
** box). Oli_View_Show shows the pages laid out, then drops them, as Oli_View_Close does without
** showing them. */
struct Oli_View;
Oli_View *Oli_View_Open(const char *path, const char *name);
void Oli_View_Show(Oli_View *view);
void Oli_View_Close(Oli_View *view);

/* Print the list into a PDF file: pdf_path, or "<path>.pdf" when pdf_path is null. Answers 1,
** or 0 after a message box (naming the file and the reason) when the list cannot be read or the
** PDF cannot be written; an older PDF then stays as it was. */
int Oli_Print_File_To_Pdf(const char *path, const char *pdf_path);
/* The same, telling the list's warnings (UTF-8) and the PDF's number of pages (either may be
** null; both empty when nothing was printed). */
int Oli_Print_File_To_Pdf_Report(const char *path, const char *pdf_path,
                                 std::vector<std::string> *warnings, int *pages);
/* The same, the PDF complete and synced beside its place but not put there: *held takes it
** (the runtime's Rt_Safe_Install puts it in place, Rt_Safe_Close drops it; null on 0), so that
** the caller decides the order in which the files of a print go in place. */
int Oli_Print_File_To_Pdf_Held(const char *path, const char *pdf_path, struct Rt_Safe_File **held);
/* The same without a box: on 0, *failure (may be null) takes the lines that say which file failed
** and why (UTF-8), for the caller's own box, which says what became of an older PDF. */
int Oli_Print_File_To_Pdf_Held_Quiet(const char *path, const char *pdf_path,
                                     struct Rt_Safe_File **held, std::vector<std::string> *failure);

/* The hook the printer tells its progress while it writes a PDF, and the preview while it lays
** the list out (null: none): after every page the pages done and the share of the print list
** read (0..1), and at the end, before any box, pages -1. The program shows it where printing
** takes more than a moment. The hook answers 1 to go on, or 0 to stop: a stopped print writes no
** PDF (an older one stays) and answers 0 without a box and without failure lines, a stopped
** preview shows nothing. */
typedef int (*Oli_Print_Progress)(int pages, double fraction);
void Oli_Set_Print_Progress(Oli_Print_Progress hook);

/* Write page `page` (1-based) of the list as a PNG of `dpi` dots per inch. Answers 1, or 0 when
** the list cannot be read, the page does not exist or the file cannot be written. */
int Oli_Render_Page_Png(const char *path, int page, double dpi, const char *png_path);

/* ---- the read print list ---- */

enum {
    OLI_BLK_CONTENTS = 1,
    OLI_BLK_NEWPAGE,
    OLI_BLK_PARA,
    OLI_BLK_TABLE,
    OLI_BLK_GRAPHIC,
    OLI_BLK_PICTURE,
    OLI_BLK_COMMAND
};

/* Page-layout commands (#OLI_...). */
enum {
    OLI_CMD_SETFLAGS = 1,
    OLI_CMD_SETLAYOUT,
    OLI_CMD_MARGINS,
    OLI_CMD_YPOSITION,
    OLI_CMD_RESERVE,
    OLI_CMD_BOOKMARK,
    OLI_CMD_STOREY,
    OLI_CMD_RESTOREY,
    OLI_CMD_PUSHMARGINS,
    OLI_CMD_POPMARGINS,
    OLI_CMD_CONVERSION
};

/* One format section of a paragraph: its header, its text lines and its end record. */
struct Oli_Para_Section {
    uint32_t flags;                 /* header flag word */
    int32_t mode;                   /* text style */
    double offset;                  /* space before, cm */
    double indent;                  /* left indent, cm */
    double value_d;                 /* fourth length, cm */
    double factor;                  /* size factor (1.0) */
    double value_b;                 /* second length, cm */
    int32_t tab_count;              /* -1 repeating step in tabs[0], 0..100 stops */
    bool tabs_given;                /* the header carried a tab record */
    std::vector<double> tabs;       /* tab stops, cm from the paragraph's left edge */
    std::vector<std::string> lines; /* text lines without their leading blank (code page 850) */
    uint32_t end_flags;             /* end record flag word */
    double space_after;             /* cm (end flag 0x1000) */
};

/* One element record of a graphic or picture block. */
struct Oli_Gr_Element {
    int32_t code;
    std::vector<double> v; /* the numbers of the record, in order */
    std::string text;      /* text between « and », or the file name of codes 27 and 75 */
    std::vector<unsigned char> data; /* embedded picture bytes (code 75, flag 0x1000) */
};

struct Oli_Block {
    int32_t kind; /* OLI_BLK_* */
    int32_t line; /* first line in the file (1-based) */
    /* commands */
    int32_t command;          /* OLI_CMD_* */
    std::vector<double> nums; /* operands */
    std::string text;         /* bookmark text; contents title */
    /* paragraphs */
    std::vector<Oli_Para_Section> sections;
    /* tables */
    int32_t title_counts[3];
    std::vector<std::string> titles[3];
    bool has_layout; /* a layout line followed the titles */
    bool plain;      /* older plain text form (no header lines) */
    int32_t head_lines, unit_line, nsep;
    std::vector<double> seps;      /* separator positions, characters */
    std::vector<std::string> rows; /* header lines then rows, without their leading blank */
    bool conversion;               /* texts already plain (#OLI_CONVERSION 1) */
    /* graphics */
    std::vector<std::string> captions; /* present caption lines */
    double window[4];                  /* x0 x1 y0 y1, paper cm */
    int32_t picture_type, picture_flags;
    double picture_scale;
    std::vector<Oli_Gr_Element> elements;
};

struct Oli_Document {
    std::string title;  /* the contents title (code page 850) */
    std::string folder; /* folder of the file, for pictures named by file ("" current) */
    std::vector<Oli_Block> blocks;
    std::vector<std::string> warnings; /* German, UTF-8, "Zeile n: ..." */
};

/* Read a print list from memory or a file. Unknown records are skipped with one warning,
** truncated blocks keep what was read and add a warning. Answers 1, or 0 when the file cannot
** be read. */
int Oli_Read_Text(const char *text, size_t len, Oli_Document *doc);
int Oli_Read_File(const char *path, Oli_Document *doc);

/* ---- print font ---- */

/* Unicode code point of a byte of the print font: code page 850 with the symbol positions
** 0x88 ⇒, 0x89 ‰, 0x8C ⌀, 0xA3 Δ, 0xB2 Σ, 0xB8 ψ, 0xBA α, 0xBB β, 0xBE ε, 0xC0 γ, 0xCB ρ,
** 0xCC σ, 0xD6 τ, 0xEC ∞, 0xF2 ≥, 0xF3 ≤, 0xF7 ≈, 0xFA ³. */
uint32_t Oli_Print_Font_Codepoint(unsigned char byte);
/* The text without escapes and drawing groups, in UTF-8. */
std::string Oli_Plain_Utf8(const std::string &cp850);

/* ---- laid-out pages ---- */

enum {
    OLI_IT_TEXT = 1,
    OLI_IT_LINE,
    OLI_IT_RECT,
    OLI_IT_POLY,
    OLI_IT_IMAGE,
    OLI_IT_CLIP,
    OLI_IT_UNCLIP
};

/* Faces of a text run (bits). */
enum {
    OLI_FACE_BOLD = 1,
    OLI_FACE_ITALIC = 2,
    OLI_FACE_UNDER = 4,
    OLI_FACE_SUB = 8,
    OLI_FACE_SUP = 16,
    OLI_FACE_MONO = 32
};

/* One drawing item of a page; coordinates in cm from the page's top left corner. */
struct Oli_Item {
    int32_t kind;      /* OLI_IT_* */
    double x, y;       /* text: left end of the base line; rect/image: top left */
    double x2, y2;     /* line: end; rect/image: width and height */
    double size;       /* text: font size, pt; line: width, cm */
    double angle;      /* text: degrees, counter-clockwise */
    int32_t face;      /* text: OLI_FACE_* */
    uint32_t rgb;      /* 0xRRGGBB */
    uint32_t fill_rgb; /* rect/poly: fill colour */
    bool fill, stroke;
    int32_t pattern;          /* rect/poly: filling number of the print list (hatch), 0 none */
    std::vector<double> dash; /* cm; empty: solid */
    std::vector<double> pts;  /* poly: x, y pairs */
    std::string text;         /* UTF-8 */
    std::vector<unsigned char> image; /* RGBA pixels, x2 x y2 cm, image_w x image_h */
    int32_t image_w, image_h;
};

struct Oli_Bookmark {
    int32_t kind;     /* 16 folder, 0 item, 17 close */
    std::string text; /* UTF-8 */
    int32_t page;     /* 0-based */
    double y;         /* cm */
};

struct Oli_Page {
    std::vector<Oli_Item> items;
};

struct Oli_Layout {
    std::vector<Oli_Page> pages;
    std::vector<Oli_Bookmark> bookmarks;
    std::string title; /* UTF-8, printed on every page */
    std::vector<std::string> warnings;
};

/* Page geometry (cm). */
#define OLI_PAGE_W      21.0
#define OLI_PAGE_H      29.7
#define OLI_TEXT_LEFT   2.5
#define OLI_TEXT_WIDTH  17.0
#define OLI_BODY_TOP    2.6
#define OLI_BODY_BOTTOM 27.6

/* Lay a read document out on pages; the document's warnings are copied into the layout's. */
void Oli_Layout_Document(const Oli_Document *doc, Oli_Layout *layout);

/* Width in cm of a UTF-8 text in the print font of the size (pt) and faces. */
double Oli_Text_Width_Cm(const std::string &utf8, double size_pt, int32_t face);

/* Width in cm of one line of a paragraph in the text style mode (its escapes taken as the print
** takes them: a doubled 0xCE prints as itself), as the layout places it: a line no wider than
** the room between the margins is never broken again. */
double Oli_Para_Line_Width_Cm(const std::string &cp850, int32_t mode);

/* Draw page `index` (0-based) with its head and foot into a cairo context whose unit is 1 pt
** on the paper. The context is a cairo_t *, passed as void * to keep cairo out of callers. */
void Oli_Draw_Page(void *cairo_context, const Oli_Layout *layout, int index);

/* Write the whole layout as a PDF with an outline, replacing pdf_path only when the whole file
** is on the disk; 1, or 0 with errno telling why the file cannot be written. */
int Oli_Write_Pdf(const Oli_Layout *layout, const char *pdf_path);
/* Write page `index` (0-based) as PNG; 1 or 0. */
int Oli_Write_Png(const Oli_Layout *layout, int index, double dpi, const char *png_path);
