/*
** On-screen pixel drawings of fasteners: sprite choice by diameter, the telling rows of the
** sprite tables, the size classes, and the shaded polygon and head symbol drawn headless.
*/
#include <gtest/gtest.h>

#include <cstdint>

#include "platform/zelkwin.h"
#include "results/print_list.h"

TEST(PixelSprites, IndicesByDiameter)
{
    /* bolts: 7 and 8 share entry 0, 10 -> 1, 56 -> 24; above 56 to the nearest multiple of 4
    ** (a remainder of 2 rounds up): 58 -> 60 -> 25, 57 -> 56 -> 24, 88 and more -> 32 */
    EXPECT_EQ(M_Screw_Sprite_Index(7), 0);
    EXPECT_EQ(M_Screw_Sprite_Index(8), 0);
    EXPECT_EQ(M_Screw_Sprite_Index(9), 1);
    EXPECT_EQ(M_Screw_Sprite_Index(10), 1);
    EXPECT_EQ(M_Screw_Sprite_Index(56), 24);
    EXPECT_EQ(M_Screw_Sprite_Index(57), 24);
    EXPECT_EQ(M_Screw_Sprite_Index(58), 25);
    EXPECT_EQ(M_Screw_Sprite_Index(62), 26);
    EXPECT_EQ(M_Screw_Sprite_Index(88), 32);
    EXPECT_EQ(M_Screw_Sprite_Index(200), 32);
    /* wood screws: rounded up to even, (d - 6) / 2, at most 60 */
    EXPECT_EQ(Ks_Screw_Sprite_Index(5), 0);
    EXPECT_EQ(Ks_Screw_Sprite_Index(6), 0);
    EXPECT_EQ(Ks_Screw_Sprite_Index(7), 1);
    EXPECT_EQ(Ks_Screw_Sprite_Index(60), 27);
    EXPECT_EQ(Ks_Screw_Sprite_Index(99), 27);
    /* nails clamped to 2..19 */
    EXPECT_EQ(Nail_Sprite_Index(1), 0);
    EXPECT_EQ(Nail_Sprite_Index(2), 0);
    EXPECT_EQ(Nail_Sprite_Index(19), 17);
    EXPECT_EQ(Nail_Sprite_Index(40), 17);
    /* washers: (d + 5) / 10 - 1, at most 31 */
    EXPECT_EQ(Washer_Sprite_Index(5), 0);
    EXPECT_EQ(Washer_Sprite_Index(14), 0);
    EXPECT_EQ(Washer_Sprite_Index(15), 1);
    EXPECT_EQ(Washer_Sprite_Index(400), 31);

    EXPECT_EQ(Size_Class(55.0), 1);
    EXPECT_EQ(Size_Class(55.1), 2);
    EXPECT_EQ(Size_Class(70.1), 3);
    EXPECT_EQ(Size_Class(100.0), 4);
    EXPECT_EQ(Size_Class(100.1), 5);
}

static void Expect_Entry(int sheet, int view, int index, int l, int t, int r, int b, int ax, int ay)
{
    const Sprite_Entry *e = Get_Sprite_Entry(sheet, view, index);
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->left, l);
    EXPECT_EQ(e->top, t);
    EXPECT_EQ(e->right, r);
    EXPECT_EQ(e->bottom, b);
    EXPECT_EQ(e->anchor_x, ax);
    EXPECT_EQ(e->anchor_y, ay);
}

TEST(PixelSprites, TellingRowsOfTheTables)
{
    Expect_Entry(0, 0, 0, 6, 5, 7, 7, 7, 6);
    Expect_Entry(0, 0, 17, 64, 31, 82, 49, 73, 40);
    Expect_Entry(1, 0, 0, 98, 94, 104, 100, 101, 97);
    Expect_Entry(2, 0, 0, 21, 2, 37, 16, 29, 9);
    Expect_Entry(2, 1, 0, 1, 2, 17, 16, 9, 9);
    Expect_Entry(3, 0, 0, 3244, 790, 3256, 802, 3250, 796);
    EXPECT_EQ(Get_Sprite_Entry(0, 0, 18), nullptr);
    EXPECT_EQ(Get_Sprite_Entry(2, 0, 33), nullptr);
    EXPECT_EQ(Get_Sprite_Entry(3, 0, -1), nullptr);
    EXPECT_EQ(Get_Sprite_Entry(4, 0, 0), nullptr);
    /* no two pictures of one sheet overlap */
    const int counts[4] = {18, 28, 33, 32};
    for (int sheet = 0; sheet < 4; sheet++) {
        for (int view = 0; view < (sheet == 2 ? 2 : 1); view++) {
            for (int i = 0; i < counts[sheet]; i++) {
                const Sprite_Entry *a = Get_Sprite_Entry(sheet, view, i);
                EXPECT_LE(a->left, a->anchor_x);
                EXPECT_GE(a->right, a->anchor_x);
                for (int j = i + 1; j < counts[sheet]; j++) {
                    const Sprite_Entry *b = Get_Sprite_Entry(sheet, view, j);
                    const bool apart = a->right < b->left || b->right < a->left
                                       || a->bottom < b->top || b->bottom < a->top;
                    EXPECT_TRUE(apart) << sheet << " " << i << " " << j;
                }
            }
        }
    }
}

TEST(PixelDrawings, ShadedPolygonAndHeadHeadless)
{
    ZW_Test_Reset();
    pxFgc(WHITE_CI);
    pxRect(0, 0, 400, 300);
    /* a plate 200 x 60 pixels turned by nothing */
    const int xs[4] = {100, 300, 300, 100}, ys[4] = {100, 100, 160, 160};
    Fill_Shaded_Polygon_Pixel(4, xs, ys, 0.0);
    /* black outline, shades of the ramp inside: the first scan line carries the light blue */
    EXPECT_EQ(ZW_Test_Pixel(200, 100) & 0xFFFFFF, 0x000000u);
    EXPECT_EQ(ZW_Test_Pixel(100, 130) & 0xFFFFFF, 0x000000u);
    const uint32_t inside = ZW_Test_Pixel(200, 130);
    EXPECT_NE(inside, 0xFFFFFFu);
    EXPECT_NE(inside, 0x000000u);
    const uint32_t blue = inside & 0xFF, red = (inside >> 16) & 0xFF;
    EXPECT_GT(blue, red);
    /* outside untouched */
    EXPECT_EQ(ZW_Test_Pixel(50, 50), 0xFFFFFFu);

    Draw_Fastener_Head_Pixel(60, 240, 40, 1, 1, 0.0);
    Draw_Fastener_Head_Pixel(160, 240, 40, 0, 3, 0.0);
    /* kind 1 fills the upper right quarter dark, the lower left stays light */
    EXPECT_EQ(ZW_Test_Pixel(68, 232), 0x43372Cu);
    EXPECT_EQ(ZW_Test_Pixel(52, 248), 0xFDF8E8u);
    /* kind 3 of the square: the lower half dark */
    EXPECT_EQ(ZW_Test_Pixel(150, 252), 0x43372Cu);
    EXPECT_EQ(ZW_Test_Pixel(150, 228), 0xFDF8E8u);
    VEL_Snapshot("pixel_drawings.png");
}
