/*
** The computation as the pages ask for it: the preparation run, and the preparation with the
** design run over all combinations, each at most once per state of what they read (the splice
** input without its texts, the national-annex blocks, the loaded catalogues). A page drawn again
** without a change finds the globals as its computation left them.
*/
#pragma once

#include <cstdint>

/* Generation of the input: a number that changes whenever the splice input (apart from the
** comments of the combinations, the remarks of the actions and the preliminary remarks), the
** annex blocks or the loaded catalogues changed since the last call. */
uint32_t Splice_Input_Generation(void);

/* Prepare_Splice_Calc once per generation; its code. */
int Splice_Calc_Prepared(void);

/* Prepare_Splice_Calc and, when it succeeds, Run_Nachweise without a file, once per
** generation: *code gets the preparation's code, the answer is the largest utilisation (0 after
** a failed preparation). The preparation is not repeated while the globals hold what it left
** for this generation (a page of the preparation drawn since the change). The design errors of
** the run (Run_Error_Codes) are put back when the run is not repeated, for the page to show;
** none after a failed preparation. */
double Splice_Calc_Checked(int *code);

/* A computation outside the pages' ones (the print list) ran on the input of generation g and
** wrote its results into the record: they belong to that input, as the pages' own do. Call
** with the generation taken just before it. */
void Splice_Calc_Written(uint32_t g);

/* Forget both: the next request computes (tests, and after a change the generation cannot see). */
void Splice_Calc_Forget(void);

/* Counts the runs of Prepare_Splice_Calc and Run_Nachweise_Lkom, whoever calls them: the cache
** knows by it whether the globals still hold what it left there. */
extern uint32_t Splice_Calc_Serial;
