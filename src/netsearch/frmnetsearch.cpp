#include "netsearch/frmnetsearch.h"

#include <algorithm>

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QWindow>

#include "core/Flag.h"
#include "core/RoomForText.h"
#include "core/Twips.h"
#include "netsearch/SearchFile.h"
#include "platform/Platform.h"
#include "platform/Shell.h"

namespace
{
constexpr double kOptionLeft = 150;
constexpr std::array<double, SearchEngines::kCount> kOptionTops{315, 645, 975, 1320, 1650, 1980};
constexpr double kOptionWidth = 1065;
constexpr double kOptionHeight = 285;
} // namespace

frmnetsearch::frmnetsearch(Platform& platform, const DataDir& dataDir)
    : QWidget(nullptr, Qt::Window)
    , m_platform(platform)
    , m_dataDir(dataDir)
{
    setObjectName(QStringLiteral("frmnetsearch"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Zendra Net Search"));

    Frame1 = new QGroupBox(tr("Seach the Net For:"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setGeometry(Twips::rectToPixels(60, 45, 4320, 1125));
    txtSearch = new QLineEdit(Frame1);
    txtSearch->setObjectName(QStringLiteral("txtSearch"));
    txtSearch->setAccessibleName(tr("Search the Net for"));
    txtSearch->setGeometry(Twips::rectToPixels(225, 360, 2610, 330));
    Command1 = new QPushButton(tr("&Search"), Frame1);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setGeometry(Twips::rectToPixels(2970, 360, 1095, 330));
    connect(Command1, &QPushButton::clicked, this, &frmnetsearch::Command1_Click);
    // Return in the phrase box searches, as the window's default button.
    connect(txtSearch, &QLineEdit::returnPressed, this, &frmnetsearch::Command1_Click);
    Check2 = new QCheckBox(tr("Search Lis&t"), Frame1);
    Check2->setObjectName(QStringLiteral("Check2"));
    Check2->setGeometry(Twips::rectToPixels(1740, 795, 1185, 195));
    Check2->adjustSize();
    connect(Check2, &QCheckBox::toggled, this, &frmnetsearch::Check2_Click);

    Check1 = new QCheckBox(tr("&Keep on top"), this);
    Check1->setObjectName(QStringLiteral("Check1"));
    Check1->move(Twips::toPixels(285, 840));
    Check1->adjustSize();
    connect(Check1, &QCheckBox::toggled, this, &frmnetsearch::Check1_Click);

    Frame2 = new QGroupBox(tr("Search With:"), this);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    Frame2->setGeometry(Twips::rectToPixels(4455, 45, 1695, 2415));
    auto* engines = new QButtonGroup(this);
    // The engines read as links: underlined, in the desktop's link colour (blue in a light theme), made lighter
    // or darker where it would not stand out from the window.
    QFont linkFont = font();
    linkFont.setUnderline(true);
    QPalette linkColours = palette();
    linkColours.setColor(
        QPalette::WindowText,
        RoomForText::readableOn(linkColours.color(QPalette::Link), linkColours.color(QPalette::Window)));
    for (int number = 1; number <= SearchEngines::kCount; ++number) {
        auto* option = new QRadioButton(
            QCoreApplication::translate("SearchEngines", SearchEngines::engine(number).caption), Frame2);
        option->setObjectName(QStringLiteral("Option%1").arg(number));
        option->setToolTip(tr("Double click to visit"));
        option->setAccessibleDescription(tr("Double click or press Enter to visit"));
        option->setFont(linkFont);
        option->setPalette(linkColours);
        option->setGeometry(Twips::rectToPixels(
            kOptionLeft, kOptionTops.at(static_cast<std::size_t>(number - 1)), kOptionWidth, kOptionHeight));
        option->installEventFilter(this);
        engines->addButton(option, number);
        connect(option, &QRadioButton::toggled, this, [this, number](bool on) {
            if (on)
                Option_Click(number);
        });
        m_options.at(static_cast<std::size_t>(number - 1)) = option;
    }

    txtDes = new QPlainTextEdit(this);
    txtDes->setObjectName(QStringLiteral("txtDes"));
    txtDes->setAccessibleName(tr("Engine description"));
    txtDes->setReadOnly(true);
    txtDes->setTabChangesFocus(true);
    txtDes->setBackgroundRole(QPalette::Button);
    txtDes->viewport()->setBackgroundRole(QPalette::Button);
    txtDes->setGeometry(Twips::rectToPixels(60, 1245, 4320, 1215));

    // Top left to bottom right.
    setTabOrder(txtSearch, Command1);
    setTabOrder(Command1, Check1);
    setTabOrder(Check1, Check2);
    setTabOrder(Check2, m_options.front());
    setTabOrder(m_options.back(), txtDes);

    // The captions take the room they need at the full size; the compact size grows with the search frame.
    setFixedSize(Twips::sizeToPixels(kFullWidthTwips, kFullHeightTwips));
    m_grownFull = RoomForText::fitWindow(this);
    m_grownCompact = std::max(0, Frame1->geometry().right() + 1 - Twips::toPixels(60 + 4320));
    Check2_Click();
    Form_Load();
}

void frmnetsearch::Form_Load()
{
    const SearchFile stored = SearchFile::read(m_dataDir);
    for (int number = 1; number <= SearchEngines::kCount; ++number) {
        if (stored.engine == static_cast<float>(number))
            option(number)->setChecked(true);
    }
    if (isFlagSet(stored.onTop))
        Check1->setChecked(true);
    if (isFlagSet(stored.searchList))
        Check2->setChecked(true);
    txtSearch->setFocus();
}

void frmnetsearch::Option_Click(int engine)
{
    txtDes->setPlainText(QCoreApplication::translate("SearchEngines", SearchEngines::engine(engine).description));
}

void frmnetsearch::Option_DblClick(int engine)
{
    m_platform.shell.open(SearchEngines::homePage(engine));
}

int frmnetsearch::selectedEngine() const
{
    for (int number = 1; number <= SearchEngines::kCount; ++number) {
        if (option(number)->isChecked())
            return number;
    }
    return 0;
}

void frmnetsearch::Command1_Click()
{
    m_lastPhrase = txtSearch->text();
    const int engine = selectedEngine();
    if (engine != 0)
        m_searchPrefix = SearchEngines::searchPrefix(engine);
    const QString suffix = engine == 0 ? QString() : QString::fromLatin1(SearchEngines::engine(engine).suffix);
    const QUrl address = SearchEngines::searchAddress(m_searchPrefix, m_lastPhrase, suffix);
    // With neither an engine nor a phrase there is nothing to open.
    if (!address.isEmpty())
        m_platform.shell.open(address);
}

void frmnetsearch::Check1_Click()
{
    // Changing the flag hides a shown window; it comes back where it was.
    const QPoint place = pos();
    const bool shown = isVisible();
    setWindowFlag(Qt::WindowStaysOnTopHint, Check1->isChecked());
    if (shown) {
        move(place);
        show();
    }
}

void frmnetsearch::Check2_Click()
{
    const bool full = Check2->isChecked();
    applySize();
    // The compact window shows neither list nor description: outside it, they must not take the focus either.
    Frame2->setVisible(full);
    txtDes->setVisible(full);
}

void frmnetsearch::applySize()
{
    // The two sizes are the whole window's, title bar and frame included. The window system tells the frame once
    // the window is shown and framed, which moves it: the size is applied again then.
    const QSize outer = Check2->isChecked()
                            ? Twips::sizeToPixels(kFullWidthTwips, kFullHeightTwips) + QSize(m_grownFull, 0)
                            : Twips::sizeToPixels(kCompactWidthTwips, kCompactHeightTwips) + QSize(m_grownCompact, 0);
    m_frame = windowHandle() != nullptr ? windowHandle()->frameMargins() : QMargins();
    setFixedSize(outer.shrunkBy(m_frame));
}

void frmnetsearch::moveEvent(QMoveEvent* event)
{
    QWidget::moveEvent(event);
    if (windowHandle() != nullptr && windowHandle()->frameMargins() != m_frame)
        applySize();
}

bool frmnetsearch::eventFilter(QObject* watched, QEvent* event)
{
    // A double click, or Enter on the focused engine for the keyboard, visits the engine's home page.
    const bool enter = event->type() == QEvent::KeyPress && (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Return ||
                                                             static_cast<QKeyEvent*>(event)->key() == Qt::Key_Enter);
    if (event->type() == QEvent::MouseButtonDblClick || enter) {
        for (int number = 1; number <= SearchEngines::kCount; ++number) {
            if (watched == option(number))
                Option_DblClick(number);
        }
    }
    return QWidget::eventFilter(watched, event);
}

void frmnetsearch::closeEvent(QCloseEvent* event)
{
    Form_Unload();
    QWidget::closeEvent(event);
}

void frmnetsearch::Form_Unload()
{
    SearchFile file;
    file.engine = static_cast<float>(selectedEngine());
    file.onTop = Check1->isChecked() ? 1 : 0;
    file.searchList = Check2->isChecked() ? 1 : 0;
    file.write(m_dataDir);
}
