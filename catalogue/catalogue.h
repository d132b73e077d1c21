/*
** Umbrella header of catalogue/: includes every public header of the folder.
*/
#pragma once

#include "catalogue/cat_types.h"
#include "catalogue/vbm_types.h"
#include "catalogue/vbm_values.h"
#include "catalogue/vbm_catalogue.h"
#include "catalogue/mat_values.h"
#include "catalogue/mat_lists.h"
#include "catalogue/ijoist.h"
#include "catalogue/stguete.h"
#include "catalogue/alguete.h"
#include "catalogue/section.h"
#include "catalogue/concrete.h"
#include "catalogue/mc_grades.h"
#include "catalogue/user_lists.h"
#include "catalogue/member_check.h"
