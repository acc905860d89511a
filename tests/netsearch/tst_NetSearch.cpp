#include "TestSupport.h"
#include "core/Twips.h"
#include "netsearch/SearchEngines.h"
#include "netsearch/frmnetsearch.h"

namespace
{
struct SearchWindow
{
    FakePlatform fakes;
    TempDataDir dir;
    std::unique_ptr<frmnetsearch> window;

    explicit SearchWindow(const QByteArray& searchDat = {}, bool writeFile = false)
    {
        if (writeFile)
            dir.write(u"search.dat"_s, searchDat);
        window = std::make_unique<frmnetsearch>(fakes.platform, dir.dataDir());
        window->setAttribute(Qt::WA_DeleteOnClose, false);
    }
    QByteArray search(int engine, const QString& phrase)
    {
        if (engine != 0)
            window->option(engine)->setChecked(true);
        window->phrase()->setText(phrase);
        window->Command1_Click();
        return fakes.shell.opened.isEmpty() ? QByteArray() : fakes.shell.opened.last().toEncoded();
    }
    /// The whole window, frame included, as its two sizes are meant.
    QSize size() const { return window->frameGeometry().size(); }
};
} // namespace

class tst_NetSearch final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void searchOpensTheEngineAddress_data()
    {
        QTest::addColumn<int>("engine");
        QTest::addColumn<QString>("phrase");
        QTest::addColumn<QByteArray>("address");
        QTest::addColumn<QString>("queryKey");

        QTest::newRow("Yahoo with two words keeps their space")
            << 1 << u"red apple"_s << "https://search.yahoo.com/bin/search?p=red%20apple"_ba << u"p"_s;
        QTest::newRow("Alta Vista keeps its fixed query keys")
            << 2 << u"zendra"_s << "https://www.altavista.com/cgi-bin/query?pg=q&what=web&kl=XX&q=zendra"_ba << u"q"_s;
        QTest::newRow("HotBot: an ampersand stays in the phrase, alone or between words")
            << 3 << u"salt&pepper & oil"_s << "https://www.hotbot.com/hResult.html?MT=salt%26pepper%20%26%20oil"_ba
            << u"MT"_s;
        QTest::newRow("Lycos with an empty phrase ends at query=")
            << 4 << QString() << "https://search.lycos.com/cgi-bin/pursuit?query="_ba << u"query"_s;
        QTest::newRow("Infoseek: plus, hash and accents reach the engine")
            << 5 << u"c++ #1 café"_s << "https://www.infoseek.com/Titles?qt=c%2B%2B%20%231%20caf%C3%A9"_ba << u"qt"_s;
        QTest::newRow("WebCrawler appends its source after the phrase")
            << 6 << u"two words"_s
            << "https://www.webcrawler.com/cgi-bin/WebQuery?searchText=two%20words&src=wc_results"_ba
            << u"searchText"_s;
    }

    void searchOpensTheEngineAddress()
    {
        QFETCH(int, engine);
        QFETCH(QString, phrase);
        QFETCH(QByteArray, address);
        QFETCH(QString, queryKey);

        SearchWindow search;
        QCOMPARE(search.search(engine, phrase), address);
        // What the engine reads back from the address is the phrase exactly as typed.
        const QUrlQuery query(search.fakes.shell.opened.last());
        QCOMPARE(query.queryItemValue(queryKey, QUrl::FullyDecoded), phrase);
        QCOMPARE(search.window->description()->toPlainText(),
                 QString::fromLatin1(SearchEngines::engine(engine).description));
    }

    void withoutAnEngineThePhraseAndOnAnEngineItsHomePageIsOpened()
    {
        SearchWindow search;
        QCOMPARE(search.search(0, QString()), QByteArray());
        QVERIFY(search.fakes.shell.opened.isEmpty());
        QCOMPARE(search.search(0, u"example.org"_s), "http://example.org"_ba);

        // A window keeps the last search's address for a search without an engine.
        QCOMPARE(SearchEngines::searchAddress(SearchEngines::searchPrefix(4), u"a b"_s, QString()).toEncoded(),
                 "https://search.lycos.com/cgi-bin/pursuit?query=a%20b"_ba);

        // A double click or Enter on an engine opens its home page.
        search.fakes.shell.opened.clear();
        search.window->show();
        QCOMPARE(search.window->option(1)->toolTip(), u"Double click to visit"_s);
        QTest::mouseDClick(search.window->option(1), Qt::LeftButton);
        QTest::keyClick(search.window->option(6), Qt::Key_Return);
        QCOMPARE(search.fakes.shell.opened,
                 (QList<QUrl>{QUrl(u"https://www.yahoo.com"_s), QUrl(u"https://www.webcrawler.com/"_s)}));
    }

    void settingsSurviveClosingAndOpening()
    {
        const QSize compact = Twips::sizeToPixels(4530, 1605);
        const QSize full = Twips::sizeToPixels(6300, 2895);
        SearchWindow search("3,0,1\r\n", true);
        const auto reopen = [&search] {
            search.window->close();
            search.window = std::make_unique<frmnetsearch>(search.fakes.platform, search.dir.dataDir());
            search.window->setAttribute(Qt::WA_DeleteOnClose, false);
            search.window->show();
        };
        reopen();
        QCOMPARE(search.dir.read(u"search.dat"_s), "3,0,1\r\n"_ba);
        QVERIFY(search.window->option(3)->isChecked());
        QCOMPARE(search.window->description()->toPlainText(),
                 QString::fromLatin1(SearchEngines::engine(3).description));
        // As wide as drawn, or wider where the engines' captions need it.
        QCOMPARE(search.size().height(), full.height());
        QVERIFY(search.size().width() >= full.width());

        // Typing into the description changes nothing.
        QTest::keyClicks(search.window->description(), u"xyz"_s);
        QCOMPARE(search.window->description()->toPlainText(),
                 QString::fromLatin1(SearchEngines::engine(3).description));

        QTest::mouseClick(search.window->findChild<QCheckBox*>(u"Check2"_s), Qt::LeftButton);
        QCOMPARE(search.size(), compact);
        QVERIFY(search.window->option(3)->isChecked());
        search.window->findChild<QCheckBox*>(u"Check1"_s)->setChecked(true);
        QVERIFY(search.window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(search.window->isVisible());
        reopen();
        QCOMPARE(search.dir.read(u"search.dat"_s), "3,1,0\r\n"_ba);
        QVERIFY(search.window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QCOMPARE(search.size(), compact);
    }

    void badSearchDatOpensCompactWithoutEngine_data()
    {
        QTest::addColumn<bool>("present");
        QTest::addColumn<QByteArray>("contents");
        QTest::newRow("missing") << false << QByteArray();
        QTest::newRow("empty") << true << QByteArray();
        QTest::newRow("garbage") << true << QByteArray("\x01\xff\"yahoo,,\r\n\r\n", 12);
        QTest::newRow("engine out of range") << true << "7,0,0\r\n"_ba;
        QTest::newRow("engine not whole") << true << "2.5,0,0\r\n"_ba;
        QTest::newRow("negative engine") << true << "-1,2,2\r\n"_ba;
    }

    void badSearchDatOpensCompactWithoutEngine()
    {
        QFETCH(bool, present);
        QFETCH(QByteArray, contents);
        SearchWindow search(contents, present);
        QCOMPARE(search.window->selectedEngine(), 0);
        QCOMPARE(search.size(), Twips::sizeToPixels(4530, 1605));
        QVERIFY(!search.window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(search.window->description()->toPlainText().isEmpty());
    }
};

QTEST_MAIN(tst_NetSearch)
#include "tst_NetSearch.moc"
