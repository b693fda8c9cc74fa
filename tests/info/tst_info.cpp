// The information window: its contents, the link, its buttons and keys.

#include "Fakes.h"
#include "info/Info.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>

namespace {
struct Window
{
    FakeRegistry registry;
    RecordingShell shell;
    RecordingWindowSystem windows;
    QPointer<Info> info = new Info({registry, shell, windows});
    ~Window() { delete info; }
};

QColor linkColour(const Info& info)
{
    return info.hyperlink()->palette().color(QPalette::WindowText);
}

void moveOver(QWidget* widget)
{
    QMouseEvent move(QEvent::MouseMove, QPointF(2, 2), widget->mapToGlobal(QPointF(2, 2)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}
} // namespace

class TestInfo : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void showsTitleVersionAndLayout()
    {
        Window w;
        QCOMPARE(w.info->windowTitle(), QStringLiteral("About Kelvaro"));
        QCOMPARE(w.info->size(), QSize(278, 270));
        QVERIFY(w.info->windowFlags() & Qt::WindowCloseButtonHint);
        QVERIFY(!(w.info->windowFlags() & Qt::WindowMinimizeButtonHint));
        QCOMPARE(w.info->title()->text(), QStringLiteral("Kelvaro"));
        QCOMPARE(w.info->version()->text(), QStringLiteral("Version 2.0.0"));
        QCOMPARE(w.info->title()->geometry(), QRect(8, 8, 259, 16));
        QCOMPARE(w.info->version()->geometry(), QRect(8, 32, 259, 16));
        QCOMPARE(w.info->hyperlink()->text(), QStringLiteral("Kelvaro Website"));
        QCOMPARE(w.info->okButton()->geometry(), QRect(187, 167, 84, 23));
        QCOMPARE(w.info->sysInfoButton()->geometry(), QRect(188, 197, 83, 23));
        QCOMPARE(w.info->sysInfoButton()->text(), QStringLiteral("&System Info..."));
        QVERIFY(w.info->okButton()->isDefault());
        QCOMPARE(w.info->hyperlink()->cursor().shape(), Qt::PointingHandCursor);
        QVERIFY(!w.info->isModal());
    }

    void theLinkTurnsRedOverItselfAndBlueOverTheBareWindow()
    {
        Window w;
        w.info->show();
        QCOMPARE(linkColour(*w.info), QColor(0, 0, 255));
        moveOver(w.info->hyperlink());
        QCOMPARE(linkColour(*w.info), QColor(255, 0, 0));
        // Over another label or a button it stays red.
        moveOver(w.info->title());
        moveOver(w.info->okButton());
        QCOMPARE(linkColour(*w.info), QColor(255, 0, 0));
        moveOver(w.info);
        QCOMPARE(linkColour(*w.info), QColor(0, 0, 255));
    }

    void theLinkOpensTheWebPage()
    {
        Window w;
        w.info->show();
        QTest::mouseClick(w.info->hyperlink(), Qt::LeftButton);
        QCOMPARE(w.shell.pages, QStringList{"https://kelvaro.org/"});
    }

    void systemInfoRunsTheTool()
    {
        Window w;
        w.info->show();
        QTest::mouseClick(w.info->sysInfoButton(), Qt::LeftButton);
        QCOMPARE(w.windows.messages.size(), 1);
    }

    void okEscapeAndEnterCloseTheWindowForGood_data()
    {
        QTest::addColumn<int>("how");
        QTest::newRow("OK") << 0;
        QTest::newRow("Escape") << 1;
        QTest::newRow("Enter") << 2;
    }
    void okEscapeAndEnterCloseTheWindowForGood()
    {
        QFETCH(int, how);
        Window w;
        w.info->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.info));
        if (how == 0)
            w.info->okButton()->click();
        else
            QTest::keyClick(w.info->okButton(), how == 1 ? Qt::Key_Escape : Qt::Key_Return);
        QTRY_VERIFY(w.info.isNull());
    }

    void enterOnSystemInfoPressesIt()
    {
        Window w;
        w.info->show();
        w.info->sysInfoButton()->setFocus();
        QTest::keyClick(w.info->sysInfoButton(), Qt::Key_Return);
        QCOMPARE(w.windows.messages.size(), 1);
        QVERIFY(!w.info.isNull());
    }
};

QTEST_MAIN(TestInfo)
#include "tst_info.moc"
