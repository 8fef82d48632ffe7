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
            Tr(u"Сердечник"),
            Tr(u"Материал"),
            Tr(u"Ve, см3"),
            u"N1",
            u"N2",
            al ? Tr(u"AL, нГн/виток^2") : Tr(u"Зазор, мм"),
            Tr(u"Bm на Fr, Т"),
            Tr(u"B на fmin, Т"),
            Tr(u"Потери, Вт"),
            Tr(u"Перегрев, K"),
            Tr(u"Заполнение"),
            Tr(u"fmin, кГц"),
            Tr(u"fmax, кГц"),
            Tr(u"fTd min, кГц"),
            Tr(u"fTd max, кГц"),
            Tr(u"Мягкое перекл."),
            Tr(u"Ошибки / предупр.")};
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
    const double fTdMin = ok ? c.fTdMin : nan;
    const double fTdMax = ok ? c.fTdMax : nan;
    row.push_back(Number(Fixed(fTdMin, 2), fTdMin));
    row.push_back(Number(Fixed(fTdMax, 2), fTdMax));
    // Soft switching: yes first when sorted, then no, then unknown.
    AdviserCell soft{u"—", HUGE_VAL};
    if (ok && c.soft != Candidate::Soft::Unknown) {
        const bool yes = c.soft == Candidate::Soft::Yes;
        soft = AdviserCell{yes ? Tr(u"да") : Tr(u"нет"), yes ? 0.0 : 1.0, true,
                           yes ? CheckStatus::Ok : CheckStatus::Error, true};
    }
    row.push_back(std::move(soft));
    AdviserCell verdict;
    verdict.coloured = true;
    if (!ok) {
        verdict = AdviserCell{Tr(u"расчет прерван"), HUGE_VAL, true, CheckStatus::Error, true};
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
    if (cancelled) return Tr(u"Подбор прерван");
    return TrFormat(u"Рассчитано вариантов: {1} за {2} мс",
                    {FormatInt(static_cast<int64_t>(count)), FormatFixed(milliseconds, 1)});
}

}  // namespace kelvara
