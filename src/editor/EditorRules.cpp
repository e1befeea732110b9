#include "editor/EditorRules.h"

#include "cookbook/Book.h"
#include "cookbook/BrowserRules.h"

#include <QLocale>

namespace editorrules {

void addDistinct(QStringList &list, const QString &value)
{
    if (!value.isEmpty() && !list.contains(value))
        list.append(value);
}

Suggestions collectSuggestions(Book &book)
{
    Suggestions s;
    s.portionUnits << QStringLiteral("Porcje");
    const TXMLPrzepisyType recipes = book.root().przepisy();
    for (int i = 0, n = recipes.count(); i < n; ++i) {
        const TXMLPrzepisType r = recipes[i];
        addDistinct(s.authors, r.autor());
        addDistinct(s.cuisines, r.kuchnia());
        addDistinct(s.ratings, r.ocena());
        addDistinct(s.portionUnits, r.jednostka());
        const TXMLKategoriaTypeList categories = r.kategoria();
        for (int c = 0, m = categories.count(); c < m; ++c)
            addDistinct(s.categories, categories[c].nazwa());
    }
    for (QStringList *list : {&s.authors, &s.cuisines, &s.ratings, &s.portionUnits, &s.categories})
        browserrules::sortTexts(*list);
    return s;
}

QDate storedDate(const QString &text)
{
    const QStringList parts = text.trimmed().split(u'-');
    if (parts.size() == 3) {
        const QString yearFirst = parts[0].size() == 4
            ? parts.join(u'-')
            : QStringList {parts[2], parts[1], parts[0]}.join(u'-');
        const QDate date = QDate::fromString(yearFirst, QStringLiteral("yyyy-M-d"));
        if (date.isValid())
            return date;
    }
    for (const QLocale &locale : {QLocale(), QLocale(QLocale::Polish, QLocale::Poland)}) {
        const QDate date = locale.toDate(text.trimmed(), QLocale::ShortFormat);
        if (date.isValid())
            return date;
    }
    return QDate::fromString(text.trimmed(), QStringLiteral("d.M.yyyy"));
}

QTime storedTime(const QString &text)
{
    for (const char *format : {"H:mm", "H:mm:ss", "H:m"}) {
        const QTime time = QTime::fromString(text.trimmed(), QString::fromLatin1(format));
        if (time.isValid())
            return time;
    }
    return QTime(0, 0);
}

} // namespace editorrules
