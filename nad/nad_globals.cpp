/*
** The process-wide national-annex state: the active record and the two pointers into it that
** the design, the catalogues and the results read.
*/
#include "nad/nad.h"

NAD_Record Nad_Record = {-1, -1, -1, {0}};
NAD_EC5_Params *Nad_Params = nullptr;
NAD_EC3_Params *Nad_EC3_Params_Ptr = nullptr;
