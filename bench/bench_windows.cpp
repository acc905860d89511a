// How fast each window of the board menu opens: for the preferences, net search, tip of the day, about and credits
// windows, the time from triggering the window's item of the real board menu (QAction::trigger() on the board's
// item) to the window's first frame on the screen (its first paint event, the paints of all its widgets and the
// flush to the display done), against a bare QDialog holding widgets of the same classes, texts, fonts and places,
// built, shown and painted alike. The frame, not the window's own first paint event: a window that lays out its
// texts before it shows (measuring them, and so loading their fonts) pays before that event for what the bare
// dialog pays after it, while its widgets paint.
//
// Both start the board as the program does (the splash, its pause, the board) and then measure one of two ways:
// - Warm: each window is opened once (its first opening in the process), then `runs` times more, alternating with
//   its reference, the window closed (and so deleted, where it deletes itself on close) between openings. Prints
//   one "figure" and one "target" line per window, from the openings after the first.
// - Cold: one window, or its reference, opened once in this fresh process, which is how a person first sees it;
//   prints "cold <figure> <ms>". The window's opening writes the window's shape to a file, from which a later
//   process builds the reference. bench/run starts several such processes per window and compares the medians:
//   the first opening in one process pays for what any first window pays for (style, fonts, text), and a
//   reference opened after its window in the same process would not.
// The about window is modal: its item does not return until the window closes, so the paint is caught from inside
// its nested event loop and a zero timer closes it from there. Notes on where the time goes are printed to
// stderr. Needs a display with a window manager (bench/run starts Xvfb and openbox).
//
// Usage: bench_windows <data directory> [runs]
//        bench_windows <data directory> --cold-window|--cold-reference <figure> <shape file>
//   The data directory is a copy of the staged program folder; the windows read and write their files there.

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <map>
#include <memory>
#include <optional>
#include <vector>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDataStream>
#include <QDialog>
#include <QEventLoop>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTextEdit>
#include <QTimer>

#include "WithDialogs.h"
#include "app/BoardStart.h"
#include "app/RealPlatform.h"
#include "app/Translations.h"
#include "app/frmSplash.h"
#include "board/Form1.h"
#include "core/DataDir.h"
#include "info/Tips.h"
#include "info/TipsetFile.h"
#include "info/frmTip.h"
#include "platform/Dialogs.h"
#include "platform/Platform.h"
#include "platform/SettingsStore.h"

namespace
{
constexpr double kRatioTarget = 1.5;
constexpr int kDefaultRuns = 11;
constexpr double kFrameMs = 1000.0 / 60.0;
constexpr int kPaintTimeoutMs = 5000;
// After a window closes: long enough for its deletion and for the window manager to unmap it.
constexpr int kSettleMs = 120;
const auto kReferenceName = QStringLiteral("benchReference");

qint64 monotonicNs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<qint64>(now.tv_sec) * 1000000000LL + static_cast<qint64>(now.tv_nsec);
}

double median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const std::size_t mid = values.size() / 2;
    return values.size() % 2 != 0 ? values[mid] : (values[mid - 1] + values[mid]) / 2;
}

void printFigure(const QString& name, double value, double reference)
{
    std::printf("figure %s: %.1f ms, reference %.1f ms, ratio %.2f\n",
                qPrintable(name),
                value,
                reference,
                reference > 0 ? value / reference : 0.0);
}

// Lets events run for `ms` milliseconds.
void settle(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// Takes every message box as a failure of the run: none of these windows asks anything while it opens, and a
// real box would wait for a user.
class NoDialogs final : public Dialogs
{
public:
    int boxes = 0;

    MessageAnswer message(const MessageRequest& request) override
    {
        ++boxes;
        std::fprintf(stderr, "message box: %s\n", qPrintable(request.text));
        return MessageAnswer::Ok;
    }
    std::optional<QString> input(const QString&, const QString&, const QString&) override
    {
        ++boxes;
        return {};
    }
    std::optional<QString> openFile(const OpenFileRequest&) override
    {
        ++boxes;
        return {};
    }
    std::optional<QColor> chooseColour(const QColor&, const QString&) override
    {
        ++boxes;
        return {};
    }
    bool print(const PrintRequest&) override
    {
        ++boxes;
        return false;
    }
};

// --------------------------------------------------------------------------------------------------------------
// The reference: a description of a window's widgets, and a bare QDialog built from it.

// One widget of a window as the reference rebuilds it: its standard class (or a plain QWidget for any other),
// text, place, state and, for containers, its children.
struct WidgetShape
{
    enum class Kind
    {
        PushButton,
        CheckBox,
        RadioButton,
        Label,
        LineEdit,
        ComboBox,
        GroupBox,
        ListWidget,
        PlainTextEdit,
        TextEdit,
        Plain, // QWidget, and any class of the program's own (its painted pictures): an empty widget in its place
    };
    Kind kind = Kind::Plain;
    QString text;
    QStringList items;
    int current = -1;
    QRect geometry;
    std::optional<QFont> font;
    bool hidden = false;
    bool enabled = true;
    bool checked = false;
    bool flag = false; // read-only for the text boxes, word wrap for a label, default for a push button
    Qt::Alignment alignment;
    bool fillsBackground = false;
    std::vector<WidgetShape> children;
};

struct WindowShape
{
    QString title;
    QSize size;
    bool fixedSize = false;
    std::optional<QFont> font;
    std::vector<WidgetShape> children;
};

const char* kindName(WidgetShape::Kind kind)
{
    switch (kind) {
    case WidgetShape::Kind::PushButton:
        return "QPushButton";
    case WidgetShape::Kind::CheckBox:
        return "QCheckBox";
    case WidgetShape::Kind::RadioButton:
        return "QRadioButton";
    case WidgetShape::Kind::Label:
        return "QLabel";
    case WidgetShape::Kind::LineEdit:
        return "QLineEdit";
    case WidgetShape::Kind::ComboBox:
        return "QComboBox";
    case WidgetShape::Kind::GroupBox:
        return "QGroupBox";
    case WidgetShape::Kind::ListWidget:
        return "QListWidget";
    case WidgetShape::Kind::PlainTextEdit:
        return "QPlainTextEdit";
    case WidgetShape::Kind::TextEdit:
        return "QTextEdit";
    case WidgetShape::Kind::Plain:
        break;
    }
    return "QWidget";
}

std::vector<WidgetShape> describeChildren(const QWidget* parent);

WidgetShape describe(const QWidget* widget)
{
    WidgetShape shape;
    shape.geometry = widget->geometry();
    shape.hidden = widget->isHidden();
    shape.enabled = widget->isEnabled();
    shape.fillsBackground = widget->autoFillBackground();
    if (widget->testAttribute(Qt::WA_SetFont))
        shape.font = widget->font();
    bool container = false;
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
        shape.text = button->text();
        shape.checked = button->isChecked();
        if (const auto* push = qobject_cast<const QPushButton*>(widget)) {
            shape.kind = WidgetShape::Kind::PushButton;
            shape.flag = push->isDefault();
        } else if (qobject_cast<const QCheckBox*>(widget) != nullptr) {
            shape.kind = WidgetShape::Kind::CheckBox;
        } else if (qobject_cast<const QRadioButton*>(widget) != nullptr) {
            shape.kind = WidgetShape::Kind::RadioButton;
        }
    } else if (const auto* label = qobject_cast<const QLabel*>(widget)) {
        shape.kind = WidgetShape::Kind::Label;
        shape.text = label->text();
        shape.flag = label->wordWrap();
        shape.alignment = label->alignment();
    } else if (const auto* line = qobject_cast<const QLineEdit*>(widget)) {
        shape.kind = WidgetShape::Kind::LineEdit;
        shape.text = line->text();
        shape.flag = line->isReadOnly();
    } else if (const auto* combo = qobject_cast<const QComboBox*>(widget)) {
        shape.kind = WidgetShape::Kind::ComboBox;
        for (int i = 0; i < combo->count(); ++i)
            shape.items << combo->itemText(i);
        shape.current = combo->currentIndex();
    } else if (const auto* group = qobject_cast<const QGroupBox*>(widget)) {
        shape.kind = WidgetShape::Kind::GroupBox;
        shape.text = group->title();
        container = true;
    } else if (const auto* list = qobject_cast<const QListWidget*>(widget)) {
        shape.kind = WidgetShape::Kind::ListWidget;
        for (int i = 0; i < list->count(); ++i)
            shape.items << list->item(i)->text();
        shape.current = list->currentRow();
    } else if (const auto* plain = qobject_cast<const QPlainTextEdit*>(widget)) {
        shape.kind = WidgetShape::Kind::PlainTextEdit;
        shape.text = plain->toPlainText();
        shape.flag = plain->isReadOnly();
    } else if (const auto* rich = qobject_cast<const QTextEdit*>(widget)) {
        shape.kind = WidgetShape::Kind::TextEdit;
        shape.text = rich->toPlainText();
        shape.flag = rich->isReadOnly();
    } else {
        container = true;
    }
    // The standard classes other than the group box build their inner widgets (view ports, scroll bars, popups)
    // themselves; the reference's copies build the same ones.
    if (container)
        shape.children = describeChildren(widget);
    return shape;
}

std::vector<WidgetShape> describeChildren(const QWidget* parent)
{
    std::vector<WidgetShape> shapes;
    for (const QObject* child : parent->children()) {
        const auto* widget = qobject_cast<const QWidget*>(child);
        if (widget != nullptr && !widget->isWindow())
            shapes.push_back(describe(widget));
    }
    return shapes;
}

WindowShape describeWindow(const QWidget* window)
{
    WindowShape shape;
    shape.title = window->windowTitle();
    shape.size = window->size();
    shape.fixedSize = window->minimumSize() == window->maximumSize();
    if (window->testAttribute(Qt::WA_SetFont))
        shape.font = window->font();
    shape.children = describeChildren(window);
    return shape;
}

void countKinds(const std::vector<WidgetShape>& shapes, std::map<QString, int>& counts)
{
    for (const WidgetShape& shape : shapes) {
        ++counts[QString::fromLatin1(kindName(shape.kind))];
        countKinds(shape.children, counts);
    }
}

QWidget* build(const WidgetShape& shape, QWidget* parent)
{
    QWidget* widget = nullptr;
    switch (shape.kind) {
    case WidgetShape::Kind::PushButton: {
        auto* button = new QPushButton(shape.text, parent);
        button->setDefault(shape.flag);
        widget = button;
        break;
    }
    case WidgetShape::Kind::CheckBox: {
        auto* box = new QCheckBox(shape.text, parent);
        box->setChecked(shape.checked);
        widget = box;
        break;
    }
    case WidgetShape::Kind::RadioButton: {
        auto* option = new QRadioButton(shape.text, parent);
        option->setChecked(shape.checked);
        widget = option;
        break;
    }
    case WidgetShape::Kind::Label: {
        auto* label = new QLabel(shape.text, parent);
        label->setWordWrap(shape.flag);
        label->setAlignment(shape.alignment);
        widget = label;
        break;
    }
    case WidgetShape::Kind::LineEdit: {
        auto* line = new QLineEdit(shape.text, parent);
        line->setReadOnly(shape.flag);
        widget = line;
        break;
    }
    case WidgetShape::Kind::ComboBox: {
        auto* combo = new QComboBox(parent);
        combo->addItems(shape.items);
        combo->setCurrentIndex(shape.current);
        widget = combo;
        break;
    }
    case WidgetShape::Kind::GroupBox:
        widget = new QGroupBox(shape.text, parent);
        break;
    case WidgetShape::Kind::ListWidget: {
        auto* list = new QListWidget(parent);
        list->addItems(shape.items);
        list->setCurrentRow(shape.current);
        widget = list;
        break;
    }
    case WidgetShape::Kind::PlainTextEdit: {
        auto* text = new QPlainTextEdit(shape.text, parent);
        text->setReadOnly(shape.flag);
        widget = text;
        break;
    }
    case WidgetShape::Kind::TextEdit: {
        auto* text = new QTextEdit(parent);
        text->setPlainText(shape.text);
        text->setReadOnly(shape.flag);
        widget = text;
        break;
    }
    case WidgetShape::Kind::Plain:
        widget = new QWidget(parent);
        widget->setAutoFillBackground(shape.fillsBackground);
        break;
    }
    if (shape.font)
        widget->setFont(*shape.font);
    widget->setGeometry(shape.geometry);
    widget->setEnabled(shape.enabled);
    if (shape.hidden)
        widget->hide();
    for (const WidgetShape& child : shape.children)
        build(child, widget);
    return widget;
}

QDialog* buildReference(const WindowShape& shape, QWidget* parent)
{
    auto* dialog = new QDialog(parent);
    dialog->setObjectName(kReferenceName);
    dialog->setWindowTitle(shape.title);
    if (shape.font)
        dialog->setFont(*shape.font);
    if (shape.fixedSize)
        dialog->setFixedSize(shape.size);
    else
        dialog->resize(shape.size);
    for (const WidgetShape& child : shape.children)
        build(child, dialog);
    return dialog;
}

// A window's shape goes from the process that opened the window to the process that opens its reference in a
// file: each cold opening runs in a fresh process of its own.
QDataStream& operator<<(QDataStream& out, const WidgetShape& shape)
{
    out << static_cast<qint32>(shape.kind) << shape.text << shape.items << static_cast<qint32>(shape.current)
        << shape.geometry << shape.font.has_value() << shape.font.value_or(QFont()) << shape.hidden << shape.enabled
        << shape.checked << shape.flag << static_cast<qint32>(shape.alignment.toInt()) << shape.fillsBackground
        << static_cast<qint32>(shape.children.size());
    for (const WidgetShape& child : shape.children)
        out << child;
    return out;
}

QDataStream& operator>>(QDataStream& in, WidgetShape& shape)
{
    qint32 kind = 0;
    qint32 current = 0;
    qint32 alignment = 0;
    qint32 children = 0;
    bool hasFont = false;
    QFont font;
    in >> kind >> shape.text >> shape.items >> current >> shape.geometry >> hasFont >> font >> shape.hidden >>
        shape.enabled >> shape.checked >> shape.flag >> alignment >> shape.fillsBackground >> children;
    shape.kind = static_cast<WidgetShape::Kind>(kind);
    shape.current = current;
    shape.alignment = Qt::Alignment::fromInt(alignment);
    if (hasFont)
        shape.font = font;
    shape.children.resize(in.status() == QDataStream::Ok ? static_cast<std::size_t>(std::clamp(children, 0, 1000)) : 0);
    for (WidgetShape& child : shape.children)
        in >> child;
    return in;
}

bool writeShape(const WindowShape& shape, const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    QDataStream out(&file);
    out << shape.title << shape.size << shape.fixedSize << shape.font.has_value() << shape.font.value_or(QFont())
        << static_cast<qint32>(shape.children.size());
    for (const WidgetShape& child : shape.children)
        out << child;
    return out.status() == QDataStream::Ok;
}

std::optional<WindowShape> readShape(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QDataStream in(&file);
    WindowShape shape;
    bool hasFont = false;
    QFont font;
    qint32 children = 0;
    in >> shape.title >> shape.size >> shape.fixedSize >> hasFont >> font >> children;
    if (hasFont)
        shape.font = font;
    shape.children.resize(static_cast<std::size_t>(std::clamp(children, 0, 1000)));
    for (WidgetShape& child : shape.children)
        in >> child;
    if (in.status() != QDataStream::Ok)
        return std::nullopt;
    return shape;
}

// --------------------------------------------------------------------------------------------------------------
// Catching a window's show and first paint

// An application event filter that notes when the top-level window named `name` is shown and first painted, and
// when that first frame is done (the zero timer it posts at the paint runs once the window and all its children
// have painted and the frame has been handed to the X server). For a modal window it then closes the window from
// inside its own event loop.
class OpeningClock final : public QObject
{
public:
    struct Times
    {
        qint64 shownNs = -1;
        qint64 paintedNs = -1;
        qint64 frameDoneNs = -1;
        QPointer<QWidget> window;
        int childWidgets = 0;
        std::optional<WindowShape> shape;
    };

    void arm(const QString& name, bool modal, bool wantShape)
    {
        m_name = name;
        m_modal = modal;
        m_wantShape = wantShape;
        m_times = Times{};
        m_loop = nullptr;
    }
    void disarm() { m_name.clear(); }
    const Times& times() const { return m_times; }
    bool done() const { return m_times.frameDoneNs >= 0; }

    // Runs events until the first frame is done or the time-out passes.
    void waitForFrame()
    {
        if (done())
            return;
        QEventLoop loop;
        m_loop = &loop;
        QTimer::singleShot(kPaintTimeoutMs, &loop, &QEventLoop::quit);
        loop.exec();
        m_loop = nullptr;
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        const QEvent::Type type = event->type();
        if ((type != QEvent::Paint && type != QEvent::Show) || m_name.isEmpty() || !watched->isWidgetType())
            return false;
        auto* widget = static_cast<QWidget*>(watched);
        if (!widget->isWindow() || widget->objectName() != m_name)
            return false;
        const qint64 now = monotonicNs();
        if (type == QEvent::Show) {
            if (m_times.shownNs < 0)
                m_times.shownNs = now;
            return false;
        }
        if (m_times.paintedNs >= 0)
            return false;
        m_times.paintedNs = now;
        m_times.window = widget;
        QTimer::singleShot(0, this, [this] { frameDone(); });
        return false;
    }

private:
    void frameDone()
    {
        m_times.frameDoneNs = monotonicNs();
        QWidget* window = m_times.window;
        if (window != nullptr) {
            m_times.childWidgets = static_cast<int>(window->findChildren<QWidget*>().size());
            if (m_wantShape)
                m_times.shape = describeWindow(window);
            // A modal window is still inside its exec(); closing it ends that loop and lets the trigger return.
            if (m_modal)
                window->close();
        }
        if (m_loop != nullptr)
            m_loop->quit();
    }

    QString m_name;
    bool m_modal = false;
    bool m_wantShape = false;
    Times m_times;
    QEventLoop* m_loop = nullptr;
};

// --------------------------------------------------------------------------------------------------------------
// The measure

struct BoardWindow
{
    const char* figure;
    const char* name; // the window's objectName
    const char* item; // the board menu item's objectName
    bool modal;
};

constexpr BoardWindow kWindows[] = {
    {"window-pref", "frmPref", "mnuPref", false},
    {"window-netsearch", "frmnetsearch", "mnunetsearch", false},
    {"window-tip", "frmTip", "mnutips", false},
    {"window-about", "frmAbout", "mnuAbout", true},
    {"window-credits", "frmCredits", "mnucredits", false},
};

// One opening: ms from the start to the first frame, plus its parts for the log.
struct Opening
{
    double toPaintMs = -1;
    double toFrameMs = -1; // the figure: the window on the screen, all its widgets painted
    double toShowMs = -1;
    double showToPaintMs = -1;
    double paintToFrameMs = -1;
};

Opening openingOf(const OpeningClock::Times& times, qint64 beginNs)
{
    Opening opening;
    if (times.paintedNs < 0 || times.frameDoneNs < 0)
        return opening;
    opening.toPaintMs = static_cast<double>(times.paintedNs - beginNs) / 1e6;
    opening.toFrameMs = static_cast<double>(times.frameDoneNs - beginNs) / 1e6;
    opening.toShowMs = static_cast<double>(times.shownNs - beginNs) / 1e6;
    opening.showToPaintMs = static_cast<double>(times.paintedNs - times.shownNs) / 1e6;
    opening.paintToFrameMs = static_cast<double>(times.frameDoneNs - times.paintedNs) / 1e6;
    return opening;
}

bool isBuilt(const char* name)
{
    const QString wanted = QString::fromLatin1(name);
    const QWidgetList windows = QApplication::allWidgets();
    return std::any_of(windows.begin(), windows.end(), [&](const QWidget* w) { return w->objectName() == wanted; });
}

// Triggers the board's item and waits for the window's first frame; then closes the window and lets its
// deletion and the unmapping run. `deleted` tells whether the window was gone after that.
Opening openWindow(OpeningClock& clock, QAction& item, const BoardWindow& window, bool wantShape, bool& deleted)
{
    clock.arm(QString::fromLatin1(window.name), window.modal, wantShape);
    // A modal window that never paints would hold the trigger forever: this closes it after the time-out.
    QTimer rescue;
    rescue.setSingleShot(true);
    QObject::connect(&rescue, &QTimer::timeout, [] {
        if (QWidget* modal = QApplication::activeModalWidget())
            modal->close();
    });
    if (window.modal)
        rescue.start(kPaintTimeoutMs);
    const qint64 begin = monotonicNs();
    item.trigger();
    clock.waitForFrame();
    rescue.stop();
    const Opening opening = openingOf(clock.times(), begin);
    QPointer<QWidget> shown = clock.times().window;
    clock.disarm();
    // Closed from inside an event loop, as a click on its Close or Cancel does: a window that deletes itself on
    // close does so with deleteLater(), which waits for an event loop to return to.
    if (shown != nullptr && !window.modal)
        QTimer::singleShot(0, shown, &QWidget::close);
    settle(kSettleMs);
    deleted = shown == nullptr;
    return opening;
}

// Builds the reference dialog from the window's shape, shows it (modal, as exec() in a nested loop, when the
// window is), waits for its first frame, and deletes it.
Opening openReference(OpeningClock& clock, const WindowShape& shape, bool modal, QWidget& board)
{
    clock.arm(kReferenceName, modal, false);
    const qint64 begin = monotonicNs();
    QDialog* dialog = buildReference(shape, modal ? &board : nullptr);
    if (modal) {
        QTimer rescue;
        rescue.setSingleShot(true);
        QObject::connect(&rescue, &QTimer::timeout, dialog, &QDialog::reject);
        rescue.start(kPaintTimeoutMs);
        dialog->exec();
    } else {
        dialog->show();
        clock.waitForFrame();
    }
    const Opening opening = openingOf(clock.times(), begin);
    clock.disarm();
    delete dialog;
    settle(kSettleMs);
    return opening;
}

struct Result
{
    Opening first;
    Opening firstReference;
    std::vector<Opening> warm;
    std::vector<Opening> warmReference;
};

std::vector<double> pick(const std::vector<Opening>& openings, double Opening::*part)
{
    std::vector<double> values;
    for (const Opening& opening : openings)
        values.push_back(opening.*part);
    return values;
}

bool measureWindow(OpeningClock& clock, Form1& board, const BoardWindow& window, int runs, Result& result)
{
    auto* item = board.boardMenu()->findChild<QAction*>(QString::fromLatin1(window.item));
    if (item == nullptr || !item->isEnabled()) {
        std::fprintf(stderr, "%s: the board menu has no enabled item %s\n", window.figure, window.item);
        return false;
    }
    std::fprintf(stderr,
                 "%s: %s built before its first opening: %s\n",
                 window.figure,
                 window.name,
                 isBuilt(window.name) ? "yes" : "no");

    bool deleted = false;
    result.first = openWindow(clock, *item, window, true, deleted);
    if (result.first.toPaintMs < 0 || !clock.times().shape) {
        std::fprintf(stderr, "%s: %s did not paint within %d ms\n", window.figure, window.name, kPaintTimeoutMs);
        return false;
    }
    const WindowShape shape = *clock.times().shape;
    const int windowChildren = clock.times().childWidgets;
    if (window.modal)
        std::fprintf(stderr,
                     "%s: %s lives on the stack of its item's handler: gone when the item returns\n",
                     window.figure,
                     window.name);
    else
        std::fprintf(
            stderr, "%s: %s %s on close\n", window.figure, window.name, deleted ? "deleted" : "kept (not deleted)");

    result.firstReference = openReference(clock, shape, window.modal, board);
    if (result.firstReference.toPaintMs < 0) {
        std::fprintf(stderr, "%s: the reference did not paint\n", window.figure);
        return false;
    }
    const int referenceChildren = clock.times().childWidgets;

    std::map<QString, int> counts;
    countKinds(shape.children, counts);
    QString summary;
    for (const auto& [kind, count] : counts)
        summary += QStringLiteral(" %1 %2").arg(count).arg(kind);
    std::fprintf(stderr,
                 "%s: reference dialog:%s; findChildren<QWidget*>() counts %d in the window, %d in the dialog\n",
                 window.figure,
                 qPrintable(summary),
                 windowChildren,
                 referenceChildren);

    for (int run = 0; run < runs; ++run) {
        // Alternating spreads any drift of the machine evenly over both.
        const Opening opened = openWindow(clock, *item, window, false, deleted);
        const Opening reference = openReference(clock, shape, window.modal, board);
        if (opened.toPaintMs < 0 || reference.toPaintMs < 0) {
            std::fprintf(stderr, "%s: no paint within %d ms in opening %d\n", window.figure, kPaintTimeoutMs, run);
            return false;
        }
        result.warm.push_back(opened);
        result.warmReference.push_back(reference);
    }

    const auto parts = [](const char* who, const Opening& first, const std::vector<Opening>& warm) {
        std::fprintf(stderr,
                     "    %-9s first %.2f ms (to its show event %.2f, show to paint %.2f, paint to frame done %.2f); "
                     "median %.2f ms (%.2f, %.2f, %.2f)\n",
                     who,
                     first.toFrameMs,
                     first.toShowMs,
                     first.showToPaintMs,
                     first.paintToFrameMs,
                     median(pick(warm, &Opening::toFrameMs)),
                     median(pick(warm, &Opening::toShowMs)),
                     median(pick(warm, &Opening::showToPaintMs)),
                     median(pick(warm, &Opening::paintToFrameMs)));
    };
    std::fprintf(stderr, "%s: %d openings after the first:\n", window.figure, runs);
    parts(window.name, result.first, result.warm);
    parts("reference", result.firstReference, result.warmReference);
    return true;
}
// Where the tip window's opening spends its time outside Qt, for the log: its item and its check box each store
// tipset.dat (written to a temporary file, flushed to the disk, renamed), the check box also stores the setting
// through the settings store, and the tips file is read. Each piece is timed alone here, the same writes of the
// same values the window makes, in the same data folder.
void describeTipFiles(Platform& platform, const DataDir& dataDir, int runs)
{
    SettingsStore& settings = platform.settings;
    std::vector<double> tipset, setting, tips, built, loaded;
    const QString tipsPath = dataDir.file(QString::fromLatin1(Tips::kFileName));
    for (int run = 0; run < runs; ++run) {
        qint64 begin = monotonicNs();
        TipsetFile::write(dataDir, 1);
        tipset.push_back(static_cast<double>(monotonicNs() - begin) / 1e6);
        begin = monotonicNs();
        settings.setValue(QStringLiteral("Options"), QStringLiteral("Show Tips at Startup"), QStringLiteral("1"));
        setting.push_back(static_cast<double>(monotonicNs() - begin) / 1e6);
        begin = monotonicNs();
        const std::optional<QStringList> read = Tips::read(tipsPath);
        tips.push_back(static_cast<double>(monotonicNs() - begin) / 1e6);
        if (!read)
            std::fprintf(stderr, "window-tip: %s cannot be read\n", qPrintable(tipsPath));
        // The window's own two steps before it is shown: its constructor, and its load (which reads tipset.dat,
        // sets the check box, whose handler stores tipset.dat and the setting, and reads the tips).
        begin = monotonicNs();
        auto* window = new frmTip(platform, dataDir);
        built.push_back(static_cast<double>(monotonicNs() - begin) / 1e6);
        begin = monotonicNs();
        window->Form_Load();
        loaded.push_back(static_cast<double>(monotonicNs() - begin) / 1e6);
        delete window;
    }
    std::fprintf(stderr,
                 "window-tip: its file work, each piece alone, medians of %d: tipset.dat stored %.2f ms (twice per "
                 "opening), the setting stored %.2f ms, the tips file read %.2f ms; together %.2f ms per opening. "
                 "The window unshown: constructor %.2f ms, Form_Load %.2f ms\n",
                 runs,
                 median(tipset),
                 median(setting),
                 median(tips),
                 2 * median(tipset) + median(setting) + median(tips),
                 median(built),
                 median(loaded));
}
// The first opening of one window, or of its reference, in this fresh process: the cold figure. The window's
// opening writes the window's shape to `shapeFile`; the reference's reads it from there, so that no opening of the
// window warms the process the reference opens in. Prints "cold <figure> <ms>".
bool measureCold(OpeningClock& clock, Form1& board, const BoardWindow& window, bool reference, const QString& shapeFile)
{
    Opening opening;
    if (reference) {
        const std::optional<WindowShape> shape = readShape(shapeFile);
        if (!shape) {
            std::fprintf(stderr, "%s: cannot read the window's shape from %s\n", window.figure, qPrintable(shapeFile));
            return false;
        }
        opening = openReference(clock, *shape, window.modal, board);
    } else {
        auto* item = board.boardMenu()->findChild<QAction*>(QString::fromLatin1(window.item));
        if (item == nullptr || !item->isEnabled()) {
            std::fprintf(stderr, "%s: the board menu has no enabled item %s\n", window.figure, window.item);
            return false;
        }
        bool deleted = false;
        opening = openWindow(clock, *item, window, true, deleted);
        if (opening.toPaintMs >= 0 && !(clock.times().shape && writeShape(*clock.times().shape, shapeFile))) {
            std::fprintf(stderr, "%s: cannot write the window's shape to %s\n", window.figure, qPrintable(shapeFile));
            return false;
        }
    }
    if (opening.toPaintMs < 0) {
        std::fprintf(stderr, "%s: no paint within %d ms\n", window.figure, kPaintTimeoutMs);
        return false;
    }
    std::fprintf(stderr,
                 "%s: %s cold in a fresh process %.2f ms (to its show event %.2f, show to paint %.2f, paint to "
                 "frame done %.2f)\n",
                 window.figure,
                 reference ? "reference" : window.name,
                 opening.toFrameMs,
                 opening.toShowMs,
                 opening.showToPaintMs,
                 opening.paintToFrameMs);
    std::printf("cold %s %.3f\n", window.figure, opening.toFrameMs);
    return true;
}

const BoardWindow* windowOfFigure(const QString& figure)
{
    for (const BoardWindow& window : kWindows) {
        if (figure == QLatin1String(window.figure))
            return &window;
    }
    return nullptr;
}

// The board, started as the program starts it: the splash shown and painted (its picture, its animation and the
// "Loading..." text) and held for its pause while the board's window is built, then the board loaded and shown.
// A window's first opening then finds the process in the state a person's first opening finds it in.
struct StartedBoard
{
    std::unique_ptr<Form1> board;
    BoardFeatures features;
};

bool startBoard(Platform& platform, const DataDir& dataDir, StartedBoard& started)
{
    const auto prepare = [&] {
        if (started.board)
            return;
        started.board = std::make_unique<Form1>(platform, dataDir);
        started.features = buildFeatures(*started.board, platform, dataDir);
        started.board->winId();
    };
    frmSplash splash(platform, dataDir);
    return splash.Form_Load(
        [&] {
            prepare();
            loadBoard(*started.board, started.features, dataDir);
            started.board->show();
        },
        prepare);
}

const char* const kUsage =
    "usage: bench_windows <data directory> [runs]\n"
    "       bench_windows <data directory> --cold-window|--cold-reference <figure> <shape file>\n";
} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    if (argc < 2) {
        std::fprintf(stderr, "%s", kUsage);
        return 2;
    }
    const QString mode = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();
    const bool cold = mode.startsWith(QLatin1String("--cold-"));
    const BoardWindow* coldWindow = nullptr;
    int runs = kDefaultRuns;
    if (cold) {
        coldWindow = argc == 5 ? windowOfFigure(QString::fromLocal8Bit(argv[3])) : nullptr;
        if (coldWindow == nullptr ||
            (mode != QLatin1String("--cold-window") && mode != QLatin1String("--cold-reference"))) {
            std::fprintf(stderr, "%s", kUsage);
            return 2;
        }
    } else if (argc > 2) {
        runs = mode.toInt();
        if (runs < 1) {
            std::fprintf(stderr, "runs must be at least 1\n");
            return 2;
        }
    }
    const DataDir dataDir(QString::fromLocal8Bit(argv[1]));
    const Translations translations(dataDir);

    // The real facilities, except that a message box fails the run instead of waiting for a user.
    RealPlatform real(dataDir);
    NoDialogs dialogs;
    Platform platform = withDialogs(real.platform(), dialogs);

    // No tip window at start-up: the tip window's first opening is to be the one its item makes.
    if (!TipsetFile::write(dataDir, 0)) {
        std::fprintf(stderr, "cannot write tipset.dat in %s\n", argv[1]);
        return 1;
    }
    StartedBoard started;
    if (!startBoard(platform, dataDir, started)) {
        std::fprintf(stderr, "the board did not start (another instance of its data folder runs?)\n");
        return 1;
    }
    Form1& board = *started.board;
    settle(500);

    OpeningClock clock;
    app.installEventFilter(&clock);
    if (cold) {
        const bool measured = measureCold(
            clock, board, *coldWindow, mode == QLatin1String("--cold-reference"), QString::fromLocal8Bit(argv[4]));
        app.removeEventFilter(&clock);
        std::fflush(stdout);
        return measured && dialogs.boxes == 0 ? 0 : 1;
    }
    std::vector<Result> results;
    bool ok = true;
    for (const BoardWindow& window : kWindows) {
        Result result;
        if (!measureWindow(clock, board, window, runs, result)) {
            ok = false;
            break;
        }
        results.push_back(result);
    }
    app.removeEventFilter(&clock);
    if (ok)
        describeTipFiles(platform, dataDir, runs);
    if (dialogs.boxes != 0) {
        std::fprintf(stderr, "%d unexpected message boxes or dialogs\n", dialogs.boxes);
        ok = false;
    }
    if (!ok)
        return 1;

    for (std::size_t i = 0; i < results.size(); ++i) {
        const QString name = QString::fromLatin1(kWindows[i].figure);
        printFigure(name,
                    median(pick(results[i].warm, &Opening::toFrameMs)),
                    median(pick(results[i].warmReference, &Opening::toFrameMs)));
    }
    for (std::size_t i = 0; i < results.size(); ++i) {
        const double value = median(pick(results[i].warm, &Opening::toFrameMs));
        const double reference = median(pick(results[i].warmReference, &Opening::toFrameMs));
        std::printf("target %s: <= %.1fx the bare dialog (%.1f ms): %s\n",
                    kWindows[i].figure,
                    kRatioTarget,
                    kRatioTarget * reference,
                    value <= kRatioTarget * reference ? "met" : "NOT met");
        std::fprintf(stderr,
                     "%s: median %.1f ms, %s one frame at 60 Hz (%.1f ms); first opening in this process %.1f ms\n",
                     kWindows[i].figure,
                     value,
                     value <= kFrameMs ? "within" : "over",
                     kFrameMs,
                     results[i].first.toFrameMs);
    }
    std::fflush(stdout);
    return 0;
}
