/*
** Tests of the splice's print list: the driver (validation only, invalid splice, file that
** cannot be created, order of the chapters, remarks, governing combination) and the input
** sections (fastener section, load tables, formula texts, system section).
*/
#include "results_test_util.h"

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <string>
#include <vector>

#include "foundation/codepage.h"
#include "foundation/screen_tools.h"
#include "platform/runtime.h"
#include "platform/zelkwin.h"
#include "results/print_list.h"
#include "results/splice_checks.h"
#include "tests/temp_folder.h"
#include "dialogs/dialogs.h"

static std::string Read_File(const char *path)
{
    std::string s;
    FILE *f = fopen(path, "rb");
    if (f == nullptr) return s;
    char buf[4096];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, f)) > 0) s.append(buf, n);
    fclose(f);
    return s;
}

static size_t Count(const std::string &s, const std::string &what)
{
    size_t n = 0;
    for (size_t p = s.find(what); p != std::string::npos; p = s.find(what, p + 1)) n++;
    return n;
}

/* The bolt splice with outer plates of the design-run tests: valid, two combinations. */
static void Valid_Bolt_Splice(void)
{
    Fresh_Splice(true);
    Splice_Input.connection_kind = CONN_OUTER_PLATES;
    Splice_Input.vbm_type = 30;
    Splice_Input.vbm_row = 3;
    Splice_Input.d = 12.0;
    Splice_Input.h_p = 24.0;
    Splice_Input.splice_kind = SPLICE_TENSION;
    Splice_Input.L_user = 0;
    Splice_Input.lkom.groups[0].kmod_source = 0;
    Splice_Input.lkom.groups[0].kmod = 0.9;
    Splice_Input.print.sections = 0;
    Set_Layout(2, 2);
    Set_Lkom(0, 0, 0.0, 40.0, 0.0);
    Set_Lkom(0, 1, 0.0, 60.0, 0.0);
}

/* Each test runs in its own process beside the others: one print list per test. */
static std::string Oli_Name_Of_Test(void)
{
    const ::testing::TestInfo *t = ::testing::UnitTest::GetInstance()->current_test_info();
    return std::string("print_") + t->name() + "_01.oli";
}
#define Oli_Name (Oli_Name_Of_Test().c_str())

/* ---------------------------------------------------------------- driver */

TEST(PrintList, ValidationOnlyWritesNoFile)
{
    Valid_Bolt_Splice();
    unlink(Oli_Name);
    Set_Print_List_Names(Oli_Name, "Stoss 1\n");
    EXPECT_STREQ(Get_Print_List_Title(), "Stoss 1");
    EXPECT_EQ(Write_Print_List(0), 0);
    EXPECT_NE(access(Oli_Name, F_OK), 0);

    /* an invalid splice answers its code without a file as well */
    Set_Layout(1, 1);
    EXPECT_EQ(Write_Print_List(0), 101);
    EXPECT_NE(access(Oli_Name, F_OK), 0);
}

/* The print list and the three plot files of the current print, by name. */
static std::vector<std::string> Print_Files(void)
{
    const std::string id = Bauteilkennung;
    return {Oli_Name, id + "01.SPF", id + "02.SPF", id + "03.SPF"};
}

static std::vector<std::string> Read_All(const std::vector<std::string> &names)
{
    std::vector<std::string> bytes;
    for (const std::string &n : names) bytes.push_back(Read_File(n.c_str()));
    return bytes;
}

/* No temporary file of a print is left beside the files. */
static void Expect_No_Temporary_Files(const std::vector<std::string> &names)
{
    for (const std::string &n : names)
        EXPECT_NE(access(Rt_Safe_Temp_Name_Of(n.c_str()), F_OK), 0) << n;
}

/* A valid print with its three drawings, so that four files stand in the folder. */
static void Valid_Print_With_Plots(const char *title)
{
    Valid_Bolt_Splice();
    Splice_Input.print.sections = (1 << 2) | (1 << 3) | (1 << 4);
    snprintf(Bauteilkennung, sizeof Bauteilkennung, "%s", "druck");
    Set_Print_List_Names(Oli_Name, title);
}

static bool Message_Says(const std::string &what)
{
    for (const std::string &l : ZW_Test_Log_Lines())
        if (l.rfind("MESSAGE", 0) == 0 && l.find(what) != std::string::npos) return true;
    return false;
}

TEST(PrintList, RefusedPrintKeepsTheLastPrintListAndPlots)
{
    ZW_Test_Reset();
    const int area = SVA_Create(10, 10, 600, 400, 0, 0);
    Set_Utilisation_Page_Area(area, 0, 0, 580, 380);

    Valid_Print_With_Plots("Stoss 1");
    ASSERT_EQ(Write_Print_List(1), 0);
    const std::vector<std::string> names = Print_Files();
    const std::vector<std::string> before = Read_All(names);
    EXPECT_NE(before[0].find("#OLI_BOOKMARK 17"), std::string::npos);
    for (size_t i = 1; i < before.size(); i++)
        EXPECT_NE(before[i].find("*EOI"), std::string::npos) << names[i];

    Set_Layout(1, 1); /* one fastener per half: code 101 */
    EXPECT_EQ(Write_Print_List(1), 101);
    /* nothing is written: the last good print list and its plots stay byte for byte */
    EXPECT_TRUE(Read_All(names) == before);
    Expect_No_Temporary_Files(names);
    /* the error box stands in the utilisation page's view area */
    const std::string text = Get_Error_Text(101);
    bool shown = false;
    for (const SVA_Item *it = SVA_Get(area)->first; it != nullptr; it = it->next)
        if (it->text != nullptr && text == it->text) shown = true;
    EXPECT_TRUE(shown) << text;
    SVA_Delete(area);
    Set_Utilisation_Page_Area(-1, 0, 0, 0, 0);
}

/*
** A disk that fills up during the print: whenever the bytes run out (before the first one, in
** the print list, in a plot file, just before the last one) the print fails with a box that
** names a file of the print and the reason, and the files of the last print stay byte for byte.
*/
TEST(PrintList, FullDiskKeepsTheLastPrintAndSaysWhy)
{
    Valid_Print_With_Plots("Stoss 1");
    ASSERT_EQ(Write_Print_List(1), 0);
    const std::vector<std::string> names = Print_Files();
    const std::vector<std::string> before = Read_All(names);
    long long total = 0;
    for (const std::string &b : before) total += (long long)b.size();
    ASSERT_GT(before[1].size(), 0u);

    /* the next print differs from the last one in its title */
    Set_Print_List_Names(Oli_Name, "Stoss 2");
    const long long budgets[] = {0, 1, (long long)before[0].size() / 2,
                                 (long long)before[0].size() + (long long)before[1].size() / 2,
                                 total - 1};
    for (long long budget : budgets) {
        SCOPED_TRACE(budget);
        ZW_Test_Reset();
        Rt_Set_Write_Budget(budget);
        EXPECT_EQ(Write_Print_List(1), WRITE_PRINT_LIST_NO_FILE);
        Rt_Set_Write_Budget(-1);
        EXPECT_TRUE(Read_All(names) == before);
        Expect_No_Temporary_Files(names);
        EXPECT_TRUE(Message_Says("Die Druckliste kann nicht erzeugt werden!"));
        EXPECT_TRUE(Message_Says("Der Datenträger ist voll."));
        EXPECT_TRUE(
            Message_Says("Die bisherige Druckliste und die Plotdateien bleiben unverändert."));
        bool named = false;
        for (const std::string &n : names) named = named || Message_Says("Die Datei " + n + " |");
        EXPECT_TRUE(named);
    }
    /* with room for every byte the new print replaces the old one */
    ZW_Test_Reset();
    Rt_Set_Write_Budget(total + 1000);
    EXPECT_EQ(Write_Print_List(1), 0);
    Rt_Set_Write_Budget(-1);
    const std::vector<std::string> after = Read_All(names);
    EXPECT_NE(after[0].find("Stoss 2"), std::string::npos);
    EXPECT_TRUE(std::vector<std::string>(after.begin() + 1, after.end())
                == std::vector<std::string>(before.begin() + 1, before.end()));
    EXPECT_FALSE(Message_Says("Fehler"));
    Expect_No_Temporary_Files(names);
}

/* A disk that takes every byte but fails to keep them when the files are closed (their sync):
** the print fails with the box and its reason, and the last print stays byte for byte. */
TEST(PrintList, AFailureWhenTheFilesAreClosedFailsThePrint)
{
    Valid_Print_With_Plots("Stoss 1");
    ASSERT_EQ(Write_Print_List(1), 0);
    const std::vector<std::string> names = Print_Files();
    const std::vector<std::string> before = Read_All(names);
    Set_Print_List_Names(Oli_Name, "Stoss 2");
    ZW_Test_Reset();
    Rt_Set_Sync_Error(EIO);
    EXPECT_EQ(Write_Print_List(1), WRITE_PRINT_LIST_NO_FILE);
    Rt_Set_Sync_Error(0);
    EXPECT_TRUE(Read_All(names) == before);
    Expect_No_Temporary_Files(names);
    EXPECT_TRUE(Message_Says("Die Druckliste kann nicht erzeugt werden!"));
    EXPECT_TRUE(Message_Says("Ein-/Ausgabefehler des Datenträgers."));
}

/* A temporary file of the print (a plot's, the print list's), or the name that keeps a file of
** the last print aside while the new one goes in (".old"), taken by a folder: the print fails and
** the box names that folder and what stands, also when there was no print before; nothing is put
** in place, not even the files that could be written. */
TEST(PrintList, AFileThatCannotBeCreatedFailsThePrint)
{
    Valid_Print_With_Plots("Stoss 1");
    const std::string list = Oli_Name_Of_Test();
    for (const std::string &temp : {std::string(Rt_Safe_Temp_Name_Of("druck02.SPF")),
                                    std::string(Rt_Safe_Temp_Name_Of(list.c_str())),
                                    std::string("druck01.SPF.old"), list + ".old"}) {
        SCOPED_TRACE(temp);
        ZW_Test_Reset();
        ASSERT_EQ(mkdir(temp.c_str(), 0755), 0);
        EXPECT_EQ(Write_Print_List(1), WRITE_PRINT_LIST_NO_FILE);
        EXPECT_TRUE(Message_Says("Die Datei " + temp
                                 + " | kann nicht geschrieben werden: | Der Name bezeichnet einen "
                                   "Ordner. | Es gab noch keine Druckliste; es wurde keine "
                                   "geschrieben."));
        for (const std::string &n : Print_Files()) EXPECT_NE(access(n.c_str(), F_OK), 0) << n;
        rmdir(temp.c_str());
    }
    EXPECT_EQ(Write_Print_List(1), 0);
    const std::vector<std::string> names = Print_Files();
    for (const std::string &n : names) EXPECT_EQ(access(n.c_str(), F_OK), 0) << n;
    /* with a print in place, the box says that it stays */
    const std::vector<std::string> before = Read_All(names);
    ZW_Test_Reset();
    ASSERT_EQ(mkdir((list + ".old").c_str(), 0755), 0);
    EXPECT_EQ(Write_Print_List(1), WRITE_PRINT_LIST_NO_FILE);
    EXPECT_TRUE(Message_Says("Die Datei " + list
                             + ".old | kann nicht geschrieben werden: | Der Name bezeichnet einen "
                               "Ordner. | Die bisherige Druckliste und die Plotdateien bleiben "
                               "unverändert."));
    EXPECT_TRUE(Read_All(names) == before);
    rmdir((list + ".old").c_str());
}

/* Runs while the files of a print go in place: a folder appears under a name (plant) just
** before the step numbered plant_at of those that change that name (0 the first), and is taken
** away again (lift) at the next step there, when the program puts the old file back. */
static std::string Folder_Name;
static int Folder_Plant_At = 0, Folder_Lift = 1, Folder_Calls = 0;
static void Folder_At_Install(const char *path)
{
    if (Folder_Name != path) return;
    const int call = Folder_Calls++;
    if (call == Folder_Plant_At) {
        unlink(path); /* the old file, which the print keeps aside */
        mkdir(path, 0755);
    } else if (call == Folder_Plant_At + 1 && Folder_Lift) {
        rmdir(path);
    }
}

static void Plant_Folder_At_Install(const std::string &name, int plant_at, int lift)
{
    Folder_Name = name;
    Folder_Plant_At = plant_at;
    Folder_Lift = lift;
    Folder_Calls = 0;
    Rt_Set_Install_Hook(Folder_At_Install);
}

/* No file kept aside (".old") of a print is left beside the files. */
static void Expect_Nothing_Aside(const std::vector<std::string> &names)
{
    for (const std::string &n : names) EXPECT_NE(access((n + ".old").c_str(), F_OK), 0) << n;
}

/* A file of the print that cannot be put in place: a folder of its name keeps every file of the
** print out before anything changes, the old PDF too; a file that fails to go in when some of
** the print's files are in already (a folder appears under its name) puts the old files back.
** Either way the print list and the plots are all of the old print, and the box says so. */
TEST(PrintList, AFileThatCannotBeRenamedFailsThePrint)
{
    Valid_Print_With_Plots("Stoss 1");
    ZW_Test_Reset();
    ASSERT_EQ(mkdir("druck01.SPF", 0755), 0);
    ASSERT_EQ(mkdir("druck01.SPF/drin", 0755), 0); /* a folder with something in it */
    EXPECT_EQ(Write_Print_List(1), WRITE_PRINT_LIST_NO_FILE);
    EXPECT_TRUE(Message_Says("Die Datei druck01.SPF | kann nicht geschrieben werden: | Der Name "
                             "bezeichnet einen Ordner. | Es gab noch keine Druckliste; es wurde "
                             "keine geschrieben."));
    for (const std::string &n : Print_Files()) {
        if (n != "druck01.SPF") { EXPECT_NE(access(n.c_str(), F_OK), 0) << n; }
        EXPECT_NE(access(Rt_Safe_Temp_Name_Of(n.c_str()), F_OK), 0) << n;
    }
    EXPECT_FALSE(Message_Says("PDF"));

    /* printed to a PDF: the folder keeps the old PDF in its place as well */
    const std::string pdf_name = Oli_Name_Of_Test() + ".pdf";
    auto put_old_pdf = [&]() {
        FILE *old_pdf = fopen(pdf_name.c_str(), "wb");
        ASSERT_NE(old_pdf, nullptr);
        fputs("%PDF- der letzte Druck\n", old_pdf);
        fclose(old_pdf);
    };
    auto print_to_pdf = [&]() {
        Print_Hold_Files(1);
        EXPECT_EQ(Write_Print_List(1), 0);
        Print_Hold_Files(0);
        Rt_Safe_File *pdf = Rt_Safe_Open(pdf_name.c_str());
        EXPECT_NE(pdf, nullptr);
        fputs("%PDF- der neue Druck\n", Rt_Safe_Stream(pdf));
        EXPECT_EQ(Rt_Safe_Finish(pdf), 1);
        return Print_Put_In_Place_With_Pdf(1, pdf);
    };
    put_old_pdf();
    ZW_Test_Reset();
    EXPECT_EQ(print_to_pdf(), 0);
    EXPECT_TRUE(Message_Says("Die Datei druck01.SPF |"));
    EXPECT_TRUE(Message_Says("Es gab noch keine Druckliste; es wurde keine geschrieben."));
    EXPECT_FALSE(Message_Says("wurde entfernt"));
    EXPECT_EQ(Read_File(pdf_name.c_str()), "%PDF- der letzte Druck\n");
    EXPECT_NE(access(Rt_Safe_Temp_Name_Of(pdf_name.c_str()), F_OK), 0);
    ASSERT_EQ(rmdir("druck01.SPF/drin"), 0);
    ASSERT_EQ(rmdir("druck01.SPF"), 0);

    /* print 1 in place; print 2 fails at its second plot, after the first went in: the old print
    ** list and all three plots come back, nothing is left aside */
    ZW_Test_Reset();
    ASSERT_EQ(Write_Print_List(1), 0);
    const std::vector<std::string> names = Print_Files();
    const std::vector<std::string> first = Read_All(names);
    Set_Print_List_Names(Oli_Name, "Stoss 2");
    Splice_Input.h_p = 30.0; /* other plots */
    ZW_Test_Reset();
    Plant_Folder_At_Install("druck02.SPF", 0, 1);
    EXPECT_EQ(Write_Print_List(1), WRITE_PRINT_LIST_NO_FILE);
    Rt_Set_Install_Hook(nullptr);
    EXPECT_EQ(Folder_Calls, 2); /* planted at the install, lifted at the put-back */
    EXPECT_TRUE(Message_Says("Die Datei druck02.SPF | kann nicht geschrieben werden: | Der Name "
                             "bezeichnet einen Ordner. | Die bisherige Druckliste und die "
                             "Plotdateien bleiben unverändert."));
    EXPECT_TRUE(Read_All(names) == first);
    Expect_No_Temporary_Files(names);
    Expect_Nothing_Aside(names);

    /* the same to a PDF: the old PDF left first and comes back with the rest */
    put_old_pdf();
    ZW_Test_Reset();
    Plant_Folder_At_Install("druck02.SPF", 0, 1);
    EXPECT_EQ(print_to_pdf(), 0);
    Rt_Set_Install_Hook(nullptr);
    EXPECT_TRUE(Message_Says("Die bisherige Druckliste und die Plotdateien bleiben unverändert."));
    EXPECT_FALSE(Message_Says("wurde entfernt"));
    EXPECT_TRUE(Read_All(names) == first);
    EXPECT_EQ(Read_File(pdf_name.c_str()), "%PDF- der letzte Druck\n");
    Expect_Nothing_Aside(names);
    Expect_Nothing_Aside({pdf_name});

    /* the folder stays where the old plot should go back: no print list stands, the old files
    ** stand aside, and the box says so; the next print puts them back first */
    ZW_Test_Reset();
    Plant_Folder_At_Install("druck02.SPF", 0, 0);
    EXPECT_EQ(Write_Print_List(1), WRITE_PRINT_LIST_NO_FILE);
    Rt_Set_Install_Hook(nullptr);
    EXPECT_TRUE(Message_Says("Es steht keine Druckliste. Die bisherige Druckliste und ihre "
                             "Plotdateien | stehen unter ihren Namen mit \".old\"; der nächste "
                             "Start stellt sie zurück."));
    EXPECT_NE(access(Oli_Name, F_OK), 0);
    EXPECT_EQ(Read_File((Oli_Name_Of_Test() + ".old").c_str()), first[0]);
    ASSERT_EQ(rmdir("druck02.SPF"), 0);
    Print_Remove_Stale_Files(); /* what the start does */
    EXPECT_TRUE(Read_All(names) == first);
    Expect_Nothing_Aside(names);

    /* the new PDF cannot go in last: the new print list and its plots stand, without a PDF */
    put_old_pdf();
    ZW_Test_Reset();
    Plant_Folder_At_Install(pdf_name, 1, 0); /* the old PDF leaves at step 0 */
    EXPECT_EQ(print_to_pdf(), 0);
    Rt_Set_Install_Hook(nullptr);
    EXPECT_TRUE(Message_Says("Die Datei " + pdf_name
                             + " | kann nicht geschrieben werden: | Der Name bezeichnet einen "
                               "Ordner. | Die neue Druckliste und ihre Plotdateien stehen, ohne "
                               "PDF-Datei. | Die PDF-Datei der bisherigen Druckliste wurde "
                               "entfernt."));
    EXPECT_NE(Read_File(Oli_Name).find("Stoss 2"), std::string::npos);
    EXPECT_TRUE(Read_All(names) != first);
    Expect_Nothing_Aside(names);
    ASSERT_EQ(rmdir(pdf_name.c_str()), 0);

    /* a print list put in place without a new PDF (the preview, the plans) takes the old PDF
    ** away first; one that cannot be taken away (a folder of its name) keeps every file out */
    const std::vector<std::string> second = Read_All(names);
    Set_Print_List_Names(Oli_Name, "Stoss 3");
    ASSERT_EQ(mkdir(pdf_name.c_str(), 0755), 0);
    ZW_Test_Reset();
    EXPECT_EQ(Write_Print_List(1), WRITE_PRINT_LIST_NO_FILE);
    EXPECT_TRUE(
        Message_Says("Die Datei " + pdf_name
                     + " | kann nicht entfernt werden: | Der Name bezeichnet einen Ordner. "
                       "| Die bisherige Druckliste und die Plotdateien bleiben unverändert."));
    EXPECT_FALSE(Message_Says("wurde entfernt"));
    EXPECT_TRUE(Read_All(names) == second);
    Expect_Nothing_Aside(names);
    ASSERT_EQ(rmdir(pdf_name.c_str()), 0);
    put_old_pdf();
    ZW_Test_Reset();
    EXPECT_EQ(Write_Print_List(1), 0);
    EXPECT_NE(access(pdf_name.c_str(), F_OK), 0);
    for (const std::string &n : Print_Files()) EXPECT_EQ(access(n.c_str(), F_OK), 0) << n;
    /* a print list that holds the bytes of the one in place keeps the PDF printed from it */
    put_old_pdf();
    EXPECT_EQ(Write_Print_List(1), 0);
    EXPECT_EQ(Read_File(pdf_name.c_str()), "%PDF- der letzte Druck\n");

    /* a print without the cross section takes the old cross section away with the rest */
    Splice_Input.print.sections = (1 << 2) | (1 << 3);
    ZW_Test_Reset();
    EXPECT_EQ(Write_Print_List(1), 0);
    EXPECT_NE(access("druck03.SPF", F_OK), 0);
    Expect_Nothing_Aside(names);
}

/* Runs at each step of a print that changes a file: at the removal of the old PDF (Refused_Pdf)
** the working folder lets nothing be taken away (no write permission; root, whom no permission
** stops, is the user nobody for that step), as a folder of another user's does; at the next step
** the folder and the user are as before. No privilege is needed, as the immutable flag needs. */
static std::string Refused_Pdf;
static mode_t Refusing_Mode = 0; /* the folder's mode while it refuses, else 0 */
static uid_t Refusing_User = 0;
static void End_Refusal(void)
{
    if (Refusing_Mode == 0) return;
    if (Refusing_User == 0 && seteuid(0) != 0) ADD_FAILURE() << "seteuid(0): " << errno;
    if (chmod(".", Refusing_Mode) != 0) ADD_FAILURE() << "chmod: " << errno;
    Refusing_Mode = 0;
}
static void Refuse_The_Removal(const char *path)
{
    if (Refusing_Mode != 0) {
        End_Refusal();
        return;
    }
    struct stat st;
    if (Refused_Pdf != path || stat(".", &st) != 0) return;
    Refusing_Mode = st.st_mode & 07777;
    Refusing_User = geteuid();
    if (chmod(".", 0555) != 0) ADD_FAILURE() << "chmod: " << errno;
    if (Refusing_User == 0 && seteuid(65534) != 0) ADD_FAILURE() << "seteuid(65534): " << errno;
}

/* An old PDF that cannot be taken away (its folder refuses) keeps every file of the print out:
** the box names it and says what stands, the last print list and its plots, which stand byte for
** byte, the PDF too, with nothing left aside. */
TEST(PrintList, APdfThatCannotBeRemovedKeepsTheLastPrintAndSaysSo)
{
    Valid_Print_With_Plots("Stoss 1");
    ASSERT_EQ(Write_Print_List(1), 0);
    const std::string pdf = Oli_Name_Of_Test() + ".pdf";
    FILE *old_pdf = fopen(pdf.c_str(), "wb");
    ASSERT_NE(old_pdf, nullptr);
    fputs("%PDF- der letzte Druck\n", old_pdf);
    fclose(old_pdf);
    Refused_Pdf = pdf;
    struct Refused {
        ~Refused()
        {
            Rt_Set_Install_Hook(nullptr);
            End_Refusal();
        }
    } refused;
    Rt_Set_Install_Hook(Refuse_The_Removal);
    const std::vector<std::string> names = Print_Files();
    const std::vector<std::string> before = Read_All(names);
    Set_Print_List_Names(Oli_Name, "Stoss 2");
    ZW_Test_Reset();
    EXPECT_EQ(Write_Print_List(1), WRITE_PRINT_LIST_NO_FILE);
    EXPECT_TRUE(Message_Says("Die Datei " + pdf
                             + " | kann nicht entfernt werden: | Keine Berechtigung für diese "
                               "Datei. | Die bisherige Druckliste und die Plotdateien bleiben "
                               "unverändert."));
    EXPECT_FALSE(Message_Says("wurde entfernt"));
    EXPECT_TRUE(Read_All(names) == before);
    EXPECT_EQ(Read_File(pdf.c_str()), "%PDF- der letzte Druck\n");
    Expect_Nothing_Aside(names);
    Expect_Nothing_Aside({pdf});
}

/* The lines of the message boxes logged with the given head ("MESSAGE [Fehler] "), in order. */
static std::vector<std::string> Box_Lines(const std::string &head)
{
    std::vector<std::string> lines;
    for (const std::string &l : ZW_Test_Log_Lines()) {
        if (l.rfind(head, 0) != 0) continue;
        for (size_t from = head.size(), bar; from <= l.size(); from = bar + 3) {
            bar = l.find(" | ", from);
            if (bar == std::string::npos) bar = l.size();
            lines.push_back(l.substr(from, bar - from));
        }
    }
    return lines;
}

/* A print list in a deep folder: its PDF's name, 1027 bytes, is longer than a path buffer of 1024
** bytes. A folder of that name keeps the print out, and the box names the whole path, broken
** over as many lines as it takes, each of which the box can show. */
TEST(PrintList, TheFailureBoxShowsTheWholeOfALongPath)
{
    Valid_Print_With_Plots("Stoss 1");
    std::string dir;
    for (int i = 0; i < 4; i++) { /* four folders of 200 characters */
        dir += (i ? "/" : "") + std::string(200, (char)('a' + i));
        ASSERT_EQ(mkdir(dir.c_str(), 0755), 0);
    }
    const std::string list = dir + "/" + std::string(1023 - dir.size() - 1 - 7, 'x') + "_01.oli";
    ASSERT_EQ(list.size(), 1023u);
    const std::string pdf = list + ".pdf";
    ASSERT_EQ(mkdir(pdf.c_str(), 0755), 0);
    Set_Print_List_Names(list.c_str(), "Stoss 1");
    ZW_Test_Reset();
    EXPECT_EQ(Write_Print_List(1), WRITE_PRINT_LIST_NO_FILE);
    std::vector<std::string> lines = Box_Lines("MESSAGE [Fehler] ");
    const auto first = std::find_if(lines.begin(), lines.end(), [](const std::string &l) {
        return l.rfind("Die Datei ", 0) == 0;
    });
    const auto after = std::find(lines.begin(), lines.end(), "kann nicht entfernt werden:");
    ASSERT_NE(first, lines.end());
    ASSERT_NE(after, lines.end());
    std::string named;
    for (auto l = first; l != after; ++l) {
        named += *l;
        EXPECT_LE(Text_Width_In_Font(l->c_str(), 0x1000), NPIXEL_X - 76) << *l;
    }
    EXPECT_EQ(named, "Die Datei " + pdf);
    EXPECT_GT(after - first, 1);
    EXPECT_TRUE(Message_Says("| Der Name bezeichnet einen Ordner. | Es gab noch keine Druckliste; "
                             "es wurde keine geschrieben."));
    ASSERT_EQ(system("rm -rf aaaaaaaaaa*"), 0);

    /* A sentence breaks between its words, never inside one (the blank stays at the end of its
    ** line), where no folder's name of its path ends late enough in the line: the box of an
    ** unsaved input's copy, its words moved along the line by a first word of 1 to 6 characters */
    for (int k = 1; k <= 6; k++) {
        const std::string said =
            std::string(k, 'S')
            + " Eingaben stehen in der Datei /home/planung/"
              "Stoss_01.inp.ungespeichert; die Eingabedatei Stoss_01.inp blieb, "
              "wie sie zuletzt gespeichert wurde, und Speichern schreibt die "
              "Eingaben der Kopie erst dann in die Eingabedatei, wenn die Seiten "
              "sie zeigen.";
        ZW_Test_Reset();
        Init_Message();
        Fill_Message_Wrapped(said.c_str());
        Draw_Message();
        lines = Box_Lines("MESSAGE [] ");
        ASSERT_GT(lines.size(), 1u);
        named.clear();
        for (size_t n = 0; n < lines.size(); n++) {
            named += lines[n];
            EXPECT_LE(Text_Width_In_Font(lines[n].c_str(), 0x1000), NPIXEL_X - 76) << lines[n];
            if (n + 1 < lines.size()) {
                EXPECT_TRUE(lines[n].back() == ' ' || lines[n].back() == '/') << lines[n];
            }
        }
        EXPECT_EQ(named, said);
    }
}

/* Another process (a second window, a window of another machine on the folder) writes the print
** list, or starts a print of its own and clears what killed prints left, while this print puts its
** files in place: it never takes this print's work files, and the print stands whole, its own
** print list beside its own plots, as its success says. */
static void Second_Writer_Of_The_List(const char *)
{
    Rt_Set_Install_Hook(nullptr);
    const pid_t child = fork();
    if (child == 0) {
        Rt_Safe_File *other = Rt_Safe_Open(Oli_Name);
        fputs("Stoss 2\n", Rt_Safe_Stream(other));
        _exit(Rt_Safe_Commit(other) ? 0 : 1);
    }
    waitpid(child, nullptr, 0);
}

static void Second_Window_Starts_A_Print(const char *)
{
    Rt_Set_Install_Hook(nullptr);
    const pid_t child = fork();
    if (child == 0) {
        Print_Remove_Stale_Files();
        _exit(0);
    }
    waitpid(child, nullptr, 0);
}

/* Another window puts its own first plot in place while this print puts in its second, drops
** this print's copy of the old first plot, and takes the work file of its print list. */
static void Other_Window_Takes_Plot_1(const char *path)
{
    if (strcmp(path, "druck02.SPF") != 0) return;
    Rt_Set_Install_Hook(nullptr);
    FILE *f = fopen("druck01.SPF.anderes", "wb");
    fputs("anderes Fenster\n", f);
    fclose(f);
    rename("druck01.SPF.anderes", "druck01.SPF");
    unlink("druck01.SPF.old");
    unlink(Rt_Safe_Temp_Name_Of(Oli_Name));
}

TEST(PrintList, ASecondWriterNeverTakesThePrintsWorkFiles)
{
    for (void (*writer)(const char *) : {Second_Writer_Of_The_List, Second_Window_Starts_A_Print}) {
        ZW_Test_Reset();
        Valid_Print_With_Plots("Stoss 1");
        Rt_Set_Install_Hook(writer);
        EXPECT_EQ(Write_Print_List(1), 0);
        Rt_Set_Install_Hook(nullptr);
        EXPECT_NE(Read_File(Oli_Name).find("Stoss 1"), std::string::npos);
        for (const std::string &n : Print_Files()) EXPECT_EQ(access(n.c_str(), F_OK), 0) << n;
        EXPECT_FALSE(Message_Says("Die Druckliste kann nicht erzeugt werden!"));
    }
    /* a print of a window whose lock file was removed and taken by a window that its hold on the
    ** folder does not reach (of another machine) puts nothing in place, and says why; a window of
    ** this machine finds the component held */
    Rt_Lock *mine = Rt_Lock_Take("druck.lck", nullptr, nullptr, 0);
    ASSERT_NE(mine, nullptr);
    Print_Set_Lock(mine);
    const std::vector<std::string> before = Read_All(Print_Files());
    Print_Hold_Files(1);
    Set_Print_List_Names(Oli_Name, "Stoss 3");
    ASSERT_EQ(Write_Print_List(1), 0);
    Print_Hold_Files(0);
    unlink("druck.lck");
    int state = -1;
    EXPECT_EQ(Rt_Lock_Take("druck.lck", &state, nullptr, 0), nullptr);
    EXPECT_EQ(state, RT_LOCK_HELD);
    const int other = open("druck.lck", O_RDWR | O_CREAT | O_EXCL, 0666);
    ASSERT_GE(other, 0);
    ASSERT_EQ(flock(other, LOCK_EX | LOCK_NB), 0);
    EXPECT_EQ(Print_Put_In_Place(1), 0);
    Print_Set_Lock(nullptr);
    close(other);
    unlink("druck.lck");
    Rt_Lock_Release(mine);
    EXPECT_TRUE(Message_Says("Dieses Fenster hält das Bauteil nicht mehr: | Die Sperrdatei des "
                             "Bauteils wurde entfernt oder ersetzt; ein anderes Fenster kann es "
                             "geöffnet haben. | Die bisherige Druckliste und die Plotdateien "
                             "bleiben unverändert."));
    EXPECT_TRUE(Read_All(Print_Files()) == before);
    Expect_No_Temporary_Files(Print_Files());
    /* a print that fails puts back what it kept aside and takes away only its own plots: the
    ** plot another window put in place meanwhile stays, and the box names it */
    ZW_Test_Reset();
    Rt_Set_Install_Hook(Other_Window_Takes_Plot_1);
    EXPECT_EQ(Write_Print_List(1), WRITE_PRINT_LIST_NO_FILE);
    Rt_Set_Install_Hook(nullptr);
    EXPECT_EQ(Read_File("druck01.SPF"), "anderes Fenster\n");
    EXPECT_TRUE(Read_All(Print_Files())[0] == before[0]);
    EXPECT_TRUE(Read_All(Print_Files())[2] == before[2]);
    EXPECT_TRUE(Message_Says("Ein anderes Programm oder Fenster hat die Arbeitsdatei entfernt "
                             "oder ersetzt. | Die bisherige Druckliste steht wieder; die Plotdatei "
                             "| druck01.SPF hat inzwischen ein anderes Programm oder Fenster "
                             "geschrieben."));
}

/* Held files: the print is complete and synced but not in place until the caller says so; a
** print held again drops the one held before. Outside a print a plot file goes in place at once. */
TEST(PrintList, HeldPrintGoesInPlaceOnlyWhenToldTo)
{
    Valid_Print_With_Plots("Stoss 1");
    Print_Hold_Files(1);
    ASSERT_EQ(Write_Print_List(1), 0);
    const std::string held = Print_Held_List_Path();
    EXPECT_EQ(held, Rt_Safe_Temp_Name_Of(Oli_Name_Of_Test().c_str()));
    EXPECT_NE(Read_File(held.c_str()).find("Stoss 1"), std::string::npos);
    for (const std::string &n : Print_Files()) EXPECT_NE(access(n.c_str(), F_OK), 0) << n;
    /* the next print held drops this one */
    Set_Print_List_Names(Oli_Name, "Stoss 2");
    ASSERT_EQ(Write_Print_List(1), 0);
    Print_Hold_Files(0);
    for (const std::string &n : Print_Files()) EXPECT_NE(access(n.c_str(), F_OK), 0) << n;
    EXPECT_EQ(Print_Put_In_Place(1), 1);
    EXPECT_EQ(std::string(Print_Held_List_Path()), "");
    EXPECT_NE(Read_File(Oli_Name).find("Stoss 2"), std::string::npos);
    for (const std::string &n : Print_Files()) {
        EXPECT_EQ(access(n.c_str(), F_OK), 0) << n;
        EXPECT_NE(access(Rt_Safe_Temp_Name_Of(n.c_str()), F_OK), 0) << n;
    }
    /* dropped: the files in place stay, the held ones go */
    const std::vector<std::string> before = Read_All(Print_Files());
    Print_Hold_Files(1);
    Set_Print_List_Names(Oli_Name, "Stoss 3");
    Splice_Input.print.sections = 0; /* a print list alone */
    ASSERT_EQ(Write_Print_List(1), 0);
    Print_Hold_Files(0);
    EXPECT_EQ(std::string(Print_Held_List_Path()),
              Rt_Safe_Temp_Name_Of(Oli_Name_Of_Test().c_str()));
    EXPECT_EQ(Print_Put_In_Place(0), 1);
    EXPECT_TRUE(Read_All(Print_Files()) == before);
    EXPECT_NE(access(Rt_Safe_Temp_Name_Of(Oli_Name_Of_Test().c_str()), F_OK), 0);
    /* after the print, a drawing written on its own puts its plot file in place at once */
    unlink("druck01.SPF");
    FILE *f = tmpfile();
    Plot_Ansicht_01(f);
    fclose(f);
    EXPECT_NE(Read_File("druck01.SPF").find("*EOI"), std::string::npos);
}

/* A print removes what a killed print of this component left behind, also the files it does not
** write this time (a list without drawings), and nothing of another name. */
TEST(PrintList, APrintRemovesWhatAKilledPrintLeft)
{
    ZW_Test_Reset();
    Valid_Print_With_Plots("Stoss 1");
    Splice_Input.print.sections = 0; /* the print list alone */
    const std::vector<std::string> stale = {Oli_Name_Of_Test() + ".tmp",
                                            Oli_Name_Of_Test() + ".pdf.tmp", "druck01.SPF.tmp",
                                            "druck02.SPF.tmp", "druck03.SPF.tmp"};
    const std::vector<std::string> others = {"druck04.SPF.tmp", "andere01.SPF.tmp",
                                             Oli_Name_Of_Test() + ".tmp.alt"};
    for (const std::string &n : stale) {
        FILE *f = fopen(n.c_str(), "wb");
        ASSERT_NE(f, nullptr);
        fputs("alt\n", f);
        fclose(f);
    }
    for (const std::string &n : others) {
        FILE *f = fopen(n.c_str(), "wb");
        ASSERT_NE(f, nullptr);
        fputs("bleibt\n", f);
        fclose(f);
    }
    EXPECT_EQ(Write_Print_List(1), 0);
    for (const std::string &n : stale) EXPECT_NE(access(n.c_str(), F_OK), 0) << n;
    for (const std::string &n : others) {
        EXPECT_EQ(Read_File(n.c_str()), "bleibt\n") << n;
        unlink(n.c_str());
    }
}

/* The utilisation of the fasteners, row "Verbindungsmittel" of the list. */
static double Fastener_Utilisation(void)
{
    const Utilisation_List *u = &Splice_Input.utilisation;
    for (int i = 0; i < u->count; i++)
        if (strcmp(u->name[i], "Verbindungsmittel") == 0) return u->value[i];
    return -1.0;
}

/* Activate the user annex 1.NAD below DRAM and print the bolt splice with it: the fasteners'
** utilisation, and the print list through *list. */
static double Print_With_User_Annex(const std::string &file, const std::string &dram,
                                    std::string *list)
{
    FILE *f = fopen((dram + "/NADS/1.NAD").c_str(), "wb");
    fwrite(file.data(), 1, file.size(), f);
    fclose(f);
    Valid_Bolt_Splice();
    Set_Active_NAD("\x99sterreich");
    Nad_Params = Get_NAD_EC5_Params();
    Nad_EC3_Params_Ptr = Get_NAD_EC3_Params();
    Set_Print_List_Names(Oli_Name, "Stoss 8");
    EXPECT_EQ(Write_Print_List(1), 0);
    *list = Read_File(Oli_Name);
    int code = -1;
    Splice_Calc_Checked(&code);
    EXPECT_EQ(code, 0);
    return Fastener_Utilisation();
}

/* A user annex with gamma_M 1.5 for connections, read whole, is named in the heading of the
** checks; cut inside "#EC5", the heading names the blocks that hold the built-in values, and the
** design takes the built-in gamma_M 1.3 for the whole block. F_v,Rd = k_mod F_v,Rk / gamma_M
** (EN 1995-1-1, eq. (2.17)): the fasteners' utilisation with 1.5 is 1.5 / 1.3 = 1.153846 times
** that with 1.3. */
TEST(PrintList, DamagedAnnexNamesTheBlocksThatHoldTheBuiltInValues)
{
    ZW_Test_Reset();
    const std::string dram = Make_Temp_Folder("annex_");
    ASSERT_FALSE(dram.empty());
    mkdir((dram + "/NADS").c_str(), 0755);
    setenv("DRAM", dram.c_str(), 1);
    Clear_NAD_State();
    NAD_Record *a = static_cast<NAD_Record *>(calloc(1, sizeof(NAD_Record)));
    Reset_NAD_Record(a);
    a->flag_index = 3;
    snprintf(a->name, sizeof a->name, "%s", "\x99sterreich");
    a->ec5.gamma_m_connections = 1.5;
    FILE *w = tmpfile();
    Write_NAD_File(w, a);
    free(a);
    std::string whole(size_t(ftell(w)), '\0');
    rewind(w);
    ASSERT_EQ(fread(&whole[0], 1, whole.size(), w), whole.size());
    fclose(w);

    std::string list;
    const double u15 = Print_With_User_Annex(whole, dram, &list);
    EXPECT_NE(list.find("Nachweise nach DIN EN 1995, \x99sterreich (benutzerdefiniert)\n"),
              std::string::npos);
    EXPECT_EQ(list.find("teils eingebaute Vorgabewerte"), std::string::npos);

    const std::string cut = whole.substr(0, whole.find(" 0.60 0.80 2.00", whole.find("#EC5")));
    const double u13 = Print_With_User_Annex(cut, dram, &list);
    EXPECT_NE(list.find("Nachweise nach DIN EN 1995, \x99sterreich (benutzerdefiniert), teils "
                        "eingebaute Vorgabewerte"),
              std::string::npos);
    EXPECT_NE(list.find("Das Anwendungsdokument \"\x99sterreich (benutzerdefiniert)\" konnte nicht "
                        "ganz gelesen werden: f\x81r #EC5 (EN 1995), #EC6 (EN 1996) und #EC9 "
                        "(EN 1999) wurde mit den eingebauten Vorgabewerten \"EC-Standard\" "
                        "bemessen."),
              std::string::npos)
        << list.substr(list.find("Nachweise nach DIN EN"), 400);
    ASSERT_GT(u13, 0.0);
    EXPECT_NEAR(u15 / u13, 1.5 / 1.3, 1e-9);

    /* "#EC5" once more behind the file: which copy holds is not known, the block takes the
    ** built-in gamma_M 1.3 */
    const size_t ec5 = whole.find("#EC5\n");
    const std::string twice = whole + "\n" + whole.substr(ec5, whole.find("#EC6\n") - ec5);
    EXPECT_NEAR(Print_With_User_Annex(twice, dram, &list), u13, 1e-12);
    EXPECT_NE(list.find("teils eingebaute Vorgabewerte"), std::string::npos);
    /* cut inside "#EC0": no block comes from the file, the heading says so */
    const std::string ec0_cut = whole.substr(0, whole.find("\n", whole.find("#EC0\n") + 5) + 1);
    EXPECT_NEAR(Print_With_User_Annex(ec0_cut, dram, &list), u13, 1e-12);
    EXPECT_NE(list.find("Nachweise nach DIN EN 1995, eingebaute Vorgabewerte EC-Standard\n"),
              std::string::npos);
    EXPECT_EQ(list.find("teils eingebaute Vorgabewerte"), std::string::npos);
    /* gamma_M of the connections as no plain decimal number ("%lf" read 0x10 as 16 and 0x1p+0
    ** as 1) or outside 1.0 .. 5.0: damage as a word, the block takes the built-in gamma_M 1.3 */
    const size_t conn = whole.find("1.500000", whole.find("#EC5\n"));
    for (const char *bad : {"0x10", "0x1p+0", "1e300", "0.5", "0", "-1.5", "5.01"}) {
        SCOPED_TRACE(bad);
        const std::string text = std::string(whole).replace(conn, 8, bad);
        EXPECT_NEAR(Print_With_User_Annex(text, dram, &list), u13, 1e-12);
        EXPECT_NE(list.find("teils eingebaute Vorgabewerte"), std::string::npos);
    }
    unsetenv("DRAM");
    Clear_NAD_State();
    const std::string rm = "rm -rf '" + dram + "'";
    EXPECT_EQ(system(rm.c_str()), 0);
}

TEST(PrintList, UnwritableListIsReportedToTheCaller)
{
    ZW_Test_Reset();
    Valid_Bolt_Splice();
    Set_Print_List_Names("no_such_folder_for_splice/x_01.oli", "Stoss");
    EXPECT_EQ(Write_Print_List(1), WRITE_PRINT_LIST_NO_FILE);
    const std::vector<std::string> log = ZW_Test_Log_Lines();
    bool box = false;
    for (const std::string &l : log)
        if (l.find("Die Druckliste kann nicht erzeugt werden!") != std::string::npos) box = true;
    EXPECT_TRUE(box);
    /* an invalid splice keeps its own code */
    Set_Layout(1, 1);
    EXPECT_EQ(Write_Print_List(1), 101);
}

TEST(PrintList, OrderOfTheChaptersAndGoverningCombination)
{
    Valid_Bolt_Splice();
    Set_Print_List_Names(Oli_Name, "Stoss 7");
    ASSERT_EQ(Write_Print_List(1), 0);
    const std::string s = Read_File(Oli_Name);
    const std::string head = "#OLI_SETFLAGS 0x380\n#OLI_SETLAYOUT 4115\n#CONTENTS\n Stoss 7\n \n";
    ASSERT_EQ(s.compare(0, head.size(), head), 0) << s.substr(0, 80);
    const size_t input = s.find("Eingabedaten");
    const size_t vbm = s.find("Verbindungsmittel", input);
    const size_t lkom = s.find(" Bemessungsschnittgr\x94\xE1"
                               "en (Zugsto\xE1)");
    const size_t system = s.find("Systemdarstellung");
    /* no annex file here: the heading names the built-in values the design took, and why */
    const size_t checks = s.find("Nachweise nach DIN EN 1995, eingebaute Vorgabewerte EC-Standard");
    ASSERT_NE(checks, std::string::npos) << s;
    EXPECT_NE(s.find("Das Anwendungsdokument \"Deutschland\" konnte nicht gelesen werden: "
                     "bemessen wurde mit den eingebauten Vorgabewerten \"EC-Standard\"."),
              std::string::npos);
    ASSERT_NE(input, std::string::npos);
    ASSERT_NE(lkom, std::string::npos) << s;
    EXPECT_LT(input, vbm);
    EXPECT_LT(vbm, lkom);
    EXPECT_LT(lkom, system);
    EXPECT_LT(system, checks);
    /* no remarks, no generated combinations */
    EXPECT_EQ(s.find("Vorbemerkungen"), std::string::npos);
    EXPECT_EQ(s.find("Charakteristische"), std::string::npos);
    /* the governing combination only: N_d = 60 kN of the two (40, 60) loads every part most, so
    ** the second of the table governs, and so it does each partial check; the class of group 0
    ** is 0, "ständig"; it is named as on the utilisation page, row 2 of the table being the
    ** second combination of the only group */
    EXPECT_NE(s.find("Ma\xE1gebende Lastkombination"), std::string::npos);
    EXPECT_EQ(s.find("Lastkombination 1"), std::string::npos);
    EXPECT_NE(s.find("\n Nr. 2 (Gruppe 1, Kombination 2), Klasse der Lasteinwirkungsdauer: "
                     "st\x84ndig, Nutzungsklasse "),
              std::string::npos)
        << s;
    EXPECT_NE(s.find("Gr\x94\xE1te Ausnutzung der einzelnen Nachweise \x81"
                     "ber alle Lastkombinationen:"),
              std::string::npos);
    EXPECT_NE(s.find("Verbindungsmittel: u = "), std::string::npos);
    EXPECT_EQ(s.find("in Lastkombination Nr. 1"), std::string::npos) << s;
    EXPECT_NE(s.find("in Lastkombination Nr. 2 (Gruppe 1, Kombination 2)"), std::string::npos);
    EXPECT_NE(s.find("Lochleibung: u = "), std::string::npos);

    /* all combinations: numbered headings; DIN without an annex */
    Splice_Input.print.combinations = 1;
    Use_Annex(false);
    ASSERT_EQ(Write_Print_List(1), 0);
    const std::string all = Read_File(Oli_Name);
    EXPECT_NE(all.find("Lastkombination Nr. 1 (Gruppe 1, Kombination 1)"), std::string::npos);
    EXPECT_NE(all.find("Lastkombination Nr. 2 (Gruppe 1, Kombination 2)"), std::string::npos);
    EXPECT_NE(all.find("Nachweise nach DIN 1052:2008"), std::string::npos);
    unlink(Oli_Name);
}

TEST(PrintList, RemarksAndCharacteristicActions)
{
    Valid_Bolt_Splice();
    Set_Print_List_Names(Oli_Name, "Stoss");
    Splice_Input.Vorbemerkungen_Text = (char *)malloc(1);
    Splice_Input.Vorbemerkungen_Text[0] = '\0';
    ASSERT_EQ(Write_Print_List(1), 0);
    EXPECT_EQ(Read_File(Oli_Name).find("Vorbemerkungen"), std::string::npos);

    free(Splice_Input.Vorbemerkungen_Text);
    /* the user's own 0xCE ("╬") is written doubled: it prints as itself, never as underlined */
    Splice_Input.Vorbemerkungen_Text = strdup("Anschluss der Pfette \xCEunten an den Binder");
    Splice_Input.lkom_generated = 1;
    Splice_Input.Char_Actions[0].used = 1;
    Splice_Input.Char_Actions[0].N_k = 20.0;
    ASSERT_EQ(Write_Print_List(1), 0);
    const std::string s = Read_File(Oli_Name);
    const size_t remarks = s.find("\xCEHVorbemerkungen\n");
    const size_t text = s.find("Anschluss der Pfette \xCE\xCEunten an den Binder");
    const size_t input = s.find("Eingabedaten");
    const size_t actions = s.find(" Charakteristische Schnittgr\x94\xE1"
                                  "en");
    const size_t lkom = s.find(" Bemessungsschnittgr");
    ASSERT_NE(remarks, std::string::npos) << s.substr(0, 400);
    EXPECT_LT(remarks, text);
    EXPECT_LT(text, input);
    ASSERT_NE(actions, std::string::npos);
    EXPECT_LT(actions, lkom);
    unlink(Oli_Name);
}

/* ---------------------------------------------------------------- small texts */

TEST(PrintTables, KledNamesAndFormulaText)
{
    EXPECT_STREQ(Get_Kled_Name(0), "st\x84ndig");
    EXPECT_STREQ(Get_Kled_Name(5), "kurz/sehr kurz");
    EXPECT_STREQ(Get_Kled_Name(6), "au\xE1"
                                   "ergew\x94hnlich");
    EXPECT_STREQ(Get_Kled_Name(8), "frei");
    EXPECT_STREQ(Get_Kled_Name(9), "undefiniert");
    EXPECT_STREQ(Get_Kled_Name(-1), "undefiniert");

    Fresh_Splice(true);
    /* actions 1 and 3 (numbers 0 and 2) of class 2: 1.35*LF1 + 0.70*1.50*LF3 / mittel */
    Lkom_Entry *c = Set_Lkom(0, 0, 0, 0, 0);
    c->actions[0] = 0;
    c->factors[0][0] = 1.35;
    c->factors[0][1] = 1.0;
    c->actions[1] = 2;
    c->factors[1][0] = 1.5;
    c->factors[1][1] = 0.7;
    c->kled = 2;
    EXPECT_STREQ(Lkom_Formula_Text(0, 0, 255), "1.35*LF1 + 0.70*1.50*LF3 / mittel");
    EXPECT_STREQ(Lkom_Formula_Text(0, 0, 9), "1.35*LF1");
    /* accidental: permanent actions without factor, the others with their second factor */
    c->accidental = 1;
    EXPECT_STREQ(Lkom_Formula_Text(0, 0, 255), "LF1 + 0.70*LF3 / Erdbeben");
    EXPECT_STREQ(Lkom_Formula_Text(11, 0, 255), "");
}

/* A tension splice lists every combination that holds an action, those it leaves out for the
** sign of N_d with their values and the mark "nicht nachgewiesen", numbered on with the others:
** of 40, 60 and -30 kN the third is Nr. 3 of the table, as the note below it names it, and says
** that the compression splice checks it. */
TEST(PrintTables, TensionListsEveryCombinationAndMarksThoseLeftOut)
{
    Valid_Bolt_Splice();
    Set_Lkom(0, 2, 0.0, -30.0, 0.0); /* compression in a tension splice: listed, not checked */
    Get_Lkom_Entry(0, 1)->accidental = 1;
    snprintf(Get_Lkom_Entry(0, 1)->comment, LKOM_COMMENT_MAX + 1, "%s", "Wind \xCEt links");
    const char *longest =
        "Schnee und Wind von links, Dachrand zwischen Achse 7 und 9 \xCE Pos. 17.3";
    snprintf(Get_Lkom_Entry(0, 0)->comment, LKOM_COMMENT_MAX + 1, "%s", longest);
    ASSERT_EQ(Prepare_Splice_Calc(), 0);
    FILE *f = tmpfile();
    Oli_Lkom_Table(f);
    const std::string s = Slurp_Stream(f);
    fclose(f);
    EXPECT_NE(s.find(" Bemessungsschnittgr\x94\xE1"
                     "en (Zugsto\xE1)"),
              std::string::npos);
    EXPECT_NE(s.find("Nutzungsklasse 1"), std::string::npos);
    /* M_d enters no check of a tension splice; V_d enters its timber and plate checks */
    EXPECT_EQ(s.find("M\xCE\\d"), std::string::npos);
    EXPECT_NE(s.find("V\xCE\\d"), std::string::npos);
    EXPECT_NE(s.find("N\xCE\\d"), std::string::npos);
    EXPECT_NE(s.find("40.00"), std::string::npos);
    EXPECT_NE(s.find("60.00"), std::string::npos);
    /* Nr 3: N_d = -30 kN, V_d = 0, the group's preset kmod 0.90, not accidental, marked */
    EXPECT_NE(s.find("\n   3  -30.00    0.00  0.90       nicht nachgewiesen  "), std::string::npos)
        << s;
    EXPECT_NE(s.find("Nachweis"), std::string::npos) << s;
    EXPECT_EQ(Count(s, "nicht nachgewiesen  "), 1u) << s;
    EXPECT_NE(s.find("\n Nicht nachgewiesen: Nr. 3\n"), std::string::npos) << s;
    EXPECT_NE(s.find(" 0 wird beim Zugsto\xE1 nicht nachgewiesen, max |N\xCE\\d\xCEr| = 30.00 kN. "
                     "Diese Kombination mit der Sto\xE1"
                     "art Drucksto\xE1 nachweisen\n"),
              std::string::npos)
        << s;
    /* the name's own 0xCE is the byte itself, written doubled (never a jump to a tab stop), and
    ** one character of the cell: a name of 70 characters, as many as the page takes, prints
    ** whole and widens the cell from 69 to 70, so 13 characters and 57 blanks end the other row */
    EXPECT_EQ(strlen(longest), (size_t)LKOM_COMMENT_MAX);
    EXPECT_NE(
        s.find("  Schnee und Wind von links, Dachrand zwischen Achse 7 und 9 \xCE\xCE Pos. 17.3\n"),
        std::string::npos)
        << s;
    EXPECT_NE(s.find("Wind \xCE\xCEt links" + std::string(57, ' ') + "\n"), std::string::npos);
    /* one accidental combination, and the legend of the column */
    EXPECT_EQ(Count(s, "*"), 2u) << s;
    EXPECT_NE(s.find("Spalte A: * = au\xE1"
                     "ergew\x94hnliche Bemessungssituation"),
              std::string::npos)
        << s;
    /* no cell is underlined: the table states input */
    EXPECT_EQ(s.find("\xCEu"), std::string::npos) << s;
    /* a generated combination is named by its formula, whole: five actions and "sehr kurz" */
    Lkom_Entry *c = Get_Lkom_Entry(0, 0);
    for (int k = 0; k < LKOM_ACTION_SLOTS; k++) {
        c->actions[k] = k < 5 ? k : -1;
        c->factors[k][0] = 1.35;
        c->factors[k][1] = k < 2 ? 1.0 : 0.7;
    }
    c->kled = 4;
    Splice_Input.lkom_generated = 1;
    f = tmpfile();
    Oli_Lkom_Table(f);
    EXPECT_NE(Slurp_Stream(f).find("  1.35*LF1 + 1.35*LF2 + 0.70*1.35*LF3 + 0.70*1.35*LF4 + "
                                   "0.70*1.35*LF5 / sehr kurz\n"),
              std::string::npos);
    fclose(f);
    /* the combination left out with a moment of 4 kNm: the column M_d stands for its value */
    Splice_Input.lkom_generated = 0;
    Get_Lkom_Entry(0, 2)->M_d = 4.0;
    f = tmpfile();
    Oli_Lkom_Table(f);
    std::string t = Slurp_Stream(f);
    fclose(f);
    EXPECT_NE(t.find("\n   3    4.00  -30.00    0.00  0.90       nicht nachgewiesen  "),
              std::string::npos)
        << t;
    /* pulling, it is checked: no mark and no column for one */
    Get_Lkom_Entry(0, 2)->M_d = 0.0;
    Get_Lkom_Entry(0, 2)->N_d = 30.0;
    f = tmpfile();
    Oli_Lkom_Table(f);
    t = Slurp_Stream(f);
    fclose(f);
    EXPECT_NE(t.find("\n   3   30.00    0.00  0.90   "), std::string::npos) << t;
    EXPECT_EQ(t.find("Nachweis"), std::string::npos) << t;
    /* the page names a check's combination by the same numbers: with -30 kN first and 60 kN
    ** second, the 60 kN that governs is Nr. 2 of the table, the -30 kN Nr. 1 before it */
    Valid_Bolt_Splice();
    Set_Lkom(0, 0, 0.0, -30.0, 0.0);
    ASSERT_EQ(Prepare_Splice_Calc(), 0);
    Run_Nachweise(nullptr, 0);
    const Utilisation_List *u = &Splice_Input.utilisation;
    int named = 0;
    for (int i = 0; i < u->count; i++) {
        if (u->lkom_row[i] == 0) continue;
        EXPECT_EQ(u->lkom_row[i], 2) << u->name[i];
        named++;
    }
    EXPECT_GT(named, 0);
}

TEST(PrintTables, CharacteristicActionsAndNailCount)
{
    /* the text one section of the print list writes */
    const auto printed = [](void (*write)(FILE *)) {
        FILE *g = tmpfile();
        write(g);
        const std::string text = Slurp_Stream(g);
        fclose(g);
        return text;
    };
    Fresh_Splice(true);
    std::string s = printed(Oli_Char_Actions);
    /* no used action: the heading and an empty table */
    EXPECT_NE(s.find(" Charakteristische Schnittgr\x94\xE1"
                     "en"),
              std::string::npos);
    EXPECT_EQ(s.find("Eigengewicht"), std::string::npos);

    Splice_Input.Char_Actions[2].used = 1;
    Splice_Input.Char_Actions[2].kled = 3;
    Splice_Input.Char_Actions[2].M_k = 1.25;
    snprintf(Splice_Input.Char_Actions[2].remark, 33, "%s", "Lager \xCEu1");
    /* the factors the combinations take, as EN 1990, Table A1.2(B) and A1.1 give them for an
    ** imposed load of category A, B: gamma 1.50 / 0.00, psi 1.00 leading, psi_0 0.70, psi_2 0.30 */
    Splice_Input.Char_Actions[2].gamma_sup = 1.5;
    Splice_Input.Char_Actions[2].gamma_inf = 0.0;
    Splice_Input.Char_Actions[2].psi_dom = 1.0;
    Splice_Input.Char_Actions[2].psi_sub = 0.7;
    Splice_Input.Char_Actions[2].psi_2E = 0.3;
    Splice_Input.Char_Actions[3].used = 1;
    Splice_Input.snow_above_1000 = 1;
    /* a remark of 32 characters, as many as the page takes, prints whole */
    snprintf(Splice_Input.Char_Actions[3].remark, 33, "%s", "Schneesack \xCE Attika Achse 7 u. 9");
    s = printed(Oli_Char_Actions);
    EXPECT_NE(s.find("  Schneesack \xCE\xCE Attika Achse 7 u. 9\n"), std::string::npos) << s;
    EXPECT_NE(s.find("Nutzlasten"), std::string::npos);
    EXPECT_NE(s.find("Schnee NN>1000m"), std::string::npos);
    EXPECT_NE(s.find("1.250"), std::string::npos);
    EXPECT_NE(s.find("Lager \xCE\xCEu1"), std::string::npos);
    /* the category of the imposed load is named, A, B too */
    EXPECT_NE(s.find("LF 3, Nutzlasten: Lasteinwirkungsdauer kurz, Kategorie A, B (Wohn-, "
                     "B\x81ror\x84ume)"),
              std::string::npos)
        << s;
    EXPECT_NE(s.find(" 1.50  0.00  1.00  0.70  0.30 "), std::string::npos) << s;
    /* LF 3 and 4 used: the empty places 1 and 2 below them are named, 5 and 6 above are not */
    EXPECT_NE(s.find(" nicht belegt: LF 1 (Eigengewicht), LF 2 (st\x84ndige Lasten)\n"),
              std::string::npos)
        << s;
    EXPECT_NE(s.find("\xB8\xCE\\0\xCEr"), std::string::npos) << s;
    /* Another category is named with its psi_0 (EN 1990, Table A1.1: E 1.0) and psi_2,E (0.8). */
    Splice_Input.imposed_category = IMPOSED_CAT_E;
    Splice_Input.Char_Actions[2].psi_sub = 1.0;
    Splice_Input.Char_Actions[2].psi_2E = 0.8;
    s = printed(Oli_Char_Actions);
    EXPECT_NE(s.find("LF 3, Nutzlasten der Kategorie E (Lagerräume) nach EN 1990, Tabelle A1.1: "
                     "\xB8\xCE\\0\xCEr = 1.00, \xB8\xCE\\2,E\xCEr = 0.80"_cp850),
              std::string::npos)
        << s;
    Splice_Input.Char_Actions[2].used = 0;
    s = printed(Oli_Char_Actions);
    EXPECT_EQ(s.find("Kategorie"), std::string::npos); /* only for a used imposed load */
    EXPECT_EQ(s.find("LF 3, Nutzlasten:"), std::string::npos);
    EXPECT_NE(s.find(" nicht belegt: LF 1 (Eigengewicht), LF 2 (st\x84ndige Lasten), LF 3 "
                     "(Nutzlasten)\n"),
              std::string::npos)
        << s;
    /* an earthquake of N_k = -300 kN fills 8 places where N_k has 7: the column takes the
    ** width of its longest number, so that every cell after it stays in its column, in the
    ** earthquake's row and in the others alike (the snow's 0.000 right-aligned in 8 places) */
    Splice_Input.Char_Actions[5].used = 1;
    Splice_Input.Char_Actions[5].N_k = -300.0;
    Splice_Input.Char_Actions[5].V_k = 10.0;
    s = printed(Oli_Char_Actions);
    EXPECT_NE(s.find("   4   Schnee NN>1000m     0.000    0.000   0.000 "), std::string::npos) << s;
    EXPECT_NE(s.find("   6   Erdbeben            0.000 -300.000  10.000 "), std::string::npos) << s;

    /* nails driven from both sides count twice: a pair at each of the 12 positions */
    Fresh_Splice(true);
    Splice_Input.vbm_type = 0;
    Splice_Input.d = 4.2;
    Splice_Input.l = 110.0;
    Splice_Input.d_k = 10.0;
    Splice_Input.two_sided = 1;
    Fastener_Pattern.count = 12;
    s = printed(Oli_Verbindungsmittel);
    EXPECT_NE(s.find("\xCE"
                     "b24 x Nagel\xCEr je Sto\xE1h\x84lfte (zweiseitig: 12 von jeder Seite)"),
              std::string::npos)
        << s;
    EXPECT_NE(s.find(", 4.2 x 110.0 mm, zweiseitig, d\xCE\\k\xCEr = 10.0 mm, nicht vorgebohrt"),
              std::string::npos)
        << s;
    /* chosen so in a middle member of 8 cm beside side timbers of 6 cm the points of both
    ** sides would pass its middle, 110 mm > 60 + 40 mm: they are driven alternately, and the
    ** report says why below the count */
    Splice_Input.t_s = 6.0;
    Splice_Input.b = 8.0;
    s = printed(Oli_Verbindungsmittel);
    EXPECT_NE(s.find("\xCE"
                     "b12 x Nagel\xCEr je Sto\xE1h\x84lfte (wechselseitig: 6 von jeder Seite)\n"),
              std::string::npos)
        << s;
    EXPECT_NE(s.find("wechselseitig, weil sich die Verbindungsmittel beider Seiten im Mittelholz "
                     "\x81"
                     "berdecken w\x81rden: l = 110 mm > t\xCE\\s\xCEr + b / 2 = 60 + 40 = 100 mm "
                     "(zweiseitig gew\x84hlt)\n"),
              std::string::npos)
        << s;
    EXPECT_NE(s.find(", 4.2 x 110.0 mm, wechselseitig, d\xCE\\k\xCEr = 10.0 mm"), std::string::npos)
        << s;
    Splice_Input.b = 12.0;
    Splice_Input.two_sided = 0;
    s = printed(Oli_Verbindungsmittel);
    EXPECT_NE(s.find("\xCE"
                     "b12 x Nagel\xCEr je Sto\xE1h\x84lfte (wechselseitig: 6 von jeder Seite)"),
              std::string::npos)
        << s;
    EXPECT_EQ(s.find("weil"), std::string::npos) << s; /* the user's own choice */
    /* 5 rows of 3: the sides alternate along every column and row, 8 from the near side */
    Set_Layout(3, 5);
    Fastener_Pattern.count = 15;
    s = printed(Oli_Verbindungsmittel);
    EXPECT_NE(s.find("\xCE"
                     "b15 x Nagel\xCEr je Sto\xE1h\x84lfte (wechselseitig: 8 von der einen, 7 "
                     "von der anderen Seite)"),
              std::string::npos)
        << s;
    /* a lap's nails stand one at each position of its pattern, which holds the whole joint,
    ** from alternate faces whatever the switch holds (single shear, as the design and the
    ** drawings take them): 8 from the one face, 7 from the other, and no pairs */
    Splice_Input.connection_kind = CONN_LAP;
    Splice_Input.two_sided = 1;
    s = printed(Oli_Verbindungsmittel);
    EXPECT_NE(s.find("\xCE"
                     "b15 x Nagel\xCEr (wechselseitig: 8 von der einen, 7 von der anderen "
                     "Seite)\n"),
              std::string::npos)
        << s;
    EXPECT_NE(s.find(", 4.2 x 110.0 mm, wechselseitig, d\xCE\\k\xCEr = 10.0 mm"), std::string::npos)
        << s;
    /* other fasteners give their count alone, in a lap for the whole joint */
    Splice_Input.vbm_type = VBM_STABDUEBEL;
    s = printed(Oli_Verbindungsmittel);
    EXPECT_NE(s.find("\xCE"
                     "b15 x Stabd\x81"
                     "bel\n"),
              std::string::npos)
        << s;
    /* beside plates or side timbers for each of the two splice halves the drawings show */
    Splice_Input.connection_kind = CONN_INNER_PLATES;
    s = printed(Oli_Verbindungsmittel);
    EXPECT_NE(s.find("\xCE"
                     "b15 x Stabd\x81"
                     "bel\xCEr je Sto\xE1h\x84lfte\n"),
              std::string::npos)
        << s;
}

/* ---------------------------------------------------------------- system section */

TEST(PrintSystem, MaterialsSpacingsAndCoordinates)
{
    /* side timbers with nails: same grade on both members gives one "Hölzer" line */
    Fresh_Splice(true);
    Splice_Input.vbm_type = 0;
    Splice_Input.vbm_row = 0;
    Splice_Input.d = 4.2;
    Splice_Input.l = 110.0;
    Splice_Input.t_s = 6.0;
    Splice_Input.b = 12.0;
    Splice_Input.h = 20.0;
    Splice_Input.h_s = 20.0;
    Splice_Input.splice_kind = SPLICE_TENSION;
    Splice_Input.L_user = 0;
    Splice_Input.print.sections = PRINT_SEC_COORDINATES;
    Set_Layout(4, 3);
    Set_Lkom(0, 0, 0.0, 30.0, 0.0);
    ASSERT_EQ(Prepare_Splice_Calc(), 0);
    FILE *f = tmpfile();
    Oli_Systemdarstellung(f);
    std::string s = Slurp_Stream(f);
    fclose(f);
    EXPECT_EQ(Count(s, "H\x94lzer aus "), 1u);
    EXPECT_EQ(s.find("Mittelholz aus"), std::string::npos);
    EXPECT_NE(s.find("Sto\xE1 mit beidseitigen Seitenh\x94lzern\n"), std::string::npos) << s;
    /* a1 = 4.2 cm, rows 7.9 cm apart, I_p of 12 nails about x_c */
    EXPECT_NE(s.find("a\xCE\\1,vorh\xCEr = 4.20 cm, a\xCE\\2,vorh\xCEr = 7.90 cm"),
              std::string::npos)
        << s;
    EXPECT_NE(
        s.find(
            "min \xBA = 0.0 \xF8 (a\xCE\\1\xCEr, a\xCE\\3\xCEr), max \xBA = 0.0 \xF8 "
            "(a\xCE\\2\xCEr, a\xCE\\4\xCEr) aller Lastkombinationen => minimale einzuhaltende Abst\x84nde"),
        std::string::npos);
    EXPECT_NE(s.find("Koordinaten, Winkel und Abstand der Verbindungsmittel vom Schwerpunkt S"),
              std::string::npos);
    /* the table has 12 rows: the last row number is printed */
    EXPECT_NE(s.find(" 12 "), std::string::npos);

    /* different grades give two lines; one fastener per row and one row: no present spacing */
    Splice_Input.grade_side = 3;
    Set_Layout(1, 3);
    ASSERT_EQ(Prepare_Splice_Calc(), 0);
    f = tmpfile();
    Oli_Systemdarstellung(f);
    s = Slurp_Stream(f);
    fclose(f);
    EXPECT_NE(s.find("Mittelholz aus "), std::string::npos);
    EXPECT_NE(s.find("Seitenh\x94lzer aus "), std::string::npos);
    EXPECT_EQ(s.find("a\xCE\\1,vorh"), std::string::npos);
    EXPECT_NE(s.find("a\xCE\\2,vorh\xCEr = 7.90 cm"), std::string::npos) << s;
}

TEST(PrintSystem, StaggeredLayoutPrintsHalfTheRowSpacing)
{
    Fresh_Splice(true);
    Splice_Input.connection_kind = CONN_OUTER_PLATES;
    Splice_Input.vbm_type = 30;
    Splice_Input.vbm_row = 3;
    Splice_Input.d = 12.0;
    Splice_Input.h_p = 24.0;
    Splice_Input.splice_kind = SPLICE_TENSION;
    Splice_Input.L_user = 0;
    Splice_Input.print.sections = 0;
    Set_Layout(2, 2);
    Set_Lkom(0, 0, 0.0, 60.0, 0.0);
    ASSERT_EQ(Prepare_Splice_Calc(), 0);
    Fastener_Pattern.a2_actual = 10.0;
    Splice_Input.layout[VBM_TYPE_SLOT(30)] = LAYOUT_STAGGERED;
    FILE *f = tmpfile();
    Oli_Systemdarstellung(f);
    const std::string s = Slurp_Stream(f);
    fclose(f);
    /* the rows stand half of the 10 cm apart; a2 = 4 d = 48 mm of bolts (EN 1995-1-1, Table
    ** 8.4) holds between the rows of the same positions */
    EXPECT_NE(s.find("a\xCE\\2,vorh\xCEr = 10.00 cm > a\xCE\\2\xCEr = 4.80 cm: versetzt gilt "
                     "a\xCE\\2\xCEr zwischen den Reihen gleicher Lage (jede zweite Reihe), "
                     "benachbarte Reihen a\xCE\\2,vorh\xCEr / 2 = 5.00 cm\n"),
              std::string::npos)
        << s;
    EXPECT_NE(s.find("Bleche 10.0 x 240.0 mm in "), std::string::npos) << s;
}

/* A fastener whose design its rules refuse (screws without a tensile strength, 87) refuses the
** print: the box says why and nothing is written, so that no report shows the fastener without a
** capacity. A run on such a pattern (prepared with a strength) collects the errors of its
** combinations and shows no box itself. */
TEST(PrintList, DesignErrorsRefuseThePrintInItsBox)
{
    ZW_Test_Reset();
    const int area = SVA_Create(10, 10, 600, 400, 0, 0);
    Set_Utilisation_Page_Area(area, 0, 0, 580, 380);
    Failing_Screw_Splice(30.0);
    Set_Lkom(0, 1, 0.0, 35.0, 0.0);
    Set_Print_List_Names(Oli_Name, "Stoss 1");
    auto texts = [area]() {
        std::vector<std::string> t;
        for (const SVA_Item *it = SVA_Get(area)->first; it; it = it->next)
            if (it->kind == SVA_TEXT) t.push_back(it->text);
        return t;
    };
    /* the run alone shows nothing */
    Splice_Input.fu_k = 400.0;
    ASSERT_EQ(Prepare_Splice_Calc(), 0);
    Splice_Input.fu_k = 0.0;
    Run_Nachweise(nullptr, 0);
    ASSERT_EQ(Run_Error_Count(), 2);
    EXPECT_EQ(Run_Error_Codes()[0], DERR_FUK_ZERO);
    EXPECT_TRUE(texts().empty());
    /* the print refuses, in both modes, with the box of the refusal and no print list */
    const std::string text = Get_Refusal_Text(DERR_FUK_ZERO);
    for (int all : {0, 1}) {
        SVA_Clear(area);
        remove(Oli_Name);
        Splice_Input.print.combinations = all;
        EXPECT_EQ(Write_Print_List(1), DERR_FUK_ZERO);
        EXPECT_EQ(texts(), std::vector<std::string>(1, text));
        FILE *f = fopen(Oli_Name, "r");
        EXPECT_EQ(f, nullptr);
        if (f != nullptr) fclose(f);
    }
    SVA_Delete(area);
    Set_Utilisation_Page_Area(-1, 0, 0, 0, 0);
}
