// The table of standard winding wires ("Wire.txt").
#pragma once

#include <filesystem>
#include <optional>

#include "refdata/records.h"
#include "refdata/text.h"

namespace kelvara {

// Pairs d1/diz1, d2/diz2, … until the first missing key, at most 100; a d
// without its diz does not count. area = π/4·d² with π = 3.141592653589793.
WireTable ParseWireTable(TextView text);

// Reads and parses the file; nothing when it cannot be read.
std::optional<WireTable> ReadWireTable(const std::filesystem::path& file);

}  // namespace kelvara
