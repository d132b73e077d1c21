/*
** Bitmap strips of the GUI stand-in: BMP files found by name (case-insensitively, below the
** private data path's "bitmaps" folder), loaded once with stb_image and drawn whole or in part
** with one transparent colour; and our small vector drawing format RPC.
*/
#define STB_IMAGE_STATIC
#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_BMP
#define STBI_ONLY_PNG
#if defined(__GNUC__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wunused-function"
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#pragma GCC diagnostic ignored "-Wsign-compare"
#endif
#include <stb/stb_image.h>
#if defined(__GNUC__)
#pragma GCC diagnostic pop
#endif

#include <dirent.h>
#include <strings.h>
#include <sys/stat.h>

#include <cstring>
#include <map>
#include <memory>
#include <string>

#include "platform/runtime.h"
#include "platform/zelkwin_internal.h"

namespace zw {

struct Image {
    int w = 0, h = 0;
    std::vector<uint32_t> rgb; /* 0xRRGGBB per pixel, row by row */
};

static bool Exists(const std::string &p)
{
    struct stat st;
    return stat(p.c_str(), &st) == 0;
}

/* Resolves path component by component, matching names case-insensitively where the exact
** name does not exist. Answers "" when some component is missing. */
static std::string Resolve_Nocase(const std::string &path)
{
    if (Exists(path)) return path;
    std::string done = path[0] == '/' ? "/" : "";
    size_t i = path[0] == '/' ? 1 : 0;
    while (i <= path.size()) {
        size_t j = path.find('/', i);
        if (j == std::string::npos) j = path.size();
        std::string part = path.substr(i, j - i);
        i = j + 1;
        if (part.empty() || part == ".") continue;
        std::string dir = done.empty() ? "." : done;
        std::string cand = (done.empty() ? "" : (done == "/" ? "/" : done + "/")) + part;
        if (!Exists(cand)) {
            DIR *d = opendir(dir.c_str());
            if (!d) return "";
            std::string found;
            while (struct dirent *e = readdir(d))
                if (strcasecmp(e->d_name, part.c_str()) == 0) {
                    found = e->d_name;
                    break;
                }
            closedir(d);
            if (found.empty()) return "";
            cand = (done.empty() ? "" : (done == "/" ? "/" : done + "/")) + found;
        }
        done = cand;
    }
    return done;
}

static std::string Find_Bitmap(const char *name)
{
    std::string n(name);
    for (char &c : n)
        if (c == '\\') c = '/';
    if (n.empty()) return "";
    if (n[0] == '/') return Resolve_Nocase(n);
    std::string r = Resolve_Nocase(n);
    if (!r.empty()) return r;
    std::string priv = CurOb_Privat_Datapath();
    r = Resolve_Nocase(priv + "/bitmaps/" + n);
    if (!r.empty()) return r;
    return Resolve_Nocase(priv + "/" + n);
}

static uint32_t Le32(const std::vector<unsigned char> &b, size_t at)
{
    return (uint32_t)b[at] | (uint32_t)b[at + 1] << 8 | (uint32_t)b[at + 2] << 16
           | (uint32_t)b[at + 3] << 24;
}

/* The largest strip we load (16 Mpixel), so that a damaged header cannot claim gigabytes. */
static const int64_t Max_Pixels = 16 << 20;

/* Checks a file before stb_image reads it: a picture of at least one pixel and at most
** Max_Pixels; an uncompressed BMP must hold all the rows its header claims. */
static bool Plausible_Picture(FILE *f)
{
    int w = 0, h = 0, ch = 0;
    if (!stbi_info_from_file(f, &w, &h, &ch) || w <= 0 || h <= 0 || (int64_t)w * h > Max_Pixels)
        return false;
    rewind(f);
    unsigned char hd[54];
    size_t n = fread(hd, 1, sizeof hd, f);
    fseek(f, 0, SEEK_END);
    long size = ftell(f);
    rewind(f);
    if (n < 2 || hd[0] != 'B' || hd[1] != 'M')
        return true; /* not a BMP: stb_image checks PNG itself */
    if (n < 54) return false;
    uint32_t offset =
        (uint32_t)hd[10] | (uint32_t)hd[11] << 8 | (uint32_t)hd[12] << 16 | (uint32_t)hd[13] << 24;
    uint32_t comp =
        (uint32_t)hd[30] | (uint32_t)hd[31] << 8 | (uint32_t)hd[32] << 16 | (uint32_t)hd[33] << 24;
    unsigned bpp = hd[28] | hd[29] << 8;
    if (comp != 0 && comp != 3)
        return true; /* compressed: the decoder stops at the end of the data */
    int64_t row = ((int64_t)w * bpp + 31) / 32 * 4;
    return (int64_t)offset + row * h <= size;
}

/* 8-bit BMP with run-length compression (BI_RLE8), which stb_image does not read: the large,
** mostly empty sprite sheets are stored so. Every count and offset is checked against the
** file and the picture; answers false for anything else or a damaged file. */
static bool Load_Rle8(const std::string &path, Image *img)
{
    FILE *f = Rt_Fopen_Read(path.c_str());
    if (!f) return false;
    std::vector<unsigned char> b;
    unsigned char chunk[65536];
    size_t n;
    while ((n = fread(chunk, 1, sizeof chunk, f)) > 0 && b.size() < (64u << 20))
        b.insert(b.end(), chunk, chunk + n);
    fclose(f);
    if (b.size() < 54 || b[0] != 'B' || b[1] != 'M') return false;
    uint32_t offset = Le32(b, 10), hsize = Le32(b, 14);
    int32_t w = (int32_t)Le32(b, 18), h = (int32_t)Le32(b, 22);
    unsigned bpp = b[28] | b[29] << 8;
    uint32_t comp = Le32(b, 30), colours = Le32(b, 46);
    if (bpp != 8 || comp != 1 || w <= 0 || h <= 0 || (int64_t)w * h > Max_Pixels || hsize < 40)
        return false;
    if (colours == 0 || colours > 256) colours = 256;
    if ((uint64_t)14 + hsize + 4ull * colours > b.size() || offset >= b.size()) return false;
    uint32_t pal[256] = {};
    for (uint32_t i = 0; i < colours; i++) {
        size_t at = 14 + hsize + 4 * (size_t)i;
        pal[i] = (uint32_t)b[at + 2] << 16 | (uint32_t)b[at + 1] << 8 | b[at];
    }
    img->w = w;
    img->h = h;
    img->rgb.assign((size_t)w * (size_t)h, pal[0]);
    int x = 0, y = 0; /* y counts rows from the bottom */
    size_t at = offset;
    auto put = [&](unsigned idx) {
        if (x < w && y < h) img->rgb[(size_t)(h - 1 - y) * (size_t)w + (size_t)x] = pal[idx & 255];
        x++;
    };
    while (at + 1 < b.size()) {
        unsigned c = b[at], v = b[at + 1];
        at += 2;
        if (c > 0) {
            for (unsigned i = 0; i < c; i++) put(v);
        } else if (v == 0) {
            x = 0;
            y++;
        } else if (v == 1) {
            return true;
        } else if (v == 2) {
            if (at + 1 >= b.size()) return false;
            x += b[at];
            y += b[at + 1];
            at += 2;
        } else {
            if (at + v > b.size()) return false;
            for (unsigned i = 0; i < v; i++) put(b[at + i]);
            at += v + (v & 1);
        }
        if (y > h) return false;
    }
    return true;
}

static std::map<std::string, std::unique_ptr<Image>> &Cache()
{
    static std::map<std::string, std::unique_ptr<Image>> cache;
    return cache;
}

void Bitmaps_Reset() { Cache().clear(); }

static Image *Load(const char *name)
{
    auto &cache = Cache();
    if (!name || !*name) return nullptr;
    auto it = cache.find(name);
    if (it != cache.end()) return it->second.get();
    std::unique_ptr<Image> img;
    std::string path = Find_Bitmap(name);
    int w, h, ch;
    /* a regular file only: a pipe or a device under the name is named once and draws nothing */
    FILE *f = path.empty() ? nullptr : Fopen_Read_Said(nullptr, path.c_str(), nullptr);
    if (!f) path.clear();
    unsigned char *data =
        f == nullptr || !Plausible_Picture(f) ? nullptr : stbi_load_from_file(f, &w, &h, &ch, 3);
    if (f) fclose(f);
    if (data && (w <= 0 || h <= 0)) {
        stbi_image_free(data);
        data = nullptr;
    }
    if (data) {
        img.reset(new Image);
        img->w = w;
        img->h = h;
        img->rgb.resize((size_t)w * (size_t)h);
        for (size_t k = 0; k < img->rgb.size(); k++)
            img->rgb[k] =
                (uint32_t)data[3 * k] << 16 | (uint32_t)data[3 * k + 1] << 8 | data[3 * k + 2];
        stbi_image_free(data);
    } else {
        img.reset(new Image);
        if (path.empty() || !Load_Rle8(path, img.get())) {
            img.reset();
            Log_Line(std::string("BITMAP MISSING ") + name);
        }
    }
    Image *p = img.get();
    cache[name] = std::move(img);
    return p;
}

/* Copies the source rectangle onto the target rectangle (nearest-pixel scaling), leaving the
** transparent colour (tr < 0: none) out; clipped to the viewport. */
static void Blit(const Image *img, int sx1, int sy1, int sx2, int sy2, int x1, int y1, int x2,
                 int y2, int tr)
{
    State &s = St();
    if (sx2 < 0 || sx2 >= img->w) sx2 = img->w - 1;
    if (sy2 < 0 || sy2 >= img->h) sy2 = img->h - 1;
    if (sx1 < 0) sx1 = 0;
    if (sy1 < 0) sy1 = 0;
    if (sx1 > sx2 || sy1 > sy2) return;
    int sw = sx2 - sx1 + 1, sh = sy2 - sy1 + 1;
    if (x2 < 0) x2 = x1 + sw - 1;
    if (y2 < 0) y2 = y1 + sh - 1;
    if (x2 < x1 || y2 < y1) return;
    int tw = x2 - x1 + 1, th = y2 - y1 + 1;
    int cx1 = std::max(0, s.vx1), cy1 = std::max(0, s.vy1);
    int cx2 = std::min(NPIXEL_X - 1, s.vx2), cy2 = std::min(NPIXEL_Y - 1, s.vy2);
    cairo_surface_flush(s.surface);
    uint32_t *p = (uint32_t *)cairo_image_surface_get_data(s.surface);
    int stride = cairo_image_surface_get_stride(s.surface) / 4;
    for (int y = std::max(y1, cy1); y <= std::min(y2, cy2); y++) {
        int sy = sy1 + (int)((long)(y - y1) * sh / th);
        for (int x = std::max(x1, cx1); x <= std::min(x2, cx2); x++) {
            int sx = sx1 + (int)((long)(x - x1) * sw / tw);
            uint32_t c = img->rgb[(size_t)sy * (size_t)img->w + (size_t)sx];
            if (tr >= 0 && c == (uint32_t)tr) continue;
            p[y * stride + x] = c;
        }
    }
    cairo_surface_mark_dirty(s.surface);
    Mark_Dirty();
}

static int Transparent(int mode, int r, int g, int b)
{
    (void)mode;
    if (r < 0 || g < 0 || b < 0) return -1;
    return (r & 255) << 16 | (g & 255) << 8 | (b & 255);
}

} // namespace zw

using namespace zw;

int pxDrawTransparentDIB(const char *file, int x1, int y1, int x2, int y2, int mode, int flag,
                         int r, int g, int b)
{
    Ensure_Init();
    (void)flag;
    Image *img = Load(file);
    if (!img) return 0;
    Blit(/*img=*/img, /*sx1=*/0, /*sy1=*/0, /*sx2=*/-1, /*sy2=*/-1, /*x1=*/x1, /*y1=*/y1, /*x2=*/x2,
         /*y2=*/y2, /*tr=*/Transparent(mode, r, g, b));
    return 1;
}

int pxDrawPartialTransparentDIB(const char *file, int sx1, int sy1, int sx2, int sy2, int x1,
                                int y1, int x2, int y2, int mode, int flag, int r, int g, int b)
{
    Ensure_Init();
    (void)flag;
    Image *img = Load(file);
    if (!img) return 0;
    Blit(/*img=*/img, /*sx1=*/sx1, /*sy1=*/sy1, /*sx2=*/sx2, /*sy2=*/sy2, /*x1=*/x1, /*y1=*/y1,
         /*x2=*/x2, /*y2=*/y2, /*tr=*/Transparent(mode, r, g, b));
    return 1;
}

int Query_DIB_Size(const char *file, int *width, int *height)
{
    Ensure_Init();
    Image *img = Load(file);
    if (!img) return 0;
    if (width) *width = img->w;
    if (height) *height = img->h;
    return 1;
}

int Draw_RPC_File(const char *file, int x, int y)
{
    Ensure_Init();
    if (!file) return 0;
    std::string path = Find_Bitmap(file);
    FILE *f = path.empty() ? nullptr : Fopen_Read_Said(nullptr, path.c_str(), nullptr);
    if (!f) {
        Log_Line(std::string("BITMAP MISSING ") + file);
        return 0;
    }
    int old = pxQFgc();
    char line[512];
    while (fgets(line, sizeof line, f)) {
        int a, b, c, d;
        char text[400];
        if (sscanf(line, "L %d %d %d %d", &a, &b, &c, &d) == 4) pxLine(x + a, y + b, x + c, y + d);
        else if (sscanf(line, "R %d %d %d %d", &a, &b, &c, &d) == 4)
            pxRect(x + a, y + b, x + c, y + d);
        else if (sscanf(line, "C %d %d %d", &a, &b, &c) == 3) pxFgc(Nearest_RGB_Color(a, b, c));
        else if (sscanf(line, "T %d %d %399[^\n]", &a, &b, text) == 3)
            pxText(x + a, y + b, text, -1);
    }
    fclose(f);
    pxFgc(old);
    return 1;
}
