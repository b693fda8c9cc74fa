#pragma once

#include <QWidget>

class QLabel;
class QPushButton;
class WavePlayer;

// The start-up window: the game's picture, its version and one way on, the
// "Let's Play!" button, which appears once the window is active.
class Splash : public QWidget
{
    Q_OBJECT
public:
    explicit Splash(WavePlayer& sound, QWidget* parent = nullptr);

    QPushButton* exitCommand() const { return m_exitCommand; }
    QLabel* versionLabel() const { return m_versionLabel; }
    QLabel* image() const { return m_image; }

Q_SIGNALS:
    // The player pressed "Let's Play!": show the main window now. The start-up
    // window is hidden already and goes once the handler returns.
    void play();

protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void Form_Load();
    void Form_Activate();
    void ExitCommand_Click();

    WavePlayer& m_sound;
    QLabel* m_image;
    QLabel* m_versionLabel;
    QPushButton* m_exitCommand;
};
