/*
** Helpers shared by the source files of nad/ (not part of the folder's public interface).
*/
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>

#include "nad/nad_blocks.h"
#include "platform/zelkwin.h"

/* An environment variable through the environment library; null when unset. */
const char *Nad_Env(const char *name);
/* Path of a list entry's file (see Read_NAD_File); 0 when the variable is unset or too long. */
int Nad_File_Path(int number, const char *name, char *out, size_t size);
/* Copy a name into the record's header, cut to NAD_NAME_MAX characters with a warning. */
void Nad_Set_Record_Name(NAD_Record *rec, const char *name);
/* Forget the built EN 1991 definitions switch (state at program start). */
void Nad_EC1_Definitions_Reset(void);
/* The active name without lazy activation (null before the first activation), and setting it
** without activating (the selection sheet's pending choice and its cancel). */
const char *Nad_Active_Name(void);
void Nad_Set_Active_Name(const char *name);
/* Path of a bitmap of the annex data, "$DATA/NAD/<name>" ("NAD/<name>" without DATA). The strip
** "Buttons.bmp": row 0 the 42 x 8 picture of the selection sheet's head, row 8 its 9 x 7 edit
** button, row 15 the 40 x 41 button of the warning sheet (four pictures each: disabled, normal,
** hover, pressed), rows 60 and 80 the 40 x 20 buttons "abbrechen" and "ok" (normal, pressed,
** disabled). */
const char *Nad_Data_Bitmap(const char *name, char *out, size_t size);

/*
** What a number of a block may hold, by the meaning of its field (the table of nad_file.cpp names
** the clause each range comes from). A value outside is damage as a word is: the block keeps its
** built-in values.
*/
enum {
    NAD_R_ANY = 0,    /* any plain decimal number (a value that is read but not kept) */
    NAD_R_GAMMA_M,    /* a partial factor of a material or a resistance: 1.0 .. 5.0 */
    NAD_R_KMOD,       /* k_mod: above 0 .. 1.1 */
    NAD_R_KDEF,       /* k_def: above 0 .. 10 */
    NAD_R_SPAN,       /* a ratio l/x or L/e0, given by x: 1 .. 10000 */
    NAD_R_REDUCTION,  /* a factor that reduces: above 0 .. 1.0 */
    NAD_R_SHARE,      /* a share: 0 .. 1.0 */
    NAD_R_SHAPE_MAX,  /* the largest k_shape: 1.0 .. 5.0 */
    NAD_R_SLENDER,    /* the factor on a relative slenderness: above 0 .. 2.0 */
    NAD_R_GAMMA_SUP,  /* gamma_sup of an action: 0 (none in that situation) or 1.0 .. 5.0 */
    NAD_R_GAMMA_INF,  /* gamma_inf of an action: 0 .. 1.0 */
    NAD_R_PSI,        /* a combination factor psi: 0 .. 1.0 */
    NAD_R_PSI_MARKED, /* psi_1 of a railway bridge: -1.0 .. 1.0 (below 0: see the table's note) */
    NAD_R_COVER,      /* a concrete cover or an allowance of it, in cm: 0 .. 10 */
    NAD_R_COEF,       /* a coefficient of the concrete design: 0 .. 1000 */
    NAD_R_CONSTANT,   /* a constant of a yield criterion: above 0 .. 5.0 */
    NAD_R_SWITCH,     /* a switch of a rule: 0 or 1 */
    NAD_R_SWITCH_3,   /* a switch of three rules: 0, 1 or 2 */
    NAD_R_HSC_CLASS,  /* the class of high-strength concrete: 1 or 2 */
    NAD_R_FLAG,       /* the number of the annex's flag: 0 .. 99 */
    NAD_R_VARIANT,    /* the variant of the annex: 0 or 1 (German rules) */
    NAD_R_COUNT,      /* a count of a block: 0 .. 100 */
    NAD_R_RANGES
};

/* Values of a section, one each, separated by white space. A read fails when the value does not
** convert, does not end at white space or the end of the file ("1.5" read as a whole number,
** "1,5"), or, for a double, is not a plain decimal number ("0x10", "1e3", "nan";
** Plain_Decimal_Number of foundation/numeric.h, without a decimal comma) or lies outside
** its range (Nad_Scan_Dbl_In); the first failure of a section is remembered where it happened
** (Nad_Scan_Begin .. Nad_Scan_Failed). Answer 1 when read, else 0. */
int Nad_Scan_Int_In(FILE *f, int32_t *v, int range); /* a whole number within the range */
int Nad_Scan_Dbl(FILE *f, double *v);                /* NAD_R_ANY */
int Nad_Scan_Dbl_In(FILE *f, double *v, int range);
/* 1 when x lies in the range (NAD_R_*). */
int Nad_In_Range(double x, int range);
/* The range in words for the damage box, code page 850. */
const char *Nad_Range_Text(int range);
/* A token of at most size - 1 bytes (a text that stands among the values). */
int Nad_Scan_Word(FILE *f, char *buf, size_t size);
/* Mark the section as not read whole at the stream's position (a line that is not there). */
void Nad_Scan_Fail(FILE *f);
/* Mark a value that ends at an offset as not a number of its kind, or (range > 0) as outside
** that range. */
void Nad_Scan_Fail_At(long at, int range = 0);
/* Mark values at the stream's position that stand behind what the block holds. */
void Nad_Scan_Extra(FILE *f);
/* Read a block's version into *v: 1 when it is one this program knows (0 .. newest), else mark
** the section as not read whole there (a version outside with the number read) and answer 0. */
int Nad_Scan_Block_Version(FILE *f, int32_t *v, int32_t newest);
/* Forget the failure of the last section; from now on the first failure is kept. */
void Nad_Scan_Begin(void);
/* The offset of the first failure since Nad_Scan_Begin, its NAD_DAMAGE_* kind and, for a version,
** the version read, for a range, the NAD_R_* range; answer 1 when a read failed, 0 when every
** read succeeded. */
int Nad_Scan_Failed(long *at, int *kind, int64_t *other);
/* The version word of a failure of Nad_Scan_Block_Version as the file writes it, else "". */
const char *Nad_Scan_Failed_Word(void);
