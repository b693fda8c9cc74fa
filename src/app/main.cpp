#include "Main.h"
#include "app/Version.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(Version::ApplicationTitle));
    QApplication::setApplicationVersion(
        QStringLiteral("%1.%2.%3").arg(Version::Major).arg(Version::Minor).arg(Version::Revision));
    QApplication::setDesktopFileName(QStringLiteral("org.kelvaro.Kelvaro"));

    Main window;
    window.show();
    return app.exec();
}
