
#include <QTest>

#include "FileSizeLimit.h"
#include "TempDataDir.h"
#include "core/RecordFile.h"

using Fields = QList<RecordField>;
Q_DECLARE_METATYPE(RecordField)

bool operator==(const RecordField& a, const RecordField& b)
{
    return a.text == b.text && a.quoted == b.quoted;
}

namespace
{
RecordField plain(const char* text)
{
    return {QString::fromUtf8(text), false};
}

RecordField quoted(const char* text)
{
    return {QString::fromUtf8(text), true};
}

Fields allFields(const QByteArray& bytes)
{
    RecordReader reader = RecordReader::fromBytes(bytes);
    Fields fields;
    while (const auto field = reader.nextField())
        fields << *field;
    return fields;
}

} // namespace

class tst_RecordFile final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void readsFieldsByTheRules_data();
    void readsFieldsByTheRules();
    void readFillsTargetsAcrossLineEnds();
    void earlyEndLeavesRemainingTargetsUnchanged();
    void textWhereANumberBelongsKeepsTheTarget();
    void variantTargetsTellTextFromNumbers();
    void writesRecordsByteForByte_data();
    void writesRecordsByteForByte();
    void writtenTextReadsBackWhole_data();
    void writtenTextReadsBackWhole();
    void readsWindows1252WhenNotUtf8();
    void failedWriteKeepsThePreviousFile();
};

void tst_RecordFile::readsFieldsByTheRules_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<Fields>("expected");

    QTest::newRow("one record of numbers")
        << QByteArray("1,4560,120\r\n") << Fields{plain("1"), plain("4560"), plain("120")};
    QTest::newRow("a quoted field holds commas and CR LF")
        << QByteArray("0,\"first, line\r\nsecond\"\r\n") << Fields{plain("0"), quoted("first, line\r\nsecond")};
    QTest::newRow("spaces and tabs before a field are skipped")
        << QByteArray("  1,\t 2 ,   \"x\"\r\n") << Fields{plain("1"), plain("2"), quoted("x")};
    QTest::newRow("trailing spaces of a plain field are dropped, a quoted field keeps its own")
        << QByteArray("abc   ,\"  a  \"\r\n") << Fields{plain("abc"), quoted("  a  ")};
    QTest::newRow("text after a closing quote is skipped to the separator")
        << QByteArray("\"abc\"xyz,2\r\n") << Fields{quoted("abc"), plain("2")};
    QTest::newRow("a bare LF ends a record too") << QByteArray("1\n2\n") << Fields{plain("1"), plain("2")};
    QTest::newRow("an empty text is two quotes") << QByteArray("\"\",5\r\n") << Fields{quoted(""), plain("5")};
    QTest::newRow("an empty value between commas")
        << QByteArray("1,,3\r\n") << Fields{plain("1"), plain(""), plain("3")};
    QTest::newRow("a quote never closed runs to the end of the file")
        << QByteArray("1,\"abc,def") << Fields{plain("1"), quoted("abc,def")};
    QTest::newRow("the last record may lack its line end") << QByteArray("7,8") << Fields{plain("7"), plain("8")};
    QTest::newRow("an empty file has no fields") << QByteArray() << Fields{};
    QTest::newRow("a UTF-8 byte order mark is not part of the first field")
        << QByteArray("\xEF\xBB\xBF\"a\"\r\n") << Fields{quoted("a")};
}

void tst_RecordFile::readsFieldsByTheRules()
{
    QFETCH(QByteArray, bytes);
    QFETCH(Fields, expected);
    const Fields actual = allFields(bytes);
    QCOMPARE(actual.size(), expected.size());
    for (qsizetype i = 0; i < expected.size(); ++i) {
        QCOMPARE(actual[i].text, expected[i].text);
        QCOMPARE(actual[i].quoted, expected[i].quoted);
    }
}

void tst_RecordFile::readFillsTargetsAcrossLineEnds()
{
    // Six records of two singles read back by six two-field reads, or by one twelve-field read.
    QByteArray bytes;
    for (int i = 0; i < 6; ++i)
        bytes += RecordWriter::formatRecord({float(1440 + i), float(105 * i)});
    RecordReader pairs = RecordReader::fromBytes(bytes);
    for (int i = 0; i < 6; ++i) {
        float top = -1;
        float left = -1;
        QVERIFY(pairs.read(top, left));
        QCOMPARE(top, float(1440 + i));
        QCOMPARE(left, float(105 * i));
    }
    float extra = 42;
    QVERIFY(!pairs.read(extra));
    QCOMPARE(extra, 42.0F);

    RecordReader whole = RecordReader::fromBytes("1\r\n2\r\n\"three\"\r\n");
    float one = 0;
    float two = 0;
    QString three;
    QVERIFY(whole.read(one, two, three));
    QCOMPARE(three, QStringLiteral("three"));
}

void tst_RecordFile::earlyEndLeavesRemainingTargetsUnchanged()
{
    RecordReader reader = RecordReader::fromBytes("5\r\n");
    float first = 0;
    float second = 77;
    QString third = QStringLiteral("kept");
    QVERIFY(!reader.read(first, second, third));
    QCOMPARE(first, 5.0F);
    QCOMPARE(second, 77.0F);
    QCOMPARE(third, QStringLiteral("kept"));
}

void tst_RecordFile::textWhereANumberBelongsKeepsTheTarget()
{
    RecordReader reader = RecordReader::fromBytes("abc,1e99,12,99999999999\r\n");
    float text = 3;
    float tooLarge = 4;
    float number = 0;
    qint32 outOfRange = 6;
    QVERIFY(!reader.read(text, tooLarge, number, outOfRange));
    QCOMPARE(text, 3.0F);
    QCOMPARE(tooLarge, 4.0F);
    QCOMPARE(number, 12.0F);
    QCOMPARE(outOfRange, 6);

    // An empty value is the number zero.
    RecordReader empty = RecordReader::fromBytes(",\r\n");
    float zero = 9;
    QVERIFY(empty.read(zero));
    QCOMPARE(zero, 0.0F);
}

void tst_RecordFile::variantTargetsTellTextFromNumbers()
{
    RecordReader reader = RecordReader::fromBytes("\"12\",12,,word\r\n");
    QVariant text;
    QVariant number;
    QVariant empty = 5;
    QVariant word;
    QVERIFY(reader.read(text, number, empty, word));
    QCOMPARE(text.typeId(), QMetaType::QString);
    QCOMPARE(number.typeId(), QMetaType::Double);
    QCOMPARE(number.toDouble(), 12.0);
    QVERIFY(!empty.isValid());
    QCOMPARE(word.toString(), QStringLiteral("word"));
}

void tst_RecordFile::writesRecordsByteForByte_data()
{
    QTest::addColumn<QList<RecordWriter::Value>>("fields");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("whole numbers carry no decimal point")
        << QList<RecordWriter::Value>{0.0F, 1.0F, -1.0F, 9999999.0F, 4560.0F, -120.0F}
        << QByteArray("0,1,-1,9999999,4560,-120\r\n");
    QTest::newRow("integers and longs") << QList<RecordWriter::Value>{qint32{0}, qint32{10841658}, qint32{-2147483633}}
                                        << QByteArray("0,10841658,-2147483633\r\n");
    QTest::newRow("a fraction uses a point whatever the locale")
        << QList<RecordWriter::Value>{1.5F, -0.25F} << QByteArray("1.5,-0.25\r\n");
    QTest::newRow("an integer and a two-line text")
        << QList<RecordWriter::Value>{qint32{0}, QStringLiteral("first\r\nsecond")}
        << QByteArray("0,\"first\r\nsecond\"\r\n");
    QTest::newRow("an empty text is two quotes, an empty value nothing")
        << QList<RecordWriter::Value>{QString(), RecordWriter::Empty{}, 1.0F} << QByteArray("\"\",,1\r\n");
    QTest::newRow("a double quote is stored as a closing quotation mark")
        << QList<RecordWriter::Value>{QStringLiteral("say \"hi\"")}
        << QByteArray("\"say \xE2\x80\x9Dhi\xE2\x80\x9D\"\r\n");
}

void tst_RecordFile::writesRecordsByteForByte()
{
    QFETCH(QList<RecordWriter::Value>, fields);
    QFETCH(QByteArray, bytes);
    QCOMPARE(RecordWriter::formatRecord(fields), bytes);
}

void tst_RecordFile::writtenTextReadsBackWhole_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("commas") << QStringLiteral("C:\\My Pictures\\a, b.bmp");
    QTest::newRow("line breaks") << QStringLiteral("one\r\ntwo\r\n\r\nthree");
    QTest::newRow("leading and trailing spaces") << QStringLiteral("  padded  ");
    QTest::newRow("accents and symbols") << QStringLiteral(u"café — naïve ✓");
    QTest::newRow("empty") << QString();
}

void tst_RecordFile::writtenTextReadsBackWhole()
{
    QFETCH(QString, text);
    RecordWriter writer;
    writer.writeRecord({qint32{1}, text});
    writer.writeRecord({2.0F});
    RecordReader reader = RecordReader::fromBytes(writer.bytes());
    float flag = 0;
    QString back;
    float next = 0;
    QVERIFY(reader.read(flag, back, next));
    QCOMPARE(back, text);
    QCOMPARE(next, 2.0F);
}

void tst_RecordFile::readsWindows1252WhenNotUtf8()
{
    QString text;
    RecordReader::fromBytes("\"caf\xE9 \x80 \x96\"\r\n").read(text);
    QCOMPARE(text, QStringLiteral(u"café € –"));
    RecordReader::fromBytes("\"caf\xC3\xA9\"\r\n").read(text);
    QCOMPARE(text, QStringLiteral(u"café"));
}

void tst_RecordFile::failedWriteKeepsThePreviousFile()
{
    TempDataDir dir;
    dir.write(QStringLiteral("position.dat"), "1,4560,120\r\n");
    RecordWriter writer;
    writer.writeRecord({QString(200, u'x')});
    {
        const FileSizeLimit full(64);
        QVERIFY(!writer.commit(dir.dataDir(), QStringLiteral("position.dat")));
    }
    QCOMPARE(dir.read(QStringLiteral("position.dat")), QByteArray("1,4560,120\r\n"));
    QCOMPARE(dir.snapshot().size(), 1);

    QVERIFY(writer.commit(dir.dataDir(), QStringLiteral("position.dat")));
    QCOMPARE(dir.read(QStringLiteral("position.dat")), writer.bytes());
}

QTEST_APPLESS_MAIN(tst_RecordFile)
#include "tst_RecordFile.moc"
