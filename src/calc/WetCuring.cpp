#include "calc/WetCuring.h"

#include "calc/CalcMath.h"
#include "core/AppError.h"

using rounding::i128;

namespace {

constexpr Fixed4 g(std::int64_t whole)
{
    return Fixed4::fromInt(whole);
}
constexpr Fixed4 d(std::int64_t tenThousandths)
{
    return Fixed4::fromRaw(tenThousandths);
}

// round(a × b) straight from the exact product, ties to even, as a whole number of grams.
Fixed4 roundProduct(Fixed4 a, Fixed4 b)
{
    const i128 s = Fixed4::Scale;
    return calcmath::fixedFromRaw(calcmath::divEven(calcmath::mul(a.raw(), b.raw()), s * s) * s);
}

// round(a × b × c) from the exact triple product.
Fixed4 roundProduct(Fixed4 a, Fixed4 b, Fixed4 c)
{
    const i128 s = Fixed4::Scale;
    const i128 product = calcmath::mul(calcmath::mul(a.raw(), b.raw()), c.raw());
    return calcmath::fixedFromRaw(calcmath::divEven(product, s * s * s) * s);
}

QString injections(Fixed4 count, Fixed4 meat)
{
    // count × 60 × meat as one exact product, rounded once.
    const Fixed4 total = Fixed4::fromRatio(
        i128(count.raw()) * 60 * meat.raw(), i128(Fixed4::Scale) * Fixed4::Scale);
    return count.toGeneral() + QStringLiteral(" razy  60 ml/kg mięsa czyli w sumie : ")
        + total.toGeneral() + QStringLiteral(" ml");
}

QString massage(const WetRow &row)
{
    return row.massage ? QStringLiteral(" Tak") : QStringLiteral("Nie");
}

QString saltRange(Fixed4 low, Fixed4 high)
{
    return low.toGeneral() + QStringLiteral(" - ") + high.toGeneral() + QStringLiteral(" g");
}

} // namespace

const std::array<WetRow, 14> &wetRows()
{
    static const std::array<WetRow, 14> rows {{
        {g(76), g(80), d(4000), g(4), g(5), true, d(9500)},
        {g(70), g(74), d(4000), g(4), g(4), true, d(9700)},
        {g(64), g(68), d(4000), g(3), g(3), true, d(9300)},
        {g(60), g(62), d(4000), d(15000), g(2), false, d(8400)},
        {g(56), g(58), d(4000), g(1), d(15000), false, d(8300)},
        {g(52), g(54), d(4000), g(1), d(14000), false, d(8500)},
        {g(48), g(50), d(4000), g(1), d(13000), false, d(8400)},
        {g(44), g(46), d(4000), g(1), d(12000), false, d(8200)},
        {g(44), g(46), d(4000), g(1), d(12000), false, d(8200)},
        {g(44), g(46), d(4000), g(1), d(12000), false, d(8200)},
        {g(40), g(42), d(4000), g(1), g(1), false, d(8100)},
        {g(40), g(42), d(4000), g(1), g(1), false, d(8100)},
        {g(40), g(42), d(4000), g(1), g(1), false, d(8100)},
        {g(40), g(42), d(4000), g(1), g(1), false, d(8100)},
    }};
    return rows;
}

const WetRow &wetRowForIndex(int daysIndex)
{
    const auto &rows = wetRows();
    if (daysIndex < 0)
        return rows.front();
    if (daysIndex >= int(rows.size()))
        return rows.back();
    return rows[std::size_t(daysIndex)];
}

QString StezenieTekst(Fixed4 water, Fixed4 salt)
{
    // salt × 100 / (water × 1000 + salt)
    const Fixed4 p
        = Fixed4::fromRatio(i128(salt.raw()) * 100, i128(water.raw()) * 1000 + salt.raw());
    return p.format("0.00");
}

QString CukierTekst(Fixed4 water)
{
    const i128 scale = Fixed4::Scale;
    const Fixed4 a = Fixed4::fromRatio(i128(water.raw()) * 1000, 99 * scale);
    const Fixed4 b = Fixed4::fromRatio(i128(water.raw()) * 2000, 98 * scale);
    return a.format("0.0") + QStringLiteral(" - ") + b.format("0.0") + QStringLiteral(" g");
}

OwnSugar CukierWlasnyTekst(Fixed4 water, const QString &ownSugar, QString *captionOut)
{
    const Fixed4 s = Fixed4::parse(ownSugar);
    Fixed4 p1 = (s - d(15000)) + g(1);
    Fixed4 p2 = (s - d(15000)) + g(2);
    if (p1.isNegative())
        p1 = Fixed4();
    if (p2.isNegative())
        p2 = Fixed4();
    OwnSugar out;
    out.caption = QStringLiteral("Opcjonalnie cukier ") + p1.format("0.0") + QStringLiteral("-")
        + p2.format("0.0") + QStringLiteral("%:");
    if (captionOut)
        *captionOut = out.caption;
    // p × water × 1000 / (100 − p), exact, rounded once.
    const i128 scale = Fixed4::Scale;
    auto grams = [&](Fixed4 p) {
        return Fixed4::fromRatio(calcmath::mul(calcmath::mul(p.raw(), water.raw()), 1000),
            scale * (100 * scale - p.raw()));
    };
    out.text = grams(p1).format("0.0") + QStringLiteral(" - ") + grams(p2).format("0.0")
        + QStringLiteral(" g");
    return out;
}

namespace {

// The second block's salt for m kg with the per-kg factor f (own salt / 78, or the less salty one).
WetSalt secondSalt(Fixed4 m, const WetRow &row, Fixed4 f)
{
    return {roundProduct(row.saltLow, f) * m, roundProduct(m, row.saltHigh, f)};
}

Fixed4 ownFactor(const QString &ownSalt)
{
    return Fixed4::parse(ownSalt) / g(78);
}

void computeInOrder(const WetCuringInput &in, WetCuringResult &r)
{
    const Fixed4 m = Fixed4::parseOrZero(in.meat);
    const WetRow &row = wetRowForIndex(in.daysIndex);
    if (m.isZero())
        return;

    const Fixed4 water = m * row.water;
    r.add(WetTarget::SaltySalt, saltRange(m * row.saltLow, m * row.saltHigh));
    r.add(WetTarget::SaltyWater, water.toGeneral() + QStringLiteral(" l."));
    r.add(WetTarget::SaltyInjections, injections(row.injectionsSalty, m));
    r.add(WetTarget::SaltyMassage, massage(row));
    r.add(WetTarget::SaltyConcentration,
        StezenieTekst(water, m * row.saltLow) + QStringLiteral(" - ")
            + StezenieTekst(water, m * row.saltHigh) + QStringLiteral(" %"));
    r.add(WetTarget::SecondSugarCaption, wettext::SugarCaption);
    r.add(WetTarget::SaltySugar, CukierTekst(water));

    Fixed4 f;
    if (in.ownVariant) {
        r.add(WetTarget::SecondHeader, wettext::OwnHeader);
        f = ownFactor(in.ownSalt);
    } else {
        r.add(WetTarget::SecondHeader, wettext::LessHeader);
        f = row.lessFactor;
    }
    const Fixed4 lowPerKg = roundProduct(row.saltLow, f);
    const Fixed4 highPerKg = roundProduct(row.saltHigh, f);
    const WetSalt second = secondSalt(m, row, f);
    r.add(WetTarget::SecondSalt, saltRange(second.low, second.high));
    r.add(WetTarget::SecondWater, water.toGeneral() + QStringLiteral(" l."));
    r.add(WetTarget::SecondInjections, injections(row.injectionsLess, m));
    r.add(WetTarget::SecondMassage, massage(row));
    r.add(WetTarget::SecondConcentration,
        StezenieTekst(water, lowPerKg * m) + QStringLiteral(" - ")
            + StezenieTekst(water, highPerKg * m) + QStringLiteral(" %"));
    if (in.ownVariant) {
        QString caption;
        try {
            const OwnSugar sugar = CukierWlasnyTekst(water, in.ownSugar, &caption);
            r.add(WetTarget::SecondSugarCaption, sugar.caption);
            r.add(WetTarget::SecondSugar, sugar.text);
        } catch (const AppError &) {
            if (!caption.isEmpty())
                r.add(WetTarget::SecondSugarCaption, caption);
            throw;
        }
    } else {
        // m × water × factor as one exact value
        const i128 scale = Fixed4::Scale;
        const Fixed4 lessWater
            = Fixed4::fromRatio(i128(m.raw()) * row.water.raw() * f.raw(), scale * scale * scale);
        r.add(WetTarget::SecondSugarCaption, wettext::SugarCaption);
        r.add(WetTarget::SecondSugar, CukierTekst(lessWater));
    }
}

} // namespace

WetSalt wetCuringSalt(const WetCuringInput &in)
{
    const Fixed4 m = Fixed4::parseOrZero(in.meat);
    const WetRow &row = wetRowForIndex(in.daysIndex);
    if (in.ownVariant)
        return secondSalt(m, row, ownFactor(in.ownSalt));
    return {m * row.saltLow, m * row.saltHigh};
}

WetCuringResult computeWetCuring(const WetCuringInput &in)
{
    return calculate<WetTarget>([&in](WetCuringResult &r) { computeInOrder(in, r); });
}
