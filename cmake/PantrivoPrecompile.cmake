# pantrivo_precompile_headers(<target> [<header>...])
# Precompiles the standard headers nearly every source includes, and the headers given: a
# system header as <name>, a project header by its path from the top ("recipes/form5.h" as
# recipes/form5.h). Give a target the heavy headers most of its sources include, so that a changed source recompiles without parsing them again.
# Every header still compiles alone (scripts/check_layers.sh); configure with
# -DCMAKE_DISABLE_PRECOMPILE_HEADERS=ON to see that every source names what it includes too.
# Only targets of platform/qt/, app/ and tools/ may name Qt headers here.
set(PANTRIVO_STANDARD_HEADERS
  <algorithm>
  <array>
  <cmath>
  <cstdint>
  <filesystem>
  <functional>
  <map>
  <memory>
  <optional>
  <set>
  <sstream>
  <string>
  <string_view>
  <unordered_map>
  <utility>
  <variant>
  <vector>
)

function(pantrivo_precompile_headers target)
  set(headers ${PANTRIVO_STANDARD_HEADERS})
  foreach(header IN LISTS ARGN)
    if(header MATCHES "^<")
      list(APPEND headers ${header})
    else()
      list(APPEND headers ${PROJECT_SOURCE_DIR}/${header})
    endif()
  endforeach()
  target_precompile_headers(${target} PRIVATE ${headers})
endfunction()
