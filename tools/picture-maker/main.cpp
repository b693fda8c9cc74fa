// Turns a picture source into the three files the game reads:
// NAME.kv, NAME1.bmp (start image) and NAME2.bmp (finished image).

#include "PictureSource.h"

#include <QCoreApplication>
#include <QFile>
#include <QTextStream>

namespace {
int fail(const QString& message)
{
    QTextStream(stderr) << "kelvaro-picture-maker: " << message << '\n';
    return 1;
}

bool writeFile(const QString& name, const QByteArray& bytes)
{
    QFile file(name);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}
} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 3 || args[1] == QLatin1String("--help"))
        return fail(QStringLiteral("usage: kelvaro-picture-maker SOURCE.dots OUTPUT-BASE"));

    QFile sourceFile(args[1]);
    if (!sourceFile.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("cannot read %1").arg(args[1]));
    PictureSource source;
    QString error;
    if (!source.parse(QString::fromUtf8(sourceFile.readAll()), error))
        return fail(QStringLiteral("%1: %2").arg(args[1], error));

    const QString base = args[2];
    if (!source.startImage().save(base + QStringLiteral("1.bmp"), "BMP") ||
        !source.finishedImage().save(base + QStringLiteral("2.bmp"), "BMP") ||
        !writeFile(base + QStringLiteral(".kv"), source.description()))
        return fail(QStringLiteral("cannot write the picture files of %1").arg(base));
    return 0;
}
