/*
** Umbrella header of foundation/: includes every public header of the folder.
*/
#pragma once

#include "foundation/codepage.h"
