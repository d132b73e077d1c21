/*
** Umbrella header of printlist/: includes every public header of the folder.
*/
#pragma once

#include "printlist/oli_para.h"
#include "printlist/oli_writer.h"
#include "printlist/oli_text.h"
#include "printlist/oli_table.h"
#include "printlist/oli_msglist.h"
#include "printlist/oli_util.h"
#include "printlist/oli_graphic.h"
#include "printlist/plot_file.h"
#include "printlist/oli_dimension.h"
#include "printlist/oli_drawlib.h"
