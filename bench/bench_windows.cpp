// How fast each window of the board menu opens: for the preferences, net search, tip of the day, about and credits
// windows, the time from triggering the window's item of the real board menu (QAction::trigger() on the board's
// item) to the window's first paint event, against a bare QDialog holding widgets of the same classes, texts,
// fonts and places, built, shown and painted in the same run.
//
// Each window is opened once cold (the first time in the process, as a person first sees it) and then `runs`
// times more, alternating with its reference, the window closed (and so deleted, where it deletes itself on
// close) between openings. The about window is modal: its item does not return until the window closes, so the
// paint is caught from inside its nested event loop and a zero timer closes it from there.
//
// Prints one "figure" line per window (median of the openings after the first), one per window for the cold
// opening, and one "target" line per window. Notes on where the time goes are printed to stderr. Needs a display with a
// window manager (bench/run starts Xvfb and openbox).
//
// Usage: bench_windows <data directory> [runs]
//   The data directory is a copy of the staged program folder; the windows read and write their files there.

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <map>
#include <optional>
#include <vector>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QEventLoop>
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

#include "app/BoardStart.h"
#include "app/RealPlatform.h"
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
// The first opening in the process, what a person sees first.
constexpr double kColdRatioTarget = 1.3;
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

// One opening: ms from the start to the first paint, plus its parts for the log.
struct Opening
{
    double toPaintMs = -1;
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
    Opening cold;
    Opening coldReference;
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
    result.cold = openWindow(clock, *item, window, true, deleted);
    if (result.cold.toPaintMs < 0 || !clock.times().shape) {
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

    result.coldReference = openReference(clock, shape, window.modal, board);
    if (result.coldReference.toPaintMs < 0) {
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

    const auto parts = [](const char* who, const Opening& cold, const std::vector<Opening>& warm) {
        std::fprintf(stderr,
                     "    %-9s cold %.2f ms (to its show event %.2f, show to paint %.2f, paint to frame done %.2f); "
                     "median %.2f ms (%.2f, %.2f, %.2f)\n",
                     who,
                     cold.toPaintMs,
                     cold.toShowMs,
                     cold.showToPaintMs,
                     cold.paintToFrameMs,
                     median(pick(warm, &Opening::toPaintMs)),
                     median(pick(warm, &Opening::toShowMs)),
                     median(pick(warm, &Opening::showToPaintMs)),
                     median(pick(warm, &Opening::paintToFrameMs)));
    };
    std::fprintf(stderr, "%s: %d openings after the first:\n", window.figure, runs);
    parts(window.name, result.cold, result.warm);
    parts("reference", result.coldReference, result.warmReference);
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
} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: bench_windows <data directory> [runs]\n");
        return 2;
    }
    const int runs = argc > 2 ? QString::fromLocal8Bit(argv[2]).toInt() : 11;
    if (runs < 1) {
        std::fprintf(stderr, "runs must be at least 1\n");
        return 2;
    }
    const DataDir dataDir(QString::fromLocal8Bit(argv[1]));

    // The real facilities, except that a message box fails the run instead of waiting for a user.
    RealPlatform real(dataDir);
    Platform& facilities = real.platform();
    NoDialogs dialogs;
    Platform platform{dialogs,
                      facilities.shell,
                      facilities.sound,
                      facilities.volume,
                      facilities.tray,
                      facilities.settings,
                      facilities.instanceGuard,
                      facilities.clock,
                      facilities.screens,
                      facilities.pop3,
                      facilities.keyring,
                      facilities.notifier,
                      facilities.clipboard,
                      facilities.trash,
                      facilities.random,
                      facilities.autostart,
                      facilities.onlineAccounts};

    // No tip window at start-up: the tip window's first opening is to be the one its item makes.
    if (!TipsetFile::write(dataDir, 0)) {
        std::fprintf(stderr, "cannot write tipset.dat in %s\n", argv[1]);
        return 1;
    }
    Form1 board(platform, dataDir);
    const BoardFeatures features = buildFeatures(board, platform, dataDir);
    loadBoard(board, features, dataDir);
    board.show();
    settle(500);

    OpeningClock clock;
    app.installEventFilter(&clock);
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
                    median(pick(results[i].warm, &Opening::toPaintMs)),
                    median(pick(results[i].warmReference, &Opening::toPaintMs)));
    }
    for (std::size_t i = 0; i < results.size(); ++i) {
        const QString name = QString::fromLatin1(kWindows[i].figure) + QStringLiteral("-cold");
        printFigure(name, results[i].cold.toPaintMs, results[i].coldReference.toPaintMs);
    }
    for (std::size_t i = 0; i < results.size(); ++i) {
        const double value = median(pick(results[i].warm, &Opening::toPaintMs));
        const double reference = median(pick(results[i].warmReference, &Opening::toPaintMs));
        std::printf("target %s: <= %.1fx the bare dialog (%.1f ms): %s\n",
                    kWindows[i].figure,
                    kRatioTarget,
                    kRatioTarget * reference,
                    value <= kRatioTarget * reference ? "met" : "NOT met");
        std::printf("target %s-cold: <= %.1fx the bare dialog's first opening (%.1f ms): %s\n",
                    kWindows[i].figure,
                    kColdRatioTarget,
                    kColdRatioTarget * results[i].coldReference.toPaintMs,
                    results[i].cold.toPaintMs <= kColdRatioTarget * results[i].coldReference.toPaintMs ? "met"
                                                                                                       : "NOT met");
        std::fprintf(stderr,
                     "%s: median %.1f ms, %s one frame at 60 Hz (%.1f ms); cold %.1f ms\n",
                     kWindows[i].figure,
                     value,
                     value <= kFrameMs ? "within" : "over",
                     kFrameMs,
                     results[i].cold.toPaintMs);
    }
    std::fflush(stdout);
    return 0;
}
