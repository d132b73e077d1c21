/*
** Umbrella header of printlist/: includes every public header of the folder.
*/
#pragma once
