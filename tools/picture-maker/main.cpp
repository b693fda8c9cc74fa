// Turns a picture source into the three files the game reads:
// NAME.kv, NAME1.bmp (start image) and NAME2.bmp (finished image).

#include "LineArtTracer.h"
#include "PictureLayout.h"
#include "PictureSource.h"

#include <QFile>
#include <QGuiApplication>
#include <QTextStream>

namespace {
const char* const Usage = R"(usage: kelvaro-picture-maker SOURCE.dots OUTPUT-BASE
       kelvaro-picture-maker --trace IMAGE [--dots N] OUTPUT-BASE

Makes OUTPUT-BASE.kv, OUTPUT-BASE1.bmp and OUTPUT-BASE2.bmp, a dot-to-dot
picture for Kelvaro, from a picture source, and checks it: at most 99 dots,
every number clear of the dots, the lines and the other numbers, and every
area meant for colouring closed in pure black.

A source is plain text, one statement a line, "#" starting a comment:
  outline x,y x,y ...   the outline the child joins, one dot at each point
  detail x,y x,y ...    a black line shown in both images
  closed x,y x,y ...    the same, closed back to its first point
  circle x,y,r          a black circle shown in both images
  area x,y ...          points inside areas meant to be coloured
Coordinates are pixels of the 485 x 341 drawing area, origin top-left.

With --trace, the source is black-on-white line art (PNG or BMP, shrunk to
fit the drawing area if larger): its outer outline becomes at most N dots
(40 unless given), joined clockwise from the top, and is taken out of the
start image; everything drawn inside it stays.
)";

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
    // Numbers are measured in the game's font; no display is needed for that.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() == 2 &&
        (args[1] == QLatin1String("--help") || args[1] == QLatin1String("-h"))) {
        QTextStream(stdout) << Usage;
        return 0;
    }
    PictureSource source;
    QString error;
    const bool tracing = args.value(1) == QLatin1String("--trace");
    if (tracing && (args.size() == 4 || (args.size() == 6 && args[3] == QLatin1String("--dots")))) {
        bool ok = true;
        const int dots = args.size() == 6 ? args[4].toInt(&ok) : 40;
        if (!ok || !LineArtTracer::trace(QImage(args[2]), dots, source, error))
            return fail(QStringLiteral("%1: %2").arg(
                args[2], ok ? error : QStringLiteral("--dots needs a number")));
    } else if (!tracing && args.size() == 3) {
        QFile sourceFile(args[1]);
        if (!sourceFile.open(QIODevice::ReadOnly))
            return fail(QStringLiteral("cannot read %1").arg(args[1]));
        if (!source.parse(QString::fromUtf8(sourceFile.readAll()), error))
            return fail(QStringLiteral("%1: %2").arg(args[1], error));
    } else {
        return fail(QStringLiteral("expected a source and an output name; see --help"));
    }
    const PictureLayout layout = PictureLayout::plan(source);
    if (!layout.problems.isEmpty())
        return fail(
            QStringLiteral("%1: %2").arg(args[1], layout.problems.join(QStringLiteral("; "))));

    const QString base = args.last();
    if (!source.startImage().save(base + QStringLiteral("1.bmp"), "BMP") ||
        !source.finishedImage().save(base + QStringLiteral("2.bmp"), "BMP") ||
        !writeFile(base + QStringLiteral(".kv"), source.description(layout.numberPositions)))
        return fail(QStringLiteral("cannot write the picture files of %1").arg(base));
    return 0;
}
