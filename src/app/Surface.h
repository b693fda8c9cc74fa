#pragma once

#include <QColor>
#include <QImage>
#include <QObject>
#include <QPoint>

class QPainter;

// The drawing surface's persistent image and drawing state. Everything the game
// draws lands here; the window only shows it. Coordinates are whole pixels of the
// drawing area, origin top-left, and drawing is aliased so that the colours the
// game tests for (pure black outlines, red dots) stay exact.
class Surface : public QObject
{
    Q_OBJECT
public:
    static constexpr int Width = 485;
    static constexpr int Height = 341;
    static constexpr QRgb Background = qRgb(255, 255, 255);

    enum class FillStyle
    {
        Solid,
        Transparent
    };

    explicit Surface(QSize size = QSize(Width, Height));

    const QImage& image() const { return m_image; }
    int width() const { return m_image.width(); }
    int height() const { return m_image.height(); }

    // The bitmap last set as the picture, without what was drawn over it; null
    // before the first picture.
    const QImage& storedPicture() const { return m_picture; }
    void setPicture(const QImage& bitmap);

    QColor drawingColour() const { return m_drawingColour; }
    void setDrawingColour(QColor colour) { m_drawingColour = colour; }
    QColor fillColour() const { return m_fillColour; }
    void setFillColour(QColor colour) { m_fillColour = colour; }
    FillStyle fillStyle() const { return m_fillStyle; }
    void setFillStyle(FillStyle style) { m_fillStyle = style; }
    QPoint textPosition() const { return m_textPosition; }
    void setTextPosition(QPoint position) { m_textPosition = position; }

    void circle(QPointF centre, qreal radius, QColor outline);
    void line(QPointF from, QPointF to);
    void rectangle(QPointF corner, QPointF oppositeCorner);
    void printText(const QString& text);
    // Paints the area around `point` in the fill colour, up to pixels of
    // `border`; nothing from a border pixel or from outside the area.
    void floodFill(QPoint point, QColor border);

    // Puts the image on screen now rather than when the running handler returns.
    void refresh();

Q_SIGNALS:
    void changed(QRect area);
    void refreshRequested();

private:
    void beginPainting(QPainter& painter);
    void setBrushForFillStyle(QPainter& painter) const;

    QImage m_image;
    QImage m_picture;
    QColor m_drawingColour{0, 0, 0};
    QColor m_fillColour{0, 0, 0};
    FillStyle m_fillStyle = FillStyle::Transparent;
    QPoint m_textPosition;
};
