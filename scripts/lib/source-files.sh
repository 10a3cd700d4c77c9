# SPDX-License-Identifier: AGPL-3.0-or-later
# Sourced by the checking scripts: fills the array `files` with the project's C++ sources
# (*.cpp, *.h, *.h.in), relative to the repository root, which must be the current folder.
# In a git checkout these are the tracked files still present in the working tree; a source
# archive without its history is walked instead, build folders and hidden ones left out.
files=()
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    while IFS= read -r -d '' f; do
        # A file deleted in the working tree but not yet in the index has nothing to check.
        if [[ -f $f ]]; then files+=("$f"); fi
    done < <(git ls-files -z -- '*.cpp' '*.h' '*.h.in')
else
    while IFS= read -r -d '' f; do
        files+=("${f#./}")
    done < <(find . \( -path './build*' -o -path './.*' \) -prune -o -type f \
                  \( -name '*.cpp' -o -name '*.h' -o -name '*.h.in' \) -print0)
fi
