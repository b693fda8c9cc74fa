// The picture library and the picture maker's checks: every shipped picture is
// fit to play, opens in the game, completes with "a", and colours area by area
// without leaking.

#include "GameFixture.h"
#include "PictureLayout.h"
#include "PictureSource.h"

#include <QDirIterator>
#include <QTest>

namespace {
QStringList pictureSources()
{
    QStringList sources;
    QDirIterator it(QStringLiteral(KELVARO_PICTURE_SOURCES), {QStringLiteral("*.dots")},
                    QDir::Files);
    while (it.hasNext())
        sources.append(it.next());
    sources.sort();
    return sources;
}

PictureSource parsed(const QString& text)
{
    PictureSource source;
    QString error;
    source.parse(text, error);
    return source;
}

PictureSource parsedFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? parsed(QString::fromUtf8(file.readAll()))
                                          : PictureSource();
}

bool touchesEdge(const QImage& image, QRgb colour)
{
    for (int x = 0; x < image.width(); ++x)
        if (image.pixel(x, 0) == colour || image.pixel(x, image.height() - 1) == colour)
            return true;
    for (int y = 0; y < image.height(); ++y)
        if (image.pixel(0, y) == colour || image.pixel(image.width() - 1, y) == colour)
            return true;
    return false;
}
} // namespace

class TestPictures : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void theLibraryRunsFromEasyToHard()
    {
        const QStringList sources = pictureSources();
        QVERIFY(sources.size() >= 12);
        int fewest = 100;
        int most = 0;
        for (const QString& path : sources) {
            const PictureSource source = parsedFile(path);
            QVERIFY2(!source.outline.isEmpty() && !source.areas.isEmpty(), qPrintable(path));
            fewest = std::min(fewest, int(source.outline.size()));
            most = std::max(most, int(source.outline.size()));
            const PictureLayout layout = PictureLayout::plan(source);
            QVERIFY2(layout.problems.isEmpty(),
                     qPrintable(path + layout.problems.join(QLatin1Char(';'))));
        }
        QVERIFY(fewest <= 12);
        QVERIFY(most >= 80 && most <= 99);
    }

    void everyPictureCompletesAndColoursAreaByArea()
    {
        const QString before = QDir::currentPath();
        QDir::setCurrent(qEnvironmentVariable("KELVARO_DATA_DIR"));
        const QRgb fill = qRgb(0, 192, 0);
        for (const QString& path : pictureSources()) {
            const QString name = QFileInfo(path).completeBaseName() + QStringLiteral(".kv");
            GameFixture f;
            f.open(name);
            QVERIFY2(f.windowSystem.messages.isEmpty(), qPrintable(name));
            QCOMPARE(f.game.state.dotCount(), int(parsedFile(path).outline.size()));
            f.joinAll();
            QCOMPARE(f.game.state.mode(), GameState::Mode::Colouring);
            f.view.colour = QColor(fill);
            for (const QPoint& area : parsedFile(path).areas) {
                f.release(area.x(), area.y());
                QCOMPARE(f.image().pixel(area), fill);
                QVERIFY2(!touchesEdge(f.image(), fill), qPrintable(name));
            }
        }
        QDir::setCurrent(before);
    }

    void crowdedNumbersAreRefused()
    {
        // Dots closer together than any number can sit between.
        QString outline = QStringLiteral("outline");
        for (int x = 100; x < 400; x += 6)
            outline += QStringLiteral(" %1,100 %1,104").arg(x);
        const PictureLayout layout = PictureLayout::plan(parsed(outline));
        QVERIFY(!layout.problems.isEmpty());
        QVERIFY(layout.problems.first().contains(QStringLiteral("no room for the number")));
    }

    void openAreasAreRefused()
    {
        const PictureSource gap =
            parsed(QStringLiteral("outline 100,100 300,100 300,250 100,250\narea 200,180 "
                                  "20,20\ndetail 120,50 120,300\n"));
        const PictureLayout layout = PictureLayout::plan(gap);
        QCOMPARE(layout.problems.size(), 1);
        QVERIFY(layout.problems.first().contains(QStringLiteral("around 20,20 is not closed")));

        const PictureSource onBlack =
            parsed(QStringLiteral("outline 100,100 300,100 300,250\narea 200,100\n"));
        QVERIFY(PictureLayout::plan(onBlack).problems.first().contains(
            QStringLiteral("not inside an area")));
    }

    void badSourcesAreRefusedWithTheirLine()
    {
        PictureSource source;
        QString error;
        QVERIFY(!source.parse(QStringLiteral("outline 1,2 3,4\nsquiggle 5,6\n"), error));
        QVERIFY(error.contains(QStringLiteral("line 2")));
        QString hundred = QStringLiteral("outline");
        for (int i = 0; i < 100; ++i)
            hundred += QStringLiteral(" %1,%2").arg(i * 4).arg(i * 3 % 300);
        QVERIFY(!PictureSource().parse(hundred, error));
        QVERIFY(error.contains(QStringLiteral("at most 99")));
    }
};

QTEST_MAIN(TestPictures)
#include "tst_pictures.moc"
