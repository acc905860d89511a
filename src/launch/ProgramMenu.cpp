#include "launch/ProgramMenu.h"

#include <QAction>
#include <QMenu>

namespace
{
// Cuts `text` to `length` characters from the front or back without splitting a surrogate pair.
QString front(const QString& text, qsizetype length)
{
    if (length > 0 && length < text.size() && text[length - 1].isHighSurrogate())
        --length;
    return text.left(length);
}

QString back(const QString& text, qsizetype length)
{
    if (length > 0 && length < text.size() && text[text.size() - length].isLowSurrogate())
        --length;
    return text.right(length);
}
} // namespace

ProgramMenu::Items ProgramMenu::build(QMenu* menu, const char* itemName, const QString& designCaption)
{
    Items items{};
    for (int i = 0; i < kProgramCount; ++i) {
        QAction* item = menu->addAction(designCaption.arg(i + 1));
        item->setObjectName(QString::fromLatin1(itemName) + QString::number(i + 1));
        items[static_cast<std::size_t>(i)] = item;
    }
    return items;
}

void ProgramMenu::setTitles(const Items& items, const std::array<ProgramEntry, kProgramCount>& programs)
{
    for (std::size_t i = 0; i < items.size(); ++i)
        items[i]->setText(caption(programs[i].title));
}

QString ProgramMenu::caption(const QString& title)
{
    QString shown = title;
    if (shown.size() > kMaxCaptionLength) {
        const qsizetype half = (kMaxCaptionLength - 1) / 2;
        shown = front(title, half) + QChar(0x2026) + back(title, half);
    }
    for (QChar& c : shown) {
        // A tab would start a shortcut column, a line break a second line.
        if (c.category() == QChar::Other_Control)
            c = u' ';
    }
    shown.replace(u'&', QStringLiteral("&&"));
    return shown;
}
