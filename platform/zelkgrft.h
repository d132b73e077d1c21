/*
** Our stand-in for the host's tree-view and print-list table library (libzelkgrft): the tree
** view drawn into a property sheet, its small images, the print-list table sheet and
** MT_String_Length. The OLI_* page-layout commands live in zelkgrft_oli.h.
*/
#pragma once

#include <cstdio>

#include "platform/zelkgrft_oli.h"
#include "platform/zelkwin.h"

/* ------------------------------------------------------------------------------------------
** Texts
*/
/* Number of characters of a print-list text without its formatting escapes: the byte 0xCE and
** the code character after it count nothing. */
int MT_String_Length(const char *text);

/* ------------------------------------------------------------------------------------------
** Tree-view images, 13 x 13 pixels, drawn centred on (cx, cy) in the current colours.
*/
enum {
    TVI_NONE = 0,
    TVI_BOX_EMPTY = 1,
    TVI_BOX_TICKED = 2,
    TVI_FOLDER_CLOSED = 3,
    TVI_FOLDER_OPEN = 4,
    TVI_DOCUMENT = 5,
    TVI_OPTION_OFF = 6,
    TVI_OPTION_ON = 7,
    TVI_PLUS = 8,
    TVI_MINUS = 9,
    TVI_BOX_GREY = 10,
    TVI_CHECK = 11,
    TVI_CROSS = 12,
    TVI_COUNT = 13
};
void Draw_TreeViewImage(int image, int cx, int cy);

/* ------------------------------------------------------------------------------------------
** Tree view: a tree of items shown in a rectangle of the current property sheet. Items carry a
** text (code page 850), an image and a user pointer. The event function gets the tree, the item,
** the event bits (1 click, 2 double click, 4 right click, 8 expand/collapse) and an extra value;
** it answers non-zero to end the sheet's pass with the tree's code.
*/
typedef struct TreeView TreeView;
typedef struct TreeViewItem TreeViewItem;
typedef int (*TreeView_Event_Fct)(TreeView *tree, TreeViewItem *item, int event, int extra);

TreeView *newTreeView(int x1, int y1, int x2, int y2, TreeView_Event_Fct event, int code);
void deleteTreeView(TreeView *tree);
/* Adds an item as the last child of parent (null: a top item); null on failure. */
TreeViewItem *addTreeViewItem(TreeView *tree, TreeViewItem *parent, const char *text, int image,
                              void *data);
void removeTreeViewElement(TreeView *tree, TreeViewItem *item); /* with its children */
void setTreeViewSelection(TreeView *tree, TreeViewItem *item);
TreeViewItem *getTreeViewSelection(TreeView *tree);
void clearTreeViewSelection(TreeView *tree);
void redrawTreeView(TreeView *tree);
/* Opens the item's ancestors and scrolls it into view; with select non-zero it is selected. */
void showTreeViewElement(TreeView *tree, TreeViewItem *item, int select);
void *getTreeViewItemData(TreeViewItem *item);
int getTreeViewItemLevel(TreeViewItem *item); /* 0 for a top item */
void setTreeViewItemText(TreeViewItem *item, const char *text);
void setTreeViewItemImage(TreeViewItem *item, int image);
void expandTreeViewItem(TreeViewItem *item, int open);
/* The default reaction: a click selects, a click on the image of a check item flips it between
** TVI_BOX_EMPTY and TVI_BOX_TICKED, expand toggles. Answers 0. */
int Default_TreeView_Check_Event_Fct(TreeView *tree, TreeViewItem *item, int event, int extra);

/* ------------------------------------------------------------------------------------------
** Print-list table sheet: a "#SHOWTABLE" block of a print list shown in a property sheet.
*/
typedef struct OLITable OLITable;
/* Reads from the current position up to "#END_OF_TEXT" (or the end); null when no table. */
OLITable *readOLITableFromFILE(FILE *file);
int OLITable_Rows(const OLITable *table);
const char *OLITable_Cell(const OLITable *table, int row, int column); /* null beyond the table */
/* Shows the table in a sheet with the title until the user closes it; answers 1. */
int OLITablePropSheet(OLITable *table, const char *title, int x1, int y1, int x2, int y2);
void deleteOLITable(OLITable *table);
/* Colours of the table sheet: background, alternate rows, header (palette indices). */
void getOLITableColours(int *background, int *alternate, int *header);
void setOLITableColours(int background, int alternate, int header);
