// The seven settings files of any bytes, apart by the file separator: every
// record of one of them reads as its value or as nothing, a shown text has no
// control characters, and a value read and written back reads back the same.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/scratch_folder.h"
#include "shell/settings_files.h"

namespace {

namespace settings = shell::settings;

constexpr std::array<settings::FileSpec, 7> Files{settings::GColor1, settings::GColor2, settings::GColor3,
                                                  settings::GColor4, settings::HINV3,   settings::HINVNAME,
                                                  settings::SWR2};

// The highest record number of any setting, with room to spare.
constexpr std::size_t MaxRecord = 80;

bool SameValue(const basic::Variant& a, const basic::Variant& b) {
    const auto isNaN = [](const basic::Variant& v) {
        return v.type() == basic::VariantType::Double && std::isnan(v.toDouble());
    };
    return isNaN(a) ? isNaN(b) : a == b;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto parts = fuzz::SplitInput(fuzz::AsText(data, size), fuzz::FileSeparator, Files.size());
    const fuzz::ScratchFolder folder;
    for (std::size_t i = 0; i < parts.size(); ++i) folder.Write(Files[i].name, parts[i]);
    const auto program = folder.programFolder();

    // The input's size picks the file; every record it holds is read, and the
    // one past its end, up to the highest record number the program uses.
    const std::size_t pick = size % Files.size();
    const settings::FileSpec file = Files[pick];
    const std::size_t fileSize = pick < parts.size() ? parts[pick].size() : 0;
    const int records = static_cast<int>(std::min<std::size_t>(fileSize / file.recordLength + 1, MaxRecord));
    for (int record = 1; record <= records; ++record) {
        const settings::RecordRef ref{file, record};
        if (const auto shown = settings::ReadShownText(program, ref))
            for (const unsigned char c : *shown) fuzz::Expect(c >= 32, "a shown text has no control characters");
        static_cast<void>(settings::ReadInteger(program, ref));
        static_cast<void>(settings::ReadVariant(program, ref));
    }

    // Every file access opens the file anew: one record a run is written back.
    const settings::RecordRef ref{file, 1 + static_cast<int>((size / Files.size()) % records)};
    if (const auto text = settings::ReadText(program, ref)) {
        fuzz::Expect(settings::WriteText(program, ref, *text), "a text read is written back");
        fuzz::Expect(settings::ReadText(program, ref) == text, "a text written reads back the same");
    }
    if (const auto number = settings::ReadInteger(program, ref)) {
        fuzz::Expect(settings::WriteInteger(program, ref, *number), "an integer read is written back");
        fuzz::Expect(settings::ReadInteger(program, ref) == number, "an integer written reads back the same");
    }
    if (const auto value = settings::ReadVariant(program, ref)) {
        fuzz::Expect(settings::WriteVariant(program, ref, *value), "a variant read is written back");
        const auto again = settings::ReadVariant(program, ref);
        fuzz::Expect(again && SameValue(*again, *value), "a variant written reads back the same");
    }
    return 0;
}
