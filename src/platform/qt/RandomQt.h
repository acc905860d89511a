#pragma once

#include <QRandomGenerator>

#include "platform/Random.h"

/// The system's generator, seeded by the system.
class RandomQt final : public Random
{
public:
    double fraction() override { return QRandomGenerator::global()->generateDouble(); }
};
