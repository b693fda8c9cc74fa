// The system print dialog under the offscreen platform, where it offers only
// printing to a PDF file.

#include "platform/QtPrintService.h"

#include <QApplication>
#include <QPrintDialog>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {
// Answers the print dialog once it is up.
void answerDialog(bool accept)
{
    QTimer::singleShot(0, [accept] {
        auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        if (accept)
            dialog->accept();
        else
            dialog->reject();
    });
}
} // namespace

class TestQtPrintService : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void cancelGivesNoCopies()
    {
        QtPrintService service(nullptr);
        answerDialog(false);
        QCOMPARE(service.showPrintDialog(), std::nullopt);
    }

    void everyCopyToAFileGetsAFileOfItsOwn()
    {
        QTemporaryDir dir;
        QtPrintService service(nullptr);
        service.printer().setOutputFormat(QPrinter::PdfFormat);
        service.printer().setOutputFileName(dir.filePath(QStringLiteral("sheet.pdf")));
        service.printer().setCopyCount(3);
        answerDialog(true);
        const std::optional<int> copies = service.showPrintDialog();
        QVERIFY(copies && *copies >= 1);
        QCOMPARE(service.printer().copyCount(), 1);
        QCOMPARE(static_cast<QPrinter*>(service.jobDevice(1))->outputFileName(),
                 dir.filePath(QStringLiteral("sheet.pdf")));
        QCOMPARE(static_cast<QPrinter*>(service.jobDevice(2))->outputFileName(),
                 dir.filePath(QStringLiteral("sheet-2.pdf")));
    }
};

QTEST_MAIN(TestQtPrintService)
#include "tst_qtprintservice.moc"
