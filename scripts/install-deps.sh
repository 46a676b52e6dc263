#!/usr/bin/env bash
# Installs the Debian packages Kelbrin builds and tests with, but only those missing,
# so that a second run costs one dpkg query.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config ccache
  qt6-base-dev qt6-base-dev-tools libgl-dev
  qt6-tools-dev qt6-l10n-tools  # lupdate and lrelease: the messages' translations
  qt6-translations-l10n  # Qt's own words (the standard buttons) in the user's language
  libboost-dev libboost-thread-dev libboost-chrono-dev
  libquazip1-qt6-dev  # Krita's resource bundles are ZIP archives
  zlib1g-dev  # their entries deflated on every core, as QuaZip's own zlib deflates them
  libqt6sql6-sqlite  # Qt's SQLite driver, a plugin: the brush library's database
  libssl-dev  # SHA-256 of files and tips with the processor's SHA instructions
  zlib1g-dev  # the library's thumbnails, written as Qt's PNG plugin writes them
  libgtest-dev libgmock-dev libbenchmark-dev
  shared-mime-info xvfb xauth
  libglib2.0-bin  # gio: the trash test compares its .trashinfo with GLib's
  dbus-daemon  # a bus of the test's own for the unmount notice from the desktop
  scdoc desktop-file-utils appstream
)
# `make fuzz` alone needs clang with its libFuzzer runtime; `make bench` compares discovery
# with fd-find's fdfind.
[[ "${1:-}" == fuzz ]] && packages+=(clang libclang-rt-dev)
# `make package` computes the package's dependencies with dpkg-shlibdeps, which needs file.
[[ "${1:-}" == package ]] && packages+=(dpkg-dev file)
[[ "${1:-}" == bench ]] && packages+=(fd-find)
# `make test` has GIMP and Krita themselves load what Kelbrin converts for them: gimp-console
# (about 75 MB to download) and Krita's kritarunner, whose Python needs PyQt5 (about 110 MB).
[[ "${1:-}" == test ]] && packages+=(gimp krita python3-pyqt5)
# It also walks the window's accessible tree over AT-SPI, as a screen reader does.
[[ "${1:-}" == test ]] && packages+=(at-spi2-core python3-pyatspi dbus-bin procps)

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$p")
done

[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[[ $(id -u) -eq 0 ]] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
