#pragma once

#include <QFrame>

class Surface;

// Shows the surface's image inside a sunken border and turns mouse releases and
// typed characters into surface coordinates and character codes.
class PictureAreaWidget : public QFrame
{
    Q_OBJECT
public:
    static constexpr int BorderWidth = 2;

    explicit PictureAreaWidget(Surface& surface, QWidget* parent = nullptr);

    QSize sizeHint() const override;

Q_SIGNALS:
    // Button code 1 left, 2 right, 4 middle; shift state 1 Shift, 2 Ctrl, 4 Alt.
    void MouseUp(qint16 button, qint16 shift, float x, float y);
    void KeyPress(qint16 keyAscii);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void showChanged(QRect surfaceArea);
    void showNow();

    Surface& m_surface;
    // What changed since the last paint: a refresh paints just that, which keeps
    // the wipe's hundreds of refreshes cheap.
    QRegion m_unpainted;
};
