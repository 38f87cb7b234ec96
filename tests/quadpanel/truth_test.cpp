// quadpanel against the exact integral. When b - a = 2 the panels are the m
// equal parts of [a, b], of width h = 2/m, and the composite two-point
// Gauss-Legendre rule errs by (b - a) h^4 f''''(xi) / 4320 for some xi in
// [a, b]. For f(t) = 4/(t^2 + 1), |f''''| <= 96, so
//
//     |printed - 4 (atan(b) - atan(a))| <= 2 (2/m)^4 96 / 4320 + 5e-7,
//
// the last term for the rounding to six printed decimals. A wrong panel
// geometry, node or weight breaks this bound already for small m.
#include "run_program.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>

namespace {

double printed_value(double m, double a, double b)
{
    char input[128];
    std::snprintf(input, sizeof input, "%.17g %.17g %.17g\n", m, a, b);
    numex_test::ProgramRun run = numex_test::run_program(QUADPANEL_PROGRAM, input);
    EXPECT_EQ(run.status, 0) << input;
    return std::stod(run.out);
}

TEST(WidthTwoIntervals, FourthOrderErrorBound)
{
    for (double a : {-1.0, 0.0, -0.5, 1.0, -3.0, 7.25}) {
        double b = a + 2.0;
        double exact = 4.0 * (std::atan(b) - std::atan(a));
        for (int m : {1, 2, 3, 4, 5, 8, 16, 64, 1000}) {
            double h = 2.0 / m;
            double bound = 2.0 * std::pow(h, 4) * 96.0 / 4320.0 + 5.0e-7 + 1e-12;
            double error = printed_value(m, a, b) - exact;
            EXPECT_LE(std::fabs(error), bound) << "[" << a << ", " << b << "], m = " << m;
        }
    }
}

TEST(WidthTwoIntervals, ErrorFallsWithTheFourthPowerOfThePanelWidth)
{
    // Over [1, 3] the error is far above the printed resolution for m = 1, 2:
    // halving the panel width divides it by more than 2^3.5, as a rule of
    // order four (and no rule of order two or three) does.
    double exact = 4.0 * (std::atan(3.0) - std::atan(1.0));
    double e1 = std::fabs(printed_value(1, 1.0, 3.0) - exact);
    double e2 = std::fabs(printed_value(2, 1.0, 3.0) - exact);
    EXPECT_GT(e2, 1.0e-5);
    EXPECT_GT(e1 / e2, std::pow(2.0, 3.5));
}

} // namespace
