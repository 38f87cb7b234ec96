// Bit-level comparison of floating-point results for the unit tests.
#ifndef NUMEX_TEST_BITS_H
#define NUMEX_TEST_BITS_H

#include <cmath>
#include <cstring>

namespace numex_test {

// True when a and b are the same floating-point value to the last bit, sign
// of zero included; any NaN matches any NaN (the C library decides how a NaN
// prints, not the routines).
template <typename T>
bool same_bits(T a, T b)
{
    if (std::isnan(a) || std::isnan(b)) {
        return std::isnan(a) && std::isnan(b);
    }
    return std::memcmp(&a, &b, sizeof(T)) == 0;
}

inline bool same_double(double a, double b) { return same_bits(a, b); }
inline bool same_float(float a, float b) { return same_bits(a, b); }

} // namespace numex_test

#endif
