#pragma once

#include "app/MainView.h"
#include "pictures/PictureChooser.h"
#include "platform/WindowSystem.h"

#include <QList>
#include <QString>
#include <QStringList>

struct RecordingWindowSystem : WindowSystem
{
    QList<bool> busyCalls;
    QList<QPair<QString, QString>> messages;

    void setBusyPointer(bool busy) override { busyCalls.append(busy); }
    void showMessage(const QString& title, const QString& text) override
    {
        messages.append({title, text});
    }
    bool pointerIsBusy() const { return !busyCalls.isEmpty() && busyCalls.last(); }
};

// Answers each choose() with the next scripted name; a null QString, or running
// out of names, stands for a cancelled chooser.
struct ScriptedChooser : PictureChooser
{
    QStringList answers;
    int shown = 0;

    std::optional<QString> choose() override
    {
        ++shown;
        const QString answer = answers.isEmpty() ? QString() : answers.takeFirst();
        if (answer.isNull())
            return std::nullopt;
        return answer;
    }
};

struct RecordingView : MainView
{
    bool colourFrameVisible = false;
    int colourFrameChanges = 0;

    void setColourFrameVisible(bool visible) override
    {
        colourFrameVisible = visible;
        ++colourFrameChanges;
    }
};
