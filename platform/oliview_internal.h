/*
** Shared pieces of the print-list viewer's modules (not for callers): text runs of the print
** font, the text styles of the print list and the drawing of laid-out items.
*/
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/oliview.h"

enum { OLI_RUN_TEXT = 1, OLI_RUN_TAB, OLI_RUN_RULE, OLI_RUN_FILL };

/* A number of a print list as an int: truncated toward zero and held to the int32 range (a
** damaged list may hold any value, and a plain conversion of one beyond it is undefined). */
inline int Oli_Int(double v) {
  if (!(v == v)) return 0;
  if (v >= 2147483647.0) return 2147483647;
  if (v <= -2147483648.0) return -2147483647 - 1;
  return (int)v;
}

/* A number of a print list as 32 flag bits: 0..0xFFFFFFFF as it stands, a negative value as
** the two's complement of its int32 (-1 all bits), anything beyond either range held to its end. */
inline uint32_t Oli_Flags(double v) {
  if (v >= 0.0) return v >= 4294967295.0 ? 0xFFFFFFFFu : (uint32_t)v;
  return (uint32_t)Oli_Int(v);
}

/* A colour channel of a print list (0..255): rounded, anything beyond held to the range. */
inline uint32_t Oli_Channel(double v) {
  if (!(v > 0.0)) return 0;
  if (v >= 255.0) return 255;
  return (uint32_t)(v + 0.5);
}

#define OLI_SCRIPT_SCALE 0.7     /* size of sub- and superscripts */
#define OLI_CM_TO_PT (72.0 / 2.54)

/* One piece of a print-list text: text in one face, a tab, or a drawing group. */
struct Oli_Run {
  int type;                 /* OLI_RUN_* */
  int face;                 /* OLI_FACE_* */
  std::string utf8;         /* text runs */
  std::string bytes;        /* the same text in code page 850 */
  double g[5];              /* groups: rule (0 x1 x2 y1 y2) or fill (n x1 x2 y1 y2) */
  uint32_t fill_rgb;        /* fills: colour of the area (0xRRGGBB) */
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
/* Null when the file cannot be read. */
Oli_Reader *Oli_Reader_Open(const char *path);
/* The next block: 1, or 0 at the end of the list. */
int Oli_Reader_Next(Oli_Reader *reader, Oli_Block *block);
/* The title, folder and warnings read so far (no blocks). */
const Oli_Document *Oli_Reader_Document(const Oli_Reader *reader);
void Oli_Reader_Close(Oli_Reader *reader);

/* Lay the list out as it is read, page by page: every page goes to sink (index, page) as soon
** as nothing can be written on it any more, in order, and is emptied. layout gets the title,
** bookmarks and warnings; its pages stay empty. */
void Oli_Layout_Stream(Oli_Reader *reader, Oli_Layout *layout, void (*sink)(void *user, int index, Oli_Page &page),
                       void *user);
