// Unit tests of the node evaluation and the summation of quadpanel,
// compared bit for bit.
#include "quadpanel.h"

#include "bits.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

namespace {

using numex_test::same_double;

struct CentreCase {
    double a, b, m;
    int k;
    double expected;
};

TEST(PanelCentre, AddsTheOffsetLast)
{
    // Each expected value differs from (a + 1/m) + (b - a)k/m and from
    // a + (2k + 1)/m in the last bit, except the first, which differs from the
    // latter (0.3) and the last, which is exact.
    const CentreCase cases[] = {
        {0.0, 2.0, 10.0, 1, 0.30000000000000004},
        {0.1, 2.1, 3.0, 1, 1.0999999999999999},
        {0.1, 2.1, 10.0, 8, 1.8000000000000003},
        {0.3, 2.3, 7.0, 1, 0.7285714285714284},
        {-1.0, 1.0, 4.0, 0, -0.75},
    };
    for (const CentreCase& c : cases) {
        EXPECT_TRUE(same_double(panel_centre(c.a, c.b, c.m, c.k), c.expected))
            << "a = " << c.a << ", b = " << c.b << ", m = " << c.m << ", k = " << c.k;
    }
}

TEST(Infunc, OnePanelNodesOfMinusOneToOne)
{
    // One panel centred at 0: both nodes give 2.9999999999999996, one unit
    // below 3 in the last place.
    const double x[] = {0.0};
    for (double numerator : {1.0, -1.0}) {
        double* values = Infunc(x, 1, numerator / (1.7320508075688772 * 1.0));
        ASSERT_NE(values, nullptr);
        EXPECT_TRUE(same_double(values[0], 2.9999999999999996)) << values[0];
        std::free(values);
    }
}

TEST(Infunc, SquaresAndAddsOneInSeparateRoundings)
{
    // Nodes of two panels on [-1, 1] where 1.0 added to the rounded square
    // differs in the last bit from a fused (x + t)(x + t) + 1.
    const double x[] = {-0.75, 0.9};
    const double expected[] = {3.2980969290133753, 1.6577228542878255};
    double* values = Infunc(x, 2, 1.0 / (1.7320508075688772 * 2.0));
    ASSERT_NE(values, nullptr);
    for (int k = 0; k < 2; k++) {
        EXPECT_TRUE(same_double(values[k], expected[k])) << "x = " << x[k] << ": " << values[k];
    }
    std::free(values);
}

TEST(Infunc, NoPanelsNoArray)
{
    for (int m : {0, -1, -2147483647 - 1}) {
        EXPECT_EQ(Infunc(nullptr, m, 0.5), nullptr) << "m = " << m;
    }
}

TEST(InfuncAndSum, RightNodesOfFourPanels)
{
    // Four panels on [-1, 1]: S1 = sum / 4 with the node offset 1/(sqrt(3) 4).
    const double x[] = {-0.75, -0.25, 0.25, 0.75};
    double trans = 1.0 / (1.7320508075688772 * 4.0);
    EXPECT_TRUE(same_double(trans, 0.14433756729740646));
    double* values = Infunc(x, 4, trans);
    ASSERT_NE(values, nullptr);
    EXPECT_TRUE(same_double(sum(values, 4) / 4.0, 3.141609893031025));
    std::free(values);
}

TEST(InfuncAndSum, BothSidesOfTenPanelsOnZeroToTwo)
{
    double x[10];
    for (int k = 0; k < 10; k++) {
        x[k] = panel_centre(0.0, 2.0, 10.0, k);
    }
    const struct {
        double numerator, S;
    } sides[] = {{1.0, 2.121639244480968}, {-1.0, 2.3069559673846536}};
    for (const auto& side : sides) {
        double* values = Infunc(x, 10, side.numerator / (1.7320508075688772 * 10.0));
        ASSERT_NE(values, nullptr);
        EXPECT_TRUE(same_double(sum(values, 10) / 10.0, side.S)) << "offset sign " << side.numerator;
        std::free(values);
    }
}

struct SumCase {
    const char* name;
    std::vector<double> a;
    int m;
    double expected;
};

TEST(Sum, AddsInIndexOrderFromZero)
{
    const SumCase cases[] = {
        // 1e16 + 1 rounds back to 1e16: index order cancels to 0, not 1.
        {"cancelling", {1.0e16, 1.0, -1.0e16}, 3, 0.0},
        {"starts from +0.0", {-0.0}, 1, 0.0},
        {"counts only m entries", {1.0, 2.0, 4.0}, 2, 3.0},
        {"m = 0", {}, 0, 0.0},
        {"m < 0", {}, -3, 0.0},
    };
    for (const SumCase& c : cases) {
        EXPECT_TRUE(same_double(sum(c.a.data(), c.m), c.expected)) << c.name;
    }
}

} // namespace
