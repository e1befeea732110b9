#pragma once

#include "core/AppError.h"
#include "core/Fixed4.h"

#include <QString>
#include <limits>

// Exact integer helpers for the calculators: formulas are evaluated on raw counts in 128 bits
// and rounded once where their result is stored.
namespace calcmath {

using rounding::i128;

inline OverflowError overflow()
{
    return OverflowError();
}

inline i128 mul(i128 a, i128 b)
{
    i128 r;
    if (__builtin_mul_overflow(a, b, &r))
        throw overflow();
    return r;
}

// num / den to the nearest integer, ties to even, with the messages of a floating-point unit.
inline i128 divEven(i128 num, i128 den)
{
    if (den == 0)
        throw num == 0 ? AppError::invalidOperation() : AppError::divisionByZero();
    return rounding::divHalfEven(num, den);
}

inline i128 divAway(i128 num, i128 den)
{
    if (den == 0)
        throw num == 0 ? AppError::invalidOperation() : AppError::divisionByZero();
    return rounding::divHalfAway(num, den);
}

inline Fixed4 fixedFromRaw(i128 raw)
{
    if (raw > std::numeric_limits<std::int64_t>::max()
        || raw < std::numeric_limits<std::int64_t>::min())
        throw overflow();
    return Fixed4::fromRaw(std::int64_t(raw));
}

// A count of 10^-decimals as text with a comma: (16279, 1) -> "1627,9".
inline QString decimalText(i128 count, int decimals)
{
    const bool negative = count < 0;
    i128 mag = negative ? -count : count;
    QString digits;
    do {
        digits.prepend(QChar(char16_t(u'0' + int(mag % 10))));
        mag /= 10;
    } while (mag != 0);
    if (decimals > 0) {
        if (digits.size() <= decimals)
            digits = digits.rightJustified(decimals + 1, u'0');
        digits.insert(digits.size() - decimals, u',');
    }
    return negative ? u'-' + digits : digits;
}

} // namespace calcmath
