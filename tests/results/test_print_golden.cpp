/*
** Whole print lists and plot files of seven splices compared byte for byte with golden files:
** the three reference splices of the design run (side timbers with nails, inner plates with
** dowels and block shear, outer plates with bolts), a bending and a compression splice and a
** lap; each splice saved into its input file and read again prints the same, byte for byte.
** SPLICE_UPDATE_GOLDEN=1 writes the golden files instead of comparing.
*/
#include "tests/results/golden_splices.h"

#include <unistd.h>

#include <cstdlib>
#include <string>

#include "results/print_list.h"
#include "splice/splice_app.h"

static std::string Read_File(const std::string &path)
{
    std::string s;
    FILE *f = fopen(path.c_str(), "rb");
    if (f == nullptr) return "<missing " + path + ">";
    char buf[4096];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, f)) > 0) s.append(buf, n);
    fclose(f);
    return s;
}

static void Write_File(const std::string &path, const std::string &data)
{
    FILE *f = fopen(path.c_str(), "wb");
    ASSERT_NE(f, nullptr) << path;
    fwrite(data.data(), 1, data.size(), f);
    fclose(f);
}

/* First differing line of two texts, for the failure message. */
static std::string First_Difference(const std::string &a, const std::string &b)
{
    size_t line = 1, i = 0;
    while (i < a.size() && i < b.size() && a[i] == b[i]) {
        if (a[i] == '\n') line++;
        i++;
    }
    const size_t sa = a.rfind('\n', i == 0 ? 0 : i - 1), sb = b.rfind('\n', i == 0 ? 0 : i - 1);
    const size_t from_a = sa == std::string::npos ? 0 : sa + 1,
                 from_b = sb == std::string::npos ? 0 : sb + 1;
    return "line " + std::to_string(line)
           + ":\n  got:    " + a.substr(from_a, a.find('\n', from_a) - from_a)
           + "\n  golden: " + b.substr(from_b, b.find('\n', from_b) - from_b);
}

/* Write the print list and the plots of the splice named id and compare them with the golden
** files tests/golden/splice_print/<id>_01.oli and <id>01.SPF .. <id>03.SPF. */
static void Check_Golden(const char *id, const char *title, bool plots = true)
{
    snprintf(Bauteilkennung, sizeof Bauteilkennung, "%s", id);
    const std::string oli = std::string(id) + "_01.oli";
    const std::string names[4] = {oli, std::string(id) + "01.SPF", std::string(id) + "02.SPF",
                                  std::string(id) + "03.SPF"};
    /* files that an aborted earlier run left behind must not count as written now */
    for (const std::string &name : names) unlink(name.c_str());
    Set_Print_List_Names(oli.c_str(), title);
    Refresh_Char_Actions(); /* the actions' factors, as the program derives them before it prints */
    ASSERT_EQ(Write_Print_List(1), 0);
    const std::string dir = std::string(SPLICE_GOLDEN_DIR) + "/splice_print/";
    const char *update = getenv("SPLICE_UPDATE_GOLDEN");
    std::string got[4];
    for (int k = 0; k < 4; k++) {
        const std::string &name = names[k];
        if (k > 0 && !plots) {
            /* no drawing chosen: no plot file either */
            EXPECT_NE(access(name.c_str(), F_OK), 0) << name;
            continue;
        }
        got[k] = Read_File(name);
        if (update && update[0] == '1') {
            Write_File(dir + name, got[k]);
        } else {
            /* a missing golden file must not pass as an empty one */
            ASSERT_EQ(access((dir + name).c_str(), R_OK), 0) << dir + name << " missing";
            const std::string golden = Read_File(dir + name);
            EXPECT_TRUE(got[k] == golden) << name << " " << First_Difference(got[k], golden);
        }
        unlink(name.c_str());
    }

    /* One splice, one result: saved into its input file and read again, the splice prints the
    ** same list and plots, byte for byte; written again, the input file is the same. */
    const std::string inp = std::string(id) + "_rt.inp", again = std::string(id) + "_rt2.inp";
    FILE *f = fopen(inp.c_str(), "wb");
    ASSERT_NE(f, nullptr);
    ASSERT_EQ(Write_Splice_Input_Stream(f, &Splice_Input), 1);
    fclose(f);
    Set_Splice_Input_Defaults(&Splice_Input);
    f = fopen(inp.c_str(), "rb");
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(Read_Splice_Input_Stream(f, &Splice_Input, nullptr), 1);
    fclose(f);
    Refresh_Char_Actions(); /* the derived factors, as the program derives them after a load */
    ASSERT_EQ(Write_Print_List(1), 0);
    for (int k = 0; k < 4; k++) {
        if (k > 0 && !plots) continue;
        const std::string second = Read_File(names[k]);
        EXPECT_TRUE(second == got[k])
            << names[k] << " after the round trip " << First_Difference(second, got[k]);
        unlink(names[k].c_str());
    }
    f = fopen(again.c_str(), "wb");
    ASSERT_NE(f, nullptr);
    ASSERT_EQ(Write_Splice_Input_Stream(f, &Splice_Input), 1);
    fclose(f);
    EXPECT_TRUE(Read_File(again) == Read_File(inp)) << id;
    unlink(inp.c_str());
    unlink(again.c_str());
}

/* Build golden splice `id` and compare its print with the golden files. */
static void Check_Golden_Splice(const char *id)
{
    for (const Golden_Splice &g : Golden_Splices) {
        if (strcmp(g.id, id) != 0) continue;
        g.build();
        Check_Golden(g.id, g.title, g.plots);
        return;
    }
    FAIL() << "no golden splice " << id;
}

TEST(PrintGolden, SideTimbersWithNails) { Check_Golden_Splice("gold_nails"); }

TEST(PrintGolden, InnerPlatesWithDowelsAndBlockShear) { Check_Golden_Splice("gold_dowels"); }

TEST(PrintGolden, OuterPlatesWithBolts) { Check_Golden_Splice("gold_bolts"); }

TEST(PrintGolden, BendingSpliceWithDowels) { Check_Golden_Splice("gold_bending"); }

TEST(PrintGolden, CompressionSpliceWithBoltsWithoutAnnex)
{
    Check_Golden_Splice("gold_compression");
}

TEST(PrintGolden, LapWithDowels) { Check_Golden_Splice("gold_lap"); }

TEST(PrintGolden, GeneratedCombinationsWithCharacteristicActions)
{
    Check_Golden_Splice("gold_generated");
}

TEST(PrintGolden, SecondPrintEqualsTheFirst)
{
    /* the same splice printed twice in one run gives the same list and plots */
    Fresh_Splice(true);
    Set_Layout(4, 3);
    Splice_Input.L_user = 0;
    Set_Lkom(0, 0, 6.0, 10.0, 8.0);
    All_Sections();
    snprintf(Bauteilkennung, sizeof Bauteilkennung, "%s", "twice");
    Set_Print_List_Names("twice_01.oli", "Zweimal");
    ASSERT_EQ(Write_Print_List(1), 0);
    const std::string first = Read_File("twice_01.oli"), first_plot = Read_File("twice01.SPF");
    ASSERT_EQ(Write_Print_List(1), 0);
    EXPECT_TRUE(first == Read_File("twice_01.oli"))
        << First_Difference(Read_File("twice_01.oli"), first);
    EXPECT_TRUE(first_plot == Read_File("twice01.SPF"));
    for (const char *name : {"twice_01.oli", "twice01.SPF", "twice02.SPF", "twice03.SPF"})
        unlink(name);
}
