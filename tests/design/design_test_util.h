/*
** Helpers of the connection-design tests: switching between DIN 1052 and EN 1995 with an annex
** block of the test's own, finding a timber grade by name, and connector catalogues of the test's own.
*/
#pragma once

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <sys/stat.h>

#include <gtest/gtest.h>

#include "catalogue/catalogue.h"
#include "design/design.h"
#include "nad/nad.h"

/* Selects EN 1995 with a block of built-in defaults (or DIN 1052) for the life of the object. */
class Standard_Scope {
  public:
    /* en: EN 1995 with the given annex variant flag; otherwise DIN 1052. */
    explicit Standard_Scope(bool en, int variant = 0) : saved_(Nad_Params)
    {
        Init_NAD_EC5_Defaults(&block_);
        block_.variant = variant;
        block_.use_table_na15 = variant != 0; /* as the German annex */
        Nad_Params = en ? &block_ : nullptr;
    }
    ~Standard_Scope() { Nad_Params = saved_; }
    NAD_EC5_Params &Block() { return block_; }

  private:
    NAD_EC5_Params *saved_;
    NAD_EC5_Params block_{};
};

/* Grade index of a named grade of a timber group in the active value set, -1 when absent. */
inline int Grade_Index(int group, const char *name)
{
    const int n = Get_Timber_Grade_Count(group);
    for (int i = 0; i < n; i++) {
        const Timber_Grade *g = Get_Timber_Grade(group, i);
        if (g != nullptr && g->name != nullptr && strcmp(g->name, name) == 0) return i;
    }
    return -1;
}

/* 12 mm dowel, fu 360, two 60 mm members of C24, single shear, exact proof, kmod 0.8, gamma_M
** 1.3 (steel 1.1), service class 1, medium-term load. */
inline Connection_Input Dowel_C24_Input()
{
    Connection_Input in{};
    in.vbm_type = 29;
    in.steel_grade = -1;
    in.d = 12.0;
    in.length = 120.0;
    in.shear_planes = 1;
    in.proof_method = 1;
    in.mat_1 = in.mat_2 = 0;
    in.grade_1 = in.grade_2 = Grade_Index(0, "C24");
    in.t1 = in.t2 = 60.0;
    in.fu = 360.0;
    in.kmod_given = 0.8;
    in.gamma_m_1 = in.gamma_m_2 = 1.3;
    in.gamma_steel = 1.1;
    in.service_class_1 = in.service_class_2 = 1;
    in.load_duration = 2;
    in.washer_d = -1.0;
    return in;
}

/* Write the two connector catalogues into a folder of the test run (one per test, since the
** tests run side by side) and read them. */
inline void Load_Test_Connectors(const std::string &dir)
{
    mkdir(dir.c_str(), 0755);
    FILE *f = fopen((dir + "/ec5_ringduebel_a1.dat").c_str(), "w");
    ASSERT_NE(f, nullptr);
    fputs("# dc hc he t r db_min db_max F\n1\n1\n65 30 15 5 32.5 12 16 975\n", f);
    fclose(f);
    f = fopen((dir + "/ec5_schduebel_c1.dat").c_str(), "w");
    ASSERT_NE(f, nullptr);
    fputs("# dc hc he t d1 teeth 0 h2 db_min db_max F\n1\n1\n50 13 6 1 11 12 0 7.8 10 14 600\n", f);
    fclose(f);
    setenv("SPLICE_PRIVATE_DATA", dir.c_str(), 1);
    Reset_Vbm_Catalogues();
    Load_Ec5_Ringduebel_A1();
    Load_Ec5_Schduebel_C1();
}
