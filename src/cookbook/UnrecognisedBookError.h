#pragma once

#include "core/AppError.h"

// A well-formed XML file whose root is neither Solvarin nor Velmaro. Its message is the text the
// main window puts in its title (and the copy operations show in a message box).
class UnrecognisedBookError : public AppError
{
public:
    explicit UnrecognisedBookError(const QString &rootName)
        : AppError(QStringLiteral("ta baza jest nie jadajna :("))
        , m_rootName(rootName)
    { }
    const QString &rootName() const { return m_rootName; }

private:
    QString m_rootName;
};
