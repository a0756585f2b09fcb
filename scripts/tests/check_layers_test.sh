#!/usr/bin/env bash
# Usage: check_layers_test.sh <check_layers.sh>
# Runs the layer check on two small trees: one that keeps every rule (with the
# includes most like an offence), which must pass, and the same tree with one
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
put "$good" platform/basic/text.h '#pragma once' '#include <queue>' '#include <string>' 'std::string Trim(std::string);'
put "$good" platform/ui/form.h '#pragma once' '#include "platform/basic/text.h"' '// #include <QWidget> belongs in platform/qt'
put "$good" platform/runtime.h '#pragma once' '#include "platform/ui/form.h"'
put "$good" platform/testing/desktop.h '#pragma once' '#include "platform/runtime.h"'
put "$good" platform/qt/window.h '#pragma once' '#include <QWidget>' '#include "platform/runtime.h"' \
  'inline QWidget* NoWindow() { return nullptr; }'
put "$good" shell/start.h '#pragma once' '#include "platform/runtime.h"'
put "$good" shell/tests/fixture.h '#pragma once' '#include "platform/testing/desktop.h"'
put "$good" app/main.cpp '#include <QApplication>' '#include "platform/qt/window.h"' '#include "shell/start.h"'
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

status=0
output=$(bash "$check" "$bad" 2>&1) || status=$?
[[ $status -ne 0 ]] || fail "a tree with offences passes:"$'\n'"$output"
for where in "${expected[@]}"; do
  grep -qF -- "$where" <<<"$output" || fail "$where is not listed:"$'\n'"$output"
done
listed=$(cut -d: -f1 <<<"$output")
for path in platform/basic/text.h platform/ui/form.h platform/qt/window.h shell/tests/fixture.h app/main.cpp build-asan; do
  ! grep -qF -- "$path" <<<"$listed" || fail "$path keeps the rules but is listed:"$'\n'"$output"
done
echo "check_layers_test: ${#expected[@]} offences listed, none in the files that keep the rules"
