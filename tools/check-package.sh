#!/usr/bin/env bash
# Checks the desktop entry and the metainfo, builds the .deb from a built tree, unpacks it
# into a temporary root and starts the installed program once, as a player would: it must
# find its data there and write its settings to the XDG folder, not beside the data.
#   tools/check-package.sh [BUILD-DIR]      (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath "${1:-build}")
desktop=data/desktop

desktop-file-validate "$desktop/io.github.ribaku.Ribaku.desktop"
appstreamcli validate --no-net "$desktop/io.github.ribaku.Ribaku.metainfo.xml"

rm -rf "$build/package"
cpack --config "$build/CPackConfig.cmake" -B "$build/package" >/dev/null
deb=$(echo "$build"/package/ribaku_*.deb)
echo "Package: $(basename "$deb"), $(du -k "$deb" | cut -f1) KiB"
echo "Depends: $(dpkg-deb -f "$deb" Depends)"

root=$(mktemp -d)
trap 'chmod -R u+w "$root"; rm -rf "$root"' EXIT
dpkg -x "$deb" "$root/install"
home="$root/home"
mkdir -p "$home"
# The installed folders belong to the system: an ordinary user cannot write them.
as_player=()
if [ "$(id -u)" -eq 0 ]; then
    chown nobody: "$root" "$home"
    as_player=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
else
    chmod -R a-w "$root/install"
fi

find "$root/install" | sort >"$root/shipped"
env HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_DATA_HOME="$home/.local/share" \
    QT_QPA_PLATFORM=offscreen "${as_player[@]}" "$root/install/usr/bin/ribaku" &
pid=$!
sleep 2
kill -TERM "$pid"
# A message box (a file it could not write) would hold it open: ten seconds at most.
for _ in $(seq 100); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
if kill -0 "$pid" 2>/dev/null; then
    kill -KILL "$pid"
    echo "The installed program did not end on a quit signal" >&2
    exit 1
fi
wait "$pid"

# The settings are written only after a start that found its layouts and music.
for file in Ribaku.ini Hallfame.ini; do
    if [ ! -f "$home/.config/ribaku/$file" ]; then
        echo "The installed program wrote no $file to \$XDG_CONFIG_HOME/ribaku" >&2
        exit 1
    fi
done
if ! find "$root/install" | sort | cmp -s - "$root/shipped"; then
    echo "The installed program wrote into its own folders" >&2
    exit 1
fi
echo "The installed program found its data and kept its settings in \$XDG_CONFIG_HOME."
