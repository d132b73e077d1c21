/*
** Standard extremal-rule tables: rows {action or load-case number, psi_dom, psi_sub, gamma_sup,
** gamma_inf} built from the coefficient rows and the flat design-check tables, chosen by the
** check type's combination rule, check kind and combination and by the design situation that
** the selected actions bring about; comparison of two tables and single psi values.
*/
#pragma once

#include <cstdint>

#include "checks/nchw_rec.h"
#include "checks/nchw_tables.h"

/* Found action row of the two finders; kmod of the accidental and of the earthquake situation. */
extern Nchw_Einw_Row *Xtr_Found_Action;
extern double Xtr_Kmod_Accidental; /* 0.01 at start */
extern double Xtr_Kmod_Earthquake; /* 0.01 at start */
/* Set only around one call by the automatic rules: the accidental situation of snow loads. */
extern int32_t Xtr_North_German_Plain;
/* When set, the builders show no messages. */
extern int32_t Xtr_Message_Switch;

/* Integer n (0..10) of a type's line. */
int32_t Nchw_Type_Int(const Nchw_Type_Rec *type, int n);

/*
** Build rows over the active actions (mode 0) or active load cases (mode 1) from the gamma rows
** GI, GS (6 values by category) and the psi rows PD, PS (11 values by psi index). Variant 0
** drops rows without effect. Null when nothing takes part (count unchanged then).
*/
Xtr_Row *Build_Xtr_Rows(int32_t mode, const double *GI, const double *GS, const double *PD,
                        const double *PS, int32_t *count, int32_t variant);
Xtr_Row *Build_Standard_Xtr_Table(const Nchw_Rec *check, int32_t *count, int32_t *rule,
                                  int32_t *table_mode, int32_t *check_kind, int32_t *combination);
Xtr_Row *Build_Situation_Xtr_Table(const Nchw_Rec *check, int32_t *count, int32_t rule,
                                   int32_t mode, int32_t check_kind, int32_t combination,
                                   int32_t gamma_g);
Xtr_Row *Build_Bridge_Xtr_Table(const Nchw_Rec *check, int32_t *count, int32_t variant);
/* 0 when both tables hold the same rows in the same order with equal factors, else 1. */
int Cmp_Xtr_Tables(const Xtr_Row *a, int32_t count_a, const Xtr_Row *b, int32_t count_b);
void Apply_EC1_Psi_Rule(int32_t mode, Xtr_Row *table, int32_t count);
int Xtr_Rule_Find_Sonderlast(const Xtr_Rule_Rec *rule);
int Xtr_Rule_Find_Erdbeben(const Xtr_Rule_Rec *rule);
double Get_Psi2_DIN1045(const Nchw_Einw_Row *action);
double Get_Psi2_Eurocode(const Nchw_Einw_Row *action);
double Get_Psi1_Eurocode(const Nchw_Einw_Row *action);
void Msg_Nchw_Nicht_Erlaubt(const char *name);
