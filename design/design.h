/*
** Umbrella header of design/: includes every public header of the folder.
*/
#pragma once
