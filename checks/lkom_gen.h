/*
** Generation of the load collectives of one design check: every choice of load cases
** (favourable or unfavourable, one member of each alternative group) and of imperfections
** (applied or not, with sign) that passes the user's restrictions becomes a collective
** "LK %d (auto)" of Auto_GenRule, unless an equal collective exists already.
*/
#pragma once

#include <cstdint>

#include "checks/nchw_rec.h"

#define LKOM_GEN_MAX_GROUPS 250

/* The record that owns the generated collectives; it belongs to no list of checks. */
extern Nchw_Rec Auto_GenRule;
/* Collectives kept by the last run. */
extern int32_t N_GENERATED_LKOMS_EXIST;
/* 1 while the design-check management runs with its sheet (progress is drawn), else 0. */
extern int32_t Nchw_Gui_Mode;
/* Compute mode of the current check type (integer 10), set by Init_Or_Clear_Auto_Lkoms. */
extern int32_t Lkom_Gen_Compute_Mode;
/* Index of the leading action of the running enumeration (-1: none). */
extern int32_t Lkom_Gen_Leading;

void Do_Generate_Lkoms(void);
void Generate_Lkoms_Keep_Flags(void);
void Init_Or_Clear_Auto_Lkoms(void);
void Generate_Lkoms_Leading(void);
int Next_Lf_Selection(int start);
int Check_Joint_Groups(void);
Lkom_Rec *New_Auto_Lkom(int32_t n, int32_t pass);
int Insert_Lkom_Unique(void);
