// Must not compile: the euro sign has no place in code page 850.
#include "foundation/codepage.h"
const char *euro = "5 €"_cp850;
