#pragma once

// Holds the event thread for a while. Input that arrives meanwhile waits and is
// handled afterwards, in order.
class Sleeper
{
public:
    virtual ~Sleeper() = default;
    virtual void sleep(int milliseconds) = 0;
};
