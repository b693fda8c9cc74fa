#pragma once

#include <QButtonGroup>
#include <QColor>
#include <QFrame>

// The bar of eleven colour buttons shown while a finished picture is coloured.
// Exactly one is down at a time; the blue one when the window loads.
class ColourFrame : public QFrame
{
    Q_OBJECT
public:
    explicit ColourFrame(QWidget* parent = nullptr);

    QColor selectedColour() const;
    QList<QAbstractButton*> options() const { return m_group.buttons(); }

private:
    QButtonGroup m_group;
};
