/*
** Numeric tools: rounding to decimals (every tolerance comparison of the program goes through it),
** sorting with a tolerance, extremes, interpolation, division guards, a bisection root finder,
** angle normalisation, bit words and the reading of a plain decimal number. Arrays are passed as a
** count and a pointer.
*/
#pragma once

#include <cstddef>
#include <cstdint>

/* ---------------------------------------------------------------- rounding and guards */

/*
** x rounded to n decimals (n >= 0). Ties: for n <= 13 the value x*10^n + 0.5 is rounded toward
** minus infinity, so an exact half always goes up (2.5 -> 3, -2.5 -> -2, -1.25 at 1 -> -1.2).
** For n > 13 the value is printed with n decimals and read back.
*/
double Round_To_Decimals(double x, int n);
/*
** The fewest decimals n, from least up to most, with which "%.*f" writes x so that the text reads
** back as x (within 1e-9 of |x|, at least of 1): 2 for 101.04 from least 1, 1 for 101.0; most
** where none does (6.7714285714 to 6 gives 6.771429).
*/
int Held_Decimals(double x, int least, int most);
int Count_Digits(long long n);                 /* decimal digits of n >= 0 (0..9 -> 1) */
double Safe_Divide(double a, double b, int n); /* a/b, or +-1e100 when |b| rounds to 0 */
double Safe_Divide_10(double a, double b);
double Power_Positive(double x, double y); /* 0 for x <= 0 */
int Sign_Of(double x);                     /* 1 for x >= 0, else -1 */
double Angle_Normalize_360(double deg);    /* [0, 360) */
double Angle_Normalize_180(double deg);    /* [-180, 180) */
/* End ordinates of a linear load over L whose resultant R acts at e from the start. */
void Trapezoid_From_Resultant(double *q_start, double *q_end, double R, double e, double L);

/* ---------------------------------------------------------------- extremes */

extern double Last_Max_Value; /* written by the four operations below */
extern double Last_Min_Value;
extern int Last_Max_Index;
extern int Last_Min_Index;

double Min_Of(const double *values, int n, int *index); /* 1e31 and 0 for n < 1 */
double Max_Of(const double *values, int n, int *index); /* -1e31 and 0 for n < 1 */
void Min_Max_Index(int n, const double *values, int *imin, int *imax);
int Index_Of_Extreme(int n, const double *values, int largest); /* 0 for n < 2 */
double Max_Of_Values(int n, const double *values);              /* -1e100 for n < 1 */
double Min_Of_Values(int n, const double *values);              /* +1e100 for n < 1 */
int Index_Of_Max_Value(int n, const double *values);            /* -1 for n < 1 */
int Index_Of_Min_Value(int n, const double *values);            /* -1 for n < 1 */

/* ---------------------------------------------------------------- sorting (tolerance 1e-5) */

void Sort_Doubles_Dir(int n, double *values, int ascending);
void Sort_Index_By_Doubles(const double *keys, int *index, int n);
void Sort_Index_By_Doubles_Dir(int n, const double *keys, int *index, int ascending);
void Sort_Index_By_Ints_Dir(int n, const int *keys, int *index, int ascending);
/* Sort, then keep the values that differ from their predecessor at the given decimals; answers
** the number kept (moved to the front). */
int Sort_Unique_Doubles(int n, double *values, int ascending, int decimals);
/* Reorder both arrays by key1; with by_second > 0 runs of equal key1 are ordered by key2. */
void Sort_By_Two_Keys(int n, double *key1, int ascending, double *key2, int by_second,
                      int decimals);
void Swap_Doubles(double *a, double *b);
void Swap_Floats(float *a, float *b);
double *Swap_Doubles_Ptr(double *a, double *b); /* answers b */

/* ---------------------------------------------------------------- interpolation and roots */

/* Linear interpolation in a point table that need not be sorted; 0 for n < 1. */
double Interpolate_Sorted(int n, const double *x, const double *y, double x0);
/*
** Linear interpolation in a table of n rows of stride doubles: x is looked up in column xcol
** (ascending or descending), the answer is taken from column ycol. Without no_clamp an x outside
** the table takes the end row's value.
*/
double Table_Interpolate(const double *table, int n, int stride, double x, int xcol, int ycol,
                         int no_clamp);
/*
** The same in two dimensions: row 0 holds the column keys in columns 1..stride-1, rows 1..n-1
** hold the row key in column 0 and the values. x is the row key, z the column key.
*/
double Table_Interpolate_2D(const double *table, int n, int stride, double x, double z,
                            int no_clamp);
/* A root of f in [a, b] by bisection; -1e100 when f(a)*f(b) >= 0. */
double Find_Root_Bisection(double (*f)(double), double a, double b, double tol);

/* ---------------------------------------------------------------- bit words (bit n mod 32) */

int Bit_Is_Set(uint32_t word, int n);
int Bit_Set(uint32_t *pword, int n);   /* 1 */
int Bit_Clear(uint32_t *pword, int n); /* 1 */
void Bit_Set_Or_Clear(int flag, uint32_t *pword, int n);

/* ---------------------------------------------------------------- plain decimal numbers */

/*
** 1 when the n bytes at text are a plain decimal number as this program writes them ("-1.300000",
** "300", "0.67", ".5", "5."): an optional sign, digits with at most one point, at least one digit;
** no exponent, no hexadecimal, no nan or inf, no blank. With decimal_comma, a comma may stand for
** the point where digits stand on both sides of it ("20,5"), so that a comma that separates
** values ("20," or ",5") is never taken for one. Its value into *value when given; else 0.
*/
int Plain_Decimal_Number(const char *text, size_t n, int decimal_comma, double *value);
