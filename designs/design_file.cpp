#include "designs/design_file.h"

#include "designs/safe_write.h"
#include "refdata/text_file.h"

namespace kelvara {

namespace {

void AppendUtf16(std::string& out, TextView text) {
    for (char16_t c : text) {
        out.push_back(static_cast<char>(c & 0xFF));
        out.push_back(static_cast<char>(c >> 8));
    }
}

bool IsBlank(char16_t c) { return c == u' ' || c == u'\t'; }

}  // namespace

std::string DesignFileBytes(const DesignInputs& in) {
    std::string out = "\xFF\xFE";
    for (const FieldDef& f : kDesignFileFields) {
        AppendUtf16(out, f.key);
        AppendUtf16(out, u"\t= ");
        if (f.kind == FieldKind::Text) {
            AppendUtf16(out, in.*(f.text));
        } else {
            AppendUtf16(out, FormatInt(in.*(f.number)));
        }
        AppendUtf16(out, u"\r\n");
    }
    return out;
}

bool WriteDesignFile(const std::filesystem::path& file, const DesignInputs& in) {
    return WriteFileSafely(file, DesignFileBytes(in));
}

Text FindDesignKeyValue(TextView text, TextView key) {
    if (key.empty()) return {};
    size_t lineStart = 0;
    while (lineStart <= text.size()) {
        if (text.compare(lineStart, key.size(), key) == 0) {
            size_t k = lineStart + key.size();
            while (k < text.size() && IsBlank(text[k])) ++k;
            if (k < text.size() && text[k] == u'=') {
                size_t begin = k + 1;
                size_t end = begin;
                while (end < text.size() && text[end] >= 0x20) ++end;
                while (begin < end && text[begin] == u' ') ++begin;
                while (end > begin && text[end - 1] == u' ') --end;
                return Text(text.substr(begin, end - begin));
            }
        }
        const size_t next = text.find_first_of(u"\r\n", lineStart);
        if (next == TextView::npos) break;
        lineStart = next + 1;
    }
    return {};
}

void ParseDesignText(TextView text, DesignInputs& in) {
    for (const FieldDef& f : kDesignFileFields) {
        const Text value = FindDesignKeyValue(text, f.key);
        if (f.kind == FieldKind::Text) {
            in.*(f.text) = value;
        } else {
            in.*(f.number) = ParseInteger(value);
        }
    }
    NormaliseChoices(in);
}

bool ReadDesignFile(const std::filesystem::path& file, DesignInputs& in) {
    const auto text = ReadTextFile(file);
    if (!text) return false;
    ParseDesignText(*text, in);
    return true;
}

}  // namespace kelvara
