#include "core/Win1250.h"

#include <algorithm>
#include <array>
#include <utility>

namespace win1250 {

namespace {
// The upper half of the code page. The five bytes it leaves undefined stand for the C1 controls
// of the same number, so every byte survives a decode and an encode.
// clang-format off
constexpr std::array<char16_t, 128> kUpper {
    0x20AC, 0x0081, 0x201A, 0x0083, 0x201E, 0x2026, 0x2020, 0x2021,
    0x0088, 0x2030, 0x0160, 0x2039, 0x015A, 0x0164, 0x017D, 0x0179,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x0098, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A,
    0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6, 0x00A7,
    0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B,
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7,
    0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C,
    0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7,
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E,
    0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7,
    0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF,
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7,
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F,
    0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7,
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9,
};
// clang-format on

// The same table sorted by character, for encoding.
constexpr auto kByCharacter = [] {
    std::array<std::pair<char16_t, char>, 128> table {};
    for (int i = 0; i < 128; ++i)
        table[i] = {kUpper[i], char(0x80 + i)};
    std::sort(table.begin(), table.end());
    return table;
}();

// What the code page cannot hold becomes the substitute control, as Windows writes it.
constexpr char kSubstitute = 0x1A;

bool encodeOne(char16_t c, char &out)
{
    if (c < 0x80) {
        out = char(c);
        return true;
    }
    const auto it = std::lower_bound(
        kByCharacter.begin(), kByCharacter.end(), std::pair<char16_t, char>(c, char(-128)));
    if (it == kByCharacter.end() || it->first != c)
        return false;
    out = it->second;
    return true;
}
} // namespace

QString decode(const QByteArray &bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar *out = text.data();
    for (const char byte : bytes) {
        const auto b = static_cast<unsigned char>(byte);
        *out++ = QChar(b < 0x80 ? char16_t(b) : kUpper[b - 0x80]);
    }
    return text;
}

QByteArray encode(const QString &text, bool *lossless)
{
    QByteArray out(text.size(), Qt::Uninitialized);
    qsizetype n = 0;
    bool all = true;
    for (qsizetype i = 0; i < text.size(); ++i) {
        char byte;
        if (!encodeOne(text[i].unicode(), byte)) {
            all = false;
            byte = kSubstitute;
            // A character beyond the 16-bit range is one character, so one substitute.
            if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
                ++i;
        }
        out[n++] = byte;
    }
    out.truncate(n);
    if (lossless)
        *lossless = all;
    return out;
}

QString unencodable(const QString &text)
{
    QString bad;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const bool pair = text[i].isHighSurrogate() && i + 1 < text.size();
        const QString one = pair ? text.mid(i, 2) : text.mid(i, 1);
        if (pair)
            ++i;
        bool ok = false;
        encode(one, &ok);
        if (!ok && !bad.contains(one))
            bad += one;
    }
    return bad;
}

} // namespace win1250
