#!/bin/sh
# Installs every Debian package the project needs to build, test and run.
# Idempotent: packages that are already there are left alone.
set -eu

PACKAGES="
  cmake g++ make pkg-config python3
  qt6-base-dev qt6-base-dev-tools libqscintilla2-qt6-dev
  libboost-regex-dev libcurl4-openssl-dev libgtest-dev python3
  qt6-translations-l10n
  xvfb xauth fonts-wqy-microhei imagemagick xdotool
"

missing=""
for p in $PACKAGES; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing="$missing $p"
  fi
done
[ -z "$missing" ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
  SUDO=""
elif command -v sudo >/dev/null 2>&1; then
  SUDO="sudo"
else
  echo "install-deps: need root or sudo to install:$missing" >&2
  exit 1
fi
echo "install-deps: installing$missing"
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq $missing
