/*
** What a window had not saved when it ended without its user (its display went away, or the
** process was told to end): a copy of the input beside the input file, "<input>.ungespeichert",
** written whole and renamed into place, which the next start of the component names and offers
** to take over.
*/
#include "splice/splice_app.h"
#include "splice/input_file_internal.h"

#include <cstdio>
#include <ctime>
#include <string>

#include <sys/stat.h>
#include <unistd.h>

#include "foundation/codepage.h"
#include "nad/nad.h"
#include "platform/runtime.h"
#include "platform/zelkwin.h"
#include "results/print_list.h"

/* The input as the input file holds it (read at the start or saved since); empty before. */
static std::string Unchanged_Bytes;
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

void Note_Input_Unchanged(void)
{
    Unchanged_Bytes = Input_File_Bytes();
    Unchanged_Noted = 1;
    Drop_Taken_Copy();
}

int Input_Is_Unchanged(void)
{
    return Unchanged_Noted && Splice_Read_Only == SPLICE_WRITER
           && Input_File_Bytes() == Unchanged_Bytes;
}

void Note_Own_Fill_Ins(int was_unchanged)
{
    if (was_unchanged) Unchanged_Bytes = Input_File_Bytes();
}

int Keep_Unsaved_Input(void)
{
    if (!Unchanged_Noted || Splice_Read_Only != SPLICE_WRITER) return 0;
    const std::string now = Input_File_Bytes();
    if (now == Unchanged_Bytes) return 0;
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
    Unchanged_Bytes = Input_File_Bytes();
    Unchanged_Noted = 1;
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
