#include "core/ShippedPicture.h"

#include <QFileInfo>
#include <QImageReader>

namespace
{
void readAs(QImageReader& reader, const QString& path)
{
    // The program's own pictures are named by their format. A reader left to guess the format from the content
    // first loads every image format plugin of the system to ask each one (and the JPEG library with its plugin),
    // which cost the start-up several libraries it never uses.
    reader.setFileName(path);
    reader.setFormat(QFileInfo(path).suffix().toLatin1());
    reader.setAutoDetectImageFormat(false);
}
} // namespace

QPixmap ShippedPicture::read(const QString& path)
{
    QImageReader reader;
    readAs(reader, path);
    return QPixmap::fromImageReader(&reader);
}

QImage ShippedPicture::readImage(const QString& path)
{
    QImageReader reader;
    readAs(reader, path);
    return reader.read();
}

QPixmap ShippedPicture::load(const QString& path, qreal devicePixelRatio)
{
    if (devicePixelRatio > 1.0) {
        const qsizetype dot = path.lastIndexOf(u'.');
        const QString doubled =
            dot < 0 ? path + QStringLiteral("@2x") : path.left(dot) + QStringLiteral("@2x") + path.mid(dot);
        QPixmap picture = read(doubled);
        if (!picture.isNull()) {
            picture.setDevicePixelRatio(2.0);
            return picture;
        }
    }
    return read(path);
}
