// eigpair against known eigenpairs. Each matrix is A = S B S^-1 with an
// integer S of determinant +-1, and B holds the planted pair a +- bi as the
// block [[a, -b], [b, a]] and the other eigenvalues on its diagonal, all well
// inside the pair's modulus so that 20 iterations converge far below the six
// printed decimals. The test first proves A S = S B in exact arithmetic, then
// runs the built program and checks that the printed eigenvalue is the planted
// one to the printed digits and that the printed vector x has A x = lambda x.
#include "run_program.h"

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

namespace {

using Matrix = std::vector<std::vector<double>>;

struct PlantedPair {
    const char* name;
    double re, im;     // the planted eigenvalue with positive imaginary part
    Matrix A, S, B;
};

// Entries are small integers or dyadic fractions, so every product and sum in
// the A S = S B check below is exact in double precision.
const PlantedPair kCases[] = {
    {"3 +- 4i, n = 2", 3.0, 4.0,
     {{3, -4}, {4, 3}},
     {{1, 0}, {0, 1}},
     {{3, -4}, {4, 3}}},
    {"2 +- 3i and -1, n = 3", 2.0, 3.0,
     {{5, -6, 6}, {-6, 5, -9}, {-6, 6, -7}},
     {{1, -1, 1}, {0, 1, 1}, {-1, 1, 0}},
     {{2, -3, 0}, {3, 2, 0}, {0, 0, -1}}},
    {"-1 +- i, 1/2 and 1/4, n = 4", -1.0, 1.0,
     {{-5.75, -2, -11.5, -13.5}, {-0.5, -2, -3, 1}, {2.75, 1, 5.5, 6}, {0.25, 0, 0.5, 1}},
     {{2, 0, -4, -1}, {1, 1, 0, 2}, {-1, 0, 1, -1}, {0, 0, 1, 1}},
     {{-1, -1, 0, 0}, {1, -1, 0, 0}, {0, 0, 0.5, 0}, {0, 0, 0, 0.25}}},
    {"1/2 +- 2i, 1/2, -1/4 and 1/8, n = 5", 0.5, 2.0,
     {{0.125, -2.375, 0.75, -0.75, -2.75},
      {1.5, -7, 3, -1.5, -9},
      {-1.125, 5.875, 0.75, -1.75, 5.75},
      {-0.375, 5.125, -2.25, 2, 6.25},
      {-1.5, 5.5, 1, -2.5, 5.5}},
     {{1, 0, 0, 0, 1}, {3, 0, -2, -2, 0}, {-3, 1, 1, 2, -1}, {-2, 0, 0, 1, -1}, {-3, 1, 2, 2, 0}},
     {{0.5, -2, 0, 0, 0}, {2, 0.5, 0, 0, 0}, {0, 0, 0.5, 0, 0}, {0, 0, 0, -0.25, 0}, {0, 0, 0, 0, 0.125}}},
};

Matrix product(const Matrix& X, const Matrix& Y)
{
    std::size_t n = X.size();
    Matrix P(n, std::vector<double>(n, 0.0));
    for (std::size_t i = 0; i < n; i++)
        for (std::size_t j = 0; j < n; j++)
            for (std::size_t k = 0; k < n; k++)
                P[i][j] += X[i][k] * Y[k][j];
    return P;
}

std::string dialogue_input(const Matrix& A)
{
    std::ostringstream in;
    in << A.size() << "\n";
    for (const auto& row : A) {
        for (double entry : row) {
            in << entry << " ";
        }
        in << "\n";
    }
    return in.str();
}

struct Printed {
    std::complex<double> lambda;
    std::vector<std::complex<double>> x;
};

bool parse(const std::string& out, std::size_t n, Printed& printed)
{
    std::istringstream lines(out);
    std::string line;
    double re = 0, im = 0;
    while (std::getline(lines, line)) {
        if (std::sscanf(line.c_str(), "Eigenvalue: %lf + i%lf", &re, &im) == 2) {
            printed.lambda = {re, im};
            break;
        }
    }
    if (!std::getline(lines, line) || line != "The eigenvalue is:") {
        return false;
    }
    while (std::getline(lines, line)) {
        if (std::sscanf(line.c_str(), "%lf + i*%lf", &re, &im) != 2) {
            return false;
        }
        printed.x.emplace_back(re, im);
    }
    return printed.x.size() == n;
}

TEST(PlantedPairs, ConstructionHoldsExactly)
{
    for (const PlantedPair& c : kCases) {
        EXPECT_EQ(product(c.A, c.S), product(c.S, c.B)) << c.name;
    }
}

TEST(PlantedPairs, PrintedEigenpairIsTheTrueOne)
{
    for (const PlantedPair& c : kCases) {
        numex_test::ProgramRun run = numex_test::run_program(EIGPAIR_PROGRAM, dialogue_input(c.A));
        ASSERT_EQ(run.status, 0) << c.name;
        Printed printed;
        ASSERT_TRUE(parse(run.out, c.A.size(), printed)) << c.name << "\n" << run.out;

        // "%lf" rounds to six decimals: the true value is within half a unit.
        EXPECT_NEAR(printed.lambda.real(), c.re, 5.0e-7 + 1e-12) << c.name;
        EXPECT_NEAR(printed.lambda.imag(), c.im, 5.0e-7 + 1e-12) << c.name;

        // A x = lambda x, up to the rounding of the printed components.
        std::complex<double> lambda(c.re, c.im);
        double residual = 0.0, scale = 0.0;
        for (std::size_t i = 0; i < c.A.size(); i++) {
            std::complex<double> Ax = 0.0;
            for (std::size_t j = 0; j < c.A.size(); j++) {
                Ax += c.A[i][j] * printed.x[j];
            }
            residual = std::max(residual, std::abs(Ax - lambda * printed.x[i]));
            scale = std::max(scale, std::abs(lambda * printed.x[i]));
        }
        EXPECT_GT(scale, 0.5) << c.name; // a genuine vector, not zeros
        EXPECT_LT(residual, 1.0e-4 * scale) << c.name << "\n" << run.out;
    }
}

} // namespace
