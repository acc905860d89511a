#include "launch/IconStrip.h"

#include <QLabel>
#include <QPushButton>

#include "core/AccessibleRole.h"
#include "core/PictureControl.h"
#include "core/ShippedPicture.h"
#include "core/Twips.h"

namespace
{
constexpr double kWidth = 2400;
constexpr double kHeight = 390;
constexpr double kDesignLeft = -15;
constexpr double kDesignTop = 1725;
constexpr double kArrowLeft = 30;
constexpr double kArrowTop = 15;
constexpr double kArrowWidth = 105;
constexpr double kArrowHeight = 345;
constexpr int kButtonCount = 6;
constexpr double kButtonGap = 30;
} // namespace

IconStrip::IconStrip(const QString& picturesDir, qreal pixelRatio)
    : QFrame(nullptr)
{
    setObjectName(QStringLiteral("picIcons"));
    setAccessibleName(tr("Icon strip"));
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);
    setAutoFillBackground(true);
    // The strip is a panel of its own: presses, moves and releases on it never reach the board under it.
    setAttribute(Qt::WA_NoMousePropagation);
    resize(Twips::sizeToPixels(kWidth, kHeight));

    const auto hiddenPicture = [&](const char* name, const char* file) {
        auto* label = new QLabel(this);
        label->setObjectName(QString::fromLatin1(name));
        label->setPixmap(ShippedPicture::load(picturesDir + QString::fromLatin1(file), pixelRatio));
        label->hide();
        return label;
    };
    Image3 = hiddenPicture("Image3", "arrow-left.png");
    Image4 = hiddenPicture("Image4", "arrow-right.png");

    Image2 = new PictureControl(QStringLiteral("Image2"), this);
    Image2->setAccessibleName(tr("Icon strip arrow"));
    AccessibleRole::set(*Image2, QAccessible::Button);
    Image2->setPixmap(Image3->pixmap());
    Image2->setGeometry(Twips::rectToPixels(kArrowLeft, kArrowTop, kArrowWidth, kArrowHeight));
    connect(Image2, &PictureControl::clicked, this, [this](Qt::MouseButton button) {
        if (button == Qt::LeftButton)
            Image2_Click();
    });

    // The buttons carry no action; they fill the rest of the strip in equal widths.
    const double first = kArrowLeft + kArrowWidth + kButtonGap;
    const double width = (kWidth - first - kButtonGap) / kButtonCount - kButtonGap;
    for (int i = 0; i < kButtonCount; ++i) {
        auto* button = new QPushButton(this);
        button->setObjectName(QStringLiteral("stripButton%1").arg(i + 1));
        button->setAccessibleName(tr("Empty button %1").arg(i + 1));
        button->setFocusPolicy(Qt::NoFocus);
        button->setGeometry(Twips::rectToPixels(first + i * (width + kButtonGap), kArrowTop, width, kArrowHeight));
    }
    place(kDesignLeft, kDesignTop);
}

void IconStrip::Image2_Click()
{
    if (m_left == kOpenLeft) {
        place(kParkedLeft, m_top);
        Image2->setPixmap(Image3->pixmap());
    } else {
        place(kOpenLeft, m_top);
        Image2->setPixmap(Image4->pixmap());
    }
    place(m_left, kTop);
}

void IconStrip::place(double left, double top)
{
    m_left = left;
    m_top = top;
    move(Twips::toPixels(left, top));
}
