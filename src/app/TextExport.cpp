#include "app/TextExport.h"

#include "core/AppError.h"
#include "core/Win1250.h"

#include <QLocale>

namespace {

// One line of a layout: a pair "caption   value", a lone caption, or an empty line.
struct Line
{
    const char *caption; // object name, or nullptr for an empty line
    const char *value; // object name, or nullptr for a lone caption
};

const QList<Line> &layout(int page)
{
    static const QList<Line> wet = {
        {nullptr, nullptr},
        {"Label2", "ComboBox1"},
        {"Label1", "Edit1"},
        {nullptr, nullptr},
        {"Label26", nullptr},
        {nullptr, nullptr},
        {"Label3", "Label4"},
        {"Label57", "Label59"},
        {"Label5", "Label6"},
        {"Label7", "Label8"},
        {"Label9", "Label10"},
        {"Label49", "Label54"},
        {nullptr, nullptr},
        {"Label27", nullptr},
        {nullptr, nullptr},
        {"Label11", "Label12"},
        {"Label58", "Label60"},
        {"Label13", "Label14"},
        {"Label15", "Label16"},
        {"Label17", "Label18"},
        {"Label50", "Label55"},
    };
    static const QList<Line> dry = {
        {nullptr, nullptr},
        {"Label19", "Edit2"},
        {nullptr, nullptr},
        {"Label45", nullptr},
        {nullptr, nullptr},
        {"Label20", "Label21"},
        {"Label22", "Label24"},
        {"Label23", "Label25"},
        {nullptr, nullptr},
        {"Label44", nullptr},
        {nullptr, nullptr},
        {"Label34", "Label37"},
        {"Label35", "Label39"},
        {"Label36", "Label43"},
    };
    static const QList<Line> brine = {
        {nullptr, nullptr},
        {"Label28", "Edit3"},
        {"Label29", "Edit4"},
    };
    static const QList<Line> fish = {
        {nullptr, nullptr},
        {"Label61", "ComboBox2"},
        {"Label69", "ComboBox3"},
        {"Label62", "Edit10"},
        {nullptr, nullptr},
        {"Label63", "Label66"},
        {"Label64", "Label67"},
        {"Label65", "Label68"},
    };
    static const QList<Line> none;
    switch (page) {
    case 0:
        return wet;
    case 1:
        return dry;
    case 2:
        return brine;
    case 3:
        return fish;
    default:
        return none;
    }
}

} // namespace

QString exportStem(int page)
{
    switch (page) {
    case 0:
        return QStringLiteral("peklowanie na mokro ");
    case 1:
        return QStringLiteral("peklowanie na sucho ");
    case 2:
        return QStringLiteral("solanka ");
    case 3:
        return QStringLiteral("solenie ryb na mokro ");
    default:
        return {};
    }
}

QString exportHeader(const QDateTime &now)
{
    const QLocale locale;
    QString stamp = locale.toString(now.date(), QLocale::ShortFormat);
    if (now.time() != QTime(0, 0))
        stamp += u' ' + now.time().toString(QStringLiteral("HH:mm:ss"));
    return QStringLiteral("Ustawienia z dnia: ") + stamp;
}

QStringList exportLines(int page, const ControlText &text, const QDateTime &now)
{
    if (page < 0 || page > 3)
        return {};
    QStringList lines {exportHeader(now)};
    for (const Line &line : layout(page)) {
        if (!line.caption)
            lines << QString();
        else if (!line.value)
            lines << text(QString::fromLatin1(line.caption));
        else
            lines << text(QString::fromLatin1(line.caption)) + QStringLiteral("   ")
                    + text(QString::fromLatin1(line.value));
    }
    if (page == 2)
        lines << QStringLiteral("Solanka   ") + text(QStringLiteral("Edit5"))
                + QStringLiteral("  %");
    return lines;
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
