// Printing the dot-to-dot sheet into real PDF files, read back as pictures.

#include "GameFixture.h"
#include "PictureFolder.h"

#include <QProcess>
#include <QTest>

namespace {
const QRgb Yellow = qRgb(255, 255, 160);
const QRgb Green = qRgb(160, 255, 160);
const QByteArray ThreeDots("100,50,112,40\n300,200,312,190\n60,300,72,290\n");
// pdftoppm at 72 dots an inch: letter paper is 612 x 792 pixels for 765 x 1025 units.
constexpr double ScaleX = 612.0 / 765.0;
constexpr double ScaleY = 792.0 / 1025.0;

// The pages of a PDF file as images, one per page.
QList<QImage> pages(const QString& pdf)
{
    QTemporaryDir dir;
    QProcess::execute(QStringLiteral("pdftoppm"),
                      {QStringLiteral("-r"), QStringLiteral("72"), QStringLiteral("-png"), pdf,
                       dir.filePath(QStringLiteral("page"))});
    QList<QImage> images;
    for (const QString& name :
         QDir(dir.path()).entryList({QStringLiteral("*.png")}, QDir::Files, QDir::Name))
        images.append(QImage(dir.filePath(name)).convertToFormat(QImage::Format_RGB32));
    return images;
}

QRgb at(const QImage& page, double x, double y)
{
    return page.pixel(int(x * ScaleX), int(y * ScaleY));
}

// PDF rendering may move a colour by a step or two.
bool near(QRgb pixel, QRgb colour)
{
    return std::abs(qRed(pixel) - qRed(colour)) <= 3 &&
           std::abs(qGreen(pixel) - qGreen(colour)) <= 3 &&
           std::abs(qBlue(pixel) - qBlue(colour)) <= 3;
}

bool reddish(QRgb pixel)
{
    return qRed(pixel) > 200 && qGreen(pixel) < 90 && qBlue(pixel) < 90;
}

bool hasDarkPixelNear(const QImage& page, double x, double y)
{
    for (int dy = 0; dy < 12; ++dy)
        for (int dx = 0; dx < 24; ++dx) {
            const QRgb p = page.pixel(int(x * ScaleX) + dx, int(y * ScaleY) + dy);
            if (qRed(p) < 100 && qGreen(p) < 100 && qBlue(p) < 100)
                return true;
        }
    return false;
}

struct Printing : GameFixture
{
    PictureFolder folder;
    Printing()
    {
        folder.writePicture(QStringLiteral("p"), ThreeDots, Yellow, Green);
        open(QStringLiteral("p.kv"));
        sound.calls.clear();
    }
};
} // namespace

class TestPrintCommand : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void everyCopyIsAOnePageJobWithTheDotsAndNumbers()
    {
        Printing f;
        f.release(100, 50); // joined dots and lines are not printed
        f.sound.calls.clear();
        f.printer.copies = 3;
        f.game.PrintCommand_Click();
        QCOMPARE(f.sound.calls, QStringList{"start Boing.wav"});
        QCOMPARE(f.printer.jobs.size(), size_t(3));
        for (int copy = 1; copy <= 3; ++copy) {
            const QList<QImage> sheet = pages(f.printer.file(copy));
            QCOMPARE(sheet.size(), 1);
            const QImage& page = sheet.first();
            for (int k = 1; k <= 3; ++k) {
                const auto& s = f.game.state;
                QVERIFY2(reddish(at(page, s.DotX[k], s.DotY[k])), qPrintable(QString::number(k)));
                QVERIFY(hasDarkPixelNear(page, s.NumberX[k], s.NumberY[k]));
            }
            // The start image at its natural size, from the page's top-left corner.
            QVERIFY(near(at(page, 480, 330), Yellow));
            QVERIFY(near(at(page, 20, 20), Yellow));
            QVERIFY(near(at(page, 500, 330), qRgb(255, 255, 255)));
            QVERIFY(near(at(page, 480, 360), qRgb(255, 255, 255)));
        }
    }

    void aColouredPictureIsPrintedFinishedButUncoloured()
    {
        Printing f;
        f.joinAll();
        f.view.colour = QColor(0, 0, 255);
        f.release(400, 100);
        f.printer.copies = 1;
        f.game.PrintCommand_Click();
        const QImage page = pages(f.printer.file(1)).first();
        QVERIFY(near(at(page, 400, 100), Green));
        QVERIFY(reddish(at(page, 300, 200)));
    }

    void nothingIsPrintedOnCancelOrBeforeAnyPicture()
    {
        Printing cancelled;
        cancelled.printer.copies.reset();
        cancelled.game.PrintCommand_Click();
        QCOMPARE(cancelled.sound.calls, QStringList{"start Boing.wav"});
        QCOMPARE(cancelled.printer.dialogsShown, 1);
        QVERIFY(cancelled.printer.jobs.empty());

        GameFixture empty;
        empty.printer.copies = 2;
        empty.game.PrintCommand_Click();
        QCOMPARE(empty.printer.dialogsShown, 1);
        QVERIFY(empty.printer.jobs.empty());
        QVERIFY(empty.windowSystem.messages.isEmpty());
    }

    void printingChangesNothingInTheGame()
    {
        Printing f;
        f.release(100, 50);
        const GameState before = f.game.state;
        const QImage surface = f.image();
        f.printer.copies = 1;
        f.game.PrintCommand_Click();
        QVERIFY(f.game.state == before);
        QCOMPARE(f.image(), surface);
    }
};

QTEST_MAIN(TestPrintCommand)
#include "tst_printcommand.moc"
