// Feeds arbitrary bytes to the record reader the way the data-file readers do: typed reads of every kind in
// turn until the file ends.
#include <cstddef>
#include <cstdint>

#include "core/RecordFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    RecordReader reader = RecordReader::fromBytes(bytes);
    float single = 0;
    qint32 whole = 0;
    QString text;
    QVariant value;
    for (int round = 0; !reader.atEnd() && round < 100000; ++round) {
        switch (round % 4) {
        case 0:
            reader.read(single);
            break;
        case 1:
            reader.read(text, whole);
            break;
        case 2:
            reader.read(value);
            break;
        default:
            if (const auto field = reader.nextField())
                text = field->text;
            break;
        }
    }
    // What was read must write back as a well-formed record.
    const QByteArray record = RecordWriter::formatRecord({single, whole, text});
    if (!record.endsWith("\r\n"))
        __builtin_trap();
    return 0;
}
