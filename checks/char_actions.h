/*
** The six characteristic actions of a splice (Eigengewicht, ständige Lasten, Nutzlasten,
** Schnee, Wind, Erdbeben) and the derivation of their factors from the coefficient rows.
** The splice input record holds six of these records.
**
** Keys of the six actions (all Eurocode, family 2, limit state 1, load group -1, type id 0):
**   0 Eigengewicht     kind 1 (fundamental), category 1, psi index 1  -> 1, 1, gamma_G,sup, gamma_G,inf
**   1 ständige Lasten  kind 1, category 1, psi index 1                -> the same
**   2 Nutzlasten       kind 1, category 2, psi index 1..6 by the category of the imposed load
**                      (EN 1990, Table A1.1: A, B / C, D / E / F / G / H), A, B unless chosen
**   3 Schnee           kind 1, category 2, psi index 7 (snow and ice); with the snow flag
**                      ("Schnee NN>1000m") flag bit 0 is set and the copy of the annex
**                      fills index 7 with the values above 1000 m
**   4 Wind             kind 1, category 2, psi index 8
**   5 Erdbeben         kind 2 (accidental combination), category 6, psi index 1: the seismic
**                      combination (kind 4) refuses category 6, so the earthquake action takes
**                      the accidental factors of category 6 (1.0 / 1.0 with the built-in rows)
** Category 1 answers psi_dom = psi_sub = 1; category 2 answers psi_dom = 1 (Eurocode_psi_X),
** psi_sub = psi0 of the psi index. The same key with kind 4 (seismic) answers psi_2,E, the
** annex's psi_2 of the seismic design situation, with which an action accompanies the
** earthquake (EN 1990, eq. (6.12b)).
*/
#pragma once

#include <cstdint>

#include "checks/beiwert.h"

#define CHAR_ACTION_COUNT 6

/* Index of each of the six actions in the rows of the page and the record. */
enum {
    CHAR_ACTION_DEAD = 0,      /* Eigengewicht */
    CHAR_ACTION_PERMANENT = 1, /* ständige Lasten */
    CHAR_ACTION_IMPOSED = 2,   /* Nutzlasten */
    CHAR_ACTION_SNOW = 3,      /* Schnee */
    CHAR_ACTION_WIND = 4,      /* Wind */
    CHAR_ACTION_QUAKE = 5      /* Erdbeben */
};

/* Categories of the imposed load "Nutzlasten" (EN 1990, Table A1.1), in the order of the
** annex's rows of combination factors: category c takes psi index c + 1. */
enum {
    IMPOSED_CAT_AB = 0, /* Wohn-, Büroräume */
    IMPOSED_CAT_CD = 1, /* Versammlungs-, Verkaufsräume */
    IMPOSED_CAT_E = 2,  /* Lagerräume */
    IMPOSED_CAT_F = 3,  /* Fahrzeuge bis 30 kN */
    IMPOSED_CAT_G = 4,  /* Fahrzeuge bis 160 kN */
    IMPOSED_CAT_H = 5,  /* Dächer */
    IMPOSED_CAT_COUNT = 6
};

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
    double psi_2E;    /* combination factor beside the earthquake (psi_2,E; 1 for a permanent
                      ** action, 0 for the earthquake itself); derived, not stored */
} Char_Actions;

/* The letters ("A, B", "E") and the annex's name ("Lagerräume") of category c of the imposed
** load, code page 850; "" for another c. */
const char *Imposed_Category_Letters(int32_t c);
const char *Imposed_Category_Name(int32_t c);

/* The lookup key of action index 0..5 with the category of the imposed load (IMPOSED_CAT_*,
** read for index 2 only); 0 for another index or, at index 2, another category, else 1. */
int Char_Action_Key(int index, int32_t snow_above_1000, int32_t imposed_category,
                    Einw_Beiwert_Key *key);

/*
** Copy the active annex's EN 1990 factors into the coefficient rows (with the altitude of the
** snow flag) and give each of the six actions its category, its four factors and its psi_2,E.
** Return 1 when all six lookups of the four factors succeeded, else 0 (a failed action gets
** zeros).
*/
int Init_Char_Actions(Char_Actions *actions, int32_t snow_above_1000, int32_t imposed_category);
