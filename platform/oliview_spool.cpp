/*
** Laid-out pages kept in a temporary file for the preview: each page packed into bytes,
** compressed with zlib and appended to an unnamed file below TEMP, so that a preview of a list
** of any length holds only the pages it shows. The file lives as long as the spool.
*/
#include <fcntl.h>
#include <unistd.h>
#include <zlib.h>

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "platform/oliview_internal.h"
#include "platform/runtime.h"

struct Oli_Spool {
    int fd = -1;
    uint64_t end = 0; /* bytes written */
    struct Entry {
        uint64_t offset; /* where the compressed page starts */
        uint32_t packed; /* its compressed length */
        uint32_t length; /* its length before compression */
    };
    std::vector<Entry> pages;
    std::string pack;                /* scratch: a page packed */
    std::vector<unsigned char> zbuf; /* scratch: compressed */
};

/* ---- packing a page into bytes ---- */

namespace {

template <typename T>
void put(std::string *s, T v)
{
    s->append(reinterpret_cast<const char *>(&v), sizeof v);
}

void put_doubles(std::string *s, const std::vector<double> &v)
{
    put<uint32_t>(s, (uint32_t)v.size());
    s->append(reinterpret_cast<const char *>(v.data()), v.size() * sizeof(double));
}

void put_bytes(std::string *s, const void *data, size_t n)
{
    put<uint32_t>(s, (uint32_t)n);
    s->append(static_cast<const char *>(data), n);
}

void pack_page(const Oli_Page &page, std::string *s)
{
    s->clear();
    put<uint32_t>(s, (uint32_t)page.items.size());
    for (const Oli_Item &it : page.items) {
        put(s, it.kind);
        put(s, it.x);
        put(s, it.y);
        put(s, it.x2);
        put(s, it.y2);
        put(s, it.size);
        put(s, it.angle);
        put(s, it.face);
        put(s, it.rgb);
        put(s, it.fill_rgb);
        put<uint8_t>(s, (uint8_t)((it.fill ? 1 : 0) | (it.stroke ? 2 : 0)));
        put(s, it.pattern);
        put_doubles(s, it.dash);
        put_doubles(s, it.pts);
        put_bytes(s, it.text.data(), it.text.size());
        put_bytes(s, it.image.data(), it.image.size());
        put(s, it.image_w);
        put(s, it.image_h);
    }
}

/* The bytes of a packed page, read from the front; ok falls to false at a short end. */
struct Unpack {
    const unsigned char *p, *end;
    bool ok = true;
    template <typename T>
    T get()
    {
        T v{};
        if ((size_t)(end - p) < sizeof v) {
            ok = false;
            p = end;
            return v;
        }
        memcpy(&v, p, sizeof v);
        p += sizeof v;
        return v;
    }
    /* n elements of `size` bytes, or nothing at a short end */
    const unsigned char *take(uint32_t n, size_t size)
    {
        if ((size_t)(end - p) / size < n) {
            ok = false;
            p = end;
            return nullptr;
        }
        const unsigned char *at = p;
        p += n * size;
        return at;
    }
    void doubles(std::vector<double> *v)
    {
        uint32_t n = get<uint32_t>();
        const unsigned char *at = take(n, sizeof(double));
        v->resize(at ? n : 0);
        if (at && n) memcpy(v->data(), at, n * sizeof(double));
    }
};

bool unpack_page(const unsigned char *data, size_t n, Oli_Page *page)
{
    Unpack u{data, data + n};
    uint32_t count = u.get<uint32_t>();
    page->items.clear();
    for (uint32_t i = 0; i < count && u.ok; i++) {
        Oli_Item it{};
        it.kind = u.get<int32_t>();
        it.x = u.get<double>();
        it.y = u.get<double>();
        it.x2 = u.get<double>();
        it.y2 = u.get<double>();
        it.size = u.get<double>();
        it.angle = u.get<double>();
        it.face = u.get<int32_t>();
        it.rgb = u.get<uint32_t>();
        it.fill_rgb = u.get<uint32_t>();
        uint8_t flags = u.get<uint8_t>();
        it.fill = (flags & 1) != 0;
        it.stroke = (flags & 2) != 0;
        it.pattern = u.get<int32_t>();
        u.doubles(&it.dash);
        u.doubles(&it.pts);
        uint32_t nt = u.get<uint32_t>();
        if (const unsigned char *t = u.take(nt, 1))
            it.text.assign(reinterpret_cast<const char *>(t), nt);
        uint32_t ni = u.get<uint32_t>();
        if (const unsigned char *b = u.take(ni, 1)) it.image.assign(b, b + ni);
        it.image_w = u.get<int32_t>();
        it.image_h = u.get<int32_t>();
        if (u.ok) page->items.push_back(std::move(it));
    }
    return u.ok && u.p == u.end;
}

} /* namespace */

/* ---- the spool ---- */

Oli_Spool *Oli_Spool_Open(void)
{
    const char *temp = Rt_Getenv("TEMP");
    std::string name =
        (temp && *temp && Rt_Is_Directory(temp)) ? std::string(temp) : std::string("/tmp");
    name += "/oliXXXXXX";
    std::vector<char> path(name.begin(), name.end());
    path.push_back(0);
    int fd = mkstemp(path.data());
    if (fd < 0) return nullptr;
    /* nameless from here on: nothing is left behind, whatever ends the preview */
    unlink(path.data());
    Oli_Spool *s = new Oli_Spool;
    s->fd = fd;
    return s;
}

int Oli_Spool_Add(Oli_Spool *s, const Oli_Page &page)
{
    if (s == nullptr) {
        errno = EINVAL;
        return 0;
    }
    pack_page(page, &s->pack);
    uLongf zlen = compressBound((uLong)s->pack.size());
    s->zbuf.resize(zlen);
    if (s->pack.size() > 0xFFFFFFFFu
        || compress2(s->zbuf.data(), &zlen, reinterpret_cast<const Bytef *>(s->pack.data()),
                     (uLong)s->pack.size(), Z_BEST_SPEED)
               != Z_OK) {
        errno = ENOMEM;
        return 0;
    }
    size_t done = 0;
    while (done < zlen) {
        ssize_t n = pwrite(s->fd, s->zbuf.data() + done, zlen - done, (off_t)(s->end + done));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            if (n == 0) errno = ENOSPC;
            return 0;
        }
        done += (size_t)n;
    }
    s->pages.push_back({s->end, (uint32_t)zlen, (uint32_t)s->pack.size()});
    s->end += zlen;
    return 1;
}

int Oli_Spool_Count(const Oli_Spool *s) { return s ? (int)s->pages.size() : 0; }

int Oli_Spool_Get(Oli_Spool *s, int index, Oli_Page *page)
{
    if (s == nullptr || page == nullptr || index < 0 || index >= (int)s->pages.size()) return 0;
    const Oli_Spool::Entry &e = s->pages[(size_t)index];
    s->zbuf.resize(e.packed);
    size_t done = 0;
    while (done < e.packed) {
        ssize_t n = pread(s->fd, s->zbuf.data() + done, e.packed - done, (off_t)(e.offset + done));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return 0;
        done += (size_t)n;
    }
    s->pack.resize(e.length);
    uLongf len = e.length;
    if (uncompress(reinterpret_cast<Bytef *>(&s->pack[0]), &len, s->zbuf.data(), e.packed) != Z_OK
        || len != e.length)
        return 0;
    return unpack_page(reinterpret_cast<const unsigned char *>(s->pack.data()), len, page) ? 1 : 0;
}

void Oli_Spool_Close(Oli_Spool *s)
{
    if (s == nullptr) return;
    if (s->fd >= 0) close(s->fd);
    delete s;
}
