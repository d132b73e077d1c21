/*
** Legacy annex list of input files of an older generation ("ACTIV_NAD_EC2" with the whole annex
** in the file), the forwarding entries of the annex module, and the rule-use tests that tell
** whether activated design checks use the rules of a Eurocode.
*/
#include "nad/nad.h"
#include "nad/nad_internal.h"
#include "foundation/foundation.h"
#include "platform/runtime.h"
#include "platform/zelkwin.h"

#include <cmath>
#include <cstdlib>
#include <cstring>

#define LEGACY_NAME_MAX 25

static Legacy_NAD_Entry *Legacy_Head = nullptr, *Legacy_Tail = nullptr, *Legacy_Current = nullptr;
static int Legacy_Count = 0;
static int Legacy_Built = 0;

/* Default old load factors: the building factors of EN 1990 in the old order: the 28 sup/inf
** pairs of the four situations (56 doubles) and the twelve psi0, psi1, psi2 triples (36). */
static void Default_Load_Factors(double *lf)
{
    NAD_EC0_Params ec0;
    Init_NAD_EC0_Defaults(&ec0);
    int k = 0;
    for (int s = 0; s < 4; s++)
        for (int t = 0; t < 7; t++)
            lf[k++] = ec0.gamma_bld[s][t][0], lf[k++] = ec0.gamma_bld[s][t][1];
    for (int r = 0; r < 12; r++)
        for (int i = 0; i < 3; i++) lf[k++] = ec0.psi_bld[r][i];
}

static Legacy_NAD_Entry *New_Entry(int flag, int user, const char *name)
{
    Legacy_NAD_Entry *e = static_cast<Legacy_NAD_Entry *>(calloc(1, sizeof *e));
    if (!e) {
        Foundation_Report(FOUNDATION_MSG_NO_MEMORY, -1, "Speicher nicht ausreichend!");
        exit(0);
    }
    e->flag = flag;
    e->user_defined = user;
    snprintf(e->name, sizeof e->name, "%.*s", LEGACY_NAME_MAX, name ? name : "");
    Init_NAD_EC2_Defaults(&e->ec2);
    Init_NAD_EC3_Defaults(&e->ec3);
    Init_NAD_EC5_Defaults(&e->ec5);
    Default_Load_Factors(e->load_factors);
    return e;
}

static void Append(Legacy_NAD_Entry *e)
{
    e->prev = Legacy_Tail;
    e->next = nullptr;
    if (Legacy_Tail) Legacy_Tail->next = e;
    else Legacy_Head = e;
    Legacy_Tail = e;
    Legacy_Count++;
}

static void Unlink(Legacy_NAD_Entry *e)
{
    if (e->prev) e->prev->next = e->next;
    else Legacy_Head = e->next;
    if (e->next) e->next->prev = e->prev;
    else Legacy_Tail = e->prev;
    Legacy_Count--;
    free(e);
}

/*
** Read the old load-factor lines: 28 pairs "%lf%lf", then 12 triples "%lf%lf%lf". Answer 1 when
** all 92 values converted, else 0 (the rest keeps its values).
*/
int Read_Legacy_NAD_Load_Factors(FILE *f, double *factors)
{
    if (!f || !factors) return 0;
    if (Spool_To_Section_Header(f, " Lastfaktoren", "#NAD", nullptr)
        == 0) { /* the lines may follow directly */
    }
    for (int i = 0; i < 28; i++)
        if (fscanf(f, "%lf%lf", &factors[2 * i], &factors[2 * i + 1]) != 2) return 0;
    for (int i = 0; i < 12; i++)
        if (fscanf(f, "%lf%lf%lf", &factors[56 + 3 * i], &factors[57 + 3 * i], &factors[58 + 3 * i])
            != 3)
            return 0;
    return 1;
}

/* The blocks of an old entry from the lines that follow. */
static void Read_Entry_Blocks(FILE *f, Legacy_NAD_Entry *e)
{
    Read_NAD_EC2_Section(f, &e->ec2);
    Read_NAD_EC3_Section(f, &e->ec3, 0);
    Read_NAD_EC5_Section(f, &e->ec5, 0);
    Read_Legacy_NAD_Load_Factors(f, e->load_factors);
}

/*
** Build the list once: "EC-Standardparameter" with the defaults, then one entry per "#NAD" line
** of the old store below DRAM.
*/
void Build_Legacy_NAD_List(void)
{
    if (Legacy_Built) return;
    Legacy_Built = 1;
    Append(New_Entry(NAD_FLAG_STANDARD, 0, NAD_NAME_STANDARD));
    const char *dram = Rt_Getenv("DRAM");
    char path[RT_PATH_MAX];
    if (!dram || !Rt_Path_Join(path, sizeof path, dram, "NADs-EC2.DEF")) return;
    FILE *f = Fopen_Read_Said(nullptr, path, nullptr);
    if (!f) return;
    char line[302];
    while (fgets(line, sizeof line, f)) {
        if (!strchr(line, '\n')) Skip_Line(f);
        if (strncmp(line, "#NAD", 4) != 0) continue;
        int flag = 0;
        char name[100];
        if (fscanf(f, " %d", &flag) != 1) continue; /* no annex behind this line */
        Read_Guillemet_String_Short(f, name);
        Legacy_NAD_Entry *e = New_Entry(flag, 1, name);
        Read_Entry_Blocks(f, e);
        Append(e);
    }
    fclose(f);
}

static int Same_Load_Factors(const double *a, const double *b)
{
    for (int i = 0; i < 92; i++)
        if (fabs(a[i] - b[i]) > 0.0001) return 0;
    return 1;
}

/*
** Read the annex stored in an old input file behind "ACTIV_NAD_EC2" and make it current; an
** equal entry already in the list is taken instead of the new one. Answer 1, or 0 when the
** keyword is missing.
*/
int Read_Legacy_Active_NAD(FILE *f)
{
    Build_Legacy_NAD_List();
    if (!f || !Seek_Keyword_Prefix_Line("ACTIV_NAD_EC2", f, nullptr)) return 0;
    int flag = 0;
    char name[100];
    if (fscanf(f, " %d", &flag) != 1) flag = 0;
    Read_Guillemet_String_Short(f, name);
    Legacy_NAD_Entry *e = New_Entry(flag, 1, name);
    Read_Entry_Blocks(f, e);
    Append(e);
    Legacy_Current = e;
    for (Legacy_NAD_Entry *p = Legacy_Head; p && p != e; p = p->next) {
        if (Compare_NAD_EC2_Params(&p->ec2, &e->ec2) == 0
            && Compare_NAD_EC3_Params(&p->ec3, &e->ec3) == 0
            && Compare_NAD_EC5_Params(&p->ec5, &e->ec5) == 0
            && Same_Load_Factors(p->load_factors, e->load_factors)) {
            Legacy_Current = p;
            Unlink(e);
            break;
        }
    }
    return 1;
}

int Read_Legacy_Active_NAD_Twin(FILE *f) { return Read_Legacy_Active_NAD(f); }

const char *Get_Legacy_NAD_Name(void)
{
    return Legacy_Current ? Legacy_Current->name : "*** unbekannt ***";
}

Legacy_NAD_Entry *Get_Legacy_NAD_Current(void) { return Legacy_Current; }

void Clear_Legacy_NAD_List(void)
{
    while (Legacy_Head) Unlink(Legacy_Head);
    Legacy_Current = nullptr;
    Legacy_Built = 0;
}
int Get_Legacy_NAD_Count(void) { return Legacy_Count; }

/*
** Draw flag n of the flag strip into the rectangle; numbers 20 and above take the last row.
*/
void Draw_Legacy_NAD_Flag(int x1, int y1, int x2, int y2, int flag)
{
    const char *data = Nad_Env("DATA");
    char path[RT_PATH_MAX];
    if (!data || snprintf(path, sizeof path, "%s/NAD/EuroFlags.bmp", data) >= (int)sizeof path)
        return;
    const int sy = flag >= 20 ? 323 : 19 * flag;
    pxDrawPartialTransparentDIB(/*file=*/path, /*sx1=*/0, /*sy1=*/sy, /*sx2=*/25, /*sy2=*/sy + 18,
                                /*x1=*/x1, /*y1=*/y1, /*x2=*/x2, /*y2=*/y2, /*mode=*/201,
                                /*flag=*/0, /*r=*/255, /*g=*/251, /*b=*/240);
}

/* ---------------------------------------------------------------- forwarding entries */

int Open_NAD_Selection_Sheet(void) { return Edit_NAD_Selection_Sheet(); }
void Write_Active_NAD_Name_Stub(FILE *f) { Write_Active_NAD_Name(f); }
void Write_Active_NAD_Name_Stub2(FILE *f) { Write_Active_NAD_Name(f); }
void Print_NAD_EC0_Page_If_Used_Stub(FILE *f) { Print_NAD_EC0_Page_If_Used(f); }
void Print_NAD_EC0_Page_If_Used_Stub2(FILE *f) { Print_NAD_EC0_Page_If_Used(f); }
void Draw_Active_NAD_Flag_Stub(int x, int y) { Draw_Active_NAD_Flag(x, y); }

/* ---------------------------------------------------------------- rule use */

static NAD_Check_Count_Fn Check_Count = nullptr;

void NAD_Set_Check_Count_Hook(NAD_Check_Count_Fn count) { Check_Count = count; }

static int Sum_Active(const int *types, int n)
{
    int sum = 0;
    for (int i = 0; i < n && Check_Count; i++) sum += Check_Count(types[i]);
    return sum;
}

int NAD_EC2_Rules_Used(void)
{
    static const int t[] = {41, 42, 43, 44, 47, 48, 49, 81, 82, 91, 92, 93, 94, 97, 98, 99};
    return Sum_Active(t, sizeof t / sizeof t[0]);
}

int NAD_EC3_Rules_Used(void)
{
    static const int t[] = {211, 212, 213, 214};
    return Sum_Active(t, 4);
}

int NAD_EC5_Rules_Used(void)
{
    static const int t[] = {221, 222, 224, 225};
    return Sum_Active(t, 4);
}

int NAD_EC6_Rules_Used(void) { return 0; }

int NAD_EC9_Rules_Used(void)
{
    static const int t[] = {261, 262};
    return Sum_Active(t, 2);
}

int NAD_Other_Rules_Used(void)
{
    static const int t[] = {988, 989, 998, 999};
    return Sum_Active(t, 4);
}
