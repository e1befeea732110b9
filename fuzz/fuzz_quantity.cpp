#include "cookbook/Description.h"
#include "cookbook/Quantity.h"
#include "core/AppError.h"

#include <cstdio>
#include <cstdlib>

// Input: a quantity text, optionally a line break and a second text used as the portions.
extern "C" int LLVMFuzzerTestOneInput(const unsigned char *data, size_t size)
{
    const QString input = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const qsizetype cut = input.indexOf(u'\n');
    const QString text = cut >= 0 ? input.left(cut) : input;
    const QString portions = cut >= 0 ? input.mid(cut + 1) : QStringLiteral("1");

    const Fixed4 q = ParseQuantity(text);
    // The general text form of any quantity reads back as the same quantity.
    if (ParseQuantity(q.toGeneral()) != q) {
        std::fprintf(stderr, "%s read back differently\n", qPrintable(q.toGeneral()));
        std::abort();
    }
    const qint64 n = UnitFormNumber(q);
    if (q.raw() > 215000 && (n < 2 || n > 9)) {
        std::fprintf(stderr, "form number %lld for %s\n", (long long)n, qPrintable(q.toGeneral()));
        std::abort();
    }
    try {
        const Fixed4 scale = ScaleFactor(q, ParseQuantity(portions));
        (void)ScaledQuantityText(q, scale);
        (void)ScaledUnitQuantity(q, scale);
    } catch (const AppError &) { }
    (void)DescriptionLines(input, true);
    (void)CopiedDescriptionText(input);
    (void)UnescapeXmlText(input);
    return 0;
}
