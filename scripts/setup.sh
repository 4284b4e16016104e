#!/usr/bin/env bash
# Installs the Debian packages that building, testing and running ZTUi need; `setup.sh fuzz`
# installs what the fuzz build needs instead (clang and its libFuzzer and sanitizer runtimes),
# which nothing else uses.
# Safe to run again: it only calls apt-get when something is missing.
set -euo pipefail

fuzz_packages=(clang libclang-rt-dev)

packages=(
  build-essential cmake ninja-build pkg-config ccache clang-format
  libgtest-dev libgmock-dev libbenchmark-dev
  libjsoncpp-dev
  libcairo2-dev libpixman-1-dev libpango1.0-dev libfontconfig-dev fontconfig
  fonts-wqy-microhei fonts-dejavu-core
  libsqlite3-dev libsqlitecpp-dev libsdl2-dev libpng-dev
  # Only the test of the reference host's real window: a virtual X server, X input and
  # screenshots.
  xvfb xdotool imagemagick
)

if [[ "${1:-}" == "fuzz" ]]; then
  packages=("${fuzz_packages[@]}")
fi

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$p")
done

if ((${#missing[@]} == 0)); then
  exit 0
fi

sudo=""
if [[ $(id -u) -ne 0 ]]; then
  sudo="sudo"
fi

echo "setup: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
