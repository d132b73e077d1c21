/*
** Module settings of the design checks with their initial values and setters. In the splice
** program they keep their initial values.
*/
#include "checks/nchw_settings.h"

#include <cstdio>
#include <cstring>

const Nchw_Global_Settings_Rec Nchw_Global_Settings_Initial = {
    0,    4,
    1,    1.5,
    1.15, 1.3,
    1.0,  1.5,
    1.15, 1.5,
    1.15, 0,
    1,    1,
    1,    1.3,
    1.3,  1.0,
    0.6,  {0.6, 0.7, 0.8, 0.9, 1.1}, /* EN 1995-1-1 Table 3.1, service classes 1 and 2 */
    1,    {300, 150, 200, 100, 200, 100},
};

Nchw_Global_Settings_Rec Nchw_Global_Settings = Nchw_Global_Settings_Initial;
int32_t Nchw_Norm_Mask = 31;
int32_t Auto_Xtr_Situations = 0;
char Nachweis_Def_Name[33] = "nachweis.def";
char Nachweis_Val_Name[33] = "nachweis.val";
int32_t Nchw_Write_Xtr_Switch = 1;
int32_t Lkom_Count_Limit = -1;
char Lkom_Limit_Program[64] = "";
void *Nchw_New_Check_GenRule = nullptr;

void Set_Nchw_Norm_Mask(int32_t mask) { Nchw_Norm_Mask = mask; }
void Set_Nchw_Write_Xtr_Switch(int32_t value) { Nchw_Write_Xtr_Switch = value; }
void Set_Nchw_New_Check_GenRule(void *rule) { Nchw_New_Check_GenRule = rule; }

/* Copy a file name (at most 32 characters); null restores the default. */
void Set_Nachweis_Def_Name(const char *name)
{
    snprintf(Nachweis_Def_Name, sizeof Nachweis_Def_Name, "%s", name ? name : "nachweis.def");
}

void Set_Nachweis_Val_Name(const char *name)
{
    snprintf(Nachweis_Val_Name, sizeof Nachweis_Val_Name, "%s", name ? name : "nachweis.val");
}

void Set_Lkom_Count_Limit(int32_t limit, const char *program)
{
    Lkom_Count_Limit = limit;
    snprintf(Lkom_Limit_Program, sizeof Lkom_Limit_Program, "%s", program ? program : "");
}

void Get_Gamma_M_Timber(double *persistent, double *earthquake, double *accidental)
{
    if (persistent) *persistent = Nchw_Global_Settings.gamma_m_fund;
    if (earthquake) *earthquake = Nchw_Global_Settings.gamma_m_quake;
    if (accidental) *accidental = Nchw_Global_Settings.gamma_m_acc;
}

/* kmod of load-duration class 0..4 (permanent .. instantaneous); 0 for any other class. */
double Kmod_Of_Kled(int32_t kled)
{
    if (kled < 0 || kled > 4) return 0.0;
    return Nchw_Global_Settings.kmod[kled];
}

void Reset_Nchw_Settings(void)
{
    Nchw_Global_Settings = Nchw_Global_Settings_Initial;
    Nchw_Norm_Mask = 31;
    Auto_Xtr_Situations = 0;
    Set_Nachweis_Def_Name(nullptr);
    Set_Nachweis_Val_Name(nullptr);
    Nchw_Write_Xtr_Switch = 1;
    Lkom_Count_Limit = -1;
    Lkom_Limit_Program[0] = 0;
    Nchw_New_Check_GenRule = nullptr;
}
