#!/usr/bin/env bash
# SPDX-License-Identifier: AGPL-3.0-or-later
# Installs what building and testing Zodrivel needs on Debian 12. Safe to run again: apt skips
# what is already there. Uses sudo when not run as root.
set -euo pipefail

packages=(
  build-essential cmake ninja-build
  libcli11-dev nlohmann-json3-dev
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  clang-format              # scripts/check-format.sh keeps every file in one format
  clang libclang-rt-14-dev  # scripts/fuzz.sh: clang's libFuzzer and sanitizer runtimes
  qt6-base-dev qt6-svg-dev libgl-dev
  qt6-tools-dev qt6-l10n-tools  # qt_add_translations, lupdate and lrelease
  libgeonames-dev           # the offline atlas of places with their zone ids
  libicu-dev                # the atlas folds the accents of every script ("Đà Nẵng")
  libhowardhinnant-date-dev tzdata  # zone history from the system's tz database
  libswe-dev                # precise positions and house cusps
  swe-basic-data            # ... from the library's ephemeris files, 1800 to 2399; Chiron
  libcairo2-dev             # the command-line program writes PDF without Qt
  python3-icalendar         # a real parser reads the transits' calendar file back
  fonts-dejavu-core         # without a font every letter renders as a box, silently
  poppler-utils             # pdftotext reads printed reports back in the window tests
  libreoffice-writer-nogui  # reads our RTF back in the round-trip test
  librsvg2-bin              # rsvg-convert renders the fixed-size icons from the SVG
  desktop-file-utils appstream man-db  # scripts/check-packaging.sh: the validators
  shared-mime-info libxml2-utils       # ... and the birth file's MIME type
  dpkg-dev lintian          # scripts/try-package.sh: cpack's dependency list, the package check
)

as_root=()
if [ "$(id -u)" -ne 0 ]; then as_root=(sudo); fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  "${as_root[@]}" apt-get update
  # Through env, after sudo: sudo clears the caller's environment, and a DEBIAN_FRONTEND set
  # before it never reached debconf, which then asked its questions on the terminal.
  "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive \
    apt-get install -y --no-install-recommends "${missing[@]}"
fi
