/*
** Debug output to the console, up to 100 stopwatches of computing time ("Rechenzeit") reported
** through it, and the stack of call-sometimes callbacks of the current property sheet.
*/
#pragma once

#define TIMING_SLOTS 100

/* The callback the GUI library calls now and then while a sheet is open. */
typedef void (*Call_Sometimes_Fn)(void);

void Debug_Output_Set(int on);
/* printf to stdout and flush while the switch is on (on at start); 0 and nothing when off. */
int Debug_Printf(const char *format, ...) __attribute__((format(printf, 1, 2)));

void Timing_Enable(int on);
void Timing_Start(int slot);                   /* slots 0..99 */
void Timing_Stop(int slot, const char *label); /* label may be null */

void Callback_Push(Call_Sometimes_Fn fn);
void Callback_Pop(void);
void Callback_Suspend(void);
void Callback_Resume(void);
void Callback_Reset(void);
int Callback_Count(void);    /* entries on the stack */
int Callback_Capacity(void); /* entries allocated */
