#pragma once

#include "app/GameState.h"

#include <QList>
#include <QString>

#include <variant>

// One record of a description file: where a dot lies and where its number starts.
struct DotRecord
{
    qint16 dotX = 0;
    qint16 dotY = 0;
    qint16 numberX = 0;
    qint16 numberY = 0;
    friend bool operator==(const DotRecord&, const DotRecord&) = default;
};

// Why a picture cannot be opened. `file` names the file at fault, `line` and
// `value` point into a description file where that helps.
struct PictureError
{
    enum class Kind
    {
        Missing,
        Unreadable,
        TooLarge,
        MissingValue,
        NotWholeNumber,
        OutOfRange,
        IncompleteRecord,
        TooManyDots,
        DotOnEndMarker,
        BitmapMissing,
        BitmapUnreadable,
    };
    Kind kind = Kind::Missing;
    QString file;
    int line = 0;
    QString value;
    friend bool operator==(const PictureError&, const PictureError&) = default;
};

using DotRecords = QList<DotRecord>;
using DescriptionResult = std::variant<DotRecords, PictureError>;

namespace PictureFile {
inline constexpr qint64 MaxDescriptionBytes = 1 << 20;

// Reads the text of a description file: whole numbers separated by commas, spaces
// or line breaks, taken four at a time. `fileName` only labels errors.
DescriptionResult parseDescription(const QByteArray& text, const QString& fileName);

// Writes dots 1 to n into the table and the end marker after them. Entries above
// the marker keep what an earlier picture left there.
void storeInto(GameState& state, const DotRecords& dots);

enum class Bitmap
{
    Start,
    Finished
};
// "lion.kv" gives "lion1.bmp" and "lion2.bmp".
QString bitmapName(const QString& descriptionName, Bitmap which);

// A sentence a parent can act on, naming the file and what is wrong with it.
QString describe(const PictureError& error);
} // namespace PictureFile
