/*
** The backup scheme of versioned data files: a temporary backup ".bak", a calculation backup
** ".clcbak" and a comparison file ".cmp". The question whether to restore the temporary backup
** after an irregular end is in datafile_restore.cpp.
*/
#include "foundation/datafile.h"

#include <cstdio>
#include <cstring>

#include "foundation/files.h"
#include "platform/runtime.h"

#define BACKUP_NAME_SIZE (2 * FILES_PATH_MAX)

Dat_Stream_Fn Dat_Backup_Reader = nullptr; /* shared with datafile_restore.cpp */
Dat_Stream_Fn Dat_Backup_Writer = nullptr;
static char Name_Bak[BACKUP_NAME_SIZE];    /* temporary backup */
static char Name_Clcbak[BACKUP_NAME_SIZE]; /* calculation backup */
static char Name_Cmp[BACKUP_NAME_SIZE];    /* comparison file */
static char Name_Fourth[BACKUP_NAME_SIZE]; /* optional */
static char Name_Fifth[BACKUP_NAME_SIZE];  /* optional */
int Dat_Backup_Enabled = 1;

/* dir + name + ext into out; a name that does not fit is left empty (never a cut name). */
static void Form_Name(char *out, const char *dir, const char *name, const char *ext)
{
    const int k = snprintf(out, BACKUP_NAME_SIZE, "%s%s%s", dir ? dir : "", name ? name : "", ext);
    if (k < 0 || k >= BACKUP_NAME_SIZE) out[0] = '\0';
}

void Dat_Set_Backup_Names(Dat_Stream_Fn reader, Dat_Stream_Fn writer, const char *dir,
                          const char *name, const char *extra1, const char *extra2)
{
    Dat_Backup_Reader = reader;
    Dat_Backup_Writer = writer;
    Form_Name(Name_Bak, dir, name, ".bak");
    Form_Name(Name_Clcbak, dir, name, ".clcbak");
    Form_Name(Name_Cmp, dir, name, ".cmp");
    Name_Fourth[0] = Name_Fifth[0] = '\0';
    if (extra1) Form_Name(Name_Fourth, "", extra1, "");
    if (extra2) Form_Name(Name_Fifth, "", extra2, "");
}

void Dat_Set_Backup_Names_Dir(Dat_Stream_Fn reader, Dat_Stream_Fn writer, const char *dir,
                              const char *name, const char *a, const char *b)
{
    Dat_Set_Backup_Names(reader, writer, dir, name, nullptr, nullptr);
    if (a) Form_Name(Name_Fourth, dir, a, "");
    if (b) Form_Name(Name_Fifth, dir, b, "");
}

void Dat_Backup_Disable(void) { Dat_Backup_Enabled = 0; }

void Dat_Backup_Off(void) { Dat_Backup_Enabled = 0; }

void Dat_No_Backup(void) { Dat_Backup_Enabled = 0; }

void Dat_Backup_Enable(void) { Dat_Backup_Enabled = 1; }

int Dat_Backup_Exists(void) { return Name_Bak[0] && File_Exists(Name_Bak); }

int Dat_Write_Backup_To(const char *path)
{
    if (!Dat_Backup_Enabled || !Dat_Backup_Writer || !path || !*path) return 1;
    FILE *f = Rt_Fopen(path, "w"); /* a new file, never through a link */
    if (!f) return 1;
    int r = Dat_Backup_Writer(f);
    if (fclose(f) != 0 && r == 0) r = 1;
    return r;
}

int Dat_Write_Bak(void) { return Dat_Write_Backup_To(Name_Bak); }

int Dat_Write_Clcbak(void) { return Dat_Write_Backup_To(Name_Clcbak); }

FILE *Dat_Open_Bak(void)
{
    if (!Dat_Backup_Enabled || !Dat_Backup_Exists()) return nullptr;
    return Rt_Fopen_Read(Name_Bak);
}

int Dat_Read_Backup_From(Dat_Stream_Fn reader, const char *path)
{
    if (!reader || !path || !*path || !File_Exists(path)) return 1;
    FILE *f = Rt_Fopen_Read(path);
    if (!f) return 1;
    const int r = reader(f);
    fclose(f);
    return r;
}

int Dat_Read_Bak(Dat_Stream_Fn reader) { return Dat_Read_Backup_From(reader, Name_Bak); }

int Dat_Read_Clcbak(Dat_Stream_Fn reader) { return Dat_Read_Backup_From(reader, Name_Clcbak); }

int Files_Equal(const char *a, const char *b)
{
    if (!Dat_Backup_Enabled || !a || !b) return 1;
    FILE *fa = Rt_Fopen_Read(a);
    if (!fa) return 1;
    FILE *fb = Rt_Fopen_Read(b);
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

int Dat_Compare_Bak(void) { return Dat_Compare_With(Name_Bak); }

int Dat_Compare_Fourth(void) { return Dat_Compare_With(Name_Fourth); }

int Dat_Compare_Clcbak(void)
{
    if (Name_Fifth[0] && !File_Exists(Name_Fifth)) return 1;
    return Dat_Compare_With(Name_Clcbak);
}

int Dat_Remove_Bak(void)
{
    if (Dat_Backup_Enabled && Name_Bak[0]) remove(Name_Bak);
    return 0;
}

int Dat_Remove_Clcbak(void)
{
    if (Dat_Backup_Enabled && Name_Clcbak[0]) remove(Name_Clcbak);
    return 0;
}

int Dat_Remove_Backups(void)
{
    if (Dat_Backup_Enabled) {
        Dat_Remove_Bak();
        Dat_Remove_Clcbak();
        if (Name_Cmp[0]) remove(Name_Cmp);
    }
    return 0;
}
