#include "info/AboutText.h"

#include <array>

QString AboutText::versionLine(int major, int minor, int revision)
{
    return QStringLiteral("Version: %1.%2%3").arg(major).arg(minor).arg(revision);
}

QString AboutText::creditsEntry(int index)
{
    static const std::array<const char*, kCreditsEntries> entries{"Programming", "Beta Testers", "Special Thanks!"};
    return QString::fromLatin1(entries.at(static_cast<std::size_t>(index)));
}

QString AboutText::creditsText(int index)
{
    static const std::array<const char*, kCreditsEntries> texts{
        "Lead Programmer\r\n"
        "    Ray Tovane\r\n"
        "    ray@tovane.example\r\n"
        "\r\n"
        "'Umm I can add that...I think.'\r\n"
        "\r\n"
        "Programming Help\r\n"
        "#widgets on the Tovane chat server\r\n"
        "Where the regulars answer questions about desktop programming.",
        "Lead Tester\r\n"
        "    Mina Calder\r\n"
        "    mina@tovane.example\r\n"
        "\r\n"
        "'Nope, don't work for me.'",
        "Special thanks to:\r\n"
        "     Jo Pemberton\r\n"
        "     jo@tovane.example\r\n"
        "\r\n"
        "'Cool...turn off the computer now.'",
    };
    return QString::fromLatin1(texts.at(static_cast<std::size_t>(index)));
}
