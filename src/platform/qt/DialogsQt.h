#pragma once

#include "platform/Dialogs.h"

/// Qt's message box, input dialog, file dialog and colour dialog, each over the active window.
class DialogsQt final : public Dialogs
{
public:
    MessageAnswer message(const MessageRequest& request) override;
    std::optional<QString> input(const QString& prompt, const QString& title, const QString& initial) override;
    std::optional<QString> openFile(const OpenFileRequest& request) override;
    std::optional<QColor> chooseColour(const QColor& initial) override;
};
