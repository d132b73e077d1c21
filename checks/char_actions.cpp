/*
** Factors of the six characteristic actions of a splice: one coefficient key per action and
** the start-up derivation through the copy of the national annex and the lookup.
*/
#include "checks/char_actions.h"
#include "checks/nchw_settings.h"
#include "foundation/codepage.h"

/* The categories of the imposed load as EN 1990, Table A1.1 names them and as the annex's rows
** of combination factors group them. */
static const struct {
    const char *letters, *name;
} Imposed_Categories[IMPOSED_CAT_COUNT] = {
    // clang-format off
    {"A, B", "Wohn-, Büroräume"_cp850},
    {"C, D", "Versammlungs-, Verkaufsräume"_cp850},
    {"E",    "Lagerräume"_cp850},
    {"F",    "Fahrzeuge bis 30 kN"},
    {"G",    "Fahrzeuge bis 160 kN"},
    {"H",    "Dächer"_cp850},
    // clang-format on
};

const char *Imposed_Category_Letters(int32_t c)
{
    return c >= 0 && c < IMPOSED_CAT_COUNT ? Imposed_Categories[c].letters : "";
}

const char *Imposed_Category_Name(int32_t c)
{
    return c >= 0 && c < IMPOSED_CAT_COUNT ? Imposed_Categories[c].name : "";
}

/* Category, psi index and combination kind of the six actions, in their order. */
static const struct {
    int32_t kind, category, psi_index;
} Char_Action_Rows[CHAR_ACTION_COUNT] = {
    // clang-format off
    {1, 1, 1},   /* Eigengewicht */
    {1, 1, 1},   /* ständige Lasten */
    {1, 2, 1},   /* Nutzlasten: psi index of the chosen category, A and B here */
    {1, 2, 7},   /* Schnee */
    {1, 2, 8},   /* Wind */
    {2, 6, 1},   /* Erdbeben: accidental factors of category 6 */
    // clang-format on
};

enum { ACTION_IMPOSED = 2, ACTION_SNOW = 3, ACTION_EARTHQUAKE = 5 };

int Char_Action_Key(int index, int32_t snow_above_1000, int32_t imposed_category,
                    Einw_Beiwert_Key *key)
{
    if (!key || index < 0 || index >= CHAR_ACTION_COUNT) return 0;
    if (index == ACTION_IMPOSED && (imposed_category < 0 || imposed_category >= IMPOSED_CAT_COUNT))
        return 0;
    key->type_id = 0;
    key->limit_state = 1;
    key->family = 2;
    key->variant = 2;
    key->kind = Char_Action_Rows[index].kind;
    key->category = Char_Action_Rows[index].category;
    key->psi_index =
        index == ACTION_IMPOSED ? imposed_category + 1 : Char_Action_Rows[index].psi_index;
    key->load_group = -1;
    key->flags = (index == ACTION_SNOW && snow_above_1000) ? 1 : 0;
    key->variant_rec = nullptr;
    return 1;
}

int Init_Char_Actions(Char_Actions *actions, int32_t snow_above_1000, int32_t imposed_category)
{
    /* The snow row of the copy follows the splice's altitude; the module's own setting is
    ** restored afterwards. */
    int32_t saved = Nchw_Global_Settings.altitude_switch;
    Nchw_Global_Settings.altitude_switch = snow_above_1000 ? 1 : 0;
    Apply_NAD_EC0_Factors_To_Lkom_Tables();
    Nchw_Global_Settings.altitude_switch = saved;

    if (!actions) return 0;
    int all = 1;
    for (int i = 0; i < CHAR_ACTION_COUNT; i++) {
        Char_Actions *a = &actions[i];
        Einw_Beiwert_Key key;
        if (!Char_Action_Key(i, snow_above_1000, imposed_category, &key)) {
            a->psi_dom = a->psi_sub = a->gamma_sup = a->gamma_inf = a->psi_2E = 0.0;
            all = 0;
            continue;
        }
        a->category = key.category;
        if (!Get_Einwirkung_Beiwerte(&key, &a->psi_dom, &a->psi_sub, &a->gamma_sup, &a->gamma_inf))
            all = 0;
        /* Beside the earthquake an action enters with psi_2 of the seismic design situation
        ** (EN 1990, eq. (6.12b)), which the annex gives as its own row: a zero row (wind)
        ** leaves the action out. */
        a->psi_2E = 0.0;
        if (i != ACTION_EARTHQUAKE) {
            key.kind = 4;
            Get_Einwirkung_Beiwerte(&key, nullptr, &a->psi_2E, nullptr, nullptr);
        }
    }
    return all;
}
