/*
** Ptr_Array: the growable array of untyped pointers. The array never owns its items. Growth for
** an index at or beyond the capacity sets the capacity to max(index + 1, capacity + 10); new slots
** are null.
*/
#pragma once

#include <cstdint>

typedef struct Ptr_Array {
    void **items;     /* the slots; null while capacity is 0 */
    int32_t count;    /* slots in use */
    int32_t capacity; /* slots allocated */
} Ptr_Array;

/* Compare two items (not slots) for sorting: < 0, 0, > 0. */
typedef int (*Ptr_Array_Compare)(const void *a, const void *b);
/* Predicate of Ptr_Array_Find: non-zero when item matches key. */
typedef int (*Ptr_Array_Match)(const void *item, const void *key);
/* Compare a pointer to an item (const void * pointing at the slot) with key: < 0 the item lies
** before the key, 0 equal, > 0 after. */
typedef int (*Ptr_Array_Key_Compare)(const void *pitem, const void *key);

Ptr_Array *Ptr_Array_New(int capacity);            /* null on allocation failure */
int Ptr_Array_Init(Ptr_Array *a, int capacity);    /* 1, or 0 on allocation failure */
void Ptr_Array_Clear(Ptr_Array *a);                /* frees the vector, not the items */
void Ptr_Array_Delete(Ptr_Array *a);               /* frees the vector and the record */
int Ptr_Array_Reserve(Ptr_Array *a, int capacity); /* 1, or 0 (array unchanged) */
int Ptr_Array_Count(const Ptr_Array *a);
int Ptr_Array_Capacity(const Ptr_Array *a);
void *Ptr_Array_Get(const Ptr_Array *a, int index);          /* null out of range */
void *Ptr_Array_Set(Ptr_Array *a, int index, void *item);    /* answers the previous item */
void *Ptr_Array_Insert(Ptr_Array *a, int index, void *item); /* answers item, null on failure */
void *Ptr_Array_Remove(Ptr_Array *a, int index);
void Ptr_Array_Sort(Ptr_Array *a, Ptr_Array_Compare compare); /* null items last */
void *Ptr_Array_Find(const Ptr_Array *a, const void *key, Ptr_Array_Match match, int *index);
void *Ptr_Array_Find_Equal(const Ptr_Array *a, const void *key, Ptr_Array_Key_Compare compare,
                           int *index);
/* Binary search in an array sorted by compare; on a miss null and *index = insertion position. */
void *Ptr_Array_Bsearch(const Ptr_Array *a, const void *key, Ptr_Array_Key_Compare compare,
                        int *index);
