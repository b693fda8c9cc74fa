#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class Registry;
class SystemShell;
class WindowSystem;

// "About Kelvaro": the title, the version, a link to the game's web page and a
// way to start the system information tool. Not modal, and independent of the
// main window: it deletes itself when closed.
class Info : public QDialog
{
    Q_OBJECT
public:
    struct Services
    {
        Registry& registry;
        SystemShell& shell;
        WindowSystem& windowSystem;
    };

    explicit Info(Services services);

    QLabel* hyperlink() const { return m_hyperlink; }
    QLabel* title() const { return m_title; }
    QLabel* version() const { return m_version; }
    QPushButton* okButton() const { return m_ok; }
    QPushButton* sysInfoButton() const { return m_sysInfo; }

    void Hyperlink_MouseMove();
    void Hyperlink_Click();
    void cmdSysInfo_Click();

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void Form_Load();
    void setLinkColour(QColor colour);

    Services m_services;
    QLabel* m_title;
    QLabel* m_version;
    QLabel* m_hyperlink;
    QPushButton* m_ok;
    QPushButton* m_sysInfo;
};
