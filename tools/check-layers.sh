#!/usr/bin/env bash
# Every folder of src/ may include only itself and the folders below it. An include that
# runs up (or sideways between render/ and media/) fails the test run and is listed.
# Usage: check-layers.sh [source folder]   (default: the project's src/)
set -euo pipefail
src=${1:-"$(dirname "$0")/../src"}

# What each folder may include, itself first.
declare -A allowed=(
    [core]="core"
    [layouts]="layouts core"
    [play]="play layouts core"
    [variants]="variants play layouts core"
    [game]="game variants play layouts core"
    [render]="render game variants play layouts core"
    [media]="media game variants play layouts core"
    [snapshot]="snapshot render game variants play layouts core"
    [app]="app render media game variants play layouts core"
)

failed=0
for folder in "$src"/*/; do
    name=$(basename "$folder")
    if [ -z "${allowed[$name]+set}" ]; then
        echo "src/$name/ has no place in the layers: add it to $(basename "$0")"
        failed=1
        continue
    fi
    while IFS= read -r hit; do
        target=$(sed -E 's/.*#\s*include\s*"([a-z_]+)\/.*/\1/' <<<"$hit")
        if [[ " ${allowed[$name]} " != *" $target "* ]]; then
            echo "src/$name/ must not include $target/: ${hit#"$src"/}"
            failed=1
        fi
    done < <(grep -rnE '#\s*include\s*"[a-z_]+/' "$folder" || true)
done
if [ "$failed" -ne 0 ]; then
    echo "The layers, bottom to top: core, layouts, play, variants, game; then render and media; then snapshot and app."
    exit 1
fi
