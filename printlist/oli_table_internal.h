/*
** Private interface between the table writer and its cell formatter (printlist/ only).
*/
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "printlist/oli_table.h"

/* Column layout of one table */
struct Oli_Table_Layout {
    std::vector<int32_t> width;        /* characters */
    std::vector<int32_t> marker_width; /* widest footnote marker of the column's printed cells */
};

extern int32_t Oli_Table_Key_Column;
extern const int32_t *Oli_Table_Thin_Rules;

int Oli_Table_Is_Marker(double v);
void Oli_Table_Set_Columns_Allocated(int32_t n);
std::string Oli_Table_Marker_Text(double v, int32_t width);
std::string Oli_Table_Number_Text(const Oli_Table_Column *c, double scaled, int32_t width);
/* The cell of a printed row appended to out; counts the use of its footnote. */
void Oli_Table_Append_Cell(std::string &out, const Oli_Table_Column *c, int32_t row, int32_t width,
                           int32_t marker_width);
void Oli_Table_Compute_Layout(int32_t ncols, int32_t nrows, const Oli_Table_Column *cols,
                              int32_t flags, const std::vector<int> &printed,
                              Oli_Table_Layout *layout);
void Oli_Table_Write_Notes(FILE *file);
