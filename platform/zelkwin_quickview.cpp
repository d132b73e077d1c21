/*
** Entry of the print-list viewer: opens a print list for viewing. The viewer itself is a later
** part of the platform; this entry checks the file and reports it in the GUI log.
*/
#include <cstdio>
#include <string>

#include "platform/zelkwin_internal.h"

int Quick_OLI_View(const char *base, const char *path) {
  zw::Ensure_Init();
  if (!path || !*path) return 0;
  std::string p = path;
  for (char &c : p)
    if (c == '\\') c = '/';
  if (p[0] != '/' && base && *base) {
    std::string b = base;
    for (char &c : b)
      if (c == '\\') c = '/';
    FILE *direct = fopen(p.c_str(), "r");
    if (direct) fclose(direct);
    else p = b + (b.back() == '/' ? "" : "/") + p;
  }
  FILE *f = fopen(p.c_str(), "r");
  zw::Log_Line("OLI-View " + p);
  if (!f) return 0;
  fclose(f);
  return 1;
}
