#pragma once

#include <QElapsedTimer>

#include "platform/Clock.h"

class ClockQt final : public Clock
{
public:
    ClockQt() { m_timer.start(); }
    qint64 milliseconds() const override { return m_timer.elapsed(); }
    QDateTime dateTime() const override { return QDateTime::currentDateTime(); }

private:
    QElapsedTimer m_timer;
};
