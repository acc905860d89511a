#include "core/ShippedPicture.h"

#include <algorithm>

#include <QFile>
#include <QFileInfo>
#include <QIconEngine>
#include <QImageReader>
#include <QPainter>

namespace
{
// Opens the picture for the reader; false, quietly, when the file is missing or unreadable.
bool readAs(QImageReader& reader, QFile& file)
{
    if (!file.open(QIODevice::ReadOnly))
        return false;
    // The program's own pictures are named by their format. A reader left to guess the format from the content
    // first loads every image format plugin of the system to ask each one (and the JPEG library with its plugin),
    // which cost the start-up several libraries it never uses.
    reader.setDevice(&file);
    reader.setFormat(QFileInfo(file.fileName()).suffix().toLatin1());
    reader.setAutoDetectImageFormat(false);
    return true;
}

class FileIconEngine final : public QIconEngine
{
public:
    explicit FileIconEngine(QList<std::pair<int, QString>> drawings)
        : m_drawings(std::move(drawings))
    {
        std::sort(m_drawings.begin(), m_drawings.end());
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override
    {
        if (m_drawings.isEmpty())
            return {};
        const QPixmap picture = ShippedPicture::read(drawingFor(size).second);
        if (picture.isNull() || (picture.width() <= size.width() && picture.height() <= size.height()))
            return picture;
        return picture.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        QPixmap picture = pixmap(rect.size() * ratio, mode, state);
        picture.setDevicePixelRatio(ratio);
        const QSizeF shown = picture.deviceIndependentSize();
        painter->drawPixmap(
            QPointF(rect.x() + (rect.width() - shown.width()) / 2, rect.y() + (rect.height() - shown.height()) / 2),
            picture);
    }

    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override
    {
        if (m_drawings.isEmpty())
            return {};
        const int side = drawingFor(size).first;
        return QSize(side, side).scaled(size.boundedTo(QSize(side, side)), Qt::KeepAspectRatio);
    }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        QList<QSize> sizes;
        for (const auto& drawing : m_drawings)
            sizes.append(QSize(drawing.first, drawing.first));
        return sizes;
    }

    QIconEngine* clone() const override { return new FileIconEngine(m_drawings); }
    QString key() const override { return QStringLiteral("ShippedPicture::icon"); }

private:
    // The smallest drawing that fills the size asked for, else the largest there is.
    const std::pair<int, QString>& drawingFor(const QSize& size) const
    {
        const int wanted = std::max(size.width(), size.height());
        for (const auto& drawing : m_drawings) {
            if (drawing.first >= wanted)
                return drawing;
        }
        return m_drawings.last();
    }

    QList<std::pair<int, QString>> m_drawings;
};
} // namespace

QIcon ShippedPicture::icon(QList<std::pair<int, QString>> drawings)
{
    return QIcon(new FileIconEngine(std::move(drawings)));
}

QPixmap ShippedPicture::read(const QString& path)
{
    QFile file(path);
    QImageReader reader;
    return readAs(reader, file) ? QPixmap::fromImageReader(&reader) : QPixmap();
}

QImage ShippedPicture::readImage(const QString& path)
{
    QFile file(path);
    QImageReader reader;
    return readAs(reader, file) ? reader.read() : QImage();
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
