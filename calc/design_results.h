// Every number of one calculation and the result texts of the
// "Результаты расчета" group.
#pragma once

#include <array>
#include <string_view>

#include "calc/design_inputs.h"
#include "refdata/records.h"

namespace kelvara {

// One winding's wire.
struct WireChoice {
    double d = 0;         // chosen standard diameter, mm
    double Awire = 0;     // its copper cross-section, mm²
    double Aeff = 0;      // cross-section that conducts at Fr, mm²
    double strands = 0;   // whole number, at least 1
    Text text;            // diameter text ("0.63")
    bool chosen = false;  // false when the wire table is empty
};

// The result texts, in the order of the results group.
enum ResultField : int {
    kRGapReq,
    kRAL,
    kRBmAct,
    kRLossW,
    kRPgab,
    kRPload,
    kRN1,
    kRWire1,
    kRN2,
    kRWire2,
    kRFill,
    kRLm,
    kRLmUnit,
    kRLr,
    kRLrUnit,
    kRLtot,
    kRLtotUnit,
    kRKLact,
    kRCr,
    kRFCtl,
    kRFMin,
    kRFMax,
    kRQmax,
    kRSkin,
    kResultFieldCount
};

struct ResultFieldDef {
    ResultField field;
    int controlId;
    std::string_view jsonKey;
};

// Result texts with their control ids and their keys in kelvara-calc's JSON.
extern const std::array<ResultFieldDef, kResultFieldCount> kResultFields;

// One row of the "Результаты расчета" group below the required gap or AL:
// its label, its value control and its unit, a fixed text or (unitId not 0)
// the unit control that the calculation fills.
struct ResultRowDef {
    std::u16string_view label;
    int valueId;
    std::u16string_view unit;
    int unitId;
};

inline constexpr std::array<ResultRowDef, 20> kResultRows = {{
    {u"Индуктивность сердечника (AL), нГн/виток^2", ctl::kResAL, u"", 0},
    {u"Амплитуда индукции", ctl::kResBmAct, u"T", 0},
    {u"Мощность потерь в магнитопроводе", ctl::kResLossW, u"Вт", 0},
    {u"Габаритная мощность трансформатора", ctl::kResPgab, u"Вт", 0},
    {u"Потребляемая нагрузкой мощность", ctl::kResPload, u"Вт", 0},
    {u"Число витков первичной обмотки", ctl::kResN1, u"", 0},
    {u"Диаметр провода х число жил", ctl::kResWire1, u"", 0},
    {u"Число витков вторичной обмотки", ctl::kResN2, u"", 0},
    {u"Диаметр провода х число жил", ctl::kResWire2, u"", 0},
    {u"Коэффициент заполнения окна", ctl::kResFill, u"", 0},
    {u"Индуктив. намагнич. первич. обмотки Lm", ctl::kResLm, u"", ctl::kResLmUnit},
    {u"Резонансная индуктивность Lr", ctl::kResLr, u"", ctl::kResLrUnit},
    {u"Полная индуктивность первичной обмотки  Lm+Lr", ctl::kResLtot, u"", ctl::kResLtotUnit},
    {u"Отношение индуктивностей Lm/Lr", ctl::kResKLact, u"", 0},
    {u"Емкость резонансного конденсатора", ctl::kResCr, u"нФ", 0},
    {u"Частота контроллера не менее", ctl::kResFCtl, u"кГц", 0},
    {u"Минимальная рабочая частота", ctl::kResFMin, u"кГц", 0},
    {u"Максимальная рабочая частота", ctl::kResFMax, u"кГц", 0},
    {u"Добротность максимальная", ctl::kResQmax, u"", 0},
    {u"Диаметр провода по скин-эффекту", ctl::kResSkin, u"мм", 0},
}};

// The row of a value control.
constexpr const ResultRowDef& ResultRowOf(int valueId) {
    for (const ResultRowDef& row : kResultRows) {
        if (row.valueId == valueId) return row;
    }
    return kResultRows[0];  // every value control has a row; never reached
}

struct DesignResults {
    double delta = 0, Adelta = 0, Pload = 0, U2d = 0, Itr = 0, UnasEff = 0, UhbMin = 0, UhbMax = 0,
           gapRes = 0, fring = 1, AL = 0, muEff = 0, Rload = 0, n = 0, Rac = 0, MreqMin = 0,
           MreqMax = 0, Qmax = 0, Cr = 0, Lr = 0, Lm = 0, Ltot = 0, N1min = 0, ALreq = 0,
           gapReq = 0, N1 = 0, N2 = 0, Qact = 0, kLact = 0, xMin = 0, xMax = 0, xPeak = 0, fMin = 0,
           fMax = 0, fCtl = 0, BmAct = 0, lossDensity = 0, lossW = 0, Im = 0, Ip = 0, I1 = 0,
           I2w = 0, kSec = 1, Acu1 = 0, Acu2 = 0, fill = 0, Pgab = 0;
    double Fr = 0;  // the resonant frequency of the run, kHz
    bool xMinFound = false, xMaxFound = false, xPeakFound = false;
    bool adjusted = false;
    int passes = 0;  // gap/AL passes run
    WireChoice wire1, wire2;
    bool calculated = false;  // the last run went to its end
    std::array<Text, kResultFieldCount> text;
};

}  // namespace kelvara
