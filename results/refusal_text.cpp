/*
** The texts of a refused layout's distances: each distance, thickness or length that the
** preparation noted (Fastener_Pattern.refusal and the further ones beside it) with its value, how
** it arises and what the rules ask of it, and the parts of a refusal that names several. Lengths
** in cm, a member's thickness and a fastener's length in mm.
*/
#include "results/splice_checks.h"
#include "results/splice_calc.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "design/design.h"
#include "foundation/foundation.h"

/*
** A refusal's value and its least (or largest, most) value, each as its unit writes it: cm with
** two decimals, mm as Mm_Of. A least value that would read below what the rule asks (or a largest
** one above it) keeps the decimals that say it, up to three in mm and four in cm: "3.75 x 15 =
** 56.25 mm", never 56.2, which a user would take for enough. Where the two would read alike
** although they differ, both are written with as many decimals as it takes to tell them apart, up
** to six (the layout's tolerance is 1e-6 cm): "a2 = 7.996 < 8.000 cm", never "8.00 < 8.00".
*/
static void Two_Apart(double value, double required, bool mm, bool most, char *v, char *r,
                      size_t size)
{
    if (mm) {
        snprintf(v, size, "%s", Mm_Of(value).t);
        snprintf(r, size, "%s", Mm_Of(required).t);
    } else {
        snprintf(v, size, "%.2f", value);
        snprintf(r, size, "%.2f", required);
    }
    const double read = strtod(r, nullptr);
    if (most ? read > required + 1e-9 : read < required - 1e-9)
        snprintf(r, size, "%s", Mm_Digits(required, mm ? 3 : 4).t);
    if (value == required || strcmp(v, r) != 0) return;
    char wv[32], wr[32];
    for (int decimals = mm ? 2 : 3; decimals <= 6; decimals++) {
        snprintf(wv, sizeof wv, "%.*f", decimals, value);
        snprintf(wr, sizeof wr, "%.*f", decimals, required);
        if (strcmp(wv, wr) != 0) {
            snprintf(v, size, "%s", wv);
            snprintf(r, size, "%s", wr);
            return;
        }
    }
}

std::string Splice_Error_Text(const char *why, int code)
{
    std::string text(why);
    const std::string rings = "gem. 8.9 (2)";
    const size_t at = text.find(rings);
    if ((code == DERR_CONNECTOR_SIDE_2_25HE || code == DERR_CONNECTOR_MIDDLE_3_75HE)
        && Is_Vbm_Toothed_Plate(Splice_Input.vbm_type) && at != std::string::npos)
        text.replace(at, rings.size(), "gem. 8.10 (3)");
    return text;
}

/*
** The text of one distance, thickness or length r that a refused splice does not keep: the reason
** (the text of its code) with the value, how it arises and what the rules ask of it.
*/
std::string Refusal_Distance_Text(const Spacing_Refusal *r)
{
    const char *why = Get_Error_Text(r->code);
    std::string head(why ? Splice_Error_Text(why, r->code) : "");
    while (!head.empty() && head.back() == ' ') head.pop_back();
    /* the user's a1 or a2 too wide is no matter of the length or height the code's text names
    ** beside it: the value itself, which no member spreads (no "of") */
    const size_t beside = std::min(head.find(','), head.find(" ("));
    if (r->most && r->of[0] == '\0' && beside != std::string::npos) head.erase(beside);
    /* the least thickness of nails and screws names the fastener the splice has */
    const std::string nail = "Nageldurchmesser";
    const size_t at = head.find(nail);
    if (at != std::string::npos && Is_Vbm_Screw(Splice_Input.vbm_type))
        head.replace(at, nail.size(), "Schraubendurchmesser");
    /* a member's thickness or a fastener's length in mm, a distance or length in cm */
    char v[32], q[32], value[40], required[40];
    Two_Apart(r->value, r->required, r->mm != 0, r->most != 0, v, q, sizeof v);
    const char *unit = r->mm ? "mm" : "cm";
    snprintf(value, sizeof value, "%s %s", v, unit);
    snprintf(required, sizeof required, "%s %s", q, unit);
    char kept[240], least[200], text[640];
    /* an edge distance beside the rows names the member whose height leaves it */
    std::string name(r->name);
    if (r->where[0]) name += std::string(" ") + r->where;
    /* the part whose thickness it is, where the code's text names another member */
    if (r->part[0]) name = std::string(r->part) + ": " + name;
    if (r->rows > 1)
        snprintf(kept, sizeof kept, "%s = (%.2f - %d x %.2f) / 2 = %s", name.c_str(), r->height,
                 r->rows - 1, r->pitch, value);
    else if (r->rows == 1)
        snprintf(kept, sizeof kept, "%s = %.2f / 2 = %s", name.c_str(), r->height, value);
    else if (r->of[0]) snprintf(kept, sizeof kept, "%s = %s = %s", name.c_str(), r->of, value);
    else snprintf(kept, sizeof kept, "%s = %s", name.c_str(), value);
    std::string rule;
    if (strcmp(r->rule, r->name) != 0) rule = std::string(r->rule) + " = ";
    if (r->how[0]) rule += std::string(r->how) + " = ";
    snprintf(least, sizeof least, "%s%s", rule.c_str(), required);
    /* the rows' pitch is the a2 of the member that asks the larger one */
    if (r->rows > 1 && r->a2_of[0]) {
        const size_t used = strlen(least);
        snprintf(least + used, sizeof least - used, " bei a2 = %.2f cm %s", r->pitch, r->a2_of);
    }
    /* or the user's a2 */
    if (r->rows > 1 && r->a2_given > 0.0 && !r->a4_given) {
        const size_t used = strlen(least);
        snprintf(least + used, sizeof least - used, " bei vorgegebenem a2 = %.2f cm", r->a2_given);
    }
    if (r->rows > 1 && r->a2_given > 0.0 && r->a4_given) {
        /* the user's a2 and a4 together do not fit the height: both, and what they ask of it
        ** (a staggered layout's rows stand half its a2 apart), headed by that, not by an edge
        ** distance below its least value (the user's a4 keeps it), and the way out */
        const bool half = r->pitch != r->a2_given;
        snprintf(text, sizeof text,
                 "Vorgegebene a2 und a4 passen nicht in die Höhe: (n_r - 1) a2%s + 2 a4 = %d x "
                 "%.2f%s + 2 x %.2f = %.2f cm > Höhe %.2f cm%s%s (kleineres a2 oder a4 vorgeben "
                 "oder höheres Holz wählen)"_cp850,
                 half ? " / 2" : "", r->rows - 1, r->a2_given, half ? " / 2" : "", r->required,
                 (r->rows - 1) * r->pitch + 2.0 * r->required, r->height, r->where[0] ? " " : "",
                 r->where);
        return text;
    }
    if (r->beyond)
        snprintf(text, sizeof text, "%s: %s, erforderlich %s > %s", head.c_str(), kept, r->name,
                 least);
    else if (r->most)
        snprintf(text, sizeof text, "%s: %s > höchstens %s"_cp850, head.c_str(), kept, least);
    else snprintf(text, sizeof text, "%s: %s < erforderlich %s", head.c_str(), kept, least);
    if (r->remedy[0]) {
        const size_t used = strlen(text);
        snprintf(text + used, sizeof text - used, " (%s)", r->remedy);
    }
    return text;
}

std::vector<std::string> Get_Refusal_Parts(int code)
{
    const std::string text = Get_Refusal_Text(code);
    const Fastener_Pattern_Rec *fp = &Fastener_Pattern;
    std::vector<std::string> more;
    std::string tail;
    const int also = std::min((int)fp->refusal_also_count, REFUSAL_ALSO_MAX);
    for (int k = 0; fp->refusal.code == code && k < also; k++) {
        more.push_back(Refusal_Distance_Text(&fp->refusal_also[k]));
        tail += "; " + more.back();
    }
    if (more.empty() || text.size() <= tail.size()
        || text.compare(text.size() - tail.size(), tail.size(), tail) != 0)
        return {text};
    std::vector<std::string> parts{text.substr(0, text.size() - tail.size())};
    parts.insert(parts.end(), more.begin(), more.end());
    return parts;
}
