/*
** The application registry (which national-annex rules an installed application uses) and the
** national-annex parameter tables of the print list.
*/
#pragma once

#include <cstdio>

#include "nad/nad_blocks.h"

/* ---------------------------------------------------------------- application registry */

#define APP_NAD_REGISTRY_MAX 300

typedef struct App_NAD_Row {
    char *app_name;       /* "#NAME" or the directory name, upper case */
    char *service;        /* "#SERVICE" (default "Bauteil"), or the "#GROUP" text */
    char *rule_masks[10]; /* per Eurocode group 0..9 a string of '0'/'1'; null: none */
    int32_t mask_groups;  /* bit g: group g has a mask */
    int32_t app_number;   /* number from the file name APPnnnn.DEF */
    int32_t has_masks;    /* 1 when "#NADS" was negative */
} App_NAD_Row;

typedef struct App_NAD_Registry_Type {
    App_NAD_Row rows[APP_NAD_REGISTRY_MAX];
    int32_t count;
    int32_t built;         /* 1 once loaded */
    int32_t cached_number; /* running application's number, -1 not looked up */
    int32_t row_index;     /* its row */
    int32_t registered;    /* 1 when the running application has a row */
    int32_t group_bits;    /* its mask_groups, 623 when not registered */
    int32_t show_all;      /* 1 when not registered */
} App_NAD_Registry_Type;

extern App_NAD_Registry_Type App_NAD_Registry;

void Load_Application_NAD_Registry(void);
int Find_Application_NAD_Entry(void);
int NAD_Rule_Relevant(int group, int rule);
int NAD_Rules_Filtered(void);
int Edit_NAD_Display_Options(void);
void Clear_Application_NAD_Registry(void); /* back to the unbuilt state (tests) */

/* ---------------------------------------------------------------- print tables */

extern int EC5_Page_Flags[9];

void Set_NAD_EC5_Page_Flags(void);
void Print_NAD_EC5_Tables(FILE *f);

void Print_NAD_EC0_Page(FILE *f);
void Print_NAD_EC2_Pages(FILE *f);
void Print_NAD_EC3_Pages(FILE *f);
void Print_NAD_EC6_Page(FILE *f);
void Print_NAD_EC9_Page(FILE *f);
