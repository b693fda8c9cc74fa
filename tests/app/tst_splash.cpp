// The start-up window, its artwork, the version text and the development folder.

#include "Fakes.h"
#include "app/DevelopmentFolder.h"
#include "app/Splash.h"
#include "app/SplashArt.h"
#include "app/Version.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

class TestSplash : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void theVersionTextComesFromTheVersionRecord()
    {
        QCOMPARE(Version::text(), QStringLiteral("Version 2.0.0"));
        QCOMPARE(Version::text(2, 0, 12), QStringLiteral("Version 2.0.12"));
    }

    void hasItsLayoutAndNoCloseBox()
    {
        RecordingWavePlayer sound;
        Splash splash(sound);
        QCOMPARE(splash.windowTitle(), QStringLiteral("Kelvaro"));
        QCOMPARE(splash.size(), QSize(287, 334));
        QVERIFY(!(splash.windowFlags() & Qt::WindowCloseButtonHint));
        QVERIFY(!(splash.windowFlags() & Qt::WindowSystemMenuHint));
        QCOMPARE(splash.image()->geometry(), QRect(6, 0, 274, 229));
        QCOMPARE(splash.versionLabel()->geometry(), QRect(16, 72, 113, 17));
        QCOMPARE(splash.versionLabel()->text(), QStringLiteral("Version 2.0.0"));
        QCOMPARE(splash.exitCommand()->geometry(), QRect(71, 280, 145, 49));
        QCOMPARE(splash.exitCommand()->text(), QStringLiteral("Let's Play!"));
        QCOMPARE(sound.calls, QStringList{"start Startup.wav"});
    }

    void theArtworkHasSixteenColours()
    {
        const QImage art = SplashArt::paint();
        QCOMPARE(art.size(), QSize(270, 225));
        QCOMPARE(art.format(), QImage::Format_Indexed8);
        QCOMPARE(art.colorCount(), 16);
        QSet<int> used;
        for (int y = 0; y < art.height(); ++y)
            for (int x = 0; x < art.width(); ++x)
                used.insert(art.pixelIndex(x, y));
        QVERIFY(used.size() >= 6);
    }

    void theButtonAppearsOnceTheWindowIsActive()
    {
        RecordingWavePlayer sound;
        Splash splash(sound);
        QVERIFY(splash.exitCommand()->isHidden());
        splash.show();
        splash.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&splash));
        QTRY_VERIFY(splash.exitCommand()->isVisible());
    }

    void aCloseRequestIsRefused()
    {
        RecordingWavePlayer sound;
        Splash splash(sound);
        splash.show();
        QVERIFY(!splash.close());
        QVERIFY(splash.isVisible());
    }

    void letsPlayHidesItselfThenLeavesOnceTheGameHasLoaded()
    {
        RecordingWavePlayer sound;
        QPointer<Splash> splash = new Splash(sound);
        splash->show();
        bool hiddenWhenPlayStarts = false;
        connect(splash, &Splash::play, this, [&] { hiddenWhenPlayStarts = !splash->isVisible(); });
        splash->exitCommand()->show();
        splash->exitCommand()->click();
        QVERIFY(hiddenWhenPlayStarts);
        QCOMPARE(sound.calls, QStringList({"start Startup.wav", "start Boing.wav"}));
        QVERIFY(!splash.isNull()); // still there while the game loads
        QTRY_VERIFY(splash.isNull());
    }

    void theDevelopmentFolderIsForFoldersEndingInVb98_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<bool>("development");
        QTest::newRow("vb98") << "/home/ann/vb98" << true;
        QTest::newRow("VB98") << "/home/ann/VB98" << true;
        QTest::newRow("Vb98") << "C:/Program Files/DevStudio/Vb98" << true;
        QTest::newRow("vb98 inside") << "/home/ann/vb98/games" << false;
        QTest::newRow("vb9") << "/home/ann/vb9" << false;
        QTest::newRow("xvb98") << "/xvb98" << true;
        QTest::newRow("empty") << "" << false;
    }
    void theDevelopmentFolderIsForFoldersEndingInVb98()
    {
        QFETCH(QString, folder);
        QFETCH(bool, development);
        QCOMPARE(DevelopmentFolder::isDevelopmentStart(folder), development);
    }

    void theGameMovesToAnExistingDevelopmentFolderOnly()
    {
        const QString before = QDir::currentPath();
        QTemporaryDir root;
        QDir(root.path()).mkpath(QStringLiteral("VB98"));
        QDir(root.path()).mkpath(QStringLiteral("data"));
        const QString start = QDir(root.filePath(QStringLiteral("VB98"))).canonicalPath();
        const QString data = QDir(root.filePath(QStringLiteral("data"))).canonicalPath();

        QDir::setCurrent(start);
        QVERIFY(!DevelopmentFolder::apply(QString()));
        QVERIFY(!DevelopmentFolder::apply(root.filePath(QStringLiteral("missing"))));
        QCOMPARE(QDir::currentPath(), start);
        QVERIFY(DevelopmentFolder::apply(data));
        QCOMPARE(QDir::currentPath(), data);
        // From any other folder the game stays where it was started.
        QVERIFY(!DevelopmentFolder::apply(start));
        QCOMPARE(QDir::currentPath(), data);
        QDir::setCurrent(before);
    }
};

QTEST_MAIN(TestSplash)
#include "tst_splash.moc"
