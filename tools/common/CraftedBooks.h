#pragma once

// Books made to hurt a reader: entity bombs in text and in attributes, a huge count of attributes,
// single texts of a megabyte. Generated on demand (a test or benchmark never stores megabytes),
// each scaled by a factor so tests use small ones and the benchmark the full size.

#include <QByteArray>
#include <QList>
#include <QString>

namespace crafted {

struct CraftedBook
{
    QString name;
    QByteArray bytes;
};

inline QByteArray prologue(const QByteArray &doctype = {})
{
    return "<?xml version=\"1.0\" encoding=\"Windows-1250\"?>" + doctype + "\n";
}

inline QByteArray entityDoctype(const QByteArray &name, qsizetype length, char fill = 'x')
{
    return "<!DOCTYPE Solvarin [<!ENTITY " + name + " \"" + QByteArray(length, fill) + "\">]>";
}

// One recipe with the given attributes and body.
inline QByteArray oneRecipeBook(
    const QByteArray &doctype, const QByteArray &attributes, const QByteArray &body)
{
    return prologue(doctype)
        + "<Solvarin wersja=\"1.0\"><przepisy><przepis tytul=\"T\" porcje=\"1\"" + attributes + ">"
        + body + "</przepis></przepisy></Solvarin>\n";
}

inline QByteArray repeated(const QByteArray &piece, qsizetype times)
{
    QByteArray out;
    out.reserve(piece.size() * times);
    for (qsizetype i = 0; i < times; ++i)
        out += piece;
    return out;
}

// A plain book of n recipes, the shape a real book has, without entities.
inline QByteArray plainBook(int recipes)
{
    QByteArray out = prologue() + "<Solvarin wersja=\"1.0\" data=\"2026-12-06\">\n  <przepisy>\n";
    for (int i = 0; i < recipes; ++i) {
        const QByteArray n = QByteArray::number(i);
        out += "    <przepis tytul=\"Kie\xb3\x62\x61sa " + n + "\" porcje=\"4\" autor=\"Autor "
            + QByteArray::number(i % 50) + "\" kuchnia=\"Kuchnia " + QByteArray::number(i % 20)
            + "\">\n      <kategoria nazwa=\"W\xea\x64liny\"/>\n"
            + "      <skladnik nazwa=\"mi\xea\x73o\" ilosc=\"1\" jednostka=\"kilogram\"/>\n"
            + "      <skladnik nazwa=\"peklos\xf3l\" ilosc=\"20\" jednostka=\"gram\"/>\n"
            + "      <opis>Pekluj 7 dni, potem w\xea\x64\x9f.</opis>\n    </przepis>\n";
    }
    return out + "  </przepisy>\n</Solvarin>\n";
}

// The hostile books; scale 1 is the full size a user could meet, tests use a fraction.
inline QList<CraftedBook> hostileBooks(double scale)
{
    const auto n
        = [scale](qsizetype full) { return std::max<qsizetype>(1, qsizetype(full * scale)); };
    QList<CraftedBook> books;
    // A 50,000-character entity referenced 50,000 times: 2.5 billion characters.
    books.append({QStringLiteral("entity bomb in text"),
        oneRecipeBook(
            entityDoctype("a", 50000), {}, "<opis>" + repeated("&a;", n(50000)) + "</opis>")});
    books.append({QStringLiteral("entity bomb in an attribute"),
        oneRecipeBook(
            entityDoctype("a", 50000), " autor=\"" + repeated("&a;", n(50000)) + "\"", {})});
    // Entities of entities, each level ten times the one below; the last level is empty, so only
    // the count of references grows.
    QByteArray nested = "<!DOCTYPE Solvarin [<!ENTITY e0 \"\">";
    for (int level = 1; level <= 9; ++level)
        nested += "<!ENTITY e" + QByteArray::number(level) + " \""
            + repeated("&e" + QByteArray::number(level - 1) + ";", 10) + "\">";
    nested += "]>";
    books.append({QStringLiteral("nested empty entities"),
        oneRecipeBook(nested, {}, "<opis>" + repeated("&e9;", n(100)) + "</opis>")});
    books.append({QStringLiteral("400 references near the old bound"),
        oneRecipeBook(
            entityDoctype("a", 49999), {}, "<opis>" + repeated("&a;", n(400)) + "</opis>")});
    books.append({QStringLiteral("short entity, 400,000 references"),
        oneRecipeBook(
            entityDoctype("a", 10), {}, "<opis>" + repeated("&a;", n(400000)) + "</opis>")});
    QByteArray attributes;
    for (qsizetype i = 0, count = n(100000); i < count; ++i)
        attributes += " a" + QByteArray::number(i) + "=\"v\"";
    books.append(
        {QStringLiteral("100,000 attributes on one recipe"), oneRecipeBook({}, attributes, {})});
    const QByteArray longText(n(1024 * 1024), 'W');
    books.append({QStringLiteral("1 MB title"),
        prologue() + "<Solvarin><przepisy><przepis tytul=\"" + longText
            + "\" porcje=\"1\"><opis>x</opis></przepis></przepisy></Solvarin>\n"});
    books.append({QStringLiteral("1 MB description"),
        oneRecipeBook({}, {}, "<opis>" + longText + "</opis>")});
    books.append({QStringLiteral("1 MB category"),
        oneRecipeBook({}, {}, "<kategoria nazwa=\"" + longText + "\"/>")});
    books.append({QStringLiteral("1 MB ingredient"),
        oneRecipeBook({}, {},
            "<skladnik nazwa=\"" + longText + "\" ilosc=\"1\" jednostka=\"" + longText + "\">"
                + longText + "</skladnik>")});
    return books;
}

} // namespace crafted
