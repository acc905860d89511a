#pragma once

// What every test file needs: Qt Test and Qt Widgets whole, and the fakes of the platform and the board.
#include <QtTest>
#include <QtWidgets>

#include "FakeBoardSurface.h"
#include "Fakes.h"
#include "TempDataDir.h"

using namespace Qt::StringLiterals;
