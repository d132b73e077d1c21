/*
** Wait indicators: progress bars drawn straight onto the screen (six slots), a time-out and a
** sand-clock animation advanced by polling, the wait animation on a thread of its own, the wait
** box and the progress dialog with up to five labelled counters.
*/
#pragma once

enum { PROGRESS_SLOTS = 6, PROG_DLG_COUNTERS = 5 };

struct Progress_Slot {
    int in_use;
    int x, y;     /* top left pixel of the bar */
    int width;    /* pixels */
    int boxed;    /* opened on a saved, framed background */
    int extent;   /* filled pixels */
    double delay; /* seconds waited after each visible change */
};

extern Progress_Slot Progress_Slots[PROGRESS_SLOTS];

/* ---- time-out and sand clock ---- */
void Set_Timeout(double seconds);
int Timeout_Reached(void);
void Wait_Seconds(double seconds);
void Sand_Clock_Start(int x, int y, int background);
void Sand_Clock_Tick(void);

/* ---- progress bars ---- */
/* Open a bar at (x, y) of width pixels; the slot number, or -1 when all six are in use. */
int Progress_Open(int x, int y, int width, int boxed);
/* Fill the bar to a fraction 0..1 (clamped); out-of-range or free slots are ignored. */
void Progress_Set(int slot, double fraction);
void Progress_Set_Delay(int slot, double seconds);
void Progress_Close(int slot);

/* ---- wait animation ---- */
void Start_Wait_Animation(int x, int y);
void Stop_Wait_Animation(void);
int Wait_Animation_Running(void);
/* Drawing of the main thread while the animation may run takes this lock. */
void Wait_Anim_Lock(void);
void Wait_Anim_Unlock(void);

/* ---- wait box ---- */
void Wait_Box_Show(const char *text);
void Wait_Box_Printf(const char *format, ...);
void Wait_Box_Update_Printf(const char *format, ...);
int Wait_Box_Is_Shown(void);
void Wait_Box_Close(void);

/* ---- progress dialog ---- */
struct Prog_Dlg_Counter_Desc {
    char label[200];
    int max;
    int upper_bound; /* 1: "%d von maximal %d" */
};
struct Prog_Dlg_Desc {
    char title[100];
    char subtitle[100];
    int width; /* -1 = default */
    int count; /* counters, at most 5 */
    Prog_Dlg_Counter_Desc counters[PROG_DLG_COUNTERS];
    int stop_button; /* 1: a button "Abbrechen" below the counters (Prog_Dlg_Stop_Asked) */
};

void Prog_Dlg_Init_Descriptor(Prog_Dlg_Desc *d, int count);
void Prog_Dlg_Open(Prog_Dlg_Desc *d);
void Prog_Dlg_Close(void);
int Prog_Dlg_Is_Open(void);
void Prog_Dlg_Enable(void);
void Prog_Dlg_Disable(void);
void Prog_Dlg_Set_Text(int counter, const char *text);
void Prog_Dlg_Set_Max(int counter, int maximum);
void Prog_Dlg_Step(int counter);
void Prog_Dlg_Step_Text(int counter, const char *text);
void Prog_Dlg_Set_Value(int counter, int value);
void Prog_Dlg_Reset_Counter(int counter);
int Prog_Dlg_Get_Value(int counter);
/* Set a counter's value and its status text (null: kept) with one redraw. */
void Prog_Dlg_Set_Value_Text(int counter, int value, const char *text);
/*
** For a run between its steps: 1 once the user asked to stop it, with a click on the dialog's
** button "Abbrechen", Esc or the window's close (which stays for the program's next wait), else
** 0. While the dialog with its button is open, the input that comes meanwhile is taken (and
** dropped); before, only the time that a headless script lets pass is. The answer holds until
** the dialog closes.
*/
int Prog_Dlg_Stop_Asked(void);
/* 1 when the last run was stopped by the window's close (until the next dialog opens): the
** program then goes on as a close asks. */
int Prog_Dlg_Stopped_By_Close(void);
/* Pixel length of a counter's filled part for an inner width w. */
int Prog_Dlg_Fill_Length(int value, int maximum, int w);
