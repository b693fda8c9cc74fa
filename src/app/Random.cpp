#include "Random.h"

#include <QDateTime>

#include <chrono>
#include <cmath>

void Random::seedFromClock()
{
    const auto now = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    seed(quint64(now) ^ quint64(QDateTime::currentMSecsSinceEpoch()));
}

float Random::next()
{
    constexpr int Bits = 24;
    const quint64 bits = m_engine() >> (64 - Bits);
    return float(bits) * (1.0f / float(1 << Bits));
}

int Random::choose(int n, float r)
{
    const int index = int(std::floor(double(n) * double(r) + 1.0));
    return qBound(1, index, qMax(n, 1));
}
