#pragma once

#include <functional>

#include <QObject>

#include "core/BoardFeature.h"

class PictureControl;
class QPixmap;
class QWidget;
class Volume;

/// The two arrows on the right of the board that raise and lower the default mixer's volume by one step.
class VolumeButtons final : public QObject, public BoardFeature
{
    Q_OBJECT

public:
    /// `picture` gives the board's shipped picture of that name.
    VolumeButtons(Volume& volume, QWidget& board, const std::function<QPixmap(const char*)>& picture);

    void up_Click();
    void down_Click();

private:
    Volume& m_volume;
    PictureControl* up = nullptr;
    PictureControl* down = nullptr;
};
