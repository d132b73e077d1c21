/*
** Combination table of the print list: load combinations named from their load cases and
** factors (a factor with a raised point before its case or its bracketed group of cases:
** 1.35.(Lf1+Lf2)+1.5.Lf3), listed with their designation and design situation.
*/
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "platform/zelkwin.h"
#include "printlist/oli_internal.h"
#include "printlist/oli_table.h"
#include "printlist/oli_table_internal.h"

enum { COMBINATION_NAME_SIZE = 76 }; /* 75 characters */

static std::vector<std::string> combination_names;

int Oli_Combination_Set_Create(int32_t n_cases, int32_t n_combinations, Oli_Combination_Set *set)
{
    if (set == nullptr || n_cases < 0 || n_combinations < 0) return 0;
    memset(set, 0, sizeof *set);
    set->n_cases = n_cases;
    set->n_combinations = n_combinations;
    set->case_numbers = (int32_t *)calloc((size_t)(n_cases > 0 ? n_cases : 1), sizeof(int32_t));
    set->factors_1 =
        (double **)calloc((size_t)(n_combinations > 0 ? n_combinations : 1), sizeof(double *));
    set->factors_2 =
        (double **)calloc((size_t)(n_combinations > 0 ? n_combinations : 1), sizeof(double *));
    if (!set->case_numbers || !set->factors_1 || !set->factors_2) {
        Oli_Combination_Set_Free(set);
        return 0;
    }
    for (int32_t i = 0; i < n_cases; i++) set->case_numbers[i] = i + 1;
    for (int32_t k = 0; k < n_combinations; k++) {
        set->factors_1[k] = (double *)malloc((size_t)(n_cases > 0 ? n_cases : 1) * sizeof(double));
        set->factors_2[k] = (double *)malloc((size_t)(n_cases > 0 ? n_cases : 1) * sizeof(double));
        if (!set->factors_1[k] || !set->factors_2[k]) {
            Oli_Combination_Set_Free(set);
            return 0;
        }
        for (int32_t i = 0; i < n_cases; i++) set->factors_1[k][i] = set->factors_2[k][i] = 1.0;
    }
    return 1;
}

void Oli_Combination_Set_Free(Oli_Combination_Set *set)
{
    if (set == nullptr) return;
    for (int32_t k = 0; k < set->n_combinations; k++) {
        if (set->factors_1) free(set->factors_1[k]);
        if (set->factors_2) free(set->factors_2[k]);
    }
    free(set->factors_1);
    free(set->factors_2);
    free(set->case_numbers);
    set->factors_1 = set->factors_2 = nullptr;
    set->case_numbers = nullptr;
    set->n_cases = set->n_combinations = 0;
}

/* A factor with a raised multiplication point; nothing for 1.0. */
static std::string factor_text(double f)
{
    if (f == 1.0) return "";
    char b[80];
    formatNumber(f, 0x372, 20, 5, 2, b);
    const char *p = b;
    while (*p == ' ') p++;
    return std::string(p) + "\xCE/.\xCEr";
}

static std::string case_text(const Oli_Combination_Set *s, int32_t i)
{
    const char *name = s->name_fn ? s->name_fn(s->case_numbers[i]) : nullptr;
    char b[80];
    if (name) snprintf(b, sizeof b, "%s+", name);
    else snprintf(b, sizeof b, "Lf%d+", (int)s->case_numbers[i]);
    return b;
}

/* Name of combination k: the cases with non-zero factors, grouped by their pair of factors. */
static std::string combination_name(const Oli_Combination_Set *s, int32_t k)
{
    std::string name;
    std::vector<int> done((size_t)s->n_cases, 0);
    for (int32_t i = 0; i < s->n_cases; i++) {
        double f1 = s->factors_1[k][i], f2 = s->factors_2[k][i];
        if (done[(size_t)i] || f1 == 0.0 || f2 == 0.0) continue;
        std::vector<int32_t> group;
        for (int32_t j = i; j < s->n_cases; j++)
            if (!done[(size_t)j] && s->factors_1[k][j] == f1 && s->factors_2[k][j] == f2) {
                group.push_back(j);
                done[(size_t)j] = 1;
            }
        std::string factors = factor_text(f1) + factor_text(f2);
        std::string cases;
        for (int32_t j : group) cases += case_text(s, j);
        if (!factors.empty() && group.size() > 1) {
            cases.pop_back();
            name += factors + "(" + cases + ")+";
        } else {
            name += factors + cases;
        }
    }
    if (!name.empty() && name.back() == '+') name.pop_back();
    if (name.size() > COMBINATION_NAME_SIZE - 1) name.resize(COMBINATION_NAME_SIZE - 1);
    return name;
}

const char *Oli_Combination_Name(int32_t i)
{
    if (i < 0 || (size_t)i >= combination_names.size()) return "???";
    return combination_names[(size_t)i].c_str();
}

void Oli_Combination_Table(FILE *file, const Oli_Combination_Set *s)
{
    combination_names.clear();
    if (s == nullptr || s->factors_1 == nullptr || s->factors_2 == nullptr) return;
    int32_t n = s->n_combinations;
    for (int32_t k = 0; k < n; k++) combination_names.push_back(combination_name(s, k));
    if (file == nullptr || n <= 0) return;
    std::vector<char> labels((size_t)n * 32, 0), situations((size_t)n * 32, 0);
    std::vector<char> names((size_t)n * COMBINATION_NAME_SIZE, 0);
    for (int32_t k = 0; k < n; k++) {
        if (s->labels) Oli_Copy(&labels[(size_t)k * 32], s->labels[k], 32);
        if (s->situations) Oli_Copy(&situations[(size_t)k * 32], s->situations[k], 32);
        Oli_Copy(&names[(size_t)k * COMBINATION_NAME_SIZE], combination_names[(size_t)k].c_str(),
                 COMBINATION_NAME_SIZE);
    }
    int32_t keep = Oli_Table_Columns_Allocated();
    Oli_Table_Column *c = nullptr;
    Oli_Alloc_Table_Columns(4, &c);
    strcpy(c[0].title, "LK");
    strcpy(c[1].title, "-Bezeichnung");
    strcpy(c[2].title, "-Bemessungssit.");
    strcpy(c[3].title, "-Faktorisierung");
    for (int i = 1; i < 4; i++) strcpy(c[i].unit, "TXT");
    c[1].values = labels.data();
    c[1].width = 32;
    c[1].decimals = 20;
    c[2].values = situations.data();
    c[2].width = 32;
    c[2].decimals = 16;
    c[3].values = names.data();
    c[3].width = COMBINATION_NAME_SIZE;
    int32_t widest = 2;
    for (const std::string &nm : combination_names)
        widest = std::max(widest, Oli_Visible_Length(nm.c_str()) + 1);
    c[3].decimals = widest;
    Oli_Table_Report_Error(file, OliTabelle(/*file=*/file, /*ncols=*/4, /*nrows=*/n, /*columns=*/c,
                                            /*row_mask=*/nullptr, /*row_rules=*/nullptr,
                                            /*highlight=*/0, /*flags=*/0, /*title_counts=*/nullptr,
                                            /*title_texts=*/nullptr, /*extra_count=*/0,
                                            /*extra_texts=*/nullptr));
    free(c);
    Oli_Table_Set_Columns_Allocated(keep);
}
