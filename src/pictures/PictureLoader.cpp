#include "PictureLoader.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>

namespace {
std::variant<QByteArray, PictureError> readDescription(const QString& name)
{
    const QFileInfo info(name);
    if (!info.exists())
        return PictureError{PictureError::Kind::Missing, name, 0, {}};
    if (info.size() > PictureFile::MaxDescriptionBytes)
        return PictureError{PictureError::Kind::TooLarge, name, 0, {}};
    QFile file(name);
    if (!info.isFile() || !file.open(QIODevice::ReadOnly))
        return PictureError{PictureError::Kind::Unreadable, name, 0, {}};
    QByteArray text = file.read(PictureFile::MaxDescriptionBytes + 1);
    if (text.size() > PictureFile::MaxDescriptionBytes)
        return PictureError{PictureError::Kind::TooLarge, name, 0, {}};
    return text;
}

std::variant<QImage, PictureError> readBitmap(const QString& pictureName, const QString& bitmapName)
{
    if (!QFileInfo(bitmapName).isFile())
        return PictureError{PictureError::Kind::BitmapMissing, pictureName, 0, bitmapName};
    QImageReader reader(bitmapName);
    const QSize size = reader.size();
    const bool sensibleSize = size.isValid() && size.width() <= PictureLoader::MaxBitmapSide &&
                              size.height() <= PictureLoader::MaxBitmapSide;
    QImage image = sensibleSize ? reader.read() : QImage();
    if (image.isNull())
        return PictureError{PictureError::Kind::BitmapUnreadable, pictureName, 0, bitmapName};
    return image.convertToFormat(QImage::Format_RGB32);
}
} // namespace

PictureLoadResult PictureLoader::load(const QString& name)
{
    auto text = readDescription(name);
    if (auto* error = std::get_if<PictureError>(&text))
        return *error;
    auto dots = PictureFile::parseDescription(std::get<QByteArray>(text), name);
    if (auto* error = std::get_if<PictureError>(&dots))
        return *error;

    LoadedPicture picture;
    picture.dots = std::get<DotRecords>(dots);
    for (auto which : {PictureFile::Bitmap::Start, PictureFile::Bitmap::Finished}) {
        auto image = readBitmap(name, PictureFile::bitmapName(name, which));
        if (auto* error = std::get_if<PictureError>(&image))
            return *error;
        (which == PictureFile::Bitmap::Start ? picture.startImage : picture.finishedImage) =
            std::get<QImage>(image);
    }
    return picture;
}
