/*
** What a window had not saved when it ended without its user (its display went away, or the
** process was told to end): a copy of the input beside the input file, "<input>.ungespeichert",
** written whole and renamed into place, which the next start of the component names and offers
** to take over.
*/
#include "splice/splice_app.h"
#include "splice/input_file_internal.h"

#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>

#include <sys/stat.h>
#include <unistd.h>

#include "foundation/codepage.h"
#include "foundation/foundation.h"
#include "nad/nad.h"
#include "platform/runtime.h"
#include "platform/zelkwin.h"
#include "results/print_list.h"

/* ---------------------------------------------------------------- the input as it stood */

/* The input at one moment, without writing it: the record as it lay in memory, its preliminary
** remarks apart (the record holds only their pointer) and the annex section as a save writes it
** (a line). A page visit compares the record with it (a memcmp of a few MB, the same at 10 or
** 10,000 combinations); the bytes of the file are formed only at the window's end. */
struct Input_Snapshot {
    Splice_Input_Record *record = nullptr; /* its Vorbemerkungen_Text is null */
    int has_remarks = 0;
    std::string remarks;
    std::string annex;
};

/* The annex section of the input file as a save of the input now writes it. */
static std::string Annex_Section(void)
{
    char *buf = nullptr;
    size_t n = 0;
    FILE *f = open_memstream(&buf, &n);
    if (f == nullptr) return std::string();
    Write_Active_NAD_Name_In(f, Splice_Input.text_code_page);
    fclose(f);
    std::string bytes(buf ? buf : "", n);
    free(buf);
    return bytes;
}

/* The record's bytes before and after its pointer of the preliminary remarks. */
static const size_t Remarks_At = offsetof(Splice_Input_Record, Vorbemerkungen_Text);
static const size_t After_Remarks = Remarks_At + sizeof(char *);

Input_Snapshot *Input_Snapshot_New(void)
{
    Input_Snapshot *s = new Input_Snapshot;
    s->record = (Splice_Input_Record *)calloc(1, sizeof *s->record);
    Check_Alloc_Or_Exit(s->record);
    return s;
}

void Input_Snapshot_Take(Input_Snapshot *s)
{
    const char *from = (const char *)&Splice_Input;
    char *to = (char *)s->record;
    memcpy(to, from, Remarks_At);
    memcpy(to + After_Remarks, from + After_Remarks, sizeof(Splice_Input_Record) - After_Remarks);
    s->has_remarks = Splice_Input.Vorbemerkungen_Text != nullptr;
    s->remarks = s->has_remarks ? Splice_Input.Vorbemerkungen_Text : "";
    s->annex = Annex_Section();
}

int Input_Snapshot_Same(const Input_Snapshot *s)
{
    const char *now = (const char *)&Splice_Input;
    const char *then = (const char *)s->record;
    const char *remarks = Splice_Input.Vorbemerkungen_Text;
    return memcmp(now, then, Remarks_At) == 0
           && memcmp(now + After_Remarks, then + After_Remarks,
                     sizeof(Splice_Input_Record) - After_Remarks)
                  == 0
           && (remarks != nullptr) == (s->has_remarks != 0)
           && (remarks == nullptr || s->remarks == remarks) && Annex_Section() == s->annex;
}

std::string Input_Snapshot_Bytes(const Input_Snapshot *s)
{
    char *buf = nullptr;
    size_t n = 0;
    FILE *f = open_memstream(&buf, &n);
    if (f == nullptr) return std::string();
    std::string remarks = s->remarks;
    s->record->Vorbemerkungen_Text = s->has_remarks ? remarks.data() : nullptr;
    Write_Splice_Input_Stream(f, s->record);
    s->record->Vorbemerkungen_Text = nullptr;
    fputs(s->annex.c_str(), f);
    fclose(f);
    std::string bytes(buf ? buf : "", n);
    free(buf);
    return bytes;
}

/* ---------------------------------------------------------------- the copy */

/* The input as the input file holds it (read at the start or saved since, with what the program
** filled in while the user had changed nothing); unset before. */
static Input_Snapshot *Unchanged = nullptr;
static int Unchanged_Noted = 0;
/* The copy's values were taken over at the start: the copy goes with the next save of the input
** file or with the finish question's answer, and stays until then. */
static int Copy_Taken = 0;

std::string Input_File_Bytes(void)
{
    char *buf = nullptr;
    size_t n = 0;
    FILE *f = open_memstream(&buf, &n);
    if (f == nullptr) return std::string();
    Write_Splice_Input_Stream(f, &Splice_Input);
    Write_Active_NAD_Name_In(f, Splice_Input.text_code_page);
    fclose(f);
    std::string bytes(buf ? buf : "", n);
    free(buf);
    return bytes;
}

std::string Unsaved_Copy_Path(void) { return std::string(Inp_File_Name) + ".ungespeichert"; }

void Drop_Taken_Copy(void)
{
    if (!Copy_Taken) return;
    Copy_Taken = 0;
    unlink(Unsaved_Copy_Path().c_str());
}

static void Note_Unchanged(void)
{
    if (Unchanged == nullptr) Unchanged = Input_Snapshot_New();
    Input_Snapshot_Take(Unchanged);
    Unchanged_Noted = 1;
}

void Note_Input_Unchanged(void)
{
    Note_Unchanged();
    Drop_Taken_Copy();
}

int Input_Is_Unchanged(void)
{
    return Unchanged_Noted && Splice_Read_Only == SPLICE_WRITER && Input_Snapshot_Same(Unchanged);
}

void Note_Own_Fill_Ins(int was_unchanged)
{
    if (was_unchanged && !Input_Snapshot_Same(Unchanged)) Input_Snapshot_Take(Unchanged);
}

int Keep_Unsaved_Input(void)
{
    if (!Unchanged_Noted || Splice_Read_Only != SPLICE_WRITER) return 0;
    if (Input_Snapshot_Same(Unchanged)) return 0;
    /* the record may differ where the file holds nothing (results, bytes between fields) */
    const std::string now = Input_File_Bytes();
    if (now == Input_Snapshot_Bytes(Unchanged)) return 0;
    Rt_Safe_File *sf = Rt_Safe_Open(Unsaved_Copy_Path().c_str());
    FILE *f = sf ? Rt_Safe_Stream(sf) : nullptr;
    const int ok = f && fwrite(now.data(), 1, now.size(), f) == now.size() && Rt_Safe_Commit(sf);
    Rt_Safe_Close(sf);
    return ok;
}

/* "am 09.12.2026 um 17:03" of a file's last change, "" where it cannot be said. */
static std::string Changed_At(const char *path)
{
    struct stat st;
    struct tm t;
    char text[64];
    if (stat(path, &st) != 0 || !localtime_r(&st.st_mtime, &t)
        || strftime(text, sizeof text, " am %d.%m.%Y um %H:%M", &t) == 0)
        return "";
    return text;
}

/* The copy's values in place of the input file's; the input file stays what a save compares. */
static int Take_Copy(const std::string &copy)
{
    if (!Read_Splice_Input_File(copy.c_str(), &Splice_Input, 1)) return 0;
    Refresh_Char_Actions(); /* the copy's annex may differ from the file's */
    Adjust_Old_Input_Values(&Splice_Input);
    Rt_File_Id id;
    if (Rt_File_Id_Of(Inp_File_Name, &id) && id.exists) Note_Input_File_Read(Inp_File_Name, &id);
    return 1;
}

void Offer_Unsaved_Copy(void)
{
    Copy_Taken = 0;
    Note_Unchanged();
    if (Splice_Read_Only != SPLICE_WRITER) return;
    const std::string copy = Unsaved_Copy_Path();
    /* what a copy's write killed half-way left */
    Rt_Remove_Stale_Temp(copy.c_str());
    if (!Rt_Is_Regular_File(copy.c_str())) return;
    const std::string ended = "Das letzte Fenster des Bauteils " + std::string(Bauteilkennung)
                              + " endete" + Changed_At(copy.c_str())
                              + " ohne zu speichern (die Anzeige ging verloren, oder das "
                                "Programm wurde beendet).";
    const std::string where = "Seine Eingaben stehen in der Datei "
                              + std::string(Rt_Whole_Path(copy.c_str())) + "; die Eingabedatei "
                              + Inp_File_Name + " blieb, wie sie zuletzt gespeichert wurde.";
    Init_Message();
    Set_Message_Symbol(2, 0, 0, 0);
    Set_Message_Title("Ungespeicherte Eingaben");
    Fill_Message_Wrapped(ended.c_str());
    Fill_Message_Wrapped(where.c_str());
    Fill_Message_Wrapped("Übernehmen zeigt die Eingaben der Kopie (in die Eingabedatei kommen "
                         "sie mit Speichern), Verwerfen löscht die Kopie, Später lässt sie bis "
                         "zum nächsten Start liegen."_cp850);
    static const char *const labels[] = {"Übernehmen"_cp850, "Verwerfen", "Später"_cp850};
    const int answer = Answer_Of_Buttons(labels, 3, 0);
    if (answer == 0) Copy_Taken = Take_Copy(copy);
    else if (answer == 1) unlink(copy.c_str());
}
