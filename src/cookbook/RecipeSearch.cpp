#include "cookbook/RecipeSearch.h"

#include "cookbook/Book.h"

#include <QCollator>
#include <QHash>
#include <QLocale>
#include <algorithm>
#include <array>
#include <memory>

namespace {

// Letters whose diacritic is not a separate mark in Unicode, so decomposition leaves them be.
char16_t withoutStroke(char16_t c)
{
    switch (c) {
    case u'ł':
    case u'Ł':
        return u'l';
    case u'đ':
    case u'Đ':
        return u'd';
    case u'ø':
    case u'Ø':
        return u'o';
    default:
        return c;
    }
}

// One folded character for each UTF-16 unit, worked out once.
const std::array<char16_t, 0x10000> &foldTable()
{
    static const std::unique_ptr<std::array<char16_t, 0x10000>> table = [] {
        auto t = std::make_unique<std::array<char16_t, 0x10000>>();
        for (int u = 0; u < 0x10000; ++u) {
            const QChar c {char16_t(u)};
            if (c.isSurrogate()) {
                (*t)[u] = char16_t(u);
                continue;
            }
            QChar folded(withoutStroke(char16_t(u)));
            // A decomposed letter may decompose again (ǖ -> ü -> u).
            while (folded.decompositionTag() == QChar::Canonical)
                folded = folded.decomposition().at(0);
            (*t)[u] = folded.toLower().unicode();
        }
        return t;
    }();
    return *table;
}

} // namespace

QString RecipeSearch::fold(QStringView text)
{
    const auto &table = foldTable();
    QString out(text.size(), Qt::Uninitialized);
    QChar *dst = out.data();
    for (qsizetype i = 0; i < text.size(); ++i)
        dst[i] = QChar(table[text[i].unicode()]);
    return out;
}

void RecipeSearch::prepare(Book &book)
{
    m_entries.clear();
    m_names.clear();
    m_nameKeys.clear();
    QHash<QString, int> nameIds;
    const TXMLPrzepisyType recipes = book.root().przepisy();
    const int n = recipes.count();
    m_entries.reserve(n);
    for (int i = 0; i < n; ++i) {
        const TXMLPrzepisType r = recipes[i];
        Entry e {i, r.tytul(), QString(), {}};
        e.titleKey = fold(e.title);
        const TXMLSkladnikTypeList lines = r.skladnik();
        for (int k = 0, m = lines.count(); k < m; ++k) {
            const QString name = lines[k].nazwa();
            if (name.isEmpty())
                continue;
            auto known = nameIds.constFind(name);
            if (known == nameIds.cend()) {
                known = nameIds.insert(name, int(m_names.size()));
                m_names << name;
                m_nameKeys << fold(name);
            }
            if (!e.ingredients.contains(*known))
                e.ingredients << *known;
        }
        m_entries << std::move(e);
    }
    // Sort keys once rather than collating pairs of titles over and over.
    QCollator collator {QLocale(QLocale::Polish, QLocale::Poland)};
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    collator.setNumericMode(true);
    std::vector<std::pair<QCollatorSortKey, int>> keys;
    keys.reserve(m_entries.size());
    for (int i = 0; i < n; ++i)
        keys.emplace_back(collator.sortKey(m_entries[i].title), i);
    std::stable_sort(keys.begin(), keys.end(),
        [](const auto &a, const auto &b) { return a.first.compare(b.first) < 0; });
    QList<Entry> sorted;
    sorted.reserve(n);
    for (const auto &key : keys)
        sorted << std::move(m_entries[key.second]);
    m_entries = std::move(sorted);
}

QList<RecipeMatch> RecipeSearch::find(const QString &text) const
{
    QList<RecipeMatch> found;
    const QString key = fold(QStringView(text).trimmed());
    if (key.isEmpty())
        return found;
    std::vector<char> nameHit(m_nameKeys.size());
    bool anyName = false;
    for (qsizetype i = 0; i < m_nameKeys.size(); ++i)
        anyName |= (nameHit[i] = m_nameKeys[i].contains(key));
    QList<RecipeMatch> byIngredient;
    for (const Entry &e : m_entries) {
        RecipeMatch m {e.index, QString(), e.titleKey.contains(key), {}};
        if (anyName)
            for (int id : e.ingredients)
                if (nameHit[id])
                    m.ingredients << m_names[id];
        if (!m.inTitle && m.ingredients.isEmpty())
            continue;
        m.title = e.title;
        (m.inTitle ? found : byIngredient) << std::move(m);
    }
    found << byIngredient;
    return found;
}
