#include "notes/NoteFile.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include "core/DataDir.h"
#include "core/RecordFile.h"

namespace
{
constexpr qsizetype kTooltipLength = 60;
}

QString NoteFile::nameOf(int slot)
{
    return QString::number(slot) + QStringLiteral(".zrn");
}

int NoteFile::slotOfPath(const QString& path)
{
    const QString name = path.mid(path.lastIndexOf(u'/') + 1);
    for (int slot = 1; slot <= kNoteSlotCount; ++slot) {
        if (name == nameOf(slot))
            return slot;
    }
    return 0;
}

QString NoteFile::firstLine(const QString& text)
{
    const qsizetype end = text.indexOf(QRegularExpression(QStringLiteral("[\r\n]")));
    return text.left(end < 0 ? text.size() : end).left(kTooltipLength);
}

bool NoteFile::read(const DataDir& dir, int slot)
{
    return readPath(dir.file(nameOf(slot)));
}

bool NoteFile::readPath(const QString& path)
{
    const QFileInfo file(path);
    QString stored;
    if (!RecordReader::open(DataDir(file.absolutePath()), file.fileName()).read(stored))
        return false;
    text = fromStoredLineBreaks(stored);
    return true;
}

bool NoteFile::write(const DataDir& dir, int slot, const QString& text)
{
    RecordWriter writer;
    writer.writeRecord({toStoredLineBreaks(text)});
    return writer.commit(dir, nameOf(slot));
}

bool HandOverFile::write(const DataDir& dir, int slot)
{
    RecordWriter writer;
    writer.writeRecord({static_cast<qint32>(slot)});
    return writer.commit(dir, QString::fromLatin1(kName));
}

std::optional<int> HandOverFile::take(const DataDir& dir)
{
    const QString name = QString::fromLatin1(kName);
    if (!dir.exists(name))
        return std::nullopt;
    qint32 slot = -1;
    const bool read = RecordReader::open(dir, name).read(slot);
    QFile::remove(dir.file(name));
    if (!read || slot < 0 || slot > kNoteSlotCount)
        return std::nullopt;
    return slot;
}

NoteSaveTarget NoteSaveTarget::choose(int slotNumber, const std::array<bool, kNoteSlotCount>& inUse)
{
    if (slotNumber != 0)
        return {Kind::OwnSlot, slotNumber};
    for (int slot = 1; slot <= kNoteSlotCount; ++slot) {
        if (!inUse[static_cast<std::size_t>(slot - 1)])
            return {Kind::FreeSlot, slot};
    }
    return {Kind::NoFreeSlot, 0};
}

QString timeDateStamp(const QDateTime& now)
{
    return now.toString(QStringLiteral("hh:mm:ss MM-dd-yyyy"));
}
