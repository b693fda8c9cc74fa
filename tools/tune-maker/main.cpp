// Turns a tune source into a Standard MIDI File for the game's music.

#include "Tune.h"

#include <QFile>
#include <QTextStream>

int main(int argc, char* argv[])
{
    if (argc != 3) {
        QTextStream(stderr) << "usage: kelvaro-tune-maker SOURCE.tune OUTPUT.mid\n";
        return 1;
    }
    QFile source(QString::fromLocal8Bit(argv[1]));
    Tune tune;
    QString error;
    if (!source.open(QIODevice::ReadOnly) ||
        !tune.parse(QString::fromUtf8(source.readAll()), error)) {
        QTextStream(stderr) << "kelvaro-tune-maker: " << argv[1] << ": "
                            << (error.isEmpty() ? QStringLiteral("cannot read") : error) << '\n';
        return 1;
    }
    QFile output(QString::fromLocal8Bit(argv[2]));
    const QByteArray midi = tune.midi();
    if (!output.open(QIODevice::WriteOnly) || output.write(midi) != midi.size()) {
        QTextStream(stderr) << "kelvaro-tune-maker: cannot write " << argv[2] << '\n';
        return 1;
    }
    return 0;
}
