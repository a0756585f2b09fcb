#!/usr/bin/env bash
# Usage: scripts/configure.sh <build-folder> [-DNAME=VALUE ...]
# Runs the CMake configure step only when the build folder has no build system yet
# or its cache lacks one of the requested settings. Later changes to the CMake files
# are picked up by the build itself, which re-runs CMake when it needs to.
# The build uses Ninja when it is installed (or the generator named by CMAKE_GENERATOR);
# a folder built before with another generator is configured afresh, keeping its program folder.
set -euo pipefail

cd "$(dirname "$0")/.."
build_dir=$1
shift

if [[ -n ${CMAKE_GENERATOR:-} ]]; then
  generator=$CMAKE_GENERATOR
elif command -v ninja >/dev/null 2>&1; then
  generator=Ninja
else
  generator="Unix Makefiles"
fi

# True when the cache holds NAME:<type>=VALUE.
cache_has() {
  awk -v name="$2" -v value="$3" '
    { key = substr($0, 1, index($0, "=") - 1); sub(/:.*/, "", key) }
    key == name && substr($0, index($0, "=") + 1) == value { found = 1 }
    END { exit found ? 0 : 1 }' "$1"
}

needs_configure() {
  local cache="$build_dir/CMakeCache.txt"
  [[ -f "$cache" ]] || return 0
  [[ -f "$build_dir/Makefile" || -f "$build_dir/build.ninja" ]] || return 0
  local setting name value
  for setting in "$@"; do
    setting=${setting#-D}
    name=${setting%%=*}
    name=${name%%:*}
    value=${setting#*=}
    cache_has "$cache" "$name" "$value" || return 0
  done
  return 1
}

cache="$build_dir/CMakeCache.txt"
if [[ -f "$cache" ]] && ! cache_has "$cache" CMAKE_GENERATOR "$generator"; then
  # CMake cannot switch a folder's generator: drop the cache and CMake's own files (--fresh),
  # and the other generator's top build file, so nothing stale is left to run.
  echo "configure: $build_dir was set up for another generator; configuring it afresh for $generator"
  rm -f "$build_dir/Makefile" "$build_dir/build.ninja" "$build_dir/.ninja_log" "$build_dir/.ninja_deps"
  cmake --fresh -S . -B "$build_dir" -G "$generator" "$@"
elif needs_configure "$@"; then
  cmake -S . -B "$build_dir" -G "$generator" "$@"
fi
