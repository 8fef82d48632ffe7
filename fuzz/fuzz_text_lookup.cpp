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

    // The database read once answers every lookup as the plain lookup on its text.
    const kelvara::CoreDatabase database{Text(text)};
    const auto same = [](const kelvara::CoreData& a, const kelvara::CoreData& b) {
        return a.Ae == b.Ae && a.An == b.An && a.le == b.le && a.mu == b.mu && a.Ve == b.Ve &&
               a.record.name == b.record.name && a.record.k1 == b.record.k1 &&
               a.record.k2 == b.record.k2 && a.record.Rth == b.record.Rth;
    };
    Check(same(database.Lookup(section), kelvara::LookupCore(text, section)));
    for (const Text& name : database.AllNames()) {
        Check(same(database.Lookup(name), kelvara::LookupCore(text, name)));
    }
    {
        const std::vector<Text> all = database.AllNames();
        const std::vector<size_t> at = kelvara::FirstPositions(text, all);
        for (size_t i = 0; i < all.size(); ++i) Check(at[i] == text.find(all[i]));
        for (size_t i = 1; i < at.size(); ++i) Check(at[i - 1] <= at[i]);
    }

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
