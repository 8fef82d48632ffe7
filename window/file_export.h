// Writing what a window exports (a picture as SVG, a curve as CSV) the way
// every file of the program is written: to a temporary file beside the target,
// renamed over it, so a failed write never leaves half a file.
#pragma once

#include <filesystem>
#include <string_view>

namespace kelvara {

// False when the file cannot be written (or there is nothing to write).
bool WriteExportFile(const std::filesystem::path& file, std::string_view bytes);

}  // namespace kelvara
