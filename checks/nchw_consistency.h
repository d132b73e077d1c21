/*
** Consistency checks of the design checks: findings as text lines of a scrollable view area
** (warnings bold, messages normal, status lines green, hints pale blue-green), and the count
** limit of load collectives. Each check advances the running y position (pixels).
*/
#pragma once

#include <cstdint>

/* Styles of a finding. */
enum { NCHW_WARNING = 0, NCHW_MESSAGE = 1, NCHW_STATUS = 2, NCHW_HINT = 3 };

int32_t Check_Nachweise(int area, int *y);
int32_t Check_Xtr_Rules(int area, int *y);
int32_t Check_Lkoms(int area, int *y);
int32_t Check_Nchw_Objects(int area, int *y);
int32_t Run_Nchw_Checks(int area, int *y);
/* Append one line of a style at (10, *y) and advance *y by 15. */
void Nchw_Check_Line(int area, int *y, int style, const char *text);
/* The warning of too many load collectives; 1 when it was shown. */
int Check_Lkom_Count_Limit(void);
/* Count of the collectives that the limit is compared with. */
int32_t Count_Lkoms_For_Limit(void);
/* "<first four characters of name>_BOP.EIN" with the DIN 1045-1 factors; 1 when written. */
int Write_BOP_EIN_File(const char *name);
