#!/usr/bin/env bash
# Usage: check_layers_table_test.sh <check_layers.sh> <dependencies.txt>
# Runs the layer check with the repository's own dependency table over a tiny tree: the store's
# record, used where the table allows it, passes; the same record included by the shell, by the
# generic print preview or by the searches' transfer dialog (which the table keeps apart from the
# searches) is listed by file and line.
set -euo pipefail

check=$1
table=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

fail() {
  echo "check_layers_table_test: $*" >&2
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
mkdir -p "$good/cmake"
cp "$table" "$good/cmake/dependencies.txt"
put "$good" platform/basic/text.h '#pragma once' '#include <string>'
put "$good" recipes/store/recipe_record.h '#pragma once' '#include "platform/basic/text.h"'
put "$good" recipe_search/name_search.h '#pragma once' '#include "recipes/store/recipe_record.h"'
put "$good" recipes/printing/recipe_page.cpp '#include "recipes/store/recipe_record.h"'
put "$good" recipes/form5.cpp '#include "recipes/store/recipe_record.h"' '#include "recipe_search/name_search.h"'
put "$good" recipes/store/tests/recipe_record_test.cpp '#include "recipes/store/recipe_record.h"' \
  '#include "platform/testing/test_folder.h"'
output=$(bash "$check" "$good" 2>&1) || fail "a tree that keeps the table fails:"$'\n'"$output"

bad=$scratch/bad
cp -r "$good" "$bad"
put "$bad" shell/activity_window.cpp '#include "platform/basic/text.h"' '#include "recipes/store/recipe_record.h"'
put "$bad" printing/print_preview_panel.cpp '#include "recipes/store/recipe_record.h"'
put "$bad" recipe_search/transfer/importfrm.cpp '#include "recipes/store/recipe_record.h"' \
  '#include "recipe_search/name_search.h"'
status=0
output=$(bash "$check" "$bad" 2>&1) || status=$?
[[ $status -eq 1 ]] || fail "a tree with includes the table forbids gives $status:"$'\n'"$output"
for where in shell/activity_window.cpp:2: printing/print_preview_panel.cpp:1: recipe_search/transfer/importfrm.cpp:2:; do
  grep -qF -- "$where" <<<"$output" || fail "$where is not listed:"$'\n'"$output"
done
[[ $(grep -c ': .* may not use ' <<<"$output") -eq 3 ]] || fail "more than the three offences are listed:"$'\n'"$output"
echo "check_layers_table_test: the table's forbidden includes are listed, its allowed ones pass"
