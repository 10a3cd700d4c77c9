#!/usr/bin/env bash
# SPDX-License-Identifier: AGPL-3.0-or-later
# Brings the translators' files up to date with the code: run it after changing or adding any
# text the program shows, in the core or in the windows.
#
#  1. desktop/i18n/CoreTextCatalogue.cpp is written anew from the core's tables by the small
#     zodrivel_core_texts program (built from the core alone), so that lupdate, which reads
#     only tr() and QT_TRANSLATE_NOOP, sees the paragraphs, zone rows, messages and the rest.
#  2. lupdate reads desktop/ into the template translations/zodrivel.ts (no language, no
#     obsolete entries) and into every translations/zodrivel_<language>.ts, whose translations
#     it keeps (texts that are gone are marked vanished, not deleted).
#
# With --check it changes nothing: it exits 1 when either file would change (the CTest test
# translations_are_current runs it so).
#
# BUILD_DIR picks the build tree (default: build); when it holds no configured tree, a small
# one without tests and benchmarks is configured there. HELPER names a zodrivel_core_texts
# binary to use instead of building one; LUPDATE picks the lupdate binary.
# Prints what changed and exits 0, or exits 1 when a step fails.
set -euo pipefail
cd "$(dirname "$0")/.."

check=false
case "$#:${1:-}" in
    0:) ;;
    1:--check) check=true ;;
    *)
        echo "usage: scripts/update-translations.sh [--check]" >&2
        exit 2
        ;;
esac

helper=${HELPER:-}
if [[ -z $helper ]]; then
    build=${BUILD_DIR:-build}
    if [[ ! -f $build/CMakeCache.txt ]]; then
        generator=()
        if command -v ninja >/dev/null 2>&1; then generator=(-G Ninja); fi
        cmake -S . -B "$build" "${generator[@]}" -DZODRIVEL_BUILD_TESTS=OFF \
            -DZODRIVEL_BUILD_BENCH=OFF >/dev/null
    fi
    cmake --build "$build" --target zodrivel_core_texts >/dev/null
    helper=$(find "$build" -type f -name zodrivel_core_texts -perm -u+x -print -quit)
fi
if [[ -z $helper || ! -x $helper ]]; then
    echo "update-translations: no zodrivel_core_texts program (${helper:-not built})" >&2
    exit 1
fi

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
stale=()

catalogue=desktop/i18n/CoreTextCatalogue.cpp
"$helper" >"$scratch/catalogue.cpp"
if cmp -s "$scratch/catalogue.cpp" "$catalogue"; then
    echo "update-translations: $catalogue already current"
elif $check; then
    stale+=("$catalogue")
else
    cp "$scratch/catalogue.cpp" "$catalogue"
    echo "update-translations: $catalogue rewritten"
fi

lupdate=${LUPDATE:-}
if [[ -z $lupdate ]]; then
    for candidate in lupdate /usr/lib/qt6/bin/lupdate /usr/lib/qt6/libexec/lupdate; do
        if command -v "$candidate" >/dev/null 2>&1; then
            lupdate=$candidate
            break
        fi
    done
fi
if [[ -z $lupdate ]]; then
    echo "update-translations: lupdate not found; install qt6-l10n-tools or set LUPDATE" >&2
    exit 1
fi

# No source locations: line numbers would change the files on every edit elsewhere, and
# every merge would conflict in them. The template drops texts that are gone; a language file
# keeps them, marked vanished, for its translator.
update() {  # file, lupdate options...
    local file=$1 target=$1
    shift
    if $check; then
        target=$scratch/$(basename "$file")
        cp "$file" "$target"
    fi
    "$lupdate" -silent -locations none "$@" -extensions cpp,h -I . desktop -ts "$target"
    if $check && ! cmp -s "$target" "$file"; then stale+=("$file"); fi
}
update translations/zodrivel.ts -no-obsolete
shopt -s nullglob
for language in translations/zodrivel_*.ts; do update "$language"; done

if ((${#stale[@]} > 0)); then
    echo "update-translations: out of date with the code: ${stale[*]}." \
        "Run scripts/update-translations.sh and commit what it changes." >&2
    exit 1
fi
echo "update-translations: translations/ current" \
    "($(grep -c '<source>' translations/zodrivel.ts) texts in the template)"
