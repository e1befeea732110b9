#pragma once

#include <cstdint>

// Integer arithmetic shared by the fixed-point type and its callers. All division results are
// exact rationals rounded once, so nothing goes through double.
namespace rounding {

using i128 = __int128;

// num / den rounded to the nearest integer, ties to even. den must not be zero.
inline i128 divHalfEven(i128 num, i128 den)
{
    if (den < 0) {
        num = -num;
        den = -den;
    }
    i128 q = num / den; // truncates toward zero
    i128 r = num % den; // same sign as num
    i128 twice = (r < 0 ? -r : r) * 2;
    if (twice > den || (twice == den && (q % 2 != 0)))
        q += (num < 0) ? -1 : 1;
    return q;
}

// num / den rounded to the nearest integer, ties away from zero. den must not be zero.
inline i128 divHalfAway(i128 num, i128 den)
{
    if (den < 0) {
        num = -num;
        den = -den;
    }
    i128 q = num / den;
    i128 r = num % den;
    if ((r < 0 ? -r : r) * 2 >= den)
        q += (num < 0) ? -1 : 1;
    return q;
}

} // namespace rounding
