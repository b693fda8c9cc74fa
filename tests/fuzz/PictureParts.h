#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>

// One fuzz input holds a whole picture: the description file, the start bitmap
// and the finished bitmap, in that order, between separators. A part left out
// is a file that is not there.
namespace PictureParts {
inline constexpr QByteArrayView Separator = "\n@@kelvaro-part@@\n";

inline QList<QByteArray> split(QByteArrayView input)
{
    QList<QByteArray> parts;
    while (parts.size() < 2) {
        const qsizetype at = input.indexOf(Separator);
        if (at < 0)
            break;
        parts.append(input.first(at).toByteArray());
        input = input.sliced(at + Separator.size());
    }
    parts.append(input.toByteArray());
    return parts;
}

inline QByteArray join(const QList<QByteArray>& parts)
{
    return parts.join(Separator.toByteArray());
}
} // namespace PictureParts
