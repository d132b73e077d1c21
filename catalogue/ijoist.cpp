/*
** Engineered-wood I-joists "Steico Wall" and "Steico Joist": the product lines with their
** flange and web values and their section tables, built on first use; section lookups and
** section areas. Lengths in mm, densities in kg/m3.
*/
#include "catalogue/ijoist.h"

#include <cmath>
#include <cstdio>


/* b/h of the sections (mm), in table order. */
static const int Wall_Bh[8][2] = {{45, 160}, {45, 200}, {45, 240}, {45, 300},
                                  {60, 160}, {60, 200}, {60, 240}, {60, 300}};
static const int Joist_Bh[23][2] = {
    // clang-format off
  {45, 200}, {45, 220}, {45, 240}, {45, 300}, {45, 360}, {45, 400}, {60, 200}, {60, 220},
  {60, 240}, {60, 280}, {60, 300}, {60, 360}, {60, 400}, {90, 220}, {90, 240}, {90, 300},
  {90, 360}, {90, 400}, {90, 450}, {90, 500}, {45, 160}, {60, 450}, {60, 500}
    // clang-format on
};

static Ijoist_Section Wall_Sections[8], Joist_Sections[23];
static Ijoist_Line Line_W, Line_J;
static int Built_W = 0, Built_J = 0;

/* Fill one line: flange depth hf (mm), web thickness 6 mm. */
static void Build_Line(Ijoist_Line *line, Ijoist_Section *rows, const int (*bh)[2], int32_t n,
                       const char *name, const char *prefix, double hf, int wall, int32_t scale)
{
    line->name = name;
    line->count = n;
    line->scale = scale;
    const double flange_wall[4] = {26, 16, 22, 2.5}, flange_joist[4] = {48, 36, 36, 2.5};
    for (int i = 0; i < 4; i++) line->flange_f[i] = wall ? flange_wall[i] : flange_joist[i];
    line->flange_E0_mean = (wall ? 11000.0 : 13800.0) * scale;
    line->flange_E0_05 = (wall ? 10000.0 : 11600.0) * scale;
    line->flange_rho = 480.0;
    line->web_thickness = 6.0;
    const double web[4] = {31, 20, 21, 14};
    for (int i = 0; i < 4; i++) line->web_f[i] = web[i];
    line->web_E = 5300.0 * scale;
    line->web_G = 2100.0 * scale;
    line->web_rho = 900.0;
    line->web_f5 = 2.4;
    for (int32_t i = 0; i < n; i++) {
        Ijoist_Section *s = &rows[i];
        s->b = bh[i][0];
        s->h = bh[i][1];
        s->hf = hf;
        s->hw = s->h - 2.0 * hf;
        snprintf(s->name, sizeof s->name, "%s %d/%d", prefix, bh[i][0], bh[i][1]);
        const double tw = line->web_thickness;
        s->I_y = s->b * pow(s->h, 3) / 12.0 - (s->b - tw) * pow(s->hw, 3) / 12.0;
        s->m = (2.0 * hf * s->b * line->flange_rho + s->hw * tw * line->web_rho) / 1.0e6;
    }
    line->sections = rows;
}

const Ijoist_Line *Ijoist_Table_W_Ensure(int32_t scale)
{
    if (!Built_W) {
        Build_Line(&Line_W, Wall_Sections, Wall_Bh, 8, "Steico Wall", "SW LVL,HB", 39.0, 1, scale);
        Built_W = 1;
    }
    return &Line_W;
}

const Ijoist_Line *Ijoist_Table_J_Ensure(int32_t scale)
{
    if (!Built_J) {
        Build_Line(&Line_J, Joist_Sections, Joist_Bh, 23, "Steico Joist", "SJ LVL,HB", 45.0, 0,
                   scale);
        Built_J = 1;
    }
    return &Line_J;
}

static Mat_List_Item *Name_List(const Ijoist_Line *line, Mat_List_Item *items, int32_t *width,
                                int32_t *count, int32_t colour)
{
    for (int32_t i = 0; i < line->count; i++) {
        items[i].colour = colour;
        items[i].text = line->sections[i].name;
    }
    if (width) *width = 16;
    if (count) *count = line->count;
    return items;
}

Mat_List_Item *Get_Ijoist_W_List(int32_t *width, int32_t *count, int32_t colour)
{
    static Mat_List_Item items[8];
    return Name_List(Ijoist_Table_W_Ensure(1000), items, width, count, colour);
}

Mat_List_Item *Get_Ijoist_J_List(int32_t *width, int32_t *count, int32_t colour)
{
    static Mat_List_Item items[23];
    return Name_List(Ijoist_Table_J_Ensure(1000), items, width, count, colour);
}

int32_t Find_Ijoist_Section(const Ijoist_Line *line, double h, double b)
{
    if (!line || !line->sections || line->count <= 0) return -1;
    for (int32_t i = 0; i < line->count; i++)
        if (fabs(line->sections[i].h - h) < 1.0 && fabs(line->sections[i].b - b) < 1.0) return i;
    for (int32_t i = 0; i < line->count; i++)
        if (fabs(line->sections[i].h - h) < 1.0) return i;
    return -1;
}

/* The row, or null for an index outside the line. */
static const Ijoist_Section *Row(const Ijoist_Line *line, int32_t index)
{
    if (!line || !line->sections || index < 0 || index >= line->count) return nullptr;
    return &line->sections[index];
}

double Calc_Ijoist_Flange_Area(const Ijoist_Line *line, int32_t index)
{
    const Ijoist_Section *s = Row(line, index);
    return s ? 2.0 * s->hf * s->b : 0.0;
}

double Calc_Ijoist_Mass_Per_Length(const Ijoist_Line *line, int32_t index)
{
    const Ijoist_Section *s = Row(line, index);
    if (!s) return 0.0;
    return 2.0 * s->hf * s->b * line->flange_rho + s->hw * line->web_thickness * line->web_rho;
}

void Calc_Ijoist_Contact_Areas(const Ijoist_Line *line, int32_t index, double a1, double a2,
                               double *A1, double *A2, double *A3)
{
    const Ijoist_Section *s = Row(line, index);
    if (!s) return;
    const double web = 3.0 * line->web_thickness * s->hw;
    if (A1) *A1 = 2.0 * s->hf * (s->b + 30.0 + fmax(a1, 30.0)) + web;
    if (A2) *A2 = 2.0 * s->hf * (s->b + 30.0 + fmax(a2, 30.0)) + web;
    if (A3) *A3 = 2.0 * s->hf * (s->b + 60.0) + web;
}
