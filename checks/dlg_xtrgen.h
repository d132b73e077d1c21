/*
** The dialog "Generierung benutzerdefinierter Extremierungsvorschriften": the user's own
** superposition rule, basis, check kind, combination and gamma(G) variant of one extremal rule
** of a design check, with the panel of the actions or load cases that take part.
*/
#pragma once

#include "checks/nchw_rec.h"

/* Sheet size and the panel's place inside it (pixels from the sheet's top left corner). */
enum {
    XTRGEN_W = 600,
    XTRGEN_H = 450,
    XTRGEN_PANEL_X1 = 193,
    XTRGEN_PANEL_Y1 = 68,
    XTRGEN_PANEL_X2 = 572,
    XTRGEN_PANEL_Y2 = 309
};

/* Runs the dialog for the rule of the check; returns 0. */
int Xtr_Generation_Dialog(Nchw_Rec *check, Xtr_Rule_Rec *rule);
/* Top left corner of the dialog at its last opening ((-1, -1) before the first). */
void Xtr_Generation_Dialog_Origin(int *x, int *y);
/* List position of a bit code (1 -> 0, 2 -> 1, 4 -> 2, ...); 0 for codes below 1. */
int Nchw_Bit_Position(int32_t code);
