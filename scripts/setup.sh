#!/usr/bin/env bash
# Installs every system package the build, the tests and the demo need.
# Idempotent: packages already present are not downloaded again.
set -euo pipefail

packages=(
  build-essential cmake ninja-build ccache pkg-config
  qt6-base-dev qt6-base-dev-tools libqt6svg6
  libgl-dev libxkbcommon-dev
  fonts-liberation2 fonts-dejavu-core fontconfig
  libgtest-dev libgmock-dev libbenchmark-dev libfmt-dev
  xvfb xauth
  qt6-webengine-dev
  cups cups-client cups-bsd printer-driver-cups-pdf poppler-utils libcups2-dev
  zbar-tools libzint-dev
  faketime
  doxygen dpkg-dev groff-base bash
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
echo "setup: installing ${missing[*]}" >&2
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
