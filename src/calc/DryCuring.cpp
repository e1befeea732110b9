#include "calc/DryCuring.h"

#include "core/Fixed4.h"

namespace {

const QString kGrams = QStringLiteral("  g");

QString ownAmount(const QString &perKgText, Fixed4 meat)
{
    return (Fixed4::parse(perKgText) * meat).toGeneral() + kGrams;
}

} // namespace

DryCuringResult computeDryCuring(const DryCuringInput &input)
{
    return calculate<DryTarget>([&input](DryCuringResult &r) {
        const Fixed4 m = Fixed4::parseOrZero(input.meat);
        r.add(DryTarget::OfficialSalt,
            (m * OfficialSaltLowPerKg).toGeneral() + QStringLiteral(" - ")
                + (m * OfficialSaltHighPerKg).toGeneral() + kGrams);
        const QString half = (m * Fixed4::fromRaw(5000)).toGeneral() + kGrams;
        r.add(DryTarget::OfficialPepper, half);
        r.add(DryTarget::OfficialAllspice, half);
        r.add(DryTarget::OwnSalt, ownAmount(input.ownSalt, m));
        r.add(DryTarget::OwnPepper, ownAmount(input.ownPepper, m));
        r.add(DryTarget::OwnAllspice, ownAmount(input.ownAllspice, m));
    });
}
