/*
** National-annex files: the file frame ("NAD/Version 1", header, one section per block), the
** whole-file reader and writer, the user's numbered files below DRAM, the one-time conversion of
** the older single-file store, and the spooler to the header lines of old block formats.
*/
#include "nad/nad.h"
#include "nad/nad_internal.h"
#include "dialogs/dialogs.h"
#include "foundation/foundation.h"
#include "foundation/codepage.h"
#include "platform/runtime.h"
#include "platform/zelkwin.h"

#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <string>
#include <vector>

/* ---------------------------------------------------------------- paths */

const char *Nad_Env(const char *name) { return VELGetEnv(name); }

const char *Nad_Data_Bitmap(const char *name, char *out, size_t size)
{
    const char *data = Nad_Env("DATA");
    if (data && snprintf(out, size, "%s/NAD/%s", data, name) < (int)size) return out;
    snprintf(out, size, "NAD/%s", name);
    return out;
}

/*
** Form the path of a list entry's file: a nonzero number names the user file "NADS/<n>.NAD"
** below DRAM, 0 the built-in file "NAD/<name>.NAD" below DATA. Answer 0 when the variable is
** unset or the path does not fit.
*/
int Nad_File_Path(int number, const char *name, char *out, size_t size)
{
    const char *dir = Nad_Env(number != 0 ? "DRAM" : "DATA");
    if (!dir) return 0;
    int n = number != 0 ? snprintf(out, size, "%s/NADS/%d.NAD", dir, number)
                        : snprintf(out, size, "%s/NAD/%s.NAD", dir, name ? name : "");
    return n > 0 && (size_t)n < size;
}

/* Copy a name into the record's header field; a longer name is cut to NAD_NAME_MAX characters
** and reported, never written past the field. */
void Nad_Set_Record_Name(NAD_Record *rec, const char *name)
{
    if (!name) name = "";
    if (strlen(name) > NAD_NAME_MAX)
        Msg_Warning("Der Name des Anwendungsdokuments \"%s\" wird auf %d Zeichen gek\x81rzt", name,
                    NAD_NAME_MAX);
    snprintf(rec->name, sizeof rec->name, "%.*s", NAD_NAME_MAX, name);
}

/* ---------------------------------------------------------------- writer */

/*
** Write a whole record as a national-annex file to an open text stream.
*/
void Write_NAD_File(FILE *f, const NAD_Record *rec)
{
    if (!f || !rec) return;
    fprintf(f, "NAD/Version %d\n\n", NAD_FILE_VERSION);
    fprintf(f, " %d \xAE%s\xAF %d\n", rec->flag_index, rec->name, rec->variant);
    fprintf(f, "\n\n#EC0\n");
    Write_NAD_EC0_Section(f, &rec->ec0);
    fprintf(f, "\n\n#EC2\n");
    Write_NAD_EC2_Section(f, &rec->ec2);
    fprintf(f, "\n\n#EC3\n");
    Write_NAD_EC3_Section(f, &rec->ec3);
    fprintf(f, "\n\n#EC5\n");
    Write_NAD_EC5_Section(f, &rec->ec5);
    fprintf(f, "\n\n#EC6\n");
    Write_NAD_EC6_Section(f, &rec->ec6);
    fprintf(f, "\n\n#EC9\n");
    Write_NAD_EC9_Section(f, &rec->ec9);
}

/* ---------------------------------------------------------------- values of a section */

static long Scan_Failed_At = -1;      /* offset of the first failed read since Nad_Scan_Begin */
static int Scan_Failed_Kind = 0;      /* NAD_DAMAGE_* of that failure */
static int64_t Scan_Failed_Other = 0; /* the version read, or the NAD_R_* range */
/* the version's word as written: "99999999999999999999" reads as the largest int64_t */
static char Scan_Failed_Word[sizeof NAD_File_Damage{}.parts[0].written];

void Nad_Scan_Begin(void)
{
    Scan_Failed_At = -1;
    Scan_Failed_Kind = 0;
    Scan_Failed_Other = 0;
    Scan_Failed_Word[0] = '\0';
}

static void Scan_Fail_As(long at, int kind)
{
    if (Scan_Failed_At >= 0 || at < 0) return;
    Scan_Failed_At = at;
    Scan_Failed_Kind = kind;
}

void Nad_Scan_Fail(FILE *f)
{
    if (f) Scan_Fail_As(ftell(f), feof(f) ? NAD_DAMAGE_CUT : NAD_DAMAGE_VALUE);
}

/* A value read whole up to the end of the file, without the line feed that ends every file this
** program writes: "1" may be what is left of "1.100000". */
static void Scan_Fail_Unended(FILE *f)
{
    if (f) Scan_Fail_As(ftell(f), NAD_DAMAGE_UNENDED);
}

void Nad_Scan_Fail_At(long at, int range)
{
    if (Scan_Failed_At >= 0 || at < 0) return;
    Scan_Fail_As(at, range > 0 ? NAD_DAMAGE_RANGE : NAD_DAMAGE_VALUE);
    Scan_Failed_Other = range;
}

void Nad_Scan_Extra(FILE *f)
{
    if (f) Scan_Fail_As(ftell(f), NAD_DAMAGE_EXTRA);
}

int Nad_Scan_Failed(long *at, int *kind, int64_t *other)
{
    if (at) *at = Scan_Failed_At;
    if (kind) *kind = Scan_Failed_Kind;
    if (other) *other = Scan_Failed_Other;
    return Scan_Failed_At >= 0;
}

const char *Nad_Scan_Failed_Word(void) { return Scan_Failed_Word; }

/* 1 when the value just read ends at white space. A value at the very end of the file may be cut
** (every file this program writes ends with a line feed): it is marked as such, 0. */
static int Ends_Value(FILE *f)
{
    const int c = getc(f);
    if (c == EOF) {
        Scan_Fail_Unended(f);
        return 0;
    }
    ungetc(c, f);
    return isspace(c) != 0;
}

/* ---------------------------------------------------------------- ranges of the fields */

/*
** What a field may hold, by its meaning. Partial factors of materials and resistances are at
** least 1.0 (EN 1990, 6.3.5: the resistance is divided by gamma_M; below 1.0 it would exceed its
** characteristic value; the largest recommended factor of the Eurocodes is 3.0, EN 1999-1-1 for
** bonded joints and EN 1996-1-1 for masonry, so 5.0 bounds a slip of the pen). k_mod lies above
** 0 and at most 1.1 (EN 1995-1-1, Table 3.1: the instantaneous class); k_def above 0, the table
** goes up to 4.0 (EN 1995-1-1, Table 3.2). Combination factors psi lie within 0 .. 1 (EN 1990,
** A1.2.2: psi_0, psi_1, psi_2 are shares of the characteristic value); the railway table marks
** rows whose psi_1 follows from a note with -0.1 and -0.2. gamma_sup of an action is 0 where the
** action type has no part in the situation, else at least 1.0 (EN 1990, Table A1.2: 1.0 .. 1.5);
** gamma_inf of a favourable action lies within 0 .. 1.0. Factors that reduce (k_cr, EN 1995-1-1,
** 6.1.7; alpha_cc and alpha_ct, EN 1992-1-1, 3.1.6: 0.8 .. 1.0; the modification factor f and
** k_c, EN 1993-1-1, 6.3.2.3; beta_LT; the factors of several tracks) lie above 0 and at most 1.
*/
static const struct {
    double lo, hi;
    bool lo_open;  /* lo itself is outside */
    bool zero_too; /* 0 stands for "none" besides lo .. hi */
    const char *text;
} Ranges[NAD_R_RANGES] = {
    /* NAD_R_ANY */ {-1e300, 1e300, false, false, "eine Zahl"},
    /* NAD_R_GAMMA_M */
    {1.0, 5.0, false, false, "Teilsicherheitsbeiwert \xC0M, zul\x84ssig von 1,0 bis 5,0"},
    /* NAD_R_KMOD */
    {0.0, 1.1, true, false,
     "kmod, zul\x84ssig \x81"
     "ber 0 bis 1,1"},
    /* NAD_R_KDEF */
    {0.0, 10.0, true, false,
     "kdef, zul\x84ssig \x81"
     "ber 0 bis 10"},
    /* NAD_R_SPAN */
    {1.0, 10000.0, false, false, "Verh\x84ltnis l/x, zul\x84ssig x von 1 bis 10000"},
    /* NAD_R_REDUCTION */
    {0.0, 1.0, true, false,
     "Abminderungsbeiwert, zul\x84ssig \x81"
     "ber 0 bis 1,0"},
    /* NAD_R_SHARE */ {0.0, 1.0, false, false, "Anteil, zul\x84ssig von 0 bis 1,0"},
    /* NAD_R_SHAPE_MAX */
    {1.0, 5.0, false, false, "Gr\x94\xE1twert von kshape, zul\x84ssig von 1,0 bis 5,0"},
    /* NAD_R_SLENDER */
    {0.0, 2.0, true, false,
     "Beiwert der Schlankheit, zul\x84ssig \x81"
     "ber 0 bis 2,0"},
    /* NAD_R_GAMMA_SUP */
    {1.0, 5.0, false, true, "Teilsicherheitsbeiwert \xC0sup, zul\x84ssig 0 oder von 1,0 bis 5,0"},
    /* NAD_R_GAMMA_INF */
    {0.0, 1.0, false, false, "Teilsicherheitsbeiwert \xC0inf, zul\x84ssig von 0 bis 1,0"},
    /* NAD_R_PSI */ {0.0, 1.0, false, false, "Kombinationsbeiwert \xB8, zul\x84ssig von 0 bis 1,0"},
    /* NAD_R_PSI_MARKED */
    {-1.0, 1.0, false, false, "Kombinationsbeiwert \xB8, zul\x84ssig von -1,0 bis 1,0"},
    /* NAD_R_COVER */ {0.0, 10.0, false, false, "Betondeckung in cm, zul\x84ssig von 0 bis 10"},
    /* NAD_R_COEF */ {0.0, 1000.0, false, false, "Beiwert, zul\x84ssig von 0 bis 1000"},
    /* NAD_R_CONSTANT */
    {0.0, 5.0, true, false,
     "Konstante, zul\x84ssig \x81"
     "ber 0 bis 5,0"},
    /* NAD_R_SWITCH */ {0.0, 1.0, false, false, "Schalter, zul\x84ssig 0 oder 1"},
    /* NAD_R_SWITCH_3 */ {0.0, 2.0, false, false, "Schalter, zul\x84ssig 0, 1 oder 2"},
    /* NAD_R_HSC_CLASS */
    {1.0, 2.0, false, false, "Klasse des hochfesten Betons, zul\x84ssig 1 oder 2"},
    /* NAD_R_FLAG */ {0.0, 99.0, false, false, "Nummer der Flagge, zul\x84ssig von 0 bis 99"},
    /* NAD_R_VARIANT */ {0.0, 1.0, false, false, "Variante, zul\x84ssig 0 oder 1"},
    /* NAD_R_COUNT */ {0.0, 100.0, false, false, "Anzahl, zul\x84ssig von 0 bis 100"},
};

int Nad_In_Range(double x, int range)
{
    if (range < 0 || range >= NAD_R_RANGES || !std::isfinite(x)) return 0;
    if (Ranges[range].zero_too && x == 0.0) return 1;
    if (x > Ranges[range].hi) return 0;
    return Ranges[range].lo_open ? x > Ranges[range].lo : x >= Ranges[range].lo;
}

const char *Nad_Range_Text(int range)
{
    return range >= 0 && range < NAD_R_RANGES ? Ranges[range].text : "";
}

/* The next value of the stream as a word into buf (size bytes): 1, 0 at the end of the file, -1
** for a word longer than the buffer or holding a NUL byte (read to its end). */
static int Scan_Number_Word(FILE *f, char *buf, size_t size)
{
    int c;
    while ((c = getc(f)) != EOF && isspace(c)) {}
    size_t n = 0;
    bool longer = false;
    for (; c != EOF && !isspace(c); c = getc(f)) {
        if (n + 1 < size && c != '\0') buf[n++] = (char)c;
        else longer = true; /* a NUL byte is no part of a number either */
    }
    if (c != EOF) ungetc(c, f);
    buf[n] = '\0';
    if (n == 0) return 0;
    return longer ? -1 : 1;
}

/* The value of a whole number as this program writes them ("17", "-1"): an optional sign and
** digits; 0 for another word. A number beyond 18 digits saturates (it lies outside every range). */
static int Plain_Whole_Number(const char *word, int64_t *v)
{
    const char *p = word + (*word == '+' || *word == '-');
    int64_t x = 0;
    size_t digits = 0;
    for (; *p >= '0' && *p <= '9'; p++, digits++) x = digits < 18 ? 10 * x + (*p - '0') : INT64_MAX;
    if (digits == 0 || *p != '\0') return 0;
    *v = *word == '-' ? -x : x;
    return 1;
}

/* The next value as a whole number into *x, its word (cut with "..." where longer) into
** written when given; 0 (the failure marked) for a word that is none, which is left unread as
** "%d" leaves it: the old store's next entry ("#NAD") stays for its reader. */
static int Scan_Whole(FILE *f, int64_t *x, char *written = nullptr, size_t size = 0)
{
    int c;
    while ((c = getc(f)) != EOF && isspace(c)) {}
    if (c != EOF) ungetc(c, f);
    const long start = ftell(f);
    char word[400];
    const int got = Scan_Number_Word(f, word, sizeof word);
    if (written && size > 4) {
        if (strlen(word) < size) snprintf(written, size, "%s", word);
        else snprintf(written, size, "%.*s...", (int)(size - 4), word);
    }
    if (got <= 0 || !Plain_Whole_Number(word, x) || !Ends_Value(f)) {
        Nad_Scan_Fail(f);
        if (got != 0 && start >= 0) {
            clearerr(f);
            fseek(f, start, SEEK_SET);
        }
        return 0;
    }
    return 1;
}

int Nad_Scan_Int_In(FILE *f, int32_t *v, int range)
{
    int64_t x = 0;
    if (!Scan_Whole(f, &x)) return 0;
    /* %d took 4294967313 as 17, and a switch of 2 or -1 without a word */
    if (!Nad_In_Range((double)x, range)) {
        Nad_Scan_Fail_At(ftell(f), range);
        return 0;
    }
    *v = (int32_t)x;
    return 1;
}

int Nad_Scan_Block_Version(FILE *f, int32_t *v, int32_t newest)
{
    int64_t x = 0;
    char written[sizeof Scan_Failed_Word];
    if (!Scan_Whole(f, &x, written, sizeof written)) return 0;
    if (x < 0 || x > newest) {
        if (Scan_Failed_At < 0) {
            Scan_Fail_As(ftell(f), NAD_DAMAGE_VERSION);
            Scan_Failed_Other = x;
            snprintf(Scan_Failed_Word, sizeof Scan_Failed_Word, "%s", written);
        }
        return 0;
    }
    *v = (int32_t)x;
    return 1;
}

int Nad_Scan_Dbl(FILE *f, double *v) { return Nad_Scan_Dbl_In(f, v, NAD_R_ANY); }

int Nad_Scan_Dbl_In(FILE *f, double *v, int range)
{
    /* a plain decimal number and nothing more: "%lf" would take hexadecimal ("0x10", "0x1p+0"),
    ** an exponent, nan and inf, none of which this program writes */
    char word[400];
    const int got = Scan_Number_Word(f, word, sizeof word);
    if (got <= 0 || !Plain_Decimal_Number(word, strlen(word), 0, nullptr) || !Ends_Value(f)) {
        Nad_Scan_Fail(f);
        return 0;
    }
    const double x = strtod(word, nullptr);
    if (!Nad_In_Range(x, range)) {
        Nad_Scan_Fail_At(ftell(f), range > NAD_R_ANY ? range : 0);
        return 0;
    }
    *v = x;
    return 1;
}

int Nad_Scan_Word(FILE *f, char *buf, size_t size)
{
    char format[16];
    snprintf(format, sizeof format, "%%%zus", size - 1);
    if (size < 2 || fscanf(f, format, buf) != 1) {
        Nad_Scan_Fail(f);
        return 0;
    }
    return 1;
}

/* ---------------------------------------------------------------- reader */

/* The 1-based line of the file at an offset; at the end of the file, its last line. */
static int32_t Line_At(FILE *f, long at, int at_end)
{
    rewind(f);
    int32_t line = 1;
    int c = '\n';
    for (long i = 0; i < at; i++) {
        c = getc(f);
        if (c == EOF) break;
        if (c == '\n') line++;
    }
    /* a file that ends with its line feed ends in the line before */
    if (at_end && c == '\n' && line > 1) line--;
    return line;
}

/* The offset of the first value behind a section that was read whole, before the next line that
** begins with '#' or the end of the file; -1 when there is none. */
static long Extra_Value_At(FILE *f)
{
    int c, line_start = 0;
    while ((c = getc(f)) != EOF) {
        if (c == '#' && line_start) return -1;
        if (!isspace(c)) return ftell(f) - 1;
        line_start = c == '\n';
    }
    return -1;
}

static void Note_Damage(NAD_File_Damage *d, const char *part, int kind, int32_t line,
                        int64_t other = 0, const char *written = "")
{
    if (d->count >= NAD_DAMAGE_PARTS) return;
    snprintf(d->parts[d->count].part, sizeof d->parts[0].part, "%s", part);
    d->parts[d->count].kind = kind;
    d->parts[d->count].line = line;
    d->parts[d->count].other = other;
    snprintf(d->parts[d->count].written, sizeof d->parts[0].written, "%s", written);
    d->count++;
}

/* After a part was read: note it when a read failed or values stand behind it. Answer 1 when it
** was read whole. */
static int Part_Read_Whole(FILE *f, NAD_File_Damage *d, const char *part, int tail)
{
    long at;
    int kind;
    int64_t version;
    if (Nad_Scan_Failed(&at, &kind, &version)) {
        Note_Damage(d, part, kind,
                    Line_At(f, at, kind == NAD_DAMAGE_CUT || kind == NAD_DAMAGE_UNENDED),
                    kind == NAD_DAMAGE_VERSION || kind == NAD_DAMAGE_RANGE ? version : 0,
                    kind == NAD_DAMAGE_VERSION ? Nad_Scan_Failed_Word() : "");
        return 0;
    }
    if (tail && (at = Extra_Value_At(f)) >= 0) {
        Note_Damage(d, part, NAD_DAMAGE_EXTRA, Line_At(f, at, 0));
        return 0;
    }
    return 1;
}

/* The lines (1-based) that begin with a keyword, the first two into lines[]; answers how many. */
static int Keyword_Lines(FILE *f, const char *key, int32_t lines[2])
{
    rewind(f);
    const size_t len = strlen(key);
    size_t col = 0;
    int count = 0, match = 1, c;
    int32_t line = 1;
    while ((c = getc(f)) != EOF) {
        if (c == '\n') {
            line++;
            col = 0;
            match = 1;
        } else if (match && c != (unsigned char)key[col]) {
            match = 0;
        } else if (match && ++col == len) {
            if (count < 2) lines[count] = line;
            count++;
            match = 0;
        }
    }
    clearerr(f);
    return count;
}

/*
** Read the section of a keyword into its block. A section that is missing leaves the block as it
** was; one that is not read whole, or that stands twice in the file (which of them holds is not
** known), is noted and its block gets back what it held before, so that no block is made of
** values read and values left over.
*/
template <class Block>
static void Read_Section(FILE *f, const char *key, Block *b, void (*read)(FILE *, Block *),
                         NAD_File_Damage *d)
{
    int32_t lines[2] = {0, 0};
    if (Keyword_Lines(f, key, lines) > 1) {
        Note_Damage(d, key, NAD_DAMAGE_TWICE, lines[1], lines[0]);
        return;
    }
    if (!Seek_Keyword_Prefix_Line(key, f, nullptr)) {
        Note_Damage(d, key, NAD_DAMAGE_MISSING, 0);
        return;
    }
    const Block before = *b;
    Nad_Scan_Begin();
    read(f, b);
    if (!Part_Read_Whole(f, d, key, 1)) *b = before;
}

/*
** Read an open national-annex file into a record. Answer 1 when the version line was read (its
** number is not tested), else 0 with the record untouched. Sections may stand in any order. A
** missing section leaves its block as it was; so does a section that is not read whole (a value
** that does not convert, a file that ends inside it, values left behind it), and a header whose
** flag or variant does not convert leaves both as they were. What was not read whole goes to
** *damage, when given, in the order header, EN 1990, 1992, 1993, 1995, 1996, 1999.
*/
int Parse_NAD_File_Checked(FILE *f, NAD_Record *rec, NAD_File_Damage *damage)
{
    NAD_File_Damage scratch;
    NAD_File_Damage *d = damage ? damage : &scratch;
    memset(d, 0, sizeof *d);
    if (!f || !rec) return 0;
    int version;
    if (fscanf(f, "NAD/Version %d", &version) != 1) return 0;
    Nad_Scan_Begin();
    int32_t flag = rec->flag_index, variant = rec->variant;
    char name[100];
    Nad_Scan_Int_In(f, &flag, NAD_R_FLAG);
    Read_Guillemet_String_Short(f, name);
    Nad_Set_Record_Name(rec, name);
    Nad_Scan_Int_In(f, &variant, NAD_R_VARIANT);
    if (Part_Read_Whole(f, d, "Kopf", 0)) {
        rec->flag_index = flag;
        rec->variant = variant;
    }

    Read_Section<NAD_EC0_Params>(
        f, "#EC0", &rec->ec0, [](FILE *s, NAD_EC0_Params *b) { Read_NAD_EC0_Section(s, b, 1); }, d);
    Read_Section<NAD_EC2_Params>(f, "#EC2", &rec->ec2, Read_NAD_EC2_Section, d);
    Read_Section<NAD_EC3_Params>(
        f, "#EC3", &rec->ec3, [](FILE *s, NAD_EC3_Params *b) { Read_NAD_EC3_Section(s, b, 1); }, d);
    Read_Section<NAD_EC5_Params>(
        f, "#EC5", &rec->ec5, [](FILE *s, NAD_EC5_Params *b) { Read_NAD_EC5_Section(s, b, 1); }, d);
    Read_Section<NAD_EC6_Params>(f, "#EC6", &rec->ec6, Read_NAD_EC6_Section, d);
    Read_Section<NAD_EC9_Params>(f, "#EC9", &rec->ec9, Read_NAD_EC9_Section, d);
    return 1;
}

int Parse_NAD_File(FILE *f, NAD_Record *rec) { return Parse_NAD_File_Checked(f, rec, nullptr); }

/*
** Open and read the file of a list entry (number 0: built-in file of that name below DATA;
** n > 0: user file n below DRAM) and complete the record: origin, EN 1991 tables of the annex,
** the variant in every block. Answer 1 when read (what was not read whole goes to *damage, when
** given), 0 otherwise.
*/
int Read_NAD_File_Checked(int number, const char *name, NAD_Record *rec, NAD_File_Damage *damage)
{
    char path[RT_PATH_MAX];
    if (damage) memset(damage, 0, sizeof *damage);
    if (!rec || !Nad_File_Path(number, name, path, sizeof path)) return 0;
    /* a file that cannot be read (a pipe or a device under the name too) is said by the caller,
    ** and so is one past any annex's size (EFBIG), which is never read further */
    int longer = 0;
    FILE *f = Rt_Fopen_Read_Head(path, NAD_FILE_MAX_BYTES, &longer);
    if (!f) return 0;
    if (longer) {
        fclose(f);
        errno = EFBIG;
        return 0;
    }
    if (!Parse_NAD_File_Checked(f, rec, damage)) {
        fclose(f);
        return 0;
    }
    rec->user_defined = number > 0 ? 1 : 0;
    Load_EC1_Table_Values(number, rec->name, &rec->ec1);
    Select_EC1_Table_Variant(&rec->ec1, rec->variant);
    Set_NAD_EC2_Variant(&rec->ec2, rec->variant);
    Set_NAD_EC3_Variant(&rec->ec3, rec->variant);
    Set_NAD_EC5_Variant(&rec->ec5, rec->variant);
    Set_NAD_EC6_Variant(&rec->ec6, rec->variant);
    Set_NAD_EC9_Variant(&rec->ec9, rec->variant);
    fclose(f);
    return 1;
}

int Read_NAD_File(int number, const char *name, NAD_Record *rec)
{
    return Read_NAD_File_Checked(number, name, rec, nullptr);
}

const char *NAD_Damage_Part_Title(const char *part, char *out, size_t size)
{
    static const char *const standards[][2] = {{"#EC0", "EN 1990"}, {"#EC2", "EN 1992"},
                                               {"#EC3", "EN 1993"}, {"#EC5", "EN 1995"},
                                               {"#EC6", "EN 1996"}, {"#EC9", "EN 1999"}};
    const char *standard = nullptr;
    for (const auto &s : standards)
        if (part && strcmp(part, s[0]) == 0) standard = s[1];
    if (standard) snprintf(out, size, "%s (%s)", part, standard);
    else if (part && strcmp(part, "Kopf") == 0)
        snprintf(out, size, "die Kopfzeile (Flagge, Variante)");
    else snprintf(out, size, "%s", part ? part : "");
    return out;
}

/* ---------------------------------------------------------------- telling the damage */

/* "a", "a und b", "a, b und c": the parts of a damage list, every one with its standard
** (titled), or only the missing ones by their keyword. */
static std::string Joined_Parts(const NAD_File_Damage *d, int titled)
{
    std::vector<std::string> parts;
    for (int i = 0; i < d->count; i++) {
        if (!titled && d->parts[i].kind != NAD_DAMAGE_MISSING) continue;
        char title[64];
        parts.push_back(titled ? NAD_Damage_Part_Title(d->parts[i].part, title, sizeof title)
                               : d->parts[i].part);
    }
    std::string s;
    for (size_t i = 0; i < parts.size(); i++)
        s += (i == 0 ? "" : i + 1 == parts.size() ? " und " : ", ") + parts[i];
    return s;
}

int NAD_Damage_All_Blocks(const NAD_File_Damage *d)
{
    int blocks = 0;
    for (int i = 0; d && i < d->count; i++) blocks += strcmp(d->parts[i].part, "Kopf") != 0;
    return blocks == NAD_DAMAGE_PARTS - 1;
}

const char *NAD_Damage_Parts_Text(const NAD_File_Damage *d, char *out, size_t size)
{
    snprintf(out, size, "%s", d ? Joined_Parts(d, 1).c_str() : "");
    return out;
}

/*
** Tell the user that the file of the annex `name` at `path` was not read whole: each part with
** the line where its reading stopped, and that those parts hold the built-in defaults while the
** others hold the annex's values.
*/
void Say_NAD_File_Damage(const char *name, const char *path, const NAD_File_Damage *d)
{
    if (!d || d->count == 0) return;
    Init_Message();
    Set_Message_Symbol(2, 0, 0, 0);
    Set_Message_Title("Warnung");
    Fill_Message(
        (std::string("Das Anwendungsdokument \"") + name + "\" ist beschädigt."_cp850).c_str());
    Fill_Message((std::string("Datei ") + path + ":").c_str());
    int missing = 0;
    for (int i = 0; i < d->count; i++) {
        const auto &p = d->parts[i];
        if (p.kind == NAD_DAMAGE_MISSING) {
            missing++;
            continue;
        }
        const std::string label =
            strcmp(p.part, "Kopf") == 0 ? std::string("Kopfzeile") : std::string("Block ") + p.part;
        char line[240];
        if (p.kind == NAD_DAMAGE_CUT)
            snprintf(line, sizeof line, "%s: Die Datei endet vorzeitig in Zeile %d.", label.c_str(),
                     (int)p.line);
        else if (p.kind == NAD_DAMAGE_UNENDED)
            snprintf(line, sizeof line,
                     "%s: Die Datei endet in Zeile %d ohne Zeilenende; der letzte Wert kann "
                     "gekürzt sein."_cp850,
                     label.c_str(), (int)p.line);
        else if (p.kind == NAD_DAMAGE_TWICE)
            snprintf(line, sizeof line, "%s steht zweimal in der Datei, in Zeile %d und %d.",
                     label.c_str(), (int)p.other, (int)p.line);
        else if (p.kind == NAD_DAMAGE_VERSION && p.written[0])
            snprintf(line, sizeof line, "%s, Zeile %d: unbekannte Version %s.", label.c_str(),
                     (int)p.line, p.written);
        else if (p.kind == NAD_DAMAGE_VERSION)
            snprintf(line, sizeof line, "%s, Zeile %d: unbekannte Version %lld.", label.c_str(),
                     (int)p.line, (long long)p.other);
        else if (p.kind == NAD_DAMAGE_RANGE)
            snprintf(line, sizeof line,
                     "%s, Zeile %d: ein Wert au\xE1"
                     "erhalb seines Bereichs (%s).",
                     label.c_str(), (int)p.line, Nad_Range_Text((int)p.other));
        else
            snprintf(line, sizeof line, "%s, Zeile %d: %s", label.c_str(), (int)p.line,
                     p.kind == NAD_DAMAGE_EXTRA ? "mehr Werte als erwartet."
                                                : "kein gültiger Zahlenwert."_cp850);
        Fill_Message(line);
    }
    if (missing > 0)
        Fill_Message(
            (std::string(missing == 1 ? "Es fehlt der Block " : "Es fehlen die Blöcke "_cp850)
             + Joined_Parts(d, 0) + ".")
                .c_str());
    if (NAD_Damage_All_Blocks(d)) {
        /* nothing of the file stands: said as for a file that cannot be read */
        Fill_Message("Bemessen wird mit den eingebauten Vorgabewerten \"EC-Standard\",");
        Fill_Message((std::string("nicht mit den Werten von \"") + name + "\".").c_str());
    } else {
        Fill_Message("Bemessen wird dort mit den eingebauten Vorgabewerten \"EC-Standard\",");
        Fill_Message((std::string("sonst mit den Werten von \"") + name + "\".").c_str());
    }
    Fill_Message("Bitte die Datei prüfen oder ein anderes Anwendungsdokument wählen."_cp850);
    Draw_Message();
}

/*
** Write a record to the user file of that number below DRAM, or delete that file when the
** record is null. Answer 1 on success, 0 when DRAM is unset or the file cannot be written.
*/
int Store_User_NAD_File(int number, const NAD_Record *rec)
{
    char path[RT_PATH_MAX];
    if (number <= 0 || !Nad_File_Path(number, nullptr, path, sizeof path)) return 0;
    if (!rec) return Rt_Delete_File(path);
    FILE *f = Rt_Fopen(path, "wb"); /* a new file, never through a link */
    if (!f) return 0;
    Write_NAD_File(f, rec);
    const int bad = ferror(f);
    return (fclose(f) == 0 && !bad) ? 1 : 0;
}

/* ---------------------------------------------------------------- old block formats */

/*
** Search the lines that follow for one beginning with header. Answer 1 when found (the stream
** stands behind that line; an integer right behind the header goes to *version when given),
** 2 when a line beginning with stop comes first, 0 at the end of the file; in both latter cases
** the stream returns to where it stood.
*/
int Spool_To_Section_Header(FILE *f, const char *header, const char *stop, int *version)
{
    if (!f || !header) return 0;
    const long pos = ftell(f);
    const size_t hl = strlen(header), sl = stop ? strlen(stop) : 0;
    char line[302];
    while (fgets(line, sizeof line, f)) {
        if (strncmp(line, header, hl) == 0) {
            int v;
            if (version && sscanf(line + hl, "%d", &v) == 1) *version = v;
            /* A piece cut at the buffer's end: skip the rest of the line. */
            if (!strchr(line, '\n')) Skip_Line(f);
            return 1;
        }
        if (sl > 0 && strncmp(line, stop, sl) == 0) {
            fseek(f, pos, SEEK_SET);
            return 2;
        }
    }
    clearerr(f);
    fseek(f, pos, SEEK_SET);
    return 0;
}

/* ---------------------------------------------------------------- conversion of the old store */

/*
** Convert the older store "NADs-EC2.DEF" below DRAM into numbered files "NADS/<n>.NAD", once:
** the folder NADS is the sign that the conversion was done. The files are numbered 1, 2, 3 ...
** without gaps in the order of the entries: an entry whose file cannot be written takes no
** number. The old store is neither changed nor deleted.
*/
void Safeguard_Proper_Version(void)
{
    const char *dram = Nad_Env("DRAM");
    if (!dram) {
        printf("Safeguard_Proper_Version: ERROR %d\n", 1);
        return;
    }
    char dir[RT_PATH_MAX], path[RT_PATH_MAX];
    if (!Rt_Path_Join(dir, sizeof dir, dram, "NADS")) return;
    if (Rt_Is_Directory(dir)) return;
    if (!Rt_Make_Dirs(dir)) {
        printf("Safeguard_Proper_Version: ERROR %d\n", 2);
        return;
    }
    if (!Rt_Is_Directory(dir)) {
        printf("Safeguard_Proper_Version: ERROR %d\n", 3);
        return;
    }
    if (!Rt_Path_Join(path, sizeof path, dram, "NADs-EC2.DEF")) return;
    FILE *old = Fopen_Read_Said(nullptr, path, "Sie wird nicht in einzelne Dateien umgesetzt.");
    if (!old) return;
    Convert_Old_NAD_Store(old, dir);
    fclose(old);
}

/*
** Write one file "<dir>/<k>.NAD" per "#NAD" entry of an open old store, k = 1, 2, 3 ... in the
** order of the entries and without gaps (the list of annexes ends at the first missing number,
** so an entry whose file cannot be written takes no number). Answer the number of files written.
*/
int Convert_Old_NAD_Store(FILE *old, const char *dir)
{
    if (!old || !dir) return 0;
    /* One scratch record across the entries; blocks the old store lacks keep the defaults. */
    NAD_Record *rec = static_cast<NAD_Record *>(calloc(1, sizeof *rec));
    if (!rec) return 0;
    Init_NAD_EC0_Defaults(&rec->ec0);
    Init_NAD_EC2_Defaults(&rec->ec2);
    Init_NAD_EC3_Defaults(&rec->ec3);
    Init_NAD_EC5_Defaults(&rec->ec5);
    Init_NAD_EC6_Defaults(&rec->ec6);
    Init_NAD_EC9_Defaults(&rec->ec9);

    int k = 1;
    char line[302];
    while (fgets(line, sizeof line, old)) {
        const int whole = strchr(line, '\n') != nullptr;
        if (!whole) Skip_Line(old);
        if (strncmp(line, "#NAD", 4) != 0) continue;
        int flag = 0;
        char name[100];
        /* An entry without its flag number is no annex: the next "#NAD" line is searched. */
        if (fscanf(old, " %d", &flag) != 1) continue;
        Read_Guillemet_String_Short(old, name);
        Read_NAD_EC2_Section(old, &rec->ec2);
        Read_NAD_EC3_Section(old, &rec->ec3, 0);
        Read_NAD_EC5_Section(old, &rec->ec5, 0);
        Read_NAD_EC0_Section(old, &rec->ec0, 0);
        rec->flag_index = flag;
        rec->variant = 0;
        Nad_Set_Record_Name(rec, name);
        char out[RT_PATH_MAX];
        if (snprintf(out, sizeof out, "%s/%d.NAD", dir, k) >= (int)sizeof out) break;
        FILE *f = Rt_Fopen(out, "wb");
        if (!f) continue;
        Write_NAD_File(f, rec);
        const int bad = ferror(f);
        if (fclose(f) == 0 && !bad) k++;
        else Rt_Delete_File(out);
    }
    free(rec);
    return k - 1;
}
