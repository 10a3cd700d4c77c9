#!/usr/bin/env bash
# SPDX-License-Identifier: AGPL-3.0-or-later
# Checks that every tracked C++ file (*.cpp, *.h, *.h.in) has the layout .clang-format
# describes, and names the files that do not; with --fix it reformats those files instead.
#
# The style is tuned for Debian 12's clang-format 14; another version may lay out a few
# constructs differently, so it warns when it finds one. CLANG_FORMAT picks another binary
# (clang-format-14, say).
#
# Prints one summary line and exits 0 when all is well (or fixed), lists the offending files
# and exits 1 when some need formatting, exits 2 when it could not check at all.
set -euo pipefail
cd "$(dirname "$0")/.."

usage() {
    echo "usage: scripts/check-format.sh [--fix]" >&2
    exit 2
}

fix=false
case "$#:${1:-}" in
    0:) ;;
    1:--fix) fix=true ;;
    *) usage ;;
esac

clang_format=${CLANG_FORMAT:-clang-format}
if ! command -v "$clang_format" >/dev/null 2>&1; then
    echo "check-format: $clang_format not found; install Debian's clang-format" \
        "(apt-get install clang-format, or scripts/install-deps.sh)" >&2
    exit 2
fi
if [[ ! -f .clang-format ]]; then
    # Without it clang-format would quietly fall back to a built-in style and pass everything.
    echo "check-format: no .clang-format at the top of the tree" >&2
    exit 2
fi
version=$("$clang_format" --version | sed -n 's/.*clang-format version \([0-9][0-9]*\).*/\1/p')
if [[ $version != 14 ]]; then
    echo "check-format: warning: $clang_format is version ${version:-unknown}, the style is" \
        "tuned for 14; a difference may be the version's rather than the code's" >&2
fi

source scripts/lib/source-files.sh
if ((${#files[@]} == 0)); then
    echo "check-format: no C++ files found below $(pwd)" >&2
    exit 2
fi

# One clang-format run over every file. Each difference is reported as
# "path:line:col: error: code should be clang-formatted [...]", which names the file.
log=$(mktemp)
trap 'rm -f "$log"' EXIT
status=0
"$clang_format" --style=file --dry-run --Werror "${files[@]}" 2>"$log" || status=$?
mapfile -t offending < <(
    sed -n 's/^\(.*\):[0-9]*:[0-9]*: \(error\|warning\): code should be clang-formatted.*/\1/p' \
        "$log" | sort -u)
if ((status != 0 && ${#offending[@]} == 0)); then
    # It failed for another reason (an unreadable file, an option it does not know): show why.
    cat "$log" >&2
    echo "check-format: $clang_format failed (exit status $status)" >&2
    exit 2
fi

if ((${#offending[@]} == 0)); then
    echo "check-format: all ${#files[@]} C++ files are formatted"
    exit 0
fi

if $fix; then
    "$clang_format" --style=file -i "${offending[@]}"
    echo "check-format: reformatted ${#offending[@]} of ${#files[@]} C++ files"
    exit 0
fi

echo "check-format: ${#offending[@]} of ${#files[@]} C++ files need formatting" \
    "(scripts/check-format.sh --fix applies it):" >&2
printf '  %s\n' "${offending[@]}" >&2
exit 1
