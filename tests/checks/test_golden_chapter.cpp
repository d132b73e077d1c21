/*
** Golden-file test of the design-check chapter of a print list: a timber check with options,
** an extremal rule grouped by kmod, a load collective and a remark, bookmarks on.
*/
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>

#include "checks/checks.h"
#include "nad/nad.h"

namespace {

std::string Read_All(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

} // namespace

TEST(GoldenChapter, TimberCheckWithRuleAndCollective)
{
    Free_All_Nachweise();
    Reset_Nchw_Settings();
    Reset_Beiwert_Tables();
    const std::string annex = Get_Active_NAD_Name() ? Get_Active_NAD_Name() : "";
    Set_Active_NAD("Deutschland");
    Nchw_Einw_Table_Init(2);
    Nchw_Einw_Table_Add(1, "Eigengewicht", 1, 0, 0, 0, 0);
    Nchw_Einw_Table_Add(2, "Schnee", 2, 6, 0, 3, 0);
    Nchw_Lf_Table_Init(2);
    Nchw_Lf_Table_Add(1, "g", 0, 0);
    Nchw_Lf_Table_Add(2, "s", 1, 0);
    Nchw_Type_Rec t{};
    t.ints0_3[0] = 121;
    t.ints0_3[2] = 1;  /* extremal rules in compute mode 0 */
    t.ints4_10[1] = 1; /* ultimate limit state */
    t.ints4_10[5] = 2; /* Eurocode rows: the refresh rebuilds the standard rule */
    t.ints4_10[6] = 1;
    snprintf(t.name, sizeof t.name, "%-50.50s", "Holz: Tragf\x84higkeit");
    snprintf(t.description, sizeof t.description, "DIN 1052");
    t.option_count = 2;
    t.options[0] = {1, 1, 0, 0, 1, 0, 0, 30, 0, "Querschnitt"};
    t.options[1] = {2, 3, 0, 4096, 0, 0, 0, 30, 19, "Hinweis"};
    Nchw_Rec *c = New_Nachweis();
    c->number = 4;
    c->flags = 1;
    c->type = &t;
    snprintf(c->name, sizeof c->name, "Pfetten");
    c->option_values[0] = 1;
    c->comment = strdup("Bemerkung");
    Xtr_Rule_Rec *x = New_Xtr_Rule(c);
    c->xtr_count = 1;
    x->number = 1;
    x->mode = 1;
    x->comb_rule[0] = 2;
    snprintf(x->name, sizeof x->name, "Standard");
    x->rows = (Xtr_Row *)calloc(2, sizeof(Xtr_Row));
    x->rows[0] = {1, 1.0, 1.0, 1.35, 1.0};
    x->rows[1] = {2, 1.0, 0.5, 1.5, 0.0};
    x->row_count = 2;
    Lkom_Rec *l = New_Lkom(c);
    c->lkom_count = 1;
    l->number = 1;
    l->comb_rule = 2;
    snprintf(l->name, sizeof l->name, "LK 1");
    l->rows = (Lkom_Row *)calloc(2, sizeof(Lkom_Row));
    l->rows[0] = {1, 1, 1.0, 1.35, 1.35};
    l->rows[1] = {2, 1, 1.0, 1.5, 1.5};
    l->row_count = 2;
    Set_Nchw_Print_Switches(1, 1, 0);
    Set_Nchw_Print_Program(1, "8.");
    FILE *f = fopen("chapter.oli", "wb");
    ASSERT_NE(f, nullptr);
    Write_Nachweise_Print_List(f);
    fclose(f);
    const std::string got = Read_All("chapter.oli");
    const std::string want = Read_All(std::string(SPLICE_GOLDEN_DIR) + "/checks/chapter.oli");
    EXPECT_EQ(got, want);
    Set_Nchw_Print_Switches(0, 0, 0);
    Set_Nchw_Print_Program(0, nullptr);
    Free_All_Nachweise();
    Nchw_Lf_Table_Init(0);
    Nchw_Einw_Table_Init(0);
    Set_Active_NAD(annex.c_str());
}
