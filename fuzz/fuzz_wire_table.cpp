// Fuzzes the reading of the wire table.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "refdata/text_file.h"
#include "refdata/wire_table.h"

namespace {

void Check(bool condition) {
    if (!condition) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const kelvara::WireTable table = kelvara::ParseWireTable(kelvara::DecodeFileBytes(bytes));
    Check(table.size() <= kelvara::WireTable::kMaxEntries);
    for (const kelvara::WireEntry& entry : table.entries) {
        Check(!std::isnan(entry.d) && !std::isnan(entry.diz));
        Check(entry.area >= 0);
        Check(entry.area == 3.141592653589793 / 4 * (entry.d * entry.d));
    }
    return 0;
}
