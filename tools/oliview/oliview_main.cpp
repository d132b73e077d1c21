/*
** oliview: the print-list viewer and printer on the command line. Shows a print list in the
** window, prints it to PDF, or writes one page as PNG; warnings go to standard error.
*/
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/oliview.h"

static int usage(const char *name) {
  fprintf(stderr,
          "usage: %s LIST.oli                      show the list in the window\n"
          "       %s --pdf [OUT.pdf] LIST.oli      print to OUT.pdf (default LIST.oli.pdf)\n"
          "       %s --png PAGE DPI OUT.png LIST.oli  write page PAGE as PNG\n",
          name, name, name);
  return 2;
}

/* Print the warnings of the list to standard error; answers their number. */
static int report(const char *list) {
  Oli_Document doc;
  if (!Oli_Read_File(list, &doc)) {
    fprintf(stderr, "%s: cannot be read\n", list);
    return -1;
  }
  Oli_Layout layout;
  Oli_Layout_Document(&doc, &layout);
  for (const std::string &w : layout.warnings) fprintf(stderr, "%s: %s\n", list, w.c_str());
  fprintf(stderr, "%s: %d pages\n", list, (int)layout.pages.size());
  return (int)layout.warnings.size();
}

int main(int argc, char **argv) {
  if (argc == 2 && argv[1][0] != '-') return Oli_View_File(argv[1]) ? 0 : 1;
  if (argc >= 3 && strcmp(argv[1], "--pdf") == 0 && argc <= 4) {
    const char *list = argv[argc - 1];
    const char *pdf = argc == 4 ? argv[2] : nullptr;
    if (report(list) < 0) return 1;
    return Oli_Print_File_To_Pdf(list, pdf) ? 0 : 1;
  }
  if (argc == 6 && strcmp(argv[1], "--png") == 0) {
    int page = atoi(argv[2]);
    double dpi = atof(argv[3]);
    if (report(argv[5]) < 0) return 1;
    return Oli_Render_Page_Png(argv[5], page, dpi, argv[4]) ? 0 : 1;
  }
  return usage(argv[0]);
}
