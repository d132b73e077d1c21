/*
** The first three pages of the main sheet: "System" (splice and connection kind, members,
** plates, service class and options), "Verbindungsmittel" (fastener type, size, length and
** options with the design of the current fastener) and "Anordnung" (layout and spacings with a
** drawing of the pattern). Each page adds fresh items to the view area whenever it is drawn.
*/
#include "splice/splice_app.h"
#include "splice/pages_internal.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "catalogue/catalogue.h"
#include "design/design.h"
#include "dialogs/dialogs.h"
#include "foundation/foundation.h"
#include "nad/nad.h"
#include "platform/zelkwin.h"
#include "results/print_list.h"
#include "results/results.h"

Page_Shadow_Rec Page_Shadow;
int Page_Active = 1;

/* ---------------------------------------------------------------- helpers */

int Page_Row_Y(int row) { return PAGE_TOP + row * PAGE_ROW; }

void Page_Heading(int row, const char *text)
{
    Wdg_Set_Font(4096 | 0x10000);
    Wdg_Draw_Text(PAGE_LABEL_X, Page_Row_Y(row), text, nullptr);
    Wdg_Set_Font(4096);
}

const char *Page_Rules_Name(char *out, size_t size)
{
    /* a drawing never activates an annex: the record would change under the design */
    if (Nad_Params != nullptr && !Is_NAD_Activated()) {
        if (size > 0) out[0] = '\0';
        return out;
    }
    return Design_Rules_Name(out, size);
}

void Page_Label(int row, const char *text)
{
    Wdg_Draw_Text(PAGE_LABEL_X + 10, Page_Row_Y(row), text, nullptr);
}

void Page_Float(int row, const char *label, double *var, int decimals, double lower, double upper,
                const char *name)
{
    Page_Label(row, label);
    Wdg_Limited_Float_Field(/*x=*/PAGE_FIELD_X, /*y=*/Page_Row_Y(row), /*var=*/var, /*factor=*/1.0,
                            /*width=*/8, /*decimals=*/decimals, /*lower=*/lower, /*upper=*/upper,
                            /*name=*/name, /*state=*/nullptr);
}

void Page_Count(int row, const char *label, double *var, double lower, double upper,
                const char *name)
{
    Page_Float(row, label, var, 0, lower, upper, name);
    SVA_Set_Last_Field_Whole(Wdg_Get_Area());
}

/* Choice slots: the texts of a choice field must outlive the drawing of the page. */
static std::string Choice_Store[PAGE_CHOICE_SLOTS];

/* A choice whose stored value lies outside its list (a file of another catalogue or program
** version) is drawn on a shadow with one more entry for that value, so that looking at the
** page changes nothing; a pick from the list is written back by Page_Choice_Commit. */
typedef struct Choice_Pending {
    int *var;          /* the stored value */
    int count;         /* entries of the list proper */
    int shadow;        /* what the field shows: count for the stored value */
    std::string texts; /* the list with the extra entry */
} Choice_Pending;

enum { CHOICE_PENDING_MAX = 32 };
static Choice_Pending Pending[CHOICE_PENDING_MAX];
static int Pending_Count;

void Page_Choice_Reset(void) { Pending_Count = 0; }

void Page_Choice_Commit(void)
{
    for (int i = 0; i < Pending_Count; i++) {
        Choice_Pending *p = &Pending[i];
        if (p->shadow >= 0 && p->shadow < p->count) {
            *p->var = p->shadow;
            p->shadow = p->count = 0; /* taken */
        }
    }
}

/* The texts of a list in the fixed-stride form of the choice field. */
static std::string Choice_Texts(const Mat_List_Item *items, int count, const char *extra,
                                size_t *stride)
{
    size_t w = extra ? strlen(extra) + 1 : 2;
    for (int i = 0; i < count; i++) w = std::max(w, strlen(items[i].text ? items[i].text : "") + 1);
    int n = count + (extra ? 1 : 0);
    std::string texts(w * (size_t)n, '\0');
    for (int i = 0; i < count; i++)
        memcpy(&texts[w * (size_t)i], items[i].text ? items[i].text : "",
               strlen(items[i].text ? items[i].text : ""));
    if (extra) memcpy(&texts[w * (size_t)count], extra, strlen(extra));
    *stride = w;
    return texts;
}

void Page_Choice(int slot, int x, int y, const Mat_List_Item *items, int count, int *index)
{
    if (slot < 0 || slot >= PAGE_CHOICE_SLOTS || !items || count < 1 || !index) return;
    size_t stride = 2;
    if ((*index < 0 || *index >= count) && Pending_Count < CHOICE_PENDING_MAX) {
        Choice_Pending *p = &Pending[Pending_Count++];
        char extra[48];
        snprintf(extra, sizeof extra, "(aus der Datei: %d)", *index);
        p->var = index;
        p->count = count;
        p->shadow = count;
        p->texts = Choice_Texts(items, count, extra, &stride);
        Wdg_Choice_Field(x, y, p->texts.data(), nullptr, (int)stride, count + 1, &p->shadow,
                         nullptr);
        return;
    }
    std::string texts = Choice_Texts(items, count, nullptr, &stride);
    /* Fields drawn earlier may still point into the slot: replace it only when it changes. */
    std::string &s = Choice_Store[slot];
    if (s != texts) s = texts;
    if (*index < 0 || *index >= count) *index = 0;
    Wdg_Choice_Field(x, y, s.data(), nullptr, (int)stride, count, index, nullptr);
}

void Page_Choice_Texts(int slot, int x, int y, const char *const *texts, int count, int *index)
{
    std::vector<Mat_List_Item> items((size_t)count);
    for (int i = 0; i < count; i++) items[(size_t)i] = {0, texts[i]};
    Page_Choice(slot, x, y, items.data(), count, index);
}

/* ---------------------------------------------------------------- "System" */

static const char *const Splice_Kind_Texts[3] = {"Biegesto\xe1", "Zugsto\xe1", "Drucksto\xe1"};
static const char *const Conn_Kind_Texts[4] = {"Seitenh\x94lzer", "Bleche innen",
                                               "Bleche au\xe1"
                                               "en",
                                               "Blatt"};
/* Steel grades offered for plates and for the steel of dowels and bolts. */
static const uint32_t Steel_Codes[3] = {5, 6, 7};
/* Bolts also come in the strength classes of EN ISO 898-1: FK 4.6, 4.8, 5.6, 5.8, 8.8, 10.9. */
static const uint32_t Bolt_Class_Codes[6] = {23, 24, 25, 26, 27, 28};

static int Uses_Plates(void)
{
    return Splice_Input.connection_kind == CONN_INNER_PLATES
           || Splice_Input.connection_kind == CONN_OUTER_PLATES;
}

static int Uses_Side_Timbers(void) { return Splice_Input.connection_kind == CONN_SIDE_TIMBERS; }

void Page_System(int area)
{
    Splice_Input_Record *s = &Splice_Input;
    /* Thickness and length left to the program are shown as the last run chose them; while the
    ** run cannot choose them (no loads yet, an invalid splice) they show that they are open
    ** rather than a value nothing computed. */
    int run = 0;
    if (!s->t_s_user || !s->L_user) {
        Regenerate_Lkoms_If_Generated();
        run = Splice_Calc_Prepared();
    }
    int r = 0;
    Page_Heading(r, "Sto\xe1"
                    "art");
    /* the annex whose values design the splice, as the report's heading of the checks names it */
    char rules[160];
    if (Page_Rules_Name(rules, sizeof rules)[0]) {
        Wdg_Set_Font(4096 | 0x10000);
        Wdg_Printf_Text(PAGE_RULES_X, Page_Row_Y(r), "Nachweise nach %s", rules);
        Wdg_Set_Font(4096);
    }
    r++;
    for (int i = 0; i < 3; i++)
        Wdg_Option_Button(PAGE_LABEL_X + 10 + 160 * i, Page_Row_Y(r), Splice_Kind_Texts[i], i,
                          &s->splice_kind, &Page_Active);
    r++;
    Page_Heading(r++, "Verbindungsart");
    for (int i = 0; i < 4; i++)
        Wdg_Option_Button(PAGE_LABEL_X + 10 + 160 * i, Page_Row_Y(r), Conn_Kind_Texts[i], i,
                          &s->connection_kind, &Page_Active);
    r++;
    Page_Heading(r++, "Nutzungsklasse");
    for (int i = 1; i <= 3; i++) {
        char t[8];
        snprintf(t, sizeof t, "%d", i);
        Wdg_Option_Button(PAGE_LABEL_X + 10 + 80 * (i - 1), Page_Row_Y(r), t, i, &s->service_class,
                          &Page_Active);
    }
    r++;

    int32_t w = 0, n = 0;
    Page_Shadow.mat_mid_drawn = s->mat_mid;
    Page_Shadow.mat_side_drawn = s->mat_side;
    Page_Heading(r++, "Mittelholz");
    Page_Label(r, "Material");
    Mat_List_Item *groups = Get_Material_List(MAT_LIST_TIMBER_GROUPS, &w, &n, BLACK_CI);
    Page_Choice(0, PAGE_FIELD_X, Page_Row_Y(r), groups, n, &s->mat_mid);
    r++;
    Page_Label(r, "Festigkeitsklasse");
    Mat_List_Item *grades = Get_Material_List(s->mat_mid, &w, &n, BLACK_CI);
    Page_Choice(1, PAGE_FIELD_X, Page_Row_Y(r), grades, n, &s->grade_mid);
    r++;
    Page_Float(r++, "Breite b [cm]", &s->b, 1, 2.0, 100.0, "b");
    Page_Float(r++, "H\x94he h [cm]", &s->h, 1, 4.0, 300.0, "h");
    /* The raise of f_m,k applies to glulam only; the box stays in its row, greyed otherwise. */
    int glulam_mid = Is_Mat_Glulam(s->mat_mid) || s->edgewise_mid ? 1 : 0;
    Wdg_Draw_Check_Box(PAGE_LABEL_X + 10, Page_Row_Y(r), "Brettschichtholz hochkant (f_m,k + 20 %)",
                       &s->edgewise_mid, &glulam_mid);
    r++;

    if (s->connection_kind == CONN_LAP) {
        /* the lap joins two halves of the member itself: no further timber */
        Page_Heading(r++, "Blatt");
        Wdg_Printf_Text(PAGE_LABEL_X + 10, Page_Row_Y(r++),
                        "beide Blatth\x84lften aus dem Mittelholz, je %.1f cm dick (b / 2)",
                        s->b / 2.0);
    } else if (Uses_Side_Timbers()) {
        Page_Heading(r++, "Seitenh\x94lzer");
        Page_Label(r, "Material");
        Page_Choice(2, PAGE_FIELD_X, Page_Row_Y(r), groups, 4, &s->mat_side);
        r++;
        Page_Label(r, "Festigkeitsklasse");
        Mat_List_Item *g2 = Get_Material_List(s->mat_side, &w, &n, BLACK_CI);
        Page_Choice(3, PAGE_FIELD_X, Page_Row_Y(r), g2, n, &s->grade_side);
        r++;
        Wdg_Option_Button(PAGE_LABEL_X + 10, Page_Row_Y(r), "Dicke vorgeben", 1, &s->t_s_user,
                          &Page_Active);
        Wdg_Option_Button(PAGE_LABEL_X + 210, Page_Row_Y(r), "Dicke automatisch", 0, &s->t_s_user,
                          &Page_Active);
        r++;
        if (s->t_s_user) {
            Page_Float(r++, "Dicke t_s [cm]", &s->t_s, 1, 1.0, 100.0, "t_s");
        } else {
            Page_Label(r, "Dicke t_s [cm] (vom Programm gew\x84hlt)");
            int ro = WDG_READ_ONLY;
            Wdg_Float_Field(PAGE_FIELD_X, Page_Row_Y(r++), &s->t_s, 8, 1, &ro);
            if (run != 0) SVA_Set_Last_Field_Extra_Text(area, "noch offen");
        }
        Page_Float(r++, "H\x94he h_s [cm]", &s->h_s, 1, 4.0, 300.0, "h_s");
        int glulam_side = Is_Mat_Glulam(s->mat_side) || s->edgewise_side ? 1 : 0;
        Wdg_Draw_Check_Box(PAGE_LABEL_X + 10, Page_Row_Y(r++),
                           "Brettschichtholz hochkant (f_m,k + 20 %)", &s->edgewise_side,
                           &glulam_side);
    } else {
        Page_Heading(r++, "Stahlbleche");
        Page_Count(r++, "Anzahl Bleche n_p", &s->plate_count, 1.0, 10.0, "n_p");
        Page_Float(r++, "Blechdicke t_p [cm]", &s->t_p, 2, 0.2, 5.0, "t_p");
        Page_Float(r++, "Blechh\x94he h_p [cm]", &s->h_p, 1, 2.0, 300.0, "h_p");
        Page_Label(r, "Stahlg\x81te");
        for (int i = 0; i < 3; i++) {
            Wdg_Option_Button(PAGE_FIELD_X + 120 * i, Page_Row_Y(r),
                              Get_Stahlguete_Name(Steel_Codes[i]), (int)Steel_Codes[i],
                              &s->plate_steel, &Page_Active);
        }
        r++;
    }
    Page_Heading(r++, s->connection_kind == CONN_LAP ? "L\x84nge des Blatts"
                      : Uses_Plates()                ? "L\x84nge der Bleche"
                                                     : "L\x84nge der Seitenh\x94lzer");
    Wdg_Option_Button(PAGE_LABEL_X + 10, Page_Row_Y(r), "L\x84nge vorgeben", 1, &s->L_user,
                      &Page_Active);
    Wdg_Option_Button(PAGE_LABEL_X + 210, Page_Row_Y(r), "L\x84nge automatisch", 0, &s->L_user,
                      &Page_Active);
    r++;
    /* a length the splice asks at least: where the field cannot show every decimal it holds,
    ** it shows it rounded up, which typed is enough */
    if (s->L_user) {
        Page_Float(r++, "L\x84nge L [cm]", &s->L, 1, 10.0, 2000.0, "L");
        Wdg_Set_Last_Field_Least();
    } else {
        Page_Label(r, "L\x84nge L [cm] (vom Programm gew\x84hlt)");
        int ro = WDG_READ_ONLY;
        Wdg_Float_Field(PAGE_FIELD_X, Page_Row_Y(r++), &s->L, 8, 1, &ro);
        Wdg_Set_Last_Field_Least();
        if (run != 0) SVA_Set_Last_Field_Extra_Text(area, "noch offen");
    }
    Page_Heading(r++, "Optionen");
    /* block shear is checked at the holes of steel plates */
    int bs_state = Uses_Plates() || s->block_shear ? 1 : 0;
    Wdg_Draw_Check_Box(PAGE_LABEL_X + 10, Page_Row_Y(r++),
                       "Blockscherversagen nachweisen (Stahlbleche)", &s->block_shear, &bs_state);
    Wdg_Draw_Check_Box(PAGE_LABEL_X + 10, Page_Row_Y(r++), "Festigkeit vorgeben",
                       &s->strength_override_on, nullptr);
    if (s->strength_override_on)
        Page_Float(r++, "Festigkeit [N/mm\xfd]", &s->strength_override, 1, 1.0, 1000.0,
                   "Festigkeit");
}

/* ---------------------------------------------------------------- "Verbindungsmittel" */

enum { VBM_RESULT_X = 700 }; /* left edge of the design column */

static const char *const Method_Texts[3] = {"vereinfacht", "genau", "Bemessungswerte"};

/* The design of the current fastener as the fastener page shows it; 0 or the error code. */
static int Design_Current_Fastener(Connection_Result *res, int *in_kN)
{
    *in_kN = 0;
    memset(res, 0, sizeof *res);
    Regenerate_Lkoms_If_Generated();
    int code = Splice_Calc_Prepared();
    if (code != 0) return code;
    Connection_Input in;
    memset(&in, 0, sizeof in);
    Lkom_Group *g = &Splice_Input.lkom.groups[0];
    int kled = 2, kmod_source = 1;
    double kmod = 0.9;
    for (int i = 0; i < LKOM_GROUPS; i++)
        if (Splice_Input.lkom.groups[i].used) {
            g = &Splice_Input.lkom.groups[i];
            kled = g->kled;
            kmod_source = g->kmod_source;
            kmod = g->kmod;
            break;
        }
    double n = Splice_N_Col(&Splice_Input) * Splice_N_Row(&Splice_Input);
    Fill_Vbm_Design_Input(&in, kled, 0.0, 0.0, (int)n, 1, 0, kmod_source, kmod);
    *in_kN = in.result_in_kN ? 1 : 0;
    if (!Is_Vbm_Screw_Family_C((Vbm_Type_Code)Splice_Input.vbm_type)) {
        int err = Design_Connection(in, res);
        if (err == 0) Get_Member_Kmod(&in, res);
        return err;
    }
    /* Approved screws: the rules of their approval on the joint's members (without the
    ** rope effect, which the check of a combination adds). */
    Vbm_Rule_Input rule;
    memset(&rule, 0, sizeof rule);
    Fill_Joint_Members(&rule, 0.0, 0.0);
    int message = 0, hint = 0;
    int planes = Splice_Input.shear_planes >= 2 ? 2 : 1;
    if (Check_Vbm_Limits(planes, &rule, &message, &hint) != 0) return message != 0 ? message : 1;
    Vbm_Rule_Result rr;
    memset(&rr, 0, sizeof rr);
    Calc_Fv_Rk(&rule, planes, &rr);
    in.kmod_by_member = in.kmod_by_member != 0 || in.kmod_given < 1e-7;
    Get_Member_Kmod(&in, res);
    Copy_Vbm_Results(res, &rr, *in_kN);
    return 0;
}

/* The type choice: the types of the list, and a type of a file that the list does not offer. */
static void Fastener_Type_Row(int *r)
{
    Splice_Input_Record *s = &Splice_Input;
    Page_Label(*r, "Typ");
    int32_t count = 0;
    int32_t codes[20];
    Mat_List_Item *list = Get_Vbm_Type_List(0xF, BLACK_CI, &count, codes);
    Mat_List_Item types[20];
    int nt = count < 20 ? count : 20, pos = -1;
    for (int i = 0; i < nt; i++) {
        types[i] = list[i];
        Page_Shadow.type_codes[i] = codes[i];
        if (codes[i] == s->vbm_type) pos = i;
    }
    /* A type of a file that the list does not offer (a further screw or special nail) is
    ** shown as itself and kept; shown as the first entry it would be replaced by the next
    ** input on this page. */
    if (pos < 0 && nt < 20) {
        types[nt] = {BLACK_CI, Get_Vbm_Type_Name((Vbm_Type_Code)s->vbm_type, 1)};
        Page_Shadow.type_codes[nt] = s->vbm_type;
        pos = nt++;
    }
    Page_Shadow.type_count = nt;
    Page_Shadow.type_pos = pos < 0 ? 0 : pos;
    Page_Choice(4, PAGE_FIELD_X, Page_Row_Y(*r), types, Page_Shadow.type_count,
                &Page_Shadow.type_pos);
    (*r)++;
    /* a two-sided toothed plate at steel: which plate the design takes and the builder fits */
    if (Splice_Vbm_Steel_Text()[0]) {
        Wdg_Set_Fg_Colour(BLUE_CI);
        Page_Draw_Wrapped(PAGE_LABEL_X + 10, r, (int)VBM_RESULT_X - (int)PAGE_LABEL_X - 30,
                          Splice_Vbm_Steel_Text());
        Wdg_Set_Fg_Colour(BLACK_CI);
    }
}

/* The size and length choices of the catalogue rows, or the length as a number. */
static void Fastener_Size_Rows(int *r)
{
    Splice_Input_Record *s = &Splice_Input;
    int32_t nd = 0;
    Mat_List_Item *diameters = Build_Vbm_Diameter_List((Vbm_Type_Code)s->vbm_type, BLACK_CI, &nd);
    Page_Label(*r, "Durchmesser");
    Page_Shadow.row_count = 0;
    if (diameters && nd > 0) {
        Page_Shadow.row_count = nd;
        Page_Shadow.row = s->vbm_row;
        std::vector<Mat_List_Item> items(diameters, diameters + nd);
        static char own_size[32];
        if (s->vbm_row < 0 || s->vbm_row >= nd) {
            /* a row of the file beyond the catalogue: shown by its diameter and kept */
            snprintf(own_size, sizeof own_size, "%6.2f mm", s->d);
            items.push_back({BLACK_CI, own_size});
            Page_Shadow.row = nd;
        }
        Page_Choice(5, PAGE_FIELD_X, Page_Row_Y(*r), items.data(), (int)items.size(),
                    &Page_Shadow.row);
        /* what the design takes from the row besides d */
        char more[64] = "";
        if (s->d_k > 0.0 && Get_Vbm_Row_Value((Vbm_Type_Code)s->vbm_type, s->vbm_row, "dk") > 0.0)
            snprintf(more, sizeof more, "d_k = %.1f mm", s->d_k);
        if (s->d_2 > 0.0 && Get_Vbm_Row_Value((Vbm_Type_Code)s->vbm_type, s->vbm_row, "d1") > 0.0)
            snprintf(more + strlen(more), sizeof more - strlen(more), "%sd_2 = %.1f mm",
                     more[0] ? "  " : "", s->d_2);
        if (more[0]) Wdg_Draw_Text(PAGE_FIELD_X + 130, Page_Row_Y(*r), more, nullptr);
    } else {
        Wdg_Draw_Text(PAGE_FIELD_X, Page_Row_Y(*r),
                      "keine Gr\x94\xe1"
                      "en im Katalog",
                      nullptr);
    }
    (*r)++;
    int32_t nl = 0;
    Mat_List_Item *lengths =
        Build_Vbm_Length_List((Vbm_Type_Code)s->vbm_type, s->vbm_row, BLACK_CI, &nl);
    if (lengths && nl > 0) {
        Page_Label(*r, "L\x84nge");
        Page_Shadow.length_pos =
            Find_Vbm_Length_Index((Vbm_Type_Code)s->vbm_type, s->vbm_row, s->l);
        std::vector<Mat_List_Item> items(lengths, lengths + nl);
        static char own_length[32];
        /* the lookup answers the first length when none matches */
        if (Page_Shadow.length_pos < 0 || Page_Shadow.length_pos >= nl
            || fabs(Get_Vbm_Length((Vbm_Type_Code)s->vbm_type, s->vbm_row, Page_Shadow.length_pos)
                    - s->l)
                   >= 0.01) {
            /* a length of the file that the catalogue row does not list: shown as itself and
            ** kept (the position beyond the list changes nothing) */
            snprintf(own_length, sizeof own_length, "%.0f mm", s->l);
            items.push_back({BLACK_CI, own_length});
            Page_Shadow.length_pos = nl;
        }
        Page_Choice(6, PAGE_FIELD_X, Page_Row_Y(*r), items.data(), (int)items.size(),
                    &Page_Shadow.length_pos);
        (*r)++;
    } else {
        Page_Shadow.length_pos = -1;
        Page_Float((*r)++, "L\x84nge l [mm]", &s->l, 0, 10.0, 2000.0, "l");
    }
}

/* Strength, staple angle, steel grades, the bolt of a connector and the washer, by type. */
static void Fastener_Steel_Rows(int *r)
{
    Splice_Input_Record *s = &Splice_Input;
    if (s->vbm_type == 29 || s->vbm_type == 30 || s->vbm_type == 0
        || Is_Vbm_Connector((Vbm_Type_Code)s->vbm_type)) {
        /* the steel grade (of a connector's bolt) gives f_u,k, a plain nail is designed with
        ** 600: shown, not edited */
        static double fu_of_grade;
        fu_of_grade = Get_Fastener_Fu_K();
        Page_Label(*r, s->vbm_type == 0 ? "Zugfestigkeit f_u,k [N/mm\xfd] (Nagel)"
                                        : "Zugfestigkeit f_u,k [N/mm\xfd] (der Stahlg\x81te)");
        int ro = WDG_READ_ONLY;
        Wdg_Float_Field(PAGE_FIELD_X, Page_Row_Y((*r)++), &fu_of_grade, 8, 0, &ro);
    } else {
        Page_Float((*r)++, "Zugfestigkeit f_u,k [N/mm\xfd]", &s->fu_k, 0, 200.0, 1500.0, "f_u,k");
    }
    if (s->vbm_type == 1)
        Page_Float((*r)++,
                   "Winkel Klammerr\x81"
                   "cken zur Faser [\xf8]",
                   &s->staple_angle, 0, 0.0, 90.0, "Klammerwinkel");
    if (s->vbm_type == 29 || s->vbm_type == 30) {
        Page_Label(*r, "Stahlg\x81te");
        for (int i = 0; i < 3; i++)
            Wdg_Option_Button(PAGE_FIELD_X + 115 * i, Page_Row_Y(*r),
                              Get_Stahlguete_Name(Steel_Codes[i]), (int)Steel_Codes[i],
                              &s->vbm_steel, &Page_Active);
        (*r)++;
        if (s->vbm_type == 30) {
            /* the strength classes of bolts, three to a row */
            for (int i = 0; i < 6; i++) {
                Wdg_Option_Button(PAGE_FIELD_X + 115 * (i % 3), Page_Row_Y(*r),
                                  Get_Stahlguete_Name(Bolt_Class_Codes[i]),
                                  (int)Bolt_Class_Codes[i], &s->vbm_steel, &Page_Active);
                if (i % 3 == 2) (*r)++;
            }
        }
    }
    if (Is_Vbm_Connector((Vbm_Type_Code)s->vbm_type)) {
        /* the bolt through the connector, from the list of bolt sizes, and its steel */
        const Diameter_List *bl = &Dowel_Bolt_Diameters.bolt;
        static char bolt_names[8][12];
        Mat_List_Item bolts[8];
        int nb = bl->count < 8 ? bl->count : 8;
        for (int i = 0; i < nb; i++) {
            snprintf(bolt_names[i], sizeof bolt_names[i], "M%.0f", bl->d[i]);
            bolts[i] = {0, bolt_names[i]};
        }
        if (nb > 0) {
            Page_Label(*r, "Bolzen");
            Page_Choice(9, PAGE_FIELD_X, Page_Row_Y(*r), bolts, nb, &s->bolt_index);
            /* the bolts of the connector's size (EN 912), which the computation holds it to */
            const double lo = Get_Connector_Value(s->vbm_type, s->vbm_row, "db_min");
            const double hi = Get_Connector_Value(s->vbm_type, s->vbm_row, "db_max");
            char range[48];
            snprintf(range, sizeof range, "M%.0f bis M%.0f nach EN 912", lo, hi);
            if (lo > 0.0 && hi >= lo)
                Wdg_Draw_Text(PAGE_FIELD_X + 130, Page_Row_Y(*r), range, nullptr);
            (*r)++;
        }
        Page_Label(*r, "Stahlg\x81te der Bolzen");
        for (int i = 0; i < 3; i++)
            Wdg_Option_Button(PAGE_FIELD_X + 115 * i, Page_Row_Y(*r),
                              Get_Stahlguete_Name(Steel_Codes[i]), (int)Steel_Codes[i],
                              &s->bolt_steel, &Page_Active);
        (*r)++;
    }
    if (s->washer) {
        /* a bolt's washer at least 3 d across (EN 1995-1-1, 10.4.3), as the validation asks */
        double least = 10.0;
        if (Bolt_Washer_Least(nullptr, &least)) least = std::max(10.0, std::ceil(least));
        Page_Float((*r)++, "Durchmesser der Unterlegscheibe [mm]", &s->washer_d, 0, least, 200.0,
                   "Scheibendurchmesser");
        Page_Label(*r, "Unterlegscheibe");
        Wdg_Option_Button(PAGE_FIELD_X, Page_Row_Y(*r), "gedreht", 0, &s->washer_kind,
                          &Page_Active);
        Wdg_Option_Button(PAGE_FIELD_X + 120, Page_Row_Y(*r), "gepresst", 1, &s->washer_kind,
                          &Page_Active);
        (*r)++;
    }
}

/* A text in rows of the page from row *r on, broken where it is wider than width pixels: after
** its last ": " that fits (the reason before the numbers), else between words (a word wider
** than that stands alone). */
void Page_Draw_Wrapped(int x, int *r, int width, const char *text)
{
    const auto measure = [](const char *t, int font) {
        return Wdg_Text_Width_In_Font(t, (unsigned)font);
    };
    for (std::string line : Wrapped_Lines(text, width, measure, 4096)) {
        std::replace(line.begin(), line.end(), PAGE_FIXED_BLANK, ' ');
        Wdg_Draw_Text(x, Page_Row_Y((*r)++), line.c_str(), nullptr);
    }
}

/* Why the DIN 1052 wording has no effect: every run designs to DIN EN 1995-1-1 with the
** parameters chosen, the annex or the standard's recommended values. */
static void Wording_Reason(char *why, size_t size)
{
    const char *nad = Get_Active_NAD_Name();
    if (nad != nullptr && strcmp(nad, NAD_NAME_STANDARD) == 0)
        snprintf(why, size, "%s",
                 "ohne Wirkung, denn jede Berechnung l\x84uft nach DIN EN 1995-1-1 mit den "
                 "EC-Standardparametern (den empfohlenen Werten ohne nationalen Anhang), nie "
                 "nach DIN 1052");
    else if (nad != nullptr && nad[0])
        snprintf(why, size,
                 "ohne Wirkung, denn jede Berechnung l\x84uft nach DIN EN 1995-1-1 mit dem "
                 "nationalen Anhang \"%s\", nie nach DIN 1052",
                 nad);
    else
        snprintf(why, size, "%s",
                 "ohne Wirkung, denn jede Berechnung l\x84uft nach DIN EN 1995-1-1 mit dem "
                 "nationalen Anhang, nie nach DIN 1052");
}

/* Why the failure mode cannot replace f_red: the table shows it for a single plate only. */
static void Failure_Mode_Reason(char *why, size_t size)
{
    const Splice_Input_Record *s = &Splice_Input;
    if (s->connection_kind == CONN_INNER_PLATES || s->connection_kind == CONN_OUTER_PLATES)
        snprintf(why, size, "nur bei einem Blech w\x84hlbar: Anzahl Bleche n_p = %d (Seite System)",
                 (int)s->plate_count);
    else
        snprintf(why, size, "nur bei einem Blech w\x84hlbar: %s",
                 s->connection_kind == CONN_LAP ? "ein Blatt hat kein Blech"
                                                : "Seitenh\x94lzer haben kein Blech");
}

/* The options that apply to the fastener type; one that is set is shown whatever the type,
** so that nothing set stays hidden, except the options of nails, screws and staples beside
** a dowel, bolt or connector, whose design reads none of them, and the two-sided nailing of a
** lap, which drives one a position from alternate faces whatever the switch (the file keeps
** it). */
static void Fastener_Option_Rows(int *r)
{
    Splice_Input_Record *s = &Splice_Input;
    Page_Heading((*r)++, "Optionen");
    const Vbm_Type_Code t = (Vbm_Type_Code)s->vbm_type;
    const bool nss = Is_Vbm_Nail_Screw_Or_Staple(t) || t == 1;
    const bool nail = Is_Vbm_Nail(t);
    const bool screw = Is_Vbm_Din571_Screw(t) || Is_Vbm_Screw_Eta12(t) || Is_Vbm_Screw_Eta11(t)
                       || Is_Vbm_Screw_Family_C(t);
    const bool bolt = t == 30;
    const bool pin = t == 29 || t == 30;
    const bool plates = Uses_Plates();
    const bool pin_or_connector = pin || Is_Vbm_Connector(t);
    /* the design reads "zweiseitig" only for side timbers and outer plates
    ** (Vbm_Driven_From_Both_Sides): a lap drives its nails from alternate faces and inner plates
    ** take theirs as they are whatever the switch, so there the box is not offered and the file
    ** keeps the value */
    const bool sides =
        s->connection_kind == CONN_SIDE_TIMBERS || s->connection_kind == CONN_OUTER_PLATES;
    struct {
        const char *label;
        int32_t *flag;
        bool applies;
        bool nail_family;
    } opts[] = {
        // clang-format off
        {"vorgebohrt", &s->predrilled, nss, true},
        {"zweiseitig (sonst wechselseitig) eingeschlagen", &s->two_sided, nss, true},
        {"als Passbolzen", &s->fitted_bolt, bolt, false},
        {"Gewindestange", &s->threaded_rod, bolt, false},
        {"nichtrostender Stahl", &s->stainless, nss || pin, false},
        {"Douglasie", &s->douglas, true, false},
        {"N\x84gel werden in Faserrichtung um 1d versetzt angeordnet", &s->offset_1d, nail, true},
        {"mit Unterlegscheibe", &s->washer, bolt || screw || Is_Vbm_Connector(t), false},
        {"geharzt", &s->resin_coated, nail || t == 1, true},
        {"Holzfeuchte \x81" "ber Fasers\x84ttigung", &s->green_timber, true, false},
        {"nur Fichte, Tanne, Kiefer", &s->species_sfp, screw, true},
        {"Versagensart statt f_red ausgeben", &s->failure_mode_switch, true, false},
        {"mit dem Kerndurchmesser vorgebohrt", &s->predrill_core, screw || Is_Vbm_Special_Nail(t), true},
        {"Lochspiel im Blech d + 1 mm auch bei Passbolzen", &s->steel_hole, bolt && plates, false},
        {"Mindestholzdicke gegen Spalten mit 7 d (Nadelholz, gr\x94\xe1" "ere Randabst\x84nde)", &s->split_rule, nss, true},
        {"Tragf\x84higkeit erh\x94hen (Einh\x84ngeeffekt, Unterlegscheibe)", &s->capacity_increase, true, false},
        {"Plattenr\x84nder allseitig schubsteif verbunden", &s->panel_edges, nss, true},
        {"Texte nach DIN EN 1995-1-1 (sonst DIN 1052)", &s->eurocode_wording, true, false},
        // clang-format on
    };
    for (auto &o : opts) {
        if (!o.applies && (*o.flag == 0 || (o.nail_family && pin_or_connector))) continue;
        if (!sides && o.flag == &s->two_sided) continue;
        int state = 1;
        /* the failure mode replaces f_red only in the table of a single plate: greyed
        ** otherwise, with the row below saying why */
        const bool mode = o.flag == &s->failure_mode_switch && s->plate_count != 1.0;
        if (mode) state = 0;
        /* every run designs with an annex or the standard parameters, so the DIN 1052 wording
        ** is never reached: the box is greyed and says why, the file keeps the switch */
        const bool wording = o.flag == &s->eurocode_wording;
        if (wording) state = 0;
        Wdg_Draw_Check_Box(PAGE_LABEL_X + 10, Page_Row_Y((*r)++), o.label, o.flag, &state);
        /* the user's two-sided nailing stays chosen; where the geometry has the fasteners
        ** driven alternately, the row below says so and why */
        char why[240];
        if (wording) Wording_Reason(why, sizeof why);
        if (mode) Failure_Mode_Reason(why, sizeof why);
        if (wording || mode
            || (o.flag == &s->two_sided && Vbm_Alternate_Instead(why, sizeof why))) {
            Wdg_Set_Fg_Colour(BLUE_CI);
            Page_Draw_Wrapped(PAGE_LABEL_X + 30, r, (int)VBM_RESULT_X - (int)PAGE_LABEL_X - 50,
                              why);
            Wdg_Set_Fg_Colour(BLACK_CI);
        }
    }
}

/* The first group that holds combinations, whose k_mod the fastener's design takes; -1 for
** none. */
static int First_Used_Group(void)
{
    for (int g = 0; g < LKOM_GROUPS; g++)
        if (Splice_Input.lkom.groups[g].used) return g;
    return -1;
}

/* The groups after the first (group) with their k_mod: each combination is designed with the
** k_mod of its group (EN 1995-1-1, 2.4.3), F_v,R,d in proportion to it; the utilisation page
** names the governing one. */
static void Other_Groups_Line(int group, int *r)
{
    std::string line;
    for (int g = group + 1; group >= 0 && g < LKOM_GROUPS; g++) {
        if (!Splice_Input.lkom.groups[g].used) continue;
        double kmod_mid = 0.0, kmod_side = 0.0;
        Get_Group_Kmod(g, &kmod_mid, &kmod_side, nullptr);
        char one[80];
        /* member 1 is the side timber beside side timbers, else a member of the middle
        ** member's k_mod, as on the line above; a group and its k_mod stand on one line */
        snprintf(one, sizeof one, "%sGruppe %d: k_mod = %.2f / %.2f", line.empty() ? "" : ", ",
                 Lkom_Shown_Group(g), kmod_side, kmod_mid);
        std::string kept(one);
        std::replace(kept.begin() + (line.empty() ? 0 : 2), kept.end(), ' ', PAGE_FIXED_BLANK);
        line += kept;
    }
    if (line.empty()) return;
    line = "weitere Gruppen mit ihrem k_mod (" + line
           + "); die ma\xe1gebende Kombination nennt die Seite Ausnutzungen";
    Wdg_Set_Fg_Colour(BLUE_CI);
    Page_Draw_Wrapped(VBM_RESULT_X + 10, r, NPIXEL_X - VBM_RESULT_X - 60, line.c_str());
    Wdg_Set_Fg_Colour(BLACK_CI);
}

/* The design of the current fastener, in a column right of the input. */
static void Fastener_Design_Column(void)
{
    int r = 0;
    Wdg_Set_Font(4096 | 0x10000);
    Wdg_Draw_Text(VBM_RESULT_X, Page_Row_Y(r++), "Bemessung des Verbindungsmittels", nullptr);
    Wdg_Set_Font(4096);
    Connection_Result res;
    int in_kN = 0;
    int err = Design_Current_Fastener(&res, &in_kN);
    if (err != 0) {
        /* the refusal with its numbers, in lines that the column holds */
        Wdg_Set_Fg_Colour(RED_CI);
        Page_Draw_Wrapped(VBM_RESULT_X + 10, &r, NPIXEL_X - VBM_RESULT_X - 60,
                          Get_Refusal_Text(err));
        Wdg_Set_Fg_Colour(BLACK_CI);
        return;
    }
    /* Forces of the result in N, or in kN when the connection input asked for kN. */
    double to_kN = in_kN ? 1.0 : 0.001;
    Wdg_Printf_Text(VBM_RESULT_X + 10, Page_Row_Y(r++), "F_v,R,k = %.2f kN je Scherfuge",
                    res.rk_total * to_kN);
    /* the design takes the k_mod of the first group: the lines name it, and the others */
    const int group = First_Used_Group();
    const int shown = group >= 0 ? Lkom_Shown_Group(group) : 0;
    if (shown > 0)
        Wdg_Printf_Text(VBM_RESULT_X + 10, Page_Row_Y(r++),
                        "F_v,R,d = %.2f kN je Scherfuge mit k_mod der Gruppe %d",
                        res.rd_total * to_kN, shown);
    else
        Wdg_Printf_Text(VBM_RESULT_X + 10, Page_Row_Y(r++), "F_v,R,d = %.2f kN je Scherfuge",
                        res.rd_total * to_kN);
    /* single-sided toothed plates between timbers: the values are those of a pair */
    if (Vbm_Back_To_Back_Pairs())
        Wdg_Printf_Text(VBM_RESULT_X + 10, Page_Row_Y(r++), "%s: F_v,R je Paar mit dem Bolzen",
                        Splice_Vbm_Pair_Text());
    if (shown > 0)
        Wdg_Printf_Text(VBM_RESULT_X + 10, Page_Row_Y(r++),
                        "k_mod = %.2f / %.2f (Gruppe %d, KLED %s)", res.kmod_1, res.kmod_2, shown,
                        Get_Kled_Name(Splice_Input.lkom.groups[group].kled));
    else
        Wdg_Printf_Text(VBM_RESULT_X + 10, Page_Row_Y(r++), "k_mod = %.2f / %.2f", res.kmod_1,
                        res.kmod_2);
    Other_Groups_Line(group, &r);
    /* Minimum spacings of both members (a steel plate has its own rules). */
    const double *sp[2] = {res.spacing_1, res.spacing_2};
    for (int m = 0; m < 2; m++) {
        if (sp[m][0] <= 0.0 && sp[m][1] <= 0.0) continue;
        Wdg_Printf_Text(VBM_RESULT_X + 10, Page_Row_Y(r++),
                        "Mindestabst\x84nde Bauteil %d [mm]:", m + 1);
        /* least values: rounded up to a tenth of a millimetre, never cut below what the rule
        ** asks (1.2 d0 = 25.2 mm reads 25.2, not 25) */
        std::string least[6];
        for (int k = 0; k < 6; k++) least[k] = Mm_Least(sp[m][k]).t;
        Wdg_Printf_Text(VBM_RESULT_X + 20, Page_Row_Y(r++),
                        "a1 = %s  a2 = %s  a3,t = %s  a3,c = %s  a4,t = %s  a4,c = %s",
                        least[0].c_str(), least[1].c_str(), least[2].c_str(), least[3].c_str(),
                        least[4].c_str(), least[5].c_str());
    }
    if (res.r_ax > 0.0 && Bolt_Washer_Borne(nullptr) > 0.0) {
        /* a bolt's value with what it bears on, the washer or the plate */
        char line[320];
        snprintf(line, sizeof line, "F_ax,R,k = %.2f kN %s", res.r_ax * to_kN,
                 Splice_Rope_Washer_Text());
        Page_Draw_Wrapped(VBM_RESULT_X + 10, &r, NPIXEL_X - VBM_RESULT_X - 60, line);
    } else if (res.r_ax > 0.0)
        Wdg_Printf_Text(VBM_RESULT_X + 10, Page_Row_Y(r++), "F_ax,R,k = %.2f kN", res.r_ax * to_kN);
    if (res.rule_design > 0)
        Wdg_Printf_Text(VBM_RESULT_X + 10, Page_Row_Y(r++), "ma\xe1gebende Versagensart: %s",
                        Get_Mode_Pair_Label(res.rule_design,
                                            res.rule_design == res.rule_char ? res.rule_thin : 0));
    if (res.fh1_k > 0.0)
        Wdg_Printf_Text(VBM_RESULT_X + 10, Page_Row_Y(r++), "f_h,1,k = %.2f N/mm\xfd", res.fh1_k);
    if (res.fh2_k > 0.0)
        Wdg_Printf_Text(VBM_RESULT_X + 10, Page_Row_Y(r++), "f_h,2,k = %.2f N/mm\xfd", res.fh2_k);
    if (res.my_rk > 0.0)
        Wdg_Printf_Text(VBM_RESULT_X + 10, Page_Row_Y(r++), "M_y,Rk = %.0f Nmm", res.my_rk);
    if (res.t_req_1 > 0.0 || res.t_req_2 > 0.0)
        Wdg_Printf_Text(VBM_RESULT_X + 10, Page_Row_Y(r++),
                        "erforderliche Holzdicken: t_1,req = %.1f mm  t_2,req = %.1f mm",
                        res.t_req_1, res.t_req_2);
    if (res.k_red > 0.0 && res.k_red < 1.0)
        Wdg_Printf_Text(VBM_RESULT_X + 10, Page_Row_Y(r++), "Abminderung t_vorh / t_req = %.3f",
                        res.k_red);
    if (res.msg_code != 0) {
        const char *note = Get_Hint_Text(res.msg_code);
        if (note && note[0] && note[0] != ' ') {
            Wdg_Set_Fg_Colour(BLUE_CI);
            Wdg_Draw_Text(VBM_RESULT_X + 10, Page_Row_Y(r++), note, nullptr);
            Wdg_Set_Fg_Colour(BLACK_CI);
        }
    }
}

void Page_Verbindungsmittel(int area)
{
    Splice_Input_Record *s = &Splice_Input;
    int r = 0;
    Page_Heading(r++, "Verbindungsmittel");
    Fastener_Type_Row(&r);
    Fastener_Size_Rows(&r);
    Fastener_Steel_Rows(&r);
    Page_Label(r, "Nachweisverfahren");
    Page_Choice_Texts(7, PAGE_FIELD_X, Page_Row_Y(r), Method_Texts, 3, &s->calc_method);
    r++;
    Fastener_Option_Rows(&r);
    Fastener_Design_Column();
    (void)area;
}

/* ---------------------------------------------------------------- "Anordnung" */

/* The pattern of both halves in a view of the splice, to scale: the member (black) with the
** joint, the side members, plates or the lap over the length L (blue), every fastener as a red
** mark. */
static void Draw_Pattern(int x1, int y1, int x2, int y2, void *user)
{
    (void)user;
    const Splice_Input_Record *s = &Splice_Input;
    int n = Fastener_Pattern.count;
    double xmax = 1.0, ymax = 1.0;
    for (int i = 0; i < n; i++) {
        xmax = std::max(xmax, fabs(Fastener_Pattern.recs[i].x));
        ymax = std::max(ymax, fabs(Fastener_Pattern.recs[i].y));
    }
    const double half = std::max(xmax, s->L / 2.0);
    const double h = s->h > 0 ? s->h : 2 * ymax;
    /* height of the parts over the length L */
    double hc = h;
    if (s->connection_kind == CONN_SIDE_TIMBERS) hc = s->h_s;
    else if (Uses_Plates()) hc = s->h_p;
    const double hmax = std::max(h, hc);
    double scale = std::min((x2 - x1 - 20) / (2.0 * half + 2.0), (y2 - y1 - 20) / (hmax + 2.0));
    int cx = (x1 + x2) / 2, cy = (y1 + y2) / 2;
    pxFgc(BLACK_CI);
    int top = cy - (int)lround(h / 2 * scale), bottom = cy + (int)lround(h / 2 * scale);
    pxLine(x1 + 5, top, x2 - 5, top);
    pxLine(x1 + 5, bottom, x2 - 5, bottom);
    if (s->connection_kind != CONN_LAP) pxLine(cx, top - 5, cx, bottom + 5);
    pxFgc(BLUE_CI);
    int left = cx - (int)lround(s->L / 2 * scale), right = cx + (int)lround(s->L / 2 * scale);
    int ctop = cy - (int)lround(hc / 2 * scale), cbottom = cy + (int)lround(hc / 2 * scale);
    pxLine(left, ctop, right, ctop);
    pxLine(left, cbottom, right, cbottom);
    pxLine(left, ctop, left, cbottom);
    pxLine(right, ctop, right, cbottom);
    pxFgc(RED_CI);
    for (int i = 0; i < n; i++) {
        int px = cx + (int)lround(Fastener_Pattern.recs[i].x * scale);
        int py = cy - (int)lround(Fastener_Pattern.recs[i].y * scale);
        int mx = cx - (int)lround(Fastener_Pattern.recs[i].x * scale);
        pxRect(px - 2, py - 2, px + 2, py + 2);
        pxRect(mx - 2, py - 2, mx + 2, py + 2);
    }
}

/* What the pattern of the last preparation run really has (cm): the end distances from the
** joint and from the ends of the side members, plates or lap, the edge distance of the outer
** rows from the timber's edge and, for plates, the distances of the holes to the plate's end
** and edge. */
static void Present_Distances(Page_Present_Rec *pr)
{
    const Splice_Input_Record *s = &Splice_Input;
    const Fastener_Pattern_Rec *fp = &Fastener_Pattern;
    memset(pr, 0, sizeof *pr);
    if (fp->count < 1) return;
    pr->made = 1;
    pr->known = (1 << REFUSAL_SPACINGS) - 1;
    pr->vbm_type = s->vbm_type;
    pr->d = s->d;
    double min_x = fp->recs[0].x, max_x = fp->recs[0].x, max_ax = 0.0, max_y = 0.0;
    for (int i = 0; i < fp->count; i++) {
        min_x = std::min(min_x, fp->recs[i].x);
        max_x = std::max(max_x, fp->recs[i].x);
        max_ax = std::max(max_ax, fabs(fp->recs[i].x));
        max_y = std::max(max_y, fabs(fp->recs[i].y));
    }
    pr->a1 = fp->a1_actual;
    pr->a2 = fp->a2_actual;
    switch (s->connection_kind) {
    case CONN_LAP:
        /* the pattern lies symmetric about the joint; the ends of both members at +-L/2 */
        pr->a3 = s->L / 2.0 - max_ax;
        pr->a4 = s->h / 2.0 - max_y;
        break;
    case CONN_INNER_PLATES:
    case CONN_OUTER_PLATES:
        pr->a3 = min_x; /* to the end of the member at the joint */
        pr->a4 = s->h / 2.0 - max_y;
        pr->e1 = s->L / 2.0 - max_x;   /* to the end of the plate */
        pr->e2 = s->h_p / 2.0 - max_y; /* to the edge of the plate */
        break;
    default:
        /* the end of the middle member at the joint and the end of the side member */
        pr->a3 = std::min(min_x, s->L / 2.0 - max_x);
        pr->a4 = std::min(s->h, s->h_s) / 2.0 - max_y;
        break;
    }
}

/* The layout's results below its fields: the code of the last preparation run, and the lines
** and the drawing made from it at every drawing of the area, so that they follow each field as
** the user steps through the fields with Enter (the page is built anew only when the chain of
** fields ends). */
static int Layout_Code;

static void Layout_Run(void)
{
    Regenerate_Lkoms_If_Generated();
    Layout_Code = Splice_Calc_Prepared();
    Page_Present_Rec *pr = &Page_Shadow.present;
    if (Layout_Code == 0) {
        Present_Distances(pr);
        return;
    }
    /* A refusal shows the spacings it judged: those of the pattern where it judged the pattern
    ** laid out, and the values its text computes with; no other spacing is in force ("-"), not
    ** even the last pattern's. Ticking one of them starts from the value shown. */
    if (Fastener_Pattern.refusal.laid_out) Present_Distances(pr);
    else {
        *pr = Page_Present_Rec{};
        pr->made = 1;
        pr->vbm_type = Splice_Input.vbm_type;
        pr->d = Splice_Input.d;
    }
    double v[REFUSAL_SPACINGS] = {0};
    const int used = Refusal_Used(v);
    double *field[REFUSAL_SPACINGS] = {&pr->a1, &pr->a2, &pr->a3, &pr->a4, &pr->e1};
    for (int k = 0; k < REFUSAL_SPACINGS; k++)
        if (used & (1 << k)) *field[k] = v[k];
    pr->known |= used;
}

int Page_Present_In_Force(void)
{
    const Page_Present_Rec *pr = &Page_Shadow.present;
    return pr->made && pr->vbm_type == Splice_Input.vbm_type && pr->d == Splice_Input.d;
}

/* Change callback of the layout's fields: the run with the value just entered. */
static void Layout_Field_Changed(int, double *) { Layout_Run(); }

/* A result line of the layout page, and the most lines of a layout. */
enum { LAYOUT_LINE_MAX = 512, LAYOUT_LINES = 5 };

/* A distance or length (cm) as the layout's lines give it: in the text of the pages' fields of
** it (8 characters, one decimal, more where the value holds more), a least length (least 1)
** rounded up where the field cuts it, so that a line and a field read alike and what they show,
** typed, is the value the layout has ("2.52", "101.04"). */
static std::string Held_Cm(double v, int least = 0)
{
    char text[48];
    Wdg_Float_Field_Text(v, 8, 1, least, text, sizeof text);
    const char *t = text;
    while (*t == ' ') t++;
    return t;
}

/* The lines of the results of a layout the preparation took: n of them into out (at most
** LAYOUT_LINES). */
static int Layout_Lines(char out[LAYOUT_LINES][LAYOUT_LINE_MAX])
{
    const Splice_Input_Record *s = &Splice_Input;
    const Page_Present_Rec *pr = &Page_Shadow.present;
    const int slot = s->vbm_type >= VBM_TYPE_FIRST && s->vbm_type <= VBM_TYPE_LAST
                         ? VBM_TYPE_SLOT(s->vbm_type)
                         : 0;
    int n = 0;
    snprintf(out[n++], LAYOUT_LINE_MAX,
             "vorhanden: a1 = %s cm  a2 = %s cm  a3 = %s cm  a4 = %s cm  Scherfugen %d",
             Held_Cm(pr->a1).c_str(), Held_Cm(pr->a2).c_str(), Held_Cm(pr->a3).c_str(),
             Held_Cm(pr->a4).c_str(), (int)s->shear_planes);
    if (Uses_Plates())
        snprintf(out[n++], LAYOUT_LINE_MAX,
                 "Bleche: e1 = %s cm (zum Blechende)  e2 = %s cm (zum Blechrand)",
                 Held_Cm(pr->e1).c_str(), Held_Cm(pr->e2).c_str());
    /* a staggered layout's a1 and a2 are the spacings within a row and a column: its columns and
    ** rows stand half of them apart, as the print says */
    if (s->layout[slot] == LAYOUT_STAGGERED)
        snprintf(out[n++], LAYOUT_LINE_MAX,
                 "versetzt: benachbarte Spalten a1 / 2 = %s cm, benachbarte Reihen a2 / 2 = %s cm",
                 Held_Cm(pr->a1 / 2.0).c_str(), Held_Cm(pr->a2 / 2.0).c_str());
    /* the room that the user's a1 and length leave beyond the columns goes to the end distances:
    ** where they stand */
    const Fastener_Pattern_Rec *fp = &Fastener_Pattern;
    if (s->a1_user && s->L_user && Splice_N_Col(s) >= 2.0 && !s->grouped[slot] && fp->count > 0) {
        double lo = fp->recs[0].x, hi = fp->recs[0].x;
        for (int i = 0; i < fp->count; i++) {
            lo = std::min(lo, fp->recs[i].x);
            hi = std::max(hi, fp->recs[i].x);
        }
        const bool lap = s->connection_kind == CONN_LAP;
        const double near = lap ? s->L / 2.0 + lo : lo, far = s->L / 2.0 - hi;
        if (Uses_Plates())
            snprintf(out[n++], LAYOUT_LINE_MAX,
                     "Spalten im vorgegebenen Abstand a1: a3 = %s cm am Sto\xE1, e1 = %s cm am "
                     "Blechende",
                     Held_Cm(near).c_str(), Held_Cm(far).c_str());
        else if (std::fabs(near - far) < 5e-7)
            snprintf(out[n++], LAYOUT_LINE_MAX,
                     "Spalten im vorgegebenen Abstand a1 mittig %s: a3 = %s cm %s",
                     lap ? "im Blatt" : "in der Sto\xE1h\x84lfte", Held_Cm(near).c_str(),
                     lap ? "an beiden Enden" : "am Sto\xE1 und am Ende der Seitenh\x94lzer");
        else
            snprintf(out[n++], LAYOUT_LINE_MAX,
                     "Spalten im vorgegebenen Abstand a1: a3 = %s cm %s, %s cm %s",
                     Held_Cm(near).c_str(), lap ? "am einen Ende" : "am Sto\xE1",
                     Held_Cm(far).c_str(), lap ? "am anderen" : "am Ende der Seitenh\x94lzer");
    }
    const char *pairs = Splice_Vbm_Pair_Text();
    const int count = (int)Fastener_Pattern.count;
    char what[200];
    if (Splice_Vbm_Count_Text(count)[0])
        snprintf(what, sizeof what, "%s", Splice_Vbm_Count_Text(count));
    else snprintf(what, sizeof what, "%d Verbindungsmittel", count);
    snprintf(out[n++], LAYOUT_LINE_MAX, "L\x84nge L = %s cm, %s je Sto\xe1h\x84lfte%s%s",
             Held_Cm(s->L, 1).c_str(), what, pairs[0] ? ", " : "", pairs);
    return n;
}

/* Draw callback over the rows from the first result line on (x1, y1 the top left corner of that
** row: its base line lies 14 below) and the drawing of the pattern below the lines. */
static void Draw_Layout_Results(int x1, int y1, int x2, int y2, void *user)
{
    Pop_RFont(4096);
    if (Layout_Code != 0) {
        /* the refusal with its numbers, in lines that the page holds, each distance it names
        ** from a line of its own */
        pxFgc(RED_CI);
        int row = 0;
        for (const std::string &part : Get_Refusal_Parts(Layout_Code))
            for (const std::string &line : Refusal_Lines(part.c_str(), 4096, x2 - x1 - 20))
                pxText(x1 + 10, y1 + 14 + PAGE_ROW * row++, line.c_str(), -1);
        Push_RFont();
        return;
    }
    char lines[LAYOUT_LINES][LAYOUT_LINE_MAX];
    int n = Layout_Lines(lines);
    for (int k = 0; k < n; k++) {
        pxFgc(BLACK_CI);
        pxText(x1 + 10, y1 + 14 + PAGE_ROW * k, lines[k], -1);
    }
    Push_RFont();
    int top = y1 + 14 + PAGE_ROW * n;
    Draw_Pattern(x1, top, std::min(x2, x1 + 700), std::min(y2, top + 300), user);
}

void Page_Anordnung(int area)
{
    Splice_Input_Record *s = &Splice_Input;
    int slot = s->vbm_type >= VBM_TYPE_FIRST && s->vbm_type <= VBM_TYPE_LAST
                   ? VBM_TYPE_SLOT(s->vbm_type)
                   : 0;
    /* The run first: the fields of the spacings left to the program show what it chose. The
    ** combinations that come from the characteristic actions are made before it. */
    Layout_Run();
    Page_Present_Rec *pr = &Page_Shadow.present;
    int r = 0;
    Page_Heading(r++, "Anordnung je Sto\xe1h\x84lfte");
    Page_Count(r++, "Verbindungsmittel in Faserrichtung n_c", &s->n_col[slot], 1.0, 50.0, "n_c");
    SVA_Set_Last_Input_Tag(area, Layout_Field_Changed);
    Page_Count(r++, "Reihen n_r", &s->n_row[slot], 1.0, 50.0, "n_r");
    SVA_Set_Last_Input_Tag(area, Layout_Field_Changed);
    Wdg_Option_Button(PAGE_LABEL_X + 10, Page_Row_Y(r), "regelm\x84\xe1ig", LAYOUT_REGULAR,
                      &s->layout[slot], &Page_Active);
    Wdg_Option_Button(PAGE_LABEL_X + 210, Page_Row_Y(r), "versetzt", LAYOUT_STAGGERED,
                      &s->layout[slot], &Page_Active);
    r++;
    Wdg_Draw_Check_Box(PAGE_LABEL_X + 10, Page_Row_Y(r++), "in zwei Gruppen", &s->grouped[slot],
                       nullptr);
    Page_Heading(r++, "Abst\x84nde (sonst vom Programm gew\x84hlt)");
    struct {
        const char *label;
        const char *name;
        double *v;
        int32_t *user;
        double *present;
        bool plates_only;
    } rows[] = {// clang-format off
        {"a1 [cm] vorgeben", "a1", &s->a1, &s->a1_user, &pr->a1, false},
        {"a2 [cm] vorgeben", "a2", &s->a2, &s->a2_user, &pr->a2, false},
        {"a3 [cm] vorgeben", "a3", &s->a3, &s->a3_user, &pr->a3, false},
        {"a4 [cm] vorgeben", "a4", &s->a4, &s->a4_user, &pr->a4, false},
                // clang-format on
                {"e1 [cm] vorgeben (Blechende)", "e1", &s->e1, &s->e1_user, &pr->e1, true}};
    for (size_t k = 0; k < sizeof rows / sizeof rows[0]; k++) {
        auto &row = rows[k];
        if (row.plates_only && !Uses_Plates()) continue;
        Wdg_Draw_Check_Box(PAGE_LABEL_X + 10, Page_Row_Y(r), row.label, row.user, nullptr);
        if (*row.user) {
            Wdg_Limited_Float_Field(/*x=*/PAGE_FIELD_X, /*y=*/Page_Row_Y(r), /*var=*/row.v,
                                    /*factor=*/1.0, /*width=*/8, /*decimals=*/1, /*lower=*/0.1,
                                    /*upper=*/500.0, /*name=*/row.name, /*state=*/nullptr);
            SVA_Set_Last_Input_Tag(area, Layout_Field_Changed);
        } else if (Page_Present_In_Force() && (pr->known & (1 << (REFUSAL_A1 + (int)k)))) {
            int state = WDG_READ_ONLY;
            Wdg_Float_Field(PAGE_FIELD_X, Page_Row_Y(r), row.present, 8, 1, &state);
        } else {
            /* the fastener now chosen has no pattern yet, or a refusal (below) did not compute
            ** with this spacing: none is in force, and another pattern's would mislead */
            Wdg_Empty_Field(PAGE_FIELD_X, Page_Row_Y(r), 8, "-");
        }
        r++;
    }
    if (s->connection_kind == CONN_INNER_PLATES)
        Wdg_Printf_Text(PAGE_LABEL_X + 10, Page_Row_Y(r++),
                        "Holzdicke zwischen den Blechen: %.2f cm", Calc_Timber_Part_Thickness());
    if (Is_Big_Connector_Multi())
        Wdg_Draw_Text(PAGE_LABEL_X + 10, Page_Row_Y(r++),
                      "Gro\xe1"
                      "e D\x81"
                      "bel: Klemmbolzen an den Laschenenden",
                      nullptr);
    /* as wide as the page, so that a refusal keeps to few lines; the pattern takes 700 of it */
    int y = Page_Row_Y(r) - 14;
    SVA_Add_Draw_Callback(area, PAGE_LABEL_X, y, NPIXEL_X - 60,
                          y + 14 + (int)LAYOUT_LINES * PAGE_ROW + 300, nullptr,
                          Draw_Layout_Results);
}
