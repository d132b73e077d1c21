/*
** Fuzz target: a whole national-annex file (frame, name and every section) read into a record.
** What the reader says it could not read whole must hold: a part not read whole (or missing)
** keeps its block as it was before the reading, and the line it names lies in the file. A part
** read whole holds plain decimal numbers only, its factors within what the standard allows and
** its whole numbers within their ranges (a switch of #EC5 is 0 or 1).
*/
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>

#include "fuzz/fuzz_support.h"
#include "nad/nad.h"

/* 1 when the block of part `part` equals the block of the untouched record. */
static int Block_Kept(const char *part, const NAD_Record *a, const NAD_Record *b)
{
    if (strcmp(part, "#EC0") == 0) return Compare_NAD_EC0_Params(&a->ec0, &b->ec0) == 0;
    if (strcmp(part, "#EC2") == 0) return Compare_NAD_EC2_Params(&a->ec2, &b->ec2) == 0;
    if (strcmp(part, "#EC3") == 0) return Compare_NAD_EC3_Params(&a->ec3, &b->ec3) == 0;
    if (strcmp(part, "#EC5") == 0)
        return a->ec5.version == b->ec5.version && Compare_NAD_EC5_Params(&a->ec5, &b->ec5) == 0;
    if (strcmp(part, "#EC6") == 0) return Equal_NAD_EC6_Params(&a->ec6, &b->ec6);
    if (strcmp(part, "#EC9") == 0) return Equal_NAD_EC9_Params(&a->ec9, &b->ec9);
    return strcmp(part, "Kopf") == 0 && a->flag_index == b->flag_index && a->variant == b->variant;
}

/* 1 when part `part` is among the damaged parts. */
static bool Damaged(const NAD_File_Damage &d, const char *part)
{
    for (int i = 0; i < d.count; i++)
        if (strcmp(d.parts[i].part, part) == 0) return true;
    return false;
}

/* A part read whole holds no number that is not a plain decimal one: every word of its lines
** (behind its one keyword line, up to the next line beginning with '#') that strtod takes whole
** ("0x10", "0x1p+0", "1e3", "nan", "inf") is one. The sections read straight on, without headers
** or words among their values: #EC0, #EC5, #EC6, #EC9. */
static bool Only_Plain_Numbers(const std::string &text, const char *key)
{
    std::string lines;
    int keys = 0;
    bool in = false;
    for (size_t at = 0; at < text.size();) {
        size_t nl = text.find('\n', at);
        if (nl == std::string::npos) nl = text.size();
        const std::string line = text.substr(at, nl - at);
        at = nl + 1;
        if (line.compare(0, strlen(key), key) == 0) {
            keys++;
            in = true;
            continue;
        }
        if (!line.empty() && line[0] == '#') in = false;
        else if (in) lines += line + "\n";
    }
    if (keys != 1) return true;
    for (size_t at = 0; at < lines.size();) {
        const size_t from = lines.find_first_not_of(" \t\r\n\v\f", at);
        if (from == std::string::npos) break;
        size_t to = lines.find_first_of(" \t\r\n\v\f", from);
        if (to == std::string::npos) to = lines.size();
        const std::string word = lines.substr(from, to - from);
        at = to;
        char *end = nullptr;
        (void)strtod(word.c_str(), &end);
        bool plain = word.size() > (word[0] == '+' || word[0] == '-');
        for (size_t i = word[0] == '+' || word[0] == '-', dots = 0; i < word.size() && plain; i++)
            plain = (word[i] >= '0' && word[i] <= '9') || (word[i] == '.' && ++dots == 1);
        if (end && *end == '\0' && end != word.c_str() && !plain) return false;
    }
    return true;
}

static bool Within(double x, double lo, double hi) { return x >= lo && x <= hi; }

/* The factors of the parts read whole lie within what the standard allows: gamma_M of timber,
** connections and steel at least 1.0 (EN 1990, 6.3.5), k_mod above 0 and at most 1.1 (EN
** 1995-1-1, Table 3.1), psi of buildings within 0 .. 1 (EN 1990, A1.2.2). */
static bool Factors_Allowed(const NAD_Record *r, const NAD_File_Damage &d)
{
    if (!Damaged(d, "#EC5")) {
        const NAD_EC5_Params &b = r->ec5;
        const double g[] = {b.gamma_m_lvl,         b.gamma_m_particleboard, b.gamma_m_hardboard,
                            b.gamma_m_mediumboard, b.gamma_m_mdf,           b.gamma_m_softboard,
                            b.gamma_m_connections, b.gamma_m_nailplates,    b.gamma_m_steel,
                            b.gamma_m_gypsum,      b.gamma_m_solid,         b.gamma_m_glulam,
                            b.gamma_m_accidental,  b.gamma_m_fire,          b.gamma_m_clt};
        for (double x : g)
            if (!Within(x, 1.0, 5.0)) return false;
        for (double k : b.kmod)
            if (!(k > 0.0 && k <= 1.1)) return false;
    }
    if (!Damaged(d, "#EC0"))
        for (const auto &row : r->ec0.psi_bld)
            for (double psi : row)
                if (!Within(psi, 0.0, 1.0)) return false;
    if (!Damaged(d, "#EC5")) {
        const NAD_EC5_Params &b = r->ec5;
        for (int32_t x : {b.use_table_na1, b.use_na11, b.use_table_na4, b.use_table_na15,
                          b.threaded_rods_na, b.ltb_na, b.simplified_fasteners_na, b.kmod_mean_rule,
                          b.aux_switch, b.k_cr_rule, b.net_deflection_rule, b.na20_reduction,
                          b.na21_sill_increase, b.na816_tension_reduction, b.na7_hole_plus_1mm})
            if (x != 0 && x != 1) return false;
    }
    if (!Damaged(d, "Kopf")
        && (r->flag_index < 0 || r->flag_index > 99 || r->variant < 0 || r->variant > 1))
        return false;
    if (!Damaged(d, "#EC3")) {
        const NAD_EC3_1_Params &s = r->ec3.ec3_1;
        for (double x :
             {s.gamma_m0, s.gamma_m1, s.gamma_m2, s.gamma_m0_acc, s.gamma_m1_acc, s.gamma_m2_acc})
            if (!Within(x, 1.0, 5.0)) return false;
    }
    return true;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static NAD_Record *rec = static_cast<NAD_Record *>(calloc(1, sizeof(NAD_Record)));
    static NAD_Record *fresh = static_cast<NAD_Record *>(calloc(1, sizeof(NAD_Record)));
    Reset_NAD_Record(rec);
    Reset_NAD_Record(fresh);
    FILE *f = fz::Stream(data, size);
    NAD_File_Damage d;
    const int read = Parse_NAD_File_Checked(f, rec, &d);
    fclose(f);
    if (strnlen(rec->name, sizeof rec->name) >= sizeof rec->name) abort();
    const int lines = 1 + (int)std::count(data, data + size, '\n');
    if (!read && d.count != 0) abort();
    if (d.count < 0 || d.count > NAD_DAMAGE_PARTS) abort();
    for (int i = 0; i < d.count; i++) {
        const bool missing = d.parts[i].kind == NAD_DAMAGE_MISSING;
        if (missing ? d.parts[i].line != 0 : d.parts[i].line < 1 || d.parts[i].line > lines)
            abort();
        if (!Block_Kept(d.parts[i].part, rec, fresh)) abort();
    }
    if (read) {
        const std::string text(reinterpret_cast<const char *>(data), size);
        for (const char *key : {"#EC0", "#EC5", "#EC6", "#EC9"})
            if (!Damaged(d, key) && !Only_Plain_Numbers(text, key)) abort();
        if (!Factors_Allowed(rec, d)) abort();
    }
    FILE *out = fopen("/dev/null", "wb");
    Write_NAD_File(out, rec);
    fclose(out);
    fz::Done();
    return 0;
}
