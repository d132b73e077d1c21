/*
** Shared set-up of the splice result tests: a fresh splice input, the pattern cleared, and the
** choice between the DIN rules (no annex) and the built-in national annex.
*/
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>

#include "results/results.h"
#include "nad/nad.h"
#include "catalogue/catalogue.h"
#include "printlist/printlist.h"

/* Switch the annex on (built-in record) or off (DIN rules). */
inline void Use_Annex(bool on)
{
    if (on) {
        Reset_NAD_Record(&Nad_Record);
        Nad_Params = &Nad_Record.ec5;
        Nad_EC3_Params_Ptr = &Nad_Record.ec3;
    } else {
        Nad_Params = nullptr;
        Nad_EC3_Params_Ptr = nullptr;
    }
}

/* A new splice with no combination and an empty pattern. */
inline void Fresh_Splice(bool annex)
{
    Use_Annex(annex);
    Init_Dowel_Bolt_Diameters();
    Set_Splice_Input_Defaults(&Splice_Input);
    memset(&Fastener_Pattern, 0, sizeof Fastener_Pattern);
}

/* Rows and columns of the current fastener type. */
inline void Set_Layout(double n_col, double n_row, int layout = 0, int grouped = 0)
{
    const int s = VBM_TYPE_SLOT(Splice_Input.vbm_type);
    Splice_Input.n_col[s] = n_col;
    Splice_Input.n_row[s] = n_row;
    Splice_Input.layout[s] = layout;
    Splice_Input.grouped[s] = grouped;
}

/* Put combination (g, e) into the table. */
inline Lkom_Entry *Set_Lkom(int g, int e, double M, double N, double V, int accidental = 0)
{
    Lkom_Entry *c = Get_Lkom_Entry(g, e);
    c->used = 1;
    c->accidental = accidental;
    c->M_d = M;
    c->N_d = N;
    c->V_d = V;
    Splice_Input.lkom.groups[g].used = 1;
    return c;
}

/* The bytes a print-list writer put into f (rewound and read whole); the writer's margin is
** set back to 0 as a new print list expects it. */
inline std::string Slurp_Print(FILE *f)
{
    std::string s;
    fflush(f);
    rewind(f);
    char buf[4096];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, f)) > 0) s.append(buf, n);
    Oli_Set_Left_Margin(f, 0.0);
    return s;
}
