#include "TestSupport.h"
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
QList<T> converted(const QByteArray& wave, int channels)
{
    const auto format = formatOf(wave);
    if (!format)
        return {};
    QList<T> out(format->frames() * channels);
    const char* in = wave.constData() + format->dataOffset;
    const auto output = sizeof(T) == 2 ? WaveFile::Output::Int16 : WaveFile::Output::Float32;
    WaveFile::convert(*format, in, format->frames(), output, channels, reinterpret_cast<char*>(out.data()));
    return out;
}
} // namespace

class tst_WaveFile final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void eachSampleFormatConvertsExactly_data()
    {
        QTest::addColumn<QByteArray>("wave");
        QTest::addColumn<QList<float>>("samples");

        // Each holds -1, 0, 0.5 and the largest value (or one out of range) of its type.
        QTest::newRow("8-bit samples are unsigned around 128")
            << testWave(1, 1, 8000, 8, QByteArray::fromHex("00 80 c0 ff")) << QList{-1.0f, 0.0f, 0.5f, 127.0f / 128};
        QTest::newRow("16-bit samples") << testWave(1, 1, 8000, 16, QByteArray::fromHex("0080 0000 0040 ff7f"))
                                        << QList{-1.0f, 0.0f, 0.5f, 32767.0f / 32768};
        QTest::newRow("24-bit samples keep their sign and all their bits")
            << testWave(1, 1, 8000, 24, QByteArray::fromHex("000080 000000 000040 ffff7f"))
            << QList{-1.0f, 0.0f, 0.5f, 8388607.0f / 8388608};
        QTest::newRow("32-bit samples in an extensible header")
            << testWave(1, 1, 8000, 32, QByteArray::fromHex("00000080 00000000 00000040 ffffff7f"), true)
            << QList{-1.0f, 0.0f, 0.5f, 1.0f};
        QTest::newRow("floats beyond full scale are clipped and not-a-number is silence")
            << testWave(3, 1, 8000, 32, QByteArray::fromHex("000080bf 00000000 0000003f 00000040 0000c07f"))
            << QList{-1.0f, 0.0f, 0.5f, 1.0f, 0.0f};
        const QByteArray doubles =
            QByteArray::fromHex("000000000000f0bf 0000000000000000 000000000000e03f 000000000000f07f");
        QTest::newRow("doubles in an extensible header, infinity silenced")
            << testWave(3, 1, 8000, 64, doubles, true) << QList{-1.0f, 0.0f, 0.5f, 0.0f};
    }

    void eachSampleFormatConvertsExactly()
    {
        QFETCH(QByteArray, wave);
        QTEST(converted<float>(wave, 1), "samples");
    }

    void channelsAreMixedDownOrRepeated()
    {
        // Six channels (0.5, -0.5, 0.25, -0.25, 0, 0) to stereo; 24-bit mono to 16-bit stereo, full scale kept in
        // range.
        const QByteArray six = QByteArray::fromHex("0040 00c0 0020 00e0 0000 0000");
        QCOMPARE(converted<float>(testWave(1, 6, 48000, 16, six), 2), (QList{0.25f, -0.25f}));
        const QByteArray mono = QByteArray::fromHex("000080 ffff7f");
        QCOMPARE(converted<qint16>(testWave(1, 1, 22050, 24, mono), 2), (QList<qint16>{-32768, -32768, 32767, 32767}));
    }

    void readerFindsTheDataOrRefusesTheFile_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<qint64>("dataBytes"); // -1: refused

        const QByteArray frames(16, '\x01');
        const QByteArray wave = testWave(1, 2, 44100, 16, frames);
        QByteArray badAlign = wave;
        badAlign[32] = '\x03'; // block align 3 for two 16-bit channels
        QTest::newRow("the data behind an odd-sized LIST chunk") << wave << qint64(16);
        QTest::newRow("a data chunk promising more than the file holds plays the whole frames present")
            << testWave(1, 2, 44100, 16, frames.left(14), false, 352800) << qint64(12);
        QTest::newRow("a file cut inside the format chunk") << wave.left(30) << qint64(-1);
        QTest::newRow("a file without a data chunk") << wave.left(wave.indexOf("data")) << qint64(-1);
        QTest::newRow("a picture") << QByteArray("GIF89a\1\0\1\0\0\0\0;", 14) << qint64(-1);
        QTest::newRow("no channels") << testWave(1, 0, 44100, 16, frames) << qint64(-1);
        QTest::newRow("an extensible header naming neither PCM nor float")
            << testWave(2, 2, 44100, 16, frames, true) << qint64(-1);
        QTest::newRow("a block align that does not fit the channels") << badAlign << qint64(-1);
    }

    void readerFindsTheDataOrRefusesTheFile()
    {
        QFETCH(QByteArray, bytes);
        const auto format = formatOf(bytes);
        QTEST(format ? format->dataBytes : -1, "dataBytes");
        if (format)
            QCOMPARE(bytes.mid(format->dataOffset, 4), QByteArray(4, '\x01'));
    }

    void streamConvertsALongFileInPieces()
    {
        // 24-bit frames counting up, so that a lost or repeated piece shows; more than one piece of the stream, and
        // a last frame cut short.
        constexpr int kFrames = 9999;
        QByteArray data;
        for (int frame = 0; frame <= kFrames; ++frame)
            data += QByteArray(1, '\0') + char(frame & 0xFF) + char(frame >> 8);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"long.wav"_s);
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(testWave(1, 1, 48000, 24, data.chopped(1))) > 0);
        file.close();

        WaveStream stream(path);
        QVERIFY(stream.start(WaveFile::Output::Int16, 1));
        QCOMPARE(stream.format()->durationMs(), kFrames * 1000 / 48000);
        QByteArray out;
        while (!stream.atEnd()) {
            const QByteArray piece = stream.read(4097); // an odd size still gets whole frames
            QVERIFY(!piece.isEmpty() && piece.size() % 2 == 0);
            out += piece;
        }
        QCOMPARE(out.size(), kFrames * 2);
        for (int frame = 0; frame < kFrames; ++frame)
            QCOMPARE(reinterpret_cast<const qint16*>(out.constData())[frame], qint16(frame));

        // A file cut short while it plays ends the stream where its data ends.
        WaveStream cut(path);
        QVERIFY(cut.start(WaveFile::Output::Float32, 2));
        QVERIFY(QFile::resize(path, cut.format()->dataOffset + 300));
        QCOMPARE(cut.readAll().size(), 100 * 2 * 4);
        QVERIFY(cut.atEnd());
        QVERIFY(!WaveStream(QStringLiteral(PICTURES_DIR "/email.gif")).start(WaveFile::Output::Int16, 1));
    }
};

QTEST_APPLESS_MAIN(tst_WaveFile)
#include "tst_WaveFile.moc"
