// Text and number helpers shared by every layer: UTF-16 strings, the
// locale-independent reading and formatting of numbers, UTF-8 conversion.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace kelvara {

// Every text the program keeps (fields, file contents, messages) is UTF-16.
using Text = std::u16string;
using TextView = std::u16string_view;

// UTF-8 <-> UTF-16. Invalid sequences become U+FFFD.
Text FromUtf8(std::string_view utf8);
std::string ToUtf8(TextView text);

// Strict UTF-8 check: no overlong forms, no surrogates, nothing above U+10FFFF.
bool IsValidUtf8(std::string_view bytes);

// The code units of a text as UTF-16 little-endian bytes (no mark).
std::string EncodeUtf16LE(TextView text);

// Replaces every `from` by `to`.
void ReplaceAll(Text& text, char16_t from, char16_t to);
Text Replaced(TextView text, char16_t from, char16_t to);

// Reads the longest leading decimal number: leading white space, an optional
// sign, digits with an optional "." and fraction, an optional exponent
// ("e"/"E", optional sign, at least one digit). Text without such a prefix
// reads as 0; "inf", "nan" and hexadecimal forms are not numbers here. A value
// too large for a double reads as +/-infinity. Independent of the process
// locale.
double ParseDecimal(TextView text);

// Reads a whole number: leading white space, an optional sign, then the digits
// up to the first other character ("1800,5" and "1.8e3" read as 1800 and 1).
// No digits: 0. Values beyond the 32-bit range are clamped to it.
int32_t ParseInteger(TextView text);

// printf("%.<decimals>f") in the C locale. A non-finite value gives "?".
Text FormatFixed(double value, int decimals);

// printf("%i") of a 32-bit integer.
Text FormatInt(int64_t value);

// The whole part of a number (truncation toward zero) formatted as an
// integer; "?" when the value is not finite.
Text FormatWholePart(double value);

// Case-insensitive (Latin and Cyrillic) test that `text` begins with `prefix`.
bool StartsWithIgnoreCase(TextView text, TextView prefix);

// Lower case of one UTF-16 code unit for Latin and Cyrillic letters.
char16_t FoldCase(char16_t c);

// Case-insensitive ordering (for the sorted file lists).
bool LessIgnoreCase(TextView a, TextView b);

}  // namespace kelvara
