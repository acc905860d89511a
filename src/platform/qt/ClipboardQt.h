#pragma once

#include <QClipboard>
#include <QGuiApplication>

#include "platform/Clipboard.h"

class ClipboardQt final : public Clipboard
{
public:
    QString text() const override { return QGuiApplication::clipboard()->text(); }
    void setText(const QString& text) override
    {
        // Cleared first, so that no other format of the old contents stays beside the new text.
        QGuiApplication::clipboard()->clear();
        QGuiApplication::clipboard()->setText(text);
    }
};
