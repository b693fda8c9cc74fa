#pragma once

#include "app/MainView.h"
#include "pictures/PictureChooser.h"
#include "platform/Sleeper.h"
#include "platform/WindowSystem.h"
#include "print/PrintService.h"
#include "sound/MusicControl.h"
#include "sound/WavePlayer.h"

#include <QList>
#include <QPdfWriter>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <functional>
#include <memory>
#include <vector>

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
    QColor colour{0, 0, 255};

    void setColourFrameVisible(bool visible) override
    {
        colourFrameVisible = visible;
        ++colourFrameChanges;
    }
    QColor selectedColour() const override { return colour; }
};

// Records every request as "start NAME", "sync NAME" or "stop".
struct RecordingWavePlayer : WavePlayer
{
    QStringList calls;
    // Runs while a synchronous sound "plays".
    std::function<void()> whilePlayingToEnd;

    void start(const QString& name) override { calls.append(QStringLiteral("start ") + name); }
    void playToEnd(const QString& name) override
    {
        calls.append(QStringLiteral("sync ") + name);
        if (whilePlayingToEnd)
            whilePlayingToEnd();
    }
    void stop() override { calls.append(QStringLiteral("stop")); }
};

// Sleeps no time at all; records each sleep and can look at the world then.
struct RecordingSleeper : Sleeper
{
    QList<int> sleeps;
    std::function<void()> onSleep;

    void sleep(int milliseconds) override
    {
        sleeps.append(milliseconds);
        if (onSleep)
            onSleep();
    }
};

// Records every property set and command given, in order: "FileName x.mid",
// "Notify true", "Command Open", "Switches false false".
struct RecordingMusicControl : MusicControl
{
    QStringList calls;
    DoneHandler done;

    void setFileName(const QString& fileName) override
    {
        calls.append(QStringLiteral("FileName ") + fileName);
    }
    void setCommand(const QString& command) override
    {
        calls.append(QStringLiteral("Command ") + command);
    }
    void setNotify(bool notify) override
    {
        calls.append(notify ? QStringLiteral("Notify true") : QStringLiteral("Notify false"));
    }
    void setSwitches(bool first, bool second) override
    {
        calls.append(QStringLiteral("Switches %1 %2")
                         .arg(first ? "true" : "false", second ? "true" : "false"));
    }
    void setDoneHandler(DoneHandler handler) override { done = std::move(handler); }
};

// Prints every copy into a PDF file of its own, "copy-N.pdf" in a temporary
// folder, on letter paper with no margins. The dialog answers with `copies`, or
// as cancelled when that is empty.
struct PdfPrintService : PrintService
{
    std::optional<int> copies;
    int dialogsShown = 0;
    QTemporaryDir folder;
    std::vector<std::unique_ptr<QPdfWriter>> jobs;

    std::optional<int> showPrintDialog() override
    {
        ++dialogsShown;
        return copies;
    }
    QPagedPaintDevice* jobDevice(int copy) override
    {
        auto writer = std::make_unique<QPdfWriter>(file(copy));
        writer->setPageSize(QPageSize(QPageSize::Letter));
        writer->setPageMargins(QMarginsF(0, 0, 0, 0));
        writer->setResolution(300);
        jobs.push_back(std::move(writer));
        return jobs.back().get();
    }
    QString file(int copy) const
    {
        return folder.filePath(QStringLiteral("copy-%1.pdf").arg(copy));
    }
};
