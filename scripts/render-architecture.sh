#!/usr/bin/env bash
# SPDX-License-Identifier: AGPL-3.0-or-later
# Redraws docs/architecture.dot from the #include lines of the shipped code and renders it to
# docs/architecture.svg, so that the picture in docs/architecture.md shows the tree as it is
# and not as it was meant to be.
#
# The folders are those scripts/check-layers.sh judges: each folder under core/ and desktop/
# is a node (files directly in desktop/ are a node of their own), cli/ and adapters/ are one
# node each. Includes between two folders of one layer are drawn one arrow per folder pair;
# includes from one layer into another are summed into one arrow between the two layers, which
# keeps the picture readable. An arrow that check-layers.sh refuses (two folders including each
# other, core/model including another core folder, a lower layer including a higher one) is
# drawn red. tests/ and bench/ may include anything and are left out.
#
# Usage: scripts/render-architecture.sh [--dot-only]
#   --dot-only  writes the .dot file without rendering (no Graphviz needed)
# Rendering needs Graphviz's dot (Debian: apt-get install graphviz). CI does not run this; run it
# by hand after moving folders or includes, and commit both files.
set -euo pipefail
cd "$(dirname "$0")/.."

render=1
case "${1-}" in
    --dot-only) render=0 ;;
    "") ;;
    *) echo "usage: $0 [--dot-only]" >&2; exit 2 ;;
esac
if ((render)) && ! command -v dot >/dev/null 2>&1; then
    echo "render-architecture: Graphviz's dot is missing (apt-get install graphviz)," \
         "or pass --dot-only" >&2
    exit 1
fi

layers=(core adapters desktop cli)
files=()
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    while IFS= read -r -d '' f; do
        if [[ -f $f ]]; then files+=("$f"); fi
    done < <(git ls-files -z -- "${layers[@]/%//*.h}" "${layers[@]/%//*.cpp}" \
                               "${layers[@]/%//*.h.in}")
else
    while IFS= read -r -d '' f; do
        files+=("${f#./}")
    done < <(find "${layers[@]}" -type f \( -name '*.h' -o -name '*.cpp' -o -name '*.h.in' \) \
                  -print0 2>/dev/null)
fi
if ((${#files[@]} == 0)); then
    echo "render-architecture: no source files found below $(pwd)" >&2
    exit 1
fi

# A layer folder without sources (adapters/ until the first adapter) is still drawn.
present=()
for layer in "${layers[@]}"; do
    if [[ -d $layer ]]; then present+=("$layer"); fi
done

dotFile=docs/architecture.dot
svgFile=docs/architecture.svg
tmp=$(mktemp)
trap 'rm -f "$tmp"' EXIT

program='
# Lower layers first: an include may only point to a lower rank (cli and desktop share one).
function rankOf(layer) {
    if (layer == "core") return 0
    if (layer == "adapters") return 1
    return 2
}

function addNode(node, layer) {
    if (node in nodeLayer) return
    nodeLayer[node] = layer
    nodes[++nodeCount] = node
}

function addStem(node, file,    stem) {
    stem = file
    sub(/^.*\//, "", stem)
    sub(/\.h\.in$|\.cpp$|\.h$/, "", stem)
    if ((node SUBSEP stem) in hasStem) return
    hasStem[node, stem] = 1
    stems[node, ++stemCount[node]] = stem
}

function sortList(list, n,    i, j, t) {
    for (i = 2; i <= n; ++i) {
        t = list[i]
        for (j = i - 1; j >= 1 && list[j] > t; --j) list[j + 1] = list[j]
        list[j + 1] = t
    }
}

function html(s) {
    gsub(/&/, "\\&amp;", s); gsub(/</, "\\&lt;", s); gsub(/>/, "\\&gt;", s)
    return s
}

# The folder name in bold over the names of its files, three to a line.
function nodeLabel(node,    short, i, n, list, text) {
    short = node "/"
    if (node != nodeLayer[node]) sub(/^[^\/]*\//, "", short)
    else if (node == "core" || node == "desktop") short = node "/ (top level)"
    n = stemCount[node]
    for (i = 1; i <= n; ++i) list[i] = stems[node, i]
    sortList(list, n)
    text = "<<B>" html(short) "</B>"
    if (n == 0) text = text "<BR/><FONT POINT-SIZE=\"9\">no sources yet</FONT>"
    for (i = 1; i <= n; ++i) {
        if (i % 3 == 1) text = text "<BR/><FONT POINT-SIZE=\"9\">"
        else text = text " · "
        text = text html(list[i])
        if (i % 3 == 0 || i == n) text = text "</FONT>"
    }
    return text ">"
}

function includes(count) {
    return count (count == 1 ? " include" : " includes")
}

function wrongWay(from, to,    fromTop, toTop) {
    fromTop = nodeLayer[from]; toTop = nodeLayer[to]
    if (fromTop != toTop)
        return rankOf(toTop) >= rankOf(fromTop)
    if (from == "core/model") return 1
    return (to SUBSEP from) in edgeCount
}

BEGIN {
    layerCount = split(layerList, layerOrder, " ")
    for (i = 1; i <= layerCount; ++i) isLayer[layerOrder[i]] = 1
    caption["core"] = "core/: standard C++20 only"
    caption["adapters"] = "adapters/: outside libraries behind core interfaces"
    caption["desktop"] = "desktop/: Qt 6 Widgets (zodrivel)"
    caption["cli"] = "cli/: zodrivel-cli"
}

FNR == 1 {
    fromTop = topOf(FILENAME)
    from = domainOf(FILENAME)
    addNode(from, fromTop)
    addStem(from, FILENAME)
    dir = FILENAME
    if (!sub(/\/[^\/]*$/, "", dir)) dir = ""
}

/^[ \t]*#[ \t]*include[ \t]*[<"]/ {
    inc = includeOf($0)
    if (inc == "") next
    opener = incOpener
    target = ""
    if (topOf(inc) in isLayer) target = inc
    else if (opener == "\"") {
        target = normalised(dir "/" inc)
        if (!(topOf(target) in isLayer)) target = ""
    }
    if (target == "") next
    to = domainOf(target)
    if (to == from) next
    addNode(to, topOf(target))
    key = from SUBSEP to
    if (!(key in edgeCount)) { edges[++edgeTotal] = key; edgeFirst[key] = FILENAME }
    ++edgeCount[key]
}

END {
    for (i = 1; i <= layerCount; ++i) {
        layer = layerOrder[i]
        empty = 1
        for (j = 1; j <= nodeCount; ++j) if (nodeLayer[nodes[j]] == layer) empty = 0
        if (empty) addNode(layer, layer)
    }
    sortList(nodes, nodeCount)

    print "// SPDX-License-Identifier: AGPL-3.0-or-later"
    print "// Generated by scripts/render-architecture.sh from the #include lines; edit the"
    print "// script, not this file. Arrows point from the including folder to the included one."
    print "digraph architecture {"
    print "    graph [rankdir=TB, compound=true, newrank=true, nodesep=0.25, ranksep=0.45,"
    print "           fontname=\"Helvetica,Arial,sans-serif\", fontsize=11, labelloc=b,"
    print "           label=\"Arrows point from the including folder to the included one; between" \
          " layers they are summed.\\nRed: an include that scripts/check-layers.sh refuses." \
          " tests/ and bench/ may include any layer and are not drawn.\\nGenerated from the" \
          " #include lines by scripts/render-architecture.sh.\"]"
    print "    node [shape=box, style=\"rounded,filled\", fillcolor=white, color=\"#555555\","
    print "          fontname=\"Helvetica,Arial,sans-serif\", fontsize=11, margin=\"0.12,0.05\"]"
    print "    edge [color=\"#666666\", arrowsize=0.7, fontname=\"Helvetica,Arial,sans-serif\","
    print "          fontsize=10]"

    fill["core"] = "#eef4fb"; fill["adapters"] = "#f4f4f4"
    fill["desktop"] = "#eef8ee"; fill["cli"] = "#fbf5e8"
    for (i = 1; i <= layerCount; ++i) {
        layer = layerOrder[i]
        print ""
        print "    subgraph \"cluster_" layer "\" {"
        print "        label=<<B>" html(layer in caption ? caption[layer] : layer "/") "</B>>;" \
              " labelloc=t; labeljust=l; fontsize=12"
        print "        style=\"rounded,filled\"; color=\"#999999\"; fillcolor=\"" \
              (layer in fill ? fill[layer] : "#f4f4f4") "\""
        for (j = 1; j <= nodeCount; ++j) {
            node = nodes[j]
            if (nodeLayer[node] != layer) continue
            print "        \"" node "\" [label=" nodeLabel(node) \
                  (stemCount[node] ? "" : ", style=\"rounded,dashed,filled\"") "]"
        }
        print "    }"
    }

    # Within a layer: one arrow per folder pair, thicker with more includes.
    print ""
    n = 0
    for (i = 1; i <= edgeTotal; ++i) {
        split(edges[i], ends, SUBSEP)
        if (nodeLayer[ends[1]] == nodeLayer[ends[2]]) inner[++n] = edges[i]
    }
    sortList(inner, n)
    for (i = 1; i <= n; ++i) {
        split(inner[i], ends, SUBSEP)
        count = edgeCount[inner[i]]
        width = count >= 5 ? 2.2 : count >= 3 ? 1.6 : 1.0
        print "    \"" ends[1] "\" -> \"" ends[2] "\" [penwidth=" width \
              ", tooltip=\"" ends[1] " -> " ends[2] ": " includes(count) ", the first in " \
              edgeFirst[inner[i]] "\"" (wrongWay(ends[1], ends[2]) ? ", color=red" : "") "]"
    }

    # The top and bottom folders of each layer (nothing above, nothing below them in the layer);
    # the arrows between layers hang on them, so each layer is drawn wholly below those on it.
    for (i = 1; i <= n; ++i) {
        split(inner[i], ends, SUBSEP)
        hasOut[ends[1]] = 1
        hasIn[ends[2]] = 1
    }

    # Between layers: the includes summed per pair of layers, drawn from a bottom folder of the
    # including layer to a top folder of the included one (the busiest ones) and clipped at the
    # layer boxes.
    for (i = 1; i <= edgeTotal; ++i) {
        split(edges[i], ends, SUBSEP)
        a = nodeLayer[ends[1]]; b = nodeLayer[ends[2]]
        if (a == b) continue
        pair = a SUBSEP b
        if (!(pair in pairCount)) pairs[++pairTotal] = pair
        pairCount[pair] += edgeCount[edges[i]]
        outOf[pair, ends[1]] += edgeCount[edges[i]]
        into[pair, ends[2]] += edgeCount[edges[i]]
    }
    sortList(pairs, pairTotal)
    if (pairTotal) print ""
    for (i = 1; i <= pairTotal; ++i) {
        pair = pairs[i]
        split(pair, ends, SUBSEP)
        tail = ""; head = ""; best = -1
        for (j = 1; j <= nodeCount; ++j) {
            node = nodes[j]
            if (nodeLayer[node] == ends[1] && !(node in hasOut) && outOf[pair, node] + 0 > best) {
                best = outOf[pair, node] + 0; tail = node
            }
        }
        best = -1
        for (j = 1; j <= nodeCount; ++j) {
            node = nodes[j]
            if (nodeLayer[node] == ends[2] && !(node in hasIn) && into[pair, node] + 0 > best) {
                best = into[pair, node] + 0; head = node
            }
        }
        wrong = rankOf(ends[2]) >= rankOf(ends[1])
        print "    \"" tail "\" -> \"" head "\" [ltail=\"cluster_" ends[1] "\", lhead=\"cluster_" \
              ends[2] "\", penwidth=2.4, color=\"" (wrong ? "red" : "#333333") "\", label=\"  " \
              includes(pairCount[pair]) "\", tooltip=\"" ends[1] "/ -> " ends[2] "/: " \
              includes(pairCount[pair]) "\"]"
        drawn[tail, head] = 1
    }

    # Each layer stands on the next lower one, whether or not it includes from it yet (adapters/
    # between the programs and core/ before it has any sources).
    print ""
    for (i = 1; i <= layerCount; ++i) {
        upper = layerOrder[i]
        below = -1
        for (k = 1; k <= layerCount; ++k) {
            r = rankOf(layerOrder[k])
            if (r < rankOf(upper) && r > below) below = r
        }
        if (below < 0) continue
        for (k = 1; k <= layerCount; ++k) {
            lower = layerOrder[k]
            if (rankOf(lower) != below) continue
            for (j = 1; j <= nodeCount; ++j) {
                tail = nodes[j]
                if (nodeLayer[tail] != upper || (tail in hasOut)) continue
                for (m = 1; m <= nodeCount; ++m) {
                    head = nodes[m]
                    if (nodeLayer[head] != lower || (head in hasIn) || ((tail, head) in drawn))
                        continue
                    print "    \"" tail "\" -> \"" head "\" [style=invis]"
                }
            }
        }
    }
    print "}"
}
'
LC_ALL=C awk -v layerList="${present[*]}" -f scripts/lib/include-paths.awk \
    -f <(printf '%s\n' "$program") "${files[@]}" >"$tmp"

cat "$tmp" >"$dotFile"
echo "render-architecture: wrote $dotFile"
if ((render)); then
    dot -Tsvg "$dotFile" -o "$svgFile"
    echo "render-architecture: wrote $svgFile"
fi
