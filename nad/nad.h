/*
** Umbrella header of nad/: includes every public header of the folder.
*/
#pragma once

#include "nad/nad_blocks.h"
#include "nad/nad_io.h"
#include "nad/nad_print.h"
#include "nad/nad_store.h"
