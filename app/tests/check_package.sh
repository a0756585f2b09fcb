#!/usr/bin/env bash
# Usage: check_package.sh <build-folder>
# Builds the Debian package from the build into a scratch folder and checks it: its control
# fields (name, version, the packages the program needs to run) and its files, unpacked into
# a scratch root (the program, its pictures, toolbar pictures and help file, the desktop entry
# and icons), each as the build made it; then starts the unpacked program.
set -euo pipefail

build_dir=$(cd "$1" && pwd)
scratch=$(mktemp -d)
pid=
cleanup() {
  if [[ -n $pid ]]; then kill "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true; fi
  rm -rf "$scratch"
}
trap cleanup EXIT

fail() {
  echo "check_package: $*" >&2
  exit 1
}

(cd "$scratch" && cpack -G DEB --config "$build_dir/CPackConfig.cmake" -B "$scratch/out" >"$scratch/cpack.log" 2>&1) ||
  { cat "$scratch/cpack.log" >&2; fail "cpack could not build the package"; }
packages=("$scratch"/out/pantrivo_*.deb)
[[ ${#packages[@]} -eq 1 && -f ${packages[0]} ]] || fail "cpack made no single pantrivo_*.deb: $(ls "$scratch/out")"
deb=${packages[0]}

field() { dpkg-deb -f "$deb" "$1"; }
[[ $(field Package) == pantrivo ]] || fail "the package is named $(field Package)"
[[ $(field Architecture) == "$(dpkg --print-architecture)" ]] || fail "the package is for $(field Architecture)"
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:[A-Z]*=//p' "$build_dir/CMakeCache.txt")
[[ $(field Version) == "$version" ]] || fail "the package's version is $(field Version), not $version"
[[ -n $(field Maintainer) && -n $(field Description) ]] || fail "the package lacks a maintainer or a description"

# Each package the program needs to run is a dependency of its own (not part of another's name).
depends=$(field Depends)
for needed in libqt6core6 libqt6gui6 libqt6widgets6 libqt6printsupport6 qt6-qpa-plugins \
  libhunspell-1.7-0 hunspell-en-us fonts-liberation2 fonts-dejavu-core; do
  grep -Eq "(^|, )$needed( \(|,|$)" <<<"$depends" || fail "Depends lacks $needed: $depends"
done
twice=$(sed 's/ ([^)]*)//g; s/, /\n/g' <<<"$depends" | sort | uniq -d)
[[ -z $twice ]] || fail "Depends names a package twice ($twice): $depends"

# Everything lies under /usr, owned by root.
listing=$(dpkg-deb -c "$deb")
outside=$(awk '$6 !~ /^\.\/(usr\/.*)?$/ { print $6 }' <<<"$listing")
[[ -z $outside ]] || fail "the package places files outside /usr: $outside"
owners=$(awk '$2 != "root/root" { print $6 }' <<<"$listing")
[[ -z $owners ]] || fail "files not owned by root: $owners"

root=$scratch/root
dpkg-deb -x "$deb" "$root"
usr=$root/usr
data=$usr/share/pantrivo
[[ -x $usr/bin/pantrivo ]] || fail "usr/bin/pantrivo is missing or cannot run"
[[ $(ls "$usr/bin") == pantrivo ]] || fail "usr/bin holds more than the program: $(ls "$usr/bin")"

# The data files are those of make install, byte for byte: the pictures and help file the
# build placed beside the program, and its toolbar pictures.
for built in "$build_dir"/bin/WP*.jpg "$build_dir/bin/StartEmblem.jpg" "$build_dir/bin/Pantrivo.hlp"; do
  cmp -s "$built" "$data/${built##*/}" || fail "usr/share/pantrivo/${built##*/} is missing or differs from the build's"
done
[[ $(ls "$build_dir/bin/toolbar") == "$(ls "$data/toolbar" 2>/dev/null)" ]] ||
  fail "usr/share/pantrivo/toolbar does not hold the build's toolbar pictures"
for built in "$build_dir"/bin/toolbar/*.png; do
  cmp -s "$built" "$data/toolbar/${built##*/}" || fail "usr/share/pantrivo/toolbar/${built##*/} differs from the build's"
done

desktop=$usr/share/applications/pantrivo.desktop
[[ -f $desktop ]] || fail "usr/share/applications/pantrivo.desktop is missing"
desktop-file-validate "$desktop" || fail "pantrivo.desktop is not a valid desktop entry"
for size in 48 64 128 256; do
  icon=usr/share/icons/hicolor/${size}x${size}/apps/pantrivo.png
  cmp -s "$build_dir/tools/wallpapers/icons/hicolor/${size}x${size}/apps/pantrivo.png" "$root/$icon" ||
    fail "$icon is missing or differs from the build's"
done

# The packaged program is stripped, but it is still the program: started from the unpacked
# tree, it sets up its per-user folder from the packaged pictures.
user=$scratch/data/Pantrivo
HOME=$scratch/home XDG_DATA_HOME=$scratch/data QT_QPA_PLATFORM=offscreen "$usr/bin/pantrivo" >/dev/null 2>&1 &
pid=$!
copied() {
  local picture
  for picture in "$data"/WP*.jpg "$data/StartEmblem.jpg"; do
    cmp -s "$picture" "$user/${picture##*/}" || return 1
  done
}
for _ in $(seq 100); do
  copied && break
  kill -0 "$pid" 2>/dev/null || fail "the packaged program ended early"
  sleep 0.1
done
copied || fail "the packaged program did not set up $user from its pictures"
echo "check_package: $(basename "$deb") holds the installed tree and names what the program needs"
