#include "Fakes.h"

#include <utility>

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
