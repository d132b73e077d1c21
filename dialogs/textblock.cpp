/*
** Text blocks in text files: writer and reader of the "TXB" form.
** Guillemet lines are read with the foundation's reader; a block never grows past the length
** that its header announces.
*/
#include "dialogs/textblock.h"

#include <cstdlib>
#include <cstring>

#include "foundation/foundation.h"

enum { TXB_LINE = 100, TXB_MAX_LINES = 100000 };

void Write_Text_Block(FILE *f, const char *text)
{
  if (f == nullptr) return;
  if (text == nullptr) {
    fprintf(f, "TXB0\n");
    return;
  }
  size_t n = strlen(text);
  fprintf(f, "TXB%d\n", (int)n);
  size_t i = 0;
  while (i < n) {
    fputc(0xAE, f);
    for (int k = 0; k < TXB_LINE && i < n; k++, i++) {
      fputc(text[i] == '\n' ? 0x01 : (unsigned char)text[i], f);
    }
    fputc(0xAF, f);
    fputc('\n', f);
  }
}

char *Read_Text_Block(FILE *f)
{
  if (f == nullptr) return nullptr;
  int c;
  do {
    c = fgetc(f);
  } while (c == ' ' || c == '\n');
  if (c != 'T') return nullptr;
  int len = 0;
  if (fscanf(f, "XB%d", &len) != 1) return nullptr;
  if (len < 1) return nullptr;
  char *text = (char *)malloc((size_t)len + 1);
  if (text == nullptr) return nullptr;
  text[0] = 0;
  int used = 0;
  int remaining = len;
  char line[256];
  for (int k = 0; k < TXB_MAX_LINES && remaining > 0; k++) {
    int n = Read_Guillemet_String(f, line);
    if (n < 0) break;
    if (n > remaining) n = remaining; /* never past the announced length */
    for (int j = 0; j < n; j++) {
      text[used++] = line[j] == 0x01 ? '\n' : line[j];
    }
    text[used] = 0;
    remaining -= n;
  }
  return text;
}
