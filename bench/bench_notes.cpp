// The note editor and the scratch pad's automatic save, each against a plain Qt text box doing the same work in
// the same run:
//
//   note-open-save      the editor loads a 65,000-byte slot file (Form_Load on that slot) until its body first
//                       paints, then saves it back with the overwrite question answered Yes; against
//                       QPlainTextEdit::setPlainText of the same text until that box first paints.
//   autosave-write      one ScratchFile::write(dir, 1, text, false) of a 60 KB text; against one key typed into
//                       a QPlainTextEdit holding the same text and the repaint of its box.
//   autosave-vs-plain   the same write against writing its bytes with QFile, no temporary file and no rename.
//   key-to-paint-*      keys typed by xdotool at 200 a second into the board's scratch pad (60 KB text,
//                       automatic save on): arrival of each key press to the next paint of the text box;
//                       against the same typing into a bare QPlainTextEdit with the same text.
//
// Prints one "figure" line per figure and one "target" line per target. Needs a display with a window manager
// (bench/run starts Xvfb and openbox) and xdotool.
//
// Usage: bench_notes <data directory> [runs]
//   The data directory is a copy of the staged program folder; the bench writes scratch.dat, autosave.dat and a
//   note slot there.

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <deque>
#include <vector>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QTimer>

#include "WithDialogs.h"
#include "app/BoardStart.h"
#include "app/RealPlatform.h"
#include "board/Form1.h"
#include "core/DataDir.h"
#include "core/RecordFile.h"
#include "notes/NoteFile.h"
#include "notes/NoteSlots.h"
#include "notes/frmNote.h"
#include "platform/Dialogs.h"
#include "platform/Platform.h"
#include "scratch/PadText.h"
#include "scratch/ScratchFiles.h"
#include "scratch/ScratchPad.h"

namespace
{
constexpr qint64 kNoteBytes = 65000;
constexpr qsizetype kPadBytes = 60 * 1024;
constexpr int kTypedKeys = 200;
constexpr int kTypingRounds = 3;
constexpr double kOpenRatioTarget = 1.5;
constexpr double kLatencyRatioTarget = 1.5;

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

double worst(const std::vector<double>& values)
{
    return values.empty() ? 0 : *std::max_element(values.begin(), values.end());
}

// The value that `share` (0 to 1) of the values do not exceed.
double percentile(std::vector<double> values, double share)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const auto at = static_cast<std::size_t>(share * static_cast<double>(values.size() - 1) + 0.5);
    return values[std::min(at, values.size() - 1)];
}

void printFigure(const char* name, double value, double reference, const char* unit)
{
    std::printf("figure %s: %.1f %s, reference %.1f %s, ratio %.2f\n",
                name,
                value,
                unit,
                reference,
                unit,
                reference > 0 ? value / reference : 0.0);
}

// Lets events run for `ms` milliseconds.
void settle(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// A note as people write them: lines of a few words of varying length, LF line breaks as the program holds them.
QString noteText(qsizetype chars)
{
    static const char* const words[] = {"meeting", "call",  "back",     "about", "the",   "invoice", "on",
                                        "Tuesday", "bring", "coffee",   "and",   "ask",   "Anna",    "for",
                                        "the",     "keys",  "remember", "to",    "water", "plants",  "before",
                                        "leaving", "order", "paper",    "toner", "print", "report",  "draft"};
    constexpr int wordCount = static_cast<int>(sizeof words / sizeof words[0]);
    QString text;
    text.reserve(chars + 64);
    int word = 0;
    int inLine = 0;
    while (text.size() < chars) {
        if (inLine > 0)
            text += u' ';
        text += QString::fromLatin1(words[(word * 7 + word / wordCount) % wordCount]);
        ++word;
        if (++inLine >= 6 + word % 7) {
            text += u'\n';
            inLine = 0;
        }
    }
    text.truncate(chars);
    return text;
}

// Answers every question Yes (the overwrite question of Save), every other box OK, and counts them.
class AnsweringDialogs final : public Dialogs
{
public:
    int questions = 0;
    int others = 0;

    MessageAnswer message(const MessageRequest& request) override
    {
        if (request.buttons == MessageButtons::YesNo || request.buttons == MessageButtons::YesNoCancel) {
            ++questions;
            return MessageAnswer::Yes;
        }
        ++others;
        std::fprintf(stderr, "message box: %s\n", qPrintable(request.text));
        return MessageAnswer::Ok;
    }
    std::optional<QString> input(const QString&, const QString&, const QString&) override { return {}; }
    std::optional<QString> openFile(const OpenFileRequest&) override { return {}; }
    std::optional<QColor> chooseColour(const QColor&, const QString&) override { return {}; }
    bool print(const PrintRequest&) override { return false; }
};

// The board's side of the editor: slot 1 is in use, and stored notes are counted.
class SlotOneInUse final : public NoteSlotIcons
{
public:
    int stored = 0;
    bool isInUse(int slot) const override { return slot == 1; }
    void noteStored(int, const QString&) override { ++stored; }
};

// Ends a local event loop at the first paint of the watched widget after it was armed.
class PaintWait final : public QObject
{
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && m_loop != nullptr) {
            m_paintedNs = monotonicNs();
            m_loop->quit();
            m_loop = nullptr;
        }
        return QObject::eventFilter(watched, event);
    }

    // Runs `start`, then events until `widget` paints; the ns from before `start` to that paint, -1 on timeout.
    template <typename Start>
    qint64 timeToPaint(QWidget* widget, Start start)
    {
        QEventLoop loop;
        m_loop = &loop;
        m_paintedNs = -1;
        widget->installEventFilter(this);
        QTimer timeout;
        timeout.setSingleShot(true);
        QObject::connect(&timeout, &QTimer::timeout, &loop, &QEventLoop::quit);
        timeout.start(5000);
        const qint64 begin = monotonicNs();
        start();
        if (m_loop != nullptr)
            loop.exec();
        m_loop = nullptr;
        widget->removeEventFilter(this);
        return m_paintedNs < 0 ? -1 : m_paintedNs - begin;
    }

private:
    QEventLoop* m_loop = nullptr;
    qint64 m_paintedNs = -1;
};

// --------------------------------------------------------------------------------------------------------------
// note-open-save

bool measureNoteOpenSave(Platform& platform, AnsweringDialogs& dialogs, int runs)
{
    QTemporaryDir folder;
    if (!folder.isValid())
        return false;
    const DataDir dir(folder.path());
    // The slot file is made exactly 65,000 bytes long: the longest file the editor's Open accepts.
    // The file stores CR LF line breaks and quotes the text, so the text is trimmed or topped up until it fits.
    const QString slotPath = dir.file(NoteFile::nameOf(1));
    QString text = noteText(kNoteBytes);
    for (;;) {
        if (!NoteFile::write(dir, 1, text))
            return false;
        const qint64 size = QFileInfo(slotPath).size();
        if (size > kNoteBytes)
            text.chop(size - kNoteBytes);
        else if (size < kNoteBytes)
            text += QString(kNoteBytes - size, u'x');
        else
            break;
    }
    const qint64 fileBytes = QFileInfo(slotPath).size();
    const QByteArray original = [&] {
        QFile file(slotPath);
        file.open(QIODevice::ReadOnly);
        return file.readAll();
    }();

    SlotOneInUse slots;
    PaintWait paint;
    std::vector<double> editorMs, openMs, saveMs, bareMs, buildMs, loadMs, takeMs, writeMs, setMs;
    for (int run = -1; run < runs; ++run) {
        // The editor as the board opens it from a note icon: built, loaded from the slot, shown.
        QElapsedTimer build;
        build.start();
        auto* editor = new frmNote(platform, dir, slots);
        const double builtMs = static_cast<double>(build.nsecsElapsed()) / 1e6;
        qint64 loadNs = 0;
        const qint64 open = paint.timeToPaint(editor->body()->viewport(), [&] {
            const qint64 begin = monotonicNs();
            editor->Form_Load(1);
            loadNs = monotonicNs() - begin;
            editor->show();
        });
        const int questionsBefore = dialogs.questions;
        const int storedBefore = slots.stored;
        const qint64 saveBegin = monotonicNs();
        editor->mnuSave_Click();
        const qint64 save = monotonicNs() - saveBegin;
        if (open < 0 || dialogs.questions != questionsBefore + 1 || slots.stored != storedBefore + 1 ||
            editor->body()->toPlainText() != text) {
            std::fprintf(stderr, "note-open-save: the editor did not paint, ask or save as expected\n");
            return false;
        }
        // Where the save's time goes, for the log: the body's text taken out, and the slot file written.
        qint64 begin = monotonicNs();
        const QString bodyText = editor->body()->toPlainText();
        const qint64 takeNs = monotonicNs() - begin;
        begin = monotonicNs();
        NoteFile::write(dir, 1, bodyText);
        const qint64 writeNs = monotonicNs() - begin;
        const QFont bodyFont = editor->body()->font();
        const QSize bodySize = editor->body()->size();
        editor->close();
        settle(50);

        // The reference: the same text in a bare plain-text box of the body's size and font, shown.
        auto* bare = new QPlainTextEdit;
        bare->setFont(bodyFont);
        bare->resize(bodySize);
        qint64 setNs = 0;
        const qint64 plain = paint.timeToPaint(bare->viewport(), [&] {
            const qint64 setBegin = monotonicNs();
            bare->setPlainText(text);
            setNs = monotonicNs() - setBegin;
            bare->show();
        });
        delete bare;
        settle(50);
        if (plain < 0) {
            std::fprintf(stderr, "note-open-save: the reference did not paint\n");
            return false;
        }
        if (run < 0)
            continue; // the first of each warms the font, style and file caches
        openMs.push_back(static_cast<double>(open) / 1e6);
        saveMs.push_back(static_cast<double>(save) / 1e6);
        editorMs.push_back(static_cast<double>(open + save) / 1e6);
        bareMs.push_back(static_cast<double>(plain) / 1e6);
        buildMs.push_back(builtMs);
        loadMs.push_back(static_cast<double>(loadNs) / 1e6);
        takeMs.push_back(static_cast<double>(takeNs) / 1e6);
        writeMs.push_back(static_cast<double>(writeNs) / 1e6);
        setMs.push_back(static_cast<double>(setNs) / 1e6);
    }
    QFile written(slotPath);
    written.open(QIODevice::ReadOnly);
    if (written.readAll() != original) {
        std::fprintf(stderr, "note-open-save: the saved slot file differs from the one opened\n");
        return false;
    }
    std::fprintf(stderr,
                 "note-open-save: %lld-byte slot file, %d runs; medians: editor load to first paint %.2f ms (Form_Load "
                 "%.2f ms), save %.2f ms (body text taken %.2f ms, slot file written with its flush %.2f ms); bare "
                 "box to first paint %.2f ms (setPlainText %.2f ms); building the editor window beforehand, not "
                 "counted, %.2f ms\n",
                 static_cast<long long>(fileBytes),
                 runs,
                 median(openMs),
                 median(loadMs),
                 median(saveMs),
                 median(takeMs),
                 median(writeMs),
                 median(bareMs),
                 median(setMs),
                 median(buildMs));
    const double value = median(editorMs);
    const double reference = median(bareMs);
    printFigure("note-open-save", value, reference, "ms");
    std::printf("target note-open-save: <= %.1fx the bare box (%.1f ms): %s\n",
                kOpenRatioTarget,
                kOpenRatioTarget * reference,
                value <= kOpenRatioTarget * reference ? "met" : "NOT met");
    return true;
}

// --------------------------------------------------------------------------------------------------------------
// autosave-write

bool measureAutosaveWrite(const QString& text, const QFont& font, QSize boxSize, int runs)
{
    QTemporaryDir folder;
    if (!folder.isValid())
        return false;
    const DataDir dir(folder.path());

    // The key reference: one character typed into a shown plain-text box of the pad's size holding the text,
    // and that box repainted at once.
    QPlainTextEdit box;
    box.setFont(font);
    box.resize(boxSize);
    box.setPlainText(text);
    box.show();
    settle(300);

    QByteArray stored;
    std::vector<double> writeUs, keyUs, plainUs;
    for (int run = -3; run < runs; ++run) {
        qint64 begin = monotonicNs();
        const bool wrote = ScratchFile::write(dir, 1, text, false);
        const qint64 write = monotonicNs() - begin;
        if (!wrote) {
            std::fprintf(stderr, "autosave-write: ScratchFile::write failed\n");
            return false;
        }
        if (stored.isEmpty()) {
            QFile file(dir.file(QString::fromLatin1(ScratchFile::kName)));
            file.open(QIODevice::ReadOnly);
            stored = file.readAll();
        }

        // The same bytes written straight into a file of their own: no record formatting, no temporary file, no
        // rename.
        begin = monotonicNs();
        QFile plain(dir.file(QStringLiteral("plain.dat")));
        const bool plainWrote =
            plain.open(QIODevice::WriteOnly | QIODevice::Truncate) && plain.write(stored) == stored.size();
        plain.close();
        const qint64 plainWrite = monotonicNs() - begin;
        if (!plainWrote)
            return false;

        begin = monotonicNs();
        QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
        QApplication::sendEvent(&box, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
        QApplication::sendEvent(&box, &release);
        box.viewport()->repaint();
        const qint64 key = monotonicNs() - begin;
        settle(5);
        if (run < 0)
            continue;
        writeUs.push_back(static_cast<double>(write) / 1e3);
        plainUs.push_back(static_cast<double>(plainWrite) / 1e3);
        keyUs.push_back(static_cast<double>(key) / 1e3);
    }
    // Where the write's time goes, for the log: the line-break conversion, the record's formatting and encoding,
    // and the temporary file written and renamed over scratch.dat.
    std::vector<double> breaksUs, formatUs, commitUs;
    for (int run = 0; run < runs; ++run) {
        qint64 begin = monotonicNs();
        const QString storedText = toStoredLineBreaks(text);
        breaksUs.push_back(static_cast<double>(monotonicNs() - begin) / 1e3);
        begin = monotonicNs();
        RecordWriter writer;
        writer.writeRecord({static_cast<qint32>(1), storedText});
        formatUs.push_back(static_cast<double>(monotonicNs() - begin) / 1e3);
        RecordWriter::CommitOptions options;
        options.flushToDisk = false;
        begin = monotonicNs();
        if (!writer.commit(dir, QString::fromLatin1(ScratchFile::kName), options))
            return false;
        commitUs.push_back(static_cast<double>(monotonicNs() - begin) / 1e3);
    }
    std::fprintf(stderr,
                 "autosave-write: %lld bytes in scratch.dat, %d runs; medians: line breaks %.0f us, record format and "
                 "encoding %.0f us, temporary file written and renamed %.0f us\n",
                 static_cast<long long>(stored.size()),
                 runs,
                 median(breaksUs),
                 median(formatUs),
                 median(commitUs));
    printFigure("autosave-write", median(writeUs), median(keyUs), "us");
    printFigure("autosave-vs-plain-write", median(writeUs), median(plainUs), "us");
    return true;
}

// --------------------------------------------------------------------------------------------------------------
// key-to-paint

// Records when each key press reaches the watched text box and, at the next paint of its box, how long each of
// those keys waited for it: from the moment Qt delivered the press, and from the X server's time stamp of the
// key, which also counts the time the key sat in the queue while the program was busy.
class KeyToPaint final : public QObject
{
public:
    std::vector<double> fromDelivery;
    std::vector<double> fromServer;
    /// Which key of its round each latency belongs to, counted from 0.
    std::vector<int> keyOfRound;
    int keys = 0;
    bool serverClockUsable = true;

    void watch(QPlainTextEdit* box)
    {
        m_box = box;
        m_keyOfRound = 0;
        box->viewport()->installEventFilter(this);
        qApp->installEventFilter(this);
    }
    void stop()
    {
        qApp->removeEventFilter(this);
        if (m_box != nullptr)
            m_box->viewport()->removeEventFilter(this);
        m_box = nullptr;
        m_pending.clear();
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (m_box == nullptr)
            return false;
        if (event->type() == QEvent::KeyPress && watched == m_box) {
            const qint64 now = monotonicNs();
            const auto* key = static_cast<QKeyEvent*>(event);
            // The X server stamps events with its CLOCK_MONOTONIC milliseconds, cut to 32 bits.
            const qint64 nowMs = now / 1000000;
            const qint64 stamp = static_cast<qint64>(key->timestamp() & 0xffffffffUL);
            qint64 lag = (nowMs & 0xffffffffLL) - stamp;
            if (lag < 0)
                lag += 1LL << 32;
            if (lag > 2000)
                serverClockUsable = false;
            m_pending.push_back({now, (nowMs - lag) * 1000000, m_keyOfRound++});
            ++keys;
        } else if (event->type() == QEvent::Paint && watched == m_box->viewport()) {
            const qint64 now = monotonicNs();
            for (const Pending& key : m_pending) {
                fromDelivery.push_back(static_cast<double>(now - key.deliveredNs) / 1e6);
                // The stamp has whole milliseconds: half of one is added back on average.
                fromServer.push_back(static_cast<double>(now - key.stampNs) / 1e6 - 0.5);
                keyOfRound.push_back(key.keyOfRound);
            }
            m_pending.clear();
        }
        return false;
    }

private:
    struct Pending
    {
        qint64 deliveredNs;
        qint64 stampNs;
        int keyOfRound;
    };
    QPlainTextEdit* m_box = nullptr;
    int m_keyOfRound = 0;
    std::deque<Pending> m_pending;
};

// Brings the box's window forward and waits until the box has the keyboard focus.
bool focus(QWidget* box)
{
    QWidget* window = box->window();
    window->raise();
    window->activateWindow();
    box->setFocus();
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < 5000) {
        if (window->isActiveWindow() && QApplication::focusWidget() == box)
            return true;
        settle(20);
        window->activateWindow();
        box->setFocus();
    }
    return false;
}

// Types kTypedKeys letters into the focused window with xdotool, 5 ms apart (200 a second), and lets the events
// run until xdotool has ended and the last key has been painted.
bool typeInto(QPlainTextEdit* box, KeyToPaint& meter)
{
    if (!focus(box)) {
        std::fprintf(stderr, "key-to-paint: the text box did not get the keyboard focus\n");
        return false;
    }
    QString letters;
    for (int i = 0; i < kTypedKeys; ++i)
        letters += (i % 9 == 8) ? QChar(u' ') : QChar(u'a' + (i * 5) % 26);
    const int keysBefore = meter.keys;
    meter.watch(box);
    QProcess xdotool;
    QEventLoop loop;
    QObject::connect(&xdotool, &QProcess::finished, &loop, &QEventLoop::quit);
    QObject::connect(&xdotool, &QProcess::errorOccurred, &loop, &QEventLoop::quit);
    QTimer timeout;
    timeout.setSingleShot(true);
    QObject::connect(&timeout, &QTimer::timeout, &loop, &QEventLoop::quit);
    timeout.start(20000);
    xdotool.start(QStringLiteral("xdotool"),
                  {QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("5"), letters});
    loop.exec();
    settle(200);
    meter.stop();
    if (xdotool.state() != QProcess::NotRunning) {
        xdotool.kill();
        xdotool.waitForFinished(1000);
    }
    const int received = meter.keys - keysBefore;
    if (xdotool.exitStatus() != QProcess::NormalExit || xdotool.exitCode() != 0 || received == 0) {
        std::fprintf(stderr,
                     "key-to-paint: xdotool failed (exit code %d, %s) or no key arrived (%d)\n",
                     xdotool.exitCode(),
                     qPrintable(xdotool.errorString()),
                     received);
        return false;
    }
    if (received != kTypedKeys)
        std::fprintf(stderr, "key-to-paint: %d of %d keys arrived\n", received, kTypedKeys);
    return true;
}

// The spread of one box's latencies, and which keys of their rounds waited longest, for the log.
void describe(const char* name, const KeyToPaint& meter)
{
    std::vector<std::size_t> order(meter.fromDelivery.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return meter.fromDelivery[a] > meter.fromDelivery[b];
    });
    QString longest;
    for (std::size_t i = 0; i < std::min<std::size_t>(5, order.size()); ++i)
        longest += QStringLiteral(" %1 ms (key %2)")
                       .arg(meter.fromDelivery[order[i]], 0, 'f', 1)
                       .arg(meter.keyOfRound[order[i]]);
    std::fprintf(stderr,
                 "key-to-paint: %s, from delivery: median %.2f, 90%% %.2f, 99%% %.2f, worst %.2f ms; from the server's "
                 "stamp: median %.2f, 99%% %.2f, worst %.2f ms; longest:%s\n",
                 name,
                 median(meter.fromDelivery),
                 percentile(meter.fromDelivery, 0.9),
                 percentile(meter.fromDelivery, 0.99),
                 worst(meter.fromDelivery),
                 median(meter.fromServer),
                 percentile(meter.fromServer, 0.99),
                 worst(meter.fromServer),
                 qPrintable(longest));
}

bool measureKeyToPaint(ScratchPad& pad, const DataDir& dataDir, const QString& text)
{
    if (!pad.isOpen() || !pad.autosaveOn()) {
        std::fprintf(stderr, "key-to-paint: the pad is not open with automatic save on\n");
        return false;
    }
    PadText* padBox = pad.text();

    QPlainTextEdit bare;
    bare.setFont(padBox->font());
    bare.resize(padBox->size());
    bare.setPlainText(text);
    bare.show();
    settle(300);

    KeyToPaint padMeter, bareMeter;
    for (int round = 0; round < kTypingRounds; ++round) {
        // Alternating spreads any drift of the machine evenly over both.
        if (!typeInto(padBox, padMeter) || !typeInto(&bare, bareMeter))
            return false;
    }
    // The automatic save must have kept up: scratch.dat holds what the pad shows, typed keys included.
    settle(50);
    ScratchFile saved;
    if (!saved.read(dataDir) || saved.text != padBox->toPlainText() || saved.text == text) {
        std::fprintf(stderr,
                     "key-to-paint: scratch.dat does not hold the typed text; the automatic save did not run\n");
        return false;
    }

    // For the log only: one round into the pad with automatic save off, to tell the save's share from the
    // pad's own.
    KeyToPaint unsavedMeter;
    pad.mnuautotextsave_Click();
    const bool unsavedTyped = !pad.autosaveOn() && typeInto(padBox, unsavedMeter);
    pad.mnuautotextsave_Click();
    if (!pad.autosaveOn())
        return false;
    std::fprintf(stderr,
                 "key-to-paint: %d keys into the pad, %d into the bare box, %d paints of the pad\n",
                 padMeter.keys,
                 bareMeter.keys,
                 static_cast<int>(padMeter.fromDelivery.size()));
    describe("pad, automatic save on", padMeter);
    if (unsavedTyped)
        describe("pad, automatic save off (one round)", unsavedMeter);
    describe("bare box", bareMeter);
    const double padWorst = worst(padMeter.fromDelivery);
    const double bareWorst = worst(bareMeter.fromDelivery);
    printFigure("key-to-paint-worst", padWorst, bareWorst, "ms");
    printFigure("key-to-paint-median", median(padMeter.fromDelivery), median(bareMeter.fromDelivery), "ms");
    const bool stamped = padMeter.serverClockUsable && bareMeter.serverClockUsable;
    if (stamped) {
        printFigure("key-to-paint-worst-from-server", worst(padMeter.fromServer), worst(bareMeter.fromServer), "ms");
        printFigure("key-to-paint-median-from-server", median(padMeter.fromServer), median(bareMeter.fromServer), "ms");
    } else {
        std::fprintf(stderr, "key-to-paint: the X server's time stamps do not follow CLOCK_MONOTONIC; skipped\n");
    }
    std::printf("target key-to-paint-worst: <= %.1fx the bare box (%.1f ms): %s\n",
                kLatencyRatioTarget,
                kLatencyRatioTarget * bareWorst,
                padWorst <= kLatencyRatioTarget * bareWorst ? "met" : "NOT met");
    return true;
}
} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: bench_notes <data directory> [runs]\n");
        return 2;
    }
    const int runs = argc > 2 ? QString::fromLocal8Bit(argv[2]).toInt() : 9;
    const DataDir dataDir(QString::fromLocal8Bit(argv[1]));

    // The real facilities, except that message boxes are answered at once instead of waiting for a user.
    RealPlatform real(dataDir);
    AnsweringDialogs dialogs;
    Platform platform = withDialogs(real.platform(), dialogs);

    // The board with its pad open on a 60 KB text and automatic save on, as a restart after a long session
    // finds it.
    const QString padText = noteText(kPadBytes);
    if (!AutosaveFile::write(dataDir, true) || !ScratchFile::write(dataDir, 1, padText)) {
        std::fprintf(stderr, "cannot write the pad's files in %s\n", argv[1]);
        return 1;
    }
    QFile::remove(dataDir.file(QString::fromLatin1(HandOverFile::kName)));
    Form1 board(platform, dataDir);
    const BoardFeatures features = buildFeatures(board, platform, dataDir);
    loadBoard(board, features, dataDir);
    board.show();
    settle(500);

    std::fflush(stdout);
    bool ok = measureNoteOpenSave(platform, dialogs, runs);
    std::fflush(stdout);
    ok = ok && measureAutosaveWrite(padText, features.scratch->text()->font(), features.scratch->text()->size(), 51);
    std::fflush(stdout);
    ok = ok && measureKeyToPaint(*features.scratch, dataDir, padText);
    std::fflush(stdout);
    if (dialogs.others != 0) {
        std::fprintf(stderr, "%d unexpected message boxes\n", dialogs.others);
        ok = false;
    }
    return ok ? 0 : 1;
}
