// The two lookups through which every reference and design file is read.
#pragma once

#include <optional>

#include "refdata/text.h"

namespace kelvara {

// The value of `key` inside the section named `section`: the section is looked
// for first as "[" + section + "]", then as a plain substring; within it, the
// key first where it begins a line (after optional blanks or TABs) and is
// followed by optional blanks or TABs and "=", then as a plain substring that
// does not lie beyond the next "[". The value runs from after the "=" up to
// the first control character, with blanks trimmed. Empty when not found.
Text FindSectionValue(TextView text, TextView section, TextView key);

// Where FindSectionValue looks for keys of `section`: just after the "[" of
// its first "[" + section + "]", else at its first plain occurrence; npos when
// it does not occur.
size_t SectionStart(TextView text, TextView section);

// The value of `key` in the section whose name starts at `start` (as
// SectionStart gives it); the section ends at the next "[".
Text FindValueInSection(TextView text, size_t start, TextView key);

// The value of `key` anywhere in `text`, with the same key rules and no
// section limit.
Text FindKeyValue(TextView text, TextView key);

// The value of `key` in a design file: the key only counts where it is the
// first thing on a line (no blanks before it) and is followed by optional
// blanks or TABs and "="; there is no other place to find it. Nothing when
// the key is not there (a key with an empty value gives the empty text).
std::optional<Text> FindDesignKeyValue(TextView text, TextView key);

}  // namespace kelvara
