#include "Fakes.h"

MessageAnswer FakeDialogs::message(const MessageRequest& request)
{
    messages << request;
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
