/*
** Umbrella header of splice/: includes every public header of the folder.
*/
#pragma once
