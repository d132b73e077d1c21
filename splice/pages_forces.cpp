/*
** The last two pages of the main sheet: "Schnittgrößen" (the combinations of the ten groups with
** kmod or load-duration class, row editing, the ASCII import, the import from another component
** and the six characteristic actions with their generation) and "Ausnutzungen" (the utilisation
** list in percent with the overall result and the governing combination, or the error), and
** what the pages do after an input.
*/
#include "splice/splice_app.h"
#include "splice/pages_internal.h"

#include <cmath>
#include <cstddef>
#include <cstring>
#include <string>

#include "catalogue/catalogue.h"
#include "dialogs/dialogs.h"
#include "exchange/exchange.h"
#include "foundation/foundation.h"
#include "foundation/codepage.h"
#include "platform/zelkwin.h"
#include "results/print_list.h"
#include "results/results.h"

/* Column x of the combination rows: the number in the report's table ("Nr."), the place in
** the group ("Komb."), the forces, the accidental flag, the comment and the delete button; the
** group's k_mod and class stand on its heading from COL_HEAD. */
enum {
    COL_NR = 12,
    COL_K = 60,
    COL_M = 110,
    COL_N = 220,
    COL_V = 330,
    COL_ACC = 440,
    COL_TEXT = 540,
    COL_DEL = 1120,
    COL_HEAD = 50
};

static const char *const Kled_Texts[5] = {"st\x84ndig", "lang", "mittel", "kurz", "sehr kurz"};

/* ---------------------------------------------------------------- "Schnittgrößen" */

/* The choice of the imposed load's category on its row: "Kat. A, B" .. "Kat. H". */
static const char *const *Imposed_Category_Texts(void)
{
    static char text[IMPOSED_CAT_COUNT][16];
    static const char *texts[IMPOSED_CAT_COUNT];
    for (int c = 0; c < IMPOSED_CAT_COUNT; c++) {
        snprintf(text[c], sizeof text[c], "Kat. %s", Imposed_Category_Letters(c));
        texts[c] = text[c];
    }
    return texts;
}

static void Action_Rows(int *r)
{
    Splice_Input_Record *s = &Splice_Input;
    Page_Heading((*r)++, "Charakteristische Einwirkungen");
    int y = Page_Row_Y(*r);
    Wdg_Draw_Text(COL_NR, y, "Lastfall", nullptr);
    Wdg_Draw_Text(COL_NR + 230, y, "KLED", nullptr);
    Wdg_Draw_Text(COL_NR + 380, y, "M_k [kNm]", nullptr);
    Wdg_Draw_Text(COL_NR + 490, y, "N_k [kN]", nullptr);
    Wdg_Draw_Text(COL_NR + 600, y, "V_k [kN]", nullptr);
    Wdg_Draw_Text(COL_NR + 710, y, "Bemerkung", nullptr);
    Wdg_Draw_Text(COL_NR + 1000, y, "Beiwerte", nullptr);
    (*r)++;
    for (int i = 0; i < CHAR_ACTION_COUNT; i++) {
        Char_Action_Rec *a = &s->Char_Actions[i];
        Page_Shadow.action_used_drawn[i] = a->used;
        y = Page_Row_Y(*r);
        char label[64];
        snprintf(label, sizeof label, "%d %s", i + 1, Char_Action_Name(i, s->snow_above_1000));
        Wdg_Draw_Check_Box(COL_NR, y, label, &a->used, nullptr);
        /* the imposed load takes the combination factors of its category (EN 1990, Table A1.1) */
        if (i == 2)
            Page_Choice_Texts(10, COL_NR + 125, y, Imposed_Category_Texts(), IMPOSED_CAT_COUNT,
                              &s->imposed_category);
        int state = a->used ? 1 : 0;
        Page_Choice_Texts(8, COL_NR + 230, y, Kled_Texts, 5, &a->kled);
        Wdg_Float_Field(COL_NR + 380, y, &a->M_k, 8, 2, &state);
        Wdg_Float_Field(COL_NR + 490, y, &a->N_k, 8, 2, &state);
        Wdg_Float_Field(COL_NR + 600, y, &a->V_k, 8, 2, &state);
        Wdg_Padded_Text_Field(COL_NR + 710, y, a->remark, 32, &state);
        /* the factors the annex gives the action: gamma unfavourable / favourable, psi leading
        ** / accompanying, each with the decimals it holds (an annex's 1.125 not as 1.13) */
        const auto held = [](double v) { return Held_Decimals(v, 2, 6); };
        Wdg_Printf_Text(COL_NR + 1000, y, "\xC0 %.*f/%.*f  \xB8 %.*f/%.*f", held(a->gamma_sup),
                        a->gamma_sup, held(a->gamma_inf), a->gamma_inf, held(a->psi_dom),
                        a->psi_dom, held(a->psi_sub), a->psi_sub);
        (*r)++;
    }
    Wdg_Draw_Check_Box(COL_NR, Page_Row_Y((*r)++),
                       "Schnee \x81"
                       "ber NN + 1000 m",
                       &s->snow_above_1000, nullptr);
}

/* The heading of a group's table; the typed rows have their accidental flag in a column. */
static void Combination_Columns(int y, bool typed)
{
    Wdg_Draw_Text(COL_NR, y, "Nr.", nullptr);
    Wdg_Draw_Text(COL_K, y, "Komb.", nullptr);
    Wdg_Draw_Text(COL_M, y, "M_d [kNm]", nullptr);
    Wdg_Draw_Text(COL_N, y, "N_d [kN]", nullptr);
    Wdg_Draw_Text(COL_V, y, "V_d [kN]", nullptr);
    if (typed)
        Wdg_Draw_Text(COL_ACC, y,
                      "au\xe1"
                      "ergew.",
                      nullptr);
    Wdg_Draw_Text(COL_TEXT, y, "Kommentar", nullptr);
}

/* The two numbers that name a row, as Lkom_Name does: "Nr. 6 (Gruppe 3, Kombination 2)" is
** row 2 of group 3 with 6 beside it; a row whose design values are all zero has no number. */
static void Combination_Numbers(int y, int number, int entry)
{
    if (number > 0) Wdg_Printf_Text(COL_NR, y, "%d", number);
    Wdg_Printf_Text(COL_K, y, "%d", entry + 1);
}

static void Generated_Rows(int *r)
{
    Splice_Input_Record *s = &Splice_Input;
    int total = 0;
    for (int g = 0; g < LKOM_GROUPS; g++) total += Lkom_Count_Entries(&s->lkom, g);
    char head[80];
    snprintf(head, sizeof head, "Erzeugte Lastkombinationen: %d", total);
    Page_Heading((*r)++, head);
    int ro = -1;
    for (int g = 0; g < LKOM_GROUPS; g++) {
        Lkom_Group *grp = &s->lkom.groups[g];
        if (!grp->used) continue;
        char t[80];
        double kmod = 0.0;
        Get_Group_Kmod(g, &kmod, nullptr, nullptr);
        /* the group the utilisation page and the report name, "Nr. n (Gruppe g, Kombination k)" */
        snprintf(t, sizeof t, "Gruppe %d", Lkom_Shown_Group(g));
        Page_Heading(*r, t);
        snprintf(t, sizeof t, "KLED %s, k_mod = %.2f",
                 grp->kled >= 0 && grp->kled < 5 ? Kled_Texts[grp->kled] : "?", kmod);
        Wdg_Draw_Text(COL_HEAD + 60, Page_Row_Y((*r)++), t, nullptr);
        Combination_Columns(Page_Row_Y((*r)++), false);
        int32_t numbers[LKOM_ENTRIES];
        Lkom_Group_Numbers(g, numbers);
        int shown = 0;
        for (int e = 0; e < LKOM_ENTRIES && shown < 200; e++) {
            Lkom_Entry *en = &grp->entries[e];
            if (!en->used) continue;
            int y = Page_Row_Y(*r);
            Combination_Numbers(y, numbers[e], e);
            Wdg_Float_Field(COL_M, y, &en->M_d, 8, 2, &ro);
            Wdg_Float_Field(COL_N, y, &en->N_d, 8, 2, &ro);
            Wdg_Float_Field(COL_V, y, &en->V_d, 8, 2, &ro);
            /* a generated accidental combination is seismic, designed with the persistent
            ** factors (Lkom_Accidental_Factors) */
            if (en->accidental)
                Wdg_Draw_Text(COL_ACC, y,
                              Is_Lkom_Seismic(en) ? "Erdbeben"
                                                  : "au\xe1"
                                                    "ergew.",
                              nullptr);
            Wdg_Draw_Text(COL_TEXT, y, en->comment, nullptr);
            (*r)++;
            shown++;
        }
    }
}

/* The kmod shown greyed for a group that takes kmod from its class. */
static double Used_Kmod[LKOM_GROUPS];

/* The used entries of one group, in order: the rows of its table, each with its entry and its
** number in the report's table. */
typedef struct Group_Rows {
    int32_t group;
    int32_t count;
    int32_t entry[LKOM_ENTRIES][2];
} Group_Rows;

/* One row of a group's table: the combination's number, forces, accidental flag, comment and
** its delete button. */
static void Combination_Row(int row, int y, const void *data)
{
    const Group_Rows *rows = (const Group_Rows *)data;
    const int g = rows->group, e = rows->entry[row][0];
    Lkom_Entry *en = &Splice_Input.lkom.groups[g].entries[e];
    Combination_Numbers(y, rows->entry[row][1], e);
    /* a hint names the row by the number it shows, as the system page's hints name their field */
    char row_name[48], name[64];
    if (rows->entry[row][1] > 0)
        snprintf(row_name, sizeof row_name, "Kombination %d", rows->entry[row][1]);
    else
        snprintf(row_name, sizeof row_name, "Gruppe %d, Kombination %d", Lkom_Shown_Group(g),
                 e + 1);
    snprintf(name, sizeof name, "%s, M_d", row_name);
    Wdg_Named_Float_Field(COL_M, y, &en->M_d, 8, 2, name, nullptr);
    snprintf(name, sizeof name, "%s, N_d", row_name);
    Wdg_Named_Float_Field(COL_N, y, &en->N_d, 8, 2, name, nullptr);
    snprintf(name, sizeof name, "%s, V_d", row_name);
    Wdg_Named_Float_Field(COL_V, y, &en->V_d, 8, 2, name, nullptr);
    Wdg_Draw_Check_Box(COL_ACC, y, "", &en->accidental, nullptr);
    Wdg_Text_Field_Visible(COL_TEXT, y, en->comment, LKOM_COMMENT_MAX, 60, nullptr);
    Wdg_Draw_Text_Hotspot(COL_DEL, y, "l\x94schen", ACT_DELETE_ROW + g * 1000 + e,
                          &Page_Shadow.action, nullptr);
}

static void Combination_Rows(int *r)
{
    Splice_Input_Record *s = &Splice_Input;
    for (int g = 0; g < LKOM_GROUPS; g++) {
        Lkom_Group *grp = &s->lkom.groups[g];
        if (!grp->used) continue;
        char head[40];
        snprintf(head, sizeof head, "Gruppe %d", Lkom_Shown_Group(g));
        Page_Heading(*r, head);
        int y = Page_Row_Y(*r);
        Wdg_Option_Button(COL_HEAD + 60, y, "k_mod", 0, &grp->kmod_source, &Page_Active);
        int kstate = grp->kmod_source == 0 ? 1 : 0;
        if (grp->kmod_source == 0) {
            Wdg_Limited_Float_Field(/*x=*/COL_HEAD + 150, /*y=*/y, /*var=*/&grp->kmod,
                                    /*factor=*/1.0,
                                    /*width=*/6, /*decimals=*/2, /*lower=*/0.1, /*upper=*/1.5,
                                    /*name=*/"k_mod", /*state=*/&kstate);
        } else {
            /* The kmod the checks take, greyed; it follows the class and the service class.
            ** The preset beside it is neither shown nor touched. */
            Get_Group_Kmod(g, &Used_Kmod[g], nullptr, nullptr);
            Wdg_Float_Field(COL_HEAD + 150, y, &Used_Kmod[g], 6, 2, &kstate);
        }
        Wdg_Option_Button(COL_HEAD + 280, y, "KLED", 1, &grp->kmod_source, &Page_Active);
        Page_Choice_Texts(8, COL_HEAD + 360, y, Kled_Texts, 5, &grp->kled);
        (*r)++;
        Combination_Columns(Page_Row_Y((*r)++), true);
        /* A group holds up to 1000 rows: the view area asks for those in view only. */
        static Group_Rows rows;
        rows.group = g;
        rows.count = 0;
        int32_t numbers[LKOM_ENTRIES];
        Lkom_Group_Numbers(g, numbers);
        for (int e = 0; e < LKOM_ENTRIES; e++) {
            if (!grp->entries[e].used) continue;
            rows.entry[rows.count][0] = e;
            rows.entry[rows.count++][1] = numbers[e];
        }
        Wdg_Add_Rows(Page_Row_Y(*r), PAGE_ROW, rows.count, Combination_Row, &rows,
                     offsetof(Group_Rows, entry) + sizeof rows.entry[0] * (size_t)rows.count);
        *r += rows.count;
        Wdg_Draw_Text_Hotspot(COL_M, Page_Row_Y((*r)++), "+ Zeile hinzuf\x81gen", ACT_ADD_ROW + g,
                              &Page_Shadow.action, nullptr);
    }
}

void Page_Schnittgroessen(int area)
{
    Splice_Input_Record *s = &Splice_Input;
    int r = 0;
    Page_Shadow.generated_drawn = s->lkom_generated;
    Wdg_Draw_Check_Box(PAGE_LABEL_X, Page_Row_Y(r++),
                       "Lastkombinationen aus charakteristischen Einwirkungen erzeugen",
                       &s->lkom_generated, nullptr);
    if (s->lkom_generated) {
        /* the factors the rows show follow the snow flag and the category just chosen */
        Regenerate_Lkoms_If_Generated();
        Action_Rows(&r);
        Generated_Rows(&r);
        (void)area;
        return;
    }
    Page_Heading(r++, "Bemessungsschnittgr\x94\xe1"
                      "en je Lastkombination");
    Combination_Rows(&r);
    Wdg_Draw_Text_Hotspot(PAGE_LABEL_X, Page_Row_Y(r++), "+ Gruppe hinzuf\x81gen", ACT_ADD_GROUP,
                          &Page_Shadow.action, nullptr);
    r++;
    Page_Heading(r++, "Import");
    Page_Label(r, "ASCII-Datei (kmod au\xe1"
                  "ergew. M_d N_d V_d Kommentar)");
    Wdg_Text_Field_Visible(PAGE_FIELD_X + 100, Page_Row_Y(r), Page_Shadow.import_path,
                           (int)sizeof Page_Shadow.import_path - 1, 40, nullptr);
    Wdg_Draw_Text_Hotspot(PAGE_FIELD_X + 480, Page_Row_Y(r++), "importieren", ACT_ASCII_IMPORT,
                          &Page_Shadow.action, nullptr);
    if (Morvelab_Available())
        Wdg_Draw_Text_Hotspot(PAGE_LABEL_X + 10, Page_Row_Y(r++),
                              "Schnittgr\x94\xe1"
                              "en aus einem anderen Bauteil importieren ...",
                              ACT_COMPONENT_IMPORT, &Page_Shadow.action, nullptr);
    Wdg_Draw_Text_Hotspot(PAGE_LABEL_X + 10, Page_Row_Y(r++), "alle Lastkombinationen l\x94schen",
                          ACT_DELETE_ALL, &Page_Shadow.action, nullptr);
    (void)area;
}

/* ---------------------------------------------------------------- "Ausnutzungen" */

/*
** Where the design did not take the active annex's values in full, say which values stood, as
** the report's heading of the checks does: the built-in defaults for the whole annex whose file
** could not be read, or for the parts of its file that could not be read whole. Answer the
** number of lines drawn from row r on.
*/
static int Annex_Values_Note(int r)
{
    /* a drawing never activates an annex: the record would change under the design */
    if (Nad_Params == nullptr || !Is_NAD_Activated()) return 0;
    char note[2][400];
    int n = 0;
    if (!Is_Active_NAD_File_Read()) {
        snprintf(note[n++], sizeof note[0],
                 "Anwendungsdokument \"%s\" nicht gelesen: bemessen mit den eingebauten "
                 "Vorgabewerten \"EC-Standard\"",
                 Get_Active_NAD_Title());
    } else if (Get_Active_NAD_Damage()->count > 0) {
        snprintf(note[n++], sizeof note[0],
                 "Anwendungsdokument \"%s\" nicht ganz gelesen. Die eingebauten Vorgabewerte "
                 "\"EC-Standard\" gelten für:"_cp850,
                 Get_Active_NAD_Title());
        NAD_Damage_Parts_Text(Get_Active_NAD_Damage(), note[n++], sizeof note[0]);
    }
    Wdg_Set_Fg_Colour(RED_CI);
    for (int i = 0; i < n; i++)
        Wdg_Draw_Text(PAGE_LABEL_X + 10, Page_Row_Y(r + i), note[i], nullptr);
    Wdg_Set_Fg_Colour(BLACK_CI);
    return n;
}

/* The words of a row of the utilisation list that has no number, or null for a number. */
static const char *Stand_In_Row_Word(double value)
{
    if (value == UTIL_NOT_ALLOWED) return UTIL_NOT_ALLOWED_TEXT;
    if (value == UTIL_NOT_VERIFIABLE || value == UTIL_NO_CHECK) return UTIL_NO_CHECK_TEXT;
    return nullptr;
}

/* The largest utilisation as the verdict states it (size bytes): in percent, or where a check
** cannot be made that check and why it has no number, a forbidden one first. */
static void Largest_Utilisation_Text(const Utilisation_List *u, double total, char *out,
                                     size_t size)
{
    int first = -1;
    for (int i = 0; i < u->count && i < UTIL_LIST_MAX; i++)
        if (Stand_In_Row_Word(u->value[i]) != nullptr
            && (first < 0
                || (u->value[i] == UTIL_NOT_ALLOWED && u->value[first] != UTIL_NOT_ALLOWED)))
            first = i;
    if (first >= 0)
        snprintf(out, size, "%s %s", u->name[first], Stand_In_Row_Word(u->value[first]));
    else if (total == UTIL_NO_CHECK) snprintf(out, size, "%s", UTIL_NO_CHECK_TEXT);
    else snprintf(out, size, "maximale Ausnutzung %.1f %%", total * 100.0);
}

/* The utilisation page shows this many lines of the report's list of combinations left out. */
#define LEFT_OUT_PAGE_PARTS 3

void Page_Ausnutzungen(int area, int x0, int y0, int x1, int y1)
{
    Set_Utilisation_Page_Area(area, x0, y0, x1, y1);
    Trim_Page_Texts();
    Regenerate_Lkoms_If_Generated();
    int r = 0;
    /* named with the annex whose values design the splice, as the report's heading does */
    char rules[160], head[200];
    if (Page_Rules_Name(rules, sizeof rules)[0])
        snprintf(head, sizeof head, "Ausnutzungen nach %s", rules);
    else snprintf(head, sizeof head, "Ausnutzungen");
    Page_Heading(r++, head);
    /* Computed once per change of the input; a visit without one shows the kept results. */
    int code = 0;
    double total = Splice_Calc_Checked(&code);
    if (code != 0) {
        Show_Error_Code(-1, 0, 0, 0, 0, code);
        return;
    }
    Show_Run_Errors();
    const Utilisation_List *u = &Splice_Input.utilisation;
    for (int i = 0; i < u->count && i < UTIL_LIST_MAX; i++) {
        int y = Page_Row_Y(r++);
        Wdg_Draw_Text(PAGE_LABEL_X + 10, y, u->name[i], nullptr);
        if (u->value[i] == UTIL_NOT_CHECKED) {
            /* and why, as a row that does not apply says */
            char why[UTIL_GOVERNS_MAX + 32];
            snprintf(why, sizeof why, u->governs[i][0] ? "nicht nachgewiesen (%s)" : "%s",
                     u->governs[i][0] ? u->governs[i] : "nicht nachgewiesen");
            Wdg_Draw_Text(PAGE_FIELD_X + 200, y, why, nullptr);
            continue;
        }
        if (u->value[i] == UTIL_NOT_APPLICABLE) {
            /* and why, where the other rows name their check */
            Wdg_Draw_Text(PAGE_FIELD_X + 200, y, "entf\x84llt", nullptr);
            Wdg_Draw_Text(PAGE_FIELD_X + 300, y, u->governs[i], nullptr);
            continue;
        }
        /* a check that cannot be made, or a case a rule forbids, has no number: it says so */
        const char *word = Stand_In_Row_Word(u->value[i]);
        Wdg_Set_Fg_Colour(word != nullptr || u->value[i] > UTIL_LIMIT ? RED_CI : BLACK_CI);
        if (word != nullptr) Wdg_Draw_Text(PAGE_FIELD_X + 200, y, word, nullptr);
        else Wdg_Printf_Text(PAGE_FIELD_X + 200, y, "%6.1f %%", u->value[i] * 100.0);
        Wdg_Set_Fg_Colour(BLACK_CI);
        /* which of the row's checks gives the value, in which combination (numbered as in the
        ** report's table and summary) */
        char which[64] = "";
        if (u->lkom_row[i] > 0) Lkom_Row_Name((int)u->lkom_row[i], which, sizeof which);
        char where[UTIL_GOVERNS_MAX + 96] = "";
        if (u->governs[i][0] && which[0])
            snprintf(where, sizeof where, "%s in Lastkombination %s", u->governs[i], which);
        else if (u->governs[i][0]) snprintf(where, sizeof where, "%s", u->governs[i]);
        else if (which[0]) snprintf(where, sizeof where, "Lastkombination %s", which);
        /* a long name continues below its row */
        int below = r - 1;
        if (where[0])
            Page_Draw_Wrapped(PAGE_FIELD_X + 300, &below, NPIXEL_X - PAGE_FIELD_X - 360, where);
        r = below > r ? below : r;
        /* two-sided nails that the geometry has driven alternately: so, and why */
        char why[200];
        if (strcmp(u->name[i], "Verbindungsmittel") == 0
            && Vbm_Alternate_Instead(why, sizeof why)) {
            char line[240];
            snprintf(line, sizeof line, "%s (zweiseitig gew\x84hlt)", why);
            Wdg_Set_Fg_Colour(BLUE_CI);
            Page_Draw_Wrapped(PAGE_LABEL_X + 30, &r, NPIXEL_X - PAGE_LABEL_X - 80, line);
            Wdg_Set_Fg_Colour(BLACK_CI);
        }
        /* dowels or plates that stick out of the members, under the check they concern */
        const int protruding = strcmp(u->name[i], "Verbindungsmittel") == 0 ? PROTRUDING_DOWELS
                               : strcmp(u->name[i], "Stahlblech") == 0      ? PROTRUDING_PLATES
                                                                            : -1;
        char hint[320];
        if (protruding >= 0 && Protrusion_Line(protruding, 0, hint, sizeof hint)) {
            Wdg_Set_Fg_Colour(BLUE_CI);
            Page_Draw_Wrapped(PAGE_LABEL_X + 30, &r, NPIXEL_X - PAGE_LABEL_X - 80, hint);
            Wdg_Set_Fg_Colour(BLACK_CI);
        }
    }
    r++;
    /* What a tension or compression splice leaves out, said before the result it qualifies. */
    Unchecked_Loads left_out;
    const bool incomplete = Get_Unchecked_Loads(&left_out) != 0;
    for (int which = UNCHECKED_MOMENT; which <= UNCHECKED_OTHER_SIGN; which++) {
        char note[320];
        if (!Unchecked_Load_Line(&left_out, which, 0, note, sizeof note)) continue;
        Wdg_Set_Fg_Colour(RED_CI);
        Page_Draw_Wrapped(PAGE_LABEL_X + 10, &r, NPIXEL_X - PAGE_LABEL_X - 60, note);
        Wdg_Set_Fg_Colour(BLACK_CI);
    }
    /* and the geometry that the splice of the other sign is to keep, with what falls short */
    Other_Sign_Route route;
    if (Get_Other_Sign_Route(&left_out, &route))
        for (int which = 0; which < OTHER_SIGN_ROUTE_LINES; which++) {
            char note[512];
            if (!Other_Sign_Route_Line(&route, which, 0, note, sizeof note)) continue;
            Wdg_Set_Fg_Colour(RED_CI);
            Page_Draw_Wrapped(PAGE_LABEL_X + 10, &r, NPIXEL_X - PAGE_LABEL_X - 60, note);
            Wdg_Set_Fg_Colour(BLACK_CI);
        }
    /* which combinations they are, by the numbers of the page of the internal forces and of the
    ** report's table, wrapped to the page; a long list in part, the report has it whole */
    std::string rows;
    char part_text[256];
    int part = 0;
    for (; part < LEFT_OUT_PAGE_PARTS && Left_Out_Rows_Line(part, part_text, sizeof part_text);
         part++) {
        const char *t = part_text;
        while (*t == ' ') t++;
        rows += (part > 0 ? " " : "") + std::string(t);
    }
    if (part == LEFT_OUT_PAGE_PARTS && Left_Out_Rows_Line(part, part_text, sizeof part_text))
        rows += " ... (vollst\x84ndig in der Druckliste)";
    if (!rows.empty()) {
        Wdg_Set_Fg_Colour(RED_CI);
        Page_Draw_Wrapped(PAGE_LABEL_X + 10, &r, NPIXEL_X - PAGE_LABEL_X - 60, rows.c_str());
        Wdg_Set_Fg_Colour(BLACK_CI);
    }
    /* A preset kmod above the standard's value: both values, and no plain "erfüllt" */
    Kmod_Above_Table above[LKOM_GROUPS];
    const int n_above = Get_Kmod_Above_Table(above);
    for (int i = 0; i < n_above; i++) {
        char note[256];
        Kmod_Above_Table_Line(&above[i], 0, note, sizeof note);
        Wdg_Set_Fg_Colour(RED_CI);
        Wdg_Draw_Text(PAGE_LABEL_X + 10, Page_Row_Y(r++), note, nullptr);
        Wdg_Set_Fg_Colour(BLACK_CI);
    }
    r += Annex_Values_Note(r);
    /* A check the splice needs that is not made: named beside the verdict, which holds for the
    ** checks made */
    char not_made[160];
    const bool unmade = Unmade_Checks_Text(not_made, sizeof not_made) > 0;
    const bool ok = total <= UTIL_LIMIT;
    char largest[UTIL_NAME_MAX + 40];
    Largest_Utilisation_Text(u, total, largest, sizeof largest);
    int y = Page_Row_Y(r++);
    Wdg_Set_Font(4096 | 0x10000);
    Wdg_Set_Fg_Colour(ok && !incomplete && n_above == 0 && !unmade ? GREEN_CI : RED_CI);
    Wdg_Printf_Text(PAGE_LABEL_X + 10, y, "%s%s%s: %s",
                    !ok           ? "Nachweis NICHT erf\x81llt"
                    : incomplete  ? "Nachweis unvollst\x84ndig (siehe Wichtig!)"
                    : n_above > 0 ? "Nachweis mit vorgegebenem k_mod erf\x81llt (siehe Wichtig!)"
                                  : "Nachweis erf\x81llt",
                    unmade ? ", " : "", unmade ? not_made : "", largest);
    Wdg_Set_Fg_Colour(BLACK_CI);
    Wdg_Set_Font(4096);
    if (Governing_Lkom.group >= 0) {
        const Lkom_Entry *e = Get_Lkom_Entry(Governing_Lkom.group, Governing_Lkom.entry);
        /* a moment that the splice does not check is named as such */
        const bool m_left_out =
            e && Splice_Input.splice_kind != SPLICE_BENDING && std::fabs(e->M_d) > LOAD_TOLERANCE;
        /* named as the report names it, so that it is found in the report's table */
        char name[64];
        Lkom_Name(Governing_Lkom.group, Governing_Lkom.entry, name, sizeof name);
        if (e)
            Wdg_Printf_Text(PAGE_LABEL_X + 10, Page_Row_Y(r++),
                            "ma\xe1gebend: %s, M_d = %.2f kNm%s, N_d = %.2f kN, V_d = %.2f kN",
                            name, e->M_d,
                            m_left_out ? " nicht ber\x81"
                                         "cksichtigt"
                                       : "",
                            e->N_d, e->V_d);
    }
}

/* ---------------------------------------------------------------- after an input */

static void Trim(char *t)
{
    size_t n = strlen(t);
    while (n > 0 && t[n - 1] == ' ') t[--n] = '\0';
}

void Trim_Page_Texts(void)
{
    Splice_Input_Record *s = &Splice_Input;
    for (int g = 0; g < LKOM_GROUPS; g++)
        for (int e = 0; e < LKOM_ENTRIES; e++)
            if (s->lkom.groups[g].entries[e].used) Trim(s->lkom.groups[g].entries[e].comment);
    for (int i = 0; i < CHAR_ACTION_COUNT; i++) Trim(s->Char_Actions[i].remark);
    Trim(Page_Shadow.import_path);
}

static void Add_Group(void)
{
    Lkom_Table *t = &Splice_Input.lkom;
    for (int g = 0; g < LKOM_GROUPS; g++) {
        Lkom_Group *grp = &t->groups[g];
        if (grp->used) continue;
        grp->used = 1;
        grp->source = 0;
        grp->kmod_source = 1;
        grp->kled = 2;
        grp->kmod = 0.8;
        Lkom_Entry *e = &grp->entries[0];
        e->used = 1;
        e->kled = -1;
        return;
    }
    Msg_Hint_In_Mode(MSG_BOX, "Es gibt h\x94"
                              "chstens 10 Gruppen");
}

/* The import from another component: the selection tool writes its result as an ASCII import
** file, which is read like one; nothing when the tool was cancelled or chose nothing. */
static void Component_Import(void)
{
    char result[SPLICE_PATH_MAX];
    if (!Exchange_Run_Selection_Tool(Bauteilkennung, (int)Splice_File_Number, result,
                                     sizeof result))
        return;
    Import_Lkom_Ascii_With_Message(result, &Splice_Input.lkom);
}

/* The head (or back) diameter and the core diameter of the current catalogue row, where the
** catalogue gives them: a new size brings its own. */
static void Take_Row_Values(void)
{
    Splice_Input_Record *s = &Splice_Input;
    const Vbm_Type_Code t = (Vbm_Type_Code)s->vbm_type;
    double dk = Get_Vbm_Row_Value(t, s->vbm_row, "dk");
    double d1 = Get_Vbm_Row_Value(t, s->vbm_row, "d1");
    if (dk > 0.0) s->d_k = dk;
    if (d1 > 0.0) s->d_2 = d1;
    if (t == 30) s->d_bolt = s->d; /* a bolt is its own bolt */
    /* a connector's size brings a bolt of its own where the one chosen does not fit it; the
    ** page shows it beside the range of its size */
    if (Is_Vbm_Connector(t)) s->bolt_index = Connector_Row_Bolt_Index(t, s->vbm_row, s->bolt_index);
}

/* Keep the size of the current fastener type, which another type replaces. */
static void Keep_Type_Size(void)
{
    Splice_Input_Record *s = &Splice_Input;
    if (s->vbm_type < VBM_TYPE_FIRST || s->vbm_type > VBM_TYPE_LAST) return;
    Vbm_Size_Rec *k = &s->sizes[VBM_TYPE_SLOT(s->vbm_type)];
    k->kept = 1;
    k->row = s->vbm_row;
    k->d = s->d;
    k->d_2 = s->d_2;
    k->l = s->l;
    k->l_ef = s->l_ef;
    k->d_k = s->d_k;
}

/* Give the current type back the size it was left with; 0 when it has none. */
static int Take_Kept_Size(void)
{
    Splice_Input_Record *s = &Splice_Input;
    if (s->vbm_type < VBM_TYPE_FIRST || s->vbm_type > VBM_TYPE_LAST) return 0;
    const Vbm_Size_Rec *k = &s->sizes[VBM_TYPE_SLOT(s->vbm_type)];
    if (!k->kept) return 0;
    s->vbm_row = k->row;
    s->d = k->d;
    s->d_2 = k->d_2;
    s->l = k->l;
    s->l_ef = k->l_ef;
    s->d_k = k->d_k;
    if (s->vbm_type == VBM_BOLZEN) s->d_bolt = s->d; /* a bolt is its own bolt */
    return 1;
}

/* The layout a type keeps (slot: VBM_TYPE_SLOT of it): "8 x 5", ", versetzt" and ", in zwei
** Gruppen" where it is so. */
static std::string Slot_Layout_Text(int slot)
{
    const Splice_Input_Record *s = &Splice_Input;
    char text[80];
    snprintf(text, sizeof text, "%.0f x %.0f%s%s", s->n_col[slot], s->n_row[slot],
             s->layout[slot] == LAYOUT_STAGGERED ? ", versetzt" : "",
             s->grouped[slot] ? ", in zwei Gruppen" : "");
    return text;
}

/* Each type keeps its own layout: where the type just chosen (code) has another than the one
** left (was), say which now holds, as the layout's page is not in view. */
static void Tell_Type_Layout(int was, int code)
{
    if (was < VBM_TYPE_FIRST || was > VBM_TYPE_LAST || code < VBM_TYPE_FIRST
        || code > VBM_TYPE_LAST)
        return;
    const std::string before = Slot_Layout_Text(VBM_TYPE_SLOT(was));
    const std::string now = Slot_Layout_Text(VBM_TYPE_SLOT(code));
    if (before == now) return;
    const std::string old_name = Get_Vbm_Type_Name((Vbm_Type_Code)was, 1);
    Msg_Hint_In_Mode(MSG_BOX,
                     "Die Anordnung je Sto\xE1h\x84lfte ist die des Typs %s: n_c x n_r = %s "
                     "(%s beh\x84lt %s)",
                     Get_Vbm_Type_Name((Vbm_Type_Code)code, 1), now.c_str(), old_name.c_str(),
                     before.c_str());
}

/* Take the type, size and length chosen on the fastener page; 1 when the type or size changed
** (the size and length then start from the catalogue). A type chosen again takes back the size
** it was left with, so that changing the type and back changes nothing. */
static int Fastener_Page_Choice(void)
{
    Splice_Input_Record *s = &Splice_Input;
    if (Page_Shadow.type_pos >= 0 && Page_Shadow.type_pos < Page_Shadow.type_count) {
        int code = Page_Shadow.type_codes[Page_Shadow.type_pos];
        if (code != s->vbm_type) {
            Keep_Type_Size();
            Tell_Type_Layout(s->vbm_type, code);
            s->vbm_type = code;
            if (Take_Kept_Size()) {
                Page_Shadow.row = s->vbm_row;
                return 1;
            }
            Page_Shadow.row = 0;
            int32_t n = Get_Vbm_Catalogue_Rows((Vbm_Type_Code)code);
            int32_t near = Find_Vbm_Row_By_Diameter((Vbm_Type_Code)code, s->d);
            s->vbm_row = n > 0 && near >= 0 && near < n ? near : 0;
            s->d = Get_Vbm_Diameter((Vbm_Type_Code)code, s->vbm_row);
            if (Get_Vbm_Row_Length_Count((Vbm_Type_Code)code, s->vbm_row) > 0) {
                s->l = Get_Vbm_Length((Vbm_Type_Code)code, s->vbm_row, 0);
                s->l_ef = Get_Vbm_Eff_Length((Vbm_Type_Code)code, s->vbm_row, 0);
            }
            Take_Row_Values();
            return 1;
        }
    }
    if (Page_Shadow.row != s->vbm_row && Page_Shadow.row >= 0
        && Page_Shadow.row < Page_Shadow.row_count) {
        s->vbm_row = Page_Shadow.row;
        s->d = Get_Vbm_Diameter((Vbm_Type_Code)s->vbm_type, s->vbm_row);
        if (Get_Vbm_Row_Length_Count((Vbm_Type_Code)s->vbm_type, s->vbm_row) > 0) {
            s->l = Get_Vbm_Length((Vbm_Type_Code)s->vbm_type, s->vbm_row, 0);
            s->l_ef = Get_Vbm_Eff_Length((Vbm_Type_Code)s->vbm_type, s->vbm_row, 0);
        }
        Take_Row_Values();
        return 1;
    }
    if (Page_Shadow.length_pos >= 0
        && Page_Shadow.length_pos
               < Get_Vbm_Row_Length_Count((Vbm_Type_Code)s->vbm_type, s->vbm_row)) {
        s->l = Get_Vbm_Length((Vbm_Type_Code)s->vbm_type, s->vbm_row, Page_Shadow.length_pos);
        s->l_ef =
            Get_Vbm_Eff_Length((Vbm_Type_Code)s->vbm_type, s->vbm_row, Page_Shadow.length_pos);
    }
    return 0;
}

/* A row of an action switched on with all its loads still zero, whose class stands at
** "ständig" (the start of every row in older files), takes the class the annex gives its
** action (Char_Action_Start_Kled): a wind row switched on reads "kurz", not "ständig". */
static void Start_Switched_On_Actions(void)
{
    Splice_Input_Record *s = &Splice_Input;
    if (!s->lkom_generated) return; /* the rows were not on the page */
    for (int i = 0; i < CHAR_ACTION_COUNT; i++) {
        Char_Action_Rec *a = &s->Char_Actions[i];
        if (a->used && !Page_Shadow.action_used_drawn[i] && a->M_k == 0.0 && a->N_k == 0.0
            && a->V_k == 0.0 && a->kled == KLED_STAENDIG)
            a->kled = Char_Action_Start_Kled(i);
        Page_Shadow.action_used_drawn[i] = a->used;
    }
}

/* The switch of generated combinations, just ticked, replaces the rows of the table: where it
** holds rows, ask first, and keep them (the switch cleared again) on "Nein", as "alle
** Lastkombinationen löschen" does. */
static void Confirm_Generation(void)
{
    Splice_Input_Record *s = &Splice_Input;
    const bool ticked = s->lkom_generated && !Page_Shadow.generated_drawn;
    Page_Shadow.generated_drawn = s->lkom_generated;
    if (!ticked) return;
    int rows = 0;
    for (int g = 0; g < LKOM_GROUPS; g++) rows += Lkom_Count_Entries(&s->lkom, g);
    if (rows == 0) return;
    char line[120];
    Init_Message();
    Set_Message_Title("Lastkombinationen erzeugen");
    if (rows == 1) snprintf(line, sizeof line, "Die eingegebene Lastkombination wird durch die");
    else
        snprintf(line, sizeof line, "Die %d eingegebenen Lastkombinationen werden durch die", rows);
    Fill_Message(line);
    Fill_Message("aus den charakteristischen Einwirkungen erzeugten ersetzt.");
    Fill_Message(rows == 1 ? "Eingegebene Lastkombination ersetzen?"
                           : "Eingegebene Lastkombinationen ersetzen?");
    if (!Answer_is_Yes(0)) {
        s->lkom_generated = 0;
        Page_Shadow.generated_drawn = 0;
    }
}

int Page_After_Input(int page)
{
    Splice_Input_Record *s = &Splice_Input;
    Page_Choice_Commit();
    switch (page) {
    case PAGE_SYSTEM:
        /* Another material: its list of grades starts again at its first grade. */
        if (s->mat_mid != Page_Shadow.mat_mid_drawn) s->grade_mid = 0;
        if (s->mat_side != Page_Shadow.mat_side_drawn) s->grade_side = 0;
        Page_Shadow.mat_mid_drawn = s->mat_mid;
        Page_Shadow.mat_side_drawn = s->mat_side;
        /* Plates are counted in whole numbers: the field refuses a fraction, and the
        ** computation would cut one off unseen. */
        s->plate_count = floor(s->plate_count + 0.5);
        /* The failure mode is printed only for a single plate. */
        if (s->plate_count != 1.0) s->failure_mode_switch = 0;
        return 1;
    case PAGE_VERBINDUNGSMITTEL: {
        Fastener_Page_Choice();
        /* A connector is designed by its catalogue row and the bolt of the bolt list; a dowel
        ** or bolt has one steel, which the plate bearing reads as the bolt steel. */
        if (Is_Vbm_Connector((Vbm_Type_Code)s->vbm_type)) {
            s->connector_index = s->vbm_row;
            const Diameter_List *bl = &Dowel_Bolt_Diameters.bolt;
            if (s->bolt_index >= 0 && s->bolt_index < bl->count) s->d_bolt = bl->d[s->bolt_index];
        }
        if (s->vbm_type == 29 || s->vbm_type == 30) s->bolt_steel = s->vbm_steel;
        if (s->plate_count != 1.0) s->failure_mode_switch = 0;
        return 1;
    }
    case PAGE_ANORDNUNG: {
        /* Fasteners and rows are whole numbers: the fields refuse a fraction. */
        if (s->vbm_type >= VBM_TYPE_FIRST && s->vbm_type <= VBM_TYPE_LAST) {
            const int slot = VBM_TYPE_SLOT(s->vbm_type);
            s->n_col[slot] = floor(s->n_col[slot] + 0.5);
            s->n_row[slot] = floor(s->n_row[slot] + 0.5);
        }
        /* A spacing switched to the user's value starts from what the pattern has, so that
        ** ticking the box alone changes nothing. */
        Page_Present_Rec *pr = &Page_Shadow.present;
        struct {
            int32_t user;
            double *v;
            double present;
        } rows[] = {{s->a1_user, &s->a1, pr->a1},
                    {s->a2_user, &s->a2, pr->a2},
                    {s->a3_user, &s->a3, pr->a3},
                    {s->a4_user, &s->a4, pr->a4},
                    {s->e1_user, &s->e1, pr->e1}};
        for (auto &row : rows)
            if (row.user && *row.v < 0.1 && row.present > 0.0 && Page_Present_In_Force())
                *row.v = row.present;
        return 1;
    }
    case PAGE_SCHNITTGROESSEN: {
        Confirm_Generation();
        Start_Switched_On_Actions();
        int act = Page_Shadow.action;
        Page_Shadow.action = ACT_NONE;
        if (act == ACT_ADD_GROUP) {
            Add_Group();
        } else if (act == ACT_ASCII_IMPORT) {
            Trim(Page_Shadow.import_path);
            Import_Lkom_Ascii_With_Message(Page_Shadow.import_path, &s->lkom);
        } else if (act == ACT_COMPONENT_IMPORT) {
            Component_Import();
        } else if (act == ACT_DELETE_ALL) {
            Init_Message();
            Set_Message_Title("L\x94schen");
            Fill_Message("Alle Lastkombinationen l\x94schen?");
            if (Answer_is_Yes(0)) Lkom_Clear_Table(&s->lkom);
        } else if (act >= ACT_DELETE_ROW) {
            int g = (act - ACT_DELETE_ROW) / 1000, e = (act - ACT_DELETE_ROW) % 1000;
            Lkom_Delete_Entry(&s->lkom, g, e);
        } else if (act >= ACT_ADD_ROW && act < ACT_ADD_ROW + LKOM_GROUPS) {
            int g = act - ACT_ADD_ROW;
            int e = Lkom_Free_Entry(&s->lkom, g);
            if (e < 0) {
                Msg_Hint_In_Mode(MSG_BOX, "Eine Gruppe fasst h\x94"
                                          "chstens 1000 Lastkombinationen");
            } else {
                Lkom_Entry *en = &s->lkom.groups[g].entries[e];
                memset(en, 0, sizeof *en);
                for (int k = 0; k < LKOM_ACTION_SLOTS; k++) en->actions[k] = -1;
                en->used = 1;
                en->kled = -1;
                s->lkom.groups[g].used = 1;
            }
        }
        return 1;
    }
    default: return 1;
    }
}
