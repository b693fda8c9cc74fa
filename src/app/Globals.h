#pragma once

#include <QString>

// What lives outside the main window's own state: the bare file name of the
// picture in play, from which the names of its two bitmaps are formed.
struct Globals
{
    QString SelectedPicture;
};
