#!/usr/bin/env bash
# Usage: scripts/setup.sh [--bench] [--fuzz]
# Makes sure the Debian packages needed to build, test and run Pantrivo are installed,
# with --bench those the benchmarks need as well, and with --fuzz clang and its
# libFuzzer runtime for the fuzz targets.
# Safe to run again and again: when everything is there it only asks dpkg and returns.
set -euo pipefail

bench=false
fuzz=false
for argument in "$@"; do
  case $argument in
    --bench) bench=true ;;
    --fuzz) fuzz=true ;;
    *)
      echo "usage: scripts/setup.sh [--bench] [--fuzz]" >&2
      exit 2
      ;;
  esac
done

required_packages=(
  cmake
  g++
  make
  ninja-build          # the build's generator; scripts/configure.sh falls back to make without it
  pkg-config
  qt6-base-dev
  qt6-qpa-plugins      # xcb and offscreen platform plug-ins
  libqt6gui6           # carries the JPEG image plug-in used for the background pictures
  libgl1-mesa-dev
  libgtest-dev
  googletest
  libhunspell-dev      # the spell check
  hunspell-en-us       # its dictionary
  xvfb
  xauth
  desktop-file-utils   # the install check validates the desktop entry
  fonts-liberation2
  fonts-dejavu-core
)
if $bench; then
  required_packages+=(libbenchmark-dev)
fi
if $fuzz; then
  required_packages+=(
    clang                # clang and clang++ (Debian 12: version 14)
    libclang-rt-14-dev   # libFuzzer and the sanitizers' runtimes for clang 14
  )
fi

# One dpkg-query for the whole list: every make target runs this first, so it must be quick.
# A package dpkg has never heard of is not listed at all, and so counts as missing too.
declare -A installed=()
while read -r package status; do
  [[ $status == installed ]] && installed[$package]=1
done < <(dpkg-query -W -f='${Package} ${db:Status-Status}\n' "${required_packages[@]}" 2>/dev/null || true)

missing=()
for package in "${required_packages[@]}"; do
  if [[ -z ${installed[$package]:-} ]]; then
    missing+=("$package")
  fi
done

if [[ ${#missing[@]} -eq 0 ]]; then
  exit 0
fi

if [[ $(id -u) -ne 0 ]]; then
  echo "Pantrivo needs these packages, which are not installed: ${missing[*]}" >&2
  echo "Install them with:" >&2
  echo "  sudo apt-get install -y ${missing[*]}" >&2
  exit 1
fi

echo "Installing missing packages: ${missing[*]}"
apt-get update
DEBIAN_FRONTEND=noninteractive apt-get install -y "${missing[@]}"
