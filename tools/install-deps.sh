#!/bin/bash
# Installs everything the build and the tests need on a fresh Debian 12 machine.
# Safe to run again: apt skips what is already there.
set -euo pipefail
export DEBIAN_FRONTEND=noninteractive
SUDO=""
if [ "$(id -u)" != 0 ]; then SUDO=sudo; fi

if ! dpkg --print-foreign-architectures | grep -qx i386; then
  $SUDO dpkg --add-architecture i386
fi
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends \
  build-essential g++ cmake ninja-build pkg-config \
  libgtest-dev libgmock-dev libbenchmark-dev \
  g++-mingw-w64-i686 binutils-mingw-w64-i686 \
  wine wine32:i386 fonts-wine xvfb x11-utils imagemagick mscompress \
  clang libclang-rt-14-dev \
  >/dev/null
