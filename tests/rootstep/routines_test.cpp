// Unit tests of the cubic and the secant correction of rootstep, in single
// precision and bit for bit.
#include "rootstep.h"

#include "bits.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

using numex_test::same_float;

const float kInf = std::numeric_limits<float>::infinity();
const float kNaN = std::numeric_limits<float>::quiet_NaN();

struct CubicCase {
    float x;
    float expected;
    const char* why;
};

TEST(Func, EvaluatesInTheStatedOrder)
{
    const CubicCase cases[] = {
        // Horner's x (x x - 3) - 1 and an evaluation in double give other floats here.
        {1.7f, -1.18700027f, "order and single rounding"},
        {-1.3f, 0.703000069f, "order and single rounding"},
        {0.3f, -1.87300003f, "Horner differs"},
        {-0.347296357f, 0.0f, "the one float where the cubic is exactly zero"},
        {1.0f, -3.0f, "f(1) = f(-2)"},
        {-2.0f, -3.0f, "f(1) = f(-2)"},
        {2.0f, 1.0f, "f(2) = f(-1)"},
        {-1.0f, 1.0f, "f(2) = f(-1)"},
        {1.0e13f, kInf, "the cube overflows"},
        {2.0e38f, kNaN, "3x overflows too: inf - inf"},
        {kInf, kNaN, "at an infinity"},
    };
    for (const CubicCase& c : cases) {
        EXPECT_TRUE(same_float(func(c.x), c.expected))
            << "f(" << c.x << ") = " << func(c.x) << ", expected " << c.expected << " (" << c.why << ")";
    }
}

// The run 1.5, 2 step by step, each value to nine significant digits (which
// names one float): the pair fed to ffd, its correction and x0 - correction.
// With tolerance 1e-4 the run stops after step 5; with 0 the iterates merge
// at step 8 and step 9 divides 0 by 0. Steps 3 and 4 change in the last bit if
// the quotient is formed before the product.
struct TraceStep {
    float x0, x1, delta, next;
};

const TraceStep kTrace[] = {
    {1.5f, 2.0f, -0.340000004f, 1.84000003f},
    {1.84000003f, 1.5f, -0.0538394041f, 1.89383948f},
    {1.89383948f, 1.84000003f, 0.0148827527f, 1.87895668f},
    {1.87895668f, 1.89383948f, -0.000423998194f, 1.8793807f},
    {1.8793807f, 1.87895668f, -4.52094991e-6f, 1.87938523f},
    {1.87938523f, 1.8793807f, -6.38021547e-8f, 1.87938535f},
    {1.87938535f, 1.87938523f, 7.94728621e-8f, 1.87938523f},
    {1.87938523f, 1.87938535f, -3.9736431e-8f, 1.87938523f},
    {1.87938523f, 1.87938523f, kNaN, kNaN},
};

TEST(Ffd, TraceOfTheRunFromOneAndAHalfAndTwo)
{
    int step = 1;
    for (const TraceStep& s : kTrace) {
        const float x[2] = {s.x0, s.x1};
        float delta = ffd(x);
        EXPECT_TRUE(same_float(delta, s.delta)) << "step " << step << ": delta = " << delta;
        EXPECT_TRUE(same_float(x[0] - delta, s.next)) << "step " << step;
        step++;
    }
}

TEST(Ffd, SpecialValues)
{
    struct Case {
        float x0, x1, expected;
        const char* why;
    } cases[] = {
        {0.0f, 1.0f, 0.5f, "first correction of the run 0, 1 is exactly 0.5"},
        {1.0f, -2.0f, -kInf, "equal values -3: division by zero"},
        {2.0f, -1.0f, kInf, "equal values 1: division by zero"},
        {1.0f, 1.0f, kNaN, "equal points: 0 * f / 0"},
        {1.0e13f, 0.0f, kNaN, "cube overflows at the newest point: inf / inf"},
        {1.0f, 1.0e13f, -0.0f, "cube overflows at the older point: finite / -inf"},
        {-0.347296357f, 5.0f, 0.0f, "exact zero of the cubic at the newest point: (-5.35 * 0) / -109"},
    };
    for (const Case& c : cases) {
        const float x[2] = {c.x0, c.x1};
        EXPECT_TRUE(same_float(ffd(x), c.expected)) << c.why << ": got " << ffd(x);
    }
}

} // namespace
