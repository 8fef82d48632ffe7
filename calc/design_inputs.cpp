#include "calc/design_inputs.h"

#include "calc/design_rules.h"

namespace kelvara {

void NormaliseChoices(DesignInputs& in) {
    const auto normalise = [&](const FieldDef& f) {
        if (f.kind == FieldKind::Text) return;
        int32_t& v = in.*(f.number);
        if (v < 0 || v >= f.values) v = f.fallback;
    };
    for (const FieldDef& f : kDesignFileFields) normalise(f);
    for (const FieldDef& f : kDesignExtraFields) normalise(f);
}

double ToNumber(Text& field) {
    ReplaceAll(field, u',', u'.');
    return ParseDecimal(field);
}

double ToNumberQ(Text& field) {
    if (field.empty()) field = rule::kDefaultQ;
    return ToNumber(field);
}

}  // namespace kelvara
