/*
** Input widgets of the widget layer: check boxes, option buttons, text, floating-point, integer
** and choice fields with display factors, integer shadows and limits, bitmap and import buttons,
** and the commit of a dialog's fields. Each widget adds fresh items on every drawing of the page
** and answers the room it used in pixels.
*/
#pragma once

#include <cstddef>
#include <cstdint>

/* State words: 1 editable, -1 read-only value, other inactive. */
enum { WDG_EDITABLE = 1, WDG_READ_ONLY = -1, WDG_REG_ROWS = 99 };

/* A grade selection list: count entries of stride bytes each, colours and flag words per entry
** (flag 0x1000: the entry cannot be chosen). */
struct Wdg_Grade_List {
    int32_t count;
    int32_t stride;
    const char *texts;
    const int32_t *colours;
    const int32_t *flags;
};

/* Registration tables, bounded at 99 rows each; rows belong to a dialog level. */
struct Wdg_Factor_Row {
    double *var;
    double factor;
    int level;
};
struct Wdg_Shadow_Row {
    int *var;
    double shadow;
    int level;
};
struct Wdg_Limit_Row {
    double *var;
    double lower, upper;
    int level;
};

extern Wdg_Factor_Row Wdg_Factor_Rows[WDG_REG_ROWS];
extern int Wdg_Factor_Count;
extern Wdg_Shadow_Row Wdg_Shadow_Rows[WDG_REG_ROWS];
extern int Wdg_Shadow_Count;
extern Wdg_Limit_Row Wdg_Limit_Rows[WDG_REG_ROWS];
extern int Wdg_Limit_Count;
extern int Wdg_Drop_Switch;

int Wdg_Draw_Check_Box(int x, int y, const char *label, int *flag, const int *state);
int Wdg_Option_Button(int x, int y, const char *label, int value, int *var, int *active);
int Wdg_Image_Option_Button(int area, int x, int y, int value, int *var, const char *image_on,
                            const char *image_off, const char *image_on_inactive,
                            const char *image_off_inactive, int *active);
int Wdg_Image_Check_Box(int area, int x, int y, int *flag, const char *image_on,
                        const char *image_off, const char *image_on_inactive,
                        const char *image_off_inactive, int *active);

int Wdg_Text_Field(int x, int y, char *buffer, int unread, const int *state);
int Wdg_Padded_Text_Field(int x, int y, char *buffer, int n, const int *state);
int Wdg_Text_Field_Visible(int x, int y, char *buffer, int n, int visible, const int *state);

/* A number field that shows its value with `decimals` decimals, more where the value holds more
** (as many as the field's room holds): what it shows, typed, is the value. */
int Wdg_Float_Field(int x, int y, double *var, int width, int decimals, const int *state);
/* The last number field holds a least value (a length the program chose at least): where its
** room cuts the decimals the value holds, it shows the value rounded up. */
void Wdg_Set_Last_Field_Least(void);
/* The text with which a field of Wdg_Float_Field (width, decimals) drawn now shows v, a least
** value's (least 1, Wdg_Set_Last_Field_Least) rounded up where its room cuts it, padded to width,
** into text (size bytes): what a line beside the field writes of the same value. */
void Wdg_Float_Field_Text(double v, int width, int decimals, int least, char *text, size_t size);
int Wdg_Float_Field_Coloured(int x, int y, double *var, int width, int decimals, int colour,
                             const int *state);
/* A number field whose hints name it (name, code page 850): "Kombination 12, M_d: \"1.000,5\" ist
** keine Zahl: das Feld enthält weiter 8.37". */
int Wdg_Named_Float_Field(int x, int y, double *var, int width, int decimals, const char *name,
                          const int *state);
/* A read-only number field of width characters that holds no number: the text ("-") stands where
** a number would end. Answers the room used, 0 without an area. */
int Wdg_Empty_Field(int x, int y, int width, const char *text);
int Wdg_Scaled_Float_Field(int x, int y, double *var, double factor, int width, int decimals,
                           const int *state);
int Wdg_Limited_Float_Field(int x, int y, double *var, double factor, int width, int decimals,
                            double lower, double upper, const char *name, const int *state);
/* How many values the limited fields have held in their limits so far: a page that computed
** with a value before its field took it back draws again when this count moved. */
int Wdg_Limited_Changes(void);
int Wdg_Labelled_Float_Field(int x, int y, const char *label, double *var, int width, int decimals,
                             const char *unit, const int *state);
int Wdg_Symbol_Float_Field(int x, int y, const char *symbol, const char *index, double *var,
                           double factor, int width, int decimals, const char *unit,
                           const int *state);
int Wdg_Density_Field(int x, int y, double *var, int *active);

int Wdg_Int_Field(int x, int y, int *var, int width, const int *state);
int Wdg_Limited_Int_Field(int x, int y, int *var, int width, int lower, int upper,
                          const int *state);
void Wdg_Set_Int_Field(int *var, int value);
int Wdg_Get_Int_Field(const int *var);

int Wdg_Choice_Field(int x, int y, const char *texts, const int32_t *colours, int stride, int count,
                     int *index, const int *state);
int Wdg_Grade_Choice_Field(int x, int y, const Wdg_Grade_List *list, int *index, const int *state);

/* Activity cells of the concrete and steel parameter blocks (state words, initially 1). */
struct Wdg_Block_Activity_Cells {
    int concrete_block, concrete_choice, steel_block, steel_choice;
};
extern Wdg_Block_Activity_Cells Wdg_Block_Activity;

/* "Betongüte" / "Stahlgüte" and a grade choice at x + 75 whose state is the block's choice
** cell; both answer 0. */
int Wdg_Concrete_Grade_Choice(int unread, int x, int y, int unread2, const Wdg_Grade_List *list,
                              int *index);
int Wdg_Steel_Grade_Choice(int unread, int x, int y, int unread2, const Wdg_Grade_List *list,
                           int *index);

void Wdg_Bitmap_Hotspot_Button(int area, int x, int y, int w, int h, int v_align, int h_align,
                               const char *image, const char *inactive_image, int key_colour,
                               int value, int *var, int active);
int Wdg_Delete_All_Button(int x, int y, const char *tooltip, int value, int *var, int *active);
int Wdg_Component_Import_Button(int x, int y, const char *label, int value, int *var,
                                const int *active);
int Wdg_Ascii_Import_Button(int x, int y, const char *label, int value, int *var,
                            const int *active);
int Wdg_Explorer_Button(int x, int y, int value, int *var, int *active);

/* Commit of a confirmed dialog's fields at a level; non-zero keeps the dialog open. */
int Wdg_Commit_Fields(int level);
/* Divide back, write the shadows and drop a level's rows (limit rows too) when a dialog ends. */
void Wdg_Release_Level(int level);
