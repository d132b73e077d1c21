/*
** Pelquist: the picture-information tool of the environment, our own. Usage:
**     Pelquist PICTURE RECORDFILE
** reads the head of a BMP or PNG picture and writes its information record (format name,
** width and height in pixels, bits per pixel, resolution in dots per inch) into RECORDFILE.
** Exit code 0 when the record was written, 1 otherwise.
*/
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "platform/runtime.h"
#include "printlist/oli_util.h"

static uint32_t le32(const unsigned char *p)
{
    return p[0] | p[1] << 8 | p[2] << 16 | (uint32_t)p[3] << 24;
}
static uint32_t be32(const unsigned char *p)
{
    return (uint32_t)p[0] << 24 | p[1] << 16 | p[2] << 8 | p[3];
}

/* Fill info from the picture's head; 1 when the format is known. */
static int picture_head(FILE *in, OLI_GRAPHIC_Picture_Info *info)
{
    unsigned char h[64] = {0};
    size_t n = fread(h, 1, sizeof h, in);
    if (n >= 46 && h[0] == 'B' && h[1] == 'M') {
        strcpy(info->name, "BMP");
        info->width = (int32_t)le32(h + 18);
        int32_t height = (int32_t)le32(h + 22);
        info->height = height < 0 ? -height : height;
        info->depth = h[28] | h[29] << 8;
        /* pixels per metre -> dots per inch */
        info->res_x = le32(h + 38) * 0.0254;
        info->res_y = le32(h + 42) * 0.0254;
        return 1;
    }
    static const unsigned char png[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    if (n >= 29 && !memcmp(h, png, 8) && !memcmp(h + 12, "IHDR", 4)) {
        static const int channels[7] = {1, 0, 3, 1, 2, 0, 4};
        strcpy(info->name, "PNG");
        info->width = (int32_t)be32(h + 16);
        info->height = (int32_t)be32(h + 20);
        int type = h[25] <= 6 ? h[25] : 0;
        info->depth = h[24] * channels[type];
        info->res_x = info->res_y = 0.0;
        return 1;
    }
    return 0;
}

int main(int argc, char **argv)
{
    if (argc < 3) {
        fprintf(stderr, "usage: %s picture record-file\n", argv[0]);
        return 1;
    }
    FILE *in = fopen(argv[1], "rb");
    if (in == nullptr) return 1;
    OLI_GRAPHIC_Picture_Info info;
    Picture_Info_Defaults(&info);
    int known = picture_head(in, &info);
    fclose(in);
    if (!known) return 1;
    /* the record file is created new: never written through a link planted under its name */
    FILE *out = Rt_Fopen(argv[2], "w");
    if (out == nullptr) return 1;
    int ok = Write_Picture_Info(out, &info);
    return fclose(out) == 0 && ok ? 0 : 1;
}
