// Writes the game's icon as PNG files for the desktop's icon theme:
// FOLDER/NxN/apps/org.kelvaro.Kelvaro.png for each size.

#include "app/ButtonArt.h"

#include <QDir>
#include <QTextStream>

int main(int argc, char* argv[])
{
    if (argc != 2) {
        QTextStream(stderr) << "usage: kelvaro-icon-maker FOLDER\n";
        return 1;
    }
    const QDir root(QString::fromLocal8Bit(argv[1]));
    for (int side : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QString folder = QStringLiteral("%1x%1/apps").arg(side);
        if (!root.mkpath(folder) || !ButtonArt::paintWindowIcon(side).save(root.filePath(
                                        folder + QStringLiteral("/org.kelvaro.Kelvaro.png")))) {
            QTextStream(stderr) << "kelvaro-icon-maker: cannot write the " << side
                                << " pixel icon\n";
            return 1;
        }
    }
    return 0;
}
