#pragma once

#include <QImage>
#include <QList>
#include <QPolygon>
#include <QString>

// A picture as its author writes it: the outline to be joined and the details
// that stay in both images. See content/pictures/README.md for the text format.
struct PictureSource
{
    QPolygon outline;
    QList<QPolygon> details;
    QList<QPolygon> closedDetails;
    QList<QPair<QPoint, int>> circles;
    // Points inside areas meant to be coloured.
    QPolygon areas;
    // For traced line art: the images themselves, instead of drawn ones.
    QImage tracedStart;
    QImage tracedFinished;

    // Parses the text; on failure returns false and says why in `error`.
    bool parse(const QString& text, QString& error);

    QImage startImage() const;
    QImage finishedImage() const;
    // The description file: one line "dotX,dotY,numberX,numberY" per dot, with
    // the numbers' top-left corners given in `numbers`.
    QByteArray description(const QList<QPoint>& numbers) const;
};
