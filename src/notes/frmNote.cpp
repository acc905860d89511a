#include "notes/frmNote.h"

#include <QApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QFrame>
#include <QKeyEvent>
#include <QMenuBar>
#include <QTextDocumentFragment>
#include <QTextEdit>
#include <QToolButton>

#include "core/Twips.h"
#include "notes/NoteFile.h"
#include "notes/NotePictures.h"
#include "notes/NoteSlots.h"
#include "platform/Clipboard.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/Platform.h"

namespace
{
// The toolbar frame and the body under it, in twips.
constexpr double kFrameLeft = 30;
constexpr double kFrameHeight = 540;
constexpr double kButtonTop = 150;
constexpr double kButtonSize = 345;
constexpr double kBodyLeft = 15;
constexpr double kBodyTop = 585;
// What the window's outer size leaves for the body and the frame.
constexpr double kBodyWidthMargin = 150;
constexpr double kBodyHeightMargin = 1300;
constexpr double kFrameWidthMargin = 180;

/// Lets the editor's menu shortcuts reach their commands while the body has the focus: the text box would
/// otherwise take Ctrl+C and the others for its own, narrower, versions.
class MenuShortcutsFirst final : public QObject
{
public:
    MenuShortcutsFirst(const QList<QAction*>& actions, QObject* parent)
        : QObject(parent)
        , m_actions(actions)
    {
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::ShortcutOverride)
            return QObject::eventFilter(watched, event);
        const auto* key = static_cast<QKeyEvent*>(event);
        const QKeySequence pressed(key->keyCombination());
        for (const QAction* action : m_actions) {
            if (!action->shortcut().isEmpty() && action->shortcut() == pressed) {
                event->ignore();
                return true;
            }
        }
        return false;
    }

private:
    QList<QAction*> m_actions;
};
} // namespace

frmNote::frmNote(Platform& platform, const DataDir& dataDir, NoteSlotIcons& slots)
    : m_platform(platform)
    , m_dataDir(dataDir)
    , m_slots(slots)
{
    setObjectName(QStringLiteral("frmNote"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Zendra Note - New"));

    m_client = new QWidget(this);
    setCentralWidget(m_client);
    Frame2 = new QFrame(m_client);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    Frame2->setFrameShape(QFrame::NoFrame);
    Frame2->move(Twips::toPixels(kFrameLeft, 0));

    txtBody = new QTextEdit(m_client);
    txtBody->setObjectName(QStringLiteral("txtBody"));
    txtBody->setAccessibleName(tr("Note text"));
    txtBody->setAcceptRichText(false);
    QFont font(QStringLiteral("MS Sans Serif"), 10);
    font.setStyleHint(QFont::SansSerif);
    txtBody->setFont(font);
    txtBody->move(Twips::toPixels(kBodyLeft, kBodyTop));

    buildMenus();
    buildToolbar();
    const QSize client = Twips::sizeToPixels(kWidthTwips, kHeightTwips);
    resize(client.width(), client.height() + menuBar()->sizeHint().height());
    Form_Resize();
    txtBody->setFocus();
}

void frmNote::buildMenus()
{
    struct Item
    {
        const char* name;
        const char* caption;
        QKeySequence shortcut;
        void (frmNote::*handler)();
    };
    const auto addItems = [this](QMenu* menu, std::initializer_list<Item> items) {
        QList<QAction*> added;
        for (const Item& item : items) {
            if (item.name == nullptr) {
                menu->addSeparator();
                continue;
            }
            QAction* action = menu->addAction(tr(item.caption));
            action->setObjectName(QString::fromLatin1(item.name));
            action->setShortcut(item.shortcut);
            if (item.handler != nullptr)
                connect(action, &QAction::triggered, this, item.handler);
            added << action;
        }
        return added;
    };
    const Item separator{nullptr, nullptr, {}, nullptr};

    QMenu* mnuFile = menuBar()->addMenu(tr("&File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    QList<QAction*> actions =
        addItems(mnuFile,
                 {{"mnyNew", QT_TR_NOOP("&New"), QKeySequence(Qt::CTRL | Qt::Key_N), &frmNote::mnyNew_Click},
                  {"mnuOpen", QT_TR_NOOP("&Open"), QKeySequence(Qt::CTRL | Qt::Key_O), &frmNote::mnuOpen_Click},
                  {"mnuSave", QT_TR_NOOP("&Save "), QKeySequence(Qt::CTRL | Qt::Key_S), &frmNote::mnuSave_Click},
                  separator,
                  {"mnuPrint", QT_TR_NOOP("&Print"), QKeySequence(Qt::CTRL | Qt::Key_P), nullptr},
                  separator,
                  {"mnuClose", QT_TR_NOOP("C&lose"), QKeySequence(Qt::CTRL | Qt::Key_L), &frmNote::mnuClose_Click}});

    QMenu* mnuEdit = menuBar()->addMenu(tr("&Edit"));
    mnuEdit->setObjectName(QStringLiteral("mnuEdit"));
    actions << addItems(
        mnuEdit,
        {{"mnuCut", QT_TR_NOOP("Cu&t"), QKeySequence(Qt::CTRL | Qt::Key_X), &frmNote::mnuCut_Click},
         {"mnuCopy", QT_TR_NOOP("&Copy"), QKeySequence(Qt::CTRL | Qt::Key_C), &frmNote::mnuCopy_Click},
         {"mnuPaste", QT_TR_NOOP("&Paste"), QKeySequence(Qt::CTRL | Qt::Key_V), &frmNote::mnuPaste_Click},
         separator,
         {"mnuselet", QT_TR_NOOP("Select &All"), QKeySequence(Qt::CTRL | Qt::Key_A), &frmNote::mnuselet_Click},
         {"mnutimedate", QT_TR_NOOP("T&ime/Date"), QKeySequence(Qt::Key_F5), &frmNote::mnutimedate_Click}});

    QMenu* mnuHelp = menuBar()->addMenu(tr("&Help"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    QAction* mnuAbout = mnuHelp->addAction(tr("&About Zendra 98"));
    mnuAbout->setObjectName(QStringLiteral("mnuAbout"));
    connect(mnuAbout, &QAction::triggered, this, &frmNote::aboutRequested);

    txtBody->installEventFilter(new MenuShortcutsFirst(actions, this));
}

void frmNote::buildToolbar()
{
    struct Button
    {
        const char* name;
        const char* tooltip;
        NotePictures::Tool tool;
        double left;
        void (frmNote::*handler)();
    };
    const Button buttons[] = {
        {"axButton2", QT_TR_NOOP("Create a new note"), NotePictures::Tool::New, 45, &frmNote::mnyNew_Click},
        {"axButton1", QT_TR_NOOP("Open a saved note"), NotePictures::Tool::Open, 390, &frmNote::mnuOpen_Click},
        {"axButton3", QT_TR_NOOP("Save current note"), NotePictures::Tool::Save, 765, &frmNote::mnuSave_Click},
        {"axButton4", QT_TR_NOOP("Print the current note"), NotePictures::Tool::Print, 1215, nullptr},
        {"axButton5", QT_TR_NOOP("Cut"), NotePictures::Tool::Cut, 1560, &frmNote::mnuCut_Click},
        {"axButton6", QT_TR_NOOP("Copy"), NotePictures::Tool::Copy, 1905, &frmNote::mnuCopy_Click},
        {"axButton7", QT_TR_NOOP("Paste"), NotePictures::Tool::Paste, 2295, &frmNote::mnuPaste_Click},
    };
    for (const Button& button : buttons) {
        auto* tool = new QToolButton(Frame2);
        tool->setObjectName(QString::fromLatin1(button.name));
        tool->setToolTip(tr(button.tooltip));
        tool->setAccessibleName(tr(button.tooltip));
        tool->setIcon(NotePictures::toolIcon(button.tool));
        tool->setAutoRaise(true);
        // The toolbar is reached by the mouse; the keyboard has the same commands in the menus.
        tool->setFocusPolicy(Qt::NoFocus);
        tool->setGeometry(Twips::rectToPixels(button.left, kButtonTop, kButtonSize, kButtonSize));
        if (button.handler != nullptr)
            connect(tool, &QToolButton::clicked, this, button.handler);
        else
            connect(tool, &QToolButton::clicked, this, [this] { mnuPrint_Click(true); });
    }
    Frame2->resize(Frame2->width(), Twips::toPixels(kFrameHeight));
    // The menu's Print opens the dialog on an empty note as well.
    connect(findChild<QAction*>(QStringLiteral("mnuPrint")), &QAction::triggered, this, [this] { mnuPrint_Click(); });
}

void frmNote::Form_Load(std::optional<int> slotWithoutHandOver)
{
    m_slotNumber = HandOverFile::take(m_dataDir).value_or(slotWithoutHandOver.value_or(0));
    if (m_slotNumber == 0) {
        setWindowTitle(tr("New Note"));
        return;
    }
    const QString path = m_dataDir.file(NoteFile::nameOf(m_slotNumber));
    if (QFileInfo(path).size() > kMaxSlotBytes) {
        // Not the note anyone wrote here: the slot keeps its file, and the editor starts a new note instead.
        m_slotNumber = 0;
        setWindowTitle(tr("New Note"));
        m_platform.dialogs.message({tr("The file is too large to open."), QString()});
        return;
    }
    NoteFile note;
    note.read(m_dataDir, m_slotNumber);
    m_noteText = note.text;
    showNote(path, m_noteText);
}

void frmNote::showNote(const QString& caption, const QString& text)
{
    setWindowTitle(caption);
    txtBody->setPlainText(text);
}

void frmNote::OpenFile(const QString& path)
{
    NoteFile note;
    note.text = m_noteText;
    note.readPath(path);
    m_noteText = note.text;
    showNote(path, m_noteText);
    m_slotNumber = NoteFile::slotOfPath(path);
}

void frmNote::mnuOpen_Click()
{
    const auto chosen =
        m_platform.dialogs.openFile({m_dataDir.directory(), tr("Open"), {tr("Zendra Notes (*.zrn)")}, 0});
    if (!chosen)
        return;
    const QFileInfo file(*chosen);
    if (file.size() > kMaxOpenBytes) {
        m_platform.dialogs.message({tr("The file is too large to open."), QString()});
        return;
    }
    if (!file.isReadable()) {
        m_platform.dialogs.message(
            {tr("Zendra 98 could not read %1.").arg(*chosen), QString(), MessageIcon::Information, MessageButtons::Ok});
        return;
    }
    OpenFile(*chosen);
}

void frmNote::mnyNew_Click()
{
    m_slotNumber = 0;
    setWindowTitle(tr("New Note"));
    txtBody->clear();
}

void frmNote::mnuSave_Click()
{
    m_noteText = txtBody->toPlainText();
    std::array<bool, kNoteSlotCount> inUse{};
    for (int slot = 1; slot <= kNoteSlotCount; ++slot)
        inUse[static_cast<std::size_t>(slot - 1)] = m_slots.isInUse(slot);
    const NoteSaveTarget target = NoteSaveTarget::choose(m_slotNumber, inUse);
    switch (target.kind) {
    case NoteSaveTarget::Kind::FreeSlot:
        writeSlot(target.slot, m_noteText);
        break;
    case NoteSaveTarget::Kind::OwnSlot:
        if (m_platform.dialogs.message({tr("Do you wish to overwrite this note?"),
                                        tr("Are You Sure?"),
                                        MessageIcon::Question,
                                        MessageButtons::YesNo}) == MessageAnswer::Yes)
            writeSlot(target.slot, m_noteText);
        break;
    case NoteSaveTarget::Kind::NoFreeSlot:
        m_platform.dialogs.message({tr("You must first delete a note before you can save a new one."),
                                    tr("Error"),
                                    MessageIcon::Critical,
                                    MessageButtons::Ok});
        break;
    }
}

bool frmNote::writeSlot(int slot, const QString& text)
{
    if (!NoteFile::write(m_dataDir, slot, text)) {
        m_platform.dialogs.message({tr("Zendra 98 could not save the note as %1. The note is still in "
                                       "the editor; save it again when the folder can be written to.")
                                        .arg(m_dataDir.file(NoteFile::nameOf(slot))),
                                    QString(),
                                    MessageIcon::Critical,
                                    MessageButtons::Ok});
        return false;
    }
    m_slots.noteStored(slot, text);
    return true;
}

void frmNote::mnuPrint_Click(bool fromToolbar)
{
    if (fromToolbar && txtBody->toPlainText().isEmpty())
        return;
    m_platform.dialogs.print(
        {txtBody->toPlainText(), txtBody->textCursor().selection().toPlainText(), txtBody->font()});
}

void frmNote::mnuClose_Click()
{
    close();
}

void frmNote::mnuCut_Click()
{
    QTextCursor cursor = txtBody->textCursor();
    m_platform.clipboard.setText(cursor.selection().toPlainText());
    cursor.removeSelectedText();
    txtBody->setTextCursor(cursor);
}

void frmNote::mnuCopy_Click()
{
    m_platform.clipboard.setText(txtBody->toPlainText());
}

void frmNote::mnuPaste_Click()
{
    txtBody->setFocus();
    // A clipboard without text replaces the selection with nothing.
    txtBody->textCursor().insertText(m_platform.clipboard.text());
}

void frmNote::mnuselet_Click()
{
    txtBody->setFocus();
    txtBody->selectAll();
}

void frmNote::mnutimedate_Click()
{
    txtBody->textCursor().insertText(timeDateStamp(m_platform.clock.dateTime()));
}

void frmNote::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    Form_Resize();
}

void frmNote::Form_Resize()
{
    if (txtBody == nullptr)
        return;
    // The rule works on the window's outer size, frame included, as the window system reports it.
    const QSize outer = frameGeometry().size().expandedTo(size());
    const double width = Twips::fromPixels(outer.width());
    const double height = Twips::fromPixels(outer.height());
    const int bodyWidth = Twips::toPixels(width - kBodyWidthMargin);
    const int bodyHeight = Twips::toPixels(height - kBodyHeightMargin);
    const int frameWidth = Twips::toPixels(width - kFrameWidthMargin);
    // A size that comes out negative is not applied.
    if (bodyWidth >= 0)
        txtBody->resize(bodyWidth, txtBody->height());
    if (bodyHeight >= 0)
        txtBody->resize(txtBody->width(), bodyHeight);
    if (frameWidth >= 0)
        Frame2->resize(frameWidth, Frame2->height());
}
