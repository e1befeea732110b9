#include "calc/Brine.h"

#include "calc/CalcMath.h"

using namespace calcmath;

// Raw counts carry 10^-4, so the product of two carries 10^-8; each formula is evaluated
// exactly and rounded once where its result is stored.

std::optional<QString> brinePercentage(const BrineInput &in)
{
    if (in.water.isEmpty() || in.salt.isEmpty())
        return std::nullopt;
    const i128 waterGrams = mul(Fixed4::parse(in.water).raw(), 1000);
    const i128 salt = Fixed4::parse(in.salt).raw();
    // S * 100 / (S + W), as a raw count
    const Fixed4 p = fixedFromRaw(divEven(mul(salt, 100 * Fixed4::Scale), salt + waterGrams));
    return p.format("0.00");
}

std::optional<QString> brineSalt(const BrineInput &in)
{
    if (in.water.isEmpty() || in.percentage.isEmpty())
        return std::nullopt;
    const i128 waterGrams = mul(Fixed4::parse(in.water).raw(), 1000);
    const i128 p = Fixed4::parse(in.percentage).raw();
    // round(p * W / (100 - p)) in whole grams
    const i128 grams = divEven(mul(p, waterGrams), mul(100 * Fixed4::Scale - p, Fixed4::Scale));
    return decimalText(grams, 0);
}

std::optional<PickleMix> mixPickle(const PickleInput &in)
{
    if (in.vinegarLitres.isEmpty() || in.firstLitres.isEmpty() || in.firstPercent.isEmpty()
        || in.vinegarPercent.isEmpty())
        return std::nullopt;
    const Fixed4 w = Fixed4::parse(in.firstLitres);
    const Fixed4 pw = Fixed4::parse(in.firstPercent);
    const Fixed4 v = Fixed4::parse(in.vinegarLitres);
    const Fixed4 pv = Fixed4::parse(in.vinegarPercent);
    // (w * pw + v * pv) / (w + v)
    const i128 acid = mul(w.raw(), pw.raw()) + mul(v.raw(), pv.raw());
    const Fixed4 mix = fixedFromRaw(divEven(acid, i128(w.raw()) + v.raw()));
    const Fixed4 total = fixedFromRaw(i128(w.raw()) + v.raw());
    return PickleMix {mix.format("0.0"), total.format("0.0")};
}

std::optional<PickleSplit> splitPickle(const PickleInput &in)
{
    if (in.totalLitres.isEmpty() || in.firstPercent.isEmpty() || in.vinegarPercent.isEmpty()
        || in.totalPercent.isEmpty())
        return std::nullopt;
    const Fixed4 t = Fixed4::parse(in.totalLitres);
    const Fixed4 target = Fixed4::parse(in.totalPercent);
    const Fixed4 pw = Fixed4::parse(in.firstPercent);
    const Fixed4 pv = Fixed4::parse(in.vinegarPercent);
    // (target - pw) * t / (pv - pw)
    const i128 num = mul(i128(target.raw()) - pw.raw(), t.raw());
    const Fixed4 v = fixedFromRaw(divEven(num, i128(pv.raw()) - pw.raw()));
    const Fixed4 first = fixedFromRaw(i128(t.raw()) - v.raw());
    return PickleSplit {v.format("0.0"), first.format("0.0")};
}

QString pickleFirstRowCaption(const QString &firstPercent)
{
    return firstPercent == u"0" ? QStringLiteral("Woda   litry") : QStringLiteral("Zalewa litry");
}
