/*
** Property sheets of the GUI stand-in, shared between the sheet module and its controls'
** drawing: the records of a sheet and of its controls (not for callers).
*/
#pragma once

#include <deque>
#include <string>
#include <utility>
#include <vector>

#include "platform/zelkgrft.h"
#include "platform/zelkwin_internal.h"

namespace zw {

enum Control_Kind {
    CK_BUTTON,
    CK_LOGICAL,
    CK_OPTION,
    CK_BITMAP,
    CK_TEXT,
    CK_HELP,
    CK_ESCAPE,
    CK_FLOAT,
    CK_EDIT,
    CK_REGISTER,
    CK_LIST,
    CK_AREA,
    CK_VSLIDER,
    CK_HSLIDER,
    CK_TREE
};

struct Member {
    std::string label;
    int x1, y1, x2, y2;
    int code;
};

struct Control {
    int handle = 0;
    int kind = CK_BUTTON;
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0; /* screen rectangle, inclusive */
    int code = 0;
    int state = 1; /* 1 active, 0 inactive, < 0 hidden */
    int pressed = 0;
    int colored = 0; /* the highlighted look of a default button */
    int raster = 0, raster_off = 0;
    std::string text, comment, help_key, file, format;
    int *ivar = nullptr;
    double *dvar = nullptr;
    char *buf = nullptr;
    int bufsize = 0;
    int value = 0;
    double step = 0;
    int sx = 0, sy = 0; /* bitmap source, or scroll position of an area */
    int tr = -1;        /* transparent colour of a bitmap button */
    int parent = 0;     /* button of a text, area of a slider */
    int align = 0;
    /* register */
    std::vector<Member> members;
    int selected = 0;
    /* string list */
    std::vector<std::pair<std::string, int>> items;
    int top = 0;
    /* scrollable area */
    PS_Area_Draw_Fct draw = nullptr;
    void *user = nullptr;
    int content_w = 0, content_h = 0;
    int frame = 0, step_x = 10, step_y = 10;
    int vslider = 0, hslider = 0;
    int gap = 0, width = 0;
    bool move_events = false;
    bool key_events = false; /* escape area: takes the keys wherever the mouse is */
    TreeView *tree = nullptr;
};

struct Sheet {
    int x1, y1, x2, y2;
    int frame, movable, style, mode;
    std::string title;
    std::deque<Control> controls;
    bool active = false;
    int break_code = 0, ok_code = 0;
    bool break_set = false, ok_set = false;
    int dx = 0, dy = 0;
    bool float_auto = false;
    Saved_Rect under;
};

std::deque<Sheet> &Sheets();
Control *Find_Control(int handle, Sheet **owner = nullptr);
void Draw_Control(Sheet &sh, Control &c);
void Draw_Area(Control &c);
void Draw_Button_Face(int x1, int y1, int x2, int y2, bool pressed, bool active);

/* trees (zelkgrft) */
void Tree_Draw(TreeView *tree, int state);
int Tree_Click(TreeView *tree, int x, int y, int button, int dbl);
void Tree_Rect(TreeView *tree, int *x1, int *y1, int *x2, int *y2);
void Tree_Wheel(TreeView *tree, int steps);
void Tree_Move(TreeView *tree, int dx, int dy);

} // namespace zw

namespace zw {
/* A tree-view control in the current sheet; answers its handle (0 without a sheet). */
int Add_Tree_Control(TreeView *tree, int x1, int y1, int x2, int y2, int code);
void Remove_Tree_Control(TreeView *tree);
} // namespace zw
