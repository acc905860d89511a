#include "core/Options.h"

#include "core/DataDir.h"
#include "core/Flag.h"
#include "core/RecordFile.h"

namespace
{
QString fileName()
{
    return QString::fromLatin1(Options::kName);
}

bool readProgramsAndExplorer(RecordReader& reader, Options& options)
{
    bool ok = reader.read(options.backgroundPath, options.centreFlag);
    for (ProgramEntry& entry : options.programs)
        ok = reader.read(entry.number, entry.title, entry.path) && ok;
    return reader.read(options.explorerFlag) && ok;
}

qint32 checkBox(float flag)
{
    return isFlagSet(flag) ? 1 : 0;
}
} // namespace

bool Options::readAll(const DataDir& dir)
{
    RecordReader reader = RecordReader::open(dir, fileName());
    const bool ok = readProgramsAndExplorer(reader, *this);
    return reader.read(colour, myProgramsFlag, dialUpFlag, controlPanelFlag, calculatorFlag, notepadFlag, trayMode) &&
           ok;
}

bool Options::readProgramList(const DataDir& dir)
{
    RecordReader reader = RecordReader::open(dir, fileName());
    return readProgramsAndExplorer(reader, *this);
}

bool Options::write(const DataDir& dir) const
{
    RecordWriter writer;
    writer.writeRecord({backgroundPath, checkBox(centreFlag)});
    for (const ProgramEntry& entry : programs)
        writer.writeRecord({entry.number, entry.title, entry.path});
    writer.writeRecord({checkBox(explorerFlag),
                        colour,
                        checkBox(myProgramsFlag),
                        checkBox(dialUpFlag),
                        checkBox(controlPanelFlag),
                        checkBox(calculatorFlag),
                        checkBox(notepadFlag),
                        trayMode});
    return writer.commit(dir, fileName());
}
