/*
** The component's lock as this window holds it: taken at the start ("<component>.lck" in the
** component's folder), or why this window is read-only (another window has the component open, or
** no lock can be taken there), said in a box at the start, in the window's title for as long as it
** runs, and in the box of each writer action it refuses.
*/
#include "splice/splice_app.h"

#include <cerrno>
#include <cstdio>
#include <string>
#include <vector>

#include <sys/stat.h>

#include "dialogs/dialogs.h"
#include "foundation/codepage.h"
#include "platform/runtime.h"
#include "platform/zelkwin.h"
#include "results/print_list.h"

int32_t Splice_Read_Only = SPLICE_WRITER;
char Splice_Locked_By[160];

static char Lock_Path[BAUTEILKENNUNG_MAX + 8];
/* The lock taken, from before the boxes of the start: an end without the user gives it free. */
static Rt_Lock *Taken = nullptr;

Rt_Lock *Component_Lock(void) { return Taken; }
/* Where no lock can be taken: why, and what the user does about it ("die Verknüpfung ...
** löschen"). */
static std::string Lock_Reason, Lock_Remedy;

static void Lock_Box(int symbol, const char *title, const std::vector<std::string> &lines)
{
    Init_Message();
    Set_Message_Symbol(symbol, 0, 0, 0);
    Set_Message_Title(title);
    for (const std::string &l : lines) Fill_Message_Wrapped(l.c_str());
    Draw_Message();
}

/* " (Prozess <pid> auf dem Rechner <host>)" of the window that holds the lock, "" where the lock
** file names none. */
static std::string Holder_Named(void)
{
    return Splice_Locked_By[0] ? std::string(" (") + Splice_Locked_By + ")" : std::string();
}

/* Why no lock file can stand under Lock_Path (err of the open) and what the user does about it. */
static std::string No_Lock_Reason(int err, std::string *remedy)
{
    const std::string name = Lock_Path;
    char target[4096];
    if (err == ELOOP && Rt_Link_Of(Lock_Path, target, sizeof target) == RT_LINK_SYMBOLIC) {
        *remedy = "die Verknüpfung "_cp850 + name + " löschen"_cp850;
        return "Unter dem Namen " + name + " steht eine Verknüpfung auf "_cp850 + target + ".";
    }
    if (err == EISDIR) {
        *remedy = "den Ordner " + name + " entfernen";
        return "Unter dem Namen " + name + " steht ein Ordner.";
    }
    struct stat st;
    const bool there = lstat(Lock_Path, &st) == 0;
    if (err == ESPIPE && there) {
        /* a pipe, socket or device takes the window's name without keeping it */
        const bool fifo = S_ISFIFO(st.st_mode), sock = S_ISSOCK(st.st_mode);
        *remedy = std::string(fifo   ? "die Pipe "
                              : sock ? "den Socket "
                                     : "die Gerätedatei "_cp850)
                  + name + " löschen"_cp850;
        return "Unter dem Namen " + name + " steht "
               + (fifo   ? "eine Pipe (FIFO)"
                  : sock ? "ein Socket"
                         : "eine Gerätedatei"_cp850)
               + " und keine Datei.";
    }
    const std::string made = "Die Sperrdatei " + name + " kann nicht angelegt werden: ";
    const std::string written = "Die Sperrdatei " + name + " kann nicht geschrieben werden: ";
    switch (err) {
    case 0: /* a short write that gave no reason */
        *remedy = "Platz auf dem Datenträger schaffen oder die Grenze der Dateigröße (ulimit -f) "
                  "heben lassen"_cp850;
        return written + "Der Datenträger nahm nur einen Teil ihrer Bytes an."_cp850;
    case ENOSPC:
        *remedy = "Platz auf dem Datenträger schaffen"_cp850;
        return written + Rt_Error_Text(err);
    case EDQUOT:
        *remedy = "Platz im Speicherkontingent schaffen oder es erhöhen lassen";
        return written + Rt_Error_Text(err);
    case EFBIG:
        *remedy = "die Grenze der Dateigröße (ulimit -f) heben lassen"_cp850;
        return written + "Sie überschreitet die Grenze der Dateigröße (ulimit -f)."_cp850;
    case ENOLCK: *remedy = "die Sperrdatei " + name + " löschen lassen"_cp850; break;
    case EROFS: *remedy = "das Bauteil in einen beschreibbaren Ordner kopieren"; break;
    case EACCES:
    case EPERM:
        if (there) {
            *remedy = "Lese- und Schreibrechte an der Sperrdatei " + name + " geben lassen";
            return made + "Dieser Benutzer darf sie weder lesen noch schreiben.";
        }
        *remedy = "Schreibrechte im Bauteilordner geben lassen";
        return made + "Dieser Benutzer darf im Bauteilordner keine Datei anlegen.";
    default: *remedy = "die Ursache beheben lassen"; break;
    }
    return made + Rt_Error_Text(err);
}

Rt_Lock *Take_Component_Lock(void)
{
    snprintf(Lock_Path, sizeof Lock_Path, "%s.lck", Bauteilkennung);
    char holder[sizeof Splice_Locked_By];
    int state = RT_LOCK_FAILED;
    Rt_Lock *lock = Rt_Lock_Take(Lock_Path, &state, holder, sizeof holder);
    const int err = errno;
    Taken = lock;
    Splice_Read_Only = SPLICE_WRITER;
    Splice_Locked_By[0] = '\0';
    Lock_Reason.clear();
    Lock_Remedy.clear();
    const std::string component = std::string("Das Bauteil ") + Bauteilkennung;
    if (state == RT_LOCK_HELD) {
        Splice_Read_Only = SPLICE_READ_ONLY_HELD;
        snprintf(Splice_Locked_By, sizeof Splice_Locked_By, "%s", holder);
        std::vector<std::string> lines = {component
                                          + " ist bereits in einem anderen Fenster geöffnet"_cp850};
        if (holder[0]) lines.push_back("(" + std::string(holder) + ").");
        else lines[0] += ".";
        for (const char *l :
             {"Dieses Fenster zeigt es schreibgeschützt: es speichert nur unter einem"_cp850,
              "anderen Namen und druckt nicht. Zum Bearbeiten das andere Fenster",
              "schließen und das Bauteil neu öffnen; läuft dort kein Fenster mehr"_cp850})
            lines.push_back(l);
        /* a folder without locks keeps the mark of a window that ended on another machine */
        lines.push_back(std::string("(nach einem Absturz), zuvor die Sperrdatei ") + Lock_Path
                        + " löschen."_cp850);
        Lock_Box(2, "Bauteil geöffnet"_cp850, lines);
    } else if (state == RT_LOCK_TAKEN_OVER) {
        Lock_Box(1, "Hinweis",
                 {component + " war noch als geöffnet vermerkt"_cp850,
                  "(" + std::string(holder) + "), der nicht mehr läuft."_cp850,
                  "Dieses Fenster übernimmt das Bauteil; was ein abgebrochenes Speichern"_cp850,
                  "oder Drucken hinterlassen hat, wird aufgeräumt."_cp850});
    } else if (state == RT_LOCK_FAILED) {
        /* without a lock another window may write the same files unseen: this one only reads */
        Splice_Read_Only = SPLICE_READ_ONLY_NO_LOCK;
        Lock_Reason = No_Lock_Reason(err, &Lock_Remedy);
        Lock_Box(
            2, "Bauteil schreibgeschützt"_cp850,
            {component + " kann nicht für dieses Fenster gesperrt werden."_cp850, Lock_Reason,
             "Damit kein zweites Fenster dieselben Dateien schreibt, zeigt dieses Fenster es",
             "schreibgeschützt: es speichert nur unter einem anderen Namen und druckt nicht."_cp850,
             Read_Only_Remedy()});
    }
    return lock;
}

void Drop_Component_Lock(Rt_Lock *lock)
{
    if (lock == Taken) Taken = nullptr;
    Rt_Lock_Release(lock);
    Splice_Read_Only = SPLICE_WRITER;
    Splice_Locked_By[0] = '\0';
}

const char *Splice_Window_Title(void)
{
    static std::string title;
    title = Splice_Title_Line[0] ? Splice_Title_Line : Bauteilkennung;
    if (Splice_Read_Only != SPLICE_WRITER) title += " (schreibgeschützt)"_cp850;
    else if (Unsaved_Copies_Waiting(nullptr) > 0) title += " (ungespeicherte Eingaben warten)";
    return title.c_str();
}

std::string Read_Only_Cause(int *other_runs)
{
    *other_runs = 0;
    const std::string component = std::string("Das Bauteil ") + Bauteilkennung;
    if (Splice_Read_Only == SPLICE_READ_ONLY_NO_LOCK)
        return component + " kann nicht für dieses Fenster gesperrt werden: "_cp850 + Lock_Reason;
    if (Splice_Read_Only != SPLICE_READ_ONLY_HELD) return "";
    /* asked anew: the other window may have ended since this one started */
    *other_runs = Rt_Lock_Held_By_Other(Lock_Path);
    if (*other_runs)
        return component + " ist in einem anderen Fenster geöffnet"_cp850 + Holder_Named() + ".";
    return component + " war beim Start dieses Fensters in einem anderen Fenster geöffnet"_cp850
           + Holder_Named() + "; jenes Fenster ist inzwischen beendet.";
}

std::string Read_Only_Remedy(void)
{
    if (Splice_Read_Only == SPLICE_READ_ONLY_NO_LOCK)
        return "Zum Bearbeiten " + Lock_Remedy + " und das Bauteil neu öffnen."_cp850;
    if (Splice_Read_Only == SPLICE_READ_ONLY_HELD)
        return "Zum Bearbeiten das Bauteil neu öffnen."_cp850;
    return "";
}
