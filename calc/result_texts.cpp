#include "calc/result_texts.h"

#include <cmath>

#include "calc/messages.h"

namespace kelvara {

InductanceText FormatInductance(double microHenry) {
    if (!std::isfinite(microHenry)) return {u"?", Tr(msg::kMicroHenry)};
    if (microHenry >= 1000) return {FormatFixed(microHenry / 1000, 3), Tr(msg::kMilliHenry)};
    return {FormatFixed(microHenry, 2), Tr(msg::kMicroHenry)};
}

double RoundUpWhole(double value) {
    const double whole = std::trunc(value);
    return whole < value ? whole + 1 : whole;
}

}  // namespace kelvara
