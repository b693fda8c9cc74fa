#include "ColourFrame.h"

#include "ColourOptions.h"

#include <QPushButton>

namespace {
constexpr int OptionSide = 33;
constexpr int FirstOptionLeft = 8;
constexpr int OptionPitch = 40;
constexpr int OptionTop = 16;

QString styleFor(QRgb rgb)
{
    // A raised button filled with its colour that stays pressed in while chosen.
    return QStringLiteral("QPushButton { background-color: %1; border: 3px outset #c0c0c0; }"
                          "QPushButton:checked { border: 3px inset #808080; }")
        .arg(QColor(rgb).name());
}
} // namespace

ColourFrame::ColourFrame(QWidget* parent) : QFrame(parent)
{
    setFrameStyle(QFrame::Box | QFrame::Sunken);
    m_group.setExclusive(true);
    for (int k = 0; k < int(ColourOptions.size()); ++k) {
        auto* option = new QPushButton(this);
        option->setObjectName(QLatin1String(ColourOptions[k].name));
        option->setCheckable(true);
        option->setGeometry(FirstOptionLeft + OptionPitch * k, OptionTop, OptionSide, OptionSide);
        option->setStyleSheet(styleFor(ColourOptions[k].rgb));
        option->setAccessibleName(QLatin1String(ColourOptions[k].name));
        m_group.addButton(option, k);
    }
    m_group.button(0)->setChecked(true);
}

QColor ColourFrame::selectedColour() const
{
    return QColor(ColourOptions[m_group.checkedId()].rgb);
}
