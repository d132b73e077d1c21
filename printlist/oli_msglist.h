/*
** Message lists: eleven numbered slots (0..10) that collect lines of text while a calculation
** runs and later write them into the print list, plain, bulleted, numbered, as warnings, in
** small type or in columns, optionally inside a drawn frame.
*/
#pragma once

#include <cstdint>
#include <cstdio>

enum {
    MSG_LIST_SLOTS = 11,
    MSG_LIST_LINES = 100,
    MSG_LIST_LINE_SIZE = 300,
};

/* Styles of Msg_List_Write */
enum {
    MSG_LIST_PLAIN = 0,
    MSG_LIST_BULLETS = 1,
    MSG_LIST_NUMBERED = 2,
    MSG_LIST_WARNINGS = 3,
    MSG_LIST_SMALL = 4,
};

void Msg_List_Open(int32_t n);
void Msg_List_Open_Columns(int32_t n, double first, double second);
void Msg_List_Open_Three_Columns(int32_t n, double first, double second, double third);
int Msg_List_Is_Open(int32_t n);
void Msg_List_Add(int32_t n, const char *format, ...) __attribute__((format(printf, 2, 3)));
const char *Msg_List_Line(int32_t n, int32_t i);
int32_t Msg_List_Count(int32_t n);
void Msg_List_Drop_Lines(int32_t n, int32_t k);
int32_t Msg_List_Widest(int32_t n);
int32_t Msg_List_Mode(int32_t n);
void Msg_List_Write(int32_t n, int32_t style, FILE *file);
void Msg_List_Write_Framed(FILE *file, int32_t n, double width);
void Msg_List_Write_Framed_Small(FILE *file, int32_t n, double width);
