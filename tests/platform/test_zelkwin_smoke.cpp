/*
** First checks of the GUI stand-in: the headless screen starts, draws and answers a script.
*/
#include <gtest/gtest.h>

#include "platform/zelkwin.h"

TEST(ZelkwinSmoke, HeadlessSheetAnswersButtonCode)
{
    ZW_Test_Reset();
    ZW_Test_Set_Script("click 120 120\n");
    ASSERT_EQ(Define_Prop_Sheet(100, 100, 300, 200, 1, 1, "Test", 40, 1), 1);
    Add_Single_Button_to_PS(110, 110, SYMBOLIC_OK_RASTER, nullptr, 7);
    Activate_Prop_Sheet();
    EXPECT_EQ(Edit_Prop_Sheet(), 7);
    Undefine_Prop_Sheet();
}
