/*
** Red-black tree with sentinels (after Cormen, Leiserson and Rivest, "Introduction to
** Algorithms", ch. 14), used by the load-collective generator as its duplicate test. Insertion
** only: the tree lives for one generation run.
*/
#include "checks/lkom_rbtree.h"
#include "checks/nchw_rec.h"
#include "foundation/memory.h"
#include "platform/zelkwin.h"

#include <cstdio>

RB_Tree *LKOM_RBTree = nullptr;
int32_t Lkom_Tree_Mode = 1;

#define RB_SRC "TreeCompare"
#define RB_TAG "null"

/* ------------------------------------------------------------------ key order */

int Lkom_Compare(const Lkom_Rec *a, const Lkom_Rec *b)
{
    if (a->row_count != b->row_count) return a->row_count - b->row_count;
    for (int32_t i = 0; i < a->row_count; i++)
        if (a->rows[i].number != b->rows[i].number) return a->rows[i].number - b->rows[i].number;
    for (int32_t i = 0; i < a->row_count; i++) {
        double d = a->rows[i].factor - b->rows[i].factor;
        if (d < -0.001) return -1;
        if (d > 0.001) return 1;
    }
    return 0;
}

static int Lkom_Compare_Void(const void *a, const void *b)
{
    return Lkom_Compare((const Lkom_Rec *)a, (const Lkom_Rec *)b);
}

void RBTree_Assert(int condition, const char *text)
{
    if (condition) return;
    char line[160];
    snprintf(line, sizeof line, "Assertion Failed: %s\n", text);
    PrintMessage(line);
}

/* ------------------------------------------------------------------ create and destroy */

RB_Tree *RBTree_Create(int (*compare)(const void *, const void *), void (*key_dest)(void *),
                       void (*info_dest)(void *))
{
    RB_Tree *t = (RB_Tree *)Dbg_Calloc(RB_SRC, __LINE__, RB_TAG, 1, sizeof(RB_Tree));
    if (!t) return nullptr;
    t->compare = compare;
    t->key_dest = key_dest;
    t->info_dest = info_dest;
    t->nil_node = &t->nil_sentinel;
    t->root = &t->root_sentinel;
    RB_Node *nil = t->nil_node;
    nil->left = nil->right = nil->parent = nil;
    nil->red = 0;
    t->root->left = t->root->right = t->root->parent = nil;
    t->root->red = 0;
    return t;
}

RB_Tree *Lkom_RBTree_Create(void) { return RBTree_Create(Lkom_Compare_Void, nullptr, nullptr); }

/* Depth first: left, right, then the node's key and info, then the node. */
static void RBTree_Dest_Helper(RB_Tree *t, RB_Node *x)
{
    /* iterative post-order, so that a degenerate tree cannot exhaust the stack */
    while (x != t->nil_node) {
        if (x->left != t->nil_node) {
            x = x->left;
            continue;
        }
        if (x->right != t->nil_node) {
            x = x->right;
            continue;
        }
        RB_Node *p = x->parent;
        if (p->left == x) p->left = t->nil_node;
        else p->right = t->nil_node;
        if (t->key_dest) t->key_dest(x->key);
        if (t->info_dest) t->info_dest(x->info);
        Dbg_Free(RB_SRC, __LINE__, RB_TAG, x);
        if (p == t->root) break;
        x = p;
    }
}

void RBTree_Destroy(RB_Tree *tree)
{
    if (!tree) return;
    RBTree_Dest_Helper(tree, tree->root->left);
    Dbg_Free(RB_SRC, __LINE__, RB_TAG, tree);
}

/* ------------------------------------------------------------------ insertion */

static void LeftRotate(RB_Tree *t, RB_Node *x)
{
    RB_Node *nil = t->nil_node;
    RB_Node *y = x->right;
    x->right = y->left;
    if (y->left != nil) y->left->parent = x;
    y->parent = x->parent;
    if (x == x->parent->left) x->parent->left = y;
    else x->parent->right = y;
    y->left = x;
    x->parent = y;
    RBTree_Assert(!nil->red, "nil_node not red in LeftRotate");
}

static void RightRotate(RB_Tree *t, RB_Node *y)
{
    RB_Node *nil = t->nil_node;
    RB_Node *x = y->left;
    y->left = x->right;
    if (x->right != nil) x->right->parent = y;
    x->parent = y->parent;
    if (y == y->parent->left) y->parent->left = x;
    else y->parent->right = x;
    x->right = y;
    y->parent = x;
    RBTree_Assert(!nil->red, "nil_node not red in RightRotate");
}

/* Plain binary-tree insertion of z; 0 when an equal key refuses it. */
static int TreeInsertHelp(RB_Tree *t, RB_Node *z)
{
    RB_Node *nil = t->nil_node;
    z->left = z->right = nil;
    RB_Node *y = t->root;
    RB_Node *x = t->root->left;
    while (x != nil) {
        int r = t->compare(x->key, z->key);
        if (r == 0 && !t->duplicates) return 0;
        y = x;
        x = r > 0 ? x->left : x->right;
    }
    z->parent = y;
    if (y == t->root || t->compare(y->key, z->key) > 0) y->left = z;
    else y->right = z;
    RBTree_Assert(!nil->red, "nil_node not red in TreeInsertHelp");
    return 1;
}

int RBTreeInsert(RB_Tree *t, void *key)
{
    if (!t) return -1;
    RB_Node *x = (RB_Node *)Dbg_Malloc(RB_SRC, __LINE__, RB_TAG, sizeof(RB_Node));
    if (!x) return -1;
    x->key = key;
    x->info = nullptr;
    if (!TreeInsertHelp(t, x)) {
        Dbg_Free(RB_SRC, __LINE__, RB_TAG, x);
        return 0;
    }
    t->n_nodes++;
    x->red = 1;
    while (x->parent->red) {
        if (x->parent == x->parent->parent->left) {
            RB_Node *y = x->parent->parent->right;
            if (y->red) {
                x->parent->red = 0;
                y->red = 0;
                x->parent->parent->red = 1;
                x = x->parent->parent;
            } else {
                if (x == x->parent->right) {
                    x = x->parent;
                    LeftRotate(t, x);
                }
                x->parent->red = 0;
                x->parent->parent->red = 1;
                RightRotate(t, x->parent->parent);
            }
        } else {
            RB_Node *y = x->parent->parent->left;
            if (y->red) {
                x->parent->red = 0;
                y->red = 0;
                x->parent->parent->red = 1;
                x = x->parent->parent;
            } else {
                if (x == x->parent->left) {
                    x = x->parent;
                    RightRotate(t, x);
                }
                x->parent->red = 0;
                x->parent->parent->red = 1;
                LeftRotate(t, x->parent->parent);
            }
        }
    }
    t->root->left->red = 0;
    RBTree_Assert(!t->nil_node->red, "nil_node not red in RBTreeInsert");
    RBTree_Assert(!t->root->red, "root not red in RBTreeInsert");
    return 1;
}

/* ------------------------------------------------------------------ inspection */

static void Walk(const RB_Tree *t, const RB_Node *x, void (*visit)(void *, void *), void *arg)
{
    if (x == t->nil_node) return;
    Walk(t, x->left, visit, arg);
    visit(x->key, arg);
    Walk(t, x->right, visit, arg);
}

void RBTree_Walk(const RB_Tree *tree, void (*visit)(void *key, void *arg), void *arg)
{
    if (tree) Walk(tree, tree->root->left, visit, arg);
}

static int Black_Height(const RB_Tree *t, const RB_Node *x)
{
    if (x == t->nil_node) return 1;
    if (x->red && (x->left->red || x->right->red)) return 0;
    int l = Black_Height(t, x->left), r = Black_Height(t, x->right);
    if (l == 0 || r == 0 || l != r) return 0;
    return l + (x->red ? 0 : 1);
}

int RBTree_Verify(const RB_Tree *tree)
{
    if (!tree) return 0;
    if (tree->root->left->red || tree->nil_node->red) return 0;
    return Black_Height(tree, tree->root->left);
}
