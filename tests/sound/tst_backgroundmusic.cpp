// The endless random music: the list of tunes, the random choice, the chaining
// on each completed tune, and the close at unload.

#include "GameFixture.h"
#include "PictureFolder.h"

#include <QTest>

namespace {
const QStringList Opening{"Notify false", "Switches false false"};

QStringList playing(const QString& name)
{
    return {QStringLiteral("FileName ") + name, "Command Open", "Notify true", "Command Play"};
}
} // namespace

class TestBackgroundMusic : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void listsOnlyPlainMidiFiles()
    {
        PictureFolder folder;
        for (const char* name : {"b.mid", "A.MID", "c.midi", "d.mid.txt", ".hidden.mid", "e.kv"})
            folder.write(QString::fromLatin1(name), "MThd");
        QDir(folder.path()).mkdir(QStringLiteral("folder.mid"));
        GameFixture f;
        QCOMPARE(f.game.state.MusicCount, qint16(2));
        QCOMPARE(f.game.state.MusicFiles[1], QStringLiteral("A.MID"));
        QCOMPARE(f.game.state.MusicFiles[2], QStringLiteral("b.mid"));
        QVERIFY(f.game.state.MusicFiles[0].isEmpty());
        QVERIFY(f.game.state.MusicFiles[3].isEmpty());
    }

    void keepsAtMostAHundredTunes()
    {
        PictureFolder folder;
        for (int i = 0; i < 105; ++i)
            folder.write(QStringLiteral("tune%1.mid").arg(i, 3, 10, QLatin1Char('0')), "MThd");
        GameFixture f;
        QCOMPARE(f.game.state.MusicCount, qint16(100));
        QCOMPARE(f.game.state.MusicFiles[100], QStringLiteral("tune099.mid"));
    }

    void startsARandomTuneWhenTheWindowLoads()
    {
        PictureFolder folder;
        folder.write(QStringLiteral("only.mid"), "MThd");
        GameFixture f;
        QCOMPARE(f.music.calls, Opening + playing(QStringLiteral("only.mid")));
    }

    void withoutTunesItAsksForTheEmptyFirstEntry()
    {
        PictureFolder folder;
        GameFixture f;
        QCOMPARE(f.game.state.MusicCount, qint16(0));
        QCOMPARE(f.music.calls, Opening + playing(QString()));
    }

    void aCompletedTuneIsFollowedByAnother()
    {
        PictureFolder folder;
        folder.write(QStringLiteral("only.mid"), "MThd");
        GameFixture f;
        f.music.calls.clear();
        f.game.MMControl_Done(MusicControl::Successful);
        QCOMPARE(f.music.calls,
                 QStringList({"Notify false", "Command Close"}) + playing("only.mid"));
    }

    void otherReportsAreIgnored()
    {
        PictureFolder folder;
        folder.write(QStringLiteral("only.mid"), "MThd");
        GameFixture f;
        f.music.calls.clear();
        for (qint16 code : {MusicControl::Superseded, MusicControl::Aborted, MusicControl::Failure})
            f.game.MMControl_Done(code);
        QVERIFY(f.music.calls.isEmpty());
    }

    void theMusicStopsBeforeTheGoodbye()
    {
        PictureFolder folder;
        GameFixture f;
        f.music.calls.clear();
        QStringList musicDuringGoodbye;
        f.sound.whilePlayingToEnd = [&] { musicDuringGoodbye = f.music.calls; };
        f.game.Form_Unload();
        QCOMPARE(musicDuringGoodbye, QStringList{"Command Close"});
        QCOMPARE(f.sound.calls, QStringList{"sync Gameover.wav"});
    }

    void everyTuneIsChosenAboutEquallyRepeatsIncluded()
    {
        PictureFolder folder;
        for (const char* name : {"a.mid", "b.mid", "c.mid", "d.mid"})
            folder.write(QString::fromLatin1(name), "MThd");
        GameFixture f;
        QMap<QString, int> chosen;
        int repeats = 0;
        QString previous;
        for (int i = 0; i < 4000; ++i) {
            f.music.calls.clear();
            f.game.MMControl_Done(MusicControl::Successful);
            const QString name = f.music.calls[2].mid(9);
            repeats += name == previous;
            previous = name;
            ++chosen[name];
        }
        QCOMPARE(chosen.keys(), QStringList({"a.mid", "b.mid", "c.mid", "d.mid"}));
        for (int count : chosen)
            QVERIFY2(count > 850 && count < 1150, qPrintable(QString::number(count)));
        QVERIFY(repeats > 800 && repeats < 1200); // a quarter of the time
    }
};

QTEST_MAIN(TestBackgroundMusic)
#include "tst_backgroundmusic.moc"
