#include "cookbook/Quantity.h"

#include <limits>
#include <optional>

using rounding::i128;

namespace {

const QString kFiveBlanks = QStringLiteral("     ");

// A whole number as a 32-bit conversion reads it: leading blanks, an optional sign, digits.
std::optional<qint64> readInteger(QStringView s)
{
    qsizetype i = 0;
    while (i < s.size() && s[i] == u' ')
        ++i;
    bool negative = false;
    if (i < s.size() && (s[i] == u'-' || s[i] == u'+')) {
        negative = s[i] == u'-';
        ++i;
    }
    if (i >= s.size())
        return std::nullopt;
    qint64 value = 0;
    for (; i < s.size(); ++i) {
        if (s[i] < u'0' || s[i] > u'9')
            return std::nullopt;
        value = value * 10 + (s[i].unicode() - u'0');
        if (value > qint64(std::numeric_limits<qint32>::max()) + 1)
            return std::nullopt;
    }
    if (negative)
        value = -value;
    if (value > std::numeric_limits<qint32>::max() || value < std::numeric_limits<qint32>::min())
        return std::nullopt;
    return value;
}

// (whole + num / den) as a count of ten-thousandths, ties to even; 0 for a zero denominator.
Fixed4 fraction(qint64 whole, qint64 num, qint64 den)
{
    if (den == 0)
        return Fixed4();
    const i128 numerator = (i128(whole) * den + num) * Fixed4::Scale;
    return Fixed4::fromRaw(std::int64_t(rounding::divHalfEven(numerator, den)));
}

QString i128ToString(i128 v)
{
    if (v == 0)
        return QStringLiteral("0");
    const bool negative = v < 0;
    QString digits;
    while (v != 0) {
        const int d = int(v % 10);
        digits.prepend(QChar(u'0' + (d < 0 ? -d : d)));
        v /= 10;
    }
    return negative ? u'-' + digits : digits;
}

} // namespace

Fixed4 ParseQuantity(const QString &text)
{
    const qsizetype slash = text.indexOf(u'/');
    if (slash >= 0) {
        const qsizetype blank = text.indexOf(u' ');
        if (blank >= 0) {
            const auto whole = readInteger(QStringView(text).left(blank));
            const auto num = blank < slash
                ? readInteger(QStringView(text).mid(blank + 1, slash - blank - 1))
                : std::nullopt;
            const auto den = readInteger(QStringView(text).mid(slash + 1));
            if (!whole || !num || !den)
                return Fixed4();
            return fraction(*whole, *num, *den);
        }
        const auto num = readInteger(QStringView(text).left(slash));
        const auto den = readInteger(QStringView(text).mid(slash + 1));
        if (!num || !den)
            return Fixed4();
        return fraction(0, *num, *den);
    }
    if (text.isEmpty())
        return Fixed4();
    Fixed4 value;
    if (!Fixed4::tryParse(text, &value))
        return Fixed4();
    return value;
}

qint64 UnitFormNumber(Fixed4 quantity)
{
    qint64 n = quantity.toIntHalfEven();
    if (n > 21) {
        n = (quantity.raw() / Fixed4::Scale) % 10;
        if (n == 0 || n == 1)
            n = 5;
    }
    return n;
}

QString UnitForm(const QString &unitName, Fixed4 quantity, const TXMLJednostkaType &unit)
{
    const QString plain = kFiveBlanks + unitName;
    if (unit.isNull())
        return plain;
    const qint64 n = UnitFormNumber(quantity);
    QString form;
    if (n == 0)
        form = unit.dLp();
    else if (n == 1)
        return plain;
    else if (n >= 2 && n <= 4)
        form = unit.mLm();
    else
        form = unit.dLm();
    return form.isEmpty() ? plain : kFiveBlanks + form;
}

QString UnitForm(const QString &unitName, Fixed4 quantity, const TXMLJednostkiType &units)
{
    const int index = units.indexOfName(unitName);
    return UnitForm(unitName, quantity, index >= 0 ? units.item(index) : TXMLJednostkaType());
}

Fixed4 ScaleFactor(Fixed4 wantedPortions, Fixed4 recipePortions)
{
    return wantedPortions / recipePortions;
}

QString ScaledQuantityText(Fixed4 quantity, Fixed4 scaleFactor)
{
    // x = q * s / 10^8 exactly.
    const i128 product = i128(quantity.raw()) * scaleFactor.raw();
    constexpr i128 unit = i128(Fixed4::Scale) * Fixed4::Scale;
    if (product % unit == 0)
        return i128ToString(product / unit);
    const i128 tenths = rounding::divHalfAway(product, unit / 10);
    const i128 magnitude = tenths < 0 ? -tenths : tenths;
    const QString text = i128ToString(magnitude / 10) + u',' + i128ToString(magnitude % 10);
    return tenths < 0 ? u'-' + text : text;
}

Fixed4 ScaledUnitQuantity(Fixed4 quantity, Fixed4 scaleFactor)
{
    return quantity * scaleFactor;
}
