/*
** The application registry: each application of the environment that uses national-annex
** parameters describes in "APP<n>.DEF" in its folder below EXEC which rules of which Eurocode
** it uses. Answers whether a rule is relevant for the running application.
*/
#include "nad/nad.h"
#include "nad/nad_internal.h"
#include "dialogs/dialogs.h"
#include "foundation/foundation.h"
#include "platform/runtime.h"
#include "platform/zelkwin.h"

#include <cctype>
#include <cstdlib>
#include <cstring>

App_NAD_Registry_Type App_NAD_Registry = {{}, 0, 0, -1, 0, 0, 623, 1};

#define APP_GROUP_BITS_ALL 623 /* groups 0, 1, 2, 3, 5, 6 and 9 */

static char *Dup_Text(const char *s)
{
    if (!s) return nullptr;
    size_t n = strlen(s);
    char *d = static_cast<char *>(malloc(n + 1));
    if (d) memcpy(d, s, n + 1);
    return d;
}

static void Free_Row(App_NAD_Row *r)
{
    free(r->app_name);
    free(r->service);
    for (int g = 0; g < 10; g++) free(r->rule_masks[g]);
    memset(r, 0, sizeof *r);
}

/*
** Back to the unbuilt registry (nothing looked up).
*/
void Clear_Application_NAD_Registry(void)
{
    for (int i = 0; i < App_NAD_Registry.count; i++) Free_Row(&App_NAD_Registry.rows[i]);
    App_NAD_Registry.count = 0;
    App_NAD_Registry.built = 0;
    App_NAD_Registry.cached_number = -1;
    App_NAD_Registry.row_index = 0;
    App_NAD_Registry.registered = 0;
    App_NAD_Registry.group_bits = APP_GROUP_BITS_ALL;
    App_NAD_Registry.show_all = 1;
}

/* ---------------------------------------------------------------- one application file */

/* Read the guillemet text behind a keyword line; 1 when the keyword was found. */
static int Read_Keyword_Text(FILE *f, const char *keyword, char *buf)
{
    buf[0] = 0;
    if (!Seek_Keyword_Prefix_Line(keyword, f, nullptr)) return 0;
    Read_Guillemet_String_Short(f, buf);
    return 1;
}

/* Fill a row from an open application file; 0 when the file registers nothing. */
static int Read_Application_File(FILE *f, const char *dir_name, int number, App_NAD_Row *row)
{
    int nads = 0;
    if (!Seek_Keyword_Prefix_Line("#NADS", f, &nads) || nads == 0) return 0;
    memset(row, 0, sizeof *row);
    row->app_number = number;
    if (nads < 0) {
        for (int g = 0; g < 10; g++) {
            char token[256];
            if (fscanf(f, "%255s", token) != 1) break;
            if (strlen(token) == 1 && token[0] != '1') continue;
            row->rule_masks[g] = Dup_Text(token);
            row->mask_groups |= 1 << g;
        }
        row->has_masks = 1;
    }
    char text[100];
    row->app_name = Dup_Text(Read_Keyword_Text(f, "#NAME", text) && text[0] ? text : dir_name);
    row->service = Dup_Text(Read_Keyword_Text(f, "#SERVICE", text) ? text : "Bauteil");
    if (Seek_Keyword_Prefix_Line("#GROUP", f, nullptr)) {
        /* The rest of the keyword line has been passed; the text follows. */
        Read_Guillemet_String_Short(f, text);
        free(row->service);
        row->service = Dup_Text(text);
    }
    for (char *p = row->app_name; p && *p; p++) *p = (char)toupper((unsigned char)*p);
    return 1;
}

/* ---------------------------------------------------------------- building and lookup */

/*
** Build the registry once per process from every "APP<n>.DEF" (n >= 1) in the folders below
** EXEC. The registry holds APP_NAD_REGISTRY_MAX rows; further files are left out with a
** warning.
*/
void Load_Application_NAD_Registry(void)
{
    if (App_NAD_Registry.built) return;
    const char *exec = VELGetEnv("EXEC");
    if (!exec) return;
    char pattern[RT_PATH_MAX];
    DOS_FIND_DATA dir;
    int warned = 0;
    if (snprintf(pattern, sizeof pattern, "%s/*.*", exec) < (int)sizeof pattern) {
        int hd = DOSFindFirstDirectory(pattern, &dir);
        for (int more = hd > 0; more; more = DOSFindNext(hd, &dir)) {
            char fpat[RT_PATH_MAX];
            if (snprintf(fpat, sizeof fpat, "%s/%s/APP*.DEF", exec, dir.name) >= (int)sizeof fpat)
                continue;
            DOS_FIND_DATA file;
            int hf = DOSFindFirstFile(fpat, &file);
            for (int fm = hf > 0; fm; fm = DOSFindNext(hf, &file)) {
                int number = 0;
                if (sscanf(file.name + 3, "%4d", &number) != 1 || number < 1) continue;
                char path[RT_PATH_MAX];
                if (snprintf(path, sizeof path, "%s/%s/%s", exec, dir.name, file.name)
                    >= (int)sizeof path)
                    continue;
                FILE *f = Fopen_Read_Said(nullptr, path, nullptr);
                if (!f) continue;
                App_NAD_Row row;
                if (Read_Application_File(f, dir.name, number, &row)) {
                    if (App_NAD_Registry.count < APP_NAD_REGISTRY_MAX) {
                        App_NAD_Registry.rows[App_NAD_Registry.count++] = row;
                    } else {
                        Free_Row(&row);
                        if (!warned)
                            Msg_Warning(
                                "Es werden nur %d Anwendungen mit Anwendungsdokumenten ber\x81"
                                "cksichtigt",
                                APP_NAD_REGISTRY_MAX);
                        warned = 1;
                    }
                }
                fclose(f);
            }
            if (hf > 0) DOSFindClose(hf);
        }
        if (hd > 0) DOSFindClose(hd);
    }
    App_NAD_Registry.cached_number = -1;
    App_NAD_Registry.built = 1;
    Find_Application_NAD_Entry();
}

/*
** The running application's number when it is registered, else 0; looked up once.
*/
int Find_Application_NAD_Entry(void)
{
    App_NAD_Registry_Type *r = &App_NAD_Registry;
    if (r->cached_number >= 0) return r->cached_number;
    const int number = CurOb_Application_Number();
    if (number != 0)
        for (int i = 0; i < r->count; i++)
            if (r->rows[i].app_number == number) {
                r->row_index = i;
                r->registered = 1;
                r->group_bits = r->rows[i].mask_groups;
                r->show_all = 0;
                r->cached_number = number;
                return number;
            }
    r->registered = 0;
    r->row_index = 0;
    r->group_bits = APP_GROUP_BITS_ALL;
    r->show_all = 1;
    r->cached_number = 0;
    return 0;
}

/*
** 1 when rule number `rule` of Eurocode group `group` is relevant for the running application.
*/
int NAD_Rule_Relevant(int group, int rule)
{
    Find_Application_NAD_Entry();
    const App_NAD_Registry_Type *r = &App_NAD_Registry;
    if (!r->registered || group > 9 || group < 0) return 1;
    const char *mask = r->rows[r->row_index].rule_masks[group];
    if (!mask) return 1;
    if (rule < 0 || (size_t)rule >= strlen(mask)) return 0;
    return mask[rule] != '0';
}

/* 1 when the running application is not registered, else whether its file gave masks. */
int NAD_Rules_Filtered(void)
{
    Find_Application_NAD_Entry();
    const App_NAD_Registry_Type *r = &App_NAD_Registry;
    if (!r->registered) return 1;
    return r->rows[r->row_index].has_masks;
}

/* ---------------------------------------------------------------- display options */

/*
** The sheet "Darstellungsoptionen": all rules, or the rules of one registered application.
** Answer 1 when confirmed, 0 when cancelled.
*/
int Edit_NAD_Display_Options(void)
{
    Load_Application_NAD_Registry();
    App_NAD_Registry_Type *r = &App_NAD_Registry;
    int registered = r->registered, row = r->row_index;
    const int h = 120 + 22 * r->count;
    int x1 = NPIXEL_X / 2 - 170, y1 = NPIXEL_Y / 2 - h / 2, x2 = x1 + 340, y2 = y1 + h;
    Check_Prop_Sheet_Frames(&x1, &y1, &x2, &y2);
    Define_Prop_Sheet(x1, y1, x2, y2, 1, 1, "Darstellungsoptionen", 100, 1);
    int b = Add_Option_Button_to_PS(x1 + 15, y1 + 45, &registered, 0, 0);
    Add_Aligned_Connected_Text_to_Button_of_PS(b, "alle Regeln darstellen", 0);
    b = Add_Option_Button_to_PS(x1 + 15, y1 + 67, &registered, 1, 0);
    Add_Aligned_Connected_Text_to_Button_of_PS(b, "Darstellung optimieren f\x81r", 0);
    for (int i = 0; i < r->count; i++) {
        char text[240];
        snprintf(text, sizeof text, "%s  %s", r->rows[i].app_name ? r->rows[i].app_name : "",
                 r->rows[i].service ? r->rows[i].service : "");
        b = Add_Option_Button_to_PS(x1 + 35, y1 + 89 + 22 * i, &row, i, 0);
        Add_Aligned_Connected_Text_to_Button_of_PS(b, text, 0);
    }
    char bmp[RT_PATH_MAX];
    Nad_Data_Bitmap("Buttons.bmp", bmp, sizeof bmp);
    b = Add_Bitmap_Button_to_PS(PS_Bitmap_Button{.x = x1 + 15,
                                                 .y = y2 - 30,
                                                 .w = 40,
                                                 .h = 20,
                                                 .file = bmp,
                                                 .sx = 0,
                                                 .sy = 60,
                                                 .r = 212,
                                                 .g = 208,
                                                 .b = 200,
                                                 .code = 3});
    Add_Aligned_Connected_Text_to_Button_of_PS(b, "abbrechen", 0);
    b = Add_Bitmap_Button_to_PS(PS_Bitmap_Button{.x = x2 - 55,
                                                 .y = y2 - 30,
                                                 .w = 40,
                                                 .h = 20,
                                                 .file = bmp,
                                                 .sx = 0,
                                                 .sy = 80,
                                                 .r = 212,
                                                 .g = 208,
                                                 .b = 200,
                                                 .code = 2});
    Add_Aligned_Connected_Text_to_Button_of_PS(b, "ok", 1);
    Set_Windows_Break_Button(3);
    Set_Windows_OK_Button(2);
    Activate_Prop_Sheet();
    int code;
    do code = Edit_Prop_Sheet();
    while (code != 2 && code != 3 && !getkeymask());
    Undefine_Prop_Sheet();
    if (code != 2) return 0;
    r->registered = registered && r->count > 0;
    r->row_index = row;
    r->group_bits = r->registered ? r->rows[row].mask_groups : APP_GROUP_BITS_ALL;
    r->show_all = !r->registered;
    return 1;
}
