// Writes the game's eight sound effects into a folder.

#include "Effects.h"

#include <QDir>
#include <QFile>
#include <QTextStream>

int main(int argc, char* argv[])
{
    if (argc != 2) {
        QTextStream(stderr) << "usage: kelvaro-sound-maker FOLDER\n";
        return 1;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    for (const SoundEffect& effect : soundEffects()) {
        QFile file(folder.filePath(QString::fromLatin1(effect.name)));
        if (!file.open(QIODevice::WriteOnly) || file.write(effect.wave) != effect.wave.size()) {
            QTextStream(stderr) << "kelvaro-sound-maker: cannot write " << file.fileName() << '\n';
            return 1;
        }
    }
    return 0;
}
