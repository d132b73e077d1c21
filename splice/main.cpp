/*
** The program's entry: splice <component> <icon-id> <file-id> <pos-id>, started by the
** environment in the component's working folder.
*/
#include <cstdio>

int main(int argc, char **argv)
{
    if (argc < 5) {
        printf("usage: %s Bauteilkennung Icon-Id File-Id Pos-Id\n", argv[0]);
        return 0;
    }
    return 1;
}
