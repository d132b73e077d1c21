/*
** Page-layout commands of the print list (OLI_*): each call writes one record line of ours into
** the print-list stream, in call order, and does nothing for a null file. The records are
** described in docs/printlist-format.md; the viewer reads them from there.
*/
#pragma once

#include <cstdint>
#include <cstdio>

/* Layout flags and layout of a print list: the flags of running text (0x380) and of a long
** table (0x280), the page layout of the list. */
enum : uint32_t { OLI_FLAGS_TEXT = 896, OLI_FLAGS_LONG_TABLE = 640 };
enum : int32_t { OLI_LAYOUT_LIST = 4115 };

/* Each answers 0, or -1 for a null file or a failed write. */
int OLI_setFlags(FILE *file, uint32_t flags);
int OLI_setLayout(FILE *file, int32_t layout);
int OLI_setMarginsCM(FILE *file, int32_t mode, float left, float right);
int OLI_setYPositionCM(FILE *file, int32_t mode, double cm);
int OLI_reserveSpaceCM(FILE *file, double cm);
int OLI_setBookmark(FILE *file, int32_t kind, const char *text); /* text may be null */
int OLI_storeYPosition(FILE *file, int32_t slot);
int OLI_restoreYPosition(FILE *file, int32_t slot);
int OLI_pushMargins(FILE *file);
int OLI_popMargins(FILE *file, uint32_t flags);
int OLI_setConvertionFlags(FILE *file, int32_t flags);
