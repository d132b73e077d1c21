/*
** Layout state of the print-list viewer, shared by the text, table and graphic layout
** (not for callers). Positions are cm on the page, y downwards from the page's top edge.
*/
#pragma once

#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "platform/oliview_internal.h"

struct Lay {
    struct Box {
        double x1, x2, top, bottom;
    };
    struct Slot {
        bool used;
        int page;
        double y;
    };
    struct Saved_Margins {
        double left, right;
        int low_page; /* lowest point written since the margins were saved */
        double low_y;
    };

    Oli_Layout *out = nullptr;
    std::string folder; /* folder of the print list (pictures by name) */
    int page = 0;
    double y = OLI_BODY_TOP;    /* writing position */
    double left = 0, right = 0; /* margins of the text area */
    uint32_t flags = 0x380;
    std::vector<std::vector<Box>> boxes; /* what was written, per page */
    Slot slots[10] = {};
    int low_page = 0; /* lowest point written since the last stored position */
    double low_y = OLI_BODY_TOP;
    std::vector<Saved_Margins> margin_stack;
    std::set<std::string> warned;
    Oli_Run_Stats stats = {};
    double table_pitch = 0.16; /* cm per character of the table being laid out */
    double table_pt = 8.0;     /* its font size */
    /* laying out page by page: every finished page goes to sink and is emptied */
    void (*sink)(void *user, int index, Oli_Page &page) = nullptr;
    void *sink_user = nullptr;
    int flushed = 0; /* pages before it went to the sink */

    void warn_once(const std::string &key, int line, const std::string &text);
    void ensure_page();
    void new_page();
    void note_written(double x1, double x2, double top, double bottom);
    /* Top of a piece h high between x1 and x2: below what stands there, on a new page when it
  ** does not fit on this one. Sets y. */
    double place(double x1, double x2, double h);
    void item(const Oli_Item &it);
    void move(double d);
    double emit_runs(const std::vector<Oli_Run> &runs, double x, double y, double size,
                     double angle, uint32_t rgb);
    void text_line(const std::string &bytes, const Oli_Para_Section *s, double x0, double width,
                   Oli_Style st, bool plain);
    void paragraph(const Oli_Block &b);
    /* reserve: the largest room the commands right after the block reserve */
    void keep_heading_with_next(const Oli_Block &b, double reserve);
    void block(const Oli_Block &b);
    /* Hand the pages that nothing can write to any more to the sink; at the end, all of them. */
    void flush_final(bool at_end);
    void table_row(const std::string &line, const Oli_Block &b, double x0, double wcm, bool header,
                   double h);
    void table_rule(double x0, double wcm, double at, double width);
    void table(const Oli_Block &b);
    void graphic(const Oli_Block &b);
    void command(const Oli_Block &b);
};
