/*
** The active national annex: the global record, the list of selectable annexes, activation by
** name, the block accessors, the input-file section, the selection and warning sheets and the
** legacy annex list of older input files.
*/
#pragma once

#include <cstdio>

#include "nad/nad_blocks.h"
#include "nad/nad_io.h"

/* ---------------------------------------------------------------- globals */

extern NAD_Record Nad_Record;              /* the one active record */
extern NAD_EC5_Params *Nad_Params;         /* EN 1995 block; null selects DIN 1052 rules */
extern NAD_EC3_Params *Nad_EC3_Params_Ptr; /* EN 1993 block; may be null */

#define NAD_LIST_MAX      300 /* entries of the annex list */
#define NAD_LIST_NAME_MAX 99  /* characters kept per list name */

typedef struct NAD_List_Type {
    char *names[NAD_LIST_MAX];          /* owned names */
    int32_t flags[NAD_LIST_MAX];        /* flag icon numbers */
    int32_t file_numbers[NAD_LIST_MAX]; /* 0 built-in, n user file n */
    int32_t count;
} NAD_List_Type;

extern NAD_List_Type NAD_List;

#define NAD_NAME_STANDARD "EC-Standardparameter"
#define NAD_NAME_GERMANY  "Deutschland"
#define NAD_NAME_LOCAL    "lokale Definitionen"
#define NAD_FLAG_STANDARD 19
#define NAD_FLAG_GERMANY  18

/* ---------------------------------------------------------------- record and activation */

void Reset_NAD_Record(NAD_Record *rec); /* built-in defaults of every block */
void Build_NAD_List(void);
int Activate_NAD(void); /* 1 file read, 0 defaults only */
void Set_Active_NAD(const char *name);
void Read_Active_NAD_Name(FILE *f);
/* The same for a reader that read the file up to a line start without reading it again: at is
** the offset just after the first line it read that begins with "ACTIV_NADNAME", -1 when none
** did (the rest of the file is searched), -2 when one did at an offset not known. */
void Read_Active_NAD_Name_From(FILE *f, long at);
/* The input file names an annex whose name cannot be read: "Deutschland" is active, and a save
** writes the section without a name until the user chooses an annex (Nad_Kept_Name() is ""). */
void Lose_Input_NAD_Name(void);
void Write_Active_NAD_Name(FILE *f);
/* The same in the code page of the file's texts (CODE_PAGE_850, _1252 or _UTF8, foundation/
** codepage.h), the guillemets included. */
void Write_Active_NAD_Name_In(FILE *f, int32_t code_page);
/* The input file's annex name that is not available here (kept for the save), "" when the
** file's name was lost, or null. */
const char *Nad_Kept_Name(void);
/* The user chose an annex: the file's unavailable name is no longer written. */
void Nad_Forget_Kept_Name(void);
const char *Get_Active_NAD_Name(void);
const char *Get_Active_NAD_Title(void);
/* 1 when the file of the active annex was read, 0 when the built-in defaults stand in for it. */
int Is_Active_NAD_File_Read(void);
/* The parts of the active annex's file that were not read whole and hold the built-in defaults
** (count 0 when it was read whole or not at all). */
const NAD_File_Damage *Get_Active_NAD_Damage(void);
/* 1 once an annex was activated (the getters above would activate "Deutschland" otherwise). */
int Is_NAD_Activated(void);
int Get_Active_NAD_Flag(void);
int Get_NAD_Variant(void);

NAD_EC0_Params *Get_NAD_EC0_Params(void);
NAD_EC1_Tables *Get_NAD_EC1_Tables(void);
NAD_EC2_Params *Get_NAD_EC2_Params(void);
NAD_EC3_Params *Get_NAD_EC3_Params(void);
NAD_EC5_Params *Get_NAD_EC5_Params(void);
NAD_EC6_Params *Get_NAD_EC6_Params(void);
NAD_EC9_Params *Get_NAD_EC9_Params(void);

void Draw_Active_NAD_Flag(int x, int y);
void Show_Active_NAD_Flag(int x, int y);
void Load_EC1_Din1055_Values(void);
int Run_NAD_Selection_Sheet(void);
int Write_NAD_Record_File(const char *base);
void Print_NAD_Pages_Of_Used_Rules(FILE *f);
void Print_NAD_EC0_Page_If_Used(FILE *f);

/* Forget the active name, the list and the record (state at program start). For tests. */
void Clear_NAD_State(void);

/* ---------------------------------------------------------------- selection and warning sheets */

int Edit_NAD_Selection_Sheet(void);
int Open_NAD_Selection_Sheet(void);
void Draw_NAD_List(int area);
void Draw_NAD_Flag_Icon(int x, int y, int x2, int y2, int flag);
/* Warning that `requested` is not available and `active` is used; 1 when the user asked
** to choose another annex. */
int Run_NAD_Warning_Sheet(const char *requested, const char *active);

/* ---------------------------------------------------------------- legacy list and rule use */

typedef struct Legacy_NAD_Entry {
    int32_t flag;         /* flag icon number */
    int32_t user_defined; /* 1 for an entry of the old store */
    char name[32];        /* at most 25 characters */
    NAD_EC2_Params ec2;
    NAD_EC3_Params ec3;
    NAD_EC5_Params ec5;
    double load_factors[92]; /* old EN 1990 factors: sup/inf pairs, psi triples */
    struct Legacy_NAD_Entry *prev;
    struct Legacy_NAD_Entry *next;
} Legacy_NAD_Entry;

void Build_Legacy_NAD_List(void);
int Read_Legacy_NAD_Load_Factors(FILE *f, double *factors);
int Read_Legacy_Active_NAD(FILE *f);
int Read_Legacy_Active_NAD_Twin(FILE *f);
const char *Get_Legacy_NAD_Name(void);
void Draw_Legacy_NAD_Flag(int x1, int y1, int x2, int y2, int flag);
Legacy_NAD_Entry *Get_Legacy_NAD_Current(void);
int Get_Legacy_NAD_Count(void);
void Clear_Legacy_NAD_List(void); /* back to the unbuilt list (tests) */

void Write_Active_NAD_Name_Stub(FILE *f);
void Write_Active_NAD_Name_Stub2(FILE *f);
void Print_NAD_EC0_Page_If_Used_Stub(FILE *f);
void Print_NAD_EC0_Page_If_Used_Stub2(FILE *f);
void Draw_Active_NAD_Flag_Stub(int x, int y);

/*
** Whether the activated design checks use the rules of a Eurocode: the number of active checks
** of the rule's check types. The design-check module, which lives above the annex store,
** installs its counter when it creates its first check; without it there is no check to count.
*/
typedef int32_t (*NAD_Check_Count_Fn)(int32_t type_id);
void NAD_Set_Check_Count_Hook(NAD_Check_Count_Fn count);
int NAD_EC2_Rules_Used(void);
int NAD_EC3_Rules_Used(void);
int NAD_EC5_Rules_Used(void);
int NAD_EC6_Rules_Used(void);
int NAD_EC9_Rules_Used(void);
int NAD_Other_Rules_Used(void);
