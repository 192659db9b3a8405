#!/usr/bin/env bash
# The engine must build and test without Qt; fail when one of its files reaches for it.
set -euo pipefail
cd "$(dirname "$0")/.."
engine=()
for folder in src/core src/layouts src/play src/variants src/game; do
    [ -d "$folder" ] && engine+=("$folder")
done
hits=$(grep -rnE '#\s*include\s*[<"]Q|\bQ[A-Z][A-Za-z]+\b' "${engine[@]}" || true)
if [ -n "$hits" ]; then
    echo "The engine must stay free of Qt:"
    echo "$hits"
    exit 1
fi
