#pragma once

#include "core/Rounding.h"

#include <QString>
#include <compare>
#include <cstdint>

// Signed fixed-point number with four decimal places: a 64-bit count of ten-thousandths.
// Every rounding is to the nearest count with ties to even; printing with a pattern rounds
// half away from zero. The decimal separator is always the comma.
class Fixed4
{
public:
    static constexpr std::int64_t Scale = 10000;

    constexpr Fixed4() = default;
    static constexpr Fixed4 fromRaw(std::int64_t raw) { return Fixed4(raw); }
    static constexpr Fixed4 fromInt(std::int64_t whole)
    {
        std::int64_t raw = 0;
        if (__builtin_mul_overflow(whole, Scale, &raw))
            throwOverflow();
        return Fixed4(raw);
    }

    // Parses "12,5", "-3", "1,23456" (rounded), "2E3"; the comma is the only separator.
    // Throws AppError "'<text>' is not a valid floating point value".
    static Fixed4 parse(const QString &text);
    // Same, but an empty (or blank) text gives zero.
    static Fixed4 parseOrZero(const QString &text);
    // Returns false instead of throwing.
    static bool tryParse(const QString &text, Fixed4 *out);

    // The rational num/den (in plain units) rounded to a count, ties to even.
    // Throws "Floating point division by zero" (or "Invalid floating point operation" for 0/0).
    static Fixed4 fromRatio(rounding::i128 num, rounding::i128 den);

    constexpr std::int64_t raw() const { return m_raw; }
    constexpr bool isZero() const { return m_raw == 0; }
    constexpr bool isNegative() const { return m_raw < 0; }

    // Every operation throws OverflowError ("Floating point overflow") instead of wrapping.
    friend constexpr Fixed4 operator+(Fixed4 a, Fixed4 b)
    {
        std::int64_t raw = 0;
        if (__builtin_add_overflow(a.m_raw, b.m_raw, &raw))
            throwOverflow();
        return Fixed4(raw);
    }
    friend constexpr Fixed4 operator-(Fixed4 a, Fixed4 b)
    {
        std::int64_t raw = 0;
        if (__builtin_sub_overflow(a.m_raw, b.m_raw, &raw))
            throwOverflow();
        return Fixed4(raw);
    }
    friend constexpr Fixed4 operator-(Fixed4 a) { return Fixed4() - a; }
    friend Fixed4 operator*(Fixed4 a, Fixed4 b);
    friend Fixed4 operator*(Fixed4 a, std::int64_t k)
    {
        return checked(rounding::i128(a.m_raw) * k);
    }
    friend Fixed4 operator*(std::int64_t k, Fixed4 a) { return a * k; }
    friend Fixed4 operator/(Fixed4 a, Fixed4 b);
    friend Fixed4 operator/(Fixed4 a, std::int64_t k);
    friend constexpr auto operator<=>(Fixed4 a, Fixed4 b) = default;

    // round(x): nearest whole number, ties to even, kept as a Fixed4.
    Fixed4 roundedHalfEven() const;
    // Whole number nearest to the value, ties to even.
    std::int64_t toIntHalfEven() const;

    // Shortest decimal text: "76", "0,4", "-1,25".
    QString toGeneral() const;
    // Fixed number of decimals (0..4), rounded half away from zero: the "0.", "0.0", "0.00" and
    // "0.000" patterns.
    QString toFixed(int decimals) const;
    // Applies one of the patterns "0.", "0.0", "0.00", "0.000".
    QString format(const char *pattern) const;

    double toDouble() const { return double(m_raw) / Scale; }

private:
    constexpr explicit Fixed4(std::int64_t raw)
        : m_raw(raw)
    { }
    static Fixed4 checked(rounding::i128 raw);
    [[noreturn]] static void throwOverflow();
    std::int64_t m_raw = 0;
};
