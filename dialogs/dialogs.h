/*
** Umbrella header of dialogs/: includes every public header of the folder.
*/
#pragma once

#include "dialogs/sva.h"
#include "dialogs/sva_editor.h"
#include "dialogs/textblock.h"
#include "dialogs/widgets.h"
#include "dialogs/widgets_input.h"
#include "dialogs/screen.h"
#include "dialogs/message.h"
#include "dialogs/iconmenu.h"
#include "dialogs/finish.h"
#include "dialogs/progress.h"
#include "dialogs/table.h"
#include "dialogs/dlg.h"
#include "dialogs/area_rebar.h"
#include "dialogs/columns_hints.h"
#include "dialogs/comment.h"
