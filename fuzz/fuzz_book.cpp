#include "cookbook/Book.h"
#include "cookbook/Description.h"
#include "cookbook/Quantity.h"
#include "cookbook/XmlService.h"
#include "core/AppError.h"

#include <cstdio>
#include <cstdlib>

namespace {

// Reads everything the views of the program read, the way they read it.
void walk(Book &book)
{
    TXMLVelmaroType root = book.root();
    (void)root.wersja();
    (void)root.struktura();
    const TXMLJednostkiType units = root.slowniki().jednostki();
    const TXMLPrzepisyType recipes = root.przepisy();
    for (int i = 0; i < recipes.count() && i < 50; ++i) {
        const TXMLPrzepisType r = recipes.item(i);
        Fixed4 scale;
        try {
            scale = ScaleFactor(Fixed4::fromInt(3), ParseQuantity(r.porcje()));
        } catch (const AppError &) { }
        for (int k = 0; k < r.kategoria().count(); ++k)
            (void)r.kategoria().item(k).nazwa();
        for (int k = 0; k < r.skladnik().count() && k < 50; ++k) {
            const TXMLSkladnikType line = r.skladnik().item(k);
            const Fixed4 q = ParseQuantity(line.ilosc());
            (void)ScaledQuantityText(q, scale);
            try {
                (void)UnitForm(line.jednostka(), ScaledUnitQuantity(q, scale), units);
            } catch (const AppError &) { }
            (void)line.text();
        }
        const QString markup = r.opis().markup();
        (void)DescriptionLines(markup, true);
        (void)CopiedDescriptionText(markup);
    }
}

[[noreturn]] void fail(const char *what, const QByteArray &a, const QByteArray &b)
{
    std::fprintf(
        stderr, "%s\n--- first ---\n%s\n--- second ---\n%s\n", what, a.constData(), b.constData());
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    Book book;
    try {
        book = Book::fromBytes(bytes, QStringLiteral("fuzz.xml"));
    } catch (const AppError &) {
        return 0;
    }
    QByteArray first;
    try {
        first = book.toBytes();
    } catch (const AppError &) {
        return 0; // a name the code page cannot hold: refused before writing
    }
    // Whatever was read must be written as a book that reads back, and writing that again must
    // give the same bytes.
    Book again;
    try {
        again = Book::fromBytes(first, QStringLiteral("resaved.xml"));
    } catch (const AppError &e) {
        fail(qPrintable(e.message()), first, QByteArray());
    }
    const QByteArray second = again.toBytes();
    if (second != first)
        fail("second save differs", first, second);
    if (!first.startsWith(XmlService::bookPrologue()))
        fail("prologue missing", first, QByteArray());
    walk(again);
    return 0;
}
