#include "Fakes.h"

namespace
{
MessageAnswer firstButton(MessageButtons buttons)
{
    switch (buttons) {
    case MessageButtons::YesNo:
    case MessageButtons::YesNoCancel:
        return MessageAnswer::Yes;
    case MessageButtons::RetryCancel:
        return MessageAnswer::Retry;
    case MessageButtons::Ok:
    case MessageButtons::OkCancel:
        break;
    }
    return MessageAnswer::Ok;
}

template <typename T>
T takeOr(QList<T>& script, T fallback)
{
    return script.isEmpty() ? fallback : script.takeFirst();
}
} // namespace

MessageAnswer FakeDialogs::message(const MessageRequest& request)
{
    messages << request;
    return takeOr(answers, firstButton(request.buttons));
}

std::optional<QString> FakeDialogs::input(const QString&, const QString&, const QString&)
{
    return takeOr<std::optional<QString>>(inputs, std::nullopt);
}

std::optional<QString> FakeDialogs::openFile(const OpenFileRequest&)
{
    return takeOr<std::optional<QString>>(files, std::nullopt);
}

std::optional<QColor> FakeDialogs::chooseColour(const QColor&)
{
    return takeOr<std::optional<QColor>>(colours, std::nullopt);
}

void FakeTray::addIcon(int, const QIcon&, const QString& tip)
{
    calls << Call::Add;
    tooltip = tip;
    shown = true;
}

void FakeTray::removeIcon(int)
{
    calls << Call::Remove;
    shown = false;
}
