/*
** Memory layers: the debug-allocation layer over the runtime heap, the counted layer above it,
** and the two ways the program ends when memory runs out (exit code 0 after the message).
*/
#include "foundation/memory.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>


int32_t Alloc_Count = 0;
int32_t Alloc_Extra = 0;

/* ---------------------------------------------------------------- debug-allocation layer */

static int Fail_Countdown = 0;

void Dbg_Set_Fail_Countdown(int n) { Fail_Countdown = n > 0 ? n : 0; }

/* 1 when the request now counted down is the one to fail. */
static int Injected_Failure(void)
{
    if (Fail_Countdown <= 0) return 0;
    return --Fail_Countdown == 0;
}

void Dbg_Free(const char *file, int line, const char *tag, void *p) { free(p); }

void *Dbg_Realloc(const char *file, int line, const char *tag, void *p, size_t size)
{
    if (Injected_Failure()) return nullptr;
    if (size == 0) size = 1; /* realloc(p, 0) may free p; the layer always answers a block */
    return realloc(p, size);
}

void *Dbg_Malloc(const char *file, int line, const char *tag, size_t size)
{
    if (Injected_Failure()) return nullptr;
    return malloc(size ? size : 1);
}

void *Dbg_Calloc(const char *file, int line, const char *tag, size_t count, size_t size)
{
    if (Injected_Failure()) return nullptr;
    if (count == 0 || size == 0) count = size = 1;
    return calloc(count, size);
}

char *Dbg_Strdup(const char *file, int line, const char *tag, const char *text)
{
    if (!text || Injected_Failure()) return nullptr;
    return strdup(text);
}

int Dbg_Check(const char *file, int line, const char *tag) { return 1; }

void Dbg_Init(void) {}
void Dbg_Exit(void) {}
void Dbg_List(void) {}
void Dbg_Reset(void) {}
int Dbg_Count_Blocks(void) { return 0; }
int Dbg_Count_Bytes(void) { return 0; }
int Dbg_Verify(void) { return 0; }

/* ---------------------------------------------------------------- failure path */

/* The message lives in static storage and the path allocates nothing itself: the hook is told
** not to allocate either. A second failure while the first is reported ends at once. */
static const char No_Memory_Text[] = "Speicher nicht ausreichend!";
static int In_Failure = 0;

[[noreturn]] static void Out_Of_Memory_Exit(void)
{
    if (!In_Failure) {
        In_Failure = 1;
        Foundation_Report(FOUNDATION_MSG_NO_MEMORY, -1, No_Memory_Text);
    }
    exit(0);
}

void Check_Alloc_Or_Exit(const void *ptr)
{
    if (!ptr) Out_Of_Memory_Exit();
}

/* ---------------------------------------------------------------- counted layer */

void *Mem_Realloc(void *old, size_t n, int clear)
{
    const size_t total = n + static_cast<size_t>(Alloc_Extra > 0 ? Alloc_Extra : 0);
    if (total < n) Out_Of_Memory_Exit(); /* the size overflowed */
    if (total == 0) {
        /* Asking for nothing releases the old block rather than leaking it. */
        if (old) Mem_Free(&old);
        return nullptr;
    }
    void *p = Dbg_Realloc(__FILE__, __LINE__, "null", old, total);
    if (!p) Out_Of_Memory_Exit();
    if (clear) memset(p, 0, total);
    if (!old) Alloc_Count++;
    return p;
}

void *Mem_Calloc(size_t n) { return Mem_Realloc(nullptr, n, 1); }

double **Mem_Alloc_Matrix(double **old, int rows, int cols)
{
    if (rows <= 0 || cols <= 0) {
        if (old) Mem_Free(&old);
        return nullptr;
    }
    const size_t r = static_cast<size_t>(rows), c = static_cast<size_t>(cols);
    if (c > (SIZE_MAX / sizeof(double) - r) / r) Out_Of_Memory_Exit();
    /* Row pointers first, then the doubles; the pointer table keeps the doubles aligned. */
    auto **m =
        static_cast<double **>(Mem_Realloc(old, r * sizeof(double *) + r * c * sizeof(double), 0));
    auto *data = reinterpret_cast<double *>(m + r);
    for (size_t i = 0; i < r; i++) m[i] = data + i * c;
    return m;
}

char *Mem_Strdup(const char *text)
{
    if (!text) return nullptr;
    char *p = Dbg_Strdup(__FILE__, __LINE__, "null", text);
    if (p) Alloc_Count++;
    return p;
}

void Mem_Copy_Doubles(int n, double **pp, const double *src)
{
    if (!pp) return;
    if (n < 1) {
        Mem_Free(pp);
        return;
    }
    *pp = static_cast<double *>(Mem_Realloc(*pp, static_cast<size_t>(n) * sizeof(double), 0));
    if (src) memcpy(*pp, src, static_cast<size_t>(n) * sizeof(double));
}

void Mem_Free(void **pp)
{
    if (!pp || !*pp) return;
    Dbg_Free(__FILE__, __LINE__, "null", *pp);
    Alloc_Count--;
    *pp = nullptr;
}

void Alloc_Count_Reset(void) { Alloc_Count = 0; }

int32_t Alloc_Count_Get(void) { return Alloc_Count; }

int32_t Alloc_Extra_Set(int32_t n)
{
    Alloc_Extra = n < 0 ? 0 : n;
    return Alloc_Extra;
}
