/*
** The dialog in which the user writes a comment for the print list (the preliminary remarks, the
** comment of a design check). Texts are code page 850.
*/
#pragma once

/*
** Edit text (a malloc'ed text or null) under the title. Answers a fresh malloc'ed text (the old
** one freed) when the user confirms, else text unchanged.
*/
char *Edit_User_Comment(char *text, const char *title);
