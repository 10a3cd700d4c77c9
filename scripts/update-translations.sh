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
# BUILD_DIR picks the build tree (default: build); when it holds no configured tree, a small
# one without tests and benchmarks is configured there. LUPDATE picks the lupdate binary.
# Prints what changed and exits 0, or exits 1 when a step fails.
set -euo pipefail
cd "$(dirname "$0")/.."

build=${BUILD_DIR:-build}
if [[ ! -f $build/CMakeCache.txt ]]; then
    generator=()
    if command -v ninja >/dev/null 2>&1; then generator=(-G Ninja); fi
    cmake -S . -B "$build" "${generator[@]}" -DZODRIVEL_BUILD_TESTS=OFF \
        -DZODRIVEL_BUILD_BENCH=OFF >/dev/null
fi
cmake --build "$build" --target zodrivel_core_texts >/dev/null

helper=$(find "$build" -type f -name zodrivel_core_texts -perm -u+x -print -quit)
if [[ -z $helper ]]; then
    echo "update-translations: zodrivel_core_texts was not built in $build" >&2
    exit 1
fi

catalogue=desktop/i18n/CoreTextCatalogue.cpp
"$helper" >"$catalogue.new"
if cmp -s "$catalogue.new" "$catalogue"; then
    rm "$catalogue.new"
    echo "update-translations: $catalogue already current"
else
    mv "$catalogue.new" "$catalogue"
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
# every merge would conflict in them.
"$lupdate" -silent -locations none -no-obsolete -extensions cpp,h -I . desktop \
    -ts translations/zodrivel.ts
shopt -s nullglob
for language in translations/zodrivel_*.ts; do
    "$lupdate" -silent -locations none -extensions cpp,h -I . desktop -ts "$language"
done
echo "update-translations: translations/ updated ($(grep -c '<source>' translations/zodrivel.ts) texts in the template)"
