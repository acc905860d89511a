#include "board/WebLinks.h"

#include <QDir>

#include "core/DataDir.h"

namespace
{
// Reserved for documentation, so no real site is ever reached by a build that was not given its own.
const auto kMakerServer = QStringLiteral("https://www.tovane.example");
const auto kFeedbackAddress = QStringLiteral("zendra98@tovane.example");
} // namespace

QUrl WebLinks::feedback()
{
    return QUrl(QStringLiteral("mailto:") + kFeedbackAddress);
}

QUrl WebLinks::makerHome()
{
    return QUrl(kMakerServer + QStringLiteral("/"));
}

QUrl WebLinks::productPage()
{
    return QUrl(kMakerServer + QStringLiteral("/zendra/"));
}

QUrl WebLinks::helpPage(const DataDir& dir)
{
    return QUrl::fromLocalFile(QDir::fromNativeSeparators(dir.shippedFile(QStringLiteral("help/index.html"))));
}

QUrl WebLinks::updatesPage(int major, int minor, int revision)
{
    // The minor number and the revision stand side by side: 1, 5, 0 asks for 1.50.html.
    return QUrl(kMakerServer + QStringLiteral("/zendra/updates/%1.%2%3.html").arg(major).arg(minor).arg(revision));
}
