/*
** Picture blocks and picture elements of the print list (element 75, with the picture file
** embedded as hexadecimal text on demand) and the picture information record that the
** environment's picture tool writes.
*/
#include <cstring>
#include <string>

#include "foundation/files.h"
#include "platform/zelkwin.h"
#include "printlist/oli_internal.h"
#include "printlist/oli_util.h"
#include "platform/runtime.h"

void Oli_Picture_Element_Defaults(Oli_Picture_Element *e)
{
    if (e == nullptr) return;
    e->flags = 0;
    e->value = 300;
    e->size_1 = e->size_2 = 1.0;
    e->extra_1 = e->extra_2 = 10.0;
}

void Oli_Picture_Block_Defaults(Oli_Picture_Block *b)
{
    if (b == nullptr) return;
    memset(b, 0, sizeof *b);
    b->type = 1;
    b->window[1] = 10.0;
    b->window[3] = 5.0;
    b->scale = 50.0;
}

void Picture_Info_Defaults(OLI_GRAPHIC_Picture_Info *info)
{
    if (info == nullptr) return;
    memset(info, 0, sizeof *info);
}

/* ---- picture block ---- */

int Oli_Picture_Begin(FILE *file, const Oli_Picture_Block *record)
{
    if (file == nullptr) return -1;
    Oli_Picture_Block d;
    Oli_Picture_Block_Defaults(&d);
    const Oli_Picture_Block *b = record ? record : &d;
    if (fputs("\n\n#SHOWGRAFIC\n", file) < 0) return -1;
    Oli_Caption_Hook hooks[2] = {b->caption_1, b->caption_2};
    for (int i = 0; i < 2; i++) {
        if (hooks[i]) {
            if (hooks[i](file, b->hook_arg) < 0) return -1;
        } else if (fputs("0 0 0\n", file) < 0) {
            return -1;
        }
    }
    if (b->flags != 0 && fprintf(file, "-999 %d ", (int)b->flags) < 0) return -1;
    if (fprintf(file, "%d\n", (int)b->type) < 0) return -1;
    if ((b->flags & 0x10000)
        && fprintf(file, "%.6g %.6g %.6g %.6g\n", b->extra[0], b->extra[1], b->extra[2],
                   b->extra[3])
               < 0)
        return -1;
    if (fprintf(file, "%.6g %.6g %.6g %.6g\n", b->window[0], b->window[1], b->window[2],
                b->window[3])
        < 0)
        return -1;
    if (b->type == 3 && fprintf(file, "%.6g\n", b->scale) < 0) return -1;
    return 0;
}

int Oli_Picture_End(FILE *file)
{
    if (file == nullptr) return -1;
    return fputs("0\n\n", file) < 0 ? -1 : 0;
}

int Oli_Graphic_Picture(FILE *file, double x, double y, const char *name,
                        const Oli_Picture_Element *record)
{
    if (file == nullptr || name == nullptr) return -1;
    Oli_Picture_Element d;
    Oli_Picture_Element_Defaults(&d);
    const Oli_Picture_Element *e = record ? record : &d;
    std::string data;
    if (e->flags & 0x1000) {
        FILE *in = Rt_Fopen_Read(name);
        if (in == nullptr) return -1;
        char buf[4096];
        size_t n;
        while ((n = fread(buf, 1, sizeof buf, in)) > 0) data.append(buf, n);
        int bad = ferror(in);
        fclose(in);
        if (bad) return -1;
    }
    if (fprintf(file, "75 %d %.6g %.6g", (int)e->flags, x, y) < 0) return -1;
    if ((e->flags & 0x30) && fprintf(file, " %d", (int)e->value) < 0) return -1;
    if ((e->flags & 0x1) && fprintf(file, " %.6g %.6g", e->size_1, e->size_2) < 0) return -1;
    if ((e->flags & 0xE) && fprintf(file, " %.6g %.6g", e->extra_1, e->extra_2) < 0) return -1;
    const char *shown = name;
    if (e->flags & 0x1000) {
        const char *dot = strrchr(name, '.');
        shown = dot ? dot : "";
    }
    if (fprintf(file, " \xAE%s\xAF\n", shown) < 0) return -1;
    if (e->flags & 0x1000) {
        if (fputs("{\n", file) < 0) return -1;
        for (size_t i = 0; i < data.size(); i += 64) {
            for (size_t k = i; k < i + 64 && k < data.size(); k++)
                if (fprintf(file, "%.2x", (unsigned)(unsigned char)data[k]) < 0) return -1;
            if (fputs("\n", file) < 0) return -1;
        }
        if (fputs("}\n", file) < 0) return -1;
    }
    return 0;
}

/* ---- picture information ---- */

int Write_Picture_Info(FILE *file, const OLI_GRAPHIC_Picture_Info *info)
{
    if (file == nullptr || info == nullptr) return 0;
    return fprintf(file, "OLI_GRAPHIC_Picture_Info\n\xAE%.19s\xAF\n%d %d\n%d\n%.4f %.4f\n",
                   info->name, (int)info->width, (int)info->height, (int)info->depth, info->res_x,
                   info->res_y)
                   < 0
               ? 0
               : 1;
}

int Read_Picture_Info(FILE *file, OLI_GRAPHIC_Picture_Info *info)
{
    if (info == nullptr) return 0;
    Picture_Info_Defaults(info);
    if (file == nullptr) return 0;
    char key[32];
    if (fscanf(file, " %31s", key) != 1 || strcmp(key, "OLI_GRAPHIC_Picture_Info")) return 0;
    int c;
    while ((c = fgetc(file)) == ' ' || c == '\n' || c == '\r' || c == '\t') {}
    if (c != 0xAE) return 0;
    size_t n = 0;
    while ((c = fgetc(file)) != EOF && c != 0xAF)
        if (n + 1 < sizeof info->name) info->name[n++] = (char)c;
    info->name[n] = 0;
    if (c != 0xAF) return 0;
    int w, h, d;
    if (fscanf(file, " %d%d", &w, &h) != 2) return 0;
    info->width = w;
    info->height = h;
    if (fscanf(file, " %d", &d) != 1) return 0;
    info->depth = d;
    double rx, ry;
    if (fscanf(file, " %lf%lf", &rx, &ry) != 2) return 0;
    info->res_x = rx;
    info->res_y = ry;
    return 1;
}

int Run_Pelquist_Picture_Info(const char *picture, OLI_GRAPHIC_Picture_Info *info)
{
    if (info == nullptr) return 0;
    Picture_Info_Defaults(info);
    const char *exec = VELGetEnv("EXEC");
    if (exec == nullptr || picture == nullptr) return 0;
    char tool[FILES_PATH_MAX], temp[FILES_PATH_MAX];
    if (snprintf(tool, sizeof tool, "%s/Pelquist", exec) >= (int)sizeof tool) return 0;
    if (Make_Temp_File_Name(temp) == nullptr) return 0;
    const char *argv[4] = {tool, picture, temp, nullptr};
    VELSpawnv(tool, argv);
    FILE *f = Rt_Fopen_Read(temp);
    int ok = 0;
    if (f) {
        ok = Read_Picture_Info(f, info);
        fclose(f);
        VELRemoveFile(temp);
    }
    if (!ok) Picture_Info_Defaults(info);
    return ok;
}
