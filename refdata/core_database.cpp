#include "refdata/core_database.h"

#include <system_error>

#include "refdata/file_write.h"
#include "refdata/lookup.h"
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

Text CoreValue(TextView coreText, TextView name, TextView key) {
    return Replaced(FindSectionValue(coreText, name, key), u',', u'.');
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
    const std::filesystem::path folder = dataRoot / "Bases_Cores";
    if (auto shipped = ReadTextFile(folder / "FerritesCores.txt")) {
        files.shippedFound = true;
        files.shipped = std::move(*shipped);
    }
    const std::filesystem::path userFile = folder / "UserFerritesCores.txt";
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
    CoreData data;
    data.record.name = Text(name);
    data.Ae = CoreValue(coreText, name, u"Ae");
    data.record.Ae = ParseDecimal(data.Ae);
    data.An = CoreValue(coreText, name, u"An");
    data.record.An = ParseDecimal(data.An);
    data.le = CoreValue(coreText, name, u"le");
    data.record.le = ParseDecimal(data.le);
    data.mu = CoreValue(coreText, name, u"mu");
    data.record.mu = ParseInteger(data.mu);
    data.record.Ve = data.record.le * data.record.Ae / 1000;
    data.Ve = FormatFixed(data.record.Ve, 3);
    data.record.k1 = ParseDecimal(CoreValue(coreText, name, u"k1"));
    data.record.k2 = ParseDecimal(CoreValue(coreText, name, u"k2"));
    data.record.Rth = ParseDecimal(CoreValue(coreText, name, u"Rth"));
    data.record.bw = ParseDecimal(CoreValue(coreText, name, u"bw"));
    data.record.bh = ParseDecimal(CoreValue(coreText, name, u"bh"));
    data.record.lw = ParseDecimal(CoreValue(coreText, name, u"lw"));
    return data;
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
