#include "netsearch/SearchEngines.h"

#include <array>

#include <QCoreApplication>

namespace
{
using SearchEngines::Engine;

const std::array<Engine, SearchEngines::kCount> kEngines{{
    {QT_TRANSLATE_NOOP("SearchEngines", "&Yahoo"),
     "/bin/search?p=",
     "",
     false,
     QT_TRANSLATE_NOOP(
         "SearchEngines",
         "Yahoo! Inc. offers a globally-branded Internet navigational service to information and entertainment on the "
         "Web.")},
    {QT_TRANSLATE_NOOP("SearchEngines", "&Alta Vista"),
     "/cgi-bin/query?pg=q&what=web&kl=XX&q=",
     "",
     true,
     QT_TRANSLATE_NOOP(
         "SearchEngines",
         "Use AltaVista to search the Web or Usenet. Features like language-specific results make AltaVista your "
         "searching choice.")},
    {QT_TRANSLATE_NOOP("SearchEngines", "&HotBot"),
     "/hResult.html?MT=",
     "",
     true,
     QT_TRANSLATE_NOOP("SearchEngines",
                       "HotBot is the most comprehensive search engine. Consistently rated #1, it is the most "
                       "effective at helping you "
                       "find exactly what you are looking for.")},
    {QT_TRANSLATE_NOOP("SearchEngines", "&Lycos"),
     "/cgi-bin/pursuit?query=",
     "",
     true,
     QT_TRANSLATE_NOOP(
         "SearchEngines",
         "Let Lycos be your Personal Guide to the Internet. Surf their Web Guides by category, vote for your favorite "
         "sites, and join the Lycos community.")},
    {QT_TRANSLATE_NOOP("SearchEngines", "&Infoseek"),
     "/Titles?qt=",
     "",
     true,
     QT_TRANSLATE_NOOP("SearchEngines",
                       "World Wide Web searching at its finest. Just enter your topic of interest. Advanced search "
                       "features allow you "
                       "to search for a specific site, URL, title, or links to a page.")},
    {QT_TRANSLATE_NOOP("SearchEngines", "&WebCrawler"),
     "/cgi-bin/WebQuery?searchText=",
     "&src=wc_results",
     true,
     QT_TRANSLATE_NOOP(
         "SearchEngines",
         "WebCrawler is a powerful search service that helps you find personally relevant information in the sea of "
         "Web "
         "content. In addition, the WebCrawler Guide reviews and their growing collection of WebCrawler Services "
         "partners make WebCrawler the place to go when you're seeking inspiration or just want to see what's out "
         "there.")},
}};

struct Hosts
{
    const char* search;
    const char* home;
};

// The engines' web hosts: the only place they are named. Yahoo still answers its old search path; the other
// five services are gone or answer other paths today, so their own hosts stand here and the browser shows
// whatever those hosts make of the old address.
const std::array<Hosts, SearchEngines::kCount> kHosts{{
    {"https://search.yahoo.com", "https://www.yahoo.com"},
    {"https://www.altavista.com", "https://www.altavista.com"},
    {"https://www.hotbot.com", "https://www.hotbot.com"},
    {"https://search.lycos.com", "https://www.lycos.com"},
    {"https://www.infoseek.com", "https://www.infoseek.com"},
    {"https://www.webcrawler.com", "https://www.webcrawler.com"},
}};
} // namespace

const Engine& SearchEngines::engine(int number)
{
    return kEngines.at(static_cast<std::size_t>(number - 1));
}

QString SearchEngines::searchPrefix(int number)
{
    return QString::fromLatin1(kHosts.at(static_cast<std::size_t>(number - 1)).search) +
           QString::fromLatin1(engine(number).searchPath);
}

QUrl SearchEngines::homePage(int number)
{
    const QString root = QString::fromLatin1(kHosts.at(static_cast<std::size_t>(number - 1)).home);
    return QUrl(engine(number).homeWithSlash ? root + u'/' : root);
}

QUrl SearchEngines::searchAddress(const QString& prefix, const QString& phrase, const QString& suffix)
{
    if (prefix.isEmpty())
        return QUrl::fromUserInput(phrase + suffix);
    const QString encoded = QString::fromLatin1(QUrl::toPercentEncoding(phrase));
    return QUrl(prefix + encoded + suffix, QUrl::StrictMode);
}
