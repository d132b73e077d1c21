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
** which the next start names. Where the component's folder takes no file at all (it turned
** read-only while the window ran), the note stands in TEMP, else in the private data folder,
** under the input's name with a hash of its whole path ("Stoss_01.inp.<16 hex
** digits>.ungespeichert.fehler13"), so that only a start of this input names it. */
static const char Failure_Mark[] = ".ungespeichert.fehler";

/* The beginnings of the names of the notes of this input: beside it, then in the other folders. */
static std::vector<std::string> Note_Names(void)
{
    std::vector<std::string> names = {std::string(Inp_File_Name) + Failure_Mark};
    const std::string whole = Rt_Whole_Path(Inp_File_Name);
    unsigned long long hash = 14695981039346656037ULL; /* FNV-1a, 64 bits */
    for (const char c : whole) hash = (hash ^ (unsigned char)c) * 1099511628211ULL;
    char hex[24];
    snprintf(hex, sizeof hex, ".%016llx", hash);
    const std::string own = whole.substr(whole.find_last_of('/') + 1) + hex + Failure_Mark;
    for (const char *folder : {Rt_Getenv("TEMP"), CurOb_Privat_Datapath()})
        if (folder && *folder) names.push_back(std::string(folder) + "/" + own);
    return names;
}

static void Note_Copy_Failed(int err)
{
    for (const std::string &name : Note_Names()) {
        const int fd = Rt_Create_New_File((name + std::to_string(err)).c_str());
        if (fd < 0) continue;
        close(fd);
        return;
    }
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

/* " am 09.12.2026 um 17:03" of a file's last change, "" where it cannot be said; bound by
** no-break blanks (0xFF), so that a box never breaks the day from its hour. */
static std::string Changed_At(const char *path)
{
    struct stat st;
    struct tm t;
    char text[64];
    if (stat(path, &st) != 0 || !localtime_r(&st.st_mtime, &t)
        || strftime(text, sizeof text, " am\xFF%d.%m.%Y\xFFum\xFF%H:%M", &t) == 0)
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

int Is_Unsaved_Copy_Work_File(const char *path, void *)
{
    /* "<input>.ungespeichert<k>.<pid>.tmp": the ".tmp", the pid and the copy's word from the end */
    std::string name = path ? path : "";
    static const char Tmp[] = ".tmp", Word[] = "ungespeichert";
    const size_t tmp = name.size() - std::min(name.size(), strlen(Tmp));
    if (name.compare(tmp, std::string::npos, Tmp) != 0) return 0;
    name.resize(tmp);
    const size_t pid = name.find_last_of('.');
    if (pid == std::string::npos || pid + 1 == name.size()
        || name.find_first_not_of("0123456789", pid + 1) != std::string::npos)
        return 0;
    name.resize(pid);
    const size_t word = name.find_last_of('.');
    if (word == std::string::npos || name.compare(word + 1, strlen(Word), Word) != 0) return 0;
    const std::string k = name.substr(word + 1 + strlen(Word));
    return k.size() <= 2 && k.find_first_not_of("0123456789") == std::string::npos;
}

/* A copy's work file that a kill left (at its rename, or before): a whole one is a copy and goes
** under the first free name, to be offered; a cut one goes with the other work files. */
static int Keep_Whole_Work_File(const char *path, void *)
{
    if (!Read_Copy_Head(path, nullptr)) return 0;
    const std::string free_name = Free_Copy_Name();
    return !free_name.empty() && rename(path, free_name.c_str()) == 0;
}

/* How a window ended, and when (the time of path): the window that left the copy at path, or
** one that left a note. Never "the last window": another may have ended since, and saved. */
static std::string Ended_Line(const char *path, bool left_copy)
{
    return std::string(left_copy ? "Das Fenster" : "Ein Fenster") + " des Bauteils "
           + Bauteilkennung + (left_copy ? ", das diese Kopie hinterlie\xE1," : "") + " endete"
           + Changed_At(path)
           + " ohne zu speichern (die Anzeige ging verloren, oder das Programm wurde beendet).";
}

/* Why a copy could not be written, for the error number err (0 where it is not known). */
static std::string Copy_Failure(int err)
{
    const std::string said = "Seine Eingaben konnten nicht in eine Kopie geschrieben werden";
    if (err <= 0) return said + " (der Grund ist nicht bekannt).";
    if (err != EACCES && err != EPERM) return said + ": " + Rt_Error_Text(err);
    /* the copy is a new file: the folder refused it */
    const std::string whole = Rt_Whole_Path(Inp_File_Name);
    return said + ": Der Ordner " + whole.substr(0, std::max<size_t>(1, whole.find_last_of('/')))
           + " nahm keine Datei an (keine Schreibrechte).";
}

/* The boxes of the copies that could not be written; each note goes once it was said. */
static void Say_Failed_Copies(void)
{
    std::vector<std::string> notes;
    for (const std::string &name : Note_Names()) {
        Rt_Find_Data d;
        if (Rt_Find *find = Rt_Find_First((name + "*").c_str(), 0, &d)) {
            do notes.push_back(d.path);
            while (Rt_Find_Next(find, &d));
            Rt_Find_Close(find);
        }
    }
    for (const std::string &note : notes) {
        const size_t at = note.rfind(Failure_Mark);
        const int err =
            at == std::string::npos ? 0 : atoi(note.c_str() + at + strlen(Failure_Mark));
        Init_Message();
        Set_Message_Symbol(3, 0, 0, 0);
        Set_Message_Title("Ungespeicherte Eingaben");
        Fill_Message_Wrapped(Ended_Line(note.c_str(), false).c_str());
        Fill_Message_Wrapped(Copy_Failure(err).c_str());
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

/* ---------------------------------------------------------------- the offer */

/* A copy that waits: its name, when it was made, and the open fields it names. */
struct Waiting_Copy {
    std::string path;
    long long made; /* ns since 1970 */
    std::vector<std::string> fields;
};

static const char Offer_Title[] = "Ungespeicherte Eingaben";
static const char *const Offer_Buttons[] = {"Übernehmen"_cp850, "Verwerfen", "Später"_cp850};

/* The box of the one copy that waits: take it over, remove it, or leave it for a later start. */
static void Offer_One(const Waiting_Copy &copy)
{
    Init_Message();
    Set_Message_Symbol(2, 0, 0, 0);
    Set_Message_Title(Offer_Title);
    Fill_Message_Wrapped(Ended_Line(copy.path.c_str(), true).c_str());
    Fill_Message_Wrapped(("Seine Eingaben stehen in der Datei "
                          + std::string(Rt_Whole_Path(copy.path.c_str())) + "; "
                          + Input_Beside(copy.path.c_str()))
                             .c_str());
    for (const std::string &field : copy.fields)
        Fill_Message_Wrapped(
            ("Aus einem offenen Feld nicht übernommen: "_cp850 + field + ".").c_str());
    Fill_Message_Wrapped("Übernehmen zeigt die Eingaben der Kopie (in die Eingabedatei "
                         "kommen sie mit Speichern), Verwerfen löscht die Kopie, Später "
                         "lässt sie bis zum nächsten Start liegen."_cp850);
    const int answer = Answer_Of_Buttons(Offer_Buttons, 3, 0);
    if (answer == 0 && Take_Copy(copy.path)) Taken_Copy = copy.path;
    else if (answer == 1) unlink(copy.path.c_str());
    else Waiting_Copies.push_back(copy.path);
}

/* The sheet of several copies: one list of them all, the newest first, each with the time its
** window ended; the chosen one's file and open fields below it; "Übernehmen" (the chosen one),
** "Verwerfen" (the chosen one, the others stay listed) and "Später" (all of them). Up, Down,
** Page Up, Page Down, Home and End choose in the list, Enter takes over, Del removes, Esc leaves
** all. */
enum { ROW_H = 18, LINE_H = 16, ROWS_SHOWN = 12 };
enum { CODE_TAKE = 1, CODE_DISCARD = 2, CODE_LATER = 3, CODE_LIST = 4 }; /* Offer_Buttons + 1 */

struct Copy_List {
    std::vector<Waiting_Copy> copies; /* the newest first */
    int chosen = 0;
    int list_top = 0;                     /* screen row of the list's first pixel, as last drawn */
    int column_file = 0, column_note = 0; /* pixels from the list's left edge */
    std::vector<std::string> details;     /* the chosen copy's lines */
};

/* " am 09.12.2026 um 17:03" of a time in ns since 1970. */
static std::string Made_At(long long made)
{
    const time_t secs = (time_t)(made / 1000000000LL);
    struct tm t;
    char text[64];
    if (!localtime_r(&secs, &t)
        || strftime(text, sizeof text, "am\xFF%d.%m.%Y\xFFum\xFF%H:%M", &t) == 0)
        return "";
    return text;
}

/* What the list says of a copy beside its name: an open field it names, an input file saved
** after it. */
static std::string Copy_Note(const Waiting_Copy &c)
{
    struct stat i;
    const bool newer = stat(Inp_File_Name, &i) == 0
                       && (long long)i.st_mtim.tv_sec * 1000000000LL + i.st_mtim.tv_nsec > c.made;
    std::string note = newer ? "Eingabedatei danach gespeichert" : "";
    if (!c.fields.empty())
        note += std::string(note.empty() ? "" : "; ") + "ein Feld nicht übernommen"_cp850;
    return note;
}

/* The lines below the list: the chosen copy's whole path, the input file beside it, the fields
** it names. */
static std::vector<std::string> Chosen_Lines(const Waiting_Copy &c, int room)
{
    std::vector<std::string> lines;
    const std::string said = std::string("Gewählt: die Datei "_cp850)
                             + Rt_Whole_Path(c.path.c_str()) + "; " + Input_Beside(c.path.c_str());
    for (const std::string &l : Wrapped_Lines(said.c_str(), room)) lines.push_back(l);
    for (const std::string &field : c.fields)
        for (const std::string &l : Wrapped_Lines(
                 ("Aus einem offenen Feld nicht übernommen: "_cp850 + field + ".").c_str(), room))
            lines.push_back(l);
    return lines;
}

static void Draw_Copy_Rows(int, int, int sy, int x1, int y1, int x2, int y2, void *user)
{
    Copy_List *list = static_cast<Copy_List *>(user);
    list->list_top = y1 - sy;
    pxFgc(WHITE_CI);
    pxRect(x1, y1, x2, y2);
    Pop_RFont(0x1000);
    const int count = (int)list->copies.size();
    for (int i = std::max(0, sy / ROW_H); i < count && y1 + i * ROW_H - sy <= y2; i++) {
        const int y = y1 + i * ROW_H - sy;
        const Waiting_Copy &c = list->copies[(size_t)i];
        if (i == list->chosen) {
            pxFgc(SELECT_CI);
            pxRect(x1, y, x2, y + ROW_H - 1);
        }
        pxFgc(BLACK_CI);
        pxText(x1 + 6, y + 13, Made_At(c.made).c_str(), -1);
        pxText(x1 + list->column_file, y + 13, c.path.c_str(), -1);
        const std::string note = Copy_Note(c);
        if (!note.empty()) pxText(x1 + list->column_note, y + 13, note.c_str(), -1);
    }
    Push_RFont();
}

static void Draw_Chosen(int, int, int, int x1, int y1, int x2, int y2, void *user)
{
    Copy_List *list = static_cast<Copy_List *>(user);
    pxFgc(BACKGROUND_CI);
    pxRect(x1, y1, x2, y2);
    Pop_RFont(0x1000);
    pxFgc(BLACK_CI);
    int y = y1 + 13;
    for (const std::string &l : list->details) {
        pxText(x1, y, l.c_str(), -1);
        y += LINE_H;
    }
    Push_RFont();
}

/* The sheet's opening lines, for count copies. */
static std::string List_Intro(int count)
{
    std::string intro = count == 1 ? "Es wartet 1 Kopie ungespeicherter Eingaben des Bauteils "
                                   : "Es warten " + std::to_string(count)
                                         + " Kopien ungespeicherter Eingaben des Bauteils ";
    intro += std::string(Bauteilkennung) + (count == 1 ? ". Sie" : ". Jede")
             + " hinterließ ein Fenster, das ohne zu speichern endete (die Anzeige ging verloren, "
               "oder das Programm wurde beendet); die Liste nennt, wann, die neueste zuerst."_cp850;
    const std::string saved = Changed_At(Inp_File_Name);
    if (!saved.empty())
        intro += std::string(" Die Eingabedatei ") + Inp_File_Name + " wurde zuletzt" + saved
                 + " gespeichert.";
    return intro;
}

/* A scrollable area of the sheet, painted by draw with the list. */
static int Add_List_Area(int x1, int y1, int x2, int y2, int frame, PS_Area_Draw_Fct draw,
                         Copy_List *list)
{
    return Add_Scrollable_Area_to_PS(PS_Scrollable_Area{.x1 = x1,
                                                        .y1 = y1,
                                                        .x2 = x2,
                                                        .y2 = y2,
                                                        .frame = frame,
                                                        .code = 0,
                                                        .step_x = ROW_H,
                                                        .step_y = ROW_H,
                                                        .draw = draw,
                                                        .user = list,
                                                        .active = 0});
}

/* Texts of the sheet drawn line under line from y (advanced), 20 pixels in from x1. */
static void Sheet_Lines(const std::vector<std::string> &lines, int x1, int *y)
{
    for (const std::string &l : lines) {
        Draw_Funny_Text_to_PS(x1 + 20, *y + 12, l.c_str(), 0, 0);
        *y += LINE_H;
    }
}

/* The columns of the rows: the time, the name (from its widest time), the note (from its widest
** name); pixels from the list's left edge. */
static void Place_Columns(Copy_List *list)
{
    int time = 0, name = 0;
    for (const Waiting_Copy &c : list->copies) {
        time = std::max(time, Text_Width_In_Font(Made_At(c.made).c_str(), 0x1000));
        name = std::max(name, Text_Width_In_Font(c.path.c_str(), 0x1000));
    }
    list->column_file = 6 + time + 24;
    list->column_note = list->column_file + name + 24;
}

/* The sheet over the list as it stands, defined and active; its list and chosen-copy areas. */
static void Define_List_Sheet(Copy_List *list, int room, int *rows_area, int *chosen_area)
{
    const int count = (int)list->copies.size();
    const int w = room + 40;
    const std::vector<std::string> intro = Wrapped_Lines(List_Intro(count).c_str(), room);
    const std::vector<std::string> help = Wrapped_Lines(
        "Übernehmen zeigt die Eingaben der gewählten Kopie (in die Eingabedatei kommen sie mit "
        "Speichern; die anderen warten weiter), Verwerfen löscht die gewählte Kopie, Später lässt "
        "alle bis zum nächsten Start liegen."_cp850,
        room);
    int details = 1;
    for (const Waiting_Copy &c : list->copies)
        details = std::max(details, (int)Chosen_Lines(c, room).size());
    details = std::min(details, 6);
    const int rows = std::min(count, (int)ROWS_SHOWN);
    Place_Columns(list);
    const int h = 25 + 12 + (int)intro.size() * LINE_H + 8 + LINE_H + rows * ROW_H + 12
                  + details * LINE_H + 8 + (int)help.size() * LINE_H + 10 + 24 + 12;
    const int x1 = (NPIXEL_X - w) / 2, y1 = std::max(0, (NPIXEL_Y - h) / 2), x2 = x1 + w - 1;
    Define_Prop_Sheet(x1, y1, x2, y1 + h - 1, 1, 0, Offer_Title, 0, 1);
    int y = y1 + 25 + 12;
    Sheet_Lines(intro, x1, &y);
    y += 8;
    Draw_Funny_Text_to_PS(x1 + 26, y + 12, "Fenster endete", 0, 1);
    Draw_Funny_Text_to_PS(x1 + 20 + list->column_file, y + 12, "Kopie", 0, 1);
    y += LINE_H;
    /* the list: a press or a key on it ends the pass, a wheel or the slider scrolls it */
    const int lx2 = x2 - 20 - (count > rows ? 17 : 0), ly2 = y + rows * ROW_H - 1;
    Set_Escape_Area_to_KeyEvent(Add_Escape_Area_to_PS(x1 + 20, y, lx2, ly2, CODE_LIST), 1);
    *rows_area = Add_List_Area(x1 + 20, y, lx2, ly2, 1, Draw_Copy_Rows, list);
    if (count > rows) Add_VSlider_to_Scrollable_Area(*rows_area, 1, 16, -1, 0);
    Resize_Origin_of_Scrollable_Area_PS(*rows_area, lx2 - x1 - 20, count * ROW_H);
    y = ly2 + 13;
    *chosen_area = Add_List_Area(x1 + 20, y, x2 - 20, y + details * LINE_H, 0, Draw_Chosen, list);
    y += details * LINE_H + 8;
    Sheet_Lines(help, x1, &y);
    y += 10;
    int widths[3], all = 20;
    for (int i = 0; i < 3; i++)
        all += (widths[i] = std::max(90, Text_Width_In_Font(Offer_Buttons[i], 0x1000) + 24));
    int bx = x1 + (w - all) / 2;
    for (int i = 0; i < 3; i++) {
        Add_Single_Button_to_PS(bx, y, PS_RASTER(widths[i], 24), Offer_Buttons[i], i + 1);
        bx += widths[i] + 10;
    }
    Set_Windows_OK_Button(CODE_TAKE);
    Set_Windows_Break_Button(CODE_LATER);
    Activate_Prop_Sheet();
}

/* The row a key of the list chooses from chosen (0 for a press: the row under the mouse). */
static int Row_Chosen(const Copy_List *list, int key, int chosen)
{
    const int count = (int)list->copies.size();
    if (key == KEY_UP) chosen--;
    else if (key == KEY_DOWN) chosen++;
    else if (key == KEY_PGUP) chosen -= ROWS_SHOWN;
    else if (key == KEY_PGDN) chosen += ROWS_SHOWN;
    else if (key == KEY_HOME) chosen = 0;
    else if (key == KEY_END) chosen = count - 1;
    else if (key == 0) chosen = (M_YPOS - list->list_top) / ROW_H;
    return std::max(0, std::min(count - 1, chosen));
}

/* One pass of the sheet over the list as it stands: the code that ended it (CODE_*), the chosen
** copy in list->chosen. */
static int List_Pass(Copy_List *list)
{
    const int room = std::min(NPIXEL_X - 40, 1000) - 40;
    int rows_area = 0, chosen_area = 0;
    Define_List_Sheet(list, room, &rows_area, &chosen_area);
    const int shown = std::min((int)list->copies.size(), (int)ROWS_SHOWN) * ROW_H;
    for (int code = 0;;) {
        /* the chosen row in sight, and its lines below the list */
        int sx = 0, sy = 0;
        Inquire_Scrollable_Area_PS(rows_area, &sx, &sy);
        const int top = list->chosen * ROW_H;
        sy = std::max(std::min(sy, top), top + ROW_H - shown);
        list->details = Chosen_Lines(list->copies[(size_t)list->chosen], room);
        Change_Activity_PS(rows_area, 1);
        Set_Scrollable_Area_PS(rows_area, sx, sy);
        Change_Activity_PS(chosen_area, 1);
        code = Edit_Prop_Sheet();
        const int key = code == CODE_LIST && hitkey() >= 0 ? getkey() : 0;
        if (key == KEY_DEL) code = CODE_DISCARD;
        if (code != CODE_LIST) {
            Undefine_Prop_Sheet();
            return code;
        }
        list->chosen = Row_Chosen(list, key, list->chosen);
    }
}

static void Offer_List(std::vector<Waiting_Copy> copies)
{
    Copy_List list;
    list.copies = std::move(copies);
    for (;;) {
        const int code = List_Pass(&list);
        const Waiting_Copy &chosen = list.copies[(size_t)list.chosen];
        if (code == CODE_DISCARD) {
            unlink(chosen.path.c_str());
            list.copies.erase(list.copies.begin() + list.chosen);
            if (list.copies.empty()) return;
            list.chosen = std::min(list.chosen, (int)list.copies.size() - 1);
            continue;
        }
        if (code == CODE_TAKE && Take_Copy(chosen.path)) {
            Taken_Copy = chosen.path;
            list.copies.erase(list.copies.begin() + list.chosen);
        }
        for (const Waiting_Copy &c : list.copies) Waiting_Copies.push_back(c.path);
        return;
    }
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
    std::vector<Waiting_Copy> copies;
    for (int k = 1; k <= COPIES_MAX; k++) {
        const std::string c = Copy_Name(k);
        struct stat st;
        if (!Rt_Is_Regular_File(c.c_str()) || stat(c.c_str(), &st) != 0) continue;
        Waiting_Copy w{c, (long long)st.st_mtim.tv_sec * 1000000000LL + st.st_mtim.tv_nsec, {}};
        Read_Copy_Head(c.c_str(), &w.fields);
        copies.push_back(std::move(w));
    }
    std::stable_sort(copies.begin(), copies.end(),
                     [](const Waiting_Copy &a, const Waiting_Copy &b) { return a.made > b.made; });
    if (copies.size() == 1) Offer_One(copies[0]);
    else if (copies.size() > 1) Offer_List(std::move(copies));
}
