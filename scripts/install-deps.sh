#!/usr/bin/env bash
# Installs the Debian 12 packages Zendra 98 needs and does nothing when all are present already.
# Usage: scripts/install-deps.sh [--run-only | --package]
#   --run-only  only what building and running the program need (scripts/start.sh)
#   --package   that and the Debian packaging tools (scripts/package.sh)
#   (default)   that and every tool the test suite uses (scripts/test.sh)
set -euo pipefail

# QtKeychain reaches the desktop's keyring through libsecret, which it loads when first asked for a password.
# Qt's Linguist tools extract the translation template and compile translations.
packages=(g++ cmake ninja-build pkg-config qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev libasound2-dev
          qtkeychain-qt6-dev libsecret-1-0 qt6-tools-dev qt6-l10n-tools)
# CPack's Debian generator finds the package's dependencies with dpkg-shlibdeps and tells programs by `file`.
packaging=(dpkg-dev file)
if [ "${1:-}" = "--package" ]; then
    packages+=("${packaging[@]}")
elif [ "${1:-}" != "--run-only" ]; then
    # The end-to-end tests: a virtual display, window manager, tray host and X tools; the cursor theme and the
    # X libraries they read the pointer's cursor name with; a POP3 server, test media, a sound server with a null
    # sink for the player and a PDF reader for printed notes. Then the sanitizer and fuzzer runtimes, the formatter
    # and git, which lists the files to format. The keyring, notification and desktop tests start a D-Bus session
    # bus of their own with a GNOME Keyring, a tray watcher and a screen reader's view on it (secret-tool, D-Bus's
    # Python binding and AT-SPI).
    packages+=(xvfb xauth x11-utils xdotool openbox imagemagick trayer adwaita-icon-theme libx11-6 libxfixes3
               dovecot-pop3d openssl sox pulseaudio poppler-utils python3 clang libclang-rt-14-dev clang-format git
               dbus-daemon gnome-keyring libsecret-tools python3-dbus python3-gi at-spi2-core python3-pyatspi
               gir1.2-atspi-2.0)
    # The appearance test measures every caption in the font Debian's desktops fall back to.
    packages+=(fonts-dejavu-core)
    # The package test with Debian's package checker, and the desktop's validators for the desktop entry and the
    # AppStream description.
    packages+=("${packaging[@]}" lintian desktop-file-utils appstream)
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
