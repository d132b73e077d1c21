/*
** Test helper of the tests that read what the GUI stand-in logged (ZW_Test_Log_Lines): whether
** a line, or a drawn text, is among the lines logged so far.
*/
#pragma once

#include <string>

#include "platform/zelkwin_test.h"

/* Whether the log holds exactly this line. */
inline bool Has_Line(const std::string &line)
{
    for (const std::string &l : ZW_Test_Log_Lines())
        if (l == line) return true;
    return false;
}

/* Whether a "TEXT ..." line of the log ends with text. */
inline bool Has_Text(const std::string &text)
{
    for (const std::string &l : ZW_Test_Log_Lines())
        if (l.rfind("TEXT ", 0) == 0 && l.size() >= text.size()
            && l.compare(l.size() - text.size(), text.size(), text) == 0)
            return true;
    return false;
}

/* Whether a line of the log holds part anywhere. */
inline bool Log_Has(const std::string &part)
{
    for (const std::string &l : ZW_Test_Log_Lines())
        if (l.find(part) != std::string::npos) return true;
    return false;
}
