/*
** Umbrella header of checks/: includes every public header of the folder.
*/
#pragma once

#include "checks/beiwert.h"
#include "checks/bridge_coeff.h"
#include "checks/char_actions.h"
#include "checks/genrule.h"
#include "checks/load_model.h"
#include "checks/lkom_data_lines.h"
#include "checks/lkom_factors.h"
#include "checks/lkom_gen.h"
#include "checks/lkom_gen_settings.h"
#include "checks/lkom_rbtree.h"
#include "checks/nchw_def.h"
#include "checks/nchw_file.h"
#include "checks/nchw_print.h"
#include "checks/nchw_rec.h"
#include "checks/nchw_services.h"
#include "checks/nchw_settings.h"
#include "checks/nchw_tables.h"
#include "checks/xtr_tables.h"
#include "checks/dlg_common.h"
#include "checks/dlg_objsel.h"
#include "checks/dlg_lkom_rows.h"
#include "checks/dlg_legend.h"
#include "checks/dlg_xtrgen.h"
#include "checks/dlg_lkomtype.h"
