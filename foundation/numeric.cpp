/*
** Numeric tools: rounding to decimals, division guards, angle normalisation, extremes, sorting
** with a tolerance of 1e-5, interpolation, bisection, bit words and plain decimal numbers.
*/
#include "foundation/numeric.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "foundation/memory.h"

#define SORT_TOLERANCE 1e-5

static const double Powers_Of_Ten[19] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8, 1e9,
                                         1e10, 1e11, 1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18};

/* ---------------------------------------------------------------- rounding and guards */

/* floorl(v), without the library call for the values a rounding meets (|v| < 2^62): the
** conversion to an integer truncates exactly, and a truncated negative value steps down. */
static long double Floor_Long(long double v)
{
    if (!(v > -4.6e18L && v < 4.6e18L)) return floorl(v);
    const long double t = static_cast<long double>(static_cast<long long>(v));
    return t > v ? t - 1.0L : t;
}

double Round_To_Decimals(double x, int n)
{
    if (n < 0) n = 0; /* negative counts are no valid request: round to whole numbers */
    if (n <= 13) {
        /* x*p + 0.5 in extended precision, then toward minus infinity: halves go up. */
        const long double p = Powers_Of_Ten[n];
        return static_cast<double>(Floor_Long(static_cast<long double>(x) * p + 0.5L) / p);
    }
    if (n > 300) n = 300;
    char text[400];
    snprintf(text, sizeof text, "%.*lf", n, x + pow(10.0, -6.0 - n));
    return strtod(text, nullptr);
}

int Held_Decimals(double x, int least, int most)
{
    if (least < 0) least = 0;
    if (most > 17) most = 17;
    if (!std::isfinite(x) || std::fabs(x) >= 1e15) return least;
    const double tolerance = 1e-9 * std::fmax(1.0, std::fabs(x));
    for (int n = least; n < most; n++) {
        char text[48];
        snprintf(text, sizeof text, "%.*f", n, x);
        if (std::fabs(strtod(text, nullptr) - x) <= tolerance) return n;
    }
    return std::max(least, most);
}

int Count_Digits(long long n)
{
    unsigned long long u =
        n < 0 ? 0ull - static_cast<unsigned long long>(n) : static_cast<unsigned long long>(n);
    int d = 1;
    while (u >= 10) {
        u /= 10;
        d++;
    }
    return d;
}

double Safe_Divide(double a, double b, int n)
{
    if (Round_To_Decimals(fabs(b), n) > 0.0) return a / b;
    return a >= 0.0 ? 1e100 : -1e100;
}

double Safe_Divide_10(double a, double b) { return Safe_Divide(a, b, 10); }

double Power_Positive(double x, double y)
{
    if (x <= 0.0) return 0.0;
    if (y == 2.0) return x * x;
    return pow(x, y);
}

int Sign_Of(double x) { return x >= 0.0 ? 1 : -1; }

double Angle_Normalize_360(double deg)
{
    double r = fmod(deg, 360.0);
    if (r < 0.0) r += 360.0;
    return r;
}

double Angle_Normalize_180(double deg) { return Angle_Normalize_360(deg + 180.0) - 180.0; }

void Trapezoid_From_Resultant(double *q_start, double *q_end, double R, double e, double L)
{
    double qs = 0.0, qe = 0.0;
    if (fabs(L) >= 1e-5) {
        qe = (2.0 * R / L) * (3.0 * e / L - 1.0);
        qs = 2.0 * R / L - qe;
    }
    if (q_start) *q_start = qs;
    if (q_end) *q_end = qe;
}

/* ---------------------------------------------------------------- extremes */

double Last_Max_Value = -1e100;
double Last_Min_Value = 1e100;
int Last_Max_Index = -1;
int Last_Min_Index = -1;

double Min_Of(const double *values, int n, int *index)
{
    double m = 1e31;
    int k = 0;
    if (values && n >= 1) {
        m = values[0];
        for (int i = 1; i < n; i++)
            if (values[i] < m) {
                m = values[i];
                k = i;
            }
    }
    if (index) *index = k;
    return m;
}

double Max_Of(const double *values, int n, int *index)
{
    double m = -1e31;
    int k = 0;
    if (values && n >= 1) {
        m = values[0];
        for (int i = 1; i < n; i++)
            if (values[i] > m) {
                m = values[i];
                k = i;
            }
    }
    if (index) *index = k;
    return m;
}

void Min_Max_Index(int n, const double *values, int *imin, int *imax)
{
    if (n < 1 || !values) return;
    int lo = 0, hi = 0;
    for (int i = 1; i < n; i++) {
        if (values[i] < values[lo]) lo = i;
        if (values[i] > values[hi]) hi = i;
    }
    if (imin) *imin = lo;
    if (imax) *imax = hi;
}

int Index_Of_Extreme(int n, const double *values, int largest)
{
    if (n < 2 || !values) return 0;
    int k = 0;
    for (int i = 1; i < n; i++)
        if (largest ? values[i] > values[k] : values[i] < values[k]) k = i;
    return k;
}

/* Reset and compute the four last extremes. */
static void Last_Extremes(int n, const double *values)
{
    Last_Max_Value = -1e100;
    Last_Min_Value = 1e100;
    Last_Max_Index = -1;
    Last_Min_Index = -1;
    if (n < 1 || !values) return;
    for (int i = 0; i < n; i++) {
        if (values[i] > Last_Max_Value) {
            Last_Max_Value = values[i];
            Last_Max_Index = i;
        }
        if (values[i] < Last_Min_Value) {
            Last_Min_Value = values[i];
            Last_Min_Index = i;
        }
    }
}

double Max_Of_Values(int n, const double *values)
{
    Last_Extremes(n, values);
    return Last_Max_Value;
}

double Min_Of_Values(int n, const double *values)
{
    Last_Extremes(n, values);
    return Last_Min_Value;
}

int Index_Of_Max_Value(int n, const double *values)
{
    Last_Extremes(n, values);
    return Last_Max_Index;
}

int Index_Of_Min_Value(int n, const double *values)
{
    Last_Extremes(n, values);
    return Last_Min_Index;
}

/* ---------------------------------------------------------------- sorting */

static const double *Sort_Keys_D = nullptr; /* key array of the index sorts (not reentrant) */
static const int *Sort_Keys_I = nullptr;

static int Compare_Tol(double a, double b)
{
    const double d = a - b;
    if (d > -SORT_TOLERANCE && d < SORT_TOLERANCE) return 0;
    return d < 0 ? -1 : 1;
}

static int Cmp_Double_Up(const void *a, const void *b)
{
    return Compare_Tol(*static_cast<const double *>(a), *static_cast<const double *>(b));
}

static int Cmp_Double_Down(const void *a, const void *b) { return -Cmp_Double_Up(a, b); }

static int Cmp_Index_D_Up(const void *a, const void *b)
{
    return Compare_Tol(Sort_Keys_D[*static_cast<const int *>(a)],
                       Sort_Keys_D[*static_cast<const int *>(b)]);
}

static int Cmp_Index_D_Down(const void *a, const void *b) { return -Cmp_Index_D_Up(a, b); }

static int Cmp_Index_I_Up(const void *a, const void *b)
{
    const int ka = Sort_Keys_I[*static_cast<const int *>(a)],
              kb = Sort_Keys_I[*static_cast<const int *>(b)];
    return (ka > kb) - (ka < kb);
}

static int Cmp_Index_I_Down(const void *a, const void *b) { return -Cmp_Index_I_Up(a, b); }

void Sort_Doubles_Dir(int n, double *values, int ascending)
{
    if (n < 2 || !values) return;
    qsort(values, static_cast<size_t>(n), sizeof(double),
          ascending ? Cmp_Double_Up : Cmp_Double_Down);
}

void Sort_Index_By_Doubles_Dir(int n, const double *keys, int *index, int ascending)
{
    if (n < 1 || !keys || !index) return;
    for (int i = 0; i < n; i++) index[i] = i;
    Sort_Keys_D = keys;
    qsort(index, static_cast<size_t>(n), sizeof(int),
          ascending ? Cmp_Index_D_Up : Cmp_Index_D_Down);
    Sort_Keys_D = nullptr;
}

void Sort_Index_By_Doubles(const double *keys, int *index, int n)
{
    Sort_Index_By_Doubles_Dir(n, keys, index, 1);
}

void Sort_Index_By_Ints_Dir(int n, const int *keys, int *index, int ascending)
{
    if (n < 1 || !keys || !index) return;
    for (int i = 0; i < n; i++) index[i] = i;
    Sort_Keys_I = keys;
    qsort(index, static_cast<size_t>(n), sizeof(int),
          ascending ? Cmp_Index_I_Up : Cmp_Index_I_Down);
    Sort_Keys_I = nullptr;
}

int Sort_Unique_Doubles(int n, double *values, int ascending, int decimals)
{
    if (n < 1 || !values) return 0;
    Sort_Doubles_Dir(n, values, ascending);
    int kept = 1;
    double prev = values[0];
    for (int i = 1; i < n; i++) {
        const double v = values[i];
        if (Round_To_Decimals(v - prev, decimals) != 0.0) values[kept++] = v;
        prev = v;
    }
    return kept;
}

void Sort_By_Two_Keys(int n, double *key1, int ascending, double *key2, int by_second, int decimals)
{
    if (n < 2 || !key1) return;
    std::vector<int> index(static_cast<size_t>(n));
    Sort_Index_By_Doubles_Dir(n, key1, index.data(), ascending);
    std::vector<double> k1(static_cast<size_t>(n)), k2(static_cast<size_t>(n));
    for (int i = 0; i < n; i++) {
        k1[static_cast<size_t>(i)] = key1[index[static_cast<size_t>(i)]];
        if (key2) k2[static_cast<size_t>(i)] = key2[index[static_cast<size_t>(i)]];
    }
    for (int i = 0; i < n; i++) {
        key1[i] = k1[static_cast<size_t>(i)];
        if (key2) key2[i] = k2[static_cast<size_t>(i)];
    }
    if (by_second <= 0 || !key2) return;
    for (int start = 0; start < n;) {
        int end = start + 1;
        while (end < n && Round_To_Decimals(key1[end] - key1[end - 1], decimals) == 0.0) end++;
        /* Order the run [start, end) by ascending key2 (simple insertion: runs are short). */
        for (int i = start + 1; i < end; i++)
            for (int j = i; j > start && key2[j] < key2[j - 1]; j--) {
                Swap_Doubles(&key2[j], &key2[j - 1]);
                Swap_Doubles(&key1[j], &key1[j - 1]);
            }
        start = end;
    }
}

void Swap_Doubles(double *a, double *b)
{
    const double t = *a;
    *a = *b;
    *b = t;
}

void Swap_Floats(float *a, float *b)
{
    const float t = *a;
    *a = *b;
    *b = t;
}

double *Swap_Doubles_Ptr(double *a, double *b)
{
    Swap_Doubles(a, b);
    return b;
}

/* ---------------------------------------------------------------- interpolation and roots */

/* y on the line through (x1, y1) and (x2, y2) at x0, with the rules for equal x. */
static double Interpolate_Pair(double x1, double y1, double x2, double y2, double x0)
{
    if (x1 != x2) return y1 + (x0 - x1) * (y2 - y1) / (x2 - x1);
    if (y1 != y2) return x0 >= 0.0 ? 1e100 : -1e100;
    return y1;
}

double Interpolate_Sorted(int n, const double *x, const double *y, double x0)
{
    if (n < 1 || !x || !y) return 0.0;
    if (n == 1) return y[0];
    int *idx = static_cast<int *>(Mem_Realloc(nullptr, static_cast<size_t>(n) * sizeof(int), 0));
    Sort_Index_By_Doubles_Dir(n, x, idx, 1);
    for (int i = 0; i + 1 < n; i++)
        if (Round_To_Decimals(x[idx[i]], 4) == Round_To_Decimals(x[idx[i + 1]], 4)
            && idx[i] > idx[i + 1]) {
            const int t = idx[i];
            idx[i] = idx[i + 1];
            idx[i + 1] = t;
        }
    int a = 0;
    if (x[idx[0]] < x0) {
        a = n - 2; /* beyond the largest x: the last two points */
        for (int i = 0; i + 1 < n; i++)
            if (x[idx[i]] <= x0 && x0 <= x[idx[i + 1]]) {
                a = i;
                break;
            }
    }
    const int i1 = idx[a], i2 = idx[a + 1];
    Mem_Free(&idx);
    return Interpolate_Pair(x[i1], y[i1], x[i2], y[i2], x0);
}

/* Like Interpolate_Pair, but equal y within 1e-5 answer that y. */
static double Table_Pair(double x1, double y1, double x2, double y2, double x0)
{
    if (fabs(y2 - y1) < 1e-5) return y1;
    return Interpolate_Pair(x1, y1, x2, y2, x0);
}

/* Row bracketing x in a key sequence key(i), i = 0..n-1 (ascending or descending): the row a
** such that x lies between key(a) and key(a + 1); -1 below the first, -2 beyond the last key
** (outside by more than 1e-5). */
template <typename Key>
static int Bracket(int n, Key key, double x)
{
    const int up = key(n - 1) >= key(0);
    const double lo = up ? key(0) : key(n - 1), hi = up ? key(n - 1) : key(0);
    if (x < lo - 1e-5) return up ? -1 : -2;
    if (x > hi + 1e-5) return up ? -2 : -1;
    for (int i = 0; i + 1 < n; i++) {
        const double a = key(i), b = key(i + 1);
        if ((x >= fmin(a, b) - 1e-5) && (x <= fmax(a, b) + 1e-5)) return i;
    }
    return n - 2;
}

double Table_Interpolate(const double *table, int n, int stride, double x, int xcol, int ycol,
                         int no_clamp)
{
    if (!table || n < 1 || stride < 1 || xcol < 0 || ycol < 0 || xcol >= stride || ycol >= stride)
        return 0.0;
    auto X = [&](int i) {
        return table[static_cast<size_t>(i) * static_cast<size_t>(stride)
                     + static_cast<size_t>(xcol)];
    };
    auto Y = [&](int i) {
        return table[static_cast<size_t>(i) * static_cast<size_t>(stride)
                     + static_cast<size_t>(ycol)];
    };
    if (n == 1) return Y(0);
    int a = Bracket(n, X, x);
    if (a < 0) {
        const int first = a == -1; /* outside at the first row */
        if (!no_clamp) return first ? Y(0) : Y(n - 1);
        a = first ? 0 : n - 2;
    }
    return Table_Pair(X(a), Y(a), X(a + 1), Y(a + 1), x);
}

double Table_Interpolate_2D(const double *table, int n, int stride, double x, double z,
                            int no_clamp)
{
    if (!table || n < 2 || stride < 2) return 0.0;
    const int cols = stride - 1;
    auto Z = [&](int j) { return table[static_cast<size_t>(j) + 1]; };
    const double *rows = table + stride;
    if (cols == 1) return Table_Interpolate(rows, n - 1, stride, x, 0, 1, no_clamp);
    int a = Bracket(cols, Z, z);
    if (a < 0) {
        const int first = a == -1;
        if (!no_clamp) return Table_Interpolate(rows, n - 1, stride, x, 0, first ? 1 : cols, 0);
        a = first ? 0 : cols - 2;
    }
    const double ya = Table_Interpolate(rows, n - 1, stride, x, 0, a + 1, no_clamp);
    const double yb = Table_Interpolate(rows, n - 1, stride, x, 0, a + 2, no_clamp);
    return Table_Pair(Z(a), ya, Z(a + 1), yb, z);
}

double Find_Root_Bisection(double (*f)(double), double a, double b, double tol)
{
    if (!f) return -1e100;
    double fa = f(a);
    const double fb = f(b);
    if (fa * fb >= 0.0) return -1e100;
    for (int k = 0; b - a > tol && k < 100; k++) {
        const double m = (a + b) * 0.5;
        const double fm = f(m);
        if (fm == 0.0) return m;
        if (fa * fm < 0.0) b = m;
        else {
            a = m;
            fa = fm;
        }
    }
    return (a + b) * 0.5;
}

/* ---------------------------------------------------------------- bit words */

static uint32_t Bit_Mask(int n) { return 1u << (((n % 32) + 32) % 32); }

int Bit_Is_Set(uint32_t word, int n) { return (word & Bit_Mask(n)) != 0; }

int Bit_Set(uint32_t *pword, int n)
{
    if (pword) *pword |= Bit_Mask(n);
    return 1;
}

int Bit_Clear(uint32_t *pword, int n)
{
    if (pword) *pword &= ~Bit_Mask(n);
    return 1;
}

void Bit_Set_Or_Clear(int flag, uint32_t *pword, int n)
{
    if (flag) Bit_Set(pword, n);
    else Bit_Clear(pword, n);
}

/* ---------------------------------------------------------------- plain decimal numbers */

int Plain_Decimal_Number(const char *text, size_t n, int decimal_comma, double *value)
{
    if (!text) return 0;
    const size_t sign = n > 0 && (text[0] == '+' || text[0] == '-') ? 1 : 0;
    size_t digits = 0, marks = 0, mark_at = 0;
    for (size_t i = sign; i < n; i++) {
        const char c = text[i];
        if (c >= '0' && c <= '9') {
            digits++;
        } else if (c == '.' || (c == ',' && decimal_comma)) {
            marks++;
            mark_at = i;
        } else {
            return 0;
        }
    }
    if (digits == 0 || marks > 1) return 0;
    if (marks == 1 && text[mark_at] == ',') {
        const bool before = mark_at > sign, after = mark_at + 1 < n;
        if (!before || !after) return 0;
    }
    if (!value) return 1;
    /* from_chars takes no plus sign and rounds correctly, as strtod does */
    std::string z(text + sign, n - sign);
    if (marks == 1) z[mark_at - sign] = '.';
    double x = 0.0;
    const std::from_chars_result r = std::from_chars(z.data(), z.data() + z.size(), x);
    if (r.ec != std::errc() || r.ptr != z.data() + z.size()) x = strtod(z.c_str(), nullptr);
    *value = sign && text[0] == '-' ? -x : x;
    return 1;
}
