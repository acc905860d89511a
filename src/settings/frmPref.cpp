#include "settings/frmPref.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>

#include "core/Flag.h"
#include "core/RoomForText.h"
#include "core/Twips.h"
#include "platform/Autostart.h"
#include "platform/DesktopEntry.h"
#include "platform/Dialogs.h"
#include "platform/Platform.h"
#include "settings/ApplyOptions.h"
#include "settings/BoardColour.h"

namespace
{
using Twips::place;

QGroupBox* frame(QWidget* parent, const QString& caption, double left, double top, double width, double height)
{
    auto* box = new QGroupBox(caption, parent);
    box->setGeometry(Twips::rectToPixels(left, top, width, height));
    return box;
}

QCheckBox* checkBox(QWidget* parent, const char* name, const QString& caption, double left, double top, double width)
{
    return place(new QCheckBox(caption, parent), name, left, top, width, 195);
}

QPushButton* button(QWidget* parent, const char* name, const QString& caption, double left, double top, double width)
{
    return place(new QPushButton(caption, parent), name, left, top, width, 345);
}

/// The folder a path starts in: everything up to its last separator, or nothing.
QString folderOf(const QString& path)
{
    const qsizetype slash = path.lastIndexOf(u'/');
    return slash < 0 ? QString() : path.left(slash + 1);
}

float flagOf(const QCheckBox* box)
{
    return box->isChecked() ? 1.0F : 0.0F;
}
} // namespace

frmPref::frmPref(Platform& platform, const DataDir& dataDir, BoardSurface& board, OptionsModel& shown)
    : QWidget(nullptr, Qt::Window)
    , m_platform(platform)
    , m_dataDir(dataDir)
    , m_board(board)
    , m_shown(shown)
{
    setObjectName(QStringLiteral("frmPref"));
    setWindowTitle(tr("Zendra Preferences"));
    setAttribute(Qt::WA_DeleteOnClose);
    // A row below the buttons holds the start-at-login box.
    setFixedSize(Twips::sizeToPixels(5910, 4755));
    // The layout is drawn in twips for an 8-point dialog font; a larger desktop font would cut the captions.
    QFont dialogFont = font();
    dialogFont.setPointSizeF(8);
    setFont(dialogFont);
    buildControls();
    Form_Load();
    RoomForText::fitWindow(this);
}

void frmPref::buildControls()
{
    // Built in reading order, so that Tab goes from the top left to the bottom right.
    QGroupBox* background = frame(this, tr("Background Image"), 75, 120, 3390, 1080);
    txtBG = place(new QLineEdit(background), "txtBG", 135, 270, 1890, 345);
    txtBG->setAccessibleName(tr("Background image file"));
    connect(button(background, "Command1", tr("&Browse"), 2100, 270, 1140),
            &QPushButton::clicked,
            this,
            &frmPref::Command1_Click);
    Check1 = checkBox(background, "Check1", tr("&Center Image on Zendra"), 555, 735, 2700);

    QGroupBox* colour = frame(this, tr("Background Color"), 3555, 120, 2280, 1080);
    Picture1 = place(new QWidget(colour), "Picture1", 165, 420, 645, 345);
    Picture1->setAutoFillBackground(true);
    Picture1->setAccessibleName(tr("Background color"));
    connect(button(this, "Command6", tr("&Select"), 4500, 540, 1140),
            &QPushButton::clicked,
            this,
            &frmPref::Command6_Click);

    QGroupBox* programs = frame(this, tr("Program List"), 75, 1215, 3885, 1935);
    auto* numberLabel = place(new QLabel(tr("Program &Number:"), programs), "Label1", 120, 420, 1500, 315);
    // A little right of its design place, so that the label's colon shows in today's fonts.
    Combo1 = place(new QComboBox(programs), "Combo1", 1620, 375, 615, 315);
    numberLabel->setBuddy(Combo1);
    for (int entry = 1; entry <= kProgramCount; ++entry)
        Combo1->addItem(QString::number(entry));
    connect(Combo1, &QComboBox::activated, this, &frmPref::Combo1_Click);
    place(new QLabel(tr("Title:"), programs), "Label2", 120, 870, 420, 315);
    txttitle = place(new QLineEdit(programs), "txttitle", 555, 795, 3180, 345);
    place(new QLabel(tr("Path:"), programs), "Label3", 120, 1350, 420, 315);
    txtpath = place(new QLineEdit(programs), "txtpath", 555, 1275, 1920, 345);
    // Shown, not typed into: the entry changes through "Edit" alone.
    for (QLineEdit* box : {txttitle, txtpath})
        box->setReadOnly(true);
    txttitle->setAccessibleName(tr("Program title"));
    txtpath->setAccessibleName(tr("Program path"));
    connect(button(programs, "Command2", tr("&Edit"), 2550, 1275, 1140),
            &QPushButton::clicked,
            this,
            &frmPref::Command2_Click);

    QGroupBox* icons = frame(this, tr("Show Icons For"), 4050, 1215, 1785, 1935);
    Check3 = checkBox(icons, "Check3", tr("&My Programs"), 225, 300, 1500);
    Check4 = checkBox(icons, "Check4", tr("&Dial Up Net"), 225, 555, 1500);
    Check5 = checkBox(icons, "Check5", tr("Control &Panel"), 225, 810, 1500);
    Check2 = checkBox(icons, "Check2", tr("E&xplorer"), 225, 1080, 1500);
    Check6 = checkBox(icons, "Check6", tr("Calc&ulator"), 225, 1320, 1500);
    Check7 = checkBox(icons, "Check7", tr("N&otepad"), 225, 1575, 1500);

    QGroupBox* tray = frame(this, tr("Show Tray Icon for Zendra"), 75, 3165, 5760, 660);
    Option1 = place(new QRadioButton(tr("Al&ways"), tray), "Option1", 330, 255, 1500, 255);
    Option2 = place(new QRadioButton(tr("Ne&ver"), tray), "Option2", 2070, 255, 1500, 255);
    Option3 = place(new QRadioButton(tr("When not \"On &Top\""), tray), "Option3", 3705, 255, 2000, 255);

    for (QAbstractButton* changes : std::initializer_list<QAbstractButton*>{
             Check1, Check2, Check3, Check4, Check5, Check6, Check7, Option1, Option2, Option3})
        connect(changes, &QAbstractButton::clicked, this, &frmPref::enableApply);

    connect(button(this, "Command7", tr("T&ips"), 75, 3930, 585), &QPushButton::clicked, this, &frmPref::tipsRequested);
    connect(button(this, "Command8", tr("Emai&l Setup"), 765, 3930, 1140),
            &QPushButton::clicked,
            this,
            &frmPref::emailSetupRequested);
    QPushButton* ok = button(this, "Command5", tr("OK"), 2220, 3930, 1140);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &frmPref::Command5_Click);
    Command4 = button(this, "Command4", tr("&Apply"), 3450, 3930, 1140);
    connect(Command4, &QPushButton::clicked, this, &frmPref::Command4_Click);
    connect(button(this, "Command3", tr("Cancel"), 4680, 3930, 1140), &QPushButton::clicked, this, &QWidget::close);

    chkAutostart = checkBox(this, "chkAutostart", tr("Start Zendra 98 when I lo&g in"), 75, 4350, 3390);
    // As high as the row of buttons above it is apart from it, with the same margin below.
    chkAutostart->resize(chkAutostart->width(), Twips::toPixels(285));
    connect(chkAutostart, &QAbstractButton::clicked, this, &frmPref::enableApply);
}

void frmPref::Form_Load()
{
    // A missing or short file shows what it did not reach as empty, clear or zero.
    m_options.readAll(m_dataDir);
    txtBG->setText(m_options.backgroundPath);
    Option1->setChecked(m_options.trayMode == static_cast<float>(TrayMode::Always));
    Option2->setChecked(m_options.trayMode == static_cast<float>(TrayMode::Never));
    Option3->setChecked(!Option1->isChecked() && !Option2->isChecked());
    Check1->setChecked(isFlagSet(m_options.centreFlag));
    Check2->setChecked(isFlagSet(m_options.explorerFlag));
    Check3->setChecked(isFlagSet(m_options.myProgramsFlag));
    Check4->setChecked(isFlagSet(m_options.dialUpFlag));
    Check5->setChecked(isFlagSet(m_options.controlPanelFlag));
    Check6->setChecked(isFlagSet(m_options.calculatorFlag));
    Check7->setChecked(isFlagSet(m_options.notepadFlag));
    showColour(colourFromStored(m_options.colour));
    chkAutostart->setChecked(m_platform.autostart.enabled());
    Combo1->setCurrentIndex(0);
    Combo1_Click(0);
    Command4->setEnabled(false);
}

void frmPref::showColour(const QColor& colour)
{
    m_colour = colour;
    QPalette palette = Picture1->palette();
    palette.setColor(QPalette::Window, colour);
    Picture1->setPalette(palette);
}

void frmPref::enableApply() const
{
    Command4->setEnabled(true);
}

void frmPref::Combo1_Click(int position)
{
    const ProgramEntry& entry = m_options.programs.at(static_cast<std::size_t>(position));
    txttitle->setText(entry.title);
    txtpath->setText(entry.path);
}

void frmPref::Command1_Click()
{
    const auto chosen = m_platform.dialogs.openFile({folderOf(txtBG->text()),
                                                     tr("Browse"),
                                                     {tr("All Types (*.*)"),
                                                      tr("Bitmaps (*.bmp)"),
                                                      tr("Gif Images (*.gif)"),
                                                      tr("Jpeg Images (*.jpg)"),
                                                      tr("Png Images (*.png)")},
                                                     0});
    if (chosen)
        m_lastChosen = *chosen;
    if (m_lastChosen.isEmpty())
        return;
    txtBG->setText(m_lastChosen);
    enableApply();
}

void frmPref::Command2_Click()
{
    for (;;) {
        // The folder of the program the command starts, not of a file among its arguments.
        const QString program = QProcess::splitCommand(txtpath->text()).value(0);
        const auto chosen = m_platform.dialogs.openFile(
            {folderOf(program), tr("Edit Link"), {tr("All Files (*)"), tr("Programs (*)")}, 1});
        if (chosen)
            m_lastChosen = *chosen;
        if (!m_lastChosen.isEmpty() && QFileInfo(m_lastChosen).isFile())
            break;
        const MessageAnswer answer = m_platform.dialogs.message({tr("You have specified an invalid filename."),
                                                                 tr("File Not Found"),
                                                                 MessageIcon::Critical,
                                                                 MessageButtons::RetryCancel});
        if (answer != MessageAnswer::Retry)
            return;
    }
    // A desktop entry offers its own name as the title.
    const QString proposed =
        m_lastChosen.endsWith(QStringLiteral(".desktop")) ? DesktopEntry::read(m_lastChosen).name : QString();
    const auto title = m_platform.dialogs.input(tr("Please enter a title for this program.\r\n\r\nThis is the "
                                                   "name that will appear on your quick launch menus."),
                                                tr("Program Title"),
                                                proposed);
    if (!title || title->isEmpty())
        return;
    ProgramEntry& entry = m_options.programs.at(static_cast<std::size_t>(Combo1->currentIndex()));
    entry.title = *title;
    entry.path = m_lastChosen;
    txttitle->setText(entry.title);
    txtpath->setText(entry.path);
    enableApply();
}

void frmPref::Command6_Click()
{
    if (const auto colour = m_platform.dialogs.chooseColour(m_colour, tr("Background Color"))) {
        // Only a chosen colour replaces the stored value: a desktop colour code read from the file stays as it is.
        m_options.colour = colourToStored(*colour);
        showColour(*colour);
    }
    enableApply();
}

bool frmPref::writeOptions()
{
    Options written = m_options;
    written.backgroundPath = txtBG->text();
    written.centreFlag = flagOf(Check1);
    written.explorerFlag = flagOf(Check2);
    written.myProgramsFlag = flagOf(Check3);
    written.dialUpFlag = flagOf(Check4);
    written.controlPanelFlag = flagOf(Check5);
    written.calculatorFlag = flagOf(Check6);
    written.notepadFlag = flagOf(Check7);
    written.trayMode = Option1->isChecked() ? 1.0F : Option2->isChecked() ? 2.0F : 3.0F;
    const bool stored = written.write(m_dataDir);
    if (!stored) {
        m_platform.dialogs.message({tr("Zendra 98 could not save the preferences in %1. The file there is "
                                       "unchanged.")
                                        .arg(m_dataDir.file(QString::fromLatin1(Options::kName))),
                                    QString(),
                                    MessageIcon::Critical,
                                    MessageButtons::Ok});
    }
    ApplyOptions::fromPreferences(m_board,
                                  m_shown,
                                  {written.backgroundPath,
                                   Check1->isChecked(),
                                   Check2->isChecked(),
                                   Check3->isChecked(),
                                   Check4->isChecked(),
                                   Check5->isChecked(),
                                   Check6->isChecked(),
                                   Check7->isChecked(),
                                   written.colour,
                                   written.trayMode});
    return stored;
}

void frmPref::writeAutostart()
{
    if (chkAutostart->isChecked() == m_platform.autostart.enabled() ||
        m_platform.autostart.setEnabled(chkAutostart->isChecked()))
        return;
    m_platform.dialogs.message(
        {tr("Zendra 98 could not change %1, so it does not change whether it starts when you log in.")
             .arg(m_platform.autostart.location()),
         QString(),
         MessageIcon::Critical,
         MessageButtons::Ok});
    chkAutostart->setChecked(m_platform.autostart.enabled());
}

void frmPref::Command4_Click()
{
    writeOptions();
    writeAutostart();
    Command4->setEnabled(false);
}

void frmPref::Command5_Click()
{
    writeOptions();
    writeAutostart();
    close();
}

void frmPref::keyPressEvent(QKeyEvent* event)
{
    // Escape is Cancel.
    if (event->key() == Qt::Key_Escape)
        close();
    else
        QWidget::keyPressEvent(event);
}
