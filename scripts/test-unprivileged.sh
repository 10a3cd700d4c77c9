#!/usr/bin/env bash
# SPDX-License-Identifier: AGPL-3.0-or-later
# Runs the tests whose outcome depends on permissions as the unprivileged user `nobody`.
#
# CI runs as root, and root writes into any folder and over any file, so a writer that replaces
# what it may not, or a message for "no permission" that never shows, passes there unnoticed.
# The same test binaries run here once more as an ordinary user: the file writer's tests (their
# files go under TMPDIR) and the command-line program's --output cases, batches included.
#
# Usage: scripts/test-unprivileged.sh [BUILD_DIR]   (default: build; the tests must be built)
# Needs root (to change user) and setpriv from util-linux. Run without root, it runs the same
# binaries as the calling user, who is unprivileged already.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=$(realpath "${1:-build}")

binaries=("$build_dir/tests/adapters/zodrivel_adapters_tests"
          "$build_dir/tests/cli/zodrivel_cli_tests")
filters=("*" "Cli.Output*:BatchTest.Output*")
for binary in "${binaries[@]}"; do
    if [[ ! -x $binary ]]; then
        echo "test-unprivileged: $binary is missing; build the tests first" >&2
        exit 2
    fi
done

as_user=()
if ((EUID == 0)); then
    user=nobody
    group=$(id -gn "$user")
    as_user=(setpriv --reuid="$user" --regid="$group" --clear-groups)
    # The build tree lies under the clone, which may sit in a folder only root may enter: each
    # folder on the way to a binary needs o+x, the binaries (and the CLI they start) o+rx.
    needed=("${binaries[@]}" "$build_dir/cli/zodrivel-cli")
    for file in "${needed[@]}"; do
        if ! "${as_user[@]}" test -x "$file"; then
            chmod o+rx "$file"
            folder=$(dirname "$file")
            while [[ $folder != / ]]; do
                if [[ $(stat -c %A "$folder") != *x ]]; then
                    echo "test-unprivileged: chmod o+x $folder, so that $user can reach the tests"
                    chmod o+x "$folder"
                fi
                folder=$(dirname "$folder")
            done
        fi
    done
fi

# A private temporary folder of the user's own; the tests put their files there.
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
if ((EUID == 0)); then chown "$user:$group" "$scratch"; fi
chmod 700 "$scratch"

status=0
for i in "${!binaries[@]}"; do
    echo "test-unprivileged: ${binaries[i]##*/} as $(${as_user[@]+"${as_user[@]}"} id -un)"
    if ! ${as_user[@]+"${as_user[@]}"} env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin \
            HOME="$scratch" TMPDIR="$scratch" \
            "${binaries[i]}" --gtest_filter="${filters[i]}" --gtest_brief=1; then
        status=1
    fi
done
exit "$status"
