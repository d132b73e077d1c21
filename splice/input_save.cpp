/*
** The save of the component's input file: written beside the old file and renamed over it while
** the file on the disk is still the one this window read or saved; the question before a save
** that would overwrite another writer's change, a write-protected file or a component another
** window holds; a save under the next free file number with its title file; the boxes of a save
** that failed or replaced a link.
*/
#include "splice/splice_app.h"
#include "splice/input_file_internal.h"

#include <cctype>
#include <cerrno>
#include <cstring>
#include <string>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

#include "foundation/foundation.h"
#include "nad/nad.h"
#include "platform/runtime.h"
#include "platform/zelkwin.h"
#include "results/print_list.h"

void Show_File_Lines(const char *title, const std::vector<std::string> &lines)
{
    Init_Message();
    Set_Message_Symbol(3, 0, 0, 0);
    Set_Message_Title(title);
    for (const std::string &l : lines) Fill_Message(l.c_str());
    Draw_Message();
}

void Show_File_Message(const char *title, const char *l1, const char *l2, const char *l3)
{
    std::vector<std::string> lines;
    for (const char *l : {l1, l2, l3})
        if (l) lines.push_back(l);
    Show_File_Lines(title, lines);
}

/*
** The box of a save that replaced a link under the input file's name by a file of its own (kind
** RT_LINK_*, target: what the link named), so that the user knows the file behind it did not
** take the save.
*/
static void Say_Link_Replaced(const char *path, int kind, const char *target)
{
    /* appended piece by piece (a literal before a string draws a false -Wrestrict of g++) */
    std::string named = "Die Eingabedatei ", was, stays;
    named.append(Rt_Whole_Path(path));
    if (kind == RT_LINK_SYMBOLIC) was.append("war eine Verknüpfung auf "_cp850).append(target);
    else if (target[0]) was.append("war ein zweiter Name der Datei ").append(target);
    else was.append("war ein zweiter Name einer Datei an anderer Stelle");
    was.append(".");
    if (!target[0]) stays.append("die Datei unter dem anderen Namen bleibt unverändert."_cp850);
    else if (Rt_File_Exists(target))
        stays.append("die Datei ").append(target).append(" bleibt unverändert."_cp850);
    else stays.append("dort steht keine Datei.");
    Init_Message();
    Set_Message_Symbol(1, 0, 0, 0);
    Set_Message_Title("Speichern");
    Fill_Message_Wrapped(named.c_str());
    Fill_Message_Wrapped(was.c_str());
    Fill_Message("Gespeichert wurde in eine eigene Datei an ihrer Stelle;");
    Fill_Message_Wrapped(stays.c_str());
    Draw_Message();
}

/* The input file as this window last read or saved it, so that a save sees another writer. */
static std::string Seen_Path;
static Rt_File_Id Seen_Id;
static int Seen_By_Save = 0;
static std::string Saved_Path;

static void Note_Seen(const char *path, const Rt_File_Id *id, int by_save)
{
    Seen_Path = path;
    Seen_Id = *id;
    Seen_By_Save = by_save;
}

void Note_Input_File_Read(const char *path, const Rt_File_Id *id) { Note_Seen(path, id, 0); }

const char *Last_Saved_Input_Path(void) { return Saved_Path.c_str(); }

/* Why a save asks before it writes (ASK_LOCK_LOST: the window took the component's lock at its
** start, and another window that the hold on the folder does not reach, of another machine, holds
** the lock file now). */
enum { ASK_NONE, ASK_LOCKED, ASK_CHANGED, ASK_CHANGED_DURING, ASK_READ_ONLY, ASK_LOCK_LOST };

/* 1 when the file's permissions forbid writing it (for every user: root may write any file, and
** still a file marked so is not replaced without a question); a link under the name is replaced,
** never what it points to, whose permissions do not count. */
static int Write_Protected(const char *path)
{
    struct stat st;
    return lstat(path, &st) == 0 && S_ISREG(st.st_mode)
           && ((st.st_mode & 0222) == 0 || access(path, W_OK) != 0);
}

/* The question before a save (why: ASK_*): 0 overwrite, 1 save under another name, -1 cancel. */
static int Ask_Before_Save(const char *path, int why)
{
    std::string named = std::string("Die Eingabedatei ") + Rt_Whole_Path(path), link;
    char target[4096];
    if (Rt_Link_Of(path, target, sizeof target) == RT_LINK_SYMBOLIC)
        link.append("(eine Verknüpfung auf "_cp850).append(target).append(")");
    Init_Message();
    Set_Message_Symbol(2, 0, 0, 0);
    Set_Message_Title("Speichern");
    if (why == ASK_LOCKED) {
        int other_runs = 0;
        Fill_Message_Wrapped(Read_Only_Cause(&other_runs).c_str());
        Fill_Message("Dieses Fenster ist schreibgesch\x81tzt: es speichert nur unter einem anderen "
                     "Namen;");
        if (other_runs) {
            Fill_Message("die Eingabedatei bleibt, wie das andere Fenster sie speichert.");
        } else {
            Fill_Message("die Eingabedatei bleibt unver\x84ndert.");
            Fill_Message_Wrapped(Read_Only_Remedy().c_str());
        }
        static const char *const only[] = {"Anderer Name", "Abbrechen"};
        return Answer_Of_Buttons(only, 2, 1) == 0 ? 1 : -1;
    }
    if (why == ASK_LOCK_LOST) {
        /* as the print says it, and as a read-only window saves */
        Fill_Message("Dieses Fenster h\x84lt das Bauteil nicht mehr:");
        Fill_Message_Wrapped(Rt_Error_Text(RT_ENOLOCK));
        Fill_Message("Es speichert nur unter einem anderen Namen; die Eingabedatei bleibt "
                     "unver\x84ndert.");
        static const char *const only[] = {"Anderer Name", "Abbrechen"};
        return Answer_Of_Buttons(only, 2, 1) == 0 ? 1 : -1;
    }
    Fill_Message_Wrapped(named.c_str());
    if (!link.empty()) Fill_Message_Wrapped(link.c_str());
    if (why == ASK_READ_ONLY) {
        Fill_Message("ist schreibgesch\x81tzt. \x9A"
                     "berschreiben ersetzt sie trotzdem;");
        Fill_Message("unter einem anderen Namen bleibt sie unver\x84ndert.");
    } else {
        Fill_Message(
            why == ASK_CHANGED_DURING
                ? "wurde w\x84hrend des Speicherns von einem anderen Programm oder Fenster"
            : Seen_By_Save
                ? "wurde seit dem letzten Speichern von einem anderen Programm oder Fenster"
                : "wurde seit dem Lesen von einem anderen Programm oder Fenster");
        Fill_Message("ge\x84ndert. \x9A"
                     "berschreiben verwirft diese \x8E"
                     "nderung; unter einem");
        Fill_Message("anderen Namen bleiben beide erhalten.");
    }
    static const char *const labels[] = {"\x9A"
                                         "berschreiben",
                                         "Anderer Name", "Abbrechen"};
    const int chosen = Answer_Of_Buttons(labels, 3, 2);
    return chosen == 0 || chosen == 1 ? chosen : -1;
}

/* The stem of a numbered input file ("dir/Stoss_" of "dir/Stoss_02.inp") and its number into
** *number; "" for another name. */
static std::string Numbered_Stem(const std::string &p, int *number)
{
    const size_t n = p.size();
    if (n <= 7 || p.compare(n - 4, 4, ".inp") != 0 || p[n - 7] != '_'
        || !isdigit((unsigned char)p[n - 6]) || !isdigit((unsigned char)p[n - 5]))
        return "";
    *number = (p[n - 6] - '0') * 10 + (p[n - 5] - '0');
    return p.substr(0, n - 6);
}

/* The component's name in the stem of a numbered input file ("Stoss" of "dir/Stoss_"). */
static std::string Stem_Component(const std::string &stem)
{
    const size_t slash = stem.find_last_of('/');
    const size_t from = slash == std::string::npos ? 0 : slash + 1;
    return stem.substr(from, stem.size() - 1 - from);
}

/* A name beside path that no file has: the next free file number of the component, whose title
** file is not there either ("Stoss_02.inp" beside "Stoss_01.inp"), else "<path>.neu",
** "<path>.neu2", ...; "" when none. */
static std::string Free_Other_Name(const char *path)
{
    const std::string p = path;
    int own = 0;
    const std::string stem = Numbered_Stem(p, &own);
    if (!stem.empty())
        for (int k = 1; k <= 99; k++) {
            char nn[3];
            snprintf(nn, sizeof nn, "%02d", k);
            if (k == own || Rt_File_Exists((stem + nn + ".inp").c_str())
                || Rt_File_Exists((stem + nn + ".txt").c_str()))
                continue;
            return stem + nn + ".inp";
        }
    for (int k = 1; k <= 99; k++) {
        const std::string other = p + ".neu" + (k > 1 ? std::to_string(k) : std::string());
        if (!Rt_File_Exists(other.c_str())) return other;
    }
    return "";
}

/*
** Write si to path through a file of this writer's own, renamed over path only while path is
** still the file *expect (else 0 with *err RT_ECHANGED); 1, or 0 with *err.
*/
static int Save_To(const char *path, const Splice_Input_Record *si, const Rt_File_Id *expect,
                   int *err)
{
    Rt_Safe_File *sf = Rt_Safe_Open(path);
    if (!sf) {
        *err = -errno; /* negative: the temporary file could not be made */
        return 0;
    }
    Rt_Safe_Expect(sf, expect);
    FILE *f = Rt_Safe_Stream(sf);
    int ok = Write_Splice_Input_Stream(f, si);
    if (ok) Write_Active_NAD_Name_In(f, si->text_code_page);
    if (ok) ok = Rt_Safe_Commit(sf);
    *err = ok ? 0 : Rt_Safe_Error(sf) ? Rt_Safe_Error(sf) : EIO;
    Rt_Safe_Close(sf);
    return ok;
}

/* The box of a save that failed with err; before: the file as it stood when the save began, so
** that the box says that the old file stands only when it does. */
static void Say_Save_Failed(const char *path, int err, const Rt_File_Id *before)
{
    char line1[SPLICE_PATH_MAX + 64];
    if (err < 0) {
        snprintf(line1, sizeof line1, "Die Datei %s", Rt_Safe_Open_Failed_Path(path, -err));
        Show_File_Message("Fehler", line1, "kann nicht gespeichert werden.",
                          Rt_Path_Error_Text(-err, path));
        return;
    }
    snprintf(line1, sizeof line1, "Die Datei %s", path);
    Rt_File_Id now;
    const bool stands = Rt_File_Id_Of(path, &now) && Rt_Same_File_Id(&now, before);
    std::vector<std::string> lines = {line1, "kann nicht gespeichert werden."};
    const std::string why = Rt_Error_Text(err);
    if (stands) lines.push_back(why + " Die alte Datei bleibt erhalten.");
    else if (err == RT_ECHANGED) lines.push_back(why); /* the reason says it already */
    else {
        lines.push_back(why);
        lines.push_back("Die Datei wurde inzwischen von einem anderen Programm oder Fenster");
        lines.push_back("ge\x84ndert; sie steht, wie dieses sie geschrieben hat.");
    }
    Show_File_Lines("Fehler", lines);
}

/* The title file of the numbered input file other: a copy of the title file of path, where
** there is one, else the component's name, as the window shows it; a title file there stays. The
** number of other, or 0 for a name without one. */
static int Write_Other_Title(const char *path, const std::string &other)
{
    int number = 0, own = 0;
    const std::string stem = Numbered_Stem(other, &number), own_stem = Numbered_Stem(path, &own);
    if (stem.empty()) return 0;
    const std::string title = other.substr(0, other.size() - 4) + ".txt";
    const std::string own_title = std::string(path).substr(0, strlen(path) - 4) + ".txt";
    if (Rt_File_Exists(title.c_str())) return number;
    if (!own_stem.empty() && Rt_Is_Regular_File(own_title.c_str())
        && Rt_Copy_File(own_title.c_str(), title.c_str(), 1))
        return number;
    Rt_Safe_File *sf = Rt_Safe_Open(title.c_str());
    if (sf) fprintf(Rt_Safe_Stream(sf), "%s\n", Stem_Component(stem).c_str());
    Rt_Safe_Commit(sf);
    Rt_Safe_Close(sf);
    return number;
}

/*
** Save si under the next free name beside path (Free_Other_Name), the file at path untouched: a
** name that another writer takes meanwhile (a second read-only window that saves at the same
** moment) passes on to the next free one. Then the title file of the new number, and a box that
** says where the values went and how to open them. 2, or 0 after the box of the failure.
*/
static int Save_Under_Other_Name(const char *path, const Splice_Input_Record *si)
{
    const Rt_File_Id none = {};
    std::string other;
    int err = ENOSPC, saved = 0;
    for (int attempt = 0; attempt < 8 && !saved; attempt++) {
        other = Free_Other_Name(path);
        if (other.empty()
            || ((saved = Save_To(other.c_str(), si, &none, &err)) == 0 && err != RT_ECHANGED))
            break;
    }
    if (!saved) {
        Say_Save_Failed(other.empty() ? path : other.c_str(), err, &none);
        return 0;
    }
    Saved_Path = other;
    const int number = Write_Other_Title(path, other);
    std::string where = "Die Eingaben wurden unter ", stays = "die Datei ", open;
    where.append(Rt_Whole_Path(other.c_str())).append(" gespeichert;");
    stays.append(path).append(" bleibt unverändert."_cp850);
    Init_Message();
    Set_Message_Symbol(1, 0, 0, 0);
    Set_Message_Title("Speichern");
    Fill_Message_Wrapped(where.c_str());
    Fill_Message_Wrapped(stays.c_str());
    if (number > 0) {
        int again = 0;
        open = "Zum Bearbeiten im Bauteil " + Stem_Component(Numbered_Stem(other, &again))
               + " die Datei Nr. " + std::to_string(number) + " öffnen."_cp850;
        Fill_Message_Wrapped(open.c_str());
    }
    Draw_Message();
    return 2;
}

int Write_Splice_Input_File(const char *path, const Splice_Input_Record *si)
{
    if (!path || !si) return 0;
    Saved_Path.clear();
    /* a link under the name is replaced, never written through: said after the save */
    char target[4096];
    const int link_kind = Rt_Link_Of(path, target, sizeof target);
    const bool seen = Seen_Path == path;
    const bool own_input = Inp_File_Name == std::string(path);
    const Rt_Lock *held = Component_Lock();
    int why = Splice_Read_Only != SPLICE_WRITER && own_input          ? ASK_LOCKED
              : own_input && held != nullptr && !Rt_Lock_Is_Own(held) ? ASK_LOCK_LOST
                                                                      : ASK_NONE;
    for (int round = 0; round < 4; round++) {
        Rt_File_Id now;
        Rt_File_Id_Of(path, &now);
        /* a file gone meanwhile loses nothing by the save; one made write-protected since has
        ** a new change time alone, and is asked as what it is */
        const int read_only = now.exists && Write_Protected(path);
        Rt_File_Id but_ctime = now;
        but_ctime.ctime_ns = Seen_Id.ctime_ns;
        if (why == ASK_NONE && seen && now.exists
            && !Rt_Same_File_Id(read_only ? &but_ctime : &now, &Seen_Id))
            why = ASK_CHANGED;
        if (why == ASK_NONE && read_only) why = ASK_READ_ONLY;
        if (why != ASK_NONE) {
            const int answer = Ask_Before_Save(path, why);
            if (answer < 0) return 0;
            if (answer == 1) return Save_Under_Other_Name(path, si);
        }
        /* written beside the old file, synced and renamed over it: a failed save, a kill or a
        ** power loss leaves the old file or the new one; renamed only while the file on the disk
        ** is the one just judged, so that nobody's change is lost without the question */
        int err = 0;
        if (Save_To(path, si, &now, &err)) {
            Rt_File_Id saved;
            Rt_File_Id_Of(path, &saved);
            Note_Seen(path, &saved, 1);
            Saved_Path = path;
            if (link_kind != RT_LINK_NONE) Say_Link_Replaced(path, link_kind, target);
            return 1;
        }
        if (err != RT_ECHANGED) {
            Say_Save_Failed(path, err, &now);
            return 0;
        }
        why = ASK_CHANGED_DURING;
    }
    return 0;
}
