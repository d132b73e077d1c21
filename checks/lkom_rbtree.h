/*
** Red-black tree of load collectives: the generator files every collective it keeps, so that a
** collective equal to an earlier one (same rows, products within 0.001) is refused in one
** descent. Sentinel nodes, exchangeable key order and destructors; the tree never owns keys.
*/
#pragma once

#include <cstdint>

struct Lkom_Rec;

typedef struct RB_Node {
    void *key;   /* a Lkom_Rec for the generator's tree */
    void *info;  /* always null here */
    int32_t red; /* 1 red, 0 black */
    struct RB_Node *left, *right, *parent;
} RB_Node;

typedef struct RB_Tree {
    int32_t duplicates; /* 0: an equal key is refused */
    int32_t n_nodes;    /* keys stored */
    int (*compare)(const void *a, const void *b);
    void (*key_dest)(void *key);
    void (*info_dest)(void *info);
    RB_Node *root;     /* root sentinel; its left child is the real root */
    RB_Node *nil_node; /* nil sentinel */
    RB_Node root_sentinel, nil_sentinel;
} RB_Tree;

/* The tree of the current generation run (null outside a run) and the tree-mode flag. */
extern RB_Tree *LKOM_RBTree;
extern int32_t Lkom_Tree_Mode;

/* Key order of two collectives: row count, numbers row by row, products row by row (0.001). */
int Lkom_Compare(const struct Lkom_Rec *a, const struct Lkom_Rec *b);
/* A new empty tree with the given key order; null when memory runs out. */
RB_Tree *RBTree_Create(int (*compare)(const void *, const void *), void (*key_dest)(void *),
                       void (*info_dest)(void *));
/* A new tree of collectives (key order Lkom_Compare, no destructors, duplicates refused). */
RB_Tree *Lkom_RBTree_Create(void);
/*
** Store key. Return 1 when stored, 0 when an equal key is stored already (refused; the tree
** is unchanged) and -1 when no node could be allocated (not stored).
*/
int RBTreeInsert(RB_Tree *tree, void *key);
/* Free every node (destructors applied when set) and the header. */
void RBTree_Destroy(RB_Tree *tree);
/* Print "Assertion Failed: <text>" through the message output when condition is 0. */
void RBTree_Assert(int condition, const char *text);
/* Visit the keys in order; for tests and diagnostics. */
void RBTree_Walk(const RB_Tree *tree, void (*visit)(void *key, void *arg), void *arg);
/*
** Check the red-black properties: root black, no red node with a red child, equal black
** height on every path. Return the black height (>= 1), or 0 when a property is broken.
*/
int RBTree_Verify(const RB_Tree *tree);
