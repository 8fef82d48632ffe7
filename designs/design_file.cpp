#include "designs/design_file.h"

#include "refdata/file_write.h"
#include "refdata/lookup.h"
#include "refdata/text_file.h"

namespace kelvara {

namespace {

void AppendLine(std::string& out, const FieldDef& f, const DesignInputs& in) {
    out += EncodeUtf16LE(f.key);
    out += EncodeUtf16LE(u"\t= ");
    if (f.kind == FieldKind::Text) {
        out += EncodeUtf16LE(in.*(f.text));
    } else {
        out += EncodeUtf16LE(FormatInt(in.*(f.number)));
    }
    out += EncodeUtf16LE(u"\r\n");
}

}  // namespace

std::string DesignFileBytes(const DesignInputs& in) {
    std::string out = "\xFF\xFE";
    for (const FieldDef& f : kDesignFileFields) AppendLine(out, f, in);
    for (const FieldDef& f : kDesignExtraFields) AppendLine(out, f, in);
    return out;
}

bool WriteDesignFile(const std::filesystem::path& file, const DesignInputs& in) {
    return static_cast<bool>(WriteFileSafely(file, DesignFileBytes(in)));
}

int ParseDesignText(TextView text, DesignInputs& in) {
    int found = 0;
    for (const FieldDef& f : kDesignFileFields) {
        const std::optional<Text> value = FindDesignKeyValue(text, f.key);
        if (value) ++found;
        const Text v = value.value_or(Text());
        if (f.kind == FieldKind::Text) {
            in.*(f.text) = v;
        } else {
            in.*(f.number) = ParseInteger(v);
        }
    }
    // The later keys: a file without one keeps the field's default.
    const DesignInputs defaults;
    for (const FieldDef& f : kDesignExtraFields) {
        const std::optional<Text> value = FindDesignKeyValue(text, f.key);
        if (f.kind == FieldKind::Text) {
            in.*(f.text) = value.value_or(defaults.*(f.text));
        } else {
            in.*(f.number) = value ? ParseInteger(*value) : defaults.*(f.number);
        }
    }
    NormaliseChoices(in);
    return found;
}

DesignRead ReadDesignFile(const std::filesystem::path& file, DesignInputs& in) {
    const auto text = ReadTextFile(file);
    if (!text) return {DesignReadStatus::Unreadable};
    DesignInputs read = in;
    if (ParseDesignText(*text, read) == 0) return {DesignReadStatus::NotADesign};
    in = std::move(read);
    return {DesignReadStatus::Read};
}

}  // namespace kelvara
