#include "TestSupport.h"
#include "app/StartupFiles.h"
#include "core/PictureControl.h"
#include "notes/NoteSlots.h"
#include "notes/frmNote.h"

namespace
{
QByteArray record(const QByteArray& text)
{
    return "\"" + text + "\"\r\n";
}

/// The note icons on a fake board, started from the slot files a test lays into the data directory.
struct Notes
{
    FakePlatform fakes;
    TempDataDir dir;
    FakeBoardSurface board;
    std::unique_ptr<NoteSlots> slots;

    explicit Notes(const QHash<QString, QByteArray>& files = {})
    {
        for (auto file = files.begin(); file != files.end(); ++file)
            dir.write(file.key(), file.value());
        slots = std::make_unique<NoteSlots>(fakes.platform, dir.dataDir(), board);
        slots->startUp(StartupFiles::read(dir.dataDir()).notes);
    }
    QString inUse() const
    {
        QString shown;
        for (int slot = 1; slot <= kNoteSlotCount; ++slot) {
            // "?" where the icon does not show what the slot holds.
            const bool shows = !slots->icon(slot)->isHidden();
            shown += slots->isInUse(slot) != shows ? QStringLiteral("?")
                     : shows                       ? QString::number(slot)
                                                   : QStringLiteral("-");
        }
        return shown;
    }
    frmNote* newNote(const QString& text)
    {
        slots->mnunewnote_Click();
        slots->editor()->body()->setPlainText(text);
        return slots->editor();
    }
    QString lastMessage() const
    {
        return fakes.dialogs.messages.isEmpty() ? QString() : fakes.dialogs.messages.last().text;
    }
};
} // namespace

class tst_Notes final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void slotNamesMatchExactly_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("slot");
        QTest::newRow("a slot name in any folder") << QStringLiteral("/home/me/elsewhere/4.zrn") << 4;
        QTest::newRow("a bare slot name") << QStringLiteral("2.zrn") << 2;
        QTest::newRow("capital letters are another name") << QStringLiteral("/tmp/2.ZRN") << 0;
        QTest::newRow("a number past the slots") << QStringLiteral("/tmp/6.zrn") << 0;
        QTest::newRow("a longer name ending like a slot") << QStringLiteral("/tmp/12.zrn") << 0;
    }

    void slotNamesMatchExactly()
    {
        QFETCH(QString, path);
        QFETCH(int, slot);
        QCOMPARE(NoteFile::slotOfPath(path), slot);
    }

    void handOverFileNamesASlotOrNothing_data()
    {
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<int>("slot");
        QTest::newRow("slot 3") << QByteArray("3\r\n") << 3;
        QTest::newRow("a new note") << QByteArray("0\r\n") << 0;
        QTest::newRow("a slot that does not exist") << QByteArray("9\r\n") << -1;
        QTest::newRow("a negative number") << QByteArray("-1\r\n") << -1;
        QTest::newRow("garbage") << QByteArray("\x01\xff\"x") << -1;
    }

    void handOverFileNamesASlotOrNothing()
    {
        QFETCH(QByteArray, contents);
        QFETCH(int, slot);
        TempDataDir dir;
        QVERIFY(!HandOverFile::take(dir.dataDir()).has_value());
        dir.write(QStringLiteral("TEMP"), contents);
        QCOMPARE(HandOverFile::take(dir.dataDir()).value_or(-1), slot);
        QVERIFY(!dir.exists(QStringLiteral("TEMP")));
    }

    void newNotesFillTheFreeSlotsInOrderUntilNoneIsLeft()
    {
        Notes notes({{QStringLiteral("2.zrn"), record("two")}, {QStringLiteral("5.zrn"), record("five")}});
        QCOMPARE(notes.inUse(), QStringLiteral("-2--5"));
        frmNote* editor = notes.newNote(QStringLiteral("first line\nsecond line"));
        QCOMPARE(editor->windowTitle(), QStringLiteral("New Note"));
        QVERIFY(!notes.dir.exists(QStringLiteral("TEMP")));

        editor->mnuSave_Click();
        QCOMPARE(notes.dir.read(QStringLiteral("1.zrn")), QByteArray("\"first line\r\nsecond line\"\r\n"));
        QCOMPARE(notes.slots->icon(1)->toolTip(), QStringLiteral("first line"));
        // Saving changes neither the slot number nor the caption: each Save stores another copy.
        editor->mnuSave_Click();
        editor->mnuSave_Click();
        QCOMPARE(notes.inUse(), QStringLiteral("12345"));
        QCOMPARE(notes.dir.read(QStringLiteral("4.zrn")), notes.dir.read(QStringLiteral("1.zrn")));
        QCOMPARE(notes.dir.read(QStringLiteral("5.zrn")), record("five"));
        QCOMPARE(editor->windowTitle(), QStringLiteral("New Note"));
        QVERIFY(notes.fakes.dialogs.messages.isEmpty());

        const auto before = notes.dir.snapshot();
        editor->mnuSave_Click();
        QCOMPARE(notes.lastMessage(), QStringLiteral("You must first delete a note before you can save a new one."));
        QCOMPARE(notes.fakes.dialogs.messages.last().title, QStringLiteral("Error"));
        QCOMPARE(notes.dir.snapshot(), before);
    }

    void aSlotNoteIsOverwrittenOnlyAfterYes()
    {
        Notes notes({{QStringLiteral("3.zrn"), record("old \"quoted\" text")}});
        notes.slots->note_DblClick(3);
        frmNote* editor = notes.slots->editor();
        QCOMPARE(editor->windowTitle(), notes.dir.dataDir().file(QStringLiteral("3.zrn")));
        QVERIFY(!notes.dir.exists(QStringLiteral("TEMP")));
        editor->body()->setPlainText(QStringLiteral("she said \"hi\""));

        notes.fakes.dialogs.answers = {MessageAnswer::No, MessageAnswer::Yes};
        editor->mnuSave_Click();
        QCOMPARE(notes.dir.read(QStringLiteral("3.zrn")), record("old \"quoted\" text"));
        editor->mnuSave_Click();
        QCOMPARE(notes.fakes.dialogs.messages.last().text, QStringLiteral("Do you wish to overwrite this note?"));
        QCOMPARE(notes.fakes.dialogs.messages.last().title, QStringLiteral("Are You Sure?"));
        // A double quote cannot stand inside a stored text; its look-alike keeps the note readable.
        QCOMPARE(notes.dir.read(QStringLiteral("3.zrn")), record("she said \xe2\x80\x9dhi\xe2\x80\x9d"));
        QCOMPARE(editor->slotNumber(), 3);

        // A double click on a slot replaces whatever the editor holds, without asking.
        editor->body()->setPlainText(QStringLiteral("unsaved"));
        notes.slots->note_DblClick(3);
        QVERIFY(notes.slots->editor() != nullptr);
        QCOMPARE(notes.slots->editor()->body()->toPlainText(), QStringLiteral("she said \u201Dhi\u201D"));
    }

    void aSlotFileFromAnotherFolderSavesIntoTheDataDirectory()
    {
        Notes notes({{QStringLiteral("1.zrn"), record("one")}});
        TempDataDir elsewhere;
        elsewhere.write(QStringLiteral("2.zrn"), record("from elsewhere"));
        elsewhere.write(QStringLiteral("2.ZRN"), record("capitals"));
        frmNote* editor = notes.newNote(QString());

        notes.fakes.dialogs.chosenFiles = {elsewhere.path() + QStringLiteral("/2.zrn")};
        editor->mnuOpen_Click();
        QCOMPARE(notes.fakes.dialogs.openRequests.last().title, QStringLiteral("Open"));
        QCOMPARE(notes.fakes.dialogs.openRequests.last().filters, QStringList{QStringLiteral("Zendra Notes (*.zrn)")});
        QCOMPARE(editor->windowTitle(), elsewhere.path() + QStringLiteral("/2.zrn"));
        editor->mnuSave_Click();
        QCOMPARE(notes.dir.read(QStringLiteral("2.zrn")), record("from elsewhere"));
        QCOMPARE(elsewhere.read(QStringLiteral("2.zrn")), record("from elsewhere"));
        QCOMPARE(notes.inUse(), QStringLiteral("12---"));

        // Another name makes it a new note again: the next Save takes the first free slot, never slot 2.
        notes.fakes.dialogs.chosenFiles = {elsewhere.path() + QStringLiteral("/2.ZRN")};
        editor->mnuOpen_Click();
        QCOMPARE(editor->slotNumber(), 0);
        editor->mnuSave_Click();
        QCOMPARE(notes.dir.read(QStringLiteral("3.zrn")), record("capitals"));
        QCOMPARE(notes.dir.read(QStringLiteral("2.zrn")), record("from elsewhere"));
    }

    void openRefusesFilesOverTheLimit()
    {
        Notes notes;
        TempDataDir elsewhere;
        const QByteArray limit = record(QByteArray(frmNote::kMaxOpenBytes - 4, 'a'));
        elsewhere.write(QStringLiteral("limit.zrn"), limit);
        elsewhere.write(QStringLiteral("over.zrn"), limit + "b");
        frmNote* editor = notes.newNote(QStringLiteral("kept"));

        notes.fakes.dialogs.chosenFiles = {elsewhere.path() + QStringLiteral("/over.zrn")};
        editor->mnuOpen_Click();
        QCOMPARE(notes.lastMessage(), QStringLiteral("The file is too large to open."));
        QCOMPARE(notes.fakes.dialogs.messages.last().icon, MessageIcon::None);
        QCOMPARE(editor->body()->toPlainText(), QStringLiteral("kept"));

        notes.fakes.dialogs.chosenFiles = {elsewhere.path() + QStringLiteral("/limit.zrn")};
        editor->mnuOpen_Click();
        QCOMPARE(editor->body()->toPlainText().size(), frmNote::kMaxOpenBytes - 4);
        QCOMPARE(notes.fakes.dialogs.messages.size(), 1);
    }

    void highlightPopupDeleteAndEdit()
    {
        Notes notes({{QStringLiteral("3.zrn"), record("three")}, {QStringLiteral("4.zrn"), record("four\nmore")}});
        QCOMPARE(notes.slots->icon(4)->toolTip(), QStringLiteral("four"));

        notes.slots->note_Click(3);
        QVERIFY(notes.slots->isHighlighted(3));
        QVERIFY(!notes.slots->isHighlighted(4));
        // A left press opens no menu; a right press moves the highlight and opens the note menu.
        notes.slots->note_MouseDown(4, Qt::LeftButton, {});
        QVERIFY(notes.board.popups.isEmpty());
        notes.slots->note_MouseDown(4, Qt::RightButton, QPoint(7, 9));
        QCOMPARE(notes.board.popups.size(), 1);
        QCOMPARE(notes.board.popups.first().first, notes.slots->noteMenu());
        QVERIFY(notes.slots->isHighlighted(4) && !notes.slots->isHighlighted(3));

        notes.slots->noteedit_Click();
        QCOMPARE(notes.slots->editor()->body()->toPlainText(), QStringLiteral("four\nmore"));
        notes.slots->noteMenu()->findChild<QAction*>(QStringLiteral("mnunotedelete"))->trigger();
        QCOMPARE(notes.inUse(), QStringLiteral("--3--"));
        QVERIFY(!notes.dir.exists(QStringLiteral("4.zrn")));
        QCOMPARE(notes.fakes.trash.trashed, QStringList{notes.dir.dataDir().file(QStringLiteral("4.zrn"))});

        // The highlighted icon shows its own picture; clearing it leaves none highlighted.
        const auto picture = [&](int slot) { return notes.slots->icon(slot)->pixmap().cacheKey(); };
        notes.slots->note_Click(3);
        QVERIFY(picture(3) != picture(1));
        notes.slots->clearHighlight();
        QCOMPARE(picture(3), picture(1));
        notes.slots->mnunotedelete_Click();
        QCOMPARE(notes.inUse(), QStringLiteral("--3--"));
    }

    void newNoteWhileTheEditorIsOpenKeepsItsText()
    {
        Notes notes;
        frmNote* editor = notes.newNote(QStringLiteral("draft"));
        notes.slots->mnunewnote_Click();
        QCOMPARE(notes.slots->editor(), editor);
        QCOMPARE(editor->body()->toPlainText(), QStringLiteral("draft"));
        QCOMPARE(notes.dir.read(QStringLiteral("TEMP")), QByteArray("0\r\n"));

        editor->mnyNew_Click();
        QVERIFY(editor->body()->toPlainText().isEmpty());
        editor->mnuClose_Click();
        QTRY_VERIFY(notes.slots->editor() == nullptr);
    }

    void clipboardCommandsAndTimeDate()
    {
        Notes notes;
        frmNote* editor = notes.newNote(QStringLiteral("alpha beta\ngamma"));
        QTextCursor cursor = editor->body()->textCursor();
        cursor.setPosition(6);
        cursor.setPosition(10, QTextCursor::KeepAnchor);
        editor->body()->setTextCursor(cursor);

        editor->mnuCopy_Click();
        QCOMPARE(notes.fakes.clipboard.contents, QStringLiteral("alpha beta\ngamma"));
        editor->mnuCut_Click();
        QCOMPARE(notes.fakes.clipboard.contents, QStringLiteral("beta"));
        QCOMPARE(editor->body()->toPlainText(), QStringLiteral("alpha \ngamma"));

        editor->mnuselet_Click();
        notes.fakes.clipboard.contents.clear();
        editor->mnuPaste_Click();
        QVERIFY(editor->body()->toPlainText().isEmpty());

        notes.fakes.clock.wallTime = QDateTime(QDate(2026, 3, 4), QTime(21, 5, 9));
        editor->mnutimedate_Click();
        QCOMPARE(editor->body()->toPlainText(), QStringLiteral("21:05:09 03-04-2026"));
    }

    void printsTheWholeNoteOrTheSelection()
    {
        Notes notes;
        TempDataDir out;
        frmNote* editor = notes.newNote(QString());
        notes.fakes.dialogs.printToPdf = out.path() + QStringLiteral("/note.pdf");
        const auto printed = [&] {
            QProcess pdftotext;
            pdftotext.start(QStringLiteral("pdftotext"), {notes.fakes.dialogs.printToPdf, QStringLiteral("-")});
            if (!pdftotext.waitForFinished(20000) || pdftotext.exitCode() != 0)
                return QStringLiteral("pdftotext failed");
            QFile::remove(notes.fakes.dialogs.printToPdf);
            return QString::fromUtf8(pdftotext.readAllStandardOutput()).simplified();
        };

        // The toolbar's Print does nothing on an empty note; the menu's opens the dialog all the same.
        editor->findChild<QToolButton*>(QStringLiteral("axButton4"))->click();
        QVERIFY(notes.fakes.dialogs.printRequests.isEmpty());
        editor->findChild<QAction*>(QStringLiteral("mnuPrint"))->trigger();
        QCOMPARE(notes.fakes.dialogs.printRequests, QList<bool>{false});

        editor->body()->setPlainText(QStringLiteral("Milk and bread\nCall the plumber"));
        editor->findChild<QToolButton*>(QStringLiteral("axButton4"))->click();
        QCOMPARE(printed(), QStringLiteral("Milk and bread Call the plumber"));

        QTextCursor cursor = editor->body()->textCursor();
        cursor.setPosition(15);
        cursor.movePosition(QTextCursor::EndOfLine, QTextCursor::KeepAnchor);
        editor->body()->setTextCursor(cursor);
        editor->mnuPrint_Click();
        QCOMPARE(notes.fakes.dialogs.printRequests.last(), true);
        QCOMPARE(printed(), QStringLiteral("Call the plumber"));
    }

    void badSlotFilesNeitherCrashNorHideTheirIcons()
    {
        // Over a megabyte, as a person might gather over the years.
        const QByteArray grown = record(QByteArray("a line of a note that has grown long\r\n").repeated(40000));
        Notes notes({{QStringLiteral("1.zrn"), QByteArray()},
                     {QStringLiteral("2.zrn"), QByteArray("\x00\xff\xfe binary \x01", 12)},
                     {QStringLiteral("3.zrn"), QByteArray("\"never closed\r\nnext line")},
                     {QStringLiteral("4.zrn"), grown},
                     {QStringLiteral("5.zrn"), record(QByteArray(200000, 'y'))}});
        QCOMPARE(notes.inUse(), QStringLiteral("12345"));
        QCOMPARE(notes.slots->icon(3)->toolTip(), QStringLiteral("never closed"));
        for (int slot : {1, 2, 3, 4, 5}) {
            notes.slots->note_DblClick(slot);
            QCOMPARE(notes.slots->editor()->slotNumber(), slot);
        }
        // The board opens a slot past the Open command's limit, long ones too; only a file past all reason it leaves
        // alone (here a sparse one, never read).
        QCOMPARE(notes.slots->editor()->body()->toPlainText().size(), 200000);
        QVERIFY(notes.fakes.dialogs.messages.isEmpty());
        QFile absurd(notes.dir.path() + QStringLiteral("/4.zrn"));
        QVERIFY(absurd.resize(frmNote::kMaxSlotBytes + 1));
        notes.slots->note_DblClick(4);
        QCOMPARE(notes.lastMessage(), QStringLiteral("The file is too large to open."));
        QCOMPARE(notes.slots->editor()->slotNumber(), 0);
        QCOMPARE(QFileInfo(absurd).size(), frmNote::kMaxSlotBytes + 1);
    }

    void aFailedSaveSaysSoAndKeepsTheSlotFree()
    {
        auto notes = std::make_unique<Notes>();
        frmNote* editor = notes->newNote(QStringLiteral("precious"));
        // A folder that is gone cannot be written, whoever runs the test.
        QVERIFY(QDir(notes->dir.path()).removeRecursively());
        editor->mnuSave_Click();
        QVERIFY(notes->lastMessage().startsWith(QStringLiteral("Zendra 98 could not save the note")));
        QCOMPARE(notes->inUse(), QStringLiteral("-----"));
        QCOMPARE(editor->body()->toPlainText(), QStringLiteral("precious"));
    }
};

QTEST_MAIN(tst_Notes)
#include "tst_Notes.moc"
