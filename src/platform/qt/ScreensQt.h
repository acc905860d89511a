#pragma once

#include "platform/Screens.h"

class ScreensQt final : public Screens
{
public:
    QList<QRect> geometries() const override;
    QRect primary() const override;
    QPoint pointer() const override;
};
