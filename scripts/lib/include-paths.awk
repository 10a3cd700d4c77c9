# SPDX-License-Identifier: AGPL-3.0-or-later
# Paths of included files as scripts/check-layers.sh and scripts/render-architecture.sh judge
# them: one definition of a file's layer and folder, so the check and the picture agree.

function topOf(path,    i) {
    i = index(path, "/")
    return i ? substr(path, 1, i - 1) : ""
}

# The folder a file belongs to for the include graph: the first subfolder under core/ and
# desktop/ ("core/time"), otherwise the top-level folder. A file directly in desktop/ is a node
# of its own.
function domainOf(path,    parts, n) {
    n = split(path, parts, "/")
    if ((parts[1] == "core" || parts[1] == "desktop") && n > 2) return parts[1] "/" parts[2]
    return parts[1]
}

# "a/b/../c/./d.h" -> "a/c/d.h", for includes written relative to the including file.
function normalised(path,    parts, n, i, out, depth, result) {
    n = split(path, parts, "/")
    depth = 0
    for (i = 1; i <= n; ++i) {
        if (parts[i] == "" || parts[i] == ".") continue
        if (parts[i] == "..") { if (depth > 0) --depth; continue }
        out[++depth] = parts[i]
    }
    result = ""
    for (i = 1; i <= depth; ++i) result = result (i > 1 ? "/" : "") out[i]
    return result
}

# The include of a line "#include <x>" or "#include "x"": sets incOpener to "<" or "\"" and
# returns x, or returns "" when the line includes nothing (an unclosed include included).
function includeOf(line,    rest, closer, stop) {
    if (line !~ /^[ \t]*#[ \t]*include[ \t]*[<"]/) return ""
    sub(/^[ \t]*#[ \t]*include[ \t]*/, "", line)
    incOpener = substr(line, 1, 1)
    closer = incOpener == "<" ? ">" : "\""
    rest = substr(line, 2)
    stop = index(rest, closer)
    return stop ? substr(rest, 1, stop - 1) : ""
}
