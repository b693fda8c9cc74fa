#include "PictureAreaWidget.h"

#include "Surface.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace {
qint16 buttonCode(Qt::MouseButton button)
{
    switch (button) {
    case Qt::LeftButton:
        return 1;
    case Qt::RightButton:
        return 2;
    case Qt::MiddleButton:
        return 4;
    default:
        return 0;
    }
}

qint16 shiftState(Qt::KeyboardModifiers modifiers)
{
    qint16 state = 0;
    if (modifiers & Qt::ShiftModifier)
        state |= 1;
    if (modifiers & Qt::ControlModifier)
        state |= 2;
    if (modifiers & Qt::AltModifier)
        state |= 4;
    return state;
}
} // namespace

PictureAreaWidget::PictureAreaWidget(Surface& surface, QWidget* parent)
    : QFrame(parent), m_surface(surface)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(BorderWidth);
    setCursor(Qt::CrossCursor);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    connect(&m_surface, &Surface::changed, this, &PictureAreaWidget::showChanged);
    connect(&m_surface, &Surface::refreshRequested, this, &PictureAreaWidget::showNow);
}

QSize PictureAreaWidget::sizeHint() const
{
    return QSize(Surface::Width, Surface::Height) + QSize(2 * BorderWidth, 2 * BorderWidth);
}

void PictureAreaWidget::showChanged(QRect surfaceArea)
{
    const QRect area = surfaceArea.translated(contentsRect().topLeft()).intersected(contentsRect());
    m_unpainted += area;
    update(area);
}

void PictureAreaWidget::showNow()
{
    // Piece by piece: the window system would otherwise be sent the box around
    // all of them, such as the whole width for the wipe's two far-apart lines.
    const QRegion unpainted = m_unpainted;
    for (const QRect& area : unpainted)
        repaint(area);
}

void PictureAreaWidget::paintEvent(QPaintEvent* event)
{
    m_unpainted -= event->region();
    if (!contentsRect().contains(event->rect()))
        QFrame::paintEvent(event);
    QPainter painter(this);
    // No smoothing: on a high-density screen every surface pixel becomes a crisp
    // block rather than a blur.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    const QPoint origin = contentsRect().topLeft();
    for (const QRect& area : event->region()) {
        const QRect inside = area.intersected(contentsRect());
        painter.drawImage(inside, m_surface.image(), inside.translated(-origin));
    }
}

void PictureAreaWidget::mouseReleaseEvent(QMouseEvent* event)
{
    const QPointF position = event->position() - contentsRect().topLeft();
    Q_EMIT MouseUp(buttonCode(event->button()), shiftState(event->modifiers()),
                   static_cast<float>(position.x()), static_cast<float>(position.y()));
}

void PictureAreaWidget::keyPressEvent(QKeyEvent* event)
{
    const QString text = event->text();
    if (text.isEmpty() || text.at(0).unicode() > 0x7fff) {
        QFrame::keyPressEvent(event);
        return;
    }
    Q_EMIT KeyPress(static_cast<qint16>(text.at(0).unicode()));
}
