#pragma once

#include "calc/CalcResult.h"
#include "core/Fixed4.h"

#include <QDate>
#include <QList>
#include <QString>
#include <optional>

// How much sodium nitrite a cure puts into the meat, per kg of green weight (mg/kg = ppm), and
// the legal limits it is compared with.

enum class CureMethod {
    DryRub, // rubbed on: the whole cure counts against the meat
    Minced, // mixed into minced meat: likewise
    Brine, // pumped or soaked: only the brine the meat takes up counts
};

struct NitriteInput
{
    QString meat; // kg before curing, as typed; empty counts as 0
    QString salt; // g of curing salt
    QString percent; // % sodium nitrite in the curing salt
    CureMethod method = CureMethod::DryRub;
    QString water; // l of brine water
    QString uptake; // brine taken up, % of the meat's weight
};

enum class NitriteTarget {
    SodiumNitrite, // "54,5 mg/kg"
    NitriteIon,
    Equilibrium, // brine only: the nitrite spread over meat and brine
};

struct NitriteResult : CalcResult<NitriteTarget>
{
    // Sodium nitrite in mg/kg, when the calculation got that far.
    std::optional<Fixed4> sodiumNitrite;
};

// Zero or empty meat gives no texts. A field that is not a number, or a brine of no weight,
// ends the calculation with the error and the texts computed before it.
NitriteResult computeNitrite(const NitriteInput &input);

// Sodium nitrite to nitrite ion: the ratio of their molar masses, 46/69, rounded as the EU's
// conversion of the old limits rounds it.
inline constexpr Fixed4 NitriteIonFactor = Fixed4::fromRaw(6700);
Fixed4 nitriteIon(Fixed4 sodiumNitrite);

// One decimal and the unit: "54,5 mg/kg".
QString mgPerKgText(Fixed4 value);

enum class NitriteBasis { SodiumNitrite, NitriteIon };

struct NitriteLimit
{
    QString region; // "UE", "USA"
    QString product; // what the limit covers, in Polish
    Fixed4 mgPerKg;
    NitriteBasis basis;
    QList<CureMethod> methods; // the methods it is checked against; empty: shown only
    QDate from, until; // inclusive; a null date is open
    QString source;
    bool checked; // false: the figure could not be compared with its source
};

// Every limit the window shows, in the order shown. A change of law is a change of one row.
const QList<NitriteLimit> &nitriteLimits();

bool limitInForce(const NitriteLimit &limit, QDate day);
// The limits in force that day for that method which the amount passes.
QList<NitriteLimit> passedLimits(CureMethod method, Fixed4 sodiumNitrite, QDate day);
// One sentence naming the limits passed; empty when none is.
QString limitWarning(const QList<NitriteLimit> &passed);
// "80 mg/kg jonu azotynowego", "150 mg/kg azotynu sodu".
QString limitText(const NitriteLimit &limit);
