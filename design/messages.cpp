/*
** Message catalogue of the connection design: the German texts of the error, rule and note codes
** (Design_Error_Code) in DIN 1052 or DIN EN 1995-1-1 wording, chosen by Nad_Params at each call.
** Texts are code page 850 (Get_Hint_Text_Cp1252: code page 1252) in one static buffer per catalogue.
*/
#include "design/design_texts.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "foundation/codepage.h"
#include "catalogue/catalogue.h"
#include "design/design_state.h"
#include "design/error_codes.h"
#include "nad/nad.h"

const char Sym_Diameter[] = "\x8C";
const char Sym_Greater_Equal[] = "\xF2";
const char Sym_Delta[] = "\xA3";

namespace {

/* Symbol arguments of a text. */
enum { ARGS_NONE = 0, ARGS_DIAMETER_GE = 1, ARGS_DELTA = 2 };

/* The symbols that the "%s" of a text stand for: the Delta sign of a share "Anteil %s...", else
** the diameter and the greater-or-equal sign ("Schrauben %s %s 8 mm"). */
int Symbol_Args(const char *text)
{
    return strstr(text, "Anteil %s") != nullptr ? ARGS_DELTA : ARGS_DIAMETER_GE;
}

/* One code: its DIN 1052 text, its EN 1995 text and, for 1000 and 1001, the EN 1995 text of an
** annex whose variant flag is 0. A null text means the code has no text under that standard. */
struct Msg_Row {
    int32_t code;
    const char *din;
    const char *en;
    const char *en_variant0;
};

// clang-format off
const Msg_Row Error_Rows[] = {
    {1, "Klammerdurchmesser muss >= 1,5 und <= 2 mm sein", "Klammerdurchmesser muss >= 1,5 und <= 2 mm sein", nullptr},
    {2, "Klammerdurchmesser muss >= 1,0 und <= 1,6 mm sein", "Klammerdurchmesser muss >= 1,0 und <= 1,6 mm sein", nullptr},
    {3, "Verbindungen mit Klammern dürfen nur einschnittig ausgeführt werden"_cp850, "Verbindungen mit Klammern dürfen nur einschnittig ausgeführt werden"_cp850, nullptr},
    {4, "Durchmesser des Verbindungsmittels <= 0", "Durchmesser des Verbindungsmittels <= 0", nullptr},
    {6, "Verbindungsmittel ist zu kurz ", "Verbindungsmittel ist zu kurz ", nullptr},
    {7, "Verbindungsmittel ist zu kurz für zweischnittige Verbindung"_cp850, "Verbindungsmittel ist zu kurz für zweischnittige Verbindung"_cp850, nullptr},
    {8, "Einschlagtiefe < 4 d ", "Einschlagtiefe < 4 d ", nullptr},
    {9, "Einschraubtiefe < 4 d ", "Einschraubtiefe < 4 d ", nullptr},
    {10, "Nägel, Schrauben oder Klammern können nur in einschnittiger Verbindung mit Blechen ausgeführt werden"_cp850, "Nägel, Schrauben oder Klammern können nur in einschnittiger Verbindung mit Blechen ausgeführt werden"_cp850, nullptr},
    {11, "Verbindungsmittel ist zu lang", "Verbindungsmittel ist zu lang", nullptr},
    {12, "Stahl-Stahl-Verbindungen können nicht nachgewiesen werden"_cp850, "Stahl-Stahl-Verbindungen können nicht nachgewiesen werden"_cp850, nullptr},
    {13, nullptr, "Holz zu dünn, Spaltgefahr gem. Gl. (8.19)"_cp850, nullptr},
    {14, "Seitenholz zu dünn, Spaltgefahr gem. Gl. (218)"_cp850, "Seitenholz zu dünn, Spaltgefahr gem. Gl. (8.19)"_cp850, nullptr},
    {15, "Seitenholz 2 zu dünn, Spaltgefahr gem. Gl. (218)"_cp850, "Seitenholz 2 zu dünn, Spaltgefahr gem. Gl. (8.19)"_cp850, nullptr},
    {16, "Mittenholz zu dünn, Spaltgefahr gem. Gl. (218)"_cp850, "Mittenholz zu dünn, Spaltgefahr gem. Gl. (8.19)"_cp850, nullptr},
    {17, nullptr, "Holz zu dünn, Spaltgefahr gem. Gl. (8.18)"_cp850, nullptr},
    {18, "Seitenholz zu dünn, Spaltgefahr gem. Gl. (219)"_cp850, "Seitenholz zu dünn, Spaltgefahr gem. Gl. (8.18)"_cp850, nullptr},
    {19, "Seitenholz 2 zu dünn, Spaltgefahr gem. Gl. (219)"_cp850, "Seitenholz 2 zu dünn, Spaltgefahr gem. Gl. (8.18)"_cp850, nullptr},
    {20, "Mittenholz zu dünn, Spaltgefahr gem. Gl. (219)"_cp850, "Mittenholz zu dünn, Spaltgefahr gem. Gl. (8.18)"_cp850, nullptr},
    {21, "Mindestholzdicke (24mm) des Seitenholzes unterschritten, gem. DIN 1052, 7.2.3(1)", "Mindestholzdicke (24mm) des Seitenholzes unterschritten ", nullptr},
    {22, nullptr, "Mindestholzdicke (30mm) des Seitenholzes unterschritten, gem. ETA-19/0553, Anhang B ", nullptr},
    {23, nullptr, "Mindestholzdicke (40mm) des Seitenholzes unterschritten, gem. ETA-19/0553, Anhang B ", nullptr},
    {24, "Mindestabstand a1 unterschritten ", "Mindestabstand a1 unterschritten ", nullptr},
    {25, "Mindestabstand senkrecht zur Faserrichtung a2 unterschritten ", "Mindestabstand a2 senkrecht zur Faserrichtung unterschritten ", nullptr},
    {26, "Mindestholzdicke (24mm) des Mittenholzes unterschritten, gem. DIN 1052, 7.2.3(1)", "Mindestholzdicke (24mm) des Mittenholzes unterschritten ", nullptr},
    {27, nullptr, "Mindestholzdicke (30mm) des Mittenholzes unterschritten, gem. ETA-19/0553, Anhang B ", nullptr},
    {28, nullptr, "Mindestholzdicke (40mm) des Mittenholzes unterschritten, gem. ETA-19/0553, Anhang B ", nullptr},
    {29, "Mindestholzdicke (2.25*he) des Seitenholzes unterschritten, gem. DIN 1052, 13.3.3(10)", "Mindestholzdicke (2.25*he) des Seitenholzes unterschritten, gem. 8.9 (2)", nullptr},
    {30, "Mindestholzdicke (3.75*he) des Mittenholzes unterschritten, gem. DIN 1052, 13.3.3(10)", "Mindestholzdicke (3.75*he) des Mittenholzes unterschritten, gem. 8.9 (2)", nullptr},
    {31, "SPAX-Schrauben in Verbindung mit Gipskarton gemäß Z-9.1-449, 3.1 nicht zulässig"_cp850, "SPAX-Schrauben in Verbindung mit Gipskarton gemäß Z-9.1-449, 1.2 nicht zulässig"_cp850, nullptr},
    {32, "SPAX-Schrauben in Verbindung mit Fermacell gemäß Z-9.1-449, 3.1 nicht zulässig"_cp850, "SPAX-Schrauben in Verbindung mit Fermacell gemäß Z-9.1-449, 1.2 nicht zulässig"_cp850, nullptr},
    {33, "ASSY-Schrauben in Verbindung mit Gipskarton gemäß Z-9.1-449, 3.1 nicht zulässig"_cp850, "ASSY-Schrauben in Verbindung mit Gipskarton gemäß ETA-11/0190, 1.2 nicht zulässig"_cp850, nullptr},
    {34, nullptr, "Holzwerkstoffe dürfen sich nur auf der Seite des Schraubenkopfes befinden (ETA-11/0190, A1.2)"_cp850, nullptr},
    {35, "ASSY-Schrauben in Verbindung mit Fermacell gemäß Z-9.1-449, 3.1 nicht zulässig"_cp850, "ASSY-Schrauben in Verbindung mit Fermacell gemäß ETA-11/0190, 1.2 nicht zulässig"_cp850, nullptr},
    {36, "Keine kraftschlüssige Verbindung zum Stahlblech bei Verwendung von Zylinder- oder Tellerkopfschrauben"_cp850, "Keine kraftschlüssige Verbindung zum Stahlblech bei Verwendung von Zylinder- oder Tellerkopfschrauben"_cp850, nullptr},
    {37, "gemäß ETA-11/0190, 4.2 muss die Holzdicke mindestens 1,2d betragen"_cp850, "gemäß ETA-12/0114 4.2 muss die Holzdicke mindestens 1,2d betragen"_cp850, nullptr},
    {38, "gemäß Z-9.1-449, müssen bei Holzwerkstoffen mit Schrauben >=12mm Unterlegscheiben verwendet werden"_cp850, "gemäß Z-9.1-449, müssen bei Holzwerkstoffen mit Schrauben >=12mm Unterlegscheiben verwendet werden"_cp850, nullptr},
    {39, "gemäß ETA-11/0190 A.1.3.2 muss die Holzdicke mindestens 1,2d betragen"_cp850, "gemäß ETA-11/0190 A.1.3.2 muss die Holzdicke mindestens 1,2d betragen"_cp850, nullptr},
    {40, "gemäß Z-9.1-449, 4.5 muss die Seitenholzdicke ohne Vorbohrung mindestens 30 mm betragen"_cp850, "gemäß Z-9.1-449, 4.5 muss die Seitenholzdicke ohne Vorbohrung mindestens 30 mm betragen"_cp850, nullptr},
    {41, "gemäß Z-9.1-449, 4.5 muss die Seitenholzdicke ohne Vorbohrung mindestens 40 mm betragen"_cp850, "gemäß Z-9.1-449, 4.5 muss die Seitenholzdicke ohne Vorbohrung mindestens 40 mm betragen"_cp850, nullptr},
    {42, "gemäß Z-9.1-449, 4.5 muss die Seitenholzdicke ohne Vorbohrung mindestens 80 mm betragen"_cp850, "gemäß Z-9.1-449, 4.5 muss die Seitenholzdicke ohne Vorbohrung mindestens 80 mm betragen"_cp850, nullptr},
    {43, "gemäß Z-9.1-449, 4.5 muss die Mittenholzdicke ohne Vorbohrung mindestens 30 mm betragen"_cp850, "gemäß Z-9.1-449, 4.5 muss die Mittenholzdicke ohne Vorbohrung mindestens 30 mm betragen"_cp850, nullptr},
    {44, "gemäß Z-9.1-449, 4.5 muss die Mittenholzdicke ohne Vorbohrung mindestens 40 mm betragen"_cp850, "gemäß Z-9.1-449, 4.5 muss die Mittenholzdicke ohne Vorbohrung mindestens 40 mm betragen"_cp850, nullptr},
    {45, "gemäß Z-9.1-449, 4.5 muss die Mittenholzdicke ohne Vorbohrung mindestens 80 mm betragen"_cp850, "gemäß Z-9.1-449, 4.5 muss die Mittenholzdicke ohne Vorbohrung mindestens 80 mm betragen"_cp850, nullptr},
    {46, nullptr, "Kann nicht berechnet werden, da z.Zt. noch keine Zulassung für DIN EN 1995 existiert"_cp850, nullptr},
    {47, nullptr, "Kann nicht berechnet werden, da z.Zt. noch keine Zulassung für DIN EN 1995 existiert"_cp850, nullptr},
    {48, "Bei Dübeln besonderer Bauart muss die Rohdichte < 500kg/m3 sein. "_cp850, "Bei Dübeln besonderer Bauart muss die Rohdichte < 500kg/m3 sein. "_cp850, nullptr},
    {49, nullptr, "Bei Dübeln besonderer Bauart sind nur für Vollholz, Brett- oder Balkenschichtholz oder Furnierschichtholz zugelassen. "_cp850, nullptr},
    {50, "Vorderer/Hinterer Mindestrandabstand (e1c, e1t) unterschritten", "Vorderer/Hinterer Mindestrandabstand (e1c, e1t) unterschritten", nullptr},
    {51, nullptr, "gemäß ETA-11/0190, A.2.4.2 muss die Seitenholzdicke mindestens 24 mm betragen"_cp850, nullptr},
    {52, nullptr, "gemäß ETA-11/0190, A.2.4.2 muss die Mittenholzdicke mindestens 24 mm betragen"_cp850, nullptr},
    {53, "gemäß Z-9.1-614, 4.5 muss die Seitenholzdicke mindestens 30 mm betragen"_cp850, "gemäß ETA-11/0190, A.2.4.2 muss die Seitenholzdicke mindestens 30 mm betragen"_cp850, nullptr},
    {54, "gemäß Z-9.1-614, 4.5 muss die Seitenholzdicke mindestens 40 mm betragen"_cp850, "gemäß ETA-11/0190, A.2.4.2 muss die Seitenholzdicke mindestens 40 mm betragen"_cp850, nullptr},
    {55, "gemäß Z-9.1-614, 4.5 muss die Seitenholzdicke mindestens 40 mm betragen"_cp850, "gemäß ETA-11/0190, A.2.4.2 muss die Seitenholzdicke mindestens 80 mm betragen"_cp850, nullptr},
    {56, nullptr, "gemäß ETA-11/0190, A.2.4.2 muss die Seitenholzdicke mindestens 100 mm betragen"_cp850, nullptr},
    {57, "gemäß Z-9.1-614, 4.5 muss die Mittenholzdicke mindestens 30 mm betragen"_cp850, "gemäß ETA-11/0190, A.2.4.2 muss die Mittenholzdicke mindestens 30 mm betragen"_cp850, nullptr},
    {58, "gemäß Z-9.1-614, 4.5 muss die Mittenholzdicke mindestens 40 mm betragen"_cp850, "gemäß ETA-11/0190, A.2.4.2 muss die Mittenholzdicke mindestens 40 mm betragen"_cp850, nullptr},
    {59, "gemäß Z-9.1-614, 4.5 muss die Mittenholzdicke mindestens 40 mm betragen"_cp850, "gemäß ETA-11/0190, A.2.4.2 muss die Mittenholzdicke mindestens 80 mm betragen"_cp850, nullptr},
    {60, nullptr, "gemäß ETA-11/0190, A.2.4.2 muss die Mittenholzdicke mindestens 100 mm betragen"_cp850, nullptr},
    {61, "gemäß Z-9.1-614, 1.2 dürfen Schrauben %s %s 8 mm ohne Vorbohren nur in die Holzarten Fichte, Tanne oder Kiefer eingeschraubt werden"_cp850, "gemäß ETA-11/0190, 4.2 dürfen Schrauben %s %s 8 mm nur in die Holzarten Fichte, Tanne oder Kiefer eingeschraubt werden"_cp850, nullptr},
    {62, "gemäß ETA-11/0190, 4.2 dürfen Schrauben %s %s 8 mm nur in die Holzarten Fichte, Tanne oder Kiefer eingeschraubt werden"_cp850, "gemäß ETA-11/0190, 4.2 dürfen Schrauben %s %s 8 mm nur in die Holzarten Fichte, Tanne oder Kiefer eingeschraubt werden"_cp850, nullptr},
    {63, nullptr, "gemäß ETA-19/0553, 3.11 dürfen Schrauben d >= 8 mm nur in die Holzarten Fichte, Tanne, Kiefer oder Laubholz eingeschraubt werden"_cp850, nullptr},
    {64, nullptr, "Schrauben mit d>4 dürfen nur in NKL 1 und 2 verwendet werden (ETA-11/0190, 1.2)"_cp850, nullptr},
    {65, nullptr, "Schrauben mit d¾4 dürfen nur in NKL 1 verwendet werden (ETA-11/0190, 1.2)"_cp850, nullptr},
    {66, nullptr, "gemäß ETA-11/0190, A.2.4.2 muss OSB mindestens 12 mm dick sein"_cp850, nullptr},
    {67, nullptr, "gemäß ETA-11/0190, A.2.4.2 muss die Spanplatte mindestens 13 mm dick sein"_cp850, nullptr},
    {68, "SPAX-Schrauben in Laubholz nur mit Vorbohren gemäß Z-9.1-449, 4.3"_cp850, "SPAX-Schrauben in Laubholz nur mit Vorbohren gemäß Z-9.1-449, 4.3"_cp850, nullptr},
    {69, nullptr, "Holzwerkstoff- und Stahlplatten sollten gemäß ETA-12/0114, 4.2.2 nur auf der Schraubenkopfseite angebracht sein"_cp850, nullptr},
    {70, nullptr, "Mindestdicke gemäß ETA-12/0114, 4.2.2 unterschritten"_cp850, nullptr},
    {71, "Klammerdurchmesser muss >= 1 und <= 2 mm sein", "Klammerdurchmesser muss >= 1 und <= 2 mm sein", nullptr},
    {72, "Bei einseitiger Beplankung muss Rippenbreite/-höhe >= 0.25 sein"_cp850, "Bei einseitiger Beplankung muss Rippenbreite/-höhe >= 0.25 sein"_cp850, nullptr},
    {73, "av muss bei Klammern <= 150 mm sein", "av muss bei Klammern <= 150 mm sein", nullptr},
    {74, "av muss bei Nägeln <= 150 mm sein"_cp850, "av muss bei Nägeln <= 150 mm sein"_cp850, nullptr},
    {75, "av muss bei Schrauben <= 200 mm sein", "av muss bei Schrauben <= 200 mm sein", nullptr},
    {76, "Schraubendurchmesser muss >= 4.0 mm sein", "Schraubendurchmesser muss >= 4.0 mm sein", nullptr},
    {77, "Schraubenverbindungen in Fermacell nicht zulässig"_cp850, "Schraubenverbindungen in Fermacell nicht zulässig"_cp850, nullptr},
    {78, "Nagelabstand < 20 d", "Nagelabstand < 20 d", nullptr},
    {79, "Nagelabstand a1 zu klein", "Nagelabstand a1 zu klein", nullptr},
    {80, "Tafelmindestbreite muss >= H/4 sein", "Tafelmindestbreite muss >= H/4 sein", nullptr},
    {81, "Bemessungslast Ed muss <= 5.0 kN/m sein", "Bemessungslast Ed muss <= 5.0 kN/m sein", nullptr},
    {82, "Verbindungsmittel zu kurz", "Verbindungsmittel zu kurz", nullptr},
    {83, "Vertikale Rippe zu schmal", "Vertikale Rippe/Lamelle zu schmal", nullptr},
    {84, "Horizontale Rippe zu schmal", "Horizontale Rippe/Lamelle zu schmal", nullptr},
    {85, nullptr, "Mindestabstand a2 senkrecht zur Faserrichtung unterschritten", nullptr},
    {86, "Nach DIN 1052 dürfen Ring- und Scheibendübel aus Aluminiumlegierung nur in Nutzungsklasse 1 und 2 verwendet werden"_cp850, "Nach NAD dürfen Ring- und Scheibendübel aus Aluminiumlegierung nur in Nutzungsklasse 1 und 2 verwendet werden"_cp850, nullptr},
    {87, "fuk = 0", "fuk = 0", nullptr},
    {88, "A = 0", "A = 0", nullptr},
    {94, nullptr, "Berechnung von Sondernägeln nur mit NAD möglich"_cp850, nullptr},
    {95, "Seitenholz zu kurz", "Seitenholz zu kurz", nullptr},
    {96, "Mindestabstand a2,tc unterschritten, Holz nicht hoch genug"_cp850, "Mindestabstand a4,tc unterschritten, Holz nicht hoch genug"_cp850, nullptr},
    {97, "Spaltgefahr => Seitenholz zu dünn oder Nagel zu dick"_cp850, "Spaltgefahr => Seitenholz zu dünn oder Nagel zu dick"_cp850, nullptr},
    {98, "Anzahl der Zeilen muss bei versetzter Anordnung ungerade sein!", "Anzahl der Zeilen muss bei versetzter Anordnung ungerade sein!", nullptr},
    {99, "Anzahl der Spalten muss bei gruppierter Anordnung gerade sein!", "Anzahl der Spalten muss bei gruppierter Anordnung gerade sein!", nullptr},
    {100, "Anzahl der Spalten muss bei versetzter Anordnung > 2 sein!", "Anzahl der Spalten muss bei versetzter Anordnung > 2 sein!", nullptr},
    {101, "Es müssen mindestens 2 Verbindungsmittel pro Stoßhälfte gewählt werden!"_cp850, "Es müssen mindestens 2 Verbindungsmittel pro Stoßhälfte gewählt werden!"_cp850, nullptr},
    {102, "Einpressdübel sind in Verbindung mit Laubholz nicht erlaubt "_cp850, "Einpressdübel sind in Verbindung mit Laubholz nicht erlaubt "_cp850, nullptr},
    {103, "Einpressdübel sind in Verbindung mit Laubholz nicht erlaubt "_cp850, "Einpressdübel sind in Verbindung mit Laubholz nicht erlaubt "_cp850, nullptr},
    {104, "Einpressdübel sind in Verbindung mit Laubholz nicht erlaubt "_cp850, "Einpressdübel sind in Verbindung mit Laubholz nicht erlaubt "_cp850, nullptr},
    {105, "Einpressdübel sind in Verbindung mit Laubholz nicht erlaubt "_cp850, "Einpressdübel sind in Verbindung mit Laubholz nicht erlaubt "_cp850, nullptr},
    {106, "Einpressdübel sind in Verbindung mit Laubholz nicht erlaubt "_cp850, "Einpressdübel sind in Verbindung mit Laubholz nicht erlaubt "_cp850, nullptr},
    {107, "Nagelabstände zu groß (Seitenholz ist zu lang)"_cp850, "Nagelabstände zu groß (Seitenholz ist zu lang)"_cp850, nullptr},
    {108, nullptr, "Sparren nicht hoch genug => Verbindungsmittel können nicht untergebracht werden"_cp850, nullptr},
    {109, "Nagelabstände zu groß, Seitenholz ist zu hoch"_cp850, "Nagelabstände zu groß, Seitenholz ist zu hoch"_cp850, nullptr},
    {110, "Verbindungsmittel ist zu kurz oder Seitenholz zu dick"_cp850, "Verbindungsmittel ist zu kurz oder Seitenholz zu dick"_cp850, nullptr},
    {111, "Mindestdicke des Mittelholzes unterschritten", "Mindestdicke des Mittelholzes unterschritten", nullptr},
    {112, "Dübel zu hoch"_cp850, "Dübel zu hoch"_cp850, nullptr},
    {113, "Seitenholz zu dünn bzw. Nageldurchmesser zu groß"_cp850, "Seitenholz zu dünn bzw. Nageldurchmesser zu groß"_cp850, nullptr},
    {114, "Mindestholzdicke im Seitenholz (24 mm) unterschritten", "Mindestholzdicke im Seitenholz (24 mm) unterschritten", nullptr},
    {115, "Mindestabstand a1,t in Faserrichtung zum beanspruchten Rand unterschritten ", "Mindestabstand a3,t in Faserrichtung zum beanspruchten Rand unterschritten ", nullptr},
    {116, "Mindestabstand a1,c in Faserrichtung zum unbeanspruchten Rand unterschritten ", "Mindestabstand a3,c in Faserrichtung zum unbeanspruchten Rand unterschritten ", nullptr},
    {117, "Mindestabstand a2,t senkrecht zur Faserrichtung zum beanspruchten Rand unterschritten ", "Mindestabstand a4,t senkrecht zur Faserrichtung zum beanspruchten Rand unterschritten ", nullptr},
    {118, "Mindestabstand a2,c senkrecht zur Faserrichtung zum unbeanspruchten Rand unterschritten ", "Mindestabstand a4,c senkrecht zur Faserrichtung zum unbeanspruchten Rand unterschritten ", nullptr},
    {119, "Vorderer/Hinterer Mindestrandabstand (a1c, a1t) unterschritten", "Vorderer/Hinterer Mindestrandabstand (a3c, a3t) unterschritten", nullptr},
    {120, "Oberer/Unterer Mindestrandabstand (a2c, a2t) unterschritten", "Oberer/Unterer Mindestrandabstand (a4c, a4t) unterschritten", nullptr},
    {121, nullptr, "Mindestabstand a1 der Verbindungsmittel am Kehlbalken unterschritten", nullptr},
    {122, nullptr, "Oberer/Unterer Mindestrandabstand am Kehlbalken (a4c, a4t) unterschritten", nullptr},
    {123, nullptr, "Oberer/Unterer Mindestrandabstand am Sparren (a4c, a4t) unterschritten", nullptr},
    {124, "Bitte mindestens eine gültige Schnittgrößenkombination eingeben"_cp850, "Bitte mindestens eine gültige Schnittgrößenkombination eingeben"_cp850, nullptr},
    {125, nullptr, "Zu wenig Verbindungsmittel am Kehlbalkenanschluss gewählt"_cp850, nullptr},
    {126, nullptr, "Zu wenig Verbindungsmittel am Sparrenanschluss gewählt"_cp850, nullptr},
    {127, "Seitenholz 1 nicht hoch genug ", "Seitenholz 1 nicht hoch genug ", nullptr},
    {128, "Seitenholz 2 nicht hoch genug ", "Seitenholz 2 nicht hoch genug ", nullptr},
    {129, "Der Steg ist zu schmal ", "Der Steg ist zu schmal ", nullptr},
    {130, "Mindestblechdicke (3mm) unterschritten", "Mindestblechdicke (3mm) unterschritten", nullptr},
    {131, "Blechrandabstand e2 oder e3 zu klein", "Blechrandabstand e2 oder e3 zu klein", nullptr},
    {132, nullptr, "Mindestdurchmesser 4mm unterschritten", nullptr},
    {133, "Der charakteristische Wert des Ausziehparameters fax,k muss >= 50E-6 ╦╦ sein "_cp850, "Der charakteristische Wert des Ausziehparameters fax,k muss >= 50E-6 ╦╦ sein "_cp850, nullptr},
    {134, "Der Durchmesser muss >= 4mm sein ", "Der Durchmesser muss >= 4mm sein ", nullptr},
    {135, "Die Eindringtiefe von lef muss >= 8d sein ", "Die Eindringtiefe von lef muss >= 8d sein ", nullptr},
    {136, "Der charakteristische Wert des Ausziehparameters fax,k muss >= 4,5 sein ", "Der charakteristische Wert des Ausziehparameters fax,k muss >= 4,5 sein ", nullptr},
    {137, "Das Verbindungsmittel muss mindestens 3 Schichten durchdringen ", "Das Verbindungsmittel muss mindestens 3 Schichten durchdringen ", nullptr},
    {138, "Gem. ETA-19/0553, 3.11, Tab. 4 max. Eindringt. ohne Vorbohren überschr. "_cp850, "Gem. ETA-19/0553, 3.11, Tab. 4 max. Eindringt. ohne Vorbohren überschr. "_cp850, nullptr},
    {139, "Gem. ETA-19/0553, 3.11, Tab. 5 max. Eindringt. ohne Vorbohren überschr. "_cp850, "Gem. ETA-19/0553, 3.11, Tab. 5 max. Eindringt. ohne Vorbohren überschr. "_cp850, nullptr},
    {140, "Gem. ETA-19/0553, 3.11, max. Eindringl. ohne Vorbohren in LVL überschr. "_cp850, "Gem. ETA-19/0553, 3.11, max. Eindringl. ohne Vorbohren in LVL überschr. "_cp850, nullptr},
    {142, nullptr, "Dübel aus Aluminium nicht in Nutzungsklasse 3 erlaubt "_cp850, nullptr},
    {143, nullptr, "Rechtes Seitenholz nicht hoch genug ", nullptr},
    {144, nullptr, "Mittenholz nicht hoch genug ", nullptr},
    {145, nullptr, "gemäß 8.3.1.2(1) sollte die Eindringtiefe mindestens 8d betragen "_cp850, nullptr},
    {146, nullptr, "Achtung! Eindringtiefe ist < 4d ", nullptr},
    {147, nullptr, "DIN EN 1995-1-1, NA:2013 8.4 (NA.16) beachten ", nullptr},
    {148, nullptr, "gemäß DIN EN 1995-1-1, 8.7.2(2) sollte die Holzdicke mindestens 12d betragen "_cp850, nullptr},
    {149, nullptr, "gemäß DIN EN 1995-1-1, 8.7.2(2) sollte die Holzdicke mindestens 12d betragen "_cp850, nullptr},
    {150, nullptr, "gemäß ETA-11/0190, A.1.3.2 sollte die Holzdicke mindestens 6mm betragen "_cp850, nullptr},
    {151, nullptr, "gemäß ETA-11/0190, A.1.3.2 sollte die Holzdicke mindestens 8mm betragen "_cp850, nullptr},
    {152, nullptr, "gemäß ETA-12/0114, 4.2.2 sollte die Holzdicke mindestens 6mm betragen "_cp850, nullptr},
    {153, nullptr, "gemäß ETA-12/0114, 4.2.2 sollte die Holzdicke mindestens 8mm betragen "_cp850, nullptr},
    {154, nullptr, "gemäß ETA-19/0553, sollte die Holzdicke mindestens 6mm betragen "_cp850, nullptr},
    {155, nullptr, "gemäß ETA-19/0553, sollte die Holzdicke mindestens 8mm betragen "_cp850, nullptr},
    {156, nullptr, "gemäß ETA-19/0553, sollte die Holzdicke mindestens 12mm betragen "_cp850, nullptr},
    {157, nullptr, "gemäß ETA-11/0190, A.1.3.2 sollte die Holzdicke mindestens 1,2d betragen "_cp850, nullptr},
    {158, nullptr, "gemäß ETA-11/0190, A.1.3.2 sollte die Holzdicke mindestens 1,2d betragen "_cp850, nullptr},
    {159, nullptr, "gemäß DIN EN 1995-1-1/NA, (NA.11) 8.3.2(1)P dürfen glattschäftige Nägel in vorgebohrten Nagellöchern nicht auf Herausziehen beansprucht werden "_cp850, nullptr},
    {160, nullptr, "gemäß DIN EN 1995-1-1 8.3.2(7) sollte die Eindringtiefe glattschäftiger Nägel mindestens 8d betragen "_cp850, nullptr},
    {161, nullptr, "gemäß DIN EN 1995-1-1 8.3.2(7) sollte die Eindringtiefe von Nägeln mit profiliertem Schaft mindestens 6d betragen "_cp850, nullptr},
    {162, nullptr, "gemäß DIN EN 1995-1-1, NA 2013(NA.16) sollte die Eindringtiefe von Klammern mindestens 12d betragen "_cp850, nullptr},
    {163, nullptr, "gemäß DIN EN 1995-1-1, 8.7.2(3) sollte die geringste Eindringtiefe 6d betragen "_cp850, nullptr},
    {164, nullptr, "Bei Klammern darf nur die beharzte Länge zur Ermittlung von Rax angesetzt werden "_cp850, nullptr},
    {165, nullptr, "gemäß DIN 1052, 12.8.1(9) muss zur Ermittlung von Rax die Einschlagtiefe für glattschäftige Nägel und Sondernägel der Tragfähigkeitsklasse 1 mindestens 12d betragen "_cp850, nullptr},
    {166, nullptr, "gemäß DIN 1052, 12.8.1(9) muss zur Ermittlung von Rax die Einschlagtiefe für Sondernägel der Tragfähigkeitsklassen 2 und 3 mindestens 8d betragen "_cp850, nullptr},
    {167, nullptr, "gemäß DIN 1052, 12.8.1(9) wurde zur Ermittlung von Rax die Einschlagtiefe lef auf 20d begrenzt "_cp850, nullptr},
    {168, nullptr, "Fv,Rk nicht ermittelbar ", nullptr},
    {169, nullptr, "Lochleibungsspannung im Seitenholz nicht ermittelbar ", nullptr},
    {170, nullptr, "Lochleibungsspannung im Mittenholz nicht ermittelbar ", nullptr},
    {171, "Nägel greifen im Mittelholz übereinander, kürzere Nägel wählen: ihre Spitzen müssen mehr als 4d vor dem gegenüberliegenden Rand des Mittelholzes enden"_cp850, "Nägel greifen im Mittelholz übereinander, kürzere Nägel wählen: gemäß DIN EN 1995-1-1, 8.3.1.1(7) muss t - t2 > 4d sein"_cp850, nullptr},
    {172, "Nagelabstände zu groß (Bleche sind zu lang)"_cp850, "Nagelabstände zu groß (Bleche sind zu lang)"_cp850, nullptr},
    {173, "Nagelabstände zu groß (Blatt ist zu lang)"_cp850, "Nagelabstände zu groß (Blatt ist zu lang)"_cp850, nullptr},
    {174, "Nagelabstände zu groß, Bleche sind zu hoch"_cp850, "Nagelabstände zu groß, Bleche sind zu hoch"_cp850, nullptr},
    {175, "Bleche zu kurz", "Bleche zu kurz", nullptr},
    {176, "Blatt zu kurz", "Blatt zu kurz", nullptr},
    {177, "Blechrandabstand e2 unterschritten, Bleche nicht hoch genug", "Blechrandabstand e2 unterschritten, Bleche nicht hoch genug", nullptr},
    {178, "Nagelabstände zu groß, Mittelholz ist zu hoch"_cp850, "Nagelabstände zu groß, Mittelholz ist zu hoch"_cp850, nullptr},
    {180, "Mindestholzdicke der Holzlamellen (24 mm) unterschritten", "Mindestholzdicke der Holzlamellen (24 mm) unterschritten", nullptr},
    {181, "Spaltgefahr => Mittelholz zu dünn oder Nagel zu dick"_cp850, "Spaltgefahr => Mittelholz zu dünn oder Nagel zu dick"_cp850, nullptr},
    {182, "Spaltgefahr => Blatthälften zu dünn oder Nagel zu dick"_cp850, "Spaltgefahr => Blatthälften zu dünn oder Nagel zu dick"_cp850, nullptr},
    {183, "Mittelholz zu dünn bzw. Nageldurchmesser zu groß"_cp850, "Mittelholz zu dünn bzw. Nageldurchmesser zu groß"_cp850, nullptr},
    {184, "Blatthälften zu dünn bzw. Nageldurchmesser zu groß"_cp850, "Blatthälften zu dünn bzw. Nageldurchmesser zu groß"_cp850, nullptr},
    {185, "Verbindungsmittel ist zu kurz oder Holzlamelle zu dick"_cp850, "Verbindungsmittel ist zu kurz oder Holzlamelle zu dick"_cp850, nullptr},
    {186, "Verbindungsmittel ist zu kurz oder Blech zu dick"_cp850, "Verbindungsmittel ist zu kurz oder Blech zu dick"_cp850, nullptr},
    {187, "Verbindungsmittel ist zu kurz oder Blatthälfte zu dick"_cp850, "Verbindungsmittel ist zu kurz oder Blatthälfte zu dick"_cp850, nullptr},
    {188, "Mindestholzdicke der Blatthälften (24 mm) unterschritten"_cp850, "Mindestholzdicke der Blatthälften (24 mm) unterschritten"_cp850, nullptr},
    {189, "Spaltgefahr => Holzlamellen zu dünn oder Nagel zu dick"_cp850, "Spaltgefahr => Holzlamellen zu dünn oder Nagel zu dick"_cp850, nullptr},
    {190, "Klammern können nicht durch Stahlbleche getrieben werden: Seitenhölzer, Blatt oder Nägel, Schrauben, Bolzen wählen"_cp850, "Klammern können nicht durch Stahlbleche getrieben werden: Seitenhölzer, Blatt oder Nägel, Schrauben, Bolzen wählen"_cp850, nullptr},
    {191, "Scheibendübel B1 tragen nur gegen ein Stahlblech: Bleche wählen, zwischen Hölzern Ringdübel A1"_cp850, "Scheibendübel B1 sitzen einseitig in einem Holz (DIN EN 912, Typ B) und tragen einzeln nur gegen ein Stahlblech; zwischen Hölzern nur paarweise Rücken an Rücken, was das Programm nicht bemisst: Bleche wählen, zwischen Hölzern Ringdübel A1"_cp850, nullptr},
    {192, "Ringdübel A1 tragen nicht gegen ein Stahlblech: Scheibendübel B1 wählen"_cp850, "Ringdübel A1 tragen nicht gegen ein Stahlblech (DIN EN 1995-1-1, 8.9): Scheibendübel B1 wählen"_cp850, nullptr},
    {193, "Scheibendübel C5 sind zweiseitig und tragen nicht gegen ein Stahlblech: C2 oder C11 wählen"_cp850, "Scheibendübel C5 sind zweiseitig und tragen nicht gegen ein Stahlblech (DIN EN 1995-1-1, 8.10): C2 oder C11 wählen"_cp850, nullptr},
    {194, nullptr, "Eindringtiefe der Klammern zu gering (DIN EN 1995-1-1, NA.16: t2 >= 12d)", "Eindringtiefe der Klammern zu gering (DIN EN 1995-1-1, 8.4(3): t2 >= 14d)"},
    {195, "Unterlegscheibe zu klein: mindestens 3d des Bolzens", "Unterlegscheibe zu klein: mindestens 3d des Bolzens (DIN EN 1995-1-1, 10.4.3)", nullptr},
    {196, "Schrauben d <= 6 mm greifen im Mittelholz übereinander: ihre Spitzen müssen wie bei Nägeln mehr als 4d vor dessen Rand enden"_cp850, "Schrauben d <= 6 mm greifen im Mittelholz übereinander: wie bei Nägeln muss t - t2 > 4d sein (DIN EN 1995-1-1, 8.7.1, 8.3.1.1(7))"_cp850, nullptr},
    {197, "Das Verbindungsmittel hat in dieser Verbindung keine Tragfähigkeit (Rk = 0): anderes Verbindungsmittel wählen"_cp850, "Das Verbindungsmittel hat in dieser Verbindung keine Tragfähigkeit (Fv,Rk = 0): anderes Verbindungsmittel wählen"_cp850, nullptr},
    {198, "Wechselseitig eingeschlagen trägt jede Seite ihren Anteil am Moment mit ihren eigenen Verbindungsmitteln: eine Seite hat nur eines (I_p = 0) => mehr Verbindungsmittel wählen"_cp850, "Wechselseitig eingeschlagen trägt jede Seite ihren Anteil am Moment mit ihren eigenen Verbindungsmitteln: eine Seite hat nur eines (I_p = 0) => mehr Verbindungsmittel wählen"_cp850, nullptr},
    {199, "Nägel ohne Vorbohren nur in Holz bis rho_k = 500 kg/m3 und bis d = 6 mm"_cp850, "Nägel ohne Vorbohren nur in Holz bis rho_k = 500 kg/m3 und bis d = 6 mm " "(DIN EN 1995-1-1, 8.3.1.2(2))"_cp850, nullptr},
    {200, "Der Bolzen passt nicht zum Dübel: Bolzen seiner Größe wählen (EN 912)"_cp850, "Der Bolzen passt nicht zum Dübel: Bolzen seiner Größe wählen (EN 912, DIN EN 1995-1-1, 8.9, 8.10)"_cp850, nullptr},
    {201, "Holzschrauben DIN 571 sind in Laubholz stets und in Nadelholz ab d > 6 mm vorzubohren"_cp850, "Holzschrauben DIN 571 sind in Laubholz stets und in Nadelholz ab d > 6 mm vorzubohren " "(DIN EN 1995-1-1, 10.4.5)"_cp850, nullptr},
    {202, "Kein einseitiger Scheibendübel dieses Durchmessers im Katalog, der am Stahlblech statt des zweiseitigen einzubauen ist: Scheibendübel C2 oder C11 des Katalogs wählen"_cp850, "Kein einseitiger Scheibendübel dieses Durchmessers im Katalog, der am Stahlblech statt des zweiseitigen einzubauen ist (DIN EN 1995-1-1, 8.10): Scheibendübel C2 oder C11 des Katalogs wählen"_cp850, nullptr},
    {1000, nullptr, "gemäß Zulassung ETA-03/0050 für Fermacellplatten darf bei einschnittigen Verbindungen mit Nägeln oder Klammern bei überwiegend kurzzeitiger Beanspruchung die charakteristische Tragfähigkeit parallel zum Rand der Gipsfaserplatte um einen Anteil %sFv,Rk erhöht werden "_cp850, " "},
    {1001, nullptr, "Bei einschnittigen Holzwerkstoff- Holz- Nagelverbindungen mit Sondernägeln der Tragfähigkeitsklasse 3, nicht jedoch bei Gipskarton- Holz- Verbindungen, darf der charakteristische Wert der Tragfähigkeit Fv,Rk nach NAD 8.3.1.3 (NA.9) um einen Anteil %sFv,Rk erhöht werden "_cp850, " "},
    {1002, nullptr, "Bei einschnittigen Verbindungen mit Holzschrauben darf der charakteristische Wert der Tragfähigkeit Fv,Rk infolge der Seilwirkung um einen Anteil %sRk erhöht werden "_cp850, nullptr},
    {1003, nullptr, "Bei Verbindungen mit Bolzen darf der charakteristische Wert der Tragfähigkeit Fv,Rk infolge der Seilwirkung um einen Anteil %sFv,Rk erhöht werden "_cp850, nullptr},
    {1004, nullptr, "gemäß DIN EN 1995-1-1, 8.3.1.1(8) wird die Tragfähigkeit in Faserrichtung hintereinanderliegender Nägel abgemindert, sofern sie nicht um 1d versetzt angeordnet sind "_cp850, nullptr},
    {1005, nullptr, "gemäß ETA-11/0190, A.1.4.1 müssen bei Douglasien und bei nicht vorgebohrten Schrauben die Mindestabstände in Faserrichtung um 50%% erhöht werden "_cp850, nullptr},
    {1006, nullptr, "gemäß ETA-11/0190, 4.2 dürfen Schrauben mit %s %s 8 mm nur in die Vollholzarten Fichte, Tanne oder Kiefer eingeschraubt werden "_cp850, nullptr},
    {1007, nullptr, "Nägel in vorgebohrten Nagellöchern dürfen nach NAD 8.3.2(NA.11) nicht auf Herausziehen beansprucht werden "_cp850, nullptr},
    {1008, nullptr, "gemäß DIN 1052, 12.3(4) wurde zur Ermittlung von fhak, k90=1 gesetzt "_cp850, nullptr},
    {1009, nullptr, "Abminderung von f1k auf 1/3 Rax gemäß DIN 1052-10, A.1(2)b "_cp850, nullptr},
    {1010, nullptr, "Abminderung von Rax auf 70%% gemäß 8.4.5(5) "_cp850, nullptr},
    {1011, nullptr, "Mindestholzdicke (24mm) des Seitenholzes unterschritten => Fv,Rk=0 ", nullptr},
    {1012, nullptr, "Wenn der Bohrlochdurchmesser nicht größer als der Kerndurchmesser des Sondernagels ist, darf gemäß NAD 8.3.2 (NA.13) der Ausziehparameter fax,k mit 70%% in Ansatz gebracht werden "_cp850, nullptr},
    {1013, nullptr, "Rax zu Null gesetzt, da der Einschraubwinkel < 30 (ETA-12/0114, 2.1) ", nullptr},
    {1014, nullptr, "Rax zu Null gesetzt, da der Einschraubwinkel < 15 (ETA-12/0114, 2.1) ", nullptr},
    {1015, nullptr, "Rax zu Null gesetzt, da der Einschraubwinkel < 30 (ETA-11/0190, A.1.3.1)", nullptr},
    {1016, nullptr, "gemäß Z-9.1-449 wird bei Verwendung von Holzwerkstoffen ohne Unterlegscheiben der Kopfziehwiderstand zu Null gesetzt "_cp850, nullptr},
    {1017, nullptr, "Das Gewinde nach DIN 7998 hat einen Einfluss auf die charakteristische Tragfähigkeit auf Zug in Schaftrichtung "_cp850, nullptr},
    {1018, nullptr, "Die Mindestdicke t darf bei Nadelhölzern auch nach Gleichung (8.18) berechnet werden, sofern die Randabstände senkrecht zur Faser erhöht werden "_cp850, nullptr},
    {1019, nullptr, "Minimaler Abstand a1 unterschritten ", nullptr},
};
// clang-format on
const Msg_Row
    Hint_Rows[] =
        {
            // clang-format off
    {6, "Das Verbindungsmittel ist zu kurz und dringt nicht tief genug in das Seitenholz ein. Wählen Sie ein längeres Verbindungsmittel "_cp850, "Das Verbindungsmittel ist zu kurz und dringt nicht tief genug in das Seitenholz ein. Wählen Sie ein längeres Verbindungsmittel "_cp850, nullptr},
    {11, "Das Verbindungsmittel ist zu lang und durchdringt das äußere Seitenholz "_cp850, "Das Verbindungsmittel ist zu lang und durchdringt das äußere Seitenholz "_cp850, nullptr},
    {14, "Wegen der Spaltgefahr des Holzes muss bei Nagelverbindungen ohne Vorbohrung die Dicke t von Bauteilen aus Vollholz einen Mindestwert entsprechend 12.5.2(13), Gl. (218) einhalten ", "Wegen der Spaltgefahr des Holzes muss bei Nagelverbindungen ohne Vorbohrung die Dicke t von Bauteilen aus Vollholz einen Mindestwert entsprechend 8.3.1.2(7), Gl. (8.19) einhalten ", nullptr},
    {15, "Wegen der Spaltgefahr des Holzes muss bei Nagelverbindungen ohne Vorbohrung die Dicke t von Bauteilen aus Vollholz einen Mindestwert entsprechend 12.5.2(13), Gl. (218) einhalten ", "Wegen der Spaltgefahr des Holzes muss bei Nagelverbindungen ohne Vorbohrung die Dicke t von Bauteilen aus Vollholz einen Mindestwert entsprechend 8.3.1.2(7), Gl. (8.19) einhalten ", nullptr},
    {16, "Wegen der Spaltgefahr des Holzes muss bei Nagelverbindungen ohne Vorbohrung die Dicke t von Bauteilen aus Vollholz einen Mindestwert entsprechend 12.5.2(13), Gl. (218) einhalten ", "Wegen der Spaltgefahr des Holzes muss bei Nagelverbindungen ohne Vorbohrung die Dicke t von Bauteilen aus Vollholz einen Mindestwert entsprechend 8.3.1.2(7), Gl. (8.19) einhalten ", nullptr},
    {25, "Mindestabstand a2 senkrecht zur Faserrichtung unterschritten ", "Mindestabstand senkrecht zur Faserrichtung a2 unterschritten ", nullptr},
    {48, nullptr, "Bei Dübeln besonderer Bauart muss die Rohdichte < 500kg/m3 sein. "_cp850, nullptr},
    {49, nullptr, "Bei Dübeln besonderer Bauart sind nur für Vollholz, Brett- oder Balkenschichtholz oder Furnierschichtholz zugelassen. "_cp850, nullptr},
    {95, "Seitenholz zu kurz", "Seitenholz zu kurz", nullptr},
    {96, "Mindestabstand a2tc unterschritten, Holz nicht hoch genug"_cp850, "Mindestabstand a4,tc unterschritten, Holz nicht hoch genug"_cp850, nullptr},
    {97, "Spaltgefahr => Seitenholz zu dünn oder Nagel zu dick"_cp850, "Spaltgefahr => Seitenholz zu dünn oder Nagel zu dick"_cp850, nullptr},
    {98, "Anzahl der Zeilen muss bei versetzter Anordnung ungerade sein!", "Anzahl der Zeilen muss bei versetzter Anordnung ungerade sein!", nullptr},
    {99, "Anzahl der Spalten muss bei gruppierter Anordnung gerade sein!", "Anzahl der Spalten muss bei gruppierter Anordnung gerade sein!", nullptr},
    {100, "Anzahl der Spalten muss bei versetzter Anordnung > 2 sein!", "Anzahl der Spalten muss bei versetzter Anordnung > 2 sein!", nullptr},
    {101, "Es müssen mindestens 2 Verbindungsmittel pro Stoßhälfte gewählt werden!"_cp850, "Es müssen mindestens 2 Verbindungsmittel pro Stoßhälfte gewählt werden!"_cp850, nullptr},
    {102, "Einpressdübel sind in Verbindung mit Laubholz nicht erlaubt"_cp850, "Einpressdübel sind in Verbindung mit Laubholz nicht erlaubt "_cp850, nullptr},
    {103, nullptr, "Einpressdübel sind in Verbindung mit Laubholz nicht erlaubt "_cp850, nullptr},
    {104, "Einpressdübel sind in Verbindung mit Laubholz nicht erlaubt"_cp850, "Einpressdübel sind in Verbindung mit Laubholz nicht erlaubt "_cp850, nullptr},
    {105, "Einpressdübel sind in Verbindung mit Laubholz nicht erlaubt"_cp850, "Einpressdübel sind in Verbindung mit Laubholz nicht erlaubt "_cp850, nullptr},
    {106, nullptr, "Einpressdübel sind in Verbindung mit Laubholz nicht erlaubt "_cp850, nullptr},
    {107, "Nagelabstände zu groß (Seitenholz ist zu lang)"_cp850, "Nagelabstände zu groß (Seitenholz ist zu lang)"_cp850, nullptr},
    {108, "Sparren nicht hoch genug => Verbindungsmittel können nicht untergebracht werden"_cp850, "Sparren nicht hoch genug => Verbindungsmittel können nicht untergebracht werden"_cp850, nullptr},
    {109, "Nagelabstände zu groß, Seitenholz ist zu hoch"_cp850, "Nagelabstände zu groß, Seitenholz ist zu hoch"_cp850, nullptr},
    {110, "Nägel zu kurz oder Seitenholz ist zu dick"_cp850, "Verbindungsmittel ist zu kurz oder Seitenholz zu dick"_cp850, nullptr},
    {111, "Mindestdicke des Mittelholzes unterschritten", "Mindestdicke des Mittelholzes unterschritten", nullptr},
    {112, "Dübel zu hoch"_cp850, "Dübel zu hoch"_cp850, nullptr},
    {113, "Seitenholz zu dünn bzw. Nageldurchmesser zu groß"_cp850, "Seitenholz zu dünn bzw. Nageldurchmesser zu groß"_cp850, nullptr},
    {114, "Mindestholzdicke im Seitenholz (24 mm) unterschritten", "Mindestholzdicke im Seitenholz (24 mm) unterschritten", nullptr},
    {121, "Mindestabstand a1 der Verbindungsmittel am Kehlbalken unterschritten", "Mindestabstand a1 der Verbindungsmittel am Kehlbalken unterschritten", nullptr},
    {122, "Oberer/Unterer Mindestrandabstand am Kehlbalken (a2c, a2t) unterschritten", "Oberer/Unterer Mindestrandabstand am Kehlbalken (a4c, a4t) unterschritten", nullptr},
    {123, "Oberer/Unterer Mindestrandabstand am Sparren (a2c, a2t) unterschritten", "Oberer/Unterer Mindestrandabstand am Sparren (a4c, a4t) unterschritten", nullptr},
    {124, "Bitte mindestens eine gültige Schnittgrößenkombination eingeben"_cp850, "Bitte mindestens eine gültige Schnittgrößenkombination eingeben"_cp850, nullptr},
    {125, "Zu wenig Verbindungsmittel am Kehlbalkenanschluss gewählt"_cp850, "Zu wenig Verbindungsmittel am Kehlbalkenanschluss gewählt"_cp850, nullptr},
    {126, "Zu wenig Verbindungsmittel am Sparrenanschluss gewählt"_cp850, "Zu wenig Verbindungsmittel am Sparrenanschluss gewählt"_cp850, nullptr},
    {129, "Der Steg ist zu schmal ", "Der Steg ist zu schmal ", nullptr},
    {142, "Dübel aus Aluminium nicht in Nutzungsklasse 3 erlaubt "_cp850, "Dübel aus Aluminium nicht in Nutzungsklasse 3 erlaubt "_cp850, nullptr},
    {143, "Rechtes Seitenholz nicht hoch genug ", "Rechtes Seitenholz nicht hoch genug ", nullptr},
    {144, "Mittenholz nicht hoch genug ", "Mittenholz nicht hoch genug ", nullptr},
    {145, nullptr, "gemäß 8.3.1.2(1) sollte die Eindringtiefe mindestens 8d betragen "_cp850, nullptr},
    {146, nullptr, "Achtung! Eindringtiefe ist < 4d ", nullptr},
    {147, nullptr, "DIN EN 1995-1-1, NA:2013 8.4 (NA.16) beachten ", nullptr},
    {148, nullptr, "gemäß DIN EN 1995-1-1, 8.7.2(2) sollte die Holzdicke mindestens 12d betragen "_cp850, nullptr},
    {149, nullptr, "gemäß DIN EN 1995-1-1, 8.7.2(2) sollte die Holzdicke mindestens 12d betragen "_cp850, nullptr},
    {150, nullptr, "gemäß ETA-11/0190, A.1.3.2 sollte die Holzdicke mindestens 6mm betragen "_cp850, nullptr},
    {151, nullptr, "gemäß ETA-11/0190, A.1.3.2 sollte die Holzdicke mindestens 8mm betragen "_cp850, nullptr},
    {152, nullptr, "gemäß ETA-12/0114, 4.2.2 sollte die Holzdicke mindestens 6mm betragen "_cp850, nullptr},
    {153, nullptr, "gemäß ETA-12/0114, 4.2.2 sollte die Holzdicke mindestens 8mm betragen "_cp850, nullptr},
    {154, nullptr, "gemäß ETA-19/0553, sollte die Holzdicke mindestens 6mm betragen "_cp850, nullptr},
    {155, nullptr, "gemäß ETA-19/0553, sollte die Holzdicke mindestens 8mm betragen "_cp850, nullptr},
    {156, nullptr, "gemäß ETA-19/0553, sollte die Holzdicke mindestens 12mm betragen "_cp850, nullptr},
    {157, nullptr, "gemäß ETA-11/0190, A.1.3.2 sollte die Holzdicke mindestens 1,2d betragen "_cp850, nullptr},
    {158, nullptr, "gemäß ETA-11/0190, A.1.3.2 sollte die Holzdicke mindestens 1,2d betragen "_cp850, nullptr},
    {159, nullptr, "gemäß DIN EN 1995-1-1/NA, (NA.11) 8.3.2(1)P dürfen glattschäftige Nägel in vorgebohrten Nagellöchern nicht auf Herausziehen beansprucht werden "_cp850, nullptr},
    {160, nullptr, "gemäß DIN EN 1995-1-1 8.3.2(7) sollte die Eindringtiefe glattschäftiger Nägel mindestens 8d betragen "_cp850, nullptr},
    {161, nullptr, "gemäß DIN EN 1995-1-1 8.3.2(7) sollte die Eindringtiefe von Nägeln mit profiliertem Schaft mindestens 6d betragen "_cp850, nullptr},
    {162, nullptr, "gemäß DIN EN 1995-1-1, NA 2013(NA.16) sollte die Eindringtiefe von Klammern mindestens 12d betragen "_cp850, nullptr},
    {163, nullptr, "gemäß DIN EN 1995-1-1, 8.7.2(3) sollte die geringste Eindringtiefe 6d betragen "_cp850, nullptr},
    {164, "Bei Klammern darf nur die beharzte Länge zur Ermittlung von Rax angesetzt werden (s. DIN 1052, 12.8.3(1)) "_cp850, "Bei Klammern darf nur die beharzte Länge zur Ermittlung von Rax angesetzt werden "_cp850, nullptr},
    {165, "gemäß DIN 1052, 12.8.1(9) muss zur Ermittlung von Rax die Einschlagtiefe für glattschäftige Nägel und Sondernägel der Tragfähigkeitsklasse 1 mindestens 12d betragen "_cp850, "gemäß DIN 1052, 12.8.1(9) muss zur Ermittlung von Rax die Einschlagtiefe für glattschäftige Nägel und Sondernägel der Tragfähigkeitsklasse 1 mindestens 12d betragen "_cp850, nullptr},
    {166, "gemäß DIN 1052, 12.8.1(9) muss zur Ermittlung von Rax die Einschlagtiefe für Sondernägel der Tragfähigkeitsklassen 2 und 3 mindestens 8d betragen "_cp850, "gemäß DIN 1052, 12.8.1(9) muss zur Ermittlung von Rax die Einschlagtiefe für Sondernägel der Tragfähigkeitsklassen 2 und 3 mindestens 8d betragen "_cp850, nullptr},
    {167, "gemäß DIN 1052, 12.8.1(9) wurde zur Ermittlung von Rax die Einschlagtiefe lef auf 20d begrenzt "_cp850, "gemäß DIN 1052, 12.8.1(9) wurde zur Ermittlung von Rax die Einschlagtiefe lef auf 20d begrenzt "_cp850, nullptr},
    {168, "Rk nicht ermittelbar ", "Fv,Rk nicht ermittelbar ", nullptr},
    {169, "Lochleibungsspannung im Seitenholz nicht ermittelbar ", "Lochleibungsspannung im Seitenholz nicht ermittelbar ", nullptr},
    {170, "Lochleibungsspannung im Mittenholz nicht ermittelbar ", "Lochleibungsspannung im Mittenholz nicht ermittelbar ", nullptr},
    {1000, "gemäß Zulassung Z-9.1-434 für Fermacellplatten darf bei einschnittigen Verbindungen mit Nägeln oder Klammern bei überwiegend kurzzeitiger Beanspruchung die charakteristische Tragfähigkeit parallel zum Rand der Gipsfaserplatte um einen Anteil %sRk erhöht werden "_cp850, "gemäß Zulassung ETA-03/0050 für Fermacellplatten darf bei einschnittigen Verbindungen mit Nägeln oder Klammern bei überwiegend kurzzeitiger Beanspruchung die charakteristische Tragfähigkeit parallel zum Rand der Gipsfaserplatte um einen Anteil %sFv,Rk erhöht werden "_cp850, " "},
    {1001, "Bei einschnittigen Holzwerkstoff- Holz- Nagelverbindungen mit Sondernägeln der Tragfähigkeitsklasse 3, nicht jedoch bei Gipskarton- Holz- Verbindungen, darf der charakteristische Wert der Tragfähigkeit Rk nach Gl. (226) um einen Anteil %sRk erhöht werden "_cp850, "Bei einschnittigen Holzwerkstoff- Holz- Nagelverbindungen mit Sondernägeln der Tragfähigkeitsklasse 3, nicht jedoch bei Gipskarton- Holz- Verbindungen, darf der charakteristische Wert der Tragfähigkeit Fv,Rk nach NAD 8.3.1.3 (NA.9) um einen Anteil %sFv,Rk erhöht werden "_cp850, " "},
    {1002, "Bei einschnittigen Verbindungen mit Holzschrauben darf der charakteristische Wert der Tragfähigkeit Rk infolge des Einhängeeffektes um einen Anteil %sRk erhöht werden "_cp850, "Bei einschnittigen Verbindungen mit Holzschrauben darf der charakteristische Wert der Tragfähigkeit Fv,Rk infolge der Seilwirkung um einen Anteil %sRk erhöht werden "_cp850, nullptr},
    {1003, "Bei Verbindungen mit Passbolzen darf der charakteristische Wert der Tragfähigkeit Rk infolge des Einhängeeffektes um einen Anteil %sRk erhöht werden "_cp850, "Bei Verbindungen mit Bolzen darf der charakteristische Wert der Tragfähigkeit Fv,Rk infolge der Seilwirkung um einen Anteil %sFv,Rk erhöht werden "_cp850, nullptr},
    {1004, nullptr, "gemäß DIN EN 1995-1-1, 8.3.1.1(8) wird die Tragfähigkeit in Faserrichtung hintereinanderliegender Nägel abgemindert, sofern sie nicht um 1d versetzt angeordnet sind "_cp850, nullptr},
    {1005, "gemäß ETA-11/0190, A.1.4.1 müssen bei Douglasien und bei nicht vorgebohrten Schrauben die Mindestabstände in Faserrichtung um 50%% erhöht werden "_cp850, "gemäß ETA-11/0190, A.1.4.1 müssen bei Douglasien und bei nicht vorgebohrten Schrauben die Mindestabstände in Faserrichtung um 50%% erhöht werden "_cp850, nullptr},
    {1006, "gemäß ETA-11/0190, 4.2 dürfen Schrauben mit %s %s 8 mm ohne Vorbohren nur in die Holzarten Fichte, Tanne oder Kiefer eingeschraubt werden "_cp850, "gemäß ETA-11/0190, 4.2 dürfen Schrauben mit %s %s 8 mm ohne Vorbohren nur in die Holzarten Fichte, Tanne oder Kiefer eingeschraubt werden "_cp850, nullptr},
    {1007, "gemäß DIN 1052, 12.8.1(3) dürfen Nägel in vorgebohrten Nagellöchern nicht auf Herausziehen beansprucht werden "_cp850, "Nägel in vorgebohrten Nagellöchern dürfen nach NAD 8.3.2(NA.11) nicht auf Herausziehen beansprucht werden "_cp850, nullptr},
    {1008, "gemäß DIN 1052, 12.3(4) wurde zur Ermittlung von fhak, k90=1 gesetzt "_cp850, "gemäß DIN 1052, 12.3(4) wurde zur Ermittlung von fhak, k90=1 gesetzt "_cp850, nullptr},
    {1009, "Abminderung von f1k auf 1/3 Rax gemäß DIN 1052, 12.8.3(2) "_cp850, "Abminderung von f1k auf 1/3 Rax gemäß DIN 1052-10, A.1(2)b "_cp850, nullptr},
    {1010, "Abminderung von Rax auf 70%% gemäß DIN 1052, 12.8.3(3) "_cp850, "Abminderung von Rax auf 70%% gemäß 8.4.5(5) "_cp850, nullptr},
    {1011, "Mindestholzdicke (24mm) des Seitenholzes unterschritten, gem. DIN 1052, 7.2.3(1), => Rk=0 ", "Mindestholzdicke (24mm) des Seitenholzes unterschritten => Fv,Rk=0 ", nullptr},
    {1012, "Wenn der Bohrlochdurchmesser nicht größer als der Kerndurchmesser des Sondernagels ist, darf der Ausziehparameter f1,k mit 70%% in Ansatz gebracht werden "_cp850, "Wenn der Bohrlochdurchmesser nicht größer als der Kerndurchmesser des Sondernagels ist, darf gemäß NAD 8.3.2 (NA.13) der Ausziehparameter fax,k mit 70%% in Ansatz gebracht werden "_cp850, nullptr},
    {1013, "Rax zu Null gesetzt, da der Einschraubwinkel < 30 (ETA-12/0114 2.1) ", "Rax zu Null gesetzt, da der Einschraubwinkel < 30 (ETA-12/0114, 2.1) ", nullptr},
    {1014, nullptr, "Rax zu Null gesetzt, da der Einschraubwinkel < 15 (ETA-12/0114, 2.1) ", nullptr},
    {1015, "Rax zu Null gesetzt, da der Einschraubwinkel < 30 (ETA-11/0190 A.1.3.1)", "Rax zu Null gesetzt, da der Einschraubwinkel < 30 (ETA-11/0190, A.1.3.1)", nullptr},
    {1016, "gemäß Z-9.1-449 wird bei Verwendung von Holzwerkstoffen ohne Unterlegscheiben der Kopfziehwiderstand zu Null gesetzt "_cp850, "gemäß Z-9.1-449 wird bei Verwendung von Holzwerkstoffen ohne Unterlegscheiben der Kopfziehwiderstand zu Null gesetzt "_cp850, nullptr},
    {1017, "Das Gewinde nach DIN 7998 hat einen Einfluss auf die charakteristische Tragfähigkeit auf Zug in Schaftrichtung "_cp850, "Das Gewinde nach DIN 7998 hat einen Einfluss auf die charakteristische Tragfähigkeit auf Zug in Schaftrichtung "_cp850, nullptr},
    {1018, "Die Mindestdicke t darf bei Nadelhölzern auch nach Gleichung (219) berechnet werden, sofern die Randabstände senkrecht zur Faser erhöht werden "_cp850, "Die Mindestdicke t darf bei Nadelhölzern auch nach Gleichung (8.18) berechnet werden, sofern die Randabstände senkrecht zur Faser erhöht werden "_cp850, nullptr},
    {1019, "Minimaler Abstand a1 in Faserrichtung unterschritten ", "Minimaler Abstand a1 unterschritten ", nullptr},
    {1020, "gemäß ETA-12/0114, 4.2.2 dürfen Schrauben mit %s %s 8 mm ohne Vorbohren nur in die Holzarten Fichte, Tanne oder Kiefer eingeschraubt werden "_cp850, "gemäß ETA-12/0114, 4.2.2 dürfen Schrauben mit %s %s 8 mm ohne Vorbohren nur in die Holzarten Fichte, Tanne oder Kiefer eingeschraubt werden "_cp850, nullptr},
    {1021, "gemäß ETA-12/0114, 4.2.4 müssen bei Douglasien und bei nicht vorgebohrten Schrauben die Mindestabstände in Faserrichtung um 50%% erhöht werden "_cp850, "gemäß ETA-12/0114, 4.2.4 müssen bei Douglasien und bei nicht vorgebohrten Schrauben die Mindestabstände in Faserrichtung um 50%% erhöht werden "_cp850, nullptr},
    {1022, "gemäß ETA-19/0553, Anhang B müssen bei Douglasien und bei nicht vorgebohrten Schrauben die Mindestabstände in Faserrichtung um 50%% erhöht werden "_cp850, "gemäß ETA-19/0553, Anhang B müssen bei Douglasien und bei nicht vorgebohrten Schrauben die Mindestabstände in Faserrichtung um 50%% erhöht werden "_cp850, nullptr},
    {1023, "Der charakteristische Wert des Ausziehparameters fhead,k muss >= 100E-6 ╦╦ sein "_cp850, "Der charakteristische Wert des Ausziehparameters fhead,k muss >= 100E-6 ╦╦ sein "_cp850, nullptr},
            // clang-format on
};

/* Code 5 (a fastener length below the approval's minimum) is reported by the admissibility and
** limit checks; its text follows the wording of codes 4 and 6. */
const Msg_Row Code5_Row = {5, "Länge des Verbindungsmittels zu gering"_cp850,
                           "Länge des Verbindungsmittels zu gering"_cp850, nullptr};


template <size_t N>
const Msg_Row *Find_Row(const Msg_Row (&rows)[N], int32_t code)
{
    for (size_t i = 0; i < N; i++)
        if (rows[i].code == code) return &rows[i];
    return nullptr;
}

/* The text of a row under the standard in force, or null when it has none. */
const char *Row_Text(const Msg_Row *row)
{
    if (row == nullptr) return nullptr;
    if (Nad_Params == nullptr) return row->din;
    if (row->en_variant0 != nullptr && Nad_Params->variant == 0) return row->en_variant0;
    return row->en;
}

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
#pragma GCC diagnostic ignored "-Wformat-security"
/* Format a stored text into buf with its symbol arguments ("%%" becomes one percent sign). */
void Format_Text(char *buf, size_t size, const char *text, int args)
{
    if (args == ARGS_DIAMETER_GE) snprintf(buf, size, text, Sym_Diameter, Sym_Greater_Equal);
    else if (args == ARGS_DELTA) snprintf(buf, size, text, Sym_Delta);
    else snprintf(buf, size, text);
}
#pragma GCC diagnostic pop

/* Fill buf with the text of a row; an empty text when the row is missing or has no text under the
** standard in force (a code without a text must not show the text of an earlier, unrelated code). */
const char *Row_Into_Buffer(char *buf, size_t size, const Msg_Row *row)
{
    const char *text = Row_Text(row);
    if (text == nullptr) {
        buf[0] = '\0';
        return buf;
    }
    Format_Text(buf, size, text, Symbol_Args(text));
    return buf;
}

/* The code page 1252 byte of a CP850 byte (its character), or the byte itself when 1252 lacks it. */
char Cp850_Byte_To_1252(unsigned char b)
{
    if (b < 0x80) return static_cast<char>(b);
    const uint32_t cp = Cp850_To_Unicode(b);
    for (int k = 0; k < 128; k++)
        if (Cp1252_To_Unicode(static_cast<unsigned char>(0x80 + k)) == cp)
            return static_cast<char>(0x80 + k);
    return static_cast<char>(b);
}

/* Replace the first occurrence of from in s by to. */
void Replace_First(std::string &s, const char *from, const char *to)
{
    const size_t at = s.find(from);
    if (at != std::string::npos) s.replace(at, strlen(from), to);
}

} // namespace

int32_t Board_Service_Class_Code(int32_t group, int32_t grade, int32_t service_class)
{
    if (group < 4 || group > 21 || grade < 0 || grade > 9 || service_class < 1 || service_class > 3)
        return 0;
    return DERR_BOARD_SERVICE_CLASS_FIRST + 100 * group + 10 * grade + service_class;
}

namespace {

/* The text of a member refused in a service class: the grade, the classes it has a kmod in and
** the class asked for. */
const char *Board_Service_Class_Text(char *buf, size_t size, int32_t code)
{
    const int32_t k = code - DERR_BOARD_SERVICE_CLASS_FIRST;
    const int32_t group = k / 100, grade = k / 10 % 10, sc = k % 10;
    char classes[32] = "";
    for (int32_t c = 1; c <= 3; c++) {
        double kmod = 0.0;
        if (!Get_Kmod(group, grade, c, KLED_MITTEL, &kmod, nullptr) || !(kmod > 0.0)) continue;
        const size_t n = strlen(classes);
        snprintf(classes + n, sizeof classes - n, "%s%d", n > 0 ? " und " : "", c);
    }
    /* the panels by the standard's table; LVL by its approval, as Table 3.1 gives LVL a kmod
    ** in every class */
    const char *rule = !Is_Mat_Wood_Panel(group) ? "laut Zulassung"
                       : Nad_Params != nullptr   ? "nach DIN EN 1995-1-1, Tabelle 3.1"
                                                 : "nach DIN 1052, Tabelle F.1";
    /* the one grade of medium board takes the rows of MBH.LA */
    std::string name = Get_Material_Name(group, grade);
    if (group == 8 && grade == 1) name += " (MBH.LA)";
    if (classes[0] != '\0')
        snprintf(buf, size,
                 "%s ist %s nur in Nutzungsklasse %s zulässig, nicht in Nutzungsklasse %d"_cp850,
                 name.c_str(), rule, classes, sc);
    else
        snprintf(buf, size, "%s ist %s in Nutzungsklasse %d nicht zulässig"_cp850, name.c_str(),
                 rule, sc);
    return buf;
}

} // namespace

const char *Get_Error_Text(int32_t code)
{
    if (code == 0) return nullptr;
    if (code >= DERR_BOARD_SERVICE_CLASS_FIRST && code <= DERR_BOARD_SERVICE_CLASS_LAST) {
        Design_Run_Rec *run = Design_Run_Current();
        return Board_Service_Class_Text(run->error_text, sizeof run->error_text, code);
    }
    const Msg_Row *row = code == 5 ? &Code5_Row : Find_Row(Error_Rows, code);
    Design_Run_Rec *run = Design_Run_Current();
    return Row_Into_Buffer(run->error_text, sizeof run->error_text, row);
}

const char *Get_Hint_Text(int32_t code)
{
    if (code == 0) return nullptr;
    Design_Run_Rec *run = Design_Run_Current();
    return Row_Into_Buffer(run->hint_text, sizeof run->hint_text, Find_Row(Hint_Rows, code));
}

const char *Get_Hint_Text_Cp1252(int32_t code)
{
    if (code == 0) return nullptr;
    const Msg_Row *row = Find_Row(Hint_Rows, code);
    const char *text = Row_Text(row);
    char *buffer = Design_Run_Current()->hint_text_1252;
    if (text == nullptr) return Row_Into_Buffer(buffer, DESIGN_TEXT_SIZE, row);
    std::string s(text);
    if (Symbol_Args(text) == ARGS_DELTA)
        Replace_First(s, "%s", (code == 1003 && Nad_Params == nullptr) ? "ds" : "d");
    else Replace_First(s, "mit %s %s 8 mm", "mit d>=8 mm");
    for (char &c : s) c = Cp850_Byte_To_1252(static_cast<unsigned char>(c));
    Format_Text(buffer, DESIGN_TEXT_SIZE, s.c_str(), ARGS_NONE);
    return buffer;
}
