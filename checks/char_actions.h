/*
** The six characteristic actions of a splice (Eigengewicht, ständige Lasten, Nutzlasten,
** Schnee, Wind, Erdbeben) and the derivation of their factors from the coefficient rows.
** The splice input record holds six of these records.
**
** Keys of the six actions (all Eurocode, family 2, limit state 1, load group -1, type id 0):
**   0 Eigengewicht     kind 1 (fundamental), category 1, psi index 1  -> 1, 1, gamma_G,sup, gamma_G,inf
**   1 ständige Lasten  kind 1, category 1, psi index 1                -> the same
**   2 Nutzlasten       kind 1, category 2, psi index 1 ("Wohn-, Büroräume", cat. A/B)
**   3 Schnee           kind 1, category 2, psi index 7 (snow and ice); with the snow flag
**                      ("Schnee NN>1000m") flag bit 0 is set and the copy of the annex
**                      fills index 7 with the values above 1000 m
**   4 Wind             kind 1, category 2, psi index 8
**   5 Erdbeben         kind 2 (accidental combination), category 6, psi index 1: the seismic
**                      combination (kind 4) refuses category 6, so the earthquake action takes
**                      the accidental factors of category 6 (1.0 / 1.0 with the built-in rows)
** Category 1 answers psi_dom = psi_sub = 1; category 2 answers psi_dom = 1 (Eurocode_psi_X),
** psi_sub = psi0 of the psi index.
*/
#pragma once

#include <cstdint>

#include "checks/beiwert.h"

#define CHAR_ACTION_COUNT 6

typedef struct Char_Actions {
    int32_t used;    /* 1 when the action is entered */
    int32_t kled;    /* load-duration class 0..4 */
    double M_k;      /* kNm */
    double N_k;      /* kN */
    double V_k;      /* kN */
    char remark[33]; /* remark text, code page 850, at most 32 characters */
    int32_t
        category; /* action category of the coefficient rows (1 permanent, 2 variable, 6 accidental) */
    double psi_dom;   /* combination factor as leading action */
    double psi_sub;   /* combination factor as accompanying action */
    double gamma_sup; /* partial factor, unfavourable */
    double gamma_inf; /* partial factor, favourable */
} Char_Actions;

/* The lookup key of action index 0..5; 0 for another index, else 1. */
int Char_Action_Key(int index, int32_t snow_above_1000, Einw_Beiwert_Key *key);

/*
** Copy the active annex's EN 1990 factors into the coefficient rows (with the altitude of the
** snow flag) and give each of the six actions its category and four factors. Return 1 when all
** six lookups succeeded, else 0 (a failed action gets zeros).
*/
int Init_Char_Actions(Char_Actions *actions, int32_t snow_above_1000);
