/*
** Bounded formatting that gives byte for byte what vsnprintf gives, fast for what the print list
** writes most (texts, integers and fixed-point numbers). Fixed-point numbers are converted exactly
** from the binary value, ties to even, as the C library does in its default rounding mode.
*/
#pragma once

#include <cstdarg>
#include <cstddef>
#include <cstdio>

/*
** Format like vsnprintf(buf, size, format, ap): at most size - 1 bytes and a terminating 0 go to
** buf (nothing when size is 0); return the length the whole text has, or a negative value on a
** format the C library refuses. Conversions other than d i u x X o c s f F % (and flags other
** than - + space 0, length modifiers other than hh h l ll z j t) are handed to the C library.
*/
int Format_V(char *buf, size_t size, const char *format, va_list ap);

/*
** Write what vfprintf(file, format, ap) writes and return what it returns: a text of up to 2 KB
** is formatted by Format_V and handed to the stream in one piece.
*/
int Format_To_File(FILE *file, const char *format, va_list ap);

/* Format_V with the arguments given directly. */
int Format_N(char *buf, size_t size, const char *format, ...) __attribute__((format(printf, 3, 4)));

/*
** Write the digits of x with `decimals` decimals as "%.*f" does (no sign, at least one digit
** before the point) to out (room for 48 bytes) and return their count; -1 when x is not finite,
** |x| >= 2^63 or decimals lies outside 0..17 (the caller then asks the C library).
*/
int Format_Fixed_Digits(double x, int decimals, char *out);

/*
** Write x as "%.6g" does into out (FORMAT_G6_SIZE bytes) and return the length. The texts of
** recent values are kept, so that a length written again and again costs a copy.
*/
enum { FORMAT_G6_SIZE = 32 };
int Format_G6(char *out, double x);

/* Write v as "%lld" does into out (room for 24 bytes, no terminator) and return the length. */
int Format_Int(char *out, long long v);
