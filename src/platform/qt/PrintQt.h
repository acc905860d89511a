#pragma once

#include "platform/Dialogs.h"

class QPrinter;
class QWidget;

/// Lays `text` out in `font` on the printer's own pages and prints it as the text alone, without page numbers.
void printPlainText(QPrinter& printer, const QString& text, const QFont& font);

/// The print dialog over `parent`, with the selection as the range when the request has one, then the printing of
/// what the user chose. False when the user cancels.
bool printWithDialog(const PrintRequest& request, QWidget* parent);
