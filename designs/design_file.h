// Design files (".sav" and the remembered inputs "Kelvara.ini"): one
// DesignInputs record as UTF-16 key = value lines.
#pragma once

#include <filesystem>
#include <string>

#include "calc/design_inputs.h"

namespace kelvara {

// The exact bytes of a design file: FF FE, then the 23 lines
// "key", TAB, "=", blank, value, CR LF, in file order, then the lines of the
// later keys (tdead, coss) in the same form, UTF-16 little-endian.
std::string DesignFileBytes(const DesignInputs& in);

// Writes the record safely (temporary file, then renamed over the old one).
// Returns false when the file could not be written; the old file is intact.
bool WriteDesignFile(const std::filesystem::path& file, const DesignInputs& in);

// Fills all 23 fields from a design file's text. A key is found only where it
// begins a line, followed by optional blanks or TABs and "="; a missing key
// gives an empty text or 0. Choices and flags take their integer reading and,
// when they name no button, their defaults. The later keys take their
// defaults when missing. Returns how many of the 23 keys the text holds.
int ParseDesignText(TextView text, DesignInputs& in);

// What reading a design file gave.
enum class DesignReadStatus {
    Read,        // the record holds the file's design
    Unreadable,  // missing, not an ordinary file, larger than the read limit
    NotADesign,  // read, but it holds none of the 23 keys
};
struct DesignRead {
    DesignReadStatus status = DesignReadStatus::Unreadable;
    explicit operator bool() const { return status == DesignReadStatus::Read; }
};

// Reads a design file. The record changes only when the file could be read
// and holds at least one of the 23 keys: any other file (another encoding, a
// binary file, an empty one) is no design and leaves it as it was.
DesignRead ReadDesignFile(const std::filesystem::path& file, DesignInputs& in);

}  // namespace kelvara
