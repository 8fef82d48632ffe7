// Design files (".sav" and the remembered inputs "Kelvara.ini"): one
// DesignInputs record as UTF-16 key = value lines.
#pragma once

#include <filesystem>
#include <string>

#include "calc/design_inputs.h"

namespace kelvara {

// The exact bytes of a design file: FF FE, then the 23 lines
// "key", TAB, "=", blank, value, CR LF, in file order, UTF-16 little-endian.
std::string DesignFileBytes(const DesignInputs& in);

// Writes the record safely (temporary file, then renamed over the old one).
// Returns false when the file could not be written; the old file is intact.
bool WriteDesignFile(const std::filesystem::path& file, const DesignInputs& in);

// Fills all 23 fields from a design file's text. A key is found only where it
// begins a line, followed by optional blanks or TABs and "="; a missing key
// gives an empty text or 0. Choices and flags take their integer reading and,
// when they name no button, their defaults.
void ParseDesignText(TextView text, DesignInputs& in);

// Reads a design file. Returns false, leaving the record unchanged, when the
// file cannot be read.
bool ReadDesignFile(const std::filesystem::path& file, DesignInputs& in);

}  // namespace kelvara
