/*
** Tests of the paged dialog runner's tabs (disabled tabs, the page-change check) and of its
** older form without a descriptor.
*/
#include "dialogs_fixture.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

using Paged = DialogsTest;

static const uint32_t Face_Rgb = 0xD4D0C8; /* the face of a tab that is not selected */

/* ------------------------------------------------------------------ disabled tabs */

/* Tabs of 100 pixels: tab k spans x = strip left + 101 k .. + 99 and the strip starts at the
** sheet's corner + (8, 33 + 8) with the default margins. */
struct Tab_Ink {
    int ink;  /* pixels of the label (not the face) */
    int dark; /* of them, pixels darker than the disabled grey (160, 160, 160) can make */
};
static Tab_Ink Ink_Of_Tab(int k)
{
    int sx = 0, sy = 0;
    Dlg_Get_Position(&sx, &sy);
    int x0 = sx + 8 + 101 * k, y0 = sy + 41;
    Tab_Ink t{0, 0};
    for (int y = y0 + 5; y <= y0 + 26; y++)
        for (int x = x0 + 3; x <= x0 + 96; x++) {
            uint32_t c = ZW_Test_Pixel(x, y);
            if (c == Face_Rgb) continue;
            t.ink++;
            t.dark += ((c >> 16) & 0xFF) < 0x90 || ((c >> 8) & 0xFF) < 0x90 || (c & 0xFF) < 0x90;
        }
    return t;
}

static std::vector<Tab_Ink> Seen_Tabs;
static int Tab_Pass = 0;
static Dlg_Desc *Tab_Desc = nullptr;
static void Look_At_Tabs(int)
{
    Tab_Pass++;
    if (Tab_Pass >= 2) /* the tabs as the previous pass left them */
        for (int k = 0; k < 3; k++) Seen_Tabs.push_back(Ink_Of_Tab(k));
    Tab_Desc->preset_event = Tab_Pass == 1   ? DLG_TAB_CODE + 2 /* a click on a disabled tab */
                             : Tab_Pass == 2 ? 5000             /* an event nobody takes */
                                             : DLG_CONFIRM;
}

static void Draw_Nothing(int, int, void *) {}

TEST_F(Paged, DisabledTabsAreGreyAndOuterControlsStayActive)
{
    /* the outer sheet's first controls: in a fresh process their handles are 1 and 2, the
  ** register's member numbers of the two disabled pages */
    int b1 = Add_Single_Button_to_PS(10, 10, 0, "Eins", 1);
    int b2 = Add_Single_Button_to_PS(10, 40, 0, "Zwei", 2);
    Dlg_Desc d;
    Dlg_Page p[3];
    Dlg_Init_Descriptor(&d);
    Dlg_Init_Pages(3, p);
    d.tab_width = 100;
    d.max_width = 400;
    for (int i = 0; i < 3; i++) {
        snprintf(p[i].label, sizeof p[i].label, "Seite %d", i + 1);
        p[i].draw = Draw_Nothing;
    }
    p[1].state = p[2].state = 0;
    d.pass = Look_At_Tabs;
    Tab_Desc = &d;
    Tab_Pass = 0;
    Seen_Tabs.clear();
    ZW_Test_Set_Script("sleep 1\n");
    EXPECT_EQ(Dlg_Run_Paged(&d, 3, p), 1);
    ASSERT_EQ(Seen_Tabs.size(), 6u);
    for (int pass = 0; pass < 2; pass++) {
        SCOPED_TRACE(pass);
        const Tab_Ink *t = &Seen_Tabs[(size_t)pass * 3];
        EXPECT_GT(t[0].dark, 20); /* the current tab in the normal colour */
        for (int k = 1; k < 3; k++) {
            EXPECT_GT(t[k].ink, 20) << k; /* the disabled ones grey, nothing darker left */
            EXPECT_EQ(t[k].dark, 0) << k;
        }
    }
    EXPECT_EQ(d.current_page, 0);
    EXPECT_EQ(ActivState_of_Button_PS(b1), 1);
    EXPECT_EQ(ActivState_of_Button_PS(b2), 1);
}

/* ------------------------------------------------------------------ page-change check */

static std::vector<std::pair<int, int>> Change_Calls;
static int Refuse_Page_Two(int old_page, int new_page)
{
    Change_Calls.emplace_back(old_page, new_page);
    return new_page == 1;
}

static int Drawn_Pages[3];
static void Count_Draw(int, int, void *user) { Drawn_Pages[(intptr_t)user]++; }

static int Change_Pass = 0;
static Dlg_Desc *Change_Desc = nullptr;
static void Change_Pages(int)
{
    switch (++Change_Pass) {
    case 1: Change_Desc->preset_event = DLG_TAB_CODE + 1; break; /* refused: page 0 stays */
    case 2: Change_Desc->preset_event = DLG_TAB_CODE + 2; break; /* allowed */
    case 3: Change_Desc->preset_event = 5000; break;
    case 4: /* a callback selects the refused page; the check runs in this pass */
        Dlg_Select_Page(1);
        Change_Desc->preset_event = 5000;
        break;
    default: Change_Desc->preset_event = DLG_CONFIRM; break;
    }
}

TEST_F(Paged, PageChangeCheckRefusesAndTheLeftPageStaysCurrent)
{
    Dlg_Desc d;
    Dlg_Page p[3];
    Dlg_Init_Descriptor(&d);
    Dlg_Init_Pages(3, p);
    for (int i = 0; i < 3; i++) {
        snprintf(p[i].label, sizeof p[i].label, "Seite %d", i + 1);
        p[i].draw = Count_Draw;
        p[i].user = (void *)(intptr_t)i;
    }
    d.page_change = Refuse_Page_Two;
    d.pass = Change_Pages;
    Change_Desc = &d;
    Change_Pass = 0;
    Change_Calls.clear();
    memset(Drawn_Pages, 0, sizeof Drawn_Pages);
    ZW_Test_Set_Script("sleep 1\n");
    EXPECT_EQ(Dlg_Run_Paged(&d, 3, p), 1);
    EXPECT_EQ(Change_Calls, (std::vector<std::pair<int, int>>{{0, 1}, {0, 2}, {2, 1}}));
    EXPECT_EQ(Drawn_Pages[1], 0);
    EXPECT_EQ(Drawn_Pages[0], 2); /* first pass and after the refusal */
    EXPECT_EQ(Drawn_Pages[2], 3);
    EXPECT_EQ(d.current_page, 2);
}

/* ------------------------------------------------------------------ the older form */

struct Sheet_Box {
    int x1, y1, x2, y2;
};
static std::vector<Sheet_Box> Sheets_Logged()
{
    std::vector<Sheet_Box> v;
    for (const auto &l : ZW_Test_Log_Lines()) {
        int n;
        Sheet_Box b;
        if (sscanf(l.c_str(), "SHEET %d %d %d %d %d", &n, &b.x1, &b.y1, &b.x2, &b.y2) == 5)
            v.push_back(b);
    }
    return v;
}

static double Simple_Value = 0;
static void Draw_Simple_Field(int, int, void *)
{
    int on = 1;
    Wdg_Scaled_Float_Field(10, 30, &Simple_Value, 1000.0, 8, 1, &on);
}

TEST_F(Paged, SimpleFormHasFixedMarginsAndCodesOneAndTwo)
{
    Dlg_Page p[2];
    Dlg_Init_Pages(2, p);
    for (auto &pg : p) pg.draw = Draw_Simple_Field;
    snprintf(p[0].label, sizeof p[0].label, "Werte");
    snprintf(p[1].label, sizeof p[1].label, "Mehr");
    /* one page: 300 + 4 x 7 wide, 35 + 200 + 30 high; Esc is the cancel button (code 1) */
    ZW_Test_Clear_Log();
    ZW_Test_Set_Script("key Esc\n");
    Simple_Value = 0.5;
    EXPECT_EQ(Dlg_Run_Pages_Simple(200, 300, "Einfach", 1, p, nullptr, nullptr), 0);
    EXPECT_DOUBLE_EQ(Simple_Value, 0.5);
    /* two pages: 300 + 4 x 10 wide, 40 + 30 + 200 + 35 high; a click on the confirm button,
  ** 32 pixels left of the right margin of 20 in the row 29 pixels above the bottom */
    int w = 340, h = 305, x1 = NPIXEL_X / 2 - w / 2, y1 = NPIXEL_Y / 2 - h / 2;
    ZW_Test_Set_Script("click " + std::to_string(x1 + w - 20 - 32 + 10) + " "
                       + std::to_string(y1 + h - 29 + 10) + "\n");
    EXPECT_EQ(Dlg_Run_Pages_Simple(200, 300, "Einfach", 2, p, nullptr, nullptr), 1);
    EXPECT_DOUBLE_EQ(Simple_Value, 0.5); /* committed once, back in its own unit */
    std::vector<Sheet_Box> s = Sheets_Logged();
    ASSERT_EQ(s.size(), 2u);
    EXPECT_EQ(s[0].x2 - s[0].x1, 328);
    EXPECT_EQ(s[0].y2 - s[0].y1, 265);
    EXPECT_EQ(s[1].x1, x1);
    EXPECT_EQ(s[1].x2 - s[1].x1, w);
    EXPECT_EQ(s[1].y2 - s[1].y1, h);
    EXPECT_EQ(Dlg_Level, 0);
    /* the cancel button at the left margin - 3 */
    ZW_Test_Set_Script("click " + std::to_string(x1 + 20 - 3 + 10) + " "
                       + std::to_string(y1 + h - 29 + 10) + "\n");
    EXPECT_EQ(Dlg_Run_Pages_Simple(200, 300, "Einfach", 2, p, nullptr, nullptr), 0);
    EXPECT_EQ(Dlg_Run_Pages_Simple(200, 300, "Einfach", 0, p, nullptr, nullptr), 0);
}

static int Simple_Pass_Page = -1;
static void Draw_Remember_Page(int, int, void *user) { Simple_Pass_Page = (int)(intptr_t)user; }

TEST_F(Paged, SimpleFormSwitchesTabsAndSkipsADisabledOne)
{
    Dlg_Page p[3];
    Dlg_Init_Pages(3, p);
    for (int i = 0; i < 3; i++) {
        snprintf(p[i].label, sizeof p[i].label, "Seite %d", i + 1);
        p[i].draw = Draw_Remember_Page;
        p[i].user = (void *)(intptr_t)i;
    }
    p[1].state = 0;
    /* 300 + 40 wide: tabs of (300 - 2) / 3 = 99 pixels from x1 + 20, 40 below the top */
    int w = 340, h = 305, x1 = NPIXEL_X / 2 - w / 2, y1 = NPIXEL_Y / 2 - h / 2;
    int ty = y1 + 40 + 15;
    std::string script = "click " + std::to_string(x1 + 20 + 100 + 50) + " " + std::to_string(ty)
                         + "\n" + "key Enter\n";
    ZW_Test_Set_Script(script);
    Simple_Pass_Page = -1;
    EXPECT_EQ(Dlg_Run_Pages_Simple(200, 300, "Tabs", 3, p, nullptr, nullptr), 1);
    EXPECT_EQ(Simple_Pass_Page, 0); /* the disabled tab was refused */
    script =
        "click " + std::to_string(x1 + 20 + 200 + 50) + " " + std::to_string(ty) + "\nkey Enter\n";
    ZW_Test_Set_Script(script);
    EXPECT_EQ(Dlg_Run_Pages_Simple(200, 300, "Tabs", 3, p, nullptr, nullptr), 1);
    EXPECT_EQ(Simple_Pass_Page, 2);
}
