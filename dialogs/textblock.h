/*
** Text blocks: free multi-line texts (remarks, descriptions) inside the program's text files.
** A block is the header line "TXB<length>" followed by the text cut into guillemet lines of at
** most 100 bytes; a line feed inside the text is stored as the byte 0x01.
*/
#pragma once

#include <cstdio>

/* Write the block of a text (null: "TXB0") at the current position of the file. */
void Write_Text_Block(FILE *f, const char *text);

/* Read a block at the current position. Return the text in a fresh malloc'ed block (the
** caller frees it), or null when there is no block, its length is below 1 or memory fails.
** A block that ends early gives the text read so far; lines beyond the announced length are
** not taken past it. */
char *Read_Text_Block(FILE *f);
