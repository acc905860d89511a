#pragma once

#include <QElapsedTimer>

#include "platform/Clock.h"

class ClockSteady final : public Clock
{
public:
    ClockSteady() { m_timer.start(); }
    qint64 milliseconds() const override { return m_timer.elapsed(); }

private:
    QElapsedTimer m_timer;
};
