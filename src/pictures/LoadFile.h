#pragma once

#include <QDialog>

#include <optional>

class QListWidget;
class QPushButton;

// "Load Picture": lists the working folder's description files once, when first
// created, and is afterwards only hidden, so the last selection is kept.
class LoadFile : public QDialog
{
    Q_OBJECT
public:
    explicit LoadFile(QWidget* parent = nullptr);

    // Shows the chooser modally; the chosen bare name, or nothing.
    std::optional<QString> choose();

    QListWidget* files() const { return m_files; }
    QPushButton* okButton() const { return m_okButton; }
    QPushButton* cancelButton() const { return m_cancelButton; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void OKButton_Click();
    void CancelButton_Click();

    QListWidget* m_files;
    QPushButton* m_okButton;
    QPushButton* m_cancelButton;
    std::optional<QString> m_result;
};
