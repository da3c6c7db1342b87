#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Marks every tracked source, CMake, shell and Python file as MIT-licensed with an SPDX line: first
# line of the file, or right after a "#!" line, which must stay first. A file that already has the
# line in its first two lines is left as it is, so running this again changes nothing.
set -euo pipefail
cd "$(git -C "$(dirname "$0")" rev-parse --show-toplevel)"

readonly kId='SPDX-License-Identifier: MIT'

# The comment that starts a line in a file of this name, or nothing for a file we don't mark.
CommentFor() {
    case "$1" in
        *.cpp | *.h) echo '//' ;;
        *.cmake | */CMakeLists.txt | CMakeLists.txt | *.sh | *.py) echo '#' ;;
        *) if head -c 2 "$1" | grep -q '^#!'; then echo '#'; fi ;;
    esac
}

changed=0
while IFS= read -r -d '' file; do
    [[ -f "$file" && ! -L "$file" ]] || continue
    comment=$(CommentFor "$file")
    [[ -n "$comment" ]] || continue
    head -n 2 "$file" | grep -qF "$kId" && continue
    line="$comment $kId"
    tmp=$(mktemp "$file.spdx.XXXXXX")
    if head -c 2 "$file" | grep -q '^#!'; then
        { head -n 1 "$file"; printf '%s\n' "$line"; tail -n +2 "$file"; } >"$tmp"
    else
        { printf '%s\n' "$line"; cat "$file"; } >"$tmp"
    fi
    chmod --reference="$file" "$tmp"
    mv "$tmp" "$file"
    changed=$((changed + 1))
done < <(git ls-files -z)
echo "SPDX line added to $changed file(s)"
