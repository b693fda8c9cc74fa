#pragma once

#include <QString>

#include <optional>

// The modal picture chooser: a bare description file name, or nothing when the
// player cancels or presses OK with nothing selected.
class PictureChooser
{
public:
    virtual ~PictureChooser() = default;
    virtual std::optional<QString> choose() = 0;
};
