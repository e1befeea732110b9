#include "effects/ChannelMap.h"

#include "effects/Bitmap24.h"

QImage mapChannels(const QImage &source, const ChannelTable tables[3])
{
    const QImage in = asBitmap24(source);
    QImage out(in.size(), kBitmap24);
    const int w = in.width(), h = in.height();
    const uint8_t *tb = tables[0].data(), *tg = tables[1].data(), *tr = tables[2].data();
    for (int y = 0; y < h; ++y) {
        const uchar *s = in.constScanLine(y);
        uchar *d = out.scanLine(y);
        for (int x = 0; x < w; ++x, s += 3, d += 3) {
            d[0] = tb[s[0]];
            d[1] = tg[s[1]];
            d[2] = tr[s[2]];
        }
    }
    return out;
}
