#pragma once

#include "platform/Dialogs.h"

/// Qt's message box, input dialog, file, colour and print dialogs, each over the active window.
class DialogsQt final : public Dialogs
{
public:
    MessageAnswer message(const MessageRequest& request) override;
    std::optional<QString> input(const QString& prompt, const QString& title, const QString& initial) override;
    std::optional<QString> openFile(const OpenFileRequest& request) override;
    std::optional<QColor> chooseColour(const QColor& initial, const QString& title) override;
    bool choosePrinter(QPrinter& printer, bool offerSelection) override;
};
