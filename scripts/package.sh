#!/usr/bin/env bash
# Builds the Debian package of Zendra 98 into build/package/, from an installation with the prefix /usr:
# /usr/bin/zendra98 (a link into /usr/lib/zendra98, the program folder with its modules), the shipped files in
# /usr/share/zendra98, the desktop entry, the icons, the AppStream description, the manual page, the copyright and
# the changelog. It shares build/ with scripts/start.sh. Check it with lintian; install it with
#   sudo apt install ./build/package/zendra98_1.5.0_<arch>.deb
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh --package
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF -DZENDRA_WERROR=OFF
cmake --build build
cpack --config build/CPackConfig.cmake -B build/package
ls build/package/*.deb
