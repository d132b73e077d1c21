/*
** The lines of the fastener section that recompute the governing fastener's resistance where it
** takes more than one mode (check_vbm_screws.cpp) and a bolt's rope effect (check_vbm_bolts.cpp),
** for the section of check_vbm_print.cpp.
*/
#pragma once

#include <cstdio>

#include "design/design_types.h"
#include "results/splice_checks.h"

/* DIN 571 screws beside a steel plate: the form of mode (d) with its candidates. d_ef: the
** effective diameter the modes take (EN 1995-1-1, 8.7.1), else 0. */
void Print_Din571_Plate_Mode(FILE *file, const Vbm_Row *w, double d_ef);

/* The interpolation between thin and thick plates of a row whose R_k is interpolated. */
void Print_Interpolated_Plate(FILE *file, const Vbm_Row *w);

/* The yield moment of a DIN 571 screw as the design takes it, where the row's value is that. */
void Print_Din571_Yield_Moment(FILE *file, const Vbm_Row *w, double d_ef);

/* A staple's yield moment per leg where the row's value is the annex's 240 d^2.6 (EN 1995-1-1,
** 8.4(6)), and its resistance per shear plane as that of its two legs (8.4(5)) where the row
** takes a failure mode. */
void Print_Staple_Yield_Moment(FILE *file, const Vbm_Row *w);
void Print_Staple_Legs(FILE *file, const Vbm_Row *w);

/* Of an approved screw (the lines of its approval, whose yield moment f_u,k does not enter),
** where its yield moment comes from, "M_y,Rk = 90 d^2.6 = ... Nmm (...)", into buf; 0 for
** another fastener. */
int Approved_Screw_My_Text(const Vbm_Row *w, char *buf, size_t size);

/* The parts of a screw's F_ax,Rk from the design of the DIN 571 and approved screws that
** Design_Connection designs (nothing for another fastener or without an axial value). */
void Fill_Vbm_Screw_Axial(Vbm_Screw_Axial *a, const Connection_Input *in,
                          const Connection_Result *res);

/*
** A screw's rope-effect share that its R_k holds, with the axial capacity F_ax,Rk it comes from and
** that value's parts, or why there is none (EN 1995-1-1, 8.2.2(2), 8.7.2). mode_d: the governing
** mode is the DIN 571 form of mode (d), which takes none.
*/
void Print_Vbm_Screw_Rope(FILE *file, const Vbm_Row *w, bool mode_d);

/* The parts of a bolt's F_ax,Rk from its design under an annex: the washer the design took and
** the bolt's steel (nothing for another fastener, without an annex or without an axial value). */
void Fill_Vbm_Bolt_Axial(Vbm_Bolt_Axial *a, const Connection_Input *in,
                         const Connection_Result *res);

/*
** A bolt's rope-effect share that its R_k holds, min(F_ax,Rk / 4; 0.25 x the mode without it),
** with the axial capacity F_ax,Rk it comes from, the washer's diameter, hole and area and
** 3 f_c,90,k, or why there is none (EN 1995-1-1, 8.2.2(2), 8.5.2(2)).
*/
void Print_Vbm_Bolt_Rope(FILE *file, const Vbm_Row *w);
