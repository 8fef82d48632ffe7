// The keys of kelvara-calc's JSON object for the result texts, in result order.
#pragma once

#include <array>
#include <string_view>

#include "calc/design_results.h"

namespace kelvara::cli {

inline constexpr std::array<std::string_view, kResultFieldCount> kResultJsonKeys = {
    "gapReq",   "AL",    "BmAct", "lossW", "Pgab",   "Pload", "N1",     "wire1",
    "N2",       "wire2", "fill",  "Lm",    "LmUnit", "Lr",    "LrUnit", "Ltot",
    "LtotUnit", "kLact", "Cr",    "fCtl",  "fMin",   "fMax",  "Qmax",   "skinDiameter"};

}  // namespace kelvara::cli
