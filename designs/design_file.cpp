#include "designs/design_file.h"

#include "refdata/file_write.h"
#include "refdata/lookup.h"
#include "refdata/text_file.h"

namespace kelvara {

std::string DesignFileBytes(const DesignInputs& in) {
    std::string out = "\xFF\xFE";
    for (const FieldDef& f : kDesignFileFields) {
        out += EncodeUtf16LE(f.key);
        out += EncodeUtf16LE(u"\t= ");
        if (f.kind == FieldKind::Text) {
            out += EncodeUtf16LE(in.*(f.text));
        } else {
            out += EncodeUtf16LE(FormatInt(in.*(f.number)));
        }
        out += EncodeUtf16LE(u"\r\n");
    }
    return out;
}

bool WriteDesignFile(const std::filesystem::path& file, const DesignInputs& in) {
    return static_cast<bool>(WriteFileSafely(file, DesignFileBytes(in)));
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
