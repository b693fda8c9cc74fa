#include "Main.h"

#include "ButtonArt.h"
#include "ColourFrame.h"
#include "PictureAreaWidget.h"
#include "WindowPlacement.h"
#include "app/Version.h"
#include "info/Info.h"
#include "pictures/LoadFile.h"
#include "platform/EventThreadHold.h"
#include "sound/MusicControl.h"

#include <QCloseEvent>
#include <QPushButton>

namespace {
constexpr int CommandLeft = 3;
constexpr int CommandSide = 57;

QPushButton* makeCommand(QWidget* parent, const char* name, ButtonArt::Picture picture, int top,
                         const QString& tooltip)
{
    auto* button = new QPushButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(CommandLeft, top, CommandSide, CommandSide);
    button->setIcon(ButtonArt::icon(picture));
    button->setIconSize(ButtonArt::size(picture));
    button->setToolTip(tooltip);
    button->setAccessibleName(tooltip);
    return button;
}
} // namespace

Main::Main(Services services, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint),
      m_hold(services.hold), m_music(services.music), m_registry(services.registry),
      m_shell(services.shell),
      m_game(GameServices{m_windowSystem, *this, *this, services.sound, services.sleeper,
                          services.music, m_printService})
{
    setObjectName(QStringLiteral("Main"));
    setWindowTitle(Version::title());
    setWindowIcon(ButtonArt::windowIcon());
    setFixedSize(ClientSize);

    createCommands();
    m_pictureArea = new PictureAreaWidget(m_game.PictureArea, this);
    m_pictureArea->setObjectName(QStringLiteral("PictureArea"));
    m_pictureArea->setGeometry(64, 8, 489, 345);
    m_colourFrame = new ColourFrame(this);
    m_colourFrame->setObjectName(QStringLiteral("ColourFrame"));
    m_colourFrame->setGeometry(80, 360, 449, 57);
    m_colourFrame->hide();
    setTabOrder();

    connect(m_openCommand, &QPushButton::clicked, this, [this] { m_game.OpenCommand_Click(); });
    connect(m_helpCommand, &QPushButton::clicked, this, [this] { m_game.HelpCommand_Click(); });
    connect(m_printCommand, &QPushButton::clicked, this, [this] { m_game.PrintCommand_Click(); });
    connect(m_infoCommand, &QPushButton::clicked, this, &Main::InfoCommand_Click);
    connect(m_stopCommand, &QPushButton::clicked, this, &QWidget::close);
    connect(m_pictureArea, &PictureAreaWidget::MouseUp, this,
            [this](qint16 button, qint16 shift, float x, float y) {
                m_game.PictureArea_MouseUp(button, shift, x, y);
            });
    connect(m_pictureArea, &PictureAreaWidget::KeyPress, this,
            [this](qint16 keyAscii) { m_game.PictureArea_KeyPress(keyAscii); });
    m_music.setDoneHandler([this](qint16 notifyCode) { m_game.MMControl_Done(notifyCode); });
    m_hold.setOnRelease([this] {
        if (std::exchange(m_closeWaiting, false))
            close();
    });

    m_game.Form_Load();
}

Main::~Main()
{
    m_music.setDoneHandler({});
    m_hold.setOnRelease({});
}

void Main::createCommands()
{
    using ButtonArt::Picture;
    m_openCommand = makeCommand(this, "OpenCommand", Picture::Open, 8, tr("Open New Picture"));
    m_helpCommand = makeCommand(this, "HelpCommand", Picture::Help, 80, tr("Show Next Dot"));
    m_printCommand =
        makeCommand(this, "PrintCommand", Picture::Print, 152, tr("Print Current Picture"));
    m_infoCommand = makeCommand(this, "InfoCommand", Picture::Info, 296, tr("Information"));
    m_stopCommand = makeCommand(this, "StopCommand", Picture::Stop, 360, tr("Exit Kelvaro"));
}

void Main::setTabOrder()
{
    QList<QWidget*> order{m_openCommand, m_helpCommand, m_printCommand,
                          m_infoCommand, m_stopCommand, m_pictureArea};
    for (QAbstractButton* option : m_colourFrame->options())
        order.append(option);
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

void Main::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (m_centred)
        return;
    m_centred = true;
    WindowPlacement::centreOnScreen(*this);
}

void Main::closeEvent(QCloseEvent* event)
{
    // A close request is not input, so the window system delivers it even while
    // a handler holds the thread; it waits for that handler like a click would.
    if (m_unloading || m_hold.isHolding()) {
        m_closeWaiting = !m_unloading;
        event->ignore();
        return;
    }
    m_unloading = true;
    m_game.Form_Unload();
    event->accept();
}

void Main::setColourFrameVisible(bool visible)
{
    m_colourFrame->setVisible(visible);
}

void Main::InfoCommand_Click()
{
    // At most one, not owned by this window: it stays open when the game closes,
    // and deletes itself when closed.
    if (!m_info)
        m_info = new Info({m_registry, m_shell, m_windowSystem});
    m_info->show();
    m_info->raise();
    m_info->activateWindow();
}

QColor Main::selectedColour() const
{
    return m_colourFrame->selectedColour();
}

std::optional<QString> Main::choose()
{
    if (!m_loadFile)
        m_loadFile = new LoadFile(this);
    return m_loadFile->choose();
}
