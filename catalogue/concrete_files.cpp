/*
** Concrete and reinforcing-steel records in the versioned data files: the name as a text field,
** then the numbers in record order (concrete block version 1.2, steel 1.0). Records of the
** older form carry no version; they begin with the name.
*/
#include <cctype>
#include <cmath>

#include "catalogue/concrete.h"
#include "foundation/datafile.h"
#include "foundation/ttool.h"

#define CONCRETE_VERSION 1.2
#define REBAR_VERSION    1.0

/* 1 when the next item of the read stream begins with a digit (a structure version); the
** stream is left where it was. */
static int Next_Is_Version(void)
{
    const long pos = Dat_Tell();
    char word[DAT_TEXT_SIZE];
    if (Dat_Read_Field(word, 's', -HUGE_VAL, 0.0) != 0) return 0;
    Dat_Seek(pos);
    return isdigit(static_cast<unsigned char>(word[0])) != 0;
}

/* Read the name field into a record's name. */
static int Read_Record_Name(char *name)
{
    char text[DAT_TEXT_SIZE];
    if (Dat_Read_Field(text, 't', -HUGE_VAL, 0.0) != 0) return 1;
    Str_Copy_Bounded(name, text, CONCRETE_NAME_SIZE);
    return 0;
}

/* E recomputed from fck with alpha_i (DIN 1045-1, eq. (64)), scaled for lightweight concrete. */
static void Recompute_Modulus(Concrete_Grade *c)
{
    c->E = Calc_Lc_Concrete_E_Modulus(c->fck);
    if (c->lightweight) c->E *= (c->density / 2200.0) * (c->density / 2200.0);
}

int32_t Read_Concrete_Grade(Concrete_Grade *c)
{
    if (!c) return 1;
    int versioned = Next_Is_Version();
    if (versioned) {
        int r = Dat_Read_Struct_Version(CONCRETE_VERSION);
        if (r == 2) Dat_Pop_Struct_Version();
        if (r != 0) return 1;
    }
    /* older records carry the first eight fields only */
    const double v10 = versioned ? 1.0 : -HUGE_VAL;
    const double v11 = versioned ? 1.1 : HUGE_VAL;
    const double v12 = versioned ? 1.2 : HUGE_VAL;
    int err = Read_Record_Name(c->name);
    err |= Dat_Read_Field(&c->fck, 'd', v10, 0.0);
    err |= Dat_Read_Field(&c->alpha, 'd', v10, 0.85);
    err |= Dat_Read_Field(&c->eps_c1, 'd', v10, -0.0022);
    err |= Dat_Read_Field(&c->eps_c1u, 'd', v10, -0.0035);
    err |= Dat_Read_Field(&c->eps_c2, 'd', v10, -0.002);
    err |= Dat_Read_Field(&c->eps_c2u, 'd', v10, -0.0035);
    err |= Dat_Read_Field(&c->n, 'd', v10, 2.0);
    int flag = 0;
    err |= Dat_Read_Field(&flag, 'i', v11, 0.0);
    c->lightweight = flag;
    err |= Dat_Read_Field(&c->density, 'd', v11, 2200.0);
    flag = 1;
    err |= Dat_Read_Field(&flag, 'i', v12, 1.0);
    c->auto_modulus = flag;
    err |= Dat_Read_Field(&c->E, 'd', v12, 0.0);
    if (versioned) Dat_Pop_Struct_Version();
    /* a modulus the user entered by hand is kept */
    if (c->auto_modulus || c->E <= 0.0) Recompute_Modulus(c);
    return err ? 1 : 0;
}

int32_t Write_Concrete_Grade(const Concrete_Grade *c)
{
    if (!c) return 1;
    int lightweight = c->lightweight, auto_modulus = c->auto_modulus;
    int err = Dat_Write_Struct_Version(CONCRETE_VERSION);
    err |= Dat_Write_Field(c->name, 't');
    err |= Dat_Write_Field(&c->fck, 'd');
    err |= Dat_Write_Field(&c->alpha, 'd');
    err |= Dat_Write_Field(&c->eps_c1, 'd');
    err |= Dat_Write_Field(&c->eps_c1u, 'd');
    err |= Dat_Write_Field(&c->eps_c2, 'd');
    err |= Dat_Write_Field(&c->eps_c2u, 'd');
    err |= Dat_Write_Field(&c->n, 'd');
    err |= Dat_Write_Field(&lightweight, 'i');
    err |= Dat_Write_Field(&c->density, 'd');
    err |= Dat_Write_Field(&auto_modulus, 'i');
    err |= Dat_Write_Field(&c->E, 'd');
    err |= Dat_Write_Newline();
    return err ? 1 : 0;
}

int32_t Read_Rebar_Grade(Rebar_Grade *r)
{
    if (!r) return 1;
    int versioned = Next_Is_Version();
    if (versioned) {
        int rc = Dat_Read_Struct_Version(REBAR_VERSION);
        if (rc == 2) Dat_Pop_Struct_Version();
        if (rc != 0) return 1;
    }
    int err = Read_Record_Name(r->name);
    err |= Dat_Read_Field(&r->fyk, 'd', -HUGE_VAL, 0.0);
    err |= Dat_Read_Field(&r->ftk, 'd', -HUGE_VAL, 0.0);
    err |= Dat_Read_Field(&r->eps_uk, 'd', -HUGE_VAL, 0.0);
    err |= Dat_Read_Field(&r->Es, 'd', -HUGE_VAL, 0.0);
    if (versioned) Dat_Pop_Struct_Version();
    return err ? 1 : 0;
}

int32_t Write_Rebar_Grade(const Rebar_Grade *r)
{
    if (!r) return 1;
    int err = Dat_Write_Struct_Version(REBAR_VERSION);
    err |= Dat_Write_Field(r->name, 't');
    err |= Dat_Write_Field(&r->fyk, 'd');
    err |= Dat_Write_Field(&r->ftk, 'd');
    err |= Dat_Write_Field(&r->eps_uk, 'd');
    err |= Dat_Write_Field(&r->Es, 'd');
    err |= Dat_Write_Newline();
    return err ? 1 : 0;
}
