#include "core/ShippedPicture.h"

QPixmap ShippedPicture::load(const QString& path, qreal devicePixelRatio)
{
    if (devicePixelRatio > 1.0) {
        const qsizetype dot = path.lastIndexOf(u'.');
        const QString doubled =
            dot < 0 ? path + QStringLiteral("@2x") : path.left(dot) + QStringLiteral("@2x") + path.mid(dot);
        QPixmap picture(doubled);
        if (!picture.isNull()) {
            picture.setDevicePixelRatio(2.0);
            return picture;
        }
    }
    return QPixmap(path);
}
