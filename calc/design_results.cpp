#include "calc/design_results.h"

namespace kelvara {

const std::array<ResultFieldDef, kResultFieldCount> kResultFields = {{
    {kRGapReq, ctl::kResGapReq, "gapReq"},
    {kRAL, ctl::kResAL, "AL"},
    {kRBmAct, ctl::kResBmAct, "BmAct"},
    {kRLossW, ctl::kResLossW, "lossW"},
    {kRPgab, ctl::kResPgab, "Pgab"},
    {kRPload, ctl::kResPload, "Pload"},
    {kRN1, ctl::kResN1, "N1"},
    {kRWire1, ctl::kResWire1, "wire1"},
    {kRN2, ctl::kResN2, "N2"},
    {kRWire2, ctl::kResWire2, "wire2"},
    {kRFill, ctl::kResFill, "fill"},
    {kRLm, ctl::kResLm, "Lm"},
    {kRLmUnit, ctl::kResLmUnit, "LmUnit"},
    {kRLr, ctl::kResLr, "Lr"},
    {kRLrUnit, ctl::kResLrUnit, "LrUnit"},
    {kRLtot, ctl::kResLtot, "Ltot"},
    {kRLtotUnit, ctl::kResLtotUnit, "LtotUnit"},
    {kRKLact, ctl::kResKLact, "kLact"},
    {kRCr, ctl::kResCr, "Cr"},
    {kRFCtl, ctl::kResFCtl, "fCtl"},
    {kRFMin, ctl::kResFMin, "fMin"},
    {kRFMax, ctl::kResFMax, "fMax"},
    {kRQmax, ctl::kResQmax, "Qmax"},
    {kRSkin, ctl::kResSkin, "skinDiameter"},
}};

}  // namespace kelvara
