/*
** Factors of the six characteristic actions of a splice: one coefficient key per action and
** the start-up derivation through the copy of the national annex and the lookup.
*/
#include "checks/char_actions.h"
#include "checks/nchw_settings.h"

/* Category, psi index and combination kind of the six actions, in their order. */
static const struct {
    int32_t kind, category, psi_index;
} Char_Action_Rows[CHAR_ACTION_COUNT] = {
    // clang-format off
    {1, 1, 1},   /* Eigengewicht */
    {1, 1, 1},   /* ständige Lasten */
    {1, 2, 1},   /* Nutzlasten, categories A and B */
    {1, 2, 7},   /* Schnee */
    {1, 2, 8},   /* Wind */
    {2, 6, 1},   /* Erdbeben: accidental factors of category 6 */
    // clang-format on
};

int Char_Action_Key(int index, int32_t snow_above_1000, Einw_Beiwert_Key *key)
{
    if (!key || index < 0 || index >= CHAR_ACTION_COUNT) return 0;
    key->type_id = 0;
    key->limit_state = 1;
    key->family = 2;
    key->variant = 2;
    key->kind = Char_Action_Rows[index].kind;
    key->category = Char_Action_Rows[index].category;
    key->psi_index = Char_Action_Rows[index].psi_index;
    key->load_group = -1;
    key->flags = (index == 3 && snow_above_1000) ? 1 : 0;
    key->variant_rec = nullptr;
    return 1;
}

int Init_Char_Actions(Char_Actions *actions, int32_t snow_above_1000)
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
        Einw_Beiwert_Key key;
        Char_Action_Key(i, snow_above_1000, &key);
        Char_Actions *a = &actions[i];
        a->category = key.category;
        if (!Get_Einwirkung_Beiwerte(&key, &a->psi_dom, &a->psi_sub, &a->gamma_sup, &a->gamma_inf))
            all = 0;
    }
    return all;
}
