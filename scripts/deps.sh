#!/usr/bin/env bash
# Installs with apt-get whatever the build, the tests and the program need
# and is not installed yet. Sourced by scripts/run and scripts/test.
set -euo pipefail

CTABBER_PACKAGES=(
  build-essential cmake ninja-build pkg-config
  libgtest-dev libbenchmark-dev
  clang libclang-rt-dev
  qt6-base-dev qt6-base-dev-tools libgl-dev
  librtmidi-dev libfluidsynth-dev libasound2-dev timgm6mb-soundfont
  xvfb xauth
  xdg-utils shared-mime-info desktop-file-utils libglib2.0-bin
)

ctabber_install_deps() {
  local missing=()
  for p in "${CTABBER_PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# Configures and builds one tree: ctabber_build DIR [cmake options...] [--target T]
ctabber_build() {
  local dir="$1"; shift
  local options=() targets=()
  while [ $# -gt 0 ]; do
    if [ "$1" = "--target" ]; then targets+=(--target "$2"); shift 2; else options+=("$1"); shift; fi
  done
  cmake -S "$CTABBER_ROOT" -B "$dir" -G Ninja "${options[@]}" >/dev/null
  cmake --build "$dir" "${targets[@]}"
}
