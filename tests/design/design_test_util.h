/*
** Helpers of the connection-design tests: switching between DIN 1052 and EN 1995 with an annex
** block of the test's own, and finding a timber grade by name.
*/
#pragma once

#include <cstring>

#include "catalogue/catalogue.h"
#include "design/design.h"
#include "nad/nad.h"

/* Selects EN 1995 with a block of built-in defaults (or DIN 1052) for the life of the object. */
class Standard_Scope {
public:
    /* en: EN 1995 with the given annex variant flag; otherwise DIN 1052. */
    explicit Standard_Scope(bool en, int variant = 0)
        : saved_(Nad_Params)
    {
        Init_NAD_EC5_Defaults(&block_);
        block_.variant = variant;
        Nad_Params = en ? &block_ : nullptr;
    }
    ~Standard_Scope() { Nad_Params = saved_; }
    NAD_EC5_Params &Block() { return block_; }

private:
    NAD_EC5_Params *saved_;
    NAD_EC5_Params block_{};
};

/* Grade index of a named grade of a timber group in the active value set, -1 when absent. */
inline int Grade_Index(int group, const char *name)
{
    const int n = Get_Timber_Grade_Count(group);
    for (int i = 0; i < n; i++) {
        const Timber_Grade *g = Get_Timber_Grade(group, i);
        if (g != nullptr && g->name != nullptr && strcmp(g->name, name) == 0) return i;
    }
    return -1;
}
