/*
** Input sections of the splice's print list: the fastener section ("Verbindungsmittel"), the
** table of the design combinations and the table of the characteristic actions, with the word
** of a load-duration class and the formula text of a generated combination.
*/
#include "results/print_list.h"
#include "results/splice_checks.h"

#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "catalogue/catalogue.h"
#include "foundation/format.h"
#include "foundation/foundation.h"
#include "printlist/printlist.h"

/* ---------------------------------------------------------------- small texts */

static const char *const Kled_Names[9] = {
    "ständig"_cp850,         "lang",     "mittel", "kurz", "sehr kurz", "kurz/sehr kurz",
    "außergewöhnlich"_cp850, "Erdbeben", "frei"};

const char *Get_Kled_Name(int kled)
{
    static char buffer[32];
    const char *t = (kled >= 0 && kled <= 8) ? Kled_Names[kled] : "undefiniert";
    snprintf(buffer, sizeof buffer, "%s", t);
    return buffer;
}

/* Append a formatted term to s, whole however long it is. */
__attribute__((format(printf, 2, 3))) static void Append_Format(std::string *s, const char *format,
                                                                ...)
{
    char term[64];
    va_list ap;
    va_start(ap, format);
    const int n = vsnprintf(term, sizeof term, format, ap);
    va_end(ap);
    if (n < 0) return;
    if (n < (int)sizeof term) {
        s->append(term, (size_t)n);
        return;
    }
    std::string longer((size_t)n + 1, '\0');
    va_start(ap, format);
    vsnprintf(longer.data(), longer.size(), format, ap);
    va_end(ap);
    s->append(longer.data(), (size_t)n);
}

const char *Lkom_Formula_Text(int group, int entry, int max_len)
{
    static char text[256];
    text[0] = '\0';
    const Lkom_Entry *c = Get_Lkom_Entry(group, entry);
    if (c == nullptr) return text;
    std::string s;
    for (int k = 0; k < LKOM_ACTION_SLOTS && c->actions[k] != -1; k++) {
        int a = c->actions[k];
        /* an action of the other sign (the earthquake's -A_Ed) joins with a minus */
        const bool minus = c->factors[k][0] * c->factors[k][1] < 0.0;
        if (s.size() > 1) s += minus ? " - " : " + ";
        else if (minus) s += "-";
        if (!c->accidental) {
            if (a == 0 || a == 1) Append_Format(&s, "%.2lf*LF%d", c->factors[k][0], a + 1);
            else Append_Format(&s, "%.2lf*%.2lf*LF%d", c->factors[k][1], c->factors[k][0], a + 1);
        } else {
            if (a == 0 || a == 1) Append_Format(&s, "LF%d", a + 1);
            else Append_Format(&s, "%.2lf*LF%d", std::fabs(c->factors[k][1]), a + 1);
        }
    }
    s += " / ";
    s += c->accidental ? "Erdbeben" : Get_Kled_Name(c->kled);
    int limit = max_len - 1;
    if (limit > 255) limit = 255;
    if (limit < 0) limit = 0;
    if ((int)s.size() > limit) s.resize((size_t)limit);
    memcpy(text, s.c_str(), s.size() + 1);
    return text;
}

/* ---------------------------------------------------------------- fastener section */

const char *Get_Steel_Print_Name(int32_t code)
{
    uint32_t c = (uint32_t)code;
    if (Nad_Params != nullptr && !(c & STAHL_USER_BIT)) c = (c & 0xFFFFu) | STAHL_EC_TABLE;
    return Get_Stahlguete_Name(c);
}

/* How nails, screws and staples are driven: a lap's from alternate faces, one at each position,
** whatever the switch holds (Vbm_Driven_Side), as its design and drawings take them; those of
** side timbers and outer plates from both sides where the switch asks it and the geometry lets
** them (Vbm_Driven_From_Both_Sides). */
static const char *Side_Text(void)
{
    const int kind = Splice_Input.connection_kind;
    if (kind == CONN_LAP) return "wechselseitig";
    if (kind == CONN_SIDE_TIMBERS || kind == CONN_OUTER_PLATES)
        return Vbm_Driven_From_Both_Sides() ? "zweiseitig" : "wechselseitig";
    return Splice_Input.two_sided == 1 ? "zweiseitig" : "wechselseitig";
}

static const char *Pre_Text(void)
{
    return Splice_Input.predrilled ? ", vorgebohrt" : ", nicht vorgebohrt";
}

static const char *Green_Text(void)
{
    return Splice_Input.green_timber ? ", Bauholz mit Fasersättigung"_cp850 : "";
}

static void Write_Materials_Line(FILE *file)
{
    Oli_Write_Text(file, "%s, %s",
                   Splice_Input.stainless ? "aus rostfreiem Stahl" : "aus Kohlenstoffstahl",
                   Splice_Input.predrilled ? "vorgebohrt" : "nicht vorgebohrt");
}

static void Write_Species_Line(FILE *file)
{
    if (Splice_Input.species_sfp)
        Oli_Write_Text(file, "Verwendung der Holzarten: Fichte, Tanne oder Kiefer");
}

static void Write_Washer_Line(FILE *file)
{
    if (Splice_Input.washer && Splice_Input.washer_d > 1.0)
        Oli_Write_Text(file, "Unterlegscheibe d = %.0lf mm", Splice_Input.washer_d);
}

/*
** Under an annex, the line of a capacity reduced by the effective number in a row, naming the
** rule the checks take (EN 1995-1-1, 8.3.1.1(8) for nails, 8.5.1.1(4) for bolts and thick
** screws); nothing where n_ef = n even at the pattern's smallest force-to-grain angle.
*/
static void Write_Reduction_Line(FILE *file)
{
    if (Nad_Params == nullptr) return;
    const int rule = Vbm_N_Ef_Rule();
    if (rule != VBM_NEF_NAIL && rule != VBM_NEF_BOLT) return;
    int n = 0;
    const double n_ef = Vbm_Row_N_Ef(Fastener_Pattern.alpha_min * 180.0 / M_PI, &n);
    if (!(n_ef < n - 1e-9)) return;
    Oli_Write_Text(file, "Tragfähigkeit wird gemäß DIN EN 1995-1-1, %s abgemindert"_cp850,
                   rule == VBM_NEF_NAIL ? "8.3.1.1(8)" : "8.5.1.1(4)");
}

/* Offset lines of nails, screws and staples laid along the grain. */
static void Write_Offset_Lines(FILE *file)
{
    const int t = Splice_Input.vbm_type;
    const double d = Splice_Input.d;
    int cond = 0;
    if (Nad_Params != nullptr)
        cond = (Is_Vbm_Din571_Screw(t) || Is_Vbm_Screw_Eta12(t) || Is_Vbm_Screw_Eta11(t)
                || Is_Vbm_Screw_Family_C(t) || t == VBM_KLAMMER)
               && d <= 6.0;
    else cond = Is_Vbm_Nail_Screw_Or_Staple(t) && d > 6.0;
    if (cond && Splice_Input.offset_1d)
        Oli_Write_Text(file, "Schrauben werden in Faserrichtung um 1d versetzt angeordnet");
    else Write_Reduction_Line(file);
}

static const char *Steel_Name(void) { return Get_Steel_Print_Name(Splice_Input.vbm_steel); }

static const char *Rod_Or_Bolt(void)
{
    return Splice_Input.threaded_rod ? "Gewindestange" : "Bolzen";
}

static const char *Fitted_Text(void) { return Splice_Input.fitted_bolt ? " als Passbolzen" : ""; }

static void Write_Bolt_Line(FILE *file)
{
    Oli_Write_Text(file, "%s M %.0lf, %s%s\xCEr", Rod_Or_Bolt(), Get_Connector_Bolt_Diameter(),
                   Steel_Name(), Fitted_Text());
}

/*
** Whether the tension check of a toothed plate's bolts (NCI NA.8.1.6) takes its washer's bearing
** on the timber: the check applies (Connector_Bolts_Checked_In_Tension) to some combination with a
** normal force, and the washer lies on timber, not on an outer plate.
*/
static bool Tension_Check_Bears_On_Washer(void)
{
    if (!Connector_Bolts_Checked_In_Tension() || Splice_Input.connection_kind == CONN_OUTER_PLATES)
        return false;
    for (int g = 0; g < LKOM_GROUPS; g++) {
        if (!Splice_Input.lkom.groups[g].used) continue;
        for (int e = 0; e < LKOM_ENTRIES; e++) {
            const Lkom_Entry *c = Get_Lkom_Entry(g, e);
            if (Is_Lkom_Entry_Valid(c) && std::fabs(c->N_d) >= 1e-5) return true;
        }
    }
    return false;
}

/*
** A bolt's washers, and those of a connector's bolt: at least 3 d across and 0.3 d thick under head
** and nut (EN 1995-1-1, 10.4.3), the diameter that the preparation holds a chosen washer to
** (Check_Bolt_Washer), the thickness the builder's alone (no field holds it). The chosen one with
** both least values, or under an annex that the bolt needs such washers, whose least diameter the
** bolts' tension check and the rope effect then bear on (Bolt_Washer_Borne). Where a check's result
** rests on the washer a second line asks the builder to fit it and names the check and the
** diameter it takes.
*/
static void Write_Connector_Washer_Line(FILE *file)
{
    const Splice_Input_Record *si = &Splice_Input;
    const bool en = Nad_Params != nullptr;
    const bool chosen = si->washer && si->washer_d > 1.0;
    double d = 0.0, least = 0.0;
    if (!en) {
        if (chosen && Bolt_Washer_Least(&d, &least))
            Oli_Write_Text(
                file, "Unterlegscheibe d = %s mm " SYM_GE " 3 d = 3 x %s = %s mm (3 d des Bolzens)",
                Mm_Of(si->washer_d).t, Mm_Of(d).t, Mm_Of(least).t);
        return;
    }
    const double borne = Bolt_Washer_Borne(&d);
    if (!(borne > 0.0) || !(d > 0.0)) return;
    const std::string thick = Mm_Digits(0.3 * d, 2).t;
    if (chosen)
        Oli_Write_Text(file,
                       "Unterlegscheibe D = %s mm " SYM_GE " 3 d = 3 x %s = %s mm, Dicke " SYM_GE
                       " 0.3 d = 0.3 x %s = %s mm (DIN EN 1995-1-1, 10.4.3)",
                       Mm_Of(si->washer_d).t, Mm_Of(d).t, Mm_Of(3.0 * d).t, Mm_Of(d).t,
                       thick.c_str());
    else
        Oli_Write_Text(
            file,
            "Unterlegscheibe nicht gew\x84hlt: der Bolzen braucht Scheiben von "
            "mindestens 3 d = 3 x %s = %s mm Durchmesser (oder Seitenl\x84nge) und 0.3 d "
            "= 0.3 x %s = %s mm Dicke (DIN EN 1995-1-1, 10.4.3)",
            Mm_Of(d).t, Mm_Of(3.0 * d).t, Mm_Of(d).t, thick.c_str());
    /* the checks whose result rests on the washer: the bolts' tension and the rope effect, each
    ** where the washer and not a steel plate bears (a bolt's nut on an outer plate bears on the
    ** plate, Splice_Rope_Washer_Text) */
    const int t = si->vbm_type;
    const bool tension = Tension_Check_Bears_On_Washer();
    const bool rope = si->capacity_increase
                      && (Is_Vbm_Toothed_Plate(t)
                          || (t == VBM_BOLZEN && si->connection_kind != CONN_OUTER_PLATES));
    if (!tension && !rope) return;
    Oli_Write_Text(file, "%s Scheiben unter Kopf und Mutter einbauen: %s%s%s %s mit D = %s mm",
                   chosen ? "Diese" : "Solche", tension ? "der Nachweis der Bolzen auf Zug" : "",
                   tension && rope ? " und " : "", rope ? "die Seilwirkung" : "",
                   tension && rope ? "rechnen" : "rechnet", Mm_Of(borne).t);
}

/* A bolt's washer: under an annex the chosen one with its least values, or where its rope effect
** bears on the least one (Bolt_Washer_Borne), that line of the connectors; without one the
** chosen diameter. */
static void Write_Bolt_Washer_Line(FILE *file)
{
    const Splice_Input_Record *si = &Splice_Input;
    const bool chosen = si->washer && si->washer_d > 1.0;
    if (chosen && Nad_Params == nullptr) Write_Washer_Line(file);
    else if (chosen || si->capacity_increase) Write_Connector_Washer_Line(file);
}

/* The descriptive block of the fastener type (first matching family). */
static void Write_Fastener_Block(FILE *file)
{
    const Splice_Input_Record *si = &Splice_Input;
    const int t = si->vbm_type;
    const char *name = Splice_Vbm_Name();

    if (Is_Vbm_Special_Nail(t)) {
        Oli_Write_Text(
            file, "%s, %.1lf x %.1lf mm, %s, d\xCE\\k\xCEr = %.1lf mm, l\xCE\\ef\xCEr = %.1lf mm%s",
            name, si->d, si->l, Side_Text(), si->d_k, si->l_ef, Pre_Text());
        if (si->predrill_core)
            Oli_Write_Text(file, "Vorgebohrt mit Bohrlochdurchmesser %s Kerndurchmesser", "\xF3");
    } else if (Is_Vbm_Nail(t)) {
        Oli_Write_Text(file, "%s, %.1lf x %.1lf mm, %s, d\xCE\\k\xCEr = %.1lf mm%s%s", name, si->d,
                       si->l, Side_Text(), si->d_k, Pre_Text(), Green_Text());
        if (si->offset_1d)
            Oli_Write_Text(file, "Nägel werden in Faserrichtung um 1d versetzt angeordnet"_cp850);
        else Write_Reduction_Line(file);
    } else if (Is_Vbm_Screw_Eta12(t) || Is_Vbm_Screw_Family_C(t)) {
        const int family_c = !Is_Vbm_Screw_Eta12(t);
        const char *prefix = family_c ? "HECO Topix plus " : "";
        const int short_form =
            family_c ? Is_Vbm_Full_Thread_Screw(t, 0, 0) : t == VBM_SPAX_SENKKOPF_VG;
        if (short_form)
            Oli_Write_Text(file, "%s%s, %.1lf x %.1lf mm, d\xCE\\k\xCEr = %.1lf mm", prefix, name,
                           si->d, si->l, si->d_k);
        else
            Oli_Write_Text(
                file,
                "%s%s, %.1lf x %.1lf mm, %s, d\xCE\\k\xCEr = %.1lf mm, l\xCE\\ef\xCEr = %.1lf mm",
                prefix, name, si->d, si->l, Side_Text(), si->d_k, si->l_ef);
        Write_Materials_Line(file);
        Write_Species_Line(file);
        if (t == VBM_SPAX_SENKKOPF_VG) Write_Washer_Line(file);
        Write_Offset_Lines(file);
    } else if (Is_Vbm_Screw_Eta11(t)) {
        Oli_Write_Text(file, "%s, %.0lf x %.0lf mm, %s, d\xCE\\k\xCEr = %.1lf mm%s", name, si->d,
                       si->l, Side_Text(), si->d_k, si->douglas ? ", Douglasie" : "");
        Write_Materials_Line(file);
        Write_Species_Line(file);
        if (t == VBM_ASSY_ZYLINDERKOPF_VG) Write_Washer_Line(file);
        if (t == VBM_ASSY_SENKFRAESKOPF_VG && si->washer)
            Oli_Write_Text(file, "%s Unterlegscheibe d = %.0lf mm",
                           si->washer_kind == 1 ? "gepresste" : "gedrehte", si->washer_d);
        Write_Offset_Lines(file);
    } else if (t == VBM_KLAMMER) {
        Oli_Write_Text(file, "%s, %.2lf x %.0lf mm, %s, br = %.1lf mm %s%s", name, si->d, si->l,
                       Side_Text(), si->d_k, si->resin_coated ? ", geharzt" : "", Green_Text());
        const double a = si->staple_angle;
        const char *who =
            si->connection_kind == CONN_SIDE_TIMBERS ? "\xF8 (Lasche)" : "\xF8 (Zange)";
        const char *clause = Nad_Params != nullptr ? "8.4(5)" : "12.7(6)";
        if (a >= 30.0)
            Oli_Write_Text(
                file,
                "Klammerrücken-Faserwinkel %s %s = %.1lf \xF8 >= 30\xF8 => keine Abminderung gem. %s"_cp850,
                who, "\xBB", a, clause);
        else
            Oli_Write_Text(
                file,
                "Klammerrücken-Faserwinkel %s %s = %.1lf \xF8 < 30\xF8 => Abminderung gem. %s mit 0,7"_cp850,
                who, "\xBB", a, clause);
    } else if (Is_Vbm_Din571_Screw(t)) {
        Oli_Write_Text(
            file,
            "%s, %.1lf x %.0lf mm, %s, d\xCE\\k\xCEr = %.1lf mm, l\xCE\\ef\xCEr = %.1lf%s, M\xCE\\yk\xCEr im Gewindeteil auf 50%% abgem.",
            name, si->d, si->l, Side_Text(), si->d_k, si->l_ef, Pre_Text());
        Write_Washer_Line(file);
        Write_Offset_Lines(file);
    } else if (t == VBM_STABDUEBEL) {
        Oli_Write_Text(file, "Stabdübel %.0lf x %.0lf mm, %s"_cp850, si->d, si->l, Steel_Name());
    } else if (t == VBM_BOLZEN) {
        Oli_Write_Text(file, "%s %.0lf mm, %s %s\xCEr", Rod_Or_Bolt(), si->d, Steel_Name(),
                       Fitted_Text());
        Write_Bolt_Washer_Line(file);
        /* the plates' hole is stated once, in the system section */
    } else if (t == VBM_RINGDUEBEL_A1) {
        Oli_Write_Text(file, "Ringdübel Typ A1 d\xCE\\c\xCEr = %.0lf mm\n"_cp850, si->d);
        Write_Bolt_Line(file);
        Write_Connector_Washer_Line(file);
    } else if (Is_Vbm_Connector(t)) {
        Oli_Write_Text(file, "%s d\xCE\\c\xCEr = %.0lf mm, %s\xCEr\n", name, si->d, Steel_Name());
        /* what the design of a two-sided plate at steel assumes of the builder */
        if (Splice_Vbm_Steel_Text()[0]) Oli_Write_Text(file, "%s", Splice_Vbm_Steel_Text());
        if (Vbm_Back_To_Back_Pairs())
            Oli_Write_Text(file,
                           "%s, in jedem Holz einer mit der Einlasstiefe h\xCE\\e\xCEr = %s mm; "
                           "das Paar trägt mit dem Bolzen wie ein Dübel (DIN EN 1995-1-1, "
                           "8.10(1))"_cp850,
                           Splice_Vbm_Pair_Text(),
                           Mm_Of(Get_Connector_Value(t, si->connector_index, "he")).t);
        Write_Bolt_Line(file);
        Write_Connector_Washer_Line(file);
    }
}

/* The lines of the fastener's rules name the clauses and symbols of the standard the run designs
** to (EN 1995-1-1 under an annex, else DIN 1052), whatever the switch of the texts holds: a DIN
** run citing EN clauses, or the reverse, would name rules it did not apply. */
static bool En_Wording(void) { return Nad_Params != nullptr; }

/* Steel-to-timber joints: the plates' rules (EN 1995-1-1, 8.2.3; DIN 1052, 12.5.4). */
static bool Steel_Plate_Joint(void)
{
    const int k = Splice_Input.connection_kind;
    return k == CONN_INNER_PLATES || k == CONN_OUTER_PLATES;
}

/* The lines of an increased lateral capacity. */
static void Write_Increase_Lines(FILE *file)
{
    const Splice_Input_Record *si = &Splice_Input;
    const int t = si->vbm_type;
    if (!si->capacity_increase) return;
    const int washer_types = Is_Vbm_Toothed_Plate(t) || t == VBM_BOLZEN;
    if (En_Wording()) {
        /* the rope effect enters only the failure modes that carry it; the checks name the
        ** governing mode and whether it holds the share */
        if (!washer_types)
            Oli_Write_Text(
                file,
                "F\xCE\\v,Rk\xCEr wird gemäß DIN EN 1995-1-1, %s um die Seilwirkung erhöht (in den Versagensfällen mit Seilwirkung)"_cp850,
                Steel_Plate_Joint() ? "8.2.3(4)" : "8.2.2(2)");
        else {
            Oli_Write_Text(
                file,
                "F\xCE\\v,Rk\xCEr wird gemäß DIN EN 1995, 8.2.2(2) um die Seilwirkung erhöht (in den Versagensfällen mit Seilwirkung) %s"_cp850,
                Splice_Rope_Washer_Text());
        }
        if (si->panel_edges)
            Oli_Write_Text(
                file,
                "R\xCE\\k\xCEr wird gemäß DIN EN 1995, 9.2.4.2 (5) erhöht, gilt für Platten mit allseitig schubsteif verbundenen Plattenrändern"_cp850);
    } else {
        if (!washer_types)
            Oli_Write_Text(file, "R\xCE\\k\xCEr wird gemäß DIN 1052, %s erhöht"_cp850,
                           Steel_Plate_Joint() ? "12.5.4 (3)" : "12.5.3 (9)");
        else
            Oli_Write_Text(
                file,
                "R\xCE\\k\xCEr wird gemäß DIN 1052, 12.3 (8) erhöht mit Unterlegscheibe d = %.0lf mm"_cp850,
                si->washer_d);
        if (si->panel_edges)
            Oli_Write_Text(
                file,
                "R\xCE\\k\xCEr wird gemäß DIN 1052, 10.6 (4) erhöht, gilt für Platten mit allseitig schubsteif verbundenen Plattenrändern"_cp850);
    }
}

/* The line of the resistance method. */
static void Write_Method_Line(FILE *file)
{
    const Splice_Input_Record *si = &Splice_Input;
    const int t = si->vbm_type;
    if (t == VBM_RINGDUEBEL_A1 || t == VBM_SCHEIBENDUEBEL_B1) return;
    const char *approval = Get_Vbm_Approval_Text(t);
    if (approval == nullptr) approval = "";
    const char *rd = "R\xCE\\d\xCEr";
    const char *fvrd = "F\xCE\\v,Rd\xCEr";
    if (!En_Wording()) {
        switch (si->calc_method) {
        case 0:
            Oli_Write_Text(
                file,
                "%s wird mit dem vereinfachten Nachweis nach DIN 1052:2008, 12.2(2) berechnet%s",
                rd, approval);
            break;
        case 1:
            Oli_Write_Text(file,
                           "%s wird mit %s - Werten nach DIN 1052:2008, Anhang G.2 berechnet%s", rd,
                           "\xC0", approval);
            break;
        case 2:
            Oli_Write_Text(
                file,
                "%s wird mit f\xCE\\hd\xCEr und M\xCE\\yd\xCEr berechnet (Bemessungswerte-Verfahren: siehe DIN 1052 E12.2.1 (2))%s",
                rd, approval);
            break;
        default: break;
        }
    } else if (Is_Vbm_Toothed_Plate(t) && si->calc_method != 2) {
        /* a toothed plate's own share by its clause, its bolt's by the proof chosen */
        if (si->calc_method == 0)
            Oli_Write_Text(file,
                           "%s wird für den Dübel nach DIN EN 1995-1-1, 8.10 und für den Bolzen "
                           "mit dem vereinfachten Nachweis nach NA.8.2.4 berechnet%s"_cp850,
                           fvrd, approval);
        else
            Oli_Write_Text(file,
                           "%s wird für den Dübel nach DIN EN 1995-1-1, 8.10 und für den Bolzen "
                           "mit dem genauen Nachweis nach %s berechnet%s"_cp850,
                           fvrd, Get_Fv_Rk_Standard_Ref(), approval);
    } else {
        switch (si->calc_method) {
        case 0:
            Oli_Write_Text(file, "%s wird mit dem vereinfachten Nachweis nach NA.8.2.4 berechnet%s",
                           fvrd, approval);
            break;
        case 1:
            Oli_Write_Text(file, "%s wird mit dem genauen Nachweis nach %s berechnet%s", fvrd,
                           Get_Fv_Rk_Standard_Ref(), approval);
            break;
        case 2:
            Oli_Write_Text(
                file,
                "%s wird mit f\xCE\\hd\xCEr und M\xCE\\yd\xCEr berechnet (Bemessungswerte-Verfahren: siehe DIN 1052 E12.2.1 (2))%s",
                fvrd, approval);
            break;
        default: break;
        }
    }
}

/*
** The closing line: the fasteners of one splice half (of a lap, all of its joint). Nails, screws
** and staples driven into side timbers, through outer plates or into a lap say how many come
** from each side: a pair at every position of the pattern when driven from both sides, else
** one, from alternate sides (as the design's shear planes and the drawings take them).
*/
static void Write_Fastener_Count(FILE *file)
{
    const int n = Fastener_Pattern.count;
    const char *name = Splice_Vbm_Name();
    const int kind = Splice_Input.connection_kind;
    const bool lap = kind == CONN_LAP;
    const bool sides = (kind == CONN_SIDE_TIMBERS || kind == CONN_OUTER_PLATES || lap)
                       && Is_Vbm_Nail_Screw_Or_Staple(Splice_Input.vbm_type);
    const char *count = Splice_Vbm_Count_Text(n);
    if (count[0]) {
        /* connectors by bolts and shear planes, pairs said as such */
        const char *pairs = Splice_Vbm_Pair_Text();
        Oli_Write_Text(file,
                       "\xCE"
                       "b%s\xCEr%s%s%s%s",
                       count, lap ? "" : " je Sto\xE1h\x84lfte", pairs[0] ? " (" : "", pairs,
                       pairs[0] ? ")" : "");
        return;
    }
    if (!sides) {
        /* a splice has two halves, each with this pattern (the drawings show both); a lap's
        ** pattern holds its whole joint */
        Oli_Write_Text(file,
                       "\xCE"
                       "b%d x %s%s",
                       n, name, lap ? "" : "\xCEr je Sto\xE1h\x84lfte");
        return;
    }
    if (Vbm_Driven_From_Both_Sides()) {
        Oli_Write_Text(file,
                       "\xCE"
                       "b%d x %s\xCEr je Sto\xE1h\x84lfte (zweiseitig: %d von jeder Seite)",
                       2 * n, name, n);
        return;
    }
    int near = 0;
    for (int i = 0; i < n; i++)
        if (Vbm_Driven_Side(i) == 0) near++;
    const int far = n - near;
    const char *per = lap ? "" : " je Sto\xE1h\x84lfte";
    if (near == far)
        Oli_Write_Text(file,
                       "\xCE"
                       "b%d x %s\xCEr%s (wechselseitig: %d von jeder Seite)",
                       n, name, per, near);
    else
        Oli_Write_Text(file,
                       "\xCE"
                       "b%d x %s\xCEr%s (wechselseitig: %d von der einen, %d von "
                       "der anderen Seite)",
                       n, name, per, near, far);
    Write_Alternate_Instead_Line(file);
}

void Write_Alternate_Instead_Line(FILE *file)
{
    /* the page's t_s, t_p with their index */
    char why[200];
    if (file == nullptr || !Vbm_Alternate_Instead(why, sizeof why)) return;
    std::string line = why;
    for (const char *t : {"t_s", "t_p"}) {
        const size_t at = line.find(t);
        if (at != std::string::npos) line.replace(at, 3, std::string("t\xCE\\") + t[2] + "\xCEr");
    }
    Oli_Write_Text(file, "%s (zweiseitig gew\x84hlt)", line.c_str());
}

void Oli_Verbindungsmittel(FILE *file)
{
    if (file == nullptr) return;
    Oli_Write_Heading(file, 2, "Verbindungsmittel");
    Write_Fastener_Block(file);
    Write_Increase_Lines(file);
    Write_Method_Line(file);
    Write_Fastener_Count(file);
}

/* ---------------------------------------------------------------- load tables */

static void *Alloc_Or_Exit(size_t size)
{
    void *p = Dbg_Realloc("results", __LINE__, "print", nullptr, size > 0 ? size : 1);
    Check_Alloc_Or_Exit(p);
    memset(p, 0, size > 0 ? size : 1);
    return p;
}

static void Set_Column(Oli_Table_Column *c, const char *title, const char *unit, int width,
                       int decimals, void *values)
{
    snprintf(c->title, sizeof c->title, "%s", title);
    snprintf(c->unit, sizeof c->unit, "%s", unit);
    c->width = width;
    /* a text column prints as many characters as its slot holds beside the terminating zero */
    c->decimals = strcmp(unit, "TXT") == 0 ? width : decimals;
    c->values = values;
    c->factor = 1.0;
}

/* The user's own texts of a text column, each whole in a slot that holds the longest of them
** and its terminating zero, and at least least bytes, so that a table of shorter texts keeps
** the width it has always had; *slot gets the slot's size. */
static char *Text_Slots(const std::vector<std::string> &texts, int least, int *slot)
{
    size_t size = (size_t)least;
    for (const std::string &t : texts) size = t.size() + 1 > size ? t.size() + 1 : size;
    char *slots = (char *)Alloc_Or_Exit(size * texts.size());
    for (size_t i = 0; i < texts.size(); i++)
        memcpy(slots + i * size, texts[i].data(), texts[i].size());
    *slot = (int)size;
    return slots;
}

/* A table of input values: no cell is marked (the largest number of the whole table means
** nothing; the checks name the combination that governs). A column of numbers is as wide as its
** longest one ("-300.000" in the 7 places of N_k), so that no cell pushes the cells after it out
** of their columns; a column whose numbers fit keeps its width. */
static void Write_Table(FILE *file, int ncols, int nrows, Oli_Table_Column *cols)
{
    for (int c = 0; c < ncols; c++) {
        if (strcmp(cols[c].unit, "TXT") == 0) continue;
        for (int r = 0; r < nrows; r++) {
            char cell[128];
            Oli_Format_Table_Cell(&cols[c], r, cell, sizeof cell);
            const int len = (int)strlen(cell);
            if (len > cols[c].width) cols[c].width = len;
        }
    }
    Oli_Table_Report_Error(
        file, OliTabelle(/*file=*/file, /*ncols=*/ncols, /*nrows=*/nrows, /*columns=*/cols,
                         /*row_mask=*/nullptr, /*row_rules=*/nullptr, /*highlight=*/0,
                         /*flags=*/0, /*title_counts=*/nullptr, /*title_texts=*/nullptr,
                         /*extra_count=*/0, /*extra_texts=*/nullptr));
}

/* The mark of a combination that the table lists but the checks leave out, and its slot. */
#define LEFT_OUT_MARK      "nicht nachgewiesen"
#define LEFT_OUT_MARK_SLOT 19

void Oli_Lkom_Table(FILE *file)
{
    if (file == nullptr) return;
    const Splice_Input_Record *si = &Splice_Input;
    /* every combination of the used groups that holds an action, in order, so that the numbers
    ** run as Lkom_Row_Number gives them; one that a tension or compression splice leaves out for
    ** the sign of N_d stands with its values and the mark "nicht nachgewiesen" */
    int n = 0;
    for (int g = 0; g < LKOM_GROUPS; g++) {
        if (!si->lkom.groups[g].used) continue;
        for (int e = 0; e < LKOM_ENTRIES; e++)
            if (Is_Lkom_Entry_Listed(&si->lkom.groups[g].entries[e])) n++;
    }
    static const char *const kinds[3] = {"Bemessungsschnittgrößen (Biegestoß)"_cp850,
                                         "Bemessungsschnittgrößen (Zugstoß)"_cp850,
                                         "Bemessungsschnittgrößen (Druckstoß)"_cp850};
    const bool known = si->splice_kind >= SPLICE_BENDING && si->splice_kind <= SPLICE_COMPRESSION;
    const int kind = known ? si->splice_kind : SPLICE_BENDING;
    const int bending = si->splice_kind == SPLICE_BENDING;
    Oli_Write_Heading(file, 2, "%s", kinds[kind]);
    Oli_Write_Text(file, "Nutzungsklasse %d", si->service_class);

    double *M = (double *)Alloc_Or_Exit(sizeof(double) * (size_t)n);
    double *N = (double *)Alloc_Or_Exit(sizeof(double) * (size_t)n);
    double *V = (double *)Alloc_Or_Exit(sizeof(double) * (size_t)n);
    double *K = (double *)Alloc_Or_Exit(sizeof(double) * (size_t)n);
    char *A = (char *)Alloc_Or_Exit(2 * (size_t)n);
    char *X = (char *)Alloc_Or_Exit(LEFT_OUT_MARK_SLOT * (size_t)n);
    std::vector<std::string> comments;
    int row = 0;
    bool seismic = false, left_out_rows = false;
    for (int g = 0; g < LKOM_GROUPS; g++) {
        if (!si->lkom.groups[g].used) continue;
        for (int e = 0; e < LKOM_ENTRIES && row < n; e++) {
            const Lkom_Entry *c = &si->lkom.groups[g].entries[e];
            if (!Is_Lkom_Entry_Listed(c)) continue;
            const bool left_out = !Is_Lkom_Valid(g, e);
            left_out_rows = left_out_rows || left_out;
            snprintf(X + row * LEFT_OUT_MARK_SLOT, LEFT_OUT_MARK_SLOT, "%s",
                     left_out ? LEFT_OUT_MARK : "");
            M[row] = c->M_d;
            N[row] = c->N_d;
            V[row] = c->V_d;
            /* the kmod the checks take: the preset one, or the middle member's by the class */
            Get_Group_Kmod(g, &K[row], nullptr, nullptr);
            A[row * 2] = Is_Lkom_Seismic(c) ? 'E' : c->accidental ? '*' : ' ';
            seismic = seismic || Is_Lkom_Seismic(c);
            if (si->lkom_generated) comments.emplace_back(Lkom_Formula_Text(g, e, 255));
            else comments.emplace_back(c->comment, strnlen(c->comment, sizeof c->comment));
            row++;
        }
    }

    /* the names print whole: 69 characters wide as ever, wider where a name needs it */
    int slot = 0;
    comments.resize((size_t)n);
    char *C = Text_Slots(comments, 70, &slot);
    Oli_Table_Column *cols = nullptr;
    /* M_d enters only the checks of a bending splice: another splice lists it only when a
    ** combination has one, and says below that it is not checked. V_d enters every splice's
    ** checks, so that column is always there. */
    Unchecked_Loads left_out;
    Get_Unchecked_Loads(&left_out);
    const bool with_M =
        bending || left_out.moment_count > 0 || left_out.other_M_max > LOAD_TOLERANCE;
    const int ncols = (with_M ? 7 : 6) + (left_out_rows ? 1 : 0);
    Oli_Alloc_Table_Columns(ncols, &cols);
    int k = 0;
    Set_Column(&cols[k++], "Nr", "ZZ", 3, 0, nullptr);
    if (with_M) Set_Column(&cols[k++], "M\xCE\\d\xCEr", "kNm", 7, 2, M);
    Set_Column(&cols[k++], "N\xCE\\d\xCEr", "kN", 7, 2, N);
    Set_Column(&cols[k++], "V\xCE\\d\xCEr", "kN", 7, 2, V);
    Set_Column(&cols[k++], "k\xCE\\mod\xCEr", "-", 5, 2, K);
    Set_Column(&cols[k++], "A", "TXT", 2, 0, A);
    if (left_out_rows) Set_Column(&cols[k++], "Nachweis", "TXT", LEFT_OUT_MARK_SLOT, 0, X);
    Set_Column(&cols[k++], "Kommentar", "TXT", slot, 0, C);
    cols[k - 1].plain = 1; /* the user's own names print as typed */
    Write_Table(file, ncols, n, cols);
    Oli_Write_Text(file, "%s",
                   "Spalte A: * = außergewöhnliche Bemessungssituation (Teilsicherheitsbeiwerte "
                   "der außergewöhnlichen Situation)"_cp850);
    /* the seismic combinations keep the factors of the persistent situation (Lkom_Accidental_
    ** Factors), which the head of the checks gives with its reason */
    if (seismic) {
        Oli_Write_Text(file, "%s",
                       "Spalte A: E = Erdbeben-Bemessungssituation, DIN EN 1990, (6.12b) "
                       "(Teilsicherheitsbeiwerte der ständigen und vorübergehenden Situation: "
                       "geringe Dissipation, DIN EN 1998-1, 8.6(2))"_cp850);
        /* the generated combinations take the earthquake with both signs (Do_Generate_Lkoms) */
        if (si->lkom_generated)
            Oli_Write_Text(file, "%s",
                           "Erdbeben mit beiden Vorzeichen: jede Kombination mit +A\xCE\\Ed\xCEr "
                           "und mit -A\xCE\\Ed\xCEr (DIN EN 1998-1, 4.3.3.5)");
    }
    Write_Unchecked_Load_Lines(file, &left_out);
    free(cols);
    Dbg_Free("results", __LINE__, "print", M);
    Dbg_Free("results", __LINE__, "print", N);
    Dbg_Free("results", __LINE__, "print", V);
    Dbg_Free("results", __LINE__, "print", K);
    Dbg_Free("results", __LINE__, "print", A);
    Dbg_Free("results", __LINE__, "print", X);
    Dbg_Free("results", __LINE__, "print", C);
}

void Oli_Char_Actions(FILE *file)
{
    if (file == nullptr) return;
    const Splice_Input_Record *si = &Splice_Input;
    int n = 0;
    for (int i = 0; i < CHAR_ACTION_COUNT; i++)
        if (si->Char_Actions[i].used) n++;
    Oli_Write_Heading(file, 2, "%s", "Charakteristische Schnittgrößen"_cp850);

    double *LF = (double *)Alloc_Or_Exit(sizeof(double) * (size_t)n);
    double *M = (double *)Alloc_Or_Exit(sizeof(double) * (size_t)n);
    double *N = (double *)Alloc_Or_Exit(sizeof(double) * (size_t)n);
    double *V = (double *)Alloc_Or_Exit(sizeof(double) * (size_t)n);
    char *T = (char *)Alloc_Or_Exit(18 * (size_t)n);
    std::vector<std::string> remarks;
    /* the factors the combinations take of each action (EN 1990, (6.10) and (6.12b)) */
    enum { FACTORS = 5 };
    double *F[FACTORS];
    for (int k = 0; k < FACTORS; k++) F[k] = (double *)Alloc_Or_Exit(sizeof(double) * (size_t)n);
    int row = 0;
    for (int i = 0; i < CHAR_ACTION_COUNT && row < n; i++) {
        const Char_Actions *a = &si->Char_Actions[i];
        if (!a->used) continue;
        LF[row] = i + 1;
        M[row] = a->M_k;
        N[row] = a->N_k;
        V[row] = a->V_k;
        const int type = (i == 3 && si->snow_above_1000) ? 6 : i;
        Str_Copy_Bounded(T + (size_t)row * 18, Get_Load_Type_Name(type), 18);
        remarks.emplace_back(a->remark, strnlen(a->remark, sizeof a->remark));
        F[0][row] = a->gamma_sup;
        F[1][row] = a->gamma_inf;
        F[2][row] = a->psi_dom;
        F[3][row] = a->psi_sub;
        F[4][row] = a->psi_2E;
        row++;
    }
    /* the remarks print whole: 31 characters wide as ever, wider where a remark needs it */
    int slot = 0;
    remarks.resize((size_t)n);
    char *R = Text_Slots(remarks, 32, &slot);
    Oli_Table_Column *cols = nullptr;
    const int ncols = 6 + FACTORS;
    Oli_Alloc_Table_Columns(ncols, &cols);
    Set_Column(&cols[0], "LF", "-", 3, 0, LF);
    Set_Column(&cols[1], "Typ", "TXT", 18, 0, T);
    Set_Column(&cols[2], "M\xCE\\k\xCEr", "kNm", 7, 3, M);
    Set_Column(&cols[3], "N\xCE\\k\xCEr", "kN", 7, 3, N);
    Set_Column(&cols[4], "V\xCE\\k\xCEr", "kN", 7, 3, V);
    Set_Column(&cols[5], "\xC0\xCE\\sup\xCEr", "-", 5, 2, F[0]);
    Set_Column(&cols[6], "\xC0\xCE\\inf\xCEr", "-", 5, 2, F[1]);
    Set_Column(&cols[7], "\xB8\xCE\\Leit\xCEr", "-", 5, 2, F[2]);
    Set_Column(&cols[8], "\xB8\xCE\\0\xCEr", "-", 5, 2, F[3]);
    Set_Column(&cols[9], "\xB8\xCE\\2,E\xCEr", "-", 5, 2, F[4]);
    Set_Column(&cols[10], "Bemerkung", "TXT", slot, 0, R);
    cols[10].plain = 1; /* the user's own remarks print as typed */
    Write_Table(file, ncols, n, cols);
    free(cols);
    for (int k = 0; k < FACTORS; k++) Dbg_Free("results", __LINE__, "print", F[k]);
    Dbg_Free("results", __LINE__, "print", LF);
    Dbg_Free("results", __LINE__, "print", M);
    Dbg_Free("results", __LINE__, "print", N);
    Dbg_Free("results", __LINE__, "print", V);
    Dbg_Free("results", __LINE__, "print", T);
    Dbg_Free("results", __LINE__, "print", R);

    /* the numbers are the actions' fixed places: name the places left empty below the last used
    ** one, so that a gap in the numbering does not read as a lost action */
    int last = -1;
    for (int i = 0; i < CHAR_ACTION_COUNT; i++)
        if (si->Char_Actions[i].used) last = i;
    char gaps[256] = "";
    for (int i = 0; i < last; i++) {
        if (si->Char_Actions[i].used) continue;
        const size_t used = strlen(gaps);
        Format_N(gaps + used, sizeof gaps - used, "%sLF %d (%s)", used ? ", " : "", i + 1,
                 Get_Load_Type_Name(i));
    }
    if (gaps[0]) Oli_Write_Text(file, "nicht belegt: %s", gaps);
    if (si->Char_Actions[2].used)
        Oli_Write_Text(file, "LF %d, %s: Lasteinwirkungsdauer %s, Kategorie %s (%s)", 3,
                       Get_Load_Type_Name(2), Get_Kled_Name(si->Char_Actions[2].kled),
                       Imposed_Category_Letters(si->imposed_category),
                       Imposed_Category_Name(si->imposed_category));
    Oli_Write_Text(
        file, "%s",
        "\xC0\xCE\\sup\xCEr, \xC0\xCE\\inf\xCEr: Teilsicherheitsbeiwerte ung\x81nstig, "
        "g\x81nstig; \xB8\xCE\\Leit\xCEr: Faktor als Leiteinwirkung, \xB8\xCE\\0\xCEr "
        "als Begleiteinwirkung (DIN EN 1990, (6.10)); \xB8\xCE\\2,E\xCEr neben dem "
        "Erdbeben (DIN EN 1990, (6.12b)); \xB8\xCE\\1\xCEr geht in keine Kombination ein");
    /* Another category than A, B of the imposed load is named with the combination factors it
    ** brings: psi_0 beside a leading action, psi_2,E beside the earthquake. */
    if (si->Char_Actions[2].used && si->imposed_category != IMPOSED_CAT_AB)
        Oli_Write_Text(file,
                       "LF %d, %s der Kategorie %s (%s) nach EN 1990, Tabelle A1.1: "
                       "\xB8\xCE\\0\xCEr = %.2f, \xB8\xCE\\2,E\xCEr = %.2f",
                       3, Get_Load_Type_Name(2), Imposed_Category_Letters(si->imposed_category),
                       Imposed_Category_Name(si->imposed_category), si->Char_Actions[2].psi_sub,
                       si->Char_Actions[2].psi_2E);
}
