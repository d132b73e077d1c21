/*
** Fuzz target: the fastener catalogue files of the private data path. The first byte picks the
** catalogue (in the start-up order), the rest is its file.
*/
#include <cstdlib>

#include "catalogue/catalogue.h"
#include "fuzz/fuzz_support.h"

namespace {

struct Cat {
    const char *file;
    int32_t (*load)(void);
};

const Cat Cats[] = {
    // clang-format off
    {"ec5_nagel.dat", Load_Ec5_Nagel},
    {"ec5_klammer.dat", Load_Ec5_Klammer},
    {"ec5_schraube.dat", Load_Ec5_Schraube},
    {"ec5_assy_plus_vg_z.dat", Load_Ec5_Assy_Plus_Vg_Z},
    {"ec5_assy_plus_vg_s.dat", Load_Ec5_Assy_Plus_Vg_S},
    {"ec5_spax_s_vg.dat", Load_Ec5_Spax_S_Vg},
    {"ec5_spax_s_tg.dat", Load_Ec5_Spax_S_Tg},
    {"ec5_spax_t_tg.dat", Load_Ec5_Spax_T_Tg},
    {"ec5_sondernagel.dat", Load_Ec5_Sondernagel},
    {"ec5_simpson_cna.dat", Load_Ec5_Simpson_Cna},
    {"ec5_simpson_csa.dat", Load_Ec5_Simpson_Csa},
    {"ec5_ringduebel_a1.dat", Load_Ec5_Ringduebel_A1},
    {"ec5_schduebel_c1.dat", Load_Ec5_Schduebel_C1},
    {"ec5_schduebel_c5.dat", Load_Ec5_Schduebel_C5},
    {"ec5_schduebel_c10.dat", Load_Ec5_Schduebel_C10},
    {"ec5_schduebel_B1.dat", Load_Ec5_Schduebel_B1},
    {"ec5_schduebel_c2.dat", Load_Ec5_Schduebel_C2},
    {"ec5_schduebel_c11.dat", Load_Ec5_Schduebel_C11},
    {"ec5_topix_k6k_vg.dat", Load_Ec5_Topix_K6k_Vg},
    {"ec5_topix_k6k_tg.dat", Load_Ec5_Topix_K6k_Tg},
    {"ec5_topix_rundk_vg.dat", Load_Ec5_Topix_Rundk_Vg},
    {"ec5_topix_senkk_vg.dat", Load_Ec5_Topix_Senkk_Vg},
    {"ec5_topix_tcs_senkk_var_vg.dat", Load_Ec5_Topix_Tcs_Senkk_Var_Vg},
    {"ec5_topix_tcs_senkk_tg.dat", Load_Ec5_Topix_Tcs_Senkk_Tg},
    {"ec5_topix_frt_senkk_var_vg.dat", Load_Ec5_Topix_Frt_Senkk_Var_Vg},
    {"ec5_topix_frt_senkk_vg.dat", Load_Ec5_Topix_Frt_Senkk_Vg},
    {"ec5_topix_frt_senkk_tg.dat", Load_Ec5_Topix_Frt_Senkk_Tg},
    {"ec5_topix_tellerk_var_vg.dat", Load_Ec5_Topix_Tellerk_Var_Vg},
    {"ec5_topix_tellerk_tg.dat", Load_Ec5_Topix_Tellerk_Tg},
    {"ec5_topix_tellerk_vg.dat", Load_Ec5_Topix_Tellerk_Vg},
    {"ec5_topix_zylk_vg.dat", Load_Ec5_Topix_Zylk_Vg},
    {"ec5_topix_zylsenk_vg.dat", Load_Ec5_Topix_Zylsenk_Vg},
    // clang-format on
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1) return 0;
    const Cat &c = Cats[data[0] % (sizeof Cats / sizeof Cats[0])];
    fz::Put((std::string("exec/splice/") + c.file).c_str(), data + 1, size - 1);
    Reset_Vbm_Catalogues();
    c.load();
    for (int code = 0; code <= 60; code++) {
        const Vbm_Catalogue *cat = Get_Vbm_Catalogue(static_cast<Vbm_Type_Code>(code));
        if (cat && (cat->n_rows < 0 || cat->n_rows > VBM_CAT_MAX_ROWS)) abort();
    }
    unlink((fz::Scratch() + "/exec/splice/" + c.file).c_str());
    Reset_Vbm_Catalogues();
    fz::Done();
    return 0;
}
