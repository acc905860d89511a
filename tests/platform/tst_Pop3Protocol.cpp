#include "TestSupport.h"
#include "platform/Pop3Protocol.h"

using namespace Pop3Protocol;
using Kind = Pop3ReplyReader::Kind;

class tst_Pop3Protocol final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void headersAreUnfoldedAndDecoded_data()
    {
        QTest::addColumn<QByteArray>("header");
        QTest::addColumn<QString>("fields"); // From | Subject | Date
        QTest::newRow("B in UTF-8 and Q in Latin-1, underscore a space, white space beside text kept")
            << "Subject: Re: =?UTF-8?B?R3LDvMOfZQ==?= aus =?ISO-8859-1?Q?Caf=E9_=E0_la?= !"_ba
            << u" | Re: Grüße aus Café à la ! | "_s;
        QTest::newRow("adjacent words join, even inside a character")
            << "Subject: =?UTF-8?B?w6k=?= \t =?utf-8?Q?=C3?=  =?UTF-8?Q?=A9t=C3=A9?="_ba << u" | éété | "_s;
        QTest::newRow("a character split between two B words, and between a Q and a B word, comes out whole")
            << "Subject: =?UTF-8?B?4oI=?= =?utf-8?B?rA==?=/=?utf-8?q?=E2=82?= =?UTF-8*en?b?rA==?="_ba << u" | €/€ | "_s;
        QTest::newRow("ISO-2022-JP with its escape sequences split across words")
            << "Subject: =?ISO-2022-JP?Q?=1B$?= =?iso-2022-jp?B?QkZ8S1wb?= =?ISO-2022-JP?Q?(B?="_ba << u" | 日本 | "_s;
        QTest::newRow("charsets by their MIME names, one invalid sequence in GB2312 as U+FFFD")
            << QByteArray(
                   "Subject: =?cp1252?Q?=80?=/=?mac-iceland?Q?=DE?=/=?x-mac-roman?Q?=DE?=/=?gb2312?Q?=D6=D0=CE=C4?=/"
                   "=?big5?Q?=A4=A4=A4=E5?=/=?shift_jis?Q?=93=FA=96=7B?=/=?euc-jp?Q?=C6=FC=CB=DC?=/=?koi8-u?Q?=A7?=/"
                   "=?gb2312?Q?=D6A?=")
            << u" | €/Þ/ﬁ/中文/中文/日本/日本/ї/\uFFFDA | "_s;
        QTest::newRow("Windows-1252, KOI8-R and ISO-8859-2 with a language, side by side")
            << "Subject: =?windows-1252?Q?=93x=94?= =?KOI8-R?B?8NLJ18XU?= =?ISO-8859-2*pl?Q?=B3?="_ba
            << u" | “x”Приветł | "_s;
        QTest::newRow("bad bytes become U+FFFD, an unknown charset is read as Latin-1, broken words stay as written")
            << QByteArray("Subject: a\xff=?UTF-8?Q?=C3?=b =?x-nonsense?Q?=C3=A9?= =?UTF-8?X?abc?= =?UTF-8?Q?a b?= "
                          "=?UTF-8?B?YQ")
            << u" | a\uFFFD\uFFFDb Ã© =?UTF-8?X?abc?= =?UTF-8?Q?a b?= =?UTF-8?B?YQ | "_s;
        QTest::newRow("bidirectional controls become U+FFFD, other controls a space; a Date not in UTF-8 is Latin-1")
            << QByteArray(
                   "From: =?utf-8?q?gnp=E2=80=AE=E2=80=AA=E2=80=AB=E2=80=AC=E2=80=AD=E2=81=A6=E2=81=A7=E2=81=A8=E2"
                   "=81=A9=E2=80=8E=E2=80=8F=D8=9C.exe?=\r\nSubject: =?utf-8?q?a=09b=0D=0Ac=7F=C2=85d?=\r\n"
                   "Date: 1 M\xe4r\x01 2024\r\n")
            << u"gnp\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD.exe | a b  c  d | 1 Mär  2024"_s;
        QTest::newRow("a long field cut to the display length, not inside a surrogate pair, and marked")
            << "Subject: " + QByteArray(kMaxDisplayChars - 1, 'x') + "\xF0\x9F\x98\x80\xF0\x9F\x98\x80"
            << u" | "_s + QString(kMaxDisplayChars - 1, u'x') + u"… | "_s;
        // 31 bytes a word with the blanks that are dropped between words: the raw value ends 16 bytes into word 529.
        QTest::newRow("a long raw value cut before decoding and marked")
            << "Subject: " + QByteArray("=?utf-8?q?a?=" + QByteArray(18, ' ')).repeated(600)
            << u" | "_s + QString(kMaxRawFieldBytes / 31 + 1, u'a') + u"   … | "_s;
        QTest::newRow("folded fields unfolded; the first of each counts; the Date as sent; the body ignored")
            << QByteArray("Received: from x\r\n\tby y\r\nSUBJECT: A long subject\r\n  folded =?UTF-8?B?WndlaSA=?=\r\n"
                          " =?UTF-8?B?V8O2cnRlcg==?=\r\nfrom:   Jo <jo@example.org>  \r\n"
                          "Date: Tue, 14 Nov 2023 22:14:20 -0000 (=?UTF-8?Q?x?=)\r\nFrom: second@example.org\r\n\r\n"
                          "Subject: in the body\r\n")
            << u"Jo <jo@example.org> | A long subject  folded Zwei Wörter | Tue, 14 Nov 2023 22:14:20 -0000 (=?UTF-8?Q?x?=)"_s;
        QTest::newRow("bare LF line ends; missing fields are empty")
            << "X-Other: 1\nSubject: only this\n"_ba << u" | only this | "_s;
    }

    void headersAreUnfoldedAndDecoded()
    {
        QFETCH(QByteArray, header);
        const Pop3Headers parsed = parseHeaders(header);
        QTEST(QStringList({parsed.from, parsed.subject, parsed.date}).join(u" | "), "fields");
    }

    void hostileValueDecodesInLinearTime()
    {
        // Encoded words that never close, 1 MiB of them: searching each for a "?=" to the end of the value would take
        // minutes.
        const QByteArray value = "=?utf-8?q?x"_ba.repeated(1024 * 1024 / 11);
        QCOMPARE(decodeHeaderText(value), QString::fromLatin1(value));
    }

    void serverFieldGivesHostAndPort_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("address"); // empty: refused
        QTest::newRow("bare host means 110") << u" mail.example.org "_s << u"mail.example.org 110 (default)"_s;
        QTest::newRow("host and port") << u"mail.example.org:995"_s << u"mail.example.org 995"_s;
        QTest::newRow("the default port given") << u"mail.example.org:110"_s << u"mail.example.org 110"_s;
        QTest::newRow("IPv6 in brackets") << u"[::1]:1110"_s << u"::1 1110"_s;
        QTest::newRow("bare IPv6") << u"fe80::1"_s << u"fe80::1 110 (default)"_s;
        QTest::newRow("port out of range") << u"h:65536"_s << QString();
        QTest::newRow("empty") << u"  "_s << QString();
        QTest::newRow("address, not a host") << u"me@example.org"_s << QString();
    }

    void serverFieldGivesHostAndPort()
    {
        QFETCH(QString, field);
        const auto parsed = parseServer(field);
        const QString given = parsed && !parsed->portGiven ? u" (default)"_s : QString();
        QTEST(parsed ? parsed->host + u' ' + QString::number(parsed->port) + given : QString(), "address");
    }

    void statCountAndArguments()
    {
        QCOMPARE(parseStatCount("3 1234"), 3);
        QCOMPARE(parseStatCount("2147483647"), 2147483647);
        for (const char* refused : {"2147483648 0", "99999999999999999999 0", "-1 0", "3x 0", ""})
            QVERIFY2(!parseStatCount(refused), refused);
        QVERIFY(isSafeArgument(u"pass word"_s));
        for (const QString& unsafe : {u"pw\r\nDELE 1"_s, u"pw\nDELE 1"_s, u"pw\rX"_s, QString(QChar(0))})
            QVERIFY(!isSafeArgument(unsafe));
    }

    void readerSplitsRepliesWhereverTheBytesBreak()
    {
        const QByteArray stream = "+OK ready\r\n+OK\r\nTOP\r\nPIPELINING\r\n.\r\n-ERR no such message\r\n"
                                  "+OK\r\nSubject: a\r\n..dotted: b\r\nFROM: c\r\nSubject: d\r\n\r\nbody\r\n..\r\n.\r\n"
                                  "+OK\nSubject: bare line ends\n.\n";
        // Every split of the stream into two reads gives the same replies.
        for (qsizetype cut = 0; cut <= stream.size(); ++cut) {
            Pop3ReplyReader reader;
            for (auto kind : {Kind::Status, Kind::Lines, Kind::Message, Kind::Message, Kind::Message})
                reader.expect(kind);
            QList<Pop3ReplyReader::Reply> replies;
            QVERIFY(reader.feed(QByteArrayView(stream).first(cut), replies));
            QVERIFY(reader.feed(QByteArrayView(stream).sliced(cut), replies));
            QCOMPARE(replies.size(), 5);
            QCOMPARE(replies[0].text, "ready"_ba);
            QCOMPARE(replies[1].lines, QList<QByteArray>({"TOP", "PIPELINING"}));
            QVERIFY(!replies[2].ok);
            QCOMPARE(replies[2].text, "no such message"_ba);
            // Of a header only the first From, Subject and Date are kept.
            QCOMPARE(replies[3].header, "Subject: a\r\nFROM: c\r\n"_ba);
            QCOMPARE(replies[4].header, "Subject: bare line ends\r\n"_ba);
            QCOMPARE(reader.awaiting(), 0);
        }
    }

    void readerRefusesWhatIsNotPop3OrTooLongButReadsAWholeMessage()
    {
        const std::pair<QByteArray, Pop3ReplyReader::Fault> streams[] = {
            {"+OKAY\r\n", Pop3ReplyReader::Fault::Protocol},
            {"+OK one\r\n+OK nobody asked\r\n", Pop3ReplyReader::Fault::Protocol},
            {"+OK " + QByteArray(Pop3Client::kMaxLineBytes, 'g') + "\r\n", Pop3ReplyReader::Fault::TooLong},
        };
        for (const auto& [stream, fault] : streams) {
            Pop3ReplyReader reader;
            reader.expect(Kind::Status);
            QList<Pop3ReplyReader::Reply> replies;
            QVERIFY2(!reader.feed(stream, replies), stream.left(20).constData());
            QCOMPARE(reader.fault(), fault);
        }

        // A message's body past the reply limit is read to its end, as RETR sends it; a list past it ends the stream.
        const QByteArray chunk = QByteArray(1022, 'x').append("\r\n").repeated(1024);
        for (const Kind kind : {Kind::Message, Kind::Lines}) {
            Pop3ReplyReader reader;
            reader.expect(kind);
            QList<Pop3ReplyReader::Reply> replies;
            bool fed = reader.feed("+OK\r\nSubject: big\r\n\r\n", replies);
            for (qsizetype sent = 0; fed && sent <= Pop3ReplyReader::kMaxReplyBytes; sent += chunk.size())
                fed = reader.feed(chunk, replies);
            fed = fed && reader.feed(".\r\n", replies);
            const bool message = kind == Kind::Message;
            QCOMPARE(reader.fault(), message ? Pop3ReplyReader::Fault::None : Pop3ReplyReader::Fault::TooLong);
            QCOMPARE(replies.size(), message ? 1 : 0);
            QVERIFY(!message || replies[0].header == "Subject: big\r\n");
        }
    }

    void readerTellsOfAnUnfinishedLine()
    {
        Pop3ReplyReader reader;
        reader.expect(Kind::Status);
        reader.expect(Kind::Lines);
        QList<Pop3ReplyReader::Reply> replies;
        QVERIFY(reader.feed("+OK begin TLS\r\n", replies));
        QVERIFY(reader.feed("+OK", replies));
        QVERIFY(reader.hasPartialLine());
        QVERIFY(reader.feed("\r\n" + QByteArray(Pop3Client::kMaxLineBytes + 1, 'g'), replies)); // skipped, not kept
        QVERIFY(reader.hasPartialLine());
        QVERIFY(reader.feed("\r\n", replies));
        QVERIFY(!reader.hasPartialLine());
    }
};

QTEST_APPLESS_MAIN(tst_Pop3Protocol)
#include "tst_Pop3Protocol.moc"
