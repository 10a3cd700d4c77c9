#!/usr/bin/env bash
# SPDX-License-Identifier: AGPL-3.0-or-later
# Checks what a software centre and a desktop read about the program: the desktop entry with
# desktop-file-validate, the AppStream data with appstreamcli (strict and pedantic, no network: the
# screenshot addresses are placeholders until a distributor sets ZODRIVEL_HOME_PAGE), and the
# manual pages with man's own warnings. The AppStream file and the pages are configured by
# CMake, so a configure-only tree (default build-packaging, or the one given) provides them.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${1:-build-packaging}
if [ $# -eq 0 ]; then
    # A file left by an earlier AppStream id would be checked as well.
    rm -f "$build_dir"/packaging/*.metainfo.xml
    cmake -S . -B "$build_dir" -G Ninja -DZODRIVEL_BUILD_GUI=OFF -DZODRIVEL_BUILD_TESTS=OFF \
        -DZODRIVEL_BUILD_BENCH=OFF >/dev/null
fi

check_desktop() {
    # Hints (two main categories, say) leave the exit status at 0: any word from it fails.
    local report
    report=$(desktop-file-validate "$1" 2>&1) || { echo "$report"; return 1; }
    if [ -n "$report" ]; then echo "$report"; return 1; fi
    echo "desktop-file-validate: $1 is clean"
}
check_desktop packaging/zodrivel.desktop

# The birth file's media type: well-formed XML, and a database built from it alone (as
# update-mime-database builds the system's) holds the type and its glob without a complaint.
xmllint --noout packaging/zodrivel-mime.xml
data_dir=$(mktemp -d)
trap 'rm -rf "$data_dir"' EXIT
mime_dir=$data_dir/mime
mkdir -p "$mime_dir/packages"
cp packaging/zodrivel-mime.xml "$mime_dir/packages/zodrivel.xml"
# The folder is named among the data folders, or the tool adds a note that it is not.
report=$(XDG_DATA_DIRS=$data_dir update-mime-database "$mime_dir" 2>&1) || { echo "$report"; exit 1; }
if [ -n "$report" ]; then echo "$report"; exit 1; fi
if ! grep -qx 'application/x-zodrivel-birth:\*\.zodrivel' <(cut -d: -f2- "$mime_dir/globs2"); then
    echo "check-packaging: the MIME database holds no *.zodrivel glob"; exit 1
fi
echo "update-mime-database: packaging/zodrivel-mime.xml is clean"

metainfo=$(find "$build_dir/packaging" -maxdepth 1 -name '*.metainfo.xml')
if [ "$(wc -w <<<"$metainfo")" -ne 1 ]; then
    echo "check-packaging: expected one AppStream file in $build_dir/packaging: ${metainfo:-none}"
    exit 1
fi
# --strict fails on warnings and notes; a pedantic hint only shows, so it is failed on here.
report=$(appstreamcli validate --no-net --strict --pedantic "$metainfo") || { echo "$report"; exit 1; }
echo "$report"
if grep -q '^P:' <<<"$report"; then exit 1; fi

pages=0
for page in "$build_dir"/packaging/man/*.1; do
    # man prints formatting problems (unknown macros, lines it cannot break) on standard error.
    warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null)
    if [ -n "$warnings" ]; then
        echo "$page:"; echo "$warnings"; exit 1
    fi
    pages=$((pages + 1))
done
echo "man: $pages manual pages format without warnings"
