#include <QBuffer>
#include <QTemporaryDir>
#include <QTest>

#include "TestWave.h"
#include "platform/WaveFile.h"
#include "platform/WaveStream.h"

namespace
{
std::optional<WaveFormat> formatOf(QByteArray bytes)
{
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    return WaveFile::read(buffer);
}

template <typename T>
QList<T> converted(const QByteArray& wave, WaveFile::Output output, int channels)
{
    const auto format = formatOf(wave);
    if (!format)
        return {};
    QList<T> samples(format->frames() * channels);
    WaveFile::convert(*format,
                      wave.constData() + format->dataOffset,
                      format->frames(),
                      output,
                      channels,
                      reinterpret_cast<char*>(samples.data()));
    return samples;
}
} // namespace

class tst_WaveFile final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void eachSampleFormatConvertsExactly_data();
    void eachSampleFormatConvertsExactly();
    void channelsAreMixedDownOrRepeated();
    void readerFindsTheDataOrRefusesTheFile_data();
    void readerFindsTheDataOrRefusesTheFile();
    void streamConvertsALongFileInPieces();
};

void tst_WaveFile::eachSampleFormatConvertsExactly_data()
{
    QTest::addColumn<int>("tag");
    QTest::addColumn<int>("bits");
    QTest::addColumn<bool>("extensible");
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QList<float>>("floats");
    QTest::addColumn<QList<qint16>>("ints");

    const QList<float> full{-1.0f, 0.0f, 0.5f};
    QTest::newRow("8-bit samples are unsigned around 128")
        << 1 << 8 << false << QByteArray::fromHex("00 80 c0 ff") << (full + QList{127.0f / 128})
        << QList<qint16>{-32768, 0, 16384, 32512};
    QTest::newRow("16-bit samples pass unchanged")
        << 1 << 16 << false << QByteArray::fromHex("0080 0000 0040 ff7f") << (full + QList{32767.0f / 32768})
        << QList<qint16>{-32768, 0, 16384, 32767};
    QTest::newRow("24-bit samples keep their sign and all their bits in float")
        << 1 << 24 << false << QByteArray::fromHex("000080 000000 000040 ffff7f")
        << (full + QList{8388607.0f / 8388608}) << QList<qint16>{-32768, 0, 16384, 32767};
    QTest::newRow("24-bit samples in an extensible header")
        << 1 << 24 << true << QByteArray::fromHex("000080 000000 000040 ffff7f") << (full + QList{8388607.0f / 8388608})
        << QList<qint16>{-32768, 0, 16384, 32767};
    QTest::newRow("32-bit samples") << 1 << 32 << false << QByteArray::fromHex("00000080 00000000 00000040 ffffff7f")
                                    << (full + QList{1.0f}) << QList<qint16>{-32768, 0, 16384, 32767};
    QTest::newRow("float samples beyond full scale are clipped and not-a-number is silence")
        << 3 << 32 << false << QByteArray::fromHex("000080bf 00000000 0000003f 00000040 0000c07f")
        << (full + QList{1.0f, 0.0f}) << QList<qint16>{-32768, 0, 16384, 32767, 0};
    QTest::newRow("double samples in an extensible header")
        << 3 << 64 << true << QByteArray::fromHex("000000000000f0bf 0000000000000000 000000000000e03f 000000000000f07f")
        << (full + QList{0.0f}) << QList<qint16>{-32768, 0, 16384, 0};
}

void tst_WaveFile::eachSampleFormatConvertsExactly()
{
    QFETCH(int, tag);
    QFETCH(int, bits);
    QFETCH(bool, extensible);
    QFETCH(QByteArray, data);
    const QByteArray wave = testWave(static_cast<quint16>(tag), 1, 8000, bits, data, extensible);
    QTEST(converted<float>(wave, WaveFile::Output::Float32, 1), "floats");
    QTEST(converted<qint16>(wave, WaveFile::Output::Int16, 1), "ints");
}

void tst_WaveFile::channelsAreMixedDownOrRepeated()
{
    // One frame of each: stereo (0.5, 0) and six channels (0.5, -0.5, 0.25, -0.25, 0, 0).
    const QByteArray stereo = testWave(1, 2, 44100, 16, QByteArray::fromHex("0040 0000"));
    QCOMPARE(converted<float>(stereo, WaveFile::Output::Float32, 1), QList{0.25f});
    const QByteArray six = testWave(1, 6, 48000, 16, QByteArray::fromHex("0040 00c0 0020 00e0 0000 0000"));
    QCOMPARE(converted<float>(six, WaveFile::Output::Float32, 2), (QList{0.25f, -0.25f}));
    const QByteArray mono = testWave(1, 1, 22050, 8, QByteArray::fromHex("c0"));
    QCOMPARE(converted<qint16>(mono, WaveFile::Output::Int16, 2), (QList<qint16>{16384, 16384}));
}

void tst_WaveFile::readerFindsTheDataOrRefusesTheFile_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<qint64>("dataBytes"); // -1: refused

    // Two seconds of 16-bit stereo at 44100 Hz: 176400 bytes a second.
    const QByteArray frames(16, '\x01');
    const QByteArray wave = testWave(1, 2, 44100, 16, frames);
    QTest::newRow("the data behind an odd-sized LIST chunk") << wave << qint64(16);
    QTest::newRow("a data chunk promising more than the file holds plays the whole frames present")
        << testWave(1, 2, 44100, 16, frames.left(14), false, 352800) << qint64(12);
    QTest::newRow("a file cut inside the format chunk") << wave.left(30) << qint64(-1);
    QTest::newRow("a file without a data chunk") << wave.left(wave.indexOf("data")) << qint64(-1);
    QTest::newRow("an AVI file") << QByteArray("RIFF\4\0\0\0AVI ", 12) << qint64(-1);
    QTest::newRow("a picture") << QByteArray("GIF89a\1\0\1\0\0\0\0;", 14) << qint64(-1);
    QTest::newRow("an empty file") << QByteArray() << qint64(-1);
    QTest::newRow("no channels") << testWave(1, 0, 44100, 16, frames) << qint64(-1);
    QTest::newRow("no sample rate") << testWave(1, 2, 0, 16, frames) << qint64(-1);
    QTest::newRow("compressed samples") << testWave(2, 2, 44100, 4, frames) << qint64(-1);
    QTest::newRow("an extensible header naming neither PCM nor float")
        << testWave(2, 2, 44100, 16, frames, true) << qint64(-1);
    QTest::newRow("12-bit float") << testWave(3, 1, 44100, 12, frames) << qint64(-1);
    QByteArray badAlign = wave;
    badAlign[32] = '\x03'; // block align 3 for two 16-bit channels
    QTest::newRow("a block align that does not fit the channels") << badAlign << qint64(-1);
}

void tst_WaveFile::readerFindsTheDataOrRefusesTheFile()
{
    QFETCH(QByteArray, bytes);
    QFETCH(qint64, dataBytes);
    const auto format = formatOf(bytes);
    QCOMPARE(format ? format->dataBytes : -1, dataBytes);
    if (format)
        QCOMPARE(bytes.mid(format->dataOffset, 4), QByteArray(4, '\x01'));
}

void tst_WaveFile::streamConvertsALongFileInPieces()
{
    // 24-bit frames count up so that a lost or repeated piece shows; more frames than one piece of the stream,
    // and a last frame cut short.
    constexpr int kFrames = 10000;
    QByteArray data;
    for (int frame = 0; frame < kFrames; ++frame)
        data += QByteArray(1, '\0') + char(frame & 0xFF) + char(frame >> 8);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("long.wav"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(testWave(1, 1, 48000, 24, data.left(data.size() - 1)));
    file.close();

    WaveStream stream(path);
    QVERIFY(stream.format());
    QCOMPARE(stream.format()->durationMs(), (kFrames - 1) * 1000 / 48000);
    QVERIFY(stream.start(WaveFile::Output::Int16, 1));
    QByteArray out;
    // An odd size asked for still gets whole frames.
    while (!stream.atEnd()) {
        const QByteArray piece = stream.read(4097);
        QVERIFY(piece.size() % 2 == 0 && !piece.isEmpty());
        out += piece;
    }
    QCOMPARE(out.size(), (kFrames - 1) * 2);
    const auto* samples = reinterpret_cast<const qint16*>(out.constData());
    for (int frame = 0; frame < kFrames - 1; ++frame)
        QCOMPARE(samples[frame], qint16(frame));

    // A file cut short while it plays ends the stream where its data ends.
    WaveStream cut(path);
    QVERIFY(cut.start(WaveFile::Output::Float32, 2));
    QVERIFY(QFile::resize(path, cut.format()->dataOffset + 300));
    QCOMPARE(cut.readAll().size(), 100 * 2 * 4);
    QVERIFY(cut.atEnd());

    WaveStream notWave(QStringLiteral(PICTURES_DIR "/email.gif"));
    QVERIFY(!notWave.format());
    QVERIFY(!notWave.start(WaveFile::Output::Int16, 1));
}

QTEST_APPLESS_MAIN(tst_WaveFile)
#include "tst_WaveFile.moc"
