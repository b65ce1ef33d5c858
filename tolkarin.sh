#!/usr/bin/env bash
# Sets up, builds and then starts HX-Tolkarin (run), runs every test (test) or makes and
# checks the Debian package (package, in build/).
# Installs the Debian packages it needs when they are missing (as root, or through sudo).
set -euo pipefail
cd "$(dirname "$0")"

packages=(
  cmake g++ make pkg-config
  qt6-base-dev qt6-qpa-plugins
  libespeak-ng-dev espeak-ng-data libgumbo-dev zlib1g-dev libbenchmark-dev libpulse-dev
  pulseaudio pulseaudio-utils fonts-dejavu-core fonts-liberation2 qt6-translations-l10n
  libhunspell-dev hunspell-de-de hunspell-es hunspell-it hunspell-el
  dbus-daemon xvfb
  dict-freedict-deu-eng dict-freedict-deu-ell dict-freedict-deu-ita dict-freedict-spa-deu
)
# Making and checking the package: dpkg-shlibdeps, lintian, appstreamcli, desktop-file-validate.
if [ "${1:-run}" = package ]; then
  packages+=(dpkg-dev lintian appstream desktop-file-utils file binutils)
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update
  $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
fi

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)"

case "${1:-run}" in
  run)  exec ./build/tolkarin ;;
  test) cd build && ctest --output-on-failure ;;
  package)
    cd build
    rm -f hx-tolkarin_*.deb
    cpack -G DEB
    ../dist/check-package.sh hx-tolkarin_*.deb ;;
  *)    echo "usage: $0 [run|test|package]" >&2; exit 2 ;;
esac
