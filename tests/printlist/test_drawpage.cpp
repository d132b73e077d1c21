/*
** One page with every symbol of the drawing library, written into a print list and a plot file
** at once and compared with the golden files (drawings looked at when they were made).
*/
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <sstream>
#include <string>

#include "capture.h"

static std::string file_text(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

static void draw_page(FILE *list, FILE *plot)
{
    Oli_Graphic_Set_Colour_Mode(1);
    Oli_Graphic_Begin(list, 0, 0, 16, 24, 1, 0, nullptr);
    Plot_Begin(plot, 0, 0, 16, 24, 1, 0, "Zeichnungssymbole M 1:%2.0lf", 100.0);
    Plot_Set_Font(2);
    Plot_Set_Pen(1);
    Plot_Set_Filling(5);
    Plot_Set_Layer(0);
    Oli_Graphic_Axis_Cross(1, 1, "x", "z\xCE\\1", 1.5, 0);
    Oli_Graphic_Direction_Arrow(4, 1, 1.2, 0, "N");
    Oli_Graphic_Level_Mark(7, 1.5, 4, "+3.20", "OK", 0, 1);
    Oli_Graphic_Level_Symbol(12, 1.5, "+0.00", 1, 1);
    Oli_Graphic_Level_Mark_Base(14.5, 1.5, "-1.00", 1);
    Oli_Graphic_Support(1.5, 5, 0, 55, 1, 1, 3);
    Oli_Graphic_Fixed_Support(4, 5, 0, 3);
    Oli_Graphic_Double_Arrow(6, 5, 10, 5, "l = 4.00 m", "a");
    Oli_Graphic_Callout(11, 4.5, 12, 5.5, 0.25, "Pos. %d", 1);
    Oli_Graphic_Level_Callout(11, 6.5, 12, 7.5, 0.25, 0, "+3.20");
    Oli_Graphic_Force_Arrow(1, 9, 0, 1.5, 0.3, 0.2, 0);
    Oli_Graphic_Force_Arrow(2.5, 9, M_PI / 2, 1.5, 0.3, 0.2, 1);
    Oli_Graphic_Force_Arrow(3.5, 9, -M_PI / 2, 1.5, 0.3, 0.2, 2);
    Oli_Graphic_Force_Arrow_Label(6, 8.5, M_PI / 4, 1.5, 0.3, 0.2, 2, 0.25, "F");
    Oli_Graphic_Force_Arrow_To(7, 10, 8, 9, 0.3, 0.2, 1);
    Oli_Graphic_Moment_Arc(/*x=*/10, /*y=*/9, /*d=*/1.5, /*start=*/0, /*span=*/270,
                           /*head_length=*/0.3, /*head_width=*/0.2, /*style=*/2,
                           /*text_height=*/0.25, /*text=*/"M");
    Oli_Graphic_Point_Load_V(12.5, 8.5, 1.5, "P");
    Oli_Graphic_Point_Load_H(14, 9, 1.5, "H");
    Oli_Graphic_Uniform_Load(1, 12, 5, 12, 1, 0.25, "q = 5 kN/m");
    Oli_Graphic_Trapezoid_Load(7, 12, 13, 12, 0.8, 1.6, 0.25, "p");
    Oli_Graphic_Line_Load_Y(14, 12, 15.5, 12, 0.6, 1.0);
    Oli_Graphic_Rebar_Label(/*x1=*/1, /*y1=*/15.5, /*x2=*/7, /*y2=*/15.5, /*h=*/0.1, /*grade=*/2,
                            /*diameter=*/4, /*spacing=*/15, /*area=*/13.4, /*cover=*/0.035,
                            /*value=*/2, /*position=*/3);
    Oli_Graphic_Section_Line(9, 15, 14, 15, 0.5, "A", "A");
    Member_Diagram d;
    Member_Diagram_Init(&d, 3);
    d.x1 = 1;
    d.y1 = 19;
    d.x2 = 7;
    d.y2 = 19;
    d.positions[1] = 3;
    d.positions[2] = 6;
    d.values[0] = 3;
    d.values[1] = -1;
    d.values[2] = 2;
    d.scale = 0.5;
    Oli_Graphic_Member_Diagram(&d);
    Member_Diagram_Free(&d);
    double cx[20], cy[20];
    for (int i = 0; i < 20; i++) {
        cx[i] = i;
        cy[i] = sin(i * 0.4) * 2 + 0.5;
    }
    Oli_Graphic_Chart(/*x0=*/9, /*y0=*/17, /*x1=*/15, /*y1=*/20.5, /*xv=*/cx, /*yv=*/cy, /*n=*/20,
                      /*mode=*/0, /*title=*/"Verlauf", /*text_height=*/0.25);
    Oli_Graphic_Fastener_Symbol(2, 0.6, 2, 22.5, 0);
    Oli_Graphic_Fastener_Symbol(3, 0.6, 3.5, 22.5, 0);
    Oli_Graphic_Fastener_Symbol(4, 0.3, 5, 22.5, 1.5);
    Oli_Graphic_Fastener_Symbol(6, 0.6, 8, 22.5, 0);
    Oli_Graphic_Fastener_Symbol(7, 0.6, 9.5, 22.5, 0);
    Oli_Graphic_Seam(11, 22, 15, 22, 0.5, 2);
    fputs(" -1\n", list);
    Oli_Graphic_Begin(list, 0, 0, 40, 20, 0.4, 0, nullptr);
    Oli_Graphic_Fastener_Symbol(0, 6, 10, 10, 0);
    Oli_Graphic_Fastener_Symbol(1, 6, 30, 10, 0);
    fputs(" -1\n", list);
}

TEST(OliDrawPage, EverySymbolMatchesGoldenFiles)
{
    Reset_Writers();
    FILE *list = fopen("drawing_page.oli", "wb");
    FILE *plot = fopen("drawing_page.SPF", "wb");
    ASSERT_NE(list, nullptr);
    ASSERT_NE(plot, nullptr);
    draw_page(list, plot);
    Plot_End();
    fclose(list);
    EXPECT_EQ(file_text("drawing_page.oli"),
              file_text(SPLICE_GOLDEN_DIR "/printlist/drawing_page.oli"));
    EXPECT_EQ(file_text("drawing_page.SPF"),
              file_text(SPLICE_GOLDEN_DIR "/printlist/drawing_page.SPF"));
}
