/*
** The print-list driver of the splice: validates the splice, then writes the print list
** "%s_%02d.oli" in its fixed order (contents record and title, preliminary remarks, input data,
** system section with sketches and drawings, the checks and their summary).
*/
#include "results/print_list.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include <sys/stat.h>

#include "results/splice_checks.h"
#include "nad/nad.h"
#include "foundation/codepage.h"
#include "foundation/screen_tools.h"
#include "platform/runtime.h"
#include "platform/zelkwin.h"
#include "platform/zelkgrft.h"
#include "printlist/printlist.h"

/* ---------------------------------------------------------------- names */

static char Oli_Path[1024];
static char Title_Line[512];

/* Hand over the print-list path and the title line; null clears. */
void Set_Print_List_Names(const char *oli_path, const char *title_line)
{
    snprintf(Oli_Path, sizeof Oli_Path, "%s", oli_path ? oli_path : "");
    snprintf(Title_Line, sizeof Title_Line, "%s", title_line ? title_line : "");
    /* the title line keeps no line end of the file it came from */
    Title_Line[strcspn(Title_Line, "\r\n")] = '\0';
}

const char *Get_Print_List_Path(void) { return Oli_Path; }

const char *Get_Print_List_Title(void) { return Title_Line; }

const char *Get_Print_Pdf_Path(void)
{
    static char pdf[sizeof Oli_Path + 8];
    snprintf(pdf, sizeof pdf, "%s.pdf", Oli_Path);
    return pdf;
}

/* ---------------------------------------------------------------- remarks */

/* The preliminary remarks: heading face, the wrapped text, end of the paragraph. */
void Oli_Vorbemerkungen(FILE *file)
{
    const char *text = Splice_Input.Vorbemerkungen_Text;
    if (file == nullptr || text == nullptr || text[0] == '\0') return;
    Oli_Printf(file, "\xCEHVorbemerkungen\n");
    Print_Wrapped_Text(file, text);
    Oli_End_Text(file);
}

/* ---------------------------------------------------------------- files of a print */

/* The plot files of the running print (the print list is the driver's own). */
enum { PRINT_PLOTS_MAX = 3 };
static Rt_Safe_File *Print_Plots[PRINT_PLOTS_MAX];
static int Print_Plot_Count = 0;
static int Print_Running = 0;
/* Files of a finished print held back from their place, the print list last. */
static int Hold_Files = 0;
static Rt_Safe_File *Held[PRINT_PLOTS_MAX + 1];
static int Held_Count = 0;
/* The component's lock of the window that prints: its files go in place only while it is its own
** (null: no check, as for a print outside the program's window). */
static const Rt_Lock *Print_Lock = nullptr;
/* The first file that failed (its whole path, which may be longer than the print list's own
** buffer: the PDF and the temporary names add to it), with its reason. */
static std::string Failed_Path;
static int Failed_Error = 0;
static int Failed_Removal = 0; /* it failed to be taken out of its place (the old PDF) */

void Print_Set_Lock(const Rt_Lock *lock) { Print_Lock = lock; }

void Print_Note_Failure(const char *path, int err)
{
    if (!Failed_Path.empty()) return;
    Failed_Path = path && path[0] ? path : "(ohne Namen)";
    Failed_Error = err ? err : EIO;
}

void Print_Add_File(Rt_Safe_File *plot)
{
    if (plot == nullptr) return;
    if (Print_Running && Print_Plot_Count < PRINT_PLOTS_MAX) {
        Print_Plots[Print_Plot_Count++] = plot;
        return;
    }
    if (Print_Running) {
        Print_Note_Failure(Rt_Safe_Path(plot), EMFILE);
    } else if (!Rt_Safe_Commit(plot)) {
        Print_Note_Failure(Rt_Safe_Path(plot), Rt_Safe_Error(plot));
    }
    Rt_Safe_Close(plot);
}

/* The name of plot file k (1..PRINT_PLOTS_MAX) of the component into name (size bytes). */
static void Plot_Name(int k, char *name, size_t size)
{
    snprintf(name, size, "%s%02d.SPF", Bauteilkennung, k);
}

/* 1 when the name holds a folder, which no file of the print can replace. */
static int Is_Folder(const char *path)
{
    struct stat st;
    return lstat(path, &st) == 0 && S_ISDIR(st.st_mode);
}

/*
** Keep a file of the last print aside (Rt_Keep_Aside, "<path>.old"); on failure the failure is
** noted with the name that stands in the way: "<path>.old" where a folder holds that name (no
** file can be kept under it), else the file itself. 1, or 0.
*/
static int Keep_Aside(const char *path)
{
    if (Rt_Keep_Aside(path)) return 1;
    const int err = errno;
    const std::string aside = std::string(path) + ".old";
    Print_Note_Failure(Is_Folder(aside.c_str()) ? aside.c_str() : path, err);
    return 0;
}

/* The files kept aside by one print: plots 1..PRINT_PLOTS_MAX, then the print list and the PDF. */
enum { ASIDE_LIST = PRINT_PLOTS_MAX, ASIDE_PDF = PRINT_PLOTS_MAX + 1, ASIDE_COUNT };

/* Drop what was kept aside (aside: only what this print kept; null: all of it): the plots, the
** print list and the old PDF last, so that a kill on the way leaves the old PDF kept aside beside
** a print list without its PDF, which the next start then names (Recover_Killed_Install). */
static void Drop_Asides(const bool *aside)
{
    char plot[BAUTEILKENNUNG_MAX + 16];
    for (int k = 1; k <= PRINT_PLOTS_MAX; k++) {
        Plot_Name(k, plot, sizeof plot);
        if (!aside || aside[k - 1]) Rt_Drop_Aside(plot);
    }
    if (!aside || aside[ASIDE_LIST]) Rt_Drop_Aside(Oli_Path);
    if (!aside || aside[ASIDE_PDF]) Rt_Drop_Aside(Get_Print_Pdf_Path());
}

/* 1 when one of the print's files was put in place under path and still stands there. */
static int Installed_Here(Rt_Safe_File **files, int n, const char *path)
{
    for (int i = 0; i < n; i++)
        if (strcmp(Rt_Safe_Path(files[i]), path) == 0)
            return Rt_Safe_Installed(files[i]) && Rt_Safe_Stands(files[i]);
    return 0;
}

/*
** Put the old plots, the old PDF and then the old print list back from where they were kept
** aside, after a print failed or was killed while neither print list stood. A print that failed
** (aside: what it kept aside, files: its own n files) puts back only what it kept aside and takes
** away only a plot of its own that still stands; a plot another window or program put there
** stays and is named in *foreign. After a kill (aside null) a plot without a file kept aside is of
** the killed print and goes (every old plot was kept aside before the old list left). Only when
** every plot and the PDF are back does the print list go back, so that it never stands beside
** files of another print. What was kept aside stays until the caller drops it. 1 when all stand
** again.
*/
static int Put_Back_Old_Print(const bool *aside, Rt_Safe_File **files, int n, std::string *foreign)
{
    int ok = 1;
    for (int k = 1; k <= PRINT_PLOTS_MAX; k++) {
        char plot[BAUTEILKENNUNG_MAX + 16];
        Plot_Name(k, plot, sizeof plot);
        const int mine = aside ? aside[k - 1] : Rt_Has_Aside(plot);
        if (mine && Rt_Has_Aside(plot)) ok &= Rt_Put_Back_Aside(plot);
        else if (!aside ? !Is_Folder(plot) : Installed_Here(files, n, plot))
            ok &= Rt_Remove_Old_File(plot);
        else if (foreign && !Is_Folder(plot) && Rt_File_Exists(plot))
            *foreign += (foreign->empty() ? "" : ", ") + std::string(plot);
    }
    return ok && (!aside || aside[ASIDE_PDF] ? Rt_Put_Back_Aside(Get_Print_Pdf_Path()) : 1)
           && (!aside || aside[ASIDE_LIST] ? Rt_Put_Back_Aside(Oli_Path) : 1);
}

/* The box of the start that finds the PDF of the print list missing, or not put back (err). */
static void Show_Pdf_Missing(int err)
{
    Init_Message();
    Set_Message_Symbol(2, 0, 0, 0);
    Set_Message_Title("Hinweis");
    Fill_Message_Wrapped(
        ("Die PDF-Datei " + std::string(Rt_Whole_Path(Get_Print_Pdf_Path()))).c_str());
    if (err != 0) {
        Fill_Message("des letzten Drucks kann nicht zur\x81"
                     "ckgestellt werden:");
        Fill_Message(Rt_Path_Error_Text(err, Get_Print_Pdf_Path()));
        Fill_Message("Sie steht unter ihrem Namen mit \".old\".");
    } else {
        Fill_Message("fehlt: der letzte Druck wurde abgebrochen, bevor sie geschrieben war.");
        Fill_Message("Die Druckliste steht ohne PDF-Datei; \"Drucken\" schreibt sie.");
    }
    Draw_Message();
}

/*
** What a print killed while it put its files in place left kept aside: with the print list in
** its place the print stands whole (the old one, or the new one), and the files kept aside go;
** without it, the old print list, plots and PDF come back in place of the new files. A print list
** that was never there (the first print) leaves only the old plots to put back. The old PDF kept
** aside goes back beside a print list in place that holds the bytes it was printed from (the
** kill came after the old PDF left, before the old print list did); beside a new print list the
** kill left without its PDF (before the new PDF went in, or while the files kept aside were
** dropped, the old PDF's second name last), the box names the PDF that is missing.
*/
static void Recover_Killed_Install(void)
{
    char plot[BAUTEILKENNUNG_MAX + 16];
    const char *pdf = Get_Print_Pdf_Path();
    if (!Rt_File_Exists(Oli_Path) && Rt_Has_Aside(Oli_Path)) {
        if (Put_Back_Old_Print(nullptr, nullptr, 0, nullptr)) Drop_Asides(nullptr);
        return;
    }
    if (!Rt_File_Exists(Oli_Path))
        for (int k = 1; k <= PRINT_PLOTS_MAX; k++) {
            Plot_Name(k, plot, sizeof plot);
            Rt_Put_Back_Aside(plot);
        }
    if (Rt_File_Exists(Oli_Path) && Rt_Has_Aside(pdf) && !Rt_File_Exists(pdf)) {
        const std::string old_list = std::string(Oli_Path) + ".old";
        if (!Rt_Same_Bytes(Oli_Path, old_list.c_str())) {
            Show_Pdf_Missing(0);
        } else if (!Rt_Put_Back_Aside(pdf)) {
            Show_Pdf_Missing(errno);
            return; /* it stays aside */
        }
    }
    Drop_Asides(nullptr);
}

void Print_Remove_Stale_Files(void)
{
    /* a window whose lock another took may not touch the files of the one that writes now */
    if (Oli_Path[0] == '\0' || (Print_Lock != nullptr && !Rt_Lock_Is_Own(Print_Lock))) return;
    Rt_Remove_Stale_Temp(Oli_Path);
    Rt_Remove_Stale_Temp(Get_Print_Pdf_Path());
    for (int k = 1; k <= PRINT_PLOTS_MAX; k++) {
        char name[BAUTEILKENNUNG_MAX + 16];
        Plot_Name(k, name, sizeof name);
        Rt_Remove_Stale_Temp(name);
    }
    Recover_Killed_Install();
}

static void Begin_Print(void)
{
    /* a print still held is dropped first: the new one writes the same temporary files */
    Print_Put_In_Place(0);
    /* and what a killed print left, also the files this one does not write */
    Print_Remove_Stale_Files();
    Print_Running = 1;
    Print_Plot_Count = 0;
    Failed_Path.clear();
    Failed_Error = 0;
    Failed_Removal = 0;
}

/* A line breaks after a folder's name of a path, when that is not too early, else between words
** (the blank stays at the line's end, so that the lines joined are the text); only a word wider
** than room is cut. */
std::vector<std::string> Wrapped_Lines(const char *line, int room)
{
    const std::string text = line ? line : "";
    std::vector<std::string> lines;
    size_t from = 0;
    while (from < text.size()) {
        /* the longest piece from `from` that fits, at least one character */
        size_t end = from + 1;
        while (end < text.size()
               && Text_Width_In_Font(text.substr(from, end + 1 - from).c_str(), 0x1000) <= room)
            end++;
        if (end < text.size() && text[end] == ' ') {
            end++; /* the blank between this word and the next */
        } else if (end < text.size()) {
            const size_t blank = text.rfind(' ', end - 1);
            const size_t slash = text.rfind('/', end - 1);
            if (slash != std::string::npos && slash >= from && slash + 1 > from + (end - from) / 2)
                end = slash + 1; /* the break after a folder's name, when it is not too early */
            else if (blank != std::string::npos && blank >= from) end = blank + 1;
        }
        lines.push_back(text.substr(from, end - from));
        from = end;
    }
    if (text.empty()) lines.push_back("");
    return lines;
}

/* The widest box beside its symbol is the limit of each line. */
void Fill_Message_Wrapped(const char *line)
{
    const int room = NPIXEL_X - 100; /* a box is at most 20 pixels narrower than the screen */
    for (const std::string &l : Wrapped_Lines(line, room)) Fill_Message(l.c_str());
}

static void Close_Files(Rt_Safe_File **files, int n)
{
    for (int i = 0; i < n; i++) Rt_Safe_Close(files[i]);
}

/* 1 when the finished print list among the files holds the bytes of the print list in place. */
static int Held_List_Unchanged(Rt_Safe_File **files, int n)
{
    for (int i = 0; i < n; i++)
        if (strcmp(Rt_Safe_Path(files[i]), Oli_Path) == 0)
            return Rt_Same_Bytes(Rt_Safe_Temp_Path(files[i]), Oli_Path);
    return 0;
}

/* What stands after a print that failed (the box says it). */
enum {
    PRINT_KEPT = 0,       /* the print list and the plots of the last print, as they were */
    PRINT_NEW_NO_PDF = 1, /* the print list and the plots of this print, without a PDF */
    PRINT_ASIDE = 2       /* no print list: the last one and its plots are kept aside (".old") */
};

/* The box of a print that failed, naming the first file that failed and why, and which files
** stand (PRINT_*); pdf_removed: the PDF of the last print was taken away before; foreign: the
** plot files that another window or program put in place meanwhile, which stay. */
static void Show_Print_Failure(int stands, int pdf_removed, const std::string &foreign = "")
{
    Init_Message();
    Set_Message_Symbol(3, 0, 0, 0);
    Set_Message_Title("Fehler");
    Fill_Message("Die Druckliste kann nicht erzeugt werden!");
    if (Failed_Error == RT_ENOLOCK) {
        /* the cause, not a file of the print: nothing of it was put in place */
        Fill_Message("Dieses Fenster h\x84lt das Bauteil nicht mehr:");
    } else {
        Fill_Message_Wrapped(("Die Datei " + Failed_Path).c_str());
        Fill_Message(Failed_Removal ? "kann nicht entfernt werden:"
                                    : "kann nicht geschrieben werden:");
    }
    Fill_Message(Rt_Path_Error_Text(Failed_Error, Failed_Path.c_str()));
    if (stands == PRINT_KEPT && Rt_Is_Regular_File(Oli_Path) && !foreign.empty()) {
        Fill_Message(foreign.find(',') == std::string::npos
                         ? "Die bisherige Druckliste steht wieder; die Plotdatei"
                         : "Die bisherige Druckliste steht wieder; die Plotdateien");
        Fill_Message_Wrapped((foreign
                              + " hat inzwischen ein anderes Programm oder Fenster "
                                "geschrieben.")
                                 .c_str());
    } else if (stands == PRINT_KEPT && Rt_Is_Regular_File(Oli_Path))
        Fill_Message("Die bisherige Druckliste und die Plotdateien bleiben unver\x84ndert.");
    else if (stands == PRINT_KEPT)
        Fill_Message("Es gab noch keine Druckliste; es wurde keine geschrieben.");
    else if (stands == PRINT_NEW_NO_PDF)
        Fill_Message("Die neue Druckliste und ihre Plotdateien stehen, ohne PDF-Datei.");
    else {
        Fill_Message("Es steht keine Druckliste. Die bisherige Druckliste und ihre Plotdateien");
        Fill_Message("stehen unter ihren Namen mit \".old\"; der n\x84"
                     "chste Start stellt sie zur\x81"
                     "ck.");
    }
    if (pdf_removed) Fill_Message("Die PDF-Datei der bisherigen Druckliste wurde entfernt.");
    Draw_Message();
}

/*
** Put the finished files of a print in place (the plots, then the print list last). A print's
** files stand together, all of the new print or all of the old one:
**   1. no file of the print may go in where a folder stands under its name (nothing changes);
**   2. the old print list, the three plot files and the old PDF are kept aside (Rt_Keep_Aside);
**   3. the old PDF leaves, also when no new one comes (the preview, the plans), unless the new
**      print list holds the bytes of the old one, from which the PDF was printed: it stays;
**   4. the old print list leaves its place: from here on until step 6, no print list stands, so
**      that plots of two prints never stand beside a print list;
**   5. the new plots go in, and old plots this print does not draw leave;
**   6. the new print list goes in, then the new PDF;
**   7. what was kept aside goes.
** A failure in 3 to 6 puts the old print list, plots and PDF back. A kill leaves the old or the
** new print whole, or no print list with the files kept aside, which the next start or print
** puts back (Recover_Killed_Install), the old PDF too. 1, or 0 after the box.
*/
static int Install_Files(Rt_Safe_File **files, int n, Rt_Safe_File *pdf)
{
    if (n == 0 && pdf == nullptr) return 1;
    const char *old_pdf = pdf != nullptr ? Rt_Safe_Path(pdf) : Get_Print_Pdf_Path();
    const int keep_pdf = pdf == nullptr && Held_List_Unchanged(files, n);
    /* only the window that holds the component writes its print, and only the files it wrote */
    if (Print_Lock != nullptr && !Rt_Lock_Is_Own(Print_Lock))
        Print_Note_Failure(Rt_Lock_Path(Print_Lock), RT_ENOLOCK);
    for (int i = 0; i <= n && Failed_Path.empty(); i++) {
        Rt_Safe_File *f = i < n ? files[i] : pdf;
        if (f != nullptr && !Rt_Safe_Stands(f)) Print_Note_Failure(Rt_Safe_Path(f), RT_ENOTOWN);
    }
    for (int i = 0; i < n && Failed_Path.empty(); i++)
        if (Is_Folder(Rt_Safe_Path(files[i]))) Print_Note_Failure(Rt_Safe_Path(files[i]), EISDIR);
    char plot[BAUTEILKENNUNG_MAX + 16];
    int kept = Failed_Path.empty();
    bool aside[ASIDE_COUNT] =
        {}; /* what this print kept aside: it alone puts it back or drops it */
    for (int k = 1; k <= PRINT_PLOTS_MAX && kept; k++) {
        Plot_Name(k, plot, sizeof plot);
        if (!Is_Folder(plot) && !Keep_Aside(plot)) kept = 0;
        aside[k - 1] = Rt_Has_Aside(plot);
    }
    if (kept && !Keep_Aside(Oli_Path)) kept = 0;
    aside[ASIDE_LIST] = kept && Rt_Has_Aside(Oli_Path);
    /* a folder under the PDF's name is not kept aside: its removal fails below and says so */
    if (kept && !keep_pdf && !Is_Folder(old_pdf) && !Keep_Aside(old_pdf)) kept = 0;
    aside[ASIDE_PDF] = kept && !keep_pdf && Rt_Has_Aside(old_pdf);
    /* the box tells whether the old PDF is gone, also when its removal failed half-way */
    const int had_pdf = Rt_File_Exists(old_pdf);
    if (kept && !keep_pdf
        && (pdf != nullptr ? !Rt_Safe_Remove_Old(pdf) : !Rt_Remove_Old_File(old_pdf))) {
        Print_Note_Failure(old_pdf, pdf != nullptr ? Rt_Safe_Error(pdf) : errno);
        Failed_Removal = 1;
    }
    int pdf_removed = had_pdf && !Rt_File_Exists(old_pdf);
    int stands = PRINT_KEPT;
    if (Failed_Path.empty() && !Rt_Remove_Old_File(Oli_Path)) {
        Print_Note_Failure(Oli_Path, errno);
        Failed_Removal = 1;
    }
    for (int i = 0; i < n && Failed_Path.empty(); i++) {
        if (strcmp(Rt_Safe_Path(files[i]), Oli_Path) == 0) continue; /* the print list last */
        if (!Rt_Safe_Install(files[i]))
            Print_Note_Failure(Rt_Safe_Path(files[i]), Rt_Safe_Error(files[i]));
    }
    for (int k = 1; k <= PRINT_PLOTS_MAX && Failed_Path.empty(); k++) {
        Plot_Name(k, plot, sizeof plot);
        int drawn = 0;
        for (int i = 0; i < n; i++) drawn |= strcmp(Rt_Safe_Path(files[i]), plot) == 0;
        if (!drawn && !Is_Folder(plot) && !Rt_Remove_Old_File(plot)) {
            Print_Note_Failure(plot, errno);
            Failed_Removal = 1;
        }
    }
    for (int i = 0; i < n && Failed_Path.empty(); i++)
        if (strcmp(Rt_Safe_Path(files[i]), Oli_Path) == 0 && !Rt_Safe_Install(files[i]))
            Print_Note_Failure(Rt_Safe_Path(files[i]), Rt_Safe_Error(files[i]));
    std::string foreign;
    if (kept && !Failed_Path.empty()) {
        if (!Put_Back_Old_Print(aside, files, n, &foreign)) stands = PRINT_ASIDE;
        else pdf_removed = 0; /* back in its place */
    }
    if (Failed_Path.empty() && pdf != nullptr && !Rt_Safe_Install(pdf)) {
        Print_Note_Failure(Rt_Safe_Path(pdf), Rt_Safe_Error(pdf));
        stands = PRINT_NEW_NO_PDF;
    }
    if (stands != PRINT_ASIDE) Drop_Asides(aside);
    Close_Files(files, n);
    Rt_Safe_Close(pdf);
    if (Failed_Path.empty()) return 1;
    Show_Print_Failure(stands, pdf_removed, foreign);
    return 0;
}

/* Finish every file of the print; only when all are complete, put the plots and then the print
** list in place (or hold them). Answers 1, or 0 after the message box. */
static int End_Print(Rt_Safe_File *list)
{
    Print_Running = 0;
    Rt_Safe_File *files[PRINT_PLOTS_MAX + 1];
    int n = 0;
    for (int i = 0; i < Print_Plot_Count; i++) files[n++] = Print_Plots[i];
    if (list != nullptr) files[n++] = list;
    Print_Plot_Count = 0;
    for (int i = 0; i < n; i++)
        if (!Rt_Safe_Finish(files[i]))
            Print_Note_Failure(Rt_Safe_Path(files[i]), Rt_Safe_Error(files[i]));
    if (!Failed_Path.empty()) {
        Close_Files(files, n);
        Show_Print_Failure(PRINT_KEPT, 0);
        return 0;
    }
    if (!Hold_Files) return Install_Files(files, n, nullptr);
    for (int i = 0; i < n; i++) Held[i] = files[i];
    Held_Count = n;
    return 1;
}

void Print_Hold_Files(int hold) { Hold_Files = hold != 0; }

const char *Print_Held_List_Path(void)
{
    return Held_Count > 0 ? Rt_Safe_Temp_Path(Held[Held_Count - 1]) : "";
}

int Print_Held_Files_Stand(void)
{
    for (int i = 0; i < Held_Count; i++)
        if (!Rt_Safe_Stands(Held[i])) return 0;
    return 1;
}

int Print_Held_Pdf_Need(void)
{
    if (Held_Count == 0 || !Rt_Is_Regular_File(Get_Print_Pdf_Path()) || !Print_Held_Files_Stand())
        return PRINT_PDF_NONE;
    return Held_List_Unchanged(Held, Held_Count) ? PRINT_PDF_KEPT : PRINT_PDF_REPRINT;
}

int Print_Put_In_Place(int install) { return Print_Put_In_Place_With_Pdf(install, nullptr); }

int Print_Put_In_Place_With_Pdf(int install, Rt_Safe_File *pdf)
{
    const int n = Held_Count;
    Held_Count = 0;
    if (!install) {
        Close_Files(Held, n);
        Rt_Safe_Close(pdf);
        return 1;
    }
    Failed_Path.clear();
    Failed_Error = 0;
    Failed_Removal = 0;
    return Install_Files(Held, n, pdf);
}

/* ---------------------------------------------------------------- driver */

const char *Design_Rules_Name(char *out, size_t size)
{
    if (Nad_Params == nullptr) {
        snprintf(out, size, "DIN 1052:2008");
    } else if (Is_Active_NAD_File_Read() && Get_Active_NAD_Damage()->count > 0) {
        if (NAD_Damage_All_Blocks(Get_Active_NAD_Damage()))
            snprintf(out, size, "DIN EN 1995, eingebaute Vorgabewerte %s", "EC-Standard");
        else
            snprintf(out, size, "DIN EN 1995, %s, teils eingebaute Vorgabewerte",
                     Get_Active_NAD_Title());
    } else if (Is_Active_NAD_File_Read()) {
        snprintf(out, size, "DIN EN 1995, %s", Get_Active_NAD_Title());
    } else {
        snprintf(out, size, "DIN EN 1995, eingebaute Vorgabewerte %s", Nad_Record.name);
    }
    return out;
}

/*
** The heading of the checks names the rules the design used (Design_Rules_Name); where the
** annex's file, or parts of it, could not be read, a line below says which built-in defaults
** stood in (the user was warned when the annex was activated).
*/
static void Write_Checks_Heading(FILE *file)
{
    char rules[NAD_LIST_NAME_MAX + 96];
    Oli_Write_Heading(file, 1, "Nachweise nach %s", Design_Rules_Name(rules, sizeof rules));
    if (Nad_Params == nullptr) return;
    if (Is_Active_NAD_File_Read() && Get_Active_NAD_Damage()->count > 0) {
        char parts[400];
        NAD_Damage_Parts_Text(Get_Active_NAD_Damage(), parts, sizeof parts);
        Oli_Write_Text(file,
                       "Das Anwendungsdokument \"%s\" konnte nicht ganz gelesen werden: für %s "
                       "wurde mit den eingebauten Vorgabewerten \"EC-Standard\" bemessen."_cp850,
                       Get_Active_NAD_Title(), parts);
    } else if (!Is_Active_NAD_File_Read()) {
        Oli_Write_Text(file,
                       "Das Anwendungsdokument \"%s\" konnte nicht gelesen werden: bemessen wurde "
                       "mit den eingebauten Vorgabewerten \"%s\".",
                       Get_Active_NAD_Title(), Nad_Record.name);
    }
}

/*
** Validate the splice and, for write != 0, write the print list. The result is the validation
** code (0 valid), or WRITE_PRINT_LIST_NO_FILE when a file of the print could not be written, so
** that the caller opens the viewer or printer only on 0.
*/
int Write_Print_List(int write)
{
    if (write) Oli_Graphic_Set_Colour_Mode(1);
    int code = Prepare_Splice_Calc();
    if (!write) return code;
    if (code != 0) {
        /* a refused print writes nothing: the last good print list stays */
        Show_Error_Code(-1, -1, -1, -1, -1, code);
        return code;
    }

    Begin_Print();
    Rt_Safe_File *list = Rt_Safe_Open(Oli_Path);
    if (list == nullptr) {
        const int err = errno;
        Print_Note_Failure(Rt_Safe_Open_Failed_Path(Oli_Path, err), err);
    } else {
        FILE *file = Rt_Safe_Stream(list);
        OLI_setFlags(file, OLI_FLAGS_TEXT);
        OLI_setLayout(file, OLI_LAYOUT_LIST);
        Oli_Init_Writer(3, 2, 1);
        Oli_Write_Contents(file, Title_Line);
        Oli_Vorbemerkungen(file);
        Oli_Write_Heading(file, 1, "Eingabedaten");
        Oli_Verbindungsmittel(file);
        if (Splice_Input.lkom_generated) Oli_Char_Actions(file);
        Oli_Lkom_Table(file);
        Oli_Systemdarstellung(file);
        Write_Checks_Heading(file);
        Run_Nachweise(file, Splice_Input.print.combinations == 0 ? 1 : 0);
        Show_Run_Errors();
        /* The writer forgets the closed levels, so that a later list closes only its own. */
        Oli_Close_Bookmarks(file);
        /* a write that failed anywhere in the list fails the print (the file's own reason first) */
        const int err = Oli_End_List(file);
        if (err != 0)
            Print_Note_Failure(Oli_Path, Rt_Safe_Error(list) != 0 ? Rt_Safe_Error(list) : err);
    }
    return End_Print(list) ? 0 : WRITE_PRINT_LIST_NO_FILE;
}
