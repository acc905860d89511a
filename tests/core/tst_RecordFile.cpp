#include "FileSizeLimit.h"
#include "TestSupport.h"
#include "core/RecordFile.h"

namespace
{
// Every field of `bytes`, a quoted one between quotes.
QByteArrayList allFields(const QByteArray& bytes)
{
    RecordReader reader = RecordReader::fromBytes(bytes);
    QByteArrayList fields;
    while (const auto field = reader.nextField())
        fields << (field->quoted ? '"' + field->text.toUtf8() + '"' : field->text.toUtf8());
    return fields;
}
} // namespace

class tst_RecordFile final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // A locale with a decimal comma must not leak into the files.
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::German)); }

    void readsFieldsByTheRules_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QByteArrayList>("expected");

        QTest::newRow("a quoted field holds commas and CR LF")
            << "0,\"first, line\r\nsecond\"\r\n"_ba << QByteArrayList{"0", "\"first, line\r\nsecond\""};
        QTest::newRow("blanks before a field and spaces after a plain one are dropped; empty fields")
            << "  1,\t abc  ,   \"  a  \",\"\",,5\r\n"_ba << QByteArrayList{"1", "abc", "\"  a  \"", "\"\"", "", "5"};
        QTest::newRow("text after a closing quote is skipped; a quote never closed runs to the end")
            << "\"abc\"xyz,2,\"abc,def"_ba << QByteArrayList{"\"abc\"", "2", "\"abc,def\""};
        QTest::newRow("a bare LF ends a record, the last one may lack its end")
            << "1\n2\n3"_ba << QByteArrayList{"1", "2", "3"};
        QTest::newRow("a UTF-8 byte order mark is not part of the first field")
            << "\xEF\xBB\xBF\"a\"\r\n"_ba << QByteArrayList{"\"a\""};
        QTest::newRow("bytes that are not UTF-8 are Windows-1252")
            << "\"caf\xE9 \x80 \x96\"\r\n"_ba << QByteArrayList{"\"caf\xC3\xA9 \xE2\x82\xAC \xE2\x80\x93\""};
    }

    void readsFieldsByTheRules()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QByteArrayList, expected);
        QCOMPARE(allFields(bytes), expected);
    }

    void typedReadsKeepWhatTheyCannotFill()
    {
        // A field that does not convert leaves its target and the read goes on; line ends separate like commas.
        RecordReader reader = RecordReader::fromBytes("abc,1e99,12.5,99999999999,\r\n\"12\",12,,word\r\n5\r\n");
        float text = 3;
        float tooLarge = 4;
        float number = 0;
        qint32 outOfRange = 6;
        float empty = 9;
        QVERIFY(!reader.read(text, tooLarge, number, outOfRange, empty));
        QCOMPARE(text, 3.0F);
        QCOMPARE(tooLarge, 4.0F);
        QCOMPARE(number, 12.5F);
        QCOMPARE(outOfRange, 6);
        QCOMPARE(empty, 0.0F);

        QVariant quotedNumber;
        QVariant plainNumber;
        QVariant emptyValue = 5;
        QVariant word;
        QVERIFY(reader.read(quotedNumber, plainNumber, emptyValue, word));
        QCOMPARE(quotedNumber.typeId(), QMetaType::QString);
        QCOMPARE(plainNumber.typeId(), QMetaType::Double);
        QCOMPARE(plainNumber.toDouble(), 12.0);
        QVERIFY(!emptyValue.isValid());
        QCOMPARE(word, QVariant(u"word"_s));

        // The end of the file leaves the targets not reached as they were.
        float last = 0;
        float afterEnd = 77;
        QString kept = u"kept"_s;
        QVERIFY(!reader.read(last, afterEnd, kept));
        QCOMPARE(last, 5.0F);
        QCOMPARE(afterEnd, 77.0F);
        QCOMPARE(kept, u"kept"_s);
    }

    void writesRecordsByteForByte()
    {
        QCOMPARE(
            RecordWriter::formatRecord(
                {0.0F, -1.0F, 9999999.0F, 1.5F, -0.25F, qint32{10841658}, qint32{-2147483633}, RecordWriter::Empty{}}),
            "0,-1,9999999,1.5,-0.25,10841658,-2147483633,\r\n"_ba);
        QCOMPARE(RecordWriter::formatRecord({u"first\r\nsecond"_s, QString(), u"say \"hi\""_s}),
                 "\"first\r\nsecond\",\"\",\"say \xE2\x80\x9Dhi\xE2\x80\x9D\"\r\n"_ba);
    }

    void writtenTextReadsBackWhole()
    {
        const QStringList texts = {u"C:\\My Pictures\\a, b.bmp"_s,
                                   u"one\r\ntwo\r\n\r\nthree"_s,
                                   u"  padded  "_s,
                                   QStringLiteral(u"café — naïve ✓"),
                                   QString()};
        RecordWriter writer;
        for (const QString& text : texts)
            writer.writeRecord({text});
        RecordReader reader = RecordReader::fromBytes(writer.bytes());
        for (const QString& text : texts) {
            QString back;
            QVERIFY(reader.read(back));
            QCOMPARE(back, text);
        }
    }

    void readsNoMoreThanTheCapOfAHugeFile()
    {
        // Zeros up to the cap, which take no room on the disk, and a record past it that is never read.
        TempDataDir dir;
        QFile file(dir.path() + u"/huge.dat"_s);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.resize(RecordReader::kMaxFileBytes));
        QVERIFY(file.seek(RecordReader::kMaxFileBytes));
        file.write(",42\r\n");
        file.close();

        RecordReader reader = RecordReader::open(dir.dataDir(), u"huge.dat"_s);
        QString head;
        float past = -1;
        QVERIFY(!reader.read(head, past));
        QCOMPARE(head.size(), RecordReader::kMaxFileBytes);
        QCOMPARE(past, -1.0F);
    }

    void failedWriteKeepsThePreviousFile()
    {
        TempDataDir dir;
        dir.write(u"position.dat"_s, "1,4560,120\r\n");
        RecordWriter writer;
        writer.writeRecord({QString(200, u'x')});
        {
            const FileSizeLimit full(64);
            QVERIFY(!writer.commit(dir.dataDir(), u"position.dat"_s));
        }
        QCOMPARE(dir.snapshot(), (QHash<QString, QByteArray>{{u"position.dat"_s, "1,4560,120\r\n"}}));

        QVERIFY(writer.commit(dir.dataDir(), u"position.dat"_s));
        QCOMPARE(dir.read(u"position.dat"_s), writer.bytes());
    }
};

QTEST_APPLESS_MAIN(tst_RecordFile)
#include "tst_RecordFile.moc"
