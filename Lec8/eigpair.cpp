// eigpair: the dominant complex-conjugate eigenvalue pair of a real n x n
// matrix, and an eigenvector, by normalised power iteration.
//
// When the two eigenvalues of largest modulus are a pair lambda, conj(lambda),
// the normalised iterates z_k never settle but keep turning in the real plane
// spanned by the pair's eigenvectors. Every x in that plane satisfies
//
//     Mat^2 x + p Mat x + q x = 0,   t^2 + p t + q = (t - lambda)(t - conj(lambda)),
//
// so p = -2 Re(lambda) and q = |lambda|^2. With Mat z0 = m1 z1 and
// Mat z1 = m2 z2 the recurrence applied to z0 reads m2 z2 + p z1 + (q/m1) z0 = 0
// (after division by m1); p and r = q/m1 are fitted by least squares over the
// n components, whose normal equations
//
//     <z1,z1> p + <z1,z0> r = -m2 <z1,z2>
//     <z0,z1> p + <z0,z0> r = -m2 <z0,z2>
//
// are solved by Cramer's rule (pqk1, pqk2). lambda = -p/2 + i sqrt(4q - p^2)/2.
// With lambdabar = Relam - i Imlam, x = Mat z0 - lambdabar z0 is an eigenvector
// for lambda once z0 lies in the pair's plane; the program prints x * (-i/Imlam),
// whose real part is z0 itself.
//
// The schedule is fixed (two warm-up products, a first fit, then 20 iterations
// of product, rotation and fit) and every double operation is rounded on its
// own in the order written here: the printed digits depend on that order.
#include "eigpair.h"

#include <cctype>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdint>
#include <cstdlib>
#include <limits>

void Mat_multi(const double* const* Mat, const double* z, int n, double* zk)
{
    for (int i = 0; i < n; i++) {
        // Each row restarts from 0.0 and adds in column order: with large
        // entries of opposite sign the column order decides what cancels.
        double sum = 0.0;
        for (int j = 0; j < n; j++) {
            sum = sum + z[j] * Mat[i][j];
        }
        zk[i] = sum;
    }
}

double fmaxabs(const double* z, int n)
{
    // A NaN never compares greater, so it is passed over; the result is a
    // magnitude and never a NaN.
    double Max = 0.0;
    for (int i = 0; i < n; i++) {
        double FABS = std::fabs(z[i]);
        if (FABS > Max) {
            Max = FABS;
        }
    }
    return Max;
}

void Division(double* z, double m, int n)
{
    // A true division per component: multiplying by 1/m differs in the last
    // bit for some values (5/3 against 5 * (1/3)).
    for (int i = 0; i < n; i++) {
        z[i] = z[i] / m;
    }
}

double dot(const double* z, const double* w, int n)
{
    double Sum = 0.0;
    for (int i = 0; i < n; i++) {
        Sum = Sum + w[i] * z[i];
    }
    return Sum;
}

// Determinant of the normal equations; both fits compute it for themselves.
static double normal_determinant(const double* const* z, int n)
{
    return dot(z[1], z[1], n) * dot(z[0], z[0], n) - dot(z[1], z[0], n) * dot(z[1], z[0], n);
}

double pqk1(const double* const* z, const double* m, int n)
{
    double delta = normal_determinant(z, n);
    double s = -m[2];
    double N1 = dot(z[1], z[2], n) * dot(z[0], z[0], n) - dot(z[0], z[2], n) * dot(z[0], z[1], n);
    // The product with the scale comes before the quotient; the other grouping
    // changes the last bit (p = -2.0000000000000004 for 1 +- 2i, not -2).
    double pq1 = (N1 * s) / delta;
    return pq1;
}

double pqk2(const double* const* z, const double* m, int n)
{
    double delta = normal_determinant(z, n);
    double s = (-m[2]) * m[1];
    double N2 = dot(z[1], z[1], n) * dot(z[0], z[2], n) - dot(z[1], z[2], n) * dot(z[0], z[1], n);
    double pq2 = (N2 * s) / delta;
    return pq2;
}

#ifndef NUMEX_LIBRARY_ONLY

namespace {

constexpr int kIterations = 20;

// IEEE 754 leaves the sign of a NaN result open and compilers differ in it
// ((-p)/2.0 for a NaN p prints as "nan" at -O0 and as "-nan" at -O2, with
// g++ and clang++ alike). Every NaN is printed as the one positive quiet
// NaN, so that all builds print the same text.
double printable(double value)
{
    return std::isnan(value) ? std::numeric_limits<double>::quiet_NaN() : value;
}

// A zero-initialised array of count entries; count <= 0 gives no array.
// Returns false only when a non-empty allocation fails.
template <typename T>
bool allocate(T*& array, long long count)
{
    array = nullptr;
    if (count <= 0) {
        return true;
    }
    if (static_cast<unsigned long long>(count) > SIZE_MAX / sizeof(T)) {
        return false; // more bytes than this machine can address
    }
    array = static_cast<T*>(std::calloc(static_cast<std::size_t>(count), sizeof(T)));
    return array != nullptr;
}

// Reads the order the way "%d" does (white space, an optional sign, decimal
// digits, the first other character left in the input), but refuses a value
// outside a 32-bit int instead of leaving n undefined.
bool read_order(int& n)
{
    int c = std::getchar();
    while (c != EOF && std::isspace(c)) {
        c = std::getchar();
    }
    bool negative = false;
    if (c == '+' || c == '-') {
        negative = (c == '-');
        c = std::getchar();
    }
    if (c == EOF || !std::isdigit(c)) {
        std::fprintf(stderr, "eigpair: expected the matrix size n, a whole number\n");
        return false;
    }
    long long magnitude = 0;
    bool too_large = false;
    while (c != EOF && std::isdigit(c)) {
        if (!too_large) {
            magnitude = magnitude * 10 + (c - '0');
            too_large = magnitude > -static_cast<long long>(INT_MIN);
        }
        c = std::getchar();
    }
    if (c != EOF) {
        std::ungetc(c, stdin);
    }
    long long value = negative ? -magnitude : magnitude;
    if (too_large || value > INT_MAX || value < INT_MIN) {
        std::fprintf(stderr, "eigpair: the matrix size n must lie between %d and %d\n", INT_MIN, INT_MAX);
        return false;
    }
    n = static_cast<int>(value);
    return true;
}

// Owns every array of a run and releases it when main returns, whichever
// way main leaves, so that leak checkers stay quiet. Eigx[0] is z[0] and has
// no buffer of its own.
struct RunArrays {
    double** Mat = nullptr;
    double* rows = nullptr; // the n rows of Mat, one after another
    double* z[3] = {nullptr, nullptr, nullptr};
    double* Eigx1 = nullptr;

    RunArrays() = default;
    RunArrays(const RunArrays&) = delete;
    RunArrays& operator=(const RunArrays&) = delete;
    ~RunArrays()
    {
        std::free(Eigx1);
        for (double* buffer : z) {
            std::free(buffer);
        }
        std::free(rows);
        std::free(Mat);
    }
};

int out_of_memory(int n)
{
    std::fprintf(stderr, "eigpair: not enough memory for a matrix of size %d\n", n);
    return 1;
}

} // namespace

int main()
{
    std::puts("please input matrix size n:");
    int n = 0;
    if (!read_order(n)) {
        return 1;
    }

    // All n rows are allocated before the first entry is read, as one block
    // with a row pointer into it for each row: a size the machine cannot hold
    // then fails at once, instead of after thousands of row allocations (or,
    // with the kernel overcommitting memory, not at all until it is touched).
    RunArrays arrays;
    double**& Mat = arrays.Mat;
    long long entries = n > 0 ? static_cast<long long>(n) * n : 0;
    if (!allocate(Mat, n) || !allocate(arrays.rows, entries)) {
        return out_of_memory(n);
    }
    for (int i = 0; i < n; i++) {
        Mat[i] = arrays.rows + static_cast<std::size_t>(i) * static_cast<std::size_t>(n);
    }
    for (int i = 0; i < n; i++) {
        std::printf("Please input the %d row\n", i + 1);
        for (int j = 0; j < n; j++) {
            if (std::scanf("%lf", &Mat[i][j]) != 1) {
                std::fprintf(stderr, "eigpair: expected a number for row %d, column %d of the matrix\n",
                             i + 1, j + 1);
                return 1;
            }
        }
    }

    // The eigenvector's imaginary parts get their buffer here too, with the
    // window, so that running out of memory never cuts the results short.
    double* (&z)[3] = arrays.z;
    for (double*& buffer : z) {
        if (!allocate(buffer, n)) {
            return out_of_memory(n);
        }
    }
    if (!allocate(arrays.Eigx1, n)) {
        return out_of_memory(n);
    }
    for (int i = 0; i < n; i++) {
        z[0][i] = 1.0;
    }
    double m[3] = {0.0, 0.0, 0.0};

    for (int k = 1; k <= 2; k++) {
        Mat_multi(Mat, z[k - 1], n, z[k]);
        m[k] = fmaxabs(z[k], n);
        Division(z[k], m[k], n);
    }

    // Column 0 of pq holds the previous fit, column 1 the latest.
    double pq[2][2] = {{0.0, 0.0}, {1.0, 1.0}};
    pq[0][1] = pqk1(z, m, n);
    pq[1][1] = pqk2(z, m, n);

    for (int iteration = 0; iteration < kIterations; iteration++) {
        // The product of the newest iterate overwrites the oldest buffer;
        // rotating the pointers and scales keeps Mat z0 = m1 z1, Mat z1 = m2 z2
        // without copying a buffer.
        Mat_multi(Mat, z[2], n, z[0]);
        m[0] = fmaxabs(z[0], n);
        Division(z[0], m[0], n);
        double* tempp = z[0];
        z[0] = z[1];
        z[1] = z[2];
        z[2] = tempp;
        double temp = m[0];
        m[0] = m[1];
        m[1] = m[2];
        m[2] = temp;
        pq[0][0] = pq[0][1];
        pq[1][0] = pq[1][1];
        pq[0][1] = pqk1(z, m, n);
        pq[1][1] = pqk2(z, m, n);
    }

    // The eigenvalue comes from the fit before the last one.
    double p = pq[0][0];
    double q = pq[1][0];
    double Relam = (-p) / 2.0;
    double Imlam = std::sqrt(4.0 * q - p * p) / 2.0;
    std::printf("Eigenvalue: %lf + i%lf\n", printable(Relam), printable(Imlam));

    const double* Eigx[2] = {z[0], arrays.Eigx1};
    for (int k = 0; k < n; k++) {
        arrays.Eigx1[k] = (z[0][k] * Relam - z[1][k] * m[1]) / Imlam;
    }
    std::puts("The eigenvalue is:");
    for (int k = 0; k < n; k++) {
        std::printf("%lf + i*%lf \n", printable(Eigx[0][k]), printable(Eigx[1][k]));
    }
    return 0;
}

#endif // NUMEX_LIBRARY_ONLY
