/*
** Our stand-in for the host's GUI library (libzelkwin): a virtual screen drawn with cairo, a
** 256-entry palette, fonts by code, bitmap strips, property sheets with their controls, message
** boxes, mouse and keys, environment services and the help viewer. One event queue is fed either
** by an SDL2 window or, headless, by a script (SPLICE_GUI_SCRIPT); SPLICE_GUI_LOG receives every
** text drawn, message box and sheet. platform/README.md describes the model and the formats.
**
** Conventions: pixel coordinates are screen pixels, x to the right, y downwards, rectangles given
** by their two corner pixels (both inclusive). Texts are byte strings in code page 850 with the
** display font's symbol positions (Display_Font_Codepoint). Functions answer 1/0 or a handle
** (> 0, 0 = failure) unless said otherwise. Everything runs on the one GUI thread.
*/
#pragma once

#include <cstdint>
#include <cstdio>

/* ------------------------------------------------------------------------------------------
** Screen, palette and colours
*/
extern int NPIXEL_X; /* width of the virtual screen in pixels (SPLICE_SCREEN=WxH, default 1280) */
extern int NPIXEL_Y; /* height of the virtual screen in pixels (default 960) */

/* Fixed palette indices. 0..15 are the classic sixteen colours, 16.. the toolkit's own. */
enum {
    BLACK_CI = 0,
    BLUE_CI = 1,
    GREEN_CI = 2,
    CYAN_CI = 3,
    RED_CI = 4,
    MAGENTA_CI = 5,
    BROWN_CI = 6,
    LIGHTGRAY_CI = 7,
    DARKGRAY_CI = 8,
    LIGHTBLUE_CI = 9,
    LIGHTGREEN_CI = 10,
    LIGHTCYAN_CI = 11,
    LIGHTRED_CI = 12,
    LIGHTMAGENTA_CI = 13,
    YELLOW_CI = 14,
    WHITE_CI = 15,
    BUTTON_CI = 16,     /* face of buttons and of the sheets' button rows (212, 208, 200) */
    MENUE_CI = 17,      /* background of whole-screen pages and menus (236, 233, 216) */
    BACKGROUND_CI = 18, /* the environment's background colour, GetVELColor(-1) (236, 233, 216) */
    SHADOW_CI = 19,     /* dark edge of raised frames (128, 128, 128) */
    DKSHADOW_CI = 20,   /* darkest edge (64, 64, 64) */
    TITLE_CI = 21,      /* title band of the sheets (0, 84, 147) */
    SELECT_CI = 22,     /* selection highlight (153, 180, 209) */
    DISABLED_CI = 23,   /* disabled texts (160, 160, 160) */
    FIRST_FREE_CI = 32  /* Nearest_RGB_Color allocates from here up to 255 */
};

/* Symbolic colours (negative indices accepted wherever a colour index is taken):
** -1 environment background, -2 light edge, -3 shadow edge, -6 disabled text, -9 normal text,
** -15 dark edge; GetVELColor maps them to palette indices. */
int GetVELColor(int symbolic); /* palette index of a symbolic colour (index >= 0 passes) */
int GetDORColor(int symbolic); /* the same family for the drawing layers; equal to GetVELColor */
int Nearest_RGB_Color(int r, int g,
                      int b); /* index of exactly that colour (allocated when free), else nearest */
int Nearest_Color_Index(int r, int g, int b); /* same contract as Nearest_RGB_Color */
void pxQCR(int colour, int *r, int *g,
           int *b);     /* components of a palette or symbolic colour (null outs allowed) */
void pxFgc(int colour); /* foreground colour for everything drawn next */
int pxQFgc(void);       /* current foreground colour (as set, symbolic kept) */

/* ------------------------------------------------------------------------------------------
** Pixel graphics
*/
void pxLine(int x1, int y1, int x2, int y2);            /* 1-pixel line in the line style */
void pxTkLn(int x1, int y1, int x2, int y2, int width); /* thick line of width pixels */
void pxRect(int x1, int y1, int x2, int y2);            /* filled rectangle, corners inclusive */
void pxFill(int n, const int *xs, const int *ys);       /* filled polygon in the fill style */
void pxDot(int x, int y);                               /* one pixel */
void pxMask(int x1, int y1, int x2, int y2, const unsigned char *bits, int bytes_per_row);
/* 1-bit pattern, MSB first, set bits in the foreground */
void pxSLn(int style); /* line style: 0 solid, 1 dotted, 2 dashed, 3 dash-dot, 4 long dashes */
void pxSULn(
    uint32_t pattern); /* user line pattern, one bit per pixel, MSB first, repeats every 32 */
void pxSFA(int style); /* fill style: 0 solid (a user pattern set with pxSUFA is dropped) */
void pxSUFA(const uint16_t *pattern); /* user fill pattern: 16 rows of 16 bits, MSB = left pixel */
int pxSBop(
    int op); /* raster operation: 0 copy, 3 exclusive-or (XOR with the colour's RGB); answers the old one */
void pxView(int x1, int y1, int x2, int y2);     /* clip viewport; drawing outside it is dropped */
void pxQVwp(int *x1, int *y1, int *x2, int *y2); /* current viewport (null outs allowed) */
int pxBuff(int mode); /* -1 buffered (screen shown at pxFlsh), 0 direct; answers the old mode */
void pxFlsh(void);    /* show what was drawn (window back end presents the frame) */

/* Saved screen rectangles. Save_Screen_Rectangle pushes a copy; Restore_Screen_Rectangle puts the
** most recent copy of the same rectangle back and drops it (1), or answers 0 when none exists. */
int Save_Screen_Rectangle(int x1, int y1, int x2, int y2);
int Restore_Screen_Rectangle(int x1, int y1, int x2, int y2);
int pxQSvR(int x1, int y1, int x2, int y2); /* bytes pxSvRc needs for the rectangle */
void pxSvRc(int x1, int y1, int x2, int y2,
            void *buffer); /* copy the rectangle into the caller's buffer */
void pxStRc(int x1, int y1, int x2, int y2, const void *buffer); /* put such a copy back */

/* ------------------------------------------------------------------------------------------
** Fonts and texts
**
** A font code: 0x1000 (4096) the normal proportional font, 0 the fixed 8-pixel font, or-ed with 2
** the small font; style bits 0x10000 bold, 0x20000 and 0x40000 the two soft-bold styles
** (condensed bold, and bold one pixel smaller). Pop_RFont selects a font and remembers the previous one, Push_RFont goes back.
*/
extern int RFONT_HEIGHT; /* line height of the current font in pixels */
extern int RFONT_WIDTH;  /* average character width of the current font */
extern int RFONT_SPACE; /* spacing added between characters when the program counts by characters */

int Pop_RFont(int code); /* select a font; answers the previous code */
int Push_RFont(void); /* back to the font before the last Pop_RFont; answers the code now current */
void Set_RFont(int code); /* select without remembering */
void pxSFnt(int code);    /* the same as Set_RFont */
int Query_RFont(void);    /* current font code */

/* Texts: len < 0 means up to the terminating zero. (x, y) is the left end of the base line. */
void pxText(int x, int y, const char *text, int len);
/* Boxed text: placed in the box by align: low bits 1 left, 2 centre, 4 right (0 left); 0x00 base
** line on the bottom edge, 0x10 centred, 0x20 at the top edge (0xC0/0x08 bits are ignored);
** orientation 0, 256 (reads upwards), 512 (upside down), 1024 (reads downwards). A box of zero
** size with align 0 puts the left end of the base line at (x1, y1). */
void pxBTxt(int x1, int y1, int x2, int y2, const char *text, int len, int align);
/* Extents of a text in the current font relative to its origin on the base line: left and right
** edge, top (negative, above the base line) and bottom. Null outs allowed. */
void pxQTxX(const char *text, int len, int *left, int *right, int *top, int *bottom);

/* Graphic texts with free size and angle (the dimension lines): */
void pxOrnt(double angle);   /* angle of following graphic texts in radians, counter-clockwise */
void pxChH(double height);   /* character height in pixels */
void pxExpF(double factor);  /* width expansion factor */
void pxSpac(double spacing); /* extra spacing between characters, in character heights */
/* mode: hundreds 1 left, 2 centre, 3 right of (x, y); tens 0 bottom, 1 base line, 2 middle, 3 top */
void pxGBTt(int x, int y, const char *text, int mode);
void pxQGTX(const char *text, int *width, int *height); /* extent of a graphic text in pixels */

/* Unicode code point of a display-font byte: code page 850 with the font's symbol positions
** (0x88 ⇒, 0x89 ‰, 0x8C ⌀, 0xA3 Δ, 0xB2 Σ, 0xB8 ψ, 0xBA α, 0xBB β, 0xBE ε, 0xC0 γ, 0xCB ρ,
** 0xCC σ, 0xD6 τ, 0xEC ∞, 0xF2 ≥, 0xF3 ≤, 0xF7 ≈, 0xFA ³). */
uint32_t Display_Font_Codepoint(unsigned char byte);

/* ------------------------------------------------------------------------------------------
** Bitmaps (BMP strips, looked up by name: absolute, or relative to the working folder, or below
** the private data path's "bitmaps" folder, case-insensitively; '\' counts as '/'). A missing
** file draws nothing, answers 0 and is logged once.
** mode 201 (or 0): pixels of the RGB colour (r, g, b) are transparent; r < 0: none is.
** pxDrawTransparentDIB draws the whole file onto (x1, y1)-(x2, y2) (x2/y2 = -1: its own size).
*/
int pxDrawTransparentDIB(const char *file, int x1, int y1, int x2, int y2, int mode, int flag,
                         int r, int g, int b);
/* The source rectangle (sx1, sy1)-(sx2, sy2) of the file (sx2/sy2 = -1: to the right/bottom
** edge) onto the target rectangle (x2/y2 = -1: same size as the source); scaled when sizes differ. */
int pxDrawPartialTransparentDIB(const char *file, int sx1, int sy1, int sx2, int sy2, int x1,
                                int y1, int x2, int y2, int mode, int flag, int r, int g, int b);
int Query_DIB_Size(const char *file, int *width,
                   int *height); /* 1 and the size when the file loads */
/* Draws a drawing of our RPC format (text lines "L x1 y1 x2 y2", "R x1 y1 x2 y2", "C r g b",
** "T x y text") with its origin at (x, y); 1 when the file was read. */
int Draw_RPC_File(const char *file, int x, int y);

/* ------------------------------------------------------------------------------------------
** Mouse, keys, messages, timers
*/
extern int M_XPOS, M_YPOS;  /* mouse position in screen pixels */
extern int M_LEFT, M_RIGHT; /* 1 while the button is held */
extern int M_SCROLL; /* wheel steps since the program last reset it: positive up, negative down */

/* Key codes of hitkey/getkey: characters as their code page 850 byte; 8 backspace, 9 tab,
** 13 enter, 27 escape; extended keys 256 + scan code: */
enum {
    KEY_F1 = 315,
    KEY_F2 = 316,
    KEY_F3 = 317,
    KEY_F4 = 318,
    KEY_F5 = 319,
    KEY_F6 = 320,
    KEY_F7 = 321,
    KEY_F8 = 322,
    KEY_F9 = 323,
    KEY_F10 = 324,
    KEY_HOME = 327,
    KEY_UP = 328,
    KEY_PGUP = 329,
    KEY_LEFT = 331,
    KEY_RIGHT = 333,
    KEY_END = 335,
    KEY_DOWN = 336,
    KEY_PGDN = 337,
    KEY_INS = 338,
    KEY_DEL = 339,
    KEY_SHIFT_TAB = 271,
    KEY_CTRL_END = 373,
    KEY_CTRL_HOME = 375
};

int Get_Mouse_Event(
    void); /* waits for the next mouse event (move, button, wheel), updates M_*; answers its class bit, 0x80000 on close */
/* Puts the left press just taken (at M_XPOS, M_YPOS) back in front of the event queue, so that
** the next wait sees it again (a loop that ends on a press elsewhere passes it on); M_LEFT goes up. */
void Pass_On_Mouse_Press(void);
/* Puts a key just taken back in front of the event queue (a loop that ends on a key that is not
** its own passes it on to the loop below it). */
void Pass_On_Key(int key);
int hitkey(void); /* the next pending key without taking it, -1 when none */
int getkey(void); /* takes the next key (waits for one); -1 when the window was closed */
int getkeymask(
    void); /* 1 once the window is closed for good (the script ended; every loop should end), else 0 */
/* Drops the keys that earlier waits took from the event queue and kept for hitkey/getkey (typed
** before the last event the program took); keys still in the queue (typed later) stay. */
void Drop_Buffered_Keys(void);
void msVisi(int visible);       /* 0 shows the mouse cursor, -1 hides it */
void msStCu(int x, int y);      /* puts the mouse cursor at (x, y) (M_XPOS/M_YPOS follow) */
void setMouseCursor(int shape); /* 0 arrow, 6 wait, 18 hand, others arrow */
void Set_MouseWheel_Activity(int on);
void Init_Mouse_Move_Restriction(void); /* the whole screen, stack cleared */
void Pop_Mouse_Move_Restriction(int x1, int y1, int x2,
                                int y2); /* keep the mouse inside; remembers the previous */
void Push_Mouse_Move_Restriction(void);  /* back to the previous restriction */

/* Message classes of GetVELMessage (bits of the class mask and of the answer). */
enum {
    VELMSG_MOVE = 0x2,
    VELMSG_RBUTTON = 0x8,
    VELMSG_LBUTTON = 0x20,
    VELMSG_WHEEL = 0x4000,
    VELMSG_KEY = 0x10000,
    VELMSG_CLOSE = 0x80000,
    VELMSG_TIMER = 0x40000000
};
/* Message record: w[0] class, w[1] x, w[2] y, w[3] buttons (1 left, 2 right), w[4] key,
** w[5] wheel steps, w[6] time-out in milliseconds for VELMSG_TIMER (0 = 100 ms), w[7] unused. */
typedef struct VEL_MESSAGE {
    int32_t w[8];
} VEL_MESSAGE;
void InitVELMessage(VEL_MESSAGE *msg);
/* Waits for the next event of the classes (a close always ends the wait); fills msg (may be
** null) and answers the class. With VELMSG_TIMER the wait ends after the time-out. */
int GetVELMessage(VEL_MESSAGE *msg, int classes);
/* For a long run between its steps, never waiting: the next pending event when it is of the
** classes, taken and answered as GetVELMessage answers it (msg filled, a key not kept for
** getkey); else 0, and the event stays queued for the next wait. A close request is answered
** (when asked for) but stays queued, so that the program's next wait takes it. The window is asked
** for new events at most every 25 ms. Headless, a script's `sleep` is time that passes in the run
** (VELMSG_TIMER: the virtual clock advances), and a `snapshot` is written when events besides
** VELMSG_TIMER are asked for. */
int PollVELMessage(VEL_MESSAGE *msg, int classes);
int VELSetTimer(int on); /* switches the periodic timer messages; answers the old setting */
void VELSleep(int ms);   /* sleeps (headless: advances the virtual clock only) */
int64_t VELClock(void);  /* milliseconds of the library clock (headless: virtual) */
int VELSetClipboardText(const char *text); /* 1 on success */
/* Copies at most size-1 bytes of the clipboard's text; answers its whole length (more than size-1
** when cut, so that the caller can say what it left out). */
int VELGetClipboardText(char *buffer, int size);
void VELSetMinMaxSize(int min_w, int min_h, int max_w, int max_h); /* window size limits */
void VELSetWindowTitle(const char *title);

/* ------------------------------------------------------------------------------------------
** Property sheets
**
** Define_Prop_Sheet begins a modal sheet (nested sheets stack); controls are added with the
** Add_* calls, decorations with Draw_Funny_*; Activate_Prop_Sheet draws it; Edit_Prop_Sheet
** waits until a control, escape area, register member or the window's close ends the pass and
** answers its code; Undefine_Prop_Sheet removes it and restores the screen below.
** Handles of controls are unique over the run (> 0).
*/
/* frame: 1 a raised frame with a title band (the top 25 pixels), 0 no frame; movable: 1 the user
** may drag the sheet by its title band (window back end); style: the caller's look value (kept,
** no effect on the drawing); mode: 1 modal. Answers the sheet level (1 = outermost), 0 when 32
** sheets are open already. */
int Define_Prop_Sheet(int x1, int y1, int x2, int y2, int frame, int movable, const char *title,
                      int style, int mode);
void Set_NoFrameFlag_to_Next_PropSheet(void);
void Set_Prop_Sheet_Screen_Base(int x1, int y1, int x2, int y2); /* area sheets may be moved in */
/* Moves the rectangle (size kept, shrunk when larger) into the screen base; 1 when it changed. */
int Check_Prop_Sheet_Frames(int *x1, int *y1, int *x2, int *y2);
void Activate_Prop_Sheet(void);
int Edit_Prop_Sheet(void);
void Undefine_Prop_Sheet(void);
int Prop_Sheet_Level(void);                     /* number of defined sheets */
void Prop_Sheet_Displacement(int *dx, int *dy); /* how far the user moved the current sheet */
void Inquire_Prop_Sheet_Displacement(int *dx, int *dy); /* the same */
void Draw_Prop_Sheet_Box(void); /* redraws the current sheet with all its controls */

/* Which code the window's close (and Esc) answers, and which code Enter answers (0 = none). */
void Set_Windows_Break_Button(int code);
void Set_Windows_OK_Button(int code);

/* Button rasters: a symbol, or PS_RASTER(w, h) for a text button of that size, or 0 for a
** text button sized to its text. */
enum {
    SYMBOLIC_OK_RASTER = 1,
    SYMBOLIC_BREAK_RASTER = 2,
    SYMBOLIC_YES_RASTER = 3,
    SYMBOLIC_NO_RASTER = 4,
    SYMBOLIC_MORE_RASTER = 5,
    SYMBOLIC_HELP_RASTER = 6
};
#define PS_RASTER(w, h) ((int)(((w) << 16) | ((h)&0xFFFF)))

/* A push button at (x, y) (top left) that ends the pass with code. */
int Add_Single_Button_to_PS(int x, int y, int raster, const char *text, int code);
/* A logical button bound to *var (0/1): shows raster_on or raster_off (0: a check box) and flips
** the variable when clicked; ends the pass with code when code != 0. */
int Add_Logical_Button_to_PS(int x, int y, int raster_on, int raster_off, int *var, int code);
/* An option button: sets *var = value when clicked; ends the pass with code when code != 0. */
int Add_Option_Button_to_PS(int x, int y, int *var, int value, int code);
/* A bitmap button: the strip's pictures of w x h pixels at (sx, sy) (normal), (sx + w, sy)
** (pressed) and (sx + 2w, sy) (disabled); transparent RGB (r, g, b). */
int Add_Bitmap_Button_to_PS(int x, int y, int w, int h, const char *file, int sx, int sy, int r,
                            int g, int b, int code);
/* The same button with its fields named where it is created: callers write
** Add_Bitmap_Button_to_PS(PS_Bitmap_Button{.x = .., .y = .., ..., .code = ..}). */
struct PS_Bitmap_Button {
    int x, y, w, h;   /* top left corner and picture size */
    const char *file; /* bitmap strip */
    int sx, sy;       /* the normal picture's corner in the strip */
    int r, g, b;      /* transparent colour */
    int code;         /* pass-end code of a click */
};
inline int Add_Bitmap_Button_to_PS(const PS_Bitmap_Button &k)
{
    return Add_Bitmap_Button_to_PS(/*x=*/k.x, /*y=*/k.y, /*w=*/k.w, /*h=*/k.h, /*file=*/k.file,
                                   /*sx=*/k.sx, /*sy=*/k.sy, /*r=*/k.r, /*g=*/k.g, /*b=*/k.b,
                                   /*code=*/k.code);
}
/* A text beside a button, bound to it (clicking the text clicks the button); align 0 right of
** the button, 1 left of it. */
int Add_Aligned_Connected_Text_to_Button_of_PS(int button, const char *text, int align);
/* Help button: shows the help topic of key (Helpview); does not end the pass. */
int Add_Help_to_PS(int x, int y, const char *key);
/* An escape area: a click inside (with mouse-move events also every move, wheel step and key
** while the mouse is inside) ends the pass with code. */
int Add_Escape_Area_to_PS(int x1, int y1, int x2, int y2, int code);
void Set_Escape_Area_to_MouseMoveEvent(int area, int on);
/* An escape area that takes the keys wherever the mouse is: a key that no escape area below the
** mouse takes and that the sheet does not use itself (Enter for its OK code, Esc, F1 for its
** help) ends the pass with the area's code and stays pending for hitkey/getkey. */
void Set_Escape_Area_to_KeyEvent(int area, int on);
/* Edit fields: width in characters; a click starts in-place editing; the pass ends with code
** when editing ended with a changed value (code 0: never). */
int Add_Edit_Float_to_PS(int x, int y, int width, const char *format, double *var, int code);
int Add_Edit_Text_to_PS(int x, int y, int width, char *buffer, int size, int code);
void Add_SingleStep_to_Float(int field, double step); /* arrows that add/subtract step */
void Set_Prop_Sheet_Edit_Float_Auto_Mode(int on); /* float fields take edits without a pass end */
/* A register (tab row) at (x, y) of height h; members left to right, each width pixels wide
** (+1 gap; width 0 = absent). Choosing a member ends the pass with its code. */
int Add_Register_to_PS(int x, int y, int h);
int Add_Member_to_Register(int reg, const char *label, int width, int code);
void Select_Member_of_Register(int reg, int member); /* member index from 0 */
int Selected_Member_of_Register(int reg);
/* String list: a box listing entries; a click selects the entry into *selection and ends the
** pass with code. */
int Add_Stringlist_to_PS(int x1, int y1, int x2, int y2, int *selection, int code);
int Fill_Stringlist_of_PS(int list, const char *text, int colour); /* appends; answers its index */
void Truncate_Stringlist_of_PS(int list, int count);               /* keeps the first count */
/* Scrollable areas: draw(first, sx, sy, X1, Y1, X2, Y2, user) paints the area at scroll
** position (sx, sy) into its screen rectangle (clip set); first is the area's handle.
** frame 1 draws a sunken frame; code != 0 ends the pass on a press inside (0: the press goes to
** the controls below, such as an escape area); step_x/step_y the slider step in pixels;
** active 1 draws now. */
typedef void (*PS_Area_Draw_Fct)(int first, int sx, int sy, int x1, int y1, int x2, int y2,
                                 void *user);
int Add_Scrollable_Area_to_PS(int x1, int y1, int x2, int y2, int frame, int code, int step_x,
                              int step_y, PS_Area_Draw_Fct draw, void *user, int active);
/* The same area with its fields named where it is created: callers write
** Add_Scrollable_Area_to_PS(PS_Scrollable_Area{.x1 = .., .y1 = .., ..., .active = ..}). */
struct PS_Scrollable_Area {
    int x1, y1, x2, y2;    /* screen rectangle */
    int frame;             /* 1: sunken frame */
    int code;              /* pass-end code of a press inside (0: none) */
    int step_x, step_y;    /* slider steps in pixels */
    PS_Area_Draw_Fct draw; /* paints the area */
    void *user;            /* handed to draw */
    int active;            /* 1: draw now */
};
inline int Add_Scrollable_Area_to_PS(const PS_Scrollable_Area &a)
{
    return Add_Scrollable_Area_to_PS(/*x1=*/a.x1, /*y1=*/a.y1, /*x2=*/a.x2, /*y2=*/a.y2,
                                     /*frame=*/a.frame, /*code=*/a.code, /*step_x=*/a.step_x,
                                     /*step_y=*/a.step_y, /*draw=*/a.draw, /*user=*/a.user,
                                     /*active=*/a.active);
}
/* Sliders at the right (V) or bottom (H) edge, gap pixels off, width pixels wide; length -1 is
** the area's side. Dragging or clicking them scrolls the area and repaints it. */
int Add_VSlider_to_Scrollable_Area(int area, int gap, int width, int length, int flags);
int Add_HSlider_to_Scrollable_Area(int area, int gap, int width, int length, int flags);
void Set_VSlider_Speed(int slider, double page_fraction, double accel);
void Set_HSlider_Speed(int slider, double page_fraction, double accel);
void Set_Scrollable_Area_PS(int area, int sx, int sy); /* clamped to the content; repaints */
void Inquire_Scrollable_Area_PS(int area, int *sx, int *sy);
void Reshape_Scrollable_Area_PS(int area, int x1, int y1, int x2, int y2, int gap_v, int width_v,
                                int gap_h, int width_h);
void Resize_Origin_of_Scrollable_Area_PS(int area, int content_w, int content_h);
void Set_Scrollable_Area_PS_Frameflag(int area, int flag);
/* Activity of any control: 1 active, 0 or negative inactive (drawn grey, a slider without its
** thumb, an area not painted). An inactive edit field shows its value in black on the face for
** -1 and on the background colour for -2 and below (a computed value). Activating a scrollable
** area repaints it. */
void Change_Activity_PS(int handle, int state);
int ActivState_of_Button_PS(int handle);
void Change_Action_State_PS(int button, int state);    /* 1 shows a button pressed, 0 released */
void Snap_Colored_Layout_of_Single_Button(int button); /* the highlighted (default button) look */
void Reset_Button_Frame(int button); /* the plain look again: not highlighted, released */
void Set_Comment_to_Button_PS(int button, const char *comment); /* hover hint */
void Move_Mouse_Cursor_to_Button_of_PS(int button);
/* Decorations: recorded before Activate_Prop_Sheet (drawn with the sheet), drawn at once after.
** style: 1 sunken line/frame, 2 raised, 3 etched, 4 sunken double frame, 5 filled panel. */
void Draw_Funny_Area_to_PS(int style, int x1, int y1, int x2, int y2, int fill);
void Draw_Funny_Line_to_PS(int style, int x1, int y1, int x2, int y2);
/* size 0 normal, 1 small; style 0 plain, 1 bold, 2 engraved. */
void Draw_Funny_Text_to_PS(int x, int y, const char *text, int size, int style);
/* Functions the event loop calls: Define_Call_Allways_Function on every event while switched on,
** Set_CallSometimesFunc_to_PS now and then (every 10th wait); null removes. */
typedef void (*PS_Call_Fct)(void);
void Define_Call_Allways_Function(PS_Call_Fct fct);
void Activate_Call_Allways_Function(int on);
void Set_CallSometimesFunc_to_PS(PS_Call_Fct fct);

/* ------------------------------------------------------------------------------------------
** Message boxes, questions, editing in place, menus, help
*/
void Init_Message(void); /* starts a new box, lines and title cleared */
void Set_Message_Symbol(int symbol, int a, int b,
                        int c); /* 0 question, 1 information, 2 warning, 3 error */
void Set_Message_Title(const char *title);
void Fill_Message(const char *line); /* one line (at most 40 lines) */
int Draw_Message(void);              /* modal box with an OK button; answers 1 */
/* A box "Warnung" that names a file which cannot be read ("<what> <path>", what null: "Die
** Datei"), the reason of err (Rt_Error_Text) and, when given, what the program does instead; once
** for a file and reason, so that a file read again and again is named once. A box being filled
** by the caller is kept and may be drawn after this one. */
void Say_File_Unreadable(const char *what, const char *path, int err, const char *instead);
/* Rt_Fopen_Read, and the box of Say_File_Unreadable when the file is there but cannot be read
** (a folder, a pipe, a device, no permission); a file that is not there says nothing. Null with
** errno as Rt_Fopen_Read leaves it. */
FILE *Fopen_Read_Said(const char *what, const char *path, const char *instead);
void Show_Message(void);             /* box that stays on the screen */
void Quit_Message(void);             /* removes a shown box */
void PrintMessage(const char *text); /* one text in a box (line feeds split lines) */
int Answer_is_Yes(
    int default_yes); /* the filled lines as a yes/no question: 1 yes, 0 no or cancel */
/* The filled lines as a question with n buttons (labels in code page 850, at most 4): the index of
** the one chosen (Enter: dflt; headless "answer yes" the first, "answer no" the second), -1 for
** Esc, "answer cancel" or a closed window. */
int Answer_Of_Buttons(const char *const labels[], int n, int dflt);
/* In-place editors over a field whose frame starts at (x + 1, y + 1): the text stands at x + 8 on
** the base line y + 14, the box is 19 pixels high. They answer 1 when left with Enter, Tab or cursor
** down (a key that moves on), 0 with Esc (value kept as before), a click or the window's close.
** A click outside, a wheel step, Page Up, Page Down, Ctrl+Home and Ctrl+End end the editing too
** (0, the value typed taken) and are passed on to what lies below (the wheel where the pointer
** is), so that a table moves wherever the focus is.
** Short_Edit_Text takes up to visible characters, or up to the length set just before with
** Set_Short_Edit_Text_Scrollmode (the field then scrolls); buffer must hold that many + 1. */
int Short_Edit_Text(int x, int y, char *buffer, int visible, int flags);
void Set_Short_Edit_Text_Scrollmode(
    int max_len); /* the next Short_Edit_Text takes up to max_len chars */
int Short_Edit_Float(int x, int y, const char *format, double *value);
/* What the last Short_Edit_Float did not take: its whole text as typed where that does not read
** as a number ("-", "1e", "12abc"; the value stays); empty when it took what was typed or was
** left with Esc. */
const char *Short_Edit_Float_Refused(void);
/* The text the last Short_Edit_Float was left with, as typed ("2,4"); empty after Esc. */
const char *Short_Edit_Float_Typed(void);
/* The text an in-place editor holds while it is open (what was typed so far, not yet taken), for
** an end without the user that takes it as the editor's leaving would; null while none is open. */
const char *Short_Edit_Open_Text(void);
/* The number a number field's text stands for, as Short_Edit_Float reads it (a comma for the
** point, the whole text one finite number): 1 with *value, else 0. */
int Short_Edit_Read_Float(const char *text, double *value);
/* While a field is being edited (on 1 ... off 0, nested), the typed characters that the code page
** lacks are not named at once, in a box that would take the keys typed after them, but when the
** last hold ends; the in-place editors hold for themselves. */
void Hold_Typed_Hints(int on);
/* The key that ended the last in-place edit (13 Enter, 9 Tab, 27 Esc, KEY_DOWN, KEY_UP,
** KEY_SHIFT_TAB); an edit ended by a click or a close leaves it alone. Callers clear it to 0. */
extern int LAST_SHEET_EDIT_KEY;
/* Pop-up menu at (x, y): answers the index of the chosen entry, -1 when none. */
typedef struct Menue_Entry {
    const char *text;     /* entry text (code page 850) */
    const char *help_key; /* topic shown with F1, may be null */
    int active;           /* 0 drawn grey and not choosable */
} Menue_Entry;
int Menue_Manager(int x, int y, const Menue_Entry *entries, int count);
/* Two-level pop-up menu: a level lists its entries (count, and the length in characters of its
** longest text, which sets the least width); an entry has a text, an active flag, a sub-menu (null:
** none), a key text shown at the right and a function called when it is chosen. An entry with a
** sub-menu opens it (mouse over it, a click, Enter or the right arrow) instead of being chosen;
** the left arrow and Esc close an open sub-menu. Answers 1 when an entry was chosen (its function,
** when set, has run), 0 when the menu was left without a choice. */
typedef void (*Menue_Fct)(void);
struct Menue_Level;
typedef struct Menue_Item {
    const char *text; /* code page 850 */
    int active;       /* 0 drawn grey, neither chosen nor opened */
    const struct Menue_Level *sub;
    const char *key; /* may be null */
    Menue_Fct fct;   /* may be null */
} Menue_Item;
typedef struct Menue_Level {
    int count;
    int longest;
    const Menue_Item *items;
} Menue_Level;
int Menue_Manager(int x, int y, const Menue_Level *menu);
/* Special characters: a small table of symbols; answers the chosen byte or -1. */
int Get_UserSelected_SpecialCharacter(void);
/* Help: a help file of ours ("#TOPIC key" lines start topics; text lines follow). */
int Add_Helpfile(const char *path); /* 1 when read */
int Helpview(const char *key);      /* shows the topic in a window; 1 when the topic exists */

/* ------------------------------------------------------------------------------------------
** Environment services
*/
const char *VELGetEnv(const char *name); /* the process environment (getenv); null when unset */
/* A user setting from the settings file ($SPLICE_USER_SETTINGS, default <private data>/user.ini,
** lines "key=value"); copies the value and answers 1, or 0 when absent. */
int VELGetUserString(const char *key, char *buffer, int size);
/* Starts path with argv (null-terminated, argv[0] the program) without a shell and waits;
** answers the exit code, -1 when it could not start. */
int VELSpawnv(const char *path, const char *const *argv);
int VELCopyFile(const char *from, const char *to, int fail_if_exists); /* 1 on success */
int VELRemoveFile(const char *path);                                   /* 1 on success */
const char *CurOb_Privat_Datapath(void); /* $SPLICE_PRIVATE_DATA, else $EXEC/splice, else "." */
int CurOb_Application_Number(void);      /* $SPLICE_APPLICATION_NUMBER, else 0 */

/* File listing with wildcards * and ? (case-insensitive; '\' counts as '/'). */
typedef struct DOS_FIND_DATA {
    char name[260]; /* file name without folder */
    int32_t attrib; /* 0x10 directory, 0x20 file */
    int64_t size;   /* bytes */
} DOS_FIND_DATA;
int DOSFindFirstFile(const char *pattern, DOS_FIND_DATA *data); /* handle > 0, 0 when none */
int DOSFindFirstDirectory(const char *pattern,
                          DOS_FIND_DATA *data);   /* folders only, "." and ".." left out */
int DOSFindNext(int handle, DOS_FIND_DATA *data); /* 1 and the next match, 0 at the end */
void DOSFindClose(int handle);

/* The standard-I/O table handed over by the program (slot order as listed; count = 18). */
typedef struct VEL_Stdio_Fct_Table {
    intptr_t count;
    FILE *(*p_fopen)(const char *, const char *);
    int (*p_fclose)(FILE *);
    size_t (*p_fread)(void *, size_t, size_t, FILE *);
    size_t (*p_fwrite)(const void *, size_t, size_t, FILE *);
    int (*p_ferror)(FILE *);
    int (*p_fscanf)(FILE *, const char *, ...);
    int (*p_fprintf)(FILE *, const char *, ...);
    int (*p_fseek)(FILE *, long, int);
    long (*p_ftell)(FILE *);
    int (*p_fsetpos)(FILE *, const fpos_t *);
    int (*p_fgetpos)(FILE *, fpos_t *);
    char *(*p_fgets)(char *, int, FILE *);
    int (*p_fgetc)(FILE *);
    int (*p_fputs)(const char *, FILE *);
    int (*p_fputc)(int, FILE *);
    int (*p_ungetc)(int, FILE *);
    int (*p_sscanf)(const char *, const char *, ...);
    int (*p_sprintf)(char *, const char *, ...);
} VEL_Stdio_Fct_Table;
/* The table in use: the one handed over, else the library's own (never null). */
extern const VEL_Stdio_Fct_Table *VEL_STDIO_FCT;
void VELSetStdioFctPtr(const VEL_Stdio_Fct_Table *table);

/* Formats value into out (at least 64 bytes): flags 0x10 whole numbers without decimals,
** 0x20 trailing zeros dropped down to decimals, 0x2 no padding (else right-aligned in width);
** max_decimals > decimals allows that many decimals when 0x20 is set (0: decimals). Rounds half
** away from zero at the last decimal. Answers the length. */
int formatNumber(double value, int flags, int width, int max_decimals, int decimals, char *out);

/* ------------------------------------------------------------------------------------------
** Start and end
*/
int Init_VEL_Graphics(void); /* opens the window or the headless screen (implicitly on first use) */
void Exit_VEL_Graphics(void); /* closes the window */
typedef void (*VEL_Close_Fct)(void);
void VELSetCloseCallback(
    VEL_Close_Fct fct);    /* called at every close request and when closed for good */
int VEL_Is_Headless(void); /* 1 when the events come from a script (or none) */
/* The end of the program without its user: the display went away (the connection to the X server
** broke: a remote session dropped, the server ended) or the process was told to end (SIGTERM,
** SIGHUP, and SIGINT, the Ctrl+C of the terminal that started it). From then on nothing calls
** the display: the back end is headless and closed for good, so that a box answers at once. fct is
** called once (why: VEL_END_DISPLAY_LOST or the signal's number) to keep what must be kept, then
** the process ends with VEL_END_EXIT_CODE. The signals are taken only while an fct is set (null
** gives them back); one that the program does not serve within VEL_END_GRACE_S seconds (a wait
** outside the event loop) ends the process at once, without fct. */
typedef void (*VEL_End_Fct)(int why);
void VELSetUnattendedEnd(VEL_End_Fct fct);
enum { VEL_END_DISPLAY_LOST = -1, VEL_END_EXIT_CODE = 3, VEL_END_GRACE_S = 8 };
int VEL_Snapshot(const char *png_path); /* writes the virtual screen as PNG; 1 on success */

/* The print-list viewer's entry: shows the print list path (relative paths below base) until the
** user ends the view; 1 when it was shown, 0 when it cannot be read (log "OLI-View <path>"). */
int Quick_OLI_View(const char *base, const char *path);

#include "platform/oliview.h"
#include "platform/zelkwin_test.h"
