// Helpers for the tests of the shipped reference data: where the files are,
// the CSV tables they are generated from, and the plain substring lookups
// that a well-formed file must answer exactly like the line-start lookups.
#pragma once

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "refdata/text.h"
#include "support/temp_dir.h"

namespace kelvara::testing {

inline std::filesystem::path DataRoot() {
    return std::filesystem::path(KELVARA_SOURCE_DIR) / "data";
}

inline std::filesystem::path SourceTables() {
    return std::filesystem::path(KELVARA_SOURCE_DIR) / "tools" / "refdata";
}

// One CSV line split into fields ("," separated, fields may be quoted with
// doubled quotes inside).
inline std::vector<std::string> SplitCsvLine(const std::string& line) {
    std::vector<std::string> fields(1);
    bool quoted = false;
    for (size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (quoted) {
            if (c == '"' && i + 1 < line.size() && line[i + 1] == '"') {
                fields.back() += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                fields.back() += c;
            }
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            fields.emplace_back();
        } else if (c != '\r') {
            fields.back() += c;
        }
    }
    return fields;
}

// A CSV table: the header's column names and the rows as name → text maps.
struct CsvTable {
    std::vector<std::string> columns;
    std::vector<std::map<std::string, std::string>> rows;
};

inline CsvTable ReadCsv(const std::filesystem::path& path) {
    CsvTable table;
    std::ifstream in(path, std::ios::binary);
    std::string line;
    if (!std::getline(in, line)) return table;
    table.columns = SplitCsvLine(line);
    while (std::getline(in, line)) {
        if (line.empty() || line == "\r") continue;
        const std::vector<std::string> fields = SplitCsvLine(line);
        std::map<std::string, std::string> row;
        for (size_t i = 0; i < table.columns.size(); ++i) {
            row[table.columns[i]] = i < fields.size() ? fields[i] : std::string();
        }
        table.rows.push_back(std::move(row));
    }
    return table;
}

inline double Number(const std::string& text) {
    return ParseDecimal(FromUtf8(text));
}

// The plain lookups: the first occurrence of the section name anywhere, then
// the first occurrence of the key after it, not beyond the next "[". A file in
// which these give the same answers as the program's lookups has no name or
// key that could be found in the wrong place.
inline Text PlainValueAfterKey(TextView text, size_t keyPos) {
    const size_t equals = text.find(u'=', keyPos);
    if (equals == TextView::npos) return Text();
    size_t begin = equals + 1;
    size_t end = begin;
    while (end < text.size() && text[end] >= 32) ++end;
    while (begin < end && text[begin] == u' ') ++begin;
    while (end > begin && text[end - 1] == u' ') --end;
    return Text(text.substr(begin, end - begin));
}

inline Text PlainFindSectionValue(TextView text, TextView section, TextView key) {
    const size_t start = text.find(section);
    if (start == TextView::npos) return Text();
    const size_t next = text.find(u'[', start);
    const size_t keyPos = text.find(key, start);
    if (keyPos == TextView::npos || (next != TextView::npos && keyPos > next)) return Text();
    return PlainValueAfterKey(text, keyPos);
}

inline Text PlainFindKeyValue(TextView text, TextView key) {
    const size_t keyPos = text.find(key);
    if (keyPos == TextView::npos) return Text();
    return PlainValueAfterKey(text, keyPos);
}

inline Text Numbered(const char16_t* prefix, int n) {
    return Text(prefix) + FormatInt(n);
}

}  // namespace kelvara::testing
