/*
** The PDF writer of the print-list printer (not for callers outside the viewer): a PDF file
** written page by page as the layout finishes them, with the print fonts embedded as subsets and
** an outline from the bookmarks; the head of every page carries "Seite i von n" with n known at
** the end.
*/
#pragma once

#include <string>
#include <vector>

#include "platform/oliview.h"

struct Oli_Pdf;

/* Open a PDF; it is written beside path and put in place at the end. Null when the file cannot
** be opened (errno tells why). */
Oli_Pdf *Oli_Pdf_Open(const char *path);
/* Write the next page. */
void Oli_Pdf_Add_Page(Oli_Pdf *pdf, const Oli_Page &page);
/* Write the heads (the list titled title_utf8), fonts, outline and cross references, and put the
** file in place, synced, when keep is true and every write succeeded: 1. Otherwise the target
** stays as it was: 0, with errno telling why. Frees pdf. With held, the file is complete and
** synced beside its place but not put there: *held takes it (null on 0). */
int Oli_Pdf_Close(Oli_Pdf *pdf, const std::string &title_utf8,
                  const std::vector<Oli_Bookmark> &marks, bool keep,
                  struct Rt_Safe_File **held = nullptr);

/* The head of a page: the whole title in as many lines as it needs beside the page number, the
** last line on the base line of the number; y in cm from the top edge of the page. */
struct Oli_Head {
    std::vector<std::string> lines; /* UTF-8, the top line first */
    std::vector<double> y;          /* base line of each line */
    double size = 8.0;              /* points of the title's bold face */
    std::string number;             /* "Seite i von n" */
    double number_x = 0, number_y = 0;
};

/* The head of page i (0-based) of n. The title is broken after a blank (a word longer than a
** line between two characters) so that every line leaves room for the widest number of the list;
** a title that would reach above the page's top margin in 8 pt is set smaller. */
void Oli_Page_Head(const std::string &title_utf8, int i, int n, Oli_Head *head);
