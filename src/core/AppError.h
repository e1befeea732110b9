#pragma once

#include <QString>
#include <stdexcept>

// An error whose message is meant for the user; the general error handler shows it as it is.
class AppError : public std::runtime_error
{
public:
    explicit AppError(const QString &message)
        : std::runtime_error(message.toStdString())
        , m_message(message)
    { }
    const QString &message() const noexcept { return m_message; }

    static AppError invalidFloat(const QString &text)
    {
        return AppError(QStringLiteral("'%1' is not a valid floating point value").arg(text));
    }
    static AppError divisionByZero()
    {
        return AppError(QStringLiteral("Floating point division by zero"));
    }
    static AppError invalidOperation()
    {
        return AppError(QStringLiteral("Invalid floating point operation"));
    }
    static AppError overflow() { return AppError(QStringLiteral("Floating point overflow")); }
    static AppError unableToWrite(const QString &path)
    {
        return AppError(QStringLiteral("Unable to write to %1").arg(path));
    }

private:
    QString m_message;
};

// A result too large for the number type. Calculators write nothing when it happens: a label must
// never show a number that wrapped around.
class OverflowError : public AppError
{
public:
    OverflowError()
        : AppError(overflow().message())
    { }
};
