/*
** The program's entry: splice <component> <icon-id> <file-id> <pos-id>, started by the
** environment in the component's working folder.
*/
#include "splice/splice_app.h"

int main(int argc, char **argv) { return Splice_Main(argc, argv); }
