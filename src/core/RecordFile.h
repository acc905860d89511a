#pragma once

#include <optional>
#include <variant>

#include <QByteArray>
#include <QList>
#include <QString>
#include <QVariant>

class DataDir;

/// One field as it stands in a record file.
struct RecordField
{
    QString text;
    bool quoted = false;
};

/// Reads the fields of a record file one after the other; line ends separate fields just like commas.
///
/// A read fills its targets in order. At the end of the file the targets it did not reach keep their values
/// and the read reports failure. A field that cannot be converted to its target's type leaves that target as
/// it was, reports failure, and the read goes on with the next target.
class RecordReader
{
public:
    /// Files larger than this are read only up to this size; no data file of the program comes near it.
    static constexpr qint64 kMaxFileBytes = 16 * 1024 * 1024;

    explicit RecordReader(const QString& text);
    /// A file that is missing or cannot be read gives a reader that is already at its end.
    static RecordReader open(const DataDir& dir, const QString& name);
    static RecordReader fromBytes(const QByteArray& bytes);

    bool opened() const { return m_opened; }
    bool atEnd() const;
    std::optional<RecordField> nextField();

    template <typename... Targets>
    bool read(Targets&... targets)
    {
        bool ok = true;
        ((ok = readOne(targets) && ok), ...);
        return ok;
    }

    bool readOne(QString& target);
    bool readOne(float& target);
    bool readOne(qint32& target);
    /// A quoted field gives a text, an unquoted number a double, an empty field the empty value.
    bool readOne(QVariant& target);

private:
    RecordReader() = default;
    void skipLineEnd();
    bool isLineEnd(qsizetype at) const;

    QString m_text;
    qsizetype m_pos = 0;
    bool m_opened = true;
};

/// Builds the records of one data file and writes the whole file in one atomic step.
class RecordWriter
{
public:
    struct Empty
    {
    };
    /// integer and long are written as `qint32`, single as `float`, string as `QString`.
    using Value = std::variant<qint32, float, QString, Empty>;

    void writeRecord(const QList<Value>& fields);
    QByteArray bytes() const { return m_bytes; }

    struct CommitOptions
    {
        /// Readable and writable by the owner only (a file that holds a password).
        bool ownerOnly = false;
        /// Waits until the new contents are on the disk before they replace the file. A write that happens on
        /// every key leaves this off: the rename still replaces the file whole, so a killed program leaves the
        /// old or the new text, and the file system writes renamed-over data out before the rename itself.
        bool flushToDisk = true;
    };

    /// Replaces the file as a whole: a failed or interrupted write leaves the previous file untouched.
    bool commit(const DataDir& dir, const QString& name, CommitOptions options) const;
    bool commit(const DataDir& dir, const QString& name) const { return commit(dir, name, CommitOptions{}); }

    static QByteArray formatRecord(const QList<Value>& fields);
    static QString formatSingle(float value);

private:
    bool replaceWithoutFlush(const QString& path) const;

    QByteArray m_bytes;
};

/// Texts are stored with CR LF line breaks and held in the program with LF alone.
QString toStoredLineBreaks(const QString& text);
QString fromStoredLineBreaks(const QString& text);

/// Converts a field's text to a number as the record format understands it; empty text is zero.
std::optional<double> parseRecordNumber(const QString& text);
