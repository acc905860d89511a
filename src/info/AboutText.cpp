#include "info/AboutText.h"

#include <array>

#include <QCoreApplication>

QString AboutText::versionLine(int major, int minor, int revision)
{
    return QCoreApplication::translate("AboutText", "Version: %1.%2%3").arg(major).arg(minor).arg(revision);
}

QString AboutText::creditsEntry(int index)
{
    static const std::array<const char*, kCreditsEntries> entries{QT_TRANSLATE_NOOP("AboutText", "Programming"),
                                                                  QT_TRANSLATE_NOOP("AboutText", "Beta Testers"),
                                                                  QT_TRANSLATE_NOOP("AboutText", "Special Thanks!")};
    return QCoreApplication::translate("AboutText", entries.at(static_cast<std::size_t>(index)));
}

QString AboutText::creditsText(int index)
{
    static const std::array<const char*, kCreditsEntries> texts{
        QT_TRANSLATE_NOOP("AboutText",
                          "Lead Programmer\r\n"
                          "    Ray Tovane\r\n"
                          "    ray@tovane.example\r\n"
                          "\r\n"
                          "'Umm I can add that...I think.'\r\n"
                          "\r\n"
                          "Programming Help\r\n"
                          "#widgets on the Tovane chat server\r\n"
                          "Where the regulars answer questions about desktop programming."),
        QT_TRANSLATE_NOOP("AboutText",
                          "Lead Tester\r\n"
                          "    Mina Calder\r\n"
                          "    mina@tovane.example\r\n"
                          "\r\n"
                          "'Nope, don't work for me.'"),
        QT_TRANSLATE_NOOP("AboutText",
                          "Special thanks to:\r\n"
                          "     Jo Pemberton\r\n"
                          "     jo@tovane.example\r\n"
                          "\r\n"
                          "'Cool...turn off the computer now.'"),
    };
    return QCoreApplication::translate("AboutText", texts.at(static_cast<std::size_t>(index)));
}
