#!/usr/bin/env bash
# Installs the Debian 12 packages Zendra 98 needs and does nothing when all are present already.
# Usage: scripts/install-deps.sh [--run-only]
#   --run-only  only what building and running the program need (scripts/start.sh)
#   (default)   that and every tool the test suite uses (scripts/test.sh)
set -euo pipefail

packages=(g++ cmake ninja-build pkg-config qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev libasound2-dev)
if [ "${1:-}" != "--run-only" ]; then
    # The end-to-end tests: a virtual display, window manager, tray host and X tools; the cursor theme and the
    # X libraries they read the pointer's cursor name with; a POP3 server, test media and a PDF reader for printed notes. Then the sanitizer and
    # fuzzer runtimes, the formatter and git, which lists the files to format. Last, a private session bus with a
    # tray watcher and a screen reader's view for the desktop tests: D-Bus, its Python binding and AT-SPI.
    packages+=(xvfb xauth x11-utils xdotool openbox imagemagick trayer adwaita-icon-theme libx11-6 libxfixes3
               dovecot-pop3d openssl sox poppler-utils python3 clang libclang-rt-14-dev clang-format git
               dbus-daemon python3-dbus python3-gi at-spi2-core python3-pyatspi gir1.2-atspi-2.0)
fi

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

install=(apt-get install -y -qq --no-install-recommends "${missing[@]}")
cannot_install() {
    echo "Zendra 98 needs these Debian packages: ${missing[*]}" >&2
    echo "Install them as root with:  apt-get update && ${install[*]}" >&2
    exit 1
}
if [ "$(id -u)" -eq 0 ]; then
    as_root=()
elif command -v sudo >/dev/null 2>&1; then
    as_root=(sudo)
else
    cannot_install
fi
echo "Installing: ${missing[*]}"
"${as_root[@]}" apt-get update -qq || cannot_install
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive "${install[@]}" || cannot_install
