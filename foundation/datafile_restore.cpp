/*
** The question after an irregular end: restore the temporary backup of a versioned data file?
*/
#include "foundation/datafile.h"

#include "foundation/codepage.h"
#include "foundation/report.h"
#include "platform/zelkwin.h"

extern Dat_Stream_Fn Dat_Backup_Reader;
extern Dat_Stream_Fn Dat_Backup_Writer;
extern int Dat_Backup_Enabled;

int Dat_Offer_Backup_Restore(void)
{
    if (!Dat_Backup_Exists()) return 0;
    int result = 0, ask = 1;
    if (Dat_Backup_Enabled && Dat_Backup_Writer && Dat_Compare_Bak() == 0) ask = 0;
    if (ask) {
        /* An empty sheet opened and closed, so that a window exists for the box. */
        Define_Prop_Sheet(0, 0, 1, 1, 0, 0, "", 0, 1);
        Activate_Prop_Sheet();
        Undefine_Prop_Sheet();
        Init_Message();
        Fill_Message("Es existiert noch eine temporäre Sicherung, die während"_cp850);
        Fill_Message("der letzten Bearbeitung der Position angelegt wurde."_cp850);
        Fill_Message("Dies läßt auf einen irregulären Abbruch schließen."_cp850);
        Fill_Message("");
        Fill_Message("Soll die temporäre Sicherung anstelle der"_cp850);
        Fill_Message("älteren regulären Sicherung geladen werden?"_cp850);
        Set_Message_Symbol(3, 1, 0, 0);
        if (Answer_is_Yes(1) && Dat_Read_Bak(Dat_Backup_Reader) != 0) {
            /* The error form adds "FEHLER: " and the final "!". */
            Foundation_Report(FOUNDATION_MSG_ERROR, -1,
                              "Datensatz der temporären Sicherung nicht lesbar"_cp850);
            result = 1;
        }
    }
    Dat_Remove_Backups();
    return result;
}
