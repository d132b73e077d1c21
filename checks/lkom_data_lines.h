/*
** Solver data lines of extremal rules and load collectives: the line format that the
** structural solver reads, the writers for timber checks (kmod cases, deflection parts, creep
** factor, national factor), the kmod functions, and the writers that pick one of them by the
** check's type id. Numbers with "%f" have six decimals.
*/
#pragma once

#include <cstdint>
#include <cstdio>

#include "checks/nchw_rec.h"
#include "checks/nchw_tables.h"

/* Addresses of the timber settings, in the order of the general settings. */
typedef struct Nchw_Settings_Ptrs {
    int32_t *service_class, *gamma_m_standard, *kmod_standard, *timber_int4;
    double *gamma_m_fund, *gamma_m_quake, *gamma_m_acc;
    double *kmod; /* 5 values */
    double *kdef;
    double *deflection_divisors; /* 6 values */
} Nchw_Settings_Ptrs;

void Get_Nchw_Settings_Ptrs(Nchw_Settings_Ptrs *out);

double Kmod_Of_Einw_NAD(const Nchw_Einw_Row *action);
double Max_Kmod_Of_Lf_List(int32_t count, const Lkom_Row *entries);
double Max_Kmod_Of_Lf_List_NAD(int32_t count, const Lkom_Row *entries);
/* Rows of a rule grouped by kmod (at most six groups); see the data-line writer of kmod cases. */
int Xtr_Kmod_Groups(const Xtr_Rule_Rec *rule, int nad, int *group, double *case_kmod);
/* kdef of the EN 1995 annex by the service class of the settings (the settings' kdef without). */
double Nchw_Ec5_Kdef(void);
/* gamma_M of the annex: 16 first and 17 second fundamental value, 18 accidental (settings without). */
double Nchw_Ec5_Gamma(int which);
/* 1 when a row's load case belongs to an accidental (99) resp. earthquake (100) action. */
int Lkom_Has_Sonderlast(const Lkom_Rec *lkom);
int Lkom_Has_Erdbeben(const Lkom_Rec *lkom);

/* The three switches of the three-part deflection writer (parts A, B, C). */
typedef struct Defl_Parts {
    int32_t on[3];
} Defl_Parts;

/* Writers: (stream, caller's record, rule or collective, owner number). */
void Write_Xtr_Rule_Kmod_Cases(FILE *f, const void *caller, const Xtr_Rule_Rec *rule,
                               int32_t owner);
void Write_Xtr_Rule_Defl_AB(FILE *f, const void *caller, const Xtr_Rule_Rec *rule, int32_t owner);
void Write_Xtr_Rule_Kdef(FILE *f, const void *caller, const Xtr_Rule_Rec *rule, int32_t owner);
void Write_Xtr_Rule_Kmod_Cases3(FILE *f, const void *caller, const Xtr_Rule_Rec *rule,
                                int32_t owner);
/* caller: a Defl_Parts record (null: all three parts) */
void Write_Xtr_Rule_Defl_ABC(FILE *f, const void *caller, const Xtr_Rule_Rec *rule, int32_t owner);
void Write_Xtr_Rule_NadFactor(FILE *f, const void *caller, const Xtr_Rule_Rec *rule, int32_t owner);
void Write_Lkom(FILE *f, const void *caller, const Lkom_Rec *lkom, int32_t owner);
void Write_Lkom3(FILE *f, const void *caller, const Lkom_Rec *lkom, int32_t owner);
void Write_Lkom_NadFactor(FILE *f, const void *caller, const Lkom_Rec *lkom, int32_t owner);

/* Writers of a check's items by its type id; each returns 1. */
int Write_Xtr_Rule_Lines(FILE *f, const Nchw_Rec *check, const Xtr_Rule_Rec *rule, int32_t owner);
int Write_Lkom_Lines(FILE *f, const Nchw_Rec *check, const Lkom_Rec *lkom, int32_t owner);
int Write_GenRule_Lines(FILE *f, const Nchw_Rec *check, const GenRule_Rec *rule, int32_t owner);
/* Generate the rule's collectives and write them; the number written (0: none). */
int32_t Write_Generated_Lkoms(const Nchw_Rec *check, GenRule_Rec *rule, FILE *f);
