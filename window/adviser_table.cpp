#include "window/adviser_table.h"

#include <cmath>

namespace kelvara {

namespace {

// Unknown numbers sort last.
double Key(double v) {
    return std::isfinite(v) ? v : HUGE_VAL;
}

Text Fixed(double v, int digits) {
    return std::isfinite(v) ? FormatFixed(v, digits) : Text(u"—");
}

AdviserCell Number(Text text, double key) {
    return AdviserCell{std::move(text), Key(key)};
}

}  // namespace

std::vector<Text> AdviserColumnHeads(bool al) {
    return {u"№",
            u"Сердечник",
            u"Материал",
            u"Ve, см3",
            u"N1",
            u"N2",
            al ? u"AL, нГн/виток^2" : u"Зазор, мм",
            u"Bm на Fr, Т",
            u"B на fmin, Т",
            u"Потери, Вт",
            u"Перегрев, K",
            u"Заполнение",
            u"fmin, кГц",
            u"fmax, кГц",
            u"Ошибки / предупр."};
}

std::vector<AdviserCell> AdviserRow(const Candidate& c, int rank) {
    const DesignResults& r = c.results;
    const bool ok = c.calculated();
    const double nan = std::nan("");
    std::vector<AdviserCell> row;
    row.reserve(kAdviserColumns);
    row.push_back(Number(FormatInt(rank + 1), rank));
    row.push_back(AdviserCell{c.core, 0, false});
    row.push_back(AdviserCell{c.material, 0, false});
    row.push_back(Number(Fixed(c.Ve, 3), c.Ve));
    row.push_back(Number(ok ? r.text[kRN1] : Text(), ok ? r.N1 : nan));
    row.push_back(Number(ok ? r.text[kRN2] : Text(), ok ? r.N2 : nan));
    row.push_back(Number(ok ? c.zazor : Text(), ok ? ParseDecimal(c.zazor) : nan));
    row.push_back(Number(ok ? r.text[kRBmAct] : Text(), ok ? r.BmAct : nan));
    row.push_back(Number(Fixed(c.bAtFMin, 3), c.bAtFMin));
    row.push_back(Number(Fixed(c.losses, 2), c.losses));
    row.push_back(Number(Fixed(c.rise, 0), c.rise));
    row.push_back(Number(ok ? r.text[kRFill] : Text(), ok ? r.fill : nan));
    const double fMin = ok && r.xMinFound ? r.fMin : nan;
    const double fMax = ok && r.xMaxFound ? r.fMax : nan;
    row.push_back(Number(Fixed(fMin, 2), fMin));
    row.push_back(Number(Fixed(fMax, 2), fMax));
    AdviserCell verdict;
    if (!ok) {
        verdict = AdviserCell{u"расчет прерван", HUGE_VAL, true, CheckStatus::Error};
    } else {
        verdict.text = FormatInt(c.errors) + u" / " + FormatInt(c.warnings);
        verdict.key = c.errors * 1000.0 + c.warnings;
        verdict.status = c.errors > 0     ? CheckStatus::Error
                         : c.warnings > 0 ? CheckStatus::Warning
                                          : CheckStatus::Ok;
    }
    row.push_back(std::move(verdict));
    return row;
}

Text AdviserTiming(size_t count, double milliseconds, bool cancelled) {
    if (cancelled) return u"Подбор прерван";
    return u"Рассчитано вариантов: " + FormatInt(static_cast<int64_t>(count)) + u" за " +
           FormatFixed(milliseconds, 1) + u" мс";
}

}  // namespace kelvara
