// The flood fill on the drawing area: the whole empty area, and enclosed areas
// of about 700, 11,000 and 119,000 pixels inside a line drawing.

#include "app/FloodFill.h"
#include "app/Surface.h"

#include <QPainter>

#include <benchmark/benchmark.h>

namespace {
const QRgb Black = qRgb(0, 0, 0);

QImage drawingWithBox(int side)
{
    QImage image(Surface::Width, Surface::Height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setPen(Qt::black);
    // Clutter outside the box, as a real drawing has.
    for (int x = 0; x < Surface::Width; x += 23)
        painter.drawLine(x, 0, Surface::Width - x, Surface::Height - 1);
    painter.fillRect(QRect(2, 2, side + 1, side + 1), Qt::white);
    painter.drawRect(QRect(1, 1, side + 1, side + 1));
    return image;
}

void fillRepeatedly(benchmark::State& state, QImage image, QPoint start)
{
    // Alternating colours gives every round the same work without a reset.
    const QRgb colours[] = {qRgb(0, 0, 255), qRgb(255, 255, 0)};
    qsizetype painted = 0;
    int round = 0;
    for (auto _ : state) {
        painted = FloodFill::borderFill(image, start, colours[round++ & 1], Black);
        benchmark::DoNotOptimize(painted);
    }
    state.counters["pixels"] = double(painted);
    state.counters["Mpixels/s"] = benchmark::Counter(
        double(painted) * double(state.iterations()) / 1e6, benchmark::Counter::kIsRate);
}

void WholeEmptyArea(benchmark::State& state)
{
    QImage image(Surface::Width, Surface::Height, QImage::Format_RGB32);
    image.fill(Qt::white);
    fillRepeatedly(state, image, QPoint(242, 170));
}

void EnclosedArea(benchmark::State& state)
{
    const int side = int(state.range(0));
    fillRepeatedly(state, drawingWithBox(side), QPoint(2 + side / 2, 2 + side / 2));
}
} // namespace

BENCHMARK(WholeEmptyArea)->Unit(benchmark::kMicrosecond);
BENCHMARK(EnclosedArea)->Arg(26)->Arg(105)->Arg(340)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
