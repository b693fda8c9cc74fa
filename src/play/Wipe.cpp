#include "Wipe.h"

#include "app/Game.h"
#include "app/Surface.h"
#include "platform/Sleeper.h"

#include <cmath>

namespace {
// Whole numbers rounded half to even, as the surface's sizes are.
int roundHalfEven(double value)
{
    return int(std::nearbyint(value));
}

class Sweep
{
public:
    Sweep(Surface& surface, Sleeper& sleeper)
        : m_surface(surface), m_sleeper(sleeper), W(roundHalfEven(surface.width() + 1.0)),
          H(roundHalfEven(surface.height() + 1.0))
    {
    }

    void run(int effect)
    {
        switch (effect) {
        case 1:
            return thereAndBack(W, [this](int i) { line(i, 0, i, H); });
        case 2:
            return fromBothSides(W, [this](int i) {
                line(i, 0, i, H);
                line(W - i - 1, 0, W - i - 1, H);
            });
        case 3:
            return closingFrames();
        case 4:
            return raysFromTheCentre();
        case 5:
            return thereAndBack(H, [this](int i) { line(0, i, W, i); });
        case 6:
            return fromBothSides(H, [this](int i) {
                line(0, i, W, i);
                line(0, H - i - 1, W, H - i - 1);
            });
        }
    }

private:
    void line(double x1, double y1, double x2, double y2)
    {
        m_surface.line(QPointF(x1, y1), QPointF(x2, y2));
    }

    // Every step is drawn, put on screen, then followed by its pause.
    template <typename Draw> void step(int i, Draw draw)
    {
        draw(i);
        m_surface.refresh();
        m_sleeper.sleep(Wipe::StepPauseMs);
    }

    template <typename Draw> void thereAndBack(int size, Draw draw)
    {
        for (int i = 0; i <= size; i += 2)
            step(i, draw);
        for (int i = size - 1; i >= 1; i -= 2)
            step(i, draw);
    }

    template <typename Draw> void fromBothSides(int size, Draw draw)
    {
        for (int i = 0; i <= size; i += 2)
            step(i, draw);
    }

    void closingFrames()
    {
        m_surface.setFillStyle(Surface::FillStyle::Transparent);
        const int M = roundHalfEven(H / 2.0);
        for (int i = 0; i <= M; ++i)
            step(i, [this](int k) { m_surface.rectangle(QPointF(k, k), QPointF(W - k, H - k)); });
    }

    void raysFromTheCentre()
    {
        const QPointF centre(W / 2.0, H / 2.0);
        const auto ray = [this, centre](double x, double y) {
            return [this, centre, x, y](int) { m_surface.line(centre, QPointF(x, y)); };
        };
        for (int j = 0; j <= 1; ++j) {
            for (int i = j; i <= W - j; i += 2)
                step(i, ray(i, 0));
            for (int i = j; i <= H - j; i += 2)
                step(i, ray(W, i));
            for (int i = W - j; i >= -j; i -= 2)
                step(i, ray(i, H));
            for (int i = H - j; i >= -j; i -= 2)
                step(i, ray(0, i));
        }
    }

    Surface& m_surface;
    Sleeper& m_sleeper;
    const int W;
    const int H;
};
} // namespace

QColor Wipe::paletteColour(int number)
{
    static const QRgb palette[Colours + 1] = {
        qRgb(0, 0, 0),       qRgb(0, 0, 128),   qRgb(0, 128, 0),   qRgb(0, 128, 128),
        qRgb(128, 0, 0),     qRgb(128, 0, 128), qRgb(128, 128, 0), qRgb(192, 192, 192),
        qRgb(128, 128, 128), qRgb(0, 0, 255),   qRgb(0, 255, 0),   qRgb(0, 255, 255),
        qRgb(255, 0, 0),     qRgb(255, 0, 255), qRgb(255, 255, 0), qRgb(255, 255, 255),
    };
    return QColor(palette[qBound(1, number, Colours)]);
}

void Wipe::run(Surface& surface, Sleeper& sleeper, int colourNumber, int effect)
{
    surface.setDrawingColour(paletteColour(colourNumber));
    Sweep(surface, sleeper).run(effect);
}

void Wipe::WipePictureArea(Game& game)
{
    const int colour = Random::choose(Colours, game.random.next());
    const int effect = Random::choose(Effects, game.random.next());
    run(game.PictureArea, game.services.sleeper, colour, effect);
}
