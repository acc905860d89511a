#include <QTest>

#include "platform/Pop3Protocol.h"

using namespace Pop3Protocol;

class tst_Pop3Protocol final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void headerTextIsDecoded_data();
    void headerTextIsDecoded();
    void headerFieldsAreUnfoldedAndPicked();
    void serverFieldGivesHostAndPort_data();
    void serverFieldGivesHostAndPort();
    void statCountAndArguments();
    void readerSplitsRepliesWhereverTheBytesBreak();
    void readerBoundsLinesAndHeaders();
    void readerRefusesWhatIsNotPop3();
};

void tst_Pop3Protocol::headerTextIsDecoded_data()
{
    QTest::addColumn<QByteArray>("raw");
    QTest::addColumn<QString>("text");
    QTest::newRow("B in UTF-8") << QByteArray("=?UTF-8?B?R3LDvMOfZQ==?=") << QStringLiteral("Grüße");
    QTest::newRow("Q in Latin-1, underscore is a space")
        << QByteArray("=?ISO-8859-1?Q?Caf=E9_=E0_la?=") << QStringLiteral("Café à la");
    QTest::newRow("adjacent words join, even inside a character")
        << QByteArray("=?UTF-8?B?w6k=?= \t =?utf-8?Q?=C3?=  =?UTF-8?Q?=A9t=C3=A9?=") << QStringLiteral("éété");
    QTest::newRow("white space beside text stays")
        << QByteArray("Re: =?UTF-8?Q?K=C3=B6ln?= und =?UTF-8?Q?D=C3=BCren?= !")
        << QStringLiteral("Re: Köln und Düren !");
    QTest::newRow("Windows-1252 quotes") << QByteArray("=?windows-1252?Q?=93x=94?=") << QStringLiteral("“x”");
    QTest::newRow("KOI8-R") << QByteArray("=?KOI8-R?B?8NLJ18XU?=") << QStringLiteral("Привет");
    QTest::newRow("ISO-8859-2 with a language") << QByteArray("=?ISO-8859-2*pl?Q?=B3?=") << QStringLiteral("ł");
    QTest::newRow("bad UTF-8 bytes become replacement characters")
        << QByteArray("a\xff=?UTF-8?Q?=C3?=b") << QStringLiteral("a\uFFFD\uFFFDb");
    QTest::newRow("unknown charset read as UTF-8") << QByteArray("=?x-nonsense?Q?=C3=A9?=") << QStringLiteral("é");
    QTest::newRow("broken words stay as written") << QByteArray("=?UTF-8?X?abc?= =?UTF-8?Q?a b?= =?UTF-8?B?YQ")
                                                  << QStringLiteral("=?UTF-8?X?abc?= =?UTF-8?Q?a b?= =?UTF-8?B?YQ");
}

void tst_Pop3Protocol::headerTextIsDecoded()
{
    QFETCH(QByteArray, raw);
    QFETCH(QString, text);
    QCOMPARE(decodeHeaderText(raw), text);
}

void tst_Pop3Protocol::headerFieldsAreUnfoldedAndPicked()
{
    const Pop3Headers headers = parseHeaders("Received: from x\r\n\tby y\r\n"
                                             "SUBJECT: A long subject\r\n  folded =?UTF-8?B?WndlaSA=?=\r\n"
                                             " =?UTF-8?B?V8O2cnRlcg==?=\r\n"
                                             "from:   Jo <jo@example.org>  \r\n"
                                             "Date: Tue, 14 Nov 2023 22:14:20 -0000 (=?UTF-8?Q?x?=)\r\n"
                                             "From: second@example.org\r\n"
                                             "\r\n"
                                             "Subject: in the body\r\n");
    QCOMPARE(headers.subject, QStringLiteral("A long subject  folded Zwei Wörter"));
    QCOMPARE(headers.from, QStringLiteral("Jo <jo@example.org>"));
    QCOMPARE(headers.date, QStringLiteral("Tue, 14 Nov 2023 22:14:20 -0000 (=?UTF-8?Q?x?=)"));

    const Pop3Headers bare = parseHeaders("X-Other: 1\nSubject: only this\n");
    QCOMPARE(bare.subject, QStringLiteral("only this"));
    QVERIFY(bare.from.isEmpty());
    QVERIFY(bare.date.isEmpty());
}

void tst_Pop3Protocol::serverFieldGivesHostAndPort_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("host");
    QTest::addColumn<int>("port"); // 0: refused
    QTest::newRow("bare host means 110") << QStringLiteral(" mail.example.org ") << QStringLiteral("mail.example.org")
                                         << 110;
    QTest::newRow("host and port") << QStringLiteral("mail.example.org:995") << QStringLiteral("mail.example.org")
                                   << 995;
    QTest::newRow("IPv6 in brackets") << QStringLiteral("[::1]:1110") << QStringLiteral("::1") << 1110;
    QTest::newRow("bare IPv6") << QStringLiteral("fe80::1") << QStringLiteral("fe80::1") << 110;
    QTest::newRow("port out of range") << QStringLiteral("h:65536") << QString() << 0;
    QTest::newRow("port not a number") << QStringLiteral("h:pop") << QString() << 0;
    QTest::newRow("empty") << QStringLiteral("  ") << QString() << 0;
    QTest::newRow("address, not a host") << QStringLiteral("me@example.org") << QString() << 0;
}

void tst_Pop3Protocol::serverFieldGivesHostAndPort()
{
    QFETCH(QString, field);
    QFETCH(QString, host);
    QFETCH(int, port);
    const auto address = parseServer(field);
    QCOMPARE(address.has_value(), port != 0);
    if (address) {
        QCOMPARE(address->host, host);
        QCOMPARE(int(address->port), port);
    }
}

void tst_Pop3Protocol::statCountAndArguments()
{
    QCOMPARE(parseStatCount("3 1234"), std::optional<int>(3));
    QCOMPARE(parseStatCount("2147483647 0"), std::optional<int>(2147483647));
    QCOMPARE(parseStatCount("0"), std::optional<int>(0));
    QVERIFY(!parseStatCount("2147483648 0"));
    QVERIFY(!parseStatCount("99999999999999999999 0"));
    QVERIFY(!parseStatCount("-1 0"));
    QVERIFY(!parseStatCount("3x 0"));
    QVERIFY(!parseStatCount(""));

    QVERIFY(isSafeArgument(QStringLiteral("pass word")));
    QVERIFY(!isSafeArgument(QStringLiteral("pw\r\nDELE 1")));
    QVERIFY(!isSafeArgument(QStringLiteral("pw\nDELE 1")));
    QVERIFY(!isSafeArgument(QString(QChar(0))));
}

void tst_Pop3Protocol::readerSplitsRepliesWhereverTheBytesBreak()
{
    const QByteArray stream = "+OK ready\r\n+OK\r\nTOP\r\nPIPELINING\r\n.\r\n-ERR no such message\r\n"
                              "+OK\r\nSubject: a\r\n..dotted: b\r\n\r\nbody\r\n.\r\n"
                              "+OK\nSubject: bare line ends\n.\n";
    // Every split of the stream into two reads gives the same replies.
    for (qsizetype cut = 0; cut <= stream.size(); ++cut) {
        Pop3ReplyReader reader;
        for (auto kind : {Pop3ReplyReader::Kind::Status,
                          Pop3ReplyReader::Kind::Lines,
                          Pop3ReplyReader::Kind::Message,
                          Pop3ReplyReader::Kind::Message,
                          Pop3ReplyReader::Kind::Message})
            reader.expect(kind);
        QList<Pop3ReplyReader::Reply> replies;
        QVERIFY(reader.feed(QByteArrayView(stream).first(cut), replies));
        QVERIFY(reader.feed(QByteArrayView(stream).sliced(cut), replies));
        QCOMPARE(replies.size(), 5);
        QCOMPARE(replies[0].text, QByteArray("ready"));
        QCOMPARE(replies[1].lines, QList<QByteArray>({"TOP", "PIPELINING"}));
        QVERIFY(!replies[2].ok);
        QCOMPARE(replies[2].text, QByteArray("no such message"));
        QCOMPARE(replies[3].header, QByteArray("Subject: a\r\n.dotted: b\r\n"));
        QCOMPARE(replies[4].header, QByteArray("Subject: bare line ends\r\n"));
        QCOMPARE(reader.awaiting(), 0);
    }
}

void tst_Pop3Protocol::readerBoundsLinesAndHeaders()
{
    Pop3ReplyReader reader;
    reader.expect(Pop3ReplyReader::Kind::Message);
    reader.expect(Pop3ReplyReader::Kind::Message);
    reader.expect(Pop3ReplyReader::Kind::Message);
    QList<Pop3ReplyReader::Reply> replies;
    // A 10 MB header line arrives in pieces; the reader keeps none of it.
    QVERIFY(reader.feed("+OK\r\nSubject: ", replies));
    const QByteArray piece(1024 * 1024, 'x');
    for (int i = 0; i < 10; ++i)
        QVERIFY(reader.feed(piece, replies));
    QVERIFY(reader.feed("\r\nFrom: a\r\n\r\n.\r\n", replies));
    // A header of many short lines past 1 MB.
    QByteArray many = "+OK\r\n";
    const QByteArray line = "X-Filler: " + QByteArray(1000, 'y') + "\r\n";
    while (many.size() < Pop3Client::kMaxHeaderBytes + 2000)
        many += line;
    QVERIFY(reader.feed(many + ".\r\n", replies));
    QVERIFY(reader.feed("+OK\r\nSubject: next\r\n.\r\n", replies));
    QCOMPARE(replies.size(), 3);
    QVERIFY(replies[0].tooLong);
    QVERIFY(replies[1].tooLong);
    QVERIFY(replies[0].header.size() + replies[1].header.size() < Pop3Client::kMaxLineBytes);
    QVERIFY(!replies[2].tooLong);
    QCOMPARE(parseHeaders(replies[2].header).subject, QStringLiteral("next"));
}

void tst_Pop3Protocol::readerRefusesWhatIsNotPop3()
{
    const QList<QByteArray> streams{"HTTP/1.1 200 OK\r\n", "+OKAY\r\n", "+OK one\r\n+OK nobody asked\r\n"};
    for (const QByteArray& stream : streams) {
        Pop3ReplyReader reader;
        reader.expect(Pop3ReplyReader::Kind::Status);
        QList<Pop3ReplyReader::Reply> replies;
        QVERIFY2(!reader.feed(stream, replies), stream.constData());
        QCOMPARE(reader.fault(), Pop3ReplyReader::Fault::Protocol);
    }
    Pop3ReplyReader reader;
    reader.expect(Pop3ReplyReader::Kind::Status);
    QList<Pop3ReplyReader::Reply> replies;
    QVERIFY(!reader.feed("+OK " + QByteArray(Pop3Client::kMaxLineBytes, 'g') + "\r\n", replies));
    QCOMPARE(reader.fault(), Pop3ReplyReader::Fault::TooLong);
}

QTEST_APPLESS_MAIN(tst_Pop3Protocol)
#include "tst_Pop3Protocol.moc"
