/*
** The fastener rule input record of the single-value rule functions: its defaults, and the second
** catalogue index by fastener type, which also knows the catalogues of types 45 and 46.
*/
#include "design/design_run.h"

#include <numbers>

#include "catalogue/catalogue.h"

void Init_Vbm_Layout_Defaults(Vbm_Rule_Input *input)
{
    if (input == nullptr) return;
    input->layers1 = nullptr;
    input->layers2 = nullptr;
    input->mat1 = MAT_NADELHOLZ;
    input->grade1 = 5;
    input->mat2 = MAT_NADELHOLZ;
    input->grade2 = 5;
    input->vbm_type = VBM_NAGEL;
    input->steel_grade = 23;
    input->resin_coated = 0;
    input->d = 6.0;
    input->length = 200.0;
    input->l_ef = 180.0;
    input->preset_angle = 90.0;
    input->preset_value = 0.0;
    input->predrilled = 0;
    input->stainless = 0;
    input->fitted_bolt = 0;
    input->threaded_rod = 0;
    input->alpha1 = 0.0;
    input->alpha2 = 0.0;
    input->fu = 600.0;
    for (double &a : input->angles) a = std::numbers::pi / 4.0;
    input->head_form = 2;
    input->preset_switch_1 = 0;
    input->t1_eff = 60.0;
    input->t2_eff = 200.0;
    input->preset_switch_2 = 0;
    input->preset_switch_3 = 0;
}

const Vbm_Catalogue *Get_Vbm_Catalogue_Alt(int type)
{
    if (type < VBM_NAGEL || type > VBM_ZYLINDERSENKKOPF_VG) return nullptr;
    if (type == VBM_SIMPSON_CNA) return Get_Simpson_Catalogue(0);
    if (type == VBM_SIMPSON_CSA) return Get_Simpson_Catalogue(1);
    return Get_Vbm_Catalogue(type);
}
