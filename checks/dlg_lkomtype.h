/*
** The dialog "Programmgestütze Erzeugung von Lastkollektiv-Tabellen" of one user-defined load
** collective (combination rule, leading action, limit state, combination, gamma(G) variant or
** main/secondary combination, and the load cases that take part), and the read-only sheet of
** the factors of all collectives of a check.
*/
#pragma once

#include "checks/nchw_rec.h"

enum { LKOMTYPE_W = 600, LKOMTYPE_H = 450 };

/* Runs the dialog; on "generate" the settings and new rows go into the collective. */
void Lkom_Type_Dialog(const Nchw_Type_Rec *type, Lkom_Rec *lkom);
/* Top left corner at the last opening ((-1, -1) before the first). */
void Lkom_Type_Dialog_Origin(int *x, int *y);
/* Index in the flat action table of the n-th action (from 0) of a kind above 1; -1 when fewer. */
int32_t Lkom_Nth_Variable_Action(int32_t n);

/*
** The factor overview: one line per collective with the product of each load case. Shows the
** collectives still held by the generator when there are any, else those of the current check.
*/
void Show_Lkom_Factors_Sheet(void);
/* The same for the collectives of one check; generated selects the title of generated ones. */
void Show_Lkom_Factors_Sheet_Of(const Nchw_Rec *check, int generated);
