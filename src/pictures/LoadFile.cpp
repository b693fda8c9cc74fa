#include "LoadFile.h"

#include <QCloseEvent>
#include <QDir>
#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>

namespace {
QPushButton* makeButton(QWidget* parent, const char* name, const QString& text, int top)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(144, top, 81, 25);
    // Enter and Escape have no meaning of their own in the chooser.
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}
} // namespace

LoadFile::LoadFile(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      m_files(new QListWidget(this)), m_okButton(makeButton(this, "OKButton", tr("OK"), 32)),
      m_cancelButton(makeButton(this, "CancelButton", tr("Cancel"), 64))
{
    setObjectName(QStringLiteral("LoadFile"));
    setWindowTitle(tr("Load Picture"));
    setFixedSize(239, 213);
    setModal(true);

    m_files->setObjectName(QStringLiteral("Files"));
    m_files->setGeometry(8, 8, 121, 188);
    m_files->setSelectionMode(QAbstractItemView::SingleSelection);
    const QStringList names = QDir::current().entryList({QStringLiteral("*.kv")}, QDir::Files,
                                                        QDir::Name | QDir::IgnoreCase);
    m_files->addItems(names);
    QWidget::setTabOrder(m_files, m_okButton);
    QWidget::setTabOrder(m_okButton, m_cancelButton);

    connect(m_okButton, &QPushButton::clicked, this, &LoadFile::OKButton_Click);
    connect(m_cancelButton, &QPushButton::clicked, this, &LoadFile::CancelButton_Click);
}

std::optional<QString> LoadFile::choose()
{
    m_result.reset();
    exec();
    return m_result;
}

void LoadFile::OKButton_Click()
{
    const QList<QListWidgetItem*> selected = m_files->selectedItems();
    if (selected.isEmpty())
        m_result.reset();
    else
        m_result = selected.first()->text();
    hide();
}

void LoadFile::CancelButton_Click()
{
    m_result.reset();
    hide();
}

void LoadFile::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        event->accept();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

void LoadFile::closeEvent(QCloseEvent* event)
{
    // There is no close box, but a window manager may still ask: leave as Cancel.
    event->ignore();
    CancelButton_Click();
}
