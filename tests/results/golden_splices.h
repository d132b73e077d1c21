/*
** The seven golden splices of the print tests, each set up in Splice_Input as a user enters it
** (not prepared): the three references of the design run (side timbers with nails, inner plates
** with dowels and block shear, outer plates with bolts), a bending and a compression splice, a
** lap and a splice whose combinations come from characteristic actions. Other tests run their
** checks over the same splices.
*/
#pragma once

#include "tests/results/results_test_util.h"

/* Every drawing and section of the print chosen. */
inline void All_Sections(void)
{
    Splice_Input.print.sections = PRINT_SEC_COORDINATES | PRINT_SEC_PLOT_VIEW | PRINT_SEC_PLOT_LONG
                                  | PRINT_SEC_PLOT_CROSS | PRINT_SEC_SKETCHES;
}

/* ---------------------------------------------------------------- the three references */

inline void Golden_Nails(void)
{
    Side_Timber_Nail_Splice();
    Splice_Input.d_k = 9.0;
    Splice_Input.two_sided = 0;
    Tension_Splice(30.0);
    Set_Lkom(0, 1, 0.0, 24.0, 0.0);
    snprintf(Get_Lkom_Entry(0, 1)->comment, LKOM_COMMENT_MAX + 1, "%s", "Wind");
    All_Sections();
}

inline void Golden_Dowels(void)
{
    Inner_Plate_Dowel_Splice();
    Tension_Splice(100.0);
    Set_Lkom(0, 1, 0.0, 80.0, 0.0);
    All_Sections();
    Splice_Input.print.combinations = 1;
    Splice_Input.Vorbemerkungen_Text = strdup(
        "Zugstoss eines Untergurts mit zwei innenliegenden Blechen.\nStabduebel nach DIN EN 14592.");
}

inline void Golden_Bolts(void)
{
    Outer_Plate_Bolt_Splice();
    Splice_Input.washer = 1;
    Splice_Input.washer_d = 44.0;
    Tension_Splice(60.0);
    All_Sections();
}

/* ---------------------------------------------------------------- the splice kinds */

/* the default splice: C24 side timbers 8 cm on a 12 x 24 cm member, 12 mm dowels */
inline void Golden_Bending(void)
{
    Fresh_Splice(true);
    Splice_Input.L_user = 0;
    Splice_Input.lkom.groups[0].kmod_source = 0;
    Splice_Input.lkom.groups[0].kmod = 0.9;
    Set_Layout(4, 3);
    Set_Lkom(0, 0, 6.0, 10.0, 8.0);
    Set_Lkom(0, 1, -4.0, 0.0, 12.0);
    All_Sections();
}

inline void Golden_Compression(void)
{
    Fresh_Splice(false);
    Splice_Input.splice_kind = SPLICE_COMPRESSION;
    Splice_Input.vbm_type = 30;
    Splice_Input.vbm_row = 2;
    Splice_Input.d = 10.0;
    Splice_Input.L_user = 0;
    Splice_Input.lkom.groups[2].kmod_source = 0;
    Splice_Input.lkom.groups[2].kmod = 0.8;
    Set_Layout(3, 2);
    Set_Lkom(2, 0, 0.0, -50.0, 0.0);
    Set_Lkom(2, 1, 0.0, 20.0, 0.0); /* tension in a compression splice: not listed */
    All_Sections();
}

inline void Golden_Lap(void)
{
    Fresh_Splice(true);
    Splice_Input.connection_kind = CONN_LAP;
    Splice_Input.b = 16.0;
    Splice_Input.h = 24.0;
    Splice_Input.d = 12.0;
    Splice_Input.l = 160.0;
    Splice_Input.shear_planes = 1;
    Set_Layout(3, 3);
    Tension_Splice(20.0);
    All_Sections();
}

inline void Golden_Generated(void)
{
    Fresh_Splice(true);
    Splice_Input.splice_kind = SPLICE_TENSION;
    Splice_Input.L_user = 0;
    Set_Layout(3, 2);
    Splice_Input.lkom_generated = 1;
    Splice_Input.Char_Actions[0].used = 1;
    Splice_Input.Char_Actions[0].N_k = 20.0;
    snprintf(Splice_Input.Char_Actions[0].remark, 33, "%s", "Dach");
    Splice_Input.Char_Actions[2].used = 1;
    Splice_Input.Char_Actions[2].kled = 2;
    Splice_Input.Char_Actions[2].N_k = 15.0;
    Lkom_Entry *c = Set_Lkom(2, 0, 0.0, 1.35 * 20.0 + 1.5 * 15.0, 0.0);
    c->actions[0] = 0;
    c->factors[0][0] = 1.35;
    c->factors[0][1] = 1.0;
    c->actions[1] = 2;
    c->factors[1][0] = 1.5;
    c->factors[1][1] = 1.0;
    c->kled = 2;
    Splice_Input.lkom.groups[2].kmod_source = 0;
    Splice_Input.lkom.groups[2].kmod = 0.8;
    Splice_Input.print.sections = 0;
}

/* The golden splices by the name of their files (tests/golden/splice_print/<id>_01.oli). */
typedef struct Golden_Splice {
    const char *id;
    const char *title; /* of the print list */
    void (*build)(void);
    bool plots; /* drawings chosen */
} Golden_Splice;

inline const Golden_Splice Golden_Splices[] = {
    {"gold_nails", "Zugstoss mit Seitenhoelzern und Naegeln", Golden_Nails, true},
    {"gold_dowels", "Zugstoss mit innenliegenden Blechen", Golden_Dowels, true},
    {"gold_bolts", "Zugstoss mit aussenliegenden Blechen", Golden_Bolts, true},
    {"gold_bending", "Biegestoss mit Stabduebeln", Golden_Bending, true},
    {"gold_compression", "Druckstoss mit Bolzen", Golden_Compression, true},
    {"gold_lap", "Blattstoss", Golden_Lap, true},
    {"gold_generated", "Zugstoss aus charakteristischen Lasten", Golden_Generated, false},
};
