#pragma once

#include "cookbook/TXMLJednostkiType.h"
#include "core/Fixed4.h"

#include <QString>

// Quantities of recipes and the Polish forms of units. All arithmetic is exact on Fixed4
// counts; nothing goes through floating point.

// "2", "0,5", "1/2" and "1 1/2" are numbers; every other text (a word, an empty text, a division
// by zero, a number out of range) gives 0.
Fixed4 ParseQuantity(const QString &text);

// The number that chooses a unit's form: the quantity rounded (ties to even); above 21 the last
// digit of its whole part, with 0 and 1 counting as 5.
qint64 UnitFormNumber(Fixed4 quantity);

// Five blanks and the form of the unit that fits the quantity, from the first entry of the unit
// dictionary whose nazwa equals the name; the name itself when there is no such entry or the
// needed form is empty.
QString UnitForm(const QString &unitName, Fixed4 quantity, const TXMLJednostkiType &units);
QString UnitForm(const QString &unitName, Fixed4 quantity, const TXMLJednostkaType &unit);

// Wanted portions / recipe portions, rounded to a count (ties to even). Throws the division
// errors when the recipe portions are 0.
Fixed4 ScaleFactor(Fixed4 wantedPortions, Fixed4 recipePortions);

// The scaled quantity as the recipe view writes it: one decimal (half away from zero) when the
// exact product has a fractional part, else a whole number without separator.
QString ScaledQuantityText(Fixed4 quantity, Fixed4 scaleFactor);

// The scaled quantity that chooses the unit's form: the product rounded to a count.
Fixed4 ScaledUnitQuantity(Fixed4 quantity, Fixed4 scaleFactor);
