/*
** Tests of the pointer array: growth, insertion, removal, sorting with nulls last, searching
** and binary search with the insertion index.
*/
#include <gtest/gtest.h>

#include "foundation/foundation.h"

namespace {

int Item_Value(const void *p) { return *static_cast<const int *>(p); }

int Compare_Items(const void *a, const void *b) { return Item_Value(a) - Item_Value(b); }

int Compare_Slot_Key(const void *pitem, const void *key)
{
    return Item_Value(*static_cast<void *const *>(pitem)) - *static_cast<const int *>(key);
}

int Is_Value(const void *item, const void *key)
{
    return item && Item_Value(item) == *static_cast<const int *>(key);
}

TEST(PtrArray, SetGrowsAndLeavesNullsBetween)
{
    Ptr_Array *a = Ptr_Array_New(0);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->items, nullptr);
    int v = 7;
    EXPECT_EQ(Ptr_Array_Set(a, 5, &v), nullptr);
    EXPECT_EQ(Ptr_Array_Count(a), 6);
    EXPECT_EQ(Ptr_Array_Capacity(a), 10);
    for (int i = 0; i < 5; i++) EXPECT_EQ(Ptr_Array_Get(a, i), nullptr);
    EXPECT_EQ(Ptr_Array_Get(a, 5), &v);
    int w = 8;
    EXPECT_EQ(Ptr_Array_Set(a, 5, &w), &v); /* answers the previous item */
    EXPECT_EQ(Ptr_Array_Set(a, -1, &w), nullptr);
    EXPECT_EQ(Ptr_Array_Get(a, -1), nullptr);
    EXPECT_EQ(Ptr_Array_Get(a, 6), nullptr);
    Ptr_Array_Set(a, 24, &w); /* beyond capacity + 10: capacity index + 1 */
    EXPECT_EQ(Ptr_Array_Capacity(a), 25);
    Ptr_Array_Delete(a);
}

TEST(PtrArray, InsertShiftsAndGrowsByTen)
{
    Ptr_Array a;
    ASSERT_EQ(Ptr_Array_Init(&a, 10), 1);
    int v[11];
    for (int i = 0; i < 10; i++) {
        v[i] = i;
        EXPECT_EQ(Ptr_Array_Insert(&a, i, &v[i]), &v[i]);
    }
    EXPECT_EQ(Ptr_Array_Capacity(&a), 10);
    v[10] = 99;
    Ptr_Array_Insert(&a, 0, &v[10]);
    EXPECT_EQ(Ptr_Array_Capacity(&a), 20);
    EXPECT_EQ(Ptr_Array_Count(&a), 11);
    EXPECT_EQ(Ptr_Array_Get(&a, 0), &v[10]);
    for (int i = 0; i < 10; i++) EXPECT_EQ(Ptr_Array_Get(&a, i + 1), &v[i]);
    EXPECT_EQ(Ptr_Array_Insert(&a, 30, &v[0]), &v[0]); /* beyond the end: stored there */
    EXPECT_EQ(Ptr_Array_Count(&a), 31);
    EXPECT_EQ(Ptr_Array_Get(&a, 20), nullptr);
    EXPECT_EQ(Ptr_Array_Insert(&a, -1, &v[0]), nullptr);
    Ptr_Array_Clear(&a);
    EXPECT_EQ(a.items, nullptr);
    EXPECT_EQ(Ptr_Array_Count(&a), 0);
    EXPECT_EQ(Ptr_Array_Capacity(&a), 0);
}

TEST(PtrArray, RemoveAndReserve)
{
    Ptr_Array *a = Ptr_Array_New(4);
    int v[4] = {1, 2, 3, 4};
    for (int &x : v) Ptr_Array_Insert(a, Ptr_Array_Count(a), &x);
    EXPECT_EQ(Ptr_Array_Remove(a, 3), &v[3]);
    EXPECT_EQ(Ptr_Array_Count(a), 3);
    EXPECT_EQ(a->items[3], nullptr);
    EXPECT_EQ(Ptr_Array_Remove(a, 0), &v[0]);
    EXPECT_EQ(Ptr_Array_Get(a, 0), &v[1]);
    EXPECT_EQ(a->items[2], nullptr);
    EXPECT_EQ(Ptr_Array_Remove(a, 2), nullptr);
    EXPECT_EQ(Ptr_Array_Reserve(a, 1), 1); /* shrinking cuts the count */
    EXPECT_EQ(Ptr_Array_Count(a), 1);
    EXPECT_EQ(Ptr_Array_Reserve(a, 5), 1);
    EXPECT_EQ(a->items[4], nullptr);
    /* A failed growth leaves the array as it was. */
    Dbg_Set_Fail_Countdown(1);
    EXPECT_EQ(Ptr_Array_Reserve(a, 50), 0);
    EXPECT_EQ(Ptr_Array_Capacity(a), 5);
    EXPECT_EQ(Ptr_Array_Get(a, 0), &v[1]);
    EXPECT_EQ(Ptr_Array_Reserve(a, 0), 1);
    EXPECT_EQ(a->items, nullptr);
    Ptr_Array_Delete(a);
    Dbg_Set_Fail_Countdown(1);
    EXPECT_EQ(Ptr_Array_New(3), nullptr);
}

TEST(PtrArray, SortPutsNullsLast)
{
    Ptr_Array *a = Ptr_Array_New(0);
    int v[4] = {30, 10, 40, 20};
    Ptr_Array_Set(a, 0, &v[0]);
    Ptr_Array_Set(a, 2, &v[1]);
    Ptr_Array_Set(a, 3, &v[2]);
    Ptr_Array_Set(a, 5, &v[3]); /* slots 1 and 4 stay null */
    Ptr_Array_Sort(a, Compare_Items);
    EXPECT_EQ(Item_Value(Ptr_Array_Get(a, 0)), 10);
    EXPECT_EQ(Item_Value(Ptr_Array_Get(a, 1)), 20);
    EXPECT_EQ(Item_Value(Ptr_Array_Get(a, 2)), 30);
    EXPECT_EQ(Item_Value(Ptr_Array_Get(a, 3)), 40);
    EXPECT_EQ(Ptr_Array_Get(a, 4), nullptr);
    EXPECT_EQ(Ptr_Array_Get(a, 5), nullptr);
    int key = 30, at = -1;
    EXPECT_EQ(Ptr_Array_Find(a, &key, Is_Value, &at), &v[0]);
    EXPECT_EQ(at, 2);
    EXPECT_EQ(Ptr_Array_Find_Equal(a, &key, Compare_Slot_Key, &at), &v[0]);
    EXPECT_EQ(at, 2);
    key = 31;
    EXPECT_EQ(Ptr_Array_Find(a, &key, Is_Value, &at), nullptr);
    EXPECT_EQ(at, 6);
    Ptr_Array_Delete(a);
}

TEST(PtrArray, BinarySearchWithInsertionIndex)
{
    Ptr_Array *a = Ptr_Array_New(0);
    int at = -1, key = 5;
    EXPECT_EQ(Ptr_Array_Bsearch(a, &key, Compare_Slot_Key, &at), nullptr);
    EXPECT_EQ(at, 0);
    int v[5] = {10, 20, 30, 40, 50};
    for (int &x : v) Ptr_Array_Insert(a, Ptr_Array_Count(a), &x);
    const struct {
        int key;
        int found;
        int index;
    } cases[] = {{5, 0, 0},  {10, 1, 0}, {15, 0, 1}, {20, 1, 1}, {25, 0, 2}, {30, 1, 2},
                 {35, 0, 3}, {40, 1, 3}, {45, 0, 4}, {50, 1, 4}, {55, 0, 5}};
    for (const auto &c : cases) {
        void *p = Ptr_Array_Bsearch(a, &c.key, Compare_Slot_Key, &at);
        EXPECT_EQ(p != nullptr, c.found != 0) << c.key;
        if (p) { EXPECT_EQ(Item_Value(p), c.key); }
        EXPECT_EQ(at, c.index) << c.key;
    }
    Ptr_Array_Delete(a);
}

} // namespace
