/*
** The list tools of the fastener input that use the GUI library: the coded popup list and the
** fastener picture, driven by the headless back end.
*/
#include <gtest/gtest.h>

#include <string>

#include "cat_test_util.h"
#include "platform/zelkwin.h"
#include "platform/zelkwin_test.h"

TEST(CatGui, PopupCodedList)
{
    ZW_Test_Reset();
    int32_t w = 0, n = 0;
    Mat_Coded_Item *items = Get_Plate_Group_List(BLACK_CI, &w, &n);
    ASSERT_EQ(n, 10);
    EXPECT_EQ(Popup_Coded_List(items, 0, 0, 100, 100), -1);
    EXPECT_EQ(Popup_Coded_List(items, n, n, 100, 100), -1);
    EXPECT_EQ(Popup_Coded_List(nullptr, n, 0, 100, 100), -1);
    ZW_Test_Set_Script("key Down\nkey Down\nkey Enter\n");
    const int32_t code = Popup_Coded_List(items, n, 0, 100, 100);
    bool shown = false;
    for (const std::string &l : ZW_Test_Log_Lines())
        if (l.rfind("MENU OSB | Gipskarton", 0) == 0) shown = true;
    EXPECT_TRUE(shown);
    /* a chosen entry answers its group code, not its position */
    EXPECT_NE(code, -1);
    EXPECT_GE(code, 4);
    bool known = false;
    for (int32_t i = 0; i < n; i++) known = known || items[i].code == code;
    EXPECT_TRUE(known) << code;
}

TEST(CatGui, FastenerPicture)
{
    ZW_Test_Reset();
    EXPECT_EQ(Draw_Vbm_Bitmap(44, 10, 10), 0); /* no picture for this type */
    EXPECT_TRUE(ZW_Test_Log_Lines().empty());
    const int32_t drawn = Draw_Vbm_Bitmap(0, 10, 10);
    bool missing = false;
    for (const std::string &l : ZW_Test_Log_Lines())
        if (l.find("Nagel.bmp") != std::string::npos) missing = true;
    EXPECT_TRUE(drawn == 1 || missing);
}
