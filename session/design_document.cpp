#include "session/design_document.h"

#include <charconv>
#include <cmath>
#include <cstdio>

#include "calc/spice_netlist.h"
#include "refdata/i18n.h"

namespace kelvara {

namespace {

// The shortest text that reads back to the same double.
Text Shortest(double v) {
    char buf[32];
    const auto r = std::to_chars(buf, buf + sizeof buf, v);
    return FromUtf8(std::string_view(buf, static_cast<size_t>(r.ptr - buf)));
}

Text YesNo(int32_t v) {
    return v == 1 ? Tr(u"да") : Tr(u"нет");
}

Text LabelOf(std::u16string_view key) {
    const FieldDef* f = FindField(key);
    return f ? Tr(f->label) : Text();
}

constexpr StatusStyle kStyles[] = {
    {u"✓", "ok", KELVARA_TR_NOOP(u"в порядке"), 0x1b7f2a},
    {u"!", "!!", KELVARA_TR_NOOP(u"предупреждение"), 0xc06a00},
    {u"✗", "XX", KELVARA_TR_NOOP(u"ошибка"), 0xc61c1c},
    {u"?", "??", KELVARA_TR_NOOP(u"не оценить"), 0x707070},
};

}  // namespace

std::vector<DocumentRow> DesignDocument::InputRows() const {
    const DesignInputs& in = inputs;
    std::vector<DocumentRow> t;
    const auto row = [&](std::u16string_view label, const Text& value) {
        t.push_back({Text(label), value, {}});
    };
    row(Tr(in.yes_al == 1 ? kALRadioLabel : kGapRadioLabel), in.zazor);
    for (std::u16string_view key : {u"Bm", u"Fr", u"kL", u"Q"}) {
        const FieldDef* f = FindField(key);
        row(Tr(f->label), in.*(f->text));
    }
    row(Tr(u"Транзисторы"), in.rds == 1 ? Tr(u"по Rds(on)") : Tr(u"по Uнас."));
    row(LabelOf(u"Rds"), in.Rds);
    row(LabelOf(u"Unas"), in.Unas);
    row(LabelOf(u"ko"), in.ko);
    row(LabelOf(u"j"), in.j);
    row(Tr(u"Питание (мин., макс.), В"), in.Umin + u", " + in.Umax);
    row(Tr(u"Вид питания"), in.setevoe == 1 ? Tr(u"Сетевое (AC)") : Tr(u"Постоянное (DC)"));
    row(LabelOf(u"U2_1"), in.U2_1);
    row(LabelOf(u"I2_1"), in.I2_1);
    row(LabelOf(u"Ud"), in.Ud);
    static constexpr std::u16string_view kRectifiers[] = {
        KELVARA_TR_NOOP(u"однополярное со средней точкой"),
        KELVARA_TR_NOOP(u"двухполярное со средней точкой"), KELVARA_TR_NOOP(u"мостовое")};
    row(Tr(u"Выпрямление"), Tr(kRectifiers[in.vypr >= 0 && in.vypr <= 2 ? in.vypr : 0]));
    row(Tr(u"Диаметры проводов (желаемые), мм"), in.d11 + u", " + in.d21);
    row(LabelOf(u"yes_d"), YesNo(in.yes_d));
    return t;
}

std::vector<DocumentRow> DesignDocument::CoreRows() const {
    std::vector<DocumentRow> t;
    const auto row = [&](std::u16string_view label, const Text& value) {
        t.push_back({Text(label), value, {}});
    };
    row(Tr(u"Сердечник"), inputs.core);
    row(Tr(u"Площадь сечения Ae, мм2"), inputs.Ae);
    row(Tr(u"Площадь окна An, мм2"), inputs.An);
    row(Tr(u"Длина средней линии le, мм"), inputs.le);
    row(Tr(u"Объем Ve, см3"), inputs.Ve);
    row(Tr(u"Эффективная проницаемость mu"), inputs.mu);
    if (core.k1 != 0 && core.k2 != 0) {
        row(Tr(u"Коэффициенты AL = k1·g^k2: k1, k2"),
            Shortest(core.k1) + u", " + Shortest(core.k2));
    }
    if (core.Rth != 0) row(Tr(u"Тепловое сопротивление Rth, K/Вт"), Shortest(core.Rth));
    row(Tr(u"Материал"), inputs.mater);
    return t;
}

Text DesignDocument::GapLabel() const {
    return Tr(inputs.yes_al == 1 ? kALReqLabel : kGapReqLabel);
}

Text DesignDocument::GapUnit() const {
    return inputs.yes_al == 1 ? Text() : Tr(u"мм");
}

std::vector<DocumentRow> DesignDocument::ResultRows() const {
    std::vector<DocumentRow> t;
    t.push_back({GapLabel(), results.text[kRGapReq], GapUnit()});
    for (const ResultRow& row : kResultRows) {
        const Text unit =
            row.unitField == kResultFieldCount ? Tr(row.unit) : results.text[row.unitField];
        t.push_back({Tr(row.label), results.text[row.value], unit});
    }
    return t;
}

const StatusStyle& StyleOf(CheckStatus status) {
    switch (status) {
        case CheckStatus::Ok:
            return kStyles[0];
        case CheckStatus::Warning:
            return kStyles[1];
        case CheckStatus::Error:
            return kStyles[2];
        case CheckStatus::Unknown:
            break;
    }
    return kStyles[3];
}

CheckStatus WorstStatus(const DesignCheck& check) {
    return check.errors > 0     ? CheckStatus::Error
           : check.warnings > 0 ? CheckStatus::Warning
                                : CheckStatus::Ok;
}

std::string ColourHex(unsigned colour) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "#%06x", colour & 0xffffffu);
    return buf;
}

TdMarks TdMarksOf(const DesignCheck& check, double Fr) {
    TdMarks m;
    const auto x = [&](std::string_view key) {
        const CheckRow* row = check.Row(key);
        const double f = row ? row->Number("fTd") : 0;
        return std::isfinite(f) && f > 0 && Fr > 0 ? f / Fr : 0;
    };
    m.xMin = x("tdmin");
    m.xMax = x("tdmax");
    return m;
}

std::string SpiceNetlistOf(const DesignDocument& d, bool highestSupply) {
    if (!d.calculated) return {};
    const check::SwitchInputs sw = check::ReadSwitchInputs(d.inputs, d.results.Fr);
    if (!sw.problem.empty()) return {};
    SpiceOptions o;
    o.highestSupply = highestSupply;
    return SpiceNetlist(d.results, d.inputs.vypr, sw.td, sw.coss, o);
}

Text ResultsTable(const DesignDocument& document) {
    Text out;
    for (const DocumentRow& row : document.ResultRows()) {
        out += row.label + u"\t" + row.value + u"\t" + row.unit + u"\n";
    }
    return out;
}

}  // namespace kelvara
