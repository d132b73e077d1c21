/*
** Selection-list fillers of the steel and aluminium grade choosers: the names of a code list
** appended to a string list of the GUI library, with the position of the current code.
*/
#pragma once

#include <cstdint>

/* Append the name of each steel code (black); answer the position of the last code equal to
** current, 0 when none is, or for no list or count < 1. */
int32_t Fill_Stahlguete_Stringlist(int32_t list, const uint32_t *codes, int32_t count,
                                   uint32_t current);
/* The same for aluminium codes; "?????" for a code of no grade. */
int32_t Fill_Alu_Stringlist(int32_t list, const int32_t *codes, int32_t count, int32_t current);
