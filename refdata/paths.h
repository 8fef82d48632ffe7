// Paths and the texts that name them. A file name on a POSIX system is a
// string of bytes, and only a name whose bytes are valid UTF-8 has a text:
// lists skip the others, and a file is only ever opened by a text that
// names it exactly. Paths the program learns from the system (the current
// folder, the data root, listed files) stay paths and are opened as such.
#pragma once

#include <filesystem>
#include <optional>

#include "refdata/text.h"

namespace kelvara {

// The text of a path or of one name; nothing when the name is not valid in
// the system's encoding (such a text would open another file or none).
std::optional<Text> PathText(const std::filesystem::path& path);

// The text of a path for a message: bytes that are not valid UTF-8 show as
// U+FFFD. Never used to open a file.
Text PathDisplayText(const std::filesystem::path& path);

// The path that a text names (an unpaired surrogate becomes U+FFFD).
std::filesystem::path PathFromText(TextView text);

}  // namespace kelvara
