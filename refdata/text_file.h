// Reading a whole reference or design file as text.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "refdata/text.h"

namespace kelvara {

// Largest file the program reads (16 MiB); a larger one counts as unreadable.
inline constexpr std::uintmax_t kMaxTextFileBytes = 16u * 1024u * 1024u;

// Reads a whole file as text: UTF-16 little-endian with or without the FF FE
// mark, or UTF-8 (with the EF BB BF mark, or without a mark when the bytes are
// not UTF-16 LE but valid UTF-8). The mark is not part of the text. The text
// ends at its first NUL code unit. Returns nothing when the file cannot be
// opened, is not an ordinary file, or is larger than 16 MiB.
std::optional<Text> ReadTextFile(const std::filesystem::path& path);

// Decodes file bytes by the same rules (for tests and fuzzing).
Text DecodeFileBytes(std::string_view bytes);

}  // namespace kelvara
