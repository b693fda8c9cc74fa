#include "QtWindowSystem.h"

#include <QGuiApplication>
#include <QMessageBox>

QtWindowSystem::~QtWindowSystem()
{
    setBusyPointer(false);
}

void QtWindowSystem::setBusyPointer(bool busy)
{
    // Qt stacks override cursors; keep exactly one so that the pointer always
    // comes back.
    if (busy == m_busy)
        return;
    m_busy = busy;
    if (busy)
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QGuiApplication::restoreOverrideCursor();
}

void QtWindowSystem::showMessage(const QString& title, const QString& text)
{
    QMessageBox box(QMessageBox::Information, title, text, QMessageBox::Ok, m_owner);
    box.exec();
}
