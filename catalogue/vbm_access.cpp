/*
** Access to the fastener catalogues by type code and row: row counts, diameters, named row
** values, lengths, lookups by diameter and length, and the selection lists of diameters and
** lengths. Rows and positions count from 0; an index outside the table answers 0.
*/
#include <cmath>
#include <cstddef>
#include <cstdio>
#include <cstring>

#include "catalogue/mat_lists.h"
#include "catalogue/vbm_catalogue.h"

/* The row of a nail or screw code, or null outside the table. */
static const Vbm_Catalogue_Row *Screw_Row(Vbm_Type_Code code, int32_t row)
{
    const Vbm_Catalogue *c = Get_Vbm_Catalogue(code);
    if (!c || row < 0 || row >= c->n_rows || row >= VBM_CAT_MAX_ROWS) return nullptr;
    return &c->rows[row];
}

static const Connector_Row *Conn_Row(Vbm_Type_Code code, int32_t row)
{
    const Connector_Catalogue *c = Get_Connector_Catalogue(code);
    if (!c || row < 0 || row >= c->n_rows || row >= VBM_CAT_MAX_ROWS) return nullptr;
    return &c->rows[row];
}

/* The diameter list of dowels (29) or bolts (30), or null. */
static const Diameter_List *Pin_List(Vbm_Type_Code code)
{
    if (code == 29) return &Dowel_Bolt_Diameters.dowel;
    if (code == 30) return &Dowel_Bolt_Diameters.bolt;
    return nullptr;
}

int32_t Get_Vbm_Catalogue_Rows(Vbm_Type_Code code)
{
    if (const Vbm_Catalogue *c = Get_Vbm_Catalogue(code)) return c->n_rows;
    if (const Connector_Catalogue *c = Get_Connector_Catalogue(code)) return c->n_rows;
    if (code == 29) return 7;
    if (code == 30) return 8;
    return 0;
}

double Get_Connector_Value(Vbm_Type_Code code, int32_t row, const char *key)
{
    const Connector_Row *r = Conn_Row(code, row);
    if (!r || !key) return 0.0;
    static const struct {
        const char *key;
        size_t offset;
    } fields[] = {
        // clang-format off
    {"dc", offsetof(Connector_Row, dc)}, {"hc", offsetof(Connector_Row, hc)},
    {"he", offsetof(Connector_Row, he)}, {"t", offsetof(Connector_Row, t)},
    {"r", offsetof(Connector_Row, r)}, {"t1", offsetof(Connector_Row, t1)},
    {"a1", offsetof(Connector_Row, a1)}, {"a2", offsetof(Connector_Row, a2)},
    {"d1", offsetof(Connector_Row, d1)}, {"d2", offsetof(Connector_Row, d2)},
    {"d3", offsetof(Connector_Row, d3)}, {"d4", offsetof(Connector_Row, d4)},
    {"d5", offsetof(Connector_Row, d5)}, {"h1", offsetof(Connector_Row, h1)},
    {"h2", offsetof(Connector_Row, h2)}, {"h3", offsetof(Connector_Row, h3)},
    {"db_min", offsetof(Connector_Row, db_min)}, {"db_max", offsetof(Connector_Row, db_max)},
    {"F", offsetof(Connector_Row, F)},
        // clang-format on
    };
    for (const auto &f : fields)
        if (strcmp(key, f.key) == 0) {
            double v;
            memcpy(&v, reinterpret_cast<const char *>(r) + f.offset, sizeof v);
            return v;
        }
    return 0.0;
}

double Get_Vbm_Diameter(Vbm_Type_Code code, int32_t row)
{
    if (const Vbm_Catalogue_Row *r = Screw_Row(code, row)) return r->d;
    if (Get_Connector_Catalogue(code)) return Get_Connector_Value(code, row, "dc");
    if (const Diameter_List *l = Pin_List(code))
        return (row >= 0 && row < l->count) ? l->d[row] : 0.0;
    return 0.0;
}

double Get_Vbm_Row_Value(Vbm_Type_Code code, int32_t row, const char *key)
{
    const Vbm_Catalogue_Row *r = Screw_Row(code, row);
    if (!r || !key) return 0.0;
    if (strcmp(key, "d") == 0) return r->d;
    if (strcmp(key, "d1") == 0) return r->d1;
    if (strcmp(key, "dk") == 0) return r->dk;
    if (strcmp(key, "ds") == 0) return r->ds;
    if (strcmp(key, "fak_lef") == 0) return r->fak_lef;
    if (strcmp(key, "k") == 0) return r->k;
    if (strcmp(key, "xLE100") == 0) return r->xLE100;
    if (strcmp(key, "xLE200") == 0) return r->xLE200;
    if (strcmp(key, "xGT200") == 0) return r->xGT200;
    if (strcmp(key, "n_l") == 0) return static_cast<double>(r->n_l);
    return 0.0;
}

int32_t Get_Vbm_Row_Length_Count(Vbm_Type_Code code, int32_t row)
{
    const Vbm_Catalogue_Row *r = Screw_Row(code, row);
    return r ? r->n_l : 0;
}

double Get_Vbm_Length(Vbm_Type_Code code, int32_t row, int32_t i)
{
    const Vbm_Catalogue_Row *r = Screw_Row(code, row);
    return (r && i >= 0 && i < r->n_l) ? r->l[i] : 0.0;
}

double Get_Vbm_Eff_Length(Vbm_Type_Code code, int32_t row, int32_t i)
{
    const Vbm_Catalogue_Row *r = Screw_Row(code, row);
    return (r && i >= 0 && i < r->n_l) ? r->l_ef[i] : 0.0;
}

int32_t Find_Vbm_Row_By_Diameter(Vbm_Type_Code code, double d)
{
    int32_t found = 0;
    if (const Vbm_Catalogue *c = Get_Vbm_Catalogue(code)) {
        for (int32_t i = 0; i < c->n_rows && i < VBM_CAT_MAX_ROWS; i++)
            if (fabs(c->rows[i].d - d) < 0.001) found = i;
    } else if (const Diameter_List *l = Pin_List(code)) {
        for (int32_t i = 0; i < l->count; i++)
            if (fabs(l->d[i] - d) < 0.001) found = i;
    }
    return found;
}

int32_t Find_Connector_Row_By_Diameter(Vbm_Type_Code code, double dc)
{
    const Connector_Catalogue *c = Get_Connector_Catalogue(code);
    if (!c) return -1;
    for (int32_t i = 0; i < c->n_rows && i < VBM_CAT_MAX_ROWS; i++)
        if (fabs(c->rows[i].dc - dc) < 0.001) return i;
    return -1;
}

int32_t Find_Vbm_Length_Index(Vbm_Type_Code code, int32_t row, double l)
{
    const Vbm_Catalogue_Row *r = Screw_Row(code, row);
    int32_t found = 0;
    if (r)
        for (int32_t i = 0; i < r->n_l; i++)
            if (fabs(r->l[i] - l) < 0.01) found = i;
    return found;
}

/* ---- selection lists */

typedef struct Text_List {
    Mat_List_Item items[VBM_CAT_MAX_LENGTHS];
    char texts[VBM_CAT_MAX_LENGTHS][24];
} Text_List;

Mat_List_Item *Build_Vbm_Length_List(Vbm_Type_Code code, int32_t row, int32_t colour,
                                     int32_t *count)
{
    static Text_List list;
    Ensure_Material_Lists();
    int32_t n = Get_Vbm_Row_Length_Count(code, row);
    if (n > VBM_CAT_MAX_LENGTHS) n = VBM_CAT_MAX_LENGTHS;
    for (int32_t i = 0; i < n; i++) {
        snprintf(list.texts[i], sizeof list.texts[i], "%3.0lf mm", Get_Vbm_Length(code, row, i));
        list.items[i].colour = colour;
        list.items[i].text = list.texts[i];
    }
    if (count) *count = n;
    return list.items;
}

static Mat_List_Item *Fill_Diameter_List(Text_List *list, Vbm_Type_Code code, int32_t colour,
                                         int32_t *count)
{
    Ensure_Material_Lists();
    int32_t n = Get_Vbm_Catalogue_Rows(code);
    if (n > VBM_CAT_MAX_ROWS) n = VBM_CAT_MAX_ROWS;
    if (n < 0) n = 0;
    for (int32_t i = 0; i < n; i++) {
        snprintf(list->texts[i], sizeof list->texts[i], "%6.2lf mm", Get_Vbm_Diameter(code, i));
        list->items[i].colour = colour;
        list->items[i].text = list->texts[i];
    }
    if (count) *count = n;
    return list->items;
}

Mat_List_Item *Build_Vbm_Diameter_List(Vbm_Type_Code code, int32_t colour, int32_t *count)
{
    static Text_List list;
    return Fill_Diameter_List(&list, code, colour, count);
}

Mat_List_Item *Build_Vbm_Diameter_List_B(Vbm_Type_Code code, int32_t colour, int32_t *count)
{
    static Text_List list;
    return Fill_Diameter_List(&list, code, colour, count);
}

void Adjust_List_Index(int32_t *index)
{
    if (index && *index >= 2) *index += 1;
}
