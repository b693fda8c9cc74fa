#include "PrintCommand.h"

#include "PrintService.h"
#include "app/DotStyle.h"
#include "app/Fonts.h"
#include "app/Game.h"
#include "sound/Effects.h"
#include "sound/WavePlayer.h"

#include <QPagedPaintDevice>
#include <QPainter>

namespace {
bool printCopy(PrintService& printer, int copy, const QImage& picture, const GameState& state)
{
    QPagedPaintDevice* device = printer.jobDevice(copy);
    QPainter painter;
    if (!device || !painter.begin(device))
        return false;
    PrintCommand::drawSheet(painter, picture, state);
    return painter.end();
}
} // namespace

void PrintCommand::drawSheet(QPainter& painter, const QImage& picture, const GameState& state)
{
    painter.setWindow(0, 0, PageWidth, PageHeight);
    painter.drawImage(QRect(QPoint(0, 0), picture.size()), picture);
    // The font in page units: a point size would be scaled twice on a printer.
    painter.setFont(Fonts::numberFont());
    painter.setBrush(DotStyle::Red);
    // The table ends at its marker, and never later than its last entry.
    for (int i = 1; i < GameState::TableSize && state.DotX[i] != GameState::EndMarker; ++i) {
        painter.setPen(DotStyle::Red);
        painter.drawEllipse(QPointF(state.DotX[i], state.DotY[i]), DotStyle::Radius,
                            DotStyle::Radius);
        painter.setPen(DotStyle::Black);
        const QString number = QStringLiteral(" %1 ").arg(i);
        const QRect box(QPoint(state.NumberX[i], state.NumberY[i]),
                        painter.fontMetrics().size(Qt::TextSingleLine, number));
        painter.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, number);
    }
}

void PrintCommand::run(Game& game)
{
    game.services.sound.start(Effects::Boing);
    const std::optional<int> copies = game.services.printer.showPrintDialog();
    // Before the first picture there is nothing to print, and no job is opened.
    const QImage& picture = game.PictureArea.storedPicture();
    if (!copies || picture.isNull())
        return;
    for (int copy = 1; copy <= *copies; ++copy) {
        if (!printCopy(game.services.printer, copy, picture, game.state))
            return;
    }
}
