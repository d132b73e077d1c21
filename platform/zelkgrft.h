/*
** Umbrella header of platform/: includes every public header of the folder.
*/
#pragma once

#include "platform/zelkgrft_oli.h"
