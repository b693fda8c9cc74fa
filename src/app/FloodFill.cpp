#include "FloodFill.h"

#include <algorithm>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

// A span fill with an explicit stack: each popped seed grows into the whole
// horizontal run around it, and one seed is pushed for every open run of the
// rows above and below. Each seed remembers the run it came from, so that the
// part of the parent row already filled is not scanned again. No recursion, so
// a huge area cannot overflow the call stack.
//
// Painted pixels are first marked with the fill colour at alpha 0, a value no
// pixel of an RGB32 image can hold, so a run already visited is never taken again
// even when the fill colour itself already occurs in the area. The marks are
// turned into the fill colour at the end.

namespace {
struct Seed
{
    int x;
    int y;
    int direction;  // +1 when the parent run lies above, -1 below, 0 for the start
    int parentLeft; // the parent run, already filled
    int parentRight;
};

struct Run
{
    int y;
    int left;
    int right;
};

// Finds runs of "open" pixels: neither the border colour nor the mark.
class Scanner
{
public:
    Scanner(QRgb border, QRgb mark) : m_border(border), m_mark(mark) {}

    bool open(QRgb pixel) const { return pixel != m_border && pixel != m_mark; }

    // The first pixel in [p, end) that is not open, or end.
    const QRgb* firstClosed(const QRgb* p, const QRgb* end) const
    {
#if defined(__SSE2__)
        const __m128i border = _mm_set1_epi32(int(m_border));
        const __m128i mark = _mm_set1_epi32(int(m_mark));
        const auto closedLanes = [&](const QRgb* at) {
            const __m128i pixels = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at));
            return _mm_or_si128(_mm_cmpeq_epi32(pixels, border), _mm_cmpeq_epi32(pixels, mark));
        };
        // Eight pixels a round: long open runs are the common case.
        for (; end - p >= 8; p += 8) {
            const __m128i low = closedLanes(p);
            const __m128i high = closedLanes(p + 4);
            const int lanes = _mm_movemask_epi8(low) | (_mm_movemask_epi8(high) << 16);
            if (lanes)
                return p + (__builtin_ctz(unsigned(lanes)) >> 2);
        }
#endif
        while (p < end && open(*p))
            ++p;
        return p;
    }

    // The first open pixel in [p, end), or end.
    const QRgb* firstOpen(const QRgb* p, const QRgb* end) const
    {
#if defined(__SSE2__)
        const __m128i border = _mm_set1_epi32(int(m_border));
        const __m128i mark = _mm_set1_epi32(int(m_mark));
        for (; end - p >= 4; p += 4) {
            const __m128i pixels = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
            const __m128i closed =
                _mm_or_si128(_mm_cmpeq_epi32(pixels, border), _mm_cmpeq_epi32(pixels, mark));
            if (const int lanes = ~_mm_movemask_epi8(closed) & 0xffff)
                return p + (__builtin_ctz(unsigned(lanes)) >> 2);
        }
#endif
        while (p < end && !open(*p))
            ++p;
        return p;
    }

private:
    const QRgb m_border;
    const QRgb m_mark;
};

class Filler
{
public:
    Filler(QImage& image, QRgb border, QRgb mark)
        : m_bits(image.bits()), m_stride(image.bytesPerLine()), m_width(image.width()),
          m_height(image.height()), m_scan(border, mark), m_mark(mark)
    {
    }

    QRgb* row(int y) { return reinterpret_cast<QRgb*>(m_bits + y * m_stride); }

    void run(QPoint start)
    {
        m_seeds.push_back({start.x(), start.y(), 0, 0, -1});
        while (!m_seeds.empty()) {
            const Seed seed = m_seeds.back();
            m_seeds.pop_back();
            growRun(seed);
        }
    }

    const std::vector<Run>& runs() const { return m_runs; }

private:
    void growRun(const Seed& seed)
    {
        QRgb* line = row(seed.y);
        if (!m_scan.open(line[seed.x]))
            return;
        int left = seed.x;
        while (left > 0 && m_scan.open(line[left - 1]))
            --left;
        const int right = int(m_scan.firstClosed(line + seed.x, line + m_width) - line) - 1;
        std::fill(line + left, line + right + 1, m_mark);
        m_runs.push_back({seed.y, left, right});

        // Onward, away from the parent: the whole run's width.
        const int onward = seed.direction == 0 ? 1 : seed.direction;
        seedRow(seed.y + onward, left, right, onward);
        if (seed.direction == 0) {
            seedRow(seed.y - 1, left, right, -1);
            return;
        }
        // Back towards the parent: only where the run reaches past it.
        seedRow(seed.y - onward, left, seed.parentLeft - 1, -onward);
        seedRow(seed.y - onward, seed.parentRight + 1, right, -onward);
    }

    void seedRow(int y, int left, int right, int direction)
    {
        if (y < 0 || y >= m_height || left > right)
            return;
        const QRgb* line = row(y);
        const QRgb* end = line + right + 1;
        for (const QRgb* p = m_scan.firstOpen(line + left, end); p < end;
             p = m_scan.firstOpen(p, end)) {
            m_seeds.push_back({int(p - line), y, direction, left, right});
            p = m_scan.firstClosed(p, end);
        }
    }

    uchar* const m_bits;
    const qsizetype m_stride;
    const int m_width;
    const int m_height;
    const Scanner m_scan;
    const QRgb m_mark;
    std::vector<Seed> m_seeds;
    std::vector<Run> m_runs;
};
} // namespace

qsizetype FloodFill::borderFill(QImage& image, QPoint start, QRgb fill, QRgb border)
{
    Q_ASSERT(image.format() == QImage::Format_RGB32);
    if (!image.rect().contains(start) || image.pixel(start) == border)
        return 0;
    const QRgb opaqueFill = fill | 0xff000000u;
    Filler filler(image, border | 0xff000000u, opaqueFill & 0x00ffffffu);
    filler.run(start);
    qsizetype painted = 0;
    for (const Run& run : filler.runs()) {
        QRgb* line = filler.row(run.y);
        std::fill(line + run.left, line + run.right + 1, opaqueFill);
        painted += run.right - run.left + 1;
    }
    return painted;
}
