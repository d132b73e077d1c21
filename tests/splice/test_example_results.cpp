/*
** Results of the example components opened as the program opens them (catalogues, input file,
** national annex of the environment), worked by hand.
*/
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "catalogue/catalogue.h"
#include "nad/nad.h"
#include "platform/zelkwin.h"
#include "results/results.h"
#include "splice/splice_app.h"

namespace {

class ExampleResults : public ::testing::Test {
protected:
    std::string root = SPLICE_SOURCE_DIR;

    void SetUp() override
    {
        setenv("EXEC", (root + "/environment/exec").c_str(), 1);
        setenv("DATA", (root + "/environment/data").c_str(), 1);
        setenv("DRAM", (root + "/environment/dram").c_str(), 1);
        setenv("SPLICE_PRIVATE_DATA", (root + "/environment/exec/splice").c_str(), 1);
        ZW_Test_Reset();
        Clear_NAD_State();
    }

    /* Read example `name` the way the start-up reads its input file. */
    void Open_Example(const char *name)
    {
        Load_Start_Up_Catalogues();
        Set_Splice_Input_Defaults(&Splice_Input);
        Refresh_Char_Actions();
        const std::string path = root + "/examples/" + name + "/" + name + "_01.inp";
        ASSERT_EQ(Read_Splice_Input_File(path.c_str(), &Splice_Input, 1), 1);
        Refresh_Char_Actions();
        Adjust_Old_Input_Values(&Splice_Input);
        Set_Nad_Pointers();
        ASSERT_NE(Nad_Params, nullptr);
    }
};

double Row(const char *name)
{
    for (int i = 0; i < Splice_Input.utilisation.count; i++)
        if (strcmp(Splice_Input.utilisation.name[i], name) == 0) return Splice_Input.utilisation.value[i];
    return -1.0;
}

}  // namespace

TEST_F(ExampleResults, CompressionSpliceUnderThePermanentActionAlone)
{
    /* druckstoss_bolzen: GL24h 20 x 30 cm (f_c,0,k 24), service class 2, outer plates, bolts
    ** M20 in 3 rows. With the self-weight N_k = -80 kN alone the one combination is
    ** 1.35 * -80 = -108 kN, "ständig": kmod 0.6 (EN 1995-1-1, Table 3.1).
    ** Net section: 20 * 30 - 3 * 2.1 * 20 = 474 cm²; sigma_c = 1080 / 474 = 2.2785 N/mm²;
    ** f_c,0,d = 24 * 0.6 / 1.3 = 11.0769 -> u = 0.20570 (with 0.9 it would be 0.1371). */
    Open_Example("druckstoss_bolzen");
    ASSERT_EQ(Splice_Input.lkom_generated, 1);
    for (int i = 1; i < CHAR_ACTION_COUNT; i++) Splice_Input.Char_Actions[i].used = 0;
    Regenerate_Lkoms_If_Generated();
    ASSERT_EQ(Prepare_Splice_Calc(), 0);
    Run_Nachweise(nullptr, 0);
    EXPECT_NEAR(Row("Mittelholz"), 0.20570, 5e-5);
}
