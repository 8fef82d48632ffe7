// Writing a file safely: the bytes go to a temporary file in the same folder,
// which is then renamed over the target, so a failed write never leaves a
// truncated or empty file behind.
#pragma once

#include <filesystem>
#include <string_view>

namespace kelvara {

// Returns false when any step fails; the old file (if any) is then untouched
// and no temporary file is left behind.
bool WriteFileSafely(const std::filesystem::path& target, std::string_view bytes);

}  // namespace kelvara
