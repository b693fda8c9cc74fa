#pragma once

#include <QString>

#include <functional>

// The music player the game drives, a multimedia control with a file name, a
// command and a completion report. Every command returns at once; playback runs
// in the background. With `Notify` set, the end of "Play" is reported through
// the done handler: 1 when the tune has played to its end, another code (or no
// report at all) when it could not be played.
class MusicControl
{
public:
    enum NotifyCode : qint16
    {
        Successful = 1,
        Superseded = 2,
        Aborted = 4,
        Failure = 8
    };
    using DoneHandler = std::function<void(qint16 notifyCode)>;

    virtual ~MusicControl() = default;
    virtual void setFileName(const QString& fileName) = 0;
    // "Open", "Play" or "Close".
    virtual void setCommand(const QString& command) = 0;
    virtual void setNotify(bool notify) = 0;
    // The control's two further switches; the game sets both false once.
    virtual void setSwitches(bool first, bool second) = 0;
    virtual void setDoneHandler(DoneHandler handler) = 0;
};
