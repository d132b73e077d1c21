/*
** Factor lists of the bridge load groups and the explanatory text under them. A main-lane
** overload (group 117) is shared among the main lanes, the area loads of group 118 and the
** railway groups 123..125 among their load cases.
*/
#include "checks/bridge_factors.h"
#include "checks/nchw_rec.h"
#include "checks/nchw_tables.h"
#include "dialogs/sva.h"
#include "foundation/codepage.h"
#include "platform/zelkwin.h"

double Bridge_Group_Factor_A[BRIDGE_GROUP_FACTORS];
double Bridge_Group_Factor_B[BRIDGE_GROUP_FACTORS];
int32_t Bridge_Group_Factors_Set = 0;

void Set_Lastgruppen_Faktoren(int32_t n, const double *a, const double *b)
{
    Bridge_Group_Factors_Set = 1;
    if (n > 0) {
        const int32_t m = n < BRIDGE_GROUP_FACTORS ? n : BRIDGE_GROUP_FACTORS;
        for (int32_t i = 0; i < m; i++) {
            if (a) Bridge_Group_Factor_A[i] = a[i];
            if (b) Bridge_Group_Factor_B[i] = b[i];
        }
    }
    Lf_Factor_Source_Switch = 1;
}

Lf_Factor_List *Build_Lastfall_Faktoren(void)
{
    if (!Bridge_Group_Factors_Set) return nullptr;
    Export_Einw_To_Nchw_Tables(nullptr);
    Init_Lf_Factor_List(nullptr);
    const int32_t lanes = Count_Lf_Ordner_Of_Kind(116);
    const int32_t n118 = Count_Lastfaelle_Of_Ordner_Kind(118);
    const int32_t n123 = Count_Lastfaelle_Of_Ordner_Kind(123);
    const int32_t n124 = Count_Lastfaelle_Of_Ordner_Kind(124);
    const int32_t n125 = Count_Lastfaelle_Of_Ordner_Kind(125);
    Lf_Factor_Work.mode = 1;
    const int32_t n = Nchw_Lf_Table_Count();
    for (int32_t i = 0; i < n && i < Lf_Factor_Work.count; i++) {
        Nchw_Lf_Row &l = Nchw_Lf_Table.rows[i];
        if (!l.folder || l.folder->kind < 101 || l.folder->kind > 130) continue;
        const int32_t code = l.folder->kind;
        Lf_Factor_Entry &e = Lf_Factor_Work.entries[i];
        e.number = l.number;
        e.a = Bridge_Group_Factor_A[code - 101];
        double b = Bridge_Group_Factor_B[code - 101];
        int32_t share = 1;
        if (code == 117) share = lanes;
        else if (code == 118) share = n118;
        else if (code == 123) share = n123;
        else if (code == 124) share = n124;
        else if (code == 125) share = n125;
        if (share > 1) b /= share;
        e.b = b;
        e.product = e.a * e.b;
        l.active = e.product > 0.0 ? 1 : 0;
    }
    Lf_Factor_List *list = Get_Lf_Factor_List(nullptr);
    if (list) list->mode = 1;
    return list;
}

static int32_t Count_Types(const int32_t *ids, int n)
{
    int32_t s = 0;
    for (int i = 0; i < n; i++) s += Count_Active_Nachweise_Of_Type(ids[i]);
    return s;
}

void Build_Brueckenlast_Hinweis(int area, int *y)
{
    const int colour = Nearest_Color_Index(100, 160, 180);
    static const int32_t e_ids[] = {531, 532, 533, 536, 537, 538, 541};
    static const int32_t d_ids[] = {331, 332, 333, 336, 337, 338, 341};
    static const int32_t r_ids[] = {542, 543, 550, 551, 560, 561, 562, 564, 571, 572};
    static const int32_t s_ids[] = {342, 343, 350, 351, 352, 353, 355, 360,
                                    361, 362, 364, 371, 372, 373, 380};
    const int32_t E = Count_Types(e_ids, 7), D = Count_Types(d_ids, 7);
    const int32_t R = Count_Types(r_ids, 10), S = Count_Types(s_ids, 15);
    const bool longer = E == 0 && (D >= 1 || (S >= 1 && R == 0));
    const char *lines[5];
    int n = 0;
    if (longer) {
        lines[n++] =
            "Gemäß Stellungnahme Nr. 102.021.150104 des BAST sind die Verkehrslasten"_cp850;
        lines[n++] = "ohne die Tandemlasten und nicht unter Ansatz feldweiser Verkehrslasten";
        lines[n++] = "zu berücksichtigen. D.h. es sind nur die Flächenlasten anzusetzen."_cp850;
    }
    lines[n++] = "Da die Hauptspurlasten alternativ sind, werden die Teilsicherheitsbeiwerte";
    lines[n++] =
        "der Hauptspurüberlasten durch die Anzahl der alternativen Spuren dividiert."_cp850;
    for (int i = 0; i < n; i++) {
        SVA_Add_Text(area, 15, *y, lines[i], 4098, colour, 0);
        *y += 11;
    }
}
