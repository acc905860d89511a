#include "notes/NoteSlots.h"

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QWidget>

#include "core/AccessibleRole.h"
#include "core/BoardMenu.h"
#include "core/BoardSurface.h"
#include "core/PictureControl.h"
#include "core/Twips.h"
#include "notes/NotePictures.h"
#include "notes/frmNote.h"
#include "platform/Platform.h"
#include "platform/Trash.h"

namespace
{
// The icons' row on the board, in twips.
constexpr double kIconTop = 90;
constexpr std::array<double, kNoteSlotCount> kIconLeft{210, 630, 1065, 1515, 1950};
constexpr double kIconWidth = 195;
constexpr double kIconHeight = 240;

std::size_t indexOf(int slot)
{
    return static_cast<std::size_t>(slot - 1);
}
} // namespace

NoteSlots::NoteSlots(Platform& platform, const DataDir& dataDir, BoardSurface& board)
    : m_platform(platform)
    , m_dataDir(dataDir)
    , m_board(board)
{
    const qreal ratio = board.pixelRatio();
    picture3 = NotePictures::plainNote(ratio);
    picture2 = NotePictures::selectedNote(ratio);

    for (int slot = 1; slot <= kNoteSlotCount; ++slot) {
        auto* icon = new PictureControl(QStringLiteral("note%1").arg(slot), nullptr);
        board.addControl(*icon);
        icon->setAccessibleName(tr("Note %1").arg(slot));
        AccessibleRole::set(*icon, QAccessible::Button);
        icon->setPixmap(picture3);
        icon->setGeometry(Twips::rectToPixels(kIconLeft[indexOf(slot)], kIconTop, kIconWidth, kIconHeight));
        icon->hide();
        connect(icon, &PictureControl::pressed, this, [this, slot](Qt::MouseButton button, QPointF, QPoint global) {
            note_MouseDown(slot, button, global);
        });
        connect(icon, &PictureControl::clicked, this, [this, slot](Qt::MouseButton button) {
            if (button == Qt::LeftButton)
                note_Click(slot);
        });
        connect(icon, &PictureControl::doubleClicked, this, [this, slot](Qt::MouseButton button) {
            if (button == Qt::LeftButton)
                note_DblClick(slot);
        });
        m_icons[indexOf(slot)] = icon;
    }

    mnunoteedit = new QMenu(m_icons[0]);
    mnunoteedit->setObjectName(QStringLiteral("mnunoteedit"));
    QAction* mnunotedelete = mnunoteedit->addAction(tr("&Delete"));
    mnunotedelete->setObjectName(QStringLiteral("mnunotedelete"));
    connect(mnunotedelete, &QAction::triggered, this, &NoteSlots::mnunotedelete_Click);
    QAction* noteedit = mnunoteedit->addAction(tr("&Edit"));
    noteedit->setObjectName(QStringLiteral("noteedit"));
    connect(noteedit, &QAction::triggered, this, &NoteSlots::noteedit_Click);
}

NoteSlots::~NoteSlots()
{
    delete m_editor;
}

void NoteSlots::startUp(const std::array<std::optional<NoteFile>, kNoteSlotCount>& notes)
{
    for (int slot = 1; slot <= kNoteSlotCount; ++slot) {
        if (const auto& note = notes[indexOf(slot)])
            noteStored(slot, note->text);
    }
}

PictureControl* NoteSlots::icon(int slot) const
{
    return m_icons[indexOf(slot)];
}

void NoteSlots::clearHighlight()
{
    highlight(0);
}

void NoteSlots::highlight(int slot)
{
    m_highlighted = slot;
    for (int other = 1; other <= kNoteSlotCount; ++other)
        icon(other)->setPixmap(other == slot ? picture2 : picture3);
}

bool NoteSlots::isHighlighted(int slot) const
{
    return slot == m_highlighted;
}

bool NoteSlots::isInUse(int slot) const
{
    return m_inUse[indexOf(slot)];
}

void NoteSlots::setInUse(int slot, bool inUse)
{
    m_inUse[indexOf(slot)] = inUse;
    icon(slot)->setVisible(inUse);
}

void NoteSlots::noteStored(int slot, const QString& text)
{
    icon(slot)->setToolTip(NoteFile::firstLine(text));
    setInUse(slot, true);
}

void NoteSlots::note_Click(int slot)
{
    highlight(slot);
}

void NoteSlots::note_MouseDown(int slot, Qt::MouseButton button, QPoint globalPosition)
{
    if (button != Qt::RightButton)
        return;
    highlight(slot);
    m_board.popup(*mnunoteedit, globalPosition);
}

void NoteSlots::note_DblClick(int slot)
{
    openInEditor(slot);
}

void NoteSlots::noteedit_Click()
{
    for (int slot = 1; slot <= kNoteSlotCount; ++slot) {
        if (isHighlighted(slot)) {
            openInEditor(slot);
            return;
        }
    }
}

void NoteSlots::mnunotedelete_Click()
{
    for (int slot = 1; slot <= kNoteSlotCount; ++slot) {
        if (!isHighlighted(slot))
            continue;
        // Into the desktop's trash, where the user can get it back; where there is none, it is deleted.
        const QString path = m_dataDir.file(NoteFile::nameOf(slot));
        if (QFile::exists(path) && !m_platform.trash.moveToTrash(path))
            QFile::remove(path);
        setInUse(slot, false);
        return;
    }
}

void NoteSlots::openInEditor(int slot)
{
    const bool handedOver = HandOverFile::write(m_dataDir, slot);
    // Whatever the open editor holds is dropped without a question.
    delete m_editor;
    showEditor(loadEditor(handedOver ? std::nullopt : std::optional<int>(slot)));
}

void NoteSlots::mnunewnote_Click()
{
    const bool handedOver = HandOverFile::write(m_dataDir, 0);
    // A loaded editor only comes forward; the hand-over file stays until the next one replaces it.
    showEditor(m_editor ? m_editor.data() : loadEditor(handedOver ? std::nullopt : std::optional<int>(0)));
}

void NoteSlots::showEditor(frmNote* editor)
{
    editor->show();
    editor->raise();
    editor->activateWindow();
}

frmNote* NoteSlots::loadEditor(std::optional<int> slotWithoutHandOver)
{
    m_editor = new frmNote(m_platform, m_dataDir, *this);
    connect(m_editor, &frmNote::aboutRequested, this, &NoteSlots::aboutRequested);
    m_editor->Form_Load(slotWithoutHandOver);
    return m_editor;
}

frmNote* NoteSlots::editor() const
{
    return m_editor;
}

void NoteSlots::addMenuItems(BoardMenu& menu)
{
    connect(menu.addItem(BoardMenu::Section::Write, QStringLiteral("mnunewnote"), tr("&New Zendra Note")),
            &QAction::triggered,
            this,
            &NoteSlots::mnunewnote_Click);
}
