/*
** Umbrella header of results/: includes every public header of the folder.
*/
#pragma once

#include "results/splice_calc.h"
#include "results/splice_checks.h"
#include "results/calc_cache.h" /* the computation once per input state */
#include "results/print_list.h" /* print list, plots and print-settings sheet */
