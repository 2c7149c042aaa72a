#!/usr/bin/env bash
# Installs the Debian packages Zantrel needs to build, test and run.
# As root it runs apt-get itself; otherwise it prints the command to run.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev
  libsimpleini-dev libgtest-dev libgmock-dev libbenchmark-dev
  zlib1g-dev
  xvfb xauth imagemagick
  fonts-dejavu-core
  # The translations: lupdate and lrelease with their CMake files, and Qt's own translations
  # of its dialogs and buttons.
  qt6-l10n-tools qt6-tools-dev qt6-translations-l10n
  # The manual pages (written in scdoc, checked by man) and the package check.
  scdoc man-db lintian bash-completion
  # The Debian package (cpack: dpkg-shlibdeps finds its dependencies, file tells programs
  # apart) and the checks of what it installs: the desktop entry, the AppStream metainfo and
  # the MIME type.
  dpkg-dev file desktop-file-utils appstream shared-mime-info
  # The Windows cross compiler, for the syntax check of every source against Windows headers;
  # the POSIX thread model, because Qt's headers need std::mutex.
  g++-mingw-w64-x86-64-posix
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  echo "setup: all packages present"
  exit 0
fi

if [ "$(id -u)" -ne 0 ]; then
  echo "setup: missing packages: ${missing[*]}"
  echo "run: sudo apt-get update && sudo apt-get install -y --no-install-recommends ${missing[*]}"
  exit 1
fi

export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}"
