#include "platform/qt/DialogsQt.h"

#include <QApplication>
#include <QColorDialog>
#include <QCoreApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

namespace
{
QString titleOf(const QString& title)
{
    return title.isEmpty() ? QCoreApplication::translate("Dialogs", Dialogs::kApplicationTitle) : title;
}

QMessageBox::Icon iconOf(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::Warning:
        return QMessageBox::Warning;
    case MessageIcon::Critical:
        return QMessageBox::Critical;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons buttonsOf(MessageButtons buttons)
{
    switch (buttons) {
    case MessageButtons::Ok:
        return QMessageBox::Ok;
    case MessageButtons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case MessageButtons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case MessageButtons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case MessageButtons::RetryCancel:
        return QMessageBox::Retry | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

MessageAnswer answerOf(int button)
{
    switch (button) {
    case QMessageBox::Yes:
        return MessageAnswer::Yes;
    case QMessageBox::No:
        return MessageAnswer::No;
    case QMessageBox::Retry:
        return MessageAnswer::Retry;
    case QMessageBox::Cancel:
        return MessageAnswer::Cancel;
    default:
        return MessageAnswer::Ok;
    }
}
} // namespace

MessageAnswer DialogsQt::message(const MessageRequest& request)
{
    QMessageBox box(iconOf(request.icon),
                    titleOf(request.title),
                    request.text,
                    buttonsOf(request.buttons),
                    QApplication::activeWindow());
    box.setObjectName(QStringLiteral("messageBox"));
    // Texts may carry a mail server's words: shown as written, never as markup with links and pictures.
    box.setTextFormat(Qt::PlainText);
    return answerOf(box.exec());
}

std::optional<QString> DialogsQt::input(const QString& prompt, const QString& title, const QString& initial)
{
    bool ok = false;
    const QString text =
        QInputDialog::getText(QApplication::activeWindow(), titleOf(title), prompt, QLineEdit::Normal, initial, &ok);
    if (!ok)
        return std::nullopt;
    return text;
}

std::optional<QString> DialogsQt::openFile(const OpenFileRequest& request)
{
    QFileDialog dialog(QApplication::activeWindow(), request.title, request.folder);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters(request.filters);
    if (request.selectedFilter >= 0 && request.selectedFilter < request.filters.size())
        dialog.selectNameFilter(request.filters.at(request.selectedFilter));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().first();
}

std::optional<QColor> DialogsQt::chooseColour(const QColor& initial, const QString& title)
{
    const QColor colour = QColorDialog::getColor(initial, QApplication::activeWindow(), title);
    if (!colour.isValid())
        return std::nullopt;
    return colour;
}

bool DialogsQt::choosePrinter(QPrinter& printer, bool offerSelection)
{
    QPrintDialog dialog(&printer, QApplication::activeWindow());
    QAbstractPrintDialog::PrintDialogOptions options = QAbstractPrintDialog::PrintToFile;
    options.setFlag(QAbstractPrintDialog::PrintSelection, offerSelection);
    dialog.setOptions(options);
    printer.setPrintRange(offerSelection ? QPrinter::Selection : QPrinter::AllPages);
    return dialog.exec() == QDialog::Accepted;
}
