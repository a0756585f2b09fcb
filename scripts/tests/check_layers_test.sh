#!/usr/bin/env bash
# Usage: check_layers_test.sh <check_layers.sh>
# Runs the layer check on two small trees with a small dependency table: one that keeps every
# rule (with the includes most like an offence), which must pass, and the same tree with one
# offence of each kind, each of which must be listed by its file and line.
set -euo pipefail

check=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

fail() {
  echo "check_layers_test: $*" >&2
  exit 1
}

# put <tree> <path> <line>...: writes one file of a tree.
put() {
  local tree=$1 path=$2
  shift 2
  mkdir -p "$tree/$(dirname "$path")"
  printf '%s\n' "$@" >"$tree/$path"
}

good=$scratch/good
put "$good" cmake/dependencies.txt '# folder library uses' \
  '@qt Qt6::Widgets' \
  'platform/basic pantrivo_basic' \
  'platform/ui pantrivo_ui platform/basic' \
  'platform pantrivo_runtime platform/ui  # the runtime' \
  'platform/qt pantrivo_qt platform @qt' \
  'platform/testing pantrivo_testing platform' \
  'shell pantrivo_shell platform' \
  'recipes/store pantrivo_recipe_store platform' \
  'recipes pantrivo_recipes recipes/store shell' \
  'app pantrivo recipes platform/qt' \
  'tools - @qt' \
  '*/tests - platform/testing'
put "$good" platform/basic/text.h '#pragma once' '#include <queue>' '#include <string>' 'std::string Trim(std::string);'
put "$good" platform/ui/form.h '#pragma once' '#include "platform/basic/text.h"' '// #include <QWidget> belongs in platform/qt'
put "$good" platform/runtime.h '#pragma once' '#include "platform/ui/form.h"'
put "$good" platform/testing/desktop.h '#pragma once' '#include "platform/runtime.h"'
put "$good" platform/qt/window.h '#pragma once' '#include <QWidget>' '#include "platform/runtime.h"' \
  'inline QWidget* NoWindow() { return nullptr; }'
put "$good" shell/start.h '#pragma once' '#include "platform/runtime.h"'
put "$good" shell/tests/fixture.h '#pragma once' '#include "platform/testing/desktop.h"'
put "$good" app/main.cpp '#include <QApplication>' '#include "platform/qt/window.h"' '#include "shell/start.h"'
put "$good" recipes/store/recipe_record.h '#pragma once' '#include "platform/basic/text.h"'
put "$good" recipes/window.cpp '#include "recipes/store/recipe_record.h"' '#include "shell/start.h"' '#include "window_parts.h"'
put "$good" recipes/window_parts.h '#pragma once'
put "$good" recipes/tests/window_test.cpp '#include "shell/tests/fixture.h"' '#include "recipes/window.h"' \
  '#include "platform/testing/desktop.h"'
put "$good" tools/painter/main.cpp '#include <QPainter>' '#include "painters.h"'
# Build output is not the repository's.
put "$good" build-asan/stale.h '#include <QWidget>' 'not C++'

output=$(bash "$check" "$good" 2>&1) || fail "a tree that keeps the rules fails:"$'\n'"$output"

bad=$scratch/bad
cp -r "$good" "$bad"
expected=()
# offence <path> <line>...: plants a file whose last line breaks a rule.
offence() {
  put "$bad" "$@"
  expected+=("$1:$(($# - 1)):")
}
offence platform/program_location.cpp '#include "platform/runtime.h"' '#include "shell/start.h"'
offence platform/ui/control.h '#pragma once' '#include "platform/runtime.h"'
offence platform/ui/clock_use.cpp '#include "platform/services/clock.h"'
offence platform/ui/test_use.cpp '#include "platform/testing/desktop.h"'
offence platform/basic/form_use.cpp '#include "platform/ui/form.h"'
offence platform/basic/qt_use.cpp '#include "platform/qt/window.h"'
offence shell/startfrm.cpp '#include "shell/start.h"' '#include <QWidget>'
offence shell/about.cpp '#  include <QtWidgets/QLabel>'
offence platform/runtime.cpp '#include <QString>'
offence shell/display.cpp '#include "platform/qt/window.h"'
offence shell/alone.h '#pragma once' 'std::string Name();'
offence shell/recipe_use.cpp '#include "platform/runtime.h"' '#include "recipes/store/recipe_record.h"'
offence recipes/store/window_use.cpp '#include "recipes/window.h"'
offence recipes/store/tests/fixture_use.cpp '#include "shell/tests/fixture.h"'
offence shell/fixture_use.cpp '#include "shell/tests/fixture.h"'
offence tools/painter/desktop.cpp '#include "platform/testing/desktop.h"'
offence stray/loose.cpp '// in no folder of the table'

status=0
output=$(bash "$check" "$bad" 2>&1) || status=$?
[[ $status -ne 0 ]] || fail "a tree with offences passes:"$'\n'"$output"
for where in "${expected[@]}"; do
  grep -qF -- "$where" <<<"$output" || fail "$where is not listed:"$'\n'"$output"
done
listed=$(cut -d: -f1 <<<"$output")
for path in platform/basic/text.h platform/ui/form.h platform/qt/window.h shell/tests/fixture.h app/main.cpp \
  recipes/window.cpp recipes/tests/window_test.cpp tools/painter/main.cpp build-asan; do
  ! grep -qF -- "$path" <<<"$listed" || fail "$path keeps the rules but is listed:"$'\n'"$output"
done
# A table that is wrong stops the check before it judges any file.
circle=$scratch/circle
cp -r "$good" "$circle"
printf '%s\n' 'platform/basic pantrivo_basic platform/ui' >>"$circle/cmake/dependencies.txt"
status=0
output=$(bash "$check" "$circle" 2>&1) || status=$?
[[ $status -eq 2 ]] || fail "a table with a line twice gives $status:"$'\n'"$output"
grep -qF "platform/basic has two lines" <<<"$output" || fail "the line twice is not named:"$'\n'"$output"
sed -i 's|^platform/basic pantrivo_basic$|platform/basic pantrivo_basic platform|' "$circle/cmake/dependencies.txt"
sed -i '$d' "$circle/cmake/dependencies.txt"
status=0
output=$(bash "$check" "$circle" 2>&1) || status=$?
[[ $status -eq 2 ]] || fail "a table whose folders use each other in a circle gives $status:"$'\n'"$output"
grep -qF "in a circle" <<<"$output" || fail "the circle is not named:"$'\n'"$output"

echo "check_layers_test: ${#expected[@]} offences listed, none in the files that keep the rules"
