#include "effects/ColourChange.h"

#include "core/Rounding.h"
#include "effects/Bitmap24.h"
#include "effects/ChannelMap.h"

#include <cmath>

namespace {

ChannelTable shiftTable(int d)
{
    ChannelTable t;
    for (int c = 0; c < 256; ++c) {
        // (255 - c) * (d / 255) taken exactly; an odd denominator never leaves a half.
        rounding::i128 v = c;
        if (d > 0)
            v += rounding::divHalfEven(rounding::i128(255 - c) * d, 255);
        else if (d < 0)
            v += rounding::divHalfEven(rounding::i128(c) * d, 255);
        t[c] = uint8_t(v < 0 ? 0 : (v > 255 ? 255 : int(v)));
    }
    return t;
}

ChannelTable sineTable(int d)
{
    ChannelTable t;
    for (int c = 0; c < 256; ++c) {
        const double s = std::sin(c * 0.705 * (M_PI / 180.0));
        const double share = d > 0 ? (255 - c) / 255.0 * d : c / 255.0 * d;
        const double v = std::nearbyint(s * share + c);
        t[c] = uint8_t(v < 0 ? 0 : (v > 255 ? 255 : int(v)));
    }
    return t;
}

} // namespace

QImage colourShift(const QImage &source, int dRed, int dGreen, int dBlue)
{
    const ChannelTable tables[3] = {shiftTable(dBlue), shiftTable(dGreen), shiftTable(dRed)};
    return mapChannels(source, tables);
}

QImage sineShift(const QImage &source, int dRed, int dGreen, int dBlue)
{
    const ChannelTable tables[3] = {sineTable(dBlue), sineTable(dGreen), sineTable(dRed)};
    return mapChannels(source, tables);
}

QImage colourChange(const QImage &source, const ColourChangeParams &p)
{
    const int dr = p.brightness + p.red, dg = p.brightness + p.green, db = p.brightness + p.blue;
    return p.wayItem == 1 ? sineShift(source, dr, dg, db) : colourShift(source, dr, dg, db);
}
