#pragma once

#include <QString>
#include <QUrl>

/// The six search engines of the net search window, numbered 1 to 6 from top to bottom.
namespace SearchEngines
{
constexpr int kCount = 6;

// The caption and the description are marked for translation in the context "SearchEngines".
struct Engine
{
    const char* caption;
    /// The search path with its query key, on the engine's search host; the phrase follows it.
    const char* searchPath;
    /// Appended after the phrase (WebCrawler only).
    const char* suffix;
    /// Whether the home page is the host's root with a trailing slash.
    bool homeWithSlash;
    const char* description;
};

/// Engine `number` (1 to 6).
const Engine& engine(int number);

/// The part of a search address before the phrase: scheme, search host, path and query key.
QString searchPrefix(int number);
/// The engine's home page, opened by a double click on its option.
QUrl homePage(int number);

/// The address "&Search" opens. `prefix` is the selected engine's `searchPrefix`, or the previous search's prefix
/// (empty before the first) when no engine is selected. The phrase is carried exactly as typed: it is
/// percent-encoded so that a space, "&", "#" or "+" reaches the engine as part of the phrase. Without a prefix the
/// phrase itself is the address.
QUrl searchAddress(const QString& prefix, const QString& phrase, const QString& suffix);
} // namespace SearchEngines
