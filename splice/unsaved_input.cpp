/*
** What a window had not saved when it ended without its user (its display went away, or the
** process was told to end): a copy of the input beside the input file, "<input>.ungespeichert"
** (or the next free "<input>.ungespeichert2" .. 99: no copy is written over another), written
** whole and renamed into place, or a mark of a copy that could not be written; the next start of
** the component names them and offers each copy to take over. Whether the input changed at all
** is known without writing it: a snapshot of the input as the input file holds it.
*/
#include "splice/splice_app.h"
#include "splice/input_file_internal.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>
#include <utility>
#include <vector>

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

uint32_t Input_Compares = 0;

int Input_Snapshot_Same(const Input_Snapshot *s)
{
    Input_Compares++;
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

/* ---------------------------------------------------------------- the names of the copies */

/* Copy k of the input file: "<input>.ungespeichert", then "<input>.ungespeichert2" .. 99; a
** copy is never written over another (but the one taken over, whose values are this window's). */
enum { COPIES_MAX = 99 };

static std::string Copy_Name(int k)
{
    return std::string(Inp_File_Name) + ".ungespeichert" + (k > 1 ? std::to_string(k) : "");
}

std::string Unsaved_Copy_Path(void) { return Copy_Name(1); }

/* The first copy name under which nothing stands, "" when all are taken. */
static std::string Free_Copy_Name(void)
{
    struct stat st;
    for (int k = 1; k <= COPIES_MAX; k++)
        if (lstat(Copy_Name(k).c_str(), &st) != 0 && errno == ENOENT) return Copy_Name(k);
    return "";
}

/* The copy taken over at the start ("" for none), and those left for a later start. */
static std::string Taken_Copy;
static std::vector<std::string> Waiting_Copies;

void Drop_Taken_Copy(void)
{
    if (Taken_Copy.empty()) return;
    unlink(Taken_Copy.c_str());
    Taken_Copy.clear();
}

int Unsaved_Copies_Waiting(std::string *first)
{
    int n = 0;
    for (const std::string &c : Waiting_Copies)
        if (Rt_Is_Regular_File(c.c_str()) && n++ == 0 && first) *first = c;
    return n;
}

/* ---------------------------------------------------------------- the copy's own lines */

/* A copy starts with comment lines of its own, which the reader of an input file skips: the
** count of the bytes behind the first line, so that a copy whose write was cut is told from a
** whole one, and what an open field held that its leaving would not take. Plain ASCII: the texts
** escaped as %XX, so that no byte of them is taken for the code page of the file's texts. */
static const char Copy_Head[] = "# Kopie ungespeicherter Eingaben: %zu Bytes\n";
static const char Copy_Field[] = "# Feld: ";

static std::string Escaped(const std::string &text)
{
    std::string out;
    for (const char ch : text) {
        const unsigned char c = (unsigned char)ch;
        char hex[4];
        snprintf(hex, sizeof hex, "%%%02X", c);
        out += c > 0x20 && c < 0x7F && c != '%' ? std::string(1, ch) : std::string(hex);
    }
    return out;
}

static std::string Unescaped(const std::string &text)
{
    std::string out;
    for (size_t i = 0; i < text.size(); i++) {
        unsigned v = 0;
        if (text[i] == '%' && i + 2 < text.size() && isxdigit((unsigned char)text[i + 1])
            && isxdigit((unsigned char)text[i + 2])
            && sscanf(text.c_str() + i + 1, "%2x", &v) == 1) {
            out += (char)v;
            i += 2;
        } else {
            out += text[i];
        }
    }
    return out;
}

/* The copy's bytes: its head, the refusal of an open field (may be empty), the input. */
static std::string Copy_Bytes(const std::string &input, const std::string &refused)
{
    std::string body;
    if (!refused.empty()) body += Copy_Field + Escaped(refused) + "\n";
    body += input;
    char head[80];
    snprintf(head, sizeof head, Copy_Head, body.size());
    return head + body;
}

/* What a copy says of itself: 1 for a copy of this program whose bytes are all there, with the
** lines of an open field into *fields; 0 for a cut one (or another file). */
static int Read_Copy_Head(const char *path, std::vector<std::string> *fields)
{
    FILE *f = Rt_Fopen_Read(path);
    if (!f) return 0;
    char line[4096];
    size_t body = 0;
    int whole = 0;
    if (fgets(line, sizeof line, f) && sscanf(line, Copy_Head, &body) == 1) {
        const long long head = (long long)strlen(line);
        while (fgets(line, sizeof line, f) && strncmp(line, Copy_Field, strlen(Copy_Field)) == 0) {
            std::string text = line + strlen(Copy_Field);
            while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
            if (fields) fields->push_back(Unescaped(text));
        }
        struct stat st;
        whole = fstat(fileno(f), &st) == 0 && (long long)st.st_size == head + (long long)body;
    }
    fclose(f);
    return whole;
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

/* Where a copy could not be written: an empty file whose name holds the error number,
** "<input>.ungespeichert.fehler28" (it takes no byte of a full disk nor of a limited file size),
** which the next start names. */
static const char Failure_Mark[] = ".ungespeichert.fehler";

static void Note_Copy_Failed(int err)
{
    const std::string note = std::string(Inp_File_Name) + Failure_Mark + std::to_string(err);
    const int fd = Rt_Create_New_File(note.c_str());
    if (fd >= 0) close(fd);
}

int Keep_Unsaved_Input(const std::string &refused)
{
    if (!Unchanged_Noted || Splice_Read_Only != SPLICE_WRITER) return 0;
    std::string now;
    if (refused.empty()) {
        if (Input_Snapshot_Same(Unchanged)) return 0;
        /* the record may differ where the file holds nothing (results, bytes between fields) */
        now = Input_File_Bytes();
        if (now == Input_Snapshot_Bytes(Unchanged)) return 0;
    } else {
        now = Input_File_Bytes(); /* what the field held is named, whatever else changed */
    }
    /* the copy taken over held this window's values before its changes; another copy waits */
    const std::string target = !Taken_Copy.empty() ? Taken_Copy : Free_Copy_Name();
    const std::string bytes = Copy_Bytes(now, refused);
    Rt_Safe_File *sf = target.empty() ? nullptr : Rt_Safe_Open(target.c_str());
    int err = target.empty() ? EEXIST : sf ? 0 : errno;
    FILE *f = sf ? Rt_Safe_Stream(sf) : nullptr;
    const int ok =
        f && fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size() && Rt_Safe_Commit(sf);
    if (!ok && sf) err = Rt_Safe_Error(sf);
    Rt_Safe_Close(sf);
    if (ok) return 1;
    Note_Copy_Failed(err);
    return -1;
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

/* A copy's work file that a kill left (at its rename, or before): a whole one is a copy and goes
** under the first free name, to be offered; a cut one goes with the other work files. */
static int Keep_Whole_Work_File(const char *path, void *)
{
    if (!Read_Copy_Head(path, nullptr)) return 0;
    const std::string free_name = Free_Copy_Name();
    return !free_name.empty() && rename(path, free_name.c_str()) == 0;
}

/* The first line of each box: how the window ended, and when (the time of path). */
static std::string Ended_Line(const char *path, int count)
{
    return std::string(count > 1 ? "Ein Fenster" : "Das letzte Fenster") + " des Bauteils "
           + Bauteilkennung + " endete" + Changed_At(path)
           + " ohne zu speichern (die Anzeige ging verloren, oder das Programm wurde beendet).";
}

/* The boxes of the copies that could not be written; each note goes once it was said. */
static void Say_Failed_Copies(void)
{
    const std::string pattern = std::string(Inp_File_Name) + Failure_Mark + "*";
    Rt_Find_Data d;
    std::vector<std::string> notes;
    if (Rt_Find *find = Rt_Find_First(pattern.c_str(), 0, &d)) {
        do notes.push_back(d.path);
        while (Rt_Find_Next(find, &d));
        Rt_Find_Close(find);
    }
    for (const std::string &note : notes) {
        const size_t at = note.rfind(Failure_Mark);
        const int err =
            at == std::string::npos ? 0 : atoi(note.c_str() + at + strlen(Failure_Mark));
        std::string why = "Seine Eingaben konnten nicht in eine Kopie geschrieben werden";
        why += err > 0 ? std::string(": ") + Rt_Error_Text(err)
                       : std::string(" (der Grund ist nicht bekannt).");
        Init_Message();
        Set_Message_Symbol(3, 0, 0, 0);
        Set_Message_Title("Ungespeicherte Eingaben");
        Fill_Message_Wrapped(Ended_Line(note.c_str(), 1).c_str());
        Fill_Message_Wrapped(why.c_str());
        Fill_Message_Wrapped((std::string("Die Eingabedatei ") + Inp_File_Name
                              + " blieb, wie sie zuletzt gespeichert wurde; was das Fenster nicht "
                                "gespeichert hatte, ist verloren.")
                                 .c_str());
        Draw_Message();
        unlink(note.c_str());
    }
}

/* Where the input file stands beside the copy: as it was, or saved after the copy was made. */
static std::string Input_Beside(const char *copy)
{
    struct stat c, i;
    const bool newer =
        stat(copy, &c) == 0 && stat(Inp_File_Name, &i) == 0
        && (i.st_mtim.tv_sec > c.st_mtim.tv_sec
            || (i.st_mtim.tv_sec == c.st_mtim.tv_sec && i.st_mtim.tv_nsec > c.st_mtim.tv_nsec));
    if (!newer)
        return std::string("die Eingabedatei ") + Inp_File_Name
               + " blieb, wie sie zuletzt gespeichert wurde.";
    return std::string("die Eingabedatei ") + Inp_File_Name + " wurde danach gespeichert,"
           + Changed_At(Inp_File_Name) + ", und ist neuer als die Kopie.";
}

void Offer_Unsaved_Copy(void)
{
    Taken_Copy.clear();
    Waiting_Copies.clear();
    Note_Unchanged();
    if (Splice_Read_Only != SPLICE_WRITER) return;
    /* what a copy's write left when it was killed: a whole copy is offered, the rest goes */
    for (const char *more : {"", "?", "??"})
        Rt_Remove_Stale_Temp_Keeping((Copy_Name(1) + more).c_str(), Keep_Whole_Work_File, nullptr);
    Say_Failed_Copies();
    /* every copy, the newest first */
    std::vector<std::pair<long long, std::string>> copies;
    for (int k = 1; k <= COPIES_MAX; k++) {
        const std::string c = Copy_Name(k);
        struct stat st;
        if (!Rt_Is_Regular_File(c.c_str()) || stat(c.c_str(), &st) != 0) continue;
        copies.push_back({(long long)st.st_mtim.tv_sec * 1000000000LL + st.st_mtim.tv_nsec, c});
    }
    std::stable_sort(copies.begin(), copies.end(),
                     [](const auto &a, const auto &b) { return a.first > b.first; });
    const int count = (int)copies.size();
    for (int i = 0; i < count; i++) {
        const std::string &copy = copies[(size_t)i].second;
        std::vector<std::string> fields;
        Read_Copy_Head(copy.c_str(), &fields);
        Init_Message();
        Set_Message_Symbol(2, 0, 0, 0);
        Set_Message_Title("Ungespeicherte Eingaben");
        Fill_Message_Wrapped(Ended_Line(copy.c_str(), count).c_str());
        if (count > 1)
            Fill_Message_Wrapped(("Es warten " + std::to_string(count)
                                  + " Kopien ungespeicherter Eingaben; dies ist "
                                  + (i == 0 ? std::string("die neueste.")
                                            : "die " + std::to_string(i + 1) + ". von ihnen.")
                                  + "")
                                     .c_str());
        Fill_Message_Wrapped(("Seine Eingaben stehen in der Datei "
                              + std::string(Rt_Whole_Path(copy.c_str())) + "; "
                              + Input_Beside(copy.c_str()))
                                 .c_str());
        for (const std::string &field : fields)
            Fill_Message_Wrapped(
                ("Aus einem offenen Feld nicht übernommen: "_cp850 + field + ".").c_str());
        int answer;
        if (Taken_Copy.empty()) {
            Fill_Message_Wrapped("Übernehmen zeigt die Eingaben der Kopie (in die Eingabedatei "
                                 "kommen sie mit Speichern), Verwerfen löscht die Kopie, Später "
                                 "lässt sie bis zum nächsten Start liegen."_cp850);
            static const char *const labels[] = {"Übernehmen"_cp850, "Verwerfen", "Später"_cp850};
            answer = Answer_Of_Buttons(labels, 3, 0);
        } else {
            Fill_Message_Wrapped(("Übernommen sind schon die Eingaben der Kopie "_cp850 + Taken_Copy
                                  + "; Verwerfen löscht diese Kopie, Später lässt sie bis zum "
                                    "nächsten Start liegen."_cp850)
                                     .c_str());
            static const char *const labels[] = {"Verwerfen", "Später"_cp850};
            const int chosen = Answer_Of_Buttons(labels, 2, 1);
            answer = chosen == 0 ? 1 : 2;
        }
        if (answer == 0 && Take_Copy(copy)) Taken_Copy = copy;
        else if (answer == 1) unlink(copy.c_str());
        else Waiting_Copies.push_back(copy);
    }
}
