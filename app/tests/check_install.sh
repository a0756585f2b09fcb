#!/usr/bin/env bash
# Usage: check_install.sh <build-folder>
# Installs the build into a scratch DESTDIR and checks the installed tree (the
# program, its pictures, the toolbar pictures and the help file, the desktop entry and icons), then
# starts the installed program to see it set up the per-user folder from the
# installed pictures without writing into the installed tree.
set -euo pipefail

build_dir=$1
scratch=$(mktemp -d)
pid=
cleanup() {
  if [[ -n $pid ]]; then kill "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true; fi
  rm -rf "$scratch"
}
trap cleanup EXIT

fail() {
  echo "check_install: $*" >&2
  exit 1
}

DESTDIR="$scratch/stage" cmake --install "$build_dir" --prefix /usr >/dev/null
root=$scratch/stage/usr
data=$root/share/pantrivo

[[ -x $root/bin/pantrivo ]] || fail "bin/pantrivo is missing"
[[ $(ls "$root/bin") == pantrivo ]] || fail "bin/ holds more than the program: $(ls "$root/bin")"

pictures=(StartEmblem.jpg)
for number in $(seq 1 16); do pictures+=("WP$number.jpg"); done
for picture in "${pictures[@]}"; do
  [[ -s $data/$picture ]] || fail "share/pantrivo/$picture is missing"
done

# The help file lies with the pictures: the installed program reads it from the
# data folder it is seen below to take its pictures from.
[[ -s $data/Pantrivo.hlp ]] || fail "share/pantrivo/Pantrivo.hlp is missing"
cmp -s "$build_dir/bin/Pantrivo.hlp" "$data/Pantrivo.hlp" || fail "share/pantrivo/Pantrivo.hlp is not the built help file"
grep -q '^# 1000 Program Overview' "$data/Pantrivo.hlp" || fail "share/pantrivo/Pantrivo.hlp lacks the program overview"
cmp -s "$build_dir/bin/Kitchen.dic" "$data/Kitchen.dic" || fail "share/pantrivo/Kitchen.dic is not the kitchen word list"

desktop=$root/share/applications/pantrivo.desktop
[[ -f $desktop ]] || fail "share/applications/pantrivo.desktop is missing"
desktop-file-validate "$desktop" || fail "pantrivo.desktop is not a valid desktop entry"
for line in Name=Pantrivo Exec=pantrivo Icon=pantrivo Terminal=false; do
  grep -qx "$line" "$desktop" || fail "pantrivo.desktop lacks $line"
done

# A PNG's width and height are the big-endian words at bytes 16 and 20.
png_size() {
  local bytes
  bytes=($(od -An -v -tu1 -j16 -N8 "$1"))
  echo "$(( (bytes[0] << 24) + (bytes[1] << 16) + (bytes[2] << 8) + bytes[3] ))x$(( (bytes[4] << 24) + (bytes[5] << 16) + (bytes[6] << 8) + bytes[7] ))"
}
for size in 48 64 128 256; do
  icon=$root/share/icons/hicolor/${size}x${size}/apps/pantrivo.png
  [[ -f $icon ]] || fail "the ${size}x${size} icon is missing"
  [[ $(png_size "$icon") == "${size}x${size}" ]] || fail "the ${size}x${size} icon is $(png_size "$icon")"
done

# The toolbar pictures: where the installed program looks for them (its data
# folder's toolbar/), each as the build painted it, and no others.
built_toolbar=$build_dir/bin/toolbar
[[ -d $built_toolbar ]] || fail "the build painted no toolbar pictures into $built_toolbar"
[[ $(ls "$built_toolbar") == "$(ls "$data/toolbar" 2>/dev/null)" ]] || fail "share/pantrivo/toolbar does not hold the build's toolbar pictures"
for built in "$built_toolbar"/*.png; do
  installed=$data/toolbar/${built##*/}
  cmp -s "$built" "$installed" || fail "share/pantrivo/toolbar/${built##*/} differs from the build's"
  [[ $(png_size "$installed") == 24x24 ]] || fail "share/pantrivo/toolbar/${built##*/} is $(png_size "$installed")"
done

# Run with a writable bin folder, as root would: the per-user folder is still the one used.
tree_before=$(cd "$root" && find . | sort)
user=$scratch/data/Pantrivo
HOME=$scratch/home XDG_DATA_HOME=$scratch/data QT_QPA_PLATFORM=offscreen "$root/bin/pantrivo" >/dev/null 2>&1 &
pid=$!
copied() {
  local picture
  for picture in "${pictures[@]}"; do
    cmp -s "$data/$picture" "$user/$picture" || return 1
  done
}
for _ in $(seq 100); do
  copied && break
  kill -0 "$pid" 2>/dev/null || fail "the installed program ended early"
  sleep 0.1
done
copied || fail "the installed program did not copy its pictures into $user"
[[ $(cd "$root" && find . | sort) == "$tree_before" ]] || fail "the installed program wrote into the installed tree"
echo "check_install: the installed tree and its first start are as they should be"
