#pragma once

#include <QString>
#include <optional>

// Two small two-way calculators: a salt brine (water, salt, percentage) and a vinegar pickle
// (a first liquid mixed with vinegar). Each function gives the new texts of the fields it
// writes, or nothing when one of the fields it reads is empty (the calculation then stops and
// no field changes). A text that is not a number throws AppError before anything is computed;
// a zero divisor throws "Floating point division by zero", or "Invalid floating point
// operation" when the dividend is zero too. Either way no field changes.

struct BrineInput
{
    QString water; // Edit3, litres
    QString salt; // Edit4, grams
    QString percentage; // Edit5, salt percent of the brine
};

// Water and salt give the percentage (new text of Edit5, "0.00").
std::optional<QString> brinePercentage(const BrineInput &in);
// Water and percentage give the salt in whole grams (new text of Edit4).
std::optional<QString> brineSalt(const BrineInput &in);

struct PickleInput
{
    QString firstLitres; // Edit16, row 1: water or an earlier pickle
    QString firstPercent = QStringLiteral("0"); // Edit17
    QString vinegarLitres; // Edit15, row 2
    QString vinegarPercent = QStringLiteral("10"); // Edit18
    QString totalLitres; // Edit14, row 3
    QString totalPercent; // Edit19
};

// Rows 1 and 2 mixed; the window writes the percent first, then the litres.
struct PickleMix
{
    QString totalPercent; // Edit19, "0.0"
    QString totalLitres; // Edit14, "0.0"
};
std::optional<PickleMix> mixPickle(const PickleInput &in);

// Row 3 split into rows 1 and 2; the window writes the vinegar first, then the first liquid.
struct PickleSplit
{
    QString vinegarLitres; // Edit15, "0.0"
    QString firstLitres; // Edit16, "0.0"
};
std::optional<PickleSplit> splitPickle(const PickleInput &in);

// Caption of row 1 for the text of its percent field: plain water at exactly "0", otherwise an
// earlier pickle.
QString pickleFirstRowCaption(const QString &firstPercent);
