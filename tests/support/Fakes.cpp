#include "Fakes.h"

#include <utility>

#include <QPrinter>

#include "FakePop3Client.h"

std::optional<QString> FakeDialogs::openFile(const OpenFileRequest& request)
{
    openRequests << request;
    if (chosenFiles.isEmpty())
        return std::nullopt;
    return chosenFiles.takeFirst();
}

bool FakeDialogs::choosePrinter(QPrinter& printer, bool offerSelection)
{
    printRequests << offerSelection;
    if (printToPdf.isEmpty())
        return false;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(printToPdf);
    printer.setPrintRange(offerSelection ? QPrinter::Selection : QPrinter::AllPages);
    return true;
}

MessageAnswer FakeDialogs::message(const MessageRequest& request)
{
    messages << request;
    if (whileOpen)
        std::exchange(whileOpen, nullptr)();
    if (!answers.isEmpty())
        return answers.takeFirst();
    switch (request.buttons) {
    case MessageButtons::YesNo:
    case MessageButtons::YesNoCancel:
        return MessageAnswer::Yes;
    case MessageButtons::RetryCancel:
        return MessageAnswer::Retry;
    default:
        return MessageAnswer::Ok;
    }
}

std::unique_ptr<Pop3Client> FakePop3Factory::create()
{
    if (real) {
        auto client = real();
        made << client.get();
        return client;
    }
    auto client = std::make_unique<FakePop3Client>();
    client->openLog = &opens;
    if (script)
        script(*client);
    made << client.get();
    return client;
}

FakePop3Client* FakePop3Factory::last() const
{
    return made.isEmpty() ? nullptr : qobject_cast<FakePop3Client*>(made.constLast().data());
}
