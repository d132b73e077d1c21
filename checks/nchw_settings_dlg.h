/*
** Sheets of the design-check settings: the report of the consistency checks and the dialog of
** the general settings of all checks, with the state the dialog edits.
*/
#pragma once

#include <cstdint>

#include "checks/nchw_settings.h"

typedef struct Nchw_Settings_Dialog_State {
    Nchw_Global_Settings_Rec settings; /* copy edited by the dialog */
    int altitude_choice;               /* 1 above NN + 1000 m, 2 up to it */
    int din18800_choice;               /* 1 per DIN 18800, 2 per DIN 1055-100 */
    int service_choice;                /* 0, 1, 2 */
    int gamma_g_choice;                /* 0, 1, 2 */
    int situation[4];                  /* persistent, accidental, North German Plain, earthquake */
    int gamma_m_std, kmod_std, din1045_std, limits_std; /* the "standard" boxes */
    int open[7]; /* sections: Eurocode, altitude, service class, DIN 18800,
                                           DIN 1045-1, DIN 1052:2008, DIN 1055-100 */
} Nchw_Settings_Dialog_State;

extern Nchw_Settings_Dialog_State Nchw_Settings_Dialog;

/* The report sheet; answers the number of findings. */
int Show_Nchw_Check_Report(void);
/* The dialog "Allgemeine Nachweiseinstellungen": 1 OK, 2 cancel, 0 without a code section. */
int Nchw_Global_Settings_Dialog(void);
void Prepare_Nchw_Settings_Dialog(Nchw_Settings_Dialog_State *d);
void Store_Nchw_Settings_Dialog(const Nchw_Settings_Dialog_State *d);
void Apply_Nchw_Standard_Values(Nchw_Global_Settings_Rec *s, int gamma_m_std, int kmod_std,
                                int din1045_std, int limits_std);
