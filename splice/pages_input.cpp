/*
** The first three pages of the main sheet: "System" (splice and connection kind, members,
** plates, service class and options), "Verbindungsmittel" (fastener type, size, length and
** options with the design of the current fastener) and "Anordnung" (layout and spacings with a
** drawing of the pattern). Each page adds fresh items to the view area whenever it is drawn.
*/
#include "splice/splice_app.h"
#include "splice/pages_internal.h"

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

void Page_Label(int row, const char *text)
{
    Wdg_Draw_Text(PAGE_LABEL_X + 10, Page_Row_Y(row), text, nullptr);
}

void Page_Float(int row, const char *label, double *var, int decimals, double lower, double upper,
                const char *name)
{
    Page_Label(row, label);
    Wdg_Limited_Float_Field(PAGE_FIELD_X, Page_Row_Y(row), var, 1.0, 8, decimals, lower, upper, name,
                            nullptr);
}

/* Choice slots: the texts of a choice field must outlive the drawing of the page. */
static std::string Choice_Store[PAGE_CHOICE_SLOTS];

void Page_Choice(int slot, int x, int y, const Mat_List_Item *items, int count, int *index)
{
    if (slot < 0 || slot >= PAGE_CHOICE_SLOTS || !items || count < 1 || !index) return;
    size_t stride = 2;
    for (int i = 0; i < count; i++) stride = std::max(stride, strlen(items[i].text ? items[i].text : "") + 1);
    std::string texts(stride * (size_t)count, '\0');
    for (int i = 0; i < count; i++)
        memcpy(&texts[stride * (size_t)i], items[i].text ? items[i].text : "", strlen(items[i].text ? items[i].text : ""));
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
                                               "Bleche au\xe1" "en", "Blatt"};
static const uint32_t Plate_Steel_Codes[2] = {5, 7};

static int Uses_Side_Timbers(void)
{
    return Splice_Input.connection_kind == CONN_SIDE_TIMBERS || Splice_Input.connection_kind == CONN_LAP;
}

void Page_System(int area)
{
    Splice_Input_Record *s = &Splice_Input;
    int r = 0;
    Page_Heading(r++, "Sto\xe1" "art");
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
        Wdg_Option_Button(PAGE_LABEL_X + 10 + 80 * (i - 1), Page_Row_Y(r), t, i, &s->service_class, &Page_Active);
    }
    r++;

    int32_t w = 0, n = 0;
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
    Page_Label(r, "");
    Wdg_Draw_Check_Box(PAGE_LABEL_X + 10, Page_Row_Y(r), "Brettschichtholz hochkant (f_m,k + 20 %)",
                       &s->edgewise_mid, nullptr);
    r++;

    if (Uses_Side_Timbers()) {
        Page_Heading(r++, s->connection_kind == CONN_LAP ? "Blatt" : "Seitenh\x94lzer");
        Page_Label(r, "Material");
        Page_Choice(2, PAGE_FIELD_X, Page_Row_Y(r), groups, 4, &s->mat_side);
        r++;
        Page_Label(r, "Festigkeitsklasse");
        Mat_List_Item *g2 = Get_Material_List(s->mat_side, &w, &n, BLACK_CI);
        Page_Choice(3, PAGE_FIELD_X, Page_Row_Y(r), g2, n, &s->grade_side);
        r++;
        Wdg_Option_Button(PAGE_LABEL_X + 10, Page_Row_Y(r), "Dicke vorgeben", 1, &s->t_s_user, &Page_Active);
        Wdg_Option_Button(PAGE_LABEL_X + 210, Page_Row_Y(r), "Dicke automatisch", 0, &s->t_s_user, &Page_Active);
        r++;
        Page_Float(r++, "Dicke t_s [cm]", &s->t_s, 1, 1.0, 100.0, "t_s");
        Page_Float(r++, "H\x94he h_s [cm]", &s->h_s, 1, 4.0, 300.0, "h_s");
    } else {
        Page_Heading(r++, "Stahlbleche");
        Page_Float(r++, "Anzahl Bleche n_p", &s->plate_count, 0, 1.0, 10.0, "n_p");
        Page_Float(r++, "Blechdicke t_p [cm]", &s->t_p, 2, 0.2, 5.0, "t_p");
        Page_Float(r++, "Blechh\x94he h_p [cm]", &s->h_p, 1, 2.0, 300.0, "h_p");
        Page_Label(r, "Stahlg\x81te");
        for (int i = 0; i < 2; i++) {
            Wdg_Option_Button(PAGE_FIELD_X + 120 * i, Page_Row_Y(r), Get_Stahlguete_Name(Plate_Steel_Codes[i]),
                              (int)Plate_Steel_Codes[i], &s->plate_steel, &Page_Active);
        }
        r++;
    }
    Page_Heading(r++, "L\x84nge der Laschen");
    Wdg_Option_Button(PAGE_LABEL_X + 10, Page_Row_Y(r), "L\x84nge vorgeben", 1, &s->L_user, &Page_Active);
    Wdg_Option_Button(PAGE_LABEL_X + 210, Page_Row_Y(r), "L\x84nge automatisch", 0, &s->L_user, &Page_Active);
    r++;
    Page_Float(r++, "L\x84nge L [cm]", &s->L, 1, 10.0, 2000.0, "L");
    Page_Heading(r++, "Optionen");
    Wdg_Draw_Check_Box(PAGE_LABEL_X + 10, Page_Row_Y(r++), "Blockscherversagen nachweisen", &s->block_shear, nullptr);
    Wdg_Draw_Check_Box(PAGE_LABEL_X + 10, Page_Row_Y(r++), "Festigkeit vorgeben", &s->strength_override_on, nullptr);
    if (s->strength_override_on)
        Page_Float(r++, "Festigkeit [N/mm\xfd]", &s->strength_override, 1, 1.0, 1000.0, "Festigkeit");
    (void)area;
}

/* ---------------------------------------------------------------- "Verbindungsmittel" */

static const char *const Method_Texts[3] = {"vereinfacht", "genau", "Bemessungswerte"};

/* The design of the current fastener as the fastener page shows it; 0 or the error code. */
static int Design_Current_Fastener(Connection_Result *res, int *in_kN)
{
    *in_kN = 0;
    memset(res, 0, sizeof *res);
    int code = Prepare_Splice_Calc();
    if (code != 0) return code;
    Connection_Input in;
    memset(&in, 0, sizeof in);
    Lkom_Group *g = &Splice_Input.lkom.groups[0];
    int kled = 2, kmod_source = 1;
    double kmod = 0.9;
    for (int i = 0; i < LKOM_GROUPS; i++)
        if (Splice_Input.lkom.groups[i].used) { g = &Splice_Input.lkom.groups[i]; kled = g->kled; kmod_source = g->kmod_source; kmod = g->kmod; break; }
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

void Page_Verbindungsmittel(int area)
{
    Splice_Input_Record *s = &Splice_Input;
    int r = 0;
    Page_Heading(r++, "Verbindungsmittel");
    Page_Label(r, "Typ");
    int32_t count = 0;
    int32_t codes[20];
    Mat_List_Item *types = Get_Vbm_Type_List(0xF, BLACK_CI, &count, codes);
    Page_Shadow.type_count = count < 20 ? count : 20;
    Page_Shadow.type_pos = 0;
    for (int i = 0; i < Page_Shadow.type_count; i++) {
        Page_Shadow.type_codes[i] = codes[i];
        if (codes[i] == s->vbm_type) Page_Shadow.type_pos = i;
    }
    Page_Choice(4, PAGE_FIELD_X, Page_Row_Y(r), types, Page_Shadow.type_count, &Page_Shadow.type_pos);
    r++;

    int32_t nd = 0;
    Mat_List_Item *diameters = Build_Vbm_Diameter_List((Vbm_Type_Code)s->vbm_type, BLACK_CI, &nd);
    Page_Label(r, "Durchmesser");
    if (diameters && nd > 0) {
        Page_Shadow.row = s->vbm_row;
        Page_Choice(5, PAGE_FIELD_X, Page_Row_Y(r), diameters, nd, &Page_Shadow.row);
    } else {
        Wdg_Draw_Text(PAGE_FIELD_X, Page_Row_Y(r), "keine Gr\x94\xe1" "en im Katalog", nullptr);
    }
    r++;
    int32_t nl = 0;
    Mat_List_Item *lengths = Build_Vbm_Length_List((Vbm_Type_Code)s->vbm_type, s->vbm_row, BLACK_CI, &nl);
    if (lengths && nl > 0) {
        Page_Label(r, "L\x84nge");
        Page_Shadow.length_pos = Find_Vbm_Length_Index((Vbm_Type_Code)s->vbm_type, s->vbm_row, s->l);
        Page_Choice(6, PAGE_FIELD_X, Page_Row_Y(r), lengths, nl, &Page_Shadow.length_pos);
        r++;
    } else {
        Page_Shadow.length_pos = -1;
        Page_Float(r++, "L\x84nge l [mm]", &s->l, 0, 10.0, 2000.0, "l");
    }
    Page_Float(r++, "Zugfestigkeit f_u,k [N/mm\xfd]", &s->fu_k, 0, 200.0, 1500.0, "f_u,k");
    Page_Label(r, "Nachweisverfahren");
    Page_Choice_Texts(7, PAGE_FIELD_X, Page_Row_Y(r), Method_Texts, 3, &s->calc_method);
    r++;
    Page_Heading(r++, "Optionen");
    struct { const char *label; int32_t *flag; } opts[] = {
        {"vorgebohrt", &s->predrilled},
        {"zweiseitig (sonst wechselseitig) eingeschlagen", &s->two_sided},
        {"als Passbolzen", &s->fitted_bolt},
        {"Gewindestange", &s->threaded_rod},
        {"nichtrostender Stahl", &s->stainless},
        {"Douglasie", &s->douglas},
        {"N\x84gel werden in Faserrichtung um 1d versetzt angeordnet", &s->offset_1d},
        {"mit Unterlegscheibe", &s->washer},
        {"geharzt", &s->resin_coated},
        {"Holzfeuchte \x81" "ber Fasers\x84ttigung", &s->green_timber},
        {"nur Fichte, Tanne, Kiefer", &s->species_sfp},
        {"Versagensart statt f_red ausgeben", &s->failure_mode_switch},
    };
    for (auto &o : opts) {
        int state = 1;
        if (o.flag == &s->failure_mode_switch && s->plate_count != 1.0) state = 0;
        Wdg_Draw_Check_Box(PAGE_LABEL_X + 10, Page_Row_Y(r++), o.label, o.flag, &state);
    }

    Page_Heading(r++, "Bemessung des Verbindungsmittels");
    Connection_Result res;
    int in_kN = 0;
    int err = Design_Current_Fastener(&res, &in_kN);
    if (err != 0) {
        Wdg_Set_Fg_Colour(RED_CI);
        Wdg_Draw_Text(PAGE_LABEL_X + 10, Page_Row_Y(r++), Get_Error_Text(err), nullptr);
        Wdg_Set_Fg_Colour(BLACK_CI);
        return;
    }
    /* Forces of the result in N, or in kN when the connection input asked for kN. */
    double to_kN = in_kN ? 1.0 : 0.001;
    Wdg_Printf_Text(PAGE_LABEL_X + 10, Page_Row_Y(r++), "F_v,R,k = %.2f kN je Scherfuge", res.rk_total * to_kN);
    Wdg_Printf_Text(PAGE_LABEL_X + 10, Page_Row_Y(r++), "F_v,R,d = %.2f kN je Scherfuge", res.rd_total * to_kN);
    Wdg_Printf_Text(PAGE_LABEL_X + 10, Page_Row_Y(r++), "k_mod = %.2f / %.2f", res.kmod_1, res.kmod_2);
    Wdg_Printf_Text(PAGE_LABEL_X + 10, Page_Row_Y(r++),
                    "Mindestabst\x84nde [mm]: a1 = %.0f  a2 = %.0f  a3,t = %.0f  a3,c = %.0f  a4,t = %.0f  a4,c = %.0f",
                    res.spacing_1[0], res.spacing_1[1], res.spacing_1[2], res.spacing_1[3],
                    res.spacing_1[4], res.spacing_1[5]);
    if (res.r_ax > 0.0)
        Wdg_Printf_Text(PAGE_LABEL_X + 10, Page_Row_Y(r++), "F_ax,R,k = %.2f kN", res.r_ax * to_kN);
    (void)area;
}

/* ---------------------------------------------------------------- "Anordnung" */

static void Draw_Pattern(int x1, int y1, int x2, int y2, void *user)
{
    (void)user;
    int n = Fastener_Pattern.count;
    double xmax = 1.0, ymax = 1.0;
    for (int i = 0; i < n; i++) {
        xmax = std::max(xmax, fabs(Fastener_Pattern.recs[i].x));
        ymax = std::max(ymax, fabs(Fastener_Pattern.recs[i].y));
    }
    double h = Splice_Input.h > 0 ? Splice_Input.h : 2 * ymax;
    double scale = std::min((x2 - x1 - 20) / (2.0 * xmax + 2.0), (y2 - y1 - 20) / (h + 2.0));
    int cx = (x1 + x2) / 2, cy = (y1 + y2) / 2;
    pxFgc(BLACK_CI);
    int top = cy - (int)lround(h / 2 * scale), bottom = cy + (int)lround(h / 2 * scale);
    pxLine(x1 + 5, top, x2 - 5, top);
    pxLine(x1 + 5, bottom, x2 - 5, bottom);
    pxLine(cx, top - 5, cx, bottom + 5);
    pxFgc(RED_CI);
    for (int i = 0; i < n; i++) {
        int px = cx + (int)lround(Fastener_Pattern.recs[i].x * scale);
        int py = cy - (int)lround(Fastener_Pattern.recs[i].y * scale);
        int mx = cx - (int)lround(Fastener_Pattern.recs[i].x * scale);
        pxRect(px - 2, py - 2, px + 2, py + 2);
        pxRect(mx - 2, py - 2, mx + 2, py + 2);
    }
}

void Page_Anordnung(int area)
{
    Splice_Input_Record *s = &Splice_Input;
    int slot = s->vbm_type >= VBM_TYPE_FIRST && s->vbm_type <= VBM_TYPE_LAST ? VBM_TYPE_SLOT(s->vbm_type) : 0;
    int r = 0;
    Page_Heading(r++, "Anordnung je Sto\xe1h\x84lfte");
    Page_Float(r++, "Verbindungsmittel in Faserrichtung n_c", &s->n_col[slot], 0, 1.0, 50.0, "n_c");
    Page_Float(r++, "Reihen n_r", &s->n_row[slot], 0, 1.0, 50.0, "n_r");
    Wdg_Option_Button(PAGE_LABEL_X + 10, Page_Row_Y(r), "regelm\x84\xe1ig", LAYOUT_REGULAR, &s->layout[slot], &Page_Active);
    Wdg_Option_Button(PAGE_LABEL_X + 210, Page_Row_Y(r), "versetzt", LAYOUT_STAGGERED, &s->layout[slot], &Page_Active);
    r++;
    Wdg_Draw_Check_Box(PAGE_LABEL_X + 10, Page_Row_Y(r++), "in zwei Gruppen", &s->grouped[slot], nullptr);
    Page_Heading(r++, "Abst\x84nde (sonst Mindestabst\x84nde)");
    struct { const char *label; double *v; int32_t *user; } rows[] = {
        {"a1 [cm] vorgeben", &s->a1, &s->a1_user}, {"a2 [cm] vorgeben", &s->a2, &s->a2_user},
        {"a3 [cm] vorgeben", &s->a3, &s->a3_user}, {"a4 [cm] vorgeben", &s->a4, &s->a4_user},
        {"e1 [cm] vorgeben", &s->e1, &s->e1_user}};
    for (auto &row : rows) {
        Wdg_Draw_Check_Box(PAGE_LABEL_X + 10, Page_Row_Y(r), row.label, row.user, nullptr);
        int state = *row.user ? 1 : WDG_READ_ONLY;
        Wdg_Limited_Float_Field(PAGE_FIELD_X, Page_Row_Y(r), row.v, 1.0, 8, 1, 0.0, 500.0, nullptr, &state);
        r++;
    }
    if (s->connection_kind == CONN_INNER_PLATES)
        Wdg_Printf_Text(PAGE_LABEL_X + 10, Page_Row_Y(r++), "Holzdicke zwischen den Blechen: %.2f cm",
                        Calc_Timber_Part_Thickness());
    if (Is_Big_Connector_Multi())
        Wdg_Draw_Text(PAGE_LABEL_X + 10, Page_Row_Y(r++), "Gro\xe1" "e D\x81" "bel: Klemmbolzen an den Laschenenden", nullptr);

    int code = Prepare_Splice_Calc();
    if (code != 0) {
        Wdg_Set_Fg_Colour(RED_CI);
        Wdg_Draw_Text(PAGE_LABEL_X + 10, Page_Row_Y(r++), Get_Error_Text(code), nullptr);
        Wdg_Set_Fg_Colour(BLACK_CI);
        return;
    }
    Wdg_Printf_Text(PAGE_LABEL_X + 10, Page_Row_Y(r++),
                    "vorhanden: a1 = %.1f cm  a2 = %.1f cm  e1 = %.1f cm  e2 = %.1f cm  Scherfugen %d",
                    Fastener_Pattern.a1_actual, Fastener_Pattern.a2_actual, s->e1, s->e2, (int)s->shear_planes);
    int y = Page_Row_Y(r);
    SVA_Add_Draw_Callback(area, PAGE_LABEL_X, y, PAGE_LABEL_X + 700, y + 300, nullptr, Draw_Pattern);
}
