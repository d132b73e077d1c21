/*
** National-annex files: the file frame ("NAD/Version 1", header, one section per block), the
** whole-file reader and writer, the user's numbered files below DRAM, the one-time conversion of
** the older single-file store, and the spooler to the header lines of old block formats.
*/
#include "nad/nad.h"
#include "nad/nad_internal.h"
#include "dialogs/dialogs.h"
#include "foundation/foundation.h"
#include "platform/runtime.h"

#include <cstring>

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
    fprintf(f, "NAD/Version 1\n\n");
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

/* ---------------------------------------------------------------- reader */

/*
** Read an open national-annex file into a record. Answer 1 when the version line was read (its
** number is not tested), else 0 with the record untouched. Sections may stand in any order; a
** missing section leaves its block as it was.
*/
int Parse_NAD_File(FILE *f, NAD_Record *rec)
{
    if (!f || !rec) return 0;
    int version;
    if (fscanf(f, "NAD/Version %d", &version) != 1) return 0;
    int flag = rec->flag_index, variant = rec->variant;
    char name[100];
    if (fscanf(f, "%d", &flag) == 1) rec->flag_index = flag;
    Read_Guillemet_String_Short(f, name);
    Nad_Set_Record_Name(rec, name);
    if (fscanf(f, "%d", &variant) == 1) rec->variant = variant;

    if (Seek_Keyword_Prefix_Line("#EC0", f, nullptr)) Read_NAD_EC0_Section(f, &rec->ec0, 1);
    if (Seek_Keyword_Prefix_Line("#EC2", f, nullptr)) Read_NAD_EC2_Section(f, &rec->ec2);
    if (Seek_Keyword_Prefix_Line("#EC3", f, nullptr)) Read_NAD_EC3_Section(f, &rec->ec3, 1);
    if (Seek_Keyword_Prefix_Line("#EC5", f, nullptr)) Read_NAD_EC5_Section(f, &rec->ec5, 1);
    if (Seek_Keyword_Prefix_Line("#EC6", f, nullptr)) Read_NAD_EC6_Section(f, &rec->ec6);
    if (Seek_Keyword_Prefix_Line("#EC9", f, nullptr)) Read_NAD_EC9_Section(f, &rec->ec9);
    return 1;
}

/*
** Open and read the file of a list entry (number 0: built-in file of that name below DATA;
** n > 0: user file n below DRAM) and complete the record: origin, EN 1991 tables of the annex,
** the variant in every block. Answer 1 when read, 0 otherwise.
*/
int Read_NAD_File(int number, const char *name, NAD_Record *rec)
{
    char path[RT_PATH_MAX];
    if (!rec || !Nad_File_Path(number, name, path, sizeof path)) return 0;
    FILE *f = fopen(path, "rb");
    if (!f) return 0;
    if (!Parse_NAD_File(f, rec)) {
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
    FILE *old = fopen(path, "rb");
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
