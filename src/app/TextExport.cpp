#include "app/TextExport.h"

#include "app/CalculatorPage.h"

#include "core/AppError.h"
#include "core/Win1250.h"

#include <QLocale>

QString exportHeader(const QDateTime &now)
{
    const QLocale locale;
    QString stamp = locale.toString(now.date(), QLocale::ShortFormat);
    if (now.time() != QTime(0, 0))
        stamp += u' ' + now.time().toString(QStringLiteral("HH:mm:ss"));
    return QStringLiteral("Ustawienia z dnia: ") + stamp;
}

QStringList exportLines(const CalculatorPage &page, const QDateTime &now)
{
    return QStringList {exportHeader(now)} + page.exportLines();
}

QByteArray exportBytes(const QStringList &lines)
{
    QString all;
    for (const QString &line : lines)
        all += line + QStringLiteral("\r\n");
    bool lossless = true;
    QByteArray bytes = win1250::encode(all, &lossless);
    if (!lossless)
        throw AppError(QStringLiteral("Obliczeń nie można zapisać: znaki %1 nie mieszczą się w "
                                      "stronie kodowej Windows-1250.")
                           .arg(win1250::unencodable(all)));
    return bytes;
}
