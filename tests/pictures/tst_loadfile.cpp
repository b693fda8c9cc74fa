// The picture chooser: its list, its two buttons, and what it hands back.

#include "PictureFolder.h"
#include "pictures/LoadFile.h"

#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {
// Runs the chooser modally and plays `moves` once it is on screen.
std::optional<QString> chooseWith(LoadFile& chooser, const std::function<void()>& moves)
{
    QTimer::singleShot(0, &chooser, moves);
    return chooser.choose();
}

void select(LoadFile& chooser, const QString& name)
{
    const auto items = chooser.files()->findItems(name, Qt::MatchExactly);
    QVERIFY(!items.isEmpty());
    QTest::mouseClick(chooser.files()->viewport(), Qt::LeftButton, {},
                      chooser.files()->visualItemRect(items.first()).center());
}

QStringList listed(const LoadFile& chooser)
{
    QStringList names;
    for (int i = 0; i < chooser.files()->count(); ++i)
        names.append(chooser.files()->item(i)->text());
    return names;
}
} // namespace

class TestLoadFile : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void hasTheLayoutOfAPlainModalChooser()
    {
        PictureFolder folder;
        LoadFile chooser;
        QCOMPARE(chooser.windowTitle(), QStringLiteral("Load Picture"));
        QCOMPARE(chooser.size(), QSize(239, 213));
        QVERIFY(!(chooser.windowFlags() & Qt::WindowCloseButtonHint));
        QCOMPARE(chooser.files()->geometry(), QRect(8, 8, 121, 188));
        QCOMPARE(chooser.okButton()->geometry(), QRect(144, 32, 81, 25));
        QCOMPARE(chooser.cancelButton()->geometry(), QRect(144, 64, 81, 25));
        QCOMPARE(chooser.okButton()->text(), QStringLiteral("OK"));
        QCOMPARE(chooser.cancelButton()->text(), QStringLiteral("Cancel"));
        for (QPushButton* button : {chooser.okButton(), chooser.cancelButton()})
            QVERIFY(!button->isDefault() && !button->autoDefault());
    }

    void listsTheDescriptionFilesOnceByBareName()
    {
        PictureFolder folder;
        for (const char* name :
             {"zebra.kv", "Apple.kv", "boat.kv", "boat1.bmp", "tune.mid", "notes.kvx"})
            folder.write(QString::fromLatin1(name), "1,2,3,4");
        LoadFile chooser;
        const QStringList expected{"Apple.kv", "boat.kv", "zebra.kv"};
        QCOMPARE(listed(chooser), expected);

        folder.write(QStringLiteral("late.kv"), "1,2,3,4");
        chooseWith(chooser, [&] { chooser.cancelButton()->click(); });
        QCOMPARE(listed(chooser), expected);
    }

    void handsBackTheSelectedNameAndKeepsIt()
    {
        PictureFolder folder;
        for (const char* name : {"a.kv", "b.kv", "c.kv"})
            folder.write(QString::fromLatin1(name), "");
        LoadFile chooser;
        auto chosen = chooseWith(chooser, [&] {
            select(chooser, QStringLiteral("b.kv"));
            chooser.okButton()->click();
        });
        QCOMPARE(chosen, std::optional<QString>(QStringLiteral("b.kv")));
        QVERIFY(!chooser.isVisible());

        chosen = chooseWith(chooser, [&] { chooser.okButton()->click(); });
        QCOMPARE(chosen, std::optional<QString>(QStringLiteral("b.kv")));
    }

    void handsBackNothingWithoutASelectionOrOnCancel()
    {
        PictureFolder folder;
        folder.write(QStringLiteral("a.kv"), "");
        LoadFile chooser;
        QCOMPARE(chooseWith(chooser, [&] { chooser.okButton()->click(); }), std::nullopt);
        auto cancelled = chooseWith(chooser, [&] {
            select(chooser, QStringLiteral("a.kv"));
            chooser.cancelButton()->click();
        });
        QCOMPARE(cancelled, std::nullopt);
    }

    void enterAndEscapeDoNotLeave()
    {
        PictureFolder folder;
        folder.write(QStringLiteral("a.kv"), "");
        LoadFile chooser;
        bool stillShown = false;
        const auto chosen = chooseWith(chooser, [&] {
            select(chooser, QStringLiteral("a.kv"));
            QTest::keyClick(chooser.files(), Qt::Key_Escape);
            QTest::keyClick(chooser.files(), Qt::Key_Return);
            QTest::keyClick(chooser.files(), Qt::Key_Enter);
            stillShown = chooser.isVisible();
            chooser.okButton()->click();
        });
        QVERIFY(stillShown);
        QCOMPARE(chosen, std::optional<QString>(QStringLiteral("a.kv")));
    }

    void aCloseRequestCountsAsCancel()
    {
        PictureFolder folder;
        folder.write(QStringLiteral("a.kv"), "");
        LoadFile chooser;
        const auto chosen = chooseWith(chooser, [&] {
            select(chooser, QStringLiteral("a.kv"));
            chooser.close();
        });
        QCOMPARE(chosen, std::nullopt);
        QVERIFY(!chooser.isVisible());
    }
};

QTEST_MAIN(TestLoadFile)
#include "tst_loadfile.moc"
