#include "core/RoomForText.h"

#include <algorithm>
#include <climits>
#include <cmath>

#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QStyleOptionGroupBox>
#include <QTextDocument>

namespace
{
constexpr double kReadable = 4.5;
// Beside a control that grew, the gap to what follows on its row is kept, up to this many pixels.
constexpr int kGap = 6;

/// Controls that draw their own insides; every other widget with children is a frame to look into.
bool isFrame(const QWidget* widget)
{
    return !widget->isWindow() && qobject_cast<const QAbstractScrollArea*>(widget) == nullptr &&
           qobject_cast<const QComboBox*>(widget) == nullptr && qobject_cast<const QLineEdit*>(widget) == nullptr &&
           qobject_cast<const QAbstractSpinBox*>(widget) == nullptr &&
           qobject_cast<const QAbstractButton*>(widget) == nullptr && qobject_cast<const QLabel*>(widget) == nullptr &&
           qobject_cast<const QMenuBar*>(widget) == nullptr;
}

bool sameRow(const QRect& first, const QRect& second)
{
    return first.top() < second.bottom() && second.top() < first.bottom();
}

int labelWidth(const QLabel* label)
{
    const QString text = label->text();
    if (text.isEmpty() || label->wordWrap())
        return 0;
    int width = 0;
    if (label->textFormat() == Qt::RichText || (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(text))) {
        QTextDocument document;
        document.setDefaultFont(label->font());
        document.setDocumentMargin(0);
        document.setHtml(text);
        width = static_cast<int>(std::ceil(document.idealWidth()));
    } else {
        // The access key's "&" shows only when the label has a buddy to pass the focus to.
        width = label->fontMetrics().size(label->buddy() != nullptr ? Qt::TextShowMnemonic : 0, text).width();
    }
    const int indent = label->indent() >= 0      ? label->indent()
                       : label->frameWidth() > 0 ? label->fontMetrics().horizontalAdvance(u'x') / 2
                                                 : 0;
    return width + label->width() - label->contentsRect().width() + 2 * label->margin() + indent;
}

int pushButtonWidth(const QPushButton* button)
{
    if (button->text().isEmpty())
        return 0;
    QStyleOptionButton option;
    option.initFrom(button);
    if (button->autoDefault() || button->isDefault())
        option.features |= QStyleOptionButton::AutoDefaultButton;
    const QRect contents = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
    int text = button->fontMetrics().size(Qt::TextShowMnemonic, button->text()).width();
    if (!button->icon().isNull())
        text += button->iconSize().width() + 4;
    return text + button->width() - contents.width() +
           2 * button->style()->pixelMetric(QStyle::PM_ButtonMargin, &option, button);
}

int groupBoxWidth(const QGroupBox* box)
{
    if (box->title().isEmpty())
        return 0;
    QStyleOptionGroupBox option;
    option.initFrom(box);
    option.text = box->title();
    option.lineWidth = 1;
    option.textAlignment = box->alignment();
    option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    if (box->isCheckable())
        option.subControls |= QStyle::SC_GroupBoxCheckBox;
    const QRect caption = box->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, box);
    // As much room after the caption as before it.
    return caption.right() + 1 + caption.left();
}

int comboBoxWidth(const QComboBox* box)
{
    int widest = 0;
    for (int item = 0; item < box->count(); ++item)
        widest = std::max(widest, box->fontMetrics().horizontalAdvance(box->itemText(item)));
    if (widest == 0)
        return 0;
    QStyleOptionComboBox option;
    option.initFrom(box);
    option.editable = box->isEditable();
    option.frame = box->hasFrame();
    const QRect field = box->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, box);
    return widest + 2 + box->width() - field.width();
}

int listWidth(const QListView* list)
{
    if (list->model() == nullptr || list->model()->rowCount() == 0)
        return 0;
    // The widest entry, the frame and the scroll bar that shows when the entries are more than the list's height.
    int width = list->sizeHintForColumn(0) + 2 * list->frameWidth();
    if (list->verticalScrollBarPolicy() != Qt::ScrollBarAlwaysOff)
        width += list->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, list);
    return width;
}

/// Widens `control` to `width` and moves what lies to its right on its row, with the columns they stand in.
void widen(QWidget* control, int width, const QList<QWidget*>& siblings)
{
    const QRect old = control->geometry();
    control->resize(width, old.height());
    QList<QWidget*> moving;
    int nearest = INT_MAX;
    for (QWidget* sibling : siblings) {
        if (sibling != control && sibling->x() > old.right() && sameRow(sibling->geometry(), old)) {
            moving.append(sibling);
            nearest = std::min(nearest, sibling->x());
        }
    }
    if (moving.isEmpty())
        return;
    const int gap = std::min(kGap, nearest - old.right() - 1);
    const int shift = old.x() + width + gap - nearest;
    if (shift <= 0)
        return;
    for (qsizetype next = 0; next < moving.size(); ++next) {
        const QWidget* mover = moving.at(next);
        for (QWidget* sibling : siblings) {
            if (sibling == control || moving.contains(sibling))
                continue;
            if (sibling->x() == mover->x() ||
                (sibling->x() >= mover->x() && sameRow(sibling->geometry(), mover->geometry())))
                moving.append(sibling);
        }
    }
    for (QWidget* mover : moving)
        mover->move(mover->x() + shift, mover->y());
}

/// Fits the controls inside `frame`, then makes `frame` wide enough for them, keeping its designed right margin.
void fitInside(QWidget* frame)
{
    QList<QWidget*> children;
    for (QWidget* child : frame->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!child->isWindow() && qobject_cast<QMenuBar*>(child) == nullptr)
            children.append(child);
    }
    // Left to right, so that what moves has been moved before its own caption is measured.
    std::stable_sort(
        children.begin(), children.end(), [](const QWidget* a, const QWidget* b) { return a->x() < b->x(); });
    int furthest = 0;
    for (const QWidget* child : children)
        furthest = std::max(furthest, child->geometry().right() + 1);
    const int margin = std::max(0, frame->width() - furthest);

    for (QWidget* child : children) {
        const QRect designed = child->geometry();
        if (isFrame(child))
            fitInside(child);
        const int needed = std::max(child->width(), RoomForText::neededWidth(child));
        child->setGeometry(designed);
        if (needed > designed.width())
            widen(child, needed, children);
    }

    furthest = 0;
    for (const QWidget* child : children)
        furthest = std::max(furthest, child->geometry().right() + 1);
    const int width = furthest + margin;
    if (width <= frame->width())
        return;
    if (!frame->isWindow()) {
        frame->resize(width, frame->height());
    } else if (frame->minimumWidth() == frame->maximumWidth()) {
        frame->setFixedWidth(width);
    } else {
        frame->setMinimumWidth(width);
        frame->resize(width, frame->height());
    }
}

double luminance(const QColor& colour)
{
    const auto linear = [](double value) {
        return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
    };
    const QColor rgb = colour.toRgb();
    return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) + 0.0722 * linear(rgb.blueF());
}
} // namespace

int RoomForText::neededWidth(const QWidget* control)
{
    if (const auto* label = qobject_cast<const QLabel*>(control))
        return labelWidth(label);
    if (const auto* button = qobject_cast<const QPushButton*>(control))
        return pushButtonWidth(button);
    if (qobject_cast<const QCheckBox*>(control) != nullptr || qobject_cast<const QRadioButton*>(control) != nullptr)
        return static_cast<const QAbstractButton*>(control)->text().isEmpty() ? 0 : control->sizeHint().width();
    if (const auto* box = qobject_cast<const QGroupBox*>(control))
        return groupBoxWidth(box);
    if (const auto* box = qobject_cast<const QComboBox*>(control))
        return comboBoxWidth(box);
    if (const auto* list = qobject_cast<const QListView*>(control))
        return listWidth(list);
    return 0;
}

int RoomForText::fitWindow(QWidget* window)
{
    const int before = window->width();
    fitInside(window);
    return window->width() - before;
}

double RoomForText::contrast(const QColor& first, const QColor& second)
{
    const double a = luminance(first);
    const double b = luminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

QColor RoomForText::readableOn(const QColor& wanted, const QColor& background)
{
    if (contrast(wanted, background) >= kReadable)
        return wanted;
    const QColor towards =
        contrast(QColor(Qt::black), background) >= contrast(QColor(Qt::white), background) ? Qt::black : Qt::white;
    constexpr int kSteps = 32;
    for (int step = 1; step < kSteps; ++step) {
        const double part = static_cast<double>(step) / kSteps;
        const QColor mixed =
            QColor::fromRgbF(static_cast<float>(wanted.redF() + (towards.redF() - wanted.redF()) * part),
                             static_cast<float>(wanted.greenF() + (towards.greenF() - wanted.greenF()) * part),
                             static_cast<float>(wanted.blueF() + (towards.blueF() - wanted.blueF()) * part));
        if (contrast(mixed, background) >= kReadable)
            return mixed;
    }
    return towards;
}
