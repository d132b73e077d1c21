/*
** Coefficients of a load case in a bridge load collective, by design-check type id and bridge
** load-group code (the folder kind of the load model, 101..127): psi_dom, psi_sub, gamma_sup
** and gamma_inf from the built-in bridge block or from the national annex's EN 1990 and
** EN 1992 blocks.
**
** Load-group codes: 101..103 self-weight G1..G3, 104 horizontal earth pressure, 105 prestress
** with immediate bond, 106 with subsequent bond, 107 probable and 108 possible settlement,
** 109 bearing change, 110/111 uniform and non-uniform temperature, 112 wind, 113 remaining
** area load, 114 footway load, 115 alternative lane, 116 main lane, 117 area overload and
** 118 tandem of a main lane, 119 earthquake, 120 accidental, 121 vehicle LM3, 122 railway load
** types, 123 UIC71, 124 SW/0, 125 SW/2 positions, 126 unbonded and 127 external prestress.
*/
#pragma once

#include <cstdint>

struct NAD_EC0_Params;
struct NAD_EC2_Params;

typedef struct Bridge_Coeff_Block {
    int32_t selection; /* 0 lane loads, 1 neither lane nor rail loads, 2 rail loads */
    double unused[19];
    double gamma[3][2][12];  /* per selection: row U (ULS), row S (SLS) */
    double psi[3][4][13];    /* per selection: psi0, psi1, psi2, psi1' (non-frequent) */
    double psi_temp_fund[3]; /* psi of temperature accompanying, fundamental combination */
    double psi_default[3];   /* default psi per selection */
    double psi1_tracks[4];   /* psi1 by number of tracks: none, 1, 2, 3 or more */
    double r_sup_pre, r_sup_post, r_inf_pre, r_inf_post; /* prestress factors */
    int32_t item9_a;                                     /* 4 */
    double settlement_factor;                            /* 0.4 */
    double temperature_factor;                           /* 0.6 */
    double item9_one;                                    /* 1.0 */
    int32_t item9_b, item9_c;                            /* 2, 1 */
    double item9_ten;                                    /* 10.0 */
} Bridge_Coeff_Block;

typedef struct Bridge_Coeff_State {
    int32_t selection;        /* copied from the block */
    int32_t tracks;           /* load cases in folders of kind 122 */
    double U[12], S[12];      /* gamma rows of the selection */
    double psi[4][13];        /* psi rows of the selection; psi1 with the track value */
    double pre[2][4];         /* set k: r_sup immediate, r_sup subsequent, r_inf immediate,
                                   r_inf subsequent */
    int32_t settlement_count; /* load cases in folders of kind 108 */
    const struct NAD_EC0_Params *ec0;
    const struct NAD_EC2_Params *ec2;
} Bridge_Coeff_State;

extern Bridge_Coeff_Block Bridge_Coeff;
extern const Bridge_Coeff_Block Bridge_Coeff_Builtin;
extern Bridge_Coeff_State Bridge_State;
extern int32_t Bridge_Application_Mode; /* -1 unless set by a bridge application */

/* Variant record handed with a key: [0] combination variant 1..5, [3] dynamic factor choice. */
void Get_Nchwtyp_Beiwerte(int32_t type_id, int32_t code, const int32_t *variant_rec,
                          double *psi_dom, double *psi_sub, double *gamma_sup, double *gamma_inf);
void Select_Bridge_Coeff_Rows(void);
void Select_Bridge_Coeff_Rows_Nad(void);
void Set_Bridge_Coeff_Block(Bridge_Coeff_Block block);
void Set_Application_Flag(int32_t value);
int Is_Lastgruppe_Alternativ(int32_t code);
int Get_Lastgruppe_Variant(int32_t code);
