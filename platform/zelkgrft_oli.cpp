/*
** Page-layout commands of the print list. Each command is one line "#OLI_<NAME> operands"
** written into the print-list stream at the point of the call; lengths in cm with "%.6g",
** flag words in hexadecimal. The records are listed in docs/printlist-format.md.
*/
#include "platform/zelkgrft_oli.h"

#include <cstdarg>

/* Write one record line; 0 on success, -1 for a null file or a failed write. */
static int oli_record(FILE *file, const char *format, ...) {
  if (file == nullptr) return -1;
  va_list ap;
  va_start(ap, format);
  int rc = vfprintf(file, format, ap);
  va_end(ap);
  return rc < 0 ? -1 : 0;
}

int OLI_setFlags(FILE *file, uint32_t flags) {
  return oli_record(file, "#OLI_SETFLAGS 0x%x\n", (unsigned)flags);
}

int OLI_setLayout(FILE *file, int32_t layout) {
  return oli_record(file, "#OLI_SETLAYOUT %d\n", (int)layout);
}

int OLI_setMarginsCM(FILE *file, int32_t mode, float left, float right) {
  return oli_record(file, "#OLI_MARGINS %d %.6g %.6g\n", (int)mode, (double)left, (double)right);
}

int OLI_setYPositionCM(FILE *file, int32_t mode, double cm) {
  return oli_record(file, "#OLI_YPOSITION %d %.6g\n", (int)mode, cm);
}

int OLI_reserveSpaceCM(FILE *file, double cm) {
  return oli_record(file, "#OLI_RESERVE %.6g\n", cm);
}

int OLI_setBookmark(FILE *file, int32_t kind, const char *text) {
  if (text == nullptr) return oli_record(file, "#OLI_BOOKMARK %d\n", (int)kind);
  return oli_record(file, "#OLI_BOOKMARK %d \xAE%s\xAF\n", (int)kind, text);
}

int OLI_storeYPosition(FILE *file, int32_t slot) {
  return oli_record(file, "#OLI_STOREY %d\n", (int)slot);
}

int OLI_restoreYPosition(FILE *file, int32_t slot) {
  return oli_record(file, "#OLI_RESTOREY %d\n", (int)slot);
}

int OLI_pushMargins(FILE *file) {
  return oli_record(file, "#OLI_PUSHMARGINS\n");
}

int OLI_popMargins(FILE *file, uint32_t flags) {
  return oli_record(file, "#OLI_POPMARGINS 0x%x\n", (unsigned)flags);
}

int OLI_setConvertionFlags(FILE *file, int32_t flags) {
  return oli_record(file, "#OLI_CONVERSION %d\n", (int)flags);
}
