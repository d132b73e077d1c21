/*
** The environment's version files: "$EXEC/<program>/VERSION" holds a program's version line.
** And the citation switch of the national-annex coefficients.
*/
#pragma once

/* The version line of the named program (static, 256 bytes); null without EXEC or file. */
const char *Read_Program_Version_File(const char *name);

/* The citation switch of the national-annex texts: 1 unless changed. */
int Get_NAD_Citation_Mode(void);
extern int NAD_Citation_Mode;
