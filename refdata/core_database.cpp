#include "refdata/core_database.h"

#include <algorithm>
#include <map>
#include <system_error>
#include <unordered_set>

#include "refdata/data_files.h"
#include "refdata/file_write.h"
#include "refdata/lookup.h"
#include "refdata/paths.h"
#include "refdata/text_file.h"

namespace kelvara {

namespace {

constexpr size_t kNone = TextView::npos;

bool Contains(TextView text, TextView part) {
    return text.find(part) != kNone;
}

// Families 0 to 3: a name starts at every occurrence of `mark` and runs to the
// next "]".
std::vector<Text> NamesStartingAt(TextView text, TextView mark) {
    std::vector<Text> names;
    size_t pos = 0;
    while (true) {
        const size_t begin = text.find(mark, pos);
        if (begin == kNone) break;
        const size_t end = text.find(u']', begin);
        if (end == kNone) {
            names.emplace_back();
            break;
        }
        names.emplace_back(text.substr(begin, end - begin));
        pos = end;
    }
    return names;
}

// Family 4: bracketed names that start neither with "E" nor with "R" other
// than "RM".
std::vector<Text> OtherNames(TextView text) {
    std::vector<Text> names;
    size_t pos = 0;
    while (true) {
        const size_t open = text.find(u'[', pos);
        if (open == kNone) break;
        const char16_t first = open + 1 < text.size() ? text[open + 1] : u'\0';
        const char16_t second = open + 2 < text.size() ? text[open + 2] : u'\0';
        if (first == u'E') {
            pos = open + 1;
            continue;
        }
        if (first == u'R' && second != u'M') {
            pos = open + 2;
            continue;
        }
        const size_t close = text.find(u']', open + 1);
        if (close == kNone) {
            names.emplace_back();
            break;
        }
        names.emplace_back(text.substr(open + 1, close - open - 1));
        pos = close;
    }
    return names;
}

// The core's data from the place where its section starts.
CoreData CoreDataAt(TextView coreText, TextView name, size_t start) {
    const auto value = [&](TextView key) {
        return Replaced(FindValueInSection(coreText, start, key), u',', u'.');
    };
    CoreData data;
    data.record.name = Text(name);
    data.Ae = value(u"Ae");
    data.record.Ae = ParseDecimal(data.Ae);
    data.An = value(u"An");
    data.record.An = ParseDecimal(data.An);
    data.le = value(u"le");
    data.record.le = ParseDecimal(data.le);
    data.mu = value(u"mu");
    data.record.mu = ParseInteger(data.mu);
    data.record.Ve = data.record.le * data.record.Ae / 1000;
    data.Ve = FormatFixed(data.record.Ve, 3);
    data.record.k1 = ParseDecimal(value(u"k1"));
    data.record.k2 = ParseDecimal(value(u"k2"));
    data.record.Rth = ParseDecimal(value(u"Rth"));
    data.record.bw = ParseDecimal(value(u"bw"));
    data.record.bh = ParseDecimal(value(u"bh"));
    data.record.lw = ParseDecimal(value(u"lw"));
    return data;
}

}  // namespace

int32_t ShapeFromName(TextView name) {
    if (Contains(name, u"E ")) return kShapeE;
    if (Contains(name, u"EI")) return kShapeEI;
    if (Contains(name, u"ER")) return kShapeER;
    if (Contains(name, u"ETD")) return kShapeETD;
    return kShapeOther;
}

std::vector<Text> CoreNamesOfFamily(TextView coreText, int32_t shape) {
    switch (shape) {
        case kShapeE:
            return NamesStartingAt(coreText, u"E ");
        case kShapeEI:
            return NamesStartingAt(coreText, u"EI");
        case kShapeER:
            return NamesStartingAt(coreText, u"ER");
        case kShapeETD:
            return NamesStartingAt(coreText, u"ETD");
        case kShapeOther:
            return OtherNames(coreText);
        default:
            return {};
    }
}

CoreFiles ReadCoreFiles(const std::filesystem::path& dataRoot) {
    CoreFiles files;
    const std::filesystem::path folder = dataRoot / PathFromText(files::kCoresFolder);
    if (auto shipped = ReadTextFile(folder / PathFromText(files::kShippedCores))) {
        files.shippedFound = true;
        files.shipped = std::move(*shipped);
    }
    const std::filesystem::path userFile = folder / PathFromText(files::kUserCores);
    if (auto user = ReadTextFile(userFile)) {
        files.user = std::move(*user);
    } else {
        // Only a file that is not there is created: one that exists but cannot
        // be read (too large, no permission) holds the user's cores and must
        // not be truncated.
        CreateIfMissing(userFile);
    }
    return files;
}

Text JoinCoreTexts(TextView shipped, TextView user) {
    Text joined;
    joined.reserve(shipped.size() + 2 + user.size());
    joined.append(shipped);
    if (!shipped.empty() && shipped.back() != u'\n' && shipped.back() != u'\r') {
        joined.append(u"\r\n");
    }
    joined.append(user);
    return joined;
}

CoreData LookupCore(TextView coreText, TextView name) {
    return CoreDataAt(coreText, name, SectionStart(coreText, name));
}

int FindCoreEntry(const std::vector<Text>& names, TextView name, int start) {
    const int count = static_cast<int>(names.size());
    if (count == 0) return -1;
    const int from = ((start % count) + count) % count;
    for (int k = 0; k < count; ++k) {
        const int i = (from + k) % count;
        if (names[static_cast<size_t>(i)] == name) return i;
    }
    for (int k = 0; k < count; ++k) {
        const int i = (from + k) % count;
        if (StartsWithIgnoreCase(names[static_cast<size_t>(i)], name)) return i;
    }
    return -1;
}

CoreDatabase::CoreDatabase(Text text) : text_(std::move(text)) {
    Index();
}

void CoreDatabase::Append(TextView record) {
    text_.append(record);
    // A "]" in the record may close a "[" of the text before it: index anew.
    Index();
}

void CoreDatabase::Index() {
    headers_.clear();
    for (size_t open = text_.find(u'['); open != kNone; open = text_.find(u'[', open + 1)) {
        const size_t close = text_.find(u']', open + 1);
        if (close == kNone) break;
        // The first "[name]" wins.
        headers_.try_emplace(text_.substr(open + 1, close - open - 1), open + 1);
    }
}

CoreData CoreDatabase::Lookup(TextView name) const {
    // Every "[name]" of a name without "]" is indexed; any other name is
    // looked for as the plain lookup does.
    if (name.find(u']') == kNone) {
        const auto it = headers_.find(Text(name));
        if (it != headers_.end()) return CoreDataAt(text_, name, it->second);
        return CoreDataAt(text_, name, text_.find(name));
    }
    return LookupCore(text_, name);
}

std::vector<Text> CoreDatabase::AllNames() const {
    std::vector<Text> names;
    std::unordered_set<Text> seen;
    for (int32_t shape = kShapeE; shape <= kShapeOther; ++shape) {
        for (Text& name : CoreNamesOfFamily(text_, shape)) {
            if (seen.insert(name).second) names.push_back(std::move(name));
        }
    }
    // Database order: where each name first stands in the text.
    const std::vector<size_t> at = FirstPositions(text_, names);
    std::vector<size_t> order(names.size());
    for (size_t i = 0; i < order.size(); ++i) order[i] = i;
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) { return at[a] < at[b]; });
    std::vector<Text> sorted;
    sorted.reserve(names.size());
    for (size_t i : order) sorted.push_back(std::move(names[i]));
    return sorted;
}

std::vector<size_t> FirstPositions(TextView text, const std::vector<Text>& names) {
    std::vector<size_t> at(names.size(), kNone);
    std::map<size_t, std::vector<size_t>> byLength;
    for (size_t i = 0; i < names.size(); ++i) byLength[names[i].size()].push_back(i);
    // A polynomial hash modulo 2^64 rolled over the text, one length at a
    // time; every hit is compared in full.
    constexpr uint64_t kBase = 1000003;
    const auto hashOf = [&](TextView s) {
        uint64_t h = 0;
        for (char16_t c : s) h = h * kBase + c;
        return h;
    };
    for (const auto& [length, ids] : byLength) {
        if (length == 0) {
            for (size_t id : ids) at[id] = 0;
            continue;
        }
        if (length > text.size()) continue;
        std::unordered_map<uint64_t, std::vector<size_t>> wanted;
        for (size_t id : ids) wanted[hashOf(names[id])].push_back(id);
        uint64_t top = 1;  // kBase^(length-1)
        for (size_t k = 1; k < length; ++k) top *= kBase;
        uint64_t h = hashOf(text.substr(0, length));
        size_t left = ids.size();
        for (size_t i = 0;; ++i) {
            if (const auto it = wanted.find(h); it != wanted.end()) {
                for (size_t id : it->second) {
                    if (at[id] == kNone && text.compare(i, length, names[id]) == 0) {
                        at[id] = i;
                        --left;
                    }
                }
                if (left == 0) break;
            }
            if (i + length >= text.size()) break;
            h = (h - text[i] * top) * kBase + text[i + length];
        }
    }
    return at;
}

Text CoreRecordText(TextView name, TextView Ae, TextView An, TextView le, TextView mu) {
    Text record;
    record.reserve(name.size() + Ae.size() + An.size() + le.size() + mu.size() + 40);
    record.append(u"[").append(name);
    record.append(u"]\r\nAe = ").append(Ae);
    record.append(u"\r\nAn = ").append(An);
    record.append(u"\r\nle = ").append(le);
    record.append(u"\r\nmu = ").append(mu);
    record.append(u"\r\n\r\n");
    return record;
}

}  // namespace kelvara
