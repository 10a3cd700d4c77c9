#!/usr/bin/env bash
# SPDX-License-Identifier: AGPL-3.0-or-later
# Fails when an #include points the wrong way between the layers of the tree.
#
# core/ is the portable heart: standard C++ only, so that the command-line program, the
# window program and anything built later can share it; a Qt header or a header from an upper
# layer there would drag that layer into every user of core/. adapters/ sits between core/ and
# the two programs, and the two programs do not know each other. tests/ and bench/ may look at
# everything, while nothing shipped may depend on them. Inside core/ and desktop/, two folders
# that include each other can no longer be understood, changed or tested one at a time, and
# core/model/ is the bottom everything else stands on, so it includes no other core folder.
#
# Prints one line per offending include (file:line, the include, the reason) and exits 1, or a
# one-line summary and exits 0. Needs only bash and awk (mawk or gawk); git when there is one.
set -euo pipefail
cd "$(dirname "$0")/.."

source scripts/lib/source-files.sh

if ((${#files[@]} == 0)); then
    echo "layers: no source files found below $(pwd)" >&2
    exit 1
fi

# One pass over every file collects the includes; the folder graph is judged at the end, once
# every edge is known.
program='
function ownFolder(top) {
    return top == "core" || top == "desktop" || top == "cli" || top == "adapters" ||
           top == "tests" || top == "bench"
}

function offend(where, shown, why) {
    print where ": #include " shown ": " why
    ++offences
}

function addEdge(from, to, where, shown,    key) {
    key = from SUBSEP to
    ++edgeCount[key]
    edgeWhere[key, edgeCount[key]] = where
    edgeShown[key, edgeCount[key]] = shown
    if (!(from in isNode)) { isNode[from] = 1; nodes[++nodeCount] = from }
    if (!(to in isNode)) { isNode[to] = 1; nodes[++nodeCount] = to }
}

FNR == 1 {
    ++fileCount
    fromTop = topOf(FILENAME)
    fromDomain = domainOf(FILENAME)
    dir = FILENAME
    if (!sub(/\/[^\/]*$/, "", dir)) dir = ""
}

/^[ \t]*#[ \t]*include[ \t]*[<"]/ {
    inc = includeOf($0)
    if (inc == "") next
    opener = incOpener
    shown = opener inc (opener == "<" ? ">" : "\"")
    where = FILENAME ":" FNR

    if (opener == "<" && (inc ~ /^Q/ || inc ~ /^qt/ || inc ~ /^q[a-z0-9_]*\.h$/)) {
        if (fromTop == "core")
            offend(where, shown, "core/ is standard C++ only; Qt belongs in desktop/")
        next
    }

    target = ""
    if (inc ~ /^(core|desktop|cli|adapters|tests|bench)\//) target = inc
    else if (opener == "\"") {
        target = normalised(dir "/" inc)
        if (!ownFolder(topOf(target))) target = ""
    }
    if (target == "") next  # a system or third-party header

    toTop = topOf(target)
    toDomain = domainOf(target)
    flagged = 1
    if (fromTop == "core" && (toTop == "desktop" || toTop == "cli" || toTop == "adapters"))
        offend(where, shown, "core/ must not depend on " toTop "/, which is built on top of it")
    else if (fromTop == "adapters" && (toTop == "desktop" || toTop == "cli"))
        offend(where, shown, "adapters/ sits below " toTop "/ and must not depend on it")
    else if ((fromTop == "cli" && toTop == "desktop") || (fromTop == "desktop" && toTop == "cli"))
        offend(where, shown, "the command-line and window programs must not depend on each other")
    else if ((toTop == "tests" || toTop == "bench") && fromTop != "tests" && fromTop != "bench")
        offend(where, shown, "only tests/ and bench/ may include from " toTop "/")
    else if (fromDomain == "core/model" && toTop == "core" && toDomain != "core/model")
        offend(where, shown, "core/model is the bottom layer and includes no other core folder")
    else
        flagged = 0

    # Each include is an edge at one level only: between top-level folders, or between two
    # folders of the same top-level folder.
    if (fromTop != toTop) { from = fromTop; to = toTop }
    else if (fromDomain != toDomain) { from = fromDomain; to = toDomain }
    else next
    addEdge(from, to, where, shown)
    # A pair already named by a rule above is not reported again as a mutual include.
    if (flagged) alreadyReported[from SUBSEP to] = 1
}

END {
    for (i = 1; i <= nodeCount; ++i) {
        for (j = i + 1; j <= nodeCount; ++j) {
            a = nodes[i]; b = nodes[j]
            ab = a SUBSEP b; ba = b SUBSEP a
            if (!(ab in edgeCount) || !(ba in edgeCount)) continue
            if ((ab in alreadyReported) || (ba in alreadyReported)) continue
            # The stray includes are usually the fewer ones, so those are listed; with a tie
            # both directions are.
            if (edgeCount[ab] <= edgeCount[ba]) report(a, b)
            if (edgeCount[ba] <= edgeCount[ab]) report(b, a)
        }
    }
    if (offences) {
        print "layers: " offences " include(s) point the wrong way"
        exit 1
    }
    print "layers: " fileCount " files, no include points the wrong way"
}

function report(from, to,    key, back, k, others) {
    key = from SUBSEP to
    back = to SUBSEP from
    others = edgeCount[back] - 1
    for (k = 1; k <= edgeCount[key]; ++k) {
        offend(edgeWhere[key, k], edgeShown[key, k],
               from " and " to " include each other (" edgeWhere[back, 1] " includes " \
               edgeShown[back, 1] (others ? " and " others " more" : "") \
               "); one direction has to go")
    }
}
'
awk -f scripts/lib/include-paths.awk -f <(printf '%s\n' "$program") "${files[@]}"
