#include "calc/FishSalting.h"

#include "calc/CalcMath.h"

#include <QStringList>

using namespace calcmath;

namespace {

constexpr int kHoursCount = 21;
constexpr int kTemperatureCount = 15;
const Fixed4 kMinimumConcentration = Fixed4::fromInt(4);

// A = 15 - (i + 3) / 3 = (42 - i) / 3
Fixed4 partA(int hoursIndex)
{
    return Fixed4::fromRatio(42 - i128(hoursIndex), 3);
}

Fixed4 partB(int temperatureIndex)
{
    return Fixed4::fromRatio(temperatureIndex, 3);
}

FishSaltingTexts textsFor(Fixed4 c, Fixed4 fish)
{
    // X = round(C * F * 1000), whole; salt = X / (100 - C) printed with one decimal.
    const i128 x
        = divEven(mul(mul(c.raw(), fish.raw()), 1000), i128(Fixed4::Scale) * Fixed4::Scale);
    const i128 rest = i128(Fixed4::fromInt(100).raw()) - c.raw();
    const i128 saltTenths = divAway(mul(x, 10 * Fixed4::Scale), rest);
    return FishSaltingTexts {
        c.format("0.0") + QStringLiteral(" %."), decimalText(saltTenths, 1) + QStringLiteral(" g")};
}

QString lowBrineLine(Fixed4 c)
{
    return c.format("0.0") + QStringLiteral(" % to za niskie stężenie solanki,") + u'\r';
}

} // namespace

QStringList fishHoursItems()
{
    QStringList items;
    for (int h = kFishFirstHours; h < kFishFirstHours + kHoursCount; ++h) {
        const bool few = (h % 10 >= 2 && h % 10 <= 4) && (h < 12 || h > 14);
        items << QString::number(h)
                + (few ? QStringLiteral(" godziny") : QStringLiteral(" godzin"));
    }
    return items;
}

QStringList fishTemperatureItems()
{
    QStringList items;
    for (int t = kFishFirstTemperature; t < kFishFirstTemperature + kTemperatureCount; ++t)
        items << QString::number(t) + ((t == 4 || t == 5) ? QStringLiteral(" ") : QString());
    return items;
}

FishConcentration fishConcentration(int hoursIndex, int temperatureIndex)
{
    const Fixed4 a = partA(hoursIndex);
    const Fixed4 b = partB(temperatureIndex);
    return FishConcentration {a, b, a - b};
}

FishSaltingResult computeFishSalting(const FishSaltingInput &in)
{
    const Fixed4 fish = Fixed4::parseOrZero(in.fish);
    FishSaltingResult result;
    result.water = fish.toGeneral() + QStringLiteral(" l.");

    const FishConcentration k = fishConcentration(in.hoursIndex, in.temperatureIndex);
    result.texts = textsFor(k.c, fish);
    if (k.c >= kMinimumConcentration)
        return result;

    if (in.focus == FishFocus::HoursList) {
        // The user lengthened the salting: propose a colder water instead.
        const int s = int((3 * (k.a - kMinimumConcentration)).toIntHalfEven());
        FishSaltingProposal proposal;
        proposal.message = lowBrineLine(k.c)
            + QStringLiteral("proponuję obniżyć temperaturę wody do ")
            + QString::number(s + kFishFirstTemperature) + QStringLiteral("°C");
        proposal.hoursIndex = in.hoursIndex;
        proposal.temperatureIndex = s;
        proposal.texts = textsFor(k.a - partB(s), fish);
        result.proposal = proposal;
    } else if (in.focus == FishFocus::TemperatureList) {
        // The user warmed the water: propose fewer hours instead.
        const int s = 42 - int((3 * (kMinimumConcentration + k.b)).toIntHalfEven());
        FishSaltingProposal proposal;
        proposal.message = lowBrineLine(k.c)
            + QStringLiteral("proponuję zmniejszyć ilość godzin solenia do ")
            + QString::number(s + kFishFirstHours);
        proposal.hoursIndex = s;
        proposal.temperatureIndex = in.temperatureIndex;
        proposal.texts = textsFor(partA(s) - k.b, fish);
        result.proposal = proposal;
    }
    return result;
}

WaterTemperatureBand waterTemperatureBand(int temperatureIndex)
{
    if (temperatureIndex < 0 || temperatureIndex >= kTemperatureCount)
        return WaterTemperatureBand::None;
    if (temperatureIndex <= 4)
        return WaterTemperatureBand::Cool;
    if (temperatureIndex <= 9)
        return WaterTemperatureBand::Warm;
    return WaterTemperatureBand::Hot;
}

unsigned waterTemperatureRgb(WaterTemperatureBand band)
{
    switch (band) {
    case WaterTemperatureBand::Cool:
        return 0xFAC896; // 250, 200, 150
    case WaterTemperatureBand::Warm:
        return 0xFA9664; // 250, 150, 100
    case WaterTemperatureBand::Hot:
        return 0xFA140F; // 250, 20, 15
    case WaterTemperatureBand::None:
        break;
    }
    return 0;
}

FishClocks fishClocks(const QDateTime &now, int hoursIndex)
{
    const QTime t = now.time();
    const QDateTime end = now.addSecs(qint64(hoursIndex + kFishFirstHours) * 3600);
    const int h = t.hour(), m = t.minute(), eh = end.time().hour();
    FishClocks clocks;
    clocks.now = {h / 10, h % 10, m / 10, m % 10};
    clocks.end = {eh / 10, eh % 10, m / 10, m % 10};
    clocks.endDay = end.date() > now.date() ? kTomorrow : kToday;
    return clocks;
}
