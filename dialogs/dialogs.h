/*
** Umbrella header of dialogs/: includes every public header of the folder.
*/
#pragma once
