#pragma once

#include <QtGlobal>

#include <random>

// The game's one generator of single-precision reals, uniform in [0, 1). The
// music's choice of tune and the wipe draw from it in turn.
class Random
{
public:
    void seedFromClock();
    void seed(quint64 value) { m_engine.seed(value); }

    // Never 1.0: 24 random bits scaled by 2^-24 are exact in a float, so
    // Int(n * r + 1) always lies in 1 to n.
    float next();

    // A choice among n things, 1 to n; 1 when there is nothing to choose from.
    static int choose(int n, float r);

private:
    std::mt19937_64 m_engine{1};
};
