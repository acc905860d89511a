#pragma once

#include <QFrame>

class QLabel;
class PictureControl;

/// The sliding icon strip `picIcons`: a panel with the arrow `Image2` and six blank buttons that slides over
/// the board's bottom row (open) or parks at its right edge, where only the arrow shows.
class IconStrip final : public QFrame
{
    Q_OBJECT

public:
    static constexpr double kOpenLeft = 0;
    static constexpr double kParkedLeft = 2235;
    static constexpr double kTop = 1425;

    /// `picturesDir` holds the two arrow pictures, drawn at `pixelRatio`. The strip starts at its design place,
    /// almost wholly below the board's lower edge, once it is on the board.
    IconStrip(const QString& picturesDir, qreal pixelRatio);

    /// Arrow click: opens a parked strip (or one still at its design place) and parks an open one.
    void Image2_Click();
    double leftTwips() const { return m_left; }
    double topTwips() const { return m_top; }

private:
    void place(double left, double top);

    double m_left = 0;
    double m_top = 0;
    PictureControl* Image2 = nullptr;
    QLabel* Image3 = nullptr; // the arrow while parked
    QLabel* Image4 = nullptr; // the arrow while open
};
