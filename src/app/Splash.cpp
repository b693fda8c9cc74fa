#include "Splash.h"

#include "ButtonArt.h"
#include "DevelopmentFolder.h"
#include "SplashArt.h"
#include "WindowPlacement.h"
#include "app/Version.h"
#include "sound/Effects.h"
#include "sound/WavePlayer.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QTimer>

namespace {
// A window manager that never activates the window must not leave a child
// without a way into the game.
constexpr int ActivationGraceMs = 1500;
} // namespace

Splash::Splash(WavePlayer& sound, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint), m_sound(sound),
      m_image(new QLabel(this)), m_versionLabel(new QLabel(this)),
      m_exitCommand(new QPushButton(tr("Let's Play!"), this))
{
    setObjectName(QStringLiteral("Splash"));
    setWindowTitle(Version::title());
    setWindowIcon(ButtonArt::windowIcon());
    setFixedSize(287, 334);

    m_image->setObjectName(QStringLiteral("Image1"));
    m_image->setGeometry(6, 0, 274, 229);
    m_image->setScaledContents(true);
    m_image->setPixmap(QPixmap::fromImage(SplashArt::paint()));

    m_versionLabel->setObjectName(QStringLiteral("VersionLabel"));
    m_versionLabel->setGeometry(16, 72, 113, 17);
    m_versionLabel->setAlignment(Qt::AlignCenter);
    m_versionLabel->raise();

    m_exitCommand->setObjectName(QStringLiteral("ExitCommand"));
    m_exitCommand->setGeometry(71, 280, 145, 49);
    QFont buttonFont = m_exitCommand->font();
    buttonFont.setPixelSize(18);
    buttonFont.setBold(true);
    m_exitCommand->setFont(buttonFont);
    m_exitCommand->hide();
    connect(m_exitCommand, &QPushButton::clicked, this, &Splash::ExitCommand_Click);

    Form_Load();
}

void Splash::Form_Load()
{
    DevelopmentFolder::apply(QString::fromUtf8(Version::DevelopmentFolder));
    m_sound.start(Effects::Startup);
    m_versionLabel->setText(Version::text());
}

void Splash::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    WindowPlacement::centreOnScreen(*this);
    QTimer::singleShot(ActivationGraceMs, this, &Splash::Form_Activate);
}

void Splash::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        Form_Activate();
}

void Splash::Form_Activate()
{
    m_exitCommand->show();
    m_exitCommand->setFocus();
}

void Splash::ExitCommand_Click()
{
    m_sound.start(Effects::Boing);
    hide();
    Q_EMIT play();
    deleteLater();
}

void Splash::closeEvent(QCloseEvent* event)
{
    // The button is the one way on.
    event->ignore();
}
