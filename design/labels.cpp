/*
** Small services of the connection design: equation labels of the print list, the mapping of
** DIN 1052 rule indices to their EN 1995 counterparts, the partial factors gamma_M of the
** materials, the names of the proof methods and the cross-section area one fastener removes.
*/
#include "design/design_texts.h"

#include <cstdio>

#include "catalogue/catalogue.h"
#include "design/design_state.h"
#include "nad/nad.h"

/* ---------------------------------------------------------------- labels and rule indices */

/* The letters of EN 1995-1-1, Figures 8.2 and 8.3, by mode code 0 to 22: timber to timber (8.6),
** (8.7) without the letter i; thin plates in single shear (8.9); thick plates in single shear
** (8.10), whose embedment mode 13 is (e) and whose hinge modes 14 and 15 are (c) and (d); a
** central plate (8.11); thin and thick outer plates in double shear (8.12) and (8.13). Code 0
** keeps the character before "a". */
static const char Ec5_Mode_Letters[] = "`abcdefghjkabecdfghjklm";

int Plate_Thick_Mode(int code)
{
    if (code == 23) return 21;
    if (code == 24) return 22;
    if (code >= 25 && code <= 29) return code - 14;
    return code;
}

char Get_Mode_Letter(int code)
{
    const int m = Plate_Thick_Mode(code);
    return m >= 1 && m <= 22 ? Ec5_Mode_Letters[m] : '\0';
}

const char *Get_Equation_Label(int index)
{
    char *label = Design_Run_Current()->equation_label; /* DESIGN_LABEL_SIZE bytes */
    const size_t label_size = DESIGN_LABEL_SIZE;
    if (index == 30) {
        snprintf(label, label_size, "Alu-Lochleibungsspannung");
    } else if (Nad_Params == nullptr) {
        snprintf(label, label_size, "Gl.(%d)", index);
    } else if (index < 0) {
        snprintf(label, label_size, "Gl.(%c)", static_cast<char>(index + 96));
    } else if (Plate_Thick_Mode(index) <= 22) {
        snprintf(label, label_size, "Gl.(%c)", Ec5_Mode_Letters[Plate_Thick_Mode(index)]);
    } else {
        snprintf(label, label_size, "Gl.(j)");
    }
    return label;
}

const char *Get_Mode_Pair_Label(int code, int thin)
{
    if (code != 23 && code != 24) {
        if (!(thin > 0 && code >= 25 && code <= 29 && Nad_Params != nullptr))
            return Get_Equation_Label(code);
    }
    if (thin <= 0 && code <= 24) thin = code == 23 ? 19 : 20;
    char *label = Design_Run_Current()->equation_label; /* DESIGN_LABEL_SIZE bytes */
    const int thick = Plate_Thick_Mode(code);
    if (Nad_Params == nullptr) snprintf(label, DESIGN_LABEL_SIZE, "G%d/%d", thin, thick);
    else
        snprintf(label, DESIGN_LABEL_SIZE, "Gl.(%c)/(%c)", Ec5_Mode_Letters[thin],
                 Ec5_Mode_Letters[thick]);
    return label;
}

int Map_Rule_Index_Ec5(int index)
{
    if (Nad_Params == nullptr) return index;
    static const int32_t Ec5_Index[][2] = {
        {SPACING_RULE_DOWEL, 5},        {SPACING_RULE_BOLT, 4}, {SPACING_RULE_NAIL, 2},
        {SPACING_RULE_STAPLE, 3},       {SPACING_RULE_RING, 7}, {SPACING_RULE_TOOTHED, 8},
        {SPACING_RULE_TOOTHED_ROUND, 9}};
    for (const auto &row : Ec5_Index)
        if (row[0] == index) return row[1];
    return index;
}

int Map_Rule_Index(int index) { return index; }

/* ---------------------------------------------------------------- partial factors */

double Get_Alu_Gamma_M(void)
{
    const NAD_EC9_Params *ec9 = Get_NAD_EC9_Params();
    if (ec9 == nullptr || !(ec9->gamma_m1b > 0.0)) return 1.1;
    return ec9->gamma_m1b;
}

double Get_Gamma_M(int material, int sub_type, int accidental)
{
    if (Nad_Params == nullptr) return accidental ? 1.0 : 1.3;
    const NAD_EC5_Params *p = Nad_Params;
    if (accidental) return p->gamma_m_accidental;
    switch (material) {
    case MAT_NADELHOLZ:
    case MAT_LAUBHOLZ: return p->gamma_m_solid;
    case MAT_BSH_EC:
    case MAT_BSH_DIN:
    case MAT_STEICO_JOIST:
    case MAT_STEICO_WALL: return p->gamma_m_glulam;
    /* laminated veneer lumber has its own row of Table 2.3, with plywood and OSB */
    case MAT_KERTO_S:
    case MAT_KERTO_Q:
    case MAT_BAUBUCHE_GL75:
    case MAT_BAUBUCHE_PLATTE:
    case MAT_STEICO_LVL:
    case MAT_POLLM_LVL_S:
    case MAT_STEICO_GLVL:
    case MAT_OSB:
    case MAT_SPERRHOLZ: return p->gamma_m_lvl;
    case MAT_GIPSKARTON:
    case MAT_FERMACELL: return p->gamma_m_gypsum;
    case MAT_SPANPLATTE: return p->gamma_m_particleboard;
    case MAT_FASERPLATTE:
        if (sub_type == 0) return p->gamma_m_hardboard;
        if (sub_type == 1) return p->gamma_m_mediumboard;
        return p->gamma_m_softboard;
    case MAT_STAHLBLECH: return p->gamma_m_steel;
    case MAT_ALUBLECH: return Get_Alu_Gamma_M();
    case 22: /* bare-code: a group beyond the named ones keeps its factor */ return 1.3;
    default: return 0.0;
    }
}

double Get_Gamma_M_Connections(int accidental)
{
    if (Nad_Params == nullptr) return accidental ? 1.0 : 1.3;
    return accidental ? Nad_Params->gamma_m_accidental : Nad_Params->gamma_m_connections;
}

const char *Get_Proof_Method_Text(int method, int long_form)
{
    char *text = Design_Run_Current()->proof_method_text; /* DESIGN_LABEL_SIZE bytes */
    const char *s = "";
    if (method == 0)
        s = long_form ? "Vereinfachter Nachweis nach NAD 8.2.1" : "Vereinfachter Nachweis";
    else if (method == 1)
        s = long_form ? "Genauer Nachweis nach DIN EN 1995, 8.2.2" : "Genauer Nachweis";
    else if (method == 2) s = "Bemessungswerte-Verfahren";
    snprintf(text, DESIGN_LABEL_SIZE, "%s", s);
    return text;
}

/* ---------------------------------------------------------------- net-section loss */

double Connector_Bolt_Hole(int bolt_index, int fitted)
{
    const double db = Get_Vbm_Diameter(VBM_BOLZEN, bolt_index);
    return fitted ? db : db + 1.0;
}

double Calc_Vbm_Net_Section_Loss(int type, double d, int connector_row, int bolt_index,
                                 int predrilled, int fitted, double t)
{
    if (Is_Vbm_Nail_Or_Screw(type)) type = VBM_NAGEL;
    if (type > VBM_SCHEIBENDUEBEL_C11) return 0.0;
    const double f = Nad_Params != nullptr ? 1.0 : 0.9;
    switch (type) {
    case VBM_NAGEL:
        if (!predrilled && !(d > 6.0)) return 0.0;
        return f * d * t;
    case VBM_KLAMMER:
        if (!(d > 6.0)) return 0.0;
        return 2.0 * f * d * t; /* one hole per leg */
    case VBM_STABDUEBEL: return d * t;
    case VBM_BOLZEN: return fitted ? d * t : (d + 1.0) * t;
    case VBM_RINGDUEBEL_A1:
    case VBM_SCHEIBENDUEBEL_B1:
    case VBM_SCHEIBENDUEBEL_C1:
    case VBM_SCHEIBENDUEBEL_C5:
    case VBM_SCHEIBENDUEBEL_C10:
    case VBM_SCHEIBENDUEBEL_C2:
    case VBM_SCHEIBENDUEBEL_C11: {
        /* the part of the connector that lies in this member, its embedded depth h_e over d_c,
        ** and the bolt hole over the rest of t (EN 1995-1-1, 5.2(3)): a two-sided connector
        ** lies with h_e in either member, so one member never loses it whole */
        const double he = Get_Connector_Value(type, connector_row, "he");
        const double dc = Get_Connector_Value(type, connector_row, "dc");
        return he * dc + (t - he) * Connector_Bolt_Hole(bolt_index, fitted);
    }
    default: return 0.0;
    }
}

double Calc_Vbm_Hole_Width(int type, int catalogue_row, int bolt_index, int predrilled, int fitted,
                           double t, double *width)
{
    const double d = Get_Vbm_Diameter(type, catalogue_row);
    double w = d, area = 0.0;
    switch (type) {
    case VBM_NAGEL:
        w = d - 1.0;
        area = (predrilled || w > 6.0) ? 0.9 * t * w : 0.0;
        break;
    case VBM_STABDUEBEL:
        w = d;
        area = d * t;
        break;
    case VBM_BOLZEN:
        w = fitted ? d : d + 1.0;
        area = w * t;
        break;
    case VBM_SCHEIBENDUEBEL_B1:
        w = Get_Connector_Value(VBM_SCHEIBENDUEBEL_B1, catalogue_row, "d3");
        area = w * t;
        break;
    case VBM_SCHEIBENDUEBEL_C2:
    case VBM_SCHEIBENDUEBEL_C11: {
        const double b = Get_Vbm_Diameter(VBM_BOLZEN, bolt_index) + 1.0;
        w = (b + d) / 2.0;
        area = b * t;
        break;
    }
    default: break;
    }
    if (width != nullptr) *width = w;
    return area;
}
