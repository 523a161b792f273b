#!/usr/bin/env bash
# Packs the example release's RAR volumes in the old naming style (release/demo.rar, demo.r00,
# demo.r01) with the project's test-archive writer: release-content/ plus a folder of small
# generated tiles, so that an installation runs long enough to be watched. Run after changing
# the content.
set -euo pipefail
writer=$(realpath "${1:-$(dirname "$0")/../build/bin/make-test-rar}")
cd "$(dirname "$0")"
content=$(mktemp -d)
trap 'rm -rf "$content"' EXIT
cp -a release-content/. "$content"
mkdir -p "$content/data/tiles"
for i in $(seq -w 1 2400); do
    printf 'PLOVRIN demo tile %s\n%s\n' "$i" "$(printf '%0.s#' $(seq 1 $((10#$i % 60 + 20))))" \
        >"$content/data/tiles/tile$i.txt"
done
rm -f release/demo.rar release/demo.r[0-9][0-9]
"$writer" --rar5 --old-style-names --volume-size 110000 release/demo.rar "$content"
ls -l release/demo.r*
