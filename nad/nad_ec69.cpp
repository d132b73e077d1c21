/*
** EN 1996 (masonry) and EN 1999 (aluminium) blocks of the national annex: partial factors,
** defaults and German sets, the "#EC6" and "#EC9" section writers and readers, equal and copy.
*/
#include "nad/nad.h"
#include "nad/nad_internal.h"

#include <cmath>

/* ---------------------------------------------------------------- EN 1996 */

/* gamma_M of EN 1996-1-1, 2.4.3 and 2.4.4: persistent/transient, accidental, a third factor, SLS. */
static const double Ec6_Default[4] = {1.5, 1.5, 1.5, 1.0};
static const double Ec6_German[4] = {1.5, 1.3, 1.2, 1.0};

void Init_NAD_EC6_Defaults(NAD_EC6_Params *b)
{
    if (!b) return;
    b->variant = 0;
    for (int i = 0; i < 4; i++) b->gamma_m_masonry[i] = Ec6_Default[i];
}

void Init_NAD_EC6_German_Values(NAD_EC6_Params *b)
{
    if (!b) return;
    b->variant = 1;
    for (int i = 0; i < 4; i++) b->gamma_m_masonry[i] = Ec6_German[i];
}

void Set_NAD_EC6_Variant(NAD_EC6_Params *b, int variant)
{
    if (b) b->variant = variant;
}

void Write_NAD_EC6_Section(FILE *f, const NAD_EC6_Params *b)
{
    if (!f || !b) return;
    fprintf(f, " %d\n", 1);
    fprintf(f, " %d\n", b->variant);
    fprintf(f, " %lf", b->gamma_m_masonry[0]);
    fprintf(f, " %lf", b->gamma_m_masonry[1]);
    fprintf(f, " %lf", b->gamma_m_masonry[2]);
    fprintf(f, " %lf\n", b->gamma_m_masonry[3]);
}

/*
** Read an "#EC6" section. A partial factor of 0 would make every masonry resistance infinite, so
** a section that carries no factors (version 0 or a failed conversion) keeps the defaults for
** the factors it does not supply.
*/
void Read_NAD_EC6_Section(FILE *f, NAD_EC6_Params *b)
{
    if (!f || !b) return;
    b->variant = 0;
    for (int i = 0; i < 4; i++) b->gamma_m_masonry[i] = Ec6_Default[i];
    int32_t v, variant;
    if (!Nad_Scan_Block_Version(f, &v, 1)) return;
    if (!Nad_Scan_Int_In(f, &variant, NAD_R_VARIANT)) return;
    b->variant = variant;
    if (v <= 0) return;
    for (int i = 0; i < 4; i++) {
        double g;
        if (!Nad_Scan_Dbl_In(f, &g, NAD_R_GAMMA_M)) return;
        b->gamma_m_masonry[i] = g;
    }
}

int Equal_NAD_EC6_Params(const NAD_EC6_Params *a, const NAD_EC6_Params *b)
{
    if (!a || !b) return 0;
    if (a->variant != b->variant) return 0;
    for (int i = 0; i < 4; i++)
        if (fabs(a->gamma_m_masonry[i] - b->gamma_m_masonry[i]) > 0.0001) return 0;
    return 1;
}

void Copy_NAD_EC6_Params(NAD_EC6_Params *dst, const NAD_EC6_Params *src)
{
    if (!dst || !src) return;
    dst->variant = src->variant;
    for (int i = 0; i < 4; i++) dst->gamma_m_masonry[i] = src->gamma_m_masonry[i];
}

/* ---------------------------------------------------------------- EN 1999 */

/* Recommended values of EN 1999-1-1, 6.1.3(1) and 8.1.1(2). */
void Init_NAD_EC9_Defaults(NAD_EC9_Params *b)
{
    if (!b) return;
    b->variant = 0;
    b->version = 5;
    b->gamma_m1 = 1.1;
    b->gamma_m1b = 1.1;
    b->gamma_m2 = 1.25;
    b->gamma_m_bolts = 1.25;
    b->gamma_m_welds = 1.25;
    b->gamma_m_slip_sls = 1.1;
    b->gamma_m_slip_uls = 1.25;
    b->gamma_m_adhesive = 3.0;
    b->gamma_m_pins_sls = 1.0;
    b->yield_constant = 1.2;
}

void Init_NAD_EC9_German_Values(NAD_EC9_Params *b)
{
    if (!b) return;
    Init_NAD_EC9_Defaults(b);
    b->variant = 1;
}

void Set_NAD_EC9_Variant(NAD_EC9_Params *b, int variant)
{
    if (b) b->variant = variant;
}

void Write_NAD_EC9_Section(FILE *f, const NAD_EC9_Params *b)
{
    if (!f || !b) return;
    fprintf(f, " %d\n", 5);
    fprintf(f, " %d\n", b->variant);
    fprintf(f, " %lf %lf", b->gamma_m1, b->gamma_m2);
    fprintf(f, " %lf", b->gamma_m_bolts);
    fprintf(f, " %lf", b->gamma_m_welds);
    fprintf(f, " %lf", b->gamma_m_slip_sls);
    fprintf(f, " %lf", b->gamma_m_slip_uls);
    fprintf(f, " %lf", b->gamma_m_adhesive);
    fprintf(f, " %lf", b->gamma_m_pins_sls);
    fprintf(f, " %lf", b->yield_constant);
    fprintf(f, " %lf\n", b->gamma_m1b);
}

/*
** Read an "#EC9" section of any stored version; a failed conversion stops the reader, the rest
** keeps its default. Version 4 stored gamma_m1b second, version 5 stores it last.
*/
void Read_NAD_EC9_Section(FILE *f, NAD_EC9_Params *b)
{
    if (!f || !b) return;
    Init_NAD_EC9_Defaults(b);
    int32_t v, variant;
    if (!Nad_Scan_Block_Version(f, &v, 5)) return;
    if (!Nad_Scan_Int_In(f, &variant, NAD_R_VARIANT)) return;
    b->variant = variant;
    if (v <= 0) return;
    if (!Nad_Scan_Dbl_In(f, &b->gamma_m1, NAD_R_GAMMA_M)) return;
    if (v == 4 && !Nad_Scan_Dbl_In(f, &b->gamma_m1b, NAD_R_GAMMA_M)) return;
    if (!Nad_Scan_Dbl_In(f, &b->gamma_m2, NAD_R_GAMMA_M)) return;
    if (!Nad_Scan_Dbl_In(f, &b->gamma_m_bolts, NAD_R_GAMMA_M)) return;
    if (v < 2) return;
    double *later[] = {&b->gamma_m_welds, &b->gamma_m_slip_sls, &b->gamma_m_slip_uls,
                       &b->gamma_m_adhesive, &b->gamma_m_pins_sls};
    for (double *p : later)
        if (!Nad_Scan_Dbl_In(f, p, NAD_R_GAMMA_M)) return;
    if (v < 3) return;
    if (!Nad_Scan_Dbl_In(f, &b->yield_constant, NAD_R_CONSTANT)) return;
    if (v < 5) return;
    (void)Nad_Scan_Dbl_In(f, &b->gamma_m1b, NAD_R_GAMMA_M);
}

int Equal_NAD_EC9_Params(const NAD_EC9_Params *a, const NAD_EC9_Params *b)
{
    if (!a || !b) return 0;
    if (a->variant != b->variant) return 0;
    const double x[] = {a->gamma_m1,         a->gamma_m1b,        a->gamma_m2,
                        a->gamma_m_bolts,    a->gamma_m_welds,    a->gamma_m_slip_sls,
                        a->gamma_m_slip_uls, a->gamma_m_adhesive, a->gamma_m_pins_sls,
                        a->yield_constant};
    const double y[] = {b->gamma_m1,         b->gamma_m1b,        b->gamma_m2,
                        b->gamma_m_bolts,    b->gamma_m_welds,    b->gamma_m_slip_sls,
                        b->gamma_m_slip_uls, b->gamma_m_adhesive, b->gamma_m_pins_sls,
                        b->yield_constant};
    for (int i = 0; i < 10; i++)
        if (fabs(x[i] - y[i]) > 0.0001) return 0;
    return 1;
}

void Copy_NAD_EC9_Params(NAD_EC9_Params *dst, const NAD_EC9_Params *src)
{
    if (!dst || !src) return;
    const int32_t version = dst->version;
    *dst = *src;
    dst->version = version;
}
