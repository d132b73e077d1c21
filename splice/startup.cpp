/*
** Start-up of the program: the command line, the component's file names, the GUI library, the
** help file, the fastener catalogues, the defaults and factors of the splice input, the input
** file with its national annex, and the main sheet.
*/
#include "splice/splice_app.h"

#include <csignal>
#include <cstdlib>
#include <cstring>
#include <initializer_list>
#include <string>
#include <string_view>

#include "catalogue/catalogue.h"
#include "dialogs/dialogs.h"
#include "foundation/foundation.h"
#include "nad/nad.h"
#include "platform/runtime.h"
#include "platform/zelkwin.h"
#include "results/print_list.h"

int32_t Splice_File_Number;
char Inp_File_Name[SPLICE_PATH_MAX];
char Oli_File_Name[SPLICE_PATH_MAX];
char Txt_File_Name[SPLICE_PATH_MAX];
char Splice_Title_Line[SPLICE_TITLE_MAX];

int Form_Component_File_Names(const char *component, int file_number)
{
    if (!component) return 0;
    int ok = snprintf(Inp_File_Name, sizeof Inp_File_Name, "%s_%02d.inp", component, file_number)
             < (int)sizeof Inp_File_Name;
    ok &= snprintf(Oli_File_Name, sizeof Oli_File_Name, "%s_%02d.oli", component, file_number)
          < (int)sizeof Oli_File_Name;
    ok &= snprintf(Txt_File_Name, sizeof Txt_File_Name, "%s_%02d.txt", component, file_number)
          < (int)sizeof Txt_File_Name;
    return ok;
}

/* The title's bytes with each control byte but the tab in caret notation ("^@" for the NUL, "^?"
** for 0x7F), so that no byte cuts the title or prints as a blank; into *named the notations and
** what they stand for ("^@ für das Nullbyte"), each once, for the hint. */
static std::string Title_With_Carets(std::string_view line, std::string *named)
{
    std::string out;
    for (const char ch : line) {
        const unsigned char c = (unsigned char)ch;
        if ((c >= 0x20 && c != 0x7F) || c == '\t') {
            out += ch;
            continue;
        }
        const char caret[3] = {'^', (char)(c ^ 0x40), 0};
        out += caret;
        char what[48];
        if (c == 0) snprintf(what, sizeof what, "%s für das Nullbyte"_cp850, caret);
        else snprintf(what, sizeof what, "%s für das Steuerzeichen 0x%02X"_cp850, caret, c);
        if (named->find(what) == std::string::npos)
            *named += (named->empty() ? "" : ", ") + std::string(what);
    }
    return out;
}

/* A box of the title file's reading: its symbol and title, then its lines. */
static void Title_Box(int symbol, const char *title, std::initializer_list<const char *> lines)
{
    Init_Message();
    Set_Message_Symbol(symbol, 0, 0, 0);
    Set_Message_Title(title);
    for (const char *l : lines) Fill_Message(l);
    Draw_Message();
}

int Read_Title_Line(const char *path)
{
    Splice_Title_Line[0] = '\0';
    /* a regular file only: a pipe or a device would hang the start before the window opens */
    FILE *f = path ? Fopen_Read_Said("Die Titeldatei", path, "Als Titel gilt die Bauteilkennung.")
                   : nullptr;
    if (!f) return 0;
    char head[64];
    const size_t got = fread(head, 1, sizeof head, f);
    rewind(f);
    if (const char *wide = Wide_Unicode_Encoding(std::string_view(head, got))) {
        /* the component's name stands in, as without a title file */
        fclose(f);
        char l1[SPLICE_PATH_MAX + 32], l2[120];
        snprintf(l1, sizeof l1, "Die Titeldatei %s", path);
        snprintf(l2, sizeof l2, "ist in %s gespeichert; diese Kodierung wird nicht gelesen.", wide);
        Title_Box(
            2, "Warnung",
            {l1, l2, "Als Titel gilt die Bauteilkennung. Bitte als ANSI oder UTF-8 speichern."});
        return 1;
    }
    /* the first line's bytes, a NUL among them, as many as SPLICE_TITLE_READ characters take in
    ** any code page the line may come in (UTF-8 takes up to four bytes a character); how many
    ** bytes and UTF-8 characters (bytes that no other byte continues) it has, without a CR
    ** before its end, so that a longer one is not cut without a word */
    std::string line;
    size_t bytes = 0, utf8_chars = 0;
    int last = EOF;
    for (int c; (c = getc(f)) != EOF && c != '\n'; last = c, bytes++) {
        utf8_chars += (c & 0xC0) != 0x80;
        if (line.size() < 4 * SPLICE_TITLE_READ) line += (char)c;
    }
    if (last == '\r' && bytes > 0) {
        bytes--;
        utf8_chars--;
    }
    fclose(f);
    if (line.size() < bytes) {
        /* cut inside a character of UTF-8: its first bytes would make the line no UTF-8 at all,
        ** and every umlaut of it would be read in another code page */
        size_t lead = line.size();
        while (lead > 0 && line.size() - lead < 4 && ((unsigned char)line[lead - 1] & 0xC0) == 0x80)
            lead--;
        if (lead > 0) {
            const unsigned char b = (unsigned char)line[lead - 1];
            const size_t need = b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : b >= 0xC0 ? 2 : 1;
            if (line.size() - (lead - 1) < need) line.resize(lead - 1);
        }
    }
    while (!line.empty() && (line.back() == '\r' || line.back() == '\n')) line.pop_back();
    /* a title saved by another program may be in code page 1252 or UTF-8 (docs/code-pages.md);
    ** then it has as many characters as it has bytes in code page 850 */
    const int code_page = Guess_Code_Page(line);
    const size_t total = code_page != CODE_PAGE_UTF8               ? bytes
                         : line.compare(0, 3, "\xEF\xBB\xBF") == 0 ? utf8_chars - 1
                                                                   : utf8_chars;
    const std::string shown = To_Cp850(line, code_page).substr(0, SPLICE_TITLE_READ);
    std::string named;
    const std::string title = Title_With_Carets(shown, &named);
    snprintf(Splice_Title_Line, sizeof Splice_Title_Line, "%s", title.c_str());
    if (const char *bad = Text_Line_Bad_Byte_Reason(shown)) {
        /* named as the input file's damage is, with what the title shows in its place */
        char l1[SPLICE_PATH_MAX + 64], l2[120];
        snprintf(l1, sizeof l1, "Die Titeldatei %s ist beschädigt"_cp850, path);
        snprintf(l2, sizeof l2, "(Zeile 1: %s).", bad);
        Title_Box(
            1, "Hinweis",
            {l1, l2, "Der ganze Titel wird gezeigt und gedruckt, mit", (named + ".").c_str()});
    }
    /* what of the line the title does not hold as given: its end, characters the code page lacks */
    const int32_t lacking = Cp850_Lacking(line, code_page, SPLICE_TITLE_READ);
    if (total > SPLICE_TITLE_READ || lacking > 0) {
        char l1[SPLICE_PATH_MAX + 64], l2[120], l3[120];
        snprintf(l1, sizeof l1, "Die erste Zeile der Titeldatei %s", path);
        snprintf(l2, sizeof l2, "hat %zu Zeichen; gezeigt und gedruckt werden die ersten %d.",
                 total, SPLICE_TITLE_READ);
        snprintf(l3, sizeof l3, "hat %d %s die Codepage 850 nicht enthält: %s als \"?\"."_cp850,
                 (int)lacking, lacking == 1 ? "Zeichen, das" : "Zeichen, die",
                 lacking == 1 ? "gezeigt und gedruckt wird es" : "gezeigt und gedruckt werden sie");
        if (total > SPLICE_TITLE_READ && lacking > 0) Title_Box(1, "Hinweis", {l1, l2, l3});
        else Title_Box(1, "Hinweis", {l1, total > SPLICE_TITLE_READ ? l2 : l3});
    }
    return 1;
}

void Load_Start_Up_Catalogues(void)
{
    /* The readers in their fixed order; a missing file leaves its family without sizes. */
    Load_Vbm_Catalogues();
}

/* What a killed save left: the work files of the input file and of the title file of every file
** number of the component, which a save under another name writes as well. The work file of a
** copy of unsaved input is the offer's: a whole one is a copy to offer, never a save's leftover. */
static void Remove_Stale_Input_Files(void)
{
    /* a '?' or '*' of the component's own name would take the files of other components */
    if (strpbrk(Bauteilkennung, "?*")) {
        Rt_Remove_Stale_Temp_Keeping(Inp_File_Name, Is_Unsaved_Copy_Work_File, nullptr);
        Rt_Remove_Stale_Temp(Txt_File_Name);
        return;
    }
    for (const char *kind : {"inp", "txt"}) {
        char any[SPLICE_PATH_MAX + 8];
        snprintf(any, sizeof any, "%s_??.%s", Bauteilkennung, kind);
        Rt_Remove_Stale_Temp_Keeping(any, Is_Unsaved_Copy_Work_File, nullptr);
    }
}

/* The end without the user (the display went away, SIGTERM, SIGHUP, SIGINT), at any moment of
** the window's life, its first boxes included: what an open field holds is taken as leaving it
** would take it, what was not saved goes into a copy that the next start offers, the work files
** of a print go, and the component is given free; nothing is asked, and nothing calls the
** display any more. */
static void On_Unattended_End(int why)
{
    (void)why;
    Rt_Lock *lock = Component_Lock();
    if (!lock) return;
    std::string refused;
    SVA_Take_Open_Field(&refused);
    Keep_Unsaved_Input(refused);
    Print_Remove_Stale_Files(); /* this process's own count as ended: it ends */
    Print_Set_Lock(nullptr);
    Drop_Component_Lock(lock);
}

/* The window's close box: the main sheet's loop sees the close as its break code and asks the
** finish question; nothing is ended here. */
static void On_Window_Close(void) {}

int Splice_Main(int argc, char **argv)
{
    if (argc < 5) {
        printf("usage: %s Bauteilkennung Icon-Id File-Id Pos-Id\n", argc > 0 ? argv[0] : "splice");
        return 0;
    }
    snprintf(Bauteilkennung, sizeof Bauteilkennung, "%s", argv[1]);
    Splice_File_Number = atoi(argv[3]);
    /* a limit of the file size (ulimit -f) would end the program by SIGXFSZ in a print or a
    ** save: ignored, the write fails with EFBIG and is said as a full disk is */
    signal(SIGXFSZ, SIG_IGN);

    Init_VEL_Stdio_And_Mousewheel();
    if (!Form_Component_File_Names(Bauteilkennung, Splice_File_Number)) {
        printf("Bauteilkennung zu lang: %s\n", argv[1]);
        return 1;
    }
    if (!VELGetEnv("EXEC")) return 1;
    /* from here a window whose display goes away, or that is told to end, keeps what it has not
    ** saved and gives the component free, whatever it shows */
    VELSetUnattendedEnd(On_Unattended_End);

    Init_VEL_Graphics();
    Read_Title_Line(Txt_File_Name);
    VELSetWindowTitle(Splice_Window_Title());
    VELSetCloseCallback(On_Window_Close);
    char help[SPLICE_PATH_MAX + 16];
    snprintf(help, sizeof help, "%s/splice.hlp", CurOb_Privat_Datapath());
    Add_Helpfile(help);
    Load_Start_Up_Catalogues();
    Rt_Lock *lock = Take_Component_Lock();
    /* a read-only window says so in its title as long as it runs */
    if (Splice_Read_Only != SPLICE_WRITER) VELSetWindowTitle(Splice_Window_Title());
    Print_Set_Lock(lock);

    Set_Splice_Input_Defaults(&Splice_Input);
    Refresh_Char_Actions();
    if (Read_Splice_Input_File(Inp_File_Name, &Splice_Input, 1)) {
        Refresh_Char_Actions(); /* the file's annex may differ from the default one */
        Adjust_Old_Input_Values(&Splice_Input);
    }
    /* Without a title file the component's name stands for the title, in the window, the
    ** report and its PDF alike. */
    Set_Print_List_Names(Oli_File_Name, Splice_Title_Line[0] ? Splice_Title_Line : Bauteilkennung);
    /* what a killed print or save of this component left behind goes, but only while no other
    ** window has the component: its work files are not left behind */
    if (lock) {
        Print_Remove_Stale_Files();
        Remove_Stale_Input_Files();
    }
    Offer_Unsaved_Copy();
    /* a copy left for a later start is named in the title as long as it waits */
    if (Unsaved_Copies_Waiting(nullptr) > 0) VELSetWindowTitle(Splice_Window_Title());

    Run_Main_Sheet();
    Print_Set_Lock(nullptr);
    Drop_Component_Lock(lock);
    Exit_VEL_Graphics();
    VELSetUnattendedEnd(nullptr);
    return 1;
}
