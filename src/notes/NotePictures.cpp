#include "notes/NotePictures.h"

#include <initializer_list>

#include <QPainter>
#include <QPolygonF>

namespace
{
// The Windows 98 colours the rest of the program wears.
constexpr QRgb kBlack = qRgb(0, 0, 0);
constexpr QRgb kWhite = qRgb(255, 255, 255);
constexpr QRgb kSilver = qRgb(192, 192, 192);
constexpr QRgb kGray = qRgb(128, 128, 128);
constexpr QRgb kNavy = qRgb(0, 0, 128);
constexpr QRgb kBlue = qRgb(0, 0, 255);
constexpr QRgb kTeal = qRgb(0, 128, 128);
constexpr QRgb kYellow = qRgb(255, 255, 0);
constexpr QRgb kOlive = qRgb(128, 128, 0);
constexpr QRgb kGreen = qRgb(0, 192, 0);
constexpr QRgb kNoteYellow = qRgb(255, 255, 128);
constexpr QRgb kNoteFold = qRgb(224, 224, 96);
constexpr QRgb kFolderBack = qRgb(192, 160, 0);
constexpr QRgb kFolderFront = qRgb(255, 224, 96);
constexpr QRgb kBoard = qRgb(160, 96, 32);
constexpr QRgb kBoardEdge = qRgb(96, 48, 0);

constexpr QSize kNoteSize(13, 16);
constexpr QSize kToolSize(16, 16);
constexpr qreal kToolRatios[] = {1.0, 1.5, 2.0, 3.0};

/// A transparent pixmap of `logical` size at `ratio`; a painter on it draws in logical pixels.
QPixmap blankPixmap(QSize logical, qreal ratio)
{
    QPixmap pixmap(qRound(logical.width() * ratio), qRound(logical.height() * ratio));
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

/// Slanted and round edges are smoothed only above ratio 1: at 1x a smoothed diagonal is a grey blur, a plain one
/// is a clean step of pixels.
void smoothAboveOneX(QPainter& p)
{
    p.setRenderHint(QPainter::Antialiasing, p.device()->devicePixelRatioF() > 1.0);
}

/// Whole logical pixels, so at whole ratios the rectangle covers whole device pixels and stays sharp.
void fill(QPainter& p, int x, int y, int width, int height, QRgb colour)
{
    p.fillRect(QRect(x, y, width, height), QColor(colour));
}

/// A rectangle of pixels with a one-pixel edge of another colour.
void box(QPainter& p, QRect r, QRgb inside, QRgb edge)
{
    p.fillRect(r, QColor(edge));
    p.fillRect(r.adjusted(1, 1, -1, -1), QColor(inside));
}

/// A filled shape whose corners name pixels: the one-pixel edge runs through their centres, so it covers exactly
/// the pixels named.
void shape(QPainter& p, std::initializer_list<QPointF> corners, QRgb inside, QRgb edge)
{
    QPolygonF polygon;
    for (const QPointF& corner : corners)
        polygon << corner + QPointF(0.5, 0.5);
    smoothAboveOneX(p);
    p.setPen(QPen(QColor(edge), 1.0, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(QColor(inside));
    p.drawPolygon(polygon);
}

/// A one-pixel line from pixel to pixel, both ends included.
void line(QPainter& p, QPointF from, QPointF to, QRgb colour, qreal width = 1.0)
{
    smoothAboveOneX(p);
    p.setPen(QPen(QColor(colour), width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.drawLine(from + QPointF(0.5, 0.5), to + QPointF(0.5, 0.5));
}

/// Lines of writing on a page, one every other row.
void writing(QPainter& p, int x, int y, int width, int rows, QRgb colour)
{
    for (int row = 0; row < rows; ++row)
        fill(p, x, y + 2 * row, width, 1, colour);
}

void paintNote(QPainter& p, bool selected)
{
    const QRgb edge = selected ? kYellow : kOlive;
    const QRgb paper = selected ? kNavy : kNoteYellow;
    const QRgb band = selected ? kBlue : kYellow;
    const QRgb lines = selected ? kWhite : kGray;
    const QRgb fold = selected ? kBlue : kNoteFold;

    // The sheet with its bottom right corner curled up.
    shape(p, {{0, 0}, {12, 0}, {12, 11}, {8, 15}, {0, 15}}, paper, edge);
    fill(p, 1, 1, 11, 3, band);
    writing(p, 2, 6, 9, 3, lines);
    fill(p, 2, 12, 5, 1, lines);
    shape(p, {{8, 15}, {8, 11}, {12, 11}}, fold, edge);
}

QPixmap notePixmap(qreal ratio, bool selected)
{
    QPixmap pixmap = blankPixmap(kNoteSize, ratio);
    QPainter p(&pixmap);
    paintNote(p, selected);
    return pixmap;
}

void paintNew(QPainter& p)
{
    // A blank page with its top right corner folded down.
    shape(p, {{2, 2}, {9, 2}, {12, 5}, {12, 15}, {2, 15}}, kWhite, kBlack);
    shape(p, {{9, 2}, {9, 5}, {12, 5}}, kSilver, kBlack);
    // A spark beside the fold: the page is new.
    fill(p, 13, 0, 1, 5, kOlive);
    fill(p, 11, 2, 5, 1, kOlive);
    fill(p, 13, 1, 1, 3, kYellow);
    fill(p, 12, 2, 3, 1, kYellow);
    fill(p, 13, 2, 1, 1, kWhite);
}

void paintOpen(QPainter& p)
{
    // The back of the folder with its tab, then the front flap swung open towards the viewer.
    shape(p, {{0, 3}, {4, 3}, {5, 4}, {11, 4}, {11, 14}, {0, 14}}, kFolderBack, kBlack);
    fill(p, 1, 5, 9, 1, kYellow);
    shape(p, {{3, 8}, {15, 8}, {12, 14}, {0, 14}}, kFolderFront, kBlack);
    line(p, {4, 9}, {14, 9}, kWhite);
    // An arrow leaving the folder: something is taken out.
    line(p, {8, 6}, {12, 2}, kNavy);
    line(p, {9, 6}, {12, 3}, kNavy);
    // The head: a right triangle in the corner, its long side across the shaft.
    for (int row = 0; row < 5; ++row)
        fill(p, 10 + row, row, 5 - row, 1, kNavy);
}

void paintSave(QPainter& p)
{
    // A floppy disk: dark body with a cut corner, white label above, sliding metal shutter below.
    shape(p, {{1, 1}, {13, 1}, {14, 2}, {14, 14}, {1, 14}}, kNavy, kBlack);
    box(p, QRect(3, 1, 10, 7), kWhite, kBlack);
    writing(p, 5, 3, 6, 2, kGray);
    box(p, QRect(4, 10, 8, 5), kSilver, kBlack);
    fill(p, 9, 11, 2, 3, kNavy);
    fill(p, 5, 11, 1, 3, kWhite);
}

void paintPrint(QPainter& p)
{
    // A sheet waiting at the top, the printer's body with a light, and the printed sheet coming out in front.
    box(p, QRect(4, 0, 8, 6), kWhite, kBlack);
    writing(p, 6, 2, 4, 2, kGray);
    shape(p, {{2, 5}, {13, 5}, {15, 7}, {15, 12}, {0, 12}, {0, 7}}, kSilver, kBlack);
    fill(p, 1, 7, 14, 1, kWhite);
    fill(p, 1, 11, 14, 1, kGray);
    fill(p, 12, 9, 2, 1, kGreen);
    fill(p, 3, 9, 7, 1, kBlack);
    box(p, QRect(3, 10, 10, 6), kWhite, kBlack);
    writing(p, 5, 12, 6, 2, kNavy);
}

void paintCut(QPainter& p)
{
    // Two blades crossing at the screw, each running on to the finger ring on the other side.
    line(p, {4, 0}, {9, 9}, kGray);
    line(p, {5, 0}, {10, 9}, kBlack);
    line(p, {11, 0}, {6, 9}, kGray);
    line(p, {10, 0}, {5, 9}, kBlack);
    fill(p, 7, 5, 1, 1, kSilver);
    smoothAboveOneX(p);
    p.setPen(QPen(QColor(kNavy), 1.0));
    p.setBrush(Qt::NoBrush);
    for (const qreal left : {1.5, 8.5}) {
        p.drawEllipse(QRectF(left, 9.5, 5, 5));
        p.drawEllipse(QRectF(left + 1, 10.5, 3, 3));
    }
}

void paintCopy(QPainter& p)
{
    // The original page behind, its copy in front and lower right.
    shape(p, {{1, 0}, {7, 0}, {9, 2}, {9, 11}, {1, 11}}, kWhite, kBlack);
    writing(p, 3, 3, 4, 4, kGray);
    shape(p, {{6, 4}, {12, 4}, {14, 6}, {14, 15}, {6, 15}}, kWhite, kBlack);
    writing(p, 8, 7, 5, 4, kNavy);
}

void paintPaste(QPainter& p)
{
    // A clipboard with its clip, and the page about to be laid on it.
    box(p, QRect(1, 2, 11, 13), kBoard, kBoardEdge);
    box(p, QRect(3, 4, 7, 9), kSilver, kBoard);
    box(p, QRect(4, 0, 5, 4), kSilver, kBlack);
    fill(p, 5, 1, 3, 1, kGray);
    shape(p, {{7, 6}, {13, 6}, {15, 8}, {15, 15}, {7, 15}}, kWhite, kBlack);
    writing(p, 9, 9, 4, 3, kTeal);
}

void paintTool(QPainter& p, NotePictures::Tool tool)
{
    using Tool = NotePictures::Tool;
    switch (tool) {
    case Tool::New:
        paintNew(p);
        return;
    case Tool::Open:
        paintOpen(p);
        return;
    case Tool::Save:
        paintSave(p);
        return;
    case Tool::Print:
        paintPrint(p);
        return;
    case Tool::Cut:
        paintCut(p);
        return;
    case Tool::Copy:
        paintCopy(p);
        return;
    case Tool::Paste:
        paintPaste(p);
        return;
    }
}
} // namespace

QPixmap NotePictures::plainNote(qreal devicePixelRatio)
{
    return notePixmap(devicePixelRatio, false);
}

QPixmap NotePictures::selectedNote(qreal devicePixelRatio)
{
    return notePixmap(devicePixelRatio, true);
}

QIcon NotePictures::toolIcon(Tool tool)
{
    QIcon icon;
    for (const qreal ratio : kToolRatios) {
        QPixmap pixmap = blankPixmap(kToolSize, ratio);
        {
            QPainter p(&pixmap);
            paintTool(p, tool);
        }
        icon.addPixmap(pixmap);
    }
    return icon;
}
