#!/usr/bin/env bash
# Prints the table of template versions that src/common/templates.cpp keeps:
# one line for every version of each template that the history of REV
# (default HEAD) holds, oldest first, with the commit that brought it.
# After changing a template, commit the change, run this, and paste the
# template's new line into kShippedVersions; --update then knows the version
# it replaces when the template changes again.
#
# A version is known by the digest of its parts, not of its zip: the build's
# zip carries the times at which the parts were checked out and read, and the
# owner of the checkout, so no two builds make the same bytes. The digest is
# the SHA-256 of the lines "<SHA-256 of the part>  <part name>", one per part,
# sorted by name (what `sha256sum` prints), each ending in a newline.
# Usage: scripts/template-digests.sh [REV]
set -euo pipefail
cd "$(dirname "$0")/.."
rev=${1:-HEAD}
export LC_ALL=C

# The digest of the template folder of one commit, read from git alone.
digest() {
    git ls-tree -r -z "$1" | while IFS= read -r -d '' entry; do
        local blob=${entry#* blob }
        blob=${blob%%$'\t'*}
        printf '%s  %s\n' "$(git cat-file blob "$blob" | sha256sum | cut -d' ' -f1)" "${entry#*$'\t'}"
    done | sort -k2 | sha256sum | cut -d' ' -f1
}

commits=$(git log --reverse --date-order --format='%H %h %cs' "$rev")
git ls-tree --name-only "$rev" templates/ | while IFS= read -r dir; do
    name=${dir#templates/}
    declare -A seen=()
    # Each commit, oldest first, beside the tree its template folder had.
    cut -d' ' -f1 <<<"$commits" | sed "s|\$|:$dir|" | git cat-file --batch-check='%(objectname) %(objecttype)' |
        paste -d' ' - <(cat <<<"$commits") | while read -r tree type _ short day; do
            [[ $type == tree && -z ${seen[$tree]:-} ]] || continue
            seen[$tree]=1
            printf '    {"%s", "%s"}, // %s %s\n' "$name" "$(digest "$tree")" "$day" "$short"
        done
done
