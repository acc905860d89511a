#pragma once

#include <QString>
#include <QUrl>

/// Opens documents and starts programs on behalf of the user. Failures are not reported: the board carries on.
class Shell
{
public:
    virtual ~Shell() = default;
    /// A web page, a "mailto:" link or a local file URL, with the desktop's default action.
    virtual void open(const QUrl& target) = 0;
    /// A program in a normal window. False when nothing was started.
    virtual bool run(const QString& commandLine) = 0;
};
