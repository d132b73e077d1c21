/*
** The print-list driver of the splice: validates the splice, then writes the print list
** "%s_%02d.oli" in its fixed order (contents record and title, preliminary remarks, input data,
** system section with sketches and drawings, the checks and their summary).
*/
#include "results/print_list.h"

#include <cstdlib>
#include <cstring>

#include "results/splice_checks.h"
#include "nad/nad.h"
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

/* ---------------------------------------------------------------- driver */

static void Show_No_Print_List(void)
{
    Init_Message();
    Set_Message_Title("Fehler");
    Fill_Message("Die Druckliste kann nicht erzeugt werden!");
    Draw_Message();
}

/*
** Validate the splice and, for write != 0, write the print list. The result is the validation
** code (0 valid), or WRITE_PRINT_LIST_NO_FILE when the print list could not be created, so that
** the caller opens the viewer or printer only on 0.
*/
int Write_Print_List(int write)
{
    FILE *file = nullptr;
    int no_file = 0;
    if (write) {
        file = Oli_Path[0] ? fopen(Oli_Path, "w") : nullptr;
        Oli_Graphic_Set_Colour_Mode(1);
        if (file == nullptr) {
            Show_No_Print_List();
            no_file = 1;
        } else {
            OLI_setFlags(file, 896);
            OLI_setLayout(file, 4115);
        }
    }

    int code = Prepare_Splice_Calc();
    if (code != 0 && file != nullptr) Show_Error_Code(-1, -1, -1, -1, -1, code);
    if (code == 0 && file != nullptr) {
        Oli_Init_Writer(3, 2, 1);
        Oli_Write_Contents(file, Title_Line);
        Oli_Vorbemerkungen(file);
        Oli_Write_Heading(file, 1, "Eingabedaten");
        Oli_Verbindungsmittel(file);
        if (Splice_Input.lkom_generated) Oli_Char_Actions(file);
        Oli_Lkom_Table(file);
        Oli_Systemdarstellung(file);
        if (Nad_Params != nullptr)
            Oli_Write_Heading(file, 1, "Nachweise nach DIN EN 1995, %s", Get_Active_NAD_Title());
        else
            Oli_Write_Heading(file, 1, "Nachweise nach DIN 1052:2008");
        Run_Nachweise(file, Splice_Input.print.combinations == 0 ? 1 : 0);
    }
    /* The writer forgets the closed levels, so that a later list closes only its own. */
    Oli_Close_Bookmarks(file);
    if (file != nullptr) fclose(file);
    if (code == 0 && no_file) return WRITE_PRINT_LIST_NO_FILE;
    return code;
}
