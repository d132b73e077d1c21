/*
** Design-check file blocks in a structure's text file: "NACHWEISE-2003" (all checks and the
** general settings), "#NACHWEISE" (the checks as solver data lines, written only),
** "NACHWEISE-STATE" (the module's own settings) and "NACHWEISE-ARGS" (start arguments of the
** management sheet). Readers find their block by its keyword line.
*/
#pragma once

#include <cstdint>
#include <cstdio>

#include "checks/nchw_rec.h"

#define NCHW_BLOCK_VERSION 5

typedef struct Nchw_State_Rec {
    int32_t norm_mask;
    int32_t limits[4]; /* Lkom_Limits L0..L3 */
    int32_t module_value;
    int32_t gen_flags[5];
    int32_t new_check_rule; /* 1: a template rule is installed, 0: none */
    char type_file[260];
    char coeff_file[260];
    int32_t xtr_switch;
    char help_key[50];
    int32_t lkom_limit; /* negative: no limit */
    char program[50];
} Nchw_State_Rec;

typedef struct Nchw_Args_Rec {
    int32_t values[10];
} Nchw_Args_Rec;

extern const Nchw_Args_Rec Nchw_Args_Default;

/* Item writers of the solver block: (file, check, item, flags); each returns 1. */
typedef struct Nchw_Item_Writers {
    int (*xtr)(FILE *f, const Nchw_Rec *check, const Xtr_Rule_Rec *rule, int32_t flags);
    int (*lkom)(FILE *f, const Nchw_Rec *check, const Lkom_Rec *lkom, int32_t flags);
    int (*genrule)(FILE *f, const Nchw_Rec *check, const GenRule_Rec *rule, int32_t flags);
    const Nchw_Args_Rec *default_args;
} Nchw_Item_Writers;

extern const Nchw_Item_Writers Nchw_Std_Item_Writers;

void Write_Nachweise_Block(FILE *file);
void Read_Nachweise_Block(FILE *file);
void Write_Nchw_Solver_Block(FILE *file, int linear, int nonlinear,
                             const Nchw_Item_Writers *writers);
void Write_Nchw_Solver_Block_Std(FILE *file, int linear, int nonlinear);
void Write_Nchw_Option_Line(const Nchw_Rec *check, FILE *file);
int Write_Nchw_State(FILE *file, const Nchw_State_Rec *state);
int Read_Nchw_State(FILE *file, Nchw_State_Rec *state);
int Get_Nchw_State(Nchw_State_Rec *state);
int Set_Nchw_State(const Nchw_State_Rec *state);
int Write_Nchw_Args(FILE *file, const Nchw_Args_Rec *args);
/* A new record (the caller frees it), or null. */
Nchw_Args_Rec *Read_Nchw_Args(FILE *file);
