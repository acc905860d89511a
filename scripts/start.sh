#!/usr/bin/env bash
# Installs what is missing, builds Zendra 98 and starts the board from its staged folder.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh --run-only
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF -DZENDRA_WERROR=OFF
cmake --build build --target zendra98
exec build/zendra98/zendra98
