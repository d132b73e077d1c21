/*
** The foundation's message hook. The memory layer, the versioned data files and the print-list
** writers report through the toolkit's message output, which lives above them; the toolkit
** installs a hook at start-up so that neither the foundation nor the writers include it.
*/
#pragma once

/* Kinds of foundation messages. */
#define FOUNDATION_MSG_PLAIN \
    0 /* a plain message: like Msg_Printf (mode < 0) or Msg_Printf_In_Mode */
#define FOUNDATION_MSG_ERROR 1 /* an error form: like Msg_Error (mode < 0) or Msg_Error_In_Mode */
#define FOUNDATION_MSG_NO_MEMORY \
    2 /* "Speicher nicht ausreichend!" by the current mode; the program
                                    ** ends right after the hook returns. The hook must not allocate
                                    ** through the counted layer here (format into static storage). */
#define FOUNDATION_MSG_SET_MODE \
    3 /* a plain message after the channel is switched to the mode,
                                    ** which it keeps: like Msg_Set_Mode, then Msg_Printf */

/*
** The hook receives the kind, the output mode (negative: the channel's current mode) and the text,
** which is final: a percent sign in it is no format. The text lives in static storage and is only
** valid during the call.
*/
typedef void (*Foundation_Msg_Hook)(int kind, int mode, const char *text);

/* Install the hook (null: back to the fallback, which writes the text and a line feed to stderr). */
void Foundation_Set_Msg_Hook(Foundation_Msg_Hook hook);

/* The hook installed, or null. */
Foundation_Msg_Hook Foundation_Get_Msg_Hook(void);

/* Send one message through the hook (or the fallback). */
void Foundation_Report(int kind, int mode, const char *text);
