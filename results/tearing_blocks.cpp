/*
** The rows of the designed half and the fixed set of blocks that its fasteners may tear out of
** the member (EN 1995-1-1, Annex A) and out of the plates (EN 1993-1-8, 3.10.2), with what each
** block's own fasteners pull towards the end, and the print-list lines that name them.
** Forces in kN per shear plane, y in cm.
*/
#include "results/splice_checks.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "printlist/printlist.h"

/* ---------------------------------------------------------------- rows and forces */

int Calc_Tearing_Rows(int group, int entry, Tearing_Rows *out)
{
    *out = Tearing_Rows{};
    const int n = Fastener_Pattern.count;
    if (Get_Lkom_Entry(group, entry) == nullptr || n <= 0) return 0;
    std::vector<double> fx((size_t)n);
    Get_Fastener_Forces_All(group, entry, n, nullptr, fx.data(), nullptr, nullptr, nullptr);
    const bool sides = Vbm_Driven_Alternately(n) != 0;
    /* the rows, each row's pulling components summed in the order of the pattern, of all
    ** fasteners and of each side's */
    std::vector<double> row_y, row_F, row_side[2];
    for (int i = 0; i < n; i++) {
        const double y = Fastener_Pattern.recs[i].y;
        size_t k = 0;
        while (k < row_y.size() && std::fabs(row_y[k] - y) > 1e-4) k++;
        if (k == row_y.size()) {
            row_y.push_back(y);
            row_F.push_back(0.0);
            row_side[0].push_back(0.0);
            row_side[1].push_back(0.0);
        }
        if (!(fx[(size_t)i] > 0.0)) continue;
        row_F[k] += fx[(size_t)i];
        if (sides) row_side[Vbm_Driven_Side(i)][k] += fx[(size_t)i];
    }
    std::vector<size_t> order(row_y.size());
    for (size_t k = 0; k < order.size(); k++) order[k] = k;
    std::sort(order.begin(), order.end(), [&](size_t a, size_t b) { return row_y[a] > row_y[b]; });
    out->sides = sides ? 2 : 1;
    out->side = -1;
    for (size_t k : order) {
        if (out->rows >= PATTERN_COLUMNS_MAX) break;
        out->y[out->rows] = row_y[k];
        out->F[out->rows] = row_F[k];
        out->F_side[0][out->rows] = row_side[0][k];
        out->F_side[1][out->rows] = row_side[1][k];
        out->rows++;
    }
    return out->rows > 0 ? 1 : 0;
}

void Tearing_Rows_Of_Side(Tearing_Rows *r, int k)
{
    if (r->sides != 2 || k < 0 || k > 1) return;
    for (int i = 0; i < r->rows; i++) r->F[i] = r->F_side[k][i];
    r->side = k;
}

double Tearing_Block_Force(const Tearing_Rows *r, const Tearing_Block *b, double *k_e)
{
    double F = 0.0, moment = 0.0;
    const double y_mid = (r->y[b->first] + r->y[b->last]) / 2.0;
    const double half = (r->y[b->first] - r->y[b->last]) / 2.0;
    for (int i = b->first; i <= b->last; i++) {
        F += r->F[i];
        moment += r->F[i] * (r->y[i] - y_mid);
    }
    if (k_e != nullptr)
        *k_e = F > 0.0 && half > 0.0 ? std::fmin(1.0, std::fabs(moment) / F / half) : 0.0;
    return F;
}

double Tearing_Holes_On(double a, double b, const std::vector<double> &pos, double w)
{
    if (!(w > 0.0)) return 0.0;
    double covered = 0.0;
    for (double p : pos)
        covered += std::fmax(0.0, std::fmin(b, p + w / 2.0) - std::fmax(a, p - w / 2.0));
    return covered / w;
}

/* ---------------------------------------------------------------- print lines */

/* The rows of block b as the print names them, counted from the top from 1. */
static std::string Block_Name(const Tearing_Block *b)
{
    char rows[64], text[128];
    if (b->first == b->last) snprintf(rows, sizeof rows, "Reihe %d", b->first + 1);
    else snprintf(rows, sizeof rows, "Reihen %d bis %d", b->first + 1, b->last + 1);
    if (b->edge == BLOCK_TO_UPPER_EDGE)
        snprintf(text, sizeof text, "%s bis zum oberen Blechrand", rows);
    else if (b->edge == BLOCK_TO_LOWER_EDGE)
        snprintf(text, sizeof text, "%s bis zum unteren Blechrand", rows);
    else snprintf(text, sizeof text, "%s", rows);
    return text;
}

void Write_Tearing_Set(FILE *file, const Tearing_Rows *r, int plates,
                       const Tearing_Block *governing)
{
    const int rows = r->rows;
    int count = 0;
    For_Each_Tearing_Block(rows, plates, [&](const Tearing_Block &) { count++; });
    char tried[80];
    if (rows <= 1) snprintf(tried, sizeof tried, "die Reihe selbst");
    else if (rows == 2) snprintf(tried, sizeof tried, "der Block der beiden Reihen");
    else
        snprintf(tried, sizeof tried,
                 "alle Bl\x94"
                 "cke aus 2 bis %d benachbarten Reihen",
                 rows);
    /* alternately driven: a side's plate and the timber beside it hold its own fasteners */
    const bool sides = r->sides == 2;
    Oli_Write_Text(file,
                   "Untersuchte Bl\x94"
                   "cke (Reihen von oben gez\x84hlt): %s%s (%d %s), jeder mit der Kraft seiner "
                   "Verbindungsmittel",
                   tried,
                   !plates     ? ""
                   : rows <= 1 ? " und von ihr bis zum oberen und zum unteren Blechrand"
                               : " und von jeder Reihe bis zum oberen und zum unteren Blechrand",
                   count,
                   count == 1 ? "Block"
                              : "Bl\x94"
                                "cke");
    /* the net lengths leave out the holes of both sides' fasteners: on the safe side */
    if (sides)
        Oli_Write_Text(file,
                       "Wechselseitig eingeschlagen: jeder Block je Seite nur mit den "
                       "Verbindungsmitteln dieser Seite (%s), die Nettol\x84ngen ohne die "
                       "L\x94"
                       "cher beider Seiten (auf der sicheren Seite)",
                       plates ? "im Blech der Seite" : "im Holz neben dem Blech der Seite");
    if (sides && r->side >= 0)
        Oli_Write_Text(file, "Ma\xE1gebend (gr\x94\xE1te Ausnutzung): %s, %s",
                       Block_Name(governing).c_str(), Vbm_Side_Name(r->side, 0));
    else
        Oli_Write_Text(file, "Ma\xE1gebend (gr\x94\xE1te Ausnutzung): %s",
                       Block_Name(governing).c_str());
}

void Write_Tearing_Force(FILE *file, const Tearing_Rows *r, const Tearing_Block *b, int planes,
                         double F_Ed, double N_d, const char *towards)
{
    char head[200], tail[96], whose[48] = "";
    if (r->side >= 0) snprintf(whose, sizeof whose, " %s", Vbm_Side_Name_Of(r->side));
    snprintf(head, sizeof head,
             "Kraft der Verbindungsmittel%s des Blocks in Faserrichtung zum %s (je Reihe von oben, "
             "je Scherfuge; dr\x81"
             "ckende z\x84hlen nicht):",
             whose, towards);
    const double F = Tearing_Block_Force(r, b, nullptr);
    snprintf(tail, sizeof tail, ") x %d = %.2lf x %d = %.2lf kN (N\xCE\\d\xCEr = %.2lf kN)", planes,
             F, planes, F_Ed, N_d);
    /* however many rows: a line longer than the print list's goes on on its next line */
    std::string line = std::string(head) + " F\xCE\\Ed\xCEr = (";
    for (int i = b->first; i <= b->last; i++) {
        char v[32];
        snprintf(v, sizeof v, "%s%.2lf", i > b->first ? " + " : "", r->F[i]);
        line += v;
    }
    line += tail;
    Oli_Write_Text(file, "%s", line.c_str());
}
