#include "WindowWalk.h"

#include "BoardFixture.h"
#include "TestSupport.h"
#include "app/frmSplash.h"
#include "core/OptionsModel.h"
#include "email/Esetup.h"
#include "email/frmChecking.h"
#include "email/frmEmail.h"
#include "email/frmPassword.h"
#include "info/frmAbout.h"
#include "info/frmCredits.h"
#include "info/frmTip.h"
#include "netsearch/frmnetsearch.h"
#include "notes/NoteSlots.h"
#include "notes/frmNote.h"
#include "scratch/ScratchPad.h"
#include "settings/frmPref.h"

namespace
{
bool showsText(const QWidget* control)
{
    if (const auto* label = qobject_cast<const QLabel*>(control))
        return !label->text().isEmpty();
    if (const auto* button = qobject_cast<const QToolButton*>(control))
        return button->toolButtonStyle() != Qt::ToolButtonIconOnly && !button->text().isEmpty();
    if (const auto* button = qobject_cast<const QAbstractButton*>(control))
        return !button->text().isEmpty();
    if (const auto* box = qobject_cast<const QGroupBox*>(control))
        return !box->title().isEmpty();
    if (const auto* box = qobject_cast<const QLineEdit*>(control))
        return !box->text().isEmpty();
    if (const auto* box = qobject_cast<const QComboBox*>(control))
        return !box->currentText().isEmpty();
    if (const auto* box = qobject_cast<const QPlainTextEdit*>(control))
        return !box->toPlainText().isEmpty();
    if (const auto* box = qobject_cast<const QTextEdit*>(control))
        return !box->toPlainText().isEmpty();
    if (const auto* header = qobject_cast<const QHeaderView*>(control)) {
        for (int section = 0; header->model() != nullptr && section < header->count(); ++section) {
            if (!header->model()->headerData(section, header->orientation()).toString().isEmpty())
                return true;
        }
        return false;
    }
    if (const auto* view = qobject_cast<const QAbstractItemView*>(control))
        return view->model() != nullptr && view->model()->rowCount() > 0;
    return false;
}

void visitShown(QWidget* window, const std::function<void(QWidget*, QWidget*)>& visit)
{
    window->show();
    static_cast<void>(QTest::qWaitForWindowExposed(window));
    for (QWidget* control : window->findChildren<QWidget*>()) {
        if (control->window() == window && showsText(control))
            visit(window, control);
    }
    window->hide();
}

const QByteArray kEmail = "1\r\n300000\r\n\"joe\"\r\n\"\"\r\n\"mail.example.org\"\r\n"
                          "\"joe.bloggs.with.a.long.name@mail.example.org\"\r\n\"\"\r\n";
} // namespace

void walkWindows(const std::function<void(QWidget* window, QWidget* control)>& visit)
{
    FakePlatform fakes;
    TempDataDir dir;
    FakeBoardSurface surface;
    dir.write(u"email.dat"_s, kEmail);
    dir.write(u"search.dat"_s, "2,0,1\r\n");
    dir.write(u"tipset.dat"_s, "1\r\n");
    dir.copy(QStringLiteral(SHIPPED_DATA_DIR "/TIPOFDAY.TXT"));
    dir.copy(QStringLiteral(SHIPPED_DATA_DIR "/options.dat"));

    // The start sequence writes "Loading..." once the splash shows; the board it would show is left out.
    frmSplash splash(fakes.platform, dir.dataDir());
    static_cast<void>(splash.Form_Load([] {}, {}, 0));
    visitShown(&splash, visit);
    Board board;
    board.dir.write(u"scratch.dat"_s, "\"A line on the pad\"\r\n");
    board.load();
    board.features.scratch->open();
    visitShown(board.form.get(), visit);
    for (QMenu* menu : board.form->findChildren<QMenu*>()) {
        menu->popup(board.form->mapToGlobal(QPoint()));
        static_cast<void>(QTest::qWaitForWindowExposed(menu));
        visit(menu, menu);
        menu->hide();
    }
    OptionsModel shown;
    frmPref preferences(fakes.platform, dir.dataDir(), surface, shown);
    visitShown(&preferences, visit);
    NoteSlots slots(fakes.platform, dir.dataDir(), surface);
    slots.mnunewnote_Click();
    slots.editor()->body()->setPlainText(u"Milk, bread and a birthday card"_s);
    visitShown(slots.editor(), visit);
    // With an account of the desktop's, so that its choice shows too.
    fakes.onlineAccounts.accounts = {
        {u"google"_s, u"Google"_s, u"ann.example@gmail.com"_s, u"ann.example@gmail.com"_s}};
    Esetup setup(fakes.platform, dir.dataDir());
    QCoreApplication::processEvents();
    visitShown(&setup, visit);
    frmEmail list(fakes.platform, dir.dataDir());
    list.list().addRow({u"Ann <ann@example.org>"_s, u"Lunch on Friday?"_s, u"Fri, 11 Dec 2026 09:30:00 +0100"_s});
    list.setMessageCount(1, 1);
    list.setLastChecked(QLocale::system().toString(QDate(2026, 12, 12), QLocale::LongFormat));
    visitShown(&list, visit);
    frmPassword prompt;
    visitShown(&prompt, visit);
    frmChecking checking;
    checking.setText(u"Checking for new email messages..."_s);
    visitShown(&checking, visit);
    frmnetsearch search(fakes.platform, dir.dataDir());
    visitShown(&search, visit);
    float armed = 0;
    frmAbout about(armed);
    visitShown(&about, visit);
    frmCredits credits;
    visitShown(&credits, visit);
    frmTip tip(fakes.platform, dir.dataDir());
    static_cast<void>(tip.Form_Load());
    visitShown(&tip, visit);
}
