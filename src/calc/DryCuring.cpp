#include "calc/DryCuring.h"

#include "core/Fixed4.h"

namespace {

const QString kGrams = QStringLiteral("  g");

QString ownAmount(const QString &perKgText, Fixed4 meat)
{
    return (Fixed4::parse(perKgText) * meat).toGeneral() + kGrams;
}

} // namespace

void computeDryCuring(const DryCuringInput &input, const DrySink &sink)
{
    const Fixed4 m = Fixed4::parseOrZero(input.meat);

    sink(DryTarget::OfficialSalt,
        (m * 18).toGeneral() + QStringLiteral(" - ") + (m * 22).toGeneral() + kGrams);
    const QString half = (m * Fixed4::fromRaw(5000)).toGeneral() + kGrams;
    sink(DryTarget::OfficialPepper, half);
    sink(DryTarget::OfficialAllspice, half);

    sink(DryTarget::OwnSalt, ownAmount(input.ownSalt, m));
    sink(DryTarget::OwnPepper, ownAmount(input.ownPepper, m));
    sink(DryTarget::OwnAllspice, ownAmount(input.ownAllspice, m));
}
