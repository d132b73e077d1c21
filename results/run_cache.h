/*
** Reuse within one design run over the combinations: while the run is open, the fastener design
** of a combination takes the angle-independent part of the design over from the combination
** before when its connection input is bitwise the same (catalogues and annex stay unchanged
** during a run).
*/
#pragma once

/* Open a design run: from now on a combination may take over the base of the one before. */
void Open_Vbm_Design_Run(void);

/* Close the design run: no base outlives it. */
void Close_Vbm_Design_Run(void);
