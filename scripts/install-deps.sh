#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing Zendra 98 need; does nothing when all
# are present already.
set -euo pipefail

packages=(g++ make cmake ninja-build pkg-config qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev libasound2-dev
          xvfb xauth x11-utils xdotool openbox imagemagick trayer dovecot-pop3d openssl sox python3
          clang libclang-rt-14-dev clang-format)
if [ "${1:-}" = "--run-only" ]; then
    packages=(g++ make cmake ninja-build pkg-config qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev libasound2-dev)
fi

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
