#pragma once

#include "print/PrintService.h"

#include <QPrinter>

class QWidget;

// The system print dialog and the printer it chooses, through Qt and CUPS. The
// dialog also offers printing to a PDF file; there every copy after the first
// goes to a file of its own ("sheet-2.pdf"), since one job would overwrite
// another.
class QtPrintService : public PrintService
{
public:
    explicit QtPrintService(QWidget* owner) : m_owner(owner) {}

    std::optional<int> showPrintDialog() override;
    QPagedPaintDevice* jobDevice(int copy) override;

    QPrinter& printer() { return m_printer; }

private:
    QWidget* m_owner;
    QPrinter m_printer{QPrinter::HighResolution};
    QString m_firstFile;
};
