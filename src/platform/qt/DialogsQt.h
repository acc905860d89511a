#pragma once

#include "platform/Dialogs.h"

class QWidget;

/// Qt's message box, input dialog, file, colour and print dialogs, each over the active window. The print dialog
/// and the printing live in a module loaded on the first print, so that Qt Print Support loads only in a run that
/// prints.
class DialogsQt final : public Dialogs
{
public:
    explicit DialogsQt(const QString& printModulePath = {});

    MessageAnswer message(const MessageRequest& request) override;
    std::optional<QString> input(const QString& prompt, const QString& title, const QString& initial) override;
    std::optional<QString> openFile(const OpenFileRequest& request) override;
    std::optional<QColor> chooseColour(const QColor& initial, const QString& title) override;
    bool print(const PrintRequest& request) override;

private:
    using Print = bool (*)(const PrintRequest&, QWidget*);

    QString m_printModulePath;
    bool m_printTried = false;
    Print m_print = nullptr;
    QString m_printError;
};
