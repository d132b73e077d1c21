/*
** The chapter of the design checks in a host application's print list: explanations of the
** factors, the national annex in use and, per activated check, its type, remarks, options,
** extremal rules, load collectives, generation rules and objects.
*/
#pragma once

#include <cstdint>
#include <cstdio>

extern int32_t Nchw_Print_Options;   /* print the option graphic of each check */
extern int32_t Nchw_Print_Rules;     /* print rules, collectives and generation rules */
extern int32_t Nchw_Print_Objects;   /* print the objects of each check */
extern int32_t Nchw_Print_Lkom_Mode; /* collectives through the compact collective table */
extern int32_t Nchw_Print_Program;   /* not 0: bookmarks */
extern char Nchw_Print_Prefix[64];   /* put before the running number of a check's bookmark */

/* Object print hook: (file, type id, check number, object type, object number; 0 ends). */
extern void (*Nchw_Object_Print_Hook)(FILE *f, int32_t type_id, int32_t check, int32_t object_type,
                                      int32_t object);

void Set_Nchw_Print_Switches(int32_t options, int32_t rules, int32_t objects);
void Set_Nchw_Print_Lkom_Mode(int32_t value);
void Set_Nchw_Print_Program(int32_t code, const char *prefix);
void Write_Nachweise_Print_List(FILE *f);
