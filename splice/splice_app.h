/*
** The program as a whole: start-up, the component's input file "%s_%02d.inp" (format version
** 200, docs/input-file.md), the table of design combinations with its ASCII import and its
** generation from the characteristic actions (docs/combinations.md), and the main sheet with its
** five pages and its icon menu.
**
** Units as in results/splice_input.h: member dimensions in cm, fastener dimensions in mm, forces
** in kN, moments in kNm.
*/
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

#include "results/splice_input.h"

/* ---------------------------------------------------------------- names of the component */

#define SPLICE_INPUT_VERSION 202 /* format version the writer writes */
#define SPLICE_PATH_MAX      512
#define SPLICE_TITLE_MAX     512 /* bytes of the title: each control byte takes two */
#define SPLICE_TITLE_READ    255 /* characters kept of the title file's first line */

extern int32_t Splice_File_Number;               /* third argument of the command line */
extern char Inp_File_Name[SPLICE_PATH_MAX];      /* "%s_%02d.inp" */
extern char Oli_File_Name[SPLICE_PATH_MAX];      /* "%s_%02d.oli" */
extern char Txt_File_Name[SPLICE_PATH_MAX];      /* "%s_%02d.txt" */
extern char Splice_Title_Line[SPLICE_TITLE_MAX]; /* first line of the title file, code page 850 */
/* Whether this window writes the component: SPLICE_WRITER while it holds the component's lock;
** read-only, it saves only under another name and prints nothing. */
enum {
    SPLICE_WRITER = 0,
    SPLICE_READ_ONLY_HELD = 1,   /* another window had the component open at the start */
    SPLICE_READ_ONLY_NO_LOCK = 2 /* no lock can be taken ("<component>.lck" is a link, ...) */
};
extern int32_t Splice_Read_Only;
/* Who holds the component's lock when another window has it open ("Prozess <pid> auf dem
** Rechner <host>"; "" where the lock file names none); "" while this window writes. */
extern char Splice_Locked_By[160];

/* Form the three file names from the component identifier and the file number; 1, or 0 when
** a name would not fit. */
int Form_Component_File_Names(const char *component, int file_number);

/* Read the first line of the title file into Splice_Title_Line (line end removed, its first
** SPLICE_TITLE_READ characters in code page 850, never a part of one: a UTF-8 line is cut between
** its characters, and a longer line is named in a hint with its length in characters); 1 when
** read, 0 (empty title) when the file is missing.
** Every byte is kept: a NUL or another control byte but the tab stands in caret notation ("^@"),
** and a hint names the file, the damage and the notation. A file in UTF-16 or UTF-32 leaves the
** title empty after a warning that names its encoding. */
int Read_Title_Line(const char *path);

/* ---------------------------------------------------------------- start-up */

/*
** The whole program: usage line and 0 with fewer than four arguments, 1 without EXEC (before any
** window opens); otherwise the start-up in its fixed order, the main sheet, and 1 when the main
** sheet ends. An allocation failure ends the process with 0 after its message.
*/
int Splice_Main(int argc, char **argv);

/* The catalogue readers, each once, in the start-up order; results are ignored. */
void Load_Start_Up_Catalogues(void);

/* ---------------------------------------------------------------- the component's lock */

/*
** Take the component's lock "<component>.lck" in its folder: one window writes a component. A
** second one is told who has it and opens it read-only; a lock of a process that ended is taken
** over with a hint; where no lock can be taken (a link or a folder under the name, a folder that
** takes no file), a box says why and how to go on, and the window opens read-only as well.
** Answers the lock, or null for a read-only window (Splice_Read_Only says why), which clears no
** work file of the component.
*/
typedef struct Rt_Lock Rt_Lock;
Rt_Lock *Take_Component_Lock(void);
/* Release the lock (null allowed) and forget the read-only state. */
void Drop_Component_Lock(Rt_Lock *lock);
/* The lock this window holds from the moment it took it (its boxes at the start included) until
** it is dropped; null for none. */
Rt_Lock *Component_Lock(void);
/* The window's title: the title line (or the component's name), with "(schreibgeschützt)" while
** the window is read-only, and "(ungespeicherte Eingaben warten)" while a copy of an earlier
** window's input waits for a later start; valid until the next call. */
const char *Splice_Window_Title(void);
/* Why this window is read-only, for the box of a writer action it refuses (code page 850): the
** window that has the component open, or had it at the start and has ended since (asked anew
** each time), or why no lock can be taken; "" for a writer. *other_runs: 1 while the other
** window still holds the component. */
std::string Read_Only_Cause(int *other_runs);
/* How a read-only window comes to write the component ("Zum Bearbeiten ... neu öffnen."), where
** no other window holds it any more; "" for a writer. */
std::string Read_Only_Remedy(void);

/* ---------------------------------------------------------------- input file */

#define CAT_HEADER_COUNT \
    16                      /* nagel, klammer, schraube, spax_s_vg, spax_s_tg, spax_t_tg,
                              ** assy_plus_vg_z, assy_plus_vg_s, sondernagel, ringduebel_a1,
                              ** schduebel_c1, c5, c10, B1, c2, c11 */
#define CAT_HEADER_ASSY_S 7 /* index of "ec5_assy_plus_vg_s.dat" */

/* The catalogue headers of the input file last read (held apart from the tables; -1 while no
** file gave them) and the headers of the loaded catalogues in the same order. */
extern int32_t Stored_Catalogue_Headers[CAT_HEADER_COUNT];
void Get_Loaded_Catalogue_Headers(int32_t headers[CAT_HEADER_COUNT]);

/* Outcome of reading an input file. */
typedef struct Inp_Read_Report {
    int32_t version;        /* format version of the file, 0 when not found */
    int32_t records;        /* records taken */
    int32_t damaged;        /* damaged lines (their records keep the defaults) */
    int32_t first_bad_line; /* line number of the first damaged line, 0 for none */
    int32_t complete;       /* 1 when the end record was found */
    int32_t bad_bytes;      /* damaged lines holding a byte no line of the file holds (a NUL) */
    char reason[160];       /* what was wrong with the first damaged line (code page 850) */
} Inp_Read_Report;

/*
** Read the records of an open input file into si, which holds the defaults. Records may stand in
** any order; a missing record keeps its defaults; a damaged line leaves its record untouched and
** is counted in the report. Stops at "ACTIV_NADNAME" or at the end. Return 1 when the file was
** whole and undamaged, else 0. Shows nothing.
*/
int Read_Splice_Input_Stream(FILE *file, Splice_Input_Record *si, Inp_Read_Report *report);

/*
** Read the input file at path: 0 when it does not exist (nothing changed), 1 when read; a damaged
** or truncated file is reported in a message box naming the file and the line, and what could
** be read stays read. With activate_nad, the annex section behind the records is judged with them
** (its damage in the same box) and the national annex it names is activated afterwards.
*/
int Read_Splice_Input_File(const char *path, Splice_Input_Record *si, int activate_nad);

/* Write the records of si (without the annex section) to an open file; 1, or 0 on a write error. */
int Write_Splice_Input_Stream(FILE *file, const Splice_Input_Record *si);
/* Counts the calls of Write_Splice_Input_Stream, whoever makes them: with 10 x 1000 combinations
** a format of the input costs a hundred times what a page visit may (a save, or a window's end
** where the record changed, forms one; a visit none). */
extern uint32_t Input_Formats;

/*
** Save si to path atomically: write a temporary file of its own beside it (records, then the
** annex section), flush it, and rename it over the old file. Where the file on the disk is no
** longer the one last read or saved from path (another program or window wrote it), where it is
** write-protected, or where another window holds the component (path the input file), a question
** comes first: overwrite, save under another name (Last_Saved_Input_Path; the file stays), or
** cancel. Return 1 when saved to path, 2 when saved under another name, 0 after a message box
** or a cancel, the file on the disk untouched.
*/
int Write_Splice_Input_File(const char *path, const Splice_Input_Record *si);
const char *Last_Saved_Input_Path(void); /* where the last save wrote, "" after a failed one */

/*
** Adjust the values of an old file after reading: when the stored header of the ASSY-plus
** catalogue differs from the loaded one, the row of an ASSY-plus fastener (the current type, and
** the size such a type was left with) is looked up again by its diameter. Return 1 when a row
** index changed.
*/
int Adjust_Old_Input_Values(Splice_Input_Record *si);

/* Encode a text into one word of the file (blank "~", '%', '~' and control bytes as "%XX");
** decode back. out must hold 3 * strlen(text) + 1 bytes (encode) / strlen(word) + 1 (decode).
** Decode answers 0 for a bad escape. */
void Inp_Encode_Text(const char *text, char *out);
int Inp_Decode_Text(const char *word, char *out, int size);

/* ---------------------------------------------------------------- design combinations */

#define LKOM_KMOD_TOLERANCE 0.001

/* Index of the first free entry of group g, -1 when full or g is bad. */
int Lkom_Free_Entry(const Lkom_Table *t, int g);
/* Number of used entries of group g. */
int Lkom_Count_Entries(const Lkom_Table *t, int g);
/* Remove entry e of group g and close the gap; the group is marked unused when it empties. */
void Lkom_Delete_Entry(Lkom_Table *t, int g, int e);
/* Empty the whole table (group headers back to their defaults). */
void Lkom_Clear_Table(Lkom_Table *t);

#define ASCII_IMPORT_BAD_MAX    20  /* bad lines whose numbers are remembered */
#define ASCII_IMPORT_REASON_MAX 100 /* bytes of the reason of a skipped line */

/* Why a line of the import was skipped. */
enum {
    ASCII_BAD_FIELD = 1,      /* a field is missing, no plain decimal number or out of its range */
    ASCII_BAD_KMOD_COUNT = 2, /* an eleventh kmod: all ten groups are taken */
    /* (a line whose group is full is counted in Ascii_Import_Report.full) */
    ASCII_BAD_BYTE = 4, /* a NUL byte or another byte that no text line holds */
    ASCII_BAD_LONG = 5  /* longer than LKOM_IMPORT_LINE_MAX bytes */
};

#define LKOM_IMPORT_LINE_MAX 4096 /* bytes of an import line, without its line end */

typedef struct Ascii_Import_Report {
    int32_t imported; /* combinations added */
    int32_t bad;      /* lines skipped, those of full groups included */
    /* the numbers (1-based) of the first 20 lines skipped for another reason than a full group
    ** (bad - full of them), and why */
    int32_t bad_lines[ASCII_IMPORT_BAD_MAX];
    int32_t bad_kinds[ASCII_IMPORT_BAD_MAX]; /* ASCII_BAD_* */
    /* why, for the box (code page 850): the field and what it held ("V_d \"0x2D\" ist keine
    ** Dezimalzahl"), or what else is wrong with the line */
    char bad_reasons[ASCII_IMPORT_BAD_MAX][ASCII_IMPORT_REASON_MAX];
    const char *encoding; /* the file's wide Unicode encoding ("UTF-16 LE" ...), which is not
                          ** read: nothing was imported; null for a file that was read */
    int32_t open_error;   /* errno of a file that cannot be opened (a pipe, a device: ESPIPE,
                          ** ENODEV), 0 when it was opened */
    int32_t opened;       /* groups the import opened */
    int32_t opened_groups[LKOM_GROUPS]; /* their slots in the table, in the order opened */
    int32_t opened_kled[LKOM_GROUPS];   /* the class each took from its kmod, -1 for none */
    int32_t cut; /* lines imported whose comment had more than LKOM_COMMENT_MAX characters */
    int32_t cut_lines[ASCII_IMPORT_BAD_MAX]; /* their numbers (1-based), the first 20 */
    int32_t lacking; /* lines imported whose comment holds characters that code page 850 lacks */
    int32_t lacking_lines[ASCII_IMPORT_BAD_MAX]; /* their numbers (1-based), the first 20 */
    int32_t full; /* lines skipped because their group held LKOM_ENTRIES combinations */
    int32_t full_lines[ASCII_IMPORT_BAD_MAX]; /* their numbers (1-based), the first 20 */
    int32_t full_in_group[LKOM_GROUPS];       /* of them, per slot of the table */
} Ascii_Import_Report;

/*
** Import combinations from a text file, one per line: "kmod accidental M_d N_d V_d comment"
** (kNm, kN, kN; blank lines and lines starting with '#' are skipped). Each number is a plain
** decimal number, with a point or, between digits, a comma ("20,5"). A line goes into the
** group whose preset kmod equals its kmod within 0.001, else into a new group, which takes the
** load-duration class in which that kmod is the members' value of EN 1995-1-1, Table 3.1
** (Kled_Of_Preset_Kmod; where none is, it keeps its class and the kmod stays preset). Lines that
** cannot be read (with the field and what it held), lines longer than LKOM_IMPORT_LINE_MAX bytes
** (never cut: a number cut short is a smaller force), an eleventh kmod and lines beyond a full
** group are skipped and counted; a comment longer than LKOM_COMMENT_MAX characters keeps its
** first ones, one with characters that code page 850 lacks holds '?' for them, and its line is
** counted. Nothing in the table is changed but the added entries and
** the groups they open. A file in UTF-16 or UTF-32 is not read (its encoding in the report). Only
** a regular file is read. Return the number imported, -1 when the file cannot be opened (the
** reason in the report).
*/
int Import_Lkom_Ascii(const char *path, Lkom_Table *t, Ascii_Import_Report *report);
/* The same, then the outcome in a message box: the count, the numbers of the skipped lines and
** of the lines whose comment was cut or lacks characters, each group opened with its class, and the rows already
** there whose number in the report's table or whose group number moved
** ("Gruppe 2: Nr. 4 -> Nr. 7"). */
int Import_Lkom_Ascii_With_Message(const char *path, Lkom_Table *t);

/* Name of characteristic action i (load type i; the snow action with the altitude flag takes
** "Schnee NN>1000m"), code page 850. */
const char *Char_Action_Name(int i, int snow_above_1000);

typedef struct Lkom_Generation_Report {
    int32_t generated;  /* combinations kept */
    int32_t duplicates; /* dropped as equal to one already in the group */
    int32_t cut;        /* dropped because the group was full */
} Lkom_Generation_Report;

/*
** Replace the table by the combinations of the characteristic actions (docs/combinations.md):
** EN 1990 eq. (6.10) for every permanent action unfavourable or favourable and every variable
** action absent, leading or accompanying, and the seismic combination of EN 1990 eq. (6.12b)
** for the earthquake. Each combination goes into the group of its shortest load-duration class.
** An action switched on with all its loads zero takes no part. Return the number of
** combinations kept.
*/
int Do_Generate_Lkoms(const Char_Action_Rec *actions, Lkom_Table *t,
                      Lkom_Generation_Report *report);

/* Regenerate the table of the global record when it comes from the characteristic actions
** (the factors are derived again first); a hint when a group was cut. */
void Regenerate_Lkoms_If_Generated(void);

/* Derive the factors of the six actions from the active annex (with the snow flag and the
** category of the imposed load). */
void Refresh_Char_Actions(void);

/* ---------------------------------------------------------------- main sheet */

enum {
    PAGE_SYSTEM = 0,
    PAGE_VERBINDUNGSMITTEL = 1,
    PAGE_ANORDNUNG = 2,
    PAGE_SCHNITTGROESSEN = 3,
    PAGE_AUSNUTZUNGEN = 4,
    PAGE_COUNT = 5
};

/* Menu codes of Main_Icon_Menu. */
enum {
    MENU_NAD = 1,
    MENU_PRINT_SETTINGS = 2,
    MENU_PREVIEW = 3,
    MENU_PRINT = 4,
    MENU_PLANS = 5,
    MENU_SAVE = 6,
    MENU_HELP = 7,
    MENU_END = 8
};

extern int32_t Current_Page;

/* Set Nad_Params and Nad_EC3_Params_Ptr from the active annex. */
void Set_Nad_Pointers(void);

/* Run the main sheet until the user ends it. Return 1. */
int Run_Main_Sheet(void);

/* The menu action of code (1..8); answers 1 when the program is to end. */
int Main_Menu_Action(int code);

/* Ask the finish question: 1 end (saved when asked to), 0 go on editing. */
int Ask_End_Program(void);

/*
** The input a window had not saved when it ended without its user (the display went away, or
** SIGTERM / SIGHUP / SIGINT): kept in a copy beside the input file, which the next start offers.
** Input_File_Bytes: the input as a save would write it now. Note_Input_Unchanged: the input file
** holds the input as it stands (after the start's read and after each save of it).
** Keep_Unsaved_Input: where the input differs from the input file (or an open field held what it
** would not take, refused: its text for the copy's box), in a window that holds the component, the
** copy written whole and renamed into place: "<input>.ungespeichert" (Unsaved_Copy_Path), or the
** next free of "<input>.ungespeichert2" .. 99 where a copy waits already (none is written over,
** but the one taken over at the start); 1 when written, 0 when nothing was to be kept, -1 when the
** copy could not be written (an empty file "<input>.ungespeichert.fehler<errno>" tells the next
** start). Offer_Unsaved_Copy: at the start, after the input file was read, notes it unchanged
** and, in a window that holds the component, names the copies that could not be written, makes a
** whole copy that a kill left under its work file's name a copy, and asks of the copies, with
** when each was made and whether the input file was saved since, whether to take one over
** ("Übernehmen"), remove it ("Verwerfen") or leave them ("Später"): a single copy in a box, several
** in one list, the newest first.
** Unsaved_Copies_Waiting: the copies left for a later start that still stand (the first into
** *first, may be null). Drop_Taken_Copy: a copy taken over goes (the input was saved, or the
** finish question answered). Input_Is_Unchanged: the input is what the input file holds, in a
** window that holds the component. Note_Own_Fill_Ins: what the program filled in itself since
** Input_Is_Unchanged answered was_unchanged (a design run's length, thickness, spacings and
** partial factors, the combinations it generated, for a page or a print) counts as the input
** file's where the user had changed nothing before: only the user's changes make a copy.
*/
std::string Input_File_Bytes(void);
/* The input at one moment, kept without writing it (the record, its preliminary remarks and the
** annex it names): Take keeps the input as it stands, Same answers 1 while the input is what was
** taken, without forming the file's bytes (a comparison of the record's memory: it may answer 0
** where only what the file does not hold changed, never 1 where the file would differ), Bytes the
** file as a save of the input taken would have written it. */
typedef struct Input_Snapshot Input_Snapshot;
Input_Snapshot *Input_Snapshot_New(void);
void Input_Snapshot_Take(Input_Snapshot *s);
int Input_Snapshot_Same(const Input_Snapshot *s);
/* Counts the calls of Input_Snapshot_Same: a visit of a page compares the input twice, before the
** page is built and after it. */
extern uint32_t Input_Compares;
std::string Input_Snapshot_Bytes(const Input_Snapshot *s);
std::string Unsaved_Copy_Path(void);
void Note_Input_Unchanged(void);
int Keep_Unsaved_Input(const std::string &refused = std::string());
void Offer_Unsaved_Copy(void);
int Unsaved_Copies_Waiting(std::string *first);
void Drop_Taken_Copy(void);
/* A keep function for Rt_Remove_Stale_Temp_Keeping: 1 for the work file of a copy of unsaved
** input ("<input>.ungespeichert.<pid>.tmp", "<input>.ungespeichert2.<pid>.tmp" ..), which the
** offer keeps as a copy where it is whole, so that no other clean-up removes it. */
int Is_Unsaved_Copy_Work_File(const char *path, void *unused);
int Input_Is_Unchanged(void);
void Note_Own_Fill_Ins(int was_unchanged);

/*
** Regenerate the combinations when they come from the characteristic actions, then write the
** print list: content 0 for the utilisation page's run, 1 for preview, print and plans. Return
** what Write_Print_List returns (0 written for a valid splice).
*/
int Compute_And_Print(int content);

/* Pages: each adds its items to the view area and keeps what it needs for its input. */
void Page_System(int area);
void Page_Verbindungsmittel(int area);
void Page_Anordnung(int area);
void Page_Schnittgroessen(int area);
void Page_Ausnutzungen(int area, int x0, int y0, int x1, int y1);

/* Handle a value that the user chose on a page (after SVA_Handle_Input); 1 when the page must
** be drawn again. */
int Page_After_Input(int page);

/* Remove the blanks that the text fields pad the comments and remarks with. */
void Trim_Page_Texts(void);

/* Help topic of a page ("SPLICE_PAGE_SYSTEM" ...). */
const char *Page_Help_Key(int page);
/* Register label of a page (code page 850). */
const char *Page_Label(int page);
