#include "board/VolumeButtons.h"

#include <QPixmap>

#include "board/BoardGeometry.h"
#include "core/AccessibleRole.h"
#include "core/PictureControl.h"
#include "core/Twips.h"
#include "platform/Volume.h"

namespace
{
// The buttons' places on the board, in twips.
constexpr double kLeft = 2130;
constexpr double kUpTop = 570;
constexpr double kDownTop = 900;
constexpr double kWidth = 270;
constexpr double kHeight = 330;
} // namespace

VolumeButtons::VolumeButtons(Volume& volume, QWidget& board, const std::function<QPixmap(const char*)>& picture)
    : m_volume(volume)
{
    const auto button = [&](const char* name,
                            const char* accessibleName,
                            const char* pictureName,
                            double top,
                            void (VolumeButtons::*click)()) {
        auto* control = new PictureControl(QString::fromLatin1(name), &board);
        control->setAccessibleName(tr(accessibleName));
        AccessibleRole::set(*control, QAccessible::Button);
        control->setPixmap(picture(pictureName));
        control->setGeometry(Twips::rectToPixels(kLeft, top, kWidth, kHeight));
        connect(control, &PictureControl::clicked, this, [this, click](Qt::MouseButton pressed) {
            if (pressed == Qt::LeftButton)
                (this->*click)();
        });
        return control;
    };
    up = button("up", QT_TR_NOOP("Volume up"), "up.png", kUpTop, &VolumeButtons::up_Click);
    down = button("down", QT_TR_NOOP("Volume down"), "down.png", kDownTop, &VolumeButtons::down_Click);
}

void VolumeButtons::up_Click()
{
    if (const auto volume = m_volume.volume())
        m_volume.setVolume(VolumeStep::apply(*volume, VolumeStep::kStep));
}

void VolumeButtons::down_Click()
{
    if (const auto volume = m_volume.volume())
        m_volume.setVolume(VolumeStep::apply(*volume, -VolumeStep::kStep));
}
