#include "designs/design_file.h"

#include "designs/safe_write.h"
#include "refdata/lookup.h"
#include "refdata/text_file.h"

namespace kelvara {

namespace {

void AppendUtf16(std::string& out, TextView text) {
    for (char16_t c : text) {
        out.push_back(static_cast<char>(c & 0xFF));
        out.push_back(static_cast<char>(c >> 8));
    }
}

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
