#include "app/CommandLine.h"

#include <cstdio>

#include <QCommandLineParser>
#include <QCoreApplication>

#include "app/Translations.h"
#include "core/DataDir.h"
#include "core/Version.h"

std::optional<int> answerCommandLine(int& argc, char** argv)
{
    // Without arguments the board starts at once, without a core application before the real one.
    if (argc < 2)
        return std::nullopt;
    // The parser names the program from the core application's arguments; a core application opens no display.
    const QCoreApplication core(argc, argv);
    const Translations translations(DataDir::ofApplication());
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "CommandLine", "A small board on the desktop for programs, notes, mail and web search."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QCoreApplication::translate("CommandLine", "Display this help and exit."));
    const QCommandLineOption version(
        {QStringLiteral("v"), QStringLiteral("version")},
        QCoreApplication::translate("CommandLine", "Output version information and exit."));
    parser.addOption(help);
    parser.addOption(version);
    if (!parser.parse(QCoreApplication::arguments())) {
        const QString text = QCoreApplication::translate("CommandLine", "Try '%1 --help' for more information.");
        std::fprintf(stderr,
                     "zendra98: %s\n%s\n",
                     qUtf8Printable(parser.errorText()),
                     qUtf8Printable(text.arg(QStringLiteral("zendra98"))));
        return 1;
    }
    if (parser.isSet(help)) {
        std::fputs(qUtf8Printable(parser.helpText()), stdout);
        return 0;
    }
    if (parser.isSet(version)) {
        std::printf("zendra98 %d.%d.%d\n", Version::kMajor, Version::kMinor, Version::kRevision);
        return 0;
    }
    // Anything else, such as a file name a launcher passes, starts the board as without arguments.
    return std::nullopt;
}
