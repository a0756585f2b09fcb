// A settings record of any bytes, in each of its encodings: a text, an
// integer, the variant record. What decodes encodes back into the same value,
// and a variant holds a value every reader of it takes.
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/scratch_folder.h"
#include "platform/basic/records.h"
#include "platform/basic/variant.h"

namespace {

void Use(const basic::Variant& value) {
    static_cast<void>(value.isNumeric());
    static_cast<void>(value.toDouble());
    static_cast<void>(value.toText());
}

bool IsNaN(const basic::Variant& value) {
    return value.type() == basic::VariantType::Double && std::isnan(value.toDouble());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto record = fuzz::AsText(data, size);
    const int length = static_cast<int>(record.size());

    const auto text = basic::DecodeRecordString(record);
    const auto view = basic::RecordStringView(record);
    fuzz::Expect(text.has_value() == view.has_value() && (!text || *text == *view), "both text readers agree");
    if (text) {
        const auto encoded = basic::EncodeRecordString(*text, std::max(length, 2));
        fuzz::Expect(encoded.has_value(), "a text read from a record fits it");
        fuzz::Expect(basic::DecodeRecordString(*encoded) == text, "a text reads back the same");
    }

    const auto small = basic::DecodeInteger16(record);
    fuzz::Expect(basic::DecodeInteger16(basic::EncodeInteger16(small)) == small, "an integer reads back the same");
    const auto large = basic::DecodeInteger32(record);
    fuzz::Expect(basic::DecodeInteger32(basic::EncodeInteger32(large)) == large, "a long reads back the same");

    if (const auto value = basic::DecodeVariantRecord(record)) {
        Use(*value);
        const auto encoded = basic::EncodeVariantRecord(*value, length);
        fuzz::Expect(encoded.has_value(), "a variant read from a record fits it");
        const auto again = basic::DecodeVariantRecord(*encoded);
        fuzz::Expect(again.has_value() && (IsNaN(*value) ? IsNaN(*again) : *again == *value),
                     "a variant reads back the same");
    }
    Use(basic::Variant(std::string(record)));
    return 0;
}
