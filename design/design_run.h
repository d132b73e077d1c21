/*
** The design run of one fastener connection: admissibility checks of the input, the axial designs
** to DIN 1052 and EN 1995-1-1 with the screw compression check and the rope-effect share, and
** Design_Connection, which fills a Connection_Result. Forces in N (kN where asked), lengths in mm.
*/
#pragma once

#include "design/design_types.h"

/* ---------------------------------------------------------------- admissibility */

/* Bring the data of the user-defined screw line of type 43 into the common fields. */
void Apply_Screw43_Data(Connection_Input *input);

/* Bring the data of the user-defined screw line of type 44 into the common fields. */
void Apply_Screw44_Data(Connection_Input *input);

/*
** Return 0 when the connection may be designed, else the code of the first rule that fails
** (DIN 1052, 7.2.3 and 12.5.2; EN 1995-1-1, 8.3.1.2(7) and 8.9 to 8.10; the screw approvals).
*/
int Check_Connection_Input(const Connection_Input &input);

/* The same with the members' characteristic densities (kg/m³) as Get_Rho_K gives them for the
** input, already looked up by the caller (0 where it gives none). */
int Check_Connection_Input_Rho(const Connection_Input &input, double rho_1, double rho_2);

/* Return 0 or the first code of the rules of approval ETA-12/0114 (types 11, 12, 13, 44). */
int Check_Eta12_Screw_Input(const Connection_Input &input);

/* Return 0 or the first code of the rules of approval ETA-11/0190 (types 14, 15, 43). */
int Check_Eta11_Screw_Input(const Connection_Input &input);

/*
** Write kmod of member 1 and of member 2 of the input. With kmod_by_member set or no preset
** (kmod_given below 1e-7) each member takes its own value for its material, service class and
** load-duration class (EN 1995-1-1, Table 3.1; user is the record of a user-defined material, or
** null); else every member takes the preset, the timber's value, but a wood-based panel takes its
** own value where that is lower. A metal plate takes the other member's value. The connection
** takes sqrt(kmod_1 kmod_2) of both (EN 1995-1-1, 2.3.2.1(4), eq. (2.6)).
*/
void Calc_Member_Kmods(const Connection_Input &in, const User_Material *user, double *kmod_1,
                       double *kmod_2);

/* ---------------------------------------------------------------- axial designs */

/*
** Return the characteristic axial capacity of one fastener by DIN 1052 (N) and fill the axial
** fields of the result; a rule that forbids the axial share leaves its code in msg_code and gives
** 0. l_ef is the penetration in the point-side member, f_c90 the compressive strength under the
** washer (N/mm²). A null result computes with zero densities and modification factors.
*/
double Calc_Axial_Din1052(const Connection_Input &input, double l_ef, double f_c90,
                          Connection_Result *result);

/*
** Return the threaded length l_t of the fastener: the input's threaded length (the user line's for
** types 43 and 44, l - t1 for a nail), reduced by the part of the length beyond t1 + t2; at least 0.
*/
double Calc_Screw_Thread_Length(const Connection_Input &input);

/*
** Return the characteristic axial capacity of one fastener by EN 1995-1-1 (N) and fill the axial
** fields of the result; a rule that forbids the axial share leaves its code in msg_code and gives
** 0. l_ef is the penetration in the point-side member, f_c90 the compressive strength under the
** washer (N/mm²). Approved screws also run their compression check.
*/
double Calc_Axial_Ec5(const Connection_Input &input, double l_ef, double f_c90,
                      Connection_Result *result);

/* Compression check of a fully threaded screw of approval ETA-11/0190. Returns 0. */
int Calc_Screw_Buckling_Eta11(const Connection_Input &input, double l_ef,
                              Connection_Result *result);

/* Compression check of a fully threaded screw of approval ETA-12/0114. Returns 0. */
int Calc_Screw_Buckling_Eta12(const Connection_Input &input, double l_ef,
                              Connection_Result *result);

/*
** Return the rope-effect share of the lateral capacity (N), min(limit, Fax,Rk / 4), with the limit
** by fastener kind as a share of F_ref (EN 1995-1-1, 8.2.2(2); DIN 1052, 12.2.2(5)), and write it
** into rope_share. A fastener that may carry no axial share gets 0 and nothing is written.
*/
double Calc_Rope_Effect_Share(const Connection_Input &input, double f_ref, double l_ef,
                              double f_c90, Connection_Result *result);

/* ---------------------------------------------------------------- design run */

#define BASE_MSG_MAX 16 /* message codes per list a base keeps */

/* The part of a design that does not depend on the force-to-grain angles, for many designs of
** one connection at changing angles (Design_Connection_Base, Design_Connection_At). Valid while
** the catalogues and the annex are unchanged. */
typedef struct Connection_Base {
    Connection_Input input;    /* the input as given */
    Connection_Input in;       /* the input of the lateral rules */
    double spacing_axis_angle; /* degrees, the axis angle the spacing rules read */
    Connection_Result r;       /* what the steps before the lateral resistance filled */
    double rho_spacing_1;      /* kg/m³, densities of the spacing rules */
    double rho_spacing_2;
    int32_t pair_ok;               /* the material pair allows the rope effect */
    int32_t legacy;                /* the older run */
    int32_t code;                  /* code of the input check; 0 when the base is usable */
    int32_t repeatable;            /* the messages of the base are kept */
    int32_t msg_count, msg_count2; /* message codes of the base in list 1 and 2 */
    int32_t msg[2][BASE_MSG_MAX];
} Connection_Base;


/*
** Return the partial factor of the dowel-type part: the aluminium factor when the bearing of an
** aluminium plate governs (rule 30); under EN 1995 in an accidental combination
** (input.accidental) the annex's accidental factor, which then divides every mode of the exact
** proof and the simplified proof alike (Table 2.3); else 1.1 in the simplified proof, the annex's
** factor of connections under EN 1995, 1.3 under DIN 1052.
*/
double Get_Connection_Gamma_M(const Connection_Input &input, int rule);

/*
** Return the partial factor of a ring, shear-plate or toothed-plate connector: the annex's factor
** of connections under EN 1995 (EN 1995-1-1, Table 2.3), as the dowel-type part takes it in the
** exact proof, that of the accidental situation when accidental is set; under DIN 1052 the
** members' factor member_gamma.
*/
double Get_Connector_Gamma_M(double member_gamma, int accidental);

/*
** Return the partial factor of the axial resistances of a connection under EN 1995 (withdrawal,
** head pull-through, the washer and the pressing-in of a screw): the annex's factor of
** connections (EN 1995-1-1, Table 2.3), that of the accidental situation when input.accidental
** is set; 0 when neither member has a factor, so that no design value is formed.
*/
double Get_Axial_Gamma_M(const Connection_Input &input);

/*
** Design one fastener connection and fill the caller's result. Return 0 after a complete run, or
** the first code that stopped it: a code of Check_Connection_Input (the result is then not
** touched), or 6, 7 or 8 of the penetration (the result holds what was written so far).
*/
int Design_Connection(const Connection_Input &input, Connection_Result *result);

/*
** The older run: the axial value stays in the result and the rope-effect share (the whole axial
** value) is added to rk_lateral; dowels are not treated as fitted.
*/
int Design_Connection_Old(const Connection_Input &input, Connection_Result *result);

/*
** Compute only the axial value of a connection: densities, partial factors, modification factors,
** the working lengths of nails and screws, f_c90 and the axial design. Returns 0.
*/
int Design_Connection_Short(Connection_Input input, Connection_Result *result);

/*
** Prepare designs of one connection at changing force-to-grain angles: run the steps of
** Design_Connection that do not read alpha_1 and alpha_2 once. Return 0, or the code of
** Check_Connection_Input (every design of the base then returns it).
*/
int Design_Connection_Base(const Connection_Input *input, Connection_Base *base);

/*
** Design the connection of a base at the angles alpha_1 and alpha_2 (degrees): the same
** result and return value as Design_Connection with those angles in the base's input, except
** that without `spacings` the spacing fields of the result stay 0. The message lists end as
** after Design_Connection. The base keeps the angles of the last design.
*/
int Design_Connection_At(Connection_Base *base, double alpha_1, double alpha_2, int spacings,
                         Connection_Result *result);

/*
** The lateral resistance per shear plane of a timber member of thickness t2 (mm) between two
** inner steel plates (EN 1995-1-1, (8.12), (8.13)), for the fastener, angle alpha_1 and kmod of a
** connection whose member 1 stands beside one inner plate (member 2 a metal plate), designed into
** res: Calc_Rk_Rd_Between_Plates with the connection's plates (member 2, thin, thick or between),
** steel, density and axial value; the bolt
** of a toothed-plate unit as a bolt. Forces in kN when the input asks for kN. Return 1, or 0
** (nothing written) unless the connection is a dowel, a bolt or a toothed-plate unit beside an
** inner plate in the exact proof or the design-value method.
*/
int Design_Between_Plates(const Connection_Input *input, double t2, const Connection_Result *res,
                          Between_Plates_Result *out);

/*
** Design the base at 90 degrees and tell whether its design resistance rd_total can only fall (or
** stay) as the force-to-grain angle grows from 0 to 90 degrees, short of the rounding of its
** arithmetic (far below a relative 1e-12): return 1 and write the value at 90 degrees (> 0) to
** *rd_90 when this holds, 0 when it is not known for the connection. Holds for dowels and bolts
** in a timber member beside an inner steel plate in the exact proof whose embedment strength
** falls with the angle (EN 1995-1-1, eq. (8.31) with k90 >= 1). The base keeps the angles 90.
*/
int Design_Connection_Falling(Connection_Base *base, double *rd_90);

/* ---------------------------------------------------------------- rule input record */

/*
** Store the defaults of a rule input record: 6 mm fastener of 200 mm with 180 mm effective
** length, fu 600, members 60 and 200 mm of grade 5, layer angles pi/4. Fields without a default
** (washer, head diameter, axis angle, thicknesses, ...) stay as the caller left them.
*/
void Init_Vbm_Layout_Defaults(Vbm_Rule_Input *input);

/*
** Return the fastener catalogue of a type 0..60 from the second index table: as the catalogue's
** own index, and besides the tabulated nail (45) and screw (46) of the connector maker; null above
** 60 and for types without a catalogue.
*/
const Vbm_Catalogue *Get_Vbm_Catalogue_Alt(int type);
