#!/usr/bin/env bash
# Installs the tools and libraries the build and the tests need, on Debian 12.
# Only packages that are missing are installed, so a second run does nothing
# and takes well under a second.
set -euo pipefail

packages=(
  # Compilers: g++ for the build, clang with its runtime for the libFuzzer targets.
  g++ clang clang-14 libclang-rt-14-dev clang-format
  # Build system.
  cmake ninja-build
  # Tests and benchmarks.
  libgtest-dev libgmock-dev libbenchmark-dev
  # The window: Qt 6 with its platform plugins, and a font that has the kana and kanji.
  qt6-base-dev qt6-qpa-plugins fonts-noto-cjk
  # Running the program on a virtual display, driving it and taking screenshots.
  xvfb xauth xdotool x11-utils imagemagick
)

# dpkg-query prints one line per package it knows and complains about the rest;
# anything not reported as "installed" is missing.
installed=$(dpkg-query -W -f='${Package} ${db:Status-Status}\n' "${packages[@]}" 2>/dev/null || true)
missing=()
for pkg in "${packages[@]}"; do
  if ! grep -qx "${pkg} installed" <<<"${installed}"; then
    missing+=("${pkg}")
  fi
done

if [[ ${#missing[@]} -eq 0 ]]; then
  echo "setup: all ${#packages[@]} packages are installed."
  exit 0
fi

echo "setup: installing ${missing[*]}"

if [[ $(id -u) -eq 0 ]]; then
  as_root=()
elif command -v sudo >/dev/null 2>&1; then
  as_root=(sudo)
else
  echo "setup: these packages are missing and installing them needs root (no sudo found):" >&2
  echo "  apt-get install ${missing[*]}" >&2
  exit 1
fi

export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive \
  apt-get install -y --no-install-recommends "${missing[@]}"
echo "setup: done."
