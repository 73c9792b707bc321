#!/usr/bin/env bash
# Installs the Debian packages the project needs, only when one is missing.
set -euo pipefail
PACKAGES=(
  build-essential cmake ninja-build pkg-config
  qtbase5-dev libqt5sql5-sqlite libqt5svg5-dev libqt5x11extras5-dev qttools5-dev qttools5-dev-tools
  libssl-dev openssl libjson-c-dev libminizip-dev zlib1g-dev
  libmediainfo-dev libuchardet-dev iso-codes
  yt-dlp ffmpeg unzip xvfb xauth x11-utils dbus-daemon
  libavformat-dev libavcodec-dev libavfilter-dev libswscale-dev libswresample-dev libavutil-dev
  qtmultimedia5-dev libqt5multimedia5-plugins libgl1-mesa-dri libgl-dev libx11-dev libfftw3-dev
  libdvdread-dev xdg-utils fonts-wine
)
# Only the test run needs these (a private sound server for the sound
# tests, disc authoring, a CJK font to measure the Asian interface texts);
# ./test.sh passes --with-tests so run.sh never installs them.
if [ "${1:-}" = "--with-tests" ]; then
  PACKAGES+=(pulseaudio pulseaudio-utils dvdauthor genisoimage fonts-wqy-microhei)
fi
missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  SUDO=""
  if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
  $SUDO apt-get update -q
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -q "${missing[@]}"
fi
