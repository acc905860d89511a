#pragma once

#include <QString>

/// The desktop's clipboard, as plain text.
class Clipboard
{
public:
    virtual ~Clipboard() = default;
    /// Empty when the clipboard holds no text.
    virtual QString text() const = 0;
    /// Replaces whatever the clipboard held.
    virtual void setText(const QString& text) = 0;
};
