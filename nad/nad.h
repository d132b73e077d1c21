/*
** Umbrella header of nad/: includes every public header of the folder.
*/
#pragma once
