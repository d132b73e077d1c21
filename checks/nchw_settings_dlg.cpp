/*
** The two sheets of the design-check settings: the report of the consistency checks
** ("Überpüfung des aktuellen Zustandes") and the general settings of all checks
** ("Allgemeine Nachweiseinstellungen"), each a property sheet with one scrollable view area.
*/
#include "checks/dlg_sheet.h"
#include "checks/nchw_consistency.h"
#include "checks/nchw_rec.h"
#include "checks/nchw_settings.h"
#include "checks/nchw_settings_dlg.h"
#include "dialogs/sva.h"
#include "foundation/codepage.h"
#include "platform/zelkwin.h"

#include <algorithm>
#include <cstdio>

/* ------------------------------------------------------------------ the report sheet */

static int Report_X = -1, Report_Y = -1; /* top left corner where the user left it */

int Show_Nchw_Check_Report(void)
{
    const int w = std::min(NPIXEL_X, 575) - 15, h = std::min(NPIXEL_Y, 365) - 15;
    if (Report_X < 0) {
        Report_X = (NPIXEL_X - w) / 2;
        Report_Y = (NPIXEL_Y - h) / 2;
    }
    int x1 = Report_X, y1 = Report_Y, x2 = x1 + w, y2 = y1 + h;
    Check_Prop_Sheet_Frames(&x1, &y1, &x2, &y2);
    if (!Define_Prop_Sheet(x1, y1, x2, y2, 1, 1, "Überpüfung des aktuellen Zustandes"_cp850, 40, 1))
        return 0;
    Add_Single_Button_to_PS(x2 - 40, y1 + 30, SYMBOLIC_OK_RASTER, "", 1);
    Set_Windows_Break_Button(1);
    Set_Windows_OK_Button(1);
    const int area = SVA_Create(x1 + 10, y1 + 60, x2 - 10, y2 - 10, 0, 1);
    Activate_Prop_Sheet();
    int found = 0;
    if (area >= 0) {
        SVA_Add_Bitmap(area, "checkpic.bmp", 10, 5, 60, 70, -1);
        int y = 20;
        Nchw_Check_Line(
            area, &y, NCHW_WARNING,
            "fett gesetzte Warnungen (weisen auf kritische, unzulässige Zustände hin)"_cp850);
        y = 35;
        Nchw_Check_Line(
            area, &y, NCHW_MESSAGE,
            "normal gesetzte Meldungen (weisen auf aussergewöhnliche Zustände hin)"_cp850);
        y = 50;
        Nchw_Check_Line(
            area, &y, NCHW_STATUS,
            "Statusmeldungen (geben Auskunft über den Verlauf der Überprüfungen)"_cp850);
        y = 63;
        Nchw_Check_Line(
            area, &y, NCHW_HINT,
            "blass gesetzte Hinweise (geben Tips, wie Missstände behoben werden können)"_cp850);
        SVA_Add_Line(area, 10, 73, 510, 73, BLACK_CI);
        y = 105;
        found = Run_Nchw_Checks(area, &y);
        if (found == 0) {
            y += 10;
            SVA_Add_Text(area, 10, y, "keine auf Fehler hinweisende Datenzustände entdeckt."_cp850,
                         4096 | SVA_FONT_BOLD, Nearest_RGB_Color(0, 120, 0), 0);
        }
        SVA_Update(area);
    }
    for (;;) {
        const int code = Edit_Prop_Sheet();
        if (code == 1 || code <= 0 || getkeymask()) break;
    }
    int dx = 0, dy = 0;
    Prop_Sheet_Displacement(&dx, &dy);
    Report_X = x1 + dx;
    Report_Y = y1 + dy;
    if (area >= 0) SVA_Delete(area);
    Undefine_Prop_Sheet();
    return found;
}

/* ------------------------------------------------------------------ the general settings */

/* Standard values of the standard boxes, applied before every pass. */
void Apply_Nchw_Standard_Values(Nchw_Global_Settings_Rec *s, int gamma_m_std, int kmod_std,
                                int din1045_std, int limits_std)
{
    if (gamma_m_std) {
        s->gamma_m_fund = 1.3;
        s->gamma_m_acc = 1.0;
        s->gamma_m_quake = 1.3;
    }
    if (kmod_std) {
        if (s->service_class == 2) {
            const double k[5] = {0.5, 0.55, 0.65, 0.7, 0.9};
            for (int i = 0; i < 5; i++) s->kmod[i] = k[i];
            s->kdef = 2.0;
        } else {
            const double k[5] = {0.6, 0.7, 0.8, 0.9, 1.1};
            for (int i = 0; i < 5; i++) s->kmod[i] = k[i];
            s->kdef = s->service_class == 1 ? 0.8 : 0.6;
        }
    }
    if (din1045_std) {
        s->gamma_c_fund = 1.5;
        s->gamma_s_fund = 1.15;
        s->gamma_c_acc = 1.3;
        s->gamma_s_acc = 1.0;
        s->gamma_c_fatigue = 1.5;
        s->gamma_s_fatigue = 1.15;
        s->gamma_c_quake = 1.5;
        s->gamma_s_quake = 1.15;
    }
    if (limits_std) {
        const double d[6] = {300, 150, 200, 100, 200, 100};
        for (int i = 0; i < 6; i++) s->deflection_divisors[i] = d[i];
    }
}

Nchw_Settings_Dialog_State Nchw_Settings_Dialog;

/* Copies of the settings into the dialog state, before the dialog opens: the dialog edits the
** copies, and only Store_Nchw_Settings_Dialog (OK) writes them back. */
void Prepare_Nchw_Settings_Dialog(Nchw_Settings_Dialog_State *d)
{
    d->settings = Nchw_Global_Settings;
    d->altitude_choice = Nchw_Global_Settings.altitude_switch == 1 ? 1 : 2;
    d->din18800_choice = Nchw_Global_Settings.din18800_comb_code == 4 ? 1 : 2;
    int32_t sit = Auto_Xtr_Situations;
    if ((Nchw_Norm_Mask & NCHW_NORM_EUROCODE) && !Nchw_List_Head) {
        Auto_Xtr_Situations = 11;
        sit = 11;
    }
    for (int i = 0; i < 4; i++) d->situation[i] = (sit >> i) & 1;
    d->gamma_m_std = Nchw_Global_Settings.gamma_m_standard;
    d->kmod_std = Nchw_Global_Settings.kmod_standard;
    d->limits_std = Nchw_Global_Settings.recommended_limits;
    d->din1045_std = 0;
    d->service_choice = Nchw_Global_Settings.service_class;
    d->gamma_g_choice = Nchw_Global_Settings.din1055_gamma_g - 1;
    d->open[0] = d->open[1] = d->open[2] = 1; /* Eurocode, altitude, service class */
    d->open[3] = d->open[4] = d->open[5] = d->open[6] = 0;
}

/* Store the dialog's copies (OK). */
void Store_Nchw_Settings_Dialog(const Nchw_Settings_Dialog_State *d)
{
    Nchw_Global_Settings_Rec s = d->settings;
    s.altitude_switch = d->altitude_choice == 1 ? 1 : 0;
    s.din18800_comb_code = d->din18800_choice == 1 ? 4 : 1;
    s.service_class = d->service_choice;
    s.din1055_gamma_g = d->gamma_g_choice + 1;
    s.gamma_m_standard = d->gamma_m_std;
    s.kmod_standard = d->kmod_std;
    s.recommended_limits = d->limits_std;
    Nchw_Global_Settings = s;
    int32_t sit = 0;
    if (Nchw_Norm_Mask & NCHW_NORM_EUROCODE)
        for (int i = 0; i < 4; i++)
            if (d->situation[i]) sit |= 1 << i;
    Auto_Xtr_Situations = sit;
}

static int Heading(int area, int y, int section, const char *title, Nchw_Settings_Dialog_State *d,
                   int *toggle)
{
    const int colour = Nearest_RGB_Color(0, 84, 147);
    SVA_Add_Filled_Rect(area, 5, y, 320, y + 18, colour);
    SVA_Add_Text(area, 12, y + 14, title, 4096 | SVA_FONT_BOLD, WHITE_CI, 0);
    SVA_Add_Text(area, 300, y + 14, d->open[section] ? "-" : "+", 4096 | SVA_FONT_BOLD, WHITE_CI,
                 0);
    SVA_Add_Hotspot(area, 5, y, 320, y + 18, 100 + section, toggle);
    return y + 24;
}

static int Text(int area, int y, const char *text)
{
    SVA_Add_Text(area, 15, y + 12, text, 4096, BLACK_CI, 0);
    return y + 16;
}

static int Field(int area, int y, const char *label, double *value, const char *format, int *active)
{
    SVA_Add_Text(area, 25, y + 12, label, 4096, BLACK_CI, 0);
    SVA_Add_Float_Field(area, 220, y + 12, value, format, 4096, BLACK_CI, active);
    return y + 18;
}

/* Lay out the sections of the mask into the area; toggle receives a clicked heading. */
static void Draw_Settings(int area, Nchw_Settings_Dialog_State *d, int *toggle)
{
    Nchw_Global_Settings_Rec &s = d->settings;
    Apply_Nchw_Standard_Values(&s, d->gamma_m_std, d->kmod_std, d->din1045_std, d->limits_std);
    static int on = 1;
    int not_gm = !d->gamma_m_std, not_kmod = !d->kmod_std, not_din = !d->din1045_std,
        not_lim = !d->limits_std;
    int y = 5;
    const int32_t m = Nchw_Norm_Mask;
    if (!(m & NCHW_NORM_EUROCODE))
        for (int &v : d->situation) v = 0;
    if (m & NCHW_NORM_EUROCODE) {
        y = Heading(area, y, 0, "Tragfähigkeitsnachweise nach Eurocode"_cp850, d, toggle);
        if (d->open[0]) {
            y = Text(area, y, "automatische Einrichtung von Extremalbildungs-");
            y = Text(area, y, "vorschriften bei linearer Schnittgrößenermittlung:"_cp850);
            static const char *const boxes[4] = {
                "ständige und vorübergeh. Bemessungssituation"_cp850,
                "außergewöhnliche Bemessungssituation"_cp850, "Sonderfall: Norddeutsche Tiefebene",
                "Erdbeben"};
            for (int i = 0; i < 4; i++) {
                SVA_Add_Check_Box(area, 15, y + 12, boxes[i], 4096, BLACK_CI, &d->situation[i],
                                  &on);
                y += 18;
            }
        }
    }
    if (m & NCHW_NORM_SNOW) {
        y = Heading(area, y, 1, "Höhe über NN:"_cp850, d, toggle);
        if (d->open[1]) {
            y = Text(area, y, "Zur Festlegung der Kombinationsbeiwerte für"_cp850);
            y = Text(area, y, "Schneeeinwirkungen nach DIN 1055-100.");
            y = Text(area, y, "Das Bauwerk wird erstellt");
            SVA_Add_Option_Button(area, 25, y + 12, "über NN + 1000m"_cp850, 4096, BLACK_CI, 1,
                                  &d->altitude_choice, &on);
            y += 18;
            SVA_Add_Option_Button(area, 25, y + 12, "bis  NN + 1000m", 4096, BLACK_CI, 2,
                                  &d->altitude_choice, &on);
            y += 18;
        }
    }
    if (m & NCHW_NORM_TIMBER) {
        y = Heading(area, y, 2, "Holzbau", d, toggle);
        if (d->open[2]) {
            y = Text(area, y, "Nutzungsklasse des Bauwerks:");
            static const char *const nk[3] = {"1", "2", "3"};
            for (int i = 0; i < 3; i++)
                SVA_Add_Option_Button(area, 25 + 60 * i, y + 12, nk[i], 4096, BLACK_CI, i,
                                      &d->service_choice, &on);
            y += 18;
            s.service_class = d->service_choice;
        }
    }
    if (m & NCHW_NORM_DIN18800) {
        y = Heading(area, y, 3, "DIN 18800 (Stahlbau):", d, toggle);
        if (d->open[3]) {
            y = Text(area, y, "Bei Nachweisen nach DIN 18800 werden die");
            y = Text(area, y, "Schnittgrößen kombiniert nach den Regeln"_cp850);
            SVA_Add_Option_Button(area, 25, y + 12, "gemäß DIN 18800"_cp850, 4096, BLACK_CI, 1,
                                  &d->din18800_choice, &on);
            y = Text(area, y + 18, "Prinzip: Haupt- und Nebenkombinationen");
            SVA_Add_Option_Button(area, 25, y + 12, "gemäß DIN 1055-100"_cp850, 4096, BLACK_CI, 2,
                                  &d->din18800_choice, &on);
            y = Text(area, y + 18, "Prinzip: führende und nichtführ. Einwirkungen"_cp850);
        }
    }
    if (m & NCHW_NORM_DIN1045) {
        y = Heading(area, y, 4, "DIN 1045-1 (Stahlbeton):", d, toggle);
        if (d->open[4]) {
            y = Text(area, y, "Für Tragfähigkeitsnachweise nach DIN 1045-1"_cp850);
            SVA_Add_Check_Box(area, 15, y + 12, "standard", 4096, BLACK_CI, &d->din1045_std, &on);
            y += 18;
            y = Field(area, y, "ständig u. vorübergehend  └c"_cp850, &s.gamma_c_fund, "%5.2f",
                      &not_din);
            y = Field(area, y, "                          └s"_cp850, &s.gamma_s_fund, "%5.2f",
                      &not_din);
            y = Field(area, y, "Ermüdungsnachweis  └c"_cp850, &s.gamma_c_fatigue, "%5.2f",
                      &not_din);
            y = Field(area, y, "                   └s"_cp850, &s.gamma_s_fatigue, "%5.2f",
                      &not_din);
            y = Field(area, y, "Erdbeben  └c"_cp850, &s.gamma_c_quake, "%5.2f", &not_din);
            y = Field(area, y, "          └s"_cp850, &s.gamma_s_quake, "%5.2f", &not_din);
            y = Field(area, y, "außergewöhnlich  └c"_cp850, &s.gamma_c_acc, "%5.2f", &not_din);
            y = Field(area, y, "                 └s"_cp850, &s.gamma_s_acc, "%5.2f", &not_din);
        }
    }
    if (m & NCHW_NORM_TIMBER) {
        y = Heading(area, y, 5, "DIN 1052:2008 (Holzbau)", d, toggle);
        if (d->open[5]) {
            y = Text(area, y, "Materialsicherheitsbeiwerte:");
            SVA_Add_Check_Box(area, 15, y + 12, "standard", 4096, BLACK_CI, &d->gamma_m_std, &on);
            y += 18;
            y = Field(area, y, "ständig u. vorübergehend"_cp850, &s.gamma_m_fund, "%5.2f", &not_gm);
            y = Field(area, y, "Erdbeben", &s.gamma_m_quake, "%5.2f", &not_gm);
            y = Field(area, y, "außergewöhnlich"_cp850, &s.gamma_m_acc, "%5.2f", &not_gm);
            y = Text(area, y, "Modifikationsbeiwerte:");
            SVA_Add_Check_Box(area, 15, y + 12, "standard", 4096, BLACK_CI, &d->kmod_std, &on);
            y += 18;
            static const char *const kled[5] = {"Lasteinwirkungsdauer ständig"_cp850, "lang",
                                                "mittel", "kurz", "sehr kurz"};
            for (int i = 0; i < 5; i++) y = Field(area, y, kled[i], &s.kmod[i], "%5.2f", &not_kmod);
            y = Field(area, y, "Verform.-beiwert:", &s.kdef, "%5.2f", &not_kmod);
            y = Text(area, y, "Grenzwerte für Gebrauchstauglichkeitsnachweise:"_cp850);
            SVA_Add_Check_Box(area, 15, y + 12, "nach Norm empfohlene Richtwerte verwenden", 4096,
                              BLACK_CI, &d->limits_std, &on);
            y += 18;
            y = Text(area, y, "für seltene Bemessungssituation:"_cp850);
            y = Field(area, y, "wQ,inst  l /", &s.deflection_divisors[0], "%3.0f", &not_lim);
            y = Field(area, y, "Kragarm: l  /", &s.deflection_divisors[1], "%3.0f", &not_lim);
            y = Field(area, y, "wfin - wG,inst  l /", &s.deflection_divisors[2], "%3.0f", &not_lim);
            y = Field(area, y, "Kragarm: l  /", &s.deflection_divisors[3], "%3.0f", &not_lim);
            y = Text(area, y, "für quasiständige Bemessungssituation:"_cp850);
            y = Field(area, y, "wfin - w0  l /", &s.deflection_divisors[4], "%3.0f", &not_lim);
            y = Field(area, y, "Kragarm: l  /", &s.deflection_divisors[5], "%3.0f", &not_lim);
        }
    }
    if (m & NCHW_NORM_DIN1055) {
        y = Heading(area, y, 6, "DIN 1055-100", d, toggle);
        if (d->open[6]) {
            y = Text(
                area, y,
                "Teilsicherheitsbeiwerte └G für die Standardkombination nach DIN 1055-100"_cp850);
            static const char *const gg[3] = {"1.35 / 1.00", "1.10 / 0.90", "1.05 / 0.95"};
            for (int i = 0; i < 3; i++) {
                SVA_Add_Option_Button(area, 25, y + 12, gg[i], 4096, BLACK_CI, i,
                                      &d->gamma_g_choice, &on);
                y += 18;
            }
        }
    }
}

int Nchw_Global_Settings_Dialog(void)
{
    if (Nchw_Norm_Mask == 0) return 0;
    Nchw_Settings_Dialog_State &d = Nchw_Settings_Dialog;
    const int32_t kept_situations = Auto_Xtr_Situations;
    Prepare_Nchw_Settings_Dialog(&d);
    const int w = 360, h = 500;
    int x1 = (NPIXEL_X - w) / 2, y1 = (NPIXEL_Y - h) / 2, x2 = x1 + w, y2 = y1 + h;
    Check_Prop_Sheet_Frames(&x1, &y1, &x2, &y2);
    if (!Define_Prop_Sheet(x1, y1, x2, y2, 1, 1, "Allgemeine Nachweiseinstellungen", 40, 1))
        return 0;
    Add_Single_Button_to_PS(x2 - 100, y1 + 30, SYMBOLIC_BREAK_RASTER, "", 2);
    Add_Help_to_PS(x2 - 68, y1 + 30, Nchw_Help_Key);
    Add_Single_Button_to_PS(x2 - 38, y1 + 30, SYMBOLIC_OK_RASTER, "", 1);
    Set_Windows_Break_Button(2);
    const int area = SVA_Create(x1 + 10, y1 + 62, x2 - 10, y2 - 10, 0, 1);
    Activate_Prop_Sheet();
    int code = 2;
    for (;;) {
        int toggle = 0;
        if (area >= 0) {
            SVA_Clear(area);
            Draw_Settings(area, &d, &toggle);
            SVA_Update(area);
        }
        code = Edit_Prop_Sheet();
        if (toggle >= 100 && toggle < 107) {
            d.open[toggle - 100] = !d.open[toggle - 100];
            continue;
        }
        if (code == 1 || code == 2 || code <= 0 || getkeymask()) break;
    }
    if (area >= 0) SVA_Delete(area);
    Undefine_Prop_Sheet();
    if (code != 1) {
        Auto_Xtr_Situations = kept_situations;
        return 2;
    }
    Apply_Nchw_Standard_Values(&d.settings, d.gamma_m_std, d.kmod_std, d.din1045_std, d.limits_std);
    Store_Nchw_Settings_Dialog(&d);
    Refresh_Nachweise();
    if (Nchw_Current_Xtr_Rule) Edit_Current_Xtr_Rule();
    if (Nchw_Current) Show_Nchw_Properties(Nchw_Current); /* the type information again */
    return 1;
}
