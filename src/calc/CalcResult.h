#pragma once

#include "core/AppError.h"

#include <QList>
#include <QPair>
#include <QString>
#include <optional>

// What a calculation gives a page: the new texts of its value labels, in the order a user sees
// them fill in, and the error that stopped it, if any. The page writes the texts, then raises the
// error, so the labels computed before a mistake in a field show their new values.
template<class Target>
struct CalcResult
{
    QList<QPair<Target, QString>> texts;
    std::optional<AppError> error;

    void add(Target target, const QString &text) { texts.append({target, text}); }
    // The text given to target (the last, if given twice), or a null string.
    QString text(Target target) const
    {
        for (auto it = texts.crbegin(); it != texts.crend(); ++it)
            if (it->first == target)
                return it->second;
        return QString();
    }
    bool has(Target target) const
    {
        for (const auto &t : texts)
            if (t.first == target)
                return true;
        return false;
    }
    void raise() const
    {
        if (error)
            throw *error;
    }
};

// Runs a calculation that adds its texts to the result as it goes. An error the user can mend
// (a field that is not a number, a division by zero) keeps the texts before it; a number too
// large for the type keeps none, as no label may show part of such a calculation.
template<class Target, class Body>
CalcResult<Target> calculate(Body body)
{
    CalcResult<Target> r;
    try {
        body(r);
    } catch (const OverflowError &e) {
        r.texts.clear();
        r.error = e;
    } catch (const AppError &e) {
        r.error = e;
    }
    return r;
}
