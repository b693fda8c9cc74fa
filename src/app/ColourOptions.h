#pragma once

#include <QColor>

#include <array>

// The colour bar, left to right. Black is missing on purpose: it bounds every fill.
struct ColourOption
{
    const char* name;
    QRgb rgb;
};

inline constexpr std::array<ColourOption, 11> ColourOptions{{
    {"BlueOption", qRgb(0, 0, 255)},
    {"DarkGreenOption", qRgb(0, 192, 0)},
    {"RedOption", qRgb(255, 0, 0)},
    {"YellowOption", qRgb(255, 255, 0)},
    {"OrangeOption", qRgb(255, 128, 0)},
    {"CyanOption", qRgb(0, 255, 255)},
    {"LightGreenOption", qRgb(0, 255, 0)},
    {"PinkOption", qRgb(255, 0, 255)},
    {"BrownOption", qRgb(192, 64, 0)},
    {"GreyOption", qRgb(128, 128, 128)},
    {"WhiteOption", qRgb(255, 255, 255)},
}};
