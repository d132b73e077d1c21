/*
** EN 1993 block of the national annex: EN 1993-1-1 (partial factors, imperfections, lateral-
** torsional buckling) and EN 1993-1-8 (partial factors of joints); defaults, the German set,
** the "#EC3" section writer and reader, compare and copy.
*/
#include "nad/nad.h"
#include "nad/nad_internal.h"

#include <cctype>
#include <cmath>
#include <cstring>

/* ---------------------------------------------------------------- defaults */

/*
** Recommended values of EN 1993-1-1, 6.1(1) NOTE 2B, 6.3.2.3(1) and Table 5.1.
*/
void Init_NAD_EC3_1_Defaults(NAD_EC3_1_Params *b)
{
    static const double e0_el[5] = {350, 300, 250, 200, 150};
    static const double e0_pl[5] = {300, 250, 200, 150, 100};
    if (!b) return;
    memset(b, 0, sizeof *b);
    b->version = 5;
    b->gamma_m0 = 1.0;
    b->gamma_m1 = 1.0;
    b->gamma_m2 = 1.25;
    b->gamma_m0_acc = 1.0;
    b->gamma_m1_acc = 1.0;
    b->gamma_m2_acc = 1.25;
    b->ltb_switch = 0;
    b->gamma_m_fi = 1.0;
    b->lambda_lt0 = 0.4;
    b->beta_lt = 0.75;
    b->f_switch = 0;
    b->f_value = 1.0;
    b->kc_switch = 1;
    b->kc_value = 1.0;
    memcpy(b->e0_elastic, e0_el, sizeof e0_el);
    memcpy(b->e0_plastic, e0_pl, sizeof e0_pl);
}

/*
** Values of DIN EN 1993-1-1/NA: gamma_M1 = 1.1, accidental gamma_M2 = 1.15, and the bow
** imperfections of NA Table 5.1 (elastic and plastic analysis alike).
*/
void Init_NAD_EC3_1_DE_Values(NAD_EC3_1_Params *b)
{
    static const double e0_de[5] = {600, 550, 350, 250, 150};
    if (!b) return;
    Init_NAD_EC3_1_Defaults(b);
    b->gamma_m1 = 1.1;
    b->gamma_m2_acc = 1.15;
    b->ltb_switch = 1;
    memcpy(b->e0_elastic, e0_de, sizeof e0_de);
    memcpy(b->e0_plastic, e0_de, sizeof e0_de);
}

/*
** Recommended partial factors of joints, EN 1993-1-8, 2.2(2) NOTE.
*/
void Init_NAD_EC3_8_Defaults(NAD_EC3_8_Params *b)
{
    static const double fa[6] = {1.25, 1.0, 1.0, 1.0, 1.1, 1.1};
    static const double fd[4] = {1.0, 1.15, 1.15, 1.35};
    if (!b) return;
    memset(b, 0, sizeof *b);
    b->version = 5;
    memcpy(b->factors_a, fa, sizeof fa);
    b->count_b = 3;
    b->factor_c = 1.2;
    memcpy(b->factors_d, fd, sizeof fd);
    b->factor_e = 1.0;
    b->factor_f = 1.1;
}

void Init_NAD_EC3_Defaults(NAD_EC3_Params *b)
{
    if (!b) return;
    b->variant = 0;
    b->reserved = 0;
    Init_NAD_EC3_1_Defaults(&b->ec3_1);
    Init_NAD_EC3_8_Defaults(&b->ec3_8);
}

void Init_NAD_EC3_German_Values(NAD_EC3_Params *b)
{
    if (!b) return;
    b->variant = 1;
    b->reserved = 0;
    Init_NAD_EC3_1_DE_Values(&b->ec3_1);
    Init_NAD_EC3_8_Defaults(&b->ec3_8);
}

void Set_NAD_EC3_Variant(NAD_EC3_Params *b, int variant)
{
    if (b) b->variant = variant;
}

/* ---------------------------------------------------------------- writer */

static void Write_EC3_1(FILE *f, const NAD_EC3_1_Params *p)
{
    fprintf(f, " %d", 5);
    fprintf(f, " %lf", p->gamma_m0);
    fprintf(f, " %lf", p->gamma_m1);
    fprintf(f, " %lf", p->gamma_m2);
    fprintf(f, " %lf", p->gamma_m0_acc);
    fprintf(f, " %lf", p->gamma_m1_acc);
    fprintf(f, " %lf", p->gamma_m2_acc);
    fprintf(f, " %d", p->ltb_switch);
    fprintf(f, " %lf", p->gamma_m_fi);
    fprintf(f, "\n");
    fprintf(f, " %lf %lf %d %lf %d %lf\n", p->lambda_lt0, p->beta_lt, p->f_switch, p->f_value,
            p->kc_switch, p->kc_value);
    for (int i = 0; i < 5; i++) fprintf(f, " %lf", p->e0_elastic[i]);
    for (int i = 0; i < 5; i++) fprintf(f, " %lf", p->e0_plastic[i]);
    fprintf(f, "\n");
}

static void Write_EC3_8(FILE *f, const NAD_EC3_8_Params *p)
{
    fprintf(f, " %d", 5);
    for (int i = 0; i < 6; i++) fprintf(f, " %lf", p->factors_a[i]);
    fprintf(f, "\n");
    fprintf(f, " %d %lf\n", p->count_b, p->factor_c);
    for (int i = 0; i < 4; i++) fprintf(f, " %lf", p->factors_d[i]);
    fprintf(f, "\n");
    fprintf(f, " %lf %lf\n", p->factor_e, p->factor_f);
}

/*
** Write the "#EC3" section: both sub-blocks, version 5 each, behind their header lines. The
** block's variant is not written.
*/
void Write_NAD_EC3_Section(FILE *f, const NAD_EC3_Params *b)
{
    if (!f || !b) return;
    fprintf(f, " EC3-1 Parameter\n");
    Write_EC3_1(f, &b->ec3_1);
    fprintf(f, " EC3-8 Parameter\n");
    Write_EC3_8(f, &b->ec3_8);
}

/* ---------------------------------------------------------------- reader */

/* Every number of the block is a partial factor but the buckling values (given with theirs). */
static int Dbl(FILE *f, double *v, int range = NAD_R_GAMMA_M)
{
    return Nad_Scan_Dbl_In(f, v, range);
}

/* A switch (0 or 1), or the range given: the rules of lateral-torsional buckling (0, 1 or 2), a
** count, the variant. */
static int Int(FILE *f, int32_t *v, int range = NAD_R_SWITCH)
{
    return Nad_Scan_Int_In(f, v, range);
}

/*
** Read an EN 1993-1-1 sub-block of any stored version. Answer 0 when read, 1 when a conversion
** before the imperfections failed (the rest keeps its defaults).
*/
int Read_NAD_EC3_1_Params(FILE *f, NAD_EC3_1_Params *b)
{
    if (!f || !b) return 1;
    Init_NAD_EC3_1_Defaults(b);
    b->version = 0;
    int32_t v;
    if (!Nad_Scan_Block_Version(f, &v, 5)) return 1;
    b->version = v;
    if (!Dbl(f, &b->gamma_m0) || !Dbl(f, &b->gamma_m1) || !Dbl(f, &b->gamma_m2)) return 1;
    if (v >= 1
        && (!Dbl(f, &b->gamma_m0_acc) || !Dbl(f, &b->gamma_m1_acc) || !Dbl(f, &b->gamma_m2_acc)))
        return 1;
    if (v >= 2 && !Int(f, &b->ltb_switch, NAD_R_SWITCH_3)) return 1;
    if (v >= 3 && !Dbl(f, &b->gamma_m_fi)) return 1;
    if (v >= 4) {
        NAD_EC3_1_Params t = *b;
        if (!Dbl(f, &t.lambda_lt0, NAD_R_SHARE) || !Dbl(f, &t.beta_lt, NAD_R_REDUCTION)
            || !Int(f, &t.f_switch) || !Dbl(f, &t.f_value, NAD_R_REDUCTION) || !Int(f, &t.kc_switch)
            || !Dbl(f, &t.kc_value, NAD_R_REDUCTION))
            return 1;
        *b = t;
    }
    if (v >= 5) {
        for (int i = 0; i < 5; i++)
            if (!Dbl(f, &b->e0_elastic[i], NAD_R_SPAN)) return 1;
        for (int i = 0; i < 5; i++)
            if (!Dbl(f, &b->e0_plastic[i], NAD_R_SPAN)) return 1;
    }
    return 0;
}

/*
** Read an EN 1993-1-8 sub-block of any stored version; a failed conversion ends the reading.
*/
void Read_NAD_EC3_8_Params(FILE *f, NAD_EC3_8_Params *b)
{
    if (!f || !b) return;
    int32_t v;
    if (!Nad_Scan_Block_Version(f, &v, 5)) return;
    b->version = v;
    for (int i = 0; i < 6; i++)
        if (!Dbl(f, &b->factors_a[i])) return;
    if (v < 2) return;
    int32_t count;
    double c;
    if (!Int(f, &count, NAD_R_COUNT) || !Dbl(f, &c)) return;
    b->count_b = count;
    b->factor_c = c;
    if (v < 3) return;
    for (int i = 0; i < 4; i++)
        if (!Dbl(f, &b->factors_d[i])) return;
    if (v < 4 || !Dbl(f, &b->factor_e)) return;
    if (v < 5) return;
    (void)Dbl(f, &b->factor_f);
}

/* Both sub-blocks after the header " EC3-1 Parameter" (already consumed). */
static void Read_EC3_Subblocks(FILE *f, NAD_EC3_Params *b)
{
    if (Read_NAD_EC3_1_Params(f, &b->ec3_1) != 0) return;
    /* values before the next header are more than the sub-block holds (a line added in it) */
    const long pos = ftell(f);
    int c;
    while ((c = getc(f)) != EOF && isspace(c)) {}
    if (c != EOF && c != 'E') {
        ungetc(c, f);
        Nad_Scan_Extra(f);
        return;
    }
    clearerr(f);
    fseek(f, pos, SEEK_SET);
    if (Spool_To_Section_Header(f, " EC3-8 Parameter", "#NAD", nullptr) == 1)
        Read_NAD_EC3_8_Params(f, &b->ec3_8);
    else Nad_Scan_Fail(f);
}

/*
** Read an "#EC3" section. Mode 1: a file's section; mode 0: an entry of the older store (header
** " EC3 Parameter" with the variant, or the oldest layout under " EC3-8 Parameter").
*/
void Read_NAD_EC3_Section(FILE *f, NAD_EC3_Params *b, int mode)
{
    if (!f || !b) return;
    Init_NAD_EC3_Defaults(b);
    b->ec3_1.version = 0;
    b->ec3_8.version = 0;
    if (mode == 1) {
        if (Spool_To_Section_Header(f, " EC3-1 Parameter", "#NAD", nullptr) == 1)
            Read_EC3_Subblocks(f, b);
        else Nad_Scan_Fail(f);
        return;
    }
    if (Spool_To_Section_Header(f, " EC3 Parameter", "#NAD", nullptr) == 1) {
        if (!Int(f, &b->variant, NAD_R_VARIANT)) return;
        if (Spool_To_Section_Header(f, " EC3-1 Parameter", "#NAD", nullptr) == 1)
            Read_EC3_Subblocks(f, b);
        return;
    }
    if (Spool_To_Section_Header(f, " EC3-8 Parameter", "#NAD", nullptr) == 1) {
        /* Oldest layout: the variant, the EN 1993-1-1 lines, then six joint factors. */
        if (!Int(f, &b->variant, NAD_R_VARIANT)) return;
        if (Read_NAD_EC3_1_Params(f, &b->ec3_1) != 0) return;
        for (int i = 0; i < 6; i++)
            if (!Dbl(f, &b->ec3_8.factors_a[i])) return;
    }
}

/* ---------------------------------------------------------------- compare and copy */

static int Differs(double a, double b) { return fabs(a - b) > 0.0001; }

int Compare_NAD_EC3_1_Params(const NAD_EC3_1_Params *a, const NAD_EC3_1_Params *b)
{
    if (!a || !b) return 1;
    if (a->version < 2 || b->version < 2) return 0;
    if (a->ltb_switch != b->ltb_switch || a->f_switch != b->f_switch
        || a->kc_switch != b->kc_switch)
        return 1;
    const double x[] = {a->gamma_m0,     a->gamma_m1,     a->gamma_m2,   a->gamma_m0_acc,
                        a->gamma_m1_acc, a->gamma_m2_acc, a->gamma_m_fi, a->lambda_lt0,
                        a->beta_lt,      a->f_value,      a->kc_value};
    const double y[] = {b->gamma_m0,     b->gamma_m1,     b->gamma_m2,   b->gamma_m0_acc,
                        b->gamma_m1_acc, b->gamma_m2_acc, b->gamma_m_fi, b->lambda_lt0,
                        b->beta_lt,      b->f_value,      b->kc_value};
    for (size_t i = 0; i < sizeof x / sizeof x[0]; i++)
        if (Differs(x[i], y[i])) return 1;
    for (int i = 0; i < 5; i++)
        if (Differs(a->e0_elastic[i], b->e0_elastic[i])
            || Differs(a->e0_plastic[i], b->e0_plastic[i]))
            return 1;
    return 0;
}

int Compare_NAD_EC3_8_Params(const NAD_EC3_8_Params *a, const NAD_EC3_8_Params *b)
{
    if (!a || !b) return 1;
    if (a->version < 1 || b->version < 1) return 0;
    if (a->count_b != b->count_b) return 1;
    for (int i = 0; i < 6; i++)
        if (Differs(a->factors_a[i], b->factors_a[i])) return 1;
    for (int i = 0; i < 4; i++)
        if (Differs(a->factors_d[i], b->factors_d[i])) return 1;
    if (Differs(a->factor_c, b->factor_c) || Differs(a->factor_e, b->factor_e)
        || Differs(a->factor_f, b->factor_f))
        return 1;
    return 0;
}

int Compare_NAD_EC3_Params(const NAD_EC3_Params *a, const NAD_EC3_Params *b)
{
    if (!a || !b) return 1;
    if (a->variant != b->variant) return 1;
    return Compare_NAD_EC3_1_Params(&a->ec3_1, &b->ec3_1)
           || Compare_NAD_EC3_8_Params(&a->ec3_8, &b->ec3_8);
}

void Copy_NAD_EC3_1_Params(NAD_EC3_1_Params *dst, const NAD_EC3_1_Params *src)
{
    if (dst && src) *dst = *src;
}

void Copy_NAD_EC3_8_Params(NAD_EC3_8_Params *dst, const NAD_EC3_8_Params *src)
{
    if (dst && src) *dst = *src;
}

void Copy_NAD_EC3_Params(NAD_EC3_Params *dst, const NAD_EC3_Params *src)
{
    if (!dst || !src) return;
    Copy_NAD_EC3_1_Params(&dst->ec3_1, &src->ec3_1);
    Copy_NAD_EC3_8_Params(&dst->ec3_8, &src->ec3_8);
}
