#pragma once

#include "PictureSource.h"

#include <QList>
#include <QPoint>
#include <QRect>
#include <QStringList>

// Where each dot's number goes, and whether the picture is fit to play: every
// number clear of the dots, the lines and the other numbers, and every area
// meant for colouring closed in pure black.
struct PictureLayout
{
    QList<QPoint> numberPositions; // top-left of " k ", as the game draws it
    QStringList problems;

    // Needs a QGuiApplication: numbers are measured in the game's own font.
    static PictureLayout plan(const PictureSource& source);
};
