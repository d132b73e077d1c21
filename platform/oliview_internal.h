/*
** Shared pieces of the print-list viewer's modules (not for callers): text runs of the print
** font, the text styles of the print list and the drawing of laid-out items.
*/
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/oliview.h"

enum { OLI_RUN_TEXT = 1, OLI_RUN_TAB, OLI_RUN_RULE, OLI_RUN_FILL };

/* A number of a print list as an int: truncated toward zero and held to the int32 range (a
** damaged list may hold any value, and a plain conversion of one beyond it is undefined). */
inline int Oli_Int(double v)
{
    if (!(v == v)) return 0;
    if (v >= 2147483647.0) return 2147483647;
    if (v <= -2147483648.0) return -2147483647 - 1;
    return (int)v;
}

/* A number of a print list as 32 flag bits: 0..0xFFFFFFFF as it stands, a negative value as
** the two's complement of its int32 (-1 all bits), anything beyond either range held to its end. */
inline uint32_t Oli_Flags(double v)
{
    if (v >= 0.0) return v >= 4294967295.0 ? 0xFFFFFFFFu : (uint32_t)v;
    return (uint32_t)Oli_Int(v);
}

/* A colour channel of a print list (0..255): rounded, anything beyond held to the range. */
inline uint32_t Oli_Channel(double v)
{
    if (!(v > 0.0)) return 0;
    if (v >= 255.0) return 255;
    return (uint32_t)(v + 0.5);
}

#define OLI_SCRIPT_SCALE 0.7 /* size of sub- and superscripts */
/* Base line of a subscript below, of a superscript above the line's (em of the line's size):
** a subscript's descender and a superscript of the next line stay 0.12 em apart at least. */
#define OLI_SUB_DROP 0.15
#define OLI_SUP_RISE 0.33
#define OLI_CM_TO_PT (72.0 / 2.54)

/* One piece of a print-list text: text in one face, a tab, or a drawing group. */
struct Oli_Run {
    int type;          /* OLI_RUN_* */
    int face;          /* OLI_FACE_* */
    std::string utf8;  /* text runs */
    std::string bytes; /* the same text in code page 850 */
    double g[5];       /* groups: rule (0 x1 x2 y1 y2) or fill (n x1 x2 y1 y2) */
    uint32_t fill_rgb; /* fills: colour of the area (0xRRGGBB) */
};

struct Oli_Run_Stats {
    int unknown_escapes;
    int bad_groups;
};

void Oli_Append_Utf8(std::string *out, uint32_t cp);
/* Split a code page 850 text at its escapes. plain: escapes are not interpreted. */
std::vector<Oli_Run> Oli_Split_Runs(const std::string &text, int base_face, bool plain,
                                    Oli_Run_Stats *stats);
/* Select the print font of the size (pt) and faces on a cairo context. */
void Oli_Select_Font(void *cairo_context, double size_pt, int32_t face);

/* Text style of the print list: font size and line height. */
struct Oli_Style {
    double size_pt;
    double line_cm;
    int face;
};
Oli_Style Oli_Text_Style(int mode);

/* ---- reading and laying out page by page ---- */

/* A print list read block by block (the file itself is held, the blocks one at a time). */
struct Oli_Reader;
/* Null when the file cannot be read. The file is read a piece of 64 kB at a time, and only the
** pieces from the block being read on are held. */
Oli_Reader *Oli_Reader_Open(const char *path);
/* The same, reading pieces of chunk bytes. */
Oli_Reader *Oli_Reader_Open_Chunked(const char *path, size_t chunk);
/* The next block: 1, or 0 at the end of the list (or where reading the file failed: a warning
** says so). */
int Oli_Reader_Next(Oli_Reader *reader, Oli_Block *block);
/* 1 when reading the file failed before its end. */
int Oli_Reader_Failed(const Oli_Reader *reader);
/* Bytes of the file held at the moment (the pieces from the line being read on). */
size_t Oli_Reader_Held(const Oli_Reader *reader);
/* Bytes of the file read so far (up to the piece being read). */
size_t Oli_Reader_Read(const Oli_Reader *reader);
/* The title, folder and warnings read so far (no blocks). */
const Oli_Document *Oli_Reader_Document(const Oli_Reader *reader);
void Oli_Reader_Close(Oli_Reader *reader);

/* Lay the list out as it is read, page by page: every page goes to sink (index, page) as soon
** as nothing can be written on it any more, in order, and is emptied. layout gets the title,
** bookmarks and warnings; its pages stay empty. With stop, the layout ends unfinished as soon as
** *stop is true after a block (the sink sets it to stop a run). */
void Oli_Layout_Stream(Oli_Reader *reader, Oli_Layout *layout,
                       void (*sink)(void *user, int index, Oli_Page &page), void *user,
                       const bool *stop = nullptr);

/* ---- pages kept in a temporary file ---- */

/* Laid-out pages kept compressed in a nameless temporary file below TEMP (or /tmp), so that a
** preview of a list of any length holds only the pages it shows. */
struct Oli_Spool;
/* Null (errno telling why) when no temporary file can be made. */
Oli_Spool *Oli_Spool_Open(void);
/* Keep the next page: 1, or 0 (errno telling why) when it cannot be written. */
int Oli_Spool_Add(Oli_Spool *spool, const Oli_Page &page);
int Oli_Spool_Count(const Oli_Spool *spool);
/* Page index (0-based) as it was added, into *page: 1, or 0 when it cannot be read back. */
int Oli_Spool_Get(Oli_Spool *spool, int index, Oli_Page *page);
void Oli_Spool_Close(Oli_Spool *spool);

/* ---- drawing and telling ---- */

/* Draw one page, the index-th (0-based) of count, with its head (the list's title, "Seite i von
** n") into a cairo context whose unit is 1 pt on the paper. */
void Oli_Draw_Page_Items(void *cairo_context, const std::string &title_utf8, int index, int count,
                         const Oli_Page &page);
/* A message box of the GUI stand-in with lines given in UTF-8. */
void Oli_Message_Box(const char *title, const std::vector<std::string> &lines);
/* Report the warnings of a laid-out list: into the GUI log, and in a box when asked. */
void Oli_Report_Warnings(const Oli_Layout &layout, bool box);
/* Tell the progress hook (Oli_Set_Print_Progress) of the pages laid out and the share of the
** list's size bytes that the reader has read: false when it asks to stop. The end of the run is
** told once, before any box. */
bool Oli_Tell_Progress(int pages, const Oli_Reader *reader, double size);
void Oli_Tell_Progress_End(void);
