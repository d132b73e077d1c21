/*
** Ptr_Array: the growable array of untyped pointers, allocated through the debug-allocation
** layer. The array never owns its items.
*/
#include "foundation/ptrarr.h"

#include <cstdlib>
#include <cstring>

#include "foundation/memory.h"

#define PTRARR_SOURCE "ptrarr"
#define PTRARR_STEP   10

Ptr_Array *Ptr_Array_New(int capacity)
{
    auto *a =
        static_cast<Ptr_Array *>(Dbg_Malloc(PTRARR_SOURCE, __LINE__, "null", sizeof(Ptr_Array)));
    if (!a) return nullptr;
    a->items = nullptr;
    a->count = a->capacity = 0;
    if (!Ptr_Array_Init(a, capacity)) {
        Dbg_Free(PTRARR_SOURCE, __LINE__, "null", a);
        return nullptr;
    }
    return a;
}

int Ptr_Array_Init(Ptr_Array *a, int capacity)
{
    if (!a) return 0;
    a->items = nullptr;
    a->count = a->capacity = 0;
    if (capacity < 1) return 1;
    return Ptr_Array_Reserve(a, capacity);
}

void Ptr_Array_Clear(Ptr_Array *a)
{
    if (!a) return;
    Dbg_Free(PTRARR_SOURCE, __LINE__, "null", a->items);
    a->items = nullptr;
    a->count = a->capacity = 0;
}

void Ptr_Array_Delete(Ptr_Array *a)
{
    if (!a) return;
    Ptr_Array_Clear(a);
    Dbg_Free(PTRARR_SOURCE, __LINE__, "null", a);
}

int Ptr_Array_Reserve(Ptr_Array *a, int capacity)
{
    if (!a) return 0;
    if (capacity < 1) {
        Ptr_Array_Clear(a);
        return 1;
    }
    void **v = static_cast<void **>(Dbg_Realloc(PTRARR_SOURCE, __LINE__, "null", a->items,
                                                static_cast<size_t>(capacity) * sizeof(void *)));
    if (!v) return 0;
    if (capacity > a->capacity)
        memset(v + a->capacity, 0, static_cast<size_t>(capacity - a->capacity) * sizeof(void *));
    a->items = v;
    a->capacity = capacity;
    if (a->count > capacity) a->count = capacity;
    return 1;
}

/* Grow so that index fits: capacity max(index + 1, capacity + 10). */
static int Grow_For(Ptr_Array *a, int index)
{
    if (index < a->capacity) return 1;
    const int want = index + 1 > a->capacity + PTRARR_STEP ? index + 1 : a->capacity + PTRARR_STEP;
    return Ptr_Array_Reserve(a, want);
}

int Ptr_Array_Count(const Ptr_Array *a) { return a ? a->count : 0; }

int Ptr_Array_Capacity(const Ptr_Array *a) { return a ? a->capacity : 0; }

void *Ptr_Array_Get(const Ptr_Array *a, int index)
{
    if (!a || index < 0 || index >= a->count) return nullptr;
    return a->items[index];
}

void *Ptr_Array_Set(Ptr_Array *a, int index, void *item)
{
    if (!a || index < 0) return nullptr;
    if (!Grow_For(a, index)) return nullptr;
    if (index < a->count) {
        void *old = a->items[index];
        a->items[index] = item;
        return old;
    }
    a->items[index] = item;
    a->count = index + 1;
    return nullptr;
}

void *Ptr_Array_Insert(Ptr_Array *a, int index, void *item)
{
    if (!a || index < 0) return nullptr;
    if (index >= a->count) {
        if (!Grow_For(a, index)) return nullptr;
        a->items[index] = item;
        a->count = index + 1;
        return item;
    }
    if (!Grow_For(a, a->count)) return nullptr;
    memmove(a->items + index + 1, a->items + index,
            static_cast<size_t>(a->count - index) * sizeof(void *));
    a->items[index] = item;
    a->count++;
    return item;
}

void *Ptr_Array_Remove(Ptr_Array *a, int index)
{
    if (!a || index < 0 || index >= a->count) return nullptr;
    void *item = a->items[index];
    memmove(a->items + index, a->items + index + 1,
            static_cast<size_t>(a->count - index - 1) * sizeof(void *));
    a->items[--a->count] = nullptr;
    return item;
}

/* ---------------------------------------------------------------- sorting and searching */

static Ptr_Array_Compare Sort_Compare = nullptr; /* held during Ptr_Array_Sort (not reentrant) */

/* Slots to items, nulls after all others. */
static int Compare_Slots(const void *pa, const void *pb)
{
    const void *a = *static_cast<void *const *>(pa), *b = *static_cast<void *const *>(pb);
    if (!a && !b) return 0;
    if (!a) return 1;
    if (!b) return -1;
    return Sort_Compare(a, b);
}

void Ptr_Array_Sort(Ptr_Array *a, Ptr_Array_Compare compare)
{
    if (!a || !compare || a->count <= 1) return;
    Sort_Compare = compare;
    qsort(a->items, static_cast<size_t>(a->count), sizeof(void *), Compare_Slots);
    Sort_Compare = nullptr;
}

void *Ptr_Array_Find(const Ptr_Array *a, const void *key, Ptr_Array_Match match, int *index)
{
    const int n = Ptr_Array_Count(a);
    if (match)
        for (int i = 0; i < n; i++)
            if (match(a->items[i], key)) {
                if (index) *index = i;
                return a->items[i];
            }
    if (index) *index = n;
    return nullptr;
}

void *Ptr_Array_Find_Equal(const Ptr_Array *a, const void *key, Ptr_Array_Key_Compare compare,
                           int *index)
{
    const int n = Ptr_Array_Count(a);
    if (compare)
        for (int i = 0; i < n; i++)
            if (compare(&a->items[i], key) == 0) {
                if (index) *index = i;
                return a->items[i];
            }
    if (index) *index = n;
    return nullptr;
}

void *Ptr_Array_Bsearch(const Ptr_Array *a, const void *key, Ptr_Array_Key_Compare compare,
                        int *index)
{
    int dummy;
    if (!index) index = &dummy;
    const int n = Ptr_Array_Count(a);
    if (n == 0 || !compare) {
        *index = 0;
        return nullptr;
    }
    int c = compare(&a->items[n - 1], key);
    if (c < 0) {
        *index = n;
        return nullptr;
    }
    if (c == 0) {
        *index = n - 1;
        return a->items[n - 1];
    }
    c = compare(&a->items[0], key);
    if (c >= 0) {
        *index = 0;
        return c == 0 ? a->items[0] : nullptr;
    }
    int low = 0, high = n;
    for (;;) {
        const int mid = (low + high) / 2;
        c = compare(&a->items[mid], key);
        if (c == 0) {
            *index = mid;
            return a->items[mid];
        }
        if (c < 0) {
            low = mid + 1;
            if (low >= high) break;
        } else {
            high = mid;
            if (low >= mid) break;
        }
    }
    *index = low;
    return nullptr;
}
