#pragma once

#include <QString>
#include <QStringList>

// Casing consumption norms of 33 cured-meat and sausage products: per kg of filling, or
// multiplied by the meat weight of the dry-curing page.

constexpr int kCasingProductCount = 33;

// The product list's items, in list order.
QStringList casingProductNames();

struct CasingInput
{
    int productIndex = -1; // ComboBox4; -1 when nothing is selected
    bool perMeat = false; // CheckBox3 "przelicz wg kilogramów mięsa"
    QString meat = QStringLiteral("0"); // Edit2 of the dry-curing page, kg; empty counts as 0
};

// The lines for the result box (the original joins them with carriage returns; each is one
// line of RichEdit2). No lines when no product is selected. With `perMeat` each number is the
// norm times the meat weight, exact, printed with three decimals rounded half away from zero.
// Throws AppError for a meat text that is not a number (only read when `perMeat` is set).
QStringList casingNormLines(const CasingInput &in);
