#pragma once

#include <utility>

#include <QIcon>
#include <QImage>
#include <QList>
#include <QPixmap>
#include <QString>

/// The pictures shipped in the pictures folder, at the screen's density.
namespace ShippedPicture
{
/// `path` names the picture drawn at one device pixel to a logical one ("up.png"). On a denser screen
/// (`devicePixelRatio` above 1) its drawing at twice the size, "up@2x.png", is taken where it exists, so the
/// picture keeps the same logical size and stays sharp; else the plain one, scaled by the window system.
QPixmap load(const QString& path, qreal devicePixelRatio);
/// The picture at `path` exactly, read in the format its suffix names; null when it is missing or not of that format.
QPixmap read(const QString& path);
/// The same picture kept as its file stores it: an 8-bit palette picture takes a quarter of the memory of the
/// screen's format, and the painter converts it line by line as it draws.
QImage readImage(const QString& path);
/// An icon drawn at several sizes (each a square of that many pixels, with the file holding it), read from its
/// file whenever a size is asked for and never kept: the window system copies a window's icon once, and holding
/// every size decoded would only cost memory. A size in between is the next larger drawing scaled down.
QIcon icon(QList<std::pair<int, QString>> drawings);
} // namespace ShippedPicture
