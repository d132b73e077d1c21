/*
** Umbrella header of foundation/: includes every public header of the folder.
*/
#pragma once

#include "foundation/codepage.h"
#include "foundation/report.h"
#include "foundation/memory.h"
#include "foundation/ttool.h"
#include "foundation/guillemet.h"
#include "foundation/numeric.h"
#include "foundation/polygon.h"
#include "foundation/geometry.h"
#include "foundation/ptrarr.h"
#include "foundation/files.h"
#include "foundation/datafile.h"
#include "foundation/debug.h"
#include "foundation/screen_tools.h"
#include "foundation/version_file.h"
