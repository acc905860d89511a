#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for the given number of seconds on a copy of its seed
# corpus. Usage: scripts/fuzz.sh [seconds]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-30}"
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF -DZENDRA_WERROR=ON \
    -DZENDRA_BUILD_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined"
cmake --build build-fuzz --target RecordReaderFuzz WaveFileFuzz Pop3ReplyFuzz
for pair in RecordReaderFuzz:record WaveFileFuzz:wave Pop3ReplyFuzz:pop3; do
    target="${pair%%:*}"
    corpus="build-fuzz/corpus-${pair##*:}"
    mkdir -p "$corpus"
    cp -n fuzz/corpus/"${pair##*:}"/* "$corpus"/
    echo "-- $target for ${seconds}s"
    "build-fuzz/fuzz/$target" -max_total_time="$seconds" -max_len=65536 -timeout=10 -print_final_stats=1 "$corpus" \
        2>&1 | tail -n 12
    test "${PIPESTATUS[0]}" -eq 0
done
