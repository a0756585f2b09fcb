#pragma once
#include <string_view>

// Internal: file-name patterns of the Basic file commands.
namespace basic::detail {

// '*' matches any run of characters, '?' exactly one, without regard to case.
// As on the old systems, "name.*" also matches "name" with no extension.
bool MatchesPattern(std::string_view name, std::string_view pattern);

bool HasWildcards(std::string_view pattern);

}  // namespace basic::detail
