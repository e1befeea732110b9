#pragma once

#include "core/Fixed4.h"

#include <QString>
#include <array>
#include <functional>

// The wet-curing calculator: curing salt, water, injections, massage, brine strength and sugar
// for a weight of meat and 1 to 14 days, in the salty variant and either the less salty or the
// user's own variant.

struct WetRow
{
    Fixed4 saltLow, saltHigh, water, injectionsSalty, injectionsLess;
    bool massage;
    Fixed4 lessFactor;
};

// One row per number of days (index 0 = 1 day); grams and litres per kg of meat.
const std::array<WetRow, 14> &wetRows();

// Row for a days-list index: beyond the list the 14-day row (a long cure must not get the
// saltiest row), no selection (negative) the 1-day row.
const WetRow &wetRowForIndex(int daysIndex);

struct WetCuringInput
{
    QString meat; // kg, as typed; empty counts as 0
    int daysIndex = 0; // 0 = 1 day
    bool ownVariant = false;
    QString ownSalt; // g per kg
    QString ownSugar; // percent of the brine
};

// Where each text goes; the window maps these to its labels.
enum class WetTarget {
    SaltySalt,
    SaltyWater,
    SaltyInjections,
    SaltyMassage,
    SaltyConcentration,
    SaltySugar,
    SecondHeader,
    SecondSalt,
    SecondWater,
    SecondInjections,
    SecondMassage,
    SecondConcentration,
    SecondSugarCaption,
    SecondSugar,
};

using WetSink = std::function<void(WetTarget, const QString &)>;

// Writes the texts in the order a user sees them fill in. An unparsable field or a division by
// zero throws AppError; the texts handed over before it stay written. A result too large for
// Fixed4 throws OverflowError before any text is handed over. Zero meat writes nothing.
void computeWetCuring(const WetCuringInput &input, const WetSink &sink);

// Brine strength in percent for water in litres and salt in grams, as "0.00".
QString StezenieTekst(Fixed4 water, Fixed4 salt);
// Sugar range for 1-2 % of the brine; sets the second block's sugar caption back to default.
QString CukierTekst(Fixed4 water, const WetSink &sink);
// Sugar range around the user's own percentage; rewrites the second block's sugar caption.
QString CukierWlasnyTekst(Fixed4 water, const QString &ownSugar, const WetSink &sink);

namespace wettext {
inline const QString SaltyHeader
    = QStringLiteral("---  Wersja słona według Fendra --------------------------");
inline const QString OwnHeader
    = QStringLiteral("--- Wersja własna ---------------------------------------");
inline const QString LessHeader
    = QStringLiteral("--- Wersja mniej słona  według Fendra-----------------");
inline const QString SugarCaption = QStringLiteral("Opcjonalnie cukier 1-2%:");
} // namespace wettext
