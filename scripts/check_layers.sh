#!/usr/bin/env bash
# Usage: scripts/check_layers.sh [root]
# Checks every include against the table of allowed dependencies, cmake/dependencies.txt (the
# one the build links by), and that every header compiles on its own, in the repository (or
# the tree under root). Lists each offence as file:line and exits non-zero when there is any.
#   - a file may include only its own folder and the folders the table lets that folder use,
#     directly or through the folders they name; a tests/ folder also what */tests names;
#   - only tests (and programs that may use the scripted desktop) include a tests/ helper;
#   - only folders that may use @qt or @qt-gui (the Qt front end, the program, the tools, their
#     tests) include Qt headers;
#   - every source file lies in a folder of the table;
#   - every header compiles alone, so each says what it needs.
set -uo pipefail

root=${1:-$(dirname "$0")/..}
cd "$root" || exit 2
table=cmake/dependencies.txt
if [[ ! -f $table ]]; then
  echo "check_layers: $table is missing" >&2
  exit 2
fi

# The source files of the tree, as paths from its root; build output and tool folders left out.
sources() {
  find . \( -name .git -o -name 'build' -o -name 'build-*' -o -name 'cmake-build-*' -o -name out \
            -o -name .cache \) -prune \
    -o -type f \( -name '*.h' -o -name '*.hpp' -o -name '*.cpp' -o -name '*.cc' \) -print |
    sed 's|^\./||' | sort
}

# Reads the table, then the files named; lists the offences, and writes the headers that may
# include Qt to the file qt_headers. Exits 1 on any offence, 2 when the table itself is wrong.
check_includes() {
  local qt_headers=$1
  shift
  awk -v table="$table" -v qt_headers="$qt_headers" '
    function fail_table(why) { printf "%s: %s\n", table, why > "/dev/stderr"; table_broken = 1; exit 2 }
    function starts(text, prefix) { return substr(text, 1, length(prefix)) == prefix }
    # Every folder under <folder>, directly or not, into reach[<folder>, <used>].
    function close_over(folder, n, i, j, used, list) {
      if (state[folder] == 2) return
      if (state[folder] == 1) fail_table("the folders use each other in a circle through " folder)
      state[folder] = 1
      n = split(uses[folder], list, " ")
      for (i = 1; i <= n; i++) {
        used = list[i]
        if (!(used in known)) fail_table(folder " uses " used ", which has no line")
        close_over(used)
        reach[folder, used] = 1
        for (j = 1; j <= count; j++) if ((used, order[j]) in reach) reach[folder, order[j]] = 1
      }
      state[folder] = 2
    }
    # The folder of the table a path lies in (its tests/ taken for the folder itself), or "".
    function folder_of(path, i, best) {
      best = ""
      for (i = 1; i <= count; i++)
        if (order[i] !~ /^[@*]/ && starts(path, order[i] "/") && length(order[i]) > length(best)) best = order[i]
      return best
    }
    function without_tests(path) {
      if (starts(path, "tests/")) return substr(path, 7)
      if (match(path, /\/tests\//)) return substr(path, 1, RSTART) substr(path, RSTART + RLENGTH)
      return path
    }
    function is_test_path(path) { return starts(path, "tests/") || path ~ /\/tests\// }
    # May the file of <folder> (a test when <test>) use <used>?
    function may_use(folder, test, used) {
      return used == folder || ((folder, used) in reach) || (test && ((used == "*/tests") || (("*/tests", used) in reach)))
    }
    function offence(why) { printf "%s:%d: %s: %s\n", FILENAME, FNR, why, line; found = 1 }
    BEGIN {
      while ((getline row < table) > 0) {
        sub(/#.*/, "", row)
        n = split(row, field, " ")
        if (n == 0) continue
        if (n < 2) fail_table("\"" row "\" names no library (write - for none)")
        if (field[1] in known) fail_table(field[1] " has two lines")
        known[field[1]] = 1
        order[++count] = field[1]
        uses[field[1]] = ""
        for (i = 3; i <= n; i++) uses[field[1]] = uses[field[1]] " " field[i]
      }
      close(table)
      for (i = 1; i <= count; i++) close_over(order[i])
      printf "" > qt_headers
    }
    FNR == 1 {
      test = is_test_path(FILENAME)
      here = folder_of(without_tests(FILENAME))
      if (here == "") {
        line = "(the file itself)"
        offence("lies in no folder of " table)
      }
      qt = here != "" && (may_use(here, test, "@qt") || may_use(here, test, "@qt-gui"))
      testing = here != "" && (test || may_use(here, test, "platform/testing"))
      if (qt && FILENAME ~ /\.(h|hpp)$/) print FILENAME > qt_headers
    }
    here != "" && match($0, /^[ \t]*#[ \t]*include[ \t]*[<"][^<>"]+[>"]/) {
      line = substr($0, RSTART, RLENGTH)
      sub(/^[ \t]*#[ \t]*include[ \t]*/, "", line)
      angled = substr(line, 1, 1) == "<"
      name = substr(line, 2, length(line) - 2)
      if (angled && name ~ /^(Q[A-Za-z0-9_]*|Qt[A-Za-z0-9_]*\/.*|q[a-z0-9_]*\.h)$/) {
        if (!qt) offence(here " may not include Qt (" table ")")
        next
      }
      used = folder_of(without_tests(name))
      # Not a folder of the table: a header beside the file, or a system one.
      if (used == "") next
      if (is_test_path(name) && !testing) offence("only tests may include a test helper")
      else if (!may_use(here, test, used)) offence(here (test ? "/tests" : "") " may not use " used " (" table ")")
    }
    END { if (table_broken) exit 2; exit found }' "$@"
}

# Compiles one header alone; on failure leaves the compiler's words in <logs>/<n>.log.
compile_header() {
  local header=$1 logs=$2 flags=()
  if grep -qxF -- "$header" "$QT_HEADERS"; then
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
  local qt_headers=$1 logs
  logs=$(mktemp -d) || return 2
  local headers
  headers=$(sources | grep -E '\.(h|hpp)$')
  if [[ -z $headers ]]; then
    rmdir "$logs"
    return 0
  fi
  QT_FLAGS=
  if [[ -s $qt_headers ]]; then
    # Qt6Test too: the Qt layer's test helpers drive widgets with it; PrintSupport for the printer.
    if ! QT_FLAGS=$(pkg-config --cflags Qt6Widgets Qt6PrintSupport Qt6Test); then
      echo "check_layers: pkg-config finds no Qt6Widgets, needed for $(head -1 "$qt_headers")" >&2
      rm -rf "$logs"
      return 2
    fi
  fi
  QT_HEADERS=$qt_headers
  export QT_FLAGS QT_HEADERS
  export -f compile_header
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

qt_headers=$(mktemp) || exit 2
trap 'rm -f "$qt_headers"' EXIT
status=0
mapfile -t files < <(sources)
if [[ ${#files[@]} -gt 0 ]]; then
  check_includes "$qt_headers" "${files[@]}"
  case $? in
    0) ;;
    1) status=1 ;;
    *) exit 2 ;;
  esac
fi
header_offences "$qt_headers" || status=1
if [[ $status -ne 0 ]]; then
  echo "check_layers: the layers are broken, as listed above" >&2
  exit 1
fi
echo "check_layers: every include keeps to $table and every header compiles on its own"
