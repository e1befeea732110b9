#include "calc/Nitrite.h"

#include "calc/CalcMath.h"

using calcmath::mul;
using rounding::i128;

namespace {

constexpr i128 S = Fixed4::Scale;

// The figures of the table below, each as its source states it.
QList<NitriteLimit> makeLimits()
{
    const QList<CureMethod> all {CureMethod::DryRub, CureMethod::Minced, CureMethod::Brine};
    const QString usdaSource = QStringLiteral(
        "USDA FSIS, Processing Inspectors' Calculations Handbook, rozdz. 3 – azotyn sodu "
        "dodany, liczony na masę surowego mięsa");
    const auto mg = [](int value) { return Fixed4::fromInt(value); };
    return {
        {QStringLiteral("UE"), QStringLiteral("mięso przetworzone"), mg(150),
            NitriteBasis::SodiumNitrite, all, QDate(), QDate(2025, 10, 8),
            QStringLiteral("Rozporządzenie (WE) nr 1333/2008, załącznik II, kat. 08.3 – ilość "
                           "dodana, jako azotyn sodu"),
            true},
        {QStringLiteral("UE"), QStringLiteral("mięso przetworzone (poza sterylizowanym)"), mg(80),
            NitriteBasis::NitriteIon, all, QDate(2025, 10, 9), QDate(),
            QStringLiteral("Rozporządzenie Komisji (UE) 2023/2108 zmieniające załącznik II do "
                           "rozporządzenia 1333/2008 – ilość dodana, jako jon azotynowy"),
            false},
        {QStringLiteral("USA"), QStringLiteral("mięso rozdrobnione"), mg(156),
            NitriteBasis::SodiumNitrite, {CureMethod::Minced}, QDate(), QDate(), usdaSource, true},
        {QStringLiteral("USA"), QStringLiteral("peklowanie w zalewie lub nastrzykiem"), mg(200),
            NitriteBasis::SodiumNitrite, {CureMethod::Brine}, QDate(), QDate(), usdaSource, true},
        {QStringLiteral("USA"), QStringLiteral("peklowanie na sucho"), mg(625),
            NitriteBasis::SodiumNitrite, {CureMethod::DryRub}, QDate(), QDate(), usdaSource, true},
        {QStringLiteral("USA"), QStringLiteral("boczek w zalewie lub nastrzykiwany"), mg(120),
            NitriteBasis::SodiumNitrite, {}, QDate(), QDate(), usdaSource, true},
        {QStringLiteral("USA"), QStringLiteral("boczek peklowany na sucho"), mg(200),
            NitriteBasis::SodiumNitrite, {}, QDate(), QDate(), usdaSource, true},
    };
}

// All of the nitrite in the meat: salt g × pct / 100 × 1000 mg over meat kg. In raw counts
// (ten-thousandths) that is s·p·10 / (10^4·m).
Fixed4 wholeCure(i128 s, i128 p, i128 m)
{
    return Fixed4::fromRatio(mul(mul(s, p), 10), mul(S, m));
}

void computeInOrder(const NitriteInput &in, NitriteResult &r)
{
    const Fixed4 meat = Fixed4::parseOrZero(in.meat);
    if (meat.isZero())
        return;
    const i128 m = meat.raw();
    const i128 s = Fixed4::parseOrZero(in.salt).raw();
    const i128 p = Fixed4::parseOrZero(in.percent).raw();

    Fixed4 ppm;
    i128 brine = 0; // kg × 10^7, so that water (l ≈ kg) and salt (g) add exactly
    if (in.method == CureMethod::Brine) {
        // The brine weighs about its water plus its salt; the meat takes up uptake % of its own
        // weight of it, and with that brine the same share of the brine's nitrite:
        //   ppm = nitrite mg × (uptake kg / brine kg) / meat kg
        // The meat's weight cancels: ppm = nitrite mg × uptake % / 100 / brine kg. Meat cannot
        // take up more brine than there is; past that all of the nitrite is in the meat.
        const i128 w = Fixed4::parseOrZero(in.water).raw();
        const i128 u = Fixed4::parseOrZero(in.uptake).raw();
        brine = mul(w, 1000) + s;
        if (mul(m, u) > mul(brine, 1000))
            ppm = wholeCure(s, p, m);
        else
            ppm = Fixed4::fromRatio(mul(mul(mul(s, p), u), 10), mul(S * 1000, brine));
    } else {
        ppm = wholeCure(s, p, m);
    }
    r.add(NitriteTarget::SodiumNitrite, mgPerKgText(ppm));
    r.add(NitriteTarget::NitriteIon, mgPerKgText(nitriteIon(ppm)));
    r.sodiumNitrite = ppm;
    if (in.method == CureMethod::Brine) {
        // Soaked long enough, the nitrite spreads evenly through meat and brine together:
        // nitrite mg / (meat kg + brine kg).
        const Fixed4 even = Fixed4::fromRatio(mul(s, p), mul(m, 1000) + brine);
        r.add(NitriteTarget::Equilibrium, mgPerKgText(even));
    }
}

} // namespace

NitriteResult computeNitrite(const NitriteInput &input)
{
    NitriteResult out;
    try {
        computeInOrder(input, out);
    } catch (const OverflowError &e) {
        out.texts.clear();
        out.sodiumNitrite.reset();
        out.error = e;
    } catch (const AppError &e) {
        out.error = e;
    }
    return out;
}

Fixed4 nitriteIon(Fixed4 sodiumNitrite)
{
    return sodiumNitrite * NitriteIonFactor;
}

QString mgPerKgText(Fixed4 value)
{
    return value.format("0.0") + QStringLiteral(" mg/kg");
}

const QList<NitriteLimit> &nitriteLimits()
{
    static const QList<NitriteLimit> limits = makeLimits();
    return limits;
}

bool limitInForce(const NitriteLimit &limit, QDate day)
{
    return (limit.from.isNull() || day >= limit.from)
        && (limit.until.isNull() || day <= limit.until);
}

QList<NitriteLimit> passedLimits(CureMethod method, Fixed4 sodiumNitrite, QDate day)
{
    QList<NitriteLimit> passed;
    for (const NitriteLimit &limit : nitriteLimits()) {
        if (!limit.methods.contains(method) || !limitInForce(limit, day))
            continue;
        const Fixed4 value
            = limit.basis == NitriteBasis::NitriteIon ? nitriteIon(sodiumNitrite) : sodiumNitrite;
        if (value > limit.mgPerKg)
            passed << limit;
    }
    return passed;
}

QString limitText(const NitriteLimit &limit)
{
    return limit.mgPerKg.toGeneral()
        + (limit.basis == NitriteBasis::NitriteIon ? QStringLiteral(" mg/kg jonu azotynowego")
                                                   : QStringLiteral(" mg/kg azotynu sodu"));
}

QString limitWarning(const QList<NitriteLimit> &passed)
{
    if (passed.isEmpty())
        return QString();
    QStringList parts;
    for (const NitriteLimit &limit : passed) {
        QString part
            = QStringLiteral("limit %1 %2 (%3)").arg(limit.region, limitText(limit), limit.product);
        if (!limit.checked)
            part += QStringLiteral(", liczby nie sprawdzono ze źródłem");
        parts << part;
    }
    return QStringLiteral("Wynik przekracza ") + parts.join(QStringLiteral(" oraz ")) + u'.';
}
