// rootstep against the closed-form roots of x^3 - 3x - 1: with x = 2 cos t the
// cubic becomes 2 cos 3t - 1, so the roots are 2 cos(pi/9), 2 cos(5 pi/9) and
// 2 cos(7 pi/9). Each converged run must print one of them to single-precision
// accuracy: within a few units in the last place of a float near 2, plus the
// rounding to six printed decimals.
#include "run_program.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>

namespace {

const double kPi = 3.14159265358979323846;

struct StartingPoints {
    const char* input;
    double root;
};

TEST(ConvergedRuns, PrintTheClosedFormRoot)
{
    const double largest = 2.0 * std::cos(kPi / 9.0);
    const double middle = 2.0 * std::cos(5.0 * kPi / 9.0);
    const double smallest = 2.0 * std::cos(7.0 * kPi / 9.0);
    const StartingPoints runs[] = {
        {"1.5 2 0.0001", largest},  {"3 4 0.000001", largest},   {"100 200 0.0001", largest},
        {"1.9 1.8 1e-7", largest},  {"0 1 1e-6", middle},        {"-0.2 -0.5 1e-7", middle},
        {"0.3 0.4 1e-6", middle},   {"-1 -2 0.00001", smallest}, {"-1.4 -1.6 1e-7", smallest},
        {"-10 -20 1e-6", smallest},
    };
    const double tolerance = 4.0 * std::ldexp(1.0, -23) + 5.0e-7;
    for (const StartingPoints& r : runs) {
        numex_test::ProgramRun run = numex_test::run_program(ROOTSTEP_PROGRAM, std::string(r.input) + "\n");
        ASSERT_EQ(run.status, 0) << r.input;
        double printed = 0.0;
        int steps = -1;
        ASSERT_EQ(std::sscanf(run.out.c_str(), "input x0 x1 epsi\nthe solution is %lf \nthe steps used are %d",
                              &printed, &steps), 2)
            << run.out;
        EXPECT_NEAR(printed, r.root, tolerance) << r.input << " after " << steps << " steps";
    }
}

} // namespace
