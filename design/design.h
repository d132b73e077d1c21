/*
** Umbrella header of design/: includes every public header of the folder.
*/
#pragma once

#include "design/design_types.h"
#include "design/design_texts.h"
#include "design/design_spacing.h"
#include "design/design_embedment.h"
#include "design/design_lateral.h"
#include "design/design_plates.h"
#include "design/design_axial.h"
#include "design/design_run.h"
#include "design/design_rules.h"
#include "design/design_numeric.h"
