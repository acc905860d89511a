#include "core/RecordFile.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include <QFile>
#include <QLocale>
#include <QSaveFile>
#include <QTemporaryFile>

#include "core/DataDir.h"
#include "core/TextCodec.h"
#ifdef Q_OS_UNIX
#include <cstdio>
#include <unistd.h>
#endif

namespace
{
constexpr QChar kQuote = u'"';
constexpr QChar kComma = u',';
constexpr QChar kCr = u'\r';
constexpr QChar kLf = u'\n';
// A double quote cannot stand inside a stored text; this look-alike keeps the rest of the text readable.
constexpr QChar kStoredQuote = QChar(0x201D);
// Longer number fields are not numbers at all.
constexpr qsizetype kMaxNumberLength = 400;

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}
} // namespace

RecordReader::RecordReader(const QString& text)
    : m_text(text)
{
}

RecordReader RecordReader::fromBytes(const QByteArray& bytes)
{
    return RecordReader(TextCodec::decode(bytes));
}

RecordReader RecordReader::open(const DataDir& dir, const QString& name)
{
    QFile file(dir.file(name));
    if (!file.open(QIODevice::ReadOnly)) {
        RecordReader closed;
        closed.m_opened = false;
        return closed;
    }
    // Reserving the whole cap for every small file would cost 16 MB per read.
    return fromBytes(file.read(std::min<qint64>(file.size(), kMaxFileBytes)));
}

bool RecordReader::isLineEnd(qsizetype at) const
{
    return at < m_text.size() && (m_text[at] == kCr || m_text[at] == kLf);
}

void RecordReader::skipLineEnd()
{
    if (m_pos < m_text.size() && m_text[m_pos] == kCr)
        ++m_pos;
    if (m_pos < m_text.size() && m_text[m_pos] == kLf)
        ++m_pos;
}

bool RecordReader::atEnd() const
{
    return m_pos >= m_text.size();
}

std::optional<RecordField> RecordReader::nextField()
{
    const qsizetype size = m_text.size();
    while (m_pos < size && isBlank(m_text[m_pos]))
        ++m_pos;
    if (m_pos >= size)
        return std::nullopt;

    RecordField field;
    if (m_text[m_pos] == kQuote) {
        field.quoted = true;
        const qsizetype start = m_pos + 1;
        qsizetype close = m_text.indexOf(kQuote, start);
        if (close < 0)
            close = size;
        field.text = m_text.mid(start, close - start);
        m_pos = close + 1;
        // Whatever stands between the closing quote and the next separator is not part of any field.
        while (m_pos < size && m_text[m_pos] != kComma && !isLineEnd(m_pos))
            ++m_pos;
    } else {
        const qsizetype start = m_pos;
        while (m_pos < size && m_text[m_pos] != kComma && !isLineEnd(m_pos))
            ++m_pos;
        qsizetype end = m_pos;
        while (end > start && m_text[end - 1] == u' ')
            --end;
        field.text = m_text.mid(start, end - start);
    }

    if (m_pos < size && m_text[m_pos] == kComma)
        ++m_pos;
    else
        skipLineEnd();
    return field;
}

std::optional<double> parseRecordNumber(const QString& text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return 0.0;
    // No number this program writes comes near this length; parsing a huge field would only take seconds.
    if (trimmed.size() > kMaxNumberLength)
        return std::nullopt;
    bool ok = false;
    const double value = QLocale::c().toDouble(trimmed, &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

bool RecordReader::readOne(QString& target)
{
    const auto field = nextField();
    if (!field)
        return false;
    target = field->text;
    return true;
}

bool RecordReader::readOne(float& target)
{
    const auto field = nextField();
    if (!field)
        return false;
    const auto number = parseRecordNumber(field->text);
    if (!number || std::fabs(*number) > std::numeric_limits<float>::max())
        return false;
    target = static_cast<float>(*number);
    return true;
}

bool RecordReader::readOne(qint32& target)
{
    const auto field = nextField();
    if (!field)
        return false;
    const auto number = parseRecordNumber(field->text);
    if (!number)
        return false;
    const double rounded = std::nearbyint(*number);
    if (rounded < std::numeric_limits<qint32>::min() || rounded > std::numeric_limits<qint32>::max())
        return false;
    target = static_cast<qint32>(rounded);
    return true;
}

bool RecordReader::readOne(QVariant& target)
{
    const auto field = nextField();
    if (!field)
        return false;
    if (field->quoted) {
        target = field->text;
    } else if (field->text.trimmed().isEmpty()) {
        target = QVariant();
    } else if (const auto number = parseRecordNumber(field->text)) {
        target = *number;
    } else {
        target = field->text;
    }
    return true;
}

QString RecordWriter::formatSingle(float value)
{
    if (!std::isfinite(value))
        return QStringLiteral("0");
    const double whole = std::trunc(static_cast<double>(value));
    if (whole == static_cast<double>(value) && std::fabs(whole) < 1e15)
        return QString::number(static_cast<qint64>(whole));
    return QString::number(static_cast<double>(value), 'g', 7);
}

QByteArray RecordWriter::formatRecord(const QList<Value>& fields)
{
    QString line;
    for (qsizetype i = 0; i < fields.size(); ++i) {
        if (i > 0)
            line += kComma;
        const Value& field = fields[i];
        if (const auto* integer = std::get_if<qint32>(&field)) {
            line += QString::number(*integer);
        } else if (const auto* single = std::get_if<float>(&field)) {
            line += formatSingle(*single);
        } else if (const auto* text = std::get_if<QString>(&field)) {
            QString stored = *text;
            stored.replace(kQuote, kStoredQuote);
            line += kQuote + stored + kQuote;
        }
    }
    line += QStringLiteral("\r\n");
    return TextCodec::encode(line);
}

void RecordWriter::writeRecord(const QList<Value>& fields)
{
    m_bytes += formatRecord(fields);
}

QString toStoredLineBreaks(const QString& text)
{
    // One pass: the pad stores its text on every key.
    QString stored;
    stored.reserve(text.size() + text.count(kLf) + 1);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c != kCr && c != kLf) {
            stored += c;
            continue;
        }
        stored += QStringLiteral("\r\n");
        if (c == kCr && i + 1 < text.size() && text[i + 1] == kLf)
            ++i;
    }
    return stored;
}

QString fromStoredLineBreaks(const QString& text)
{
    QString held = text;
    held.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    held.replace(kCr, kLf);
    return held;
}

bool RecordWriter::commit(const DataDir& dir, const QString& name, CommitOptions options) const
{
#ifdef Q_OS_UNIX
    if (!options.flushToDisk)
        return replaceWithoutFlush(dir.file(name));
#endif
    QSaveFile file(dir.file(name));
    // Unbuffered, a short write on a full disk shows in write()'s result instead of vanishing in a flush.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    if (options.ownerOnly)
        file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    if (file.write(m_bytes) != m_bytes.size()) {
        file.cancelWriting();
        return false;
    }
#ifdef Q_OS_UNIX
    // The new contents reach the disk before the rename makes them the file.
    ::fsync(file.handle());
#endif
    return file.commit();
}

#ifdef Q_OS_UNIX
bool RecordWriter::replaceWithoutFlush(const QString& path) const
{
    // QSaveFile always waits for the disk; this is its rename-over step alone. The temporary file is private to
    // the owner, like the file it replaces.
    QTemporaryFile file(path + QStringLiteral(".XXXXXX"));
    if (!file.open() || file.write(m_bytes) != m_bytes.size() || !file.flush())
        return false;
    if (::rename(QFile::encodeName(file.fileName()).constData(), QFile::encodeName(path).constData()) != 0)
        return false;
    file.setAutoRemove(false);
    return true;
}
#endif
