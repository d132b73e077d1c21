/*
** Shared pieces of the bridge coefficients: the four-value result and the rule-set members on
** the built-in block and on the national annex, called by the dispatch by type id.
*/
#pragma once

#include <cstdint>

#include "checks/bridge_coeff.h"

/* psi_dom, psi_sub, gamma_sup, gamma_inf of one answer. */
typedef struct Bridge_Coeffs {
    double v[4];
} Bridge_Coeffs;

static inline Bridge_Coeffs BC(double a, double b, double c, double d)
{
    return Bridge_Coeffs{{a, b, c, d}};
}
#define BC_FULL  BC(1, 1, 1, 1)
#define BC_PLAIN BC(1, 1, 1, 0)
#define BC_PSI   BC(1, 1, 0, 0)
#define BC_NONE  BC(0, 0, 0, 0)

/* Members on the built-in block. */
Bridge_Coeffs Bridge_Coeff_Fundamental(int32_t code);
Bridge_Coeffs Bridge_Coeff_Frequent(int32_t code);
Bridge_Coeffs Bridge_Coeff_Quasi_Permanent(int32_t code);
Bridge_Coeffs Bridge_Coeff_Quasi_Prestress(int32_t code, int set, int flag);
Bridge_Coeffs Bridge_Coeff_Frequent_Prestress(int32_t code, int set, int flag);
Bridge_Coeffs Bridge_Coeff_Infrequent_Prestress(int32_t code, int set, int flag);
Bridge_Coeffs Bridge_Coeff_Infrequent(int32_t code);
Bridge_Coeffs Bridge_Coeff_Dynamic(int32_t code, int32_t type_id, const int32_t *variant_rec);
Bridge_Coeffs Bridge_Coeff_Frequent_B(int32_t code);
Bridge_Coeffs Bridge_Coeff_Quasi_B(int32_t code);
Bridge_Coeffs Bridge_Coeff_Char_B(int32_t code);

/* Members on the national annex (EN 1990 block, with the EN 1992 prestress factors). */
Bridge_Coeffs Bridge_Coeff_Nad_Fundamental(int32_t code);
Bridge_Coeffs Bridge_Coeff_Nad_Frequent(int32_t code);
Bridge_Coeffs Bridge_Coeff_Nad_Quasi_Permanent(int32_t code);
Bridge_Coeffs Bridge_Coeff_Nad_Char(int32_t code, int set);
Bridge_Coeffs Bridge_Coeff_Nad_Variant(int32_t code, int set, int variant);
Bridge_Coeffs Bridge_Coeff_Nad_Dynamic(int32_t code, int32_t type_id, const int32_t *variant_rec);
Bridge_Coeffs Bridge_Coeff_Nad_Ec2(int32_t code);
Bridge_Coeffs Bridge_Coeff_Nad_B(int32_t code);
Bridge_Coeffs Bridge_Coeff_Nad_Prestress(int32_t code, int flag);

/* The dynamic check's rule on the rows selected last (Bridge_State): self-weight and settlements
** in full, temperature with psi1_thermal, vehicle LM3 with its dynamic factor. */
Bridge_Coeffs Bridge_Dynamic_Rule(int32_t code, double psi1_thermal, int32_t type_id,
                                  const int32_t *variant_rec);

/* Dynamic factor of vehicle LM3: 1.0 for the type ids 63 and 93, else by the variant record's
** fourth value (1: 1.4, 2: 1.75, else 1.0). */
double Bridge_Dynamic_Factor(int32_t type_id, const int32_t *variant_rec);
