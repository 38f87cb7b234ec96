// Unit tests of the node evaluation and the summation of quadpanel,
// compared bit for bit.
#include "quadpanel.h"

#include "bits.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

namespace {

using numex_test::same_double;

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
