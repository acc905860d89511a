#include "../email/MailFixture.h"
#include "TestSupport.h"
#include "WindowWalk.h"
#include "app/frmSplash.h"
#include "core/RoomForText.h"
#include "email/frmChecking.h"
#include "email/frmPassword.h"
#include "scratch/PadText.h"
#include "scratch/ScratchPad.h"

namespace
{
enum class Check
{
    TextFits,
    TextReads,
    TextTranslated,
    AccessKeysApart,
};

QString nameOf(const QWidget* widget)
{
    const QString name =
        widget->objectName().isEmpty() ? QString::fromLatin1(widget->metaObject()->className()) : widget->objectName();
    return widget->isWindow() ? name : nameOf(widget->window()) + u'/' + name;
}

int textWidth(const QWidget* control, const QString& text)
{
    return control->fontMetrics().size(Qt::TextShowMnemonic, text).width();
}

/// Where `control` draws its text, in its own pixels, and the text; an empty rectangle where nothing is drawn.
std::pair<QRect, QString> textPlace(const QWidget* control)
{
    QStyle* style = control->style();
    if (const auto* label = qobject_cast<const QLabel*>(control)) {
        const QRect inside = label->contentsRect().adjusted(label->margin(), 0, -label->margin(), 0);
        return {inside, label->wordWrap() ? QString() : label->text()};
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(control)) {
        QStyleOptionButton option;
        option.initFrom(button);
        const auto element = qobject_cast<const QCheckBox*>(control) != nullptr      ? QStyle::SE_CheckBoxContents
                             : qobject_cast<const QRadioButton*>(control) != nullptr ? QStyle::SE_RadioButtonContents
                                                                                     : QStyle::SE_PushButtonContents;
        return {style->subElementRect(element, &option, button), button->text()};
    }
    if (const auto* box = qobject_cast<const QGroupBox*>(control)) {
        QStyleOptionGroupBox option;
        option.initFrom(box);
        option.text = box->title();
        option.lineWidth = 1;
        option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
        const QRect caption = style->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, box);
        // The caption's place grows with its text: it fits when it ends inside the frame.
        return {caption.intersected(box->rect()), caption.right() < box->width() ? QString() : box->title()};
    }
    if (const auto* box = qobject_cast<const QComboBox*>(control)) {
        QStyleOptionComboBox option;
        option.initFrom(box);
        option.frame = box->hasFrame();
        return {style->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, box),
                box->currentText()};
    }
    if (const auto* area = qobject_cast<const QAbstractScrollArea*>(control))
        return {area->viewport()->geometry(), QString()};
    // Line edits and menus: inside their frame.
    return {control->rect().adjusted(3, 3, -3, -3), QString()};
}

/// What is wrong with the width `control` gives its text, or nothing.
QString misfit(const QWidget* control)
{
    if (const auto* box = qobject_cast<const QLineEdit*>(control)) {
        // A box the user does not type into shows the beginning of what does not fit, a date its day first.
        const bool cut = textWidth(box, box->text()) > box->contentsRect().width() - 4;
        return box->isReadOnly() && cut && box->cursorPosition() != 0 ? u"shows its end"_s : QString();
    }
    if (const auto* view = qobject_cast<const QAbstractItemView*>(control)) {
        const bool scrolls = view->horizontalScrollBar()->maximum() > 0;
        return qobject_cast<const QListView*>(view) != nullptr && scrolls ? u"scrolls sideways"_s : QString();
    }
    if (qobject_cast<const QMenu*>(control) != nullptr || qobject_cast<const QAbstractScrollArea*>(control) != nullptr)
        return {};
    const auto [place, text] = textPlace(control);
    const auto* label = qobject_cast<const QLabel*>(control);
    int needed = textWidth(control, text);
    if (label != nullptr && label->buddy() == nullptr)
        needed = control->fontMetrics().size(0, text).width();
    if (label != nullptr && (label->textFormat() == Qt::RichText || Qt::mightBeRichText(text))) {
        QTextDocument document;
        document.setDefaultFont(label->font());
        document.setDocumentMargin(0);
        document.setHtml(text);
        needed = static_cast<int>(std::ceil(document.idealWidth()));
    }
    return needed > place.width() ? u"needs %1 px, has %2"_s.arg(needed).arg(place.width()) : QString();
}

/// The contrast between the colour most of `place` has (the background) and the colour furthest from it there
/// (the text), as the window shows them.
double shownContrast(const QImage& shot, const QWidget* control, QRect place)
{
    const double ratio = shot.devicePixelRatio();
    // Only what its parents leave visible: beyond that lies what is under the control.
    place &= control->visibleRegion().boundingRect();
    place.moveTopLeft(control->mapTo(control->window(), place.topLeft()));
    const QRect pixels(QPoint(qRound(place.left() * ratio), qRound(place.top() * ratio)),
                       QSize(qRound(place.width() * ratio), qRound(place.height() * ratio)));
    QHash<QRgb, int> counts;
    for (int y = pixels.top(); y <= pixels.bottom(); ++y) {
        for (int x = pixels.left(); x <= pixels.right(); ++x) {
            if (shot.rect().contains(x, y))
                ++counts[shot.pixel(x, y)];
        }
    }
    QRgb background = 0;
    for (auto count = counts.begin(); count != counts.end(); ++count) {
        if (count.value() > counts.value(background))
            background = count.key();
    }
    double furthest = 1;
    for (auto count = counts.begin(); count != counts.end(); ++count)
        furthest = std::max(furthest, RoomForText::contrast(QColor(count.key()), QColor(background)));
    return furthest;
}

/// Adds `shown` to `found` unless the pseudo-translation, in which every text is bracketed, bracketed it.
void expectTranslated(QStringList& found, const QObject* where, const QString& shown)
{
    const QString text = Qt::mightBeRichText(shown) ? QTextDocumentFragment::fromHtml(shown).toPlainText() : shown;
    // Not translated, rightly: nothing, numbers, the close glyph of the scratch pad, a tip read from the shipped tips,
    // and the checking window's line the walk writes itself (the mail check's own is read below).
    static const QRegularExpression number(u"^\\d*$"_s);
    if (number.match(text).hasMatch() || text == u'x' || where->objectName() == u"lblTipText"_s ||
        (where->objectName() == u"Label1"_s && where->parent() != nullptr && where->parent()->inherits("frmChecking")))
        return;
    if (!text.startsWith(u'[') || !text.endsWith(u']'))
        found << where->objectName() + u": "_s + text;
}

/// The texts of `window` and its controls and actions that are not translated.
QStringList untranslated(QWidget* window)
{
    QStringList found;
    const auto expect = [&](const QObject* where, const QString& shown) { expectTranslated(found, where, shown); };
    QList<QWidget*> widgets = window->findChildren<QWidget*>();
    widgets.prepend(window);
    for (QWidget* widget : widgets) {
        if (widget->isWindow())
            expect(widget, widget->windowTitle());
        for (const QString& text : {widget->toolTip(), widget->accessibleName(), widget->accessibleDescription()})
            expect(widget, text);
        if (auto* label = qobject_cast<QLabel*>(widget))
            expect(widget, label->text());
        if (auto* button = qobject_cast<QAbstractButton*>(widget))
            expect(widget, button->text());
        if (auto* box = qobject_cast<QGroupBox*>(widget))
            expect(widget, box->title());
        if (auto* combo = qobject_cast<QComboBox*>(widget))
            for (int i = 0; i < combo->count(); ++i)
                expect(widget, combo->itemText(i));
        if (auto* list = qobject_cast<QListWidget*>(widget))
            for (int i = 0; i < list->count(); ++i)
                expect(widget, list->item(i)->text());
        for (const QAction* action : widget->actions()) {
            expect(action, action->text());
            expect(action, action->toolTip());
        }
    }
    return found;
}

/// The texts shown outside the windows that are not translated: a second instance's splash, the message boxes of a
/// setup left incomplete, a scratch pad closed with text and an empty mailbox, the mail check's own texts, the
/// notification of new mail and the tray icon's tooltip.
QStringList untranslatedOutsideWindows()
{
    QStringList found;
    FakePlatform fakes;
    TempDataDir dir;
    fakes.instanceGuard.otherInstanceRunning = true;
    static_cast<void>(frmSplash(fakes.platform, dir.dataDir()).Form_Load([] {}));

    MailBoard board(emailFile(1, 300000));
    board.fakes.pop3.script = [](FakePop3Client& pop) {
        pop.messages = {FakePop3Client::message(u"Ann"_s, u"Lunch"_s, u"Mon, 1 Jan 2024"_s)};
    };
    board.withSetup([&](Esetup& setup) {
        setup.findChild<QLineEdit*>(u"txtServer"_s)->clear();
        setup.findChild<QPushButton*>(u"Command2"_s)->click();
    });
    board.action("mnccheckemail")->trigger();
    static_cast<void>(QTest::qWaitFor([&] {
        return board.mail().check().passwordPrompt() != nullptr && board.mail().check().passwordPrompt()->isVisible();
    }));
    QTest::keyClicks(QApplication::focusWidget(), u"pw"_s);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    if (!board.checkEnds())
        found << u"the check did not end"_s;
    QWidget* form = board.form.get();
    expectTranslated(found, form, board.mail().check().checkingWindow()->text());
    for (int column = 0; column < 3; ++column)
        expectTranslated(found, board.list(), board.list()->list().text(0, column));
    board.features.scratch->text()->setPlainText(u"text"_s);
    board.features.scratch->sclose_Click();
    MailBoard empty(emailFile(1, 9999999, u"pw"_s));
    static_cast<void>(empty.check());
    const QList<MessageRequest> messages =
        fakes.dialogs.messages + board.fakes.dialogs.messages + empty.fakes.dialogs.messages;
    board.form->showTrayIcon();
    QList<std::pair<QString, QString>> texts{{board.fakes.tray.tooltip, QString()}};
    for (const MessageRequest& message : messages)
        texts.append({message.title, message.text});
    texts += board.fakes.notifier.notifications;
    if (messages.size() != 4 || texts.size() != 6 || board.fakes.tray.tooltip.isEmpty())
        found << u"%1 messages, %2 notifications and a tray tooltip \"%3\""_s.arg(messages.size())
                     .arg(board.fakes.notifier.notifications.size())
                     .arg(board.fakes.tray.tooltip);
    for (const auto& [title, text] : std::as_const(texts)) {
        expectTranslated(found, form, title);
        expectTranslated(found, form, text);
    }
    return found;
}

/// The captions of `window` that mark one access key between them, each group as "&Search / &Search List": among
/// what the keyboard reaches there (buttons, labels that lead to a box, the menu bar's titles), and in each menu.
QStringList sharedAccessKeys(const QWidget* window)
{
    const auto texts = [](const QWidget* menu) {
        QStringList captions;
        for (const QAction* item : menu->actions())
            captions << item->text();
        return captions;
    };
    QList<QStringList> groups{qobject_cast<const QMenu*>(window) != nullptr ? texts(window) : QStringList()};
    for (const QWidget* control : window->findChildren<QWidget*>()) {
        const auto* label = qobject_cast<const QLabel*>(control);
        if (const auto* button = qobject_cast<const QAbstractButton*>(control); button && button->window() == window)
            groups[0] << button->text();
        else if (label != nullptr && label->buddy() != nullptr && label->window() == window)
            groups[0] << label->text();
        else if (qobject_cast<const QMenuBar*>(control) != nullptr)
            groups[0] << texts(control);
        else if (qobject_cast<const QMenu*>(control) != nullptr)
            groups << texts(control);
    }
    QStringList shared;
    for (const QStringList& captions : std::as_const(groups)) {
        QHash<QString, QStringList> byKey;
        for (const QString& caption : captions) {
            if (const QKeySequence key = QKeySequence::mnemonic(caption); !key.isEmpty())
                byKey[key.toString()] << caption;
        }
        for (const QStringList& same : std::as_const(byKey)) {
            if (same.size() > 1)
                shared << same.join(u" / "_s);
        }
    }
    return shared;
}

QPalette darkPalette()
{
    const QColor window(0x35, 0x35, 0x35), text(0xee, 0xee, 0xee), base(0x23, 0x23, 0x23), blue(0x2a, 0x82, 0xda);
    QPalette dark;
    for (const auto role : {QPalette::Window, QPalette::AlternateBase, QPalette::Button})
        dark.setColor(role, window);
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::ToolTipText})
        dark.setColor(role, text);
    for (const auto role : {QPalette::Base, QPalette::ToolTipBase})
        dark.setColor(role, base);
    for (const auto role : {QPalette::Highlight, QPalette::Link})
        dark.setColor(role, blue);
    dark.setColor(QPalette::HighlightedText, Qt::black);
    dark.setColor(QPalette::PlaceholderText, QColor(0x9a, 0x9a, 0x9a));
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        dark.setColor(QPalette::Disabled, role, QColor(0x9a, 0x9a, 0x9a));
    return dark;
}
} // namespace

class tst_Appearance final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void everyWindowShowsItsTexts_data();
    void everyWindowShowsItsTexts();
};

void tst_Appearance::initTestCase()
{
    // The desktop's font as Debian ships it, a size larger than the one the layouts were drawn for.
    QApplication::setStyle(QStyleFactory::create(u"Fusion"_s));
    QApplication::setFont(QFont(u"DejaVu Sans"_s, 10));
    QCOMPARE(QFontInfo(QApplication::font()).family(), u"DejaVu Sans"_s);
}

void tst_Appearance::everyWindowShowsItsTexts_data()
{
    QTest::addColumn<Check>("check");
    QTest::addColumn<bool>("dark");
    QTest::addColumn<bool>("translated");
    QTest::newRow("every text is as wide as its control allows") << Check::TextFits << false << false;
    QTest::newRow("every text stands out from its background in a dark theme") << Check::TextReads << true << false;
    // A translation a third longer than the English, every text bracketed: controls grow for it as well.
    QTest::newRow("every translated text is as wide as its control allows") << Check::TextFits << false << true;
    // No text of a window, control, tooltip or menu is built from fragments or left out of the translation.
    QTest::newRow("every text is translated") << Check::TextTranslated << false << true;
    QTest::newRow("no two items of a menu or window share an access key") << Check::AccessKeysApart << false << false;
}

void tst_Appearance::everyWindowShowsItsTexts()
{
    QFETCH(Check, check);
    QFETCH(bool, dark);
    QFETCH(bool, translated);
    QTranslator pseudo;
    if (translated) {
        QVERIFY(pseudo.load(QStringLiteral(PSEUDO_QM)));
        QCoreApplication::installTranslator(&pseudo);
    }
    const QPalette normal = QApplication::palette();
    if (dark)
        QApplication::setPalette(darkPalette());
    QStringList faults;
    walkWindows([&](QWidget* window, QWidget* control) {
        if (check != Check::TextFits && check != Check::TextReads) {
            faults << (check == Check::TextTranslated ? untranslated(window) : sharedAccessKeys(window));
            return;
        }
        const QImage shot = window->grab().toImage();
        QString fault;
        if (check == Check::TextFits) {
            fault = misfit(control);
        } else if (control->isVisible() && control->isEnabled()) {
            // Disabled controls are meant to recede; everything else must read well.
            const double seen = shownContrast(shot, control, textPlace(control).first);
            if (seen < 4.5)
                fault = u"contrast %1"_s.arg(seen, 0, 'f', 2);
        }
        if (fault.isEmpty())
            return;
        faults << nameOf(control) + u": "_s + fault;
    });
    QApplication::setPalette(normal);
    if (check == Check::TextTranslated)
        faults << untranslatedOutsideWindows();
    faults.removeDuplicates();
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
}

QTEST_MAIN(tst_Appearance)
#include "tst_Appearance.moc"
