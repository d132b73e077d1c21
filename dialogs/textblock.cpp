/*
** Text blocks in text files: writer and reader of the "TXB" form.
** Guillemet lines are read with the foundation's reader; a block never grows past the length
** that its header announces.
*/
#include "dialogs/textblock.h"

#include <cstdlib>
#include <cstring>
#include <string>

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
    /* The header's length only bounds the text: the memory follows what the lines hold, so a
  ** damaged header ("TXB2000000000") costs nothing. */
    std::string got;
    int remaining = len;
    char line[256];
    for (int k = 0; k < TXB_MAX_LINES && remaining > 0; k++) {
        int n = Read_Guillemet_String(f, line);
        if (n < 0) break;
        if (n > remaining) n = remaining; /* never past the announced length */
        for (int j = 0; j < n; j++) got += line[j] == 0x01 ? '\n' : line[j];
        remaining -= n;
    }
    char *text = (char *)malloc(got.size() + 1);
    if (text == nullptr) return nullptr;
    memcpy(text, got.data(), got.size());
    text[got.size()] = 0;
    return text;
}
