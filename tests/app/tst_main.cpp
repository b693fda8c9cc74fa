// The main window as a player meets it: layout, buttons, colour bar, the
// chooser's life and the ways of closing.

#include "MainFixture.h"
#include "PictureFolder.h"
#include "app/ButtonArt.h"
#include "app/ColourFrame.h"
#include "app/Main.h"
#include "app/PictureAreaWidget.h"
#include "pictures/LoadFile.h"
#include "platform/EventThreadHold.h"

#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWindow>

namespace {
using Window = MainFixture;

QWidget* child(Main& window, const char* name)
{
    return window.findChild<QWidget*>(QLatin1String(name));
}

// Presses "Open New Picture" and plays `moves` in the chooser once it is shown.
void openWith(Main& window, const std::function<void(LoadFile&)>& moves)
{
    QTimer::singleShot(0, &window, [&window, moves] { moves(*window.loadFile()); });
    qobject_cast<QPushButton*>(child(window, "OpenCommand"))->click();
}

void pickFirstAndOk(LoadFile& chooser)
{
    chooser.files()->setCurrentRow(0);
    chooser.okButton()->click();
}
} // namespace

class TestMain : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void isAFixedWindowWithTitleAndIcon()
    {
        Window fixture;
        Main& window = fixture.main;
        QCOMPARE(window.windowTitle(), QStringLiteral("Kelvaro"));
        QCOMPARE(window.size(), QSize(559, 421));
        QCOMPARE(window.minimumSize(), window.maximumSize());
        QVERIFY(window.windowFlags() & Qt::WindowMinimizeButtonHint);
        QVERIFY(window.windowFlags() & Qt::WindowCloseButtonHint);
        QVERIFY(!(window.windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(!window.windowIcon().isNull());
    }

    void controlsSitWhereTheyBelong_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<QString>("tooltip");
        QTest::addColumn<QSize>("picture");
        QTest::newRow("open") << "OpenCommand" << QRect(3, 8, 57, 57) << "Open New Picture"
                              << QSize(23, 31);
        QTest::newRow("help") << "HelpCommand" << QRect(3, 80, 57, 57) << "Show Next Dot"
                              << QSize(21, 32);
        QTest::newRow("print") << "PrintCommand" << QRect(3, 152, 57, 57) << "Print Current Picture"
                               << QSize(32, 26);
        QTest::newRow("info") << "InfoCommand" << QRect(3, 296, 57, 57) << "Information"
                              << QSize(35, 35);
        QTest::newRow("stop") << "StopCommand" << QRect(3, 360, 57, 57) << "Exit Kelvaro"
                              << QSize(35, 35);
        QTest::newRow("surface") << "PictureArea" << QRect(64, 8, 489, 345) << "" << QSize();
        QTest::newRow("colour bar") << "ColourFrame" << QRect(80, 360, 449, 57) << "" << QSize();
    }
    void controlsSitWhereTheyBelong()
    {
        QFETCH(QString, name);
        QFETCH(QRect, geometry);
        QFETCH(QString, tooltip);
        QFETCH(QSize, picture);
        Window fixture;
        Main& window = fixture.main;
        QWidget* control = child(window, qPrintable(name));
        QVERIFY(control);
        QCOMPARE(control->geometry(), geometry);
        QCOMPARE(control->toolTip(), tooltip);
        if (auto* button = qobject_cast<QPushButton*>(control)) {
            QVERIFY(button->isEnabled());
            QVERIFY(button->text().isEmpty());
            QCOMPARE(button->iconSize(), picture);
        }
    }

    void buttonPicturesAreTransparentWhereMagenta()
    {
        using ButtonArt::Picture;
        for (Picture picture :
             {Picture::Open, Picture::Help, Picture::Print, Picture::Info, Picture::Stop}) {
            const QImage painted = ButtonArt::paint(picture);
            QCOMPARE(painted.size(), ButtonArt::size(picture));
            QCOMPARE(painted.pixel(0, 0), ButtonArt::Transparent);
            const QImage shown =
                ButtonArt::icon(picture).pixmap(ButtonArt::size(picture)).toImage();
            QCOMPARE(qAlpha(shown.pixel(0, 0)), 0);
            const QPoint middle(painted.width() / 2, painted.height() / 2);
            QVERIFY(painted.pixel(middle) != ButtonArt::Transparent);
            QCOMPARE(qAlpha(shown.pixel(middle)), 255);
        }
    }

    void tabOrderRunsDownTheCommandsThenAcross()
    {
        Window fixture;
        Main& window = fixture.main;
        const QStringList expected{
            "OpenCommand",  "HelpCommand", "PrintCommand",     "InfoCommand", "StopCommand",
            "PictureArea",  "BlueOption",  "DarkGreenOption",  "RedOption",   "YellowOption",
            "OrangeOption", "CyanOption",  "LightGreenOption", "PinkOption",  "BrownOption",
            "GreyOption",   "WhiteOption"};
        QStringList order;
        QWidget* widget = child(window, "OpenCommand");
        for (int i = 0; i < expected.size(); ++i, widget = widget->nextInFocusChain()) {
            while (widget->focusPolicy() == Qt::NoFocus)
                widget = widget->nextInFocusChain();
            order.append(widget->objectName());
        }
        QCOMPARE(order, expected);
    }

    void colourBarIsHiddenWithBlueChosen()
    {
        Window fixture;
        Main& window = fixture.main;
        window.show();
        QVERIFY(!window.colourFrame()->isVisible());
        QCOMPARE(window.colourFrame()->selectedColour(), QColor(0, 0, 255));
        const auto options = window.colourFrame()->options();
        QCOMPARE(options.size(), 11);
        for (int k = 0; k < options.size(); ++k) {
            QCOMPARE(options[k]->geometry(), QRect(8 + 40 * k, 16, 33, 33));
            QVERIFY(options[k]->text().isEmpty());
        }
    }

    void choosingAColourReleasesTheOtherOne()
    {
        Window fixture;
        Main& window = fixture.main;
        const auto options = window.colourFrame()->options();
        options[3]->click();
        QCOMPARE(window.colourFrame()->selectedColour(), QColor(255, 255, 0));
        options[10]->click();
        QCOMPARE(window.colourFrame()->selectedColour(), QColor(255, 255, 255));
        int down = 0;
        for (QAbstractButton* option : options)
            down += option->isChecked();
        QCOMPARE(down, 1);
        options[10]->click();
        QVERIFY(options[10]->isChecked());
    }

    void startsWithNoPicture()
    {
        Window fixture;
        Main& window = fixture.main;
        QCOMPARE(window.game().state.mode(), GameState::Mode::NoPicture);
        QCOMPARE(window.game().state.NextDot, qint16(-1));
        QCOMPARE(window.game().state.DotX, GameState::DotColumn{});
        const QImage before = window.game().PictureArea.image();
        QTest::mouseClick(window.pictureArea(), Qt::LeftButton, {}, QPoint(100, 100));
        QCOMPARE(window.game().PictureArea.image(), before);
        QCOMPARE(window.game().state.mode(), GameState::Mode::NoPicture);
    }

    void theChooserIsMadeOnceAndKeepsItsSelection()
    {
        PictureFolder folder;
        folder.writePicture(QStringLiteral("alpha"), "10,10,20,20\n");
        folder.writePicture(QStringLiteral("beta"), "30,30,40,40\n50,50,60,60\n");
        Window fixture;
        Main& window = fixture.main;
        window.show();
        QVERIFY(!window.loadFile());

        openWith(window, [](LoadFile& chooser) {
            chooser.files()->setCurrentRow(1);
            chooser.okButton()->click();
        });
        LoadFile* first = window.loadFile();
        QVERIFY(first);
        QCOMPARE(window.game().globals.SelectedPicture, QStringLiteral("beta.kv"));
        window.game().state.NextDot = 2;

        openWith(window, [](LoadFile& chooser) { chooser.okButton()->click(); });
        QCOMPARE(window.loadFile(), first);
        QCOMPARE(window.game().state.NextDot, qint16(1));
        QCOMPARE(window.game().globals.SelectedPicture, QStringLiteral("beta.kv"));

        openWith(window, [](LoadFile& chooser) { chooser.cancelButton()->click(); });
        QCOMPARE(window.game().globals.SelectedPicture, QStringLiteral("beta.kv"));
        QCOMPARE(fixture.sound.calls, QStringList(3, QStringLiteral("start Boing.wav")));
    }

    void theChosenColourCarriesOverToTheNextPicture()
    {
        PictureFolder folder;
        folder.writePicture(QStringLiteral("alpha"), "10,10,20,20\n");
        Window fixture;
        Main& window = fixture.main;
        window.show();
        Game& game = window.game();
        auto playThrough = [&] {
            openWith(window, pickFirstAndOk);
            qint16 a = 'a';
            game.PictureArea_KeyPress(a);
            QVERIFY(window.colourFrame()->isVisible());
        };
        playThrough();
        window.colourFrame()->options()[3]->click(); // yellow
        game.PictureArea_MouseUp(1, 0, 100, 100);
        QCOMPARE(game.PictureArea.image().pixel(100, 100), qRgb(255, 255, 0));

        playThrough();
        QVERIFY(window.colourFrame()->options()[3]->isChecked());
        game.PictureArea_MouseUp(1, 0, 100, 100);
        QCOMPARE(game.PictureArea.image().pixel(100, 100), qRgb(255, 255, 0));
        openWith(window, pickFirstAndOk);
        QVERIFY(!window.colourFrame()->isVisible());
    }

    void aTuneThatEndsDuringAHandlerIsFollowedOnlyAfterIt()
    {
        PictureFolder folder;
        folder.write(QStringLiteral("tune.mid"), "MThd");
        Window fixture;
        fixture.music.calls.clear();
        // The player reports from a timer, as the real one does.
        QTimer::singleShot(1, &fixture.main, [&] { fixture.music.done(MusicControl::Successful); });
        fixture.hold.sleep(50);
        QVERIFY(fixture.music.calls.isEmpty());
        QTRY_VERIFY(fixture.music.calls.contains(QStringLiteral("Command Play")));
    }

    void oneInformationWindowThatOutlivesTheGame()
    {
        auto fixture = std::make_unique<Window>();
        Main& window = fixture->main;
        window.show();
        window.InfoCommand_Click();
        QPointer<Info> info = window.info();
        QVERIFY(info && info->isVisible());
        window.InfoCommand_Click();
        QCOMPARE(window.info(), info.data());
        int informationWindows = 0;
        for (QWidget* widget : QApplication::topLevelWidgets())
            informationWindows += qobject_cast<Info*>(widget) != nullptr;
        QCOMPARE(informationWindows, 1);

        // A primary window that keeps the program running on its own: the game
        // can close while it stays (the end-to-end tests see the program end
        // only when both are closed).
        QVERIFY(info->testAttribute(Qt::WA_QuitOnClose));
        QVERIFY(!info->windowHandle()->transientParent());
        QVERIFY(!info->parentWidget());
        window.close();
        QVERIFY(info->isVisible());
        info->close();
        QTRY_VERIFY(info.isNull());
    }

    void theSurfaceReportsReleasesInItsOwnPixels()
    {
        PictureFolder folder;
        folder.writePicture(QStringLiteral("alpha"), "10,10,20,20\n");
        Window fixture;
        Main& window = fixture.main;
        window.show();
        openWith(window, pickFirstAndOk);
        QList<QPointF> releases;
        connect(window.pictureArea(), &PictureAreaWidget::MouseUp, this,
                [&](qint16, qint16, float x, float y) { releases.append(QPointF(x, y)); });
        QTest::mouseClick(window.pictureArea(), Qt::RightButton, {}, QPoint(12, 7));
        QCOMPARE(releases, QList<QPointF>{QPointF(10, 5)});
    }

    void stopCommandAndCloseBoxBothPlayTheGoodbyeThenClose()
    {
        for (bool byButton : {true, false}) {
            Window fixture;
            Main& window = fixture.main;
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            fixture.music.calls.clear();
            bool shownDuringGoodbye = false;
            QStringList musicBeforeGoodbye;
            fixture.sound.whilePlayingToEnd = [&] {
                shownDuringGoodbye = window.isVisible();
                musicBeforeGoodbye = fixture.music.calls;
            };
            if (byButton)
                qobject_cast<QPushButton*>(child(window, "StopCommand"))->click();
            else
                window.close();
            QVERIFY(!window.isVisible());
            QVERIFY(shownDuringGoodbye);
            QCOMPARE(musicBeforeGoodbye, QStringList{"Command Close"});
            QCOMPARE(fixture.sound.calls, QStringList{"sync Gameover.wav"});
        }
    }

    void aCloseDuringAHoldWaitsForIt()
    {
        Window fixture;
        Main& window = fixture.main;
        window.show();
        bool closedDuringHold = true;
        fixture.hold.holdUntil(
            [&] {
                window.close();
                closedDuringHold = !window.isVisible();
                return true;
            },
            std::chrono::milliseconds(50));
        QVERIFY(!closedDuringHold);
        QVERIFY(!window.isVisible());
        QCOMPARE(fixture.sound.calls, QStringList{"sync Gameover.wav"});
    }
};

QTEST_MAIN(TestMain)
#include "tst_main.moc"
