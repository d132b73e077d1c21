/*
** Icon menu: a bar of bitmap buttons drawn straight onto the screen with hover and pressed
** looks, tooltips and optional drop-down sub-menus; the main sheet's eight-button bar is
** Main_Icon_Menu.
*/
#pragma once

#include <cstdint>

struct Icon_Menu;

struct Icon_Menu_Entry {
    int32_t width, height;      /* pixels */
    int32_t normal_x, normal_y; /* source of each look in the strip */
    int32_t hover_x, hover_y;
    int32_t disabled_x, disabled_y;
    int32_t pressed_x, pressed_y;
    int32_t x, y;        /* offset from the bar's x and y */
    int32_t active;      /* > 0: can be chosen */
    int32_t code;        /* returned when clicked */
    const char *tooltip; /* lines separated by line feeds, or null */
    Icon_Menu *sub_menu; /* or null */
};

struct Icon_Menu {
    int32_t count;
    int32_t x, y, right, bottom; /* screen pixels of the bar */
    const char *bitmap;          /* file of the bitmap strip */
    Icon_Menu_Entry *entries;
};

extern Icon_Menu Main_Icon_Menu;

/* Looks of a button */
enum { ICON_NORMAL = 1, ICON_HOVER = 2, ICON_DISABLED = 3, ICON_PRESSED = 4 };

void Icon_Menu_Draw(const Icon_Menu *menu);
/* Run the menu while the mouse is over it: the code of the clicked entry, or 0. */
int Icon_Menu_Run(Icon_Menu *menu);
void Icon_Menu_Set_Bg_Fill(int flag);
/* Draw one button in a look. */
void Icon_Menu_Draw_Button(const Icon_Menu *menu, const Icon_Menu_Entry *e, int look);
