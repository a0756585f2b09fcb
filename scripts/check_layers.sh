#!/usr/bin/env bash
# Usage: scripts/check_layers.sh [root]
# Checks the includes against the layers and that every header compiles on its own,
# in the repository (or the tree under root). Lists each offence as file:line and
# exits non-zero when there is any.
#   - platform/ never includes a subsystem (nor app/ or tools/);
#   - platform/basic/ includes no other part of the platform, platform/ui/ only basic/;
#   - only platform/qt/ (and its tests), app/, tools/ and bench/ include Qt headers;
#   - a subsystem's own code never includes the Qt front end or the test desktop;
#   - every header compiles alone, so each says what it needs.
set -uo pipefail

root=${1:-$(dirname "$0")/..}
cd "$root" || exit 2

subsystems="shell recipes recipe_search shopping menu_planner food_storage printing reference backup"
# Qt may show up only here; the Qt layer's tests live beside the other platform tests, and the
# benchmarks measure Qt's painting too.
qt_folders="platform/qt/ platform/tests/qt/ app/ tools/ bench/"

# The source files of the tree, as paths from its root; build output and tool folders left out.
sources() {
  find . \( -name .git -o -name 'build' -o -name 'build-*' -o -name 'cmake-build-*' -o -name out \
            -o -name .cache \) -prune \
    -o -type f \( -name '*.h' -o -name '*.hpp' -o -name '*.cpp' -o -name '*.cc' \) -print |
    sed 's|^\./||' | sort
}

in_qt_folder() {
  local folder
  for folder in $qt_folders; do
    [[ $1 == "$folder"* ]] && return 0
  done
  return 1
}

layer_offences() {
  sources | tr '\n' '\0' | xargs -0 -r awk -v subsystems="$subsystems" -v qt_folders="$qt_folders" '
    BEGIN {
      n = split(subsystems, list, " ")
      for (i = 1; i <= n; i++) subsystem[list[i]] = 1
      m = split(qt_folders, qt, " ")
    }
    function offence(why) { printf "%s:%d: %s: %s\n", FILENAME, FNR, why, line; found = 1 }
    function starts(text, prefix) { return substr(text, 1, length(prefix)) == prefix }
    match($0, /^[ \t]*#[ \t]*include[ \t]*[<"][^<>"]+[>"]/) {
      line = substr($0, RSTART, RLENGTH)
      sub(/^[ \t]*#[ \t]*include[ \t]*/, "", line)
      angled = substr(line, 1, 1) == "<"
      name = substr(line, 2, length(line) - 2)
      split(name, part, "/")
      top = part[1]
      split(FILENAME, here, "/")

      if (starts(FILENAME, "platform/") && ((top in subsystem) || top == "app" || top == "tools"))
        offence("the platform may not include a subsystem")
      if (starts(FILENAME, "platform/basic/") && top == "platform" && !starts(name, "platform/basic/"))
        offence("platform/basic may include only itself")
      if (starts(FILENAME, "platform/ui/") && top == "platform" &&
          !starts(name, "platform/basic/") && !starts(name, "platform/ui/"))
        offence("platform/ui may include only platform/basic and itself")
      if (angled && name ~ /^(Q[A-Za-z0-9_]*|Qt[A-Za-z0-9_]*\/.*|q[a-z0-9_]*\.h)$/) {
        allowed = 0
        for (i = 1; i <= m; i++) if (starts(FILENAME, qt[i])) allowed = 1
        if (!allowed) offence("only platform/qt, app, tools and bench may include Qt")
      }
      if ((here[1] in subsystem) && FILENAME !~ /\/tests\// &&
          (starts(name, "platform/qt/") || starts(name, "platform/testing/")))
        offence("a subsystem may not include the Qt front end or the test desktop")
    }
    END { exit found }'
}

# Compiles one header alone; on failure leaves the compiler's words in <logs>/<n>.log.
compile_header() {
  local header=$1 logs=$2 flags=()
  if in_qt_folder "$header"; then
    # Qt refuses position-independent executables: compile as for a library.
    read -r -a flags <<<"$QT_FLAGS -fPIC"
  fi
  # Errors only: the compiler warns of any header compiled as a main file.
  local output
  if ! output=$("${CXX:-g++}" -std=c++20 -fsyntax-only -w -x c++ -I. "${flags[@]}" "$header" 2>&1); then
    printf '%s:1: does not compile on its own\n%s\n' "$header" "$output" >"$logs/$(echo "$header" | tr / _).log"
  fi
}

header_offences() {
  local logs
  logs=$(mktemp -d) || return 2
  local headers
  headers=$(sources | grep -E '\.(h|hpp)$')
  if [[ -z $headers ]]; then
    rmdir "$logs"
    return 0
  fi
  QT_FLAGS=
  local header
  for header in $headers; do
    if in_qt_folder "$header"; then
      # Qt6Test too: the Qt layer's test helpers drive widgets with it; PrintSupport for the printer.
      if ! QT_FLAGS=$(pkg-config --cflags Qt6Widgets Qt6PrintSupport Qt6Test); then
        echo "check_layers: pkg-config finds no Qt6Widgets, needed for $header" >&2
        rm -rf "$logs"
        return 2
      fi
      break
    fi
  done
  export QT_FLAGS qt_folders
  export -f compile_header in_qt_folder
  echo "$headers" | tr '\n' '\0' |
    xargs -0 -P "$(nproc 2>/dev/null || echo 2)" -I{} bash -c 'compile_header "$1" "$2"' _ {} "$logs"
  local status=0
  if compgen -G "$logs/*.log" >/dev/null; then
    cat "$logs"/*.log
    status=1
  fi
  rm -rf "$logs"
  return $status
}

status=0
layer_offences || status=1
header_offences || status=1
if [[ $status -ne 0 ]]; then
  echo "check_layers: the layers are broken, as listed above" >&2
  exit 1
fi
echo "check_layers: every include keeps to its layer and every header compiles on its own"
