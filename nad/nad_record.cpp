/*
** The active national annex: built-in defaults of the record, the list of selectable annexes
** (two built-in entries and the user's numbered files below DRAM), activation by name with the
** fallback to "Deutschland", the lazy block accessors and the input-file section
** "ACTIV_NADNAME".
*/
#include "nad/nad.h"
#include "nad/nad_internal.h"
#include "dialogs/dialogs.h"
#include "foundation/foundation.h"
#include "foundation/codepage.h"
#include "platform/runtime.h"
#include "platform/zelkwin.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string>

NAD_List_Type NAD_List;

static char *Active_Name = nullptr; /* owned; null until the first activation */
static int Active_Flag = NAD_FLAG_GERMANY;
static int EC1_Definitions_Pending = 1; /* the EN 1991 table definitions are still to be loaded */

static char *Dup_Text(const char *s)
{
    size_t n = strlen(s);
    char *d = static_cast<char *>(malloc(n + 1));
    if (!d) {
        Foundation_Report(FOUNDATION_MSG_NO_MEMORY, -1, "Speicher nicht ausreichend!");
        exit(0);
    }
    memcpy(d, s, n + 1);
    return d;
}

static void Set_Active_Name(const char *name)
{
    char *old = Active_Name;
    Active_Name = Dup_Text(name);
    free(old);
}

/* ---------------------------------------------------------------- record defaults */

/*
** Reset a record to the built-in defaults: header of "EC-Standard" (flag 19, variant 0) and the
** default of every block in the order EN 1990, 1991, 1992, 1993, 1995, 1996, 1999. The EN 1991
** table definitions of the active record are loaded before its first reset.
*/
void Reset_NAD_Record(NAD_Record *rec)
{
    if (!rec) return;
    if (rec == &Nad_Record && EC1_Definitions_Pending) {
        Load_EC1_Table_Definitions(&rec->ec1);
        EC1_Definitions_Pending = 0;
    }
    rec->flag_index = NAD_FLAG_STANDARD;
    rec->user_defined = 0;
    rec->variant = 0;
    snprintf(rec->name, sizeof rec->name, "%s", "EC-Standard");
    Init_NAD_EC0_Defaults(&rec->ec0);
    Init_NAD_EC1_Defaults(&rec->ec1);
    Init_NAD_EC2_Defaults(&rec->ec2);
    Init_NAD_EC3_Defaults(&rec->ec3);
    Init_NAD_EC5_Defaults(&rec->ec5);
    Init_NAD_EC6_Defaults(&rec->ec6);
    Init_NAD_EC9_Defaults(&rec->ec9);
}

void Nad_EC1_Definitions_Reset(void) { EC1_Definitions_Pending = 1; }

/*
** Back to the state at program start: no list, no active name, the record never loaded.
*/
/* The list is built often: its limit is said once until the state is cleared. */
static int List_Limit_Said = 0;
/* The annex name of the input file when no annex of that name is available here: the design
** uses "Deutschland" (the user was warned), and the file keeps its own name when it is saved,
** until the user chooses an annex on the selection sheet. Null when the file's name is active. */
static char *Kept_Name = nullptr;

/* The annex whose unreadable file the user was last told about; told once until it is read. */
static std::string Unread_Said;
/* Whether the last activation read the annex's file (0: the built-in defaults stand). */
static int Active_File_Read = 0;
/* What of the active annex's file was not read whole (those parts hold the built-in defaults),
** and the annex and damage the user was last told about; told again only when they change. */
static NAD_File_Damage Active_Damage;
static std::string Damage_Said;

static void Set_Kept_Name(const char *name)
{
    free(Kept_Name);
    Kept_Name = name ? Dup_Text(name) : nullptr;
}

void Clear_NAD_State(void)
{
    List_Limit_Said = 0;
    Unread_Said.clear();
    Damage_Said.clear();
    memset(&Active_Damage, 0, sizeof Active_Damage);
    Set_Kept_Name(nullptr);
    for (int i = 0; i < NAD_List.count; i++) {
        free(NAD_List.names[i]);
        NAD_List.names[i] = nullptr;
    }
    NAD_List.count = 0;
    free(Active_Name);
    Active_Name = nullptr;
    Active_Flag = NAD_FLAG_GERMANY;
    Free_NAD_EC1_Tables(&Nad_Record.ec1);
    memset(&Nad_Record, 0, sizeof Nad_Record);
    Nad_Record.flag_index = -1;
    Nad_Record.user_defined = -1;
    Nad_Record.variant = -1;
    EC1_Definitions_Pending = 1;
}

/* ---------------------------------------------------------------- the list */

/* User files of the list whose head (version, flag, name, variant) could not be read, so that
** their name is not known: told when a name is not found. */
static int32_t Headless_Files[NAD_LIST_MAX];
static int Headless_Count = 0;

static void List_Append(const char *name, int flag, int number)
{
    const int i = NAD_List.count;
    NAD_List.names[i] = Dup_Text(name);
    NAD_List.flags[i] = flag;
    NAD_List.file_numbers[i] = number;
    NAD_List.count = i + 1;
}

/*
** Rebuild the list: "EC-Standardparameter" and "Deutschland", then the user files 1.NAD,
** 2.NAD ... below DRAM up to the first number without a file. The list holds NAD_LIST_MAX
** entries; further files are left out with a warning.
*/
/* Bytes of a user file in which the list looks for its head (version, flag, name, variant). */
static const size_t LIST_HEAD_BYTES = 4096;

void Build_NAD_List(void)
{
    Safeguard_Proper_Version();
    if (NAD_List.count == 0) {
        List_Append(NAD_NAME_STANDARD, NAD_FLAG_STANDARD, 0);
        List_Append(NAD_NAME_GERMANY, NAD_FLAG_GERMANY, 0);
    } else {
        for (int i = 2; i < NAD_List.count; i++) {
            free(NAD_List.names[i]);
            NAD_List.names[i] = nullptr;
        }
        NAD_List.count = 2;
    }
    const char *dram = Rt_Getenv("DRAM");
    Headless_Count = 0;
    if (!dram) return;
    for (int n = 1;; n++) {
        char path[RT_PATH_MAX];
        if (snprintf(path, sizeof path, "%s/NADS/%d.NAD", dram, n) >= (int)sizeof path) break;
        /* a regular file only; anything else under the name (a pipe, a device, a folder) is
        ** named and keeps its number in the list as a file whose head cannot be read */
        FILE *f =
            Fopen_Read_Said(nullptr, path, "Das Anwendungsdokument darin steht nicht zur Wahl.");
        if (!f && errno == ENOENT) break;
        if (NAD_List.count >= NAD_LIST_MAX) {
            if (f) fclose(f);
            if (!List_Limit_Said)
                Msg_Warning("Es werden nur %d Anwendungsdokumente angezeigt", NAD_LIST_MAX);
            List_Limit_Said = 1;
            break;
        }
        if (!f) {
            Headless_Files[Headless_Count++] = n;
            List_Append("", 0, n);
            continue;
        }
        /* the head stands in the file's first bytes: a file of blanks that keeps growing is
        ** never read further */
        FILE *whole = f;
        f = Rt_Read_Head(whole, LIST_HEAD_BYTES, nullptr);
        fclose(whole);
        if (!f) {
            Headless_Files[Headless_Count++] = n;
            List_Append("", 0, n);
            continue;
        }
        char line[202] = "", name[100];
        int flag = 0, version = 0, variant = 0;
        if (fgets(line, sizeof line, f) && !strchr(line, '\n')) Skip_Line(f);
        int head = sscanf(line, "NAD/Version %d", &version) == 1;
        if (fscanf(f, " %d", &flag) != 1) flag = head = 0;
        Read_Guillemet_String_Short(f, name);
        if (!name[0] || fscanf(f, " %d", &variant) != 1) head = 0;
        if (!head) Headless_Files[Headless_Count++] = n;
        List_Append(name, flag, n);
        fclose(f);
    }
    if (!Active_Name) Set_Active_Name(NAD_NAME_GERMANY);
}

/* ---------------------------------------------------------------- activation */

/* Why a file that opens is not read as an annex: its size, its encoding, nothing in it, no
** version line, or (head != 0) a head whose flag, name or variant cannot be read. */
static const char *Open_File_Reason(const char *path, int head, char *out, size_t size)
{
    FILE *f = Rt_Fopen_Read(path);
    if (!f) {
        snprintf(out, size, "%s", Rt_Path_Error_Text(errno, path));
        return out;
    }
    if (Rt_File_Size(path) > (long long)NAD_FILE_MAX_BYTES) {
        fclose(f);
        snprintf(out, size, "%s",
                 "Sie ist größer als 1 MB; die Datei eines Anwendungsdokuments hat wenige "
                 "Kilobyte."_cp850);
        return out;
    }
    /* a file saved in UTF-16 or UTF-32 is named by its encoding, as the input file is */
    char bytes[64];
    const size_t got = fread(bytes, 1, sizeof bytes, f);
    fclose(f);
    const std::string text(bytes, got);
    if (const char *wide = Wide_Unicode_Encoding(std::string_view(bytes, got)))
        snprintf(out, size, "Sie ist in %s gespeichert; diese Kodierung wird nicht gelesen.", wide);
    else if (got == 0) snprintf(out, size, "Sie ist leer.");
    else if (text.compare(0, 11, "NAD/Version") != 0 || !head)
        snprintf(out, size, "Sie beginnt nicht mit \"NAD/Version\".");
    else
        snprintf(out, size, "%s",
                 "Ihr Kopf (Flagge, Name, Variante) ist unvollständig oder beschädigt."_cp850);
    return out;
}

/*
** A name that is not in the list may be in a user file whose head cannot be read: tell each such
** file with the reason, before the sheet of an annex that is not found.
*/
static void Say_Headless_Files(const char *requested)
{
    if (Headless_Count == 0) return;
    Init_Message();
    Set_Message_Symbol(2, 0, 0, 0);
    Set_Message_Title("Warnung");
    Fill_Message((std::string("Das Anwendungsdokument \"") + requested
                  + "\" steht in keiner lesbaren Datei.")
                     .c_str());
    for (int i = 0; i < Headless_Count; i++) {
        char path[RT_PATH_MAX], reason[120];
        if (!Nad_File_Path(Headless_Files[i], nullptr, path, sizeof path)) continue;
        Fill_Message((std::string("Datei ") + path + ":").c_str());
        Fill_Message(Open_File_Reason(path, 1, reason, sizeof reason));
    }
    Fill_Message(Headless_Count == 1 ? "Bitte die Datei prüfen."_cp850
                                     : "Bitte die Dateien prüfen."_cp850);
    Draw_Message();
}

/*
** Tell the user that the file of the active annex cannot be read: its name, the file, the reason,
** and that the design runs on the built-in defaults instead of that annex's values. The active
** name stays (a save keeps it). Said once for an annex until its file has been read, so that the
** lazy activation and the input file's section do not repeat it.
*/
static void Say_Annex_Unread(const char *name, int number, const char *file)
{
    if (Unread_Said == name) return;
    Unread_Said = name;
    char path[RT_PATH_MAX], wide_reason[120];
    const char *reason;
    if (!Nad_Env(number != 0 ? "DRAM" : "DATA")) {
        if (number != 0) snprintf(path, sizeof path, "NADS/%d.NAD", number);
        else snprintf(path, sizeof path, "NAD/%s.NAD", file);
        reason = number != 0 ? "Die Umgebungsvariable DRAM ist nicht gesetzt."
                             : "Die Umgebungsvariable DATA ist nicht gesetzt.";
    } else if (!Nad_File_Path(number, file, path, sizeof path)) {
        snprintf(path, sizeof path, "%s", file);
        reason = "Der Name ist zu lang.";
    } else if (FILE *f = Rt_Fopen_Read(path)) {
        fclose(f);
        reason = Open_File_Reason(path, 0, wide_reason, sizeof wide_reason);
    } else {
        reason = Rt_Path_Error_Text(errno, path);
    }
    std::string l1 =
        std::string("Das Anwendungsdokument \"") + name + "\" kann nicht gelesen werden.";
    std::string l2 = std::string("Datei ") + path + ":";
    std::string l5 = std::string("nicht mit den Werten von \"") + name + "\".";
    Init_Message();
    Set_Message_Symbol(2, 0, 0, 0);
    Set_Message_Title("Warnung");
    Fill_Message(l1.c_str());
    Fill_Message(l2.c_str());
    Fill_Message(reason);
    Fill_Message("Bemessen wird mit den eingebauten Vorgabewerten \"EC-Standard\",");
    Fill_Message(l5.c_str());
    Fill_Message("Bitte die Datei prüfen oder ein anderes Anwendungsdokument wählen."_cp850);
    Draw_Message();
}

/* Tell the user what of the annex's file was not read whole; once for one annex and damage. */
static void Say_Annex_Damaged(const char *name, int number, const char *file)
{
    char path[RT_PATH_MAX] = "";
    std::string said;
    if (Active_Damage.count > 0) {
        if (!Nad_File_Path(number, file, path, sizeof path))
            snprintf(path, sizeof path, "%s", file);
        /* appended piece by piece: g++ 12 at -O3 takes "literal" + string for an overlapping
        ** copy (a false -Wrestrict) */
        said = std::string(name) + "\n" + path;
        for (int i = 0; i < Active_Damage.count; i++)
            said.append(1, '\n')
                .append(Active_Damage.parts[i].part)
                .append(1, ' ')
                .append(std::to_string(Active_Damage.parts[i].kind))
                .append(1, ' ')
                .append(std::to_string(Active_Damage.parts[i].line));
    }
    if (said == Damage_Said) return;
    Damage_Said = said;
    Say_NAD_File_Damage(name, path, &Active_Damage);
}

/*
** Make the active name current: reset the record to the built-in defaults and read the file of
** the list entry of that name. A name that no entry carries becomes "Deutschland". Answer 1
** when the file was read, 0 when the defaults stand (the user is told, once per annex).
*/
int Activate_NAD(void)
{
    int found = -1;
    if (Active_Name)
        for (int i = 0; i < NAD_List.count; i++)
            if (strcmp(NAD_List.names[i], Active_Name) == 0) {
                found = i;
                break;
            }
    int flag, number;
    const char *file;
    if (found >= 0) {
        flag = NAD_List.flags[found];
        number = NAD_List.file_numbers[found];
        file = found == 0 ? "Standard" : NAD_NAME_GERMANY;
    } else {
        Set_Active_Name(NAD_NAME_GERMANY);
        flag = NAD_List.count > 1 ? NAD_List.flags[1] : NAD_FLAG_GERMANY;
        number = NAD_List.count > 1 ? NAD_List.file_numbers[1] : 0;
        file = NAD_NAME_GERMANY;
    }
    Active_Flag = flag;
    Reset_NAD_Record(&Nad_Record);
    const int read = Read_NAD_File_Checked(number, file, &Nad_Record, &Active_Damage);
    Active_File_Read = read;
    if (read) Unread_Said.clear();
    else Say_Annex_Unread(Active_Name, number, file);
    if (read) Say_Annex_Damaged(Active_Name, number, file);
    return read;
}

/* Lazy activation of "Deutschland" when no name is active yet. */
static void Ensure_Active(void)
{
    Load_Application_NAD_Registry();
    if (Active_Name) return;
    Build_NAD_List();
    Set_Active_Name(NAD_NAME_GERMANY);
    Activate_NAD();
}

/*
** Activate a national annex by name ("lokale Definitionen" and no name mean "Deutschland").
** When the name is not available, the warning sheet names both annexes and may lead to the
** selection sheet.
*/
void Set_Active_NAD(const char *name)
{
    /* The caller's text may be the active name itself: keep a copy of the request. */
    char requested[NAD_LIST_NAME_MAX + 1];
    snprintf(requested, sizeof requested, "%s", name ? name : "");
    Set_Kept_Name(nullptr);
    Build_NAD_List();
    free(Active_Name);
    Active_Name = nullptr;
    if (!requested[0]) {
        Set_Active_Name(NAD_NAME_GERMANY);
        Activate_NAD();
        return;
    }
    const int local = strcmp(requested, NAD_NAME_LOCAL) == 0;
    Set_Active_Name(local ? NAD_NAME_GERMANY : requested);
    Activate_NAD();
    if (!local && strcmp(Active_Name, requested) != 0) {
        char active[NAD_LIST_NAME_MAX + 1];
        snprintf(active, sizeof active, "%s", Active_Name);
        /* kept before the sheets: a choice on the selection sheet forgets it again */
        Set_Kept_Name(requested);
        Say_Headless_Files(requested);
        if (Run_NAD_Warning_Sheet(requested, active)) Edit_NAD_Selection_Sheet();
    }
}

/* ---------------------------------------------------------------- input-file section */

/* The next line that holds more than blanks, without the blanks around it; "" at the end. */
static std::string Next_Nonblank_Line(FILE *f)
{
    char buf[256];
    int c;
    while ((c = getc(f)) != EOF) {
        ungetc(c, f);
        Read_Line_Bounded(f, buf, sizeof buf);
        const std::string line(buf);
        const size_t a = line.find_first_not_of(" \t\r"), b = line.find_last_not_of(" \t\r");
        if (a != std::string::npos) return line.substr(a, b - a + 1);
    }
    return std::string();
}

static void Activate_NAD_Name_Here(FILE *f, bool found);

/*
** Read the section "ACTIV_NADNAME" of the input file being read and activate the name found
** there, its guillemets in code page 850, 1252 or UTF-8 (docs/code-pages.md); a name without
** marks is the line itself. Without the section (or with an empty name) "Deutschland" is
** activated silently. A name that no annex carries is warned about and kept for the save.
*/
void Read_Active_NAD_Name(FILE *f)
{
    Activate_NAD_Name_Here(f, f && Seek_Keyword_Prefix_Line("ACTIV_NADNAME", f, nullptr));
}

/*
** As Read_Active_NAD_Name, for a reader that has read the file up to a line start: `at` is the
** offset just after the first line read that begins with "ACTIV_NADNAME" (or of the name's line
** itself), -1 when none of the lines read begins so (the rest of the file is searched), -2 when
** one did but its offset is not known (the whole file is searched). The file is not read twice.
*/
void Read_Active_NAD_Name_From(FILE *f, long at)
{
    if (at == -2 || f == nullptr) {
        Read_Active_NAD_Name(f);
        return;
    }
    Activate_NAD_Name_Here(f, at >= 0 ? fseek(f, at, SEEK_SET) == 0
                                      : Find_Keyword_Line(f, "ACTIV_NADNAME", 0) == 1);
}

/* The name at the file's position (the line after the section's keyword): a marked name, or
** the next line that holds more than blanks; "" when there is none. The keyword's line once more
** is no name: the name stands behind it. */
static std::string Section_Name_Here(FILE *f)
{
    for (long line_at = ftell(f); line_at >= 0; line_at = ftell(f))
        if (Next_Nonblank_Line(f) != "ACTIV_NADNAME") {
            fseek(f, line_at, SEEK_SET);
            break;
        }
    const long at = ftell(f);
    char text[256];
    const int n = Read_Guillemet_String(f, text);
    std::string name = n > 0 ? std::string(text) : std::string();
    /* no marks that we know: the line is the name, so that it is looked up, warned about and
    ** kept rather than dropped unseen */
    if (n < 0 && at >= 0 && fseek(f, at, SEEK_SET) == 0) {
        const std::string line = Next_Nonblank_Line(f);
        name = To_Cp850(line, Guess_Code_Page(line));
        /* marks behind a byte-order mark or other stray bytes */
        if (name.size() >= 2 && (unsigned char)name.front() == 0xAE
            && (unsigned char)name.back() == 0xAF)
            name = name.substr(1, name.size() - 2);
    }
    if (name.size() > NAD_LIST_NAME_MAX) name.resize(NAD_LIST_NAME_MAX);
    return name;
}

/* The name at the line after the section's keyword (found), or "Deutschland" without it. */
static void Activate_NAD_Name_Here(FILE *f, bool found)
{
    if (found) {
        const std::string name = Section_Name_Here(f);
        if (!name.empty()) {
            Set_Active_NAD(name.c_str());
            return;
        }
    }
    Set_Kept_Name(nullptr);
    Build_NAD_List();
    Set_Active_Name(NAD_NAME_GERMANY);
    Activate_NAD();
}

/*
** The input file names an annex whose name cannot be read (the file ends behind the section's
** keyword): the design runs on "Deutschland", and a save writes the section without a name, so
** that "Deutschland" never stands in for the lost name unseen, until the user chooses an annex
** on the selection sheet. The lost name is kept as an empty kept name.
*/
void Lose_Input_NAD_Name(void)
{
    Set_Active_NAD(nullptr);
    Set_Kept_Name("");
}

/*
** Append the section "ACTIV_NADNAME" to the input file being written: the active name, or the
** file's own name when that annex is not available here and the user chose none instead (no
** name when the file's name was lost, Lose_Input_NAD_Name).
*/
void Write_Active_NAD_Name(FILE *f) { Write_Active_NAD_Name_In(f, CODE_PAGE_850); }

/*
** The same in the code page of the file's other texts (CODE_PAGE_850, CODE_PAGE_1252 or
** CODE_PAGE_UTF8), the marks included: a file that an editor saved in UTF-8 keeps one code page.
*/
void Write_Active_NAD_Name_In(FILE *f, int32_t code_page)
{
    Ensure_Active();
    if (!f) return;
    fprintf(f, "\n\nACTIV_NADNAME\n");
    if (Kept_Name && !Kept_Name[0]) return; /* the file's name was lost: none is made up */
    const std::string name = std::string("\xAE") + (Kept_Name ? Kept_Name : Active_Name) + "\xAF";
    std::string text = name;
    if (code_page == CODE_PAGE_UTF8) text = Cp850_To_Utf8(name);
    else if (code_page == CODE_PAGE_1252) text = Utf8_To_Cp1252(Cp850_To_Utf8(name));
    fprintf(f, "%s\n", text.c_str());
}

const char *Nad_Kept_Name(void) { return Kept_Name; }

void Nad_Forget_Kept_Name(void) { Set_Kept_Name(nullptr); }

/* ---------------------------------------------------------------- getters */

const char *Get_Active_NAD_Name(void)
{
    Ensure_Active();
    return Active_Name;
}

int Is_Active_NAD_File_Read(void)
{
    Ensure_Active();
    return Active_File_Read;
}

const NAD_File_Damage *Get_Active_NAD_Damage(void)
{
    Ensure_Active();
    return &Active_Damage;
}

int Is_NAD_Activated(void) { return Active_Name != nullptr; }

/*
** The active name, with " (benutzerdefiniert)" behind the name of a user's annex. Static
** buffer, overwritten by the next call.
*/
const char *Get_Active_NAD_Title(void)
{
    static char title[NAD_LIST_NAME_MAX + 32];
    Ensure_Active();
    if (strcmp(Active_Name, NAD_NAME_GERMANY) == 0 || strcmp(Active_Name, NAD_NAME_STANDARD) == 0)
        snprintf(title, sizeof title, "%s", Active_Name);
    else snprintf(title, sizeof title, "%s (benutzerdefiniert)", Active_Name);
    return title;
}

int Get_Active_NAD_Flag(void)
{
    Ensure_Active();
    return Active_Flag;
}

/* The record after the lazy activation; a record that was never loaded gets the defaults. */
static NAD_Record *Loaded_Record(void)
{
    Ensure_Active();
    if (Nad_Record.flag_index < 0) Reset_NAD_Record(&Nad_Record);
    return &Nad_Record;
}

int Get_NAD_Variant(void) { return Loaded_Record()->variant; }
NAD_EC0_Params *Get_NAD_EC0_Params(void) { return &Loaded_Record()->ec0; }
NAD_EC1_Tables *Get_NAD_EC1_Tables(void) { return &Loaded_Record()->ec1; }
NAD_EC2_Params *Get_NAD_EC2_Params(void) { return &Loaded_Record()->ec2; }
NAD_EC3_Params *Get_NAD_EC3_Params(void) { return &Loaded_Record()->ec3; }
NAD_EC5_Params *Get_NAD_EC5_Params(void) { return &Loaded_Record()->ec5; }
NAD_EC6_Params *Get_NAD_EC6_Params(void) { return &Loaded_Record()->ec6; }
NAD_EC9_Params *Get_NAD_EC9_Params(void) { return &Loaded_Record()->ec9; }

/* ---------------------------------------------------------------- further services */

void Draw_Active_NAD_Flag(int x, int y) { Draw_NAD_Flag_Icon(x, y, x + 23, y + 17, Active_Flag); }

void Show_Active_NAD_Flag(int x, int y) { Draw_Active_NAD_Flag(x, y); }

/* The EN 1991 values of the built-in set "DIN 1055-(4+5)". */
void Load_EC1_Din1055_Values(void) { Load_EC1_Table_Values(0, "DIN 1055-(4+5)", &Nad_Record.ec1); }

int Run_NAD_Selection_Sheet(void) { return Edit_NAD_Selection_Sheet(); }

/*
** Write the whole active record into "<base>_EC2.NAD" in the working folder. Answer 1 on
** success, 0 when the file cannot be written.
*/
int Write_NAD_Record_File(const char *base)
{
    Ensure_Active();
    char path[RT_PATH_MAX];
    if (!base || snprintf(path, sizeof path, "%s_EC2.NAD", base) >= (int)sizeof path) return 0;
    FILE *f = Rt_Fopen(path, "w"); /* a new file, never through a link */
    if (!f) return 0;
    Write_NAD_File(f, &Nad_Record);
    const int bad = ferror(f);
    return (fclose(f) == 0 && !bad) ? 1 : 0;
}

/*
** Write the parameter pages of every Eurocode whose rules the activated design checks use.
*/
void Print_NAD_Pages_Of_Used_Rules(FILE *f)
{
    if (NAD_EC2_Rules_Used()) Print_NAD_EC2_Pages(f);
    if (NAD_EC3_Rules_Used()) Print_NAD_EC3_Pages(f);
    if (NAD_EC5_Rules_Used()) Print_NAD_EC5_Tables(f);
    if (NAD_EC6_Rules_Used()) Print_NAD_EC6_Page(f);
    if (NAD_EC9_Rules_Used()) Print_NAD_EC9_Page(f);
}

/* The EN 1990 page, once, when any group's rules are used. */
void Print_NAD_EC0_Page_If_Used(FILE *f)
{
    if (NAD_EC2_Rules_Used() || NAD_EC3_Rules_Used() || NAD_EC5_Rules_Used() || NAD_EC6_Rules_Used()
        || NAD_EC9_Rules_Used())
        Print_NAD_EC0_Page(f);
}

/* ---------------------------------------------------------------- for the sheets */

const char *Nad_Active_Name(void) { return Active_Name; }

void Nad_Set_Active_Name(const char *name) { Set_Active_Name(name ? name : NAD_NAME_GERMANY); }
