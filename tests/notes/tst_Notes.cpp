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
            shown += slots->isInUse(slot) != shows ? u"?"_s : shows ? QString::number(slot) : u"-"_s;
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
        QTest::newRow("a slot name in any folder") << u"/home/me/elsewhere/4.zrn"_s << 4;
        QTest::newRow("a bare slot name") << u"2.zrn"_s << 2;
        QTest::newRow("capital letters are another name") << u"/tmp/2.ZRN"_s << 0;
        QTest::newRow("a number past the slots") << u"/tmp/6.zrn"_s << 0;
        QTest::newRow("a longer name ending like a slot") << u"/tmp/12.zrn"_s << 0;
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
        QTest::newRow("slot 3") << "3\r\n"_ba << 3;
        QTest::newRow("a new note") << "0\r\n"_ba << 0;
        QTest::newRow("a slot that does not exist") << "9\r\n"_ba << -1;
        QTest::newRow("a negative number") << "-1\r\n"_ba << -1;
        QTest::newRow("garbage") << "\x01\xff\"x"_ba << -1;
    }

    void handOverFileNamesASlotOrNothing()
    {
        QFETCH(QByteArray, contents);
        QFETCH(int, slot);
        TempDataDir dir;
        QVERIFY(!HandOverFile::take(dir.dataDir()).has_value());
        dir.write(u"TEMP"_s, contents);
        QCOMPARE(HandOverFile::take(dir.dataDir()).value_or(-1), slot);
        QVERIFY(!dir.exists(u"TEMP"_s));
    }

    void newNotesFillTheFreeSlotsInOrderUntilNoneIsLeft()
    {
        Notes notes({{u"2.zrn"_s, record("two")}, {u"5.zrn"_s, record("five")}});
        QCOMPARE(notes.inUse(), u"-2--5"_s);
        frmNote* editor = notes.newNote(u"first line\nsecond line"_s);
        QCOMPARE(editor->windowTitle(), u"New Note"_s);
        QVERIFY(!notes.dir.exists(u"TEMP"_s));

        editor->mnuSave_Click();
        QCOMPARE(notes.dir.read(u"1.zrn"_s), "\"first line\r\nsecond line\"\r\n"_ba);
        QCOMPARE(notes.slots->icon(1)->toolTip(), u"first line"_s);
        // Saving changes neither the slot number nor the caption: each Save stores another copy.
        editor->mnuSave_Click();
        editor->mnuSave_Click();
        QCOMPARE(notes.inUse(), u"12345"_s);
        QCOMPARE(notes.dir.read(u"4.zrn"_s), notes.dir.read(u"1.zrn"_s));
        QCOMPARE(notes.dir.read(u"5.zrn"_s), record("five"));
        QCOMPARE(editor->windowTitle(), u"New Note"_s);
        QVERIFY(notes.fakes.dialogs.messages.isEmpty());

        const auto before = notes.dir.snapshot();
        editor->mnuSave_Click();
        QCOMPARE(notes.lastMessage(), u"You must first delete a note before you can save a new one."_s);
        QCOMPARE(notes.fakes.dialogs.messages.last().title, u"Error"_s);
        QCOMPARE(notes.dir.snapshot(), before);

        // "New Note" while the editor is open keeps its text; the editor's own New clears it.
        notes.slots->mnunewnote_Click();
        QCOMPARE(notes.slots->editor(), editor);
        QCOMPARE(editor->body()->toPlainText(), u"first line\nsecond line"_s);
        QCOMPARE(notes.dir.read(u"TEMP"_s), "0\r\n"_ba);
        editor->mnyNew_Click();
        QVERIFY(editor->body()->toPlainText().isEmpty());

        // A folder that is gone cannot be written, whoever runs the test: the save says so and keeps the text.
        notes.slots->note_Click(1);
        notes.slots->mnunotedelete_Click();
        editor->body()->setPlainText(u"precious"_s);
        QVERIFY(QDir(notes.dir.path()).removeRecursively());
        editor->mnuSave_Click();
        QVERIFY(notes.lastMessage().startsWith(u"Zendra 98 could not save the note"_s));
        QCOMPARE(notes.inUse(), u"-2345"_s);
        QCOMPARE(editor->body()->toPlainText(), u"precious"_s);
        editor->mnuClose_Click();
        QTRY_VERIFY(notes.slots->editor() == nullptr);
    }

    void aSlotNoteIsOverwrittenOnlyAfterYes()
    {
        Notes notes({{u"3.zrn"_s, record("old \"quoted\" text")}});
        notes.slots->note_DblClick(3);
        frmNote* editor = notes.slots->editor();
        QCOMPARE(editor->windowTitle(), notes.dir.dataDir().file(u"3.zrn"_s));
        QVERIFY(!notes.dir.exists(u"TEMP"_s));
        editor->body()->setPlainText(u"she said \"hi\""_s);

        notes.fakes.dialogs.answers = {MessageAnswer::No, MessageAnswer::Yes};
        editor->mnuSave_Click();
        QCOMPARE(notes.dir.read(u"3.zrn"_s), record("old \"quoted\" text"));
        editor->mnuSave_Click();
        QCOMPARE(notes.fakes.dialogs.messages.last().text, u"Do you wish to overwrite this note?"_s);
        QCOMPARE(notes.fakes.dialogs.messages.last().title, u"Are You Sure?"_s);
        // A double quote cannot stand inside a stored text; its look-alike keeps the note readable.
        QCOMPARE(notes.dir.read(u"3.zrn"_s), record("she said \xe2\x80\x9dhi\xe2\x80\x9d"));
        QCOMPARE(editor->slotNumber(), 3);

        // A double click on a slot replaces whatever the editor holds, without asking.
        editor->body()->setPlainText(u"unsaved"_s);
        notes.slots->note_DblClick(3);
        QVERIFY(notes.slots->editor() != nullptr);
        QCOMPARE(notes.slots->editor()->body()->toPlainText(), u"she said \u201Dhi\u201D"_s);
    }

    void aSlotFileFromAnotherFolderSavesIntoTheDataDirectory()
    {
        Notes notes({{u"1.zrn"_s, record("one")}});
        TempDataDir elsewhere;
        elsewhere.write(u"2.zrn"_s, record("from elsewhere"));
        elsewhere.write(u"2.ZRN"_s, record("capitals"));
        frmNote* editor = notes.newNote(QString());

        notes.fakes.dialogs.chosenFiles = {elsewhere.path() + u"/2.zrn"_s};
        editor->mnuOpen_Click();
        QCOMPARE(notes.fakes.dialogs.openRequests.last().title, u"Open"_s);
        QCOMPARE(notes.fakes.dialogs.openRequests.last().filters, QStringList{u"Zendra Notes (*.zrn)"_s});
        QCOMPARE(editor->windowTitle(), elsewhere.path() + u"/2.zrn"_s);
        editor->mnuSave_Click();
        QCOMPARE(notes.dir.read(u"2.zrn"_s), record("from elsewhere"));
        QCOMPARE(elsewhere.read(u"2.zrn"_s), record("from elsewhere"));
        QCOMPARE(notes.inUse(), u"12---"_s);

        // Another name makes it a new note again: the next Save takes the first free slot, never slot 2.
        notes.fakes.dialogs.chosenFiles = {elsewhere.path() + u"/2.ZRN"_s};
        editor->mnuOpen_Click();
        QCOMPARE(editor->slotNumber(), 0);
        editor->mnuSave_Click();
        QCOMPARE(notes.dir.read(u"3.zrn"_s), record("capitals"));
        QCOMPARE(notes.dir.read(u"2.zrn"_s), record("from elsewhere"));

        // Open refuses a file over its limit and keeps the text; one at the limit opens.
        const QByteArray limit = record(QByteArray(frmNote::kMaxOpenBytes - 4, 'a'));
        elsewhere.write(u"limit.zrn"_s, limit);
        elsewhere.write(u"over.zrn"_s, limit + "b");
        notes.fakes.dialogs.chosenFiles = {elsewhere.path() + u"/over.zrn"_s, elsewhere.path() + u"/limit.zrn"_s};
        editor->mnuOpen_Click();
        QCOMPARE(notes.lastMessage(), u"The file is too large to open."_s);
        QCOMPARE(notes.fakes.dialogs.messages.last().icon, MessageIcon::None);
        QCOMPARE(editor->body()->toPlainText(), u"capitals"_s);
        const qsizetype said = notes.fakes.dialogs.messages.size();
        editor->mnuOpen_Click();
        QCOMPARE(editor->body()->toPlainText().size(), frmNote::kMaxOpenBytes - 4);
        QCOMPARE(notes.fakes.dialogs.messages.size(), said);
    }

    void highlightPopupDeleteAndEdit()
    {
        Notes notes({{u"3.zrn"_s, record("three")}, {u"4.zrn"_s, record("four\nmore")}});
        QCOMPARE(notes.slots->icon(4)->toolTip(), u"four"_s);

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
        QCOMPARE(notes.slots->editor()->body()->toPlainText(), u"four\nmore"_s);
        notes.slots->noteMenu()->findChild<QAction*>(u"mnunotedelete"_s)->trigger();
        QCOMPARE(notes.inUse(), u"--3--"_s);
        QVERIFY(!notes.dir.exists(u"4.zrn"_s));
        QCOMPARE(notes.fakes.trash.trashed, QStringList{notes.dir.dataDir().file(u"4.zrn"_s)});

        // The highlighted icon shows its own picture; clearing it leaves none highlighted.
        const auto picture = [&](int slot) { return notes.slots->icon(slot)->pixmap().cacheKey(); };
        notes.slots->note_Click(3);
        QVERIFY(picture(3) != picture(1));
        notes.slots->clearHighlight();
        QCOMPARE(picture(3), picture(1));
        notes.slots->mnunotedelete_Click();
        QCOMPARE(notes.inUse(), u"--3--"_s);
    }

    void clipboardCommandsAndTimeDate()
    {
        Notes notes;
        frmNote* editor = notes.newNote(u"alpha beta\ngamma"_s);
        QTextCursor cursor = editor->body()->textCursor();
        cursor.setPosition(6);
        cursor.setPosition(10, QTextCursor::KeepAnchor);
        editor->body()->setTextCursor(cursor);

        editor->mnuCopy_Click();
        QCOMPARE(notes.fakes.clipboard.contents, u"alpha beta\ngamma"_s);
        editor->mnuCut_Click();
        QCOMPARE(notes.fakes.clipboard.contents, u"beta"_s);
        QCOMPARE(editor->body()->toPlainText(), u"alpha \ngamma"_s);

        editor->mnuselet_Click();
        notes.fakes.clipboard.contents.clear();
        editor->mnuPaste_Click();
        QVERIFY(editor->body()->toPlainText().isEmpty());

        notes.fakes.clock.wallTime = QDateTime(QDate(2026, 3, 4), QTime(21, 5, 9));
        editor->mnutimedate_Click();
        QCOMPARE(editor->body()->toPlainText(), u"21:05:09 03-04-2026"_s);
    }

    void printsTheWholeNoteOrTheSelection()
    {
        Notes notes;
        TempDataDir out;
        frmNote* editor = notes.newNote(QString());
        notes.fakes.dialogs.printToPdf = out.path() + u"/note.pdf"_s;
        const auto printed = [&] {
            QProcess pdftotext;
            pdftotext.start(u"pdftotext"_s, {notes.fakes.dialogs.printToPdf, u"-"_s});
            if (!pdftotext.waitForFinished(20000) || pdftotext.exitCode() != 0)
                return u"pdftotext failed"_s;
            QFile::remove(notes.fakes.dialogs.printToPdf);
            return QString::fromUtf8(pdftotext.readAllStandardOutput()).simplified();
        };

        // The toolbar's Print does nothing on an empty note; the menu's opens the dialog all the same.
        editor->findChild<QToolButton*>(u"axButton4"_s)->click();
        QVERIFY(notes.fakes.dialogs.printRequests.isEmpty());
        editor->findChild<QAction*>(u"mnuPrint"_s)->trigger();
        QCOMPARE(notes.fakes.dialogs.printRequests, QList<bool>{false});

        editor->body()->setPlainText(u"Milk and bread\nCall the plumber"_s);
        editor->findChild<QToolButton*>(u"axButton4"_s)->click();
        QCOMPARE(printed(), u"Milk and bread Call the plumber"_s);

        QTextCursor cursor = editor->body()->textCursor();
        cursor.setPosition(15);
        cursor.movePosition(QTextCursor::EndOfLine, QTextCursor::KeepAnchor);
        editor->body()->setTextCursor(cursor);
        editor->mnuPrint_Click();
        QCOMPARE(notes.fakes.dialogs.printRequests.last(), true);
        QCOMPARE(printed(), u"Call the plumber"_s);
    }

    void badSlotFilesNeitherCrashNorHideTheirIcons()
    {
        // Over a megabyte, as a person might gather over the years.
        const QByteArray grown = record("a line of a note that has grown long\r\n"_ba.repeated(40000));
        Notes notes({{u"1.zrn"_s, QByteArray()},
                     {u"2.zrn"_s, QByteArray("\x00\xff\xfe binary \x01", 12)},
                     {u"3.zrn"_s, "\"never closed\r\nnext line"_ba},
                     {u"4.zrn"_s, grown},
                     {u"5.zrn"_s, record(QByteArray(200000, 'y'))}});
        QCOMPARE(notes.inUse(), u"12345"_s);
        QCOMPARE(notes.slots->icon(3)->toolTip(), u"never closed"_s);
        for (int slot : {1, 2, 3, 4, 5}) {
            notes.slots->note_DblClick(slot);
            QCOMPARE(notes.slots->editor()->slotNumber(), slot);
        }
        // The board opens a slot past the Open command's limit, long ones too; only a file past all reason it leaves
        // alone (here a sparse one, never read).
        QCOMPARE(notes.slots->editor()->body()->toPlainText().size(), 200000);
        QVERIFY(notes.fakes.dialogs.messages.isEmpty());
        QFile absurd(notes.dir.path() + u"/4.zrn"_s);
        QVERIFY(absurd.resize(frmNote::kMaxSlotBytes + 1));
        notes.slots->note_DblClick(4);
        QCOMPARE(notes.lastMessage(), u"The file is too large to open."_s);
        QCOMPARE(notes.slots->editor()->slotNumber(), 0);
        QCOMPARE(QFileInfo(absurd).size(), frmNote::kMaxSlotBytes + 1);
    }
};

QTEST_MAIN(tst_Notes)
#include "tst_Notes.moc"
