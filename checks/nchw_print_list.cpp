/*
** Writer of the design-check chapter of a print list. Positions of the option graphic are in
** cm: 0.45 cm per option line, 19 pixels of a dialog's gap counting as one line.
*/
#include "checks/nchw_print_list.h"
#include "checks/beiwert.h"
#include "checks/genrule.h"
#include "checks/lkom_data_lines.h"
#include "checks/lkom_factors.h"
#include "checks/lkom_gen.h"
#include "checks/nchw_print.h"
#include "checks/nchw_rec.h"
#include "checks/nchw_settings.h"
#include "checks/xtr_tables.h"
#include "foundation/codepage.h"
#include "foundation/ttool.h"
#include "nad/nad.h"
#include "platform/zelkgrft_oli.h"
#include "printlist/oli_util.h"

#include <cstring>

int32_t Nchw_Print_Options = 0;
int32_t Nchw_Print_Rules = 0;
int32_t Nchw_Print_Objects = 0;
int32_t Nchw_Print_Lkom_Mode = 0;
int32_t Nchw_Print_Program = 0;
char Nchw_Print_Prefix[64] = "";
void (*Nchw_Object_Print_Hook)(FILE *, int32_t, int32_t, int32_t, int32_t) = nullptr;

void Set_Nchw_Print_Switches(int32_t options, int32_t rules, int32_t objects)
{
    Nchw_Print_Options = options;
    Nchw_Print_Rules = rules;
    Nchw_Print_Objects = objects;
}

void Set_Nchw_Print_Lkom_Mode(int32_t value) { Nchw_Print_Lkom_Mode = value; }

void Set_Nchw_Print_Program(int32_t code, const char *prefix)
{
    Nchw_Print_Program = code;
    snprintf(Nchw_Print_Prefix, sizeof Nchw_Print_Prefix, "%s", prefix ? prefix : "");
}

static const char *const End_Of_Text = "#END_OF_TEXT\n\n";

/* ------------------------------------------------------------------ head of the chapter */

static void Explanations(FILE *f)
{
    fputs("#SETFLAGS\n80\n\n", f);
    fputs("\n#SHOWTABLE\n 0 1 0\n", f);
    fputs(" Bei Anwendung der Überlagerungsregeln nach Eurocode bedeuten:\n"_cp850, f);
    fputs(" 0 0 -1 -1 0\n", f);
    fputs(
        " ©╬Tdom╬r  Kombinationsbeiwert für eine  führende       Verkehrslasteinwirkung    (Leiteinwirkung)\n"_cp850,
        f);
    fputs(
        " ©╬Tsub╬r  Kombinationsbeiwert für eine  nichtführende  Verkehrslasteinwirkung    (Begleiteinwirkung)\n"_cp850,
        f);
    fputs(" └╬Tsup╬r  Teilsicherheitsbeiwert für    ungünstig      wirkende Laststellungen\n"_cp850,
          f);
    fputs(" └╬Tinf╬r  Teilsicherheitsbeiwert für    günstig        wirkende Laststellungen\n"_cp850,
          f);
    fputs(End_Of_Text, f);
}

static void Annex(FILE *f)
{
    const char *name = Get_Active_NAD_Name();
    const bool has = name && name[0];
    fputs("\n#SHOWTABLE\n", f);
    fprintf(f, " 0 %d 0\n", has ? 5 : 2);
    fputs("  Überlagerungsregeln Brückenbau und DIN 1055-100 verhalten sich wie Eurocode.\n"_cp850,
          f);
    fputs(
        "  Bei nichtlinearer Berechnung bleiben Extremalbildungsvorschriften unberücksichtigt\n"_cp850,
        f);
    if (has) {
        fputs("  \n", f);
        fputs("  Werden nachfolgend Nachweise nach Eurocode aufgeführt, so gilt:\n"_cp850, f);
        if (strcmp(name, "Deutschland") == 0)
            fprintf(f, "  Der nationale Anhang \"%s\" wird berücksichtigt.\n"_cp850, name);
        else if (strcmp(name, "EC-Standardparameter") == 0)
            fputs(
                "  Die im Eurocode empfohlenen Parameter werden ohne nationalen Bezug berücksichtigt.\n"_cp850,
                f);
        else
            fprintf(
                f, "  Der nationale Anhang \"%s (benutzerdefiniert)\" wird berücksichtigt.\n"_cp850,
                name);
    }
    fputs(" 0 0 0 0 0\n", f);
}

/* ------------------------------------------------------------------ sections of a check */

static bool Is_Timber_Type(int32_t id)
{
    return (id >= 121 && id <= 125) || id == 221 || id == 222 || id == 224 || id == 225;
}

static void Option_Graphic(FILE *f, const Nchw_Rec *c)
{
    const Nchw_Type_Rec *t = c->type;
    fputs("#SETFLAGS\n0\n", f);
    if (Nchw_Print_Program) OLI_setBookmark(f, 0, "Nachweisoptionen");
    double h = 0.5;
    for (int32_t i = 0; i < t->option_count && i < 20; i++)
        h += 0.45 + t->options[i].gap * 0.45 / 19;
    h -= 0.25;
    fputs("#SHOWGRAFIC\n 0 1 0\n", f);
    fprintf(f, " ╬H╬_Nachweisoptionen zum Nachweis %d:╬r\n"_cp850, c->number);
    fputs(" 0 0 0\n -1\n", f);
    fprintf(f, " 0 16.3 %f 0\n", h);
    fputs(" 7 4\n", f);
    double y = 0.5;
    for (int32_t i = 0; i < t->option_count && i < 20; i++) {
        const Nchw_Option_Entry &e = t->options[i];
        y += e.gap * 0.45 / 19;
        const double x = e.x_indent / 30.0 + 0.1;
        if (e.kind == 1 || e.kind == 2) {
            bool on;
            if (e.kind == 1) {
                on = c->option_values[i] != 0;
            } else {
                int32_t first = i;
                for (int32_t j = 0; j < i; j++)
                    if (t->options[j].kind == 2 && t->options[j].group == e.group) {
                        first = j;
                        break;
                    }
                on = c->option_values[first] == e.value;
            }
            fprintf(f, "34 %f %f %s\n", x, y, on ? "Okay_Box" : "Empty_Box");
            fprintf(f, "2 %f %f \xAE%s\xAF\n", e.x_indent / 30.0 + 0.7, y - 0.1, e.text);
        } else if (e.kind == 3) {
            fprintf(f, "2 %f %f \xAE%s\xAF\n", x, y - 0.1, e.text);
        }
        y += 0.45;
    }
    fputs("0\n", f);
}

static const char *Comb_Rule_Line(int32_t code)
{
    switch (code) {
    case 1: return "Überlagerungsregel: DIN1055-100\n"_cp850;
    case 2: return "Überlagerungsregel: Eurocode\n"_cp850;
    case 4: return "Überlagerungsregel: DIN 18800\n"_cp850;
    case 8: return "Überlagerungsregel: charakteristisch\n"_cp850;
    case 16: return "Überlagerungsregel: DIN 1072\n"_cp850;
    case 32: return "Überlagerungsregel: Brückenbau\n"_cp850;
    default: return "Überlagerungsregel: ?????????\n"_cp850;
    }
}

/* Situation: 1 accidental, 2 earthquake, 0 persistent. */
static int Rule_Situation(const Xtr_Rule_Rec *r)
{
    if (Xtr_Rule_Find_Sonderlast(r)) return 1;
    if (Xtr_Rule_Find_Erdbeben(r)) return 2;
    return 0;
}

static void Din1045_Line(FILE *f, int situation)
{
    const Nchw_Global_Settings_Rec &G = Nchw_Global_Settings;
    if (situation == 1)
        fprintf(
            f,
            " Materialsicherheitsbeiwerte: └╬\\C╬r = %.2f, └╬\\S╬r = %.2f (außergewöhnliche Bemessungssituation)\n"_cp850,
            G.gamma_c_acc, G.gamma_s_acc);
    else if (situation == 2)
        fprintf(
            f,
            " Materialsicherheitsbeiwerte: └╬\\C╬r = %.2f, └╬\\S╬r = %.2f (Erdbeben-Bemessungssituation)\n"_cp850,
            G.gamma_c_quake, G.gamma_s_quake);
    else
        fprintf(f, " Materialsicherheitsbeiwerte: └╬\\C╬r = %.2f, └╬\\S╬r = %.2f\n"_cp850,
                G.gamma_c_fund, G.gamma_s_fund);
}

static void Print_Rule_Table(FILE *f, const Nchw_Rec *c, const Xtr_Rule_Rec *r)
{
    const int32_t T = Nchw_Type_Id(c->type);
    const Nchw_Global_Settings_Rec &G = Nchw_Global_Settings;
    if (T == 122) {
        Print_Xtr_Rule_Defl_AB(f, r, c->number);
        return;
    }
    if (T == 123) {
        Print_Xtr_Rule(f, r, c->number);
        return;
    }
    if (T == 222) {
        Print_Xtr_Rule_Defl_ABC(f, r, c->number, c->option_values[0], c->option_values[1],
                                c->option_values[2]);
        return;
    }
    const int sit = Rule_Situation(r);
    fputs("#SHOWTABLE\n", f);
    fprintf(f, "0 1 %d\n", (T == 31 || T == 121) ? 3 : 2);
    fprintf(f, " ╬H%d: %s╬r\n"_cp850, r->number, r->name);
    fputs(" \n", f);
    fprintf(f, " Extremalbildungsvorschrift zum Nachweis %d╬r, "_cp850, c->number);
    fputs(r->mode == 1 ? "Typ: standard, " : "Typ: benutzerdefiniert, ", f);
    fputs(Comb_Rule_Line(r->comb_rule[0]), f);
    if (T == 31) Din1045_Line(f, sit);
    if (T == 121) {
        if (sit == 1)
            fprintf(
                f,
                " Materialsicherheitsbeiwert: └╬\\M╬r = %.2f, kmod = %.2f (außergewöhnliche Bemessungssituation)\n"_cp850,
                G.gamma_m_acc, Xtr_Kmod_Accidental);
        else if (sit == 2)
            fprintf(
                f,
                " Materialsicherheitsbeiwert: └╬\\M╬r = %.2f, kmod = %.2f (Erdbeben-Bemessungssituation)\n"_cp850,
                G.gamma_m_quake, Xtr_Kmod_Earthquake);
        else
            fprintf(
                f,
                " Materialsicherheitsbeiwert: └╬\\M╬r = %.2f - Die aufgeführten Gruppen werden einzeln extremiert und mit dem zugeordneten k╬\\mod╬r-Wert nachgewiesen.\n"_cp850,
                G.gamma_m_fund);
    }
    fputs("1 0 -1 -1 2\n6.0 18.5\n", f);
    fputs(r->basis[0] != 0 ? "  LF  " : " Einw.", f);
    if (r->comb_rule[0] == 8) fputs("   └╬Tsup╬r  └╬Tinf╬r"_cp850, f);
    else fputs("  ©╬Tdom╬r  ©╬Tsub╬r   └╬Tsup╬r  └╬Tinf╬r"_cp850, f);
    fputc('\n', f);
    if (T == 121) {
        Print_Xtr_Kmod_Groups(f, r);
        return;
    }
    if (T == 221) {
        Print_Xtr_Kmod_Groups3(f, r);
        return;
    }
    for (int32_t i = 0; r->rows && i < r->row_count; i++) {
        const Xtr_Row &x = r->rows[i];
        if (r->comb_rule[0] == 8)
            fprintf(f, "%4d   %5.2f %5.2f", x.number, x.gamma_sup, x.gamma_inf);
        else
            fprintf(f, "%4d   %5.2f %5.2f  %5.2f %5.2f", x.number, x.psi_dom, x.psi_sub,
                    x.gamma_sup, x.gamma_inf);
        fputc('\n', f);
    }
    fputs(End_Of_Text, f);
}

static void Print_Collective(FILE *f, const Nchw_Rec *c, const Lkom_Rec *l)
{
    const int32_t T = Nchw_Type_Id(c->type);
    const Nchw_Global_Settings_Rec &G = Nchw_Global_Settings;
    const int sit = Lkom_Has_Sonderlast(l) ? 1 : Lkom_Has_Erdbeben(l) ? 2 : 0;
    fputs("#SHOWTABLE\n", f);
    fprintf(f, "0 1 %d\n", (T == 31 || T == 121 || T == 125) ? 2 : 1);
    fprintf(f, " ╬H%d: %s╬r \n"_cp850, l->number, l->name);
    fprintf(
        f,
        " Lastkollektiv zum Nachweis %d   -  negative Lastfallnummern beziehen sich auf Imperfektionen\n",
        c->number);
    if (T == 31) Din1045_Line(f, sit);
    if (T == 121 || T == 221) {
        const bool nad = T == 221;
        const double kmod = nad ? Max_Kmod_Of_Lf_List_NAD(l->row_count, l->rows)
                                : Max_Kmod_Of_Lf_List(l->row_count, l->rows);
        double gm;
        if (nad) gm = sit == 1 ? Nchw_Ec5_Gamma(18) : Nchw_Ec5_Gamma(16);
        else gm = sit == 1 ? G.gamma_m_acc : sit == 2 ? G.gamma_m_quake : G.gamma_m_fund;
        if (sit == 1)
            fprintf(
                f,
                " Materialsicherheitsbeiwert: └╬\\M╬r = %.2f (außergewöhnliche Bemessungssituation);  kmod = %.2f\n"_cp850,
                gm, kmod);
        else if (sit == 2)
            fprintf(
                f,
                " Materialsicherheitsbeiwert: └╬\\M╬r = %.2f (Erdbeben-Bemessungssituation);  kmod = %.2f\n"_cp850,
                gm, kmod);
        else
            fprintf(
                f,
                " Materialsicherheitsbeiwert: └╬\\M╬r = %.2f (ständige und vorübergehende Bemessungssituation);  kmod = %.2f\n"_cp850,
                gm, kmod);
    }
    fputs("1 0 -1 -1 1\n6.0\n  LF  ", f);
    if (l->comb_rule == 8) {
        fputs("    └\n"_cp850, f);
        for (int32_t i = 0; l->rows && i < l->row_count; i++)
            fprintf(f, "%4d   %5.2f\n", l->rows[i].number, l->rows[i].factor);
    } else {
        fputs("   ©  *  └ = Faktor\n"_cp850, f);
        for (int32_t i = 0; l->rows && i < l->row_count; i++)
            fprintf(f, "%4d   %5.2f %5.2f %5.2f\n", l->rows[i].number, l->rows[i].psi,
                    l->rows[i].gamma, l->rows[i].factor);
    }
    fputs(End_Of_Text, f);
}

static void Print_GenRules(FILE *f, Nchw_Rec *c)
{
    const int32_t T = Nchw_Type_Id(c->type);
    static const int32_t codes[6] = {1, 2, 4, 8, 16, 32};
    if (Nchw_Print_Program) OLI_setBookmark(f, 0, "Generierungsvorschriften");
    for (GenRule_Rec *g = c->genrule_head; g; g = g->next) {
        fputs("#SHOWTABLE\n", f);
        fprintf(f, "0 1 %d\n", T == 31 ? 3 : 2);
        fprintf(f, " ╬H%d: %s╬r\n"_cp850, g->number, g->name);
        fputs(" \n", f);
        fprintf(f, " Generierungsvorschrift zum Nachweis %d╬r, "_cp850, c->number);
        fputs(g->factor_mode == 1 ? "Typ: standard, " : "Typ: benutzerdefiniert, ", f);
        const int32_t m = g->gen_settings[0];
        fputs(Comb_Rule_Line(m >= 0 && m < 6 ? codes[m] : 0), f);
        if (T == 31) Din1045_Line(f, 0);
        fputs("0 0 0 0 0\n\n", f);
        Apply_GenRule_To_Tables(g);
        Build_Lf_Factor_Tables();
        Load_GenRule_Factors(g);
        Do_Generate_Lkoms();
        Nchw_Rec shown = *c; /* the generated collectives under the check's number */
        shown.lkom_head = Auto_GenRule.lkom_head;
        shown.lkom_tail = Auto_GenRule.lkom_tail;
        shown.lkom_count = Auto_GenRule.lkom_count;
        Print_Lkoms_Of_Nchw(&shown, g, f);
        Init_Or_Clear_Auto_Lkoms();
    }
}

static void Print_Objects(FILE *f, const Nchw_Rec *c)
{
    const Nchw_Type_Rec *t = c->type;
    if (Nchw_Print_Program) OLI_setBookmark(f, 0, "nachzuweisende Objekte");
    const int32_t id = Nchw_Type_Id(t);
    for (int32_t s = 0; s < t->selector_count && s < 3; s++) {
        const int32_t type = t->selector_types[s];
        if (!Nchw_Object_Print_Hook) continue;
        if (c->selector_modes[s] == 0) {
            const int32_t n = Nchw_Objects_Of_Type(type);
            for (int32_t i = 0; i < n; i++)
                Nchw_Object_Print_Hook(f, id, c->number, type, Nchw_Object_Number(type, i));
        } else if (c->selector_modes[s] == 2 && c->selected[s]) {
            for (int32_t i = 1; i <= c->selected[s][0]; i++)
                Nchw_Object_Print_Hook(f, id, c->number, type, c->selected[s][i]);
        }
        Nchw_Object_Print_Hook(f, id, c->number, type, 0);
    }
}

static void Print_Check(FILE *f, Nchw_Rec *c, int32_t *running)
{
    const Nchw_Type_Rec *t = c->type;
    const int32_t T = t ? Nchw_Type_Id(t) : 0;
    if (Nchw_Print_Program) {
        char text[200];
        snprintf(text, sizeof text, "%s%d Nachweis %d: %s", Nchw_Print_Prefix, ++*running,
                 c->number, c->name);
        OLI_reserveSpaceCM(f, 5.0);
        OLI_setBookmark(f, 16, text);
        fputs("#SHOWTABLE\n 1 2 0\n", f);
        fprintf(f, " %s\n", text);
    } else {
        fputs("#SHOWTABLE\n 1 2 0\n", f);
        fprintf(f, " Nachweis %d: %s\n", c->number, c->name);
    }
    fputs(" \n", f);
    char type_name[64];
    snprintf(type_name, sizeof type_name, "%s", t ? Trim_Blanks(t->name) : "");
    fprintf(f, " ╬H╬_%s:╬r %s\n"_cp850, type_name, t ? t->description : "");
    fputs(" 0 0 0 0 0\n", f);
    if (Is_Timber_Type(T)) {
        fputs("#SHOWTABLE\n 0 1 0\n", f);
        fprintf(f, " Das gesamte Bauwerk ist der Nutzungsklasse %d zugeordnet\n",
                Nchw_Global_Settings.service_class + 1);
        fputs(" 0 0 0 0 0\n", f);
    }
    if (c->comment) Print_User_Comment(f, c->comment);
    const bool rules_count = Nchw_Write_Xtr_Switch && c->xtr_head;
    const bool empty = !rules_count && !c->lkom_head && !c->genrule_head;
    if (empty) {
        fputs("#SHOWTEXT\n Bemerkung:\n", f);
        if (!Nchw_Write_Xtr_Switch) {
            fputs(
                " der Nachweis wird nicht geführt, da ihm keine Lastkollektive zugeordnet sind.\n"_cp850,
                f);
        } else {
            fputs(
                " der Nachweis wird nicht geführt, da ihm weder Extremalbildungsvorschriften\n"_cp850,
                f);
            fputs(" noch Lastkollektive zugeordnet sind.\n", f);
        }
        fputs(End_Of_Text, f);
    } else if (T == 33) {
        fputs("#SHOWTABLE\n 0 1 0\n", f);
        fprintf(f, " Materialsicherheitsbeiwerte: └╬\\C╬r = %.2f, └╬\\S╬r = %.2f\n"_cp850,
                Nchw_Global_Settings.gamma_c_fatigue, Nchw_Global_Settings.gamma_s_fatigue);
        fputs(" 0 0 0 0 0\n", f);
    }
    if (Nchw_Print_Options && t && t->option_count > 0) Option_Graphic(f, c);
    if (!empty && Nchw_Print_Rules && t) {
        if (rules_count) {
            if (Nchw_Print_Program) OLI_setBookmark(f, 0, "Extremalbildungsvorschriften");
            for (const Xtr_Rule_Rec *r = c->xtr_head; r; r = r->next) Print_Rule_Table(f, c, r);
        }
        if (!(Nchw_Print_Lkom_Mode && Print_Lkoms_Of_Nchw(c, nullptr, f)) && c->lkom_head) {
            if (Nchw_Print_Program) OLI_setBookmark(f, 0, "Lastkollektive");
            for (const Lkom_Rec *l = c->lkom_head; l; l = l->next) Print_Collective(f, c, l);
        }
        if (c->genrule_head) Print_GenRules(f, c);
    }
    if (Nchw_Print_Objects && t && t->selector_count > 0) Print_Objects(f, c);
    if (Nchw_Print_Program) OLI_setBookmark(f, 17, nullptr);
}

void Write_Nachweise_Print_List(FILE *f)
{
    if (!f || !Nchw_List_Head) return;
    if (!Nchw_Print_Options && !Nchw_Print_Rules && !Nchw_Print_Objects) return;
    Apply_NAD_EC0_Factors_To_Lkom_Tables();
    if (Nchw_Print_Program) OLI_setBookmark(f, 0, "Erläuterungen"_cp850);
    Explanations(f);
    Annex(f);
    int32_t running = 0;
    for (Nchw_Rec *c = Nchw_List_Head; c; c = c->next)
        if (c->flags != 0) Print_Check(f, c, &running);
}
