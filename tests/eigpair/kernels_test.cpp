// Unit tests of the vector kernels and the recurrence fit of eigpair.
// Results are compared bit for bit: the cases are chosen so that a different
// order or grouping of the operations changes the last bit.
#include "eigpair.h"

#include "bits.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace {

using numex_test::same_double;

const double kNaN = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();

// ---- Mat_multi -------------------------------------------------------------

TEST(MatMulti, AddsEachRowInColumnOrder)
{
    // 1e16 + 1 rounds back to 1e16, so the column order cancels to 0, not 1.
    std::vector<double> row0 = {1.0e16, 1.0, -1.0e16};
    std::vector<double> row1 = {1.0, 2.0, 3.0};
    std::vector<double> row2 = {-1.0, 0.5, 0.25};
    const double* Mat[] = {row0.data(), row1.data(), row2.data()};
    const double z[] = {1.0, 1.0, 1.0};
    double zk[] = {42.0, kNaN, -7.0}; // earlier contents must not enter the result
    Mat_multi(Mat, z, 3, zk);
    EXPECT_TRUE(same_double(zk[0], 0.0));
    EXPECT_TRUE(same_double(zk[1], 6.0));
    EXPECT_TRUE(same_double(zk[2], -0.25));
}

TEST(MatMulti, OrderZeroWritesNothing)
{
    double zk[] = {42.0};
    Mat_multi(nullptr, nullptr, 0, zk);
    EXPECT_EQ(zk[0], 42.0);
}

// ---- fmaxabs ---------------------------------------------------------------

struct ScaleCase {
    const char* name;
    std::vector<double> z;
    double expected;
};

TEST(Fmaxabs, LargestMagnitudeNeverNaN)
{
    const ScaleCase cases[] = {
        {"mixed signs", {-3.0, 2.0}, 3.0},
        {"NaN first", {kNaN, -1.0}, 1.0},
        {"NaN last", {-1.0, kNaN}, 1.0},
        {"only NaN", {kNaN}, 0.0},
        {"negative zero", {-0.0}, 0.0},
        {"infinity", {-kInf, 1.0}, kInf},
        {"empty", {}, 0.0},
    };
    for (const ScaleCase& c : cases) {
        double result = fmaxabs(c.z.data(), static_cast<int>(c.z.size()));
        EXPECT_TRUE(same_double(result, c.expected)) << c.name << ": got " << result;
    }
}

// ---- Division --------------------------------------------------------------

TEST(Division, DividesEachComponentTruly)
{
    double z[] = {5.0};
    Division(z, 3.0, 1);
    EXPECT_TRUE(same_double(z[0], 1.6666666666666667));
    // The reciprocal form is one unit in the last place lower, so the
    // case tells the two apart.
    EXPECT_FALSE(same_double(z[0], 5.0 * (1.0 / 3.0)));
}

TEST(Division, ByZeroGivesSignedInfinitiesAndNaN)
{
    double z[] = {1.0, -2.0, 0.0};
    Division(z, 0.0, 3);
    EXPECT_TRUE(same_double(z[0], kInf));
    EXPECT_TRUE(same_double(z[1], -kInf));
    EXPECT_TRUE(std::isnan(z[2]));
}

TEST(Division, LengthZeroChangesNothing)
{
    double z[] = {5.0};
    Division(z, 3.0, 0);
    EXPECT_EQ(z[0], 5.0);
}

// ---- dot -------------------------------------------------------------------

TEST(Dot, EmptyOrNegativeLengthIsPositiveZero)
{
    for (int n : {0, -1, -2147483647 - 1}) {
        EXPECT_TRUE(same_double(dot(nullptr, nullptr, n), 0.0)) << "n = " << n;
    }
}

TEST(Dot, RoundsEachProductBeforeAdding)
{
    // 0.1 * 0.1 and -0.1 * 0.1 round to opposite doubles and cancel to +0.0;
    // a fused multiply-add would keep the rounding error of the first product.
    const double a[] = {0.1, 0.1};
    const double b[] = {0.1, -0.1};
    EXPECT_TRUE(same_double(dot(a, b, 2), 0.0));

    // The same for a row of the matrix-vector product.
    const double* Mat[] = {b, b};
    double zk[2];
    Mat_multi(Mat, a, 2, zk);
    EXPECT_TRUE(same_double(zk[0], 0.0));
    EXPECT_TRUE(same_double(zk[1], 0.0));
}

TEST(Dot, SymmetricBitForBit)
{
    const double a[] = {0.1, 1.0e16, -0.3, -1.0e16, 0.7};
    const double b[] = {0.3, 1.0, 0.2, 1.0, 1.0 / 3.0};
    EXPECT_TRUE(same_double(dot(a, b, 5), dot(b, a, 5)));
}

// ---- pqk1 / pqk2 -----------------------------------------------------------

struct Window {
    const char* name;
    std::vector<double> z0, z1, z2;
    double m[3];
    double p, q; // expected bit patterns (NaN: any NaN)
};

// Windows whose expected p and q are known exactly: the first three are
// documented dialogue windows, the rest the degenerate shapes.
const Window kWindows[] = {
    // Every inner product exact; p and q the doubles nearest -0.8 and 7.2.
    {"exact window", {1.0, 0.5}, {-0.5, 1.0}, {-1.0, -0.25}, {123.0, 2.0, 4.0}, -0.8, 7.2},
    // After the warm-up for rows (1, -2), (2, 1): one ulp beyond -2 and 5,
    // which only the product-before-quotient grouping gives.
    {"1 +- 2i after warm-up",
     {1.0, 1.0},
     {-0.3333333333333333, 1.0},
     {-1.0, 0.14285714285714288},
     {0.0, 3.0, 2.3333333333333335},
     -2.0000000000000004,
     5.000000000000001},
    // Rotation by a quarter turn: p is negative zero.
    {"rotation", {1.0, 1.0}, {-1.0, 1.0}, {-1.0, -1.0}, {0.0, 1.0, 1.0}, -0.0, 1.0},
    // Inexact inner products: every rounding shows, so a fused a*b - c*d in
    // the determinant or the numerators changes the result. The expected
    // values come from evaluating the same formulas in Python, whose floats
    // round every operation on its own.
    {"inexact window", {-0.8, -0.8, -1.0}, {-0.4, -0.7, -0.6}, {-0.4, -0.4, -0.4}, {0.0, 2.1, 1.5},
     -0.14946619217081678, -1.2330960854092472},
    {"m[0] NaN has no influence", {1.0, 0.5}, {-0.5, 1.0}, {-1.0, -0.25}, {kNaN, 2.0, 4.0}, -0.8, 7.2},
    {"z1 equal to z0", {1.0, -0.5}, {1.0, -0.5}, {0.25, 1.0}, {0.0, 2.0, 3.0}, kNaN, kNaN},
    {"z1 opposite to z0", {1.0, -0.5}, {-1.0, 0.5}, {0.25, 1.0}, {0.0, 2.0, 3.0}, kNaN, kNaN},
    {"n = 1", {1.0}, {-1.0}, {1.0}, {0.0, 5.0, 5.0}, kNaN, kNaN},
    {"NaN component", {1.0, kNaN}, {-0.5, 1.0}, {-1.0, -0.25}, {0.0, 2.0, 4.0}, kNaN, kNaN},
    {"n = 0", {}, {}, {}, {0.0, 0.0, 0.0}, kNaN, kNaN},
};

TEST(RecurrenceFit, KnownWindows)
{
    for (const Window& w : kWindows) {
        const double* z[] = {w.z0.data(), w.z1.data(), w.z2.data()};
        int n = static_cast<int>(w.z0.size());
        double p = pqk1(z, w.m, n);
        double q = pqk2(z, w.m, n);
        EXPECT_TRUE(same_double(p, w.p)) << w.name << ": p = " << p;
        EXPECT_TRUE(same_double(q, w.q)) << w.name << ": q = " << q;
    }
}

TEST(RecurrenceFit, QuotientBeforeScaleWouldGiveOtherBits)
{
    // The 1 +- 2i window again, evaluated with the scale applied after the
    // quotient: the exact -2 and 5 come out, so the table case above does tell
    // the two groupings apart.
    const Window& w = kWindows[1];
    const double* z0 = w.z0.data();
    const double* z1 = w.z1.data();
    const double* z2 = w.z2.data();
    double delta = dot(z1, z1, 2) * dot(z0, z0, 2) - dot(z1, z0, 2) * dot(z1, z0, 2);
    double N1 = dot(z1, z2, 2) * dot(z0, z0, 2) - dot(z0, z2, 2) * dot(z0, z1, 2);
    double N2 = dot(z1, z1, 2) * dot(z0, z2, 2) - dot(z1, z2, 2) * dot(z0, z1, 2);
    EXPECT_EQ(N1 / delta * -w.m[2], -2.0);
    EXPECT_EQ(N2 / delta * ((-w.m[2]) * w.m[1]), 5.0);
}

} // namespace
