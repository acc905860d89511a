#pragma once

#include <optional>

#include <QColor>
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

/// Asks the user: message boxes, an input box, and the open-file and colour dialogs. Every call waits for
/// the answer while the windows keep repainting.
class QPrinter;

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
    /// The print dialog on `printer`, with no page numbers; `offerSelection` opens it with the selection as the
    /// range. False when the user cancels.
    virtual bool choosePrinter(QPrinter& printer, bool offerSelection) = 0;
};
