// Every number of one calculation and the result texts of the
// "Результаты расчета" group.
#pragma once

#include <array>
#include <string_view>

#include "calc/winding.h"
#include "refdata/i18n.h"
#include "refdata/records.h"

namespace kelvara {

// One winding's wire.
struct WireChoice {
    double d = 0;         // chosen standard diameter, mm
    double diz = 0;       // its diameter over the insulation, mm
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

// One row of the "Результаты расчета" group below the required gap or AL:
// its label, its value and its unit, a fixed text or (unitField set) the
// unit text that the calculation fills.
struct ResultRow {
    std::u16string_view label;
    ResultField value;
    std::u16string_view unit;
    ResultField unitField = kResultFieldCount;  // kResultFieldCount: the fixed unit
};

inline constexpr std::array<ResultRow, 20> kResultRows = {{
    {KELVARA_TR_NOOP(u"Индуктивность сердечника (AL), нГн/виток^2"), kRAL, u""},
    {KELVARA_TR_NOOP(u"Амплитуда индукции"), kRBmAct, u"T"},
    {KELVARA_TR_NOOP(u"Мощность потерь в магнитопроводе"), kRLossW, KELVARA_TR_NOOP(u"Вт")},
    {KELVARA_TR_NOOP(u"Габаритная мощность трансформатора"), kRPgab, KELVARA_TR_NOOP(u"Вт")},
    {KELVARA_TR_NOOP(u"Потребляемая нагрузкой мощность"), kRPload, KELVARA_TR_NOOP(u"Вт")},
    {KELVARA_TR_NOOP(u"Число витков первичной обмотки"), kRN1, u""},
    {KELVARA_TR_NOOP(u"Диаметр провода х число жил"), kRWire1, u""},
    {KELVARA_TR_NOOP(u"Число витков вторичной обмотки"), kRN2, u""},
    {KELVARA_TR_NOOP(u"Диаметр провода х число жил"), kRWire2, u""},
    {KELVARA_TR_NOOP(u"Коэффициент заполнения окна"), kRFill, u""},
    {KELVARA_TR_NOOP(u"Индуктив. намагнич. первич. обмотки Lm"), kRLm, u"", kRLmUnit},
    {KELVARA_TR_NOOP(u"Резонансная индуктивность Lr"), kRLr, u"", kRLrUnit},
    {KELVARA_TR_NOOP(u"Полная индуктивность первичной обмотки  Lm+Lr"), kRLtot, u"", kRLtotUnit},
    {KELVARA_TR_NOOP(u"Отношение индуктивностей Lm/Lr"), kRKLact, u""},
    {KELVARA_TR_NOOP(u"Емкость резонансного конденсатора"), kRCr, KELVARA_TR_NOOP(u"нФ")},
    {KELVARA_TR_NOOP(u"Частота контроллера не менее"), kRFCtl, KELVARA_TR_NOOP(u"кГц")},
    {KELVARA_TR_NOOP(u"Минимальная рабочая частота"), kRFMin, KELVARA_TR_NOOP(u"кГц")},
    {KELVARA_TR_NOOP(u"Максимальная рабочая частота"), kRFMax, KELVARA_TR_NOOP(u"кГц")},
    {KELVARA_TR_NOOP(u"Добротность максимальная"), kRQmax, u""},
    {KELVARA_TR_NOOP(u"Диаметр провода по скин-эффекту"), kRSkin, KELVARA_TR_NOOP(u"мм")},
}};

// Every number of one run. Frequencies are in kHz, x values are frequencies
// divided by Fr, inductances in µH, capacitances in nF, flux densities in T,
// voltages in V, currents in A (peak or RMS as written), areas in mm².
struct DesignResults {
    double delta = 0;       // skin depth at Fr, mm
    double Adelta = 0;      // π·δ², mm²
    double Pload = 0;       // output power, W
    double U2d = 0;         // output voltage with the rectifier drop, V
    double Itr = 0;         // transistor current estimate, A
    double UnasEff = 0;     // transistor drop used, V
    double UhbMin = 0;      // half-bridge amplitude at the lowest supply, V
    double UhbMax = 0;      // … at the highest supply, V
    double UdcMin = 0;      // the lowest supply as used (the rectified peak for mains), V
    double UdcMax = 0;      // … the highest
    double Uout = 0;        // the output voltage the run read, V
    double gapRes = 0;      // residual gap of the ungapped core, mm
    double fring = 1;       // fringing factor of the gap
    double AL = 0;          // inductance factor, µH/turn²
    double muEff = 0;       // effective permeability with the gap
    double Rload = 0;       // load resistance, Ω
    double n = 0;           // turns ratio: the design ratio, then N1/N2
    double nDesign = 0;     // the design turns ratio UhbMax/U2d, before the turns are whole
    double Rac = 0;         // reflected load resistance, Ω
    double MreqMin = 0;     // gain needed at the lowest supply
    double MreqMax = 0;     // gain needed at the highest supply
    double Qmax = 0;        // largest quality factor that reaches MreqMin
    double Q = 0;           // the quality factor the run read
    double kL = 0;          // the inductance ratio Lm/Lr the run read
    double Bm = 0;          // the flux-density amplitude the run read, T
    double I2 = 0;          // output current, doubled for a two-polarity centre tap, A
    double Cr = 0;          // resonant capacitor, nF
    double Lr = 0;          // resonant inductance, µH
    double Lm = 0;          // magnetising inductance, µH (kL·Lr, then AL·N1²)
    double Ltot = 0;        // Lm + Lr, µH
    double N1min = 0;       // fewest primary turns for Bm
    double ALreq = 0;       // AL that gives Lm with N1min turns, µH/turn²
    double gapReq = 0;      // required gap, mm, or largest AL, nH/turn²
    double N1 = 0, N2 = 0;  // whole turns
    double Qact = 0;        // quality factor with the whole turns
    double kLact = 0;       // Lm/Lr with the whole turns
    double xMin = 0, xMax = 0, xPeak = 0;  // operating points and gain peak, x = f/Fr
    double fMin = 0, fMax = 0, fCtl = 0;   // kHz
    double BmAct = 0;                      // flux-density amplitude with the whole turns, T
    double lossDensity = 0;                // core loss density, kW/m³
    double lossW = 0;                      // core loss, W
    double Im = 0;                         // magnetising current peak at Fr, A
    double Ip = 0;                         // reflected load current peak, A
    double I1 = 0;                         // primary RMS current, A
    double I2w = 0;                        // secondary winding RMS current, A
    double kSec = 1;            // secondary factor of the overall power (√2 centre tap)
    double Acu1 = 0, Acu2 = 0;  // copper areas of the windings, mm²
    double fill = 0;            // window fill
    double Pgab = 0;            // transformer overall power, W
    double Fr = 0;              // the resonant frequency of the run, kHz
    bool xMinFound = false, xMaxFound = false, xPeakFound = false;
    bool adjusted = false;  // zazor was changed to the required gap or AL
    int passes = 0;         // gap/AL passes run
    WireChoice wire1, wire2;
    WindingBuild winding;     // both windings on the bobbin, layer by layer
    bool calculated = false;  // the last run went to its end
    std::array<Text, kResultFieldCount> text;
};

}  // namespace kelvara
