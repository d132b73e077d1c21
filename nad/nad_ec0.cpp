/*
** EN 1990 block of the national annex: partial factors of actions and combination factors for
** buildings and bridges (EN 1990, Tables A1.1, A1.2(A)-(C), A2.1-A2.3, A2.4(B)), their
** defaults, the "#EC0" section writer and reader, compare and copy.
*/
#include "nad/nad.h"
#include "nad/nad_internal.h"

#include <cmath>
#include <cstring>

/* ---------------------------------------------------------------- defaults */

/* Buildings: situation x action type x (gamma_sup, gamma_inf). */
static const double Ec0_Gamma_Bld[4][7][2] = {
    // clang-format off
    {{1.35, 1.0}, {1.5, 0}, {1.35, 0}, {1.0, 0}, {1.0, 1.0}, {0, 0}, {0, 0}},
    {{1.0, 1.0}, {1.0, 0}, {1.0, 0}, {1.0, 0}, {1.0, 1.0}, {1.0, 1.0}, {0, 0}},
    {{1.0, 1.0}, {1.0, 0}, {1.0, 0}, {1.0, 0}, {1.0, 1.0}, {0, 0}, {1.0, 1.0}},
    {{1.0, 1.0}, {1.0, 0}, {1.0, 0}, {1.0, 0}, {1.0, 1.0}, {0, 0}, {0, 0}},
    // clang-format on
};

/* Buildings: psi0, psi1, psi2 and psi2,E per category (EN 1990, Table A1.1). */
static const double Ec0_Psi_Bld[12][4] = {
    // clang-format off
    {0.7, 0.5, 0.3, 0.3}, {0.7, 0.7, 0.6, 0.6}, {1.0, 0.9, 0.8, 0.8}, {0.7, 0.7, 0.6, 0.6},
    {0.7, 0.5, 0.3, 0.3}, {0, 0, 0, 0},         {0.5, 0.2, 0, 0.5},   {0.7, 0.5, 0.2, 0.5},
    {0.6, 0.2, 0, 0},     {0.6, 0.5, 0, 0},     {1.0, 1.0, 1.0, 1.0}, {0.8, 0.7, 0.5, 0.5},
    // clang-format on
};

/* Bridges, persistent and transient situation, action types 1..15. */
static const double Ec0_Gamma_Brg_Persistent[15][2] = {
    {1.35, 1.0}, {1.0, 1.0}, {1.0, 1.0}, {1.2, 1.0}, {1.2, 0}, {1.35, 0}, {1.5, 0}, {1.5, 0},
    {1.45, 0},   {1.2, 0},   {1.5, 0},   {1.5, 0},   {1.5, 0}, {0, 0},    {0, 0},
};

/* Road bridges (EN 1990, Table A2.1). */
static const double Ec0_Psi_Road[14][3] = {
    {0.75, 0.75, 0}, {0.4, 0.4, 0},   {0.4, 0.4, 0}, {0, 0.75, 0},  {0, 0, 0},
    {0, 0.4, 0},     {0, 0, 0},       {0, 0, 0},     {0.6, 0.2, 0}, {0.8, 0, 0},
    {1.0, 0, 0},     {0.6, 0.6, 0.5}, {0.8, 0, 0},   {1.0, 0, 1.0},
};

/* Footbridges (EN 1990, Table A2.2). */
static const double Ec0_Psi_Foot[7][3] = {
    {0.4, 0.4, 0}, {0, 0, 0}, {0, 0, 0}, {0.3, 0.2, 0}, {0.6, 0.6, 0.5}, {0.8, 0, 0}, {1.0, 0, 1.0},
};

/* Railway bridges (EN 1990, Table A2.3): LM 71, SW/0, SW/2, unloaded train, HSLM, nosing,
** service walkways, operating load train, earth pressure, aerodynamic actions, gr11..gr17,
** gr21..gr24, gr26, gr27, gr31, aerodynamic actions, maintenance loads, Fwk, FW**, Tk, QSn,k, Qc. */
static const double Ec0_Psi_Rail[31][3] = {
    // clang-format off
    {0.8, -0.1, 0}, {0.8, -0.1, 0}, {0, 1.0, 0},   {1.0, 0, 0},   {1.0, 1.0, 0},  {1.0, 0.8, 0},
    {0.8, 0.5, 0},  {1.0, 1.0, 0},  {0.8, -0.2, 0}, {0.8, 0.5, 0}, {0.8, 0.8, 0},  {0.8, 0.8, 0},
    {0.8, 0.8, 0},  {0.8, 0.8, 0},  {0.8, 0.8, 0},  {0.8, 0.8, 0}, {0.8, 0.8, 0},  {0.8, 0.7, 0},
    {0.8, 0.7, 0},  {0.8, 0.7, 0},  {0.8, 0.7, 0},  {0.8, 0.7, 0}, {0.8, 0.7, 0},  {0.8, 0.6, 0},
    {0.8, 0.5, 0},  {0.8, 0.5, 0},  {0.75, 0.5, 0}, {1.0, 0, 0},   {0.6, 0.6, 0.5}, {0.8, 0, 0},
    {1.0, 0, 1.0},
    // clang-format on
};

/*
** Set version and the second int to 0 and every factor to its default.
*/
void Init_NAD_EC0_Defaults(NAD_EC0_Params *b)
{
    if (!b) return;
    memset(b, 0, sizeof *b);
    memcpy(b->gamma_bld, Ec0_Gamma_Bld, sizeof b->gamma_bld);
    memcpy(b->psi_bld, Ec0_Psi_Bld, sizeof b->psi_bld);
    for (int s = 0; s < 4; s++) {
        for (int t = 0; t < 15; t++) {
            double sup, inf;
            if (s == 0) {
                sup = Ec0_Gamma_Brg_Persistent[t][0];
                inf = Ec0_Gamma_Brg_Persistent[t][1];
            } else if (t < 4) {
                sup = 1.0, inf = 1.0;
            } else if (t < 13) {
                sup = 1.0, inf = 0;
            } else {
                sup = 0, inf = 0;
            }
            b->gamma_brg[s][t][0] = sup;
            b->gamma_brg[s][t][1] = inf;
        }
    }
    memcpy(b->psi_road, Ec0_Psi_Road, sizeof b->psi_road);
    memcpy(b->psi_foot, Ec0_Psi_Foot, sizeof b->psi_foot);
    memcpy(b->psi_rail, Ec0_Psi_Rail, sizeof b->psi_rail);
    b->track_factors[0] = 0.8;
    b->track_factors[1] = 0.7;
    b->track_factors[2] = 0.6;
}

/* ---------------------------------------------------------------- writer */

static void Write_Triples(FILE *f, const double (*rows)[3], int n)
{
    for (int i = 0; i < n; i++) fprintf(f, " %.2f %.2f %.2f\n", rows[i][0], rows[i][1], rows[i][2]);
}

/*
** Write the lines of the "#EC0" section (block version 5), every value with two decimals.
*/
void Write_NAD_EC0_Section(FILE *f, const NAD_EC0_Params *b)
{
    if (!f || !b) return;
    for (int s = 0; s < 4; s++)
        for (int t = 0; t < 7; t++)
            fprintf(f, " %.2f %.2f\n", b->gamma_bld[s][t][0], b->gamma_bld[s][t][1]);
    for (int r = 0; r < 12; r++)
        fprintf(f, " %.2f %.2f %.2f\n", b->psi_bld[r][0], b->psi_bld[r][1], b->psi_bld[r][2]);
    fprintf(f, " %d\n", 5);
    for (int s = 0; s < 4; s++)
        for (int t = 0; t < 15; t++)
            fprintf(f, " %.2f %.2f\n", b->gamma_brg[s][t][0], b->gamma_brg[s][t][1]);
    Write_Triples(f, b->psi_road, 14);
    Write_Triples(f, b->psi_foot, 7);
    Write_Triples(f, b->psi_rail, 31);
    fprintf(f, " %.2f %.2f %.2f\n", b->track_factors[0], b->track_factors[1], b->track_factors[2]);
    for (int r = 0; r < 12; r++) fprintf(f, " %.2f", b->psi_bld[r][3]);
}

/* ---------------------------------------------------------------- reader */

/* A value that does not convert, or lies outside its range, keeps what the block held (and marks
** the section as not read whole); the reading goes on. A pair is gamma_sup, gamma_inf. */
static void Read_Pair(FILE *f, double *p)
{
    if (Nad_Scan_Dbl_In(f, &p[0], NAD_R_GAMMA_SUP)) Nad_Scan_Dbl_In(f, &p[1], NAD_R_GAMMA_INF);
}

/* psi_0, psi_1, psi_2; psi_1 of a railway bridge in the range `second` */
static void Read_Triple(FILE *f, double *p, int second = NAD_R_PSI)
{
    if (Nad_Scan_Dbl_In(f, &p[0], NAD_R_PSI) && Nad_Scan_Dbl_In(f, &p[1], second))
        Nad_Scan_Dbl_In(f, &p[2], NAD_R_PSI);
}

/*
** Read an "#EC0" section. Mode 1: a file's section; mode 0: an entry of the older store, found
** by its header " Lastfaktoren" with the old version behind it. Unlike the other readers no
** defaults are set: what is not read keeps its value.
*/
void Read_NAD_EC0_Section(FILE *f, NAD_EC0_Params *b, int mode)
{
    if (!f || !b) return;
    int old = 1;
    if (mode == 0 && Spool_To_Section_Header(f, " Lastfaktoren", "#NAD", &old) != 1) return;

    for (int t = 0; t < 7; t++) Read_Pair(f, b->gamma_bld[0][t]);
    if (old > 0)
        for (int s = 1; s < 4; s++)
            for (int t = 0; t < 7; t++) Read_Pair(f, b->gamma_bld[s][t]);
    for (int r = 0; r < 12; r++) Read_Triple(f, b->psi_bld[r]);

    b->version = 2;
    int32_t v;
    if (!Nad_Scan_Block_Version(f, &v, 5)) return;
    b->version = v;

    if (b->version > 3) {
        for (int s = 0; s < 4; s++)
            for (int t = 0; t < 15; t++) Read_Pair(f, b->gamma_brg[s][t]);
    } else {
        /* Older layout with 14 bridge action types: type 8 was introduced equal to type 7. */
        for (int s = 0; s < 4; s++) {
            for (int t = 0; t < 7; t++) Read_Pair(f, b->gamma_brg[s][t]);
            b->gamma_brg[s][7][0] = b->gamma_brg[s][6][0];
            b->gamma_brg[s][7][1] = b->gamma_brg[s][6][1];
            for (int t = 8; t < 15; t++) Read_Pair(f, b->gamma_brg[s][t]);
        }
    }
    for (int r = 0; r < 14; r++) Read_Triple(f, b->psi_road[r]);
    for (int r = 0; r < 7; r++) Read_Triple(f, b->psi_foot[r]);
    for (int r = 0; r < 31; r++) Read_Triple(f, b->psi_rail[r], NAD_R_PSI_MARKED);
    for (int k = 0; k < 3; k++)
        if (!Nad_Scan_Dbl_In(f, &b->track_factors[k], NAD_R_REDUCTION)) break;
    if (b->version > 4)
        for (int r = 0; r < 12; r++)
            if (!Nad_Scan_Dbl_In(f, &b->psi_bld[r][3], NAD_R_PSI)) break;
}

/* ---------------------------------------------------------------- compare and copy */

/* Every double of the block in its order, for compare and copy. */
static const double *Ec0_Doubles(const NAD_EC0_Params *b) { return &b->gamma_bld[0][0][0]; }
static const int Ec0_Double_Count = 383;

int Compare_NAD_EC0_Params(const NAD_EC0_Params *a, const NAD_EC0_Params *b)
{
    if (!a || !b) return a != b;
    const double *x = Ec0_Doubles(a), *y = Ec0_Doubles(b);
    for (int i = 0; i < Ec0_Double_Count; i++)
        if (fabs(x[i] - y[i]) > 0.0001) return 1;
    return 0;
}

void Copy_NAD_EC0_Params(NAD_EC0_Params *dst, const NAD_EC0_Params *src)
{
    if (!dst || !src) return;
    memcpy(&dst->gamma_bld[0][0][0], Ec0_Doubles(src), Ec0_Double_Count * sizeof(double));
}
