#include "refdata/lookup.h"

namespace kelvara {

namespace {

constexpr size_t kNone = TextView::npos;

bool IsIndent(char16_t c) {
    return c == u' ' || c == u'\t';
}
bool IsLineBreak(char16_t c) {
    return c == u'\r' || c == u'\n';
}

// The value that follows the "=" at `equals`: up to the first control
// character, blanks trimmed at both ends.
Text ValueAfter(TextView text, size_t equals) {
    size_t begin = equals + 1;
    size_t end = begin;
    while (end < text.size() && text[end] >= 32) ++end;
    while (begin < end && text[begin] == u' ') ++begin;
    while (end > begin && text[end - 1] == u' ') --end;
    return Text(text.substr(begin, end - begin));
}

// The "=" of the key at `keyPos` when the key is followed by optional blanks
// or TABs and "="; kNone otherwise.
size_t EqualsRightAfter(TextView text, size_t keyPos, size_t keyLength) {
    size_t i = keyPos + keyLength;
    while (i < text.size() && IsIndent(text[i])) ++i;
    return i < text.size() && text[i] == u'=' ? i : kNone;
}

// The "=" of a key found inside a line: the first one after the key on the
// same line. The value of a key always stands on the key's own line, so an
// "=" further on belongs to another key.
size_t EqualsOnLine(TextView text, size_t keyPos) {
    for (size_t i = keyPos; i < text.size(); ++i) {
        if (text[i] == u'=') return i;
        if (IsLineBreak(text[i])) return kNone;
    }
    return kNone;
}

// The "=" of `key` where it begins a line (after optional blanks or TABs) at
// or after `from`, the key starting no later than `last`; kNone when there is
// no such place.
size_t FindKeyAtLineStart(TextView text, TextView key, size_t from, size_t last) {
    // The start of the line holding `from`.
    size_t line = from;
    while (line > 0 && !IsLineBreak(text[line - 1])) --line;
    while (line < text.size()) {
        size_t k = line;
        // A byte-order mark at the very start counts as part of the indent.
        if (k == 0 && text[0] == u'\uFEFF') ++k;
        while (k < text.size() && IsIndent(text[k])) ++k;
        if (k > last) return kNone;
        if (k >= from && text.substr(k).starts_with(key)) {
            const size_t equals = EqualsRightAfter(text, k, key.size());
            if (equals != kNone) return equals;
        }
        // On to the next line.
        while (k < text.size() && !IsLineBreak(text[k])) ++k;
        line = k + 1;
    }
    return kNone;
}

// The key lookup inside the part of `text` that starts at `from`; a key that
// starts beyond `last` lies outside it.
Text FindKeyFrom(TextView text, TextView key, size_t from, size_t last) {
    size_t equals = FindKeyAtLineStart(text, key, from, last);
    if (equals == kNone) {
        // A key starting beyond `last` does not count, so the search ends
        // there: a key missing from a section is not looked for in the rest
        // of a long text.
        const TextView part = last == kNone || last + key.size() >= text.size()
                                  ? text
                                  : text.substr(0, last + key.size());
        const size_t keyPos = part.find(key, from);
        if (keyPos == kNone || keyPos > last) return Text();
        equals = EqualsOnLine(text, keyPos);
        if (equals == kNone) return Text();
    }
    return ValueAfter(text, equals);
}

}  // namespace

size_t SectionStart(TextView text, TextView section) {
    // The section: as a whole bracketed name first, otherwise anywhere.
    Text header;
    header.reserve(section.size() + 2);
    header.push_back(u'[');
    header.append(section);
    header.push_back(u']');
    const size_t start = text.find(header);
    if (start != kNone) return start + 1;  // the name itself, after the "["
    return text.find(section);
}

Text FindValueInSection(TextView text, size_t start, TextView key) {
    if (start == kNone || start > text.size()) return Text();
    // The section ends at the next "["; a "[" at the very start of the text
    // sets no limit.
    const size_t next = text.find(u'[', start);
    const size_t last = next != kNone && next > 0 ? next : kNone;
    return FindKeyFrom(text, key, start, last);
}

Text FindSectionValue(TextView text, TextView section, TextView key) {
    return FindValueInSection(text, SectionStart(text, section), key);
}

Text FindKeyValue(TextView text, TextView key) {
    return FindKeyFrom(text, key, 0, kNone);
}

std::optional<Text> FindDesignKeyValue(TextView text, TextView key) {
    if (key.empty()) return std::nullopt;
    size_t line = 0;
    while (line < text.size()) {
        if (text.substr(line).starts_with(key)) {
            const size_t equals = EqualsRightAfter(text, line, key.size());
            if (equals != kNone) return ValueAfter(text, equals);
        }
        while (line < text.size() && !IsLineBreak(text[line])) ++line;
        ++line;
    }
    return std::nullopt;
}

}  // namespace kelvara
