/*
** Umbrella header of catalogue/: includes every public header of the folder.
*/
#pragma once
