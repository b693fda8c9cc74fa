#pragma once

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

// A temporary working folder for picture files; the process works in it for the
// lifetime of the object, since the game names its files without a folder.
class PictureFolder
{
public:
    PictureFolder() : m_previous(QDir::currentPath()) { QDir::setCurrent(m_dir.path()); }
    ~PictureFolder() { QDir::setCurrent(m_previous); }
    PictureFolder(const PictureFolder&) = delete;
    PictureFolder& operator=(const PictureFolder&) = delete;

    QString path() const { return m_dir.path(); }

    void write(const QString& name, const QByteArray& bytes) const
    {
        QFile file(m_dir.filePath(name));
        if (file.open(QIODevice::WriteOnly))
            file.write(bytes);
    }

    // A bitmap filled with one colour.
    void writeBitmap(const QString& name, QSize size, QRgb colour = qRgb(255, 255, 255)) const
    {
        QImage image(size, QImage::Format_RGB32);
        image.fill(colour);
        image.save(m_dir.filePath(name), "BMP");
    }

    // The three files of a picture: `base`.kv with `description`, and two bitmaps.
    void writePicture(const QString& base, const QByteArray& description,
                      QRgb startColour = qRgb(255, 255, 255),
                      QRgb finishedColour = qRgb(250, 250, 250)) const
    {
        write(base + QStringLiteral(".kv"), description);
        writeBitmap(base + QStringLiteral("1.bmp"), {485, 341}, startColour);
        writeBitmap(base + QStringLiteral("2.bmp"), {485, 341}, finishedColour);
    }

private:
    QString m_previous;
    QTemporaryDir m_dir;
};
