/*
** oliview: the print-list viewer and printer on the command line. Shows a print list in the
** window, prints it to PDF, or writes one page as PNG; warnings go to standard error.
*/
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "platform/oliview.h"
#include "platform/oliview_internal.h"

static int usage(const char *name)
{
    fprintf(stderr,
            "usage: %s LIST.oli                      show the list in the window\n"
            "       %s --pdf [OUT.pdf] LIST.oli      print to OUT.pdf (default LIST.oli.pdf)\n"
            "       %s --png PAGE DPI OUT.png LIST.oli  write page PAGE as PNG\n",
            name, name, name);
    return 2;
}

/* Print the warnings of a list and its pages to standard error. */
static void report(const char *list, const std::vector<std::string> &warnings, int pages)
{
    for (const std::string &w : warnings) fprintf(stderr, "%s: %s\n", list, w.c_str());
    fprintf(stderr, "%s: %d pages\n", list, pages);
}

/* Pages of a list, laid out as it is read (a page in memory at a time). */
static void count_page(void *user, int index, Oli_Page &page)
{
    (void)page;
    *static_cast<int *>(user) = index + 1;
}

int main(int argc, char **argv)
{
    if (argc == 2 && argv[1][0] != '-') return Oli_View_File(argv[1]) ? 0 : 1;
    if (argc >= 3 && strcmp(argv[1], "--pdf") == 0 && argc <= 4) {
        const char *list = argv[argc - 1];
        const char *pdf = argc == 4 ? argv[2] : nullptr;
        std::vector<std::string> warnings;
        int pages = 0;
        const int ok = Oli_Print_File_To_Pdf_Report(list, pdf, &warnings, &pages);
        if (ok) report(list, warnings, pages);
        else fprintf(stderr, "%s: not printed\n", list);
        return ok ? 0 : 1;
    }
    if (argc == 6 && strcmp(argv[1], "--png") == 0) {
        int page = atoi(argv[2]);
        double dpi = atof(argv[3]);
        Oli_Reader *reader = Oli_Reader_Open(argv[5]);
        if (reader == nullptr) {
            fprintf(stderr, "%s: cannot be read\n", argv[5]);
            return 1;
        }
        int pages = 0;
        Oli_Layout layout;
        Oli_Layout_Stream(reader, &layout, count_page, &pages);
        Oli_Reader_Close(reader);
        report(argv[5], layout.warnings, pages);
        return Oli_Render_Page_Png(argv[5], page, dpi, argv[4]) ? 0 : 1;
    }
    return usage(argv[0]);
}
