#include "Info.h"

#include "SystemInfo.h"
#include "app/ButtonArt.h"
#include "app/Version.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>

namespace {
const QColor LinkBlue(0, 0, 255);
const QColor LinkRed(255, 0, 0);

// The link: it reports the mouse moving over it and a click on it.
class LinkLabel : public QLabel
{
public:
    LinkLabel(const QString& text, Info* info) : QLabel(text, info), m_info(info)
    {
        setMouseTracking(true);
        setCursor(Qt::PointingHandCursor);
    }

protected:
    void mouseMoveEvent(QMouseEvent*) override { m_info->Hyperlink_MouseMove(); }
    void mouseReleaseEvent(QMouseEvent* event) override
    {
        if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
            m_info->Hyperlink_Click();
    }

private:
    Info* m_info;
};

QLabel* makeLabel(QWidget* parent, const char* name, QRect geometry, const QString& text = {})
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(geometry);
    // Like the controls they stand for, labels keep the mouse's moves to
    // themselves: only the bare window turns the link blue again.
    label->setAttribute(Qt::WA_NoMousePropagation);
    return label;
}

QPushButton* makeButton(QWidget* parent, const char* name, QRect geometry, const QString& text)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(geometry);
    button->setAttribute(Qt::WA_NoMousePropagation);
    return button;
}
} // namespace

Info::Info(Services services)
    // A window of its own rather than a dialog of the game's, so that it stays
    // when the game closes and the program ends only once both are closed.
    : QDialog(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint),
      m_services(services), m_title(makeLabel(this, "lblTitle", {8, 8, 259, 16})),
      m_version(makeLabel(this, "lblVersion", {8, 32, 259, 16})),
      m_hyperlink(new LinkLabel(tr("Kelvaro Website"), this)),
      m_ok(makeButton(this, "cmdOK", {187, 167, 84, 23}, tr("OK"))),
      m_sysInfo(makeButton(this, "cmdSysInfo", {188, 197, 83, 23}, tr("&System Info...")))
{
    setObjectName(QStringLiteral("Info"));
    setAttribute(Qt::WA_QuitOnClose);
    // However it goes, by OK, Enter, Escape or the close box, it goes for good.
    connect(this, &QDialog::finished, this, &QObject::deleteLater);
    setWindowTitle(tr("About Kelvaro"));
    setWindowIcon(ButtonArt::windowIcon());
    setFixedSize(278, 270);
    setMouseTracking(true);

    m_hyperlink->setObjectName(QStringLiteral("Hyperlink"));
    m_hyperlink->setGeometry(85, 112, 109, 13);
    QFont linkFont = m_hyperlink->font();
    linkFont.setBold(true);
    linkFont.setUnderline(true);
    linkFont.setPixelSize(11);
    m_hyperlink->setFont(linkFont);
    setLinkColour(LinkBlue);

    makeLabel(this, "Label1", {61, 136, 157, 13}, tr("Made for young children"))
        ->setStyleSheet(QStringLiteral("font-size: 10px"));
    QLabel* notice = makeLabel(this, "Label2", {0, 160, 185, 113},
                               tr("Every picture, sound and tune in this game was made for it. "
                                  "Families and schools may play it and share it freely."));
    notice->setWordWrap(true);
    notice->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    notice->setContentsMargins(8, 4, 4, 4);
    notice->setStyleSheet(QStringLiteral("font-size: 10px"));

    m_ok->setDefault(true);
    QWidget::setTabOrder(m_ok, m_sysInfo);
    connect(m_ok, &QPushButton::clicked, this, &QWidget::close);
    connect(m_sysInfo, &QPushButton::clicked, this, &Info::cmdSysInfo_Click);
    Form_Load();
}

void Info::Form_Load()
{
    m_version->setText(Version::text());
    m_title->setText(Version::title());
}

void Info::setLinkColour(QColor colour)
{
    QPalette palette = m_hyperlink->palette();
    palette.setColor(QPalette::WindowText, colour);
    m_hyperlink->setPalette(palette);
}

void Info::Hyperlink_MouseMove()
{
    setLinkColour(LinkRed);
}

void Info::mouseMoveEvent(QMouseEvent*)
{
    setLinkColour(LinkBlue);
}

void Info::Hyperlink_Click()
{
    m_services.shell.openWebPage(QString::fromUtf8(Version::WebSite));
}

void Info::cmdSysInfo_Click()
{
    SystemInfo::StartSysInfo(m_services.registry, m_services.shell, m_services.windowSystem);
}

void Info::paintEvent(QPaintEvent* event)
{
    QDialog::paintEvent(event);
    // The etched separator across the window.
    QPainter painter(this);
    painter.setPen(QColor(128, 128, 128));
    painter.drawLine(-10, 155, 361, 155);
    painter.setPen(QColor(255, 255, 255));
    painter.drawLine(-10, 156, 361, 156);
}
