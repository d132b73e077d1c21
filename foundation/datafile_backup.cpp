/*
** The backup scheme of versioned data files: a temporary backup ".bak", a calculation backup
** ".clcbak" and a comparison file ".cmp", with the question whether to restore the temporary
** backup after an irregular end.
*/
#include "foundation/datafile.h"

#include <cstdio>
#include <cstring>

#include "foundation/codepage.h"
#include "foundation/files.h"
#include "foundation/report.h"
#include "platform/zelkwin.h"

#define BACKUP_NAME_SIZE (2 * FILES_PATH_MAX)

static Dat_Stream_Fn Backup_Reader = nullptr;
static Dat_Stream_Fn Backup_Writer = nullptr;
static char Name_Bak[BACKUP_NAME_SIZE];      /* temporary backup */
static char Name_Clcbak[BACKUP_NAME_SIZE];   /* calculation backup */
static char Name_Cmp[BACKUP_NAME_SIZE];      /* comparison file */
static char Name_Fourth[BACKUP_NAME_SIZE];   /* optional */
static char Name_Fifth[BACKUP_NAME_SIZE];    /* optional */
static int Backup_Enabled = 1;

/* dir + name + ext into out; a name that does not fit is left empty (never a cut name). */
static void Form_Name(char *out, const char *dir, const char *name, const char *ext)
{
    const int k = snprintf(out, BACKUP_NAME_SIZE, "%s%s%s", dir ? dir : "", name ? name : "", ext);
    if (k < 0 || k >= BACKUP_NAME_SIZE) out[0] = '\0';
}

void Dat_Set_Backup_Names(Dat_Stream_Fn reader, Dat_Stream_Fn writer, const char *dir, const char *name,
                          const char *extra1, const char *extra2)
{
    Backup_Reader = reader;
    Backup_Writer = writer;
    Form_Name(Name_Bak, dir, name, ".bak");
    Form_Name(Name_Clcbak, dir, name, ".clcbak");
    Form_Name(Name_Cmp, dir, name, ".cmp");
    Name_Fourth[0] = Name_Fifth[0] = '\0';
    if (extra1) Form_Name(Name_Fourth, "", extra1, "");
    if (extra2) Form_Name(Name_Fifth, "", extra2, "");
}

void Dat_Set_Backup_Names_Dir(Dat_Stream_Fn reader, Dat_Stream_Fn writer, const char *dir, const char *name,
                              const char *a, const char *b)
{
    Dat_Set_Backup_Names(reader, writer, dir, name, nullptr, nullptr);
    if (a) Form_Name(Name_Fourth, dir, a, "");
    if (b) Form_Name(Name_Fifth, dir, b, "");
}

void Dat_Backup_Disable(void)
{
    Backup_Enabled = 0;
}

void Dat_Backup_Off(void)
{
    Backup_Enabled = 0;
}

void Dat_No_Backup(void)
{
    Backup_Enabled = 0;
}

void Dat_Backup_Enable(void)
{
    Backup_Enabled = 1;
}

int Dat_Backup_Exists(void)
{
    return Name_Bak[0] && File_Exists(Name_Bak);
}

int Dat_Write_Backup_To(const char *path)
{
    if (!Backup_Enabled || !Backup_Writer || !path || !*path) return 1;
    FILE *f = fopen(path, "w");
    if (!f) return 1;
    int r = Backup_Writer(f);
    if (fclose(f) != 0 && r == 0) r = 1;
    return r;
}

int Dat_Write_Bak(void)
{
    return Dat_Write_Backup_To(Name_Bak);
}

int Dat_Write_Clcbak(void)
{
    return Dat_Write_Backup_To(Name_Clcbak);
}

FILE *Dat_Open_Bak(void)
{
    if (!Backup_Enabled || !Dat_Backup_Exists()) return nullptr;
    return fopen(Name_Bak, "r");
}

int Dat_Read_Backup_From(Dat_Stream_Fn reader, const char *path)
{
    if (!reader || !path || !*path || !File_Exists(path)) return 1;
    FILE *f = fopen(path, "r");
    if (!f) return 1;
    const int r = reader(f);
    fclose(f);
    return r;
}

int Dat_Read_Bak(Dat_Stream_Fn reader)
{
    return Dat_Read_Backup_From(reader, Name_Bak);
}

int Dat_Read_Clcbak(Dat_Stream_Fn reader)
{
    return Dat_Read_Backup_From(reader, Name_Clcbak);
}

int Files_Equal(const char *a, const char *b)
{
    if (!Backup_Enabled || !a || !b) return 1;
    FILE *fa = fopen(a, "rb");
    if (!fa) return 1;
    FILE *fb = fopen(b, "rb");
    if (!fb) {
        fclose(fa);
        return 1;
    }
    int ca, cb, differ = 0;
    do {
        ca = getc(fa);
        cb = getc(fb);
        if (ca != cb) differ = 1;
    } while (!differ && ca != EOF);
    fclose(fa);
    fclose(fb);
    return differ;
}

int Dat_Compare_With(const char *path)
{
    if (Dat_Write_Backup_To(Name_Cmp) != 0) return 1;
    return Files_Equal(Name_Cmp, path);
}

int Dat_Compare_Bak(void)
{
    return Dat_Compare_With(Name_Bak);
}

int Dat_Compare_Fourth(void)
{
    return Dat_Compare_With(Name_Fourth);
}

int Dat_Compare_Clcbak(void)
{
    if (Name_Fifth[0] && !File_Exists(Name_Fifth)) return 1;
    return Dat_Compare_With(Name_Clcbak);
}

int Dat_Remove_Bak(void)
{
    if (Backup_Enabled && Name_Bak[0]) remove(Name_Bak);
    return 0;
}

int Dat_Remove_Clcbak(void)
{
    if (Backup_Enabled && Name_Clcbak[0]) remove(Name_Clcbak);
    return 0;
}

int Dat_Remove_Backups(void)
{
    if (Backup_Enabled) {
        Dat_Remove_Bak();
        Dat_Remove_Clcbak();
        if (Name_Cmp[0]) remove(Name_Cmp);
    }
    return 0;
}

int Dat_Offer_Backup_Restore(void)
{
    if (!Dat_Backup_Exists()) return 0;
    int result = 0, ask = 1;
    if (Backup_Enabled && Backup_Writer && Dat_Compare_Bak() == 0) ask = 0;
    if (ask) {
        /* An empty sheet opened and closed, so that a window exists for the box. */
        Define_Prop_Sheet(0, 0, 1, 1, 0, 0, "", 0, 1);
        Activate_Prop_Sheet();
        Undefine_Prop_Sheet();
        Init_Message();
        Fill_Message("Es existiert noch eine temporäre Sicherung, die während"_cp850);
        Fill_Message("der letzten Bearbeitung der Position angelegt wurde."_cp850);
        Fill_Message("Dies läßt auf einen irregulären Abbruch schließen."_cp850);
        Fill_Message("");
        Fill_Message("Soll die temporäre Sicherung anstelle der"_cp850);
        Fill_Message("älteren regulären Sicherung geladen werden?"_cp850);
        Set_Message_Symbol(3, 1, 0, 0);
        if (Answer_is_Yes(1) && Dat_Read_Bak(Backup_Reader) != 0) {
            /* The error form adds "FEHLER: " and the final "!". */
            Foundation_Report(FOUNDATION_MSG_ERROR, -1, "Datensatz der temporären Sicherung nicht lesbar"_cp850);
            result = 1;
        }
    }
    Dat_Remove_Backups();
    return result;
}
