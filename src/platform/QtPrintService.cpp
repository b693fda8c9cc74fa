#include "QtPrintService.h"

#include <QFileInfo>
#include <QPrintDialog>

std::optional<int> QtPrintService::showPrintDialog()
{
    // The sheet is always one page; a range to choose would mean nothing.
    QPrintDialog dialog(&m_printer, m_owner);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    const int copies = std::max(1, m_printer.copyCount());
    m_printer.setCopyCount(1);
    m_firstFile = m_printer.outputFileName();
    return copies;
}

QPagedPaintDevice* QtPrintService::jobDevice(int copy)
{
    if (!m_firstFile.isEmpty()) {
        const QFileInfo first(m_firstFile);
        m_printer.setOutputFileName(
            copy == 1 ? m_firstFile
                      : first.path() + QLatin1Char('/') + first.completeBaseName() +
                            QStringLiteral("-%1.").arg(copy) + first.suffix());
    }
    return &m_printer;
}
