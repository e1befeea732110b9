#include "effects/Emboss.h"

#include "core/AppError.h"
#include "effects/Bitmap24.h"
#include "effects/EmbossKernels.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

EmbossDirection embossDirection(int angle)
{
    struct Range
    {
        int from, to, aRow, aCol, bRow, bCol;
    };
    static constexpr Range ranges[] = {
        {1, 44, -1, +1, 0, +1},
        {45, 89, -1, 0, -1, +1},
        {90, 134, -1, -1, -1, 0},
        {135, 179, 0, -1, -1, -1},
        {180, 224, +1, -1, 0, -1},
        {225, 269, +1, 0, +1, -1},
        {270, 314, +1, +1, +1, 0},
        {315, 360, 0, +1, +1, +1},
    };
    EmbossDirection d;
    d.fraction = angle % 45;
    for (const Range &r : ranges) {
        if (angle >= r.from && angle <= r.to) {
            d.aRow = r.aRow;
            d.aCol = r.aCol;
            d.bRow = r.bRow;
            d.bCol = r.bCol;
        }
    }
    return d;
}

QImage emboss(const QImage &source, const EmbossParams &params)
{
    QImage b = toBitmap24(source);
    if (b.width() <= 2 || b.height() <= 2)
        return b;
    if (!embossFast(b, params))
        embossPlain(b, params);
    return b;
}

int embossLevelForPosition(int position)
{
    return position <= 100 ? position : (position - 100) * 4 + 100;
}

int embossLevelFromText(const QString &text)
{
    // Leading blanks, a sign, then decimal digits or '$' and hexadecimal digits; nothing after.
    const auto invalid
        = [&] { return AppError(QStringLiteral("'%1' is not a valid integer value").arg(text)); };
    int i = 0;
    const int n = int(text.size());
    while (i < n && text[i] == QLatin1Char(' '))
        ++i;
    bool negative = false;
    if (i < n && (text[i] == QLatin1Char('-') || text[i] == QLatin1Char('+')))
        negative = text[i++] == QLatin1Char('-');
    int radix = 10;
    if (i < n && text[i] == QLatin1Char('$')) {
        radix = 16;
        ++i;
    } else if (i + 1 < n && text[i] == QLatin1Char('0')
        && (text[i + 1] == QLatin1Char('x') || text[i + 1] == QLatin1Char('X'))) {
        radix = 16;
        i += 2;
    }
    if (i >= n)
        throw invalid();
    int64_t value = 0;
    for (; i < n; ++i) {
        const int digit = QChar(text[i]).digitValue();
        const ushort u = text[i].unicode();
        int v = -1;
        if (u < 128 && digit >= 0)
            v = digit;
        else if (radix == 16 && u >= 'a' && u <= 'f')
            v = u - 'a' + 10;
        else if (radix == 16 && u >= 'A' && u <= 'F')
            v = u - 'A' + 10;
        if (v < 0 || v >= radix)
            throw invalid();
        value = value * radix + v;
        if (value > int64_t(INT32_MAX) + 1)
            throw invalid();
    }
    if (negative)
        value = -value;
    if (value > INT32_MAX || value < INT32_MIN)
        throw invalid();
    return int(value);
}

uint32_t reliefColourForItem(int item, uint32_t current, uint32_t boxColour)
{
    switch (item) {
    case 1:
        return 0x808080;
    case 2:
        return 0x000000;
    case 3:
        return boxColour;
    default:
        return current;
    }
}

std::optional<int> knobAngleFromMouse(int x, int y)
{
    if (y == 20)
        return std::nullopt;
    const double degrees = std::atan2(double(x - 20), double(20 - y)) * (180.0 / M_PI) + 180.0;
    const int angle = int(std::nearbyint(degrees));
    return std::clamp(angle, 1, 360);
}

KnobEllipse knobDotEllipse(int angle)
{
    const double radians = (angle - 270) * (M_PI / 180.0);
    const int dx = int(std::nearbyint(12.0 * std::sin(radians)));
    const int dy = int(std::nearbyint(12.0 * std::cos(radians)));
    return {16 + dx, 16 + dy, 24 + dx, 24 + dy};
}

QImage embossKnobPicture(int angle, const QColor &face)
{
    QImage picture(40, 40, kBitmap24);
    picture.fill(face);
    QPainter painter(&picture);
    const auto box = [](const KnobEllipse &e) {
        return QRect(e.left, e.top, e.right - e.left - 1, e.bottom - e.top - 1);
    };
    painter.setPen(face);
    painter.setBrush(face);
    painter.drawEllipse(box(kKnobHub));
    painter.setPen(Qt::black);
    painter.setBrush(QColor(190, 0, 0));
    painter.drawEllipse(box(knobDotEllipse(angle)));
    return picture;
}
