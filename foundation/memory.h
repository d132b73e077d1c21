/*
** Memory layers: the debug-allocation layer (one call per heap function, taking a source name,
** a line and a tag that serve diagnostics only), the counted layer above it (a global count of
** live blocks, extra bytes per request, exit on failure) and the two ways the program stops
** when memory runs out.
*/
#pragma once

#include <cstddef>
#include <cstdint>

#include "foundation/report.h"

/* ---------------------------------------------------------------- debug-allocation layer */

void Dbg_Free(const char *file, int line, const char *tag, void *p);
void *Dbg_Realloc(const char *file, int line, const char *tag, void *p,
                  size_t size); /* p null: allocates */
void *Dbg_Malloc(const char *file, int line, const char *tag, size_t size);
void *Dbg_Calloc(const char *file, int line, const char *tag, size_t count, size_t size);
char *Dbg_Strdup(const char *file, int line, const char *tag, const char *text);
int Dbg_Check(const char *file, int line, const char *tag); /* always 1 */

/* Hooks of the layer without effect (kept for callers that name them). */
void Dbg_Init(void);
void Dbg_Exit(void);
void Dbg_List(void);
void Dbg_Reset(void);
int Dbg_Count_Blocks(void); /* 0 */
int Dbg_Count_Bytes(void);  /* 0 */
int Dbg_Verify(void);       /* 0 */

/*
** Fault injection for tests: with n > 0 the n-th following request of Dbg_Malloc, Dbg_Calloc,
** Dbg_Realloc or Dbg_Strdup fails (answers null) and the countdown is off again; 0 turns it off.
*/
void Dbg_Set_Fail_Countdown(int n);

/* ---------------------------------------------------------------- counted layer */

extern int32_t Alloc_Count; /* blocks held through the counted layer (diagnostic only) */
extern int32_t Alloc_Extra; /* bytes added to every request of the counted layer, >= 0 */

/*
** Return a block of Alloc_Extra + n bytes, grown or shrunk from old (a block of this layer, or
** null), zeroed over the whole new size when clear is non-zero. A total size of 0 answers null
** and releases old (if any). On failure the program ends (see Check_Alloc_Or_Exit).
*/
void *Mem_Realloc(void *old, size_t n, int clear);

/* Mem_Realloc(null, n, 1). */
void *Mem_Calloc(size_t n);

/*
** (Re)allocate a matrix of rows x cols doubles as one block: a table of row pointers followed by
** the doubles row by row, so m[i][j] works; released with one Mem_Free. Null when rows or cols
** is 0 (old is then released). The doubles are not initialised.
*/
double **Mem_Alloc_Matrix(double **old, int rows, int cols);

/* A counted copy of text; null (without message) when the copy fails or text is null: callers check. */
char *Mem_Strdup(const char *text);

/* (Re)allocate *pp to n doubles and copy n doubles from src. For n < 1 the old block is
** released and *pp becomes null. */
void Mem_Copy_Doubles(int n, double **pp, const double *src);

/* Release *pp when it is not null, count it and set *pp to null. */
void Mem_Free(void **pp);

/* Mem_Free for any pointer variable: Mem_Free(&p). */
template <typename T>
inline void Mem_Free(T **pp)
{
    void *p = const_cast<void *>(static_cast<const void *>(*pp));
    Mem_Free(&p);
    *pp = nullptr;
}

void Alloc_Count_Reset(void);
int32_t Alloc_Count_Get(void);
int32_t Alloc_Extra_Set(int32_t n); /* negative n becomes 0; answers the value stored */

/* When ptr is null: report "Speicher nicht ausreichend!" and end the program with exit code 0. */
void Check_Alloc_Or_Exit(const void *ptr);

/* The three-line message box of a failed action, then exit code 0. */
[[noreturn]] void Abort_Out_Of_Memory(void);
