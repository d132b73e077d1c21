/*
** The main sheet: one property sheet with the icon menu, a register of five pages and one
** scrollable view area; the eight menu actions (national annex, print settings, preview, print,
** plans, save, help, end) and the finish question, which the window's close asks as well.
*/
#include "splice/splice_app.h"
#include "splice/pages_internal.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "dialogs/dialogs.h"
#include "exchange/exchange.h"
#include "foundation/foundation.h"
#include "nad/nad.h"
#include "platform/oliview.h"
#include "platform/runtime.h"
#include "platform/zelkwin.h"
#include "results/print_list.h"
#include "results/results.h"

int32_t Current_Page = PAGE_SYSTEM;

enum {
    CODE_BREAK = 100,     /* Esc and the window's close */
    CODE_MENU = 900,      /* the mouse entered the icon menu's bar */
    CODE_REGISTER = 1000, /* + page */
    CODE_AREA = 2000      /* an event in the view area */
};

static int Main_Area = -1;
static int Main_Area_X1, Main_Area_Y1, Main_Area_X2, Main_Area_Y2;

/* The short confirmation above the register ("gespeichert: <file>"); empty for none. */
static char Status_Text[4096 + 64];

/* The text cut at the front to the width (pixels, status font): "..." stands for the leading
** folders of its path, from the first '/' after the label ("Kopie gespeichert: "). */
static std::string Fitted_Status(const std::string &text, int width)
{
    if (Text_Width_In_Font(text.c_str(), 0x1000) <= width) return text;
    const size_t label = text.find(": ");
    const std::string head = label == std::string::npos ? "" : text.substr(0, label + 2);
    size_t from = head.size();
    std::string fitted = text;
    while ((from = text.find('/', from + 1)) != std::string::npos) {
        fitted = head + "..." + text.substr(from);
        if (Text_Width_In_Font(fitted.c_str(), 0x1000) <= width) break;
    }
    return fitted;
}

/* Draw the confirmation line into the band above the register; a text wider than the band goes
** on in a second line, from the last '/' that fits in the first. A read-only window's state
** stands above every page: alone, or over the confirmation of a copy saved under another name,
** which does not make this window that copy's. */
static void Draw_Status(void)
{
    if (Main_Area < 0) return; /* no sheet */
    int fg = pxQFgc();
    pxFgc(GetVELColor(-1));
    const int right = NPIXEL_X - 360;
    pxRect(10, 8, right, 44);
    const bool read_only = Splice_Read_Only != SPLICE_WRITER;
    std::string waiting;
    const int copies = read_only ? 0 : Unsaved_Copies_Waiting(&waiting);
    if (copies > 0) {
        /* a copy of an earlier window's input, left for a later start: said until it goes */
        const std::string sign =
            copies == 1 ? "Ungespeicherte Eingaben warten in " + waiting
                              + " (beim nächsten Start übernehmen oder verwerfen)."_cp850
                        : "Ungespeicherte Eingaben warten in " + std::to_string(copies)
                              + " Kopien (beim nächsten Start übernehmen oder verwerfen)."_cp850;
        Pop_RFont(0x1000);
        pxFgc(RED_CI);
        pxText(14, Status_Text[0] ? 24 : 32, Fitted_Status(sign, right - 18).c_str(), -1);
        if (Status_Text[0]) {
            pxFgc(BLACK_CI);
            pxText(14, 41, Fitted_Status(Status_Text, right - 18).c_str(), -1);
        }
        Push_RFont();
    } else if (read_only) {
        Pop_RFont(0x1000);
        pxFgc(RED_CI);
        pxText(14, Status_Text[0] ? 24 : 32,
               "Schreibgesch\x81tzt: dieses Fenster speichert nur unter einem anderen Namen und "
               "druckt nicht.",
               -1);
        if (Status_Text[0]) {
            pxFgc(BLACK_CI);
            pxText(14, 41, Fitted_Status(Status_Text, right - 18).c_str(), -1);
        }
        Push_RFont();
    } else if (Status_Text[0]) {
        Pop_RFont(0x1000);
        pxFgc(BLACK_CI);
        const std::string text = Status_Text;
        size_t cut = text.size();
        while (cut > 0 && Text_Width_In_Font(text.substr(0, cut).c_str(), 0x1000) > right - 18)
            cut = text.rfind('/', cut - 1);
        if (cut == std::string::npos || cut == 0 || cut == text.size()) {
            pxText(14, 32, Status_Text, -1);
        } else {
            pxText(14, 24, text.substr(0, cut).c_str(), -1);
            pxText(14, 41, text.substr(cut).c_str(), -1);
        }
        Push_RFont();
    }
    pxFgc(fg);
    pxFlsh();
}

static void Set_Status(const char *text)
{
    snprintf(Status_Text, sizeof Status_Text, "%s", text);
    Draw_Status();
}

/* The input the last save wrote, while its confirmation is shown. */
static Input_Snapshot *Saved_Input = nullptr;

/* The confirmation of a save stands while the input is what was saved: the first change
** takes it away, so that the sheet never claims a state saved that is not. The file's bytes are
** formed only where the record differs from the one saved, which may be in what the file does not
** hold. */
static void Drop_Status_After_Change(void)
{
    if (Status_Text[0] == 0 || Saved_Input == nullptr) return;
    Trim_Page_Texts();
    if (Input_Snapshot_Same(Saved_Input)) return;
    if (Input_File_Bytes() == Input_Snapshot_Bytes(Saved_Input)) {
        Input_Snapshot_Take(Saved_Input);
        return;
    }
    Set_Status("");
}

void Set_Nad_Pointers(void)
{
    Nad_Params = Get_NAD_EC5_Params();
    Nad_EC3_Params_Ptr = Get_NAD_EC3_Params();
}

static const char *const Page_Labels[PAGE_COUNT] = {"System", "Verbindungsmittel", "Anordnung",
                                                    "Schnittgr\x94\xe1"
                                                    "en",
                                                    "Ausnutzungen"};

const char *Page_Label(int page) { return page >= 0 && page < PAGE_COUNT ? Page_Labels[page] : ""; }

const char *Page_Help_Key(int page)
{
    static const char *const keys[PAGE_COUNT] = {
        "SPLICE_PAGE_SYSTEM", "SPLICE_PAGE_VBM", "SPLICE_PAGE_ANORDNUNG",
        "SPLICE_PAGE_SCHNITTGROESSEN", "SPLICE_PAGE_AUSNUTZUNGEN"};
    return page >= 0 && page < PAGE_COUNT ? keys[page] : "SPLICE_PAGE_SYSTEM";
}

/* ---------------------------------------------------------------- printing */

int Compute_And_Print(int content)
{
    const int unchanged = Input_Is_Unchanged();
    Trim_Page_Texts();
    Regenerate_Lkoms_If_Generated();
    /* what the print's computation writes into the record belongs to this input */
    const uint32_t generation = Splice_Input_Generation();
    const int r = Write_Print_List(content);
    Splice_Calc_Written(generation);
    Note_Own_Fill_Ins(unchanged);
    return r;
}

/* The name of the print, the preview or the plans (code) in the titles of their boxes. */
static const char *Action_Title(int code)
{
    return code == MENU_PREVIEW ? "Vorschau" : code == MENU_PLANS ? "Pl\x84ne" : "Drucken";
}

/* A print, preview or plan refused for the splice's input (code r of the print list's writer):
** a box names the action and the reason with its numbers, as the page shows them. A file that
** could not be written had its own box. */
static void Show_Refused_Print(int code, int r)
{
    if (r == 0 || r == WRITE_PRINT_LIST_NO_FILE) return;
    const char *title = Action_Title(code);
    char line[320];
    snprintf(line, sizeof line, "%s nicht m\x94glich:", title);
    Init_Message();
    Set_Message_Symbol(3, 0, 0, 0);
    Set_Message_Title(title);
    Fill_Message(line);
    /* each distance a refused layout names on a line of its own */
    for (const std::string &part : Get_Refusal_Parts(r)) Fill_Message(part.c_str());
    Draw_Message();
}

/* ---------------------------------------------------------------- progress */

/*
** A print, preview or plans that takes more than a moment shows its progress in the toolkit's
** progress dialog, with a button "Abbrechen": the print list's kilobytes read and the page laid
** out. The dialog opens a quarter second after the action began and is drawn anew at most every
** 150 ms and at the end: drawn after every page, it made a print in a window cost many times the
** print itself (each drawing goes to the window and waits for the display). The library's clock
** times both (in a headless run, the script's sleeps).
*/
#define PROGRESS_AFTER_MS 250
#define PROGRESS_EVERY_MS 150
static Prog_Dlg_Desc Progress_Dialog;
static int64_t Progress_Began, Progress_Drawn; /* ms of the library's clock */
static int Progress_Action = MENU_PRINT;       /* the action: preview, print or plans */
static const char *Progress_Step = "";         /* what it does, after its name in the title */
static long long Progress_List_Kb = 0;         /* the print list's size */
static int Progress_Page = 0;                  /* the last page told */
static int Progress_Stopped = 0;               /* the user stopped the action */

/* The dialog's status text and the kilobytes read, drawn. */
static void Draw_Progress(double fraction)
{
    char page[32];
    snprintf(page, sizeof page, "Seite %d", Progress_Page);
    Prog_Dlg_Set_Value_Text(0, (int)((double)Progress_Dialog.counters[0].max * fraction), page);
    Progress_Drawn = VELClock();
}

/* The printer's and the preview's progress hook: 1 to go on, 0 once the user stopped. */
static int Show_Progress(int pages, double fraction)
{
    if (pages < 0) {
        if (Prog_Dlg_Is_Open()) Draw_Progress(1.0);
        Prog_Dlg_Close();
        return 1;
    }
    Progress_Page = pages;
    if (Prog_Dlg_Stop_Asked()) Progress_Stopped = 1;
    if (Progress_Stopped) return 0;
    const int64_t now = VELClock();
    if (!Prog_Dlg_Is_Open()) {
        if (now - Progress_Began < PROGRESS_AFTER_MS) return 1;
        Prog_Dlg_Init_Descriptor(&Progress_Dialog, 1);
        snprintf(Progress_Dialog.title, sizeof Progress_Dialog.title, "%s: %s",
                 Action_Title(Progress_Action), Progress_Step);
        Progress_Dialog.width = 420;
        snprintf(Progress_Dialog.counters[0].label, sizeof Progress_Dialog.counters[0].label,
                 "Druckliste gelesen (kB)");
        Progress_Dialog.counters[0].max = (int)std::max(1LL, Progress_List_Kb);
        Progress_Dialog.stop_button = 1;
        Prog_Dlg_Open(&Progress_Dialog);
        Draw_Progress(fraction);
    } else if (now - Progress_Drawn >= PROGRESS_EVERY_MS) {
        Draw_Progress(fraction);
    }
    if (Prog_Dlg_Stop_Asked()) Progress_Stopped = 1;
    return !Progress_Stopped;
}

/* Tell the progress of the step (a title's end) over the held print list from here on. */
static void Begin_Progress_Step(const char *step)
{
    Progress_Step = step;
    Progress_List_Kb = (Rt_File_Size(Print_Held_List_Path()) + 1023) / 1024;
    Oli_Set_Print_Progress(Show_Progress);
}

static void End_Progress_Step(void)
{
    Oli_Set_Print_Progress(nullptr);
    Prog_Dlg_Close();
}

/* The box of an action (code) the user stopped: nothing of it was put in place. */
static void Show_Stopped(int code)
{
    Init_Message();
    Set_Message_Symbol(1, 0, 0, 0);
    Set_Message_Title(Action_Title(code));
    Fill_Message((std::string("\"") + Action_Title(code) + "\" wurde abgebrochen.").c_str());
    if (!Rt_Is_Regular_File(Get_Print_List_Path()))
        Fill_Message("Es gab noch keine Druckliste; es wurde keine geschrieben.");
    else if (Rt_Is_Regular_File(Get_Print_Pdf_Path()))
        Fill_Message("Die bisherige Druckliste, ihre Plotdateien und ihre PDF-Datei bleiben "
                     "unver\x84ndert.");
    else Fill_Message("Die bisherige Druckliste und ihre Plotdateien bleiben unver\x84ndert.");
    Draw_Message();
}

/* ---------------------------------------------------------------- printing the PDF */

/* Print the held print list into its PDF, complete beside its place (*held takes it), showing
** the progress. The printer's failure goes into failure's lines (UTF-8) for the caller's box, or
** with a null failure into the printer's own box. 1, or 0 (also when the user stopped it:
** Progress_Stopped). */
static int Print_Held_Pdf(Rt_Safe_File **held, std::vector<std::string> *failure)
{
    char pdf[SPLICE_PATH_MAX + 8];
    snprintf(pdf, sizeof pdf, "%s", Get_Print_Pdf_Path());
    Begin_Progress_Step("PDF-Datei wird geschrieben");
    const int printed =
        failure != nullptr
            ? Oli_Print_File_To_Pdf_Held_Quiet(Print_Held_List_Path(), pdf, held, failure)
            : Oli_Print_File_To_Pdf_Held(Print_Held_List_Path(), pdf, held);
    End_Progress_Step();
    return printed;
}

/* Take the window's close that stopped an action, still waiting in the queue (the progress
** dialog only looked at it), so that the finish question it asks waits for its own answer. */
static void Take_Pending_Close(void)
{
    VEL_MESSAGE msg;
    InitVELMessage(&msg);
    if (PollVELMessage(&msg, VELMSG_CLOSE) == VELMSG_CLOSE) GetVELMessage(&msg, VELMSG_CLOSE);
}

/* The held print list, plots and PDF of a stopped action (code) go, and the box says so; after a
** stop by the window's close the finish question comes first, and the box only where the window
** stays (Main_Menu_Action): before it, the close itself took the box away unread. */
static void Drop_Stopped(int code, Rt_Safe_File *pdf)
{
    Rt_Safe_Close(pdf);
    Print_Put_In_Place(0);
    if (Prog_Dlg_Stopped_By_Close()) Take_Pending_Close();
    else Show_Stopped(code);
}

/* The print list, its plots and the PDF go in place together, or none of them: the PDF is
** printed from the print list held back, the old PDF leaves before the new files go in and the
** new PDF comes last, and the success message comes only when all five are in place. */
static void Print_To_Pdf(void)
{
    Print_Hold_Files(1);
    const int r = Compute_And_Print(1);
    Print_Hold_Files(0);
    if (r != 0) {
        Print_Put_In_Place(0);
        Show_Refused_Print(MENU_PRINT, r);
        return;
    }
    if (!Print_Held_Files_Stand()) {
        Print_Put_In_Place(1); /* puts nothing in place: its box says who took the work files */
        return;
    }
    Rt_Safe_File *held = nullptr;
    const int printed = Print_Held_Pdf(&held, nullptr);
    if (Progress_Stopped) {
        Drop_Stopped(MENU_PRINT, held);
        return;
    }
    if (!Print_Put_In_Place_With_Pdf(printed, held) || !printed) return;
    Init_Message();
    Set_Message_Symbol(1, 0, 0, 0);
    Set_Message_Title("Drucken");
    Fill_Message("Die Druckliste wurde gedruckt nach");
    Fill_Message_Wrapped(Rt_Whole_Path(Get_Print_Pdf_Path()));
    Draw_Message();
}

/* The box of the preview or the plans (code) whose new PDF could not be written (the printer's
** lines, UTF-8, in failure): the PDF of the last print went with the print list it was printed
** from. */
static void Show_Pdf_Removed(int code, const std::vector<std::string> &failure)
{
    Init_Message();
    Set_Message_Symbol(2, 0, 0, 0);
    Set_Message_Title(Action_Title(code));
    Fill_Message_Wrapped(
        (std::string("Die PDF-Datei ") + Rt_Whole_Path(Get_Print_Pdf_Path())).c_str());
    Fill_Message("wurde entfernt: sie war aus der bisherigen Druckliste gedruckt.");
    Fill_Message("Die neue PDF-Datei kann nicht geschrieben werden:");
    for (const std::string &l : failure) Fill_Message_Wrapped(To_Cp850(l, CODE_PAGE_UTF8).c_str());
    Fill_Message("\"Drucken\" schreibt die PDF-Datei der neuen Druckliste.");
    Draw_Message();
}

/*
** Write the print list of the preview or the plans (code) and put it in place. The PDF of the last
** print stays where the print list did not change, and is printed anew with it where it did, of
** any length (print list and PDF are one set); only where the printer fails does it go, with a
** box that says why (Print_Held_Pdf_Need). With view (the preview), the held print list is laid
** out for the preview before anything goes in place, into *view (null where it cannot be shown).
** Stopped by the user, nothing goes in place. 1 when the print list is in place.
*/
static int Write_List_Keeping_Pdf(int code, Oli_View **view)
{
    Print_Hold_Files(1);
    const int r = Compute_And_Print(1);
    Print_Hold_Files(0);
    if (r != 0) {
        Print_Put_In_Place(0);
        Show_Refused_Print(code, r);
        return 0;
    }
    const int need = Print_Held_Pdf_Need();
    Rt_Safe_File *pdf = nullptr;
    std::vector<std::string> failure;
    if (need == PRINT_PDF_REPRINT) Print_Held_Pdf(&pdf, &failure);
    if (view != nullptr && !Progress_Stopped) {
        Begin_Progress_Step("Seiten werden aufbereitet");
        *view = Oli_View_Open(Print_Held_List_Path(), Oli_File_Name);
        End_Progress_Step();
    }
    if (Progress_Stopped) {
        Drop_Stopped(code, pdf);
        return 0;
    }
    const int printed = pdf != nullptr;
    if (!Print_Put_In_Place_With_Pdf(1, pdf)) return 0;
    if (need == PRINT_PDF_REPRINT && !printed) Show_Pdf_Removed(code, failure);
    return 1;
}

/* Preview (3), print (4) or plans (5): the print list first; the viewer, the printer or the
** plan tool only when it was written for a valid splice. */
static void Print_Action(int code)
{
    int other_runs = 0;
    const std::string cause = Read_Only_Cause(&other_runs);
    if (!cause.empty()) {
        /* the print list, its plots and its PDF are the component's: one window writes them */
        Init_Message();
        Set_Message_Symbol(1, 0, 0, 0);
        Set_Message_Title(Action_Title(code));
        Fill_Message_Wrapped(cause.c_str());
        if (other_runs) {
            Fill_Message("Nur dort wird gedruckt; dieses Fenster ist schreibgesch\x81tzt.");
        } else {
            Fill_Message("Dieses Fenster ist schreibgesch\x81tzt und druckt nicht.");
            Fill_Message_Wrapped(Read_Only_Remedy().c_str());
        }
        Draw_Message();
        return;
    }
    Progress_Action = code;
    Progress_Began = VELClock();
    Progress_Stopped = 0;
    if (code == MENU_PRINT) {
        Print_To_Pdf();
        return;
    }
    Oli_View *view = nullptr;
    if (!Write_List_Keeping_Pdf(code, code == MENU_PREVIEW ? &view : nullptr)) {
        Oli_View_Close(view);
        return;
    }
    if (code == MENU_PREVIEW) {
        Oli_View_Show(view);
    } else {
        if (!Exchange_Start_Plan_Editor(Bauteilkennung, Oli_File_Name)) {
            Init_Message();
            Set_Message_Symbol(1, 0, 0, 0);
            Set_Message_Title("Pl\x84ne");
            Fill_Message("Der Planeditor ist nicht installiert.");
            /* the folder's whole path, as the boxes of the print name their files */
            char folder[4096];
            if (Rt_Get_Cwd(folder, sizeof folder - 1)) {
                Fill_Message("Die Plotdateien liegen im Bauteilordner");
                strcat(folder, ".");
                Fill_Message_Wrapped(folder);
            } else {
                Fill_Message("Die Plotdateien liegen im Bauteilordner.");
            }
            Draw_Message();
        }
    }
}

/* ---------------------------------------------------------------- menu */

int Ask_End_Program(void)
{
    int a = Ask_Finish_Editing();
    if (a < 0) return 0;
    Trim_Page_Texts();
    if (a == 1 && !Write_Splice_Input_File(Inp_File_Name, &Splice_Input))
        return 0;      /* the save failed: stay, so that nothing is lost */
    Drop_Taken_Copy(); /* the user has decided about the values of a copy taken over */
    return 1;
}

int Main_Menu_Action(int code)
{
    switch (code) {
    case MENU_NAD:
        Run_NAD_Selection_Sheet();
        Set_Nad_Pointers();
        Refresh_Char_Actions();
        return 0;
    case MENU_PRINT_SETTINGS: Run_Print_Settings_Sheet(); return 0;
    case MENU_PREVIEW:
    case MENU_PRINT:
    case MENU_PLANS:
        Print_Action(code);
        /* stopped by the window's close: the close asks the finish question, as it does
        ** elsewhere, instead of waiting for a second close; cancelled, the box says that the
        ** action was stopped and the last report stands */
        if (!Progress_Stopped || !Prog_Dlg_Stopped_By_Close()) return 0;
        if (Ask_End_Program()) return 1;
        Show_Stopped(code);
        return 0;
    case MENU_SAVE: {
        Trim_Page_Texts();
        /* A failed save keeps the box of its writer; a good one is confirmed on the sheet, where
        ** the user looks, without a box to click away. */
        char text[sizeof Status_Text];
        const int saved = Write_Splice_Input_File(Inp_File_Name, &Splice_Input);
        if (saved != 0) {
            /* a copy under another name (2) leaves this window at its own file */
            snprintf(text, sizeof text, "%s: %s", saved == 2 ? "Kopie gespeichert" : "gespeichert",
                     Rt_Whole_Path(Last_Saved_Input_Path()));
            if (Saved_Input == nullptr) Saved_Input = Input_Snapshot_New();
            Input_Snapshot_Take(Saved_Input);
            if (saved == 1) Note_Input_Unchanged();
        } else {
            text[0] = 0;
        }
        Set_Status(text);
        return 0;
    }
    case MENU_HELP: Helpview(Page_Help_Key(Current_Page)); return 0;
    case MENU_END: return Ask_End_Program();
    default: return 0;
    }
}

/* ---------------------------------------------------------------- the sheet */

/* A key that reached the sheet outside an editor (the page takes the keys wherever the mouse
** is, and a field passes on those that move the page): Esc asks to end, F1 shows the page's help,
** Page Up, Page Down, Ctrl+Home and Ctrl+End move the page as a desktop table moves; other keys
** have no meaning here and go. Return 1 when the program is to end. */
static int Sheet_Key(void)
{
    int key = hitkey();
    if (key == -1) return 0;
    getkey();
    if (key == 27) return getkeymask() == 1 || Ask_End_Program(); /* Esc */
    if (key == KEY_F1) Helpview(Page_Help_Key(Current_Page));
    else SVA_Scroll_Key(Main_Area, key);
    return 0;
}

static void Build_Current_Page(void)
{
    SVA_Clear(Main_Area);
    Page_Choice_Reset();
    Wdg_Select_Area(Main_Area);
    Wdg_Set_Font(4096);
    switch (Current_Page) {
    case PAGE_SYSTEM: Page_System(Main_Area); break;
    case PAGE_VERBINDUNGSMITTEL: Page_Verbindungsmittel(Main_Area); break;
    case PAGE_ANORDNUNG: Page_Anordnung(Main_Area); break;
    case PAGE_SCHNITTGROESSEN: Page_Schnittgroessen(Main_Area); break;
    default:
        Page_Ausnutzungen(Main_Area, 0, 0, Main_Area_X2 - Main_Area_X1 - 17,
                          Main_Area_Y2 - Main_Area_Y1);
        break;
    }
}

/* A field of the page left with Enter or Tab for the next one: the page takes the value at
** once (a value out of its limits is held there with its hint), computes and is drawn anew
** before the next field opens. */
static void Draw_Current_Page(void);

static void Page_Field_Done(int area)
{
    (void)area;
    Page_After_Input(Current_Page);
    Draw_Current_Page();
    Drop_Status_After_Change();
}

/* Build the page and draw it. A page computes its results before its fields are built; when a
** field held its value in its limits (with a hint), the results belong to the value before:
** the page is built once more with the value the field shows. */
static void Draw_Current_Page(void)
{
    if (Main_Area < 0) return;
    /* the user's input is taken before: what the page computes is the program's own */
    const int unchanged = Input_Is_Unchanged();
    int held = Wdg_Limited_Changes();
    Build_Current_Page();
    if (Wdg_Limited_Changes() != held) Build_Current_Page();
    SVA_Set_Active(Main_Area, 1);
    SVA_Update(Main_Area);
    Note_Own_Fill_Ins(unchanged);
}

int Run_Main_Sheet(void)
{
    Set_Nad_Pointers();
    int x2 = NPIXEL_X - 1, y2 = NPIXEL_Y - 1;
    Define_Prop_Sheet(0, 0, x2, y2, 0, 0, Splice_Window_Title(), 0, 1);
    Set_Windows_Break_Button(CODE_BREAK);

    /* The bar sits at the right edge of the screen and reaches over all eight buttons. */
    Icon_Menu *m = &Main_Icon_Menu;
    m->x = NPIXEL_X - 346;
    m->right = NPIXEL_X - 6;
    int menu_area = Add_Escape_Area_to_PS(m->x, m->y, m->right, m->bottom, CODE_MENU);
    Set_Escape_Area_to_MouseMoveEvent(menu_area, 1);

    int reg = Add_Register_to_PS(10, 50, 24);
    for (int i = 0; i < PAGE_COUNT; i++)
        Add_Member_to_Register(reg, Page_Labels[i], 150, CODE_REGISTER + i);
    if (Current_Page < 0 || Current_Page >= PAGE_COUNT) Current_Page = PAGE_SYSTEM;
    Select_Member_of_Register(reg, Current_Page);

    Main_Area_X1 = 10;
    Main_Area_Y1 = 80;
    Main_Area_X2 = x2 - 10;
    Main_Area_Y2 = y2 - 10;
    int esc = Add_Escape_Area_to_PS(Main_Area_X1, Main_Area_Y1, Main_Area_X2 - 17, Main_Area_Y2,
                                    CODE_AREA);
    Set_Escape_Area_to_MouseMoveEvent(esc, 1);
    Set_Escape_Area_to_KeyEvent(esc, 1);
    Main_Area = SVA_Create(Main_Area_X1, Main_Area_Y1, Main_Area_X2, Main_Area_Y2, 0, 1);
    /* a wheel step moves three rows of the page, a page key the rows in view */
    SVA_Set_Row_Height(Main_Area, PAGE_ROW);
    SVA_Set_Hover_Key_Return(Main_Area, 1);
    SVA_Set_Field_Done(Main_Area, Page_Field_Done);

    Status_Text[0] = 0;
    /* the distances of the splice of an earlier start are not this one's */
    Page_Shadow.present = Page_Present_Rec{};
    Activate_Prop_Sheet();
    Draw_Current_Page();
    Draw_Status();

    for (;;) {
        Icon_Menu_Draw(&Main_Icon_Menu);
        int code = Edit_Prop_Sheet();
        if (code == CODE_MENU) {
            int action = hitkey() == -1 ? Icon_Menu_Run(&Main_Icon_Menu) : 0;
            if (action > 0) {
                if (Main_Menu_Action(action)) break;
                Draw_Current_Page();
            }
            if (Sheet_Key()) break;
        } else if (code >= CODE_REGISTER && code < CODE_REGISTER + (int)PAGE_COUNT) {
            Current_Page = code - CODE_REGISTER;
            Select_Member_of_Register(reg, Current_Page);
            Draw_Current_Page();
        } else if (code == CODE_AREA) {
            if (hitkey() == -1 && SVA_Handle_Input(Main_Area)) {
                Page_After_Input(Current_Page);
                Draw_Current_Page();
            }
            if (Sheet_Key()) break;
        } else if (code == CODE_BREAK || code == -1) {
            /* The script or the window is gone for good: nothing can be asked any more, and
            ** nothing is saved without the user's word. */
            if (getkeymask() == 1) break;
            if (Ask_End_Program()) break;
            Draw_Current_Page();
        }
        Drop_Status_After_Change();
        if (getkeymask() == 1 && code != CODE_AREA && code != CODE_MENU) break;
    }
    SVA_Delete(Main_Area);
    Main_Area = -1;
    Undefine_Prop_Sheet();
    return 1;
}
