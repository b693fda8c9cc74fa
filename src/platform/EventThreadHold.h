#pragma once

#include "Sleeper.h"

#include <chrono>
#include <functional>

// Holds the event thread the way a blocking call would for the player, while
// the window system is still answered: repaints and the window manager's
// liveness checks go through, input events stay queued for afterwards.
class EventThreadHold : public Sleeper
{
public:
    // Runs once the outermost hold has ended, so that work put off during the
    // hold (a close request, say) can happen then.
    void setOnRelease(std::function<void()> onRelease) { m_onRelease = std::move(onRelease); }

    bool isHolding() const { return m_depth > 0; }

    void sleep(int milliseconds) override;
    // Holds until `done` is true or `limit` has passed, whichever comes first.
    void holdUntil(const std::function<bool()>& done, std::chrono::milliseconds limit);

private:
    int m_depth = 0;
    std::function<void()> m_onRelease;
};
