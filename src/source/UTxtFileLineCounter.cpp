#include "UTxtFileLineCounter.h"

#include "UBlockTextReader.h"
#include "UTextFileUtil.h"

#include <QFile>
#include <memory>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

// The scans below run at memory speed: 16 bytes per compare, counts kept in
// vector lanes and summed only every 255 (bytes) or 4,096 (pairs) steps.

qint64 CountByte(const unsigned char* p, qsizetype n)
{
    qint64 count = 0;
    qsizetype i = 0;
#if defined(__SSE2__)
    const __m128i lf = _mm_set1_epi8('\n');
    const __m128i zero = _mm_setzero_si128();
    while (n - i >= 16) {
        __m128i acc = _mm_setzero_si128();
        const qsizetype steps = std::min<qsizetype>((n - i) / 16, 255);
        for (qsizetype s = 0; s < steps; ++s, i += 16) {
            const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + i));
            acc = _mm_sub_epi8(acc, _mm_cmpeq_epi8(v, lf));
        }
        const __m128i sums = _mm_sad_epu8(acc, zero);
        count += _mm_cvtsi128_si64(sums) + _mm_cvtsi128_si64(_mm_unpackhi_epi64(sums, sums));
    }
#endif
    for (; i < n; ++i)
        count += p[i] == '\n';
    return count;
}

// Pairs at even offsets; value is the pair read as a little-endian 16-bit unit.
qint64 CountPair(const unsigned char* p, qsizetype n, uint16_t value)
{
    qint64 count = 0;
    qsizetype i = 0;
#if defined(__SSE2__)
    const __m128i unit = _mm_set1_epi16(static_cast<short>(value));
    const __m128i ones = _mm_set1_epi16(1);
    while (n - i >= 16) {
        __m128i acc = _mm_setzero_si128();
        const qsizetype steps = std::min<qsizetype>((n - i) / 16, 4096);
        for (qsizetype s = 0; s < steps; ++s, i += 16) {
            const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + i));
            acc = _mm_sub_epi16(acc, _mm_cmpeq_epi16(v, unit));
        }
        alignas(16) int32_t lanes[4];
        _mm_store_si128(reinterpret_cast<__m128i*>(lanes), _mm_madd_epi16(acc, ones));
        count += qint64(lanes[0]) + lanes[1] + lanes[2] + lanes[3];
    }
#endif
    for (; i + 1 < n; i += 2)
        count += (p[i] | (p[i + 1] << 8)) == value;
    return count;
}

}  // namespace

qint64 TTxtFileLineCounter::CountLines(const QString& fileName)
{
    return TTxtFileLineCounter(fileName).CountLines();
}

qint64 TTxtFileLineCounter::CountLines() const
{
    const TTextUnit unit = TextUnitOf(DetectEncodingName(FFileName));
    QFile file(FFileName);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return 0;
    const qint64 size = file.size();
    if (size <= 0)
        return 0;
    const qint64 bufferSize = std::min(size, FChunkSize);
    std::unique_ptr<unsigned char[]> buffer(new unsigned char[bufferSize]);
    qint64 count = 0;
    qint64 total = 0;
    unsigned char last[2] = {0, 0};  // the file's last two bytes, last[1] the very last
    for (;;) {
        // Fill the chunk whole, so every chunk but the last has an even size and
        // UTF-16 pairs never straddle two chunks.
        qint64 got = 0;
        while (got < bufferSize) {
            const qint64 n = file.read(reinterpret_cast<char*>(buffer.get()) + got, bufferSize - got);
            if (n <= 0)
                break;
            got += n;
        }
        if (got == 0)
            break;
        switch (unit) {
        case TTextUnit::Byte: count += CountByte(buffer.get(), got); break;
        case TTextUnit::Utf16LE: count += CountPair(buffer.get(), got, 0x000A); break;
        case TTextUnit::Utf16BE: count += CountPair(buffer.get(), got, 0x0A00); break;
        }
        if (got >= 2) {
            last[0] = buffer[got - 2];
            last[1] = buffer[got - 1];
        } else {
            last[0] = last[1];
            last[1] = buffer[0];
        }
        total += got;
        if (got < bufferSize)
            break;
    }
    if (total == 0)
        return 0;
    bool endsWithLineFeed = false;
    switch (unit) {
    case TTextUnit::Byte:
        // A trailing zero byte after the last line feed (or alone) opens no line.
        endsWithLineFeed = last[1] == '\n' || (last[1] == 0 && (total == 1 || last[0] == '\n'));
        break;
    case TTextUnit::Utf16LE:
        endsWithLineFeed = total % 2 == 0 && last[0] == 0x0A && last[1] == 0;
        break;
    case TTextUnit::Utf16BE:
        endsWithLineFeed = total % 2 == 0 && last[0] == 0 && last[1] == 0x0A;
        break;
    }
    return endsWithLineFeed ? count : count + 1;
}
