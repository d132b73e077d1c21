/*
** Loads inside the joint that the timber and plate checks share: the shear in the sections
** between the fastener columns of one splice half, from the equilibrium of the columns' forces
** across the grain, and the distance of the outermost column, where the member's net section
** carries the moment of the member. Forces in kN, moments in kNm, distances in cm.
*/
#include "results/splice_checks.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "foundation/format.h"
#include "printlist/printlist.h"

/* Columns lie at one x within this tolerance (cm), as the preparation run groups them. */
#define COLUMN_TOLERANCE 0.0001

double Joint_Outermost_Column_X(void)
{
    double x = 0.0;
    for (int i = 0; i < Fastener_Pattern.count; i++)
        x = std::fmax(x, std::fabs(Fastener_Pattern.recs[i].x));
    return x;
}

/* The estimate the checks took before: half of V_d and the moment's share of the outer
** fasteners, at least |V_d| (then V_d itself). */
static double Shear_Estimate(double V, double M, double k_xr)
{
    double Vs = std::fabs(V) / 2.0 + k_xr * (std::fabs(M) * 100.0) / 2.0;
    if (std::fabs(Vs) < std::fabs(V)) Vs = V;
    return Vs;
}

int Calc_Joint_Shear(int group, int entry, Joint_Shear *out)
{
    const Splice_Input_Record *si = &Splice_Input;
    const Lkom_Entry *c = Get_Lkom_Entry(group, entry);
    if (c == nullptr) return 0;
    Joint_Shear js{};
    js.V_d = c->V_d;
    js.M = c->M_distr;
    js.k_xr = si->k_xr;
    js.V_estimate = Shear_Estimate(js.V_d, js.M, js.k_xr);
    js.V = js.V_estimate;
    js.V_plate = js.V_estimate;
    js.lap = si->connection_kind == CONN_LAP;
    js.side_timbers = si->connection_kind == CONN_SIDE_TIMBERS;
    const int n = Fastener_Pattern.count;
    if (si->splice_kind != SPLICE_BENDING && js.M == 0.0) {
        *out = js;
        return 1;
    }
    js.done = 1;
    if (n <= 0) {
        *out = js;
        return 1;
    }

    /* the columns in the order of their distance from the joint */
    std::vector<double> xs;
    for (int i = 0; i < n; i++) xs.push_back(Fastener_Pattern.recs[i].x);
    std::sort(xs.begin(), xs.end());
    std::vector<double> col_x;
    for (double x : xs)
        if (col_x.empty() || x - col_x.back() > COLUMN_TOLERANCE) col_x.push_back(x);

    /* F_y of each fastener is per shear plane: a column passes it on all planes */
    std::vector<double> fy((size_t)n), F(col_x.size(), 0.0);
    Get_Fastener_Forces_All(group, entry, n, nullptr, nullptr, fy.data(), nullptr, nullptr);
    const double planes = si->shear_planes > 0 ? si->shear_planes : 1;
    for (int i = 0; i < n; i++) {
        const double x = Fastener_Pattern.recs[i].x;
        size_t k = 0;
        while (k + 1 < col_x.size() && x - col_x[k] > COLUMN_TOLERANCE) k++;
        F[k] += fy[(size_t)i] * planes;
    }
    js.columns = (int32_t)col_x.size();
    for (size_t k = 0; k < F.size() && k < PATTERN_COLUMNS_MAX; k++) js.F[k] = F[k];

    /* Behind column k the joint's side carries the sum of columns 1..k, the member's side the
    ** sum of the others (both sum to V_d). The middle member ends free at the joint and takes
    ** the joint's side, the plates end free beyond the last column and take the member's side;
    ** a lap, without a free member end at the joint, takes the larger of both. */
    double total = 0.0;
    for (double f : F) total += f;
    double before = 0.0;
    for (size_t k = 0; k + 1 < F.size(); k++) {
        before += F[k];
        const double a = std::fabs(before), b = std::fabs(total - before);
        const double timber = js.lap ? std::fmax(a, b) : a;
        if (timber > js.V_sections) {
            js.V_sections = timber;
            js.section = (int32_t)k + 1;
            js.V_joint_side = a;
            js.V_member_side = b;
        }
        if (!js.lap && b > js.V_plate_sections) {
            js.V_plate_sections = b;
            js.plate_section = (int32_t)k + 1;
        }
    }
    if (js.lap) {
        js.V_plate_sections = js.V_sections;
        js.plate_section = js.section;
    }
    if (js.V_sections > std::fabs(js.V_estimate)) js.V = js.V_sections;
    if (js.V_plate_sections > std::fabs(js.V_estimate)) js.V_plate = js.V_plate_sections;
    *out = js;
    return 1;
}

/* "Spalte a" or "Spalten a bis b". */
static void Column_Range(char *out, size_t size, int a, int b)
{
    if (a == b) Format_N(out, size, "Spalte %d", a);
    else Format_N(out, size, "Spalten %d bis %d", a, b);
}

const char *Joint_Shear_Symbol(const Joint_Shear *js, int plates)
{
    if (!js->done)
        return "V\xCE\\"
               "d\xCEr";
    if (js->lap) return "V";
    if (!plates) return "V\xCE\\Holz\xCEr";
    return js->side_timbers ? "V\xCE\\Seitenholz\xCEr" : "V\xCE\\Blech\xCEr";
}

/* "V_x = max(V_Schnitt,x; |V_d|; |V_d| / 2 + k_xr |M| / 2) = max(...) = V kN" of one part. */
static void Write_Shear_Line(FILE *file, const Joint_Shear *js, const char *symbol,
                             const char *part, double V_sections, double V)
{
    Oli_Write_Text(file,
                   "%s = max(V\xCE\\Schnitt%s\xCEr; |V\xCE\\d\xCEr|; |V\xCE\\d\xCEr| / 2 + "
                   "k\xCE\\xr\xCEr x |M\xCE\\v,d\xCEr| / 2) = max(%.2lf; %.2lf; %.2lf / 2 + "
                   "%.4lf 1/m x %.2lf kNm / 2) = %.2lf kN",
                   symbol, part, V_sections, std::fabs(js->V_d), std::fabs(js->V_d),
                   js->k_xr * 100.0, std::fabs(js->M), std::fabs(V));
}

/* What the estimate is: the program's rule, kept as the least shear of every section; neither
** a lower nor an upper bound of the sections' shear, which it exceeds or falls below. */
static void Write_Estimate_Note(FILE *file)
{
    Oli_Write_Text(file,
                   "|V\xCE\\d\xCEr| / 2 + k\xCE\\xr\xCEr |M\xCE\\v,d\xCEr| / 2 mit "
                   "k\xCE\\xr\xCEr = %s|x\xCE\\i\xCEr| / %sr\xCE\\i\xCEr\xFD: "
                   "Sch\x84tzwert des Programms (keine Regel der Norm), als Mindestwert "
                   "beibehalten",
                   SYM_SUM, SYM_SUM);
}

void Print_Joint_Shear(FILE *file, const Joint_Shear *js)
{
    if (file == nullptr || !js->done) return;
    /* the columns' forces, from the joint on, as the sums below take them */
    std::string list;
    const int shown = std::min<int>(js->columns, PATTERN_COLUMNS_MAX);
    for (int k = 0; k < shown; k++) {
        char v[32];
        Format_N(v, sizeof v, "%s%.2lf", k > 0 ? " / " : "", js->F[k]);
        list += v;
    }
    if (shown < js->columns) list += " / ...";
    if (js->columns > 0)
        Oli_Write_Text(file,
                       "Kr\x84"
                       "fte quer zur Faser je Spalte (alle Scherfugen, %s): F\xCE\\V\xCEr = %s kN",
                       js->lap ? "Spalten nach x geordnet" : "Spalte 1 am Sto\xE1", list.c_str());
    char near_cols[40], far_cols[40];
    if (js->lap) {
        if (js->section > 0) {
            const int k = js->section;
            Column_Range(near_cols, sizeof near_cols, 1, k);
            Column_Range(far_cols, sizeof far_cols, k + 1, js->columns);
            Oli_Write_Text(file,
                           "gr\x94\xE1te Querkraft zwischen Spalte %d und %d (Laschensto\xE1, "
                           "kein freies Holzende am Sto\xE1: gr\x94\xE1"
                           "ere Seite): max(|%sF\xCE\\V\xCEr %s| = %.2lf; |%sF\xCE\\V\xCEr %s| "
                           "= %.2lf) = %.2lf kN",
                           k, k + 1, SYM_SUM, near_cols, js->V_joint_side, SYM_SUM, far_cols,
                           js->V_member_side, js->V_sections);
        }
        Write_Shear_Line(file, js, "V", "", js->V_sections, js->V);
        Oli_Write_Text(file, "V\xCE\\Schnitt\xCEr: Gleichgewicht der H\x84lften in den Schnitten "
                             "zwischen den Spalten, ohne freies Holzende am Sto\xE1 die gr\x94\xE1"
                             "ere der beiden Seiten");
        Write_Estimate_Note(file);
        return;
    }
    const char *member = js->side_timbers ? "Mittelholz" : "Holz";
    const char *plates = js->side_timbers ? "der Seitenh\x94lzer" : "der Bleche";
    const char *plate_end =
        js->side_timbers ? "Seite zum Ende der Seitenh\x94lzer" : "Seite zum Blechende";
    if (js->section > 0) {
        const int k = js->section;
        Column_Range(near_cols, sizeof near_cols, 1, k);
        Oli_Write_Text(file,
                       "gr\x94\xE1te Querkraft im %s (Sto\xE1seite der Schnitte, freies "
                       "Holzende am Sto\xE1): zwischen Spalte %d und %d |%sF\xCE\\V\xCEr %s| = "
                       "%.2lf kN",
                       member, k, k + 1, SYM_SUM, near_cols, js->V_sections);
    }
    if (js->plate_section > 0) {
        const int k = js->plate_section;
        Column_Range(far_cols, sizeof far_cols, k + 1, js->columns);
        Oli_Write_Text(file,
                       "gr\x94\xE1te Querkraft %s (%s): zwischen Spalte %d und %d "
                       "|%sF\xCE\\V\xCEr %s| = %.2lf kN",
                       plates, plate_end, k, k + 1, SYM_SUM, far_cols, js->V_plate_sections);
    }
    Write_Shear_Line(file, js, Joint_Shear_Symbol(js, 0), ",Holz", js->V_sections, js->V);
    Write_Shear_Line(file, js, Joint_Shear_Symbol(js, 1),
                     js->side_timbers ? ",Seitenholz" : ",Blech", js->V_plate_sections,
                     js->V_plate);
    Oli_Write_Text(file,
                   "V\xCE\\Schnitt,Holz\xCEr: das %s endet am Sto\xE1 frei und tr\x84gt die "
                   "Spalten zwischen Schnitt und Sto\xE1 (%sF\xCE\\V\xCEr aller Spalten = "
                   "V\xCE\\d\xCEr)",
                   member, SYM_SUM);
    Oli_Write_Text(file,
                   "V\xCE\\Schnitt,%s\xCEr: %s enden hinter der letzten Spalte frei und tragen "
                   "die Spalten zwischen Schnitt und ihrem Ende",
                   js->side_timbers ? "Seitenholz" : "Blech",
                   js->side_timbers ? "die Seitenh\x94lzer" : "die Bleche");
    Write_Estimate_Note(file);
}
