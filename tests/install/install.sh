#!/usr/bin/env bash
# The installed game: `cmake --install` into a fresh prefix gives a game that finds
# its data there, a desktop entry and a software-centre description that their
# validators accept, and icons of every size; the installed game starts from its
# prefix, draws its splash from the installed data, and writes nothing under the prefix.
#   install.sh BUILD_DIR QUELLOW_DEV
set -euo pipefail
build="$1"
dev="$2"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix="$work/prefix"
user="$work/user"
mkdir -p "$user"
fail() { echo "FAILED: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" >/dev/null
[ -x "$prefix/bin/quellow" ] || fail "no bin/quellow"
[ -f "$prefix/share/quellow/Texts/_settings.txt" ] || fail "no data in share/quellow"
[ ! -e "$prefix/share/quellow/quellow" ] || fail "the executable was copied with the data"

desktop-file-validate "$prefix/share/applications/quellow.desktop" || fail "desktop entry"
grep -q '^Categories=Game;LogicGame;$' "$prefix/share/applications/quellow.desktop" || fail "categories"
appstreamcli validate --no-net "$prefix/share/metainfo/io.github.quellow.Quellow.metainfo.xml" || fail "metainfo"

# Every icon is a PNG of its size (width and height are big-endian at bytes 16 and 20).
for size in 16 22 24 32 48 64 128 256; do
  icon="$prefix/share/icons/hicolor/${size}x${size}/apps/quellow.png"
  [ -f "$icon" ] || fail "no icon of ${size}"
  [ "$(head -c 8 "$icon" | od -An -tx1 | tr -d ' \n')" = "89504e470d0a1a0a" ] || fail "icon ${size} is no PNG"
  read -r w h < <(od -An -j16 -N8 -tu1 "$icon" | awk '{print $1*16777216+$2*65536+$3*256+$4, $5*16777216+$6*65536+$7*256+$8}')
  [ "$w" = "$size" ] && [ "$h" = "$size" ] || fail "icon ${size} is ${w}x${h}"
done

# Nothing may change under the prefix while the game runs (it may be read-only).
find "$prefix" -printf '%p %s %T@\n' | sort >"$work/before"

# The installed game runs from its prefix without a display, through its logos
# (about 13 s at 33 frames a second) into the splash, and closes when told to.
status=0
XDG_DATA_HOME="$user" SDL_VIDEODRIVER=offscreen SDL_AUDIODRIVER=dummy \
  timeout -s TERM 15 "$prefix/bin/quellow" >"$work/out" 2>&1 || status=$?
[ "$status" = 124 ] || { cat "$work/out"; fail "the installed game ended by itself (status $status)"; }
[ ! -s "$work/out" ] || { cat "$work/out"; fail "the installed game reported problems"; }
[ -n "$(ls -A "$user/Quellow" 2>/dev/null)" ] || fail "the game kept nothing in its save folder"

# The installed data draws the splash exactly as the build's own data does: the
# developer tool steps the game on each to the same frame.
export SDL_AUDIODRIVER=dummy
"$dev" capture --data "$prefix/share/quellow" --user "$work/user2" --frames 420 --out "$work/installed.png" >/dev/null 2>&1 ||
  fail "the installed data does not start"
"$dev" capture --data "$(cd "$build/game" && pwd)" --frames 420 --out "$work/built.png" >/dev/null 2>&1 ||
  fail "the build's data does not start"
cmp -s "$work/installed.png" "$work/built.png" || fail "the installed game's splash differs from the build's"

find "$prefix" -printf '%p %s %T@\n' | sort >"$work/after"
diff "$work/before" "$work/after" || fail "the game wrote under its prefix"
echo "installed game: ok"
