#include "scratch/ScratchFiles.h"

#include "core/DataDir.h"
#include "core/RecordFile.h"

bool ScratchFile::read(const DataDir& dir)
{
    const bool read = RecordReader::open(dir, QString::fromLatin1(kName)).read(open, text);
    text = fromStoredLineBreaks(text);
    return read;
}

bool AutosaveFile::read(const DataDir& dir)
{
    return RecordReader::open(dir, QString::fromLatin1(kName)).read(autosave, checked);
}

bool ScratchFile::write(const DataDir& dir, int open, const QString& text, bool flushToDisk)
{
    RecordWriter writer;
    writer.writeRecord({static_cast<qint32>(open), toStoredLineBreaks(text)});
    RecordWriter::CommitOptions options;
    options.flushToDisk = flushToDisk;
    return writer.commit(dir, QString::fromLatin1(kName), options);
}

bool AutosaveFile::write(const DataDir& dir, bool on)
{
    const qint32 value = on ? 1 : 0;
    RecordWriter writer;
    writer.writeRecord({value, value});
    return writer.commit(dir, QString::fromLatin1(kName));
}
