#include "scratch/ScratchPad.h"

#include <algorithm>

#include <QAction>
#include <QMenu>
#include <QWidget>

#include "core/AccessibleRole.h"
#include "core/BoardMenu.h"
#include "core/BoardSurface.h"
#include "core/Flag.h"
#include "core/PictureControl.h"
#include "core/RoomForText.h"
#include "core/Twips.h"
#include "platform/Dialogs.h"
#include "platform/Platform.h"
#include "scratch/AutosaveWriter.h"
#include "scratch/PadAnimation.h"
#include "scratch/PadText.h"
#include "scratch/ScratchFiles.h"

ScratchPad::ScratchPad(Platform& platform, const DataDir& dataDir, BoardSurface& board)
    : m_platform(platform)
    , m_dataDir(dataDir)
    , m_board(board)
{
}

void ScratchPad::buildControls()
{
    // Built when the pad is first needed: a text box, a bold font and a menu cost memory that most boards never
    // use. No feature adds controls after the pad, so its controls still lie above all the others.
    if (Text1)
        return;
    BoardSurface& board = m_board;
    Text1 = new PadText(nullptr);
    board.addControl(*Text1);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setAccessibleName(title());
    Text1->setGeometry(Twips::rectToPixels(90, 555, 2220, 795));
    Text1->characterTyped = [this] { Text1_KeyPress(); };
    Text1->keyReleased = [this] { autosave(); };
    Text1->mouseReleased = [this](Qt::MouseButton button) {
        if (button == Qt::RightButton)
            autosave();
    };

    soption1 = new QWidget(nullptr);
    board.addControl(*soption1);
    soption1->setObjectName(QStringLiteral("soption1"));
    soption1->setGeometry(Twips::rectToPixels(90, 390, 2220, 180));
    soption1->setAutoFillBackground(true);
    QPalette strip = soption1->palette();
    strip.setColor(QPalette::Window, strip.color(QPalette::Active, QPalette::Highlight));
    // The close mark is the button face on the title colour, made lighter or darker where a theme would
    // leave it hard to see.
    strip.setColor(QPalette::WindowText,
                   RoomForText::readableOn(strip.color(QPalette::Active, QPalette::Button),
                                           strip.color(QPalette::Active, QPalette::Highlight)));
    soption1->setPalette(strip);

    soption2 = new PictureControl(QStringLiteral("soption2"), soption1);
    soption2->setAccessibleName(tr("Scratch Pad options"));
    AccessibleRole::set(*soption2, QAccessible::Button);
    soption2->setGeometry(Twips::rectToPixels(30, 60, 105, 60));
    soption2->setAutoFillBackground(true);
    QPalette button = soption2->palette();
    button.setColor(QPalette::Window, strip.color(QPalette::WindowText));
    soption2->setPalette(button);
    connect(soption2, &PictureControl::pressed, this, [this](Qt::MouseButton, QPointF, QPoint global) {
        soption2_MouseDown(global);
    });

    sclose = new PictureControl(QStringLiteral("sclose"), soption1);
    sclose->setText(QStringLiteral("x"));
    sclose->setAccessibleName(tr("Close the Scratch Pad"));
    AccessibleRole::set(*sclose, QAccessible::Button);
    QFont bold(QStringLiteral("MS Sans Serif"));
    bold.setStyleHint(QFont::SansSerif);
    bold.setPointSizeF(8.25);
    bold.setBold(true);
    sclose->setFont(bold);
    sclose->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    sclose->setGeometry(Twips::rectToPixels(2040, -45, 105, 170));
    // The board keeps its size: a mark wider than drawn grows leftwards, about its middle.
    const int markGrowth = std::max(0, RoomForText::neededWidth(sclose) - sclose->width());
    sclose->setGeometry(sclose->geometry().adjusted(-(markGrowth + 1) / 2, 0, markGrowth / 2, 0));
    connect(sclose, &PictureControl::clicked, this, [this](Qt::MouseButton pressed) {
        if (pressed == Qt::LeftButton)
            sclose_Click();
    });

    gif1 = new PadAnimation(nullptr);
    board.addControl(*gif1);
    gif1->setObjectName(QStringLiteral("gif1"));
    gif1->setGeometry(Twips::rectToPixels(315, 810, 1725, 405));

    mnuscratchpadmenu = new QMenu(soption1);
    mnuscratchpadmenu->setObjectName(QStringLiteral("mnuscratchpadmenu"));
    mnuautotextsave = mnuscratchpadmenu->addAction(tr("&Auto Text Save"));
    mnuautotextsave->setObjectName(QStringLiteral("mnuautotextsave"));
    mnuautotextsave->setCheckable(true);
    // The check mark follows the setting, which the handler changes itself.
    connect(mnuautotextsave, &QAction::triggered, this, [this] {
        mnuautotextsave->setChecked(!mnuautotextsave->isChecked());
        mnuautotextsave_Click();
    });
    mnuscratchpadmenu->addSeparator();
    QAction* mnusaveandclose = mnuscratchpadmenu->addAction(tr("&Save and Close"));
    mnusaveandclose->setObjectName(QStringLiteral("mnusaveandclose"));
    connect(mnusaveandclose, &QAction::triggered, this, &ScratchPad::mnusaveandclose_Click);
    QAction* mnuclose = mnuscratchpadmenu->addAction(tr("&Close"));
    mnuclose->setObjectName(QStringLiteral("mnuclose"));
    connect(mnuclose, &QAction::triggered, this, &ScratchPad::mnuClose_Click);
    mnuautotextsave->setChecked(m_autosaveChecked);

    hidePad();
}

ScratchPad::~ScratchPad()
{
    // The writer finishes the last text before the pad's controls go.
    m_writer.reset();
}

void ScratchPad::startUp(const AutosaveFile& autosave, const ScratchFile& scratch)
{
    m_autosave = autosave.autosave;
    if (isFlagSet(autosave.checked)) {
        m_autosaveChecked = true;
        if (mnuautotextsave)
            mnuautotextsave->setChecked(true);
    }
    if (isFlagSet(scratch.open))
        showPad(scratch.text, false);
}

bool ScratchPad::isOpen() const
{
    return Text1 && !Text1->isHidden();
}

PadText* ScratchPad::text()
{
    buildControls();
    return Text1;
}

PadAnimation* ScratchPad::animation()
{
    buildControls();
    return gif1;
}

QMenu* ScratchPad::menu()
{
    buildControls();
    return mnuscratchpadmenu;
}

void ScratchPad::open()
{
    m_board.controlTouched();
    ScratchFile stored;
    stored.read(m_dataDir);
    const bool restore = isFlagSet(stored.open);
    showPad(restore ? stored.text : QString(), !restore);
    Text1->setFocus();
}

void ScratchPad::showPad(const QString& text, bool animate)
{
    buildControls();
    // A save still waiting belongs to the text that is being replaced.
    cancelAutosave();
    Text1->setPlainText(text);
    Text1->show();
    gif1->setVisible(animate);
    soption1->show();
    soption2->show();
    sclose->show();
}

void ScratchPad::hidePad()
{
    for (QWidget* control : {static_cast<QWidget*>(Text1),
                             static_cast<QWidget*>(gif1),
                             soption1,
                             static_cast<QWidget*>(soption2),
                             static_cast<QWidget*>(sclose)})
        control->hide();
}

bool ScratchPad::store(int open, const QString& text)
{
    cancelAutosave();
    if (ScratchFile::write(m_dataDir, open, text))
        return true;
    m_platform.dialogs.message({tr("Zendra 98 could not save the Scratch Pad in %1. The pad stays open "
                                   "with its text.")
                                    .arg(m_dataDir.file(QString::fromLatin1(ScratchFile::kName))),
                                title(),
                                MessageIcon::Critical,
                                MessageButtons::Ok});
    return false;
}

QString ScratchPad::title()
{
    return tr("Scratch Pad");
}

void ScratchPad::sclose_Click()
{
    buildControls();
    const QString text = Text1->toPlainText();
    if (!text.isEmpty()) {
        const bool keep = m_platform.dialogs.message({tr("Do you wish to save the contents of the "
                                                         "Scratch Pad?"),
                                                      title(),
                                                      MessageIcon::Question,
                                                      MessageButtons::YesNo}) == MessageAnswer::Yes;
        if (!(keep ? store(1, text) : store(0, QString())))
            return;
    }
    hidePad();
}

void ScratchPad::soption2_MouseDown(QPoint globalPosition)
{
    m_board.suppressDrag();
    m_board.popup(*menu(), globalPosition);
}

void ScratchPad::mnuautotextsave_Click()
{
    buildControls();
    const bool on = !mnuautotextsave->isChecked();
    m_autosaveChecked = on;
    mnuautotextsave->setChecked(on);
    m_autosave = on ? 1.0F : 0.0F;
    if (!AutosaveFile::write(m_dataDir, on)) {
        const QString text =
            on ? tr("Zendra 98 could not save the setting in %1. Automatic saving is on until Zendra 98 ends.")
               : tr("Zendra 98 could not save the setting in %1. Automatic saving is off until Zendra 98 ends.");
        m_platform.dialogs.message({text.arg(m_dataDir.file(QString::fromLatin1(AutosaveFile::kName))),
                                    title(),
                                    MessageIcon::Critical,
                                    MessageButtons::Ok});
    }
}

void ScratchPad::mnusaveandclose_Click()
{
    buildControls();
    if (store(1, Text1->toPlainText()))
        hidePad();
}

void ScratchPad::mnuClose_Click()
{
    buildControls();
    if (store(0, QString()))
        hidePad();
}

void ScratchPad::Text1_KeyPress()
{
    gif1->hide();
}

void ScratchPad::autosave()
{
    if (autosaveOn())
        autosaveWriter().submit(Text1->toPlainText());
}

AutosaveWriter& ScratchPad::autosaveWriter()
{
    // Started by the first automatic save, so that a board whose pad never saves that way runs no thread.
    if (!m_writer) {
        m_writer = std::make_unique<AutosaveWriter>(
            m_dataDir,
            [this] {
                if (!m_autosaveFailing.exchange(true))
                    QMetaObject::invokeMethod(this, &ScratchPad::autosaveFailed, Qt::QueuedConnection);
            },
            [this] { m_autosaveFailing = false; });
    }
    return *m_writer;
}

void ScratchPad::cancelAutosave()
{
    if (m_writer)
        m_writer->cancel();
}

void ScratchPad::autosaveFailed()
{
    m_platform.dialogs.message({tr("Zendra 98 could not save the Scratch Pad in %1. Automatic saving "
                                   "goes on trying; use \"Save and Close\" once the folder can be "
                                   "written to.")
                                    .arg(m_dataDir.file(QString::fromLatin1(ScratchFile::kName))),
                                title(),
                                MessageIcon::Critical,
                                MessageButtons::Ok});
}

bool ScratchPad::exitStep(bool ask)
{
    if (!isOpen())
        return true;
    const QString text = Text1->toPlainText();
    if (text.isEmpty())
        return true;
    const bool keep = !ask || m_platform.dialogs.message({tr("Do you wish to save the contents of the Scratch "
                                                             "Pad\r\nand open it the next time you run Zendra."),
                                                          title(),
                                                          MessageIcon::Question,
                                                          MessageButtons::YesNo}) == MessageAnswer::Yes;
    cancelAutosave();
    return ScratchFile::write(m_dataDir, keep ? 1 : 0, text);
}

void ScratchPad::addMenuItems(BoardMenu& menu)
{
    connect(menu.addItem(BoardMenu::Section::Write, QStringLiteral("mnuscratch"), tr("Open S&cratch Pad")),
            &QAction::triggered,
            this,
            &ScratchPad::open);
}

QStringList ScratchPad::storeAtExit(bool ask)
{
    if (exitStep(ask))
        return {};
    return {QString::fromLatin1(ScratchFile::kName)};
}
