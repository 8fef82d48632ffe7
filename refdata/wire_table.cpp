#include "refdata/wire_table.h"

#include "refdata/lookup.h"
#include "refdata/physics.h"
#include "refdata/text_file.h"

namespace kelvara {

namespace {

using phys::kPi;

double NumberOf(TextView value) {
    return ParseDecimal(Replaced(value, u',', u'.'));
}

}  // namespace

WireTable ParseWireTable(TextView text) {
    WireTable table;
    for (int n = 1; n <= WireTable::kMaxEntries; ++n) {
        const Text number = FormatInt(n);
        const Text d = FindKeyValue(text, u"d" + number);
        if (d.empty()) break;
        const Text diz = FindKeyValue(text, u"diz" + number);
        if (diz.empty()) break;
        WireEntry entry;
        entry.d = NumberOf(d);
        entry.diz = NumberOf(diz);
        entry.area = kPi / 4 * (entry.d * entry.d);
        table.entries.push_back(entry);
    }
    return table;
}

std::optional<WireTable> ReadWireTable(const std::filesystem::path& file) {
    const std::optional<Text> text = ReadTextFile(file);
    if (!text) return std::nullopt;
    return ParseWireTable(*text);
}

}  // namespace kelvara
