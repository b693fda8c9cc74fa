#pragma once

#include "app/MainView.h"
#include "info/SystemInfo.h"
#include "pictures/PictureChooser.h"
#include "platform/Sleeper.h"
#include "platform/WindowSystem.h"
#include "print/PrintService.h"
#include "sound/MusicControl.h"
#include "sound/WavePlayer.h"

#include <QList>
#include <QMap>
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

// A registry of values set by the test: "ROOT\\KEY" and value name to type and
// bytes. Keys listed in `refused` cannot be opened with full access.
struct FakeRegistry : Registry
{
    struct Value
    {
        quint32 type;
        QByteArray bytes;
    };
    QMap<QString, QMap<QString, Value>> keys;
    QStringList refused;
    QList<quint32> accessAsked;
    int openKeys = 0;
    QStringList names; // of the keys opened, by handle - 1

    std::optional<quintptr> open(quint32, const QString& keyName, quint32 access) override
    {
        accessAsked.append(access);
        if (!keys.contains(keyName) || refused.contains(keyName))
            return std::nullopt;
        ++openKeys;
        names.append(keyName);
        return quintptr(names.size());
    }
    bool query(quintptr key, const QString& valueName, quint32& type, QByteArray& buffer,
               quint32& size) override
    {
        const auto values = keys.value(names.value(int(key) - 1));
        if (!values.contains(valueName) || quint32(values[valueName].bytes.size()) > size)
            return false;
        const Value& value = values[valueName];
        buffer.replace(0, value.bytes.size(), value.bytes);
        size = quint32(value.bytes.size());
        type = value.type;
        return true;
    }
    void close(quintptr) override { --openKeys; }
};

// Records programs started and pages opened; `installed` lists the files that
// exist and `startable` the programs that start.
struct RecordingShell : SystemShell
{
    QStringList started;
    QStringList pages;
    QStringList installed;
    QStringList startable;

    bool startProgram(const QString& path) override
    {
        started.append(path);
        return startable.contains(path);
    }
    bool fileExists(const QString& path) override { return installed.contains(path); }
    int openWebPage(const QString& address) override
    {
        pages.append(address);
        return 42;
    }
};
