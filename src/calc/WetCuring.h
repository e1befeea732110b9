#pragma once

#include "calc/CalcResult.h"
#include "core/Fixed4.h"

#include <QString>
#include <array>

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

using WetCuringResult = CalcResult<WetTarget>;

// The texts in the order a user sees them fill in. Zero meat gives none. A field that is not a
// number or a division by zero ends the calculation: the result holds the texts computed before
// it and the error. A result too large for Fixed4 gives no texts at all, only the error.
WetCuringResult computeWetCuring(const WetCuringInput &input);

// The curing salt in grams the page shows for the meat typed: the salty variant's range, or with
// ownVariant the own variant's, rounded exactly as the page rounds them. Throws AppError for a
// field that is not a number.
struct WetSalt
{
    Fixed4 low, high;
};
WetSalt wetCuringSalt(const WetCuringInput &input);

// Brine strength in percent for water in litres and salt in grams, as "0.00".
QString StezenieTekst(Fixed4 water, Fixed4 salt);
// Sugar range for 1-2 % of the brine (the second block's caption goes back to SugarCaption).
QString CukierTekst(Fixed4 water);
// Sugar range around the user's own percentage, and the caption that goes with it.
struct OwnSugar
{
    QString caption;
    QString text;
};
// The caption is ready before the amounts: *caption gets it even when the amounts then fail.
OwnSugar CukierWlasnyTekst(Fixed4 water, const QString &ownSugar, QString *caption = nullptr);

namespace wettext {
inline const QString SaltyHeader
    = QStringLiteral("---  Wersja słona według Fendra --------------------------");
inline const QString OwnHeader
    = QStringLiteral("--- Wersja własna ---------------------------------------");
inline const QString LessHeader
    = QStringLiteral("--- Wersja mniej słona  według Fendra-----------------");
inline const QString SugarCaption = QStringLiteral("Opcjonalnie cukier 1-2%:");
} // namespace wettext
