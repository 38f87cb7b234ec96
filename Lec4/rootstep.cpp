// rootstep: a root of f(x) = x^3 - 3x - 1 by the secant method, in single
// precision throughout.
//
// From the newest iterate x0 and the one before it, x1, one step is
//
//     delta = ((x0 - x1) f(x0)) / (f(x0) - f(x1)),   (x0, x1) <- (x0 - delta, x0),
//
// repeated while |delta| > epsi, strictly (before the first step delta is the
// distance x0 - x1 of the starting points). There is no step limit: the loop
// ends on a small, zero or NaN correction. The roots are 2 cos(pi/9),
// 2 cos(5 pi/9) and 2 cos(7 pi/9), near 1.879385, -0.347296 and -1.532089.
//
// Every operation is a float operation rounded on its own in the order written
// here; only the printed solution is widened to double.
#include "rootstep.h"

#include <cmath>
#include <cstdio>
#include <limits>

float func(float x)
{
    float p = x * x;
    p = p * x;
    float q = 3.0f * x;
    float r = p - q;
    return r - 1.0f;
}

float ffd(const float x[2])
{
    // Both values are computed afresh on every call.
    float y[2];
    y[0] = func(x[0]);
    y[1] = func(x[1]);
    // The product comes before the quotient.
    float d = x[0] - x[1];
    d = d * y[0];
    float e = y[0] - y[1];
    float delta = d / e;
    return delta;
}

#ifndef NUMEX_LIBRARY_ONLY

namespace {

// IEEE 754 leaves the sign of a NaN result open and compilers differ in it
// ((-p)/2.0 for a NaN p prints as "nan" at -O0 and as "-nan" at -O2, with
// g++ and clang++ alike). Every NaN is printed as the one positive quiet
// NaN, so that all builds print the same text.
double printable(double value)
{
    return std::isnan(value) ? std::numeric_limits<double>::quiet_NaN() : value;
}

} // namespace

int main()
{
    int step = 0;
    float x[2] = {0.0f, 0.0f};
    float epsi = 0.0f;
    std::puts("input x0 x1 epsi");
    if (std::scanf("%f%f%f", &x[0], &x[1], &epsi) != 3) {
        std::fprintf(stderr, "rootstep: expected three numbers: the starting points x0 and x1, then the tolerance epsi\n");
        return 1;
    }
    float delta = x[0] - x[1];
    // False for a NaN delta or epsi, so a NaN correction always ends the loop.
    while (std::fabs(delta) > epsi) {
        delta = ffd(x);
        x[1] = x[0];
        x[0] = x[0] - delta;
        step = step + 1;
    }
    std::printf("the solution is %f \n", printable(static_cast<double>(x[0])));
    std::printf("the steps used are %d \n", step);
    return 0;
}

#endif // NUMEX_LIBRARY_ONLY
