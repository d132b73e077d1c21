/*
** Tests of the sheets of the design-check settings, run headless by scripts: the report of the
** consistency checks and the dialog of the general settings.
*/
#include <gtest/gtest.h>

#include <string>

#include "checks/checks.h"
#include "platform/zelkwin.h"
#include "platform/zelkwin_test.h"
#include "tests/platform/gui_log.h"

namespace {

class SettingsDlg : public ::testing::Test {
  protected:
    void SetUp() override
    {
        ZW_Test_Reset();
        Free_All_Nachweise();
        Reset_Nchw_Settings();
    }
    void TearDown() override
    {
        Free_All_Nachweise();
        Reset_Nchw_Settings();
        ZW_Test_Reset();
    }
    /* The sheet of 360 x 500 pixels centred on the screen: its OK and cancel buttons. */
    static std::string Click_Ok()
    {
        const int x2 = (NPIXEL_X - 360) / 2 + 360, y1 = (NPIXEL_Y - 500) / 2;
        return "click " + std::to_string(x2 - 30) + " " + std::to_string(y1 + 38) + "\n";
    }
    static std::string Click_Cancel()
    {
        const int x2 = (NPIXEL_X - 360) / 2 + 360, y1 = (NPIXEL_Y - 500) / 2;
        return "click " + std::to_string(x2 - 92) + " " + std::to_string(y1 + 38) + "\n";
    }
};

} // namespace

TEST_F(SettingsDlg, ReportWithoutChecks)
{
    ZW_Test_Set_Script("close\n");
    EXPECT_EQ(Show_Nchw_Check_Report(), 0);
    EXPECT_TRUE(Log_Has("keine auf Fehler hinweisende Datenzustände entdeckt."));
    EXPECT_TRUE(Log_Has("Überpüfung des aktuellen Zustandes"));
}

TEST_F(SettingsDlg, OkWithoutEurocodeClearsTheSituations)
{
    Auto_Xtr_Situations = 5;
    Nchw_Global_Settings.altitude_switch = 1;
    ZW_Test_Set_Script(Click_Ok());
    EXPECT_EQ(Nchw_Global_Settings_Dialog(), 1);
    EXPECT_EQ(Auto_Xtr_Situations, 0);
    EXPECT_EQ(Nchw_Global_Settings.altitude_switch, 1); /* choice 1 kept */
    EXPECT_EQ(Nchw_Global_Settings.din18800_comb_code, 4);
    EXPECT_TRUE(Log_Has("Allgemeine Nachweiseinstellungen"));
}

TEST_F(SettingsDlg, CancelChangesNothing)
{
    Set_Nchw_Norm_Mask(31 | NCHW_NORM_EUROCODE);
    Auto_Xtr_Situations = 0;
    ZW_Test_Set_Script(Click_Cancel());
    EXPECT_EQ(Nchw_Global_Settings_Dialog(), 2);
    EXPECT_EQ(Auto_Xtr_Situations, 0);
    /* OK with Eurocode and no check: the three situations suggested on opening */
    ZW_Test_Set_Script(Click_Ok());
    EXPECT_EQ(Nchw_Global_Settings_Dialog(), 1);
    EXPECT_EQ(Auto_Xtr_Situations, 11);
    Set_Nchw_Norm_Mask(0);
    EXPECT_EQ(Nchw_Global_Settings_Dialog(), 0);
}

TEST_F(SettingsDlg, StandardValues)
{
    Nchw_Global_Settings_Rec s = Nchw_Global_Settings_Initial;
    s.service_class = 2;
    s.kmod[0] = 9;
    Apply_Nchw_Standard_Values(&s, 0, 1, 0, 0);
    EXPECT_DOUBLE_EQ(s.kmod[0], 0.5);
    EXPECT_DOUBLE_EQ(s.kmod[1], 0.55);
    EXPECT_DOUBLE_EQ(s.kmod[2], 0.65);
    EXPECT_DOUBLE_EQ(s.kmod[3], 0.7);
    EXPECT_DOUBLE_EQ(s.kmod[4], 0.9);
    EXPECT_DOUBLE_EQ(s.kdef, 2.0);
    s.service_class = 1;
    Apply_Nchw_Standard_Values(&s, 1, 1, 1, 1);
    EXPECT_DOUBLE_EQ(s.kmod[0], 0.6);
    EXPECT_DOUBLE_EQ(s.kdef, 0.8);
    EXPECT_DOUBLE_EQ(s.gamma_m_acc, 1.0);
    EXPECT_DOUBLE_EQ(s.gamma_c_acc, 1.3);
    EXPECT_DOUBLE_EQ(s.deflection_divisors[3], 100);
}

/* OK shows the type information of the current check again; its combination rule is the type's
** own (integer 8, Eurocode), not the bit set of the rules its collectives may use (integer 9). */
TEST_F(SettingsDlg, OkShowsTheTypeInformationOfTheCurrentCheckAgain)
{
    Nchw_Type_Rec type{};
    snprintf(type.name, sizeof type.name, "%-50s", "Biegung");
    type.ints0_3[0] = 601;
    type.ints4_10[0] = 1;
    type.ints4_10[4] = 2; /* integer 8: Eurocode */
    type.ints4_10[5] = 3; /* integer 9: DIN 1055-100 and Eurocode */
    type.ints4_10[6] = 1;
    Nchw_Rec *c = New_Nachweis();
    c->number = 3;
    c->type = &type;
    c->flags = 1;
    Nchw_Current = c;
    ZW_Test_Set_Script(Click_Ok());
    EXPECT_EQ(Nchw_Global_Settings_Dialog(), 1);
    EXPECT_TRUE(Log_Has("Kombinationsregel: Eurocode"));
    EXPECT_FALSE(Log_Has("Kombinationsregel: einstellbar"));
    EXPECT_EQ(Nchw_Current, c);
    /* cancel shows nothing again */
    ZW_Test_Clear_Log();
    ZW_Test_Set_Script(Click_Cancel());
    EXPECT_EQ(Nchw_Global_Settings_Dialog(), 2);
    EXPECT_FALSE(Log_Has("Kombinationsregel:"));
    Nchw_Current = nullptr;
}
