#pragma once

#include "calc/CalcResult.h"

#include <QString>

// Dry curing: curing salt, pepper and allspice for a weight of meat, in the official
// proportions (18-22 g, 0,5 g, 0,5 g per kg) and in the user's own ones.

// The texts as the fields hold them.
// The official curing salt, grams per kg of meat.
inline constexpr int OfficialSaltLowPerKg = 18;
inline constexpr int OfficialSaltHighPerKg = 22;

struct DryCuringInput
{
    QString meat = QStringLiteral("0"); // Edit2, kg; empty counts as 0
    QString ownSalt = QStringLiteral("20"); // Edit6, g per kg; no empty-field guard
    QString ownPepper = QStringLiteral("0,5"); // Edit8, g per kg
    QString ownAllspice = QStringLiteral("0,5"); // Edit9, g per kg
};

// The value labels, in the order they are written.
enum class DryTarget {
    OfficialSalt,
    OfficialPepper,
    OfficialAllspice,
    OwnSalt,
    OwnPepper,
    OwnAllspice,
};

using DryCuringResult = CalcResult<DryTarget>;

// The six texts in order. A meat text that is not a number gives no texts and the error; an own
// proportion that is not a number (an empty one included) gives the official texts and the own
// ones before it, and the error.
DryCuringResult computeDryCuring(const DryCuringInput &input);
