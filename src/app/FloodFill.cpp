#include "FloodFill.h"

#include <algorithm>
#include <vector>

// A scanline fill with an explicit stack: each popped seed grows into the whole
// horizontal run around it, and only one seed per run of the rows above and
// below is pushed. No recursion, so a huge area cannot overflow the call stack.
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
};

struct Run
{
    int y;
    int left;
    int right;
};

class Filler
{
public:
    Filler(QImage& image, QRgb border, QRgb mark)
        : m_image(image), m_width(image.width()), m_height(image.height()), m_border(border),
          m_mark(mark)
    {
    }

    bool open(QRgb pixel) const { return pixel != m_border && pixel != m_mark; }
    QRgb* row(int y) { return reinterpret_cast<QRgb*>(m_image.scanLine(y)); }

    void run(Seed start)
    {
        m_seeds.push_back(start);
        while (!m_seeds.empty()) {
            const Seed seed = m_seeds.back();
            m_seeds.pop_back();
            growRun(seed);
        }
    }

    const std::vector<Run>& runs() const { return m_runs; }

private:
    void growRun(Seed seed)
    {
        QRgb* line = row(seed.y);
        if (!open(line[seed.x]))
            return;
        auto isOpen = [this](QRgb pixel) { return open(pixel); };
        const auto leftEnd = std::find_if_not(std::make_reverse_iterator(line + seed.x + 1),
                                              std::make_reverse_iterator(line), isOpen);
        const int left = int(leftEnd.base() - line);
        const int right = int(std::find_if_not(line + seed.x, line + m_width, isOpen) - line) - 1;
        std::fill(line + left, line + right + 1, m_mark);
        m_runs.push_back({seed.y, left, right});
        if (seed.y > 0)
            seedRow(seed.y - 1, left, right);
        if (seed.y + 1 < m_height)
            seedRow(seed.y + 1, left, right);
    }

    void seedRow(int y, int left, int right)
    {
        const QRgb* line = row(y);
        auto isOpen = [this](QRgb pixel) { return open(pixel); };
        const QRgb* end = line + right + 1;
        for (const QRgb* p = line + left; p < end;) {
            p = std::find_if(p, end, isOpen);
            if (p == end)
                return;
            m_seeds.push_back({int(p - line), y});
            p = std::find_if_not(p, end, isOpen);
        }
    }

    QImage& m_image;
    const int m_width;
    const int m_height;
    const QRgb m_border;
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
    filler.run({start.x(), start.y()});
    qsizetype painted = 0;
    for (const Run& run : filler.runs()) {
        QRgb* line = filler.row(run.y);
        std::fill(line + run.left, line + run.right + 1, opaqueFill);
        painted += run.right - run.left + 1;
    }
    return painted;
}
