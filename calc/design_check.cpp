#include "calc/design_check.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "calc/core_loss.h"
#include "calc/design_rules.h"
#include "calc/gain.h"
#include "calc/time_domain.h"
#include "calc/winding.h"
#include "refdata/core_database.h"
#include "refdata/i18n.h"
#include "refdata/physics.h"

namespace kelvara {

namespace {

using phys::kPi;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

// Thresholds of the rows.
constexpr double kRatioTolerance = 0.05;  // |n/nDesign − 1|
constexpr double kKlTolerance = 0.20;     // |kLact/kL − 1|
constexpr double kGapExcess = 2;          // gap (or AL) ratio
constexpr double kGainMargin = 0.10;      // peak gain over the gain needed
constexpr double kZvsMargin = 0.05;       // fMin over the zero-phase frequency
constexpr double kFluxOverBm = 1.05;      // BmAct over Bm
constexpr double kSaturationShare = 0.8;  // B(fMin) over Bsat
constexpr double kRiseWarning = 40;       // K
constexpr double kRiseError = 60;         // K
constexpr double kWindWarning = 0.9;      // build-up over the bobbin height
constexpr double kWindError = 1.0;
constexpr double kCopperHotRise = 80;   // K above 20 °C
constexpr double kRthCoefficient = 53;  // Rth = 53·Ve^-0.54, K/W, Ve cm³
constexpr double kRthExponent = -0.54;
constexpr double kTdDeviation = 0.05;  // |fFha/fTd − 1|
constexpr double kSwingMargin =
    0.2;  // charge in the dead time over the charge the swing needs, − 1

bool Known(double v) {
    return std::isfinite(v);
}
double Finite(double v) {
    return std::isfinite(v) ? v : kNaN;
}
double Ratio(double a, double b) {
    return Finite(a / b);
}

CheckNumber Num(std::string_view name, double v) {
    return CheckNumber{name, Finite(v), false, false};
}
CheckNumber Flag(std::string_view name, bool f) {
    return CheckNumber{name, 0, true, f};
}

// Texts of numbers: C-locale fixed point, "—" when unknown.
Text Fix(double v, int digits) {
    return Known(v) ? FormatFixed(v, digits) : Text(u"—");
}
Text Percent(double fraction) {
    if (!Known(fraction)) return u"—";
    Text t = FormatFixed(fraction * 100, 1);
    if (fraction > 0) t.insert(0, u"+");
    return t + u" %";
}

// The input zazor after the run, read as a number.
double ZazorValue(const DesignInputs& in) {
    return ParseDecimal(Replaced(in.zazor, u',', u'.'));
}

struct Corners {
    double Fr = 0;
    double n = 0;        // N1/N2
    double fMin = kNaN;  // kHz
    double fMax = kNaN;
    double xZp = kNaN;
    double fZp = kNaN;
};

// Flux amplitude at f kHz: the magnetising voltage is clamped by n·U2d.
double FluxAt(const DesignResults& r, const CoreRecord& core, double n, double f) {
    return 0.5 * (n * r.U2d) * 500 / (r.N1 * core.Ae * f);
}
// Magnetising current peak at f kHz, A.
double MagnetisingAt(const DesignResults& r, double n, double f) {
    return r.U2d * n / (4 * f * r.Lm) * 1000;
}
double PrimaryRms(double Ip, double Im) {
    return std::sqrt((Ip * Ip + Im * Im) / 2);
}
// Core loss at (f, B) in W, NaN without data.
double LossAt(const MaterialLossData& m, double Ve, double f, double B) {
    if (!Known(f) || !Known(B)) return kNaN;
    const CoreLossEstimate e = EstimateCoreLoss(f, B, m, Ve);
    return e.ok ? Finite(e.lossW) : kNaN;
}

void Add(DesignCheck& c, CheckRow row) {
    if (row.status == CheckStatus::Error) ++c.errors;
    if (row.status == CheckStatus::Warning) ++c.warnings;
    c.rows.push_back(std::move(row));
}

CheckRow RatioRow(const DesignResults& r, const Corners& k) {
    CheckRow row{"ratio"};
    const double deviation = Finite(k.n / r.nDesign - 1);
    row.numbers = {Num("n", k.n), Num("nDesign", r.nDesign), Num("deviation", deviation)};
    row.label = Tr(u"Коэффициент трансформации N1/N2");
    row.value =
        TrFormat(u"{1} (расчетный {2}, {3})", {Fix(k.n, 3), Fix(r.nDesign, 3), Percent(deviation)});
    row.limit = Tr(u"отклонение не более ±5 %");
    if (!Known(deviation)) {
        row.status = CheckStatus::Unknown;
    } else if (std::abs(deviation) > kRatioTolerance) {
        row.status = CheckStatus::Warning;
        row.note =
            Tr(u"Целые числа витков заметно изменили коэффициент трансформации: выходное "
               u"напряжение будет достигаться на других частотах, чем рассчитано. Подберите "
               u"N1 и N2 ближе к расчетному отношению или измените выходное напряжение.");
    } else {
        row.status = CheckStatus::Ok;
    }
    return row;
}

CheckRow KlRow(const DesignResults& r) {
    CheckRow row{"kl"};
    const double deviation = Finite(r.kLact / r.kL - 1);
    const double alForKl = Finite(1000 * r.kL * r.Lr / (r.N1 * r.N1));
    row.numbers = {Num("kL", r.kL), Num("kLact", r.kLact), Num("deviation", deviation),
                   Num("N1", r.N1), Num("ALforKl", alForKl)};
    row.label = Tr(u"Отношение Lm/Lr с целыми витками");
    row.value =
        TrFormat(u"{1} (задано {2}, {3})", {Fix(r.kLact, 3), Fix(r.kL, 3), Percent(deviation)});
    row.limit = Tr(u"отклонение не более ±20 %");
    if (!Known(deviation)) {
        row.status = CheckStatus::Unknown;
    } else if (std::abs(deviation) > kKlTolerance) {
        row.status = CheckStatus::Warning;
        row.note = TrFormat(
            u"Lm/Lr задается зазором при целом числе витков N1 = {1}, а не "
            u"расчетом. Для Lm/Lr = {2} нужен AL около {3} нГн/виток^2: подберите "
            u"под него зазор или AL.",
            {Fix(r.N1, 0), Fix(r.kL, 3), Fix(alForKl, 0)});
    } else {
        row.status = CheckStatus::Ok;
    }
    return row;
}

CheckRow GapRow(const DesignInputs& in, const DesignResults& r) {
    CheckRow row{"gap"};
    const bool alMode = in.yes_al == 1;
    const double value = ZazorValue(in);
    const double required = r.gapReq;
    const double ratio = alMode ? Ratio(required, value) : Ratio(value, required);
    row.numbers = {Num("value", value), Num("required", required), Num("ratio", ratio),
                   Flag("alMode", alMode)};
    if (alMode) {
        row.label = Tr(u"AL против наибольшего допустимого");
        row.value =
            TrFormat(u"{1} нГн/виток^2 (допустимо до {2})", {Fix(value, 0), Fix(required, 0)});
        row.limit = Tr(u"не меньше половины допустимого");
    } else {
        row.label = Tr(u"Зазор против требуемого");
        row.value = TrFormat(u"{1} мм (нужно не менее {2} мм)", {Fix(value, 2), Fix(required, 2)});
        row.limit = Tr(u"не больше двух требуемых");
    }
    if (!Known(ratio)) {
        row.status = CheckStatus::Unknown;
    } else if (ratio > kGapExcess) {
        row.status = CheckStatus::Warning;
        row.note = alMode ? TrFormat(
                                u"AL намного меньше допустимого: витков больше N1min, "
                                u"индукция заметно ниже заданной, больше меди. Введите AL "
                                u"около {1} нГн/виток^2.",
                                {Fix(required, 0)})
                          : TrFormat(
                                u"Зазор намного больше необходимого: витков больше N1min, "
                                u"индукция заметно ниже заданной, больше меди. Введите зазор "
                                u"около {1} мм.",
                                {Fix(required + 0.005, 2)});
    } else {
        row.status = CheckStatus::Ok;
    }
    return row;
}

CheckRow GainRow(const DesignResults& r) {
    CheckRow row{"gain"};
    const double peak = r.xPeakFound ? Finite(Gain(r.xPeak, r.Qact, r.kLact)) : kNaN;
    const double required = Finite(r.MreqMin);
    const double margin = Finite(peak / required - 1);
    row.numbers = {Num("peakGain", peak), Num("required", required), Num("margin", margin)};
    row.label = Tr(u"Запас по усилению");
    row.value =
        TrFormat(u"пик {1}, нужно {2} ({3})", {Fix(peak, 3), Fix(required, 3), Percent(margin)});
    row.limit = Tr(u"запас не менее 10 %");
    if (!r.xMinFound) {
        row.status = CheckStatus::Error;
        row.note =
            Tr(u"При минимальном напряжении питания усиления не хватает: минимальная рабочая "
               u"частота не найдена. Уменьшите добротность Q или отношение Lm/Lr, либо поднимите "
               u"минимальное напряжение питания.");
    } else if (!Known(margin)) {
        row.status = CheckStatus::Unknown;
    } else if (margin < kGainMargin) {
        row.status = CheckStatus::Warning;
        row.note =
            Tr(u"Запас по усилению мал: при просадке питания или перегрузке преобразователь не "
               u"удержит выходное напряжение. Уменьшите Q или Lm/Lr.");
    } else {
        row.status = CheckStatus::Ok;
    }
    return row;
}

CheckRow ZvsRow(const DesignResults& r, const Corners& k) {
    CheckRow row{"zvs"};
    const double xMin = r.xMinFound ? r.xMin : kNaN;
    const double margin = Finite(xMin / k.xZp - 1);
    row.numbers = {Num("xZeroPhase", k.xZp), Num("fZeroPhase", k.fZp), Num("fMin", k.fMin),
                   Num("margin", margin)};
    row.label = Tr(u"Граница емкостного режима");
    row.value = TrFormat(u"fmin {1} кГц, граница {2} кГц ({3})",
                         {Fix(k.fMin, 2), Fix(k.fZp, 2), Percent(margin)});
    row.limit = Tr(u"fmin выше границы на 5 %");
    if (!Known(k.xZp) || !Known(xMin)) {
        row.status = CheckStatus::Unknown;
        row.note = Known(xMin) ? Tr(u"Не оценить: граница емкостного режима не найдена.")
                               : Tr(u"Не оценить: минимальная рабочая частота не найдена.");
    } else if (xMin <= k.xZp) {
        row.status = CheckStatus::Error;
        row.note =
            Tr(u"При минимальном напряжении питания рабочая частота ниже границы емкостного "
               u"режима: транзисторы переключаются без ZVS и могут выйти из строя. Уменьшите Q "
               u"или Lm/Lr, либо поднимите минимальное напряжение питания.");
    } else if (margin < kZvsMargin) {
        row.status = CheckStatus::Warning;
        row.note =
            Tr(u"Рабочая точка при минимальном питании близка к емкостному режиму: при перегрузке "
               u"преобразователь в него войдет. Уменьшите Q или Lm/Lr.");
    } else {
        row.status = CheckStatus::Ok;
    }
    return row;
}

CheckRow FctlRow(const DesignResults& r, const Corners& k) {
    CheckRow row{"fctl"};
    const double fCtl = r.xPeakFound ? Finite(r.xPeak * k.Fr) : kNaN;
    row.numbers = {Num("fCtl", fCtl), Num("fZeroPhase", k.fZp)};
    row.label = Tr(u"Нижняя частота контроллера");
    row.value = TrFormat(u"{1} кГц (пик усиления), граница {2} кГц", {Fix(fCtl, 2), Fix(k.fZp, 2)});
    row.limit = Tr(u"справочно");
    if (!Known(fCtl) || !Known(k.fZp)) {
        row.status = CheckStatus::Unknown;
        row.note = Tr(u"Не оценить: нет пика усиления или границы емкостного режима.");
    } else {
        row.status = CheckStatus::Ok;
        row.note = TrFormat(
            u"При полной нагрузке пик усиления лежит в емкостной области, и "
            u"контроллер, ограниченный частотой {1} кГц, при перегрузке может "
            u"войти в емкостный режим. Ограничьте минимальную частоту "
            u"контроллера значением {2} кГц.",
            {Fix(fCtl, 2), Fix(k.fZp, 2)});
    }
    return row;
}

CheckRow BfrRow(const DesignResults& r) {
    CheckRow row{"bfr"};
    row.numbers = {Num("BmAct", r.BmAct), Num("Bm", r.Bm), Num("N1", r.N1), Num("N1min", r.N1min)};
    row.label = Tr(u"Индукция на резонансной частоте");
    row.value = TrFormat(u"{1} T (задано {2} T)", {Fix(r.BmAct, 3), Fix(r.Bm, 3)});
    row.limit = Tr(u"не более 1.05·Bm");
    if (!Known(r.BmAct) || !Known(r.Bm)) {
        row.status = CheckStatus::Unknown;
    } else if (r.BmAct > kFluxOverBm * r.Bm) {
        row.status = CheckStatus::Warning;
        row.note = TrFormat(
            u"Витков первичной обмотки меньше N1min = {1}: индукция выше заданной. "
            u"Уменьшите зазор (больше AL) или увеличьте число витков.",
            {Fix(r.N1min, 0)});
    } else {
        row.status = CheckStatus::Ok;
    }
    return row;
}

CheckRow BpkRow(const DesignResults& r, const CoreRecord& core, const MaterialLossData& m,
                const Corners& k) {
    CheckRow row{"bpk"};
    const double B = Finite(FluxAt(r, core, k.n, k.fMin));
    const double bsat = m.Bmax != 0 && Known(m.Bmax) ? m.Bmax / 1000 : kNaN;
    row.numbers = {Num("B", B), Num("Bsat", bsat)};
    row.label = Tr(u"Индукция на минимальной частоте");
    row.value = TrFormat(u"{1} T (насыщение {2} T при 100 °C)", {Fix(B, 3), Fix(bsat, 3)});
    row.limit = Tr(u"не более 0.8·Bsat");
    if (!Known(B) || !Known(bsat)) {
        row.status = CheckStatus::Unknown;
        row.note = Known(bsat) ? Tr(u"Не оценить: минимальная рабочая частота не найдена.")
                               : Tr(u"Не оценить: в файле материала нет индукции насыщения Bmax.");
    } else if (B >= bsat) {
        row.status = CheckStatus::Error;
        row.note =
            Tr(u"На минимальной частоте индукция достигает насыщения: сердечник насытится. "
               u"Увеличьте число витков (уменьшите Bm), поднимите минимальную частоту или "
               u"выберите сердечник большего сечения.");
    } else if (B > kSaturationShare * bsat) {
        row.status = CheckStatus::Warning;
        row.note =
            Tr(u"На минимальной частоте индукция близка к насыщению: при нагреве и перегрузке "
               u"сердечник может насытиться. Увеличьте число витков или сечение сердечника.");
    } else {
        row.status = CheckStatus::Ok;
    }
    return row;
}

// --- The time-domain rows ----------------------------------------------------

// The mode as a number: the sign is the side of the resonance (+ above,
// − below), 1 a continuous and 2 a discontinuous secondary current.
double ModeNumber(const TdCorner& k) {
    if (!k.found) return kNaN;
    return (k.aboveResonance ? 1 : -1) * (k.continuous ? 1 : 2);
}

Text ModeText(const TdCorner& k) {
    if (k.aboveResonance) {
        return k.continuous ? Tr(u"выше резонанса, ток выпрямителя непрерывный")
                            : Tr(u"выше резонанса, ток выпрямителя прерывистый");
    }
    return k.continuous ? Tr(u"ниже резонанса, ток выпрямителя непрерывный")
                        : Tr(u"ниже резонанса, ток выпрямителя прерывистый");
}

// One supply corner of the model.
struct TdSide {
    bool lowest = true;
    double Uhb = kNaN;
    double fFha = kNaN;  // the run's fMin or fMax
    TdCorner corner;
    double uAtFha = kNaN;
};

// Why a corner of the time-domain model has no operating frequency.
Text TdNotFoundNote(const TdSide& side) {
    if (side.corner.tooMuch) {
        return side.lowest
                   ? Tr(u"При минимальном питании выходное напряжение выше заданного даже на "
                        u"частоте 2·Fr: частотой его не удержать. Уменьшите коэффициент "
                        u"трансформации (больше витков вторичной обмотки) или увеличьте Lr.")
                   : Tr(u"При максимальном питании выходное напряжение выше заданного даже на "
                        u"частоте 2·Fr: частотой его не удержать. Уменьшите коэффициент "
                        u"трансформации (больше витков вторичной обмотки) или увеличьте Lr.");
    }
    return side.lowest
               ? Tr(u"При минимальном питании ни на одной частоте от 0.3·Fr до 2·Fr "
                    u"преобразователь не отдает ток нагрузки при заданном выходном напряжении: "
                    u"усиления не хватает. Уменьшите Q или Lm/Lr, либо поднимите минимальное "
                    u"напряжение питания.")
               : Tr(u"При максимальном питании ни на одной частоте от 0.3·Fr до 2·Fr "
                    u"преобразователь не отдает ток нагрузки при заданном выходном напряжении: "
                    u"усиления не хватает. Уменьшите Q или Lm/Lr, либо поднимите минимальное "
                    u"напряжение питания.");
}

CheckRow TdRow(const TdSide& side, const check::SwitchInputs& sw, double Uout) {
    const TdCorner& k = side.corner;
    CheckRow row{side.lowest ? "tdmin" : "tdmax"};
    const double fTd = k.found ? Finite(k.f) : kNaN;
    const double deviation = Finite(side.fFha / fTd - 1);
    row.numbers = {Num("fTd", fTd),
                   Num("uhb", side.Uhb),
                   Num("fFha", side.fFha),
                   Num("deviation", deviation),
                   Num("uAtFha", side.uAtFha),
                   Num("mode", ModeNumber(k))};
    const std::u16string_view fName = side.lowest ? u"fmin" : u"fmax";
    row.label = side.lowest ? Tr(u"Модель во времени: fmin") : Tr(u"Модель во времени: fmax");
    row.value = TrFormat(u"{1} кГц (FHA {2} кГц, {3}); на частоте FHA {4} В",
                         {Fix(fTd, 2), Fix(side.fFha, 2), Percent(deviation), Fix(side.uAtFha, 2)});
    row.limit = Tr(u"FHA отличается не более чем на ±5 %");
    if (!sw.problem.empty()) {
        row.status = CheckStatus::Unknown;
        row.note = sw.problem;
        return row;
    }
    if (!k.solved) {
        row.status = CheckStatus::Unknown;
        row.note = Tr(u"Не оценить: модель во временной области не решена для этих чисел.");
        return row;
    }
    if (!k.found) {
        row.status = CheckStatus::Error;
        row.note = TdNotFoundNote(side);
        return row;
    }
    const Text details = TrFormat(
        u"На {1} кГц: {2}; ток первичной обмотки {3} А действ., {4} А пик; "
        u"намагничивания {5} А пик; Cr {6} В пик (переменная составляющая); вторичная "
        u"обмотка {7} А действ.; индукция {8} T.",
        {Fix(fTd, 2), ModeText(k), Fix(k.i1Rms, 2), Fix(k.i1Peak, 2), Fix(k.imPeak, 2),
         Fix(k.vCrPeak, 0), Fix(k.i2Rms, 2), Fix(k.B, 3)});
    if (Known(deviation) && std::abs(deviation) > kTdDeviation) {
        row.status = CheckStatus::Warning;
        const Text by = Fix(std::abs(deviation) * 100, 1);
        const Text fFha = Fix(side.fFha, 2);
        const Text uAtFha = Fix(side.uAtFha, 2);
        const Text uOut = Fix(Uout, 2);
        const Text fSet = Fix(fTd, 2);
        row.note = deviation < 0 ? TrFormat(
                                       u"FHA занижает {1} на {2} %: на частоте {3} кГц выход будет "
                                       u"{4} В вместо {5} В. Настройте контроллер на {6} кГц. {7}",
                                       {fName, by, fFha, uAtFha, uOut, fSet, details})
                                 : TrFormat(
                                       u"FHA завышает {1} на {2} %: на частоте {3} кГц выход будет "
                                       u"{4} В вместо {5} В. Настройте контроллер на {6} кГц. {7}",
                                       {fName, by, fFha, uAtFha, uOut, fSet, details});
    } else {
        row.status = CheckStatus::Ok;
        row.note =
            Known(deviation)
                ? details
                : TrFormat(u"FHA не нашла {1}; модель во временной области дает {2} кГц. {3}",
                           {fName, Fix(fTd, 2), details});
    }
    return row;
}

// The note of a corner whose midpoint does not swing within the dead time.
Text HardSwitchingNote(bool lowest, const TdCorner& k, double td) {
    const Text tdText = Fix(td, 0);
    const Text iOff = Fix(k.iOff, 2);
    if (Known(k.margin)) {
        const Text margin = Percent(k.margin);
        return lowest ? TrFormat(
                            u"При минимальном питании средняя точка не успевает перезарядиться "
                            u"за мертвое время {1} нс (ток выключения {2} А, запас заряда {3}): "
                            u"транзистор включается жестко, с потерями на разряде Coss. "
                            u"Увеличьте мертвое время или ток намагничивания (меньше Lm: "
                            u"больший зазор), либо выберите транзисторы с меньшей Coss.",
                            {tdText, iOff, margin})
                      : TrFormat(
                            u"При максимальном питании средняя точка не успевает "
                            u"перезарядиться за мертвое время {1} нс (ток выключения {2} А, "
                            u"запас заряда {3}): транзистор включается жестко, с потерями на "
                            u"разряде Coss. Увеличьте мертвое время или ток намагничивания "
                            u"(меньше Lm: больший зазор), либо выберите транзисторы с меньшей "
                            u"Coss.",
                            {tdText, iOff, margin});
    }
    return lowest ? TrFormat(
                        u"При минимальном питании средняя точка не успевает перезарядиться "
                        u"за мертвое время {1} нс (ток выключения {2} А): транзистор "
                        u"включается жестко, с потерями на разряде Coss. Увеличьте мертвое "
                        u"время или ток намагничивания (меньше Lm: больший зазор), либо "
                        u"выберите транзисторы с меньшей Coss.",
                        {tdText, iOff})
                  : TrFormat(
                        u"При максимальном питании средняя точка не успевает перезарядиться "
                        u"за мертвое время {1} нс (ток выключения {2} А): транзистор "
                        u"включается жестко, с потерями на разряде Coss. Увеличьте мертвое "
                        u"время или ток намагничивания (меньше Lm: больший зазор), либо "
                        u"выберите транзисторы с меньшей Coss.",
                        {tdText, iOff});
}

CheckRow ZvsTdRow(const TdSide& low, const TdSide& high, const check::SwitchInputs& sw) {
    CheckRow row{"zvstd"};
    const auto known = [](const TdCorner& k) { return k.solved && k.found; };
    const TdCorner& a = low.corner;
    const TdCorner& b = high.corner;
    const double iOffMin = known(a) ? Finite(a.iOff) : kNaN;
    const double iOffMax = known(b) ? Finite(b.iOff) : kNaN;
    const double marginMin = known(a) ? Finite(a.margin) : kNaN;
    const double marginMax = known(b) ? Finite(b.margin) : kNaN;
    const bool ideal = sw.problem.empty() && sw.coss == 0;
    row.numbers = {Num("td", sw.problem.empty() ? sw.td : kNaN),
                   Num("coss", sw.problem.empty() ? sw.coss : kNaN),
                   Num("iOffMin", iOffMin),
                   Num("iOffMax", iOffMax),
                   Num("marginMin", marginMin),
                   Num("marginMax", marginMax)};
    row.label = Tr(u"Мягкое переключение в мертвое время");
    row.value =
        TrFormat(u"ток выключения {1} / {2} А, запас заряда {3} / {4}",
                 {Fix(iOffMin, 2), Fix(iOffMax, 2), Percent(marginMin), Percent(marginMax)});
    row.limit = Tr(u"перезаряд за td, запас не менее 20 %");
    if (!sw.problem.empty()) {
        row.status = CheckStatus::Unknown;
        row.note = sw.problem;
        return row;
    }
    const bool hardMin = known(a) && !a.swingComplete;
    const bool hardMax = known(b) && !b.swingComplete;
    if (hardMin || hardMax) {
        row.status = CheckStatus::Error;
        row.note = HardSwitchingNote(hardMin, hardMin ? a : b, sw.td);
        return row;
    }
    if (!known(a) || !known(b)) {
        row.status = CheckStatus::Unknown;
        row.note = !known(a) ? Tr(u"Не оценить: нет рабочей частоты модели во временной области "
                                  u"при минимальном питании.")
                             : Tr(u"Не оценить: нет рабочей частоты модели во временной области "
                                  u"при максимальном питании.");
        return row;
    }
    const double worst =
        std::min(Known(marginMin) ? marginMin : kInf, Known(marginMax) ? marginMax : kInf);
    if (worst < kSwingMargin) {
        row.status = CheckStatus::Warning;
        row.note = TrFormat(
            u"Перезаряд Coss завершается, но запас по заряду мал ({1}): при "
            u"разбросе Coss, тока и мертвого времени переключение может стать "
            u"жестким. Увеличьте мертвое время или ток намагничивания (меньше Lm).",
            {Percent(worst)});
    } else {
        row.status = CheckStatus::Ok;
        row.note =
            ideal ? Tr(u"Coss = 0: ключи идеальные; ток выключения положителен в обоих режимах.")
                  : TrFormat(
                        u"Ток выключения перезаряжает 2·Coss = {1} пФ за td = {2} нс с "
                        u"запасом: транзисторы включаются при нулевом напряжении.",
                        {Fix(2 * sw.coss, 0), Fix(sw.td, 0)});
    }
    return row;
}

}  // namespace

std::string_view StatusKey(CheckStatus s) {
    switch (s) {
        case CheckStatus::Ok:
            return "ok";
        case CheckStatus::Warning:
            return "warning";
        case CheckStatus::Error:
            return "error";
        case CheckStatus::Unknown:
            break;
    }
    return "unknown";
}

bool CheckNumber::known() const {
    return isFlag || std::isfinite(value);
}

double CheckRow::Number(std::string_view name) const {
    for (const CheckNumber& n : numbers)
        if (n.name == name) return n.isFlag ? (n.flag ? 1 : 0) : n.value;
    return kNaN;
}

const CheckRow* DesignCheck::Row(std::string_view key) const {
    for (const CheckRow& r : rows)
        if (r.key == key) return &r;
    return nullptr;
}

namespace check {

double CopperResistivityHot() {
    return phys::kCopperResistivity20 * (1 + phys::kCopperTempCoefficient * kCopperHotRise);
}

double MaxDeadTime(double Fr) {
    return 1e6 / Fr / 4;
}

SwitchInputs ReadSwitchInputs(const DesignInputs& in, double Fr) {
    SwitchInputs s;
    s.td = ParseDecimal(Replaced(in.tdead, u',', u'.'));
    s.coss = ParseDecimal(Replaced(in.coss, u',', u'.'));
    const double tdMax = check::MaxDeadTime(Fr);
    if (!(std::isfinite(s.td) && s.td >= 0 && s.td < tdMax)) {
        s.problem = TrFormat(
            u"Мертвое время td задано неверно: нужно число наносекунд не меньше "
            u"0 и меньше четверти резонансного периода ({1} нс). Модель во "
            u"временной области не рассчитана.",
            {Fix(tdMax, 0)});
    } else if (!(std::isfinite(s.coss) && s.coss >= 0 && s.coss <= check::kMaxCoss)) {
        s.problem =
            Tr(u"Выходная емкость транзистора Coss задана неверно: нужно число пикофарад "
               u"от 0 до 1000000 (1 мкФ). Модель во временной области не рассчитана.");
    }
    return s;
}

double ThermalResistanceEstimate(double Ve) {
    return kRthCoefficient * std::pow(Ve, kRthExponent);
}

double ZeroPhasePoint(double k, double q) {
    if (!(std::isfinite(k) && k > 0 && std::isfinite(q) && q > 0)) return kNaN;
    // Imaginary part of the tank's input impedance over √(Lr/Cr).
    const auto h = [k, q](double x) {
        const double t = x * k * q;
        return (x - 1 / x) + (x * k) / (1 + t * t);
    };
    for (int i = 0; i < 1000; ++i) {
        const double x = 1 - 0.001 * i;
        if (h(x) > 0) continue;
        double lo = x;
        double hi = x + 0.001;
        for (int step = 0; step < 100; ++step) {
            const double mid = (lo + hi) / 2;
            if (h(mid) <= 0) {
                lo = mid;
            } else {
                hi = mid;
            }
        }
        return (lo + hi) / 2;
    }
    return kNaN;
}

}  // namespace check

DesignCheck CheckDesign(const DesignInputs& in, const DesignResults& r, const CoreRecord& core,
                        const MaterialLossData& m, const CheckOptions& options) {
    DesignCheck c;
    if (!r.calculated) return c;
    c.done = true;

    Corners k;
    k.Fr = r.Fr;
    k.n = r.N1 / r.N2;
    if (r.xMinFound) k.fMin = Finite(r.xMin * r.Fr);
    if (r.xMaxFound) k.fMax = Finite(r.xMax * r.Fr);
    k.xZp = check::ZeroPhasePoint(r.kLact, r.Qact);
    k.fZp = Finite(k.xZp * r.Fr);

    Add(c, RatioRow(r, k));
    Add(c, KlRow(r));
    Add(c, GapRow(in, r));
    Add(c, GainRow(r));
    Add(c, ZvsRow(r, k));
    Add(c, FctlRow(r, k));
    Add(c, BfrRow(r));
    Add(c, BpkRow(r, core, m, k));

    // Core loss at both corners.
    const double Ve = core.Ve;
    const double BMin = FluxAt(r, core, k.n, k.fMin);
    const double BMax = FluxAt(r, core, k.n, k.fMax);
    const double lossMin = LossAt(m, Ve, k.fMin, BMin);
    const double lossMax = LossAt(m, Ve, k.fMax, BMax);
    {
        CheckRow row{"pcore"};
        row.numbers = {Num("atFMin", lossMin), Num("atFMax", lossMax)};
        row.label = Tr(u"Потери в сердечнике на fmin / fmax");
        row.value = TrFormat(u"{1} / {2} Вт", {Fix(lossMin, 3), Fix(lossMax, 3)});
        row.limit = Tr(u"справочно");
        if (Known(lossMin) && Known(lossMax)) {
            row.status = CheckStatus::Ok;
        } else {
            row.status = CheckStatus::Unknown;
            row.note = Known(k.fMin) && Known(k.fMax)
                           ? Tr(u"Не оценить: в таблице потерь материала нет данных для этой "
                                u"частоты и индукции.")
                           : Tr(u"Не оценить: рабочая частота не найдена.");
        }
        Add(c, std::move(row));
    }

    // Currents.
    const double Ip = Finite(kPi * r.I2 / (2 * k.n));
    const double ImMin = Finite(MagnetisingAt(r, k.n, k.fMin));
    const double I1Min = Finite(PrimaryRms(Ip, ImMin));
    const double I1Max = Finite(PrimaryRms(Ip, MagnetisingAt(r, k.n, k.fMax)));
    const double I1Fr = Finite(PrimaryRms(Ip, MagnetisingAt(r, k.n, k.Fr)));
    {
        CheckRow row{"currents"};
        row.numbers = {Num("Ip", Ip), Num("ImAtFMin", ImMin), Num("I1AtFMin", I1Min),
                       Num("I1AtFMax", I1Max), Num("I1AtFr", I1Fr)};
        row.label = Tr(u"Ток первичной обмотки (действующий)");
        row.value = TrFormat(u"{1} А на fmin, {2} А на fmax, {3} А на Fr",
                             {Fix(I1Min, 2), Fix(I1Max, 2), Fix(I1Fr, 2)});
        row.limit = Tr(u"справочно");
        const bool known = Known(Ip) && Known(ImMin) && Known(I1Min) && Known(I1Max) && Known(I1Fr);
        row.status = known ? CheckStatus::Ok : CheckStatus::Unknown;
        if (!known) row.note = Tr(u"Не оценить: рабочая частота не найдена.");
        Add(c, std::move(row));
    }

    // Resonant capacitor.
    {
        CheckRow row{"vcr"};
        const double amplitude =
            Finite(std::sqrt(Ip * Ip + ImMin * ImMin) * 1e6 / (2 * kPi * k.fMin * r.Cr));
        row.numbers = {Num("amplitude", amplitude), Num("rms", I1Min)};
        row.label = Tr(u"Резонансный конденсатор");
        row.value = TrFormat(u"{1} В амплитуда, {2} А действ.", {Fix(amplitude, 0), Fix(I1Min, 2)});
        row.limit = Tr(u"справочно");
        if (Known(amplitude) && Known(I1Min)) {
            row.status = CheckStatus::Ok;
            row.note =
                Tr(u"Амплитуда переменной составляющей на fmin. Если постоянную составляющую "
                   u"(половину напряжения питания) блокирует только Cr, она добавляется к "
                   u"амплитуде: выбирайте конденсатор с запасом по напряжению и току.");
        } else {
            row.status = CheckStatus::Unknown;
            row.note = Tr(u"Не оценить: минимальная рабочая частота не найдена.");
        }
        Add(c, std::move(row));
    }

    // Copper loss at 100 °C with the skin and the proximity effect of the
    // windings as wound on the bobbin.
    const WindingBuild& wb = r.winding;
    const bool squareLeg = [&] {
        const int32_t family = ShapeFromName(core.name);
        return family == kShapeE || family == kShapeEI;
    }();
    const double w = std::sqrt(core.An / 3);
    const double P = squareLeg ? 4 * std::sqrt(core.Ae) : 2 * std::sqrt(kPi * core.Ae);
    const double lw = BobbinOf(core).lw;
    const double MLT = lw > 0 ? lw : Finite(P + kPi * w);
    const double rho = check::CopperResistivityHot();
    const bool wires = r.wire1.chosen && r.wire2.chosen;
    // DC resistance of a winding (a centre tap: of one half).
    const auto dcResistance = [&](double N, const WireChoice& wire, const Conductor& c) {
        if (!wires) return kNaN;
        const double copper =
            c.litz ? c.count * (kPi * (c.d * c.d) / 4) : wire.strands * wire.Awire;
        return Finite(rho * N * MLT / copper);
    };
    const double R1 = dcResistance(r.N1, r.wire1, wb.spec.primary);
    const double R2 = dcResistance(r.N2, r.wire2, wb.spec.secondary);
    const bool halfWave = in.vypr == 0;
    const auto factor2 = [&](double f) {
        return Finite(halfWave ? HalfWaveFactor(wb, f) : SineFactor(wb, 2, f));
    };
    const double F1 = Finite(SineFactor(wb, 1, k.fMin));
    const double F2 = factor2(k.fMin);
    const double F1Fr = Finite(SineFactor(wb, 1, k.Fr));
    const double F2Fr = factor2(k.Fr);
    const double layers1 = wb.fits ? wb.layers1 : kNaN;
    const double layers2 = wb.fits ? wb.layers2 : kNaN;
    const double P1 = Finite(I1Min * I1Min * R1 * F1);
    const double windings = (in.vypr == 0 || in.vypr == 1) ? 2 : 1;
    const double P2 = Finite(windings * (r.I2w * r.I2w) * R2 * F2);
    {
        CheckRow row{"copper"};
        row.numbers = {Num("MLT", MLT),         Num("R1", R1),
                       Num("R2", R2),           Num("P1", P1),
                       Num("P2", P2),           Num("layers1", layers1),
                       Num("layers2", layers2), Num("acFactor1", F1),
                       Num("acFactor2", F2),    Num("acFactor1Fr", F1Fr),
                       Num("acFactor2Fr", F2Fr)};
        row.label = Tr(u"Потери в меди (оценка)");
        row.value = TrFormat(u"{1} + {2} Вт (виток {3} мм, слоев {4} + {5}, Rac/Rdc {6} / {7})",
                             {Fix(P1, 3), Fix(P2, 3), Fix(MLT, 1), Fix(layers1, 0), Fix(layers2, 0),
                              Fix(F1, 2), Fix(F2, 2)});
        row.limit = Tr(u"справочно");
        bool known = true;
        for (const CheckNumber& n : row.numbers) known = known && n.known();
        if (known) {
            row.status = CheckStatus::Ok;
            row.note = TrFormat(
                u"Оценка при 100 °C на fmin с поверхностным эффектом и эффектом "
                u"близости в слоях обмоток (Dowell; литцендрат — по жилам): "
                u"сопротивление переменному току больше постоянного в {1} раза "
                u"в первичной и в {2} раза во вторичной обмотке.",
                {Fix(F1, 2), Fix(F2, 2)});
        } else {
            row.status = CheckStatus::Unknown;
            row.note = !wires           ? Tr(u"Не оценить: провод не выбран (нет таблицы проводов).")
                       : !Known(k.fMin) ? Tr(u"Не оценить: минимальная рабочая частота не найдена.")
                       : wb.built && !wb.fits
                           ? Tr(u"Не оценить: виток не помещается по ширине каркаса.")
                           : Tr(u"Не оценить: обмотки не уложить на каркас.");
        }
        Add(c, std::move(row));
    }

    // The build-up against the bobbin's height.
    {
        CheckRow row{"wind"};
        const bool estimated = wb.bobbin.estimated;
        const double fill = wb.fits ? Finite(wb.heightFill) : kNaN;
        row.numbers = {Num("heightFill", fill), Num("height", wb.fits ? wb.height : kNaN),
                       Num("bw", wb.bobbin.bw), Num("bh", wb.bobbin.bh),
                       Flag("estimated", estimated)};
        row.label = Tr(u"Укладка обмоток на каркас");
        const Text fillText = Fix(fill * 100, 0);
        const Text height = Fix(wb.height, 2);
        const Text bh = Fix(wb.bobbin.bh, 2);
        const Text bw = Fix(wb.bobbin.bw, 2);
        row.value = estimated
                        ? TrFormat(u"{1} % высоты ({2} из {3} мм, ширина {4} мм, каркас оценен)",
                                   {fillText, height, bh, bw})
                        : TrFormat(u"{1} % высоты ({2} из {3} мм, ширина {4} мм)",
                                   {fillText, height, bh, bw});
        row.limit = Tr(u"не более 90 %");
        // An estimated bobbin adds its own sentence to the note.
        const Text estimate =
            estimated ? Tr(u"Размеры каркаса оценены по окну сердечника (ширина 0.9·3w, высота "
                           u"0.75·w, w = √(An/3)): сверьте их с каркасом.")
                      : Text();
        const auto withEstimate = [&estimate](Text note) {
            return estimate.empty() ? note : note + u" " + estimate;
        };
        if (!wb.built) {
            row.status = CheckStatus::Unknown;
            row.note = withEstimate(Tr(u"Не оценить: провод не выбран."));
        } else if (!wb.fits) {
            row.status = CheckStatus::Error;
            row.note = withEstimate(
                Tr(u"Виток (жилы рядом) шире каркаса: выберите провод тоньше с большим "
                   u"числом жил, литцендрат или сердечник с более широким окном."));
        } else if (!Known(fill)) {
            row.status = CheckStatus::Unknown;
            row.note = withEstimate(Tr(u"Не оценить: неизвестна высота каркаса."));
        } else if (fill > kWindError) {
            row.status = CheckStatus::Error;
            row.note =
                withEstimate(Tr(u"Обмотки не помещаются на каркас по высоте: выберите сердечник с "
                                u"большим окном, уменьшите число жил или плотность тока."));
        } else if (fill > kWindWarning) {
            row.status = CheckStatus::Warning;
            row.note =
                withEstimate(Tr(u"Обмотки занимают почти всю высоту каркаса: с изоляцией и "
                                u"неровной укладкой они могут не поместиться."));
        } else {
            row.status = CheckStatus::Ok;
            row.note = estimate;
        }
        Add(c, std::move(row));
    }

    // Leakage inductance of the build-up against Lr.
    {
        CheckRow row{"leak"};
        const double leakage = Finite(LeakageInductance(wb, MLT));
        const double Lr = Finite(r.Lr);
        const double share = Finite(leakage / Lr);
        row.numbers = {Num("leakage", leakage), Num("Lr", Lr), Num("share", share)};
        row.label = Tr(u"Индуктивность рассеяния (оценка)");
        row.value = TrFormat(u"{1} мкГн ({2} % от Lr {3} мкГн)",
                             {Fix(leakage, 2), Fix(share * 100, 1), Fix(Lr, 2)});
        row.limit = Tr(u"справочно");
        if (!Known(leakage) || !Known(share)) {
            row.status = CheckStatus::Unknown;
            row.note = Tr(u"Не оценить: обмотки не уложены на каркас.");
        } else {
            row.status = CheckStatus::Ok;
            row.note = leakage < Lr
                           ? TrFormat(
                                 u"Если Lr выполняется рассеянием трансформатора, его не "
                                 u"хватает на {1} мкГн: добавьте внешний дроссель или "
                                 u"разнесите обмотки (секционный каркас).",
                                 {Fix(Lr - leakage, 2)})
                           : TrFormat(
                                 u"Рассеяние больше Lr на {1} мкГн: последовательно с Cr "
                                 u"оно уже дает больше резонансной индуктивности. Уменьшите "
                                 u"его чередованием обмоток.",
                                 {Fix(leakage - Lr, 2)});
        }
        Add(c, std::move(row));
    }

    // Temperature rise of the core set in still air.
    {
        CheckRow row{"temp"};
        const bool fromDatabase = core.Rth != 0 && Known(core.Rth);
        const double Rth = fromDatabase ? core.Rth : Finite(check::ThermalResistanceEstimate(Ve));
        const double losses =
            Known(lossMin) && Known(lossMax) ? Finite(std::max(lossMin, lossMax) + P1 + P2) : kNaN;
        const double rise = Finite(Rth * losses);
        const double share = Finite(losses / r.Pload);
        row.numbers = {Num("Rth", Rth), Flag("RthFromDatabase", fromDatabase),
                       Num("losses", losses), Num("rise", rise), Num("share", share)};
        row.label = Tr(u"Перегрев трансформатора");
        row.value = fromDatabase ? TrFormat(u"{1} K (потери {2} Вт, Rth {3} K/Вт по базе)",
                                            {Fix(rise, 0), Fix(losses, 2), Fix(Rth, 1)})
                                 : TrFormat(u"{1} K (потери {2} Вт, Rth {3} K/Вт оценка)",
                                            {Fix(rise, 0), Fix(losses, 2), Fix(Rth, 1)});
        row.limit = Tr(u"не более 40 K");
        if (!Known(rise)) {
            row.status = CheckStatus::Unknown;
            row.note = Tr(u"Не оценить: неизвестны потери в сердечнике или в меди.");
        } else if (rise > kRiseError) {
            row.status = CheckStatus::Error;
            row.note =
                Tr(u"Перегрев больше 60 K: трансформатор перегреется. Выберите сердечник "
                   u"больше, материал с меньшими потерями, уменьшите Bm или плотность тока.");
        } else if (rise > kRiseWarning) {
            row.status = CheckStatus::Warning;
            row.note =
                Tr(u"Перегрев больше 40 K: проверьте охлаждение, или выберите сердечник больше, "
                   u"уменьшите Bm или плотность тока.");
        } else {
            row.status = CheckStatus::Ok;
        }
        Add(c, std::move(row));
    }

    // Window fill.
    {
        CheckRow row{"fill"};
        row.numbers = {Num("fill", r.fill), Num("limit", rule::kFillLimit)};
        row.label = Tr(u"Заполнение окна");
        row.value = Fix(r.fill, 3);
        row.limit = TrFormat(u"не более {1}", {FormatFixed(rule::kFillLimit, 1)});
        if (!Known(r.fill)) {
            row.status = CheckStatus::Unknown;
            row.note = Tr(u"Не оценить: провод не выбран.");
        } else if (r.fill > rule::kFillLimit) {
            row.status = CheckStatus::Warning;
            row.note =
                Tr(u"Обмотки могут не поместиться в окно: выберите сердечник с большим окном "
                   u"или проверьте укладку обмоток по слоям.");
        } else {
            row.status = CheckStatus::Ok;
        }
        Add(c, std::move(row));
    }

    // The time-domain model at both corners.
    const check::SwitchInputs sw = check::ReadSwitchInputs(in, r.Fr);
    TdSide low, high;
    low.lowest = true;
    low.Uhb = Finite(r.UhbMin);
    low.fFha = k.fMin;
    high.lowest = false;
    high.Uhb = Finite(r.UhbMax);
    high.fFha = k.fMax;
    if (sw.problem.empty()) {
        const TdDesign d = TdDesignOf(r, in.vypr, core.Ae, sw.td, sw.coss);
        for (TdSide* side : {&low, &high}) {
            const double Udc = side->lowest ? r.UdcMin : r.UdcMax;
            side->corner = SolveTdCorner(d, side->Uhb, Udc);
            if (options.outputAtFhaFrequency && Known(side->fFha))
                side->uAtFha = Finite(TdOutputVoltage(d, side->Uhb, Udc, side->fFha));
        }
    }
    Add(c, TdRow(low, sw, r.Uout));
    Add(c, TdRow(high, sw, r.Uout));
    Add(c, ZvsTdRow(low, high, sw));
    return c;
}

namespace {

// The three Russian forms of a counted word ("{1} ошибка", "{1} ошибки",
// "{1} ошибок"). In English the first reads "{1} error" and the other two
// "{1} errors": English takes the first for 1 and the last for any other
// count, Russian chooses by the last digits.
struct CountedForms {
    std::u16string_view one;
    std::u16string_view few;
    std::u16string_view many;
};

constexpr CountedForms kErrorForms = {
    KELVARA_TR_NOOP(u"{1} ошибка"), KELVARA_TR_NOOP(u"{1} ошибки"), KELVARA_TR_NOOP(u"{1} ошибок")};
constexpr CountedForms kWarningForms = {KELVARA_TR_NOOP(u"{1} предупреждение"),
                                        KELVARA_TR_NOOP(u"{1} предупреждения"),
                                        KELVARA_TR_NOOP(u"{1} предупреждений")};

// "1 ошибка", "2 ошибки", "5 ошибок", "21 ошибка"; "1 error", "21 errors".
Text Counted(int n, const CountedForms& forms) {
    std::u16string_view form = forms.many;
    if (CurrentLanguage() == Language::English) {
        if (n == 1) form = forms.one;
    } else {
        const int tens = n % 100;
        const int units = n % 10;
        if (tens < 11 || tens > 14) {
            if (units == 1) {
                form = forms.one;
            } else if (units >= 2 && units <= 4) {
                form = forms.few;
            }
        }
    }
    return TrFormat(form, {FormatInt(n)});
}

}  // namespace

Text CheckSummary(const DesignCheck& c) {
    if (!c.done) return {};
    return TrFormat(u"Проверка проекта: {1}", {CheckCounts(c)});
}

Text CheckCounts(const DesignCheck& c) {
    if (c.errors == 0 && c.warnings == 0) return Tr(u"замечаний нет");
    Text t;
    if (c.errors > 0) t += Counted(c.errors, kErrorForms);
    if (c.errors > 0 && c.warnings > 0) t += u", ";
    if (c.warnings > 0) t += Counted(c.warnings, kWarningForms);
    return t;
}

}  // namespace kelvara
