// How long decoding one header value takes when a server sends it to hurt, against a plain value of the same size
// decoded in the same run.
//
//   bench_decode [runs]   (default 9)
//
// Each value is 1 MiB: unclosed encoded-word fragments ("=?utf-8?q?x" over and over, none ends in "?="), encoded
// words whose charset changes at every word (seven charsets, most of them decoded by iconv), and the reference, plain
// ASCII words. The runs alternate; each figure is the median, in ms. Prints one "figure" line per hostile value and
// one "target" line each: linear means no worse than twice the plain value. A "-2mib" figure per hostile value
// compares the same value at twice the size with its 1 MiB time: about 2 when the decoding is linear, 4 if it were
// quadratic.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <malloc.h>
#include <vector>

#include <QByteArray>
#include <QString>

#include "platform/Pop3Protocol.h"

namespace
{
constexpr qsizetype kValueBytes = 1024 * 1024;
constexpr double kLinearTarget = 2.0;

QByteArray filled(const QByteArray& unit, qsizetype size = kValueBytes)
{
    QByteArray value = unit.repeated(size / unit.size() + 1);
    value.truncate(size);
    return value;
}

double decodeMs(const QByteArray& value, qsizetype& sink)
{
    const auto start = std::chrono::steady_clock::now();
    sink += Pop3Protocol::decodeHeaderText(value).size();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}
} // namespace

int main(int argc, char** argv)
{
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 9;
    // Freed buffers stay with the process, so that every run reuses memory already mapped instead of paying the
    // kernel's page faults for fresh megabytes, which on a virtual machine vary more than the decoding itself.
    mallopt(M_MMAP_THRESHOLD, 32 * 1024 * 1024);
    mallopt(M_TRIM_THRESHOLD, 512 * 1024 * 1024);
    const QByteArray plain = filled("The quick brown fox jumps over the lazy dog. ");
    const QByteArray unclosed = "=?utf-8?q?x";
    const QByteArray alternating =
        "=?iso-8859-2?q?=B3?= =?koi8-r?b?8NLJ18XU?= =?windows-1252?q?=93x=94?= "
        "=?utf-8?b?w6k=?= =?shift_jis?q?=93=FA?= =?gb2312?b?1tDOxA==?= =?mac-iceland?q?=DE?= ";
    const struct
    {
        const char* name;
        QByteArray value;
        QByteArray doubled;
    } hostile[] = {
        {"decode-unclosed-words", filled(unclosed), filled(unclosed, 2 * kValueBytes)},
        {"decode-alternating-charsets", filled(alternating), filled(alternating, 2 * kValueBytes)},
    };
    qsizetype sink = 0;
    // One unrecorded round loads iconv's converters and warms the caches.
    decodeMs(plain, sink);
    for (const auto& value : hostile)
        decodeMs(value.value, sink);

    std::vector<double> plainMs;
    std::vector<std::vector<double>> hostileMs(std::size(hostile)), doubledMs(std::size(hostile));
    for (int run = 0; run < runs; ++run) {
        plainMs.push_back(decodeMs(plain, sink));
        for (std::size_t i = 0; i < std::size(hostile); ++i) {
            hostileMs[i].push_back(decodeMs(hostile[i].value, sink));
            doubledMs[i].push_back(decodeMs(hostile[i].doubled, sink));
        }
    }
    const double reference = median(plainMs);
    for (std::size_t i = 0; i < std::size(hostile); ++i) {
        const double value = median(hostileMs[i]);
        std::printf("figure %s: %.1f ms, reference %.1f ms, ratio %.2f\n",
                    hostile[i].name,
                    value,
                    reference,
                    value / reference);
        const double doubled = median(doubledMs[i]);
        std::printf("figure %s-2mib: %.1f ms, reference %.1f ms, ratio %.2f\n",
                    hostile[i].name,
                    doubled,
                    value,
                    doubled / value);
    }
    for (std::size_t i = 0; i < std::size(hostile); ++i) {
        const double value = median(hostileMs[i]);
        std::printf("target %s: linear: <= %.0fx the plain header (%.1f ms): %s\n",
                    hostile[i].name,
                    kLinearTarget,
                    kLinearTarget * reference,
                    value <= kLinearTarget * reference ? "met" : "NOT met");
    }
    std::fprintf(stderr, "(%lld characters decoded)\n", static_cast<long long>(sink));
    return 0;
}
