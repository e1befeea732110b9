#include "core/Fixed4.h"

#include "core/AppError.h"

#include <cstring>
#include <limits>

using rounding::i128;

namespace {

constexpr i128 kMax = std::numeric_limits<std::int64_t>::max();
constexpr i128 kMin = std::numeric_limits<std::int64_t>::min();

OverflowError overflow()
{
    return OverflowError();
}

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

// Parses the text exactly into a count of ten-thousandths. Works on the digit string, so any
// number of digits rounds correctly (ties to even on the whole discarded tail).
enum class ParseResult { Ok, Invalid, Overflow };

ParseResult parseRaw(const QString &text, std::int64_t *out)
{
    int i = 0, n = int(text.size());
    while (i < n && isBlank(text[i]))
        ++i;
    while (n > i && isBlank(text[n - 1]))
        --n;
    bool negative = false;
    if (i < n && (text[i] == u'-' || text[i] == u'+')) {
        negative = text[i] == u'-';
        ++i;
    }
    QByteArray digits;
    int fracDigits = 0;
    bool sawComma = false, sawDigit = false;
    for (; i < n; ++i) {
        const QChar c = text[i];
        if (c >= u'0' && c <= u'9') {
            sawDigit = true;
            // Leading zeros carry no value; after the comma they only shift the scale.
            if (!(digits.isEmpty() && c == u'0'))
                digits.append(char(c.unicode()));
            if (sawComma)
                ++fracDigits;
        } else if (c == u',' && !sawComma) {
            sawComma = true;
        } else {
            break;
        }
    }
    if (!sawDigit)
        return ParseResult::Invalid;
    int exponent = 0;
    if (i < n && (text[i] == u'e' || text[i] == u'E')) {
        ++i;
        bool expNegative = false;
        if (i < n && (text[i] == u'-' || text[i] == u'+')) {
            expNegative = text[i] == u'-';
            ++i;
        }
        if (i >= n)
            return ParseResult::Invalid;
        for (; i < n; ++i) {
            const QChar c = text[i];
            if (c < u'0' || c > u'9')
                return ParseResult::Invalid;
            if (exponent < 100000)
                exponent = exponent * 10 + (c.unicode() - u'0');
        }
        if (expNegative)
            exponent = -exponent;
    }
    if (i != n)
        return ParseResult::Invalid;

    // value = digits * 10^(exponent - fracDigits); count = value * 10^4
    const long long shift = (long long)exponent - fracDigits + 4;
    i128 count = 0;
    if (digits.isEmpty()) {
        count = 0;
    } else if (shift >= 0) {
        if (digits.size() + shift > 19)
            return ParseResult::Overflow;
        for (char d : digits)
            count = count * 10 + (d - '0');
        for (long long k = 0; k < shift; ++k)
            count *= 10;
    } else {
        const long long keep = (long long)digits.size() + shift; // digits left of the cut
        if (keep > 19)
            return ParseResult::Overflow;
        for (long long k = 0; k < keep; ++k)
            count = count * 10 + (digits[k] - '0');
        // Compare the discarded tail with one half.
        int cmp = -1;
        if (keep >= 0) {
            const char first = digits[keep];
            if (first > '5')
                cmp = 1;
            else if (first == '5') {
                cmp = 0;
                for (long long k = keep + 1; k < digits.size(); ++k)
                    if (digits[k] != '0') {
                        cmp = 1;
                        break;
                    }
            }
        }
        if (cmp > 0 || (cmp == 0 && (count % 2 != 0)))
            count += 1;
    }
    if (negative)
        count = -count;
    if (count > kMax || count < kMin)
        return ParseResult::Overflow;
    *out = std::int64_t(count);
    return ParseResult::Ok;
}

} // namespace

void Fixed4::throwOverflow()
{
    throw OverflowError();
}

Fixed4 Fixed4::checked(i128 raw)
{
    if (raw > kMax || raw < kMin)
        throw overflow();
    return Fixed4(std::int64_t(raw));
}

Fixed4 Fixed4::parse(const QString &text)
{
    std::int64_t raw = 0;
    switch (parseRaw(text, &raw)) {
    case ParseResult::Ok:
        return Fixed4(raw);
    case ParseResult::Overflow:
        throw overflow();
    case ParseResult::Invalid:
        break;
    }
    throw AppError::invalidFloat(text);
}

Fixed4 Fixed4::parseOrZero(const QString &text)
{
    if (text.trimmed().isEmpty())
        return Fixed4();
    return parse(text);
}

bool Fixed4::tryParse(const QString &text, Fixed4 *out)
{
    std::int64_t raw = 0;
    if (parseRaw(text, &raw) != ParseResult::Ok)
        return false;
    if (out)
        *out = Fixed4(raw);
    return true;
}

Fixed4 Fixed4::fromRatio(i128 num, i128 den)
{
    if (den == 0)
        throw num == 0 ? AppError::invalidOperation() : AppError::divisionByZero();
    i128 scaled = 0;
    if (__builtin_mul_overflow(num, i128(Scale), &scaled))
        throw overflow();
    return checked(rounding::divHalfEven(scaled, den));
}

Fixed4 operator*(Fixed4 a, Fixed4 b)
{
    return Fixed4::checked(rounding::divHalfEven(i128(a.m_raw) * b.m_raw, Fixed4::Scale));
}

Fixed4 operator/(Fixed4 a, Fixed4 b)
{
    return Fixed4::fromRatio(a.m_raw, b.m_raw);
}

Fixed4 operator/(Fixed4 a, std::int64_t k)
{
    if (k == 0)
        throw a.m_raw == 0 ? AppError::invalidOperation() : AppError::divisionByZero();
    return Fixed4::checked(rounding::divHalfEven(a.m_raw, k));
}

Fixed4 Fixed4::roundedHalfEven() const
{
    return checked(rounding::divHalfEven(m_raw, Scale) * Scale);
}

std::int64_t Fixed4::toIntHalfEven() const
{
    return std::int64_t(rounding::divHalfEven(m_raw, Scale));
}

QString Fixed4::toGeneral() const
{
    const bool negative = m_raw < 0;
    const unsigned long long mag = negative ? 0ULL - (unsigned long long)m_raw : m_raw;
    QString s = QString::number(mag / Scale);
    unsigned long long frac = mag % Scale;
    if (frac != 0) {
        QString f = QString::number(frac).rightJustified(4, u'0');
        while (f.endsWith(u'0'))
            f.chop(1);
        s += u',' + f;
    }
    return negative ? u'-' + s : s;
}

QString Fixed4::toFixed(int decimals) const
{
    if (decimals < 0)
        decimals = 0;
    if (decimals > 4)
        decimals = 4;
    std::int64_t div = 1;
    for (int k = decimals; k < 4; ++k)
        div *= 10;
    const i128 scaled = rounding::divHalfAway(m_raw, div); // count of 10^-decimals
    const bool negative = scaled < 0;
    const unsigned long long mag = (unsigned long long)(negative ? -scaled : scaled);
    std::int64_t unit = 1;
    for (int k = 0; k < decimals; ++k)
        unit *= 10;
    QString s = QString::number(mag / unit);
    if (decimals > 0)
        s += u',' + QString::number(mag % unit).rightJustified(decimals, u'0');
    return negative ? u'-' + s : s;
}

QString Fixed4::format(const char *pattern) const
{
    // "0." has no decimals; "0.0" one; and so on.
    int decimals = 0;
    if (const char *dot = std::strchr(pattern, '.'))
        decimals = int(std::strlen(dot + 1));
    return toFixed(decimals);
}
