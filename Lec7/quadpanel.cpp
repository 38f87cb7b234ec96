// quadpanel: a composite two-point Gauss-Legendre sum of f(t) = 4/(t^2 + 1).
//
// Panel k (k = 0 ... m-1) has centre c_k = a + (b - a) k/m + 1/m and half-width
// h = 1/m; the two Gauss nodes of a panel lie at c_k +- h/sqrt(3), each with
// weight h. The printed number is
//
//     integral = (f(c_0 + d) + ... + f(c_{m-1} + d)) / m
//              + (f(c_0 - d) + ... + f(c_{m-1} - d)) / m,     d = 1/(sqrt(3) m),
//
// each bracket added from 0.0 in index order and divided by m before the two
// are added. The centres step by (b - a)/m while the half-width and weights
// use 1/m, so the panels tile [a, b] only when b - a = 2; then the result is
// the composite rule of order four for the integral over [a, b] (2 pi over
// [-1, 1]). For any other interval the same formula is applied unchanged.
#include "quadpanel.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

double panel_centre(double a, double b, double m, int k)
{
    // The offset 1/m is formed on its own and added last: adding it to a
    // first, or folding it into (2k + 1)/m, gives other last bits
    // (0.2 + 0.1 = 0.30000000000000004 for the second centre of m = 10 on [0, 2]).
    return (a + ((b - a) * static_cast<double>(k)) / m) + 1.0 / m;
}

double* Infunc(const double* x, int m, double trans)
{
    if (m <= 0) {
        return nullptr;
    }
    double* values = static_cast<double*>(std::calloc(static_cast<std::size_t>(m), sizeof(double)));
    if (values == nullptr) {
        return nullptr;
    }
    for (int k = 0; k < m; k++) {
        // The square is the product of two rounded sums, then 1.0 is added.
        values[k] = 4.0 / ((x[k] + trans) * (x[k] + trans) + 1.0);
    }
    return values;
}

double sum(const double* a, int m)
{
    double s = 0.0;
    for (int k = 0; k < m; k++) {
        s = s + a[k];
    }
    return s;
}

#ifndef NUMEX_LIBRARY_ONLY

namespace {

// The double nearest sqrt(3); a computed root could differ by a unit in the
// last place between libraries.
constexpr double kSqrt3 = 1.7320508075688772;

// Largest panel count the 32-bit counts and loop index can hold.
constexpr double kMaxPanels = 2147483647.0;

// One side's contribution: f at the centres shifted by trans, summed, divided by m.
// Returns false when the node values cannot be allocated.
bool side(const double* x, int count, double trans, double m, double& S)
{
    double* values = Infunc(x, count, trans);
    if (count > 0 && values == nullptr) {
        return false;
    }
    S = sum(values, count) / m;
    std::free(values);
    return true;
}

// IEEE 754 leaves the sign of a NaN result open and compilers differ in it
// ((-p)/2.0 for a NaN p prints as "nan" at -O0 and as "-nan" at -O2, with
// g++ and clang++ alike). Every NaN is printed as the one positive quiet
// NaN, so that all builds print the same text.
double printable(double value)
{
    return std::isnan(value) ? std::numeric_limits<double>::quiet_NaN() : value;
}

int out_of_memory(int count)
{
    std::fprintf(stderr, "quadpanel: not enough memory for %d panels\n", count);
    return 1;
}

} // namespace

int main()
{
    double m = 0.0;
    double a = 0.0;
    double b = 0.0;
    if (std::scanf("%lf", &m) != 1 || std::scanf("%lf%lf", &a, &b) != 2) {
        std::fprintf(stderr, "quadpanel: expected three numbers: the panel count m, then the interval ends a and b\n");
        return 1;
    }
    // A count that is NaN or above the 32-bit range must never reach the
    // conversion to int below (that would be undefined). Any m <= 0 gives the
    // count 0, so every array is empty and every loop over the count is
    // skipped, as a negative count would skip it, however large m's magnitude.
    if (std::isnan(m) || m > kMaxPanels) {
        std::fprintf(stderr, "quadpanel: the panel count m must be a number no greater than 2147483647\n");
        return 1;
    }
    int count = m > 0.0 ? static_cast<int>(m) : 0; // m truncated toward zero

    double* x = nullptr;
    if (count > 0) {
        x = static_cast<double*>(std::calloc(static_cast<std::size_t>(count), sizeof(double)));
        if (x == nullptr) {
            return out_of_memory(count);
        }
    }
    // For a whole m this is the loop "k < m"; for a fractional m it stops at
    // the floor(m) entries the array has (the extra midpoint would never be
    // read: Infunc and sum see only floor(m) entries).
    for (int k = 0; k < count; k++) {
        x[k] = panel_centre(a, b, m, k);
    }

    double S1 = 0.0;
    double S2 = 0.0;
    bool ok = side(x, count, 1.0 / (kSqrt3 * m), m, S1) && side(x, count, -1.0 / (kSqrt3 * m), m, S2);
    std::free(x);
    if (!ok) {
        return out_of_memory(count);
    }
    double integral = S1 + S2;
    std::printf("%lf", printable(integral));
    return 0;
}

#endif // NUMEX_LIBRARY_ONLY
