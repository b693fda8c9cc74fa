// Makes the fuzzers' starting inputs from the game's own content: every
// description file, every picture with its two bitmaps, every tune. The bitmaps
// are shrunk to black and white at a quarter of their area, so each picture
// makes a small input that the fuzzer can afford to mutate; every third goes as PNG,
// which the game reads too.
#include "PictureParts.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>

#include <cstdio>

namespace {
QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeAll(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray smallBitmap(const QString& path, const char* format)
{
    const QImage image = QImage(path);
    const QImage small =
        image.scaled(image.size() / 2, Qt::IgnoreAspectRatio, Qt::FastTransformation)
            .convertToFormat(QImage::Format_Mono, Qt::ThresholdDither);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    small.save(&buffer, format);
    return bytes;
}

int makeSeeds(const QDir& data, const QDir& out)
{
    for (const char* folder : {"description", "picture", "music"})
        out.mkpath(QString::fromLatin1(folder));
    int written = 0;
    const QStringList pictures = data.entryList({QStringLiteral("*.kv")}, QDir::Files, QDir::Name);
    for (qsizetype i = 0; i < pictures.size(); ++i) {
        const QString& name = pictures[i];
        const QString base = name.chopped(3);
        const QByteArray description = readAll(data.filePath(name));
        const char* format = i % 3 == 0 ? "PNG" : "BMP";
        const QByteArray picture = PictureParts::join(
            {description, smallBitmap(data.filePath(base + QStringLiteral("1.bmp")), format),
             smallBitmap(data.filePath(base + QStringLiteral("2.bmp")), format)});
        written += writeAll(out.filePath(QStringLiteral("description/") + name), description);
        written += writeAll(out.filePath(QStringLiteral("picture/") + base), picture);
    }
    for (const QString& name : data.entryList({QStringLiteral("*.mid")}, QDir::Files, QDir::Name))
        written +=
            writeAll(out.filePath(QStringLiteral("music/") + name), readAll(data.filePath(name)));
    return written;
}
} // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_seeds DATA_FOLDER SEED_FOLDER\n");
        return 2;
    }
    const int written =
        makeSeeds(QDir(QString::fromLocal8Bit(argv[1])), QDir(QString::fromLocal8Bit(argv[2])));
    std::printf("%d seeds written\n", written);
    return written > 0 ? 0 : 1;
}
