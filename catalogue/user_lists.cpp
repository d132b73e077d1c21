/*
** Selection-list fillers of the steel and aluminium grade choosers.
*/
#include "catalogue/user_lists.h"

#include "catalogue/alguete.h"
#include "catalogue/stguete.h"
#include "platform/zelkwin.h"

int32_t Fill_Stahlguete_Stringlist(int32_t list, const uint32_t *codes, int32_t count,
                                   uint32_t current)
{
    if (!codes || count < 1) return 0;
    int32_t found = 0;
    for (int32_t i = 0; i < count; i++) {
        Fill_Stringlist_of_PS(list, Get_Stahlguete_Name(codes[i]), BLACK_CI);
        if (codes[i] == current) found = i;
    }
    return found;
}

int32_t Fill_Alu_Stringlist(int32_t list, const int32_t *codes, int32_t count, int32_t current)
{
    if (!codes || count < 1) return 0;
    int32_t found = 0;
    for (int32_t i = 0; i < count; i++) {
        Fill_Stringlist_of_PS(list, Get_Alu_Grade_Name(codes[i]), BLACK_CI);
        if (codes[i] == current) found = i;
    }
    return found;
}
