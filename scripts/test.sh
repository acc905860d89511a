#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test: formatting, the unit, widget and end-to-end tests,
# the fuzz targets for a minute, and the same tests again under AddressSanitizer and UndefinedBehaviorSanitizer.
# The tests build in folders of their own (build-test, build-asan) with testing on and warnings as errors, so the
# program build of scripts/start.sh never stands in for them; a folder that holds no tests fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

# Configures and builds a test folder with the given extra options, then runs every test in it.
build_and_test() {
    local folder="$1"
    shift
    cmake -S . -B "$folder" -G Ninja -DBUILD_TESTING=ON -DZENDRA_WERROR=ON "$@"
    cmake --build "$folder"
    ctest --test-dir "$folder" --output-on-failure --no-tests=error
}

echo "== formatting"
git ls-files -- '*.cpp' '*.h' | xargs clang-format --dry-run -Werror

echo "== build and test"
# The benchmarks build here too, with warnings as errors, so that a change to what they drive cannot leave them behind.
build_and_test build-test -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZENDRA_BUILD_BENCH=ON

echo "== fuzz"
scripts/fuzz.sh "${FUZZ_SECONDS:-60}"

echo "== build and test under AddressSanitizer and UndefinedBehaviorSanitizer"
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
build_and_test build-asan -DCMAKE_BUILD_TYPE=Debug -DZENDRA_SANITIZE=ON
