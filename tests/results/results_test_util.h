/*
** Shared set-up of the splice result tests: a fresh splice input, the pattern cleared, and the
** choice between the DIN rules (no annex) and the built-in national annex.
*/
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <sys/stat.h>

#include "results/results.h"
#include "nad/nad.h"
#include "catalogue/catalogue.h"
#include "printlist/printlist.h"

/* The fastener catalogues of the example host (environment/exec/splice) for the lifetime of the
** object; emptied again on leaving, as the other tests expect them. */
struct Host_Catalogues {
    Host_Catalogues()
    {
        setenv("SPLICE_PRIVATE_DATA",
               (std::string(SPLICE_SOURCE_DIR) + "/environment/exec/splice").c_str(), 1);
        Reset_Vbm_Catalogues();
        Load_Vbm_Catalogues();
    }
    ~Host_Catalogues()
    {
        Reset_Vbm_Catalogues();
        unsetenv("SPLICE_PRIVATE_DATA");
    }
    Host_Catalogues(const Host_Catalogues &) = delete;
    Host_Catalogues &operator=(const Host_Catalogues &) = delete;
};

/* One catalogue file of the given text written into a scratch folder of the test and read by its
** reader, as the program reads its own; the catalogues are emptied again on leaving. */
struct Scratch_Catalogue {
    Scratch_Catalogue(const char *file, const char *text, int32_t (*reader)(void))
    {
        const std::string dir = "scratch_catalogue";
        mkdir(dir.c_str(), 0755);
        FILE *f = fopen((dir + "/" + file).c_str(), "w");
        if (f != nullptr) {
            fputs(text, f);
            fclose(f);
        }
        setenv("SPLICE_PRIVATE_DATA", dir.c_str(), 1);
        Reset_Vbm_Catalogues();
        reader();
    }
    ~Scratch_Catalogue()
    {
        Reset_Vbm_Catalogues();
        unsetenv("SPLICE_PRIVATE_DATA");
    }
    Scratch_Catalogue(const Scratch_Catalogue &) = delete;
    Scratch_Catalogue &operator=(const Scratch_Catalogue &) = delete;
};

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

/* ---------------------------------------------------------------- reference splices */

/* One tension combination N (kN) in group 0 with kmod 0.9, the side-timber length computed. */
inline void Tension_Splice(double N)
{
    Splice_Input.splice_kind = SPLICE_TENSION;
    Splice_Input.L_user = 0;
    Splice_Input.lkom.groups[0].kmod_source = 0;
    Splice_Input.lkom.groups[0].kmod = 0.9;
    Set_Lkom(0, 0, 0.0, N, 0.0);
}

/* Two outer plates t_p (cm) x 240 mm of S235 on GL24h 16/24 cm, DIN 571 screws d x l mm
** pre-drilled (holes of d + 1 in the plates); the built-in annex, no layout, no combination. */
inline void Outer_Plate_Screw_Splice(double d, double l, double t_p)
{
    Fresh_Splice(true);
    Splice_Input.connection_kind = CONN_OUTER_PLATES;
    Splice_Input.mat_mid = 2;
    Splice_Input.grade_mid = 2; /* GL24h */
    Splice_Input.b = 16.0;
    Splice_Input.h = Splice_Input.h_p = 24.0;
    Splice_Input.t_p = t_p;
    Splice_Input.plate_steel = 5;
    Splice_Input.vbm_type = VBM_DIN571_1A;
    Splice_Input.vbm_row = 3;
    Splice_Input.d = d;
    Splice_Input.l = l;
    Splice_Input.predrilled = 1;
}

/* The same screws driven alternately, 3 x 3 per half, one tension combination of 40 kN (kmod
** 0.9). */
inline void Alternate_Din571_Splice(double d, double l, double t_p)
{
    Outer_Plate_Screw_Splice(d, l, t_p);
    Splice_Input.two_sided = 0;
    Set_Layout(3, 3);
    Tension_Splice(40.0);
}

/* Nails 4.2 x 110 mm, side timbers 6 cm, middle 12 cm, height 20 cm, 4 x 3 nails per half;
** the built-in annex, no combination yet. */
inline void Side_Timber_Nail_Splice(void)
{
    Fresh_Splice(true);
    Splice_Input.vbm_type = VBM_NAGEL;
    Splice_Input.vbm_row = 0;
    Splice_Input.d = 4.2;
    Splice_Input.l = 110.0;
    Splice_Input.t_s = 6.0;
    Splice_Input.b = 12.0;
    Splice_Input.h = 20.0;
    Splice_Input.h_s = 20.0;
    Set_Layout(4, 3);
}

/* Nails 4.0 x 60 mm (100 mm in a lap of 12 cm, 90 mm through an inner plate in a member of 12
** cm) not pre-drilled, one row of 4 per half, in a GL28h member 8 x 10 cm (rho_k 425) joined by
** one plate 2 mm of its height (kind: outer or inner plates) or as a lap, the side field left at
** C14 (rho_k 290), which such a joint does not use; tension 5 kN, the length computed; the
** built-in annex, not prepared. Each timber part beside the inner plate, (120 - 2) / 2 = 59 mm,
** keeps the 14 d = 56 mm that nails not pre-drilled ask against splitting (EN 1995-1-1,
** 8.3.1.2(6)). */
inline void Gl28h_Nail_Splice(int kind)
{
    Fresh_Splice(true);
    Splice_Input.connection_kind = kind;
    Splice_Input.splice_kind = SPLICE_TENSION;
    Set_Lkom(0, 0, 0.0, 5.0, 0.0);
    Splice_Input.vbm_type = VBM_NAGEL;
    Splice_Input.d = 4.0;
    Splice_Input.l = kind == CONN_LAP ? 100.0 : kind == CONN_INNER_PLATES ? 90.0 : 60.0;
    Splice_Input.t_p = 0.2;
    Splice_Input.plate_count = 1.0;
    Splice_Input.b = kind == CONN_OUTER_PLATES ? 8.0 : 12.0;
    Splice_Input.h = Splice_Input.h_p = 10.0;
    Splice_Input.mat_mid = MAT_BSH_EC;
    Splice_Input.grade_mid = 4; /* GL28h */
    Splice_Input.mat_side = MAT_NADELHOLZ;
    Splice_Input.grade_side = 0; /* C14 */
    Splice_Input.L_user = 0;
    Set_Layout(4, 1);
}

/* Two inner plates 1 x 20 cm in a 16 x 24 cm member, 12 mm dowels (the defaults), 2 x 3 per
** half, block shear checked; the built-in annex, no combination yet. */
inline void Inner_Plate_Dowel_Splice(void)
{
    Fresh_Splice(true);
    Splice_Input.connection_kind = CONN_INNER_PLATES;
    Splice_Input.b = 16.0;
    Splice_Input.h = 24.0;
    Splice_Input.h_p = 20.0;
    Splice_Input.block_shear = 1;
    Set_Layout(2, 3);
}

/* Outer steel plates 1 x 24 cm on a 12 x 24 cm member, M12 bolts, 2 x 2 per half, no block
** shear; the built-in annex, no combination yet. */
inline void Outer_Plate_Bolt_Splice(void)
{
    Fresh_Splice(true);
    Splice_Input.connection_kind = CONN_OUTER_PLATES;
    Splice_Input.vbm_type = VBM_BOLZEN;
    Splice_Input.vbm_row = 3;
    Splice_Input.d = 12.0;
    Splice_Input.b = 12.0;
    Splice_Input.h = 24.0;
    Splice_Input.h_p = 24.0;
    Splice_Input.t_p = 1.0;
    Splice_Input.block_shear = 0;
    Set_Layout(2, 2);
}

/* Tension splice: GL24h 14 x 24 cm (f_t,0,k 19.2, f_v,k 3.5, rho_k 385), one inner plate
** 10 mm S235 of 20 cm, dowels 12 mm S235 in 3 rows x 3 columns, service class 1, built-in
** annex (gamma_M 1.3, gamma_M0 1.0), block-shear check on; no combination yet. */
inline void Glulam_Inner_Plate_Splice(void)
{
    Fresh_Splice(true);
    Splice_Input.connection_kind = CONN_INNER_PLATES;
    Splice_Input.splice_kind = SPLICE_TENSION;
    Splice_Input.service_class = 1;
    Splice_Input.L_user = 0;
    Splice_Input.mat_mid = 2;
    Splice_Input.grade_mid = 2; /* GL24h */
    Splice_Input.b = 14.0;
    Splice_Input.h = 24.0;
    Splice_Input.plate_count = 1.0;
    Splice_Input.t_p = 1.0;
    Splice_Input.h_p = 20.0;
    Splice_Input.plate_steel = 5;
    Splice_Input.vbm_type = VBM_STABDUEBEL;
    Splice_Input.d = 12.0;
    Splice_Input.vbm_steel = 5;
    Splice_Input.block_shear = 1;
    Set_Layout(3, 3);
}

/* The same member 14 x 32 cm in a bending splice on two inner plates 8 mm of 24 cm, dowels 12 mm
** in 3 columns x 4 rows, M_d 7 kNm, N_d 20 kN, V_d 10 kN, the preset kmod 0.8. */
inline void Glulam_Two_Inner_Plates_Bending(void)
{
    Glulam_Inner_Plate_Splice();
    Splice_Input.splice_kind = SPLICE_BENDING;
    Splice_Input.h = 32.0;
    Splice_Input.plate_count = 2.0;
    Splice_Input.t_p = 0.8;
    Splice_Input.h_p = 24.0;
    Splice_Input.lkom.groups[0].kmod_source = 0;
    Splice_Input.lkom.groups[0].kmod = 0.8;
    Set_Layout(3, 4);
    Set_Lkom(0, 0, 7.0, 20.0, 10.0);
}

/* Connectors of catalogue row `row` (diameter dc, mm) on M12 beside two inner plates 10 mm x 20 cm
** in a C24 member b x 24 cm (three lamellas of (b - 2) / 3 cm), 2 x 2 per half, block shear on,
** one tension combination N_d 40 kN with kmod 0.8; the built-in annex, not prepared. */
inline void Inner_Plate_Connector_Splice(int type, int row, double dc, double b)
{
    Fresh_Splice(true);
    Splice_Input.connection_kind = CONN_INNER_PLATES;
    Splice_Input.vbm_type = type;
    Splice_Input.connector_index = row;
    Splice_Input.d = dc;
    Splice_Input.d_bolt = 12.0;
    Splice_Input.bolt_index = 3;
    Splice_Input.b = b;
    Splice_Input.h = 24.0;
    Splice_Input.plate_count = 2.0;
    Splice_Input.t_p = 1.0;
    Splice_Input.h_p = 20.0;
    Splice_Input.block_shear = 1;
    Set_Layout(2, 2);
    Tension_Splice(40.0);
    Splice_Input.lkom.groups[0].kmod = 0.8;
}

/* Side timbers with screws 2.5 x 200 mm of no tensile strength, 6 x 4 per half, tension
** N (kN) in combination (0, 0): the screw rules refuse every fastener's design (a design
** error, no resistance), and the preparation refuses the splice for it. Not prepared. */
inline void Failing_Screw_Splice(double N)
{
    Fresh_Splice(true);
    Splice_Input.connection_kind = CONN_SIDE_TIMBERS;
    Splice_Input.splice_kind = SPLICE_TENSION;
    Splice_Input.vbm_type = 3;
    Splice_Input.vbm_row = 2;
    Splice_Input.d = 2.5;
    Splice_Input.l = 200.0;
    Splice_Input.fu_k = 0.0;
    Splice_Input.t_s_user = 0;
    Splice_Input.L_user = 0;
    Set_Layout(6, 4);
    Set_Lkom(0, 0, 0.0, N, 0.0);
}

/* The bytes written into f so far (rewound and read whole). */
inline std::string Slurp_Stream(FILE *f)
{
    std::string s;
    fflush(f);
    rewind(f);
    char buf[4096];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, f)) > 0) s.append(buf, n);
    return s;
}

/* The bytes a print-list writer put into f (rewound and read whole); the writer's margin is
** set back to 0 as a new print list expects it. */
inline std::string Slurp_Print(FILE *f)
{
    std::string s = Slurp_Stream(f);
    Oli_Set_Left_Margin(f, 0.0);
    return s;
}
