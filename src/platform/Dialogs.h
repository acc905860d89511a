#pragma once

#include <optional>

#include <QColor>
#include <QFont>
#include <QString>
#include <QStringList>

enum class MessageIcon
{
    None,
    Information,
    Question,
    Warning,
    Critical,
};

enum class MessageButtons
{
    Ok,
    OkCancel,
    YesNo,
    YesNoCancel,
    RetryCancel,
};

enum class MessageAnswer
{
    Ok,
    Cancel,
    Yes,
    No,
    Retry,
};

/// A message box. A box without a title of its own shows the application title "Zendra 98".
struct MessageRequest
{
    QString text;
    QString title;
    MessageIcon icon = MessageIcon::None;
    MessageButtons buttons = MessageButtons::Ok;
};

struct OpenFileRequest
{
    QString folder;
    QString title;
    QStringList filters; // "All Files (*)", "Programs (*.exe)", ...
    int selectedFilter = 0;
};

/// A text to print as plain text, in `font`, without page numbers.
struct PrintRequest
{
    QString text;
    /// The selected part of `text`; when there is one, the print dialog offers to print only it and starts with it.
    QString selection;
    QFont font;
};

/// Asks the user: message boxes, an input box, and the open-file, colour and print dialogs. Every call waits for
/// the answer while the windows keep repainting.
class Dialogs
{
public:
    static constexpr const char* kApplicationTitle = QT_TRANSLATE_NOOP("Dialogs", "Zendra 98");

    virtual ~Dialogs() = default;
    virtual MessageAnswer message(const MessageRequest& request) = 0;
    /// Empty when the user cancels.
    virtual std::optional<QString> input(const QString& prompt, const QString& title, const QString& initial) = 0;
    virtual std::optional<QString> openFile(const OpenFileRequest& request) = 0;
    /// The colour dialog with `title`; empty when the user cancels.
    virtual std::optional<QColor> chooseColour(const QColor& initial, const QString& title) = 0;
    /// The print dialog, then the printing of the text or the selection, whichever the user chose. False when the
    /// user cancels or nothing could be printed.
    virtual bool print(const PrintRequest& request) = 0;
};
