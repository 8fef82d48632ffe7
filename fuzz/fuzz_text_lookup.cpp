// Fuzzes the decoding of file bytes, the section and key lookups, the core
// families and the core lookup.
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "refdata/core_database.h"
#include "refdata/lookup.h"
#include "refdata/text_file.h"

namespace {

using kelvara::Text;

void Check(bool condition) {
    if (!condition) __builtin_trap();
}

// A value never holds a control character nor starts or ends with a blank.
void CheckValue(const Text& value) {
    for (const char16_t c : value) Check(c >= 32);
    if (!value.empty()) Check(value.front() != u' ' && value.back() != u' ');
}

// A short piece of the text, placed by two of its own code units.
Text PieceOf(const Text& text, size_t seed) {
    if (text.empty()) return Text();
    const size_t start = text[seed % text.size()] % text.size();
    const size_t length = text[(seed + 1) % text.size()] % 12;
    return text.substr(start, length);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const Text text = kelvara::DecodeFileBytes(bytes);
    for (const char16_t c : text) Check(c != 0);

    const Text section = PieceOf(text, 0);
    const Text key = PieceOf(text, 2);
    CheckValue(kelvara::FindSectionValue(text, section, key));
    CheckValue(kelvara::FindKeyValue(text, key));
    CheckValue(kelvara::FindSectionValue(text, u"Flux density", u"B1"));
    CheckValue(kelvara::FindKeyValue(text, u"mu"));

    for (int32_t shape = -1; shape <= 5; ++shape) {
        const std::vector<Text> names = kelvara::CoreNamesOfFamily(text, shape);
        if (shape < kelvara::kShapeE || shape > kelvara::kShapeOther) Check(names.empty());
        for (size_t i = 0; i < names.size() && i < 3; ++i) {
            Check(text.find(names[i]) != Text::npos);
            const kelvara::CoreData core = kelvara::LookupCore(text, names[i]);
            CheckValue(core.Ae);
            CheckValue(core.An);
            CheckValue(core.le);
            CheckValue(core.mu);
            Check(core.Ve == kelvara::FormatFixed(core.record.Ve, 3));
            Check(core.record.name == names[i]);
            (void)kelvara::ShapeFromName(names[i]);
        }
    }
    const kelvara::CoreData picked = kelvara::LookupCore(text, section);
    CheckValue(picked.mu);
    return 0;
}
