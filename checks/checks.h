/*
** Umbrella header of checks/: includes every public header of the folder.
*/
#pragma once
