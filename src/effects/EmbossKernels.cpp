#include "effects/EmbossKernels.h"

#include "effects/Bitmap24.h"

#include <cstdint>
#include <cstdlib>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

// N = (45 - r) * Bn + r * A - 45 * C is (Bn - (Bn - A) * f - C) * 45 with f = r / 45; its
// magnitude never exceeds 45 * 255, and d = round(N * level / 4500).
constexpr int kSpan = 45 * 255;

// num / den (den > 0) to the nearest integer, halves to even.
int64_t divHalfEven(int64_t num, int64_t den)
{
    int64_t q = num / den, r = num % den;
    const int64_t twice = 2 * (r < 0 ? -r : r);
    if (twice > den || (twice == den && (q & 1)))
        q += num < 0 ? -1 : 1;
    return q;
}

// d for every N, indexed from -kSpan.
template<typename T>
std::vector<T> differenceTable(int level)
{
    std::vector<T> table(2 * kSpan + 1);
    for (int n = -kSpan; n <= kSpan; ++n)
        table[n + kSpan] = T(divHalfEven(int64_t(n) * level, 4500));
    return table;
}

template<typename T>
inline int clampWide(T v)
{
    return v < 0 ? 0 : (v > 255 ? 255 : int(v));
}

// Bytes in memory are blue, green, red; the colour is 0xBBGGRR.
void colourBytes(uint32_t colour, int base[3])
{
    base[0] = int((colour >> 16) & 0xFF);
    base[1] = int((colour >> 8) & 0xFF);
    base[2] = int(colour & 0xFF);
}

template<typename T, bool OwnColour, bool Uniform>
void plainRows(QImage &b, const EmbossDirection &dir, const T *delta, const int base[3])
{
    const int w = b.width(), h = b.height();
    const int kb = 45 - dir.fraction, ka = dir.fraction;
    for (int y = 1; y < h - 1; ++y) {
        uchar *row = b.scanLine(y);
        const uchar *rowA = b.constScanLine(y + dir.aRow) + 3 * dir.aCol;
        const uchar *rowB = b.constScanLine(y + dir.bRow) + 3 * dir.bCol;
        for (int x = 1; x < w - 1; ++x) {
            uchar *c = row + 3 * x;
            const uchar *pa = rowA + 3 * x;
            const uchar *pb = rowB + 3 * x;
            T d[3];
            for (int ch = 0; ch < 3; ++ch)
                d[ch] = delta[kb * pb[ch] + ka * pa[ch] - 45 * c[ch]];
            if constexpr (Uniform) {
                const T u = (d[0] + d[1] + d[2]) / 3;
                d[0] = d[1] = d[2] = u;
            }
            for (int ch = 0; ch < 3; ++ch)
                c[ch] = uchar(clampWide<T>((OwnColour ? T(c[ch]) : T(base[ch])) + d[ch]));
        }
    }
}

template<typename T>
void plainWith(QImage &b, const EmbossParams &p, const EmbossDirection &dir)
{
    const std::vector<T> table = differenceTable<T>(p.level);
    const T *delta = table.data() + kSpan;
    int base[3];
    colourBytes(p.colour, base);
    const bool own = p.colourItem == 0, uniform = p.edgeItem == 1;
    if (own && uniform)
        plainRows<T, true, true>(b, dir, delta, base);
    else if (own)
        plainRows<T, true, false>(b, dir, delta, base);
    else if (uniform)
        plainRows<T, false, true>(b, dir, delta, base);
    else
        plainRows<T, false, false>(b, dir, delta, base);
}

#if defined(__SSE2__)

// Up to this level N * level is exact in a float (below 2^24), and the float quotient by 4500
// lies closer to the true one than any non-half is to a half (1/4500), so the conversion,
// rounding halves to even, gives exactly round(N * level / 4500).
constexpr int kFloatLevel = 1000;

enum class Out { PartialN, Difference, Bytes };

// For bytes i0 <= i < i1 of a row: N without the left neighbour's share, from the row above
// (processed), the row below and the current row's original bytes; then, by `out`, that part
// of N, the difference d, or the finished byte clamp(base + d).
template<Out O>
int vectorPart(int i0, int i1, const uchar *a, int ka, const uchar *b, int kb, const uchar *c,
    float level, const int16_t *base, int16_t *n16, uchar *bytes)
{
    const __m128i zero = _mm_setzero_si128();
    const __m128i wa = _mm_set1_epi16(int16_t(ka)), wb = _mm_set1_epi16(int16_t(kb));
    const __m128i w45 = _mm_set1_epi16(45);
    const __m128 lv = _mm_set1_ps(level), div = _mm_set1_ps(4500.0f);
    int i = i0;
    for (; i + 8 <= i1; i += 8) {
        const __m128i av = _mm_unpacklo_epi8(_mm_loadl_epi64((const __m128i *)(a + i)), zero);
        const __m128i bv = _mm_unpacklo_epi8(_mm_loadl_epi64((const __m128i *)(b + i)), zero);
        const __m128i cv = _mm_unpacklo_epi8(_mm_loadl_epi64((const __m128i *)(c + i)), zero);
        const __m128i n
            = _mm_sub_epi16(_mm_add_epi16(_mm_mullo_epi16(av, wa), _mm_mullo_epi16(bv, wb)),
                _mm_mullo_epi16(cv, w45));
        if constexpr (O == Out::PartialN) {
            _mm_storeu_si128((__m128i *)(n16 + i), n);
            continue;
        }
        const __m128i lo = _mm_srai_epi32(_mm_unpacklo_epi16(n, n), 16);
        const __m128i hi = _mm_srai_epi32(_mm_unpackhi_epi16(n, n), 16);
        const __m128i dlo = _mm_cvtps_epi32(_mm_div_ps(_mm_mul_ps(_mm_cvtepi32_ps(lo), lv), div));
        const __m128i dhi = _mm_cvtps_epi32(_mm_div_ps(_mm_mul_ps(_mm_cvtepi32_ps(hi), lv), div));
        const __m128i d = _mm_packs_epi32(dlo, dhi);
        if constexpr (O == Out::Difference) {
            _mm_storeu_si128((__m128i *)(n16 + i), d);
        } else {
            const __m128i v = _mm_adds_epi16(_mm_loadu_si128((const __m128i *)(base + i)), d);
            _mm_storel_epi64((__m128i *)(bytes + i), _mm_packus_epi16(v, v));
        }
    }
    return i; // the rest is left to the caller
}

// Each pixel of a row in order, adding the share k of its processed left neighbour (kept in
// registers) to the rest of N. Relief on `orig` (the row's original bytes) or on `colour`.
template<bool Uniform>
void chainRow(uchar *row, int w, const int16_t *n, int k, const int16_t *delta, const uchar *orig,
    const int colour[3])
{
    int l0 = row[0], l1 = row[1], l2 = row[2];
    const int c0 = colour[0], c1 = colour[1], c2 = colour[2];
    for (int x = 1; x < w - 1; ++x) {
        const int j = 3 * x;
        const int b0 = orig ? orig[j] : c0, b1 = orig ? orig[j + 1] : c1,
                  b2 = orig ? orig[j + 2] : c2;
        int d0 = delta[n[j] + k * l0], d1 = delta[n[j + 1] + k * l1], d2 = delta[n[j + 2] + k * l2];
        if constexpr (Uniform)
            d0 = d1 = d2 = (d0 + d1 + d2) / 3;
        l0 = clampWide(b0 + d0);
        l1 = clampWide(b1 + d1);
        l2 = clampWide(b2 + d2);
        row[j] = uchar(l0);
        row[j + 1] = uchar(l1);
        row[j + 2] = uchar(l2);
    }
}

// One difference for all three channels of a pixel: the mean of d, truncated.
void uniformPixels(uchar *row, int w, const int16_t *d, const uchar *orig, const int colour[3])
{
    const int c0 = colour[0], c1 = colour[1], c2 = colour[2];
    for (int x = 1; x < w - 1; ++x) {
        const int j = 3 * x;
        const int u = (d[j] + d[j + 1] + d[j + 2]) / 3;
        row[j] = uchar(clampWide((orig ? orig[j] : c0) + u));
        row[j + 1] = uchar(clampWide((orig ? orig[j + 1] : c1) + u));
        row[j + 2] = uchar(clampWide((orig ? orig[j + 2] : c2) + u));
    }
}

struct Rows
{
    const uchar *a, *b; // the two neighbours' bytes for byte 0 of the row
};

class FastEmboss
{
public:
    FastEmboss(QImage &bitmap, const EmbossParams &p, const EmbossDirection &dir)
        : m_b(bitmap)
        , m_dir(dir)
        , m_own(p.colourItem == 0)
        , m_uniform(p.edgeItem == 1)
        , m_level(p.level)
        , m_table(differenceTable<int16_t>(p.level)) // |d| <= 2550 up to kFloatLevel
        , m_delta(m_table.data() + kSpan)
    {
        const int bytes = 3 * bitmap.width();
        colourBytes(p.colour, m_colour);
        m_base.resize(bytes + 16);
        for (int i = 0; i < bytes; ++i)
            m_base[i] = int16_t(m_colour[i % 3]);
        m_orig.resize(bytes + 16);
        m_work.resize(bytes + 16);
        // The processed left neighbour's share is taken out of the vector part and added pixel by
        // pixel in order.
        const int ka = dir.fraction, kb = 45 - dir.fraction;
        const bool aLeft = dir.aRow == 0 && dir.aCol == -1;
        const bool bLeft = dir.bRow == 0 && dir.bCol == -1;
        m_ka = aLeft ? 0 : ka;
        m_kb = bLeft ? 0 : kb;
        m_left = aLeft ? ka : (bLeft ? kb : 0);
    }

    void run()
    {
        const int w = m_b.width(), h = m_b.height();
        for (int y = 1; y < h - 1; ++y) {
            uchar *row = m_b.scanLine(y);
            std::copy(row, row + 3 * w, m_orig.begin());
            const Rows r {
                rowFor(y, m_dir.aRow) + 3 * m_dir.aCol, rowFor(y, m_dir.bRow) + 3 * m_dir.bCol};
            if (m_left != 0)
                serialRow(row, r);
            else if (m_uniform)
                uniformRow(row, r);
            else
                bytesRow(row, r);
        }
    }

private:
    const uchar *rowFor(int y, int offset) const
    {
        return offset == 0 ? m_orig.data() : m_b.constScanLine(y + offset);
    }

    int partialN(int i, const Rows &r) const
    {
        return m_kb * r.b[i] + m_ka * r.a[i] - 45 * m_orig[i];
    }

    void bytesRow(uchar *row, const Rows &r)
    {
        const int16_t *base = m_base.data();
        if (m_own) {
            for (int i = 0; i < 3 * m_b.width(); ++i)
                m_work[i] = m_orig[i];
            base = m_work.data();
        }
        const int end = 3 * (m_b.width() - 1);
        int i = vectorPart<Out::Bytes>(
            3, end, r.a, m_ka, r.b, m_kb, m_orig.data(), float(m_level), base, nullptr, row);
        for (; i < end; ++i)
            row[i] = uchar(clampWide(base[i] + m_delta[partialN(i, r)]));
    }

    void uniformRow(uchar *row, const Rows &r)
    {
        const int w = m_b.width(), end = 3 * (w - 1);
        int16_t *d = m_work.data();
        int i = vectorPart<Out::Difference>(
            3, end, r.a, m_ka, r.b, m_kb, m_orig.data(), float(m_level), nullptr, d, nullptr);
        for (; i < end; ++i)
            d[i] = int16_t(m_delta[partialN(i, r)]);
        if (m_own)
            uniformPixels(row, w, d, m_orig.data(), m_colour);
        else
            uniformPixels(row, w, d, nullptr, m_colour);
    }

    void serialRow(uchar *row, const Rows &r)
    {
        const int w = m_b.width(), end = 3 * (w - 1);
        int16_t *n = m_work.data();
        int i = vectorPart<Out::PartialN>(
            3, end, r.a, m_ka, r.b, m_kb, m_orig.data(), 0.0f, nullptr, n, nullptr);
        for (; i < end; ++i)
            n[i] = int16_t(partialN(i, r));
        const uchar *orig = m_own ? m_orig.data() : nullptr;
        if (m_uniform)
            chainRow<true>(row, w, n, m_left, m_delta, orig, m_colour);
        else
            chainRow<false>(row, w, n, m_left, m_delta, orig, m_colour);
    }

    QImage &m_b;
    const EmbossDirection m_dir;
    const bool m_own, m_uniform;
    const int m_level;
    const std::vector<int16_t> m_table;
    const int16_t *m_delta;
    int m_colour[3];
    int m_ka = 0, m_kb = 0, m_left = 0;
    std::vector<int16_t> m_base, m_work;
    std::vector<uchar> m_orig;
};

#endif

} // namespace

void embossPlain(QImage &b, const EmbossParams &params)
{
    const EmbossDirection dir = embossDirection(params.angle);
    // Up to this level every difference, and the sum of three, fits in 32 bits.
    if (std::abs(int64_t(params.level)) <= 100000)
        plainWith<int32_t>(b, params, dir);
    else
        plainWith<int64_t>(b, params, dir);
}

bool embossFast(QImage &b, const EmbossParams &params)
{
#if defined(__SSE2__)
    const EmbossDirection dir = embossDirection(params.angle);
    const bool directed = dir.aRow != 0 || dir.aCol != 0;
    if (!directed || std::abs(int64_t(params.level)) > kFloatLevel || b.width() < 3
        || b.height() < 3)
        return false;
    FastEmboss(b, params, dir).run();
    return true;
#else
    Q_UNUSED(b);
    Q_UNUSED(params);
    return false;
#endif
}
