// File names of any bytes, the first line a name and the second a pattern:
// a name turns into a path and back, a pattern matches in time, and looking
// a bare name up in the program's folder stays in that folder.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/scratch_folder.h"
#include "platform/basic/path_text.h"
#include "platform/basic/program_folder.h"
#include "platform/basic/wildcard.h"

namespace {

// One folder for every input, with a few names of the program's files.
const fuzz::ScratchFolder& Folder() {
    static const fuzz::ScratchFolder folder;
    static const bool filled = [] {
        for (const char* name : {"GColor4.Fil", "Recipe2.db1", "Appenfil.db1", "Caf\xe9.rc1"}) folder.Write(name, "");
        return true;
    }();
    static_cast<void>(filled);
    return folder;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto parts = fuzz::SplitInput(fuzz::AsText(data, size), "\n", 2);
    const std::string_view name = parts[0];
    const std::string_view pattern = parts.size() > 1 ? parts[1] : "*";

    const auto path = basic::PathFromText(name);
    fuzz::Expect(basic::PathFromText(basic::TextFromPath(path)) == path,
                 "a path turned into text and back is the same");

    static_cast<void>(basic::detail::MatchesPattern(name, pattern));
    if (!basic::detail::HasWildcards(name))
        fuzz::Expect(basic::detail::MatchesPattern(name, name), "a name without wildcards matches itself");

    const auto& folder = Folder();
    const auto resolved = folder.programFolder().Resolve(name);
    if (name.find('/') == std::string_view::npos && !name.empty() && name != "." && name != "..")
        fuzz::Expect(resolved.parent_path() == folder.dir(), "a bare name stays in the program folder");
    return 0;
}
